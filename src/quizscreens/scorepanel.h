// SPDX-License-Identifier: GPL-3.0-or-later
// The score panel above the question: "Cijfer:" and a meter of 40 coloured
// blocks over the grade scale 0 to 10, four blocks to a grade point.
#pragma once

#include <QFrame>
#include <vector>

class QLabel;

class TScorePanel : public QFrame {
    Q_OBJECT
public:
    explicit TScorePanel(QWidget* Parent);

    // Shows the first Blocks blocks of the meter and hides the others.
    void SetScoreMeter(int Blocks);
    // The number of blocks shown.
    [[nodiscard]] int ScoreMeterBlocks() const;

    QLabel* lblScore;
    QFrame* pnlScoreMeter;
    QLabel* lblScale[11]; // lbl0 .. lbl10

private:
    void CreateScoreMeter();

    std::vector<QWidget*> ScoreBlocks;
};
