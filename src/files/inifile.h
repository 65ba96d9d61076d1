// SPDX-License-Identifier: GPL-3.0-or-later
// A small initialisation file ("key=value" lines in "[section]"s) that keeps
// everything it does not write byte for byte: comments, blank lines, unknown
// keys and their order. Plain C++ without Qt, so that it can be driven on
// arbitrary bytes.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A key could not be written; the file on disk is left as it was.
class EIniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TIniFile {
public:
    // Files above this size are not ours: they read as empty and are never
    // rewritten.
    static constexpr std::size_t MaxFileSize = 4u << 20;
    // Longer lines are kept but never taken for a section or a key.
    static constexpr std::size_t MaxLineLength = 8192;
    // A string value is read up to this many characters.
    static constexpr std::size_t MaxValueLength = 2047;

    // An object on the file FileName; the file need not exist.
    explicit TIniFile(std::string FileName);

    [[nodiscard]] const std::string& FileName() const { return Name; }

    // Reading goes to the file each time and never fails: a missing or
    // unreadable file, section or key, or a value that is no number, gives
    // Default.
    [[nodiscard]] std::string ReadString(std::string_view Section, std::string_view Key,
                                         std::string_view Default) const;
    [[nodiscard]] int ReadInteger(std::string_view Section, std::string_view Key, int Default) const;
    [[nodiscard]] bool ReadBool(std::string_view Section, std::string_view Key, bool Default) const;

    // Each write goes to disk at once, through a temporary file beside the
    // settings file that replaces it in one step. Raises EIniWriteError.
    void WriteString(std::string_view Section, std::string_view Key, std::string_view Value);
    void WriteInteger(std::string_view Section, std::string_view Key, int Value);
    void WriteBool(std::string_view Section, std::string_view Key, bool Value);

private:
    std::string Name;
};

// The text of one initialisation file in memory, line by line with each
// line's own ending, so that writing it back reproduces the untouched lines
// exactly.
class TIniText {
public:
    TIniText() = default;
    explicit TIniText(std::string_view Bytes) { LoadFromString(Bytes); }

    // Takes any bytes; binary or broken lines are kept and never matched.
    void LoadFromString(std::string_view Bytes);
    [[nodiscard]] std::string SaveToString() const;

    // The value of Key in Section (names without regard to ASCII case), cut
    // to MaxValueLength characters; false when there is no such key.
    [[nodiscard]] bool Find(std::string_view Section, std::string_view Key, std::string& Value) const;

    // Sets Key in Section where it stands, or appends it to the end of its
    // section, or appends the section to the end of the text. Returns false
    // when the text already held exactly this value (nothing changed).
    bool Set(std::string_view Section, std::string_view Key, std::string_view Value);

private:
    struct TLine {
        std::string Text;   // without its ending
        std::string Ending; // "\r\n", "\n" or "" for a last line without one
    };
    std::vector<TLine> Lines;

    [[nodiscard]] std::string NewLineEnding() const;
    [[nodiscard]] std::ptrdiff_t FindSection(std::string_view Section) const;
    [[nodiscard]] std::ptrdiff_t FindKey(std::size_t SectionLine, std::string_view Key,
                                         std::string& Value) const;
    [[nodiscard]] std::size_t SectionEnd(std::size_t SectionLine) const;
};

// Whole-number reading of a settings value: decimal, or hexadecimal when the
// text is longer than two characters and begins with "0x" or "0X". False when
// the text is no number that fits an int.
[[nodiscard]] bool ParseIniInteger(std::string_view Text, int& Value);
