// SPDX-License-Identifier: GPL-3.0-or-later
// The results of a finished round: the statistics report and the progress
// chart with one bar per completed round.
#pragma once

#include <QFrame>
#include <QString>

class QListWidget;
class TQuestionlist;

class QChartView;
class QBarCategoryAxis;
class QBarSeries;
class QBarSet;

// The one-line verdict on a grade.
[[nodiscard]] QString VerdictText(double Score);

class TResultsPanel : public QFrame {
    Q_OBJECT
public:
    // Lives on Parent, the main window's client area; reports on Table.
    TResultsPanel(QWidget* Parent, TQuestionlist& Table);

    // Refills lbxReport with the table's report (also when a quiz is broken off).
    void FillReport();
    // Adds the bar of the next completed round.
    void AddRound(double Score);
    // Removes every bar (the table was replaced).
    void ClearChart();
    [[nodiscard]] int BarCount() const;
    [[nodiscard]] double BarHeight(int Index) const;

    QListWidget* lbxReport;
    QChartView* chartVoortgang;
    QBarSeries* Series1;

private:
    [[nodiscard]] QBarCategoryAxis* RoundAxis() const;

    TQuestionlist& Table;
    QBarSet* Bars;
};
