// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the program's command line: switches that turn a command off
// for the run or show the syntax, and the names of table files to read.
#pragma once

#include <QChar>
#include <QString>

// Whether Argument is a switch ("-x", or "/x" of two characters) rather
// than a file name.
[[nodiscard]] bool IsCommandLineSwitch(const QString& Argument);
// The letter of a switch, upper case; 0 for a switch without one ("-").
[[nodiscard]] QChar SwitchLetter(const QString& Argument);
// What "-?" shows.
[[nodiscard]] QString CommandLineSyntax();
