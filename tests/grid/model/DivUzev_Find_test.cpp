// Finding and replacing: the walk's orders and ends, the cell test's
// options, going to a hit inside a contracted node, replacing with the
// search's case rule, and the typed search.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "grid/model/DivUzev.h"

namespace {

// Header row and column, then a 3 x 3 block whose every cell holds "x".
void FillX(TDedAdararAdoz& g) {
  g.SetColCount(4);
  g.SetRowCount(4);
  g.SetFixedRows(1);
  g.SetFixedCols(1);
  for (int r = 1; r < 4; ++r)
    for (int c = 1; c < 4; ++c) g.SetCellEx(c, r, "x");
}

std::vector<std::pair<int, int>> AllHits(TDedAdararAdoz& g, const std::string& s, TFindParams p) {
  std::vector<std::pair<int, int>> hits;
  TPoint at(-1, -1);
  for (int guard = 0; guard < 100; ++guard) {
    at = g.Find(at, s, p);
    if (at.X < 0) break;
    hits.emplace_back(at.X, at.Y);
  }
  return hits;
}

}  // namespace

TEST(DivUzevFind, WalkOrdersAndEnds) {
  TDedAdararAdoz g(nullptr);
  FillX(g);
  using V = std::vector<std::pair<int, int>>;
  EXPECT_EQ(AllHits(g, "x", TFindParams{}),
            (V{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}))
      << "column by column, no wrap after the last";
  EXPECT_EQ(AllHits(g, "x", TFindParams{fnDirectionLeftRight}),
            (V{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}));
  EXPECT_EQ(AllHits(g, "x", TFindParams{fnBackward}).front(), (std::pair<int, int>{3, 3}))
      << "backwards starts at the last cell";
  EXPECT_EQ(AllHits(g, "x", TFindParams{fnBackward}).back(), (std::pair<int, int>{1, 1}));
  g.IgnoreColumns()->Add(2);
  EXPECT_EQ(AllHits(g, "x", TFindParams{fnDirectionLeftRight}).size(), 6u) << "ignored column skipped";
  EXPECT_EQ(g.SearchCell().X, 3);
  EXPECT_EQ(g.Find(TPoint(3, 3), "x", TFindParams{}).X, -1);
  EXPECT_FALSE(g.FindBusy()) << "a search without a hit is done";
}

TEST(DivUzevFind, OnlyFixedRowsFindNothing) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(1);
  g.SetCellEx(1, 0, "x");
  EXPECT_EQ(g.FindFirst("x", TFindParams{}).X, -1);
  EXPECT_EQ(g.FindFirst("x", TFindParams{}).Y, -1);
}

TEST(DivUzevFind, CellTestOptions) {
  struct Case {
    const char* text;
    const char* search;
    TFindParams params;
    bool hit;
  };
  const Case cases[] = {
      {"Hello World", "world", {}, true},
      {"Hello World", "world", {fnMatchCase}, false},
      {"Hello World", "World", {fnMatchCase}, true},
      {"Hello World", "hello", {fnMatchStart}, true},
      {"Hello World", "world", {fnMatchStart}, false},
      {"Hello", "hello", {fnMatchFull}, true},
      {"Hello World", "hello", {fnMatchFull}, false},
      {"<b>Hello</b>", "b>h", {}, true},
      {"<b>Hello</b>", "b>h", {fnIgnoreHTMLTags}, false},
      {"12", ">10", {fnMatchRegular}, true},
      {"8", ">10", {fnMatchRegular}, false},
      {"", "\"\"", {}, true},
      {"a", "\"\"", {}, false},
      {"5", "<3", {fnMatchRegular}, false},
  };
  for (const Case& c : cases) {
    TDedAdararAdoz g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    g.SetCellEx(1, 1, "0");
    g.SetCellEx(1, 2, c.text);
    const TPoint hit = g.FindFirst(c.search, c.params);
    EXPECT_EQ(hit.Y == 2, c.hit) << c.text << " / " << c.search << " found at " << hit.X << "," << hit.Y;
  }
}

