// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs that the fuzzers brought up, kept as regular tests.
#include <gtest/gtest.h>

#include <string>

#include "table/questionlist.h"
#include "tabletestfiles.h"

namespace {

using namespace std::string_literals;

// A font line whose question side is longer than a text may be: the font is
// cut with it and changes nothing on the next read, while
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
    EXPECT_EQ(Again.QuestionFont.Name, "Arial") << "the cut font line has no closing bracket";
}

} // namespace

namespace {

// Both fonts plain Arial 9 with character set 0 need no font line; the table
// read back has the fonts of a new table and the same entries.
TEST(FuzzFindings, PlainArialFontLineIsNotWrittenBack)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("plat.MT4");
    WriteBytes(Name, "[FONT:Arial,[F10,0] = [FONT:Arial,9,0]\r\nhuis = house\r\n");
    TQuestionlist Table;
    Table.LoadFromFile(Name);
    EXPECT_EQ(Table.QuestionFont.Size, 9) << "a size that is no number reads as 9";
    EXPECT_EQ(Table.QuestionFont.Charset, 0);

    const std::string Copy = Folder.File("kopie.MT4");
    Table.WriteToFile(Copy, 0);
    EXPECT_EQ(ReadBytes(Copy), "huis = house\r\n");
}

} // namespace
