// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogplacement.h"

#include <QMenuBar>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int Gap = 4;
// A window manager adds a title bar that Qt knows only once the dialog is on
// the screen; this much is reserved for it until then.
constexpr int TitleAllowance = 32;

QRect GlobalRect(const QWidget* Widget)
{
    return QRect(Widget->mapToGlobal(QPoint(0, 0)), Widget->size());
}

const QWidget* MenuBarOf(const QWidget* Window)
{
    if (!Window)
        return nullptr;
    const auto* Bar = Window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    return Bar && Bar->isVisible() ? Bar : nullptr;
}

bool Overlaps(const QRect& Place, const std::vector<QRect>& Kept)
{
    return std::any_of(Kept.begin(), Kept.end(), [&Place](const QRect& Rect) { return Rect.intersects(Place); });
}

} // namespace

QRect ClearPlace(const QWidget* Dialog, const QSize& Size, const std::vector<const QWidget*>& Keep)
{
    const QWidget* Owner = Dialog->parentWidget() ? Dialog->parentWidget()->window() : nullptr;
    const QScreen* Screen = Owner ? Owner->screen() : Dialog->screen();
    const QRect Area = Screen->availableGeometry();
    const QRect Over = Owner ? Owner->frameGeometry() : Area;

    std::vector<QRect> Kept;
    int Top = Area.top();
    if (const QWidget* Bar = MenuBarOf(Owner)) {
        Kept.push_back(GlobalRect(Bar));
        Top = std::max(Top, GlobalRect(Bar).bottom() + 1 + Gap);
    }
    for (const QWidget* Widget : Keep)
        if (Widget && Widget->isVisible())
            Kept.push_back(GlobalRect(Widget));

    const QSize Fitted = Size.boundedTo(QSize(Area.width(), Area.bottom() + 1 - Top));
    QRect Place(QPoint(0, 0), Fitted);
    Place.moveCenter(Over.center());
    Place.moveLeft(std::clamp(Place.left(), Area.left(), Area.right() + 1 - Fitted.width()));
    Place.moveTop(std::max(Place.top(), Top));

    // Below the lowest control to keep, else above the highest one, else as
    // high as the menu bar allows.
    if (Overlaps(Place, Kept)) {
        int Below = Top;
        int Above = Area.bottom() + 1;
        for (const QRect& Rect : Kept) {
            Below = std::max(Below, Rect.bottom() + 1 + Gap);
            if (Rect.top() > Top)
                Above = std::min(Above, Rect.top() - Gap);
        }
        if (Below + Fitted.height() <= Area.bottom() + 1)
            Place.moveTop(Below);
        else if (Above - Fitted.height() >= Top)
            Place.moveTop(Above - Fitted.height());
        else
            Place.moveTop(Top);
    }
    Place.moveTop(std::min(Place.top(), Area.bottom() + 1 - Fitted.height()));
    Place.moveTop(std::max(Place.top(), Top));
    return Place;
}

void PlaceClearOf(QWidget* Dialog, const std::vector<const QWidget*>& Keep)
{
    const QRect Frame = Dialog->frameGeometry();
    const int FrameHeight = Frame.height() > Dialog->height() ? Frame.height() : Dialog->height() + TitleAllowance;
    // A window's position is that of its frame.
    Dialog->move(ClearPlace(Dialog, QSize(Frame.width(), FrameHeight), Keep).topLeft());
}
