#pragma once
// A 32-bit RGB pixel buffer drawn into by plain copy: one-pixel lines with both
// end points, clipped to the buffer. It is the graph's persistent image; the
// window shows it and Save writes it.
//
// Each row is a ring: scrollLeft() moves the whole picture one column to the
// left by moving the ring's start, without touching a pixel. Drawing always
// uses picture coordinates (x = 0 is the left edge).
#include <climits>
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
    Rgb pixel(int x, int y) const { return pixels_[offset(x, y)]; }

    void fill(Rgb color);
    void horizontalLine(int x0, int x1, int y, Rgb color);
    void column(int x, Rgb color);
    // A line from (x0, y0) to (x1, y1) inclusive; each pixel is the point of
    // the exact line nearest to it along the major axis, so a clipped line
    // lights the same pixels as the unclipped one. Only columns fromX..toX
    // are drawn.
    void line(int x0, int y0, int x1, int y1, Rgb color, int fromX = INT_MIN, int toX = INT_MAX);

    // The picture moves one column left; the rightmost column then holds
    // what was the leftmost one, for the caller to draw anew.
    void scrollLeft();

    // The storage: rows of width() pixels, picture column x at storage column
    // (x + firstColumn()) mod width(). For showing the buffer without a copy.
    const Rgb* storage() const { return pixels_.data(); }
    int firstColumn() const { return first_; }
    // The picture in order, row by row, x = 0 first.
    std::vector<Rgb> picture() const;

private:
    std::size_t offset(int x, int y) const {
        const int column = x + first_ < width_ ? x + first_ : x + first_ - width_;
        return static_cast<std::size_t>(y) * width_ + column;
    }
    void put(int x, int y, Rgb color) { pixels_[offset(x, y)] = color; }

    int width_ = 0;
    int height_ = 0;
    int first_ = 0;  // the storage column of picture column 0
    std::vector<Rgb> pixels_;
};

}  // namespace tidemark
