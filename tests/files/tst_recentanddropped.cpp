// SPDX-License-Identifier: GPL-3.0-or-later
// The tables opened last in the file menu, and table files dropped on the
// window, on the real main window.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "dialogscript.h"
#include "files/filecommands.h"
#include "files/inifile.h"
#include "mainfixture.h"
#include "ui/memo.h"

namespace {

const QString SaveChanges = QStringLiteral("De huidige tabel is gewijzigd, opslaan?");

#define VERIFY_SCRIPT(Script) QVERIFY2((Script).Finished(), qPrintable((Script).Report()))

// The texts of the file menu's items that are shown, separators as "-".
QStringList MenuTexts(const TfrmMain& Main)
{
    QStringList Texts;
    for (const QAction* Item : Main.mnuBestand->actions())
        if (Item->isVisible())
            Texts << (Item->isSeparator() ? QStringLiteral("-") : Item->text());
    return Texts;
}

QAction* RecentItem(const TfrmMain& Main, int Number)
{
    return Main.findChild<QAction*>(QStringLiteral("mnuRecent%1").arg(Number));
}

QString Caption(int Number, const QString& File)
{
    const QFileInfo Info(File);
    return QStringLiteral("&%1 %2  (%3)").arg(Number).arg(Info.fileName(), QDir::toNativeSeparators(Info.absolutePath()));
}

// Drags Files onto Target and drops them there, as a file manager does.
// Returns whether the drag was taken.
bool Drop(QWidget* Target, const QStringList& Files)
{
    QMimeData Data;
    QList<QUrl> Urls;
    for (const QString& File : Files)
        Urls << QUrl::fromLocalFile(File);
    Data.setUrls(Urls);
    Data.setText(Files.join(u'\n'));
    const QPoint At = Target->rect().center();
    QDragEnterEvent Enter(At, Qt::CopyAction | Qt::MoveAction, &Data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Target, &Enter);
    if (!Enter.isAccepted())
        return false;
    QDropEvent Dropped(QPointF(At), Qt::CopyAction | Qt::MoveAction, &Data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Target, &Dropped);
    return Dropped.isAccepted();
}

} // namespace

