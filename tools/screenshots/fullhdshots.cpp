// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the window as large as a full-HD screen: the design drawn
// larger, and the editor's grid with as many rows as fit.
#include "screenshots.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include "app/frmmain.h"
#include "quizscreens/fillinpanel.h"
#include "ui/memo.h"

namespace {

// The window of a maximised full-HD screen (its frame aside).
void FullHd(TfrmMain& Window)
{
    Window.resize(1920, 1080);
    QApplication::processEvents();
}

const TScreenshot FullHdTitle("fullhd-titelscherm.png", "Het titelscherm op een scherm van 1920 x 1080",
                              [](TfrmMain& Window) -> QWidget* {
                                  FullHd(Window);
                                  return nullptr;
                              });

const TScreenshot FullHdFillIn("fullhd-invullen.png", "Een invulvraag op een scherm van 1920 x 1080",
                               [](TfrmMain& Window) -> QWidget* {
                                   FullHd(Window);
                                   Window.mnuSequential->setChecked(true);
                                   TypeKey(Window, Qt::Key_I, Qt::ControlModifier);
                                   QTest::keyClicks(Window.pnlInvoer->memInvoer, QStringLiteral("hous"));
                                   return nullptr;
                               });

const TScreenshot FullHdEditor("fullhd-bewerken.png", "De tabel bewerken op een scherm van 1920 x 1080",
                               [](TfrmMain& Window) -> QWidget* {
                                   FullHd(Window);
                                   TypeKey(Window, Qt::Key_E, Qt::ControlModifier);
                                   for (int Step = 0; Step < 3; ++Step)
                                       TypeKey(Window, Qt::Key_PageDown);
                                   return nullptr;
                               });

} // namespace
