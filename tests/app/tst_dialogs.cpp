// SPDX-License-Identifier: GPL-3.0-or-later
// The yes/no question, the about box, the help window and the general error
// display of the application.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <stdexcept>
#include <sys/stat.h>

#include "app/frmhelp.h"
#include "app/frmmain.h"
#include "app/memorantapplication.h"
#include "app/frmabout.h"
#include "ui/frmjanee.h"
#include "mainwindowfixture.h"

namespace {

// Asks Question with AskYesNo and answers it by the keys given.
bool AnswerByKey(const QString& Question, bool DefaultYes, Qt::Key Key, Qt::KeyboardModifiers Modifiers = {})
{
    WhenModal([Key, Modifiers](QWidget* Modal) { QTest::keyClick(Modal, Key, Modifiers); });
    return AskYesNo(Question, DefaultYes);
}

// A widget whose key handler fails the way a command can fail.
class TFailingWidget : public QWidget {
protected:
    void keyPressEvent(QKeyEvent*) override { throw std::runtime_error("Fout tijdens inlezen les.MT4: 5"); }
};

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void YesNoDialogKeepsItsMinimumWidth()
    {
        TfrmJaNee Dialog;
        Dialog.Prepare(QStringLiteral("Ok?"), true);
        QCOMPARE(Dialog.width(), 184);
        QCOMPARE(Dialog.windowTitle(), QStringLiteral("Bevestiging"));
        QCOMPARE(Dialog.btnNee->geometry(), QRect(184 - 10 - 77, 47, 77, 27));
        QCOMPARE(Dialog.btnJa->geometry(), QRect(184 - 20 - 2 * 77, 47, 77, 27));
        QVERIFY(Dialog.btnJa->isDefault());
        QVERIFY(!Dialog.btnNee->isDefault());
    }

    void YesNoDialogWidensForALongQuestion()
    {
        TfrmJaNee Dialog;
        const QString Question = QStringLiteral("De huidige tabel is gewijzigd, opslaan?");
        Dialog.Prepare(Question, false);
        QCOMPARE(Dialog.width(), Dialog.lblVraag->width() + 16);
        QVERIFY(Dialog.width() > 184);
        QCOMPARE(Dialog.lblVraag->x(), 8);
        QCOMPARE(Dialog.btnNee->x() + Dialog.btnNee->width(), Dialog.width() - 10);
        QVERIFY(Dialog.btnNee->isDefault());
        QVERIFY(!Dialog.btnJa->isDefault());
        const int Height = Dialog.height();
        Dialog.Prepare(QStringLiteral("Ja?"), false);
        QCOMPARE(Dialog.height(), Height);
        QCOMPARE(Dialog.width(), 184);
    }

    void YesNoAnswersByKey()
    {
        QVERIFY(AnswerByKey(QStringLiteral("De huidige tabel is gewijzigd, opslaan?"), true, Qt::Key_Return));
        QVERIFY(!AnswerByKey(QStringLiteral("Bestand bestaat al, overschrijven?"), false, Qt::Key_Return));
        QVERIFY(!AnswerByKey(QStringLiteral("Esc?"), true, Qt::Key_Escape));
        QVERIFY(AnswerByKey(QStringLiteral("Alt+J?"), false, Qt::Key_J, Qt::AltModifier));
        QVERIFY(!AnswerByKey(QStringLiteral("Alt+N?"), true, Qt::Key_N, Qt::AltModifier));
    }

    void YesNoAnswersByClick()
    {
        AnswerYesNo(true);
        QVERIFY(AskYesNo(QStringLiteral("Deze memorant-sessie afbreken?"), false));
        AnswerYesNo(false);
        QVERIFY(!AskYesNo(QStringLiteral("Deze memorant-sessie afbreken?"), true));
    }

    void AboutBoxShowsTheVersion()
    {
        auto Window = StartMainWindow();
        QString Version;
        QString Name;
        QString Description;
        QWidget* Focused = nullptr;
        WhenModal([&](QWidget* Modal) {
            auto* About = qobject_cast<TfrmAbout*>(Modal);
            if (!About) {
                Modal->close();
                return;
            }
            Version = About->lblVersie->text();
            Name = About->lblProgrammanaam->text();
            Description = About->memDescription->toPlainText();
            Focused = About->focusWidget();
            QTest::keyClick(About, Qt::Key_Return);
        });
        Window->mnuInfo->trigger();
        QCOMPARE(Version, QStringLiteral("Versie 4.5.1  (11-03-2006)"));
        QCOMPARE(Name, QStringLiteral("Memorant voor Windows"));
        QVERIFY(Description.contains(Name));
        QCOMPARE(Focused, Window->frmAbout->btnOK);
        QVERIFY(!Window->frmAbout->isVisible());
        QCOMPARE(Window->frmAbout->windowTitle(), QStringLiteral("Memorant"));
    }

