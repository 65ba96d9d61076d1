// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tablelanguages.h"

#include <QFileInfo>
#include <string>

#include "app/quizmemory.h"

namespace {

// One value per column of the table file: "speech.language.0" and ".1".
std::string ColumnKey(int Column) { return "speech.language." + std::to_string(Column); }

// The memory names a table by its absolute path, whatever folder the
// program was started in.
QString AbsolutePath(const QString& TableFile) { return QFileInfo(TableFile).absoluteFilePath(); }

} // namespace

QString TTableLanguages::Language(const QString& TableFile, int Column) const
{
    const auto Kept = Memory.TableValue(AbsolutePath(TableFile), ColumnKey(Column));
    return Kept ? QString::fromStdString(*Kept) : QString();
}

void TTableLanguages::SetLanguage(const QString& TableFile, int Column, const QString& Language)
{
    Memory.SetTableValue(AbsolutePath(TableFile), ColumnKey(Column), Language.toStdString());
}
