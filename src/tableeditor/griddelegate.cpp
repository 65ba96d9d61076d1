// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableeditor/griddelegate.h"

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
        // Hebrew and Arabic columns run from the right edge, which keeps a
        // clear gap to the next column's text.
        const auto Horizontal = Index.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
        const bool FromRight = Horizontal == Qt::AlignRight;
        constexpr int Margin = 3;
        constexpr int RightMargin = 12;
        Painter->drawText(Cell.adjusted(FromRight ? 0 : Margin, 0, FromRight ? -RightMargin : 0, 0),
                          (FromRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextSingleLine, Text);
    }
    Painter->restore();
}
