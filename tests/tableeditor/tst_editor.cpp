// SPDX-License-Identifier: GPL-3.0-or-later
// The table editor driven from the keyboard and the mouse in the real main
// window: typing a table, moving, deleting, leaving, and what the table holds
// afterwards.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QToolButton>

#include "tableeditor/tablemodel.h"
#include "tst_editorsupport.h"

using namespace EditorTesting;

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void typingANewTableFromNothing();
    void rightAlignedQuestionKeepsAGapToTheAnswer();
    void pageDownOnTheLastEntry();
    void pageUpAndCtrlPageKeys();
    void ctrlDeleteDownToAnEmptyTable();
    void textTypedIntoAnEmptiedTableIsKept();
    void ctrlDeleteOfTheLastRowKeepsTheRest();
    void leavingDropsIncompleteEntries();
    void movingWithoutTypingLeavesTheTableUnchanged();
    void gridClickStoresTheMemosFirst();
    void editorShowsTheStoredOrderWhenReversed();
    void memosTakeOnlyOneLineOfWindowsText();
    void cutCopyAndPasteWorkOnTheFocusedMemo();
    void editToggleAndMenuEnterAndLeave();
    void savingWhileEditingWritesWhatIsTyped();
    void typedTextAloneMakesTheTableSavable();
    void equalsSignIsRefusedAndThePromptSaysWhy();
    void counterOfAMillionEntriesFits();
};

void TestEditor::typingANewTableFromNothing()
{
    auto Form = MakeWindow();
    Form->mnuTabelbewerken->trigger();
    QCOMPARE(Form->State, msEdit);
    QCOMPARE(Counter(*Form), QStringLiteral("[1/1]"));
    QCOMPARE(Focused(), Form->memVraag);
    QCOMPARE(Form->lblPrompt2->text(),
             QStringLiteral("PgUp/PgDn=vorig/volgend  Tab=vraag/antw.  Enter=invullen  Ctl+Del=wis"));

    const QStringList Words{QStringLiteral("huis"), QStringLiteral("house"), QStringLiteral("de kat"),
                            QStringLiteral("the cat"), QStringLiteral("café"), QStringLiteral("€ 5")};
    for (const QString& Word : Words) {
        Type(Word);
        Press(Qt::Key_Return);
    }
    QCOMPARE(Counter(*Form), QStringLiteral("[4/4]"));
    QCOMPARE(Focused(), Form->memVraag);
    QVERIFY(!QuestionMemo(*Form).contains(u'\n'));
    QCOMPARE(QuestionMemo(*Form), QString());
    QVERIFY(Form->QuestionList.Changed);
    QCOMPARE(Form->pnlEdit->Model->rowCount(), 4);

    Press(Qt::Key_Escape);
    QCOMPARE(Form->State, msIdle);
    const TQuestionlist& List = Form->QuestionList;
    QCOMPARE(List.Count(), 3);
    QCOMPARE(List.StoredQuestion(1), std::string("de kat"));
    QCOMPARE(List.StoredAnswer(1), std::string("the cat"));
    QCOMPARE(List.StoredQuestion(2), std::string("caf\xe9"));
    QCOMPARE(List.StoredAnswer(2), std::string("\x80 5"));
    QVERIFY(Form->pnlEdit->isHidden());
    QVERIFY(Form->memVraag->isReadOnly());
}

void TestEditor::pageDownOnTheLastEntry()
{
    auto Form = MakeWindow({{"een", "one"}, {"twee", "two"}});
    Form->mnuTabelbewerken->trigger();
    QCOMPARE(Counter(*Form), QStringLiteral("[1/2]"));
    Press(Qt::Key_PageDown);
    QCOMPARE(Counter(*Form), QStringLiteral("[2/2]"));
    QCOMPARE(AnswerMemo(*Form), QStringLiteral("two"));

    // The last entry is complete: a blank one is appended.
    Press(Qt::Key_PageDown);
    QCOMPARE(Counter(*Form), QStringLiteral("[3/3]"));
    QCOMPARE(QuestionMemo(*Form), QString());
    QVERIFY(!Form->QuestionList.Changed);

    // A blank or half-filled last entry is stored and stays current.
    Press(Qt::Key_PageDown);
    QCOMPARE(Counter(*Form), QStringLiteral("[3/3]"));
    Type(QStringLiteral("drie"));
    Press(Qt::Key_PageDown);
    QCOMPARE(Counter(*Form), QStringLiteral("[3/3]"));
    QCOMPARE(Form->QuestionList.StoredQuestion(2), std::string("drie"));
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("drie"));
    QVERIFY(Form->QuestionList.Changed);

    // The page buttons do the same.
    Form->btnPgUp->click();
    QCOMPARE(Counter(*Form), QStringLiteral("[2/3]"));
    Form->btnPgDn->click();
    QCOMPARE(Counter(*Form), QStringLiteral("[3/3]"));
}

