// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the main window: title screen, training and results.
#include "screenshots.h"

#include <QAction>

#include "app/frmmain.h"

namespace {

const TScreenshot TitleScreen("titelscherm.png", "Het titelscherm met een geopende tabel",
                              [](TfrmMain&) -> QWidget* { return nullptr; });

const TScreenshot TrainingQuestion("training-vraag.png", "Training: de vraag",
                                   [](TfrmMain& Window) -> QWidget* {
                                       Window.mnuSequential->setChecked(true);
                                       TypeKey(Window, Qt::Key_T, Qt::ControlModifier);
                                       TypeKey(Window, Qt::Key_Space);
                                       TypeKey(Window, Qt::Key_G);
                                       return nullptr;
                                   });

const TScreenshot TrainingAnswer("training-antwoord.png", "Training: het antwoord is getoond",
                                 [](TfrmMain& Window) -> QWidget* {
                                     Window.mnuSequential->setChecked(true);
                                     TypeKey(Window, Qt::Key_T, Qt::ControlModifier);
                                     TypeKey(Window, Qt::Key_Space);
                                     return nullptr;
                                 });

const TScreenshot Results("resultaat.png", "Het einde van een ronde: cijfer, rapport en grafiek",
                          [](TfrmMain& Window) -> QWidget* {
                              Window.mnuSteekproef->setChecked(true);
                              Window.QuestionList.SetSampleSize(12);
                              // Three rounds, so that the chart shows progress.
                              const char* Rounds[] = {"FFGFGGFFGFGF", "GFGGFGGFGGGF", "GGGGGFGGGGGG"};
                              for (const char* Verdicts : Rounds) {
                                  TypeKey(Window, Qt::Key_T, Qt::ControlModifier);
                                  for (int Step = 0; Window.State != msFinished && Step < 1000; ++Step) {
                                      TypeKey(Window, Qt::Key_Space);
                                      const char Verdict = Verdicts[Step % 12];
                                      TypeKey(Window, Verdict == 'G' ? Qt::Key_G : Qt::Key_F);
                                  }
                              }
                              return nullptr;
                          });

} // namespace
