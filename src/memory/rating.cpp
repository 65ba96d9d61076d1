// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/rating.h"

#include "table/questionlist.h"

TRating RatingOfVerdict(TQuizMode Mode, int Verdict, bool Helped)
{
    if (Verdict == arWrong)
        return TRating::Again;
    TRating Rating = TRating::Good;
    if (Mode == TQuizMode::FillIn && Verdict == arMisspelled)
        Rating = TRating::Hard;
    if (Helped)
        Rating = TRating::Hard;
    return Rating;
}
