// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a UTF-8 text table into the question table,
// writes the table back in UTF-8 and reads it again: the same entries,
// every one storable in the table file, in the same character sets.
#include "editor/codepage.h"
#include "formats/tableimport.h"
#include "formats/utf8textfile.h"
#include "fuzz_support.h"
#include "table/tablefile.h"

namespace {

TQuestionlist Imported(const QByteArray& Bytes, TImportReport* Report = nullptr)
{
    TQuestionlist List;
    const TImportReport Found =
        TTableImport::AddTo(List, TUtf8TextFile::Parse(Bytes, QStringLiteral("fuzz.txt")));
    if (Report)
        *Report = Found;
    return List;
}

bool HasTag(std::string_view Text) { return Text.find(FontTag) != std::string_view::npos; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    TQuestionlist List;
    try {
        List = Imported(Input(Data, Size));
    } catch (const EListReadError&) {
        return 0;
    }
    for (int i = 0; i < List.Count(); ++i) {
        const std::string_view Question = List.StoredQuestion(i);
        const std::string_view Answer = List.StoredAnswer(i);
        Check(!Question.empty() && Question.size() <= MaxTextLength && Question.find('=') == std::string_view::npos);
        Check(!Answer.empty() && Answer.size() <= MaxTextLength && Answer.find('=') == std::string_view::npos);
        Check(!(HasTag(Question) && HasTag(Answer)));
    }
    const TQuestionlist Again = Imported(TUtf8TextFile::Written(List, Size % 2 == 0));
    Check(Again.Count() == List.Count());
    // Plain Arial 9 fonts are written without a font line and come back
    // with the character set of a new table: the same code page.
    Check(CodePageOfCharset(Again.QuestionFont.Charset) == CodePageOfCharset(List.QuestionFont.Charset));
    Check(CodePageOfCharset(Again.AnswerFont.Charset) == CodePageOfCharset(List.AnswerFont.Charset));
    for (int i = 0; i < List.Count(); ++i)
        Check(Again.StoredQuestion(i) == List.StoredQuestion(i) && Again.StoredAnswer(i) == List.StoredAnswer(i));
    return 0;
}
