#pragma once
// The walk of a performance-data block: a chain of records whose lengths and
// offsets come from the data itself. Every read is checked against the bytes
// actually present; a record that does not fit, or a step that does not move
// forward, throws MalformedPerfData.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

#include "platform/os_types.h"

namespace tidemark::perf {

struct MalformedPerfData : std::runtime_error {
    MalformedPerfData() : std::runtime_error("performance data does not fit its buffer") {}
};

using Bytes = std::span<const std::byte>;

// Bounds-checked little-endian reads.
std::uint16_t readU16(Bytes data, std::size_t offset);
std::uint32_t readU32(Bytes data, std::size_t offset);
std::int64_t readI64(Bytes data, std::size_t offset);

// The first four UTF-16 characters read "PERF".
bool hasPerfSignature(Bytes data);
SystemTime blockSystemTime(Bytes data);

// Offset of the first object with this title index, stepping from object to
// object by TotalByteLength; nothing when no object has it.
std::optional<std::size_t> findObject(Bytes data, std::uint32_t titleIndex);

// The CounterOffset of the object's counter with this title index, stepping
// from definition to definition by ByteLength; nothing when none has it.
std::optional<std::uint32_t> findCounterOffset(Bytes data, std::size_t objectOffset, std::uint32_t counterIndex);

struct InstanceValue {
    // The instance's name read as a decimal number; nothing for names that
    // are not one (such as "_Total") or too large to be a processor number.
    std::optional<std::int32_t> number;
    std::int64_t value = 0;
};

// Every instance of the object with the 8-byte counter value at counterOffset
// of its counter block.
std::vector<InstanceValue> readInstances(Bytes data, std::size_t objectOffset, std::uint32_t counterOffset);

}  // namespace tidemark::perf
