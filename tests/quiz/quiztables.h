// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the quiz engine tests: building tables and asking questions
// the way the quiz screens do.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "table/questionlist.h"

inline void Fill(TQuestionlist& Table, std::initializer_list<std::pair<std::string, std::string>> Entries)
{
    for (const auto& [Question, Answer] : Entries)
        Table.Add(Question, Answer);
}

// Fills a table with Count entries "vraag<i>" = "antwoord<i>".
inline void FillNumbered(TQuestionlist& Table, int Count)
{
    for (int I = 0; I < Count; ++I)
        Table.Add("vraag" + std::to_string(I), "antwoord" + std::to_string(I));
}

// Starts a round with a fixed seed, so that its random order is repeatable.
inline void StartSeeded(TQuestionlist& Table, std::uint64_t Seed = 7)
{
    Table.StartSession();
    Table.Random.Seed(Seed);
}

// NextQuestion as the training and fill-in screens call it: too few
// alternatives for multiple choice do not stop the question.
inline std::string Next(TQuestionlist& Table)
{
    std::string Question;
    try {
        Table.NextQuestion(Question);
    } catch (const EMultiChoiceError&) {
        Question = Table.CurrentQuestion();
    }
    return Question;
}
