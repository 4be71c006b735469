#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "common/CivilDate.h"
#include "tools/packgen/DailyPlan.h"
#include "tools/packgen/DifferenceMaker.h"
#include "tools/packgen/PackBuilder.h"
#include "tools/packgen/PackReader.h"
#include "tools/packgen/Theme.h"

namespace {
int64_t Day(const char* iso) {
    int64_t days = 0;
    EXPECT_TRUE(ParseIsoDate(iso, days)) << iso;
    return days;
}

struct WeekdayCase {
    const char* iso;
    int difficulty;
};

class WeeklyPlan : public ::testing::TestWithParam<WeekdayCase> {};

// A week from Monday 2026-12-07: easy on Monday, five stars on Sunday, never easier later in the week.
TEST_P(WeeklyPlan, DifficultyFollowsTheWeekdayAndEveryPictureKeepsToTheDaysThemes) {
    const int64_t day = Day(GetParam().iso);
    const WeekdayPlan& plan = PlanOfDay(day);
    EXPECT_EQ(plan.difficulty, GetParam().difficulty);
    EXPECT_EQ(PlanOfDay(day + 7).difficulty, plan.difficulty) << "the plan repeats weekly";
    std::set<int> themes;
    for (int i = 0; i < kTodayPairs; ++i) {
        const PairRequest r = TodayPairRequest(day, i);
        EXPECT_EQ(r.difficulty, plan.difficulty);
        ASSERT_GE(r.theme, 0);
        EXPECT_NE(std::find(plan.themes.begin(), plan.themes.end(), Themes()[size_t(r.theme)].name),
                  plan.themes.end());
        themes.insert(r.theme);
    }
    EXPECT_GT(themes.size(), 1u) << "a pack mixes the day's themes";
}

INSTANTIATE_TEST_SUITE_P(Week, WeeklyPlan,
                         ::testing::Values(WeekdayCase{"2026-12-07", 1}, WeekdayCase{"2026-12-08", 2},
                                           WeekdayCase{"2026-12-09", 3}, WeekdayCase{"2026-12-10", 3},
                                           WeekdayCase{"2026-12-11", 4}, WeekdayCase{"2026-12-12", 4},
                                           WeekdayCase{"2026-12-13", 5}));

TEST(DailyPlan, EveryThemeNamedByThePlanExists) {
    for (int weekday = 0; weekday < 7; ++weekday)
        for (std::string_view name : PlanOfDay(Day("2026-12-07") + weekday).themes)
            EXPECT_GE(FindTheme(name), 0) << name;
}

TEST(DailyPlan, TheSameDayAsksForTheSamePairsAndOtherDaysOrStreamsForOthers) {
    const int64_t day = Day("2026-12-09");
    std::set<uint64_t> seeds;
    for (int i = 0; i < kTodayPairs; ++i) {
        EXPECT_EQ(TodayPairRequest(day, i), TodayPairRequest(day, i));
        seeds.insert(TodayPairRequest(day, i).seed);
        seeds.insert(TodayPairRequest(day + 7, i).seed); // the same weekday of the next week
        seeds.insert(EndlessPairRequest(day, i).seed);
    }
    EXPECT_EQ(seeds.size(), size_t(3 * kTodayPairs));
}

struct EndlessCase {
    int index;
    int difficulty;
};

class EndlessLevels : public ::testing::TestWithParam<EndlessCase> {};

TEST_P(EndlessLevels, RiseSlowlyToFiveAndStay) {
    EXPECT_EQ(EndlessDifficulty(GetParam().index), GetParam().difficulty);
    EXPECT_EQ(EndlessPairRequest(Day("2026-12-09"), GetParam().index).difficulty, GetParam().difficulty);
}

INSTANTIATE_TEST_SUITE_P(Run, EndlessLevels,
                         ::testing::Values(EndlessCase{0, 1}, EndlessCase{5, 1}, EndlessCase{6, 2},
                                           EndlessCase{17, 3}, EndlessCase{23, 4}, EndlessCase{24, 5},
                                           EndlessCase{499, 5}, EndlessCase{1 << 20, 5}));

// The day's pack holds exactly the pairs the game makes for that day, in order.
TEST(DailyPlan, TheDaysPackIsItsTenRequestedPairs) {
    const int64_t day = Day("2026-12-07");
    std::vector<uint8_t> archive;
    std::string error;
    ASSERT_TRUE(BuildTodayPack(day, nullptr, archive, error)) << error;
    PackReader reader;
    ASSERT_TRUE(reader.Load(archive, error)) << error;
    ASSERT_EQ(reader.Pictures().size(), size_t(kTodayPairs));
    for (int i : {0, kTodayPairs - 1}) {
        const PairRequest r = TodayPairRequest(day, i);
        GeneratedPair pair;
        ASSERT_TRUE(GeneratePair(r.theme, r.difficulty, r.seed, pair, error)) << error;
        std::vector<uint8_t> entry;
        ASSERT_TRUE(reader.Read(PackEntryStem(i) + ".jpg", entry));
        EXPECT_EQ(entry, pair.jpeg) << i;
    }
}

TEST(DailyPlan, AStopRequestEndsTheSearchAsAFailure) {
    std::stop_source stop;
    stop.request_stop();
    GeneratedPair pair;
    std::string error;
    EXPECT_FALSE(GeneratePair(FindTheme("park"), 1, 5, pair, error, stop.get_token()));
    EXPECT_EQ(error, "stopped");
    EXPECT_TRUE(pair.jpeg.empty());
}
} // namespace
