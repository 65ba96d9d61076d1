// SPDX-License-Identifier: GPL-3.0-or-later
// The fill-in screen.
#pragma once

#include <QFrame>

class QToolButton;
class TfrmMain;
class TMemo;

class TFillInPanel : public QFrame {
    Q_OBJECT
public:
    // Lives in the main window's client area.
    explicit TFillInPanel(TfrmMain& Main);

    void ShowQuestion();              // lay out a new question (msFillInQuestion)
    void FillInAnswerKey(char& Key);  // msFillInQuestion
    void FillInNextKey(char& Key);    // msFillInAnswered

    TMemo* memInvoer;
    QToolButton* btnToonHint;
    QToolButton* btnToonAntwoord;

private:
    TfrmMain& Main;
};
