// SPDX-License-Identifier: GPL-3.0-or-later
// Tables in other scripts and tables of other trainers, through the real
// window: a Russian table is shown, quizzed, edited and saved back byte for
// byte; a KVTML word list opens with a notice, is never overwritten and is
// proposed under its own name as ".MT4"; the save dialog writes KVTML and CSV.
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "tableeditor/editpanel.h"
#include "quizscreens/fillinpanel.h"
#include "ui/memo.h"
#include "tableeditor/tablemodel.h"
#include "formats/wintext.h"
#include "dialogscript.h"
#include "files/filecommands.h"
#include "formats/kvtmlfile.h"
#include "mainfixture.h"

#define VERIFY_SCRIPT(Script) QVERIFY2((Script).Finished(), qPrintable((Script).Report()))

namespace {

QString ExampleBytesCopy(TMainFixture& F, const QString& Name)
{
    const QString Copy = F.Path(Name);
    TMainFixture::Write(Copy, TMainFixture::Read(QStringLiteral(MEMORANT_EXAMPLES_DIR "/") + Name));
    return Copy;
}

QString GridText(TfrmMain& Main, int Row, int Column)
{
    const TTableModel& Model = *Main.pnlEdit->Model;
    return Model.data(Model.index(Row, Column), Qt::DisplayRole).toString();
}

QWidget* KeyTarget(TfrmMain& Main)
{
    QWidget* Focus = QApplication::focusWidget();
    return Focus ? Focus : &Main;
}

// Types Text, which may hold any letters, into Widget.
void Type(QWidget* Widget, const QString& Text)
{
    for (const QChar C : Text)
        QTest::sendKeyEvent(QTest::Click, Widget, C.unicode() < 128 ? Qt::Key(C.toUpper().unicode()) : Qt::Key_unknown,
                            QString(C), Qt::NoModifier);
}

// Esc, and Ja to the question whether to break off.
void AbortQuiz(TfrmMain& Main)
{
    TDialogScript Script;
    Script.AnswerYes(QStringLiteral("Deze memorant-sessie afbreken?"));
    QTest::keyClick(KeyTarget(Main), Qt::Key_Escape);
    QVERIFY2(Script.Finished(), qPrintable(Script.Report()));
    QCOMPARE(Main.State, msAborted);
}

// Picks a writing system in the font dialog and confirms it.
TDialogScript::TAction PickWritingSystem(QFontDatabase::WritingSystem System)
{
    return [System](QWidget* Dialog) {
        for (QComboBox* Combo : Dialog->findChildren<QComboBox*>())
            if (const int Index = Combo->findText(QFontDatabase::writingSystemName(System)); Index >= 0)
                Combo->setCurrentIndex(Index);
        qobject_cast<QFontDialog*>(Dialog)->accept();
    };
}

} // namespace

class TestOtherScripts : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { Fixture.reset(); }

    void russianTableShowsQuizzesAndSavesBackByteForByte();
    void editingKeepsToTheColumnsCodePage();
    void aCyrillicFontRereadsTheSameBytes();
    void importedWordListIsNeverOverwritten();
    void saveAsWritesKvtmlAndCsv();
    void commandLineOpensOtherFormats();
    void utf8TextTableStaysUtf8();
    void unreadableFileAddsNothing();

private:
    std::unique_ptr<TMainFixture> Fixture;
    TMainFixture& F() { return *Fixture; }
    TfrmMain& Main() { return *Fixture->Main; }
    TQuestionlist& Table() { return Fixture->Table(); }
};

void TestOtherScripts::init()
{
    Fixture = std::make_unique<TMainFixture>();
    QVERIFY(Fixture->Folder.isValid());
    Fixture->Start();
}

