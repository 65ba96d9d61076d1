// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/btaccent.h"

#include <algorithm>

TBTAccent AccentFilter;

bool TBTAccent::AccentKeyDown(bool Shift, bool Ctrl, int& Key)
{
    if (PendingAccent != 0)
        return false;
    const char Marker = Shift ? 'S' : 'U';
    const int Code = Key & 0xFF;
    const auto* Found = std::find_if(AccentKeyCodes.begin(), AccentKeyCodes.end(),
        [&](const TAccentKeyCode& K) { return K.Marker == Marker && K.VirtualKey == Code; });
    if (Ctrl && Found != AccentKeyCodes.end()) {
        PendingAccent = AccentChars[static_cast<std::size_t>(Found - AccentKeyCodes.begin())];
        Key = 0;
        return true;
    }
    PendingAccent = 0;
    return false;
}

void TBTAccent::AccentKeyPress(char& Key)
{
    if (PendingAccent == 0)
        return;
    const auto Row = AccentLetters.find(Key);
    const auto Column = AccentChars.find(PendingAccent);
    if (Row != std::string_view::npos && Column != std::string_view::npos)
        Key = static_cast<char>(AccentedChars[Row][Column]);
    PendingAccent = 0;
}
