// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/dlgslafoutenop.h"

#include "app/frmmain.h"

TDlgSlaFoutenOp::TDlgSlaFoutenOp(TfrmMain& Main) : QDialog(&Main), Main(Main)
{
    setObjectName(QStringLiteral("DlgSlaFoutenOp"));
}
