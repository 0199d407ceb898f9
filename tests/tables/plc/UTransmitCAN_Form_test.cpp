// The CAN transmit editor in its window.
#include <gtest/gtest.h>

#include "tables/plc/TableFormSupport.h"
#include "tables/plc/UTransmitCAN.h"

namespace {

using TTransmitCANFormTest = TTableFormTest;

TEST_F(TTransmitCANFormTest, TypedRowsAreSavedAndCompiledAfterTheReceivedFrames) {
  Write_File(Path_CAN_Rec_Frames, "<Receive_Frames><row COBID=\"5\" Dim=\"1\"/></Receive_Frames>");
  TDialogResponder r;
  r.OnModal([this](TCustomForm* f) {
    auto* form = dynamic_cast<TFTransmitCAN*>(f);
    ASSERT_NE(form, nullptr);
    TRavUvurerEduz* g = form->ACG_CAN_Transmit;
    // The grid has the keyboard from the start.
    EXPECT_TRUE(g->Focused());
    Type_Cell(g, CAN_Col_COBID, 1, "0x1ABCDEF");
    Pick_Cell(g, CAN_Col_Type, 1, "2.0B");
    Type_Cell(g, CAN_Col_Dimension, 1, "1");
    Type_Cell(g, Transmit_Col_Time, 1, "250");
    Pick_Cell(g, Transmit_Col_Byte1, 1, "1799");
    Type_Cell(g, Transmit_Col_Mnemonic, 1, "Ventil ß");
    Press(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrOk);
  });
  FLumetraFirmWare->Btn_CAN_Send_Frame->Click();
  ASSERT_EQ(r.ModalForms().size(), 1u);
  EXPECT_TRUE(r.Boxes().empty());

  Compile_Configuration();
  ASSERT_EQ(Par_Gen_Block.CAN_Entry_Count, 2u);
  const TCAN_Frame_Entry& e = CAN_Frame_Table[1];
  EXPECT_EQ(e.Frame_COB_ID, 0x1ABCDEFu | Frame_COB_ID_29_Bit);
  EXPECT_EQ(e.Frame_Flags, Frame_Flag_Transmit);
  EXPECT_EQ(e.Frame_Length, 1);
  EXPECT_EQ(e.Frame_Byte_Pos[0], 1799);
  EXPECT_NE(Read_File(Path_CAN_Send_Frames).find("Mnemonic=\"Ventil ß\""), std::string::npos);
}

}  // namespace
