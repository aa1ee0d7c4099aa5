// Feeds arbitrary text to the parsers of /proc and /sys files and to the
// leading-number rule.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base/numbers.h"
#include "platform/linux/proc_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tidemark::proc::processorIdleTicks(text);
    tidemark::proc::processorCountOfList(text);
    tidemark::proc::memoryStatus(text);
    tidemark::proc::maxFrequencyMHz(text);
    tidemark::proc::firstProcessorMHz(text);
    tidemark::roundToInt32(tidemark::leadingNumber(text));
    return 0;
}
