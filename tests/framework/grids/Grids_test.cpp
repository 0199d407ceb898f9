// The framework string grid: counts, storage, geometry, scrolling, current
// cell and selection, keys, mouse, wheel, the in-place editor and painting.
#include "framework/grids/Grids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/controls/Forms.h"
#include "framework/graphics/RecordingCanvas.h"
#include "framework/rtl/Math.h"
#include "support/Input.h"

namespace {

using namespace testinput;

struct TPainted {
  int Col, Row;
  TRect Rect;
  TGridDrawState State;
};

// A string grid that logs its hooks and can refuse cells.
class TLogGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  std::vector<std::string> log;
  std::vector<TPainted> painted;
  std::function<bool(int, int)> allow;
  TInplaceEdit* made = nullptr;
  int editLimit = 0;

  using TCustomGrid::CalcSizingState;
  using TCustomGrid::HideEditor;
  using TCustomGrid::KeyDown;
  using TCustomGrid::MoveColRow;
  using TCustomGrid::ShowEditor;

  void Click() override {
    log.push_back("click");
    TStringGrid::Click();
  }
  void ClearLog() { log.clear(); }

 protected:
  bool SelectCell(int c, int r) override {
    log.push_back("select " + std::to_string(c) + "," + std::to_string(r));
    if (allow && !allow(c, r)) return false;
    return TStringGrid::SelectCell(c, r);
  }
  void TopLeftChanged() override {
    log.push_back("topleft " + std::to_string(LeftCol()) + "," + std::to_string(TopRow()));
    TStringGrid::TopLeftChanged();
  }
  void SetEditText(int c, int r, const std::string& v) override {
    log.push_back("settext " + std::to_string(c) + "," + std::to_string(r) + "=" + v);
    TStringGrid::SetEditText(c, r, v);
  }
  void ColumnMoved(int f, int t) override {
    log.push_back("colmoved " + std::to_string(f) + ">" + std::to_string(t));
    TStringGrid::ColumnMoved(f, t);
  }
  void RowMoved(int f, int t) override {
    log.push_back("rowmoved " + std::to_string(f) + ">" + std::to_string(t));
    TStringGrid::RowMoved(f, t);
  }
  void SizeChanged(int oc, int orow) override {
    log.push_back("size " + std::to_string(oc) + "," + std::to_string(orow));
    TStringGrid::SizeChanged(oc, orow);
  }
  void DrawCell(int c, int r, const TRect& rect, TGridDrawState s) override {
    painted.push_back({c, r, rect, s});
    TStringGrid::DrawCell(c, r, rect, s);
  }
  TInplaceEdit* CreateEditor() override {
    made = TStringGrid::CreateEditor();
    log.push_back("create editor");
    return made;
  }
  int GetEditLimit() override { return editLimit; }
};

bool Has(const std::vector<std::string>& log, const std::string& s) {
  return std::find(log.begin(), log.end(), s) != log.end();
}

// A grid with exact geometry: no border, no scroll bars, 64 x 24 cells plus
// one-pixel lines.
TLogGrid* MakeGrid(TComponent* owner, int w = 330, int h = 125) {
  auto* g = new TLogGrid(owner);
  g->SetBorderStyle(bsNone);
  g->SetScrollBars(ssNone);
  g->SetBounds(0, 0, w, h);
  return g;
}

// ---- Counts and fixed counts ----

TEST(Grids, DefaultsAreFiveByFiveWithOneFixedRowAndColumn) {
  TStringGrid g(nullptr);
  EXPECT_EQ(g.ColCount(), 5);
  EXPECT_EQ(g.RowCount(), 5);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.DefaultColWidth(), 64);
  EXPECT_EQ(g.DefaultRowHeight(), 24);
  EXPECT_EQ(g.GridLineWidth(), 1);
  EXPECT_TRUE(g.DefaultDrawing());
  EXPECT_EQ(g.Col(), 1);
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(g.ScrollBars(), ssBoth);
  EXPECT_TRUE(
      (TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect} == g.Options()));
}

TEST(Grids, CountAtOrBelowFixedLowersTheFixedCount) {
  struct Case {
    bool rows;
    int count;
    int expectCount, expectFixed;
  };
  for (Case c : {Case{true, 1, 1, 0}, Case{true, 0, 1, 0}, Case{true, 2, 2, 1}, Case{false, 1, 1, 0},
                 Case{false, -3, 1, 0}, Case{false, 3, 3, 1}}) {
    TStringGrid g(nullptr);
    if (c.rows) {
      g.SetRowCount(c.count);
      EXPECT_EQ(g.RowCount(), c.expectCount);
      EXPECT_EQ(g.FixedRows(), c.expectFixed);
    } else {
      g.SetColCount(c.count);
      EXPECT_EQ(g.ColCount(), c.expectCount);
      EXPECT_EQ(g.FixedCols(), c.expectFixed);
    }
  }
  // Two fixed rows and a count of two: one fixed row stays.
  TStringGrid g(nullptr);
  g.SetFixedRows(3);
  g.SetRowCount(2);
  EXPECT_EQ(g.FixedRows(), 1);
}

TEST(Grids, FixedCountAtOrAboveTheCountIsRefused) {
  TStringGrid g(nullptr);
  try {
    g.SetFixedRows(5);
    FAIL();
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(e.Message(), "Fixed row count must be less than row count");
  }
  try {
    g.SetFixedCols(7);
    FAIL();
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(e.Message(), "Fixed column count must be less than column count");
  }
  EXPECT_THROW(g.SetFixedCols(-1), EInvalidGridOperation);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FixedCols(), 1);
  g.SetFixedRows(4);
  EXPECT_EQ(g.FixedRows(), 4);
  EXPECT_EQ(g.Row(), 4);
  EXPECT_EQ(g.TopRow(), 4);
}

TEST(Grids, ShrinkingPullsTheCurrentCellBackAndReportsTheOldCounts) {
  TLogGrid g(nullptr);
  g.SetColCount(10);
  g.SetRowCount(10);
  g.SetCol(8);
  g.SetRow(9);
  g.ClearLog();
  g.SetRowCount(4);
  EXPECT_EQ(g.Row(), 3);
  EXPECT_EQ(g.Col(), 8);
  EXPECT_EQ(g.log, std::vector<std::string>{"size 10,10"});
}

