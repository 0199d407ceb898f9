// Columns and rows sized by dragging their borders, driven by mouse window
// messages: header borders, row borders in the fixed column, fixed columns
// and rows dragged anywhere along them, a border dragged past the cell's
// start, the options that switch it off, and a drag the window system ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GridEditFixture.h"

namespace {

struct GridSizingFixture : GridEditFixture {
  std::vector<std::string> log;

  void SetUp() override {
    GridEditFixture::SetUp();
    g->SetOptions(g->Options() >> goEditing << goRangeSelect);
    g->OnColumnSizing = [this](TObject*, int c, int w) { Note("colsizing", c, w); };
    g->OnRowSizing = [this](TObject*, int r, int h) { Note("rowsizing", r, h); };
    g->OnEndColumnSize = [this](TObject*, int c) { Note("endcol", c); };
    g->OnEndRowSize = [this](TObject*, int r) { Note("endrow", r); };
    g->OnUpdateColumnSize = [this](TObject*, int c, int& w) { Note("updatecol", c, w); };
  }
  void Note(const char* what, int a, int b = -1) {
    std::string s = std::string(what) + " " + std::to_string(a);
    if (b >= 0) s += ":" + std::to_string(b);
    log.push_back(s);
  }
  void Send(UINT Msg, WPARAM Keys, TPoint P) {
    SendMessage(g->Handle(), Msg, Keys, MakeLParam(P.X, P.Y));
    testinput::Pump();
  }
  // The pointer arrives at From, presses, moves to To on the way and lets go.
  void Drag(TPoint From, TPoint To) {
    Send(WM_MOUSEMOVE, 0, From);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, From);
    Send(WM_MOUSEMOVE, MK_LBUTTON, To);
    Send(WM_LBUTTONUP, 0, To);
  }
  // The running sizing events only, in order.
  std::vector<std::string> Without(const char* prefix) const {
    std::vector<std::string> out;
    for (const std::string& s : log)
      if (s.rfind(prefix, 0) != 0) out.push_back(s);
    return out;
  }
};

TEST_F(GridSizingFixture, BordersDraggedToANewSizeFireTheirEventsInOrder) {
  enum Kind { kCol, kRow };
  struct Case {
    const char* name;
    bool colSizing, rowSizing;
    bool sizeFixedCol, sizeFixedRow;
    Kind kind;
    int index;
    TPoint from;
    int delta;
    std::vector<std::string> events;  // without the running sizing events
  };
  const TRect h2 = g->CellRect(2, 0), r3 = g->CellRect(0, 3), c0 = g->CellRect(0, 4), r0 = g->CellRect(3, 0);
  const int w2 = g->ColWidths(2), h3 = g->RowHeights(3), w0 = g->ColWidths(0), h0 = g->RowHeights(0);
  const Case cases[] = {
      {"header border",
       true,
       false,
       false,
       false,
       kCol,
       2,
       TPoint(h2.Right, h2.Top + 5),
       20,
       {"endcol 2", "updatecol 2:" + std::to_string(w2 + 20)}},
      {"row border in the fixed column",
       false,
       true,
       false,
       false,
       kRow,
       3,
       TPoint(r3.Left + 5, r3.Bottom),
       10,
       {"endrow 3"}},
      {"fixed column along a data row",
       false,
       false,
       true,
       false,
       kCol,
       0,
       TPoint(c0.Right - 1, c0.Top + 5),
       30,
       {"endcol 0", "updatecol 0:" + std::to_string(w0 + 30)}},
      {"fixed row along a data column",
       false,
       false,
       false,
       true,
       kRow,
       0,
       TPoint(r0.Left + 5, r0.Bottom - 1),
       12,
       {"endrow 0"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TGridOptions o = g->Options() >> goColSizing >> goRowSizing;
    if (c.colSizing) o << goColSizing;
    if (c.rowSizing) o << goRowSizing;
    g->SetOptions(o);
    g->MouseActions()->SetSizeFixedCol(c.sizeFixedCol);
    g->MouseActions()->SetSizeFixedRow(c.sizeFixedRow);
    log.clear();
    const TPoint to =
        c.kind == kCol ? TPoint(c.from.X + c.delta, c.from.Y) : TPoint(c.from.X, c.from.Y + c.delta);
    Drag(c.from, to);
    if (c.kind == kCol) {
      const int before = c.index == 2 ? w2 : w0;
      EXPECT_EQ(g->ColWidths(c.index), before + c.delta);
      ASSERT_FALSE(log.empty());
      EXPECT_EQ(log.front().rfind("colsizing", 0), 0u) << log.front();
      g->SetColWidths(c.index, before);
    } else {
      const int before = c.index == 3 ? h3 : h0;
      EXPECT_EQ(g->RowHeights(c.index), before + c.delta);
      ASSERT_FALSE(log.empty());
      EXPECT_EQ(log.front().rfind("rowsizing", 0), 0u) << log.front();
      g->SetRowHeights(c.index, before);
    }
    EXPECT_EQ(Without(c.kind == kCol ? "colsizing" : "rowsizing"), c.events);
    EXPECT_FALSE(g->FixedSizingActive());
    EXPECT_EQ(g->GridState(), gsNormal);
  }
}

TEST_F(GridSizingFixture, TheRunningEventsOfAFixedColumnReportTheLine) {
  g->MouseActions()->SetSizeFixedCol(true);
  const TRect c0 = g->CellRect(0, 4);
  const TPoint from(c0.Right, c0.Top + 5);
  Send(WM_MOUSEMOVE, 0, from);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, from);
  EXPECT_TRUE(g->FixedSizingActive());
  Send(WM_MOUSEMOVE, MK_LBUTTON, TPoint(from.X + 7, from.Y));
  Send(WM_MOUSEMOVE, MK_LBUTTON, TPoint(from.X + 15, from.Y));
  Send(WM_LBUTTONUP, 0, TPoint(from.X + 15, from.Y));
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0], "colsizing 0:" + std::to_string(from.X + 7));
  EXPECT_EQ(log[1], "colsizing 0:" + std::to_string(from.X + 15));
  EXPECT_EQ(g->ColWidths(0), c0.Right - c0.Left + 15);
}

