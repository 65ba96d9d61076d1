// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: reading with defaults, writing in place, keeping every
// line it does not own, and surviving bad files.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <random>

#include "files/inifile.h"

namespace {

QByteArray ReadBytes(const QString& Path)
{
    QFile File(Path);
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

void WriteBytes(const QString& Path, const QByteArray& Bytes)
{
    QFile File(Path);
    QVERIFY(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(File.write(Bytes), Bytes.size());
}

std::string Std(const QString& Path) { return QFile::encodeName(Path).toStdString(); }

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Folder = std::make_unique<QTemporaryDir>();
        QVERIFY(Folder->isValid());
        Path = Folder->filePath("memorant.ini");
    }

    void readsValuesWithDefaults_data();
    void readsValuesWithDefaults();
    void readsNamesWithoutRegardToCase();
    void readsOnlyTheFirstSectionAndKey();
    void cutsLongStrings();

    void writesAKeyWhereItStands();
    void appendsNewKeysAndSections();
    void keepsOtherLinesByteForByte();
    void leavesTheFileAloneWhenTheValueIsTheSame();
    void writesThroughASymbolicLink();
    void writeAndReadBackRoundTrip();

    void unwritablePlaceFailsAndLeavesNoTrace();
    void refusesValuesThatWouldBreakTheFile();
    void binaryHugeAndBrokenFilesGiveDefaults();
    void anyBytesSurviveLoadAndSave();

private:
    std::unique_ptr<QTemporaryDir> Folder;
    QString Path;
};

void TestIniFile::readsValuesWithDefaults_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("integer");
    QTest::addColumn<bool>("boolean");
    // The defaults used below: integer 450, boolean true.
    QTest::newRow("one") << QByteArray("1") << 1 << true;
    QTest::newRow("zero") << QByteArray("0") << 0 << false;
    QTest::newRow("two is true") << QByteArray("2") << 2 << true;
    QTest::newRow("text ja") << QByteArray("ja") << 450 << true;
    QTest::newRow("hex") << QByteArray("0x300") << 768 << true;
    QTest::newRow("upper hex") << QByteArray("0X1f") << 31 << true;
    QTest::newRow("bare 0x") << QByteArray("0x") << 450 << true;
    QTest::newRow("negative") << QByteArray("-12") << -12 << true;
    QTest::newRow("spaces") << QByteArray("  77  ") << 77 << true;
    QTest::newRow("trailing text") << QByteArray("12px") << 450 << true;
    QTest::newRow("too large") << QByteArray("99999999999") << 450 << true;
    QTest::newRow("lowest int") << QByteArray("-2147483648") << INT_MIN << true;
    QTest::newRow("hex minus one") << QByteArray("0xFFFFFFFF") << -1 << true;
    QTest::newRow("empty") << QByteArray("") << 450 << true;
}

void TestIniFile::readsValuesWithDefaults()
{
    QFETCH(QByteArray, value);
    QFETCH(int, integer);
    QFETCH(bool, boolean);
    WriteBytes(Path, "[Form]\nHeight=" + value + "\n");
    const TIniFile Ini(Std(Path));
    QCOMPARE(Ini.ReadInteger("Form", "Height", 450), integer);
    QCOMPARE(Ini.ReadBool("Form", "Height", true), boolean);
    QCOMPARE(Ini.ReadInteger("Form", "Width", 571), 571);
    QCOMPARE(Ini.ReadInteger("Nowhere", "Height", 5), 5);
}

void TestIniFile::readsNamesWithoutRegardToCase()
{
    WriteBytes(Path, "[oPTIONS]\r\n  tolerant = 1 \r\nREVERSE=0\r\n");
    const TIniFile Ini(Std(Path));
    QCOMPARE(Ini.ReadBool("Options", "Tolerant", false), true);
    QCOMPARE(Ini.ReadBool("options", "Reverse", true), false);
    QCOMPARE(Ini.ReadString("OPTIONS", "tolerant", "x"), std::string("1"));
}

void TestIniFile::readsOnlyTheFirstSectionAndKey()
{
    WriteBytes(Path, "Dir=/outside\n; Dir=/comment\n[Paths]\n;Dir=/c\n#Dir=/d\nDir=/first\n"
                     "dir=/second\n[Paths]\nDir=/third\n");
    const TIniFile Ini(Std(Path));
    QCOMPARE(Ini.ReadString("Paths", "Dir", "none"), std::string("/first"));
}

void TestIniFile::cutsLongStrings()
{
    WriteBytes(Path, "[Paths]\nDir=" + QByteArray(3000, 'a') + "\n");
    const TIniFile Ini(Std(Path));
    QCOMPARE(Ini.ReadString("Paths", "Dir", "").size(), std::size_t(2047));
}

