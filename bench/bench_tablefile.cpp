// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a table of a million entries, the memory a loaded
// entry takes, and for scale, in the same run: `wc -l` on the same file
// beside reading, `dd conv=fsync` of the same bytes beside writing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

#include "table/questionlist.h"

namespace {

constexpr int EntryCount = 1'000'000;

// A scratch folder with the generated table, made once for all benchmarks.
class TBenchTable {
public:
    TBenchTable()
    {
        std::string Template = (std::filesystem::temp_directory_path() / "memorant-bench-XXXXXX").string();
        if (::mkdtemp(Template.data()) == nullptr)
            std::abort();
        Folder = Template;
        Input = (Folder / "miljoen.MT4").string();
        Output = (Folder / "kopie.MT4").string();
        std::ofstream File(Input, std::ios::binary);
        File << "[FONT:Arial,10,0] = [FONT:Arial,10,0]\r\n";
        char Line[64];
        // Texts of 11 to 14 characters, some with accented letters.
        for (int i = 0; i < EntryCount; ++i) {
            int Length = std::snprintf(Line, sizeof Line, "%s%07d = %s%07d\r\n", i % 7 == 0 ? "caf\xe9" : "woord",
                                       i, i % 5 == 0 ? "na\xefve" : "word", i);
            File.write(Line, Length);
        }
        File.close();
        Size = static_cast<double>(std::filesystem::file_size(Input));
    }
    ~TBenchTable()
    {
        std::error_code Ignored;
        std::filesystem::remove_all(Folder, Ignored);
    }

    std::filesystem::path Folder;
    std::string Input;
    std::string Output;
    double Size = 0;
};

TBenchTable& Table()
{
    static TBenchTable Instance;
    return Instance;
}

// The bytes the allocator has handed out and not yet taken back. Resident
// memory would hide what a table holds once the allocator keeps freed memory
// of an earlier run for the next.
double HeldBytes()
{
    const struct mallinfo2 Info = ::mallinfo2();
    return static_cast<double>(Info.uordblks + Info.hblkhd);
}

// Throughput by the processor time this process spent (user and system), which
// a busy shared machine does not distort as much as the elapsed time.
void ReportCpuThroughput(benchmark::State& State, double Bytes, std::clock_t CpuTicks)
{
    double Seconds = static_cast<double>(CpuTicks) / CLOCKS_PER_SEC;
    State.counters["cpu_MB_per_s"] = Seconds > 0 ? Bytes * static_cast<double>(State.iterations()) / 1e6 / Seconds : 0;
}

// The best of five runs of a shell command, in seconds.
double BestTimeOf(const std::string& Command)
{
    double Best = 1e9;
    for (int Run = 0; Run < 5; ++Run) {
        const auto Start = std::chrono::steady_clock::now();
        if (std::system(Command.c_str()) != 0)
            return 0;
        Best = std::min(Best, std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count());
    }
    return Best;
}

// The best time of one iteration beside the best time of a system command
// that does the same work, as the counter Name.
class TRatioTo {
public:
    explicit TRatioTo(const std::string& Command) : Reference(BestTimeOf(Command)) {}

    void Start() { Began = std::chrono::steady_clock::now(); }
    void Stop() { Best = std::min(Best, std::chrono::duration<double>(std::chrono::steady_clock::now() - Began).count()); }
    void Report(benchmark::State& State, const char* Name) const
    {
        State.counters[Name] = Reference > 0 ? Best / Reference : 0;
        State.counters[std::string(Name) + "_ms"] = Reference * 1e3;
    }

private:
    double Reference = 0;
    double Best = 1e9;
    std::chrono::steady_clock::time_point Began;
};

void BM_ReadTable(benchmark::State& State)
{
    TBenchTable& Bench = Table();
    TRatioTo Wc("wc -l '" + Bench.Input + "' > /dev/null");
    double Growth = 0;
    std::clock_t Cpu = 0;
    for (auto _ : State) {
        double Before = HeldBytes();
        TQuestionlist List;
        std::clock_t Start = std::clock();
        Wc.Start();
        List.LoadFromFile(Bench.Input);
        Wc.Stop();
        Cpu += std::clock() - Start;
        Growth += HeldBytes() - Before;
        if (List.Count() != EntryCount)
            State.SkipWithError("not every entry was read");
        State.PauseTiming(); // releasing the table is not reading
        List.Clear();
        State.ResumeTiming();
    }
    State.SetBytesProcessed(static_cast<int64_t>(Bench.Size) * State.iterations());
    State.counters["bytes_per_entry"] = Growth / static_cast<double>(State.iterations()) / EntryCount;
    ReportCpuThroughput(State, Bench.Size, Cpu);
    Wc.Report(State, "x_wc");
}
BENCHMARK(BM_ReadTable)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteTable(benchmark::State& State)
{
    TBenchTable& Bench = Table();
    TQuestionlist List;
    List.LoadFromFile(Bench.Input);
    TRatioTo Dd("dd if='" + Bench.Input + "' of='" + Bench.Output + "' bs=1M conv=fsync status=none");
    std::clock_t Start = std::clock();
    for (auto _ : State) {
        Dd.Start();
        List.WriteToFile(Bench.Output, 0);
        Dd.Stop();
    }
    ReportCpuThroughput(State, Bench.Size, std::clock() - Start);
    Dd.Report(State, "x_dd_fsync");
    State.SetBytesProcessed(static_cast<int64_t>(Bench.Size) * State.iterations());
    if (std::filesystem::file_size(Bench.Output) != static_cast<std::uintmax_t>(Bench.Size))
        State.SkipWithError("the copy differs in size");
}
BENCHMARK(BM_WriteTable)->Unit(benchmark::kMillisecond)->UseRealTime();

// For scale: the system's line counter on the same file.
void BM_WcLines(benchmark::State& State)
{
    TBenchTable& Bench = Table();
    const std::string Command = "wc -l '" + Bench.Input + "' > /dev/null";
    for (auto _ : State)
        if (std::system(Command.c_str()) != 0)
            State.SkipWithError("wc failed");
    State.SetBytesProcessed(static_cast<int64_t>(Bench.Size) * State.iterations());
}
BENCHMARK(BM_WcLines)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
