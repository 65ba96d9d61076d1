// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: the quiz options of the last run, the main window's
// bounds and state, the view toggles and the last table folder. It lies
// beside a portable copy of the program, and in the user's configuration
// folder for an installed one.
#pragma once

#include <QRect>
#include <QString>
#include <memory>
#include <optional>

#include "files/inifile.h"

class QWidget;

// What the settings file keeps of a run: the window applies these values
// at its first activation and collects them when it closes.
struct TSettingsValues {
    // The quiz options (the sample is never kept).
    bool Reverse = false;
    bool RepeatErrors = false;
    bool Tolerant = false;
    bool IntelliMC = false;
    bool Sequential = false;
    // The order of the memory across days; none while it was never used, so
    // that a settings file stays as it was.
    std::optional<bool> MemoryOrder;
    // "Automatisch uitspreken".
    bool AutoSpeak = false;
    // The window's bounds when it is neither maximised nor minimised, and
    // its state.
    QRect Bounds;
    Qt::WindowState WindowState = Qt::WindowNoState;
    // The name of the screen the window was on; empty when unknown.
    QString Screen;
    // The view toggles.
    bool Toolbar = true;
    bool Statusbar = true;
    bool HelpBalloons = true;
};

class TWindowSettings {
public:
    // On the settings file this run keeps, chosen once by ChooseFileName.
    TWindowSettings();

    // The program file's path with the extension ".ini".
    [[nodiscard]] static QString DefaultFileName();
    // "memorant.ini" in the folder "memorant" of ConfigHome.
    [[nodiscard]] static QString UserFileName(const QString& ConfigHome);
    // The user's configuration folder: $XDG_CONFIG_HOME, or ~/.config.
    [[nodiscard]] static QString UserConfigHome();
    // Where the program at ProgramFile keeps its settings: beside it when
    // that file exists and can be written, or when the program's folder can
    // be written (an unpacked, portable copy); otherwise, and always for a
    // copy installed with its data in ../share/memorant, in the user's
    // configuration folder.
    [[nodiscard]] static QString ChooseFileName(const QString& ProgramFile, const QString& ConfigHome);

    // Uses another settings file (tests, or a program started elsewhere).
    void SetFileName(const QString& FileName);
    [[nodiscard]] QString FileName() const;

    // Reads the options, the window's bounds (brought on screen) and state
    // and the view toggles; missing or unreadable values give the defaults.
    [[nodiscard]] TSettingsValues LoadSettings() const;
    // Writes them back, creating the configuration folder when needed. The
    // first write that fails ends this and tells the user once, in a message
    // of Owner, that the settings could not be kept: it never keeps the
    // program open.
    void SaveSettings(const TSettingsValues& Values, QWidget& Owner);

    // The folder the table dialogs open in at first: ProgramFolder for a
    // portable copy, else the user's documents folder (or home).
    [[nodiscard]] static QString DefaultTableFolder(const QString& ProgramFolder);
    // The folder of the last table file chosen (Paths/Dir).
    [[nodiscard]] QString ReadDir(const QString& Default) const;
    // Keeps Folder as that folder; a failure is ignored.
    void WriteDir(const QString& Folder);

    // Window bounds that lie (nearly) off every screen become the default
    // bounds, and bounds larger than the screen are cut to it.
    [[nodiscard]] static QRect VisibleBounds(const QRect& Bounds);
    // Bounds kept on the screen called ScreenName: moved onto it when the
    // screens were arranged anew, and onto the primary screen when it is
    // gone. An empty name leaves them as they are.
    [[nodiscard]] static QRect BoundsOnScreen(const QRect& Bounds, const QString& ScreenName);

    std::unique_ptr<TIniFile> Settings;

private:
    void SaveAll(const TSettingsValues& Values);
    void MakeFolder() const;
};
