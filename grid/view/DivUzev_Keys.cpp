// The grid's key-down and key-up handling: what happens before and after
// the framework grid moves the current cell (editing keys, Space on check
// boxes and buttons, Home and End, append on arrow down, the insert and
// delete row keys, select all, the clipboard keys, moving rows with
// Ctrl+arrows, wrapped navigation, disabled rows skipped, disjunct cell
// selection by Shift and Space), and the selectable-cell queries the whole
// keyboard handling shares.
#include <algorithm>

#include "framework/controls/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"

namespace {

// Ctrl, Shift and the left Alt key, as the keyboard state has them now.
TShiftState KeyShift() {
  TShiftState s;
  if (GetKeyState(VK_CONTROL) < 0) s << ssCtrl;
  if (GetKeyState(VK_SHIFT) < 0) s << ssShift;
  if (GetKeyState(VK_LMENU) < 0) s << ssAlt;
  return s;
}

bool IsArrow(WORD Key) { return Key >= VK_LEFT && Key <= VK_DOWN; }
bool IsMoveKey(WORD Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }

bool SameRect(const TGridRect& A, const TGridRect& B) { return A == B; }

// Restores a flag on every way out of a scope.
struct TKeepBool {
  bool& Flag;
  bool Saved;
  TKeepBool(bool& F, bool V) : Flag(F), Saved(F) { Flag = V; }
  ~TKeepBool() { Flag = Saved; }
};

}  // namespace

// ---------------------------------------------------------------------------
// The shared queries

bool TDedAdararAdoz::EditingGrid() const { return Options().Contains(goEditing) || FEditDisable; }

bool TDedAdararAdoz::IsEditableCell(int RCol, int ARow) {
  bool can = EditingGrid() || FMouseActions->RangeSelectAndEdit();
  CanEditCell(RCol, ARow, can);
  return can;
}

