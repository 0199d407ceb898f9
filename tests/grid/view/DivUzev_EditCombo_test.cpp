// The combo editor of drop-down list and drop-down edit cells: its keys,
// the wheel, completion, the change events and a refused value, through
// key and wheel messages on a shown grid.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridEditFixture.h"
#include "framework/controls/Forms.h"
#include "framework/controls/ToolTips.h"

namespace {

using namespace testinput;

struct ComboKeysFixture : GridEditFixture {
  std::vector<std::string> items{"Read", "Write", "Both"};
  std::vector<std::string> changes;
  void SetUp() override {
    GridEditFixture::SetUp();
    g->OnGetEditorType = [](TObject*, int c, int, TEditorType& e) {
      if (c == 2) e = edComboList;
      if (c == 3) e = edComboEdit;
    };
    g->OnGetEditorProp = [this](TObject*, int, int, TEditLink*) {
      g->ClearComboString();
      for (const std::string& s : items) g->AddComboString(s);
    };
    g->OnComboChange = [this](TObject*, int c, int r, int i, const std::string& s) {
      changes.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i) + " " + s);
    };
  }
  TGridCombo* Combo() { return g->Combobox(); }
  void Open(int c, int r) {
    Goto(c, r);
    PressKey(VK_F2);
    ASSERT_TRUE(Combo()->Visible());
    changes.clear();
  }
};

TEST_F(ComboKeysFixture, UpAndDownInAListStepItsItemsOrLeaveTheCell) {
  struct Case {
    bool comboGetUpDown;
    const char* cell;  // after Down and Enter (or Down alone)
    int row;
  };
  const Case cases[] = {{true, "Write", 3}, {false, "Read", 4}};
  for (const Case& c : cases) {
    g->Navigation()->SetComboGetUpDown(c.comboGetUpDown);
    g->SetCells(2, 3, "Read");
    Open(2, 3);
    PressKey(VK_DOWN);
    if (Combo()->Visible()) PressKey(VK_RETURN);
    EXPECT_FALSE(Combo()->Visible()) << c.comboGetUpDown;
    EXPECT_EQ(g->Cells(2, 3), c.cell) << c.comboGetUpDown;
    EXPECT_EQ(g->Row(), c.row) << c.comboGetUpDown;
    g->SetFocus();
  }
}

TEST_F(ComboKeysFixture, UpAndDownInAClosedEditComboWriteItsTextAndMoveOneRow) {
  for (bool getUpDown : {true, false}) {
    g->Navigation()->SetComboGetUpDown(getUpDown);
    g->SetCells(3, 3, "");
    g->SetCells(3, 4, "below");
    Open(3, 3);
    TypeText("typed");
    PressKey(VK_DOWN);
    Pump();
    EXPECT_FALSE(Combo()->Visible()) << getUpDown;
    EXPECT_EQ(g->Cells(3, 3), "typed") << getUpDown;
    EXPECT_EQ(g->Cells(3, 4), "below") << getUpDown;
    EXPECT_EQ(g->Row(), 4) << getUpDown;
    g->SetFocus();
  }
}

TEST_F(ComboKeysFixture, AltDownOpensTheListInsteadOfLeaving) {
  Open(3, 3);
  PressKey(VK_DOWN, TShiftState{ssAlt});
  EXPECT_TRUE(Combo()->DroppedDown());
  EXPECT_TRUE(Combo()->Visible());
  EXPECT_EQ(g->Row(), 3);
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(Combo()->Visible());
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(Combo()->Visible());
}

TEST_F(ComboKeysFixture, EnterAdvancesAndOpensTheNextCellsEditorWhenAsked) {
  g->Navigation()->SetAdvanceOnEnter(true);
  g->Navigation()->SetAdvanceAutoEdit(true);
  g->SetCells(2, 3, "Read");
  Open(2, 3);
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "Write");
  EXPECT_EQ(g->Col(), 3);
  EXPECT_TRUE(Combo()->Visible());
  EXPECT_EQ(Combo()->Style(), csDropDown);
  PressKey(VK_ESCAPE);
  // Without AdvanceAutoEdit the next cell is only selected.
  g->Navigation()->SetAdvanceAutoEdit(false);
  Open(2, 4);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Col(), 3);
  EXPECT_FALSE(Combo()->Visible());
}

