// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/similarindex.h"

#include <algorithm>

#include "quiz/quiztext.h"
#include "table/questionlist.h"

namespace {

using TColumn = TSimilarIndex::TColumn;
using TRecord = TSimilarIndex::TRecord;

std::string_view TextIn(const TQuestionlist& Table, TColumn Column, std::uint32_t Index)
{
    const int Entry = static_cast<int>(Index);
    return Column == TColumn::StoredQuestion ? Table.StoredQuestion(Entry) : Table.StoredAnswer(Entry);
}

// The group of a text, and of a code, which starts with the text's first
// character upper-cased.
std::size_t GroupOf(std::string_view Text)
{
    return Text.empty() ? 0 : 1 + static_cast<unsigned char>(UpperAsciiChar(Text.front()));
}

// Sorts records by key. They come in index order and the sort is stable, so
// each key's entries stay in index order: two passes of a counting sort over
// the 18 key bits, the second left out where the records share its bits (as
// those of one group do).
void SortByKey(TRecord* First, TRecord* Last)
{
    constexpr int PassBits = 9;
    constexpr std::size_t Buckets = std::size_t{1} << PassBits;
    std::vector<TRecord> Scratch(static_cast<std::size_t>(Last - First));
    for (int Shift = 0; Shift < 2 * PassBits; Shift += PassBits) {
        const auto Bucket = [Shift](const TRecord& Record) { return (Record.Key >> Shift) & (Buckets - 1); };
        if (First == Last || std::all_of(First, Last, [&](const TRecord& R) { return Bucket(R) == Bucket(*First); }))
            continue;
        std::vector<std::size_t> Start(Buckets + 1, 0);
        for (const TRecord* Record = First; Record != Last; ++Record)
            ++Start[Bucket(*Record) + 1];
        for (std::size_t B = 1; B <= Buckets; ++B)
            Start[B] += Start[B - 1];
        for (const TRecord* Record = First; Record != Last; ++Record)
            Scratch[Start[Bucket(*Record)]++] = *Record;
        std::copy(Scratch.begin(), Scratch.end(), First);
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
    const auto Count = static_cast<std::uint32_t>(Table.Count());
    std::vector<std::uint16_t> QuestionGroups(Count);
    std::vector<std::uint16_t> AnswerGroups(Count);
    for (std::uint32_t I = 0; I < Count; ++I) {
        QuestionGroups[I] = static_cast<std::uint16_t>(GroupOf(TextIn(Table, TColumn::StoredQuestion, I)));
        AnswerGroups[I] = static_cast<std::uint16_t>(GroupOf(TextIn(Table, TColumn::StoredAnswer, I)));
    }
    Group(QuestionGroups, Question);
    Group(AnswerGroups, Answer);
}

void TSimilarIndex::Group(const std::vector<std::uint16_t>& GroupOfEntry, TColumnIndex& Index)
{
    // A counting sort by group keeps the index order within each group.
    const auto Count = static_cast<std::uint32_t>(GroupOfEntry.size());
    std::array<std::uint32_t, Groups + 1> Next{};
    for (const std::uint16_t G : GroupOfEntry)
        ++Next[G + 1u];
    for (std::size_t G = 1; G <= Groups; ++G)
        Next[G] += Next[G - 1];
    Index.Start = Next;
    Index.Order.resize(Count);
    for (std::uint32_t I = 0; I < Count; ++I)
        Index.Order[Next[GroupOfEntry[I]]++] = I;
    Index.Records.reset(new TRecord[Count]);
    Index.Coded.reset();
}

void TSimilarIndex::CodeGroup(const TQuestionlist& Table, TColumn Column, TColumnIndex& Index, std::size_t Group)
{
    TRecord* First = Index.Records.get() + Index.Start[Group];
    TRecord* Last = Index.Records.get() + Index.Start[Group + 1];
    const std::uint32_t* Entry = Index.Order.data() + Index.Start[Group];
    for (TRecord* Record = First; Record != Last; ++Record, ++Entry) {
        const std::uint32_t I = *Entry;
        *Record = {PhoneticKey(TextIn(Table, Column, I)), I, UpperHash(TextIn(Table, TColumn::StoredQuestion, I)),
                   UpperHash(TextIn(Table, TColumn::StoredAnswer, I))};
    }
    SortByKey(First, Last);
    Index.Coded.set(Group);
}

std::span<const TSimilarIndex::TRecord> TSimilarIndex::Sounding(const TQuestionlist& Table, TColumn Column,
                                                                std::string_view Code, int Len)
{
    TColumnIndex& Index = Column == TColumn::StoredQuestion ? Question : Answer;
    // A code that keeps at least its first character finds its own group
    // only; without it, every group.
    std::size_t FirstGroup = 0;
    std::size_t LastGroup = Groups;
    if (Len >= 1) {
        FirstGroup = GroupOf(Code);
        LastGroup = FirstGroup + 1;
    }
    for (std::size_t G = FirstGroup; G < LastGroup; ++G)
        if (!Index.Coded.test(G))
            CodeGroup(Table, Column, Index, G);

    const TRecord* First = Index.Records.get() + Index.Start[FirstGroup];
    const TRecord* Last = Index.Records.get() + Index.Start[LastGroup];
    const TPhoneticKeyRange Range = PhoneticKeyRange(Code, Len);
    const auto KeyBelow = [](const TRecord& Record, TPhoneticKey Key) { return Record.Key < Key; };
    const TRecord* Low = std::lower_bound(First, Last, Range.Low, KeyBelow);
    const TRecord* High = std::lower_bound(Low, Last, Range.High + 1, KeyBelow);
    return {Low, High};
}