void TestOtherScripts::russianTableShowsQuizzesAndSavesBackByteForByte()
{
    const QString File = ExampleBytesCopy(F(), QStringLiteral("russisch.MT4"));
    const QByteArray Original = TMainFixture::Read(File);
    Main().CarryOutCommandLine({File});
    QCOMPARE(Table().QuestionFont.Charset, 204);
    QCOMPARE(Table().StoredQuestion(0), std::string("\xF1\xEE\xE1\xE0\xEA\xE0"));

    // Fill-in, answer asked in Russian: a difference of case alone is
    // forgiven with the tolerant option.
    Main().mnuSequential->trigger();
    Main().mnuOmgekeerd->trigger();
    Main().mnuTolerant->trigger();
    Main().mnuInvulvragen->trigger();
    QCOMPARE(Main().lblVraagTekst->text(), QStringLiteral("de hond"));
    QCOMPARE(Main().pnlInvoer->memInvoer->font().family(), QStringLiteral("Arial"));
    Type(KeyTarget(Main()), QStringLiteral("Собака"));
    QTest::keyClick(KeyTarget(Main()), Qt::Key_Return);
    QCOMPARE(Main().lblPrompt1->text(), QStringLiteral("Verkeerd gespeld, antwoord lijkt wel goed"));
    QCOMPARE(Main().lblAntwoordTekst->text(), QStringLiteral("собака"));
    QTest::keyClick(KeyTarget(Main()), Qt::Key_Space);
    QCOMPARE(Main().lblVraagTekst->text(), QStringLiteral("de kat"));
    Type(KeyTarget(Main()), QStringLiteral("кошка"));
    QTest::keyClick(KeyTarget(Main()), Qt::Key_Return);
    QCOMPARE(Main().lblPrompt1->text(), QStringLiteral("GOED"));
    AbortQuiz(Main());

    // Multiple choice shows the Russian alternatives.
    Main().mnuMeerkeuzevragen->trigger();
    const QString Alternatives = Main().findChild<QLabel*>(QStringLiteral("lblAntwoord1"))->text();
    QVERIFY2(IsWinText(Alternatives, 1251) && !IsWinText(Alternatives, 1252), qPrintable(Alternatives));
    AbortQuiz(Main());

    Table().Changed = true;
    Main().UpdateCommandStates();
    Main().mnuOpslaan->trigger();
    QVERIFY(!Table().Changed); // written
    QCOMPARE(TMainFixture::Read(File), Original);
}

void TestOtherScripts::editingKeepsToTheColumnsCodePage()
{
    Main().CarryOutCommandLine({ExampleBytesCopy(F(), QStringLiteral("russisch.MT4"))});
    Main().mnuTabelbewerken->trigger();
    QCOMPARE(GridText(Main(), 0, 0), QStringLiteral("собака"));
    QCOMPARE(GridText(Main(), 0, 1), QStringLiteral("de hond"));
    QCOMPARE(Main().memVraag->Text(), QStringLiteral("собака"));

    // The Cyrillic column takes Cyrillic and refuses what 1251 lacks; an
    // accent key gives the plain letter there, and é in the Dutch column.
    Main().memVraag->setFocus();
    Main().memVraag->moveCursor(QTextCursor::End);
    Type(Main().memVraag, QStringLiteral("ыσ"));
    QTest::keyClick(Main().memVraag, Qt::Key_Apostrophe, Qt::ControlModifier);
    QTest::keyClicks(Main().memVraag, QStringLiteral("e"));
    QCOMPARE(Main().memVraag->Text(), QStringLiteral("собакаыe"));
    Main().memAntwoord->setFocus();
    Main().memAntwoord->moveCursor(QTextCursor::End);
    QTest::keyClick(Main().memAntwoord, Qt::Key_Apostrophe, Qt::ControlModifier);
    Type(Main().memAntwoord, QStringLiteral("eд"));
    QCOMPARE(Main().memAntwoord->Text(), QStringLiteral("de hondé"));

    QTest::keyClick(KeyTarget(Main()), Qt::Key_Return); // stores the entry and moves on
    QCOMPARE(Table().StoredQuestion(0), std::string("\xF1\xEE\xE1\xE0\xEA\xE0\xFB" "e"));
    QCOMPARE(Table().StoredAnswer(0), std::string("de hond\xE9"));
    QCOMPARE(GridText(Main(), 0, 0), QStringLiteral("собакаыe"));

    // Converting accents between DOS and Windows leaves the Cyrillic column
    // alone: that conversion knows only the Western code page.
    Main().mnuAccentToDos->trigger();
    QCOMPARE(Table().StoredQuestion(0), std::string("\xF1\xEE\xE1\xE0\xEA\xE0\xFB" "e"));
    QCOMPARE(Table().StoredAnswer(0), std::string("de hond\x82"));

    // Search finds Cyrillic in the Cyrillic column (any case of the Latin
    // letters, exact Cyrillic), and drops what neither column can hold.
    QString Offered;
    TDialogScript Search;
    Search.Then(QStringLiteral("dlgZoeken"), [&Offered](QWidget* Dialog) {
        auto* Edit = Dialog->findChild<QLineEdit*>();
        Edit->selectAll();
        Type(Edit, QStringLiteral("σЁлк"));
        Offered = Edit->text();
        static_cast<QDialog*>(Dialog)->accept();
    });
    QTest::keyClick(KeyTarget(Main()), Qt::Key_F, Qt::ControlModifier);
    VERIFY_SCRIPT(Search);
    QCOMPARE(Offered, QStringLiteral("Ёлк"));
    QCOMPARE(Main().memVraag->Text(), QStringLiteral("Ёлка"));
    QCOMPARE(Main().SearchText, QStringLiteral("Ёлк").toStdString());
}

