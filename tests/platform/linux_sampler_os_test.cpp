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
    int reads = 0;  // one per block the backend builds
    ClockReader reader() {
        return [this](clockid_t clock) {
            ++reads;
            return clock == CLOCK_MONOTONIC ? monotonic : realtime;
        };
    }
};

// A machine of 300 processors: its block is several times the sampler's first
// buffer, so the first sample is refused and retried. Between two samples the
// wall clock steps back an hour (the time base is the monotonic clock, which
// steps never move), cpu298 goes offline and cpu299 comes online: each
// /proc/stat line keeps its processor's slot.
TEST(LinuxSampler, ProcessorsKeepTheirSlotsAcrossOfflineOnlineClockStepsAndRetries) {
    FakeSystemRoot root;
    root.write("/sys/devices/system/cpu/possible", "0-299\n");
    std::vector<std::pair<int, std::uint64_t>> before, after;
    for (int n = 0; n < 298; ++n) {
        before.push_back({n, 1000});
        after.push_back({n, 1000 + n % 101});  // idle n % 101 ticks of 100
    }
    before.push_back({298, 0});
    after.push_back({299, 0});
    root.write("/proc/stat", procStat(before));
    FakeClocks clocks;
    LinuxSamplerOs os(root.path(), clocks.reader());
    CPULoad load(os);
    ASSERT_EQ(load.GetCPUCount(), 300) << "cpu299 is offline but possible";
    load.CollectCPUData();
    ASSERT_GT(load.bufferSize(), 4096) << "the first sample was refused";
    EXPECT_EQ(clocks.reads, 1) << "its retries copied the block built once, not /proc/stat read again";
    root.write("/proc/stat", procStat(after));
    clocks.realtime.tv_sec -= 3600;
    const std::uint64_t hundredTicks = 100'000'000'000 / kTicksPerSecond;  // in nanoseconds
    clocks.monotonic.tv_sec += static_cast<time_t>(hundredTicks / 1'000'000'000);
    clocks.monotonic.tv_nsec = static_cast<long>(hundredTicks % 1'000'000'000);
    load.CollectCPUData();
    for (int n = 0; n < 298; ++n) EXPECT_EQ(load.GetCPUUsage(n + 1), 100 - n % 101) << "processor " << n;
    EXPECT_FALSE(load.HasTwoSamples(299) || load.HasTwoSamples(300));
    EXPECT_EQ(ProcessorFigure().next(load, 300), 51) << "the mean of the 298 in both samples";
}

// An idle machine and a saturated one for a simulated minute. The idle
// counters move in whole clock ticks and each tick starts a little late by an
// irregular amount, yet the figures shown must average the true load within a
// tenth of a point, which averaging loads rounded to whole percent would miss.
TEST(LinuxSampler, FiguresOfAMinuteAverageTheTrueLoad) {
    const std::tuple<const char*, int, double> rows[] = {
        // interval in ms, true load in %
        {"idle, 50 ms", 50, 0.2},  {"idle, 100 ms", 100, 0.2},  {"idle, 500 ms", 500, 0.2},
        {"busy, 50 ms", 50, 99.8}, {"busy, 100 ms", 100, 99.8}, {"busy, 500 ms", 500, 99.8},
    };
    const double tickMicroseconds = 1e6 / static_cast<double>(kTicksPerSecond);
    for (const auto& [name, interval, load] : rows) {
        SCOPED_TRACE(name);
        FakeSystemRoot root;
        root.write("/sys/devices/system/cpu/possible", "0-1\n");
        FakeClocks clocks;
        LinuxSamplerOs os(root.path(), clocks.reader());
        CPULoad sampler(os);
        ProcessorFigure figures;
        double total = 0;
        const int ticks = 60'000 / interval;
        for (std::int64_t tick = 0; tick <= ticks; ++tick) {
            const std::int64_t now = tick * (interval * 1000 + 800) + tick * 7919 % 1400;  // in microseconds
            std::vector<std::pair<int, std::uint64_t>> idle;
            for (int n = 0; n < 2; ++n)  // the processors' ticks fall at different moments
                idle.push_back(
                    {n, static_cast<std::uint64_t>((1 - load / 100) * (now + 3300 * n + 1700) / tickMicroseconds)});
            root.write("/proc/stat", procStat(idle));
            clocks.monotonic = {static_cast<time_t>(100 + now / 1'000'000), static_cast<long>(now % 1'000'000 * 1000)};
            sampler.CollectCPUData();
            if (tick > 0) total += figures.next(sampler, 2).value_or(-1000);
        }
        EXPECT_NEAR(total / ticks, load, 0.1);
    }
}

}  // namespace
}  // namespace tidemark
