// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz screens driven through a fake door, with no main window: what a
// screen shows, counts and asks of the window is all in the door.
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>
#include <vector>

#include "formats/wintext.h"
#include "quizscreens/choicepanel.h"
#include "quizscreens/fillinpanel.h"
#include "quizscreens/trainingpanel.h"
#include "table/questionlist.h"
#include "ui/mainstate.h"
#include "ui/memo.h"
#include "ui/quizdoor.h"
#include "ui/uistyle.h"

namespace {

// Records what the screens ask of the window. Its dispatcher hands a key to
// OnKey, when set, as the window hands it to the screen of its state.
class TFakeDoor : public TQuizDoor {
public:
    TQuestionlist List;
    int State = msIdle;
    QString Prompt1, Prompt2, AnswerLine;
    std::vector<char> KeysHandled;
    std::vector<int> StepsTaken;
    int Refreshes = 0;
    std::function<void(char&)> OnKey;

    TQuestionlist& Table() override { return List; }
    [[nodiscard]] int CurrentState() const override { return State; }
    void SetState(int NewState) override { State = NewState; }
    [[nodiscard]] bool ModeAvailable(int) const override { return true; }
    [[nodiscard]] bool ReverseTicked() const override { return false; }
    void SetPrompt(const QString& Line1, const QString& Line2) override
    {
        Prompt1 = Line1;
        Prompt2 = Line2;
    }
    void ShowAnswerLine(const QString& Text) override { AnswerLine = Text; }
    void StartQuiz(int Mode) override { State = Mode; }
    void ShowNextQuestion() override {}
    void ShowResults() override {}
    void HandleQuizKey(char& Key) override
    {
        KeysHandled.push_back(Key);
        if (OnKey)
            OnKey(Key);
    }
    void TakeQuizStep(int NextState) override
    {
        StepsTaken.push_back(NextState);
        State = NextState;
        ++Refreshes;
    }
    void UpdateCommandStates() override { ++Refreshes; }
};

// Asks the next question of the round. A table of fewer than four entries
// has no alternatives for a multiple-choice screen; the question stands.
void AskNext(TQuestionlist& List)
{
    std::string Question;
    try {
        List.NextQuestion(Question);
    } catch (const EMultiChoiceError&) {
    }
}

// A table of Count entries "vraag N = answer N", a round started and its
// first question asked.
void StartRound(TQuestionlist& List, int Count)
{
    const char* Answers[] = {"one", "two", "three", "four", "five", "six"};
    for (int i = 0; i < Count; ++i)
        List.Add("vraag " + std::to_string(i + 1), Answers[i]);
    List.SetSequential(true);
    List.StartSession();
    AskNext(List);
}

} // namespace

class TestScreenDoor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void trainingRevealsThenCountsTheVerdict();
    void trainingButtonsSendTheirKeysToTheDispatcher();
    void choiceJudgesThePickedRow();
    void choiceRowsAnswerMouseAndButtonsThroughTheDispatcher();
    void fillInJudgesTheTypedAnswer();
    void fillInButtonsTakeTheirStepThroughTheDoor();
    void fillInButtonAfterTheLastAnswerEndsTheRound();

private:
    std::unique_ptr<QWidget> Client;
    std::unique_ptr<TFakeDoor> Door;
};

void TestScreenDoor::init()
{
    Client = std::make_unique<QWidget>();
    Client->resize(600, 200);
    Door = std::make_unique<TFakeDoor>();
}

void TestScreenDoor::cleanup()
{
    Client.reset();
    Door.reset();
}

void TestScreenDoor::trainingRevealsThenCountsTheVerdict()
{
    StartRound(Door->List, 2);
    TTrainingPanel Panel(Client.get(), *Door);
    char Key = 'x';
    QCOMPARE(Panel.TrainingRevealKey(Key), msTrainingQuestion);
    QVERIFY(Door->AnswerLine.isEmpty());

    Key = ' ';
    QCOMPARE(Panel.TrainingRevealKey(Key), msTrainingAnswer);
    QCOMPARE(Door->AnswerLine, QStringLiteral("one"));
    QCOMPARE(Door->Prompt1, QStringLiteral("Geef zelf aan of jouw gedachte klopt met het antwoord"));
    QCOMPARE(Door->Prompt2, QStringLiteral("F=fout  G=goed  Esc=sessie afbreken"));

    Key = 'x';
    QCOMPARE(Panel.TrainingJudgeKey(Key), msTrainingAnswer);
    QCOMPARE(Door->List.RightAnswers + Door->List.WrongAnswers, 0);
    Key = 'g'; // either case
    QCOMPARE(Panel.TrainingJudgeKey(Key), msTrainingQuestion);
    QCOMPARE(Door->List.RightAnswers, 1);

    AskNext(Door->List);
    Key = 'F';
    QCOMPARE(Panel.TrainingJudgeKey(Key), msFinished); // the last question of the round
    QCOMPARE(Door->List.WrongAnswers, 1);
    QCOMPARE(Key, ' ');
}

