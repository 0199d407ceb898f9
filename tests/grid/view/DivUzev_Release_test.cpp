// The selection resizer, pressed, dragged and let go with the mouse: where
// its handle is (and where it is not, also right to left), the cursor over
// it, the block copied at the press and pasted into the enlarged selection
// at the release between the two resize events, with and without editing
// and the smart fill, and read-only cells left alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "framework/controls/Clipbrd.h"
#include "framework/graphics/RecordingCanvas.h"

namespace {

using namespace testinput;

std::string RectText(const TGridRect& R) {
  return std::to_string(R.Left) + "," + std::to_string(R.Top) + "-" + std::to_string(R.Right) + "," +
         std::to_string(R.Bottom);
}

struct ResizerFixture : GridEditFixture {
  void SetUp() override {
    GridEditFixture::SetUp();
    g->SetSelectionRectangle(true);
    g->SetSelectionResizer(true);
    g->SetOptions(g->Options() << goRangeSelect);
    g->SetCells(1, 1, "a");
    g->SetCells(2, 1, "b");
    g->SetCells(1, 2, "c");
    g->SetCells(2, 2, "d");
    g->SetSelection(TGridRect(1, 1, 2, 2));
    Pump();
  }
  // A point inside the handle: the bottom-right cell's last pixel but one.
  TPoint Handle() {
    const TRect r = g->CellRect(g->Selection().Right, g->Selection().Bottom);
    return TPoint(r.Right - 2, r.Bottom - 2);
  }
  void RecordResize() {
    g->OnSelectionResize = [this](TObject*, const TGridRect& From, const TGridRect& To) {
      events.push_back("resize " + RectText(From) + " to " + RectText(To));
    };
    g->OnSelectionResized = [this](TObject*, const TGridRect& From, const TGridRect& To) {
      events.push_back("resized " + RectText(From) + " to " + RectText(To));
    };
    g->OnClipboardAfterPasteCell = [this](TObject*, int c, int r, const std::string& v) {
      events.push_back("paste " + std::to_string(c) + "," + std::to_string(r) + " " + v);
    };
  }
  // Presses the handle, drags to the centre of (c, r) in steps and lets go.
  void DragHandleTo(int c, int r) {
    const TPoint from = Handle();
    MouseMove(g, from.X, from.Y);
    MouseDown(g, from.X, from.Y);
    const TPoint to = CellCentre(c, r);
    for (int i = 1; i <= 4; ++i)
      MouseMove(g, from.X + (to.X - from.X) * i / 4, from.Y + (to.Y - from.Y) * i / 4);
    MouseUp(g, to.X, to.Y);
    Pump();
  }
};

TEST_F(ResizerFixture, DraggingTheHandleCopiesTheBlockIntoTheEnlargedSelection) {
  struct Case {
    bool editing;
    bool smart;
    // What the two new rows get: the block again, or nothing (without the
    // smart fill only the block's own place is pasted).
    bool filled;
  };
  const Case cases[] = {
      {true, true, true},
      {false, true, true},
      {true, false, false},
      {false, false, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.editing ? "editing" : "not editing") + (k.smart ? ", smart" : ""));
    events.clear();
    RecordResize();
    g->SetOptions(k.editing ? g->Options() << goEditing : g->Options() >> goEditing);
    g->Navigation()->SetAllowSmartClipboard(k.smart);
    // A read-only cell in the way keeps its text.
    g->SetCells(1, 4, "keep");
    g->SetReadOnly(1, 4, true);
    DragHandleTo(2, 4);

    EXPECT_EQ(g->Selection(), TGridRect(1, 1, 2, 4));
    EXPECT_FALSE(g->MouseResize());
    EXPECT_EQ(g->GridState(), gsNormal);
    EXPECT_EQ(Clipboard()->AsText(), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(g->Cells(1, 3), k.filled ? "a" : "");
    EXPECT_EQ(g->Cells(2, 3), k.filled ? "b" : "");
    EXPECT_EQ(g->Cells(1, 4), "keep");
    EXPECT_EQ(g->Cells(2, 4), k.filled ? "d" : "");
    EXPECT_EQ(g->Cells(1, 1), "a");
    EXPECT_EQ(g->Cells(2, 2), "d");
    // The editing the grid had is what it has after the drag.
    EXPECT_EQ(g->Options().Contains(goEditing), k.editing);
    EXPECT_FALSE(g->EditDisable());
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events.front(), "resize 1,1-2,2 to 1,1-2,4");
    EXPECT_EQ(events.back(), "resized 1,1-2,2 to 1,1-2,4");
    // The block's own place is pasted first, the fill after it.
    std::vector<std::string> pasted(events.begin() + 1, events.end() - 1);
    std::vector<std::string> want = {"paste 1,1 a", "paste 2,1 b", "paste 1,2 c", "paste 2,2 d"};
    if (k.filled) {
      want.push_back("paste 1,3 a");
      want.push_back("paste 2,3 b");
      want.push_back("paste 2,4 d");
    }
    EXPECT_EQ(pasted, want);
    // A fresh grid for the next case.
    TearDown();
    SetUp();
  }
}

TEST_F(ResizerFixture, AnOrdinaryPressBesideTheHandleSelectsAsUsual) {
  RecordResize();
  const TRect r = g->CellRect(2, 2);
  // Just left of the handle: a plain press on the cell.
  MouseMove(g, r.Right - 8, r.Bottom - 2);
  MouseDown(g, r.Right - 8, r.Bottom - 2);
  const TPoint to = CellCentre(2, 4);
  MouseMove(g, to.X, to.Y);
  MouseUp(g, to.X, to.Y);
  Pump();
  EXPECT_TRUE(events.empty());
  EXPECT_FALSE(g->MouseResize());
  EXPECT_EQ(g->Cells(2, 3), "");
}

