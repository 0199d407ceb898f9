// The mouse moving over the grid, driven by WM_MOUSEMOVE messages and
// pointer moves: the hovered row and fixed cell, the hand over links and
// the cursor the application set coming back, anchors entered and left,
// rows dragged out in the fixed column, the sizing zones of the fixed
// cells, the sizing events, and the feedback of a column moved in the
// header.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "grid/base/VevCtrls.h"

namespace {

using namespace testinput;

struct GridMoveFixture : GridEditFixture {
  void SetUp() override {
    GridEditFixture::SetUp();
    g->SetOptions(g->Options() >> goEditing << goRangeSelect);
  }
  // A WM_MOUSEMOVE straight to the grid's window.
  void Move(int X, int Y, WPARAM Keys = 0) {
    SendMessage(g->Handle(), WM_MOUSEMOVE, Keys, MakeLParam(X, Y));
    Pump();
  }
  void MoveToCell(int c, int r) {
    const TPoint p = CellCentre(c, r);
    Move(p.X, p.Y);
  }
};

TEST_F(GridMoveFixture, TheHoveredRowAndFixedCellFollowTheMouseAndLeaveWithIt) {
  g->SetHoverRow(true);
  g->SetHoverFixedCells(hfAll);
  MoveToCell(2, 3);
  EXPECT_EQ(g->HoverRowIdx(), 3);
  MoveToCell(3, 5);
  EXPECT_EQ(g->HoverRowIdx(), 5);
  MoveToCell(2, 0);
  EXPECT_EQ(g->HoveredFixedCell(), TGridCoord(2, 0));
  // The pointer goes to another control: the grid forgets what it hovered.
  const TPoint p = CellCentre(2, 0);
  MouseMove(g, p.X, p.Y);
  MouseMove(other, 5, 5);
  EXPECT_EQ(g->HoverRowIdx(), -1);
  EXPECT_EQ(g->HoveredFixedCell(), TGridCoord(-1, -1));
}

TEST_F(GridMoveFixture, LinksShowTheHandAndTheApplicationsCursorComesBack) {
  struct Case {
    const char* text;
    bool urlShow;
    bool hand;
  };
  const Case cases[] = {
      {"see https://example.invalid", true, true},
      {"mailto:someone@example.invalid", true, true},
      {"see https://example.invalid", false, false},
      {"plain text", true, false},
  };
  g->SetCursor(crCross);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    g->SetURLShow(c.urlShow);
    g->SetCells(2, 3, c.text);
    MoveToCell(2, 3);
    EXPECT_EQ(g->Cursor(), c.hand ? crHandPoint : crCross);
    MoveToCell(2, 4);
    EXPECT_EQ(g->Cursor(), crCross);
  }
}

TEST_F(GridMoveFixture, PanningAndLinksLeaveTheApplicationsCursorAlone) {
  g->SetRowCount(40);
  g->SetIntelliPan(ipVertical);
  g->SetURLShow(true);
  g->SetCells(2, 3, "https://example.invalid");
  g->SetCursor(crCross);
  MoveToCell(2, 3);
  EXPECT_EQ(g->Cursor(), crHandPoint);
  const TPoint p = CellCentre(2, 3);
  MouseDown(g, p.X, p.Y, mbMiddle);
  MouseUp(g, p.X, p.Y, mbMiddle);
  ASSERT_TRUE(g->WheelPanning());
  Move(p.X, p.Y + 1);
  EXPECT_EQ(g->Cursor(), 8000) << "no link look while panning";
  PressKey(VK_ESCAPE);
  ASSERT_FALSE(g->WheelPanning());
  MoveToCell(3, 5);
  EXPECT_EQ(g->Cursor(), crCross);
}

TEST_F(GridMoveFixture, AnchorsAreEnteredAndLeftOnce) {
  std::vector<std::string> log;
  g->OnAnchorEnter = [&](TObject*, int r, int c, const std::string& a) {
    log.push_back("enter " + std::to_string(r) + "," + std::to_string(c) + " " + a);
  };
  g->OnAnchorExit = [&](TObject*, int r, int c, const std::string& a) {
    log.push_back("exit " + std::to_string(r) + "," + std::to_string(c) + " " + a);
  };
  g->SetCells(1, 2, "<a href=\"first\">link</a>");
  const TRect r = g->CellRect(1, 2);
  const int x = r.Left + 6, y = r.Top + 8;
  Move(x, y);
  Move(x + 1, y);
  EXPECT_EQ(g->Cursor(), crHandPoint);
  EXPECT_EQ(g->HoveredAnchor(), "first");
  MoveToCell(3, 5);
  EXPECT_EQ(g->Cursor(), crDefault);
  EXPECT_EQ(log, (std::vector<std::string>{"enter 2,1 first", "exit 5,3 first"}));
}

