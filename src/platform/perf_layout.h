#pragma once
// Byte offsets of the published performance-data records (winperf.h), as the
// registry serves them: little-endian, 32-bit fields, identical on 32- and
// 64-bit Windows.
#include <cstddef>
#include <cstdint>

namespace tidemark::perf {

constexpr std::uint32_t kProcessorObjectIndex = 238;
constexpr std::uint32_t kProcessorTimeCounterIndex = 6;

namespace block {                      // PERF_DATA_BLOCK
constexpr std::size_t kSignature = 0;  // four UTF-16 characters "PERF"
constexpr std::size_t kLittleEndian = 8;
constexpr std::size_t kVersion = 12;
constexpr std::size_t kRevision = 16;
constexpr std::size_t kTotalByteLength = 20;
constexpr std::size_t kHeaderLength = 24;
constexpr std::size_t kNumObjectTypes = 28;
constexpr std::size_t kDefaultObject = 32;
constexpr std::size_t kSystemTime = 36;  // eight 16-bit fields
constexpr std::size_t kPerfTime = 56;
constexpr std::size_t kPerfFreq = 64;
constexpr std::size_t kPerfTime100nSec = 72;
constexpr std::size_t kSystemNameLength = 80;
constexpr std::size_t kSystemNameOffset = 84;
constexpr std::size_t kSize = 88;
}  // namespace block

namespace object {  // PERF_OBJECT_TYPE
constexpr std::size_t kTotalByteLength = 0;
constexpr std::size_t kDefinitionLength = 4;
constexpr std::size_t kHeaderLength = 8;
constexpr std::size_t kObjectNameTitleIndex = 12;
constexpr std::size_t kNumCounters = 32;
constexpr std::size_t kDefaultCounter = 36;
constexpr std::size_t kNumInstances = 40;
constexpr std::size_t kSize = 64;
}  // namespace object

namespace counter {  // PERF_COUNTER_DEFINITION
constexpr std::size_t kByteLength = 0;
constexpr std::size_t kCounterNameTitleIndex = 4;
constexpr std::size_t kCounterType = 28;
constexpr std::size_t kCounterSize = 32;
constexpr std::size_t kCounterOffset = 36;
constexpr std::size_t kSize = 40;
constexpr std::uint32_t kType100NsecTimerInv = 0x25450500;
}  // namespace counter

namespace instance {  // PERF_INSTANCE_DEFINITION
constexpr std::size_t kByteLength = 0;
constexpr std::size_t kUniqueId = 12;
constexpr std::size_t kNameOffset = 16;
constexpr std::size_t kNameLength = 20;
constexpr std::size_t kSize = 24;
}  // namespace instance

namespace counterBlock {  // PERF_COUNTER_BLOCK
constexpr std::size_t kByteLength = 0;
constexpr std::size_t kSize = 8;  // padded to 8 bytes before the counter values
}  // namespace counterBlock

}  // namespace tidemark::perf
