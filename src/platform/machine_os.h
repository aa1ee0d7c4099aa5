#pragma once
// Memory and processor-clock readings of the operating system.
#include <cstdint>

#include "platform/os_types.h"

namespace tidemark {

class MachineOs {
public:
    virtual ~MachineOs() = default;
    // Never fails; fields that cannot be read are 0.
    virtual MemoryStatus globalMemoryStatus() = 0;
    // The rated clock of the first processor in MHz, 0 when it cannot be read.
    virtual std::int32_t firstProcessorMHz() = 0;
};

}  // namespace tidemark
