// The TLS known certificates editor's window: a plain grid of ten rows.
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/ComponentFiler.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/DivUzev.h"
#include "tables/network/UTLS_Server_Known_Cert.h"

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

namespace {
constexpr TColor Enable_Color = static_cast<TColor>(11589887);
constexpr TColor Certificate_Color = static_cast<TColor>(16710368);
constexpr TColor Mnemonic_Color = static_cast<TColor>(16777215);
}  // namespace

CF_PUBLISH(TFTLS_Server_Known_Cert, TTable_Editor_Form) {
  using F = TFTLS_Server_Known_Cert;
  P.Field("DUD", &F::DUD);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("ClickCell", &F::ClickCell);
  P.Method("DblClickCell", &F::DblClickCell);
  P.Method("KeyPress", &F::KeyPress);
  P.Method("GridHint", &F::GridHint);
}

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(TComponent* AOwner)
    : TTable_Editor_Form(AOwner, Table), Hint_List(new TStringList) {
  LoadFormLayout(this, "forms/FTLS_Server_Known_Cert.dfm");
}

TFTLS_Server_Known_Cert::~TFTLS_Server_Known_Cert() {
  if (FTLS_Server_Known_Cert == this) FTLS_Server_Known_Cert = nullptr;
}

void TFTLS_Server_Known_Cert::Init_Table() {
  DUD->SetColCount(4);
  DUD->SetRowCount(TLS_Table_Rows + 1);
  const int headers[] = {1614, 1615, 1616, 1617};
  const int widths[] = {40, 50, 500, 160};
  for (int c = 0; c < 4; ++c) {
    DUD->SetCellEx(c, 0, Lang_Table->Strings(headers[c]));
    DUD->SetColWidths(c, widths[c]);
  }
  DUD->AddCheckBoxColumn(1, false, false);
  DUD->SetVAlignment(vtaCenter);
  DUD->SetRowHeights(0, 22);
  const TColor colors[] = {Enable_Color, Certificate_Color, Mnemonic_Color};
  for (int r = 1; r <= TLS_Table_Rows; ++r) {
    DUD->SetRowHeights(r, 60);
    DUD->SetCellEx(0, r, std::to_string(r));
    for (int c = 1; c < 4; ++c) DUD->GetCellProperties(c, r)->SetBrushColor(colors[c - 1]);
    DUD->GetCellProperties(1, r)->SetAlignment(taCenter);
  }
}

void TFTLS_Server_Known_Cert::FormCreate(TObject*) {
  Init_Table();
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(800);
  SetClientHeight(337);
  Set_Lang();
}

void TFTLS_Server_Known_Cert::Set_Lang() {
  Set_Form_Texts(1600, 1602, 1608);
  for (int c = 0; c < 4; ++c) DUD->SetCellEx(c, 0, Lang_Table->Strings(1614 + c));
  Fill_Hints(*Hint_List, {1618, 1619, 1620});
}

void TFTLS_Server_Known_Cert::FormShow(TObject*) {
  Load_Grids();
  if (DUD->CanFocus()) DUD->SetFocus();
}

void TFTLS_Server_Known_Cert::ClickCell(TObject* Sender, int ARow, int ACol) {
  Select_Row_On_Click(Sender, ARow, ACol);
}

void TFTLS_Server_Known_Cert::DblClickCell(TObject* Sender, int ARow, int ACol) {
  Grid_Auto_Size_Column(Event_Grid(Sender), ARow, ACol);
}

void TFTLS_Server_Known_Cert::KeyPress(TObject* Sender, char32_t& Key) {
  Grid_Enter_Next_Field(Event_Grid(Sender), Key);
}

void TFTLS_Server_Known_Cert::GridHint(TObject*, int ARow, int ACol, std::string& HintStr) {
  const int c = DUD->RealColIndex(ACol);
  if (ARow == 0 && c >= 1 && c - 1 < Hint_List->Count())
    HintStr = Hint_List->Strings(c - 1);
  else
    HintStr.clear();
}
