// The store's cell painter: merged areas once per pass, the footer row,
// the grid lines and the content hook.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/Forms.h"
#include "framework/graphics/RecordingCanvas.h"
#include "grid/base/BaseGrid.h"

namespace {

struct TDrawn {
  int Col, Row;
  TRect Rect;
};

class TPaintGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  std::vector<TDrawn> drawn;
  void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
    drawn.push_back({ACol, ARow, ARect});
    TBaseGrid::DrawGridCell(ACanvas, ACol, ARow, ARect, AState);
  }
  int Count(int c, int r) const {
    int n = 0;
    for (const TDrawn& d : drawn) n += d.Col == c && d.Row == r;
    return n;
  }
};

TPaintGrid* MakeGrid(TComponent* owner) {
  auto* g = new TPaintGrid(owner);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetBounds(0, 0, 330, 130);
  g->SetColCount(6);
  g->SetRowCount(6);
  return g;
}

TEST(BaseGridPaint, AMergedAreaIsPaintedWholeOncePerPass) {
  TForm form(nullptr);
  TPaintGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  g->SetCellEx(2, 1, "merged");
  g->MergeCells(2, 1, 2, 3);
  TRecordingCanvas canvas(330, 130);
  for (int pass = 0; pass < 2; ++pass) {
    g->drawn.clear();
    int id = g->PaintID();
    g->PaintGrid(&canvas);
    EXPECT_EQ(g->PaintID(), id + 1);
    EXPECT_EQ(g->Count(2, 1), 1) << "pass " << pass;
    for (int c = 2; c <= 3; ++c) {
      for (int r = 1; r <= 3; ++r) {
        if (c != 2 || r != 1) {
          EXPECT_EQ(g->Count(c, r), 0);
        }
      }
    }
    // The content covers the whole area, less the line width.
    for (const TDrawn& d : g->drawn) {
      if (d.Col == 2 && d.Row == 1) {
        EXPECT_EQ(d.Rect, TRect(129, 25, 255, 95));
      }
    }
    EXPECT_EQ(g->Count(4, 1), 1);
  }
  EXPECT_GE(canvas.Recorder().Count("DrawText"), 1);
}

TEST(BaseGridPaint, AnAreaWhoseBaseIsScrolledAwayIsStillPainted) {
  TForm form(nullptr);
  TPaintGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  g->SetRowCount(20);
  g->MergeCells(1, 2, 1, 4);  // rows 2-5
  g->SetTopRow(4);
  TRecordingCanvas canvas(330, 130);
  g->PaintGrid(&canvas);
  EXPECT_EQ(g->Count(1, 2), 1);
  EXPECT_EQ(g->Count(1, 4), 0);
  EXPECT_EQ(g->Count(1, 5), 0);
}

TEST(BaseGridPaint, TheFooterRowShowsOnlyTheBackground) {
  TForm form(nullptr);
  TPaintGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  g->SetRowCount(4);
  g->SetCellEx(1, 3, "footer");
  TRecordingCanvas canvas(330, 130);
  g->PaintGrid(&canvas);
  EXPECT_EQ(g->Count(1, 3), 1);
  g->SetHideLastRow(true);
  g->drawn.clear();
  g->PaintGrid(&canvas);
  EXPECT_EQ(g->Count(1, 3), 0);
  EXPECT_EQ(g->Count(1, 2), 1);
}

TEST(BaseGridPaint, PaintingWithoutContentDrawsNoContent) {
  TPaintGrid g(nullptr);
  TRecordingCanvas canvas(100, 40);
  g.PaintCellExt(&canvas, 0, 0, TRect(0, 0, 64, 24), TGridDrawState{});
  EXPECT_TRUE(g.drawn.empty());
  g.PaintCell(&canvas, 1, 1, TRect(0, 0, 64, 24), TGridDrawState{});
  EXPECT_EQ(g.drawn.size(), 1u);
}

}  // namespace
