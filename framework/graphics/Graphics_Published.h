#pragma once
// Identifiers of the graphics enumerations, for the published tables of any
// class with properties of these types (include this where you publish them).
#include "framework/classes/Published.h"
#include "framework/graphics/Graphics.h"

CF_ENUM_IDENTS(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame,
               psUserStyle, psAlternate)
CF_ENUM_IDENTS(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
               pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)
CF_ENUM_IDENTS(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
               bsDiagCross)
CF_ENUM_IDENTS(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
CF_ENUM_IDENTS(TFontPitch, fpDefault, fpVariable, fpFixed)

// Registers the tables of TPen, TBrush, TFont, TBitmap, TIcon and TPicture
// and the identifiers of colours ("TColor") and font character sets
// ("TFontCharset"). Run by the table lookup itself.
void RegisterGraphicsPublished();
