// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the Unicode formats of other trainers: KVTML, CSV/TSV,
// the notes export of flashcard programs and UTF-8 text tables; what goes
// into the table's code pages, and the Dutch messages for files that cannot
// be read.
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "formats/wintext.h"
#include "editor/codepage.h"
#include "formats/csvfile.h"
#include "files/filecommands.h"
#include "formats/kvtmlfile.h"
#include "formats/notesfile.h"
#include "formats/tablefiles.h"
#include "formats/utf8textfile.h"
#include "formats/importedtexts.h"

namespace {

// The table's entries as "question=answer", each column in its code page.
QStringList Texts(const TQuestionlist& List)
{
    QStringList Result;
    for (int i = 0; i < List.Count(); ++i)
        Result << ColumnToQt(List.StoredQuestion(i), List.QuestionFont.Charset) + u'='
                      + ColumnToQt(List.StoredAnswer(i), List.AnswerFont.Charset);
    return Result;
}

// All bytes of a literal, NUL bytes included.
template <std::size_t N>
QByteArray Raw(const char (&Bytes)[N])
{
    return QByteArray(Bytes, N - 1);
}

const QByteArray KvtmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n";

QByteArray KvtmlEntry(int Id, const QStringList& Texts, const QString& Comment = QString())
{
    QByteArray Xml = "<entry id=\"" + QByteArray::number(Id) + "\">";
    for (qsizetype i = 0; i < Texts.size(); ++i) {
        Xml += "<translation id=\"" + QByteArray::number(i) + "\"><text>" + Texts[i].toUtf8() + "</text>";
        if (!Comment.isEmpty())
            Xml += "<comment>" + Comment.toUtf8() + "</comment>";
        Xml += "</translation>";
    }
    return Xml + "</entry>\n";
}

QByteArray Identifiers(int Count)
{
    QByteArray Xml = "<identifiers>";
    for (int i = 0; i < Count; ++i)
        Xml += "<identifier id=\"" + QByteArray::number(i) + "\"><locale>x" + QByteArray::number(i)
               + "</locale></identifier>";
    return Xml + "</identifiers>\n";
}

} // namespace

class TestTableFormats : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(Folder.isValid()); }

    void csvSeparatorsAndQuoting_data();
    void csvSeparatorsAndQuoting();
    void csvRecordsWithoutTwoTexts();
    void notesExport();
    void htmlFieldsBecomePlainText();
    void kvtmlTwoOrMoreLanguages();
    void kvtmlOneLanguageUsesTheComments();
    void kvtmlOldFormat();
    void columnsGetTheCharacterSetTheirTextsNeed();
    void nothingIsChangedSilently();
    void utf8TextDetection();
    void utf8TextTableKeepsItsNameAndSavesBackInUtf8();
    void badInputAddsNothing_data();
    void badInputAddsNothing();
    void roundTripBetweenFormats();
    void randomBytesEitherReadWholeOrAddNothing();
    void everyImportedTextIsStorable_data();
    void everyImportedTextIsStorable();
    void changedTextsTakeTheNameAway();
    void theNoticeNamesOnlyWhatHappened();
    void emptyFilesSayTheyHoldNothing_data();
    void emptyFilesSayTheyHoldNothing();
    void aFirstRowThatNamesTheColumnsIsNoEntry();

private:
    QString Write(const QString& Name, const QByteArray& Bytes)
    {
        const QString Path = Folder.filePath(Name);
        QFile File(Path);
        if (!File.open(QIODevice::WriteOnly) || File.write(Bytes) != Bytes.size())
            qFatal("cannot write %s", qPrintable(Path));
        return Path;
    }
    QTemporaryDir Folder;
};

