// Structure edits: sequences of row edits checked against a simple model of
// rows, hidden rows, modified marks and cell properties; the rows a removal
// takes; removing duplicates; merging; column removal by selection;
// clearing; adding rows under a floating footer; the cell search.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "grid/model/DivUzev.h"

namespace {

constexpr int kCols = 4;

std::string CellText(int id, int col) { return "r" + std::to_string(id) + "c" + std::to_string(col); }

// Every real row of the grid with what the grid must keep of it.
struct ModelRow {
  int id;
  bool hidden = false;
  bool modified = false;
};

class RowModel {
 public:
  std::vector<ModelRow> rows;  // in real order; row 0 is the header row
  int nextId = 0;

  int Shown() const {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const ModelRow& r) { return !r.hidden; }));
  }
  // The real index of display row d (the end for d past the shown rows).
  int RealOf(int d) const {
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
      if (!rows[static_cast<size_t>(i)].hidden && d-- == 0) return i;
    return static_cast<int>(rows.size());
  }
};

// One step of a sequence, done on the grid and on the model alike.
struct Op {
  enum Kind { Hide, Show, ShowAll, Insert, Remove, Move, Modify, Swap } kind;
  int a = 0, b = 0, c = 0;
};

class StructureFixture {
 public:
  StructureFixture() {
    g.SetColCount(kCols);
    g.SetRowCount(12);
    g.ShowModified()->SetEnabled(true);
    for (int r = 0; r < 12; ++r) {
      m.rows.push_back({m.nextId});
      Fill(r, m.nextId++);
    }
  }

  void Fill(int displayRow, int id) {
    for (int c = 0; c < kCols; ++c) g.SetCellEx(c, displayRow, CellText(id, c));
    // Every third row has properties in column 2 that name it.
    if (id % 3 == 0) g.GetCellProperties(2, displayRow)->SetFontSize(100 + id);
  }

  void Apply(const Op& op) {
    switch (op.kind) {
      case Op::Hide:
        g.HideRows(op.a, op.b);
        for (int r = op.a; r <= op.b; ++r) {
          ModelRow& row = m.rows[static_cast<size_t>(r)];
          row.hidden = true;
          row.modified = false;
        }
        break;
      case Op::Show:
        g.UnHideRows(op.a, op.b);
        if (m.rows[static_cast<size_t>(op.a)].hidden)
          for (int r = op.a; r <= op.b; ++r) m.rows[static_cast<size_t>(r)].hidden = false;
        break;
      case Op::ShowAll:
        g.UnHideRowsAll();
        for (ModelRow& r : m.rows) r.hidden = false;
        break;
      case Op::Insert: {
        const int real = m.RealOf(op.a);
        g.InsertRows(op.a, op.b);
        for (int k = 0; k < op.b; ++k) {
          m.rows.insert(m.rows.begin() + real + k, {m.nextId});
          Fill(op.a + k, m.nextId++);
        }
        break;
      }
      case Op::Remove: {
        g.RemoveRows(op.a, op.b);
        // Only rows that exist and are not the fixed header row go.
        const int first = std::max(op.a, 1);
        const int last = std::min(op.a + op.b, m.Shown());
        for (int d = last - 1; d >= first; --d) m.rows.erase(m.rows.begin() + m.RealOf(d));
        break;
      }
      case Op::Move: {
        g.MoveRows(op.a, op.b, op.c);
        std::vector<ModelRow> moved;
        for (int k = 0; k < op.c; ++k) {
          const int real = m.RealOf(op.a);
          moved.push_back(m.rows[static_cast<size_t>(real)]);
          moved.back().modified = false;
          m.rows.erase(m.rows.begin() + real);
        }
        const int to = std::clamp(op.a + op.c < op.b ? op.b - op.c : op.b, 0, m.Shown());
        const int real = m.RealOf(to);
        m.rows.insert(m.rows.begin() + real, moved.begin(), moved.end());
        break;
      }
      case Op::Modify:
        g.SetRowModified(op.a, true);
        m.rows[static_cast<size_t>(m.RealOf(op.a))].modified = true;
        break;
      case Op::Swap:
        g.SwapRows(op.a, op.b);
        std::swap(m.rows[static_cast<size_t>(m.RealOf(op.a))], m.rows[static_cast<size_t>(m.RealOf(op.b))]);
        break;
    }
  }

