// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a table file line by line in large blocks. Memory stays bounded
// whatever the length of a line: each text keeps only its first
// MaxTextLength characters.
#pragma once

#include <memory>
#include <string>

class TTableReader {
public:
    TTableReader();
    ~TTableReader();
    TTableReader(const TTableReader&) = delete;
    TTableReader& operator=(const TTableReader&) = delete;

    // Opens a table file; returns 0 or the error number. Folders, devices
    // and pipes are refused, so reading can neither hang nor run forever.
    [[nodiscard]] int Open(const std::string& FileName);

    // True at the end of the file, at a Ctrl-Z (which ends the file) and
    // after a read error.
    [[nodiscard]] bool AtEnd();

    // Reads one line: everything before the first "=" is the question, the
    // rest the answer (further "=" are dropped); control characters become
    // spaces; both texts are trimmed and cut to MaxTextLength characters.
    // A line ends at LF, CR LF or a lone CR.
    void ReadTableLine(std::string& Question, std::string& Answer);

    // The number of lines the file will roughly have, judged from the first
    // block of it; for reserving room.
    [[nodiscard]] std::size_t EstimatedLineCount();

    // The first read error number, 0 when there was none.
    [[nodiscard]] int Error() const { return ErrorNumber; }

private:
    // True while unread bytes are buffered, reading the next block if needed.
    bool HasData();
    bool Fill();
    bool PeekIs(char Byte);

    int Fd = -1;
    std::unique_ptr<char[]> Buffer;
    std::size_t Pos = 0;
    std::size_t Len = 0;
    bool Eof = false;
    int ErrorNumber = 0;
    long long FileSize = 0;
};
