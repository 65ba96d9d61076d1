// SPDX-License-Identifier: GPL-3.0-or-later
// Multiple choice: four alternatives with different answers and questions,
// preferably ones that sound like the right one, and judging the pick.
#include <algorithm>
#include <charconv>
#include <iterator>
#include <span>
#include <stdexcept>

#include "quiz/phonewin.h"
#include "quiz/quiztext.h"
#include "quiz/similarindex.h"
#include "table/questionlist.h"

namespace {

constexpr int MaxTries = 1000;
constexpr int MaxSimilarTries = 333;
constexpr std::size_t Alternatives = 4;
constexpr int LongestIndexedLen = 4;

// How many similar entries there must be before a candidate is drawn from
// them, by the number of entries chosen so far.
[[nodiscard]] std::size_t SimilarNeeded(std::size_t Chosen)
{
    return Chosen <= 1 ? 1 : Chosen == 2 ? 4 : 8;
}

[[nodiscard]] int ParseIndex(const std::string& Text)
{
    int Index = -1;
    std::from_chars(Text.data(), Text.data() + Text.size(), Index);
    return Index;
}

[[nodiscard]] std::string_view Cut(std::string_view Code, int Len)
{
    return Code.substr(0, static_cast<std::size_t>(std::max(Len, 0)));
}

constexpr int MaxDigits = 10; // of a 32-bit index

// A number whose order is that of the decimal texts of the indexes, as the
// similar list keeps them ("10" before "2", "1" before "10"): the index
// padded with zeros to ten digits, then its own number of digits.
[[nodiscard]] std::uint64_t TextOrderKey(int Index)
{
    std::uint64_t Padded = static_cast<std::uint32_t>(Index);
    int Digits = 1;
    for (std::uint64_t Limit = 10; Limit <= Padded; Limit *= 10)
        ++Digits;
    for (int I = Digits; I < MaxDigits; ++I)
        Padded *= 10;
    return Padded << 4 | static_cast<std::uint64_t>(Digits);
}

[[nodiscard]] std::string IndexText(std::uint64_t Key)
{
    std::uint64_t Index = Key >> 4;
    for (int I = static_cast<int>(Key & 15); I < MaxDigits; ++I)
        Index /= 10;
    return std::to_string(Index);
}

} // namespace

TSimilarIndex& TQuestionlist::PhoneticIndex()
{
    if (!SimilarIndex || SimilarIndex->Count() != Count())
        SimilarIndex = std::make_shared<TSimilarIndex>(*this);
    return *SimilarIndex;
}

void TQuestionlist::CollectSimilar(const std::string& Question, const std::string& Answer, int Len)
{
    const std::string QCode = SoundexCode(Question, 2);
    const std::string ACode = SoundexCode(Answer, 2);
    // Neither the entry itself nor one with the same question or answer.
    const auto Differs = [&](int I) {
        return !SameUpperAscii(ViewedAnswer(*this, I), Answer) && !SameUpperAscii(ViewedQuestion(*this, I), Question);
    };
    std::vector<int> Found;
    if (Len <= LongestIndexedLen) {
        using TColumn = TSimilarIndex::TColumn;
        TSimilarIndex& Index = PhoneticIndex();
        const std::uint32_t QuestionHash = TSimilarIndex::UpperHash(Question);
        const std::uint32_t AnswerHash = TSimilarIndex::UpperHash(Answer);
        const auto Collect = [&](std::span<const TSimilarIndex::TRecord> Records) {
            for (const TSimilarIndex::TRecord& Record : Records) {
                const bool SameHash = (Reverse ? Record.QuestionHash : Record.AnswerHash) == AnswerHash
                    || (Reverse ? Record.AnswerHash : Record.QuestionHash) == QuestionHash;
                const int I = static_cast<int>(Record.Index);
                if (!SameHash || Differs(I))
                    Found.push_back(I);
            }
        };
        Collect(Index.Sounding(*this, Reverse ? TColumn::StoredQuestion : TColumn::StoredAnswer, ACode, Len));
        Collect(Index.Sounding(*this, Reverse ? TColumn::StoredAnswer : TColumn::StoredQuestion, QCode, Len));
    } else {
        for (int I = 0; I < Count(); ++I) {
            const bool Sounds = Cut(SoundexCode(ViewedAnswer(*this, I), 2), Len) == Cut(ACode, Len)
                || Cut(SoundexCode(ViewedQuestion(*this, I), 2), Len) == Cut(QCode, Len);
            if (Sounds && Differs(I))
                Found.push_back(I);
        }
    }
    std::vector<std::uint64_t> Keys(Found.size());
    std::transform(Found.begin(), Found.end(), Keys.begin(), TextOrderKey);
    std::sort(Keys.begin(), Keys.end());
    Keys.erase(std::unique(Keys.begin(), Keys.end()), Keys.end());
    std::vector<std::string> Added(Keys.size());
    std::transform(Keys.begin(), Keys.end(), Added.begin(), IndexText);
    std::vector<std::string> Merged;
    Merged.reserve(SimilarList.size() + Added.size());
    std::set_union(SimilarList.begin(), SimilarList.end(), Added.begin(), Added.end(), std::back_inserter(Merged));
    SimilarList = std::move(Merged);
}

