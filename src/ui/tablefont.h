// SPDX-License-Identifier: GPL-3.0-or-later
// Crossing between the table's column fonts and Qt fonts.
#pragma once

#include <QFont>

#include "table/questionlist.h"

// The Qt font that shows a column: name, size and style of Font.
[[nodiscard]] QFont ToQFont(const TTableFont& Font);

// The column font for a font chosen in the font dialog. Name, size and style
// come from Chosen; the character set is the one of WritingSystem (a
// QFontDatabase::WritingSystem value), or Previous's when the writing system
// is "Any" or has no Windows character set, or when it is "Latin" and
// Previous has a Latin set already (Central European, Turkish, Baltic).
// Previous also supplies the colour, which a Qt font does not carry, and the
// name when Chosen's family cannot be written in Windows-1252.
[[nodiscard]] TTableFont ToTableFont(const QFont& Chosen, int WritingSystem,
                                     const TTableFont& Previous);

// The Windows character-set number of a writing system; -1 when it has none.
[[nodiscard]] int CharsetOfWritingSystem(int WritingSystem);

// Hebrew and Arabic columns are shown right to left, the others left to right.
[[nodiscard]] Qt::LayoutDirection ColumnDirection(const TTableFont& Font);
// The horizontal alignment of a column's texts that goes with it.
[[nodiscard]] Qt::Alignment ColumnAlignment(const TTableFont& Font);

// Gives Widget the column's font and writing direction.
void ApplyColumnFont(QWidget* Widget, const TTableFont& Font);