void TestOtherScripts::aCyrillicFontRereadsTheSameBytes()
{
    // Written with a Western font, the bytes of a Russian word read as
    // Windows-1252 letters; choosing a Cyrillic font and "Opnieuw lezen"
    // shows them as Cyrillic without changing a byte.
    Main().CarryOutCommandLine({F().WriteTable(QStringLiteral("oud.MT4"), {QStringLiteral("\u00D1\u00EE\u00E1\u00E0\u00EA\u00E0 = hond")})});
    Main().mnuTabelbewerken->trigger();
    QCOMPARE(GridText(Main(), 0, 0), QStringLiteral("Ñîáàêà"));
    TDialogScript Script;
    Script.Then(QStringLiteral("dlgFont"), PickWritingSystem(QFontDatabase::Cyrillic))
        .Then(QStringLiteral("msgSchrift"), [](QWidget* Box) {
            Box->findChild<QPushButton*>(QStringLiteral("btnOpnieuwLezen"))->click();
        });
    Main().btnVraagFont->click();
    VERIFY_SCRIPT(Script);
    QCOMPARE(Table().QuestionFont.Charset, 204);
    QCOMPARE(GridText(Main(), 0, 0), QStringLiteral("Собака"));
    QCOMPARE(Main().memVraag->Text(), QStringLiteral("Собака"));
    QCOMPARE(Table().StoredQuestion(0), std::string("\xD1\xEE\xE1\xE0\xEA\xE0"));

    // Hebrew columns run from right to left.
    TDialogScript Hebrew;
    Hebrew.Then(QStringLiteral("dlgFont"), PickWritingSystem(QFontDatabase::Hebrew));
    Main().btnAntwoordFont->click();
    VERIFY_SCRIPT(Hebrew);
    QCOMPARE(Table().AnswerFont.Charset, 177);
    QCOMPARE(Main().memAntwoord->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(Main().memVraag->layoutDirection(), Qt::LeftToRight);
}

void TestOtherScripts::importedWordListIsNeverOverwritten()
{
    const QByteArray Xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><identifiers>"
                           "<identifier id=\"0\"/><identifier id=\"1\"/><identifier id=\"2\"/></identifiers><entries>"
                           "<entry id=\"0\"><translation id=\"0\"><text>σκύλος</text></translation>"
                           "<translation id=\"1\"><text>hond</text></translation></entry></entries></kvtml>\n";
    const QString File = F().Path(QStringLiteral("dieren.kvtml"));
    TMainFixture::Write(File, Xml);
    QString Notice;
    TDialogScript Open;
    Open.ChooseFiles({File}).Then(QStringLiteral("dlgInlezen"), [&Notice](QWidget* Box) {
        Notice = Box->property("text").toString();
        Box->close();
    });
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Open);
    QVERIFY2(Notice.contains(QStringLiteral("1 andere talen zijn weggelaten")), qPrintable(Notice));
    QCOMPARE(Table().Count(), 1);
    QCOMPARE(Table().QuestionFont.Charset, 161);
    QVERIFY(Table().ListName.empty());

    // "O&pslaan" asks for a name, proposing the list's own with ".MT4".
    Table().Changed = true;
    Main().UpdateCommandStates();
    QString Proposed;
    TDialogScript Save;
    Save.Then(QStringLiteral("QFileDialog"), [&Proposed](QWidget* Dialog) {
        Proposed = Dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        static_cast<QDialog*>(Dialog)->accept();
    });
    Main().mnuOpslaan->trigger();
    VERIFY_SCRIPT(Save);
    QCOMPARE(Proposed, QStringLiteral("dieren.MT4"));
    QCOMPARE(TMainFixture::Read(File), Xml);
    const QByteArray Saved = TMainFixture::Read(F().Path(QStringLiteral("dieren.MT4")));
    QCOMPARE(Saved, QByteArray("[FONT:Arial,9,161] = [FONT:Arial,9,1]\r\n\xF3\xEA\xFD\xEB\xEF\xF2 = hond\r\n"));
    QCOMPARE(TableFilePath(Table().ListName), F().Path(QStringLiteral("dieren.MT4")));
}

