// SPDX-License-Identifier: GPL-3.0-or-later
// The memory model on any state, any gap between reviews and any rating:
// states stay within their bounds and chances between 0 and 1.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "memory/fsrs.h"
#include "memory/memoryplan.h"

namespace {

double DoubleAt(const std::uint8_t*& Data, std::size_t& Size)
{
    double Value = 0;
    if (Size >= sizeof Value) {
        std::memcpy(&Value, Data, sizeof Value);
        Data += sizeof Value;
        Size -= sizeof Value;
    }
    return Value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    static const TFsrs Model;
    TMemoryState State{DoubleAt(Data, Size), DoubleAt(Data, Size)};
    bool Started = false;
    for (; Size >= 3; Data += 3, Size -= 3) {
        const auto Rating = static_cast<TRating>(Data[0] % 6); // 0 and 5 are no rating
        const int Days = static_cast<int>(Data[1]) * 256 + Data[2] - 1000;
        State = Started || (Data[0] & 0x80) ? Model.Next(State, Days, Rating) : Model.First(Rating);
        Started = true;
        if (!IsValidState(State))
            std::abort();
        const double Recall = Model.Recall(Days, State.Stability);
        if (!(Recall >= 0 && Recall <= 1))
            std::abort();
        if (Model.Interval(State.Stability, Recall) < 1)
            std::abort();
        const TFactRecord Fact{State, Days * 3600, 1};
        const double Now = RecallAt(Model, Fact, 0);
        if (!(Now >= 0 && Now <= 1))
            std::abort();
    }
    return 0;
}
