// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the program's user guide, shipped beside the program.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

// The help file the program asks for; it maps to the user guide.
inline constexpr const char* HelpFileName = "MT4WIN.HLP";

// The user guide that HelpFile names: a file beside the program, or the copy
// built into the program when that file is missing.
[[nodiscard]] QString HelpGuidePath(const QString& HelpFile);

class TfrmHelp : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHelp(QWidget* Parent = nullptr);

    // Shows the contents page of the guide.
    void ShowContents();

    QTextBrowser* Browser;
};

// Opens the help window at the contents page (one window per program).
void ShowHelpContents(QWidget* Parent);
