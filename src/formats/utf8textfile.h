// SPDX-License-Identifier: GPL-3.0-or-later
// Plain text tables (".txt", ".asc") in UTF-8: the lines of a table file,
// "question = answer" and an optional font line, in Unicode. A text file is
// taken for UTF-8 when it starts with a byte order mark, or when it is valid
// UTF-8 with at least one character of more than one byte; otherwise it is
// DOS text.
#pragma once

#include <QByteArray>
#include <QString>

#include "formats/importedtable.h"

class TUtf8TextFile {
public:
    [[nodiscard]] static bool IsUtf8Text(const QByteArray& Bytes);

    // The table lines of a file's bytes, read as the table file reader
    // reads them. Raises DecodeUtf8File's errors.
    [[nodiscard]] static TImportedTable Parse(const QByteArray& Bytes, const QString& FileName);

    // The table's lines in UTF-8, with CR LF line ends; with a byte order
    // mark when Bom is set. The font line is written as in any table file.
    [[nodiscard]] static QByteArray Written(const TQuestionlist& List, bool Bom);
};