// ---- Cell storage ----

TEST(Grids, CellsAreSparseAndLiveBeyondTheCounts) {
  TStringGrid g(nullptr);
  TObject tag;
  EXPECT_EQ(g.Cells(3, 3), "");
  EXPECT_EQ(g.Objects(3, 3), nullptr);
  EXPECT_EQ(g.Cells(1000, 100000), "");
  EXPECT_EQ(g.StoredRowCount(), 0);
  // A hidden column lives past ColCount; shrinking keeps it, growing shows it.
  g.SetCells(7, 2, "hidden");
  g.SetObjects(7, 2, &tag);
  g.SetCells(2, 4, "last row");
  g.SetRowCount(2);
  g.SetColCount(2);
  EXPECT_EQ(g.Cells(7, 2), "hidden");
  EXPECT_EQ(g.Cells(2, 4), "last row");
  g.SetRowCount(6);
  g.SetColCount(8);
  EXPECT_EQ(g.Cells(2, 4), "last row");
  EXPECT_EQ(g.Objects(7, 2), &tag);
  // Writing nothing where nothing is stored stores nothing.
  g.SetCells(0, 500, "");
  EXPECT_EQ(g.StoredRowCount(), 5);
  EXPECT_THROW(g.Cells(-1, 0), EInvalidGridOperation);
  EXPECT_THROW(g.SetCells(0, -1, "x"), EInvalidGridOperation);
}

// The texts sit in one block of rows: widening it for a column past the
// others, growing it for far rows, and copying a cell into a cell that makes
// it grow must leave every text where it was written.
TEST(Grids, CellsKeepTheirPlacesWhenTheStoreWidensAndGrows) {
  TStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(4);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) g.SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
  g.SetCells(6, 1, "wide");
  g.SetCells(0, 5000, g.Cells(2, 3));
  g.SetCells(9, 7000, g.Cells(6, 1));
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(g.Cells(c, r), std::to_string(c) + ":" + std::to_string(r));
  EXPECT_EQ(g.Cells(6, 1), "wide");
  EXPECT_EQ(g.Cells(0, 5000), "2:3");
  EXPECT_EQ(g.Cells(9, 7000), "wide");
  EXPECT_EQ(g.Cells(5, 1), "");
  EXPECT_EQ(g.Cells(0, 4999), "");
  EXPECT_EQ(g.StoredRowCount(), 7001);
  // Moving a stored row to a row never stored, then deleting rows.
  g.SetRowCount(9000);
  g.MoveRow(3, 8000);
  EXPECT_EQ(g.Cells(1, 8000), "1:3");
  EXPECT_EQ(g.Cells(9, 6999), "wide");
  EXPECT_EQ(g.StoredRowCount(), 8001);
  g.DeleteRow(0);
  EXPECT_EQ(g.Cells(1, 0), "1:1");
  EXPECT_EQ(g.Cells(1, 7999), "1:3");
  EXPECT_EQ(g.StoredRowCount(), 8000);
  g.DeleteColumn(0);
  EXPECT_EQ(g.Cells(0, 0), "1:1");
  EXPECT_EQ(g.Cells(5, 0), "wide");
  EXPECT_EQ(g.Cells(8, 6998), "wide");
  EXPECT_EQ(g.Cells(9, 6998), "");
}

// Rows inserted or deleted many at a time move the texts, objects and row
// heights below them as a whole, whether or not a height was ever set.
TEST(Grids, RowRangesMoveTextsObjectsAndHeightsTogether) {
  for (bool heights : {false, true}) {
    SCOPED_TRACE(heights ? "with a row height set" : "default heights only");
    TStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(10);
    TObject marker;
    for (int r = 0; r < 6; ++r) g.SetCells(r % 3, r, "r" + std::to_string(r));
    g.SetObjects(1, 4, &marker);
    if (heights) g.SetRowHeights(5, 40);
    g.InsertRowRange(2, 3);
    EXPECT_EQ(g.RowCount(), 13);
    EXPECT_EQ(g.Cells(1, 1), "r1");
    for (int r = 2; r < 5; ++r) EXPECT_EQ(g.Cells(r % 3, r), "");
    EXPECT_EQ(g.Cells(2, 5), "r2");
    EXPECT_EQ(g.Cells(2, 8), "r5");
    EXPECT_EQ(g.Objects(1, 7), &marker);
    EXPECT_EQ(g.RowHeights(8), heights ? 40 : g.DefaultRowHeight());
    EXPECT_EQ(g.RowHeights(5), g.DefaultRowHeight());
    g.DeleteRowRange(1, 5);
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.Cells(0, 0), "r0");
    EXPECT_EQ(g.Cells(0, 1), "r3");
    EXPECT_EQ(g.Objects(1, 2), &marker);
    EXPECT_EQ(g.Cells(2, 3), "r5");
    EXPECT_EQ(g.RowHeights(3), heights ? 40 : g.DefaultRowHeight());
    EXPECT_EQ(g.Cells(0, 4), "");
    // Past the stored rows nothing moves and nothing breaks.
    g.DeleteRowRange(6, 100);
    EXPECT_EQ(g.RowCount(), 6);
    g.InsertRowRange(6, 2);
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.Cells(2, 3), "r5");
  }
}

