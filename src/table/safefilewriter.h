// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a file as a whole or not at all. The new content goes to a
// temporary file beside the target, is flushed to disk and then renamed over
// the target, so the target always holds either its old or its new content.
// On any failure the temporary file is removed and the target is untouched.
//
// A target that is a device (such as /dev/full) cannot be replaced; it is
// written directly. A writable file in a folder that takes no new files is
// rewritten in place: its new size is claimed on disk before a byte of it
// changes, so a full disk still leaves the old content whole.
#pragma once

#include <string>
#include <string_view>

class TSafeFileWriter {
public:
    explicit TSafeFileWriter(const std::string& FileName);
    ~TSafeFileWriter();
    TSafeFileWriter(const TSafeFileWriter&) = delete;
    TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

    void Write(std::string_view Data);
    void Write(char Byte);

    // Puts the new content in place. Returns 0, or the number of the first
    // error met since the file was opened.
    [[nodiscard]] int Commit();

    // The temporary file used while writing FileName: a hidden name beside
    // it that no file of the user's will have. There is only ever one per
    // target: a save that was cut short leaves at most this file behind, and
    // the next save reuses and removes it.
    [[nodiscard]] static std::string TempName(const std::string& FileName);

    // Removes what an interrupted write of FileName left behind; for a write
    // that finds nothing to change.
    static void ClearLeftover(const std::string& FileName);

private:
    void OpenTemporary(const std::string& Target, const struct stat* Existing);
    void OpenDirect(const std::string& Target);
    void OpenInPlace(const std::string& Target);
    void Flush();
    void WriteInPlace();
    void Fail(int ErrorNumber);
    void Discard();

    std::string Target;
    std::string Temp; // empty when writing directly
    std::string Buffer;
    int Fd = -1;
    int FirstError = 0;
    bool InPlace = false; // the whole content waits in Buffer until Commit
    bool Done = false;
};
