#include "measurement/reading.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/numbers.h"

namespace tidemark {
namespace {

std::string withUnit(std::int64_t value, const char* unit) { return decimalText(value) + unit; }

// Bytes to kilobytes, halves to even, within the 32-bit range the tick holds.
std::int32_t bytesToKilobytes(std::int64_t bytes) {
    const double kb = roundHalfEven(static_cast<double>(bytes) / 1024.0);
    return static_cast<std::int32_t>(std::clamp(kb, 0.0, double{std::numeric_limits<std::int32_t>::max()}));
}

// floor(100 - free*100/total), in double precision so no memory size
// overflows; 0 when the total is not positive.
std::int16_t memoryInUsePercent(std::int32_t freeKB, std::int32_t totalKB) {
    if (totalKB <= 0) return 0;
    const double percent = std::floor(100.0 - static_cast<double>(freeKB) * 100.0 / totalKB);
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(percent, lowest, highest));
}

}  // namespace

Reading readingOf(std::int16_t cpu, const MemoryStatus& memory, std::int32_t clockMHz) {
    Reading reading;
    reading.cpu = cpu;
    const std::int32_t totalKB = bytesToKilobytes(memory.totalPhys);
    const std::int32_t freeKB = bytesToKilobytes(memory.availPhys);
    reading.memPercent = memoryInUsePercent(freeKB, totalKB);
    reading.cpuText = cpu == kNoFigure ? "n/a" : withUnit(cpu, " %");
    reading.memText = withUnit(reading.memPercent, " %");
    reading.totalText = withUnit(totalKB / 1024 + 1, " Mb");
    reading.freeText = withUnit(freeKB / 1024 + 1, " Mb");
    reading.clockText = withUnit(clockMHz, " Mc");
    return reading;
}

}  // namespace tidemark
