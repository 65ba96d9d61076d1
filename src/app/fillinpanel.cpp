// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fillinpanel.h"

#include <QToolButton>

#include "app/frmmain.h"
#include "app/memo.h"

TFillInPanel::TFillInPanel(TfrmMain& Main) : QFrame(Main.centralWidget()), Main(Main)
{
    setObjectName(QStringLiteral("pnlInvoer"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    resize(529, 146);
    btnToonHint = new QToolButton(this);
    btnToonHint->setObjectName(QStringLiteral("btnToonHint"));
    btnToonHint->setText(QStringLiteral("Geef &hints"));
    btnToonHint->setGeometry(292, 12, 101, 30);
    btnToonAntwoord = new QToolButton(this);
    btnToonAntwoord->setObjectName(QStringLiteral("btnToonAntwoord"));
    btnToonAntwoord->setText(QStringLiteral("&Ik weet het niet"));
    btnToonAntwoord->setGeometry(404, 12, 101, 30);
    memInvoer = new TMemo(this);
    memInvoer->setObjectName(QStringLiteral("memInvoer"));
    memInvoer->setGeometry(24, 64, 481, 49);
}

void TFillInPanel::ShowQuestion() {}
void TFillInPanel::FillInAnswerKey(char&) {}
void TFillInPanel::FillInNextKey(char&) {}
