// SPDX-License-Identifier: GPL-3.0-or-later
// Phonetic codes, hints and answer checking on arbitrary byte strings.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "quiz/phonewin.h"
#include "table/questionlist.h"

namespace {

void Check(bool Condition)
{
    if (!Condition)
        std::abort();
}

// The first line is typed; the others are entries "question=answer".
void FillTable(const std::string& Text, TQuestionlist& Table, std::string& Typed)
{
    std::size_t Start = 0;
    bool First = true;
    while (Start <= Text.size()) {
        std::size_t End = Text.find('\n', Start);
        if (End == std::string::npos)
            End = Text.size();
        const std::string Line = Text.substr(Start, End - Start);
        if (First) {
            Typed = Line;
            First = false;
        } else {
            const std::size_t Equals = Line.find('=');
            Table.Add(Line.substr(0, Equals), Equals == std::string::npos ? "" : Line.substr(Equals + 1));
        }
        Start = End + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const std::string Text(reinterpret_cast<const char*>(Data), Size);
    const std::string Code1 = SoundexCode(Text, 1);
    Check(Code1.find_first_not_of("123456") == std::string::npos);
    const std::string Code2 = SoundexCode(Text, 2);
    Check(Text.empty() ? Code2.empty() : !Code2.empty());
    (void)DutchSoundex(Text);
    (void)NoDigits(Text);

    TQuestionlist Table;
    std::string Typed;
    FillTable(Text, Table, Typed);
    if (Table.Count() == 0)
        return 0;
    Table.Tolerant = (Size % 2) == 0;
    Table.Random.Seed(Size);
    Table.StartSession();
    std::string Question;
    try {
        Table.NextQuestion(Question);
    } catch (const EMultiChoiceError&) {
    }
    std::string Hint;
    Table.Hint(Hint);
    const int Result = Table.CheckAnswer(Typed);
    Check(Result >= arRight && Result <= arOtherRight);
    Check(Table.RightAnswers + Table.WrongAnswers == 1);
    return 0;
}
