// SPDX-License-Identifier: GPL-3.0-or-later
// One fact: the two texts of an entry as UTF-8 and the direction it is asked
// in. The same pair in any table, under any file name or code page, is the
// same fact; a changed text is another one.
#pragma once

#include <cstdint>
#include <string_view>

using TFactKey = std::int64_t;

// Question and Answer are the stored columns (never swapped); Reversed: the
// answer column is asked and the question column expected.
[[nodiscard]] TFactKey FactKey(std::string_view QuestionUtf8, std::string_view AnswerUtf8, bool Reversed);
