// The Linux sampler backend over a fake /proc and /sys tree and fake clocks,
// read through the sampler the way the window reads it.
#include "platform/linux/linux_sampler_os.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "measurement/cpu_load.h"
#include "support/fake_system_root.h"

namespace tidemark {
namespace {

using testing::FakeSystemRoot;

const std::uint64_t kTicksPerSecond = static_cast<std::uint64_t>(sysconf(_SC_CLK_TCK));

// /proc/stat with the given processors' idle ticks (half idle, half iowait).
std::string procStat(const std::vector<std::pair<int, std::uint64_t>>& idleTicks) {
    std::string text = "cpu  4705 356 584 3699176 23060 0 277 0 0 0\n";
    for (const auto& [number, idle] : idleTicks)
        text += "cpu" + std::to_string(number) + " 1393 32 572 " + std::to_string(idle / 2) + " " +
                std::to_string(idle - idle / 2) + " 0 178 0 0 0\n";
    return text + "intr 1462898 0 0\nctxt 3474393\nbtime 1700000000\nprocesses 26442\n";
}

struct FakeClocks {
    timespec realtime{1'700'000'000, 0};
    timespec monotonic{100, 0};
    ClockReader reader() {
        return [this](clockid_t clock) { return clock == CLOCK_MONOTONIC ? monotonic : realtime; };
    }
};

// Between two samples the wall clock steps back an hour (the time base is the
// monotonic clock, which steps never move), cpu1 goes offline and cpu3 comes
// online: each /proc/stat line keeps its processor's slot.
TEST(LinuxSampler, ProcessorsKeepTheirSlotsAcrossOfflineOnlineAndClockSteps) {
    FakeSystemRoot root;
    root.write("/sys/devices/system/cpu/possible", "0-3\n");
    root.write("/proc/stat", procStat({{0, 0}, {1, 0}, {2, 0}}));
    FakeClocks clocks;
    LinuxSamplerOs os(root.path(), clocks.reader());
    CPULoad load(os);
    ASSERT_EQ(load.GetCPUCount(), 4) << "cpu3 is offline but possible";
    load.CollectCPUData();
    clocks.realtime.tv_sec -= 3600;
    clocks.monotonic.tv_sec += 1;
    root.write("/proc/stat", procStat({{0, kTicksPerSecond / 4}, {2, 3 * kTicksPerSecond / 4}, {3, 0}}));
    load.CollectCPUData();
    EXPECT_EQ(load.GetCPUUsage(1), 75);
    EXPECT_EQ(load.GetCPUUsage(3), 25);
    EXPECT_FALSE(load.HasTwoSamples(2) || load.HasTwoSamples(4));
    EXPECT_EQ(processorFigure(load, 4), 50);
}

}  // namespace
}  // namespace tidemark
