// The store's cell painter: merged areas once per pass, the footer row,
// the grid lines and the content hook.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <stdexcept>

#include "DrawSupport.h"
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

// A grid whose looks a test sets, as the full grid's visual properties
// would report them.
class TLookGrid : public TPaintGrid {
 public:
  using TPaintGrid::TPaintGrid;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TCellGradientDirection direction = GradientVertical;
  int throwAt = -1;  // the column whose content raises
  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                           TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                           TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                           TCellGradientDirection& GD) override {
    TPaintGrid::GetVisualProperties(ACol, ARow, AState, Print, Select, Remap, ABrush, AColorTo, AMirrorColor,
                                    AMirrorColorTo, AFont, HA, VA, WW, GD);
    AColorTo = colorTo;
    AMirrorColor = mirror;
    AMirrorColorTo = mirrorTo;
    GD = direction;
  }
  void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override {
    if (ACol == throwAt) throw std::runtime_error("drawing event failed");
    TPaintGrid::DrawGridCell(ACanvas, ACol, ARow, ARect, AState);
  }
};

TLookGrid* MakeLookGrid(TForm* form) {
  auto* g = new TLookGrid(form);
  g->SetParent(form);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetBounds(0, 0, 330, 130);
  g->SetColCount(5);
  g->SetRowCount(5);
  g->SetColor(clWhite);
  return g;
}

// The background calls of one cell: everything drawn before its grid lines.
std::vector<TCanvasCall> Background(const TCanvasRecorder& Rec) {
  std::vector<TCanvasCall> out;
  for (const TCanvasCall& c : Rec.Calls()) {
    if (c.Op == "LineTo" && c.PenWidth != 2 && (c.PenColor == clSilver || c.PenColor == clGray)) break;
    out.push_back(c);
  }
  return out;
}

