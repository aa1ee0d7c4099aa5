#include "platform/qt/design.h"

namespace tidemark {

QFont designFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

void placeTwips(QWidget* control, const TwipRect& r) {
    control->setGeometry(twipsToPixels(r.L), twipsToPixels(r.T), twipsToPixels(r.W), twipsToPixels(r.H));
}

void setTextColor(QWidget* widget, QColor color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

}  // namespace tidemark
