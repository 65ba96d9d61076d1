// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "app/accentkeys.h"
#include "ui/busycursor.h"
#include "quizscreens/choicepanel.h"
#include "ui/commandguard.h"
#include "app/commandkeys.h"
#include "app/debuglistmodel.h"
#include "tableeditor/editpanel.h"
#include "quizscreens/fillinpanel.h"
#include "app/frmhelp.h"
#include "ui/memo.h"
#include "app/memorantapplication.h"
#include "app/quizoptions.h"
#include "app/speechcommands.h"
#include "quizscreens/resultspanel.h"
#include "ui/tablefont.h"
#include "quizscreens/trainingpanel.h"
#include "ui/uistyle.h"
#include "formats/wintext.h"
#include "editor/codepage.h"
#include "files/dlgslafoutenop.h"
#include "files/filecommands.h"
#include "app/frmabout.h"
#include "ui/frmjanee.h"
#include "files/windowsettings.h"
#include "print/frmprint.h"

namespace {

const QString ProgramVersion = QStringLiteral("4.5.1");
const QString ReleaseDate = QStringLiteral("(11-03-2006)");

// Heights of the fixed parts of the design, in pixels.
constexpr int ToolbarHeight = 33;
constexpr int StatusBarHeight = 19;
constexpr int DesignClientWidth = 600;
constexpr int DesignClientHeight = 431;
constexpr int PromptDistanceToBottom = DesignClientHeight - 360;

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
    createScorePanel(Client);
    createQuestionPanel(Client);
    createTitlePanel(Client);
    createCollaborators(Client);
    createPromptsAndDebugList(Client);

    timTijd = new QTimer(this);
    timTijd->setObjectName(QStringLiteral("timTijd"));
    timTijd->setInterval(1000);
    connect(timTijd, &QTimer::timeout, this, &TfrmMain::timTijdTimer);

    CreateScoreMeter();
    SetScoreMeter(40);

    setMinimumSize(DesignClientWidth, DesignClientHeight + menuBar()->sizeHint().height());
    resize(minimumSize());
    if (const QScreen* Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
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

    ConnectCommand(mnuAfsluiten, &QAction::triggered, this, &QWidget::close);
    ConnectCommand(mnuTabelbewerken, &QAction::triggered, this, &TfrmMain::mnuTabelbewerkenClick);
    ConnectCommand(mnuTraining, &QAction::triggered, this, &TfrmMain::mnuTrainingClick);
    ConnectCommand(mnuMeerkeuzevragen, &QAction::triggered, this, &TfrmMain::mnuMeerkeuzevragenClick);
    ConnectCommand(mnuInvulvragen, &QAction::triggered, this, &TfrmMain::mnuInvulvragenClick);
    ConnectCommand(mnuAfdrukken, &QAction::triggered, this, &TfrmMain::mnuAfdrukkenClick);
    ConnectCommand(mnuKnoppenbalk, &QAction::triggered, this, &TfrmMain::mnuKnoppenbalkClick);
    ConnectCommand(mnuStatusbalk, &QAction::triggered, this, &TfrmMain::mnuStatusbalkClick);
    ConnectCommand(mnuHelpballonnetjes, &QAction::triggered, this, &TfrmMain::mnuHelpballonnetjesClick);
    ConnectCommand(mnuHelp, &QAction::triggered, this, &TfrmMain::mnuHelpClick);
    ConnectCommand(mnuInfo, &QAction::triggered, this, &TfrmMain::mnuInfoClick);
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
    Toolbar = new QToolBar(this);
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setMovable(false);
    Toolbar->setFloatable(false);
    Toolbar->toggleViewAction()->setVisible(false);
    Toolbar->setFixedHeight(ToolbarHeight);
    Toolbar->setContentsMargins(0, 0, 0, 0);
    Toolbar->layout()->setContentsMargins(0, 0, 0, 0);
    Toolbar->setAutoFillBackground(true);
    SetBackground(Toolbar, NavyColour());
    Toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, Toolbar);

    auto* Buttons = new QWidget(Toolbar);
    Buttons->setObjectName(QStringLiteral("ToolbarButtons"));
    Buttons->setFixedSize(DesignClientWidth, ToolbarHeight);
    StyleToolbarButtons(Buttons);
    Toolbar->addWidget(Buttons);

