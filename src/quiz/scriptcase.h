// SPDX-License-Identifier: GPL-3.0-or-later
// Upper and lower case in the single-byte Windows code pages, by the case
// rules of the script each one holds (Cyrillic, Greek, ...).
#pragma once

#include <string>
#include <string_view>

// Text with every letter that has an upper-case form in the same code page
// replaced by it; other bytes stay as they are. Greek final sigma becomes
// capital sigma, like the ordinary sigma.
[[nodiscard]] std::string UpperCasedIn(std::string_view Text, int CodePage);

// True when Byte stands for a letter of the code page's script (Cyrillic,
// Greek, Hebrew, ...); bytes below 0x80 never do.
[[nodiscard]] bool IsScriptLetterIn(unsigned char Byte, int CodePage);

// True when A and B differ at most in upper and lower case.
[[nodiscard]] bool EqualIgnoringCase(std::string_view A, std::string_view B, int CodePage);

// Text upper-cased, with the Greek letters with tonos or dialytika and the
// Cyrillic Ё and Й replaced by their plain capitals (Α, Ι, Е, И, ...).
[[nodiscard]] std::string BaseLettersIn(std::string_view Text, int CodePage);

// True when A and B differ at most in case and in those marks.
[[nodiscard]] bool EqualIgnoringMarks(std::string_view A, std::string_view B, int CodePage);
