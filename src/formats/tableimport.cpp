// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/tableimport.h"

#include <algorithm>

#include "formats/wintext.h"
#include "editor/codepage.h"
#include "table/tablefile.h"

namespace {

constexpr std::size_t ShownChanges = 3;

// A text as the table holds it: control characters become spaces, "="
// is left out, the text is trimmed, characters the code page lacks become
// "?", and it is cut to the longest table text. Before and after go to the
// report when it changed.
std::string TableText(const TImportedEntry& Entry, bool Question, int CodePage, TImportReport& Report)
{
    const QString& Text = Question ? Entry.Question : Entry.Answer;
    QString Clean = TableTrimmed(Text);
    for (qsizetype i = 0; i < Clean.size(); ++i)
        if (Clean.at(i).unicode() < 32)
            Clean[i] = u' ';
    const QString Shown = Clean;
    const bool Equals = Clean.contains(u'=');
    if (Equals)
        Clean = TableTrimmed(Clean.remove(u'='));
    int Replaced = 0;
    std::string Bytes = QtToWinReplacing(Clean, CodePage, Replaced);
    const bool Cut = Bytes.size() > static_cast<std::size_t>(MaxTextLength) || (Question ? Entry.QuestionCut : Entry.AnswerCut);
    if (Bytes.size() > static_cast<std::size_t>(MaxTextLength))
        Bytes = TrimText(std::string_view(Bytes).substr(0, MaxTextLength));
    if (Replaced > 0 || Cut || Equals) {
        ++Report.ChangedTexts;
        Report.ReplacedTexts += Replaced > 0 ? 1 : 0;
        Report.CutTexts += Cut ? 1 : 0;
        Report.EqualsTexts += Equals ? 1 : 0;
        if (Report.FirstChanges.size() < ShownChanges)
            Report.FirstChanges.push_back({Shown, WinToQt(Bytes, CodePage)});
    }
    return Bytes;
}

// A question and an answer that both hold "[FONT:" read back as a font
// line: the question's tags lose their colon.
void KeepFromFontLine(std::string& Question, const std::string& Answer, int CodePage, TImportReport& Report)
{
    if (Question.find(FontTag) == std::string::npos || Answer.find(FontTag) == std::string::npos)
        return;
    const std::string Before = Question;
    for (std::size_t At = Question.find(FontTag); At != std::string::npos; At = Question.find(FontTag, At))
        Question.erase(At + FontTag.size() - 1, 1);
    ++Report.ChangedTexts;
    ++Report.FontTagTexts;
    if (Report.FirstChanges.size() < ShownChanges)
        Report.FirstChanges.push_back({WinToQt(Before, CodePage), WinToQt(Question, CodePage)});
}

QString Counted(int Count, const char* One, const char* More)
{
    return QStringLiteral("%1 %2").arg(Count).arg(QString::fromUtf8(Count == 1 ? One : More));
}

// How often each character beyond ASCII occurs in one column's texts:
// every code page holds ASCII, so the others decide which page a column
// gets. (Characters beyond the basic plane, surrogates among them, are in
// no code page and do not change the choice.)
class TCharacterCounts {
public:
    void Add(const QString& Text)
    {
        for (const QChar C : Text) {
            if (C.unicode() < 0x80 || C.isSurrogate())
                continue;
            if (Counts.empty())
                Counts.resize(0x10000);
            if (Counts[C.unicode()]++ == 0)
                Seen.push_back(C.unicode());
        }
    }

