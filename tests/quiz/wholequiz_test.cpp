// SPDX-License-Identifier: GPL-3.0-or-later
// Whole rounds driven through the engine the way each quiz screen calls it.
#include <gtest/gtest.h>

#include "quiztables.h"

namespace {

void FillWords(TQuestionlist& Table)
{
    Fill(Table, {{"huis", "house"}, {"boom", "tree"}, {"vis", "fish"}, {"kat", "cat"}, {"hond", "dog"},
                 {"deur", "door"}});
}

// The fill-in screen: an empty answer or a hint request shows help and asks
// the same question again; a typed answer is judged.
class TFillIn {
public:
    explicit TFillIn(TQuestionlist& Table) : Table(Table) {}

    void DontKnow()
    {
        Table.AskAgain();
        Table.RegisterResult(arWrong);
    }

    std::string AskHint()
    {
        std::string Text;
        Table.Hint(Text);
        ++Table.HintLetters;
        Table.AskAgain();
        if (Table.HintLetters == 1)
            Table.RegisterResult(arWrong);
        return Text;
    }

private:
    TQuestionlist& Table;
};

TEST(WholeQuiz, TrainingIsRepeatableWithASeed)
{
    std::vector<std::string> Orders[2];
    for (std::vector<std::string>& Order : Orders) {
        TQuestionlist Table;
        FillWords(Table);
        StartSeeded(Table, 1234);
        while (Table.Rest > 0) {
            Order.push_back(Next(Table));
            Table.RegisterResult(Order.size() == 2 ? arWrong : arRight);
        }
        EXPECT_EQ(Table.RightAnswers, 5);
        EXPECT_EQ(Table.WrongAnswers, 1);
        EXPECT_EQ(ScoreText(Table.Score()), " 8.5");
        EXPECT_EQ(Table.Sessions, 1);
    }
    EXPECT_EQ(Orders[0], Orders[1]);
    EXPECT_EQ(Orders[0].size(), 6u);
}

TEST(WholeQuiz, FillInWithHelpAndHints)
{
    TQuestionlist Table;
    FillWords(Table);
    Table.SetSequential(true);
    Table.Tolerant = true;
    StartSeeded(Table);
    TFillIn Screen(Table);

    EXPECT_EQ(Next(Table), "huis");
    EXPECT_EQ(Table.CheckAnswer("house"), arRight);

    EXPECT_EQ(Next(Table), "boom");
    Screen.DontKnow();
    EXPECT_EQ(Next(Table), "boom");
    EXPECT_EQ(Table.CheckAnswer("tree"), arRight); // right after help: not counted

    EXPECT_EQ(Next(Table), "vis");
    EXPECT_EQ(Screen.AskHint(), "f . . .");
    EXPECT_EQ(Screen.AskHint(), "fi . .");
    EXPECT_EQ(Next(Table), "vis");
    EXPECT_EQ(Table.HintLetters, 2);
    EXPECT_EQ(Table.CheckAnswer("fiss"), arMisspelled);

    EXPECT_EQ(Next(Table), "kat");
    EXPECT_EQ(Table.HintLetters, 0);
    EXPECT_EQ(Table.CheckAnswer("dog"), arWrong);
    EXPECT_EQ(Screen.AskHint(), "c . ."); // a hint after a wrong answer costs one more
    EXPECT_EQ(Next(Table), "kat");
    EXPECT_EQ(Table.CheckAnswer("cat"), arRight);

    EXPECT_EQ(Next(Table), "hond");
    EXPECT_EQ(Table.CheckAnswer("dog"), arRight);
    EXPECT_EQ(Next(Table), "deur");
    EXPECT_EQ(Table.CheckAnswer("door"), arRight);

    EXPECT_EQ(Table.Rest, 0);
    EXPECT_EQ(Table.RightAnswers, 3); // huis, hond, deur
    EXPECT_EQ(Table.WrongAnswers, 4); // boom, vis, kat twice
    EXPECT_EQ(Table.Sessions, 1);
    Screen.AskHint(); // the hint button still works after the last answer
    EXPECT_EQ(Table.WrongAnswers, 5);
    EXPECT_EQ(Table.Sessions, 1);
}

TEST(WholeQuiz, MultipleChoiceRound)
{
    TQuestionlist Table;
    FillWords(Table);
    Table.SetRepeatErrors(true);
    StartSeeded(Table, 42);
    int Questions = 0;
    bool MissedOnce = false;
    while (Table.Rest > 0 && Questions < 100) {
        std::string Question;
        Table.NextQuestion(Question);
        ++Questions;
        ASSERT_EQ(Question, Table.CurrentQuestion());
        std::vector<std::string> Shown;
        for (int N = 1; N <= 4; ++N)
            Shown.push_back(Table.MCAnswer(N));
        EXPECT_EQ(Shown[Table.MCRightChoice - '1'], Table.CurrentAnswer());
        std::sort(Shown.begin(), Shown.end());
        EXPECT_EQ(std::unique(Shown.begin(), Shown.end()), Shown.end());
        const char Wrong = Table.MCRightChoice == '1' ? 'B' : 'A';
        const char Pick = MissedOnce ? Table.MCRightChoice : Wrong;
        EXPECT_EQ(Table.CheckMultiAnswer(Pick), MissedOnce ? arRight : arWrong);
        MissedOnce = true;
    }
    EXPECT_EQ(Questions, 7); // the missed question came back once
    EXPECT_EQ(Table.RightAnswers, 6);
    EXPECT_EQ(Table.WrongAnswers, 1);
}

} // namespace
