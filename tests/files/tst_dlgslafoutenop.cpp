// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the entries answered wrong at least N times, through the real dialog.
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "dialogscript.h"
#include "files/dlgslafoutenop.h"
#include "files/filecommands.h"
#include "mainfixture.h"

#define VERIFY_SCRIPT(Script) QVERIFY2((Script).Finished(), qPrintable((Script).Report()))

namespace {

const QString Overwrite = QStringLiteral("Bestand bestaat al, overschrijven?");

TDlgSlaFoutenOp& Dialog(QWidget* Widget) { return *qobject_cast<TDlgSlaFoutenOp*>(Widget); }

} // namespace

class TestDlgSlaFoutenOp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { Fixture.reset(); }

    void countTextFollowsTheNumberField();
    void countTextForEveryThreshold_data();
    void countTextForEveryThreshold();
    void writesTheEntriesAnsweredWrongOftenEnough();
    void zeroOrEscapeWritesNothing();
    void existingFileIsOnlyOverwrittenAfterJa();
    void ownFileNameAfterTheOverwriteQuestion();
    void failedWriteIsReported();

private:
    // Entries answered wrong 0, 1, 1, 1 and 2 times, as a finished round
    // counts them: class 0 once, class 1 three times, class 2 once.
    void PrepareRound();
    void RunDialog(TDialogScript& Script);

    std::unique_ptr<TMainFixture> Fixture;
    TfrmMain& Main() { return *Fixture->Main; }
    TQuestionlist& Table() { return Fixture->Table(); }
};

void TestDlgSlaFoutenOp::init()
{
    Fixture = std::make_unique<TMainFixture>();
    QVERIFY(Fixture->Folder.isValid());
    Fixture->Start();
    PrepareRound();
}

void TestDlgSlaFoutenOp::PrepareRound()
{
    const int Wrong[] = {0, 1, 1, 1, 2};
    const char* Words[] = {"nul", "een", "twee", "drie", "vier"};
    for (int i = 0; i < 5; ++i) {
        Table().Add(Words[i], std::string(Words[i]) + "-antwoord");
        Table().AnswerAdmin(i).WrongCount = Wrong[i];
    }
    Table().ErrorStats = {};
    Table().ErrorStats[0] = 1;
    Table().ErrorStats[1] = 3;
    Table().ErrorStats[2] = 1;
    Table().Sessions = 1;
    Main().State = msFinished;
    Main().UpdateCommandStates();
}

void TestDlgSlaFoutenOp::RunDialog(TDialogScript& Script)
{
    QVERIFY(Main().mnuFoutenOpslaan->isEnabled());
    Main().mnuFoutenOpslaan->trigger();
    VERIFY_SCRIPT(Script);
}

void TestDlgSlaFoutenOp::countTextFollowsTheNumberField()
{
    QStringList Texts;
    int Highest = -1;
    TDialogScript Script;
    Script.Then("DlgSlaFoutenOp", [&](QWidget* Widget) {
        TDlgSlaFoutenOp& Dlg = Dialog(Widget);
        Highest = Dlg.edtFoutAantal->maximum();
        Texts << Dlg.edtFoutAantal->text() << Dlg.lblAantalfout->text();
        Dlg.edtFoutAantal->stepUp();
        Texts << Dlg.lblAantalfout->text();
        Dlg.edtFoutAantal->stepDown();
        Dlg.edtFoutAantal->stepDown();
        Texts << Dlg.edtFoutAantal->text() << Dlg.lblAantalfout->text();
        QTest::keyClick(Dlg.edtFoutAantal, Qt::Key_Up);
        Texts << Dlg.lblAantalfout->text();
        Dlg.reject();
    });
    RunDialog(Script);
    QCOMPARE(Highest, 2);
    QCOMPARE(Texts, QStringList({"1", "(betreft 4 vragen)", "(betreft 1 vraag)", "0", "", "(betreft 4 vragen)"}));
}

void TestDlgSlaFoutenOp::countTextForEveryThreshold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("count");
    QTest::newRow("zero") << "0" << "";
    QTest::newRow("no number") << "x" << "";
    QTest::newRow("one") << "1" << "(betreft 16 vragen)";
    QTest::newRow("two") << "2" << "(betreft 13 vragen)";
    QTest::newRow("ten") << "10" << "(betreft 12 vragen)";
    QTest::newRow("eleven") << "11" << "(betreft 0 vragen)";
    QTest::newRow("between") << "5" << "(betreft 12 vragen)";
}

void TestDlgSlaFoutenOp::countTextForEveryThreshold()
{
    QFETCH(QString, text);
    QFETCH(QString, count);
    Table().ErrorStats[10] = 12; // ten times and more
    QCOMPARE(Main().DlgSlaFoutenOp->AffectedCountText(text), count);
}