TEST_F(GridSizingFixture, APressThatDoesNotMoveKeepsTheWidthAndADragPastTheStartLeavesOnePixel) {
  g->MouseActions()->SetSizeFixedCol(true);
  g->MouseActions()->SetSizeFixedRow(true);
  const TRect c0 = g->CellRect(0, 4), r0 = g->CellRect(3, 0);
  const int w0 = g->ColWidths(0), h0 = g->RowHeights(0);
  // Anywhere in the zone: a click leaves the border where it was.
  for (int dx : {-2, 0, 2}) {
    const TPoint p(c0.Right + dx, c0.Top + 5);
    Drag(p, p);
    EXPECT_EQ(g->ColWidths(0), w0) << dx;
  }
  Drag(TPoint(c0.Right, c0.Top + 5), TPoint(0, c0.Top + 5));
  EXPECT_EQ(g->ColWidths(0), 1) << "never zero or less";
  Drag(TPoint(r0.Left + 5, r0.Bottom), TPoint(r0.Left + 5, 0));
  EXPECT_EQ(g->RowHeights(0), 1);
  g->SetRowHeights(0, h0);
  // The application's minimum holds.
  g->SetColWidths(0, w0);
  g->OnUpdateColumnSize = [](TObject*, int, int& w) { w = std::max(w, 20); };
  const TRect again = g->CellRect(0, 4);
  Drag(TPoint(again.Right, again.Top + 5), TPoint(5, again.Top + 5));
  EXPECT_EQ(g->ColWidths(0), 20);
  // A header border dragged past the column's start.
  g->SetOptions(g->Options() << goColSizing);
  const TRect h2 = g->CellRect(2, 0);
  g->OnUpdateColumnSize = nullptr;
  Drag(TPoint(h2.Right, h2.Top + 5), TPoint(h2.Left - 10, h2.Top + 5));
  EXPECT_EQ(g->ColWidths(2), 1);
}

TEST_F(GridSizingFixture, SwitchedOffOptionsLeaveTheBordersAlone) {
  const TRect h2 = g->CellRect(2, 0), r3 = g->CellRect(0, 3), c0 = g->CellRect(0, 4);
  const int w2 = g->ColWidths(2), h3 = g->RowHeights(3), w0 = g->ColWidths(0);
  g->SetOptions(g->Options() >> goColSizing >> goRowSizing);
  g->MouseActions()->SetSizeFixedCol(false);
  Drag(TPoint(h2.Right, h2.Top + 5), TPoint(h2.Right + 25, h2.Top + 5));
  Drag(TPoint(r3.Left + 5, r3.Bottom), TPoint(r3.Left + 5, r3.Bottom + 25));
  Drag(TPoint(c0.Right, c0.Top + 5), TPoint(c0.Right + 25, c0.Top + 5));
  EXPECT_EQ(g->ColWidths(2), w2);
  EXPECT_EQ(g->RowHeights(3), h3);
  EXPECT_EQ(g->ColWidths(0), w0);
  for (const std::string& s : log) EXPECT_EQ(s.find("siz"), std::string::npos) << s;
}

