// SPDX-License-Identifier: GPL-3.0-or-later
// Speaking the question and the answer: the commands "Vraag uitspreken"
// (F4) and "Antwoord uitspreken" (F5) with their buttons beside the
// clipboard buttons, the option "Automatisch uitspreken" and the language
// of each column of the table.
#pragma once

#include <QObject>
#include <QStringList>
#include <memory>

class QAction;
class QMenu;
class QToolButton;
class TDlgTaalUitspreken;
class TLanguageKeeper;
class TMemoryLanguageKeeper;
class TSpeaker;
class TSpeechEngine;
class TfrmMain;

class TSpeechCommands : public QObject {
    Q_OBJECT
public:
    // Puts its commands in the window's Opties menu and its buttons in the
    // question/answer panel. There is no speech until UseEngine.
    explicit TSpeechCommands(TfrmMain& Main);
    ~TSpeechCommands() override;

    void UseEngine(std::unique_ptr<TSpeechEngine> Engine);
    // Where the chosen languages are kept; not owned. Until this is called
    // they are kept while the program runs.
    void UseKeeper(TLanguageKeeper& Keeper);
    [[nodiscard]] TSpeaker& Speaker() const { return *Voice; }

    // The language that a column of the table is spoken in (0: the file's
    // questions, 1: its answers): the learner's choice, else the language
    // that the file names, else the one its script tells; empty for none.
    [[nodiscard]] QString ColumnLanguage(int Column) const;
    void SetColumnLanguage(int Column, const QString& Language);

    // Shows and enables the commands as the window's state and the speech
    // engine allow; part of the window's one refresh.
    void UpdateCommandStates();

    // Automatic speech: a question was laid out, an answer was shown.
    void QuestionShown();
    void AnswerShown();

    void mnuVraagUitsprekenClick();
    void mnuAntwoordUitsprekenClick();
    void mnuTaalUitsprekenClick();

    QAction *mnuVraagUitspreken, *mnuAntwoordUitspreken, *mnuAutomatischUitspreken, *mnuTaalUitspreken;
    QToolButton *btnVraagUitspreken, *btnAntwoordUitspreken;
    QMenu* mnuUitspreken;
    TDlgTaalUitspreken* dlgTaalUitspreken;

private:
    void CreateActions();
    void CreateButtons();
    // The column that the question (or the answer) shows now.
    [[nodiscard]] int ColumnOf(bool Question) const;
    [[nodiscard]] QString TableKey() const;
    void Speak(bool Question, bool Asked);
    bool AskLanguages(int Column);
    void EnableCommand(QAction* Command, bool Question);
    // One status-bar line for a problem, not one per question.
    void Notice(const QString& Text);

    TfrmMain& Main;
    TSpeaker* Voice;
    std::unique_ptr<TMemoryLanguageKeeper> OwnKeeper;
    TLanguageKeeper* Keeper;
    QString Unsaved[2]; // the choices for a table without a file name
    QString LastNotice;
};
