// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests of the readers compare: a file's entries as
// "question=answer", and the message of a reading error.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "formats/importedtable.h"

[[nodiscard]] QStringList Texts(const TImportedEntries& Entries);

// The message of the EListReadError that Read raises; empty when it reads.
[[nodiscard]] QString ReadError(const std::function<void()>& Read);
