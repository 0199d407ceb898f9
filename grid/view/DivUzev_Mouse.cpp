// The left button going down over the grid: what the press does for the
// cell under the pointer (check boxes, radio items, ratings, cell buttons,
// links, whole rows and columns from the fixed area, select all, direct
// editing) before and around the framework grid's own press handling, and
// OnClickCell. With the press: the grid's press override, the radio-group
// item click and the selected-cell list of disjunct cell selection.
#include <algorithm>

#include "framework/controls/Forms.h"
#include "framework/controls/Menus.h"
#include "framework/os/Shell.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"

namespace {

// Alt, else Shift, else Ctrl: never more than one modifier.
TShiftState OneModifierShift() {
  if (GetKeyState(VK_MENU) < 0) return TShiftState{ssAlt};
  if (GetKeyState(VK_SHIFT) < 0) return TShiftState{ssShift};
  if (GetKeyState(VK_CONTROL) < 0) return TShiftState{ssCtrl};
  return {};
}

TShiftState FullShift() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s << ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s << ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s << ssAlt;
  return s;
}

int PackCell(TGridCoord C) { return (C.Y << 16) | (C.X & 0xFFFF); }

}  // namespace

// ---------------------------------------------------------------------------
// Links

// A press on a link. Opened only where the application asks for it
// (OpenLinks), and then only web and mail links; "cell://RnCm" links move
// to their cell. True when the press ends here.
bool TDedAdararAdoz::LinkClick(int ACol, int ARow, int RC, int X, int Y) {
  const std::string t = GetGridCell(RC, ARow);
  const int kind = ClassifyCellText(t, FEnableHTML);
  if (!URLShow() && kind != 1) return false;
  std::string anchor;
  if (kind != 1) {
    if (IsURL(t)) anchor = t;
  } else {
    // The anchor or form control under the pointer, by the markup layout.
    TMarkupResult res;
    if (CellMarkupHitTest(ACol, ARow, X, Y, std::string(), res)) {
      if (!res.ControlID.empty() && FormControlsEditable(RC, ARow)) {
        FormControlClick(ACol, ARow, RC, res);
        return true;
      }
      anchor = res.Anchor;
    }
  }
  if (anchor.empty()) {
    if (kind == 1 && UpperCase(t).find("<CONTROL") != std::string::npos) {
      if (OnClickCell) OnClickCell(this, ARow, ACol);
      HideInplaceEdit();
      SetSelection(TGridRect(ACol, ARow, ACol, ARow));
      return true;
    }
    return false;
  }
  bool autoHandle = FOpenLinks;
  if (OnAnchorClick) OnAnchorClick(this, ARow, ACol, anchor, autoHandle);
  if (!autoHandle) return true;
  const std::string upper = UpperCase(anchor);
  if (upper.find("CELL://") == std::string::npos) {
    if (IsOpenableUrl(Trim(anchor))) OpenUrl(Trim(anchor));
    return true;
  }
  TPoint cell;
  if (anchor.size() > 7 && ParseRCCellRef(anchor.substr(7), cell) && cell.Y >= 0 && cell.X >= 0 &&
      cell.Y < RowCount() && cell.X < ColCount()) {
    const int r = cell.Y, c = cell.X;
    FocusCellMove(c, r);
    ScrollInView(c, r);
  }
  return true;
}

// ---------------------------------------------------------------------------
// Check boxes and radio buttons by the mouse

