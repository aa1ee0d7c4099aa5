// Runs the real Linux backend: these read this machine's /proc.
#include <gtest/gtest.h>

#include <thread>

#include "measurement/cpu_load.h"
#include "platform/os_factory.h"

namespace tidemark {
namespace {

TEST(LinuxBackend, TwoRealSamplesGiveALoadForEveryOnlineProcessor) {
    auto os = makeSamplerOs();
    CPULoad load(*os);
    const std::int32_t count = load.GetCPUCount();
    const auto online = static_cast<std::int32_t>(std::thread::hardware_concurrency());
    EXPECT_GE(count, online) << "processors that may come online later count too";
    load.CollectCPUData();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    load.CollectCPUData();
    std::int32_t sampled = 0;
    for (std::int32_t i = 1; i <= count; ++i) {
        if (!load.HasTwoSamples(i)) continue;
        ++sampled;
        const std::int32_t usage = load.GetCPUUsage(i);
        // Jiffy rounding against the millisecond clock may overshoot by a little.
        EXPECT_GE(usage, -10) << "processor " << i;
        EXPECT_LE(usage, 110) << "processor " << i;
    }
    EXPECT_EQ(sampled, online);
}

TEST(LinuxBackend, MemoryReadingOfThisMachine) {
    auto os = makeMachineOs();
    const MemoryStatus status = os->globalMemoryStatus();
    EXPECT_GT(status.totalPhys, 0);
    EXPECT_GT(status.availPhys, 0);
    EXPECT_LE(status.availPhys, status.totalPhys);
}

}  // namespace
}  // namespace tidemark