class TestRecentAndDropped : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Fixture = std::make_unique<TMainFixture>();
        QVERIFY(F().Folder.isValid());
        F().Start();
    }
    void cleanup() { Fixture.reset(); }

    void recentTablesAreListedNewestFirstAndKeptAtClose()
    {
        QCOMPARE(MenuTexts(Main()).size(), 10); // no list yet
        const QString A = F().WriteTable("a.mt4", {"a1 = x"});
        const QString B = F().WriteTable("b & c.mt4", {"b1 = y"});
        for (const QString& File : {A, B}) {
            TDialogScript Script;
            Script.ChooseFiles({File});
            Main().mnuOpenen->trigger();
            VERIFY_SCRIPT(Script);
        }
        QString Second = Caption(2, A);
        QString First = Caption(1, B).replace(QStringLiteral(" & "), QStringLiteral(" && "));
        QCOMPARE(MenuTexts(Main()), (QStringList{"&Nieuw...", "&Openen...", "-", "O&pslaan", "Ops&laan als...",
                                                 "&Fouten opslaan...", "-", "Afdrukken", "-", First, Second, "-",
                                                 "&Afsluiten"}));
        // Opened again, a table moves to the top instead of standing twice.
        Main().Files->OpenFiles({A});
        QCOMPARE(RecentItem(Main(), 1)->text(), Caption(1, A));
        QVERIFY(!RecentItem(Main(), 3)->isVisible());

        QVERIFY(Main().close());
        const TIniFile Ini(F().IniPath().toStdString());
        QCOMPARE(Ini.ReadString("Paths", "Recent1", ""), A.toStdString());
        QCOMPARE(Ini.ReadString("Paths", "Recent2", ""), B.toStdString());
        QCOMPARE(Ini.ReadString("Paths", "Recent3", "none"), "none"); // only what is listed

        F().Stop();
        F().Start(F().IniPath());
        QCOMPARE(RecentItem(Main(), 1)->text(), Caption(1, A));
        QVERIFY(RecentItem(Main(), 2)->isVisible());
    }

    void listHoldsTheLastEightAndSavedTables()
    {
        QStringList Files;
        for (int Number = 1; Number <= 9; ++Number) {
            Files << F().WriteTable(QStringLiteral("t%1.mt4").arg(Number), {"v = a"});
            Main().Files->OpenFiles({Files.last()});
        }
        QVERIFY(!RecentItem(Main(), 9));
        QCOMPARE(RecentItem(Main(), 1)->text(), Caption(1, Files[8]));
        QCOMPARE(RecentItem(Main(), 8)->text(), Caption(8, Files[1]));
        // A table saved under a new name joins the list.
        const QString Saved = F().Path(QStringLiteral("nieuw.mt4"));
        TDialogScript Script;
        Script.ChooseFiles({Saved});
        Main().mnuOpslaanAls->trigger();
        VERIFY_SCRIPT(Script);
        QCOMPARE(RecentItem(Main(), 1)->text(), Caption(1, Saved));
    }

    void choosingARecentTableAsksAboutChangesThenOpensIt()
    {
        const QString A = F().WriteTable("a.mt4", {"a1 = x", "a2 = y"});
        const QString B = F().WriteTable("b.mt4", {"b1 = z"});
        Main().Files->OpenFiles({A});
        Main().Files->OpenFiles({B});
        Table().SetAnswer(0, "veranderd");
        Main().UpdateCommandStates();
        QVERIFY(Table().Changed);

        TDialogScript Script;
        Script.AnswerNo(SaveChanges);
        RecentItem(Main(), 2)->trigger();
        VERIFY_SCRIPT(Script);
        QCOMPARE(Entries(Table()), QStringList({"a1=x", "a2=y"}));
        QCOMPARE(QString::fromStdString(Table().ListName), A);
        QCOMPARE(Main().State, msIdle);
    }

    void missingRecentTableIsTakenOffTheList()
    {
        const QString A = F().WriteTable("a.mt4", {"a1 = x"});
        const QString B = F().WriteTable("b.mt4", {"b1 = z"});
        Main().Files->OpenFiles({A});
        Main().Files->OpenFiles({B});
        QVERIFY(QFile::remove(A));

        QString Message;
        TDialogScript Script;
        Script.AcceptMessage(&Message);
        RecentItem(Main(), 2)->trigger();
        VERIFY_SCRIPT(Script);
        QVERIFY2(Message.contains(QStringLiteral("bestaat niet meer")), qPrintable(Message));
        QVERIFY(Message.contains(QDir::toNativeSeparators(A)));
        QCOMPARE(Entries(Table()), QStringList({"b1=z"})); // nothing else happened
        QCOMPARE(RecentItem(Main(), 1)->text(), Caption(1, B));
        QVERIFY(!RecentItem(Main(), 2)->isVisible());
    }

    void droppedTablesOpenAsOpenDoes()
    {
        const QString A = F().WriteTable("a.mt4", {"a1 = x"});
        const QString B = F().WriteTable("b.csv", {"b1,y"});
        QVERIFY(Drop(Main().centralWidget(), {A, B}));
        QTRY_COMPARE(Entries(Table()), QStringList({"a1=x", "b1=y"}));
        QVERIFY(Table().ListName.empty()); // two files: a table without a name
        QCOMPARE(Main().State, msIdle);
        QCOMPARE(RecentItem(Main(), 1)->text(), Caption(1, B));
    }

    void dropOnTheEditorAsksAboutChangesFirst()
    {
        const QString A = F().WriteTable("a.mt4", {"a1 = x"});
        Main().mnuNieuw->trigger();
        QCOMPARE(Main().State, msEdit);
        QTest::keyClicks(Main().memVraag, QStringLiteral("huis"));
        QTest::keyClick(Main().memVraag, Qt::Key_Return);
        QTest::keyClicks(Main().memAntwoord, QStringLiteral("house"));
        QTest::keyClick(Main().memAntwoord, Qt::Key_Return);

        TDialogScript Script;
        Script.AnswerNo(SaveChanges);
        // Dropped on the question field, the file is not taken as text.
        QVERIFY(Drop(Main().memVraag->viewport(), {A}));
        QTRY_VERIFY(Script.Finished());
        VERIFY_SCRIPT(Script);
        QTRY_COMPARE(Entries(Table()), QStringList({"a1=x"}));
        QCOMPARE(Main().State, msIdle);
        QVERIFY(!Main().memVraag->Text().contains(QStringLiteral("a.mt4")));
    }

    void dropOnARunningQuizAsksAsOpenDoes()
    {
        const QString A = F().WriteTable("a.mt4", {"a1 = x", "a2 = y"});
        const QString B = F().WriteTable("b.txt", {"b1 = z"});
        Main().Files->OpenFiles({A});
        Main().mnuTraining->trigger();
        QCOMPARE(Main().State, msTrainingQuestion);

        // Unchanged: no question, the quiz makes way for the new table.
        TDialogScript NoQuestion;
        QVERIFY(Drop(Main().centralWidget(), {B}));
        QTRY_COMPARE(Entries(Table()), QStringList({"b1=z"}));
        VERIFY_SCRIPT(NoQuestion);
        QCOMPARE(Main().State, msIdle);

        Main().mnuTraining->trigger();
        Table().Changed = true;
        TDialogScript Dismissed;
        Dismissed.Then(QStringLiteral("frmJaNee"), [](QWidget* Dialog) { Dialog->close(); });
        QVERIFY(Drop(Main().centralWidget(), {A}));
        QTRY_VERIFY(Dismissed.Finished());
        // Dismissing the question keeps the quiz and its table.
        QCOMPARE(Entries(Table()), QStringList({"b1=z"}));
        QCOMPARE(Main().State, msTrainingQuestion);
    }

    void otherFilesAreNotTaken()
    {
        const QString Picture = F().Path(QStringLiteral("foto.png"));
        TMainFixture::Write(Picture, "not a table");
        QVERIFY(!Takes({Picture}));
        QVERIFY(!Takes({F().Folder.path()}));
        QVERIFY(!Takes({F().Path(QStringLiteral("weg.mt4"))}));
        QVERIFY(Takes({F().WriteTable("GROOT.MT4", {"v = a"})}));
        QCOMPARE(Main().State, msNoTable);
    }

private:
    bool Takes(const QStringList& Files) { return Drop(Main().centralWidget(), Files); }

    std::unique_ptr<TMainFixture> Fixture;
    TMainFixture& F() { return *Fixture; }
    TfrmMain& Main() { return *Fixture->Main; }
    TQuestionlist& Table() { return Fixture->Table(); }
};

QTEST_MAIN(TestRecentAndDropped)

#include "tst_recentanddropped.moc"