TEST_F(GridSizingFixture, BordersDraggedInTheHeaderNeitherClickNorSort) {
  g->MouseActions()->SetSizeFixedCol(true);
  g->SortSettings()->SetShow(true);
  g->OnClick = [this](TObject*) { log.push_back("click"); };
  g->OnClickSort = [this](TObject*, int c) { Note("sort", c); };
  for (int r = 1; r < 8; ++r) g->SetCells(1, r, std::to_string(9 - r));
  const TRect c0 = g->CellRect(0, 0), h3 = g->CellRect(3, 0);
  const int to = (h3.Left + h3.Right) / 2;
  // Pressed 2 pixels right of the border: the release lands on the header
  // of column 1, just right of the new border.
  Drag(TPoint(c0.Right + 2, c0.Top + 5), TPoint(to, c0.Top + 5));
  EXPECT_EQ(g->ColWidths(0), to - 2 - c0.Left);
  EXPECT_EQ(Without("colsizing"),
            (std::vector<std::string>{"endcol 0", "updatecol 0:" + std::to_string(to - 2)}));
  EXPECT_EQ(g->Cells(1, 1), "8") << "nothing was sorted";
  // A header border dragged far: the release lands where another column's
  // header was before the drag.
  g->SetOptions(g->Options() << goColSizing);
  g->SetColWidths(0, 64);
  for (int r = 1; r < 8; ++r) g->SetCells(4, r, std::to_string(9 - r));
  const TRect h2 = g->CellRect(2, 0), h4 = g->CellRect(4, 0);
  log.clear();
  Drag(TPoint(h2.Right, h2.Top + 5), TPoint(h4.Left + 10, h2.Top + 5));
  EXPECT_EQ(g->ColWidths(2), h4.Left + 10 - h2.Left);
  EXPECT_EQ(Without("colsizing"),
            (std::vector<std::string>{"endcol 2", "updatecol 2:" + std::to_string(h4.Left + 10 - h2.Left)}));
  EXPECT_EQ(g->Cells(4, 1), "8") << "nothing was sorted";
}

TEST_F(GridSizingFixture, ADragTheWindowSystemEndsChangesNoSize) {
  g->SetOptions(g->Options() << goColSizing);
  g->MouseActions()->SetSizeFixedCol(true);
  const TRect c0 = g->CellRect(0, 4), h2 = g->CellRect(2, 0);
  const int w0 = g->ColWidths(0), w2 = g->ColWidths(2);
  struct Case {
    const char* name;
    TPoint from;
    UINT msg;
  };
  const Case cases[] = {
      {"fixed column, cancel mode", TPoint(c0.Right, c0.Top + 5), WM_CANCELMODE},
      {"header border, cancel mode", TPoint(h2.Right, h2.Top + 5), WM_CANCELMODE},
      {"fixed column, another window takes the mouse", TPoint(c0.Right, c0.Top + 5), WM_CAPTURECHANGED},
      {"header border, another window takes the mouse", TPoint(h2.Right, h2.Top + 5), WM_CAPTURECHANGED},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.clear();
    Send(WM_MOUSEMOVE, 0, c.from);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, c.from);
    Send(WM_MOUSEMOVE, MK_LBUTTON, TPoint(c.from.X + 30, c.from.Y));
    EXPECT_TRUE(g->FixedSizingActive() || g->GridState() == gsColSizing);
    SendMessage(g->Handle(), c.msg, 0, c.msg == WM_CAPTURECHANGED ? static_cast<LPARAM>(other->Handle()) : 0);
    testinput::Pump();
    EXPECT_FALSE(g->FixedSizingActive());
    EXPECT_EQ(g->GridState(), gsNormal);
    // A late release changes nothing either.
    Send(WM_LBUTTONUP, 0, TPoint(c.from.X + 30, c.from.Y));
    EXPECT_EQ(g->ColWidths(0), w0);
    EXPECT_EQ(g->ColWidths(2), w2);
    EXPECT_EQ(Without("colsizing"), std::vector<std::string>{});
  }
}

TEST_F(GridSizingFixture, ADoubleClickOnAHeaderBorderStillAutoSizes) {
  g->SetOptions(g->Options() << goColSizing);
  g->MouseActions()->SetSizeFixedCol(true);
  g->SetCells(2, 4, "a rather long text that needs a wide column");
  const int before = g->ColWidths(2);
  const TRect r = g->CellRect(2, 0);
  const TPoint p(r.Right - 1, (r.Top + r.Bottom) / 2);
  Send(WM_MOUSEMOVE, 0, p);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, p);
  Send(WM_LBUTTONUP, 0, p);
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, p);
  Send(WM_LBUTTONUP, 0, p);
  EXPECT_GT(g->ColWidths(2), before);
  const std::vector<std::string> ends = Without("colsizing");
  ASSERT_FALSE(ends.empty());
  EXPECT_EQ(ends.back(), "endcol 2");
}

}  // namespace