TEST_F(GridMoveFixture, DraggingInTheRowHeaderSelectsWholeRows) {
  g->MouseActions()->SetRowSelect(true);
  std::vector<TGridRect> changes;
  g->OnSelectionChanged = [&](TObject*, int l, int t, int r, int b) { changes.emplace_back(l, t, r, b); };
  const TPoint from = CellCentre(0, 5), to = CellCentre(0, 2);
  MouseDown(g, from.X, from.Y);
  EXPECT_EQ(g->MouseSelectMode(), msRow);
  MouseMove(g, to.X, to.Y);
  EXPECT_EQ(g->Selection(), TGridRect(1, 2, 4, 5));
  MouseUp(g, to.X, to.Y);
  EXPECT_EQ(g->Selection(), TGridRect(1, 2, 4, 5));
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.back(), TGridRect(1, 2, 4, 5));
}

TEST_F(GridMoveFixture, TheFixedCellsSizingZoneIsTwoPixelsWide) {
  g->MouseActions()->SetSizeFixedCol(true);
  g->MouseActions()->SetSizeFixedRow(true);
  const TRect fixedCol = g->CellRect(0, 3), header = g->CellRect(2, 0);
  struct Case {
    int x, y;
    bool zone;
  };
  const Case cases[] = {
      {fixedCol.Right + 2, fixedCol.Top + 5, true},  {fixedCol.Right - 2, fixedCol.Top + 5, true},
      {fixedCol.Right + 3, fixedCol.Top + 5, false}, {header.Left + 5, header.Bottom + 2, true},
      {header.Left + 5, header.Bottom + 3, false},
  };
  for (const Case& c : cases) {
    Move(c.x, c.y);
    EXPECT_EQ(g->InFixedSizingZone(), c.zone) << c.x << "," << c.y;
  }
  g->MouseActions()->SetSizeFixedCol(false);
  g->MouseActions()->SetSizeFixedRow(false);
  Move(fixedCol.Right + 1, fixedCol.Top + 5);
  EXPECT_FALSE(g->InFixedSizingZone());
}

TEST_F(GridMoveFixture, SizingAColumnReportsItsWidthAsTheMouseMoves) {
  g->SetOptions(g->Options() << goColSizing);
  std::vector<std::string> log;
  g->OnColumnSizing = [&](TObject*, int c, int w) {
    log.push_back(std::to_string(c) + ":" + std::to_string(w));
  };
  const TRect r = g->CellRect(2, 0);
  const int w = g->ColWidths(2);
  MouseDown(g, r.Right, r.Top + 5);
  ASSERT_EQ(g->GridState(), gsColSizing);
  MouseMove(g, r.Right + 10, r.Top + 5);
  MouseMove(g, r.Right - 4, r.Top + 5);
  MouseUp(g, r.Right - 4, r.Top + 5);
  EXPECT_EQ(log, (std::vector<std::string>{"2:" + std::to_string(w + 10), "2:" + std::to_string(w - 4)}));
  EXPECT_EQ(g->ColWidths(2), w - 4);
}

TEST_F(GridMoveFixture, MovingAColumnMarksTheBorderOnItsSideAndMayBeRefused) {
  g->SetOptions(g->Options() << goColMoving);
  std::vector<std::string> log;
  g->OnColumnMoving = [&](TObject*, int c, bool&) { log.push_back("moving " + std::to_string(c)); };
  // To the right of its place: the drop column's right border.
  const TPoint a = CellCentre(1, 0), b = CellCentre(3, 0);
  MouseDown(g, a.X, a.Y);
  ASSERT_EQ(g->GridState(), gsColMoving);
  MouseMove(g, b.X, b.Y);
  EXPECT_TRUE(g->ArwD()->Visible());
  EXPECT_EQ(g->ArwD()->Left(), g->CellRect(3, 0).Right - 5);
  EXPECT_EQ(g->ArwU()->Top(), g->CellRect(3, 0).Bottom);
  EXPECT_EQ(g->MoveColInd(), 3);
  MouseUp(g, b.X, b.Y);
  EXPECT_FALSE(g->ArwD()->Visible());
  // To the left of it: the left border.
  const TPoint c = CellCentre(4, 0), d = CellCentre(2, 0);
  MouseDown(g, c.X, c.Y);
  MouseMove(g, d.X, d.Y);
  EXPECT_EQ(g->ArwD()->Left(), g->CellRect(2, 0).Left - 5);
  MouseUp(g, d.X, d.Y);
  EXPECT_EQ(log, (std::vector<std::string>{"moving 3", "moving 2"}));

  // A refused move ends at once: the release moves nothing.
  g->SetCells(1, 0, "first");
  int asked = 0;
  g->OnColumnMove = [&](TObject*, int, bool& allow) {
    ++asked;
    allow = false;
  };
  MouseDown(g, a.X, a.Y);
  MouseMove(g, b.X, b.Y);
  EXPECT_EQ(g->GridState(), gsNormal);
  MouseMove(g, b.X + 2, b.Y);
  MouseUp(g, b.X + 2, b.Y);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(g->Cells(1, 0), "first");
}

}  // namespace