void TestTableFormats::csvSeparatorsAndQuoting_data()
{
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<QStringList>("Expected");
    QTest::newRow("comma") << QByteArray("huis,house\r\nkat,cat\r\n") << QStringList{"huis=house", "kat=cat"};
    QTest::newRow("semicolon, byte order mark")
        << QByteArray("\xEF\xBB\xBFhuis;house\nde kat;\"the cat; a pet\"\n") << QStringList{"huis=house", "de kat=the cat; a pet"};
    QTest::newRow("tab, empty lines") << QByteArray("\n\nhuis\thouse, home\n\nkat\tcat") << QStringList{"huis=house, home", "kat=cat"};
    QTest::newRow("doubled quotes, line break in quotes")
        << QByteArray("\"zeg \"\"ja\"\"\",\"say\r\n\"\"yes\"\"\"\r\nx,y") << QStringList{"zeg \"ja\"=say  \"yes\"", "x=y"};
    QTest::newRow("Cyrillic and Greek") << QByteArray("собака,σκύλος\n") << QStringList{"собака=σκύλος"};
    // An "=" would split the entry in the table file: it is left out.
    QTest::newRow("equals sign left out, spaces kept")
        << QByteArray("a = b,\" c \"\n") << QStringList{"a  b=c"};
}

void TestTableFormats::csvSeparatorsAndQuoting()
{
    QFETCH(QByteArray, Bytes);
    QFETCH(QStringList, Expected);
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, Write("lijst.csv", Bytes));
    QCOMPARE(Result.Format, TTableFormat::Csv);
    QCOMPARE(Texts(List), Expected);
    QVERIFY(List.ListName.empty()); // never the table's own file
    QVERIFY(!List.Changed);
}

void TestTableFormats::csvRecordsWithoutTwoTexts()
{
    TQuestionlist List;
    const TLoadResult Result =
        TTableFiles::Load(List, Write("lijst.csv", "a,b,c\nalleen\n,leeg\nd,e\n"));
    QCOMPARE(Texts(List), QStringList({"a=b", "d=e"}));
    QCOMPARE(Result.Report.LeftOut, 2);
    QCOMPARE(Result.Report.Notices.size(), 2); // the skipped lines and the third column
    QVERIFY(TTableImport::Message("lijst.csv", Result.Report).contains(u"2 regels zonder vraag of antwoord zijn overgeslagen."));
}

void TestTableFormats::notesExport()
{
    const QByteArray Notes = "#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n#deck column:3\n"
                             "#tags column:6\n"
                             "abc\tBasic\tRussisch\t<b>собака</b>\tde hond<br>(dier)\tdieren\n"
                             "def\tBasic\tRussisch\t\"kat &amp; muis\"\t&lt;samen&gt;&nbsp;&#233;&#x20AC;\tx\n";
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, Write("export.txt", Notes));
    QCOMPARE(Result.Format, TTableFormat::Notes);
    QCOMPARE(Texts(List), QStringList({"собака=de hond (dier)", QStringLiteral("kat & muis=<samen>\u00A0é€")}));
    QVERIFY(List.ListName.empty());

    // Without header lines: tab-separated, no "=" anywhere.
    TQuestionlist Bare;
    QCOMPARE(TTableFiles::Load(Bare, Write("kaal.txt", "huis\thouse\nkat\tcat\n")).Format, TTableFormat::Notes);
    QCOMPARE(Texts(Bare), QStringList({"huis=house", "kat=cat"}));
}

void TestTableFormats::htmlFieldsBecomePlainText()
{
    const struct {
        const char* Html;
        const char* Text;
    } Cases[] = {
        {"<div>een</div><div>twee</div>", "een twee "},
        {"a &lt; b &amp;&amp; c &gt; d", "a < b && c > d"},
        {"&quot;x&quot; &apos;y&apos;", "\"x\" 'y'"},
        {"&unknown; &#0; & alone", "&unknown; &#0; & alone"},
        {"<span style=\"color: red\">rood</span>", "rood"},
        {"half <b", "half <b"},
    };
    for (const auto& Case : Cases)
        QCOMPARE(TNotesFile::PlainText(QString::fromUtf8(Case.Html)), QString::fromUtf8(Case.Text));
}

