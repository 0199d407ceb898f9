// The row filter: how conditions join, narrowing from a search text, the
// levels and what removing them brings back, switching the filter, and the
// choices of the filter drop-down.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "grid/model/DivUzev.h"

namespace {

// Header row, then one row per value in column 1 (column 2 holds the row's
// number so rows can be told apart).
void Fill(TDedAdararAdoz& g, const std::vector<std::string>& Values) {
  g.SetColCount(3);
  g.SetRowCount(static_cast<int>(Values.size()) + 1);
  g.SetFixedRows(1);
  g.SetCellEx(1, 0, "value");
  for (size_t i = 0; i < Values.size(); ++i) {
    g.SetCellEx(1, static_cast<int>(i) + 1, Values[i]);
    g.SetCellEx(2, static_cast<int>(i) + 1, std::to_string(i + 1));
  }
}

std::vector<std::string> Shown(TDedAdararAdoz& g, int Col = 1) {
  std::vector<std::string> v;
  for (int r = g.FixedRows(); r < g.RowCount(); ++r) v.push_back(g.GetCellEx(Col, r));
  return v;
}

TFilterData* AddCondition(TDedAdararAdoz& g, int Col, const std::string& Cond, TFilterOperation Op) {
  TFilterData* f = g.Filter()->Add();
  f->SetColumn(static_cast<int16_t>(Col));
  f->SetCondition(Cond);
  f->SetOperation(Op);
  return f;
}

}  // namespace

TEST(DivUzevFilter, ConditionsJoinByTheirOperation) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, TFilterOperation>> conds;  // all on column 1
    std::vector<std::string> shown;
  };
  const std::vector<std::string> values = {"apple", "banana", "cherry", "avocado"};
  const std::vector<Case> cases = {
      {"either one", {{"apple", foNONE}, {"cherry", foOR}}, {"apple", "cherry"}},
      // A failing short condition ends the row: the OR after it is not read.
      {"short stops", {{"a*", foSHORT}, {"banana", foOR}}, {"apple", "avocado"}},
      {"and", {{"a*", foNONE}, {"*o", foAND}}, {"avocado"}},
      {"xor", {{"a*", foNONE}, {"*a*", foXOR}}, {"banana"}},
      {"empty matches all", {{"", foNONE}}, values},
  };
  for (const Case& c : cases) {
    TDedAdararAdoz g(nullptr);
    Fill(g, values);
    for (const auto& [cond, op] : c.conds) AddCondition(g, 1, cond, op);
    g.ApplyFilter();
    EXPECT_EQ(Shown(g), c.shown) << c.name;
  }
}

TEST(DivUzevFilter, TheTextTestedFollowsDataPrefixSuffixAndMethod) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"EUR 10 net", "EUR 20 net", "<b>30</b>", "10"});
  TFilterData* f = AddCondition(g, 1, "10", foNONE);
  f->SetPrefix("EUR ");
  f->SetSuffix(" net");
  f->SetMethod(fmLiteral);
  g.ApplyFilter();
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"EUR 10 net", "10"}));
  g.RemoveAllFilters();

  g.Filter()->Clear();
  f = AddCondition(g, 1, "30", foNONE);
  f->SetData(fcStripHTML);
  g.ApplyFilter();
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"<b>30</b>"}));
  g.RemoveAllFilters();

  // The whole row, without regard to case.
  g.Filter()->Clear();
  f = AddCondition(g, 0, "eur 20", foNONE);
  f->SetData(fcRow);
  g.ApplyFilter();
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"EUR 20 net"}));
}

TEST(DivUzevFilter, CustomFilterHasTheLastWordAndProgressEnds) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"a", "b", "c", "d"});
  AddCondition(g, 1, "a", foNONE);
  g.OnCustomFilter = [&](TObject*, int ARow, bool& Accept) {
    if (g.GetCellEx(1, ARow) == "d") Accept = true;
  };
  std::vector<int> progress;
  g.OnFilterProgress = [&](TObject*, int16_t P) { progress.push_back(P); };
  g.ApplyFilter();
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"a", "d"}));
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(progress.back(), 100);
}