// Parked rows leave the grid's rows with nothing copied: they read as
// empty, the rest close up with their objects, and undoing the parkings in
// reverse order puts every row back where it was, edits and a wider store
// included. Once rows were stored past them the way back is refused.
TEST(Grids, ParkedRowsLeaveTheRowsAndComeBackInTheirPlaces) {
  auto text = [](int c, int r) { return std::to_string(c) + ":" + std::to_string(r); };
  auto makeGrid = [&](TStringGrid& g) {
    g.SetColCount(3);
    g.SetRowCount(8);
    for (int r = 0; r < 8; ++r)
      for (int c = 0; c < 3; ++c) g.SetCells(c, r, text(c, r));
  };
  const std::vector<uint8_t> gone = {0, 1, 1, 0, 0, 1, 0, 0};
  TObject tag;
  {
    TStringGrid g(nullptr);
    makeGrid(g);
    g.SetObjects(1, 6, &tag);
    g.ParkRows(gone);
    EXPECT_EQ(g.StoredRowCount(), 5);
    EXPECT_EQ(g.ParkedRowCount(), 3);
    const int kept[] = {0, 3, 4, 6, 7};
    for (int d = 0; d < 5; ++d) EXPECT_EQ(g.Cells(2, d), text(2, kept[d])) << d;
    for (int d = 5; d < 8; ++d) EXPECT_EQ(g.Cells(0, d), "") << d;
    EXPECT_EQ(g.Objects(1, 3), &tag);
    std::vector<std::string> parked;
    for (int i = 0; i < 3; ++i) parked.push_back(g.ParkedCell(i, 0));
    std::sort(parked.begin(), parked.end());
    EXPECT_EQ(parked, (std::vector<std::string>{"0:1", "0:2", "0:5"}));
    // Edits, a swap and a wider store while parked; a second parking on top.
    g.SetCells(1, 0, "edited");
    g.ExchangeRows(1, 2);      // rows 3 and 4
    g.SetCells(5, 4, "wide");  // row 7
    g.ParkRows({1, 0, 0, 0, 0});
    EXPECT_EQ(g.Cells(0, 0), "0:4");
    EXPECT_EQ(g.ParkedRowCount(), 4);
    EXPECT_TRUE(g.UnparkRows({1}));
    EXPECT_TRUE(g.UnparkRows(gone));
    EXPECT_EQ(g.ParkedRowCount(), 0);
    EXPECT_EQ(g.StoredRowCount(), 8);
    const int order[] = {0, 1, 2, 4, 3, 5, 6, 7};
    for (int r = 0; r < 8; ++r)
      for (int c = 0; c < 3; ++c)
        EXPECT_EQ(g.Cells(c, r), r == 0 && c == 1 ? "edited" : text(c, order[r])) << c << "," << r;
    EXPECT_EQ(g.Cells(5, 7), "wide");
    EXPECT_EQ(g.Objects(1, 6), &tag);
  }
  {
    TStringGrid g(nullptr);
    makeGrid(g);
    g.ParkRows(gone);
    g.SetRowCount(5);
    // Rows inserted above move the parked ones along; a text stored past
    // the rows lands in a row of its own, never in a parked one.
    g.InsertRowRange(0, 1);
    g.SetCells(0, 9, "past");
    EXPECT_EQ(g.Cells(0, 1), "0:0");
    EXPECT_EQ(g.Cells(0, 9), "past");
    EXPECT_EQ(g.Cells(0, 6), "");
    EXPECT_FALSE(g.UnparkRows(gone));
    EXPECT_EQ(g.ParkedRowCount(), 3);
    std::vector<std::string> parked;
    for (int i = 0; i < 3; ++i) parked.push_back(g.TakeParkedCell(i, 2));
    std::sort(parked.begin(), parked.end());
    EXPECT_EQ(parked, (std::vector<std::string>{"2:1", "2:2", "2:5"}));
    g.DropParkedRows();
    EXPECT_EQ(g.ParkedRowCount(), 0);
    EXPECT_EQ(g.Cells(0, 9), "past");
    EXPECT_EQ(g.Cells(2, 5), "2:7");
  }
}

TEST(Grids, ColsAndRowsAreViewsOfTheCells) {
  TStringGrid g(nullptr);
  g.SetCells(1, 2, "b");
  TStrings* col = g.Cols(1);
  EXPECT_EQ(col->Count(), 5);
  EXPECT_EQ(col->Strings(2), "b");
  col->SetStrings(0, "head");
  EXPECT_EQ(g.Cells(1, 0), "head");
  TStrings* row = g.Rows(3);
  EXPECT_EQ(row->Add("first empty"), 0);
  EXPECT_EQ(g.Cells(0, 3), "first empty");
  row->Clear();
  EXPECT_EQ(g.Cells(0, 3), "");
  EXPECT_EQ(g.Cols(1), col);
  EXPECT_THROW(row->Insert(0, "x"), EInvalidGridOperation);
}

// ---- Moving and deleting ----

TEST(Grids, MovingAColumnMovesItsCellsWidthAndCurrentCell) {
  TLogGrid g(nullptr);
  TObject tag;
  for (int r = 0; r < 5; ++r) g.SetCells(1, r, "c1r" + std::to_string(r));
  g.SetCells(3, 1, "c3");
  g.SetObjects(1, 1, &tag);
  // A row stored beyond RowCount moves along.
  g.SetCells(1, 20, "far");
  g.SetColWidths(1, 30);
  g.SetCol(1);
  g.ClearLog();
  g.MoveColumn(1, 3);
  EXPECT_EQ(g.log, std::vector<std::string>{"colmoved 1>3"});
  EXPECT_EQ(g.Cells(3, 0), "c1r0");
  EXPECT_EQ(g.Cells(3, 20), "far");
  EXPECT_EQ(g.Cells(2, 1), "c3");
  EXPECT_EQ(g.Cells(1, 1), "");
  EXPECT_EQ(g.Objects(3, 1), &tag);
  EXPECT_EQ(g.ColWidths(3), 30);
  EXPECT_EQ(g.ColWidths(1), 64);
  EXPECT_EQ(g.Col(), 3);
  g.MoveColumn(3, 1);
  EXPECT_EQ(g.Cells(1, 0), "c1r0");
  EXPECT_EQ(g.Cells(3, 1), "c3");
  EXPECT_THROW(g.MoveColumn(0, 5), EInvalidGridOperation);
}

TEST(Grids, MovingARowMovesItsCellsHeightAndCurrentCell) {
  TLogGrid g(nullptr);
  g.SetRowCount(6);
  for (int r = 0; r < 6; ++r) g.SetCells(0, r, "r" + std::to_string(r));
  g.SetRowHeights(4, 40);
  g.SetRow(2);
  g.ClearLog();
  g.MoveRow(4, 1);
  EXPECT_EQ(g.log, std::vector<std::string>{"rowmoved 4>1"});
  std::vector<std::string> col;
  for (int r = 0; r < 6; ++r) col.push_back(g.Cells(0, r));
  EXPECT_EQ(col, (std::vector<std::string>{"r0", "r4", "r1", "r2", "r3", "r5"}));
  EXPECT_EQ(g.RowHeights(1), 40);
  EXPECT_EQ(g.Row(), 3);
}

