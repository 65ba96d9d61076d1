// SPDX-License-Identifier: GPL-3.0-or-later
// The phonetic codes of all entries of a table, ordered by code, so that the
// entries that sound like a text are found without coding the whole table.
// An index is a snapshot: it is built from the stored texts and never changes;
// the table drops it whenever a text or the list of entries changes.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "quiz/phonewin.h"

class TQuestionlist;

class TSimilarIndex {
public:
    enum class TColumn { StoredQuestion, StoredAnswer };

    explicit TSimilarIndex(const TQuestionlist& Table);

    // Appends to Found the entries whose code in Column, cut to Len
    // characters (Len <= 4), equals Code cut to Len, grouped by code and in
    // ascending order within a code.
    void Find(TColumn Column, std::string_view Code, int Len, std::vector<int>& Found) const;

    [[nodiscard]] int Count() const { return static_cast<int>(QuestionKeys.size()); }

private:
    // (code key << 32) | entry index, sorted: one range per code prefix.
    std::vector<std::uint64_t> QuestionKeys;
    std::vector<std::uint64_t> AnswerKeys;
};
