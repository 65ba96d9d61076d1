// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/tablefiledialog.h"

#include <QAbstractItemView>
#include <QCompleter>

TTableFileDialog::TTableFileDialog(QWidget* Parent) : QFileDialog(Parent) {}

// Qt's mode for several files refuses, with a message of its own, every name
// that does not exist; its mode for any name allows one file in its views.
void TTableFileDialog::SetUpForOpening()
{
    setAcceptMode(AcceptOpen);
    setFileMode(AnyFile);
    for (const char* View : {"listView", "treeView"})
        if (auto* Files = findChild<QAbstractItemView*>(QString::fromLatin1(View)))
            Files->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

QStringList NameFilters(const QString& Filter)
{
    const QStringList Parts = Filter.split(u'|');
    QStringList Filters;
    for (qsizetype i = 0; i + 1 < Parts.size(); i += 2) {
        QStringList Patterns = Parts[i + 1].split(u';');
#ifndef Q_OS_WIN
        // "*.*" would hide every file whose name has no point.
        for (QString& Pattern : Patterns)
            if (Pattern == QStringLiteral("*.*"))
                Pattern = QStringLiteral("*");
#endif
        Filters << Parts[i] + QStringLiteral(" (") + Patterns.join(u' ') + u')';
    }
    return Filters;
}

QFileDialog* MakeTableDialog(QWidget* Parent, const QString& Name, const QString& Filter, bool ForSaving)
{
    auto* Dialog = new TTableFileDialog(Parent);
    Dialog->setObjectName(Name);
    Dialog->setOption(QFileDialog::DontUseNativeDialog);
    Dialog->setNameFilters(NameFilters(Filter));
    Dialog->setDefaultSuffix(QStringLiteral("mt4"));
    if (ForSaving) {
        Dialog->setAcceptMode(QFileDialog::AcceptSave);
        Dialog->setFileMode(QFileDialog::AnyFile);
        Dialog->setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        Dialog->SetUpForOpening();
    }
    // The completion list of the file name is a window of its own: it goes
    // with the dialog, and leaves the keyboard to the main window.
    QObject::connect(Dialog, &QDialog::finished, Dialog, [Dialog] {
        for (QCompleter* Completer : Dialog->findChildren<QCompleter*>()) {
            if (QAbstractItemView* List = Completer->popup(); List->isVisible())
                List->hide();
        }
    });
    return Dialog;
}