TEST(Grids, DeletedRowsAndColumnsAreGoneForGood) {
  TStringGrid g(nullptr);
  for (int r = 0; r < 5; ++r) g.SetCells(1, r, "r" + std::to_string(r));
  g.SetCells(1, 9, "stored beyond");
  g.SetRowHeights(3, 50);
  g.DeleteRow(2);
  EXPECT_EQ(g.RowCount(), 4);
  EXPECT_EQ(g.Cells(1, 2), "r3");
  EXPECT_EQ(g.RowHeights(2), 50);
  EXPECT_EQ(g.Cells(1, 8), "stored beyond");
  // Growing again must not bring the deleted row back.
  g.SetRowCount(5);
  EXPECT_EQ(g.Cells(1, 4), "");
  for (int r = 0; r < 5; ++r) EXPECT_NE(g.Cells(1, r), "r2");

  for (int c = 0; c < 5; ++c) g.SetCells(c, 0, "c" + std::to_string(c));
  g.DeleteColumn(1);
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.Cells(1, 0), "c2");
  EXPECT_EQ(g.Cells(3, 0), "c4");
  EXPECT_EQ(g.Cells(4, 0), "");
  EXPECT_THROW(g.DeleteRow(5), EInvalidGridOperation);
}

// ---- Sizes ----

TEST(Grids, DefaultSizesResetEveryColumnAndRow) {
  TStringGrid g(nullptr);
  g.SetRowHeights(2, 50);
  g.SetColWidths(3, 10);
  g.SetDefaultRowHeight(22);
  g.SetDefaultColWidth(80);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(g.RowHeights(i), 22);
    EXPECT_EQ(g.ColWidths(i), 80);
  }
  g.SetRowCount(7);
  EXPECT_EQ(g.RowHeights(6), 22);
  EXPECT_EQ(g.ColWidths(99), 80);
  EXPECT_THROW(g.SetColWidths(5, 10), EInvalidGridOperation);
  EXPECT_THROW(g.SetRowHeights(-1, 10), EInvalidGridOperation);
}

// The sum of a range of heights agrees with adding them one by one, with
// and without own heights, for ranges inside, across and past the rows
// that hold one.
TEST(Grids, RowHeightSumsMatchTheHeightsAddedUp) {
  for (bool own : {false, true}) {
    TStringGrid g(nullptr);
    g.SetRowCount(40);
    g.SetDefaultRowHeight(21);
    if (own) {
      g.SetRowHeights(3, 50);
      g.SetRowHeights(30, 7);
    }
    const std::pair<int, int> ranges[] = {{0, 0},   {0, 1},   {2, 5},  {0, 40},
                                          {29, 31}, {35, 60}, {10, 4}, {-3, 2}};
    for (auto [from, to] : ranges) {
      int64_t sum = 0;
      for (int i = std::max(from, 0); i < to; ++i) sum += g.RowHeights(i);
      EXPECT_EQ(g.RowHeightsSum(from, to), sum) << own << " " << from << ".." << to;
    }
  }
}

// ---- Geometry ----

TEST(Grids, CellRectsFollowWidthsLinesAndScrolling) {
  TForm form(nullptr);
  TLogGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  g->SetColCount(10);
  g->SetRowCount(20);
  EXPECT_EQ(g->CellRect(0, 0), TRect(0, 0, 64, 24));
  EXPECT_EQ(g->CellRect(2, 1), TRect(130, 25, 194, 49));
  // 330 wide: columns 1..4 are in full view, column 5 only in part.
  EXPECT_EQ(g->VisibleColCount(), 4);
  EXPECT_EQ(g->VisibleRowCount(), 4);
  EXPECT_EQ(g->CellRect(5, 1), TRect(325, 25, 389, 49));
  EXPECT_TRUE(IsRectEmpty(g->CellRect(6, 1)));
  g->SetTopRow(5);
  EXPECT_TRUE(IsRectEmpty(g->CellRect(2, 1)));
  EXPECT_EQ(g->CellRect(2, 5), TRect(130, 25, 194, 49));
  EXPECT_EQ(g->CellRect(2, 0), TRect(130, 0, 194, 24));
  // Line width 0: cells abut.
  g->SetGridLineWidth(0);
  EXPECT_EQ(g->CellRect(2, 6), TRect(128, 48, 192, 72));
  // Point to cell is the inverse, the line belonging to the cell before it.
  struct P {
    int x, y, c, r;
  };
  g->SetGridLineWidth(1);
  for (P p : {P{0, 0, 0, 0}, P{64, 24, 0, 0}, P{65, 25, 1, 5}, P{200, 60, 3, 6}, P{329, 124, 5, 8},
              P{-1, 5, -1, -1}, P{330, 5, -1, -1}}) {
    TGridCoord c = g->MouseCoord(p.x, p.y);
    EXPECT_EQ(c.X, p.c) << p.x << "," << p.y;
    EXPECT_EQ(c.Y, p.r) << p.x << "," << p.y;
  }
}

TEST(Grids, RightToLeftMirrorsCellsAndHitTests) {
  TForm form(nullptr);
  TLogGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  g->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(g->CellRect(0, 0), TRect(330 - 64, 0, 330, 24));
  EXPECT_EQ(g->CellRect(1, 1), TRect(330 - 65 - 64, 25, 330 - 65, 49));
  TGridCoord c = g->MouseCoord(330 - 70, 30);
  EXPECT_EQ(c, TGridCoord(1, 1));
}

// ---- Scrolling ----

TEST(Grids, TopRowIsClampedAndReportsTheMove) {
  TForm form(nullptr);
  TLogGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  g->SetRowCount(20);
  g->ClearLog();
  g->SetTopRow(100);
  // 125 pixels: one fixed row and four rows of 25 fit; 20 rows end at 16.
  EXPECT_EQ(g->TopRow(), 16);
  EXPECT_EQ(g->MaxTopLeft().Y, 16);
  g->SetTopRow(0);
  EXPECT_EQ(g->TopRow(), 1);
  EXPECT_EQ(g->log, (std::vector<std::string>{"topleft 1,16", "topleft 1,1"}));
  g->SetTopRow(1);
  EXPECT_EQ(g->log.size(), 2u);
}

