// SPDX-License-Identifier: GPL-3.0-or-later
// New, open, save, save as and exit on the real main window, with the file
// dialogs and questions answered as a user would.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <functional>

#include "quizscreens/resultspanel.h"
#include "dialogscript.h"
#include "files/filecommands.h"
#include "files/inifile.h"
#include "mainfixture.h"

namespace {

const QString SaveChanges = QStringLiteral("De huidige tabel is gewijzigd, opslaan?");
const QString Overwrite = QStringLiteral("Bestand bestaat al, overschrijven?");

// The names a file dialog lists in its folder with Filter chosen, once the
// folder has been read.
QStringList Listed(QFileDialog* Dialog, const QString& Filter, qsizetype Expected)
{
    Dialog->selectNameFilter(Filter);
    const auto* View = Dialog->findChild<QListView*>(QStringLiteral("listView"));
    QStringList Names;
    auto Read = [&] {
        Names.clear();
        const QAbstractItemModel* Model = View->model();
        for (int Row = 0; Row < Model->rowCount(View->rootIndex()); ++Row) {
            const QModelIndex Index = Model->index(Row, 0, View->rootIndex());
            if (Model->flags(Index) & Qt::ItemIsEnabled)
                Names << Index.data().toString();
        }
        Names.sort();
        return Names.size() == Expected;
    };
    QTest::qWaitFor(Read);
    return Names;
}

} // namespace

#define VERIFY_SCRIPT(Script) QVERIFY2((Script).Finished(), qPrintable((Script).Report()))

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { Fixture.reset(); }

    void opensOneTableAndSavesItBackWithoutQuestion();
    void opensThreeTablesIntoOneNamelessTable();
    void cancelledOpenAfterNoKeepsTheTableChanged();
    void cancelledOpenLeavesTheEditor();
    void newTableStartsEmpty();
    void saveUnderExistingNameAsksBeforeOverwriting();
    void changedTableWithoutEntriesIsAskedAboutUntilNo();
    void saveAsAlwaysAsksForAName();
    void dialogsStartInTheFolderOfTheLastChosenFile();
    void filterListsAndDefaultExtension();
    void filtersMatchAnyCaseAndAllFilesMeansAll();
    void severalFilesAreChosenWithCtrlInTheList();

    void closeAsksUntilSavedOrGivenUp();
    void exitByMenuAndAltF4();
    void dismissedChangesQuestionCancelsTheCommand();
    void completionListGoesWithTheOpenDialog();

    void unreadableTableAmongSeveralStopsTheOpen();
    void saveToAFullDiskKeepsTheTableChanged();
    void saveIntoAFolderThatTakesNoFiles();
    void failedSaveAsKeepsTheTableName();
    void failedCommandIsReportedWhereItStarts();

private:
    // Opens File with the open command and changes the first question.
    void OpenAndChange(const QString& File);

    std::unique_ptr<TMainFixture> Fixture;
    TMainFixture& F() { return *Fixture; }
    TfrmMain& Main() { return *Fixture->Main; }
    TQuestionlist& Table() { return Fixture->Table(); }
};

void TestFileCommands::init()
{
    Fixture = std::make_unique<TMainFixture>();
    QVERIFY(F().Folder.isValid());
    F().Start();
}

void TestFileCommands::opensOneTableAndSavesItBackWithoutQuestion()
{
    const QString File = F().WriteTable("engels.mt4", {"huis = house", "kat = cat"});
    TDialogScript Script;
    Script.ChooseFiles({File});
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Script);

    QCOMPARE(Entries(Table()), QStringList({"huis=house", "kat=cat"}));
    QCOMPARE(QString::fromStdString(Table().ListName), File);
    QVERIFY(!Table().Changed);
    QCOMPARE(Main().State, msIdle);
    QCOMPARE(Main().lblPrompt1->text(), QStringLiteral("Kies memorantmethode: Training, Meerkeuze, of Invullen"));

    Table().SetAnswer(1, "the cat");
    Table().Changed = true;
    Main().UpdateCommandStates();
    TDialogScript NoDialogs;
    Main().mnuOpslaan->trigger();
    QTest::qWait(50);
    VERIFY_SCRIPT(NoDialogs);
    QVERIFY(!Table().Changed);
    QVERIFY(TMainFixture::Read(File).contains("kat = the cat\r\n"));
}

