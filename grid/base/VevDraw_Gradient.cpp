// Gradient fills, cell backgrounds, colour arithmetic and the rounded
// selection face.
#include <algorithm>
#include <utility>

#include "framework/rtl/Math.h"
#include "grid/base/VevDraw.h"

namespace {
int Channel(TColor C, int Shift) { return (C >> Shift) & 0xFF; }

int Clamp255(std::int64_t V) { return static_cast<int>(std::clamp<std::int64_t>(V, 0, 255)); }

// Pen and brush in one solid colour, one pixel wide.
void SolidIn(TCanvas* C, TColor Color) {
  C->Pen()->SetStyle(psSolid);
  C->Pen()->SetWidth(1);
  C->Pen()->SetColor(Color);
  C->Brush()->SetStyle(bsSolid);
  C->Brush()->SetColor(Color);
}

void Line(TCanvas* C, TColor Color, int X1, int Y1, int X2, int Y2) {
  if (Color == clNone) return;
  C->Pen()->SetColor(Color);
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
}

void Pixel(TCanvas* C, TColor Color, int X, int Y) {
  if (Color != clNone) C->SetPixels(X, Y, Color);
}
}  // namespace

void FillGradientRect(TCanvas* ACanvas, TColor From, TColor To, bool Horizontal, const TRect& Area,
                      int Steps) {
  TRect R = Area;
  if (R.Top == R.Bottom || R.Left == R.Right) return;
  if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
  if (R.Left > R.Right) std::swap(R.Left, R.Right);
  From = ColorToRGB(From);
  To = ColorToRGB(To);
  if (From == clNone || To == clNone) {
    const TColor solid = To == clNone ? From : To;
    if (solid == clNone) return;
    SolidIn(ACanvas, solid);
    ACanvas->FillRect(R);
    return;
  }
  const int span = (Horizontal ? R.Width() : R.Height()) - 1;
  const int steps = std::max(1, std::min(Steps, span));
  const double band = static_cast<double>(span) / steps;
  const int length = static_cast<int>(Trunc(band + 1));
  SolidIn(ACanvas, From);
  for (int k = 0; k <= steps; ++k) {
    const int offset = static_cast<int>(Trunc(k * band));
    auto mix = [&](int Shift) {
      const int f = Channel(From, Shift), t = Channel(To, Shift);
      return Clamp255(Round(f + static_cast<double>(k) * (t - f) / steps));
    };
    // A band's rectangle in pen and brush of one colour is its fill; the
    // pen takes the colour once, at the end.
    ACanvas->Brush()->SetColor(RGB(mix(0), mix(8), mix(16)));
    if (Horizontal) {
      ACanvas->FillRect(TRect(R.Left + offset, R.Top, std::min(R.Left + offset + length, R.Right), R.Bottom));
    } else {
      ACanvas->FillRect(TRect(R.Left, R.Top + offset, R.Right, std::min(R.Top + offset + length, R.Bottom)));
    }
  }
  ACanvas->Pen()->SetColor(ACanvas->Brush()->Color());
}

void DrawCellBackground(TCanvas* ACanvas, const TRect& R, TColor Color, bool Fill, bool SideLines,
                        TColor BorderColor, bool Vertical, TColor MirrorTo, TColor Mirror, TColor ColorTo) {
  if (Fill && Color != clNone) {
    if (Mirror == clNone) {
      if (ColorTo == clNone) {
        SolidIn(ACanvas, Color);
        ACanvas->Rectangle(R.Left, R.Top, R.Right, R.Bottom + 1);
      } else {
        FillGradientRect(ACanvas, Color, ColorTo, !Vertical, R, 128);
      }
    } else {
      TRect first = R, second = R;
      if (Vertical) {
        first.Bottom = second.Top = R.Top + R.Height() / 2;
      } else {
        first.Right = second.Left = R.Left + R.Width() / 2;
      }
      FillGradientRect(ACanvas, Color, ColorTo, !Vertical, first, 128);
      FillGradientRect(ACanvas, Mirror, MirrorTo, !Vertical, second, 128);
    }
  }
  if (BorderColor == clNone) return;
  if (SideLines) {
    ACanvas->Pen()->SetWidth(1);
    ACanvas->Pen()->SetStyle(psSolid);
    Line(ACanvas, BorderColor, R.Left, R.Top, R.Left, R.Bottom);
    Line(ACanvas, BorderColor, R.Right - 1, R.Top, R.Right - 1, R.Bottom);
  } else {
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(BorderColor);
    ACanvas->FrameRect(R);
  }
}