TEST_F(ResizerFixture, ACancelledDragPastesNothing) {
  RecordResize();
  g->Navigation()->SetAllowSmartClipboard(true);
  const TPoint from = Handle();
  MouseMove(g, from.X, from.Y);
  MouseDown(g, from.X, from.Y);
  EXPECT_TRUE(g->MouseResize());
  const TPoint to = CellCentre(2, 4);
  MouseMove(g, to.X, to.Y);
  // A modal window opening takes the mouse away.
  SendMessage(g->Handle(), WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(g->MouseResize());
  MouseUp(g, to.X, to.Y);
  Pump();
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(g->Cells(1, 3), "");
}

TEST_F(ResizerFixture, TheHandleIsTheSixPixelCornerOfTheSelection) {
  struct Case {
    bool rightToLeft;
    bool resizer;
    int dx, dy;  // from the cell's right (left, right to left) and bottom edge
    bool on;
  };
  const Case cases[] = {
      {false, true, -1, -1, true},  {false, true, -6, -6, true},   {false, true, -6, -1, true},
      {false, true, -7, -1, false}, {false, true, -1, -7, false},  {false, true, 0, -1, false},
      {false, true, -1, 0, false},  {false, false, -1, -1, false}, {true, true, 0, -1, true},
      {true, true, 5, -6, true},    {true, true, 6, -1, false},    {true, true, -1, -1, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::to_string(k.dx) + "," + std::to_string(k.dy) + (k.rightToLeft ? " rtl" : ""));
    g->SetBiDiMode(k.rightToLeft ? bdRightToLeft : bdLeftToRight);
    g->SetSelectionResizer(k.resizer);
    g->SetSelection(TGridRect(1, 1, 2, 2));
    const TRect r = g->CellRect(2, 2);
    const int x = k.rightToLeft ? r.Left + k.dx : r.Right + k.dx;
    SendMessage(g->Handle(), WM_MOUSEMOVE, 0, MakeLParam(x, r.Bottom + k.dy));
    EXPECT_EQ(g->MouseSelectMode() == msResize, k.on);
    EXPECT_EQ(g->Cursor() == crGridSelectAll, k.on);
  }
  EXPECT_TRUE(Screen->HasCursor(crGridSelectAll));
}

TEST_F(ResizerFixture, TheHandleIsPaintedWhereTheMouseFindsIt) {
  constexpr TColor kMark = 0x00C80000;
  g->SetSelectionRectangleColor(kMark);
  for (bool rtl : {false, true}) {
    SCOPED_TRACE(rtl ? "right to left" : "left to right");
    g->SetBiDiMode(rtl ? bdRightToLeft : bdLeftToRight);
    g->SetSelection(TGridRect(1, 1, 2, 2));
    TRecordingCanvas canvas(g->Width(), g->Height());
    g->PaintGrid(&canvas);
    // A filled 3 x 3 block of the mark in the 6 x 6 square from X: the
    // handle, not the (narrower) lines of the rectangle.
    auto filled = [&](int X, int Bottom) {
      for (int y = Bottom - 6; y + 2 < Bottom; ++y)
        for (int x = X; x + 2 < X + 6; ++x) {
          bool all = true;
          for (int dy = 0; dy < 3; ++dy)
            for (int dx = 0; dx < 3; ++dx) all = all && canvas.Pixels(x + dx, y + dy) == kMark;
          if (all) return true;
        }
      return false;
    };
    const TRect r = g->CellRect(2, 2);
    EXPECT_TRUE(filled(rtl ? r.Left : r.Right - 6, r.Bottom));
    EXPECT_FALSE(filled(rtl ? r.Right - 6 : r.Left, r.Bottom));
    // The rectangle's side lines: where the selection ends and starts.
    auto lineNear = [&](int X, const TRect& Cell) {
      const int y = (Cell.Top + Cell.Bottom) / 2;
      return canvas.Pixels(X - 1, y) == kMark || canvas.Pixels(X, y) == kMark ||
             canvas.Pixels(X + 1, y) == kMark;
    };
    const TRect first = g->CellRect(1, 1);
    EXPECT_TRUE(lineNear(rtl ? r.Left + 1 : r.Right - 2, r));
    EXPECT_TRUE(lineNear(rtl ? first.Right - 2 : first.Left + 1, first));
    EXPECT_FALSE(lineNear(rtl ? r.Right - 2 : r.Left + 1, r));
  }
}

TEST_F(ResizerFixture, RightToLeftTheHandleAtTheBottomLeftDragsToo) {
  g->SetBiDiMode(bdRightToLeft);
  g->Navigation()->SetAllowSmartClipboard(true);
  g->SetSelection(TGridRect(1, 1, 2, 2));
  const TRect r = g->CellRect(2, 2);
  const TPoint from(r.Left + 2, r.Bottom - 2);
  MouseMove(g, from.X, from.Y);
  MouseDown(g, from.X, from.Y);
  const TPoint to = CellCentre(2, 3);
  MouseMove(g, to.X, to.Y);
  MouseUp(g, to.X, to.Y);
  Pump();
  EXPECT_EQ(g->Selection(), TGridRect(1, 1, 2, 3));
  EXPECT_EQ(g->Cells(1, 3), "a");
  EXPECT_EQ(g->Cells(2, 3), "b");
}

}  // namespace
