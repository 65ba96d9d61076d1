// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/quizoptions.h"

#include "app/frmmain.h"

TQuizOptions::TQuizOptions(TfrmMain& Main) : QObject(&Main), Main(Main) {}

void TQuizOptions::ToggleReverse() {}
void TQuizOptions::ToggleRepeatErrors() {}
void TQuizOptions::ToggleTolerant() {}
void TQuizOptions::ToggleIntelliMC() {}
void TQuizOptions::ToggleSample() {}
void TQuizOptions::ToggleSequential() {}
void TQuizOptions::AskSampleSize() {}
