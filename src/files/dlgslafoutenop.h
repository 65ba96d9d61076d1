// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that saves the entries answered wrong at least N times.
#pragma once

#include <QDialog>

class TfrmMain;

class TDlgSlaFoutenOp : public QDialog {
    Q_OBJECT
public:
    explicit TDlgSlaFoutenOp(TfrmMain& Main);

private:
    TfrmMain& Main;
};