bool TDedAdararAdoz::IsSelectableCell(int ACol, int ARow) {
  // The fixed rows and columns never become current.
  if (ACol < FixedCols() || ARow < FixedRows()) return false;
  bool can;
  if (EditingGrid())
    can = IsEditableCell(RealColIndex(ACol), ARow);
  else
    can = !IsFixed(ACol, ARow);
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

int TDedAdararAdoz::FirstSelectableCol(int ARow) {
  for (int c = 0; c < ColCount(); ++c)
    if (IsSelectableCell(c, ARow)) return c;
  return -1;
}

int TDedAdararAdoz::LastSelectableCol(int ARow) {
  for (int c = ColCount() - 1; c >= 0; --c)
    if (IsSelectableCell(c, ARow)) return c;
  return -1;
}

int TDedAdararAdoz::FirstNormalCol() { return FixedCols() == 0 && HasNodes() ? 1 : FixedCols(); }

int TDedAdararAdoz::VisibleFixedRightCols() {
  if (NumHiddenColumns() == 0) return FFixedRightCols;
  int n = 0;
  for (int i = 0; i < FFixedRightCols; ++i)
    if (!IsHiddenColumn(ColCount() + NumHiddenColumns() - 1 - i)) ++n;
  return n;
}

bool TDedAdararAdoz::IsLastDataRow() {
  return Row() + 1 == RowCount() - FFixedFooters || (FFloatingFooter->Visible() && Row() + 2 == RowCount());
}

bool TDedAdararAdoz::IsHoverFixedCell(int ACol, int ARow) {
  const THoverFixedCells h = HoverFixedCells();
  if (h == hfNone) return false;
  if (ACol < FixedCols() && (h == hfAll || h == hfFixedColumns)) return true;
  return ARow < FixedRows() && (h == hfAll || h == hfFixedRows);
}

void TDedAdararAdoz::GotoFirstRow() { SetRow(FixedRows()); }

// ---------------------------------------------------------------------------
// Key down

void TDedAdararAdoz::WMKeyDown(TMessage& Message) {
  // A key ends middle-button panning and is still handled.
  if (FWheelPan) EndPanning();
  HandleWmKeyDown(Message);
}

// Enter or Space on a check box, radio or button cell acts on its control;
// the key then goes on. The click events name the real column.
bool TDedAdararAdoz::ControlCellKey(WORD Key) {
  const int rc = RealCol(), r = Row();
  bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
  CanEditCell(rc, r, canEdit);
  const TGridCoord b = BaseCell(rc, r);
  const TCellType t = GetCellType(b.X, b.Y);
  const bool checkKind = t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox ||
                         t == ctRowCheckBox || t == ctTriStateCheckBox;
  if (Key == VK_SPACE && checkKind && (canEdit || FControlLook->CheckAlwaysActive())) {
    ToggleCheckBoxCell(rc, r, true);
    if (FShowModified->Enabled()) {
      SetRowModified(r, true);
      RepaintCell(0, r);
    }
    bool state = false;
    GetCheckBoxState(rc, RealRowIndex(r), state);
    DoCheckBoxClick(rc, r, state);
  } else if (Key == VK_SPACE && t == ctRadio && (canEdit || FControlLook->RadioAlwaysActive())) {
    NextRadio(rc, r, false);
    int idx = -1;
    GetRadioIdx(rc, r, idx);
    if (OnRadioClick) OnRadioClick(this, rc, r, idx);
  } else if (Key == VK_SPACE && t == ctRadioButton && (canEdit || FControlLook->RadioAlwaysActive())) {
    SetRadioButtonColumnIndex(rc, r);
    if (OnRadioButtonClick) OnRadioButtonClick(this, rc, r);
  } else if ((t == ctButton || t == ctBitButton) && canEdit) {
    DoButtonClick(rc, r);
  }
  RepaintCell(Col(), r);
  return false;
}

void TDedAdararAdoz::KeepLeftCol(int EntryLeft) {
  if (!Options().Contains(goRowSelect) || !FNavigation->KeepHorizScroll()) return;
  StartUpdate();
  SetLeftCol(EntryLeft);
  ResetUpdate();
}

void TDedAdararAdoz::RowSelectTowards(int Target, int EntryRow, TShiftState Shift) {
  const bool disjunct = FMouseActions->DisjunctRowSelect();
  if (!Shift.Contains(ssShift)) {
    if (disjunct) {
      ClearRowSelect();
      SelectionToRowSelect(false);
    }
    return;
  }
  SetSelection(TGridRect(0, EntryRow, ColCount() - 1, Target));
  if (disjunct) SelectionToRowSelect(true);
}

// The Home and End rows of the navigation setting; true when one applied.
bool TDedAdararAdoz::HomeEndKey(WORD Key, TShiftState Shift, int EntryLeft) {
  const THomeEndAction he = FNavigation->HomeEndKey();
  const bool ctrl = Shift.Contains(ssCtrl);
  const bool rowSel = Options().Contains(goRowSelect);
  const bool single = FFixedRowAlways && RowCount() == 1;
  const int entryRow = Row();
  if (Key == VK_HOME) {
    if (he == heFirstLastCell && !ctrl) {
      FocusCellMove(FixedCols(), FixedRows());
      MoveToBaseCell();
      return true;
    }
    if (he == heFirstLastRow && !ctrl) {
      if (single) return false;
      SetRow(FixedRows());
      MoveToBaseCell();
      RowSelectTowards(FixedRows(), entryRow, Shift);
      KeepLeftCol(EntryLeft);
      return true;
    }
    if (he == heFirstLastColumn && ctrl) {
      SetRow(FixedRows());
      const int c = FirstSelectableCol(Row());
      if (c >= 0) SetCol(c);
      MoveToBaseCell();
      SetLeftCol(FirstNormalCol());
      return true;
    }
    if (he == heFirstLastColumn && !ctrl && !rowSel) {
      if (single) return false;
      if (Shift.Contains(ssShift)) {
        SetSelection(TGridRect(Col(), Row(), FixedCols(), Row()));
        RepaintRow(Row());
      } else {
        const int c = FirstSelectableCol(Row());
        if (c >= 0) SetCol(c);
        MoveToBaseCell();
        SetLeftCol(FirstNormalCol());
      }
      return true;
    }
    return false;
  }
  if (Key != VK_END || ctrl) return false;
  if (he == heFirstLastCell) {
    FocusCellMove(ColCount() - 1, RowCount() - 1);
    MoveToBaseCell();
    return true;
  }
  if (he == heFirstLastRow) {
    if (single) return false;
    const bool floating = FFloatingFooter->Visible();
    const int target = floating && RowCount() > 2 ? RowCount() - 2 : LastDataRow();
    if (FFixedFooters > 0 && !floating) SetTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
    SetRow(target);
    MoveToBaseCell();
    RowSelectTowards(target, entryRow, Shift);
    if (floating) SetTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
    KeepLeftCol(EntryLeft);
    return true;
  }
  if (he == heFirstLastColumn && !rowSel) {
    if (single) return false;
    if (Shift.Contains(ssShift)) {
      SetSelection(TGridRect(Col(), Row(), ColCount() - FFixedRightCols - 1, Row()));
      RepaintRow(Row());
    } else {
      SetCol(ColCount() - 1);
      MoveToBaseCell();
      SetLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
    }
    return true;
  }
  return false;
}

void TDedAdararAdoz::HandleWmKeyDown(TMessage& Message) {
  WORD key = static_cast<WORD>(Message.WParam);
  const TShiftState shift = KeyShift();
  FMoveSelection = Selection();
  const int entryLeft = LeftCol();
  const int rc = RealCol();
  const bool ctrl = shift.Contains(ssCtrl);
  const bool editing = Options().Contains(goEditing);
  const bool enterOrF2 = key == VK_RETURN || key == VK_F2;
  auto fireCopy = [&] {
    WORD k = key;
    if (OnKeyDown) OnKeyDown(this, k, shift);
  };
  auto swallow = [&] {
    Message.WParam = 0;
    Message.Result = 1;
  };

  // 1. Scroll-only mode moves the view, not the current cell.
  if (FNavigation->MoveScrollOnly() && (key == VK_PRIOR || key == VK_NEXT || key == VK_END ||
                                        key == VK_HOME || key == VK_UP || key == VK_DOWN)) {
    const int top = TopRow(), vis = VisibleRowCount(), fr = FixedRows();
    switch (key) {
      case VK_PRIOR:
        SetTopRow(top > vis + fr ? top - vis : fr);
        break;
      case VK_NEXT:
        if (top + vis < RowCount()) SetTopRow(std::min(top + vis, MaxTopLeft().Y));
        break;
      case VK_END:
        SetTopRow(std::max(fr, RowCount() - vis));
        break;
      case VK_HOME:
        SetTopRow(fr);
        break;
      case VK_UP:
        if (top > fr) SetTopRow(top - 1);
        break;
      case VK_DOWN:
        if (top + vis < RowCount()) SetTopRow(top + 1);
        break;
      default:
        break;
    }
    Message.Result = 1;
    return;
  }
  // 2. Editing that waits for a double click starts with Enter or F2 too.
  if (FMouseActions->EditOnDblClickOnly() && enterOrF2 && !editing) {
    bool editable;
    {
      const bool saved = FMouseActions->RangeSelectAndEdit();
      FMouseActions->SetRangeSelectAndEdit(true);
      editable = IsEditableCell(rc, Row());
      FMouseActions->SetRangeSelectAndEdit(saved);
    }
    if (editable) SetOptions(Options() << goEditing);
  }
  // 3. Range select and edit.
  if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing) && enterOrF2) {
    if (!IsEditableCell(rc, Row())) {
      fireCopy();
      swallow();
      return;
    }
    SetOptions(Options() << goEditing);
    ShowInplaceEdit();
  }
  // 4. Ctrl+F opens the search footer's edit.
  if (ctrl && key == 'F' && FSearchFooter->Visible() && FSearchPanel != nullptr && FSearchPanel->CanFocus())
    FSearchPanel->SetFocus();
  // 5., 6. Enter and F2 on cells that cannot be edited.
  const bool formCell =
      FEnableHTML && UpperCase(GetGridCell(rc, Row())).find("<CONTROL") != std::string::npos;
  if (enterOrF2 && Options().Contains(goEditing) && !IsEditableCell(rc, Row())) {
    fireCopy();
    swallow();
    return;
  }
  if (enterOrF2 && formCell) {
    // The key belongs to the cell's controls: the first editable one opens.
    SaveOldCell(Col(), Row());
    if (FormControlsEditable(rc, Row())) FocusCellControl(Col(), Row(), std::string());
    Message.Result = 1;
    return;
  }
  if (key == VK_RETURN && !IsEditableCell(rc, Row())) {
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form->KeyPreview()) {
      TBaseGrid::WMKeyDown(Message);
    } else {
      fireCopy();
      swallow();
    }
    return;
  }
  // 7. Enter or Space on a clickable control.
  if ((key == VK_RETURN || key == VK_SPACE) && HasControlGraphic(rc, Row())) ControlCellKey(key);
  // 8. Home and End by the navigation setting.
  if ((key == VK_HOME || key == VK_END) && HomeEndKey(key, shift, entryLeft)) {
    Message.Result = 0;
    fireCopy();
    return;
  }
  // 9. Right opens and Left closes a node whose current cell is merged.
  if ((key == VK_RIGHT || key == VK_LEFT) && IsNode(Row()) && IsMergedCell(rc, Row())) {
    if (key == VK_RIGHT && GetNodeState(Row()))
      ExpandNode(RealRowIndex(Row()));
    else if (key == VK_LEFT && !GetNodeState(Row()))
      ContractNode(RealRowIndex(Row()));
  }
  // 10. Horizontal scrolling in row-select mode.
  if (Options().Contains(goRowSelect) && !IsNodeRow(Row()) && VisibleColCount() < ColCount() &&
      (key == VK_LEFT || key == VK_RIGHT)) {
    const bool lrs = FNavigation->LeftRightRowSelect();
    if (!lrs || ctrl) {
      if (key == VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
      if (key == VK_RIGHT && VisibleColCount() + LeftCol() < ColCount()) SetLeftCol(LeftCol() + 1);
      if (!lrs) {
        Message.Result = 0;
        fireCopy();
        return;
      }
    }
  }
  // 11. Tab moves by the grid's own navigation.
  if (key == VK_TAB && Options().Contains(goTabs)) {
    TabAdvance(shift.Contains(ssShift));
    const TGridRect s = Selection();
    if (!SameRect(s, FMoveSelection)) {
      SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
      FMoveSelection = s;
    }
    return;
  }
  // 12. Arrows step over fixed cells.
  bool skipped = false;
  if (FNavigation->SkipFixedCells() && IsArrow(key)) {
    const bool rtl = UseRightToLeftAlignment();
    const WORD k = rtl && key == VK_LEFT ? VK_RIGHT : rtl && key == VK_RIGHT ? VK_LEFT : key;
    const int c = Col(), r = Row();
    int target = -1;
    if (k == VK_LEFT && c > FixedCols() && IsFixed(c - 1, r)) {
      int x = c - 1;
      while (x >= FixedCols() && IsFixed(x, r)) --x;
      if (x >= FixedCols()) target = x;
      if (target >= 0) SetCol(target);
      skipped = true;
    } else if (k == VK_RIGHT && c < ColCount() - FFixedRightCols && c + 1 < ColCount() && IsFixed(c + 1, r)) {
      int x = c + 1;
      while (x < ColCount() - FFixedRightCols && IsFixed(x, r)) ++x;
      if (x < ColCount() - FFixedRightCols) SetCol(x);
      skipped = true;
    } else if (k == VK_UP && r > FixedRows() && IsFixed(c, r - 1)) {
      if (Options().Contains(goRowSelect)) {
        SetRow(r - 1);
      } else {
        int y = r - 1;
        while (y >= FixedRows() && IsFixed(c, y)) --y;
        if (y >= FixedRows()) SetRow(y);
      }
      skipped = true;
    } else if (k == VK_DOWN && r < RowCount() - FFixedFooters && r + 1 < RowCount() && IsFixed(c, r + 1)) {
      int y = r + 1;
      while (y < RowCount() - FFixedFooters && IsFixed(c, y)) ++y;
      if (y < RowCount() - FFixedFooters) SetRow(y);
      skipped = true;
    }
    if (skipped) {
      fireCopy();
      Message.WParam = 0;
    }
  }
  // 13. Down on the last data row appends one.
  if (key == VK_DOWN && !skipped && IsLastDataRow() && FNavigation->AppendOnArrowDown()) AutoAppendRow();
  // 14.
  if (FSelectionRectangle && skipped) {
    RepaintRect(FMoveSelection);
    FMoveSelection = Selection();
  }
  // 15. With the search footer under the last row, the keys that would
  // leave the grid's end stay in it.
  const bool footerEnd = FSearchFooter->Visible() && TopRow() >= RowCount() - VisibleRowCount();
  const bool lastRow = Row() >= RowCount() - 1;
  if (footerEnd && lastRow &&
      (key == VK_DOWN || (key == VK_RIGHT && Col() == ColCount() - 1) ||
       (key == VK_LEFT && Col() == FixedCols()))) {
    if (key == VK_DOWN) ScrollLastRowClear();
    Message.Result = 1;
    fireCopy();
    return;
  }
  // 16., 17. The base key handling, with the left column kept in row-select
  // mode when asked for.
  const bool keepH = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) &&
                     Options().Contains(goRowSelect) && LeftCol() != FixedCols() &&
                     FNavigation->KeepHorizScroll();
  if (Message.WParam != 0) {
    if (keepH) {
      TGridUpdate lock(this);
      TBaseGrid::WMKeyDown(Message);
      SetLeftCol(entryLeft);
    } else {
      TBaseGrid::WMKeyDown(Message);
    }
  }
  if (FSearchFooter->Visible() && Row() == RowCount() - 1 &&
      (key == VK_NEXT || key == VK_END || key == VK_LEFT || key == VK_RIGHT || key == VK_DOWN))
    ScrollLastRowClear();
  // 18. The row the row-select flags go by.
  const int flagRow =
      FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent() ? RealRow() : Row();
  // 19. Clipboard keys.
  if (FNavigation->AllowClipboardShortCuts()) {
    const bool sh = shift.Contains(ssShift);
    int action = 0;  // 1 cut, 2 paste, 3 copy
    if (ctrl && key == 'X')
      action = 1;
    else if (ctrl && key == 'V')
      action = 2;
    else if (ctrl && (key == VK_INSERT || key == 'C'))
      action = 3;
    else if (sh && key == VK_INSERT)
      action = 2;
    else if (sh && key == VK_DELETE)
      action = 1;
    if (action != 0) {
      bool allow = true;
      if (action == 1) {
        if (OnClipboardCut) OnClipboardCut(this, allow);
        if (allow) CutSelectionToClipboard();
      } else if (action == 2) {
        if (OnClipboardPaste) OnClipboardPaste(this, allow);
        if (allow) PasteSelectionFromClipboard();
      } else {
        if (OnClipboardCopy) OnClipboardCopy(this, allow);
        if (allow) CopySelectionToClipboard();
      }
      return;
    }
  }
  const bool altDown = GetKeyState(VK_MENU) < 0;
  // 20. Insert a row.
  if (key == VK_INSERT && FNavigation->AllowInsertRow() && !ctrl && !shift.Contains(ssShift) && !altDown) {
    InsertRowKey();
    return;
  }
  // 21. Select all.
  if (ctrl && key == 'A') {
    if (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect)) SelectAllKey();
    return;
  }
  // 22.
  if (IsMoveKey(key) && FMouseActions->DisjunctRowSelect()) {
    if (!shift.Contains(ssShift) && !ctrl) ClearRowSelect();
    if (shift.Contains(ssShift))
      SelectionToRowSelect(true);
    else
      SetRowSelect(flagRow, true);
  }
  if (IsMoveKey(key) && FMouseActions->DisjunctColSelect()) {
    if (!shift.Contains(ssShift) && !ctrl) ClearColSelect();
    if (shift.Contains(ssShift))
      SelectionToColSelect(true);
    else
      SetColSelect(Col(), true);
  }
  if (key == VK_SPACE && FMouseActions->DisjunctRowSelect()) SetRowSelect(flagRow, !RowSelect(flagRow));
  if (key == VK_SPACE && FMouseActions->DisjunctColSelect()) SetColSelect(Col(), !ColSelect(Col()));
  if (key == VK_DELETE && FNavigation->AllowDeleteRow() && !altDown) DeleteRowKey();
  if (key == VK_RETURN || key == VK_F2) {
    SaveOldCell(Col(), Row());
    if (formCell) FocusCellControl(Col(), Row(), std::string());
    if (key == VK_F2) KeyEditHook();
  }
  const TGridRect s = Selection();
  if (!SameRect(s, FMoveSelection)) {
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    FMoveSelection = s;
  }
}

