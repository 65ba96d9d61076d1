// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/memorystore.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <thread>

namespace {

constexpr int BusyMilliseconds = 3000;
constexpr int SchemaVersion = 1;
// From this many facts on, one pass over all stored facts beats looking
// each one up.
constexpr std::size_t ScanFrom = 20000;

const char* const Schema = R"(
CREATE TABLE IF NOT EXISTS fact(key INTEGER PRIMARY KEY, difficulty REAL NOT NULL,
  stability REAL NOT NULL, last INTEGER NOT NULL, reviews INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS review(time INTEGER NOT NULL, fact INTEGER NOT NULL,
  rating INTEGER NOT NULL, mode INTEGER NOT NULL, tablefile INTEGER NOT NULL,
  answer_ms INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS tablefile(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE);
CREATE TABLE IF NOT EXISTS tablevalue(tablefile INTEGER NOT NULL, key TEXT NOT NULL,
  value TEXT NOT NULL, PRIMARY KEY(tablefile, key)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS round(time INTEGER NOT NULL, tablefile INTEGER NOT NULL,
  grade REAL NOT NULL);
PRAGMA user_version = 1;
)";

bool IsCorruption(int Code)
{
    const int Primary = Code & 0xFF;
    return Primary == SQLITE_CORRUPT || Primary == SQLITE_NOTADB;
}

std::string ReasonOf(int Code)
{
    switch (Code & 0xFF) {
    case SQLITE_FULL:
        return "de schijf is vol";
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH:
        return "de map of het bestand mag niet worden beschreven";
    default:
        return "het bestand kan niet worden gelezen of geschreven";
    }
}

// A statement that is reset whenever it goes out of scope.
class TStep {
public:
    explicit TStep(sqlite3_stmt* Statement) : Statement(Statement) {}
    ~TStep()
    {
        sqlite3_reset(Statement);
        sqlite3_clear_bindings(Statement);
    }
    TStep(const TStep&) = delete;
    TStep& operator=(const TStep&) = delete;
    int Run() { return sqlite3_step(Statement); }

private:
    sqlite3_stmt* Statement;
};

std::optional<TFactRecord> FactOfRow(sqlite3_stmt* Row, int First)
{
    for (int Column = First; Column < First + 4; ++Column) {
        const int Type = sqlite3_column_type(Row, Column);
        if (Type != SQLITE_INTEGER && Type != SQLITE_FLOAT)
            return std::nullopt;
    }
    TFactRecord Fact;
    Fact.State.Difficulty = sqlite3_column_double(Row, First);
    Fact.State.Stability = sqlite3_column_double(Row, First + 1);
    Fact.LastReview = sqlite3_column_int64(Row, First + 2);
    const std::int64_t Reviews = sqlite3_column_int64(Row, First + 3);
    if (!IsValidState(Fact.State) || Reviews < 1 || Reviews > 1'000'000'000)
        return std::nullopt;
    Fact.Reviews = static_cast<int>(Reviews);
    return Fact;
}

} // namespace

TMemoryStore::TMemoryStore(std::string FileName, TTrouble OnTrouble)
    : Name(std::move(FileName)), OnTrouble(std::move(OnTrouble))
{
}

TMemoryStore::~TMemoryStore() { Close(); }

void TMemoryStore::Close()
{
    for (sqlite3_stmt** Statement : {&SelectFact, &UpsertFact, &InsertReview, &SelectTableFile, &InsertTableFile}) {
        sqlite3_finalize(*Statement);
        *Statement = nullptr;
    }
    if (Db)
        sqlite3_close_v2(Db);
    Db = nullptr;
}

void TMemoryStore::Tell(const std::string& Message)
{
    if (OnTrouble)
        OnTrouble(Message);
}

bool TMemoryStore::Open()
{
    if (Silenced)
        return false;
    if (Db)
        return true;
    if (Tried)
        return false;
    Tried = true;
    return OpenFile();
}

bool TMemoryStore::OpenFile()
{
    // A second program that makes or converts the same file at this moment
    // holds it briefly, sometimes without SQLite waiting for it: then the
    // opening is tried again for as long as a write would wait.
    const auto Until = std::chrono::steady_clock::now() + std::chrono::milliseconds(BusyMilliseconds);
    for (;;) {
        const int Mine = ++Generation;
        LastFailure = SQLITE_OK;
        if (OpenSteps())
            return true;
        if (Generation != Mine)
            return Db != nullptr; // the file was corrupt and a new one is open
        Close();
        const int Primary = LastFailure & 0xFF;
        if (Silenced || (Primary != SQLITE_BUSY && Primary != SQLITE_LOCKED) ||
            std::chrono::steady_clock::now() >= Until) {
            Tried = Silenced; // held by another program: tried again at the next use
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool TMemoryStore::OpenSteps()
{
    std::error_code Error;
    const std::filesystem::path Folder = std::filesystem::path(Name).parent_path();
    if (!Folder.empty())
        std::filesystem::create_directories(Folder, Error);
    const int Code = sqlite3_open_v2(Name.c_str(), &Db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (Code != SQLITE_OK)
        return Failed(Code);
    sqlite3_busy_timeout(Db, BusyMilliseconds);
    sqlite3_stmt* Version = nullptr;
    int Step = sqlite3_prepare_v2(Db, "PRAGMA user_version", -1, &Version, nullptr);
    int Found = 0;
    if (Step == SQLITE_OK) {
        Step = sqlite3_step(Version);
        if (Step == SQLITE_ROW)
            Found = sqlite3_column_int(Version, 0);
    }
    sqlite3_finalize(Version);
    if (Step != SQLITE_ROW)
        return Failed(Step);
    if (!Execute("PRAGMA journal_mode=WAL") || !Execute("PRAGMA synchronous=NORMAL"))
        return false;
    // Reading the facts of a large table goes through the file mapped in
    // memory rather than copied page by page.
    Execute("PRAGMA mmap_size=268435456");
    if (Found != SchemaVersion && !CreateSchema())
        return false;
    return Prepare();
}

bool TMemoryStore::CreateSchema()
{
    char* Message = nullptr;
    const int Code = sqlite3_exec(Db, Schema, nullptr, nullptr, &Message);
    sqlite3_free(Message);
    return Code == SQLITE_OK || Failed(Code);
}

bool TMemoryStore::Prepare()
{
    const struct {
        sqlite3_stmt** Statement;
        const char* Sql;
    } Statements[] = {
        {&SelectFact, "SELECT difficulty, stability, last, reviews FROM fact WHERE key = ?"},
        {&UpsertFact, "INSERT OR REPLACE INTO fact(key, difficulty, stability, last, reviews) VALUES(?,?,?,?,?)"},
        {&InsertReview, "INSERT INTO review(time, fact, rating, mode, tablefile, answer_ms) VALUES(?,?,?,?,?,?)"},
        {&SelectTableFile, "SELECT id FROM tablefile WHERE name = ?"},
        {&InsertTableFile, "INSERT INTO tablefile(name) VALUES(?)"},
    };
    for (const auto& [Statement, Sql] : Statements) {
        const int Code = sqlite3_prepare_v3(Db, Sql, -1, SQLITE_PREPARE_PERSISTENT, Statement, nullptr);
        if (Code != SQLITE_OK)
            return Failed(Code);
    }
    return true;
}

bool TMemoryStore::Execute(const char* Sql)
{
    const int Code = sqlite3_exec(Db, Sql, nullptr, nullptr, nullptr);
    return Code == SQLITE_OK || Failed(Code);
}

std::string TMemoryStore::AsideName(const std::string& FileName, TMoment Moment)
{
    const std::time_t Time = static_cast<std::time_t>(Moment);
    std::tm Local{};
    localtime_r(&Time, &Local);
    char Stamp[32];
    std::strftime(Stamp, sizeof Stamp, "%Y-%m-%d-%H%M%S", &Local);
    return FileName + ".beschadigd-" + Stamp;
}

bool TMemoryStore::Failed(int Code)
{
    LastFailure = Code;
    if ((Code & 0xFF) == SQLITE_BUSY || (Code & 0xFF) == SQLITE_LOCKED)
        return false; // another program kept it too long: this write is skipped
    if (IsCorruption(Code) && Db) {
        Close();
        std::string Aside = AsideName(Name, TLocalCalendar().Now());
        std::error_code Error;
        std::filesystem::rename(Name, Aside, Error);
        if (!Error) {
            for (const char* Part : {"-wal", "-shm"})
                std::filesystem::remove(Name + Part, Error);
            Tell("Het geheugenbestand was beschadigd. Het is bewaard als \"" +
                 std::filesystem::path(Aside).filename().string() + "\" en er is een nieuw begonnen.");
            if (OpenFile())
                return false;
        }
    }
    if (Silenced)
        return false;
    Silenced = true;
    Close();
    Tell("Het geheugen van de overhoringen kan niet worden bijgehouden: " + ReasonOf(Code) +
         ". De overhoring gaat door zonder geheugen.");
    return false;
}

std::optional<TFactRecord> TMemoryStore::ReadFact(TFactKey Key)
{
    TStep Step(SelectFact);
    sqlite3_bind_int64(SelectFact, 1, Key);
    const int Code = Step.Run();
    if (Code == SQLITE_ROW)
        return FactOfRow(SelectFact, 0);
    if (Code != SQLITE_DONE)
        Failed(Code);
    return std::nullopt;
}

void TMemoryStore::Facts(std::span<const TFactKey> Keys, std::vector<std::optional<TFactRecord>>& Out)
{
    Out.assign(Keys.size(), std::nullopt);
    if (Keys.empty() || !Open())
        return;
    if (Keys.size() < ScanFrom) {
        for (std::size_t At = 0; At < Keys.size() && Db; ++At)
            Out[At] = ReadFact(Keys[At]);
        return;
    }
    // The facts come in the order of their keys: the entries, sorted by
    // key, are met along one pass over them.
    std::vector<std::pair<TFactKey, std::size_t>> Wanted(Keys.size());
    for (std::size_t At = 0; At < Keys.size(); ++At)
        Wanted[At] = {Keys[At], At};
    std::sort(Wanted.begin(), Wanted.end());
    sqlite3_stmt* All = nullptr;
    int Code = sqlite3_prepare_v2(Db, "SELECT key, difficulty, stability, last, reviews FROM fact ORDER BY key", -1,
                                  &All, nullptr);
    std::size_t Next = 0;
    while (Code == SQLITE_OK || Code == SQLITE_ROW) {
        Code = sqlite3_step(All);
        if (Code != SQLITE_ROW)
            break;
        const TFactKey Key = sqlite3_column_int64(All, 0);
        while (Next < Wanted.size() && Wanted[Next].first < Key)
            ++Next;
        if (Next == Wanted.size())
            break;
        if (Wanted[Next].first != Key)
            continue;
        const std::optional<TFactRecord> Fact = FactOfRow(All, 1);
        for (; Next < Wanted.size() && Wanted[Next].first == Key; ++Next)
            Out[Wanted[Next].second] = Fact;
    }
    sqlite3_finalize(All);
    if (Code != SQLITE_DONE && Code != SQLITE_ROW)
        Failed(Code);
}

std::int64_t TMemoryStore::DataVersion()
{
    if (!Open())
        return -1;
    sqlite3_stmt* Version = nullptr;
    std::int64_t Found = -1;
    if (sqlite3_prepare_v2(Db, "PRAGMA data_version", -1, &Version, nullptr) == SQLITE_OK &&
        sqlite3_step(Version) == SQLITE_ROW)
        Found = sqlite3_column_int64(Version, 0) * 1000 + Generation;
    sqlite3_finalize(Version);
    return Found;
}

std::int64_t TMemoryStore::TableFileId(const std::string& TableFile, bool Make)
{
    {
        TStep Step(SelectTableFile);
        sqlite3_bind_text(SelectTableFile, 1, TableFile.data(), static_cast<int>(TableFile.size()), SQLITE_STATIC);
        const int Code = Step.Run();
        if (Code == SQLITE_ROW)
            return sqlite3_column_int64(SelectTableFile, 0);
        if (Code != SQLITE_DONE)
            return Failed(Code), 0;
    }
    if (!Make)
        return 0;
    TStep Step(InsertTableFile);
    sqlite3_bind_text(InsertTableFile, 1, TableFile.data(), static_cast<int>(TableFile.size()), SQLITE_STATIC);
    const int Code = Step.Run();
    if (Code != SQLITE_DONE)
        return Failed(Code), 0;
    return sqlite3_last_insert_rowid(Db);
}

std::optional<TFactRecord> TMemoryStore::Record(const TReviewRecord& Review, const TUpdate& Update)
{
    if (!Open())
        return std::nullopt;
    const int Opened = Generation;
    int Code = sqlite3_exec(Db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (Code != SQLITE_OK)
        return Failed(Code), std::nullopt;
    const auto Abandon = [this, Opened](int Failure) -> std::optional<TFactRecord> {
        if (Db && Generation == Opened) {
            sqlite3_exec(Db, "ROLLBACK", nullptr, nullptr, nullptr);
            Failed(Failure);
        }
        return std::nullopt;
    };
    const std::int64_t TableId = TableFileId(Review.TableFile, true);
    if (!Db || Generation != Opened || TableId == 0)
        return Abandon(SQLITE_ERROR);
    const std::optional<TFactRecord> Stored = ReadFact(Review.Fact);
    if (!Db || Generation != Opened)
        return std::nullopt;
    const TFactRecord New = Update(Stored);
    {
        TStep Step(UpsertFact);
        sqlite3_bind_int64(UpsertFact, 1, Review.Fact);
        sqlite3_bind_double(UpsertFact, 2, New.State.Difficulty);
        sqlite3_bind_double(UpsertFact, 3, New.State.Stability);
        sqlite3_bind_int64(UpsertFact, 4, New.LastReview);
        sqlite3_bind_int64(UpsertFact, 5, New.Reviews);
        if ((Code = Step.Run()) != SQLITE_DONE)
            return Abandon(Code);
    }
    {
        TStep Step(InsertReview);
        sqlite3_bind_int64(InsertReview, 1, Review.Time);
        sqlite3_bind_int64(InsertReview, 2, Review.Fact);
        sqlite3_bind_int(InsertReview, 3, static_cast<int>(Review.Rating));
        sqlite3_bind_int(InsertReview, 4, static_cast<int>(Review.Mode));
        sqlite3_bind_int64(InsertReview, 5, TableId);
        sqlite3_bind_int(InsertReview, 6, Review.AnswerMilliseconds);
        if ((Code = Step.Run()) != SQLITE_DONE)
            return Abandon(Code);
    }
    Code = sqlite3_exec(Db, "COMMIT", nullptr, nullptr, nullptr);
    if (Code != SQLITE_OK)
        return Abandon(Code);
    return New;
}

void TMemoryStore::RecordRound(const std::string& TableFile, TMoment Time, double Grade)
{
    if (!Open())
        return;
    const std::int64_t TableId = TableFileId(TableFile, true);
    sqlite3_stmt* Insert = nullptr;
    if (TableId == 0 || sqlite3_prepare_v2(Db, "INSERT INTO round(time, tablefile, grade) VALUES(?,?,?)", -1,
                                           &Insert, nullptr) != SQLITE_OK) {
        sqlite3_finalize(Insert);
        return;
    }
    sqlite3_bind_int64(Insert, 1, Time);
    sqlite3_bind_int64(Insert, 2, TableId);
    sqlite3_bind_double(Insert, 3, Grade);
    const int Code = sqlite3_step(Insert);
    sqlite3_finalize(Insert);
    if (Code != SQLITE_DONE)
        Failed(Code);
}

std::vector<TRoundRecord> TMemoryStore::Rounds(const std::string& TableFile)
{
    std::vector<TRoundRecord> Found;
    if (!Open())
        return Found;
    const std::int64_t TableId = TableFileId(TableFile, false);
    sqlite3_stmt* Select = nullptr;
    if (TableId == 0 || sqlite3_prepare_v2(Db, "SELECT time, grade FROM round WHERE tablefile = ? ORDER BY time",
                                           -1, &Select, nullptr) != SQLITE_OK) {
        sqlite3_finalize(Select);
        return Found;
    }
    sqlite3_bind_int64(Select, 1, TableId);
    while (sqlite3_step(Select) == SQLITE_ROW)
        Found.push_back({sqlite3_column_int64(Select, 0), sqlite3_column_double(Select, 1)});
    sqlite3_finalize(Select);
    return Found;
}

std::optional<std::string> TMemoryStore::TableValue(const std::string& TableFile, const std::string& Key)
{
    if (!Open())
        return std::nullopt;
    const std::int64_t TableId = TableFileId(TableFile, false);
    sqlite3_stmt* Select = nullptr;
    if (TableId == 0 || sqlite3_prepare_v2(Db, "SELECT value FROM tablevalue WHERE tablefile = ? AND key = ?", -1,
                                           &Select, nullptr) != SQLITE_OK) {
        sqlite3_finalize(Select);
        return std::nullopt;
    }
    sqlite3_bind_int64(Select, 1, TableId);
    sqlite3_bind_text(Select, 2, Key.data(), static_cast<int>(Key.size()), SQLITE_STATIC);
    std::optional<std::string> Value;
    if (sqlite3_step(Select) == SQLITE_ROW && sqlite3_column_type(Select, 0) == SQLITE_TEXT) {
        const auto* Text = reinterpret_cast<const char*>(sqlite3_column_text(Select, 0));
        Value = std::string(Text, static_cast<std::size_t>(sqlite3_column_bytes(Select, 0)));
    }
    sqlite3_finalize(Select);
    return Value;
}

void TMemoryStore::SetTableValue(const std::string& TableFile, const std::string& Key, const std::string& Value)
{
    if (!Open())
        return;
    const std::int64_t TableId = TableFileId(TableFile, !Value.empty());
    if (TableId == 0)
        return;
    sqlite3_stmt* Change = nullptr;
    const char* Sql = Value.empty() ? "DELETE FROM tablevalue WHERE tablefile = ? AND key = ?"
                                    : "INSERT OR REPLACE INTO tablevalue(tablefile, key, value) VALUES(?,?,?)";
    int Code = sqlite3_prepare_v2(Db, Sql, -1, &Change, nullptr);
    if (Code == SQLITE_OK) {
        sqlite3_bind_int64(Change, 1, TableId);
        sqlite3_bind_text(Change, 2, Key.data(), static_cast<int>(Key.size()), SQLITE_STATIC);
        if (!Value.empty())
            sqlite3_bind_text(Change, 3, Value.data(), static_cast<int>(Value.size()), SQLITE_STATIC);
        Code = sqlite3_step(Change);
    }
    sqlite3_finalize(Change);
    if (Code != SQLITE_DONE && Code != SQLITE_OK)
        Failed(Code);
}

void TMemoryStore::Forget(const std::string& TableFile, std::span<const TFactKey> Keys)
{
    if (!Open() || !Execute("BEGIN IMMEDIATE"))
        return;
    sqlite3_stmt* Delete = nullptr;
    int Code = sqlite3_prepare_v2(Db, "DELETE FROM fact WHERE key = ?", -1, &Delete, nullptr);
    for (std::size_t At = 0; Code == SQLITE_OK && At < Keys.size(); ++At) {
        sqlite3_bind_int64(Delete, 1, Keys[At]);
        Code = sqlite3_step(Delete);
        sqlite3_reset(Delete);
        if (Code == SQLITE_DONE)
            Code = SQLITE_OK;
    }
    sqlite3_finalize(Delete);
    const std::int64_t TableId = Code == SQLITE_OK ? TableFileId(TableFile, false) : 0;
    for (const char* Sql : {"DELETE FROM review WHERE tablefile = ?", "DELETE FROM round WHERE tablefile = ?"}) {
        if (Code != SQLITE_OK || TableId == 0)
            break;
        Code = sqlite3_prepare_v2(Db, Sql, -1, &Delete, nullptr);
        if (Code == SQLITE_OK) {
            sqlite3_bind_int64(Delete, 1, TableId);
            Code = sqlite3_step(Delete) == SQLITE_DONE ? SQLITE_OK : sqlite3_errcode(Db);
        }
        sqlite3_finalize(Delete);
    }
    if (!Db)
        return;
    if (Code != SQLITE_OK) {
        sqlite3_exec(Db, "ROLLBACK", nullptr, nullptr, nullptr);
        Failed(Code);
        return;
    }
    Execute("COMMIT");
}

std::int64_t TMemoryStore::ReviewCount() { return CountOf("SELECT count(*) FROM review"); }

std::int64_t TMemoryStore::FactCount() { return CountOf("SELECT count(*) FROM fact"); }

std::int64_t TMemoryStore::CountOf(const char* Sql)
{
    if (!Open())
        return 0;
    sqlite3_stmt* Count = nullptr;
    std::int64_t Found = 0;
    if (sqlite3_prepare_v2(Db, Sql, -1, &Count, nullptr) == SQLITE_OK && sqlite3_step(Count) == SQLITE_ROW)
        Found = sqlite3_column_int64(Count, 0);
    sqlite3_finalize(Count);
    return Found;
}
