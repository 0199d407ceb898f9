// Grouping: the shape of a grouped grid, with and without summary rows,
// ungrouping back to the rows as they were, merged headers, a second level
// and the group calculations.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/model/DivUzev.h"

namespace {

// Columns: 0 fixed, 1 name, 2 group value, 3 amount; a footer row.
void Fill(TDedAdararAdoz& g, const std::vector<std::string>& Groups) {
  g.SetColCount(4);
  g.SetRowCount(static_cast<int>(Groups.size()) + 2);
  g.SetFixedRows(1);
  g.SetFixedCols(1);
  g.SetFixedFooters(1);
  g.SetCellEx(2, 0, "Group");
  g.SetCellEx(2, g.RowCount() - 1, "foot");
  g.SetColWidths(2, 77);
  for (size_t i = 0; i < Groups.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    g.SetCellEx(1, r, "n" + std::to_string(r));
    g.SetCellEx(2, r, Groups[i]);
    g.SetCellEx(3, r, std::to_string(r));
  }
}

// Column 1 of every row below the header row, nodes shown as "[value]" and
// summary rows as "=".
std::vector<std::string> Shape(TDedAdararAdoz& g) {
  std::vector<std::string> v;
  for (int r = 1; r < g.RowCount(); ++r) {
    if (g.IsNode(r))
      v.push_back("[" + g.GetCellEx(1, r) + "]");
    else if (g.IsSummary(r))
      v.push_back("=");
    else
      v.push_back(g.GetCellEx(1, r));
  }
  return v;
}

std::vector<std::string> Rows(TDedAdararAdoz& g) {
  std::vector<std::string> v;
  for (int r = 0; r < g.RowCount(); ++r)
    for (int c = 0; c < g.ColCount(); ++c) v.push_back(g.GetCellEx(c, r));
  return v;
}

}  // namespace

TEST(DivUzevGrouping, GroupingGathersRowsUnderHeadersAndUngroupingRestoresThem) {
  for (bool summary : {false, true}) {
    TDedAdararAdoz g(nullptr);
    Fill(g, {"A", "A", "B", "C"});
    const auto before = Rows(g);
    g.Grouping()->SetSummary(summary);
    g.Group(2);
    EXPECT_EQ(g.GroupColumn(), 2);
    EXPECT_EQ(g.ColCount(), 3) << "the grouped column is gone";
    std::vector<std::string> want = {"[A]", "n1", "n2", "=", "[B]", "n3", "=", "[C]", "n4", "=", "foot"};
    if (!summary) want.erase(std::remove(want.begin(), want.end(), "="), want.end());
    want.back() = "";  // the footer row: column 1 keeps its own text
    EXPECT_EQ(Shape(g), want) << (summary ? "with" : "without") << " summaries";
    EXPECT_EQ(g.GetNodeSpan(1), 3);
    EXPECT_EQ(g.GetCellEx(2, 2), "1") << "amounts moved one column left";

    g.UnGroup();
    EXPECT_EQ(g.GroupColumn(), -1);
    EXPECT_EQ(Rows(g), before);
    EXPECT_EQ(g.ColWidths(2), 77);
    EXPECT_EQ(g.NodeCount(), 0);
  }
}

TEST(DivUzevGrouping, GroupColumnWritesAndRegrouping) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"A", "B", "A"});
  g.SortSettings()->SetAutoSortForGrouping(false);
  const auto before = Rows(g);
  g.SetGroupColumn(0);
  EXPECT_EQ(g.GroupColumn(), -1) << "0 does nothing";
  g.UnGroup();
  EXPECT_EQ(Rows(g), before);
  g.SetGroupColumn(2);
  EXPECT_EQ(Shape(g), (std::vector<std::string>{"[A]", "n1", "[B]", "n2", "[A]", "n3", ""}));
  // Grouping again ungroups first: by the names, one group per row.
  g.Group(1);
  EXPECT_EQ(g.GroupColumn(), 1);
  EXPECT_EQ(g.NodeCount(), 3);
  g.SetGroupColumn(-1);
  EXPECT_EQ(Rows(g), before);
}

