// SPDX-License-Identifier: GPL-3.0-or-later
// Tables as comma-, semicolon- or tab-separated values in UTF-8 (RFC 4180
// quoting), as spreadsheets write them: the first column is the question,
// the second the answer.
#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "formats/importedtable.h"

class TCsvFile {
public:
    // The fields of a record that are kept; those after them are read past.
    static constexpr qsizetype MaxFields = 1000;

    // The entries of Text's records. A record is a line's fields split at
    // Separator; a field in double quotes may hold separators, line breaks
    // and doubled quotes. Empty lines are no records. An unclosed quote
    // raises EListReadError with the line where the field began; FirstLine
    // is the number of Text's first line.
    // Each record is given to Adjust first, if there is one; with
    // SkipHeader, a first record that names the columns is no entry. The
    // first two fields are question and answer; records without either are
    // counted in the notices, as are further columns.
    [[nodiscard]] static TImportedTable EntriesOf(QStringView Text, QChar Separator, const QString& FileName,
                                                  qsizetype FirstLine, const std::function<void(QStringList&)>& Adjust,
                                                  bool SkipHeader);

    // A first record whose first two fields name the columns (a question
    // word and an answer word: "vraag;antwoord", "Frage<TAB>Antwort",
    // "front,back", "term,definition", in any case) is no entry.
    [[nodiscard]] static bool IsHeader(const QStringList& Fields);

    [[nodiscard]] static TImportedTable Read(const QString& FileName);
    // The entries of a CSV or TSV file's bytes. The separator is the most
    // frequent of tab, semicolon and comma outside quotes in the first
    // record (in that order on a tie); the first record is skipped when it
    // names the columns.
    [[nodiscard]] static TImportedTable Parse(const QByteArray& Bytes, const QString& FileName);

    // The entries as a CSV file: UTF-8 with a byte order mark, comma
    // separated, CR LF line ends, fields quoted where needed. The first
    // line names the columns: "Vraag,Antwoord".
    [[nodiscard]] static QByteArray Written(const TImportedEntries& Entries);
};
