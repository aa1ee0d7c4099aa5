#pragma once
#include <optional>
#include <string_view>

namespace tidemark {

// The timer interval an entry of the refresh box asks for: its leading number
// rounded halves to even, when that lies in 50..65535 ms (what the timer can
// hold); nothing otherwise, and the timer keeps its interval.
std::optional<int> refreshIntervalFrom(std::string_view text);

}  // namespace tidemark
