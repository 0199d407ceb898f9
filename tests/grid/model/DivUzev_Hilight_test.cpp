// Highlighting and marking text: case, the round trip of special
// characters, the stored value under a display hook, the ranges; print
// widths and change notifiers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "grid/model/DivUzev.h"

TEST(DivUzevHilight, WrappingFollowsCase) {
  EXPECT_EQ(TDedAdararAdoz::HilightText(false, "abc ABC", "b"), "a<hi>b</hi>c A<hi>B</hi>C");
  EXPECT_EQ(TDedAdararAdoz::HilightText(true, "abc ABC", "b"), "a<hi>b</hi>c ABC");
  EXPECT_EQ(TDedAdararAdoz::MarkText(true, "abc", "c"), "ab<e>c</e>");
  EXPECT_EQ(TDedAdararAdoz::UnHilightText("a<HI>b</hi>c"), "abc");
  EXPECT_EQ(TDedAdararAdoz::UnMarkText("a<e>b</e>"), "ab");
}

TEST(DivUzevHilight, ARoundTripKeepsSpecialCharacters) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a < b", "<"}, {"x & y > z", "&"}, {"\"q\" <b>", "q"}};
  for (const auto& [t, search] : cases) {
    g.SetCellEx(1, 1, t);
    g.HilightInCell(false, 1, 1, search);
    EXPECT_NE(g.GetCellEx(1, 1).find("<hi>"), std::string::npos) << t;
    g.UnHilightInCell(1, 1);
    EXPECT_EQ(g.GetCellEx(1, 1), t);
  }
  // A cell that was never highlighted is left as it is, entities and all.
  g.SetCellEx(1, 1, "&amp; stays");
  g.UnHilightInCell(1, 1);
  EXPECT_EQ(g.GetCellEx(1, 1), "&amp; stays");
  g.HilightInCell(false, 1, 1, "nothing here");
  EXPECT_EQ(g.GetCellEx(1, 1), "&amp; stays") << "no hit, no change";
}

TEST(DivUzevHilight, TheStoredValueIsWrappedNotItsDisplayForm) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  g.SetCellEx(1, 1, "42");
  g.OnGetDisplText = [](TObject*, int, int, std::string& V) { V = "value " + V; };
  g.HilightInCell(false, 1, 1, "4");
  g.MarkInCell(false, 1, 1, "2");
  g.OnGetDisplText = nullptr;
  EXPECT_EQ(g.GetCellEx(1, 1), "<hi>4</hi><e>2</e>");
  g.OnGetDisplText = [](TObject*, int, int, std::string& V) { V = "value " + V; };
  g.UnHilightInCell(1, 1);
  g.UnMarkInCell(1, 1);
  g.OnGetDisplText = nullptr;
  EXPECT_EQ(g.GetCellEx(1, 1), "42");
}

TEST(DivUzevHilight, RangesSkipFixedCellsUnlessAskedAndReachHiddenColumns) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(4);
  g.SetRowCount(4);
  g.SetFixedRows(1);
  g.SetFixedCols(1);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) g.SetCellEx(c, r, "ab");
  g.HideColumn(3);
  auto count = [&]() {
    int n = 0;
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) n += g.GetGridCellsEx(c, r).find("<hi>") != std::string::npos ? 1 : 0;
    return n;
  };
  g.HilightInGrid(false, false, "a");
  EXPECT_EQ(count(), 9) << "the normal cells with the hidden column";
  g.UnHilightInGrid(false);
  EXPECT_EQ(count(), 0);
  g.HilightInGrid(true, false, "a");
  EXPECT_EQ(count(), 12) << "every displayed cell";
  g.UnHilightInGrid(true);
  EXPECT_EQ(count(), 0);
  g.HilightInCol(false, false, 1, "b");
  EXPECT_EQ(count(), 3);
  g.UnHilightInCol(false, 1);
  g.HilightInRow(true, false, 2, "b");
  EXPECT_EQ(count(), 3);
  g.UnHilightInRow(true, 2);
  EXPECT_EQ(count(), 0);
  g.MarkInGrid(false, true, "A");
  EXPECT_EQ(g.GetCellEx(1, 1), "ab") << "marking with case finds no A";
}

TEST(DivUzevHilight, PrintWidthsAreKeptForFiveHundredTwelveColumns) {
  TDedAdararAdoz g(nullptr);
  g.SetPrintColWidth(511, 80);
  g.SetPrintColOffset(3, 120);
  EXPECT_EQ(g.PrintColWidth(511), 80);
  EXPECT_EQ(g.PrintColOffset(3), 120);
  for (int bad : {-1, 512}) {
    try {
      g.PrintColWidth(bad);
      ADD_FAILURE() << bad;
    } catch (const EDivUzevError& e) {
      EXPECT_STREQ(e.what(), "Columns is not in valid range");
    }
    EXPECT_THROW(g.PrintColOffset(bad), EDivUzevError);
  }
}

namespace {
class CountingNotifier : public TGridChangeNotifier {
 public:
  using TGridChangeNotifier::TGridChangeNotifier;
  void CellsChanged(const TRect& R) override {
    ++calls;
    last = R;
  }
  int calls = 0;
  TRect last;
};
}  // namespace

TEST(DivUzevHilight, RegisteredNotifiersHearOfCellChangesOnce) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(5);
  CountingNotifier n(nullptr);
  g.RegisterNotifier(&n);
  g.RegisterNotifier(&n);
  g.InsertRows(2, 1);
  EXPECT_EQ(n.calls, 1);
  EXPECT_EQ(n.last.Top, 2);
  g.UnRegisterNotifier(&n);
  g.InsertRows(2, 1);
  EXPECT_EQ(n.calls, 1);
}

TEST(DivUzevHilight, WritingHeadersReplacesTheOldOnesAndBreaksLines) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  TStringList abc;
  for (const char* s : {"a", "b", "c"}) abc.Add(s);
  g.SetColumnHeaders(&abc);
  TStringList x;
  x.Add("x\\nline two");
  g.SetColumnHeaders(&x);
  EXPECT_EQ(g.GetCellEx(0, 0), "x\rline two") << "backslash-n breaks the line";
  EXPECT_EQ(g.GetCellEx(1, 0), "") << "the old headers are cleared";
  EXPECT_EQ(g.GetCellEx(2, 0), "");

  g.SetRowHeaders(&abc);
  EXPECT_EQ(g.GetCellEx(0, 1), "b");
  EXPECT_EQ(g.GetCellEx(0, 2), "c");
  g.SetRowHeaders(&x);
  EXPECT_EQ(g.GetCellEx(0, 0), "x\rline two");

  TStringList many;
  for (const char* s : {"1", "2", "3", "4"}) many.Add(s);
  g.ColumnHeaders()->Assign(&many);
  EXPECT_EQ(g.GetCellEx(2, 0), "3") << "only as many entries as columns";
}
