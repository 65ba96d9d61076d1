// SPDX-License-Identifier: GPL-3.0-or-later
// What a quiz screen and the table editor see of the main window: the one
// table, the window's state, the prompt and answer lines, and the steps of
// a quiz. The main window implements it; a test may put a fake in its place.
#pragma once

class QString;
class TQuestionlist;

class TQuizDoor {
public:
    virtual ~TQuizDoor() = default;

    // The one question table of the window.
    [[nodiscard]] virtual TQuestionlist& Table() = 0;
    // The window's state (msNoTable .. msFinished of ui/mainstate.h).
    [[nodiscard]] virtual int CurrentState() const = 0;
    // Makes NewState the window's state; shows nothing by itself.
    virtual void SetState(int NewState) = 0;
    // Whether the quiz mode (msTrainingQuestion, msChoiceQuestion,
    // msFillInQuestion) or the editor (msEdit) was left switched on by the
    // command line.
    [[nodiscard]] virtual bool ModeAvailable(int Mode) const = 0;
    // Whether the option "Vraag en &Antwoord omkeren" is ticked.
    [[nodiscard]] virtual bool ReverseTicked() const = 0;

    // The two prompt lines below the panels.
    virtual void SetPrompt(const QString& Line1, const QString& Line2) = 0;
    // Shows Text on the answer line of the question/answer panel.
    virtual void ShowAnswerLine(const QString& Text) = 0;

    // The steps of a quiz. HandleQuizKey is the dispatcher that every key
    // and every quiz button goes through; it ends with UpdateCommandStates.
    virtual void StartQuiz(int Mode) = 0;
    virtual void ShowNextQuestion() = 0;
    virtual void ShowResults() = 0;
    virtual void HandleQuizKey(char& Key) = 0;
    // Moves the quiz to NextState, as the dispatcher does with the state a
    // screen's key handler returns: the next question or the results follow
    // when it calls for them, then UpdateCommandStates. For a screen's own
    // buttons that do not stand for a key.
    virtual void TakeQuizStep(int NextState) = 0;
    // The one refresh: shows, enables and ticks what the state and the
    // table call for.
    virtual void UpdateCommandStates() = 0;

protected:
    TQuizDoor() = default;
    TQuizDoor(const TQuizDoor&) = default;
    TQuizDoor& operator=(const TQuizDoor&) = default;
};
