// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/griddelegate.h"

#include <QPainter>

void TGridDelegate::paint(QPainter* Painter, const QStyleOptionViewItem& Option,
                          const QModelIndex& Index) const
{
    const QRect Cell = Option.rect;
    Painter->save();
    Painter->fillRect(Cell, Index.data(Qt::BackgroundRole).value<QColor>());
    const QString Text = Index.data(Qt::DisplayRole).toString();
    if (!Text.isEmpty()) {
        Painter->setClipRect(Cell);
        Painter->setFont(Index.data(Qt::FontRole).value<QFont>());
        Painter->setPen(Index.data(Qt::ForegroundRole).value<QColor>());
        Painter->drawText(Cell.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          Text);
    }
    Painter->restore();
}
