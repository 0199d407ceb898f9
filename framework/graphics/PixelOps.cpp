#include "framework/graphics/PixelOps.h"

#include <algorithm>
#include <vector>

namespace {
// Bitwise ternary operation: bit i of Code is the result for
// (P, S, D) = (i >> 2 & 1, i >> 1 & 1, i & 1).
inline uint8_t Rop3(uint8_t code, uint8_t p, uint8_t s, uint8_t d) {
  uint8_t r = 0;
  for (int i = 0; i < 8; ++i) {
    if (!((code >> i) & 1)) continue;
    uint8_t m = ((i & 4) ? p : static_cast<uint8_t>(~p)) & ((i & 2) ? s : static_cast<uint8_t>(~s)) &
                ((i & 1) ? d : static_cast<uint8_t>(~d));
    r |= m;
  }
  return r;
}
}  // namespace

void RopBlit(TPixelData& Dst, const TRect& DstRect, const TPixelData& Src, const TRect& SrcRect,
             TCopyMode Rop, TColor Pattern, const TRegion* Clip) {
  if (IsRectEmpty(DstRect)) return;
  uint8_t code = static_cast<uint8_t>((static_cast<uint32_t>(Rop) >> 16) & 0xFF);
  uint8_t pat[3] = {static_cast<uint8_t>(GetBValue(Pattern)), static_cast<uint8_t>(GetGValue(Pattern)),
                    static_cast<uint8_t>(GetRValue(Pattern))};
  int sw = std::max(1, SrcRect.Width()), sh = std::max(1, SrcRect.Height());
  int dw = DstRect.Width(), dh = DstRect.Height();
  TRect area;
  if (!IntersectRect(area, DstRect, Rect(0, 0, Dst.Width, Dst.Height))) return;
  for (int y = area.Top; y < area.Bottom; ++y) {
    int sy = SrcRect.Top + static_cast<int>(static_cast<long long>(y - DstRect.Top) * sh / dh);
    uint8_t* drow = Dst.Row(y);
    for (int x = area.Left; x < area.Right; ++x) {
      if (Clip && !Clip->Contains(x, y)) continue;
      int sx = SrcRect.Left + static_cast<int>(static_cast<long long>(x - DstRect.Left) * sw / dw);
      uint8_t s[3] = {0, 0, 0};
      if (sx >= 0 && sy >= 0 && sx < Src.Width && sy < Src.Height) {
        const uint8_t* sp = Src.Row(sy) + sx * Src.BytesPerPixel;
        s[0] = sp[0], s[1] = sp[1], s[2] = sp[2];
      }
      uint8_t* dp = drow + x * Dst.BytesPerPixel;
      for (int k = 0; k < 3; ++k) dp[k] = Rop3(code, pat[k], s[k], dp[k]);
      if (Dst.BytesPerPixel == 4) dp[3] = 0xFF;
    }
  }
}

bool FloodFillPixels(TPixelData& Dst, int X, int Y, TColor Color, TFillStyle Style, TColor Fill,
                     const TRegion* Clip) {
  if (X < 0 || Y < 0 || X >= Dst.Width || Y >= Dst.Height) return false;
  Color &= 0xFFFFFF;
  Fill &= 0xFFFFFF;
  auto inside = [&](int x, int y) {
    TColor c = Dst.GetPixel(x, y);
    return Style == fsSurface ? c == Color : c != Color;
  };
  if (!inside(X, Y) || (Clip && !Clip->Contains(X, Y))) return false;
  // Visited marks keep the fill finite when Fill itself counts as inside.
  std::vector<uint8_t> seen(static_cast<size_t>(Dst.Width) * Dst.Height, 0);
  std::vector<TPoint> stack{{X, Y}};
  while (!stack.empty()) {
    TPoint p = stack.back();
    stack.pop_back();
    size_t at = static_cast<size_t>(p.Y) * Dst.Width + p.X;
    if (seen[at]) continue;
    seen[at] = 1;
    if (!inside(p.X, p.Y) || (Clip && !Clip->Contains(p.X, p.Y))) continue;
    Dst.SetPixel(p.X, p.Y, Fill);
    if (p.X > 0) stack.push_back({p.X - 1, p.Y});
    if (p.X + 1 < Dst.Width) stack.push_back({p.X + 1, p.Y});
    if (p.Y > 0) stack.push_back({p.X, p.Y - 1});
    if (p.Y + 1 < Dst.Height) stack.push_back({p.X, p.Y + 1});
  }
  return true;
}
