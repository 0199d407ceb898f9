// The editor switch of TDedAdararAdoz and the life cycle around it: which
// editor edits the current cell, opening it over the cell with the cell's
// value, closing it with the value written back, and the edit-done report.
//
// Whatever ends an edit (Enter, Tab, a click elsewhere, a scroll, the focus
// leaving, a move made by code), the value reaches the cell: every path
// that closes the framework's editor closes a control editor too. Escape
// is the one end that writes nothing: the cell keeps the stored text it had
// when the edit began.
#include <algorithm>
#include <memory>
#include <vector>

#include "framework/controls/Forms.h"
#include "framework/controls/ScrollBars.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevEditors.h"
#include "grid/view/DivUzevFormControls.h"
#include "grid/view/DivUzevKindEditors.h"

namespace {

// Restores a flag when the scope ends, also when an exception passes.
struct TFlagScope {
  bool& flag;
  bool saved;
  TFlagScope(bool& Flag, bool Value) : flag(Flag), saved(Flag) { flag = Value; }
  ~TFlagScope() { flag = saved; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;
};

}  // namespace

// ---------------------------------------------------------------------------
// Editor kinds and instances

bool TDedAdararAdoz::IsTextEditor(TEditorType Kind) {
  switch (Kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat:
      return true;
    default:
      return false;
  }
}

bool TDedAdararAdoz::EditorWantsTab() const {
  return Options().Contains(goTabs) || static_cast<bool>(OnCellValidate) ||
         static_cast<bool>(OnCellValidateWide);
}

ZIvoVorazirUded* TDedAdararAdoz::NormalEdit() const {
  return dynamic_cast<ZIvoVorazirUded*>(InplaceEditor());
}

TInplaceEdit* TDedAdararAdoz::CreateEditor() { return new ZIvoVorazirUded(this); }

void TDedAdararAdoz::CreateEditorCompanions() {
  FEditCombo = new TGridCombo(this);
  FEditCombo->SetParent(this);
  FEditCombo->SetVisible(false);
  FEditCombo->SetEnabled(false);
  FEditCombo->SetIsWinXP(FIsXP);
  FEditCombo->SetIsVista(FIsVista && FIsThemed);
  FFixedEdit = new TGridTransEdit(this);
  FFixedEdit->SetParent(this);
  FFixedEdit->SetBorderStyle(bsNone);
  FFixedCombo = new TGridTransCombo(this);
  FFixedCombo->SetParent(this);
  CreateMoveButton();
  FControlEdit = new TControlEdit(this);
  FControlEdit->SetParent(this);
  FControlEdit->OnExit = [this](TObject*) {
    if (FCtrlType != "COMBO") EndControlEdit();
  };
  FControlCombo = new TControlCombo(this);
  FControlCombo->SetParent(this);
  FControlCombo->OnExit = [this](TObject*) {
    if (FCtrlType == "COMBO") EndControlEdit();
  };
  FControlCombo->OnSelect = [this](TObject* Sender) { ControlComboSelect(Sender); };
}

void TDedAdararAdoz::FreeEditorCompanions() {
  // Freeing a focused editor moves the focus: nothing may write back then.
  FEditorsFreed = true;
  FEditCtrl = nullptr;
  delete FEditCombo;
  FEditCombo = nullptr;
  FreeKindEditors();
  delete FFixedEdit;
  FFixedEdit = nullptr;
  delete FFixedCombo;
  FFixedCombo = nullptr;
  FreeMoveButton();
  FreeMoveForm();
  FCtrlEditing = false;
  delete FControlEdit;
  FControlEdit = nullptr;
  delete FControlCombo;
  FControlCombo = nullptr;
  delete InplaceEditor();
}

bool TDedAdararAdoz::SetComboSelectionString(const std::string& Value) {
  const int i = FEditCombo != nullptr ? FEditCombo->Items()->IndexOf(Value) : -1;
  if (i < 0) return false;
  FComboIndex = i;
  return true;
}

// ---------------------------------------------------------------------------
// The combo editor's items (a grid made in a designer has no combo editor)

void TDedAdararAdoz::ClearComboString() {
  if (FEditCombo != nullptr) FEditCombo->Items()->Clear();
}

void TDedAdararAdoz::AddComboString(const std::string& Value) {
  if (FEditCombo != nullptr) FEditCombo->Items()->Add(Value);
}

void TDedAdararAdoz::AddComboStringObject(const std::string& Value, TObject* AObject) {
  if (FEditCombo != nullptr) FEditCombo->Items()->AddObject(Value, AObject);
}

bool TDedAdararAdoz::RemoveComboString(const std::string& Value) {
  const int i = FEditCombo != nullptr ? FEditCombo->Items()->IndexOf(Value) : -1;
  if (i < 0) return false;
  FEditCombo->Items()->Delete(i);
  return true;
}

int TDedAdararAdoz::GetComboCount() const { return FEditCombo != nullptr ? FEditCombo->Items()->Count() : 0; }

void TDedAdararAdoz::SetComboIndex(int ACol, int ARow, int Value) {
  GetEditorProp(ACol, ARow, FEditLink);
  if (Value < 0 || Value >= GetComboCount()) return;
  SetCellEx(ACol, ARow, FEditCombo->Items()->Strings(Value));
}

int TDedAdararAdoz::GetComboIndex(int ACol, int ARow) {
  GetEditorProp(ACol, ARow, FEditLink);
  return FEditCombo != nullptr ? FEditCombo->Items()->IndexOf(GetCellEx(ACol, ARow)) : -1;
}

void TDedAdararAdoz::SetMaxEditLength(int Value) {
  FMaxEditLength = Value;
  if (ZIvoVorazirUded* e = NormalEdit()) e->SetLengthLimit(Value);
}

int TDedAdararAdoz::GetEditLimit() { return std::max(0, FMaxEditLength); }

// ---------------------------------------------------------------------------
// The framework's edit-text hooks

std::string TDedAdararAdoz::GetEditText(int ACol, int ARow) {
  FNoEditChange = true;
  const TGridCoord b = BaseCell(RealColIndex(ACol), ARow);
  if (ZIvoVorazirUded* e = NormalEdit()) {
    TAlignment ha = FDefaultAlignment;
    TVAlignment va = FVAlignment;
    GetCellAlignment(b.X, b.Y, ha, va);
    e->SetVAlign(ha == taRightJustify);
  }
  std::string text = TBaseGrid::GetEditText(b.X, b.Y);
  FEditTextCell = b;
  FEditRawText = text;
  if (!FEditWithTags && ClassifyCellText(text, FEnableHTML) == 1) text = MarkupToPlainText(text);
  FEditShownText = text;
  return text;
}

std::string TDedAdararAdoz::EditedCellValue(const std::string& Shown) const {
  // An editor shows a markup cell without its tags: handing back that same
  // text means the cell as it was, so opening and leaving an editor never
  // loses the markup.
  if (Shown == FEditShownText && FEditTextCell == BaseCell(RealCol(), Row())) return FEditRawText;
  return Shown;
}

void TDedAdararAdoz::SetEditText(int ACol, int ARow, const std::string& Value) {
  if (FNoEditWrite) return;
  const TGridCoord b = BaseCell(RealColIndex(ACol), ARow);
  TBaseGrid::SetEditText(b.X, b.Y, b == FEditTextCell ? EditedCellValue(Value) : Value);
  if (HandleAllocated()) RepaintCell(DisplColIndexOf(b.X), b.Y);
}

void TDedAdararAdoz::EditProcessChange(TWinControl* Editor) {
  // The editors call it only while they have the focus: the user types.
  if (!FShowEditProcess || !FEditMode || Editor == nullptr) return;
  const TEditorType k = FEditControl;
  const bool spin = k == edSpinEdit || k == edFloatSpinEdit || k == edTimeSpinEdit || k == edDateSpinEdit;
  const bool button = k == edEditBtn || k == edNumericEditBtn || k == edFloatEditBtn || k == edMaskEditBtn;
  if ((spin && Editor == FEditSpin) || (button && Editor == FEditBtn))
    SetEditText(Col(), Row(), Editor->Text());
}

void TDedAdararAdoz::WriteEditText(int ACol, int ARow, const std::string& Value) {
  SetEditText(DisplColIndexOf(ACol), ARow, Value);
  SetCellEx(ACol, ARow, Value);
}

// ---------------------------------------------------------------------------
// Admitting an editor

bool TDedAdararAdoz::CanEditShow() {
  // While a control editor is open the framework shows nothing over it.
  if (FValidating || (FEditMode && FSpecialEditor)) return false;
  const bool r = TBaseGrid::CanEditShow();
  if (ComponentState().Contains(csDesigning)) return r;
  return AdmitEditor(r);
}

bool TDedAdararAdoz::AdmitEditor(bool R) {
  const TGridCoord b = BaseCell(RealCol(), Row());
  // Check boxes and buttons toggle or click; they never open an editor.
  if (R && !FEditMode && HasControlGraphic(b.X, b.Y)) return false;
  if (R && !FEditMode) {
    FNoEditChange = true;
    // The stored text (not the one shown): Escape puts exactly this back.
    FCellCache = GetGridCell(b.X, b.Y);
    FEditControl = FDefaultEditor;
    GetCellEditor(b.X, b.Y, FEditControl);
    if (FEditControl == edNone) return false;
    // A kind whose control has not come yet is edited as plain text.
    if (!IsTextEditor(FEditControl) && FEditControl != edComboEdit && FEditControl != edComboList &&
        FEditControl != edDataCheckBox && !HasKindEditControl(FEditControl))
      FEditControl = edNormal;
    FEditMode = true;
    FEditCancelled = false;
    // Validation compares with the text the cell has as its edit begins.
    SaveOldCell(Col(), Row());
    if (IsTextEditor(FEditControl)) {
      FShowEditProcess = true;
    } else {
      ShowEditControl(DisplColIndexOf(b.X), b.Y);
      FEntered = true;
      R = false;
      if (FFocusHelper->Enabled()) ShowFocusWindow();
    }
  }
  if (R) {
    FEntered = true;
    FEditing = true;
    if (FFocusHelper->Enabled()) ShowFocusWindow();
  }
  return R;
}

// ---------------------------------------------------------------------------
// Showing a control editor

void TDedAdararAdoz::ShowEditControl(int ACol, int ARow) {
  FEditing = true;
  FSpecialEditor = true;
  FEditActive = true;
  TRect rect = CellRect(ACol, ARow);
  if (UseRightToLeftAlignment()) rect.Left += 1;
  const int w = rect.Right - rect.Left - 1;
  const int h = rect.Bottom - rect.Top - 1;
  const int rc = RealColIndex(ACol);

  // The editor takes the cell's colour and font as the cell shows them.
  TBrush brush;
  brush.SetColor(Color());
  TFont font;
  font.Assign(Font());
  TGridDrawState state;
  TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = false;
  TCellGradientDirection gd = GradientVertical;
  GetVisualProperties(ACol, Row(), state, false, false, true, &brush, colorTo, mirror, mirrorTo, &font, ha,
                      va, ww, gd);
  const TColor color = brush.Color();

  SetGridState(gsNormal);
  FEditCtrl = nullptr;
  FEditCell = TGridCoord(ACol, ARow);
  if (FEditControl != edCustom) FLastValidation = true;

  switch (FEditControl) {
    case edComboEdit:
    case edComboList:
      ShowComboEditControl(ACol, ARow, rc, rect, w, h, color);
      break;
    case edDataCheckBox:
      // A data check box without its graphic opens nothing.
      break;
    default:
      if (!IsTextEditor(FEditControl) && FEditControl != edNone) {
        FEditMode = true;
        FEditCtrl = ShowKindEditControl(FEditControl, rc, ARow, rect, color, &font);
        if (FEditCtrl != nullptr && FStartEditChar != 0 && FEditCtrl->HandleAllocated())
          PostMessage(FEditCtrl->Handle(), WM_CHAR, static_cast<WPARAM>(FStartEditChar), 0);
      }
      break;
  }
  FStartEditChar = 0;
}

bool TDedAdararAdoz::FlatComboLook() const {
  switch (FLook) {
    case glSoft:
    case glVyx:
    case glXP:
    case glListView:
    case glVista:
    case glWin7:
    case glOffice2007:
      return true;
    default:
      return false;
  }
}

void TDedAdararAdoz::ShowComboEditControl(int ACol, int ARow, int RC, const TRect& Rect, int W, int H,
                                          TColor Color) {
  TGridCombo* combo = FEditCombo;
  if (combo == nullptr) return;
  const bool list = FEditControl == edComboList;
  FEditMode = true;
  combo->SetDropDownCount(FControlLook->DropDownCount());
  GetEditorProp(RC, ARow, FEditLink);

  combo->SetBounds(Rect.Left, Rect.Top, 0, 0);
  combo->SetEnabled(true);
  combo->SetDroppedDown(false);
  combo->SetStyle(list ? csDropDownList : csDropDown);
  bool changed = false;
  if (list) {
    // The item of the stored text; else the text shown; else the first.
    combo->SetItemIndex(combo->Items()->IndexOf(GetCellEx(RC, ARow)));
    if (FComboIndex == -1 && combo->ItemIndex() < 0) {
      combo->SetItemIndex(combo->Items()->IndexOf(GetEditText(ACol, ARow)));
      if (combo->ItemIndex() < 0) combo->SetItemIndex(0);
      combo->Change();
      changed = true;
    } else if (combo->ItemIndex() < 0) {
      combo->SetItemIndex(FComboIndex);
    }
  } else {
    combo->Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), std::max(0, H - 6));
    combo->SetText(GetEditText(ACol, ARow));
    if (FComboIndex != -1 && combo->ItemIndex() < 0) combo->SetItemIndex(FComboIndex);
  }
  combo->SetBounds(Rect.Left, Rect.Top, W, combo->ItemHeight() * (combo->DropDownCount() + 1) + H);
  combo->SetColor(Color);
  if (!list) combo->SetMaxLength(FMaxComboLength);
  combo->SetVisible(true);
  const bool flat = FlatComboLook();
  combo->SetFlat(flat);
  combo->SetEtched(flat);
  if (FNavigation->AutoComboDropSize())
    combo->SizeDropDownWidth();
  else if (combo->DropWidth() > 0)
    combo->Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(combo->DropWidth()), 0);

  if (combo->CanFocus()) combo->SetFocus();
  combo->SetDroppedDown(FMouseActions->DirectComboDrop() || FControlLook->DropDownAlwaysVisible());
  if (FMouseActions->DirectEdit() && FMouseActions->DirectComboDrop()) {
    const TGridRect s = Selection();
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
  }
  // The fallback reports the item it selected.
  if (changed && combo->Items()->Count() > 0 && combo->ItemIndex() >= 0) {
    const int i = combo->ItemIndex();
    if (OnComboChange) OnComboChange(this, RC, ARow, i, combo->Items()->Strings(i));
    if (OnComboObjectChange)
      OnComboObjectChange(this, RC, ARow, i, combo->Items()->Strings(i), combo->Items()->Objects(i));
  }
  if (FStartEditChar != 0 && combo->HandleAllocated())
    PostMessage(combo->Handle(), WM_CHAR, static_cast<WPARAM>(FStartEditChar), 0);
  FEditCtrl = combo;
}

