// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "app/accentkeys.h"
#include "app/commandkeys.h"
#include "app/commandline.h"
#include "app/debuglist.h"
#include "app/frmabout.h"
#include "app/frmhelp.h"
#include "app/keypreview.h"
#include "app/maintoolbar.h"
#include "app/questionpanel.h"
#include "app/quizoptions.h"
#include "app/quizmemory.h"
#include "app/speechcommands.h"
#include "app/statuspanels.h"
#include "app/tablelanguages.h"
#include "app/titlepanel.h"
#include "editor/codepage.h"
#include "files/dlgslafoutenop.h"
#include "files/filecommands.h"
#include "files/windowsettings.h"
#include "formats/wintext.h"
#include "print/frmprint.h"
#include "quizscreens/choicepanel.h"
#include "quizscreens/fillinpanel.h"
#include "quizscreens/resultspanel.h"
#include "quizscreens/scorepanel.h"
#include "quizscreens/trainingpanel.h"
#include "tableeditor/editpanel.h"
#include "ui/busycursor.h"
#include "ui/commandguard.h"
#include "ui/errordisplay.h"
#include "ui/frmjanee.h"
#include "ui/memo.h"
#include "ui/uistyle.h"
#include "files/droppedfiles.h"
#include "files/recentfiles.h"
#include "ui/layoutscale.h"

namespace {

const QString ProgramVersion = QStringLiteral("4.5.1");
const QString ReleaseDate = QStringLiteral("(11-03-2006)");

// The client area of the design, and the prompts' distance to its bottom, in pixels.
constexpr int DesignClientWidth = 600;
constexpr int DesignClientHeight = 431;
constexpr int PromptDistanceToBottom = DesignClientHeight - 360;
// The status bar keeps its height in a larger window; the prompts keep their
// distance to it.
constexpr int StatusBarHeight = 19;

} // namespace

TfrmMain::TfrmMain(QWidget* Parent) : QMainWindow(Parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("MEMORANT - PARATE KENNIS TRAINER"));
    setFont(ArialPixels(11));
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(Client);

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    createPanels(Client);
    createCollaborators(Client);
    createPromptsAndDebugList(Client);
    LayoutScale = new TLayoutScale(Client, QSize(DesignClientWidth, DesignClientHeight));
    for (QLabel* Text : {lblVraagTekst, lblAntwoordTekst, pnlMeerkeuze->lblAntwoord[0], pnlMeerkeuze->lblAntwoord[1],
                         pnlMeerkeuze->lblAntwoord[2], pnlMeerkeuze->lblAntwoord[3]})
        LayoutScale->FitText(Text);
    connectCommands();

    timTijd = new QTimer(this);
    timTijd->setObjectName(QStringLiteral("timTijd"));
    timTijd->setInterval(1000);
    connect(timTijd, &QTimer::timeout, this, &TfrmMain::timTijdTimer);

    pnlScore->SetScoreMeter(40);

    setMinimumSize(DesignClientWidth, DesignClientHeight + menuBar()->sizeHint().height());
    resize(minimumSize());
    if (const QScreen* Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    delete KeyPreview; // no key reaches the window while it is taken apart
}

// ---------------------------------------------------------------- set-up

