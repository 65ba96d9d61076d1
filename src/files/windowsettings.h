// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file beside the program: options, window layout, view toggles.
#pragma once

class TfrmMain;

class TWindowSettings {
public:
    explicit TWindowSettings(TfrmMain& Main);

    void LoadSettings();
    void SaveSettings();

private:
    TfrmMain& Main;
};
