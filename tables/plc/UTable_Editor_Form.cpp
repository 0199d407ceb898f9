#include "tables/plc/UTable_Editor_Form.h"

#include "app/UColumn_Grid_View.h"
#include "app/UComon.h"
#include "app/ULanguage.h"
#include "controls/button/LbButton.h"
#include "framework/classes/Published.h"
#include "framework/classes/StringList.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "grid/model/DivUzev.h"
#include "grid/model/VevCGrid.h"
#include "grid/view/DivUzevEditors.h"
#include "tables/plc/UTable_Editor.h"

namespace {
std::string Lang(int Id) { return Lang_Table->Strings(Id); }
}  // namespace

CF_PUBLISH(TTable_Editor_Form, TForm) {
  using F = TTable_Editor_Form;
  P.Field("P_Title", &F::P_Title);
  P.Field("L_SW_Code", &F::L_SW_Code);
  P.Field("L_SW_Desc", &F::L_SW_Desc);
  P.Field("P_Button", &F::P_Button);
  P.Field("Btn_OK", &F::Btn_OK);
  P.Field("Btn_Cancel", &F::Btn_Cancel);
  P.Field("Btn_DelRow", &F::Btn_DelRow);
  P.Field("Btn_InsRow", &F::Btn_InsRow);
  P.Field("Btn_CopyRow", &F::Btn_CopyRow);
  P.Field("Btn_PasteRow", &F::Btn_PasteRow);
  P.Method("Btn_OKClick", &F::Btn_OKClick);
  P.Method("Btn_DelRowClick", &F::Btn_DelRowClick);
  P.Method("Btn_InsRowClick", &F::Btn_InsRowClick);
  P.Method("Btn_CopyRowClick", &F::Btn_CopyRowClick);
  P.Method("Btn_PasteRowClick", &F::Btn_PasteRowClick);
}

TTable_Editor_Form::TTable_Editor_Form(TComponent* AOwner, TTable_Editor& Editor)
    : TForm(AOwner), editor_(Editor) {}

TTable_Editor_Form::~TTable_Editor_Form() = default;

void TTable_Editor_Form::Bind_Grids() {
  views_.clear();
  for (int i = 0; i < editor_.Grid_Count(); ++i) {
    views_.push_back(std::make_unique<TColumn_Grid_View>(Grid(i)));
    editor_.Set_Grid(i, views_.back().get());
    // A drag over cells selects a range, as Shift with a click or the arrows
    // does; cells are still edited in place.
    if (Grid(i)->Options().Contains(goRangeSelect)) Grid(i)->MouseActions()->SetRangeSelectAndEdit(true);
  }
}

void TTable_Editor_Form::Set_Form_Texts(int Caption_Id, int First_Button_Id, int First_Button_Hint_Id) {
  SetCaption(Lang(Caption_Id));
  L_SW_Desc->SetCaption(Lang(Caption_Id + 1));
  TLbButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
  for (int i = 0; i < 6; ++i) {
    buttons[i]->SetCaption(Lang(First_Button_Id + i));
    buttons[i]->SetHint(Lang(First_Button_Hint_Id + i));
  }
}

void TTable_Editor_Form::Set_Headers(TRavUvurerEduz* Grid, std::initializer_list<int> Ids) {
  int col = 0;
  for (int id : Ids) Grid->Columns()->GetItem(col++)->SetHeader(Lang(id));
}

void TTable_Editor_Form::Fill_Hints(TStringList& Hints, std::initializer_list<int> Ids) {
  Hints.Clear();
  for (int id : Ids) Hints.Add(Lang(id));
}

void TTable_Editor_Form::Load_Grids() {
  std::vector<std::unique_ptr<TDedAdararAdoz::TGridUpdate>> locks;
  for (int i = 0; i < editor_.Grid_Count(); ++i) {
    // A cell editor left open by the last showing must not write into the
    // table just read.
    if (Grid(i)->EditMode()) Grid(i)->CancelInplaceEdit();
    locks.push_back(std::make_unique<TDedAdararAdoz::TGridUpdate>(Grid(i)));
  }
  editor_.Load_Tables();
  for (int i = 0; i < editor_.Grid_Count(); ++i) {
    TDedAdararAdoz* grid = Grid(i);
    grid->SetRow(1);
    grid->SetCol(1);
    grid->SetTopRow(1);
  }
}

void TTable_Editor_Form::Set_Column_Items(TRavUvurerEduz* Grid, int Col,
                                          const std::vector<std::string>& Items) {
  TStringList* list = Grid->Columns()->GetItem(Col)->ComboItems();
  list->BeginUpdate();
  list->Clear();
  for (const std::string& item : Items) list->Add(item);
  list->EndUpdate();
}

void TTable_Editor_Form::Commit_Edit() const {
  TDedAdararAdoz* grid = Grid(Active_Grid());
  if (grid->EditMode()) grid->HideInplaceEdit();
}

void TTable_Editor_Form::WndProc(TMessage& Message) {
  const auto changed = [this] {
    // What is being typed in a cell counts as changed too.
    for (int i = 0; i < editor_.Grid_Count(); ++i)
      if (Grid(i)->EditMode()) Grid(i)->HideInplaceEdit();
    return editor_.Changed();
  };
  if (!Confirm_Close_Unsaved(Message, changed)) return;
  TForm::WndProc(Message);
}

void TTable_Editor_Form::Btn_OKClick(TObject*) {
  for (int i = 0; i < editor_.Grid_Count(); ++i)
    if (Grid(i)->EditMode()) Grid(i)->HideInplaceEdit();
  if (editor_.Save_On_OK()) SetModalResult(mrOk);
}

void TTable_Editor_Form::Btn_DelRowClick(TObject*) {
  Commit_Edit();
  editor_.Delete_Row(Active_Grid(), Grid(Active_Grid())->Row());
}

void TTable_Editor_Form::Btn_InsRowClick(TObject*) {
  Commit_Edit();
  editor_.Insert_Row(Active_Grid(), Grid(Active_Grid())->Row());
}

void TTable_Editor_Form::Btn_CopyRowClick(TObject*) {
  Commit_Edit();
  editor_.Copy_Row(Active_Grid(), Grid(Active_Grid())->Row());
}

void TTable_Editor_Form::Btn_PasteRowClick(TObject*) {
  Commit_Edit();
  editor_.Paste_Row(Active_Grid(), Grid(Active_Grid())->Row());
}

void TTable_Editor_Form::Select_Row_On_Click(TObject* Sender, int ARow, int ACol) {
  auto* grid = dynamic_cast<TDedAdararAdoz*>(Sender);
  if (grid == nullptr || ACol != 0 || ARow < 1 || ARow >= grid->RowCount()) return;
  grid->SelectRows(ARow, 1);
}

void TTable_Editor_Form::Header_Hint(TDedAdararAdoz* Grid, const TStringList& Hints, int ARow, int ACol,
                                     std::string& Hint) {
  if (Grid == nullptr || ARow != 0) return;
  const int c = Grid->RealColIndex(ACol);
  if (c >= 1 && c - 1 < Hints.Count()) Hint = Hints.Strings(c - 1);
}

TDedAdararAdoz* TTable_Editor_Form::Event_Grid(TObject* Sender) const {
  if (auto* grid = dynamic_cast<TDedAdararAdoz*>(Sender)) return grid;
  return Grid(Active_Grid());
}