void TDedAdararAdoz::PlaceEditControl() {
  if (!FSpecialEditor || FEditCtrl == nullptr || !FEditCtrl->Visible() || FEditCell.X < 0) return;
  const TRect r = CellRect(FEditCell.X, FEditCell.Y);
  if (IsRectEmpty(r)) {
    // Its cell went out of view: the edit ends with its value kept.
    HideInplaceEdit();
    return;
  }
  FEditCtrl->SetBounds(r.Left, r.Top, r.Right - r.Left - 1, FEditCtrl->Height());
}

// ---------------------------------------------------------------------------
// Hiding

void TDedAdararAdoz::HideEditControl(int ACol, int ARow) {
  if (ComponentState().Contains(csDestroying) || FEditorsFreed) return;
  FSpecialEditor = false;
  struct TEnd {
    TDedAdararAdoz* g;
    ~TEnd() {
      g->FBlockKill = false;
      g->FEditActive = false;
      g->FEditCtrl = nullptr;
      g->FEditCell = TGridCoord(-1, -1);
    }
  } end{this};
  FBlockKill = true;
  const int rc = RealColIndex(ACol);
  FStartEditChar = 0;

  switch (FEditControl) {
    case edComboEdit:
    case edComboList:
      if (FEditMode && FEditCombo != nullptr) {
        FEditMode = false;
        if (!FEditCancelled) WriteEditText(rc, ARow, FEditCombo->Text());
        // The grid keeps the focus when its editor goes (and does not take
        // it as a reason to open the framework's editor).
        if (EditorMode()) TBaseGrid::HideEditor();
        if (FEditCombo->Focused() && CanFocus()) SetFocus();
        FEditCombo->SetDroppedDown(false);
        FEditCombo->SetVisible(false);
        FEditCombo->SetEnabled(false);
      }
      break;
    case edDataCheckBox:
    case edNone:
      break;
    default:
      if (!IsTextEditor(FEditControl)) {
        HideKindEditControl(FEditControl, rc, ARow);
        FEditMode = false;
      }
      break;
  }
  if (FEditControl != edNormal && FEditActive) DoEditingDone(rc, ARow);
}

