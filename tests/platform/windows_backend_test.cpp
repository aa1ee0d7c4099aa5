// Runs the real Windows backend: these read this machine's registry, its
// performance data and its memory status. Under Wine the host's own figures
// are there to compare with, as Wine shows the host's root as drive Z:.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "measurement/cpu_load.h"
#include "measurement/perf_data.h"
#include "platform/os_factory.h"
#include "platform/perf_layout.h"
#include "platform/registry_value.h"
#include "platform/windows/registry_windows.h"

namespace tidemark {
namespace {

constexpr const char* kFirstProcessor = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";

// Wine's ntdll has a function of its own that Windows' has not.
bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// The number after "key" and a colon in a text file of the Linux host, such
// as MemTotal in /proc/meminfo; nothing when there is no such line.
std::optional<double> hostFigure(const char* file, const std::string& key) {
    std::ifstream in(std::string("Z:") + file);
    for (std::string line; std::getline(in, line);) {
        const auto colon = line.find(':');
        if (colon == std::string::npos || line.substr(0, line.find_last_not_of(" \t", colon - 1) + 1) != key) continue;
        double value = 0;
        if (std::istringstream(line.substr(colon + 1)) >> value) return value;
    }
    return std::nullopt;
}

TEST(WindowsBackend, PerformanceDataReachesTheSamplerThroughTheRegistry) {
    auto os = makeSamplerOs();
    std::uint32_t platform = 0;
    ASSERT_TRUE(os->getVersion(platform));
    EXPECT_EQ(platform, SamplerOs::kPlatformNt);
    std::vector<std::byte> tiny(16);
    EXPECT_EQ(os->queryProcessorPerformanceData(tiny), SamplerOs::kMoreData) << "the sampler grows its buffer on 234";
    std::vector<std::byte> block(1 << 20);
    ASSERT_EQ(os->queryProcessorPerformanceData(block), 0);
    EXPECT_TRUE(perf::hasPerfSignature(block));

    CPULoad load(*os);
    const std::int32_t count = load.GetCPUCount();
    EXPECT_EQ(count, static_cast<std::int32_t>(std::thread::hardware_concurrency()));
    if (underWine()) {
        // Wine's block holds no object at all: the sampler says so, and the
        // tick's figure rule survives it, so the previous figure stands.
        EXPECT_FALSE(perf::findObject(block, perf::kProcessorObjectIndex));
        try {
            load.CollectCPUData();
            ADD_FAILURE() << "Wine served a processor object";
        } catch (const CPULoadError& error) {
            EXPECT_EQ(error.number(), kObjectErrorBase + 8004) << error.description();
        }
        EXPECT_EQ(ProcessorFigure().next(load, count), std::nullopt);
        return;
    }
    load.CollectCPUData();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    load.CollectCPUData();
    EXPECT_TRUE(ProcessorFigure().next(load, count));
}

TEST(WindowsBackend, MemoryClockAndRegistryValuesOfThisMachine) {
    auto os = makeMachineOs();
    const MemoryStatus status = os->globalMemoryStatus();
    const std::int32_t mhz = os->firstProcessorMHz();
    std::string text = "previous";
    EXPECT_TRUE(GetKeyValue(kFirstProcessor, "~MHz", text));
    EXPECT_EQ(text, std::to_string(mhz)) << "a double word as its decimal value";
    EXPECT_FALSE(GetKeyValue("SOFTWARE\\TideMark\\Nowhere", "PATH", text));
    EXPECT_EQ(text, "");
    if (!underWine()) return;
    // Wine reads the host's figures: the same total, a clock from the same processor.
    const std::optional<double> hostTotalKB = hostFigure("/proc/meminfo", "MemTotal");
    ASSERT_TRUE(hostTotalKB) << "the host's /proc/meminfo, as Z:\\proc\\meminfo";
    EXPECT_NEAR(static_cast<double>(status.totalPhys) / 1024, *hostTotalKB, *hostTotalKB / 100);
    if (const std::optional<double> hostMHz = hostFigure("/proc/cpuinfo", "cpu MHz"))
        EXPECT_NEAR(mhz, *hostMHz, *hostMHz / 2) << "a rated clock near the current one";
}

}  // namespace
}  // namespace tidemark