TEST(Grids, ScrollBarsFollowOnTheFixedScaleAndScrollTheView) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  auto* g = new TLogGrid(&form);
  g->SetParent(&form);
  g->SetBorderStyle(bsNone);
  g->SetBounds(0, 0, 360, 142);
  g->SetRowCount(100);
  ShowForm(&form);
  // Rows do not fit: a vertical bar takes room outside the client area.
  EXPECT_TRUE(g->ScrollBarState(SB_VERT).Visible);
  EXPECT_FALSE(g->ScrollBarState(SB_HORZ).Visible);
  EXPECT_EQ(g->ClientWidth(), 360 - 17);
  EXPECT_EQ(g->ClientHeight(), 142);
  int maxTop = g->MaxTopLeft().Y;
  EXPECT_EQ(maxTop, 100 - g->VisibleRowCount());
  TScrollInfo si;
  si.fMask = SIF_ALL;
  g->GetScrollInfo(SB_VERT, si);
  EXPECT_EQ(si.nMin, 0);
  EXPECT_EQ(si.nMax, 127);
  EXPECT_EQ(si.nPos, 0);
  g->Perform(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(g->TopRow(), 2);
  g->Perform(WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(g->TopRow(), 2 + g->VisibleRowCount());
  g->Perform(WM_VSCROLL, MakeWParam(SB_THUMBPOSITION, 64), 0);
  EXPECT_EQ(g->TopRow(), MulDiv(64, maxTop - 1, 127) + 1);
  g->GetScrollInfo(SB_VERT, si);
  EXPECT_EQ(si.nPos, MulDiv(g->TopRow() - 1, 127, maxTop - 1));
  // Tracking scrolls only with goThumbTracking.
  int top = g->TopRow();
  g->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 0), 0);
  EXPECT_EQ(g->TopRow(), top);
  g->SetOptions(g->Options() + TGridOptions{goThumbTracking});
  g->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 0), 0);
  EXPECT_EQ(g->TopRow(), 1);
  g->Perform(WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(g->TopRow(), maxTop);
  // The bar itself: arrows step, the track pages, the thumb drags.
  g->SetTopRow(1);
  int bx = g->ClientWidth() + 8;
  Click(g, bx, g->ClientHeight() - 5);
  EXPECT_EQ(g->TopRow(), 2);
  Click(g, bx, 5);
  EXPECT_EQ(g->TopRow(), 1);
  Click(g, bx, g->ClientHeight() - 30);
  EXPECT_EQ(g->TopRow(), 1 + g->VisibleRowCount());
  EXPECT_EQ(g->Row(), 1);  // scrolling leaves the current cell alone
  g->SetTopRow(1);
  MouseDown(g, bx, 17 + 5);
  MouseMove(g, bx, g->ClientHeight());
  MouseUp(g, bx, g->ClientHeight());
  EXPECT_EQ(g->TopRow(), maxTop);
  // Fewer rows: the bar goes and the client area takes its room back.
  g->SetRowCount(3);
  EXPECT_FALSE(g->ScrollBarState(SB_VERT).Visible);
  EXPECT_EQ(g->ClientWidth(), 360);
  EXPECT_EQ(g->TopRow(), 1);
}

// ---- Current cell and selection ----

TEST(Grids, MovingTheCurrentCellRunsTheHooksInOrder) {
  TForm form(nullptr);
  TLogGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  g->SetRowCount(20);
  ShowForm(&form);
  g->ClearLog();
  g->SetRow(10);
  EXPECT_EQ(g->log, (std::vector<std::string>{"select 1,10", "topleft 1,7", "click"}));
  EXPECT_EQ(g->Row(), 10);
  EXPECT_EQ(g->TopRow(), 7);
  // A refusal keeps everything where it was.
  g->allow = [](int, int r) { return r != 12; };
  g->ClearLog();
  g->SetRow(12);
  EXPECT_EQ(g->log, std::vector<std::string>{"select 1,12"});
  EXPECT_EQ(g->Row(), 10);
  EXPECT_THROW(g->SetRow(20), EInvalidGridOperation);
}

TEST(Grids, SelectCellVetoesKeysMouseAndWheel) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  TLogGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  ShowForm(&form);
  g->SetFocus();
  g->allow = [](int c, int r) { return !(c == 1 && r == 2) && !(c == 2 && r == 1); };
  PressKey(VK_DOWN);
  EXPECT_EQ(g->Row(), 1);
  PressKey(VK_RIGHT);
  EXPECT_EQ(g->Col(), 1);
  Wheel(g, -WHEEL_DELTA);
  EXPECT_EQ(g->Row(), 1);
  Click(g, 140, 30);
  EXPECT_EQ(g->Col(), 1);
  EXPECT_TRUE(Has(g->log, "select 1,2"));
  EXPECT_TRUE(Has(g->log, "select 2,1"));
  g->allow = nullptr;
  Wheel(g, -WHEEL_DELTA);
  EXPECT_EQ(g->Row(), 2);
  Wheel(g, WHEEL_DELTA);
  EXPECT_EQ(g->Row(), 1);
  // A handler that takes the wheel keeps the grid's own step from running.
  g->OnMouseWheelDown = [](TObject*, TShiftState, TPoint, bool& handled) { handled = true; };
  Wheel(g, -WHEEL_DELTA);
  EXPECT_EQ(g->Row(), 1);
}

TEST(Grids, SelectionReadsNormalisedAndAcceptsReversedRectangles) {
  TStringGrid g(nullptr);
  g.SetSelection(TGridRect(4, 3, 2, 1));
  EXPECT_EQ(g.Selection(), TGridRect(2, 1, 4, 3));
  EXPECT_EQ(g.Col(), 2);
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(g.Anchor(), TGridCoord(4, 3));
  // A cell outside the grid selects nothing and is no error.
  g.SetSelection(TGridRect(5, 5, 5, 5));
  EXPECT_EQ(g.Selection(), TGridRect(5, 5, 5, 5));
  EXPECT_TRUE(PointInGridRect(3, 2, TGridRect(4, 3, 2, 1)));
  EXPECT_FALSE(PointInGridRect(1, 2, TGridRect(4, 3, 2, 1)));
}

// ---- Keys ----

struct GridKeys : ::testing::Test {
  TForm* form = nullptr;
  TLogGrid* g = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 400, 300);
    g = MakeGrid(form);
    g->SetParent(form);
    g->SetColCount(10);
    g->SetRowCount(30);
    ShowForm(form);
    g->SetFocus();
  }
  void TearDown() override { delete form; }
};

