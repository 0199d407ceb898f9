// Editing the text of fixed (header) cells in place: a plain edit or a
// combo box over the cell, whose edit ends when it loses the focus or when
// another fixed-cell edit starts. A refused value keeps the editor open.
#include <algorithm>

#include "framework/classes/StringList.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"

namespace {

// Asks an editor whose value was refused to take the focus back once the
// focus change that left it is over.
constexpr UINT kRefocusMessage = WM_APP + 0x319;

// The edit's end shared by both editors: validated, reported, written.
template <class TEditor>
bool StopFixedEdit(TEditor* Editor) {
  if (Editor->Grid == nullptr) {
    Editor->SetVisible(false);
    return true;
  }
  TDedAdararAdoz* grid = Editor->Grid;
  std::string value = Editor->Text();
  bool valid = true;
  if (grid->OnCellValidate) grid->OnCellValidate(grid, Editor->Col, Editor->Row, value, valid);
  if (!valid) {
    // The header cell cannot become the current cell: the editor stays
    // with its text and asks for the focus back.
    Editor->SetVisible(true);
    if (Editor->HandleAllocated()) PostMessage(Editor->Handle(), kRefocusMessage, 0, 0);
    return false;
  }
  if (grid->OnEditingDone) grid->OnEditingDone(grid);
  grid->TBaseGrid::SetCellEx(Editor->Col, Editor->Row, value);
  Editor->SetVisible(false);
  return true;
}

}  // namespace

// ---------------------------------------------------------------------------
// The edit

TGridTransEdit::TGridTransEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  Grid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  SetTabStop(false);
  SetVisible(false);
}

bool TGridTransEdit::StopEdit() { return StopFixedEdit(this); }

void TGridTransEdit::DoExit() {
  TCustomEdit::DoExit();
  if (Visible()) StopEdit();
}

void TGridTransEdit::KeyPress(char32_t& Key) {
  if (Key == 13) Key = 0;
  TCustomEdit::KeyPress(Key);
}

void TGridTransEdit::Change() {
  TCustomEdit::Change();
  if (Grid != nullptr) Grid->FixedEditChange(this);
}

void TGridTransEdit::WndProc(TMessage& Message) {
  if (Message.Msg == kRefocusMessage) {
    if (Visible() && CanFocus()) SetFocus();
    return;
  }
  TCustomEdit::WndProc(Message);
}

// ---------------------------------------------------------------------------
// The combo box

TGridTransCombo::TGridTransCombo(TComponent* AOwner) : TCustomComboBox(AOwner) {
  Grid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  SetTabStop(false);
  SetVisible(false);
}

bool TGridTransCombo::StopEdit() { return StopFixedEdit(this); }

void TGridTransCombo::DoExit() {
  TCustomComboBox::DoExit();
  if (Visible()) StopEdit();
}

void TGridTransCombo::KeyPress(char32_t& Key) {
  if (Key == 13) Key = 0;
  TCustomComboBox::KeyPress(Key);
}

void TGridTransCombo::Change() {
  TCustomComboBox::Change();
  if (Grid != nullptr) Grid->FixedEditChange(this);
}

void TGridTransCombo::WndProc(TMessage& Message) {
  if (Message.Msg == kRefocusMessage) {
    if (Visible() && CanFocus()) SetFocus();
    return;
  }
  TCustomComboBox::WndProc(Message);
}

// ---------------------------------------------------------------------------
// The grid's side

void TDedAdararAdoz::EditFixedCell(int ACol, int ARow) {
  if (FFixedEdit == nullptr || FFixedCombo == nullptr) return;
  // A running edit ends first; a refused value keeps it and starts nothing.
  if (FFixedEdit->Visible() && !FFixedEdit->StopEdit()) return;
  if (FFixedCombo->Visible() && !FFixedCombo->StopEdit()) return;
  bool can = true;
  if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, can);
  if (!can) return;
  FFixedEditCell = TGridCoord(ACol, ARow);
  TGridFixedCellEditor kind = ACol == 0 ? FMouseActions->FixedColsEditor() : FMouseActions->FixedRowsEditor();
  FFixedCombo->Items()->Assign(FMouseActions->FixedComboValues());
  GetFixedEdit(ACol, ARow, kind, FFixedCombo->Items());
  TRect r = CellRect(ACol, ARow);
  InflateRect(r, -1, -1);
  const int rc = RealColIndex(ACol);
  const std::string text = GetCellEx(rc, ARow);
  // Filling the editor is no change of the user's.
  struct TFill {
    bool& f;
    explicit TFill(bool& F) : f(F) { f = true; }
    ~TFill() { f = false; }
  } fill{FFillingFixedEdit};
  if (kind == fceEdit) {
    FFixedEdit->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    FFixedEdit->SetText(text);
    FFixedEdit->Col = rc;
    FFixedEdit->Row = ARow;
    FFixedEdit->SetVisible(true);
    if (FFixedEdit->CanFocus()) FFixedEdit->SetFocus();
  } else {
    FFixedCombo->SetStyle(kind == fceComboEdit ? csDropDown : csDropDownList);
    FFixedCombo->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
    FFixedCombo->SetText(text);
    FFixedCombo->Col = rc;
    FFixedCombo->Row = ARow;
    FFixedCombo->SetVisible(true);
    if (FFixedCombo->CanFocus()) FFixedCombo->SetFocus();
  }
}

void TDedAdararAdoz::FixedEditChange(TObject* Sender) {
  if (!OnEditChange || FFillingFixedEdit) return;
  std::string text;
  if (auto* e = dynamic_cast<TGridTransEdit*>(Sender))
    text = e->Text();
  else if (auto* c = dynamic_cast<TGridTransCombo*>(Sender))
    text = c->Text();
  else
    return;
  OnEditChange(this, FFixedEditCell.X, FFixedEditCell.Y, text);
}
