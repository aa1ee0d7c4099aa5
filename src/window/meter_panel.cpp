#include "window/meter_panel.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "base/twips.h"
#include "window/layout.h"

namespace tidemark {

MeterPanel::MeterPanel(const QPixmap& background, QWidget* parent) : QWidget(parent), background_(background) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect MeterPanel::segmentRect(bool cpuBar, int index) {
    const TwipRect& bottom = cpuBar ? form::CPU0 : form::RAM0;
    return {twipsToPixels(bottom.L), twipsToPixels(bottom.T - form::kSegmentPitch * index), twipsToPixels(bottom.W),
            twipsToPixels(bottom.H)};
}

void MeterPanel::setColors(QColor cpuLit, QColor memLit, QColor off) {
    cpuLit_ = cpuLit;
    memLit_ = memLit;
    off_ = off;
    update();
}

void MeterPanel::repaintBetween(bool cpuBar, int oldLevel, int newLevel) {
    for (int i = std::max(0, std::min(oldLevel, newLevel) + 1);
         i <= std::min(kSegments - 1, std::max(oldLevel, newLevel)); ++i)
        update(segmentRect(cpuBar, i));
}

void MeterPanel::setLevels(int cpuLevel, int memLevel) {
    repaintBetween(true, cpuLevel_, cpuLevel);
    repaintBetween(false, memLevel_, memLevel);
    cpuLevel_ = cpuLevel;
    memLevel_ = memLevel;
}

QColor MeterPanel::segmentColor(bool cpuBar, int index) const {
    if (cpuBar) return index <= cpuLevel_ ? cpuLit_ : off_;
    return index <= memLevel_ ? memLit_ : off_;
}

void MeterPanel::paintEvent(QPaintEvent* event) {
    // A tick repaints a segment or two: only what the region touches is drawn.
    QPainter painter(this);
    const QRect dirty = event->region().boundingRect();
    painter.fillRect(dirty, QColor(0, 128, 0));
    painter.drawPixmap(dirty, background_, dirty);
    painter.setPen(Qt::black);
    for (int i = 0; i < kSegments; ++i) {
        for (bool cpuBar : {true, false}) {
            const QRect segment = segmentRect(cpuBar, i);
            if (!segment.intersects(dirty)) continue;
            painter.fillRect(segment, segmentColor(cpuBar, i));
            painter.drawRect(segment.adjusted(0, 0, -1, -1));
        }
    }
}

}  // namespace tidemark
