// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commandguard.h"

#include "ui/errordisplay.h"

bool RunCommand(const std::function<void()>& Command) noexcept
{
    try {
        Command();
        return true;
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}
