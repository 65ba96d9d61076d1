// SPDX-License-Identifier: GPL-3.0-or-later
// Training rounds from the first question to the results, broken off with
// Esc, and what the window shows of a running and a finished round.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/frmmain.h"
#include "app/titlepanel.h"
#include "ui/memo.h"
#include "quizscreens/resultspanel.h"
#include "quizscreens/trainingpanel.h"
#include "app/mainwindowfixture.h"

namespace {

QStringList ReportLines(const TfrmMain& Window)
{
    QStringList Lines;
    for (int Row = 0; Row < Window.pnlKlaar->lbxReport->count(); ++Row)
        Lines << Window.pnlKlaar->lbxReport->item(Row)->text();
    return Lines;
}

} // namespace

class TestTraining : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Dir;

    // A window on a table of Entries entries, asked in table order.
    std::unique_ptr<TfrmMain> WindowOnTable(int Entries)
    {
        auto Window = StartMainWindow({WriteTable(Dir, QStringLiteral("les%1.MT4").arg(Entries), Entries)});
        Window->mnuSequential->setChecked(true);
        return Window;
    }

    static void Press(TfrmMain& Window, int Key) { QTest::keyClick(&Window, static_cast<Qt::Key>(Key)); }

private slots:
    void WholeRoundWithKeysAndButtons()
    {
        auto Window = WindowOnTable(4);
        QTest::keyClick(Window.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(Window->State, msTrainingQuestion);
        QVERIFY(Window->mnuTraining->isChecked());
        QVERIFY(Window->btnTraining->isChecked());
        QVERIFY(Window->pnlTraining->isVisible());
        QVERIFY(!Window->pnlTitel->isVisible());
        QVERIFY(Window->timTijd->isActive());
        QVERIFY(Window->btnVraagToClipboard->isVisible());
        QCOMPARE(Window->lblVraagTekst->text(), QStringLiteral("vraag1"));
        QCOMPARE(Window->memVraag->toPlainText(), QStringLiteral("vraag1"));
        QVERIFY(Window->lblAntwoordTekst->text().isEmpty());
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("Neem het antwoord in gedachten en controleer jezelf"));
        QCOMPARE(Window->lblPrompt2->text(), QStringLiteral("Druk op spatie voor het antwoord   (Esc=stoppen)"));
        QVERIFY(Window->pnlTraining->btnAntwoord->isEnabled());
        QVERIFY(!Window->pnlTraining->btnGoed->isEnabled());
        QCOMPARE(Window->StatusPanels[1]->text(), QStringLiteral("rest: 4"));
        QCOMPARE(Window->ScoreMeterBlocks(), 0);

        Press(*Window, Qt::Key_G); // judging before the answer is shown does nothing
        QCOMPARE(Window->State, msTrainingQuestion);
        QCOMPARE(Window->StatusPanels[2]->text(), QStringLiteral("goed: 0"));

        Press(*Window, Qt::Key_Space);
        QCOMPARE(Window->State, msTrainingAnswer);
        QCOMPARE(Window->lblAntwoordTekst->text(), QStringLiteral("antwoord1"));
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("Geef zelf aan of jouw gedachte klopt met het antwoord"));
        QCOMPARE(Window->lblPrompt2->text(), QStringLiteral("F=fout  G=goed  Esc=sessie afbreken"));
        QVERIFY(!Window->pnlTraining->btnAntwoord->isEnabled());
        QVERIFY(Window->pnlTraining->btnGoed->isEnabled());
        Press(*Window, Qt::Key_Space); // a second space does nothing
        QCOMPARE(Window->State, msTrainingAnswer);

        QTest::keyClick(Window.get(), 'g'); // case-blind
        QCOMPARE(Window->State, msTrainingQuestion);
        QCOMPARE(Window->lblVraagTekst->text(), QStringLiteral("vraag2"));
        QVERIFY(Window->lblAntwoordTekst->text().isEmpty());
        QCOMPARE(Window->StatusPanels[2]->text(), QStringLiteral("goed: 1"));
        QCOMPARE(Window->StatusPanels[1]->text(), QStringLiteral("rest: 3"));
        QCOMPARE(Window->ScoreMeterBlocks(), 40);

        QTest::mouseClick(Window->pnlTraining->btnAntwoord, Qt::LeftButton);
        QCOMPARE(Window->State, msTrainingAnswer);
        QTest::mouseClick(Window->pnlTraining->btnFout, Qt::LeftButton);
        QCOMPARE(Window->StatusPanels[3]->text(), QStringLiteral("fout: 1"));
        QCOMPARE(Window->ScoreMeterBlocks(), 22); // 5.5

        for (int Question = 3; Question <= 4; ++Question) {
            Press(*Window, Qt::Key_Space);
            Press(*Window, Qt::Key_G);
        }
        QCOMPARE(Window->State, msFinished);
        QVERIFY(Window->pnlKlaar->isVisible());
        QVERIFY(Window->pnlTitel->isVisible());
        QVERIFY(!Window->pnlTraining->isVisible());
        QVERIFY(!Window->timTijd->isActive());
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("Het resultaat is voldoende"));
        QVERIFY(Window->lblPrompt2->text().isEmpty());
        QCOMPARE(Window->ScoreMeterBlocks(), 31); // 7.75
        QCOMPARE(Window->pnlKlaar->BarCount(), 1);
        QCOMPARE(Window->pnlKlaar->BarHeight(0), 7.75);
        QCOMPARE(ReportLines(*Window),
                 (QStringList{"STATISTIEK RAPPORT:", "", "Laatste score:  7.8", "", "Resultaat na 1 sessie:",
                              "3 vragen werden goed beantwoord", "1 vraag werd 1 keer fout beantwoord"}));
        QVERIFY(Window->mnuFoutenOpslaan->isEnabled());
        QVERIFY(!Window->mnuTraining->isChecked());

        // Keys in the finished state show the same results and add no bar.
        Press(*Window, Qt::Key_X);
        QCOMPARE(Window->State, msFinished);
        QCOMPARE(Window->pnlKlaar->BarCount(), 1);
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("Het resultaat is voldoende"));

        // The verdict outlives refreshes by other commands.
        Window->mnuKnoppenbalk->trigger();
        Window->UpdateCommandStates();
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("Het resultaat is voldoende"));
    }

    void EveryRoundAddsOneBar()
    {
        auto Window = WindowOnTable(2);
        for (int Round = 1; Round <= 3; ++Round) {
            Window->mnuTraining->trigger();
            QCOMPARE(Window->State, msTrainingQuestion);
            for (int Question = 0; Question < 2; ++Question) {
                Press(*Window, Qt::Key_Space);
                Press(*Window, Round == 2 ? Qt::Key_F : Qt::Key_G);
            }
            QCOMPARE(Window->State, msFinished);
            QCOMPARE(Window->pnlKlaar->BarCount(), Round);
        }
        QCOMPARE(Window->pnlKlaar->BarHeight(0), 10.0);
        QCOMPARE(Window->pnlKlaar->BarHeight(1), 1.0);
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("PRIMA, dit wordt vast een goed cijfer"));
        QCOMPARE(ReportLines(*Window).at(4), QStringLiteral("Resultaat na 3 sessies:"));
        QCOMPARE(Window->ScoreMeterBlocks(), 40);
    }

    void EscAnsweredNoLeavesTheRound()
    {
        auto Window = WindowOnTable(3);
        Window->mnuTraining->trigger();
        Press(*Window, Qt::Key_Space);
        AnswerYesNo(false);
        Press(*Window, Qt::Key_Escape);
        QCOMPARE(Window->State, msTrainingAnswer);
        QCOMPARE(Window->lblAntwoordTekst->text(), QStringLiteral("antwoord1"));
        QVERIFY(Window->timTijd->isActive());
    }

    void EscAnsweredYesBreaksTheRoundOff()
    {
        auto Window = WindowOnTable(3);
        Window->mnuTraining->trigger();
        Press(*Window, Qt::Key_Space);
        Press(*Window, Qt::Key_F);
        AnswerYesNo(true);
        Press(*Window, Qt::Key_Escape);
        QCOMPARE(Window->State, msAborted);
        QVERIFY(Window->pnlTitel->isVisible());
        QVERIFY(!Window->pnlKlaar->isVisible());
        QVERIFY(!Window->pnlTraining->isVisible());
        QVERIFY(!Window->timTijd->isActive());
        QCOMPARE(Window->pnlKlaar->BarCount(), 0);
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("Kies memorantmethode: Training, Meerkeuze, of Invullen"));
        QVERIFY(Window->lblVraagTekst->text().isEmpty());
        QCOMPARE(Window->StatusPanels[3]->text(), QStringLiteral("fout: 1"));
        QCOMPARE(Window->StatusPanels[1]->text(), QStringLiteral("rest: 2"));
        QCOMPARE(Window->ScoreMeterBlocks(), 4);
        QCOMPARE(ReportLines(*Window).at(2), QStringLiteral("Laatste score:  1.0"));
        QVERIFY(Window->mnuFoutenOpslaan->isEnabled());

        // A new quiz command starts a new round.
        Window->mnuTraining->trigger();
        QCOMPARE(Window->State, msTrainingQuestion);
        QCOMPARE(Window->StatusPanels[3]->text(), QStringLiteral("fout: 0"));
        QCOMPARE(Window->StatusPanels[1]->text(), QStringLiteral("rest: 3"));
    }

    void SwitchingModesKeepsTheRound()
    {
        auto Window = WindowOnTable(4);
        Window->mnuTraining->trigger();
        const QDateTime Started = Window->QuizStartTime;
        Press(*Window, Qt::Key_Space);
        Press(*Window, Qt::Key_F);
        Window->mnuInvulvragen->trigger();
        QCOMPARE(Window->State, msFillInQuestion);
        QVERIFY(Window->mnuInvulvragen->isChecked());
        QVERIFY(!Window->mnuTraining->isChecked());
        QCOMPARE(Window->QuizStartTime, Started);
        QCOMPARE(Window->StatusPanels[3]->text(), QStringLiteral("fout: 1"));
        QCOMPARE(Window->StatusPanels[1]->text(), QStringLiteral("rest: 3"));
        Window->mnuTraining->trigger();
        QCOMPARE(Window->State, msTrainingQuestion);
        QCOMPARE(Window->QuizStartTime, Started);
    }

    void QuizCommandDoesNothingWithoutTable()
    {
        auto Window = StartMainWindow();
        Window->StartQuiz(msTrainingQuestion);
        QCOMPARE(Window->State, msNoTable);
        QVERIFY(!Window->timTijd->isActive());
    }

    void ReverseAsksTheAnswerColumn()
    {
        auto Window = WindowOnTable(2);
        Window->mnuOmgekeerd->setChecked(true);
        Window->mnuTraining->trigger();
        QCOMPARE(Window->lblVraagTekst->text(), QStringLiteral("antwoord1"));
        Press(*Window, Qt::Key_Space);
        QCOMPARE(Window->lblAntwoordTekst->text(), QStringLiteral("vraag1"));
    }

    void ChoiceWithoutFourAnswersReturnsToIdle()
    {
        QTemporaryDir Here;
        const QString Path = Here.filePath(QStringLiteral("zelfde.MT4"));
        QFile File(Path);
        QVERIFY(File.open(QIODevice::WriteOnly));
        File.write("een = ja\r\ntwee = ja\r\ndrie = ja\r\nvier = ja\r\n");
        File.close();
        auto Window = StartMainWindow({Path});
        QString Shown;
        CloseMessageBox(&Shown);
        Window->mnuMeerkeuzevragen->trigger();
        QCOMPARE(Shown, QStringLiteral("Geen 4 antwoorden voor meerkeuze vragen"));
        QCOMPARE(Window->State, msIdle);

        Window->mnuTraining->trigger(); // silent in training
        QCOMPARE(Window->State, msTrainingQuestion);
        QVERIFY(!Window->lblVraagTekst->text().isEmpty());
    }

    void ClockShowsTheElapsedTime()
    {
        auto Window = WindowOnTable(2);
        Window->mnuTraining->trigger();
        Window->QuizStartTime = QDateTime::currentDateTime().addSecs(-83);
        Window->timTijdTimer();
        QCOMPARE(Window->StatusPanels[4]->text(), QStringLiteral("tijd: 0:01:23"));
        Window->QuizStartTime = QDateTime::currentDateTime().addSecs(-(25 * 3600 + 2));
        Window->timTijdTimer();
        QCOMPARE(Window->StatusPanels[4]->text(), QStringLiteral("tijd: 1:00:02"));
        for (int Question = 0; Question < 2; ++Question) {
            Press(*Window, Qt::Key_Space);
            Press(*Window, Qt::Key_G);
        }
        QVERIFY(!Window->timTijd->isActive());
        QCOMPARE(Window->StatusPanels[4]->text(), QStringLiteral("tijd: 1:00:02"));
    }

    void MeterRoundsHalvesToEven_data()
    {
        QTest::addColumn<int>("Right");
        QTest::addColumn<int>("Wrong");
        QTest::addColumn<int>("Blocks");
        QTest::newRow("no answer") << 0 << 0 << 0;
        QTest::newRow("4.5 blocks") << 1 << 71 << 4;
        QTest::newRow("5.5 blocks") << 1 << 23 << 6;
        QTest::newRow("all right") << 5 << 0 << 40;
    }

    void MeterRoundsHalvesToEven()
    {
        QFETCH(int, Right);
        QFETCH(int, Wrong);
        QFETCH(int, Blocks);
        auto Window = WindowOnTable(2);
        Window->QuestionList.RightAnswers = Right;
        Window->QuestionList.WrongAnswers = Wrong;
        Window->UpdateCommandStates();
        QCOMPARE(Window->ScoreMeterBlocks(), Blocks);
    }

    void VerdictByGrade_data()
    {
        QTest::addColumn<double>("Score");
        QTest::addColumn<QString>("Verdict");
        QTest::newRow("below 6") << 5.99 << "De les zit er nog niet in (helaas...)";
        QTest::newRow("6") << 6.0 << "Ik zou nog maar even doorgaan met oefenen";
        QTest::newRow("7") << 7.0 << "Het resultaat is voldoende";
        QTest::newRow("8.5") << 8.5 << "Goed resultaat!";
        QTest::newRow("9") << 9.0 << "PRIMA, dit wordt vast een goed cijfer";
        QTest::newRow("10") << 10.0 << "PRIMA, dit wordt vast een goed cijfer";
    }

    void VerdictByGrade()
    {
        QFETCH(double, Score);
        QFETCH(QString, Verdict);
        QCOMPARE(VerdictText(Score), Verdict);
    }
};

QTEST_MAIN(TestTraining)
#include "tst_training.moc"
