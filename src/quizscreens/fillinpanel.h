// SPDX-License-Identifier: GPL-3.0-or-later
// The fill-in screen: the user types the whole answer and ends it with
// Enter, or asks for the answer or for hints.
#pragma once

#include <QFrame>
#include <string>

class QColor;
class QLabel;
class QToolButton;
class TQuizDoor;
class TMemo;

class TFillInPanel : public QFrame {
    Q_OBJECT
public:
    // Lives on Parent, the main window's client area; works through Door.
    TFillInPanel(QWidget* Parent, TQuizDoor& Door);

    void ShowQuestion(); // lay out a new question (msFillInQuestion)
    // The key handlers of the dispatcher; each returns the state the key
    // leads to (the state it was called in when the key does nothing).
    [[nodiscard]] int FillInAnswerKey(char& Key); // msFillInQuestion: judges on Enter
    [[nodiscard]] int FillInNextKey(char& Key);   // msFillInAnswered: goes on with space

    void btnToonAntwoordClick();
    void btnToonHintClick();

    // Typed as the answer, it asks for a hint like "Geef &hints".
    static constexpr const char* HintRequest = "*HINT*";
    // The second prompt line while an answer is typed.
    [[nodiscard]] static QString AccentNotice();

    QLabel* invlblPrompt1;
    TMemo* memInvoer;
    QToolButton* btnToonHint;
    QToolButton* btnToonAntwoord;

signals:
    // The answer of the question now stands in the answer line: judged or shown.
    void AnswerShown();

private:
    [[nodiscard]] std::string TypedAnswer() const;
    void ShowInAnswerLine(const std::string& Text);
    void ShowVerdict(int Result);
    void ShowAnswer();
    void GiveHint();
    // The buttons: Text in the input field, then Enter as the key would.
    void AnswerWith(const QString& Text);
    void SetInputColour(const QColor& Colour);
    // A button pressed after the round's last answer ends the round like a key.
    bool RoundIsOver();

    TQuizDoor& Door;
};
