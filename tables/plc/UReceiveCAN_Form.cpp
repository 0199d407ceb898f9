// The CAN receive editor's window: one grid of frames.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/VevCGrid.h"
#include "tables/plc/UReceiveCAN.h"

TFReceiveCAN* FReceiveCAN = nullptr;

CF_PUBLISH(TFReceiveCAN, TTable_Editor_Form) {
  using F = TFReceiveCAN;
  P.Field("ACG_CAN_Receive", &F::ACG_CAN_Receive);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("ACG_CAN_ReceiveDblClickCell", &F::ACG_CAN_ReceiveDblClickCell);
  P.Method("ACG_CAN_ReceiveKeyPress", &F::ACG_CAN_ReceiveKeyPress);
  P.Method("ACG_CAN_ReceiveGridHint", &F::ACG_CAN_ReceiveGridHint);
}

TFReceiveCAN::TFReceiveCAN(TComponent* AOwner)
    : TTable_Editor_Form(AOwner, Table), Hint_ReceiveCAN(new TStringList) {
  LoadFormLayout(this, "forms/FReceiveCAN.dfm");
}

TFReceiveCAN::~TFReceiveCAN() {
  if (FReceiveCAN == this) FReceiveCAN = nullptr;
}

TDedAdararAdoz* TFReceiveCAN::Grid(int) const { return ACG_CAN_Receive; }

void TFReceiveCAN::FormCreate(TObject*) {
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(1010);
  SetClientHeight(337);
  Set_Lang();
}

void TFReceiveCAN::Set_Lang() {
  Set_Form_Texts(1700, 1702, 1723);
  Set_Headers(ACG_CAN_Receive,
              {1708, 1709, 1710, 1711, 1712, 1713, 1714, 1715, 1716, 1717, 1718, 1719, 1720, 1721, 1722});
  Fill_Hints(*Hint_ReceiveCAN,
             {1729, 1730, 1731, 1732, 1734, 1735, 1736, 1737, 1738, 1739, 1740, 1741, 1742, 1743});
}

void TFReceiveCAN::FormShow(TObject*) {
  Load_Grids();
  const std::vector<std::string> items = Position_Items(Table.MAX_Byte, true);
  for (int c = Receive_Col_Byte1; c < Receive_Col_Byte1 + 8; ++c) Set_Column_Items(ACG_CAN_Receive, c, items);
  if (ACG_CAN_Receive->CanFocus()) ACG_CAN_Receive->SetFocus();
}

void TFReceiveCAN::ACG_CAN_ReceiveDblClickCell(TObject* Sender, int ARow, int ACol) {
  Grid_Auto_Size_Column(Event_Grid(Sender), ARow, ACol);
}

void TFReceiveCAN::ACG_CAN_ReceiveKeyPress(TObject* Sender, char32_t& Key) {
  Grid_Enter_Next_Field(Event_Grid(Sender), Key);
}

void TFReceiveCAN::ACG_CAN_ReceiveGridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr) {
  Header_Hint(Event_Grid(Sender), *Hint_ReceiveCAN, ARow, ACol, HintStr);
}
