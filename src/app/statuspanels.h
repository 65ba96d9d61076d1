// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar of the main window: six panels with the table's counters
// ("totaal", "rest", "goed", "fout"), the time of the round and the file.
#pragma once

#include <QStatusBar>

class QLabel;
class TQuestionlist;

class TStatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit TStatusPanels(QWidget* Parent);

    // The counters of Table, and the name of FileName: the table's own file
    // or the other trainer's file it was read from.
    void ShowCounters(const TQuestionlist& Table, const QString& FileName);
    // The time since the round started, as "tijd: h:mm:ss".
    void ShowElapsed(qint64 Seconds);

    QLabel* Panels[6]; // totaal, rest, goed, fout, tijd, Bestand
};
