// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the one question table, the state machine of the screens,
// and the hub that wires the menu and toolbar commands to the quiz screens,
// the editor, the file commands and the dialogs. Those see the window only
// through its doors: TQuizDoor (quiz screens, editor) and TFileDoor (file
// commands).
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <string>

#include "table/questionlist.h"
#include "ui/filedoor.h"
#include "ui/mainstate.h"
#include "ui/quizdoor.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;
class TMemo;

class TTrainingPanel;
class TResultsPanel;
class TChoicePanel;
class TFillInPanel;
class TScorePanel;
class TQuestionPanel;
class TTitlePanel;
class TStatusPanels;
class TKeyPreview;
class TQuizOptions;
class TQuizMemory;
class TAccentKeys;
class TCommandKeys;
class TDebugList;
class TEditPanel;
class TFileCommands;
class TWindowSettings;
class TDlgSlaFoutenOp;
class TfrmPrint;
class TfrmAbout;
class TLayoutScale;
class TRecentFiles;
class TDroppedFiles;
struct TSettingsValues;
class TSpeechCommands;
class TTableLanguages;

class TfrmMain : public QMainWindow, public TQuizDoor, public TFileDoor {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* Parent = nullptr);
    ~TfrmMain() override;

    // --- fields ---
    TQuestionlist QuestionList;
    int State = msNoTable; // written by SetState alone
    QDateTime QuizStartTime;
    bool AccentsConverted = false;
    bool FirstActivation = true;
    std::string SearchText; // UTF-8: the columns may differ in code page

    // --- the doors: what the quiz screens, the editor and the file commands see ---
    TQuestionlist& Table() override { return QuestionList; }
    [[nodiscard]] int CurrentState() const override { return State; }
    void SetState(int NewState) override { State = NewState; }
    [[nodiscard]] bool ModeAvailable(int Mode) const override;
    [[nodiscard]] bool ReverseTicked() const override;
    void SetPrompt(const QString& Line1, const QString& Line2) override;
    void ShowAnswerLine(const QString& Text) override;
    void StartQuiz(int Mode) override;
    void ShowNextQuestion() override;
    void ShowResults() override;
    void HandleQuizKey(char& Key) override;
    void TakeQuizStep(int NextState) override;
    void UpdateCommandStates() override;
    QWidget& Window() override { return *this; }
    void StoreTypedText() override;
    void ShowReading(const QString& File) override;
    void TableReplaced() override;
    void ShowTableRead() override;
    void StartEditing() override;

    // --- operations ---
    void CenterControl(QWidget* Control);
    void RefreshDebugList();
    void AskAbortQuiz();
    void InitOnFirstActivate();
    void CarryOutCommandLine(const QStringList& Arguments);
    // The arguments that the first activation carries out.
    void SetCommandLine(const QStringList& Arguments) { PendingArguments = Arguments; }

    // Number of score meter blocks shown.
    [[nodiscard]] int ScoreMeterBlocks() const;
    // The client area (below the menu bar) of the design: toolbar included.
    [[nodiscard]] int ClientWidth() const;
    [[nodiscard]] int ClientHeight() const;

    // --- key handling (the key preview hands every key to these first) ---
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
    TStatusPanels* StatusBar;
    QLabel** StatusPanels; // the six panels of StatusBar

    // --- score panel, question/answer panel (with the editor's memos) ---
    TScorePanel* pnlScore;
    TQuestionPanel* pnlVraagAntwoord;
    QLabel *lblVraag, *lblAntwoord, *lblVraagTekst, *lblAntwoordTekst, *lblItemNr;
    TMemo *memVraag, *memAntwoord;
    QToolButton *btnVraagFont, *btnPgUp, *btnPgDn, *btnAntwoordFont, *btnVraagToClipboard,
        *btnAntwoordToClipboard;

    // --- title screen, logo, prompts, debug list, clock ---
    TTitlePanel* pnlTitel;
    QLabel* lblSubTitel;
    QLabel* imgLogo;
    QLabel *lblPrompt1, *lblPrompt2;
    TDebugList* lbxDebug;
    QTimer* timTijd;

    // --- lower panels and collaborators ---
    TTrainingPanel* pnlTraining;
    TResultsPanel* pnlKlaar;
    TChoicePanel* pnlMeerkeuze;
    TFillInPanel* pnlInvoer;
    TEditPanel* pnlEdit;
    TQuizOptions* QuizOptions;
    TQuizMemory* QuizMemory; // the memory across days
    std::unique_ptr<TAccentKeys> AccentKeys;
    std::unique_ptr<TCommandKeys> CommandKeys;
    TFileCommands* Files;
    std::unique_ptr<TWindowSettings> WindowSettings;
    TDlgSlaFoutenOp* DlgSlaFoutenOp;
    TfrmPrint* frmPrint;
    TfrmAbout* frmAbout;
    TLayoutScale* LayoutScale;
    TRecentFiles* RecentFiles;
    TDroppedFiles* DroppedFiles;
    TSpeechCommands* Speech;
    // The spoken languages kept with the memory; the program hands them to
    // Speech at its start, tests keep theirs for the run.
    std::unique_ptr<TTableLanguages> SpokenLanguages;

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

    // Sees every event of the application first: shortcuts, tool tips, resizes.
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
    void createPanels(QWidget* Client);
    void createPromptsAndDebugList(QWidget* Client);
    void createCollaborators(QWidget* Client);
    // Every command of the menus, the toolbar and the panel buttons to its
    // handler, in one place.
    void connectCommands();
    void FormActivate();
    void ApplySettings(const TSettingsValues& Values);
    [[nodiscard]] TSettingsValues CollectSettings() const;
    // Moves the quiz to NextState: a question state asks the next question,
    // the finished state shows the results.
    void EnterQuizState(int NextState);
    void EnableCommands();
    void ShowScreenOfState();
    void ShowIdlePrompts();
    [[nodiscard]] QList<QWidget*> LowerPanels() const;
    [[nodiscard]] int ToolbarOffset() const;
    [[nodiscard]] QRect DebugListArea() const;
    void PlaceAt(QWidget* Control, int Left, int Top);

    QWidget* Client = nullptr;
    TKeyPreview* KeyPreview = nullptr;
    QStringList PendingArguments;
};
