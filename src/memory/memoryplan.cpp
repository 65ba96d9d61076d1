// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/memoryplan.h"

#include <algorithm>

double RecallAt(const TFsrs& Model, const TFactRecord& Fact, TMoment At)
{
    const double Days = static_cast<double>(At - Fact.LastReview) / 86400.0;
    return Model.Recall(Days, Fact.State.Stability);
}

std::vector<int> OrderByMemory(const TFsrs& Model, TEntryFacts Facts, TMoment At)
{
    struct TRanked {
        double Recall;
        double Stability;
        int Index;
    };
    std::vector<TRanked> Known;
    std::vector<int> Order;
    Order.reserve(Facts.size());
    for (std::size_t Index = 0; Index < Facts.size(); ++Index) {
        if (Facts[Index])
            Known.push_back({RecallAt(Model, *Facts[Index], At), Facts[Index]->State.Stability, static_cast<int>(Index)});
    }
    std::sort(Known.begin(), Known.end(), [](const TRanked& Left, const TRanked& Right) {
        if (Left.Recall != Right.Recall)
            return Left.Recall < Right.Recall;
        if (Left.Stability != Right.Stability)
            return Left.Stability < Right.Stability;
        return Left.Index < Right.Index;
    });
    for (const TRanked& Entry : Known)
        Order.push_back(Entry.Index);
    for (std::size_t Index = 0; Index < Facts.size(); ++Index) {
        if (!Facts[Index])
            Order.push_back(static_cast<int>(Index));
    }
    return Order;
}

TMemorySummary Summarize(const TFsrs& Model, TEntryFacts Facts, TMoment Now, std::optional<TMoment> TestMoment,
                         double Retention)
{
    TMemorySummary Summary;
    Summary.Entries = static_cast<int>(Facts.size());
    const std::int64_t Today = TLocalCalendar::DayOf(Now);
    double RecallSum = 0;
    for (const std::optional<TFactRecord>& Fact : Facts) {
        if (!Fact) {
            ++Summary.New;
            continue;
        }
        ++Summary.Known;
        const double Recall = RecallAt(Model, *Fact, Now);
        RecallSum += Recall;
        ++Summary.RecallLevels[static_cast<std::size_t>(std::clamp(static_cast<int>(Recall * 10), 0, 9))];
        const std::int64_t DueDay = TLocalCalendar::DayOf(Fact->LastReview) + Model.Interval(Fact->State.Stability, Retention);
        if (DueDay <= Today)
            ++Summary.Due;
        if (!Summary.NextDueDay || DueDay < *Summary.NextDueDay)
            Summary.NextDueDay = DueDay;
        if (TestMoment) {
            Summary.ExpectedOnTestDay += RecallAt(Model, *Fact, *TestMoment);
        }
    }
    Summary.MeanRecall = Summary.Known > 0 ? RecallSum / Summary.Known : 0;
    return Summary;
}
