// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/questionlist.h"

TQuestionlist::TQuestionlist() { Clear(); }
void TQuestionlist::Clear() { Entries.clear(); }
int TQuestionlist::Count() const { return static_cast<int>(Entries.size()); }
std::string TQuestionlist::Question(int Index) const { return Reverse ? Entries.at(Index).Answer : Entries.at(Index).Question; }
std::string TQuestionlist::Answer(int Index) const { return Reverse ? Entries.at(Index).Question : Entries.at(Index).Answer; }
int TQuestionlist::CurrentIndex() const { return Count() > 0 ? Current : -1; }
std::string TQuestionlist::CurrentQuestion() const { return Current >= 0 && Current < Count() ? Question(Current) : std::string(); }
std::string TQuestionlist::CurrentAnswer() const { return Current >= 0 && Current < Count() ? Answer(Current) : std::string(); }
bool TQuestionlist::NotAsked(int Index) const { return !Entries.at(Index).QuestionAdmin.Asked; }
TTableFont& TQuestionlist::QFont() { return Reverse ? AnswerFont : QuestionFont; }
TTableFont& TQuestionlist::AFont() { return Reverse ? QuestionFont : AnswerFont; }
const TTableFont& TQuestionlist::QFont() const { return Reverse ? AnswerFont : QuestionFont; }
const TTableFont& TQuestionlist::AFont() const { return Reverse ? QuestionFont : AnswerFont; }
void TQuestionlist::SetQuestion(int, const std::string&) {}
void TQuestionlist::SetAnswer(int, const std::string&) {}
void TQuestionlist::Delete(int) {}
void TQuestionlist::RemoveEmpty() {}
void TQuestionlist::SelectEntry(int) {}
void TQuestionlist::SetQFont(const TTableFont& Font) { QFont() = Font; }
void TQuestionlist::Add(const std::string& Question, const std::string& Answer) { Entries.push_back({Question, Answer, {}, {}}); }
TQuestionAdmin& TQuestionlist::QuestionAdmin(int Index) { return Entries.at(Index).QuestionAdmin; }
TAnswerAdmin& TQuestionlist::AnswerAdmin(int Index) { return Entries.at(Index).AnswerAdmin; }
const TQuestionAdmin& TQuestionlist::QuestionAdmin(int Index) const { return Entries.at(Index).QuestionAdmin; }
const TAnswerAdmin& TQuestionlist::AnswerAdmin(int Index) const { return Entries.at(Index).AnswerAdmin; }
const std::string& TQuestionlist::StoredQuestion(int Index) const { return Entries.at(Index).Question; }
const std::string& TQuestionlist::StoredAnswer(int Index) const { return Entries.at(Index).Answer; }
void TQuestionlist::LoadFromFile(const std::string&) {}
void TQuestionlist::WriteToFile(const std::string&, int) {}
void TQuestionlist::SaveToFile(const std::string&) {}