void TestTableFormats::kvtmlTwoOrMoreLanguages()
{
    const QByteArray Xml = KvtmlHead + Identifiers(3) + "<entries>" + KvtmlEntry(0, {"dog", "hond", "chien"})
                           + KvtmlEntry(1, {"cat", "kat", "chat"}) + KvtmlEntry(2, {"mouse"})
                           + "</entries></kvtml>\n";
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, Write("dieren.kvtml", Xml));
    QCOMPARE(Result.Format, TTableFormat::Kvtml);
    QCOMPARE(Texts(List), QStringList({"dog=hond", "cat=kat"}));
    QCOMPARE(Result.Report.LeftOut, 1);
    const QString Message = TTableImport::Message("dieren.kvtml", Result.Report);
    QVERIFY2(Message.contains(u"alleen de eerste twee zijn gelezen, 1 andere taal is weggelaten."), qPrintable(Message));
    QVERIFY2(Message.contains(u"1 van de 3 woorden heeft geen vertaling in beide talen en is weggelaten."), qPrintable(Message));
    QVERIFY(List.ListName.empty());
}

void TestTableFormats::kvtmlOneLanguageUsesTheComments()
{
    const QByteArray Xml = KvtmlHead + Identifiers(1) + "<entries>" + KvtmlEntry(0, {"Appel"}, "Sneeuwwitje at hem")
                           + KvtmlEntry(1, {"Peer"}) + KvtmlEntry(2, {"Kers"}, "Rood &amp; rond")
                           + "</entries></kvtml>\n";
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, Write("fruit.kvtml", Xml));
    QCOMPARE(Texts(List), QStringList({"Sneeuwwitje at hem=Appel", "Rood & rond=Kers"}));
    QCOMPARE(Result.Report.LeftOut, 1);
    QVERIFY(TTableImport::Message("fruit.kvtml", Result.Report).contains(u"1 van de 3 woorden heeft geen omschrijving"));
}

void TestTableFormats::kvtmlOldFormat()
{
    const QByteArray Xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE kvtml SYSTEM \"kvoctrain.dtd\">\n"
                           "<kvtml encoding=\"UTF-8\">\n<e><o>maskin</o><t>machine</t></e>\n"
                           "<e><o>soverom</o><t></t></e>\n</kvtml>\n";
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, Write("oud.kvtml", Xml));
    QCOMPARE(Texts(List), QStringList({"maskin=machine"}));
    QCOMPARE(Result.Report.LeftOut, 1);
}

void TestTableFormats::columnsGetTheCharacterSetTheirTextsNeed()
{
    const struct {
        const char* Csv;
        int QuestionCharset; // as the font line will say
        int AnswerCharset;
    } Cases[] = {
        {"huis,house\n", 1, 1},          // Western: the new table's own set stays
        {"собака,hond\n", 204, 1},
        {"hond,σκύλος\n", 1, 161},
        {"żółw,schildpad\n", 238, 1},
        {"ağaç,boom\n", 162, 1},
        {"שלום,vrede\n", 177, 1},
        {"café,ĳs\n", 1, 238},           // ĳ is nowhere: the Western set keeps é
    };
    for (const auto& Case : Cases) {
        TQuestionlist List;
        (void)TTableFiles::Load(List, Write("kolommen.csv", Case.Csv));
        QCOMPARE(List.QuestionFont.Charset, Case.QuestionCharset);
        QCOMPARE(List.AnswerFont.Charset, Case.AnswerCharset == 238 ? 1 : Case.AnswerCharset);
    }
    // A table that has entries keeps its character sets; what does not fit
    // becomes "?".
    TQuestionlist List;
    List.Add("huis", "house");
    (void)TTableFiles::Load(List, Write("erbij.csv", "собака,hond\n"));
    QCOMPARE(List.QuestionFont.Charset, 1);
    QCOMPARE(Texts(List).last(), QStringLiteral("??????=hond"));
}

