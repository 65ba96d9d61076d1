// SPDX-License-Identifier: GPL-3.0-or-later
// The spoken languages of a table's columns, kept with the memory of that
// table file, so that a learner chooses them once and finds them again in
// the next session.
#pragma once

#include "speech/languagekeeper.h"

class TQuizMemory;

class TTableLanguages : public TLanguageKeeper {
public:
    explicit TTableLanguages(TQuizMemory& Memory) : Memory(Memory) {}

    [[nodiscard]] QString Language(const QString& TableFile, int Column) const override;
    void SetLanguage(const QString& TableFile, int Column, const QString& Language) override;

private:
    TQuizMemory& Memory;
};
