// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandkeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <utility>

TCommandKeys::TCommandKeys(const QWidget& Window, QList<QAction*> Options)
    : Window(Window), Options(std::move(Options))
{
}

bool TCommandKeys::IsShortcutOf(const QAction& Command, const QKeyEvent& Event)
{
    const QKeySequence Typed(Event.keyCombination());
    const QList<QKeySequence> Keys = Command.shortcuts();
    return std::find(Keys.begin(), Keys.end(), Typed) != Keys.end();
}

bool TCommandKeys::TakesOverride(const QKeyEvent& Event) const
{
    return std::any_of(Options.begin(), Options.end(),
                       [&Event](const QAction* Option) { return IsShortcutOf(*Option, Event); });
}

bool TCommandKeys::IsSwitchedOff(const QKeyEvent& Event) const
{
    if (!(Event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && Event.key() < Qt::Key_Escape)
        return false; // typing, not a command
    const QList<QAction*> Commands = Window.actions();
    return std::any_of(Commands.begin(), Commands.end(), [&Event](const QAction* Command) {
        return (!Command->isEnabled() || !Command->isVisible()) && IsShortcutOf(*Command, Event);
    });
}
