#pragma once
// Small drawing helpers the controls share: the gradient direction of
// headers and pop-ups, and a gradient fill by that direction.
#include "framework/graphics/Graphics.h"

// gdHorizontal: from the left edge to the right; gdVertical: from the top
// down.
enum TGradientDirection { gdHorizontal, gdVertical };

// Fills R from StartColor to EndColor in Direction.
void GradientFillCanvas(TCanvas* ACanvas, TColor StartColor, TColor EndColor, const TRect& R,
                        TGradientDirection Direction);
