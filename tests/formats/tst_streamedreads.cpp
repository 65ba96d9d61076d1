// SPDX-License-Identifier: GPL-3.0-or-later
// The readers that take a large file a piece at a time: CSV, TSV and UTF-8
// text decoded a field or a line at a time from the file's bytes, a KVTML
// file's entries given to the table as soon as its languages are known,
// and the import that lets each entry go as the table takes it. Each must
// read exactly what reading the whole text at once would.
#include <QTest>
#include <functional>

#include "formats/csvfile.h"
#include "formats/kvtmlfile.h"
#include "formats/tableimport.h"
#include "formats/utf8textfile.h"
#include "formats/importedtexts.h"

namespace {

const QString Dog = QStringLiteral("\U0001F415"); // beyond the basic plane: two UTF-16 units
const QString Zwnbsp(QChar(0xFEFF));

QByteArray KvtmlEntries(const QStringList& Rows)
{
    QByteArray Xml = "<entries>";
    for (qsizetype Row = 0; Row < Rows.size(); ++Row) {
        Xml += "<entry id=\"" + QByteArray::number(Row) + "\">";
        const QStringList Words = Rows[Row].split(u'|');
        for (qsizetype i = 0; i < Words.size(); ++i)
            Xml += "<translation id=\"" + QByteArray::number(i) + "\"><text>" + Words[i].toUtf8() + "</text></translation>";
        Xml += "</entry>";
    }
    return Xml + "</entries>";
}

QByteArray KvtmlIdentifiers(int Count)
{
    QByteArray Xml = "<identifiers>";
    for (int i = 0; i < Count; ++i)
        Xml += "<identifier id=\"" + QByteArray::number(i) + "\"><locale>l" + QByteArray::number(i) + "</locale></identifier>";
    return Xml + "</identifiers>";
}

QByteArray Kvtml(const QByteArray& Body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">" + Body + "</kvtml>\n";
}

} // namespace

class TestStreamedReads : public QObject {
    Q_OBJECT

private slots:
    void utf8TextsTakeExactlyTheirCharacters_data();
    void utf8TextsTakeExactlyTheirCharacters();
    void csvFieldsReadFromBytes_data();
    void csvFieldsReadFromBytes();
    void textLinesReadFromBytes_data();
    void textLinesReadFromBytes();
    void errorsNameTheLineAfterTextsOfManyBytes();
    void aRecordOfCountlessFieldsKeepsItsFirstOnes();
    void kvtmlEntriesWhereverTheLanguagesAreNamed_data();
    void kvtmlEntriesWhereverTheLanguagesAreNamed();
    void aLanguageGivenAgainKeepsItsLastTexts_data();
    void aLanguageGivenAgainKeepsItsLastTexts();
    void countlessLanguagesAreReadPast();
    void theImportTakesTheEntriesOutOfTheTable();
    void theCommonestScriptChoosesTheColumnsCharacterSet();
};

void TestStreamedReads::utf8TextsTakeExactlyTheirCharacters_data()
{
    QTest::addColumn<QByteArray>("Utf8");
    QTest::addColumn<QString>("Expected");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ASCII") << QByteArray("huis") << QStringLiteral("huis");
    QTest::newRow("two, three and four bytes") << QString(QStringLiteral("é€") + Dog + u'x').toUtf8()
                                               << QString(QStringLiteral("é€") + Dog + u'x');
    QTest::newRow("a byte order mark at the start is a character")
        << QByteArray("\xEF\xBB\xBFhuis") << QString(Zwnbsp + QStringLiteral("huis"));
    QTest::newRow("two of them") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") << QString(Zwnbsp + Zwnbsp);
}

void TestStreamedReads::utf8TextsTakeExactlyTheirCharacters()
{
    QFETCH(QByteArray, Utf8);
    QFETCH(QString, Expected);
    const QString Text = Utf8Text(Utf8);
    QCOMPARE(Text, Expected);
    QCOMPARE(Text.size(), Expected.size());
}