  // The grid and the model agree on every real row.
  void Check(const std::string& where) {
    ASSERT_EQ(g.TotalRowCount(), static_cast<int>(m.rows.size())) << where;
    ASSERT_EQ(g.RowCount(), m.Shown()) << where;
    if (g.RowCount() > 1) {
      ASSERT_EQ(g.FixedRows(), 1) << where << ": the header row stays fixed";
    }
    int d = 0, modified = 0;
    for (int r = 0; r < static_cast<int>(m.rows.size()); ++r) {
      const ModelRow& row = m.rows[static_cast<size_t>(r)];
      ASSERT_EQ(g.IsHiddenRow(r), row.hidden) << where << " real row " << r;
      for (int c = 0; c < kCols; ++c)
        ASSERT_EQ(g.GetCellsEx(c, r), CellText(row.id, c)) << where << " row " << r;
      if (row.hidden) continue;
      ASSERT_EQ(g.RealRowIndex(d), r) << where;
      ASSERT_EQ(g.RowModified(d), row.modified) << where << " display row " << d;
      modified += row.modified ? 1 : 0;
      const bool props = row.id % 3 == 0;
      ASSERT_EQ(g.HasCellProperties(2, d), props) << where << " display row " << d;
      if (props) {
        ASSERT_EQ(g.GetCellProperties(2, d)->FontSize(), 100 + row.id) << where;
        ASSERT_EQ(g.GetCellProperties(2, d)->OwnerRow(), d) << where << " the properties know their row";
      }
      ++d;
    }
    ASSERT_EQ(g.ModifiedRowCount(), modified) << where;
  }

  TDedAdararAdoz g{nullptr};
  RowModel m;
};

TEST(DivUzevStructure, RowEditsKeepHiddenRowsMarksAndPropertiesInStep) {
  struct Sequence {
    const char* name;
    std::vector<Op> ops;
  };
  const std::vector<Sequence> sequences = {
      // Two rows removed around a hidden one: it moves up by both.
      {"remove across a hidden row", {{Op::Hide, 5, 5}, {Op::Remove, 4, 2}, {Op::ShowAll}}},
      // A hidden row below removed rows comes back right under them.
      {"remove above hidden rows", {{Op::Hide, 7, 8}, {Op::Remove, 2, 3}, {Op::Show, 4, 5}, {Op::ShowAll}}},
      // Rows inserted above a hidden row push it down.
      {"insert above hidden rows", {{Op::Hide, 6, 6}, {Op::Insert, 2, 2}, {Op::Insert, 9, 1}, {Op::ShowAll}}},
      // Inserting right under a hidden row keeps the hidden row above it.
      {"insert under a hidden row", {{Op::Hide, 3, 3}, {Op::Insert, 3, 1}, {Op::ShowAll}}},
      // Moving rows past hidden rows (the light removal and an insertion).
      {"move across hidden rows",
       {{Op::Hide, 4, 4}, {Op::Hide, 9, 9}, {Op::Move, 2, 8, 2}, {Op::Move, 6, 1, 1}, {Op::ShowAll}}},
      // Modified marks follow their rows (the second step of the Part's
      // example: rows 2 and 5 modified, row 3 removed, then a row
      // inserted at 2).
      {"modified marks", {{Op::Modify, 2}, {Op::Modify, 5}, {Op::Remove, 3, 1}, {Op::Insert, 2, 1}}},
      {"modified marks through hiding",
       {{Op::Modify, 3},
        {Op::Modify, 8},
        {Op::Hide, 5, 6},
        {Op::Modify, 6},
        {Op::ShowAll},
        {Op::Swap, 3, 9}}},
      // Removals reaching past the grid, before it, or onto the header
      // row take only the rows that exist and are not fixed.
      {"removals cut to the normal rows",
       {{Op::Remove, 10, 10},
        {Op::Remove, 10, 1},
        {Op::Remove, 0, 2},
        {Op::Remove, -3, 5},
        {Op::Remove, 4, 0},
        {Op::Remove, 3, -2}}},
      {"a long mix",
       {{Op::Hide, 2, 3},
        {Op::Modify, 4},
        {Op::Insert, 1, 3},
        {Op::Hide, 9, 11},
        {Op::Remove, 2, 4},
        {Op::Move, 1, 4, 2},
        {Op::Show, 7, 9},
        {Op::Swap, 1, 5},
        {Op::Insert, 6, 2},
        {Op::Remove, 5, 3},
        {Op::ShowAll},
        {Op::Remove, 1, 100},
        {Op::Insert, 1, 2}}},
  };
  for (const Sequence& s : sequences) {
    SCOPED_TRACE(s.name);
    StructureFixture f;
    for (size_t i = 0; i < s.ops.size(); ++i) {
      f.Apply(s.ops[i]);
      ASSERT_NO_FATAL_FAILURE(f.Check("step " + std::to_string(i)));
    }
  }
}

