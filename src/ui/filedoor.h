// SPDX-License-Identifier: GPL-3.0-or-later
// What the file commands see of the main window: the one table, the window
// that owns their dialogs, and what the window does when a table is read,
// replaced or about to be written. The main window implements it.
#pragma once

class QString;
class QWidget;
class TQuestionlist;

class TFileDoor {
public:
    virtual ~TFileDoor() = default;

    // The one question table of the window.
    [[nodiscard]] virtual TQuestionlist& Table() = 0;
    // The window that owns the file dialogs and the messages.
    [[nodiscard]] virtual QWidget& Window() = 0;
    // Text typed in the editor and not yet stored goes into the table.
    virtual void StoreTypedText() = 0;
    // Shows on the prompt line, at once, that File is being read.
    virtual void ShowReading(const QString& File) = 0;
    // The table was emptied or read anew: the chart of the old table's
    // rounds is cleared, and the state follows the table: idle when it has
    // entries, no table when it has none.
    virtual void TableReplaced() = 0;
    // An open command ended (read, failed or cancelled): the state follows
    // the table, the accent conversions are available again, all is shown.
    virtual void ShowTableRead() = 0;
    // Opens the editor (after a new table).
    virtual void StartEditing() = 0;
    // The one refresh of the window.
    virtual void UpdateCommandStates() = 0;

protected:
    TFileDoor() = default;
    TFileDoor(const TFileDoor&) = default;
    TFileDoor& operator=(const TFileDoor&) = default;
};
