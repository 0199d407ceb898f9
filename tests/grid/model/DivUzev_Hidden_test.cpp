// Hidden columns and rows: the two numberings, widths kept while hidden,
// any number of columns, and rows that keep their cells, properties and
// order through any mix of hiding, showing, inserting and removing.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "grid/model/DivUzev.h"

namespace {

TEST(DivUzevHidden, ColumnMapsWithOneColumnHidden) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetCellEx(1, 2, "in hidden column");
  g.HideColumn(1);
  EXPECT_EQ(g.ColCount(), 2);
  EXPECT_EQ(g.TotalColCount(), 3);
  EXPECT_EQ(g.NumHiddenColumns(), 1);
  EXPECT_TRUE(g.IsHiddenColumn(1));
  EXPECT_FALSE(g.IsHiddenColumn(2));
  struct Case {
    int display, real;
  };
  for (Case c : {Case{0, 0}, Case{1, 2}, Case{-1, -1}})
    EXPECT_EQ(g.RealColIndex(c.display), c.real) << c.display;
  EXPECT_EQ(g.DisplColIndex(2), 1);
  EXPECT_EQ(g.DisplColIndex(1), 1) << "a hidden column maps to the next shown one";
  EXPECT_EQ(g.GetCellEx(1, 2), "in hidden column");
}

TEST(DivUzevHidden, DisplayColumnsPastTheEndNeverMapOntoExistingColumns) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(6);
  g.HideColumns(1, 2);
  // Display 0..3 are real 0, 3, 4, 5; past them the maps go on one to one
  // and back again, never to column 0.
  const int expected[] = {0, 3, 4, 5, 6, 7};
  for (int d = 0; d < 6; ++d) EXPECT_EQ(g.RealColIndex(d), expected[d]) << d;
  EXPECT_NE(g.RealColIndex(511), 0);
  for (int d = 0; d < 600; ++d) EXPECT_EQ(g.DisplColIndex(g.RealColIndex(d)), d) << d;
}

TEST(DivUzevHidden, ManyColumnsHideAndShowWithTheirWidths) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(700);
  g.SetColWidths(600, 40000);
  g.SetColWidths(650, 17);
  g.SetCellEx(600, 3, "far right");
  g.HideColumns(600, 650);
  EXPECT_EQ(g.NumHiddenColumns(), 51);
  EXPECT_EQ(g.ColCount(), 649);
  EXPECT_TRUE(g.IsHiddenColumn(600));
  EXPECT_EQ(g.AllColWidths(600), 40000) << "widths are not cut to 16 bits";
  EXPECT_EQ(g.GetCellEx(600, 3), "far right");
  EXPECT_EQ(g.RealColIndex(600), 651);
  g.UnHideColumnsAll();
  EXPECT_EQ(g.ColCount(), 700);
  EXPECT_EQ(g.ColWidths(600), 40000);
  EXPECT_EQ(g.ColWidths(650), 17);
  EXPECT_EQ(g.ColWidths(601), g.DefaultColWidth());
}

TEST(DivUzevHidden, HidingRulesForColumns) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(4);
  g.SetColWidths(3, 123);
  g.SetCol(3);
  g.HideColumn(3);
  EXPECT_EQ(g.Col(), 2) << "the current last column gives way to the left";
  g.HideColumn(3);  // already hidden
  g.HideColumn(9);  // no such column
  EXPECT_EQ(g.NumHiddenColumns(), 1);
  g.HideColumns(0, 2);
  EXPECT_EQ(g.ColCount(), 1) << "the only shown column stays";
  g.UnHideColumns(0, 3);
  EXPECT_EQ(g.ColCount(), 4);
  EXPECT_EQ(g.ColWidths(3), 123);
  g.UnHideColumn(1);  // not hidden: nothing
  EXPECT_EQ(g.ColCount(), 4);
}

