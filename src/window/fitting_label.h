#pragma once
#include <QHash>
#include <QImage>
#include <QLabel>

namespace tidemark {

// A figure the tick rewrites: a label that squeezes its text sideways when
// it is wider than the label, so a long figure shows whole instead of losing
// its last letters. It keeps the pictures of the texts it showed, so showing
// one again is a copy of its picture, not a text layout.
class FittingLabel : public QLabel {
public:
    using QLabel::QLabel;
    // Sets the text; a label that fills its own background shows it from its picture.
    void showFigure(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void paintText(QPaintEvent* event);
    bool picturesShown() const;
    void storePicture();

    QHash<QString, QImage> pictures_;
    bool rendering_ = false;
};

}  // namespace tidemark
