// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableeditor/tablegrid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

TTableGrid::TTableGrid(QWidget* Parent) : QTableView(Parent)
{
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

int TTableGrid::WholeRowsInView() const
{
    const int Height = std::max(1, verticalHeader()->defaultSectionSize());
    return std::max(1, viewport()->height() / Height);
}

void TTableGrid::ScrollRowToTop(int Row)
{
    // The scroll range follows a change of the row height only when the
    // geometry is brought up to date.
    updateGeometries();
    verticalScrollBar()->setValue(std::max(0, Row));
    AlignTopRow();
}

void TTableGrid::scrollContentsBy(int Dx, int Dy)
{
    QTableView::scrollContentsBy(Dx, Dy);
    AlignTopRow();
}

void TTableGrid::updateGeometries()
{
    QTableView::updateGeometries();
    AlignTopRow();
}

// Scrolled to its end, a table view puts the last row at the bottom edge and
// cuts the top row; here the rows always start at the top edge.
void TTableGrid::AlignTopRow()
{
    if (verticalScrollMode() != QAbstractItemView::ScrollPerItem)
        return;
    QHeaderView* Rows = verticalHeader();
    const int Top = verticalScrollBar()->value();
    if (Top < 0 || Top >= Rows->count())
        return;
    const int Offset = Rows->sectionPosition(Rows->logicalIndex(Top));
    if (Rows->offset() == Offset)
        return;
    Rows->setOffset(Offset);
    viewport()->update();
}