void TestTableFormats::nothingIsChangedSilently()
{
    const QString Long = QString(160, u'x');
    const QByteArray Csv = "中文,Chinees\nсобака и σκύλος,hond\n" + Long.toUtf8() + ",lang\nok,goed\n";
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, Write("gemengd.csv", Csv));
    QCOMPARE(List.Count(), 4);
    QCOMPARE(List.QuestionFont.Charset, 204); // the most characters fit in Cyrillic
    QCOMPARE(Texts(List), QStringList({"??=Chinees", "собака и ??????=hond", QString(MaxTextLength, u'x') + "=lang", "ok=goed"}));
    QCOMPARE(Result.Report.ChangedTexts, 3);
    const QString Message = TTableImport::Message("gemengd.csv", Result.Report);
    QVERIFY2(Message.contains(u"3 teksten zijn veranderd: tekens die niet in de tekenset van de kolom passen, zijn vervangen door \"?\"; teksten van meer dan 152 tekens zijn ingekort."), qPrintable(Message));
    QVERIFY(Message.contains(u"\"中文\"\n  wordt \"??\""));
    QVERIFY(Message.contains(u"\"собака и σκύλος\"\n  wordt \"собака и ??????\""));
    QVERIFY(Message.contains(QString(MaxTextLength, u'x') + u'"'));

    TQuestionlist Plain;
    QVERIFY(TTableFiles::Load(Plain, Write("gewoon.csv", "a,b\n")).Report.IsEmpty());
}

void TestTableFormats::utf8TextDetection()
{
    QVERIFY(TUtf8TextFile::IsUtf8Text("\xEF\xBB\xBFhuis = house"));
    QVERIFY(TUtf8TextFile::IsUtf8Text("caf\xC3\xA9 = coffee"));
    QVERIFY(!TUtf8TextFile::IsUtf8Text("huis = house"));         // ASCII: DOS text as ever
    QVERIFY(!TUtf8TextFile::IsUtf8Text("caf\x82 = coffee"));     // DOS é
    QVERIFY(!TUtf8TextFile::IsUtf8Text("\xC3\xA9\xFF = x"));     // invalid UTF-8

    // A DOS text file reads as before: byte 130 is é.
    TQuestionlist Dos;
    QCOMPARE(TTableFiles::Load(Dos, Write("dos.txt", "caf\x82 = koffie\r\n")).Format, TTableFormat::Table);
    QCOMPARE(Texts(Dos), QStringList({"café=koffie"}));
}

void TestTableFormats::utf8TextTableKeepsItsNameAndSavesBackInUtf8()
{
    const QByteArray Bytes = "\xEF\xBB\xBF[FONT:Arial,12,204] = [FONT:Arial,9,0]\r\nсобака = de hond\r\n"
                             "кошка = de kat\r\n";
    const QString File = Write("russisch.txt", Bytes);
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, File);
    QCOMPARE(Result.Format, TTableFormat::Utf8Text);
    QVERIFY(Result.Bom);
    QCOMPARE(TableFilePath(List.ListName), File);
    QCOMPARE(List.QuestionFont.Size, 12);
    QCOMPARE(List.QuestionFont.Charset, 204);
    QCOMPARE(Texts(List), QStringList({"собака=de hond", "кошка=de kat"}));
    List.Changed = true;
    TTableFiles::Save(List, File, Result.Format, Result.Bom);
    QFile Saved(File);
    QVERIFY(Saved.open(QIODevice::ReadOnly));
    QCOMPARE(Saved.readAll(), Bytes);
    QVERIFY(!List.Changed);
}

void TestTableFormats::badInputAddsNothing_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<QString>("Message");
    QTest::newRow("malformed XML") << "kapot.kvtml" << KvtmlHead + "<entries>\n<entry><translation id=\"0\">\n</entries>"
                                   << "kapot.kvtml: regel 5: ongeldige XML";
    QTest::newRow("no entries") << "leeg.kvtml" << KvtmlHead + Identifiers(2) + "<entries/></kvtml>"
                                << "leeg.kvtml: regel 4: de woordenlijst bevat geen woorden";
    QTest::newRow("not KVTML") << "ander.kvtml" << QByteArray("<?xml version=\"1.0\"?>\n<html/>")
                               << "ander.kvtml: regel 2: geen KVTML-woordenlijst";
    QTest::newRow("binary KVTML") << "binair.kvtml" << Raw("\x00\x01\x02\xFF\xFE garbage")
                                  << "binair.kvtml: regel 1: ongeldige XML";
    QTest::newRow("unbalanced quotes") << "open.csv" << QByteArray("a,b\nc,\"d\ne,f\n")
                                       << "open.csv: regel 2: aanhalingsteken zonder afsluitend aanhalingsteken";
    QTest::newRow("UTF-16") << "utf16.csv" << Raw("\xFF\xFE" "a\0,\0b\0")
                            << "utf16.csv: regel 1: het bestand is in UTF-16";
    QTest::newRow("UTF-16 without byte order mark") << "utf16.tsv" << Raw("a\0\t\0b\0")
                                                    << "utf16.tsv: regel 1: het bestand is in UTF-16";
    QTest::newRow("binary CSV") << "binair.csv" << Raw("a,b\nc,d\n\x80\x81\x00\x02")
                                << "binair.csv: regel 3: geen geldige UTF-8-tekst";
    QTest::newRow("binary notes") << "binair.txt" << Raw("#separator:tab\na\tb\n\xC3(")
                                  << "binair.txt: regel 3: geen geldige UTF-8-tekst";
}