TEST(DivUzevStructure, RemovingRowsLeavesTheCurrentRowAndSelectionSensible) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(6);
  g.SetRow(5);
  g.RemoveRows(5, 1);
  EXPECT_EQ(g.RowCount(), 5);
  EXPECT_EQ(g.Row(), 4) << "the row above the removed last row becomes current";
  g.SetRow(2);
  g.RemoveRows(3, 1);
  EXPECT_EQ(g.Row(), 2);
  g.RemoveRows(1, 10);
  EXPECT_EQ(g.RowCount(), 1) << "the header row stays";
  EXPECT_GE(g.Selection().Top, g.RowCount()) << "nothing left to select";
  g.InsertRows(1, 2);
  EXPECT_EQ(g.FixedRows(), 1) << "the header row is fixed again once data rows come back";
}

TEST(DivUzevStructure, RemovingManyRowsFreesTheirPropertiesAndDropsTheirControls) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(2000);
  for (int r = 1; r < 2000; ++r) {
    g.SetCellEx(1, r, std::to_string(r));
    if (r % 10 == 0) g.SetColors(1, r, clRed);
  }
  g.HideRows(1500, 1509);
  g.RemoveRows(100, 1200);
  EXPECT_EQ(g.RowCount(), 2000 - 10 - 1200);
  EXPECT_EQ(g.GetCellEx(1, 99), "99");
  EXPECT_EQ(g.GetCellEx(1, 100), "1300");
  EXPECT_EQ(g.Colors(1, 100), clRed);
  EXPECT_EQ(g.Colors(1, 101), clNone);
  EXPECT_TRUE(g.IsHiddenRow(300));
  EXPECT_EQ(g.GetCellsEx(1, 300), "1500");
}

TEST(DivUzevStructure, DuplicatesGoAndCaseCountsOnlyWhenAsked) {
  struct Case {
    bool doCase;
    std::vector<std::string> kept;
  };
  for (const Case& c : {Case{false, {"A", "B"}}, Case{true, {"A", "a", "B"}}}) {
    TDedAdararAdoz g(nullptr);
    g.SetRowCount(5);
    const char* texts[] = {"A", "a", "B", "A"};
    for (int r = 1; r < 5; ++r) g.SetCellEx(1, r, texts[r - 1]);
    g.RemoveDuplicates(1, c.doCase);
    std::vector<std::string> kept;
    for (int r = 1; r < g.RowCount(); ++r) kept.push_back(g.GetCellEx(1, r));
    EXPECT_EQ(kept, c.kept) << "DoCase " << c.doCase;
  }
}

