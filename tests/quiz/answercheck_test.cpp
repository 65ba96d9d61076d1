// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "quiztables.h"

namespace {

struct TJudgeCase {
    const char* Expected;
    const char* Typed;
    int Strict;   // verdict without Tolerant
    int Tolerant; // verdict with Tolerant
};

TEST(CheckAnswer, JudgesExactlyOrBySound)
{
    const TJudgeCase Cases[] = {
        {"hond", "hond", arRight, arRight},
        {"hond", "Hond", arWrong, arMisspelled},
        {"straat", "straad", arWrong, arMisspelled},
        {"kat", "cat", arWrong, arMisspelled},
        {"appel", "eppel", arWrong, arMisspelled},   // only the plain code matches
        {"10 euro", "10 eur", arWrong, arWrong},     // a digit rules tolerance out
        {"hond", "kat", arWrong, arWrong},
        {"caf\xE9", "cafe", arWrong, arMisspelled},  // accents count in the exact test
        {"1815", "?", arWrong, arWrong},             // no sound to compare, a number expected
        {"1815", "a", arWrong, arWrong},
        {"ei", "au", arWrong, arWrong},              // no consonants: empty codes never match
        {"ei", "ui", arWrong, arWrong},
        {"ei", "Ei", arWrong, arMisspelled},         // the first letter still counts
        {"12 appels", "twaalf appels", arWrong, arWrong},
    };
    for (const bool Tolerant : {false, true}) {
        for (const TJudgeCase& Case : Cases) {
            TQuestionlist Table;
            Fill(Table, {{"vraag", Case.Expected}});
            Table.Tolerant = Tolerant;
            StartSeeded(Table);
            Next(Table);
            const int Verdict = Table.CheckAnswer(Case.Typed);
            const int Wanted = Tolerant ? Case.Tolerant : Case.Strict;
            EXPECT_EQ(Verdict, Wanted) << Case.Expected << " / " << Case.Typed << " tolerant " << Tolerant;
            EXPECT_EQ(Table.WrongAnswers, Wanted == arWrong ? 1 : 0);
            EXPECT_EQ(Table.RightAnswers, Wanted == arWrong ? 0 : 1);
        }
    }
}

TEST(CheckAnswer, AnswerOfAnotherEntryWithTheSameQuestion)
{
    TQuestionlist Table;
    Fill(Table, {{"bank", "couch"}, {"bank", "bench"}, {"stoel", "chair"}});
    Table.SetSequential(true);
    StartSeeded(Table);
    ASSERT_EQ(Next(Table), "bank");
    ASSERT_EQ(Table.CurrentAnswer(), "couch");
    Table.Tolerant = true;
    EXPECT_EQ(Table.CheckAnswer("Bench"), arWrong); // case-sensitive search, not like couch
    Table.AskAgain();
    Next(Table);
    EXPECT_EQ(Table.CheckAnswer("bench"), arOtherRight);
    EXPECT_EQ(Table.CheckAnswer("chair"), arWrong); // another question's answer
}

TEST(CheckAnswer, ReverseJudgesTheQuestionColumn)
{
    TQuestionlist Table;
    Fill(Table, {{"huis", "house"}});
    Table.Reverse = true;
    StartSeeded(Table);
    EXPECT_EQ(Next(Table), "house");
    EXPECT_EQ(Table.CheckAnswer("huis"), arRight);
}

// A hint reveals one more character each time. Accented Latin letters are
// shown as they are; in another script its letters are masked like plain
// Latin ones, or the hint would give the whole answer away.
TEST(Hint, RevealsOneMoreCharacterPerHint)
{
    const struct {
        const char* Answer;
        int HintLetters;
        const char* Hint;
        int Charset = 0; // of the answer column
    } Cases[] = {
        {"huis", 0, "h . . ."},
        {"de kat", 0, "d .   . . ."},
        {"de kat", 4, "de ka ."},
        {"de kat", 5, "de kat"},
        {"de kat", 9, "de kat"},
        {"caf\xE9", 0, "c . . \xE9"},
        {"a-1", 0, "a - ."},
        {"d\xECkuji", 0, "d \xEC . . . .", 238},          // dekuji, Central European: the accent stays
        {"\xEA\xEE\xF2", 0, "\xEA . .", 204},             // kot in Cyrillic
        {"\xEA\xEE\xF2", 1, "\xEA\xEE .", 204},
        {"\xA8\xEB\xEA\xE0 1", 0, "\xA8 . . .   .", 204}, // Yolka 1
        {"\xEF\xE4\xFC\xF2", 0, "\xEF . . .", 161},       // odos in Greek
        {"\xF9\xEC\xE5\xED", 0, "\xF9 . . .", 177},       // shalom in Hebrew
    };
    for (const auto& Case : Cases) {
        TQuestionlist Table;
        Fill(Table, {{"vraag", Case.Answer}});
        Table.AnswerFont.Charset = Case.Charset;
        StartSeeded(Table);
        Next(Table);
        Table.HintLetters = Case.HintLetters;
        std::string Text;
        Table.Hint(Text);
        EXPECT_EQ(Text, Case.Hint) << Case.Answer << " after " << Case.HintLetters << " in charset " << Case.Charset;
    }
    TQuestionlist Empty;
    std::string Text = "old";
    Empty.Hint(Text);
    EXPECT_EQ(Text, "");
}

} // namespace
