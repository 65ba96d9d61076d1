// SPDX-License-Identifier: GPL-3.0-or-later
// The memory's database: what it keeps, and what its troubles do.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "memory/memorystore.h"

namespace {

namespace fs = std::filesystem;

class TScratchFolder {
public:
    TScratchFolder()
    {
        std::string Pattern = (fs::temp_directory_path() / "memorant-memory-XXXXXX").string();
        Path = ::mkdtemp(Pattern.data());
    }
    ~TScratchFolder()
    {
        std::error_code Error;
        fs::permissions(Path, fs::perms::owner_all, Error);
        fs::remove_all(Path, Error);
    }
    [[nodiscard]] std::string File(const std::string& Name) const { return (fs::path(Path) / Name).string(); }
    std::string Path;
};

// A review of Fact that counts the reviews in the fact's state.
std::optional<TFactRecord> Review(TMemoryStore& Store, TFactKey Fact, TMoment Time = 1000,
                                  const std::string& TableFile = "/tabellen/engels.MT4")
{
    TReviewRecord Record;
    Record.Time = Time;
    Record.Fact = Fact;
    Record.Rating = TRating::Good;
    Record.Mode = TQuizMode::FillIn;
    Record.TableFile = TableFile;
    Record.AnswerMilliseconds = 1500;
    return Store.Record(Record, [Time](const std::optional<TFactRecord>& Stored) {
        TFactRecord New = Stored.value_or(TFactRecord{{5, 1}, 0, 0});
        New.State.Stability += 1;
        New.LastReview = Time;
        ++New.Reviews;
        return New;
    });
}

struct TTroubles {
    std::vector<std::string> Messages;
    TMemoryStore::TTrouble Catch()
    {
        return [this](const std::string& Message) { Messages.push_back(Message); };
    }
};

std::int64_t CountIn(const std::string& FileName, const char* Sql)
{
    sqlite3* Db = nullptr;
    sqlite3_open_v2(FileName.c_str(), &Db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* Count = nullptr;
    std::int64_t Found = -1;
    if (sqlite3_prepare_v2(Db, Sql, -1, &Count, nullptr) == SQLITE_OK && sqlite3_step(Count) == SQLITE_ROW)
        Found = sqlite3_column_int64(Count, 0);
    sqlite3_finalize(Count);
    sqlite3_close(Db);
    return Found;
}

bool IntegrityHolds(const std::string& FileName)
{
    sqlite3* Db = nullptr;
    sqlite3_open_v2(FileName.c_str(), &Db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* Check = nullptr;
    std::string Result;
    if (sqlite3_prepare_v2(Db, "PRAGMA integrity_check", -1, &Check, nullptr) == SQLITE_OK &&
        sqlite3_step(Check) == SQLITE_ROW)
        Result = reinterpret_cast<const char*>(sqlite3_column_text(Check, 0));
    sqlite3_finalize(Check);
    sqlite3_close(Db);
    return Result == "ok";
}

} // namespace

TEST(MemoryStore, KeepsFactsReviewsRoundsAndTableValuesAcrossOpenings)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("sub/geheugen.sqlite");
    {
        TMemoryStore Store(Name);
        EXPECT_FALSE(fs::exists(Name)); // opened at its first use
        ASSERT_TRUE(Review(Store, 11));
        ASSERT_TRUE(Review(Store, 11, 2000));
        ASSERT_TRUE(Review(Store, -7, 3000, "/elders/engels.MT4"));
        Store.RecordRound("/tabellen/engels.MT4", 2500, 7.75);
        Store.SetTableValue("/tabellen/engels.MT4", "toetsdatum", "2026-12-18");
        Store.SetTableValue("/tabellen/engels.MT4", "taal.vraag", "nl");
    }
    TMemoryStore Store(Name);
    std::vector<std::optional<TFactRecord>> Facts;
    const std::vector<TFactKey> Keys = {11, 12, -7, 11};
    Store.Facts(Keys, Facts);
    ASSERT_EQ(Facts.size(), 4u);
    ASSERT_TRUE(Facts[0]);
    EXPECT_EQ(Facts[0]->Reviews, 2);
    EXPECT_EQ(Facts[0]->LastReview, 2000);
    EXPECT_DOUBLE_EQ(Facts[0]->State.Stability, 3);
    EXPECT_FALSE(Facts[1]);
    ASSERT_TRUE(Facts[2]);
    EXPECT_EQ(Facts[2]->Reviews, 1);
    EXPECT_EQ(Facts[3]->Reviews, 2);
    EXPECT_EQ(Store.ReviewCount(), 3);
    EXPECT_EQ(Store.FactCount(), 2);
    ASSERT_EQ(Store.Rounds("/tabellen/engels.MT4").size(), 1u);
    EXPECT_DOUBLE_EQ(Store.Rounds("/tabellen/engels.MT4")[0].Grade, 7.75);
    EXPECT_TRUE(Store.Rounds("/nergens.MT4").empty());
    EXPECT_EQ(Store.TableValue("/tabellen/engels.MT4", "toetsdatum"), "2026-12-18");
    EXPECT_EQ(Store.TableValue("/tabellen/engels.MT4", "taal.vraag"), "nl");
    EXPECT_FALSE(Store.TableValue("/elders/engels.MT4", "toetsdatum"));
    Store.SetTableValue("/tabellen/engels.MT4", "toetsdatum", "");
    EXPECT_FALSE(Store.TableValue("/tabellen/engels.MT4", "toetsdatum"));

    // Forgetting a table forgets its facts, reviews and rounds, not those
    // of another table.
    const std::vector<TFactKey> Forgotten = {11};
    Store.Forget("/tabellen/engels.MT4", Forgotten);
    Store.Facts(Keys, Facts);
    EXPECT_FALSE(Facts[0]);
    EXPECT_TRUE(Facts[2]);
    EXPECT_EQ(Store.ReviewCount(), 1);
    EXPECT_TRUE(Store.Rounds("/tabellen/engels.MT4").empty());
    EXPECT_EQ(Store.TableValue("/tabellen/engels.MT4", "taal.vraag"), "nl");
}

TEST(MemoryStore, ManyFactsAreReadInOnePass)
{
    TScratchFolder Folder;
    TMemoryStore Store(Folder.File("geheugen.sqlite"));
    for (TFactKey Key = 0; Key < 100; ++Key)
        ASSERT_TRUE(Review(Store, Key * 3));
    std::vector<TFactKey> Keys;
    for (TFactKey Key = 0; Key < 30000; ++Key)
        Keys.push_back(Key);
    std::vector<std::optional<TFactRecord>> Facts;
    Store.Facts(Keys, Facts);
    int Found = 0;
    for (std::size_t At = 0; At < Keys.size(); ++At) {
        EXPECT_EQ(Facts[At].has_value(), At % 3 == 0 && At < 300) << At;
        Found += Facts[At] ? 1 : 0;
    }
    EXPECT_EQ(Found, 100);
}

TEST(MemoryStore, ACorruptFileIsMovedAsideAndANewOneBegun)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("geheugen.sqlite");
    std::ofstream(Name, std::ios::binary) << std::string(8192, 'x');
    TTroubles Troubles;
    TMemoryStore Store(Name, Troubles.Catch());
    ASSERT_TRUE(Review(Store, 5));
    ASSERT_EQ(Troubles.Messages.size(), 1u);
    EXPECT_NE(Troubles.Messages[0].find("beschadigd"), std::string::npos) << Troubles.Messages[0];
    int Aside = 0;
    for (const auto& Item : fs::directory_iterator(Folder.Path)) {
        const std::string Base = Item.path().filename().string();
        if (Base.rfind("geheugen.sqlite.beschadigd-", 0) == 0) {
            ++Aside;
            EXPECT_EQ(fs::file_size(Item.path()), 8192u);
            EXPECT_NE(Troubles.Messages[0].find(Base), std::string::npos);
        }
    }
    EXPECT_EQ(Aside, 1);
    EXPECT_EQ(Store.ReviewCount(), 1);
    EXPECT_TRUE(Store.Working());
}

