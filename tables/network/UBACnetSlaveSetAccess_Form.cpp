// The BACnet objects editor's window: the read and the write objects on two
// pages.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/VevCGrid.h"
#include "tables/network/UBACnetSlaveSetAccess.h"
#include "tables/network/UBACnet_Eng_Unit.h"

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

CF_PUBLISH(TFBACnetSlaveSetAccess, TTable_Editor_Form) {
  using F = TFBACnetSlaveSetAccess;
  P.Field("PageControl1", &F::PageControl1);
  P.Field("TS_BACnet_in_Read", &F::TS_BACnet_in_Read);
  P.Field("TS_BACnet_in_Write", &F::TS_BACnet_in_Write);
  P.Field("ACG_BACnet_in_Read", &F::ACG_BACnet_in_Read);
  P.Field("ACG_BACnet_in_Write", &F::ACG_BACnet_in_Write);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("bitbtn1Click", &F::bitbtn1Click);
  P.Method("Btn_DelRow_Click", &F::Btn_DelRow_Click);
  P.Method("ClickCell", &F::ClickCell);
  P.Method("KeyPress", &F::KeyPress);
  P.Method("GridHint", &F::GridHint);
  P.Method("ACG_BACnet_in_ReadDblClickCell", &F::ACG_BACnet_in_ReadDblClickCell);
  P.Method("ACG_BACnet_in_WriteDblClickCell", &F::ACG_BACnet_in_WriteDblClickCell);
  P.Method("ACG_BACnet_in_WriteComboChange", &F::ACG_BACnet_in_WriteComboChange);
}

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner) : TTable_Editor_Form(AOwner, Tables) {
  Tables.Set_Row_Count = [this](int Row_Count) {
    ACG_BACnet_in_Read->SetRowCount(Row_Count);
    ACG_BACnet_in_Write->SetRowCount(Row_Count);
  };
  LoadFormLayout(this, "forms/FBACnetSlaveSetAccess.dfm");
}

TFBACnetSlaveSetAccess::~TFBACnetSlaveSetAccess() {
  if (FBACnetSlaveSetAccess == this) FBACnetSlaveSetAccess = nullptr;
}

TDedAdararAdoz* TFBACnetSlaveSetAccess::Grid(int Index) const {
  return Index == BACnet_Write_Grid ? ACG_BACnet_in_Write : ACG_BACnet_in_Read;
}

int TFBACnetSlaveSetAccess::Active_Grid() const {
  return PageControl1->ActivePage() == TS_BACnet_in_Write ? BACnet_Write_Grid : BACnet_Read_Grid;
}

void TFBACnetSlaveSetAccess::FormCreate(TObject*) {
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(764);
  SetClientHeight(337);
  ACG_BACnet_in_Read->HideColumn(BACnet_Col_Swap);
  ACG_BACnet_in_Write->HideColumn(BACnet_Col_Swap);
  Set_Column_Items(ACG_BACnet_in_Read, BACnet_Col_Data_Type, BACnet_Read_Data_Types);
  Set_Column_Items(ACG_BACnet_in_Write, BACnet_Col_Data_Type, BACnet_Write_Data_Types);
  Set_Lang();
}

void TFBACnetSlaveSetAccess::Set_Lang() {
  Set_Form_Texts(2500, 2502, 2510);
  TS_BACnet_in_Read->SetCaption(Lang_Table->Strings(2508));
  TS_BACnet_in_Write->SetCaption(Lang_Table->Strings(2509));
  // This editor writes its headers as the header row's texts.
  for (int c = 0; c < BACnet_Col_Count; ++c) {
    ACG_BACnet_in_Read->SetCellEx(c, 0, Lang_Table->Strings(2516 + c));
    ACG_BACnet_in_Write->SetCellEx(c, 0, Lang_Table->Strings(2524 + c));
  }
}

void TFBACnetSlaveSetAccess::FormShow(TObject*) {
  TS_BACnet_in_Read->SetTabVisible(true);
  TS_BACnet_in_Write->SetTabVisible(true);
  PageControl1->SetActivePage(TS_BACnet_in_Write);
  PageControl1->SetActivePage(TS_BACnet_in_Read);
  Load_Grids();
  Set_Column_Items(ACG_BACnet_in_Read, BACnet_Col_Position, Position_Items(Tables.NByte_IN, false));
  Set_Column_Items(ACG_BACnet_in_Write, BACnet_Col_Position, Position_Items(Tables.NByte_OUT, false));
}

void TFBACnetSlaveSetAccess::ClickCell(TObject* Sender, int ARow, int ACol) {
  Select_Row_On_Click(Sender, ARow, ACol);
}

void TFBACnetSlaveSetAccess::KeyPress(TObject* Sender, char32_t& Key) {
  Grid_Enter_Next_Field(Event_Grid(Sender), Key);
}

void TFBACnetSlaveSetAccess::GridHint(TObject*, int, int, std::string&) {}

void TFBACnetSlaveSetAccess::Double_Click(int Index, int ARow, int ACol) {
  TDedAdararAdoz* grid = Grid(Index);
  Pick_Eng_Unit(Tables.Grid(Index), grid->RealColIndex(ACol), ARow,
                [](const std::string& Edit, const std::string& Label) -> std::optional<std::string> {
                  TFBACnet_Eng_Unit* picker = FBACnet_Eng_Unit;
                  if (picker == nullptr) return std::nullopt;
                  picker->E_Selected_EU->SetText(Edit);
                  picker->Label5->SetCaption(Label);
                  if (picker->ShowModal() != mrOk) return std::nullopt;
                  return picker->E_Selected_EU->Text();
                });
  Grid_Auto_Size_Column(grid, ARow, ACol);
}

void TFBACnetSlaveSetAccess::ACG_BACnet_in_ReadDblClickCell(TObject*, int ARow, int ACol) {
  Double_Click(BACnet_Read_Grid, ARow, ACol);
}

void TFBACnetSlaveSetAccess::ACG_BACnet_in_WriteDblClickCell(TObject*, int ARow, int ACol) {
  Double_Click(BACnet_Write_Grid, ARow, ACol);
}

void TFBACnetSlaveSetAccess::ACG_BACnet_in_WriteComboChange(TObject*, int ACol, int ARow, int,
                                                            const std::string& ASelection) {
  Set_Write_Type_Length(Tables.Grid(BACnet_Write_Grid), ACol, ARow, ASelection);
}
