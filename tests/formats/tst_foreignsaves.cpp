// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a table that came from another trainer's file: a KVTML word list
// saved over itself keeps all the table did not change, and a table whose
// texts changed on the way in never overwrites its file unasked. Driven
// through the real window where the user would.
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "files/dialogscript.h"
#include "files/filecommands.h"
#include "files/mainfixture.h"
#include "formats/kvtmlfile.h"
#include "formats/tableexport.h"
#include "formats/tablefiles.h"
#include "formats/wintext.h"

#define VERIFY_SCRIPT(Script) QVERIFY2((Script).Finished(), qPrintable((Script).Report()))

namespace {

const QString RealWordList = QStringLiteral("/usr/share/apps/kvtml/de/animals.kvtml");

// A word list of two languages, a third one, lessons that refer to the
// entries, word types, grades and comments.
const QByteArray Rich = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
                        "<kvtml version=\"2.0\">\n"
                        "  <information><title>Dieren</title><comment>Voor groep 5</comment></information>\n"
                        "  <identifiers>\n"
                        "    <identifier id=\"0\"><name>Nederlands</name><locale>nl</locale></identifier>\n"
                        "    <identifier id=\"1\"><name>Engels</name><locale>en</locale></identifier>\n"
                        "    <identifier id=\"2\"><name>Frans</name><locale>fr</locale></identifier>\n"
                        "  </identifiers>\n"
                        "  <entries>\n"
                        "    <entry id=\"0\">\n"
                        "      <translation id=\"0\"><text>hond</text><comment>blaft</comment></translation>\n"
                        "      <translation id=\"1\"><text>dog</text><grade><currentgrade>3</currentgrade></grade></translation>\n"
                        "      <translation id=\"2\"><text>chien</text></translation>\n"
                        "    </entry>\n"
                        "    <entry id=\"1\">\n"
                        "      <translation id=\"0\"><text>kat</text></translation>\n"
                        "      <translation id=\"1\"><text>cat</text></translation>\n"
                        "      <translation id=\"2\"><text>chat</text></translation>\n"
                        "    </entry>\n"
                        "    <entry id=\"2\">\n"
                        "      <translation id=\"0\"><text>muis</text></translation>\n"
                        "      <translation id=\"1\"><text>mouse</text></translation>\n"
                        "    </entry>\n"
                        "    <entry id=\"3\">\n"
                        "      <translation id=\"2\"><text>oiseau</text></translation>\n"
                        "    </entry>\n"
                        "  </entries>\n"
                        "  <lessons>\n"
                        "    <container><name>Les 1</name><entry id=\"0\"/><entry id=\"1\"/><entry id=\"2\"/></container>\n"
                        "  </lessons>\n"
                        "  <wordtypes>\n"
                        "    <container><name>Zelfstandig naamwoord</name><entry id=\"1\"/></container>\n"
                        "  </wordtypes>\n"
                        "</kvtml>\n";

QByteArray Replaced(QByteArray Bytes, const QByteArray& Before, const QByteArray& After)
{
    const qsizetype At = Bytes.indexOf(Before);
    return At < 0 ? QByteArray("(not found)") : Bytes.replace(At, Before.size(), After);
}

} // namespace

class TestForeignSaves : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { Fixture.reset(); }

    void savingOverAWordListKeepsWhatTheTableDoesNotShow();
    void addedAndDeletedEntries();
    void aNewWordListKeepsTheLanguagesRead();
    void realWordListSavedOverItselfThroughTheWindow();
    void changedTextTableAsksForANameOnSave();

private:
    QString Copy(const QString& Name, const QByteArray& Bytes)
    {
        const QString Path = F().Path(Name);
        TMainFixture::Write(Path, Bytes);
        return Path;
    }
    // Saves the table over File as the file commands do.
    void SaveOver(TQuestionlist& List, const QString& File, std::shared_ptr<const TKvtmlSource>& Source)
    {
        List.Changed = true;
        TTableFiles::Save(List, File, TTableFormat::Table, false, &Source);
    }

    std::unique_ptr<TMainFixture> Fixture;
    TMainFixture& F() { return *Fixture; }
    TfrmMain& Main() { return *Fixture->Main; }
    TQuestionlist& Table() { return Fixture->Table(); }
};

void TestForeignSaves::init()
{
    Fixture = std::make_unique<TMainFixture>();
    QVERIFY(Fixture->Folder.isValid());
}

void TestForeignSaves::savingOverAWordListKeepsWhatTheTableDoesNotShow()
{
    const QString File = Copy(QStringLiteral("dieren.kvtml"), Rich);
    TQuestionlist List;
    const TLoadResult Result = TTableFiles::Load(List, File);
    QCOMPARE(Entries(List), QStringList({"hond=dog", "kat=cat", "muis=mouse"}));
    std::shared_ptr<const TKvtmlSource> Source = Result.Kvtml;
    QVERIFY(Source);

    // Unchanged, the file stays byte for byte.
    SaveOver(List, File, Source);
    QCOMPARE(TMainFixture::Read(File), Rich);
    QVERIFY(!List.Changed);

    // One text changed: only that text differs, escaped as XML needs.
    List.SetAnswer(1, "cat & kitten");
    SaveOver(List, File, Source);
    const QByteArray Once = Replaced(Rich, "<text>cat</text>", "<text>cat &amp; kitten</text>");
    QCOMPARE(TMainFixture::Read(File), Once);

    // Saved again, the file as saved is the base: one more change, one more
    // difference.
    List.SetQuestion(0, "hondje");
    SaveOver(List, File, Source);
    QCOMPARE(TMainFixture::Read(File), Replaced(Once, "<text>hond</text>", "<text>hondje</text>"));
}

