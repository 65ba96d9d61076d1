// SPDX-License-Identifier: GPL-3.0-or-later
// The states of the main window. Ranges matter: 3..8 is a running quiz,
// 2..8 an active question/answer panel, 0, 1, 9 and 10 the title screen.
#pragma once

inline constexpr int msNoTable = 0;
inline constexpr int msIdle = 1;
inline constexpr int msEdit = 2;
inline constexpr int msTrainingQuestion = 3;
inline constexpr int msTrainingAnswer = 4;
inline constexpr int msChoiceQuestion = 5;
inline constexpr int msChoiceAnswered = 6;
inline constexpr int msFillInQuestion = 7;
inline constexpr int msFillInAnswered = 8;
inline constexpr int msAborted = 9;
inline constexpr int msFinished = 10;

[[nodiscard]] constexpr bool IsQuizState(int State) { return State >= msTrainingQuestion && State <= msFillInAnswered; }
