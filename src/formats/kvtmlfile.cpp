// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/kvtmlfile.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QXmlStreamReader>
#include <algorithm>
#include <numeric>
#include <optional>

#include "editor/codepage.h"
#include "formats/wintext.h"

namespace {

const QString Utf8Refused = QStringLiteral("geen geldige UTF-8-tekst (binair bestand?)");

// ---------------------------------------------------------------- characters

bool IsXmlChar(char32_t C)
{
    return C == 0x9 || C == 0xA || C == 0xD || (C >= 0x20 && C <= 0xD7FF) || (C >= 0xE000 && C <= 0xFFFD)
           || (C >= 0x10000 && C <= 0x10FFFF);
}

// How the characters of a file are stored.
struct TCharset {
    TKvtmlEncoding Encoding = TKvtmlEncoding::Utf8;
    int CodePage = 0;
};

TCharset CharsetOf(const TKvtmlSource& Source) { return {Source.Encoding, Source.CodePage}; }

// True when the file's encoding has no bytes for C.
bool Lacks(const TCharset& Charset, char32_t C)
{
    switch (Charset.Encoding) {
    case TKvtmlEncoding::Latin1: return C > 0xFF;
    case TKvtmlEncoding::Windows:
        return C >= 0x80 && (C > 0xFFFF || CharactersMissingIn(QString(QChar(char16_t(C))), Charset.CodePage) > 0);
    default: return false;
    }
}

// Text as the content of an element (or, with Quotes, an attribute value)
// in Charset: markup characters and carriage returns as references, so
// that they read back as they were; characters the encoding lacks as
// character references; characters XML cannot hold at all as U+FFFD.
QString Escaped(QStringView Text, const TCharset& Charset, bool Quotes = false)
{
    QString Result;
    Result.reserve(Text.size() + 8);
    for (qsizetype i = 0; i < Text.size(); ++i) {
        char32_t C = Text.at(i).unicode();
        if (QChar::isHighSurrogate(C) && i + 1 < Text.size() && Text.at(i + 1).isLowSurrogate()) {
            C = QChar::surrogateToUcs4(Text.at(i), Text.at(i + 1));
            ++i;
        } else if (QChar::isSurrogate(C))
            C = 0xFFFD;
        if (!IsXmlChar(C))
            C = 0xFFFD;
        switch (C) {
        case u'&': Result += QLatin1StringView("&amp;"); continue;
        case u'<': Result += QLatin1StringView("&lt;"); continue;
        case u'>': Result += QLatin1StringView("&gt;"); continue;
        case u'\r': Result += QLatin1StringView("&#13;"); continue;
        default: break;
        }
        if (Quotes && C == u'"') {
            Result += QLatin1StringView("&quot;");
        } else if (Quotes && (C == u'\n' || C == u'\t')) {
            Result += QStringLiteral("&#%1;").arg(uint(C));
        } else if (Lacks(Charset, C)) {
            Result += QStringLiteral("&#%1;").arg(uint(C));
        } else if (QChar::requiresSurrogates(C)) {
            Result += QChar(QChar::highSurrogate(C));
            Result += QChar(QChar::lowSurrogate(C));
        } else {
            Result += QChar(char16_t(C)); // U+FEFF too: no byte order mark is dropped here
        }
    }
    return Result;
}

// ------------------------------------------------------------------ decoding

struct TDecoded {
    QString Text;
    TKvtmlEncoding Encoding = TKvtmlEncoding::Utf8;
    int CodePage = 0;
    QByteArray Bom;
    QByteArray Original; // when the text does not give the bytes back
    bool Mislabelled = false; // said UTF-8, was Latin-1
};

QByteArray Encoded(const QString& Text, const TCharset& Charset);

QString DecodedAs(QStringDecoder::Encoding Encoding, QByteArrayView Bytes)
{
    // A second byte order mark is a character of the text.
    QStringDecoder Decoder(Encoding, QStringDecoder::Flag::ConvertInitialBom);
    return Decoder.decode(Bytes);
}

// The Windows code page of the table's that an encoding's name names
// ("windows-1251", "cp1251"), or 0.
int WindowsCodePageNamed(const QByteArray& Name)
{
    for (const int CodePage : ColumnCodePages())
        for (const char* Prefix : {"windows-", "cp", "x-cp"})
            if (Name == Prefix + QByteArray::number(CodePage))
                return CodePage;
    return 0;
}

// The encoding the XML declaration names, lower case; empty without one.
QByteArray DeclaredEncoding(const QByteArray& Bytes)
{
    if (!Bytes.startsWith("<?xml"))
        return {};
    const qsizetype End = Bytes.indexOf("?>");
    if (End < 0 || End > 512)
        return {};
    const QByteArray Declaration = Bytes.left(End);
    const qsizetype At = Declaration.indexOf("encoding");
    if (At < 0)
        return {};
    qsizetype Pos = Declaration.indexOf('=', At);
    if (Pos < 0)
        return {};
    while (++Pos < Declaration.size() && (Declaration.at(Pos) == ' ' || Declaration.at(Pos) == '\t'))
        ;
    if (Pos >= Declaration.size())
        return {};
    const char Quote = Declaration.at(Pos);
    const qsizetype Close = Declaration.indexOf(Quote, Pos + 1);
    return Close < 0 ? QByteArray() : Declaration.sliced(Pos + 1, Close - Pos - 1).trimmed().toLower();
}

TDecoded Decode(const QByteArray& Bytes, const QString& FileName)
{
    TDecoded Result;
    const QByteArrayView View(Bytes);
    if (Bytes.startsWith("\xEF\xBB\xBF")) {
        Result.Bom = Bytes.first(3);
        if (!QUtf8StringView(View.sliced(3)).isValidUtf8())
            ThrowReadError(FileName, 1, Utf8Refused);
        Result.Text = DecodedAs(QStringDecoder::Utf8, View.sliced(3));
        return Result;
    }
    const bool Little = Bytes.startsWith("\xFF\xFE") || Bytes.startsWith(QByteArrayView("<\0", 2));
    const bool Big = Bytes.startsWith("\xFE\xFF") || Bytes.startsWith(QByteArrayView("\0<", 2));
    if (Little || Big) {
        const bool HasBom = Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF");
        Result.Encoding = Little ? TKvtmlEncoding::Utf16LE : TKvtmlEncoding::Utf16BE;
        Result.Bom = HasBom ? Bytes.first(2) : QByteArray();
        // Lone surrogates become U+FFFD: what is read can be written.
        Result.Text = DecodedAs(Little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE, View.sliced(HasBom ? 2 : 0));
        if (Result.Bom + Encoded(Result.Text, {Result.Encoding}) != Bytes)
            Result.Original = Bytes;
        return Result;
    }
    const QByteArray Declared = DeclaredEncoding(Bytes);
    static const QByteArray Latin1Names[] = {"iso-8859-1", "iso8859-1", "iso_8859-1", "latin1", "latin-1",
                                             "l1",         "us-ascii",  "ascii"};
    if (std::find(std::begin(Latin1Names), std::end(Latin1Names), Declared) != std::end(Latin1Names)) {
        Result.Encoding = TKvtmlEncoding::Latin1;
        Result.Text = QString::fromLatin1(Bytes);
        return Result;
    }
    if (const int CodePage = WindowsCodePageNamed(Declared); CodePage > 0) {
        // Every byte has a character, and that character gives it back.
        Result.Encoding = TKvtmlEncoding::Windows;
        Result.CodePage = CodePage;
        Result.Text = WinToQt(std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size())), CodePage);
        return Result;
    }
    // A declaration of UTF-16 in a file of single bytes is wrong about
    // itself; its bytes are read as those of any other file.
    if (!Declared.isEmpty() && Declared != "utf-8" && Declared != "utf8" && Declared != "utf-16")
        ThrowReadError(FileName, 1,
                       QStringLiteral("de tekenset \"%1\" wordt niet ondersteund; sla het bestand op als UTF-8")
                           .arg(QString::fromLatin1(Declared.left(40))));
    if (QUtf8StringView(Bytes).isValidUtf8()) {
        Result.Text = DecodedAs(QStringDecoder::Utf8, View);
    } else {
        // Older word lists were saved in Latin-1 with a UTF-8 declaration.
        Result.Encoding = TKvtmlEncoding::Latin1;
        Result.Mislabelled = true;
        Result.Text = QString::fromLatin1(Bytes);
    }
    return Result;
}

