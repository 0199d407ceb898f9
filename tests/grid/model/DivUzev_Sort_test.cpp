// Sorting: how cells compare by sort style, ties, blanks, the index list,
// groups of nodes, undoing sorts, the settings' text form, and rows that
// keep everything they carry (checked against a simple model of rows).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/rtl/Locale.h"
#include "grid/model/DivUzev.h"

namespace {

std::vector<std::string> Column(TDedAdararAdoz& g, int col) {
  std::vector<std::string> v;
  for (int r = g.FixedRows(); r < g.RowCount(); ++r) v.push_back(g.GetCellEx(col, r));
  return v;
}

void Fill(TDedAdararAdoz& g, int col, const std::vector<std::string>& texts) {
  g.SetRowCount(g.FixedRows() + static_cast<int>(texts.size()));
  for (size_t i = 0; i < texts.size(); ++i) g.SetCellEx(col, g.FixedRows() + static_cast<int>(i), texts[i]);
}

using Strings = std::vector<std::string>;

struct CompareCase {
  const char* name;
  TSortStyle style;  // ssAutomatic: AutoFormat on
  std::string prefix;
  bool ignoreCase;
  std::string t1, t2;
  int expected;
};

TEST(DivUzevSort, CellsCompareByTheirColumnsSortStyle) {
  TFormatSettingsScope locale;
  const CompareCase cases[] = {
      {"numbers by value", ssAutomatic, "", false, "10", "9", 1},
      {"numbers, both ways", ssAutomatic, "", false, "10", "100", -1},
      {"texts of digits", ssAlphabetic, "", false, "10", "9", -1},
      {"ordinal: upper case first", ssAlphabetic, "", false, "A", "a", -1},
      {"ordinal", ssAlphabetic, "", false, "b", "a", 1},
      {"automatic, case ignored", ssAutomatic, "", true, "A", "a", 0},
      {"no case", ssAlphaNoCase, "", false, "abc", "ABD", -1},
      {"prefix removed", ssNumeric, "$", false, "$5", "$40", -1},
      {"thousands", ssFinancial, "", false, "1,200", "950", 1},
      {"dates detected", ssAutomatic, "", false, "01/02/2024", "05/06/2023", 1},
      {"separator too far in", ssAutomatic, "", false, "2024/01/02", "2023/05/06", 1},
      {"date and time", ssAutomatic, "", false, "01/02/2024 10:00", "01/02/2024 9:00", 1},
      {"times detected", ssAutomatic, "", false, "9:30", "10:15", -1},
      {"short date EU", ssShortDateEU, "", false, "02/01/2024", "01/02/2024", -1},
      {"short date US", ssShortDateUS, "", false, "02/01/2024", "01/02/2024", 1},
      {"unreadable date is 0", ssDate, "", false, "x", "01/01/1900", -1},
      {"empty number text", ssNumeric, "", false, "", "5", -1},
      {"neither a number", ssNumeric, "", false, "x", "y", 0},
      {"alphanumeric numbers", ssAlphaNumeric, "", false, "10", "9", 1},
      {"alphanumeric texts", ssAlphaNumeric, "", false, "10a", "9a", -1},
      {"markup stripped", ssHTML, "", false, "<b>b</b>", "a", 1},
      {"locale compare", ssAnsiAlphaNoCase, "", false, "\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", 0},
  };
  for (const CompareCase& c : cases) {
    TDedAdararAdoz g(nullptr);
    g.SetColCount(2);
    Fill(g, 1, {c.t1, c.t2});
    g.SortSettings()->SetAutoFormat(c.style == ssAutomatic);
    g.SortSettings()->SetIgnoreCase(c.ignoreCase);
    if (c.style != ssAutomatic) {
      g.OnGetFormat = [&](TObject*, int, TSortStyle& style, std::string& prefix, std::string&) {
        style = c.style;
        prefix = c.prefix;
      };
    }
    EXPECT_EQ(g.CompareCells(1, 1, false, 2), c.expected) << c.name;
    EXPECT_EQ(g.CompareCells(1, 2, false, 1), -c.expected) << c.name << " (swapped)";
  }
}

TEST(DivUzevSort, BlanksGoWhereBlankPosSaysInBothDirections) {
  for (TSortBlankPosition pos : {blFirst, blLast}) {
    for (TSortDirection dir : {sdAscending, sdDescending}) {
      TDedAdararAdoz g(nullptr);
      g.SetColCount(2);
      Fill(g, 1, {"b", "", "c", "a", ""});
      g.SortSettings()->SetIgnoreBlanks(true);
      g.SortSettings()->SetBlankPos(pos);
      g.Sort(1, dir);
      const Strings got = Column(g, 1);
      Strings filled = dir == sdAscending ? Strings{"a", "b", "c"} : Strings{"c", "b", "a"};
      Strings want = pos == blFirst ? Strings{"", ""} : Strings{};
      want.insert(want.end(), filled.begin(), filled.end());
      if (pos == blLast) want.insert(want.end(), {"", ""});
      EXPECT_EQ(got, want) << "pos " << pos << " dir " << dir;
    }
  }
  // Without IgnoreBlanks an empty text is the smallest.
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  Fill(g, 1, {"b", "", "a"});
  g.Sort(1, sdDescending);
  EXPECT_EQ(Column(g, 1), (Strings{"b", "a", ""}));
}

TEST(DivUzevSort, CustomRawImageAndCheckBoxStyles) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  Fill(g, 1, {"x", "y", "z"});
  TSortStyle style = ssCustom;
  g.OnGetFormat = [&](TObject*, int, TSortStyle& s, std::string&, std::string&) { s = style; };
  // Reversed order by a custom rule.
  g.OnCustomCompare = [](TObject*, const std::string& a, const std::string& b, int& res) {
    res = a < b ? 1 : (a > b ? -1 : 0);
  };
  g.Sort(1, sdAscending);
  EXPECT_EQ(Column(g, 1), (Strings{"z", "y", "x"}));

