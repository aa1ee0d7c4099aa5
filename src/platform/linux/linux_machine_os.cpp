#include "platform/linux/linux_machine_os.h"

#include "platform/linux/proc_file.h"
#include "platform/linux/proc_text.h"
#include "platform/os_factory.h"

namespace tidemark {

LinuxMachineOs::LinuxMachineOs(const std::string& root)
    : meminfo_(root + "/proc/meminfo"),
      maxFrequency_(root + "/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq", KernelFile::WhenAbsent::GiveUp),
      cpuinfo_(root + "/proc/cpuinfo") {}

MemoryStatus LinuxMachineOs::globalMemoryStatus() {
    const auto meminfo = meminfo_.read();
    if (!meminfo) return {};
    return proc::memoryStatus(*meminfo).value_or(MemoryStatus{});
}

std::int32_t LinuxMachineOs::firstProcessorMHz() {
    if (const auto maxFreq = maxFrequency_.read())
        if (const auto mhz = proc::maxFrequencyMHz(*maxFreq)) return *mhz;
    proc::FirstProcessorClockScan scan;
    if (!cpuinfo_.readInPieces(kCpuinfoPieceBytes, [&scan](std::string_view piece) { return scan.add(piece); }))
        return 0;
    return scan.finish().value_or(0);
}

std::unique_ptr<MachineOs> makeMachineOs() { return std::make_unique<LinuxMachineOs>(); }

}  // namespace tidemark