TEST(DivUzevHidden, RowMapsWithTwoRowsHiddenByRange) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(8);
  for (int r = 0; r < 8; ++r) g.SetCellEx(1, r, "row " + std::to_string(r));
  g.HideRows(2, 3);
  EXPECT_EQ(g.RowCount(), 6);
  EXPECT_EQ(g.NumHiddenRows(), 2);
  EXPECT_EQ(g.TotalRowCount(), 8);
  EXPECT_EQ(g.RealRowIndex(2), 4);
  EXPECT_EQ(g.DisplRowIndex(4), 2);
  EXPECT_EQ(g.DisplRowIndex(3), 2) << "a hidden row maps to the next shown one";
  EXPECT_EQ(g.RealRowIndex(-1), -1);
  EXPECT_TRUE(g.IsHiddenRow(3));
  EXPECT_EQ(g.GetCellEx(1, 2), "row 4");
  EXPECT_EQ(g.GetCellsEx(1, 3), "row 3") << "hidden rows are read by real row";
  g.SetCellsEx(5, 3, "padded");
  EXPECT_EQ(g.HiddenRowCells(3)->Strings(5), "padded");
  g.UnHideRowsAll();
  EXPECT_EQ(g.RowCount(), 8);
  for (int r = 0; r < 8; ++r) EXPECT_EQ(g.GetCellEx(1, r), "row " + std::to_string(r));
  EXPECT_EQ(g.GetCellEx(5, 3), "padded");
}

TEST(DivUzevHidden, HidingARangeAroundHiddenRowsSavesTheRightCells) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(10);
  for (int r = 0; r < 10; ++r) g.SetCellEx(0, r, std::to_string(r));
  g.HideRow(4);
  g.HideRows(3, 6);  // 3, 5 and 6 are new
  EXPECT_EQ(g.NumHiddenRows(), 4);
  for (int r : {3, 4, 5, 6}) EXPECT_EQ(g.GetCellsEx(0, r), std::to_string(r)) << r;
  EXPECT_EQ(g.GetCellEx(0, 3), "7");
  g.UnHideRows(5, 6);
  EXPECT_EQ(g.GetCellEx(0, 3), "5");
  EXPECT_EQ(g.GetCellEx(0, 4), "6");
  g.UnHideRows(3, 4);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(g.GetCellEx(0, r), std::to_string(r));
  // A range partly shown comes back in order.
  g.HideRow(2);
  g.HideRow(4);
  g.UnHideRows(2, 4);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(g.GetCellEx(0, r), std::to_string(r));
  EXPECT_EQ(g.NumHiddenRows(), 0);
}

TEST(DivUzevHidden, HiddenRowsKeepTheCellsOfHiddenColumnsAndTheirProperties) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(6);
  g.SetCellEx(2, 3, "hidden column, hidden row");
  g.GetCellProperties(2, 3)->SetFontColor(clRed);
  g.GetCellProperties(1, 3)->SetReadOnly(true);
  g.HideColumn(2);
  g.HideRow(3);
  g.UnHideRow(3);
  g.UnHideColumn(2);
  EXPECT_EQ(g.GetCellEx(2, 3), "hidden column, hidden row");
  ASSERT_TRUE(g.HasCellProperties(2, 3));
  EXPECT_EQ(g.GetCellProperties(2, 3)->FontColor(), clRed);
  EXPECT_TRUE(g.GetCellProperties(1, 3)->ReadOnly());
}

TEST(DivUzevHidden, RestoredRowsAreNotMarkedModified) {
  TDedAdararAdoz g(nullptr);
  g.ShowModified()->SetEnabled(true);
  g.HideRows(2, 4);
  g.UnHideRowsAll();
  EXPECT_EQ(g.ModifiedRowCount(), 0);
  EXPECT_TRUE(g.ShowModified()->Enabled());
}

