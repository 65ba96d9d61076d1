// SPDX-License-Identifier: GPL-3.0-or-later
// The one crossing between the table's Windows-1252 bytes and Qt's QString.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

// Windows-1252 bytes to text. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control of the
// same value, so that every byte survives a round trip.
[[nodiscard]] QString WinToQt(std::string_view Bytes);

// Text to Windows-1252 bytes; no value when a character has no byte there.
[[nodiscard]] std::optional<std::string> QtToWin(const QString& Text);

// True when every character of Text has a Windows-1252 byte.
[[nodiscard]] bool IsWinText(const QString& Text);