TEST(DivUzevStructure, EqualNeighboursMergeAlongAColumnAndARow) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(6);
  g.SetRowCount(7);
  const char* texts[] = {"X", "X", "Y", "Y", "Y", "Z"};
  for (int r = 1; r < 7; ++r) g.SetCellEx(2, r, texts[r - 1]);
  g.MergeColumnCells(2, true);
  EXPECT_EQ(g.CellSpan(2, 1), TGridCoord(0, 1));
  EXPECT_EQ(g.CellSpan(2, 3), TGridCoord(0, 2));
  EXPECT_FALSE(g.IsMergedCell(2, 6)) << "a single differing cell stays unmerged";
  EXPECT_EQ(g.GetCellEx(2, 5), "Y");
  g.SplitColumnCells(2);
  EXPECT_FALSE(g.IsMergedCell(2, 1));
  EXPECT_FALSE(g.IsMergedCell(2, 4));

  for (int c = 1; c < 6; ++c) g.SetCellEx(c, 1, c < 4 ? "same" : "other");
  g.MergeRowCells(1, true);
  EXPECT_EQ(g.CellSpan(1, 1), TGridCoord(2, 0));
  EXPECT_EQ(g.CellSpan(4, 1), TGridCoord(1, 0));
  g.SplitAllCells();
  EXPECT_FALSE(g.IsMergedCell(1, 1));
}

TEST(DivUzevStructure, TheMergedColumnsListMergesItsColumnsAnew) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(7);
  const char* outer[] = {"X", "X", "X", "Y", "Y", "Z"};
  const char* inner[] = {"a", "a", "b", "b", "c", "c"};
  for (int r = 1; r < 7; ++r) {
    g.SetCellEx(1, r, outer[r - 1]);
    g.SetCellEx(2, r, inner[r - 1]);
  }
  g.MergeColumnCells(3, true);  // nothing to merge there; nothing breaks
  g.MergedColumns()->Add(1);
  EXPECT_EQ(g.CellSpan(1, 1), TGridCoord(0, 2));
  EXPECT_EQ(g.CellSpan(1, 4), TGridCoord(0, 1));
  EXPECT_FALSE(g.IsMergedCell(2, 1)) << "only the listed columns merge";
  // The second column merges only within the first one's areas.
  g.MergedColumns()->Add(2);
  EXPECT_EQ(g.CellSpan(2, 1), TGridCoord(0, 1));
  EXPECT_FALSE(g.IsMergedCell(2, 3)) << "b, b cross the X/Y border";
  EXPECT_EQ(g.CellSpan(2, 5), TGridCoord(0, 0));
  EXPECT_EQ(g.CellSpan(1, 1), TGridCoord(0, 2));
  // Taking a column off the list splits it again.
  g.MergedColumns()->DeleteValue(1);
  EXPECT_FALSE(g.IsMergedCell(1, 1));
  EXPECT_EQ(g.CellSpan(2, 3), TGridCoord(0, 1)) << "now the main merge";
  g.MergedColumns()->Add(9);
  EXPECT_EQ(g.CellSpan(2, 3), TGridCoord(0, 1)) << "a column the grid lacks is passed";
}

TEST(DivUzevStructure, ColumnsOutsideTheSelectionGo) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(6);
  for (int c = 0; c < 6; ++c) g.SetCellEx(c, 1, "c" + std::to_string(c));
  g.SetSelection(TGridRect(2, 1, 3, 3));
  g.RemoveUnSelectedCols();
  ASSERT_EQ(g.ColCount(), 3);
  const char* kept[] = {"c0", "c2", "c3"};
  for (int c = 0; c < 3; ++c) EXPECT_EQ(g.GetCellEx(c, 1), kept[c]);

  // Column edits keep hidden columns and their widths where they belong.
  TDedAdararAdoz h(nullptr);
  h.SetColCount(6);
  for (int c = 0; c < 6; ++c) h.SetCellEx(c, 1, "c" + std::to_string(c));
  h.SetColWidths(4, 33);
  h.HideColumn(4);
  h.RemoveCols(1, 2);
  EXPECT_TRUE(h.IsHiddenColumn(2));
  EXPECT_EQ(h.AllColWidths(2), 33);
  EXPECT_EQ(h.GetCellEx(2, 1), "c4");
  h.InsertCols(0, 1);
  EXPECT_TRUE(h.IsHiddenColumn(3));
  EXPECT_EQ(h.GetCellEx(3, 1), "c4");
  EXPECT_EQ(h.GetCellEx(0, 1), "");
}