void TDedAdararAdoz::HideEditor() {
  TBaseGrid::HideEditor();
  // The frame goes with the framework's editor; a refused value reopens
  // both.
  if (!FSpecialEditor) HideFocusWindow();
  if (FEditMode && FSpecialEditor && !FValidating) {
    // The framework closes its editor (a move, options, a structure
    // change): a control editor closes with it, its value kept.
    HideInplaceEdit();
    return;
  }
  if (!FSpecialEditor) FEditMode = false;
}

void TDedAdararAdoz::HideCellEdit() { HideEditControl(Col(), Row()); }

void TDedAdararAdoz::ShowCellEdit() {
  if (HandleAllocated()) Perform(WM_KEYDOWN, VK_F2, 0);
}

void TDedAdararAdoz::ShowInplaceEdit() {
  const TGridCoord b = BaseCell(RealCol(), Row());
  if (HasControlGraphic(b.X, b.Y)) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  FEditText = GetCellEx(b.X, b.Y);
  ShowEditor();
}

void TDedAdararAdoz::HideInplaceEdit() {
  if (!FEditMode) return;
  const TGridCoord cell = FSpecialEditor && FEditCell.X >= 0 ? FEditCell : TGridCoord(Col(), Row());
  const bool special = FSpecialEditor;
  // The framework's editor first (it writes its text); a control editor is
  // read back by the switch.
  FSpecialEditor = false;
  TBaseGrid::HideEditor();
  FSpecialEditor = special;
  HideEditControl(cell.X, cell.Y);
  FEditMode = false;
  HideFocusWindow();
  if (!FSelectHide) SelectCell(Col(), Row());
}

