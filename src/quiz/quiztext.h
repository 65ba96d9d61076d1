// SPDX-License-Identifier: GPL-3.0-or-later
// Small text helpers of the quiz engine: the texts of an entry as the quiz
// shows them, without copying, and comparison that ignores the case of a-z.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "table/questionlist.h"

// The viewed question and answer of entry Index (Reverse swaps the columns).
[[nodiscard]] inline std::string_view ViewedQuestion(const TQuestionlist& Table, int Index)
{
    return Table.Reverse ? Table.StoredAnswer(Index) : Table.StoredQuestion(Index);
}

[[nodiscard]] inline std::string_view ViewedAnswer(const TQuestionlist& Table, int Index)
{
    return Table.Reverse ? Table.StoredQuestion(Index) : Table.StoredAnswer(Index);
}

[[nodiscard]] constexpr char UpperAsciiChar(char C)
{
    return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C;
}

// A == B after upper-casing a-z; every other byte must match exactly.
[[nodiscard]] inline bool SameUpperAscii(std::string_view A, std::string_view B)
{
    return A.size() == B.size()
        && std::equal(A.begin(), A.end(), B.begin(),
                      [](char X, char Y) { return UpperAsciiChar(X) == UpperAsciiChar(Y); });
}
