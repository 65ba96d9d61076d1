// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/tablefiledialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "files/dutchfiletypes.h"

namespace {

// Room beside a cell's text: the view's margins and the header's sort mark.
constexpr int CellPadding = 24;
constexpr int NameColumnWidth = 220;
constexpr int SmallestNameWidth = 100;

int WidestOf(const QFontMetrics& Metrics, const QStringList& Texts)
{
    int Widest = 0;
    for (const QString& Text : Texts)
        Widest = std::max(Widest, Metrics.horizontalAdvance(Text));
    return Widest + CellPadding;
}

// One provider for all dialogs: their folder readers ask it from threads of
// their own, which may outlive a dialog by a moment; it goes with the
// application.
TDutchFileTypes* SharedFileTypes()
{
    static TDutchFileTypes* Types = [] {
        auto* Provider = new TDutchFileTypes;
        QObject::connect(qApp, &QObject::destroyed, [Provider] { delete Provider; });
        return Provider;
    }();
    return Types;
}

} // namespace

TTableFileDialog::TTableFileDialog(QWidget* Parent) : QFileDialog(Parent)
{
    setIconProvider(SharedFileTypes());
}

void TTableFileDialog::showEvent(QShowEvent* Event)
{
    QFileDialog::showEvent(Event);
    // Once the dialog is laid out on the screen: its list's width counts.
    QTimer::singleShot(0, this, &TTableFileDialog::FitColumns);
}

void TTableFileDialog::FitColumns()
{
    auto* Tree = findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!Tree)
        return;
    const QFontMetrics Metrics(Tree->font());
    const QFontMetrics HeaderMetrics(Tree->header()->font());
    const QLocale Locale = QLocale::system();
    const QHeaderView* Header = Tree->header();
    const auto Title = [Header](int Column) {
        return Header->model()->headerData(Column, Qt::Horizontal).toString();
    };
    // The widest texts the columns can hold: a size just below a unit's
    // next step, the longest type name and a date of two-digit day, month
    // and hour.
    const QStringList Sizes{Locale.formattedDataSize(1023), Locale.formattedDataSize(1023 * 1024 - 1),
                            Locale.formattedDataSize(qint64(999) * 1024 * 1024 * 1024)};
    const QStringList Dates{Locale.toString(QDateTime(QDate(2026, 12, 28), QTime(23, 58, 58)), QLocale::ShortFormat),
                            Locale.toString(QDateTime(QDate(2026, 9, 30), QTime(20, 48, 48)), QLocale::ShortFormat)};
    const int Widths[] = {std::max(WidestOf(Metrics, Sizes), WidestOf(HeaderMetrics, {Title(1)})),
                          std::max(WidestOf(Metrics, TDutchFileTypes::KnownNames()), WidestOf(HeaderMetrics, {Title(2)})),
                          std::max(WidestOf(Metrics, Dates), WidestOf(HeaderMetrics, {Title(3)}))};
    int Others = 0;
    for (int Column = 1; Column <= 3; ++Column) {
        Tree->header()->resizeSection(Column, Widths[Column - 1]);
        Others += Widths[Column - 1];
    }
    // The list beside the folders shows all four columns: the dialog grows
    // as far as the screen allows, and the names take the room left.
    const int Spare = Tree->verticalScrollBar()->sizeHint().width() + 4;
    const int Missing = NameColumnWidth + Others + Spare - Tree->viewport()->width();
    if (Missing > 0)
        resize(std::min(width() + Missing, screen()->availableGeometry().width()), height());
    // On a narrow screen the places beside the list give up room first.
    if (const int Short = SmallestNameWidth + Others + Spare - Tree->viewport()->width(); Short > 0)
        NarrowSidebar(Short);
    const int Room = Tree->viewport()->width() - Others - Spare;
    Tree->header()->resizeSection(0, std::max(Room, SmallestNameWidth));
}

void TTableFileDialog::NarrowSidebar(int By)
{
    auto* Splitter = findChild<QSplitter*>(QStringLiteral("splitter"));
    if (!Splitter || Splitter->count() != 2)
        return;
    // As narrow as the places allow, or, when that is not enough, folded
    // away: the folder box above the list still goes everywhere.
    QList<int> Sizes = Splitter->sizes();
    const int Narrowest = Splitter->widget(0)->minimumSizeHint().width();
    const int Given = Sizes[0] - Narrowest >= By ? By : Sizes[0];
    if (Given == Sizes[0])
        Splitter->setCollapsible(0, true);
    Sizes[0] -= Given;
    Sizes[1] += Given;
    Splitter->setSizes(Sizes);
}

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
