// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcuts of the main window's commands against the keys that edit
// fields and the quiz screens want for themselves. A command's shortcut goes
// to the command when it is on, and does nothing at all when the command is
// disabled or hidden: the key never reaches an edit field or the quiz as a
// control character.
#pragma once

#include <QList>

class QAction;
class QKeyEvent;
class QWidget;

class TCommandKeys {
public:
    // Window: whose actions are the commands. Options: the commands whose
    // shortcuts go before an edit field's own use of them (Ctrl+A selects
    // all, Ctrl+K deletes to the end of the line).
    TCommandKeys(const QWidget& Window, QList<QAction*> Options);

    // For a shortcut-override event: true when the key is an option's
    // shortcut, which the edit field must leave to the command.
    [[nodiscard]] bool TakesOverride(const QKeyEvent& Event) const;
    // For a key press: true when the key is the shortcut of a command that
    // is disabled or hidden; such a key does nothing.
    [[nodiscard]] bool IsSwitchedOff(const QKeyEvent& Event) const;

private:
    [[nodiscard]] static bool IsShortcutOf(const QAction& Command, const QKeyEvent& Event);

    const QWidget& Window;
    QList<QAction*> Options;
};
