// SPDX-License-Identifier: GPL-3.0-or-later
// Font specifications from arbitrary bytes: the character set stays a byte,
// and what the writer makes of a font reads back as the same font.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "table/questionlist.h"
#include "table/tablefile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    TTableFont Font;
    ReadFontSpec(Text, Font);
    if (Font.Charset < 0 || Font.Charset > 255)
        std::abort();

    const bool Writable = !Font.Name.empty() && Font.Name.size() < 200
                          && Font.Name.find_first_of(",]") == std::string::npos;
    if (Writable) {
        TTableFont Again;
        Again.Name = "x";
        Again.Size = -1;
        Again.Charset = 7;
        ReadFontSpec(FontSpec(Font), Again);
        if (Again.Name != Font.Name || Again.Size != Font.Size || Again.Charset != Font.Charset)
            std::abort();
    }
    return 0;
}