bool TDedAdararAdoz::CheckBoxClick(int ACol, int ARow, int RC, int X, int Y) {
  const bool canEdit = IsEditableCell(RC, ARow);
  const bool rb = HasRadioButton(RC, ARow);
  const bool hotmail = FMouseActions->HotmailRowSelect();
  if (ACol >= ColCount() || ARow >= RowCount()) return false;
  if (!(canEdit || FControlLook->CheckAlwaysActive() || (ACol == 0 && hotmail))) return false;
  if (!HasCheckBox(RC, ARow) && !rb) return false;
  if (!IsInCheckBox(RC, ARow, X, Y)) return false;
  HideInplaceEdit();
  if (CanFocus()) SetFocus();
  const int realRow = RealRowIndex(ARow);
  if (rb) {
    ToggleRadioButtonCell(RC, ARow, true);
    if (OnRadioButtonClick) OnRadioButtonClick(this, RC, ARow);
  } else {
    ToggleCheckBoxCell(RC, ARow, true);
  }
  if (FShowModified->Enabled()) {
    SetRowModified(ARow, true);
    RepaintCell(0, ARow);
  }
  if (ACol == 0 && hotmail) {
    SetSelection(TGridRect(FixedCols(), ARow, ColCount() - 1, ARow));
    const int flag = FMouseActions->RowSelectPersistent() ? realRow : ARow;
    SetRowSelect(flag, !RowSelect(flag));
    if (realRow != ARow) RepaintCell(0, ARow);
    if (Row() == ARow && !RowSelect(flag)) {
      HideSelection();
      FSelHidden = false;
    }
  }
  bool state = false;
  GetCheckBoxState(RC, realRow, state);
  if (!FNavigation->AlwaysEdit() && ARow >= FixedRows() && ACol >= FixedCols())
    MoveColRow(ACol, ARow, true, true);
  // Mouse and keyboard alike name the real column.
  if (!rb) DoCheckBoxClick(RC, ARow, state);
  if (FHideFocusRect) RepaintCell(ACol, ARow);
  if (ARow < FixedRows() && FMouseActions->CheckAllCheck()) {
    if (hotmail) {
      for (int r = FixedRows(); r < RowCount(); ++r) SetRowSelect(RealRowIndex(r), state);
    } else {
      for (int r = FixedRows(); r < RowCount(); ++r)
        if (HasCheckBox(RC, r)) SetCheckBoxState(RC, r, state);
    }
    InvalidateGrid();
  }
  if (OnMouseDown) OnMouseDown(this, mbLeft, FullShift(), X, Y);
  Click();
  return true;
}

void TDedAdararAdoz::ClickRadioGroup(int ACol, int ARow, int X, int Y) {
  const TGridCoord b = BaseCell(ACol, ARow);
  TCellGraphic* g = GetCellGraphic(b.X, b.Y);
  if (g == nullptr || g->CellType != ctRadio) return;
  const int d = DisplColIndexOf(b.X);
  TBrush brush;
  brush.Assign(Canvas()->Brush());
  GetCellColor(b.X, b.Y, TGridDrawState{}, Canvas()->Brush(), Canvas()->Font());
  if (!IsFixed(d, b.Y)) {
    SetCol(d);
    SetRow(b.Y);
  }
  const TGridControlStyle style = FControlLook->ControlStyle();
  const int w = style >= csWinXP ? 16 : FControlLook->RadioSize();
  auto* items = dynamic_cast<TStrings*>(g->CellBitmap);
  if (items == nullptr) return;
  int hit = -1;
  int prev = 0;
  const bool horizontal = g->CellBoolean;
  const int h = std::max(w, Canvas()->TextHeight("gh"));
  for (int i = 0; i < items->Count() && hit < 0; ++i) {
    if (horizontal) {
      const int end = prev + Canvas()->TextWidth(items->Strings(i)) + w;
      if (prev < X && X < end) hit = i;
      prev = end;
    } else {
      const int end = prev + h;
      if (prev < Y && Y < end) hit = i;
      prev = end;
    }
  }
  if (hit < 0) return;
  if (g->CellIndex == -1)
    SetCellEx(b.X, b.Y, items->Strings(hit));
  else
    g->CellIndex = hit;
  SetCellEx(b.X, b.Y, GetGridCell(b.X, b.Y));
  SetRadioIdx(d, b.Y, hit);
  if (OnRadioClick) OnRadioClick(this, d, b.Y, hit);
}

// ---------------------------------------------------------------------------
// What a press would do at a fixed cell; the mouse-move handling keeps it
// current while the pointer moves, a press reads it.

void TDedAdararAdoz::MouseSelectModeAt(int ACol, int ARow) {
  FMouseSelectMode = msNormal;
  if (ACol < 0 || ARow < 0) return;
  const bool fixedCol = ACol < FixedCols(), fixedRow = ARow < FixedRows();
  if (fixedCol && fixedRow && FMouseActions->AllSelect())
    FMouseSelectMode = msAll;
  else if (fixedCol && !fixedRow && FMouseActions->RowSelect())
    FMouseSelectMode = msRow;
  else if (fixedRow && !fixedCol && FMouseActions->ColSelect())
    FMouseSelectMode = msColumn;
}

// ---------------------------------------------------------------------------
// Left button down

void TDedAdararAdoz::WMLButtonDown(TMessage& Message) {
  if (FWheelPan) EndPanning();
  HandleWmLButtonDown(Message);
}

