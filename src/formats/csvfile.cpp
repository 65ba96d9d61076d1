// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/csvfile.h"

#include <array>

namespace {

constexpr QChar Quote = u'"';

// A character of the text being read: a UTF-16 unit, or a byte of UTF-8
// (whose line ends, quotes and separators are the same single bytes).
char16_t Code(QChar C) { return C.unicode(); }
char16_t Code(char C) { return static_cast<unsigned char>(C); }

template <typename TView> bool IsLineEndAt(TView Text, qsizetype Pos)
{
    return Code(Text.at(Pos)) == u'\n' || Code(Text.at(Pos)) == u'\r';
}

// Moves Pos past one line end (CR LF, LF or CR) and counts the line.
template <typename TView> void SkipLineEnd(TView Text, qsizetype& Pos, qsizetype& Line)
{
    if (Code(Text.at(Pos)) == u'\r' && Pos + 1 < Text.size() && Code(Text.at(Pos + 1)) == u'\n')
        ++Pos;
    ++Pos;
    ++Line;
}

// A field's characters as the entry keeps them, in no more room than they
// take.
QString FieldText(QStringView Field) { return Field.toString(); }
QString FieldText(QByteArrayView Field) { return Utf8Text(Field); }

// The records of Text, which is UTF-16 or UTF-8, one at a time.
template <typename TView>
void ReadRecords(TView Text, QChar Separator, const QString& FileName, qsizetype FirstLine,
                 const std::function<void(QStringList&)>& Take)
{
    using TField = std::conditional_t<std::is_same_v<TView, QStringView>, QString, QByteArray>;
    const char16_t Sep = Separator.unicode();
    qsizetype Line = FirstLine;
    qsizetype Pos = 0;
    const qsizetype Size = Text.size();
    while (Pos < Size) {
        if (IsLineEndAt(Text, Pos)) { // an empty line
            SkipLineEnd(Text, Pos, Line);
            continue;
        }
        QStringList Fields;
        for (;;) {
            TField Field;
            if (Pos < Size && Code(Text.at(Pos)) == u'"') {
                const qsizetype StartLine = Line;
                ++Pos;
                for (;;) {
                    if (Pos >= Size)
                        ThrowReadError(FileName, StartLine, QStringLiteral("aanhalingsteken zonder afsluitend aanhalingsteken"));
                    const char16_t C = Code(Text.at(Pos));
                    if (C == u'"') {
                        if (Pos + 1 < Size && Code(Text.at(Pos + 1)) == u'"') {
                            Field += Text.at(Pos);
                            Pos += 2;
                            continue;
                        }
                        ++Pos;
                        break;
                    }
                    if (C == u'\n' || (C == u'\r' && !(Pos + 1 < Size && Code(Text.at(Pos + 1)) == u'\n')))
                        ++Line;
                    Field += Text.at(Pos);
                    ++Pos;
                }
            }
            // Unquoted text, or what follows a closing quote up to the separator.
            const qsizetype Start = Pos;
            while (Pos < Size && Code(Text.at(Pos)) != Sep && !IsLineEndAt(Text, Pos))
                ++Pos;
            if (Fields.size() >= TCsvFile::MaxFields) {
                // read past: a line of nothing but separators holds no
                // table, however many fields it has
            } else if (Field.isEmpty()) {
                Fields << FieldText(Text.sliced(Start, Pos - Start));
            } else {
                Field += Text.sliced(Start, Pos - Start);
                Fields << FieldText(Field);
            }
            if (Pos < Size && Code(Text.at(Pos)) == Sep) {
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

QString QuotedField(const QString& Field)
{
    const bool NeedsQuotes = Field.contains(u',') || Field.contains(Quote) || Field.contains(u'\n')
                             || Field.contains(u'\r') || Field.contains(u';') || Field.contains(u'\t')
                             || Field.startsWith(u' ') || Field.endsWith(u' ');
    if (!NeedsQuotes)
        return Field;
    return Quote + QString(Field).replace(Quote, QStringLiteral("\"\"")) + Quote;
}

// The separator of Text's first record: the most frequent of tab,
// semicolon and comma outside quotes (in that order on a tie).
template <typename TView> QChar SeparatorOf(TView Text)
{
    std::array<std::pair<char16_t, int>, 3> Counts{{{u'\t', 0}, {u';', 0}, {u',', 0}}};
    bool InQuotes = false;
    bool Started = false;
    for (qsizetype Pos = 0; Pos < Text.size(); ++Pos) {
        const char16_t C = Code(Text.at(Pos));
        const bool LineEnd = C == u'\n' || C == u'\r';
        if (!Started && LineEnd)
            continue; // leading empty lines
        Started = true;
        if (C == u'"')
            InQuotes = !InQuotes;
        else if (!InQuotes && LineEnd)
            break;
        else if (!InQuotes)
            for (auto& [Separator, Count] : Counts)
                Count += C == Separator ? 1 : 0;
    }
    auto Best = Counts.front();
    for (const auto& Candidate : Counts)
        if (Candidate.second > Best.second)
            Best = Candidate;
    return Best.second > 0 ? QChar(Best.first) : QChar(u',');
}

// The entries of records as they come: the first two fields, the rest
// counted for the notices. Each record is given to Adjust first, if there
// is one; with SkipHeader, a first record that names the columns is no
// entry.
class TEntryCollector {
public:
    TEntryCollector(const std::function<void(QStringList&)>& Adjust, bool SkipHeader)
        : Adjust(Adjust), SkipHeader(SkipHeader)
    {
    }

    void Add(QStringList& Fields)
    {
        const bool Header = First && SkipHeader && TCsvFile::IsHeader(Fields);
        First = false;
        if (Header)
            return;
        if (Adjust)
            Adjust(Fields);
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
    const std::function<void(QStringList&)> Adjust;
    const bool SkipHeader;
    bool First = true;
    TImportedTable Table;
    int Incomplete = 0;
    bool MoreColumns = false;
};

} // namespace

TImportedTable TCsvFile::EntriesOf(QStringView Text, QChar Separator, const QString& FileName, qsizetype FirstLine,
                                   const std::function<void(QStringList&)>& Adjust, bool SkipHeader)
{
    TEntryCollector Collector(Adjust, SkipHeader);
    ReadRecords(Text, Separator, FileName, FirstLine, [&Collector](QStringList& Fields) { Collector.Add(Fields); });
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

TImportedTable TCsvFile::Parse(const QByteArray& Bytes, const QString& FileName)
{
    // Read as UTF-8, a field at a time: a large file is not also held as
    // UTF-16 while its entries are made.
    const QByteArrayView Body = CheckedUtf8Body(Bytes, FileName);
    TEntryCollector Collector({}, true);
    ReadRecords(Body, SeparatorOf(Body), FileName, 1, [&Collector](QStringList& Fields) { Collector.Add(Fields); });
    return Collector.Finish();
}

QByteArray TCsvFile::Written(const TImportedEntries& Entries)
{
    QString Text;
    Text.reserve(static_cast<qsizetype>(Entries.size()) * 32);
    Text += QStringLiteral("Vraag,Antwoord\r\n");
    for (const TImportedEntry& Entry : Entries)
        Text += QuotedField(Entry.Question) + u',' + QuotedField(Entry.Answer) + QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
}
