// SPDX-License-Identifier: GPL-3.0-or-later
// The memory across days: recording one verdict (median and 99th
// percentile), ordering a table by memory with a database that remembers
// every entry, the window's start-up with a database of a million facts and
// ten million reviews against none, and the database's bytes per fact and
// per review.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/frmmain.h"
#include "app/quizmemory.h"
#include "files/windowsettings.h"
#include "memory/factkey.h"
#include "memory/memorystore.h"

namespace {

using TClock = std::chrono::steady_clock;

double CpuSeconds()
{
    timespec Time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Time);
    return static_cast<double>(Time.tv_sec) + static_cast<double>(Time.tv_nsec) * 1e-9;
}

std::string Question(int Entry) { return "vraag nummer " + std::to_string(Entry); }
std::string Answer(int Entry) { return "antwoord nummer " + std::to_string(Entry); }

QString WriteTable(const QTemporaryDir& Dir, int Entries)
{
    const QString Path = Dir.filePath(QStringLiteral("groot.MT4"));
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly))
        return {};
    std::string Text;
    Text.reserve(static_cast<std::size_t>(Entries) * 40);
    for (int Entry = 1; Entry <= Entries; ++Entry)
        Text += Question(Entry) + " = " + Answer(Entry) + "\r\n";
    File.write(Text.data(), static_cast<qint64>(Text.size()));
    return Path;
}

void Exec(sqlite3* Db, const char* Sql) { sqlite3_exec(Db, Sql, nullptr, nullptr, nullptr); }

// Fills the database at FileName with a memory of entries 1..Facts of the
// table and Reviews reviews spread over them, as a year of use would leave.
void FillDatabase(const std::string& FileName, int Facts, std::int64_t Reviews)
{
    {
        TMemoryStore Store(FileName);
        Store.SetTableValue("/tabellen/groot.MT4", "toetsdatum", "2027-06-01");
    }
    sqlite3* Db = nullptr;
    sqlite3_open(FileName.c_str(), &Db);
    Exec(Db, "BEGIN");
    sqlite3_stmt* Fact = nullptr;
    sqlite3_prepare_v2(Db, "INSERT OR REPLACE INTO fact VALUES(?,?,?,?,?)", -1, &Fact, nullptr);
    std::mt19937 Random(7);
    std::uniform_real_distribution<double> Stability(0.5, 60);
    std::uniform_int_distribution<int> DaysAgo(0, 90);
    const std::int64_t Now = std::time(nullptr);
    std::vector<TFactKey> Keys;
    Keys.reserve(static_cast<std::size_t>(Facts));
    for (int Entry = 1; Entry <= Facts; ++Entry) {
        Keys.push_back(FactKey(Question(Entry), Answer(Entry), false));
        sqlite3_bind_int64(Fact, 1, Keys.back());
        sqlite3_bind_double(Fact, 2, 5.5);
        sqlite3_bind_double(Fact, 3, Stability(Random));
        sqlite3_bind_int64(Fact, 4, Now - DaysAgo(Random) * 86400);
        sqlite3_bind_int64(Fact, 5, 3);
        sqlite3_step(Fact);
        sqlite3_reset(Fact);
    }
    sqlite3_finalize(Fact);
    sqlite3_stmt* Review = nullptr;
    sqlite3_prepare_v2(Db, "INSERT INTO review VALUES(?,?,?,?,1,?)", -1, &Review, nullptr);
    std::uniform_int_distribution<int> Rating(1, 3);
    std::uniform_int_distribution<int> Think(800, 9000);
    for (std::int64_t At = 0; At < Reviews; ++At) {
        sqlite3_bind_int64(Review, 1, Now - 365 * 86400 + At * 3);
        sqlite3_bind_int64(Review, 2, Keys[static_cast<std::size_t>(At % Facts)]);
        sqlite3_bind_int(Review, 3, Rating(Random));
        sqlite3_bind_int(Review, 4, 1 + static_cast<int>(At % 3));
        sqlite3_bind_int(Review, 5, Think(Random));
        sqlite3_step(Review);
        sqlite3_reset(Review);
    }
    sqlite3_finalize(Review);
    Exec(Db, "COMMIT");
    Exec(Db, "PRAGMA wal_checkpoint(TRUNCATE)");
    sqlite3_close(Db);
}

std::int64_t FileBytes(const std::string& FileName)
{
    std::int64_t Bytes = QFileInfo(QString::fromStdString(FileName)).size();
    Bytes += QFileInfo(QString::fromStdString(FileName + "-wal")).size();
    return Bytes;
}