TEST_F(GridKeys, KeysMoveTheCurrentCellAsThePlatformDoes) {
  struct Case {
    WORD key;
    TShiftState shift;
    int fromCol, fromRow, col, row;
  };
  int page = g->VisibleRowCount();
  for (Case c : {Case{VK_DOWN, {}, 1, 1, 1, 2}, Case{VK_UP, {}, 1, 1, 1, 1}, Case{VK_RIGHT, {}, 3, 1, 4, 1},
                 Case{VK_LEFT, {}, 1, 1, 1, 1}, Case{VK_END, {}, 2, 5, 9, 5}, Case{VK_HOME, {}, 7, 5, 1, 5},
                 Case{VK_NEXT, {}, 1, 1, 1, 1 + page}, Case{VK_NEXT, {}, 1, 28, 1, 29},
                 Case{VK_PRIOR, {}, 1, 29, 1, 29 - page}, Case{VK_END, {ssCtrl}, 2, 2, 9, 29},
                 Case{VK_HOME, {ssCtrl}, 6, 20, 1, 1}}) {
    g->SetCol(c.fromCol);
    g->SetRow(c.fromRow);
    PressKey(c.key, c.shift);
    EXPECT_EQ(g->Col(), c.col) << "key " << c.key;
    EXPECT_EQ(g->Row(), c.row) << "key " << c.key;
    TRect r = g->CellRect(g->Col(), g->Row());
    EXPECT_FALSE(IsRectEmpty(r)) << "key " << c.key << ": the cell is in view";
  }
}

TEST_F(GridKeys, ShiftExtendsARangeOnlyWithRangeSelect) {
  g->SetCol(2);
  g->SetRow(2);
  PressKey(VK_DOWN, {ssShift});
  PressKey(VK_RIGHT, {ssShift});
  EXPECT_EQ(g->Selection(), TGridRect(2, 2, 3, 3));
  PressKey(VK_DOWN);
  EXPECT_EQ(g->Selection(), TGridRect(3, 4, 3, 4));
  g->SetOptions(g->Options() - TGridOptions{goRangeSelect});
  PressKey(VK_DOWN, {ssShift});
  EXPECT_EQ(g->Selection(), TGridRect(3, 5, 3, 5));
}

TEST_F(GridKeys, TabMovesOnlyWithTheTabsOptionAndWraps) {
  g->SetCol(9);
  g->SetRow(3);
  WORD tab = VK_TAB;
  g->KeyDown(tab, {});
  EXPECT_EQ(g->Col(), 9);
  g->SetOptions(g->Options() + TGridOptions{goTabs});
  PressKey(VK_TAB);
  EXPECT_EQ(g->Col(), 1);
  EXPECT_EQ(g->Row(), 4);
  g->SetTabStops(2, false);
  PressKey(VK_TAB);
  EXPECT_EQ(g->Col(), 3);
  PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(g->Col(), 1);
  g->SetCol(1);
  g->SetRow(1);
  PressKey(VK_TAB, {ssShift});
  EXPECT_EQ(g->Col(), 9);
  EXPECT_EQ(g->Row(), 29);
}

TEST_F(GridKeys, OnKeyDownRunsFirstAndCanSwallowTheKey) {
  std::vector<std::string> seen;
  g->OnKeyDown = [&](TObject*, WORD& k, TShiftState) {
    seen.push_back("row " + std::to_string(g->Row()));
    if (k == VK_UP) k = 0;
  };
  g->SetRow(5);
  PressKey(VK_DOWN);
  PressKey(VK_UP);
  EXPECT_EQ(seen, (std::vector<std::string>{"row 5", "row 6"}));
  EXPECT_EQ(g->Row(), 6);
}

TEST_F(GridKeys, RowSelectSelectsWholeRowsAndScrollsSideways) {
  g->SetOptions(g->Options() + TGridOptions{goRowSelect});
  g->SetRow(3);
  EXPECT_EQ(g->Selection(), TGridRect(1, 3, 9, 3));
  PressKey(VK_RIGHT);
  EXPECT_EQ(g->LeftCol(), 2);
  EXPECT_EQ(g->Col(), 1);
}

// ---- Mouse ----

TEST_F(GridKeys, ClickAndDragSelectCellsAndFireClick) {
  g->ClearLog();
  Click(g, 140, 60);  // column 2, row 2
  EXPECT_EQ(g->Col(), 2);
  EXPECT_EQ(g->Row(), 2);
  EXPECT_TRUE(Has(g->log, "click"));
  MouseDown(g, 140, 60);
  EXPECT_EQ(g->GridState(), gsSelecting);
  MouseMove(g, 270, 110);
  MouseUp(g, 270, 110);
  EXPECT_EQ(g->GridState(), gsNormal);
  EXPECT_EQ(g->Selection(), TGridRect(2, 2, 4, 4));
  // A click on a fixed cell moves nothing.
  Click(g, 10, 60);
  EXPECT_EQ(g->Selection(), TGridRect(2, 2, 4, 4));
}

TEST_F(GridKeys, DraggingAFixedRowBorderSizesTheColumn) {
  g->SetOptions(g->Options() + TGridOptions{goColSizing, goRowSizing});
  TGridState s;
  int index, pos, ofs;
  g->CalcSizingState(129, 10, s, index, pos, ofs);  // border after column 1 at 128
  EXPECT_EQ(s, gsColSizing);
  EXPECT_EQ(index, 1);
  g->CalcSizingState(129, 60, s, index, pos, ofs);  // not over a fixed row
  EXPECT_EQ(s, gsNormal);
  g->CalcSizingState(20, 49, s, index, pos, ofs);  // border after row 1 at 49
  EXPECT_EQ(s, gsRowSizing);
  EXPECT_EQ(index, 1);
  MouseDown(g, 128, 10);
  EXPECT_EQ(g->GridState(), gsColSizing);
  MouseMove(g, 150, 10);
  MouseUp(g, 150, 10);
  EXPECT_EQ(g->ColWidths(1), 64 + 22);
  EXPECT_EQ(g->GridState(), gsNormal);
}