void TestStreamedReads::csvFieldsReadFromBytes_data()
{
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<QStringList>("Expected");
    QTest::newRow("characters beyond the basic plane")
        << QString(Dog + QStringLiteral(",hond\r\nкот,") + Dog + Dog + QStringLiteral("\r\n")).toUtf8()
        << QStringList{Dog + QStringLiteral("=hond"), QStringLiteral("кот=") + Dog + Dog};
    QTest::newRow("quoted Cyrillic with doubled quotes and a line break")
        << QByteArray("\"скажи \"\"да\"\"\nну\";\"σκύλος\"\n") << QStringList{QStringLiteral("скажи \"да\"\nну=σκύλος")};
    QTest::newRow("text after a closing quote")
        << QByteArray("\"до\"м,huis\n") << QStringList{QStringLiteral("дом=huis")};
    QTest::newRow("a byte order mark opening a later field is kept")
        << QByteArray("\xEF\xBB\xBFhuis,\xEF\xBB\xBFhouse\n") << QStringList{QStringLiteral("huis=") + Zwnbsp + QStringLiteral("house")};
    QTest::newRow("tabs") << QString(QStringLiteral("σκύλος\tde hond\nγάτα\tde kat\n")).toUtf8()
                          << QStringList{QStringLiteral("σκύλος=de hond"), QStringLiteral("γάτα=de kat")};
}

void TestStreamedReads::csvFieldsReadFromBytes()
{
    QFETCH(QByteArray, Bytes);
    QFETCH(QStringList, Expected);
    QCOMPARE(Texts(TCsvFile::Parse(Bytes, QStringLiteral("x.csv")).Entries), Expected);
    // Read from the whole text at once, the same.
    const QString Text = DecodeUtf8File(Bytes, QStringLiteral("x.csv"));
    const QChar Separator = Bytes.contains('\t') ? u'\t' : Bytes.contains(';') ? u';' : u',';
    QCOMPARE(Texts(TCsvFile::EntriesOf(Text, Separator, QStringLiteral("x.csv"), 1, {}, true).Entries), Expected);
}

void TestStreamedReads::textLinesReadFromBytes_data()
{
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<QStringList>("Expected");
    QTest::newRow("CR LF, blanks trimmed")
        << QByteArray("\xEF\xBB\xBF  дерево =  de boom \r\nкот=kat\r\n") << QStringList{"дерево=de boom", "кот=kat"};
    QTest::newRow("later equals signs and control characters")
        << QByteArray("a=b=c\nd\te=f\x01g\n") << QStringList{"a=bc", "d e=f g"};
    QTest::newRow("Ctrl-Z ends the file") << QByteArray("één=een\n\x1Aweg=gone\n") << QStringList{"één=een"};
    QTest::newRow("a second byte order mark is a character")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFhuis=house\n") << QStringList{Zwnbsp + QStringLiteral("huis=house")};
    QTest::newRow("beyond the basic plane") << QString(Dog + QStringLiteral(" = hond")).toUtf8()
                                            << QStringList{Dog + QStringLiteral("=hond")};
}

void TestStreamedReads::textLinesReadFromBytes()
{
    QFETCH(QByteArray, Bytes);
    QFETCH(QStringList, Expected);
    QCOMPARE(Texts(TUtf8TextFile::Parse(Bytes, QStringLiteral("x.txt")).Entries), Expected);
}

void TestStreamedReads::errorsNameTheLineAfterTextsOfManyBytes()
{
    const QByteArray Csv = "собака,hond\nкошка,kat\n\"открыто,open\n";
    QVERIFY(ReadError([&] { (void)TCsvFile::Parse(Csv, QStringLiteral("x.csv")); }).contains(u"regel 3: aanhalingsteken"));
    const QByteArray Text = "собака = hond\nкошка = kat\n\xFF = x\n";
    QVERIFY(ReadError([&] { (void)TUtf8TextFile::Parse(Text, QStringLiteral("x.txt")); })
                .contains(u"regel 3: geen geldige UTF-8-tekst"));
    QVERIFY(ReadError([] { (void)TUtf8TextFile::Parse("\xFF\xFEh\0", QStringLiteral("x.txt")); }).contains(u"UTF-16"));
}

