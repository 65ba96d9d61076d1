// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands of the main window: new, open, save, save as, save the
// wrong answers, and the questions that guard unsaved changes.
#pragma once

#include <QObject>

class TfrmMain;

class TFileCommands : public QObject {
    Q_OBJECT
public:
    explicit TFileCommands(TfrmMain& Main);

    void NewTable();
    void OpenTables();
    void SaveTable();
    void SaveTableAs();
    bool AskSaveChanges();
    // The questions before the window closes; false keeps it open.
    bool CanClose();
    void SaveWrongAnswers();

private:
    TfrmMain& Main;
};
