// SPDX-License-Identifier: GPL-3.0-or-later
// Lets the user resize the columns of a grid without a header row by
// dragging the line between two columns, as in a spreadsheet.
#pragma once

#include <QObject>

class QTableView;
class QWidget;

class TGridSizer : public QObject {
    Q_OBJECT
public:
    // Works on Grid for as long as the grid lives.
    explicit TGridSizer(QTableView* Grid);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // The column whose right edge lies at X (within a few pixels); -1 if none.
    [[nodiscard]] int EdgeAt(int X) const;

    QTableView* Grid;
    QWidget* Viewport;
    int Column = -1; // the column being resized
    int StartX = 0;
    int StartWidth = 0;
};