// ---------------------------------------------------------------------------
// Rows by key

void TDedAdararAdoz::AutoAppendRow() {
  bool can = true;
  CanAddRow(can);
  if (!can) return;
  const int cols = TotalColCount();
  if (FFloatingFooter->Visible()) {
    // The new row goes above the footer, which keeps its texts.
    std::vector<std::string> footer;
    footer.reserve(static_cast<size_t>(cols));
    for (int c = 0; c < cols; ++c) footer.push_back(GetGridCell(c, RowCount() - 1));
    IncRowCount();
    for (int c = 0; c < cols; ++c) {
      SetGridCell(c, RowCount() - 2, std::string());
      SetObjects(c, RowCount() - 2, nullptr);
      SetGridCell(c, RowCount() - 1, footer[static_cast<size_t>(c)]);
    }
  } else {
    IncRowCount();
    for (int c = 0; c < cols; ++c) SetGridCell(c, RowCount() - 1, std::string());
  }
  if (FFloatingFooter->Visible() || FFixedFooters > 0) SetRow(Row() + 1);
  if (FFloatingFooter->Visible()) CalcFooter(-1);
  if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
}

void TDedAdararAdoz::InsertRowKey() {
  bool can = true;
  CanInsertRow(Row(), can);
  if (!can) return;
  int target = Row();
  const int real = RealRowIndex(Row());
  // The row goes in with the filter off and the filter comes back after.
  const bool filtered = FFilterActive;
  SetFilterActive(false);
  if (real < RowCount()) SetRow(real);
  int at;
  if (FNavigation->InsertPosition() == pInsertAfter) {
    if (FFixedRowAlways && FixedRows() == RowCount()) {
      at = RealRowIndex(Row());
      target = 1;
    } else if (Row() < RowCount()) {
      at = RealRowIndex(Row()) + 1;
      if (target + 1 < RowCount()) ++target;
    } else {
      at = RealRowIndex(Row());
    }
  } else {
    at = RealRowIndex(Row());
  }
  AutoInsertRow(at);
  if (OnAutoInsertRow) OnAutoInsertRow(this, at);
  SetGridModified(true);
  SetFilterActive(filtered);
  SetRow(std::min(target, RowCount() - 1));
  CalcAllFooters();
}

