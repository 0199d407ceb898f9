// The CANopen editors' windows: created and translated with the others,
// headers in the header row, hints of the page shown, rows typed on the
// second page saved; and the description-file writers on their steps.
#include <gtest/gtest.h>

#include "framework/classes/StringList.h"
#include "framework/controls/PageControl.h"
#include "tables/plc/TableFormSupport.h"
#include "tables/plc/USet_PDO_Access.h"
#include "tables/plc/USet_SDO_Client_Access.h"
#include "tables/plc/USet_SDO_Server_Access.h"

namespace {

using TCANopenFormTest = TTableFormTest;

TEST_F(TCANopenFormTest, HeadersAndHintsFollowTheLanguageAndThePageShown) {
  Lang_Table->SetStrings(1917, "COB-ID ricevuto");
  Lang_Table->SetStrings(2059, "Descrizione");
  FLumetraFirmWare->Change_Language();
  struct Case {
    TCANopen_Table_Form* form;
    const char* caption;
    const char* second_header;  // column 1 of the second grid
    const char* last_hint;      // of the second grid
  };
  const Case cases[] = {
      {FSet_PDO_Access, "Set PDO Access", "COB-ID", "Insert a description of the CANopen PDO Frame"},
      {FSet_SDO_Client_Access, nullptr, "ID Device", "Descrizione"},
      {FSet_SDO_Server_Access, nullptr, "Index", nullptr},
  };
  EXPECT_EQ(FSet_PDO_Access->sga->Cells(1, 0), "COB-ID ricevuto");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.form->Name());
    if (c.caption) EXPECT_EQ(c.form->Caption(), c.caption);
    EXPECT_EQ(c.form->sgb->Cells(1, 0), c.second_header);
    EXPECT_EQ(c.form->sga->Cells(0, 0), "N");
    // The hints are those of the grid on the page shown.
    std::string hint, wide;
    c.form->PageControl1->SetActivePageIndex(1);
    c.form->sga->GetCellHint(c.form->sga->ColCount() - 2, 0, hint, wide);
    const std::string second = hint;
    c.form->PageControl1->SetActivePageIndex(0);
    c.form->sga->GetCellHint(c.form->sga->ColCount() - 2, 0, hint, wide);
    EXPECT_NE(hint, "");
    EXPECT_NE(hint, second);
    if (c.last_hint) {
      c.form->PageControl1->SetActivePageIndex(1);
      c.form->sgb->GetCellHint(c.form->sgb->ColCount() - 1, 0, hint, wide);
      EXPECT_EQ(hint, c.last_hint);
      c.form->PageControl1->SetActivePageIndex(0);
    }
    // No hint over the data cells or column 0.
    hint = "cell text";
    c.form->sga->GetCellHint(1, 2, hint, wide);
    EXPECT_EQ(hint, "");
    hint = "x";
    c.form->sga->GetCellHint(0, 0, hint, wide);
    EXPECT_EQ(hint, "");
  }
}

TEST_F(TCANopenFormTest, ARowTypedOnTheSecondPageIsSavedThere) {
  TDialogResponder r;
  r.OnModal([this](TCustomForm*) {
    TFSet_SDO_Server_Access* form = FSet_SDO_Server_Access;
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_SDO_Read);
    form->PageControl1->SetActivePage(form->TS_SDO_Write);
    TRavUvurerEduz* g = form->sgb;
    Type_Cell(g, SDO_Server_Col_Index, 1, "0x2000");
    Type_Cell(g, SDO_Server_Col_SubIndex, 1, "1");
    Type_Cell(g, SDO_Server_Col_NByte, 1, "2");
    Type_Cell(g, SDO_Server_Col_Address_B1, 1, "10");
    Type_Cell(g, SDO_Server_Col_Address_B1 + 1, 1, "11");
    Type_Cell(g, SDO_Server_Col_Mnemonic, 1, "Pompa à");
    Goto(g, 2, 1);
    Press(form->Btn_CopyRow);
    EXPECT_TRUE(form->Tables.Do_Copy_SDO_Write());
    EXPECT_FALSE(form->Tables.Do_Copy_SDO_Read());
    Press(form->Btn_OK);
    EXPECT_EQ(form->ModalResult(), mrOk);
  });
  FSet_SDO_Server_Access->ShowModal();
  EXPECT_TRUE(r.Boxes().empty());
  const std::string file = Read_File(Path_SDO_Server_CANopen);
  EXPECT_NE(file.find("<SDO_Read/><SDO_Write><row "), std::string::npos) << file;
  EXPECT_NE(file.find("Mnemonic=\"Pompa à\""), std::string::npos) << file;
}

TEST_F(TCANopenFormTest, TheGsdStepRunsItsWriter) {
  // Without the communication parameters the writer says what is missing.
  TDialogResponder r;
  r.AnswerBox(mrOk);
  FLumetraFirmWare->Btn_Click(FLumetraFirmWare->Btn_PROFIBUS_GSD);
  ASSERT_EQ(r.Boxes().size(), 1u);
  EXPECT_EQ(r.Boxes()[0].Text, Lang_Table->Strings(1104));
}

}  // namespace
