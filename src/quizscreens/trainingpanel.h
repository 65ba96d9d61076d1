// SPDX-License-Identifier: GPL-3.0-or-later
// The training screen: the user reveals the answer and judges himself.
#pragma once

#include <QFrame>

class QToolButton;
class TQuizDoor;

class TTrainingPanel : public QFrame {
    Q_OBJECT
public:
    // Lives on Parent, the main window's client area; works through Door.
    TTrainingPanel(QWidget* Parent, TQuizDoor& Door);

    // The key handlers of the dispatcher; each returns the state the key
    // leads to (the state it was called in when the key does nothing).
    [[nodiscard]] int TrainingRevealKey(char& Key); // msTrainingQuestion
    [[nodiscard]] int TrainingJudgeKey(char& Key);  // msTrainingAnswer
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
    TQuizDoor& Door;
};