TEST_F(ComboKeysFixture, SelectionChangesByKeyLetterOrWheelAreReportedOnce) {
  g->SetCells(2, 3, "Read");
  Open(2, 3);
  PressKey(VK_DOWN);     // Write
  TypeText("b");         // Both
  Wheel(Combo(), 120);   // back to Write
  Wheel(Combo(), -120);  // Both
  Wheel(Combo(), -120);  // stays at the last item
  const std::vector<std::string> expected = {"2,3 1 Write", "2,3 2 Both", "2,3 1 Write", "2,3 2 Both"};
  EXPECT_EQ(changes, expected);
  EXPECT_EQ(Combo()->ItemIndex(), 2);
  PressKey(VK_UP);
  PressKey(VK_UP);
  Wheel(Combo(), 120);  // stays at item 0
  EXPECT_EQ(Combo()->ItemIndex(), 0);
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "Read");
}

// Typing into an edit combo reports each change twice: with the item index
// (-1 for a text that is no item) and the real column, then with -1, the
// combo's text and the column as shown.
TEST_F(ComboKeysFixture, TypingIntoAnEditComboReportsEachChangeTwice) {
  std::vector<std::string> objects;
  g->OnComboObjectChange = [&](TObject*, int c, int r, int i, const std::string& t, TObject* o) {
    objects.push_back(std::to_string(c) + "," + std::to_string(r) + " " + std::to_string(i) + " " + t +
                      (o == nullptr ? " nil" : " object"));
  };
  g->HideColumn(1);  // real column 3 shows as column 2
  g->SetCells(3, 3, "");
  Open(2, 3);
  ASSERT_EQ(Combo()->Style(), csDropDown);
  TypeText("Rä");
  // "R" completes to the item "Read"; "ä" replaces the completion.
  const std::vector<std::string> expected = {"3,3 0 Read", "2,3 -1 Read", "3,3 -1 Rä", "2,3 -1 Rä"};
  EXPECT_EQ(changes, expected);
  EXPECT_EQ(objects, (std::vector<std::string>{"3,3 0 Read nil", "3,3 -1 Rä nil"}));
  // A text that is an item reports its index.
  changes.clear();
  PressKey(VK_BACK);
  PressKey(VK_BACK);
  changes.clear();
  TypeText("Both");
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes[changes.size() - 2], "3,3 2 Both");
  EXPECT_EQ(changes.back(), "2,3 -1 Both");
  PressKey(VK_ESCAPE);
}

TEST_F(ComboKeysFixture, AnEditComboCompletesFromItsItemsWithLookup) {
  items = {"Alpha", "Beta"};
  g->SetLookup(true);
  g->SetCells(3, 3, "");
  Open(3, 3);
  TypeText("b");
  EXPECT_EQ(Combo()->Text(), "beta");
  EXPECT_EQ(Combo()->SelStart(), 1);
  EXPECT_EQ(Combo()->SelLength(), 3);
  PressKey(VK_BACK);
  EXPECT_EQ(Combo()->Text(), "b");
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(3, 3), "b");
}

TEST_F(ComboKeysFixture, LookupHistoryMakesANewTypedTextAnItem) {
  g->SetLookupHistory(true);
  g->OnGetEditorProp = nullptr;
  Combo()->Items()->Clear();
  Open(3, 3);
  TypeText("new one");
  other->SetFocus();
  Pump();
  EXPECT_EQ(g->Cells(3, 3), "new one");
  EXPECT_GE(Combo()->Items()->IndexOf("new one"), 0);
}

