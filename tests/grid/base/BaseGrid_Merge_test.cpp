// Merged cells: texts through the base cell, span queries, merging and
// splitting, and the rectangles of merged areas.
#include <gtest/gtest.h>

#include <string>

#include "grid/base/BaseGrid.h"

namespace {

TEST(BaseGridMerge, EveryCellOfAnAreaReadsAndWritesTheBaseCell) {
  TBaseGrid g(nullptr);
  g.SetColCount(6);
  g.SetRowCount(6);
  g.SetCellEx(1, 1, "base");
  g.SetCellEx(3, 2, "own text");
  g.MergeCells(1, 1, 3, 2);
  for (int c = 1; c <= 3; ++c)
    for (int r = 1; r <= 2; ++r) EXPECT_EQ(g.GetCellEx(c, r), "base") << c << "," << r;
  g.SetCellEx(3, 2, "written");
  EXPECT_EQ(g.GridCells(1, 1), "written");
  EXPECT_EQ(g.GridCells(3, 2), "own text");
  EXPECT_EQ(g.GetCellEx(2, 1), "written");
  // Neighbours are untouched.
  EXPECT_EQ(g.GetCellEx(4, 1), "");
  EXPECT_EQ(g.GetCellEx(1, 3), "");
  // Once split, every cell shows its own text again.
  g.SplitCells(2, 2);
  EXPECT_EQ(g.GetCellEx(3, 2), "own text");
  EXPECT_EQ(g.GetCellEx(1, 1), "written");
}

TEST(BaseGridMerge, SpanQueriesOfAThreeColumnArea) {
  TBaseGrid g(nullptr);
  g.SetColCount(6);
  g.MergeCells(1, 2, 3, 1);
  struct Case {
    int col;
    TGridCoord span, ext;
    bool base;
  };
  for (Case k :
       {Case{1, {2, 0}, {2, 0}, true}, Case{2, {2, 0}, {1, 0}, false}, Case{3, {2, 0}, {0, 0}, false}}) {
    SCOPED_TRACE(k.col);
    EXPECT_EQ(g.CellSpan(k.col, 2), k.span);
    EXPECT_EQ(g.CellExt(k.col, 2), k.ext);
    EXPECT_EQ(g.FullCell(k.col, 2), TGridRect(1, 2, 3, 2));
    EXPECT_EQ(g.BaseCell(k.col, 2), TGridCoord(1, 2));
    EXPECT_EQ(g.IsBaseCell(k.col, 2), k.base);
    EXPECT_TRUE(g.IsMergedCell(k.col, 2));
    EXPECT_EQ(g.IsMergedNonBaseCell(k.col, 2), !k.base);
    EXPECT_TRUE(g.IsXMergedCell(k.col, 2));
    EXPECT_FALSE(g.IsYMergedCell(k.col, 2));
    int bc = -5, br = -5;
    EXPECT_EQ(g.FindBaseCell(k.col, 2, bc, br), k.base);
    EXPECT_EQ(TGridCoord(bc, br), TGridCoord(1, 2));
  }
  // A plain cell, with or without properties.
  g.GetCellProperties(4, 2);
  for (int c : {4, 5}) {
    EXPECT_EQ(g.CellSpan(c, 2), TGridCoord(0, 0));
    EXPECT_EQ(g.CellExt(c, 2), TGridCoord(0, 0));
    EXPECT_EQ(g.FullCell(c, 2), TGridRect(c, 2, c, 2));
    EXPECT_TRUE(g.IsBaseCell(c, 2));
    EXPECT_FALSE(g.IsMergedCell(c, 2));
    int bc = -5, br = -5;
    EXPECT_TRUE(g.FindBaseCell(c, 2, bc, br));
    EXPECT_EQ(TGridCoord(bc, br), TGridCoord(c, 2));
  }
  // The record of a non-base cell points at its base.
  TCellProperties* p = g.GetCellProperties(3, 2);
  EXPECT_EQ(p->CellSpanX(), 2);
  EXPECT_EQ(p->CellSpanY(), 0);
  EXPECT_EQ(p->GetBaseCell(), TGridCoord(1, 2));
}

TEST(BaseGridMerge, MergeAndSplitCountingAndTheOneByOneCase) {
  TBaseGrid g(nullptr);
  g.MergeCells(2, 2, 1, 1);
  EXPECT_EQ(g.MergeCount(), 1);
  EXPECT_FALSE(g.IsMergedCell(2, 2));
  EXPECT_TRUE(g.IsBaseCell(2, 2));
  EXPECT_EQ(g.GetCellProperties(2, 2)->CellSpanX(), 0);
  // Nothing to merge for spans of 0 or less, but the call still counts.
  g.MergeCells(3, 3, 0, 2);
  EXPECT_EQ(g.MergeCount(), 2);
  EXPECT_FALSE(g.HasCellProperties(3, 3));

  // Splitting a cell that is not merged changes no cell and still counts.
  g.SetCellEx(1, 1, "t");
  g.GetCellProperties(1, 1)->SetBrushColor(0x00ABCDEF);
  g.SplitCells(1, 1);
  EXPECT_EQ(g.MergeCount(), 1);
  EXPECT_EQ(g.GetCellProperties(1, 1)->CellSpanX(), -1);
  EXPECT_EQ(g.GetCellProperties(1, 1)->BrushColor(), 0x00ABCDEFu);

  // Splitting from any cell of an area restores all of it; looks stay.
  g.MergeCells(1, 1, 2, 3);
  g.GetCellProperties(2, 3)->SetReadOnly(true);
  g.SplitCells(2, 3);
  EXPECT_EQ(g.MergeCount(), 1);
  for (int c = 1; c <= 2; ++c)
    for (int r = 1; r <= 3; ++r) {
      TCellProperties* p = g.GetCellProperties(c, r);
      EXPECT_TRUE(p->IsBaseCell());
      EXPECT_EQ(p->CellSpanX(), -1);
      EXPECT_EQ(p->CellSpanY(), -1);
    }
  EXPECT_TRUE(g.GetCellProperties(2, 3)->ReadOnly());
}

TEST(BaseGridMerge, RowAndColumnSpansCompared) {
  TBaseGrid g(nullptr);
  g.SetColCount(6);
  g.SetRowCount(8);
  g.MergeCells(1, 1, 1, 3);  // column 1, rows 1-3
  g.MergeCells(2, 1, 1, 2);  // column 2, rows 1-2
  g.MergeCells(2, 3, 1, 2);  // column 2, rows 3-4
  EXPECT_EQ(g.MaxRowSpan(1), 2);
  EXPECT_EQ(g.MinRowSpan(1), 1);
  EXPECT_EQ(g.MinRowSpan(5), g.RowCount());
  EXPECT_EQ(g.MaxRowSpan(5), 0);
  EXPECT_TRUE(g.RowSpanIdentical(1, 2));
  // Column 1 joins rows 2 and 3, but column 2 puts them in two areas.
  EXPECT_FALSE(g.RowSpanIdentical(2, 3));
  EXPECT_FALSE(g.RowSpanIdentical(5, 6));  // no area at all

  TBaseGrid h(nullptr);
  h.SetColCount(8);
  h.MergeCells(1, 1, 3, 1);  // row 1, columns 1-3
  h.MergeCells(1, 2, 2, 1);  // row 2, columns 1-2
  EXPECT_TRUE(h.ColSpanIdentical(1, 2));
  // Column 3 is merged in row 1 but plain in row 2, where column 2 is not.
  EXPECT_FALSE(h.ColSpanIdentical(2, 3));
  EXPECT_FALSE(h.ColSpanIdentical(5, 6));
  h.MergeCells(4, 1, 2, 1);
  EXPECT_FALSE(h.ColSpanIdentical(3, 4));  // both merged, different areas
}

// A grid with exact geometry: no border or scroll bars, 64 x 24 cells and no
// framework lines.
TBaseGrid* MakeSizedGrid() {
  auto* g = new TBaseGrid(nullptr);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetBounds(0, 0, 330, 130);
  g->SetColCount(10);
  g->SetRowCount(20);
  return g;
}

TEST(BaseGridMerge, RectanglesCoverTheWholeAreaAndCellsOutOfView) {
  std::unique_ptr<TBaseGrid> g(MakeSizedGrid());
  EXPECT_EQ(g->GridLineWidth(), 1);
  EXPECT_EQ(g->TCustomGrid::GridLineWidth(), 0);
  EXPECT_EQ(g->CellRect(2, 1), TRect(128, 24, 192, 48));
  EXPECT_EQ(g->CalcCellRect(2, 1), TRect(128, 24, 192, 48));
  EXPECT_EQ(g->FixedColsWidth(), 64);
  EXPECT_EQ(g->FixedRowsHeight(), 24);
  g->MergeCells(1, 2, 3, 2);
  for (int c = 1; c <= 3; ++c) EXPECT_EQ(g->CellRect(c, 3), TRect(64, 48, 256, 96)) << c;
  EXPECT_EQ(g->CellSize(2, 2), TPoint(192, 48));

  // Out of view: scrolled past, or beyond the client area.
  g->SetTopRow(5);
  EXPECT_EQ(g->CalcCellRect(1, 7), TRect(64, 72, 128, 96));
  EXPECT_EQ(g->CalcCellRect(1, 3), TRect(64, -24, 128, 0));
  EXPECT_EQ(g->CalcCellRect(0, 0), TRect(0, 0, 64, 24));
  EXPECT_EQ(g->CalcCellRect(8, 19), TRect(512, 360, 576, 384));
  EXPECT_EQ(g->CellRect(1, 3), TRect(64, -48, 256, 0));

  // A column of zero width still counts as part of its area.
  g->SetTopRow(1);
  g->SetColWidths(3, 0);
  g->MergeCells(3, 5, 1, 2);
  EXPECT_EQ(g->CellRect(3, 6), TRect(191, 120, 193, 168));

  // A cell holding a control is placed by sums, in view or not.
  g->GetCellProperties(5, 10)->SetControl(g.get());
  EXPECT_EQ(g->CellRect(5, 10), g->CalcCellRect(5, 10));
}

}  // namespace