void TDedAdararAdoz::CancelInplaceEdit() {
  if (!FEditMode) return;
  const TGridCoord b = BaseCell(RealCol(), Row());
  const std::string original = FCellCache;
  FEditCancelled = true;
  FEditing = false;
  struct TEnd {
    bool& f;
    ~TEnd() { f = false; }
  } end{FEditCancelled};
  if (ZIvoVorazirUded* e = NormalEdit(); e != nullptr && e->Visible()) {
    TFlagScope quiet(FNoEditChange, true);
    e->SetText(original);
  }
  HideInplaceEdit();
  // The text editor wrote as the user typed: the cell gets its own text back.
  if (GetGridCell(b.X, b.Y) != original) SetCellEx(b.X, b.Y, original);
}

void TDedAdararAdoz::RestoreEditCell() {
  const TGridCoord b = BaseCell(RealCol(), Row());
  SetCellEx(b.X, b.Y, FCellCache);
  SetCellEx(b.X, b.Y, GetGridCell(b.X, b.Y));
}

void TDedAdararAdoz::GetEditorProp(int ACol, int ARow, TEditLink* AEditLink) {
  if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
  if (OnGetEditorPropInt) OnGetEditorPropInt(this, ARow, ACol);
}

void TDedAdararAdoz::DoEditingDone(int ACol, int ARow) {
  if (OnEditingDone) OnEditingDone(this);
  FEditMode = false;
  if (HandleAllocated() && GridEditDoneMessage() != 0)
    PostMessage(Handle(), GridEditDoneMessage(), static_cast<WPARAM>(ACol), static_cast<LPARAM>(ARow));
}

