// Feeds arbitrary bytes to the sampler as performance data: it must raise its
// documented error or succeed, never read outside the buffer or hang.
//
// Input: one byte for the processor count, two (little-endian) for the length
// of the first block, then the first block and the second. The count sits
// before the blocks so that inputs passing the signature can have any count,
// and two blocks give the idle and time differences real values.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "measurement/cpu_load.h"

namespace {

struct ReplayOs : tidemark::SamplerOs {
    std::vector<std::span<const std::uint8_t>> blocks;  // served in turn, round and round
    std::size_t served = 0;
    std::uint32_t processors = 0;

    bool getVersion(std::uint32_t& id) override {
        id = kPlatformNt;
        return true;
    }
    std::uint32_t numberOfProcessors() override { return processors; }
    long queryProcessorPerformanceData(std::vector<std::byte>& buffer) override {
        const auto block = blocks[served % blocks.size()];
        if (buffer.size() < block.size()) return kMoreData;
        if (!block.empty()) std::memcpy(buffer.data(), block.data(), block.size());
        ++served;
        return 0;
    }
    long openDynDataKey(const char*, std::uint32_t, DynKey&) override { return 2; }
    void queryCpuUsageStatistic(DynKey, std::int32_t&) override {}
    void closeKey(DynKey) override {}
    std::int64_t counterResolution() const override { return 0; }
};

void readEveryProcessor(tidemark::CPULoad& load, tidemark::ProcessorFigure& figure) {
    const std::int32_t count = load.GetCPUCount();
    for (std::int32_t i = 0; i <= count + 1; ++i) {
        load.HasTwoSamples(i);
        if (i >= 1 && i <= count) load.GetCPUUsage(i);
    }
    figure.next(load, count);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    ReplayOs os;
    os.processors = data[0] % 9;
    const std::span<const std::uint8_t> blocks(data + 3, size - 3);
    const std::size_t firstLength = std::min<std::size_t>(data[1] | data[2] << 8, blocks.size());
    os.blocks = {blocks.first(firstLength), blocks.subspan(firstLength)};
    tidemark::CPULoad load(os);
    tidemark::ProcessorFigure figure;
    for (int sample = 0; sample < 3; ++sample) {  // first, second, first again: time runs back
        try {
            load.CollectCPUData();
            readEveryProcessor(load, figure);
        } catch (const tidemark::CPULoadError&) {
        }
    }
    return 0;
}
