// SPDX-License-Identifier: GPL-3.0-or-later
// The training screen: the user reveals the answer and judges himself.
#pragma once

#include <QFrame>

class QToolButton;
class TfrmMain;

class TTrainingPanel : public QFrame {
    Q_OBJECT
public:
    // Lives in the main window's client area.
    explicit TTrainingPanel(TfrmMain& Main);

    void TrainingRevealKey(char& Key); // state msTrainingQuestion
    void TrainingJudgeKey(char& Key);  // state msTrainingAnswer
    // Enables the buttons that the state allows.
    void SetButtonStates(int State);

    void btnAntwoordClick();
    void btnFoutClick();
    void btnGoedClick();

    QToolButton* btnAntwoord;
    QToolButton* btnFout;
    QToolButton* btnGoed;

signals:
    // The answer of the question now stands in the answer line: revealed.
    void AnswerShown();

private:
    void SendKey(char Key);
    TfrmMain& Main;
};
