#pragma once
// A 32-bit RGB pixel buffer drawn into by plain copy: one-pixel lines with both
// end points, clipped to the buffer. It is the graph's persistent image; the
// window shows it and Save writes it.
#include <cstdint>
#include <vector>

namespace tidemark {

using Rgb = std::uint32_t;  // 0xFFRRGGBB

constexpr Rgb rgb(int r, int g, int b) {
    return 0xFF000000u | static_cast<Rgb>(r) << 16 | static_cast<Rgb>(g) << 8 | static_cast<Rgb>(b);
}

class PixelCanvas {
public:
    PixelCanvas(int width = 0, int height = 0);
    void resize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    const Rgb* data() const { return pixels_.data(); }
    Rgb pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    void fill(Rgb color);
    void horizontalLine(int x0, int x1, int y, Rgb color);
    // A line from (x0, y0) to (x1, y1) inclusive; each pixel is the point of
    // the exact line nearest to it along the major axis, so a clipped line
    // lights the same pixels as the unclipped one.
    void line(int x0, int y0, int x1, int y1, Rgb color);

private:
    void put(int x, int y, Rgb color) { pixels_[static_cast<std::size_t>(y) * width_ + x] = color; }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

}  // namespace tidemark