void TestFileCommands::opensThreeTablesIntoOneNamelessTable()
{
    const QString A = F().WriteTable("a.mt4", {"a1 = x"});
    const QString B = F().WriteTable("b.mt4", {"b1 = y", "b2 = z"});
    const QString C = F().WriteTable("c.mt4", {"c1 = w"});
    Main().pnlKlaar->AddRound(7.5);

    TDialogScript Script;
    Script.ChooseFiles({C, A, B});
    Main().mnuOpenen->trigger();
    VERIFY_SCRIPT(Script);

    QCOMPARE(Entries(Table()), QStringList({"c1=w", "a1=x", "b1=y", "b2=z"}));
    QVERIFY(Table().ListName.empty());
    QVERIFY(!Table().Changed);
    QCOMPARE(Main().pnlKlaar->BarCount(), 0);

    // Unchanged, so leaving asks nothing.
    TDialogScript NoQuestions;
    QVERIFY(Main().close());
    VERIFY_SCRIPT(NoQuestions);
}

void TestFileCommands::cancelledOpenAfterNoKeepsTheTableChanged()
{
    const QString File = F().WriteTable("les.mt4", {"een = one", "twee = two"});
    TDialogScript Open;
    Open.ChooseFiles({File});
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Open);
    Table().SetQuestion(0, "drie");
    Table().Changed = true;

    TDialogScript Script;
    Script.AnswerNo(SaveChanges).CancelFileDialog();
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Script);
    QVERIFY(Table().Changed);
    QCOMPARE(Entries(Table()), QStringList({"drie=one", "twee=two"}));
    QCOMPARE(Main().State, msIdle);

    // The next command that would discard the table asks again.
    TDialogScript Again;
    Again.AnswerNo(SaveChanges).CancelFileDialog();
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Again);
    QVERIFY(Table().Changed);
}

void TestFileCommands::cancelledOpenLeavesTheEditor()
{
    Table().Add("vraag", "antwoord");
    Main().State = msEdit;
    TDialogScript Script;
    Script.CancelFileDialog();
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Script);
    QCOMPARE(Main().State, msIdle);

    Table().Clear();
    Main().State = msFillInQuestion;
    TDialogScript Empty;
    Empty.CancelFileDialog();
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Empty);
    QCOMPARE(Main().State, msNoTable);
}

void TestFileCommands::newTableStartsEmpty()
{
    // Editing switched off on the command line: the new table stays on the
    // title screen instead of opening the editor.
    Main().CarryOutCommandLine({"-E"});
    const QString File = F().WriteTable("les.mt4", {"een = one"});
    TDialogScript Open;
    Open.ChooseFiles({File});
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Open);
    Main().pnlKlaar->AddRound(8.0);
    Table().Changed = true;

    TDialogScript Script;
    Script.AnswerNo(SaveChanges);
    Main().mnuNieuw->trigger();
    VERIFY_SCRIPT(Script);
    QCOMPARE(Table().Count(), 0);
    QVERIFY(Table().ListName.empty());
    QVERIFY(!Table().Changed);
    QCOMPARE(Main().State, msNoTable);
    QCOMPARE(Main().pnlKlaar->BarCount(), 0);
    QCOMPARE(Main().lblPrompt1->text(), QStringLiteral("Open bestaande tabel"));
}

