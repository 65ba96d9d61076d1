// SPDX-License-Identifier: GPL-3.0-or-later
// The file dialog of the table commands. Opening does not insist that a
// typed name exists: the name goes to the program, which says in its own
// words that there is no such file.
#pragma once

#include <QFileDialog>

class TTableFileDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit TTableFileDialog(QWidget* Parent);

    // A typed folder is opened as usual; names of files that do not exist
    // are handed on instead of refused.
    void accept() override;
};
