// Cell selection: what a move of the current cell reports and refuses, and
// how the grid's editing option follows the cell it lands on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridEditFixture.h"

namespace {

using namespace testinput;

TEST_F(GridEditFixture, OnlyAMoveThatHappensIsReportedAsARowChange) {
  std::vector<std::string> log;
  g->OnRowChanging = [&](TObject*, int o, int n, bool&) {
    log.push_back("rowchanging " + std::to_string(o) + ">" + std::to_string(n));
  };
  g->OnColChanging = [&](TObject*, int o, int n, bool&) {
    log.push_back("colchanging " + std::to_string(o) + ">" + std::to_string(n));
  };
  g->OnCellChanging = [&](TObject*, int orow, int ocol, int nrow, int ncol, bool&) {
    log.push_back("cellchanging " + std::to_string(ocol) + "," + std::to_string(orow) + ">" +
                  std::to_string(ncol) + "," + std::to_string(nrow));
  };
  Goto(2, 3);
  g->OnRowChanged = [&](TObject*, int o, int n) {
    log.push_back("row " + std::to_string(o) + ">" + std::to_string(n));
  };
  struct Case {
    const char* how;
    std::function<void()> move;
    std::vector<std::string> log;
    int col, row;
  };
  const Case cases[] = {
      {"a key down two rows",
       [] {
         PressKey(VK_DOWN);
         PressKey(VK_DOWN);
       },
       {"rowchanging 3>4", "cellchanging 2,3>2,4", "row 3>4", "rowchanging 4>5", "cellchanging 2,4>2,5",
        "row 4>5"},
       2,
       5},
      {"a move within the row",
       [] { PressKey(VK_RIGHT); },
       {"colchanging 2>3", "cellchanging 2,5>3,5"},
       3,
       5},
      {"a click on another row",
       [this] { ClickCell(1, 2); },
       {"rowchanging 5>2", "colchanging 3>1", "cellchanging 3,5>1,2", "row 5>2"},
       1,
       2},
  };
  for (const Case& c : cases) {
    log.clear();
    c.move();
    EXPECT_EQ(log, c.log) << c.how;
    EXPECT_EQ(g->Col(), c.col) << c.how;
    EXPECT_EQ(g->Row(), c.row) << c.how;
  }
  // A vetoed move stays and reports no change of row.
  g->OnRowChanging = [&](TObject*, int, int, bool& allow) { allow = false; };
  log.clear();
  PressKey(VK_DOWN);
  EXPECT_EQ(g->Row(), 2);
  EXPECT_TRUE(log.empty() || log.back().rfind("row ", 0) != 0);
}

TEST_F(GridEditFixture, AMoveRefusedByValidationKeepsTheCellAndReportsNoRowChange) {
  std::vector<std::pair<int, int>> rows;
  g->OnCellValidate = [](TObject*, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
  g->SetCells(2, 3, "good");
  Goto(2, 3);
  g->OnRowChanged = [&](TObject*, int o, int n) { rows.emplace_back(o, n); };
  TypeText("bad");
  ClickCell(2, 5);
  Pump();
  EXPECT_EQ(g->Row(), 3);
  EXPECT_EQ(g->Cells(2, 3), "good");
  EXPECT_TRUE(rows.empty());
  // The editor is open again on the same cell; a good value goes through.
  ASSERT_TRUE(EditorShown());
  PressKey('A', TShiftState{ssCtrl});
  TypeText("fine");
  ClickCell(2, 5);
  Pump();
  EXPECT_EQ(g->Cells(2, 3), "fine");
  EXPECT_EQ(g->Row(), 5);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], std::make_pair(3, 5));
}

TEST_F(GridEditFixture, ACoveredCellOfAMergedAreaHandsOverToItsBaseCell) {
  g->SetOptions(g->Options() >> goRangeSelect);
  g->MergeCells(2, 3, 2, 1);
  Goto(1, 5);
  ClickCell(3, 3);
  EXPECT_EQ(g->Col(), 2);
  EXPECT_EQ(g->Row(), 3);
}

TEST_F(GridEditFixture, EditingFollowsTheCellsItLandsOn) {
  g->OnCanEditCell = [](TObject*, int r, int, bool& can) { can = r != 4; };
  Goto(2, 3);
  EXPECT_TRUE(g->Options().Contains(goEditing));
  PressKey(VK_DOWN);
  EXPECT_FALSE(g->Options().Contains(goEditing));
  TypeText("x");
  EXPECT_FALSE(EditorShown());
  PressKey(VK_DOWN);
  EXPECT_TRUE(g->Options().Contains(goEditing));
  TypeText("y");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 5), "y");
  EXPECT_EQ(g->Cells(2, 4), "");
}

TEST_F(GridEditFixture, RowsTheGridCannotShowAsCurrentAreRefused) {
  // The footer covers the last row; a disabled row is skipped.
  Goto(2, 3);
  g->FloatingFooter()->SetVisible(true);
  g->SetRow(g->RowCount() - 1);
  EXPECT_EQ(g->Row(), 3);
  g->FloatingFooter()->SetVisible(false);
  g->SetRowEnabled(5, false);
  g->SetRow(5);
  EXPECT_EQ(g->Row(), 3);
  g->SetRow(6);
  EXPECT_EQ(g->Row(), 6);
}

// The registered listener hears of each cell asked for, also of a refused
// one, with the column current at the time.
TEST_F(GridEditFixture, TheSelectionListenerHearsOfEveryCellAskedFor) {
  struct Listener : ITDedAdararAdozSelect {
    std::vector<std::pair<int, int>> told;
    void CellSelected(int ACol, int ARow) override { told.emplace_back(ACol, ARow); }
  } first, second;
  Goto(2, 3);
  g->RegisterSelListener(&first);
  PressKey(VK_DOWN);
  PressKey(VK_RIGHT);
  const std::vector<std::pair<int, int>> moves{{2, 4}, {2, 4}};
  EXPECT_EQ(first.told, moves);
  // A vetoed move is asked for all the same.
  g->OnRowChanging = [](TObject*, int, int, bool& allow) { allow = false; };
  first.told.clear();
  PressKey(VK_DOWN);
  EXPECT_EQ(g->Row(), 4);
  EXPECT_EQ(first.told, (std::vector<std::pair<int, int>>{{3, 5}}));
  g->OnRowChanging = nullptr;
  // One listener at a time; unregistering leaves none.
  g->RegisterSelListener(&second);
  first.told.clear();
  PressKey(VK_UP);
  EXPECT_TRUE(first.told.empty());
  EXPECT_EQ(second.told, (std::vector<std::pair<int, int>>{{3, 3}}));
  g->UnRegisterSelListener(nullptr);
  PressKey(VK_DOWN);
  EXPECT_EQ(second.told.size(), 1u);
}

}  // namespace
