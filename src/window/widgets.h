#pragma once
// The few drawn controls of the main window. Each only shows state that the
// window hands it; none computes anything.
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <functional>

#include "graph/canvas.h"
#include "graph/draw_graph.h"

class QPainter;

namespace tidemark {

// A frame with an etched border and an optional caption in its top edge.
class FrameBox : public QWidget {
public:
    FrameBox(const QString& caption, QColor captionColor, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor captionColor_;
};

// A label that squeezes its text sideways when it is wider than the label,
// so a long figure shows whole instead of losing its last letters.
class FittingLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

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
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void deliver(MouseEvent kind, int buttons, QMouseEvent* event);
    QImage deviceImage();
    bool wholeScale() const;
    QRegion uncovered() const;
    bool childShownOver(const QRect& area) const;
    void paintCanvas(QPainter& painter, const QRect& dirty) const;
    void paintInBands(QPainter& painter, const QRect& dirty) const;

    PixelCanvas canvas_;
    PixelCanvas deviceCanvas_;  // only for a fractional screen scale
    const SampleHistory* history_ = nullptr;
    const GraphSettings* settings_ = nullptr;
    bool deviceCanvasStale_ = true;
    MouseHandler mouseHandler_;
};

// A scale strip: text printed into a persistent image at twip positions.
class ScaleStrip : public QWidget {
public:
    explicit ScaleStrip(QWidget* parent);
    void clear();
    void printAt(int yTwips, const QString& text);
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage image_;
};

// The bar-meter panel: its background picture and the two bars of 20
// segments, lit from the bottom up to a level.
class MeterPanel : public QWidget {
public:
    static constexpr int kSegments = 20;
    MeterPanel(const QPixmap& background, QWidget* parent);
    void setColors(QColor cpuLit, QColor memLit, QColor off);
    // Segments 0 .. level are lit; -1 lights none. Only changed segments are repainted.
    void setLevels(int cpuLevel, int memLevel);
    QColor segmentColor(bool cpuBar, int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QRect segmentRect(bool cpuBar, int index);
    void repaintBetween(bool cpuBar, int oldLevel, int newLevel);

    QPixmap background_;
    QColor cpuLit_, memLit_, off_;
    int cpuLevel_ = -1;
    int memLevel_ = -1;
};

}  // namespace tidemark
