// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file beside the program: the quiz options of the last run, the
// main window's bounds and state, the view toggles and the last table folder.
#pragma once

#include <QRect>
#include <QString>
#include <memory>

#include "files/inifile.h"

class TfrmMain;

class TWindowSettings {
public:
    explicit TWindowSettings(TfrmMain& Main);

    // The program file's path with the extension ".ini".
    [[nodiscard]] static QString DefaultFileName();
    // Uses another settings file (tests, or a program started elsewhere).
    void SetFileName(const QString& FileName);
    [[nodiscard]] QString FileName() const;

    // Reads the options, the window's bounds and state and the view toggles
    // and applies them; missing or unreadable values give the defaults.
    void LoadSettings();
    // Writes them back. The first write that fails ends this silently: a
    // settings file that cannot be written never keeps the program open.
    void SaveSettings();

    // The folder of the last table file chosen (Paths/Dir).
    [[nodiscard]] QString ReadDir(const QString& Default) const;
    // Keeps Folder as that folder; a failure is ignored.
    void WriteDir(const QString& Folder);

    // Window bounds that lie (nearly) off every screen become the default
    // bounds, and bounds larger than the screen are cut to it.
    [[nodiscard]] static QRect VisibleBounds(const QRect& Bounds);

    std::unique_ptr<TIniFile> Settings;

private:
    void LoadOptions();
    void LoadBounds();
    void LoadView();
    void SaveAll();

    TfrmMain& Main;
};
