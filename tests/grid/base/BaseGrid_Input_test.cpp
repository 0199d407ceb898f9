// Keys, wheel and cell selection over merged areas, and the footer row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/Forms.h"
#include "framework/controls/WinApi.h"
#include "grid/base/BaseGrid.h"
#include "support/Input.h"

namespace {

using namespace testinput;

class TKeyGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  std::vector<std::pair<int, int>> repainted;
  void RepaintCell(int ACol, int ARow) override {
    repainted.emplace_back(ACol, ARow);
    TBaseGrid::RepaintCell(ACol, ARow);
  }
};

// A focused 10 x 30 grid of 64 x 24 cells on a shown form.
struct BaseGridKeys : ::testing::Test {
  TForm* form = nullptr;
  TKeyGrid* g = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 500, 300);
    g = new TKeyGrid(form);
    g->SetBorderStyle(bsNone);
    g->SetScrollBars(ssNone);
    g->SetBounds(0, 0, 450, 250);
    g->SetParent(form);
    g->SetColCount(10);
    g->SetRowCount(30);
    ShowForm(form);
    g->SetFocus();
  }
  void TearDown() override { delete form; }
  void At(int c, int r) {
    // By code, so the current cell may rest inside an area.
    g->SetCol(c);
    g->SetRow(r);
    ASSERT_EQ(g->Col(), c);
    ASSERT_EQ(g->Row(), r);
  }
};

TEST_F(BaseGridKeys, ArrowsStepOverAMergedAreaAsOverOneCell) {
  g->MergeCells(3, 2, 3, 1);  // columns 3-5 of row 2
  g->MergeCells(7, 4, 1, 3);  // rows 4-6 of column 7
  struct Case {
    int col, row;
    WORD key;
    int toCol, toRow;
  };
  const Case cases[] = {
      {2, 2, VK_RIGHT, 3, 2},  // into the area: onto its base
      {3, 2, VK_RIGHT, 6, 2},  // out of it in one step
      {6, 2, VK_LEFT, 3, 2},  {3, 2, VK_LEFT, 2, 2},
      {4, 1, VK_DOWN, 3, 2},  {4, 2, VK_DOWN, 4, 3},  // from inside (set by code) the step goes below
      {7, 3, VK_DOWN, 7, 4},  {7, 4, VK_DOWN, 7, 7},
      {7, 7, VK_UP, 7, 4},    {7, 4, VK_UP, 7, 3},
  };
  for (const Case& k : cases) {
    At(k.col, k.row);
    PressKey(k.key);
    EXPECT_EQ(TGridCoord(g->Col(), g->Row()), TGridCoord(k.toCol, k.toRow))
        << "from " << k.col << "," << k.row << " key " << k.key;
  }
}

TEST_F(BaseGridKeys, LeftAndUpFromInsideAnAreaStayInTheGrid) {
  g->MergeCells(1, 2, 3, 1);  // columns 1-3 of row 2, from the first normal column
  g->MergeCells(4, 5, 3, 1);  // columns 4-6 of row 5
  g->MergeCells(8, 3, 1, 3);  // rows 3-5 of column 8
  g->MergeCells(9, 1, 1, 3);  // rows 1-3 of column 9, from the first normal row
  struct Case {
    int col, row;
    WORD key;
    int toCol, toRow;
  };
  const Case cases[] = {
      {3, 2, VK_LEFT, 1, 2},                       // nothing left of the area but the fixed column
      {6, 5, VK_LEFT, 3, 5},                       // one step past the area's left edge
      {5, 5, VK_LEFT, 3, 5}, {8, 5, VK_UP, 8, 2},  // the row right above the area, none skipped
      {9, 3, VK_UP, 9, 1},                         // nothing above the area but the fixed row
  };
  for (const Case& k : cases) {
    At(k.col, k.row);
    ASSERT_NO_THROW(PressKey(k.key));
    EXPECT_EQ(TGridCoord(g->Col(), g->Row()), TGridCoord(k.toCol, k.toRow))
        << "from " << k.col << "," << k.row << " key " << k.key;
    EXPECT_GE(g->Col(), g->FixedCols());
    EXPECT_GE(g->Row(), g->FixedRows());
  }
}

TEST_F(BaseGridKeys, AnAreaReachingPastTheLastRowDoesNotBreakDown) {
  g->MergeCells(2, 26, 1, 4);  // rows 26-29
  g->SetRowCount(28);
  At(2, 26);
  // The area runs to the end of the grid: there is nothing below it.
  ASSERT_NO_THROW(PressKey(VK_DOWN));
  EXPECT_EQ(g->Row(), 26);
  ASSERT_NO_THROW(PressKey(VK_RIGHT));
  EXPECT_EQ(TGridCoord(g->Col(), g->Row()), TGridCoord(3, 26));
}

TEST_F(BaseGridKeys, PageDownStopsAboveTheFooterRow) {
  g->SetHideLastRow(true);
  g->SetTopRow(g->MaxTopLeft().Y);
  At(1, 22);
  ASSERT_EQ(g->TopRow(), 21);
  ASSERT_EQ(g->RowCount() - 1, g->VisibleRowCount() + g->TopRow() - g->FixedRows());
  PressKey(VK_NEXT);
  EXPECT_EQ(g->Row(), 28);
  // Without a footer row the page goes to the end.
  g->SetHideLastRow(false);
  At(1, 22);
  PressKey(VK_NEXT);
  EXPECT_EQ(g->Row(), 29);
}

TEST_F(BaseGridKeys, TheWheelRestsOnBaseCells) {
  g->MergeCells(2, 3, 1, 3);  // rows 3-5
  At(2, 2);
  Wheel(g, -WHEEL_DELTA);
  EXPECT_EQ(g->Row(), 3);
  At(2, 6);
  Wheel(g, WHEEL_DELTA);
  EXPECT_EQ(g->Row(), 3);
}

TEST_F(BaseGridKeys, SelectingACellRepaintsTheOldAndTheNewCell) {
  At(2, 2);
  g->repainted.clear();
  PressKey(VK_RIGHT);
  ASSERT_EQ(g->Col(), 3);
  ASSERT_GE(g->repainted.size(), 2u);
  EXPECT_EQ(g->repainted[0], (std::pair<int, int>(2, 2)));
  EXPECT_EQ(g->repainted[1], (std::pair<int, int>(3, 2)));
  // A refusal keeps the cell and still answers through the event.
  g->OnSelectCell = [](TObject*, int, int, bool& can) { can = false; };
  PressKey(VK_RIGHT);
  EXPECT_EQ(g->Col(), 3);
}

}  // namespace
