#pragma once
// What the window's parts share to build their labels and captions.
#include <QColor>
#include <QLabel>

namespace tidemark {

constexpr QColor kCaptionBlue(0, 0, 255);  // the frames' captions
constexpr QColor kValueBlue(0, 0, 192);    // the figures a tick rewrites

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const char* name, const QString& caption, const QFont& font,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new Label(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

// A control filling its own background repaints without its parent behind it.
inline void setBackColor(QWidget* widget, QColor color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace tidemark