TEST_F(GridKeys, DraggingAColumnHeaderMovesTheColumn) {
  g->SetOptions(g->Options() + TGridOptions{goColMoving});
  g->SetCells(1, 0, "A");
  g->SetCells(3, 0, "C");
  g->ClearLog();
  MouseDown(g, 100, 10);  // header of column 1
  EXPECT_EQ(g->GridState(), gsColMoving);
  MouseMove(g, 230, 10);  // over column 3
  MouseUp(g, 230, 10);
  EXPECT_TRUE(Has(g->log, "colmoved 1>3"));
  EXPECT_EQ(g->Cells(3, 0), "A");
  EXPECT_EQ(g->Cells(2, 0), "C");
}

TEST_F(GridKeys, DoubleClickFiresOnDblClick) {
  int n = 0;
  g->OnDblClick = [&](TObject*) { ++n; };
  DoubleClick(g, 140, 60);
  EXPECT_EQ(n, 1);
}

// ---- The in-place editor ----

struct GridEditor : GridKeys {
  TEdit* other = nullptr;
  void SetUp() override {
    GridKeys::SetUp();
    other = new TEdit(form);
    other->SetParent(form);
    other->SetTop(200);
    g->SetOptions(g->Options() + TGridOptions{goEditing});
    g->SetCells(1, 1, "one");
    g->SetCells(2, 1, "two");
    g->SetFocus();
    g->ClearLog();
  }
};

TEST_F(GridEditor, F2OpensTheEditorOverTheCellWithItsText) {
  EXPECT_FALSE(g->EditorMode());
  PressKey(VK_F2);
  ASSERT_NE(g->InplaceEditor(), nullptr);
  EXPECT_EQ(g->made, g->InplaceEditor());
  EXPECT_TRUE(g->EditorMode());
  TInplaceEdit* e = g->InplaceEditor();
  EXPECT_TRUE(e->Visible());
  EXPECT_TRUE(e->Focused());
  EXPECT_EQ(e->Text(), "one");
  EXPECT_EQ(e->BoundsRect(), g->CellRect(1, 1));
  // Typing writes through to the cell as it goes.
  PressKey(VK_END);
  TypeText("s");
  EXPECT_EQ(g->Cells(1, 1), "ones");
  EXPECT_TRUE(Has(g->log, "settext 1,1=ones"));
  // Enter ends the edit and the focus goes back to the grid.
  PressKey(VK_RETURN);
  EXPECT_FALSE(g->EditorMode());
  EXPECT_FALSE(e->Visible());
  EXPECT_TRUE(g->Focused());
  EXPECT_EQ(g->Cells(1, 1), "ones");
  // Enter on the grid opens it again.
  PressKey(VK_RETURN);
  EXPECT_TRUE(g->EditorMode());
  EXPECT_EQ(std::count(g->log.begin(), g->log.end(), "create editor"), 1);
}

TEST_F(GridEditor, EscapePutsTheOldTextBack) {
  PressKey(VK_F2);
  // F2 puts the caret at the end.
  TypeText("xyz");
  EXPECT_EQ(g->Cells(1, 1), "onexyz");
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(g->EditorMode());
  EXPECT_EQ(g->Cells(1, 1), "one");
  EXPECT_TRUE(g->Focused());
}

TEST_F(GridEditor, TypingOnTheGridOpensTheEditorWithThatCharacter) {
  TypeText("q");
  EXPECT_TRUE(g->EditorMode());
  EXPECT_EQ(g->InplaceEditor()->Text(), "q");
  EXPECT_EQ(g->Cells(1, 1), "q");
  // Without the editing option the character is an ordinary key press.
  PressKey(VK_RETURN);
  g->SetOptions(g->Options() - TGridOptions{goEditing});
  char32_t got = 0;
  g->OnKeyPress = [&](TObject*, char32_t& k) { got = k; };
  TypeText("w");
  EXPECT_EQ(got, U'w');
  EXPECT_FALSE(g->EditorMode());
}

TEST_F(GridEditor, ArrowsLeaveTheCellAndWriteTheTextToTheOldCell) {
  PressKey(VK_F2);
  TypeText("new");
  PressKey(VK_DOWN);
  EXPECT_EQ(g->Row(), 2);
  EXPECT_EQ(g->Cells(1, 1), "onenew");
  EXPECT_FALSE(g->EditorMode());
  EXPECT_EQ(g->Cells(1, 2), "");
  // Inside the text Left and Right move the caret; at its start Left leaves
  // the cell. Home and End stay in the text.
  g->SetRow(1);
  g->SetCol(2);
  PressKey(VK_F2);
  PressKey(VK_LEFT);
  PressKey(VK_HOME);
  PressKey(VK_RIGHT);
  PressKey(VK_END);
  EXPECT_EQ(g->Col(), 2);
  EXPECT_TRUE(g->EditorMode());
  PressKey(VK_HOME);
  PressKey(VK_LEFT);
  EXPECT_EQ(g->Col(), 1);
  EXPECT_EQ(g->Cells(2, 1), "two");
}

TEST_F(GridEditor, TabEndsTheEditOnlyWithTheTabsOption) {
  g->SetOptions(g->Options() + TGridOptions{goTabs});
  PressKey(VK_F2);
  TypeText("!");
  PressKey(VK_TAB);
  EXPECT_EQ(g->Col(), 2);
  EXPECT_FALSE(g->EditorMode());
  EXPECT_EQ(g->Cells(1, 1), "one!");
  // Without it Tab leaves the grid for the next control, which ends the edit too.
  g->SetOptions(g->Options() - TGridOptions{goTabs});
  PressKey(VK_F2);
  TypeText("?");
  PressKey(VK_TAB);
  EXPECT_TRUE(other->Focused());
  EXPECT_FALSE(g->EditorMode());
  EXPECT_EQ(g->Cells(2, 1), "two?");
}

TEST_F(GridEditor, ClickingTheCurrentCellOpensTheEditor) {
  Click(g, 140, 30);  // cell 2,1: moves there
  EXPECT_EQ(g->Col(), 2);
  EXPECT_FALSE(g->EditorMode());
  Click(g, 140, 30);
  EXPECT_TRUE(g->EditorMode());
  EXPECT_EQ(g->InplaceEditor()->Text(), "two");
  // A click on another cell ends the edit and moves on.
  Click(g, 80, 55);
  EXPECT_FALSE(g->EditorMode());
  EXPECT_EQ(g->Col(), 1);
  EXPECT_EQ(g->Row(), 2);
}

