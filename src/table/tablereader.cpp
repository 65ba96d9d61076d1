// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/tablereader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "table/questionlist.h"
#include "table/textstore.h"

namespace {

// Blocks are large enough that reading costs nothing beside taking the lines
// apart, and small enough that an endless line stays cheap.
constexpr std::size_t BlockSize = TTableReader::BlockSize;
// A line that runs on this long without an end is shortened to what it keeps.
constexpr std::size_t LongLine = 1u << 20;
// The part of the first block that judges the number of lines.
constexpr std::size_t SampleSize = 256u << 10;
constexpr char CtrlZ = 26;

bool IsBlank(char Byte) { return static_cast<unsigned char>(Byte) <= ' '; }

// Bytes that interrupt a run of ordinary text: control characters (which
// include the line ends and Ctrl-Z) and the equals sign.
bool IsSpecial(char Byte) { return static_cast<unsigned char>(Byte) < ' ' || Byte == '='; }

// The first special byte in Data[From, To), or To.
std::size_t NextSpecial(const char* Data, std::size_t From, std::size_t To)
{
#if defined(__SSE2__)
    const __m128i Equals = _mm_set1_epi8('=');
    const __m128i LastControl = _mm_set1_epi8(' ' - 1);
    const __m128i Zero = _mm_setzero_si128();
    for (; From + 16 <= To; From += 16) {
        const __m128i Block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Data + From));
        const __m128i Control = _mm_cmpeq_epi8(_mm_subs_epu8(Block, LastControl), Zero);
        const __m128i Special = _mm_or_si128(Control, _mm_cmpeq_epi8(Block, Equals));
        if (const int Mask = _mm_movemask_epi8(Special); Mask != 0)
            return From + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(Mask)));
    }
#endif
    while (From < To && !IsSpecial(Data[From]))
        ++From;
    return From;
}

// Data[Begin, End) without leading blanks and cut to MaxTextLength.
TTextSpan LeadingCut(const char* Data, std::size_t Begin, std::size_t End)
{
    while (Begin < End && IsBlank(Data[Begin]))
        ++Begin;
    return {Begin, std::min<std::size_t>(End - Begin, MaxTextLength)};
}

// The text of Data[Begin, End): trimmed on both sides, cut to MaxTextLength.
TTextSpan Tidied(const char* Data, std::size_t Begin, std::size_t End)
{
    TTextSpan Text = LeadingCut(Data, Begin, End);
    while (Text.Length > 0 && IsBlank(Data[Text.At + Text.Length - 1]))
        --Text.Length;
    return Text;
}

// Drops the "=" from Data[Begin, End); returns the new end.
std::size_t DropEquals(char* Data, std::size_t Begin, std::size_t End)
{
    return static_cast<std::size_t>(std::remove(Data + Begin, Data + End, '=') - Data);
}

} // namespace

TTableReader::TTableReader(TTextStore& Store) : Store(Store) {}

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
        return Refusal;
    }
    FileSize = Info.st_size;
    Start = Pos = Store.Size();
    return 0;
}

void TTableReader::MakeRoom()
{
    const std::size_t End = Store.Size();
    if (Store.Capacity() > End)
        return;
    // Room for the rest of the file and the read that finds its end, once
    // the file has shown itself to be made of lines; a block at a time
    // before, so that a file of one endless line takes no more.
    const auto Read = static_cast<long long>(End - Start);
    const auto Rest = static_cast<std::size_t>(std::max(FileSize - Read, 0LL)) + 1;
    const bool Lines = Pos > Start || Rest <= 4 * BlockSize;
    Store.Reserve(End + std::max(Lines ? Rest : BlockSize, std::min(BlockSize, End - Start + 1)));
}

