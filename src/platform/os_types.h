#pragma once
// Plain records exchanged with the operating-system layer.
#include <cstdint>

namespace tidemark {

// A calendar time as the performance data stamps it (UTC).
struct SystemTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

// The memory status of the machine. Byte counts are 64-bit so that machines
// with more than 2 GiB report their real size.
struct MemoryStatus {
    std::int32_t memoryLoad = 0;  // percent of physical memory in use
    std::int64_t totalPhys = 0;
    std::int64_t availPhys = 0;
    std::int64_t totalPageFile = 0;
    std::int64_t availPageFile = 0;
    std::int64_t totalVirtual = 0;
    std::int64_t availVirtual = 0;
};

}  // namespace tidemark
