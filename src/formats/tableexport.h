// SPDX-License-Identifier: GPL-3.0-or-later
// The table written in Unicode formats: its entries in stored order, each
// column's bytes read in the code page of its font's character set.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "formats/importedtable.h"

// Every entry with both texts non-empty, as the table file writer takes them.
[[nodiscard]] TImportedEntries ExportedEntries(const TQuestionlist& List);

// The font line a table file starts with; empty when both fonts are the
// plain default (Arial, 9, character set 0).
[[nodiscard]] std::string FontLineOf(const TQuestionlist& List);

// Saves Bytes as the table's file, as the table's own save does:
// ListName := FileName first; nothing is written for a table without
// entries; a successful write clears Changed; a failure raises
// EListWriteError "Fout tijdens schrijven %s: " and leaves Changed. The old
// file is replaced only by a complete new one.
void SaveTableBytes(TQuestionlist& List, const QString& FileName, const QByteArray& Bytes);
