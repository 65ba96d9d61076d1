// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/kvtmlfile.h"

#include <QStringDecoder>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

struct TTranslation {
    QString Id; // the language
    QString Text;
    QString Comment;
};

// One entry: its translations, usually two or three, looked up by language.
struct TEntryTexts {
    std::vector<TTranslation> Translations;

    TTranslation& For(const QString& Id)
    {
        for (TTranslation& Translation : Translations)
            if (Translation.Id == Id)
                return Translation;
        return Translations.emplace_back(TTranslation{Id, {}, {}});
    }
    [[nodiscard]] const TTranslation* Find(const QString& Id) const
    {
        for (const TTranslation& Translation : Translations)
            if (Translation.Id == Id)
                return &Translation;
        return nullptr;
    }
    [[nodiscard]] QString Text(const QString& Id) const { return Find(Id) ? Find(Id)->Text : QString(); }
    [[nodiscard]] QString Comment(const QString& Id) const { return Find(Id) ? Find(Id)->Comment : QString(); }
};

// True when the file says it is in UTF-8, or says nothing and so is, but
// holds bytes that are no UTF-8: older word lists were saved in Latin-1
// with a UTF-8 declaration.
bool IsMislabelledUtf8(const QByteArray& Bytes)
{
    if (Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF") || QUtf8StringView(Bytes).isValidUtf8())
        return false;
    const QByteArray Declaration = Bytes.left(Bytes.indexOf("?>") + 1).toLower();
    const qsizetype Encoding = Declaration.indexOf("encoding=");
    return Encoding < 0 || Declaration.mid(Encoding + 10, 5) == "utf-8";
}

class TKvtmlParser {
public:
    TKvtmlParser(const QByteArray& Bytes, const QString& FileName) : FileName(FileName)
    {
        if (IsMislabelledUtf8(Bytes)) {
            Xml.addData(QStringDecoder(QStringDecoder::Latin1).decode(Bytes));
            Mislabelled = true;
        } else {
            Xml.addData(Bytes);
        }
    }

    TImportedTable Parse();

private:
    void ReadIdentifiers();
    void ReadEntries();
    void ReadTranslation(TEntryTexts& Entry);
    void ReadOldEntry(); // <e><o>...</o><t>...</t></e>
    [[noreturn]] void Fail(const QString& What) { ThrowReadError(FileName, Xml.lineNumber(), What); }
    void CheckXml();
    TImportedTable Collect();

    QXmlStreamReader Xml;
    const QString& FileName;
    QStringList Languages;
    QStringList Locales; // of each identifier, where it names one
    std::vector<TEntryTexts> Entries;
    bool Old = false;
    bool Mislabelled = false;
};

void TKvtmlParser::CheckXml()
{
    if (Xml.hasError())
        Fail(QStringLiteral("ongeldige XML (%1)").arg(Xml.errorString()));
}

TImportedTable TKvtmlParser::Parse()
{
    if (!Xml.readNextStartElement()) {
        CheckXml();
        Fail(QStringLiteral("het bestand is leeg"));
    }
    if (Xml.name() != u"kvtml")
        Fail(QStringLiteral("geen KVTML-woordenlijst"));
    Old = Xml.attributes().value(QLatin1StringView("version")).isEmpty();
    while (Xml.readNextStartElement()) {
        if (Xml.name() == u"identifiers")
            ReadIdentifiers();
        else if (Xml.name() == u"entries")
            ReadEntries();
        else if (Old && Xml.name() == u"e")
            ReadOldEntry();
        else
            Xml.skipCurrentElement();
    }
    CheckXml();
    // Whatever follows the root element must be well-formed too.
    while (!Xml.atEnd())
        Xml.readNext();
    CheckXml();
    if (Entries.empty())
        Fail(QStringLiteral("de woordenlijst bevat geen woorden"));
    return Collect();
}

void TKvtmlParser::ReadIdentifiers()
{
    while (Xml.readNextStartElement()) {
        if (Xml.name() != u"identifier") {
            Xml.skipCurrentElement();
            continue;
        }
        Languages << Xml.attributes().value(QLatin1StringView("id")).toString();
        Locales << QString();
        while (Xml.readNextStartElement()) {
            if (Xml.name() == u"locale")
                Locales.last() = Xml.readElementText();
            else
                Xml.skipCurrentElement();
        }
    }
}

void TKvtmlParser::ReadEntries()
{
    while (Xml.readNextStartElement()) {
        if (Xml.name() != u"entry") {
            Xml.skipCurrentElement();
            continue;
        }
        TEntryTexts Entry;
        while (Xml.readNextStartElement()) {
            if (Xml.name() == u"translation")
                ReadTranslation(Entry);
            else
                Xml.skipCurrentElement();
        }
        Entries.push_back(std::move(Entry));
    }
}

void TKvtmlParser::ReadTranslation(TEntryTexts& Entry)
{
    const QString Id = Xml.attributes().value(QLatin1StringView("id")).toString();
    while (Xml.readNextStartElement()) {
        if (Xml.name() == u"text")
            Entry.For(Id).Text = Xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (Xml.name() == u"comment")
            Entry.For(Id).Comment = Xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else
            Xml.skipCurrentElement();
    }
}

void TKvtmlParser::ReadOldEntry()
{
    TEntryTexts Entry;
    while (Xml.readNextStartElement()) {
        if (Xml.name() == u"o")
            Entry.For(QStringLiteral("0")).Text = Xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (Xml.name() == u"t")
            Entry.For(QStringLiteral("1")).Text = Xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else
            Xml.skipCurrentElement();
    }
    Entries.push_back(std::move(Entry));
}

TImportedTable TKvtmlParser::Collect()
{
    if (Old)
        Languages = {QStringLiteral("0"), QStringLiteral("1")};
    if (Languages.isEmpty())
        Languages << QStringLiteral("0");
    TImportedTable Table;
    Table.Entries.reserve(Entries.size());
    const bool OneLanguage = Languages.size() == 1;
    int LeftOut = 0;
    for (const TEntryTexts& Entry : Entries) {
        const QString Word = Entry.Text(Languages[0]);
        const QString Question = OneLanguage ? Entry.Comment(Languages[0]) : Word;
        const QString Answer = OneLanguage ? Word : Entry.Text(Languages[1]);
        if (TableTrimmed(Question).isEmpty() || TableTrimmed(Answer).isEmpty()) {
            ++LeftOut;
            continue;
        }
        Table.Entries.push_back({Question, Answer});
    }
    Table.LeftOut = LeftOut;
    if (!Old && Locales.size() == Languages.size())
        Table.Languages = OneLanguage ? QStringList{QString(), Locales[0]} : QStringList{Locales[0], Locales[1]};
    if (Mislabelled)
        Table.Notices << QStringLiteral("Het bestand is geen geldige UTF-8-tekst, zoals het zegt; "
                                        "het is gelezen als Latin-1 (West-Europees).");
    if (Languages.size() > 2)
        Table.Notices << QStringLiteral("De woordenlijst heeft %1 talen; alleen de eerste twee zijn gelezen, "
                                        "%2 andere talen zijn weggelaten.")
                             .arg(Languages.size())
                             .arg(Languages.size() - 2);
    if (LeftOut > 0 && OneLanguage)
        Table.Notices << QStringLiteral("%1 van de %2 woorden hebben geen omschrijving (commentaar) die als vraag "
                                        "kan dienen en zijn weggelaten.")
                             .arg(LeftOut)
                             .arg(Entries.size());
    else if (LeftOut > 0)
        Table.Notices << QStringLiteral("%1 van de %2 woorden hebben geen vertaling in beide talen en zijn weggelaten.")
                             .arg(LeftOut)
                             .arg(Entries.size());
    return Table;
}

} // namespace

