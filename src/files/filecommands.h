// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands of the main window: new table, open (several files at
// once), save, save as, save the wrong answers, and the questions that guard
// unsaved changes when a table would be discarded or the window closes.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

#include "files/tablefiledialog.h"
#include "formats/tablefilename.h"

class QFileDialog;
class TDlgSlaFoutenOp;
class TFileDoor;
class TWindowSettings;
struct TKvtmlSource;

class TFileCommands : public QObject {
    Q_OBJECT
public:
    // Works on the window's table through Door; keeps the last table folder
    // in Settings; saves the wrong answers with Dialog. The window connects
    // its file commands to the slots below.
    TFileCommands(TFileDoor& Door, TWindowSettings& Settings, TDlgSlaFoutenOp& Dialog);

    // Asks "De huidige tabel is gewijzigd, opslaan?" once: Ja saves, Nee
    // gives the changes up, and Esc or the close box gives up nothing. False
    // when the question was dismissed: the command that asked stops there.
    bool AskSaveChanges();
    void NewTable();
    void OpenTables();
    // Opens Files as a confirmed open dialog would (a dropped file, a recent
    // one), after the unsaved-changes question; the folder kept for the
    // dialogs stays as it is.
    void OpenFiles(const QStringList& Files);
    void SaveTable();
    void SaveTableAs();
    void SaveWrongAnswers();
    // The close handling: asks while the table is changed, until it is saved
    // or its changes are given up; a dismissed question keeps the window
    // open. A failed save raises its error, and the window stays open.
    bool CanClose();

    // Reads one table file into the table, whatever its format, and tells
    // the user in one message what was left out or changed on the way.
    void LoadTableFile(const QString& FileName);

    // The file the table is: its own, or the other trainer's file it was
    // read from; empty for a new or combined table.
    [[nodiscard]] QString SourceName() const;

    // The folder the table dialogs open in: the folder of the last table
    // file chosen, kept in the settings file; at first the program's folder
    // for a portable copy, else the user's documents folder.
    [[nodiscard]] QString InitialFolder() const;

    QFileDialog* dlgOpen;
    QFileDialog* dlgSave;
    // The languages the file read last names for its question and answer
    // column ("en", "nl"); empty where it names none.
    QStringList FileLanguages;

signals:
    // A table file was read or written under its own name.
    void TableFileUsed(const QString& FileName);

private:
    // Reads Files, one after the other, into the cleared table.
    void ReadFiles(const QStringList& Files);
    // Asks while the table is changed; false when a question was dismissed.
    bool SettleChanges();
    // Saves under ListName, or under a name chosen in the save dialog when
    // it is empty. A failed write puts PreviousName back as the table's name.
    void Save(std::string PreviousName);
    // Whether FileName names the table's own file.
    [[nodiscard]] bool IsTableFile(const QString& FileName) const;
    void RememberFolder(const QString& FileName);
    [[nodiscard]] bool RunDialog(QFileDialog* Dialog, QString& Filter, const QString& Proposed = QString());

    // Writes the table as File: in the format of its extension, and a UTF-8
    // text table that was read from File in UTF-8 again.
    void SaveFile(const QString& File);
    // The save dialog's proposal: the table's own file name (PreviousName,
    // for "Opslaan als"); a table read from another trainer's file under that
    // file's name as ".MT4"; otherwise none. The dialog starts in the folder
    // of that file.
    [[nodiscard]] QString ProposedSaveName(const std::string& PreviousName) const;

    TFileDoor& Door;
    TWindowSettings& Settings;
    TDlgSlaFoutenOp& DlgSlaFoutenOp;
    QString OpenFilter;
    QString SaveFilter;
    // The table read last: a UTF-8 text table is saved back in UTF-8 under
    // its name; another trainer's file gives the name the save proposes.
    QString Utf8TextName;
    bool Utf8TextBom = false;
    QString ImportedName;
    // The KVTML file the table was read from: a save over it keeps what the
    // table does not show.
    std::shared_ptr<const TKvtmlSource> KvtmlSource;
};
