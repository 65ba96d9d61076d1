// SPDX-License-Identifier: GPL-3.0-or-later
// Settings text from arbitrary bytes: kept byte for byte when nothing is set,
// and a value that is set is found again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/inifile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
    TIniText Text(Bytes);
    if (Text.SaveToString() != Bytes)
        std::abort();

    std::string Value;
    (void)Text.Find("Options", "Reverse", Value);
    int Number = 0;
    (void)ParseIniInteger(Bytes.substr(0, 16), Number);

    Text.Set("Form", "Left", "123");
    Text.Set("Options", "Tolerant", "1");
    TIniText Reread(Text.SaveToString());
    if (!Reread.Find("form", "LEFT", Value) || Value != "123")
        std::abort();
    if (!Reread.Find("OPTIONS", "tolerant", Value) || Value != "1")
        std::abort();
    return 0;
}