void TDedAdararAdoz::HandleWmLButtonDown(TMessage& Message) {
  int X = Message.XPos(), Y = Message.YPos();
  FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
  FSpinUpClick = FSpinDnClick = false;
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const TGridRect entrySel = Selection();
  FMouseDownSelection = entrySel;
  auto base = [&]() {
    Message.LParam = MakeLParam(X, Y);
    TBaseGrid::WMLButtonDown(Message);
  };
  // 2. The handle at the selection's corner drags the selection bigger.
  if (FSelectionResizer && FSelectionRectangle && OnSelectionResizer(X, Y)) {
    SetGridState(gsSelecting);
    BeginSelectionResize(Message, !Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit());
    Message.Result = 1;
    return;
  }
  // 3.
  if (Options().Contains(goEditing) && FMouseActions->RangeSelectAndEdit() && ACol >= 0 && ARow >= 0 &&
      !PointInGridRect(ACol, ARow, entrySel))
    SetOptions(Options() >> goEditing);
  // 4. The application may refuse the click altogether.
  bool allow = true;
  if (OnCanClickCell) OnCanClickCell(this, ARow, ACol, allow);
  if (!allow) return;
  // 6. The pointer was over the handle when it last moved.
  if (FMouseSelectMode == msResize) {
    BeginSelectionResize(Message, !Options().Contains(goEditing));
    return;
  }
  // 7. Preparing the press.
  const TShiftState shift1 = OneModifierShift();
  if (FMouseActions->DisjunctCellSelect() && !shift1.Contains(ssCtrl) && !shift1.Contains(ssShift) &&
      ACol >= 0 && ARow >= 0 && !IsFixed(ACol, ARow)) {
    FSelectedCells->Clear();
    InvalidateGrid();
  }
  FSearchInc.clear();
  FSelectionClick = false;
  FPushedCellButton = TGridCoord(-1, -1);
  FOldTopRow = TopRow();
  FOldLeftCol = LeftCol();
  FClickPos = TPoint(X, Y);
  if (FMouseSelectMode == msNormal) MouseSelectModeAt(ACol, ARow);
  // 8. Outside every cell.
  if (ACol < 0 || ARow < 0) {
    HideInplaceEdit();
    if (!FFixedRowAlways) base();
    return;
  }
  // 9. The base cell of a merged area.
  const int pressedCol = ACol, pressedRow = ARow;
  {
    const TGridCoord b = BaseCell(RealColIndex(ACol), ARow);
    ACol = DisplColIndexOf(b.X);
    ARow = b.Y;
  }
  const TRect baseRect = CellRect(ACol, ARow);
  if (FMouseActions->CaretPositioning()) LButFlg = true;
  // 10, 11. A fixed column's or row's border dragged by the grid itself.
  if (BeginFixedSizing(X, Y)) return;
  // 12.
  const bool inFixedArea = ARow < FixedRows() || ACol < FixedCols();
  const bool fixed = IsFixed(ACol, ARow);
  if (inFixedArea || fixed) HideInplaceEdit();
  const bool extraFixed = fixed && !inFixedArea;
  // 13. A fixed cell drawn as a button is pressed.
  if ((inFixedArea || extraFixed) && FFixedAsButtons && Options().Contains(goFixedVertLine) &&
      Options().Contains(goFixedHorzLine)) {
    FPushedFixedCell = baseRect;
    FPushedCellButton = TGridCoord(ACol, ARow);
    FFixedCellPushed = true;
    RepaintCell(ACol, ARow);
  }
  const int RC = RealColIndex(ACol);
  if (!FDesigning) {
    // 14.1 The halves of an always-visible spin button.
    if (FControlLook->SpinButtonsAlwaysVisible() && HasSpinEdit(RC, ARow) && X > baseRect.Right - 18) {
      if (Y > baseRect.Top + (baseRect.Bottom - baseRect.Top) / 2)
        FSpinDnClick = true;
      else
        FSpinUpClick = true;
    }
    // 14.2 The header's node glyph opens or closes every node.
    const bool nodeGlyph = ACol == 0 && IsNode(ARow) && IsInNodeButton(ARow, X) && !FFixedCellPushed;
    if (nodeGlyph && ARow < FixedRows() && FMouseActions->NodeAllExpandContract()) {
      if (GetNodeState(ARow))
        ExpandAll();
      else
        ContractAll();
      SetNodeState(ARow, !GetNodeState(ARow));
    }
    // 14.3 A data node's glyph expands or contracts that node.
    if (nodeGlyph && ARow >= FixedRows()) {
      if (OnMouseDown) OnMouseDown(this, mbLeft, shift1, X, Y);
      if (OnClickCell) OnClickCell(this, ARow, ACol);
      ToggleNodeByUser(ARow);
      if (FMouseActions->MoveRowOnNodeClick() && ARow < RowCount()) SetRow(ARow);
      return;
    }
    // 14.4 Radio groups pick the item under the pointer.
    if (IsRadio(RC, ARow) && (IsEditableCell(RC, ARow) || FControlLook->RadioAlwaysActive())) {
      HideInplaceEdit();
      ClickRadioGroup(RC, ARow, X - baseRect.Left, Y - baseRect.Top);
      if (CanFocus()) SetFocus();
      return;
    }
    // 14.5 The node column of a tree grid does not become current.
    if (ACol == 0 && ARow >= FixedRows() && HasNodes() && !FMouseActions->RowSelect() &&
        !Options().Contains(goRowSizing)) {
      if (OnMouseDown) OnMouseDown(this, mbLeft, shift1, X, Y);
      if (OnClickCell) OnClickCell(this, ARow, 0);
      return;
    }
    // 14.6 A press on a selection that can be dragged keeps it.
    if ((IsSelected(ACol, ARow) || (ARow < FixedRows() && !FEnhRowColMove)) &&
        !Options().Contains(goEditing) && !HasButton(RC, ARow) && !HasCheckBox(RC, ARow) &&
        FDragDropSettings->OleDropSource() &&
        !((FMouseActions->ColSelect() || FMouseActions->AllSelect()) && ARow < FixedRows()) &&
        ACol >= FixedCols() &&
        ((X > baseRect.Left + 3 && X < baseRect.Right - 3) || !Options().Contains(goColSizing))) {
      if (CanFocus()) SetFocus();
      if (OnMouseDown) OnMouseDown(this, mbLeft, shift1, X, Y);
      FSelectionClick = true;
      if (OnClickCell) OnClickCell(this, ARow, ACol);
      return;
    }
  }
  // 15. Rating: half a unit per 9 pixels.
  if (HasRating(RC, ARow) && IsEditableCell(RC, ARow)) {
    HideInplaceEdit();
    double rate = static_cast<int>((X - baseRect.Left) / 9) / 2.0;
    if (DoRatingChange(RC, ARow, rate)) {
      SetFloats(RC, ARow, rate);
      RepaintCell(ACol, ARow);
    }
    return;
  }
  // 16., 17. Cell buttons and expand buttons are pressed.
  const bool hasButton = HasButton(RC, ARow);
  const bool hasExpand = !hasButton && HasExpand(RC, ARow);
  if (hasButton || hasExpand) {
    HideInplaceEdit();
    if (!IsFixed(ACol, ARow)) {
      const bool saved = FForceSel;
      FForceSel = true;
      try {
        MoveColRow(ACol, ARow, true, true);
      } catch (...) {
        FForceSel = saved;
        throw;
      }
      FForceSel = saved;
    }
    const TRect br = hasButton ? GetCellButtonRect(ACol, ARow) : GetExpandRect(ACol, ARow);
    if (PtInRect(br, TPoint(X, Y))) {
      if (hasButton) PushButton(ACol, ARow, true);
      FPushedCellButton = TGridCoord(ACol, ARow);
      SetMouseCapture(true);
      if (OnClickCell) OnClickCell(this, ARow, ACol);
      return;
    }
  }
  // 18. A press inside a merged area acts on its base cell.
  if ((pressedCol != ACol || pressedRow != ARow) && !fixed && !OnMouseDown) {
    X = baseRect.Left + 2;
    Y = baseRect.Top + 2;
  }
  // 19.
  if (ACol >= ColCount() || ARow >= RowCount()) {
    base();
    return;
  }
  // 21. Disjunct row flags.
  const bool shiftDown = GetKeyState(VK_SHIFT) < 0, ctrlDown = GetKeyState(VK_CONTROL) < 0;
  if (FMouseActions->DisjunctRowSelect() && ARow >= FixedRows() &&
      (ACol != 0 || !FMouseActions->HotmailRowSelect())) {
    if (shiftDown) {
      base();
      SetSelection(TGridRect(ACol, ARow, entrySel.Left, entrySel.Top));
      return;
    }
    const int flag = FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
    if (ctrlDown || FMouseActions->DisjunctRowSelectNoCtrl()) {
      if (RowSelect(flag)) FDeselectState = true;
    } else {
      FMouseDown = true;
      if (GetKeyState(VK_MENU) >= 0) ClearRowSelect();
    }
  }
  // 22. Disjunct column flags.
  if (FMouseActions->DisjunctColSelect() && ACol >= FixedCols()) {
    if (ctrlDown) {
      if (ColSelect(ACol)) FDeselectState = true;
    } else {
      FMouseDown = true;
      ClearColSelect();
    }
  }
  // 23. Links and form controls.
  if (LinkClick(ACol, ARow, RC, X, Y)) return;
  Movecell = -1;
  // 25. Select all from the top-left fixed cell.
  if (ACol < FixedCols() && ARow < FixedRows() && FMouseActions->AllSelect() &&
      Options().Contains(goRangeSelect) && FMouseSelectMode == msAll) {
    if (CanFocus()) SetFocus();
    ExportNotification(0, -1);
    ExportNotification(1, RowCount() - 1);
    ExportNotification(3, -1);
    HideSelection();
    TGridRect r(FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1);
    MouseSelectHook(r);
    SetSelection(r);
    FSelHidden = false;
    if (FActiveCellShow) {
      RepaintCell(entrySel.Left, 0);
      RepaintCell(ACol, ARow);
    }
  }
  // 26. Rows from a fixed column.
  if (ACol < FixedCols() && ARow >= FixedRows() && FMouseActions->RowSelect() && FMouseSelectMode == msRow) {
    if (FEditMode && CanFocus()) SetFocus();
    HideSelection();
    if (FMouseActions->DisjunctCellSelect()) FSelectedCells->Clear();
    SetSelection(shiftDown ? TGridRect(FixedCols(), ARow, ColCount() - 1, entrySel.Top)
                           : TGridRect(FixedCols(), ARow, ColCount() - 1, ARow));
    FSelHidden = false;
    FMouseSelectStart = ARow;
    if (!FRowIndicator->Empty()) RepaintCol(0);
  }
  // 27. Columns from a fixed row.
  if (ACol >= FixedCols() && ARow < FixedRows() && FMouseActions->ColSelect() &&
      Options().Contains(goRangeSelect) && FMouseSelectMode == msColumn) {
    if (CanFocus()) SetFocus();
    HideSelection();
    if (FMouseActions->DisjunctCellSelect()) FSelectedCells->Clear();
    TGridRect r(ACol, FixedRows(), ACol, RowCount() - 1);
    if (shiftDown) {
      if (ACol < entrySel.Left)
        r = TGridRect(ACol, FixedRows(), entrySel.Right, RowCount() - 1);
      else
        r = TGridRect(entrySel.Left, FixedRows(), ACol, RowCount() - 1);
    }
    SetSelection(r);
    FSelHidden = false;
    FMouseSelectStart = ACol;
  }
  // 28. Where a row or column move may start.
  if (ARow < FixedRows() && ACol >= FixedCols())
    Movecell = ACol;
  else if (ACol < FixedCols() && ARow >= FixedRows())
    Movecell = ARow;
  MoveOfsX = X - baseRect.Left;
  MoveOfsY = Y - baseRect.Top;
  // 29. Check boxes and radio buttons.
  if (CheckBoxClick(ACol, ARow, RC, X, Y)) return;
  // 30. Editor preparation.
  const bool dataCell = ARow >= FixedRows() && ACol >= FixedCols();
  const bool canEdit = IsEditableCell(RC, ARow);
  bool s = false;
  if (dataCell && FControlLook->DropDownAlwaysVisible()) s = HasComboBox(RC, ARow);
  const bool directEdit = FMouseActions->DirectEdit() || (FControlLook->DropDownAlwaysVisible() && s);
  if (dataCell && (canEdit || (FMouseActions->EditOnDblClickOnly() && s)) && directEdit) {
    if (FMouseActions->EditOnDblClickOnly() && s) FEditActive = false;
    HideInplaceEdit();
    if (CanFocus()) SetFocus();
  }
  // 31.
  const bool onCurrent = PtInRect(baseRect, TPoint(X, Y)) && Selection() == TGridRect(ACol, ARow, ACol, ARow);
  bool selecting = false;
  if (!onCurrent && FMouseActions->RangeSelectAndEdit() && !fixed && !canEdit) {
    SetOptions(Options() >> goEditing);
    selecting = true;
  }
  // 32. Extra fixed cells only report the click.
  if (extraFixed) {
    if (!(ARow == RowCount() - 1 && FFloatingFooter->Visible() &&
          FFloatingFooter->FooterStyle() == fsFixedLastRow) &&
        OnClickCell)
      OnClickCell(this, ARow, ACol);
    return;
  }
  // 33. The framework's press handling.
  const int top = TopRow();
  const bool edgeCell = ARow == TopRow() + VisibleRowCount() || ACol == LeftCol() + VisibleColCount() ||
                        (ACol == LeftCol() && LeftCol() > FixedCols());
  if (!FSelHidden) {
    const bool alwaysEdit = FNavigation->AlwaysEdit();
    FNavigation->SetAlwaysEdit(false);
    struct TBack {
      TNavigation* N;
      bool V;
      ~TBack() { N->SetAlwaysEdit(V); }
    } back{FNavigation.get(), alwaysEdit};
    if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll()) {
      const int left = LeftCol();
      TGridUpdate lock(this);
      base();
      SetLeftCol(left);
    } else {
      base();
    }
  }
  if (GridState() == gsSelecting && edgeCell && FMouseActions->NoAutoRangeScroll()) SetGridState(gsNormal);
  if (TopRow() != top && FMouseActions->NoScrollOnPartialRow()) {
    SetTopRow(top);
    if (HandleAllocated()) SendMessage(Handle(), WM_LBUTTONUP, 0, MakeLParam(-1, -1));
  }
  // 34. OnClickCell, except on a column border of the header.
  const bool onBorder = ARow < FixedRows() && Options().Contains(goColSizing) &&
                        (std::abs(X - baseRect.Left) <= 3 || std::abs(X - baseRect.Right) <= 3);
  if (!onBorder && OnClickCell) OnClickCell(this, ARow, ACol);
  // 35.
  if (OnCellValidate) {
    FEntered = false;
    SaveOldCell(Col(), Row());
  }
  // 36. A merged cell opens its editor on the base cell.
  if ((pressedCol != ACol || pressedRow != ARow) && !fixed && (onCurrent || FMouseActions->DirectEdit()) &&
      canEdit)
    ShowInplaceEdit();
  // 37. Direct editing opens the editor with the press.
  const bool inside = X > baseRect.Left + 3 && X < baseRect.Right - 3;
  if (inside && dataCell && (canEdit || (FMouseActions->EditOnDblClickOnly() && s)) && directEdit &&
      !HasControlGraphic(RC, ARow)) {
    if (FMouseActions->EditOnDblClickOnly() && s && !Options().Contains(goEditing)) {
      SetOptions(Options() << goEditing);
      if (CanFocus()) SetFocus();
    }
    bool ok = true;
    if (Row() != ARow && OnRowChanging) OnRowChanging(this, Row(), ARow, ok);
    if (Col() != ACol && OnColChanging) OnColChanging(this, Col(), ACol, ok);
    if ((Row() != ARow || Col() != ACol) && OnCellChanging)
      OnCellChanging(this, Row(), Col(), ARow, ACol, ok);
    if (ok) {
      SetSelection(TGridRect(ACol, ARow, ACol, ARow));
      SaveOldCell(ACol, ARow);
      ShowInplaceEdit();
    }
  }
  // 38.
  if (selecting && inside) SetGridState(gsSelecting);
}

