// The CAN receive editor in its window.
#include <gtest/gtest.h>

#include "app/UComon.h"
#include "tables/plc/TableFormSupport.h"
#include "tables/plc/UReceiveCAN.h"

namespace {

using TReceiveCANFormTest = TTableFormTest;

TEST_F(TReceiveCANFormTest, TypedRowsAreSavedAndCompiled) {
  TDialogResponder r;
  r.OnModal([this](TCustomForm* f) {
    auto* form = dynamic_cast<TFReceiveCAN*>(f);
    ASSERT_NE(form, nullptr);
    TRavUvurerEduz* g = form->ACG_CAN_Receive;
    Type_Cell(g, 2, 1, "0x181");
    Pick_Cell(g, 3, 1, "2.0A");
    Type_Cell(g, 4, 1, "2");
    Type_Cell(g, 5, 1, "500");
    Pick_Cell(g, 6, 1, "10");
    Pick_Cell(g, 7, 1, "11");
    Type_Cell(g, 14, 1, "Température");
    EXPECT_EQ(g->Cells(2, 1), "0x181");
    EXPECT_EQ(g->Cells(3, 1), "2.0A (11 bits)");
    EXPECT_EQ(g->Cells(6, 1), "10");
    EXPECT_EQ(g->Cells(7, 1), "11");
    EXPECT_EQ(g->Cells(14, 1), "Température");
    Press(form->Btn_OK);
  });
  FLumetraFirmWare->Btn_CAN_Rec_Frame->Click();
  ASSERT_EQ(r.ModalForms().size(), 1u);
  EXPECT_TRUE(r.Boxes().empty());
  Compile_Configuration();
  ASSERT_EQ(Par_Gen_Block.CAN_Entry_Count, 1u);
  const TCAN_Frame_Entry& e = CAN_Frame_Table[0];
  EXPECT_EQ(e.Frame_COB_ID, 0x181u);
  EXPECT_EQ(e.Frame_Length, 2);
  EXPECT_EQ(e.Frame_Time_Out, 500u);
  EXPECT_EQ(e.Frame_Byte_Pos[0], 10);
  EXPECT_EQ(e.Frame_Byte_Pos[1], 11);
}

// As a person types a row: "10", Enter to the next byte cell, "11" a moment
// later. Each drop-down cell takes what was typed in it, never the letters
// of the cell before (which would give the in-range but wrong 1011).
TEST_F(TReceiveCANFormTest, DropDownCellsTypedOneAfterAnotherTakeEachTheirOwnValue) {
  Opt_Jump_Field_Tables = true;
  TDialogResponder r;
  r.OnModal([this](TCustomForm* f) {
    auto* form = dynamic_cast<TFReceiveCAN*>(f);
    ASSERT_NE(form, nullptr);
    TRavUvurerEduz* g = form->ACG_CAN_Receive;
    Goto(g, 6, 1);
    for (const char* value : {"10", "11", "12", "1"}) {
      for (const char c : std::string(value)) {
        testinput::TypeText(std::string(1, c));
        clock_.Advance(300);
      }
      testinput::PressKey(VK_RETURN);
      testinput::Pump();
      clock_.Advance(300);
    }
    EXPECT_EQ(g->Cells(6, 1), "10");
    EXPECT_EQ(g->Cells(7, 1), "11");
    EXPECT_EQ(g->Cells(8, 1), "12");
    EXPECT_EQ(g->Cells(9, 1), "1");
    EXPECT_EQ(g->Col(), 10);
    Press(form->Btn_Cancel);
  });
  FLumetraFirmWare->Btn_CAN_Rec_Frame->Click();
  Opt_Jump_Field_Tables = false;
  ASSERT_EQ(r.ModalForms().size(), 1u);
}

}  // namespace
