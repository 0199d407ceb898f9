// Column and row aggregates, numbering, sizing to contents and to the
// control, zoom, the footer row's calculations and the change notifiers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/Messages.h"
#include "grid/model/DivUzev.h"

namespace {

void FillColumn(TDedAdararAdoz& g, int col, const std::vector<std::string>& texts) {
  g.SetRowCount(g.FixedRows() + static_cast<int>(texts.size()));
  for (size_t i = 0; i < texts.size(); ++i) g.SetCellEx(col, g.FixedRows() + static_cast<int>(i), texts[i]);
}

// Empty cells and texts that are not numbers are skipped alike by every
// aggregate: the average is over the counted cells and nothing raises.
TEST(DivUzevCalc, AggregatesSkipEmptyAndTextCellsAlike) {
  struct Case {
    const char* name;
    std::vector<std::string> texts;
    double sum, avg, min, max, dev;
  };
  const Case cases[] = {
      {"mixed", {"3", "", "x", "4.5"}, 7.5, 3.75, 3, 4.5, 0.75},
      {"first cell text", {"x", "5", "1"}, 6, 3, 1, 5, 2},
      {"first cell empty", {"", "5", "7"}, 12, 6, 5, 7, 1},
      {"markup and units", {"<b>2</b>", "4 kg"}, 6, 3, 2, 4, 1},
      {"nothing to count", {"a", ""}, 0, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    TDedAdararAdoz g(nullptr);
    g.SetColCount(3);
    FillColumn(g, 2, c.texts);
    EXPECT_DOUBLE_EQ(g.ColumnSum(2, -1, -1), c.sum) << c.name;
    EXPECT_DOUBLE_EQ(g.ColumnAvg(2, -1, -1), c.avg) << c.name;
    EXPECT_DOUBLE_EQ(g.ColumnMin(2, -1, -1), c.min) << c.name;
    EXPECT_DOUBLE_EQ(g.ColumnMax(2, -1, -1), c.max) << c.name;
    EXPECT_DOUBLE_EQ(g.ColumnStdDev(2, -1, -1), c.dev) << c.name;
    // A row holding the same cells across its columns answers the same.
    TDedAdararAdoz r(nullptr);
    r.SetColCount(static_cast<int>(c.texts.size()) + 1);
    r.SetRowCount(2);
    for (size_t i = 0; i < c.texts.size(); ++i) r.SetCellEx(static_cast<int>(i) + 1, 1, c.texts[i]);
    const int last = static_cast<int>(c.texts.size());
    EXPECT_DOUBLE_EQ(r.RowSum(1, 1, last), c.sum) << c.name;
    EXPECT_DOUBLE_EQ(r.RowAvg(1, 1, last), c.avg) << c.name;
    EXPECT_DOUBLE_EQ(r.RowMin(1, 1, last), c.min) << c.name;
    EXPECT_DOUBLE_EQ(r.RowMax(1, 1, last), c.max) << c.name;
  }
}

TEST(DivUzevCalc, DistinctAndCustomCalculations) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  FillColumn(g, 1, {"A", "a", "B", ""});
  EXPECT_EQ(g.ColumnDistinct(1, -1, -1), 3);
  EXPECT_EQ(g.ColumnCustomCalc(1, 1, 4), 0);
  g.OnColumnCalc = [](TObject*, int ACol, int From, int To, double& Res) { Res = ACol * 100 + From * 10 + To; };
  EXPECT_EQ(g.ColumnCustomCalc(1, 1, 4), 114);
  g.OnGroupCalc = [](TObject*, int, int, int, double& Res) { Res = 7; };
  EXPECT_EQ(g.GroupCustomCalc(1, 1, 4), 7);
}

TEST(DivUzevCalc, GroupRowsMergedCellsAndHiddenRowsInTheRange) {
  {
    // Grouped with summary rows: header and summary rows are not data.
    TDedAdararAdoz g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(4);
    const char* keys[] = {"x", "x", "y"};
    const char* values[] = {"1", "2", "4"};
    for (int r = 1; r <= 3; ++r) {
      g.SetCells(1, r, keys[r - 1]);
      g.SetCells(2, r, values[r - 1]);
    }
    EXPECT_EQ(g.ColumnSum(2, -1, -1), 7);
    g.Grouping()->SetSummary(true);
    g.SetGroupColumn(1);
    ASSERT_GT(g.RowCount(), 4) << "header and summary rows came";
    g.GroupSum(1);
    EXPECT_EQ(g.ColumnSum(1, -1, -1), 7) << "group sums in summary rows count once";
  }
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  FillColumn(g, 2, {"100", "1", "2", "50", "3"});
  EXPECT_EQ(g.ColumnSum(2, -1, -1), 156) << "not grouped: every row counts";
  // A merged area counts once, at its base cell.
  g.MergeCells(2, 2, 1, 2);
  EXPECT_EQ(g.ColumnSum(2, 2, 3), 1);
  g.SplitCells(2, 2);
  // Past the last row the range runs over real rows, hidden ones too.
  g.HideRow(3);
  EXPECT_EQ(g.ColumnSum(2, 1, 4), 154) << "shown rows 1..4";
  EXPECT_EQ(g.ColumnSum(2, 1, 5), 156) << "real rows 1..5";
  EXPECT_EQ(g.ColumnDistinct(2, 1, 5), 5);
}

TEST(DivUzevCalc, AggregatesReportProgress) {
  struct TGrid : TDedAdararAdoz {
    using TDedAdararAdoz::TDedAdararAdoz;
    std::vector<std::pair<int, int>> calls;
    void ExportNotification(int AState, int ARow) override { calls.emplace_back(AState, ARow); }
  } g(nullptr);
  g.SetColCount(2);
  FillColumn(g, 1, {"1", "2"});
  g.ColumnSum(1, -1, -1);
  const std::vector<std::pair<int, int>> want{{0, 1}, {5, 1}, {5, 2}, {2, -1}};
  EXPECT_EQ(g.calls, want);
}

TEST(DivUzevCalc, AutoNumberingDownAndAcross) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(5);
  g.AutoNumberCol(1);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(g.GetCellEx(1, r), std::to_string(r));
  g.SetAutoNumberDirection(true);
  g.SetAutoNumberOffset(10);
  g.AutoNumberCol(2);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(g.GetCellEx(2, r), std::to_string(15 - r));
  g.SetAutoNumberDirection(false);
  g.SetAutoNumberOffset(0);
  g.SetAutoNumberStart(1);
  g.AutoNumberRow(0);
  EXPECT_EQ(g.GetCellEx(1, 0), "");
  EXPECT_EQ(g.GetCellEx(2, 0), "2");
}

