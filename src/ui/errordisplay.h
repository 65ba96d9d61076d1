// SPDX-License-Identifier: GPL-3.0-or-later
// The general error display: the one message box that shows every failure
// of a command, and the program's title that its message boxes carry.
#pragma once

#include <QString>

// The program's title, the caption of its message boxes.
inline constexpr const char* ProgramTitle = "Memorant Voor Windows";

// The message as the error display shows it: a full stop is added when the
// last character sorts after the full stop.
[[nodiscard]] QString ErrorDisplayText(const QString& Message);

// The message of an exception: UTF-8 where it is (file names of the system),
// else Windows-1252 (texts of a table).
[[nodiscard]] QString ExceptionText(const char* What);

// The general error display: a message box with the program's title, an
// error icon and one OK button.
void ShowGeneralError(const QString& Message);

// Shows the exception being handled by the general error display; called
// from a catch block. Never throws.
void ShowCurrentException() noexcept;