// ---------------------------------------------------------------------------
// The selection resizer

void TDedAdararAdoz::BeginSelectionResize(TMessage& Message, bool SelectBase) {
  const int X = Message.XPos(), Y = Message.YPos();
  FDropSelection = Selection();
  CopySelectionToClipboard();
  FMouseResize = true;
  const TGridRect s = Selection();
  if (SelectBase) {
    // The framework's press starts its range selection (and its scrolling
    // at the edges); it also makes the pressed cell the selection.
    Message.LParam = MakeLParam(X, Y);
    TBaseGrid::WMLButtonDown(Message);
  }
  // The selection's top-left corner stays, the bottom-right one follows
  // the pointer. The current cell is that corner: putting back an earlier
  // current cell would shrink the selection to it.
  SetSelection(s);
  MouseMove(TShiftState{}, X, Y);
}

// ---------------------------------------------------------------------------
// The grid's press override, inside the framework's press handling

void TDedAdararAdoz::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool valid = ACol >= 0 && ARow >= 0;
  auto framework = [&]() {
    FEditStart = true;
    struct TEnd {
      bool& F;
      ~TEnd() { F = false; }
    } end{FEditStart};
    SizingMouseDown(Button, Shift, X, Y);
  };
  // Range select and edit: a press on the current cell edits it, a
  // Shift-press elsewhere extends the selection.
  if (FMouseActions->RangeSelectAndEdit() && Button == mbLeft && !FMouseActions->EditOnDblClickOnly() &&
      valid) {
    if (ACol == Col() && ARow == Row() && !Options().Contains(goEditing) &&
        IsEditableCell(RealColIndex(ACol), ARow)) {
      SetOptions(Options() << goEditing);
      framework();
      ShowInplaceEdit();
      return;
    }
    if ((ACol != Col() || ARow != Row()) && Options().Contains(goEditing) && Shift.Contains(ssShift)) {
      SetOptions(Options() >> goEditing);
      framework();
      return;
    }
  }
  FMouseButtonDown = true;
  // The drop-down button of a hovered fixed cell: its menu or handler takes
  // the press.
  if (valid && FControlLook->FixedDropDownButton() && IsHoverFixedCell(ACol, ARow)) {
    const TRect r = CellRect(ACol, ARow);
    const int m = Options().Contains(goColSizing) ? 2 : 0;
    if (X > r.Right - 16 && X < r.Right - m) {
      FDropDownDown = true;
      if (FixedDropDownPress(ACol, ARow, r)) return;
    }
  }
  // A hovered header cell shows itself pressed.
  if (valid && IsHoverFixedCell(ACol, ARow) && ARow == FixedRows() - 1 &&
      FControlLook->FixedGradientDownTo() != clNone)
    RepaintCell(ACol, ARow);
  framework();
  if (Shift.Contains(ssShift) && FSelectionRectangle) RepaintRect(Selection());
  // Fixed cells edited by a click.
  if (valid) {
    const bool fixedRow = ARow < FixedRows(), fixedCol = ACol < FixedCols();
    const TGridFixedCellEdit rowsEdit = FMouseActions->FixedRowsEdit();
    const TGridFixedCellEdit colsEdit = FMouseActions->FixedColsEdit();
    const TRect r = CellRect(ACol, ARow);
    const TRect inner(r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4);
    if (rowsEdit == fceLeftClick && Button == mbLeft && fixedRow) {
      if (!Options().Contains(goColSizing) || PtInRect(inner, TPoint(X, Y))) EditFixedCell(ACol, ARow);
      return;
    }
    if (colsEdit == fceLeftClick && Button == mbLeft && fixedCol) {
      if (!Options().Contains(goRowSizing) || PtInRect(inner, TPoint(X, Y))) EditFixedCell(ACol, ARow);
      return;
    }
    if (rowsEdit == fceRightClick && Button == mbRight && fixedRow) {
      EditFixedCell(ACol, ARow);
      return;
    }
    if (colsEdit == fceRightClick && Button == mbRight && fixedCol) {
      EditFixedCell(ACol, ARow);
      return;
    }
  }
  if (auto* other = dynamic_cast<TDedAdararAdoz*>(FSyncGrid->Grid())) {
    if (FSyncGrid->SelectionColumn() && Col() < other->ColCount()) other->SetCol(Col());
    if (FSyncGrid->SelectionRow() && Row() < other->RowCount()) other->SetRow(Row());
  }
}

