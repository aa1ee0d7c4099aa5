// Runs the real Windows backend on this machine's performance data.
#include <windows.h>

#include <gtest/gtest.h>

#include "measurement/cpu_load.h"
#include "measurement/perf_data.h"
#include "platform/os_factory.h"
#include "platform/perf_layout.h"

namespace tidemark {
namespace {

// Performance data without a processor object (Wine serves none, nor Windows
// with its counters switched off) gives the sampler's documented error, and
// the figure rule makes nothing up.
TEST(WindowsBackend, PerformanceDataWithoutProcessorsIsTheDocumentedErrorAndNoFigure) {
    auto os = makeSamplerOs();
    std::vector<std::byte> block(1 << 20);
    ASSERT_EQ(os->queryProcessorPerformanceData(block), 0);
    if (perf::findObject(block, perf::kProcessorObjectIndex)) GTEST_SKIP() << "this system serves processor figures";
    CPULoad load(*os);
    try {
        load.CollectCPUData();
        ADD_FAILURE() << "no error";
    } catch (const CPULoadError& error) {
        EXPECT_EQ(error.number(), kObjectErrorBase + 8004) << error.description();
    }
    EXPECT_EQ(ProcessorFigure().next(load, load.GetCPUCount()), std::nullopt);
}

}  // namespace
}  // namespace tidemark
