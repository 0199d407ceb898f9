// Tree nodes: adding, contracting and expanding, nesting, parents and tree
// lines, child rows, the glyph hit test; and sequences of hiding, node,
// filter and row edits checked against a simple model of the rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "grid/base/VevObj.h"
#include "grid/model/DivUzev.h"

namespace {

// A grid of one header row and Rows data rows; cell (c, r) holds "r<r>c<c>".
void Fill(TDedAdararAdoz& g, int Rows, int Cols = 3) {
  g.SetColCount(Cols);
  g.SetRowCount(Rows + 1);
  g.SetFixedRows(1);
  for (int r = 0; r <= Rows; ++r)
    for (int c = 0; c < Cols; ++c) g.SetCellEx(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
}

std::vector<std::string> Column(TDedAdararAdoz& g, int Col) {
  std::vector<std::string> v;
  for (int r = 0; r < g.RowCount(); ++r) v.push_back(g.GetCellEx(Col, r));
  return v;
}

int Level(TDedAdararAdoz& g, int Row) {
  return g.HasCellProperties(0, Row) ? g.GetCellProperties(0, Row)->NodeLevel() : 0;
}

}  // namespace

TEST(DivUzevNodes, ContractHidesTheSpanAndExpandBringsItBackInOrder) {
  TDedAdararAdoz g(nullptr);
  Fill(g, 6);
  g.AddNode(1, 3);
  EXPECT_TRUE(g.IsNode(1));
  EXPECT_EQ(g.GetNodeSpan(1), 3);
  EXPECT_EQ(g.GetNodeLevel(1), 1);
  EXPECT_EQ(Level(g, 2), 1);
  EXPECT_EQ(Level(g, 3), 1);
  EXPECT_EQ(Level(g, 4), 0);
  EXPECT_EQ(g.NodeCount(), 1);
  const auto before = Column(g, 1);

  g.ContractNode(1);
  EXPECT_EQ(g.RowCount(), 5);
  EXPECT_TRUE(g.GetNodeState(1));
  EXPECT_EQ(g.GetCellEx(1, 2), "r4c1");
  EXPECT_TRUE(g.IsHiddenRow(2));
  EXPECT_TRUE(g.IsHiddenRow(3));

  g.ExpandNode(1);
  EXPECT_FALSE(g.GetNodeState(1));
  EXPECT_EQ(Column(g, 1), before);
  EXPECT_EQ(g.NumHiddenRows(), 0);
}

TEST(DivUzevNodes, SpanZeroReachesTheNextNodeOrTheEnd) {
  TDedAdararAdoz g(nullptr);
  Fill(g, 8);
  g.AddNode(1, 0);
  g.AddNode(5, 0);
  g.ContractNode(1);
  EXPECT_EQ(g.RowCount(), 9 - 3) << "rows 2..4 go";
  EXPECT_EQ(g.GetCellEx(1, 2), "r5c1");
  g.ContractNode(5);
  EXPECT_EQ(g.RowCount(), 3) << "the last node takes every row below it";
  g.ExpandAll();
  EXPECT_EQ(g.RowCount(), 9);
  EXPECT_EQ(g.GetCellEx(1, 8), "r8c1");
}

TEST(DivUzevNodes, ExpandOneContractsTheOtherNodes) {
  TDedAdararAdoz g(nullptr);
  Fill(g, 8);
  g.AddNode(1, 3);
  g.AddNode(4, 3);
  g.ContractAll();
  EXPECT_EQ(g.RowCount(), 3 + 2);
  g.CellNode()->SetExpandOne(true);
  g.ExpandNode(1);
  EXPECT_FALSE(g.GetNodeState(1));
  EXPECT_TRUE(g.GetNodeState(4));
  g.ExpandNode(g.RealRowIndex(4));
  EXPECT_TRUE(g.GetNodeState(1)) << "the first node closed for the second";
  EXPECT_EQ(g.GetCellEx(1, 3), "r5c1");
}

TEST(DivUzevNodes, ContractingAParentOverAContractedChildShowsEverythingOnExpand) {
  TDedAdararAdoz g(nullptr);
  Fill(g, 8);
  g.AddNode(1, 6);  // rows 1..6
  g.AddNode(3, 3);  // rows 3..5 inside
  EXPECT_EQ(g.GetNodeLevel(3), 2);
  const auto all = Column(g, 2);
  g.ContractNode(3);
  EXPECT_EQ(g.RowCount(), 7);
  g.ContractNode(1);
  EXPECT_EQ(g.RowCount(), 4);
  g.ExpandNode(1);
  EXPECT_EQ(Column(g, 2), all);
  EXPECT_FALSE(g.GetNodeState(3)) << "the child reads expanded";
}

TEST(DivUzevNodes, ParentsAndTreeLines) {
  TDedAdararAdoz g(nullptr);
  Fill(g, 8);
  g.AddNode(1, 4);  // 1..4
  g.AddNode(6, 3);  // 6..8
  EXPECT_EQ(g.GetParentRow(5), -1) << "outside every node";
  EXPECT_EQ(g.GetParentRow(1), 1) << "a top-level node is its own parent";
  EXPECT_EQ(g.GetParentRow(3), 1);
  EXPECT_EQ(g.GetParentRow(7), 6);
  EXPECT_EQ(g.GetNodeSpanType(1), 0);
  EXPECT_EQ(g.GetNodeSpanType(2), 2) << "a sibling follows";
  EXPECT_EQ(g.GetNodeSpanType(4), 1) << "the last child";
  EXPECT_EQ(g.GetNodeSpanType(8), 1);
}

TEST(DivUzevNodes, ChildRowsGrowAndShrinkEveryEnclosingNode) {
  TDedAdararAdoz g(nullptr);
  Fill(g, 9);
  g.AddNode(1, 7);         // 1..7
  g.AddNode(3, 3);         // 3..5
  g.InsertChildRow(4, 1);  // a row at 5, inside both
  EXPECT_EQ(g.RowCount(), 11);
  EXPECT_EQ(g.GetNodeSpan(3), 4);
  EXPECT_EQ(g.GetSubNodeCount(3), 1);
  EXPECT_EQ(g.GetNodeSpan(1), 8);
  EXPECT_EQ(g.GetSubNodeCount(1), 1);
  EXPECT_EQ(Level(g, 5), 2);
  EXPECT_EQ(g.GetCellEx(1, 6), "r5c1") << "rows below move down";

  g.RemoveChildRow(5);
  EXPECT_EQ(g.RowCount(), 10);
  EXPECT_EQ(g.GetNodeSpan(3), 3);
  EXPECT_EQ(g.GetNodeSpan(1), 7);
  EXPECT_EQ(g.GetSubNodeCount(1), 0);
  EXPECT_EQ(g.GetCellEx(1, 5), "r5c1");
}

TEST(DivUzevNodes, AChildRowUnderANodeRowTakesItsContents) {
  TDedAdararAdoz g(nullptr);
  Fill(g, 4);
  g.AddNode(1, 2);
  g.InsertChildRow(1, 0);
  EXPECT_EQ(g.GetCellEx(1, 1), "");
  EXPECT_EQ(g.GetCellEx(1, 2), "r1c1");
  EXPECT_TRUE(g.IsNode(1)) << "the node stays on its row";
  EXPECT_EQ(g.GetNodeSpan(1), 3);
}

TEST(DivUzevNodes, RemovingNodesLowersLevelsAndShowsTheRows) {
  TDedAdararAdoz g(nullptr);
  Fill(g, 6);
  g.AddNode(1, 3);
  g.AddNode(4, 2);
  g.ContractNode(1);
  g.RemoveNode(1);
  EXPECT_EQ(g.RowCount(), 7);
  EXPECT_FALSE(g.IsNode(1));
  EXPECT_EQ(Level(g, 2), 0);
  EXPECT_EQ(g.NodeCount(), 1);
  g.RemoveAllNodes();
  EXPECT_EQ(g.NodeCount(), 0);
  EXPECT_FALSE(g.HasNodes());
  EXPECT_EQ(Level(g, 5), 0);
}

TEST(DivUzevNodes, NodeButtonHitTest) {
  TDedAdararAdoz g(nullptr);
  Fill(g, 4);
  g.AddNode(1, 2);
  struct Case {
    TNodeType type;
    int x;
    bool hit;
  };
  // Level 1, indent 12: cnXP hits 4 < X < 16; cn3D 0 < X < 18; cnLeaf 2 < X < 20.
  const Case cases[] = {{cnXP, 5, true},    {cnXP, 4, false},   {cnXP, 16, false}, {cnXP, 15, true},
                        {cn3D, 1, true},    {cn3D, 18, false},  {cnLeaf, 3, true}, {cnLeaf, 2, false},
                        {cnLeaf, 19, true}, {cnFlat, 16, false}};
  for (const Case& c : cases) {
    g.CellNode()->SetNodeType(c.type);
    EXPECT_EQ(g.IsInNodeButton(1, c.x), c.hit) << "type " << c.type << " x " << c.x;
  }
  g.MouseActions()->SetPreciseNodeClick(false);
  EXPECT_TRUE(g.IsInNodeButton(1, 300));
}

// ---------------------------------------------------------------------------
// Sequences against a model

namespace {

// Column 1 says whether the row's id is even, column 2 whether it divides by 3.
std::string Cell(int id, int c) {
  if (c == 0) return "id" + std::to_string(id);
  if (c == 1) return id % 2 == 0 ? "even" : "odd";
  return id % 3 == 0 ? "three" : "other";
}

struct MRow {
  int id;
  bool range = false;  // hidden by range or by a contracted node
  int level = 0;       // filter level that hides it
  bool Hidden() const { return range || level > 0; }
};

struct MNode {
  int span;
  bool contracted = false;
};

struct Step {
  enum Kind { HideRange, Contract, Expand, FilterEven, FilterThree, Unfilter, Insert, Remove } kind;
  int a = 0, b = 0;
};

class NodeModelFixture {
 public:
  NodeModelFixture() {
    g.SetColCount(3);
    g.SetRowCount(21);
    g.SetFixedRows(1);
    for (int r = 0; r <= 20; ++r) {
      rows.push_back({r});
      for (int c = 0; c < 3; ++c) g.SetCellEx(c, r, Cell(r, c));
    }
    nextId = 21;
    // Nodes by the id of their row: 2..6, 10..14 with 11..12 inside.
    AddNode(2, 5);
    AddNode(10, 5);
    AddNode(11, 2);
  }

