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
