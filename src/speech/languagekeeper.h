// SPDX-License-Identifier: GPL-3.0-or-later
// Where the spoken language of each column of a table file is kept, so that
// the learner chooses it once per table.
#pragma once

#include <QString>

class TLanguageKeeper {
public:
    virtual ~TLanguageKeeper() = default;
    // Column 0 is the file's question column, 1 its answer column, whatever
    // the quiz's orientation. Empty when none was chosen.
    [[nodiscard]] virtual QString Language(const QString& TableFile, int Column) const = 0;
    // An empty Language forgets the choice.
    virtual void SetLanguage(const QString& TableFile, int Column, const QString& Language) = 0;
};
