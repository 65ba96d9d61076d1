// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/dutchfiletypes.h"

#include <QFileInfo>
#include <array>
#include <utility>

namespace {

using TKnownType = std::pair<const char*, const char*>; // extension, name

constexpr std::array<TKnownType, 11> KnownTypes{{
    {"mt4", "Memorant-tabel"},
    {"mtw", "Memorant-tabel (Windows)"},
    {"mt", "Memorant-tabel (DOS)"},
    {"txt", "Tekstbestand"},
    {"asc", "Tekstbestand"},
    {"kvtml", "KVTML-woordenlijst"},
    {"csv", "CSV-bestand"},
    {"tsv", "TSV-bestand"},
    {"ini", "Instellingen"},
    {"pdf", "PDF-document"},
    {"html", "Webpagina"},
}};

const QString FolderName = QStringLiteral("Map");
const QString EmptyName = QStringLiteral("Leeg bestand");
const QString FileName = QStringLiteral("Bestand");

} // namespace

QString TDutchFileTypes::type(const QFileInfo& Info) const
{
    if (Info.isDir())
        return FolderName;
    const QString Extension = Info.suffix().toLower();
    for (const auto& [Known, Name] : KnownTypes)
        if (Extension == QLatin1String(Known))
            return QString::fromUtf8(Name);
    if (Info.isFile() && Info.size() == 0)
        return EmptyName;
    if (Extension.isEmpty())
        return FileName;
    return Info.suffix().toUpper() + QStringLiteral("-bestand");
}

QStringList TDutchFileTypes::KnownNames()
{
    QStringList Names{FolderName, EmptyName, FileName};
    for (const auto& Known : KnownTypes)
        Names << QString::fromUtf8(Known.second);
    return Names;
}
