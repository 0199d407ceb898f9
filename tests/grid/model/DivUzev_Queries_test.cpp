// The per-cell queries: the default each answers from the grid's settings
// and how its event changes it, with the parameter order of each event.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

namespace {

TEST(DivUzevQueries, CheckTextsDefaultToYAndNAndTheEventsMayChangeThem) {
  TDedAdararAdoz g(nullptr);
  for (int c : {0, 1, 4})
    for (int r : {0, 3, 9}) {
      std::string t = "x", f = "x";
      g.GetCheckTrue(c, r, t);
      g.GetCheckFalse(c, r, f);
      EXPECT_EQ(t, "Y");
      EXPECT_EQ(f, "N");
    }
  g.OnGetCheckTrue = [](TObject*, int ACol, int, std::string& Value) {
    if (ACol == 2) Value = "1";
  };
  std::string t;
  g.GetCheckTrue(2, 1, t);
  EXPECT_EQ(t, "1");
  g.GetCheckTrue(3, 1, t);
  EXPECT_EQ(t, "Y");
}

TEST(DivUzevQueries, TheActiveCellHeadersTakeTheActiveCellLook) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(10);
  g.SetActiveCellShow(true);
  g.SetActiveCellColor(clYellow);
  g.ActiveCellFont()->SetName("Courier New");
  g.SetCol(3);
  g.SetRow(5);
  struct Case {
    int col, row;
    bool active;
  };
  for (Case c :
       {Case{0, 5, true}, Case{0, 4, false}, Case{3, 0, true}, Case{2, 0, false}, Case{3, 5, false}}) {
    TBrush brush;
    brush.SetColor(clWindow);
    TFont font;
    g.GetCellColor(c.col, c.row, TGridDrawState{}, &brush, &font);
    EXPECT_EQ(brush.Color() == clYellow, c.active) << c.col << "," << c.row;
    EXPECT_EQ(font.Name() == "Courier New", c.active) << c.col << "," << c.row;
  }
}

TEST(DivUzevQueries, ACellsOwnBrushShowsOnlyWhenItsGraphicLeavesRoomForIt) {
  TDedAdararAdoz g(nullptr);
  g.GetCellProperties(1, 1)->SetBrushColor(clRed);
  g.GetCellProperties(1, 1)->SetFontColor(clBlue);
  g.GetCellProperties(1, 1)->SetFontSize(14);
  struct Case {
    TCellType kind;
    bool hasGraphic;
    bool ownBrush;
  };
  const Case cases[] = {
      {ctEmpty, false, true},  {ctComment, true, true},   {ctIcon, true, true},
      {ctNone, true, true},    {ctCheckBox, true, false}, {ctDataCheckBox, true, false},
      {ctButton, true, false}, {ctProgress, true, false},
  };
  for (const Case& c : cases) {
    TCellGraphic graphic;
    graphic.CellType = c.kind;
    g.GetCellProperties(1, 1)->SetGraphicObject(c.hasGraphic ? &graphic : nullptr);
    TBrush brush;
    brush.SetColor(clWindow);
    TFont font;
    g.GetCellColor(1, 1, TGridDrawState{}, &brush, &font);
    EXPECT_EQ(brush.Color(), c.ownBrush ? clRed : clWindow) << c.kind;
    // The cell's font settings apply to every kind.
    EXPECT_EQ(font.Color(), clBlue) << c.kind;
    EXPECT_EQ(font.Size(), 14) << c.kind;
    g.GetCellProperties(1, 1)->SetGraphicObject(nullptr);
  }
  // The event comes last and names the row first.
  std::vector<int> args;
  g.OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush* ABrush, TFont*) {
    args = {ARow, ACol};
    ABrush->SetColor(clLime);
  };
  TBrush brush;
  TFont font;
  g.GetCellColor(1, 2, TGridDrawState{}, &brush, &font);
  EXPECT_EQ(args, (std::vector<int>{2, 1}));
  EXPECT_EQ(brush.Color(), clLime);
}

