// SPDX-License-Identifier: GPL-3.0-or-later
// Judging answers in columns of other scripts: the code page of the answer
// column's character set decides which tolerance applies.
#include <gtest/gtest.h>
#include <span>

#include "quiz/scriptcase.h"
#include "quiztables.h"

namespace {

struct TScriptCase {
    int Charset;          // of the answer column
    const char* Expected; // bytes in that column's code page
    const char* Typed;
    int Tolerant; // verdict with Tolerant; without it every case but the exact one is wrong
};

// Each case typed as the answer of a one-entry table, with Tolerant off and
// on: without it only an exact answer is right.
void ExpectVerdicts(std::span<const TScriptCase> Cases)
{
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
        {161, "\xEF\xE4\xFC\xF2", "\xEF\xE4\xEF\xF2", arMisspelled},             // tonos left off
        {161, "\xEF\xE4\xFC\xF2", "\xEF\xE4\xE1\xF2", arWrong},                  // another letter
        {162, "k\xFDz", "K\xFDZ", arMisspelled},  // Turkish is Latin: the sound comparison
        {162, "k\xFDz", "kuz", arMisspelled},     // sounds alike
        {238, "d\xECkuji", "dekuji", arMisspelled}, // Central European too (děkuji)
    };
    ExpectVerdicts(Cases);
}

// Greek and Cyrillic readers often type without the marks; Tolerant forgives
// them as it forgives a missing accent in Latin, and nothing more.
TEST(CheckAnswer, GreekAndCyrillicForgiveMissingOrWrongMarks)
{
    const TScriptCase Cases[] = {
        // το φεγγάρι, typed without the tonos, with it on the wrong letter, in capitals
        {161, "\xF4\xEF \xF6\xE5\xE3\xE3\xDC\xF1\xE9", "\xF4\xEF \xF6\xE5\xE3\xE3\xE1\xF1\xE9", arMisspelled},
        {161, "\xF4\xEF \xF6\xE5\xE3\xE3\xDC\xF1\xE9", "\xF4\xEF \xF6\xDD\xE3\xE3\xE1\xF1\xE9", arMisspelled},
        {161, "\xF4\xEF \xF6\xE5\xE3\xE3\xDC\xF1\xE9", "\xD4\xCF \xD6\xC5\xC3\xC3\xC1\xD1\xC9", arMisspelled},
        {161, "\xF4\xEF \xF6\xE5\xE3\xE3\xDC\xF1\xE9", "\xF4\xEF \xF6\xE5\xE3\xE3\xDC\xF1", arWrong},
        // Ελλάδα / ελλαδα: capital and tonos at once
        {161, "\xC5\xEB\xEB\xDC\xE4\xE1", "\xE5\xEB\xEB\xE1\xE4\xE1", arMisspelled},
        // πρωτεΐνη: dialytika with tonos, dialytika alone, neither
        {161, "\xF0\xF1\xF9\xF4\xE5\xC0\xED\xE7", "\xF0\xF1\xF9\xF4\xE5\xFA\xED\xE7", arMisspelled},
        {161, "\xF0\xF1\xF9\xF4\xE5\xC0\xED\xE7", "\xF0\xF1\xF9\xF4\xE5\xE9\xED\xE7", arMisspelled},
        {161, "\xF0\xF1\xF9\xF4\xE5\xC0\xED\xE7", "\xF0\xF1\xF9\xF4\xE5\xE1\xED\xE7", arWrong},
        // ёлка / елка / ЕЛКА, чай / чаи, but not чая
        {204, "\xB8\xEB\xEA\xE0", "\xE5\xEB\xEA\xE0", arMisspelled},
        {204, "\xB8\xEB\xEA\xE0", "\xC5\xCB\xCA\xC0", arMisspelled},
        {204, "\xE5\xEB\xEA\xE0", "\xB8\xEB\xEA\xE0", arMisspelled},
        {204, "\xF7\xE0\xE9", "\xF7\xE0\xE8", arMisspelled},
        {204, "\xF7\xE0\xE9", "\xF7\xE0\xFF", arWrong},
        // Hebrew has no such marks in its letters: exact only
        {177, "\xF9\xEC\xE5\xED", "\xF9\xEC\xE5\xE5", arWrong},
    };
    ExpectVerdicts(Cases);
}

TEST(BaseLettersIn, LeavesOffOnlyTheMarksOfTheColumnsScript)
{
    EXPECT_EQ(BaseLettersIn("\xDC\xC0\xE0\xFE", 1253), "\xC1\xC9\xD5\xD9"); // άΐΰώ -> ΑΙΥΩ
    EXPECT_EQ(BaseLettersIn("\xA8\xB8\xC9\xE9", 1251), "\xC5\xC5\xC8\xC8"); // ЁёЙй -> ЕЕИИ
    EXPECT_EQ(BaseLettersIn("\xE9\xC9", 1252), "\xC9\xC9");                   // é is only upper-cased
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

