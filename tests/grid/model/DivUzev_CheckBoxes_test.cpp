// Check boxes and radio buttons in cells: data check boxes whose state is
// the cell text, plain and tri-state boxes, their events, the group rule of
// tree nodes, the undo record of a toggle, radio button columns and the
// glyph hit test.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Classes.h"
#include "grid/base/UndoRedo.h"
#include "grid/model/DivUzev.h"

namespace {

std::unique_ptr<TDedAdararAdoz> NewGrid(int Cols = 4, int Rows = 6) {
  auto g = std::make_unique<TDedAdararAdoz>(nullptr);
  g->SetColCount(Cols);
  g->SetRowCount(Rows);
  g->SetOptions(g->Options() << goEditing);
  return g;
}

struct TChange {
  int Col, Row;
  bool State;
  bool operator==(const TChange& o) const { return Col == o.Col && Row == o.Row && State == o.State; }
};

std::vector<TChange>* Watch(TDedAdararAdoz* g) {
  static std::vector<TChange> changes;
  changes.clear();
  g->OnCheckBoxChange = [](TObject*, int ACol, int ARow, bool State) {
    changes.push_back({ACol, ARow, State});
  };
  return &changes;
}

TEST(DivUzevCheckBoxes, ADataCheckBoxIsItsCellText) {
  struct Case {
    std::string text;
    bool state;
    std::string after;
    bool checked;
  };
  const Case cases[] = {
      {"", true, "Y", true},   {"", false, "N", false},      {"N", true, "N", false},
      {"Y", false, "Y", true}, {"maybe", false, "N", false}, {"y", true, "Y", true},
  };
  for (const Case& c : cases) {
    auto g = NewGrid();
    g->SetCellEx(1, 1, c.text);
    g->AddCheckBox(1, 1, c.state, true);
    EXPECT_EQ(g->GetCellEx(1, 1), c.after) << "'" << c.text << "' " << c.state;
    EXPECT_EQ(g->IsChecked(1, 1), c.checked) << "'" << c.text << "' " << c.state;
    EXPECT_TRUE(g->HasDataCheckBox(1, 1));
  }
  // The comparison is exact: "y" is not the check text, and toggles to it.
  auto g = NewGrid();
  g->AddCheckBox(1, 1, false, true);
  g->SetCellEx(1, 1, "y");
  EXPECT_FALSE(g->IsChecked(1, 1));
  EXPECT_TRUE(g->ToggleCheckBox(1, 1));
  EXPECT_EQ(g->GetCellEx(1, 1), "Y");
}

TEST(DivUzevCheckBoxes, SettingAStateIsSilentAndChangingItTellsOnlyRealChanges) {
  auto g = NewGrid();
  auto* changes = Watch(g.get());
  g->AddCheckBox(1, 1, false, true);
  g->AddCheckBox(2, 1, false, false);
  EXPECT_TRUE(g->SetCheckBoxState(1, 1, true));
  EXPECT_EQ(g->GetCellEx(1, 1), "Y");
  EXPECT_TRUE(g->SetCheckBoxState(2, 1, true));
  EXPECT_TRUE(changes->empty());

  EXPECT_TRUE(g->ChangeCheckBoxState(1, 1, true));
  EXPECT_TRUE(g->ChangeCheckBoxState(2, 1, true));
  EXPECT_TRUE(changes->empty());
  EXPECT_TRUE(g->ChangeCheckBoxState(1, 1, false));
  EXPECT_TRUE(g->ChangeCheckBoxState(2, 1, false));
  EXPECT_EQ(*changes, (std::vector<TChange>{{1, 1, false}, {2, 1, false}}));
  EXPECT_EQ(g->GetCellEx(1, 1), "N");
  // Cells without a check box answer false.
  EXPECT_FALSE(g->ChangeCheckBoxState(3, 1, true));
  EXPECT_FALSE(g->SetCheckBoxState(3, 1, true));
  bool state = true;
  EXPECT_FALSE(g->GetCheckBoxState(3, 1, state));
  EXPECT_TRUE(state);
}

TEST(DivUzevCheckBoxes, CheckAllFiresOncePerChangedCell) {
  auto g = NewGrid(3, 6);
  for (int r = 1; r < 6; ++r) g->AddCheckBox(1, r, r == 2, r % 2 == 1);
  auto* changes = Watch(g.get());
  g->CheckAll(1);
  for (int r = 1; r < 6; ++r) EXPECT_TRUE(g->IsChecked(1, r)) << r;
  EXPECT_EQ(changes->size(), 4u);
  changes->clear();
  g->UnCheckAll(1);
  EXPECT_EQ(changes->size(), 5u);
  EXPECT_EQ(g->GetCellEx(1, 1), "N");
}

TEST(DivUzevCheckBoxes, ATriStateBoxCyclesThroughItsThreeStates) {
  auto g = NewGrid();
  g->AddCheckBox(1, 1, cbUnchecked);
  TCheckBoxState s = cbChecked;
  const TCheckBoxState cycle[] = {cbGrayed, cbChecked, cbUnchecked};
  for (TCheckBoxState expected : cycle) {
    EXPECT_TRUE(g->ToggleCheckBox(1, 1));
    ASSERT_TRUE(g->GetCheckBoxState(1, 1, s));
    EXPECT_EQ(s, expected);
  }
  // The Boolean form does not report a tri-state box of a shown row.
  bool b = false;
  EXPECT_FALSE(g->GetCheckBoxState(1, 1, b));
  EXPECT_TRUE(g->SetCheckBoxState(1, 1, cbGrayed));
  EXPECT_FALSE(g->SetCheckBoxState(1, 1, true));
}

TEST(DivUzevCheckBoxes, AGroupNodeShowsWhetherItsRowsAgree) {
  // Row 1 is a node over rows 2 to 4.
  auto g = NewGrid(3, 7);
  TCellGraphic* node = g->CreateCellGraphic(0, 1);
  node->CellType = ctNode;
  node->CellIndex = 4;
  g->Grouping()->SetAutoCheckGroup(true);
  g->AddCheckBox(1, 1, cbUnchecked);
  for (int r = 2; r <= 4; ++r) g->AddCheckBox(1, r, false, false);
  g->AddCheckBox(1, 5, false, false);

  TCheckBoxState s;
  for (int r = 2; r <= 4; ++r) g->ToggleCheckBox(1, r);
  ASSERT_TRUE(g->GetCheckBoxState(1, 1, s));
  EXPECT_EQ(s, cbChecked);
  g->ToggleCheckBox(1, 3);
  g->GetCheckBoxState(1, 1, s);
  EXPECT_EQ(s, cbGrayed);
  // The node passes its new state to all its rows, not beyond.
  g->ToggleCheckBox(1, 1);
  g->GetCheckBoxState(1, 1, s);
  EXPECT_EQ(s, cbChecked);
  for (int r = 2; r <= 4; ++r) EXPECT_TRUE(g->IsChecked(1, r)) << r;
  EXPECT_FALSE(g->IsChecked(1, 5));
}

TEST(DivUzevCheckBoxes, UndoingAToggleRestoresTheTextTheCellHad) {
  TComponent owner(nullptr);
  auto* undo = new TDivUzevUndoRedo(&owner);
  auto g = NewGrid();
  g->SetUndoRedo(undo);
  // Added checked: its own flag says checked whatever the text becomes.
  g->AddCheckBox(1, 1, true, true);
  ASSERT_EQ(g->GetCellEx(1, 1), "Y");
  g->ToggleCheckBox(1, 1);
  ASSERT_EQ(g->GetCellEx(1, 1), "N");
  undo->Undo();
  EXPECT_EQ(g->GetCellEx(1, 1), "Y");
  undo->Redo();
  EXPECT_EQ(g->GetCellEx(1, 1), "N");
  g->SetUndoRedo(nullptr);
}

TEST(DivUzevCheckBoxes, ACellThatMayNotBeEditedIsToggledOnlyWhenChecksAreAlwaysActive) {
  auto g = NewGrid();
  g->AddCheckBox(1, 1, false, true);
  g->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
  EXPECT_FALSE(g->ToggleCheckBoxCell(1, 1, true));
  EXPECT_EQ(g->GetCellEx(1, 1), "N");
  EXPECT_TRUE(g->ToggleCheckBoxCell(1, 1, false));
  g->ControlLook()->SetCheckAlwaysActive(true);
  EXPECT_TRUE(g->ToggleCheckBoxCell(1, 1, true));
  EXPECT_EQ(g->GetCellEx(1, 1), "N");
}

TEST(DivUzevCheckBoxes, CellsBeyondTheGridRefuseACheckBox) {
  auto g = NewGrid(4, 6);
  try {
    g->AddCheckBox(1, 6, true, true);
    FAIL() << "no error";
  } catch (const EDivUzevError& e) {
    EXPECT_STREQ(e.what(), "Invalid cell");
  }
  EXPECT_THROW(g->AddCheckBox(4, 1, cbChecked), EDivUzevError);
  EXPECT_THROW(g->AddRadioButton(-1, 1, true), EDivUzevError);
  // A hidden column still has room.
  g->HideColumn(3);
  g->AddCheckBox(3, 1, true, false);
  EXPECT_TRUE(g->IsChecked(3, 1));
}

TEST(DivUzevCheckBoxes, RadioButtonsOfAColumnFormOneGroup) {
  auto g = NewGrid(3, 6);
  g->AddRadioButtonColumn(1);
  EXPECT_EQ(g->GetRadioButtonColumnIndex(1), -1);
  EXPECT_TRUE(g->ToggleRadioButtonCell(1, 2, false));
  EXPECT_TRUE(g->ToggleRadioButtonCell(1, 4, false));
  EXPECT_FALSE(g->IsRadioButtonChecked(1, 2));
  EXPECT_TRUE(g->IsRadioButtonChecked(1, 4));
  // A checked one stays checked and still answers true.
  EXPECT_TRUE(g->ToggleRadioButtonCell(1, 4, false));
  EXPECT_TRUE(g->IsRadioButtonChecked(1, 4));
  g->SetRadioButtonColumnIndex(1, 3);
  EXPECT_EQ(g->GetRadioButtonColumnIndex(1), 3);
  EXPECT_FALSE(g->ToggleRadioButtonCell(2, 3, false));
  g->RemoveRadioButtonColumn(1);
  EXPECT_FALSE(g->HasRadioButton(1, 3));
}

TEST(DivUzevCheckBoxes, APreciseHitMustFallOnTheGlyph) {
  auto g = NewGrid(3, 4);
  g->SetDefaultColWidth(120);
  g->SetDefaultRowHeight(24);
  g->AddCheckBox(1, 1, false, true);
  const TRect r = g->CellRect(1, 1);
  EXPECT_TRUE(g->IsInCheckBox(1, 1, r.Left + 100, r.Top + 20));
  g->MouseActions()->SetPreciseCheckBoxCheck(true);
  EXPECT_TRUE(g->IsInCheckBox(1, 1, r.Left + 2, r.Top + 2));
  EXPECT_TRUE(g->IsInCheckBox(1, 1, r.Left + 16, r.Top + 16));
  EXPECT_FALSE(g->IsInCheckBox(1, 1, r.Left + 2 + 15 + 20, r.Top + 5));
  EXPECT_FALSE(g->IsInCheckBox(1, 1, r.Left + 17, r.Top + 5));
  EXPECT_FALSE(g->IsInCheckBox(2, 1, r.Left + 2, r.Top + 2));
  // Centred text centres the glyph.
  g->GetCellProperties(1, 1)->SetAlignment(taCenter);
  const int left = r.Left + (r.Width() - 15) / 2;
  EXPECT_TRUE(g->IsInCheckBox(1, 1, left, r.Top + 2));
  EXPECT_FALSE(g->IsInCheckBox(1, 1, left - 1, r.Top + 2));
}

TEST(DivUzevCheckBoxes, StatesAreReadAtTheRealRowWhileRowsAreHidden) {
  auto g = NewGrid(3, 8);
  for (int r = 1; r < 8; ++r) g->AddCheckBox(1, r, r == 5, false);
  g->AddCheckBox(2, 3, true, true);
  g->HideRows(2, 3);
  // Real row 5 is shown at display row 3 and keeps its own state.
  EXPECT_TRUE(g->IsChecked(1, 5));
  EXPECT_FALSE(g->IsChecked(1, 4));
  // A hidden row's boxes are read from where the row is kept.
  EXPECT_TRUE(g->IsChecked(2, 3));
  EXPECT_FALSE(g->IsChecked(1, 2));
  g->UnHideRows(2, 3);
  EXPECT_TRUE(g->IsChecked(2, 3));
  EXPECT_TRUE(g->IsChecked(1, 5));
}

}  // namespace