void TestFileCommands::saveUnderExistingNameAsksBeforeOverwriting()
{
    const QString Existing = F().WriteTable("bestaand.mt4", {"oud = old"});
    Table().Add("nieuw", "new");
    Table().Changed = true;

    TDialogScript Refused;
    Refused.ChooseFiles({Existing}).AnswerNo(Overwrite).CancelFileDialog();
    Main().Files->SaveTable();
    VERIFY_SCRIPT(Refused);
    QCOMPARE(TMainFixture::Read(Existing), QByteArray("oud = old\r\n"));
    QVERIFY(Table().Changed);
    QVERIFY(Table().ListName.empty());

    TDialogScript Accepted;
    Accepted.ChooseFiles({Existing}).AnswerYes(Overwrite);
    Main().Files->SaveTable();
    VERIFY_SCRIPT(Accepted);
    QVERIFY(TMainFixture::Read(Existing).endsWith("nieuw = new\r\n"));
    QVERIFY(!TMainFixture::Read(Existing).contains("oud"));
    QCOMPARE(QString::fromStdString(Table().ListName), Existing);
    QVERIFY(!Table().Changed);
}

void TestFileCommands::changedTableWithoutEntriesIsAskedAboutUntilNo()
{
    Table().Changed = true;
    const QString Target = F().Path("leeg.mt4");
    TDialogScript Script;
    Script.AnswerYes(SaveChanges)
        .CancelFileDialog()
        .AnswerYes(SaveChanges)
        .ChooseFiles({Target}) // nothing to write: still changed
        .AnswerNo(SaveChanges);
    Main().Files->NewTable();
    VERIFY_SCRIPT(Script);
    QVERIFY(!QFile::exists(Target));
    QVERIFY(!Table().Changed);
    QVERIFY(Table().ListName.empty());
}

void TestFileCommands::saveAsAlwaysAsksForAName()
{
    const QString File = F().WriteTable("les.mt4", {"een = one"});
    TDialogScript Open;
    Open.ChooseFiles({File});
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Open);

    const QString Copy = F().Path("kopie"); // the default extension is added
    TDialogScript Script;
    Script.ChooseFiles({Copy});
    Main().mnuOpslaanAls->trigger();
    VERIFY_SCRIPT(Script);
    QCOMPARE(TMainFixture::Read(Copy + ".mt4"), QByteArray("[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\neen = one\r\n"));
    QCOMPARE(QString::fromStdString(Table().ListName), Copy + ".mt4");

    // A cancelled "save as" leaves the table without a name.
    TDialogScript Cancelled;
    Cancelled.CancelFileDialog();
    Main().Files->SaveTableAs();
    VERIFY_SCRIPT(Cancelled);
    QVERIFY(Table().ListName.empty());
}

void TestFileCommands::dialogsStartInTheFolderOfTheLastChosenFile()
{
    QString Seen;
    auto NoteFolder = [&Seen](QWidget* Dialog) {
        Seen = qobject_cast<QFileDialog*>(Dialog)->directory().absolutePath();
        qobject_cast<QFileDialog*>(Dialog)->reject();
    };
    TDialogScript First;
    First.Then("QFileDialog", NoteFolder);
    Main().Files->OpenTables();
    VERIFY_SCRIPT(First);
    QCOMPARE(Seen, QDir(QCoreApplication::applicationDirPath()).absolutePath());

    QVERIFY(QDir(F().Folder.path()).mkdir("sub"));
    const QString File = F().WriteTable("sub/les.mt4", {"een = one"});
    TDialogScript Open;
    Open.ChooseFiles({File});
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Open);

    // Also after a restart, and for the save dialog.
    F().Stop();
    F().Start();
    Table().Add("twee", "two");
    TDialogScript Save;
    Save.Then("QFileDialog", NoteFolder);
    Main().Files->SaveTable();
    VERIFY_SCRIPT(Save);
    QCOMPARE(Seen, F().Path("sub"));
}

