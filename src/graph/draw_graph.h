#pragma once
// The history graph: appends a reading, works out the level bars and brings
// the picture up to date. The picture is defined by a full redraw from the
// history; a tick that only appends moves the picture one column left and
// draws the newest column, which gives the same pixels at a fraction of the cost.
#include <cstdint>

#include "graph/canvas.h"
#include "graph/history.h"

namespace tidemark {

struct GraphSettings {
    Rgb CpuCurveColor = rgb(0, 100, 255);
    Rgb MemCurveColor = rgb(255, 255, 0);
    Rgb GridColor = rgb(128, 128, 128);
    Rgb LevelOffColor = rgb(150, 150, 150);
    Rgb BackColor = rgb(0, 0, 0);
    std::int16_t ScaleDivision = 10;  // grid spacing in percent
    bool operator==(const GraphSettings&) const = default;
};

struct LevelBars {
    int cpuLevel = -1;  // segments 0..cpuLevel are lit
    int memLevel = -1;
};

// Clears the canvas and draws the grid from the top edge and both curves, the
// newest sample at x = width, each memory segment after its processor segment.
void drawHistory(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings);

// The same picture for a screen with `scale` device pixels per graph pixel
// where that is not a whole number: the canvas has the device size, the
// graph W x H graph pixels, and every line is round(scale) pixels thick, so
// no grid line is thinner than another.
void drawHistoryScaled(PixelCanvas& canvas, const SampleHistory& history, const GraphSettings& settings, float W,
                       float H, float scale);

// What the canvas last showed, so the next tick can tell whether moving the
// picture gives the full redraw's pixels.
struct ShownGraph {
    int width = -1;
    int height = -1;
    std::int16_t count = -1;
    GraphSettings settings;
};

struct GraphUpdate {
    LevelBars levels;
    bool scrolled = false;  // only the newest column changed, the rest moved one left
};

// One call per tick: appends the readings and brings the canvas up to date.
// It scrolls when the canvas shows the history as it was before this append
// (same size and settings, no Clear since); otherwise it redraws everything.
GraphUpdate DrawGraph(SampleHistory& history, PixelCanvas& canvas, const GraphSettings& settings,
                      std::int16_t cpuPercent, std::int16_t memPercent, ShownGraph& shown);

}  // namespace tidemark
