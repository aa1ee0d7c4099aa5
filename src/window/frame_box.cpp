#include "window/frame_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace tidemark {

FrameBox::FrameBox(const QString& caption, QColor captionColor, QWidget* parent)
    : QWidget(parent), caption_(caption), captionColor_(captionColor) {
    setAccessibleName(caption);  // a screen reader names the group as the caption does
}

void FrameBox::paintEvent(QPaintEvent* event) {
    const QFontMetrics metrics(font());
    const int top = caption_.isEmpty() ? 0 : metrics.height() / 2;
    const QRect box = rect().adjusted(0, top, -1, -1);
    // A label repainting inside the frame reaches neither border nor caption.
    if (box.adjusted(2, metrics.height(), -2, -2).contains(event->region().boundingRect())) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));
    if (caption_.isEmpty()) return;
    const QRect text(8, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(captionColor_);
    painter.drawText(text, Qt::AlignCenter, caption_);
}

}  // namespace tidemark
