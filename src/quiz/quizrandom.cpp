// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizrandom.h"

#include <chrono>

void TQuizRandom::Randomize()
{
    Seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())
         ^ static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void TQuizRandom::Seed(std::uint64_t Value)
{
    Engine.seed(Value);
}

int TQuizRandom::Below(int N)
{
    if (N <= 0)
        return 0;
    std::uniform_int_distribution<int> Draw(0, N - 1);
    return Draw(Engine);
}
