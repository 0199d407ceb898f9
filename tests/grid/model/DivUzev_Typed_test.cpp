// Typed cell access, fills, swapping cells and checking cells with a cell
// checker.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/rtl/Locale.h"
#include "grid/base/UndoRedo.h"
#include "grid/model/DivUzev.h"

namespace {

TEST(DivUzevTyped, IntegersFromCellTexts) {
  TDedAdararAdoz g(nullptr);
  struct Case {
    const char* text;
    int value;
  };
  for (Case c : {Case{"", 0}, Case{"   ", 0}, Case{"-", 0}, Case{" 42 ", 42}, Case{"<b>42</b>", 42},
                 Case{"-17", -17}, Case{"2147483647", 2147483647}}) {
    g.SetCellEx(1, 1, c.text);
    EXPECT_EQ(g.Ints(1, 1), c.value) << "'" << c.text << "'";
  }
  for (const char* bad : {"12abc", "1.5", "2147483648", "abc"}) {
    g.SetCellEx(1, 1, bad);
    try {
      g.Ints(1, 1);
      ADD_FAILURE() << bad;
    } catch (const EDivUzevError& e) {
      EXPECT_EQ(e.Message(), "Cell does not contain integer value");
      EXPECT_EQ(g.GetCellEx(1, 1), bad) << "the cell is left as it was";
    }
  }
  g.SetInts(2, 3, -5);
  EXPECT_EQ(g.GetCellEx(2, 3), "-5");
}

TEST(DivUzevTyped, FloatsFromCellTextsAndWrittenWithTheCellsFormat) {
  TFormatSettingsScope keep;
  TDedAdararAdoz g(nullptr);
  struct Case {
    const char* text;
    double value;
  };
  for (Case c : {Case{"", 0}, Case{"-", 0}, Case{"2.5", 2.5}, Case{"1,234.50", 1234.5},
                 Case{"<i>-0.25</i>", -0.25}, Case{"12 kg", 12}}) {
    g.SetCellEx(1, 1, c.text);
    EXPECT_DOUBLE_EQ(g.Floats(1, 1), c.value) << "'" << c.text << "'";
  }
  g.SetCellEx(1, 1, "abc");
  try {
    g.Floats(1, 1);
    ADD_FAILURE() << "abc";
  } catch (const EDivUzevError& e) {
    EXPECT_EQ(e.Message(), "Cell does not contain a float value");
  }
  g.SetFloats(2, 2, 2.5);
  EXPECT_EQ(g.GetCellEx(2, 2), "2.50");
  FormatSettings().DecimalSeparator = ',';
  FormatSettings().ThousandSeparator = '.';
  g.SetFloats(2, 2, 2.5);
  EXPECT_EQ(g.GetCellEx(2, 2), "2,50");
  EXPECT_DOUBLE_EQ(g.Floats(2, 2), 2.5);
}

TEST(DivUzevTyped, AllCellsReachHiddenRows) {
  TDedAdararAdoz g(nullptr);
  g.SetInts(1, 4, 7);
  g.HideRow(4);
  EXPECT_EQ(g.AllInts(1, 4), 7);
  g.SetAllFloats(1, 4, 1.5);
  EXPECT_EQ(g.AllCells(1, 4), "1.50");
  EXPECT_DOUBLE_EQ(g.AllFloats(1, 4), 1.5);
}

TEST(DivUzevTyped, DatesAndTimes) {
  TDedAdararAdoz g(nullptr);
  g.SetDates(1, 1, 0);
  EXPECT_FALSE(g.GetCellEx(1, 1).empty()) << "null dates are shown by default";
  g.SetShowNullDates(false);
  g.SetDates(1, 1, 0);
  EXPECT_EQ(g.GetCellEx(1, 1), "");
  g.SetDates(1, 1, 45000);
  EXPECT_DOUBLE_EQ(g.Dates(1, 1), 45000);
  g.SetTimes(2, 1, 0.5);
  EXPECT_NEAR(g.Times(2, 1), 0.5, 1e-6);
  g.SetCellEx(3, 1, "not a date");
  EXPECT_THROW(g.Dates(3, 1), EConvertError);
}

TEST(DivUzevTyped, FormControlValuesInsideMarkup) {
  TDedAdararAdoz g(nullptr);
  g.SetCellEx(1, 1, R"(Name: <CONTROL TYPE="EDIT" ID="n" VALUE="old">)");
  EXPECT_EQ(g.ControlValues(1, 1, "n"), "old");
  EXPECT_EQ(g.ControlValues(1, 1, "x"), "");
  g.SetControlValues(1, 1, "n", "new");
  EXPECT_EQ(g.ControlValues(1, 1, "n"), "new");
  const std::string before = g.GetCellEx(1, 1);
  g.SetControlValues(1, 1, "x", "other");
  EXPECT_EQ(g.GetCellEx(1, 1), before);
}

TEST(DivUzevTyped, FillsWriteRowByRowAndSwapCellsExchangesTextsAndObjects) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  g.LinearFill(true);
  EXPECT_EQ(g.GetCellEx(0, 0), "0:0");
  EXPECT_EQ(g.GetCellEx(1, 0), "1:0");
  EXPECT_EQ(g.GetCellEx(0, 1), "0:1");
  EXPECT_EQ(g.GetCellEx(1, 1), "1:1");
  g.SetColCount(4);
  g.SetRowCount(4);
  g.TextFill(false, "x");
  EXPECT_EQ(g.GetCellEx(0, 0), "0:0") << "fixed cells stay";
  EXPECT_EQ(g.GetCellEx(3, 3), "x");
  g.FormatFill(false, "%d-%d");
  EXPECT_EQ(g.GetCellEx(2, 3), "2-3");
  g.RandomFill(false, 5);
  for (int r = 1; r < 4; ++r)
    for (int c = 1; c < 4; ++c) {
      const int v = g.Ints(c, r);
      EXPECT_TRUE(v >= 0 && v < 5);
    }