TEST(DivUzevHidden, RemovingAFilterLevelKeepsRowsHiddenByRange) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(8);
  for (int r = 0; r < 8; ++r) g.SetCellEx(0, r, std::to_string(r));
  g.HideRow(2);  // by range: the display rows are now 0 1 3 4 5 6 7
  TIntList list(-1, -1);
  list.Add(2);  // real 3
  list.Add(4);  // real 5
  g.HideRowList(&list);
  g.SetFilterLevel(g.FilterLevel());
  EXPECT_EQ(g.RowCount(), 5);
  EXPECT_EQ(g.GetCellEx(0, 2), "4");
  g.UnHideRowList();
  g.SetFilterLevel(g.FilterLevel() - 1);
  // The filter's rows are back where they were; row 2 stays hidden.
  EXPECT_EQ(g.RowCount(), 7);
  EXPECT_EQ(g.NumHiddenRows(), 1);
  EXPECT_TRUE(g.IsHiddenRow(2));
  const char* shown[] = {"0", "1", "3", "4", "5", "6", "7"};
  for (int d = 0; d < 7; ++d) EXPECT_EQ(g.GetCellEx(0, d), shown[d]) << d;
  g.UnHideRowsAll();
  for (int r = 0; r < 8; ++r) EXPECT_EQ(g.GetCellEx(0, r), std::to_string(r));
}

// A simple model of a grid's rows: every real row has an identity, a hidden
// flag with the filter level that hid it (0: hidden by range), and cells
// that say which row and column they belong to. A random mix of operations
// on the grid and the model must agree after each step.
class RowModel {
 public:
  struct Row {
    int id;
    bool hidden;
    int level = 0;
  };
  std::vector<Row> rows;  // in real order
  int nextId = 0;

  int Shown() const {
    int n = 0;
    for (const Row& r : rows) n += r.hidden ? 0 : 1;
    return n;
  }
  // The real index of the display row d.
  int RealOf(int d) const {
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
      if (!rows[static_cast<size_t>(i)].hidden && d-- == 0) return i;
    return -1;
  }
};

std::string CellText(int id, int col) { return "r" + std::to_string(id) + "c" + std::to_string(col); }

