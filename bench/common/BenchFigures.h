#pragma once
// Shared by every benchmark program: run the registered benchmarks, then report summary figures
// (usually ratios against a baseline measured in the same run). scripts/bench.sh gathers the figures.
#include <map>
#include <string>

// Per iteration, in nanoseconds.
struct BenchTiming {
    double real = 0;
    double cpu = 0;
};
using BenchTimes = std::map<std::string, BenchTiming>;

// Runs the benchmarks selected on the command line; each one's times by benchmark name (of a repeated
// benchmark, its fastest run).
BenchTimes RunBenchmarks(int argc, char** argv);

// Prints "figure: NAME: VALUE UNIT" (ratios take the unit "x").
void ReportFigure(const std::string& name, double value, const std::string& unit);

// The real-time ratio numerator / denominator as a figure, when both ran.
void ReportRatio(const BenchTimes& times, const std::string& name, const std::string& numerator,
                 const std::string& denominator);