TColor BlendColor(TColor From, TColor To, int Start, int Position, int End) {
  if (To == clNone) return From;
  if (From == clNone) return To;
  From = ColorToRGB(From);
  To = ColorToRGB(To);
  // An empty range has no inside: its end (and beyond) is To.
  if (End == Start) return Position >= End ? To : From;
  auto mix = [&](int Shift) {
    const int f = Channel(From, Shift), t = Channel(To, Shift);
    return Clamp255(Round(f + static_cast<double>(t - f) / (End - Start) * Position));
  };
  return RGB(mix(0), mix(8), mix(16));
}

TColor HalfColor(TColor Color) {
  Color = ColorToRGB(Color);
  if (Color == clNone) return clNone;
  return RGB(Channel(Color, 0) / 2, Channel(Color, 8) / 2, Channel(Color, 16) / 2);
}

TColor AdjustColorPercent(TColor Color, int Percent) {
  Color = ColorToRGB(Color);
  if (Color == clNone) return clNone;
  auto adjust = [&](int Shift) {
    const int c = Channel(Color, Shift);
    return Clamp255(Round(c + c * static_cast<double>(Percent) / 100));
  };
  return RGB(adjust(0), adjust(8), adjust(16));
}

void FillRectColor(TCanvas* ACanvas, const TRect& R, TColor Color) {
  ACanvas->Brush()->SetColor(Color);
  ACanvas->FillRect(R);
}

void DrawSmallDownArrow(TCanvas* ACanvas, int X, int Y, TColor Color) {
  SolidIn(ACanvas, Color);
  ACanvas->Polygon({Point(X - 3, Y), Point(X + 3, Y), Point(X, Y + 3)});
}

void DrawStyledSelection(TCanvas* ACanvas, TColor FillFrom, TColor FillTo, int Side, const TRect& R,
                         TColor Background, TColor Corner, TColor Border, TColor InnerLower,
                         TColor InnerUpper, TColor LowerTo, TColor LowerFrom) {
  // The cell's last column and row hold its grid lines.
  const int left = R.Left, top = R.Top, right = R.Right - 1, bottom = R.Bottom - 2;
  const int mid = top + (bottom - top) / 2;
  const bool roundLeft = Side == seBoth || Side == seLeftEnd;
  const bool roundRight = Side == seBoth || Side == seRightEnd;
  const int leftInset = roundLeft ? 2 : 0, rightInset = roundRight ? 2 : 0;
  ACanvas->Pen()->SetStyle(psSolid);
  ACanvas->Pen()->SetWidth(1);

  const int innerLeft = roundLeft ? left + 1 : left, innerRight = roundRight ? right - 1 : right;
  Line(ACanvas, InnerUpper, innerLeft, top + 1, innerRight, top + 1);
  if (roundLeft) Line(ACanvas, InnerUpper, left + 1, top + 1, left + 1, mid);
  if (roundRight) Line(ACanvas, InnerUpper, right - 2, top + 1, right - 2, mid);

  Line(ACanvas, InnerLower, innerLeft, bottom - 1, innerRight, bottom - 1);
  if (roundLeft) Line(ACanvas, InnerLower, left + 1, mid, left + 1, bottom - 1);
  if (roundRight) Line(ACanvas, InnerLower, right - 2, mid, right - 2, bottom - 1);

  Line(ACanvas, Border, left + leftInset, top, right - rightInset, top);
  Line(ACanvas, Border, left + leftInset, bottom, right - rightInset, bottom);
  if (roundLeft) Line(ACanvas, Border, left, top + 2, left, bottom - 1);
  if (roundRight) Line(ACanvas, Border, right - 1, top + 2, right - 1, bottom - 1);

  auto corners = [&](int Outer, int Inner) {
    for (int y : {top, bottom}) {
      const int next = y == top ? top + 1 : bottom - 1;
      Pixel(ACanvas, Corner, Inner, y);
      Pixel(ACanvas, Corner, Inner, next);
      Pixel(ACanvas, Corner, Outer, next);
      Pixel(ACanvas, Background, Outer, y);
    }
  };
  if (roundLeft) corners(left, left + 1);
  if (roundRight) corners(right - 1, right - 2);

  const TRect fill(left + leftInset, top + 2, right - rightInset, bottom - 1);
  if (FillTo == clNone) {
    if (FillFrom != clNone) {
      SolidIn(ACanvas, FillFrom);
      ACanvas->Rectangle(fill);
    }
  } else if (LowerFrom == clNone) {
    FillGradientRect(ACanvas, FillFrom, FillTo, false, fill, 16);
  } else {
    FillGradientRect(ACanvas, FillFrom, FillTo, false, TRect(fill.Left, fill.Top, fill.Right, mid), 16);
    FillGradientRect(ACanvas, LowerFrom, LowerTo, false, TRect(fill.Left, mid, fill.Right, fill.Bottom), 16);
  }
}
