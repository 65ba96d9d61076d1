// SPDX-License-Identifier: GPL-3.0-or-later
// A table read from a Unicode file (another trainer's format, a UTF-8 text
// table), before its texts go into the question table's code pages.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "table/questionlist.h"

struct TImportedEntry {
    QString Question;
    QString Answer;
    // The file's text went on beyond what was read of it (a reader keeps no
    // more of a text than the table could ever hold).
    bool QuestionCut = false;
    bool AnswerCut = false;

    [[nodiscard]] bool operator==(const TImportedEntry& Other) const
    {
        return Question == Other.Question && Answer == Other.Answer;
    }
};

// A file's entries, in order. They grow a block at a time: a large file's
// entries are never copied to a vector twice their size on the way.
using TImportedEntries = std::deque<TImportedEntry>;

struct TKvtmlSource;

struct TImportedTable {
    TImportedEntries Entries;
    // Entries of the file that could not become a table entry (no question
    // or no answer); the notices tell why.
    int LeftOut = 0;
    // Things the format holds that the table leaves out, one Dutch sentence
    // each ("2 andere talen zijn weggelaten.").
    QStringList Notices;
    // The two sides of the file's last font line ("[FONT:Arial,10,204]"),
    // empty when it had none.
    std::string QuestionFontLine;
    std::string AnswerFontLine;
    // A KVTML file as it was read, for a save over it that keeps what the
    // table does not show.
    std::shared_ptr<TKvtmlSource> Kvtml;
    // The locale the file names for the question and the answer column
    // ("en", "nl"), where it names one.
    QStringList Languages;
};

// Text without its leading and trailing characters of code 32 or lower, as
// the table trims its texts.
[[nodiscard]] QString TableTrimmed(const QString& Text);

// The file's bytes as text: a UTF-8 byte order mark is dropped; UTF-16,
// NUL bytes and invalid UTF-8 raise EListReadError "Fout tijdens lezen ..."
// with the line where it went wrong.
[[nodiscard]] QString DecodeUtf8File(const QByteArray& Bytes, const QString& FileName);
// What DecodeUtf8File would decode, without a byte order mark: the bytes a
// reader that decodes a text at a time takes. Raises DecodeUtf8File's errors.
[[nodiscard]] QByteArrayView CheckedUtf8Body(const QByteArray& Bytes, const QString& FileName);
// Valid UTF-8 as text, a byte order mark at its start included (that of the
// file is not in CheckedUtf8Body), in no more room than it takes.
[[nodiscard]] QString Utf8Text(QByteArrayView Utf8);

// The file's bytes; raises the table's read errors ("Bestand %s bestaat
// niet", "Fout tijdens openen %s: ", "Fout tijdens inlezen %s: ").
[[nodiscard]] QByteArray ReadWholeFile(const QString& FileName);

// Raises EListReadError "Fout tijdens lezen <file>: regel <line>: <what>".
[[noreturn]] void ThrowReadError(const QString& FileName, qsizetype Line, const QString& What);

// The name of a file as the messages show it.
[[nodiscard]] QString ShownName(const QString& FileName);