TEST(BaseGridPaint, CellBackgroundsByKindAndState) {
  struct Case {
    const char* what;
    std::function<void(TLookGrid*)> setUp;
    int col, row;
    TGridDrawState state;
    // What the background must show: its first and last fill colours, how
    // many fills at least, and a line colour of a styled selection.
    TColor first, last;
    int fills;
    TColor faceBorder;
    TColor lineColor;  // the bottom grid line
  } cases[] = {
      {"plain", [](TLookGrid*) {}, 1, 1, {}, clWhite, clWhite, 1, clNone, clSilver},
      {"vertical gradient",
       [](TLookGrid* g) { g->colorTo = clBlue; },
       1,
       1,
       {},
       clWhite,
       clBlue,
       20,
       clNone,
       clSilver},
      {"horizontal gradient",
       [](TLookGrid* g) {
         g->colorTo = clBlue;
         g->direction = GradientHorizontal;
       },
       1,
       1,
       {},
       clWhite,
       clBlue,
       60,
       clNone,
       clSilver},
      {"mirrored halves",
       [](TLookGrid* g) {
         g->colorTo = clSilver;
         g->mirror = clGreen;
         g->mirrorTo = clLime;
       },
       1,
       1,
       {},
       clWhite,
       clLime,
       20,
       clNone,
       clSilver},
      {"fixed",
       [](TLookGrid*) {},
       0,
       1,
       {gdFixed},
       ColorToRGB(clBtnFace),
       ColorToRGB(clBtnFace),
       1,
       clNone,
       clGray},
      {"hover row",
       [](TLookGrid* g) {
         g->SetHoverRow(true);
         g->SetHoverRowIdx(2);
         g->SetHoverRowColor(clYellow);
         g->SetHoverRowColorTo(clRed);
       },
       2,
       2,
       {},
       clYellow,
       clRed,
       10,
       clNone,
       clSilver},
      {"hover row leaves fixed cells",
       [](TLookGrid* g) {
         g->SetHoverRow(true);
         g->SetHoverRowIdx(2);
         g->SetHoverRowColor(clYellow);
       },
       0,
       2,
       {gdFixed},
       ColorToRGB(clBtnFace),
       ColorToRGB(clBtnFace),
       1,
       clNone,
       clGray},
      {"active row, not the current cell",
       [](TLookGrid* g) {
         g->SetActiveRowShow(true);
         g->SetActiveRowColor(clAqua);
         g->SetCol(1);
         g->SetRow(3);
       },
       2,
       3,
       {},
       clAqua,
       clAqua,
       1,
       clNone,
       clSilver},
      {"active row wins over the hover row",
       [](TLookGrid* g) {
         g->SetActiveRowShow(true);
         g->SetActiveRowColor(clAqua);
         g->SetHoverRow(true);
         g->SetHoverRowIdx(3);
         g->SetHoverRowColor(clYellow);
         g->SetCol(1);
         g->SetRow(3);
       },
       4,
       3,
       {},
       clAqua,
       clAqua,
       1,
       clNone,
       clSilver},
      {"the current cell keeps its own colour",
       [](TLookGrid* g) {
         g->SetActiveRowShow(true);
         g->SetActiveRowColor(clAqua);
         g->SetCol(1);
         g->SetRow(3);
       },
       1,
       3,
       {},
       clWhite,
       clWhite,
       1,
       clNone,
       clSilver},
      {"selected, Vista, focused colours",
       [](TLookGrid* g) {
         g->SetSelectionStyle(ssVista);
         g->SetOptions(g->Options() << goDrawFocusSelected);
       },
       2,
       1,
       {gdSelected},
       0xFDF8F1,
       0xFCEFD5,
       10,
       0xFDDE99,
       clSilver},
      {"selected, Windows 7, no focus",
       [](TLookGrid* g) { g->SetSelectionStyle(ssWin7); },
       2,
       1,
       {gdSelected},
       0xF8F8F8,
       0xE5E5E5,
       10,
       0xD9D9D9,
       clSilver},
      {"selected, Office 2007, two halves",
       [](TLookGrid* g) {
         g->SetSelectionStyle(ssOffice2007);
         g->SetOptions(g->Options() << goDrawFocusSelected);
       },
       2,
       1,
       {gdSelected},
       0xD7FFFD,
       0xB3F1FC,
       10,
       0x8DD7D3,
       clSilver},
      {"selected with the selection hidden",
       [](TLookGrid* g) {
         g->SetSelectionStyle(ssVista);
         g->SetShowSel(false);
       },
       2,
       1,
       {gdSelected},
       clWhite,
       clWhite,
       1,
       clNone,
       clSilver},
  };
  for (const Case& c : cases) {
    TForm form(nullptr);
    TLookGrid* g = MakeLookGrid(&form);
    c.setUp(g);
    TRecordingCanvas canvas(330, 130);
    g->PaintCell(&canvas, c.col, c.row, TRect(), c.state);
    const TRect cell = g->CellRect(c.col, c.row);
    std::vector<TCanvasCall> fills;
    TColor faceBorder = clNone;
    for (const TCanvasCall& k : canvas.Recorder().Calls()) {
      if (k.Op == "Rectangle" || k.Op == "FillRect") fills.push_back(k);
      if (k.Op == "LineTo" && k.Points[0].Y == cell.Top) faceBorder = k.PenColor;
    }
    ASSERT_GE(static_cast<int>(fills.size()), c.fills) << c.what;
    EXPECT_EQ(fills.front().BrushColor, c.first) << c.what;
    EXPECT_EQ(fills.back().BrushColor, c.last) << c.what;
    if (c.faceBorder != clNone) {
      EXPECT_EQ(faceBorder, c.faceBorder) << c.what;
    } else {
      // A plain background covers the whole cell, grid lines included.
      EXPECT_EQ(fills.front().Rect.TopLeft(), cell.TopLeft()) << c.what;
    }
    // The bottom grid line comes after the background, in the store's
    // colour.
    bool line = false;
    for (const TCanvasCall& k : canvas.Recorder().Calls("LineTo"))
      line |=
          k.Points[0].Y == cell.Bottom - 1 && k.Points[1].Y == cell.Bottom - 1 && k.PenColor == c.lineColor;
    EXPECT_TRUE(line) << c.what;
    EXPECT_EQ(g->drawn.size(), 1u) << c.what;
  }
}

