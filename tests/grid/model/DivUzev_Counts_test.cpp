// Counts and fixed areas, the current row with its change event, moving
// rows, hiding the selection, scrolling a cell into view (also in a grid
// too short for it) and grids kept in step.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"
#include "support/Input.h"

namespace {

using namespace testinput;

TEST(DivUzevCounts, AlwaysAFixedRowWhenTheGridIsDownToIt) {
  TDedAdararAdoz g(nullptr);
  g.SetFixedRowAlways(true);
  g.SetRowCount(1);
  EXPECT_EQ(g.FixedRows(), 1);
  g.SetRowCount(6);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.TCustomGrid::FixedRows(), 1) << "the requested fixed rows are back";
  // A fixed count at or beyond the rows applies what fits and is kept.
  g.SetFixedRows(8);
  EXPECT_EQ(g.FixedRows(), 5);
  g.SetRowCount(12);
  EXPECT_EQ(g.FixedRows(), 8);
  // Without the rule the framework refuses.
  TDedAdararAdoz plain(nullptr);
  EXPECT_THROW(plain.SetFixedRows(20), EInvalidGridOperation);
}

TEST(DivUzevCounts, CountsRememberTheirLargestAndTheFixedSizes) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(40);
  g.SetRowCount(7);
  g.SetColCount(9);
  g.SetColCount(3);
  EXPECT_EQ(g.MaxRowCount(), 40);
  EXPECT_EQ(g.MaxColCount(), 9);
  EXPECT_EQ(g.NormalRowCount(), 7);
  g.SetFixedRowHeight(30);
  EXPECT_EQ(g.RowHeights(0), 30);
  EXPECT_EQ(g.RowHeights(1), 22);
  g.SetFixedRowHeight(22);
  EXPECT_EQ(g.RowHeights(0), 22);
  g.SetFixedColWidth(80);
  EXPECT_EQ(g.ColWidths(0), 80);
  EXPECT_EQ(g.FixedColWidth(), 80);
}

TEST(DivUzevCounts, WritingTheSameRowTwiceReportsTheChangeOnce) {
  TDedAdararAdoz g(nullptr);
  std::vector<std::pair<int, int>> changes;
  g.OnRowChanged = [&](TObject*, int OldRow, int NewRow) { changes.emplace_back(OldRow, NewRow); };
  g.SetRow(3);
  g.SetRow(3);
  g.SetRow(5);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[1], std::make_pair(3, 5));
}

TEST(DivUzevCounts, TopRowOutsideTheScrollableRowsIsIgnored) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  auto* g = new TDedAdararAdoz(&form);
  g->SetParent(&form);
  g->SetRowCount(50);
  g->SetBounds(0, 0, 300, 150);
  g->SetTopRow(10);
  EXPECT_EQ(g->TopRow(), 10);
  g->SetTopRow(0);
  EXPECT_EQ(g->TopRow(), 10) << "a fixed row";
  g->SetTopRow(50);
  EXPECT_EQ(g->TopRow(), 10) << "past the end";
}

TEST(DivUzevCounts, MoveRowsTakesTextsAndPropertiesAlong) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(10);
  for (int r = 0; r < 10; ++r) g.SetCellEx(1, r, std::to_string(r));
  g.GetCellProperties(1, 3)->SetFontSize(33);
  g.MoveRows(2, 8, 3);
  const char* expected[] = {"0", "1", "5", "6", "7", "2", "3", "4", "8", "9"};
  for (int r = 0; r < 10; ++r) EXPECT_EQ(g.GetCellEx(1, r), expected[r]) << r;
  ASSERT_TRUE(g.HasCellProperties(1, 6));
  EXPECT_EQ(g.GetCellProperties(1, 6)->FontSize(), 33);
  EXPECT_FALSE(g.HasCellProperties(1, 3));
  g.MoveRows(6, 1, 2);
  const char* back[] = {"0", "3", "4", "1", "5", "6", "7", "2", "8", "9"};
  for (int r = 0; r < 10; ++r) EXPECT_EQ(g.GetCellEx(1, r), back[r]) << r;
}

