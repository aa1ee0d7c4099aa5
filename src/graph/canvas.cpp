#include "graph/canvas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace tidemark {
namespace {

// round(numerator / denominator) for a positive denominator, halves up.
std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t twice = 2 * numerator + denominator;
    std::int64_t q = twice / (2 * denominator);
    if (twice % (2 * denominator) < 0) --q;  // floor for negatives
    return q;
}

}  // namespace

PixelCanvas::PixelCanvas(int width, int height) { resize(width, height); }

void PixelCanvas::resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, rgb(0, 0, 0));
}

void PixelCanvas::fill(Rgb color) { std::fill(pixels_.begin(), pixels_.end(), color); }

void PixelCanvas::horizontalLine(int x0, int x1, int y, Rgb color) {
    if (y < 0 || y >= height_) return;
    if (x0 > x1) std::swap(x0, x1);
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width_ - 1);
    if (x0 > x1) return;
    Rgb* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
    std::fill(row + x0, row + x1 + 1, color);
}

void PixelCanvas::line(int x0, int y0, int x1, int y1, Rgb color) {
    // Walk the major axis from the lower end, only across the canvas; the
    // minor coordinate is the exact line's nearest point at each step.
    const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
    std::int64_t a0 = xMajor ? x0 : y0, a1 = xMajor ? x1 : y1;
    std::int64_t b0 = xMajor ? y0 : x0, b1 = xMajor ? y1 : x1;
    if (a1 < a0) {
        std::swap(a0, a1);
        std::swap(b0, b1);
    }
    const std::int64_t da = a1 - a0, db = b1 - b0;
    const std::int64_t majorLimit = xMajor ? width_ : height_;
    const std::int64_t minorLimit = xMajor ? height_ : width_;
    for (std::int64_t a = std::max<std::int64_t>(a0, 0); a <= std::min(a1, majorLimit - 1); ++a) {
        const std::int64_t b = da == 0 ? b0 : b0 + roundedQuotient((a - a0) * db, da);
        if (b < 0 || b >= minorLimit) continue;
        put(static_cast<int>(xMajor ? a : b), static_cast<int>(xMajor ? b : a), color);
    }
}

}  // namespace tidemark
