#include "bench/common/BenchFigures.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {
double ToNanoseconds(double value, benchmark::TimeUnit unit) {
    switch (unit) {
    case benchmark::kSecond:
        return value * 1e9;
    case benchmark::kMillisecond:
        return value * 1e6;
    case benchmark::kMicrosecond:
        return value * 1e3;
    default:
        return value;
    }
}

// Prints as usual and keeps each benchmark's time; of repeated runs the fastest, the one least disturbed
// by other work on the machine.
class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    explicit CollectingReporter(BenchTimes& times) : ConsoleReporter(OO_None), times_(times) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
            const BenchTiming timing{ToNanoseconds(run.GetAdjustedRealTime(), run.time_unit),
                                     ToNanoseconds(run.GetAdjustedCPUTime(), run.time_unit)};
            const auto [it, added] = times_.try_emplace(run.run_name.function_name, timing);
            if (!added && timing.real < it->second.real) it->second = timing;
        }
    }

  private:
    BenchTimes& times_;
};
} // namespace

BenchTimes RunBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    BenchTimes times;
    CollectingReporter reporter(times);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return times;
}

void ReportFigure(const std::string& name, double value, const std::string& unit) {
    std::printf("figure: %s: %.3f %s\n", name.c_str(), value, unit.c_str());
}

void ReportRatio(const BenchTimes& times, const std::string& name, const std::string& numerator,
                 const std::string& denominator) {
    const auto n = times.find(numerator);
    const auto d = times.find(denominator);
    if (n != times.end() && d != times.end() && d->second.real > 0)
        ReportFigure(name, n->second.real / d->second.real, "x");
}
