// The Linux clock reading over a fake /proc and /sys tree.
#include "platform/linux/linux_machine_os.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/fake_system_root.h"

namespace tidemark {
namespace {

using testing::FakeSystemRoot;

constexpr const char* kMaxFreq = "/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq";

// One processor's block of /proc/cpuinfo as an x86 kernel writes it.
std::string cpuinfoBlock(int number, const std::string& mhz) {
    std::string flags;
    for (int i = 0; i < 90; ++i) flags += " flag" + std::to_string(i);
    return "processor\t: " + std::to_string(number) +
           "\nvendor_id\t: GenuineIntel\ncpu family\t: 6\nmodel name\t: Test CPU @ 2.40GHz\n"
           "stepping\t: 7\ncpu MHz\t\t: " +
           mhz + "\ncache size\t: 4096 KB\nflags\t\t:" + flags +
           "\nbogomips\t: 4788.91\naddress sizes\t: 46 bits physical, 48 bits virtual\n\n";
}

TEST(LinuxMachine, ClockFromCpufreqElseCpuinfoElseZero) {
    struct Row {
        const char* name;
        std::optional<std::string> maxFreq;
        std::optional<std::string> cpuinfo;
        std::int32_t mhz;
    };
    const std::string twoProcessors = cpuinfoBlock(0, "2394.456") + cpuinfoBlock(1, "800.000");
    // The clock's line begins in the first piece read and ends in the second.
    const std::string head = "processor\t: 0\nflags\t\t: ", clockStart = "\ncpu MHz\t\t: 23";
    const std::string acrossPieces =
        head + std::string(LinuxMachineOs::kCpuinfoPieceBytes - head.size() - clockStart.size(), 'x') + clockStart +
        "94.456\n\n" + cpuinfoBlock(1, "800.0");
    ASSERT_EQ(acrossPieces.find("94.456"), LinuxMachineOs::kCpuinfoPieceBytes);
    const Row rows[] = {
        {"cpufreq in kHz wins", "3400000\n", twoProcessors, 3400},
        {"cpufreq halves down to even", "2394500\n", std::nullopt, 2394},
        {"no cpufreq: the first processor of cpuinfo", std::nullopt, twoProcessors, 2394},
        {"damaged cpufreq: cpuinfo", "n/a\n", twoProcessors, 2394},
        {"first processor without a clock", std::nullopt, "processor\t: 0\n\nprocessor\t: 1\ncpu MHz\t: 800\n", 0},
        {"cpuinfo halves to even, no final line feed", std::nullopt, "processor : 0\ncpu MHz : 2500.5", 2500},
        {"no number", std::nullopt, "processor : 0\ncpu MHz : n/a\n", 0},
        {"below zero", std::nullopt, "processor : 0\ncpu MHz : -5\n", 0},
        {"beyond 32 bits", std::nullopt, "processor : 0\ncpu MHz : 1e300\n", 0},
        {"empty", std::nullopt, "", 0},
        {"a clock line across two pieces read", std::nullopt, acrossPieces, 2394},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeSystemRoot root;
        if (row.maxFreq) root.write(kMaxFreq, *row.maxFreq);
        if (row.cpuinfo) root.write("/proc/cpuinfo", *row.cpuinfo);
        EXPECT_EQ(LinuxMachineOs(root.path()).firstProcessorMHz(), row.mhz);
    }
}

}  // namespace
}  // namespace tidemark