TEST(DivUzevCalc, AutoSizeColFitsTheWidestTextWithinTheLimits) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  const std::vector<std::string> texts{"short", "a rather longer text", "mid size", "fi fl ffi office",
                                       "\xC3\xA9t\xC3\xA9 \xC3\xA0 Z\xC3\xBCrich",
                                       "<b>bold markup text is wider</b>"};
  FillColumn(g, 1, texts);
  // What the measuring gives for every text, widest first.
  int widest = 0;
  for (int r = 0; r < g.RowCount(); ++r) {
    TCanvas* c = g.Canvas();
    c->Font()->Assign(r == 0 ? g.FixedFont() : g.Font());
    std::string t = g.GetCellEx(1, r);
    if (t.find('<') != std::string::npos) t = "bold markup text is wider";
    widest = std::max(widest, c->TextWidth(t));
  }
  const int offsets = 2 * 2 + 2 * 1 + 2;  // text offset both sides, lines, 2
  g.AutoSizeCol(1);
  EXPECT_EQ(g.ColWidths(1), widest + offsets);
  g.AutoSizeCol(1, 5);
  EXPECT_EQ(g.ColWidths(1), widest + offsets + 5);
  g.SetMaxColWidth(40);
  g.AutoSizeCol(1);
  EXPECT_EQ(g.ColWidths(1), 40);
  g.SetMaxColWidth(0);
  g.SetColWidths(1, 500);
  g.SetSizeGrowOnly(true);
  g.AutoSizeCol(1);
  EXPECT_EQ(g.ColWidths(1), 500) << "grow only keeps a wider column";
}