bool TTableReader::Fill()
{
    while (!Eof) {
        if (Fd < 0) {
            Eof = true;
            break;
        }
        MakeRoom();
        const std::size_t End = Store.Size();
        const std::size_t Room = std::min(Store.Capacity() - End, BlockSize);
        const ssize_t Count = ::read(Fd, Store.Bytes() + End, Room);
        if (Count > 0) {
            Store.Resize(End + static_cast<std::size_t>(Count));
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
    if (Pos == Store.Size() && !Fill())
        return 0;
    const char* Begin = Store.Bytes() + Pos;
    const char* End = Begin + std::min(Store.Size() - Pos, SampleSize);
    long long Lines = std::count(Begin, End, '\n');
    if (Lines == 0)
        Lines = std::count(Begin, End, '\r');
    return static_cast<std::size_t>(Lines * std::max(FileSize, 1LL) / static_cast<long long>(End - Begin));
}

TTableReader::TLineScan TTableReader::ScanLine()
{
    char* Data = Store.Bytes();
    const std::size_t End = Store.Size();
    TLineScan Scan;
    bool SeenEquals = false;
    std::size_t At = Pos;
    for (;; ++At) {
        At = NextSpecial(Data, At, End);
        if (At == End)
            break;
        const char Byte = Data[At];
        if (Byte == '=') {
            Scan.MoreEquals = SeenEquals;
            Scan.Equals = SeenEquals ? Scan.Equals : At;
            SeenEquals = true;
        } else if (Byte == '\n' || Byte == CtrlZ || (Byte == '\r' && (At + 1 < End || Eof))) {
            Scan.Complete = true;
            break;
        } else if (Byte == '\r') {
            break; // its LF may be in the next block
        } else {
            Data[At] = ' '; // any other control character
        }
    }
    Scan.Stop = At;
    if (!SeenEquals)
        Scan.Equals = At;
    return Scan;
}

bool TTableReader::ReadTableLine(TTextSpan& Question, TTextSpan& Answer)
{
    while (!Stopped) {
        const TLineScan Scan = ScanLine();
        if (Scan.Complete || (Eof && Pos < Store.Size())) {
            TakeLine(Scan, Question, Answer);
            return true;
        }
        if (Eof)
            return false;
        if (Scan.Stop - Pos > LongLine)
            ShortenLongLine(Scan);
        Fill();
    }
    return false;
}

void TTableReader::TakeLine(const TLineScan& Scan, TTextSpan& Question, TTextSpan& Answer)
{
    char* Data = Store.Bytes();
    const std::size_t AnswerBegin = std::min(Scan.Equals + 1, Scan.Stop);
    const std::size_t AnswerEnd = Scan.MoreEquals ? DropEquals(Data, AnswerBegin, Scan.Stop) : Scan.Stop;
    Question = Tidied(Data, Pos, Scan.Equals);
    Answer = Tidied(Data, AnswerBegin, AnswerEnd);

    const std::size_t End = Store.Size();
    Pos = Scan.Stop;
    if (Pos == End)
        return;
    if (Data[Pos] == CtrlZ) {
        // The file ends here; what follows it is no part of the table.
        Stopped = true;
        Store.Resize(Pos);
        return;
    }
    if (Data[Pos++] == '\r' && Pos < End && Data[Pos] == '\n')
        ++Pos; // CR LF is one line end
}

void TTableReader::ShortenLongLine(const TLineScan& Scan)
{
    // Each side keeps what a longer rest can no longer change: its first
    // characters after the leading blanks. Trailing blanks wait for the end.
    char* Data = Store.Bytes();
    std::size_t Write = Pos;
    auto Keep = [&](TTextSpan Text) {
        std::memmove(Data + Write, Data + Text.At, Text.Length);
        Write += Text.Length;
    };
    Keep(LeadingCut(Data, Pos, Scan.Equals));
    if (Scan.Equals < Scan.Stop) {
        Data[Write++] = '=';
        const std::size_t AnswerBegin = Scan.Equals + 1;
        Keep(LeadingCut(Data, AnswerBegin, Scan.MoreEquals ? DropEquals(Data, AnswerBegin, Scan.Stop) : Scan.Stop));
    }
    const std::size_t Rest = Store.Size() - Scan.Stop; // a CR waiting for its LF
    std::memmove(Data + Write, Data + Scan.Stop, Rest);
    Store.Resize(Write + Rest);
}