void TestFileCommands::filterListsAndDefaultExtension()
{
    QCOMPARE(Main().Files->dlgOpen->nameFilters(),
             QStringList({"memorant bestanden (*.mt4 *.mtw *.mt)", "memorant versie 4 bestanden (*.mt4)",
                          "memorant voor Windows bestanden (*.mtw)", "memorant voor DOS bestanden (*.mt)",
                          "ASCII tekstbestanden (*.txt *.asc)", "KVTML-woordenlijsten (*.kvtml)",
                          "CSV- en TSV-bestanden (*.csv *.tsv)", "alle bestanden (*)"}));
    QCOMPARE(Main().Files->dlgSave->nameFilters(),
             QStringList({"memorant versie 4 bestanden (*.mt4)", "memorant voor Windows bestanden (*.mtw)",
                          "memorant voor DOS bestanden (*.mt)", "tekstbestanden (*.txt)",
                          "KVTML-woordenlijst (*.kvtml)", "CSV UTF-8 (*.csv)", "alle bestanden (*)"}));
    QCOMPARE(Main().Files->dlgOpen->defaultSuffix(), QStringLiteral("mt4"));
    // Any typed name is taken, and the list selects several files.
    QCOMPARE(Main().Files->dlgOpen->fileMode(), QFileDialog::AnyFile);
    QCOMPARE(Main().Files->dlgOpen->findChild<QListView*>("listView")->selectionMode(),
             QAbstractItemView::ExtendedSelection);
    QCOMPARE(Main().Files->dlgSave->fileMode(), QFileDialog::AnyFile);

    // A filter chosen in a confirmed dialog is offered again next time.
    const QString File = F().WriteTable("oud.mt", {"een = one"});
    TDialogScript Script;
    Script.Then("QFileDialog", [File](QWidget* Widget) {
        auto* Dialog = qobject_cast<QFileDialog*>(Widget);
        Dialog->selectNameFilter("memorant voor DOS bestanden (*.mt)");
        Dialog->findChild<QLineEdit*>("fileNameEdit")->setText(File);
        static_cast<QDialog*>(Dialog)->accept();
    });
    QString Offered;
    Script.Then("QFileDialog", [&Offered](QWidget* Dialog) {
        Offered = qobject_cast<QFileDialog*>(Dialog)->selectedNameFilter();
        qobject_cast<QFileDialog*>(Dialog)->reject();
    });
    Main().Files->OpenTables();
    QCOMPARE(Entries(Table()), QStringList({"een=one"}));
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Script);
    QCOMPARE(Offered, QStringLiteral("memorant voor DOS bestanden (*.mt)"));
}

void TestFileCommands::filtersMatchAnyCaseAndAllFilesMeansAll()
{
    for (const char* Name : {"les.MT4", "les.mt4", "OUD.MT", "Frans.Mtw", "LEESMIJ", "notities.txt"})
        TMainFixture::Write(F().Path(Name), "een = one\r\n");
    QStringList Tables, Version4, Everything;
    TDialogScript Script;
    Script.Then("QFileDialog", [&](QWidget* Widget) {
        auto* Dialog = qobject_cast<QFileDialog*>(Widget);
        Dialog->setDirectory(F().Folder.path());
        Tables = Listed(Dialog, "memorant bestanden (*.mt4 *.mtw *.mt)", 4);
        Version4 = Listed(Dialog, "memorant versie 4 bestanden (*.mt4)", 2);
        Everything = Listed(Dialog, "alle bestanden (*)", 6);
        Dialog->reject();
    });
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Script);
    QCOMPARE(Tables, QStringList({"Frans.Mtw", "OUD.MT", "les.MT4", "les.mt4"}));
    QCOMPARE(Version4, QStringList({"les.MT4", "les.mt4"}));
    QCOMPARE(Everything, QStringList({"Frans.Mtw", "LEESMIJ", "OUD.MT", "les.MT4", "les.mt4", "notities.txt"}));
}

void TestFileCommands::severalFilesAreChosenWithCtrlInTheList()
{
    F().WriteTable("a.mt4", {"a1 = x"});
    F().WriteTable("b.mt4", {"b1 = y"});
    F().WriteTable("c.mt4", {"c1 = z"});
    TDialogScript Script;
    Script.Then("QFileDialog", [this](QWidget* Widget) {
        auto* Dialog = qobject_cast<QFileDialog*>(Widget);
        Dialog->setDirectory(F().Folder.path());
        Listed(Dialog, "memorant bestanden (*.mt4 *.mtw *.mt)", 3);
        auto* View = Dialog->findChild<QListView*>("listView");
        auto Click = [View](const QString& Name, Qt::KeyboardModifiers Keys) {
            const QModelIndexList Found = View->model()->match(View->model()->index(0, 0, View->rootIndex()),
                                                               Qt::DisplayRole, Name, 1, Qt::MatchExactly);
            if (!Found.isEmpty())
                QTest::mouseClick(View->viewport(), Qt::LeftButton, Keys, View->visualRect(Found.first()).center());
        };
        Click("c.mt4", Qt::NoModifier);
        Click("a.mt4", Qt::ControlModifier);
        QTest::keyClick(Dialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    });
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Script);
    QCOMPARE(Entries(Table()).size(), 2);
    QVERIFY(Entries(Table()).contains("a1=x") && Entries(Table()).contains("c1=z"));
    QVERIFY(Table().ListName.empty());
}

