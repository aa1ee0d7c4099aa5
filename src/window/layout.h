#pragma once
// The window's designed geometry in twips (15 per pixel) and the re-layout
// that stretches the graph when the window's size changes.
#include "base/twips.h"

namespace tidemark {

// The designed client area, and what the frame and title bar add to it: the
// re-layout works on the outer size.
constexpr int kClientWidthTwips = 8010;
constexpr int kClientHeightTwips = 5280;
constexpr int kFrameWidthTwips = 135;
constexpr int kFrameHeightTwips = 510;

// The controls the re-layout moves or sizes.
struct StretchLayout {
    TwipRect FrmGraph{120, 60, 6075, 3975};
    TwipRect Graph{280, 240, 5475, 3555};
    TwipRect FrmVU{6240, 30, 1710, 4005};
    TwipRect CmbSchaal{5220, -20, 555, 300};
    TwipRect picLabels0{30, 240, 255, 3615};
    TwipRect picLabels1{5760, 240, 255, 3615};
    TwipRect lblscale1{6720, 180, 255, 5475};
};

constexpr int kPicture2HeightTwips = 1215;            // the bottom strip, docked
constexpr TwipRect kReadoutBoxTwips{0, 0, 315, 180};  // the graph's read-out box, never narrower

// The layout for the window's outer width W and height H in twips.
StretchLayout relayout(int W, int H, const StretchLayout& current);

// The meter panel's two percentage figures (Label3 and Label4 in Picture1)
// end this far below the panel frame's top, its border included.
constexpr int kMeterFiguresBottomTwips = 660 + 360 + 300 + 2 * kTwipsPerPixel;

// The smallest client area at which every control keeps a size, none
// overlaps another, and the figures stay readable: the options row of the
// bottom strip is fixed (Frame3 ends at 7950), and the window's height
// gives way in the graph first and then in the meter panel, whose bars are
// cut off above the strip (rather than covered by it) until only the two
// percentage figures are left above them.
constexpr int kMinClientWidthTwips = 120 + 7830;
constexpr int kMinClientHeightTwips = StretchLayout{}.FrmVU.T + kMeterFiguresBottomTwips + kPicture2HeightTwips;

}  // namespace tidemark
