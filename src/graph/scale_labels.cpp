#include "graph/scale_labels.h"

#include "base/numbers.h"

namespace tidemark {

std::array<std::int16_t, 11> makeScaleLabelValues() {
    std::array<std::int16_t, 11> values{};
    for (int v = 0; v <= 100; v += 10) values[v / 10] = static_cast<std::int16_t>(v);
    return values;
}

std::vector<ScaleLabel> scaleLabels(double graphInnerHeight, const std::array<std::int16_t, 11>& values) {
    const auto H = roundToInt32(graphInnerHeight).value_or(0);
    const int spacing = H / 10;
    const int lastLabel = spacing == 0 ? 0 : 10;
    std::vector<ScaleLabel> labels;
    for (int k = 0, y = 0; y <= H && k <= lastLabel; ++k, y = k * spacing)
        labels.push_back({y * kTwipsPerPixel, " " + decimalText(values[10 - k]) + " "});
    return labels;
}

}  // namespace tidemark