void TestEditor::pageUpAndCtrlPageKeys()
{
    auto Form = MakeWindow({{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
    Form->mnuTabelbewerken->trigger();
    Press(Qt::Key_PageUp);
    QCOMPARE(Counter(*Form), QStringLiteral("[1/4]"));
    Press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[4/4]"));
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("d"));
    Press(Qt::Key_PageUp);
    QCOMPARE(Counter(*Form), QStringLiteral("[3/4]"));

    // What was typed goes with the move to the first entry.
    Press(Qt::Key_End);
    Type(QStringLiteral("x"));
    Press(Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[1/4]"));
    QCOMPARE(Form->QuestionList.StoredQuestion(2), std::string("cx"));
    QCOMPARE(Form->pnlEdit->Model->CurrentRow(), 0);
}

void TestEditor::ctrlDeleteDownToAnEmptyTable()
{
    auto Form = MakeWindow({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    Form->mnuTabelbewerken->trigger();
    Press(Qt::Key_PageDown);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[2/2]"));
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("c"));
    QVERIFY(Form->QuestionList.Changed);
    QCOMPARE(Form->pnlEdit->Model->rowCount(), 2);

    // Deleting the last row leaves the position past the end, with empty
    // memos; the next move repairs it (here by appending a blank entry).
    Press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[2/1]"));
    QCOMPARE(QuestionMemo(*Form), QString());
    Press(Qt::Key_PageUp);
    QCOMPARE(Counter(*Form), QStringLiteral("[1/2]"));
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("a"));
    Press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[1/1]"));
    Press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[0/0]"));
    QCOMPARE(Form->QuestionList.Count(), 0);
    QCOMPARE(Form->pnlEdit->Model->rowCount(), 1);
    QCOMPARE(Form->StatusPanels[0]->text(), QStringLiteral("totaal: 0"));

    // Nothing left to delete; moving on starts a blank entry.
    Press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[0/0]"));
    Press(Qt::Key_Return);
    Press(Qt::Key_Return);
    QCOMPARE(Counter(*Form), QStringLiteral("[1/1]"));
    QCOMPARE(Form->QuestionList.StoredQuestion(0), std::string());
    QCOMPARE(QuestionMemo(*Form), QString());

    Press(Qt::Key_Escape);
    QCOMPARE(Form->State, msNoTable);
    QCOMPARE(Form->QuestionList.Count(), 0);
}

void TestEditor::textTypedIntoAnEmptiedTableIsKept()
{
    auto Form = MakeWindow({{"weg", "gone"}});
    Form->mnuTabelbewerken->trigger();
    Press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[0/0]"));
    // The deleted texts stay on screen but come back only when changed.
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("weg"));
    Form->memVraag->selectAll();
    Type(QStringLiteral("nieuw"));
    Press(Qt::Key_Return);
    Form->memAntwoord->selectAll();
    Type(QStringLiteral("new"));
    Press(Qt::Key_Return);
    QCOMPARE(Counter(*Form), QStringLiteral("[2/2]"));
    QCOMPARE(Form->QuestionList.StoredQuestion(0), std::string("nieuw"));
    QCOMPARE(Form->QuestionList.StoredAnswer(0), std::string("new"));
}

void TestEditor::ctrlDeleteOfTheLastRowKeepsTheRest()
{
    // The entry before the deleted last one is incomplete; moving on from
    // the empty position past the end must not wipe it.
    auto Form = MakeWindow({{"a", "1"}, {"b", ""}, {"c", "3"}});
    Form->mnuTabelbewerken->trigger();
    Press(Qt::Key_PageDown, Qt::ControlModifier);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[3/2]"));
    Press(Qt::Key_PageDown);
    QCOMPARE(Counter(*Form), QStringLiteral("[2/2]"));
    QCOMPARE(Form->QuestionList.StoredQuestion(1), std::string("b"));
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("b"));

    // After deleting a complete last entry, what is typed becomes a new one.
    Form.reset();
    auto Other = MakeWindow({{"a", "1"}, {"b", "2"}});
    Other->mnuTabelbewerken->trigger();
    Press(Qt::Key_PageDown);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    Type(QStringLiteral("nieuw"));
    Press(Qt::Key_Tab);
    Type(QStringLiteral("new"));
    Press(Qt::Key_Return);
    QCOMPARE(Other->QuestionList.Count(), 3);
    QCOMPARE(Other->QuestionList.StoredQuestion(1), std::string("nieuw"));
    QCOMPARE(Other->QuestionList.StoredAnswer(1), std::string("new"));
}

void TestEditor::leavingDropsIncompleteEntries()
{
    auto Form = MakeWindow({{"a", "1"}, {"b", "2"}});
    Form->mnuTabelbewerken->trigger();
    Press(Qt::Key_PageDown);
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), Form->memAntwoord);
    Form->memAntwoord->selectAll();
    Press(Qt::Key_Delete);
    QCOMPARE(AnswerMemo(*Form), QString());
    Press(Qt::Key_Escape);
    QCOMPARE(Form->State, msIdle);
    QCOMPARE(Form->QuestionList.Count(), 1);
    QCOMPARE(Form->QuestionList.StoredQuestion(0), std::string("a"));

    // Only incomplete entries: no table is left.
    auto Empty = MakeWindow();
    Empty->mnuTabelbewerken->trigger();
    Type(QStringLiteral("vraag zonder antwoord"));
    Press(Qt::Key_Escape);
    QCOMPARE(Empty->State, msNoTable);
    QCOMPARE(Empty->QuestionList.Count(), 0);
}