void TDedAdararAdoz::DeleteRowKey() {
  if (RowCount() - FixedRows() - FFixedFooters <= 0) return;
  const int real = RealRowIndex(Row());
  const bool filtered = FFilterActive;
  SetFilterActive(false);
  bool can = true;
  if (OnCanDeleteRow) OnCanDeleteRow(this, real, can);
  if (!can) {
    SetFilterActive(filtered);
    return;
  }
  AutoDeleteRow(real);
  SetFilterActive(filtered);
  if (FFloatingFooter->Visible() && Row() == RowCount() - 1) SetRow(RowCount() - 2);
  SaveOldCell(Col(), Row());
  SetGridModified(true);
  CalcAllFooters();
}

void TDedAdararAdoz::SelectAllKey() {
  const TGridRect r(FirstNormalCol(), FixedRows(), ColCount() - FFixedRightCols - 1, LastDataRow());
  if (r.Right < r.Left || r.Bottom < r.Top) return;
  if (FMouseActions->DisjunctRowSelect())
    for (int y = FixedRows(); y <= LastDataRow(); ++y) SetRowSelect(y, true);
  SelectAllHook(r);
  SetSelection(r);
  // The last data cell becomes current and the block stays selected.
  SetSelection(TGridRect(r.Left, r.Top, r.Right, r.Bottom));
}

