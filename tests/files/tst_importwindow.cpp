// SPDX-License-Identifier: GPL-3.0-or-later
// Another trainer's file in the real window: the notice about what was left
// out, the keys right after it, where the table's name shows, and where the
// save dialogs start.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

#include "dialogscript.h"
#include "files/filecommands.h"
#include "files/windowsettings.h"
#include "mainfixture.h"
#include "print/frmprint.h"
#include "print/pdftext.h"
#include "ui/noticebox.h"

#define VERIFY_SCRIPT(Script) QVERIFY2((Script).Finished(), qPrintable((Script).Report()))

namespace {

// A word list of three languages with one word that has no translation:
// the notice names the language and the word left out.
QByteArray ThreeLanguages()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n"
        "<information><title>Drie talen</title></information>\n<identifiers>\n"
        "<identifier id=\"0\"><name>Nederlands</name></identifier>\n"
        "<identifier id=\"1\"><name>Engels</name></identifier>\n"
        "<identifier id=\"2\"><name>Duits</name></identifier>\n</identifiers>\n<entries>\n"
        "<entry id=\"0\"><translation id=\"0\"><text>huis</text></translation>"
        "<translation id=\"1\"><text>house</text></translation>"
        "<translation id=\"2\"><text>Haus</text></translation></entry>\n"
        "<entry id=\"1\"><translation id=\"0\"><text>kat</text></translation>"
        "<translation id=\"1\"><text>cat</text></translation></entry>\n"
        "<entry id=\"2\"><translation id=\"0\"><text>hond</text></translation></entry>\n"
        "</entries>\n</kvtml>\n");
}

// The window started as a file manager starts it, with Arguments on its
// command line; the box Notice that it shows is closed with Enter.
void StartWith(TMainFixture& F, const QStringList& Arguments, const QString& Notice, TDialogScript& Script)
{
    Script.Then(Notice, [](QWidget* Box) { QTest::keyClick(Box, Qt::Key_Return); });
    F.Main = std::make_unique<TfrmMain>();
    F.Main->SetCommandLine(Arguments);
    F.Main->show();
    QTRY_VERIFY(!F.Main->FirstActivation);
}

// A key as the user presses it: it goes to the active window, if any.
bool PressInActiveWindow(Qt::Key Key, Qt::KeyboardModifiers Modifiers)
{
    QWidget* Window = QApplication::activeWindow();
    if (!Window)
        return false;
    QWidget* Focus = QApplication::focusWidget();
    QTest::keyClick(Focus ? Focus : Window, Key, Modifiers);
    return true;
}

} // namespace

class TestImportWindow : public QObject {
    Q_OBJECT
private slots:
    void keysWorkRightAfterTheNoticeAtStart_data();
    void keysWorkRightAfterTheNoticeAtStart();
    void noticeFitsTheScreenBelowTheMenuBar();
    void longNoticesAreShortenedLineByLine();
    void importedTableIsKnownByItsSource();
    void saveDialogsStartAtTheTable();
};

void TestImportWindow::keysWorkRightAfterTheNoticeAtStart_data()
{
    QTest::addColumn<QStringList>("Arguments");
    QTest::addColumn<QString>("Notice");
    QTest::newRow("left out") << QStringList({QStringLiteral("drie.kvtml")}) << QStringLiteral("dlgInlezen");
    QTest::newRow("syntax") << QStringList({QStringLiteral("-?"), QStringLiteral("twee.MT4")})
                            << QStringLiteral("msgCommandosyntax");
}

