// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/speechcommands.h"

#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include "app/frmmain.h"
#include "app/questionpanel.h"
#include "app/statuspanels.h"
#include "editor/codepage.h"
#include "files/filecommands.h"
#include "formats/tablefilename.h"
#include "speech/columnlanguage.h"
#include "speech/dlgtaaluitspreken.h"
#include "speech/memorylanguagekeeper.h"
#include "speech/speaker.h"
#include "ui/commandguard.h"
#include "ui/memo.h"

TSpeechCommands::TSpeechCommands(TfrmMain& Main)
    : QObject(&Main), Main(Main), Voice(new TSpeaker(this)), OwnKeeper(std::make_unique<TMemoryLanguageKeeper>()),
      Keeper(OwnKeeper.get())
{
    CreateActions();
    CreateButtons();
    dlgTaalUitspreken = new TDlgTaalUitspreken(&Main);
    connect(Voice, &TSpeaker::Changed, this, &TSpeechCommands::UpdateCommandStates);
    UpdateCommandStates();
}

TSpeechCommands::~TSpeechCommands() = default;

void TSpeechCommands::CreateActions()
{
    auto Make = [this](QAction*& Action, const char* Name, const QString& Caption, const QKeySequence& Keys = {}) {
        Action = new QAction(Caption, &Main);
        Action->setObjectName(QString::fromLatin1(Name));
        Action->setShortcut(Keys);
        Main.addAction(Action); // the keys work while the menu bar is hidden
    };
    Make(mnuVraagUitspreken, "mnuVraagUitspreken", QStringLiteral("&Vraag uitspreken"), QKeySequence(Qt::Key_F4));
    Make(mnuAntwoordUitspreken, "mnuAntwoordUitspreken", QStringLiteral("A&ntwoord uitspreken"), QKeySequence(Qt::Key_F5));
    Make(mnuAutomatischUitspreken, "mnuAutomatischUitspreken", QStringLiteral("Automatisch &uitspreken"));
    Make(mnuTaalUitspreken, "mnuTaalUitspreken", QStringLiteral("&Taal voor uitspreken..."));
    mnuAutomatischUitspreken->setCheckable(true);
    const QIcon Icon = Main.style()->standardIcon(QStyle::SP_MediaVolume);
    mnuVraagUitspreken->setIcon(Icon);
    mnuAntwoordUitspreken->setIcon(Icon);
    ConnectCommand(mnuVraagUitspreken, &QAction::triggered, this, &TSpeechCommands::mnuVraagUitsprekenClick);
    ConnectCommand(mnuAntwoordUitspreken, &QAction::triggered, this, &TSpeechCommands::mnuAntwoordUitsprekenClick);
    ConnectCommand(mnuTaalUitspreken, &QAction::triggered, this, &TSpeechCommands::mnuTaalUitsprekenClick);
    Main.mnuOpties->addSeparator();
    Main.mnuOpties->addActions({mnuVraagUitspreken, mnuAntwoordUitspreken, mnuAutomatischUitspreken, mnuTaalUitspreken});
}

void TSpeechCommands::CreateButtons()
{
    mnuUitspreken = new QMenu(&Main);
    mnuUitspreken->setObjectName(QStringLiteral("mnuUitspreken"));
    mnuUitspreken->addActions({mnuAutomatischUitspreken, mnuTaalUitspreken});
    // Below each clipboard button: a click speaks, holding it down (or the
    // right mouse button) opens the speech menu.
    auto Button = [this](QToolButton*& Target, const char* Name, QAction* Command, const QToolButton* Clipboard) {
        Target = new QToolButton(Main.pnlVraagAntwoord);
        Target->setObjectName(QString::fromLatin1(Name));
        Target->setDefaultAction(Command);
        Target->setGeometry(Clipboard->x(), Clipboard->y() + Clipboard->height(), Clipboard->width(),
                            Clipboard->height());
        Target->setFocusPolicy(Qt::NoFocus);
        Target->setAutoRaise(true);
        Target->setMenu(mnuUitspreken);
        Target->setPopupMode(QToolButton::DelayedPopup);
        Target->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(Target, &QWidget::customContextMenuRequested, this,
                [this, Target](const QPoint& At) { mnuUitspreken->popup(Target->mapToGlobal(At)); });
        Target->hide();
    };
    Button(btnVraagUitspreken, "btnVraagUitspreken", mnuVraagUitspreken, Main.btnVraagToClipboard);
    Button(btnAntwoordUitspreken, "btnAntwoordUitspreken", mnuAntwoordUitspreken, Main.btnAntwoordToClipboard);
}

void TSpeechCommands::UseEngine(std::unique_ptr<TSpeechEngine> Engine) { Voice->SetEngine(std::move(Engine)); }

void TSpeechCommands::UseKeeper(TLanguageKeeper& Other)
{
    Keeper = &Other;
    UpdateCommandStates();
}

// ---------------------------------------------------------------- languages

QString TSpeechCommands::TableKey() const { return TableFilePath(Main.QuestionList.ListName); }

