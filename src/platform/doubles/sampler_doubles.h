#pragma once
// Stand-ins for the system's readings, for tests, benchmarks and fuzz
// targets: a sampler backend that replays prepared performance-data blocks
// and counts the processor queries (its registry keys of the 95 family serve
// nothing), and a machine of fixed memory and clock.
#include <algorithm>
#include <deque>
#include <vector>

#include "platform/machine_os.h"
#include "platform/sampler_os.h"

namespace tidemark::testing {

struct FakeSamplerOs : SamplerOs {
    bool versionFails = false;
    std::uint32_t processors = 2;
    std::deque<std::vector<std::byte>> blocks;  // served in turn; the last one repeats
    std::int64_t resolution = 0;                // of the idle-time counters, in 100 ns
    int processorQueries = 0;

    std::uint32_t platform = kPlatformNt;
    bool getVersion(std::uint32_t& id) override {
        id = platform;
        return !versionFails;
    }
    std::uint32_t numberOfProcessors() override {
        ++processorQueries;
        return processors;
    }
    std::vector<std::size_t> offeredSizes;  // the buffer of each read, in turn
    long queryProcessorPerformanceData(std::vector<std::byte>& buffer) override {
        offeredSizes.push_back(buffer.size());
        if (blocks.empty()) return 2;
        const std::vector<std::byte>& block = blocks.front();
        if (buffer.size() < block.size()) return kMoreData;
        std::copy(block.begin(), block.end(), buffer.begin());
        if (blocks.size() > 1) blocks.pop_front();
        return 0;
    }
    std::int64_t counterResolution() const override { return resolution; }
    long openDynDataKey(const char*, std::uint32_t, DynKey&) override { return 2; }
    void queryCpuUsageStatistic(DynKey, std::int32_t&) override {}
    void closeKey(DynKey) override {}
};

struct FakeMachineOs : MachineOs {
    MemoryStatus status{25, 1073741824, 268435456, 0, 0, 0, 0};
    std::int32_t mhz = 2394;
    MemoryStatus globalMemoryStatus() override { return status; }
    std::int32_t firstProcessorMHz() override { return mhz; }
};

}  // namespace tidemark::testing
