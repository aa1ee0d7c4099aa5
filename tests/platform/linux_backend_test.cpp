// Runs the real Linux backend: these read this machine's /proc.
#include <gtest/gtest.h>

#include <thread>

#include "measurement/cpu_load.h"
#include "platform/os_factory.h"

namespace tidemark {
namespace {

TEST(LinuxBackend, TwoRealSamplesGiveALoadForEveryProcessor) {
    auto os = makeSamplerOs();
    CPULoad load(*os);
    const std::int32_t count = load.GetCPUCount();
    ASSERT_GE(count, 1);
    EXPECT_EQ(count, static_cast<std::int32_t>(std::thread::hardware_concurrency()));
    load.CollectCPUData();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    load.CollectCPUData();
    for (std::int32_t i = 1; i <= count; ++i) {
        const std::int32_t usage = load.GetCPUUsage(i);
        // Jiffy rounding against the millisecond clock may overshoot by a little.
        EXPECT_GE(usage, -10) << "processor " << i;
        EXPECT_LE(usage, 110) << "processor " << i;
    }
}

TEST(LinuxBackend, ServesTooSmallABufferWithMoreData) {
    auto os = makeSamplerOs();
    std::vector<std::byte> tiny(16);
    EXPECT_EQ(os->queryProcessorPerformanceData(tiny), SamplerOs::kMoreData);
}

TEST(LinuxBackend, MemoryAndClockReadings) {
    auto os = makeMachineOs();
    const MemoryStatus status = os->globalMemoryStatus();
    EXPECT_GT(status.totalPhys, 0);
    EXPECT_GT(status.availPhys, 0);
    EXPECT_LE(status.availPhys, status.totalPhys);
    EXPECT_GE(os->firstProcessorMHz(), 0);
}

}  // namespace
}  // namespace tidemark
