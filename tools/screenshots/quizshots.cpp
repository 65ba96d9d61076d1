// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the multiple-choice and fill-in screens.
#include "screenshots.h"

#include <QAction>
#include <QTest>
#include <QToolButton>

#include "quizscreens/fillinpanel.h"
#include "app/frmmain.h"
#include "ui/memo.h"

namespace {

// A fill-in quiz in table order on the example table, with Typed typed as
// the answer to its first question (huis = house) and Enter pressed.
QWidget* FillIn(TfrmMain& Window, const QString& Typed, bool Tolerant = false)
{
    Window.mnuSequential->setChecked(true);
    Window.mnuTolerant->setChecked(Tolerant);
    TypeKey(Window, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(Window.pnlInvoer->memInvoer, Typed);
    QTest::keyClick(Window.pnlInvoer->memInvoer, Qt::Key_Return);
    return nullptr;
}

const TScreenshot ChoiceQuestion("meerkeuze-vraag.png", "Meerkeuze: de vraag met vier antwoorden",
                                 [](TfrmMain& Window) -> QWidget* {
                                     Window.mnuSequential->setChecked(true);
                                     TypeKey(Window, Qt::Key_M, Qt::ControlModifier);
                                     return nullptr;
                                 });

const TScreenshot ChoiceWrong("meerkeuze-fout.png",
                              "Meerkeuze: een verkeerde keuze (rood) en het juiste antwoord (lichtblauw)",
                              [](TfrmMain& Window) -> QWidget* {
                                  Window.mnuSequential->setChecked(true);
                                  TypeKey(Window, Qt::Key_M, Qt::ControlModifier);
                                  const bool FirstIsRight = Window.QuestionList.MCRightChoice == '1';
                                  TypeKey(Window, FirstIsRight ? Qt::Key_3 : Qt::Key_1);
                                  return nullptr;
                              });

const TScreenshot FillInRight("invullen-goed.png", "Invullen: een goed antwoord",
                              [](TfrmMain& Window) { return FillIn(Window, QStringLiteral("house")); });

const TScreenshot FillInMisspelled("invullen-gespeld.png",
                                   "Invullen: verkeerd gespeld, maar goedgekeurd (spelfouten toegestaan)",
                                   [](TfrmMain& Window) { return FillIn(Window, QStringLiteral("hous"), true); });

const TScreenshot FillInWrong("invullen-fout.png", "Invullen: een fout antwoord",
                              [](TfrmMain& Window) { return FillIn(Window, QStringLiteral("home")); });

const TScreenshot FillInShown("invullen-antwoord.png", "Invullen: 'Ik weet het niet' toont het antwoord",
                              [](TfrmMain& Window) { return FillIn(Window, QString()); });

const TScreenshot FillInHint("invullen-hint.png", "Invullen: de tweede hint",
                             [](TfrmMain& Window) -> QWidget* {
                                 Window.mnuSequential->setChecked(true);
                                 TypeKey(Window, Qt::Key_I, Qt::ControlModifier);
                                 Window.pnlInvoer->btnToonHint->click();
                                 Window.pnlInvoer->btnToonHint->click();
                                 return nullptr;
                             });

} // namespace
