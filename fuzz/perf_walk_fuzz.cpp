// Feeds arbitrary bytes to the sampler as performance data: it must raise its
// documented error or succeed, never read outside the buffer or hang.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "measurement/cpu_load.h"

namespace {

struct ReplayOs : tidemark::SamplerOs {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::uint32_t processors = 4;
    bool getVersion(std::uint32_t& id) override {
        id = kPlatformNt;
        return true;
    }
    std::uint32_t numberOfProcessors() override { return processors; }
    long queryProcessorPerformanceData(std::vector<std::byte>& buffer) override {
        if (buffer.size() < size) return kMoreData;
        if (size) std::memcpy(buffer.data(), data, size);
        return 0;
    }
    long openDynDataKey(const char*, std::uint32_t, DynKey&) override { return 2; }
    void queryCpuUsageStatistic(DynKey, std::int32_t&) override {}
    void closeKey(DynKey) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReplayOs os;
    os.data = data;
    os.size = size;
    os.processors = size ? data[0] % 8 : 1;
    try {
        tidemark::CPULoad load(os);
        load.CollectCPUData();
        load.CollectCPUData();
        for (std::int32_t i = 1; i <= load.GetCPUCount(); ++i) load.GetCPUUsage(i);
    } catch (const tidemark::CPULoadError&) {
    }
    return 0;
}