  // The raw handler reads the rows it is given.
  style = ssRaw;
  for (int r = 1; r <= 3; ++r) g.SetCellEx(2, r, std::to_string(10 - r * (r == 2 ? 5 : 1)));
  g.OnRawCompare = [&](TObject*, int, int r1, int r2, int& res) {
    const int a = std::stoi(g.GetCellEx(2, r1)), b = std::stoi(g.GetCellEx(2, r2));
    res = a > b ? 1 : (a < b ? -1 : 0);
  };
  g.Sort(1, sdAscending);
  EXPECT_EQ(Column(g, 2), (Strings{"0", "7", "9"}));

  // Check boxes: unchecked before checked; images by index.
  auto graphic = [&](int r, TCellType type, bool on, int index) {
    auto* gr = new TCellGraphic();
    gr->CellType = type;
    gr->CellBoolean = on;
    gr->CellIndex = index;
    g.GetCellProperties(1, r)->SetGraphicObject(gr);
  };
  graphic(1, ctCheckBox, true, 0);
  graphic(2, ctCheckBox, false, 0);
  graphic(3, ctCheckBox, true, 0);
  g.SetCellEx(1, 2, "off");
  style = ssCheckBox;
  g.Sort(1, sdAscending);
  EXPECT_EQ(g.GetCellEx(1, 1), "off");
  for (int r = 1; r <= 3; ++r)
    static_cast<TCellGraphic*>(g.GetCellProperties(1, r)->GraphicObject())->CellType = ctImageList;
  static_cast<TCellGraphic*>(g.GetCellProperties(1, 1)->GraphicObject())->CellIndex = 7;
  static_cast<TCellGraphic*>(g.GetCellProperties(1, 2)->GraphicObject())->CellIndex = 2;
  static_cast<TCellGraphic*>(g.GetCellProperties(1, 3)->GraphicObject())->CellIndex = 5;
  style = ssImages;
  g.Sort(1, sdDescending);
  const int want[] = {7, 5, 2};
  for (int r = 1; r <= 3; ++r)
    EXPECT_EQ(static_cast<TCellGraphic*>(g.GetCellProperties(1, r)->GraphicObject())->CellIndex, want[r - 1]);
}

TEST(DivUzevSort, AutomaticStyleSeesCheckBoxCells) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  Fill(g, 1, {"Y", "N", "Y"});
  for (int r = 1; r <= 3; ++r) {
    auto* gr = new TCellGraphic();
    gr->CellType = ctDataCheckBox;
    g.GetCellProperties(1, r)->SetGraphicObject(gr);
  }
  g.SetCellEx(0, 1, "first");
  g.Sort(1, sdDescending);
  EXPECT_EQ(Column(g, 1), (Strings{"Y", "Y", "N"}));
}

