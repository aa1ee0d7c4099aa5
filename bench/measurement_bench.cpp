// The cost of one processor sample and one memory reading on this machine's
// backend, next to the cost of merely reading the kernel file they come from.
#include <benchmark/benchmark.h>

#include "bench/ratio_reporter.h"
#include "measurement/cpu_load.h"
#include "platform/linux/proc_file.h"
#include "platform/os_factory.h"

namespace {

void ReadProcStat(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tidemark::readSmallFile("/proc/stat"));
}
BENCHMARK(ReadProcStat);

void OneSample(benchmark::State& state) {
    auto os = tidemark::makeSamplerOs();
    tidemark::CPULoad load(*os);
    const std::int32_t count = load.GetCPUCount();
    load.CollectCPUData();
    for (auto _ : state) {
        load.CollectCPUData();
        for (std::int32_t i = 1; i <= count; ++i) benchmark::DoNotOptimize(load.GetCPUUsage(i));
    }
}
BENCHMARK(OneSample);

void ReadProcMeminfo(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(tidemark::readSmallFile("/proc/meminfo"));
}
BENCHMARK(ReadProcMeminfo);

void GetMemoryInfo(benchmark::State& state) {
    auto os = tidemark::makeMachineOs();
    for (auto _ : state) benchmark::DoNotOptimize(os->globalMemoryStatus());
}
BENCHMARK(GetMemoryInfo);

}  // namespace

int main(int argc, char** argv) {
    return tidemark::bench::runWithRatios(argc, argv,
                                          {{"OneSample", "ReadProcStat"}, {"GetMemoryInfo", "ReadProcMeminfo"}});
}
