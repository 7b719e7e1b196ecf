// Runs the registered benchmarks and then checks the figures against the targets
// the project promises, printing one line per target.
#pragma once

#include <functional>
#include <map>
#include <string>

// Real time per iteration, in nanoseconds, by benchmark name ("BM_Recompute/1000").
using BenchmarkTimes = std::map<std::string, double>;

struct Target
{
    std::string description;
    std::function<bool(const BenchmarkTimes &)> met;
};

// Returns the process exit code: 0 when every target is met.
int runBenchmarksAndCheck(int argc, char **argv, const std::initializer_list<Target> &targets);