    // The code page of the candidates that can hold the most of the
    // characters counted; Preferred first, then the others in order.
    [[nodiscard]] int BestCodePage(int Preferred) const
    {
        std::vector<int> Candidates{Preferred};
        for (const int CodePage : ColumnCodePages())
            if (CodePage != Preferred)
                Candidates.push_back(CodePage);
        int Best = Preferred;
        long long Fewest = -1;
        for (const int CodePage : Candidates) {
            long long Missing = 0;
            for (const char16_t C : Seen)
                if (CharactersMissingIn(QString(QChar(C)), CodePage) > 0)
                    Missing += Counts[C];
            if (Fewest < 0 || Missing < Fewest) {
                Best = CodePage;
                Fewest = Missing;
            }
            if (Fewest == 0)
                break;
        }
        return Best;
    }

private:
    std::vector<long long> Counts; // by character, once there is one
    std::vector<char16_t> Seen;     // the characters counted, as they came
};

// An empty table takes the file's font line, and for each column the
// code page that holds the most of its texts.
void ChooseCodePages(TQuestionlist& List, const TImportedTable& Table)
{
    if (!Table.QuestionFontLine.empty()) {
        ReadFontSpec(Table.QuestionFontLine, List.QuestionFont);
        ReadFontSpec(Table.AnswerFontLine, List.AnswerFont);
    }
    TCharacterCounts Questions, Answers;
    for (const TImportedEntry& Entry : Table.Entries) {
        Questions.Add(Entry.Question);
        Answers.Add(Entry.Answer);
    }
    if (const int Page = Questions.BestCodePage(CodePageOfCharset(List.QuestionFont.Charset));
        Page != CodePageOfCharset(List.QuestionFont.Charset))
        List.QuestionFont.Charset = CharsetOfCodePage(Page);
    if (const int Page = Answers.BestCodePage(CodePageOfCharset(List.AnswerFont.Charset));
        Page != CodePageOfCharset(List.AnswerFont.Charset))
        List.AnswerFont.Charset = CharsetOfCodePage(Page);
}

} // namespace

TImportReport TTableImport::AddTo(TQuestionlist& List, TImportedTable&& Table)
{
    TImportReport Report;
    Report.Notices = Table.Notices;
    Report.LeftOut = Table.LeftOut;
    if (List.Count() == 0)
        ChooseCodePages(List, Table);
    const int QuestionPage = CodePageOfCharset(List.QuestionFont.Charset);
    const int AnswerPage = CodePageOfCharset(List.AnswerFont.Charset);
    List.ReserveFor(Table.Entries.size());
    Report.AddedFrom.reserve(Table.Entries.size());
    // What the table took need not stay twice: each entry goes as it is taken.
    for (std::size_t i = 0; !Table.Entries.empty(); ++i) {
        const TImportedEntry Entry = std::move(Table.Entries.front());
        Table.Entries.pop_front();
        std::string Question = TableText(Entry, true, QuestionPage, Report);
        const std::string Answer = TableText(Entry, false, AnswerPage, Report);
        if (Question.empty() || Answer.empty())
            continue;
        KeepFromFontLine(Question, Answer, QuestionPage, Report);
        List.Add(Question, Answer);
        Report.AddedFrom.push_back(i);
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
        QStringList Causes;
        if (Report.ReplacedTexts > 0)
            Causes << QStringLiteral("tekens die niet in de tekenset van de kolom passen, zijn vervangen door \"?\"");
        if (Report.CutTexts > 0)
            Causes << QStringLiteral("teksten van meer dan %1 tekens zijn ingekort").arg(MaxTextLength);
        if (Report.EqualsTexts > 0)
            Causes << QStringLiteral("een \"=\" is weggelaten, omdat het in het tabelbestand vraag en antwoord scheidt");
        if (Report.FontTagTexts > 0)
            Causes << QStringLiteral("\"[FONT:\" in een vraag is \"[FONT\" geworden, omdat de regel anders als "
                                     "lettertyperegel wordt gelezen");
        Text += QStringLiteral("\n%1 %2 veranderd: %3.")
                    .arg(Counted(Report.ChangedTexts, "tekst", "teksten"),
                         Report.ChangedTexts == 1 ? QStringLiteral("is") : QStringLiteral("zijn"), Causes.join(QStringLiteral("; ")));
        Text += Report.ChangedTexts > int(ShownChanges) ? QStringLiteral(" De eerste drie:")
                                                        : QStringLiteral(" Voor en na:");
        for (const TTextChange& Change : Report.FirstChanges)
            Text += QStringLiteral("\n\"%1\"\n  wordt \"%2\"").arg(Change.Before, Change.After);
    }
    return Text;
}