void TestEditor::movingWithoutTypingLeavesTheTableUnchanged()
{
    auto Form = MakeWindow({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    Form->mnuTabelbewerken->trigger();
    Press(Qt::Key_PageDown);
    Press(Qt::Key_PageDown);
    Press(Qt::Key_PageUp, Qt::ControlModifier);
    // Spaces around the text do not count as a change either.
    Type(QStringLiteral(" "));
    Press(Qt::Key_PageDown);
    Press(Qt::Key_Escape);
    QVERIFY(!Form->QuestionList.Changed);
    QCOMPARE(Form->QuestionList.Count(), 3);
}

void TestEditor::gridClickStoresTheMemosFirst()
{
    TEntries Entries;
    for (int i = 0; i < 30; ++i)
        Entries.push_back({"vraag " + std::to_string(i), "antwoord " + std::to_string(i)});
    auto Form = MakeWindow(Entries);
    Form->mnuTabelbewerken->trigger();
    Form->memVraag->selectAll();
    Type(QStringLiteral("nieuwe vraag"));
    QTableView* Grid = Form->pnlEdit->grdTabel;
    const int FirstVisible = Grid->rowAt(0);

    ClickRow(*Form, 3);
    QCOMPARE(Form->QuestionList.StoredQuestion(0), std::string("nieuwe vraag"));
    QCOMPARE(Counter(*Form), QStringLiteral("[4/30]"));
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("vraag 3"));
    QCOMPARE(Form->pnlEdit->Model->CurrentRow(), 3);
    QCOMPARE(Grid->model()->data(Grid->model()->index(0, 0)).toString(), QStringLiteral("nieuwe vraag"));
    // The grid has the focus, so it does not scroll.
    QCOMPARE(Grid->rowAt(0), FirstVisible);

    // A click on the current row stores as well.
    Form->memAntwoord->setFocus();
    Press(Qt::Key_End);
    Type(QStringLiteral("b"));
    ClickRow(*Form, 3);
    QCOMPARE(Form->QuestionList.StoredAnswer(3), std::string("antwoord 3b"));

    // Moving with the keys brings the current row into view, six rows down.
    Press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(Focused(), Form->memVraag);
    for (int i = 0; i < 10; ++i)
        Press(Qt::Key_PageUp);
    QCOMPARE(Counter(*Form), QStringLiteral("[20/30]"));
    QCOMPARE(Grid->rowAt(0), 13);
}

void TestEditor::editorShowsTheStoredOrderWhenReversed()
{
    auto Form = MakeWindow({{"huis", "house"}});
    Form->mnuOmgekeerd->setChecked(true);
    Form->QuestionList.Reverse = true;
    Form->QuestionList.AnswerFont.Name = "Courier New";
    Form->mnuTabelbewerken->trigger();
    QVERIFY(!Form->QuestionList.Reverse);
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("huis"));
    QCOMPARE(AnswerMemo(*Form), QStringLiteral("house"));
    QCOMPARE(Form->memAntwoord->font().family(), QStringLiteral("Courier New"));
    const QAbstractItemModel* Grid = Form->pnlEdit->grdTabel->model();
    QCOMPARE(Grid->data(Grid->index(0, 0)).toString(), QStringLiteral("huis"));

    Form->memAntwoord->setFocus();
    Form->memAntwoord->selectAll();
    Type(QStringLiteral("home"));
    Press(Qt::Key_Escape);
    QVERIFY(Form->QuestionList.Reverse);
    QCOMPARE(Form->QuestionList.StoredAnswer(0), std::string("home"));
    QCOMPARE(Form->QuestionList.Question(0), std::string("home"));
}

