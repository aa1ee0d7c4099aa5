#include "window/layout.h"

#include <algorithm>

namespace tidemark {

StretchLayout relayout(int W, int H, const StretchLayout& current) {
    StretchLayout next = current;
    next.FrmGraph.W = W - current.FrmVU.W - 360;
    next.Graph.W = next.FrmGraph.W - 620;
    next.lblscale1.L = next.Graph.W + 260;
    next.FrmVU.L = W - current.FrmVU.W - 180;
    next.CmbSchaal.L = next.FrmGraph.W - current.CmbSchaal.W - current.picLabels1.W - 60;
    next.FrmGraph.H = H - kPicture2HeightTwips - current.FrmGraph.T - 540;
    next.Graph.H = next.FrmGraph.H - 420;
    next.picLabels0.H = next.Graph.H + 60;
    next.picLabels1.H = next.Graph.H + 60;
    next.picLabels1.L = current.Graph.L + next.Graph.W - 10;
    // The meter panel keeps its designed height where it fits above the strip.
    const int aboveStrip = H - kFrameHeightTwips - kPicture2HeightTwips - current.FrmVU.T;
    next.FrmVU.H = std::min(StretchLayout{}.FrmVU.H, aboveStrip);
    return next;
}

}  // namespace tidemark
