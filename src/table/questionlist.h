// SPDX-License-Identifier: GPL-3.0-or-later
// The question table: the entries of one table with their fonts, the quiz
// options and the state of the quiz that runs on it. Texts are Windows-1252
// byte strings.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "quiz/quizrandom.h"
#include "table/textstore.h"

class TSimilarIndex;

// Failures of reading and writing table files; what() is the Dutch message.
class EListReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EListWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised when four different multiple-choice alternatives cannot be found.
class EMultiChoiceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Verdicts on the current question; only arWrong counts as wrong.
inline constexpr int arRight = 0;
inline constexpr int arWrong = 1;
inline constexpr int arMisspelled = 2;
inline constexpr int arOtherRight = 3;

// The longest text a table file, an edit field or the input field holds.
inline constexpr int MaxTextLength = 152;

// Font of one column. Name, size and character set go into the table file;
// style and colour only live in memory.
struct TTableFont {
    std::string Name = "Arial";
    int Size = 9;
    int Charset = 1;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    std::uint32_t Color = 0; // 0xRRGGBB

    bool operator==(const TTableFont&) const = default;
};

struct TQuestionAdmin {
    bool Asked = false;
};

struct TAnswerAdmin {
    std::int32_t WrongCount = 0;
    bool Wrong = false;
};

class TQuestionlist {
public:
    TQuestionlist();

    // --- state (public, written by the main window as well) ---
    std::string ListName;
    int Rest = 0;
    int Current = -1;
    bool Changed = false;
    std::vector<std::string> SimilarList; // decimal indexes, sorted as text, no duplicates
    int WrongAnswers = 0;
    int RightAnswers = 0;
    int Sessions = 0;
    bool Sequential = false;
    bool RepeatErrors = false;
    bool Reverse = false;
    bool Tolerant = false;
    bool IntelliMC = true;
    bool UseSample = false;
    int SampleSize = 20;
    int RetypeCount = 0;
    int HintLetters = 0;
    char MCRightChoice = ' ';
    std::array<std::string, 4> MCAnswers; // alternatives 1..4 at [0..3]
    std::array<int, 11> ErrorStats{};
    TTableFont QuestionFont;
    TTableFont AnswerFont;
    TQuizRandom Random; // the one generator of the quiz

    // Watchers of the quiz, called when set: before a round is set up (the
    // place to fill MemoryOrder), when a new question is chosen, and after
    // a verdict is counted. Helped: the question was asked again after a
    // hint or after its answer was shown.
    struct TQuizHooks {
        std::function<void()> SessionStarting;
        std::function<void(int Index)> QuestionChosen;
        std::function<void(int Index, int Result, bool Helped)> VerdictCounted;
    };
    TQuizHooks Hooks;
    // The order of the memory across days: the entries to ask, in order.
    // Empty: the round is asked at random or in table order. A sample takes
    // the head of it.
    std::vector<int> MemoryOrder;

    // --- construction and reset ---
    void Clear();

    // --- reading entries (viewed orientation) ---
    [[nodiscard]] std::string Question(int Index) const;
    [[nodiscard]] std::string Answer(int Index) const;
    [[nodiscard]] int CurrentIndex() const;
    [[nodiscard]] std::string CurrentQuestion() const;
    [[nodiscard]] std::string CurrentAnswer() const;
    [[nodiscard]] bool NotAsked(int Index) const;
    TTableFont& QFont();
    TTableFont& AFont();
    [[nodiscard]] const TTableFont& QFont() const;
    [[nodiscard]] const TTableFont& AFont() const;

    // --- changing entries ---
    void SetQuestion(int Index, const std::string& Text);
    void SetAnswer(int Index, const std::string& Text);
    void Delete(int Index);
    void RemoveEmpty();
    void SelectEntry(int Index);
    void SetQFont(const TTableFont& Font);

    // Appends an entry with the texts as given and fresh records.
    void Add(const std::string& Question, const std::string& Answer);

    // Records of entry Index (stored orientation).
    TQuestionAdmin& QuestionAdmin(int Index);
    TAnswerAdmin& AnswerAdmin(int Index);
    [[nodiscard]] const TQuestionAdmin& QuestionAdmin(int Index) const;
    [[nodiscard]] const TAnswerAdmin& AnswerAdmin(int Index) const;

    // Stored texts, whatever Reverse says. A view stays valid until its text
    // is set, its entry removed or a file read into the table.
    [[nodiscard]] std::string_view StoredQuestion(int Index) const;
    [[nodiscard]] std::string_view StoredAnswer(int Index) const;
    [[nodiscard]] int Count() const { return static_cast<int>(Entries.size()); }
    // Changes with every change of a text or of the list of entries.
    [[nodiscard]] std::uint64_t Revision() const { return EntriesRevision; }

    // --- table files ---
    // Makes room for about MoreEntries entries before they are added.
    void ReserveFor(std::size_t MoreEntries);
    void LoadFromFile(const std::string& FileName);
    void WriteToFile(const std::string& FileName, int MinWrong);
    void SaveToFile(const std::string& FileName);

