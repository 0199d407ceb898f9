// The S7comm editor in its window: both pages typed, checked and saved,
// and the row commands on the page shown.
#include <gtest/gtest.h>

#include "framework/controls/PageControl.h"
#include "framework/os/Files.h"
#include "tables/plc/TableFormSupport.h"
#include "tables/plc/US7_Protocol_Set_Access.h"

namespace {

class TS7FormTest : public TTableFormTest {
 protected:
  // A read or write row up to Poll Time, typed and picked as a user does.
  void Type_Connection(TRavUvurerEduz* g, int Row, const std::string& Address) {
    Type_Cell(g, S7_Col_PLC_Address, Row, Address);
    Type_Cell(g, S7_Col_PLC_Port, Row, "102");
    Pick_Cell(g, S7_Col_PLC_Type, Row, "S715");
    Type_Cell(g, S7_Col_Rack, Row, "0");
    Type_Cell(g, S7_Col_Slot, Row, "1");
    Pick_Cell(g, S7_Col_Data_Type, Row, "I");
    Pick_Cell(g, S7_Col_Data_Identifier, Row, "DB");
    Type_Cell(g, S7_Col_DB_Number, Row, "10");
    Pick_Cell(g, S7_Col_PLC_Area, Row, "F");
    Type_Cell(g, S7_Col_PLC_Add, Row, "20");
    Pick_Cell(g, S7_Col_PLC_Bit, Row, "3");
    Type_Cell(g, S7_Col_Poll_Time, Row, "1000");
  }
  // Opens the editor from its step, runs Steps in it and answers what the
  // main window's step did.
  void Open(TDialogResponder& R, std::function<void(TFS7_Protocol_Set_Access*)> Steps) {
    R.OnModal([Steps](TCustomForm* f) {
      auto* form = dynamic_cast<TFS7_Protocol_Set_Access*>(f);
      ASSERT_NE(form, nullptr);
      Steps(form);
    });
    FLumetraFirmWare->Btn_S7_Protocol_Access->Click();
  }
};

TEST_F(TS7FormTest, RowsTypedOnBothPagesAreSavedAndCompiled) {
  TDialogResponder r;
  Open(r, [this](TFS7_Protocol_Set_Access* form) {
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_S7_Read);
    TRavUvurerEduz* read = form->ACG_S7_Read;
    Type_Connection(read, 1, "192.168.1.10");
    Pick_Cell(read, S7_Read_Col_Position, 1, "5");
    Pick_Cell(read, S7_Read_Col_Bit, 1, "0");
    Type_Cell(read, 18, 1, "Щит 1");

    form->PageControl1->SetActivePage(form->TS_S7_Write);
    TRavUvurerEduz* write = form->ACG_S7_Write;
    Type_Connection(write, 1, "192.168.1.10");
    Pick_Cell(write, S7_Write_Col_Position, 1, "7");
    Pick_Cell(write, S7_Write_Col_Bit, 1, "2");
    Press(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrOk);
  });
  ASSERT_EQ(r.ModalForms().size(), 1u);
  EXPECT_TRUE(r.Boxes().empty());

  Compile_Configuration();
  ASSERT_EQ(Par_Gen_Block.S7_Entry_Count, 2u);
  const TS7_Access_Entry& a = S7_Access_Table[0];
  EXPECT_EQ(a.Entry_PLC_IP, 0xC0A8010Au);
  EXPECT_EQ(a.Entry_PLC_Port, 102);
  EXPECT_EQ(a.Entry_PLC_Type, PLC_Type_Code("S71500"));
  EXPECT_EQ(a.Entry_Rack_Slot, 1);
  EXPECT_EQ(a.Entry_Data_Type, Data_Type_Code("Int"));
  EXPECT_EQ(a.Entry_DB_Number, 10);
  EXPECT_EQ(a.Entry_Area, PLC_Area_Code("Flags (M) (Merker)"));
  EXPECT_EQ(a.Entry_PLC_Add, 20);
  EXPECT_EQ(a.Entry_PLC_Bit, 3);
  EXPECT_EQ(a.Entry_Poll_Time, 1000u);
  EXPECT_EQ(a.Entry_Position, 5);
  const TS7_Access_Entry& w = S7_Access_Table[1];
  EXPECT_EQ(w.Entry_Flags, Entry_Flag_Write);
  EXPECT_EQ(w.Entry_Position, 7);
  EXPECT_EQ(w.Entry_Bit, 2);

