// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/questionlist.h"

void TQuestionlist::StartSession() {}
void TQuestionlist::NextQuestion(std::string& Question) { Question.clear(); }
void TQuestionlist::RegisterResult(int) {}
void TQuestionlist::AskAgain() {}
double TQuestionlist::Score() const { return 0.0; }
void TQuestionlist::SetSequential(bool Value) { Sequential = Value; }
void TQuestionlist::SetRepeatErrors(bool Value) { RepeatErrors = Value; }
void TQuestionlist::SetSampleSize(int N) { SampleSize = N; }
int TQuestionlist::CheckAnswer(const std::string&) { return arWrong; }
void TQuestionlist::Hint(std::string& Text) const { Text.clear(); }
void TQuestionlist::BuildMultipleChoice() {}
void TQuestionlist::CollectSimilar(const std::string&, const std::string&, int) {}
std::string TQuestionlist::MCAnswer(int N) const { return MCAnswers.at(N - 1); }
int TQuestionlist::CheckMultiAnswer(char) { return arWrong; }
void TQuestionlist::MakeReport(std::vector<std::string>& Lines) { Lines.clear(); }
int TQuestionlist::ErrorStat(int N) const { return ErrorStats.at(N); }
int TQuestionlist::MaxErrorStat() const { return 0; }
std::string TQuestionlist::EntryStatus(int) const { return {}; }
void TQuestionlist::ShowDebugInfo(std::vector<std::string>& Lines, int) const { Lines.clear(); }
std::string ScoreText(double) { return " 0.0"; }
