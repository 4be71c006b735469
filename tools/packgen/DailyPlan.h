#pragma once
#include <cstdint>
#include <span>
#include <string_view>

// Pairs made from the calendar: today's pack, ten pairs that every machine makes alike on one UTC day,
// and the endless run of the day, pairs one after another that grow slowly harder. Days are counted from
// 1970-01-01 (common/CivilDate.h).

// What one pair is drawn from: GeneratePair's arguments.
struct PairRequest {
    int theme = 0;
    int difficulty = 3;
    uint64_t seed = 1;
    bool operator==(const PairRequest&) const = default;
};

// The weekly plan: the day's difficulty (1 on Mondays rising to 5 on Sundays) and the themes its pack
// draws from, by ISO weekday 1..7.
struct WeekdayPlan {
    int difficulty;
    std::span<const std::string_view> themes;
};
const WeekdayPlan& PlanOfDay(int64_t day);

constexpr int kTodayPairs = 10;
// Picture `index` (0..9) of the day's pack.
PairRequest TodayPairRequest(int64_t day, int index);
// Stage `index` (0 for the first stage) of the day's endless run.
PairRequest EndlessPairRequest(int64_t day, int index);
// The difficulty of an endless stage: 1 for the first stages, one level more every kEndlessStagesPerLevel.
int EndlessDifficulty(int index);
constexpr int kEndlessStagesPerLevel = 6;
