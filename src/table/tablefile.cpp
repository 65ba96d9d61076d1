// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/tablefile.h"

#include <cctype>
#include <charconv>
#include <optional>

#include "table/questionlist.h"

namespace {

bool IsBlank(char Byte) { return static_cast<unsigned char>(Byte) <= ' '; }

// A decimal integer with an optional sign; blanks around it are allowed.
std::optional<int> ParseInteger(std::string_view Text)
{
    Text = TrimmedView(Text);
    if (!Text.empty() && Text.front() == '+')
        Text.remove_prefix(1);
    int Value = 0;
    const char* End = Text.data() + Text.size();
    auto [Stop, Error] = std::from_chars(Text.data(), End, Value);
    if (Text.empty() || Error != std::errc() || Stop != End)
        return std::nullopt;
    return Value;
}

// Splits off the next field of a font specification: it runs up to the
// earlier of the next "," and the next "]". Without any "]" left the field is
// empty and Rest stays as it is.
std::string_view NextFontField(std::string_view& Rest)
{
    if (Rest.find(']') == std::string_view::npos)
        return {};
    std::size_t Stop = Rest.find_first_of(",]");
    std::string_view Field = Rest.substr(0, Stop);
    Rest.remove_prefix(Stop + 1);
    return Field;
}

} // namespace

std::string_view TrimmedView(std::string_view Text)
{
    while (!Text.empty() && IsBlank(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && IsBlank(Text.back()))
        Text.remove_suffix(1);
    return Text;
}

std::string TrimText(std::string_view Text) { return std::string(TrimmedView(Text)); }

bool IsDosFile(std::string_view FileName)
{
    std::size_t Slash = FileName.rfind('/');
    std::string_view Name = Slash == std::string_view::npos ? FileName : FileName.substr(Slash + 1);
    std::size_t Point = Name.rfind('.');
    if (Point == std::string_view::npos)
        return true;
    std::string Extension(Name.substr(Point));
    for (char& Byte : Extension)
        Byte = static_cast<char>(std::toupper(static_cast<unsigned char>(Byte)));
    return Extension != ".MT4";
}

void ReadFontSpec(std::string_view Text, TTableFont& Font)
{
    std::size_t Tag = Text.find(FontTag);
    if (Tag == std::string_view::npos)
        return;
    std::string_view Rest = Text.substr(Tag + FontTag.size(), 255);
    std::string_view Name = NextFontField(Rest);
    std::string_view Size = NextFontField(Rest);
    std::string_view Charset = NextFontField(Rest);
    if (!Name.empty())
        Font.Name = std::string(Name);
    if (!Size.empty())
        Font.Size = ParseInteger(Size).value_or(9);
    if (!Charset.empty())
        Font.Charset = ParseInteger(Charset).value_or(0) & 0xFF;
}

std::string FontSpec(const TTableFont& Font)
{
    return std::string(FontTag) + Font.Name + ',' + std::to_string(Font.Size) + ','
        + std::to_string(Font.Charset) + ']';
}
