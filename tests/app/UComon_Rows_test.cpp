// The row commands of the table grids and the shared row clipboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "app/UTable_Memory_Grid.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Dialogs.h"
#include "tests/support/Responder.h"

namespace {

using TRow = std::vector<std::string>;

TRow Copied() {
  TRow cells;
  for (int i = 0; i < Copied_Row->Count(); ++i) cells.push_back(Copied_Row->Strings(i));
  return cells;
}

// A column grid of three data rows: Enable (data check box), key, value,
// Swap (data check box).
class ColumnGridRows : public ::testing::Test {
 protected:
  void SetUp() override {
    Load_Default_Language();
    grid_.Set_Data_Check_Box_Column(1);
    grid_.Set_Data_Check_Box_Column(4);
    for (int r = 1; r <= 3; ++r) grid_.SetCellEx(0, r, std::to_string(r));
  }
  void Fill() {
    grid_.Set_Row(1, {"Y", "a", "1", "N"});
    grid_.Set_Row(2, {"N", "b", "2", "Y"});
    grid_.Set_Row(3, {"Y", "c", "3", "N"});
  }
  std::vector<TRow> Rows() const { return {grid_.Row_Values(1), grid_.Row_Values(2), grid_.Row_Values(3)}; }
  std::vector<std::string> Numbers() const {
    return {grid_.GetCellEx(0, 1), grid_.GetCellEx(0, 2), grid_.GetCellEx(0, 3)};
  }

  TTable_Memory_Grid grid_{3, 5};
};

TEST_F(ColumnGridRows, DeleteMovesTheRowsBelowUpAndClearsTheLast) {
  Fill();
  Column_Grid_Delete_Row(1, grid_);
  EXPECT_EQ(Rows(), (std::vector<TRow>{{"N", "b", "2", "Y"}, {"Y", "c", "3", "N"}, {"", "", "", ""}}));
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));

  Column_Grid_Delete_Row(2, grid_);  // the last used row
  EXPECT_EQ(Rows(), (std::vector<TRow>{{"N", "b", "2", "Y"}, {"", "", "", ""}, {"", "", "", ""}}));

  // Deleting on an empty table, or on the header, changes nothing.
  TTable_Memory_Grid empty{3, 5};
  Column_Grid_Delete_Row(2, empty);
  EXPECT_EQ(empty.Row_Values(3), (TRow{"", "", "", ""}));
  grid_.SetCellEx(2, 0, "Key");
  Column_Grid_Delete_Row(0, grid_);
  EXPECT_EQ(grid_.GetCellEx(2, 0), "Key");
}

