// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/utf8textfile.h"

#include "formats/wintext.h"
#include "formats/tableexport.h"
#include "table/tablefile.h"

namespace {

// One line split at its first "=": later ones are dropped, control
// characters become spaces.
TImportedEntry SplitLine(QStringView Line)
{
    TImportedEntry Entry;
    bool SeenEquals = false;
    for (const QChar C : Line) {
        if (C == u'=') {
            SeenEquals = true;
            continue;
        }
        (SeenEquals ? Entry.Answer : Entry.Question) += C.unicode() < 32 ? QChar(u' ') : C;
    }
    return Entry;
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

TImportedTable TUtf8TextFile::Parse(const QString& Text)
{
    TImportedTable Table;
    QStringView Rest(Text);
    if (const qsizetype End = Rest.indexOf(QChar(26)); End >= 0)
        Rest = Rest.first(End); // Ctrl-Z ends the file
    for (const QStringView Line : Rest.split(u'\n')) {
        TImportedEntry Entry = SplitLine(Line);
        const QString Question = TableTrimmed(Entry.Question);
        const QString Answer = TableTrimmed(Entry.Answer);
        if (Question.contains(QLatin1StringView(FontTag)) && Answer.contains(QLatin1StringView(FontTag))) {
            Table.QuestionFontLine = FontLineBytes(Question);
            Table.AnswerFontLine = FontLineBytes(Answer);
        } else if (!Question.isEmpty() && !Answer.isEmpty()) {
            Table.Entries.push_back({Question, Answer});
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
