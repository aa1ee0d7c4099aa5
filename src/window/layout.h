#pragma once
// The window's designed geometry in twips (15 per pixel), all of it here:
// the controls the re-layout stretches, every other control by its name,
// and the re-layout that stretches the graph when the window's size changes.
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

// Where the form puts every control that does not stretch, in twips within
// its container, by the control's name (an index written as a suffix).
namespace form {
inline constexpr TwipRect picnofocus{-200, 60, 75, 255};     // the focus keeper, off the client area
inline constexpr TwipRect Frame3{120, 0, 7830, 1140};        // the options frame in the bottom strip
inline constexpr TwipRect CmdOptions0{120, 240, 675, 750};   // Save
inline constexpr TwipRect chkLogTodisk{780, 240, 795, 750};  // Log data
inline constexpr TwipRect CmdOptions3{1560, 240, 615, 750};  // Open
inline constexpr TwipRect CmdOptions1{2220, 240, 615, 750};  // Clear
inline constexpr TwipRect CmdOptions2{2820, 240, 615, 750};  // Pause
inline constexpr TwipRect cmdicon1{7620, 660, 315, 315};     // Pause's picture
inline constexpr TwipRect cmdicon0{7620, 840, 315, 315};     // Start's picture
inline constexpr TwipRect Frame1{3540, 140, 1455, 870};      // Stay On Top and Refresh
inline constexpr TwipRect ChkOnTop{120, 160, 1275, 255};     // in Frame1
inline constexpr TwipRect CmbRefresh{660, 495, 750, 315};    // in Frame1
inline constexpr TwipRect lblrefresh{60, 520, 615, 255};     // in Frame1
inline constexpr TwipRect Command3{5100, 240, 975, 750};     // System Info
inline constexpr TwipRect Command1{6060, 240, 795, 750};     // Services
inline constexpr TwipRect CmdHelp1{6940, 240, 390, 390};     // Help
inline constexpr TwipRect CmdHelp0{7320, 240, 390, 390};     // About
inline constexpr TwipRect Command2{6950, 610, 760, 375};     // the web page
inline constexpr TwipRect lblscale0{300, 180, 255, 5415};    // the left scale's caption
inline constexpr TwipRect Picture1{120, 660, 1490, 3255};    // the meter panel in FrmVU
inline constexpr TwipRect Label1{105, 105, 525, 270};        // CPU, in Picture1
inline constexpr TwipRect Label2{765, 105, 585, 270};        // RAM, in Picture1
// The bottom segments of the two bars, CPU(0) and RAM(0); segment i stands kSegmentPitch · i higher.
inline constexpr TwipRect CPU0{60, 2940, 615, 135};
inline constexpr TwipRect RAM0{750, 2940, 600, 135};
inline constexpr int kSegmentPitch = 120;
inline constexpr TwipRect Label3{60, 360, 615, 300};     // the processor's figure, in Picture1
inline constexpr TwipRect Label4{750, 360, 600, 300};    // the memory's figure, in Picture1
inline constexpr TwipRect Label11{70, 180, 975, 195};    // Total Memory:
inline constexpr TwipRect Label8{1080, 180, 555, 195};   // its figure
inline constexpr TwipRect Label12{140, 350, 915, 195};   // Free Memory:
inline constexpr TwipRect Label10{1080, 350, 555, 195};  // its figure
inline constexpr TwipRect Label7{140, 500, 915, 135};    // CPU clock:
inline constexpr TwipRect Label5{1080, 490, 555, 195};   // its figure
inline constexpr TwipRect Label6{120, 540, 255, 255};    // the processor's figure, hidden
}  // namespace form

constexpr int kPicture2HeightTwips = 1215;            // the bottom strip, docked
constexpr TwipRect kReadoutBoxTwips{0, 0, 315, 180};  // the graph's read-out box, never narrower

// The layout for the window's outer width W and height H in twips.
StretchLayout relayout(int W, int H, const StretchLayout& current);

// The meter panel's two percentage figures (Label3 and Label4 in Picture1)
// end this far below the panel frame's top, its border included.
constexpr int kMeterFiguresBottomTwips = form::Picture1.T + form::Label3.T + form::Label3.H + 2 * kTwipsPerPixel;

// The smallest client area at which every control keeps a size, none
// overlaps another, and the figures stay readable: the options row of the
// bottom strip is fixed (Frame3 ends at 7950), and the window's height
// gives way in the graph first and then in the meter panel, whose bars are
// cut off above the strip (rather than covered by it) until only the two
// percentage figures are left above them.
constexpr int kMinClientWidthTwips = form::Frame3.L + form::Frame3.W;
constexpr int kMinClientHeightTwips = StretchLayout{}.FrmVU.T + kMeterFiguresBottomTwips + kPicture2HeightTwips;

}  // namespace tidemark
