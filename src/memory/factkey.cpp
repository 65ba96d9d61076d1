// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/factkey.h"

namespace {

constexpr std::uint64_t FnvOffset = 14695981039346656037ull;
constexpr std::uint64_t FnvPrime = 1099511628211ull;

std::uint64_t Mix(std::uint64_t Hash, std::string_view Text)
{
    for (const char Byte : Text) {
        Hash ^= static_cast<unsigned char>(Byte);
        Hash *= FnvPrime;
    }
    // The length ends the text, so that no two pairs run into one another.
    for (std::uint64_t Length = Text.size(), Step = 0; Step < 8; ++Step, Length >>= 8) {
        Hash ^= Length & 0xFF;
        Hash *= FnvPrime;
    }
    return Hash;
}

// Spreads every input bit over the whole key.
std::uint64_t Finish(std::uint64_t Hash)
{
    Hash ^= Hash >> 30;
    Hash *= 0xbf58476d1ce4e5b9ull;
    Hash ^= Hash >> 27;
    Hash *= 0x94d049bb133111ebull;
    Hash ^= Hash >> 31;
    return Hash;
}

} // namespace

TFactKey FactKey(std::string_view QuestionUtf8, std::string_view AnswerUtf8, bool Reversed)
{
    std::uint64_t Hash = Mix(Mix(FnvOffset, QuestionUtf8), AnswerUtf8);
    Hash ^= Reversed ? 2 : 1;
    Hash *= FnvPrime;
    return static_cast<TFactKey>(Finish(Hash));
}