void TestEditor::memosTakeOnlyOneLineOfWindowsText()
{
    auto Form = MakeWindow({{"a", "1"}});
    Form->mnuTabelbewerken->trigger();
    Form->memVraag->selectAll();
    Type(QStringLiteral("Łódź"));
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("ód"));
    Press(Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(Focused(), Form->memAntwoord);
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("ód"));

    QGuiApplication::clipboard()->setText(QStringLiteral("één\r\ntwee\tdrie 😀 ψ"));
    Form->memAntwoord->selectAll();
    Press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(AnswerMemo(*Form), QStringLiteral("één twee drie  "));
    QCOMPARE(Form->memAntwoord->document()->blockCount(), 1);

    // A long paste is cut to the memo's length.
    QGuiApplication::clipboard()->setText(QString(400, u'x'));
    Form->memAntwoord->selectAll();
    Form->mnuPlakken->trigger();
    QCOMPARE(AnswerMemo(*Form).size(), 152);

    Press(Qt::Key_Return);
    QCOMPARE(Form->QuestionList.StoredQuestion(0), std::string("\xf3" "d"));
    QCOMPARE(Form->QuestionList.StoredAnswer(0), std::string(152, 'x'));
}

void TestEditor::cutCopyAndPasteWorkOnTheFocusedMemo()
{
    auto Form = MakeWindow({{"de grote kat", "the big cat"}});
    Form->mnuTabelbewerken->trigger();
    QClipboard* Clipboard = QGuiApplication::clipboard();

    QTextCursor Cursor = Form->memVraag->textCursor();
    Cursor.setPosition(3);
    Cursor.setPosition(8, QTextCursor::KeepAnchor);
    Form->memVraag->setTextCursor(Cursor);
    Form->mnuKopieren->trigger();
    QCOMPARE(Clipboard->text(), QStringLiteral("grote"));
    Form->mnuKnippen->trigger();
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("de  kat"));

    // F2 copies the whole question, whatever is selected.
    Cursor.setPosition(0);
    Cursor.setPosition(2, QTextCursor::KeepAnchor);
    Form->memVraag->setTextCursor(Cursor);
    Press(Qt::Key_F2);
    QCOMPARE(Clipboard->text(), QStringLiteral("de  kat"));
    Press(Qt::Key_F3);
    QCOMPARE(Clipboard->text(), QStringLiteral("the big cat"));

    // Paste with the focus in the grid does nothing.
    ClickRow(*Form, 0);
    QCOMPARE(Focused(), Form->pnlEdit->grdTabel);
    Clipboard->setText(QStringLiteral("plak"));
    Form->mnuPlakken->trigger();
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("de  kat"));
}

