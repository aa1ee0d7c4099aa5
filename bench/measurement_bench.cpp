// The cost of one processor sample and one memory reading on this machine's
// backend, next to the cost of merely reading the kernel file they come from
// the way the backend does (kept open, read again from the start).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "bench/ratio_reporter.h"
#include "measurement/cpu_load.h"
#include "platform/linux/linux_machine_os.h"
#include "platform/linux/proc_file.h"
#include "platform/os_factory.h"

namespace {

void readKernelFile(benchmark::State& state, const char* path) {
    tidemark::KernelFile file(path);
    for (auto _ : state) benchmark::DoNotOptimize(file.read());
}

void ReadProcStat(benchmark::State& state) { readKernelFile(state, "/proc/stat"); }
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

void ReadProcMeminfo(benchmark::State& state) { readKernelFile(state, "/proc/meminfo"); }
BENCHMARK(ReadProcMeminfo);

void GetMemoryInfo(benchmark::State& state) {
    auto os = tidemark::makeMachineOs();
    for (auto _ : state) benchmark::DoNotOptimize(os->globalMemoryStatus());
}
BENCHMARK(GetMemoryInfo);

// A machine of 256 processors without cpufreq, as virtual machines are: the
// clock comes from /proc/cpuinfo.
class BigCpuinfo {
public:
    BigCpuinfo() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tidemark-bench-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
        std::filesystem::create_directories(root_ + "/proc");
        std::ofstream cpuinfo(file());
        for (int n = 0; n < 256; ++n)
            cpuinfo << "processor\t: " << n << "\nmodel name\t: Bench CPU\ncpu MHz\t\t: 2394.456\n"
                    << "flags\t\t:" << std::string(1400, 'f') << "\nbogomips\t: 4788.91\n\n";
    }
    ~BigCpuinfo() { std::filesystem::remove_all(root_); }
    const std::string& root() const { return root_; }
    std::string file() const { return root_ + "/proc/cpuinfo"; }

private:
    std::string root_;
};

void ReadCpuinfoOf256Processors(benchmark::State& state) {
    const BigCpuinfo machine;
    for (auto _ : state) benchmark::DoNotOptimize(tidemark::readSmallFile(machine.file().c_str()));
}
BENCHMARK(ReadCpuinfoOf256Processors);

void ClockOf256Processors(benchmark::State& state) {
    const BigCpuinfo machine;
    tidemark::LinuxMachineOs os(machine.root());
    for (auto _ : state) benchmark::DoNotOptimize(os.firstProcessorMHz());
}
BENCHMARK(ClockOf256Processors);

}  // namespace

int main(int argc, char** argv) {
    return tidemark::bench::runWithRatios(argc, argv,
                                          {{"OneSample", "ReadProcStat"},
                                           {"GetMemoryInfo", "ReadProcMeminfo"},
                                           {"ClockOf256Processors", "ReadCpuinfoOf256Processors"}});
}
