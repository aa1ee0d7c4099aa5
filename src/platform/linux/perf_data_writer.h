#pragma once
// Builds performance-data blocks in the published record layout. The Linux
// backend serves its processor readings through it, and tests build their
// blocks with it (and break them with fakes/fake_sampler_os.h's patchU32).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/os_types.h"

namespace tidemark::perf {

struct CounterSpec {
    std::uint32_t titleIndex = 0;
    std::uint32_t type = 0;
    std::uint32_t offset = 0;  // in the counter block, at least 8
};

struct InstanceSpec {
    std::u16string name;
    std::vector<std::int64_t> values;  // written at 8, 16, ... of the counter block
};

struct ObjectSpec {
    std::uint32_t titleIndex = 0;
    std::vector<CounterSpec> counters;
    std::vector<InstanceSpec> instances;
};

struct BlockSpec {
    std::u16string signature = u"PERF";
    SystemTime systemTime;
    std::vector<ObjectSpec> objects;
};

std::vector<std::byte> writePerfData(const BlockSpec& shape);

struct ProcessorIdleTime {
    std::uint32_t number = 0;  // the instance's name
    std::int64_t idlePer100ns = 0;
};

// A processor object (238) whose idle-time counter (6) follows another
// counter, one instance per processor named by its number and "_Total"
// holding their sum.
BlockSpec numberedProcessorBlock(const SystemTime& time, const std::vector<ProcessorIdleTime>& processors);
// The same with the processors numbered 0, 1, ... in order.
BlockSpec processorBlock(const SystemTime& time, const std::vector<std::int64_t>& idlePer100ns);

}  // namespace tidemark::perf