TEST(DivUzevFilter, LevelsStackAndComeOffOneByOne) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"ab", "ac", "bc", "abc", "c"});
  AddCondition(g, 1, "*a*", foNONE);
  g.ApplyFilter();
  g.Filter()->Clear();
  AddCondition(g, 1, "*b*", foNONE);
  g.ApplyFilter();
  EXPECT_EQ(g.FilterLevel(), 2);
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"ab", "abc"}));
  EXPECT_FALSE(g.RemoveLastFilter()) << "one level remains";
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"ab", "ac", "abc"}));
  EXPECT_FALSE(g.RemoveLastFilter());
  EXPECT_EQ(g.FilterLevel(), 0);
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"ab", "ac", "bc", "abc", "c"}));
  EXPECT_FALSE(g.RemoveLastFilter()) << "nothing to remove";
  EXPECT_EQ(Shown(g, 2), (std::vector<std::string>{"1", "2", "3", "4", "5"})) << "rows in their places";
}

// What is done to the shown rows while a level is on stays with them when
// the level comes off, whichever way its rows come back.
TEST(DivUzevFilter, EditsWhileALevelIsOnStayWithTheirRows) {
  struct Case {
    const char* name;
    void (*edit)(TDedAdararAdoz&);
    std::vector<std::string> numbers;
  };
  const Case cases[] = {
      {"nothing", [](TDedAdararAdoz&) {}, {"1", "2", "3", "4", "5"}},
      {"a shown cell edited", [](TDedAdararAdoz& g) { g.SetCellEx(2, 2, "x"); }, {"1", "2", "x", "4", "5"}},
      {"a text stored past the rows",
       [](TDedAdararAdoz& g) { g.SetGridCell(0, g.RowCount() + 2, "past"); },
       {"1", "2", "3", "4", "5"}},
      {"a column hidden and shown",
       [](TDedAdararAdoz& g) {
         g.HideColumn(1);
         g.UnHideColumn(1);
       },
       {"1", "2", "3", "4", "5"}},
      {"a row hidden by range",
       [](TDedAdararAdoz& g) {
         g.HideRow(g.RealRowIndex(3));
         g.UnHideRowsAll();
         AddCondition(g, 1, "*a*", foNONE);
         g.ApplyFilter();
       },
       {"1", "2", "3", "4", "5"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TDedAdararAdoz g(nullptr);
    Fill(g, {"ab", "bc", "ac", "c", "abc"});
    AddCondition(g, 1, "*a*", foNONE);
    g.ApplyFilter();
    ASSERT_EQ(Shown(g), (std::vector<std::string>{"ab", "ac", "abc"}));
    c.edit(g);
    g.RemoveLastFilter();
    EXPECT_EQ(Shown(g), (std::vector<std::string>{"ab", "bc", "ac", "c", "abc"}));
    EXPECT_EQ(Shown(g, 2), c.numbers);
    if (std::string(c.name) == "a text stored past the rows")
      EXPECT_EQ(g.GetGridCell(0, g.RowCount() + 2), "past");
  }
}

TEST(DivUzevFilter, NarrowDownStepsAndClearingKeepsOtherHiddenRows) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"xa", "ab", "b", "cab", "zz", "kept apart"});
  g.HideRow(6);  // "kept apart", hidden by range
  g.NarrowDown("a", 1);
  g.NarrowDown("ab", 1);
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"ab", "cab"}));
  g.NarrowDown("a", 1);
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"xa", "ab", "cab"}));
  EXPECT_EQ(g.FilterLevel(), 1);
  // Clearing the text takes the filter levels off and nothing else: the
  // row hidden by range stays hidden with its cells.
  g.NarrowDown("", 1);
  EXPECT_EQ(g.FilterLevel(), 0);
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"xa", "ab", "b", "cab", "zz"}));
  ASSERT_TRUE(g.IsHiddenRow(6));
  EXPECT_EQ(g.GetCellsEx(1, 6), "kept apart");
  g.UnHideRow(6);
  EXPECT_EQ(g.GetCellEx(1, 6), "kept apart");
}

TEST(DivUzevFilter, NarrowDownOnTheWholeRowAndAQuotedBlank) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"New York", "York", "new yorker", "Boston"});
  g.NarrowDown("n", -1);
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"New York", "new yorker", "Boston"}));
  g.NarrowDown("", -1);
  g.NarrowDown("w", 1);
  g.NarrowDown("w ", 1);
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"New York", "new yorker"}));
}

