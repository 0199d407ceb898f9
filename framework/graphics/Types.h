#pragma once
// Points, sizes and rectangles as the drawing code uses them. Rectangles
// have exclusive right and bottom edges: (0, 0, 10, 10) covers 10 x 10 pixels.
#include <algorithm>
#include <ostream>

struct TPoint {
  int X = 0;
  int Y = 0;
  constexpr TPoint() = default;
  constexpr TPoint(int x, int y) : X(x), Y(y) {}
  friend constexpr bool operator==(const TPoint& a, const TPoint& b) { return a.X == b.X && a.Y == b.Y; }
};

struct TSize {
  int cx = 0;
  int cy = 0;
  constexpr TSize() = default;
  constexpr TSize(int w, int h) : cx(w), cy(h) {}
  friend constexpr bool operator==(const TSize& a, const TSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr TRect() = default;
  constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}
  constexpr TRect(const TPoint& tl, const TPoint& br) : Left(tl.X), Top(tl.Y), Right(br.X), Bottom(br.Y) {}

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  friend constexpr bool operator==(const TRect& a, const TRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
  }
};

constexpr TPoint Point(int X, int Y) { return {X, Y}; }
constexpr TRect Rect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }
constexpr TRect Bounds(int Left, int Top, int Width, int Height) {
  return {Left, Top, Left + Width, Top + Height};
}

// Inside means Left <= X < Right and Top <= Y < Bottom.
constexpr bool PtInRect(const TRect& R, const TPoint& P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}
// Empty when it has no width or no height (also when reversed).
constexpr bool IsRectEmpty(const TRect& R) { return R.Right <= R.Left || R.Bottom <= R.Top; }
constexpr bool EqualRect(const TRect& A, const TRect& B) { return A == B; }

// Dest gets the common part of A and B; an empty result is (0, 0, 0, 0) and
// answers false.
inline bool IntersectRect(TRect& Dest, const TRect& A, const TRect& B) {
  TRect r{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
          std::min(A.Bottom, B.Bottom)};
  if (IsRectEmpty(r)) {
    Dest = TRect();
    return false;
  }
  Dest = r;
  return true;
}
// Dest gets the smallest rectangle holding both; empty inputs are ignored.
inline bool UnionRect(TRect& Dest, const TRect& A, const TRect& B) {
  if (IsRectEmpty(A)) {
    Dest = IsRectEmpty(B) ? TRect() : B;
  } else if (IsRectEmpty(B)) {
    Dest = A;
  } else {
    Dest = {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
            std::max(A.Bottom, B.Bottom)};
  }
  return !IsRectEmpty(Dest);
}
inline bool OffsetRect(TRect& R, int DX, int DY) {
  R.Left += DX;
  R.Right += DX;
  R.Top += DY;
  R.Bottom += DY;
  return true;
}
inline bool InflateRect(TRect& R, int DX, int DY) {
  R.Left -= DX;
  R.Right += DX;
  R.Top -= DY;
  R.Bottom += DY;
  return true;
}
inline bool SetRect(TRect& R, int Left, int Top, int Right, int Bottom) {
  R = {Left, Top, Right, Bottom};
  return true;
}
inline bool SetRectEmpty(TRect& R) {
  R = TRect();
  return true;
}
constexpr TPoint CenterPoint(const TRect& R) { return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}; }

// Readable test failure output.
inline std::ostream& operator<<(std::ostream& os, const TPoint& p) {
  return os << "(" << p.X << "," << p.Y << ")";
}
inline std::ostream& operator<<(std::ostream& os, const TSize& s) {
  return os << "(" << s.cx << "x" << s.cy << ")";
}
inline std::ostream& operator<<(std::ostream& os, const TRect& r) {
  return os << "(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ")";
}