// The fixed drop-down button pressed: the handler may pick another menu or
// none; the menu pops up under the button with the cell lit. False when no
// menu and no handler take the press.
bool TDedAdararAdoz::FixedDropDownPress(int ACol, int ARow, const TRect& CellRect) {
  if (FFixedDropDownMenu == nullptr && !OnFixedDropDownClick) return false;
  FNoMouseLeave = true;
  if (FFixedDropDownMenu != nullptr) FFixedDropDownMenu->SetTag(ACol);
  TPopupMenu* menu = FFixedDropDownMenu;
  bool keep = false;
  if (OnFixedDropDownClick) OnFixedDropDownClick(this, ACol, ARow, menu, keep);
  if (menu != nullptr) {
    FMouseDownMove = false;
    FHoveredFixedCell = TGridCoord(ACol, ARow);
    FFixedDropDownOpen = true;
    RepaintCell(ACol, ARow);
    const TPoint at = ClientToScreen(TPoint(CellRect.Right - 16, CellRect.Bottom));
    struct TClosed {
      TDedAdararAdoz* G;
      ~TClosed() {
        // The menu took the release: the button is up again.
        G->FFixedDropDownOpen = false;
        G->FMouseButtonDown = false;
      }
    } closed{this};
    menu->Popup(at.X, at.Y);
    FHoveredFixedCell = TGridCoord(-1, -1);
    RepaintCell(ACol, ARow);
  }
  FNoMouseLeave = keep;
  return true;
}

