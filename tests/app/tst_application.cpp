// SPDX-License-Identifier: GPL-3.0-or-later
// The program as it starts: its own application object on a command line full
// of Qt's switches, Qt's dialogs in Dutch, window titles without additions,
// and the program's icon.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

#include "app/frmmain.h"
#include "app/memorantapplication.h"
#include "files/dialogscript.h"
#include "files/filecommands.h"
#include "files/mainfixture.h"
#include "files/windowsettings.h"

#define VERIFY_SCRIPT(Script) QTRY_VERIFY2((Script).Finished(), qPrintable((Script).Report()))

namespace {

// The command line the test program is started with, after its own name:
// Qt's switches mixed with the program's, and a table named after a switch.
const QStringList CommandLine = {"-reverse", "-style", "windows", "-platform", "xcb",
                                 "-geometry", "100x100+5+5", "-E", "-qwindowtitle", "les.MT4"};

// The texts of the buttons in a button box.
QStringList ButtonTexts(const QWidget* Dialog)
{
    QStringList Texts;
    if (const auto* Box = Dialog->findChild<QDialogButtonBox*>())
        for (const QAbstractButton* Button : Box->buttons())
            Texts << Button->text();
    return Texts;
}

} // namespace

class TestApplication : public QObject {
    Q_OBJECT

public:
    explicit TestApplication(TMemorantApplication& Application) : Application(Application) {}

private slots:
    void qtSwitchesAreNotTakenFromTheCommandLine();
    void commandLineGoesToTheWindowAsTyped();
    void windowTitlesHaveNothingAppended();
    void qtDialogsSpeakDutch();
    void fileDialogSpeaksDutch();
    void withoutTranslationsQtStaysEnglish();
    void programHasItsIcon();

private:
    TMemorantApplication& Application;
};

void TestApplication::qtSwitchesAreNotTakenFromTheCommandLine()
{
    QCOMPARE(Application.ProgramArguments(), CommandLine);
    QCOMPARE(QCoreApplication::arguments().size(), 1);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen")); // from the environment only
    QVERIFY2(Application.style()->name().compare(QStringLiteral("windows"), Qt::CaseInsensitive) != 0,
             qPrintable(Application.style()->name()));
}

void TestApplication::commandLineGoesToTheWindowAsTyped()
{
    // In a folder of its own, where "les.MT4" and "windows" name tables.
    TMainFixture Fixture;
    QVERIFY(Fixture.Folder.isValid());
    Fixture.WriteTable(QStringLiteral("les.MT4"), {"een = one", "twee = two"});
    Fixture.WriteTable(QStringLiteral("windows"), {"drie = three"});
    const QString Previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Fixture.Folder.path()));
    TfrmMain Main;
    Main.WindowSettings->SetFileName(Fixture.Path(QStringLiteral("memorant.ini")));
    Main.SetCommandLine(Application.ProgramArguments());
    Main.show();
    QTRY_VERIFY(!Main.FirstActivation);
    QDir::setCurrent(Previous);

    // "windows" and "les.MT4" are tables, "-E" hides editing and so does
    // "-platform" printing (only the letter after the minus counts); the
    // other switches of Qt are options the program does not know.
    QCOMPARE(Entries(Main.QuestionList), QStringList({"drie=three", "een=one", "twee=two"}));
    QCOMPARE(Main.State, static_cast<int>(msIdle));
    QVERIFY(!Main.mnuTabelbewerken->isVisible());
    QVERIFY(!Main.mnuAfdrukken->isVisible());
    QVERIFY(Main.mnuTraining->isVisible());
    QCOMPARE(Main.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(Main.windowTitle(), QStringLiteral("MEMORANT - PARATE KENNIS TRAINER"));
}