// ---------------------------------------------------------------------------
// The grid's key-down override around the framework's cell move

void TDedAdararAdoz::KeyDown(WORD& Key, TShiftState Shift) {
  const WORD key = Key;
  FLastKeyCell = TGridCoord(Col(), Row());
  const int r0 = Row();
  TBaseGrid::KeyDown(Key, Shift);
  const TGridRect sel = Selection();
  const int t = std::min(sel.Top, sel.Bottom), b = std::max(sel.Top, sel.Bottom);
  const bool ctrl = Shift.Contains(ssCtrl);
  // Ctrl+Up and Ctrl+Down move the selected rows; never into the footer rows.
  if (ctrl && FNavigation->CursorMoveRows() && key == VK_DOWN && b < LastDataRow() && t >= FixedRows()) {
    const int col = Col(), row = Row();
    if (t == b) {
      MoveRow(t, t + 1);
      FocusCellMove(col, row + 1);
    } else {
      MoveRows(t, t + 1, b - t + 1);
      SetSelection(TGridRect(FixedCols(), t + 1, ColCount() - 1, b + 1));
    }
  } else if (ctrl && FNavigation->CursorMoveRows() && key == VK_UP && t > FixedRows() && b <= LastDataRow()) {
    const int col = Col(), row = Row();
    if (t == b) {
      MoveRow(t, t - 1);
      FocusCellMove(col, row - 1);
    } else {
      MoveRows(t, t - 1, b - t + 1);
      SetSelection(TGridRect(FixedCols(), t - 1, ColCount() - 1, b - 1));
    }
  }
  // Wrapped navigation, from the cell before the framework moved it.
  const TCursorAdvance ca = FNavigation->CursorAdvance();
  if (ca != caDefault && !ctrl) {
    const bool snake = ca == caSnake;
    const TGridCoord k = FLastKeyCell;
    if (key == VK_LEFT && k.X == FixedCols()) {
      int row = Row();
      if (snake && Row() > FixedRows()) --row;
      FocusCellMove(ColCount() - FFixedRightCols - 1, row);
    } else if (key == VK_UP && k.Y == FixedRows()) {
      int col = Col();
      if (snake && Col() > FixedCols()) --col;
      FocusCellMove(col, RowCount() - FFixedFooters - 1);
    } else if (key == VK_RIGHT && k.X + 1 == ColCount()) {
      int row = Row();
      if (snake && Row() < RowCount() - FFixedFooters - 1) ++row;
      FocusCellMove(FixedCols(), row);
    } else if (key == VK_DOWN && k.Y + 1 == RowCount()) {
      int col = Col();
      if (snake && Col() < ColCount() - FFixedRightCols - 1) ++col;
      FocusCellMove(col, FixedRows());
    }
  }
  // Disabled rows are stepped over.
  if (FUseEnabledRows && FNavigation->SkipDisabledRows() && Row() == r0 && !ctrl) {
    if (key == VK_UP && r0 > FixedRows()) {
      int r = r0 - 1;
      while (r > FixedRows() && !RowEnabled(r)) --r;
      if (r >= FixedRows() && RowEnabled(r)) SetRow(r);
    } else if (key == VK_DOWN && r0 < RowCount() - 1) {
      int r = r0 + 1;
      while (r < RowCount() - 1 && !RowEnabled(r)) ++r;
      if (RowEnabled(r)) SetRow(r);
    }
  }
  if (auto* other = dynamic_cast<TDedAdararAdoz*>(FSyncGrid->Grid())) {
    if (FSyncGrid->SelectionColumn() && Col() < other->ColCount()) other->SetCol(Col());
    if (FSyncGrid->SelectionRow() && Row() < other->RowCount()) other->SetRow(Row());
  }
}

