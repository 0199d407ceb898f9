#pragma once
// Themed parts (visual-styles classes, parts and states) drawn with the
// application's widget style.
#include <QRect>

#include "framework/backend/Painter.h"

class QPainter;

void QtDrawThemeElement(QPainter* Painter, const TThemeElement& Element, const QRect& R);
