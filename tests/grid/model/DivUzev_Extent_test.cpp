// The text extent helpers: offsets, the longest line of a column, the most
// lines in a row, and where a turned text starts in its cell.
#include <gtest/gtest.h>

#include <string>

#include "grid/model/DivUzev.h"

namespace {

TEST(DivUzevExtent, TextOffsetsAndLineCounts) {
  TDedAdararAdoz g(nullptr);
  g.SetXYOffset(TPoint(3, 5));
  EXPECT_EQ(g.GetXYOffsetWidth(), 6);
  EXPECT_EQ(g.GetXYOffsetHeight(), 10);
  g.SetXYOffsetTopLeftOnly(true);
  EXPECT_EQ(g.GetXYOffsetWidth(), 3);
  EXPECT_EQ(g.GetXYOffsetHeight(), 5);

  g.SetColCount(4);
  g.SetRowCount(4);
  g.SetCellEx(1, 1, "ab");
  g.SetCellEx(1, 2, "d\r\nabcd");
  g.SetCellEx(2, 2, "x\r\ny\r\nz");
  g.SetCellEx(3, 3, "\xC3\xA9t\xC3\xA9");  // three characters, five bytes
  EXPECT_EQ(g.MaxColumnTextLength(1), 2) << "first lines only";
  EXPECT_EQ(g.MaxLinesInRow(2), 1);
  g.SetMultilineCells(true);
  EXPECT_EQ(g.MaxColumnTextLength(1), 4);
  EXPECT_EQ(g.MaxColumnTextLength(3), 3) << "characters, not bytes";
  EXPECT_EQ(g.MaxLinesInRow(2), 3);
  g.HideColumn(2);
  EXPECT_EQ(g.MaxLinesInRow(2), 2) << "only shown columns";
}

TEST(DivUzevExtent, TurnedTextStartsByQuadrantAndAlignment) {
  struct Case {
    int angle;
    TAlignment h;
    TVAlignment v;
    int left, top;
  };
  // R = (10, 20, 110, 70); A = 8, B = 30, C = 4, D = 40 (not from one
  // text: each entry checks its own formula). The centre's half step is
  // (B + Top + A - Bottom) div 2 = -6.
  const Case cases[] = {
      {0, taLeftJustify, vtaTop, 10, 50},     {45, taRightJustify, vtaBottom, 66, 62},
      {90, taCenter, vtaCenter, 38, 56},      {135, taLeftJustify, vtaTop, 50, 58},
      {180, taRightJustify, vtaBottom, 106, 70}, {180, taCenter, vtaCenter, 78, 64},
      {200, taLeftJustify, vtaTop, 54, 28},   {270, taRightJustify, vtaBottom, 110, 40},
      {270, taCenter, vtaCenter, 82, 34},     {300, taLeftJustify, vtaTop, 14, 20},
      {359, taRightJustify, vtaBottom, 70, 32}, {359, taCenter, vtaCenter, 42, 26},
  };
  for (const Case& c : cases) {
    TRect r(10, 20, 110, 70);
    TDedAdararAdoz::AlignRotatedText(r, c.h, c.v, 8, 30, 4, 40, c.angle);
    EXPECT_EQ(r.Left, c.left) << c.angle << " " << c.h << " " << c.v;
    EXPECT_EQ(r.Top, c.top) << c.angle << " " << c.h << " " << c.v;
    EXPECT_EQ(r.Right, 110);
    EXPECT_EQ(r.Bottom, 70);
  }
}

TEST(DivUzevExtent, RotatedTextRectMeasuresInTheCanvasFont) {
  TDedAdararAdoz g(nullptr);
  const TSize size = g.Canvas()->TextExtent("Turned");
  TRect r(0, 0, 100, 100);
  g.RotatedTextRect(r, 0, vtaTop, taLeftJustify, "Turned");
  EXPECT_EQ(r, TRect(2, 2, 98, 98)) << "angle 0, top left: no move inside the 2-pixel margin";
  r = TRect(0, 0, 100, 100);
  g.RotatedTextRect(r, 90, vtaBottom, taLeftJustify, "Turned");
  EXPECT_EQ(r.Top, 98) << "at 90 degrees A truncates to 0: the bottom";
  r = TRect(0, 0, 100, 100);
  g.RotatedTextRect(r, 90, vtaTop, taLeftJustify, "Turned");
  EXPECT_EQ(r.Top, 2 + size.cx) << "B is the text's width";
}

}  // namespace
