#include <gtest/gtest.h>

#include <climits>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/Region.h"

namespace {
int Area(const TRegion& r) {
  int a = 0;
  for (const TRect& t : r.Rects()) a += t.Width() * t.Height();
  return a;
}
}  // namespace

TEST(Region, CombineModes) {
  TRegion a(Rect(0, 0, 10, 10)), b(Rect(5, 5, 15, 15));
  struct Case {
    int mode;
    int area;
    bool in55, in00, in1414;
  } cases[] = {
      {RGN_AND, 25, true, false, false},  {RGN_OR, 175, true, true, true},
      {RGN_XOR, 150, false, true, true},  {RGN_DIFF, 75, false, true, false},
      {RGN_COPY, 100, true, true, false},
  };
  for (const auto& c : cases) {
    TRegion r = TRegion::Combine(a, b, c.mode);
    EXPECT_EQ(Area(r), c.area) << "mode " << c.mode;
    EXPECT_EQ(r.Contains(5, 5), c.in55) << "mode " << c.mode;
    EXPECT_EQ(r.Contains(0, 0), c.in00) << "mode " << c.mode;
    EXPECT_EQ(r.Contains(14, 14), c.in1414) << "mode " << c.mode;
  }
  EXPECT_EQ(TRegion::Combine(a, b, RGN_AND).Kind(), SIMPLEREGION);
  EXPECT_EQ(TRegion::Combine(a, b, RGN_OR).Kind(), COMPLEXREGION);
  EXPECT_EQ(TRegion::Combine(a, TRegion(Rect(20, 20, 30, 30)), RGN_AND).Kind(), NULLREGION);
  // Touching rectangles join into one.
  EXPECT_EQ(TRegion::FromRects({Rect(0, 0, 10, 5), Rect(0, 5, 10, 10)}).Kind(), SIMPLEREGION);
}

TEST(Region, CurvedShapesCoverTheirInsideOnly) {
  TRegion e = TRegion::FromEllipse(Rect(0, 0, 20, 20));
  EXPECT_TRUE(e.Contains(10, 10));
  EXPECT_FALSE(e.Contains(0, 0));
  EXPECT_FALSE(e.Contains(19, 19));
  EXPECT_EQ(e.Bounds(), Rect(0, 0, 20, 20));

  TRegion rr = TRegion::FromRoundRect(Rect(0, 0, 20, 20), 8, 8);
  EXPECT_FALSE(rr.Contains(0, 0));
  EXPECT_TRUE(rr.Contains(10, 0));
  EXPECT_TRUE(rr.Contains(0, 10));

  // A shape far beyond any device is cut, not made row by row for ever.
  // Edges far apart, whose widths do not fit an int, give the part a device
  // can show.
  TRegion far = TRegion::FromEllipse(Rect(0, -2000000000, 10, 2000000000));
  EXPECT_LE(far.Bounds().Height(), 65536);
  EXPECT_TRUE(far.Contains(5, 0));
  TRegion wide = TRegion::FromEllipse(Rect(-2000000000, -50, 2000000000, 50));
  EXPECT_TRUE(wide.Contains(0, 0));
  EXPECT_TRUE(wide.Contains(1000000000, 0));
  EXPECT_FALSE(wide.Contains(0, 60));
  TRegion farRound = TRegion::FromRoundRect(Rect(-2000000000, 0, 2000000000, 20), INT_MIN, 8);
  EXPECT_TRUE(farRound.Contains(0, 0));
  EXPECT_FALSE(farRound.Contains(-2000000000, 0));
  TPoint farTri[] = {{-2000000000, 0}, {2000000000, 100}, {-2000000000, 100}};
  EXPECT_TRUE(TRegion::FromPolygon(farTri, 3, ALTERNATE).Contains(0, 80));
  EXPECT_FALSE(TRegion::FromPolygon(farTri, 3, ALTERNATE).Contains(1500000000, 20));

  TPoint tri[] = {{0, 0}, {10, 0}, {0, 10}};
  TRegion t = TRegion::FromPolygon(tri, 3, ALTERNATE);
  EXPECT_TRUE(t.Contains(1, 1));
  EXPECT_FALSE(t.Contains(8, 8));
}

TEST(Region, HandleRoutines) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(20, 0, 30, 10);
  HRGN d = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_OR), COMPLEXREGION);
  TRect box;
  EXPECT_EQ(GetRgnBox(d, &box), COMPLEXREGION);
  EXPECT_EQ(box, Rect(0, 0, 30, 10));
  EXPECT_TRUE(PtInRegion(d, 25, 5));
  EXPECT_FALSE(PtInRegion(d, 15, 5));
  EXPECT_FALSE(RectInRegion(d, Rect(11, 0, 19, 10)));
  OffsetRgn(d, 5, 0);
  EXPECT_TRUE(PtInRegion(d, 15, 5) == false && PtInRegion(d, 5, 5) && !PtInRegion(d, 4, 5));
  EXPECT_EQ(CombineRgn(d, a, nullptr, RGN_AND), RGN_ERROR);
  DeleteObject(a);
  DeleteObject(b);
  DeleteObject(d);
}
