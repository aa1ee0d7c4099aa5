#pragma once
// The sample history the graph is drawn from: index 0 is the newest sample.
#include <cstdint>
#include <vector>

namespace tidemark {

struct SampleHistory {
    std::vector<std::int16_t> CpuHistory;
    std::vector<std::int16_t> MemHistory;
    std::int16_t HistoryCount = 0;     // samples the graph is drawn from
    std::int16_t HistoryCapacity = 0;  // where HistoryCount stops growing

    // Makes room for one more sample, moves every sample one place older and
    // stores the new one at index 0. The count grows until it reaches the
    // capacity and never shrinks here, so a narrowed graph keeps its samples;
    // at capacity the last element holds the sample that just left the graph.
    void append(std::int16_t cpuPercent, std::int16_t memPercent);
};

// The highest lit segment of a 20-segment bar: floor(percent / 5); a negative
// reading gives -1, which lights nothing.
int levelOf(std::int16_t percent);

}  // namespace tidemark
