// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing table files: line format, code pages, font lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "table/questionlist.h"
#include "table/tablefile.h"
#include "tabletestfiles.h"

using namespace std::string_literals;

namespace {

struct TLineCase {
    const char* Name;
    std::string Bytes;
    TPairs Expected;
};

void PrintTo(const TLineCase& Case, std::ostream* Out) { *Out << Case.Name; }

class TableLines : public testing::TestWithParam<TLineCase> {};

TEST_P(TableLines, ReadAsEntries)
{
    EXPECT_EQ(EntriesOf(LoadBytes(GetParam().Bytes)), GetParam().Expected);
}

const std::string Long200(200, 'q');

INSTANTIATE_TEST_SUITE_P(
    LineFormat, TableLines,
    testing::Values(
        TLineCase{"Spaced", "huis = house\r\n", {{"huis", "house"}}},
        TLineCase{"Tight", "huis=house\r\n", {{"huis", "house"}}},
        TLineCase{"SecondEqualsDropped", "a = b = c\r\n", {{"a", "b  c"}}},
        TLineCase{"NothingToTake", "geen gelijkteken\r\n\r\n= house\r\nhuis =\r\n   \r\n", {}},
        TLineCase{"ControlsBecomeSpaces", "\thet\thuis\t=\x01the\x00house\x1f\r\n"s, {{"het huis", "the house"}}},
        TLineCase{"LfOnly", "een = one\ntwee = two\ndrie = three", {{"een", "one"}, {"twee", "two"}, {"drie", "three"}}},
        TLineCase{"LoneCrEndsALine", "een = one\rtwee = two\rdrie = three\r", {{"een", "one"}, {"twee", "two"}, {"drie", "three"}}},
        TLineCase{"MixedLineEnds", "een = one\r\r\ntwee = two\n\rdrie = three\r\n", {{"een", "one"}, {"twee", "two"}, {"drie", "three"}}},
        TLineCase{"CtrlZEndsTheFile", "een = one\r\ntwee = two\x1a\r\ndrie = three\r\n", {{"een", "one"}, {"twee", "two"}}},
        TLineCase{"CtrlZAtLineStart", "een = one\r\n\x1atwee = two\r\n", {{"een", "one"}}},
        TLineCase{"CutTo152", Long200 + " = " + Long200 + "\r\n", {{Long200.substr(0, 152), Long200.substr(0, 152)}}},
        TLineCase{"CutAfterLeadingBlanks", std::string(300, ' ') + Long200 + "=x", {{Long200.substr(0, 152), "x"}}},
        TLineCase{"NoBlankLeftAtTheCut", std::string(151, 'a') + "    b = x", {{std::string(151, 'a'), "x"}}},
        TLineCase{"HighBytesAreNotBlanks", "\xa0huis\xa0 = \xffhouse\r\n", {{"\xa0huis\xa0", "\xffhouse"}}},
        TLineCase{"Empty", "", {}}),
    [](const testing::TestParamInfo<TLineCase>& Info) { return std::string(Info.param.Name); });

} // namespace

TEST(TableFile, CodePageFollowsTheExtension)
{
    const std::string Bytes = "caf\x82 = caf\xe9\r\n";
    for (const char* Name : {"t.MT4", "t.mt4", "t.Mt4"})
        EXPECT_EQ(EntriesOf(LoadBytes(Bytes, Name)), (TPairs{{"caf\x82", "caf\xe9"}})) << Name;
    // DOS byte 0x82 is é (Windows 0xE9); DOS byte 0xE9 is Ú (Windows 0xDA).
    for (const char* Name : {"t.mtw", "t.mt", "t.txt", "t.asc", "t", "t.MT4.bak"})
        EXPECT_EQ(EntriesOf(LoadBytes(Bytes, Name)), (TPairs{{"caf\xe9", "caf\xda"}})) << Name;
}

