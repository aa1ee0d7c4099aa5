#include "graph/draw_graph.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace tidemark {
namespace {

// Fractional coordinates go to the nearest pixel; the clamp keeps wild
// readings representable, the canvas clips them anyway.
int toPixel(float coordinate) { return static_cast<int>(std::nearbyint(std::clamp(coordinate, -1.0e6f, 1.0e6f))); }

float heightOf(std::int16_t percent, float H) { return H - percent * H / 100.0f; }

// How graph coordinates become device pixels, the thickness of every line,
// and the columns that may be drawn.
struct Drawing {
    float W = 0, H = 0;
    float scale = 1.0f;
    int thickness = 1;
    int fromX = INT_MIN, toX = INT_MAX;
    int operator()(float coordinate) const { return toPixel(coordinate * scale); }
};

void drawGrid(PixelCanvas& canvas, const GraphSettings& settings, const Drawing& d) {
    if (settings.ScaleDivision <= 0) return;
    const int left = std::max(0, d.fromX), right = std::min(d(d.W), d.toX);
    for (int p = 0; p <= 100; p += settings.ScaleDivision)
        for (int row = 0; row < d.thickness; ++row)
            canvas.horizontalLine(left, right, d(p * d.H / 100.0f) + row, settings.GridColor);
}

void drawLine(PixelCanvas& canvas, int x0, int y0, int x1, int y1, Rgb color, const Drawing& d) {
    for (int dy = 0; dy < d.thickness; ++dy)
        for (int dx = 0; dx < d.thickness; ++dx) canvas.line(x0 + dx, y0 + dy, x1 + dx, y1 + dy, color, d.fromX, d.toX);
}

// Segment i joins sample i - 1 to sample i: the processor's first, then the
// memory's, which covers it where they meet. A processor sample without a
// figure (negative) has no segment to or from it.
void drawSegment(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings, const Drawing& d,
                 int i) {
    const auto& cpu = history.CpuHistory;
    const auto& mem = history.MemHistory;
    const int newer = d(d.W - static_cast<float>(i - 1));
    const int older = d(d.W - static_cast<float>(i));
    // The processor segment ends one pixel higher at its older end.
    if (cpu[i - 1] >= 0 && cpu[i] >= 0)
        drawLine(canvas, newer, d(heightOf(cpu[i - 1], d.H)), older, d(heightOf(cpu[i], d.H) - 1.0f),
                 settings.CpuCurveColor, d);
    drawLine(canvas, newer, d(heightOf(mem[i - 1], d.H)), older, d(heightOf(mem[i], d.H)), settings.MemCurveColor, d);
}

void drawOn(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings, const Drawing& d) {
    canvas.fill(settings.BackColor);
    drawGrid(canvas, settings, d);
    for (int i = 1; i < history.HistoryCount; ++i) drawSegment(canvas, history, settings, d, i);
}

// After a scroll every column but the rightmost holds its full-redraw pixels:
// column c shows what column c + 1 showed, drawn by the same two segments one
// sample older, in the same order. The rightmost column is drawn alone: its
// background, its grid pixels and the parts of segments 1 and 2 in it.
void drawNewestColumn(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings) {
    const int x = canvas.width() - 1;
    Drawing d{static_cast<float>(canvas.width()), static_cast<float>(canvas.height())};
    d.fromX = d.toX = x;
    canvas.column(x, settings.BackColor);
    drawGrid(canvas, settings, d);
    for (int i = 1; i <= 2 && i < history.HistoryCount; ++i) drawSegment(canvas, history, settings, d, i);
}

// Scrolling gives the full redraw's pixels when the canvas shows the history
// as it was before this append. A segment that no longer counts must have
// been out of sight already, beyond the left edge.
bool canScroll(const ShownGraph& shown, const PixelCanvas& canvas, const GraphSettings& settings,
               std::int16_t countBefore, std::int16_t countAfter) {
    if (canvas.width() < 1 || shown.width != canvas.width() || shown.height != canvas.height()) return false;
    if (shown.settings != settings || shown.count != countBefore) return false;
    return countAfter == countBefore + 1 || countBefore > canvas.width() + 1;
}

}  // namespace

void drawHistory(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings) {
    drawOn(canvas, history, settings, {static_cast<float>(canvas.width()), static_cast<float>(canvas.height())});
}

void drawHistoryScaled(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings, float W,
                       float H, float scale) {
    drawOn(canvas, history, settings, {W, H, scale, std::max(1, toPixel(scale))});
}

GraphUpdate DrawGraph(SampleHistory& history, PixelCanvas& canvas, const GraphSettings& settings,
                      std::int16_t cpuPercent, std::int16_t memPercent, ShownGraph& shown) {
    const std::int16_t countBefore = history.HistoryCount;
    history.append(cpuPercent, memPercent);
    GraphUpdate update{{levelOf(history.CpuHistory[0]), levelOf(history.MemHistory[0])}};
    update.scrolled = canScroll(shown, canvas, settings, countBefore, history.HistoryCount);
    if (update.scrolled) {
        canvas.scrollLeft();
        drawNewestColumn(canvas, history, settings);
    } else {
        drawHistory(canvas, history, settings);
    }
    shown = {canvas.width(), canvas.height(), history.HistoryCount, settings};
    return update;
}

}  // namespace tidemark
