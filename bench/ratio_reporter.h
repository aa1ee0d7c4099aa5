#pragma once
// Console output as usual, plus the ratio of each named pair of benchmarks.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tidemark::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    using Pair = std::pair<std::string, std::string>;  // measured, baseline
    explicit RatioReporter(std::vector<Pair> pairs) : pairs_(std::move(pairs)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) perCall_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [measured, baseline] : pairs_) {
            if (!perCall_.count(measured) || !perCall_.count(baseline)) continue;
            std::printf("ratio %s / %s = %.2f\n", measured.c_str(), baseline.c_str(),
                        perCall_[measured] / perCall_[baseline]);
        }
    }

private:
    std::vector<Pair> pairs_;
    std::map<std::string, double> perCall_;
};

// Runs every benchmark of the program with the reporter above.
inline int runWithRatios(int argc, char** argv, std::vector<RatioReporter::Pair> pairs) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(std::move(pairs));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace tidemark::bench
