// SPDX-License-Identifier: GPL-3.0-or-later
// Where a dialog of the main window stands: centred over its window, never
// over the window's menu bar nor over the controls it must leave in view, and
// wholly on the screen.
#pragma once

#include <QRect>
#include <vector>

class QWidget;

// The room a dialog of Size should take, in screen coordinates: below the
// menu bar of Dialog's parent window and clear of Keep (below them, else
// above them), on the screen's available area. Size includes the frame.
[[nodiscard]] QRect ClearPlace(const QWidget* Dialog, const QSize& Size, const std::vector<const QWidget*>& Keep);

// Moves Dialog to its ClearPlace. Call it once the dialog has its size.
void PlaceClearOf(QWidget* Dialog, const std::vector<const QWidget*>& Keep = {});