void TestOtherScripts::saveAsWritesKvtmlAndCsv()
{
    Main().CarryOutCommandLine({ExampleBytesCopy(F(), QStringLiteral("grieks.MT4"))});
    for (const QString& Name : {QStringLiteral("grieks.kvtml"), QStringLiteral("grieks.csv")}) {
        TDialogScript Save;
        Save.ChooseFiles({F().Path(Name)});
        Main().mnuOpslaanAls->trigger();
        VERIFY_SCRIPT(Save);
        QCOMPARE(TableFilePath(Table().ListName), F().Path(Name));
        QVERIFY(!Table().Changed);
    }
    const TImportedTable Kvtml = TKvtmlFile::Read(F().Path(QStringLiteral("grieks.kvtml")));
    QCOMPARE(int(Kvtml.Entries.size()), Table().Count());
    QCOMPARE(Kvtml.Entries.front().Question, QStringLiteral("ο σκύλος"));
    const QByteArray Csv = TMainFixture::Read(F().Path(QStringLiteral("grieks.csv")));
    QVERIFY(Csv.startsWith("\xEF\xBB\xBF" "ο σκύλος,de hond\r\nη γάτα,de kat\r\n"));

    // A bare name gets the extension of the chosen format.
    TDialogScript Bare;
    Bare.Then(QStringLiteral("QFileDialog"), [this](QWidget* Widget) {
        auto* Dialog = qobject_cast<QFileDialog*>(Widget);
        Dialog->selectNameFilter(QStringLiteral("KVTML-woordenlijst (*.kvtml)"));
        emit Dialog->filterSelected(QStringLiteral("KVTML-woordenlijst (*.kvtml)"));
        Dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(F().Path(QStringLiteral("kaal")));
        static_cast<QDialog*>(Dialog)->accept();
    });
    Main().mnuOpslaanAls->trigger();
    VERIFY_SCRIPT(Bare);
    QCOMPARE(TableFilePath(Table().ListName), F().Path(QStringLiteral("kaal.kvtml")));
}

void TestOtherScripts::commandLineOpensOtherFormats()
{
    const QString Csv = F().Path(QStringLiteral("lijst.csv"));
    TMainFixture::Write(Csv, "\xEF\xBB\xBFhuis;house\nkat;cat\n");
    Main().CarryOutCommandLine({Csv});
    QCOMPARE(Entries(Table()), QStringList({"huis=house", "kat=cat"}));
    QCOMPARE(Main().State, msIdle);
    QVERIFY(Table().ListName.empty());
}

void TestOtherScripts::utf8TextTableStaysUtf8()
{
    const QString File = F().Path(QStringLiteral("grieks.txt"));
    TMainFixture::Write(File, "σκύλος = hond\r\n");
    Main().CarryOutCommandLine({File});
    QCOMPARE(Table().AnswerFont.Charset, 1);
    QCOMPARE(Table().QuestionFont.Charset, 161);
    Table().Add("\xE3\xDC\xF4\xE1", "kat"); // γάτα
    Table().Changed = true;
    Main().UpdateCommandStates();
    Main().mnuOpslaan->trigger();
    QCOMPARE(TMainFixture::Read(File), QByteArray("[FONT:Arial,9,161] = [FONT:Arial,9,1]\r\nσκύλος = hond\r\nγάτα = kat\r\n"));

    // Saved under its own name through "Ops&laan als...", it stays UTF-8.
    TDialogScript Save;
    Save.ChooseFiles({File}).AnswerYes(QStringLiteral("Bestand bestaat al, overschrijven?"));
    Main().mnuOpslaanAls->trigger();
    VERIFY_SCRIPT(Save);
    QVERIFY(TMainFixture::Read(File).contains("σκύλος = hond"));
}

void TestOtherScripts::unreadableFileAddsNothing()
{
    const QString Good = F().WriteTable(QStringLiteral("goed.MT4"), {QStringLiteral("huis = house")});
    const QString Bad = F().Path(QStringLiteral("kapot.kvtml"));
    TMainFixture::Write(Bad, "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\"><entries><entry>\n</kvtml>");
    TDialogScript Open;
    Open.ChooseFiles({Good, Bad});
    QString Message;
    try {
        Main().Files->OpenTables();
    } catch (const EListReadError& Error) {
        Message = QString::fromUtf8(Error.what());
    }
    VERIFY_SCRIPT(Open);
    QVERIFY2(Message.startsWith(QStringLiteral("Fout tijdens lezen ") + QDir::toNativeSeparators(Bad) + ": regel 3: "),
             qPrintable(Message));
    QCOMPARE(Entries(Table()), QStringList({"huis=house"}));
}

QTEST_MAIN(TestOtherScripts)
#include "tst_otherscripts.moc"
