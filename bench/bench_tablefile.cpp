// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a table of a million entries, with `wc -l` on the same
// file for scale, and the resident memory a loaded entry takes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
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

// Resident memory of this process in bytes.
double ResidentBytes()
{
    long Pages = 0;
    long Resident = 0;
    if (FILE* Statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(Statm, "%ld %ld", &Pages, &Resident) != 2)
            Resident = 0;
        std::fclose(Statm);
    }
    return static_cast<double>(Resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

// Throughput by the processor time this process spent (user and system), which
// a busy shared machine does not distort as much as the elapsed time.
void ReportCpuThroughput(benchmark::State& State, double Bytes, std::clock_t CpuTicks)
{
    double Seconds = static_cast<double>(CpuTicks) / CLOCKS_PER_SEC;
    State.counters["cpu_MB_per_s"] = Seconds > 0 ? Bytes * static_cast<double>(State.iterations()) / 1e6 / Seconds : 0;
}

void BM_ReadTable(benchmark::State& State)
{
    TBenchTable& Bench = Table();
    double Growth = 0;
    std::clock_t Cpu = 0;
    for (auto _ : State) {
        double Before = ResidentBytes();
        TQuestionlist List;
        std::clock_t Start = std::clock();
        List.LoadFromFile(Bench.Input);
        Cpu += std::clock() - Start;
        Growth += ResidentBytes() - Before;
        if (List.Count() != EntryCount)
            State.SkipWithError("not every entry was read");
        State.PauseTiming(); // releasing the table is not reading
        List.Clear();
        State.ResumeTiming();
    }
    State.SetBytesProcessed(static_cast<int64_t>(Bench.Size) * State.iterations());
    State.counters["bytes_per_entry"] = Growth / static_cast<double>(State.iterations()) / EntryCount;
    ReportCpuThroughput(State, Bench.Size, Cpu);
}
BENCHMARK(BM_ReadTable)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteTable(benchmark::State& State)
{
    TBenchTable& Bench = Table();
    TQuestionlist List;
    List.LoadFromFile(Bench.Input);
    std::clock_t Start = std::clock();
    for (auto _ : State)
        List.WriteToFile(Bench.Output, 0);
    ReportCpuThroughput(State, Bench.Size, std::clock() - Start);
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
