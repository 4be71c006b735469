#include <gtest/gtest.h>

#include "common/CivilDate.h"

namespace {
struct DayCase {
    const char* iso;
    int64_t days;
    int weekday;
};

class Days : public ::testing::TestWithParam<DayCase> {};

TEST_P(Days, IsoTextDayNumberAndWeekdayAgree) {
    const DayCase& c = GetParam();
    int64_t days = -1;
    ASSERT_TRUE(ParseIsoDate(c.iso, days));
    EXPECT_EQ(days, c.days);
    EXPECT_EQ(FormatIsoDate(c.days), c.iso);
    EXPECT_EQ(IsoWeekday(c.days), c.weekday);
    if (c.days * 86400 > int64_t(UINT32_MAX)) return; // beyond the clock's calendar time (2106)
    EXPECT_EQ(DayOfCalendarTime(uint32_t(c.days * 86400)), c.days) << "midnight starts the day";
    if (c.days > 0) {
        EXPECT_EQ(DayOfCalendarTime(uint32_t(c.days * 86400 - 1)), c.days - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Calendar, Days,
                         ::testing::Values(DayCase{"1970-01-01", 0, 4}, DayCase{"2000-02-29", 11016, 2},
                                           DayCase{"2024-03-01", 19783, 5}, DayCase{"2026-12-07", 20794, 1},
                                           DayCase{"2026-12-13", 20800, 7},
                                           DayCase{"9999-12-31", 2932896, 5}));

class BadDates : public ::testing::TestWithParam<const char*> {};

TEST_P(BadDates, AreRefused) {
    int64_t days = 42;
    EXPECT_FALSE(ParseIsoDate(GetParam(), days));
    EXPECT_EQ(days, 42);
}

INSTANTIATE_TEST_SUITE_P(Calendar, BadDates,
                         ::testing::Values("2026-02-29", "1900-02-29", "2026-13-01", "2026-00-10",
                                           "2026-04-31", "1969-12-31", "2026-1-01", "2026/12/09",
                                           "2026-12-09x", "", "20261209", "+026-12-09", "2026-12-0 "));

TEST(CivilDate, EveryDayOfFourCenturiesGoesThereAndBack) {
    for (int64_t d = DaysFromCivil({1970, 1, 1}); d < DaysFromCivil({2370, 1, 1}); d += 13) {
        const CivilDate date = CivilFromDays(d);
        ASSERT_EQ(DaysFromCivil(date), d);
        ASSERT_EQ(IsoWeekday(d + 7), IsoWeekday(d));
    }
}
} // namespace