void TDedAdararAdoz::SetFixedDropDownMenu(TPopupMenu* Value) {
  FFixedDropDownMenu = Value;
  if (Value != nullptr) FreeNotification(Value);
}

// ---------------------------------------------------------------------------
// The selected-cell list: each cell at most once.

void TDedAdararAdoz::AddSelectedCell(TGridCoord C) {
  const int v = PackCell(C);
  if (FSelectedCells->IndexOf(v) < 0) FSelectedCells->Add(v);
}

bool TDedAdararAdoz::RemoveSelectedCell(TGridCoord C) {
  const int i = FSelectedCells->IndexOf(PackCell(C));
  if (i < 0) return false;
  FSelectedCells->Delete(i);
  return true;
}

void TDedAdararAdoz::RepaintSelectedCells() {
  for (int i = 0; i < FSelectedCells->Count(); ++i) {
    const TGridCoord c = GetSelectedCell(i);
    RepaintCell(c.X, c.Y);
  }
}

void TDedAdararAdoz::ClearSelectedCells() {
  SetSelection(TGridRect(FixedCols(), FixedRows(), FixedCols(), FixedRows()));
  FSelectedCells->Clear();
  InvalidateGrid();
}

TGridCoord TDedAdararAdoz::GetSelectedCell(int Index) const {
  const int v = FSelectedCells->Items(Index);
  return TGridCoord(v & 0xFFFF, (v >> 16) & 0xFFFF);
}

