// SPDX-License-Identifier: GPL-3.0-or-later
// The accent-key composer: Ctrl plus an accent key, then a letter, gives the
// accented letter (Ctrl+' then e gives é). It works on Windows virtual-key
// codes and Windows-1252 characters; the window system translates its key
// events into those before calling it.
#pragma once

#include <array>
#include <string_view>

// One accent key: whether Shift is held ('S') or not ('U'), and the
// virtual-key code of the key on the US layout.
struct TAccentKeyCode {
    char Marker;
    int VirtualKey;
};

// Virtual-key codes of the keys involved (US layout).
inline constexpr int VK_OEM_1 = 0xBA;     // ; and :
inline constexpr int VK_OEM_COMMA = 0xBC; // , and <
inline constexpr int VK_OEM_3 = 0xC0;     // ` and ~
inline constexpr int VK_OEM_7 = 0xDE;     // ' and "
inline constexpr int VK_6 = 0x36;         // 6 and ^

// The seven accent keys; position k selects AccentChars[k].
inline constexpr std::array<TAccentKeyCode, 7> AccentKeyCodes{{
    {'U', VK_OEM_3},     // Ctrl+`        grave
    {'U', VK_OEM_7},     // Ctrl+'        acute
    {'U', VK_6},         // Ctrl+6        circumflex
    {'S', VK_OEM_7},     // Ctrl+"        diaeresis
    {'S', VK_OEM_1},     // Ctrl+:        diaeresis
    {'S', VK_OEM_3},     // Ctrl+~        tilde
    {'U', VK_OEM_COMMA}, // Ctrl+,        cedilla, ring, ligature
}};

// The accent each key stands for. Both diaeresis keys share the double quote.
inline constexpr std::string_view AccentChars{"`'^\"\"~,"};

// The letters that take an accent.
inline constexpr std::string_view AccentLetters{"abceinouysACEINOUY"};

// The composed character for each letter (row, as in AccentLetters) and
// each position of AccentChars (column). The fifth column repeats the
// fourth; lookups use the first position of an accent, as both diaeresis
// keys do. A letter without an accented form keeps its plain value.
inline constexpr std::array<std::array<unsigned char, 7>, 18> AccentedChars{{
    //  `     '     ^     "     "     ~     ,
    {0xE0, 0xE1, 0xE2, 0xE4, 0xE4, 0xE3, 0xE5}, // a
    {0xDF, 0xDF, 0xDF, 0xDF, 0xDF, 0xDF, 0xDF}, // b
    {0xE7, 0xE7, 0xE7, 0xE7, 0xE7, 0xE7, 0xE7}, // c
    {0xE8, 0xE9, 0xEA, 0xEB, 0xEB, 0x9C, 0xE6}, // e
    {0xEC, 0xED, 0xEE, 0xEF, 0xEF, 'i', 'i'},   // i
    {0xF1, 0xF1, 0xF1, 0xF1, 0xF1, 0xF1, 0xF1}, // n
    {0xF2, 0xF3, 0xF4, 0xF6, 0xF6, 0xF5, 'o'},  // o
    {0xF9, 0xFA, 0xFB, 0xFC, 0xFC, 'u', 'u'},   // u
    {'y', 0xFD, 'y', 0xFF, 0xFF, 'y', 'y'},     // y
    {0xDF, 0xDF, 0xDF, 0xDF, 0xDF, 0xDF, 0xDF}, // s
    {0xC0, 0xC1, 0xC2, 0xC4, 0xC4, 0xC3, 0xC5}, // A
    {0xC7, 0xC7, 0xC7, 0xC7, 0xC7, 0xC7, 0xC7}, // C
    {0xC8, 0xC9, 0xCA, 0xCB, 0xCB, 0x8C, 0xC6}, // E
    {0xCC, 0xCD, 0xCE, 0xCF, 0xCF, 'I', 'I'},   // I
    {0xD1, 0xD1, 0xD1, 0xD1, 0xD1, 0xD1, 0xD1}, // N
    {0xD2, 0xD3, 0xD4, 0xD6, 0xD6, 0xD5, 'O'},  // O
    {0xD9, 0xDA, 0xDB, 0xDC, 0xDC, 'U', 'U'},   // U
    {'Y', 0xDD, 'Y', 0x9F, 0x9F, 'Y', 'Y'},     // Y
}};

class TBTAccent {
public:
    // The accent waiting for its letter; 0 when none.
    char PendingAccent = 0;

    // Key-down with the Shift and Ctrl state and a virtual-key code. Returns
    // true (and sets Key to 0) when Ctrl plus an accent key was pressed; the
    // caller then does nothing else with the key. While an accent waits,
    // every key-down passes unchanged, so Shift and keys without a character
    // leave it waiting.
    bool AccentKeyDown(bool Shift, bool Ctrl, int& Key);

    // A typed Windows-1252 character. With an accent waiting, a letter of
    // AccentLetters is replaced by its accented form; any character ends
    // the wait.
    void AccentKeyPress(char& Key);
};

// The one accent composer of the program.
extern TBTAccent AccentFilter;
