// SPDX-License-Identifier: GPL-3.0-or-later
// The plain-text notes export of flashcard programs: header lines starting
// with "#" ("#separator:tab", "#html:true", "#tags column:3", ...), then one
// note per line, its fields separated (tab unless the header says
// otherwise) and quoted as in CSV. The first two fields that are not the
// note's id, type, deck or tags are question and answer; in HTML notes the
// tags are removed and the entities decoded.
#pragma once

#include <QString>

#include "formats/importedtable.h"

class TNotesFile {
public:
    [[nodiscard]] static TImportedTable Read(const QString& FileName);
    [[nodiscard]] static TImportedTable Parse(const QString& Text, const QString& FileName);

    // Text of an HTML field: tags removed (a line break becomes a space),
    // character entities decoded.
    [[nodiscard]] static QString PlainText(const QString& Html);
};
