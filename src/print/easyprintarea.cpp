// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/easyprintarea.h"

#include <QPainter>
#include <QRegion>

#include "print/pagerect.h"

TEasyPrintArea::TEasyPrintArea(QObject* Owner) : QObject(Owner) {}

void TEasyPrintArea::DoPrint(QObject* Sender, QPainter& Canvas)
{
    const QRect Saved = Canvas.clipRegion().boundingRect();
    if (OnHeight)
        Height = OnHeight(Sender, Canvas);

    QRect Band;
    if (Alignment == eaaTop)
        Band = RectFromEdges(Saved.left(), Saved.top(), RightEdge(Saved), Saved.top() + Height);
    else
        Band = RectFromEdges(Saved.left(), BottomEdge(Saved) - Height, RightEdge(Saved), BottomEdge(Saved));

    Canvas.setClipRegion(QRegion(Band));
    if (OnPrint)
        OnPrint(Sender, Canvas, Band);
    Canvas.setClipRegion(QRegion(Saved).subtracted(QRegion(Band)));
}
