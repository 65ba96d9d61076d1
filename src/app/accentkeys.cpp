// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/accentkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "formats/wintext.h"
#include "editor/btaccent.h"

namespace {

// The accent keys by the characters they carry. Dead keys come from
// international layouts, where the same keys compose accents of their own.
int VirtualKeyOfSymbol(int Key)
{
    switch (Key) {
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
    case Qt::Key_Dead_Grave:
    case Qt::Key_Dead_Tilde:
        return VK_OEM_3;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
    case Qt::Key_Dead_Acute:
    case Qt::Key_Dead_Diaeresis:
        return VK_OEM_7;
    case Qt::Key_6:
    case Qt::Key_Dead_Circumflex:
        return VK_6;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return VK_OEM_1;
    case Qt::Key_Comma:
        return VK_OEM_COMMA;
    default:
        break;
    }
    if ((Key >= Qt::Key_A && Key <= Qt::Key_Z) || (Key >= Qt::Key_0 && Key <= Qt::Key_9))
        return Key; // letters and digits share their codes with the virtual keys
    return 0;
}

// The accent keys by their place on the keyboard, for layouts whose
// characters on those keys differ (with Ctrl held, some layouts report
// other symbols). X11 and Wayland report X key codes, Windows scan codes.
int VirtualKeyOfPosition(quint32 ScanCode)
{
    const QString Platform = QGuiApplication::platformName();
    if (Platform == QLatin1String("xcb") || Platform.startsWith(QLatin1String("wayland"))) {
        switch (ScanCode) {
        case 49: return VK_OEM_3;     // TLDE
        case 48: return VK_OEM_7;     // AC11
        case 15: return VK_6;         // AE06
        case 47: return VK_OEM_1;     // AC10
        case 59: return VK_OEM_COMMA; // AB08
        default: return 0;
        }
    }
    if (Platform == QLatin1String("windows")) {
        switch (ScanCode) {
        case 0x29: return VK_OEM_3;
        case 0x28: return VK_OEM_7;
        case 0x07: return VK_6;
        case 0x27: return VK_OEM_1;
        case 0x33: return VK_OEM_COMMA;
        default: return 0;
        }
    }
    return 0;
}

} // namespace

int TAccentKeys::VirtualKey(const QKeyEvent* Event)
{
    if (const int Code = VirtualKeyOfSymbol(Event->key()); Code != 0)
        return Code;
    return VirtualKeyOfPosition(Event->nativeScanCode());
}

bool TAccentKeys::KeyDown(QKeyEvent* Event)
{
    const Qt::KeyboardModifiers Modifiers = Event->modifiers();
    int Key = VirtualKey(Event);
    return AccentFilter.AccentKeyDown(Modifiers.testFlag(Qt::ShiftModifier),
        Modifiers.testFlag(Qt::ControlModifier), Key);
}

void TAccentKeys::KeyPress(char& Key, int CodePage)
{
    const char Typed = Key;
    AccentFilter.AccentKeyPress(Key);
    // An accented letter that the column cannot hold stays the plain letter.
    if (Key != Typed && !IsWinText(WinToQt(std::string(1, Key)), CodePage))
        Key = Typed;
}
