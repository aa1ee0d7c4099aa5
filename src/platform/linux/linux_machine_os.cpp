#include "platform/linux/linux_machine_os.h"

#include "measurement/proc_text.h"
#include "platform/linux/proc_file.h"
#include "platform/os_factory.h"

namespace tidemark {

MemoryStatus LinuxMachineOs::globalMemoryStatus() {
    const auto meminfo = readSmallFile(path("/proc/meminfo").c_str());
    if (!meminfo) return {};
    return proc::memoryStatus(*meminfo).value_or(MemoryStatus{});
}

std::int32_t LinuxMachineOs::firstProcessorMHz() {
    if (const auto maxFreq = readSmallFile(path("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq").c_str()))
        if (const auto mhz = proc::maxFrequencyMHz(*maxFreq)) return *mhz;
    proc::FirstProcessorClockScan scan;
    if (!readInPieces(path("/proc/cpuinfo").c_str(), kCpuinfoPieceBytes,
                      [&scan](std::string_view piece) { return scan.add(piece); }))
        return 0;
    return scan.finish().value_or(0);
}

std::unique_ptr<MachineOs> makeMachineOs() { return std::make_unique<LinuxMachineOs>(); }

}  // namespace tidemark
