// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizscreens/resultspanel.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QValueAxis>

#include "ui/uistyle.h"
#include "formats/wintext.h"
#include "table/questionlist.h"

QString VerdictText(double Score)
{
    if (Score >= 9)
        return QStringLiteral("PRIMA, dit wordt vast een goed cijfer");
    if (Score >= 8)
        return QStringLiteral("Goed resultaat!");
    if (Score >= 7)
        return QStringLiteral("Het resultaat is voldoende");
    if (Score >= 6)
        return QStringLiteral("Ik zou nog maar even doorgaan met oefenen");
    return QStringLiteral("De les zit er nog niet in (helaas...)");
}

namespace {

QChart* MakeProgressChart(QBarSeries* Series)
{
    auto* Chart = new QChart;
    Chart->legend()->hide();
    Chart->setBackgroundRoundness(0);
    Chart->setMargins(QMargins(8, 12, 6, 0)); // room for the title above the bars
    Chart->layout()->setContentsMargins(0, 0, 0, 0);
    QLinearGradient Shade(0, 0, 0, 1);
    Shade.setCoordinateMode(QGradient::ObjectBoundingMode);
    Shade.setColorAt(0, QColor(0, 0, 160));
    Shade.setColorAt(1, QColor(0, 128, 255));
    Chart->setBackgroundBrush(Shade);
    Chart->addSeries(Series);

    auto* Grades = new QValueAxis;
    Grades->setRange(0, 10);
    Grades->setTickCount(11);
    Grades->setLabelFormat(QStringLiteral("%d"));
    Grades->setLabelsBrush(Qt::white);
    Grades->setLabelsFont(ArialPixels(8));
    Grades->setTruncateLabels(false);
    Grades->setGridLineColor(QColor(192, 192, 192));
    Grades->setLinePenColor(QColor(192, 192, 192));
    Chart->addAxis(Grades, Qt::AlignLeft);
    Series->attachAxis(Grades);

    // The rounds run along an axis that is not drawn.
    auto* Rounds = new QBarCategoryAxis;
    Rounds->setVisible(false);
    Chart->addAxis(Rounds, Qt::AlignBottom);
    Series->attachAxis(Rounds);
    return Chart;
}

} // namespace

TResultsPanel::TResultsPanel(QWidget* Parent, TQuestionlist& Table) : QFrame(Parent), Table(Table)
{
    ShapePanel(this, QStringLiteral("pnlKlaar"), 529, 155);

    Series1 = new QBarSeries;
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setBarWidth(0.95);
    Bars = new QBarSet(QString());
    Bars->setColor(QColor(255, 0, 0));
    Bars->setBorderColor(Qt::transparent);
    Bars->setPen(Qt::NoPen);
    Series1->append(Bars);
    Series1->setLabelsVisible(false);

    chartVoortgang = new QChartView(MakeProgressChart(Series1), this);
    chartVoortgang->setObjectName(QStringLiteral("chartVoortgang"));
    chartVoortgang->setGeometry(8, 8, 233, 129);
    chartVoortgang->setRenderHint(QPainter::Antialiasing, false);
    chartVoortgang->setFrameShape(QFrame::NoFrame);
    chartVoortgang->setBackgroundBrush(QColor(0, 0, 160));
    // The chart's own title can only be centred; this one stands at the left.
    QLabel* Title = MakeLabel(chartVoortgang, QStringLiteral("lblVoortgang"), QStringLiteral("Voortgang"),
                              ArialPixels(11, true));
    SetTextColour(Title, Qt::white);
    Title->move(6, 2);

    lbxReport = new QListWidget(this);
    lbxReport->setObjectName(QStringLiteral("lbxReport"));
    lbxReport->setGeometry(248, 8, 253, 130);
    lbxReport->setFont(ArialPixels(11));
    lbxReport->setFocusPolicy(Qt::NoFocus);
    lbxReport->setUniformItemSizes(true);
}

void TResultsPanel::FillReport()
{
    std::vector<std::string> Lines;
    Table.MakeReport(Lines);
    lbxReport->clear();
    for (const std::string& Line : Lines) {
        auto* Item = new QListWidgetItem(WinToQt(Line), lbxReport);
        Item->setSizeHint(QSize(0, 14));
    }
}

void TResultsPanel::AddRound(double Score)
{
    Bars->append(Score);
    RoundAxis()->append(QString::number(Bars->count()));
}

void TResultsPanel::ClearChart()
{
    if (Bars->count() > 0)
        Bars->remove(0, Bars->count());
    RoundAxis()->clear();
}

QBarCategoryAxis* TResultsPanel::RoundAxis() const
{
    return qobject_cast<QBarCategoryAxis*>(chartVoortgang->chart()->axes(Qt::Horizontal).value(0));
}

int TResultsPanel::BarCount() const { return Bars->count(); }

double TResultsPanel::BarHeight(int Index) const { return Bars->at(Index); }
