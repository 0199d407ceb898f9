#pragma once

#include "framework/graphics/Graphics.h"

// Makes Bmp a 32 x 32 cursor picture: a see-through ground (its transparent
// colour) and a canvas set to draw shapes black with a white edge.
TCanvas* BeginCursorPicture(TBitmap* Bmp);