TEST(DivUzevCounts, HideSelectionAndBringItBack) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(10);
  g.SetSelection(TGridRect(1, 2, 3, 4));
  g.HideSelection();
  EXPECT_TRUE(g.SelectionHidden());
  g.UnHideSelection();
  EXPECT_EQ(g.Selection(), TGridRect(1, 2, 3, 4));
  // When the rows are gone, the first normal cell is selected instead.
  g.SetSelection(TGridRect(1, 7, 2, 8));
  g.HideSelection();
  g.SetRowCount(5);
  g.UnHideSelection();
  EXPECT_EQ(g.Selection(), TGridRect(1, 1, 1, 1));
  EXPECT_FALSE(g.SelectionHidden());
}

TEST(DivUzevCounts, UsedCellsAndExportRanges) {
  TDedAdararAdoz g(nullptr);
  EXPECT_EQ(g.UsedCells(), TGridRect(0, 0, 0, 0));
  g.SetCellEx(3, 2, "a");
  g.SetCellEx(1, 6, "b");
  EXPECT_EQ(g.UsedCells(), TGridRect(1, 2, 3, 6));
  g.SetFixedRightCols(1);
  g.SetFixedFooters(2);
  g.SetSaveFixedCells(false);
  EXPECT_EQ(g.SaveStartCol(), 1);
  EXPECT_EQ(g.SaveEndCol(), 3);
  EXPECT_EQ(g.SaveColCount(), 3);
  EXPECT_EQ(g.SaveStartRow(), 1);
  EXPECT_EQ(g.SaveEndRow(), 7);
  EXPECT_EQ(g.SaveRowCount(), 7);
  g.SetSaveFixedRows(true);
  EXPECT_EQ(g.SaveStartRow(), 0);
  EXPECT_EQ(g.SaveRowCount(), 10);
}

// A grid on a shown form, 200 rows of 22 pixels.
struct DivUzevScroll : ::testing::Test {
  TForm* form = nullptr;
  TDedAdararAdoz* g = nullptr;
  void SetUp() override {
    ResetKeyboardState();
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 500, 400);
    g = new TDedAdararAdoz(form);
    g->SetParent(form);
    g->SetBorderStyle(bsNone);
    g->SetBounds(0, 0, 400, 300);
    g->SetRowCount(200);
    g->SetColCount(30);
    ShowForm(form);
  }
  void TearDown() override { delete form; }
  bool InView(int c, int r) {
    TRect rect = g->CellRect(c, r);
    return rect.Right > rect.Left && rect.Bottom <= g->ClientHeight() && rect.Right <= g->ClientWidth();
  }
};

TEST_F(DivUzevScroll, ScrollInViewBringsTheCellIntoViewAndMakesItCurrent) {
  struct Case {
    int col, row;
  };
  for (Case c : {Case{20, 150}, Case{2, 3}, Case{29, 199}, Case{10, 100}}) {
    g->ScrollInView(c.col, c.row);
    EXPECT_TRUE(InView(c.col, c.row)) << c.col << "," << c.row;
  }
  g->ScrollInView(30, 5);  // outside the grid: nothing
  g->ScrollInView(5, 200);
  EXPECT_TRUE(InView(10, 100));
}

TEST_F(DivUzevScroll, ScrollInViewEndsInAGridTooShortForARowAboveTheSearchFooter) {
  g->SearchFooter()->SetVisible(true);
  g->SetBounds(0, 0, 400, 40);  // less than the footer panel and a row
  Pump();
  g->ScrollInView(3, 120);
  EXPECT_EQ(g->Row(), 120);
  g->SetBounds(0, 0, 400, 300);
  g->ScrollInView(3, 180);
  EXPECT_TRUE(InView(3, 180));
}

TEST_F(DivUzevScroll, GridsKeptInStepFollowEachOtherOnce) {
  auto* other = new TDedAdararAdoz(form);
  other->SetParent(form);
  other->SetRowCount(200);
  other->SetColCount(30);
  g->SyncGrid()->SetGrid(other);
  g->SyncGrid()->SetSelectionRow(true);
  g->SyncGrid()->SetSelectionColumn(true);
  other->SyncGrid()->SetGrid(g);
  other->SyncGrid()->SetSelectionRow(true);
  other->SyncGrid()->SetSelectionColumn(true);
  g->SetRow(17);
  g->SetCol(4);
  EXPECT_EQ(other->Row(), 17);
  EXPECT_EQ(other->Col(), 4);
  other->SetRow(9);
  EXPECT_EQ(g->Row(), 9);
}

}  // namespace
