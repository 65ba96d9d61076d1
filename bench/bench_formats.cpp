// SPDX-License-Identifier: GPL-3.0-or-later
// Reading every format of other trainers at 10 MB and 100 MB, in shapes
// that once made readers quadratic: a KVTML entry with very many
// translations, notes full of "&". Each file is read in a child process,
// so that its peak memory is its own.
//
// Counters: seconds, file_MB, table_MB (what the open table keeps: the
// entries, and for a KVTML file what a save over it needs), peak_MB
// (the most the read took above the process's start), and, at 100 MB,
// time_ratio (to the 10 MB read; at most 12 is linear) and memory_ratio
// (peak / (4 x file + table); at most 1).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "formats/tablefiles.h"

namespace {

constexpr qint64 MB = 1'000'000;

// Writes pieces until the file holds Size bytes: Head, then Piece(i) for
// i = 0, 1, ..., then Tail.
QString MakeFile(const QString& Path, qint64 Size, const QByteArray& Head, const std::function<QByteArray(int)>& Piece,
                 const QByteArray& Tail)
{
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly))
        std::abort();
    File.write(Head);
    QByteArray Block;
    for (int i = 0; File.size() + Block.size() + Tail.size() < Size; ++i) {
        Block += Piece(i);
        if (Block.size() > 1 << 20) {
            File.write(Block);
            Block.clear();
        }
    }
    File.write(Block);
    File.write(Tail);
    return Path;
}

struct TShape {
    const char* Name;
    const char* FileName;
    QByteArray Head;
    std::function<QByteArray(int)> Piece;
    QByteArray Tail;
};

const TShape& ShapeNamed(const std::string& Name)
{
    static const std::map<std::string, TShape> Shapes = [] {
        std::map<std::string, TShape> Result;
        const QByteArray KvtmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">\n<identifiers>"
                                     "<identifier id=\"0\"><locale>ru</locale></identifier>"
                                     "<identifier id=\"1\"><locale>nl</locale></identifier></identifiers>\n<entries>\n";
        Result["kvtml"] = {"kvtml", "woorden.kvtml", KvtmlHead,
                           [](int i) {
                               return "<entry id=\"" + QByteArray::number(i) + "\"><translation id=\"0\"><text>собака "
                                      + QByteArray::number(i) + "</text></translation><translation id=\"1\"><text>de hond "
                                      + QByteArray::number(i) + "</text><comment>dier</comment></translation></entry>\n";
                           },
                           "</entries>\n</kvtml>\n"};
        Result["kvtml_translations"] = {
            "kvtml_translations", "vertalingen.kvtml", KvtmlHead + "<entry id=\"0\">",
            [](int i) {
                return "<translation id=\"" + QByteArray::number(i + 2) + "\"><text>t" + QByteArray::number(i)
                       + "</text></translation>";
            },
            "<translation id=\"0\"><text>vraag</text></translation><translation id=\"1\"><text>antwoord</text>"
            "</translation></entry>\n</entries>\n</kvtml>\n"};
        Result["csv"] = {"csv", "woorden.csv", "\xEF\xBB\xBF",
                         [](int i) {
                             return "здравствуйте " + QByteArray::number(i) + ",\"goedendag, \"\"meneer\"\"\" "
                                    + QByteArray::number(i) + "\r\n";
                         },
                         ""};
        Result["tsv"] = {"tsv", "woorden.tsv", "",
                         [](int i) { return "σκύλος " + QByteArray::number(i) + "\tde hond " + QByteArray::number(i) + "\n"; },
                         ""};
        Result["notes_ampersands"] = {
            "notes_ampersands", "notities.txt", "#separator:tab\n#html:true\n",
            [](int i) {
                return "<b>vraag</b> &amp; & & & &nbsp;" + QByteArray::number(i) + "\tantwoord &#233; & &&& "
                       + QByteArray::number(i) + "\n";
            },
            ""};
        Result["utf8text"] = {"utf8text", "tabel.txt", "\xEF\xBB\xBF",
                              [](int i) { return "дерево " + QByteArray::number(i) + " = de boom " + QByteArray::number(i) + "\r\n"; },
                              ""};
        return Result;
    }();
    return Shapes.at(Name);
}

