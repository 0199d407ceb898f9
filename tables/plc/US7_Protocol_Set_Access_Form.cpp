// The S7comm editor's window: the read and the write table on two pages.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/VevCGrid.h"
#include "tables/plc/US7_Protocol_Set_Access.h"

TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access = nullptr;

CF_PUBLISH(TFS7_Protocol_Set_Access, TTable_Editor_Form) {
  using F = TFS7_Protocol_Set_Access;
  P.Field("PageControl1", &F::PageControl1);
  P.Field("TS_S7_Read", &F::TS_S7_Read);
  P.Field("TS_S7_Write", &F::TS_S7_Write);
  P.Field("ACG_S7_Read", &F::ACG_S7_Read);
  P.Field("ACG_S7_Write", &F::ACG_S7_Write);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("ACG_S7_ClickCell", &F::ACG_S7_ClickCell);
  P.Method("ACG_S7_DblClickCell", &F::ACG_S7_DblClickCell);
  P.Method("ACG_S7_KeyPress", &F::ACG_S7_KeyPress);
  P.Method("ACG_S7_GridHint", &F::ACG_S7_GridHint);
}

TFS7_Protocol_Set_Access::TFS7_Protocol_Set_Access(TComponent* AOwner)
    : TTable_Editor_Form(AOwner, Tables),
      Hint_S7_Set_Access_Read(new TStringList),
      Hint_S7_Set_Access_Write(new TStringList) {
  LoadFormLayout(this, "forms/FS7_Protocol_Set_Access.dfm");
}

TFS7_Protocol_Set_Access::~TFS7_Protocol_Set_Access() {
  if (FS7_Protocol_Set_Access == this) FS7_Protocol_Set_Access = nullptr;
}

TDedAdararAdoz* TFS7_Protocol_Set_Access::Grid(int Index) const {
  return Index == S7_Write_Grid ? ACG_S7_Write : ACG_S7_Read;
}

int TFS7_Protocol_Set_Access::Active_Grid() const {
  return PageControl1->ActivePage() == TS_S7_Write ? S7_Write_Grid : S7_Read_Grid;
}

void TFS7_Protocol_Set_Access::FormCreate(TObject*) {
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(1350);
  SetClientHeight(337);
  Set_Lang();
}

void TFS7_Protocol_Set_Access::Set_Lang() {
  Set_Form_Texts(1200, 1202, 1208);
  TS_S7_Read->SetCaption(Lang_Table->Strings(1214));
  TS_S7_Write->SetCaption(Lang_Table->Strings(1215));
  Set_Headers(ACG_S7_Read, {1216, 1217, 1218, 1219, 1220, 1313, 1314, 1221, 1222, 1289, 1290, 1291, 1292,
                            1223, 1224, 1225, 1226, 1227, 1228});
  Set_Headers(ACG_S7_Write, {1229, 1230, 1231, 1232, 1233, 1315, 1316, 1234, 1235, 1293, 1294,
                             1295, 1296, 1236, 1237, 1238, 1239, 1240, 1241, 1242, 1243});
  Fill_Hints(*Hint_S7_Set_Access_Read, {1244, 1245, 1246, 1247, 1317, 1318, 1248, 1249, 1297, 1298, 1299,
                                        1300, 1250, 1251, 1252, 1253, 1254, 1255});
  Fill_Hints(*Hint_S7_Set_Access_Write, {1256, 1257, 1258, 1259, 1319, 1320, 1260, 1261, 1301, 1302,
                                         1303, 1304, 1262, 1263, 1264, 1265, 1266, 1267, 1268, 1269});
}

void TFS7_Protocol_Set_Access::FormShow(TObject*) {
  PageControl1->SetActivePage(TS_S7_Read);
  Load_Grids();
  Set_Column_Items(ACG_S7_Read, S7_Read_Col_Position, Position_Items(Tables.NByte_IN, false));
  Set_Column_Items(ACG_S7_Write, S7_Write_Col_Position, Position_Items(Tables.NByte_OUT, false));
  if (ACG_S7_Read->CanFocus()) ACG_S7_Read->SetFocus();
}

void TFS7_Protocol_Set_Access::ACG_S7_ClickCell(TObject* Sender, int ARow, int ACol) {
  Select_Row_On_Click(Sender, ARow, ACol);
}

void TFS7_Protocol_Set_Access::ACG_S7_DblClickCell(TObject* Sender, int ARow, int ACol) {
  Grid_Auto_Size_Column(Event_Grid(Sender), ARow, ACol);
}

void TFS7_Protocol_Set_Access::ACG_S7_KeyPress(TObject* Sender, char32_t& Key) {
  Grid_Enter_Next_Field(Event_Grid(Sender), Key);
}

void TFS7_Protocol_Set_Access::ACG_S7_GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr) {
  TDedAdararAdoz* grid = Event_Grid(Sender);
  Header_Hint(grid, grid == ACG_S7_Write ? *Hint_S7_Set_Access_Write : *Hint_S7_Set_Access_Read, ARow, ACol,
              HintStr);
}
