#include "window/scale_strip.h"

#include <QPainter>
#include <QResizeEvent>

#include "base/twips.h"

namespace tidemark {

ScaleStrip::ScaleStrip(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

// The image has the screen's resolution, so the printed text is as sharp as
// any other text of the window.
void ScaleStrip::clear() {
    const qreal scale = devicePixelRatioF();
    image_ = QImage((QSizeF(size().expandedTo(QSize(1, 1))) * scale).toSize(), QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale);
    image_.fill(palette().color(QPalette::Button));
    update();
}

void ScaleStrip::printAt(int yTwips, const QString& text) {
    QPainter painter(&image_);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int top = twipsToPixels(yTwips);
    painter.drawText(0, top + QFontMetrics(font()).ascent(), text);
    update();
}

void ScaleStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.drawImage(0, 0, image_);
}

void ScaleStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (image_.deviceIndependentSize().toSize() != size()) clear();
}

}  // namespace tidemark