TEST(DivUzevSort, TiesGoToTheColumnsRightOfTheSortColumnWithFull) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(5);
  const char* rows[4][2] = {{"b", "2"}, {"a", "9"}, {"b", "1"}, {"a", "3"}};
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 2; ++c) g.SetCellEx(c + 1, r + 1, rows[r][c]);
  g.Sort(1, sdAscending);
  EXPECT_EQ(Column(g, 1), (Strings{"a", "a", "b", "b"}));
  EXPECT_EQ(Column(g, 2), (Strings{"3", "9", "1", "2"}));
  // Ties of the last column go nowhere; columns left of it never count.
  g.SetCellEx(0, 1, "z");
  g.Sort(2, sdDescending);
  EXPECT_EQ(Column(g, 2), (Strings{"9", "3", "2", "1"}));
  EXPECT_GT(g.Compares(), 0);
}

// Numeric columns: each case sorts its texts (key, tie-break) and expects
// the keys and tie-breaks in that order. Equal numbers written apart
// (-0 and 0, 1.5 and 1.50) tie and go to the next column; a text that is
// not a number takes the comparison of every pair instead.
TEST(DivUzevSort, NumericColumnsOrderByTheirNumbersAndBreakTiesToTheRight) {
  TFormatSettingsScope locale;
  struct Case {
    const char* name;
    TSortStyle style;
    std::string prefix;
    TSortDirection dir;
    Strings keys, next;
    Strings sortedKeys, sortedNext;
  };
  const Case cases[] = {
      {"automatic, negatives and exponents",
       ssAutomatic,
       "",
       sdAscending,
       {"10", "-2", "1e3", "9", "0.5"},
       {"a", "b", "c", "d", "e"},
       {"-2", "0.5", "9", "10", "1e3"},
       {"b", "e", "d", "a", "c"}},
      {"equal numbers written apart tie",
       ssNumeric,
       "",
       sdAscending,
       {"1.50", "0", "1.5", "-0", "1.5"},
       {"z", "y", "x", "w", "v"},
       {"-0", "0", "1.5", "1.5", "1.50"},
       {"w", "y", "v", "x", "z"}},
      {"descending with a prefix",
       ssNumeric,
       "$",
       sdDescending,
       {"$5", "$40", "$7", "$40"},
       {"1", "2", "3", "4"},
       {"$40", "$40", "$7", "$5"},
       {"4", "2", "3", "1"}},
      {"a text that is no number",
       ssNumeric,
       "",
       sdAscending,
       {"3", "x", "1", "2"},
       {"a", "b", "c", "d"},
       {"x", "1", "2", "3"},
       {"b", "c", "d", "a"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    TDedAdararAdoz g(nullptr);
    g.SetColCount(3);
    Fill(g, 1, k.keys);
    for (size_t i = 0; i < k.next.size(); ++i) g.SetCellEx(2, 1 + static_cast<int>(i), k.next[i]);
    g.OnGetFormat = [&k](TObject*, int ACol, TSortStyle& Style, std::string& Prefix, std::string&) {
      if (ACol != 1) return;
      if (k.style != ssAutomatic) Style = k.style;
      Prefix = k.prefix;
    };
    g.Sort(1, k.dir);
    EXPECT_EQ(Column(g, 1), k.sortedKeys);
    EXPECT_EQ(Column(g, 2), k.sortedNext);
  }
}

// Big random tables sort as a model of their rows does: by the number,
// then by the next column's text (in the sort's direction).
TEST(DivUzevSort, RandomNumericTablesSortAsAModelOfTheirRows) {
  std::mt19937 rnd(11);
  for (TSortDirection dir : {sdAscending, sdDescending}) {
    TDedAdararAdoz g(nullptr);
    g.SetColCount(3);
    std::vector<std::pair<double, std::string>> model;
    Strings keys;
    for (int i = 0; i < 3000; ++i) {
      const int whole = static_cast<int>(rnd() % 200) - 100;
      keys.push_back(std::to_string(whole) + "." + std::to_string(rnd() % 4));
      model.emplace_back(std::stod(keys.back()), "r" + std::to_string(rnd() % 100000));
    }
    Fill(g, 1, keys);
    for (size_t i = 0; i < model.size(); ++i) g.SetCellEx(2, 1 + static_cast<int>(i), model[i].second);
    g.Sort(1, dir);
    std::sort(model.begin(), model.end());
    if (dir == sdDescending) std::reverse(model.begin(), model.end());
    const Strings next = Column(g, 2);
    for (size_t i = 0; i < model.size(); ++i) {
      ASSERT_EQ(std::stod(g.GetCellEx(1, 1 + static_cast<int>(i))), model[i].first) << i;
      // Rows equal in both columns may come in either order.
      if (i + 1 < model.size() && model[i] == model[i + 1]) continue;
      if (i > 0 && model[i] == model[i - 1]) continue;
      ASSERT_EQ(next[i], model[i].second) << i;
    }
  }
}

// The column right of the key is read only for tied rows until a
// comparison wants all of it (ignoring case, here): the rows read first
// keep their texts.
TEST(DivUzevSort, ATieColumnComparedWithoutCaseSortsAsAModel) {
  std::mt19937 rnd(5);
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  std::vector<std::pair<int, std::string>> model;
  Strings keys, next;
  for (int i = 0; i < 2000; ++i) {
    const int key = static_cast<int>(rnd() % 50);
    std::string t;
    for (int k = 0; k < 4; ++k) t += static_cast<char>((rnd() % 2 ? 'a' : 'A') + rnd() % 6);
    keys.push_back(std::to_string(key));
    next.push_back(t);
    std::string upper = t;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    model.emplace_back(key, upper);
  }
  Fill(g, 1, keys);
  for (size_t i = 0; i < next.size(); ++i) g.SetCellEx(2, 1 + static_cast<int>(i), next[i]);
  g.OnGetFormat = [](TObject*, int ACol, TSortStyle& Style, std::string&, std::string&) {
    Style = ACol == 1 ? ssNumeric : ssAlphaNoCase;
  };
  g.Sort(1, sdAscending);
  std::sort(model.begin(), model.end());
  for (size_t i = 0; i < model.size(); ++i) {
    const int r = 1 + static_cast<int>(i);
    ASSERT_EQ(std::stoi(g.GetCellEx(1, r)), model[i].first) << i;
    std::string upper = g.GetCellEx(2, r);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_EQ(upper, model[i].second) << i;
  }
  // Every text is still there.
  Strings got = Column(g, 2), want = next;
  std::sort(got.begin(), got.end());
  std::sort(want.begin(), want.end());
  EXPECT_EQ(got, want);
}

TEST(DivUzevSort, IndexedSortOrdersByEachIndexInItsDirection) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetFixedCols(0);
  g.SetRowCount(6);
  const char* rows[5][2] = {{"3", "x"}, {"1", "y"}, {"2", "x"}, {"1", "x"}, {"2", "y"}};
  for (int r = 0; r < 5; ++r) {
    g.SetCellEx(0, r + 1, rows[r][0]);
    g.SetCellEx(1, r + 1, rows[r][1]);
  }
  EXPECT_THROW(g.QSortIndexed(), EDivUzevError);
  g.SortIndexes()->AddIndex(1, false);
  g.SortIndexes()->AddIndex(0, true);
  g.QSortIndexed();
  EXPECT_EQ(Column(g, 1), (Strings{"y", "y", "x", "x", "x"}));
  EXPECT_EQ(Column(g, 0), (Strings{"1", "2", "1", "2", "3"}));
  EXPECT_EQ(g.SortIndexes()->Count(), 2) << "the index list stays";
  // Without Full only the first index counts: the second column is not
  // sorted inside the groups.
  g.SortSettings()->SetFull(false);
  g.SortIndexes()->Clear();
  g.SortIndexes()->AddIndex(1, true);
  g.QSortIndexed();
  EXPECT_EQ(Column(g, 1), (Strings{"x", "x", "x", "y", "y"}));
}

TEST(DivUzevSort, AnExceptionInAComparisonLeavesTheRowsAlone) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  Fill(g, 1, {"c", "a", "b"});
  g.OnGetFormat = [](TObject*, int, TSortStyle& s, std::string&, std::string&) { s = ssCustom; };
  g.OnCustomCompare = [](TObject*, const std::string&, const std::string&, int&) {
    throw std::runtime_error("compare failed");
  };
  EXPECT_THROW(g.Sort(1, sdAscending), std::runtime_error);
  EXPECT_EQ(Column(g, 1), (Strings{"c", "a", "b"}));
  EXPECT_EQ(g.RowCount(), 4);
}

