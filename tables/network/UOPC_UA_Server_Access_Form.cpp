// The OPC UA server variables editor's window: a plain grid of 250 rows.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/DivUzev.h"
#include "tables/network/UOPC_UA_Server_Access.h"

TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;

CF_PUBLISH(TFOPC_UA_Server_Access, TTable_Editor_Form) {
  using F = TFOPC_UA_Server_Access;
  P.Field("DUD", &F::DUD);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("DUDGetEditorType", &F::DUDGetEditorType);
  P.Method("DUDComboChange", &F::DUDComboChange);
}

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(TComponent* AOwner)
    : TTable_Editor_Form(AOwner, Table),
      Hint(new TStringList),
      VarType(new TStringList),
      RWType(new TStringList) {
  Table.Set_Length_Read_Only = [this](int Row, bool Read_Only) {
    DUD->GetCellProperties(OPC_Col_Length, Row)->SetReadOnly(Read_Only);
  };
  LoadFormLayout(this, "forms/FOPC_UA_Server_Access.dfm");
}

TFOPC_UA_Server_Access::~TFOPC_UA_Server_Access() {
  if (FOPC_UA_Server_Access == this) FOPC_UA_Server_Access = nullptr;
}

void TFOPC_UA_Server_Access::Init_Table() {
  DUD->SetColCount(OPC_Col_Count);
  DUD->SetRowCount(OPC_UA_Table_Rows + 1);
  const int headers[] = {2714, 2715, 2716, 2717, 2718, 2719, 2729, 2720};
  const int widths[] = {40, 50, 120, 100, 100, 280, 100, 280};
  for (int c = 0; c < OPC_Col_Count; ++c) {
    DUD->SetCellEx(c, 0, Lang_Table->Strings(headers[c]));
    DUD->SetColWidths(c, widths[c]);
  }
  DUD->AddCheckBoxColumn(OPC_Col_Enable, false, false);
  const TColor colors[] = {11589887, 16710368, 11075496, 11075496, 16045820, 16045820, 16777215};
  for (int r = 1; r <= OPC_UA_Table_Rows; ++r) {
    DUD->SetCellEx(0, r, std::to_string(r));
    for (int c = 1; c < OPC_Col_Count; ++c) DUD->GetCellProperties(c, r)->SetBrushColor(colors[c - 1]);
    DUD->GetCellProperties(OPC_Col_Enable, r)->SetAlignment(taCenter);
  }
  VarType->Clear();
  for (const std::string& t : OPC_UA_Var_Types) VarType->Add(t);
  RWType->Clear();
  for (const std::string& t : OPC_UA_RW_Types) RWType->Add(t);
}

void TFOPC_UA_Server_Access::FormCreate(TObject*) {
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(1200);
  SetClientHeight(337);
  Set_Lang();
  Init_Table();
}

void TFOPC_UA_Server_Access::Set_Lang() {
  Set_Form_Texts(2700, 2702, 2708);
  const int headers[] = {2714, 2715, 2716, 2717, 2718, 2719, 2729, 2720};
  for (int c = 0; c < OPC_Col_Count; ++c) DUD->SetCellEx(c, 0, Lang_Table->Strings(headers[c]));
  Fill_Hints(*Hint, {2721, 2722, 2723, 2724, 2725, 2730, 2726});
}

void TFOPC_UA_Server_Access::FormShow(TObject*) {
  Load_Grids();
  if (DUD->CanFocus()) DUD->SetFocus();
}

void TFOPC_UA_Server_Access::DUDGetEditorType(TObject*, int ACol, int, TEditorType& AEditor) {
  const int col = DUD->RealColIndex(ACol);
  if (col != OPC_Col_Type && col != OPC_Col_Read_Write) return;
  AEditor = edComboList;
  const TStringList* items = col == OPC_Col_Type ? VarType.get() : RWType.get();
  DUD->ClearComboString();
  for (int i = 0; i < items->Count(); ++i) DUD->AddComboString(items->Strings(i));
}

void TFOPC_UA_Server_Access::DUDComboChange(TObject*, int ACol, int ARow, int,
                                            const std::string& ASelection) {
  if (ACol == OPC_Col_Type) Table.VarSetLength(ASelection, ARow);
}
