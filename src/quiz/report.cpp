// SPDX-License-Identifier: GPL-3.0-or-later
// Statistics of a round: the grade as text, the histogram of wrong answers,
// the report, the status of an entry and the debug list.
#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "quiz/phonewin.h"
#include "quiz/quiztext.h"
#include "table/questionlist.h"

namespace {

constexpr int HighestClass = 10;

[[nodiscard]] std::string BoolText(const char* Name, bool Value)
{
    return std::string(Name) + (Value ? "=true" : "=false");
}

// SoundexCode(Text, 2) cut to four characters, as the debug list shows it.
[[nodiscard]] std::string Code4(const std::string& Text)
{
    return SoundexCode(Text, 2).substr(0, 4);
}

} // namespace

std::string ScoreText(double Score)
{
    if (!std::isfinite(Score)) {
        char Text[32];
        std::snprintf(Text, sizeof Text, "%4.1f", Score);
        return Text;
    }
    // Written to 18 significant digits first, then rounded half up at the
    // first decimal, so 7.75 gives 7.8 and 3.25 gives 3.3.
    char Digits[40];
    std::snprintf(Digits, sizeof Digits, "%.17e", std::fabs(Score));
    std::uint64_t Mantissa = 0; // the 18 digits
    for (const char* P = Digits; *P != 'e'; ++P) {
        if (*P != '.')
            Mantissa = Mantissa * 10 + static_cast<std::uint64_t>(*P - '0');
    }
    const int Exponent = std::atoi(std::strchr(Digits, 'e') + 1);
    // Score * 10 = Mantissa * 10^(Exponent - 16).
    std::uint64_t Tenths = 0;
    if (Exponent >= 16) {
        Tenths = Mantissa;
        for (int I = 16; I < Exponent; ++I)
            Tenths *= 10;
    } else {
        const int Dropped = 16 - Exponent; // digits below the first decimal
        if (Dropped <= 19) {
            std::uint64_t Scale = 1;
            for (int I = 1; I < Dropped; ++I)
                Scale *= 10;
            const std::uint64_t NextDigit = Dropped <= 18 ? Mantissa / Scale % 10 : 0;
            Tenths = Dropped <= 18 ? Mantissa / Scale / 10 : 0;
            if (NextDigit >= 5)
                ++Tenths;
        }
    }
    const bool Negative = std::signbit(Score) && Tenths != 0;
    char Text[48];
    std::snprintf(Text, sizeof Text, "%s%" PRIu64 ".%" PRIu64, Negative ? "-" : "", Tenths / 10, Tenths % 10);
    char Aligned[48];
    std::snprintf(Aligned, sizeof Aligned, "%4s", Text);
    return Aligned;
}

void TQuestionlist::MakeReport(std::vector<std::string>& Lines)
{
    ErrorStats.fill(0);
    int Max = 0;
    for (const TEntry& Entry : Entries) {
        if (!Entry.QuestionAdmin.Asked)
            continue;
        const int Class = std::min(std::max(Entry.AnswerAdmin.WrongCount, 0), HighestClass);
        ++ErrorStats[static_cast<std::size_t>(Class)];
        Max = std::max(Max, Class);
    }
    Lines.clear();
    Lines.emplace_back("STATISTIEK RAPPORT:");
    Lines.emplace_back();
    Lines.push_back("Laatste score: " + ScoreText(Score()));
    Lines.emplace_back();
    Lines.push_back("Resultaat na " + std::to_string(Sessions) + " sessie" + (Sessions == 1 ? "" : "s") + ":");
    for (int Class = 0; Class <= Max; ++Class) {
        const int Number = ErrorStats[static_cast<std::size_t>(Class)];
        if (Number == 0)
            continue;
        std::string Line = std::to_string(Number) + (Number == 1 ? " vraag werd " : " vragen werden ");
        if (Class == 0)
            Line += "goed beantwoord";
        else
            Line += std::to_string(Class) + " keer " + (Class == HighestClass ? " of vaker " : "") + "fout beantwoord";
        Lines.push_back(std::move(Line));
    }
}

