#pragma once
#include <cstdint>

#include "platform/machine_os.h"

namespace tidemark {

// The first processor's clock in MHz; 0 when it cannot be read. No cache:
// the platform is asked on every call.
inline std::int32_t GetCPUClock(MachineOs& os) { return os.firstProcessorMHz(); }

}  // namespace tidemark