void TestScreenDoor::trainingButtonsSendTheirKeysToTheDispatcher()
{
    TTrainingPanel Panel(Client.get(), *Door);
    Panel.SetButtonStates(msTrainingQuestion);
    QVERIFY(Panel.btnAntwoord->isEnabled());
    QVERIFY(!Panel.btnGoed->isEnabled() && !Panel.btnFout->isEnabled());
    Panel.SetButtonStates(msTrainingAnswer);
    QVERIFY(!Panel.btnAntwoord->isEnabled());
    QVERIFY(Panel.btnGoed->isEnabled() && Panel.btnFout->isEnabled());

    Panel.btnAntwoord->click(); // disabled: nothing
    Panel.btnGoed->click();
    Panel.btnFout->click();
    QCOMPARE(Door->KeysHandled, (std::vector<char>{'G', 'F'}));
}

void TestScreenDoor::choiceJudgesThePickedRow()
{
    StartRound(Door->List, 6);
    TChoicePanel Panel(Client.get(), *Door);
    Panel.ShowQuestion();
    QCOMPARE(Door->Prompt2, QStringLiteral("Kies juiste antwoord: 1, 2, 3, 4  (Esc=stoppen)"));
    int RightRow = 0;
    for (int Row = 0; Row < 4; ++Row)
        if (Panel.lblAntwoord[Row]->text() == QStringLiteral("one"))
            RightRow = Row + 1;
    QVERIFY2(RightRow > 0, "the right answer is one of the four");
    const char Wrong = static_cast<char>('0' + (RightRow % 4 + 1));

    char Key = 'x';
    QCOMPARE(Panel.ChoiceAnswerKey(Key), msChoiceQuestion);
    QCOMPARE(Key, 'x');
    Key = Wrong;
    QCOMPARE(Panel.ChoiceAnswerKey(Key), msChoiceAnswered);
    QCOMPARE(Key, '\0');
    QCOMPARE(Door->AnswerLine, QStringLiteral("one"));
    QCOMPARE(Door->Prompt1, QStringLiteral("%1 = onjuist, het moest %2 zijn").arg(QChar::fromLatin1(Wrong)).arg(RightRow));
    QCOMPARE(Door->Prompt2, QStringLiteral("druk op de spatiebalk..."));
    QCOMPARE(Door->List.WrongAnswers, 1);

    Key = 'q'; // any key goes on
    QCOMPARE(Panel.ChoiceNextKey(Key), msChoiceQuestion);
    QCOMPARE(Key, '\0');
    AskNext(Door->List);
    Panel.ShowQuestion();
    for (int Row = 0; Row < 4; ++Row)
        if (Panel.lblAntwoord[Row]->text() == QStringLiteral("two"))
            RightRow = Row + 1;
    Key = static_cast<char>('a' + RightRow - 1); // a letter picks a row, too
    QCOMPARE(Panel.ChoiceAnswerKey(Key), msChoiceAnswered);
    QCOMPARE(Door->Prompt1, QStringLiteral("%1 = GOED").arg(RightRow));
    QCOMPARE(Door->List.RightAnswers, 1);
}

void TestScreenDoor::choiceRowsAnswerMouseAndButtonsThroughTheDispatcher()
{
    StartRound(Door->List, 6);
    TChoicePanel Panel(Client.get(), *Door);
    Client->show();
    Panel.show();
    Panel.ShowQuestion();
    Panel.mcbtn[2]->click();
    QTest::mouseClick(Panel.lblAntwoord[3], Qt::LeftButton);
    QCOMPARE(Door->KeysHandled, (std::vector<char>{'C', '4'}));

    QLabel* Row = Panel.lblAntwoord[0];
    QEnterEvent Enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QEvent Leave(QEvent::Leave);
    Door->State = msChoiceQuestion;
    QApplication::sendEvent(Row, &Enter);
    QCOMPARE(Row->palette().color(QPalette::Window), QColor(255, 255, 0));
    QApplication::sendEvent(Row, &Leave);
    QCOMPARE(Row->palette().color(QPalette::Window), ButtonFaceColour());
    Door->State = msChoiceAnswered; // the verdict's colours stay
    QApplication::sendEvent(Row, &Enter);
    QCOMPARE(Row->palette().color(QPalette::Window), ButtonFaceColour());
}

