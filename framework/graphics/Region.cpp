// Clip regions kept in horizontal bands. Every operation splits the plane at
// all the top and bottom edges involved, combines the x-intervals of each
// band and joins bands whose intervals are the same.
#include "framework/graphics/Region.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace {
using Intervals = std::vector<std::pair<int, int>>;

// Intervals of Rects that fully span [y0, y1), merged and sorted.
Intervals BandIntervals(const std::vector<TRect>& rects, int y0, int y1) {
  Intervals iv;
  for (const TRect& r : rects)
    if (r.Top <= y0 && r.Bottom >= y1 && r.Right > r.Left) iv.emplace_back(r.Left, r.Right);
  std::sort(iv.begin(), iv.end());
  Intervals merged;
  for (auto& p : iv) {
    if (!merged.empty() && p.first <= merged.back().second)
      merged.back().second = std::max(merged.back().second, p.second);
    else
      merged.push_back(p);
  }
  return merged;
}

bool InOp(bool a, bool b, int mode) {
  switch (mode) {
    case RGN_AND:
      return a && b;
    case RGN_OR:
      return a || b;
    case RGN_XOR:
      return a != b;
    case RGN_DIFF:
      return a && !b;
    default:
      return a;
  }
}

Intervals CombineIntervals(const Intervals& a, const Intervals& b, int mode) {
  std::vector<int> xs;
  for (auto& p : a) xs.insert(xs.end(), {p.first, p.second});
  for (auto& p : b) xs.insert(xs.end(), {p.first, p.second});
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  auto inside = [](const Intervals& iv, int x) {
    for (auto& p : iv)
      if (x >= p.first && x < p.second) return true;
    return false;
  };
  Intervals out;
  for (size_t i = 0; i + 1 < xs.size(); ++i) {
    int x0 = xs[i], x1 = xs[i + 1];
    if (!InOp(inside(a, x0), inside(b, x0), mode)) continue;
    if (!out.empty() && out.back().second == x0)
      out.back().second = x1;
    else
      out.emplace_back(x0, x1);
  }
  return out;
}

std::vector<int> Edges(const std::vector<TRect>& a, const std::vector<TRect>* b) {
  std::vector<int> ys;
  for (auto& r : a) ys.insert(ys.end(), {r.Top, r.Bottom});
  if (b)
    for (auto& r : *b) ys.insert(ys.end(), {r.Top, r.Bottom});
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  return ys;
}

// Bands to rectangles, joining a band to the one above when both have the
// same intervals and touch.
std::vector<TRect> Emit(const std::vector<std::pair<std::pair<int, int>, Intervals>>& bands) {
  std::vector<TRect> out;
  const Intervals* prev = nullptr;
  int prevBottom = 0;
  size_t prevStart = 0;
  for (auto& [ys, iv] : bands) {
    if (iv.empty()) {
      prev = nullptr;
      continue;
    }
    if (prev && *prev == iv && prevBottom == ys.first) {
      for (size_t i = prevStart; i < out.size(); ++i) out[i].Bottom = ys.second;
    } else {
      prevStart = out.size();
      for (auto& p : iv) out.push_back({p.first, ys.first, p.second, ys.second});
    }
    prev = &iv;
    prevBottom = ys.second;
  }
  return out;
}

int RoundNear(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// Shapes are made row by row; rows beyond the coordinate space of a device
// cannot be drawn and would only cost time and memory.
constexpr int kMinRow = -32768;
constexpr int kMaxRow = 32767;
int FirstRow(int top) { return std::max(top, kMinRow); }
int EndRow(int bottom) { return std::min(bottom, kMaxRow); }
}  // namespace

TRegion::TRegion(const TRect& R) {
  if (R.Right > R.Left && R.Bottom > R.Top) {
    rects_.push_back(R);
    bounds_ = R;
  }
}

void TRegion::Normalize(std::vector<TRect> rects) {
  rects.erase(std::remove_if(rects.begin(), rects.end(),
                             [](const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }),
              rects.end());
  std::vector<int> ys = Edges(rects, nullptr);
  std::vector<std::pair<std::pair<int, int>, Intervals>> bands;
  for (size_t i = 0; i + 1 < ys.size(); ++i)
    bands.push_back({{ys[i], ys[i + 1]}, BandIntervals(rects, ys[i], ys[i + 1])});
  rects_ = Emit(bands);
  bounds_ = TRect();
  for (auto& r : rects_) UnionRect(bounds_, bounds_, r);
}

TRegion TRegion::FromRects(const std::vector<TRect>& Rects) {
  TRegion r;
  r.Normalize(Rects);
  return r;
}