long ResidentKilobytes()
{
    long Pages = 0, Resident = 0;
    if (FILE* Statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(Statm, "%ld %ld", &Pages, &Resident) != 2)
            Resident = 0;
        std::fclose(Statm);
    }
    return Resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct TRead {
    double Seconds = 0;
    double PeakMB = 0;  // above the start
    double TableMB = 0; // kept after the read
    int Entries = 0;
};

// Reads File in a child process.
TRead ReadInChild(const QString& File)
{
    int Pipe[2];
    if (pipe(Pipe) != 0)
        std::abort();
    const pid_t Child = fork();
    if (Child == 0) {
        close(Pipe[0]);
        TRead Result;
        const long Start = ResidentKilobytes();
        const auto Begin = std::chrono::steady_clock::now();
        {
            TQuestionlist List;
            const auto KvtmlSource = TTableFiles::Load(List, File).Kvtml;
            Result.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Begin).count();
            malloc_trim(0); // what was freed is not the table's
            Result.TableMB = static_cast<double>(ResidentKilobytes() - Start) / 1000.0;
            Result.Entries = List.Count();
            rusage Usage{};
            getrusage(RUSAGE_SELF, &Usage);
            Result.PeakMB = static_cast<double>(Usage.ru_maxrss - Start) / 1000.0;
        }
        if (write(Pipe[1], &Result, sizeof Result) != sizeof Result)
            _exit(1);
        _exit(0);
    }
    close(Pipe[1]);
    TRead Result;
    const bool Got = read(Pipe[0], &Result, sizeof Result) == sizeof Result;
    close(Pipe[0]);
    int Status = 0;
    waitpid(Child, &Status, 0);
    if (!Got)
        Result.Seconds = -1;
    return Result;
}

std::map<std::string, double>& SmallTimes()
{
    static std::map<std::string, double> Times;
    return Times;
}

void Read(benchmark::State& State, const std::string& Shape, qint64 MegaBytes)
{
    const TShape& Kind = ShapeNamed(Shape);
    QTemporaryDir Folder(QStringLiteral("/tmp/memorant-bench-XXXXXX"));
    const QString File = MakeFile(Folder.filePath(QString::fromLatin1(Kind.FileName)), MegaBytes * MB, Kind.Head,
                                  Kind.Piece, Kind.Tail);
    const double FileMB = static_cast<double>(QFile(File).size()) / MB;
    // The fastest of three reads: the machine is shared.
    TRead Result;
    for (auto _ : State) {
        for (int Try = 0; Try < 3; ++Try) {
            const TRead Read = ReadInChild(File);
            if (Read.Seconds < 0 || Read.Entries == 0) {
                State.SkipWithError("the file was not read");
                return;
            }
            if (Try == 0 || Read.Seconds < Result.Seconds)
                Result = Read;
        }
        State.SetIterationTime(Result.Seconds);
    }
    State.counters["file_MB"] = FileMB;
    State.counters["entries"] = Result.Entries;
    State.counters["table_MB"] = Result.TableMB;
    State.counters["peak_MB"] = Result.PeakMB;
    State.counters["memory_ratio"] = Result.PeakMB / (4 * FileMB + std::max(0.0, Result.TableMB));
    if (MegaBytes == 10)
        SmallTimes()[Shape] = Result.Seconds;
    else if (SmallTimes().count(Shape))
        State.counters["time_ratio"] = Result.Seconds / SmallTimes()[Shape];
}

void Register()
{
    for (const char* Shape : {"kvtml", "kvtml_translations", "csv", "tsv", "notes_ampersands", "utf8text"})
        for (const qint64 Size : {10, 100})
            benchmark::RegisterBenchmark((std::string("BM_Read/") + Shape + "/" + std::to_string(Size) + "MB").c_str(),
                                         [Shape, Size](benchmark::State& State) { Read(State, Shape, Size); })
                ->Iterations(1)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    Register();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