void TestTableFormats::badInputAddsNothing()
{
    QFETCH(QString, Name);
    QFETCH(QByteArray, Bytes);
    QFETCH(QString, Message);
    const QString File = Write(Name, Bytes);
    TQuestionlist List;
    List.Add("huis", "house");
    try {
        (void)TTableFiles::Load(List, File);
        QFAIL("no error");
    } catch (const EListReadError& Error) {
        const QString Text = QString::fromUtf8(Error.what());
        QVERIFY2(Text.startsWith(u"Fout tijdens lezen "), qPrintable(Text));
        QVERIFY2(Text.contains(Message), qPrintable(Text));
    }
    QCOMPARE(Texts(List), QStringList({"huis=house"}));
}

void TestTableFormats::roundTripBetweenFormats()
{
    // A spreadsheet's CSV through KVTML back to CSV, and a notes export to
    // CSV: not a character changes.
    const QByteArray Csv = "\xEF\xBB\xBF" "собака,de hond\r\n\"komma, en \"\"quote\"\"\",ja\r\nnandoe,ñandú\r\n";
    TQuestionlist List;
    (void)TTableFiles::Load(List, Write("bron.csv", Csv));
    const QString Kvtml = Folder.filePath("tussen.kvtml");
    TTableFiles::Save(List, Kvtml);
    QCOMPARE(TableFilePath(List.ListName), Kvtml);
    TQuestionlist Back;
    (void)TTableFiles::Load(Back, Kvtml);
    QCOMPARE(Texts(Back), Texts(List));
    const QString Again = Folder.filePath("terug.csv");
    TTableFiles::Save(Back, Again);
    QFile Written(Again);
    QVERIFY(Written.open(QIODevice::ReadOnly));
    // The columns are named in the first line.
    QCOMPARE(Written.readAll(), QByteArray(Csv).insert(3, "Vraag,Antwoord\r\n"));

    TQuestionlist Notes;
    (void)TTableFiles::Load(Notes, Write("notities.txt", "#separator:tab\n#html:true\nσκύλος\t<i>de hond</i>\n"));
    const QString FromNotes = Folder.filePath("notities.csv");
    TTableFiles::Save(Notes, FromNotes);
    QFile NotesCsv(FromNotes);
    QVERIFY(NotesCsv.open(QIODevice::ReadOnly));
    QCOMPARE(NotesCsv.readAll(), QByteArray("\xEF\xBB\xBF" "Vraag,Antwoord\r\nσκύλος,de hond\r\n"));
    QCOMPARE(Texts(TKvtmlFile::Parse(TKvtmlFile::Written({{"a<&>", "b\"'"}}, "t"), "x").Entries), QStringList({"a<&>=b\"'"}));
}