// ---------------------------------------------------------------------------
// Key up

void TDedAdararAdoz::KeyUp(WORD& Key, TShiftState Shift) {
  const WORD key = Key;
  if (key == VK_PRIOR || key == VK_NEXT || key == VK_END || IsArrow(key) || key == VK_INSERT ||
      key == VK_DELETE)
    FSearchInc.clear();
  const TGridRect s0 = Selection();
  TBaseGrid::KeyUp(Key, Shift);
  const bool tabs = key == VK_TAB && Options().Contains(goTabs);
  if (FNavigation->AlwaysEdit() && (IsArrow(key) || tabs) && !HasControlGraphic(RealCol(), Row()))
    ShowInplaceEdit();
  const TGridRect s = Selection();
  if (!SameRect(s, FMoveSelection) && (key == VK_TAB || IsArrow(key))) {
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
    FMoveSelection = s;
  }
  if (!FMouseActions->DisjunctCellSelect() || Options().Contains(goEditing)) return;
  if (Shift.Contains(ssShift) && key != VK_SPACE) {
    for (int c = s0.Left; c <= s0.Right; ++c)
      for (int r = s0.Top; r <= s0.Bottom; ++r) RemoveSelectedCell(TGridCoord(c, r));
    for (int c = s.Left; c <= s.Right; ++c)
      for (int r = s.Top; r <= s.Bottom; ++r)
        if (c != Col() || r != Row()) AddSelectedCell(TGridCoord(c, r));
    RepaintSelectedCells();
  }
  if (key == VK_SPACE) {
    const TGridCoord b = BaseCell(Col(), Row());
    if (!IsFixed(b.X, b.Y)) {
      bool can = true;
      if (OnSelectCell) OnSelectCell(this, b.X, b.Y, can);
      if (!can) return;
      if (Shift.Contains(ssCtrl)) {
        if (!RemoveSelectedCell(b)) AddSelectedCell(b);
      } else {
        RepaintSelectedCells();
        FSelectedCells->Clear();
        AddSelectedCell(b);
      }
      if (s.Left != s.Right || s.Top != s.Bottom)
        for (int c = s.Left; c <= s.Right; ++c)
          for (int r = s.Top; r <= s.Bottom; ++r)
            if (c != b.X || r != b.Y) AddSelectedCell(TGridCoord(c, r));
      RepaintSelectedCells();
    }
    RepaintCell(Col(), Row());
  }
}
