// SPDX-License-Identifier: GPL-3.0-or-later
#include "tableeditor/gridsizer.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>
#include <algorithm>

namespace {

constexpr int GripWidth = 3;
constexpr int SmallestColumn = 8;

} // namespace

TGridSizer::TGridSizer(QTableView* Grid) : QObject(Grid), Grid(Grid), Viewport(Grid->viewport())
{
    Viewport->setMouseTracking(true);
    Viewport->installEventFilter(this);
}

int TGridSizer::EdgeAt(int X) const
{
    const QHeaderView* Header = Grid->horizontalHeader();
    for (int Col = 0; Col < Header->count(); ++Col) {
        const int Edge = Header->sectionViewportPosition(Col) + Header->sectionSize(Col);
        if (std::abs(X - Edge) <= GripWidth)
            return Col;
    }
    return -1;
}

bool TGridSizer::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched != Viewport)
        return false;
    switch (Event->type()) {
    case QEvent::MouseButtonPress: {
        auto* Mouse = static_cast<QMouseEvent*>(Event);
        const int X = qRound(Mouse->position().x());
        const int Col = Mouse->button() == Qt::LeftButton ? EdgeAt(X) : -1;
        if (Col < 0)
            return false;
        Column = Col;
        StartX = X;
        StartWidth = Grid->horizontalHeader()->sectionSize(Col);
        return true;
    }
    case QEvent::MouseMove: {
        auto* Mouse = static_cast<QMouseEvent*>(Event);
        const int X = qRound(Mouse->position().x());
        if (Column >= 0) {
            Grid->horizontalHeader()->resizeSection(Column, std::max(SmallestColumn, StartWidth + X - StartX));
            return true;
        }
        if (Mouse->buttons() == Qt::NoButton) {
            if (EdgeAt(X) >= 0)
                Viewport->setCursor(Qt::SplitHCursor);
            else
                Viewport->unsetCursor();
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (Column < 0)
            return false;
        if (Event->type() == QEvent::MouseButtonRelease)
            Column = -1;
        return true;
    default:
        return false;
    }
}