TEST(DivUzevHidden, RowsKeepCellsPropertiesHeightsAndOrderThroughAnyMixOfEdits) {
  constexpr int kCols = 5;
  TDedAdararAdoz g(nullptr);
  g.SetColCount(kCols);
  RowModel m;
  auto fillRow = [&](int displayRow, int id) {
    for (int c = 0; c < kCols; ++c) g.SetCellEx(c, displayRow, CellText(id, c));
    // Every third row has properties in column 2 that name it.
    if (id % 3 == 0) g.GetCellProperties(2, displayRow)->SetFontSize(100 + id);
    // Every fourth row has a height of its own.
    if (id % 4 == 0) g.SetRowHeights(displayRow, 30 + id % 7);
  };
  auto heightOf = [&](int id) { return id % 4 == 0 ? 30 + id % 7 : g.DefaultRowHeight(); };
  int levels = 0;
  g.SetRowCount(12);
  for (int r = 0; r < 12; ++r) {
    m.rows.push_back({m.nextId, false});
    fillRow(r, m.nextId++);
  }

  std::mt19937 rnd(16);
  auto pick = [&](int n) { return n <= 0 ? 0 : static_cast<int>(rnd() % static_cast<unsigned>(n)); };
  for (int step = 0; step < 400; ++step) {
    const int total = static_cast<int>(m.rows.size());
    std::string op;
    switch (pick(10)) {
      case 0:
      case 1: {  // hide a real range
        const int from = pick(total), to = std::min(total - 1, from + pick(3));
        int shownInRange = 0;
        for (int r = from; r <= to; ++r) shownInRange += m.rows[static_cast<size_t>(r)].hidden ? 0 : 1;
        if (m.Shown() - shownInRange < 2) break;
        g.HideRows(from, to);
        for (int r = from; r <= to; ++r) {
          RowModel::Row& row = m.rows[static_cast<size_t>(r)];
          if (!row.hidden) row.level = 0;
          row.hidden = true;
        }
        op = "hide " + std::to_string(from) + ".." + std::to_string(to);
        break;
      }
      case 2:
      case 3: {  // show a real range that starts at a hidden row
        const int from = pick(total), to = std::min(total - 1, from + pick(4));
        g.UnHideRows(from, to);
        if (m.rows[static_cast<size_t>(from)].hidden)
          for (int r = from; r <= to; ++r) m.rows[static_cast<size_t>(r)].hidden = false;
        op = "show " + std::to_string(from) + ".." + std::to_string(to);
        break;
      }
      case 4: {  // insert a row at a display position
        const int d = pick(g.RowCount() + 1);
        const int real = d < m.Shown() ? m.RealOf(d) : total;
        g.InsertRows(d, 1);
        m.rows.insert(m.rows.begin() + real, {m.nextId, false});
        fillRow(d, m.nextId++);
        op = "insert at " + std::to_string(d);
        break;
      }
      case 5: {  // remove a shown row (the fixed row stays)
        if (m.Shown() < 3) break;
        const int d = g.FixedRows() + pick(g.RowCount() - g.FixedRows());
        g.RemoveRows(d, 1);
        m.rows.erase(m.rows.begin() + m.RealOf(d));
        op = "remove " + std::to_string(d);
        break;
      }
      case 6:
        g.UnHideRowsAll();
        for (auto& r : m.rows) r.hidden = false;
        op = "show all";
        break;
      case 7: {  // hide or show a column
        const int c = 1 + pick(kCols - 1);
        if (g.IsHiddenColumn(c))
          g.UnHideColumn(c);
        else
          g.HideColumn(c);
        op = "column " + std::to_string(c);
        break;
      }
      case 8: {  // a filter level hides about a third of the shown rows
        TIntList list(-1, -1);
        for (int d = 0; d < m.Shown(); ++d)
          if (pick(3) == 0) list.Add(d);
        if (list.Count() == 0 || m.Shown() - list.Count() < 2) break;
        for (int i = list.Count() - 1; i >= 0; --i) {
          RowModel::Row& row = m.rows[static_cast<size_t>(m.RealOf(list.Items(i)))];
          row.hidden = true;
          row.level = levels + 1;
        }
        g.HideRowList(&list);
        ++levels;
        op = "filter level " + std::to_string(levels);
        break;
      }
      case 9: {  // the last filter level comes off
        if (levels == 0) break;
        g.UnHideRowList();
        g.SetFilterLevel(g.FilterLevel() - 1);
        for (auto& r : m.rows)
          if (r.hidden && r.level == levels) r.hidden = false;
        op = "unfilter level " + std::to_string(levels--);
        break;
      }
    }
    // The grid and the model agree on every real row. Reading a hidden
    // row's cells turns a filter level's block into single entries, so that
    // is done on every fourth step only and levels also come back whole.
    ASSERT_EQ(g.TotalRowCount(), static_cast<int>(m.rows.size())) << "step " << step << " " << op;
    ASSERT_EQ(g.RowCount(), m.Shown()) << "step " << step << " " << op;
    const bool readHidden = step % 4 == 3;
    int d = 0;
    for (int r = 0; r < static_cast<int>(m.rows.size()); ++r) {
      const RowModel::Row& row = m.rows[static_cast<size_t>(r)];
      ASSERT_EQ(g.IsHiddenRow(r), row.hidden) << "step " << step << " " << op << " row " << r;
      if (row.hidden && !readHidden) continue;
      for (int c = 0; c < kCols; ++c)
        ASSERT_EQ(g.GetCellsEx(c, r), CellText(row.id, c)) << "step " << step << " " << op << " row " << r;
      if (row.hidden) continue;
      ASSERT_EQ(g.RealRowIndex(d), r) << "step " << step << " " << op;
      ASSERT_EQ(g.DisplRowIndex(r), d) << "step " << step << " " << op;
      const bool props = row.id % 3 == 0;
      ASSERT_EQ(g.HasCellProperties(2, d), props) << "step " << step << " " << op << " row " << r;
      if (props) ASSERT_EQ(g.GetCellProperties(2, d)->FontSize(), 100 + row.id);
      ASSERT_EQ(g.RowHeights(d), heightOf(row.id)) << "step " << step << " " << op << " row " << r;
      ++d;
    }
  }
}

}  // namespace
