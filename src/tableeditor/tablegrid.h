// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's grid: a table view that scrolls by whole rows and always has
// a whole row at its top edge. When scrolled to the end, the last row stays
// wholly in view with some room below it, instead of the first row being cut
// in half.
#pragma once

#include <QTableView>

class TTableGrid : public QTableView {
    Q_OBJECT
public:
    explicit TTableGrid(QWidget* Parent = nullptr);

    // The number of rows that fit wholly in the view (at least 1).
    [[nodiscard]] int WholeRowsInView() const;
    // Scrolls so that Row is the first row shown, or as close to that as the
    // end of the table allows.
    void ScrollRowToTop(int Row);

protected:
    void scrollContentsBy(int Dx, int Dy) override;
    void updateGeometries() override;

private:
    void AlignTopRow();
};
