// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/csvfile.h"

#include <array>

namespace {

constexpr QChar Quote = u'"';

bool IsLineEnd(QChar C) { return C == u'\n' || C == u'\r'; }

// Moves Pos past one line end (CR LF, LF or CR) and counts the line.
void SkipLineEnd(QStringView Text, qsizetype& Pos, qsizetype& Line)
{
    if (Text.at(Pos) == u'\r' && Pos + 1 < Text.size() && Text.at(Pos + 1) == u'\n')
        ++Pos;
    ++Pos;
    ++Line;
}

QString QuotedField(const QString& Field)
{
    const bool NeedsQuotes = Field.contains(u',') || Field.contains(Quote) || Field.contains(u'\n')
                             || Field.contains(u'\r') || Field.contains(u';') || Field.contains(u'\t')
                             || Field.startsWith(u' ') || Field.endsWith(u' ');
    if (!NeedsQuotes)
        return Field;
    return Quote + QString(Field).replace(Quote, QStringLiteral("\"\"")) + Quote;
}

// The entries of records as they come: the first two fields, the rest
// counted for the notices.
class TEntryCollector {
public:
    void Add(const QStringList& Fields)
    {
        MoreColumns = MoreColumns || Fields.size() > 2;
        const QString Question = Fields.value(0);
        const QString Answer = Fields.value(1);
        if (TableTrimmed(Question).isEmpty() || TableTrimmed(Answer).isEmpty())
            ++Incomplete;
        else
            Table.Entries.push_back({Question, Answer});
    }

    TImportedTable Finish()
    {
        Table.LeftOut = Incomplete;
        if (Incomplete == 1)
            Table.Notices << QStringLiteral("1 regel zonder vraag of antwoord is overgeslagen.");
        else if (Incomplete > 1)
            Table.Notices << QStringLiteral("%1 regels zonder vraag of antwoord zijn overgeslagen.").arg(Incomplete);
        if (MoreColumns)
            Table.Notices << QStringLiteral("Alleen de eerste twee kolommen zijn gelezen; de overige zijn weggelaten.");
        return std::move(Table);
    }

private:
    TImportedTable Table;
    int Incomplete = 0;
    bool MoreColumns = false;
};

} // namespace

std::vector<QStringList> TCsvFile::Records(const QString& Text, QChar Separator, const QString& FileName,
                                           qsizetype FirstLine)
{
    std::vector<QStringList> Result;
    ForEachRecord(Text, Separator, FileName, FirstLine, [&Result](QStringList& Fields) { Result.push_back(std::move(Fields)); });
    return Result;
}

TImportedTable TCsvFile::EntriesOf(QStringView Text, QChar Separator, const QString& FileName, qsizetype FirstLine,
                                   const std::function<void(QStringList&)>& Adjust, bool SkipHeader)
{
    TEntryCollector Collector;
    bool First = true;
    ForEachRecord(Text, Separator, FileName, FirstLine, [&](QStringList& Fields) {
        const bool Header = First && SkipHeader && IsHeader(Fields);
        First = false;
        if (Header)
            return;
        if (Adjust)
            Adjust(Fields);
        Collector.Add(Fields);
    });
    return Collector.Finish();
}

void TCsvFile::ForEachRecord(QStringView Text, QChar Separator, const QString& FileName, qsizetype FirstLine,
                             const std::function<void(QStringList&)>& Take)
{
    qsizetype Line = FirstLine;
    qsizetype Pos = 0;
    const qsizetype Size = Text.size();
    while (Pos < Size) {
        if (IsLineEnd(Text.at(Pos))) { // an empty line
            SkipLineEnd(Text, Pos, Line);
            continue;
        }
        QStringList Fields;
        for (;;) {
            QString Field;
            if (Pos < Size && Text.at(Pos) == Quote) {
                const qsizetype StartLine = Line;
                ++Pos;
                for (;;) {
                    if (Pos >= Size)
                        ThrowReadError(FileName, StartLine, QStringLiteral("aanhalingsteken zonder afsluitend aanhalingsteken"));
                    const QChar C = Text.at(Pos);
                    if (C == Quote) {
                        if (Pos + 1 < Size && Text.at(Pos + 1) == Quote) {
                            Field += Quote;
                            Pos += 2;
                            continue;
                        }
                        ++Pos;
                        break;
                    }
                    if (C == u'\n' || (C == u'\r' && !(Pos + 1 < Size && Text.at(Pos + 1) == u'\n')))
                        ++Line;
                    Field += C;
                    ++Pos;
                }
            }
            // Unquoted text, or what follows a closing quote up to the separator.
            const qsizetype Start = Pos;
            while (Pos < Size && Text.at(Pos) != Separator && !IsLineEnd(Text.at(Pos)))
                ++Pos;
            Field += Text.sliced(Start, Pos - Start);
            Fields << Field;
            if (Pos < Size && Text.at(Pos) == Separator) {
                ++Pos;
                continue;
            }
            break;
        }
        Take(Fields);
        if (Pos < Size)
            SkipLineEnd(Text, Pos, Line);
    }
}

