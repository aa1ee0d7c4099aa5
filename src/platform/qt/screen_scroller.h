#pragma once
// Draws a scrolling picture straight onto the window's pixels on screen, where
// the display keeps them: one copy on the display server instead of two (the
// toolkit's own picture of the window, then the window), and no repaint pass.
#include <QRect>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

class QWidget;

namespace tidemark {

class ScreenScroller {
public:
    virtual ~ScreenScroller() = default;
    // Follows the window's native window; called each time it is shown, as
    // the window may have been made anew (keeping it on top does that).
    virtual void attach() = 0;
    // Whether the window's pixels on screen can be drawn straight now: the
    // window is shown whole, nothing covers it, one device pixel per pixel.
    virtual bool ready() const = 0;
    // Moves `area` (window coordinates) one pixel left and puts `column`
    // (0xFFRRGGBB, top to bottom, area.height() of them) at its right edge.
    // Sent with the toolkit's next drawing, or by flush().
    virtual void scrollLeft(const QRect& area, std::span<const std::uint32_t> column) = 0;
    // Sends what was drawn and not sent yet; costs nothing when nothing is left.
    virtual void flush() = 0;
};

// `window` is the top-level widget. `shownPixelsLost` is called when what
// the screen showed may have been covered and needs drawing again. Nothing
// where the display does not allow it (then the toolkit scrolls its picture).
std::unique_ptr<ScreenScroller> makeScreenScroller(QWidget* window, std::function<void()> shownPixelsLost);

}  // namespace tidemark
