// The CAN transmit editor's window: one grid of frames.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/VevCGrid.h"
#include "tables/plc/UTransmitCAN.h"

TFTransmitCAN* FTransmitCAN = nullptr;

CF_PUBLISH(TFTransmitCAN, TTable_Editor_Form) {
  using F = TFTransmitCAN;
  P.Field("ACG_CAN_Transmit", &F::ACG_CAN_Transmit);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("ACG_CAN_TransmitDblClickCell", &F::ACG_CAN_TransmitDblClickCell);
  P.Method("ACG_CAN_TransmitKeyPress", &F::ACG_CAN_TransmitKeyPress);
  P.Method("ACG_CAN_TransmitGridHint", &F::ACG_CAN_TransmitGridHint);
}

TFTransmitCAN::TFTransmitCAN(TComponent* AOwner)
    : TTable_Editor_Form(AOwner, Table), Hint_TransmitCAN(new TStringList) {
  LoadFormLayout(this, "forms/FTransmitCAN.dfm");
}

TFTransmitCAN::~TFTransmitCAN() {
  if (FTransmitCAN == this) FTransmitCAN = nullptr;
}

TDedAdararAdoz* TFTransmitCAN::Grid(int) const { return ACG_CAN_Transmit; }

void TFTransmitCAN::FormCreate(TObject*) {
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(1100);
  SetClientHeight(337);
  Set_Lang();
}

void TFTransmitCAN::Fill_Hints_TransmitCAN() {
  Fill_Hints(*Hint_TransmitCAN, {1831, 1832, 1833, 1834, 1835, 1863, 1836, 1837, 1838, 1839, 1840, 1841, 1842,
                                 1843, 1844, 1845, 1846});
}

void TFTransmitCAN::Set_Lang() {
  Set_Form_Texts(1800, 1802, 1825);
  Set_Headers(ACG_CAN_Transmit, {1808, 1809, 1810, 1811, 1812, 1813, 1862, 1814, 1815, 1816, 1817, 1818, 1819,
                                 1820, 1821, 1822, 1823, 1824});
  Fill_Hints_TransmitCAN();
}

void TFTransmitCAN::FormShow(TObject*) {
  Load_Grids();
  Fill_Hints_TransmitCAN();
  const std::vector<std::string> items = Position_Items(Table.MAX_Byte, true);
  for (int c = Transmit_Col_Byte1; c < Transmit_Col_Byte1 + 8; ++c)
    Set_Column_Items(ACG_CAN_Transmit, c, items);
  if (ACG_CAN_Transmit->CanFocus()) ACG_CAN_Transmit->SetFocus();
}

void TFTransmitCAN::ACG_CAN_TransmitDblClickCell(TObject* Sender, int ARow, int ACol) {
  Grid_Auto_Size_Column(Event_Grid(Sender), ARow, ACol);
}

void TFTransmitCAN::ACG_CAN_TransmitKeyPress(TObject* Sender, char32_t& Key) {
  Grid_Enter_Next_Field(Event_Grid(Sender), Key);
}

void TFTransmitCAN::ACG_CAN_TransmitGridHint(TObject* Sender, int ARow, int ACol, std::string& HintStr) {
  Header_Hint(Event_Grid(Sender), *Hint_TransmitCAN, ARow, ACol, HintStr);
}