QByteArray Encoded(const QString& Text, const TCharset& Charset)
{
    switch (Charset.Encoding) {
    case TKvtmlEncoding::Utf8: return Text.toUtf8();
    case TKvtmlEncoding::Latin1: return Text.toLatin1(); // edits hold character references beyond Latin-1
    case TKvtmlEncoding::Utf16LE: return QStringEncoder(QStringEncoder::Utf16LE).encode(Text);
    case TKvtmlEncoding::Utf16BE: return QStringEncoder(QStringEncoder::Utf16BE).encode(Text);
    case TKvtmlEncoding::Windows:
        // The file's own characters and escaped edits: all have bytes.
        if (const std::optional<std::string> Bytes = QtToWin(Text, Charset.CodePage))
            return QByteArray(Bytes->data(), static_cast<qsizetype>(Bytes->size()));
        throw EListWriteError(QStringLiteral("Tekens passen niet in tekenset windows-%1").arg(Charset.CodePage).toStdString());
    }
    return {};
}

// -------------------------------------------------------------------- reader

struct TTranslationTexts {
    explicit TTranslationTexts(QString Language) : Id(std::move(Language)) {}
    QString Id;
    QString Text;
    QString Comment;
    TKvtmlSpan TextSpan;
    TKvtmlSpan CommentSpan;
    bool HasText = false;
    bool HasComment = false;
    bool TextCut = false;
    bool CommentCut = false;
};

struct TParsedEntry {
    QString Id;
    TKvtmlSpan Element;
    std::vector<TTranslationTexts> Translations; // usually two or three

