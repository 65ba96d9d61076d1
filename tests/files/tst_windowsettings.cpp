// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as the main window reads it at start and writes it at
// close: options, bounds and state, view toggles, and what must survive.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <random>

#include "app/quizoptions.h"
#include "dialogscript.h"
#include "files/windowsettings.h"
#include "mainfixture.h"

#define VERIFY_SCRIPT(Script) QVERIFY2((Script).Finished(), qPrintable((Script).Report()))

class TestWindowSettings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { Fixture.reset(); }

    void noSettingsFileGivesTheDefaults();
    void valuesFromTheFile();
    void hiddenStatusBarIsKept();
    void optionsAndBoundsRoundTrip();
    void sampleIsNeverKept();
    void commentsAndUnknownKeysSurviveAClose();
    void windowStateAndBoundsAreBroughtOnScreen_data();
    void windowStateAndBoundsAreBroughtOnScreen();
    void unwritableFolderStartsWithDefaultsAndClosesQuietly();
    void binaryHugeAndBrokenSettingsFiles();
    void defaultFileIsBesideTheProgram();

private:
    void StartWith(const QByteArray& Ini);
    void Restart();
    void CloseQuietly();
    [[nodiscard]] QByteArray Ini() const { return TMainFixture::Read(Fixture->IniPath()); }

    std::unique_ptr<TMainFixture> Fixture;
    TfrmMain& Main() { return *Fixture->Main; }
};

void TestWindowSettings::init()
{
    Fixture = std::make_unique<TMainFixture>();
    QVERIFY(Fixture->Folder.isValid());
}

void TestWindowSettings::StartWith(const QByteArray& Ini)
{
    TMainFixture::Write(Fixture->Path("memorant.ini"), Ini);
    Fixture->Start();
}

void TestWindowSettings::CloseQuietly()
{
    TDialogScript NoQuestions;
    QVERIFY(Main().close());
    VERIFY_SCRIPT(NoQuestions);
}

void TestWindowSettings::Restart()
{
    CloseQuietly();
    Fixture->Stop();
    Fixture->Start();
}

void TestWindowSettings::noSettingsFileGivesTheDefaults()
{
    Fixture->Start();
    QCOMPARE(Main().pos(), QPoint(60, 60));
    QCOMPARE(Main().size(), QSize(571, 450).expandedTo(Main().minimumSize()));
    QCOMPARE(Main().windowState(), Qt::WindowNoState);
    for (QAction* Option : {Main().mnuOmgekeerd, Main().mnuRepeteren, Main().mnuTolerant, Main().mnuSteekproef,
                            Main().mnuIntelliMC, Main().mnuSequential})
        QVERIFY2(!Option->isChecked(), qPrintable(Option->objectName()));
    QVERIFY(Main().Toolbar->isVisible());
    QVERIFY(Main().StatusBar->isVisible());
    QVERIFY(Main().mnuHelpballonnetjes->isChecked());
    QVERIFY2(!QFile::exists(Fixture->IniPath()), "nothing is written before the first close");
}

void TestWindowSettings::valuesFromTheFile()
{
    StartWith("[Options]\nRepeatErrors=1\nTolerant=1\nIntelliMC=2\n"
              "[View]\nToolbar=ja\nHelpBalloons=0\n[Form]\nWidth=0x300\nHeight=520\n");
    QVERIFY(Main().mnuRepeteren->isChecked());
    QVERIFY(Main().btnRepeteren->isChecked());
    QVERIFY(Main().mnuTolerant->isChecked());
    QVERIFY(Main().btnTolerant->isChecked());
    QVERIFY(!Main().mnuOmgekeerd->isChecked());
    QVERIFY(!Main().btnOmgekeerd->isChecked());
    QVERIFY(Main().mnuIntelliMC->isChecked());
    QVERIFY(Main().mnuKnoppenbalk->isChecked());
    QVERIFY(Main().Toolbar->isVisible());
    QVERIFY(!Main().mnuHelpballonnetjes->isChecked());
    QCOMPARE(Main().width(), 768);
    QCOMPARE(Main().height(), 520);
}

void TestWindowSettings::hiddenStatusBarIsKept()
{
    Fixture->Start();
    Main().mnuStatusbalk->trigger();
    QVERIFY(!Main().StatusBar->isVisible());
    CloseQuietly();
    QVERIFY(Ini().contains("Statusbar=0\n"));

    Fixture->Stop();
    Fixture->Start();
    QVERIFY(!Main().StatusBar->isVisible());
    QVERIFY(!Main().mnuStatusbalk->isChecked());
    QVERIFY(Main().Toolbar->isVisible());
}

void TestWindowSettings::optionsAndBoundsRoundTrip()
{
    Fixture->Start();
    Main().QuizOptions->ToggleReverse();
    Main().QuizOptions->ToggleSequential();
    Main().QuizOptions->ToggleIntelliMC();
    Main().mnuKnoppenbalk->trigger();
    Main().resize(720, 530);
    Main().move(90, 70);
    Restart();
    QVERIFY(Main().mnuOmgekeerd->isChecked());
    QVERIFY(Main().btnOmgekeerd->isChecked());
    QVERIFY(Main().mnuSequential->isChecked());
    QVERIFY(Main().btnSequential->isChecked());
    QVERIFY(Main().mnuIntelliMC->isChecked());
    QVERIFY(!Main().mnuRepeteren->isChecked());
    QVERIFY(!Main().Toolbar->isVisible());
    QVERIFY(!Main().mnuKnoppenbalk->isChecked());
    QCOMPARE(Main().size(), QSize(720, 530));
    QCOMPARE(Main().pos(), QPoint(90, 70));
}

