// SPDX-License-Identifier: GPL-3.0-or-later
// Judging answers in columns of other scripts: the code page of the answer
// column's character set decides which tolerance applies.
#include <gtest/gtest.h>

#include "quiz/scriptcase.h"
#include "quiztables.h"

namespace {

struct TScriptCase {
    int Charset;          // of the answer column
    const char* Expected; // bytes in that column's code page
    const char* Typed;
    int Tolerant; // verdict with Tolerant; without it every case but the exact one is wrong
};

// Windows-1251: "Собака" is D1 EE E1 E0 EA E0, "собака" F1 EE E1 E0 EA E0.
// Windows-1253: "οδός" is EF E4 FC F2, "ΟΔΌΣ" CF C4 BC D3.
TEST(CheckAnswer, OtherScriptsForgiveCaseOnly)
{
    const TScriptCase Cases[] = {
        {204, "\xD1\xEE\xE1\xE0\xEA\xE0", "\xD1\xEE\xE1\xE0\xEA\xE0", arRight},
        {204, "\xD1\xEE\xE1\xE0\xEA\xE0", "\xF1\xEE\xE1\xE0\xEA\xE0", arMisspelled},
        {204, "\xD1\xEE\xE1\xE0\xEA\xE0", "\xF1\xEE\xE1\xE0\xEA", arWrong},     // a letter short
        {204, "\xD1\xEE\xE1\xE0\xEA\xE0", "\xD1\xEE\xE1\xE0\xEA\xE8", arWrong}, // a sound-alike is not enough
        {204, "\xA8\xEB\xEA\xE0", "\xB8\xEB\xEA\xE0", arMisspelled},             // Ёлка / ёлка
        {161, "\xEF\xE4\xFC\xF2", "\xCF\xC4\xBC\xD3", arMisspelled},             // final sigma and tonos
        {161, "\xEF\xE4\xFC\xF2", "\xEF\xE4\xEF\xF2", arWrong},                  // accent counts
        {162, "k\xFDz", "K\xFDZ", arMisspelled},  // Turkish is Latin: the sound comparison
        {162, "k\xFDz", "kuz", arMisspelled},     // sounds alike
        {238, "d\xECkuji", "dekuji", arMisspelled}, // Central European too (děkuji)
    };
    for (const bool Tolerant : {false, true}) {
        for (const TScriptCase& Case : Cases) {
            TQuestionlist Table;
            Fill(Table, {{"vraag", Case.Expected}});
            Table.AnswerFont.Charset = Case.Charset;
            Table.Tolerant = Tolerant;
            StartSeeded(Table);
            Next(Table);
            const int Wanted = Tolerant || Case.Tolerant == arRight ? Case.Tolerant : arWrong;
            EXPECT_EQ(Table.CheckAnswer(Case.Typed), Wanted)
                << Case.Charset << " " << Case.Expected << " / " << Case.Typed << " tolerant " << Tolerant;
        }
    }
}

TEST(CheckAnswer, ReverseJudgesWithTheQuestionColumnsScript)
{
    TQuestionlist Table;
    Fill(Table, {{"\xD1\xEE\xE1\xE0\xEA\xE0", "hond"}});
    Table.QuestionFont.Charset = 204;
    Table.Reverse = true;
    Table.Tolerant = true;
    StartSeeded(Table);
    Next(Table);
    EXPECT_EQ(Table.CheckAnswer("\xF1\xCE\xC1\xC0\xCA\xC0"), arMisspelled);
}

TEST(UpperCasedIn, FollowsTheCodePagesOwnLetters)
{
    // The same byte is a different letter in each code page.
    EXPECT_EQ(UpperCasedIn("\xE9", 1252), "\xC9");  // é -> É
    EXPECT_EQ(UpperCasedIn("\xE9", 1251), "\xC9");  // й -> Й
    EXPECT_EQ(UpperCasedIn("\xFF", 1252), "\x9F");  // ÿ -> Ÿ
    EXPECT_EQ(UpperCasedIn("\xFF", 1251), "\xDF");  // я -> Я
    EXPECT_EQ(UpperCasedIn("\xBC", 1251), "\xA3");  // ј -> Ј
    EXPECT_EQ(UpperCasedIn("\xF2", 1253), "\xD3");  // ς -> Σ
    EXPECT_EQ(UpperCasedIn("\xE0", 1255), "\xE0");  // Hebrew has no case
    EXPECT_EQ(UpperCasedIn("abc 12", 874), "ABC 12");
    EXPECT_TRUE(EqualIgnoringCase("\xC0\xE1", "\xE0\xC1", 1251));
    EXPECT_FALSE(EqualIgnoringCase("\xC0\xE1", "\xE0\xC1\xC1", 1251));
}

} // namespace