void TestImportWindow::keysWorkRightAfterTheNoticeAtStart()
{
    QFETCH(QStringList, Arguments);
    QFETCH(QString, Notice);
    TMainFixture F;
    TMainFixture::Write(F.Path(QStringLiteral("drie.kvtml")), ThreeLanguages());
    F.WriteTable(QStringLiteral("twee.MT4"), {"huis = house", "kat = cat"});
    for (QString& Argument : Arguments)
        if (!Argument.startsWith(u'-'))
            Argument = F.Path(Argument);
    TDialogScript Script;
    StartWith(F, Arguments, Notice, Script);
    QTRY_VERIFY(Script.Finished());
    QCOMPARE(F.Main->QuestionList.Count(), 2);

    // Alt+B opens "Bestand" at once, without a click in the window.
    QTRY_COMPARE(QApplication::activeWindow(), F.Main.get());
    QVERIFY(PressInActiveWindow(Qt::Key_B, Qt::AltModifier));
    QTRY_VERIFY(F.Main->mnuBestand->isVisible());
    QTest::keyClick(F.Main->mnuBestand, Qt::Key_Escape);
    QTRY_VERIFY(!F.Main->mnuBestand->isVisible());
    QTest::keyClick(F.Main->menuBar(), Qt::Key_Escape);
    // Ctrl+T starts the training.
    QVERIFY(PressInActiveWindow(Qt::Key_T, Qt::ControlModifier));
    QCOMPARE(F.Main->State, static_cast<int>(msTrainingQuestion));
}

void TestImportWindow::noticeFitsTheScreenBelowTheMenuBar()
{
    TMainFixture F;
    F.Start();
    // A text of 10,000 letters, cut on the way in, and a word list of as
    // many languages as the notice has lines to spare.
    const QString Long(10000, u'x');
    QByteArray Kvtml = ThreeLanguages();
    Kvtml.replace("<text>house</text>", "<text>" + Long.toUtf8() + "</text>");
    const QString File = F.Path(QStringLiteral("lang.kvtml"));
    TMainFixture::Write(File, Kvtml);

    QRect Box;
    QString Shown;
    TDialogScript Script;
    Script.ChooseFiles({File}).Then(QStringLiteral("dlgInlezen"), [&](QWidget* Dialog) {
        Box = Dialog->frameGeometry();
        Shown = static_cast<QMessageBox*>(Dialog)->text();
        QTest::keyClick(Dialog, Qt::Key_Return);
    });
    F.Main->mnuOpenen->trigger();
    VERIFY_SCRIPT(Script);

    const QRect Screen = F.Main->screen()->availableGeometry();
    const QWidget* Bar = F.Main->menuBar();
    QVERIFY2(Screen.contains(Box), qPrintable(QStringLiteral("%1x%2").arg(Box.width()).arg(Box.height())));
    QVERIFY(Box.top() > Bar->mapToGlobal(QPoint(0, Bar->height() - 1)).y());
    QVERIFY2(Shown.contains(QChar(0x2026)) && Shown.size() < 1000, qPrintable(Shown.left(300)));
    QVERIFY(Shown.contains(QStringLiteral("xxxx")));
}

void TestImportWindow::longNoticesAreShortenedLineByLine()
{
    const QFont Font(QStringLiteral("Arial"), 9);
    const QFontMetrics Metrics(Font);
    // Short lines stay as they are.
    QCOMPARE(TNoticeBox::Shortened(QStringLiteral("een\ntwee"), Metrics, 800, 10), QStringLiteral("een\ntwee"));
    // A long line keeps its start and ends in "…"; many lines end in "…".
    const QString Long = TNoticeBox::Shortened(QString(5000, u'a'), Metrics, 800, 10);
    QVERIFY(Long.startsWith(QStringLiteral("aaaa")) && Long.endsWith(QChar(0x2026)));
    QVERIFY(Metrics.horizontalAdvance(Long) <= 400);
    QStringList Many;
    for (int i = 0; i < 100; ++i)
        Many << QStringLiteral("regel %1").arg(i);
    const QStringList Lines = TNoticeBox::Shortened(Many.join(u'\n'), Metrics, 800, 10).split(u'\n');
    QCOMPARE(Lines.size(), 10);
    QCOMPARE(Lines.last(), QStringLiteral("regel 9") + QChar(0x2026));
}

