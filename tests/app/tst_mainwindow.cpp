// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: start-up, command line, layout, the one refresh of what is
// shown and enabled, and the window-wide keys.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/debuglist.h"
#include "app/frmmain.h"
#include "app/questionpanel.h"
#include "app/statuspanels.h"
#include "app/titlepanel.h"
#include "quizscreens/scorepanel.h"
#include "tableeditor/editpanel.h"
#include "ui/memo.h"
#include "quizscreens/resultspanel.h"
#include "quizscreens/trainingpanel.h"
#include "mainwindowfixture.h"

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir Dir;

    // The menu commands; the recent tables come and go with the list.
    static QList<QAction*> MenuCommands(const TfrmMain& Window)
    {
        return Window.findChildren<QAction*>(QRegularExpression(QStringLiteral("^mnu(?!Recent)")));
    }

    static void LoadEntries(TfrmMain& Window, int Count)
    {
        for (int Entry = 1; Entry <= Count; ++Entry)
            Window.QuestionList.Add("vraag" + std::to_string(Entry), "antwoord" + std::to_string(Entry));
        Window.State = Count > 0 ? msIdle : msNoTable;
        Window.UpdateCommandStates();
    }

private slots:
    void StartsWithoutTableOnTheTitleScreen()
    {
        auto Window = StartMainWindow();
        QCOMPARE(Window->State, msNoTable);
        QCOMPARE(Window->windowTitle(), QStringLiteral("MEMORANT - PARATE KENNIS TRAINER"));
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("Open bestaande tabel"));
        QCOMPARE(Window->lblPrompt2->text(), QStringLiteral("of maak een nieuwe aan"));
        QVERIFY(Window->pnlTitel->isVisible());
        QVERIFY(!Window->imgLogo->isVisible());
        QCOMPARE(Window->lblSubTitel->text(), QStringLiteral("Versie 4.5.1"));
        QCOMPARE(Window->ScoreMeterBlocks(), 0);
        QCOMPARE(Window->StatusPanels[0]->text(), QStringLiteral("totaal: 0"));
        QCOMPARE(Window->StatusPanels[5]->text(), QStringLiteral("Bestand: "));
        QVERIFY(!Window->timTijd->isActive());
    }

    void ShowsAllMeterBlocksUntilTheFirstRefresh()
    {
        TfrmMain Window;
        QCOMPARE(Window.ScoreMeterBlocks(), 40);
        QCOMPARE(Window.StatusPanels[4]->text(), QStringLiteral("tijd: 00:00:00"));
        QCOMPARE(Window.StatusPanels[0]->text(), QStringLiteral("totaal: 0000"));
    }

    void NamesEveryComponent()
    {
        TfrmMain Window;
        for (const char* Name : {"mnuNieuw", "mnuOpenen", "mnuOpslaan", "mnuOpslaanAls", "mnuFoutenOpslaan",
                                 "mnuAfdrukken", "mnuAfsluiten", "mnuTabelbewerken", "mnuKnippen", "mnuKopieren",
                                 "mnuPlakken", "mnuZoeken", "mnuAccentToWin", "mnuAccentToDos", "mnuKnoppenbalk",
                                 "mnuStatusbalk", "mnuHelpballonnetjes", "mnuTraining", "mnuMeerkeuzevragen",
                                 "mnuInvulvragen", "mnuOmgekeerd", "mnuRepeteren", "mnuTolerant", "mnuSteekproef",
                                 "mnuIntelliMC", "mnuSequential", "mnuHelp", "mnuInfo"})
            QVERIFY2(Window.findChild<QAction*>(QString::fromLatin1(Name)), Name);
        for (const char* Name : {"btnNieuw", "btnOpenen", "btnOpslaan", "btnFoutenOpslaan", "btnBewerken",
                                 "btnTraining", "btnMeerkeuze", "btnInvullen", "btnOmgekeerd", "btnRepeteren",
                                 "btnTolerant", "btnSteekproef", "btnSequential", "btnVraagFont", "btnPgUp",
                                 "btnPgDn", "btnAntwoordFont", "btnVraagToClipboard", "btnAntwoordToClipboard",
                                 "btnAntwoord", "btnFout", "btnGoed"})
            QVERIFY2(Window.findChild<QToolButton*>(QString::fromLatin1(Name)), Name);
        for (const char* Name : {"pnlScore", "pnlScoreMeter", "pnlVraagAntwoord", "pnlTitel", "pnlTraining",
                                 "pnlKlaar", "pnlMeerkeuze", "pnlInvoer", "pnlEdit", "lblPrompt1", "lblPrompt2",
                                 "lbxDebug", "lblVraagTekst", "lblAntwoordTekst", "memVraag", "memAntwoord",
                                 "lblItemNr", "imgLogo", "lbl0", "lbl10", "lbxReport", "chartVoortgang"})
            QVERIFY2(Window.findChild<QWidget*>(QString::fromLatin1(Name)), Name);
        QVERIFY(Window.findChild<QTimer*>(QStringLiteral("timTijd")));
    }

    void MenusStandInOrderWithTheirShortcuts()
    {
        TfrmMain Window;
        QStringList Titles;
        for (QAction* Menu : Window.menuBar()->actions())
            Titles << Menu->text();
        QCOMPARE(Titles, (QStringList{"&Bestand", "Be&werken", "B&eeld", "&Overhoren", "O&pties", "&?"}));
        QStringList File;
        for (QAction* Item : Window.mnuBestand->actions())
            if (Item->isVisible()) // the recent tables, none yet
                File << (Item->isSeparator() ? QStringLiteral("-") : Item->text());
        QCOMPARE(File, (QStringList{"&Nieuw...", "&Openen...", "-", "O&pslaan", "Ops&laan als...", "&Fouten opslaan...",
                                    "-", "Afdrukken", "-", "&Afsluiten"}));
        QCOMPARE(Window.mnuSequential->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_1));
        QCOMPARE(Window.mnuHelp->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(Window.mnuKopieren->text(), QStringLiteral("&Kopi\u00EBren"));
        QCOMPARE(Window.btnTraining->defaultAction(), Window.mnuTraining);
        QCOMPARE(Window.btnTraining->text(), QStringLiteral("Training"));
        QCOMPARE(Window.btnSequential->text(), QStringLiteral("1|2|3"));
    }

    // ------------------------------------------------------------ enabling

    void EnablesQuizCommandsByTableSize_data()
    {
        QTest::addColumn<int>("Entries");
        QTest::addColumn<bool>("Training");
        QTest::addColumn<bool>("Choice");
        QTest::newRow("empty") << 0 << false << false;
        QTest::newRow("three entries") << 3 << true << false;
        QTest::newRow("four entries") << 4 << true << true;
    }

    void EnablesQuizCommandsByTableSize()
    {
        QFETCH(int, Entries);
        QFETCH(bool, Training);
        QFETCH(bool, Choice);
        auto Window = StartMainWindow();
        LoadEntries(*Window, Entries);
        QCOMPARE(Window->mnuTraining->isEnabled(), Training);
        QCOMPARE(Window->btnTraining->isEnabled(), Training);
        QCOMPARE(Window->mnuInvulvragen->isEnabled(), Training);
        QCOMPARE(Window->mnuMeerkeuzevragen->isEnabled(), Choice);
        QCOMPARE(Window->btnMeerkeuze->isEnabled(), Choice);
        for (QAction* Option : {Window->mnuOmgekeerd, Window->mnuRepeteren, Window->mnuTolerant,
                                Window->mnuSteekproef, Window->mnuIntelliMC, Window->mnuSequential,
                                Window->mnuOpslaanAls, Window->mnuAfdrukken})
            QVERIFY2(Option->isEnabled() == (Entries > 0), qPrintable(Option->objectName()));
        QCOMPARE(Window->mnuOverhoren->menuAction()->isEnabled(), Entries > 0);
        QCOMPARE(Window->mnuOpties->menuAction()->isEnabled(), Entries > 0);
        QVERIFY(Window->mnuBestand->menuAction()->isEnabled());
        QVERIFY(Window->mnuNieuw->isEnabled());
        QVERIFY(Window->mnuTabelbewerken->isEnabled());
        QVERIFY(Window->mnuHelp->isEnabled());
        QVERIFY(!Window->mnuOpslaan->isEnabled());
        QCOMPARE(Window->StatusPanels[0]->text(), QStringLiteral("totaal: %1").arg(Entries));
    }

    void SaveFollowsTheChangedMark()
    {
        auto Window = StartMainWindow();
        LoadEntries(*Window, 2);
        QVERIFY(!Window->btnOpslaan->isEnabled());
        Window->QuestionList.Changed = true;
        Window->UpdateCommandStates();
        QVERIFY(Window->mnuOpslaan->isEnabled());
        QVERIFY(Window->btnOpslaan->isEnabled());
    }

    void EditStateShowsTheEditorControls()
    {
        auto Window = StartMainWindow();
        LoadEntries(*Window, 2);
        Window->State = msEdit;
        Window->UpdateCommandStates();
        QVERIFY(Window->mnuTabelbewerken->isChecked());
        QVERIFY(Window->btnBewerken->isChecked());
        QVERIFY(Window->mnuZoeken->isEnabled());
        QVERIFY(Window->mnuAccentToWin->isEnabled());
        QVERIFY(Window->mnuAccentToDos->isEnabled());
        for (QWidget* Control : {static_cast<QWidget*>(Window->btnPgUp), static_cast<QWidget*>(Window->btnPgDn),
                                 static_cast<QWidget*>(Window->btnVraagFont),
                                 static_cast<QWidget*>(Window->btnAntwoordFont),
                                 static_cast<QWidget*>(Window->memVraag), static_cast<QWidget*>(Window->pnlEdit)})
            QVERIFY2(Control->isVisible(), qPrintable(Control->objectName()));
        QVERIFY(!Window->memVraag->isReadOnly());
        QVERIFY(!Window->lblVraagTekst->isVisible());
        QVERIFY(!Window->pnlTitel->isVisible());
        QVERIFY(Window->imgLogo->isVisible());
        QVERIFY(!Window->btnVraagToClipboard->isVisible());
        QVERIFY(!Window->timTijd->isActive());

        Window->AccentsConverted = true;
        Window->UpdateCommandStates();
        QVERIFY(!Window->mnuAccentToWin->isEnabled());
        QVERIFY(!Window->mnuAccentToDos->isEnabled());

        Window->State = msIdle;
        Window->UpdateCommandStates();
        QVERIFY(!Window->mnuZoeken->isEnabled());
        QVERIFY(!Window->btnBewerken->isChecked());
        QVERIFY(Window->memVraag->isReadOnly());
        QVERIFY(!Window->btnPgUp->isVisible());
        QVERIFY(Window->lblItemNr->text().isEmpty());
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("Kies memorantmethode: Training, Meerkeuze, of Invullen"));
        QCOMPARE(Window->lblPrompt2->text(), QStringLiteral("of kies 'Bewerken' voor bewerken van de memoranttabel"));
    }

    void NoTableStateDecidesThePrompts()
    {
        auto Window = StartMainWindow();
        LoadEntries(*Window, 3);
        Window->State = msNoTable;
        Window->UpdateCommandStates();
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("Open bestaande tabel"));
        QCOMPARE(Window->lblPrompt2->text(), QStringLiteral("of maak een nieuwe aan"));
    }

    void KeyInNoTableStateFinishesWithoutResults()
    {
        auto Window = StartMainWindow();
        QTest::keyClick(Window.get(), Qt::Key_X);
        QCOMPARE(Window->State, msFinished);
        QVERIFY(Window->pnlTitel->isVisible());
        QVERIFY(!Window->pnlKlaar->isVisible());
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("Open bestaande tabel"));
    }

    void ShowsTheFileNameWithoutItsFolder()
    {
        const QString Path = WriteTable(Dir, QStringLiteral("les.MT4"), 2);
        auto Window = StartMainWindow({Path});
        QCOMPARE(Window->State, msIdle);
        QCOMPARE(Window->StatusPanels[5]->text(), QStringLiteral("Bestand: les.MT4"));
    }

    void ShowsAnAccentedFileNameAsItIsCalled()
    {
        const QString Path = WriteTable(Dir, QStringLiteral("Fran\u00E7ais-\u00E9\u00E9n.MT4"), 2);
        auto Window = StartMainWindow({Path});
        QCOMPARE(Window->State, msIdle);
        QCOMPARE(Window->StatusPanels[5]->text(), QStringLiteral("Bestand: Fran\u00E7ais-\u00E9\u00E9n.MT4"));
    }

    // ------------------------------------------------------------ command line

    void HidesCommandsNamedOnTheCommandLine_data()
    {
        QTest::addColumn<QString>("Argument");
        QTest::addColumn<QString>("Hidden");
        QTest::newRow("-t") << "-t" << "mnuTraining";
        QTest::newRow("/T") << "/T" << "mnuTraining";
        QTest::newRow("-Edit") << "-Edit" << "mnuTabelbewerken";
        QTest::newRow("-I") << "-I" << "mnuInvulvragen";
        QTest::newRow("/m") << "/m" << "mnuMeerkeuzevragen";
        QTest::newRow("-P") << "-P" << "mnuAfdrukken";
    }

    void HidesCommandsNamedOnTheCommandLine()
    {
        QFETCH(QString, Argument);
        QFETCH(QString, Hidden);
        auto Window = StartMainWindow({Argument});
        for (QAction* Action : MenuCommands(*Window))
            QVERIFY2(Action->isVisible() == (Action->objectName() != Hidden), qPrintable(Action->objectName()));
    }

    void HiddenModeCannotBeStartedAnyWay()
    {
        const QString Path = WriteTable(Dir, QStringLiteral("vijf.MT4"), 5);
        auto Window = StartMainWindow({QStringLiteral("-T"), Path});
        QVERIFY(Window->btnTraining->isHidden());
        QTest::keyClick(Window.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(Window->State, msIdle);
        Window->mnuTraining->trigger();
        QCOMPARE(Window->State, msIdle);
        Window->StartQuiz(msTrainingQuestion);
        QCOMPARE(Window->State, msIdle);
        QVERIFY(!Window->btnInvullen->isHidden());
    }

    void IgnoresUnknownOptions()
    {
        auto Window = StartMainWindow({QStringLiteral("-"), QStringLiteral("-X"), QStringLiteral("-7")});
        for (QAction* Action : MenuCommands(*Window))
            QVERIFY2(Action->isVisible(), qPrintable(Action->objectName()));
        QCOMPARE(Window->State, msNoTable);
    }

    void TakesLongSlashArgumentsAsFileNames()
    {
        const QString Path = WriteTable(Dir, QStringLiteral("T"), 2); // a full path: "/tmp/.../T"
        auto Window = StartMainWindow({QStringLiteral("/Tx"), QStringLiteral("/no/such/folder/les.mt4"), Path});
        QVERIFY(!Window->btnTraining->isHidden());
        QCOMPARE(Window->QuestionList.Count(), 2);
    }

    void LoadsSeveralFilesIntoOneTable()
    {
        const QString First = WriteTable(Dir, QStringLiteral("een.MT4"), 2);
        const QString Second = WriteTable(Dir, QStringLiteral("twee.MT4"), 3);
        auto Window = StartMainWindow({First, QStringLiteral("ontbreekt.MT4"), Second});
        QCOMPARE(Window->QuestionList.Count(), 5);
        QCOMPARE(Window->State, msIdle);
        QCOMPARE(Window->StatusPanels[0]->text(), QStringLiteral("totaal: 5"));
        QCOMPARE(Window->StatusPanels[5]->text(), QStringLiteral("Bestand: ")); // a combined table has no name
    }

    void EmptyFileLeavesNoTable()
    {
        const QString Empty = WriteTable(Dir, QStringLiteral("leeg.MT4"), 0);
        auto Window = StartMainWindow({Empty});
        QCOMPARE(Window->State, msNoTable);
    }

    void SkipsAFolderLikeAMissingFile()
    {
        const QString First = WriteTable(Dir, QStringLiteral("een.MT4"), 2);
        const QString Second = WriteTable(Dir, QStringLiteral("twee.MT4"), 3);
        auto Window = StartMainWindow({First, Dir.path(), Second});
        QCOMPARE(Window->QuestionList.Count(), 5);
        QCOMPARE(Window->State, msIdle);
    }

    void ShowsTheSyntaxFirstThenGoesOn()
    {
        const QString Path = WriteTable(Dir, QStringLiteral("les.MT4"), 2);
        QString Shown;
        // A plain notice: one OK button and no icon.
        bool Plain = false;
        WhenModal([&Plain, &Shown](QWidget* Modal) {
            auto* Box = qobject_cast<QMessageBox*>(Modal);
            if (!Box) {
                Modal->close();
                return;
            }
            Plain = Box->icon() == QMessageBox::NoIcon && Box->buttons().size() == 1
                    && Box->windowTitle() == QStringLiteral("Memorant Voor Windows");
            Shown = Box->text();
            QTest::mouseClick(Box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        auto Window = StartMainWindow({QStringLiteral("-?"), QStringLiteral("-E"), Path});
        QCOMPARE(Shown, QStringLiteral("Commandosyntax:\nMEMORANT [-optie] [-optie] [bestandsnaam]\n"
                                       "-E = bewerken uitgeschakeld\n-I = invullen uitgeschakeld\n"
                                       "-M = meerkeuze uitgeschakeld\n-T = training uitgeschakeld\n"
                                       "-P = afdrukken uitgeschakeld\n-? = commandosyntax tonen"));
        QVERIFY(Window->btnBewerken->isHidden());
        QCOMPARE(Window->QuestionList.Count(), 2);
        QVERIFY(Plain);
    }

    void StatusPanelsGrowToFitTheirText()
    {
        auto Window = StartMainWindow();
        const int DesignWidths[5] = {72, 72, 72, 72, 88};
        for (int Panel = 0; Panel < 5; ++Panel)
            QCOMPARE(Window->StatusPanels[Panel]->width(), DesignWidths[Panel]);
        LoadEntries(*Window, 154229);
        // Counters of a quiz on a table of 1542290 entries.
        Window->QuestionList.Rest = 1542290;
        Window->QuestionList.RightAnswers = 1542290;
        Window->QuestionList.WrongAnswers = 1542290;
        Window->UpdateCommandStates();
        Window->StatusPanels[4]->setText(QStringLiteral("tijd: 123:45:67"));
        for (int Panel = 0; Panel < 5; ++Panel) {
            const QLabel* Label = Window->StatusPanels[Panel];
            const int Needed = Label->fontMetrics().horizontalAdvance(Label->text());
            QTRY_VERIFY2(Label->contentsRect().width() >= Needed, qPrintable(Label->text()));
            QVERIFY(Label->width() >= DesignWidths[Panel]);
        }
        QCOMPARE(Window->StatusPanels[0]->text(), QStringLiteral("totaal: 154229"));
        QCOMPARE(Window->StatusPanels[1]->text(), QStringLiteral("rest: 1542290"));
    }

    // ------------------------------------------------------------ layout

    void LaysOutTheDesignSize()
    {
        auto Window = StartMainWindow();
        Window->resize(Window->minimumSize());
        QTRY_COMPARE(Window->ClientHeight(), 431);
        QCOMPARE(Window->ClientWidth(), 600);
        QCOMPARE(ClientPosition(*Window, Window->pnlScore), QPoint(35, 40));
        QCOMPARE(ClientPosition(*Window, Window->pnlVraagAntwoord), QPoint(35, 87));
        QCOMPARE(ClientPosition(*Window, Window->pnlTitel), QPoint(35, 207));
        QCOMPARE(ClientPosition(*Window, Window->pnlTraining), QPoint(35, 207));
        QCOMPARE(ClientPosition(*Window, Window->lblPrompt1), QPoint(43, 360));
        QCOMPARE(ClientPosition(*Window, Window->lblPrompt2), QPoint(43, 376));
    }

    void DrawsTheDesignLargerWhenTheWindowGrows()
    {
        // 700 x 471: the height limits the factor to 471 / 431.
        auto Window = StartMainWindow();
        Window->resize(Window->minimumSize() + QSize(100, 40));
        QTRY_COMPARE(Window->pnlScore->size(), QSize(578, 44));
        QCOMPARE(ClientPosition(*Window, Window->pnlScore), QPoint(61, 41));
        QCOMPARE(ClientPosition(*Window, Window->pnlVraagAntwoord).y(), 93);
        QCOMPARE(ClientPosition(*Window, Window->pnlTitel).y(), 224);
        QCOMPARE(ClientPosition(*Window, Window->lblPrompt1).y(), 395);
    }

    void SpreadsThePanelsWhenOnlyOneSideGrows()
    {
        auto Window = StartMainWindow();
        Window->resize(Window->minimumSize() + QSize(0, 40));
        QTRY_COMPARE(ClientPosition(*Window, Window->pnlScore), QPoint(35, 50));
        QCOMPARE(Window->pnlScore->size(), QSize(529, 40));
        QCOMPARE(ClientPosition(*Window, Window->pnlVraagAntwoord).y(), 107);
        QCOMPARE(ClientPosition(*Window, Window->pnlTitel).y(), 237);
        QCOMPARE(ClientPosition(*Window, Window->lblPrompt1).y(), 400);
    }

    void KeepsTheToolbarSpaceWhenItIsHidden()
    {
        auto Window = StartMainWindow();
        Window->resize(Window->minimumSize());
        Window->mnuKnoppenbalk->trigger();
        QVERIFY(!Window->mnuKnoppenbalk->isChecked());
        QTRY_VERIFY(!Window->Toolbar->isVisible());
        QTRY_COMPARE(ClientPosition(*Window, Window->pnlScore).y(), 40);
        QCOMPARE(ClientPosition(*Window, Window->lblPrompt1).y(), 360);
        Window->mnuStatusbalk->trigger();
        QTRY_VERIFY(!Window->StatusBar->isVisible());
        QTRY_COMPARE(ClientPosition(*Window, Window->lblPrompt1).y(), 360);
    }

    void CannotShrinkBelowTheMinimum()
    {
        auto Window = StartMainWindow();
        Window->resize(300, 200);
        QCOMPARE(Window->ClientWidth(), 600);
        QCOMPARE(Window->ClientHeight(), 431);
    }

    // ------------------------------------------------------------ window keys

    void DebugListTogglesOnCtrlShiftAltF12()
    {
        auto Window = StartMainWindow();
        LoadEntries(*Window, 2);
        const auto All = Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier;
        QTest::keyClick(Window.get(), Qt::Key_F12, All);
        QVERIFY(Window->lbxDebug->isVisible());
        // The whole client area, toolbar and status bar included.
        const QRect Covered(Window->lbxDebug->mapTo(Window.get(), QPoint(0, 0)), Window->lbxDebug->size());
        QCOMPARE(Covered, QRect(0, Window->menuBar()->height(), Window->width(),
                                Window->height() - Window->menuBar()->height()));
        QVERIFY(Covered.contains(Window->Toolbar->geometry()));
        QVERIFY(Covered.contains(Window->StatusBar->geometry()));
        QCOMPARE(QApplication::widgetAt(Window->Toolbar->mapToGlobal(QPoint(10, 10))), Window->lbxDebug->viewport());
        const QAbstractItemModel* Lines = Window->lbxDebug->model();
        QCOMPARE(Lines->index(0, 0).data().toString(), QStringLiteral("DEBUG INFO:"));
        QVERIFY(!Lines->match(Lines->index(0, 0), Qt::DisplayRole, QStringLiteral("Total: 2"), 1, Qt::MatchExactly)
                     .isEmpty());
        QCOMPARE(Lines->index(Lines->rowCount() - 1, 0).data().toString(), QStringLiteral("[1] 'vraag2' = 'antwoord2' "));
        QTest::keyClick(Window.get(), Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Window->lbxDebug->isVisible());
        QTest::keyClick(Window.get(), Qt::Key_F12, All);
        QVERIFY(!Window->lbxDebug->isVisible());
    }

    void F2AndF3CopyQuestionAndAnswer()
    {
        auto Window = StartMainWindow();
        QClipboard* Clipboard = QGuiApplication::clipboard();
        Window->memVraag->SetText(QStringLiteral("de kat"));
        Window->memAntwoord->SetText(QStringLiteral("the cat"));
        QTest::keyClick(Window.get(), Qt::Key_F2);
        QCOMPARE(Clipboard->text(), QStringLiteral("de kat"));
        QTest::keyClick(Window.get(), Qt::Key_F3);
        QCOMPARE(Clipboard->text(), QStringLiteral("the cat"));

        // Whatever was selected, the whole text is copied and nothing stays
        // selected; Shift, Ctrl or Alt held make no difference.
        for (const Qt::KeyboardModifiers Held : {Qt::KeyboardModifiers(Qt::ShiftModifier),
                                                 Qt::KeyboardModifiers(Qt::ControlModifier),
                                                 Qt::KeyboardModifiers(Qt::AltModifier)}) {
            Clipboard->setText(QStringLiteral("oud"));
            QTextCursor Cursor = Window->memVraag->textCursor();
            Cursor.setPosition(1);
            Cursor.setPosition(4, QTextCursor::KeepAnchor);
            Window->memVraag->setTextCursor(Cursor);
            QTest::keyClick(Window.get(), Qt::Key_F2, Held);
            QCOMPARE(Clipboard->text(), QStringLiteral("de kat"));
            QVERIFY(!Window->memVraag->textCursor().hasSelection());
            QTest::keyClick(Window.get(), Qt::Key_F3, Held);
            QCOMPARE(Clipboard->text(), QStringLiteral("the cat"));
        }

        // Nothing to copy: the clipboard keeps what it had.
        Window->memAntwoord->SetText(QString());
        QTest::keyClick(Window.get(), Qt::Key_F3);
        QCOMPARE(Clipboard->text(), QStringLiteral("the cat"));
    }

    void IdleStateIgnoresKeys()
    {
        auto Window = StartMainWindow();
        LoadEntries(*Window, 2);
        Window->SetPrompt(QStringLiteral("a"), QStringLiteral("b"));
        char Key = ' ';
        Window->HandleQuizKey(Key);
        QCOMPARE(Window->State, msIdle);
        QCOMPARE(Window->lblPrompt1->text(), QStringLiteral("a"));
    }

    void EnterIsSwallowedWhileEditing()
    {
        auto Window = StartMainWindow();
        LoadEntries(*Window, 2);
        Window->State = msEdit;
        char Key = '\r';
        Window->HandleQuizKey(Key);
        QCOMPARE(Key, '\0');
        Key = 'a';
        Window->HandleQuizKey(Key);
        QCOMPARE(Key, 'a');
    }

    void HintsFollowTheHelpBalloonOption()
    {
        auto Window = StartMainWindow();
        QVERIFY(Window->mnuHelpballonnetjes->isChecked());
        Window->mnuHelpballonnetjes->trigger();
        QVERIFY(!Window->mnuHelpballonnetjes->isChecked());
        QHelpEvent Tip(QEvent::ToolTip, QPoint(2, 2), Window->btnNieuw->mapToGlobal(QPoint(2, 2)));
        QVERIFY(Window->eventFilter(Window->btnNieuw, &Tip));
        Window->mnuHelpballonnetjes->trigger();
        QVERIFY(!Window->eventFilter(Window->btnNieuw, &Tip));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