TEST(DivUzevSort, SingleColumnMovesStoredTextsOnly) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  Fill(g, 1, {"3", "1", "2"});
  for (int r = 1; r <= 3; ++r) g.SetCellEx(2, r, "row" + std::to_string(r));
  // The shown text differs from the stored one: the stored one must move.
  g.OnGetDisplText = [](TObject*, int ACol, int, std::string& v) {
    if (ACol == 1) v += " kg";
  };
  g.SortSettings()->SetSingleColumn(true);
  g.Sort(1, sdAscending);
  for (int r = 1; r <= 3; ++r) {
    EXPECT_EQ(g.GetGridCell(1, r), std::to_string(r)) << "stored value in row " << r;
    EXPECT_EQ(g.GetCellEx(2, r), "row" + std::to_string(r)) << "other columns stay";
  }
  // The single swap takes the stored texts too.
  g.SortSwapRows(1, 3);
  EXPECT_EQ(g.GetGridCell(1, 1), "3");
  EXPECT_EQ(g.GetGridCell(1, 3), "1");
}

TEST(DivUzevSort, NormalCellsOnlyKeepsTheFixedColumn) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  Fill(g, 1, {"c", "a", "b"});
  for (int r = 1; r <= 3; ++r) g.SetCellEx(0, r, std::to_string(r));
  g.SortSettings()->SetNormalCellsOnly(true);
  g.Sort(1, sdAscending);
  EXPECT_EQ(Column(g, 0), (Strings{"1", "2", "3"}));
  EXPECT_EQ(Column(g, 1), (Strings{"a", "b", "c"}));
}

