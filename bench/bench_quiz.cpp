// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz engine on large tables: the time NextQuestion takes to choose a
// question and build its four similar alternatives (median and 99th
// percentile of single calls), and the first question after an edit or after
// reading a table, which finds no phonetic codes made yet.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <time.h>
#include <unistd.h>

#include "table/questionlist.h"

namespace {

// Pseudo-words of two or three syllables, Dutch-like questions and
// English-like answers, so that the phonetic codes spread as in real tables.
class TWordMaker {
public:
    explicit TWordMaker(unsigned Seed) : Engine(Seed) {}

    std::string Dutch() { return Word({"b", "d", "f", "g", "h", "k", "l", "m", "n", "p", "r", "s", "t", "v", "w", "z",
                                       "st", "kr", "br", "sch", "tr", "gr", "sl", "sp"},
                                      {"a", "e", "i", "o", "u", "aa", "ee", "oo", "ie", "ij", "ui", "ou", "eu"},
                                      {"", "", "n", "r", "s", "t", "k", "l", "m", "nd", "rt", "ng", "st"}); }

    std::string English() { return Word({"b", "c", "d", "f", "g", "h", "j", "l", "m", "n", "p", "r", "s", "t", "w",
                                         "th", "sh", "ch", "bl", "cr", "st", "pl", "wh"},
                                        {"a", "e", "i", "o", "u", "ea", "oo", "ai", "ou", "y"},
                                        {"", "", "n", "r", "s", "t", "ck", "ll", "nd", "ght", "ss", "ng"}); }

private:
    std::string Word(const std::vector<const char*>& Onsets, const std::vector<const char*>& Vowels,
                     const std::vector<const char*>& Codas)
    {
        std::string Text;
        const int Syllables = 2 + static_cast<int>(Engine() % 2);
        for (int I = 0; I < Syllables; ++I) {
            Text += Onsets[Engine() % Onsets.size()];
            Text += Vowels[Engine() % Vowels.size()];
            Text += Codas[Engine() % Codas.size()];
        }
        return Text;
    }

    std::mt19937 Engine;
};

// One table per size, made once and kept for all benchmarks.
TQuestionlist& TableOf(int Entries)
{
    static std::map<int, std::unique_ptr<TQuestionlist>> Tables;
    std::unique_ptr<TQuestionlist>& Table = Tables[Entries];
    if (!Table) {
        Table = std::make_unique<TQuestionlist>();
        TWordMaker Maker(static_cast<unsigned>(Entries));
        for (int I = 0; I < Entries; ++I) {
            const std::string Question = Maker.Dutch();
            Table->Add(Question, Maker.English());
        }
        Table->IntelliMC = true;
    }
    return *Table;
}

// CPU time of this thread in seconds: on a busy machine the wall time of one
// call also holds the time other processes ran.
double ThreadSeconds()
{
    timespec Now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &Now);
    return static_cast<double>(Now.tv_sec) + static_cast<double>(Now.tv_nsec) * 1e-9;
}

double Percentile(std::vector<double> Values, double Fraction)
{
    std::sort(Values.begin(), Values.end());
    return Values[static_cast<std::size_t>(Fraction * static_cast<double>(Values.size() - 1))];
}

void StartRound(TQuestionlist& Table)
{
    Table.StartSession();
    Table.Random.Seed(2024);
}

// Every iteration is one NextQuestion; its answer is counted outside the timing.
void BM_NextQuestionIntelliMC(benchmark::State& State)
{
    TQuestionlist& Table = TableOf(static_cast<int>(State.range(0)));
    StartRound(Table);
    std::string Question;
    Table.NextQuestion(Question); // codes the table once
    Table.RegisterResult(arRight);
    std::vector<double> Millis;
    std::vector<double> CpuMillis;
    std::size_t Similar = 0;
    for (auto _ : State) {
        if (Table.Rest <= 0)
            StartRound(Table);
        const auto Start = std::chrono::steady_clock::now();
        const double CpuStart = ThreadSeconds();
        Table.NextQuestion(Question);
        CpuMillis.push_back((ThreadSeconds() - CpuStart) * 1000);
        const std::chrono::duration<double> Took = std::chrono::steady_clock::now() - Start;
        State.SetIterationTime(Took.count());
        Millis.push_back(Took.count() * 1000);
        Similar += Table.SimilarList.size();
        Table.RegisterResult(arRight);
    }
    State.counters["median_ms"] = Percentile(Millis, 0.5);
    State.counters["p99_ms"] = Percentile(Millis, 0.99);
    State.counters["max_ms"] = Percentile(Millis, 1.0);
    State.counters["cpu_median_ms"] = Percentile(CpuMillis, 0.5);
    State.counters["cpu_p99_ms"] = Percentile(CpuMillis, 0.99);
    State.counters["similar_avg"] = static_cast<double>(Similar) / static_cast<double>(Millis.size());
}
BENCHMARK(BM_NextQuestionIntelliMC)->Arg(100'000)->Arg(1'000'000)->Iterations(3000)->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The first question after a text was edited: the phonetic codes of the
// whole table are made again.
void BM_FirstQuestionAfterEdit(benchmark::State& State)
{
    TQuestionlist& Table = TableOf(static_cast<int>(State.range(0)));
    StartRound(Table);
    std::string Question;
    int Edit = 0;
    for (auto _ : State) {
        State.PauseTiming();
        const std::string Old = Table.Answer(Edit);
        Table.SetAnswer(Edit, Old + "x");
        Table.SetAnswer(Edit, Old);
        ++Edit;
        if (Table.Rest <= 0)
            StartRound(Table);
        State.ResumeTiming();
        Table.NextQuestion(Question);
        State.PauseTiming();
        Table.RegisterResult(arRight);
        State.ResumeTiming();
    }
}
BENCHMARK(BM_FirstQuestionAfterEdit)->Arg(100'000)->Arg(1'000'000)->Iterations(10)->Unit(benchmark::kMillisecond);

// The first question after a table was read from a file, which makes the
// phonetic codes it needs from a table that has none yet.
void BM_FirstQuestionAfterLoading(benchmark::State& State)
{
    const TQuestionlist& Source = TableOf(static_cast<int>(State.range(0)));
    std::string Template = (std::filesystem::temp_directory_path() / "memorant-bench-XXXXXX").string();
    if (::mkdtemp(Template.data()) == nullptr)
        std::abort();
    const std::filesystem::path Folder = Template;
    const std::string File = (Folder / "woorden.MT4").string();
    TQuestionlist Copy;
    for (int I = 0; I < Source.Count(); ++I)
        Copy.Add(Source.Question(I), Source.Answer(I));
    Copy.WriteToFile(File, 0);
    std::string Question;
    for (auto _ : State) {
        State.PauseTiming();
        TQuestionlist Table;
        Table.LoadFromFile(File);
        Table.IntelliMC = true;
        StartRound(Table);
        State.ResumeTiming();
        Table.NextQuestion(Question);
        State.PauseTiming();
        Table.Clear();
        State.ResumeTiming();
    }
    std::filesystem::remove_all(Folder);
}
BENCHMARK(BM_FirstQuestionAfterLoading)->Arg(1'000'000)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
