// SPDX-License-Identifier: GPL-3.0-or-later
// The memory of every fact across days, kept in one SQLite database: each
// fact's state, a log of every review, the grades of the rounds and values
// per table file (the test date, the columns' languages, ...). Opened at
// its first use. Its troubles never stop a quiz: a corrupt file is moved
// aside and a new one begun; when it cannot be written (a read-only folder,
// a full disk) the trouble is told once and the memory stays silent.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "memory/factkey.h"
#include "memory/fsrs.h"
#include "memory/localcalendar.h"
#include "memory/rating.h"

struct sqlite3;
struct sqlite3_stmt;

struct TFactRecord {
    TMemoryState State;
    TMoment LastReview = 0;
    int Reviews = 0;
};

struct TReviewRecord {
    TMoment Time = 0;
    TFactKey Fact = 0;
    TRating Rating = TRating::Good;
    TQuizMode Mode = TQuizMode::Training;
    std::string TableFile;
    int AnswerMilliseconds = 0;
};

struct TRoundRecord {
    TMoment Time = 0;
    double Grade = 0;
};

class TMemoryStore {
public:
    // Message: one Dutch sentence for the user.
    using TTrouble = std::function<void(const std::string& Message)>;
    // The new state of a fact from its stored one (none: never reviewed).
    using TUpdate = std::function<TFactRecord(const std::optional<TFactRecord>& Stored)>;

    explicit TMemoryStore(std::string FileName, TTrouble OnTrouble = {});
    ~TMemoryStore();
    TMemoryStore(const TMemoryStore&) = delete;
    TMemoryStore& operator=(const TMemoryStore&) = delete;

    [[nodiscard]] const std::string& FileName() const { return Name; }
    // Opens the database when that was not done yet; false while the memory
    // cannot be used.
    bool Open();
    // False after a trouble that silenced the memory.
    [[nodiscard]] bool Working() const { return !Silenced; }

    // The stored state of each of Keys, in Out at the same place.
    void Facts(std::span<const TFactKey> Keys, std::vector<std::optional<TFactRecord>>& Out);
    // Logs Review and stores its fact's new state, in one transaction; the
    // new state, or none when nothing could be kept.
    std::optional<TFactRecord> Record(const TReviewRecord& Review, const TUpdate& Update);

    void RecordRound(const std::string& TableFile, TMoment Time, double Grade);
    [[nodiscard]] std::vector<TRoundRecord> Rounds(const std::string& TableFile);

    [[nodiscard]] std::optional<std::string> TableValue(const std::string& TableFile, const std::string& Key);
    // An empty Value removes the key.
    void SetTableValue(const std::string& TableFile, const std::string& Key, const std::string& Value);

    // Forgets the facts Keys, the reviews logged for TableFile and its rounds.
    void Forget(const std::string& TableFile, std::span<const TFactKey> Keys);

    // Changes whenever another program changed the database, or another
    // file was begun; -1 while the memory cannot be used.
    [[nodiscard]] std::int64_t DataVersion();

    [[nodiscard]] std::int64_t ReviewCount();
    [[nodiscard]] std::int64_t FactCount();

    // The name a corrupt database file is moved aside to at Moment.
    [[nodiscard]] static std::string AsideName(const std::string& FileName, TMoment Moment);

private:
    std::string Name;
    TTrouble OnTrouble;
    sqlite3* Db = nullptr;
    bool Tried = false;
    bool Silenced = false;
    int LastFailure = 0;
    int Generation = 0; // counts the files opened, so a write sees a file change under it
    sqlite3_stmt* SelectFact = nullptr;
    sqlite3_stmt* UpsertFact = nullptr;
    sqlite3_stmt* InsertReview = nullptr;
    sqlite3_stmt* SelectTableFile = nullptr;
    sqlite3_stmt* InsertTableFile = nullptr;

    bool OpenFile();
    bool OpenSteps();
    bool CreateSchema();
    bool Prepare();
    void Close();
    // Handles a failed SQLite call: a corrupt file is moved aside and a new
    // one begun, other failures silence the memory. False then.
    bool Failed(int Code);
    void Tell(const std::string& Message);
    bool Execute(const char* Sql);
    // The number a "SELECT count(*)" statement gives; 0 without a database.
    [[nodiscard]] std::int64_t CountOf(const char* Sql);
    // The id of TableFile, made when Make is set; 0 when there is none.
    std::int64_t TableFileId(const std::string& TableFile, bool Make);
    std::optional<TFactRecord> ReadFact(TFactKey Key);
};