void TestImportWindow::importedTableIsKnownByItsSource()
{
    TMainFixture F;
    const QString File = F.Path(QStringLiteral("drie.kvtml"));
    TMainFixture::Write(File, ThreeLanguages());
    TDialogScript Script;
    StartWith(F, {File}, QStringLiteral("dlgInlezen"), Script);
    QTRY_VERIFY(Script.Finished());
    QVERIFY(F.Main->QuestionList.ListName.empty()); // a save asks where
    QCOMPARE(F.Main->StatusPanels[5]->text(), QStringLiteral("Bestand: drie.kvtml"));

    // Without a printer the printout goes beside the word list, and its
    // header names it.
    if (TfrmPrint::HasDefaultPrinter())
        QSKIP("a default printer would print the table");
    TDialogScript Printed;
    QString Said;
    Printed.AcceptMessage(&Said);
    F.Main->mnuAfdrukken->trigger();
    VERIFY_SCRIPT(Printed);
    const QString Pdf = F.Path(QStringLiteral("drie.pdf"));
    QVERIFY2(Said.contains(QDir::toNativeSeparators(Pdf)), qPrintable(Said));
    const TPdfText Text(Pdf);
    QVERIFY2(Text.Ok(), qPrintable(Text.Error()));
    QVERIFY2(Text.Lines(1).value(0).contains(File), qPrintable(Text.Lines(1).join(u'|')));
}

void TestImportWindow::saveDialogsStartAtTheTable()
{
    TMainFixture F;
    QDir(F.Folder.path()).mkdir(QStringLiteral("les"));
    const QString Table = F.WriteTable(QStringLiteral("les/woorden.MT4"), {"huis = house", "kat = cat"});
    F.Main = std::make_unique<TfrmMain>();
    F.Main->WindowSettings->SetFileName(F.Path(QStringLiteral("memorant.ini")));
    F.Main->SetCommandLine({Table});
    F.Main->show();
    QTRY_VERIFY(!F.Main->FirstActivation);
    const QString Folder = QFileInfo(Table).absolutePath();

    // "Opslaan als" in the table's folder, with its name.
    QString Started;
    QString Proposed;
    TDialogScript SaveAs;
    SaveAs.Then(QStringLiteral("dlgSave"), [&](QWidget* Widget) {
        auto* Dialog = qobject_cast<QFileDialog*>(Widget);
        Started = Dialog->directory().absolutePath();
        Proposed = Dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        Dialog->reject();
    });
    F.Main->mnuOpslaanAls->trigger();
    VERIFY_SCRIPT(SaveAs);
    QCOMPARE(Started, Folder);
    QCOMPARE(Proposed, QStringLiteral("woorden.MT4"));

    // "Fouten opslaan" there too, after a round with a wrong answer.
    F.Main->QuestionList.ListName = TableFileName(Table);
    F.Main->QuestionList.AnswerAdmin(0).WrongCount = 1;
    F.Main->QuestionList.ErrorStats[1] = 1;
    F.Main->QuestionList.Sessions = 1;
    F.Main->State = msFinished;
    F.Main->UpdateCommandStates();
    Started.clear();
    TDialogScript Wrong;
    Wrong.Then(QStringLiteral("DlgSlaFoutenOp"), [](QWidget* Dialog) { Dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click(); })
        .Then(QStringLiteral("dlgSave"), [&](QWidget* Widget) {
            auto* Dialog = qobject_cast<QFileDialog*>(Widget);
            Started = Dialog->directory().absolutePath();
            Dialog->reject();
        });
    QVERIFY(F.Main->mnuFoutenOpslaan->isEnabled());
    F.Main->mnuFoutenOpslaan->trigger();
    VERIFY_SCRIPT(Wrong);
    QCOMPARE(Started, Folder);
}

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
