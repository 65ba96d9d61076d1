// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz options of the "O&pties" menu and their toolbar buttons.
#pragma once

#include <QObject>

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
    void AskSampleSize();

private:
    TfrmMain& Main;
};