TEST(TableFile, IsDosFileLooksAtTheLastExtensionOfTheName)
{
    EXPECT_FALSE(IsDosFile("woorden.MT4"));
    EXPECT_FALSE(IsDosFile("/home/jan/Woorden.mT4"));
    EXPECT_FALSE(IsDosFile(".MT4"));
    EXPECT_TRUE(IsDosFile("woorden.mtw"));
    EXPECT_TRUE(IsDosFile("woorden"));
    EXPECT_TRUE(IsDosFile("/home/jan.MT4/woorden"));
    EXPECT_TRUE(IsDosFile("woorden.MT4 "));
    EXPECT_TRUE(IsDosFile(""));
}

TEST(TableFile, WritingConvertsToTheFilesCodePage)
{
    TScratchFolder Folder;
    TQuestionlist Table;
    Table.QuestionFont.Charset = 0;
    Table.AnswerFont.Charset = 0;
    Table.Add("caf\xe9", "\xa3 5");
    Table.WriteToFile(Folder.File("t.mt"), 0);
    EXPECT_EQ(ReadBytes(Folder.File("t.mt")), "caf\x82 = \x9c 5\r\n");
    Table.WriteToFile(Folder.File("t.mt4"), 0);
    EXPECT_EQ(ReadBytes(Folder.File("t.mt4")), "caf\xe9 = \xa3 5\r\n");
}

TEST(TableFile, DosFileReadAndWrittenBackIsByteIdentical)
{
    TScratchFolder Folder;
    std::string Bytes;
    for (int Byte = 0x80; Byte < 0x100; Byte += 8) {
        std::string Text;
        for (int i = 0; i < 8; ++i)
            Text.push_back(static_cast<char>(Byte + i));
        Bytes += "x" + Text + " = " + Text + "y\r\n";
    }
    WriteBytes(Folder.File("in.txt"), "[FONT:Arial,9,0] = [FONT:Arial,9,0]\r\n" + Bytes);
    TQuestionlist Table;
    Table.LoadFromFile(Folder.File("in.txt"));
    ASSERT_EQ(Table.Count(), 16);
    Table.WriteToFile(Folder.File("out.txt"), 0);
    EXPECT_EQ(ReadBytes(Folder.File("out.txt")), Bytes);
}

TEST(TableFile, FontLineSetsBothFontsAndMakesNoEntry)
{
    TQuestionlist Table = LoadBytes("[FONT:Courier New,10,0] = [FONT:Arial,12,161]\r\nhuis = house\r\n");
    EXPECT_EQ(Table.Count(), 1);
    EXPECT_EQ(Table.QuestionFont.Name, "Courier New");
    EXPECT_EQ(Table.QuestionFont.Size, 10);
    EXPECT_EQ(Table.QuestionFont.Charset, 0);
    EXPECT_EQ(Table.AnswerFont.Name, "Arial");
    EXPECT_EQ(Table.AnswerFont.Size, 12);
    EXPECT_EQ(Table.AnswerFont.Charset, 161);

    // DOS files do not convert font lines.
    Table = LoadBytes("[FONT:Caf\x82,8,0] = [FONT:A,8,0]\r\n", "t.mt");
    EXPECT_EQ(Table.QuestionFont.Name, "Caf\x82");

    // Accepted on any line; a later one overrides.
    Table = LoadBytes("huis = house\r\n[FONT:Caf,8,0] = [FONT:A,8,0]\r\n[FONT:Verdana,x,0] = [FONT:B,8]\r\n");
    EXPECT_EQ(Table.Count(), 1);
    EXPECT_EQ(Table.QuestionFont.Name, "Verdana");
    EXPECT_EQ(Table.QuestionFont.Size, 9) << "a size that is no number becomes 9";
    EXPECT_EQ(Table.AnswerFont.Name, "B");
    EXPECT_EQ(Table.AnswerFont.Charset, 0) << "kept from the line before";

    // With the tag on one side only, it is an ordinary entry (or nothing).
    Table = LoadBytes("[FONT:Courier,10,0] = huis\r\n[FONT:Courier,10,0] =\r\n");
    EXPECT_EQ(EntriesOf(Table), (TPairs{{"[FONT:Courier,10,0]", "huis"}}));
    EXPECT_EQ(Table.QuestionFont, TTableFont());
}

