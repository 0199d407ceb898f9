// The filter drop-down opened from the filter row's buttons by mouse
// releases on a shown grid: the plain list chooses one value, the check
// list ticks several, and a release elsewhere closes the list.
#include <gtest/gtest.h>

#include <string>

#include "GridEditFixture.h"
#include "grid/view/DivUzevFilterLists.h"

namespace {

using namespace testinput;

struct FilterDropDownFixture : GridEditFixture {
  void SetUp() override {
    GridEditFixture::SetUp();
    g->SetOptions(g->Options() >> goEditing);
    const char* const values[] = {"red", "blue", "red", "green", "blue", "red", "dark red"};
    for (int r = 1; r < 8; ++r) g->SetCellEx(1, r, values[r - 1]);
    g->SetFilterDropDownAuto(true);
  }
  // Releases on the filter button of column c in the header row.
  void ClickFilterButton(int c) {
    const TRect r = g->CellRect(c, 0);
    Click(g, r.Right - 8, r.Top + 6);
  }
  TPoint RowPoint(TCustomListBox* List, int Index, int X) {
    const TRect r = List->ItemRect(Index);
    return TPoint(X, r.Top + r.Height() / 2);
  }
  int Shown() const {
    int n = 0;
    for (int r = 1; r < g->RowCount(); ++r) n += g->GetCellEx(1, r).empty() ? 0 : 1;
    return n;
  }
};

TEST_F(FilterDropDownFixture, ThePlainListChoosesOneValueAndClosesFirst) {
  ClickFilterButton(1);
  TDropList* list = g->FilterDropList();
  ASSERT_TRUE(list->Visible());
  EXPECT_EQ(g->FilterColumn(), 1);
  // "(All)" first, then the column's values sorted; a value with a blank is
  // shown as itself.
  ASSERT_EQ(list->Items()->Count(), 5);
  EXPECT_EQ(list->Items()->Strings(0), "(All)");
  EXPECT_EQ(list->Items()->Strings(1), "blue");
  EXPECT_EQ(list->Items()->Strings(2), "dark red");
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_EQ(list->Top(), g->CellRect(1, 0).Top + 16);

  bool hiddenWhenChosen = false;
  g->OnFilterSelect = [&](TObject*, int, int, const std::string&, std::string&) {
    hiddenWhenChosen = !list->Visible();
  };
  const TPoint p = RowPoint(list, 3, 20);  // "green"
  Click(list, p.X, p.Y);
  EXPECT_TRUE(hiddenWhenChosen);
  EXPECT_EQ(g->RowCount(), 2);
  EXPECT_EQ(g->GetCellEx(1, 1), "green");
  EXPECT_EQ(g->FilterColumn(), -1);

  // "(All)" takes the column's condition off again.
  ClickFilterButton(1);
  const TPoint all = RowPoint(list, 0, 20);
  Click(list, all.X, all.Y);
  EXPECT_EQ(g->RowCount(), 8);
  EXPECT_FALSE(g->Filter()->HasFilter(1));
}

TEST_F(FilterDropDownFixture, ReleasesElsewhereOrOnTheOpenButtonCloseTheList) {
  ClickFilterButton(1);
  ASSERT_TRUE(g->FilterDropList()->Visible());
  ClickFilterButton(1);
  EXPECT_FALSE(g->FilterDropList()->Visible());
  EXPECT_EQ(g->FilterColumn(), -1);

  ClickFilterButton(1);
  ASSERT_TRUE(g->FilterDropList()->Visible());
  ClickCell(2, 5);
  EXPECT_FALSE(g->FilterDropList()->Visible());
  EXPECT_EQ(g->RowCount(), 8) << "the filter is left as it was";
  // A release beside the button opens nothing.
  const TRect r = g->CellRect(1, 0);
  Click(g, r.Left + 4, r.Top + 6);
  EXPECT_FALSE(g->FilterDropList()->Visible());
}

TEST_F(FilterDropDownFixture, TickingTwoValuesKeepsTheRowsOfEither) {
  g->SetFilterDropDownCheck(true);
  ClickFilterButton(1);
  TDropCheckList* list = g->FilterDropCheckList();
  ASSERT_TRUE(list->Visible());
  EXPECT_FALSE(g->FilterDropList()->Visible());
  const TPoint blue = RowPoint(list, 1, TCheckListBox::CheckWidth / 2);
  Click(list, blue.X, blue.Y);
  EXPECT_EQ(g->RowCount(), 3);
  EXPECT_TRUE(list->Visible()) << "the list stays open";
  const TPoint green = RowPoint(list, 3, TCheckListBox::CheckWidth / 2);
  Click(list, green.X, green.Y);
  EXPECT_EQ(g->RowCount(), 4);
  ASSERT_EQ(g->Filter()->Count(), 2);
  EXPECT_EQ(g->Filter()->Items(0)->Operation(), foNONE);
  EXPECT_EQ(g->Filter()->Items(1)->Operation(), foOR);
  for (int r = 1; r < g->RowCount(); ++r) EXPECT_NE(g->GetCellEx(1, r), "red") << r;

  // Opened again, the list shows the ticks of the column's conditions.
  ClickCell(2, 1);
  g->SetFilterColumn(-1);
  ClickFilterButton(1);
  EXPECT_TRUE(list->Checked(1));
  EXPECT_TRUE(list->Checked(3));
  EXPECT_FALSE(list->Checked(2));
}

TEST(FilterDropDownSettings, DefaultsAndAssign) {
  TFilterDropDown a;
  EXPECT_EQ(a.Width(), 150);
  EXPECT_EQ(a.Height(), 150);
  EXPECT_FALSE(a.AutoSize());
  EXPECT_EQ(a.Color(), clWindow);
  TFilterDropDown b;
  b.SetWidth(80);
  b.SetAutoSize(true);
  b.SetColumnWidth(true);
  a.Assign(&b);
  EXPECT_EQ(a.Width(), 80);
  EXPECT_TRUE(a.ColumnWidth());
  EXPECT_FALSE(a.AutoSize()) << "AutoSize is not copied";
}

}  // namespace