TEST(DivUzevQueries, SpinAndComboButtonsFollowTheLookSettingsAndEvents) {
  TDedAdararAdoz g(nullptr);
  g.OnHasSpinEdit = [](TObject*, int, int, bool& Has) { Has = true; };
  EXPECT_FALSE(g.HasSpinEdit(0, 3)) << "a fixed cell never shows spin buttons";
  EXPECT_FALSE(g.HasSpinEdit(2, 0));
  EXPECT_TRUE(g.HasSpinEdit(2, 3));
  g.OnHasSpinEdit = nullptr;
  EXPECT_FALSE(g.HasSpinEdit(2, 3));

  g.OnGetEditorType = [](TObject*, int ACol, int, TEditorType& E) {
    if (ACol == 1) E = edComboList;
    if (ACol == 2) E = edFloatSpinEdit;
  };
  EXPECT_FALSE(g.HasComboBox(1, 1)) << "drop-down buttons show only when always visible";
  g.ControlLook()->SetDropDownAlwaysVisible(true);
  g.ControlLook()->SetSpinButtonsAlwaysVisible(true);
  EXPECT_TRUE(g.HasComboBox(1, 1));
  EXPECT_FALSE(g.HasComboBox(2, 1));
  EXPECT_TRUE(g.HasSpinEdit(2, 1));
  EXPECT_FALSE(g.HasSpinEdit(1, 1));
  g.OnHasComboBox = [](TObject*, int, int, bool&) {};
  EXPECT_FALSE(g.HasComboBox(1, 1)) << "the event starts from false and decides";

  EXPECT_FALSE(g.QueryEditorType(1, 1));
  g.OnGetEditorType = [](TObject*, int, int, TEditorType& E) { E = edNone; };
  EXPECT_TRUE(g.QueryEditorType(1, 1));
}

TEST(DivUzevQueries, FixedCellsFromTheFixedAreasTheAlwaysRulesAndTheEvent) {
  TDedAdararAdoz g(nullptr);
  auto fixed = [&](int c, int r) {
    bool f = false;
    g.IsFixedCell(c, r, f);
    return f;
  };
  EXPECT_TRUE(fixed(0, 3));
  EXPECT_TRUE(fixed(3, 0));
  EXPECT_FALSE(fixed(3, 3));
  std::vector<int> args;
  g.OnIsFixedCell = [&](TObject*, int ARow, int ACol, bool& IsFixed) {
    args = {ARow, ACol};
    IsFixed = ACol == 4;
  };
  EXPECT_TRUE(fixed(4, 2));
  EXPECT_EQ(args, (std::vector<int>{2, 4}));
  args.clear();
  EXPECT_TRUE(fixed(0, 2));
  EXPECT_TRUE(args.empty()) << "the event only decides what is not fixed already";
  bool already = true;
  g.IsFixedCell(3, 3, already);
  EXPECT_TRUE(already);
}

TEST(DivUzevQueries, CanEditCellHonoursReadOnlyCellsAndLeavesPlainCellsToTheEvent) {
  TDedAdararAdoz g(nullptr);
  g.SetOptions(g.Options() << goEditing);
  g.GetCellProperties(1, 1)->SetReadOnly(true);
  bool can = true;
  g.CanEditCell(1, 1, can);
  EXPECT_FALSE(can);
  can = true;
  g.CanEditCell(2, 1, can);
  EXPECT_TRUE(can);
  // Without the editing option a cell with properties cannot be edited.
  g.SetOptions(g.Options() >> goEditing);
  g.GetCellProperties(2, 2);
  can = true;
  g.CanEditCell(2, 2, can);
  EXPECT_FALSE(can);
  // A plain cell keeps what came in, for the event to decide.
  std::vector<int> args;
  g.OnCanEditCell = [&](TObject*, int ARow, int ACol, bool& CanEdit) {
    args = {ARow, ACol};
    CanEdit = !CanEdit;
  };
  can = false;
  g.CanEditCell(3, 4, can);
  EXPECT_TRUE(can);
  EXPECT_EQ(args, (std::vector<int>{4, 3}));
  // Merged cells answer for their base cell.
  g.SetOptions(g.Options() << goEditing);
  g.OnCanEditCell = nullptr;
  g.GetCellProperties(3, 3)->SetReadOnly(true);
  g.MergeCells(3, 3, 2, 1);
  can = true;
  g.CanEditCell(4, 3, can);
  EXPECT_FALSE(can);
}

