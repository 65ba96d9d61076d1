// SPDX-License-Identifier: GPL-3.0-or-later
// Draws one cell of the table grid: the row's background colour, then the
// text in the column's font, 3 pixels from the left edge, at the top, clipped
// to the cell. Selection and focus are shown by the background alone.
#pragma once

#include <QStyledItemDelegate>

class TGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option,
               const QModelIndex& Index) const override;
};
