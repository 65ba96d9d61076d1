// SPDX-License-Identifier: GPL-3.0-or-later
// The language keeper of a program without a memory of its tables, and of
// the tests.
#pragma once

#include <map>
#include <utility>

#include "speech/languagekeeper.h"

// Keeps the choices for as long as the program runs.
class TMemoryLanguageKeeper : public TLanguageKeeper {
public:
    [[nodiscard]] QString Language(const QString& TableFile, int Column) const override
    {
        const auto Found = Choices.find({TableFile, Column});
        return Found == Choices.end() ? QString() : Found->second;
    }
    void SetLanguage(const QString& TableFile, int Column, const QString& Language) override
    {
        if (Language.isEmpty())
            Choices.erase({TableFile, Column});
        else
            Choices[{TableFile, Column}] = Language;
    }

private:
    std::map<std::pair<QString, int>, QString> Choices;
};
