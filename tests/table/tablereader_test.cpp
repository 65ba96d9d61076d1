// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a table file block by block: lines cut by the end of a block, lines
// that run on for megabytes, and texts kept where they were read while others
// change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/questionlist.h"
#include "table/tablefile.h"
#include "table/tablereader.h"
#include "tabletestfiles.h"

using namespace std::string_literals;

namespace {

TPairs LoadEntries(const std::string& Bytes, const std::string& Name = "t.MT4")
{
    return EntriesOf(LoadBytes(Bytes, Name));
}

// Lines "v<n> = aaa...", with their entries, that fill at least Size bytes
// but for the last 200 to 400.
struct TFiller {
    explicit TFiller(std::size_t Size)
    {
        for (int n = 0; Bytes.size() + 400 < Size; ++n) {
            Entries.emplace_back("v" + std::to_string(n), std::string(140, 'a'));
            Bytes += Entries.back().first + " = " + Entries.back().second + "\r\n";
        }
    }
    // The lines and one more of "x=y   ..." that make exactly Size bytes.
    [[nodiscard]] std::string Exactly(std::size_t Size) const
    {
        return Bytes + "x=y" + std::string(Size - Bytes.size() - 5, ' ') + "\r\n";
    }
    [[nodiscard]] TPairs EntriesWithLast() const
    {
        TPairs Result = Entries;
        Result.emplace_back("x", "y");
        return Result;
    }

    std::string Bytes;
    TPairs Entries;
};

} // namespace

TEST(TableReader, LinesCutByTheEndOfABlockReadWhole)
{
    // A line of every kind of byte, with the end of the first block falling
    // before each of its bytes in turn.
    const std::string Special = "  ab\x01" "c = d=e \x1f\r\nf=g\rh = i\n";
    const TPairs SpecialEntries{{"ab c", "de"}, {"f", "g"}, {"h", "i"}};
    const TFiller Filler(TTableReader::BlockSize - Special.size());
    for (std::size_t Cut = 0; Cut <= Special.size(); ++Cut) {
        const std::size_t Size = TTableReader::BlockSize - Cut;
        TPairs Expected = Filler.EntriesWithLast();
        Expected.insert(Expected.end(), SpecialEntries.begin(), SpecialEntries.end());
        Expected.emplace_back("laatste", "last");
        ASSERT_EQ(LoadEntries(Filler.Exactly(Size) + Special + "laatste = last"), Expected) << "cut before byte " << Cut;
    }
}

TEST(TableReader, EndlessLinesKeepTheStartOfEachText)
{
    const std::size_t Mega = 1u << 20;
    const std::string Blanks(3 * Mega, ' ');
    struct TCase {
        const char* Name;
        std::string Line;
        TPairs Expected;
    };
    const std::vector<TCase> Cases{
        {"BlanksThenTexts",
         Blanks + "abc" + std::string(2 * Mega, 'x') + "==" + Blanks + "\x01" "de=f" + std::string(5 * Mega, 'y') + " ",
         {{"abc" + std::string(149, 'x'), "def" + std::string(149, 'y')}}},
        {"NoEqualsAtAll", std::string(9 * Mega, 'q'), {}},
        {"EqualsAfterMegabytes", std::string(9 * Mega, 'q') + "= a", {{std::string(152, 'q'), "a"}}},
        {"ShortAnswerAfterLongBlanks", "vraag =" + Blanks + Blanks + "antwoord  \t", {{"vraag", "antwoord"}}},
        {"EqualsOnly", std::string(9 * Mega, '='), {}},
    };
    for (const TCase& Case : Cases) {
        TPairs Expected = Case.Expected;
        Expected.emplace_back("kort", "short");
        EXPECT_EQ(LoadEntries(Case.Line + "\r\nkort = short\r\n"), Expected) << Case.Name;
    }
}

TEST(TableReader, DosTextsAreConvertedWhereTheyWereRead)
{
    // The code page turns DOS 0x82 into Windows 0xE9, also past a block end.
    const std::size_t Size = TTableReader::BlockSize - 3;
    const TFiller Filler(Size);
    TPairs Expected = Filler.EntriesWithLast();
    Expected.emplace_back("caf\xe9", "\xe9t\xe9");
    EXPECT_EQ(LoadEntries(Filler.Exactly(Size) + "caf\x82 = \x82t\x82\r\n", "t.mtw"), Expected);
}

TEST(TableReader, ReadTextsStayWhileOthersChange)
{
    TScratchFolder Folder;
    WriteBytes(Folder.File("a.MT4"), "een = one\r\ntwee = two\r\ndrie = three\r\n");
    WriteBytes(Folder.File("b.MT4"), "vier = four\r\n");
    TQuestionlist Table;
    Table.LoadFromFile(Folder.File("a.MT4"));
    Table.SetQuestion(0, "  EEN ");
    const std::string_view Edited = Table.StoredQuestion(0);
    const std::string_view Read = Table.StoredAnswer(2);
    for (int i = 0; i < 1000; ++i)
        Table.Add("vraag " + std::to_string(i), "antwoord " + std::to_string(i));
    Table.SetAnswer(1, "TWO");
    EXPECT_EQ(Edited, "EEN");
    EXPECT_EQ(Read, "three");

    // Texts of deleted entries make room for new ones, never for old ones.
    for (int i = 1002; i >= 3; --i)
        Table.Delete(i);
    Table.Delete(0);
    Table.Add("vijf", "five");
    Table.SetQuestion(1, "DRIE");
    Table.LoadFromFile(Folder.File("b.MT4"));
    EXPECT_EQ(EntriesOf(Table), (TPairs{{"twee", "TWO"}, {"DRIE", "three"}, {"vijf", "five"}, {"vier", "four"}}));

    Table.WriteToFile(Folder.File("uit.MT4"), 0);
    EXPECT_EQ(ReadBytes(Folder.File("uit.MT4")), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\ntwee = TWO\r\nDRIE = three\r\nvijf = five\r\nvier = four\r\n");
}
