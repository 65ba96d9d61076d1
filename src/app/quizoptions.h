// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz options of the "O&pties" menu and their toolbar buttons. The
// menu ticks are the options' only store; the question table receives them
// when a quiz starts and with every question.
#pragma once

#include <QObject>

class QAction;
class TfrmMain;

class TQuizOptions : public QObject {
    Q_OBJECT
public:
    explicit TQuizOptions(TfrmMain& Main);

    void ToggleReverse();
    void ToggleRepeatErrors();
    void ToggleTolerant();
    void ToggleIntelliMC();
    void ToggleSample();
    void ToggleSequential();
    // Asks the sample size before the sample is switched on.
    void AskSampleSize();

    void mnuSteekproefClick();

private:
    // Runs Command for a triggered option item. The item has ticked itself
    // already; the command flips the tick, so the item's own flip is undone
    // first.
    void Connect(QAction* Item, void (TQuizOptions::*Command)());
    // Flips the tick of Item; with a running quiz, asks a new question with
    // the new options unless Restart is false.
    void Flip(QAction* Item, bool Restart = true);
    void RestartQuiz();

    TfrmMain& Main;
};