TEST(BaseGridPaint, AStyledSelectionRoundsItsOuterEndsInAPicture) {
  TForm form(nullptr);
  TLookGrid* g = MakeLookGrid(&form);
  g->SetOptions(g->Options() << goRangeSelect << goDrawFocusSelected);
  g->SetSelectionStyle(ssOffice2007);
  g->SetSelection(TGridRect(1, 1, 3, 2));
  TRecordingCanvas canvas(330, 130);
  g->PaintGrid(&canvas);
  SaveArtefact(canvas.TargetBitmap(), "grid_selection_office2007");
  const TRect left = g->CellRect(1, 1), middle = g->CellRect(2, 1), right = g->CellRect(3, 1);
  // Rounded left end: the corner shows the grid, its neighbour the corner colour.
  EXPECT_EQ(canvas.Pixels(left.Left, left.Top), clWhite);
  EXPECT_EQ(canvas.Pixels(left.Left + 1, left.Top), 0xC3D9DF);
  EXPECT_EQ(canvas.Pixels(left.Left, left.Top + 5), 0x8DD7D3);
  // Open in the middle: the border runs straight through.
  EXPECT_EQ(canvas.Pixels(middle.Left, middle.Top), 0x8DD7D3);
  EXPECT_TRUE(Between(canvas.Pixels(middle.Left, middle.Top + 5), 0xD7FFFD, 0x58D4FC));
  // Rounded right end, left of the grid line.
  EXPECT_EQ(canvas.Pixels(right.Right - 2, right.Top), clWhite);
  EXPECT_EQ(canvas.Pixels(right.Right - 2, right.Top + 5), 0x8DD7D3);
  EXPECT_EQ(canvas.Pixels(right.Right - 1, right.Top + 5), clSilver);
  // The fill's upper half starts light, the lower half ends in its own end.
  EXPECT_EQ(canvas.Pixels(middle.Left + 10, middle.Top + 2), 0xD7FFFD);
  EXPECT_EQ(canvas.Pixels(middle.Left + 10, middle.Bottom - 4), 0xB3F1FC);
  // Cells outside the selection keep the plain background.
  const TRect outside = g->CellRect(4, 1);
  EXPECT_EQ(canvas.Pixels(outside.Left + 5, outside.Top + 5), clWhite);
}

TEST(BaseGridPaint, APassThatRaisesLeavesNoClipAndTheNextPassPaintsEverything) {
  TForm form(nullptr);
  TLookGrid* g = MakeLookGrid(&form);
  g->SetFixedCols(1);
  g->SetColCount(12);
  g->MergeCells(1, 1, 4, 1);  // columns 1-4
  g->SetLeftCol(3);           // the area reaches under the fixed column
  g->throwAt = 1;
  TRecordingCanvas canvas(330, 130);
  EXPECT_THROW(g->PaintGrid(&canvas), std::runtime_error);
  EXPECT_EQ(canvas.ClipRegion(), nullptr);
  g->throwAt = -1;
  g->drawn.clear();
  EXPECT_NO_THROW(g->PaintGrid(&canvas));
  EXPECT_EQ(canvas.ClipRegion(), nullptr);
  EXPECT_EQ(g->Count(1, 1), 1);
}

TEST(BaseGridPaint, PaintingACellOutsideAPassHidesNothingFromTheNext) {
  TForm form(nullptr);
  TLookGrid* g = MakeLookGrid(&form);
  g->SetRowCount(20);
  g->MergeCells(1, 1, 2, 5);  // rows 1-5
  g->SetTopRow(3);            // the window shows the area from row 3
  TRecordingCanvas canvas(330, 130);
  // As printing or a drag image does: a cell of the area, on its own.
  g->PaintCell(&canvas, 2, 4, TRect(), {});
  EXPECT_EQ(g->Count(1, 1), 1);
  g->drawn.clear();
  g->PaintGrid(&canvas);
  EXPECT_EQ(g->Count(1, 1), 1);
}

}  // namespace