void TestIniFile::writesAKeyWhereItStands()
{
    WriteBytes(Path, "[Form]\nwidth = 700\nHeight=500\n");
    TIniFile Ini(Std(Path));
    Ini.WriteInteger("FORM", "Width", 800);
    QCOMPARE(ReadBytes(Path), QByteArray("[Form]\nWidth=800\nHeight=500\n"));
}

void TestIniFile::appendsNewKeysAndSections()
{
    WriteBytes(Path, "[Form]\nHeight=500\n\n[View]\nToolbar=1");
    TIniFile Ini(Std(Path));
    Ini.WriteInteger("Form", "Top", 60);
    Ini.WriteBool("View", "Statusbar", false);
    Ini.WriteString("Paths", "Dir", "/home/les/");
    QCOMPARE(ReadBytes(Path), QByteArray("[Form]\nHeight=500\nTop=60\n\n[View]\nToolbar=1\nStatusbar=0\n"
                                         "\n[Paths]\nDir=/home/les/\n"));

    QFile::remove(Path);
    TIniFile Fresh(Std(Path));
    Fresh.WriteBool("Options", "Reverse", true);
    QCOMPARE(ReadBytes(Path), QByteArray("[Options]\nReverse=1\n"));
}

void TestIniFile::keepsOtherLinesByteForByte()
{
    const QByteArray Before = "; settings of the trainer\r\n"
                              "\r\n"
                              "[Options]\r\n"
                              "Reverse=0\r\n"
                              "FutureOption = maybe\r\n"
                              "   \r\n"
                              "no equals sign here\r\n"
                              "[Other] ; trailing\r\n"
                              "Reverse=0\r\n";
    WriteBytes(Path, Before);
    TIniFile Ini(Std(Path));
    Ini.WriteBool("Options", "Reverse", true);
    Ini.WriteBool("Options", "Tolerant", true);
    QByteArray Expected = Before;
    Expected.replace("Reverse=0\r\nFuture", "Reverse=1\r\nFuture");
    Expected.replace("no equals sign here\r\n", "no equals sign here\r\nTolerant=1\r\n");
    QCOMPARE(ReadBytes(Path), Expected);
    QCOMPARE(Ini.ReadBool("Other", "Reverse", true), false);
}

void TestIniFile::leavesTheFileAloneWhenTheValueIsTheSame()
{
    const QByteArray Before = "[View]\n  Toolbar =  1   \n";
    WriteBytes(Path, Before);
    TIniFile Ini(Std(Path));
    Ini.WriteBool("View", "Toolbar", true);
    QCOMPARE(ReadBytes(Path), Before);
}

void TestIniFile::writesThroughASymbolicLink()
{
    const QString Real = Folder->filePath("real.ini");
    WriteBytes(Real, "[View]\nToolbar=1\n");
    QVERIFY(QFile::link(Real, Path));
    TIniFile Ini(Std(Path));
    Ini.WriteBool("View", "Toolbar", false);
    QVERIFY(QFileInfo(Path).isSymLink());
    QCOMPARE(ReadBytes(Real), QByteArray("[View]\nToolbar=0\n"));
}

void TestIniFile::writeAndReadBackRoundTrip()
{
    TIniFile Ini(Std(Path));
    Ini.WriteString("Paths", "Dir", "/tmp/met spatie/é/");
    Ini.WriteInteger("Form", "Left", -1200);
    Ini.WriteBool("View", "HelpBalloons", false);
    QCOMPARE(Ini.ReadString("paths", "dir", ""), std::string("/tmp/met spatie/é/"));
    QCOMPARE(Ini.ReadInteger("Form", "Left", 60), -1200);
    QCOMPARE(Ini.ReadBool("View", "HelpBalloons", true), false);
    QCOMPARE(QDir(Folder->path()).entryList(QDir::Files), QStringList{"memorant.ini"});
}

void TestIniFile::unwritablePlaceFailsAndLeavesNoTrace()
{
    // A file where a folder should be stops even root.
    WriteBytes(Folder->filePath("plain"), "x");
    TIniFile InFile(Std(Folder->filePath("plain/memorant.ini")));
    QVERIFY_THROWS_EXCEPTION(EIniWriteError, InFile.WriteBool("View", "Toolbar", true));
    TIniFile Missing(Std(Folder->filePath("gone/memorant.ini")));
    QVERIFY_THROWS_EXCEPTION(EIniWriteError, Missing.WriteBool("View", "Toolbar", true));
    QCOMPARE(Missing.ReadBool("View", "Toolbar", true), true);
    // procfs takes no new files, not even from root.
    TIniFile InProc("/proc/memorant-settings.ini");
    QVERIFY_THROWS_EXCEPTION(EIniWriteError, InProc.WriteBool("View", "Toolbar", true));
    QCOMPARE(QDir(Folder->path()).entryList(QDir::Files), QStringList{"plain"});
}