    // The last translation of the language that has the text (or comment).
    [[nodiscard]] const TTranslationTexts* Find(const QString& Id, bool Comment) const
    {
        for (auto It = Translations.rbegin(); It != Translations.rend(); ++It)
            if (It->Id == Id && (Comment ? It->HasComment : It->HasText))
                return &*It;
        return nullptr;
    }
};

// A language named twice is one language: the first of that id stays.
void KeepDistinct(std::vector<TKvtmlLanguage>& Languages)
{
    std::vector<std::size_t> ById(Languages.size());
    std::iota(ById.begin(), ById.end(), std::size_t(0));
    std::stable_sort(ById.begin(), ById.end(),
                     [&Languages](std::size_t A, std::size_t B) { return Languages[A].Id < Languages[B].Id; });
    std::vector<bool> Twice(Languages.size());
    for (std::size_t i = 1; i < ById.size(); ++i)
        Twice[ById[i]] = Languages[ById[i]].Id == Languages[ById[i - 1]].Id;
    std::size_t Index = 0;
    std::erase_if(Languages, [&Twice, &Index](const TKvtmlLanguage&) { return Twice[Index++]; });
}

QString CountedWords(qsizetype Count, const char* One, const char* More)
{
    return QStringLiteral("%1 %2").arg(Count).arg(QString::fromUtf8(Count == 1 ? One : More));
}

class TKvtmlParser {
public:
    TKvtmlParser(QByteArray&& Bytes, const QString& FileName) : FileName(FileName)
    {
        TDecoded Decoded = Decode(Bytes, FileName);
        Bytes = QByteArray(); // the characters are all that is needed
        Source = std::make_shared<TKvtmlSource>();
        Source->FileName = FileName;
        Source->Text = std::move(Decoded.Text);
        Source->Encoding = Decoded.Encoding;
        Source->CodePage = Decoded.CodePage;
        Source->Bom = Decoded.Bom;
        Source->Original = Decoded.Original;
        Mislabelled = Decoded.Mislabelled;
    }

    TImportedTable Parse();

private:
    bool FeedMore();
    void StartElement();
    void EndElement();
    void StartCapture(QString& Target, bool& Cut, TKvtmlSpan* Span);
    [[nodiscard]] TTranslationTexts* TranslationOf(const QString& Id);
    void Append(QStringView Chunk);
    [[nodiscard]] bool Wanted(const QString& Id) const;
    [[nodiscard]] qsizetype TagStart() const { return Source->Text.lastIndexOf(u'<', Xml.characterOffset() - 1); }
    [[noreturn]] void Fail(const QString& What) { ThrowReadError(FileName, Xml.lineNumber(), What); }
    void CheckXml();
    // The question and answer languages are known once the identifiers are
    // read (a file names them before its entries), or at the end.
    [[nodiscard]] bool LanguagesSettled() const
    {
        return Source->Old || (LanguagesKnown && Source->Languages.size() >= 2);
    }
    void SettleLanguages();
    void TakeEntries();
    void Take(const TParsedEntry& Entry);
    TImportedTable Collect();

    QXmlStreamReader Xml;
    const QString& FileName;
    std::shared_ptr<TKvtmlSource> Source;
    // Entries read and not yet taken: the last one, or all of them while
    // the languages are not settled.
    std::vector<TParsedEntry> Entries;
    TImportedTable Table;
    qsizetype EntriesRead = 0;
    bool Settled = false;
    int LeftOut = 0;
    bool Mislabelled = false;
    bool RootSeen = false;
    bool LanguagesKnown = false;

    int Depth = 0;
    int IdentifiersDepth = 0;
    int IdentifierDepth = 0;
    int EntriesDepth = 0;
    int EntryDepth = 0;
    int TranslationDepth = 0; // 0 also while a translation of another language is skipped
    TTranslationTexts* Current = nullptr; // the translation being read
    int ReferenceDepth = 0;

    // The text of an element being read, with its children's text.
    int CaptureDepth = 0; // 0: none
    QString* Target = nullptr;
    bool* TargetCut = nullptr;
    TKvtmlSpan* TargetSpan = nullptr;
    bool Ignored = false;
    qsizetype Fed = 0; // characters of the text given to the reader
};

void TKvtmlParser::CheckXml()
{
    if (Xml.hasError())
        Fail(QStringLiteral("ongeldige XML (%1)").arg(Xml.errorString()));
}

bool TKvtmlParser::Wanted(const QString& Id) const
{
    if (!LanguagesKnown)
        return true;
    const std::vector<TKvtmlLanguage>& Languages = Source->Languages;
    if (Languages.empty())
        return Id == u"0";
    return Id == Languages[0].Id || (Languages.size() > 1 && Id == Languages[1].Id);
}

// Where the texts of a translation of the entry being read go. What counts
// of a language is its last text and its last comment, so a language given
// again takes the place it had: an entry holds each language once.
TTranslationTexts* TKvtmlParser::TranslationOf(const QString& Id)
{
    std::vector<TTranslationTexts>& Translations = Entries.back().Translations;
    // Once the languages are known, only the two of the table are kept: the
    // search is short.
    if (LanguagesKnown || Source->Old)
        for (TTranslationTexts& Translation : Translations)
            if (Translation.Id == Id)
                return &Translation;
    return &Translations.emplace_back(Id);
}

