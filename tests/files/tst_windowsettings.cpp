// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as the main window reads it at start and writes it at
// close: options, bounds and state, view toggles, and what must survive.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <random>

#include "app/quizoptions.h"
#include "app/speechcommands.h"
#include "app/statuspanels.h"
#include "dialogscript.h"
#include "files/filecommands.h"
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
    void automaticSpeechIsKept();
    void commentsAndUnknownKeysSurviveAClose();
    void windowStateAndBoundsAreBroughtOnScreen_data();
    void windowStateAndBoundsAreBroughtOnScreen();
    void unwritableFolderStartsWithDefaultsAndSaysSoOnceAtClose();
    void binaryHugeAndBrokenSettingsFiles();
    void defaultFileIsBesideTheProgram();
    void settingsLieBesideAPortableCopyOnly();
    void configurationFolderIsMadeWhenFirstWritten();
    void tableDialogsStartInDocumentsWhenTheProgramFolderIsNotOurs();

private:
    void StartWith(const QByteArray& Ini);
    void Restart();
    void CloseQuietly();
    void CloseWithSettingsNotKept();
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

// Closing tells once that the settings could not be kept, and closes.
void TestWindowSettings::CloseWithSettingsNotKept()
{
    QString Message;
    TDialogScript Script;
    Script.Then("SettingsNotKept", [&Message](QWidget* Box) {
        Message = Box->property("text").toString();
        Box->close();
    });
    QVERIFY(Main().close());
    VERIFY_SCRIPT(Script);
    QCOMPARE(Message, "De instellingen konden niet worden bewaard in " + Fixture->IniPath() + ".");
    QVERIFY(!Main().isVisible());
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

void TestWindowSettings::automaticSpeechIsKept()
{
    Fixture->Start();
    QAction* AutoSpeak = Main().Speech->mnuAutomatischUitspreken;
    QVERIFY(!AutoSpeak->isChecked());
    AutoSpeak->trigger();
    Restart();
    QVERIFY(Main().Speech->mnuAutomatischUitspreken->isChecked());
    QVERIFY(Ini().contains("AutoSpeak=1"));
    Main().Speech->mnuAutomatischUitspreken->trigger();
    Restart();
    QVERIFY(!Main().Speech->mnuAutomatischUitspreken->isChecked());
    QVERIFY(Ini().contains("AutoSpeak=0"));
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
                            "Screen=" + QGuiApplication::primaryScreen()->name().toUtf8() + "\r\n"
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

void TestWindowSettings::unwritableFolderStartsWithDefaultsAndSaysSoOnceAtClose()
{
    // A file where the folder should be stops every user, root included.
    TMainFixture::Write(Fixture->Path("plain"), "x");
    Fixture->Start(Fixture->Path("plain/memorant.ini"));
    QCOMPARE(Main().pos(), QPoint(60, 60));
    Main().QuizOptions->ToggleTolerant();

    // The folder of a chosen table cannot be kept either; that goes unsaid.
    const QString Table = Fixture->WriteTable("les.mt4", {"een = one"});
    TDialogScript Open;
    Open.ChooseFiles({Table});
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Open);
    QCOMPARE(Main().QuestionList.Count(), 1);

    CloseWithSettingsNotKept();
    QCOMPARE(QDir(Fixture->Folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"les.mt4", "plain"}));
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
    CloseWithSettingsNotKept();
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

void TestWindowSettings::settingsLieBesideAPortableCopyOnly()
{
    const QString Config = Fixture->Path("config");
    const QString InConfig = Fixture->Path("config/memorant/memorant.ini");
    QCOMPARE(TWindowSettings::UserFileName(Config), InConfig);

    // An unpacked copy in a folder the user may write.
    QVERIFY(QDir(Fixture->Folder.path()).mkpath("portable"));
    QCOMPARE(TWindowSettings::ChooseFileName(Fixture->Path("portable/memorant"), Config),
             Fixture->Path("portable/memorant.ini"));
    QCOMPARE(TWindowSettings::ChooseFileName(Fixture->Path("portable/memorant.exe"), Config),
             Fixture->Path("portable/memorant.ini"));

    // A folder that takes no files (a plain file stands where it should be).
    TMainFixture::Write(Fixture->Path("plain"), "x");
    QCOMPARE(TWindowSettings::ChooseFileName(Fixture->Path("plain/memorant"), Config), InConfig);

    // An installed copy, with its data in ../share/memorant: whoever may
    // write into its folder, the settings are the user's.
    QVERIFY(QDir(Fixture->Folder.path()).mkpath("usr/bin"));
    QVERIFY(QDir(Fixture->Folder.path()).mkpath("usr/share/memorant"));
    TMainFixture::Write(Fixture->Path("usr/bin/memorant.ini"), "[View]\nToolbar=0\n");
    QCOMPARE(TWindowSettings::ChooseFileName(Fixture->Path("usr/bin/memorant"), Config), InConfig);
    QVERIFY(!QFileInfo::exists(Fixture->Path("config")));
}

void TestWindowSettings::configurationFolderIsMadeWhenFirstWritten()
{
    const QString InConfig = TWindowSettings::UserFileName(Fixture->Path("config"));
    Fixture->Start(InConfig);
    QVERIFY(!QFileInfo::exists(Fixture->Path("config")));

    // The folder of a chosen table goes into the same file as the rest.
    const QString Table = Fixture->WriteTable("les.mt4", {"een = one"});
    TDialogScript Open;
    Open.ChooseFiles({Table});
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Open);
    QVERIFY(Ini().contains("[Paths]"));

    Main().QuizOptions->ToggleTolerant();
    CloseQuietly();
    Fixture->Stop();
    Fixture->Start(InConfig);
    QVERIFY(Main().mnuTolerant->isChecked());
    QCOMPARE(Main().Files->InitialFolder(), Fixture->Folder.path() + "/");
    QVERIFY(Ini().contains("[Options]") && Ini().contains("[Form]") && Ini().contains("[View]"));
}

void TestWindowSettings::tableDialogsStartInDocumentsWhenTheProgramFolderIsNotOurs()
{
    QCOMPARE(TWindowSettings::DefaultTableFolder(Fixture->Folder.path()), Fixture->Folder.path() + "/");

    TMainFixture::Write(Fixture->Path("plain"), "x");
    QVERIFY(QDir(Fixture->Folder.path()).mkpath("usr/bin"));
    QVERIFY(QDir(Fixture->Folder.path()).mkpath("usr/share/memorant"));
    const QString Documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString Expected = (QFileInfo(Documents).isDir() ? Documents : QDir::homePath()) + "/";
    QCOMPARE(TWindowSettings::DefaultTableFolder(Fixture->Path("plain")), Expected);
    QCOMPARE(TWindowSettings::DefaultTableFolder(Fixture->Path("usr/bin")), Expected);
}

QTEST_MAIN(TestWindowSettings)
#include "tst_windowsettings.moc"