    // --- quiz order and selection ---
    void StartSession();
    void NextQuestion(std::string& Question);
    void RegisterResult(int Result);
    void AskAgain();
    [[nodiscard]] double Score() const;
    void SetSequential(bool Value);
    void SetRepeatErrors(bool Value);
    void SetSampleSize(int N);

    // --- answer checking and hints ---
    int CheckAnswer(const std::string& Typed);
    void Hint(std::string& Text) const;

    // --- multiple choice ---
    void BuildMultipleChoice();
    void CollectSimilar(const std::string& Question, const std::string& Answer, int Len);
    [[nodiscard]] std::string MCAnswer(int N) const;
    int CheckMultiAnswer(char Choice);

    // --- statistics and report ---
    void MakeReport(std::vector<std::string>& Lines);
    [[nodiscard]] int ErrorStat(int N) const;
    [[nodiscard]] int MaxErrorStat() const;
    [[nodiscard]] std::string EntryStatus(int Index) const;
    // The debug list: in mode 0 the table's state and one line per entry,
    // in mode 1 the current question and its similar entries. Without
    // WithEntries, mode 0 stops before the entries' lines, which
    // DebugEntryLine gives one at a time.
    void ShowDebugInfo(std::vector<std::string>& Lines, int Mode, bool WithEntries = true) const;
    [[nodiscard]] std::string DebugEntryLine(int Index) const;

private:
    // An entry names its two texts in Texts: a text read from a file by its
    // place in the buffer and its length (at most MaxTextLength), any other
    // text by its number among the texts of their own (length OwnText).
    static constexpr std::uint8_t OwnText = 0xFF;
    struct TEntry {
        std::uint32_t QuestionAt = 0;
        std::uint32_t AnswerAt = 0;
        TAnswerAdmin AnswerAdmin;
        std::uint8_t QuestionLength = 0;
        std::uint8_t AnswerLength = 0;
        TQuestionAdmin QuestionAdmin;
    };
    std::vector<TEntry> Entries;
    TTextStore Texts;

    [[nodiscard]] std::string_view TextOf(std::uint32_t At, std::uint8_t Length) const
    {
        if (Length == OwnText)
            return Texts.Text(At);
        return Length == 0 ? std::string_view() : Texts.View(At, Length);
    }
    // Gives an entry's text its own storage holding Text.
    void SetOwnText(std::uint32_t& At, std::uint8_t& Length, std::string_view Text);
    void ReleaseTexts(const TEntry& Entry);
    // Appends an entry with texts read from a file into Texts.
    void AddRead(std::size_t QuestionAt, std::size_t QuestionLength, std::size_t AnswerAt, std::size_t AnswerLength);

    // Entry Index; std::out_of_range outside 0..Count-1.
    [[nodiscard]] const TEntry& EntryAt(int Index) const
    {
        if (Index < 0 || Index >= Count())
            ThrowOutOfRange(Index);
        return Entries[static_cast<std::size_t>(Index)];
    }
    TEntry& EntryAt(int Index);
    [[noreturn]] void ThrowOutOfRange(int Index) const;
    // Stores Text, trimmed, in a stored column when it differs.
    void StoreText(std::uint32_t& At, std::uint8_t& Length, const std::string& Text);
    // After entries were removed in the middle of a quiz: Rest counts no more
    // questions than there are entries left to ask.
    void KeepRestWithinUnasked();

    // Phonetic codes of the entries for similar alternatives: made when a
    // question first needs them, a first character at a time, and dropped by
    // every change of a text or of the list of entries (call
    // DropPhoneticIndex there).
    std::shared_ptr<TSimilarIndex> SimilarIndex;
    TSimilarIndex& PhoneticIndex();
    void DropPhoneticIndex() noexcept
    {
        SimilarIndex.reset();
        ++EntriesRevision;
    }
    std::uint64_t EntriesRevision = 0;
    // No question is current any more; one that was to be asked again
    // (after a hint or "don't know") goes with it.
    void ForgetCurrent() noexcept
    {
        Current = -1;
        RetypeCount = 0;
    }
    // Quiz helpers.
    [[nodiscard]] int CountUnasked() const;
    void EndRoundEarly(std::string& Question);
    // The next unasked entry of MemoryOrder after the last one asked; false
    // when it holds none.
    bool NextInMemoryOrder();
    int MemoryOrderAt = -1;
};

inline std::string_view TQuestionlist::StoredQuestion(int Index) const
{
    const TEntry& Entry = EntryAt(Index);
    return TextOf(Entry.QuestionAt, Entry.QuestionLength);
}

inline std::string_view TQuestionlist::StoredAnswer(int Index) const
{
    const TEntry& Entry = EntryAt(Index);
    return TextOf(Entry.AnswerAt, Entry.AnswerLength);
}

// The score with one decimal, right-aligned in four characters (" 7.8", "10.0").
[[nodiscard]] std::string ScoreText(double Score);
