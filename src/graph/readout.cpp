#include "graph/readout.h"

#include <algorithm>
#include <cmath>

#include "base/numbers.h"

namespace tidemark {

Readout readoutAt(float X, float Y, float W, float H) {
    const double steps = roundHalfEven(static_cast<double>(Y) / (static_cast<double>(H) / 100.0));
    const double value = std::isnan(steps) ? 0 : std::clamp(100.0 - steps, 0.0, 100.0);
    Readout readout;
    readout.text = decimalText(static_cast<int>(value)) + "%";
    readout.x = std::min(X, W - 10);
    readout.y = std::min(Y, H - 15);
    return readout;
}

ReadoutChange onMouseDown(int button) { return button == 1 ? ReadoutChange::Show : ReadoutChange::Hide; }
ReadoutChange onMouseMove(int heldButtons) { return heldButtons == 1 ? ReadoutChange::Show : ReadoutChange::Keep; }
ReadoutChange onMouseUp() { return ReadoutChange::Hide; }

}  // namespace tidemark
