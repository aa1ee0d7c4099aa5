// Feeds arbitrary bytes to the sampler as performance data: it must raise its
// documented error or succeed, never read outside the buffer or hang.
//
// Input: one byte for the processor count, two (little-endian) for the length
// of the first block, then the first block and the second. The count sits
// before the blocks so that inputs passing the signature can have any count,
// and two blocks give the idle and time differences real values.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "measurement/cpu_load.h"
#include "platform/doubles/sampler_doubles.h"

namespace {

std::vector<std::byte> bytesOf(std::span<const std::uint8_t> block) {
    const auto* first = reinterpret_cast<const std::byte*>(block.data());
    return {first, first + block.size()};
}

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
    tidemark::testing::FakeSamplerOs os;
    os.processors = data[0] % 9;
    const std::span<const std::uint8_t> blocks(data + 3, size - 3);
    const std::size_t firstLength = std::min<std::size_t>(data[1] | data[2] << 8, blocks.size());
    const auto first = bytesOf(blocks.first(firstLength));
    os.blocks = {first, bytesOf(blocks.subspan(firstLength)), first};
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