    QStyle* Style = style();
    auto Button = [&](QToolButton*& Target, const char* Name, int Left, int Width, QAction* Action,
                      const QString& Hint, const QIcon& Icon = {}) {
        Target = new QToolButton(Buttons);
        Target->setObjectName(QString::fromLatin1(Name));
        Target->setGeometry(Left, 4, Width, 25);
        Target->setFocusPolicy(Qt::NoFocus);
        Action->setToolTip(Hint);
        if (!Icon.isNull())
            Action->setIcon(Icon);
        Action->setIconVisibleInMenu(!Action->isCheckable()); // an option shows its tick there
        Target->setDefaultAction(Action);
        Target->setToolButtonStyle(Icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    };
    Button(btnNieuw, "btnNieuw", 4, 25, mnuNieuw, QStringLiteral("Nieuwe memoranttabel maken"),
           Style->standardIcon(QStyle::SP_FileIcon));
    Button(btnOpenen, "btnOpenen", 29, 25, mnuOpenen,
           QStringLiteral("Memoranttabel(len) openen (er kunnen m.b.v. Ctrl toets meerdere tabellen geladen worden)"),
           Style->standardIcon(QStyle::SP_DialogOpenButton));
    Button(btnOpslaan, "btnOpslaan", 54, 25, mnuOpslaan, QStringLiteral("Memoranttabel opslaan"),
           Style->standardIcon(QStyle::SP_DialogSaveButton));
    Button(btnFoutenOpslaan, "btnFoutenOpslaan", 84, 25, mnuFoutenOpslaan,
           QStringLiteral("Alle foute woorden uit laatste memorantsessie opslaan, zodat ze apart nog eens memorantd kunnen worden"),
           Style->standardIcon(QStyle::SP_MessageBoxWarning));
    Button(btnBewerken, "btnBewerken", 114, 72, mnuTabelbewerken, QStringLiteral("Memoranttabel invullen of aanpassen"));
    Button(btnTraining, "btnTraining", 191, 90, mnuTraining,
           QStringLiteral("Memorant jezelf (kost het minste aantal toetsaanslagen, je moet zelf de score bijhouden)"));
    Button(btnMeerkeuze, "btnMeerkeuze", 281, 97, mnuMeerkeuzevragen,
           QStringLiteral("Meerkeuze overhoring (kost weinig toetsaanslagen, computer controleert)"));
    Button(btnInvullen, "btnInvullen", 378, 89, mnuInvulvragen,
           QStringLiteral("Overhoring waarbij je het antwoord helemaal intypt (Kost meeste toetsaanslagen, maar memorantt het best)"));
    Button(btnOmgekeerd, "btnOmgekeerd", 472, 25, mnuOmgekeerd, QStringLiteral("Vraag en antwoord omkeren"),
           Style->standardIcon(QStyle::SP_BrowserReload));
    Button(btnRepeteren, "btnRepeteren", 497, 25, mnuRepeteren,
           QStringLiteral("Fouten blijven repeteren totdat ze goed zijn beantwoord"),
           Style->standardIcon(QStyle::SP_MediaSeekForward));
    Button(btnTolerant, "btnTolerant", 522, 25, mnuTolerant, QStringLiteral("Spelfouten toestaan bij invullen"),
           SpellingIcon());
    Button(btnSteekproef, "btnSteekproef", 547, 25, mnuSteekproef, QStringLiteral("Steekproef van max 20 vragen uit de lijst"));
    Button(btnSequential, "btnSequential", 572, 25, mnuSequential, QStringLiteral("Vragen op volgorde overhoren"));
    for (QToolButton* Mode : {btnBewerken, btnTraining, btnMeerkeuze, btnInvullen})
        Mode->setFont(ArialPixels(11, true));
    btnSteekproef->setFont(ArialPixels(10));
    btnSequential->setFont(ArialPixels(9)); // "1|2|3" in a button 25 wide
}

void TfrmMain::createStatusBar()
{
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setFixedHeight(StatusBarHeight);
    setStatusBar(StatusBar);
    const int Widths[6] = {72, 72, 72, 72, 88, 172};
    const QString Texts[6] = {QStringLiteral("totaal: 0000"), QStringLiteral("rest: 0000"), QStringLiteral("goed: 0000"),
                              QStringLiteral("fout: 0000"), QStringLiteral("tijd: 00:00:00"), QStringLiteral("Bestand:")};
    for (int Panel = 0; Panel < 6; ++Panel) {
        auto* Label = new QLabel(Texts[Panel], StatusBar);
        Label->setObjectName(QStringLiteral("StatusPanel%1").arg(Panel));
        Label->setFrameShape(QFrame::Panel);
        Label->setFrameShadow(QFrame::Sunken);
        Label->setAlignment(Panel < 5 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        // A panel grows to fit its text, never below its design width.
        Label->setMinimumWidth(Widths[Panel]);
        if (Panel < 5)
            Label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        StatusBar->addWidget(Label, Panel < 5 ? 0 : 1);
        StatusPanels[Panel] = Label;
    }
}

void TfrmMain::createScorePanel(QWidget* Parent)
{
    pnlScore = MakePanel(Parent, QStringLiteral("pnlScore"), 529, 40);
    lblScore = MakeLabel(pnlScore, QStringLiteral("lblScore"), QStringLiteral("Cijfer:"), ArialPixels(13, true));
    lblScore->move(72, 7);
    pnlScoreMeter = new QFrame(pnlScore);
    pnlScoreMeter->setObjectName(QStringLiteral("pnlScoreMeter"));
    pnlScoreMeter->setFrameShape(QFrame::Panel);
    pnlScoreMeter->setFrameShadow(QFrame::Sunken);
    pnlScoreMeter->setGeometry(112, 6, 324, 18);
    pnlScoreMeter->setAutoFillBackground(true);
    SetBackground(pnlScoreMeter, palette().color(QPalette::Dark));
    const int Lefts[11] = {108, 142, 174, 206, 238, 271, 302, 334, 366, 398, 426};
    for (int Grade = 0; Grade <= 10; ++Grade) {
        lblScale[Grade] = MakeLabel(pnlScore, QStringLiteral("lbl%1").arg(Grade), QString::number(Grade),
                                    ArialPixels(11, true));
        lblScale[Grade]->move(Lefts[Grade], 24);
    }
}

void TfrmMain::createQuestionPanel(QWidget* Parent)
{
    pnlVraagAntwoord = MakePanel(Parent, QStringLiteral("pnlVraagAntwoord"), 529, 113);
    auto Caption = [this](const char* Name, const QString& Text, int Top) {
        QLabel* Label = MakeLabel(pnlVraagAntwoord, QString::fromLatin1(Name), Text, ArialPixels(13, true));
        Label->setGeometry(24, Top, 481, 16);
        Label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        SetTextColour(Label, NavyColour());
        return Label;
    };
    lblVraag = Caption("lblVraag", QStringLiteral("Vraag:"), 2);
    lblAntwoord = Caption("lblAntwoord", QStringLiteral("Antwoord:"), 54);
    auto Text = [this](const char* Name, int Top) {
        QLabel* Label = MakeLabel(pnlVraagAntwoord, QString::fromLatin1(Name), QString(), ArialPixels(12));
        Label->setGeometry(24, Top, 481, 34);
        Label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Label->setWordWrap(true);
        Label->setAutoFillBackground(true);
        Label->setTextFormat(Qt::PlainText);
        return Label;
    };
    lblVraagTekst = Text("lblVraagTekst", 19);
    lblAntwoordTekst = Text("lblAntwoordTekst", 71);
    auto Memo = [this](const char* Name, int Top) {
        auto* Edit = new TMemo(pnlVraagAntwoord);
        Edit->setObjectName(QString::fromLatin1(Name));
        Edit->setGeometry(24, Top, 481, 34);
        Edit->SetMaxLength(MaxTextLength);
        Edit->setReadOnly(true);
        Edit->hide();
        return Edit;
    };
    memVraag = Memo("memVraag", 19);
    memAntwoord = Memo("memAntwoord", 71);
    lblItemNr = MakeLabel(pnlVraagAntwoord, QStringLiteral("lblItemNr"), QString(), ArialPixels(11));
    lblItemNr->setGeometry(4, 2, 80, 14);

    auto Small = [this](QToolButton*& Target, const char* Name, int Top, const QString& Hint, const QIcon& Icon) {
        Target = new QToolButton(pnlVraagAntwoord);
        Target->setObjectName(QString::fromLatin1(Name));
        Target->setGeometry(507, Top, 18, 20);
        Target->setToolTip(Hint);
        Target->setIcon(Icon);
        Target->setFocusPolicy(Qt::NoFocus);
        Target->setAutoRaise(true);
        Target->hide();
    };
    QStyle* Style = style();
    Small(btnVraagFont, "btnVraagFont", 4, QString(), Style->standardIcon(QStyle::SP_FileDialogDetailedView));
    Small(btnPgUp, "btnPgUp", 30, QStringLiteral("Vorige (PageUp)"), Style->standardIcon(QStyle::SP_ArrowUp));
    Small(btnPgDn, "btnPgDn", 56, QStringLiteral("Volgende (PageDown)"), Style->standardIcon(QStyle::SP_ArrowDown));
    Small(btnAntwoordFont, "btnAntwoordFont", 82, QString(), Style->standardIcon(QStyle::SP_FileDialogDetailedView));
    Small(btnVraagToClipboard, "btnVraagToClipboard", 19,
          QStringLiteral("[F2] Kopieer vraag naar klembord voor Text-to-speech software"),
          Style->standardIcon(QStyle::SP_FileDialogContentsView));
    Small(btnAntwoordToClipboard, "btnAntwoordToClipboard", 71,
          QStringLiteral("[F3] Kopieer antwoord naar klembord voor Text-to-speech software"),
          Style->standardIcon(QStyle::SP_FileDialogContentsView));
    ConnectCommand(btnVraagToClipboard, &QToolButton::clicked, this, &TfrmMain::btnVraagToClipboardClick);
    ConnectCommand(btnAntwoordToClipboard, &QToolButton::clicked, this, &TfrmMain::btnAntwoordToClipboardClick);
}

void TfrmMain::createTitlePanel(QWidget* Parent)
{
    pnlTitel = new QFrame(Parent);
    pnlTitel->setObjectName(QStringLiteral("pnlTitel"));
    pnlTitel->resize(529, 157);
    pnlTitel->setAutoFillBackground(true);
    SetBackground(pnlTitel, QColor(14, 135, 207));
    imgTitelLogo = new QLabel(pnlTitel);
    imgTitelLogo->setObjectName(QStringLiteral("imgTitelLogo"));
    imgTitelLogo->setGeometry(0, 0, 529, 157);
    imgTitelLogo->setAlignment(Qt::AlignCenter);
    auto Line = [this](const char* Name, const QString& Text, int Top, int Height, const QFont& Font, const QColor& Colour) {
        QLabel* Label = MakeLabel(pnlTitel, QString::fromLatin1(Name), Text, Font);
        Label->setGeometry(0, Top, 529, Height);
        Label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        SetTextColour(Label, Colour);
        return Label;
    };
    lblTitel = Line("lblTitel", QStringLiteral("Memorant voor Windows"), 9, 44, ArialPixels(32, true), MaroonColour());
    lblTitel->setWordWrap(true);
    QFont Italic = ArialPixels(32, true);
    Italic.setItalic(true);
    Label1 = Line("Label1", QStringLiteral("Brontel"), 57, 44, Italic, NavyColour());
    lblSubTitel = Line("lblSubTitel", QStringLiteral("Versie 4.5"), 107, 40, ArialPixels(29, true), MaroonColour());

    imgLogo = new QLabel(Parent);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->resize(183, 154);
    imgLogo->hide();
}

void TfrmMain::createCollaborators(QWidget* /*Parent*/)
{
    pnlTraining = new TTrainingPanel(*this);
    pnlKlaar = new TResultsPanel(*this);
    pnlMeerkeuze = new TChoicePanel(*this);
    pnlInvoer = new TFillInPanel(*this);
    pnlEdit = new TEditPanel(*this);
    for (QWidget* Panel : {static_cast<QWidget*>(pnlTraining), static_cast<QWidget*>(pnlKlaar),
                           static_cast<QWidget*>(pnlMeerkeuze), static_cast<QWidget*>(pnlInvoer),
                           static_cast<QWidget*>(pnlEdit)}) {
        Panel->setAutoFillBackground(true); // the title panel lies behind them
        Panel->hide();
    }
    QuizOptions = new TQuizOptions(*this);
    AccentKeys = std::make_unique<TAccentKeys>();
    CommandKeys = std::make_unique<TCommandKeys>(
        *this, QList<QAction*>{mnuOmgekeerd, mnuRepeteren, mnuTolerant, mnuSteekproef, mnuIntelliMC, mnuSequential});
    Files = new TFileCommands(*this);
    WindowSettings = std::make_unique<TWindowSettings>(*this);
    DlgSlaFoutenOp = new TDlgSlaFoutenOp(*this);
    frmPrint = new TfrmPrint(*this);
    frmAbout = new TfrmAbout(this);
    Speech = new TSpeechCommands(*this);
    connect(this, &TfrmMain::QuestionShown, Speech, &TSpeechCommands::QuestionShown);
    connect(pnlTraining, &TTrainingPanel::AnswerShown, Speech, &TSpeechCommands::AnswerShown);
    connect(pnlMeerkeuze, &TChoicePanel::AnswerShown, Speech, &TSpeechCommands::AnswerShown);
    connect(pnlInvoer, &TFillInPanel::AnswerShown, Speech, &TSpeechCommands::AnswerShown);
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
    lbxDebug = new QListView(this); // over the toolbar and the status bar, too
    lbxDebug->setObjectName(QStringLiteral("lbxDebug"));
    lbxDebug->setFocusPolicy(Qt::NoFocus);
    lbxDebug->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbxDebug->setUniformItemSizes(true); // one line each: no need to measure a million of them
    DebugLines = new TDebugListModel(QuestionList, lbxDebug);
    lbxDebug->setModel(DebugLines);
    lbxDebug->hide();
}

// ---------------------------------------------------------------- first activation and command line

void TfrmMain::showEvent(QShowEvent* Event)
{
    QMainWindow::showEvent(Event);
    if (FirstActivation)
        QTimer::singleShot(0, this, [this] { RunCommand([this] { FormActivate(); }); });
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
    State = msNoTable;
    lblSubTitel->setText(QStringLiteral("Versie ") + ProgramVersion);
    frmAbout->VersionText = QStringLiteral("Versie ") + ProgramVersion + QStringLiteral("  ") + ReleaseDate;
    frmAbout->ProgramNameText = QStringLiteral("Memorant voor Windows");
    frmAbout->DescriptionText = frmAbout->ProgramNameText + QStringLiteral("\n") + frmAbout->VersionText;
    WindowSettings->LoadSettings();
    UpdateCommandStates();
}

void TfrmMain::CarryOutCommandLine(const QStringList& Arguments)
{
    for (const QString& Argument : Arguments) {
        const bool IsOption = Argument.startsWith(u'-') || (Argument.startsWith(u'/') && Argument.size() == 2);
        if (!IsOption) {
            // A missing file, and a folder, is skipped without a message.
            if (const QFileInfo File(Argument); !File.exists() || File.isDir())
                continue;
            {
                const TBusyCursor Busy;
                Files->LoadTableFile(Argument);
            }
            State = QuestionList.Count() > 0 ? msIdle : msNoTable;
            AccentsConverted = false;
            UpdateCommandStates();
            continue;
        }
        if (Argument.size() < 2)
            continue;
        switch (Argument.at(1).toUpper().unicode()) {
        case 'E': mnuTabelbewerken->setVisible(false); btnBewerken->hide(); break;
        case 'I': mnuInvulvragen->setVisible(false); btnInvullen->hide(); break;
        case 'M': mnuMeerkeuzevragen->setVisible(false); btnMeerkeuze->hide(); break;
        case 'T': mnuTraining->setVisible(false); btnTraining->hide(); break;
        case 'P': mnuAfdrukken->setVisible(false); break;
        case '?':
            ShowNotice(this, QStringLiteral("msgCommandosyntax"),
                       QStringLiteral("Commandosyntax:\nMEMORANT [-optie] [-optie] [bestandsnaam]\n"
                                      "-E = bewerken uitgeschakeld\n-I = invullen uitgeschakeld\n"
                                      "-M = meerkeuze uitgeschakeld\n-T = training uitgeschakeld\n"
                                      "-P = afdrukken uitgeschakeld\n-? = commandosyntax tonen"));
            break;
        default: break;
        }
    }
}

// ---------------------------------------------------------------- the one refresh

void TfrmMain::UpdateCommandStates()
{
    ShowStatusCounters();
    SetScoreMeter(static_cast<int>(std::nearbyint(QuestionList.Score() * 4)));
    EnableCommands();
    ShowScreenOfState();
    Speech->UpdateCommandStates();
    if (State == msNoTable || State == msIdle || State == msAborted || (State == msFinished && QuestionList.Sessions == 0))
        ShowIdlePrompts();
    if (lbxDebug->isVisible())
        RefreshDebugList();
    if (State == msNoTable)
        SetPrompt(QStringLiteral("Open bestaande tabel"), QStringLiteral("of maak een nieuwe aan"));
}

void TfrmMain::ShowStatusCounters()
{
    // File names are in the system's encoding, not the table's code page.
    const QString Name = TableFilePath(QuestionList.ListName);
    StatusPanels[5]->setText(QStringLiteral("Bestand: ") + Name.mid(Name.lastIndexOf(QLatin1Char('/')) + 1));
    StatusPanels[0]->setText(QStringLiteral("totaal: %1").arg(QuestionList.Count()));
    StatusPanels[1]->setText(QStringLiteral("rest: %1").arg(QuestionList.Rest));
    StatusPanels[2]->setText(QStringLiteral("goed: %1").arg(QuestionList.RightAnswers));
    StatusPanels[3]->setText(QStringLiteral("fout: %1").arg(QuestionList.WrongAnswers));
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
    const bool Editing = State == msEdit;
    const bool Quiz = IsQuizState(State);
    const bool PanelActive = State >= msEdit && State <= msFillInAnswered;
    for (QToolButton* Button : {btnPgUp, btnPgDn, btnVraagFont, btnAntwoordFont})
        Button->setVisible(Editing);
    btnVraagToClipboard->setVisible(Quiz);
    btnAntwoordToClipboard->setVisible(Quiz);
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
    pnlEdit->setVisible(Editing);
    if (LogoWasVisible != !imgLogo->isHidden())
        FormResize();

    if (!Editing)
        lblItemNr->clear();
    lblVraag->setEnabled(PanelActive);
    lblAntwoord->setEnabled(PanelActive);
    memVraag->setVisible(Editing);
    memAntwoord->setVisible(Editing);
    memVraag->setReadOnly(!Editing);
    memAntwoord->setReadOnly(!Editing);
    lblVraagTekst->setVisible(!Editing);
    lblAntwoordTekst->setVisible(!Editing);
    const QColor Back = PanelActive ? WindowColour() : ButtonFaceColour();
    for (QWidget* Field : {static_cast<QWidget*>(memVraag), static_cast<QWidget*>(memAntwoord),
                           static_cast<QWidget*>(lblVraagTekst), static_cast<QWidget*>(lblAntwoordTekst)})
        SetBackground(Field, Back);
    if (Quiz) {
        if (!timTijd->isActive())
            timTijd->start();
    } else {
        timTijd->stop();
    }
    if (!PanelActive) {
        memVraag->SetText(QString());
        memAntwoord->SetText(QString());
        lblVraagTekst->clear();
        lblAntwoordTekst->clear();
    }
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
    const int PromptTop = ClientHeight() - PromptDistanceToBottom;
    PlaceAt(lblPrompt1, lblPrompt1->x(), PromptTop);
    PlaceAt(lblPrompt2, lblPrompt2->x(), PromptTop + 16);
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
    if (lbxDebug->isVisible())
        lbxDebug->setGeometry(DebugListArea());
    update();
}

// ---------------------------------------------------------------- score meter

void TfrmMain::CreateScoreMeter()
{
    const QColor Colours[5] = {QColor(128, 0, 0), QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0),
                               QColor(0, 255, 255)};
    for (int Block = 0; Block < 40; ++Block) {
        auto* Item = new QWidget(pnlScoreMeter);
        Item->setObjectName(QStringLiteral("ScoreBlock%1").arg(Block));
        Item->setGeometry(2 + 8 * Block, 3, 7, 10);
        Item->setAutoFillBackground(true);
        SetBackground(Item, Colours[Block / 8]);
        Item->hide();
        ScoreBlocks.push_back(Item);
    }
}

void TfrmMain::SetScoreMeter(int Blocks)
{
    for (int Block = 0; Block < static_cast<int>(ScoreBlocks.size()); ++Block)
        ScoreBlocks[Block]->setVisible(Block < Blocks);
}

int TfrmMain::ScoreMeterBlocks() const
{
    return static_cast<int>(std::count_if(ScoreBlocks.begin(), ScoreBlocks.end(),
                                          [](const QWidget* Block) { return !Block->isHidden(); }));
}

// ---------------------------------------------------------------- keys

bool TfrmMain::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Event->type() == QEvent::KeyPress && !ResendingKey)
        return PreviewKey(Watched, static_cast<QKeyEvent*>(Event));
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

