#include "platform/linux/perf_data_writer.h"

#include "platform/perf_layout.h"

namespace tidemark::perf {
namespace {

constexpr std::uint32_t kProcessorTimeType = counter::kType100NsecTimerInv;
constexpr std::uint32_t kUserTimeIndex = 142;

std::size_t paddedTo8(std::size_t n) { return (n + 7) & ~std::size_t{7}; }

class Writer {
public:
    std::size_t size() const { return bytes_.size(); }
    std::size_t reserve(std::size_t n) {
        const std::size_t at = bytes_.size();
        bytes_.resize(at + n);
        return at;
    }
    void u16(std::size_t at, std::uint16_t v) {
        bytes_[at] = std::byte(v & 0xFF);
        bytes_[at + 1] = std::byte(v >> 8);
    }
    void u32(std::size_t at, std::uint32_t v) {
        u16(at, static_cast<std::uint16_t>(v));
        u16(at + 2, static_cast<std::uint16_t>(v >> 16));
    }
    void i64(std::size_t at, std::int64_t v) {
        const auto u = static_cast<std::uint64_t>(v);
        u32(at, static_cast<std::uint32_t>(u));
        u32(at + 4, static_cast<std::uint32_t>(u >> 32));
    }
    std::vector<std::byte> take() { return std::move(bytes_); }

private:
    std::vector<std::byte> bytes_;
};

std::size_t counterBlockSize(const InstanceSpec& instance) { return counterBlock::kSize + 8 * instance.values.size(); }

void writeHeader(Writer& w, const BlockSpec& shape) {
    w.reserve(block::kSize);
    for (std::size_t i = 0; i < 4 && i < shape.signature.size(); ++i) w.u16(2 * i, shape.signature[i]);
    w.u32(block::kLittleEndian, 1);
    w.u32(block::kVersion, 1);
    w.u32(block::kRevision, 1);
    w.u32(block::kHeaderLength, block::kSize);
    w.u32(block::kNumObjectTypes, static_cast<std::uint32_t>(shape.objects.size()));
    w.u32(block::kDefaultObject, kProcessorObjectIndex);
    const SystemTime& t = shape.systemTime;
    const std::uint16_t fields[] = {t.year, t.month, t.dayOfWeek, t.day, t.hour, t.minute, t.second, t.milliseconds};
    for (std::size_t i = 0; i < 8; ++i) w.u16(block::kSystemTime + 2 * i, fields[i]);
}

void writeInstance(Writer& w, const InstanceSpec& instance) {
    const std::size_t nameBytes = 2 * (instance.name.size() + 1);
    const std::size_t at = w.reserve(paddedTo8(instance::kSize + nameBytes));
    w.u32(at + instance::kByteLength, static_cast<std::uint32_t>(w.size() - at));
    w.u32(at + instance::kUniqueId, 0xFFFFFFFF);
    w.u32(at + instance::kNameOffset, instance::kSize);
    w.u32(at + instance::kNameLength, static_cast<std::uint32_t>(nameBytes));
    for (std::size_t i = 0; i < instance.name.size(); ++i) w.u16(at + instance::kSize + 2 * i, instance.name[i]);
    const std::size_t counters = w.reserve(counterBlockSize(instance));
    w.u32(counters + counterBlock::kByteLength, static_cast<std::uint32_t>(counterBlockSize(instance)));
    for (std::size_t i = 0; i < instance.values.size(); ++i) w.i64(counters + 8 * (i + 1), instance.values[i]);
}

void writeObject(Writer& w, const ObjectSpec& shape) {
    const std::size_t at = w.reserve(object::kSize);
    w.u32(at + object::kHeaderLength, object::kSize);
    w.u32(at + object::kObjectNameTitleIndex, shape.titleIndex);
    w.u32(at + object::kNumCounters, static_cast<std::uint32_t>(shape.counters.size()));
    w.u32(at + object::kNumInstances, static_cast<std::uint32_t>(shape.instances.size()));
    for (const CounterSpec& c : shape.counters) {
        const std::size_t def = w.reserve(counter::kSize);
        w.u32(def + counter::kByteLength, counter::kSize);
        w.u32(def + counter::kCounterNameTitleIndex, c.titleIndex);
        w.u32(def + counter::kCounterType, c.type);
        w.u32(def + counter::kCounterSize, 8);
        w.u32(def + counter::kCounterOffset, c.offset);
    }
    w.u32(at + object::kDefinitionLength, static_cast<std::uint32_t>(w.size() - at));
    for (const InstanceSpec& instance : shape.instances) writeInstance(w, instance);
    w.u32(at + object::kTotalByteLength, static_cast<std::uint32_t>(w.size() - at));
}

std::u16string decimalName(std::size_t n) {
    std::u16string name;
    for (char c : std::to_string(n)) name += static_cast<char16_t>(c);
    return name;
}

}  // namespace

std::vector<std::byte> writePerfData(const BlockSpec& shape) {
    Writer w;
    writeHeader(w, shape);
    for (const ObjectSpec& object : shape.objects) writeObject(w, object);
    w.u32(block::kTotalByteLength, static_cast<std::uint32_t>(w.size()));
    return w.take();
}

BlockSpec numberedProcessorBlock(const SystemTime& time, const std::vector<ProcessorIdleTime>& processors) {
    ObjectSpec processor{
        kProcessorObjectIndex,
        {{kUserTimeIndex, kProcessorTimeType, 16}, {kProcessorTimeCounterIndex, kProcessorTimeType, 8}},
        {}};
    std::uint64_t total = 0;  // wraps like the counters it sums
    for (const ProcessorIdleTime& p : processors) {
        processor.instances.push_back({decimalName(p.number), {p.idlePer100ns, 0}});
        total += static_cast<std::uint64_t>(p.idlePer100ns);
    }
    processor.instances.push_back({u"_Total", {static_cast<std::int64_t>(total), 0}});
    return BlockSpec{u"PERF", time, {processor}};
}

BlockSpec processorBlock(const SystemTime& time, const std::vector<std::int64_t>& idlePer100ns) {
    std::vector<ProcessorIdleTime> processors;
    for (std::size_t i = 0; i < idlePer100ns.size(); ++i)
        processors.push_back({static_cast<std::uint32_t>(i), idlePer100ns[i]});
    return numberedProcessorBlock(time, processors);
}

}  // namespace tidemark::perf