TRegion TRegion::FromEllipse(const TRect& R) {
  std::vector<TRect> rows;
  // In double: sums and widths of far-apart edges do not fit an int.
  const double l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
  double cx = (l + r) / 2.0, cy = (t + b) / 2.0;
  double rx = (r - l) / 2.0, ry = (b - t) / 2.0;
  if (rx <= 0 || ry <= 0) return TRegion();
  for (int y = FirstRow(R.Top); y < EndRow(R.Bottom); ++y) {
    double dy = (y + 0.5 - cy) / ry;
    if (std::fabs(dy) > 1) continue;
    double hw = rx * std::sqrt(1 - dy * dy);
    int x0 = RoundNear(cx - hw), x1 = RoundNear(cx + hw);
    if (x1 > x0) rows.push_back({x0, y, x1, y + 1});
  }
  return FromRects(rows);
}

TRegion TRegion::FromRoundRect(const TRect& R, int CX, int CY) {
  const std::int64_t w = std::int64_t{R.Right} - R.Left, h = std::int64_t{R.Bottom} - R.Top;
  if (w <= 0 || h <= 0) return TRegion();
  double rx = static_cast<double>(std::min(std::llabs(CX), static_cast<long long>(w))) / 2.0;
  double ry = static_cast<double>(std::min(std::llabs(CY), static_cast<long long>(h))) / 2.0;
  if (rx <= 0 || ry <= 0) return TRegion(R);
  std::vector<TRect> rows;
  for (int y = FirstRow(R.Top); y < EndRow(R.Bottom); ++y) {
    double yc = y + 0.5, inset = 0;
    double dy = 0;
    if (yc < R.Top + ry)
      dy = (R.Top + ry - yc) / ry;
    else if (yc > R.Bottom - ry)
      dy = (yc - (R.Bottom - ry)) / ry;
    if (dy > 0) inset = rx - rx * std::sqrt(std::max(0.0, 1 - dy * dy));
    int x0 = RoundNear(R.Left + inset), x1 = RoundNear(R.Right - inset);
    if (x1 > x0) rows.push_back({x0, y, x1, y + 1});
  }
  return FromRects(rows);
}

TRegion TRegion::FromPolygon(const TPoint* Points, int Count, int FillMode) {
  if (!Points || Count < 3) return TRegion();
  int top = Points[0].Y, bottom = Points[0].Y;
  for (int i = 1; i < Count; ++i) {
    top = std::min(top, Points[i].Y);
    bottom = std::max(bottom, Points[i].Y);
  }
  std::vector<TRect> rows;
  struct Cross {
    double x;
    int dir;
  };
  std::vector<Cross> xs;
  for (int y = FirstRow(top); y < EndRow(bottom); ++y) {
    double yc = y + 0.5;
    xs.clear();
    for (int i = 0; i < Count; ++i) {
      TPoint a = Points[i], b = Points[(i + 1) % Count];
      if (a.Y == b.Y) continue;
      int dir = b.Y > a.Y ? 1 : -1;
      if (a.Y > b.Y) std::swap(a, b);
      if (yc < a.Y || yc >= b.Y) continue;
      xs.push_back({a.X + (yc - a.Y) * (double(b.X) - a.X) / (double(b.Y) - a.Y), dir});
    }
    std::sort(xs.begin(), xs.end(), [](const Cross& p, const Cross& q) { return p.x < q.x; });
    int winding = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
      winding += xs[i].dir;
      bool in = FillMode == WINDING ? winding != 0 : (i % 2) == 0;
      if (!in) continue;
      int x0 = static_cast<int>(std::ceil(xs[i].x - 0.5)),
          x1 = static_cast<int>(std::ceil(xs[i + 1].x - 0.5));
      if (x1 > x0) rows.push_back({x0, y, x1, y + 1});
    }
  }
  return FromRects(rows);
}

TRegion TRegion::Combine(const TRegion& A, const TRegion& B, int Mode) {
  if (Mode == RGN_COPY) return A;
  std::vector<int> ys = Edges(A.rects_, &B.rects_);
  std::vector<std::pair<std::pair<int, int>, Intervals>> bands;
  for (size_t i = 0; i + 1 < ys.size(); ++i) {
    int y0 = ys[i], y1 = ys[i + 1];
    bands.push_back(
        {{y0, y1}, CombineIntervals(BandIntervals(A.rects_, y0, y1), BandIntervals(B.rects_, y0, y1), Mode)});
  }
  TRegion r;
  r.rects_ = Emit(bands);
  for (auto& rc : r.rects_) UnionRect(r.bounds_, r.bounds_, rc);
  return r;
}

int TRegion::Kind() const {
  if (rects_.empty()) return NULLREGION;
  return rects_.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool TRegion::Contains(int X, int Y) const {
  if (!PtInRect(bounds_, {X, Y})) return false;
  for (auto& r : rects_)
    if (PtInRect(r, {X, Y})) return true;
  return false;
}

bool TRegion::Intersects(const TRect& R) const {
  TRect tmp;
  if (!IntersectRect(tmp, bounds_, R)) return false;
  for (auto& r : rects_)
    if (IntersectRect(tmp, r, R)) return true;
  return false;
}

void TRegion::Offset(int DX, int DY) {
  for (auto& r : rects_) OffsetRect(r, DX, DY);
  if (!rects_.empty()) OffsetRect(bounds_, DX, DY);
}
