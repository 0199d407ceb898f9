#pragma once
// The Qt painter behind TCanvas. A window's paint path wraps its QPainter:
//   QPainter qp(widget);
//   canvas->AttachPainter(NewQtPainter(&qp, widget->size()));   // owned
//   ... control paints through canvas ...
//   canvas->DetachPainter();
// and images move between QImage and the portable pixel memory here.
#include <memory>

#include "framework/backend/Painter.h"

class QImage;
class QPainter;
class QSize;

// A painter drawing through Painter (which stays the caller's and must be
// active while the canvas draws). DeviceSize is the paint device's size.
std::unique_ptr<TPainter> NewQtPainter(QPainter* Painter, const QSize& DeviceSize, int PixelsPerInch = 96);

// Deep copies between a QImage and bitmap pixels (32 bits, alpha kept when
// the image has it).
QImage QtImageFromPixels(const TPixelData& Pixels);
void QtImageToPixels(const QImage& Image, TPixelData& Pixels);
void QtImageToBitmap(const QImage& Image, TBitmap& Bitmap);

// Fonts and the widget style need an application object; when none exists
// yet (a test drawing into a bitmap) a QApplication is made once.
void QtEnsureApplication();
