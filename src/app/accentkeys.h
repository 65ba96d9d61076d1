// SPDX-License-Identifier: GPL-3.0-or-later
// The window side of the accent keys: turns Qt's key events into the
// virtual-key codes and Windows-1252 characters of the program's accent
// composer (AccentFilter), which the main window calls before any other
// key handling.
#pragma once

class QKeyEvent;

class TAccentKeys {
public:
    // A key-down; true when it was Ctrl plus an accent key, which the window
    // then swallows.
    bool KeyDown(QKeyEvent* Event);

    // A typed character; a letter after an accent key becomes the accented
    // letter, when the code page of the column being typed in holds it.
    void KeyPress(char& Key, int CodePage);

    // The virtual-key code of the US-layout key that the event stands for:
    // recognised by the character on the key (also as a dead key of an
    // international layout) and, where the window system tells it, by the
    // key's position on the keyboard. 0 for keys the composer need not know.
    [[nodiscard]] static int VirtualKey(const QKeyEvent* Event);
};