TEST(MemoryStore, AFolderThatCannotBeWrittenSilencesTheMemoryWithOneMessage)
{
    TScratchFolder Folder;
    // A file where the folder should be stops even the superuser.
    std::ofstream(Folder.File("dicht")) << "geen map";
    TTroubles Troubles;
    TMemoryStore Store(Folder.File("dicht/geheugen.sqlite"), Troubles.Catch());
    for (int Verdict = 0; Verdict < 5; ++Verdict)
        EXPECT_FALSE(Review(Store, Verdict));
    std::vector<std::optional<TFactRecord>> Facts;
    const std::vector<TFactKey> Keys = {1, 2};
    Store.Facts(Keys, Facts);
    EXPECT_EQ(Facts.size(), 2u);
    EXPECT_FALSE(Store.Working());
    ASSERT_EQ(Troubles.Messages.size(), 1u);
    EXPECT_NE(Troubles.Messages[0].find("zonder geheugen"), std::string::npos);
}

TEST(MemoryStore, AFullDiskSilencesTheMemoryWithOneMessage)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("geheugen.sqlite");
    TTroubles Troubles;
    TMemoryStore Store(Name, Troubles.Catch());
    ASSERT_TRUE(Review(Store, 1));
    // A second connection caps the file at its present pages, as a full disk
    // would: the next growth fails.
    sqlite3* Db = nullptr;
    ASSERT_EQ(sqlite3_open(Name.c_str(), &Db), SQLITE_OK);
    sqlite3_exec(Db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close(Db);
    const pid_t Child = ::fork();
    ASSERT_GE(Child, 0);
    if (Child == 0) {
        // The child writes under a file size limit of the present size.
        std::signal(SIGXFSZ, SIG_IGN);
        const auto Size = static_cast<rlim_t>(fs::file_size(Name) + fs::file_size(Name + "-wal"));
        const ::rlimit Limit{Size, Size};
        ::setrlimit(RLIMIT_FSIZE, &Limit);
        TTroubles ChildTroubles;
        TMemoryStore Full(Name, ChildTroubles.Catch());
        bool Kept = true;
        for (int Verdict = 0; Verdict < 2000 && Kept; ++Verdict)
            Kept = Review(Full, 100 + Verdict).has_value();
        const bool OneMessage = ChildTroubles.Messages.size() == 1 &&
                                ChildTroubles.Messages[0].find("zonder geheugen") != std::string::npos;
        std::_Exit(!Kept && OneMessage && !Full.Working() ? 0 : 1);
    }
    int Status = 0;
    ASSERT_EQ(::waitpid(Child, &Status, 0), Child);
    EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0);
    EXPECT_TRUE(IntegrityHolds(Name));
    EXPECT_TRUE(Troubles.Messages.empty());
}