void TestTableFormats::randomBytesEitherReadWholeOrAddNothing()
{
    // Mangled copies of valid files: a reader either takes the file or
    // raises its read error, and then the table is as it was.
    const QByteArray Seeds[] = {
        KvtmlHead + Identifiers(2) + "<entries>" + KvtmlEntry(0, {"собака", "hond"}) + "</entries></kvtml>\n",
        "\xEF\xBB\xBF\"a, b\",c\r\nσ;\"\"\"x\"\n",
        "#separator:tab\n#html:true\n<b>a</b>&amp;\tb&#x41;\n",
    };
    const QString Names[] = {"ruis.kvtml", "ruis.csv", "ruis.txt"};
    QRandomGenerator Random(15);
    for (int Round = 0; Round < 300; ++Round) {
        const int Kind = Round % 3;
        QByteArray Bytes = Seeds[Kind];
        for (int Change = Random.bounded(1, 6); Change > 0; --Change) {
            const auto At = Random.bounded(static_cast<int>(Bytes.size()));
            switch (Random.bounded(3)) {
            case 0: Bytes[At] = static_cast<char>(Random.bounded(256)); break;
            case 1: Bytes.remove(At, 1); break;
            default: Bytes.insert(At, "\"<&\n\t=,;\x80"[Random.bounded(9)]); break;
            }
        }
        TQuestionlist List;
        List.Add("vast", "fixed");
        try {
            (void)TTableFiles::Load(List, Write(Names[Kind], Bytes));
        } catch (const EListReadError&) {
            QCOMPARE(List.Count(), 1);
        }
        for (int i = 0; i < List.Count(); ++i) {
            QVERIFY(!List.StoredQuestion(i).empty() && !List.StoredAnswer(i).empty());
            QVERIFY(List.StoredQuestion(i).size() <= std::size_t(MaxTextLength));
        }
    }
}

void TestTableFormats::everyImportedTextIsStorable_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<QStringList>("Expected");
    QTest::addColumn<QString>("Cause");
    const QString Equals = QStringLiteral("een \"=\" is weggelaten");
    const QString Font = QStringLiteral("\"[FONT:\" in een vraag is \"[FONT\" geworden");
    QTest::newRow("CSV question with =") << "som.csv" << QByteArray("2 + 2 = ?;vier\n") << QStringList{"2 + 2  ?=vier"}
                                         << Equals;
    QTest::newRow("KVTML texts with =")
        << "gelijk.kvtml"
        << QByteArray(KvtmlHead + Identifiers(2) + "<entries>" + KvtmlEntry(0, {"a = b", "= égal"}) + "</entries></kvtml>")
        << QStringList{"a  b=égal"} << Equals;
    QTest::newRow("font tags on both sides")
        << "tags.csv" << QByteArray("\"[FONT:Arial,12,0]\";\"[FONT:Courier,10,0]\"\nhuis;house\n")
        << QStringList{"[FONTArial,12,0]=[FONT:Courier,10,0]", "huis=house"} << Font;
    QTest::newRow("font tag on one side") << "tag.csv" << QByteArray("[FONT:x;y\n") << QStringList{"[FONT:x=y"}
                                          << QString();
}

void TestTableFormats::everyImportedTextIsStorable()
{
    // What the import shows is what the table file holds: saved and read
    // again, every entry comes back as it was.
    QFETCH(QString, Name);
    QFETCH(QByteArray, Bytes);
    QFETCH(QStringList, Expected);
    QFETCH(QString, Cause);
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, Write(Name, Bytes));
    QCOMPARE(Texts(List), Expected);
    const QString Message = TTableImport::Message(Name, Result.Report);
    QVERIFY2(Cause.isEmpty() ? Message.isEmpty() : Message.contains(Cause), qPrintable(Message));
    for (const char* Saved : {"terug.MT4", "terug.txt"}) {
        const QString File = Folder.filePath(QString::fromLatin1(Saved));
        List.Changed = true;
        TTableFiles::Save(List, File);
        TQuestionlist Again;
        (void)TTableFiles::Load(Again, File);
        QCOMPARE(Texts(Again), Expected);
    }
}