TEST(DivUzevCalc, AutoSizeOfManyPlainTextsFindsTheExactWidest) {
  // Most texts are only estimated: the one measured widest must be the
  // widest there is, however close the others come.
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  std::vector<std::string> texts;
  for (int i = 0; i < 400; ++i) texts.push_back(std::string(static_cast<size_t>(10 + i % 7), "ilWmfj"[i % 6]));
  texts.push_back("WWWWWWWWWWWWWWWWfffffiiiiii");
  texts.push_back("mmmmmmmmmmmmmmmmmmmmmmmmm");
  FillColumn(g, 1, texts);
  int widest = 0;
  g.Canvas()->Font()->Assign(g.Font());
  for (const std::string& t : texts) widest = std::max(widest, g.Canvas()->TextWidth(t));
  g.AutoSizeCol(1);
  EXPECT_EQ(g.ColWidths(1), widest + 8);
}

TEST(DivUzevCalc, AutoSizeRowsToLinesAndWrappedText) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(3);
  g.SetWordWrap(false);
  g.SetMultilineCells(true);
  g.SetCellEx(1, 1, "one\r\ntwo\r\nthree");
  g.Canvas()->Font()->Assign(g.Font());
  const int h = g.Canvas()->TextHeight("gh");
  g.AutoSizeRows(false, 4);
  EXPECT_EQ(g.RowHeights(1), 4 + 3 * (h + h / 8));
  EXPECT_EQ(g.RowHeights(2), 4 + (h + h / 8));
  g.SetMinRowHeight(30);
  g.SetMaxRowHeight(31);
  g.SizeRowToLines(2, 5, 0);
  EXPECT_EQ(g.RowHeights(2), 31);
}

TEST(DivUzevCalc, AutoFitColumnsFillsTheControl) {
  TDedAdararAdoz g(nullptr);
  g.SetBorderStyle(bsNone);
  g.SetScrollBars(ssNone);
  g.SetBounds(0, 0, 300, 100);
  g.SetColCount(2);
  g.SetFixedCols(0);
  g.SetRowCount(2);
  g.SetOptions(TGridOptions{goVertLine, goHorzLine});
  g.SetColWidths(0, 50);
  g.SetColWidths(1, 100);
  g.AutoFitColumns(true);
  EXPECT_EQ(g.ColWidths(0), 99);
  EXPECT_EQ(g.ColWidths(1), 201);
}

TEST(DivUzevCalc, ZoomStaysWithinTenSteps) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(2);
  const int w = g.ColWidths(1), h = g.RowHeights(1);
  g.Zoom(3);
  g.Zoom(3);
  g.Zoom(5);
  EXPECT_EQ(g.ZoomFactor(), 6);
  EXPECT_EQ(g.ColWidths(1), w + 6);
  EXPECT_EQ(g.RowHeights(1), h + 6);
  g.Zoom(-6);
  g.SetColWidths(1, 2);
  g.Zoom(-3);
  EXPECT_EQ(g.ColWidths(1), 2) << "a width that would not stay above 0 stays";
}

// ---------------------------------------------------------------------------
// Footer

void FooterGrid(TDedAdararAdoz& g, int rows) {
  g.SetColCount(4);
  g.SetRowCount(rows);
  g.FloatingFooter()->SetVisible(true);
  for (int r = 1; r < rows - 1; ++r) g.SetCellEx(2, r, std::to_string(r));
}

TEST(DivUzevCalc, FooterCellsTakeTheirColumnsCalculation) {
  struct Case {
    TColumnCalcType type;
    std::string want;
  };
  // Rows 1..8 hold 1..8.
  const Case cases[] = {{acCOUNT, "8"},      {acSUM, "36.00"}, {acAVG, "4.50"},    {acMIN, "1.00"},
                        {acMAX, "8.00"},     {acDISTINCT, "8.00"}, {acSTDDEV, "2.29"}, {acSPREAD, "keep"}};
  for (const Case& c : cases) {
    TDedAdararAdoz g(nullptr);
    FooterGrid(g, 10);
    g.SetCellEx(2, 9, "keep");
    g.GetCellProperties(2, 9)->SetCalcType(c.type);
    g.CalcFooter(2);
    EXPECT_EQ(g.GetCellEx(2, 9), c.want) << c.type;
  }
}

