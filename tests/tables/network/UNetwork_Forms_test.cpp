// The KNX and IEC 61850 editors' windows: created and translated with the
// others, their headers and hints, and a file shown and saved again
// unchanged through the real grid.
#include <gtest/gtest.h>

#include "framework/classes/StringList.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StdCtrls.h"
#include "tables/network/UBACnetSlaveSetAccess.h"
#include "tables/network/UBACnet_Eng_Unit.h"
#include "tables/network/UIEC61850_Variables.h"
#include "tables/network/UKNXAccess.h"
#include "tables/network/UOPC_UA_Server_Access.h"
#include "tables/network/USNMP_Trap_Access.h"
#include "tables/network/UTLS_Server_Known_Cert.h"
#include "tables/plc/TableFormSupport.h"

namespace {

using TNetworkFormTest = TTableFormTest;

TEST_F(TNetworkFormTest, HeadersAndHintsComeFromTheLanguageInUse) {
  Lang_Table->SetStrings(1461, "Fattore");
  Lang_Table->SetStrings(1533, "Conversione");
  Lang_Table->SetStrings(1464, "Tempo massimo");
  FLumetraFirmWare->Change_Language();
  // KNX writes its headers into the header row, IEC through its columns.
  EXPECT_EQ(FKNXAccess->ACG_KNX_in_Write->Cells(KNX_Col_Mul_Factor, 0), "Fattore");
  EXPECT_EQ(FKNXAccess->ACG_KNX_in_Write->Cells(KNX_Col_Mnemonic, 0), "Mnemonic");
  EXPECT_EQ(FIEC61850_Variables->ACG->Columns()->GetItem(IEC_Col_Conversion)->Header(), "Conversione");
  EXPECT_EQ(FKNXAccess->Caption(), "KNX Set Access");
  EXPECT_EQ(FKNXAccess->ACG_KNX_in_Write->Columns()->GetItem(KNX_Col_Length)->Width(), 96);
  EXPECT_EQ(FIEC61850_Variables->ACG->RowCount(), IEC_Table_Rows + 1);

  struct Case {
    TDedAdararAdoz* grid;
    int col;
    const char* hint;
  };
  // Held here: the cases point into it.
  const std::string snmp_hint = Lang_Table->Strings(2259);
  const Case cases[] = {
      {FKNXAccess->ACG_KNX_in_Write, KNX_Col_TimeOut, "Tempo massimo"},
      {FKNXAccess->ACG_KNX_in_Write, KNX_Col_Mnemonic, "Insert a description of the KNX Message"},
      {FIEC61850_Variables->ACG, IEC_Col_Swap, "Enable/Disable the possibility to swap the Byte"},
      {FSNMP_Trap_Access->ACG_SNMP_Write, 9, snmp_hint.c_str()},
  };
  for (const Case& c : cases) {
    std::string hint, wide;
    c.grid->GetCellHint(c.col, 0, hint, wide);
    EXPECT_EQ(hint, c.hint);
    hint = "cell text";
    c.grid->GetCellHint(c.col, 1, hint, wide);
    EXPECT_EQ(hint, "");
  }
}

TEST_F(TNetworkFormTest, AFileShownAndConfirmedIsWrittenBackUnchanged) {
  struct Case {
    TTable_Editor_Form* form;
    const std::string* path;
    std::string file;
    int key_col;
    const char* key;
  };
  const Case cases[] = {
      {FIEC61850_Variables, &Path_IEC61850_Variables,
       "<IEC61850_Variables><row Enable=\"N\" Name=\"Température\" Type=\"Float\" Length=\"4\" "
       "ReadOnly=\"Y\" "
       "Position=\"12\" StartBit=\"0\" Conversion=\"None\" MultiplicationFactor=\"None\" Swap=\"N\" "
       "SwapWord=\"N\" "
       "Mnemonic=\"Kessel\"/></IEC61850_Variables><!--SW_VERSION = 1.000-->",
       IEC_Col_Name, "Température"},
      {FTLS_Server_Known_Cert, &Path_TLS_Known_Cert,
       "<TLS_Server_Known_Cert><row Enable=\"Y\" Certificate=\"MIIB\" Mnemonic=\"Büro\"/><row Enable=\"N\" "
       "Certificate=\"MIIC\" Mnemonic=\"\"/></TLS_Server_Known_Cert><!--SW_VERSION = 1.000-->",
       2, "MIIB"},
  };
  for (const Case& c : cases) {
    Write_File(*c.path, c.file);
    TDialogResponder r;
    r.OnModal([&](TCustomForm*) {
      EXPECT_EQ(c.form->Grid(0)->Cells(c.key_col, 1), c.key);
      Press(c.form->Btn_OK);
      EXPECT_EQ(c.form->ModalResult(), mrOk);
    });
    c.form->ShowModal();
    EXPECT_TRUE(r.Boxes().empty());
    EXPECT_EQ(Read_File(*c.path), c.file);
  }
}

TEST_F(TNetworkFormTest, TheSnmpTablesNumberTheirEnabledRowsAndKeepThePageShown) {
  TFSNMP_Trap_Access* form = FSNMP_Trap_Access;
  TDialogResponder r;
  r.OnModal([&](TCustomForm*) {
    form->PageControl1->SetActivePage(form->TS_SNMP_Write);
    TRavUvurerEduz* g = form->ACG_SNMP_Write;
    // As the grid reports a click that clears row 2's Enable.
    g->SetCellEx(1, 2, "N");
    g->OnCheckBoxClick(g, 1, 2, false);
    EXPECT_EQ(g->Cells(0, 1), "1");
    EXPECT_EQ(g->Cells(0, 2), "");
    EXPECT_EQ(g->Cells(0, 3), "2");
    EXPECT_EQ(form->ACG_SNMP_Read->Cells(0, 3), "3");
  });
  form->ShowModal();
  // The next showing opens on the page shown last, with the rows renumbered
  // from the file.
  TDialogResponder again;
  again.OnModal([&](TCustomForm*) {
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TS_SNMP_Write);
    EXPECT_EQ(form->ACG_SNMP_Write->Cells(0, 2), "2");
  });
  form->ShowModal();
}

