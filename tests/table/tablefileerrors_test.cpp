// SPDX-License-Identifier: GPL-3.0-or-later
// Table files that cannot be read or written: the Dutch messages with the
// error number, and no damage to what is on disk. The tests run as root, so
// unwritable places are devices, /sys, missing folders and a file size limit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "table/ioerrortext.h"
#include "table/questionlist.h"
#include "table/safefilewriter.h"
#include "tabletestfiles.h"

namespace {

template <typename TError, typename TAction>
std::string MessageOf(TAction Action)
{
    try {
        Action();
    } catch (const TError& Error) {
        return Error.what();
    }
    return "(no error)";
}

std::string ReadError(TQuestionlist& Table, const std::string& Name)
{
    return MessageOf<EListReadError>([&] { Table.LoadFromFile(Name); });
}

std::string WriteError(TQuestionlist& Table, const std::string& Name)
{
    return MessageOf<EListWriteError>([&] { Table.WriteToFile(Name, 0); });
}

TQuestionlist SmallTable()
{
    TQuestionlist Table;
    Table.Add("huis", "house");
    Table.Changed = true;
    return Table;
}

// Limits the size of files this process writes, as a full disk would.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t Bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &Saved);
        OldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit Limit = Saved;
        Limit.rlim_cur = Bytes;
        ::setrlimit(RLIMIT_FSIZE, &Limit);
    }
    ~TFileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &Saved);
        std::signal(SIGXFSZ, OldHandler);
    }

private:
    rlimit Saved{};
    void (*OldHandler)(int) = nullptr;
};

} // namespace

TEST(TableFileErrors, MissingFile)
{
    TQuestionlist Table;
    EXPECT_EQ(ReadError(Table, "/geen/tabel.MT4"), "Bestand /geen/tabel.MT4 bestaat niet");
    EXPECT_EQ(Table.ListName, "/geen/tabel.MT4");

    Table.Add("huis", "house");
    EXPECT_EQ(ReadError(Table, "/etc/hostname/tabel.MT4"), "Bestand /etc/hostname/tabel.MT4 bestaat niet");
    EXPECT_EQ(Table.ListName, "");
    EXPECT_EQ(Table.Count(), 1);
}

TEST(TableFileErrors, EmptyFileIsAnEmptyTable)
{
    TScratchFolder Folder;
    WriteBytes(Folder.File("leeg.MT4"), "");
    TQuestionlist Table;
    Table.LoadFromFile(Folder.File("leeg.MT4"));
    EXPECT_EQ(Table.Count(), 0);
    EXPECT_EQ(Table.ListName, Folder.File("leeg.MT4"));
}