QString TSpeechCommands::ColumnLanguage(int Column) const
{
    const QString Key = TableKey();
    const QString Chosen = Key.isEmpty() ? Unsaved[Column] : Keeper->Language(Key, Column);
    if (!Chosen.isEmpty())
        return Chosen;
    if (const QString Named = LanguageTag(Main.Files->FileLanguages.value(Column)); !Named.isEmpty())
        return Named;
    const TTableFont& Font = Column == 0 ? Main.QuestionList.QuestionFont : Main.QuestionList.AnswerFont;
    return ScriptLanguage(CodePageOfCharset(Font.Charset));
}

void TSpeechCommands::SetColumnLanguage(int Column, const QString& Language)
{
    if (const QString Key = TableKey(); Key.isEmpty())
        Unsaved[Column] = Language;
    else
        Keeper->SetLanguage(Key, Column, Language);
    UpdateCommandStates();
}

int TSpeechCommands::ColumnOf(bool Question) const
{
    // The editor always shows the file's own orientation.
    const bool Reverse = Main.State != msEdit && Main.QuestionList.Reverse;
    return Question != Reverse ? 0 : 1;
}

// Shows the dialog; false when it was cancelled.
bool TSpeechCommands::AskLanguages(int Column)
{
    dlgTaalUitspreken->Offer(Voice->Languages(), ColumnLanguage(0), ColumnLanguage(1));
    dlgTaalUitspreken->FocusColumn(Column);
    if (dlgTaalUitspreken->exec() != QDialog::Accepted)
        return false;
    for (int Each : {0, 1})
        if (dlgTaalUitspreken->Language(Each) != ColumnLanguage(Each))
            SetColumnLanguage(Each, dlgTaalUitspreken->Language(Each));
    return true;
}

// ---------------------------------------------------------------- speaking

void TSpeechCommands::Speak(bool Question, bool Asked)
{
    const QString Text = (Question ? Main.memVraag : Main.memAntwoord)->Text();
    if (Text.trimmed().isEmpty())
        return; // nothing shown yet: nothing to say, nothing to ask
    const int Column = ColumnOf(Question);
    QString Language = ColumnLanguage(Column);
    if (Language.isEmpty()) {
        // A command asks once; automatic speech never opens a dialog.
        if (!Asked) {
            Notice(QStringLiteral("Automatisch uitspreken: kies eerst de taal (Opties, Taal voor uitspreken...)"));
            return;
        }
        if (!AskLanguages(Column) || (Language = ColumnLanguage(Column)).isEmpty())
            return;
    }
    if (const QString Why = Voice->Why(Language); !Why.isEmpty()) {
        Notice(Why);
        return;
    }
    Voice->Say(Text, Language);
}

void TSpeechCommands::mnuVraagUitsprekenClick() { Speak(true, true); }

void TSpeechCommands::mnuAntwoordUitsprekenClick() { Speak(false, true); }

void TSpeechCommands::mnuTaalUitsprekenClick() { AskLanguages(ColumnOf(true)); }

void TSpeechCommands::QuestionShown()
{
    if (mnuAutomatischUitspreken->isChecked())
        Speak(true, false);
}

void TSpeechCommands::AnswerShown()
{
    if (mnuAutomatischUitspreken->isChecked())
        Speak(false, false);
}

void TSpeechCommands::Notice(const QString& Text)
{
    if (Text == LastNotice)
        return;
    LastNotice = Text;
    Main.StatusBar->showMessage(Text, 8000);
}

// ---------------------------------------------------------------- enabling

void TSpeechCommands::UpdateCommandStates()
{
    const bool Quiz = IsQuizState(Main.State);
    btnVraagUitspreken->setVisible(Quiz);
    btnAntwoordUitspreken->setVisible(Quiz);
    EnableCommand(mnuVraagUitspreken, true);
    EnableCommand(mnuAntwoordUitspreken, false);
    const QString Why = Voice->Why();
    mnuTaalUitspreken->setEnabled(Why.isEmpty());
    mnuTaalUitspreken->setToolTip(Why.isEmpty() ? QStringLiteral("Taal van de vragen en de antwoorden kiezen") : Why);
}

void TSpeechCommands::EnableCommand(QAction* Command, bool Question)
{
    const QString Language = ColumnLanguage(ColumnOf(Question));
    const QString Why = Voice->Why(Language);
    const QString Name = Question ? QStringLiteral("[F4] Vraag uitspreken") : QStringLiteral("[F5] Antwoord uitspreken");
    Command->setEnabled(Why.isEmpty());
    if (!Why.isEmpty())
        Command->setToolTip(QStringLiteral("%1: %2").arg(Name, Why));
    else if (Language.isEmpty())
        Command->setToolTip(Name + QStringLiteral(" (de eerste keer wordt de taal gevraagd)"));
    else
        Command->setToolTip(QStringLiteral("%1 (%2)").arg(Name, DutchLanguageName(Language)));
}
