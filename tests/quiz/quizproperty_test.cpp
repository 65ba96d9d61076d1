// SPDX-License-Identifier: GPL-3.0-or-later
// Long random quizzes: the engine is driven through many random operations
// on random tables, with edits and file reads in the middle of a quiz, and
// its promises are checked after every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "table/questionlist.h"

namespace {

namespace fs = std::filesystem;

// Short words from a small alphabet, so that equal, similar and
// differently cased texts come up often.
std::string RandomWord(std::mt19937& Rng)
{
    static const std::string Letters = "aAbdehiknorstvz \xE9";
    std::string Word;
    const int Length = 1 + static_cast<int>(Rng() % 6);
    for (int i = 0; i < Length; ++i)
        Word += Letters[Rng() % Letters.size()];
    if (Rng() % 10 == 0)
        Word += std::to_string(Rng() % 20);
    return Word;
}

class TRandomQuiz {
public:
    TRandomQuiz(std::mt19937& Rng, const std::vector<std::string>& Files) : Rng(Rng), Files(Files)
    {
        Table.Random.Seed(Rng());
        const int Entries = static_cast<int>(Rng() % 51);
        for (int i = 0; i < Entries; ++i)
            Table.Add(RandomWord(Rng), RandomWord(Rng));
    }

    void Step()
    {
        switch (Rng() % 20) {
        case 0: Start(); break;
        case 1: case 2: case 3: Next(); break;
        case 4: case 5: Verdict(static_cast<int>(Rng() % 4)); break;
        case 6: case 7: Typed(); break;
        case 8: Choice(); break;
        case 9: Table.AskAgain(); break;
        case 10: Hint(); break;
        case 11: Table.SetRepeatErrors(Rng() % 2 == 0); break;
        case 12: Table.SetSequential(Rng() % 2 == 0); break;
        case 13:
            Table.UseSample = Rng() % 2 == 0;
            Table.SetSampleSize(static_cast<int>(Rng() % 30));
            break;
        case 14:
            Table.Reverse = Rng() % 2 == 0;
            Table.Tolerant = Rng() % 2 == 0;
            Table.IntelliMC = Rng() % 2 == 0;
            break;
        case 15: Edit(); break;
        case 16: Table.Delete(RandomIndex()); break;
        case 17: Table.SelectEntry(Table.Count()); break;
        case 18: Table.RemoveEmpty(); break;
        case 19:
            if (Rng() % 10 == 0)
                Table.LoadFromFile(Files[Rng() % Files.size()]);
            break;
        }
    }

    void CheckInvariants() const
    {
        int NotAsked = 0;
        for (int i = 0; i < Table.Count(); ++i)
            NotAsked += Table.NotAsked(i) ? 1 : 0;
        ASSERT_LE(Table.Rest, NotAsked);
        ASSERT_EQ(Table.RightAnswers, Right);
        ASSERT_EQ(Table.WrongAnswers, Wrong);
        ASSERT_GE(Table.Score(), 0.0);
        ASSERT_LE(Table.Score(), 10.0);
    }

private:
    std::mt19937& Rng;
    const std::vector<std::string>& Files;
    TQuestionlist Table;
    int Right = 0;
    int Wrong = 0;

    [[nodiscard]] int RandomIndex() { return static_cast<int>(Rng() % (Table.Count() + 2)) - 1; }
    [[nodiscard]] bool HasCurrent() const { return Table.Current >= 0 && Table.Current < Table.Count(); }

    void Start()
    {
        Table.StartSession();
        Right = Wrong = 0;
    }

    void Next()
    {
        std::string Question;
        try {
            Table.NextQuestion(Question);
        } catch (const EMultiChoiceError&) {
        }
    }

    // What a verdict adds to the counters, by the state before it.
    void Expect(int Result, bool Counted, int RetypeBefore)
    {
        if (!Counted)
            return;
        if (Result == arWrong)
            ++Wrong;
        else if (RetypeBefore == 0)
            ++Right;
    }

    void Verdict(int Result)
    {
        const bool Counted = HasCurrent();
        const int Retype = Table.RetypeCount;
        Table.RegisterResult(Result);
        Expect(Result, Counted, Retype);
    }

