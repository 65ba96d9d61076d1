// SPDX-License-Identifier: GPL-3.0-or-later
// The debug list (Ctrl+Alt+Shift+F12): the state of the table and of the
// running quiz, shown over the whole window below its menu bar.
#pragma once

#include <QListView>

class TDebugListModel;
class TQuestionlist;

class TDebugList : public QListView {
    Q_OBJECT
public:
    // Over every other child of Window, the toolbar and status bar too.
    TDebugList(QWidget* Window, const TQuestionlist& Table);

    // Shows the list over Area, or hides it when it shows.
    void Toggle(const QRect& Area, int State);
    // Takes the table's state anew; the alternatives of the question, too,
    // in the states of a multiple-choice quiz.
    void Refresh(int State);

private:
    TDebugListModel* Lines;
};
