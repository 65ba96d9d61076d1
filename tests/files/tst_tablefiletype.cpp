// SPDX-License-Identifier: GPL-3.0-or-later
// The file type the installation gives tables, as a desktop reads it from the
// shared-MIME-info package: what a double-click on a table file opens.
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString TableType = QStringLiteral("application/x-memorant-table");

} // namespace

class TestTableFileType : public QObject {
    Q_OBJECT

private slots:
    void tableFilesInAnyCase_data();
    void tableFilesInAnyCase();
    void tablesAreText();
};

void TestTableFileType::tableFilesInAnyCase_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<bool>("IsTable");
    for (const char* Name : {"les.MT4", "les.mt4", "Les.Mt4", "oud.mtw", "OUD.MTW", "dos.mt", "DOS.MT"})
        QTest::newRow(Name) << QString::fromLatin1(Name) << true;
    for (const char* Name : {"les.txt", "les.mt4.bak", "mt4", "les.mt5"})
        QTest::newRow(Name) << QString::fromLatin1(Name) << false;
}

void TestTableFileType::tableFilesInAnyCase()
{
    QFETCH(QString, Name);
    QFETCH(bool, IsTable);
    const QMimeType Type = QMimeDatabase().mimeTypeForFile(Name, QMimeDatabase::MatchExtension);
    QCOMPARE(Type.name() == TableType, IsTable);
}

void TestTableFileType::tablesAreText()
{
    const QMimeType Type = QMimeDatabase().mimeTypeForName(TableType);
    QVERIFY(Type.isValid());
    QVERIFY(Type.inherits(QStringLiteral("text/plain")));
    QCOMPARE(Type.comment(), QStringLiteral("Memorant table"));
}

// The data folders hold the package as installed, beside the system's types.
int main(int Argc, char** Argv)
{
    QTemporaryDir Data;
    const QString Packages = Data.filePath(QStringLiteral("mime/packages"));
    if (!Data.isValid() || !QDir().mkpath(Packages)
        || !QFile::copy(QStringLiteral(MEMORANT_SOURCE_DIR "/data/nl.memorant.Memorant.mime.xml"),
                        Packages + QStringLiteral("/nl.memorant.Memorant.xml")))
        qFatal("cannot lay out the MIME package");
    qputenv("XDG_DATA_HOME", QFile::encodeName(Data.path()));
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    QCoreApplication Application(Argc, Argv);
    TestTableFileType Test;
    return QTest::qExec(&Test, Argc, Argv);
}

#include "tst_tablefiletype.moc"
