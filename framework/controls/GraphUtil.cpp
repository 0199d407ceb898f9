#include "framework/controls/GraphUtil.h"

#include "framework/graphics/Gdi.h"

void GradientFillCanvas(TCanvas* ACanvas, TColor StartColor, TColor EndColor, const TRect& R,
                        TGradientDirection Direction) {
  if (ACanvas == nullptr || IsRectEmpty(R)) return;
  GradientFill(ACanvas, R, ColorToRGB(StartColor), ColorToRGB(EndColor),
               Direction == gdHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
}

void DrawDisabledText(TCanvas* C, const std::string& Text, const TRect& R, unsigned Flags, TColor Face) {
  TRect shadow = R;
  OffsetRect(shadow, 1, 1);
  C->Font()->SetColor(clBtnHighlight);
  DrawText(C, Text, shadow, Flags);
  TRect face = R;
  C->Font()->SetColor(Face);
  DrawText(C, Text, face, Flags);
}