int TQuestionlist::ErrorStat(int N) const
{
    return N >= 0 && N <= HighestClass ? ErrorStats[static_cast<std::size_t>(N)] : 0;
}

int TQuestionlist::MaxErrorStat() const
{
    for (int Class = HighestClass; Class >= 0; --Class) {
        if (ErrorStats[static_cast<std::size_t>(Class)] != 0)
            return Rest > 0 && WrongAnswers > 0 ? Class + 1 : Class;
    }
    return 0;
}

std::string TQuestionlist::EntryStatus(int Index) const
{
    std::string Status;
    if (QuestionAdmin(Index).Asked)
        Status += "* ";
    const TAnswerAdmin& Admin = AnswerAdmin(Index);
    if (Admin.Wrong)
        Status += "F ";
    if (Admin.WrongCount > 0)
        Status += "F:" + std::to_string(Admin.WrongCount);
    return Status.empty() ? Status : "[" + Status + "]";
}

std::string TQuestionlist::DebugEntryLine(int Index) const
{
    return "[" + std::to_string(Index) + "] '" + Question(Index) + "' = '" + Answer(Index)
           + "' " + EntryStatus(Index);
}

void TQuestionlist::ShowDebugInfo(std::vector<std::string>& Lines, int Mode, bool WithEntries) const
{
    Lines.clear();
    if (Mode == 0) {
        Lines.emplace_back("DEBUG INFO:");
        Lines.push_back("Listname: " + ListName);
        Lines.push_back("Total: " + std::to_string(Count()));
        Lines.push_back("Rest: " + std::to_string(Rest));
        Lines.push_back("RightAnswers: " + std::to_string(RightAnswers));
        Lines.push_back("WrongAnswers: " + std::to_string(WrongAnswers));
        Lines.push_back("Score: " + ScoreText(Score()));
        Lines.push_back(BoolText("RepeatErrors", RepeatErrors));
        Lines.push_back(BoolText("Reverse", Reverse));
        Lines.push_back(BoolText("Tolerant", Tolerant));
        Lines.push_back(BoolText("Changed", Changed));
        Lines.push_back("CurrentIndex: " + std::to_string(CurrentIndex()));
        Lines.push_back("CurrentQuestion: " + CurrentQuestion());
        Lines.push_back("CurrentAnswer: " + CurrentAnswer());
        for (std::size_t N = 0; N < MCAnswers.size(); ++N)
            Lines.push_back("Answer" + std::to_string(N + 1) + ": " + MCAnswers[N]);
        Lines.push_back("QFontName: " + QFont().Name);
        Lines.push_back("AFontName: " + AFont().Name);
        Lines.emplace_back("---TABLE---");
        for (int I = 0; WithEntries && I < Count(); ++I)
            Lines.push_back(DebugEntryLine(I));
    } else if (Mode == 1) {
        const std::string Question = CurrentQuestion();
        const std::string Answer = CurrentAnswer();
        Lines.push_back(Question + " [" + Code4(Question) + "] = " + Answer + " [" + Code4(Answer) + "]");
        Lines.push_back("---INTELLIMC-LIST: " + std::to_string(SimilarList.size()) + " ---");
        for (const std::string& Item : SimilarList) {
            // The list may name entries that the editor has removed since.
            const int Index = std::atoi(Item.c_str());
            const bool Valid = Index >= 0 && Index < Count();
            const std::string Q(Valid ? ViewedQuestion(*this, Index) : std::string_view());
            const std::string A(Valid ? ViewedAnswer(*this, Index) : std::string_view());
            Lines.push_back(Q + " [" + Code4(Q) + "] = " + A + " [" + Code4(A) + "]");
        }
    }
}
