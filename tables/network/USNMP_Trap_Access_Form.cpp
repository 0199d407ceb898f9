// The SNMP trap editor's window: the read and the write table on two pages.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/VevCGrid.h"
#include "tables/network/USNMP_Trap_Access.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

CF_PUBLISH(TFSNMP_Trap_Access, TTable_Editor_Form) {
  using F = TFSNMP_Trap_Access;
  P.Field("PageControl1", &F::PageControl1);
  P.Field("TS_SNMP_Read", &F::TS_SNMP_Read);
  P.Field("TS_SNMP_Write", &F::TS_SNMP_Write);
  P.Field("ACG_SNMP_Read", &F::ACG_SNMP_Read);
  P.Field("ACG_SNMP_Write", &F::ACG_SNMP_Write);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("ACG_SNMP_ReadCheckBoxClick", &F::ACG_SNMP_ReadCheckBoxClick);
  P.Method("Grid_DblClickCell", &F::Grid_DblClickCell);
  P.Method("SGA_KeyPress", &F::SGA_KeyPress);
  P.Method("SGA_GridHint", &F::SGA_GridHint);
}

TFSNMP_Trap_Access::TFSNMP_Trap_Access(TComponent* AOwner)
    : TTable_Editor_Form(AOwner, Tables), Hint_SNMP_Read(new TStringList), Hint_SNMP_Write(new TStringList) {
  LoadFormLayout(this, "forms/FSNMP_Trap_Access.dfm");
}

TFSNMP_Trap_Access::~TFSNMP_Trap_Access() {
  if (FSNMP_Trap_Access == this) FSNMP_Trap_Access = nullptr;
}

int TFSNMP_Trap_Access::Active_Grid() const {
  return PageControl1->ActivePage() == TS_SNMP_Write ? SNMP_Write_Grid : SNMP_Read_Grid;
}

void TFSNMP_Trap_Access::FormCreate(TObject*) {
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(1256);
  SetClientHeight(337);
  // Set here only: a new showing opens on the page shown last.
  PageControl1->SetActivePage(TS_SNMP_Read);
  Set_Lang();
}

void TFSNMP_Trap_Access::Set_Lang() {
  Set_Form_Texts(2200, 2202, 2210);
  TS_SNMP_Read->SetCaption(Lang_Table->Strings(2208));
  TS_SNMP_Write->SetCaption(Lang_Table->Strings(2209));
  Set_Headers(ACG_SNMP_Read,
              {2216, 2217, 2218, 2219, 2220, 2221, 2222, 2223, 2224, 2225, 2226, 2227, 2228, 2281, 2229});
  Set_Headers(ACG_SNMP_Write, {2230, 2231, 2232, 2233, 2234, 2235, 2236, 2237, 2282, 2238});
  Fill_Hints(*Hint_SNMP_Read,
             {2239, 2240, 2241, 2242, 2243, 2244, 2245, 2246, 2247, 2248, 2249, 2250, 2283, 2251});
  Fill_Hints(*Hint_SNMP_Write, {2252, 2253, 2254, 2255, 2256, 2257, 2258, 2284, 2259});
}

void TFSNMP_Trap_Access::FormShow(TObject*) {
  Load_Grids();
  Set_Column_Items(ACG_SNMP_Read, SNMP_Read_Col_Position, Position_Items(Tables.NByte_IN, false));
  Set_Column_Items(ACG_SNMP_Write, SNMP_Write_Col_Position, Position_Items(Tables.NByte_OUT, false));
}

void TFSNMP_Trap_Access::ACG_SNMP_ReadCheckBoxClick(TObject* Sender, int ACol, int, bool) {
  Tables.Check_Box_Clicked(Event_Grid(Sender) == ACG_SNMP_Write ? SNMP_Write_Grid : SNMP_Read_Grid, ACol);
}

void TFSNMP_Trap_Access::Grid_DblClickCell(TObject* Sender, int ARow, int ACol) {
  Grid_Auto_Size_Column(Event_Grid(Sender), ARow, ACol);
}

void TFSNMP_Trap_Access::SGA_KeyPress(TObject* Sender, char32_t& Key) {
  Grid_Enter_Next_Field(Event_Grid(Sender), Key);
}

void TFSNMP_Trap_Access::SGA_GridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr) {
  TDedAdararAdoz* grid = Event_Grid(Sender);
  const TStringList& hints = grid == ACG_SNMP_Write ? *Hint_SNMP_Write : *Hint_SNMP_Read;
  const int k = grid->RealColIndex(ACol);
  if (ARow == 0 && k >= 1 && k - 1 < hints.Count())
    HintStr = hints.Strings(k - 1);
  else
    HintStr.clear();
}

TDedAdararAdoz* TFSNMP_Trap_Access::Grid(int Index) const {
  return Index == SNMP_Write_Grid ? ACG_SNMP_Write : ACG_SNMP_Read;
}
