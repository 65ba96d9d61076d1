// SPDX-License-Identifier: GPL-3.0-or-later
// The file commands of the main window: new table, open (several files at
// once), save, save as, save the wrong answers, and the questions that guard
// unsaved changes when a table would be discarded or the window closes.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

class QFileDialog;
class QWidget;
class TfrmMain;

// The filter lists of the table dialogs, one "name|patterns" pair after the
// other, patterns separated by ";".
inline const QString OpenTableFilter = QStringLiteral(
    "memorant bestanden|*.mt4;*.mtw;*.mt|memorant versie 4 bestanden|*.mt4|memorant voor Windows "
    "bestanden|*.mtw|memorant voor DOS bestanden|*.mt|ASCII tekstbestanden|*.txt;*.asc|KVTML-woordenlijsten|*.kvtml|"
    "CSV- en TSV-bestanden|*.csv;*.tsv|alle bestanden|*.*");
inline const QString SaveTableFilter = QStringLiteral(
    "memorant versie 4 bestanden|*.mt4|memorant voor Windows bestanden|*.mtw|memorant voor DOS "
    "bestanden|*.mt|tekstbestanden|*.txt|KVTML-woordenlijst|*.kvtml|CSV UTF-8|*.csv|alle bestanden|*.*");

// The filter list as Qt's name filters: "name (*.a *.b)".
[[nodiscard]] QStringList NameFilters(const QString& Filter);

// A file dialog of the program: Qt's own, so that it looks and behaves the
// same everywhere. Save dialogs add ".mt4" to a bare name and leave the
// overwrite question to the caller.
[[nodiscard]] QFileDialog* MakeTableDialog(QWidget* Parent, const QString& Name, const QString& Filter,
                                           bool ForSaving);

// A file name as the table's operations take it, and back.
[[nodiscard]] std::string TableFileName(const QString& Path);
[[nodiscard]] QString TableFilePath(const std::string& FileName);

class TFileCommands : public QObject {
    Q_OBJECT
public:
    explicit TFileCommands(TfrmMain& Main);

    // Asks "De huidige tabel is gewijzigd, opslaan?" once: Ja saves, Nee
    // gives the changes up. True when the table is no longer changed.
    bool AskSaveChanges();
    void NewTable();
    void OpenTables();
    void SaveTable();
    void SaveTableAs();
    void SaveWrongAnswers();
    // The close handling: asks while the table is changed, at most ten
    // times; then the window may close, changed or not. A failed save
    // raises its error, and the window stays open.
    bool CanClose();

    // Reads one table file into the table, whatever its format, and tells
    // the user in one message what was left out or changed on the way.
    void LoadTableFile(const QString& FileName);

    // The folder the table dialogs open in: the folder of the last table
    // file chosen, kept in the settings file; the program's folder at first.
    [[nodiscard]] QString InitialFolder() const;

    QFileDialog* dlgOpen;
    QFileDialog* dlgSave;

private:
    void RememberFolder(const QString& FileName);
    [[nodiscard]] bool RunDialog(QFileDialog* Dialog, QString& Filter, const QString& Proposed = QString());
    void ShowTableIdle();

    // Writes the table as File: in the format of its extension, and a UTF-8
    // text table that was read from File in UTF-8 again.
    void SaveFile(const QString& File);
    // The save dialog's proposal: a table read from another trainer's file
    // is proposed under that file's name as ".MT4"; otherwise none.
    [[nodiscard]] QString ProposedSaveName() const;

    TfrmMain& Main;
    QString OpenFilter;
    QString SaveFilter;
    // The table read last: a UTF-8 text table is saved back in UTF-8 under
    // its name; another trainer's file gives the name the save proposes.
    QString Utf8TextName;
    bool Utf8TextBom = false;
    QString ImportedName;
};
