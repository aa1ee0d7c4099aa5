// The Linux memory and clock readings over a fake /proc and /sys tree.
#include "platform/linux/linux_machine_os.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "support/fake_system_root.h"

namespace tidemark {
namespace {

TEST(LinuxMachine, MemoryFromMeminfo) {
    const std::tuple<const char*, std::int64_t, std::int64_t, std::int32_t> rows[] = {
        // /proc/meminfo, total and available bytes, memory load in %
        {"MemTotal:  1048576 kB\nMemFree:  100000 kB\nMemAvailable:  262144 kB\n", 1 << 30, 1 << 28, 75},
        {"MemTotal: 1000 kB\nMemFree: 250 kB\n", 1024000, 256000, 75},  // kernels before 3.14: no MemAvailable
        {"MemTotal: lots\nMemFree: 5 kB\n", 0, 0, 0}};
    for (const auto& [meminfo, total, available, load] : rows) {
        testing::FakeSystemRoot root;
        root.write("/proc/meminfo", meminfo);
        const MemoryStatus status = LinuxMachineOs(root.path).globalMemoryStatus();
        EXPECT_EQ(std::tie(status.totalPhys, status.availPhys, status.memoryLoad), std::tie(total, available, load))
            << meminfo;
    }
}

TEST(LinuxMachine, ClockFromCpufreqElseCpuinfoElseZero) {
    const std::string twoProcessors = "processor\t: 0\ncpu MHz\t\t: 2394.456\n\nprocessor\t: 1\ncpu MHz\t\t: 800.000\n";
    // The clock's line begins in the first piece read and ends in the second.
    const std::string acrossPieces =
        "processor\t: 0\nflags\t\t: " + std::string(LinuxMachineOs::kCpuinfoPieceBytes - 30, 'x') +
        "\ncpu MHz\t\t: 2394.456\n";
    const std::tuple<const char*, std::optional<std::string>, std::string, std::int32_t> rows[] = {
        {"cpufreq in kHz wins", "3400000\n", twoProcessors, 3400},
        {"no cpufreq: the first processor of cpuinfo", std::nullopt, twoProcessors, 2394},
        {"first processor without a clock", std::nullopt, "processor\t: 0\n\nprocessor\t: 1\ncpu MHz\t: 800\n", 0},
        {"a clock line across two pieces read", std::nullopt, acrossPieces, 2394}};
    for (const auto& [name, maxFreq, cpuinfo, mhz] : rows) {
        testing::FakeSystemRoot root;
        if (maxFreq) root.write("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq", *maxFreq);
        root.write("/proc/cpuinfo", cpuinfo);
        EXPECT_EQ(LinuxMachineOs(root.path).firstProcessorMHz(), mhz) << name;
    }
}

// Each tick reads the clock again, but a machine without a cpufreq driver
// is not searched for one on every tick.
TEST(LinuxMachine, ClockReadEachTimeWithoutLookingForAbsentCpufreqAgain) {
    testing::FakeSystemRoot root;
    root.write("/proc/cpuinfo", "processor\t: 0\ncpu MHz\t\t: 2394.456\n");
    LinuxMachineOs machine(root.path);
    EXPECT_EQ(machine.firstProcessorMHz(), 2394);
    root.write("/proc/cpuinfo", "processor\t: 0\ncpu MHz\t\t: 1200.000\n");
    root.write("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq", "3400000\n");
    EXPECT_EQ(machine.firstProcessorMHz(), 1200);
}

}  // namespace
}  // namespace tidemark