TEST(DivUzevSort, TheCurrentRowFollowsItsRowWithMoveRowOnSort) {
  for (bool move : {false, true}) {
    TDedAdararAdoz g(nullptr);
    g.SetColCount(2);
    Fill(g, 1, {"c", "a", "b"});
    g.Navigation()->SetMoveRowOnSort(move);
    g.SetRow(1);  // "c"
    std::vector<std::pair<int, int>> changes;
    g.OnRowChanged = [&](TObject*, int from, int to) { changes.emplace_back(from, to); };
    g.Sort(1, sdAscending);
    EXPECT_EQ(g.Row(), move ? 3 : 1);
    EXPECT_EQ(g.SortRow(), 3) << "the sort follows the row either way";
    ASSERT_FALSE(changes.empty()) << "the row's contents changed";
    EXPECT_EQ(changes.back().second, g.Row());
  }
}

TEST(DivUzevSort, UnsortRestoresTheOrderBeforeTheFirstSort) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  const Strings original{"d", "b", "e", "a", "c"};
  Fill(g, 1, original);
  for (int r = 1; r <= 5; ++r) g.SetCellEx(2, r, std::to_string(6 - r));
  g.Sort(1, sdAscending);
  g.Sort(2, sdAscending);
  EXPECT_EQ(g.SortedRowIndex(1), 5) << "position 1 holds the row that was at 5";
  EXPECT_EQ(g.UnSortedRowIndex(5), 1);
  EXPECT_EQ(g.GetUnSortedCell(1, 2), "b");
  g.QUnSort();
  EXPECT_EQ(Column(g, 1), original);
  // After rows were added the old order cannot come back: nothing moves.
  g.Sort(1, sdAscending);
  g.SetRowCount(g.RowCount() + 1);
  g.QUnSort();
  EXPECT_EQ(g.GetCellEx(1, 1), "a");
}

