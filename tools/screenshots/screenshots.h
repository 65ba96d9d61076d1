// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the program for the documentation. A picture is one function
// that brings a freshly started main window into the state to be shown; it
// registers itself with a static TScreenshot in any .cpp of this folder:
//
//     static const TScreenshot Training("training.png", "Een trainingsvraag",
//                                       [](TfrmMain& Window) { ... });
//
// The program writes every registered picture into the folder named on its
// command line (docs/screenshots by default).
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

class TfrmMain;

struct TScreenshot {
    // Prepare gets the window on the example table; it returns the widget to
    // grab (the main window itself when it returns nullptr).
    using TPrepare = std::function<QWidget*(TfrmMain& Window)>;
    TScreenshot(const char* FileName, const char* Caption, TPrepare Prepare);
};

// The example table that the pictures use.
[[nodiscard]] QString ExampleTable();
// Sends one key to the main window as a user would type it.
void TypeKey(TfrmMain& Window, int Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier);