void TfrmMain::createActions()
{
    auto Make = [this](QAction*& Action, const char* Name, const QString& Caption, const QKeySequence& Keys = {},
                       bool Checkable = false) {
        Action = new QAction(Caption, this);
        Action->setObjectName(QString::fromLatin1(Name));
        Action->setShortcut(Keys);
        Action->setCheckable(Checkable);
        addAction(Action); // shortcuts work while the menu bar is hidden, too
    };
    Make(mnuNieuw, "mnuNieuw", QStringLiteral("&Nieuw..."), QKeySequence(Qt::CTRL | Qt::Key_N));
    Make(mnuOpenen, "mnuOpenen", QStringLiteral("&Openen..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    Make(mnuOpslaan, "mnuOpslaan", QStringLiteral("O&pslaan"), QKeySequence(Qt::CTRL | Qt::Key_S));
    Make(mnuOpslaanAls, "mnuOpslaanAls", QStringLiteral("Ops&laan als..."));
    Make(mnuFoutenOpslaan, "mnuFoutenOpslaan", QStringLiteral("&Fouten opslaan..."), QKeySequence(Qt::CTRL | Qt::Key_U));
    Make(mnuAfdrukken, "mnuAfdrukken", QStringLiteral("Afdrukken"), QKeySequence(Qt::CTRL | Qt::Key_P));
    Make(mnuAfsluiten, "mnuAfsluiten", QStringLiteral("&Afsluiten"), QKeySequence(Qt::ALT | Qt::Key_F4));
    Make(mnuTabelbewerken, "mnuTabelbewerken", QStringLiteral("Tabel bewerken"), QKeySequence(Qt::CTRL | Qt::Key_E), true);
    Make(mnuKnippen, "mnuKnippen", QStringLiteral("K&nippen"), QKeySequence(Qt::CTRL | Qt::Key_X));
    Make(mnuKopieren, "mnuKopieren", QStringLiteral("&Kopi\u00EBren"), QKeySequence(Qt::CTRL | Qt::Key_C));
    Make(mnuPlakken, "mnuPlakken", QStringLiteral("&Plakken"), QKeySequence(Qt::CTRL | Qt::Key_V));
    Make(mnuZoeken, "mnuZoeken", QStringLiteral("&Zoeken"), QKeySequence(Qt::CTRL | Qt::Key_F));
    Make(mnuAccentToWin, "mnuAccentToWin", QStringLiteral("Accenten -> Windows"));
    Make(mnuAccentToDos, "mnuAccentToDos", QStringLiteral("Accenten -> DOS"));
    Make(mnuKnoppenbalk, "mnuKnoppenbalk", QStringLiteral("&Knoppenbalk"), {}, true);
    Make(mnuStatusbalk, "mnuStatusbalk", QStringLiteral("&Statusbalk"), {}, true);
    Make(mnuHelpballonnetjes, "mnuHelpballonnetjes", QStringLiteral("Helpballonnetjes"), {}, true);
    Make(mnuTraining, "mnuTraining", QStringLiteral("&Training"), QKeySequence(Qt::CTRL | Qt::Key_T), true);
    Make(mnuMeerkeuzevragen, "mnuMeerkeuzevragen", QStringLiteral("&Meerkeuze vragen"), QKeySequence(Qt::CTRL | Qt::Key_M), true);
    Make(mnuInvulvragen, "mnuInvulvragen", QStringLiteral("&Invulvragen"), QKeySequence(Qt::CTRL | Qt::Key_I), true);
    Make(mnuOmgekeerd, "mnuOmgekeerd", QStringLiteral("Vraag en &Antwoord omkeren"), QKeySequence(Qt::CTRL | Qt::Key_A), true);
    Make(mnuRepeteren, "mnuRepeteren", QStringLiteral("Fouten &Repeteren totdat ze goed zijn"), QKeySequence(Qt::CTRL | Qt::Key_R), true);
    Make(mnuTolerant, "mnuTolerant", QStringLiteral("Spe&lfouten toestaan bij invullen"), QKeySequence(Qt::CTRL | Qt::Key_L), true);
    Make(mnuSteekproef, "mnuSteekproef", QStringLiteral("Steekproef uit lijst"), QKeySequence(Qt::CTRL | Qt::Key_K), true);
    Make(mnuIntelliMC, "mnuIntelliMC", QStringLiteral("&Gelijksoortige antwoorden bij meerkeuze"), QKeySequence(Qt::CTRL | Qt::Key_G), true);
    Make(mnuSequential, "mnuSequential", QStringLiteral("Op &volgorde overhoren"), QKeySequence(Qt::CTRL | Qt::Key_1), true);
    Make(mnuHelp, "mnuHelp", QStringLiteral("&Help"), QKeySequence(Qt::Key_F1));
    Make(mnuInfo, "mnuInfo", QStringLiteral("&Info"));
    mnuKnoppenbalk->setChecked(true);
    mnuStatusbalk->setChecked(true);
    mnuHelpballonnetjes->setChecked(true);
    mnuIntelliMC->setChecked(true);
    mnuZoeken->setEnabled(false);

    // Captions of the toolbar buttons that share these commands.
    mnuTabelbewerken->setIconText(QStringLiteral("Bewerk"));
    mnuTraining->setIconText(QStringLiteral("Training"));
    mnuMeerkeuzevragen->setIconText(QStringLiteral("Meerkeuze"));
    mnuInvulvragen->setIconText(QStringLiteral("Invullen"));
    mnuSteekproef->setIconText(QStringLiteral("20"));
    mnuSequential->setIconText(QStringLiteral("1|2|3"));
}

void TfrmMain::createMenus()
{
    auto Menu = [this](QMenu*& Target, const char* Name, const QString& Caption) {
        Target = menuBar()->addMenu(Caption);
        Target->setObjectName(QString::fromLatin1(Name));
    };
    Menu(mnuBestand, "mnuBestand", QStringLiteral("&Bestand"));
    mnuBestand->addActions({mnuNieuw, mnuOpenen});
    mnuBestand->addSeparator();
    mnuBestand->addActions({mnuOpslaan, mnuOpslaanAls, mnuFoutenOpslaan});
    mnuBestand->addSeparator();
    mnuBestand->addAction(mnuAfdrukken);
    mnuBestand->addSeparator();
    mnuBestand->addAction(mnuAfsluiten);

    Menu(mnuBewerken, "mnuBewerken", QStringLiteral("Be&werken"));
    mnuBewerken->addAction(mnuTabelbewerken);
    mnuBewerken->addSeparator();
    mnuBewerken->addActions({mnuKnippen, mnuKopieren, mnuPlakken});
    mnuBewerken->addSeparator();
    mnuBewerken->addAction(mnuZoeken);
    mnuBewerken->addSeparator();
    mnuBewerken->addActions({mnuAccentToWin, mnuAccentToDos});

    Menu(mnuBeeld, "mnuBeeld", QStringLiteral("B&eeld"));
    mnuBeeld->addActions({mnuKnoppenbalk, mnuStatusbalk, mnuHelpballonnetjes});

    Menu(mnuOverhoren, "mnuOverhoren", QStringLiteral("&Overhoren"));
    mnuOverhoren->addActions({mnuTraining, mnuMeerkeuzevragen, mnuInvulvragen});

    Menu(mnuOpties, "mnuOpties", QStringLiteral("O&pties"));
    mnuOpties->addActions({mnuOmgekeerd, mnuRepeteren, mnuTolerant, mnuSteekproef, mnuIntelliMC, mnuSequential});

    Menu(mnuQuestionMark, "mnuQuestionMark", QStringLiteral("&?"));
    mnuQuestionMark->addAction(mnuHelp);
    mnuQuestionMark->addSeparator();
    mnuQuestionMark->addAction(mnuInfo);
}

void TfrmMain::createToolBars()
{
    auto* Bar = new TMainToolbar(this, DesignClientWidth);
    Toolbar = Bar;
    addToolBar(Qt::TopToolBarArea, Toolbar);
    QStyle* Style = style();
    btnNieuw = Bar->AddButton("btnNieuw", 4, 25, mnuNieuw, QStringLiteral("Nieuwe memoranttabel maken"),
        Style->standardIcon(QStyle::SP_FileIcon));
    btnOpenen = Bar->AddButton("btnOpenen", 29, 25, mnuOpenen,
        QStringLiteral("Memoranttabel(len) openen (er kunnen m.b.v. Ctrl toets meerdere tabellen geladen worden)"),
        Style->standardIcon(QStyle::SP_DialogOpenButton));
    btnOpslaan = Bar->AddButton("btnOpslaan", 54, 25, mnuOpslaan, QStringLiteral("Memoranttabel opslaan"),
        Style->standardIcon(QStyle::SP_DialogSaveButton));
    btnFoutenOpslaan = Bar->AddButton("btnFoutenOpslaan", 84, 25, mnuFoutenOpslaan,
        QStringLiteral("Alle foute woorden uit laatste memorantsessie opslaan, zodat ze apart nog eens memorantd kunnen worden"),
        Style->standardIcon(QStyle::SP_MessageBoxWarning));
    btnBewerken = Bar->AddButton("btnBewerken", 114, 72, mnuTabelbewerken, QStringLiteral("Memoranttabel invullen of aanpassen"));
    btnTraining = Bar->AddButton("btnTraining", 191, 82, mnuTraining,
        QStringLiteral("Memorant jezelf (kost het minste aantal toetsaanslagen, je moet zelf de score bijhouden)"));
    btnMeerkeuze = Bar->AddButton("btnMeerkeuze", 273, 88, mnuMeerkeuzevragen,
        QStringLiteral("Meerkeuze overhoring (kost weinig toetsaanslagen, computer controleert)"));
    btnInvullen = Bar->AddButton("btnInvullen", 361, 82, mnuInvulvragen,
        QStringLiteral("Overhoring waarbij je het antwoord helemaal intypt (Kost meeste toetsaanslagen, maar memorantt het best)"));
    btnOmgekeerd = Bar->AddButton("btnOmgekeerd", 447, 25, mnuOmgekeerd, QStringLiteral("Vraag en antwoord omkeren"),
        Style->standardIcon(QStyle::SP_BrowserReload));
    btnRepeteren = Bar->AddButton("btnRepeteren", 472, 25, mnuRepeteren,
        QStringLiteral("Fouten blijven repeteren totdat ze goed zijn beantwoord"),
        Style->standardIcon(QStyle::SP_MediaSeekForward));
    btnTolerant = Bar->AddButton("btnTolerant", 497, 25, mnuTolerant, QStringLiteral("Spelfouten toestaan bij invullen"),
        SpellingIcon());
    btnSteekproef = Bar->AddButton("btnSteekproef", 522, 25, mnuSteekproef, QStringLiteral("Steekproef van max 20 vragen uit de lijst"));
    btnSequential = Bar->AddButton("btnSequential", 547, 25, mnuSequential, QStringLiteral("Vragen op volgorde overhoren"));
    for (QToolButton* Mode : {btnBewerken, btnTraining, btnMeerkeuze, btnInvullen})
        Mode->setFont(ArialPixels(11, true));
    btnSteekproef->setFont(ArialPixels(10));
    btnSequential->setFont(ArialPixels(9)); // "1|2|3" in a button 25 wide
}

void TfrmMain::createStatusBar()
{
    StatusBar = new TStatusPanels(this);
    setStatusBar(StatusBar);
    StatusPanels = StatusBar->Panels;
}

void TfrmMain::createPanels(QWidget* Parent)
{
    pnlScore = new TScorePanel(Parent);
    pnlVraagAntwoord = new TQuestionPanel(Parent);
    lblVraag = pnlVraagAntwoord->lblVraag;
    lblAntwoord = pnlVraagAntwoord->lblAntwoord;
    lblVraagTekst = pnlVraagAntwoord->lblVraagTekst;
    lblAntwoordTekst = pnlVraagAntwoord->lblAntwoordTekst;
    lblItemNr = pnlVraagAntwoord->lblItemNr;
    memVraag = pnlVraagAntwoord->memVraag;
    memAntwoord = pnlVraagAntwoord->memAntwoord;
    btnVraagFont = pnlVraagAntwoord->btnVraagFont;
    btnPgUp = pnlVraagAntwoord->btnPgUp;
    btnPgDn = pnlVraagAntwoord->btnPgDn;
    btnAntwoordFont = pnlVraagAntwoord->btnAntwoordFont;
    btnVraagToClipboard = pnlVraagAntwoord->btnVraagToClipboard;
    btnAntwoordToClipboard = pnlVraagAntwoord->btnAntwoordToClipboard;
    pnlTitel = new TTitlePanel(Parent);
    lblSubTitel = pnlTitel->lblSubTitel;
    imgLogo = new QLabel(Parent);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->resize(183, 154);
    imgLogo->hide();
}

void TfrmMain::createCollaborators(QWidget* Parent)
{
    pnlTraining = new TTrainingPanel(Parent, *this);
    pnlKlaar = new TResultsPanel(Parent, QuestionList);
    pnlMeerkeuze = new TChoicePanel(Parent, *this);
    pnlInvoer = new TFillInPanel(Parent, *this);
    pnlEdit = new TEditPanel(Parent, *this,
                             {memVraag, memAntwoord, lblItemNr, lblVraagTekst, lblAntwoordTekst, SearchText,
                              AccentsConverted});
    for (QWidget* Panel : {static_cast<QWidget*>(pnlTraining), static_cast<QWidget*>(pnlKlaar),
                           static_cast<QWidget*>(pnlMeerkeuze), static_cast<QWidget*>(pnlInvoer),
                           static_cast<QWidget*>(pnlEdit)}) {
        Panel->setAutoFillBackground(true); // the title panel lies behind them
        Panel->hide();
    }
    QuizOptions = new TQuizOptions(*this);
    QuizMemory = new TQuizMemory(*this);
    AccentKeys = std::make_unique<TAccentKeys>();
    CommandKeys = std::make_unique<TCommandKeys>(
        *this, QList<QAction*>{mnuOmgekeerd, mnuRepeteren, mnuTolerant, mnuSteekproef, mnuIntelliMC, mnuSequential});
    WindowSettings = std::make_unique<TWindowSettings>();
    DlgSlaFoutenOp = new TDlgSlaFoutenOp(*this, QuestionList);
    Files = new TFileCommands(*this, *WindowSettings, *DlgSlaFoutenOp);
    frmPrint = new TfrmPrint(*this);
    frmAbout = new TfrmAbout(this);
    RecentFiles = new TRecentFiles(mnuBestand, mnuAfsluiten, this);
    DroppedFiles = new TDroppedFiles(this);
    KeyPreview = new TKeyPreview(
        *this, [this](QKeyEvent* Event) { return FormKeyDown(Event); }, [this](char& Key) { FormKeyPress(Key); });
    Speech = new TSpeechCommands(*this);
    SpokenLanguages = std::make_unique<TTableLanguages>(*QuizMemory);
    connect(this, &TfrmMain::QuestionShown, Speech, &TSpeechCommands::QuestionShown);
    connect(pnlTraining, &TTrainingPanel::AnswerShown, Speech, &TSpeechCommands::AnswerShown);
    connect(pnlMeerkeuze, &TChoicePanel::AnswerShown, Speech, &TSpeechCommands::AnswerShown);
    connect(pnlInvoer, &TFillInPanel::AnswerShown, Speech, &TSpeechCommands::AnswerShown);
}

void TfrmMain::connectCommands()
{
    ConnectCommand(mnuNieuw, &QAction::triggered, Files, &TFileCommands::NewTable);
    ConnectCommand(mnuOpenen, &QAction::triggered, Files, &TFileCommands::OpenTables);
    ConnectCommand(mnuOpslaan, &QAction::triggered, Files, &TFileCommands::SaveTable);
    ConnectCommand(mnuOpslaanAls, &QAction::triggered, Files, &TFileCommands::SaveTableAs);
    ConnectCommand(mnuFoutenOpslaan, &QAction::triggered, Files, &TFileCommands::SaveWrongAnswers);
    ConnectCommand(mnuAfdrukken, &QAction::triggered, this, &TfrmMain::mnuAfdrukkenClick);
    ConnectCommand(mnuAfsluiten, &QAction::triggered, this, &QWidget::close);

    ConnectCommand(mnuTabelbewerken, &QAction::triggered, this, &TfrmMain::mnuTabelbewerkenClick);
    ConnectCommand(mnuKnippen, &QAction::triggered, pnlEdit, &TEditPanel::mnuKnippenClick);
    ConnectCommand(mnuKopieren, &QAction::triggered, pnlEdit, &TEditPanel::mnuKopierenClick);
    ConnectCommand(mnuPlakken, &QAction::triggered, pnlEdit, &TEditPanel::mnuPlakkenClick);
    ConnectCommand(mnuZoeken, &QAction::triggered, pnlEdit, &TEditPanel::mnuZoekenClick);
    ConnectCommand(mnuAccentToWin, &QAction::triggered, pnlEdit, &TEditPanel::mnuAccentToWinClick);
    ConnectCommand(mnuAccentToDos, &QAction::triggered, pnlEdit, &TEditPanel::mnuAccentToDosClick);
    ConnectCommand(btnVraagFont, &QToolButton::clicked, pnlEdit, &TEditPanel::btnVraagFontClick);
    ConnectCommand(btnAntwoordFont, &QToolButton::clicked, pnlEdit, &TEditPanel::btnAntwoordFontClick);
    ConnectCommand(btnPgUp, &QToolButton::clicked, pnlEdit, &TEditPanel::btnPgUpClick);
    ConnectCommand(btnPgDn, &QToolButton::clicked, pnlEdit, &TEditPanel::btnPgDnClick);

    ConnectCommand(mnuKnoppenbalk, &QAction::triggered, this, &TfrmMain::mnuKnoppenbalkClick);
    ConnectCommand(mnuStatusbalk, &QAction::triggered, this, &TfrmMain::mnuStatusbalkClick);
    ConnectCommand(mnuHelpballonnetjes, &QAction::triggered, this, &TfrmMain::mnuHelpballonnetjesClick);

    ConnectCommand(mnuTraining, &QAction::triggered, this, &TfrmMain::mnuTrainingClick);
    ConnectCommand(mnuMeerkeuzevragen, &QAction::triggered, this, &TfrmMain::mnuMeerkeuzevragenClick);
    ConnectCommand(mnuInvulvragen, &QAction::triggered, this, &TfrmMain::mnuInvulvragenClick);
    ConnectCommand(btnVraagToClipboard, &QToolButton::clicked, this, &TfrmMain::btnVraagToClipboardClick);
    ConnectCommand(btnAntwoordToClipboard, &QToolButton::clicked, this, &TfrmMain::btnAntwoordToClipboardClick);
    QuizOptions->ConnectOption(mnuOmgekeerd, &TQuizOptions::ToggleReverse);
    QuizOptions->ConnectOption(mnuRepeteren, &TQuizOptions::ToggleRepeatErrors);
    QuizOptions->ConnectOption(mnuTolerant, &TQuizOptions::ToggleTolerant);
    QuizOptions->ConnectOption(mnuSteekproef, &TQuizOptions::mnuSteekproefClick);
    QuizOptions->ConnectOption(mnuIntelliMC, &TQuizOptions::ToggleIntelliMC);
    QuizOptions->ConnectOption(mnuSequential, &TQuizOptions::ToggleSequential);

    ConnectCommand(mnuHelp, &QAction::triggered, this, &TfrmMain::mnuHelpClick);
    ConnectCommand(mnuInfo, &QAction::triggered, this, &TfrmMain::mnuInfoClick);

    // Tables opened or saved join the recent list; a recent or dropped table
    // opens as "Openen" opens a table.
    connect(Files, &TFileCommands::TableFileUsed, RecentFiles, &TRecentFiles::Add);
    connect(RecentFiles, &TRecentFiles::OpenRequested, this,
            [this](const QString& File) { RunCommand([&] { Files->OpenFiles({File}); }); });
    connect(DroppedFiles, &TDroppedFiles::FilesDropped, this,
            [this](const QStringList& Dropped) { RunCommand([&] { Files->OpenFiles(Dropped); }); });
}

void TfrmMain::createPromptsAndDebugList(QWidget* Parent)
{
    auto Prompt = [Parent](const char* Name) {
        QLabel* Label = MakeLabel(Parent, QString::fromLatin1(Name), QString(), ArialPixels(13, true));
        Label->resize(513, 18);
        Label->setAlignment(Qt::AlignCenter);
        Label->setTextFormat(Qt::PlainText);
        SetTextColour(Label, NavyColour());
        return Label;
    };
    lblPrompt1 = Prompt("lblPrompt1");
    lblPrompt2 = Prompt("lblPrompt2");
    lbxDebug = new TDebugList(this, QuestionList);
}

// ---------------------------------------------------------------- first activation and command line

void TfrmMain::showEvent(QShowEvent* Event)
{
    QMainWindow::showEvent(Event);
    if (FirstActivation)
        QTimer::singleShot(0, this, [this] {
            RunCommand([this] { FormActivate(); });
            // A notice or error box of the start may have come up before the
            // window was first active; the keys come here once it is gone.
            activateWindow();
        });
}

void TfrmMain::FormActivate()
{
    if (!FirstActivation)
        return;
    InitOnFirstActivate();
    FirstActivation = false;
    CarryOutCommandLine(PendingArguments);
}

void TfrmMain::InitOnFirstActivate()
{
    QuestionList.Clear();
    SetState(msNoTable);
    lblSubTitel->setText(QStringLiteral("Versie ") + ProgramVersion);
    frmAbout->VersionText = QStringLiteral("Versie ") + ProgramVersion + QStringLiteral("  ") + ReleaseDate;
    frmAbout->ProgramNameText = QStringLiteral("Memorant voor Windows");
    frmAbout->DescriptionText = frmAbout->ProgramNameText + QStringLiteral("\n") + frmAbout->VersionText;
    ApplySettings(WindowSettings->LoadSettings());
    RecentFiles->Load(*WindowSettings->Settings);
    UpdateCommandStates();
}

void TfrmMain::ApplySettings(const TSettingsValues& Values)
{
    QuizOptions->ApplyKept(Values);
    QuizMemory->ApplyKept(Values);
    Speech->mnuAutomatischUitspreken->setChecked(Values.AutoSpeak);
    resize(Values.Bounds.size());
    move(Values.Bounds.topLeft());
    setWindowState(Values.WindowState);
    mnuKnoppenbalk->setChecked(Values.Toolbar);
    mnuKnoppenbalkClick();
    mnuStatusbalk->setChecked(Values.Statusbar);
    mnuStatusbalkClick();
    mnuHelpballonnetjes->setChecked(Values.HelpBalloons);
    mnuHelpballonnetjesClick();
}

TSettingsValues TfrmMain::CollectSettings() const
{
    TSettingsValues Values;
    QuizOptions->KeepIn(Values);
    QuizMemory->KeepIn(Values);
    Values.AutoSpeak = Speech->mnuAutomatischUitspreken->isChecked();
    // A maximised or minimised window keeps the bounds it returns to.
    const bool Normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const QPoint FrameOffset = geometry().topLeft() - pos();
    Values.Bounds = Normal || !normalGeometry().isValid() ? QRect(pos(), size())
                                                          : normalGeometry().translated(-FrameOffset);
    Values.WindowState = isMinimized() ? Qt::WindowMinimized : isMaximized() ? Qt::WindowMaximized : Qt::WindowNoState;
    Values.Screen = screen() ? screen()->name() : QString();
    Values.Toolbar = mnuKnoppenbalk->isChecked();
    Values.Statusbar = mnuStatusbalk->isChecked();
    Values.HelpBalloons = mnuHelpballonnetjes->isChecked();
    return Values;
}

void TfrmMain::CarryOutCommandLine(const QStringList& Arguments)
{
    for (const QString& Argument : Arguments) {
        if (!IsCommandLineSwitch(Argument)) {
            // A missing file, and a folder, is skipped without a message.
            if (const QFileInfo File(Argument); !File.exists() || File.isDir())
                continue;
            {
                const TBusyCursor Busy;
                Files->LoadTableFile(Argument);
            }
            ShowTableRead();
            continue;
        }
        switch (SwitchLetter(Argument).unicode()) {
        case 'E': mnuTabelbewerken->setVisible(false); btnBewerken->hide(); break;
        case 'I': mnuInvulvragen->setVisible(false); btnInvullen->hide(); break;
        case 'M': mnuMeerkeuzevragen->setVisible(false); btnMeerkeuze->hide(); break;
        case 'T': mnuTraining->setVisible(false); btnTraining->hide(); break;
        case 'P': mnuAfdrukken->setVisible(false); break;
        case '?': ShowNotice(this, QStringLiteral("msgCommandosyntax"), CommandLineSyntax()); break;
        default: break;
        }
    }
}

// ---------------------------------------------------------------- the one refresh

void TfrmMain::UpdateCommandStates()
{
    StatusBar->ShowCounters(QuestionList, Files->SourceName());
    pnlScore->SetScoreMeter(static_cast<int>(std::nearbyint(QuestionList.Score() * 4)));
    EnableCommands();
    ShowScreenOfState();
    QuizMemory->UpdateCommandStates();
    Speech->UpdateCommandStates();
    if (State == msNoTable || State == msIdle || State == msAborted || (State == msFinished && QuestionList.Sessions == 0))
        ShowIdlePrompts();
    if (lbxDebug->isVisible())
        RefreshDebugList();
    if (State == msNoTable)
        SetPrompt(QStringLiteral("Open bestaande tabel"), QStringLiteral("of maak een nieuwe aan"));
}

void TfrmMain::EnableCommands()
{
    const int Count = QuestionList.Count();
    mnuOpslaan->setEnabled(QuestionList.Changed || pnlEdit->HasUnstoredText());
    mnuOpslaanAls->setEnabled(Count > 0);
    mnuFoutenOpslaan->setEnabled(QuestionList.MaxErrorStat() > 0);
    mnuAfdrukken->setEnabled(Count > 0);
    mnuTabelbewerken->setChecked(State == msEdit);
    mnuZoeken->setEnabled(State == msEdit);
    mnuAccentToWin->setEnabled(State == msEdit && !AccentsConverted);
    mnuAccentToDos->setEnabled(State == msEdit && !AccentsConverted);
    mnuTraining->setEnabled(Count > 0);
    mnuTraining->setChecked(State == msTrainingQuestion || State == msTrainingAnswer);
    mnuMeerkeuzevragen->setEnabled(Count > 3);
    mnuMeerkeuzevragen->setChecked(State == msChoiceQuestion || State == msChoiceAnswered);
    mnuInvulvragen->setEnabled(Count > 0);
    mnuInvulvragen->setChecked(State == msFillInQuestion || State == msFillInAnswered);
    for (QAction* Option : {mnuOmgekeerd, mnuRepeteren, mnuTolerant, mnuSteekproef, mnuIntelliMC, mnuSequential})
        Option->setEnabled(Count > 0);
    mnuOverhoren->menuAction()->setEnabled(Count > 0);
    mnuOpties->menuAction()->setEnabled(Count > 0);
}

void TfrmMain::ShowScreenOfState()
{
    const bool PanelActive = State >= msEdit && State <= msFillInAnswered;
    pnlTraining->SetButtonStates(State);
    pnlInvoer->btnToonAntwoord->setEnabled(State == msFillInQuestion);
    pnlInvoer->btnToonHint->setEnabled(State == msFillInQuestion || State == msFillInAnswered);

    const bool Title = !PanelActive;
    const bool LogoWasVisible = !imgLogo->isHidden();
    pnlTitel->setVisible(Title);
    pnlTitel->lower();
    imgLogo->setVisible(!Title);
    pnlTraining->setVisible(State == msTrainingQuestion || State == msTrainingAnswer);
    pnlMeerkeuze->setVisible(State == msChoiceQuestion || State == msChoiceAnswered);
    pnlInvoer->setVisible(State == msFillInQuestion || State == msFillInAnswered);
    pnlKlaar->setVisible(State == msFinished && QuestionList.Sessions > 0);
    pnlEdit->setVisible(State == msEdit);
    if (LogoWasVisible != !imgLogo->isHidden())
        FormResize();
    pnlVraagAntwoord->ShowState(State);
    if (!IsQuizState(State))
        timTijd->stop();
    else if (!timTijd->isActive())
        timTijd->start();
}

void TfrmMain::ShowIdlePrompts()
{
    if (QuestionList.Count() > 0)
        SetPrompt(QStringLiteral("Kies memorantmethode: Training, Meerkeuze, of Invullen"),
                  QStringLiteral("of kies 'Bewerken' voor bewerken van de memoranttabel"));
    else
        SetPrompt(QStringLiteral("Open bestaande tabel"), QStringLiteral("of maak een nieuwe aan"));
}

void TfrmMain::SetPrompt(const QString& Line1, const QString& Line2)
{
    lblPrompt1->setText(Line1);
    lblPrompt2->setText(Line2);
}

void TfrmMain::ShowAnswerLine(const QString& Text) { pnlVraagAntwoord->ShowAnswerLine(Text); }

// ---------------------------------------------------------------- layout

int TfrmMain::ToolbarOffset() const { return Toolbar->isHidden() ? 0 : ToolbarHeight; }

int TfrmMain::ClientWidth() const { return Client->width(); }

// The window below its menu bar; unlike the central widget, it does not wait
// for the layout to follow a toolbar or status bar that was just hidden.
int TfrmMain::ClientHeight() const { return height() - (menuBar()->isHidden() ? 0 : menuBar()->height()); }

// The whole client area: all of the window below its menu bar.
QRect TfrmMain::DebugListArea() const
{
    const int Top = menuBar()->isHidden() ? 0 : menuBar()->height();
    return {0, Top, width(), height() - Top};
}

void TfrmMain::PlaceAt(QWidget* Control, int Left, int Top) { Control->move(Left, Top - ToolbarOffset()); }

QList<QWidget*> TfrmMain::LowerPanels() const
{
    return {pnlTitel, pnlEdit, pnlTraining, pnlMeerkeuze, pnlInvoer, pnlKlaar};
}

void TfrmMain::CenterControl(QWidget* Control)
{
    int Width = ClientWidth();
    if (!imgLogo->isHidden() && !imgLogo->pixmap().isNull())
        Width -= imgLogo->width();
    Control->move(std::max(0, (Width - Control->width()) / 2), Control->y());
}

void TfrmMain::FormResize()
{
    // A window larger than the design draws the design larger; the toolbar
    // and the status bar keep their size.
    LayoutScale->Apply(LayoutScale->FactorFor(QSize(ClientWidth(), ClientHeight())));
    const int PromptTop = ClientHeight() - StatusBarHeight - LayoutScale->Scaled(PromptDistanceToBottom - StatusBarHeight);
    PlaceAt(lblPrompt1, lblPrompt1->x(), PromptTop);
    // Scaled, the second line starts below the first rather than on its edge.
    PlaceAt(lblPrompt2, lblPrompt2->x(), PromptTop + (LayoutScale->Factor() > 1 ? lblPrompt1->height() : 16));
    for (QWidget* Control : {static_cast<QWidget*>(pnlVraagAntwoord), static_cast<QWidget*>(pnlScore),
                             static_cast<QWidget*>(pnlTitel), static_cast<QWidget*>(pnlMeerkeuze),
                             static_cast<QWidget*>(pnlTraining), static_cast<QWidget*>(pnlInvoer),
                             static_cast<QWidget*>(pnlKlaar), static_cast<QWidget*>(pnlEdit),
                             static_cast<QWidget*>(lblPrompt1), static_cast<QWidget*>(lblPrompt2)})
        CenterControl(Control);

    const int Right = pnlScore->x() + pnlScore->width();
    const int Room = ClientWidth() - imgLogo->width();
    const int LogoLeft = Room >= Right ? Right + (Room - Right) / 2 : Right;

    const int Gap = (PromptTop - ToolbarHeight - pnlScore->height() - pnlVraagAntwoord->height() -
                     pnlInvoer->height()) / 4;
    const int ScoreTop = ToolbarHeight + Gap;
    PlaceAt(pnlScore, pnlScore->x(), ScoreTop);
    PlaceAt(imgLogo, LogoLeft, ScoreTop);
    const int PanelTop = ScoreTop + pnlScore->height() + Gap;
    PlaceAt(pnlVraagAntwoord, pnlVraagAntwoord->x(), PanelTop);
    const int LowerTop = PanelTop + pnlVraagAntwoord->height() + Gap;
    for (QWidget* Panel : LowerPanels())
        PlaceAt(Panel, Panel->x(), LowerTop);
    LayoutScale->Stretch(pnlEdit, PromptTop - Gap - LowerTop); // the grid shows more rows
    if (lbxDebug->isVisible())
        lbxDebug->setGeometry(DebugListArea());
    update();
}

int TfrmMain::ScoreMeterBlocks() const { return pnlScore->ScoreMeterBlocks(); }

// ---------------------------------------------------------------- keys

bool TfrmMain::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::ShortcutOverride && Watched->isWidgetType() &&
        static_cast<QWidget*>(Watched)->window() == this && CommandKeys->TakesOverride(*static_cast<QKeyEvent*>(Event))) {
        Event->ignore(); // the command's shortcut, not the edit field's
        return true;
    }
    if (Event->type() == QEvent::ToolTip && !mnuHelpballonnetjes->isChecked() && Watched->isWidgetType() &&
        static_cast<QWidget*>(Watched)->window() == this)
        return true;
    if (Event->type() == QEvent::Resize && Watched == Client)
        FormResize();
    return QMainWindow::eventFilter(Watched, Event);
}

