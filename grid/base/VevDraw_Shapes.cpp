// The geometric cell shapes, rating stars among them.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "framework/rtl/Math.h"
#include "grid/base/VevDraw.h"

namespace {
// The ten points of a star round (Cx, Cy): outer radius (Rx, Ry) at the
// even points, a third of it at the odd ones, clockwise from 12 o'clock.
TPoint StarPoint(int K, int Cx, int Cy, int Rx, int Ry) {
  const double a = K * 36 * std::numbers::pi / 180;
  const double rx = K % 2 == 0 ? Rx : Rx / 3.0, ry = K % 2 == 0 ? Ry : Ry / 3.0;
  return Point(Cx + static_cast<int>(Round(std::sin(a) * rx)),
               Cy - static_cast<int>(Round(std::cos(a) * ry)));
}
}  // namespace

void DrawCellShape(TCanvas* ACanvas, int X, int Y, TColor PenColor, TColor BrushColor, int Shape, int H,
                   int W) {
  if (Shape < csRectangle || Shape > csHalfStar) return;
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Brush()->SetColor(BrushColor);
  ACanvas->Pen()->SetStyle(psSolid);
  ACanvas->Pen()->SetColor(PenColor);
  if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare) W = H = std::min(W, H);
  const int hw = W / 2, hh = H / 2;
  const int we = W & ~1, he = H & ~1;
  const int w4 = we / 4, h4 = he / 4;
  const int cx = X + hw, cy = Y + hh;
  switch (Shape) {
    case csRectangle:
    case csSquare:
      ACanvas->Rectangle(X + 1, Y + 1, X + W - 1, Y + H - 1);
      break;
    case csCircle:
    case csEllips:
      ACanvas->Ellipse(X, Y, X + W, Y + H);
      break;
    case csTriangleLeft:
      ACanvas->Polygon({Point(X + W, Y), Point(X + W, Y + H), Point(X, Y + hh)});
      break;
    case csTriangleRight:
      ACanvas->Polygon({Point(X, Y), Point(X, Y + H), Point(X + W, Y + hh)});
      break;
    case csTriangleUp:
      ACanvas->Polygon({Point(X, Y + H), Point(X + W, Y + H), Point(X + hw, Y)});
      break;
    case csTriangleDown:
      ACanvas->Polygon({Point(X, Y), Point(X + W, Y), Point(X + hw, Y + H)});
      break;
    case csDiamond:
      ACanvas->Polygon(
          {Point(X, Y + hh), Point(X + hw, Y), Point(X + 2 * hw, Y + hh), Point(X + hw, Y + 2 * hh)});
      break;
    case csLineVert:
      ACanvas->FillRect(TRect(X + hw, Y, X + hw + 1, Y + H));
      break;
    case csLineHorz:
      ACanvas->FillRect(TRect(X, Y + hh, X + W, Y + hh + 1));
      break;
    case csRoundRect:
    case csRoundSquare:
      ACanvas->RoundRect(X, Y, X + W, Y + H, 10, 10);
      break;
    case csStar: {
      std::vector<TPoint> points;
      for (int k = 0; k < 10; ++k) points.push_back(StarPoint(k, cx, cy, hw, hh));
      ACanvas->Polygon(points);
      break;
    }
    case csHalfStar: {
      // From the bottom point round the left side to the top, closed along
      // the vertical centre line.
      std::vector<TPoint> points;
      for (int k = 5; k < 10; ++k) points.push_back(StarPoint(k, cx, cy, hw, hh));
      points.push_back(StarPoint(0, cx, cy, hw, hh));
      ACanvas->Polygon(points);
      break;
    }
    case csArrowUp:
      ACanvas->Polygon({Point(X, Y + hh), Point(X + we / 2, Y), Point(X + we, Y + hh),
                        Point(X + 3 * w4, Y + hh), Point(X + 3 * w4, Y + H), Point(X + w4, Y + H),
                        Point(X + w4, Y + hh)});
      break;
    case csArrowDown:
      ACanvas->Polygon({Point(X, Y + hh), Point(X + we / 2, Y + H), Point(X + we, Y + hh),
                        Point(X + 3 * w4, Y + hh), Point(X + 3 * w4, Y), Point(X + w4, Y),
                        Point(X + w4, Y + hh)});
      break;
    case csArrowLeft:
      ACanvas->Polygon({Point(X, Y + he / 2), Point(X + hw, Y), Point(X + hw, Y + h4), Point(X + W, Y + h4),
                        Point(X + W, Y + 3 * h4), Point(X + hw, Y + 3 * h4), Point(X + hw, Y + he)});
      break;
    case csArrowRight:
      ACanvas->Polygon({Point(X + W, Y + he / 2), Point(X + hw, Y), Point(X + hw, Y + h4), Point(X, Y + h4),
                        Point(X, Y + 3 * h4), Point(X + hw, Y + 3 * h4), Point(X + hw, Y + he)});
      break;
  }
}
