#include "window/graph_view.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace tidemark {

namespace {
// Asks the view to send what it drew on the screen.
const QEvent::Type kSendToScreen = static_cast<QEvent::Type>(QEvent::registerEventType());
}  // namespace

GraphView::GraphView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage GraphView::image() const {
    QImage picture(canvas_.width(), canvas_.height(), QImage::Format_RGB32);
    const std::vector<Rgb> pixels = canvas_.picture();
    std::copy(pixels.begin(), pixels.end(), reinterpret_cast<Rgb*>(picture.bits()));
    return picture;
}

bool GraphView::wholeScale() const { return devicePixelRatioF() == std::floor(devicePixelRatioF()); }

// The part of the picture not covered by a sibling stacked above the view
// (the scale-division list overlaps the graph's top edge): repainting a
// covered part would repaint the sibling too.
QRegion GraphView::uncovered() const {
    QRegion visible = contentsRect();
    const QObjectList& siblings = parentWidget()->children();
    for (qsizetype i = siblings.indexOf(this) + 1; i < siblings.size(); ++i)
        if (const auto* above = qobject_cast<const QWidget*>(siblings[i]); above && above->isVisible())
            visible -= QRect(mapFromParent(above->pos()), above->size());
    return visible;
}

// Holds until a sibling moves, resizes, shows, hides or is stacked anew, one
// is added or removed, or the view itself moves or resizes.
const QRegion& GraphView::visiblePart() {
    if (!visible_) {
        visible_ = uncovered();
        parentWidget()->installEventFilter(this);
        for (QObject* sibling : parentWidget()->children())
            if (sibling != this && sibling->isWidgetType()) sibling->installEventFilter(this);
    }
    return *visible_;
}

bool GraphView::eventFilter(QObject* watched, QEvent* event) {
    // Shown again, the window gets the toolkit's picture of it, which may be
    // behind the screen: the graph is painted into it first.
    if (event->type() == QEvent::Expose && screenAhead_) update();
    // A child (the read-out box) that hides or moves leaves pixels the toolkit
    // repaints later; moved on the screen before that, they would stay.
    if (watched->parent() == this) {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Move || event->type() == QEvent::Resize)
            paintWholeNext_ = true;
        return QFrame::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
        case QEvent::ChildAdded:
        case QEvent::ChildRemoved:
            visible_.reset();
            break;
        default:
            break;
    }
    return QFrame::eventFilter(watched, event);
}

// A scroll moves the pixels of a child shown over the picture (the read-out
// box) along with the picture, and they would stay there once it hides.
bool GraphView::childShownOver(const QRect& area) const {
    return std::any_of(children().cbegin(), children().cend(), [&](const QObject* object) {
        const auto* child = qobject_cast<const QWidget*>(object);
        return child && child->isVisible() && child->geometry().intersects(area);
    });
}

void GraphView::showHistory(const SampleHistory& history, const GraphSettings& settings, bool scrolled) {
    history_ = &history;
    settings_ = &settings;
    deviceCanvasStale_ = true;
    const QRegion& visible = visiblePart();
    // A whole number of device pixels per pixel lets the pixels be moved
    // instead of drawn: each uncovered rectangle moves left, and only its
    // rightmost column, new to it, is drawn.
    if (!scrolled || !wholeScale() || !isVisible() || paintWholeNext_ || childShownOver(visible.boundingRect())) {
        update(visible);
    } else if (screenScroller_ && screenScroller_->ready()) {
        for (const QRect& area : visible) scrollOnScreen(area);
        screenAhead_ = true;
        // Sent after the tick's repaints (the figures), in their write to the server.
        QCoreApplication::postEvent(this, new QEvent(kSendToScreen), Qt::LowEventPriority);
    } else if (!screenAhead_) {
        for (const QRect& area : visible) scroll(-1, 0, area);
    } else {
        update(visible);
    }
}

// The screen's own pixels are moved and the area's new column put beside
// them; the toolkit's picture of the window is then behind the screen until
// the graph is painted whole again.
void GraphView::scrollOnScreen(const QRect& area) {
    const QPoint inPicture = area.topLeft() - contentsRect().topLeft();
    newestColumn_.resize(static_cast<std::size_t>(area.height()));
    for (int row = 0; row < area.height(); ++row)
        newestColumn_[static_cast<std::size_t>(row)] =
            canvas_.pixel(inPicture.x() + area.width() - 1, inPicture.y() + row);
    screenScroller_->scrollLeft(QRect(mapTo(window(), area.topLeft()), area.size()), newestColumn_);
}

bool GraphView::event(QEvent* event) {
    if (event->type() == QEvent::ChildAdded) static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
    if (event->type() == QEvent::ZOrderChange) visible_.reset();
    if (event->type() != kSendToScreen) return QFrame::event(event);
    if (screenScroller_) screenScroller_->flush();
    return true;
}

