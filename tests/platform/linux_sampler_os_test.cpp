// The Linux sampler backend over a fake /proc and /sys tree and fake clocks,
// read through the sampler the way the window reads it.
#include "platform/linux/linux_sampler_os.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <optional>
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

// The time base is the monotonic clock, which wall-clock steps never move.
TEST(LinuxSampler, WallClockStepsBetweenSamplesLeaveTheLoadAlone) {
    for (const std::time_t step : {-3600, 86400, 0}) {
        SCOPED_TRACE(step);
        FakeSystemRoot root;
        root.write("/sys/devices/system/cpu/possible", "0-1\n");
        root.write("/proc/stat", procStat({{0, 0}, {1, 0}}));
        FakeClocks clocks;
        LinuxSamplerOs os(root.path(), clocks.reader());
        CPULoad load(os);
        load.CollectCPUData();
        clocks.realtime.tv_sec += step;
        clocks.monotonic.tv_sec += 1;
        root.write("/proc/stat", procStat({{0, kTicksPerSecond / 4}, {1, 3 * kTicksPerSecond / 4}}));
        load.CollectCPUData();
        EXPECT_EQ(load.GetCPUUsage(1), 75);
        EXPECT_EQ(load.GetCPUUsage(2), 25);
    }
}

// Loads of 10, 20, 60 and 90 % on cpu0..cpu3 while they are online; the
// figure shows which processors counted.
TEST(LinuxSampler, ProcessorsGoingOfflineOrOnlineCountFromTheirSecondSample) {
    FakeSystemRoot root;
    root.write("/sys/devices/system/cpu/possible", "0-3\n");
    root.write("/proc/stat", procStat({{0, 0}, {1, 0}, {2, 0}}));
    FakeClocks clocks;
    LinuxSamplerOs os(root.path(), clocks.reader());
    CPULoad load(os);
    const std::int32_t count = load.GetCPUCount();
    ASSERT_EQ(count, 4) << "cpu3 is offline but possible";
    struct Step {
        const char* name;
        std::vector<int> online;
        std::optional<std::int16_t> figure;
    };
    const Step steps[] = {
        {"first sample", {0, 1, 2}, std::nullopt},
        {"cpu0 cpu1 cpu2", {0, 1, 2}, 30},
        {"cpu1 offline", {0, 2}, 35},
        {"cpu1 back, one sample", {0, 1, 2}, 35},
        {"cpu1 counts again", {0, 1, 2}, 30},
        {"cpu3 new, one sample", {0, 1, 2, 3}, 30},
        {"cpu3 counts", {0, 1, 2, 3}, 45},
    };
    const std::uint64_t idlePercent[] = {90, 80, 40, 10};
    std::uint64_t idle[4] = {};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        std::vector<std::pair<int, std::uint64_t>> lines;
        for (int n : step.online) {
            idle[n] += kTicksPerSecond * idlePercent[n] / 100;
            lines.push_back({n, idle[n]});
        }
        root.write("/proc/stat", procStat(lines));
        load.CollectCPUData();
        EXPECT_EQ(processorFigure(load, count), step.figure);
        clocks.monotonic.tv_sec += 1;
    }
}

}  // namespace
}  // namespace tidemark
