// SPDX-License-Identifier: GPL-3.0-or-later
// Page rectangles by their edges. The report engine counts a rectangle from
// Left to Right and from Top to Bottom with Right and Bottom just outside it
// (a band of height H runs from Top to Top + H), unlike QRect::right() and
// QRect::bottom(), which lie on the last pixel inside.
#pragma once

#include <QRect>

[[nodiscard]] inline int RightEdge(const QRect& Rect) { return Rect.x() + Rect.width(); }
[[nodiscard]] inline int BottomEdge(const QRect& Rect) { return Rect.y() + Rect.height(); }

// A rectangle from its four edges; when Right <= Left or Bottom <= Top it is
// empty and covers no pixel.
[[nodiscard]] inline QRect RectFromEdges(int Left, int Top, int Right, int Bottom)
{
    return QRect(Left, Top, Right - Left, Bottom - Top);
}
