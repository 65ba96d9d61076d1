// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the table file format: one entry per line, "question = answer",
// optionally a font line "[FONT:name,size,charset] = [FONT:name,size,charset]".
#pragma once

#include <string>
#include <string_view>

struct TTableFont;

// The separator the writer puts between question and answer.
inline constexpr std::string_view EntrySeparator = " = ";
// Marks a font specification on both sides of a font line.
inline constexpr std::string_view FontTag = "[FONT:";

// Text without its leading and trailing characters of code 32 or lower.
[[nodiscard]] std::string_view TrimmedView(std::string_view Text);
[[nodiscard]] std::string TrimText(std::string_view Text);

// True unless the file name's extension, upper-cased, is exactly ".MT4":
// such files hold their texts in the DOS code page.
[[nodiscard]] bool IsDosFile(std::string_view FileName);

// Applies the font specification that follows the first "[FONT:" in Text:
// "name,size,charset]"; an empty field leaves its attribute alone, and text
// without a closing "]" changes nothing.
void ReadFontSpec(std::string_view Text, TTableFont& Font);

// "[FONT:name,size,charset]" as the writer puts it in a font line.
[[nodiscard]] std::string FontSpec(const TTableFont& Font);
