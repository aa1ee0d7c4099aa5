#pragma once
// Helpers that put controls at their designed places and fonts.
#include <QFont>
#include <QWidget>

#include "base/twips.h"

namespace tidemark {

// Point sizes at 96 pixels per inch, so that text keeps its designed size in
// twips whatever the display reports.
QFont designFont(const QString& family, double points, bool bold = false);

// Places a control at a rectangle given in twips (15 per pixel).
void placeTwips(QWidget* control, const TwipRect& twips);

void setTextColor(QWidget* widget, QColor color);

}  // namespace tidemark