// Every key meant for a widget of this window comes here first. The window
// handles it, then hands a copy (with the character it may have changed) to
// the widget it was meant for.
bool TfrmMain::PreviewKey(QObject* Watched, QKeyEvent* Event)
{
    if (!Watched->isWidgetType() || static_cast<QWidget*>(Watched)->window() != this)
        return false;
    // A key that its widget ignored passes here again on its way up to the
    // parents; it was handled the first time.
    const bool PassingUp = Event == LastPreviewedKey && LastPreviewedReceiver != nullptr &&
                           static_cast<QWidget*>(Watched) == static_cast<const QWidget*>(LastPreviewedReceiver)->parentWidget();
    LastPreviewedKey = Event;
    LastPreviewedReceiver = Watched;
    if (PassingUp)
        return false;
    bool Consumed = false;
    if (!RunCommand([&] { Consumed = FormKeyDown(Event); }) || Consumed) {
        Event->accept();
        return true;
    }
    const QString Text = Event->text();
    char Key = 0;
    if (Text.size() == 1) {
        if (const std::optional<std::string> Bytes = QtToWin(Text); Bytes && Bytes->size() == 1)
            Key = (*Bytes)[0];
        if ((Event->modifiers() & Qt::ControlModifier) && Text.at(0).isLetter() && Text.at(0).unicode() < 128)
            Key = static_cast<char>(Text.at(0).toUpper().unicode() & 0x1F);
        // Ctrl with a digit or a punctuation key types nothing (so a second
        // accent key leaves the pending accent alone); AltGr may be Ctrl+Alt.
        else if ((Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::ControlModifier &&
                 Text.at(0) > u' ' && !Text.at(0).isLetter())
            Key = 0;
    }
    if (Key == 0)
        return false;
    const char Typed = Key;
    if (!RunCommand([&] { FormKeyPress(Key); }))
        Key = 0;
    if (Key == 0) {
        Event->accept();
        return true;
    }
    if (Key == Typed)
        return false;
    QKeyEvent Changed(Event->type(), Event->key(), Event->modifiers(), Event->nativeScanCode(),
                      Event->nativeVirtualKey(), Event->nativeModifiers(), WinToQt(std::string(1, Key)),
                      Event->isAutoRepeat(), Event->count());
    ResendingKey = true;
    QCoreApplication::sendEvent(Watched, &Changed);
    ResendingKey = false;
    Event->setAccepted(Changed.isAccepted());
    return true;
}

bool TfrmMain::FormKeyDown(QKeyEvent* Event)
{
    // The accent keys see the key first; a key they take goes nowhere else.
    if (AccentKeys->KeyDown(Event) || CommandKeys->IsSwitchedOff(*Event))
        return true;
    const Qt::KeyboardModifiers Held = Event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (Event->key() == Qt::Key_F12 && Held == (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        ToggleDebugList();
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
        State = msFinished;
    if (Key == 27)
        AskAbortQuiz();
    switch (State) {
    case msTrainingQuestion: pnlTraining->TrainingRevealKey(Key); break;
    case msTrainingAnswer: pnlTraining->TrainingJudgeKey(Key); break;
    case msChoiceQuestion: pnlMeerkeuze->ChoiceAnswerKey(Key); break;
    case msChoiceAnswered: pnlMeerkeuze->ChoiceNextKey(Key); break;
    case msFillInQuestion: pnlInvoer->FillInAnswerKey(Key); break;
    case msFillInAnswered: pnlInvoer->FillInNextKey(Key); break;
    case msFinished: ShowResults(); break;
    default: break;
    }
    UpdateCommandStates();
}

void TfrmMain::ToggleDebugList()
{
    if (lbxDebug->isVisible()) {
        lbxDebug->hide();
        return;
    }
    lbxDebug->setGeometry(DebugListArea());
    lbxDebug->show();
    lbxDebug->raise();
    RefreshDebugList();
}

void TfrmMain::RefreshDebugList()
{
    DebugLines->Refresh(State == msChoiceQuestion || State == msChoiceAnswered ? 1 : 0);
}

void TfrmMain::btnVraagToClipboardClick() { memVraag->CopyAllToClipboard(); }

void TfrmMain::btnAntwoordToClipboardClick() { memAntwoord->CopyAllToClipboard(); }

// ---------------------------------------------------------------- quiz

void TfrmMain::StartQuiz(int Mode)
{
    if (State == msNoTable)
        return;
    QToolButton* ModeButton = Mode == msTrainingQuestion ? btnTraining
                              : Mode == msChoiceQuestion ? btnMeerkeuze
                                                         : btnInvullen;
    if (ModeButton->isHidden())
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
        StatusPanels[4]->setText(QStringLiteral("tijd: 0:00:00"));
    }
    memAntwoord->SetText(QString());
    lblAntwoordTekst->clear();
    State = Mode;
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
    ApplyColumnFont(memVraag, QuestionList.QFont());
    ApplyColumnFont(lblVraagTekst, QuestionList.QFont());
    ApplyColumnFont(memAntwoord, QuestionList.AFont());
    ApplyColumnFont(lblAntwoordTekst, QuestionList.AFont());
    std::string Question;
    try {
        QuestionList.NextQuestion(Question);
    } catch (const EMultiChoiceError& Error) {
        if (State == msChoiceQuestion) {
            ShowNotice(this, QStringLiteral("msgMeerkeuze"), ExceptionText(Error.what()));
            State = msIdle;
            UpdateCommandStates();
            return;
        }
        Question = QuestionList.CurrentQuestion();
    }
    const QString Shown = ColumnToQt(Question, QuestionList.QFont().Charset);
    memVraag->SetText(Shown);
    lblVraagTekst->setText(Shown);
    memAntwoord->SetText(QString());
    lblAntwoordTekst->clear();
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
    State = msAborted;
    UpdateCommandStates();
}

void TfrmMain::ShowResults()
{
    if (QuestionList.Sessions == 0)
        return;
    SetPrompt(QString(), QString());
    pnlKlaar->FillReport();
    if (pnlKlaar->BarCount() < QuestionList.Sessions)
        pnlKlaar->AddRound(QuestionList.Score());
    SetPrompt(VerdictText(QuestionList.Score()), QString());
}

void TfrmMain::timTijdTimer()
{
    const qint64 Seconds = QuizStartTime.secsTo(QDateTime::currentDateTime()) % (24 * 3600);
    StatusPanels[4]->setText(QStringLiteral("tijd: %1:%2:%3")
                                 .arg(Seconds / 3600)
                                 .arg(Seconds / 60 % 60, 2, 10, QChar(u'0'))
                                 .arg(Seconds % 60, 2, 10, QChar(u'0')));
}

// ---------------------------------------------------------------- other commands

void TfrmMain::mnuTabelbewerkenClick()
{
    if (State == msEdit)
        pnlEdit->StopEditing(msIdle);
    else
        pnlEdit->StartEditing();
    UpdateCommandStates();
}

void TfrmMain::mnuAfdrukkenClick()
{
    if (!mnuAfdrukken->isVisible())
        return;
    frmPrint->QuestionList = &QuestionList;
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
    WindowSettings->SaveSettings();
    Event->accept();
}
