// The KNX editor's window: one grid of rules.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/VevCGrid.h"
#include "tables/network/UKNXAccess.h"

TFKNXAccess* FKNXAccess = nullptr;

CF_PUBLISH(TFKNXAccess, TTable_Editor_Form) {
  using F = TFKNXAccess;
  P.Field("ACG_KNX_in_Write", &F::ACG_KNX_in_Write);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("ACG_KNX_in_WriteClickCell", &F::ACG_KNX_in_WriteClickCell);
  P.Method("DblClickCell", &F::DblClickCell);
  P.Method("KeyPress", &F::KeyPress);
  P.Method("GridHint", &F::GridHint);
}

TFKNXAccess::TFKNXAccess(TComponent* AOwner) : TTable_Editor_Form(AOwner, Table), Hint(new TStringList) {
  LoadFormLayout(this, "forms/FKNXAccess.dfm");
}

TFKNXAccess::~TFKNXAccess() {
  if (FKNXAccess == this) FKNXAccess = nullptr;
}

void TFKNXAccess::FormCreate(TObject*) {
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(1141);
  SetClientHeight(337);
  ACG_KNX_in_Write->Columns()->GetItem(KNX_Col_Length)->SetWidth(96);
  Set_Lang();
}

void TFKNXAccess::Set_Lang() {
  Set_Form_Texts(1400, 1402, 1408);
  // This editor writes its headers as the header row's texts.
  const int headers[] = {1414, 1415, 1416, 1417, 1418, 1419, 1420, 1461, 1421, 1422,
                         1423, 1424, 1425, 1426, 1427, 1428, 1429, 1462, 1430};
  for (int c = 0; c < KNX_Col_Count; ++c) ACG_KNX_in_Write->SetCellEx(c, 0, Lang_Table->Strings(headers[c]));
  Fill_Hints(*Hint, {1431, 1432, 1433, 1434, 1435, 1436, 1463, 1437, 1438, 1440, 1441, 1442, 1443, 1444, 1445,
                     1446, 1464, 1447});
}

void TFKNXAccess::FormShow(TObject*) {
  Load_Grids();
  Set_Column_Items(ACG_KNX_in_Write, KNX_Col_Position, Position_Items(Table.Max_Num_Byte, false));
  if (ACG_KNX_in_Write->CanFocus()) ACG_KNX_in_Write->SetFocus();
}

void TFKNXAccess::ACG_KNX_in_WriteClickCell(TObject* Sender, int ARow, int ACol) {
  Select_Row_On_Click(Sender, ARow, ACol);
}

void TFKNXAccess::DblClickCell(TObject* Sender, int ARow, int ACol) {
  Grid_Auto_Size_Column(Event_Grid(Sender), ARow, ACol);
}

void TFKNXAccess::KeyPress(TObject* Sender, char32_t& Key) { Grid_Enter_Next_Field(Event_Grid(Sender), Key); }

void TFKNXAccess::GridHint(TObject*, int ARow, int ACol, std::string& HintStr) {
  if (ARow == 0 && ACol >= 1 && ACol - 1 < Hint->Count())
    HintStr = Hint->Strings(ACol - 1);
  else
    HintStr.clear();
}

TDedAdararAdoz* TFKNXAccess::Grid(int) const { return ACG_KNX_in_Write; }
