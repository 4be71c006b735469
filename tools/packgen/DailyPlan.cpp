#include "tools/packgen/DailyPlan.h"

#include <algorithm>
#include <array>

#include "common/CivilDate.h"
#include "tools/packgen/DifferenceMaker.h"
#include "tools/packgen/Rng.h"
#include "tools/packgen/Theme.h"

namespace {
using namespace std::string_view_literals;

// Salts keep the two streams of a day apart from each other and from the bundled packs' seeds.
constexpr uint64_t kTodaySalt = 0x7D0A1C5EEDull;
constexpr uint64_t kEndlessSalt = 0xE9D1E55ull;

// The themes of each weekday, grouped as the bundled packs rate them.
constexpr std::array kEasy = {"park"sv, "farm"sv, "seaside"sv};
constexpr std::array kGentle = {"seaside"sv, "kitchen"sv, "beachparty"sv, "farm"sv};
constexpr std::array kMiddle = {"market"sv, "forest"sv, "toyroom"sv, "classroom"sv};
constexpr std::array kFirm = {"classroom"sv, "street"sv, "castle"sv, "kitchen"sv};
constexpr std::array kHard = {"street"sv, "castle"sv, "winter"sv, "library"sv};
constexpr std::array kHardest = {"nightcity"sv, "undersea"sv, "space"sv, "winter"sv};
constexpr std::array kEndless = {"park"sv,       "farm"sv,      "seaside"sv,  "kitchen"sv,
                                 "beachparty"sv, "market"sv,    "forest"sv,   "toyroom"sv,
                                 "classroom"sv,  "street"sv,    "castle"sv,   "winter"sv,
                                 "library"sv,    "nightcity"sv, "undersea"sv, "space"sv};

// Monday first.
const std::array<WeekdayPlan, 7> kWeek = {{
    {1, kEasy},
    {2, kGentle},
    {3, kMiddle},
    {3, kFirm},
    {4, kHard},
    {4, kHard},
    {5, kHardest},
}};

int ThemeIndex(std::span<const std::string_view> themes, uint64_t pick) {
    return FindTheme(themes[pick % themes.size()]);
}
} // namespace

const WeekdayPlan& PlanOfDay(int64_t day) {
    return kWeek[size_t(IsoWeekday(day) - 1)];
}

PairRequest TodayPairRequest(int64_t day, int index) {
    const WeekdayPlan& plan = PlanOfDay(day);
    const uint64_t packSeed = MixSeed(kTodaySalt, uint64_t(day));
    // The themes take turns from a place of the day's choosing, so that neighbouring pictures differ.
    const int theme = ThemeIndex(plan.themes, (packSeed >> 8) + uint64_t(index));
    return {theme, plan.difficulty, MixSeed(packSeed, uint64_t(index)) >> 16};
}

int EndlessDifficulty(int index) {
    return std::min(kMinDifficulty + index / kEndlessStagesPerLevel, kMaxDifficulty);
}

PairRequest EndlessPairRequest(int64_t day, int index) {
    const uint64_t runSeed = MixSeed(kEndlessSalt, uint64_t(day));
    const uint64_t pairSeed = MixSeed(runSeed, uint64_t(index));
    return {ThemeIndex(kEndless, pairSeed >> 40), EndlessDifficulty(index), pairSeed >> 16};
}
