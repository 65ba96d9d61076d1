// SPDX-License-Identifier: GPL-3.0-or-later
// Phonetic codes of Windows-1252 texts: a soundex variant without a fixed
// length, and a Dutch variant that first folds a few spellings that sound
// alike (ij/i, initial c, z and v).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The code of S from position Start (1 or 2, counted from 1) on: every byte
// is classed by the soundex table, runs of equal classes collapse to one and
// the vowel class 0 is dropped. With Start 2 the first byte of S stays in
// front, upper-cased (a-z only).
[[nodiscard]] std::string SoundexCode(std::string_view S, int Start);

// SoundexCode(S, 2) after folding ij to i, an initial c to k or s, an
// initial z to s and an initial v to f.
[[nodiscard]] std::string DutchSoundex(const std::string& S);

// True when S holds none of the characters '0'..'9'.
[[nodiscard]] bool NoDigits(const std::string& S);

// The soundex class '0'..'6' of one byte.
[[nodiscard]] char SoundexClass(unsigned char Byte);

// SoundexCode(S, 2) cut to its first four characters, packed into a number
// whose order groups codes by their prefixes: the first byte (with a flag that
// tells an empty code apart) in the high bits, then three fields of three bits
// for the digits 1..6, 0 where the code has ended. Codes that share their
// first k characters (k = 1..4) therefore form one contiguous range.
using TPhoneticKey = std::uint32_t;
[[nodiscard]] TPhoneticKey PhoneticKey(std::string_view S);

// The range [Low, High] of keys whose codes, cut to Len characters, equal
// Code cut to Len (Code being a code as SoundexCode(., 2) makes it; Len <= 4).
struct TPhoneticKeyRange {
    TPhoneticKey Low = 0;
    TPhoneticKey High = 0;
};
[[nodiscard]] TPhoneticKeyRange PhoneticKeyRange(std::string_view Code, int Len);
