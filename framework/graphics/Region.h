#pragma once
// A clip region: a set of pixels kept as rectangles in horizontal bands
// (sorted by top, then left; no two overlap). Shapes with curves or slanted
// edges become one rectangle per pixel row.
#include <vector>

#include "framework/graphics/Types.h"

// Region kinds answered by the region and clip calls.
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
// Combine modes.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
// Polygon fill modes.
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

class TRegion {
 public:
  TRegion() = default;
  explicit TRegion(const TRect& R);

  static TRegion FromEllipse(const TRect& R);
  // Corner ellipse CX x CY, as the platform's rounded rectangle region.
  static TRegion FromRoundRect(const TRect& R, int CX, int CY);
  static TRegion FromPolygon(const TPoint* Points, int Count, int FillMode);
  // Rectangles in any order, overlapping or not.
  static TRegion FromRects(const std::vector<TRect>& Rects);
  static TRegion Combine(const TRegion& A, const TRegion& B, int Mode);

  bool IsEmpty() const { return rects_.empty(); }
  TRect Bounds() const { return bounds_; }
  const std::vector<TRect>& Rects() const { return rects_; }
  // NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
  int Kind() const;
  bool Contains(int X, int Y) const;
  bool Intersects(const TRect& R) const;
  void Offset(int DX, int DY);
  friend bool operator==(const TRegion& A, const TRegion& B) { return A.rects_ == B.rects_; }

 private:
  void Normalize(std::vector<TRect> Rects);
  std::vector<TRect> rects_;
  TRect bounds_;
};