bool TfrmMain::FormKeyDown(QKeyEvent* Event)
{
    // The accent keys see the key first; a key they take goes nowhere else.
    if (AccentKeys->KeyDown(Event) || CommandKeys->IsSwitchedOff(*Event))
        return true;
    const Qt::KeyboardModifiers Held = Event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (Event->key() == Qt::Key_F12 && Held == (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        lbxDebug->Toggle(DebugListArea(), State);
        return true;
    }
    // Shift, Ctrl or Alt held with F2 or F3 makes no difference.
    if (Event->key() == Qt::Key_F2)
        btnVraagToClipboardClick();
    else if (Event->key() == Qt::Key_F3)
        btnAntwoordToClipboardClick();
    if (State == msEdit)
        return pnlEdit->EditKeyDown(Event);
    return false;
}

void TfrmMain::FormKeyPress(char& Key)
{
    AccentKeys->KeyPress(Key, TypingCodePage());
    if (Key != 0)
        HandleQuizKey(Key);
}

int TfrmMain::TypingCodePage() const
{
    const QWidget* Focus = QApplication::focusWidget();
    if (Focus == memVraag)
        return CodePageOfCharset(QuestionList.QFont().Charset);
    if (Focus == memAntwoord || Focus == pnlInvoer->memInvoer)
        return CodePageOfCharset(QuestionList.AFont().Charset);
    return WesternCodePage;
}

void TfrmMain::HandleQuizKey(char& Key)
{
    if (State == msIdle)
        return;
    if (State == msEdit) {
        if (Key == '\r')
            Key = 0;
        return;
    }
    if (State != msFinished && QuestionList.Rest <= 0)
        SetState(msFinished);
    if (Key == 27)
        AskAbortQuiz();
    switch (State) {
    case msTrainingQuestion: EnterQuizState(pnlTraining->TrainingRevealKey(Key)); break;
    case msTrainingAnswer: EnterQuizState(pnlTraining->TrainingJudgeKey(Key)); break;
    case msChoiceQuestion: EnterQuizState(pnlMeerkeuze->ChoiceAnswerKey(Key)); break;
    case msChoiceAnswered: EnterQuizState(pnlMeerkeuze->ChoiceNextKey(Key)); break;
    case msFillInQuestion: EnterQuizState(pnlInvoer->FillInAnswerKey(Key)); break;
    case msFillInAnswered: EnterQuizState(pnlInvoer->FillInNextKey(Key)); break;
    case msFinished: ShowResults(); break;
    default: break;
    }
    UpdateCommandStates();
}

void TfrmMain::TakeQuizStep(int NextState)
{
    EnterQuizState(NextState);
    UpdateCommandStates();
}

void TfrmMain::EnterQuizState(int NextState)
{
    if (NextState == State)
        return;
    SetState(NextState);
    if (NextState == msTrainingQuestion || NextState == msChoiceQuestion || NextState == msFillInQuestion)
        ShowNextQuestion();
    else if (NextState == msFinished)
        ShowResults();
}

void TfrmMain::RefreshDebugList() { lbxDebug->Refresh(State); }

void TfrmMain::btnVraagToClipboardClick() { memVraag->CopyAllToClipboard(); }

void TfrmMain::btnAntwoordToClipboardClick() { memAntwoord->CopyAllToClipboard(); }

// ---------------------------------------------------------------- quiz

void TfrmMain::StartQuiz(int Mode)
{
    if (State == msNoTable)
        return;
    if (!ModeAvailable(Mode))
        return;
    if (State == msEdit) {
        pnlEdit->StopEditing(Mode);
        if (State == msNoTable)
            return;
    }
    QuestionList.UseSample = mnuSteekproef->isChecked();
    QuestionList.SetSequential(mnuSequential->isChecked());
    if (State < msEdit || State > msFillInAnswered || QuestionList.Rest == 0) {
        QuestionList.StartSession();
        QuizStartTime = QDateTime::currentDateTime();
        StatusBar->ShowElapsed(0);
    }
    ShowAnswerLine(QString());
    SetState(Mode);
    UpdateCommandStates();
    if (Mode == msFillInQuestion)
        pnlInvoer->memInvoer->setFocus();
    ShowNextQuestion();
}

void TfrmMain::ShowNextQuestion()
{
    QuestionList.Reverse = mnuOmgekeerd->isChecked();
    QuestionList.SetRepeatErrors(mnuRepeteren->isChecked());
    QuestionList.Tolerant = mnuTolerant->isChecked();
    QuestionList.IntelliMC = mnuIntelliMC->isChecked();
    QuestionList.UseSample = mnuSteekproef->isChecked();
    pnlVraagAntwoord->ApplyColumnFonts(QuestionList.QFont(), QuestionList.AFont());
    std::string Question;
    try {
        QuestionList.NextQuestion(Question);
    } catch (const EMultiChoiceError& Error) {
        if (State == msChoiceQuestion) {
            ShowNotice(this, QStringLiteral("msgMeerkeuze"), ExceptionText(Error.what()));
            SetState(msIdle);
            UpdateCommandStates();
            return;
        }
        Question = QuestionList.CurrentQuestion();
    }
    pnlVraagAntwoord->ShowQuestionLine(ColumnToQt(Question, QuestionList.QFont().Charset));
    ShowAnswerLine(QString());
    if (State == msTrainingQuestion)
        SetPrompt(QStringLiteral("Neem het antwoord in gedachten en controleer jezelf"),
                  QStringLiteral("Druk op spatie voor het antwoord   (Esc=stoppen)"));
    else if (State == msChoiceQuestion)
        pnlMeerkeuze->ShowQuestion();
    else if (State == msFillInQuestion)
        pnlInvoer->ShowQuestion();
    emit QuestionShown();
}

void TfrmMain::AskAbortQuiz()
{
    if (!IsQuizState(State))
        return;
    if (!AskYesNo(QStringLiteral("Deze memorant-sessie afbreken?"), false))
        return;
    pnlKlaar->FillReport();
    SetState(msAborted);
    UpdateCommandStates();
}

void TfrmMain::ShowResults()
{
    if (QuestionList.Sessions == 0)
        return;
    SetPrompt(QString(), QString());
    pnlKlaar->FillReport();
    QuizMemory->AddReportLines();
    if (pnlKlaar->BarCount() < QuestionList.Sessions)
        pnlKlaar->AddRound(QuestionList.Score());
    SetPrompt(VerdictText(QuestionList.Score()), QString());
}

void TfrmMain::timTijdTimer()
{
    StatusBar->ShowElapsed(QuizStartTime.secsTo(QDateTime::currentDateTime()) % (24 * 3600));
}

// ---------------------------------------------------------------- other commands

void TfrmMain::mnuTabelbewerkenClick()
{
    if (State == msEdit)
        pnlEdit->StopEditing(msIdle);
    else
        StartEditing();
    UpdateCommandStates();
}

void TfrmMain::mnuAfdrukkenClick()
{
    if (!mnuAfdrukken->isVisible())
        return;
    frmPrint->QuestionList = &QuestionList;
    frmPrint->SourceName = Files->SourceName();
    frmPrint->Print();
}

void TfrmMain::mnuKnoppenbalkClick() { Toolbar->setVisible(mnuKnoppenbalk->isChecked()); FormResize(); }

void TfrmMain::mnuStatusbalkClick() { StatusBar->setVisible(mnuStatusbalk->isChecked()); FormResize(); }

// The tick alone decides: the key and event preview drops tool tips while it is off.
void TfrmMain::mnuHelpballonnetjesClick() {}

void TfrmMain::mnuHelpClick() { ShowHelpContents(this); }

void TfrmMain::mnuInfoClick() { frmAbout->exec(); }

void TfrmMain::closeEvent(QCloseEvent* Event)
{
    // Ignored until the questions are done: a dismissed question, or a save
    // that fails there (its error is shown), leaves the window open.
    Event->ignore();
    bool MayClose = false;
    if (!RunCommand([&] { MayClose = Files->CanClose(); }) || !MayClose)
        return;
    WindowSettings->SaveSettings(CollectSettings(), *this);
    RecentFiles->Save(*WindowSettings->Settings);
    Event->accept();
}

// ---------------------------------------------------------------- the doors

bool TfrmMain::ModeAvailable(int Mode) const
{
    const QToolButton* Button = Mode == msEdit                 ? btnBewerken
                                : Mode == msTrainingQuestion ? btnTraining
                                : Mode == msChoiceQuestion   ? btnMeerkeuze
                                                             : btnInvullen;
    return !Button->isHidden();
}

bool TfrmMain::ReverseTicked() const { return mnuOmgekeerd->isChecked(); }

void TfrmMain::StoreTypedText() { pnlEdit->StoreEdits(); }

void TfrmMain::ShowReading(const QString& File)
{
    SetPrompt(QStringLiteral("Inlezen tabel %1...").arg(QDir::toNativeSeparators(File)), QString());
    lblPrompt1->repaint();
}

void TfrmMain::TableReplaced()
{
    pnlKlaar->ClearChart();
    SetState(QuestionList.Count() > 0 ? msIdle : msNoTable);
}

void TfrmMain::ShowTableRead()
{
    SetState(QuestionList.Count() > 0 ? msIdle : msNoTable);
    AccentsConverted = false;
    UpdateCommandStates();
}

void TfrmMain::StartEditing() { pnlEdit->StartEditing(); }