int TDedAdararAdoz::SelectedCellsCount() {
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->Count();
  FSelectedCells->Clear();
  const TGridRect s = Selection();
  if (s.Left == s.Right && s.Top == s.Bottom) {
    AddSelectedCell(TGridCoord(Col(), Row()));
  } else {
    for (int c = s.Left; c <= s.Right; ++c)
      for (int r = s.Top; r <= s.Bottom; ++r) AddSelectedCell(TGridCoord(c, r));
  }
  return FSelectedCells->Count();
}

bool TDedAdararAdoz::SelectedCells(int ACol, int ARow) {
  if (FMouseActions->DisjunctCellSelect())
    return FSelectedCells->IndexOf(PackCell(TGridCoord(ACol, ARow))) >= 0;
  return PointInGridRect(ACol, ARow, Selection());
}

void TDedAdararAdoz::SetSelectedCells(int ACol, int ARow, bool Value) {
  const bool changed = Value ? FSelectedCells->IndexOf(PackCell(TGridCoord(ACol, ARow))) < 0
                             : RemoveSelectedCell(TGridCoord(ACol, ARow));
  if (Value && changed) AddSelectedCell(TGridCoord(ACol, ARow));
  if (changed) RepaintCell(ACol, ARow);
}

int TDedAdararAdoz::SelectedColCount() {
  if (FMouseActions->DisjunctColSelect()) return ColSelectCount();
  const TGridRect s = Selection();
  int n = std::abs(s.Left - s.Right) + 1;
  const TGridCoord span = CellSpan(RealColIndex(s.Left), s.Top);
  if (span.X > 0 && s.Right <= s.Left + span.X) return span.X + 1;
  // A merged cell at the far corner counts with all its columns.
  if (s.Right != s.Left) n += CellSpan(RealColIndex(s.Right), s.Top).X;
  return n;
}

