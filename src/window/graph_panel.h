#pragma once
// The history graph's frame and all it holds: the graph, the read-out box
// that follows the mouse, the scale-division list and the two scale strips
// with their captions. It owns the sample history and the graph's settings;
// its controls go where the window's layout puts them.
#include <QImage>
#include <array>
#include <cstdint>
#include <functional>

#include "graph/draw_graph.h"
#include "graph/readout.h"
#include "measurement/reading.h"
#include "window/frame_box.h"
#include "window/layout.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tidemark {

class GraphView;
class ScaleStrip;

class GraphPanel : public FrameBox {
public:
    // divisionPicked runs when the user picks in the scale-division list.
    GraphPanel(const StretchLayout& layout, std::function<void()> divisionPicked, QWidget* parent);

    void fillScaleDivisions();
    // An empty history as wide as the graph, the start-up colours and a division of 10.
    void startAfresh();
    // The list shows the division in force.
    void showScaleDivision();
    // The picked division, when it is a positive number; the graph takes the focus.
    void takeScaleDivision();
    void place(const StretchLayout& layout);
    void fitHistoryToWidth();
    void clearHistory() { mHistory.HistoryCount = 0; }
    // Appends the reading and shows it; the meters' levels for it.
    LevelBars draw(const Reading& reading);
    // Prints the scale for the graph's present height.
    void printScale();

    const SampleHistory& history() const { return mHistory; }
    const GraphSettings& settings() const { return mGraphSettings; }
    const GraphView& graph() const { return *mGraph; }
    // What Save writes: the picture as shown.
    QImage picture() const;

private:
    void createGraph();
    void createReadoutBox();
    void createScale(std::function<void()> divisionPicked);
    // Buttons as bits: 1 left, 2 right, 4 middle; X and Y in graph pixels.
    void Graph_MouseDown(int button, float X, float Y);
    void Graph_MouseMove(int buttons, float X, float Y);
    void Graph_MouseUp(int button, float X, float Y);
    void applyReadout(ReadoutChange change, float X, float Y);

    SampleHistory mHistory;
    GraphSettings mGraphSettings;
    ShownGraph mShownGraph;  // what the graph's canvas shows
    std::array<std::int16_t, 11> mScaleLabelValues;

    GraphView* mGraph = nullptr;
    QLineEdit* mReadoutBox = nullptr;
    QComboBox* mScaleDivisionList = nullptr;
    std::array<ScaleStrip*, 2> mScaleStrips{};
    std::array<QLabel*, 2> mScaleCaptions{};
};

}  // namespace tidemark
