#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Days counted from 1970-01-01 in the proleptic Gregorian calendar, the UTC day of a calendar time, and
// the ISO form YYYY-MM-DD of a day. Today's pack and its ranking are named by such a day, so that every
// machine that plays on one UTC day plays the same pack.
struct CivilDate {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    bool operator==(const CivilDate&) const = default;
};

int64_t DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(int64_t days);
// The UTC day a calendar time (seconds since 1970-01-01 00:00 UTC) falls on.
int64_t DayOfCalendarTime(uint32_t seconds);
// 1 Monday .. 7 Sunday.
int IsoWeekday(int64_t days);
// Exactly "YYYY-MM-DD" of a real date of the years 1970..9999; false for anything else.
bool ParseIsoDate(std::string_view text, int64_t& days);
std::string FormatIsoDate(int64_t days);
