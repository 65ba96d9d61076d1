// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resultspanel.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLinearGradient>
#include <QListWidget>
#include <QValueAxis>

#include "app/frmmain.h"
#include "app/uistyle.h"
#include "app/wintext.h"

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
    Chart->setTitle(QStringLiteral("Voortgang"));
    Chart->setTitleBrush(Qt::white);
    Chart->setTitleFont(ArialPixels(11, true));
    Chart->legend()->hide();
    Chart->setBackgroundRoundness(0);
    Chart->setMargins(QMargins(2, 0, 4, 2));
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
    Grades->setLabelsFont(ArialPixels(9));
    Grades->setGridLineColor(QColor(192, 192, 192));
    Grades->setLinePenColor(QColor(192, 192, 192));
    Chart->addAxis(Grades, Qt::AlignLeft);
    Series->attachAxis(Grades);
    return Chart;
}

} // namespace

TResultsPanel::TResultsPanel(TfrmMain& Main) : QFrame(Main.centralWidget()), Main(Main)
{
    setObjectName(QStringLiteral("pnlKlaar"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    resize(529, 155);

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
    Main.QuestionList.MakeReport(Lines);
    lbxReport->clear();
    for (const std::string& Line : Lines) {
        auto* Item = new QListWidgetItem(WinToQt(Line), lbxReport);
        Item->setSizeHint(QSize(0, 14));
    }
}

void TResultsPanel::AddRound(double Score) { Bars->append(Score); }

void TResultsPanel::ClearChart()
{
    if (Bars->count() > 0)
        Bars->remove(0, Bars->count());
}

int TResultsPanel::BarCount() const { return Bars->count(); }

double TResultsPanel::BarHeight(int Index) const { return Bars->at(Index); }