TEST_F(TNetworkFormTest, TheCertificatesGridTicksItsOwnBoxes) {
  TDedAdararAdoz* g = FTLS_Server_Known_Cert->DUD;
  EXPECT_EQ(g->ColCount(), 4);
  EXPECT_EQ(g->RowCount(), 11);
  EXPECT_EQ(g->Cells(2, 0), "Certificate");
  Write_File(
      Path_TLS_Known_Cert,
      "<TLS_Server_Known_Cert><row Enable=\"N\" Certificate=\"A\" Mnemonic=\"a\"/></TLS_Server_Known_Cert>");
  TDialogResponder r;
  r.AnswerBox(mrYes);  // delete row 1
  r.OnModal([&](TCustomForm*) {
    bool state = true;
    ASSERT_TRUE(g->GetCheckBoxState(1, 1, state));
    EXPECT_FALSE(state);
    ASSERT_TRUE(g->GetCheckBoxState(1, 2, state));
    EXPECT_TRUE(state);
    Goto(g, 2, 1);
    Press(FTLS_Server_Known_Cert->Btn_DelRow);
    EXPECT_EQ(g->Cells(2, 1), "");
    ASSERT_TRUE(g->GetCheckBoxState(1, 1, state));
    EXPECT_TRUE(state);
    ASSERT_TRUE(g->GetCheckBoxState(1, 10, state));
    EXPECT_TRUE(state);
  });
  FTLS_Server_Known_Cert->ShowModal();
  EXPECT_EQ(r.Boxes().size(), 1u);
}

