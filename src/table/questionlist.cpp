// SPDX-License-Identifier: GPL-3.0-or-later
// The table part of the question table: entries, fonts, the changed mark and
// the table files.
#include "table/questionlist.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <new>
#include <utility>

#include "editor/codepage.h"
#include "table/ioerrortext.h"
#include "table/safefilewriter.h"
#include "table/tablefile.h"
#include "table/tablereader.h"

namespace {

bool HasFontTag(std::string_view Text) { return Text.find(FontTag) != std::string::npos; }

bool IsDefaultFont(const TTableFont& Font)
{
    return Font.Name == "Arial" && Font.Size == 9 && Font.Charset == 0;
}

// Turns a text read from a DOS file into Windows-1252 where it lies.
void ConvertDosText(char* Text, std::size_t Length)
{
    static const std::array<char, 256> DosToWinBytes = [] {
        std::array<char, 256> Bytes{};
        for (std::size_t Byte = 0; Byte < Bytes.size(); ++Byte)
            Bytes[Byte] = DosCharToWin(static_cast<char>(Byte));
        return Bytes;
    }();
    for (char* Byte = Text; Byte != Text + Length; ++Byte)
        *Byte = DosToWinBytes[static_cast<unsigned char>(*Byte)];
}

} // namespace

TQuestionlist::TQuestionlist() { Clear(); }

void TQuestionlist::Clear()
{
    ListName.clear();
    Rest = 0;
    ForgetCurrent();
    MemoryOrder.clear();
    Changed = false;
    Entries.clear();
    Texts.Clear();
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

void TQuestionlist::ThrowOutOfRange(int Index) const
{
    throw std::out_of_range("Index " + std::to_string(Index) + " buiten de tabel (0.." + std::to_string(Count() - 1)
                            + ")");
}

TQuestionlist::TEntry& TQuestionlist::EntryAt(int Index)
{
    return const_cast<TEntry&>(std::as_const(*this).EntryAt(Index));
}

std::string TQuestionlist::Question(int Index) const
{
    return std::string(Reverse ? StoredAnswer(Index) : StoredQuestion(Index));
}

std::string TQuestionlist::Answer(int Index) const
{
    return std::string(Reverse ? StoredQuestion(Index) : StoredAnswer(Index));
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
    if (Reverse)
        StoreText(Entry.AnswerAt, Entry.AnswerLength, Text);
    else
        StoreText(Entry.QuestionAt, Entry.QuestionLength, Text);
}

void TQuestionlist::SetAnswer(int Index, const std::string& Text)
{
    TEntry& Entry = EntryAt(Index);
    if (Reverse)
        StoreText(Entry.QuestionAt, Entry.QuestionLength, Text);
    else
        StoreText(Entry.AnswerAt, Entry.AnswerLength, Text);
}

void TQuestionlist::StoreText(std::uint32_t& At, std::uint8_t& Length, const std::string& Text)
{
    std::string_view Trimmed = TrimmedView(Text);
    if (TextOf(At, Length) == Trimmed)
        return;
    SetOwnText(At, Length, Trimmed);
    Changed = true;
    DropPhoneticIndex();
}

void TQuestionlist::SetOwnText(std::uint32_t& At, std::uint8_t& Length, std::string_view Text)
{
    if (Length == OwnText) {
        Texts.Text(At).assign(Text);
        return;
    }
    At = Texts.AddText(Text);
    Length = OwnText;
}

void TQuestionlist::ReleaseTexts(const TEntry& Entry)
{
    if (Entry.QuestionLength == OwnText)
        Texts.FreeText(Entry.QuestionAt);
    if (Entry.AnswerLength == OwnText)
        Texts.FreeText(Entry.AnswerAt);
}

void TQuestionlist::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        return;
    ReleaseTexts(Entries[static_cast<std::size_t>(Index)]);
    Entries.erase(Entries.begin() + Index);
    Changed = true;
    DropPhoneticIndex();
    KeepRestWithinUnasked();
}

