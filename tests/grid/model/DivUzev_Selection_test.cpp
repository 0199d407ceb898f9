// Row and column selection sets, the selected-row list and the modified and
// disabled marks of rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/model/DivUzev.h"

namespace {

TEST(DivUzevSelection, SelectRowsIsCutToTheGrid) {
  TDedAdararAdoz g(nullptr);
  g.SelectRows(5, 100);
  EXPECT_EQ(g.Selection(), TGridRect(1, 5, 4, 9));
  EXPECT_EQ(g.RowSelectCount(), 5);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(g.RowSelect(r), r >= 5) << r;
}

TEST(DivUzevSelection, DisjunctRowFlagsFireTheirEventsAndRepaintOnlyOnChange) {
  TDedAdararAdoz g(nullptr);
  g.MouseActions()->SetDisjunctRowSelect(true);
  std::vector<std::string> log;
  g.OnRowDisjunctSelect = [&](TObject*, int ARow, bool AState, bool& Allow) {
    log.push_back("ask " + std::to_string(ARow) + (AState ? " on" : " off"));
    Allow = ARow != 7;
  };
  g.OnRowDisjunctSelected = [&](TObject*, int ARow) { log.push_back("done " + std::to_string(ARow)); };
  g.SetRowSelect(3, true);
  g.SetRowSelect(3, true);
  g.SetRowSelect(7, true);
  EXPECT_EQ(log, (std::vector<std::string>{"ask 3 on", "done 3", "done 3", "ask 7 on"}));
  EXPECT_TRUE(g.RowSelect(3));
  EXPECT_FALSE(g.RowSelect(7)) << "refused";
  g.SelectRows(5, 2);
  EXPECT_EQ(g.RowSelectCount(), 3);
  EXPECT_EQ(g.SelectedRowList()->Count(), 3);
  g.UnSelectRows(5, 1);
  EXPECT_EQ(g.RowSelectCount(), 2);
  g.ClearRowSelect();
  EXPECT_EQ(g.RowSelectCount(), 0);
  EXPECT_EQ(g.SelectedRowList()->Count(), 0);
}

TEST(DivUzevSelection, ASelectionDraggedUpwardsCountsItsRows) {
  TDedAdararAdoz g(nullptr);
  g.SetSelection(TGridRect(2, 8, 3, 4));
  EXPECT_EQ(g.RowSelectCount(), 5);
  EXPECT_EQ(g.ColSelectCount(), 2);
}

TEST(DivUzevSelection, RowReadsAndWritesOutsideTheGridRaiseTheirOwnErrors) {
  TDedAdararAdoz g(nullptr);
  auto readError = [&](int row) {
    try {
      g.RowSelect(row);
    } catch (const EDivUzevError& e) {
      return e.Message();
    }
    return std::string("no error");
  };
  EXPECT_EQ(readError(-1), "Invalid row -1 accessed");
  EXPECT_EQ(readError(10), "Invalid row 10 accessed");
  EXPECT_EQ(readError(9), "no error");
  // Persistent flags may be read beyond the rows, never before the first.
  g.MouseActions()->SetRowSelectPersistent(true);
  g.MouseActions()->SetDisjunctRowSelect(true);
  EXPECT_EQ(readError(25), "no error");
  EXPECT_EQ(readError(-1), "Invalid row -1 accessed");
  EXPECT_EQ(readError(-1000), "Invalid row -1000 accessed");

  for (int row : {-1, 10}) {
    try {
      g.SetRowSelect(row, true);
      ADD_FAILURE() << row;
    } catch (const EDivUzevError& e) {
      EXPECT_EQ(e.Message(), "Invalid row accessed");
    }
  }
  for (int col : {-1, 5}) {
    EXPECT_THROW(g.ColSelect(col), EDivUzevError);
    EXPECT_THROW(g.SetColSelect(col, true), EDivUzevError);
  }
}

TEST(DivUzevSelection, PersistentRowFlagsSurviveHidingRows) {
  TDedAdararAdoz g(nullptr);
  g.MouseActions()->SetDisjunctRowSelect(true);
  g.MouseActions()->SetRowSelectPersistent(true);
  g.SelectRows(6, 1);  // real row 6
  g.HideRows(2, 3);
  EXPECT_TRUE(g.RowSelect(6));
  g.SelectRows(6, 1);  // display row 6 is real row 8
  EXPECT_TRUE(g.RowSelect(8));
  g.UnHideRowsAll();
  EXPECT_TRUE(g.RowSelect(6));
  EXPECT_TRUE(g.RowSelect(8));
}

TEST(DivUzevSelection, ColumnFlagsAndColumnSelection) {
  TDedAdararAdoz g(nullptr);
  g.SelectCols(2, 2);
  EXPECT_EQ(g.Selection(), TGridRect(2, 1, 3, 9));
  g.MouseActions()->SetDisjunctColSelect(true);
  g.SelectCols(1, 10);
  EXPECT_EQ(g.ColSelectCount(), 4);
  g.UnSelectCols(2, 1);
  EXPECT_FALSE(g.ColSelect(2));
  EXPECT_TRUE(g.ColSelect(3));
  g.ClearColSelect();
  EXPECT_EQ(g.ColSelectCount(), 0);
}

TEST(DivUzevSelection, SelectRangeMovesTheCurrentCellToItsEnd) {
  TDedAdararAdoz g(nullptr);
  g.SelectRange(1, 3, 2, 6);
  EXPECT_EQ(g.Selection(), TGridRect(1, 2, 3, 6));
  EXPECT_EQ(g.Row(), 6);
  EXPECT_EQ(g.Col(), 3);
}

TEST(DivUzevSelection, ModifiedRows) {
  TDedAdararAdoz g(nullptr);
  EXPECT_FALSE(g.RowModified(40));
  g.SetRowModified(4, true);
  g.SetRowModified(2, true);
  g.SetRowModified(4, false);
  EXPECT_TRUE(g.RowModified(2));
  EXPECT_FALSE(g.RowModified(4));
  EXPECT_EQ(g.ModifiedRowCount(), 1);
}

TEST(DivUzevSelection, DisablingTheCurrentRowMovesItToTheFirstEnabledRow) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(4);
  EXPECT_TRUE(g.RowEnabled(100));
  g.SetRow(1);
  g.SetRowEnabled(1, false);
  EXPECT_FALSE(g.RowEnabled(1));
  EXPECT_EQ(g.Row(), 2);
  EXPECT_TRUE(g.UseEnabledRows());
  // Enabling the current row leaves it current.
  g.SetRowEnabled(2, true);
  EXPECT_EQ(g.Row(), 2);
  // With no other enabled row the current row stays.
  g.SetRowEnabled(3, false);
  g.SetRowEnabled(2, false);
  EXPECT_EQ(g.Row(), 2);
}

}  // namespace