void TestFileCommands::closeAsksUntilSavedOrGivenUp()
{
    Table().Add("een", "one");
    Table().Changed = true;
    // No limit: the question comes back for as long as the table is
    // neither saved nor given up.
    TDialogScript Script;
    for (int i = 0; i < 12; ++i)
        Script.AnswerYes(SaveChanges).CancelFileDialog();
    Script.Then("frmJaNee", [](QWidget* Dialog) { QTest::keyClick(Dialog, Qt::Key_Escape); });
    QVERIFY(!Main().close());
    VERIFY_SCRIPT(Script);
    QVERIFY(Main().isVisible());
    QVERIFY(Table().Changed);
    QVERIFY(!QFile::exists(F().IniPath()));

    TDialogScript GiveUp;
    GiveUp.AnswerNo(SaveChanges);
    QVERIFY(Main().close());
    VERIFY_SCRIPT(GiveUp);
    QVERIFY(!Main().isVisible());
    QVERIFY(QFile::exists(F().IniPath()));
}

void TestFileCommands::exitByMenuAndAltF4()
{
    Table().Add("een", "one");
    Table().Changed = true;
    TDialogScript Menu;
    Menu.AnswerNo(SaveChanges);
    Main().mnuAfsluiten->trigger();
    VERIFY_SCRIPT(Menu);
    QVERIFY(!Main().isVisible());

    F().Stop();
    F().Start();
    Main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Main()));
    const QString File = F().Path("bewaard.mt4");
    Table().Add("twee", "two");
    Table().Changed = true;
    TDialogScript Keys;
    Keys.AnswerYes(SaveChanges).ChooseFiles({File});
    QTest::keyClick(&Main(), Qt::Key_F4, Qt::AltModifier);
    QTRY_VERIFY(!Main().isVisible());
    VERIFY_SCRIPT(Keys);
    QCOMPARE(TMainFixture::Read(File), QByteArray("[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\ntwee = two\r\n"));
}

void TestFileCommands::unreadableTableAmongSeveralStopsTheOpen()
{
    const QString A = F().WriteTable("a.mt4", {"a1 = x"});
    const QString Bad = F().Path("kapot.mt4");
    const QString C = F().WriteTable("c.mt4", {"c1 = w"});
    // Reading the memory file from its start fails with an I/O error, also
    // for root.
    QVERIFY(QFile::link("/proc/self/mem", Bad));

    TDialogScript Script;
    Script.ChooseFiles({A, Bad, C});
    try {
        Main().Files->OpenTables();
        QFAIL("the unreadable table was not reported");
    } catch (const EListReadError& Error) {
        QVERIFY2(QByteArray(Error.what()).startsWith("Fout tijdens inlezen " + QFile::encodeName(Bad) + ": "),
                 Error.what());
    }
    VERIFY_SCRIPT(Script);
    QCOMPARE(Entries(Table()), QStringList({"a1=x"}));
    QVERIFY(Table().ListName.empty());
    QCOMPARE(Main().State, msIdle);
}

