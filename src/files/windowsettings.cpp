// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/windowsettings.h"

#include "app/frmmain.h"

TWindowSettings::TWindowSettings(TfrmMain& Main) : Main(Main) {}

void TWindowSettings::LoadSettings() {}
void TWindowSettings::SaveSettings() {}
