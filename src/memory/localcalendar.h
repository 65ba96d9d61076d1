// SPDX-License-Identifier: GPL-3.0-or-later
// The learner's calendar: moments as seconds since 1970 (UTC), days as the
// local calendar's days, and a clock that tests can set.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

using TMoment = std::int64_t; // seconds since 1970-01-01 00:00 UTC

class TLocalCalendar {
public:
    using TClock = std::function<TMoment()>;

    // On the system clock.
    TLocalCalendar();
    explicit TLocalCalendar(TClock Clock);

    [[nodiscard]] TMoment Now() const { return Clock(); }
    void SetClock(TClock NewClock) { Clock = std::move(NewClock); }

    // The local calendar day of Moment, counted from 1970-01-01.
    [[nodiscard]] static std::int64_t DayOf(TMoment Moment);
    // Whole local calendar days from Earlier to Later (0 on the same day).
    [[nodiscard]] static int DaysBetween(TMoment Earlier, TMoment Later);
    // Noon of the local day Day, as a moment.
    [[nodiscard]] static TMoment NoonOf(std::int64_t Day);
    // Day as "jjjj-mm-dd".
    [[nodiscard]] static std::string IsoDate(std::int64_t Day);
    // "jjjj-mm-dd" to a day; -1 when Text is no such date.
    [[nodiscard]] static std::int64_t ParseIsoDate(const std::string& Text);

private:
    TClock Clock;
};