void TestIniFile::refusesValuesThatWouldBreakTheFile()
{
    WriteBytes(Path, "[Paths]\nDir=/a/\n");
    TIniFile Ini(Std(Path));
    QVERIFY_THROWS_EXCEPTION(EIniWriteError, Ini.WriteString("Paths", "Dir", "/a\n[Options]\nReverse=1"));
    QVERIFY_THROWS_EXCEPTION(EIniWriteError, Ini.WriteString("Paths", "Dir", std::string(3000, 'a')));
    QVERIFY_THROWS_EXCEPTION(EIniWriteError, Ini.WriteString("Pa]ths", "Dir", "/b/"));
    QVERIFY_THROWS_EXCEPTION(EIniWriteError, Ini.WriteString("Paths", "D=ir", "/b/"));
    QCOMPARE(ReadBytes(Path), QByteArray("[Paths]\nDir=/a/\n"));
}

void TestIniFile::binaryHugeAndBrokenFilesGiveDefaults()
{
    // Random bytes, NULs included, with a valid key hidden after them.
    std::mt19937 Random(7);
    QByteArray Binary;
    for (int i = 0; i < 20000; ++i)
        Binary.append(static_cast<char>(Random() & 0xFF));
    WriteBytes(Path, Binary);
    {
        TIniFile Ini(Std(Path));
        QCOMPARE(Ini.ReadInteger("Form", "Width", 571), 571);
        Ini.WriteInteger("Form", "Width", 700);
        QCOMPARE(Ini.ReadInteger("Form", "Width", 571), 700);
        QVERIFY(ReadBytes(Path).startsWith(Binary));
    }

    // Broken lines: brackets without end, equals without key, a line too
    // long to be a key.
    WriteBytes(Path, "[Form\n=5\n[Form]\n=7\nWidth\n" + QByteArray(10000, 'x') + "\n[View]\nToolbar=0\n"
                     "Height=" + QByteArray(9000, '1') + "\n");
    {
        const TIniFile Ini(Std(Path));
        QCOMPARE(Ini.ReadInteger("Form", "Width", 571), 571);
        QCOMPARE(Ini.ReadBool("View", "Toolbar", true), false);
        QCOMPARE(Ini.ReadInteger("View", "Height", 450), 450);
    }

    // Too large to be ours: read as empty and never rewritten.
    QByteArray Huge = "[Form]\nWidth=700\n";
    Huge.append(QByteArray(TIniFile::MaxFileSize, ';'));
    WriteBytes(Path, Huge);
    {
        TIniFile Ini(Std(Path));
        QCOMPARE(Ini.ReadInteger("Form", "Width", 571), 571);
        QVERIFY_THROWS_EXCEPTION(EIniWriteError, Ini.WriteInteger("Form", "Width", 800));
        QCOMPARE(QFileInfo(Path).size(), Huge.size());
    }

    // A folder in the file's place.
    QFile::remove(Path);
    QVERIFY(QDir(Folder->path()).mkdir("memorant.ini"));
    TIniFile Ini(Std(Path));
    QCOMPARE(Ini.ReadBool("View", "Toolbar", true), true);
    QVERIFY_THROWS_EXCEPTION(EIniWriteError, Ini.WriteBool("View", "Toolbar", false));
}

void TestIniFile::anyBytesSurviveLoadAndSave()
{
    std::mt19937 Random(11);
    for (int Round = 0; Round < 200; ++Round) {
        std::string Bytes;
        const int Length = static_cast<int>(Random() % 300);
        for (int i = 0; i < Length; ++i) {
            static const char Alphabet[] = "[]=;\r\n \tabAB01x\0\xFF";
            Bytes.push_back(Alphabet[Random() % (sizeof Alphabet - 1)]);
        }
        TIniText Text(Bytes);
        QCOMPARE(Text.SaveToString(), Bytes);
        Text.Set("Form", "Width", "12");
        std::string Value;
        QVERIFY(Text.Find("form", "WIDTH", Value));
        QCOMPARE(Value, std::string("12"));
        QCOMPARE(TIniText(Text.SaveToString()).SaveToString(), Text.SaveToString());
    }
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
