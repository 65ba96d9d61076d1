// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmvoortgang.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>

#include "app/quizmemory.h"

namespace {

QChartView* MakeChartView(QWidget* Parent, const char* Name, const QString& Title)
{
    auto* Chart = new QChart;
    Chart->setTitle(Title);
    Chart->legend()->hide();
    Chart->setMargins(QMargins(4, 4, 4, 4));
    auto* View = new QChartView(Chart, Parent);
    View->setObjectName(QString::fromLatin1(Name));
    View->setRenderHint(QPainter::Antialiasing);
    View->setMinimumSize(640, 220);
    return View;
}

} // namespace

TfrmVoortgang::TfrmVoortgang(TQuizMemory& Memory, QWidget* Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("frmVoortgang"));
    setWindowTitle(QStringLiteral("Voortgang"));
    auto* Layout = new QVBoxLayout(this);
    chartCijfers = MakeChartView(this, "chartCijfers", QStringLiteral("Cijfer per ronde"));
    chartKennis = MakeChartView(this, "chartKennis", QStringLiteral("Vragen naar de kans dat je ze nu nog weet"));
    lblSamenvatting = new QLabel(this);
    lblSamenvatting->setObjectName(QStringLiteral("lblSamenvatting"));
    Layout->addWidget(chartCijfers);
    Layout->addWidget(chartKennis);
    Layout->addWidget(lblSamenvatting);
    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    Buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Sluiten"));
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Layout->addWidget(Buttons);
    FillGrades(Memory);
    FillLevels(Memory);
}

void TfrmVoortgang::FillGrades(TQuizMemory& Memory)
{
    QChart* Chart = chartCijfers->chart();
    auto* Line = new QLineSeries;
    Line->setPointsVisible(true);
    const QString File = Memory.TableFile();
    const std::vector<TRoundRecord> Rounds =
        File.isEmpty() ? std::vector<TRoundRecord>() : Memory.Store().Rounds(QFile::encodeName(File).toStdString());
    for (const TRoundRecord& Round : Rounds)
        Line->append(static_cast<qreal>(Round.Time) * 1000, Round.Grade);
    auto* Days = new QDateTimeAxis;
    Days->setFormat(QStringLiteral("d-M"));
    const qint64 First = Rounds.empty() ? Memory.Calendar.Now() : Rounds.front().Time;
    const qint64 Last = Rounds.empty() ? First : Rounds.back().Time;
    Days->setRange(QDateTime::fromSecsSinceEpoch(First - 43200), QDateTime::fromSecsSinceEpoch(Last + 43200));
    Days->setTickCount(std::clamp(static_cast<int>((Last - First) / 86400) + 2, 2, 8));
    auto* Grades = new QValueAxis;
    Grades->setRange(0, 10);
    Grades->setTickCount(6); // more labels than this do not fit the chart's height
    Grades->setLabelFormat(QStringLiteral("%d"));
    Chart->addAxis(Days, Qt::AlignBottom);
    Chart->addAxis(Grades, Qt::AlignLeft);
    Chart->addSeries(Line);
    Line->attachAxis(Days);
    Line->attachAxis(Grades);
    if (Rounds.empty())
        Chart->setTitle(QStringLiteral("Cijfer per ronde: nog geen ronde afgemaakt"));
}

void TfrmVoortgang::FillLevels(TQuizMemory& Memory)
{
    const TMemorySummary Summary = Memory.Summary();
    auto* Counts = new QBarSet(QStringLiteral("vragen"));
    QStringList Levels = {QStringLiteral("nieuw")};
    *Counts << Summary.New;
    for (int Level = 0; Level < 10; ++Level) {
        *Counts << Summary.RecallLevels[static_cast<std::size_t>(Level)];
        Levels << QStringLiteral("%1%").arg(Level * 10);
    }
    auto* Series = new QBarSeries;
    Series->append(Counts);
    QChart* Chart = chartKennis->chart();
    Chart->addSeries(Series);
    auto* LevelAxis = new QBarCategoryAxis;
    LevelAxis->append(Levels);
    auto* CountAxis = new QValueAxis;
    int Highest = Summary.New;
    for (const int Count : Summary.RecallLevels)
        Highest = std::max(Highest, Count);
    CountAxis->setRange(0, std::max(Highest, 1));
    CountAxis->setLabelFormat(QStringLiteral("%d"));
    Chart->addAxis(LevelAxis, Qt::AlignBottom);
    Chart->addAxis(CountAxis, Qt::AlignLeft);
    Series->attachAxis(LevelAxis);
    Series->attachAxis(CountAxis);
    lblSamenvatting->setText(QStringLiteral("%1 vragen, %2 geoefend, %3 nieuw, %4 te herhalen")
                                 .arg(Summary.Entries)
                                 .arg(Summary.Known)
                                 .arg(Summary.New)
                                 .arg(Summary.Due));
}

int TfrmVoortgang::RoundCount() const
{
    const auto Series = chartCijfers->chart()->series();
    return Series.isEmpty() ? 0 : static_cast<QLineSeries*>(Series.front())->count();
}

QList<int> TfrmVoortgang::LevelCounts() const
{
    QList<int> Counts;
    const auto Series = chartKennis->chart()->series();
    if (Series.isEmpty())
        return Counts;
    const QBarSet* Set = static_cast<QBarSeries*>(Series.front())->barSets().front();
    for (int At = 0; At < Set->count(); ++At)
        Counts << static_cast<int>(Set->at(At));
    return Counts;
}
