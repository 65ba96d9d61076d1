// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/utf8textfile.h"

#include <QStringDecoder>

#include "formats/wintext.h"
#include "formats/tableexport.h"
#include "table/tablefile.h"

namespace {

// A side of a line as the table holds it: control characters become
// spaces, "=" is left out, and the text is trimmed. It takes no more room
// than its characters.
QString LineSide(QStringView Side)
{
    QString Text = Side.toString();
    Text.remove(u'=');
    for (QChar& C : Text)
        if (C.unicode() < 32)
            C = u' ';
    return TableTrimmed(Text);
}

// One line split at its first "=": later ones are dropped.
TImportedEntry SplitLine(QStringView Line)
{
    const qsizetype Equals = Line.indexOf(u'=');
    if (Equals < 0)
        return {LineSide(Line), QString()};
    return {LineSide(Line.first(Equals)), LineSide(Line.sliced(Equals + 1))};
}

std::string FontLineBytes(const QString& Side)
{
    int Replaced = 0;
    return QtToWinReplacing(Side, WesternCodePage, Replaced);
}

} // namespace

bool TUtf8TextFile::IsUtf8Text(const QByteArray& Bytes)
{
    if (Bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    bool MultiByte = false;
    for (const char C : Bytes)
        if (static_cast<unsigned char>(C) >= 0x80) {
            MultiByte = true;
            break;
        }
    return MultiByte && QUtf8StringView(Bytes).isValidUtf8();
}

TImportedTable TUtf8TextFile::Parse(const QByteArray& Bytes, const QString& FileName)
{
    TImportedTable Table;
    // A line at a time: a large file is not also held as UTF-16.
    QByteArrayView Rest = CheckedUtf8Body(Bytes, FileName);
    if (const qsizetype End = Rest.indexOf('\x1A'); End >= 0)
        Rest = Rest.first(End); // Ctrl-Z ends the file
    QStringDecoder Decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    for (qsizetype Start = 0; Start <= Rest.size();) {
        qsizetype End = Rest.indexOf('\n', Start);
        if (End < 0)
            End = Rest.size();
        const QString Line = Decoder.decode(Rest.sliced(Start, End - Start));
        TImportedEntry Entry = SplitLine(Line);
        Start = End + 1;
        if (Entry.Question.contains(QLatin1StringView(FontTag)) && Entry.Answer.contains(QLatin1StringView(FontTag))) {
            Table.QuestionFontLine = FontLineBytes(Entry.Question);
            Table.AnswerFontLine = FontLineBytes(Entry.Answer);
        } else if (!Entry.Question.isEmpty() && !Entry.Answer.isEmpty()) {
            Table.Entries.push_back(std::move(Entry));
        }
    }
    return Table;
}

QByteArray TUtf8TextFile::Written(const TQuestionlist& List, bool Bom)
{
    QString Text;
    if (const std::string FontLine = FontLineOf(List); !FontLine.empty())
        Text += WinToQt(FontLine) + QStringLiteral("\r\n");
    for (const TImportedEntry& Entry : ExportedEntries(List))
        Text += Entry.Question + QStringLiteral(" = ") + Entry.Answer + QStringLiteral("\r\n");
    return (Bom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + Text.toUtf8();
}
