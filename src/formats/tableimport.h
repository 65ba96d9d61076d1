// SPDX-License-Identifier: GPL-3.0-or-later
// Puts a table read in Unicode into the question table: each column gets
// the single-byte code page that its texts need (its font's character set
// tells which), a character that no code page of the column can hold becomes
// "?", and a text longer than a table text may be is cut. Every text is made
// storable as the editor keeps typed text storable: an "=" (it separates
// question and answer in the file) is left out, and an entry whose question
// and answer both hold "[FONT:" (it would read back as a font line) gets
// "[FONT" in its question. Nothing of this happens silently: the report
// lists what was changed, and what is saved reads back as it is shown.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "formats/importedtable.h"

struct TTextChange {
    QString Before;
    QString After;
};

struct TImportReport {
    int ChangedTexts = 0;
    // Texts changed for each cause (a text may have more than one).
    int ReplacedTexts = 0; // characters became "?"
    int CutTexts = 0;      // longer than a table text
    int EqualsTexts = 0;   // an "=" left out
    int FontTagTexts = 0;  // "[FONT:" became "[FONT"
    int LeftOut = 0; // entries of the file that the table could not take
    std::vector<TTextChange> FirstChanges; // at most three
    QStringList Notices;                   // what the format held that the table left out
    // For each entry added to the table, in order: its index in the
    // imported table's entries.
    std::vector<std::size_t> AddedFrom;

    [[nodiscard]] bool IsEmpty() const { return ChangedTexts == 0 && Notices.isEmpty(); }
    // The table does not hold the texts as the file has them.
    [[nodiscard]] bool TextsChanged() const { return ChangedTexts > 0; }
};

class TTableImport {
public:
    // Appends the entries to List, taking them out of Table as it goes (a
    // large file's texts are not held twice). An empty table takes the font
    // line and the character sets that the texts need, preferring its own,
    // then the Western one; a table that has entries keeps its character
    // sets.
    static TImportReport AddTo(TQuestionlist& List, TImportedTable&& Table);

    // One Dutch message about the file; empty when there is nothing to say.
    [[nodiscard]] static QString Message(const QString& FileName, const TImportReport& Report);
};
