#pragma once
// The value read-out: the percentage of the graph's scale at the pointer's
// height, in a small box that follows the pointer while the left button is held.
#include <string>

namespace tidemark {

struct Readout {
    std::string text;  // "42%"
    float x = 0;       // the box's top-left corner in graph pixels
    float y = 0;
};

// The value at height Y of a graph W x H pixels: 100 - round(Y / (H / 100)),
// halves to even, within 0..100. The box keeps 10 pixels from the right edge
// and 15 from the bottom, but follows the pointer above and left of the graph.
Readout readoutAt(float X, float Y, float W, float H);

enum class ReadoutChange { Show, Hide, Keep };

// Buttons as bits: 1 left, 2 right, 4 middle.
ReadoutChange onMouseDown(int button);       // the button that went down
ReadoutChange onMouseMove(int heldButtons);  // the buttons held
ReadoutChange onMouseUp();

}  // namespace tidemark
