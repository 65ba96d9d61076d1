// SPDX-License-Identifier: GPL-3.0-or-later
// The table editor on a table of a million entries: opening the editor,
// PgDn with a changed entry to store, a click on a grid row, showing the
// current entry, and PgDn while the debug list shows the whole table. Each
// step is timed together with the event processing that follows it (layout
// and painting of the window), and the median of the single steps is
// reported as the counter median_ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

#include "tableeditor/editpanel.h"
#include "app/frmmain.h"
#include "ui/memo.h"

namespace {

constexpr int TableSize = 1'000'000;

// The window under test; it lives in main(), inside the application.
TfrmMain* TheWindow = nullptr;

TfrmMain& Window() { return *TheWindow; }

std::unique_ptr<TfrmMain> MakeWindow()
{
    auto Created = std::make_unique<TfrmMain>();
    Created->show();
    (void)QTest::qWaitForWindowActive(Created.get());
    // The first activation starts with an empty table.
    (void)QTest::qWaitFor([&Created] { return !Created->FirstActivation; });
    for (int i = 0; i < TableSize; ++i)
        Created->QuestionList.Add("vraag " + std::to_string(i), "antwoord " + std::to_string(i));
    Created->State = msIdle;
    Created->UpdateCommandStates();
    return Created;
}

void Settle() { QApplication::processEvents(); }

// Runs Step once per iteration and reports the median time of one step.
template <typename TStep>
void Measure(benchmark::State& State, TStep Step)
{
    std::vector<double> Times;
    QElapsedTimer Clock;
    for (auto _ : State) {
        Clock.start();
        Step();
        Settle();
        Times.push_back(static_cast<double>(Clock.nsecsElapsed()) / 1e6);
    }
    std::nth_element(Times.begin(), Times.begin() + Times.size() / 2, Times.end());
    State.counters["median_ms"] = Times[Times.size() / 2];
}

void EnsureEditing(TfrmMain& Form)
{
    if (Form.State != msEdit)
        Form.pnlEdit->StartEditing();
    Settle();
}

void BM_OpenEditor(benchmark::State& State)
{
    TfrmMain& Form = Window();
    std::vector<double> Times;
    QElapsedTimer Clock;
    for (auto _ : State) {
        State.PauseTiming();
        if (Form.State == msEdit)
            Form.pnlEdit->StopEditing(msIdle);
        Settle();
        State.ResumeTiming();
        Clock.start();
        Form.pnlEdit->StartEditing();
        Settle();
        Times.push_back(static_cast<double>(Clock.nsecsElapsed()) / 1e6);
    }
    std::nth_element(Times.begin(), Times.begin() + Times.size() / 2, Times.end());
    State.counters["median_ms"] = Times[Times.size() / 2];
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond)->Iterations(15);

void BM_PageDownWithStore(benchmark::State& State)
{
    TfrmMain& Form = Window();
    EnsureEditing(Form);
    Form.QuestionList.SelectEntry(TableSize / 2);
    Form.pnlEdit->ShowCurrentEntry();
    Form.memVraag->setFocus();
    int Typed = 0;
    Measure(State, [&] {
        // A changed question, so that every step stores a text.
        Form.memVraag->SetText(QStringLiteral("gewijzigd %1").arg(++Typed));
        QKeyEvent Key(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(Form.memVraag, &Key);
    });
}
BENCHMARK(BM_PageDownWithStore)->Unit(benchmark::kMillisecond)->Iterations(500);

void BM_GridClick(benchmark::State& State)
{
    TfrmMain& Form = Window();
    EnsureEditing(Form);
    Form.QuestionList.SelectEntry(TableSize / 3);
    Form.pnlEdit->ShowCurrentEntry();
    QTableView* Grid = Form.pnlEdit->grdTabel;
    const int Top = Grid->rowAt(0);
    int Click = 0;
    Measure(State, [&] {
        const int Row = Top + 1 + (++Click % 5);
        const QRect Cell = Grid->visualRect(Grid->model()->index(Row, 1));
        QTest::mouseClick(Grid->viewport(), Qt::LeftButton, Qt::NoModifier, Cell.center());
    });
    State.counters["entries"] = Form.QuestionList.Count();
}
BENCHMARK(BM_GridClick)->Unit(benchmark::kMillisecond)->Iterations(500);

void BM_ShowCurrentEntry(benchmark::State& State)
{
    TfrmMain& Form = Window();
    EnsureEditing(Form);
    Form.memVraag->setFocus();
    int Step = 0;
    Measure(State, [&] {
        Form.QuestionList.SelectEntry((++Step * 7919) % TableSize);
        Form.pnlEdit->ShowCurrentEntry();
    });
}
BENCHMARK(BM_ShowCurrentEntry)->Unit(benchmark::kMillisecond)->Iterations(500);

void BM_AppendAtTheEnd(benchmark::State& State)
{
    TfrmMain& Form = Window();
    EnsureEditing(Form);
    Form.memVraag->setFocus();
    Form.pnlEdit->GoToLastEntry();
    int Typed = 0;
    Measure(State, [&] {
        // Fill the blank last entry and move on: the table grows by one row.
        Form.memVraag->SetText(QStringLiteral("nieuw %1").arg(++Typed));
        Form.memAntwoord->SetText(QStringLiteral("new %1").arg(Typed));
        Form.pnlEdit->GoToNext(false);
    });
}
BENCHMARK(BM_AppendAtTheEnd)->Unit(benchmark::kMillisecond)->Iterations(200);

void BM_PageDownWithTheDebugListShown(benchmark::State& State)
{
    TfrmMain& Form = Window();
    EnsureEditing(Form);
    Form.memVraag->setFocus();
    Form.QuestionList.SelectEntry(TableSize / 4);
    Form.pnlEdit->ShowCurrentEntry();
    const auto ToggleDebugList = [&Form] {
        QKeyEvent Key(QEvent::KeyPress, Qt::Key_F12, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        QApplication::sendEvent(Form.memVraag, &Key);
        Settle();
    };
    ToggleDebugList();
    // Every step refreshes the list, which has a line for every entry.
    Measure(State, [&] {
        QKeyEvent Key(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(Form.memVraag, &Key);
    });
    ToggleDebugList();
}
BENCHMARK(BM_PageDownWithTheDebugListShown)->Unit(benchmark::kMillisecond)->Iterations(100);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    const auto Form = MakeWindow();
    TheWindow = Form.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
