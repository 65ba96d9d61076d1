// SPDX-License-Identifier: GPL-3.0-or-later
// Another trainer's file in the real window: the notice about what was left
// out, the keys right after it, where the table's name shows, and where the
// save dialogs start.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

#include "dialogscript.h"
#include "mainfixture.h"

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

QTEST_MAIN(TestImportWindow)
#include "tst_importwindow.moc"