// Recording a verdict as the window does: one transaction that reads the
// fact, stores its new state and logs the review.
void RecordVerdict(benchmark::State& State)
{
    QTemporaryDir Dir;
    const std::string Name = Dir.filePath(QStringLiteral("geheugen.sqlite")).toStdString();
    FillDatabase(Name, 100'000, 1'000'000);
    TMemoryStore Store(Name);
    const TFsrs Model;
    std::vector<double> Milliseconds;
    std::mt19937 Random(11);
    std::uniform_int_distribution<int> Entry(1, 120'000); // some new, most known
    const double CpuBefore = CpuSeconds();
    for (auto _ : State) {
        const int Chosen = Entry(Random);
        TReviewRecord Review;
        Review.Time = std::time(nullptr);
        Review.Fact = FactKey(Question(Chosen), Answer(Chosen), false);
        Review.Rating = TRating::Good;
        Review.Mode = TQuizMode::FillIn;
        Review.TableFile = "/tabellen/groot.MT4";
        Review.AnswerMilliseconds = 2500;
        const auto Start = TClock::now();
        const auto New = Store.Record(Review, [&](const std::optional<TFactRecord>& Stored) {
            TFactRecord Fact;
            Fact.State = Stored ? Model.Next(Stored->State, 3, Review.Rating) : Model.First(Review.Rating);
            Fact.LastReview = Review.Time;
            Fact.Reviews = Stored ? Stored->Reviews + 1 : 1;
            return Fact;
        });
        Milliseconds.push_back(std::chrono::duration<double, std::milli>(TClock::now() - Start).count());
        if (!New) {
            State.SkipWithError("a verdict was not kept");
            break;
        }
    }
    const double Cpu = CpuSeconds() - CpuBefore;
    std::sort(Milliseconds.begin(), Milliseconds.end());
    State.counters["median_ms"] = Milliseconds[Milliseconds.size() / 2];
    State.counters["p99_ms"] = Milliseconds[Milliseconds.size() * 99 / 100];
    State.counters["cpu_ms_per_verdict"] = Cpu * 1000 / static_cast<double>(Milliseconds.size());
}

// A window on a table of Entries entries, its memory in Dir.
std::unique_ptr<TfrmMain> WindowOnTable(const QTemporaryDir& Dir, const QString& Table, bool MemoryOrder)
{
    qputenv("XDG_DATA_HOME", Dir.filePath(QStringLiteral("data")).toLocal8Bit());
    auto Window = std::make_unique<TfrmMain>();
    if (!Table.isEmpty())
        Window->SetCommandLine({Table});
    Window->show();
    while (Window->FirstActivation)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    Window->WindowSettings->SetFileName(Dir.filePath(QStringLiteral("memorant.ini")));
    Window->QuizMemory->mnuVolgensGeheugen->setChecked(MemoryOrder);
    Window->UpdateCommandStates();
    QCoreApplication::processEvents();
    return Window;
}

// Ordering a table by memory when a round starts: the facts of all entries
// read from the database, the chances computed and sorted. Before each
// round another program answers once, so that every round reads all facts
// anew; the first round also makes the entries' keys.
void OrderTable(benchmark::State& State)
{
    const int Entries = static_cast<int>(State.range(0));
    QTemporaryDir Dir;
    const QString Table = WriteTable(Dir, Entries);
    auto Window = WindowOnTable(Dir, Table, true);
    const std::string Name = QFile::encodeName(Window->QuizMemory->DatabaseFileName()).toStdString();
    Window->QuizMemory->Store().FactCount(); // the file is open before it is filled
    FillDatabase(Name, Entries, 0);
    TMemoryStore Other(Name);
    const auto Start = TClock::now();
    const double CpuBefore = CpuSeconds();
    Window->QuestionList.StartSession();
    State.counters["first_round_ms"] = std::chrono::duration<double, std::milli>(TClock::now() - Start).count();
    State.counters["first_round_cpu_ms"] = (CpuSeconds() - CpuBefore) * 1000;
    int Round = 0;
    for (auto _ : State) {
        State.PauseTiming();
        Other.SetTableValue("/elders/andere.MT4", "ronde", std::to_string(++Round));
        State.ResumeTiming();
        Window->QuestionList.StartSession();
        if (Window->QuestionList.MemoryOrder.size() != static_cast<std::size_t>(Entries)) {
            State.SkipWithError("the round was not ordered by memory");
            break;
        }
    }
    State.counters["entries"] = Entries;
}

// From creating the window to a shown, idle window with a small table, the
// memory order on and its counts shown: with a large database and with none.
void StartUp(benchmark::State& State)
{
    const bool Large = State.range(0) != 0;
    QTemporaryDir Dir;
    QTemporaryDir TableDir;
    const QString Table = WriteTable(TableDir, 20);
    if (Large) {
        auto Window = WindowOnTable(Dir, {}, false);
        FillDatabase(QFile::encodeName(Window->QuizMemory->DatabaseFileName()).toStdString(), 1'000'000, 10'000'000);
    }
    for (auto _ : State) {
        auto Window = WindowOnTable(Dir, Table, true);
        if (!Window->QuizMemory->lblGeheugen->isVisible()) {
            State.SkipWithError("the counts were not shown");
            break;
        }
        State.PauseTiming();
        Window.reset();
        if (!Large)
            QDir(Dir.filePath(QStringLiteral("data"))).removeRecursively(); // none again
        State.ResumeTiming();
    }
    State.counters["facts"] = Large ? 1'000'000 : 0;
}

// The database's size: a million facts, then ten million reviews.
void DatabaseSize(benchmark::State& State)
{
    for (auto _ : State) {
        QTemporaryDir Dir;
        const std::string Name = Dir.filePath(QStringLiteral("geheugen.sqlite")).toStdString();
        FillDatabase(Name, 1'000'000, 0);
        const std::int64_t WithFacts = FileBytes(Name);
        const std::string Both = Dir.filePath(QStringLiteral("beide.sqlite")).toStdString();
        FillDatabase(Both, 1'000'000, 10'000'000);
        const std::int64_t WithReviews = FileBytes(Both);
        State.counters["bytes_per_fact"] = static_cast<double>(WithFacts) / 1e6;
        State.counters["bytes_per_review"] = static_cast<double>(WithReviews - WithFacts) / 1e7;
    }
}

} // namespace

BENCHMARK(RecordVerdict)->Iterations(3000)->Unit(benchmark::kMicrosecond);
BENCHMARK(OrderTable)->Arg(100'000)->Arg(1'000'000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(StartUp)->Arg(0)->Arg(1)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(DatabaseSize)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char* argv[])
{
    QApplication Application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
