// SPDX-License-Identifier: GPL-3.0-or-later
// Where the safe writer puts its temporary file, what it leaves of a user's
// own files, and how it saves into a folder that takes no new files.
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "table/questionlist.h"
#include "table/safefilewriter.h"
#include "tabletestfiles.h"

namespace {

constexpr uid_t Nobody = 65534;

// Runs Check as the unprivileged user "nobody" in a child process (as root
// every folder is writable) and gives its exit code; no value when this
// machine cannot switch users.
std::optional<int> ExitCodeAsNobody(const std::function<int()>& Check)
{
    const pid_t Child = ::fork();
    if (Child < 0)
        return std::nullopt;
    if (Child == 0) {
        if (::getuid() == 0 && (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0))
            ::_exit(100);
        if (::getuid() == 0)
            ::_exit(100);
        ::_exit(Check());
    }
    int Status = 0;
    if (::waitpid(Child, &Status, 0) != Child || !WIFEXITED(Status) || WEXITSTATUS(Status) == 100)
        return std::nullopt;
    return WEXITSTATUS(Status);
}

// A folder nobody may not add files to, holding one file nobody may write.
struct TLockedFolder {
    TScratchFolder Folder;
    std::string Name = Folder.File("les.MT4");

    explicit TLockedFolder(const std::string& Content)
    {
        WriteBytes(Name, Content);
        ::chmod(Name.c_str(), 0666);
        ::chmod(Folder.Path.c_str(), 0755);
    }
};

TQuestionlist TableOf(int Entries)
{
    TQuestionlist Table;
    for (int i = 0; i < Entries; ++i)
        Table.Add("vraag " + std::to_string(i), "antwoord " + std::to_string(i));
    return Table;
}

int WriteErrorOf(TQuestionlist& Table, const std::string& Name)
{
    try {
        Table.WriteToFile(Name, 0);
    } catch (const EListWriteError& Error) {
        const std::string Message = Error.what();
        return std::atoi(Message.substr(Message.find(": ") + 2).c_str());
    }
    return 0;
}

} // namespace

TEST(SafeFileWriter, TemporaryFileIsHiddenBesideTheTargetAndOnePerTarget)
{
    EXPECT_EQ(TSafeFileWriter::TempName("/map/les.MT4"), "/map/.les.MT4.~memorant");
    EXPECT_EQ(TSafeFileWriter::TempName("les.MT4"), ".les.MT4.~memorant");
    EXPECT_EQ(TSafeFileWriter::TempName("/les.MT4"), "/.les.MT4.~memorant");
    EXPECT_NE(TSafeFileWriter::TempName("/map/a.MT4"), TSafeFileWriter::TempName("/map/b.MT4"));
    for (std::size_t Length : {1u, 240u, 244u, 245u, 255u}) {
        const std::string Name = "/map/" + std::string(Length, 'n');
        const std::string Temp = TSafeFileWriter::TempName(Name);
        EXPECT_EQ(Temp.rfind("/map/.", 0), 0u) << Length;
        EXPECT_LE(Temp.size() - 5, std::size_t{NAME_MAX}) << Length;
        EXPECT_NE(Temp, Name) << Length;
    }
}

TEST(SafeFileWriter, UsersOwnFilesBesideTheTableStay)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("les.MT4");
    WriteBytes(Name + ".~tmp", "mijn eigen bestand");
    WriteBytes(Folder.File("les.MT4~"), "mijn reservekopie");
    TQuestionlist Table = TableOf(2);
    Table.WriteToFile(Name, 0);
    EXPECT_EQ(Folder.Names(), (std::vector<std::string>{"les.MT4", "les.MT4.~tmp", "les.MT4~"}));
    EXPECT_EQ(ReadBytes(Name + ".~tmp"), "mijn eigen bestand");
    EXPECT_EQ(ReadBytes(Folder.File("les.MT4~")), "mijn reservekopie");
}

TEST(SafeFileWriter, AWriteThatChangesNothingClearsALeftover)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("leeg.MT4");
    WriteBytes(Name, "oud = old\r\n");
    WriteBytes(TSafeFileWriter::TempName(Name), "half geschr");
    TQuestionlist Empty;
    Empty.SaveToFile(Name); // an empty table writes nothing ...
    EXPECT_EQ(ReadBytes(Name), "oud = old\r\n");
    EXPECT_EQ(Folder.Names(), std::vector<std::string>{"leeg.MT4"}); // ... but clears what was left

    TSafeFileWriter::ClearLeftover(Folder.File("nooit-geschreven.MT4")); // nothing there: no harm
    EXPECT_EQ(Folder.Names(), std::vector<std::string>{"leeg.MT4"});
}

TEST(SafeFileWriter, WritableFileInALockedFolderIsWrittenInPlace)
{
    TLockedFolder Locked("oud = old\r\noud = old\r\noud = old\r\noud = old\r\n");
    const auto Code = ExitCodeAsNobody([&] {
        TQuestionlist Table = TableOf(2);
        return WriteErrorOf(Table, Locked.Name);
    });
    if (!Code)
        GTEST_SKIP() << "cannot switch to an unprivileged user here";
    EXPECT_EQ(*Code, 0) << "error number of the save";
    EXPECT_EQ(ReadBytes(Locked.Name),
              "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nvraag 0 = antwoord 0\r\nvraag 1 = antwoord 1\r\n");
    EXPECT_EQ(Locked.Folder.Names(), std::vector<std::string>{"les.MT4"});
}

TEST(SafeFileWriter, InPlaceWriteThatDoesNotFitLeavesTheOldContent)
{
    const std::string Old = "oud = old\r\n";
    TLockedFolder Locked(Old);
    const auto Code = ExitCodeAsNobody([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit Limit{};
        ::getrlimit(RLIMIT_FSIZE, &Limit);
        Limit.rlim_cur = 4096;
        ::setrlimit(RLIMIT_FSIZE, &Limit);
        TQuestionlist Table = TableOf(2000);
        return WriteErrorOf(Table, Locked.Name);
    });
    if (!Code)
        GTEST_SKIP() << "cannot switch to an unprivileged user here";
    EXPECT_EQ(*Code, EFBIG);
    EXPECT_EQ(ReadBytes(Locked.Name), Old);
    EXPECT_EQ(Locked.Folder.Names(), std::vector<std::string>{"les.MT4"});
}

TEST(SafeFileWriter, NewFileInALockedFolderIsRefused)
{
    TLockedFolder Locked("oud = old\r\n");
    const std::string Name = Locked.Folder.File("nieuw.MT4");
    const auto Code = ExitCodeAsNobody([&] {
        TQuestionlist Table = TableOf(2);
        return WriteErrorOf(Table, Name);
    });
    if (!Code)
        GTEST_SKIP() << "cannot switch to an unprivileged user here";
    EXPECT_EQ(*Code, EACCES);
    EXPECT_EQ(Locked.Folder.Names(), std::vector<std::string>{"les.MT4"});
}
