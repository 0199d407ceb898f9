#pragma once
// Small drawing helpers the controls share: the gradient direction of
// headers and pop-ups, a gradient fill by that direction, and the sunken
// text of disabled controls.
#include <string>

#include "framework/graphics/Graphics.h"

// gdHorizontal: from the left edge to the right; gdVertical: from the top
// down.
enum TGradientDirection { gdHorizontal, gdVertical };

// Fills R from StartColor to EndColor in Direction.
void GradientFillCanvas(TCanvas* ACanvas, TColor StartColor, TColor EndColor, const TRect& R,
                        TGradientDirection Direction);

// The text of a disabled control, sunken: a highlight copy one pixel down and
// to the right, then the text itself at R in Face, which the font keeps.
void DrawDisabledText(TCanvas* C, const std::string& Text, const TRect& R, unsigned Flags, TColor Face);
