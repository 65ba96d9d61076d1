// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/btaccent.h"

namespace {

// One key stroke: a key-down with its modifiers and, for keys that type a
// character, the key-press that follows.
struct TStroke {
    bool Shift = false;
    bool Ctrl = false;
    int VirtualKey = 0;
    char Typed = 0; // 0: a key without a character
};

constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_LEFT = 0x25;

TStroke Letter(char C)
{
    const bool Upper = C >= 'A' && C <= 'Z';
    const int Vk = Upper ? C : (C >= 'a' && C <= 'z' ? C - 'a' + 'A' : C);
    return {Upper, false, Vk, C};
}

TStroke CtrlKey(int Vk, bool Shift = false) { return {Shift, true, Vk, 0}; }

// Types the strokes like the main window does: key-down first; when the
// composer takes it, no character follows.
std::string Type(TBTAccent& Filter, const std::vector<TStroke>& Strokes)
{
    std::string Result;
    for (const TStroke& S : Strokes) {
        int Key = S.VirtualKey;
        if (Filter.AccentKeyDown(S.Shift, S.Ctrl, Key))
            continue;
        if (S.Typed == 0)
            continue;
        char C = S.Typed;
        Filter.AccentKeyPress(C);
        Result += C;
    }
    return Result;
}

struct TCase {
    const char* Name;
    std::vector<TStroke> Strokes;
    std::string Expected; // Windows-1252 bytes
};

class AccentComposition : public testing::TestWithParam<TCase> {};

TEST_P(AccentComposition, TypesTheExpectedCharacters)
{
    TBTAccent Filter;
    EXPECT_EQ(Type(Filter, GetParam().Strokes), GetParam().Expected);
    EXPECT_EQ(Filter.PendingAccent, 0);
}

const TStroke ShiftDown{true, false, VK_SHIFT, 0};

INSTANTIATE_TEST_SUITE_P(Examples, AccentComposition,
    testing::Values(
        TCase{"AcuteE", {CtrlKey(VK_OEM_7), Letter('e')}, "\xE9"},
        TCase{"AcuteShiftE", {CtrlKey(VK_OEM_7), ShiftDown, Letter('E')}, "\xC9"},
        TCase{"ColonDiaeresisU", {CtrlKey(VK_OEM_1, true), Letter('u')}, "\xFC"},
        TCase{"QuoteDiaeresisU", {CtrlKey(VK_OEM_7, true), Letter('u')}, "\xFC"},
        TCase{"TildeE", {CtrlKey(VK_OEM_3, true), Letter('e')}, "\x9C"},
        TCase{"TildeCapitalE", {CtrlKey(VK_OEM_3, true), ShiftDown, Letter('E')}, "\x8C"},
        TCase{"CommaA", {CtrlKey(VK_OEM_COMMA), Letter('a')}, "\xE5"},
        TCase{"CommaE", {CtrlKey(VK_OEM_COMMA), Letter('e')}, "\xE6"},
        TCase{"GraveY", {CtrlKey(VK_OEM_3), Letter('y')}, "y"},
        TCase{"GraveE", {CtrlKey(VK_OEM_3), Letter('e')}, "\xE8"},
        TCase{"CircumflexO", {CtrlKey(VK_6), Letter('o')}, "\xF4"},
        TCase{"ShiftSixIsNoAccent", {CtrlKey(VK_6, true), Letter('o')}, "o"},
        TCase{"DigitDropsAccent", {CtrlKey(VK_OEM_7), Letter('1'), Letter('e')}, "1e"},
        TCase{"SpaceDropsAccent", {CtrlKey(VK_OEM_7), Letter(' '), Letter('e')}, " e"},
        TCase{"LetterWithoutAccentDropsIt", {CtrlKey(VK_OEM_7), Letter('d'), Letter('e')}, "de"},
        TCase{"SharpSFromBAndS", {CtrlKey(VK_OEM_7), Letter('b'), CtrlKey(VK_6), Letter('s')},
            "\xDF\xDF"},
        TCase{"CedillaWithAnyAccent", {CtrlKey(VK_OEM_3), Letter('c'), CtrlKey(VK_OEM_3, true),
            ShiftDown, Letter('C')}, "\xE7\xC7"},
        TCase{"TildeN", {CtrlKey(VK_OEM_3, true), Letter('n')}, "\xF1"},
        TCase{"DiaeresisCapitalY", {CtrlKey(VK_OEM_7, true), ShiftDown, Letter('Y')}, "\x9F"},
        TCase{"TildeIStaysPlain", {CtrlKey(VK_OEM_3, true), Letter('i')}, "i"},
        TCase{"KeysWithoutCharacterKeepAccent",
            {CtrlKey(VK_OEM_7), {false, false, VK_CONTROL, 0}, {false, false, VK_LEFT, 0},
                ShiftDown, Letter('o')}, "\xF3"},
        TCase{"AccentKeyWithoutCtrlTypesItself",
            {{false, false, VK_OEM_7, '\''}, Letter('e')}, "'e"},
        TCase{"PlainTextPasses", {Letter('k'), Letter('a'), Letter('t')}, "kat"}),
    [](const testing::TestParamInfo<TCase>& Info) { return std::string(Info.param.Name); });

TEST(AccentKeyDown, TakesTheAccentKeyAndClearsIt)
{
    TBTAccent Filter;
    int Key = VK_OEM_7;
    EXPECT_TRUE(Filter.AccentKeyDown(false, true, Key));
    EXPECT_EQ(Key, 0);
    EXPECT_EQ(Filter.PendingAccent, '\'');
}

TEST(AccentKeyDown, ASecondAccentKeyPassesOnAndKeepsTheFirst)
{
    TBTAccent Filter;
    int First = VK_OEM_7;
    ASSERT_TRUE(Filter.AccentKeyDown(false, true, First));
    int Second = VK_OEM_3;
    EXPECT_FALSE(Filter.AccentKeyDown(true, true, Second));
    EXPECT_EQ(Second, VK_OEM_3);
    EXPECT_EQ(Filter.PendingAccent, '\'');
    char C = 'a';
    Filter.AccentKeyPress(C);
    EXPECT_EQ(C, '\xE1');
}

TEST(AccentKeyDown, LooksOnlyAtTheLowByteOfTheKey)
{
    TBTAccent Filter;
    int Key = 0x100 | VK_OEM_COMMA;
    EXPECT_TRUE(Filter.AccentKeyDown(false, true, Key));
    EXPECT_EQ(Filter.PendingAccent, ',');
}

TEST(AccentKeyDown, AnOrdinaryKeyWithCtrlIsNotTaken)
{
    TBTAccent Filter;
    int Key = 'C';
    EXPECT_FALSE(Filter.AccentKeyDown(false, true, Key));
    EXPECT_EQ(Key, 'C');
    EXPECT_EQ(Filter.PendingAccent, 0);
}

TEST(AccentKeyPress, WithoutPendingAccentChangesNothing)
{
    TBTAccent Filter;
    char C = 'e';
    Filter.AccentKeyPress(C);
    EXPECT_EQ(C, 'e');
}

// Every accent key reaches its own column of the composition table: the
// vowels a and o tell the six accents apart.
TEST(AccentKeys, EachKeyGivesItsAccent)
{
    const std::vector<std::pair<TStroke, std::string>> Keys{
        {CtrlKey(VK_OEM_3), "\xE0\xF2"}, {CtrlKey(VK_OEM_7), "\xE1\xF3"},
        {CtrlKey(VK_6), "\xE2\xF4"}, {CtrlKey(VK_OEM_7, true), "\xE4\xF6"},
        {CtrlKey(VK_OEM_1, true), "\xE4\xF6"}, {CtrlKey(VK_OEM_3, true), "\xE3\xF5"},
        {CtrlKey(VK_OEM_COMMA), "\xE5o"}};
    for (const auto& [Stroke, Expected] : Keys) {
        TBTAccent Filter;
        EXPECT_EQ(Type(Filter, {Stroke, Letter('a'), Stroke, Letter('o')}), Expected)
            << "virtual key " << Stroke.VirtualKey << " shift " << Stroke.Shift;
    }
}

} // namespace
