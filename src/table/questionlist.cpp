// SPDX-License-Identifier: GPL-3.0-or-later
// The table part of the question table: entries, fonts, the changed mark and
// the table files.
#include "table/questionlist.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <new>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

#include "editor/codepage.h"
#include "table/ioerrortext.h"
#include "table/safefilewriter.h"
#include "table/tablefile.h"
#include "table/tablereader.h"

namespace {

bool HasFontTag(const std::string& Text) { return Text.find(FontTag) != std::string::npos; }

bool IsDefaultFont(const TTableFont& Font)
{
    return Font.Name == "Arial" && Font.Size == 9 && Font.Charset == 0;
}

// Storage of a large table is asked to come in huge pages: reading a big
// file spends much of its time taking fresh memory page by page otherwise.
void AdviseHugePages(const void* Begin, std::size_t Bytes)
{
    constexpr std::size_t Worthwhile = 4u << 20;
    if (Bytes < Worthwhile)
        return;
    const auto Page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto First = (reinterpret_cast<std::uintptr_t>(Begin) + Page - 1) & ~(Page - 1);
    const auto Last = (reinterpret_cast<std::uintptr_t>(Begin) + Bytes) & ~(Page - 1);
    if (Last > First)
        ::madvise(reinterpret_cast<void*>(First), Last - First, MADV_HUGEPAGE);
}

} // namespace

TQuestionlist::TQuestionlist() { Clear(); }

void TQuestionlist::Clear()
{
    ListName.clear();
    Rest = 0;
    ForgetCurrent();
    Changed = false;
    Entries.clear();
    DropPhoneticIndex();
    WrongAnswers = 0;
    RightAnswers = 0;
    Sessions = 0;
    MCRightChoice = ' ';
    MCAnswers = {};
    ErrorStats = {};
    QuestionFont = TTableFont();
    AnswerFont = TTableFont();
}

int TQuestionlist::Count() const { return static_cast<int>(Entries.size()); }

const TQuestionlist::TEntry& TQuestionlist::EntryAt(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw std::out_of_range("Index " + std::to_string(Index) + " buiten de tabel (0.."
                                + std::to_string(Count() - 1) + ")");
    return Entries[static_cast<std::size_t>(Index)];
}

TQuestionlist::TEntry& TQuestionlist::EntryAt(int Index)
{
    return const_cast<TEntry&>(std::as_const(*this).EntryAt(Index));
}

std::string TQuestionlist::Question(int Index) const
{
    const TEntry& Entry = EntryAt(Index);
    return Reverse ? Entry.Answer : Entry.Question;
}

std::string TQuestionlist::Answer(int Index) const
{
    const TEntry& Entry = EntryAt(Index);
    return Reverse ? Entry.Question : Entry.Answer;
}

int TQuestionlist::CurrentIndex() const { return Count() > 0 ? Current : -1; }

std::string TQuestionlist::CurrentQuestion() const
{
    return Current >= 0 && Current < Count() ? Question(Current) : std::string();
}

std::string TQuestionlist::CurrentAnswer() const
{
    return Current >= 0 && Current < Count() ? Answer(Current) : std::string();
}

bool TQuestionlist::NotAsked(int Index) const { return !EntryAt(Index).QuestionAdmin.Asked; }

TTableFont& TQuestionlist::QFont() { return Reverse ? AnswerFont : QuestionFont; }
TTableFont& TQuestionlist::AFont() { return Reverse ? QuestionFont : AnswerFont; }
const TTableFont& TQuestionlist::QFont() const { return Reverse ? AnswerFont : QuestionFont; }
const TTableFont& TQuestionlist::AFont() const { return Reverse ? QuestionFont : AnswerFont; }

void TQuestionlist::SetQFont(const TTableFont& Font) { QFont() = Font; }

void TQuestionlist::SetQuestion(int Index, const std::string& Text)
{
    TEntry& Entry = EntryAt(Index);
    StoreText(Reverse ? Entry.Answer : Entry.Question, Text);
}

void TQuestionlist::SetAnswer(int Index, const std::string& Text)
{
    TEntry& Entry = EntryAt(Index);
    StoreText(Reverse ? Entry.Question : Entry.Answer, Text);
}

void TQuestionlist::StoreText(std::string& Stored, const std::string& Text)
{
    std::string_view Trimmed = TrimmedView(Text);
    if (Stored == Trimmed)
        return;
    Stored.assign(Trimmed);
    Changed = true;
    DropPhoneticIndex();
}

void TQuestionlist::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    Entries.erase(Entries.begin() + Index);
    Changed = true;
    DropPhoneticIndex();
    KeepRestWithinUnasked();
}

void TQuestionlist::RemoveEmpty()
{
    auto Incomplete = [](const TEntry& Entry) {
        return TrimmedView(Entry.Question).empty() || TrimmedView(Entry.Answer).empty();
    };
    auto Removed = std::remove_if(Entries.begin(), Entries.end(), Incomplete);
    if (Removed == Entries.end())
        return;
    Entries.erase(Removed, Entries.end());
    DropPhoneticIndex();
    KeepRestWithinUnasked();
}

void TQuestionlist::KeepRestWithinUnasked()
{
    if (Rest <= 0)
        return;
    const auto Unasked = std::count_if(Entries.begin(), Entries.end(),
                                       [](const TEntry& Entry) { return !Entry.QuestionAdmin.Asked; });
    Rest = std::min(Rest, static_cast<int>(Unasked));
}

