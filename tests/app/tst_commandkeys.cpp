// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcuts of commands that are switched off (disabled, or hidden from
// the command line) do nothing: their keys reach neither the quiz nor an edit
// field. Ctrl+A follows its command in every state, edit fields included.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include "quizscreens/fillinpanel.h"
#include "app/frmmain.h"
#include "ui/memo.h"
#include "mainwindowfixture.h"

namespace {

QWidget* Focused(TfrmMain& Window)
{
    QWidget* Focus = QApplication::focusWidget();
    return Focus ? Focus : &Window;
}

void Press(TfrmMain& Window, Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
{
    QTest::keyClick(Focused(Window), Key, Modifiers);
}

// Where the quiz stands: state, question, counters.
QString Snapshot(const TfrmMain& Window)
{
    const TQuestionlist& List = Window.QuestionList;
    return QStringLiteral("%1|%2|%3/%4/%5")
        .arg(Window.State)
        .arg(Window.lblVraagTekst->text())
        .arg(List.Rest)
        .arg(List.RightAnswers)
        .arg(List.WrongAnswers);
}

} // namespace

class TestCommandKeys : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Dir;

private slots:
    void HiddenCommandsKeysDoNotReachTheQuiz_data()
    {
        QTest::addColumn<QString>("Option");
        QTest::addColumn<int>("Key");
        QTest::newRow("-T Ctrl+T") << "-T" << int(Qt::Key_T);
        QTest::newRow("-P Ctrl+P") << "-P" << int(Qt::Key_P);
        QTest::newRow("-E Ctrl+E") << "-E" << int(Qt::Key_E);
        QTest::newRow("Ctrl+F, search is off") << "-X" << int(Qt::Key_F);
    }

    // In multiple choice after an answer every key moves on; a key of a
    // switched-off command must not.
    void HiddenCommandsKeysDoNotReachTheQuiz()
    {
        QFETCH(QString, Option);
        QFETCH(int, Key);
        auto Window = StartMainWindow({Option, WriteTable(Dir, QStringLiteral("zes.MT4"), 6)});
        Window->mnuMeerkeuzevragen->trigger();
        QCOMPARE(Window->State, msChoiceQuestion);
        Press(*Window, Qt::Key_1);
        QCOMPARE(Window->State, msChoiceAnswered);
        const QString Before = Snapshot(*Window);
        Press(*Window, Qt::Key(Key), Qt::ControlModifier);
        QCOMPARE(Snapshot(*Window), Before);
        Press(*Window, Qt::Key_Space);
        QCOMPARE(Window->State, msChoiceQuestion); // an ordinary key still moves on
    }

    void CtrlMDoesNotJudgeWhenMultipleChoiceIsOff_data()
    {
        QTest::addColumn<QString>("Option");
        QTest::addColumn<int>("Entries");
        QTest::newRow("hidden by -M") << "-M" << 6;
        QTest::newRow("three entries") << "-X" << 3;
    }

    void CtrlMDoesNotJudgeWhenMultipleChoiceIsOff()
    {
        QFETCH(QString, Option);
        QFETCH(int, Entries);
        auto Window = StartMainWindow({Option, WriteTable(Dir, QStringLiteral("tabel.MT4"), Entries)});
        QVERIFY(!Window->mnuMeerkeuzevragen->isEnabled() || !Window->mnuMeerkeuzevragen->isVisible());
        Window->mnuInvulvragen->trigger();
        QTest::keyClicks(Focused(*Window), QStringLiteral("antw"));
        const QString Before = Snapshot(*Window);
        Press(*Window, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(Snapshot(*Window), Before);
        QCOMPARE(Window->pnlInvoer->memInvoer->toPlainText(), QStringLiteral("antw"));
    }

    // Ctrl+A reverses in the editor's memos as well; with the option
    // disabled it does nothing there (no select-all either).
    void CtrlAFollowsTheEnablingInTheEditor()
    {
        auto Window = StartMainWindow({WriteTable(Dir, QStringLiteral("een.MT4"), 1)});
        Window->mnuTabelbewerken->trigger();
        QCOMPARE(QApplication::focusWidget(), Window->memVraag);
        QVERIFY(Window->mnuOmgekeerd->isEnabled());
        Press(*Window, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(Window->mnuOmgekeerd->isChecked());
        QVERIFY(!Window->memVraag->textCursor().hasSelection());
        Press(*Window, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!Window->mnuOmgekeerd->isChecked());

        // Deleting the only entry leaves no table: the options are off.
        Press(*Window, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(Window->QuestionList.Count(), 0);
        QVERIFY(!Window->mnuOmgekeerd->isEnabled());
        QCOMPARE(QApplication::focusWidget(), Window->memVraag);
        QVERIFY(!Window->memVraag->toPlainText().isEmpty());
        Press(*Window, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!Window->mnuOmgekeerd->isChecked());
        QVERIFY(!Window->memVraag->textCursor().hasSelection());
    }
};

QTEST_MAIN(TestCommandKeys)
#include "tst_commandkeys.moc"
