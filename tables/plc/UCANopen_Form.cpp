#include "tables/plc/UCANopen_Form.h"

#include "app/UComon.h"
#include "app/ULanguage.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/VevCGrid.h"
#include "tables/plc/UCANopen_Tables.h"

namespace {
std::string Lang(int Id) { return Lang_Table->Strings(Id); }
}  // namespace

CF_PUBLISH(TCANopen_Table_Form, TTable_Editor_Form) {
  using F = TCANopen_Table_Form;
  P.Field("PageControl1", &F::PageControl1);
  P.Field("sga", &F::sga);
  P.Field("sgb", &F::sgb);
  P.Method("FormCreate", &F::FormCreate);
  P.Method("FormShow", &F::FormShow);
  P.Method("Btn_OK_Click", &F::Btn_OK_Click);
  P.Method("Btn_DelRow_Click", &F::Btn_DelRow_Click);
  P.Method("ClickCell", &F::ClickCell);
  P.Method("DblClickCell", &F::DblClickCell);
  P.Method("KeyPress", &F::KeyPress);
  P.Method("GridHint", &F::GridHint);
}

TCANopen_Table_Form::TCANopen_Table_Form(TComponent* AOwner, TTable_Editor& Editor,
                                         const TCANopen_Form_Texts& Texts)
    : TTable_Editor_Form(AOwner, Editor), texts_(Texts) {}

int TCANopen_Table_Form::Active_Grid() const { return PageControl1->ActivePage() == Page(1) ? 1 : 0; }

void TCANopen_Table_Form::FormCreate(TObject*) {
  Bind_Grids();
  L_SW_Code->SetCaption(SW_Code);
  SetClientWidth(texts_.Client_Width);
  SetClientHeight(337);
  PageControl1->SetActivePage(Page(0));
  Set_Lang();
}

void TCANopen_Table_Form::Set_Lang() {
  Set_Form_Texts(texts_.Caption, texts_.Caption + 2, texts_.Caption + 8);
  Page(0)->SetCaption(Lang(texts_.Caption + 14));
  Page(1)->SetCaption(Lang(texts_.Caption + 15));
  for (int g = 0; g < 2; ++g) {
    // These editors write their headers as the header row's texts.
    for (int c = 0; c < texts_.Columns[g]; ++c) Grid(g)->SetCellEx(c, 0, Lang(texts_.First_Header[g] + c));
    TStringList& hints = Hint_List(g);
    hints.Clear();
    for (int k = 0; k < texts_.Hints[g]; ++k) hints.Add(Lang(texts_.First_Hint[g] + k));
  }
}

void TCANopen_Table_Form::FormShow(TObject*) {
  PageControl1->SetActivePage(Page(0));
  Load_Grids();
  if (sga->CanFocus()) sga->SetFocus();
}

void TCANopen_Table_Form::ClickCell(TObject* Sender, int ARow, int ACol) {
  Select_Row_On_Click(Sender, ARow, ACol);
}

void TCANopen_Table_Form::DblClickCell(TObject* Sender, int ARow, int ACol) {
  Grid_Auto_Size_Column(Event_Grid(Sender), ARow, ACol);
}

void TCANopen_Table_Form::KeyPress(TObject* Sender, char32_t& Key) {
  Grid_Enter_Next_Field(Event_Grid(Sender), Key);
}

void TCANopen_Table_Form::GridHint(TObject*, int ARow, int ACol, std::string& HintStr) {
  const TStringList& hints = Hint_List(Active_Grid());
  if (ARow == 0 && ACol >= 1 && ACol - 1 < hints.Count())
    HintStr = hints.Strings(ACol - 1);
  else
    HintStr.clear();
}

TDedAdararAdoz* TCANopen_Table_Form::Grid(int Index) const { return Index == 1 ? sgb : sga; }