TEST(MemoryStore, ValuesOfAnotherKindAreNoMemory)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("geheugen.sqlite");
    {
        TMemoryStore Store(Name);
        ASSERT_TRUE(Review(Store, 1));
    }
    sqlite3* Db = nullptr;
    ASSERT_EQ(sqlite3_open(Name.c_str(), &Db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(Db,
                           "INSERT INTO fact VALUES(2, 'tekst', 3, 4, 1);"
                           "INSERT INTO fact VALUES(3, 0, 3, 4, 1);"
                           "INSERT INTO fact VALUES(4, 5, -1, 4, 1);"
                           "INSERT INTO fact VALUES(5, 5, 3, x'00', 1);"
                           "INSERT INTO fact VALUES(6, 5, 3, 4, 0);"
                           "INSERT INTO fact VALUES(7, 5, 3, 4, 2);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(Db);
    TMemoryStore Store(Name);
    std::vector<std::optional<TFactRecord>> Facts;
    const std::vector<TFactKey> Keys = {1, 2, 3, 4, 5, 6, 7};
    Store.Facts(Keys, Facts);
    const std::vector<bool> Expected = {true, false, false, false, false, false, true};
    for (std::size_t At = 0; At < Keys.size(); ++At)
        EXPECT_EQ(Facts[At].has_value(), Expected[At]) << Keys[At];
}

// Two programs answering at the same moment: every review of both is kept,
// and each fact's count of reviews adds up.
TEST(MemoryStore, TwoProgramsAnsweringAtOnceLoseNoReview)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("geheugen.sqlite");
    constexpr int PerProgram = 400;
    int Start[2];
    ASSERT_EQ(::pipe(Start), 0);
    std::vector<pid_t> Children;
    for (int Program = 0; Program < 2; ++Program) {
        const pid_t Child = ::fork();
        ASSERT_GE(Child, 0);
        if (Child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            ::close(Start[1]);
            char Go = 0;
            (void)!::read(Start[0], &Go, 1);
            TMemoryStore Store(Name);
            int Kept = 0;
            for (int Verdict = 0; Verdict < PerProgram; ++Verdict)
                Kept += Review(Store, Verdict % 10, 1000 + Verdict) ? 1 : 0;
            std::_Exit(Kept == PerProgram ? 0 : 1);
        }
        Children.push_back(Child);
    }
    ::close(Start[0]);
    ::close(Start[1]); // both start now
    for (const pid_t Child : Children) {
        int Status = 0;
        ASSERT_EQ(::waitpid(Child, &Status, 0), Child);
        EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0);
    }
    EXPECT_EQ(CountIn(Name, "SELECT count(*) FROM review"), 2 * PerProgram);
    EXPECT_EQ(CountIn(Name, "SELECT sum(reviews) FROM fact"), 2 * PerProgram);
    EXPECT_TRUE(IntegrityHolds(Name));
}

