#include "common/CivilDate.h"

#include <cstdio>

namespace {
constexpr int64_t kSecondsPerDay = 86400;
constexpr int kFirstYear = 1970, kLastYear = 9999;
constexpr int kDaysPerWeek = 7;
constexpr int kThursday = 4; // 1970-01-01

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool ReadDigits(std::string_view text, size_t at, size_t count, int& value) {
    value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}
} // namespace

// Howard Hinnant's days-from-civil: eras of 400 years, each 146097 days long, with March as the first month
// so that the leap day ends the year.
int64_t DaysFromCivil(const CivilDate& date) {
    const int64_t y = date.year - (date.month <= 2);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (date.month + (date.month > 2 ? -3 : 9)) + 2) / 5 + date.day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(int64_t days) {
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    return {int(yearOfEra + era * 400 + (month <= 2)), month, day};
}

int64_t DayOfCalendarTime(uint32_t seconds) {
    return int64_t(seconds) / kSecondsPerDay;
}

int IsoWeekday(int64_t days) {
    const int64_t fromMonday = (days + kThursday - 1) % kDaysPerWeek;
    return int(fromMonday < 0 ? fromMonday + kDaysPerWeek : fromMonday) + 1;
}

bool ParseIsoDate(std::string_view text, int64_t& days) {
    CivilDate date;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !ReadDigits(text, 0, 4, date.year) ||
        !ReadDigits(text, 5, 2, date.month) || !ReadDigits(text, 8, 2, date.day))
        return false;
    if (date.year < kFirstYear || date.year > kLastYear || date.month < 1 || date.month > 12 ||
        date.day < 1 || date.day > DaysInMonth(date.year, date.month))
        return false;
    days = DaysFromCivil(date);
    return true;
}

std::string FormatIsoDate(int64_t days) {
    const CivilDate date = CivilFromDays(days);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}