void TDedAdararAdoz::DoneInplaceEdit(WORD& Key, TShiftState Shift) {
  TFlagScope block(FBlockFocus, true);
  FEditing = false;
  HideInplaceEdit();
  if (FNavigation->AppendOnArrowDown() && Key == VK_DOWN && Row() == RowCount() - FFixedFooters - 1) {
    bool can = true;
    CanAddRow(can);
    if (can) IncRowCount();
  }
  if (Key == VK_TAB || (Key >= VK_LEFT && Key <= VK_DOWN)) {
    WORD k = Key;
    KeyDown(k, Shift);
  }
  const bool alwaysEdit = FNavigation->AlwaysEdit();
  FNavigation->SetAlwaysEdit(false);
  try {
    if (CanFocus()) SetFocus();
    if (Key == VK_RETURN) EnterAdvance(Col(), Row());
  } catch (...) {
    FNavigation->SetAlwaysEdit(alwaysEdit);
    throw;
  }
  FNavigation->SetAlwaysEdit(alwaysEdit);
}

void TDedAdararAdoz::Select() { SelectCell(Col(), Row()); }

void TDedAdararAdoz::SimulateCellClick(int ACol, int ARow) {
  TFlagScope force(FForceSel, true);
  TMouseEvent down = OnMouseDown, up = OnMouseUp;
  OnMouseDown = nullptr;
  OnMouseUp = nullptr;
  const TRect r = CellRect(ACol, ARow);
  try {
    MouseDown(mbLeft, TShiftState{}, r.Left + 2, r.Top + 2);
    MouseUp(mbLeft, TShiftState{}, r.Left + 2, r.Top + 2);
  } catch (...) {
    OnMouseDown = down;
    OnMouseUp = up;
    throw;
  }
  OnMouseDown = down;
  OnMouseUp = up;
}

