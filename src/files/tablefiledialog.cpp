// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/tablefiledialog.h"

#include <QFileInfo>
#include <algorithm>

TTableFileDialog::TTableFileDialog(QWidget* Parent) : QFileDialog(Parent) {}

void TTableFileDialog::accept()
{
    const QStringList Files = selectedFiles();
    const bool SomeMissing = std::any_of(Files.cbegin(), Files.cend(),
                                         [](const QString& File) { return !QFileInfo::exists(File); });
    if (acceptMode() == AcceptOpen && SomeMissing)
        QDialog::accept();
    else
        QFileDialog::accept();
}
