#pragma once
#include <QFrame>
#include <QImage>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "graph/canvas.h"
#include "graph/draw_graph.h"
#include "platform/qt/screen_scroller.h"

class QPainter;

namespace tidemark {

// The history graph's picture: a sunken border around the persistent image,
// which is what the tick draws into, what is shown and what Save writes.
// On a screen whose scale is a whole number each graph pixel is shown as a
// clean block; on one with a fractional scale the picture is drawn again at
// the screen's own resolution, so that every line keeps one thickness.
class GraphView : public QFrame {
public:
    explicit GraphView(QWidget* parent);
    PixelCanvas& canvas() { return canvas_; }
    const PixelCanvas& canvas() const { return canvas_; }
    // The picture as the toolkit sees it (a copy, in order), as Save writes it.
    QImage image() const;
    // Called after each drawing of the canvas; the history and the settings
    // must live as long as the view. After a scroll only the newest column
    // is painted: the screen moves the rest.
    void showHistory(const SampleHistory& history, const GraphSettings& settings, bool scrolled);

    // Mouse events in the canvas's pixel coordinates, buttons as bits:
    // 1 left, 2 right, 4 middle: the button that went down or up, the
    // buttons held for a move.
    enum class MouseEvent { Down, Move, Up };
    using MouseHandler = std::function<void(MouseEvent event, int buttons, QPointF position)>;
    void setMouseHandler(MouseHandler handler) { mouseHandler_ = std::move(handler); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRegion uncovered() const;
    const QRegion& visiblePart();
    void deliver(MouseEvent kind, int buttons, QMouseEvent* event);
    QImage deviceImage();
    bool wholeScale() const;
    bool childShownOver(const QRect& area) const;
    void paintCanvas(QPainter& painter, const QRect& dirty) const;
    void paintInBands(QPainter& painter, const QRect& dirty) const;
    void paintDeviceImageInBands(QPainter& painter);

    PixelCanvas canvas_;
    PixelCanvas deviceCanvas_;  // only for a fractional screen scale
    const SampleHistory* history_ = nullptr;
    const GraphSettings* settings_ = nullptr;
    void scrollOnScreen(const QRect& area);

    bool deviceCanvasStale_ = true;
    std::unique_ptr<ScreenScroller> screenScroller_;
    bool screenAhead_ = false;     // the screen shows scrolls the toolkit's picture of the window lacks
    bool paintWholeNext_ = false;  // a child hid or moved since the graph was last painted whole
    std::vector<std::uint32_t> newestColumn_;
    std::optional<QRegion> visible_;  // the picture's part no sibling covers
    MouseHandler mouseHandler_;
};

}  // namespace tidemark