  g.SetCellEx(1, 1, "one");
  g.GetCellProperties(1, 1)->SetFontSize(11);
  g.SetCellEx(2, 2, "two");
  g.SwapCells(TGridCoord(1, 1), TGridCoord(2, 2));
  EXPECT_EQ(g.GetCellEx(1, 1), "two");
  EXPECT_EQ(g.GetCellEx(2, 2), "one");
  EXPECT_FALSE(g.HasCellProperties(1, 1));
  ASSERT_TRUE(g.HasCellProperties(2, 2));
  EXPECT_EQ(g.GetCellProperties(2, 2)->FontSize(), 11);
}

// Upper-cases, and marks cells that hold an "x".
class TUpperChecker : public TDedAdararAdozCheck {
 public:
  using TDedAdararAdozCheck::TDedAdararAdozCheck;
  std::vector<std::string> calls;
  std::string Correct(int, int, const std::string& S) override {
    std::string s = S;
    for (char& ch : s) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return s;
  }
  std::string MarkError(int, int, const std::string& S) override {
    return S.find('x') != std::string::npos ? "<e>" + S + "</e>" : S;
  }
  void StartCheck() override { calls.push_back("start"); }
  void StopCheck() override { calls.push_back("stop"); }
};

TEST(DivUzevTyped, CheckingCellsWithACellChecker) {
  TDedAdararAdoz g(nullptr);
  EXPECT_TRUE(g.CheckGrid(false)) << "without a checker nothing changes";
  TUpperChecker checker(nullptr);
  g.SetCellChecker(&checker);
  g.SetCellEx(1, 1, "ABC");
  g.SetCellEx(2, 2, "def");
  g.SetRow(3);
  g.SetCol(3);
  checker.SetGotoCell(true);
  checker.SetUseCorrect(true);
  EXPECT_FALSE(g.CheckGrid(false)) << "one cell was corrected";
  EXPECT_EQ(g.GetCellEx(2, 2), "DEF");
  EXPECT_EQ(checker.calls, (std::vector<std::string>{"start", "stop"}));
  EXPECT_EQ(g.Row(), 3) << "the current cell comes back";
  EXPECT_EQ(g.Col(), 3);
  EXPECT_TRUE(g.CheckGrid(false)) << "nothing left to correct";

  // Marking starts from the unmarked text, and old marks go first.
  checker.SetUseCorrect(false);
  checker.SetUseMarkError(true);
  g.SetCellEx(1, 2, "<e>box</e>");
  EXPECT_FALSE(g.CheckCell(1, 2));
  EXPECT_EQ(g.GetCellEx(1, 2), "<e>box</e>") << "marks are never doubled";
  g.SetCellEx(1, 3, "plain");
  EXPECT_TRUE(g.CheckRow(false, 3));
  g.SetCellChecker(nullptr);
}

}  // namespace