TEST(DivUzevCalc, FooterCustomValuesAndSwitches) {
  TDedAdararAdoz g(nullptr);
  FooterGrid(g, 5);
  g.SetCellEx(1, 4, "old");
  g.GetCellProperties(1, 4)->SetCalcType(acCUSTOM);
  g.CalcFooter(-1);
  EXPECT_EQ(g.GetCellEx(1, 4), "") << "no handler: empty";
  g.FloatingFooter()->OnCalcFooter = [](TObject*, int, int, std::string& v) { v = "settings"; };
  g.CalcFooter(1);
  EXPECT_EQ(g.GetCellEx(1, 4), "settings");
  g.OnFooterCalc = [](TObject*, int ACol, int ARow, std::string& v) { v = std::to_string(ACol) + "," + std::to_string(ARow); };
  g.CalcFooter(-1);
  EXPECT_EQ(g.GetCellEx(1, 4), "1,4") << "the grid's own event first";
  g.FloatingFooter()->SetEnableCalculation(false);
  g.SetCellEx(1, 4, "stays");
  g.CalcFooter(-1);
  EXPECT_EQ(g.GetCellEx(1, 4), "stays");
}

TEST(DivUzevCalc, FooterCountsHiddenRowsWhenAskedTo) {
  TDedAdararAdoz g(nullptr);
  FooterGrid(g, 6);  // rows 1..4 hold 1..4, row 5 is the footer
  g.GetCellProperties(2, 5)->SetCalcType(acSUM);
  g.HideRow(2);
  g.CalcFooter(2);
  EXPECT_EQ(g.GetCellEx(2, 4), "10.00") << "with the hidden row";
  g.FloatingFooter()->SetCalculateHiddenRows(false);
  g.CalcFooter(2);
  EXPECT_EQ(g.GetCellEx(2, 4), "8.00");
  g.GetCellProperties(2, 4)->SetCalcType(acCOUNT);
  g.FloatingFooter()->SetCalculateHiddenRows(true);
  g.CalcFooter(2);
  EXPECT_EQ(g.GetCellEx(2, 4), "4");
}

TEST(DivUzevCalc, NotifiersAreKeptOnceAndDropOutWhenFreed) {
  TDedAdararAdoz g(nullptr);
  auto a = std::make_unique<TGridChangeNotifier>(nullptr);
  TGridChangeNotifier b(nullptr);
  g.RegisterNotifier(a.get());
  g.RegisterNotifier(a.get());
  g.RegisterNotifier(&b);
  EXPECT_EQ(g.Notifiers().size(), 2u);
  TGridChangeNotifier stranger(nullptr);
  g.UnRegisterNotifier(&stranger);
  EXPECT_EQ(g.Notifiers().size(), 2u);
  a.reset();
  ASSERT_EQ(g.Notifiers().size(), 1u);
  EXPECT_EQ(g.Notifiers()[0], &b);
  g.UnRegisterNotifier(&b);
  EXPECT_TRUE(g.Notifiers().empty());
}

TEST(DivUzevCalc, EditabilityAndTheDialogCode) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  g.SetOptions(g.Options() >> goEditing);
  EXPECT_FALSE(g.IsEditable(1, 1)) << "editing off, no range editing, no edit-disable flag";
  g.SetEditDisable(true);
  EXPECT_TRUE(g.IsEditable(1, 1));
  g.OnCanEditCell = [](TObject*, int ARow, int, bool& can) { can = ARow != 2; };
  EXPECT_FALSE(g.IsEditable(1, 2));
  g.OnIsFixedCell = [](TObject*, int, int ACol, bool& fixed) { fixed = ACol == 2; };
  EXPECT_FALSE(g.IsEditable(2, 1));

  TMessage m{};
  m.Msg = WM_GETDLGCODE;
  g.WndProc(m);
  EXPECT_TRUE(m.Result & DLGC_WANTCHARS) << "characters while not editing";
}

}  // namespace