void TestScreenDoor::fillInJudgesTheTypedAnswer()
{
    StartRound(Door->List, 3);
    TFillInPanel Panel(Client.get(), *Door);
    Panel.ShowQuestion();
    QCOMPARE(Door->Prompt1, QStringLiteral("Type het antwoord en sluit af met Enter (Esc=stoppen)"));
    QCOMPARE(Door->Prompt2, TFillInPanel::AccentNotice());

    char Key = 'o'; // typing goes to the memo
    QCOMPARE(Panel.FillInAnswerKey(Key), msFillInQuestion);
    QCOMPARE(Key, 'o');
    Panel.memInvoer->SetText(QStringLiteral("  one "));
    Key = '\r';
    QCOMPARE(Panel.FillInAnswerKey(Key), msFillInAnswered);
    QCOMPARE(Key, '\0');
    QCOMPARE(Door->Prompt1, QStringLiteral("GOED"));
    QCOMPARE(Door->AnswerLine, QStringLiteral("one"));
    QCOMPARE(Door->List.RightAnswers, 1);

    Key = 'x'; // nothing but the space goes on
    QCOMPARE(Panel.FillInNextKey(Key), msFillInAnswered);
    QCOMPARE(Key, '\0');
    Key = ' ';
    QCOMPARE(Panel.FillInNextKey(Key), msFillInQuestion);

    AskNext(Door->List);
    Panel.ShowQuestion();
    QVERIFY(Panel.memInvoer->Text().isEmpty());
    Panel.memInvoer->SetText(QStringLiteral("drie"));
    Key = '\r';
    QCOMPARE(Panel.FillInAnswerKey(Key), msFillInAnswered);
    QCOMPARE(Door->Prompt1, QStringLiteral("onjuist"));
    QCOMPARE(Door->AnswerLine, QStringLiteral("two"));
    QCOMPARE(Door->List.WrongAnswers, 1);
}

void TestScreenDoor::fillInButtonsTakeTheirStepThroughTheDoor()
{
    StartRound(Door->List, 3);
    TFillInPanel Panel(Client.get(), *Door);
    Door->State = msFillInQuestion;
    Panel.ShowQuestion();

    Panel.btnToonHint->click();
    QCOMPARE(Door->StepsTaken, std::vector<int>{msFillInAnswered});
    QCOMPARE(Door->Prompt1, QStringLiteral("Hier is een hint, vraag meer hints of probeer het nog eens"));
    QVERIFY(Door->AnswerLine.startsWith(u'o'));
    QVERIFY(Door->AnswerLine != QStringLiteral("one"));
    QCOMPARE(Door->List.WrongAnswers, 1);
    Panel.btnToonHint->click(); // while the hint shows: one more letter, no second wrong answer
    QCOMPARE(Door->StepsTaken.size(), std::size_t(2));
    QVERIFY(Door->AnswerLine.startsWith(QStringLiteral("on")));
    QCOMPARE(Door->List.WrongAnswers, 1);

    AskNext(Door->List);
    Panel.ShowQuestion();
    Panel.memInvoer->SetText(QStringLiteral("half typed"));
    Panel.btnToonAntwoord->click();
    QCOMPARE(Door->StepsTaken.back(), msFillInAnswered);
    QCOMPARE(Door->Prompt1, QStringLiteral("Hier is het antwoord, probeer het nog eens"));
    QCOMPARE(Door->AnswerLine, QString::fromStdString(Door->List.CurrentAnswer()));
    QVERIFY(Panel.memInvoer->Text().isEmpty());
    QCOMPARE(Door->List.WrongAnswers, 2);
    QVERIFY(Door->KeysHandled.empty());
}

void TestScreenDoor::fillInButtonAfterTheLastAnswerEndsTheRound()
{
    StartRound(Door->List, 1);
    TFillInPanel Panel(Client.get(), *Door);
    Panel.ShowQuestion();
    Panel.memInvoer->SetText(QStringLiteral("one"));
    char Key = '\r';
    QCOMPARE(Panel.FillInAnswerKey(Key), msFillInAnswered);
    QCOMPARE(Door->List.Rest, 0);

    const QString Verdict = Door->Prompt1;
    Panel.btnToonHint->click();
    Panel.btnToonAntwoord->click();
    QCOMPARE(Door->KeysHandled, (std::vector<char>{' ', ' '})); // as a key would: the round ends
    QVERIFY(Door->StepsTaken.empty());
    QCOMPARE(Door->Prompt1, Verdict);
}

QTEST_MAIN(TestScreenDoor)
#include "tst_screendoor.moc"
