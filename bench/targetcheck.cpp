#include "targetcheck.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

class RecordingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times[run.benchmark_name()] =
                    run.GetAdjustedRealTime() *
                    benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                    benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    BenchmarkTimes times;
};

} // namespace

int runBenchmarksAndCheck(int argc, char **argv, const std::initializer_list<Target> &targets)
{
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    int failures = 0;
    for (const Target &target : targets) {
        bool met = false;
        try {
            met = target.met(reporter.times);
        } catch (const std::out_of_range &) {
            std::printf("target not measured: %s\n", target.description.c_str());
            continue;
        }
        std::printf("%s: %s\n", met ? "target met" : "TARGET MISSED", target.description.c_str());
        failures += met ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
