// The cost of one processor sample and one memory reading on this machine's
// backend, next to the cost of merely reading the kernel file they come from
// the way the backend does (kept open, read again from the start); and the
// first sample of a new sampler on machines of many processors.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "bench/ratio_reporter.h"
#include "measurement/cpu_load.h"
#include "platform/linux/linux_machine_os.h"
#include "platform/linux/linux_sampler_os.h"
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

// A temporary folder that stands in for the file-system root.
class FakeRoot {
public:
    FakeRoot() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tidemark-bench-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
        std::filesystem::create_directories(root_ + "/proc");
    }
    ~FakeRoot() { std::filesystem::remove_all(root_); }
    FakeRoot(const FakeRoot&) = delete;
    FakeRoot& operator=(const FakeRoot&) = delete;
    const std::string& root() const { return root_; }

private:
    std::string root_;
};

// A machine of 256 processors without cpufreq, as virtual machines are: the
// clock comes from /proc/cpuinfo.
class BigCpuinfo : public FakeRoot {
public:
    BigCpuinfo() {
        std::ofstream cpuinfo(file());
        for (int n = 0; n < 256; ++n)
            cpuinfo << "processor\t: " << n << "\nmodel name\t: Bench CPU\ncpu MHz\t\t: 2394.456\n"
                    << "flags\t\t:" << std::string(1400, 'f') << "\nbogomips\t: 4788.91\n\n";
    }
    std::string file() const { return root() + "/proc/cpuinfo"; }
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

// A machine of state.range(0) processors, all possible and online.
class ManyProcessors : public FakeRoot {
public:
    explicit ManyProcessors(std::int64_t count) {
        std::filesystem::create_directories(root() + "/sys/devices/system/cpu");
        std::ofstream(root() + "/sys/devices/system/cpu/possible") << "0-" << count - 1 << "\n";
        std::ofstream stat(root() + "/proc/stat");
        stat << "cpu  4705 356 584 3699176 23060 0 277 0 0 0\n";
        for (std::int64_t n = 0; n < count; ++n) stat << "cpu" << n << " 1393 32 572 918760 5765 0 178 0 0 0\n";
        stat << "intr 1462898 0 0\nctxt 3474393\nbtime 1700000000\nprocesses 26442\n";
    }
};

// What the window waits for at start-up and after Clear: a new sampler's
// count and first sample, whose buffer starts small and grows until the
// block fits.
void FirstSample(benchmark::State& state) {
    const ManyProcessors machine(state.range(0));
    for (auto _ : state) {
        tidemark::LinuxSamplerOs os(machine.root());
        tidemark::CPULoad load(os);
        load.GetCPUCount();
        load.CollectCPUData();
        benchmark::DoNotOptimize(load.bufferSize());
    }
}
BENCHMARK(FirstSample)->Arg(4096)->Arg(16384)->Arg(65536)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return tidemark::bench::runWithRatios(argc, argv,
                                          {{"OneSample", "ReadProcStat"},
                                           {"GetMemoryInfo", "ReadProcMeminfo"},
                                           {"ClockOf256Processors", "ReadCpuinfoOf256Processors"}});
}
