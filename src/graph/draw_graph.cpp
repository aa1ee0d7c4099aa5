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

void drawGrid(PixelCanvas& canvas, const GraphSettings& settings, float W, float H) {
    if (settings.ScaleDivision <= 0) return;
    for (int p = 0; p <= 100; p += settings.ScaleDivision)
        canvas.horizontalLine(0, toPixel(W), toPixel(p * H / 100.0f), settings.GridColor);
}

}  // namespace

void drawHistory(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings) {
    const float W = static_cast<float>(canvas.width());
    const float H = static_cast<float>(canvas.height());
    canvas.fill(settings.BackColor);
    drawGrid(canvas, settings, W, H);
    const auto& cpu = history.CpuHistory;
    const auto& mem = history.MemHistory;
    for (int i = 1; i < history.HistoryCount; ++i) {
        const int newer = toPixel(W - static_cast<float>(i - 1));
        const int older = toPixel(W - static_cast<float>(i));
        // The processor segment ends one pixel higher at its older end.
        canvas.line(newer, toPixel(heightOf(cpu[i - 1], H)), older, toPixel(heightOf(cpu[i], H) - 1.0f),
                    settings.CpuCurveColor);
        canvas.line(newer, toPixel(heightOf(mem[i - 1], H)), older, toPixel(heightOf(mem[i], H)),
                    settings.MemCurveColor);
    }
}

LevelBars DrawGraph(SampleHistory& history, PixelCanvas& canvas, const GraphSettings& settings,
                    std::int16_t cpuPercent, std::int32_t totalMemoryKB, std::int32_t freeMemoryKB) {
    history.append(cpuPercent, memoryInUsePercent(freeMemoryKB, totalMemoryKB));
    const LevelBars levels{levelOf(history.CpuHistory[0]), levelOf(history.MemHistory[0])};
    drawHistory(canvas, history, settings);
    return levels;
}

}  // namespace tidemark
