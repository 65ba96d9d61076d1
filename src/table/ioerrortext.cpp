// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/ioerrortext.h"

#include <cerrno>

namespace {

[[nodiscard]] const char* IoErrorReason(int Error)
{
    switch (Error) {
    case ENOENT: return "niet gevonden";
    case EACCES:
    case EPERM: return "geen toegang";
    case ENOSPC: return "schijf vol";
    case EROFS: return "alleen-lezen bestandssysteem";
    case EISDIR: return "is een map";
    case ENAMETOOLONG: return "naam te lang";
    case EDQUOT: return "schijfquotum overschreden";
    case EIO: return "invoer-/uitvoerfout";
    default: return nullptr;
    }
}

} // namespace

std::string IoErrorText(int Error)
{
    std::string Text = std::to_string(Error);
    if (const char* Reason = IoErrorReason(Error)) {
        Text += " (";
        Text += Reason;
        Text += ')';
    }
    return Text;
}
