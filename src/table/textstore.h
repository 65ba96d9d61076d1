// SPDX-License-Identifier: GPL-3.0-or-later
// Where the texts of a table live: the bytes of the files it was read from,
// in one buffer that the lines are taken apart in, and each text set later
// (by the editor, an import) in a string of its own, so that changing a text
// never moves the others.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Asks for huge pages for a large block of memory: reading a big file spends
// much of its time taking fresh memory page by page otherwise.
void AdviseHugePages(const void* Begin, std::size_t Bytes);

class TTextStore {
public:
    // --- the buffer of read bytes ---
    [[nodiscard]] char* Bytes() { return Buffer.get(); }
    [[nodiscard]] const char* Bytes() const { return Buffer.get(); }
    [[nodiscard]] std::size_t Size() const { return Used; }
    [[nodiscard]] std::size_t Capacity() const { return Allocated; }
    [[nodiscard]] std::string_view View(std::size_t At, std::size_t Length) const { return {Bytes() + At, Length}; }

    // Makes room for at least Total bytes; the bytes in use stay, their
    // address may change. Throws std::bad_alloc.
    void Reserve(std::size_t Total);
    // Takes the first Total bytes as the bytes in use.
    void Resize(std::size_t Total) { Used = Total; }
    // Gives back room that is far beyond the bytes in use.
    void Shrink();

    // --- texts of their own ---
    // Stores Text and returns its number.
    std::uint32_t AddText(std::string_view Text);
    [[nodiscard]] std::string& Text(std::uint32_t Number) { return Texts[Number]; }
    [[nodiscard]] const std::string& Text(std::uint32_t Number) const { return Texts[Number]; }
    // Text Number is no longer used; its place goes to a later text.
    void FreeText(std::uint32_t Number);

    void Clear();

private:
    struct TFree {
        void operator()(char* Bytes) const noexcept { std::free(Bytes); }
    };
    std::unique_ptr<char, TFree> Buffer;
    std::size_t Used = 0;
    std::size_t Allocated = 0;

    // A deque keeps every text where it is when others are added.
    std::deque<std::string> Texts;
    std::vector<std::uint32_t> FreeNumbers;
};