void TestStreamedReads::aRecordOfCountlessFieldsKeepsItsFirstOnes()
{
    // A line of separators is read past, not kept field by field.
    const QByteArray Csv = "huis,house" + QByteArray(3 * TCsvFile::MaxFields, ',') + "\"a,\"\"b\"\"\"\nkat,cat\n";
    const TImportedTable Table = TCsvFile::Parse(Csv, QStringLiteral("x.csv"));
    QCOMPARE(Texts(Table.Entries), QStringList({"huis=house", "kat=cat"}));
    QVERIFY(Table.Notices.join(u' ').contains(u"Alleen de eerste twee kolommen zijn gelezen"));
}

void TestStreamedReads::kvtmlEntriesWhereverTheLanguagesAreNamed_data()
{
    QTest::addColumn<QByteArray>("Xml");
    const QByteArray Rows = KvtmlEntries({"dog|hond|chien", "cat||chat", "mouse|muis"});
    QTest::newRow("languages first") << Kvtml(KvtmlIdentifiers(3) + Rows);
    QTest::newRow("languages after the entries") << Kvtml(Rows + KvtmlIdentifiers(3));
    QTest::newRow("two, then a third named later")
        << Kvtml(KvtmlIdentifiers(2) + Rows + "<identifiers><identifier id=\"2\"/></identifiers>");
}

void TestStreamedReads::kvtmlEntriesWhereverTheLanguagesAreNamed()
{
    QFETCH(QByteArray, Xml);
    const TImportedTable Table = TKvtmlFile::Parse(Xml, QStringLiteral("x.kvtml"));
    QCOMPARE(Texts(Table.Entries), QStringList({"dog=hond", "mouse=muis"}));
    QCOMPARE(Table.LeftOut, 1);
    QCOMPARE(Table.Languages, QStringList({"l0", "l1"}));
    QVERIFY(Table.Notices.join(u' ').contains(u"1 van de 3 woorden heeft geen vertaling"));
    QVERIFY(Table.Notices.join(u' ').contains(u"3 talen"));
    // Every entry of the file is kept in its order, the one left out too.
    QCOMPARE(Table.Kvtml->Entries.size(), std::size_t(3));
    QCOMPARE(Table.Kvtml->Entries[0].Imported, 0);
    QCOMPARE(Table.Kvtml->Entries[1].Imported, -1);
    QCOMPARE(Table.Kvtml->Entries[2].Imported, 1);
    // Unchanged, a save over the file gives back its bytes.
    TKvtmlSource Source = *Table.Kvtml;
    for (TKvtmlSource::TEntry& Entry : Source.Entries)
        if (Entry.Imported >= 0) {
            Entry.InTable = true;
            Entry.Shown = Table.Entries[static_cast<std::size_t>(Entry.Imported)];
        }
    QCOMPARE(TKvtmlFile::Rewritten(Source, Table.Entries, QStringLiteral("x.kvtml")).Bytes, Xml);
}

void TestStreamedReads::aLanguageGivenAgainKeepsItsLastTexts_data()
{
    QTest::addColumn<QByteArray>("Xml");
    const QByteArray Entry = "<entries><entry id=\"0\">"
                             "<translation id=\"0\"><text>eerst</text><comment>uitleg</comment></translation>"
                             "<translation id=\"1\"><text>first</text></translation>"
                             "<translation id=\"0\"><text>toen</text></translation>"
                             "<translation id=\"0\"><comment>alleen uitleg</comment></translation>"
                             "<translation id=\"1\"></translation></entry></entries>";
    QTest::newRow("languages first") << Kvtml(KvtmlIdentifiers(2) + Entry);
    QTest::newRow("languages after the entries") << Kvtml(Entry + KvtmlIdentifiers(2));
}

