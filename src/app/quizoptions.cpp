// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quizoptions.h"

#include <QAction>
#include <QInputDialog>
#include <QSignalBlocker>
#include <algorithm>

#include "ui/commandguard.h"
#include "app/frmmain.h"
#include "files/windowsettings.h"

TQuizOptions::TQuizOptions(TfrmMain& Main) : QObject(&Main), Main(Main) {}

void TQuizOptions::ConnectOption(QAction* Item, void (TQuizOptions::*Command)())
{
    ConnectCommand(Item, &QAction::triggered, this, [this, Item, Command] {
        if (Item->isCheckable()) {
            const QSignalBlocker Quiet(Item);
            Item->setChecked(!Item->isChecked());
        }
        (this->*Command)();
        Main.UpdateCommandStates();
    });
}

void TQuizOptions::ApplyKept(const TSettingsValues& Values)
{
    if (Values.Reverse)
        ToggleReverse();
    if (Values.RepeatErrors)
        ToggleRepeatErrors();
    if (Values.Tolerant)
        ToggleTolerant();
    Main.mnuIntelliMC->setChecked(Values.IntelliMC);
    if (Values.Sequential)
        ToggleSequential();
}

void TQuizOptions::KeepIn(TSettingsValues& Values) const
{
    Values.Reverse = Main.mnuOmgekeerd->isChecked();
    Values.RepeatErrors = Main.mnuRepeteren->isChecked();
    Values.Tolerant = Main.mnuTolerant->isChecked();
    Values.IntelliMC = Main.mnuIntelliMC->isChecked();
    Values.Sequential = Main.mnuSequential->isChecked();
}

void TQuizOptions::ToggleReverse() { Flip(Main.mnuOmgekeerd); }
void TQuizOptions::ToggleRepeatErrors() { Flip(Main.mnuRepeteren); }
void TQuizOptions::ToggleTolerant() { Flip(Main.mnuTolerant); }
void TQuizOptions::ToggleIntelliMC() { Flip(Main.mnuIntelliMC); }

// A sample and table order exclude each other: switching one on switches
// the other off. The quiz gets one new question for both changes.
void TQuizOptions::ToggleSample()
{
    Flip(Main.mnuSteekproef, false);
    if (Main.mnuSteekproef->isChecked() && Main.mnuSequential->isChecked())
        Flip(Main.mnuSequential, false);
    RestartQuiz();
}

void TQuizOptions::ToggleSequential()
{
    Flip(Main.mnuSequential, false);
    if (Main.mnuSteekproef->isChecked() && Main.mnuSequential->isChecked())
        Flip(Main.mnuSteekproef, false);
    RestartQuiz();
}

void TQuizOptions::mnuSteekproefClick()
{
    AskSampleSize();
    ToggleSample();
}

void TQuizOptions::AskSampleSize()
{
    if (Main.mnuSteekproef->isChecked())
        return; // about to be switched off
    TQuestionlist& List = Main.QuestionList;
    const int Default = std::min(List.Count(), 20);
    QInputDialog Box(&Main);
    Box.setObjectName(QStringLiteral("InputBox"));
    Box.setWindowTitle(QStringLiteral("Bepaal grootte van steekproef"));
    Box.setLabelText(QStringLiteral("Aantal vragen:"));
    Box.setTextValue(QString::number(Default));
    const QString Answer = Box.exec() == QDialog::Accepted ? Box.textValue() : QString::number(Default);
    bool IsNumber = false;
    int Size = Answer.toInt(&IsNumber, 10);
    if (!IsNumber)
        Size = Default;
    List.SetSampleSize(std::min(Size, List.Count()));
}

void TQuizOptions::Flip(QAction* Item, bool Restart)
{
    // The toolbar button shares the item and follows its tick.
    Item->setChecked(!Item->isChecked());
    if (Restart)
        RestartQuiz();
}

// A running quiz goes on in its mode with a new question asked the new way;
// the round keeps its counters and its clock.
void TQuizOptions::RestartQuiz()
{
    switch (Main.State) {
    case msTrainingQuestion:
    case msTrainingAnswer:
        Main.StartQuiz(msTrainingQuestion);
        break;
    case msChoiceQuestion:
    case msChoiceAnswered:
        Main.StartQuiz(msChoiceQuestion);
        break;
    case msFillInQuestion:
    case msFillInAnswered:
        Main.StartQuiz(msFillInQuestion);
        break;
    default:
        break;
    }
}