void TestWindowSettings::sampleIsNeverKept()
{
    Fixture->Start();
    Main().QuizOptions->ToggleSample();
    QVERIFY(Main().mnuSteekproef->isChecked());
    Restart();
    QVERIFY(!Main().mnuSteekproef->isChecked());
    QVERIFY(!Main().btnSteekproef->isChecked());
    QVERIFY(!Ini().contains("Sample"));
}

void TestWindowSettings::commentsAndUnknownKeysSurviveAClose()
{
    const QByteArray File = "; Instellingen van de trainer\r\n"
                            "\r\n"
                            "[Options]\r\n"
                            "Reverse=0\r\n"
                            "; nog een opmerking\r\n"
                            "Language=nl\r\n"
                            "RepeatErrors=0\r\n"
                            "Tolerant=1\r\n"
                            "IntelliMC=1\r\n"
                            "Sequential=0\r\n"
                            "\r\n"
                            "[Extra]\r\n"
                            "Foo = bar baz\r\n"
                            "\r\n"
                            "[Form]\r\n"
                            "Height=500\r\n"
                            "Width=700\r\n"
                            "Left=100\r\n"
                            "Top=80\r\n"
                            "State=0\r\n"
                            "[View]\r\n"
                            "Toolbar=1\r\n"
                            "Statusbar=0\r\n"
                            "HelpBalloons=1\r\n"
                            "Unknown=17\r\n"
                            "[Paths]\r\n"
                            "Dir=/tmp/\r\n";
    StartWith(File);
    QVERIFY(Main().mnuTolerant->isChecked());
    CloseQuietly();
    QCOMPARE(Ini(), File);
}

void TestWindowSettings::windowStateAndBoundsAreBroughtOnScreen_data()
{
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<Qt::WindowStates>("state");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("maximised") << QByteArray("State=2") << Qt::WindowStates(Qt::WindowMaximized) << QPoint();
    QTest::newRow("unknown state") << QByteArray("State=7\nLeft=30\nTop=40") << Qt::WindowStates()
                                   << QPoint(30, 40);
    QTest::newRow("far right") << QByteArray("Left=50000\nTop=100") << Qt::WindowStates() << QPoint(60, 60);
    QTest::newRow("far above") << QByteArray("Left=10\nTop=-3000") << Qt::WindowStates() << QPoint(60, 60);
    QTest::newRow("only a corner") << QByteArray("Left=-560\nTop=-430\nWidth=600\nHeight=500") << Qt::WindowStates() << QPoint(60, 60);
}

void TestWindowSettings::windowStateAndBoundsAreBroughtOnScreen()
{
    QFETCH(QByteArray, form);
    QFETCH(Qt::WindowStates, state);
    QFETCH(QPoint, position);
    StartWith("[Form]\n" + form + "\n");
    QCOMPARE(Main().windowState(), state);
    if (!position.isNull())
        QCOMPARE(Main().pos(), position);
    QVERIFY(Main().isVisible());
}

void TestWindowSettings::unwritableFolderStartsWithDefaultsAndClosesQuietly()
{
    // A file where the folder should be stops every user, root included.
    TMainFixture::Write(Fixture->Path("plain"), "x");
    Fixture->Start(Fixture->Path("plain/memorant.ini"));
    QCOMPARE(Main().pos(), QPoint(60, 60));
    Main().QuizOptions->ToggleTolerant();
    CloseQuietly();
    QVERIFY(!Main().isVisible());
    QCOMPARE(QDir(Fixture->Folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"plain"}));
}

void TestWindowSettings::binaryHugeAndBrokenSettingsFiles()
{
    std::mt19937 Random(3);
    QByteArray Binary;
    for (int i = 0; i < 4096; ++i)
        Binary.append(static_cast<char>(Random()));
    StartWith(Binary);
    QCOMPARE(Main().pos(), QPoint(60, 60));
    QVERIFY(Main().Toolbar->isVisible());
    Fixture->Stop();

    QByteArray Huge = "[View]\nToolbar=0\n";
    Huge.append(QByteArray(TIniFile::MaxFileSize, '\n'));
    StartWith(Huge);
    QVERIFY(Main().Toolbar->isVisible());
    CloseQuietly();
    QCOMPARE(Ini().size(), Huge.size()); // not ours to rewrite
    Fixture->Stop();

    StartWith("[Form\nLeft=300\n[Options\nTolerant=1\n[View]\nStatusbar\nToolbar=0\x01\nHelpBalloons=0\n"
              "[Form]\nTop=abc\nLeft=\n");
    QCOMPARE(Main().pos(), QPoint(60, 60));
    QVERIFY(!Main().mnuTolerant->isChecked());
    QVERIFY(Main().StatusBar->isVisible());
    QVERIFY(Main().Toolbar->isVisible()); // "0\x01" is no number
    QVERIFY(!Main().mnuHelpballonnetjes->isChecked());
}

void TestWindowSettings::defaultFileIsBesideTheProgram()
{
    const QString Expected = QCoreApplication::applicationDirPath() + "/"
        + QFileInfo(QCoreApplication::applicationFilePath()).fileName() + ".ini";
    QCOMPARE(TWindowSettings::DefaultFileName(), Expected);
}

QTEST_MAIN(TestWindowSettings)
#include "tst_windowsettings.moc"
