// SPDX-License-Identifier: GPL-3.0-or-later
// The multiple-choice screen: four alternatives in rows, picked with the
// keys 1-4 or A-D, the numbered buttons or a click on an alternative.
#pragma once

#include <QFrame>
#include <array>

class QColor;
class QLabel;
class QToolButton;
class TQuizDoor;

class TChoicePanel : public QFrame {
    Q_OBJECT
public:
    // Lives on Parent, the main window's client area; works through Door.
    TChoicePanel(QWidget* Parent, TQuizDoor& Door);

    void ShowQuestion(); // lay out a new question (msChoiceQuestion)
    // The key handlers of the dispatcher; each returns the state the key
    // leads to (the state it was called in when the key does nothing).
    [[nodiscard]] int ChoiceAnswerKey(char& Key); // msChoiceQuestion
    [[nodiscard]] int ChoiceNextKey(char& Key);   // msChoiceAnswered

    // The row digit '1'..'4' of an alternative label.
    [[nodiscard]] static char ChoiceFromLabel(const QLabel* Label);

    void mcbtnClick(int Row); // the button of row 1..4
    void lblAntwoordClick(QLabel* Label);
    void lblAntwoordMouseEnter(QLabel* Label);
    void lblAntwoordMouseExit(QLabel* Label);

    std::array<QToolButton*, 4> mcbtn{};       // mcbtn1 .. mcbtn4
    std::array<QLabel*, 4> lblAntwoord{};      // lblAntwoord1 .. lblAntwoord4

signals:
    // The answer of the question now stands in the answer line: marked.
    void AnswerShown();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void PaintRow(char Row, const QColor& Colour);
    void ClearColours();

    TQuizDoor& Door;
};