  void AddNode(int id, int span) {
    g.AddNode(RealOfId(id), span);
    nodes[id] = {span};
  }

  int RealOfId(int id) const {
    for (size_t i = 0; i < rows.size(); ++i)
      if (rows[i].id == id) return static_cast<int>(i);
    return -1;
  }
  int RealOfDisplay(int d) const {
    for (size_t i = 0; i < rows.size(); ++i)
      if (!rows[i].Hidden() && d-- == 0) return static_cast<int>(i);
    return static_cast<int>(rows.size());
  }
  int Shown() const {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const MRow& r) { return !r.Hidden(); }));
  }
  bool IsNodeId(int id) const { return nodes.count(id) > 0; }
  bool Matches(int id) const {
    if (condition.empty()) return true;
    return condition == "even" ? Cell(id, 1) == "even" : Cell(id, 2) == "three";
  }
  bool InsideContracted(int real) const {
    for (const auto& [id, n] : nodes) {
      const int r = RealOfId(id);
      if (r >= 0 && n.contracted && !rows[static_cast<size_t>(r)].Hidden() && real > r && real < r + n.span)
        return true;
    }
    return false;
  }

  void Filter(const std::string& Cond, int Col) {
    condition = Cond;
    g.Filter()->Clear();
    TFilterData* f = g.Filter()->Add();
    f->SetColumn(static_cast<int16_t>(Col));
    f->SetCondition(Cond);
    g.ApplyFilter();
    ++levels;
    for (MRow& r : rows)
      if (!r.Hidden() && !IsNodeId(r.id) && r.id != 0 && !Matches(r.id)) r.level = levels;
  }

  void Apply(const Step& s) {
    switch (s.kind) {
      case Step::HideRange: {
        g.HideRows(s.a, s.b);
        for (int r = s.a; r <= s.b; ++r) rows[static_cast<size_t>(r)].range = true;
        break;
      }
      case Step::Contract: {
        const int r = RealOfId(s.a);
        MNode& n = nodes[s.a];
        if (rows[static_cast<size_t>(r)].Hidden() || n.contracted) break;
        g.ContractNode(r);
        n.contracted = true;
        for (int k = r + 1; k < r + n.span && k < static_cast<int>(rows.size()); ++k) {
          MRow& row = rows[static_cast<size_t>(k)];
          if (IsNodeId(row.id) && !row.Hidden()) nodes[row.id].contracted = false;
          if (!row.Hidden()) row.range = true;
        }
        break;
      }
      case Step::Expand: {
        const int r = RealOfId(s.a);
        MNode& n = nodes[s.a];
        if (rows[static_cast<size_t>(r)].Hidden() || !n.contracted) break;
        g.ExpandNode(r);
        n.contracted = false;
        for (int k = r + 1; k < r + n.span && k < static_cast<int>(rows.size()); ++k) {
          MRow& row = rows[static_cast<size_t>(k)];
          if (!row.range) continue;
          row.range = false;
          if (levels > 0 && !IsNodeId(row.id) && !Matches(row.id)) row.level = levels;
        }
        break;
      }
      case Step::FilterEven:
        Filter("even", 1);
        break;
      case Step::FilterThree:
        Filter("three", 2);
        break;
      case Step::Unfilter: {
        if (levels == 0) break;
        g.RemoveLastFilter();
        for (size_t k = 0; k < rows.size(); ++k) {
          if (rows[k].level != levels) continue;
          rows[k].level = 0;
          if (InsideContracted(static_cast<int>(k))) rows[k].range = true;
        }
        --levels;
        break;
      }
      case Step::Insert: {
        const int real = RealOfDisplay(s.a);
        g.InsertRows(s.a, s.b);
        for (int k = 0; k < s.b; ++k) {
          rows.insert(rows.begin() + real + k, {nextId});
          for (int c = 0; c < 3; ++c) g.SetCellEx(c, s.a + k, Cell(nextId, c));
          ++nextId;
        }
        break;
      }
      case Step::Remove: {
        g.RemoveRows(s.a, s.b);
        const int last = std::min(s.a + s.b, Shown());
        for (int d = last - 1; d >= std::max(s.a, 1); --d) rows.erase(rows.begin() + RealOfDisplay(d));
        break;
      }
    }
  }

  void Check(const std::string& where) {
    ASSERT_EQ(g.TotalRowCount(), static_cast<int>(rows.size())) << where;
    ASSERT_EQ(g.RowCount(), Shown()) << where;
    ASSERT_EQ(g.FilterLevel(), levels) << where;
    int d = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
      const MRow& row = rows[r];
      ASSERT_EQ(g.IsHiddenRow(static_cast<int>(r)), row.Hidden())
          << where << " real row " << r << " id " << row.id;
      for (int c = 0; c < 3; ++c)
        ASSERT_EQ(g.GetCellsEx(c, static_cast<int>(r)), Cell(row.id, c)) << where << " real row " << r;
      if (row.Hidden()) continue;
      ASSERT_EQ(g.RealRowIndex(d), static_cast<int>(r)) << where;
      if (IsNodeId(row.id)) {
        ASSERT_TRUE(g.IsNode(d)) << where << " node " << row.id;
        ASSERT_EQ(g.GetNodeState(d), nodes[row.id].contracted) << where << " node " << row.id;
      }
      ++d;
    }
  }

  TDedAdararAdoz g{nullptr};
  std::vector<MRow> rows;
  std::map<int, MNode> nodes;
  std::string condition;
  int levels = 0;
  int nextId = 0;
};

}  // namespace

