// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory/localcalendar.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

// Days from 1970-01-01 to the civil date Year-Month-Day.
std::int64_t DaysFromCivil(std::int64_t Year, unsigned Month, unsigned Day)
{
    Year -= Month <= 2;
    const std::int64_t Era = (Year >= 0 ? Year : Year - 399) / 400;
    const auto YearOfEra = static_cast<unsigned>(Year - Era * 400);
    const unsigned DayOfYear = (153 * (Month + (Month > 2 ? -3 : 9)) + 2) / 5 + Day - 1;
    const unsigned DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
    return Era * 146097 + static_cast<std::int64_t>(DayOfEra) - 719468;
}

void CivilFromDays(std::int64_t Days, int& Year, unsigned& Month, unsigned& Day)
{
    Days += 719468;
    const std::int64_t Era = (Days >= 0 ? Days : Days - 146096) / 146097;
    const auto DayOfEra = static_cast<unsigned>(Days - Era * 146097);
    const unsigned YearOfEra = (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
    const unsigned DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
    const unsigned MonthIndex = (5 * DayOfYear + 2) / 153;
    Day = DayOfYear - (153 * MonthIndex + 2) / 5 + 1;
    Month = MonthIndex < 10 ? MonthIndex + 3 : MonthIndex - 9;
    Year = static_cast<int>(YearOfEra + Era * 400 + (Month <= 2));
}

TMoment SystemNow()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

TLocalCalendar::TLocalCalendar() : Clock(SystemNow) {}

TLocalCalendar::TLocalCalendar(TClock Clock) : Clock(Clock ? std::move(Clock) : TClock(SystemNow)) {}

std::int64_t TLocalCalendar::DayOf(TMoment Moment)
{
    const std::time_t Time = static_cast<std::time_t>(Moment);
    std::tm Local{};
    if (!localtime_r(&Time, &Local))
        return Moment / 86400;
    return DaysFromCivil(Local.tm_year + 1900, static_cast<unsigned>(Local.tm_mon + 1),
                         static_cast<unsigned>(Local.tm_mday));
}

int TLocalCalendar::DaysBetween(TMoment Earlier, TMoment Later)
{
    return static_cast<int>(DayOf(Later) - DayOf(Earlier));
}

TMoment TLocalCalendar::NoonOf(std::int64_t Day)
{
    int Year = 0;
    unsigned Month = 0, DayOfMonth = 0;
    CivilFromDays(Day, Year, Month, DayOfMonth);
    std::tm Local{};
    Local.tm_year = Year - 1900;
    Local.tm_mon = static_cast<int>(Month) - 1;
    Local.tm_mday = static_cast<int>(DayOfMonth);
    Local.tm_hour = 12;
    Local.tm_isdst = -1;
    const std::time_t Time = std::mktime(&Local);
    return Time == static_cast<std::time_t>(-1) ? Day * 86400 + 43200 : static_cast<TMoment>(Time);
}

std::string TLocalCalendar::IsoDate(std::int64_t Day)
{
    int Year = 0;
    unsigned Month = 0, DayOfMonth = 0;
    CivilFromDays(Day, Year, Month, DayOfMonth);
    char Text[32];
    std::snprintf(Text, sizeof Text, "%04d-%02u-%02u", Year, Month, DayOfMonth);
    return Text;
}

std::int64_t TLocalCalendar::ParseIsoDate(const std::string& Text)
{
    int Year = 0;
    unsigned Month = 0, Day = 0;
    char Rest = 0;
    if (Text.size() != 10 || std::sscanf(Text.c_str(), "%4d-%2u-%2u%c", &Year, &Month, &Day, &Rest) != 3)
        return -1;
    if (Year < 1970 || Month < 1 || Month > 12 || Day < 1 || Day > 31)
        return -1;
    const std::int64_t Days = DaysFromCivil(Year, Month, Day);
    int CheckYear = 0;
    unsigned CheckMonth = 0, CheckDay = 0;
    CivilFromDays(Days, CheckYear, CheckMonth, CheckDay);
    return CheckMonth == Month && CheckDay == Day ? Days : -1;
}
