// SPDX-License-Identifier: GPL-3.0-or-later
// The look shared by the windows of the trainer: Arial in pixel sizes, the
// named colours and small factories for the panels and labels of the design.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>
#include <Qt>

class QFrame;
class QLabel;
class QWidget;

[[nodiscard]] QFont ArialPixels(int Pixels, bool Bold = false);
// Window flags of the program's small fixed-size dialogs (title, no resizing).
inline constexpr Qt::WindowFlags FixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
// Names and titles a small dialog and gives it the dialogs' Arial 8 points.
void SetUpDialog(QWidget* Dialog, const QString& Name, const QString& Title);
// A short notice: a plain message box with the program's title, no icon and
// one OK button.
void ShowNotice(QWidget* Parent, const QString& Name, const QString& Text);
// The picture of the spelling-tolerance option: a word with a wavy red
// line under it.
[[nodiscard]] QIcon SpellingIcon();
// The look of the toolbar's buttons on the navy bar: raised when up, plainly
// sunk and darker when down (a ticked option, the running mode), and faded
// when disabled.
void StyleToolbarButtons(QWidget* Container);
[[nodiscard]] QColor NavyColour();
[[nodiscard]] QColor MaroonColour();
// The system colours of the design: the window (edit field) colour and the
// button-face colour.
[[nodiscard]] QColor WindowColour();
[[nodiscard]] QColor ButtonFaceColour();

void SetBackground(QWidget* Widget, const QColor& Colour);
// The text colour of an enabled control.
void SetTextColour(QWidget* Widget, const QColor& Colour);

// A panel with a raised inner and a lowered outer bevel.
void ShapePanel(QFrame* Panel, const QString& Name, int Width, int Height);
[[nodiscard]] QFrame* MakePanel(QWidget* Parent, const QString& Name, int Width, int Height);
[[nodiscard]] QLabel* MakeLabel(QWidget* Parent, const QString& Name, const QString& Text, const QFont& Font);