// A program killed at any moment loses at most the verdict it was writing:
// every review it reported kept is there, the database is whole, and each
// fact's count of reviews agrees with the log.
TEST(MemoryStore, KillsAtAnyMomentLoseAtMostTheVerdictBeingWritten)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("geheugen.sqlite");
    std::mt19937 Random(20261210);
    std::uniform_int_distribution<int> Completed(0, 20);
    std::uniform_int_distribution<int> Delay(0, 300);
    std::int64_t Reported = 0;
    constexpr int Kills = 60;
    for (int Round = 0; Round < Kills; ++Round) {
        int Progress[2];
        ASSERT_EQ(::pipe(Progress), 0);
        const pid_t Child = ::fork();
        ASSERT_GE(Child, 0);
        if (Child == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            TMemoryStore Store(Name);
            (void)!::write(Progress[1], "r", 1);
            for (int Verdict = 0;; ++Verdict) {
                if (Review(Store, Verdict % 50, Verdict))
                    (void)!::write(Progress[1], "w", 1);
            }
        }
        ::close(Progress[1]);
        char Step = 0;
        ASSERT_EQ(::read(Progress[0], &Step, 1), 1); // ready
        for (int Wait = Completed(Random); Wait > 0; --Wait) {
            ASSERT_EQ(::read(Progress[0], &Step, 1), 1);
            ++Reported;
        }
        ::usleep(static_cast<useconds_t>(Delay(Random)));
        ::kill(Child, SIGKILL);
        int Status = 0;
        ASSERT_EQ(::waitpid(Child, &Status, 0), Child);
        ASSERT_TRUE(WIFSIGNALED(Status) && WTERMSIG(Status) == SIGKILL) << "the child failed on its own";
        while (::read(Progress[0], &Step, 1) == 1)
            ++Reported;
        ::close(Progress[0]);

        const std::int64_t Logged = CountIn(Name, "SELECT count(*) FROM review");
        // Reported counts what the children told; a review may be kept
        // without being told yet, never the other way.
        ASSERT_GE(Logged, Reported) << "after kill " << Round;
        ASSERT_LE(Logged, Reported + Round + 1) << "after kill " << Round;
        ASSERT_EQ(CountIn(Name, "SELECT sum(reviews) FROM fact"), Logged) << "after kill " << Round;
    }
    EXPECT_GT(Reported, 0) << "no write ever completed, so the kills proved nothing";
    EXPECT_TRUE(IntegrityHolds(Name));
}