void TKvtmlParser::StartCapture(QString& Into, bool& Cut, TKvtmlSpan* Span)
{
    CaptureDepth = Depth;
    Target = &Into;
    TargetCut = &Cut;
    TargetSpan = Span;
    Into.clear();
    Cut = false;
    if (Span)
        *Span = {Xml.characterOffset(), Xml.characterOffset()};
}

// Adds text to the element being read: leading blanks are left out, as the
// table trims them, and nothing beyond MaxTextChars is kept.
void TKvtmlParser::Append(QStringView Chunk)
{
    if (Target->isEmpty()) {
        qsizetype Blank = 0;
        while (Blank < Chunk.size() && Chunk.at(Blank).unicode() <= 32)
            ++Blank;
        Chunk = Chunk.sliced(Blank);
    }
    const qsizetype Room = TKvtmlFile::MaxTextChars - Target->size();
    if (Chunk.size() > Room) {
        for (const QChar C : Chunk.sliced(Room))
            if (C.unicode() > 32) {
                *TargetCut = true;
                break;
            }
        Chunk = Chunk.first(Room);
    }
    Target->append(Chunk);
}

void TKvtmlParser::StartElement()
{
    if (++Depth > TKvtmlFile::MaxDepth)
        Fail(QStringLiteral("de elementen zijn dieper dan %1 niveaus genest").arg(TKvtmlFile::MaxDepth));
    if (CaptureDepth > 0)
        return; // part of the text being read
    const QStringView Name = Xml.name();
    const auto Attribute = [this](const char* Key) { return Xml.attributes().value(QLatin1StringView(Key)).toString(); };
    if (Depth == 1) {
        if (Name != u"kvtml")
            Fail(QStringLiteral("geen KVTML-woordenlijst"));
        RootSeen = true;
        Source->Old = Attribute("version").isEmpty();
        return;
    }
    TKvtmlSource& File = *Source;
    if (File.Old) {
        if (Depth == 2 && Name == u"e") {
            EntryDepth = Depth;
            Entries.push_back({QString(), {TagStart(), -1}, {}});
        } else if (EntryDepth > 0 && Depth == 3 && (Name == u"o" || Name == u"t")) {
            TTranslationTexts& Translation = *TranslationOf(Name == u"o" ? QStringLiteral("0") : QStringLiteral("1"));
            Translation.HasText = true;
            StartCapture(Translation.Text, Translation.TextCut, &Translation.TextSpan);
        }
        return;
    }
    if (Depth == 2 && Name == u"identifiers") {
        IdentifiersDepth = Depth;
    } else if (IdentifiersDepth > 0 && Depth == 3 && Name == u"identifier"
               && File.Languages.size() < TKvtmlFile::MaxLanguages) {
        IdentifierDepth = Depth;
        File.Languages.push_back({Attribute("id"), {}, {}});
    } else if (IdentifierDepth > 0 && Depth == 4 && (Name == u"name" || Name == u"locale")) {
        StartCapture(Name == u"name" ? File.Languages.back().Name : File.Languages.back().Locale, Ignored, nullptr);
    } else if (Depth == 2 && Name == u"entries") {
        EntriesDepth = Depth;
    } else if (EntriesDepth > 0 && Depth == 3 && Name == u"entry") {
        EntryDepth = Depth;
        Entries.push_back({Attribute("id"), {TagStart(), -1}, {}});
    } else if (EntryDepth > 0 && Depth == 4 && Name == u"translation") {
        if (const QString Id = Attribute("id"); Wanted(Id))
            Current = TranslationOf(Id);
        TranslationDepth = Current ? Depth : 0;
    } else if (TranslationDepth > 0 && Depth == 5 && (Name == u"text" || Name == u"comment")) {
        TTranslationTexts& Translation = *Current;
        if (Name == u"text") {
            Translation.HasText = true;
            StartCapture(Translation.Text, Translation.TextCut, &Translation.TextSpan);
        } else {
            Translation.HasComment = true;
            StartCapture(Translation.Comment, Translation.CommentCut, &Translation.CommentSpan);
        }
    } else if (EntriesDepth == 0 && ReferenceDepth == 0 && Name == u"entry" && Xml.attributes().hasAttribute(QStringLiteral("id"))) {
        ReferenceDepth = Depth;
        File.References.push_back({Attribute("id"), {TagStart(), -1}});
    }
}

