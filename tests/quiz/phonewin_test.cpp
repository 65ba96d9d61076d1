// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "quiz/phonewin.h"

namespace {

struct TCodeCase {
    const char* Text;
    int Start;
    const char* Code;
};

TEST(Phonewin, SoundexCodeClassesCollapsesAndDropsVowels)
{
    const TCodeCase Cases[] = {
        {"hond", 1, "53"},       {"hond", 2, "H53"},     {"de kat", 1, "323"},
        {"appel", 1, "14"},      {"eppel", 1, "14"},     {"bob", 1, "11"},   // a vowel keeps both
        {"bbb", 1, "1"},         {"Pfeffer", 2, "P116"}, {"pf", 2, "P1"},    // first letter not merged
        {"", 1, ""},             {"", 2, ""},            {"a", 2, "A"},
        {"\xE9" "clair", 2, "\xE9" "246"},                                   // accented first letter kept as is
        {"Stra\xDF" "e", 2, "S362"},                                         // sharp s is class 2
        {"\xD1u\xF0\x8A", 1, "532"},                                         // N tilde, eth, S caron
        {"12 ab", 2, "11"},                                                  // digits are class 0
    };
    for (const TCodeCase& Case : Cases)
        EXPECT_EQ(SoundexCode(Case.Text, Case.Start), Case.Code) << Case.Text << " from " << Case.Start;
}

TEST(Phonewin, DutchSoundexFoldsDutchSpellings)
{
    const std::pair<const char*, const char*> Cases[] = {
        {"wijn", "W5"},   {"zeef", "S1"},   {"vis", "F2"},    {"ceder", "S36"}, {"cola", "K4"},
        {"straat", "S363"}, {"straad", "S363"}, {"kat", "K3"}, {"cat", "K3"},  {"appel", "A14"},
        {"eppel", "E14"}, {"bijl", "B4"},   {"bIJl", "B4"},   {"biJl", "B24"},  // mixed iJ stays
        {"bijjl", "B4"},  {"c", "C"},       {"ci", "S"},      {"zv", "S1"},     {"", ""},
    };
    for (const auto& [Text, Code] : Cases)
        EXPECT_EQ(DutchSoundex(Text), Code) << Text;
}

TEST(Phonewin, NoDigits)
{
    EXPECT_TRUE(NoDigits(""));
    EXPECT_TRUE(NoDigits("euro \xE9"));
    EXPECT_FALSE(NoDigits("10 euro"));
    EXPECT_FALSE(NoDigits("nul0"));
}

// The packed key and its ranges must pick exactly the texts whose code,
// cut to Len characters, equals the wanted code cut to Len.
TEST(Phonewin, KeyRangesMatchCutCodes)
{
    std::mt19937 Engine(11);
    const std::string Alphabet = "abdhklnrstAHK \xE9\xDF";
    const auto RandomText = [&] {
        std::string Text(Engine() % 7, ' ');
        for (char& C : Text)
            C = Alphabet[Engine() % Alphabet.size()];
        return Text;
    };
    for (int Round = 0; Round < 3000; ++Round) {
        const std::string Wanted = SoundexCode(RandomText(), 2);
        const std::string Text = RandomText();
        const std::string Code = SoundexCode(Text, 2);
        const TPhoneticKey Key = PhoneticKey(Text);
        for (int Len = 0; Len <= 4; ++Len) {
            const TPhoneticKeyRange Range = PhoneticKeyRange(Wanted, Len);
            const bool InRange = Key >= Range.Low && Key <= Range.High;
            EXPECT_EQ(InRange, Code.substr(0, Len) == Wanted.substr(0, Len))
                << "'" << Text << "' against " << Wanted << " at " << Len;
        }
    }
}

} // namespace
