// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/safefilewriter.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t FlushSize = 1 << 20;
// The temporary file of "les.MT4" is ".les.MT4.~memorant": hidden, and
// with an ending that no table or settings file of the user's has.
constexpr std::string_view TempPrefix = ".";
constexpr std::string_view TempSuffix = ".~memorant";

// The file a name refers to: a symbolic link is followed, so that saving
// through a link updates the file it points to and keeps the link.
std::string ResolveTarget(const std::string& FileName)
{
    struct stat Info {};
    if (::lstat(FileName.c_str(), &Info) != 0 || !S_ISLNK(Info.st_mode))
        return FileName;
    std::unique_ptr<char, decltype(&std::free)> Real(::realpath(FileName.c_str(), nullptr), &std::free);
    return Real ? std::string(Real.get()) : FileName;
}

std::string FolderOf(const std::string& FileName)
{
    std::size_t Slash = FileName.rfind('/');
    if (Slash == std::string::npos)
        return ".";
    return Slash == 0 ? "/" : FileName.substr(0, Slash);
}

// Makes a rename in the folder durable; a failure here changes nothing about
// the file's content, so it is not reported.
void SyncFolder(const std::string& FileName)
{
    int Folder = ::open(FolderOf(FileName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Folder >= 0) {
        ::fsync(Folder);
        ::close(Folder);
    }
}

} // namespace

std::string TSafeFileWriter::TempName(const std::string& FileName)
{
    std::size_t Start = FileName.rfind('/') + 1; // 0 without a slash
    std::string_view Base = std::string_view(FileName).substr(Start);
    // Keep the temporary name within the limit of one name in a folder. A cut
    // name still differs from the target: it is shorter and ends otherwise.
    constexpr std::size_t Room = NAME_MAX - TempPrefix.size() - TempSuffix.size();
    if (Base.size() > Room)
        Base = Base.substr(0, Room);
    return FileName.substr(0, Start) + std::string(TempPrefix) + std::string(Base) + std::string(TempSuffix);
}

void TSafeFileWriter::ClearLeftover(const std::string& FileName)
{
    ::unlink(TempName(ResolveTarget(FileName)).c_str());
}

TSafeFileWriter::TSafeFileWriter(const std::string& FileName) : Target(ResolveTarget(FileName))
{
    Buffer.reserve(FlushSize + 4096);
    struct stat Info {};
    if (::stat(Target.c_str(), &Info) != 0) {
        if (errno == ENOENT)
            OpenTemporary(Target, nullptr);
        else
            Fail(errno);
    } else if (S_ISDIR(Info.st_mode)) {
        Fail(EISDIR);
    } else if (S_ISREG(Info.st_mode)) {
        // Replacing needs only a writable folder; a read-only file stays.
        if (::access(Target.c_str(), W_OK) != 0)
            Fail(errno);
        else
            OpenTemporary(Target, &Info);
    } else {
        OpenDirect(Target);
    }
}

TSafeFileWriter::~TSafeFileWriter()
{
    if (!Done)
        Discard();
}

void TSafeFileWriter::OpenTemporary(const std::string& Target, const struct stat* Existing)
{
    Temp = TempName(Target);
    ::unlink(Temp.c_str()); // left behind by a save that was cut short
    Fd = ::open(Temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (Fd < 0) {
        const int Error = errno;
        Temp.clear();
        if (Existing != nullptr && (Error == EACCES || Error == EPERM || Error == ENOSPC || Error == EDQUOT))
            OpenInPlace(Target); // the folder takes no new file, the file itself may be written
        else
            Fail(Error);
        return;
    }
    if (Existing != nullptr) {
        // The new file keeps the old one's permissions (and owner, if allowed).
        ::fchmod(Fd, Existing->st_mode & 07777);
        (void)!::fchown(Fd, Existing->st_uid, Existing->st_gid);
    }
}

void TSafeFileWriter::OpenDirect(const std::string& Target)
{
    // Non-blocking, so that a pipe without a reader fails instead of waiting.
    Fd = ::open(Target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (Fd < 0) {
        Fail(errno);
        return;
    }
    if (int Flags = ::fcntl(Fd, F_GETFL); Flags < 0 || ::fcntl(Fd, F_SETFL, Flags & ~O_NONBLOCK) != 0)
        Fail(errno);
}

void TSafeFileWriter::OpenInPlace(const std::string& Target)
{
    Fd = ::open(Target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
    if (Fd < 0)
        Fail(errno);
    else
        InPlace = true;
}

// Claims the room for the new content first, so that running out of disk
// space fails before the old content is touched; then overwrites, cuts off
// what is left of the old content, and flushes it to disk.
void TSafeFileWriter::WriteInPlace()
{
    const auto Size = static_cast<off_t>(Buffer.size());
    if (Size > 0) {
        // Where the file system cannot claim room ahead, the writes below
        // still report a full disk, only later.
        if (::fallocate(Fd, 0, 0, Size) != 0 && errno != EOPNOTSUPP && errno != ENOSYS)
            Fail(errno);
    }
    Flush(); // over the old content, from the start of the file
    if (FirstError == 0 && ::ftruncate(Fd, Size) != 0)
        Fail(errno);
    if (FirstError == 0 && ::fsync(Fd) != 0)
        Fail(errno);
}

void TSafeFileWriter::Fail(int ErrorNumber)
{
    if (FirstError == 0)
        FirstError = ErrorNumber != 0 ? ErrorNumber : EIO;
}

void TSafeFileWriter::Write(std::string_view Data)
{
    Buffer.append(Data);
    if (Buffer.size() >= FlushSize && !InPlace)
        Flush();
}

void TSafeFileWriter::Write(char Byte)
{
    Buffer.push_back(Byte);
    if (Buffer.size() >= FlushSize && !InPlace)
        Flush();
}

void TSafeFileWriter::Flush()
{
    std::size_t Written = 0;
    while (FirstError == 0 && Fd >= 0 && Written < Buffer.size()) {
        ssize_t Count = ::write(Fd, Buffer.data() + Written, Buffer.size() - Written);
        if (Count > 0)
            Written += static_cast<std::size_t>(Count);
        else if (Count < 0 && errno != EINTR)
            Fail(errno);
        else if (Count == 0)
            Fail(EIO);
    }
    Buffer.clear();
}

int TSafeFileWriter::Commit()
{
    if (InPlace && FirstError == 0)
        WriteInPlace();
    Flush();
    if (FirstError == 0 && !Temp.empty() && ::fsync(Fd) != 0)
        Fail(errno);
    if (Fd >= 0 && ::close(Fd) != 0)
        Fail(errno);
    Fd = -1;
    if (FirstError == 0 && !Temp.empty()) {
        if (::rename(Temp.c_str(), Target.c_str()) == 0) {
            Temp.clear();
            SyncFolder(Target);
        } else {
            Fail(errno);
        }
    }
    Discard();
    Done = true;
    return FirstError;
}

void TSafeFileWriter::Discard()
{
    if (Fd >= 0)
        ::close(Fd);
    Fd = -1;
    if (!Temp.empty())
        ::unlink(Temp.c_str());
    Temp.clear();
}
