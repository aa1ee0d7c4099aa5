#pragma once
// Replays prepared performance-data blocks and 95-family values, and counts
// the calls the sampler makes.
#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "platform/sampler_os.h"

namespace tidemark::testing {

struct FakeSamplerOs : SamplerOs {
    std::uint32_t platformId = kPlatformNt;
    bool versionFails = false;
    std::uint32_t processors = 2;
    std::deque<std::vector<std::byte>> blocks;  // served in turn; the last one repeats
    std::vector<std::size_t> offeredSizes;
    std::vector<std::int32_t> statistic = {42};  // 95 family: values read from StatData, in turn
    std::vector<std::string> keyLog;            // "open <key>", "read <key>", "close <key>"
    bool startStatFails = false;
    bool statDataFails = false;

    bool getVersion(std::uint32_t& id) override {
        id = platformId;
        return !versionFails;
    }
    std::uint32_t numberOfProcessors() override {
        ++processorQueries;
        return processors;
    }
    long queryProcessorPerformanceData(std::vector<std::byte>& buffer) override {
        offeredSizes.push_back(buffer.size());
        if (blocks.empty()) return 2;
        const std::vector<std::byte>& block = blocks.front();
        if (buffer.size() < block.size()) return kMoreData;
        std::copy(block.begin(), block.end(), buffer.begin());
        if (blocks.size() > 1) blocks.pop_front();
        return 0;
    }
    long openDynDataKey(const char* subKey, std::uint32_t, DynKey& key) override {
        const std::string name = subKey;
        keyLog.push_back("open " + name);
        if ((startStatFails && name == "PerfStats\\StartStat") || (statDataFails && name == "PerfStats\\StatData"))
            return 2;
        keys.push_back(name);
        key = keys.size();
        return 0;
    }
    void queryCpuUsageStatistic(DynKey key, std::int32_t& value) override {
        keyLog.push_back("read " + keys.at(key - 1));
        if (keys.at(key - 1) == "PerfStats\\StatData") {
            value = statistic.at(std::min(statisticReads, statistic.size() - 1));
            ++statisticReads;
        }
    }
    void closeKey(DynKey key) override { keyLog.push_back("close " + keys.at(key - 1)); }

    int processorQueries = 0;
    std::size_t statisticReads = 0;
    std::vector<std::string> keys;
};

}  // namespace tidemark::testing
