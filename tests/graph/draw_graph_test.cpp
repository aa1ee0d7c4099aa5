#include "graph/draw_graph.h"

#include <gtest/gtest.h>

#include "graph/readout.h"
#include "graph/scale_labels.h"

namespace tidemark {
namespace {

const GraphSettings kSettings;

std::vector<int> columnsWith(const PixelCanvas& canvas, int y, Rgb color) {
    std::vector<int> xs;
    for (int x = 0; x < canvas.width(); ++x)
        if (canvas.pixel(x, y) == color) xs.push_back(x);
    return xs;
}

// Draws a history whose every sample reads cpu and mem, on a 10 x 100 graph.
PixelCanvas flatHistory(std::int16_t cpu, std::int16_t mem, int samples) {
    SampleHistory history;
    history.HistoryCapacity = 30;
    for (int i = 0; i < samples; ++i) history.append(cpu, mem);
    GraphSettings settings;
    settings.ScaleDivision = 200;  // only the top grid line
    PixelCanvas canvas(10, 100);
    drawHistory(canvas, history, settings);
    return canvas;
}

TEST(Curves, SegmentsFromTheRightEdgeTheProcessorsOneRowHigherAtItsOlderEnd) {
    const auto cpu = kSettings.CpuCurveColor, mem = kSettings.MemCurveColor;
    using Columns = std::vector<int>;
    const std::tuple<const char*, std::int16_t, std::int16_t, int, int, Rgb, Columns> rows[] = {
        // name, cpu, mem, samples, row, colour, columns lit on that row
        {"one sample: only the grid", 50, 50, 1, 50, cpu, {}},
        {"second sample: one segment from x = W", 40, 20, 2, 80, mem, {9}},
        {"100 reaches row 0", 100, 100, 4, 0, mem, {7, 8, 9}},
        {"memory covers the processor where they meet", 100, 100, 4, 0, cpu, {}},
        {"0 lies below the last row but the processor's older end", 0, 0, 4, 99, cpu, {7, 8, 9}},
        {"processor at its own row", 50, 20, 5, 50, cpu, {7, 8, 9}},
        {"and one row up", 50, 20, 5, 49, cpu, {6, 7, 8, 9}},
        {"crossing: memory drawn last", 50, 50, 5, 50, mem, {6, 7, 8, 9}},
    };
    for (const auto& [name, cpuPercent, memPercent, samples, row, colour, columns] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(columnsWith(flatHistory(cpuPercent, memPercent, samples), row, colour), columns);
    }
    // Samples without a processor figure (-1) leave a gap, not a plunge to the
    // bottom, when the figures begin.
    SampleHistory history;
    history.HistoryCapacity = 30;
    for (const std::int16_t cpuPercent : {-1, -1, 50}) history.append(cpuPercent, 20);
    PixelCanvas canvas(10, 100);
    drawHistory(canvas, history, kSettings);
    for (int y = 0; y < canvas.height(); ++y) EXPECT_EQ(columnsWith(canvas, y, cpu), std::vector<int>{}) << "row " << y;
}

// The read-out on a 300 x 200 graph: the value at the pointer's height, and
// where its box stands.
TEST(Readout, ValueHalvesToEvenAndTheBoxKeepsOffTheRightAndBottomEdgesOnly) {
    const std::tuple<const char*, float, float, std::string, float, float> rows[] = {
        // name, X, Y, text, box x, box y
        {"2.5 steps round to 2", 50, 5, "98%", 50, 5},
        {"3.5 steps round to 4", 50, 7, "96%", 50, 7},
        {"below the graph: 0, the box 15 px above the bottom", 50, 250, "0%", 50, 185},
        {"above the graph: 100, the box follows the pointer", 50, -20, "100%", 50, -20},
        {"the box 10 px from the right edge", 299, 100, "50%", 290, 100},
    };
    for (const auto& [name, X, Y, text, x, y] : rows) {
        SCOPED_TRACE(name);
        const Readout readout = readoutAt(X, Y, 300, 200);
        EXPECT_EQ(readout.text, text);
        EXPECT_EQ(readout.x, x);
        EXPECT_EQ(readout.y, y);
    }
}

TEST(ScaleLabels, ElevenAtTheIntegerSpacingAndOneWhenThereIsNoSpacing) {
    const auto values = makeScaleLabelValues();
    const auto labels = scaleLabels(233, values);
    ASSERT_EQ(labels.size(), 11u);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_EQ(labels[k].yTwips, 23 * k * 15);
        EXPECT_EQ(labels[k].text, " " + std::to_string(100 - 10 * k) + " ");
    }
    // Spacing 9 fits a twelfth label at y = 99: only the bound stops it.
    EXPECT_EQ(scaleLabels(99, values).size(), 11u);
    EXPECT_EQ(scaleLabels(9, values).size(), 1u) << "no spacing: the top label alone";
    EXPECT_EQ(scaleLabels(-5, values).size(), 0u);
}

}  // namespace
}  // namespace tidemark