void TestEditor::editToggleAndMenuEnterAndLeave()
{
    auto Form = MakeWindow({{"a", "1"}});
    Form->btnBewerken->click();
    QCOMPARE(Form->State, msEdit);
    QVERIFY(Form->mnuTabelbewerken->isChecked());
    QVERIFY(Form->btnBewerken->isChecked());
    QVERIFY(Form->mnuZoeken->isEnabled());
    QVERIFY(Form->btnPgDn->isVisible());
    QVERIFY(Form->pnlEdit->isVisible());
    Form->btnBewerken->click();
    QCOMPARE(Form->State, msIdle);
    QVERIFY(!Form->btnBewerken->isChecked());
    QVERIFY(!Form->mnuZoeken->isEnabled());
    QCOMPARE(Counter(*Form), QString());

    Press(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(Form->State, msEdit);
    Press(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(Form->State, msIdle);

    // Starting a quiz from the editor stores the entry being edited first.
    Form->mnuTabelbewerken->trigger();
    Form->memVraag->selectAll();
    Type(QStringLiteral("b"));
    Form->mnuTraining->trigger();
    QCOMPARE(Form->QuestionList.StoredQuestion(0), std::string("b"));
    QVERIFY(Form->State != msEdit);
}

void TestEditor::savingWhileEditingWritesWhatIsTyped()
{
    QTemporaryDir Folder;
    auto Form = MakeWindow({{"huis", "house"}});
    Form->QuestionList.ListName = Folder.filePath(QStringLiteral("tabel.MT4")).toStdString();
    Form->QuestionList.Changed = true; // "Opslaan" is enabled
    Form->mnuTabelbewerken->trigger();
    Press(Qt::Key_PageDown);
    Type(QStringLiteral("boom"));
    Press(Qt::Key_Tab);
    Type(QStringLiteral("tree"));
    Press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(Form->State, msEdit);
    QVERIFY(!Form->QuestionList.Changed);
    QFile File(QString::fromStdString(Form->QuestionList.ListName));
    QVERIFY(File.open(QIODevice::ReadOnly));
    const QByteArray Saved = File.readAll();
    QVERIFY(Saved.contains("huis = house\r\n"));
    QVERIFY(Saved.contains("boom = tree\r\n"));
}

void TestEditor::typedTextAloneMakesTheTableSavable()
{
    QTemporaryDir Folder;
    auto Form = MakeWindow({{"huis", "house"}});
    const QString FileName = Folder.filePath(QStringLiteral("tabel.MT4"));
    Form->QuestionList.ListName = FileName.toStdString();
    Form->mnuTabelbewerken->trigger();
    QVERIFY(!Form->mnuOpslaan->isEnabled());
    Press(Qt::Key_Tab);
    Form->memAntwoord->selectAll();
    Type(QStringLiteral("home"));
    QVERIFY(!Form->QuestionList.Changed);
    QVERIFY(Form->mnuOpslaan->isEnabled());
    QVERIFY(Form->btnOpslaan->isEnabled());

    Press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!Form->QuestionList.Changed);
    QVERIFY(!Form->mnuOpslaan->isEnabled());
    QFile File(FileName);
    QVERIFY(File.open(QIODevice::ReadOnly));
    QVERIFY(File.readAll().endsWith("huis = home\r\n"));
    QCOMPARE(AnswerMemo(*Form), QStringLiteral("home"));

    // Moving without typing leaves nothing to save.
    Press(Qt::Key_PageUp);
    QVERIFY(!Form->mnuOpslaan->isEnabled());
}

void TestEditor::equalsSignIsRefusedAndThePromptSaysWhy()
{
    const QString Keys = QStringLiteral("PgUp/PgDn=vorig/volgend  Tab=vraag/antw.  Enter=invullen  Ctl+Del=wis");
    auto Form = MakeWindow({{"a", "1"}});
    Form->mnuTabelbewerken->trigger();
    Form->memVraag->selectAll();
    Type(QStringLiteral("x=y"));
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("xy"));
    QCOMPARE(Form->lblPrompt2->text(),
             QStringLiteral("Een = kan niet in de tekst: het scheidt vraag en antwoord in het bestand"));

    // Pasted, too; and a character the code page cannot hold gets its own reason.
    Press(Qt::Key_Tab);
    QGuiApplication::clipboard()->setText(QStringLiteral("b = c"));
    Form->memAntwoord->selectAll();
    Press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(AnswerMemo(*Form), QStringLiteral("b  c"));
    Type(QStringLiteral("ψ"));
    QCOMPARE(AnswerMemo(*Form), QStringLiteral("b  c"));
    QCOMPARE(Form->lblPrompt2->text(), QStringLiteral("Dit teken kan niet in de tabel worden opgeslagen"));

    // Moving on brings the keys back; what was taken is stored.
    Press(Qt::Key_Return);
    QCOMPARE(Form->lblPrompt2->text(), Keys);
    QCOMPARE(Form->QuestionList.StoredQuestion(0), std::string("xy"));
    QCOMPARE(Form->QuestionList.StoredAnswer(0), std::string("b  c"));
}

