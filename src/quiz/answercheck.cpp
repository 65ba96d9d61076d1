// SPDX-License-Identifier: GPL-3.0-or-later
// Judging a typed answer, with the answers of entries that share the
// question and, when tolerant, answers that sound right; and the hints.
#include <exception>

#include "editor/codepage.h"
#include "quiz/phonewin.h"
#include "quiz/quiztext.h"
#include "quiz/scriptcase.h"
#include "table/questionlist.h"

namespace {

// Two codes match when they are equal and say something: a text without
// consonants has an empty code and must not match every other such text.
[[nodiscard]] bool SameCode(const std::string& Left, const std::string& Right)
{
    return !Left.empty() && Left == Right;
}

[[nodiscard]] bool SoundsAlike(const std::string& Typed, const std::string& Expected)
{
    return SameCode(DutchSoundex(Typed), DutchSoundex(Expected))
        || SameCode(SoundexCode(Typed, 1), SoundexCode(Expected, 1));
}

// The tolerant judgement. The sound comparison knows the Latin alphabet
// only; in other scripts a difference of case is forgiven, and in Greek and
// Cyrillic a missing or misplaced accent, as an accent is in Latin.
[[nodiscard]] bool LooksRight(const std::string& Typed, const std::string& Expected, int CodePage)
{
    if (!IsLatinCodePage(CodePage))
        return EqualIgnoringMarks(Typed, Expected, CodePage);
    // A digit on either side rules the tolerance out: numbers must be
    // typed exactly.
    return NoDigits(Typed) && NoDigits(Expected) && SoundsAlike(Typed, Expected);
}

} // namespace

int TQuestionlist::CheckAnswer(const std::string& Typed)
{
    int Result = arWrong;
    try {
        const std::string Expected = CurrentAnswer();
        if (Typed == Expected) {
            Result = arRight;
        } else {
            // Several right answers are stored as several entries with the
            // same question.
            const std::string Asked = CurrentQuestion();
            for (int I = 0; I < Count(); ++I) {
                if (ViewedAnswer(*this, I) == Typed && ViewedQuestion(*this, I) == Asked) {
                    Result = arOtherRight;
                    break;
                }
            }
        }
        if (Result == arWrong && Tolerant && LooksRight(Typed, Expected, CodePageOfCharset(AFont().Charset)))
            Result = arMisspelled;
    } catch (const std::exception&) {
        Result = arWrong;
    }
    RegisterResult(Result);
    return Result;
}

void TQuestionlist::Hint(std::string& Text) const
{
    const std::string Answer = CurrentAnswer();
    const std::size_t Clear = HintLetters < 0 ? 0 : static_cast<std::size_t>(HintLetters) + 1;
    if (Answer.size() <= Clear) {
        Text = Answer;
        return;
    }
    // Accented Latin letters are shown as they are; in another script its
    // letters are masked like the plain Latin ones, or the hint would give
    // the whole answer away.
    const int CodePage = CodePageOfCharset(AFont().Charset);
    const bool MaskScript = !IsLatinCodePage(CodePage);
    Text.assign(Answer, 0, Clear);
    Text.reserve(Clear + 2 * (Answer.size() - Clear));
    for (std::size_t I = Clear; I < Answer.size(); ++I) {
        const char C = Answer[I];
        const bool Masked = (C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z')
                            || (MaskScript && IsScriptLetterIn(static_cast<unsigned char>(C), CodePage));
        Text += ' ';
        Text += Masked ? '.' : C;
    }
}
