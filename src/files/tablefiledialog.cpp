// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/tablefiledialog.h"

#include <QAbstractItemView>

TTableFileDialog::TTableFileDialog(QWidget* Parent) : QFileDialog(Parent) {}

// Qt's mode for several files refuses, with a message of its own, every name
// that does not exist; its mode for any name allows one file in its views.
void TTableFileDialog::SetUpForOpening()
{
    setAcceptMode(AcceptOpen);
    setFileMode(AnyFile);
    for (const char* View : {"listView", "treeView"})
        if (auto* Files = findChild<QAbstractItemView*>(QString::fromLatin1(View)))
            Files->setSelectionMode(QAbstractItemView::ExtendedSelection);
}
