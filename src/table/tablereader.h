// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a table file into the text store of a table and takes its lines
// apart where they lie: each text is a stretch of the store, tidied in place.
// Memory stays bounded whatever the length of a line: a line that runs on
// without end keeps only the first MaxTextLength characters of each text.
#pragma once

#include <cstddef>
#include <string>

class TTextStore;

// A stretch of the text store's buffer.
struct TTextSpan {
    std::size_t At = 0;
    std::size_t Length = 0;
};

class TTableReader {
public:
    // The reader takes the file in blocks of this size.
    static constexpr std::size_t BlockSize = 4u << 20;

    explicit TTableReader(TTextStore& Store);
    ~TTableReader();
    TTableReader(const TTableReader&) = delete;
    TTableReader& operator=(const TTableReader&) = delete;

    // Opens a table file; returns 0 or the error number. Folders, devices
    // and pipes are refused, so reading can neither hang nor run forever.
    [[nodiscard]] int Open(const std::string& FileName);

    // Reads the next line; false at the end of the file, at a Ctrl-Z (which
    // ends the file) and after a read error. Everything before the first "="
    // is the question, the rest the answer (further "=" are dropped); control
    // characters become spaces; both texts are trimmed and cut to
    // MaxTextLength characters. A line ends at LF, CR LF or a lone CR.
    bool ReadTableLine(TTextSpan& Question, TTextSpan& Answer);

    // The number of lines the file will roughly have, judged from the first
    // block of it; for reserving room.
    [[nodiscard]] std::size_t EstimatedLineCount();

    // The first read error number, 0 when there was none.
    [[nodiscard]] int Error() const { return ErrorNumber; }

private:
    // Where the scan of the line that starts at Pos got to.
    struct TLineScan {
        std::size_t Stop = 0;          // the line end found, or the end of the data
        std::size_t Equals = 0;        // the first "=", or Stop
        bool MoreEquals = false;       // further "=" after the first
        bool Complete = false;         // Stop is a line end (or a Ctrl-Z)
    };
    [[nodiscard]] TLineScan ScanLine();
    void TakeLine(const TLineScan& Scan, TTextSpan& Question, TTextSpan& Answer);
    void ShortenLongLine(const TLineScan& Scan);
    // Reads the next block after the data; false at the end of the file.
    bool Fill();
    void MakeRoom();

    TTextStore& Store;
    int Fd = -1;
    std::size_t Pos = 0;   // the next line in the store
    std::size_t Start = 0; // where this file's bytes begin in the store
    bool Eof = false;
    bool Stopped = false;  // a Ctrl-Z ended the file
    int ErrorNumber = 0;
    long long FileSize = 0;
};