TEST_F(ColumnGridRows, InsertOnAFullTableAsksBeforeTheLastRowIsLost) {
  Fill();
  {
    TDialogResponder r;
    r.AnswerBox(mrNo);
    EXPECT_FALSE(Column_Grid_Insert_Row(1, grid_, true));
    ASSERT_EQ(r.Boxes().size(), 1u);
    EXPECT_EQ(r.Boxes()[0].Icon, diQuestion);
    EXPECT_NE(r.Boxes()[0].Text.find("Row 3 "), std::string::npos);
  }
  EXPECT_EQ(Rows(), (std::vector<TRow>{{"Y", "a", "1", "N"}, {"N", "b", "2", "Y"}, {"Y", "c", "3", "N"}}));
  {
    TDialogResponder r;
    r.AnswerBox(mrYes);
    EXPECT_TRUE(Column_Grid_Insert_Row(2, grid_, true));
  }
  EXPECT_EQ(Rows(), (std::vector<TRow>{{"Y", "a", "1", "N"}, {"Y", "", "", ""}, {"N", "b", "2", "Y"}}));
  EXPECT_EQ(Numbers(), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(ColumnGridRows, InsertWithRoomBelowDoesNotAsk) {
  // The strict responder fails the test on any box. A last row holding only
  // check-box texts holds nothing to lose.
  grid_.Set_Row(1, {"Y", "a", "1", "N"});
  grid_.Set_Row(3, {"Y", "", " ", "Y"});
  EXPECT_TRUE(Column_Grid_Insert_Row(1, grid_, false));
  EXPECT_EQ(Rows(), (std::vector<TRow>{{"", "", "", ""}, {"Y", "a", "1", "N"}, {"", "", "", ""}}));

  TTable_Memory_Grid empty{3, 5};
  EXPECT_TRUE(Column_Grid_Insert_Row(3, empty, true));  // the last row: only cleared
  EXPECT_EQ(empty.Row_Values(3), (TRow{"Y", "", "", ""}));
}

TEST_F(ColumnGridRows, CopyTakesEveryDataCellAndLeavesTheCheckFlags) {
  Fill();
  Copied_Row_Check = {true, false};
  Column_Grid_Copy_Row(grid_, 2);
  EXPECT_EQ(Copied(), (TRow{"N", "b", "2", "Y"}));
  EXPECT_EQ(Copied_Row_Check, (std::vector<bool>{true, false}));
}

TEST_F(ColumnGridRows, PasteRefusalsAndTheOverwriteQuestion) {
  struct Case {
    const char* Name;
    bool Copied_Here;
    int Copied_Cells;
    TRow Target;       // row 2 before the paste
    int Expected_Box;  // text id of the box shown, 0 for none
    int Answer;        // answer to that box
    bool Expect_Pasted;
  };
  const std::vector<Case> cases = {
      {"nothing copied here", false, 4, {"", "", "", ""}, 1102, mrOk, false},
      {"another column count", true, 5, {"", "", "", ""}, 1101, mrOk, false},
      {"empty row", true, 4, {"", "", "", ""}, 0, 0, true},
      {"only check boxes and blanks", true, 4, {"Y", "  ", "", "Y"}, 0, 0, true},
      {"used row, No", true, 4, {"N", "b", "", "N"}, 1100, mrNo, false},
      {"used row, Yes", true, 4, {"N", "b", "", "N"}, 1100, mrYes, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Copied_Row->Clear();
    const TRow copied = {"Y", "k", "9", "N", "extra"};
    for (int i = 0; i < c.Copied_Cells; ++i) Copied_Row->Add(copied[static_cast<std::size_t>(i)]);
    grid_.Set_Row(2, c.Target);
    TDialogResponder r;
    if (c.Expected_Box) r.AnswerBox(c.Answer);
    EXPECT_EQ(Column_Grid_Paste_Row(grid_, 2, c.Copied_Here), c.Expect_Pasted);
    if (c.Expected_Box) {
      ASSERT_EQ(r.Boxes().size(), 1u);
      EXPECT_EQ(r.Boxes()[0].Text, Lang_Table->Strings(c.Expected_Box));
    } else {
      EXPECT_TRUE(r.Boxes().empty());
    }
    EXPECT_EQ(grid_.Row_Values(2), c.Expect_Pasted ? (TRow{"Y", "k", "9", "N"}) : c.Target);
  }
}

// A string grid whose columns 1 and 3 hold plain check boxes.
class CheckGridRows : public ::testing::Test {
 protected:
  void SetUp() override {
    Load_Default_Language();
    grid_.Add_Check_Box_Column(1, false);
    grid_.Add_Check_Box_Column(3, false);
  }
  bool Box(int Col, int Row) const {
    bool state = false;
    EXPECT_TRUE(grid_.GetCheckBoxState(Col, Row, state));
    return state;
  }

  TTable_Memory_Grid grid_{3, 4};
};

TEST_F(CheckGridRows, DeleteAndInsertMoveTheBoxStates) {
  grid_.SetCheckBoxState(1, 1, true);
  grid_.SetCellEx(2, 1, "first");
  grid_.SetCheckBoxState(3, 2, true);
  grid_.SetCellEx(2, 2, "second");

  Check_Grid_Delete_Row(1, grid_, true);
  EXPECT_EQ(grid_.GetCellEx(2, 1), "second");
  EXPECT_FALSE(Box(1, 1));
  EXPECT_TRUE(Box(3, 1));
  // The cleared last row: column 1's box set as asked, others off.
  EXPECT_TRUE(Box(1, 3));
  EXPECT_FALSE(Box(3, 3));
  EXPECT_EQ(grid_.GetCellEx(2, 3), "");

  // Row 3 is not used (boxes only), so inserting asks nothing.
  EXPECT_TRUE(Check_Grid_Insert_Row(1, grid_, false));
  EXPECT_EQ(grid_.GetCellEx(2, 2), "second");
  EXPECT_TRUE(Box(3, 2));
  EXPECT_FALSE(Box(1, 1));
  EXPECT_EQ(grid_.GetCellEx(2, 1), "");
}

TEST_F(CheckGridRows, CopyAndPasteCarryTheBoxStates) {
  grid_.SetCheckBoxState(1, 1, true);
  grid_.SetCellEx(2, 1, "name");
  Check_Grid_Copy_Row(grid_, 1);
  EXPECT_EQ(Copied(), (TRow{"Y", "name", "N"}));
  EXPECT_EQ(Copied_Row_Check, (std::vector<bool>{true, false, true}));

  EXPECT_TRUE(Check_Grid_Paste_Row(grid_, 3, true));
  EXPECT_TRUE(Box(1, 3));
  EXPECT_FALSE(Box(3, 3));
  EXPECT_EQ(grid_.GetCellEx(2, 3), "name");

  // A cell of blanks makes a check-grid row used.
  grid_.SetCellEx(2, 2, " ");
  TDialogResponder r;
  r.AnswerBox(mrNo);
  EXPECT_FALSE(Check_Grid_Paste_Row(grid_, 2, true));
  EXPECT_EQ(grid_.GetCellEx(2, 2), " ");
  EXPECT_EQ(r.Boxes().at(0).Text, Lang_Table->Strings(1100));
}

TEST_F(CheckGridRows, PasteAfterAColumnGridCopyTakesUncoveredCellsAsText) {
  // A column-grid copy leaves the flags of an earlier, shorter check-grid copy.
  Copied_Row_Check = {true};
  Copied_Row->Clear();
  Copied_Row->AddStrings(std::vector<std::string>{"Y", "text", "Y"});
  EXPECT_TRUE(Check_Grid_Paste_Row(grid_, 1, true));
  EXPECT_TRUE(Box(1, 1));
  EXPECT_EQ(grid_.GetCellEx(2, 1), "text");
  EXPECT_FALSE(Box(3, 1));
  EXPECT_EQ(grid_.GetCellEx(3, 1), "Y");
}

}  // namespace