void TestEditor::counterOfAMillionEntriesFits()
{
    auto Form = MakeWindow({{"een", "one"}});
    for (int i = 2; i <= 1'000'000; ++i)
        Form->QuestionList.Add("vraag", "antwoord");
    Form->mnuTabelbewerken->trigger();
    Press(Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[1000000/1000000]"));
    const QLabel* Label = Form->lblItemNr;
    QVERIFY(Label->fontMetrics().horizontalAdvance(Label->text()) <= Label->contentsRect().width());
}

QTEST_MAIN(TestEditor)
// The columns of ink in Rect of Image: the first and the last that differ
// from the colour at Rect's top left corner; -1, -1 when there is none.
std::pair<int, int> InkColumns(const QImage& Image, const QRect& Rect)
{
    const QRgb Background = Image.pixel(Rect.topLeft());
    int First = -1;
    int Last = -1;
    for (int X = Rect.left(); X <= Rect.right(); ++X)
        for (int Y = Rect.top(); Y <= Rect.bottom(); ++Y)
            if (Image.pixel(X, Y) != Background) {
                if (First < 0)
                    First = X;
                Last = X;
                break;
            }
    return {First, Last};
}

void TestEditor::rightAlignedQuestionKeepsAGapToTheAnswer()
{
    // בית = huis, שלום = vrede: Hebrew questions stand against the right
    // edge of their column, the Dutch answers against the left edge of theirs.
    auto Form = MakeWindow({{"\xE1\xE9\xFA", "huis"}, {"\xF9\xEC\xE5\xED", "vrede"}});
    Form->QuestionList.QuestionFont.Charset = 177;
    Form->mnuTabelbewerken->trigger();
    QTableView* Grid = Form->pnlEdit->grdTabel;
    const QImage Shot = Grid->viewport()->grab().toImage();
    const qreal Scale = Shot.devicePixelRatio();
    const auto InImage = [Scale](const QRect& Rect) {
        return QRect((QPointF(Rect.topLeft()) * Scale).toPoint(), (QSizeF(Rect.size()) * Scale).toSize());
    };
    const QRect Question = InImage(Grid->visualRect(Grid->model()->index(1, 0)));
    const QRect Answer = InImage(Grid->visualRect(Grid->model()->index(1, 1)));
    const auto [QuestionStart, QuestionEnd] = InkColumns(Shot, Question.adjusted(0, 1, 0, -1));
    const auto [AnswerStart, AnswerEnd] = InkColumns(Shot, Answer.adjusted(0, 1, 0, -1));
    QVERIFY(QuestionStart > Question.left() + Question.width() / 2); // right-aligned
    QVERIFY(AnswerStart >= 0 && AnswerEnd < Answer.left() + Answer.width() / 2);
    QVERIFY2((AnswerStart - QuestionEnd) / Scale >= 12,
             qPrintable(QStringLiteral("%1 pixels").arg((AnswerStart - QuestionEnd) / Scale)));
}

#include "tst_editor.moc"
