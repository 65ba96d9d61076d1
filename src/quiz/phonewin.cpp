// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/phonewin.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<char, 256> MakeSoundexTable()
{
    std::array<char, 256> Table{};
    Table.fill('0');
    const auto Put = [&Table](std::string_view Bytes, char Code) {
        for (const char Byte : Bytes)
            Table[static_cast<unsigned char>(Byte)] = Code;
    };
    Put("BFPVbfpv", '1');
    Put("CGJKQSXZcgjkqsxz\x8A\x9A\xC7\xE7\xDF", '2'); // S/s caron, C/c cedilla, sharp s
    Put("DTdt\xD0\xF0", '3');                        // eth
    Put("Ll", '4');
    Put("MNmn\xD1\xF1", '5');                        // N/n tilde
    Put("Rr", '6');
    return Table;
}

constexpr std::array<char, 256> SoundexTable = MakeSoundexTable();

constexpr char UpperAscii(char C)
{
    return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C;
}

constexpr TPhoneticKey PresentFlag = 1u << 17;
constexpr int FirstByteShift = 9;
constexpr int DigitBits = 3;
constexpr int KeyDigits = 3;

// Packs a code of the form "first character + digits 1..6", at most four long.
TPhoneticKey PackCode(std::string_view Code)
{
    if (Code.empty())
        return 0;
    TPhoneticKey Key = PresentFlag
        | static_cast<TPhoneticKey>(static_cast<unsigned char>(Code[0])) << FirstByteShift;
    for (std::size_t I = 1; I < Code.size() && I <= KeyDigits; ++I)
        Key |= static_cast<TPhoneticKey>((Code[I] - '0') & 7) << (DigitBits * (KeyDigits - I));
    return Key;
}

} // namespace

char SoundexClass(unsigned char Byte)
{
    return SoundexTable[Byte];
}

std::string SoundexCode(std::string_view S, int Start)
{
    const std::size_t Kept = std::min<std::size_t>(static_cast<std::size_t>(std::max(Start, 1) - 1), S.size());
    std::string Code;
    Code.reserve(S.size());
    for (std::size_t I = 0; I < Kept; ++I)
        Code += UpperAscii(S[I]);
    // Classes are collapsed before the vowel class is dropped, so a vowel
    // between two equal classes keeps both.
    char Previous = 0;
    for (std::size_t I = Kept; I < S.size(); ++I) {
        const char Class = SoundexClass(static_cast<unsigned char>(S[I]));
        if (I > Kept && Class == Previous)
            continue;
        Previous = Class;
        if (Class != '0')
            Code += Class;
    }
    return Code;
}

std::string DutchSoundex(const std::string& S)
{
    std::string Folded = S;
    // Deleting the j of an ij never makes a new IJ nor the J of an IJ a new
    // ij, so all ij can go first and all IJ after them.
    for (const std::string_view Pair : {std::string_view("ij"), std::string_view("IJ")}) {
        for (std::size_t At = Folded.find(Pair); At != std::string::npos; At = Folded.find(Pair, At))
            Folded.erase(At + 1, 1);
    }
    if (Folded.size() >= 2 && (Folded[0] == 'C' || Folded[0] == 'c'))
        Folded[0] = std::string_view("AOUaou").find(Folded[1]) != std::string_view::npos ? 'K' : 'S';
    if (!Folded.empty()) {
        if (Folded[0] == 'Z' || Folded[0] == 'z')
            Folded[0] = 'S';
        if (Folded[0] == 'V' || Folded[0] == 'v')
            Folded[0] = 'F';
    }
    return SoundexCode(Folded, 2);
}

bool NoDigits(const std::string& S)
{
    return std::none_of(S.begin(), S.end(), [](char C) { return C >= '0' && C <= '9'; });
}

TPhoneticKey PhoneticKey(std::string_view S)
{
    if (S.empty())
        return 0;
    char Code[KeyDigits + 1] = {UpperAscii(S[0])};
    std::size_t Length = 1;
    char Previous = 0;
    for (std::size_t I = 1; I < S.size() && Length <= KeyDigits; ++I) {
        const char Class = SoundexClass(static_cast<unsigned char>(S[I]));
        if (I > 1 && Class == Previous)
            continue;
        Previous = Class;
        if (Class != '0')
            Code[Length++] = Class;
    }
    return PackCode(std::string_view(Code, Length));
}

TPhoneticKeyRange PhoneticKeyRange(std::string_view Code, int Len)
{
    if (Len <= 0)
        return {0, (PresentFlag << 1) - 1};
    const std::size_t Wanted = static_cast<std::size_t>(std::min(Len, KeyDigits + 1));
    const std::string_view Cut = Code.substr(0, Wanted);
    const TPhoneticKey Key = PackCode(Cut);
    if (Cut.size() < Wanted)
        return {Key, Key}; // a shorter code must be equal as a whole
    const int FreeBits = DigitBits * (KeyDigits + 1 - static_cast<int>(Wanted));
    return {Key, Key | ((TPhoneticKey{1} << FreeBits) - 1)};
}