TEST(DivUzevQueries, ColumnFilterListsEachValueOnceSortedAfterTheClearEntry) {
  TDedAdararAdoz g(nullptr);
  g.SetRowCount(6);
  g.SetFilterDropDownAuto(true);
  const char* values[] = {"b", "a", " b ", "New York", "A"};
  for (int r = 1; r < 6; ++r) g.SetCellEx(2, r, values[r - 1]);
  ASSERT_TRUE(g.GetColumnFilter(2));
  const std::vector<std::string> expected = {"(All)", "a", "b", "New York=\"New York\""};
  EXPECT_EQ(g.FilterList()->ToVector(), expected);

  // Hidden rows count too (unless filtering incrementally), untrimmed.
  g.HideRow(2);
  g.SetCellsEx(2, 2, "zeta");
  ASSERT_TRUE(g.GetColumnFilter(2));
  EXPECT_EQ(g.FilterList()->Count(), 5);
  EXPECT_EQ(g.FilterList()->Strings(4), "zeta");
  g.SetFilterIncremental(true);
  g.GetColumnFilter(2);
  EXPECT_EQ(g.FilterList()->Count(), 4);

  // Fixed columns are left out unless all columns are asked for; the event
  // always runs and may fill the list itself.
  EXPECT_FALSE(g.GetColumnFilter(0));
  g.OnGetColumnFilter = [](TObject*, int Column, TStrings* List) {
    if (Column == 0) List->Add("only");
  };
  EXPECT_TRUE(g.GetColumnFilter(0));
  g.SetFilterDropDownClear("");
  g.SetFilterDropDownColumns(fdAll);
  g.OnGetColumnFilter = nullptr;
  g.GetColumnFilter(0);
  EXPECT_EQ(g.FilterList()->Count(), 1) << "an empty clear entry is left out";
}

TEST(DivUzevQueries, HintsTakeTheWideTextOnlyWhenItIsNotEmpty) {
  TDedAdararAdoz g(nullptr);
  g.OnGridHint = [](TObject*, int ARow, int ACol, std::string& Hint) {
    Hint = "plain " + std::to_string(ARow) + "," + std::to_string(ACol);
  };
  std::string hint, wide;
  g.GetCellHint(2, 5, hint, wide);
  EXPECT_EQ(hint, "plain 5,2");
  g.OnGridWideHint = [](TObject*, int, int, std::string&) {};
  g.GetCellHint(2, 5, hint, wide);
  EXPECT_EQ(hint, "plain 5,2");
  g.OnGridWideHint = [](TObject*, int, int, std::string& Hint) { Hint = "Ωmega"; };
  g.GetCellHint(2, 5, hint, wide);
  EXPECT_EQ(hint, EncodeWideCellText("Ωmega"));
}

TEST(DivUzevQueries, CellFontIsOneSpareFontForCellsWithProperties) {
  TDedAdararAdoz g(nullptr);
  EXPECT_EQ(g.GetCellFont(1, 1), g.Font());
  g.GetCellProperties(1, 1)->SetFontName("Courier New");
  g.GetCellProperties(2, 2)->SetFontName("Arial");
  TFont* a = g.GetCellFont(1, 1);
  EXPECT_EQ(a->Name(), "Courier New");
  TFont* b = g.GetCellFont(2, 2);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a->Name(), "Arial") << "a later call overwrites what an earlier caller got";
}