TEST(DivUzevFilter, SwitchingTheFilterOffAndOnStacksNoLevels) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"a", "b", "a"});
  AddCondition(g, 1, "a", foNONE);
  g.SetFilterActive(true);
  EXPECT_EQ(Shown(g).size(), 2u);
  g.SetFilterActive(false);
  EXPECT_EQ(Shown(g).size(), 3u);
  g.SetFilterActive(true);
  EXPECT_EQ(g.FilterLevel(), 1);
  g.SetFilterActive(false);
  EXPECT_EQ(g.FilterLevel(), 0);
  EXPECT_EQ(Shown(g, 2), (std::vector<std::string>{"1", "2", "3"}));
}

TEST(DivUzevFilter, DropDownChoicesSetAndClearTheColumnsCondition) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"red", "blue", "red", "green"});
  for (int r = 1; r <= 4; ++r) g.SetCellEx(0, r, r % 2 ? "odd" : "even");
  g.SetFilterDropDownAuto(true);
  AddCondition(g, 0, "odd", foNONE);

  // The entries: "(All)", then the sorted values.
  g.SetFilterColumn(1);
  g.GetColumnFilter(1);
  ASSERT_EQ(g.FilterList()->Count(), 4);
  EXPECT_EQ(g.FilterList()->Strings(0), "(All)");
  EXPECT_EQ(g.FilterList()->Strings(3), "red");
  std::string seen;
  g.OnFilterSelect = [&](TObject*, int Column, int, const std::string& Friendly, std::string& Cond) {
    seen = std::to_string(Column) + ":" + Friendly + "=" + Cond;
  };
  g.FilterSelect(3);
  EXPECT_EQ(seen, "1:red=red");
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"red", "red"}));
  EXPECT_EQ(g.FilterColumn(), -1);

  g.SetFilterColumn(1);
  g.FilterSelect(0);  // (All): the column's condition goes, the other stays
  EXPECT_EQ(seen, "1:(All)=");
  EXPECT_FALSE(g.Filter()->HasFilter(1));
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"red", "red"})) << "rows 1 and 3 are odd";
  EXPECT_EQ(g.FilterLevel(), 1);

  // No column, or an entry past the list: nothing changes.
  g.FilterSelect(1);
  g.SetFilterColumn(1);
  g.FilterSelect(9);
  EXPECT_EQ(g.Filter()->Count(), 1);
}

TEST(DivUzevFilter, TickedEntriesOfTheCheckListFilterForEither) {
  TDedAdararAdoz g(nullptr);
  Fill(g, {"red", "blue", "red", "green"});
  g.SetFilterDropDownAuto(true);
  g.SetFilterColumn(1);
  g.GetColumnFilter(1);  // (All), blue, green, red
  g.FilterChecks() = {0, 1, 0, 1};
  std::vector<std::string> conds;
  g.OnFilterCheck = [&](TObject*, int, int, const std::string&, std::string& Cond, TObject*) {
    conds.push_back(Cond);
  };
  g.FilterCheck();
  EXPECT_EQ(conds, (std::vector<std::string>{"blue", "red"}));
  ASSERT_EQ(g.Filter()->Count(), 2);
  EXPECT_EQ(g.Filter()->Items(0)->Operation(), foNONE);
  EXPECT_EQ(g.Filter()->Items(1)->Operation(), foOR);
  EXPECT_EQ(Shown(g), (std::vector<std::string>{"red", "blue", "red"}));
}

TEST(DivUzevFilter, TheCollectionsRules) {
  TDedAdararAdoz g(nullptr);
  TFilter* f = g.Filter();
  EXPECT_EQ(f->Add()->Operation(), foNONE);
  EXPECT_EQ(f->Add()->Operation(), foAND);
  EXPECT_EQ(f->Insert(0)->Operation(), foSHORT);
  TFilterData* c = f->GetColFilter(4);
  EXPECT_EQ(c->Column(), 4);
  EXPECT_EQ(f->GetColFilter(4), c);
  EXPECT_TRUE(f->HasFilter(4));
  f->GetColFilter(5);
  f->Add()->SetColumn(4);
  f->RemoveColumnFilter(4);
  EXPECT_FALSE(f->HasFilter(4));
  EXPECT_TRUE(f->HasFilter(5));
  TFilterData copy(nullptr);
  c = f->GetColFilter(5);
  c->SetCondition(">3");
  c->SetMethod(fmLiteral);
  copy.Assign(c);
  EXPECT_EQ(copy.Condition(), ">3");
  EXPECT_EQ(copy.Method(), fmLiteral);
  EXPECT_EQ(copy.Column(), 5);
}
