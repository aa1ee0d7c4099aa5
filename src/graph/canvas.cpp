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
    first_ = 0;
    pixels_.assign(static_cast<std::size_t>(width_) * height_, rgb(0, 0, 0));
}

void PixelCanvas::fill(Rgb color) {
    first_ = 0;
    std::fill(pixels_.begin(), pixels_.end(), color);
}

void PixelCanvas::scrollLeft() {
    if (width_ > 0) first_ = first_ + 1 < width_ ? first_ + 1 : 0;
}

std::vector<Rgb> PixelCanvas::picture() const {
    std::vector<Rgb> ordered(pixels_.size());
    for (int y = 0; y < height_; ++y) {
        const Rgb* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
        Rgb* out = ordered.data() + static_cast<std::size_t>(y) * width_;
        out = std::copy(row + first_, row + width_, out);
        std::copy(row, row + first_, out);
    }
    return ordered;
}

void PixelCanvas::column(int x, Rgb color) {
    if (x < 0 || x >= width_) return;
    for (int y = 0; y < height_; ++y) put(x, y, color);
}

void PixelCanvas::horizontalLine(int x0, int x1, int y, Rgb color) {
    if (y < 0 || y >= height_) return;
    if (x0 > x1) std::swap(x0, x1);
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width_ - 1);
    if (x0 > x1) return;
    // The picture's columns lie in the storage row in two runs.
    Rgb* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
    const int split = width_ - first_;  // picture columns from here on wrap to the row's start
    if (x0 < split) std::fill(row + first_ + x0, row + first_ + std::min(x1, split - 1) + 1, color);
    if (x1 >= split) std::fill(row + std::max(x0, split) - split, row + x1 - split + 1, color);
}

void PixelCanvas::line(int x0, int y0, int x1, int y1, Rgb color, int fromX, int toX) {
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
    const std::int64_t left = std::max(0, fromX), right = std::min(width_ - 1, toX);
    const std::int64_t majorFirst = xMajor ? left : 0, majorLast = xMajor ? right : height_ - 1;
    const std::int64_t minorFirst = xMajor ? 0 : left, minorLast = xMajor ? height_ - 1 : right;
    for (std::int64_t a = std::max(a0, majorFirst); a <= std::min(a1, majorLast); ++a) {
        const std::int64_t b = da == 0 ? b0 : b0 + roundedQuotient((a - a0) * db, da);
        if (b < minorFirst || b > minorLast) continue;
        put(static_cast<int>(xMajor ? a : b), static_cast<int>(xMajor ? b : a), color);
    }
}

}  // namespace tidemark
