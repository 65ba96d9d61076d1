// SPDX-License-Identifier: GPL-3.0-or-later
// Opening 100,000 Russian-Dutch entries as a KVTML word list and as a UTF-8
// CSV file, beside the same entries as a table file (.MT4, Windows-1251 with
// a Cyrillic font line).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>
#include <vector>

#include "formats/wintext.h"
#include "formats/csvfile.h"
#include "formats/kvtmlfile.h"
#include "formats/tablefiles.h"

namespace {

constexpr int EntryCount = 100'000;

class TBenchFiles {
public:
    TBenchFiles()
    {
        TImportedEntries Entries;
        const QString Words[] = {QStringLiteral("собака"), QStringLiteral("кошка"), QStringLiteral("дерево"),
                                 QStringLiteral("здравствуйте")};
        const QString Dutch[] = {QStringLiteral("de hond"), QStringLiteral("de kat"), QStringLiteral("de boom"),
                                 QStringLiteral("goedendag, \"meneer\"")};
        for (int i = 0; i < EntryCount; ++i)
            Entries.push_back({Words[i % 4] + QString::number(i), Dutch[i % 4] + QString::number(i)});
        Kvtml = Write(QStringLiteral("woorden.kvtml"), TKvtmlFile::Written(Entries, QStringLiteral("woorden")));
        Csv = Write(QStringLiteral("woorden.csv"), TCsvFile::Written(Entries));
        QByteArray Table = "[FONT:Arial,10,204] = [FONT:Arial,10,0]\r\n";
        for (const TImportedEntry& Entry : Entries)
            Table += QByteArray::fromStdString(*QtToWin(Entry.Question, 1251)) + " = "
                     + QByteArray::fromStdString(*QtToWin(Entry.Answer, 1252)) + "\r\n";
        Mt4 = Write(QStringLiteral("woorden.MT4"), Table);
    }

    QTemporaryDir Folder;
    QString Kvtml, Csv, Mt4;

private:
    QString Write(const QString& Name, const QByteArray& Bytes)
    {
        const QString Path = Folder.filePath(Name);
        QFile File(Path);
        if (!File.open(QIODevice::WriteOnly) || File.write(Bytes) != Bytes.size())
            std::abort();
        return Path;
    }
};

TBenchFiles& Files()
{
    static TBenchFiles Instance;
    return Instance;
}

void Open(benchmark::State& State, const QString& File)
{
    const double Size = static_cast<double>(QFile(File).size());
    std::clock_t Cpu = 0;
    for (auto _ : State) {
        TQuestionlist List;
        const std::clock_t Start = std::clock();
        (void)TTableFiles::Load(List, File);
        Cpu += std::clock() - Start;
        if (List.Count() != EntryCount || List.QuestionFont.Charset != 204)
            State.SkipWithError("the entries were not read as written");
    }
    State.SetBytesProcessed(static_cast<int64_t>(Size) * State.iterations());
    const double Seconds = static_cast<double>(Cpu) / CLOCKS_PER_SEC;
    State.counters["cpu_MB_per_s"] = Seconds > 0 ? Size * static_cast<double>(State.iterations()) / 1e6 / Seconds : 0;
    State.counters["file_MB"] = Size / 1e6;
}

void BM_OpenKvtml(benchmark::State& State) { Open(State, Files().Kvtml); }
void BM_OpenCsv(benchmark::State& State) { Open(State, Files().Csv); }
void BM_OpenMt4(benchmark::State& State) { Open(State, Files().Mt4); }

BENCHMARK(BM_OpenKvtml)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenCsv)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenMt4)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