void TestTableFormats::changedTextsTakeTheNameAway()
{
    // Polish and Russian questions in one column: one of them gets "?",
    // and the table is no longer the file.
    const QString File = Write("dieren.txt", "żółw = schildpad\r\nчай = thee\r\n");
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, File);
    QCOMPARE(Result.Format, TTableFormat::Utf8Text);
    QVERIFY(Result.Report.TextsChanged());
    QVERIFY(List.ListName.empty());
    // The same file without such letters keeps its name.
    const QString Fine = Write("fijn.txt", "żółw = schildpad\r\nźrebię = veulen\r\n");
    TQuestionlist Kept;
    QVERIFY(!TTableFiles::Load(Kept, Fine).Report.TextsChanged());
    QCOMPARE(TableFilePath(Kept.ListName), Fine);
}

void TestTableFormats::theNoticeNamesOnlyWhatHappened()
{
    TQuestionlist List;
    const TLoadResult Cut = TTableFiles::Load(List, Write("lang.csv", QString(200, u'a').toUtf8() + ",b\nc,d\n"));
    const QString Message = TTableImport::Message("lang.csv", Cut.Report);
    QVERIFY2(Message.contains(u"1 tekst is veranderd: teksten van meer dan 152 tekens zijn ingekort. Voor en na:"),
             qPrintable(Message));
    QVERIFY(!Message.contains(u"?"));
    QVERIFY(!Message.contains(u"regel"));

    TQuestionlist Other;
    const TLoadResult Replaced = TTableFiles::Load(Other, Write("teken.csv", "中,b\nc,d\n,e\n"));
    const QString Second = TTableImport::Message("teken.csv", Replaced.Report);
    QVERIFY2(Second.contains(u"1 regel zonder vraag of antwoord is overgeslagen."), qPrintable(Second));
    QVERIFY2(Second.contains(u"1 tekst is veranderd: tekens die niet in de tekenset van de kolom passen, zijn vervangen "
                             u"door \"?\". Voor en na:"),
             qPrintable(Second));
    QVERIFY(!Second.contains(u"ingekort"));
}

void TestTableFormats::emptyFilesSayTheyHoldNothing_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QByteArray>("Bytes");
    QTest::newRow("empty CSV") << "leeg.csv" << QByteArray();
    QTest::newRow("CSV of a byte order mark") << "bom.csv" << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("empty TSV") << "leeg.tsv" << QByteArray("\r\n\r\n");
    QTest::newRow("empty text") << "leeg.txt" << QByteArray();
    QTest::newRow("notes without notes") << "notities.txt" << QByteArray("#separator:tab\n#html:false\n");
}

void TestTableFormats::emptyFilesSayTheyHoldNothing()
{
    QFETCH(QString, Name);
    QFETCH(QByteArray, Bytes);
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, Write(Name, Bytes));
    QCOMPARE(List.Count(), 0);
    const QString Message = TTableImport::Message(Name, Result.Report);
    QVERIFY2(Message.endsWith(u":\nHet bestand bevat geen vragen en antwoorden."), qPrintable(Message));
}

void TestTableFormats::aFirstRowThatNamesTheColumnsIsNoEntry()
{
    TQuestionlist List;
    (void)TTableFiles::Load(List, Write("kop.csv", "vraag;antwoord\nhuis;house\n"));
    QCOMPARE(Texts(List), QStringList({"huis=house"}));
    TQuestionlist German;
    (void)TTableFiles::Load(German, Write("kop.tsv", "Frage\tAntwort\nHaus\thuis\n"));
    QCOMPARE(Texts(German), QStringList({"Haus=huis"}));
    // Other first rows are entries.
    TQuestionlist Plain;
    (void)TTableFiles::Load(Plain, Write("geen.csv", "vraag;hond\nhuis;house\n"));
    QCOMPARE(Texts(Plain).size(), 2);
    // The program's own CSV names its columns, and reads back without an
    // extra entry, even when the first entry looks like column names.
    TQuestionlist Own;
    Own.Add("vraag", "antwoord");
    Own.Add("huis", "house");
    Own.Changed = true;
    const QString File = Folder.filePath("eigen.csv");
    TTableFiles::Save(Own, File);
    TQuestionlist Back;
    (void)TTableFiles::Load(Back, File);
    QCOMPARE(Texts(Back), Texts(Own));
}

QTEST_GUILESS_MAIN(TestTableFormats)
#include "tst_tableformats.moc"
