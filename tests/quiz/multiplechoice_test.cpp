// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "quiz/phonewin.h"
#include "quiztables.h"

namespace {

std::string Upper(std::string Text)
{
    for (char& C : Text)
        C = C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C;
    return Text;
}

// Asks the first question in table order and returns what NextQuestion did.
void AskFirst(TQuestionlist& Table, std::uint64_t Seed = 3)
{
    Table.SetSequential(true);
    StartSeeded(Table, Seed);
    std::string Question;
    Table.NextQuestion(Question);
}

TEST(MultipleChoice, TooFewDifferentEntriesRaise)
{
    TQuestionlist Three;
    FillNumbered(Three, 3);
    Three.SetSequential(true);
    StartSeeded(Three);
    std::string Question;
    EXPECT_THROW(Three.NextQuestion(Question), EMultiChoiceError);
    EXPECT_EQ(Three.Current, 0); // the question is chosen all the same
    EXPECT_EQ(Question, "vraag0");

    TQuestionlist SameAnswer;
    Fill(SameAnswer, {{"a", "Huis"}, {"b", "huis"}, {"c", "boom"}, {"d", "vis"}});
    try {
        AskFirst(SameAnswer);
        FAIL() << "no error for three different answers";
    } catch (const EMultiChoiceError& Error) {
        EXPECT_STREQ(Error.what(), "Geen 4 antwoorden voor meerkeuze vragen");
    }
}

TEST(MultipleChoice, FourEntriesGiveAllFourAnswersInRandomOrder)
{
    std::set<char> Positions;
    for (std::uint64_t Seed = 1; Seed <= 40; ++Seed) {
        TQuestionlist Table;
        Fill(Table, {{"een", "one"}, {"twee", "two"}, {"drie", "three"}, {"vier", "four"}});
        AskFirst(Table, Seed);
        std::vector<std::string> Shown;
        for (int N = 1; N <= 4; ++N)
            Shown.push_back(Table.MCAnswer(N));
        std::sort(Shown.begin(), Shown.end());
        EXPECT_EQ(Shown, (std::vector<std::string>{"four", "one", "three", "two"}));
        ASSERT_GE(Table.MCRightChoice, '1');
        ASSERT_LE(Table.MCRightChoice, '4');
        EXPECT_EQ(Table.MCAnswer(Table.MCRightChoice - '0'), "one");
        Positions.insert(Table.MCRightChoice);
    }
    EXPECT_EQ(Positions.size(), 4u);
}

TEST(MultipleChoice, SimilarEntriesByCodePrefix)
{
    TQuestionlist Table;
    Fill(Table, {{"dog", "hond"}, {"hand", "hand"}, {"puppy", "hondje"}, {"hunger", "honger"}, {"Dog", "kat"},
                 {"doos", "box"}});
    Table.CollectSimilar("dog", "hond", 4);
    // hand sounds like hond; Dog has the same question; doos sounds like dog
    EXPECT_EQ(Table.SimilarList, (std::vector<std::string>{"1", "5"}));
    Table.CollectSimilar("dog", "hond", 3); // adds hondje, not honger
    EXPECT_EQ(Table.SimilarList, (std::vector<std::string>{"1", "2", "5"}));
}

TEST(MultipleChoice, FirstWrongAlternativeComesFromTheSimilarEntries)
{
    TQuestionlist Table;
    Fill(Table, {{"q0", "hond"}, {"q1", "hand"}, {"q2", "hint"}});
    for (int I = 0; I < 20; ++I)
        Table.Add("x" + std::to_string(I), "zzz" + std::to_string(I));
    for (std::uint64_t Seed = 1; Seed <= 20; ++Seed) {
        AskFirst(Table, Seed);
        ASSERT_EQ(Table.SimilarList, (std::vector<std::string>{"1", "2"}));
        int Similar = 0;
        for (int N = 1; N <= 4; ++N)
            Similar += Table.MCAnswer(N) == "hand" || Table.MCAnswer(N) == "hint";
        EXPECT_GE(Similar, 1);
    }
}

TEST(MultipleChoice, CheckMultiAnswerJudgesThePick)
{
    TQuestionlist Table;
    Fill(Table, {{"bank", "couch"}, {"bank", "bench"}, {"stoel", "bench"}, {"kast", "cupboard"}, {"deur", "door"},
                 {"raam", "window"}});
    Table.IntelliMC = false;
    bool SawOtherRight = false;
    for (std::uint64_t Seed = 1; Seed <= 200 && !SawOtherRight; ++Seed) {
        AskFirst(Table, Seed);
        for (char Choice = 'A'; Choice <= 'D'; ++Choice) {
            if (Table.MCAnswer(Choice - 'A' + 1) != "bench")
                continue;
            const int Right = Table.RightAnswers;
            EXPECT_EQ(Table.CheckMultiAnswer(Choice), arOtherRight);
            EXPECT_EQ(Table.RightAnswers, Right + 1);
            SawOtherRight = true;
        }
    }
    EXPECT_TRUE(SawOtherRight);
    EXPECT_EQ(Table.CheckMultiAnswer(Table.MCRightChoice), arRight);
    try {
        Table.CheckMultiAnswer('5');
        ADD_FAILURE() << "no error for an unexpected choice";
    } catch (const std::runtime_error& Error) {
        EXPECT_STREQ(Error.what(), "CheckMultiAnswer unexpected choice");
    }
}

TEST(MultipleChoice, TolerantPickThatSoundsRight)
{
    TQuestionlist Table;
    Fill(Table, {{"q", "straat"}, {"r", "straad"}, {"s", "boom"}, {"t", "vis"}});
    Table.Tolerant = true;
    AskFirst(Table);
    const char Pick = static_cast<char>('A' + (Table.MCAnswer(1) == "straad" ? 0
                                                : Table.MCAnswer(2) == "straad" ? 1
                                                : Table.MCAnswer(3) == "straad" ? 2 : 3));
    EXPECT_EQ(Table.CheckMultiAnswer(Pick), arMisspelled);
    EXPECT_EQ(Table.RightAnswers, 1);
}

// The similar entries found through the cached codes are exactly those of a
// scan over the whole table, in both orientations and after changes.
// The similar list of Q = A at Len, found by coding every entry.
std::vector<std::string> SimilarByFullScan(const TQuestionlist& Table, const std::string& Q, const std::string& A,
                                           int Len)
{
    std::set<std::string> Found;
    for (int I = 0; I < Table.Count(); ++I) {
        const bool Sounds = SoundexCode(Table.Answer(I), 2).substr(0, Len) == SoundexCode(A, 2).substr(0, Len)
            || SoundexCode(Table.Question(I), 2).substr(0, Len) == SoundexCode(Q, 2).substr(0, Len);
        if (Sounds && Upper(Table.Answer(I)) != Upper(A) && Upper(Table.Question(I)) != Upper(Q))
            Found.insert(std::to_string(I));
    }
    return std::vector<std::string>(Found.begin(), Found.end());
}

TEST(MultipleChoice, SimilarEntriesEqualAFullScan)
{
    std::mt19937 Engine(5);
    const std::string Alphabet = "abdhknrstHK";
    const auto RandomText = [&] {
        std::string Text(1 + Engine() % 5, ' ');
        for (char& C : Text)
            C = Alphabet[Engine() % Alphabet.size()];
        return Text;
    };
    TQuestionlist Table;
    for (int I = 0; I < 400; ++I)
        Table.Add(RandomText(), RandomText());
    const auto Scan = [&Table](const std::string& Q, const std::string& A, int Len) {
        return SimilarByFullScan(Table, Q, A, Len);
    };
    for (int Round = 0; Round < 120; ++Round) {
        const int Some = static_cast<int>(Engine() % static_cast<unsigned>(Table.Count()));
        switch (Round % 6) { // every change of the texts is seen by the next search
        case 0: Table.SetQuestion(Some, RandomText()); break;
        case 1: Table.SetAnswer(Some, RandomText()); break;
        case 2: Table.Delete(Some); break;
        case 3:
            Table.SelectEntry(Table.Count());
            Table.SetAnswer(Table.Current, RandomText());
            break;
        case 4: Table.RemoveEmpty(); break;
        case 5: Table.Add(RandomText(), RandomText()); break;
        }
        Table.Reverse = Round % 2 == 1;
        const std::string Q = RandomText();
        const std::string A = RandomText();
        const int Len = 2 + Round % 4;
        Table.SimilarList.clear();
        Table.CollectSimilar(Q, A, Len);
        EXPECT_EQ(Table.SimilarList, Scan(Q, A, Len)) << Q << " = " << A << " at " << Len;
    }
}

TEST(MultipleChoice, SimilarEntriesEqualAFullScanSearchAfterSearch)
{
    // One table, unchanged between searches for texts of every first
    // character, empty ones included.
    std::mt19937 Engine(11);
    const std::string Alphabet = "abdhknrstHK\xe9";
    const auto RandomText = [&] {
        std::string Text(Engine() % 5, ' ');
        for (char& C : Text)
            C = Alphabet[Engine() % Alphabet.size()];
        return Text;
    };
    TQuestionlist Table;
    for (int I = 0; I < 300; ++I)
        Table.Add(RandomText(), RandomText());
    for (int Round = 0; Round < 80; ++Round) {
        Table.Reverse = Round % 3 == 1;
        const std::string Q = RandomText();
        const std::string A = RandomText();
        const int Len = 3 + Round % 2;
        Table.SimilarList.clear();
        Table.CollectSimilar(Q, A, Len);
        EXPECT_EQ(Table.SimilarList, SimilarByFullScan(Table, Q, A, Len)) << Q << " = " << A << " at " << Len;
    }
}

} // namespace

namespace {

TEST(MultipleChoice, SimilarEntriesFollowEdits)
{
    TQuestionlist Table;
    Fill(Table, {{"een", "hond"}, {"twee", "kat"}, {"drie", "vis"}});
    const auto Similar = [&Table] {
        Table.SimilarList.clear();
        Table.CollectSimilar("vier", "hand", 4);
        return Table.SimilarList;
    };
    EXPECT_EQ(Similar(), (std::vector<std::string>{"0"}));
    Table.SetAnswer(0, "boom");
    Table.SetAnswer(1, "hint");
    EXPECT_EQ(Similar(), (std::vector<std::string>{"1"}));
    Table.Reverse = true; // the stored questions are the answers now
    EXPECT_EQ(Similar(), (std::vector<std::string>{}));
    Table.SetAnswer(2, "hond");
    EXPECT_EQ(Similar(), (std::vector<std::string>{"2"}));
    Table.SetQuestion(1, "veer"); // sounds like vier
    EXPECT_EQ(Similar(), (std::vector<std::string>{"1", "2"}));
}

} // namespace
