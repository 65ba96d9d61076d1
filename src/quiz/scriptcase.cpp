// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/scriptcase.h"

#include <array>
#include <clocale>
#include <cstdint>
#include <iconv.h>
#include <locale.h>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <wctype.h>

namespace {

using TByteMap = std::array<unsigned char, 256>;

// What one code page's bytes are: their upper-case forms, and which of them
// are letters of its script.
struct TCodePageCase {
    TByteMap Upper{};
    TByteMap BaseUpper{}; // upper case, and Greek and Cyrillic marks left off
    std::array<bool, 256> ScriptLetter{};
};

// iconv on one character, in either direction; false when it has no
// counterpart.
class TConverter {
public:
    TConverter(const char* To, const char* From) : Handle(iconv_open(To, From)) {}
    ~TConverter()
    {
        if (Valid())
            iconv_close(Handle);
    }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;

    [[nodiscard]] bool Valid() const { return Handle != reinterpret_cast<iconv_t>(-1); }

    bool Convert(const void* In, std::size_t InSize, void* Out, std::size_t OutSize)
    {
        iconv(Handle, nullptr, nullptr, nullptr, nullptr);
        auto* InPtr = static_cast<char*>(const_cast<void*>(In));
        auto* OutPtr = static_cast<char*>(Out);
        std::size_t InLeft = InSize;
        std::size_t OutLeft = OutSize;
        // The final call flushes a letter that a converter holds back in case
        // a combining mark follows (Windows-1255 and 1258 do).
        return iconv(Handle, &InPtr, &InLeft, &OutPtr, &OutLeft) != static_cast<std::size_t>(-1)
            && iconv(Handle, nullptr, nullptr, &OutPtr, &OutLeft) != static_cast<std::size_t>(-1)
            && InLeft == 0 && OutLeft == 0;
    }

private:
    iconv_t Handle;
};

// The Unicode case rules; the plain C locale knows only ASCII.
locale_t UnicodeLocale()
{
    static const locale_t Locale = [] {
        locale_t Found = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
        return Found ? Found : newlocale(LC_CTYPE_MASK, "C", nullptr);
    }();
    return Locale;
}

// The capital without its marks, for the Greek letters with tonos or
// dialytika and the Cyrillic letters that readers write without them (ё, й).
std::uint32_t WithoutMarks(std::uint32_t Upper)
{
    static constexpr std::pair<std::uint32_t, std::uint32_t> Bases[] = {
        {0x0386, 0x0391}, {0x0388, 0x0395}, {0x0389, 0x0397}, {0x038A, 0x0399}, {0x038C, 0x039F},
        {0x038E, 0x03A5}, {0x038F, 0x03A9}, {0x0390, 0x0399}, {0x03AA, 0x0399}, {0x03AB, 0x03A5},
        {0x03B0, 0x03A5}, {0x0401, 0x0415}, {0x0419, 0x0418},
    };
    for (const auto& [Marked, Base] : Bases)
        if (Marked == Upper)
            return Base;
    return Upper;
}

TCodePageCase MakeCodePageCase(int CodePage)
{
    TCodePageCase Case;
    for (int Byte = 0; Byte < 256; ++Byte)
        Case.Upper[Byte] = static_cast<unsigned char>(Byte);
    Case.BaseUpper = Case.Upper;
    const std::string Name = "CP" + std::to_string(CodePage);
    TConverter Decode("UCS-4LE", Name.c_str());
    TConverter Encode(Name.c_str(), "UCS-4LE");
    if (!Decode.Valid() || !Encode.Valid())
        return Case;
    for (int Byte = 0x41; Byte < 256; ++Byte) {
        const auto In = static_cast<unsigned char>(Byte);
        std::uint32_t Code = 0;
        if (!Decode.Convert(&In, 1, &Code, sizeof Code))
            continue;
        Case.ScriptLetter[Byte] = Byte >= 0x80 && iswalpha_l(static_cast<wint_t>(Code), UnicodeLocale());
        const auto Upper = static_cast<std::uint32_t>(towupper_l(static_cast<wint_t>(Code), UnicodeLocale()));
        unsigned char Out = 0;
        if (Upper != Code && Encode.Convert(&Upper, sizeof Upper, &Out, 1))
            Case.Upper[Byte] = Out;
        const std::uint32_t Base = WithoutMarks(Upper);
        if (Encode.Convert(&Base, sizeof Base, &Out, 1))
            Case.BaseUpper[Byte] = Out;
    }
    return Case;
}

const TCodePageCase& CaseOf(int CodePage)
{
    static std::mutex Guard;
    static std::map<int, TCodePageCase> Cases;
    const std::lock_guard Lock(Guard);
    auto Found = Cases.find(CodePage);
    if (Found == Cases.end())
        Found = Cases.emplace(CodePage, MakeCodePageCase(CodePage)).first;
    return Found->second;
}

} // namespace

std::string UpperCasedIn(std::string_view Text, int CodePage)
{
    const TByteMap& Map = CaseOf(CodePage).Upper;
    std::string Result(Text);
    for (char& C : Result)
        C = static_cast<char>(Map[static_cast<unsigned char>(C)]);
    return Result;
}

bool EqualIgnoringCase(std::string_view A, std::string_view B, int CodePage)
{
    return A.size() == B.size() && UpperCasedIn(A, CodePage) == UpperCasedIn(B, CodePage);
}

std::string BaseLettersIn(std::string_view Text, int CodePage)
{
    const TByteMap& Map = CaseOf(CodePage).BaseUpper;
    std::string Result(Text);
    for (char& C : Result)
        C = static_cast<char>(Map[static_cast<unsigned char>(C)]);
    return Result;
}

bool EqualIgnoringMarks(std::string_view A, std::string_view B, int CodePage)
{
    return A.size() == B.size() && BaseLettersIn(A, CodePage) == BaseLettersIn(B, CodePage);
}

bool IsScriptLetterIn(unsigned char Byte, int CodePage)
{
    return CaseOf(CodePage).ScriptLetter[Byte];
}