void TQuestionlist::RemoveEmpty()
{
    auto Incomplete = [this](const TEntry& Entry) {
        if (!TrimmedView(TextOf(Entry.QuestionAt, Entry.QuestionLength)).empty()
            && !TrimmedView(TextOf(Entry.AnswerAt, Entry.AnswerLength)).empty())
            return false;
        ReleaseTexts(Entry);
        return true;
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
    if (Entries.empty() || (!StoredQuestion(Count() - 1).empty() && !StoredAnswer(Count() - 1).empty())) {
        Add({}, {});
        Current = Index;
    } else {
        Current = Count() - 1;
    }
}

void TQuestionlist::Add(const std::string& Question, const std::string& Answer)
{
    TEntry& Entry = Entries.emplace_back();
    if (!Question.empty())
        SetOwnText(Entry.QuestionAt, Entry.QuestionLength, Question);
    if (!Answer.empty())
        SetOwnText(Entry.AnswerAt, Entry.AnswerLength, Answer);
    DropPhoneticIndex();
}

void TQuestionlist::AddRead(std::size_t QuestionAt, std::size_t QuestionLength, std::size_t AnswerAt,
                            std::size_t AnswerLength)
{
    if (Entries.size() == Entries.capacity())
        ReserveFor(Entries.size() / 2 + 1);
    TEntry& Entry = Entries.emplace_back();
    // Beyond the reach of a place in the buffer a text takes its own storage.
    constexpr std::size_t Reach = std::numeric_limits<std::uint32_t>::max();
    if (QuestionAt <= Reach) {
        Entry.QuestionAt = static_cast<std::uint32_t>(QuestionAt);
        Entry.QuestionLength = static_cast<std::uint8_t>(QuestionLength);
    } else {
        SetOwnText(Entry.QuestionAt, Entry.QuestionLength, Texts.View(QuestionAt, QuestionLength));
    }
    if (AnswerAt <= Reach) {
        Entry.AnswerAt = static_cast<std::uint32_t>(AnswerAt);
        Entry.AnswerLength = static_cast<std::uint8_t>(AnswerLength);
    } else {
        SetOwnText(Entry.AnswerAt, Entry.AnswerLength, Texts.View(AnswerAt, AnswerLength));
    }
}

TQuestionAdmin& TQuestionlist::QuestionAdmin(int Index) { return EntryAt(Index).QuestionAdmin; }
TAnswerAdmin& TQuestionlist::AnswerAdmin(int Index) { return EntryAt(Index).AnswerAdmin; }
const TQuestionAdmin& TQuestionlist::QuestionAdmin(int Index) const { return EntryAt(Index).QuestionAdmin; }
const TAnswerAdmin& TQuestionlist::AnswerAdmin(int Index) const { return EntryAt(Index).AnswerAdmin; }

void TQuestionlist::LoadFromFile(const std::string& FileName)
{
    ListName = Entries.empty() ? FileName : std::string();
    if (FileName.empty())
        return;
    TTableReader Reader(Texts);
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
    TTextSpan Question;
    TTextSpan Answer;
    while (Reader.ReadTableLine(Question, Answer)) {
        const std::string_view QuestionText = Texts.View(Question.At, Question.Length);
        const std::string_view AnswerText = Texts.View(Answer.At, Answer.Length);
        if (QuestionText.empty() || AnswerText.empty())
            continue;
        if (HasFontTag(QuestionText) && HasFontTag(AnswerText)) {
            ReadFontSpec(QuestionText, QuestionFont);
            ReadFontSpec(AnswerText, AnswerFont);
            continue;
        }
        if (Dos) {
            ConvertDosText(Texts.Bytes() + Question.At, Question.Length);
            ConvertDosText(Texts.Bytes() + Answer.At, Answer.Length);
        }
        AddRead(Question.At, Question.Length, Answer.At, Answer.Length);
    }
    Texts.Shrink();
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
        const std::string_view QuestionText = TextOf(Entry.QuestionAt, Entry.QuestionLength);
        const std::string_view AnswerText = TextOf(Entry.AnswerAt, Entry.AnswerLength);
        if (Entry.AnswerAdmin.WrongCount < MinWrong || QuestionText.empty() || AnswerText.empty())
            continue;
        if (!Dos) {
            WriteLine(QuestionText, AnswerText);
            continue;
        }
        Question.assign(QuestionText);
        Answer.assign(AnswerText);
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
