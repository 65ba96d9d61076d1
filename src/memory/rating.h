// SPDX-License-Identifier: GPL-3.0-or-later
// The rating of the memory model that a quiz verdict stands for.
#pragma once

#include "memory/fsrs.h"

// The quiz modes as the memory's log keeps them.
enum class TQuizMode { Training = 1, Choice = 2, FillIn = 3 };

// Verdict is a quiz verdict code (arRight .. arOtherRight). Helped: the
// question was being asked again after a hint or after its answer was shown,
// or the answer came after a hint; such an answer is at best Hard.
[[nodiscard]] TRating RatingOfVerdict(TQuizMode Mode, int Verdict, bool Helped);
