// SPDX-License-Identifier: GPL-3.0-or-later
// The question table in memory: entries, viewed orientation, the changed mark.
#include <gtest/gtest.h>

#include "table/questionlist.h"
#include "tabletestfiles.h"

namespace {

TQuestionlist TableOf(std::initializer_list<std::pair<std::string, std::string>> Entries)
{
    TQuestionlist Table;
    for (const auto& [Question, Answer] : Entries)
        Table.Add(Question, Answer);
    return Table;
}

} // namespace

TEST(QuestionTable, NewTableIsEmptyWithDefaults)
{
    TQuestionlist Table;
    EXPECT_EQ(Table.Count(), 0);
    EXPECT_EQ(Table.CurrentIndex(), -1);
    EXPECT_EQ(Table.CurrentQuestion(), "");
    EXPECT_EQ(Table.CurrentAnswer(), "");
    EXPECT_FALSE(Table.Changed);
    EXPECT_EQ(Table.ListName, "");
    for (const TTableFont* Font : {&Table.QuestionFont, &Table.AnswerFont}) {
        EXPECT_EQ(Font->Name, "Arial");
        EXPECT_EQ(Font->Size, 9);
        EXPECT_EQ(Font->Charset, 1);
    }
    EXPECT_FALSE(Table.Sequential);
    EXPECT_FALSE(Table.RepeatErrors);
    EXPECT_FALSE(Table.Reverse);
    EXPECT_FALSE(Table.Tolerant);
    EXPECT_TRUE(Table.IntelliMC);
    EXPECT_FALSE(Table.UseSample);
    EXPECT_EQ(Table.SampleSize, 20);
    EXPECT_EQ(Table.MCRightChoice, ' ');
}

TEST(QuestionTable, ClearResetsTheQuizButKeepsTheOptions)
{
    TQuestionlist Table = TableOf({{"huis", "house"}, {"kat", "cat"}});
    Table.ListName = "woorden.MT4";
    Table.Changed = true;
    Table.Current = 1;
    Table.Rest = 2;
    Table.RightAnswers = 3;
    Table.WrongAnswers = 4;
    Table.Sessions = 5;
    Table.ErrorStats.fill(7);
    Table.MCRightChoice = '3';
    Table.MCAnswers[2] = "cat";
    Table.QuestionFont = {"Courier New", 12, 0};
    Table.Tolerant = true;
    Table.IntelliMC = false;
    Table.SampleSize = 35;
    Table.Reverse = true;

    Table.Clear();

    EXPECT_EQ(Table.Count(), 0);
    EXPECT_EQ(Table.ListName, "");
    EXPECT_FALSE(Table.Changed);
    EXPECT_EQ(Table.Current, -1);
    EXPECT_EQ(Table.Rest, 0);
    EXPECT_EQ(Table.RightAnswers, 0);
    EXPECT_EQ(Table.WrongAnswers, 0);
    EXPECT_EQ(Table.Sessions, 0);
    for (int Count : Table.ErrorStats)
        EXPECT_EQ(Count, 0);
    EXPECT_EQ(Table.MCRightChoice, ' ');
    EXPECT_EQ(Table.MCAnswers[2], "");
    EXPECT_EQ(Table.QuestionFont, TTableFont());
    EXPECT_TRUE(Table.Tolerant);
    EXPECT_FALSE(Table.IntelliMC);
    EXPECT_EQ(Table.SampleSize, 35);
    EXPECT_TRUE(Table.Reverse);
}

TEST(QuestionTable, SelectEntryGrowsTheTableByOneEmptyEntry)
{
    TQuestionlist Table;
    Table.SelectEntry(0);
    EXPECT_EQ(Table.Count(), 1);
    EXPECT_EQ(Table.Current, 0);
    EXPECT_EQ(Table.Question(0), "");

    // While the new entry is still empty the cursor cannot move past it.
    Table.SelectEntry(1);
    EXPECT_EQ(Table.Count(), 1);
    EXPECT_EQ(Table.Current, 0);

    // Half filled is still incomplete.
    Table.SetQuestion(0, "huis");
    Table.SelectEntry(1);
    EXPECT_EQ(Table.Count(), 1);
    EXPECT_EQ(Table.Current, 0);

    Table.SetAnswer(0, "house");
    Table.SelectEntry(1);
    EXPECT_EQ(Table.Count(), 2);
    EXPECT_EQ(Table.Current, 1);
}