TImportedTable TKvtmlFile::Read(const QString& FileName)
{
    return Parse(ReadWholeFile(FileName), FileName);
}

TImportedTable TKvtmlFile::Parse(const QByteArray& Bytes, const QString& FileName)
{
    TKvtmlParser Parser(Bytes, FileName);
    return Parser.Parse();
}

QByteArray TKvtmlFile::Written(const std::vector<TImportedEntry>& Entries, const QString& Title)
{
    QByteArray Bytes;
    QXmlStreamWriter Xml(&Bytes);
    Xml.setAutoFormatting(true);
    Xml.setAutoFormattingIndent(1);
    Xml.writeStartDocument();
    Xml.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    Xml.writeStartElement(QStringLiteral("kvtml"));
    Xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    Xml.writeStartElement(QStringLiteral("information"));
    Xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("Memorant"));
    Xml.writeTextElement(QStringLiteral("title"), Title);
    Xml.writeEndElement();
    Xml.writeStartElement(QStringLiteral("identifiers"));
    const QString Names[] = {QStringLiteral("Vraag"), QStringLiteral("Antwoord")};
    for (int Id = 0; Id < 2; ++Id) {
        Xml.writeStartElement(QStringLiteral("identifier"));
        Xml.writeAttribute(QStringLiteral("id"), QString::number(Id));
        Xml.writeTextElement(QStringLiteral("name"), Names[Id]);
        Xml.writeEndElement();
    }
    Xml.writeEndElement();
    Xml.writeStartElement(QStringLiteral("entries"));
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        Xml.writeStartElement(QStringLiteral("entry"));
        Xml.writeAttribute(QStringLiteral("id"), QString::number(i));
        const QString* Texts[] = {&Entries[i].Question, &Entries[i].Answer};
        for (int Id = 0; Id < 2; ++Id) {
            Xml.writeStartElement(QStringLiteral("translation"));
            Xml.writeAttribute(QStringLiteral("id"), QString::number(Id));
            Xml.writeTextElement(QStringLiteral("text"), *Texts[Id]);
            Xml.writeEndElement();
        }
        Xml.writeEndElement();
    }
    Xml.writeEndDocument();
    return Bytes;
}