// ---------------------------------------------------------------------------
// The editor follows the grid

// Controls placed in cells follow their cells: a control whose cell left the
// view (or whose row or column is hidden) is hidden, the others are placed
// over their cells, one pixel larger on every side.
void TDedAdararAdoz::CellControlsUpdate(bool RebuildList) {
  if (!HandleAllocated()) return;
  if (RebuildList) {
    // Controls of hidden rows keep their entries: their cells are stored
    // away from the rows shown.
    std::vector<std::unique_ptr<TControlItem>> kept;
    for (int i = 0; i < FControlList->Count(); ++i) {
      TControlItem* item = FControlList->GetControl(i);
      if (IsHiddenRow(item->Y()))
        kept.push_back(std::make_unique<TControlItem>(item->X(), item->Y(), item->Control()));
    }
    FControlList->Clear();
    for (int c = 0; c < TotalColCount(); ++c)
      for (int r = 0; r < RowCount(); ++r)
        if (TControl* control = CellControls(c, r)) FControlList->AddControl(c, RealRowIndex(r), control);
    for (const auto& item : kept) FControlList->AddControl(item->X(), item->Y(), item->Control());
  }
  const int left = LeftCol(), top = TopRow();
  const int right = left + VisibleColCount(), bottom = top + VisibleRowCount();
  // The scroll bar of a cell rides with its cell, or has no height outside
  // the view.
  if (TScrollBar* bar = FCellScrollBars[0]; bar != nullptr && bar->Visible() && bar->Parent() == this) {
    const int dc = DisplColIndexOf(FScrollCell.X), dr = FScrollCell.Y;
    if (dc >= left && dc <= right && dr >= top && dr <= bottom) {
      const TRect r = CellRect(dc, dr);
      bar->SetBounds(r.Right - bar->Width(), r.Top, bar->Width(), r.Height());
    } else {
      bar->SetHeight(0);
    }
  }
  if (FControlList->Count() == 0) return;
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    TControl* control = item->Control();
    if (control == nullptr) continue;
    const bool hidden = IsHiddenColumn(item->X()) || IsHiddenRow(item->Y());
    const int dc = DisplColIndexOf(item->X()), dr = DisplRowIndex(item->Y());
    const bool fixed = !hidden && IsFixed(dc, dr);
    if (hidden) {
      control->SetVisible(false);
    } else if (fixed) {
      continue;
    } else if (dc < left || dc > right || dr < top || dr > bottom) {
      control->SetVisible(false);
    } else {
      const TRect r = CellRect(dc, dr);
      control->SetBounds(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
      control->SetVisible(true);
      // It paints itself anew at its place.
      control->Invalidate();
    }
  }
}

void TDedAdararAdoz::TopLeftChanged() {
  TBaseGrid::TopLeftChanged();
  // Looks drawn over more than one cell move with the cells.
  const TGridRect sel = Selection();
  if (FSelectionRectangle && sel.Bottom > sel.Top) InvalidateGrid();
  const TBackGroundDisplay bg = FBackGround->Display();
  if ((bg == bdTile && !FBackGround->Bitmap()->Empty()) || bg == bdFixed ||
      ((bg == bdGradientHorz || bg == bdGradientVert) && FBackGround->ColorTo() != clNone))
    InvalidateGrid();
  // A control editor closes on a scroll, its value written; the text
  // editor rides along with its cell.
  if (FEditMode && FSpecialEditor && FEditControl != edNormal) HideInplaceEdit();
  UpdateFlatScrollBars();
  CellControlsUpdate(false);
  FOldLeftCol = LeftCol();
  FOldTopRow = TopRow();
  if (auto* other = dynamic_cast<TCustomGrid*>(FSyncGrid->Grid())) {
    if (FSyncGrid->ScrollVertical()) other->SetTopRow(TopRow());
    if (FSyncGrid->ScrollHorizontal()) other->SetLeftCol(LeftCol());
  }
}
