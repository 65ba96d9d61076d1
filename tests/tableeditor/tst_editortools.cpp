// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's tools in the real main window: search with its input dialog,
// the two code-page conversions, and the column fonts chosen in Qt's font
// dialog, down to the font line of the saved file.
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <QToolButton>

#include "tableeditor/tablemodel.h"
#include "tst_editorsupport.h"

using namespace EditorTesting;

class TestEditorTools : public QObject {
    Q_OBJECT
private slots:
    void searchFindsTheNextEntryAndWrapsAround();
    void searchIgnoresTheCaseOfAsciiLettersOnly();
    void searchIgnoresTheCaseOfCyrillicAndGreekInTheirColumns();
    void searchMissLeavesTheEditorAlone();
    void searchDialogsLeaveQuestionAndAnswerInView();
    void searchSkipsTheCurrentEntry();
    void searchFromPastTheEndBeginsAtTheFirstEntry();
    void searchCancelAndBlankDoNothing();
    void conversionOfAnAsciiTableChangesNothing();
    void conversionToWindowsAndBack();
    void chosenFontReachesGridMemoAndFile();
    void fontDialogWritingSystemAndSmallSizes();
    void cancelledFontDialogChangesNothing();
    void fontDialogOffersTheScriptsATableCanHold();
    void anotherScriptAsksWhatBecomesOfTheTexts_data();
    void anotherScriptAsksWhatBecomesOfTheTexts();
};

