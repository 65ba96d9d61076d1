// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets of the Unicode formats share.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "formats/importedtable.h"

inline void CheckAt(bool Condition, const char* What, int Line)
{
    if (!Condition) {
        std::fprintf(stderr, "check failed, line %d: %s\n", Line, What);
        std::abort();
    }
}
#define Check(Condition) CheckAt((Condition), #Condition, __LINE__)

inline QByteArray Input(const std::uint8_t* Data, std::size_t Size)
{
    return QByteArray(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
}

inline bool SameEntries(const TImportedEntries& A, const TImportedEntries& B)
{
    return A == B;
}
