// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/inifile.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "table/ioerrortext.h"
#include "table/safefilewriter.h"

namespace {

bool IsBlank(char C) { return C == ' ' || C == '\t' || C == '\r' || C == '\v' || C == '\f'; }

std::string_view Trimmed(std::string_view Text)
{
    while (!Text.empty() && IsBlank(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && IsBlank(Text.back()))
        Text.remove_suffix(1);
    return Text;
}

char AsciiLower(char C) { return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C; }

bool SameName(std::string_view A, std::string_view B)
{
    if (A.size() != B.size())
        return false;
    for (std::size_t i = 0; i < A.size(); ++i)
        if (AsciiLower(A[i]) != AsciiLower(B[i]))
            return false;
    return true;
}

// The name of a section header line ("[Name]"), or false for any other line.
bool SectionName(std::string_view Line, std::string_view& Name)
{
    Line = Trimmed(Line);
    if (Line.empty() || Line.front() != '[')
        return false;
    const auto Close = Line.find(']');
    if (Close == std::string_view::npos)
        return false;
    Name = Trimmed(Line.substr(1, Close - 1));
    return true;
}

// Key and value of a "key=value" line; comments and lines without an equals
// sign or without a key are no key lines.
bool KeyLine(std::string_view Line, std::string_view& Key, std::string_view& Value)
{
    const auto Text = Trimmed(Line);
    if (Text.empty() || Text.front() == ';' || Text.front() == '#' || Text.front() == '[')
        return false;
    const auto Equals = Text.find('=');
    if (Equals == std::string_view::npos)
        return false;
    Key = Trimmed(Text.substr(0, Equals));
    Value = Trimmed(Text.substr(Equals + 1));
    return !Key.empty();
}

bool ValidName(std::string_view Name)
{
    if (Trimmed(Name).empty() || Trimmed(Name).size() != Name.size())
        return false;
    for (const char C : Name)
        if (C == '\n' || C == '\r' || C == '\0' || C == '=' || C == '[' || C == ']')
            return false;
    return true;
}

bool ValidValue(std::string_view Value)
{
    return Value.size() <= TIniFile::MaxValueLength && Trimmed(Value).size() == Value.size()
        && Value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// The whole file, or nothing when it is missing, unreadable, not a regular
// file or larger than MaxFileSize. Usable tells whether the file may be
// rewritten: true as well for a file that does not exist yet.
std::string ReadWholeFile(const std::string& FileName, bool& Usable)
{
    Usable = false;
    std::string Bytes;
    const int Fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (Fd < 0) {
        Usable = errno == ENOENT;
        return Bytes;
    }
    struct stat Info {};
    if (::fstat(Fd, &Info) == 0 && S_ISREG(Info.st_mode)
        && static_cast<std::size_t>(Info.st_size) <= TIniFile::MaxFileSize) {
        char Buffer[16384];
        Usable = true;
        for (;;) {
            const auto Got = ::read(Fd, Buffer, sizeof Buffer);
            if (Got < 0 && errno == EINTR)
                continue;
            if (Got < 0 || Bytes.size() + static_cast<std::size_t>(Got) > TIniFile::MaxFileSize) {
                Usable = false;
                Bytes.clear();
                break;
            }
            if (Got == 0)
                break;
            Bytes.append(Buffer, static_cast<std::size_t>(Got));
        }
    }
    ::close(Fd);
    return Bytes;
}

// Replaces FileName by Bytes in one step: the old file stays whole until the
// new content is completely on disk.
void ReplaceFile(const std::string& FileName, const std::string& Bytes)
{
    TSafeFileWriter Writer(FileName);
    Writer.Write(Bytes);
    if (const int Error = Writer.Commit(); Error != 0)
        throw EIniWriteError("Kan " + FileName + " niet schrijven: " + IoErrorText(Error));
}

} // namespace

bool ParseIniInteger(std::string_view Text, int& Value)
{
    Text = Trimmed(Text);
    bool Negative = false;
    int Base = 10;
    if (Text.size() > 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X')) {
        Text.remove_prefix(2);
        Base = 16;
    } else if (!Text.empty() && (Text.front() == '-' || Text.front() == '+')) {
        Negative = Text.front() == '-';
        Text.remove_prefix(1);
    }
    if (Text.empty())
        return false;
    unsigned long long Magnitude = 0;
    const auto [End, Error] = std::from_chars(Text.data(), Text.data() + Text.size(), Magnitude, Base);
    if (Error != std::errc() || End != Text.data() + Text.size())
        return false;
    if (Base == 16) {
        // "0xFFFFFFFF" is how a negative number looks in hexadecimal.
        if (Magnitude > UINT_MAX)
            return false;
        Value = static_cast<int>(static_cast<unsigned>(Magnitude));
        return true;
    }
    const unsigned long long Limit = Negative ? 0x80000000ull : 0x7FFFFFFFull;
    if (Magnitude > Limit)
        return false;
    Value = Negative ? static_cast<int>(-static_cast<long long>(Magnitude)) : static_cast<int>(Magnitude);
    return true;
}

// --- TIniText ---

void TIniText::LoadFromString(std::string_view Bytes)
{
    Lines.clear();
    while (!Bytes.empty()) {
        const auto NewLine = Bytes.find('\n');
        TLine Line;
        if (NewLine == std::string_view::npos) {
            Line.Text.assign(Bytes);
            Bytes = {};
        } else {
            const bool Crlf = NewLine > 0 && Bytes[NewLine - 1] == '\r';
            Line.Text.assign(Bytes.substr(0, Crlf ? NewLine - 1 : NewLine));
            Line.Ending = Crlf ? "\r\n" : "\n";
            Bytes.remove_prefix(NewLine + 1);
        }
        Lines.push_back(std::move(Line));
    }
}

std::string TIniText::SaveToString() const
{
    std::string Bytes;
    for (const auto& Line : Lines)
        Bytes.append(Line.Text).append(Line.Ending);
    return Bytes;
}

std::string TIniText::NewLineEnding() const
{
    for (const auto& Line : Lines)
        if (!Line.Ending.empty())
            return Line.Ending;
    return "\n";
}

std::ptrdiff_t TIniText::FindSection(std::string_view Section) const
{
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        std::string_view Name;
        if (Lines[i].Text.size() <= TIniFile::MaxLineLength && SectionName(Lines[i].Text, Name)
            && SameName(Name, Section))
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

std::size_t TIniText::SectionEnd(std::size_t SectionLine) const
{
    std::size_t End = SectionLine + 1;
    std::string_view Name;
    while (End < Lines.size()
           && !(Lines[End].Text.size() <= TIniFile::MaxLineLength && SectionName(Lines[End].Text, Name)))
        ++End;
    return End;
}

std::ptrdiff_t TIniText::FindKey(std::size_t SectionLine, std::string_view Key, std::string& Value) const
{
    const std::size_t End = SectionEnd(SectionLine);
    for (std::size_t i = SectionLine + 1; i < End; ++i) {
        std::string_view Name, Text;
        if (Lines[i].Text.size() <= TIniFile::MaxLineLength && KeyLine(Lines[i].Text, Name, Text)
            && SameName(Name, Key)) {
            Value.assign(Text.substr(0, TIniFile::MaxValueLength));
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    return -1;
}

bool TIniText::Find(std::string_view Section, std::string_view Key, std::string& Value) const
{
    const auto SectionLine = FindSection(Section);
    return SectionLine >= 0 && FindKey(static_cast<std::size_t>(SectionLine), Key, Value) >= 0;
}

bool TIniText::Set(std::string_view Section, std::string_view Key, std::string_view Value)
{
    const std::string NewLine = std::string(Key) + '=' + std::string(Value);
    const auto SectionLine = FindSection(Section);
    if (SectionLine < 0) {
        if (!Lines.empty() && Lines.back().Ending.empty())
            Lines.back().Ending = NewLineEnding();
        if (!Lines.empty() && !Trimmed(Lines.back().Text).empty())
            Lines.push_back({"", NewLineEnding()});
        Lines.push_back({'[' + std::string(Section) + ']', NewLineEnding()});
        Lines.push_back({NewLine, NewLineEnding()});
        return true;
    }
    std::string Old;
    const auto KeyAt = FindKey(static_cast<std::size_t>(SectionLine), Key, Old);
    if (KeyAt >= 0) {
        if (Old == Value)
            return false;
        Lines[static_cast<std::size_t>(KeyAt)].Text = NewLine;
        return true;
    }
    // After the last line of the section that is not blank, so that blank
    // lines before the next section stay where they are.
    std::size_t At = SectionEnd(static_cast<std::size_t>(SectionLine));
    while (At > static_cast<std::size_t>(SectionLine) + 1 && Trimmed(Lines[At - 1].Text).empty())
        --At;
    if (Lines[At - 1].Ending.empty())
        Lines[At - 1].Ending = NewLineEnding();
    Lines.insert(Lines.begin() + static_cast<std::ptrdiff_t>(At), TLine{NewLine, NewLineEnding()});
    return true;
}

// --- TIniFile ---

TIniFile::TIniFile(std::string FileName) : Name(std::move(FileName)) {}

std::string TIniFile::ReadString(std::string_view Section, std::string_view Key,
                                 std::string_view Default) const
{
    bool Usable = false;
    const TIniText Text(ReadWholeFile(Name, Usable));
    std::string Value;
    return Text.Find(Section, Key, Value) ? Value : std::string(Default);
}

int TIniFile::ReadInteger(std::string_view Section, std::string_view Key, int Default) const
{
    int Value = Default;
    return ParseIniInteger(ReadString(Section, Key, ""), Value) ? Value : Default;
}

bool TIniFile::ReadBool(std::string_view Section, std::string_view Key, bool Default) const
{
    return ReadInteger(Section, Key, Default ? 1 : 0) != 0;
}

void TIniFile::WriteString(std::string_view Section, std::string_view Key, std::string_view Value)
{
    if (!ValidName(Section) || !ValidName(Key) || !ValidValue(Value))
        throw EIniWriteError("Ongeldige instelling " + std::string(Section) + '/' + std::string(Key));
    bool Usable = false;
    const std::string Old = ReadWholeFile(Name, Usable);
    if (!Usable)
        throw EIniWriteError("Kan " + Name + " niet bijwerken");
    TIniText Text(Old);
    if (Text.Set(Section, Key, Value))
        ReplaceFile(Name, Text.SaveToString());
    else
        TSafeFileWriter::ClearLeftover(Name);
}

void TIniFile::WriteInteger(std::string_view Section, std::string_view Key, int Value)
{
    WriteString(Section, Key, std::to_string(Value));
}

void TIniFile::WriteBool(std::string_view Section, std::string_view Key, bool Value)
{
    WriteString(Section, Key, Value ? "1" : "0");
}
