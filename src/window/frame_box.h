#pragma once
#include <QColor>
#include <QString>
#include <QWidget>

namespace tidemark {

// A frame with an etched border and an optional caption in its top edge.
class FrameBox : public QWidget {
public:
    FrameBox(const QString& caption, QColor captionColor, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor captionColor_;
};

}  // namespace tidemark
