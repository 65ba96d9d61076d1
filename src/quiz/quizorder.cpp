// SPDX-License-Identifier: GPL-3.0-or-later
// Quiz order: starting a round, choosing the next question, counting the
// verdicts, asking again, the grade and the options with side effects.
#include "table/questionlist.h"

#include <algorithm>

void TQuestionlist::StartSession()
{
    if (Hooks.SessionStarting)
        Hooks.SessionStarting();
    WrongAnswers = 0;
    RightAnswers = 0;
    Rest = UseSample && Count() > SampleSize ? SampleSize : Count();
    for (TEntry& Entry : Entries)
        Entry.QuestionAdmin.Asked = false;
    Random.Randomize();
    if (Sequential)
        ForgetCurrent();
    if (!MemoryOrder.empty() && MemoryOrder.size() > static_cast<std::size_t>(Rest))
        MemoryOrder.resize(static_cast<std::size_t>(Rest));
    MemoryOrderAt = -1;
}

bool TQuestionlist::NextInMemoryOrder()
{
    const int Length = static_cast<int>(MemoryOrder.size());
    for (int Step = 1; Step <= Length; ++Step) {
        const int At = (MemoryOrderAt + Step) % Length;
        const int Index = MemoryOrder[static_cast<std::size_t>(At < 0 ? 0 : At)];
        if (Index >= 0 && Index < Count() && NotAsked(Index)) {
            MemoryOrderAt = At;
            Current = Index;
            return true;
        }
    }
    return false;
}

int TQuestionlist::CountUnasked() const
{
    return static_cast<int>(std::count_if(Entries.begin(), Entries.end(),
                                          [](const TEntry& Entry) { return !Entry.QuestionAdmin.Asked; }));
}

// Rest may promise more questions than there are unasked entries when the
// editor removed entries in the middle of a round: the round is over then.
void TQuestionlist::EndRoundEarly(std::string& Question)
{
    Rest = 0;
    ForgetCurrent();
    ++Sessions;
    Question.clear();
}

void TQuestionlist::NextQuestion(std::string& Question)
{
    if (RetypeCount > 0) {
        --RetypeCount;
        if (RetypeCount > 0) {
            Question = CurrentQuestion();
            return;
        }
    }
    HintLetters = 0;
    if (Rest <= 0) {
        Question.clear();
        return;
    }
    const int Total = Count();
    if (Total == 0) {
        EndRoundEarly(Question);
        return;
    }
    if (!MemoryOrder.empty()) {
        if (!NextInMemoryOrder()) {
            EndRoundEarly(Question);
            return;
        }
    } else if (Sequential) {
        // One pass through the table finds an unasked entry if there is one.
        int Steps = 0;
        do {
            if (Steps++ == Total) {
                EndRoundEarly(Question);
                return;
            }
            Current = Current < -1 || Current >= Total - 1 ? 0 : Current + 1;
        } while (!NotAsked(Current));
    } else {
        // Draw until an unasked entry comes up. Late in a round on a large
        // table most draws miss, so after a run of misses the entry is drawn
        // among the unasked ones directly; either way every unasked entry is
        // equally likely, and a round without unasked entries ends.
        constexpr int MaxMisses = 64;
        int Misses = 0;
        for (Current = Random.Below(Total); !NotAsked(Current); Current = Random.Below(Total)) {
            if (++Misses < MaxMisses)
                continue;
            const int Unasked = CountUnasked();
            if (Unasked == 0) {
                EndRoundEarly(Question);
                return;
            }
            int Skip = Random.Below(Unasked);
            Current = 0;
            while (Entries[static_cast<std::size_t>(Current)].QuestionAdmin.Asked || Skip-- > 0)
                ++Current;
            break;
        }
    }
    Question = CurrentQuestion();
    if (Hooks.QuestionChosen)
        Hooks.QuestionChosen(Current);
    BuildMultipleChoice();
}

void TQuestionlist::RegisterResult(int Result)
{
    // A verdict without a question (a pending question of a broken-off
    // round meeting a new round in table order) counts nothing.
    if (Current < 0 || Current >= Count())
        return;
    TEntry& Entry = Entries[static_cast<std::size_t>(Current)];
    const bool Running = Rest > 0;
    const bool Helped = RetypeCount > 0;
    // An entry leaves the round once: a question asked again after it was
    // answered wrong and marked (then a hint) must not lower Rest twice.
    const auto MarkAsked = [this, &Entry] {
        if (Entry.QuestionAdmin.Asked)
            return;
        Entry.QuestionAdmin.Asked = true;
        --Rest;
    };
    if (Result == arWrong) {
        ++WrongAnswers;
        ++Entry.AnswerAdmin.WrongCount;
        Entry.AnswerAdmin.Wrong = true;
        if (!RepeatErrors && RetypeCount == 0)
            MarkAsked();
    } else if (RetypeCount == 0) {
        ++RightAnswers;
        MarkAsked();
    } else if (!RepeatErrors) {
        MarkAsked(); // asked again after a hint or an empty answer: not counted
    }
    // Only the verdict that ends the round completes a session; a hint after
    // the last answer does not count another one.
    if (Running && Rest <= 0)
        ++Sessions;
    if (Hooks.VerdictCounted)
        Hooks.VerdictCounted(Current, Result, Helped);
}

void TQuestionlist::AskAgain()
{
    RetypeCount = 2;
}

double TQuestionlist::Score() const
{
    const double Right = RightAnswers;
    const double Answered = Right + WrongAnswers;
    return Answered == 0 ? 0.0 : 1 + 9 * Right / Answered;
}

void TQuestionlist::SetSequential(bool Value)
{
    Sequential = Value;
    if (Value)
        ForgetCurrent();
}

void TQuestionlist::SetRepeatErrors(bool Value)
{
    if (Value == RepeatErrors)
        return;
    RepeatErrors = Value;
    if (!Value)
        return;
    for (TEntry& Entry : Entries) {
        if (Entry.AnswerAdmin.Wrong && Entry.QuestionAdmin.Asked) {
            Entry.QuestionAdmin.Asked = false;
            ++Rest;
        }
    }
}

void TQuestionlist::SetSampleSize(int N)
{
    SampleSize = N <= Count() ? N : Count();
}
