// SPDX-License-Identifier: GPL-3.0-or-later
// The one crossing between the table's bytes and Qt's QString. Each column
// holds single-byte text in the Windows code page of its font's character
// set (Windows-1252 for Western fonts, 1251 for Cyrillic ones, ...); the
// code page is given with every crossing.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int WesternCodePage = 1252;

// Bytes to text. A byte that the code page leaves undefined becomes the
// character of the same value (a C1 control for 0x80-0x9F) or, when the code
// page uses that character already, one of the private use area; so every
// byte survives a round trip and stored bytes never change by being shown.
[[nodiscard]] QString WinToQt(std::string_view Bytes, int CodePage = WesternCodePage);

// Text to bytes; no value when a character has no byte in the code page.
[[nodiscard]] std::optional<std::string> QtToWin(const QString& Text, int CodePage = WesternCodePage);

// Text to bytes, every character without a byte (a surrogate pair counting
// as one character) replaced by "?"; Replaced counts them.
[[nodiscard]] std::string QtToWinReplacing(const QString& Text, int CodePage, int& Replaced);

// True when every character of Text has a byte in the code page.
[[nodiscard]] bool IsWinText(const QString& Text, int CodePage = WesternCodePage);

// How many characters of Text have no byte in the code page.
[[nodiscard]] int CharactersMissingIn(const QString& Text, int CodePage);

// The text of a column, whose font has the character set Charset.
[[nodiscard]] QString ColumnToQt(std::string_view Bytes, int Charset);
[[nodiscard]] std::optional<std::string> QtToColumn(const QString& Text, int Charset);
// The text of a column as UTF-8 (plain ASCII is the same in every code page).
[[nodiscard]] std::string ColumnToUtf8(std::string_view Bytes, int Charset);