TEST(TableFile, ReadFontSpecFieldByField)
{
    struct TCase {
        const char* FontText;
        TTableFont Expected;
    };
    const TTableFont Start{"Arial", 9, 1};
    const TCase Cases[] = {
        {"[FONT:Courier New,10,0]", {"Courier New", 10, 0}},
        {"[FONT:Verdana]", {"Verdana", 9, 1}},
        {"[FONT:Verdana,14]", {"Verdana", 14, 1}},
        {"[FONT:,14,0]", {"Arial", 14, 0}},
        {"[FONT:Verdana,14,0", {"Arial", 9, 1}},
        {"[FONT:Tahoma,big,x]", {"Tahoma", 9, 0}},
        {"[FONT:Tahoma,12,300]", {"Tahoma", 12, 44}},
        {"[FONT:Tahoma, 12 , 7 ]", {"Tahoma", 12, 7}},
        {"[FONT:Tahoma,99999999999,-1]", {"Tahoma", 9, 255}},
        {"xx [FONT:Tahoma,12,0] [FONT:Other,8,8]", {"Tahoma", 12, 0}},
        {"[FONT", {"Arial", 9, 1}},
        {"", {"Arial", 9, 1}},
    };
    for (const TCase& Case : Cases) {
        TTableFont Font = Start;
        ReadFontSpec(Case.FontText, Font);
        EXPECT_EQ(Font, Case.Expected) << Case.FontText;
    }
}