void TestApplication::windowTitlesHaveNothingAppended()
{
    // The platform adds the display name to every title once it is set; a
    // display name that was never set follows the application's name.
    const QString Name = QCoreApplication::applicationName();
    QCOMPARE(Name, QString::fromLatin1(ProgramTitle));
    QCoreApplication::setApplicationName(QStringLiteral("proef"));
    const QString Display = QGuiApplication::applicationDisplayName();
    QCoreApplication::setApplicationName(Name);
    QCOMPARE(Display, QStringLiteral("proef"));

    TfrmMain Main;
    QCOMPARE(Main.windowTitle(), QStringLiteral("MEMORANT - PARATE KENNIS TRAINER"));
}

void TestApplication::qtDialogsSpeakDutch()
{
    QString Cancel;
    QStringList Buttons;
    TDialogScript Script;
    Script.Then(QStringLiteral("QInputDialog"), [&Buttons](QWidget* Dialog) {
        Buttons = ButtonTexts(Dialog);
        static_cast<QDialog*>(Dialog)->reject();
    });
    bool Ok = true;
    QInputDialog::getInt(nullptr, QStringLiteral("Bepaal grootte van steekproef"), QStringLiteral("Aantal"), 20, 1,
                         100, 1, &Ok);
    VERIFY_SCRIPT(Script);
    QVERIFY(!Ok);
    QVERIFY2(Buttons.contains(QStringLiteral("Annuleren")), qPrintable(Buttons.join(u',')));

    // The context menu of an edit field.
    QLineEdit Edit;
    Edit.setText(QStringLiteral("woord"));
    std::unique_ptr<QMenu> Menu(Edit.createStandardContextMenu());
    QStringList Items;
    for (const QAction* Item : Menu->actions())
        Items << Item->text().remove(u'&').section(u'\t', 0, 0);
    QVERIFY2(Items.contains(QStringLiteral("Plakken")) && Items.contains(QStringLiteral("Knippen")),
             qPrintable(Items.join(u',')));
}

void TestApplication::fileDialogSpeaksDutch()
{
    QWidget Owner;
    std::unique_ptr<QFileDialog> Dialog(MakeTableDialog(&Owner, QStringLiteral("dlgOpen"), OpenTableFilter, false));
    Dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(Dialog.get()));
    QStringList Labels;
    for (const char* Name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
        Labels << Dialog->findChild<QLabel*>(QString::fromLatin1(Name))->text().remove(u'&');
    QCOMPARE(Labels, QStringList({"Zoeken in:", "Bestandsnaam:", "Bestanden van type:"}));
    QStringList Buttons = ButtonTexts(Dialog.get());
    Buttons.replaceInStrings(QStringLiteral("&"), QString());
    QCOMPARE(Buttons.size(), 2);
    QVERIFY2(Buttons.contains(QStringLiteral("Openen")) && Buttons.contains(QStringLiteral("Annuleren")),
             qPrintable(Buttons.join(u',')));
}

void TestApplication::withoutTranslationsQtStaysEnglish()
{
    QTemporaryDir Empty;
    QVERIFY(Empty.isValid());
    QVERIFY(!LoadQtTranslations(Application, {Empty.path(), Empty.filePath(QStringLiteral("missing"))}));
    QVERIFY(LoadQtTranslations(Application, QtTranslationFolders()));
}

void TestApplication::programHasItsIcon()
{
    const QIcon Icon = QApplication::windowIcon();
    QVERIFY(!Icon.isNull());
    QVERIFY(Icon.availableSizes().contains(QSize(256, 256)));
    QVERIFY(Icon.availableSizes().contains(QSize(16, 16)));
}

int main(int Argc, char** Argv)
{
    std::vector<QByteArray> Storage = {QByteArray(Argc > 0 ? Argv[0] : "tst_application")};
    for (const QString& Argument : CommandLine)
        Storage.push_back(Argument.toLocal8Bit());
    std::vector<char*> Arguments;
    for (QByteArray& Argument : Storage)
        Arguments.push_back(Argument.data());
    Arguments.push_back(nullptr);
    int Count = static_cast<int>(Storage.size());
    TMemorantApplication Application(Count, Arguments.data());
    TestApplication Test(Application);
    return QTest::qExec(&Test, 1, Argv);
}

#include "tst_application.moc"
