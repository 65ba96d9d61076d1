// SPDX-License-Identifier: GPL-3.0-or-later
// Files made to break the readers of other trainers' formats: deep nesting,
// entities that expand, huge texts, UTF-16 where UTF-8 is expected, files
// that say one encoding and hold another, and round trips that used to
// change a text on the way. Each either reads exactly or gives a Dutch
// reading error, and what the program writes reads back identically.
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "formats/csvfile.h"
#include "formats/kvtmlfile.h"
#include "formats/tableexport.h"
#include "formats/tablefiles.h"
#include "formats/wintext.h"
#include "formats/importedtexts.h"

namespace {

// A KVTML 2 file of two languages, as text.
QString Kvtml(const QString& Entries, const QString& Declaration = QStringLiteral("<?xml version=\"1.0\"?>\n"))
{
    return Declaration
           + QStringLiteral("<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/><identifier id=\"1\"/>"
                            "<identifier id=\"2\"/></identifiers><entries>")
           + Entries + QStringLiteral("</entries></kvtml>\n");
}

QString Entry(int Id, const QString& Question, const QString& Answer, const QString& Third = QStringLiteral("x"))
{
    return QStringLiteral("<entry id=\"%1\"><translation id=\"0\"><text>%2</text></translation>"
                          "<translation id=\"1\"><text>%3</text></translation>"
                          "<translation id=\"2\"><text>%4</text></translation></entry>")
        .arg(Id)
        .arg(Question, Answer, Third);
}

// The entries of a parsed file as the table showed them, for a save over it.
void ShowAll(const TImportedTable& Table)
{
    for (TKvtmlSource::TEntry& Entry : Table.Kvtml->Entries)
        if (Entry.Imported >= 0) {
            Entry.InTable = true;
            Entry.Shown = Table.Entries[static_cast<std::size_t>(Entry.Imported)];
        }
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT

private slots:
    void deepNestingIsAReadingError_data();
    void deepNestingIsAReadingError();
    void entitiesOfTheFilesOwnAreRefused();
    void textsAreNeverBuiltLongerThanTheTableCanUse();
    void manyTranslationsOfOneEntry();
    void carriageReturnsSurviveARoundTrip();
    void fuzzFindingsStayMended();
    void largeWordListsReadWhole();
    void everyEncodingReadsBackAfterASave_data();
    void everyEncodingReadsBackAfterASave();
    void unsupportedEncodingsAreRefused();
    void csvTakesOneByteOrderMarkOnly();
    void utf16TextTablesAreRefusedInWords_data();
    void utf16TextTablesAreRefusedInWords();
    void unreadableFilesSayWhy_data();
    void unreadableFilesSayWhy();
    void failedWritesSayWhyAndKeepTheOldFile();

private:
    QString Write(const QString& Name, const QByteArray& Bytes)
    {
        QFile File(Folder.filePath(Name));
        if (!File.open(QIODevice::WriteOnly) || File.write(Bytes) != Bytes.size())
            qFatal("cannot write %s", qPrintable(File.fileName()));
        return File.fileName();
    }

    QTemporaryDir Folder;
};

void TestHostileFiles::deepNestingIsAReadingError_data()
{
    QTest::addColumn<QByteArray>("Bytes");
    const int Deep = 100000;
    const QByteArray Open = QByteArray("<b>").repeated(Deep);
    const QByteArray Close = QByteArray("</b>").repeated(Deep);
    QTest::newRow("inside a text") << Kvtml(Entry(0, QString::fromLatin1(Open + "x" + Close), "y")).toUtf8();
    QTest::newRow("inside the old format's question")
        << QByteArray("<kvtml><e><o>" + Open + "x" + Close + "</o><t>y</t></e></kvtml>");
    QTest::newRow("anywhere") << QByteArray("<kvtml version=\"2.0\">" + Open + Close + "</kvtml>");
}

void TestHostileFiles::deepNestingIsAReadingError()
{
    QFETCH(QByteArray, Bytes);
    const QString Message = ReadError([&] { (void)TKvtmlFile::Parse(Bytes, QStringLiteral("diep.kvtml")); });
    QVERIFY2(Message.startsWith(u"Fout tijdens lezen diep.kvtml: regel "), qPrintable(Message));
    QVERIFY2(Message.endsWith(u": de elementen zijn dieper dan 64 niveaus genest"), qPrintable(Message));
    // Up to the limit a text may hold markup.
    const QString Fine = Kvtml(Entry(0, QStringLiteral("<i><b>ja</b></i>"), QStringLiteral("yes")));
    QCOMPARE(Texts(TKvtmlFile::Parse(Fine.toUtf8(), QStringLiteral("x")).Entries), QStringList({"ja=yes"}));
}

void TestHostileFiles::entitiesOfTheFilesOwnAreRefused()
{
    // 20,000 references to an entity of 4,000 characters: a 64 KB file that
    // would make one text of 80 million characters.
    const QByteArray Bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml [<!ENTITY a \"" + QByteArray(4000, 'a')
                            + "\">]>\n"
                            + Kvtml(Entry(0, QString::fromLatin1(QByteArray("&a;").repeated(20000)), "y"), QString())
                                  .toUtf8();
    const QString Message = ReadError([&] { (void)TKvtmlFile::Parse(Bomb, QStringLiteral("bom.kvtml")); });
    QVERIFY2(Message.contains(u"bom.kvtml: regel 2: het bestand definieert eigen entiteiten"), qPrintable(Message));
    // The usual declaration of the format's public DTD is no entity.
    const QByteArray Public = "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
                              + Kvtml(Entry(0, "a", "b"), QString()).toUtf8();
    QCOMPARE(Texts(TKvtmlFile::Parse(Public, QStringLiteral("x")).Entries), QStringList({"a=b"}));
}

void TestHostileFiles::textsAreNeverBuiltLongerThanTheTableCanUse()
{
    const QString Long = QString(2'000'000, u'x');
    const QByteArray Bytes = Kvtml(Entry(0, QStringLiteral("    ") + Long, QStringLiteral("kort"), Long)).toUtf8();
    const TImportedTable Table = TKvtmlFile::Parse(Bytes, QStringLiteral("lang.kvtml"));
    QCOMPARE(Table.Entries.size(), std::size_t(1));
    QCOMPARE(Table.Entries[0].Question, QString(TKvtmlFile::MaxTextChars, u'x'));
    QVERIFY(Table.Entries[0].QuestionCut);
    QVERIFY(!Table.Entries[0].AnswerCut);
    QCOMPARE(Table.Entries[0].Answer, QStringLiteral("kort"));

    // Into the table it goes cut, and the notice says so.
    const QString File = Write(QStringLiteral("lang.kvtml"), Bytes);
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, File);
    QCOMPARE(List.StoredQuestion(0), std::string(MaxTextLength, 'x'));
    QCOMPARE(Result.Report.CutTexts, 1);
    QVERIFY(TTableImport::Message(File, Result.Report).contains(u"ingekort"));
    // Blanks after the text are no loss.
    const QByteArray Blanks = Kvtml(Entry(0, QStringLiteral("a") + QString(5000, u' '), QStringLiteral("b"))).toUtf8();
    QVERIFY(!TKvtmlFile::Parse(Blanks, QStringLiteral("x")).Entries[0].QuestionCut);
}

void TestHostileFiles::manyTranslationsOfOneEntry()
{
    // The two languages of the table are found among thousands of others,
    // whether the identifiers come first or last.
    QString Others;
    for (int Id = 3; Id < 20000; ++Id)
        Others += QStringLiteral("<translation id=\"%1\"><text>t%1</text></translation>").arg(Id);
    const QString Entries = QStringLiteral("<entries><entry id=\"0\">") + Others
                            + QStringLiteral("<translation id=\"1\"><text>hond</text></translation>"
                                             "<translation id=\"0\"><text>dog</text></translation></entry></entries>");
    const QString Identifiers = QStringLiteral("<identifiers><identifier id=\"0\"/><identifier id=\"1\"/></identifiers>");
    for (const QString& Body : {Identifiers + Entries, Entries + Identifiers}) {
        const QByteArray Bytes = (QStringLiteral("<kvtml version=\"2.0\">") + Body + QStringLiteral("</kvtml>")).toUtf8();
        QCOMPARE(Texts(TKvtmlFile::Parse(Bytes, QStringLiteral("x")).Entries), QStringList({"dog=hond"}));
    }
}

void TestHostileFiles::carriageReturnsSurviveARoundTrip()
{
    const QByteArray Bytes = Kvtml(Entry(0, QStringLiteral("een&#13;twee"), QStringLiteral("drie&#13;&#10;vier"))).toUtf8();
    const TImportedTable Table = TKvtmlFile::Parse(Bytes, QStringLiteral("x"));
    QCOMPARE(Texts(Table.Entries), QStringList({"een\rtwee=drie\r\nvier"}));
    const QByteArray Written = TKvtmlFile::Written(Table.Entries, QStringLiteral("t"));
    QVERIFY(Written.contains("een&#13;twee"));
    QCOMPARE(Texts(TKvtmlFile::Parse(Written, QStringLiteral("x")).Entries), Texts(Table.Entries));
    // CSV keeps them inside quotes.
    QCOMPARE(Texts(TCsvFile::Parse(TCsvFile::Written(Table.Entries), QStringLiteral("x")).Entries), Texts(Table.Entries));
}

void TestHostileFiles::fuzzFindingsStayMended()
{
    // A U+FEFF inside a text was dropped by the writer.
    const QString Zwnbsp(QChar(0xFEFF));
    const QByteArray Old = "<?xml version=\"1.0\"?>\n<kvtml><e><o>h\xEF\xBB\xBFuis</o><t>&#65279;house</t></e></kvtml>\n";
    const TImportedTable Table = TKvtmlFile::Parse(Old, QStringLiteral("x"));
    QCOMPARE(Texts(Table.Entries), QStringList({u'h' + Zwnbsp + QStringLiteral("uis=") + Zwnbsp + QStringLiteral("house")}));
    QCOMPARE(Texts(TKvtmlFile::Parse(TKvtmlFile::Written(Table.Entries, QStringLiteral("t")), QStringLiteral("x")).Entries),
             Texts(Table.Entries));

    // Identifiers naming one language twice made question and answer the
    // same text, and a save over the file changed both.
    const QByteArray Twice = "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/><identifier id=\"0\"/>"
                             "<identifier id=\"2\"/></identifiers><entries><entry id=\"0\"><translation id=\"0\">"
                             "<text>hond</text></translation><translation id=\"2\"><text>chien</text></translation>"
                             "</entry></entries></kvtml>";
    const TImportedTable Languages = TKvtmlFile::Parse(Twice, QStringLiteral("x"));
    QCOMPARE(Texts(Languages.Entries), QStringList({"hond=chien"}));
    ShowAll(Languages);
    const TImportedEntries Changed{{QStringLiteral("hondje"), QStringLiteral("chien")}};
    const TKvtmlSave Saved = TKvtmlFile::Rewritten(*Languages.Kvtml, Changed, QStringLiteral("x"));
    QCOMPARE(Texts(TKvtmlFile::Parse(Saved.Bytes, QStringLiteral("x")).Entries), QStringList({"hondje=chien"}));
}

void TestHostileFiles::largeWordListsReadWhole()
{
    // Several megabytes: texts with characters beyond the basic plane and
    // references lie across every piece the reader is given.
    QString Entries;
    TImportedEntries Expected;
    for (int i = 0; i < 40000; ++i) {
        const QString Question = QStringLiteral("\U0001F600 vraag & %1 \U0001F431").arg(i);
        const QString Answer = QStringLiteral("antwoord %1 <\u00E9>").arg(i);
        Entries += Entry(i, QStringLiteral("\U0001F600 vraag &amp; %1 \U0001F431").arg(i),
                         QStringLiteral("antwoord %1 &lt;\u00E9&gt;").arg(i));
        Expected.push_back({Question, Answer});
    }
    const QByteArray Bytes = Kvtml(Entries).toUtf8();
    QVERIFY(Bytes.size() > 4'000'000);
    const TImportedTable Table = TKvtmlFile::Parse(Bytes, QStringLiteral("groot.kvtml"));
    QCOMPARE(Texts(Table.Entries), Texts(Expected));
    ShowAll(Table);
    QCOMPARE(TKvtmlFile::Rewritten(*Table.Kvtml, Table.Entries, QStringLiteral("x")).Bytes, Bytes);
    TImportedEntries Changed = Table.Entries;
    Changed[20000].Answer = QStringLiteral("\U0001F436");
    Changed.erase(Changed.begin() + 30000);
    const TKvtmlSave Saved = TKvtmlFile::Rewritten(*Table.Kvtml, Changed, QStringLiteral("x"));
    QCOMPARE(Texts(TKvtmlFile::Parse(Saved.Bytes, QStringLiteral("x")).Entries), Texts(Changed));
}

void TestHostileFiles::everyEncodingReadsBackAfterASave_data()
{
    QTest::addColumn<QByteArray>("Bytes");
    const QString Body = Kvtml(Entry(0, QStringLiteral("café"), QStringLiteral("koffie"), QStringLiteral("§"))
                                   + Entry(1, "thee", "tea", QStringLiteral("§")),
                               QString());
    auto Utf16 = [](const QString& Text, QStringEncoder::Encoding Encoding) {
        return QByteArray(QStringEncoder(Encoding).encode(Text));
    };
    const QString Utf8Decl = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    const QString Utf16Decl = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n");
    const QString UnknownDecl = QStringLiteral("<?xml version=\"1.0\" encoding=\"x-onbekend\"?>\n");
    QTest::newRow("UTF-8, no declaration") << Body.toUtf8();
    QTest::newRow("UTF-8, declared") << (Utf8Decl + Body).toUtf8();
    QTest::newRow("UTF-8 with byte order mark") << "\xEF\xBB\xBF" + (Utf8Decl + Body).toUtf8();
    QTest::newRow("UTF-16LE with byte order mark") << "\xFF\xFE" + Utf16(Utf16Decl + Body, QStringEncoder::Utf16LE);
    QTest::newRow("UTF-16BE with byte order mark") << "\xFE\xFF" + Utf16(Utf16Decl + Body, QStringEncoder::Utf16BE);
    QTest::newRow("UTF-16LE without byte order mark") << Utf16(Utf16Decl + Body, QStringEncoder::Utf16LE);
    QTest::newRow("UTF-16 that says UTF-8") << "\xFF\xFE" + Utf16(Utf8Decl + Body, QStringEncoder::Utf16LE);
    QTest::newRow("UTF-16 that names an unknown encoding") << "\xFF\xFE" + Utf16(UnknownDecl + Body, QStringEncoder::Utf16LE);
    QTest::newRow("Latin-1, declared")
        << (QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n") + Body).toLatin1();
    QTest::newRow("Latin-1 that says UTF-8") << (Utf8Decl + Body).toLatin1();
    // The Windows code pages of the table: a character the code page lacks
    // stands in the file as a reference; a byte the code page leaves
    // undefined (0x81 in Windows-1252) comes back as it was.
    const auto Windows = [](const QString& Text, int CodePage) {
        const std::string Bytes = QtToWin(Text, CodePage).value();
        return QByteArray(Bytes.data(), qsizetype(Bytes.size()));
    };
    QString Undefined = QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n") + Body;
    Undefined.replace(QStringLiteral("§"), QString(QChar(0x81)));
    QTest::newRow("Windows-1252, an undefined byte in another language") << Windows(Undefined, 1252);
    QTest::newRow("Windows-1251 as cp1251, a reference")
        << Windows(QStringLiteral("<?xml version=\"1.0\" encoding=\"cp1251\"?>\n") + QString(Body).replace(QStringLiteral("é"), QStringLiteral("&#233;")), 1251);
    // A lone surrogate in UTF-16 is read as U+FFFD and written as such.
    QByteArray Lone = "\xFF\xFE" + Utf16(Utf16Decl + Body, QStringEncoder::Utf16LE);
    Lone.replace(QByteArrayView("\xA7\0", 2), QByteArrayView("\x00\xD8", 2));
    QTest::newRow("UTF-16 with a lone surrogate") << Lone;
    // Found by fuzzing: an odd last byte is no character, and a save without
    // changes still gives the file back as it was.
    QTest::newRow("UTF-16 with an odd last byte") << "\xFF\xFE" + Utf16(Utf16Decl + Body, QStringEncoder::Utf16LE) + "\n";
}

void TestHostileFiles::everyEncodingReadsBackAfterASave()
{
    QFETCH(QByteArray, Bytes);
    const QString Name = QStringLiteral("codering.kvtml");
    const TImportedTable Table = TKvtmlFile::Parse(Bytes, Name);
    QCOMPARE(Texts(Table.Entries), QStringList({"café=koffie", "thee=tea"}));
    ShowAll(Table);

    // Unchanged: the same bytes.
    QCOMPARE(TKvtmlFile::Rewritten(*Table.Kvtml, Table.Entries, Name).Bytes, Bytes);

    // Changed and added texts with characters of any script, markup and a
    // carriage return read back exactly, in the file's own encoding.
    TImportedEntries Changed = Table.Entries;
    Changed[0].Answer = QStringLiteral("кофе <&> ☕\r");
    Changed.push_back({QStringLiteral("σκύλος"), QStringLiteral("hond")});
    const TKvtmlSave Saved = TKvtmlFile::Rewritten(*Table.Kvtml, Changed, Name);
    const TImportedTable Again = TKvtmlFile::Parse(Saved.Bytes, Name);
    QCOMPARE(Texts(Again.Entries), Texts(Changed));
    QCOMPARE(Again.Kvtml->Encoding, Table.Kvtml->Encoding);
    QCOMPARE(Saved.Bytes.left(2), Bytes.left(2));
    // The third language is there still: three texts for each old entry,
    // two for the new one.
    const QString Tag = QStringLiteral("<text>");
    const QByteArray EncodedTag = Again.Kvtml->Encoding == TKvtmlEncoding::Utf16LE ? QStringEncoder(QStringEncoder::Utf16LE).encode(Tag)
                                  : Again.Kvtml->Encoding == TKvtmlEncoding::Utf16BE ? QStringEncoder(QStringEncoder::Utf16BE).encode(Tag)
                                                                                     : Tag.toLatin1();
    QCOMPARE(Saved.Bytes.count(EncodedTag), qsizetype(8));

    // The new file written from the table is UTF-8 and says so.
    const QByteArray New = TKvtmlFile::Written(Changed, QStringLiteral("titel"));
    QVERIFY(New.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QCOMPARE(Texts(TKvtmlFile::Parse(New, Name).Entries), Texts(Changed));
}

void TestHostileFiles::unsupportedEncodingsAreRefused()
{
    const QByteArray Bytes = "<?xml version=\"1.0\" encoding=\"KOI8-R\"?>\n"
                             + Kvtml(Entry(0, "\xD3\xCF\xC2\xC1\xCB\xC1", "hond"), QString()).toLatin1();
    const QString Message = ReadError([&] { (void)TKvtmlFile::Parse(Bytes, QStringLiteral("cp.kvtml")); });
    QVERIFY2(Message.contains(u"cp.kvtml: regel 1: de tekenset \"koi8-r\" wordt niet ondersteund; sla het bestand op als UTF-8"),
             qPrintable(Message));
    // The Windows code pages of the table are read.
    const std::string Cyrillic = QtToWin(QStringLiteral("<?xml version=\"1.0\" encoding=\"Windows-1251\"?>\n")
                                             + Kvtml(Entry(0, QStringLiteral("собака"), "hond"), QString()),
                                         1251)
                                     .value();
    QVERIFY(Cyrillic.find("\xF1\xEE\xE1\xE0\xEA\xE0") != std::string::npos);
    QCOMPARE(Texts(TKvtmlFile::Parse(QByteArray::fromStdString(Cyrillic), QStringLiteral("cp.kvtml")).Entries),
             QStringList({"собака=hond"}));
}

void TestHostileFiles::csvTakesOneByteOrderMarkOnly()
{
    const TImportedEntries Entries{{QStringLiteral("\uFEFFvraag"), QStringLiteral("antwoord")}};
    const QByteArray Bytes = TCsvFile::Written(Entries);
    QVERIFY(Bytes.startsWith("\xEF\xBB\xBF" "Vraag,Antwoord\r\n\xEF\xBB\xBF"));
    QCOMPARE(Texts(TCsvFile::Parse(Bytes, QStringLiteral("x")).Entries), Texts(Entries));
    // A file that begins with its text right after the mark.
    QCOMPARE(Texts(TCsvFile::Parse("\xEF\xBB\xBF\xEF\xBB\xBFhuis,house\n", QStringLiteral("x")).Entries),
             QStringList({QChar(0xFEFF) + QStringLiteral("huis=house")}));
}

void TestHostileFiles::utf16TextTablesAreRefusedInWords_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QByteArray>("Bytes");
    const auto Le = [](const QString& Text) { return QByteArray(QStringEncoder(QStringEncoder::Utf16LE).encode(Text)); };
    const auto Be = [](const QString& Text) { return QByteArray(QStringEncoder(QStringEncoder::Utf16BE).encode(Text)); };
    QTest::newRow("text table") << "tabel.txt" << "\xFF\xFE" + Le(QStringLiteral("huis = house\r\nkat = cat\r\n"));
    QTest::newRow("text table, big end first") << "tabel.asc" << "\xFE\xFF" + Be(QStringLiteral("huis = house\r\n"));
    QTest::newRow("text table without mark") << "tabel.txt" << Le(QStringLiteral("huis = house\r\n"));
    QTest::newRow("notes export") << "notities.txt" << "\xFF\xFE" + Le(QStringLiteral("#separator:tab\nhuis\thouse\n"));
    QTest::newRow("TSV") << "lijst.tsv" << "\xFF\xFE" + Le(QStringLiteral("huis\thouse\n"));
}

void TestHostileFiles::utf16TextTablesAreRefusedInWords()
{
    QFETCH(QString, Name);
    QFETCH(QByteArray, Bytes);
    const QString File = Write(Name, Bytes);
    TQuestionlist List;
    List.Add("vast", "fixed");
    const QString Message = ReadError([&] { (void)TTableFiles::Load(List, File); });
    QVERIFY2(Message.contains(Name + QStringLiteral(": regel 1: het bestand is in UTF-16; sla het op als UTF-8")),
             qPrintable(Message));
    QCOMPARE(List.Count(), 1);
}

void TestHostileFiles::unreadableFilesSayWhy_data()
{
    QTest::addColumn<QString>("Name");
    for (const char* Name : {"map.csv", "map.tsv", "map.kvtml", "map.txt"})
        QTest::newRow(Name) << QString::fromLatin1(Name);
}

void TestHostileFiles::unreadableFilesSayWhy()
{
    // A folder with a table's name cannot be read; the message says why in
    // words, as the table's own files do.
    QFETCH(QString, Name);
    QVERIFY(QDir(Folder.path()).mkpath(Name));
    const QString Path = Folder.filePath(Name);
    TQuestionlist List;
    const QString Message = ReadError([&] { (void)TTableFiles::Load(List, Path); });
    QVERIFY2(Message.endsWith(QStringLiteral(": 21 (is een map)")), qPrintable(Message));
    QVERIFY2(Message.startsWith(QStringLiteral("Fout tijdens ")), qPrintable(Message));
}

void TestHostileFiles::failedWritesSayWhyAndKeepTheOldFile()
{
    TQuestionlist List;
    List.Add("huis", "house");
    List.Changed = true;
    const QString Missing = Folder.filePath(QStringLiteral("weg/lijst.csv"));
    try {
        TTableFiles::Save(List, Missing);
        QFAIL("no error");
    } catch (const EListWriteError& Error) {
        QCOMPARE(QString::fromUtf8(Error.what()),
                 QStringLiteral("Fout tijdens schrijven %1: 2 (niet gevonden)").arg(QDir::toNativeSeparators(Missing)));
    }
    QVERIFY(List.Changed);
    // A save over an existing file leaves no half of it behind.
    const QString File = Write(QStringLiteral("oud.kvtml"), "oud");
    TTableFiles::Save(List, File);
    QVERIFY(!List.Changed);
    QVERIFY(QDir(Folder.path()).entryList(QDir::Files | QDir::Hidden).filter(u"oud").size() == 1);
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
