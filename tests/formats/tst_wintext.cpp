// SPDX-License-Identifier: GPL-3.0-or-later
// The crossing between column bytes and text, in every code page a column
// can have: the letters land where the published code pages put them, and
// every byte survives a round trip.
#include <QTest>

#include "formats/wintext.h"
#include "editor/codepage.h"

class TestWinText : public QObject {
    Q_OBJECT
private slots:
    void ShowsEachColumnInItsCodePage_data();
    void ShowsEachColumnInItsCodePage();
    void EveryByteSurvivesARoundTrip();
    void RefusesCharactersTheCodePageLacks();
    void ReplacesWhatCannotBeHeld();
};

void TestWinText::ShowsEachColumnInItsCodePage_data()
{
    QTest::addColumn<int>("Charset");
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<QString>("Text");
    QTest::newRow("western") << 0 << QByteArray("caf\xE9 \x80") << QStringLiteral("café €");
    QTest::newRow("default set") << 1 << QByteArray("\xE9") << QStringLiteral("é");
    QTest::newRow("cyrillic") << 204 << QByteArray("\xD1\xEE\xE1\xE0\xEA\xE0") << QStringLiteral("Собака");
    QTest::newRow("greek") << 161 << QByteArray("\xF3\xEA\xFD\xEB\xEF\xF2") << QStringLiteral("σκύλος");
    QTest::newRow("central european") << 238 << QByteArray("\xBF\xF3\xB3w") << QStringLiteral("żółw");
    QTest::newRow("turkish") << 162 << QByteArray("\xFD\xFE\xF0") << QStringLiteral("ışğ");
    QTest::newRow("baltic") << 186 << QByteArray("\xE0\xE8") << QStringLiteral("ąč");
    QTest::newRow("hebrew") << 177 << QByteArray("\xF9\xEC\xE5\xED") << QStringLiteral("שלום");
    QTest::newRow("arabic") << 178 << QByteArray("\xD3\xE1\xC7\xE3") << QStringLiteral("سلام");
    QTest::newRow("thai") << 222 << QByteArray("\xA1\xD2") << QStringLiteral("กา");
    QTest::newRow("vietnamese") << 163 << QByteArray("\xC3") << QStringLiteral("Ă");
    QTest::newRow("other set") << 128 << QByteArray("\xE9") << QStringLiteral("é");
}

void TestWinText::ShowsEachColumnInItsCodePage()
{
    QFETCH(int, Charset);
    QFETCH(QByteArray, Bytes);
    QFETCH(QString, Text);
    QCOMPARE(ColumnToQt(Bytes.toStdString(), Charset), Text);
    QCOMPARE(QtToColumn(Text, Charset), std::optional<std::string>(Bytes.toStdString()));
}

void TestWinText::EveryByteSurvivesARoundTrip()
{
    std::string All;
    for (int Byte = 1; Byte < 256; ++Byte)
        All.push_back(static_cast<char>(Byte));
    for (const int CodePage : ColumnCodePages()) {
        const QString Shown = WinToQt(All, CodePage);
        QCOMPARE(Shown.size(), qsizetype(All.size()));
        QCOMPARE(QtToWin(Shown, CodePage), std::optional<std::string>(All));
    }
    // Windows-1252 leaves five bytes undefined; they stay C1 controls.
    QCOMPARE(WinToQt("\x81\x9D"), QString(QChar(0x81)) + QChar(0x9D));
}

void TestWinText::RefusesCharactersTheCodePageLacks()
{
    QVERIFY(!IsWinText(QStringLiteral("Собака")));
    QVERIFY(IsWinText(QStringLiteral("Собака"), 1251));
    QVERIFY(!IsWinText(QStringLiteral("é"), 1251));
    QVERIFY(!IsWinText(QStringLiteral("σ"), 1251));
    QVERIFY(IsWinText(QStringLiteral("é"), 1250));
    QVERIFY(!IsWinText(QStringLiteral("è"), 1250));
    QVERIFY(IsWinText(QStringLiteral("plain ASCII ~"), 874));
}

void TestWinText::ReplacesWhatCannotBeHeld()
{
    int Replaced = -1;
    QCOMPARE(QtToWinReplacing(QStringLiteral("Собака σκύλος"), 1251, Replaced), std::string("\xD1\xEE\xE1\xE0\xEA\xE0 ??????"));
    QCOMPARE(Replaced, 6);
    // A character outside the basic plane is one character, one "?".
    QCOMPARE(QtToWinReplacing(QStringLiteral("a😀b中"), 1252, Replaced), std::string("a?b?"));
    QCOMPARE(Replaced, 2);
    QCOMPARE(CharactersMissingIn(QStringLiteral("Ελλάδα и Россия"), 1253), 7);
}

QTEST_GUILESS_MAIN(TestWinText)
#include "tst_wintext.moc"
