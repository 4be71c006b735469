#pragma once
// Shared by every benchmark program: run the registered benchmarks, then report summary figures
// (usually ratios against a baseline measured in the same run). scripts/bench.sh gathers the figures.
#include <map>
#include <string>

// Runs the benchmarks selected on the command line; each one's real time per iteration in nanoseconds,
// by benchmark name.
std::map<std::string, double> RunBenchmarks(int argc, char** argv);

// Prints "figure: NAME: VALUE UNIT" (ratios take the unit "x").
void ReportFigure(const std::string& name, double value, const std::string& unit);

// times[numerator] / times[denominator] as a figure, when both ran.
void ReportRatio(const std::map<std::string, double>& times, const std::string& name,
                 const std::string& numerator, const std::string& denominator);