void TKvtmlParser::EndElement()
{
    const qsizetype Offset = Xml.characterOffset();
    if (CaptureDepth > 0) {
        if (Depth == CaptureDepth) {
            // Empty (<text/>) or up to the "<" of the end tag.
            if (TargetSpan && Offset != TargetSpan->Start)
                TargetSpan->End = Source->Text.lastIndexOf(u'<', Offset - 1);
            Target->squeeze(); // a large file's many texts take no room to grow
            CaptureDepth = 0;
        }
    } else if (Depth == EntryDepth) {
        Entries.back().Element.End = Offset;
        EntryDepth = 0;
        ++EntriesRead;
        if (LanguagesSettled())
            TakeEntries(); // a large file's entries are not all held twice
    } else if (Depth == TranslationDepth) {
        TranslationDepth = 0;
        Current = nullptr;
    } else if (Depth == IdentifierDepth) {
        IdentifierDepth = 0;
    } else if (Depth == IdentifiersDepth) {
        IdentifiersDepth = 0;
        LanguagesKnown = true;
        KeepDistinct(Source->Languages);
    } else if (Depth == EntriesDepth) {
        EntriesDepth = 0;
    } else if (Depth == ReferenceDepth) {
        Source->References.back().second.End = Offset;
        ReferenceDepth = 0;
    }
    --Depth;
}

// Gives the XML reader the next piece of the text, false when all was
// given: the reader keeps only what it has not read yet, not a second and
// third copy of a large file.
bool TKvtmlParser::FeedMore()
{
    constexpr qsizetype Piece = qsizetype(1) << 20;
    const QString& Text = Source->Text;
    if (Fed >= Text.size())
        return false;
    qsizetype Size = std::min(Piece, Text.size() - Fed);
    if (Fed + Size < Text.size() && Text.at(Fed + Size - 1).isHighSurrogate())
        --Size; // a pair goes in one piece
    Xml.addData(Text.sliced(Fed, Size));
    Fed += Size;
    return true;
}

TImportedTable TKvtmlParser::Parse()
{
    FeedMore();
    for (;;) {
        const QXmlStreamReader::TokenType Token = Xml.readNext();
        if (Token == QXmlStreamReader::Invalid && Xml.error() == QXmlStreamReader::PrematureEndOfDocumentError
            && FeedMore())
            continue;
        if (Xml.atEnd())
            break;
        switch (Token) {
        case QXmlStreamReader::StartElement: StartElement(); break;
        case QXmlStreamReader::EndElement: EndElement(); break;
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference:
            if (CaptureDepth > 0)
                Append(Xml.text());
            break;
        case QXmlStreamReader::DTD:
            // An entity may stand for any amount of text, and entities may
            // refer to each other: a small file could make texts of gigabytes.
            if (!Xml.entityDeclarations().isEmpty())
                Fail(QStringLiteral("het bestand definieert eigen entiteiten (DTD); die worden niet gelezen"));
            break;
        default: break;
        }
    }
    CheckXml();
    if (!RootSeen)
        Fail(QStringLiteral("het bestand is leeg"));
    if (EntriesRead == 0)
        Fail(QStringLiteral("de woordenlijst bevat geen woorden"));
    return Collect();
}

// The first two languages are question and answer; the old format has two,
// a file that names none has one ("0").
void TKvtmlParser::SettleLanguages()
{
    TKvtmlSource& File = *Source;
    std::vector<TKvtmlLanguage>& Languages = File.Languages;
    if (File.Old)
        Languages = {{QStringLiteral("0"), {}, {}}, {QStringLiteral("1"), {}, {}}};
    KeepDistinct(Languages);
    if (Languages.empty())
        Languages.push_back({QStringLiteral("0"), {}, {}});
    File.OneLanguage = Languages.size() == 1;
}

void TKvtmlParser::TakeEntries()
{
    if (!Settled) {
        SettleLanguages();
        Settled = true;
    }
    for (const TParsedEntry& Entry : Entries)
        Take(Entry);
    Entries.clear();
}

// Keeps where the entry lies in the file and, when it has a question and
// an answer, gives it to the table.
void TKvtmlParser::Take(const TParsedEntry& Entry)
{
    TKvtmlSource& File = *Source;
    const QString& First = File.Languages[0].Id;
    const QString& Second = File.OneLanguage ? First : File.Languages[1].Id;
    const TTranslationTexts* Question = Entry.Find(First, File.OneLanguage);
    const TTranslationTexts* Answer = Entry.Find(Second, false);
    TKvtmlSource::TEntry& Kept = File.Entries.emplace_back();
    Kept.Id = Entry.Id;
    Kept.Element = Entry.Element;
    const QString QuestionText = !Question ? QString() : File.OneLanguage ? Question->Comment : Question->Text;
    const QString AnswerText = Answer ? Answer->Text : QString();
    if (TableTrimmed(QuestionText).isEmpty() || TableTrimmed(AnswerText).isEmpty()) {
        ++LeftOut;
        return;
    }
    Kept.Question = File.OneLanguage ? Question->CommentSpan : Question->TextSpan;
    Kept.Answer = Answer->TextSpan;
    Kept.Imported = static_cast<int>(Table.Entries.size());
    Table.Entries.push_back(
        {QuestionText, AnswerText, File.OneLanguage ? Question->CommentCut : Question->TextCut, Answer->TextCut});
}