    void F1OpensTheUserGuideAtItsContents()
    {
        auto Window = StartMainWindow();
        QTest::keyClick(Window.get(), Qt::Key_F1);
        TfrmHelp* Help = nullptr;
        QTRY_VERIFY((Help = QApplication::activeWindow() ? qobject_cast<TfrmHelp*>(QApplication::activeWindow()) : nullptr)
                    || (Help = Window->findChild<TfrmHelp*>()));
        QVERIFY(Help->isVisible());
        QVERIFY(Help->Browser->toPlainText().contains(QStringLiteral("Inhoud")));
        QVERIFY(Help->Browser->toPlainText().contains(QStringLiteral("Training")));
        Help->close();
    }

    void HelpFileNameMapsToTheGuide()
    {
        QVERIFY(HelpGuidePath(QStringLiteral("MT4WIN.HLP")).endsWith(QStringLiteral("mt4win.html")));
        QVERIFY(QFile::exists(HelpGuidePath(QStringLiteral("MT4WIN.HLP"))));
    }

    void ErrorTextGetsAFullStop_data()
    {
        QTest::addColumn<QString>("Message");
        QTest::addColumn<QString>("Shown");
        QTest::newRow("letter") << "Bestand les.MT4 bestaat niet" << "Bestand les.MT4 bestaat niet.";
        QTest::newRow("digit") << "Fout tijdens inlezen a: 5" << "Fout tijdens inlezen a: 5.";
        QTest::newRow("full stop") << "Klaar." << "Klaar.";
        QTest::newRow("exclamation") << "Klaar!" << "Klaar!";
        QTest::newRow("comma") << "a," << "a,";
        QTest::newRow("slash") << "map/" << "map/.";
        QTest::newRow("empty") << "" << "";
    }

    void ErrorTextGetsAFullStop()
    {
        QFETCH(QString, Message);
        QFETCH(QString, Shown);
        QCOMPARE(ErrorDisplayText(Message), Shown);
    }

    void ExceptionsReachTheGeneralErrorDisplay()
    {
        TFailingWidget Failing;
        Failing.show();
        QString Shown;
        QString Title;
        QMessageBox::Icon Icon = QMessageBox::NoIcon;
        qsizetype Buttons = 0;
        WhenModal([&](QWidget* Modal) {
            auto* Box = qobject_cast<QMessageBox*>(Modal);
            if (!Box) {
                Modal->close();
                return;
            }
            Shown = Box->text();
            Title = Box->windowTitle();
            Icon = Box->icon();
            Buttons = Box->buttons().size();
            QTest::mouseClick(Box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        QTest::keyClick(&Failing, Qt::Key_A);
        QCOMPARE(Shown, QStringLiteral("Fout tijdens inlezen les.MT4: 5."));
        QCOMPARE(Title, QStringLiteral("Memorant Voor Windows"));
        QCOMPARE(Icon, QMessageBox::Critical);
        QCOMPARE(Buttons, 1);
    }

    void UnreadableCommandLineFileIsReported()
    {
        QTemporaryDir Dir;
        const QString Folder = Dir.filePath(QStringLiteral("pijp.MT4"));
        QCOMPARE(::mkfifo(QFile::encodeName(Folder).constData(), 0600), 0); // exists, but is no table file
        const QString After = WriteTable(Dir, QStringLiteral("daarna.MT4"), 2);
        QString Shown;
        WhenModal([&](QWidget* Modal) {
            if (auto* Box = qobject_cast<QMessageBox*>(Modal)) {
                Shown = Box->text();
                QTest::mouseClick(Box->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        auto Window = StartMainWindow({Folder, After});
        QTRY_VERIFY(!Shown.isEmpty());
        QVERIFY(Shown.contains(QStringLiteral("pijp.MT4")));
        QVERIFY(Shown.endsWith(u'.'));
        QCOMPARE(Window->QuestionList.Count(), 0); // the rest of the command line is not carried out
    }
};

int main(int argc, char* argv[])
{
    TMemorantApplication Application(argc, argv);
    TestDialogs Test;
    return QTest::qExec(&Test, argc, argv);
}

#include "tst_dialogs.moc"
