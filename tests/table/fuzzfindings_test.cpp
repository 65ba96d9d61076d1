// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs that the fuzzers brought up, kept as regular tests.
#include <gtest/gtest.h>

#include <string>

#include "table/questionlist.h"
#include "tabletestfiles.h"

namespace {

using namespace std::string_literals;

// A font line whose question side is longer than a text may be: the
// specification is cut with it and changes nothing on the next read, while
// the entries of the file come back unchanged.
TEST(FuzzFindings, OverlongFontNameDoesNotDisturbTheEntries)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("lang.mt");
    const std::string LongName(141, '(');
    WriteBytes(Name, "[FONT:" + LongName + ",10] = [FONT:\0'\0002]\r\nhuis = house\r\n"s);

    TQuestionlist Table;
    Table.LoadFromFile(Name);
    ASSERT_EQ(Table.Count(), 1);
    EXPECT_EQ(Table.QuestionFont.Name, LongName);
    EXPECT_EQ(Table.QuestionFont.Size, 10);

    const std::string Copy = Folder.File("kopie.mt");
    Table.WriteToFile(Copy, 0);
    TQuestionlist Again;
    Again.LoadFromFile(Copy);
    ASSERT_EQ(Again.Count(), 1);
    EXPECT_EQ(Again.Question(0), "huis");
    EXPECT_EQ(Again.Answer(0), "house");
    EXPECT_EQ(Again.QuestionFont.Name, "Arial") << "the cut specification has no closing bracket";
}

} // namespace
