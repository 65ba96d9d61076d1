// SPDX-License-Identifier: GPL-3.0-or-later
// The language a column is spoken in, as a language tag ("nl", "ru",
// "en-GB"); an empty tag means not known.
#pragma once

#include <QString>

// The language that a column in Code page is written in, where its script
// tells: Cyrillic Russian, Greek, Hebrew, Arabic, Turkish; else empty.
[[nodiscard]] QString ScriptLanguage(int CodePage);

// The tag of a locale a file names ("en", "nl_NL", "de-DE"); empty when it
// names no language.
[[nodiscard]] QString LanguageTag(const QString& Locale);

// The Dutch name of a language: "Russisch" for "ru", "Engels (GB)" for
// "en-GB"; the language's own name for the languages without one here.
[[nodiscard]] QString DutchLanguageName(const QString& Tag);
