// Figures of the pairs made while the game runs: how long after choosing an entry its first pair is ready
// (with an empty cache, and from the cache of an earlier run), and how many pairs one core makes a second.
#include <algorithm>
#include <chrono>
#include <sched.h>
#include <string>
#include <thread>
#include <vector>

#include "bench/common/BenchFigures.h"
#include "pairmaker/PairMaker.h"
#include "pairmaker/PairMaking.h"
#include "tests/support/TestFiles.h"

namespace {
using Clock = std::chrono::steady_clock;
constexpr int64_t kFirstDay = 20794; // Monday 2026-12-07
constexpr int kDays = 7;             // a week of today's packs: every difficulty of the plan once
constexpr int kPairsPerCoreRun = 12;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// From Prepare to the first successful Take, polled as the frames do (every millisecond here).
double TimeToFirstPair(const std::string& cache, int64_t day) {
    PairMaker maker(cache);
    MadePair pair;
    pair.Reserve();
    const auto start = Clock::now();
    maker.Prepare(MadeStream::Today, day, 0);
    while (!maker.Take({MadeStream::Today, day, 0}, pair))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return Milliseconds(Clock::now() - start);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main() {
    TempDir dir;
    std::vector<double> cold, cached, coldWorst;
    for (int d = 0; d < kDays; ++d) {
        const std::string folder = dir.Path("made-" + std::to_string(d));
        cold.push_back(TimeToFirstPair(folder, kFirstDay + d));
        cached.push_back(TimeToFirstPair(folder, kFirstDay + d));
    }
    ReportFigure("made_first_pair_median_of_week", Median(cold), "ms");
    ReportFigure("made_first_pair_slowest_day", *std::max_element(cold.begin(), cold.end()), "ms");
    ReportFigure("made_first_pair_from_cache", Median(cached), "ms");

    // One core: the calling thread pinned to the first processor it may use, pairs made one after another
    // across the endless run's levels.
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    sched_getaffinity(0, sizeof cpus, &cpus);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (!CPU_ISSET(cpu, &cpus)) continue;
        CPU_ZERO(&cpus);
        CPU_SET(cpu, &cpus);
        sched_setaffinity(0, sizeof cpus, &cpus);
        break;
    }
    const PairCache none("");
    const auto start = Clock::now();
    for (int i = 0; i < kPairsPerCoreRun; ++i) {
        MadeResult result;
        std::string error;
        // Stages 0, 3, 6 ...: every level of the endless run.
        if (!MakeVerifiedPair({MadeStream::Endless, kFirstDay, i * 3}, none, result, error)) return 1;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    ReportFigure("made_pairs_per_second_one_core", kPairsPerCoreRun / seconds, "pairs/s");
    return 0;
}