TEST(DivUzevSort, SettingsTextFormAndRules) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(5);
  Fill(g, 3, {"1", "3", "2"});
  g.Sort(3, sdDescending);
  EXPECT_EQ(g.SortSettings()->SaveToString(), "d3");
  g.SortSettings()->LoadFromString("u2");
  EXPECT_TRUE(g.SortSettings()->Show());
  EXPECT_EQ(g.SortSettings()->Column(), 2);
  EXPECT_EQ(g.SortSettings()->Direction(), sdAscending);
  EXPECT_THROW(g.SortSettings()->LoadFromString("x"), Exception);
  g.SortSettings()->LoadFromString("i;d3;u1");
  EXPECT_TRUE(g.SortSettings()->IndexShow());
  EXPECT_EQ(g.SortSettings()->SaveToString(), "i;d3;u1");
  EXPECT_EQ(Column(g, 3), (Strings{"3", "2", "1"}));
  g.SortSettings()->Remove();
  EXPECT_EQ(g.SortSettings()->Column(), -1);
  EXPECT_EQ(g.SortIndexes()->Count(), 0);

  EXPECT_THROW(g.SortSettings()->SetRow(1), Exception) << "one fixed row: only row 0";
  g.SortSettings()->SetRow(0);

  // Assign copies all but SortOnVirtualCells and IgnoreCase.
  TSortSettings other(nullptr);
  other.SetSortOnVirtualCells(false);
  other.SetIgnoreCase(true);
  other.SetColumn(4);
  other.SetBlankPos(blLast);
  g.SortSettings()->Assign(&other);
  EXPECT_EQ(g.SortSettings()->Column(), 4);
  EXPECT_EQ(g.SortSettings()->BlankPos(), blLast);
  EXPECT_TRUE(g.SortSettings()->SortOnVirtualCells());
  EXPECT_FALSE(g.SortSettings()->IgnoreCase());
}

TEST(DivUzevSort, SortLineSwapsTwoRowsOutOfOrder) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetCellEx(1, 1, "b");
  g.SetCellEx(2, 1, "1");
  g.SetCellEx(1, 2, "b");
  g.SetCellEx(2, 2, "0");
  EXPECT_TRUE(g.SortLine(1, 1, 2)) << "the tie goes to the next column";
  EXPECT_EQ(g.GetCellEx(2, 1), "0");
  EXPECT_FALSE(g.SortLine(1, 1, 2));
}

// Node rows: column 0 holds a node graphic with its span; the node level
// sits in column 0's properties.
void AddNode(TDedAdararAdoz& g, int row, int span, int level) {
  auto* gr = new TCellGraphic();
  gr->CellType = ctNode;
  gr->CellIndex = span;
  gr->CellVar = -1;
  TCellProperties* p = g.GetCellProperties(0, row);
  p->SetGraphicObject(gr);
  p->SetNodeLevel(level);
}

TEST(DivUzevSort, GroupSortsKeepRowsInsideTheirNodes) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  Fill(g, 1, {"G1", "c", "a", "b", "G2", "z", "x", "y"});
  AddNode(g, 1, 4, 1);
  AddNode(g, 5, 4, 1);
  g.SortSettings()->SetColumn(1);
  g.QSortGroup();
  EXPECT_EQ(Column(g, 1), (Strings{"G1", "a", "b", "c", "G2", "x", "y", "z"}));
  // A contracted node's rows stay as they are.
  static_cast<TCellGraphic*>(g.GetCellProperties(0, 5)->GraphicObject())->CellBoolean = true;
  g.SortSettings()->SetDirection(sdDescending);
  g.QSortGroup();
  EXPECT_EQ(Column(g, 1), (Strings{"G1", "c", "b", "a", "G2", "x", "y", "z"}));
}