TEST(TableFileErrors, CommonErrorNumbersComeWithTheirReason)
{
    const struct {
        int Error;
        const char* Text;
    } Cases[] = {
        {ENOENT, "niet gevonden"},
        {EACCES, "geen toegang"},
        {EPERM, "geen toegang"},
        {ENOSPC, "schijf vol"},
        {EROFS, "alleen-lezen bestandssysteem"},
        {EISDIR, "is een map"},
        {ENAMETOOLONG, "naam te lang"},
        {EDQUOT, "schijfquotum overschreden"},
        {EIO, "invoer-/uitvoerfout"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(IoErrorText(Case.Error), std::to_string(Case.Error) + " (" + Case.Text + ")");
    EXPECT_EQ(IoErrorText(EPIPE), std::to_string(EPIPE)); // no reason known: the number alone
}

TEST(TableFileErrors, WhatCannotBeOpenedForReading)
{
    TScratchFolder Folder;
    TQuestionlist Table;
    EXPECT_EQ(ReadError(Table, Folder.Path.string()), "Fout tijdens openen " + Folder.Path.string() + ": 21 (is een map)");

    const std::string LongName = Folder.File(std::string(300, 'x') + ".MT4");
    EXPECT_EQ(ReadError(Table, LongName), "Fout tijdens openen " + LongName + ": 36 (naam te lang)");

    // Devices and pipes are refused at once instead of hanging or never ending.
    const std::string Pipe = Folder.File("pijp.MT4");
    ASSERT_EQ(::mkfifo(Pipe.c_str(), 0600), 0);
    EXPECT_EQ(ReadError(Table, Pipe), "Fout tijdens openen " + Pipe + ": 22");
    EXPECT_EQ(ReadError(Table, "/dev/zero"), "Fout tijdens openen /dev/zero: 22");
    EXPECT_EQ(Table.Count(), 0);
}

TEST(TableFileErrors, ReadErrorKeepsTheEntriesReadBefore)
{
    TScratchFolder Folder;
    WriteBytes(Folder.File("a.MT4"), "huis = house\r\n");
    TQuestionlist Table;
    Table.LoadFromFile(Folder.File("a.MT4"));
    // Reading this process's memory from address 0 fails with an I/O error.
    EXPECT_EQ(ReadError(Table, "/proc/self/mem"), "Fout tijdens inlezen /proc/self/mem: 5 (invoer-/uitvoerfout)");
    EXPECT_EQ(Table.Count(), 1);
}

TEST(TableFileErrors, WhatCannotBeWritten)
{
    TScratchFolder Folder;
    TQuestionlist Table = SmallTable();

    EXPECT_EQ(WriteError(Table, Folder.File("geen/map.MT4")), "Fout tijdens schrijven " + Folder.File("geen/map.MT4") + ": 2 (niet gevonden)");
    EXPECT_EQ(WriteError(Table, Folder.Path.string()), "Fout tijdens schrijven " + Folder.Path.string() + ": 21 (is een map)");
    EXPECT_TRUE(std::filesystem::is_directory(Folder.Path));
    EXPECT_TRUE(Folder.Names().empty());

    // Not even root may create files here.
    std::string Message = WriteError(Table, "/sys/tabel.MT4");
    EXPECT_EQ(Message.rfind("Fout tijdens schrijven /sys/tabel.MT4: ", 0), 0u) << Message;
    const std::string Prefix = "Fout tijdens schrijven /sys/tabel.MT4: ";
    EXPECT_GT(std::atoi(Message.substr(std::min(Prefix.size(), Message.size())).c_str()), 0) << Message;
    EXPECT_FALSE(std::filesystem::exists(TSafeFileWriter::TempName("/sys/tabel.MT4")));

    const std::string Pipe = Folder.File("pijp.MT4");
    ASSERT_EQ(::mkfifo(Pipe.c_str(), 0600), 0);
    EXPECT_EQ(WriteError(Table, Pipe), "Fout tijdens schrijven " + Pipe + ": 6") << "a pipe without a reader";
    EXPECT_TRUE(Table.Changed);
}

TEST(TableFileErrors, FullDeviceIsWrittenInPlaceAndLeftAlone)
{
    TQuestionlist Table = SmallTable();
    EXPECT_EQ(WriteError(Table, "/dev/full"), "Fout tijdens schrijven /dev/full: 28 (schijf vol)");
    EXPECT_TRUE(Table.Changed);
    struct stat Info {};
    ASSERT_EQ(::stat("/dev/full", &Info), 0);
    EXPECT_TRUE(S_ISCHR(Info.st_mode)) << "the device must not be replaced by a file";
    EXPECT_FALSE(std::filesystem::exists(TSafeFileWriter::TempName("/dev/full")));
}

TEST(TableFileErrors, FailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("groot.MT4");
    const std::string Old = "oud = old\r\n";
    WriteBytes(Name, Old);
    TQuestionlist Table;
    for (int i = 0; i < 20000; ++i)
        Table.Add("vraag " + std::to_string(i), "antwoord " + std::to_string(i));
    Table.Changed = true;
    {
        TFileSizeLimit DiskFull(64 * 1024);
        EXPECT_EQ(WriteError(Table, Name), "Fout tijdens schrijven " + Name + ": 27");
    }
    EXPECT_EQ(ReadBytes(Name), Old);
    EXPECT_EQ(Folder.Names(), std::vector<std::string>{"groot.MT4"});
    EXPECT_TRUE(Table.Changed);

    Table.WriteToFile(Name, 0);
    EXPECT_GT(ReadBytes(Name).size(), 64u * 1024);
}

TEST(TableFileErrors, SavingReplacesALeftoverTemporaryFile)
{
    TScratchFolder Folder;
    const std::string Name = Folder.File("t.MT4");
    WriteBytes(TSafeFileWriter::TempName(Name), "half geschreven = hal");
    TQuestionlist Table = SmallTable();
    Table.WriteToFile(Name, 0);
    EXPECT_EQ(Folder.Names(), std::vector<std::string>{"t.MT4"});
    EXPECT_EQ(ReadBytes(Name), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nhuis = house\r\n");
}

TEST(TableFileErrors, SavingKeepsLinksAndPermissions)
{
    TScratchFolder Folder;
    const std::string Real = Folder.File("echt.MT4");
    const std::string Link = Folder.File("link.MT4");
    WriteBytes(Real, "oud = old\r\n");
    ASSERT_EQ(::chmod(Real.c_str(), 0640), 0);
    std::filesystem::create_symlink(Real, Link);

    TQuestionlist Table = SmallTable();
    Table.WriteToFile(Link, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(Link));
    EXPECT_EQ(ReadBytes(Real), "[FONT:Arial,9,1] = [FONT:Arial,9,1]\r\nhuis = house\r\n");
    EXPECT_EQ(std::filesystem::status(Real).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write
                  | std::filesystem::perms::group_read);
    EXPECT_EQ(Folder.Names(), (std::vector<std::string>{"echt.MT4", "link.MT4"}));
}

TEST(TableFileErrors, VeryLongNamesStillGetATemporaryFileBesideThem)
{
    for (std::size_t Length : {1u, 240u, 246u, 250u, 255u}) {
        const std::string Name = "/map/" + std::string(Length, 'n');
        const std::string Temp = TSafeFileWriter::TempName(Name);
        EXPECT_EQ(Temp.rfind("/map/", 0), 0u);
        EXPECT_LE(Temp.size() - 5, 255u) << Length;
        EXPECT_NE(Temp, Name) << Length;
    }
    TScratchFolder Folder;
    const std::string Name = Folder.File(std::string(255, 'n'));
    TQuestionlist Table = SmallTable();
    Table.WriteToFile(Name, 0);
    EXPECT_EQ(Folder.Names(), std::vector<std::string>{std::string(255, 'n')});
}

TEST(TableFileErrors, ReadOnlyFileIsNotReplaced)
{
    // As root every file is writable, so the check runs as user "nobody".
    TScratchFolder Folder;
    const std::string Name = Folder.File("alleen-lezen.MT4");
    WriteBytes(Name, "oud = old\r\n");
    ASSERT_EQ(::chmod(Name.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(Folder.Path.c_str(), 0777), 0);

    pid_t Child = ::fork();
    ASSERT_GE(Child, 0);
    if (Child == 0) {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        TQuestionlist Table = SmallTable();
        bool Refused = WriteError(Table, Name) == "Fout tijdens schrijven " + Name + ": 13 (geen toegang)";
        ::_exit(Refused ? 0 : 1);
    }
    int Status = 0;
    ASSERT_EQ(::waitpid(Child, &Status, 0), Child);
    ASSERT_TRUE(WIFEXITED(Status));
    if (WEXITSTATUS(Status) == 2)
        GTEST_SKIP() << "cannot switch to an unprivileged user here";
    EXPECT_EQ(WEXITSTATUS(Status), 0) << "the file was written, or the message was wrong";
    EXPECT_EQ(ReadBytes(Name), "oud = old\r\n");
    EXPECT_EQ(Folder.Names(), std::vector<std::string>{"alleen-lezen.MT4"});
}
