// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar days, fact identity, the order by memory and how a quiz round
// follows it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <set>
#include <string>

#include "memory/factkey.h"
#include "memory/localcalendar.h"
#include "memory/memoryplan.h"
#include "table/questionlist.h"

namespace {

// Runs a test in a time zone with summer time.
class TAmsterdamTime {
public:
    TAmsterdamTime()
    {
        if (const char* Old = std::getenv("TZ"))
            Saved = Old;
        setenv("TZ", "Europe/Amsterdam", 1);
        tzset();
    }
    ~TAmsterdamTime()
    {
        if (Saved.empty())
            unsetenv("TZ");
        else
            setenv("TZ", Saved.c_str(), 1);
        tzset();
    }

private:
    std::string Saved;
};

constexpr TMoment Day = 86400;
// 2026-12-10 12:00 in Amsterdam (11:00 UTC).
constexpr TMoment Noon = 1796900400;

TFactRecord FactOf(double Stability, TMoment LastReview)
{
    return {{5, Stability}, LastReview, 1};
}

} // namespace

TEST(LocalCalendar, CountsWholeLocalDays)
{
    TAmsterdamTime Zone;
    EXPECT_EQ(TLocalCalendar::IsoDate(TLocalCalendar::DayOf(Noon)), "2026-12-10");
    const struct {
        TMoment Earlier, Later;
        int Days;
    } Cases[] = {
        {Noon, Noon + 3600, 0},
        {Noon - 11 * 3600 + 60, Noon + 11 * 3600 + 59 * 60, 0}, // 00:01 to 23:59 the same day
        {Noon + 11 * 3600 + 59 * 60, Noon + 12 * 3600 + 60, 1},  // 23:59 to 00:01: a day later
        {Noon, Noon + 3 * Day, 3},
        {Noon + Day, Noon, -1},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(TLocalCalendar::DaysBetween(Case.Earlier, Case.Later), Case.Days)
            << Case.Earlier << " " << Case.Later;
    // The night summer time ends has 25 hours and is still one day.
    const std::int64_t October = TLocalCalendar::ParseIsoDate("2026-10-24");
    ASSERT_GT(October, 0);
    EXPECT_EQ(TLocalCalendar::DaysBetween(TLocalCalendar::NoonOf(October), TLocalCalendar::NoonOf(October + 1)), 1);
    EXPECT_EQ(TLocalCalendar::NoonOf(October + 1) - TLocalCalendar::NoonOf(October), Day + 3600);
}

TEST(LocalCalendar, ReadsAndWritesIsoDates)
{
    EXPECT_EQ(TLocalCalendar::IsoDate(TLocalCalendar::ParseIsoDate("2027-02-28")), "2027-02-28");
    EXPECT_EQ(TLocalCalendar::ParseIsoDate("2027-02-28") + 1, TLocalCalendar::ParseIsoDate("2027-03-01"));
    for (const char* Wrong : {"", "2027-02-29", "2027-13-01", "27-02-28", "2027-02-28x", "vrijdag"})
        EXPECT_EQ(TLocalCalendar::ParseIsoDate(Wrong), -1) << Wrong;
    TLocalCalendar Calendar([] { return TMoment{1234}; });
    EXPECT_EQ(Calendar.Now(), 1234);
}

TEST(FactKey, TheSamePairIsTheSameFactInEachDirection)
{
    const TFactKey Key = FactKey("huis", "house", false);
    EXPECT_EQ(FactKey("huis", "house", false), Key);
    EXPECT_NE(FactKey("huis", "house", true), Key);
    EXPECT_NE(FactKey("house", "huis", false), Key);
    EXPECT_NE(FactKey("huis", "House", false), Key); // an edited text starts afresh
    EXPECT_NE(FactKey("huish", "ouse", false), Key); // texts do not run into one another
    EXPECT_NE(FactKey("caf\xc3\xa9", "", false), FactKey("cafe", "", false));
    std::set<TFactKey> Keys;
    for (int Entry = 0; Entry < 100000; ++Entry)
        Keys.insert(FactKey("woord " + std::to_string(Entry), "word", false));
    EXPECT_EQ(Keys.size(), 100000u);
}

TEST(MemoryOrder, LeastLikelyRecalledFirstThenNeverAsked)
{
    const TFsrs Model;
    const std::vector<std::optional<TFactRecord>> Facts = {
        std::nullopt,                     // 0: never asked
        FactOf(10, Noon - 2 * Day),       // 1: recall high
        FactOf(1, Noon - 5 * Day),        // 2: recall lowest
        std::nullopt,                     // 3: never asked
        FactOf(3, Noon - 3 * Day),        // 4: 90 %
        FactOf(2, Noon),                  // 5: just asked
        FactOf(1, Noon),                  // 6: just asked, less stable than 5
    };
    EXPECT_EQ(OrderByMemory(Model, Facts, Noon), (std::vector<int>{2, 4, 1, 6, 5, 0, 3}));
    // A month on, the stable memory that was asked today has fallen below
    // the one asked two days ago.
    const std::vector<int> Later = OrderByMemory(Model, Facts, Noon + 30 * Day);
    EXPECT_EQ(Later.front(), 2);
    EXPECT_EQ(std::vector<int>(Later.end() - 2, Later.end()), (std::vector<int>{0, 3}));
    EXPECT_TRUE(OrderByMemory(Model, {}, Noon).empty());
}

TEST(MemoryOrder, SummaryCountsDueNewAndTheTestDay)
{
    TAmsterdamTime Zone;
    const TFsrs Model;
    const std::vector<std::optional<TFactRecord>> Facts = {
        std::nullopt,
        FactOf(1, Noon - 2 * Day),  // interval 1 day: due
        FactOf(3, Noon - 3 * Day),  // interval 3 days: due today
        FactOf(10, Noon - Day),     // due in 9 days
        FactOf(2.3, Noon - Day / 2), // due tomorrow (interval 2 from yesterday)
    };
    const TMemorySummary Now = Summarize(Model, Facts, Noon);
    EXPECT_EQ(Now.Entries, 5);
    EXPECT_EQ(Now.New, 1);
    EXPECT_EQ(Now.Known, 4);
    EXPECT_EQ(Now.Due, 2);
    ASSERT_TRUE(Now.NextDueDay);
    EXPECT_EQ(*Now.NextDueDay, TLocalCalendar::DayOf(Noon - 2 * Day) + 1);
    EXPECT_GT(Now.MeanRecall, 0.8);
    EXPECT_LT(Now.MeanRecall, 1.0);
    int Levelled = 0;
    for (const int Level : Now.RecallLevels)
        Levelled += Level;
    EXPECT_EQ(Levelled, 4);
    EXPECT_EQ(Now.RecallLevels[9], 3); // 90 % and more; the 3-day one stands at exactly 90 %

    const TMemorySummary Test = Summarize(Model, Facts, Noon, Noon + 7 * Day);
    double Expected = 0;
    for (const auto& Fact : Facts)
        Expected += Fact ? RecallAt(Model, *Fact, Noon + 7 * Day) : 0;
    EXPECT_DOUBLE_EQ(Test.ExpectedOnTestDay, Expected);
    EXPECT_LT(Test.ExpectedOnTestDay, Now.MeanRecall * 4);
    EXPECT_EQ(Now.ExpectedOnTestDay, 0); // no test date, no prediction
}

namespace {

TQuestionlist TableOf(int Entries)
{
    TQuestionlist List;
    for (int Entry = 0; Entry < Entries; ++Entry)
        List.Add("vraag " + std::to_string(Entry), "antwoord " + std::to_string(Entry));
    return List;
}

std::vector<int> AskRound(TQuestionlist& List, const std::vector<int>& WrongOnce)
{
    std::vector<int> Asked;
    std::set<int> Failed;
    std::string Question;
    for (List.NextQuestion(Question); !Question.empty() && Asked.size() < 100; List.NextQuestion(Question)) {
        Asked.push_back(List.Current);
        const bool Wrong = std::count(WrongOnce.begin(), WrongOnce.end(), List.Current) > 0 &&
                           Failed.insert(List.Current).second;
        List.RegisterResult(Wrong ? arWrong : arRight);
    }
    return Asked;
}

} // namespace

TEST(MemoryOrder, ARoundFollowsItWithRepeatAndSample)
{
    const struct {
        const char* Name;
        bool RepeatErrors;
        bool UseSample;
        int SampleSize;
        std::vector<int> WrongOnce;
        std::vector<int> Expected;
    } Cases[] = {
        {"whole table", false, false, 20, {}, {4, 2, 0, 5, 1, 3}},
        {"wrong ones are not repeated", false, false, 20, {2}, {4, 2, 0, 5, 1, 3}},
        {"wrong ones come back", true, false, 20, {2, 5}, {4, 2, 0, 5, 1, 3, 2, 5}},
        {"sample of the least likely", false, true, 3, {}, {4, 2, 0}},
        {"sample with repeats", true, true, 3, {4}, {4, 2, 0, 4}},
        {"sample larger than the table", false, true, 20, {}, {4, 2, 0, 5, 1, 3}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TQuestionlist List = TableOf(6);
        int Starts = 0;
        List.Hooks.SessionStarting = [&] {
            ++Starts;
            List.MemoryOrder = {4, 2, 0, 5, 1, 3};
        };
        List.RepeatErrors = Case.RepeatErrors;
        List.UseSample = Case.UseSample;
        List.SampleSize = Case.SampleSize;
        List.StartSession();
        EXPECT_EQ(Starts, 1);
        EXPECT_EQ(AskRound(List, Case.WrongOnce), Case.Expected);
        EXPECT_EQ(List.Rest, 0);
        EXPECT_EQ(List.Sessions, 1);
    }
}

TEST(MemoryOrder, HooksSeeEveryChoiceAndVerdict)
{
    TQuestionlist List = TableOf(5);
    List.Sequential = true;
    std::vector<int> Chosen;
    std::vector<std::tuple<int, int, bool>> Verdicts;
    List.Hooks.QuestionChosen = [&](int Index) { Chosen.push_back(Index); };
    List.Hooks.VerdictCounted = [&](int Index, int Result, bool Helped) { Verdicts.emplace_back(Index, Result, Helped); };
    List.StartSession();
    std::string Question;
    List.NextQuestion(Question);
    List.RegisterResult(arRight);
    List.NextQuestion(Question);
    // A hint: asked again, counted wrong once; the answer after it is helped.
    List.AskAgain();
    List.RegisterResult(arWrong);
    List.NextQuestion(Question);
    List.RegisterResult(arMisspelled);
    List.NextQuestion(Question);
    List.RegisterResult(arWrong);
    EXPECT_EQ(Chosen, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(List.Rest, 2);
    const std::vector<std::tuple<int, int, bool>> Expected = {
        {0, arRight, false}, {1, arWrong, true}, {1, arMisspelled, true}, {2, arWrong, false}};
    EXPECT_EQ(Verdicts, Expected);
}

TEST(MemoryOrder, AnOrderOfRemovedEntriesEndsTheRound)
{
    TQuestionlist List = TableOf(4);
    List.Hooks.SessionStarting = [&] { List.MemoryOrder = {3, 2, 1, 0}; };
    List.StartSession();
    std::string Question;
    List.NextQuestion(Question);
    EXPECT_EQ(List.Current, 3);
    List.RegisterResult(arRight);
    List.Delete(0);
    List.Delete(0);
    List.Delete(0); // only the entry asked is left
    List.NextQuestion(Question);
    EXPECT_TRUE(Question.empty());
    EXPECT_EQ(List.Rest, 0);
}