QChar TCsvFile::GuessSeparator(const QString& Text)
{
    std::array<std::pair<QChar, int>, 3> Counts{{{u'\t', 0}, {u';', 0}, {u',', 0}}};
    bool InQuotes = false;
    bool Started = false;
    for (const QChar C : Text) {
        if (!Started && IsLineEnd(C))
            continue; // leading empty lines
        Started = true;
        if (C == Quote)
            InQuotes = !InQuotes;
        else if (!InQuotes && IsLineEnd(C))
            break;
        else if (!InQuotes)
            for (auto& [Separator, Count] : Counts)
                Count += C == Separator ? 1 : 0;
    }
    auto Best = Counts.front();
    for (const auto& Candidate : Counts)
        if (Candidate.second > Best.second)
            Best = Candidate;
    return Best.second > 0 ? Best.first : QChar(u',');
}

TImportedTable TCsvFile::Entries(const std::vector<QStringList>& Records)
{
    TEntryCollector Collector;
    for (const QStringList& Fields : Records)
        Collector.Add(Fields);
    return Collector.Finish();
}

bool TCsvFile::IsHeader(const QStringList& Fields)
{
    static const QStringList QuestionNames{
        QStringLiteral("vraag"), QStringLiteral("vragen"), QStringLiteral("question"), QStringLiteral("frage"),
        QStringLiteral("front"), QStringLiteral("voorkant"), QStringLiteral("term"), QStringLiteral("begriff"),
        QStringLiteral("woord"), QStringLiteral("word"), QStringLiteral("wort"), QStringLiteral("pregunta")};
    static const QStringList AnswerNames{
        QStringLiteral("antwoord"), QStringLiteral("antwoorden"), QStringLiteral("answer"), QStringLiteral("antwort"),
        QStringLiteral("back"), QStringLiteral("achterkant"), QStringLiteral("definition"), QStringLiteral("definitie"),
        QStringLiteral("betekenis"), QStringLiteral("meaning"), QStringLiteral("bedeutung"), QStringLiteral("vertaling"),
        QStringLiteral("translation"), QStringLiteral("übersetzung"), QStringLiteral("respuesta")};
    return Fields.size() >= 2 && QuestionNames.contains(TableTrimmed(Fields[0]).toLower())
           && AnswerNames.contains(TableTrimmed(Fields[1]).toLower());
}

TImportedTable TCsvFile::Read(const QString& FileName)
{
    return Parse(ReadWholeFile(FileName), FileName);
}

TImportedTable TCsvFile::Parse(QByteArray Bytes, const QString& FileName)
{
    const QString Text = DecodeUtf8File(Bytes, FileName);
    Bytes = QByteArray(); // the text is all that is needed
    return EntriesOf(Text, GuessSeparator(Text), FileName, 1, {}, true);
}

QByteArray TCsvFile::Written(const std::vector<TImportedEntry>& Entries)
{
    QString Text;
    Text.reserve(static_cast<qsizetype>(Entries.size()) * 32);
    Text += QStringLiteral("Vraag,Antwoord\r\n");
    for (const TImportedEntry& Entry : Entries)
        Text += QuotedField(Entry.Question) + u',' + QuotedField(Entry.Answer) + QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
}