TImportedTable TKvtmlParser::Collect()
{
    SettleLanguages(); // again: identifiers may follow the entries
    Settled = true;
    TakeEntries();
    TKvtmlSource& File = *Source;
    const std::vector<TKvtmlLanguage>& Languages = File.Languages;
    Table.LeftOut = LeftOut;
    if (!File.Old)
        Table.Languages = File.OneLanguage ? QStringList{QString(), Languages[0].Locale}
                                           : QStringList{Languages[0].Locale, Languages[1].Locale};
    if (Mislabelled)
        Table.Notices << QStringLiteral("Het bestand is geen geldige UTF-8-tekst, zoals het zegt; "
                                        "het is gelezen als Latin-1 (West-Europees).");
    if (Languages.size() > 2) {
        const qsizetype Others = static_cast<qsizetype>(Languages.size()) - 2;
        Table.Notices << QStringLiteral("De woordenlijst heeft %1 talen; alleen de eerste twee zijn gelezen, %2 %3 weggelaten.")
                             .arg(Languages.size())
                             .arg(CountedWords(Others, "andere taal", "andere talen"))
                             .arg(Others == 1 ? QStringLiteral("is") : QStringLiteral("zijn"));
    }
    const QString Of = QStringLiteral("%1 van de %2 woorden").arg(LeftOut).arg(EntriesRead);
    if (LeftOut > 0 && File.OneLanguage)
        Table.Notices << Of
                             + (LeftOut == 1 ? QStringLiteral(" heeft geen omschrijving (commentaar) die als vraag kan "
                                                              "dienen en is weggelaten.")
                                             : QStringLiteral(" hebben geen omschrijving (commentaar) die als vraag "
                                                              "kan dienen en zijn weggelaten."));
    else if (LeftOut > 0)
        Table.Notices << Of
                             + (LeftOut == 1 ? QStringLiteral(" heeft geen vertaling in beide talen en is weggelaten.")
                                             : QStringLiteral(" hebben geen vertaling in beide talen en zijn weggelaten."));
    Table.Kvtml = Source;
    return Table;
}

// -------------------------------------------------------------------- writer

struct TEdit {
    qsizetype Start;
    qsizetype End;
    QString Text;
    // Entries added by this edit: the table's index, and where the element
    // begins in Text.
    std::vector<std::pair<std::size_t, qsizetype>> Added;
};

// The blanks before Position, back to and including a line end.
qsizetype BlanksBefore(const QString& Text, qsizetype Position)
{
    qsizetype Start = Position;
    while (Start > 0 && (Text.at(Start - 1) == u' ' || Text.at(Start - 1) == u'\t'))
        --Start;
    if (Start > 0 && Text.at(Start - 1) == u'\n')
        --Start;
    if (Start > 0 && Text.at(Start - 1) == u'\r')
        --Start;
    return Start;
}

class TKvtmlRewriter {
public:
    TKvtmlRewriter(const TKvtmlSource& Source, const TImportedEntries& Current)
        : Source(Source), Current(Current)
    {
    }
    TKvtmlSave Rewrite(const QString& FileName);

private:
    void Match();
    void Gap(std::size_t TableEnd, std::size_t BackedEnd);
    void Change(int Entry, std::size_t Row);
    void Delete(int Entry);
    void Add(std::size_t From, std::size_t To, int After);
    [[nodiscard]] QString NewEntry(std::size_t Row, int Id) const;

    const TKvtmlSource& Source;
    const TImportedEntries& Current;
    std::vector<int> Backed;          // the file's entries in the table, in file order
    std::vector<int> MatchOf;         // per table row: its position in Backed, -1 for none
    std::vector<TEdit> Edits;
    std::vector<std::pair<qsizetype, std::size_t>> Kept; // element start, table row
    std::size_t Row = 0;
    std::size_t Next = 0; // in Backed
    int NextId = 0;
    QHash<QString, std::vector<int>> ReferencesOf;
};

// Pairs each row of the table with an unchanged entry of the file, in
// order: a row takes the first entry with its texts after the last one
// taken.
void TKvtmlRewriter::Match()
{
    for (int i = 0; i < static_cast<int>(Source.Entries.size()); ++i)
        if (Source.Entries[i].InTable)
            Backed.push_back(i);
    auto Key = [](const TImportedEntry& Entry) { return Entry.Question + QChar(0) + Entry.Answer; };
    QHash<QString, std::pair<std::size_t, std::vector<int>>> ByKey; // cursor, positions in Backed
    for (int Position = 0; Position < static_cast<int>(Backed.size()); ++Position)
        ByKey[Key(Source.Entries[Backed[Position]].Shown)].second.push_back(Position);
    MatchOf.assign(Current.size(), -1);
    int Last = -1;
    for (std::size_t Row = 0; Row < Current.size(); ++Row) {
        const auto It = ByKey.find(Key(Current[Row]));
        if (It == ByKey.end())
            continue;
        auto& [Cursor, Positions] = *It;
        while (Cursor < Positions.size() && Positions[Cursor] <= Last)
            ++Cursor;
        if (Cursor < Positions.size()) {
            MatchOf[Row] = Positions[Cursor++];
            Last = MatchOf[Row];
        }
    }
}

