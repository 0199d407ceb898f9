// The IEC 61850 variables editor's window: one grid of variables.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/VevCGrid.h"
#include "tables/network/UIEC61850_Variables.h"

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

CF_PUBLISH(TFIEC61850_Variables, TTable_Editor_Form) {
  using F = TFIEC61850_Variables;
  P.Field("ACG", &F::ACG);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("ClickCell", &F::ClickCell);
  P.Method("DblClickCell", &F::DblClickCell);
  P.Method("KeyPress", &F::KeyPress);
  P.Method("GridHint", &F::GridHint);
  P.Method("ComboChange", &F::ComboChange);
}

TFIEC61850_Variables::TFIEC61850_Variables(TComponent* AOwner)
    : TTable_Editor_Form(AOwner, Table), Hint_List(new TStringList) {
  LoadFormLayout(this, "forms/FIEC61850_Variables.dfm");
}

TFIEC61850_Variables::~TFIEC61850_Variables() {
  if (FIEC61850_Variables == this) FIEC61850_Variables = nullptr;
}

void TFIEC61850_Variables::FormCreate(TObject*) {
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(1055);
  SetClientHeight(337);
  ACG->SetRowCount(IEC_Table_Rows + 1);
  Set_Lang();
}

void TFIEC61850_Variables::Set_Lang() {
  Set_Form_Texts(1500, 1502, 1508);
  Set_Headers(ACG, {1514, 1515, 1516, 1517, 1518, 1519, 1520, 1532, 1533, 1534, 1542, 1543, 1521});
  Fill_Hints(*Hint_List, {1522, 1523, 1524, 1525, 1526, 1527, 1535, 1536, 1537, 1544, 1545, 1528});
}

void TFIEC61850_Variables::FormShow(TObject*) {
  Load_Grids();
  if (ACG->CanFocus()) ACG->SetFocus();
}

void TFIEC61850_Variables::ClickCell(TObject* Sender, int ARow, int ACol) {
  Select_Row_On_Click(Sender, ARow, ACol);
}

void TFIEC61850_Variables::DblClickCell(TObject* Sender, int ARow, int ACol) {
  Grid_Auto_Size_Column(Event_Grid(Sender), ARow, ACol);
}

void TFIEC61850_Variables::KeyPress(TObject* Sender, char32_t& Key) {
  Grid_Enter_Next_Field(Event_Grid(Sender), Key);
}

void TFIEC61850_Variables::GridHint(TObject*, int ARow, int ACol, std::string& HintStr) {
  const int c = ACG->RealColIndex(ACol);
  if (ARow == 0 && c >= 1 && c - 1 < Hint_List->Count())
    HintStr = Hint_List->Strings(c - 1);
  else
    HintStr.clear();
}

// Bound in the layout; a pick needs nothing more than the cell's new text.
void TFIEC61850_Variables::ComboChange(TObject*, int, int, int, const std::string&) {}

TDedAdararAdoz* TFIEC61850_Variables::Grid(int) const { return ACG; }
