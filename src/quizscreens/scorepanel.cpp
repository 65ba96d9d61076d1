// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizscreens/scorepanel.h"

#include <QLabel>
#include <algorithm>

#include "ui/uistyle.h"

TScorePanel::TScorePanel(QWidget* Parent) : QFrame(Parent)
{
    ShapePanel(this, QStringLiteral("pnlScore"), 529, 40);
    lblScore = MakeLabel(this, QStringLiteral("lblScore"), QStringLiteral("Cijfer:"), ArialPixels(13, true));
    lblScore->move(72, 7);
    pnlScoreMeter = new QFrame(this);
    pnlScoreMeter->setObjectName(QStringLiteral("pnlScoreMeter"));
    pnlScoreMeter->setFrameShape(QFrame::Panel);
    pnlScoreMeter->setFrameShadow(QFrame::Sunken);
    pnlScoreMeter->setGeometry(112, 6, 324, 18);
    pnlScoreMeter->setAutoFillBackground(true);
    SetBackground(pnlScoreMeter, palette().color(QPalette::Dark));
    const int Lefts[11] = {108, 142, 174, 206, 238, 271, 302, 334, 366, 398, 426};
    for (int Grade = 0; Grade <= 10; ++Grade) {
        lblScale[Grade] = MakeLabel(this, QStringLiteral("lbl%1").arg(Grade), QString::number(Grade),
                                    ArialPixels(11, true));
        lblScale[Grade]->move(Lefts[Grade], 24);
    }
    CreateScoreMeter();
}

// Eight blocks of each colour, from maroon for the lowest grades to cyan for
// the highest.
void TScorePanel::CreateScoreMeter()
{
    const QColor Colours[5] = {QColor(128, 0, 0), QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0),
                               QColor(0, 255, 255)};
    for (int Block = 0; Block < 40; ++Block) {
        auto* Item = new QWidget(pnlScoreMeter);
        Item->setObjectName(QStringLiteral("ScoreBlock%1").arg(Block));
        Item->setGeometry(2 + 8 * Block, 3, 7, 10);
        Item->setAutoFillBackground(true);
        SetBackground(Item, Colours[Block / 8]);
        Item->hide();
        ScoreBlocks.push_back(Item);
    }
}

void TScorePanel::SetScoreMeter(int Blocks)
{
    for (int Block = 0; Block < static_cast<int>(ScoreBlocks.size()); ++Block)
        ScoreBlocks[Block]->setVisible(Block < Blocks);
}

int TScorePanel::ScoreMeterBlocks() const
{
    return static_cast<int>(std::count_if(ScoreBlocks.begin(), ScoreBlocks.end(),
                                          [](const QWidget* Block) { return !Block->isHidden(); }));
}
