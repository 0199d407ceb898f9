#include "framework/controls/GraphUtil.h"

#include "framework/graphics/Gdi.h"

void GradientFillCanvas(TCanvas* ACanvas, TColor StartColor, TColor EndColor, const TRect& R,
                        TGradientDirection Direction) {
  if (ACanvas == nullptr || IsRectEmpty(R)) return;
  GradientFill(ACanvas, R, ColorToRGB(StartColor), ColorToRGB(EndColor),
               Direction == gdHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}
