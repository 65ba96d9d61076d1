// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz options of the "O&pties" menu and their toolbar buttons. The
// menu ticks are the options' only store; the question table receives them
// when a quiz starts and with every question.
#pragma once

#include <QObject>

class QAction;
class TfrmMain;
struct TSettingsValues;

class TQuizOptions : public QObject {
    Q_OBJECT
public:
    explicit TQuizOptions(TfrmMain& Main);

    // Runs Command for a triggered option item. The item has ticked itself
    // already; the command flips the tick, so the item's own flip is undone
    // first. Ends with the window's refresh.
    void ConnectOption(QAction* Item, void (TQuizOptions::*Command)());
    // Switches on the options that the settings file kept. All options are
    // off before this (no quiz runs yet), so each kept option is switched on
    // by its toggle, with menu tick and tool button.
    void ApplyKept(const TSettingsValues& Values);
    // The options that the settings file keeps (the sample is never kept).
    void KeepIn(TSettingsValues& Values) const;

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
    // Flips the tick of Item; with a running quiz, asks a new question with
    // the new options unless Restart is false.
    void Flip(QAction* Item, bool Restart = true);
    void RestartQuiz();

    TfrmMain& Main;
};
