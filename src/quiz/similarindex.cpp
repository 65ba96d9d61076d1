// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/similarindex.h"

#include <algorithm>

#include "table/questionlist.h"

namespace {

constexpr int IndexBits = 32;

// Sorts the (key, index) pairs by key. The pairs come in index order and the
// sort is stable, so each key's entries stay in index order: two passes of a
// counting sort on the 18 key bits.
void SortByKey(std::vector<std::uint64_t>& Pairs)
{
    constexpr int PassBits = 9;
    constexpr std::size_t Buckets = std::size_t{1} << PassBits;
    std::vector<std::uint64_t> Scratch(Pairs.size());
    for (int Shift = IndexBits; Shift < IndexBits + 2 * PassBits; Shift += PassBits) {
        std::vector<std::size_t> Start(Buckets + 1, 0);
        for (const std::uint64_t Pair : Pairs)
            ++Start[((Pair >> Shift) & (Buckets - 1)) + 1];
        for (std::size_t B = 1; B <= Buckets; ++B)
            Start[B] += Start[B - 1];
        for (const std::uint64_t Pair : Pairs)
            Scratch[Start[(Pair >> Shift) & (Buckets - 1)]++] = Pair;
        Pairs.swap(Scratch);
    }
}

} // namespace

TSimilarIndex::TSimilarIndex(const TQuestionlist& Table)
{
    const int Count = Table.Count();
    QuestionKeys.resize(static_cast<std::size_t>(Count));
    AnswerKeys.resize(static_cast<std::size_t>(Count));
    for (int I = 0; I < Count; ++I) {
        const std::uint64_t Index = static_cast<std::uint32_t>(I);
        QuestionKeys[static_cast<std::size_t>(I)] =
            std::uint64_t{PhoneticKey(Table.StoredQuestion(I))} << IndexBits | Index;
        AnswerKeys[static_cast<std::size_t>(I)] =
            std::uint64_t{PhoneticKey(Table.StoredAnswer(I))} << IndexBits | Index;
    }
    SortByKey(QuestionKeys);
    SortByKey(AnswerKeys);
}

void TSimilarIndex::Find(TColumn Column, std::string_view Code, int Len, std::vector<int>& Found) const
{
    const std::vector<std::uint64_t>& Keys = Column == TColumn::StoredQuestion ? QuestionKeys : AnswerKeys;
    const TPhoneticKeyRange Range = PhoneticKeyRange(Code, Len);
    const auto First = std::lower_bound(Keys.begin(), Keys.end(), std::uint64_t{Range.Low} << IndexBits);
    const auto Last = std::lower_bound(First, Keys.end(), (std::uint64_t{Range.High} + 1) << IndexBits);
    for (auto It = First; It != Last; ++It)
        Found.push_back(static_cast<int>(*It & 0xFFFFFFFFu));
}
