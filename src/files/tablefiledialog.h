// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialog of the table commands. Opening takes several files at once
// and does not insist that a typed name exists: the name goes to the program,
// which says in its own words that there is no such file. Its type names are
// Dutch, and its columns are wide enough to read.
#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>

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

class TTableFileDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit TTableFileDialog(QWidget* Parent);

    // Opening: any typed name is taken (a typed folder is opened as usual),
    // and several files can be chosen with Ctrl or Shift.
    void SetUpForOpening();

protected:
    void showEvent(QShowEvent* Event) override;

private:
    // The detail view's size, type and date columns as wide as their texts
    // need in the view's font, and the dialog wide enough for them.
    void FitColumns();
    // Gives the list up to By pixels of the places beside it.
    void NarrowSidebar(int By);
};