TEST(TableFile, FontLineIsWrittenUnlessBothFontsAreArial9Western)
{
    TScratchFolder Folder;
    TQuestionlist Table;
    Table.QuestionFont = {"Times New Roman", 12, 0};
    Table.Add("huis", "house");
    Table.Add("de kat", "the cat");
    Table.Add("leeg", "");
    Table.WriteToFile(Folder.File("a.MT4"), 0);
    EXPECT_EQ(ReadBytes(Folder.File("a.MT4")),
              "[FONT:Times New Roman,12,0] = [FONT:Arial,9,1]\r\nhuis = house\r\nde kat = the cat\r\n");

    Table.QuestionFont = {"Arial", 9, 1};
    Table.WriteToFile(Folder.File("b.MT4"), 0);
    EXPECT_EQ(ReadBytes(Folder.File("b.MT4")).substr(0, 40), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nhui");

    Table.QuestionFont.Charset = 0;
    Table.AnswerFont.Charset = 0;
    Table.WriteToFile(Folder.File("c.MT4"), 0);
    EXPECT_EQ(ReadBytes(Folder.File("c.MT4")), "huis = house\r\nde kat = the cat\r\n");

    // What was written reads back to the same table.
    TQuestionlist Again;
    Again.LoadFromFile(Folder.File("a.MT4"));
    EXPECT_EQ(EntriesOf(Again), (TPairs{{"huis", "house"}, {"de kat", "the cat"}}));
    EXPECT_EQ(Again.QuestionFont, (TTableFont{"Times New Roman", 12, 0}));
}

TEST(TableFile, WritingTheWrongAnswersKeepsTheTableChanged)
{
    TScratchFolder Folder;
    TQuestionlist Table;
    Table.Add("een", "one");
    Table.Add("twee", "two");
    Table.Add("drie", "three");
    Table.AnswerAdmin(1).WrongCount = 2;
    Table.AnswerAdmin(2).WrongCount = 1;
    Table.Changed = true;

    Table.WriteToFile(Folder.File("fout.MT4"), 2);
    EXPECT_EQ(ReadBytes(Folder.File("fout.MT4")), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\ntwee = two\r\n");
    EXPECT_TRUE(Table.Changed) << "the table itself was not saved";

    Table.WriteToFile(Folder.File("alles.MT4"), 0);
    EXPECT_FALSE(Table.Changed);
}

TEST(TableFile, ReadingAppendsAndManagesTheListName)
{
    TScratchFolder Folder;
    WriteBytes(Folder.File("a.MT4"), "een = one\r\n");
    WriteBytes(Folder.File("b.MT4"), "twee = two\r\ndrie = three\r\n");
    TQuestionlist Table;
    Table.LoadFromFile(Folder.File("a.MT4"));
    EXPECT_EQ(Table.ListName, Folder.File("a.MT4"));
    EXPECT_FALSE(Table.Changed);
    Table.Changed = true;
    Table.Current = 0;
    Table.LoadFromFile(Folder.File("b.MT4"));
    EXPECT_EQ(Table.ListName, "");
    EXPECT_EQ(EntriesOf(Table), (TPairs{{"een", "one"}, {"twee", "two"}, {"drie", "three"}}));
    EXPECT_TRUE(Table.Changed);
    EXPECT_EQ(Table.Current, 0);
    EXPECT_EQ(Table.AnswerAdmin(2).WrongCount, 0);

    Table.LoadFromFile("");
    EXPECT_EQ(Table.Count(), 3);
}

TEST(TableFile, SaveToFileNamesTheTableAndSkipsAnEmptyOne)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("t.MT4");
    WriteBytes(Name, "oud = old\r\n");
    TQuestionlist Table;
    Table.Changed = true;
    Table.SaveToFile(Name);
    EXPECT_EQ(Table.ListName, Name);
    EXPECT_EQ(ReadBytes(Name), "oud = old\r\n");
    EXPECT_TRUE(Table.Changed);

    Table.Add("nieuw", "new");
    Table.SaveToFile(Name);
    EXPECT_EQ(ReadBytes(Name), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nnieuw = new\r\n");
    EXPECT_FALSE(Table.Changed);

    Table.Changed = true;
    EXPECT_THROW(Table.SaveToFile(Folder.File("nergens/t.MT4")), EListWriteError);
    EXPECT_EQ(Table.ListName, Folder.File("nergens/t.MT4"));
    EXPECT_TRUE(Table.Changed);
}

TEST(TableFile, ArbitraryBytesGiveOnlyCleanEntries)
{
    std::mt19937 Random(12345);
    std::string Bytes(1 << 20, '\0');
    for (char& Byte : Bytes)
        Byte = static_cast<char>(Random() % 256);
    for (const char* Name : {"t.MT4", "t.mt"}) {
        TQuestionlist Table = LoadBytes(Bytes, Name);
        EXPECT_GT(Table.Count(), 0) << Name;
        for (const auto& [Question, Answer] : EntriesOf(Table)) {
            for (const std::string& Text : {Question, Answer}) {
                ASSERT_FALSE(Text.empty());
                ASSERT_LE(Text.size(), 152u);
                ASSERT_EQ(Text.find('='), std::string::npos);
                ASSERT_EQ(TrimmedView(Text).size(), Text.size());
                for (char Byte : Text)
                    ASSERT_GE(static_cast<unsigned char>(Byte), ' ');
            }
        }
    }
}

TEST(TableFile, MegabyteLinesAreCut)
{
    const std::string Question(1 << 20, 'v');
    const std::string Answer(1 << 20, 'a');
    TQuestionlist Table = LoadBytes(Question + "=" + Answer + "\r\nkort = short\r\n");
    EXPECT_EQ(EntriesOf(Table), (TPairs{{Question.substr(0, 152), Answer.substr(0, 152)}, {"kort", "short"}}));
}

TEST(TableFile, ExampleTablesReadWithTheirAccents)
{
    TScratchFolder Folder;
    const std::string English = MEMORANT_EXAMPLES_DIR "/engels.MT4";
    TQuestionlist Table;
    Table.LoadFromFile(English);
    EXPECT_GE(Table.Count(), 200);
    EXPECT_EQ(Table.QuestionFont, (TTableFont{"Arial", 10, 0}));
    EXPECT_EQ(Table.AnswerFont, (TTableFont{"Times New Roman", 10, 0}));
    const TPairs Entries = EntriesOf(Table);
    EXPECT_NE(std::find(Entries.begin(), Entries.end(), std::pair<std::string, std::string>("\xe9\xe9n", "one")), Entries.end());
    Table.WriteToFile(Folder.File("engels.MT4"), 0);
    EXPECT_EQ(ReadBytes(Folder.File("engels.MT4")), ReadBytes(English));

    TQuestionlist French;
    French.LoadFromFile(MEMORANT_EXAMPLES_DIR "/frans.mt");
    ASSERT_GE(French.Count(), 30);
    EXPECT_EQ(French.Question(1), "le caf\xe9");
    EXPECT_EQ(French.Answer(18), "na\xef" "ef");
}
