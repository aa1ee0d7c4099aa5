#pragma once
#include <QLabel>

namespace tidemark {

// A label that squeezes its text sideways when it is wider than the label,
// so a long figure shows whole instead of losing its last letters.
class FittingLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tidemark
