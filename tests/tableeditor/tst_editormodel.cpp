// SPDX-License-Identifier: GPL-3.0-or-later
// The grid model over the question table: what the grid shows and which
// notifications one editing step sends.
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "tableeditor/tablemodel.h"

class TestEditorModel : public QObject {
    Q_OBJECT
private slots:
    void emptyTableHasOneBlankRow();
    void showsStoredOrderAndWindowsText();
    void columnFontsAndRowColours();
    void appendAndRemoveAtTheEndAreRowNotifications();
    void deletingAnEntryRemovesItsRow();
    void movingTheHighlightRepaintsTwoRows();
    void fontChangeReachesBothColumns();
};

namespace {

QString Cell(const TTableModel& Model, int Row, int Column)
{
    return Model.data(Model.index(Row, Column), Qt::DisplayRole).toString();
}

QColor Background(const TTableModel& Model, int Row)
{
    return Model.data(Model.index(Row, 0), Qt::BackgroundRole).value<QColor>();
}

} // namespace

void TestEditorModel::emptyTableHasOneBlankRow()
{
    TQuestionlist List;
    TTableModel Model(List);
    QAbstractItemModelTester Tester(&Model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(Model.rowCount(), 1);
    QCOMPARE(Model.columnCount(), 2);
    QCOMPARE(Cell(Model, 0, 0), QString());
    QCOMPARE(Cell(Model, 0, 1), QString());
}

void TestEditorModel::showsStoredOrderAndWindowsText()
{
    TQuestionlist List;
    List.Add("huis", "house");
    List.Add("caf\xe9", "\x80 5");
    List.Reverse = true;
    TTableModel Model(List);
    QAbstractItemModelTester Tester(&Model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(Model.rowCount(), 2);
    QCOMPARE(Cell(Model, 0, TTableModel::QuestionColumn), QStringLiteral("huis"));
    QCOMPARE(Cell(Model, 0, TTableModel::AnswerColumn), QStringLiteral("house"));
    QCOMPARE(Cell(Model, 1, 0), QStringLiteral("café"));
    QCOMPARE(Cell(Model, 1, 1), QStringLiteral("€ 5"));
}

void TestEditorModel::columnFontsAndRowColours()
{
    TQuestionlist List;
    List.Add("a", "b");
    List.Add("c", "d");
    List.QuestionFont = {"Times New Roman", 12, 0};
    List.AnswerFont.Italic = true;
    TTableModel Model(List);
    Model.SetCurrentRow(1);

    const auto QuestionFont = Model.data(Model.index(0, 0), Qt::FontRole).value<QFont>();
    const auto AnswerFont = Model.data(Model.index(0, 1), Qt::FontRole).value<QFont>();
    QCOMPARE(QuestionFont.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(QuestionFont.pointSize(), 12);
    QCOMPARE(AnswerFont.family(), QStringLiteral("Arial"));
    QCOMPARE(AnswerFont.pointSize(), 9);
    QVERIFY(AnswerFont.italic());

    QCOMPARE(Background(Model, 1), QColor(255, 255, 0));
    QCOMPARE(Background(Model, 0), QColor(192, 192, 192));
}

void TestEditorModel::appendAndRemoveAtTheEndAreRowNotifications()
{
    TQuestionlist List;
    TTableModel Model(List);
    QAbstractItemModelTester Tester(&Model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy Inserted(&Model, &QAbstractItemModel::rowsInserted);
    QSignalSpy Removed(&Model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy Reset(&Model, &QAbstractItemModel::modelReset);
    QSignalSpy Changed(&Model, &QAbstractItemModel::dataChanged);

    // The first entry takes the blank row that an empty table shows.
    List.Add("een", "one");
    Model.SyncRowCount();
    QCOMPARE(Model.rowCount(), 1);
    QCOMPARE(Inserted.count(), 0);
    QVERIFY(Changed.count() >= 1);
    QCOMPARE(Cell(Model, 0, 0), QStringLiteral("een"));

    List.Add("twee", "two");
    List.Add("drie", "three");
    Model.SyncRowCount();
    QCOMPARE(Model.rowCount(), 3);
    QCOMPARE(Inserted.count(), 1);
    QCOMPARE(Inserted.at(0).at(1).toInt(), 1);
    QCOMPARE(Inserted.at(0).at(2).toInt(), 2);

    List.RemoveEmpty();
    List.Clear();
    Model.SyncRowCount();
    QCOMPARE(Model.rowCount(), 1);
    QCOMPARE(Removed.count(), 1);
    QCOMPARE(Cell(Model, 0, 0), QString());
    QCOMPARE(Reset.count(), 0);
}

void TestEditorModel::deletingAnEntryRemovesItsRow()
{
    TQuestionlist List;
    TTableModel Model(List);
    QAbstractItemModelTester Tester(&Model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // The table is rebuilt by hand to stand for a deletion.
    List.Add("a", "1");
    List.Add("b", "2");
    List.Add("c", "3");
    Model.Reload();
    QSignalSpy Removed(&Model, &QAbstractItemModel::rowsRemoved);

    Model.RemoveRow(1, [&List] {
        List.Clear();
        List.Add("a", "1");
        List.Add("c", "3");
    });
    QCOMPARE(Removed.count(), 1);
    QCOMPARE(Removed.at(0).at(1).toInt(), 1);
    QCOMPARE(Model.rowCount(), 2);
    QCOMPARE(Cell(Model, 1, 0), QStringLiteral("c"));

    // Removing the last entry leaves the one blank row.
    Model.RemoveRow(1, [&List] {
        List.Clear();
        List.Add("a", "1");
    });
    Model.RemoveRow(0, [&List] { List.Clear(); });
    QCOMPARE(Model.rowCount(), 1);
    QCOMPARE(Cell(Model, 0, 0), QString());
}

void TestEditorModel::movingTheHighlightRepaintsTwoRows()
{
    TQuestionlist List;
    for (int i = 0; i < 100; ++i)
        List.Add("q" + std::to_string(i), "a" + std::to_string(i));
    TTableModel Model(List);
    Model.SetCurrentRow(10);
    QSignalSpy Changed(&Model, &QAbstractItemModel::dataChanged);

    Model.SetCurrentRow(11);
    QCOMPARE(Changed.count(), 2);
    for (const auto& Signal : Changed) {
        const auto First = Signal.at(0).value<QModelIndex>();
        const auto Last = Signal.at(1).value<QModelIndex>();
        QCOMPARE(First.row(), Last.row());
        QVERIFY(First.row() == 10 || First.row() == 11);
    }
    QCOMPARE(Background(Model, 11), QColor(255, 255, 0));
    QCOMPARE(Background(Model, 10), QColor(192, 192, 192));

    Changed.clear();
    Model.SetCurrentRow(11);
    QCOMPARE(Changed.count(), 0);
}

void TestEditorModel::fontChangeReachesBothColumns()
{
    TQuestionlist List;
    List.Add("a", "b");
    TTableModel Model(List);
    QSignalSpy Changed(&Model, &QAbstractItemModel::dataChanged);
    List.AnswerFont.Name = "Courier New";
    List.AnswerFont.Size = 14;
    Model.FontsChanged();
    QCOMPARE(Changed.count(), 1);
    const auto Font = Model.data(Model.index(0, 1), Qt::FontRole).value<QFont>();
    QCOMPARE(Font.family(), QStringLiteral("Courier New"));
    QCOMPARE(Font.pointSize(), 14);
}

QTEST_MAIN(TestEditorModel)
#include "tst_editormodel.moc"