TEST(QuestionTable, SelectEntryBeyondTheEndAppendsAtTheEnd)
{
    TQuestionlist Table = TableOf({{"een", "one"}, {"twee", "two"}, {"drie", "three"}});
    Table.SelectEntry(5);
    EXPECT_EQ(Table.Count(), 4);
    EXPECT_EQ(Table.Current, 3);
    EXPECT_FALSE(Table.Changed) << "an appended empty entry is not a change";

    Table.SelectEntry(1);
    EXPECT_EQ(Table.Current, 1);
    Table.SelectEntry(-1);
    EXPECT_EQ(Table.Current, 1);
    EXPECT_EQ(Table.Count(), 4);
}

TEST(QuestionTable, SetQuestionTrimsAndMarksOnlyRealChanges)
{
    TQuestionlist Table = TableOf({{"huis", "house"}});
    Table.SetQuestion(0, "  het huis ");
    EXPECT_EQ(Table.Question(0), "het huis");
    EXPECT_TRUE(Table.Changed);

    Table.Changed = false;
    Table.SetQuestion(0, "het huis");
    Table.SetAnswer(0, "\thouse\r\n");
    EXPECT_FALSE(Table.Changed);

    Table.SetAnswer(0, "House");
    EXPECT_EQ(Table.Answer(0), "House");
    EXPECT_TRUE(Table.Changed) << "the comparison is case-sensitive";
}

TEST(QuestionTable, ReverseSwapsTheViewedColumnsOnly)
{
    TScratchFolder Folder;
    TQuestionlist Table = TableOf({{"huis", "house"}});
    Table.Reverse = true;
    EXPECT_EQ(Table.Question(0), "house");
    EXPECT_EQ(Table.Answer(0), "huis");

    Table.SetQuestion(0, "home");
    EXPECT_EQ(Table.StoredAnswer(0), "home");
    EXPECT_EQ(Table.StoredQuestion(0), "huis");
    Table.Current = 0;
    EXPECT_EQ(Table.CurrentQuestion(), "home");
    EXPECT_EQ(Table.CurrentAnswer(), "huis");

    // Fonts follow the viewed sides and are the table's own objects.
    Table.QFont().Name = "Courier New";
    EXPECT_EQ(Table.AnswerFont.Name, "Courier New");
    Table.SetQFont({"Times New Roman", 14, 0});
    EXPECT_EQ(Table.AnswerFont.Size, 14);
    EXPECT_EQ(&Table.AFont(), &Table.QuestionFont);

    Table.WriteToFile(Folder.File("t.MT4"), 0);
    std::string Bytes = ReadBytes(Folder.File("t.MT4"));
    EXPECT_NE(Bytes.find("\r\nhuis = home\r\n"), std::string::npos) << Bytes;
}

TEST(QuestionTable, IndexesOutsideTheTableThrow)
{
    TQuestionlist Table = TableOf({{"huis", "house"}});
    EXPECT_THROW((void)Table.Question(1), std::out_of_range);
    EXPECT_THROW((void)Table.Answer(-1), std::out_of_range);
    EXPECT_THROW(Table.SetQuestion(1, "x"), std::out_of_range);
    EXPECT_THROW(Table.SetAnswer(-1, "x"), std::out_of_range);
    EXPECT_FALSE(Table.Changed);

    Table.Current = 3;
    EXPECT_EQ(Table.CurrentQuestion(), "");
    EXPECT_EQ(Table.CurrentAnswer(), "");
    EXPECT_EQ(Table.CurrentIndex(), 3);
}

TEST(QuestionTable, DeleteRemovesTheEntryWithItsRecords)
{
    TQuestionlist Table = TableOf({{"een", "one"}, {"twee", "two"}, {"drie", "three"}});
    Table.AnswerAdmin(2).WrongCount = 4;
    Table.QuestionAdmin(2).Asked = true;
    Table.Current = 2;

    Table.Delete(-1);
    Table.Delete(3);
    EXPECT_EQ(Table.Count(), 3);
    EXPECT_FALSE(Table.Changed);

    Table.Delete(1);
    ASSERT_EQ(Table.Count(), 2);
    EXPECT_EQ(Table.Question(1), "drie");
    EXPECT_EQ(Table.AnswerAdmin(1).WrongCount, 4);
    EXPECT_TRUE(Table.QuestionAdmin(1).Asked);
    EXPECT_TRUE(Table.Changed);
    EXPECT_EQ(Table.Current, 2) << "Current is not adjusted";
}

TEST(QuestionTable, RemoveEmptyDropsIncompleteEntries)
{
    TQuestionlist Table = TableOf({{"huis", "house"}, {"  ", "space"}, {"kat", ""}, {"hond", "dog"}});
    Table.Current = 3;
    Table.RemoveEmpty();
    ASSERT_EQ(Table.Count(), 2);
    EXPECT_EQ(Table.Question(0), "huis");
    EXPECT_EQ(Table.Question(1), "hond");
    EXPECT_FALSE(Table.Changed);
    EXPECT_EQ(Table.Current, 3);
}
