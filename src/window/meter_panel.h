#pragma once
#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace tidemark {

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
