// Feeds arbitrary registry data of any type to the About box's value reader.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/registry_value.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint32_t type = data[0] % 8;
    tidemark::registryValueText(type, std::vector<std::uint8_t>(data + 1, data + size));
    return 0;
}
