#include "graph/draw_graph.h"

#include <algorithm>
#include <cmath>

namespace tidemark {
namespace {

// Fractional coordinates go to the nearest pixel; the clamp keeps wild
// readings representable, the canvas clips them anyway.
int toPixel(float coordinate) {
    return static_cast<int>(std::nearbyint(std::clamp(coordinate, -1.0e6f, 1.0e6f)));
}

float heightOf(std::int16_t percent, float H) { return H - percent * H / 100.0f; }

// Graph coordinates to device pixels, and the thickness of every line.
struct DeviceScale {
    float scale = 1.0f;
    int thickness = 1;
    int operator()(float coordinate) const { return toPixel(coordinate * scale); }
};

void drawGrid(PixelCanvas& canvas, const GraphSettings& settings, float W, float H, const DeviceScale& device) {
    if (settings.ScaleDivision <= 0) return;
    for (int p = 0; p <= 100; p += settings.ScaleDivision)
        for (int row = 0; row < device.thickness; ++row)
            canvas.horizontalLine(0, device(W), device(p * H / 100.0f) + row, settings.GridColor);
}

void drawLine(PixelCanvas& canvas, int x0, int y0, int x1, int y1, Rgb color, int thickness) {
    for (int dy = 0; dy < thickness; ++dy)
        for (int dx = 0; dx < thickness; ++dx) canvas.line(x0 + dx, y0 + dy, x1 + dx, y1 + dy, color);
}

void drawCurves(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings, float W, float H,
                const DeviceScale& device) {
    const auto& cpu = history.CpuHistory;
    const auto& mem = history.MemHistory;
    for (int i = 1; i < history.HistoryCount; ++i) {
        const int newer = device(W - static_cast<float>(i - 1));
        const int older = device(W - static_cast<float>(i));
        // The processor segment ends one pixel higher at its older end.
        drawLine(canvas, newer, device(heightOf(cpu[i - 1], H)), older, device(heightOf(cpu[i], H) - 1.0f),
                 settings.CpuCurveColor, device.thickness);
        drawLine(canvas, newer, device(heightOf(mem[i - 1], H)), older, device(heightOf(mem[i], H)),
                 settings.MemCurveColor, device.thickness);
    }
}

void drawOn(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings, float W, float H,
            const DeviceScale& device) {
    canvas.fill(settings.BackColor);
    drawGrid(canvas, settings, W, H, device);
    drawCurves(canvas, history, settings, W, H, device);
}

}  // namespace

void drawHistory(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings) {
    drawOn(canvas, history, settings, static_cast<float>(canvas.width()), static_cast<float>(canvas.height()), {});
}

void drawHistoryScaled(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings, float W,
                       float H, float scale) {
    drawOn(canvas, history, settings, W, H, {scale, std::max(1, toPixel(scale))});
}

LevelBars DrawGraph(SampleHistory& history, PixelCanvas& canvas, const GraphSettings& settings,
                    std::int16_t cpuPercent, std::int16_t memPercent) {
    history.append(cpuPercent, memPercent);
    const LevelBars levels{levelOf(history.CpuHistory[0]), levelOf(history.MemHistory[0])};
    drawHistory(canvas, history, settings);
    return levels;
}

}  // namespace tidemark
