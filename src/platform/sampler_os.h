#pragma once
// The operating-system calls the processor-load sampler makes, and nothing else.
// Implementations: Linux (/proc/stat served as performance data), Windows (the
// registry's performance data and dynamic statistics), and test doubles.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/os_types.h"

namespace tidemark {

class SamplerOs {
public:
    static constexpr std::uint32_t kPlatformNt = 2;
    static constexpr long kMoreData = 234;  // the buffer was too small
    static constexpr std::uint32_t kKeyAllAccess = 0xF003F;
    static constexpr std::uint32_t kKeyRead = 0x20019;
    using DynKey = std::uintptr_t;  // 0 = no key

    virtual ~SamplerOs() = default;

    // False when the version cannot be read; otherwise fills the platform family.
    virtual bool getVersion(std::uint32_t& platformId) = 0;
    virtual std::uint32_t numberOfProcessors() = 0;

    // Fills `buffer` (its whole size is offered) with the performance data of
    // the processor object. Returns 0, kMoreData when the buffer is too small,
    // or another code, in which case the buffer holds no valid block.
    virtual long queryProcessorPerformanceData(std::vector<std::byte>& buffer) = 0;
    // The step, in 100-ns units, in which the idle-time counters of that data
    // advance (0 when they advance smoothly). Samples closer together than a
    // step cannot tell an idle processor from a busy one.
    virtual std::int64_t counterResolution() const = 0;

    // Dynamic statistics of the Windows 95 family. Returns 0 and an open key
    // on success.
    virtual long openDynDataKey(const char* subKey, std::uint32_t access, DynKey& key) = 0;
    virtual void queryCpuUsageStatistic(DynKey key, std::int32_t& value) = 0;
    virtual void closeKey(DynKey key) = 0;

    // 100-ns intervals since 1 January 1601 UTC; false when `time` is not a valid date.
    virtual bool systemTimeToFileTime(const SystemTime& time, std::int64_t& fileTime);
};

}  // namespace tidemark
