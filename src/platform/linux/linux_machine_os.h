#pragma once
// The Linux memory and clock backend. Where it reads from is given at
// construction, so a test can point it at a fake /proc and /sys tree;
// makeMachineOs() gives it this machine's.
#include <cstddef>
#include <string>

#include "platform/linux/proc_file.h"
#include "platform/machine_os.h"

namespace tidemark {

class LinuxMachineOs final : public MachineOs {
public:
    // /proc/cpuinfo is read this many bytes at a time, and no further than the
    // first processor's clock: the file grows with the processor count.
    static constexpr std::size_t kCpuinfoPieceBytes = 1024;

    // `root` goes in front of every /proc and /sys path; empty for this machine's.
    explicit LinuxMachineOs(const std::string& root = {});

    // From /proc/meminfo.
    MemoryStatus globalMemoryStatus() override;
    // The first processor's cpufreq maximum, else its "cpu MHz" in /proc/cpuinfo
    // (virtual machines often have no cpufreq), else 0.
    std::int32_t firstProcessorMHz() override;

private:
    KernelFile meminfo_;
    KernelFile maxFrequency_;
    KernelFile cpuinfo_;
};

}  // namespace tidemark
