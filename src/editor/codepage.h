// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between the DOS code page (CP850, Western European) and the
// Windows code page (Windows-1252), byte for byte.
//
// Every character that both code pages have maps to itself; the DOS
// graphics characters and the Windows characters that DOS lacks are paired
// one to one, so both directions are inverse bijections on all 256 bytes and
// a DOS text converted to Windows and back is unchanged. Bytes 0x00-0x7F are
// never changed.
#pragma once

#include <array>
#include <string>
#include <string_view>

[[nodiscard]] char DosCharToWin(char Dos);
[[nodiscard]] char WinCharToDos(char Win);

// Whole-text conversions; the result has the length of the input.
[[nodiscard]] std::string DosTextToWin(std::string_view Text);
[[nodiscard]] std::string WinTextToDos(std::string_view Text);

// The same conversions in place.
void DosToWin(std::string& Text);
void WinToDos(std::string& Text);

// The Windows code page in which a column is shown, edited, checked and
// printed: the one of its font's character set (238 Central European 1250,
// 204 Cyrillic 1251, 161 Greek 1253, 162 Turkish 1254, 177 Hebrew 1255,
// 178 Arabic 1256, 186 Baltic 1257, 163 Vietnamese 1258, 222 Thai 874);
// every other number, the Western sets 0 and 1 included, gives 1252.
[[nodiscard]] int CodePageOfCharset(int Charset);

// The character-set number a font line gives for a code page; 0 for 1252.
[[nodiscard]] int CharsetOfCodePage(int CodePage);

// The single-byte code pages a column can have, Western first.
[[nodiscard]] const std::array<int, 10>& ColumnCodePages();

// True for the code pages written in the Latin alphabet (1250, 1252, 1254,
// 1257, 1258), where the Dutch sound comparison makes sense.
[[nodiscard]] bool IsLatinCodePage(int CodePage);

// True for the code pages written from right to left (Hebrew, Arabic).
[[nodiscard]] bool IsRightToLeftCodePage(int CodePage);
