// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "quiztables.h"

namespace {

// Asks until the round is over, judging every question with Verdict(index).
template <typename TVerdict>
std::vector<int> AskAll(TQuestionlist& Table, TVerdict Verdict)
{
    std::vector<int> Asked;
    while (Table.Rest > 0 && Asked.size() < 1000) {
        Next(Table);
        Asked.push_back(Table.Current);
        Table.RegisterResult(Verdict(Table.Current));
    }
    return Asked;
}

TEST(QuizOrder, SampleAsksDistinctEntriesOnce)
{
    TQuestionlist Table;
    FillNumbered(Table, 30);
    Table.UseSample = true;
    Table.SetSampleSize(20);
    StartSeeded(Table);
    EXPECT_EQ(Table.Rest, 20);
    const std::vector<int> Asked = AskAll(Table, [](int) { return arRight; });
    EXPECT_EQ(Asked.size(), 20u);
    EXPECT_EQ(std::set<int>(Asked.begin(), Asked.end()).size(), 20u);
    EXPECT_EQ(Table.Sessions, 1);
    EXPECT_EQ(Next(Table), "");

    TQuestionlist Small;
    FillNumbered(Small, 12);
    Small.UseSample = true;
    Small.SampleSize = 20;
    Small.StartSession();
    EXPECT_EQ(Small.Rest, 12);
    Small.SetSampleSize(50);
    EXPECT_EQ(Small.SampleSize, 12);
}

TEST(QuizOrder, TableOrderWrapsAndRepeatsErrors)
{
    TQuestionlist Table;
    FillNumbered(Table, 3);
    Table.SetSequential(true);
    StartSeeded(Table);
    EXPECT_EQ(AskAll(Table, [](int) { return arRight; }), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Next(Table), "");

    Table.SetRepeatErrors(true);
    Table.SetSequential(true);
    StartSeeded(Table);
    bool Failed = false;
    const auto WrongOnceAtOne = [&Failed](int Index) {
        const bool Wrong = Index == 1 && !Failed;
        Failed = Failed || Wrong;
        return Wrong ? arWrong : arRight;
    };
    EXPECT_EQ(AskAll(Table, WrongOnceAtOne), (std::vector<int>{0, 1, 2, 1}));
    EXPECT_EQ(Table.Sessions, 2);
}

TEST(QuizOrder, TrainingVerdictsAndScore)
{
    TQuestionlist Table;
    Fill(Table, {{"een", "one"}, {"twee", "two"}, {"drie", "three"}, {"vier", "four"}});
    EXPECT_EQ(Table.Score(), 0.0);
    StartSeeded(Table);
    const int Verdicts[] = {arRight, arWrong, arRight, arRight};
    int WrongEntry = -1;
    for (const int Verdict : Verdicts) {
        Next(Table);
        if (Verdict == arWrong)
            WrongEntry = Table.Current;
        Table.RegisterResult(Verdict);
    }
    EXPECT_EQ(Table.RightAnswers, 3);
    EXPECT_EQ(Table.WrongAnswers, 1);
    EXPECT_DOUBLE_EQ(Table.Score(), 7.75);
    EXPECT_EQ(Table.Sessions, 1);
    EXPECT_EQ(Table.AnswerAdmin(WrongEntry).WrongCount, 1);

    StartSeeded(Table);
    AskAll(Table, [](int) { return arRight; });
    EXPECT_EQ(Table.Score(), 10.0);
}

TEST(QuizOrder, RepeatErrorsReturnsWrongEntriesOnce)
{
    TQuestionlist Table;
    FillNumbered(Table, 5);
    Table.SetSequential(true);
    StartSeeded(Table);
    for (int I = 0; I < 3; ++I) {
        Next(Table);
        Table.RegisterResult(I < 2 ? arWrong : arRight);
    }
    EXPECT_EQ(Table.Rest, 2);
    Table.SetRepeatErrors(true);
    EXPECT_EQ(Table.Rest, 4);
    Table.SetRepeatErrors(true);
    EXPECT_EQ(Table.Rest, 4);
}

TEST(QuizOrder, AskAgainRepeatsTheQuestionOnce)
{
    TQuestionlist Table;
    FillNumbered(Table, 10);
    StartSeeded(Table);
    const std::string First = Next(Table);
    Table.HintLetters = 2;
    Table.AskAgain();
    Table.RegisterResult(arWrong);
    EXPECT_EQ(Table.Rest, 10); // not marked asked
    EXPECT_EQ(Next(Table), First);
    EXPECT_EQ(Table.HintLetters, 2);
    Table.RegisterResult(arRight); // after help: not counted right, but asked
    EXPECT_EQ(Table.RightAnswers, 0);
    EXPECT_EQ(Table.Rest, 9);
    EXPECT_NE(Next(Table), First);
    EXPECT_EQ(Table.HintLetters, 0);
}

// The editor may remove entries in the middle of a round, so that Rest
// promises more questions than are left: the round ends instead of hanging.
TEST(QuizOrder, RoundEndsWhenNoUnaskedEntryIsLeft)
{
    for (const bool Sequential : {false, true}) {
        TQuestionlist Table;
        FillNumbered(Table, 5);
        Table.SetSequential(Sequential);
        StartSeeded(Table);
        for (int I = 0; I < 5; ++I)
            Table.QuestionAdmin(I).Asked = true;
        EXPECT_EQ(Next(Table), "");
        EXPECT_EQ(Table.Rest, 0);
        EXPECT_EQ(Table.Sessions, 1);
        Table.RegisterResult(arRight);
        EXPECT_EQ(Table.RightAnswers, 0);
        EXPECT_EQ(Table.Sessions, 1);
    }
    TQuestionlist Large; // the last unasked entry of a large table is found
    FillNumbered(Large, 5000);
    StartSeeded(Large);
    for (int I = 0; I < 5000; ++I)
        Large.QuestionAdmin(I).Asked = I != 4321;
    EXPECT_EQ(Next(Large), "vraag4321");

    TQuestionlist Empty;
    Empty.Rest = 3;
    EXPECT_EQ(Next(Empty), "");
    EXPECT_EQ(Empty.Rest, 0);
}

// A question to be asked again (after a hint or "don't know") belongs to the
// current entry: when there is no current entry any more (table order
// switched on, a new round in table order, the table cleared), the next
// question is a real one, never a blank one.
TEST(QuizOrder, NoBlankQuestionAfterTheCurrentEntryIsForgotten)
{
    const std::function<void(TQuestionlist&)> Forget[] = {
        [](TQuestionlist& Table) { Table.SetSequential(true); },
        [](TQuestionlist& Table) {
            Table.Sequential = true;
            StartSeeded(Table);
        },
        [](TQuestionlist& Table) {
            Table.Clear();
            FillNumbered(Table, 4);
            StartSeeded(Table);
        },
    };
    for (std::size_t Way = 0; Way < std::size(Forget); ++Way) {
        TQuestionlist Table;
        FillNumbered(Table, 4);
        StartSeeded(Table);
        Next(Table);
        Table.AskAgain();
        Table.RegisterResult(arWrong); // the hint's verdict
        Forget[Way](Table);
        EXPECT_EQ(Table.Current, -1) << "way " << Way;
        for (int Question = 0; Question < 3; ++Question)
            EXPECT_NE(Next(Table), "") << "way " << Way << ", question " << Question;
    }
}

// A verdict without a current entry counts nothing.
TEST(QuizOrder, VerdictWithoutCurrentEntryCountsNothing)
{
    TQuestionlist Table;
    FillNumbered(Table, 4);
    StartSeeded(Table);
    Table.RegisterResult(arWrong);
    Table.RegisterResult(arRight);
    EXPECT_EQ(Table.WrongAnswers + Table.RightAnswers, 0);
    EXPECT_EQ(Table.Rest, 4);
}

} // namespace
