// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/importedtexts.h"

QStringList Texts(const TImportedEntries& Entries)
{
    QStringList Result;
    for (const TImportedEntry& Entry : Entries)
        Result << Entry.Question + u'=' + Entry.Answer;
    return Result;
}

QString ReadError(const std::function<void()>& Read)
{
    try {
        Read();
    } catch (const EListReadError& Error) {
        return QString::fromUtf8(Error.what());
    }
    return QString();
}
