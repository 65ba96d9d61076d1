// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/frmprint.h"

#include "app/frmmain.h"

TfrmPrint::TfrmPrint(TfrmMain& Main) : QObject(&Main), Main(Main)
{
    setObjectName(QStringLiteral("frmPrint"));
}

void TfrmPrint::Print() {}
