// SPDX-License-Identifier: GPL-3.0-or-later
// The phonetic codes of all entries of a table, ordered by code, so that the
// entries that sound like a text are found without coding the whole table.
// An index is a snapshot of the stored texts; the table drops it whenever a
// text or the list of entries changes. It codes lazily: at first it only
// sorts the entries by the first character of each text, and it codes the
// entries of one first character when a question first asks for them, so
// that the first question after loading a large table stays quick.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
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
    // Table is the table the index was made of, unchanged since.
    [[nodiscard]] std::span<const TRecord> Sounding(const TQuestionlist& Table, TColumn Column, std::string_view Code,
                                                    int Len);

    [[nodiscard]] int Count() const { return static_cast<int>(Question.Order.size()); }

    // The hash of Text upper-cased (a-z only) that the records carry.
    [[nodiscard]] static std::uint32_t UpperHash(std::string_view Text);

private:
    // Texts group by their first character, upper-cased (a-z), after the
    // empty ones: the order of their codes.
    static constexpr std::size_t Groups = 257;

    struct TColumnIndex {
        std::vector<std::uint32_t> Order;             // entries by group, in index order within one
        std::array<std::uint32_t, Groups + 1> Start{}; // group G is [Start[G], Start[G + 1]) of Order
        std::unique_ptr<TRecord[]> Records;           // beside Order; by code within a coded group
        std::bitset<Groups> Coded;
    };
    TColumnIndex Question;
    TColumnIndex Answer;

    // Sorts a column's entries by their groups.
    static void Group(const std::vector<std::uint16_t>& GroupOfEntry, TColumnIndex& Index);
    void CodeGroup(const TQuestionlist& Table, TColumn Column, TColumnIndex& Index, std::size_t Group);
};