TEST(DivUzevGrouping, GroupingSortsFirstWhenAsked) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"B", "A", "B"});
  g.Group(2);
  EXPECT_EQ(Shape(g), (std::vector<std::string>{"[A]", "n2", "[B]", "n1", "n3", ""}));
}

TEST(DivUzevGrouping, MergedHeadersSpanTheRow) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"A", "B"});
  g.SetColCount(5);
  g.Grouping()->SetMergeHeader(true);
  g.Grouping()->SetHeaderColor(clYellow);
  g.Group(2);
  ASSERT_TRUE(g.IsNode(1));
  EXPECT_TRUE(g.IsMergedCell(1, 1));
  EXPECT_TRUE(g.IsMergedCell(3, 1));
  EXPECT_EQ(g.Colors(1, 1), clYellow);
  EXPECT_FALSE(g.IsMergedCell(1, 2));
  g.UnGroup();
  EXPECT_FALSE(g.IsMergedCell(1, 1));
}

TEST(DivUzevGrouping, CalculationsSkipContractedGroups) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"A", "A", "A", "B", "B"});
  g.Group(2);
  // Amounts (now column 2): group A rows 1..3, group B rows 4..5.
  g.GroupCount(2);
  EXPECT_EQ(g.GetCellEx(2, 1), "3");
  g.GroupSum(2);
  EXPECT_EQ(g.GetCellEx(2, 1), "6.00");
  EXPECT_EQ(g.GetCellEx(2, 5), "9.00");
  g.ContractNode(5);
  g.SetCellEx(2, 5, "old");
  g.GroupAvg(2);
  EXPECT_EQ(g.GetCellEx(2, 1), "2.00");
  EXPECT_EQ(g.GetCellEx(2, 5), "old") << "a contracted group keeps its text";
  g.ExpandNode(g.RealRowIndex(5));
  g.OnGroupCalc = [](TObject*, int, int From, int To, double& Res) { Res = To - From + 100; };
  g.GroupCustomCalc(2);
  EXPECT_EQ(g.GetCellEx(2, 5), "101.00");
}

TEST(DivUzevGrouping, SummaryRowsTakeTheResults) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"A", "A", "B"});
  g.Grouping()->SetSummary(true);
  g.Group(2);
  g.GroupMax(2);
  EXPECT_EQ(g.GetCellEx(2, 4), "2.00") << "the summary row after group A";
  EXPECT_EQ(g.GetCellEx(2, 1), "");
}

TEST(DivUzevGrouping, ASecondLevelComesAndGoesInsideTheGroups) {
  // Columns: 0 fixed, 1 name, 2 group, 3 sub-group, 4 amount.
  TDedAdararAdoz g(nullptr);
  g.SetColCount(5);
  g.SetRowCount(5);
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"A", "x"}, {"A", "x"}, {"A", "y"}, {"B", "z"}};
  for (size_t i = 0; i < rows.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    g.SetCellEx(1, r, "n" + std::to_string(r));
    g.SetCellEx(2, r, rows[i].first);
    g.SetCellEx(3, r, rows[i].second);
    g.SetCellEx(4, r, std::to_string(r));
  }
  g.Group(2);
  const auto grouped = Rows(g);
  const int groupedRows = g.RowCount();

  g.SubGroup(2);
  std::vector<std::string> subHeaders;
  for (int r = 1; r < g.RowCount(); ++r)
    if (g.IsNode(r) && g.GetNodeLevel(r) > 1) subHeaders.push_back(g.GetCellEx(3, r));
  EXPECT_EQ(subHeaders, (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_EQ(g.RowCount(), groupedRows + 3);
  for (int r = 1; r < g.RowCount(); ++r)
    if (!g.IsNode(r)) EXPECT_EQ(g.GetCellEx(2, r), "") << "the value moved to its sub-header, row " << r;

  g.SubUnGroup(2);
  EXPECT_EQ(Rows(g), grouped);
}
