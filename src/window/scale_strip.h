#pragma once
#include <QImage>
#include <QWidget>

namespace tidemark {

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

}  // namespace tidemark
