// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/similarindex.h"

#include <algorithm>

#include "quiz/quiztext.h"
#include "table/questionlist.h"

namespace {

using TRecord = TSimilarIndex::TRecord;

// Sorts the records by key. They come in index order and the sort is stable,
// so each key's entries stay in index order: two passes of a counting sort
// over the 18 key bits.
void SortByKey(std::vector<TRecord>& Records)
{
    constexpr int PassBits = 9;
    constexpr std::size_t Buckets = std::size_t{1} << PassBits;
    std::vector<TRecord> Scratch(Records.size());
    for (int Shift = 0; Shift < 2 * PassBits; Shift += PassBits) {
        std::vector<std::size_t> Start(Buckets + 1, 0);
        for (const TRecord& Record : Records)
            ++Start[((Record.Key >> Shift) & (Buckets - 1)) + 1];
        for (std::size_t B = 1; B <= Buckets; ++B)
            Start[B] += Start[B - 1];
        for (const TRecord& Record : Records)
            Scratch[Start[(Record.Key >> Shift) & (Buckets - 1)]++] = Record;
        Records.swap(Scratch);
    }
}

} // namespace

std::uint32_t TSimilarIndex::UpperHash(std::string_view Text)
{
    std::uint32_t Hash = 2166136261u; // FNV-1a
    for (const char C : Text) {
        Hash ^= static_cast<unsigned char>(UpperAsciiChar(C));
        Hash *= 16777619u;
    }
    return Hash;
}

TSimilarIndex::TSimilarIndex(const TQuestionlist& Table)
{
    const auto Count = static_cast<std::size_t>(Table.Count());
    ByQuestion.resize(Count);
    ByAnswer.resize(Count);
    for (std::size_t I = 0; I < Count; ++I) {
        const std::string_view Question = Table.StoredQuestion(static_cast<int>(I));
        const std::string_view Answer = Table.StoredAnswer(static_cast<int>(I));
        const auto Index = static_cast<std::uint32_t>(I);
        const std::uint32_t QuestionHash = UpperHash(Question);
        const std::uint32_t AnswerHash = UpperHash(Answer);
        ByQuestion[I] = {PhoneticKey(Question), Index, QuestionHash, AnswerHash};
        ByAnswer[I] = {PhoneticKey(Answer), Index, QuestionHash, AnswerHash};
    }
    SortByKey(ByQuestion);
    SortByKey(ByAnswer);
}

std::span<const TSimilarIndex::TRecord> TSimilarIndex::Sounding(TColumn Column, std::string_view Code, int Len) const
{
    const std::vector<TRecord>& Records = Column == TColumn::StoredQuestion ? ByQuestion : ByAnswer;
    const TPhoneticKeyRange Range = PhoneticKeyRange(Code, Len);
    const auto KeyBelow = [](const TRecord& Record, TPhoneticKey Key) { return Record.Key < Key; };
    const auto First = std::lower_bound(Records.begin(), Records.end(), Range.Low, KeyBelow);
    const auto Last = std::lower_bound(First, Records.end(), Range.High + 1, KeyBelow);
    return {First, Last};
}
