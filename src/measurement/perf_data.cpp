#include "measurement/perf_data.h"

#include "platform/perf_layout.h"

namespace tidemark::perf {
namespace {

void requireFits(Bytes data, std::size_t offset, std::size_t length) {
    if (offset > data.size() || length > data.size() - offset) throw MalformedPerfData();
}

// Adds a length read from the data to a position without wrapping around.
std::size_t advance(std::size_t from, std::uint64_t by, Bytes data) {
    if (by > data.size() - std::min(from, data.size())) throw MalformedPerfData();
    return from + static_cast<std::size_t>(by);
}

std::size_t stepForward(std::size_t from, std::uint32_t length, Bytes data) {
    if (length == 0) throw MalformedPerfData();  // a zero step would never end the walk
    return advance(from, length, data);
}

std::optional<std::int32_t> decimalName(Bytes data, std::size_t offset, std::uint32_t nameLength) {
    const std::size_t characters = nameLength >= 2 ? (nameLength - 2) / 2 : 0;
    requireFits(data, offset, characters * 2);
    if (characters == 0 || characters > 9) return std::nullopt;
    std::int32_t number = 0;
    for (std::size_t i = 0; i < characters; ++i) {
        const std::uint16_t c = readU16(data, offset + 2 * i);
        if (c < u'0' || c > u'9') return std::nullopt;
        number = number * 10 + (c - u'0');
    }
    return number;
}

}  // namespace

std::uint16_t readU16(Bytes data, std::size_t offset) {
    requireFits(data, offset, 2);
    return static_cast<std::uint16_t>(std::to_integer<unsigned>(data[offset]) |
                                      std::to_integer<unsigned>(data[offset + 1]) << 8);
}

std::uint32_t readU32(Bytes data, std::size_t offset) {
    requireFits(data, offset, 4);
    return readU16(data, offset) | static_cast<std::uint32_t>(readU16(data, offset + 2)) << 16;
}

std::int64_t readI64(Bytes data, std::size_t offset) {
    requireFits(data, offset, 8);
    const std::uint64_t low = readU32(data, offset);
    const std::uint64_t high = readU32(data, offset + 4);
    return static_cast<std::int64_t>(low | high << 32);
}

bool hasPerfSignature(Bytes data) {
    if (data.size() < 8) return false;
    const char16_t expected[] = u"PERF";
    for (std::size_t i = 0; i < 4; ++i)
        if (readU16(data, block::kSignature + 2 * i) != expected[i]) return false;
    return true;
}

SystemTime blockSystemTime(Bytes data) {
    const std::size_t at = block::kSystemTime;
    return SystemTime{readU16(data, at),     readU16(data, at + 2),  readU16(data, at + 4),  readU16(data, at + 6),
                      readU16(data, at + 8), readU16(data, at + 10), readU16(data, at + 12), readU16(data, at + 14)};
}

std::optional<std::size_t> findObject(Bytes data, std::uint32_t titleIndex) {
    const std::uint32_t count = readU32(data, block::kNumObjectTypes);
    std::size_t at = advance(0, readU32(data, block::kHeaderLength), data);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (readU32(data, at + object::kObjectNameTitleIndex) == titleIndex) return at;
        at = stepForward(at, readU32(data, at + object::kTotalByteLength), data);
    }
    return std::nullopt;
}

std::optional<std::uint32_t> findCounterOffset(Bytes data, std::size_t objectOffset, std::uint32_t counterIndex) {
    const std::uint32_t count = readU32(data, objectOffset + object::kNumCounters);
    std::size_t at = advance(objectOffset, readU32(data, objectOffset + object::kHeaderLength), data);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (readU32(data, at + counter::kCounterNameTitleIndex) == counterIndex)
            return readU32(data, at + counter::kCounterOffset);
        at = stepForward(at, readU32(data, at + counter::kByteLength), data);
    }
    return std::nullopt;
}

std::vector<InstanceValue> readInstances(Bytes data, std::size_t objectOffset, std::uint32_t counterOffset) {
    // A negative count (PERF_NO_INSTANCES) means the object has no instances.
    const auto count = static_cast<std::int32_t>(readU32(data, objectOffset + object::kNumInstances));
    std::vector<InstanceValue> values;
    std::size_t at = advance(objectOffset, readU32(data, objectOffset + object::kDefinitionLength), data);
    for (std::int32_t i = 0; i < count; ++i) {
        const std::size_t nameAt = advance(at, readU32(data, at + instance::kNameOffset), data);
        auto number = decimalName(data, nameAt, readU32(data, at + instance::kNameLength));
        const std::size_t counters = advance(at, readU32(data, at + instance::kByteLength), data);
        values.push_back({number, readI64(data, advance(counters, counterOffset, data))});
        const std::size_t next = advance(counters, readU32(data, counters + counterBlock::kByteLength), data);
        if (next <= at) throw MalformedPerfData();
        at = next;
    }
    return values;
}

}  // namespace tidemark::perf
