// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the main window with a large table named on the command line,
// and without one for scale: from creating the window to a shown, idle window
// with the table loaded; and the same as a whole new process, from exec to
// that window, Qt's own start included.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

#include "app/frmmain.h"

namespace {

QString WriteLargeTable(const QTemporaryDir& Dir, int Entries)
{
    const QString Path = Dir.filePath(QStringLiteral("groot.MT4"));
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly))
        return {};
    QByteArray Text;
    Text.reserve(Entries * 40);
    Text += "[FONT:Arial,10,0] = [FONT:Times New Roman,10,0]\r\n";
    for (int Entry = 1; Entry <= Entries; ++Entry)
        Text += "vraag nummer " + QByteArray::number(Entry) + " = antwoord nummer " + QByteArray::number(Entry) +
                "\r\n";
    File.write(Text);
    return Path;
}

void StartUpWithTable(benchmark::State& State)
{
    QTemporaryDir Dir;
    const int Entries = static_cast<int>(State.range(0));
    const QString Table = Entries > 0 ? WriteLargeTable(Dir, Entries) : QString();
    for (auto _ : State) {
        auto Window = std::make_unique<TfrmMain>();
        if (Entries > 0)
            Window->SetCommandLine({Table});
        Window->show();
        while (Window->FirstActivation)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents();
        if (Window->State != (Entries > 0 ? msIdle : msNoTable) || Window->QuestionList.Count() != Entries) {
            State.SkipWithError("the table was not loaded");
            break;
        }
        State.PauseTiming();
        Window.reset();
        State.ResumeTiming();
    }
    State.counters["entries"] = Entries;
}

// The child of ProcessStartUp: a program start as the user sees it, ending as
// soon as the window is shown and idle with its table.
int ShowWindowAndQuit(int argc, char* argv[], const char* Table)
{
    QApplication Application(argc, argv);
    TfrmMain Window;
    if (*Table != '\0')
        Window.SetCommandLine({QString::fromLocal8Bit(Table)});
    Window.show();
    while (Window.FirstActivation)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    return Window.QuestionList.Count() > 0 || *Table == '\0' ? 0 : 1;
}

void ProcessStartUp(benchmark::State& State)
{
    QTemporaryDir Dir;
    const int Entries = static_cast<int>(State.range(0));
    const QByteArray Table = Entries > 0 ? QFile::encodeName(WriteLargeTable(Dir, Entries)) : QByteArray();
    for (auto _ : State) {
        const pid_t Child = ::fork();
        if (Child == 0) {
            ::execl("/proc/self/exe", "bench_startup", "--show-window-and-quit", Table.constData(), nullptr);
            ::_exit(127);
        }
        int Status = 0;
        if (Child < 0 || ::waitpid(Child, &Status, 0) != Child || !WIFEXITED(Status) || WEXITSTATUS(Status) != 0) {
            State.SkipWithError("the program did not start with its table");
            break;
        }
    }
    State.counters["entries"] = Entries;
}

} // namespace

// A whole program start, without a table and with a million entries.
BENCHMARK(ProcessStartUp)->Arg(0)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// No table at all (0) for scale.
BENCHMARK(StartUpWithTable)->Arg(0)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--show-window-and-quit") == 0)
        return ShowWindowAndQuit(1, argv, argv[2]);
    QApplication Application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
