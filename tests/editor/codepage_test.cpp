// SPDX-License-Identifier: GPL-3.0-or-later
// The DOS (CP850) <-> Windows-1252 conversion, checked against glibc's iconv.
#include <gtest/gtest.h>

#include <iconv.h>
#include <optional>
#include <set>

#include "editor/codepage.h"

namespace {

// The byte iconv makes of Byte from one code page to the other, if it knows
// the character in both.
std::optional<unsigned char> IconvByte(const char* From, const char* To, unsigned char Byte)
{
    iconv_t Converter = ::iconv_open(To, From);
    if (Converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert ") + From + " to " + To);
    char In = static_cast<char>(Byte);
    char Out[8] = {};
    char* InPtr = &In;
    char* OutPtr = Out;
    std::size_t InLeft = 1;
    std::size_t OutLeft = sizeof Out;
    std::size_t Result = ::iconv(Converter, &InPtr, &InLeft, &OutPtr, &OutLeft);
    ::iconv_close(Converter);
    if (Result == static_cast<std::size_t>(-1) || OutPtr - Out != 1)
        return std::nullopt;
    return static_cast<unsigned char>(Out[0]);
}

std::string AllBytes()
{
    std::string Bytes;
    for (int Byte = 0; Byte < 256; ++Byte)
        Bytes.push_back(static_cast<char>(Byte));
    return Bytes;
}

} // namespace

TEST(CodePage, SharedCharactersMapAsIconvDoes)
{
    int Shared = 0;
    for (int Byte = 0x80; Byte < 0x100; ++Byte) {
        const auto Dos = static_cast<unsigned char>(Byte);
        if (auto Win = IconvByte("CP850", "CP1252", Dos)) {
            ++Shared;
            EXPECT_EQ(static_cast<unsigned char>(DosCharToWin(static_cast<char>(Dos))), *Win) << "DOS byte " << Byte;
        }
        if (auto Back = IconvByte("CP1252", "CP850", Dos)) {
            EXPECT_EQ(static_cast<unsigned char>(WinCharToDos(static_cast<char>(Dos))), *Back) << "Windows byte " << Byte;
        }
    }
    // All of Latin-1's upper half plus the florin sign.
    EXPECT_EQ(Shared, 97);
}

TEST(CodePage, WellKnownLetters)
{
    EXPECT_EQ(DosTextToWin("caf\x82 cr\x8ame \x9c"), "caf\xe9 cr\xe8me \xa3");
    EXPECT_EQ(WinTextToDos("\xe9\xeb\xef\xfc\xc7\xdf"), "\x82\x89\x8b\x81\x80\xe1");
    EXPECT_EQ(DosTextToWin(""), "");
}

TEST(CodePage, BothDirectionsAreInverseBijections)
{
    const std::string Bytes = AllBytes();
    const std::string Win = DosTextToWin(Bytes);
    const std::string Dos = WinTextToDos(Bytes);
    EXPECT_EQ(std::set<char>(Win.begin(), Win.end()).size(), 256u);
    EXPECT_EQ(std::set<char>(Dos.begin(), Dos.end()).size(), 256u);
    EXPECT_EQ(WinTextToDos(Win), Bytes);
    EXPECT_EQ(DosTextToWin(Dos), Bytes);
    EXPECT_EQ(Win.substr(0, 128), Bytes.substr(0, 128)) << "ASCII and control bytes stay";

    std::string InPlace = Bytes;
    DosToWin(InPlace);
    EXPECT_EQ(InPlace, Win);
    WinToDos(InPlace);
    EXPECT_EQ(InPlace, Bytes);
}

TEST(CodePageOfCharset, MapsTheWindowsCharacterSets)
{
    const std::pair<int, int> Cases[] = {
        {0, 1252},   {1, 1252},   {238, 1250}, {204, 1251}, {161, 1253}, {162, 1254},
        {177, 1255}, {178, 1256}, {186, 1257}, {163, 1258}, {222, 874},  {2, 1252},
        {128, 1252}, {255, 1252}, {-1, 1252},
    };
    for (const auto& [Charset, CodePage] : Cases)
        EXPECT_EQ(CodePageOfCharset(Charset), CodePage) << Charset;
    for (const int CodePage : ColumnCodePages())
        EXPECT_EQ(CodePageOfCharset(CharsetOfCodePage(CodePage)), CodePage) << CodePage;
    EXPECT_TRUE(IsLatinCodePage(1250));
    EXPECT_FALSE(IsLatinCodePage(1251));
    EXPECT_TRUE(IsRightToLeftCodePage(1256));
    EXPECT_FALSE(IsRightToLeftCodePage(1253));
}