void TestStreamedReads::aLanguageGivenAgainKeepsItsLastTexts()
{
    QFETCH(QByteArray, Xml);
    const TImportedTable Table = TKvtmlFile::Parse(Xml, QStringLiteral("x.kvtml"));
    QCOMPARE(Texts(Table.Entries), QStringList({"toen=first"}));
    // The texts shown are where the file has them: a save with a change
    // replaces the last ones.
    TKvtmlSource Source = *Table.Kvtml;
    Source.Entries[0].InTable = true;
    Source.Entries[0].Shown = Table.Entries[0];
    TImportedEntries Changed = Table.Entries;
    Changed[0].Question = QStringLiteral("later");
    const QByteArray Saved = TKvtmlFile::Rewritten(Source, Changed, QStringLiteral("x.kvtml")).Bytes;
    QVERIFY(Saved.contains("<text>eerst</text>") && Saved.contains("<text>later</text>") && !Saved.contains("toen"));
}

void TestStreamedReads::countlessLanguagesAreReadPast()
{
    const QByteArray Xml = Kvtml(KvtmlIdentifiers(int(TKvtmlFile::MaxLanguages) + 500) + KvtmlEntries({"dog|hond"}));
    const TImportedTable Table = TKvtmlFile::Parse(Xml, QStringLiteral("x.kvtml"));
    QCOMPARE(Texts(Table.Entries), QStringList({"dog=hond"}));
    QCOMPARE(Table.Languages, QStringList({"l0", "l1"}));
    QVERIFY(Table.Notices.join(u' ').contains(QStringLiteral("heeft %1 talen").arg(TKvtmlFile::MaxLanguages)));
}

void TestStreamedReads::theImportTakesTheEntriesOutOfTheTable()
{
    TImportedTable Table;
    Table.Entries = {{QStringLiteral("huis"), QStringLiteral("house")},
                     {QStringLiteral(" = "), QStringLiteral("alleen een is-teken")},
                     {QStringLiteral("kat"), QStringLiteral("cat")}};
    TQuestionlist List;
    const TImportReport Report = TTableImport::AddTo(List, std::move(Table));
    QVERIFY(Table.Entries.empty()); // nothing is held twice
    QCOMPARE(List.Count(), 2);
    QCOMPARE(Report.AddedFrom, std::vector<std::size_t>({0, 2}));
    QCOMPARE(QByteArray(List.StoredAnswer(1).data(), qsizetype(List.StoredAnswer(1).size())), QByteArray("cat"));
    QCOMPARE(Report.EqualsTexts, 1);
}

void TestStreamedReads::theCommonestScriptChoosesTheColumnsCharacterSet()
{
    const struct {
        QStringList Questions;
        int Charset;
    } Cases[] = {
        {{QStringLiteral("собака"), QStringLiteral("кошка"), QStringLiteral("σ")}, 204},
        {{QStringLiteral("σκύλος"), QStringLiteral("γάτα"), QStringLiteral("д")}, 161},
        {{QStringLiteral("hond"), QStringLiteral("kat")}, 1},
        // Characters no character set holds do not decide.
        {{Dog + Dog + Dog, QStringLiteral("ψ")}, 161},
    };
    for (const auto& Case : Cases) {
        TImportedTable Table;
        for (const QString& Question : Case.Questions)
            Table.Entries.push_back({Question, QStringLiteral("x")});
        TQuestionlist List;
        (void)TTableImport::AddTo(List, std::move(Table));
        QCOMPARE(List.QuestionFont.Charset, Case.Charset);
        QCOMPARE(List.AnswerFont.Charset, 1);
    }
}

QTEST_GUILESS_MAIN(TestStreamedReads)
#include "tst_streamedreads.moc"
