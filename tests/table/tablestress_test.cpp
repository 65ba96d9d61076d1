// SPDX-License-Identifier: GPL-3.0-or-later
// Table files under stress: a million entries, a 100 MB line, and saving
// while being killed at random moments.
#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "table/questionlist.h"
#include "table/safefilewriter.h"
#include "tabletestfiles.h"

namespace {

// Resident memory of this process in bytes.
long long ResidentBytes()
{
    long long Pages = 0;
    long long Resident = 0;
    if (FILE* Statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(Statm, "%lld %lld", &Pages, &Resident) != 2)
            Resident = 0;
        std::fclose(Statm);
    }
    return Resident * ::sysconf(_SC_PAGESIZE);
}

TQuestionlist NumberedTable(int Count, const std::string& Suffix)
{
    TQuestionlist Table;
    for (int i = 0; i < Count; ++i)
        Table.Add("vraag " + std::to_string(i), "antwoord " + std::to_string(i) + Suffix);
    return Table;
}

} // namespace

TEST(TableStress, MillionEntriesReadAndWrittenBackByteForByte)
{
    TScratchFolder Folder;
    std::string Bytes = "[FONT:Courier New,11,0] = [FONT:Arial,9,0]\r\n";
    Bytes.reserve(30'000'000);
    char Number[16];
    auto AppendNumber = [&](int Value) {
        Bytes.append(Number, std::to_chars(Number, Number + sizeof Number, Value).ptr);
    };
    for (int i = 0; i < 1'000'000; ++i) {
        Bytes += i % 3 == 0 ? "\xe9\xe9n " : "een ";
        AppendNumber(i);
        Bytes += " = ";
        AppendNumber(i * 7);
        Bytes += i % 11 == 0 ? " \xfc\xe7\r\n" : " one\r\n";
    }
    WriteBytes(Folder.File("in.MT4"), Bytes);

    TQuestionlist Table;
    Table.LoadFromFile(Folder.File("in.MT4"));
    ASSERT_EQ(Table.Count(), 1'000'000);
    EXPECT_EQ(Table.Question(999'998), "een 999998");
    Table.WriteToFile(Folder.File("out.MT4"), 0);
    EXPECT_TRUE(ReadBytes(Folder.File("out.MT4")) == Bytes) << "the copy differs";
}

TEST(TableStress, HundredMegabyteLineIsReadInBoundedMemory)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("lang.MT4");
    {
        const std::string Block(1 << 20, 'v');
        std::FILE* File = std::fopen(Name.c_str(), "wb");
        ASSERT_NE(File, nullptr);
        for (int i = 0; i < 100; ++i) {
            std::fwrite(Block.data(), 1, Block.size(), File);
            if (i == 49)
                std::fputs(" = ", File);
        }
        std::fputs("\r\nkort = short\r\n", File);
        ASSERT_EQ(std::fclose(File), 0);
    }
    const long long Before = ResidentBytes();
    TQuestionlist Table;
    Table.LoadFromFile(Name);
    const long long Growth = ResidentBytes() - Before;
    ASSERT_EQ(Table.Count(), 2);
    EXPECT_EQ(Table.Question(0), std::string(152, 'v'));
    EXPECT_EQ(Table.Answer(0), std::string(152, 'v'));
    EXPECT_EQ(Table.Question(1), "kort");
    EXPECT_LT(Growth, 16LL << 20) << "memory grew with the line";
}

TEST(TableStress, SavingSurvivesKillsAtAnyMoment)
{
    TScratchFolder Reference;
    TQuestionlist Old = NumberedTable(5'000, "");
    TQuestionlist New = NumberedTable(5'000, " (nieuw)");
    Old.WriteToFile(Reference.File("oud.MT4"), 0);
    const auto Start = std::chrono::steady_clock::now();
    New.WriteToFile(Reference.File("nieuw.MT4"), 0);
    const auto SaveTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - Start);
    const std::string OldBytes = ReadBytes(Reference.File("oud.MT4"));
    const std::string NewBytes = ReadBytes(Reference.File("nieuw.MT4"));

    TScratchFolder Folder;
    const std::string Name = Folder.File("tabel.MT4");
    const std::string TempBase = std::filesystem::path(TSafeFileWriter::TempName(Name)).filename().string();
    Old.WriteToFile(Name, 0);

    // Each child tells through a pipe when it is ready and when each of its
    // saves is complete. A kill lands after 0 to 3 complete saves, somewhere
    // in the next one, so both outcomes come up whatever the machine's pace.
    std::mt19937 Random(20261208);
    std::uniform_int_distribution<int> Completed(0, 3);
    std::uniform_int_distribution<long> Delay(0, SaveTime.count() + 100);
    int SawOld = 0;
    int SawNew = 0;
    constexpr int Kills = 200;
    for (int Round = 0; Round < Kills; ++Round) {
        int Progress[2];
        ASSERT_EQ(::pipe(Progress), 0);
        pid_t Child = ::fork();
        ASSERT_GE(Child, 0);
        if (Child == 0) {
            // Save the two versions in turn until killed, by the test or
            // with it.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            (void)!::write(Progress[1], "r", 1);
            for (int i = 0;; ++i) {
                (i % 2 == 0 ? New : Old).WriteToFile(Name, 0);
                (void)!::write(Progress[1], "w", 1);
            }
        }
        ::close(Progress[1]);
        char Step = 0;
        for (int Wait = Completed(Random); Wait >= 0; --Wait)
            ASSERT_EQ(::read(Progress[0], &Step, 1), ssize_t{1});
        ::usleep(static_cast<useconds_t>(Delay(Random)));
        ::kill(Child, SIGKILL);
        int Status = 0;
        ASSERT_EQ(::waitpid(Child, &Status, 0), Child);
        ::close(Progress[0]);
        ASSERT_TRUE(WIFSIGNALED(Status) && WTERMSIG(Status) == SIGKILL) << "the saving child failed on its own";

        const std::string Content = ReadBytes(Name);
        ASSERT_TRUE(Content == OldBytes || Content == NewBytes) << "a mixed file after kill " << Round;
        (Content == OldBytes ? SawOld : SawNew)++;
        for (const std::string& Item : Folder.Names())
            ASSERT_TRUE(Item == "tabel.MT4" || Item == TempBase) << Item;
    }
    RecordProperty("kills", Kills);
    RecordProperty("old_content_after_kill", SawOld);
    RecordProperty("new_content_after_kill", SawNew);
    EXPECT_GT(SawOld, 0);
    EXPECT_GT(SawNew, 0) << "no save ever completed, so the kills proved nothing";

    // The next save clears what the last kill left behind.
    New.WriteToFile(Name, 0);
    EXPECT_EQ(Folder.Names(), std::vector<std::string>{"tabel.MT4"});
    EXPECT_EQ(ReadBytes(Name), NewBytes);
}