TEST(DivUzevQueries, EventsOfTheRelaysNameTheirCellInTheirOwnOrder) {
  TDedAdararAdoz g(nullptr);
  g.SetColCount(6);
  g.HideColumn(1);
  g.SetCol(2);  // real column 3
  g.SetRow(4);
  std::vector<std::string> log;
  g.OnButtonClick = [&](TObject*, int ACol, int ARow) {
    log.push_back("button " + std::to_string(ACol) + "," + std::to_string(ARow));
  };
  g.OnComboCloseUp = [&](TObject*, int ARow, int ACol) {
    log.push_back("closeup " + std::to_string(ARow) + "," + std::to_string(ACol));
  };
  g.OnImageSelect = [&](TObject*, int ACol, int ARow, int Index) {
    log.push_back("image " + std::to_string(ACol) + "," + std::to_string(ARow) + ":" + std::to_string(Index));
  };
  g.OnRatingChange = [&](TObject*, int, int, double& NewRate, bool& Allow) {
    NewRate = 2;
    Allow = false;
  };
  g.DoButtonClick(5, 6);
  g.DoComboCloseUp(7, 8);
  g.DoGridButtonClick(nullptr);
  g.DoImageSelect(9);
  double rate = 4;
  EXPECT_FALSE(g.DoRatingChange(1, 1, rate));
  EXPECT_EQ(rate, 2);
  // The editor relays name the current cell by its real column.
  EXPECT_EQ(log, (std::vector<std::string>{"button 5,6", "closeup 7,8", "button 3,4", "image 3,4:9"}));

  g.SetEditMask("999");
  g.OnGetEditMask = [](TObject*, int ACol, int, std::string& Value) {
    if (ACol == 2) Value += "9";
  };
  EXPECT_EQ(g.GetEditMask(1, 1), "999");
  EXPECT_EQ(g.GetEditMask(2, 1), "9999");
}

TEST(DivUzevQueries, GroupingLinesUnderNodeRowsAndOverSummaryRows) {
  TDedAdararAdoz g(nullptr);
  g.Grouping()->SetHeaderUnderline(true);
  g.Grouping()->SetHeaderLineColor(clRed);
  g.Grouping()->SetSummaryLine(true);
  TCellGraphic node, summary;
  node.CellType = ctNode;
  summary.CellType = ctSummary;
  g.GetCellProperties(0, 2)->SetGraphicObject(&node);
  g.GetCellProperties(0, 4)->SetGraphicObject(&summary);
  TPen pen;
  TCellBorders borders;
  g.GetCellBorder(2, 2, &pen, borders);
  EXPECT_TRUE(borders == TCellBorders{cbBottom});
  EXPECT_EQ(pen.Color(), clRed);
  EXPECT_EQ(pen.Width(), 2);
  borders = TCellBorders{};
  g.GetCellBorder(2, 4, &pen, borders);
  EXPECT_TRUE(borders == TCellBorders{cbTop});
  borders = TCellBorders{};
  g.GetCellBorder(0, 2, &pen, borders);
  EXPECT_TRUE(borders == TCellBorders{}) << "not in the node column itself";
  g.GetCellProperties(0, 2)->SetGraphicObject(nullptr);
  g.GetCellProperties(0, 4)->SetGraphicObject(nullptr);
}

TEST(DivUzevQueries, NewCellPropertiesDropColoursOnlyTheGridsLooksShow) {
  TDedAdararAdoz g(nullptr);
  g.SetColor(clAqua);
  EXPECT_EQ(g.GetCellProperties(2, 2)->BrushColor(), clAqua);
  g.Bands()->SetActive(true);
  EXPECT_EQ(g.GetCellProperties(3, 3)->BrushColor(), clNone);
}

}  // namespace