void TestDlgSlaFoutenOp::writesTheEntriesAnsweredWrongOftenEnough()
{
    Table().ListName = "/nergens/les.mt4";
    Table().Changed = true;
    const QString Target = Fixture->Path("fouten.mtw");
    TDialogScript Script;
    Script.Then("DlgSlaFoutenOp", [](QWidget* Widget) { Dialog(Widget).OKBtn->click(); })
        .ChooseFiles({Target});
    RunDialog(Script);
    QCOMPARE(TMainFixture::Read(Target), QByteArray("[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\n"
                                                    "een = een-antwoord\r\ntwee = twee-antwoord\r\n"
                                                    "drie = drie-antwoord\r\nvier = vier-antwoord\r\n"));
    QCOMPARE(Table().ListName, std::string("/nergens/les.mt4"));
    QVERIFY2(Table().Changed, "a part of the table is no save of it");

    const QString Twice = Fixture->Path("tweemaal.mt4");
    TDialogScript Again;
    Again.Then("DlgSlaFoutenOp", [](QWidget* Widget) {
             TDlgSlaFoutenOp& Dlg = Dialog(Widget);
             QCOMPARE(Dlg.edtFoutAantal->value(), 1); // every use starts at 1
             Dlg.edtFoutAantal->setValue(2);
             Dlg.OKBtn->click();
         })
        .ChooseFiles({Twice});
    RunDialog(Again);
    QCOMPARE(TMainFixture::Read(Twice), QByteArray("[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nvier = vier-antwoord\r\n"));
    // The dialog keeps away from the folder setting of the table dialogs.
    QVERIFY(!TMainFixture::Read(Fixture->IniPath()).contains("Dir="));
}

void TestDlgSlaFoutenOp::zeroOrEscapeWritesNothing()
{
    TDialogScript Zero;
    Zero.Then("DlgSlaFoutenOp", [](QWidget* Widget) {
        TDlgSlaFoutenOp& Dlg = Dialog(Widget);
        Dlg.edtFoutAantal->stepDown();
        Dlg.OKBtn->click();
    });
    RunDialog(Zero);
    QCOMPARE(Main().DlgSlaFoutenOp->result(), int(QDialog::Accepted));
    QVERIFY(Main().DlgSlaFoutenOp->SaveFileName.isEmpty());

    TDialogScript Escape;
    Escape.Then("DlgSlaFoutenOp", [](QWidget* Widget) { QTest::keyClick(Widget, Qt::Key_Escape); });
    RunDialog(Escape);
    QCOMPARE(Main().DlgSlaFoutenOp->result(), int(QDialog::Rejected));
    QCOMPARE(QDir(Fixture->Folder.path()).entryList(QDir::Files), QStringList());
}

void TestDlgSlaFoutenOp::existingFileIsOnlyOverwrittenAfterJa()
{
    const QString Existing = Fixture->WriteTable("oud.mt4", {"oud = old"});
    TDialogScript Refused;
    Refused.Then("DlgSlaFoutenOp", [](QWidget* Widget) { Dialog(Widget).OKBtn->click(); })
        .ChooseFiles({Existing})
        .AnswerNo(Overwrite)
        .CancelFileDialog();
    RunDialog(Refused);
    QCOMPARE(Main().DlgSlaFoutenOp->result(), int(QDialog::Accepted));
    QCOMPARE(TMainFixture::Read(Existing), QByteArray("oud = old\r\n"));

    TDialogScript Accepted;
    Accepted.Then("DlgSlaFoutenOp", [](QWidget* Widget) { Dialog(Widget).OKBtn->click(); })
        .ChooseFiles({Existing})
        .AnswerYes(Overwrite);
    RunDialog(Accepted);
    QVERIFY(TMainFixture::Read(Existing).contains("een = een-antwoord\r\n"));
    QVERIFY(!TMainFixture::Read(Existing).contains("oud"));
}

void TestDlgSlaFoutenOp::ownFileNameAfterTheOverwriteQuestion()
{
    const QString Own = Fixture->Path("les.mt4");
    Table().SaveToFile(Own.toStdString());
    TDialogScript Script;
    Script.Then("DlgSlaFoutenOp", [](QWidget* Widget) { Dialog(Widget).OKBtn->click(); })
        .ChooseFiles({Own})
        .AnswerYes(Overwrite);
    RunDialog(Script);
    QVERIFY(!TMainFixture::Read(Own).contains("nul"));
    QCOMPARE(QString::fromStdString(Table().ListName), Own);

    // The file now holds a part of the table: the whole table is unsaved
    // work, and closing asks about it.
    QVERIFY(Table().Changed);
    QVERIFY(Main().mnuOpslaan->isEnabled());
    TDialogScript Closing;
    Closing.AnswerNo(QStringLiteral("De huidige tabel is gewijzigd, opslaan?"));
    QVERIFY(Main().close());
    VERIFY_SCRIPT(Closing);
}

void TestDlgSlaFoutenOp::failedWriteIsReported()
{
    const QString Full = Fixture->Path("vol.mt4");
    QVERIFY(QFile::link("/dev/full", Full));
    TDialogScript Script;
    Script.Then("DlgSlaFoutenOp", [](QWidget* Widget) { Dialog(Widget).OKBtn->click(); })
        .ChooseFiles({Full})
        .AnswerYes(Overwrite);
    QVERIFY_THROWS_EXCEPTION(EListWriteError, Main().Files->SaveWrongAnswers());
    VERIFY_SCRIPT(Script);
}

QTEST_MAIN(TestDlgSlaFoutenOp)
#include "tst_dlgslafoutenop.moc"