void TQuestionlist::BuildMultipleChoice()
{
    SimilarList.clear();
    const int Right = CurrentIndex();
    if (Right < 0 || Right >= Count())
        throw EMultiChoiceError("Geen 4 antwoorden voor meerkeuze vragen");
    int Level = 4;
    if (IntelliMC)
        CollectSimilar(CurrentQuestion(), CurrentAnswer(), 4);

    std::vector<int> Chosen{Right};
    const auto Fits = [this, &Chosen](int Candidate) {
        return std::none_of(Chosen.begin(), Chosen.end(), [&](int C) {
            return C == Candidate || SameUpperAscii(ViewedAnswer(*this, C), ViewedAnswer(*this, Candidate))
                || SameUpperAscii(ViewedQuestion(*this, C), ViewedQuestion(*this, Candidate));
        });
    };
    for (int Tries = 0; Tries < MaxTries && Chosen.size() < Alternatives; ++Tries) {
        const std::size_t Need = SimilarNeeded(Chosen.size());
        if (IntelliMC && Level == 4 && SimilarList.size() < Need) {
            Level = 3;
            CollectSimilar(CurrentQuestion(), CurrentAnswer(), 3);
        }
        const int Candidate = SimilarList.size() >= Need && Tries < MaxSimilarTries
            ? ParseIndex(SimilarList[static_cast<std::size_t>(Random.Below(static_cast<int>(SimilarList.size())))])
            : Random.Below(Count());
        if (Fits(Candidate))
            Chosen.push_back(Candidate);
    }
    if (Chosen.size() < Alternatives)
        throw EMultiChoiceError("Geen 4 antwoorden voor meerkeuze vragen");

    // The right answer lands on a uniformly random position.
    for (std::size_t N = 0; N < Alternatives; ++N) {
        const auto Pick = Chosen.begin() + Random.Below(static_cast<int>(Chosen.size()));
        if (*Pick == Right)
            MCRightChoice = static_cast<char>('1' + N);
        MCAnswers[N] = Answer(*Pick);
        Chosen.erase(Pick);
    }
}

std::string TQuestionlist::MCAnswer(int N) const
{
    return N >= 1 && N <= static_cast<int>(Alternatives) ? MCAnswers[static_cast<std::size_t>(N - 1)] : std::string();
}

int TQuestionlist::CheckMultiAnswer(char Choice)
{
    static constexpr std::string_view Digits = "1234";
    static constexpr std::string_view Letters = "ABCD";
    std::size_t N = Digits.find(Choice);
    if (N == std::string_view::npos)
        N = Letters.find(Choice);
    if (N == std::string_view::npos)
        throw std::runtime_error("CheckMultiAnswer unexpected choice");
    return CheckAnswer(MCAnswers[N]);
}
