#include "window/fitting_label.h"

#include <QEvent>
#include <QPainter>
#include <cmath>

namespace tidemark {
namespace {

// The figures of a steady load come back within a few dozen texts; a few
// kilobytes each. Past that all are dropped and kept anew.
constexpr qsizetype kKeptPictures = 32;

}  // namespace

void FittingLabel::showFigure(const QString& text) {
    if (text == this->text()) return;
    setText(text);
    if (picturesShown()) storePicture();
}

// A see-through label shows what is behind it, so only a label that fills
// its own background can be a stored picture; and only at a whole-number
// scale, where the label starts on a device pixel as its picture does.
bool FittingLabel::picturesShown() const {
    return autoFillBackground() && isVisible() && devicePixelRatioF() == std::floor(devicePixelRatioF());
}

void FittingLabel::storePicture() {
    const qreal scale = devicePixelRatioF();
    if (const auto found = pictures_.constFind(text()); found != pictures_.cend()) {
        if (found->devicePixelRatio() == scale) return;
        pictures_.clear();  // drawn for another screen
    }
    if (pictures_.size() >= kKeptPictures) pictures_.clear();
    QImage image((QSizeF(size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    rendering_ = true;
    render(&image);
    rendering_ = false;
    pictures_.insert(text(), image);
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const auto found = rendering_ || !picturesShown() ? pictures_.cend() : pictures_.constFind(text());
    if (found == pictures_.cend() || found->devicePixelRatio() != devicePixelRatioF()) {
        paintText(event);
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), *found);
}

void FittingLabel::paintText(QPaintEvent* event) {
    const QRect room = contentsRect().adjusted(0, 0, -1, 0);  // a squeezed text keeps off the edge
    const int needed = fontMetrics().horizontalAdvance(text());
    if (needed <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.translate(room.topLeft());
    painter.scale(static_cast<double>(room.width()) / needed, 1.0);
    painter.drawText(QRect(0, 0, needed, room.height()), static_cast<int>(alignment()), text());
}

// What the pictures were drawn with changed.
void FittingLabel::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
        case QEvent::EnabledChange:
        case QEvent::LayoutDirectionChange:
        case QEvent::ContentsRectChange:
            pictures_.clear();
            break;
        default:
            break;
    }
    QLabel::changeEvent(event);
}

void FittingLabel::resizeEvent(QResizeEvent* event) {
    pictures_.clear();
    QLabel::resizeEvent(event);
}

}  // namespace tidemark
