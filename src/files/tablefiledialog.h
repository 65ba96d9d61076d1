// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialog of the table commands. Opening takes several files at once
// and does not insist that a typed name exists: the name goes to the program,
// which says in its own words that there is no such file. Its type names are
// Dutch, and its columns are wide enough to read.
#pragma once

#include <QFileDialog>

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
};
