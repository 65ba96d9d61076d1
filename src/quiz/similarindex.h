// SPDX-License-Identifier: GPL-3.0-or-later
// The phonetic codes of all entries of a table, ordered by code, so that the
// entries that sound like a text are found without coding the whole table.
// An index is a snapshot: it is built from the stored texts and never changes;
// the table drops it whenever a text or the list of entries changes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "quiz/phonewin.h"

class TQuestionlist;

class TSimilarIndex {
public:
    enum class TColumn { StoredQuestion, StoredAnswer };

    // One entry under the code of one of its texts, with hashes of both its
    // texts upper-cased (a-z), so that most entries can be told apart from a
    // text without reading their own texts.
    struct TRecord {
        TPhoneticKey Key;
        std::uint32_t Index;
        std::uint32_t QuestionHash; // of the stored question
        std::uint32_t AnswerHash;   // of the stored answer
    };

    explicit TSimilarIndex(const TQuestionlist& Table);

    // The entries whose code in Column, cut to Len characters (Len <= 4),
    // equals Code cut to Len; grouped by code, in index order within a code.
    [[nodiscard]] std::span<const TRecord> Sounding(TColumn Column, std::string_view Code, int Len) const;

    [[nodiscard]] int Count() const { return static_cast<int>(ByQuestion.size()); }

    // The hash of Text upper-cased (a-z only) that the records carry.
    [[nodiscard]] static std::uint32_t UpperHash(std::string_view Text);

private:
    std::vector<TRecord> ByQuestion;
    std::vector<TRecord> ByAnswer;
};