  // What was typed is what the next showing displays.
  TDialogResponder again;
  Open(again, [](TFS7_Protocol_Set_Access* form) {
    EXPECT_EQ(form->ACG_S7_Read->Cells(18, 1), "Щит 1");
    EXPECT_EQ(form->ACG_S7_Read->Cells(4, 1), "S71500");
    EXPECT_EQ(form->ACG_S7_Write->Cells(16, 1), "7");
    EXPECT_EQ(form->ACG_S7_Read->Cells(2, 2), "");
  });
}

TEST_F(TS7FormTest, ARefusedTableKeepsTheDialogOpenAndTheFileAsItWas) {
  Write_File(Path_S7_Protocol, "<S7_Protocol><S7_Protocol_Read/><S7_Protocol_Write/></S7_Protocol>");
  TDialogResponder r;
  r.AnswerBox(mrOk);
  Open(r, [this](TFS7_Protocol_Set_Access* form) {
    Type_Connection(form->ACG_S7_Read, 1, "10.0.0.1");
    Type_Cell(form->ACG_S7_Read, S7_Col_PLC_Port, 1, "70000");
    Press(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrNone);
    // Cancel closes without saving.
    Press(form->Btn_Cancel);
    EXPECT_EQ(form->ModalResult(), mrCancel);
  });
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, "Error row 1!! [S7comm Read] PLC Port must be between 0 and 65535");
  EXPECT_EQ(r.Boxes()[0].Icon, diError);
  EXPECT_EQ(Read_File(Path_S7_Protocol),
            "<S7_Protocol><S7_Protocol_Read/><S7_Protocol_Write/></S7_Protocol>");
}

TEST_F(TS7FormTest, RowCommandsActOnTheGridOfThePageShown) {
  TDialogResponder r;
  r.AnswerBox(mrOk);   // the paste on the other page: nothing copied there
  r.AnswerBox(mrYes);  // delete row 1 of the write table
  Open(r, [this](TFS7_Protocol_Set_Access* form) {
    TRavUvurerEduz* read = form->ACG_S7_Read;
    TRavUvurerEduz* write = form->ACG_S7_Write;
    Type_Cell(read, S7_Col_PLC_Address, 1, "10.0.0.1");
    Goto(read, 3, 1);
    Press(form->Btn_CopyRow);
    EXPECT_TRUE(form->Tables.Do_Copy_In_Read());

    form->PageControl1->SetActivePage(form->TS_S7_Write);
    Goto(write, 2, 1);
    Press(form->Btn_PasteRow);
    EXPECT_EQ(write->Cells(S7_Col_PLC_Address, 1), "");

    Type_Cell(write, S7_Col_PLC_Address, 1, "10.0.0.2");
    Goto(write, 2, 1);
    Press(form->Btn_InsRow);
    EXPECT_EQ(write->Cells(S7_Col_PLC_Address, 2), "10.0.0.2");
    EXPECT_EQ(write->Cells(S7_Col_Enable, 1), "Y");
    EXPECT_EQ(write->Cells(S7_Col_PLC_Address, 1), "");
    Press(form->Btn_DelRow);
    EXPECT_EQ(write->Cells(S7_Col_PLC_Address, 1), "10.0.0.2");
    // The read page kept its row.
    EXPECT_EQ(read->Cells(S7_Col_PLC_Address, 1), "10.0.0.1");
    EXPECT_EQ(read->Cells(S7_Col_PLC_Address, 2), "");
  });
  ASSERT_EQ(r.Boxes().size(), 2u);
  EXPECT_EQ(r.Boxes()[0].Text, "Error!!! Copy a valid row before Paste it");
  EXPECT_EQ(r.Boxes()[1].Text, "Are you sure to delete the Row number 1");
}

}  // namespace
