#pragma once
// The operating-system backends of the build's platform.
#include <memory>

#include "platform/machine_os.h"
#include "platform/sampler_os.h"

namespace tidemark {

std::unique_ptr<SamplerOs> makeSamplerOs();
std::unique_ptr<MachineOs> makeMachineOs();

}  // namespace tidemark
