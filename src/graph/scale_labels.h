#pragma once
// Where the percentage scale beside the graph is printed.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/twips.h"

namespace tidemark {

// 0, 10, ..., 100; the scale prints them from the top down.
std::array<std::int16_t, 11> makeScaleLabelValues();

struct ScaleLabel {
    int yTwips;        // from the strip's top edge
    std::string text;  // " 100 "
};

// Labels k = 0, 1, ... at y = k * (H div 10) pixels while y <= H and k <= 10,
// H being the graph's inner height rounded halves to even. The value of
// label k is values[10 - k]. A graph under 10 pixels high gives a spacing of
// 0: then only the top label is printed instead of eleven on one spot.
std::vector<ScaleLabel> scaleLabels(double graphInnerHeight, const std::array<std::int16_t, 11>& values);

}  // namespace tidemark
