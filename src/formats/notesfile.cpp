// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/notesfile.h"

#include <QSet>

#include "formats/csvfile.h"

namespace {

QChar SeparatorNamed(const QString& Value)
{
    const QString Name = Value.trimmed().toLower();
    if (Name == u"tab") return u'\t';
    if (Name == u"comma") return u',';
    if (Name == u"semicolon") return u';';
    if (Name == u"space") return u' ';
    if (Name == u"pipe") return u'|';
    if (Name == u"colon") return u':';
    return Name.size() == 1 ? Name.at(0) : QChar(u'\t');
}

// "&amp;", "&#233;", "&#xE9;" and the other entities a notes export writes.
QString Entity(QStringView Name)
{
    static const QHash<QString, QString> Named{
        {QStringLiteral("amp"), QStringLiteral("&")},   {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},    {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("apos"), QStringLiteral("'")},  {QStringLiteral("nbsp"), QString(QChar(0xA0))},
        {QStringLiteral("shy"), QString(QChar(0xAD))},  {QStringLiteral("euro"), QString(QChar(0x20AC))},
        {QStringLiteral("ndash"), QString(QChar(0x2013))}, {QStringLiteral("mdash"), QString(QChar(0x2014))},
        {QStringLiteral("hellip"), QString(QChar(0x2026))},
    };
    if (Name.startsWith(u'#')) {
        bool Ok = false;
        const bool Hex = Name.size() > 1 && (Name.at(1) == u'x' || Name.at(1) == u'X');
        const uint Code = Name.sliced(Hex ? 2 : 1).toUInt(&Ok, Hex ? 16 : 10);
        if (Ok && Code > 0 && Code <= 0x10FFFF && (Code < 0xD800 || Code > 0xDFFF)) {
            if (QChar::requiresSurrogates(Code))
                return QString(QChar(QChar::highSurrogate(Code))) + QChar(QChar::lowSurrogate(Code));
            return QString(QChar(char16_t(Code))); // U+FEFF too
        }
        return {};
    }
    return Named.value(Name.toString());
}

} // namespace

QString TNotesFile::PlainText(const QString& Html)
{
    QString Text;
    Text.reserve(Html.size());
    for (qsizetype i = 0; i < Html.size(); ++i) {
        const QChar C = Html.at(i);
        if (C == u'<') {
            const qsizetype Close = Html.indexOf(u'>', i);
            if (Close < 0) {
                Text += QStringView(Html).sliced(i);
                break;
            }
            const QStringView Tag = QStringView(Html).sliced(i + 1, Close - i - 1);
            if (Tag.startsWith(u"br", Qt::CaseInsensitive) || Tag.startsWith(u"/div", Qt::CaseInsensitive)
                || Tag.startsWith(u"/p", Qt::CaseInsensitive))
                Text += u' ';
            i = Close;
        } else if (C == u'&') {
            // An entity is short: the ";" is looked for in the next ten
            // characters only, so that a text of many "&" is read in one pass.
            qsizetype End = -1;
            for (qsizetype k = i + 1; k < Html.size() && k <= i + 10 && End < 0; ++k)
                End = Html.at(k) == u';' ? k : -1;
            const QString Decoded = End > i + 1 ? Entity(QStringView(Html).sliced(i + 1, End - i - 1)) : QString();
            if (Decoded.isEmpty()) {
                Text += C;
            } else {
                Text += Decoded;
                i = End;
            }
        } else {
            Text += C;
        }
    }
    return Text;
}

TImportedTable TNotesFile::Read(const QString& FileName)
{
    return Parse(DecodeUtf8File(ReadWholeFile(FileName), FileName), FileName);
}

TImportedTable TNotesFile::Parse(const QString& Text, const QString& FileName)
{
    QChar Separator = u'\t';
    bool Html = false;
    QSet<qsizetype> SkippedColumns; // 0-based
    qsizetype Pos = 0;
    qsizetype Line = 1;
    while (Pos < Text.size() && Text.at(Pos) == u'#') {
        qsizetype End = Text.indexOf(u'\n', Pos);
        if (End < 0)
            End = Text.size();
        const QString Header = Text.sliced(Pos + 1, End - Pos - 1).trimmed();
        const qsizetype Colon = Header.indexOf(u':');
        const QString Key = Header.left(Colon).trimmed().toLower();
        const QString Value = Colon < 0 ? QString() : Header.sliced(Colon + 1);
        if (Key == u"separator")
            Separator = SeparatorNamed(Value);
        else if (Key == u"html")
            Html = Value.trimmed().toLower() == u"true";
        else if (Key.endsWith(QStringLiteral(" column")) && Value.trimmed().toInt() > 0)
            SkippedColumns.insert(Value.trimmed().toInt() - 1); // guid, notetype, deck, tags
        Pos = End + 1;
        ++Line;
    }
    const auto KeepFields = [&SkippedColumns, Html](QStringList& Fields) {
        QStringList Kept;
        for (qsizetype Column = 0; Column < Fields.size(); ++Column)
            if (!SkippedColumns.contains(Column))
                Kept << (Html ? PlainText(Fields[Column]) : Fields[Column]);
        Fields = std::move(Kept);
    };
    return TCsvFile::EntriesOf(QStringView(Text).sliced(std::min(Pos, Text.size())), Separator, FileName, Line, KeepFields,
                               false);
}
