#pragma once
// Software pixel operations on bitmap memory, exact to the platform's rules:
// ternary raster operations (source, destination and a solid pattern), flood
// fill, and scaling by nearest pixel. Rectangles are device coordinates.
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Region.h"

// DstRect of Dst = Rop(pattern P, source S, destination D), the source
// scaled from SrcRect to DstRect. Only pixels inside Clip (when given) change.
void RopBlit(TPixelData& Dst, const TRect& DstRect, const TPixelData& Src, const TRect& SrcRect,
             TCopyMode Rop, TColor Pattern, const TRegion* Clip);
// Fills from (X, Y) with Fill: fsSurface spreads over pixels of Color,
// fsBorder over pixels that are not Color. False when nothing was filled.
bool FloodFillPixels(TPixelData& Dst, int X, int Y, TColor Color, TFillStyle Style, TColor Fill,
                     const TRegion* Clip);