void TKvtmlRewriter::Change(int Entry, std::size_t TableRow)
{
    const TKvtmlSource::TEntry& Old = Source.Entries[Entry];
    const TImportedEntry& New = Current[TableRow];
    if (New.Question != Old.Shown.Question && Old.Question.IsValid())
        Edits.push_back({Old.Question.Start, Old.Question.End, Escaped(New.Question, CharsetOf(Source)), {}});
    if (New.Answer != Old.Shown.Answer && Old.Answer.IsValid())
        Edits.push_back({Old.Answer.Start, Old.Answer.End, Escaped(New.Answer, CharsetOf(Source)), {}});
    Kept.emplace_back(Old.Element.Start, TableRow);
}

void TKvtmlRewriter::Delete(int Entry)
{
    const TKvtmlSource::TEntry& Old = Source.Entries[Entry];
    Edits.push_back({BlanksBefore(Source.Text, Old.Element.Start), Old.Element.End, QString(), {}});
    if (Old.Id.isEmpty())
        return;
    for (const int Reference : ReferencesOf.value(Old.Id)) {
        const TKvtmlSpan& Span = Source.References[Reference].second;
        if (Span.End > Span.Start)
            Edits.push_back({BlanksBefore(Source.Text, Span.Start), Span.End, QString(), {}});
    }
}

QString TKvtmlRewriter::NewEntry(std::size_t TableRow, int Id) const
{
    const TImportedEntry& Entry = Current[TableRow];
    const TCharset Encoding = CharsetOf(Source);
    if (Source.Old)
        return QStringLiteral("<e><o>%1</o><t>%2</t></e>").arg(Escaped(Entry.Question, Encoding), Escaped(Entry.Answer, Encoding));
    const QString First = Escaped(Source.Languages[0].Id, Encoding, true);
    if (Source.OneLanguage)
        return QStringLiteral("<entry id=\"%1\"><translation id=\"%2\"><text>%3</text><comment>%4</comment></translation></entry>")
            .arg(QString::number(Id), First, Escaped(Entry.Answer, Encoding), Escaped(Entry.Question, Encoding));
    return QStringLiteral("<entry id=\"%1\"><translation id=\"%2\"><text>%3</text></translation>"
                          "<translation id=\"%4\"><text>%5</text></translation></entry>")
        .arg(QString::number(Id), First, Escaped(Entry.Question, Encoding),
             Escaped(Source.Languages[1].Id, Encoding, true), Escaped(Entry.Answer, Encoding));
}

// Adds the table rows [From, To) after the file's entry After, or before
// the file's first entry when After is -1.
void TKvtmlRewriter::Add(std::size_t From, std::size_t To, int After)
{
    const qsizetype LastStart = Source.Entries.back().Element.Start;
    QString Separator = Source.Text.sliced(BlanksBefore(Source.Text, LastStart), LastStart - BlanksBefore(Source.Text, LastStart));
    if (Separator.isEmpty())
        Separator = QStringLiteral("\n");
    TEdit Edit;
    Edit.Start = Edit.End = After >= 0 ? Source.Entries[After].Element.End : Source.Entries.front().Element.Start;
    for (std::size_t TableRow = From; TableRow < To; ++TableRow) {
        if (After >= 0)
            Edit.Text += Separator;
        Edit.Added.emplace_back(TableRow, Edit.Text.size());
        Edit.Text += NewEntry(TableRow, NextId++);
        if (After < 0)
            Edit.Text += Separator;
    }
    Edits.push_back(std::move(Edit));
}

// The rows [Row, TableEnd) of the table took the place of the file's
// entries Backed[Next, BackedEnd): pairs are changes, the rest additions or
// deletions.
void TKvtmlRewriter::Gap(std::size_t TableEnd, std::size_t BackedEnd)
{
    const std::size_t Pairs = std::min(TableEnd - Row, BackedEnd - Next);
    for (std::size_t k = 0; k < Pairs; ++k)
        Change(Backed[Next + k], Row + k);
    for (std::size_t k = Next + Pairs; k < BackedEnd; ++k)
        Delete(Backed[k]);
    if (Row + Pairs < TableEnd) {
        const std::size_t Before = Next + Pairs; // entries of the file before the new rows
        Add(Row + Pairs, TableEnd, Before > 0 ? Backed[Before - 1] : -1);
    }
    Row = TableEnd;
    Next = BackedEnd;
}

