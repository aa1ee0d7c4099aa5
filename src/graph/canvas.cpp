#include "graph/canvas.h"

#include <algorithm>
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
    const std::int64_t dx = static_cast<std::int64_t>(x1) - x0;
    const std::int64_t dy = static_cast<std::int64_t>(y1) - y0;
    if (dx == 0 && dy == 0) {
        if (x0 >= 0 && x0 < width_ && y0 >= 0 && y0 < height_) put(x0, y0, color);
        return;
    }
    if (std::abs(dx) >= std::abs(dy)) {
        if (dx < 0) return line(x1, y1, x0, y0, color);
        // Walk only the columns inside the canvas.
        const std::int64_t from = std::max<std::int64_t>(x0, 0);
        const std::int64_t to = std::min<std::int64_t>(x1, width_ - 1);
        for (std::int64_t x = from; x <= to; ++x) {
            const std::int64_t y = y0 + roundedQuotient((x - x0) * dy, dx);
            if (y >= 0 && y < height_) put(static_cast<int>(x), static_cast<int>(y), color);
        }
    } else {
        if (dy < 0) return line(x1, y1, x0, y0, color);
        const std::int64_t from = std::max<std::int64_t>(y0, 0);
        const std::int64_t to = std::min<std::int64_t>(y1, height_ - 1);
        for (std::int64_t y = from; y <= to; ++y) {
            const std::int64_t x = x0 + roundedQuotient((y - y0) * dx, dy);
            if (x >= 0 && x < width_) put(static_cast<int>(x), static_cast<int>(y), color);
        }
    }
}

}  // namespace tidemark
