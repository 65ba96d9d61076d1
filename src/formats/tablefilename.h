// SPDX-License-Identifier: GPL-3.0-or-later
// File names as the table's operations take them (bytes of the system's
// file name encoding), and back.
#pragma once

#include <QString>
#include <string>

[[nodiscard]] std::string TableFileName(const QString& Path);
[[nodiscard]] QString TableFilePath(const std::string& FileName);
