// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableeditor/fontdialogscripts.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QListView>
#include <QStandardItemModel>
#include <limits>

#include "editor/codepage.h"
#include "ui/tablefont.h"

namespace {

// The dialog's list of writing systems: "Any" first, then one entry per
// QFontDatabase::WritingSystem in order.
QComboBox* ScriptList(QFontDialog& Dialog)
{
    for (QComboBox* Combo : Dialog.findChildren<QComboBox*>())
        if (Combo->count() > QFontDatabase::Greek
            && Combo->itemText(QFontDatabase::Greek) == QFontDatabase::writingSystemName(QFontDatabase::Greek))
            return Combo;
    return nullptr;
}

} // namespace

int TFontDialogScripts::WritingSystemOfCharset(int Charset)
{
    switch (CodePageOfCharset(Charset)) {
    case 1251: return QFontDatabase::Cyrillic;
    case 1253: return QFontDatabase::Greek;
    case 1255: return QFontDatabase::Hebrew;
    case 1256: return QFontDatabase::Arabic;
    case 1258: return QFontDatabase::Vietnamese;
    case 874: return QFontDatabase::Thai;
    default: return QFontDatabase::Latin;
    }
}

bool TFontDialogScripts::CanHold(int WritingSystem)
{
    const int Charset = CharsetOfWritingSystem(WritingSystem);
    return Charset >= 0 && WritingSystemOfCharset(Charset) == WritingSystem;
}

TFontDialogScripts::TFontDialogScripts(QFontDialog& Dialog, int Charset, const QFont& Column)
    : QObject(&Dialog), Dialog(Dialog), Scripts(ScriptList(Dialog)), Style(Column)
{
    if (!Scripts)
        return;
    auto* View = qobject_cast<QListView*>(Scripts->view());
    auto* Items = qobject_cast<QStandardItemModel*>(Scripts->model());
    for (int Index = 0; Index < Scripts->count(); ++Index) {
        if (CanHold(Index))
            continue;
        if (View)
            View->setRowHidden(Index, true);
        if (Items && Items->item(Index))
            Items->item(Index)->setEnabled(false);
    }
    // The dialog lists the fonts of the column's script, with the column's
    // font chosen in it.
    ShownScript = WritingSystemOfCharset(Charset);
    Scripts->setCurrentIndex(ShownScript);
    emit Scripts->activated(ShownScript);
    Dialog.setCurrentFont(Column);
    KeepStyle();
    connect(Scripts, &QComboBox::activated, this, &TFontDialogScripts::ScriptChosen);
    connect(&Dialog, &QFontDialog::currentFontChanged, this, &TFontDialogScripts::FontChanged);
}

void TFontDialogScripts::FontChanged(const QFont& Font)
{
    // The dialog's own change of font for another script is no choice of
    // the user's.
    if (Scripts->currentIndex() == ShownScript)
        Style = Font;
}

void TFontDialogScripts::ScriptChosen()
{
    ShownScript = Scripts->currentIndex();
    KeepStyle();
}

// A family without the style asked for gets the first style of its list,
// which may well be "Oblique": the closest plain style is chosen instead.
void TFontDialogScripts::KeepStyle()
{
    const QFont Current = Dialog.currentFont();
    if (Current.bold() == Style.bold() && Current.italic() == Style.italic())
        return;
    const QString Family = Current.family();
    QString Best;
    int BestDistance = std::numeric_limits<int>::max();
    for (const QString& Name : QFontDatabase::styles(Family)) {
        // Oblique counts as italic, as it does for QFont.
        const QFont Candidate = QFontDatabase::font(Family, Name, 12);
        if (Candidate.italic() != Style.italic() || Candidate.bold() != Style.bold())
            continue;
        const bool Unusual = Name.contains(QStringLiteral("Condensed")) || Name.contains(QStringLiteral("Narrow"))
                             || Name.contains(QStringLiteral("Expanded"));
        const int Distance = qAbs(Candidate.weight() - Style.weight()) + (Unusual ? 1000 : 0);
        if (Distance < BestDistance) {
            Best = Name;
            BestDistance = Distance;
        }
    }
    QFont Font = Current;
    Font.setBold(Style.bold());
    Font.setItalic(Style.italic());
    if (!Best.isEmpty())
        Font.setStyleName(Best);
    const int Shown = ShownScript;
    ShownScript = -1; // the change below is no choice of the user's either
    Dialog.setCurrentFont(Font);
    ShownScript = Shown;
}
