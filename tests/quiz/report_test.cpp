// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "quiztables.h"

namespace {

TEST(ScoreText, OneDecimalHalfUpFourWide)
{
    const std::pair<double, const char*> Cases[] = {
        {0.0, " 0.0"}, {7.75, " 7.8"}, {3.25, " 3.3"}, {1 + 9.0 * 8 / 30, " 3.4"},
        {7.3, " 7.3"}, {1.0, " 1.0"},  {10.0, "10.0"}, {9.95, " 9.9"},  // 9.95 is 9.9499...
        {9.96, "10.0"}, {1 + 9.0 * 2 / 3, " 7.0"},
    };
    for (const auto& [Score, Text] : Cases)
        EXPECT_EQ(ScoreText(Score), Text) << Score;
}

// Runs a round in which entry i is answered wrong Wrong[i] times before it is
// answered right (the right answer always comes last).
void Play(TQuestionlist& Table, std::map<int, int> Wrong)
{
    StartSeeded(Table, 99);
    while (Table.Rest > 0) {
        Next(Table);
        int& Left = Wrong[Table.Current];
        Table.RegisterResult(Left > 0 ? arWrong : arRight);
        Left = std::max(Left - 1, 0);
    }
}

TEST(Report, ExampleAfterAFirstRoundWithRepeats)
{
    TQuestionlist Table;
    FillNumbered(Table, 8);
    Table.SetRepeatErrors(true);
    Play(Table, {{5, 2}, {6, 10}, {7, 10}});
    std::vector<std::string> Lines{"old"};
    Table.MakeReport(Lines);
    EXPECT_EQ(Lines, (std::vector<std::string>{
                         "STATISTIEK RAPPORT:",
                         "",
                         "Laatste score:  3.4",
                         "",
                         "Resultaat na 1 sessie:",
                         "5 vragen werden goed beantwoord",
                         "1 vraag werd 2 keer fout beantwoord",
                         "2 vragen werden 10 keer  of vaker fout beantwoord",
                     }));
    EXPECT_EQ(Table.ErrorStat(0), 5);
    EXPECT_EQ(Table.ErrorStat(2), 1);
    EXPECT_EQ(Table.ErrorStat(10), 2);
    EXPECT_EQ(Table.MaxErrorStat(), 10);
}

TEST(Report, SessionsClassesAndBreakingOff)
{
    TQuestionlist Table;
    FillNumbered(Table, 4);
    Table.SetRepeatErrors(true);
    Play(Table, {{1, 1}});
    std::vector<std::string> Lines;
    Table.MakeReport(Lines);
    ASSERT_EQ(Lines.size(), 7u);
    EXPECT_EQ(Lines[2], "Laatste score:  8.2");
    EXPECT_EQ(Lines[5], "3 vragen werden goed beantwoord");
    EXPECT_EQ(Lines[6], "1 vraag werd 1 keer fout beantwoord");

    StartSeeded(Table); // broken off before any answer
    Table.MakeReport(Lines);
    EXPECT_EQ(Lines, (std::vector<std::string>{"STATISTIEK RAPPORT:", "", "Laatste score:  0.0", "",
                                               "Resultaat na 1 sessie:"}));
    EXPECT_EQ(Table.MaxErrorStat(), 0);

    Play(Table, {{2, 12}});
    Table.MakeReport(Lines);
    EXPECT_EQ(Lines[4], "Resultaat na 2 sessies:");
    EXPECT_EQ(Lines.back(), "1 vraag werd 10 keer  of vaker fout beantwoord");
    EXPECT_EQ(Lines[Lines.size() - 2], "1 vraag werd 1 keer fout beantwoord"); // entry 1, from the first round
}

TEST(Report, MaxErrorStatCountsOneMoreWhileRunning)
{
    TQuestionlist Table;
    FillNumbered(Table, 4);
    Table.SetSequential(true);
    const auto Answer = [&Table](int Verdict) {
        Next(Table);
        Table.RegisterResult(Verdict);
    };
    for (int Round = 0; Round < 3; ++Round) { // entry 0 is answered wrong in every round
        StartSeeded(Table);
        Answer(arWrong);
        Answer(arRight);
        if (Round < 2) {
            Answer(arRight);
            Answer(arRight);
        }
    }
    std::vector<std::string> Lines;
    Table.MakeReport(Lines);
    ASSERT_EQ(Table.Rest, 2);
    EXPECT_EQ(Table.MaxErrorStat(), 4);
    Answer(arRight);
    Answer(arRight);
    Table.MakeReport(Lines);
    EXPECT_EQ(Table.MaxErrorStat(), 3);
    EXPECT_EQ(Lines.back(), "1 vraag werd 3 keer fout beantwoord");
}

TEST(Report, EntryStatusAndDebugList)
{
    TQuestionlist Table;
    Fill(Table, {{"huis", "house"}, {"boom", "tree"}, {"vis", "fish"}, {"kat", "cat"}});
    Table.SetSequential(true);
    Play(Table, {{0, 1}});
    StartSeeded(Table);
    Next(Table);
    Table.RegisterResult(arWrong); // entry 0 once more
    Next(Table);
    Table.RegisterResult(arRight);
    EXPECT_EQ(Table.EntryStatus(0), "[* F F:2]");
    EXPECT_EQ(Table.EntryStatus(1), "[* ]");
    EXPECT_EQ(Table.EntryStatus(2), "");

    std::vector<std::string> Lines;
    Table.ShowDebugInfo(Lines, 0);
    ASSERT_EQ(Lines.size(), 21u + 4u);
    EXPECT_EQ(Lines[0], "DEBUG INFO:");
    EXPECT_EQ(Lines[2], "Total: 4");
    EXPECT_EQ(Lines[6], "Score:  5.5");
    EXPECT_EQ(Lines[7], "RepeatErrors=false");
    EXPECT_EQ(Lines[11], "CurrentIndex: 1");
    EXPECT_EQ(Lines[12], "CurrentQuestion: boom");
    EXPECT_EQ(Lines[18], "QFontName: Arial");
    EXPECT_EQ(Lines[21], "[0] 'huis' = 'house' [* F F:2]");
    EXPECT_EQ(Lines[24], "[3] 'kat' = 'cat' ");

    // The list in parts, as a long table is shown: the same lines.
    std::vector<std::string> Head;
    Table.ShowDebugInfo(Head, 0, false);
    ASSERT_EQ(Head.size(), 21u);
    for (int Entry = 0; Entry < Table.Count(); ++Entry)
        Head.push_back(Table.DebugEntryLine(Entry));
    EXPECT_EQ(Head, Lines);

    Table.Reverse = true;
    Table.ShowDebugInfo(Lines, 1);
    ASSERT_GE(Lines.size(), 2u);
    EXPECT_EQ(Lines[0], "tree [T6] = boom [B5]");
    EXPECT_EQ(Lines[1], "---INTELLIMC-LIST: " + std::to_string(Table.SimilarList.size()) + " ---");
    EXPECT_EQ(Lines.size(), Table.SimilarList.size() + 2);
    Table.ShowDebugInfo(Lines, 2);
    EXPECT_TRUE(Lines.empty());
}

} // namespace