TEST_F(TNetworkFormTest, AnOpcUaTypePickedSetsItsLengthAndAccess) {
  TFOPC_UA_Server_Access* form = FOPC_UA_Server_Access;
  TDedAdararAdoz* g = form->DUD;
  EXPECT_EQ(g->RowCount(), OPC_UA_Table_Rows + 1);
  EXPECT_EQ(g->Cells(OPC_Col_Read_Write, 0), "R/W");
  TDialogResponder r;
  r.OnModal([&](TCustomForm*) {
    struct Case {
      const char* letters;
      const char* type;
      const char* length;
      bool read_only;
    };
    const Case cases[] = {{"Int3", "Int32", "4", true}, {"Str", "String", "10", false}};
    for (const Case& c : cases) {
      Pick_Cell(g, OPC_Col_Type, 1, c.letters);
      EXPECT_EQ(g->Cells(OPC_Col_Type, 1), c.type);
      EXPECT_EQ(g->Cells(OPC_Col_Length, 1), c.length);
      EXPECT_EQ(g->GetCellProperties(OPC_Col_Length, 1)->ReadOnly(), c.read_only);
      EXPECT_EQ(g->Cells(OPC_Col_Read_Write, 1), "Read/Write");
    }
    Pick_Cell(g, OPC_Col_Read_Write, 1, "Read O");
    EXPECT_EQ(g->Cells(OPC_Col_Read_Write, 1), "Read Only");
  });
  form->ShowModal();
}

TEST_F(TNetworkFormTest, ABACnetUnitIsPickedFromItsCellAndAWriteTypeSetsItsLength) {
  TFBACnetSlaveSetAccess* form = FBACnetSlaveSetAccess;
  EXPECT_EQ(form->ACG_BACnet_in_Read->ColCount(), BACnet_Col_Count - 1);
  EXPECT_EQ(form->ACG_BACnet_in_Read->Cells(BACnet_Col_Eng_Unit, 0), "Eng. Unit");
  const int code = *Selected_Unit_Code(1, 2);
  TDialogResponder r;
  r.OnModal([&](TCustomForm*) {
    EXPECT_EQ(form->ACG_BACnet_in_Read->RowCount(), 2001);
    TRavUvurerEduz* read = form->ACG_BACnet_in_Read;
    read->SetCellEx(BACnet_Col_Eng_Unit, 4, "62");
    // As the grid reports a double click on the cell: the picker opens on
    // the cell's unit, and its choice comes back on OK.
    r.OnModal([&](TCustomForm* picker) {
      TFBACnet_Eng_Unit* p = FBACnet_Eng_Unit;
      EXPECT_EQ(picker, p);
      EXPECT_EQ(p->E_Selected_EU->Text(), "62");
      EXPECT_EQ(p->Label5->Caption(), Unit_Label(62));
      p->CB_Select_Type->SetItemIndex(1);
      p->CB_Select_TypeSelect(p->CB_Select_Type);
      p->CB_Select_Unit->SetItemIndex(2);
      Press(p->Btn_Select_Eng_Unit);
      Press(p->Btn_OK);
    });
    read->OnDblClickCell(read, 4, BACnet_Col_Eng_Unit);
    EXPECT_EQ(read->Cells(BACnet_Col_Eng_Unit, 4), std::to_string(code));

    form->PageControl1->SetActivePage(form->TS_BACnet_in_Write);
    Pick_Cell(form->ACG_BACnet_in_Write, BACnet_Col_Data_Type, 1, "Large");
    EXPECT_EQ(form->ACG_BACnet_in_Write->Cells(BACnet_Col_Data_Type, 1), "Large Analog Value");
    EXPECT_EQ(form->ACG_BACnet_in_Write->Cells(BACnet_Col_Length, 1), "8");
  });
  form->ShowModal();
  EXPECT_EQ(r.ModalForms().size(), 2u);
}

}  // namespace
