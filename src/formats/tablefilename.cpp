// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/tablefilename.h"

#include <QByteArray>
#include <QFile>

std::string TableFileName(const QString& Path) { return QFile::encodeName(Path).toStdString(); }

QString TableFilePath(const std::string& FileName) { return QFile::decodeName(QByteArray::fromStdString(FileName)); }
