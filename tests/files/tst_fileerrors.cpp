// SPDX-License-Identifier: GPL-3.0-or-later
// Failed reads and writes of table files as the user meets them: through the
// program's own application object, whose general error display shows the
// message, while the table keeps its changes.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include "app/memorantapplication.h"
#include "dialogscript.h"
#include "mainfixture.h"

#define VERIFY_SCRIPT(Script) QTRY_VERIFY2((Script).Finished(), qPrintable((Script).Report()))

namespace {

const QString SaveChanges = QStringLiteral("De huidige tabel is gewijzigd, opslaan?");
const QString Overwrite = QStringLiteral("Bestand bestaat al, overschrijven?");

// Runs a menu command from the event loop, as a click does.
void Click(QAction* Command) { QMetaObject::invokeMethod(Command, &QAction::trigger, Qt::QueuedConnection); }

} // namespace

class TestFileErrors : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { Fixture.reset(); }

    void unreadableTableAmongSeveral();
    void typedNameOfAMissingFile();
    void saveOnAFullDisk();
    void failedSaveWhileClosingKeepsTheWindowOpen();

private:
    std::unique_ptr<TMainFixture> Fixture;
    TfrmMain& Main() { return *Fixture->Main; }
    TQuestionlist& Table() { return Fixture->Table(); }
};

void TestFileErrors::init()
{
    Fixture = std::make_unique<TMainFixture>();
    QVERIFY(Fixture->Folder.isValid());
    Fixture->Start();
}

void TestFileErrors::unreadableTableAmongSeveral()
{
    const QString A = Fixture->WriteTable("a.mt4", {"a1 = x"});
    const QString Bad = Fixture->Path("kapot.mt4");
    QVERIFY(QFile::link("/proc/self/mem", Bad)); // reading it fails, also for root
    const QString C = Fixture->WriteTable("c.mt4", {"c1 = w"});
    QString Message;
    TDialogScript Script;
    Script.ChooseFiles({A, Bad, C}).Then("GeneralError", [&Message](QWidget* Box) {
        Message = Box->property("text").toString();
        Box->close();
    });
    Click(Main().mnuOpenen);
    VERIFY_SCRIPT(Script);
    // The error number comes with its reason in words.
    QCOMPARE(Message, "Fout tijdens inlezen " + Bad + ": 5 (invoer-/uitvoerfout)");
    QCOMPARE(Entries(Table()), QStringList({"a1=x"}));
    QVERIFY(Main().isVisible());
}

void TestFileErrors::typedNameOfAMissingFile()
{
    // A typed folder opens it, as in every file dialog.
    QVERIFY(QDir(Fixture->Folder.path()).mkdir("sub"));
    QString Shown;
    TDialogScript Folder;
    Folder.Then("QFileDialog", [this, &Shown](QWidget* Widget) {
        auto* Dialog = qobject_cast<QFileDialog*>(Widget);
        Dialog->findChild<QLineEdit*>("fileNameEdit")->setText(Fixture->Path("sub"));
        static_cast<QDialog*>(Dialog)->accept(); // as the button would
        Shown = Dialog->isVisible() ? Dialog->directory().absolutePath() : QString();
        Dialog->reject();
    });
    Click(Main().mnuOpenen);
    VERIFY_SCRIPT(Folder);
    QCOMPARE(Shown, Fixture->Path("sub"));

    // A typed name of a file that does not exist reaches the program, which
    // says so in its own words.
    const QString Missing = Fixture->Path("sub/bestaatniet.mt4");
    QString Message;
    TDialogScript Script;
    Script.Then("QFileDialog", [Missing](QWidget* Dialog) {
        auto* Edit = Dialog->findChild<QLineEdit*>("fileNameEdit");
        QTest::keyClicks(Edit, Missing);
        QTest::keyClick(Edit, Qt::Key_Return);
    });
    Script.Then("GeneralError", [&Message](QWidget* Box) {
        Message = Box->property("text").toString();
        Box->close();
    });
    Click(Main().mnuOpenen);
    VERIFY_SCRIPT(Script);
    QCOMPARE(Message, "Bestand " + Missing + " bestaat niet.");
    QCOMPARE(Table().Count(), 0);
}

void TestFileErrors::saveOnAFullDisk()
{
    const QString Full = Fixture->Path("vol.mt4");
    QVERIFY(QFile::link("/dev/full", Full));
    Table().Add("een", "one");
    Table().Changed = true;
    Main().UpdateCommandStates();
    QString Message;
    TDialogScript Script;
    Script.ChooseFiles({Full}).AnswerYes(Overwrite).Then("GeneralError", [&Message](QWidget* Box) {
        Message = Box->property("text").toString();
        Box->close();
    });
    Click(Main().mnuOpslaan);
    VERIFY_SCRIPT(Script);
    QCOMPARE(Message, "Fout tijdens schrijven " + Full + ": 28 (schijf vol)");
    QVERIFY(Table().Changed);
    QCOMPARE(Table().Count(), 1);
}

void TestFileErrors::failedSaveWhileClosingKeepsTheWindowOpen()
{
    const QString Full = Fixture->Path("vol.mt4");
    QVERIFY(QFile::link("/dev/full", Full));
    Table().Add("een", "one");
    Table().ListName = Full.toStdString();
    Table().Changed = true;
    TDialogScript Script;
    Script.AnswerYes(SaveChanges).Then("GeneralError", [](QWidget* Box) { Box->close(); });
    QVERIFY(!Main().close());
    VERIFY_SCRIPT(Script);
    QVERIFY(Main().isVisible());
    QVERIFY(Table().Changed);

    // Once the changes are given up, the window closes.
    TDialogScript GiveUp;
    GiveUp.AnswerNo(SaveChanges);
    QVERIFY(Main().close());
    VERIFY_SCRIPT(GiveUp);
    QVERIFY(!Main().isVisible());
}

int main(int Argc, char** Argv)
{
    TMemorantApplication Application(Argc, Argv);
    TestFileErrors Test;
    return QTest::qExec(&Test, Argc, Argv);
}

#include "tst_fileerrors.moc"
