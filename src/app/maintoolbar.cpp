// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/maintoolbar.h"

#include <QAction>
#include <QLayout>
#include <QToolButton>

#include "ui/uistyle.h"

TMainToolbar::TMainToolbar(QWidget* Window, int Width) : QToolBar(Window)
{
    setObjectName(QStringLiteral("Toolbar"));
    setMovable(false);
    setFloatable(false);
    toggleViewAction()->setVisible(false);
    setFixedHeight(ToolbarHeight);
    setContentsMargins(0, 0, 0, 0);
    layout()->setContentsMargins(0, 0, 0, 0);
    setAutoFillBackground(true);
    SetBackground(this, NavyColour());
    setContextMenuPolicy(Qt::PreventContextMenu);

    Buttons = new QWidget(this);
    Buttons->setObjectName(QStringLiteral("ToolbarButtons"));
    Buttons->setFixedSize(Width, ToolbarHeight);
    StyleToolbarButtons(Buttons);
    addWidget(Buttons);
}

QToolButton* TMainToolbar::AddButton(const char* Name, int Left, int Width, QAction* Action, const QString& Hint,
                                     const QIcon& Icon)
{
    auto* Button = new QToolButton(Buttons);
    Button->setObjectName(QString::fromLatin1(Name));
    Button->setGeometry(Left, 4, Width, 25);
    Button->setFocusPolicy(Qt::NoFocus);
    Action->setToolTip(Hint);
    if (!Icon.isNull())
        Action->setIcon(Icon);
    Action->setIconVisibleInMenu(!Action->isCheckable()); // an option shows its tick there
    Button->setDefaultAction(Action);
    Button->setToolButtonStyle(Icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    return Button;
}
