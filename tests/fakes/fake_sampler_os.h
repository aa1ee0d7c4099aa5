#pragma once
// Replays prepared performance-data blocks and counts the calls the sampler
// makes. Its registry keys of the 95 family serve nothing.
#include <algorithm>
#include <deque>
#include <vector>

#include "platform/sampler_os.h"

namespace tidemark::perf {

// Writes a little-endian field into an existing block, for tests that break one.
inline void patchU32(std::vector<std::byte>& data, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) data.at(offset + i) = std::byte((value >> (8 * i)) & 0xFF);
}

}  // namespace tidemark::perf

namespace tidemark::testing {

struct FakeSamplerOs : SamplerOs {
    bool versionFails = false;
    std::uint32_t processors = 2;
    std::deque<std::vector<std::byte>> blocks;  // served in turn; the last one repeats
    std::int64_t resolution = 0;                // of the idle-time counters, in 100 ns
    int processorQueries = 0;

    bool getVersion(std::uint32_t& id) override {
        id = kPlatformNt;
        return !versionFails;
    }
    std::uint32_t numberOfProcessors() override {
        ++processorQueries;
        return processors;
    }
    long queryProcessorPerformanceData(std::vector<std::byte>& buffer) override {
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

}  // namespace tidemark::testing
