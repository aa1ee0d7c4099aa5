#include "window/refresh_interval.h"

#include "base/numbers.h"

namespace tidemark {

std::optional<int> refreshIntervalFrom(std::string_view text) {
    const double value = leadingNumber(text);
    if (!(value >= 50)) return std::nullopt;
    const auto interval = roundToInt32(value);
    if (!interval || *interval > 65535) return std::nullopt;
    return *interval;
}

}  // namespace tidemark
