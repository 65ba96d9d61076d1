// SPDX-License-Identifier: GPL-3.0-or-later
// Word lists in the XML format of the KDE education programs (KVTML 2.0,
// and the older format without a version).
//
// With two or more languages the first two are question and answer; with
// one, each word's comment (a definition or a hint) is the question and the
// word the answer.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "formats/importedtable.h"

class TKvtmlFile {
public:
    // Raises EListReadError "Fout tijdens lezen ..." with the line for
    // malformed XML, a file that is no KVTML and a file without entries.
    [[nodiscard]] static TImportedTable Read(const QString& FileName);
    [[nodiscard]] static TImportedTable Parse(const QByteArray& Bytes, const QString& FileName);

    // The entries as a KVTML 2.0 file with two languages, Title as its title.
    [[nodiscard]] static QByteArray Written(const std::vector<TImportedEntry>& Entries, const QString& Title);
};
