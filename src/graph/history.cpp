#include "graph/history.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tidemark {

void SampleHistory::append(std::int16_t cpuPercent, std::int16_t memPercent) {
    const std::size_t size = static_cast<std::size_t>(std::max<std::int16_t>(HistoryCount, 0)) + 1;
    CpuHistory.resize(size);
    MemHistory.resize(size);
    // Moving everything one place older is a shift towards the end.
    std::copy_backward(CpuHistory.begin(), CpuHistory.end() - 1, CpuHistory.end());
    std::copy_backward(MemHistory.begin(), MemHistory.end() - 1, MemHistory.end());
    CpuHistory[0] = cpuPercent;
    MemHistory[0] = memPercent;
    if (HistoryCount < HistoryCapacity) ++HistoryCount;
}

int levelOf(std::int16_t percent) { return static_cast<int>(std::floor(percent / 5.0)); }

}  // namespace tidemark