// A simple model of the grid's rows: each row has an identity; its cells,
// property marks, height and side marks are derived from it. After any mix
// of sorts the grid's rows must be the model's rows in sorted order.
TEST(DivUzevSort, RowsKeepEverythingTheyCarryAgainstAModel) {
  constexpr int kCols = 5;  // 0 fixed; 1..3 keys; 4 the identity
  constexpr int kRows = 60;
  TDedAdararAdoz g(nullptr);
  g.SetColCount(kCols);
  g.SetRowCount(kRows + 1);
  g.SortSettings()->SetAutoFormat(false);
  g.MouseActions()->SetDisjunctRowSelect(true);
  g.Navigation()->SetMoveRowOnSort(true);
  std::mt19937 rnd(22);
  const char* letters[] = {"a", "b", "c"};
  struct Row {
    std::string key[3];
    std::string id;
  };
  std::vector<Row> model(kRows + 1);
  auto idOf = [](int i) {
    std::string s = std::to_string(i);
    return std::string(3 - s.size(), '0') + s;
  };
  for (int i = 1; i <= kRows; ++i) {
    Row& m = model[static_cast<size_t>(i)];
    for (int k = 0; k < 3; ++k) m.key[k] = letters[rnd() % 3];
    m.id = idOf(i);
    for (int k = 0; k < 3; ++k) g.SetCellEx(k + 1, i, m.key[k]);
    g.SetCellEx(4, i, m.id);
    g.SetCellEx(0, i, "f" + m.id);
    if (i % 3 == 0) g.GetCellProperties(2, i)->SetFontSize(100 + i);
    g.SetRowHeights(i, 20 + i % 7);
  }
  // Rows hidden by range stay where they are and keep their cells.
  g.HideRows(10, 12);
  g.HideColumn(3);
  std::vector<std::string> hiddenIds;
  for (int r = 10; r <= 12; ++r) hiddenIds.push_back(g.GetCellsEx(4, r));
  // Marks of the shown rows, by their identity.
  for (int d = 1; d < g.RowCount(); ++d) {
    const int i = std::stoi(g.GetCellEx(4, d));
    if (i % 4 == 0) g.SetRowModified(d, true);
    if (i % 5 == 0) g.SetRowEnabled(d, false);
    if (i % 6 == 0) g.SetRowSelect(d, true);
  }

  for (int step = 0; step < 25; ++step) {
    const int col = 1 + static_cast<int>(rnd() % 4);
    const TSortDirection dir = rnd() % 2 ? sdAscending : sdDescending;
    g.Sort(col, dir);
    // The model: shown rows ordered on the columns from col on, in dir.
    std::vector<std::string> keys;
    for (int d = 1; d < g.RowCount(); ++d) {
      std::string k;
      for (int c = col; c < kCols; ++c) k += g.GetCellEx(c, d) + "|";
      keys.push_back(k);
    }
    for (size_t i = 1; i < keys.size(); ++i) {
      if (dir == sdAscending)
        ASSERT_LE(keys[i - 1], keys[i]) << "step " << step;
      else
        ASSERT_GE(keys[i - 1], keys[i]) << "step " << step;
    }
    for (int d = 1; d < g.RowCount(); ++d) {
      const int i = std::stoi(g.GetCellEx(4, d));
      const Row& m = model[static_cast<size_t>(i)];
      for (int k = 0; k < 3; ++k) ASSERT_EQ(g.GetCellEx(k + 1, d), m.key[k]) << "step " << step;
      ASSERT_EQ(g.GetCellEx(0, d), "f" + m.id) << "the fixed column moves too";
      ASSERT_EQ(g.HasCellProperties(2, d), i % 3 == 0);
      if (i % 3 == 0) {
        ASSERT_EQ(g.GetCellProperties(2, d)->FontSize(), 100 + i);
        ASSERT_EQ(g.GetCellProperties(2, d)->OwnerRow(), d);
      }
      ASSERT_EQ(g.RowHeights(d), 20 + i % 7);
      ASSERT_EQ(g.RowModified(d), i % 4 == 0);
      ASSERT_EQ(g.RowEnabled(d), i % 5 != 0);
      ASSERT_EQ(g.RowSelect(d), i % 6 == 0);
    }
    int selected = 0;
    for (int v = 0; v < g.SelectedRowList()->Count(); ++v) {
      const int d = g.SelectedRowList()->Items(v);
      ASSERT_EQ(std::stoi(g.GetCellEx(4, d)) % 6, 0) << "the selected-row list names selected rows";
      ++selected;
    }
    ASSERT_EQ(selected, g.RowSelectCount());
    for (int r = 10; r <= 12; ++r) {
      ASSERT_TRUE(g.IsHiddenRow(r));
      ASSERT_EQ(g.GetCellsEx(4, r), hiddenIds[static_cast<size_t>(r - 10)]);
    }
  }
  // Back to the first order, then the hidden rows come back where they were.
  g.QUnSort();
  g.UnHideRowsAll();
  for (int r = 1; r <= kRows; ++r) ASSERT_EQ(g.GetCellEx(4, r), idOf(r));
}

}  // namespace
