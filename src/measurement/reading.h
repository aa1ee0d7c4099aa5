#pragma once
// One tick's reading, worked out once from the processor figure, the memory
// status and the clock: what the labels show, what the graph draws and the
// meters light, and what the log records.
#include <cstdint>
#include <string>

#include "platform/os_types.h"

namespace tidemark {

// No processor figure could be had: shown as n/a, drawn and logged as nothing.
inline constexpr std::int16_t kNoFigure = -1;

struct Reading {
    std::int16_t cpu = 0;         // the processor figure in percent, or kNoFigure
    std::int16_t memPercent = 0;  // physical memory in use, rounded down
    std::string cpuText;          // "23 %", or "n/a"
    std::string memText;          // "61 %"
    std::string totalText;        // "1025 Mb": one more than the whole megabytes
    std::string freeText;         // "257 Mb"
    std::string clockText;        // "2394 Mc"
};

Reading readingOf(std::int16_t cpu, const MemoryStatus& memory, std::int32_t clockMHz);

}  // namespace tidemark
