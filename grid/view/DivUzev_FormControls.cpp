// Form controls inside markup cells: the press on a control (check boxes,
// radio buttons and buttons change the cell text itself; text fields and
// drop-down lists open an editor over the control), the two editors, the
// write-back of their value into the control's VALUE, and the move from
// control to control by Tab, Enter and F2.
#include <algorithm>

#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevFormControls.h"

namespace {

bool IsTextControl(const std::string& Type) { return Type == "EDIT" || Type == "PASSWORD" || Type == "MASK"; }

}  // namespace

// ---------------------------------------------------------------------------
// The editors

TControlEdit::TControlEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  SetTabStop(false);
  SetVisible(false);
  SetBorderStyle(bsNone);
}

void TControlEdit::WndProc(TMessage& Message) {
  TCustomMaskEdit::WndProc(Message);
  // Tab moves on from control to control; Enter stays a dialog key.
  if (Message.Msg == WM_GETDLGCODE) Message.Result |= DLGC_WANTTAB;
}

void TControlEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (FGrid != nullptr && (Key == VK_RETURN || Key == VK_TAB)) {
    const WORD k = Key;
    Key = 0;
    FGrid->ControlEditorKey(k);
    return;
  }
  TCustomMaskEdit::KeyDown(Key, Shift);
}

void TControlEdit::KeyPress(char32_t& Key) {
  // Their keys did the work already.
  if (Key == '\r' || Key == '\t') {
    Key = 0;
    return;
  }
  TCustomMaskEdit::KeyPress(Key);
}

TControlCombo::TControlCombo(TComponent* AOwner) : TDudComboBox(AOwner) {
  FGrid = dynamic_cast<TDedAdararAdoz*>(AOwner);
  SetTabStop(false);
  SetVisible(false);
}

void TControlCombo::CMWantSpecialKey(TMessage& Message) {
  TDudComboBox::CMWantSpecialKey(Message);
  if (static_cast<WORD>(Message.WParam) == VK_TAB) Message.Result = 1;
}

void TControlCombo::KeyDown(WORD& Key, TShiftState Shift) {
  if (FGrid != nullptr && (Key == VK_RETURN || Key == VK_TAB)) {
    const WORD k = Key;
    // An open list gives its highlighted item first.
    if (DroppedDown()) SetDroppedDown(false);
    Key = 0;
    FGrid->ControlEditorKey(k);
    return;
  }
  TDudComboBox::KeyDown(Key, Shift);
}

void TControlCombo::KeyPress(char32_t& Key) {
  if (Key == '\r' || Key == '\t') {
    Key = 0;
    return;
  }
  TDudComboBox::KeyPress(Key);
}

// ---------------------------------------------------------------------------
// The grid's side

bool TDedAdararAdoz::CellMarkupHitTest(int ACol, int ARow, int X, int Y, const std::string& ControlID,
                                       TMarkupResult& Res) {
  const int rc = RealColIndex(ACol);
  TRect r = CellRect(ACol, ARow);
  r.Left += FXYOffset.X + 1;
  if (HasCheckBox(rc, ARow)) r.Left += FControlLook->CheckSize();
  r.Top += FXYOffset.Y + 1;
  r.Right -= FXYOffset.X;
  TMarkupParams mp;
  mp.XPos = X;
  mp.YPos = Y;
  mp.CheckHotSpot = true;
  mp.ImageList = FGridImages;
  mp.PictureContainer = FPictureContainer;
  // Laid out as the painter lays the cell out, so the boxes found are the
  // boxes drawn.
  mp.PictureCache = ImageCache();
  mp.WordWrap = !FEnhTextSize;
  mp.ControlID = ControlID;
  Canvas()->Font()->Assign(GetCellFont(rc, ARow));
  return DrawMarkup(Canvas(), GetGridCell(rc, ARow), r, mp, Res);
}

bool TDedAdararAdoz::FormControlsEditable(int RC, int ARow) {
  bool editable = (Options().Contains(goEditing) || FEditDisable) && !ReadOnly(RC, ARow);
  DoCanEditCell(RC, ARow, editable);
  return editable;
}

void TDedAdararAdoz::FormControlClick(int ACol, int ARow, int RC, const TMarkupResult& Hit) {
  // An edit still open elsewhere goes back into its cell first.
  if (FCtrlEditing) EndControlEdit();
  std::string text = GetGridCell(RC, ARow);
  const std::string& type = Hit.ControlType;
  const std::string& id = Hit.ControlID;
  std::string value = Hit.ControlValue;
  if (type == "BUTTON") {
    FCtrlXY = TGridCoord(RC, ARow);
    FCtrlDown = true;
    RepaintCell(ACol, ARow);
  } else if (type == "CHECK") {
    value = UpperCase(value) == "TRUE" ? "FALSE" : "TRUE";
    if (SetControlValue(text, id, value)) SetCellEx(RC, ARow, text);
  } else if (type == "RADIO") {
    text = ClearRadioControls(text);
    value = "TRUE";
    if (SetControlValue(text, id, value)) SetCellEx(RC, ARow, text);
  }
  // The handler sees the value the control has now.
  if (OnControlClick) OnControlClick(this, ARow, ACol, id, type, value);
  StartControlEdit(GetGridCell(RC, ARow), type, ARow, RC, ACol, Hit.ControlRect, value, id);
}

