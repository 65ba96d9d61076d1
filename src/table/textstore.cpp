// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/textstore.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

void AdviseHugePages(const void* Begin, std::size_t Bytes)
{
    constexpr std::size_t Worthwhile = 4u << 20;
    if (Bytes < Worthwhile)
        return;
    const auto Page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto First = (reinterpret_cast<std::uintptr_t>(Begin) + Page - 1) & ~(Page - 1);
    const auto Last = (reinterpret_cast<std::uintptr_t>(Begin) + Bytes) & ~(Page - 1);
    if (Last > First)
        ::madvise(reinterpret_cast<void*>(First), Last - First, MADV_HUGEPAGE);
}

void TTextStore::Reserve(std::size_t Total)
{
    if (Total <= Allocated)
        return;
    void* Grown = std::realloc(Buffer.get(), Total);
    if (Grown == nullptr)
        throw std::bad_alloc();
    (void)Buffer.release();
    Buffer.reset(static_cast<char*>(Grown));
    Allocated = Total;
    AdviseHugePages(Grown, Total);
}

void TTextStore::Shrink()
{
    constexpr std::size_t Slack = 1u << 20;
    if (Allocated - Used < Slack || Allocated - Used < Allocated / 8)
        return;
    if (Used == 0) {
        Buffer.reset();
        Allocated = 0;
        return;
    }
    if (void* Shrunk = std::realloc(Buffer.get(), Used)) {
        (void)Buffer.release();
        Buffer.reset(static_cast<char*>(Shrunk));
        Allocated = Used;
    }
}

std::uint32_t TTextStore::AddText(std::string_view Text)
{
    if (!FreeNumbers.empty()) {
        const std::uint32_t Number = FreeNumbers.back();
        Texts[Number].assign(Text);
        FreeNumbers.pop_back();
        return Number;
    }
    Texts.emplace_back(Text);
    return static_cast<std::uint32_t>(Texts.size() - 1);
}

void TTextStore::FreeText(std::uint32_t Number)
{
    FreeNumbers.push_back(Number);
    std::string().swap(Texts[Number]);
}

void TTextStore::Clear()
{
    Buffer.reset();
    Used = 0;
    Allocated = 0;
    Texts.clear();
    FreeNumbers.clear();
}