void TestFileCommands::saveToAFullDiskKeepsTheTableChanged()
{
    // A table file on a full disk: a name in the dialog that leads to
    // /dev/full (the dialog itself would add ".mt4" to that name).
    const QString Full = F().Path("vol.mt4");
    QVERIFY(QFile::link("/dev/full", Full));
    Table().Add("een", "one");
    Table().Changed = true;
    TDialogScript Script;
    Script.ChooseFiles({Full}).AnswerYes(Overwrite);
    try {
        Main().Files->SaveTable();
        QFAIL("the full disk was not reported");
    } catch (const EListWriteError& Error) {
        QVERIFY2(QByteArray(Error.what()).startsWith("Fout tijdens schrijven " + QFile::encodeName(Full) + ": "),
                 Error.what());
    }
    VERIFY_SCRIPT(Script);
    QVERIFY(Table().Changed);
    QVERIFY(Table().ListName.empty()); // the new name was not written
    QCOMPARE(Table().Count(), 1);
}

void TestFileCommands::saveIntoAFolderThatTakesNoFiles()
{
    // Root may write into any read-only folder; procfs refuses new files to
    // everyone.
    Table().Add("een", "one");
    Table().Changed = true;
    Table().ListName = "/proc/memorant-les.mt4";
    try {
        Main().Files->SaveTable();
        QFAIL("the failed save was not reported");
    } catch (const EListWriteError& Error) {
        QVERIFY2(QByteArray(Error.what()).startsWith("Fout tijdens schrijven /proc/memorant-les.mt4: "),
                 Error.what());
    }
    QVERIFY(Table().Changed);
}

void TestFileCommands::OpenAndChange(const QString& File)
{
    TDialogScript Open;
    Open.ChooseFiles({File});
    Main().Files->OpenTables();
    VERIFY_SCRIPT(Open);
    Table().SetQuestion(0, "veranderd");
    Main().UpdateCommandStates();
    QVERIFY(Table().Changed);
}

void TestFileCommands::dismissedChangesQuestionCancelsTheCommand()
{
    const QString File = F().WriteTable("les.mt4", {"een = one", "twee = two"});
    OpenAndChange(File);
    using TAnswer = std::function<void(QWidget*)>;
    const TAnswer Escape = [](QWidget* Dialog) { QTest::keyClick(Dialog, Qt::Key_Escape); };
    const TAnswer CloseBox = [](QWidget* Dialog) { Dialog->close(); };
    const auto Key = [this](Qt::Key Key) {
        Main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&Main()));
        QTest::keyClick(&Main(), Key, Qt::ControlModifier);
    };
    const auto Unchanged = [this, &File] {
        return Entries(Table()) == QStringList({"veranderd=one", "twee=two"}) && Table().Changed
               && QString::fromStdString(Table().ListName) == File && Main().State == msIdle;
    };

    // Esc or the close box in the question of Ctrl+N, Ctrl+O or closing:
    // the command stops, and nothing is given up (no file dialog either).
    for (const TAnswer& Dismiss : {Escape, CloseBox}) {
        TDialogScript New;
        New.Then("frmJaNee", Dismiss);
        Key(Qt::Key_N);
        VERIFY_SCRIPT(New);
        QVERIFY(Unchanged());

        TDialogScript Open;
        Open.Then("frmJaNee", Dismiss);
        Key(Qt::Key_O);
        VERIFY_SCRIPT(Open);
        QVERIFY(Unchanged());

        TDialogScript Close;
        Close.Then("frmJaNee", Dismiss);
        QVERIFY(!Main().close());
        VERIFY_SCRIPT(Close);
        QVERIFY(Main().isVisible());
        QVERIFY(Unchanged());
    }

    // "&Nee" by Alt+N still gives the changes up.
    TDialogScript GiveUp;
    GiveUp.Then("frmJaNee", [](QWidget* Dialog) { QTest::keyClick(Dialog, Qt::Key_N, Qt::AltModifier); });
    Key(Qt::Key_N);
    VERIFY_SCRIPT(GiveUp);
    QCOMPARE(Table().Count(), 1); // the editor's blank entry
    QVERIFY(!Table().Changed);
    QCOMPARE(Main().State, msEdit);
    QCOMPARE(TMainFixture::Read(File), QByteArray("een = one\r\ntwee = two\r\n"));
}