TEST(DivUzevStructure, ClearingRemovesPropertiesUnlessOnlyTextsAreCleared) {
  TDedAdararAdoz g(nullptr);
  g.SetCellEx(1, 1, "x");
  g.SetColors(1, 1, clRed);
  g.SetClearTextOnly(true);
  g.Clear();
  EXPECT_EQ(g.GetCellEx(1, 1), "");
  EXPECT_EQ(g.Colors(1, 1), clRed) << "colours survive a text-only clear";
  EXPECT_TRUE(g.HasCellProps());
  g.SetClearTextOnly(false);
  g.Clear();
  EXPECT_FALSE(g.HasCellProperties(1, 1));
  EXPECT_FALSE(g.HasCellProps());

  // The saved cells of hidden rows go with ClearAll, the rows stay hidden.
  g.SetCellEx(1, 3, "hidden");
  g.HideRow(3);
  g.ClearAll();
  EXPECT_TRUE(g.IsHiddenRow(3));
  EXPECT_EQ(g.GetCellsEx(1, 3), "");
}

TEST(DivUzevStructure, AddingARowUnderAFloatingFooter) {
  for (TFooterStyle style : {fsFixedLastRow, fsColumnPreview}) {
    TDedAdararAdoz g(nullptr);
    g.SetRowCount(4);
    g.FloatingFooter()->SetFooterStyle(style);
    g.FloatingFooter()->SetVisible(true);
    g.SetCellEx(1, 3, "footer");
    g.AddRow();
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.GetCellEx(1, 4), "footer") << "the footer stays the last row";
    EXPECT_EQ(g.GetCellEx(1, 3), "");
  }
}

TEST(DivUzevStructure, IsCellFindsTheFirstExactTextRowByRow) {
  TDedAdararAdoz g(nullptr);
  g.SetCellEx(3, 1, "key");
  g.SetCellEx(1, 2, "key");
  g.SetCellEx(0, 1, "Key");
  int c = -1, r = -1;
  ASSERT_TRUE(g.IsCell("key", c, r));
  EXPECT_EQ(TGridCoord(c, r), TGridCoord(3, 1));
  EXPECT_FALSE(g.IsCell("KEY", c, r));
  EXPECT_TRUE(g.IsWideCell(0, 0) == false);
}

TEST(DivUzevStructure, SwappingColumnsTakesWidthsPropertiesAndTheSortColumnAlong) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(5);
  g.SetCellEx(1, 1, "one");
  g.SetCellEx(3, 1, "three");
  g.SetColors(1, 2, clRed);
  g.SetColWidths(3, 99);
  g.SortSettings()->SetColumn(3);
  g.SwapColumns(1, 3);
  EXPECT_EQ(g.GetCellEx(1, 1), "three");
  EXPECT_EQ(g.GetCellEx(3, 1), "one");
  EXPECT_EQ(g.Colors(3, 2), clRed);
  EXPECT_EQ(g.Colors(1, 2), clNone);
  EXPECT_EQ(g.ColWidths(1), 99);
  EXPECT_EQ(g.SortSettings()->Column(), 1);
}

}  // namespace

TEST(DivUzevStructure, CheckedOrUncheckedRowsGoAndRowsWithoutABoxStay) {
  // Rows 1..6: on, off, no box, data box on, data box off, on.
  struct Case {
    bool removeChecked;
    std::vector<std::string> left;
  };
  const std::vector<Case> cases = {{true, {"b", "c", "e"}}, {false, {"a", "c", "d", "f"}}};
  for (const Case& tc : cases) {
    TDedAdararAdoz g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(7);
    const char* names[] = {"a", "b", "c", "d", "e", "f"};
    for (int r = 1; r < 7; ++r) g.SetCellEx(1, r, names[r - 1]);
    g.AddCheckBox(2, 1, true, false);
    g.AddCheckBox(2, 2, false, false);
    g.SetCellEx(2, 4, "Y");
    g.AddCheckBox(2, 4, true, true);
    g.SetCellEx(2, 5, "N");
    g.AddCheckBox(2, 5, false, true);
    g.AddCheckBox(2, 6, true, false);
    g.RemoveCheckedRows(2, tc.removeChecked);
    std::vector<std::string> left;
    for (int r = 1; r < g.RowCount(); ++r) left.push_back(g.GetCellEx(1, r));
    EXPECT_EQ(left, tc.left) << tc.removeChecked;
  }
}
