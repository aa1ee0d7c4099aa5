#pragma once
// The meter frame: the bar-meter panel with its titles and percentage boxes,
// and the figures beside it (total and free memory, the clock line). It shows
// what a tick read and reads nothing itself.
#include <cstdint>

#include "base/twips.h"
#include "graph/draw_graph.h"
#include "measurement/reading.h"
#include "window/frame_box.h"

class QLabel;

namespace tidemark {

class FittingLabel;
class MeterPanel;

class MeterFrame : public FrameBox {
public:
    MeterFrame(const TwipRect& at, QWidget* parent);
    void setColors(const GraphSettings& settings);
    void setLevels(const LevelBars& levels);
    // A label lays out and repaints only when its text really changes.
    void showReading(const Reading& reading);
    // The clock line stays hidden for a clock that cannot be read (0 MHz).
    void showClockLine(std::int32_t mhz);
    void place(const TwipRect& at);

private:
    void createMeterPanel();
    void createFigures();

    MeterPanel* mPanel = nullptr;
    FittingLabel* mCpuPercentBox = nullptr;  // on the panel, above the processor bar
    FittingLabel* mMemPercentBox = nullptr;
    FittingLabel* mTotalMemoryValue = nullptr;
    FittingLabel* mFreeMemoryValue = nullptr;
    QLabel* mClockCaption = nullptr;
    QLabel* mClockValue = nullptr;
    QLabel* mCpuPercentValue = nullptr;  // hidden, as designed
};

}  // namespace tidemark