TKvtmlSave TKvtmlRewriter::Rewrite(const QString& FileName)
{
    for (int i = 0; i < static_cast<int>(Source.References.size()); ++i)
        ReferencesOf[Source.References[i].first].push_back(i);
    for (const TKvtmlSource::TEntry& Entry : Source.Entries) {
        bool Numeric = false;
        const int Id = Entry.Id.toInt(&Numeric);
        if (Numeric && Id >= NextId)
            NextId = Id + 1;
    }
    Match();
    for (std::size_t TableRow = 0; TableRow < Current.size(); ++TableRow) {
        if (MatchOf[TableRow] < 0)
            continue;
        Gap(TableRow, static_cast<std::size_t>(MatchOf[TableRow]));
        Kept.emplace_back(Source.Entries[Backed[Next]].Element.Start, TableRow);
        Row = TableRow + 1;
        Next = static_cast<std::size_t>(MatchOf[TableRow]) + 1;
    }
    Gap(Current.size(), Backed.size());

    TKvtmlSave Save;
    bool Changes = false;
    for (const TEdit& Edit : Edits)
        Changes = Changes || Edit.Start != Edit.End || !Edit.Text.isEmpty();
    if (!Changes) {
        Save.Bytes = Source.Original.isEmpty() ? Source.Bom + Encoded(Source.Text, CharsetOf(Source)) : Source.Original;
        Save.Source = std::make_shared<TKvtmlSource>(Source);
        return Save;
    }
    std::stable_sort(Edits.begin(), Edits.end(),
                     [](const TEdit& A, const TEdit& B) { return A.Start != B.Start ? A.Start < B.Start : A.End < B.End; });
    std::sort(Kept.begin(), Kept.end());
    // The new text, and where the table's entries begin in it.
    QString Text;
    Text.reserve(Source.Text.size() + 256);
    QHash<qsizetype, std::size_t> RowAt;
    qsizetype Copied = 0;
    auto KeptIt = Kept.begin();
    auto CopyUpTo = [&](qsizetype End) {
        for (; KeptIt != Kept.end() && KeptIt->first < End; ++KeptIt)
            RowAt.insert(Text.size() + KeptIt->first - Copied, KeptIt->second);
        Text += QStringView(Source.Text).sliced(Copied, End - Copied);
        Copied = End;
    };
    for (const TEdit& Edit : Edits) {
        CopyUpTo(std::max(Edit.Start, Copied));
        for (const auto& [TableRow, At] : Edit.Added)
            RowAt.insert(Text.size() + At, TableRow);
        Text += Edit.Text;
        Copied = std::max(Copied, Edit.End);
    }
    CopyUpTo(Source.Text.size());
    Save.Bytes = Source.Bom + Encoded(Text, CharsetOf(Source));
    TImportedTable Again = TKvtmlFile::Parse(Save.Bytes, FileName);
    Save.Source = Again.Kvtml;
    for (TKvtmlSource::TEntry& Entry : Save.Source->Entries)
        if (const auto It = RowAt.constFind(Entry.Element.Start); It != RowAt.cend() && Entry.Imported >= 0) {
            Entry.InTable = true;
            Entry.Shown = Current[*It];
        }
    return Save;
}

} // namespace

TImportedTable TKvtmlFile::Read(const QString& FileName)
{
    return Parse(ReadWholeFile(FileName), FileName);
}

TImportedTable TKvtmlFile::Parse(QByteArray Bytes, const QString& FileName)
{
    TKvtmlParser Parser(std::move(Bytes), FileName);
    return Parser.Parse();
}

std::vector<TKvtmlLanguage> TKvtmlFile::TableLanguages(const TKvtmlSource& Source)
{
    if (Source.Languages.empty())
        return {};
    if (Source.OneLanguage) {
        const TKvtmlLanguage& Word = Source.Languages[0];
        return {{QStringLiteral("0"), QStringLiteral("Omschrijving"), Word.Locale}, Word};
    }
    return {Source.Languages[0], Source.Languages[1]};
}

QByteArray TKvtmlFile::Written(const TImportedEntries& Entries, const QString& Title,
                               const std::vector<TKvtmlLanguage>& Languages)
{
    const TCharset Utf8;
    QString Xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
                                 "<kvtml version=\"2.0\">\n <information>\n  <generator>Memorant</generator>\n"
                                 "  <title>%1</title>\n </information>\n <identifiers>\n")
                      .arg(Escaped(Title, Utf8));
    const QString DefaultNames[] = {QStringLiteral("Vraag"), QStringLiteral("Antwoord")};
    for (std::size_t Id = 0; Id < 2; ++Id) {
        const bool Given = Languages.size() == 2;
        Xml += QStringLiteral("  <identifier id=\"%1\">\n   <name>%2</name>\n").arg(Id).arg(Escaped(Given ? Languages[Id].Name : DefaultNames[Id], Utf8));
        if (Given && !Languages[Id].Locale.isEmpty())
            Xml += QStringLiteral("   <locale>%1</locale>\n").arg(Escaped(Languages[Id].Locale, Utf8));
        Xml += QStringLiteral("  </identifier>\n");
    }
    Xml += QStringLiteral(" </identifiers>\n <entries>\n");
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        Xml += QStringLiteral("  <entry id=\"%1\">\n").arg(i);
        const QString* Texts[] = {&Entries[i].Question, &Entries[i].Answer};
        for (int Id = 0; Id < 2; ++Id)
            Xml += QStringLiteral("   <translation id=\"%1\">\n    <text>%2</text>\n   </translation>\n")
                       .arg(Id)
                       .arg(Escaped(*Texts[Id], Utf8));
        Xml += QStringLiteral("  </entry>\n");
    }
    Xml += QStringLiteral(" </entries>\n</kvtml>\n");
    return Xml.toUtf8();
}

TKvtmlSave TKvtmlFile::Rewritten(const TKvtmlSource& Source, const TImportedEntries& Current,
                                 const QString& FileName)
{
    return TKvtmlRewriter(Source, Current).Rewrite(FileName);
}
