// SPDX-License-Identifier: GPL-3.0-or-later
// "Voortgang": how the open table goes over days. One chart shows the grade
// of every round on its day, the other how many entries stand at each level
// of the chance to be recalled now.
#pragma once

#include <QDialog>

class QChartView;
class QLabel;
class TQuizMemory;

class TfrmVoortgang : public QDialog {
    Q_OBJECT
public:
    TfrmVoortgang(TQuizMemory& Memory, QWidget* Parent);

    QChartView* chartCijfers;
    QChartView* chartKennis;
    QLabel* lblSamenvatting;

    // The rounds drawn and the entries counted per level (new ones first).
    [[nodiscard]] int RoundCount() const;
    [[nodiscard]] QList<int> LevelCounts() const;

private:
    void FillGrades(TQuizMemory& Memory);
    void FillLevels(TQuizMemory& Memory);
};