namespace {

TEntries Fruit()
{
    return {{"appel", "apple"}, {"peer", "pear"}, {"de Kers", "the cherry"},
            {"pruim", "plum"},  {"druif", "grape"}, {"caf\xe9", "coffee house"}};
}

// Answers the search dialog with Text (typed over the offered text); records
// what the dialog offered and whether a "Niet gevonden" box followed.
struct TSearch {
    QString Offered;
    bool NotFound = false;
};

TSearch Search(TfrmMain& Form, const QString& Text, bool Cancel = false)
{
    TSearch Result;
    TDialogAnswer Box("QMessageBox", [&Result](QWidget* Dialog) {
        auto* Message = static_cast<QMessageBox*>(Dialog);
        Result.NotFound = Message->text() == QStringLiteral("Niet gevonden");
        QTest::keyClick(Message, Qt::Key_Return);
    });
    TDialogAnswer Input("QInputDialog", [&](QWidget* Dialog) {
        auto* Edit = Dialog->findChild<QLineEdit*>();
        QCOMPARE(Dialog->windowTitle(), QStringLiteral("Zoeken"));
        QCOMPARE(static_cast<QInputDialog*>(Dialog)->labelText(), QStringLiteral("Zoektekst:"));
        QCOMPARE(Edit->maxLength(), 255);
        Result.Offered = Edit->text();
        QCOMPARE(Edit->selectedText(), Edit->text()); // typing replaces it
        TypeInto(Edit, Text);
        QTest::keyClick(Edit, Cancel ? Qt::Key_Escape : Qt::Key_Return);
    });
    Press(Qt::Key_F, Qt::ControlModifier);
    if (!Input.Answered())
        qWarning("the search dialog did not open");
    // The window system gives the focus back to the main window.
    Form.activateWindow();
    if (!QTest::qWaitForWindowActive(&Form))
        qWarning("the main window did not come back");
    return Result;
}

QFontDialog* FontDialog(QWidget* Dialog) { return qobject_cast<QFontDialog*>(Dialog); }

void ClickOk(QWidget* Dialog)
{
    auto* Buttons = Dialog->findChild<QDialogButtonBox*>();
    QTest::mouseClick(Buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// The sizes a font dialog's size list shows.
QList<int> OfferedSizes(QWidget* Dialog)
{
    QList<int> Sizes;
    for (const QListView* View : Dialog->findChildren<QListView*>()) {
        for (int Row = 0; Row < View->model()->rowCount(); ++Row) {
            bool IsSize = false;
            const int Size = View->model()->index(Row, 0).data().toString().toInt(&IsSize);
            if (IsSize && !View->isRowHidden(Row))
                Sizes.append(Size);
        }
    }
    return Sizes;
}

QString FirstLineOfSavedTable(TfrmMain& Form)
{
    QTemporaryDir Folder;
    const QString Name = Folder.filePath(QStringLiteral("tabel.MT4"));
    Form.QuestionList.SaveToFile(Name.toStdString());
    QFile File(Name);
    if (!File.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(File.readLine()).trimmed();
}

} // namespace

void TestEditorTools::searchFindsTheNextEntryAndWrapsAround()
{
    auto Form = MakeWindow(Fruit());
    Form->mnuTabelbewerken->trigger();
    // Typed but not stored: kept when the search moves on.
    Form->memAntwoord->selectAll();
    Form->memAntwoord->insertPlainText(QStringLiteral("an apple"));

    TSearch First = Search(*Form, QStringLiteral("pe"));
    QVERIFY(!First.NotFound);
    QCOMPARE(Counter(*Form), QStringLiteral("[2/6]"));
    QCOMPARE(Form->QuestionList.StoredAnswer(0), std::string("an apple"));

    // The answer is searched as well; the last row wraps to the first.
    Search(*Form, QStringLiteral("grape"));
    QCOMPARE(Counter(*Form), QStringLiteral("[5/6]"));
    Press(Qt::Key_PageDown);
    TSearch Wrapped = Search(*Form, QStringLiteral("apple"));
    QCOMPARE(Wrapped.Offered, QStringLiteral("grape"));
    QCOMPARE(Counter(*Form), QStringLiteral("[1/6]"));
    QCOMPARE(Form->pnlEdit->Model->CurrentRow(), 0);
    QCOMPARE(Form->SearchText, std::string("apple"));
}

void TestEditorTools::searchIgnoresTheCaseOfAsciiLettersOnly()
{
    auto Form = MakeWindow(Fruit());
    Form->mnuTabelbewerken->trigger();
    for (const QString& Text : {QStringLiteral("KERS"), QStringLiteral("kers"), QStringLiteral("  kErS ")}) {
        Press(Qt::Key_PageUp, Qt::ControlModifier);
        QVERIFY(!Search(*Form, Text).NotFound);
        QCOMPARE(Counter(*Form), QStringLiteral("[3/6]"));
    }
    QCOMPARE(Form->SearchText, std::string("kErS"));

    Press(Qt::Key_PageUp, Qt::ControlModifier);
    QVERIFY(Search(*Form, QStringLiteral("CAFÉ")).NotFound);
    QVERIFY(!Search(*Form, QStringLiteral("CAFé")).NotFound);
    QCOMPARE(Counter(*Form), QStringLiteral("[6/6]"));
}

void TestEditorTools::searchIgnoresTheCaseOfCyrillicAndGreekInTheirColumns()
{
    // стол = τραπέζι, книга = βιβλίο
    auto Form = MakeWindow({{"\xF1\xF2\xEE\xEB", "\xF4\xF1\xE1\xF0\xDD\xE6\xE9"},
                            {"\xEA\xED\xE8\xE3\xE0", "\xE2\xE9\xE2\xEB\xDF\xEF"}});
    Form->QuestionList.QuestionFont.Charset = 204;
    Form->QuestionList.AnswerFont.Charset = 161;
    Form->mnuTabelbewerken->trigger();
    QVERIFY(!Search(*Form, QStringLiteral("КНИГА")).NotFound);
    QCOMPARE(Counter(*Form), QStringLiteral("[2/2]"));
    QVERIFY(!Search(*Form, QStringLiteral("СТоЛ")).NotFound);
    QCOMPARE(Counter(*Form), QStringLiteral("[1/2]"));
    // Greek capitals with and without the tonos are different letters.
    QVERIFY(!Search(*Form, QStringLiteral("ΒΙΒΛΊΟ")).NotFound);
    QCOMPARE(Counter(*Form), QStringLiteral("[2/2]"));
    QVERIFY(Search(*Form, QStringLiteral("ΤΡΑΠΕΖΙ")).NotFound);
    QVERIFY(!Search(*Form, QStringLiteral("ΤΡΑΠΈΖΙ")).NotFound);
    QCOMPARE(Counter(*Form), QStringLiteral("[1/2]"));
}

void TestEditorTools::searchMissLeavesTheEditorAlone()
{
    auto Form = MakeWindow(Fruit());
    Form->mnuTabelbewerken->trigger();
    Press(Qt::Key_PageDown);
    Press(Qt::Key_End);
    Type(QStringLiteral("tje"));
    TSearch Miss = Search(*Form, QStringLiteral("banaan"));
    QVERIFY(Miss.NotFound);
    QCOMPARE(Counter(*Form), QStringLiteral("[2/6]"));
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("peertje"));
    QCOMPARE(Form->QuestionList.StoredQuestion(1), std::string("peer"));
    QVERIFY(!Form->QuestionList.Changed);
    // The text is offered again next time.
    QCOMPARE(Search(*Form, QString(), true).Offered, QStringLiteral("banaan"));
}

void TestEditorTools::searchDialogsLeaveQuestionAndAnswerInView()
{
    auto Form = MakeWindow(Fruit());
    Form->mnuTabelbewerken->trigger();
    const auto OnScreen = [](const QWidget* Widget) { return QRect(Widget->mapToGlobal(QPoint(0, 0)), Widget->size()); };
    // What the user sees of the two fields while a dialog is open.
    QStringList Seen;
    const auto Look = [&](QWidget* Dialog) {
        const QRect Covered = Dialog->frameGeometry();
        for (const TMemo* Memo : {Form->memVraag, Form->memAntwoord}) {
            const bool Free = !Covered.intersects(OnScreen(Memo)) && Memo->isVisible();
            Seen << (Free ? Memo->toPlainText() : QStringLiteral("(bedekt)"));
        }
    };
    TDialogAnswer Box("QMessageBox", [&](QWidget* Dialog) {
        Look(Dialog);
        QTest::keyClick(Dialog, Qt::Key_Return);
    });
    TDialogAnswer Input("QInputDialog", [&](QWidget* Dialog) {
        Look(Dialog);
        TypeInto(Dialog->findChild<QLineEdit*>(), QStringLiteral("banaan"));
        QTest::keyClick(Dialog->findChild<QLineEdit*>(), Qt::Key_Return);
    });
    Press(Qt::Key_F, Qt::ControlModifier);
    QVERIFY(Input.Answered());
    QTRY_VERIFY(Box.Answered());
    QCOMPARE(Seen, QStringList({"appel", "apple", "appel", "apple"}));
}

void TestEditorTools::searchSkipsTheCurrentEntry()
{
    auto Form = MakeWindow({{"uniek", "unique"}});
    Form->mnuTabelbewerken->trigger();
    QVERIFY(Search(*Form, QStringLiteral("uniek")).NotFound);
    Form.reset();

    auto Two = MakeWindow({{"a", "kat"}, {"b", "hond"}});
    Two->mnuTabelbewerken->trigger();
    QVERIFY(Search(*Two, QStringLiteral("kat")).NotFound);
    QVERIFY(!Search(*Two, QStringLiteral("o")).NotFound);
    QCOMPARE(Counter(*Two), QStringLiteral("[2/2]"));

    // An emptied table has nothing to search.
    Press(Qt::Key_PageUp);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Counter(*Two), QStringLiteral("[0/0]"));
    QVERIFY(Search(*Two, QStringLiteral("a")).NotFound);
}

void TestEditorTools::searchFromPastTheEndBeginsAtTheFirstEntry()
{
    auto Form = MakeWindow(Fruit());
    Form->mnuTabelbewerken->trigger();
    // Ctrl+Del on the last entry leaves the position past the end.
    Press(Qt::Key_PageDown, Qt::ControlModifier);
    Press(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Counter(*Form), QStringLiteral("[6/5]"));
    QVERIFY(!Search(*Form, QStringLiteral("p")).NotFound);
    // The empty memos went into a new blank entry before the move.
    QCOMPARE(Counter(*Form), QStringLiteral("[1/6]"));
}

void TestEditorTools::searchCancelAndBlankDoNothing()
{
    auto Form = MakeWindow(Fruit());
    Form->mnuTabelbewerken->trigger();
    Search(*Form, QStringLiteral("pruim"));
    QCOMPARE(Counter(*Form), QStringLiteral("[4/6]"));
    Press(Qt::Key_PageUp, Qt::ControlModifier);

    TSearch Cancelled = Search(*Form, QStringLiteral("druif"), true);
    QVERIFY(!Cancelled.NotFound);
    QCOMPARE(Counter(*Form), QStringLiteral("[1/6]"));
    QCOMPARE(Form->SearchText, std::string("pruim"));

    TSearch Blank = Search(*Form, QStringLiteral("   "));
    QVERIFY(!Blank.NotFound);
    QCOMPARE(Counter(*Form), QStringLiteral("[1/6]"));
    QCOMPARE(Form->SearchText, std::string());

    // Outside the editor the command is off.
    Press(Qt::Key_Escape);
    QVERIFY(!Form->mnuZoeken->isEnabled());
}

void TestEditorTools::conversionOfAnAsciiTableChangesNothing()
{
    auto Form = MakeWindow({{"huis", "house"}, {"boom", "tree"}});
    Form->mnuTabelbewerken->trigger();
    QVERIFY(Form->mnuAccentToWin->isEnabled());
    QVERIFY(Form->mnuAccentToDos->isEnabled());
    Form->mnuAccentToWin->trigger();
    QVERIFY(!Form->QuestionList.Changed);
    QVERIFY(Form->AccentsConverted);
    QVERIFY(!Form->mnuAccentToWin->isEnabled());
    QVERIFY(!Form->mnuAccentToDos->isEnabled());
    QCOMPARE(Form->QuestionList.StoredQuestion(1), std::string("boom"));
}

void TestEditorTools::conversionToWindowsAndBack()
{
    // Typed under DOS: 0x82 is é and 0x87 is ç in the DOS code page.
    auto Form = MakeWindow({{"caf\x82", "gar\x87on"}, {"zee", "sea"}});
    Form->mnuTabelbewerken->trigger();
    Form->memVraag->selectAll();
    Type(QStringLiteral("niet opgeslagen"));
    Form->mnuAccentToWin->trigger();
    QCOMPARE(Form->QuestionList.StoredAnswer(0), std::string("gar\xe7on"));
    QCOMPARE(Form->QuestionList.StoredQuestion(1), std::string("zee"));
    QVERIFY(Form->QuestionList.Changed);
    // What was typed is stored first and converted with the rest.
    QCOMPARE(Form->QuestionList.StoredQuestion(0), std::string("niet opgeslagen"));
    QCOMPARE(QuestionMemo(*Form), QStringLiteral("niet opgeslagen"));
    const QAbstractItemModel* Grid = Form->pnlEdit->grdTabel->model();
    QCOMPARE(Grid->data(Grid->index(0, 1)).toString(), QStringLiteral("garçon"));

    // The commands stay off until a table is loaded again.
    Form->AccentsConverted = false;
    Form->UpdateCommandStates();
    Press(Qt::Key_Tab);
    Form->memAntwoord->selectAll();
    Type(QStringLiteral("crème"));
    Form->mnuAccentToDos->trigger();
    QCOMPARE(Form->QuestionList.StoredAnswer(0), std::string("cr\x8ame"));
    QCOMPARE(Form->QuestionList.StoredQuestion(1), std::string("zee"));
}

void TestEditorTools::chosenFontReachesGridMemoAndFile()
{
    auto Form = MakeWindow({{"huis", "house"}});
    Form->mnuTabelbewerken->trigger();
    QVERIFY(Form->btnVraagFont->isVisible());
    TDialogAnswer Choose("QFontDialog", [](QWidget* Dialog) {
        FontDialog(Dialog)->setCurrentFont(QFont(QStringLiteral("Liberation Serif"), 14));
        ClickOk(Dialog);
    });
    Form->btnVraagFont->click();
    QVERIFY(Choose.Answered());

    QCOMPARE(Form->QuestionList.QuestionFont.Name, std::string("Liberation Serif"));
    QCOMPARE(Form->QuestionList.QuestionFont.Size, 14);
    QCOMPARE(Form->QuestionList.QuestionFont.Charset, 1);
    QVERIFY(Form->QuestionList.Changed);
    QVERIFY(Form->mnuOpslaan->isEnabled());
    QCOMPARE(Form->memVraag->font().family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(Form->lblVraagTekst->font().pointSize(), 14);
    const auto GridFont = Form->pnlEdit->Model->data(Form->pnlEdit->Model->index(0, 0), Qt::FontRole).value<QFont>();
    QCOMPARE(GridFont.family(), QStringLiteral("Liberation Serif"));
    QCOMPARE(GridFont.pointSize(), 14);
    // A larger font gets taller rows.
    QVERIFY(Form->pnlEdit->grdTabel->rowHeight(0) >= QFontMetrics(GridFont).height());

    QCOMPARE(FirstLineOfSavedTable(*Form), QStringLiteral("[FONT:Liberation Serif,14,1] = [FONT:Arial,9,1]"));
}

void TestEditorTools::fontDialogWritingSystemAndSmallSizes()
{
    auto Form = MakeWindow({{"huis", "house"}});
    Form->mnuTabelbewerken->trigger();
    QList<int> Offered;
    TDialogAnswer Choose("QFontDialog", [&Offered](QWidget* Dialog) {
        // The user narrows the list to Greek fonts and types a tiny size.
        for (QComboBox* Combo : Dialog->findChildren<QComboBox*>()) {
            const int Greek = Combo->findText(QFontDatabase::writingSystemName(QFontDatabase::Greek));
            if (Greek >= 0)
                Combo->setCurrentIndex(Greek);
        }
        Offered = OfferedSizes(Dialog);
        QFont Small(QStringLiteral("DejaVu Sans"));
        Small.setPointSize(5);
        FontDialog(Dialog)->setCurrentFont(Small);
        ClickOk(Dialog);
    });
    Form->btnAntwoordFont->click();
    QVERIFY(Choose.Answered());
    // The size list offers 8 points and up only.
    QVERIFY(!Offered.isEmpty());
    QCOMPARE(*std::min_element(Offered.begin(), Offered.end()), 8);
    QCOMPARE(Form->QuestionList.AnswerFont.Charset, 161);
    QCOMPARE(Form->QuestionList.AnswerFont.Size, 8);
    QCOMPARE(Form->QuestionList.QuestionFont.Name, std::string("Arial"));
    QCOMPARE(Form->memAntwoord->font().pointSize(), 8);
}

void TestEditorTools::cancelledFontDialogChangesNothing()
{
    auto Form = MakeWindow({{"huis", "house"}});
    Form->mnuTabelbewerken->trigger();
    TDialogAnswer Cancel("QFontDialog", [](QWidget* Dialog) {
        FontDialog(Dialog)->setCurrentFont(QFont(QStringLiteral("Liberation Mono"), 20));
        QTest::keyClick(Dialog, Qt::Key_Escape);
    });
    Form->btnVraagFont->click();
    QVERIFY(Cancel.Answered());
    QVERIFY(!Form->QuestionList.Changed);
    QCOMPARE(Form->QuestionList.QuestionFont, TTableFont());
    QCOMPARE(Form->memVraag->font().family(), QStringLiteral("Arial"));
}

namespace {

QComboBox* ScriptCombo(QWidget* Dialog)
{
    for (QComboBox* Combo : Dialog->findChildren<QComboBox*>())
        if (Combo->findText(QFontDatabase::writingSystemName(QFontDatabase::Greek)) >= 0)
            return Combo;
    return nullptr;
}

// Picks a script in the font dialog's list as the user does.
void PickScript(QWidget* Dialog, QFontDatabase::WritingSystem System)
{
    QComboBox* Combo = ScriptCombo(Dialog);
    Combo->setCurrentIndex(Combo->findText(QFontDatabase::writingSystemName(System)));
    emit Combo->activated(Combo->currentIndex());
}

} // namespace

void TestEditorTools::fontDialogOffersTheScriptsATableCanHold()
{
    auto Form = MakeWindow({{"\xEA\xED\xE8\xE3\xE0", "boek"}}); // книга
    Form->QuestionList.QuestionFont.Charset = 204;
    Form->mnuTabelbewerken->trigger();
    QString Opened;
    QStringList Offered;
    bool Italic = true;
    TDialogAnswer Look("QFontDialog", [&](QWidget* Dialog) {
        QComboBox* Combo = ScriptCombo(Dialog);
        Opened = Combo->currentText();
        auto* View = qobject_cast<QListView*>(Combo->view());
        for (int Row = 0; Row < Combo->count(); ++Row)
            if (!View->isRowHidden(Row))
                Offered << Combo->itemText(Row);
        // Another script keeps the upright style.
        PickScript(Dialog, QFontDatabase::Greek);
        Italic = FontDialog(Dialog)->currentFont().italic();
        QTest::keyClick(Dialog, Qt::Key_Escape);
    });
    Form->btnVraagFont->click();
    QVERIFY(Look.Answered());
    QCOMPARE(Opened, QFontDatabase::writingSystemName(QFontDatabase::Cyrillic));
    for (const auto System : {QFontDatabase::Latin, QFontDatabase::Greek, QFontDatabase::Cyrillic,
                              QFontDatabase::Hebrew, QFontDatabase::Arabic})
        QVERIFY2(Offered.contains(QFontDatabase::writingSystemName(System)), qPrintable(Offered.join(u',')));
    for (const auto System : {QFontDatabase::SimplifiedChinese, QFontDatabase::Japanese, QFontDatabase::Devanagari})
        QVERIFY2(!Offered.contains(QFontDatabase::writingSystemName(System)), qPrintable(Offered.join(u',')));
    QVERIFY(!Italic);
}

void TestEditorTools::anotherScriptAsksWhatBecomesOfTheTexts_data()
{
    QTest::addColumn<QString>("Button");
    QTest::addColumn<int>("Charset");
    QTest::addColumn<QString>("Shown");
    QTest::addColumn<QByteArray>("Stored");
    // "€ книга" in Windows-1251; the euro sign is 0x88 there and 0x80 in
    // Windows-1253, which has no Cyrillic letters.
    QTest::newRow("omzetten") << "btnOmzetten" << 161 << QStringLiteral("€ ?????") << QByteArray("\x80 ?????");
    QTest::newRow("opnieuw lezen") << "btnOpnieuwLezen" << 161 << QStringLiteral("\u0088 κνθγΰ")
                                   << QByteArray("\x88 \xEA\xED\xE8\xE3\xE0");
    QTest::newRow("annuleren") << "btnAnnuleren" << 204 << QStringLiteral("€ книга")
                               << QByteArray("\x88 \xEA\xED\xE8\xE3\xE0");
}

void TestEditorTools::anotherScriptAsksWhatBecomesOfTheTexts()
{
    QFETCH(QString, Button);
    QFETCH(int, Charset);
    QFETCH(QString, Shown);
    QFETCH(QByteArray, Stored);
    auto Form = MakeWindow({{"\x88 \xEA\xED\xE8\xE3\xE0", "boek"}});
    Form->QuestionList.QuestionFont.Charset = 204;
    Form->mnuTabelbewerken->trigger();
    QString Question;
    TDialogAnswer Box("QMessageBox", [&](QWidget* Dialog) {
        Question = static_cast<QMessageBox*>(Dialog)->text();
        Dialog->findChild<QPushButton*>(Button)->click();
    });
    TDialogAnswer Font("QFontDialog", [](QWidget* Dialog) {
        PickScript(Dialog, QFontDatabase::Greek);
        ClickOk(Dialog);
    });
    Form->btnVraagFont->click();
    QVERIFY(Font.Answered());
    QTRY_VERIFY(Box.Answered());
    QVERIFY2(Question.contains(QStringLiteral("vraagkolom")) && Question.contains(QStringLiteral("Grieks"))
                 && Question.contains(QStringLiteral("Cyrillisch")) && Question.contains(QStringLiteral("\"?\"")),
             qPrintable(Question));
    QCOMPARE(Form->QuestionList.QuestionFont.Charset, Charset);
    QCOMPARE(QuestionMemo(*Form), Shown);
    QCOMPARE(Form->pnlEdit->grdTabel->model()->index(0, 0).data().toString(), Shown);
    QCOMPARE(QByteArray::fromStdString(std::string(Form->QuestionList.StoredQuestion(0))), Stored);
    QCOMPARE(Form->QuestionList.Changed, Button != QStringLiteral("btnAnnuleren"));
}

QTEST_MAIN(TestEditorTools)
#include "tst_editortools.moc"
