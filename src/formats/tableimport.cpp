// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/tableimport.h"

#include "formats/wintext.h"
#include "editor/codepage.h"
#include "table/tablefile.h"

namespace {

constexpr std::size_t ShownChanges = 3;

// A text as the table holds it: control characters become spaces, the text
// is trimmed, characters the code page lacks become "?", and it is cut to
// the longest table text.
std::string TableText(const QString& Text, int CodePage, TImportReport& Report)
{
    QString Clean = TableTrimmed(Text);
    for (qsizetype i = 0; i < Clean.size(); ++i)
        if (Clean.at(i).unicode() < 32)
            Clean[i] = u' ';
    int Replaced = 0;
    std::string Bytes = QtToWinReplacing(Clean, CodePage, Replaced);
    const bool Cut = Bytes.size() > static_cast<std::size_t>(MaxTextLength);
    if (Cut)
        Bytes = TrimText(std::string_view(Bytes).substr(0, MaxTextLength));
    if (Replaced > 0 || Cut) {
        ++Report.ChangedTexts;
        if (Report.FirstChanges.size() < ShownChanges)
            Report.FirstChanges.push_back({Clean, WinToQt(Bytes, CodePage)});
    }
    return Bytes;
}

} // namespace

int TTableImport::BestCodePage(const QStringList& Texts, int Preferred)
{
    // Every code page holds ASCII: the other characters decide, each as
    // often as it occurs. (Characters beyond the basic plane, surrogates
    // among them, are in no code page and do not change the choice.)
    std::vector<long long> Occurs(0x10000, 0);
    for (const QString& Text : Texts)
        for (const QChar C : Text)
            if (C.unicode() >= 0x80 && !C.isSurrogate())
                ++Occurs[C.unicode()];
    std::vector<std::pair<QString, long long>> Unusual;
    for (char16_t Unit = 0x80; Unit < 0xFFFF; ++Unit)
        if (Occurs[Unit] > 0)
            Unusual.emplace_back(QString(QChar(Unit)), Occurs[Unit]);
    std::vector<int> Candidates{Preferred};
    for (const int CodePage : ColumnCodePages())
        if (CodePage != Preferred)
            Candidates.push_back(CodePage);
    int Best = Preferred;
    long long Fewest = -1;
    for (const int CodePage : Candidates) {
        long long Missing = 0;
        for (const auto& [Character, Count] : Unusual)
            Missing += CharactersMissingIn(Character, CodePage) > 0 ? Count : 0;
        if (Fewest < 0 || Missing < Fewest) {
            Best = CodePage;
            Fewest = Missing;
        }
        if (Fewest == 0)
            break;
    }
    return Best;
}

TImportReport TTableImport::AddTo(TQuestionlist& List, const TImportedTable& Table)
{
    TImportReport Report;
    Report.Notices = Table.Notices;
    Report.LeftOut = Table.LeftOut;
    int QuestionPage = CodePageOfCharset(List.QuestionFont.Charset);
    int AnswerPage = CodePageOfCharset(List.AnswerFont.Charset);
    if (List.Count() == 0) {
        if (!Table.QuestionFontLine.empty()) {
            ReadFontSpec(Table.QuestionFontLine, List.QuestionFont);
            ReadFontSpec(Table.AnswerFontLine, List.AnswerFont);
        }
        QStringList Questions, Answers;
        Questions.reserve(static_cast<qsizetype>(Table.Entries.size()));
        Answers.reserve(static_cast<qsizetype>(Table.Entries.size()));
        for (const TImportedEntry& Entry : Table.Entries) {
            Questions << Entry.Question;
            Answers << Entry.Answer;
        }
        const int NewQuestionPage = BestCodePage(Questions, CodePageOfCharset(List.QuestionFont.Charset));
        const int NewAnswerPage = BestCodePage(Answers, CodePageOfCharset(List.AnswerFont.Charset));
        if (NewQuestionPage != QuestionPage)
            List.QuestionFont.Charset = CharsetOfCodePage(NewQuestionPage);
        if (NewAnswerPage != AnswerPage)
            List.AnswerFont.Charset = CharsetOfCodePage(NewAnswerPage);
        QuestionPage = NewQuestionPage;
        AnswerPage = NewAnswerPage;
    }
    for (const TImportedEntry& Entry : Table.Entries) {
        std::string Question = TableText(Entry.Question, QuestionPage, Report);
        std::string Answer = TableText(Entry.Answer, AnswerPage, Report);
        if (!Question.empty() && !Answer.empty())
            List.Add(Question, Answer);
    }
    return Report;
}

QString TTableImport::Message(const QString& FileName, const TImportReport& Report)
{
    if (Report.IsEmpty())
        return {};
    QString Text = QStringLiteral("Bij het inlezen van %1:").arg(ShownName(FileName));
    for (const QString& Notice : Report.Notices)
        Text += QStringLiteral("\n") + Notice;
    if (Report.ChangedTexts > 0) {
        Text += QStringLiteral("\n%1 tekst(en) zijn veranderd: tekens die niet in de tekenset van de kolom passen, "
                               "zijn vervangen door \"?\", en teksten van meer dan %2 tekens zijn ingekort.")
                    .arg(Report.ChangedTexts)
                    .arg(MaxTextLength);
        Text += Report.ChangedTexts > int(ShownChanges) ? QStringLiteral(" De eerste drie:")
                                                        : QStringLiteral(" Voor en na:");
        for (const TTextChange& Change : Report.FirstChanges)
            Text += QStringLiteral("\n\"%1\"\n  wordt \"%2\"").arg(Change.Before, Change.After);
    }
    return Text;
}
