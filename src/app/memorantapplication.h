// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: its title and icon, Qt's own texts in Dutch, the
// command line that belongs to the program alone, and the last net for every
// failure that reaches the event loop.
#pragma once

#include <QApplication>
#include <QStringList>

#include "ui/errordisplay.h"

// Where Qt's own translations are looked for: Qt's folder, then a folder
// "translations" beside the program.
[[nodiscard]] QStringList QtTranslationFolders();
// Loads Qt's own Dutch texts (buttons, file, font and input dialogs, the
// context menus of edit fields) from the first of Folders that has them.
// False when none has; Qt's English texts then stay.
bool LoadQtTranslations(QCoreApplication& Application, const QStringList& Folders);

class TMemorantApplication : public QApplication {
    Q_OBJECT
public:
    // Qt sees only the program's name: its own switches (-style, -reverse,
    // -platform ...) are never taken from the command line.
    TMemorantApplication(int& Argc, char** Argv);

    // The command line after the program's name, every argument as typed.
    [[nodiscard]] const QStringList& ProgramArguments() const { return Arguments; }

    // Delivers every event. Commands show their own failures where they
    // start; an exception that still gets this far is shown by the general
    // error display, as the last net.
    bool notify(QObject* Receiver, QEvent* Event) override;

private:
    QStringList Arguments;
};
