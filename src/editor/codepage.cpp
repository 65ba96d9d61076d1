// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/codepage.h"

#include <array>
#include <cstdint>

namespace {

using TByteMap = std::array<std::uint8_t, 256>;

// Windows-1252 byte for each CP850 byte from 0x80 on. The first 97 shared
// characters follow the published mappings; the 31 DOS characters without a
// Windows counterpart (shades, box drawing, dotless i, double low line,
// black square) take the 31 free Windows bytes (0x80-0x9F except 0x83) in
// ascending order.
constexpr std::array<std::uint8_t, 128> DosHighToWin = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5, // 0x80
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0xF8, 0xA3, 0xD8, 0xD7, 0x83, // 0x90
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA, 0xBF, 0xAE, 0xAC, 0xBD, 0xBC, 0xA1, 0xAB, 0xBB, // 0xA0
    0x80, 0x81, 0x82, 0x84, 0x85, 0xC1, 0xC2, 0xC0, 0xA9, 0x86, 0x87, 0x88, 0x89, 0xA2, 0xA5, 0x8A, // 0xB0
    0x8B, 0x8C, 0x8D, 0x8E, 0x8F, 0x90, 0xE3, 0xC3, 0x91, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0xA4, // 0xC0
    0xF0, 0xD0, 0xCA, 0xCB, 0xC8, 0x98, 0xCD, 0xCE, 0xCF, 0x99, 0x9A, 0x9B, 0x9C, 0xA6, 0xCC, 0x9D, // 0xD0
    0xD3, 0xDF, 0xD4, 0xD2, 0xF5, 0xD5, 0xB5, 0xFE, 0xDE, 0xDA, 0xDB, 0xD9, 0xFD, 0xDD, 0xAF, 0xB4, // 0xE0
    0xAD, 0xB1, 0x9E, 0xBE, 0xB6, 0xA7, 0xF7, 0xB8, 0xB0, 0xA8, 0xB7, 0xB9, 0xB3, 0xB2, 0x9F, 0xA0, // 0xF0
};

constexpr TByteMap MakeDosToWin()
{
    TByteMap Map{};
    for (int Byte = 0; Byte < 128; ++Byte)
        Map[Byte] = static_cast<std::uint8_t>(Byte);
    for (int Byte = 128; Byte < 256; ++Byte)
        Map[Byte] = DosHighToWin[Byte - 128];
    return Map;
}

constexpr TByteMap MakeInverse(const TByteMap& Map)
{
    TByteMap Inverse{};
    for (int Byte = 0; Byte < 256; ++Byte)
        Inverse[Map[Byte]] = static_cast<std::uint8_t>(Byte);
    return Inverse;
}

constexpr bool IsBijection(const TByteMap& Map)
{
    std::array<bool, 256> Seen{};
    for (std::uint8_t Value : Map) {
        if (Seen[Value])
            return false;
        Seen[Value] = true;
    }
    return true;
}

constexpr TByteMap DosToWinMap = MakeDosToWin();
constexpr TByteMap WinToDosMap = MakeInverse(DosToWinMap);
static_assert(IsBijection(DosToWinMap), "the code-page map must pair all 256 bytes one to one");

char Translate(const TByteMap& Map, char Byte)
{
    return static_cast<char>(Map[static_cast<unsigned char>(Byte)]);
}

void TranslateInPlace(const TByteMap& Map, std::string& Text)
{
    for (char& Byte : Text)
        Byte = Translate(Map, Byte);
}

} // namespace

char DosCharToWin(char Dos) { return Translate(DosToWinMap, Dos); }
char WinCharToDos(char Win) { return Translate(WinToDosMap, Win); }

std::string DosTextToWin(std::string_view Text)
{
    std::string Result(Text);
    TranslateInPlace(DosToWinMap, Result);
    return Result;
}

std::string WinTextToDos(std::string_view Text)
{
    std::string Result(Text);
    TranslateInPlace(WinToDosMap, Result);
    return Result;
}

void DosToWin(std::string& Text) { TranslateInPlace(DosToWinMap, Text); }
void WinToDos(std::string& Text) { TranslateInPlace(WinToDosMap, Text); }

namespace {

struct TCharsetCodePage {
    int Charset;
    int CodePage;
};

constexpr std::array<TCharsetCodePage, 9> NonWesternCharsets{{
    {238, 1250}, {204, 1251}, {161, 1253}, {162, 1254}, {177, 1255},
    {178, 1256}, {186, 1257}, {163, 1258}, {222, 874},
}};

} // namespace

int CodePageOfCharset(int Charset)
{
    for (const auto& Pair : NonWesternCharsets)
        if (Pair.Charset == Charset)
            return Pair.CodePage;
    return 1252;
}

int CharsetOfCodePage(int CodePage)
{
    for (const auto& Pair : NonWesternCharsets)
        if (Pair.CodePage == CodePage)
            return Pair.Charset;
    return 0;
}

const std::array<int, 10>& ColumnCodePages()
{
    static constexpr std::array<int, 10> CodePages{1252, 1250, 1251, 1253, 1254, 1257, 1258, 1255, 1256, 874};
    return CodePages;
}

bool IsLatinCodePage(int CodePage)
{
    return CodePage == 1250 || CodePage == 1252 || CodePage == 1254 || CodePage == 1257 || CodePage == 1258;
}

bool IsRightToLeftCodePage(int CodePage)
{
    return CodePage == 1255 || CodePage == 1256;
}