void TestForeignSaves::addedAndDeletedEntries()
{
    const QString File = Copy(QStringLiteral("dieren.kvtml"), Rich);
    TQuestionlist List;
    std::shared_ptr<const TKvtmlSource> Source = TTableFiles::Load(List, File).Kvtml;
    List.Delete(1); // kat
    List.Add("paard", "horse");
    SaveOver(List, File, Source);
    const QByteArray Saved = TMainFixture::Read(File);

    // The entry and the lessons' and word types' references to it are gone;
    // the new one follows the last entry of the table, with a new id.
    QByteArray Expected = Replaced(Rich,
                                   "\n    <entry id=\"1\">\n"
                                   "      <translation id=\"0\"><text>kat</text></translation>\n"
                                   "      <translation id=\"1\"><text>cat</text></translation>\n"
                                   "      <translation id=\"2\"><text>chat</text></translation>\n"
                                   "    </entry>",
                                   "");
    Expected = Replaced(Expected, "<entry id=\"0\"/><entry id=\"1\"/>", "<entry id=\"0\"/>");
    Expected = Replaced(Expected, "<name>Zelfstandig naamwoord</name><entry id=\"1\"/>", "<name>Zelfstandig naamwoord</name>");
    Expected = Replaced(Expected, "<text>mouse</text></translation>\n    </entry>",
                        "<text>mouse</text></translation>\n    </entry>\n    <entry id=\"4\"><translation id=\"0\"><text>"
                        "paard</text></translation><translation id=\"1\"><text>horse</text></translation></entry>");
    QCOMPARE(Saved, Expected);

    TQuestionlist Again;
    (void)TTableFiles::Load(Again, File);
    QCOMPARE(Entries(Again), Entries(List));
}

void TestForeignSaves::aNewWordListKeepsTheLanguagesRead()
{
    const QString File = Copy(QStringLiteral("dieren.kvtml"), Rich);
    TQuestionlist List;
    std::shared_ptr<const TKvtmlSource> Source = TTableFiles::Load(List, File).Kvtml;
    const QString Other = F().Path(QStringLiteral("nieuw.kvtml"));
    SaveOver(List, Other, Source);
    const QByteArray Saved = TMainFixture::Read(Other);
    QVERIFY2(Saved.contains("<identifier id=\"0\">\n   <name>Nederlands</name>\n   <locale>nl</locale>\n  </identifier>"),
             Saved.constData());
    QVERIFY(Saved.contains("<identifier id=\"1\">\n   <name>Engels</name>\n   <locale>en</locale>\n  </identifier>"));
    QCOMPARE(TMainFixture::Read(File), Rich);
}

void TestForeignSaves::realWordListSavedOverItselfThroughTheWindow()
{
    if (!QFile::exists(RealWordList))
        QSKIP("the system's KVTML data is not installed");
    const QByteArray Original = TMainFixture::Read(RealWordList);
    const QString File = Copy(QStringLiteral("de_animals.kvtml"), Original);
    Fixture->Start();
    {
        // Whether the file has entries the table leaves out decides whether
        // a notice comes.
        TQuestionlist Probe;
        const bool Notice = !TTableImport::Message(File, TTableFiles::Load(Probe, File).Report).isEmpty();
        TDialogScript Open;
        if (Notice)
            Open.AcceptMessage();
        Main().CarryOutCommandLine({File});
        VERIFY_SCRIPT(Open);
    }
    QCOMPARE(ColumnToQt(Table().StoredAnswer(0), Table().AnswerFont.Charset), QStringLiteral("Katze"));
    Table().SetAnswer(0, "Kater");
    Table().Changed = true;
    Main().UpdateCommandStates();

    TDialogScript Save;
    Save.ChooseFiles({File}).AnswerYes(QStringLiteral("Bestand bestaat al, overschrijven?"));
    Main().mnuOpslaan->trigger(); // Ctrl+S
    VERIFY_SCRIPT(Save);
    QVERIFY(!Table().Changed);
    QCOMPARE(TMainFixture::Read(File), Replaced(Original, "<text>Katze</text>", "<text>Kater</text>"));
}

void TestForeignSaves::changedTextTableAsksForANameOnSave()
{
    Fixture->Start();
    const QByteArray Bytes = "żółw = schildpad\r\nчай = thee\r\n";
    const QString File = Copy(QStringLiteral("dieren.txt"), Bytes);
    QString Notice;
    TDialogScript Open;
    Open.AcceptMessage(&Notice);
    Main().CarryOutCommandLine({File});
    VERIFY_SCRIPT(Open);
    QVERIFY2(Notice.contains(u"1 tekst is veranderd"), qPrintable(Notice));

    Table().Add("kat", "cat");
    Table().Changed = true;
    Main().UpdateCommandStates();
    QString Proposed;
    TDialogScript Save;
    Save.Then(QStringLiteral("QFileDialog"), [&Proposed](QWidget* Dialog) {
        Proposed = Dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        static_cast<QDialog*>(Dialog)->reject();
    });
    Main().mnuOpslaan->trigger(); // Ctrl+S
    VERIFY_SCRIPT(Save);
    QCOMPARE(Proposed, QStringLiteral("dieren.MT4"));
    QCOMPARE(TMainFixture::Read(File), Bytes);
    QVERIFY(Table().Changed);
}

QTEST_MAIN(TestForeignSaves)
#include "tst_foreignsaves.moc"