TEST(DivUzevFind, LimitsToRowsColumnsAndTheSelection) {
  TDedAdararAdoz g(nullptr);
  FillX(g);
  g.SetFindCol(2);
  EXPECT_EQ(AllHits(g, "x", TFindParams{fnFindInPresetCol}).size(), 3u);
  g.SetFindRow(3);
  EXPECT_EQ(AllHits(g, "x", TFindParams{fnFindInPresetRow, fnDirectionLeftRight}).front(),
            (std::pair<int, int>{1, 3}));
  g.SetSelection(TGridRect(2, 2, 3, 3));
  EXPECT_EQ(AllHits(g, "x", TFindParams{fnSelectedCells}).size(), 4u);
  g.HideColumn(2);
  EXPECT_EQ(AllHits(g, "x", TFindParams{}).size(), 6u);
  EXPECT_EQ(AllHits(g, "x", TFindParams{fnIncludeHiddenColumns}).size(), 9u);
}

TEST(DivUzevFind, AHitInsideAContractedNodeOpensItAndSelectsTheRow) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(7);
  g.SetFixedRows(1);
  for (int r = 1; r < 7; ++r) g.SetCellEx(1, r, "row" + std::to_string(r));
  g.AddNode(1, 4);
  g.ContractNode(1);
  ASSERT_EQ(g.RowCount(), 4);
  EXPECT_EQ(g.FindFirst("row3", TFindParams{}).X, -1) << "hidden rows are not searched";
  const TPoint hit = g.FindFirst("row3", TFindParams{fnIncludeHiddenRows, fnAutoGoto});
  EXPECT_EQ(hit.Y, 3) << "the real row";
  EXPECT_FALSE(g.GetNodeState(1));
  EXPECT_EQ(g.RowCount(), 7);
  EXPECT_EQ(g.Row(), 3);
  EXPECT_EQ(g.GetCellEx(1, g.Row()), "row3");
}

TEST(DivUzevFind, ReplaceFollowsTheSearchsCaseAndEnds) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(4);
  g.SetFixedRows(1);
  g.SetFixedCols(1);
  g.SetCellEx(1, 1, "Cat cat");
  g.SetCellEx(1, 2, "CAT");
  g.SetCellEx(1, 3, "dog");
  // With case: only the exact text changes, in every cell that has it.
  EXPECT_EQ(g.Replace("cat", "mouse", TFindParams{fnMatchCase}), 1);
  EXPECT_EQ(g.GetCellEx(1, 1), "Cat mouse");
  EXPECT_EQ(g.GetCellEx(1, 2), "CAT");
  // Without case: every spelling; a replacement holding the text ends.
  EXPECT_EQ(g.Replace("cat", "cats", TFindParams{}), 2);
  EXPECT_EQ(g.GetCellEx(1, 1), "cats mouse");
  EXPECT_EQ(g.GetCellEx(1, 2), "cats");
  EXPECT_EQ(g.GetCellEx(1, 3), "dog");
}

TEST(DivUzevFind, ReplaceWritesTheStoredValueNotItsDisplayForm) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  g.SetFixedRows(1);
  g.SetFixedCols(1);
  g.SetCellEx(1, 1, "10");
  g.OnGetDisplText = [](TObject*, int, int, std::string& V) { V = V + " EUR"; };
  EXPECT_EQ(g.Replace("10", "20", TFindParams{}), 1);
  g.OnGetDisplText = nullptr;
  EXPECT_EQ(g.GetCellEx(1, 1), "20");
}

TEST(DivUzevFind, TypedSearchMatchesTheStartOfTheFirstColumn) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(4);
  g.SetFixedRows(1);
  g.SetFixedCols(1);
  g.SetCellEx(1, 1, "<b>Alpha</b>");
  g.SetCellEx(1, 2, "Beta");
  g.SetCellEx(1, 3, "Bravo");
  EXPECT_EQ(g.Search("BR"), 3);
  EXPECT_EQ(g.Search("AL"), 1) << "markup is not part of the text";
  EXPECT_EQ(g.Search("Z"), -1);
}