void TDedAdararAdoz::StartControlEdit(const std::string& CellText, const std::string& CtrlType, int ARow,
                                      int ACol, int DisplayCol, const TRect& R, const std::string& CtrlValue,
                                      const std::string& CtrlID) {
  if (IsTextControl(CtrlType)) {
    if (FControlEdit == nullptr) return;
    FCtrlXY = TGridCoord(ACol, ARow);
    FCtrlID = CtrlID;
    FCtrlType = CtrlType;
    FCtrlEditing = true;
    TControlEdit* e = FControlEdit;
    e->SetWidth(0);
    e->SetPasswordChar(CtrlType == "PASSWORD" ? U'*' : 0);
    e->SetEditMask(CtrlType == "MASK" ? GetControlProp(CellText, CtrlID) : std::string());
    e->SetText(CtrlValue);
    e->SetModified(false);
    e->SetBorderStyle(bsNone);
    e->SetBounds(R.Left + 1, R.Top + 8, R.Right - R.Left - 4, 14);
    e->SetMaxLength(GetControlMaxLen(CellText, CtrlID));
    e->SetParent(this);
    e->Show();
    e->BringToFront();
    if (e->CanFocus()) e->SetFocus();
    return;
  }
  if (CtrlType != "COMBO" || FControlCombo == nullptr) return;
  FCtrlXY = TGridCoord(ACol, ARow);
  FCtrlID = CtrlID;
  FCtrlType = CtrlType;
  FCtrlEditing = true;
  TControlCombo* cb = FControlCombo;
  cb->SetIsWinXP(FIsXP);
  cb->SetWidth(0);
  cb->SetFlat(false);
  cb->SetBounds(R.Left - 1, R.Top + 4, R.Right - R.Left, cb->Height());
  cb->SetParent(this);
  // The items are the application's to give; none are left from another
  // control.
  cb->Items()->Clear();
  bool edit = true;
  int dropCount = 8;
  if (OnControlComboList)
    OnControlComboList(this, ARow, DisplayCol, CtrlID, CtrlType, CtrlValue, cb->Items(), edit, dropCount);
  cb->SetStyle(edit ? csDropDown : csDropDownList);
  const int index = cb->Items()->IndexOf(CtrlValue);
  if (index >= 0) cb->SetItemIndex(index);
  cb->SetText(CtrlValue);
  cb->SetDropDownCount(dropCount);
  cb->SetHeight(cb->ItemHeight() * (std::max(1, dropCount) + 2));
  cb->SetMaxLength(GetControlMaxLen(CellText, CtrlID));
  cb->Show();
  cb->BringToFront();
  cb->SetDroppedDown(true);
  if (cb->CanFocus()) cb->SetFocus();
}

void TDedAdararAdoz::EndControlEdit() {
  if (!FCtrlEditing) return;
  FCtrlEditing = false;
  std::string value;
  TWinControl* editor = nullptr;
  if (IsTextControl(FCtrlType) && FControlEdit != nullptr) {
    value = FControlEdit->Text();
    // The value is taken: leaving the box must not check its mask again.
    FControlEdit->SetModified(false);
    editor = FControlEdit;
  } else if (FCtrlType == "COMBO" && FControlCombo != nullptr) {
    if (FControlCombo->DroppedDown()) FControlCombo->SetDroppedDown(false);
    value = FControlCombo->Text();
    editor = FControlCombo;
  } else {
    FCtrlType.clear();
    return;
  }
  // The cell may have gone (rows removed) or lost the control meanwhile:
  // then nothing is written.
  const TGridCoord cell = FCtrlXY;
  if (cell.X >= 0 && cell.Y >= 0 && cell.X < TotalColCount() && cell.Y < RowCount()) {
    std::string text = GetGridCell(cell.X, cell.Y);
    if (SetControlValue(text, FCtrlID, value)) SetCellEx(cell.X, cell.Y, text);
  }
  editor->SetVisible(false);
  if (OnControlEditDone) OnControlEditDone(this, cell.Y, cell.X, FCtrlID, FCtrlType, value);
  FCtrlType.clear();
}

void TDedAdararAdoz::ControlComboSelect(TObject* Sender) {
  if (!OnControlComboSelect) return;
  auto* cb = dynamic_cast<TCustomComboBox*>(Sender);
  if (cb == nullptr) return;
  const int index = cb->ItemIndex();
  const std::string item = index >= 0 && index < cb->Items()->Count() ? cb->Items()->Strings(index) : "";
  OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, index, FCtrlID, item);
}

void TDedAdararAdoz::ControlEditorKey(WORD Key) {
  if (!FCtrlEditing) return;
  // An unfinished mask keeps its box open (the framework reports it).
  if (FCtrlType == "MASK" && FControlEdit != nullptr) FControlEdit->ValidateEdit();
  const TGridCoord cell = FCtrlXY;
  const std::string id = FCtrlID;
  EndControlEdit();
  if (Key == VK_RETURN || FNavigation->AdvanceAuto()) {
    if (CanFocus()) SetFocus();
    if (Key == VK_TAB) AdvanceCell(Col(), Row(), true, false, true, false, true);
    return;
  }
  // Tab goes on to the next control of the cell that was edited.
  FocusCellControl(DisplColIndexOf(cell.X), cell.Y, id);
}

void TDedAdararAdoz::FocusCellControl(int ACol, int ARow, const std::string& AfterID) {
  const int rc = RealColIndex(ACol);
  std::string id;
  if (ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount())
    id = NextEditControlID(GetGridCell(rc, ARow), AfterID);
  TMarkupResult hit;
  if (id.empty() || !CellMarkupHitTest(ACol, ARow, -1, -1, id, hit)) {
    if (CanFocus()) SetFocus();
    return;
  }
  StartControlEdit(GetGridCell(rc, ARow), hit.ControlType, ARow, rc, ACol, hit.ControlRect, hit.ControlValue,
                   id);
}
