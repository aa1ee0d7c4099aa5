#include "window/fitting_label.h"

#include <QPainter>

namespace tidemark {

void FittingLabel::paintEvent(QPaintEvent* event) {
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

}  // namespace tidemark
