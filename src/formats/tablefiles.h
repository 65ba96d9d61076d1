// SPDX-License-Identifier: GPL-3.0-or-later
// Which reader and writer a table file needs: the table format itself
// (".MT4", DOS ".mtw", ".mt", ".txt", ".asc"), or one of the Unicode formats
// of other trainers (KVTML ".kvtml", CSV/TSV ".csv"/".tsv", the notes export
// of flashcard programs and UTF-8 text tables, both ".txt").
#pragma once

#include <QString>
#include <memory>
#include <QStringList>

#include "formats/tableimport.h"

struct TKvtmlSource;

enum class TTableFormat {
    Table,    // the table file format, in its code page
    Utf8Text, // the table file format in UTF-8
    Kvtml,
    Csv,
    Notes,
};

struct TLoadResult {
    TTableFormat Format = TTableFormat::Table;
    bool Bom = false; // the UTF-8 file began with a byte order mark
    TImportReport Report;
    // A KVTML file as read, with the texts the table shows for its entries.
    std::shared_ptr<const TKvtmlSource> Kvtml;
    QStringList Languages; // as TImportedTable::Languages
};

class TTableFiles {
public:
    // Reads a file into List as LoadFromFile does. A file of another trainer
    // leaves List without a name (it is not the table's own file); a UTF-8
    // text table keeps its name, unless its texts changed on the way in.
    // A file that cannot be read whole adds none of its entries. A file
    // that gives no entry says so in the report.
    static TLoadResult Load(TQuestionlist& List, const QString& FileName);

    // Saves List as SaveToFile does, in the format of FileName's extension
    // (".kvtml", ".csv") or, for Format Utf8Text, as UTF-8 text. With Kvtml,
    // the KVTML file the table was read from: a save over that file keeps
    // all the table did not change, and Kvtml becomes the file as saved; a
    // new KVTML file gets its languages.
    static void Save(TQuestionlist& List, const QString& FileName, TTableFormat Format = TTableFormat::Table,
                     bool Bom = false, std::shared_ptr<const TKvtmlSource>* Kvtml = nullptr);

    // True for the formats whose files a save must never overwrite
    // unasked: they hold more than the table keeps.
    [[nodiscard]] static bool IsForeign(TTableFormat Format)
    {
        return Format == TTableFormat::Kvtml || Format == TTableFormat::Csv || Format == TTableFormat::Notes;
    }
};
