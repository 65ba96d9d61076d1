// SPDX-License-Identifier: GPL-3.0-or-later
// Every word list of the system's KVTML data (about 35 languages, Cyrillic,
// Greek and Latin scripts among them) opens: no error, no entry lost
// without notice, and every text that its column's code page can hold is
// shown exactly as the file has it.
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "formats/wintext.h"
#include "editor/codepage.h"
#include "formats/kvtmlfile.h"
#include "formats/tablefiles.h"

namespace {

const QStringList DataFolders = {QStringLiteral("/usr/share/apps/kvtml"), QStringLiteral("/usr/share/kde4/apps/kvtml")};

QStringList KvtmlFiles()
{
    QStringList Files;
    for (const QString& Folder : DataFolders) {
        QDirIterator It(Folder, {QStringLiteral("*.kvtml")}, QDir::Files, QDirIterator::Subdirectories);
        while (It.hasNext())
            Files << It.next();
    }
    Files.sort();
    return Files;
}

// A text as the table holds it when it fits: single line, trimmed.
QString AsTableText(QString Text)
{
    for (QChar& C : Text)
        if (C.unicode() < 32)
            C = u' ';
    return TableTrimmed(Text);
}

// Entries counted straight from the file's text, independently of the XML
// reader: the entry elements inside <entries> (lessons refer to them with
// empty entry elements of their own), or the <e> elements of the old format.
qsizetype EntriesInFile(const QString& FileName)
{
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly))
        return -1;
    const QString Text = QString::fromUtf8(File.readAll());
    const qsizetype Start = Text.indexOf(QStringLiteral("<entries>"));
    if (Start < 0)
        return Text.count(QRegularExpression(QStringLiteral("<e[\\s>]")));
    const qsizetype End = Text.indexOf(QStringLiteral("</entries>"), Start);
    return Text.sliced(Start, End - Start).count(QRegularExpression(QStringLiteral("<entry[\\s>]")));
}

} // namespace

class TestKvtmlData : public QObject {
    Q_OBJECT
private slots:
    void everyFileOpens();
};

void TestKvtmlData::everyFileOpens()
{
    const QStringList Files = KvtmlFiles();
    if (Files.isEmpty())
        QSKIP("the KVTML data package is not installed");
    QVERIFY2(Files.size() >= 366, qPrintable(QString::number(Files.size())));
    int Loaded = 0;
    QSet<int> Charsets;
    for (const QString& File : Files) {
        TQuestionlist List;
        TLoadResult Result;
        try {
            Result = TTableFiles::Load(List, File);
        } catch (const std::exception& Error) {
            QFAIL(qPrintable(File + u' ' + QString::fromUtf8(Error.what())));
        }
        QCOMPARE(Result.Format, TTableFormat::Kvtml);
        QVERIFY2(List.Count() + Result.Report.LeftOut == EntriesInFile(File), qPrintable(File));
        QVERIFY2(List.Count() == 0 || Result.Report.LeftOut == 0 || !Result.Report.Notices.isEmpty(), qPrintable(File));

        const TImportedTable Read = TKvtmlFile::Read(File);
        QCOMPARE(qsizetype(Read.Entries.size()), qsizetype(List.Count()));
        int Changed = 0;
        for (int i = 0; i < List.Count(); ++i) {
            const struct {
                QString Expected;
                std::string_view Stored;
                int Charset;
            } Sides[] = {{AsTableText(Read.Entries[i].Question), List.StoredQuestion(i), List.QuestionFont.Charset},
                         {AsTableText(Read.Entries[i].Answer), List.StoredAnswer(i), List.AnswerFont.Charset}};
            for (const auto& Side : Sides) {
                const QString Shown = ColumnToQt(Side.Stored, Side.Charset);
                if (Side.Expected.size() <= MaxTextLength && IsWinText(Side.Expected, CodePageOfCharset(Side.Charset)))
                    QVERIFY2(Shown == Side.Expected, qPrintable(File + QStringLiteral(": ") + Side.Expected + QStringLiteral(" / ") + Shown));
                else
                    ++Changed;
            }
        }
        QVERIFY2(Changed == Result.Report.ChangedTexts, qPrintable(File));
        Loaded += List.Count();
        Charsets << List.QuestionFont.Charset << List.AnswerFont.Charset;
    }
    QVERIFY(Loaded > 1000);
    // Cyrillic, Greek and Central European lists are among them. (The
    // Turkish lists give no entries: they have no comments to ask.)
    for (const int Charset : {204, 161, 238})
        QVERIFY2(Charsets.contains(Charset), qPrintable(QString::number(Charset)));
}

QTEST_GUILESS_MAIN(TestKvtmlData)
#include "tst_kvtmldata.moc"