void TQuestionlist::SelectEntry(int Index)
{
    if (Index < 0)
        return;
    Index = std::min(Index, Count());
    if (Index < Count()) {
        Current = Index;
        return;
    }
    if (Entries.empty() || (!Entries.back().Question.empty() && !Entries.back().Answer.empty())) {
        Add({}, {});
        Current = Index;
    } else {
        Current = Count() - 1;
    }
}

void TQuestionlist::Add(const std::string& Question, const std::string& Answer)
{
    Entries.push_back({Question, Answer, {}, {}});
    DropPhoneticIndex();
}

TQuestionAdmin& TQuestionlist::QuestionAdmin(int Index) { return EntryAt(Index).QuestionAdmin; }
TAnswerAdmin& TQuestionlist::AnswerAdmin(int Index) { return EntryAt(Index).AnswerAdmin; }
const TQuestionAdmin& TQuestionlist::QuestionAdmin(int Index) const { return EntryAt(Index).QuestionAdmin; }
const TAnswerAdmin& TQuestionlist::AnswerAdmin(int Index) const { return EntryAt(Index).AnswerAdmin; }
const std::string& TQuestionlist::StoredQuestion(int Index) const { return EntryAt(Index).Question; }
const std::string& TQuestionlist::StoredAnswer(int Index) const { return EntryAt(Index).Answer; }

void TQuestionlist::LoadFromFile(const std::string& FileName)
{
    ListName = Entries.empty() ? FileName : std::string();
    if (FileName.empty())
        return;
    TTableReader Reader;
    const int OpenError = Reader.Open(FileName);
    if (OpenError == ENOENT || OpenError == ENOTDIR)
        throw EListReadError("Bestand " + FileName + " bestaat niet");
    if (OpenError != 0)
        throw EListReadError("Fout tijdens openen " + FileName + ": " + IoErrorText(OpenError));

    const bool Dos = IsDosFile(FileName);
    DropPhoneticIndex();
    // The estimate comes from the start of the file; a little room to spare
    // saves moving every entry when the rest of the file has shorter lines.
    const std::size_t Estimate = Reader.EstimatedLineCount();
    ReserveFor(Estimate + Estimate / 16);
    while (!Reader.AtEnd()) {
        if (Entries.size() == Entries.capacity())
            ReserveFor(Entries.size() / 2 + 1);
        // Each line is read straight into a new entry, which goes again
        // when the line turns out not to be one.
        TEntry& Entry = Entries.emplace_back();
        Reader.ReadTableLine(Entry.Question, Entry.Answer);
        if (HasFontTag(Entry.Question) && HasFontTag(Entry.Answer)) {
            ReadFontSpec(Entry.Question, QuestionFont);
            ReadFontSpec(Entry.Answer, AnswerFont);
            Entries.pop_back();
        } else if (Entry.Question.empty() || Entry.Answer.empty()) {
            Entries.pop_back();
        } else if (Dos) {
            DosToWin(Entry.Question);
            DosToWin(Entry.Answer);
        }
    }
    if (Reader.Error() != 0)
        throw EListReadError("Fout tijdens inlezen " + FileName + ": " + IoErrorText(Reader.Error()));
}

void TQuestionlist::ReserveFor(std::size_t MoreEntries)
{
    std::size_t Needed = Entries.size() + MoreEntries;
    if (Needed <= Entries.capacity())
        return;
    try {
        Entries.reserve(std::max(Needed, 2 * Entries.capacity()));
        AdviseHugePages(Entries.data(), Entries.capacity() * sizeof(TEntry));
    } catch (const std::bad_alloc&) {
        // Only a guess from the start of the file; the table grows as it is read.
    }
}

void TQuestionlist::WriteToFile(const std::string& FileName, int MinWrong)
{
    if (FileName.empty())
        return;
    TSafeFileWriter File(FileName);
    auto WriteLine = [&File](std::string_view Question, std::string_view Answer) {
        File.Write(Question);
        File.Write(EntrySeparator);
        File.Write(Answer);
        File.Write("\r\n");
    };
    if (!IsDefaultFont(QuestionFont) || !IsDefaultFont(AnswerFont))
        WriteLine(FontSpec(QuestionFont), FontSpec(AnswerFont));
    const bool Dos = IsDosFile(FileName);
    std::string Question;
    std::string Answer;
    for (const TEntry& Entry : Entries) {
        if (Entry.AnswerAdmin.WrongCount < MinWrong || Entry.Question.empty() || Entry.Answer.empty())
            continue;
        if (!Dos) {
            WriteLine(Entry.Question, Entry.Answer);
            continue;
        }
        Question.assign(Entry.Question);
        Answer.assign(Entry.Answer);
        WinToDos(Question);
        WinToDos(Answer);
        WriteLine(Question, Answer);
    }
    if (int Error = File.Commit(); Error != 0)
        throw EListWriteError("Fout tijdens schrijven " + FileName + ": " + IoErrorText(Error));
    // Only a write of the whole table brings it in line with a file.
    if (MinWrong <= 0)
        Changed = false;
}

void TQuestionlist::SaveToFile(const std::string& FileName)
{
    ListName = FileName;
    if (!Entries.empty())
        WriteToFile(FileName, 0);
    else if (!FileName.empty())
        TSafeFileWriter::ClearLeftover(FileName); // an empty table writes nothing
}
