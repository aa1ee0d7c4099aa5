// Memory from /proc/meminfo; the clock from cpufreq, else /proc/cpuinfo.
#include "measurement/proc_text.h"
#include "platform/linux/proc_file.h"
#include "platform/os_factory.h"

namespace tidemark {
namespace {

class LinuxMachineOs final : public MachineOs {
public:
    MemoryStatus globalMemoryStatus() override {
        const auto meminfo = readSmallFile("/proc/meminfo");
        if (!meminfo) return {};
        return proc::memoryStatus(*meminfo).value_or(MemoryStatus{});
    }

    std::int32_t firstProcessorMHz() override {
        if (const auto maxFreq = readSmallFile("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq"))
            if (const auto mhz = proc::maxFrequencyMHz(*maxFreq)) return *mhz;
        if (const auto cpuinfo = readSmallFile("/proc/cpuinfo"))
            if (const auto mhz = proc::firstProcessorMHz(*cpuinfo)) return *mhz;
        return 0;
    }
};

}  // namespace

std::unique_ptr<MachineOs> makeMachineOs() { return std::make_unique<LinuxMachineOs>(); }

}  // namespace tidemark
