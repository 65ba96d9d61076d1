// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/tablereader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "table/questionlist.h"

namespace {

constexpr std::size_t BlockSize = 256 * 1024;
constexpr char CtrlZ = 26;

// Bytes that interrupt a run of ordinary text: control characters (which
// include the line ends and Ctrl-Z) and the equals sign.
constexpr std::array<bool, 256> MakeSpecialBytes()
{
    std::array<bool, 256> Special{};
    for (int Byte = 0; Byte < ' '; ++Byte)
        Special[Byte] = true;
    Special['='] = true;
    return Special;
}
constexpr std::array<bool, 256> SpecialBytes = MakeSpecialBytes();

bool IsBlank(char Byte) { return static_cast<unsigned char>(Byte) <= ' '; }

// Collects one text of a line: leading blanks are skipped, characters after
// the first MaxTextLength are dropped, trailing blanks go at the end.
class TTextCollector {
public:
    explicit TTextCollector(std::string& Text) : Text(Text) {}

    void Add(const char* Run, std::size_t Size)
    {
        if (Text.empty()) {
            while (Size > 0 && IsBlank(*Run)) {
                ++Run;
                --Size;
            }
        }
        std::size_t Room = Limit - std::min(Text.size(), Limit);
        Text.append(Run, std::min(Size, Room));
    }

    void Finish()
    {
        std::size_t Size = Text.size();
        while (Size > 0 && IsBlank(Text[Size - 1]))
            --Size;
        Text.resize(Size);
    }

private:
    std::string& Text;
    static constexpr std::size_t Limit = MaxTextLength;
};

} // namespace

TTableReader::TTableReader() : Buffer(new char[BlockSize]) {}

TTableReader::~TTableReader()
{
    if (Fd >= 0)
        ::close(Fd);
}

int TTableReader::Open(const std::string& FileName)
{
    // Non-blocking, so that opening a pipe cannot wait for a writer.
    Fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (Fd < 0)
        return errno;
    struct stat Info {};
    int Refusal = 0;
    if (::fstat(Fd, &Info) != 0)
        Refusal = errno;
    else if (S_ISDIR(Info.st_mode))
        Refusal = EISDIR;
    else if (!S_ISREG(Info.st_mode))
        Refusal = EINVAL;
    else if (int Flags = ::fcntl(Fd, F_GETFL); Flags < 0 || ::fcntl(Fd, F_SETFL, Flags & ~O_NONBLOCK) != 0)
        Refusal = errno;
    if (Refusal != 0) {
        ::close(Fd);
        Fd = -1;
    }
    FileSize = Info.st_size;
    return Refusal;
}

bool TTableReader::HasData() { return Fd >= 0 && (Pos < Len || Fill()); }

bool TTableReader::Fill()
{
    Pos = 0;
    Len = 0;
    while (!Eof) {
        ssize_t Count = ::read(Fd, Buffer.get(), BlockSize);
        if (Count > 0) {
            Len = static_cast<std::size_t>(Count);
            return true;
        }
        if (Count < 0 && errno == EINTR)
            continue;
        if (Count < 0)
            ErrorNumber = errno;
        Eof = true;
    }
    return false;
}

std::size_t TTableReader::EstimatedLineCount()
{
    if (!HasData())
        return 0;
    const char* Begin = Buffer.get() + Pos;
    const char* End = Buffer.get() + Len;
    long long Lines = std::count(Begin, End, '\n');
    if (Lines == 0)
        Lines = std::count(Begin, End, '\r');
    return static_cast<std::size_t>(Lines * std::max(FileSize, 1LL) / static_cast<long long>(End - Begin));
}

bool TTableReader::PeekIs(char Byte)
{
    return HasData() && Buffer[Pos] == Byte;
}

bool TTableReader::AtEnd()
{
    return !HasData() || Buffer[Pos] == CtrlZ;
}

void TTableReader::ReadTableLine(std::string& Question, std::string& Answer)
{
    Question.clear();
    Answer.clear();
    TTextCollector QuestionText(Question);
    TTextCollector AnswerText(Answer);
    TTextCollector* Side = &QuestionText;
    while (HasData()) {
        const char* Data = Buffer.get();
        std::size_t Run = Pos;
        while (Run < Len && !SpecialBytes[static_cast<unsigned char>(Data[Run])])
            ++Run;
        Side->Add(Data + Pos, Run - Pos);
        Pos = Run;
        if (Pos == Len)
            continue;
        const char Byte = Data[Pos];
        if (Byte == CtrlZ)
            break; // it stays and ends the file
        ++Pos;
        if (Byte == '\n')
            break;
        if (Byte == '\r') {
            if (PeekIs('\n'))
                ++Pos; // CR LF is one line end
            break;
        }
        if (Byte == '=')
            Side = &AnswerText;
        else
            Side->Add(" ", 1); // any other control character
    }
    QuestionText.Finish();
    AnswerText.Finish();
}