void TestFileCommands::completionListGoesWithTheOpenDialog()
{
    const QString File = F().WriteTable("engels.mt4", {"huis = house"});
    F().WriteTable("engels2.mt4", {"kat = cat"});
    QPointer<QWidget> List;
    TDialogScript Script;
    Script.Then("QFileDialog", [&](QWidget* Widget) {
        auto* Dialog = qobject_cast<QFileDialog*>(Widget);
        Dialog->setDirectory(F().Folder.path());
        auto* Edit = Dialog->findChild<QLineEdit*>("fileNameEdit");
        Edit->setFocus();
        // The list shows once the folder is read and a further key is typed.
        QTest::keyClicks(Edit, "en");
        if (!QTest::qWaitFor([Edit] { return Edit->completer() && Edit->completer()->completionCount() == 2; }))
            qWarning("the folder was not read");
        QTest::keyClick(Edit, Qt::Key_G);
        if (QTest::qWaitFor([Edit] { return Edit->completer()->popup()->isVisible(); }))
            List = Edit->completer()->popup();
        // The dialog closes while the list is still up.
        Edit->setText(File);
        static_cast<QDialog*>(Dialog)->accept();
    });
    Main().mnuOpenen->trigger();
    VERIFY_SCRIPT(Script);
    QCOMPARE(Entries(Table()), QStringList({"huis=house"}));
    QVERIFY2(List, "the completion list never showed");
    QVERIFY(!List->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);

    // The keyboard belongs to the main window again: Ctrl+E and Ctrl+PgDn
    // come through the window system to the editor.
    Main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Main()));
    QTest::keyClick(Main().windowHandle(), Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(Main().State, msEdit);
    QTest::keyClick(Main().windowHandle(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(Main().lblItemNr->text(), QStringLiteral("[1/1]"));
}

void TestFileCommands::failedSaveAsKeepsTheTableName()
{
    const QString File = F().WriteTable("les.mt4", {"een = one"});
    OpenAndChange(File);
    const QString Full = F().Path("vol.mt4");
    QVERIFY(QFile::link("/dev/full", Full));
    TDialogScript Script;
    Script.ChooseFiles({Full}).AnswerYes(Overwrite);
    QVERIFY_THROWS_EXCEPTION(EListWriteError, Main().Files->SaveTableAs());
    VERIFY_SCRIPT(Script);
    QCOMPARE(QString::fromStdString(Table().ListName), File);
    QCOMPARE(Main().StatusPanels[5]->text(), QStringLiteral("Bestand: les.mt4"));
    QVERIFY(Table().Changed);

    // "Opslaan" writes the table's own file, without a question.
    TDialogScript NoDialogs;
    Main().mnuOpslaan->trigger();
    VERIFY_SCRIPT(NoDialogs);
    QCOMPARE(TMainFixture::Read(File), QByteArray("[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nveranderd = one\r\n"));
    QVERIFY(!Table().Changed);
}

void TestFileCommands::failedCommandIsReportedWhereItStarts()
{
    // A failure of a command started by a key or a button is shown where the
    // command starts; nothing of it reaches Qt's event code (this test runs
    // on a plain application object, without the program's last net).
    const QString Full = F().Path("vol.mt4");
    QVERIFY(QFile::link("/dev/full", Full));
    Table().Add("een", "one");
    Table().ListName = Full.toStdString();
    Table().Changed = true;
    Main().UpdateCommandStates();
    Main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Main()));
    QStringList Messages;
    const auto Note = [&Messages](QWidget* Box) {
        Messages << Box->property("text").toString();
        Box->close();
    };
    TDialogScript Script;
    Script.Then("GeneralError", Note).Then("GeneralError", Note);
    QTest::keyClick(&Main(), Qt::Key_S, Qt::ControlModifier);
    QTest::mouseClick(Main().btnOpslaan, Qt::LeftButton);
    VERIFY_SCRIPT(Script);
    QCOMPARE(Messages.size(), 2);
    for (const QString& Message : Messages)
        QCOMPARE(Message, "Fout tijdens schrijven " + Full + ": 28 (schijf vol)");
    QVERIFY(Table().Changed);
    QVERIFY(Main().isVisible());
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
