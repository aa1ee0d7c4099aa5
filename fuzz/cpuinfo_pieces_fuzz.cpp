// Feeds /proc/cpuinfo text to the clock scan in pieces of every size: the
// answer must be the one the whole text gives, wherever the pieces split it.
//
// Input: one byte for the piece size (1 to 64), then the text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/linux/proc_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t pieceSize = data[0] % 64 + 1;
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto whole = tidemark::proc::firstProcessorMHz(text);
    tidemark::proc::FirstProcessorClockScan scan;
    while (!text.empty()) {
        const std::string_view piece = text.substr(0, pieceSize);
        text.remove_prefix(piece.size());
        if (scan.add(piece)) break;
    }
    if (scan.finish() != whole) __builtin_trap();
    return 0;
}