TEST(DivUzevNodes, HidingNodesFiltersAndRowEditsKeepEveryRowInPlace) {
  struct Sequence {
    const char* name;
    std::vector<Step> steps;
  };
  using S = Step;
  const std::vector<Sequence> sequences = {
      {"contract, filter, unfilter, expand",
       {{S::Contract, 2}, {S::FilterEven}, {S::Unfilter}, {S::Expand, 2}}},
      {"filter, contract, unfilter keeps the node's rows in it",
       {{S::FilterEven}, {S::Contract, 2}, {S::Unfilter}, {S::Expand, 2}}},
      {"contract, filter, expand meets the filter",
       {{S::Contract, 10}, {S::FilterThree}, {S::Expand, 10}, {S::Unfilter}}},
      {"two levels and a range between",
       {{S::HideRange, 17, 18}, {S::FilterEven}, {S::FilterThree}, {S::Unfilter}, {S::Unfilter}}},
      {"range hidden before a filter stays hidden after it",
       {{S::HideRange, 8, 9}, {S::FilterThree}, {S::Unfilter}}},
      {"nested nodes with a filter",
       {{S::Contract, 11}, {S::Contract, 10}, {S::FilterEven}, {S::Expand, 10}, {S::Unfilter}}},
      {"rows inserted and removed while filtered",
       {{S::FilterEven}, {S::Insert, 3, 2}, {S::Remove, 6, 1}, {S::Unfilter}}},
      {"rows inserted above a contracted node",
       {{S::Contract, 10}, {S::Insert, 1, 3}, {S::Expand, 10}, {S::Remove, 1, 2}}},
      {"a long mix",
       {{S::HideRange, 19, 19},
        {S::Contract, 2},
        {S::FilterEven},
        {S::Insert, 2, 1},
        {S::Contract, 10},
        {S::FilterThree},
        {S::Unfilter},
        {S::Expand, 2},
        {S::Remove, 3, 1},
        {S::Unfilter},
        {S::Expand, 10}}},
  };
  for (const Sequence& seq : sequences) {
    NodeModelFixture f;
    f.Check(std::string(seq.name) + ": start");
    int i = 0;
    for (const Step& s : seq.steps) {
      f.Apply(s);
      f.Check(std::string(seq.name) + ": step " + std::to_string(i++));
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}
