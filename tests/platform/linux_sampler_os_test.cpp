// The Linux sampler backend over a fake /proc and /sys tree and fake clocks,
// read through the sampler the way the window reads it.
#include "platform/linux/linux_sampler_os.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
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

// The block's SystemTime: eight little-endian 16-bit fields from byte 36 of
// the data block.
std::array<std::uint16_t, 8> servedSystemTime(SamplerOs& os) {
    std::vector<std::byte> buffer(64 * 1024);
    EXPECT_EQ(os.queryProcessorPerformanceData(buffer), 0);
    std::array<std::uint16_t, 8> fields{};
    for (std::size_t i = 0; i < 8; ++i)
        fields[i] = static_cast<std::uint16_t>(std::to_integer<unsigned>(buffer[36 + 2 * i]) |
                                               std::to_integer<unsigned>(buffer[37 + 2 * i]) << 8);
    return fields;
}

TEST(LinuxSampler, WallClockStepsBetweenSamplesLeaveTheLoadAlone) {
    struct Row {
        const char* name;
        std::time_t step;
    };
    const Row rows[] = {{"set back an hour", -3600}, {"set forward a day", 86400}, {"no step", 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeSystemRoot root;
        root.write("/sys/devices/system/cpu/possible", "0-1\n");
        root.write("/proc/stat", procStat({{0, 0}, {1, 0}}));
        FakeClocks clocks;
        LinuxSamplerOs os(root.path(), clocks.reader());
        CPULoad load(os);
        load.CollectCPUData();
        clocks.realtime.tv_sec += row.step;
        clocks.monotonic.tv_sec += 1;
        root.write("/proc/stat", procStat({{0, kTicksPerSecond / 4}, {1, 3 * kTicksPerSecond / 4}}));
        load.CollectCPUData();
        EXPECT_EQ(load.GetCPUUsage(1), 75);
        EXPECT_EQ(load.GetCPUUsage(2), 25);
    }
}

TEST(LinuxSampler, BlockTimeIsTheMonotonicClockCountedFrom2000) {
    struct Row {
        const char* name;
        timespec monotonic;
        std::array<std::uint16_t, 8> expected;  // year month weekday day hour minute second ms
    };
    const Row rows[] = {
        {"just booted", {5, 250'000'000}, {2000, 1, 6, 1, 0, 0, 5, 250}},
        {"days later, sub-millisecond cut off", {3 * 86400 + 3661, 999'999'999}, {2000, 1, 2, 4, 1, 1, 1, 999}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FakeSystemRoot root;
        root.write("/proc/stat", procStat({{0, 0}}));
        FakeClocks clocks;
        clocks.monotonic = row.monotonic;
        LinuxSamplerOs os(root.path(), clocks.reader());
        EXPECT_EQ(servedSystemTime(os), row.expected);
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