int TDedAdararAdoz::SelectedRowCount() {
  if (FMouseActions->DisjunctRowSelect()) return RowSelectCount();
  const TGridRect s = Selection();
  const int bottom = std::min(s.Bottom, RowCount() - FFixedFooters - 1);
  int n = std::abs(s.Top - bottom) + 1;
  const TGridCoord span = CellSpan(RealColIndex(s.Left), s.Top);
  if (span.Y > 0 && bottom <= s.Top + span.Y) return span.Y + 1;
  // A merged cell at the far corner counts with all its rows.
  if (bottom != s.Top) n += CellSpan(RealColIndex(s.Left), bottom).Y;
  return n;
}

int TDedAdararAdoz::SelectedRow(int Index) {
  if (FMouseActions->DisjunctRowSelect()) {
    TIntList* rows = FSelectedRows.get();
    return Index >= 0 && Index < rows->Count() ? rows->Items(Index) : -1;
  }
  const TGridRect s = Selection();
  const int lo = std::min(s.Top, s.Bottom), hi = std::max(s.Top, s.Bottom);
  return lo + Index <= hi && Index >= 0 ? lo + Index : -1;
}

void TDedAdararAdoz::ClearModifiedRows() {
  for (int r = 0; r < RowCount(); ++r)
    if (RowModified(r)) SetRowModified(r, false);
  InvalidateGrid();
}

void TDedAdararAdoz::InvalidateSelectionCorners(const TGridRect& R) {
  RepaintCell(R.Left, R.Top);
  RepaintCell(R.Right, R.Bottom);
}

void TDedAdararAdoz::ToggleNodeByUser(int ARow) {
  const int R = RealRowIndex(ARow);
  bool allow = true;
  if (GetNodeState(ARow)) {
    if (OnBeforeExpandNode) OnBeforeExpandNode(this, ARow, R, allow);
    if (!allow) return;
    ExpandNode(R);
    if (OnExpandNode) OnExpandNode(this, ARow, R);
  } else {
    if (OnBeforeContractNode) OnBeforeContractNode(this, ARow, R, allow);
    if (!allow) return;
    ContractNode(R);
    if (OnContractNode) OnContractNode(this, ARow, R);
  }
}