QImage GraphView::deviceImage() {
    const qreal scale = devicePixelRatioF();
    const QSize size = (QSizeF(canvas_.width(), canvas_.height()) * scale).toSize();
    if (deviceCanvas_.width() != size.width() || deviceCanvas_.height() != size.height()) {
        deviceCanvas_.resize(size.width(), size.height());
        deviceCanvasStale_ = true;
    }
    if (deviceCanvasStale_ && history_ && settings_) {
        drawHistoryScaled(deviceCanvas_, *history_, *settings_, static_cast<float>(canvas_.width()),
                          static_cast<float>(canvas_.height()), static_cast<float>(scale));
        deviceCanvasStale_ = false;
    }
    QImage image(reinterpret_cast<const uchar*>(deviceCanvas_.storage()), deviceCanvas_.width(), deviceCanvas_.height(),
                 deviceCanvas_.width() * 4, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

// The canvas's rows are rings: the picture's left part starts at the ring's
// first column, its right part is the start of the storage.
void GraphView::paintCanvas(QPainter& painter, const QRect& dirty) const {
    const QImage storage(reinterpret_cast<const uchar*>(canvas_.storage()), canvas_.width(), canvas_.height(),
                         canvas_.width() * 4, QImage::Format_RGB32);
    const int first = canvas_.firstColumn();
    const QPoint origin = contentsRect().topLeft();
    const QRect wanted = dirty.translated(-origin);  // in picture coordinates
    const QRect left = QRect(0, 0, canvas_.width() - first, canvas_.height()).intersected(wanted);
    const QRect right = QRect(canvas_.width() - first, 0, first, canvas_.height()).intersected(wanted);
    if (!left.isEmpty()) painter.drawImage(origin + left.topLeft(), storage, left.translated(first, 0));
    if (!right.isEmpty())
        painter.drawImage(origin + right.topLeft(), storage, right.translated(first - canvas_.width(), 0));
}

// The raster engine hands an image copy of more than about a hundred device
// rows to its worker threads; for a tick's pixels the hand-over costs far
// more than the copy, so pictures go in bands below that.
constexpr int kBandDeviceRows = 64;

void GraphView::paintInBands(QPainter& painter, const QRect& dirty) const {
    const int bandRows = std::max(1, kBandDeviceRows / static_cast<int>(devicePixelRatioF()));
    for (int top = dirty.top(); top <= dirty.bottom(); top += bandRows)
        paintCanvas(painter, QRect(dirty.left(), top, dirty.width(), std::min(bandRows, dirty.bottom() + 1 - top)));
}

// At a fractional scale a band's edge falls between pixels; each band's clip
// reaches half a device row into its neighbours, so however the edge is
// rounded no row is left out (a row painted twice gets the same pixels).
void GraphView::paintDeviceImageInBands(QPainter& painter) {
    const QImage image = deviceImage();
    const qreal scale = image.devicePixelRatio();
    const QPointF origin = contentsRect().topLeft();
    for (int top = 0; top < image.height(); top += kBandDeviceRows) {
        const int rows = std::min(kBandDeviceRows, image.height() - top);
        painter.setClipRect(
            QRectF(origin.x(), origin.y() + (top - 0.5) / scale, image.width() / scale, (rows + 1) / scale));
        painter.drawImage(origin, image);
    }
}

void GraphView::paintEvent(QPaintEvent* event) {
    if ((visiblePart() - event->region()).isEmpty()) screenAhead_ = paintWholeNext_ = false;
    // The sunken border is drawn only when the region reaches it, not for
    // every tick's new column.
    if (!contentsRect().contains(event->region().boundingRect())) QFrame::paintEvent(event);
    QPainter painter(this);
    // Without smoothing, a whole-number scale shows each graph pixel as a block.
    if (wholeScale() || !history_)
        for (const QRect& dirty : event->region()) paintInBands(painter, dirty);
    else
        paintDeviceImageInBands(painter);
}

namespace {

int buttonBits(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

}  // namespace

void GraphView::deliver(MouseEvent kind, int buttons, QMouseEvent* event) {
    if (mouseHandler_) mouseHandler_(kind, buttons, event->position() - contentsRect().topLeft());
}

void GraphView::mousePressEvent(QMouseEvent* event) { deliver(MouseEvent::Down, buttonBits(event->button()), event); }
void GraphView::mouseMoveEvent(QMouseEvent* event) { deliver(MouseEvent::Move, buttonBits(event->buttons()), event); }
void GraphView::mouseReleaseEvent(QMouseEvent* event) { deliver(MouseEvent::Up, buttonBits(event->button()), event); }

void GraphView::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    if (!screenScroller_) screenScroller_ = makeScreenScroller(window(), [this] { update(); });
    if (!screenScroller_) return;
    screenScroller_->attach();
    if (QWindow* handle = window()->windowHandle()) handle->installEventFilter(this);
}

void GraphView::moveEvent(QMoveEvent* event) {
    visible_.reset();
    QFrame::moveEvent(event);
}

void GraphView::resizeEvent(QResizeEvent* event) {
    visible_.reset();
    QFrame::resizeEvent(event);
    if (contentsRect().size() != QSize(canvas_.width(), canvas_.height()))
        canvas_.resize(contentsRect().width(), contentsRect().height());
}

}  // namespace tidemark
