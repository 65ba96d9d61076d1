// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the one question table, the state machine of the screens
// and the hub that the quiz screens, the editor, the file commands and the
// dialogs work through.
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "ui/mainstate.h"
#include "table/questionlist.h"

class QAction;
class QFrame;
class QKeyEvent;
class QLabel;
class QListView;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;
class TMemo;

class TTrainingPanel;
class TResultsPanel;
class TChoicePanel;
class TFillInPanel;
class TQuizOptions;
class TAccentKeys;
class TCommandKeys;
class TDebugListModel;
class TEditPanel;
class TFileCommands;
class TWindowSettings;
class TDlgSlaFoutenOp;
class TfrmPrint;
class TfrmAbout;
class TSpeechCommands;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* Parent = nullptr);
    ~TfrmMain() override;

    // --- fields ---
    TQuestionlist QuestionList;
    int State = msNoTable;
    QDateTime QuizStartTime;
    bool AccentsConverted = false;
    bool FirstActivation = true;
    std::string SearchText; // UTF-8: the columns may differ in code page

    // --- operations ---
    void UpdateCommandStates();
    void SetPrompt(const QString& Line1, const QString& Line2);
    void CenterControl(QWidget* Control);
    void HandleQuizKey(char& Key);
    void RefreshDebugList();
    void StartQuiz(int Mode);
    void ShowNextQuestion();
    void AskAbortQuiz();
    void ShowResults();
    void CreateScoreMeter();
    void SetScoreMeter(int Blocks);
    void InitOnFirstActivate();
    void CarryOutCommandLine(const QStringList& Arguments);
    // The arguments that the first activation carries out.
    void SetCommandLine(const QStringList& Arguments) { PendingArguments = Arguments; }

    // Number of score meter blocks shown.
    [[nodiscard]] int ScoreMeterBlocks() const;
    // The client area (below the menu bar) of the design: toolbar included.
    [[nodiscard]] int ClientWidth() const;
    [[nodiscard]] int ClientHeight() const;

    // --- key handling (the window sees every key first) ---
    bool FormKeyDown(QKeyEvent* Event); // true: the key is consumed
    void FormKeyPress(char& Key);
    // The code page of the column that the focused memo edits.
    [[nodiscard]] int TypingCodePage() const;
    void FormResize();

    // --- commands ---
    QAction *mnuNieuw, *mnuOpenen, *mnuOpslaan, *mnuOpslaanAls, *mnuFoutenOpslaan, *mnuAfdrukken,
        *mnuAfsluiten;
    QAction *mnuTabelbewerken, *mnuKnippen, *mnuKopieren, *mnuPlakken, *mnuZoeken, *mnuAccentToWin,
        *mnuAccentToDos;
    QAction *mnuKnoppenbalk, *mnuStatusbalk, *mnuHelpballonnetjes;
    QAction *mnuTraining, *mnuMeerkeuzevragen, *mnuInvulvragen;
    QAction *mnuOmgekeerd, *mnuRepeteren, *mnuTolerant, *mnuSteekproef, *mnuIntelliMC, *mnuSequential;
    QAction *mnuHelp, *mnuInfo;
    QMenu *mnuBestand, *mnuBewerken, *mnuBeeld, *mnuOverhoren, *mnuOpties, *mnuQuestionMark;

    // --- toolbar ---
    QToolBar* Toolbar;
    QToolButton *btnNieuw, *btnOpenen, *btnOpslaan, *btnFoutenOpslaan, *btnBewerken, *btnTraining,
        *btnMeerkeuze, *btnInvullen, *btnOmgekeerd, *btnRepeteren, *btnTolerant, *btnSteekproef,
        *btnSequential;

    // --- status bar: totaal, rest, goed, fout, tijd, Bestand ---
    QStatusBar* StatusBar;
    QLabel* StatusPanels[6];

    // --- score panel ---
    QFrame* pnlScore;
    QLabel* lblScore;
    QFrame* pnlScoreMeter;
    QLabel* lblScale[11]; // lbl0 .. lbl10
    std::vector<QWidget*> ScoreBlocks;

    // --- question/answer panel ---
    QFrame* pnlVraagAntwoord;
    QLabel *lblVraag, *lblAntwoord, *lblVraagTekst, *lblAntwoordTekst, *lblItemNr;
    TMemo *memVraag, *memAntwoord;
    QToolButton *btnVraagFont, *btnPgUp, *btnPgDn, *btnAntwoordFont, *btnVraagToClipboard,
        *btnAntwoordToClipboard;

    // --- title screen, logo, prompts, debug list, clock ---
    QFrame* pnlTitel;
    QLabel *lblTitel, *Label1, *lblSubTitel, *imgTitelLogo;
    QLabel* imgLogo;
    QLabel *lblPrompt1, *lblPrompt2;
    QListView* lbxDebug;
    TDebugListModel* DebugLines;
    QTimer* timTijd;

    // --- lower panels and collaborators ---
    TTrainingPanel* pnlTraining;
    TResultsPanel* pnlKlaar;
    TChoicePanel* pnlMeerkeuze;
    TFillInPanel* pnlInvoer;
    TEditPanel* pnlEdit;
    TQuizOptions* QuizOptions;
    std::unique_ptr<TAccentKeys> AccentKeys;
    std::unique_ptr<TCommandKeys> CommandKeys;
    TFileCommands* Files;
    std::unique_ptr<TWindowSettings> WindowSettings;
    TDlgSlaFoutenOp* DlgSlaFoutenOp;
    TfrmPrint* frmPrint;
    TfrmAbout* frmAbout;
    TSpeechCommands* Speech;

    // --- handlers ---
    void mnuTabelbewerkenClick();
    void mnuTrainingClick() { StartQuiz(msTrainingQuestion); }
    void mnuMeerkeuzevragenClick() { StartQuiz(msChoiceQuestion); }
    void mnuInvulvragenClick() { StartQuiz(msFillInQuestion); }
    void mnuAfdrukkenClick();
    void mnuKnoppenbalkClick();
    void mnuStatusbalkClick();
    void mnuHelpballonnetjesClick();
    void mnuHelpClick();
    void mnuInfoClick();
    void btnVraagToClipboardClick();
    void btnAntwoordToClipboardClick();
    void timTijdTimer();

    // Sees every event of the application first: keys, tool tips, resizes.
    bool eventFilter(QObject* Watched, QEvent* Event) override;

signals:
    // A new question stands on the quiz screen.
    void QuestionShown();

protected:
    void showEvent(QShowEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void createScorePanel(QWidget* Client);
    void createQuestionPanel(QWidget* Client);
    void createTitlePanel(QWidget* Client);
    void createPromptsAndDebugList(QWidget* Client);
    void createCollaborators(QWidget* Client);
    void FormActivate();
    void ShowStatusCounters();
    void EnableCommands();
    void ShowScreenOfState();
    void ShowIdlePrompts();
    void ToggleDebugList();
    [[nodiscard]] QList<QWidget*> LowerPanels() const;
    [[nodiscard]] int ToolbarOffset() const;
    [[nodiscard]] QRect DebugListArea() const;
    void PlaceAt(QWidget* Control, int Left, int Top);
    bool PreviewKey(QObject* Watched, QKeyEvent* Event);

    QWidget* Client = nullptr;
    QStringList PendingArguments;
    const QKeyEvent* LastPreviewedKey = nullptr;
    const QObject* LastPreviewedReceiver = nullptr;
    bool ResendingKey = false;
};
