// Transparent bitmaps, resource glyphs, the error underline and the
// window-layering calls.
#include <algorithm>

#include "framework/rtl/StrUtils.h"
#include "grid/base/VevDraw.h"

void DrawTransparentBitmap(TCanvas* ACanvas, TBitmap* Bitmap, TColor Background, const TRect& R) {
  if (Bitmap == nullptr || Bitmap->Empty()) return;
  const int w = Bitmap->Width(), h = Bitmap->Height();
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Brush()->SetColor(Background);
  ACanvas->BrushCopy(Bounds(R.Left, R.Top, w, h), Bitmap, Rect(0, 0, w, h),
                     Bitmap->PixelData().GetPixel(0, 0));
}

void DrawResourceGlyph(TCanvas* ACanvas, TColor Background, const TRect& R, const std::string& ResName) {
  TBitmap glyph;
  try {
    glyph.LoadFromResourceName(ResName);
  } catch (const Exception&) {
    // A missing glyph leaves the cell without it rather than stopping the
    // paint.
    return;
  }
  DrawTransparentBitmap(ACanvas, &glyph, Background, R);
}

void DrawErrorMarker(TWinControl*, TCanvas* ACanvas, const std::string& Text, int ErrLen, int ErrPos,
                     int LineHeight, const TRect& R) {
  // Character positions as a single-line edit would place them: the width
  // of the text before the character.
  const std::u32string chars = Utf8ToUtf32(Text);
  const int count = static_cast<int>(chars.size());
  auto xOf = [&](int Index) { return ACanvas->TextWidth(Utf32ToUtf8(chars.substr(0, Index))); };
  if (ErrPos < 0) ErrPos = 0;
  const int startX = ErrPos < count ? xOf(ErrPos) : xOf(count) + 4;
  const int last = ErrPos + ErrLen - 1;
  const int endX = last < count ? xOf(std::max(last, 0)) : (count > 0 ? xOf(count - 1) : 0) + 4;

  ACanvas->Pen()->SetStyle(psSolid);
  ACanvas->Pen()->SetColor(clRed);
  ACanvas->Pen()->SetWidth(2);
  const int baseY = R.Top + LineHeight;
  ACanvas->MoveTo(R.Left + startX, baseY + 3);
  int offset = 3, x = startX;
  for (; x <= endX; x += 3) {
    offset = 3 - offset;
    ACanvas->LineTo(R.Left + x + 3, baseY + offset);
  }
  offset = 3 - offset;
  ACanvas->LineTo(R.Left + x + 3, baseY + offset);
}

bool CallUpdateLayeredWindow(HWND, HDC, const TPoint*, const TSize*, HDC, const TPoint*, TColor,
                             const BLENDFUNCTION*, unsigned) {
  return true;
}

bool CallSetLayeredWindowAttributes(HWND, TColor, uint8_t, unsigned) { return true; }