TEST_F(ComboKeysFixture, LeftAtTheStartWalksToTheCellOnTheLeftWithItsEditor) {
  g->Navigation()->SetCursorWalkEditor(true);
  g->SetCells(3, 3, "ab");
  g->SetCells(2, 3, "Both");
  Open(3, 3);
  PressKey(VK_HOME);
  PressKey(VK_LEFT);
  Pump();
  EXPECT_EQ(g->Col(), 2);
  EXPECT_TRUE(Combo()->Visible());
  EXPECT_EQ(Combo()->Style(), csDropDownList);
  EXPECT_EQ(Combo()->Text(), "Both");
  EXPECT_EQ(g->Cells(3, 3), "ab");
  PressKey(VK_ESCAPE);
}

TEST_F(ComboKeysFixture, ARefusedValueStaysInTheComboAndSaysWhy) {
  g->SetInvalidEntryTitle("Access");
  g->SetInvalidEntryText("Both is not allowed in this row");
  g->OnCellValidate = [](TObject*, int, int r, std::string& v, bool& valid) {
    valid = !(r == 3 && v == "Both");
  };
  g->SetCells(2, 3, "Read");
  Open(2, 3);
  TypeText("b");
  PressKey(VK_RETURN);
  Pump();
  EXPECT_TRUE(Combo()->Visible());
  EXPECT_EQ(Combo()->Text(), "Both");
  EXPECT_EQ(g->Cells(2, 3), "Read");
  ASSERT_NE(g->InvalidEntryHint(), nullptr);
  EXPECT_TRUE(g->InvalidEntryHint()->Shown());
  EXPECT_EQ(g->InvalidEntryHint()->Text(), "Both is not allowed in this row");
  // Another item goes in, and the note goes.
  PressKey(VK_UP);
  PressKey(VK_RETURN);
  EXPECT_FALSE(Combo()->Visible());
  EXPECT_EQ(g->Cells(2, 3), "Write");
  EXPECT_FALSE(g->InvalidEntryHint()->Shown());
}

TEST_F(ComboKeysFixture, TheItemServiceAnswersForTheItemsTheCellGets) {
  TObject tag;
  items = {"Read", "Write"};
  g->SetCells(2, 3, "Write");
  // The application fills the items for the cell before each answer.
  EXPECT_EQ(g->GetComboIndex(2, 3), 1);
  EXPECT_EQ(g->GetComboCount(), 2);
  g->SetComboIndex(2, 3, 0);
  EXPECT_EQ(g->Cells(2, 3), "Read");
  g->SetComboIndex(2, 3, 5);
  EXPECT_EQ(g->Cells(2, 3), "Read") << "no such item, no write";
  g->SetCells(2, 4, "other");
  EXPECT_EQ(g->GetComboIndex(2, 4), -1);

  g->AddComboStringObject("Both", &tag);
  EXPECT_EQ(g->GetComboCount(), 3);
  EXPECT_EQ(Combo()->Items()->Objects(2), &tag);
  EXPECT_TRUE(g->RemoveComboString("Read"));
  EXPECT_FALSE(g->RemoveComboString("Read"));
  EXPECT_EQ(g->GetComboCount(), 2);
  g->ClearComboString();
  EXPECT_EQ(g->GetComboCount(), 0);
}

TEST_F(ComboKeysFixture, ATextThatIsNoItemKeepsTheRememberedSelection) {
  items = {"Read", "Write", "Both"};
  g->GetComboIndex(2, 3);
  EXPECT_TRUE(g->SetComboSelectionString("Both"));
  EXPECT_FALSE(g->SetComboSelectionString("Neither"));
  // A cell whose text is no item opens on the remembered item.
  g->SetCells(2, 3, "other");
  Open(2, 3);
  EXPECT_EQ(Combo()->ItemIndex(), 2);
  EXPECT_EQ(Combo()->Text(), "Both");
  EXPECT_TRUE(changes.empty());
  PressKey(VK_RETURN);
  EXPECT_EQ(g->Cells(2, 3), "Both");
}

}  // namespace