    void Typed()
    {
        const std::string Answer = Rng() % 3 == 0 ? Table.CurrentAnswer() : RandomWord(Rng);
        const bool Counted = HasCurrent();
        const int Retype = Table.RetypeCount;
        const int Result = Table.CheckAnswer(Answer);
        ASSERT_GE(Result, arRight);
        ASSERT_LE(Result, arOtherRight);
        Expect(Result, Counted, Retype);
    }

    void Choice()
    {
        static const std::string Choices = "1234ABCD";
        const bool Counted = HasCurrent();
        const int Retype = Table.RetypeCount;
        const int Result = Table.CheckMultiAnswer(Choices[Rng() % Choices.size()]);
        Expect(Result, Counted, Retype);
    }

    // A hint as the fill-in screen gives it: only the first one counts.
    void Hint()
    {
        std::string Text;
        Table.Hint(Text);
        Table.HintLetters += 1;
        Table.AskAgain();
        if (Table.HintLetters == 1)
            Verdict(arWrong);
    }

    void Edit()
    {
        const int Index = static_cast<int>(Rng() % (Table.Count() + 1));
        if (Index >= Table.Count())
            return;
        if (Rng() % 2 == 0)
            Table.SetQuestion(Index, RandomWord(Rng));
        else
            Table.SetAnswer(Index, Rng() % 5 == 0 ? std::string() : RandomWord(Rng));
    }
};

class QuizProperty : public ::testing::Test {
protected:
    fs::path Folder;
    std::vector<std::string> Files;

    void SetUp() override
    {
        Folder = fs::temp_directory_path() / ("memorant-property-" + std::to_string(::getpid()));
        fs::create_directories(Folder);
        Write("een.MT4", "huis = house\r\nkat = cat\r\nhond = dog\r\n");
        Write("twee.mt", "caf\x82 = caf\xE9\r\nbank = couch\r\nbank = bench\r\n");
        Write("leeg.txt", "");
    }

    void TearDown() override { fs::remove_all(Folder); }

    void Write(const std::string& Name, const std::string& Bytes)
    {
        std::ofstream(Folder / Name, std::ios::binary) << Bytes;
        Files.push_back((Folder / Name).string());
    }
};

TEST_F(QuizProperty, HundredThousandRandomOperationsKeepTheQuizConsistent)
{
    std::mt19937 Rng(20261208);
    int Steps = 0;
    while (Steps < 100000) {
        TRandomQuiz Quiz(Rng, Files);
        for (int k = 0; k < 2000 && Steps < 100000; ++k, ++Steps) {
            ASSERT_NO_THROW(Quiz.Step()) << "step " << Steps;
            Quiz.CheckInvariants();
            if (HasFatalFailure())
                FAIL() << "after step " << Steps;
        }
    }
}

} // namespace

namespace {

TEST(QuizEdits, RemovingUnaskedEntriesInTheMiddleOfAQuizLowersRest)
{
    TQuestionlist Table;
    for (const char* Word : {"een", "twee", "drie", "vier"})
        Table.Add(Word, Word);
    Table.StartSession();
    std::string Question;
    try {
        Table.NextQuestion(Question);
    } catch (const EMultiChoiceError&) {
    }
    Table.RegisterResult(arRight);
    ASSERT_EQ(Table.Rest, 3);

    const int Asked = Table.Current;
    Table.Delete(Asked == 0 ? 1 : 0);
    EXPECT_EQ(Table.Rest, 2) << "one question less is left to ask";

    // Blank an entry that is still to be asked; the editor drops it.
    int Unasked = 0;
    while (!Table.NotAsked(Unasked))
        ++Unasked;
    Table.SetAnswer(Unasked, "");
    Table.RemoveEmpty();
    EXPECT_EQ(Table.Count(), 2);
    EXPECT_EQ(Table.Rest, 1);
}

TEST(QuizEdits, RemovingAnAskedEntryLeavesRestAlone)
{
    TQuestionlist Table;
    for (const char* Word : {"een", "twee", "drie"})
        Table.Add(Word, Word);
    Table.StartSession();
    Table.Current = 1;
    Table.RegisterResult(arRight);
    ASSERT_EQ(Table.Rest, 2);
    Table.Delete(1);
    EXPECT_EQ(Table.Rest, 2);
}

} // namespace
