// SPDX-License-Identifier: GPL-3.0-or-later
// What the memory says about the entries of a table: the order to ask them
// in, and how the table stands now and on a test date.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "memory/fsrs.h"
#include "memory/memorystore.h"

using TEntryFacts = std::span<const std::optional<TFactRecord>>;

// The chance that Fact is recalled at moment At.
[[nodiscard]] double RecallAt(const TFsrs& Model, const TFactRecord& Fact, TMoment At);

// The entries' indexes: first those with a memory, least likely recalled at
// At first (a less stable memory first when the chances are equal, then
// table order), then the entries never asked, in table order.
[[nodiscard]] std::vector<int> OrderByMemory(const TFsrs& Model, TEntryFacts Facts, TMoment At);

struct TMemorySummary {
    int Entries = 0;
    int Known = 0;        // entries with a memory
    int New = 0;          // never asked
    int Due = 0;          // their interval for the desired retention has passed
    double MeanRecall = 0; // over the entries with a memory, now
    std::optional<std::int64_t> NextDueDay; // the first local day an entry falls due
    // With a test date: the entries expected to be recalled on it (the
    // chances summed; entries never asked count 0).
    double ExpectedOnTestDay = 0;
    // Entries per tenth of the chance of recall now: [0] below 10 %, ...,
    // [9] 90 % and more.
    std::array<int, 10> RecallLevels{};
};

[[nodiscard]] TMemorySummary Summarize(const TFsrs& Model, TEntryFacts Facts, TMoment Now,
                                       std::optional<TMoment> TestMoment = std::nullopt,
                                       double Retention = DefaultRetention);