TEST_F(GridEditor, FocusLeavingTheGridEndsTheEdit) {
  PressKey(VK_F2);
  TypeText("left");
  other->SetFocus();
  EXPECT_FALSE(g->EditorMode());
  EXPECT_FALSE(g->InplaceEditor()->Visible());
  EXPECT_EQ(g->Cells(1, 1), "oneleft");
}

TEST_F(GridEditor, AlwaysShowEditorFollowsTheCurrentCell) {
  g->SetOptions(g->Options() + TGridOptions{goAlwaysShowEditor});
  ASSERT_NE(g->InplaceEditor(), nullptr);
  EXPECT_TRUE(g->InplaceEditor()->Visible());
  EXPECT_EQ(g->InplaceEditor()->Text(), "one");
  PressKey(VK_RIGHT, {ssCtrl});  // a page right
  g->SetCol(2);
  EXPECT_TRUE(g->EditorMode());
  EXPECT_EQ(g->InplaceEditor()->Text(), "two");
  EXPECT_EQ(g->InplaceEditor()->BoundsRect(), g->CellRect(2, 1));
  // Enter does not close it.
  PressKey(VK_RETURN);
  EXPECT_TRUE(g->InplaceEditor()->Visible());
}

TEST_F(GridEditor, EditorTakesTheLimitAndFollowsCellWrites) {
  g->editLimit = 4;
  PressKey(VK_F2);
  PressKey(VK_HOME, {ssShift});
  TypeText("abcdefg");
  EXPECT_EQ(g->Cells(1, 1), "abcd");
  // A cell written by code while the editor shows it refills the editor.
  g->SetCells(1, 1, "code");
  EXPECT_EQ(g->InplaceEditor()->Text(), "code");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(1, 1), "code");
}

TEST_F(GridEditor, AnIncompleteMaskDoesNotStopTheCellMove) {
  g->OnGetEditMask = [](TObject*, int, int, std::string& m) { m = "000;1;_"; };
  g->SetCells(1, 1, "");
  PressKey(VK_F2);
  EXPECT_EQ(g->InplaceEditor()->EditMask(), "000;1;_");
  TypeText("4");
  // The input counts as changed by the user, so a plain masked edit would
  // refuse to let go of the focus here.
  g->InplaceEditor()->SetModified(true);
  PressKey(VK_DOWN);
  EXPECT_EQ(g->Row(), 2);
  EXPECT_FALSE(g->InplaceEditor()->Visible());
  EXPECT_TRUE(g->Focused());
}

TEST_F(GridEditor, ScrollingCarriesTheEditorAlong) {
  PressKey(VK_F2);
  g->SetTopRow(2);
  EXPECT_FALSE(g->InplaceEditor()->Visible() && !IsRectEmpty(g->InplaceEditor()->BoundsRect()));
  g->SetTopRow(1);
  EXPECT_EQ(g->InplaceEditor()->BoundsRect(), g->CellRect(1, 1));
}

// ---- Painting ----

TEST(GridsPaint, PaintWalksOnlyTheVisibleCellsWithTheirStates) {
  TForm form(nullptr);
  TLogGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  g->SetColCount(100);
  g->SetRowCount(100000);
  g->SetDefaultDrawing(false);
  g->SetGridLineWidth(0);
  g->SetSelection(TGridRect(2, 2, 3, 3));
  g->SetTopRow(50000);
  g->SetSelection(TGridRect(2, 50001, 3, 50002));
  TRecordingCanvas canvas(330, 125);
  g->PaintGrid(&canvas);
  // 330 x 125 with 64 x 24 cells: 6 columns and 6 rows reach into view.
  EXPECT_EQ(g->painted.size(), 36u);
  int fixed = 0, selected = 0;
  for (const TPainted& p : g->painted) {
    bool isFixed = p.Col == 0 || p.Row == 0;
    EXPECT_EQ(p.State.Contains(gdFixed), isFixed);
    if (isFixed) ++fixed;
    if (p.State.Contains(gdSelected)) ++selected;
    EXPECT_TRUE(p.Row == 0 || (p.Row >= 50000 && p.Row <= 50004)) << p.Row;
    EXPECT_EQ(p.Rect, g->CellRect(p.Col, p.Row));
    EXPECT_EQ(p.Rect.Width(), 64);
  }
  EXPECT_EQ(fixed, 11);
  EXPECT_EQ(selected, 4);
  // With line width 0 the cells abut: each starts where the last ended.
  EXPECT_EQ(g->CellRect(2, 50000).Left, g->CellRect(1, 50000).Right);
  // No drawing of our own without default drawing.
  EXPECT_EQ(canvas.Recorder().Count("TextOut") + canvas.Recorder().Count("DrawText"), 0);
}

TEST(GridsPaint, FocusedCellIsMarkedWhileTheGridHasTheFocus) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  TLogGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  auto* other = new TEdit(&form);
  other->SetParent(&form);
  other->SetTop(200);
  ShowForm(&form);
  other->SetFocus();
  ASSERT_TRUE(other->Focused());
  ASSERT_FALSE(g->Focused());
  TRecordingCanvas canvas(330, 125);
  g->painted.clear();
  g->PaintGrid(&canvas);
  for (const TPainted& p : g->painted) EXPECT_FALSE(p.State.Contains(gdFocused));
  g->SetFocus();
  g->painted.clear();
  g->PaintGrid(&canvas);
  int focused = 0;
  for (const TPainted& p : g->painted)
    if (p.State.Contains(gdFocused)) {
      ++focused;
      EXPECT_EQ(p.Col, g->Col());
      EXPECT_EQ(p.Row, g->Row());
      EXPECT_TRUE(p.State.Contains(gdSelected));
    }
  EXPECT_EQ(focused, 1);
}

TEST(GridsPaint, DefaultDrawingWritesTheCellTexts) {
  TForm form(nullptr);
  TLogGrid* g = MakeGrid(&form);
  g->SetParent(&form);
  g->SetCells(1, 1, "hello");
  TRecordingCanvas canvas(330, 125);
  g->PaintGrid(&canvas);
  bool found = false;
  for (const TCanvasCall& c : canvas.Recorder().AllCalls())
    if (c.Text == "hello") found = true;
  EXPECT_TRUE(found);
}

}  // namespace
