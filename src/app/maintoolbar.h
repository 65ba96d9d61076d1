// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar of the main window: a navy bar of fixed height, its buttons at
// fixed places of the design, each sharing its command with a menu item.
#pragma once

#include <QIcon>
#include <QToolBar>

class QAction;
class QToolButton;

// The height of the toolbar in the design.
inline constexpr int ToolbarHeight = 33;

class TMainToolbar : public QToolBar {
    Q_OBJECT
public:
    // A bar Width wide at the top of Window.
    TMainToolbar(QWidget* Window, int Width);

    // A button Width wide at Left for Action, with Hint as the command's
    // tool tip. With an Icon, the button shows the icon only; without, the
    // action's icon text.
    QToolButton* AddButton(const char* Name, int Left, int Width, QAction* Action, const QString& Hint,
                           const QIcon& Icon = {});

private:
    QWidget* Buttons;
};
