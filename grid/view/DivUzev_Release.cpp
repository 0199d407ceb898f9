// The rest of the button handling: the left button up ending what the press
// started (pushed buttons, moves, disjunct flags) and sorting on a header
// click, the double click (header border auto-size, OnDblClickCell, fixed
// cell editing), the right button and the cursor; with the grid's release
// override (disjunct cell selection, sizing cancelled outside the grid,
// selection changes).
#include <algorithm>

#include "framework/controls/Forms.h"
#include "framework/rtl/Tick.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevFilterLists.h"

// ---------------------------------------------------------------------------
// Left button up

void TDedAdararAdoz::WMLButtonUp(TMessage& Message) { HandleWmLButtonUp(Message); }

void TDedAdararAdoz::HandleWmLButtonUp(TMessage& Message) {
  const int X = Message.XPos(), Y = Message.YPos();
  // 1. What the press started ends.
  ColMoveFlg = ColSizeFlg = false;
  FMouseDown = FMouseKeepDown = FMouseDownMove = false;
  // The marks, the pictures and the cursor of a row or column move go with
  // it; a move the no-drop cursor showed refused moves nothing.
  bool refusedMove = false;
  EndMovePicture();
  if (FMoveColInd >= 0 || FMoveRowInd >= 0) {
    refusedMove = FEnhRowColMove && Screen->Cursor() == crNoDrop;
    DoEndBlockFocus();
    HideDropArrows();
    FMoveColInd = FMoveRowInd = -1;
    if (Screen->Cursor() == crDrag || Screen->Cursor() == crNoDrop) Screen->SetCursor(crDefault);
  }
  ColSized = Rowsized = false;
  FMouseSelectMode = msNormal;
  if (FCtrlDown) {
    // A held BUTTON control of a markup cell comes up.
    FCtrlDown = false;
    RepaintCell(DisplColIndexOf(FCtrlXY.X), FCtrlXY.Y);
  }
  FMouseSelectStart = -1;
  // 2, 3. A fixed column or row dragged to its new size; the drag is no
  // click and sorts nothing.
  const bool fixedSized = FSizingFixed || FSizingFixedR;
  EndFixedSizing(X, Y);
  // 4. A pushed fixed cell comes up.
  if (FFixedCellPushed) {
    FFixedCellPushed = false;
    if (FPushedCellButton.X >= 0) RepaintCell(FPushedCellButton.X, FPushedCellButton.Y);
  }
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  // 5. Cell buttons, expand buttons and header buttons report their click.
  bool onCellButton = false;
  if (FPushedCellButton.X >= 0) {
    const TGridCoord p = FPushedCellButton;
    bool enabled = Options().Contains(goEditing);
    if (ACol >= 0 && ARow >= 0 && !FControlLook->NoDisabledButtonLook()) {
      const TGridCoord b = BaseCell(RealColIndex(ACol), ARow);
      bool can = true;
      CanEditCell(b.X, b.Y, can);
      enabled = can && !IsFixed(DisplColIndexOf(b.X), b.Y);
    }
    if (enabled || FControlLook->NoDisabledButtonLook() || p.X < FixedCols() || p.Y < FixedRows()) {
      if (!IsNodeRow(p.Y)) PushButton(p.X, p.Y, false);
      if (ACol >= 0 && ARow >= 0) {
        const int rc = RealColIndex(p.X);
        const bool fixedHit = (FFixedAsButtons && p.X < FixedCols()) || p.Y < FixedRows();
        const bool inButton = HasButton(rc, p.Y) && PtInRect(GetCellButtonRect(p.X, p.Y), TPoint(X, Y));
        const bool inExpand = HasExpand(rc, p.Y) && PtInRect(GetExpandRect(p.X, p.Y), TPoint(X, Y));
        if ((inButton || fixedHit) && (ACol == p.X && ARow == p.Y)) DoButtonClick(p.X, p.Y);
        if (HasExpand(rc, p.Y) && (inExpand || fixedHit) && ACol == p.X && ARow == p.Y)
          DoExpandClick(p.X, p.Y, ToggleExpand(rc, p.Y));
        onCellButton = inButton || inExpand;
      }
    }
    FPushedCellButton = TGridCoord(-1, -1);
    SetMouseCapture(false);
  }
  // 7.
  if (onCellButton) {
    TControl::WMLButtonUp(Message);
    return;
  }
  // 8. OnClick for a release on a fixed cell, not on a header border.
  const bool inFixed = ACol >= 0 && ARow >= 0 && (ARow < FixedRows() || ACol < FixedCols());
  bool onBorder = false;
  if (ACol >= 0 && ARow >= 0 && ARow < FixedRows() && Options().Contains(goColSizing)) {
    TGridState s;
    int index, pos, ofs;
    CalcSizingState(X, Y, s, index, pos, ofs);
    // While a border is dragged the sizing cursor shows wherever the release is.
    onBorder = s == gsColSizing || GridState() == gsColSizing;
  }
  if (!onBorder && !fixedSized && OnClick && FDoOnClick && inFixed) OnClick(this);
  FDoOnClick = false;
  // 10. A press kept back for a drag that did not come.
  if (FSelectionClick) {
    FSelectionClick = false;
    if (ACol >= FixedCols() && ARow >= FixedRows()) {
      const bool ctrl = GetKeyState(VK_CONTROL) < 0;
      if (FMouseActions->DisjunctRowSelect() && FDragDropSettings->OleDropSource()) {
        if (!ctrl) ClearRowSelect();
        if (ctrl || FMouseActions->DisjunctRowSelectNoCtrl()) {
          SetRowSelect(ARow, !RowSelect(ARow));
          if (OnMouseUp) OnMouseUp(this, mbLeft, TShiftState{ssCtrl}, ACol, ARow);
          return;
        }
      }
      if (Options().Contains(goRowSelect))
        SetSelection(TGridRect(FixedCols(), ARow, ColCount() - 1, ARow));
      else
        SetSelection(TGridRect(ACol, ARow, ACol, ARow));
    }
  }
  // 11. Disjunct rows follow the selection; a Ctrl-press on a flagged row
  // takes its flag off.
  bool flagCleared = false;
  if (FMouseActions->DisjunctRowSelect() && ACol >= 0 && ARow >= 0) {
    if (!(ACol == 0 && FMouseActions->HotmailRowSelect())) SelectionToRowSelect(false);
    if (ARow >= FixedRows() && ARow < RowCount() - FFixedFooters && FDeselectState) {
      SetRowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow, false);
      flagCleared = true;
      if (FMouseActions->HotmailRowSelect()) RepaintCell(0, 0);
    }
    FDeselectState = false;
  }
  // 13. Disjunct columns.
  if (FMouseActions->DisjunctColSelect() && ACol >= 0) {
    SelectionToColSelect(false);
    if (ACol >= FixedCols() && FDeselectState) SetColSelect(ACol, false);
    FDeselectState = false;
  }
  // 15. The framework's release handling.
  const TGridState state = GridState();
  const bool moving = state == gsColMoving || state == gsRowMoving;
  if (moving && refusedMove) {
    SetGridState(gsNormal);
    InvalidateGrid();
  }
  TBaseGrid::WMLButtonUp(Message);
  if (flagCleared) FSelChange = false;
  if (GridState() == gsSelecting) SetGridState(gsNormal);
  // 16. The selection resizer let go: the copied block goes into the new
  // selection, also into its editable cells while the grid does not edit.
  if (FMouseResize) {
    if (OnSelectionResize) OnSelectionResize(this, FDropSelection, Selection());
    {
      // A paste that fails still ends the drag.
      struct TEnd {
        TDedAdararAdoz* G;
        bool EditDisable;
        ~TEnd() {
          G->FEditDisable = EditDisable;
          G->FMouseResize = false;
        }
      } end{this, FEditDisable};
      FEditDisable = true;
      PasteSelectionFromClipboard();
    }
    if (OnSelectionResized) OnSelectionResized(this, FDropSelection, Selection());
  }
  // 17.
  if (ColMoveFlg || ColSizeFlg || fixedSized || moving || ACol < 0 || ARow < 0) return;
  // 18. Header clicks.
  HeaderClickSort(ACol, ARow, X);
}

void TDedAdararAdoz::HeaderClickSort(int ACol, int ARow, int X) {
  if (ACol < FixedCols() && !FSortSettings->FixedCols()) return;
  const int rc = RealColIndex(ACol);
  if (HasCheckBox(rc, ARow)) {
    bool state = false;
    GetCheckBoxState(rc, ARow, state);
    if (OnCheckBoxMouseUp) OnCheckBoxMouseUp(this, rc, ARow, state);
  } else if (IsRadio(rc, ARow)) {
    int idx = -1;
    GetRadioIdx(rc, ARow, idx);
    if (OnRadioMouseUp) OnRadioMouseUp(this, rc, ARow, idx);
  }
  if (FDblClk) {
    // The double click sized a column: its release sorts nothing.
    FDblClk = false;
    return;
  }
  const TRect r = CellRect(ACol, ARow);
  if (ARow == 0 && Options().Contains(goColSizing) &&
      (std::abs(X - r.Left) <= 3 || std::abs(X - r.Right) <= 3))
    return;
  int pc = -1, pr = -1;
  MouseToCell(FClickPos.X, FClickPos.Y, pc, pr);
  if (FControlLook->FixedDropDownButton() && CanShowFixedDropDown(rc, ARow) && X > r.Right - 16) return;
  if (X > r.Right - 16 && ARow < FixedRows() && GetColumnFilter(rc)) return;
  const bool applies = ARow == pr && ARow == FSortSettings->Row() && FixedRows() > 0 &&
                       !(HasCheckBox(rc, ARow) && IsInCheckBox(rc, ARow, X, r.Top + 1)) &&
                       FSortSettings->Show() && RowCount() > 2;
  if (!applies) return;
  bool doSort = !IsIgnoredColumn(rc);
  if (OnCanSort) OnCanSort(this, rc, doSort);
  if (!doSort) {
    RepaintCell(ACol, FSortSettings->Row());
    return;
  }
  HideInplaceEdit();
  const uint32_t start = GetTickCount();
  const int left = LeftCol();
  const bool keep = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll();
  if (keep) BeginUpdate();
  try {
    if (FSortSettings->IndexShow()) {
      const bool key =
          FSortSettings->IndexSortKey() == ikShift ? GetKeyState(VK_SHIFT) < 0 : GetKeyState(VK_CONTROL) < 0;
      const bool asc = FSortSettings->InitSortDirection() == sdAscending;
      const int at = FSortIndexes->FindIndex(rc);
      if (key) {
        if (at >= 0)
          FSortIndexes->ToggleIndex(rc);
        else
          FSortIndexes->AddIndex(rc, asc);
      } else if (FSortIndexes->Count() == 1 && at == 0) {
        FSortIndexes->ToggleIndex(rc);
      } else {
        FSortIndexes->Clear();
        FSortIndexes->AddIndex(rc, asc);
      }
      if (HasNodes())
        QSortGroupIndexed();
      else
        QSortIndexed();
      FSortSettings->SetColumn(FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : -1);
    } else {
      bool undo = false;
      if (rc == FSortSettings->Column()) {
        undo = FSortSettings->Direction() != FSortSettings->InitSortDirection() && FSortSettings->UndoSort();
        FSortSettings->SetDirection(FSortSettings->Direction() == sdAscending ? sdDescending : sdAscending);
      } else {
        FSortSettings->SetDirection(FSortSettings->InitSortDirection());
        FSortSettings->SetColumn(rc);
      }
      if (undo) {
        QUnSort();
        FSortSettings->SetColumn(-1);
      } else if (HasNodes()) {
        QSortGroup();
      } else {
        QSort();
      }
    }
  } catch (...) {
    if (keep) {
      SetLeftCol(left);
      EndUpdate();
    }
    throw;
  }
  SortTime = GetTickCount() - start;
  if (keep) {
    SetLeftCol(left);
    EndUpdate();
  }
  if (FControlList->Count() > 0) CellControlsUpdate(true);
  DoClickSort(FSortSettings->Column());
}

// ---------------------------------------------------------------------------
// The grid's release override

void TDedAdararAdoz::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FDesigning) {
    SizingMouseUp(Button, Shift, X, Y);
    DesignHelperClick(X, Y);
    return;
  }
  FMouseButtonDown = false;
  const TGridRect s0 = Selection();
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  // The filter row's buttons open their column's list; a release anywhere
  // else, or on the open column again, closes it.
  const int rc = ACol >= 0 ? RealColIndex(ACol) : -1;
  if (ARow != FilterDropDownRow() || rc == FFilterColumn) {
    HideFilterDropDown();
  } else if (ACol >= 0) {
    const TRect r = CellRect(ACol, ARow);
    if (X > r.Right - 16 && X < r.Right - 3 && Y < r.Top + 19 && GetColumnFilter(rc))
      ShowFilterDropDown(ACol, ARow, rc);
  }
  FDropDownDown = false;
  // A sizing drag released outside the grid is cancelled.
  if ((X > Width() && GridState() == gsColSizing) || (Y > Height() && GridState() == gsRowSizing)) {
    SetGridState(gsNormal);
    InvalidateGrid();
    return;
  }
  if (FMouseActions->DisjunctCellSelect() && Button == mbLeft && ACol >= 0 && ARow >= 0) {
    const TGridCoord b = [&] {
      const TGridCoord rb = BaseCell(RealColIndex(ACol), ARow);
      return TGridCoord(DisplColIndexOf(rb.X), rb.Y);
    }();
    if (!IsFixed(b.X, b.Y)) {
      bool can = true;
      if (OnSelectCell) OnSelectCell(this, b.X, b.Y, can);
      if (!can) return;
      if (Shift.Contains(ssShift)) {
        // Each cell once, however often it is Shift-clicked.
        AddSelectedCell(TGridCoord(ACol, ARow));
      } else if (Shift.Contains(ssCtrl)) {
        if (!RemoveSelectedCell(b)) AddSelectedCell(b);
      } else {
        RepaintSelectedCells();
        FSelectedCells->Clear();
        AddSelectedCell(b);
      }
    } else if (!Shift.Contains(ssCtrl) && !IsFixed(ACol, ARow)) {
      FSelectedCells->Clear();
      InvalidateGrid();
    }
    const TGridRect s = Selection();
    if (s.Left != s.Right || s.Top != s.Bottom) {
      for (int c = s.Left; c <= s.Right; ++c)
        for (int r = s.Top; r <= s.Bottom; ++r)
          if ((c != b.X || r != b.Y) && !IsSelected(c, r)) AddSelectedCell(TGridCoord(c, r));
      RepaintSelectedCells();
    }
    RepaintCell(ACol, ARow);
  }
  if (Button == mbRight && GridState() == gsColMoving) return;
  SizingMouseUp(Button, Shift, X, Y);
  // A header cell shown pressed comes up.
  if (ACol >= 0 && ARow >= 0 && IsHoverFixedCell(ACol, ARow) && ARow == FixedRows() - 1 &&
      FControlLook->FixedGradientDownTo() != clNone)
    RepaintCell(ACol, ARow);
  const TGridRect s = Selection();
  if ((Button == mbLeft || (Button == mbRight && FMouseActions->SelectOnRightClick())) && !(s == s0))
    SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
}

// ---------------------------------------------------------------------------
// Double click

void TDedAdararAdoz::WMLButtonDblClk(TMessage& Message) {
  const int X = Message.XPos(), Y = Message.YPos();
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (FMouseActions->RangeSelectAndEdit() && ACol >= 0 && ARow >= 0 &&
      !HasControlGraphic(RealColIndex(ACol), ARow))
    FForceSel = true;
  struct TEnd {
    bool& F;
    ~TEnd() { F = false; }
  } end{FForceSel};
  if (ACol < 0) {
    if (FFixedRowAlways) {
      TBaseGrid::WMLButtonDblClk(Message);
      return;
    }
    ACol = ColCount() - 1;
    ARow = 0;
  }
  if (ARow < 0) {
    TBaseGrid::WMLButtonDblClk(Message);
    return;
  }
  // A double click on a header border sizes the column to its texts.
  if (ARow < FixedRows() && Options().Contains(goColSizing) && FMouseActions->AutoSizeColOnDblClick()) {
    const TRect r = CellRect(ACol, ARow);
    int target = -1;
    if (std::abs(X - r.Left) <= 3 && ACol - 1 >= FixedCols())
      target = ACol - 1;
    else if (std::abs(X - r.Right) <= 3 && ACol >= FixedCols())
      target = ACol;
    else if (X > r.Right && ACol == ColCount() - 1)
      target = ACol;
    if (target >= 0) {
      FDblClk = true;
      bool allow = true;
      if (OnColumnSize) OnColumnSize(this, target, allow);
      if (allow) {
        AutoSizeCol(target);
        if (OnEndColumnSize) OnEndColumnSize(this, target);
      }
      FForceSel = false;
      TBaseGrid::WMLButtonDblClk(Message);
      return;
    }
  }
  const int rc = RealColIndex(ACol);
  if ((HasButton(rc, ARow) && PtInRect(GetCellButtonRect(ACol, ARow), TPoint(X, Y))) ||
      (HasExpand(rc, ARow) && PtInRect(GetExpandRect(ACol, ARow), TPoint(X, Y))))
    return;
  if (HasControlGraphic(rc, ARow)) {
    TBaseGrid::WMLButtonDblClk(Message);
    return;
  }
  TBaseGrid::WMLButtonDblClk(Message);
  if (OnDblClickCell) OnDblClickCell(this, ARow, ACol);
  if (FMouseActions->EditOnDblClickOnly()) {
    bool editable;
    {
      const bool saved = FMouseActions->RangeSelectAndEdit();
      FMouseActions->SetRangeSelectAndEdit(true);
      editable = IsEditableCell(rc, ARow);
      FMouseActions->SetRangeSelectAndEdit(saved);
    }
    if (editable && ARow >= FixedRows() && ACol >= FixedCols()) {
      SetOptions(Options() << goEditing);
      FOldCol = ACol;
      FOldRow = ARow;
      ShowInplaceEdit();
    }
  } else if (FMouseActions->RangeSelectAndEdit() && IsEditableCell(rc, ARow) && ARow >= FixedRows() &&
             ACol >= FixedCols()) {
    SetOptions(Options() << goEditing);
    const TRect r = CellRect(ACol, ARow);
    TMessage down{};
    down.Msg = WM_LBUTTONDOWN;
    down.WParam = MK_LBUTTON;
    down.LParam = MakeLParam(r.Left + 4, r.Top + 4);
    HandleWmLButtonDown(down);
  }
  FForceSel = false;
  if ((ARow < FixedRows() && FMouseActions->FixedRowsEdit() == fceDblClick) ||
      (ACol < FixedCols() && ARow >= FixedRows() && FMouseActions->FixedColsEdit() == fceDblClick))
    EditFixedCell(ACol, ARow);
}

// ---------------------------------------------------------------------------
// Right button

void TDedAdararAdoz::WMRButtonDown(TMessage& Message) {
  if (FWheelPan) EndPanning();
  const int X = Message.XPos(), Y = Message.YPos();
  TBaseGrid::WMRButtonDown(Message);
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  if (ACol < 0 || ARow < 0) return;
  if (FMouseActions->SelectOnRightClick() && !IsFixed(ACol, ARow) && ACol >= FixedCols() &&
      ARow >= FixedRows() && !(FMouseActions->DisjunctCellSelect() && SelectedCells(ACol, ARow))) {
    const int rc = RealColIndex(ACol);
    if (IsSelected(ACol, ARow)) {
      bool can = true;
      if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    } else if (!HasControlGraphic(rc, ARow)) {
      const TGridCoord rb = BaseCell(rc, ARow);
      const int bc = DisplColIndexOf(rb.X);
      if (FNavigation->KeepHorizScroll()) {
        const int left = LeftCol();
        TGridUpdate lock(this);
        FocusCellMove(bc, rb.Y);
        SetLeftCol(left);
      } else {
        FocusCellMove(bc, rb.Y);
      }
    }
    if (FMouseActions->DisjunctRowSelect()) {
      const bool ctrl = GetKeyState(VK_CONTROL) < 0;
      if (ctrl || FMouseActions->DisjunctRowSelectNoCtrl()) {
        SetRowSelect(ARow, !RowSelect(ARow));
      } else if (RowSelectCount() > 1 && PopupMenu() != nullptr) {
        if (!RowSelect(ARow)) {
          ClearRowSelect();
          SetRowSelect(ARow, true);
        }
      } else {
        ClearRowSelect();
        SetRowSelect(ARow, true);
      }
    }
  }
  if (OnRightClickCell) OnRightClickCell(this, ARow, ACol);
  if (URLShow() && URLEdit() && IsURL(GetGridCell(RealColIndex(ACol), ARow))) {
    FocusCellMove(ACol, ARow);
    TBaseGrid::ShowEditor();
  }
}

void TDedAdararAdoz::WMRButtonUp(TMessage& Message) {
  if (FEnhRowColMove && (GridState() == gsRowMoving || GridState() == gsColMoving)) {
    Message.Result = 0;
    return;
  }
  TBaseGrid::WMRButtonUp(Message);
}

// ---------------------------------------------------------------------------
// Cursor

void TDedAdararAdoz::WMSetCursor(TMessage& Message) {
  // The borders of the fixed cells that the mouse may drag.
  if (GridState() == gsNormal && (FSizeFixed || FSizeFixedR || FSizingFixed || FSizingFixedR)) {
    if (Peer() != nullptr) Peer()->SetCursor(FSizeFixed || FSizingFixed ? crHSplit : crVSplit);
    Message.Result = 1;
    return;
  }
  if (GridState() != gsRowSizing && GridState() != gsColSizing && FMouseSelectMode != msNormal &&
      FMouseSelectMode != msURL) {
    // Rows, columns and the whole grid from the fixed cells; the selection
    // resizer.
    const TCursor c = FMouseSelectMode == msRow      ? crGridRowSelect
                      : FMouseSelectMode == msColumn ? crGridColSelect
                                                     : crGridSelectAll;
    if (Peer() != nullptr) Peer()->SetCursor(GridCursor(c));
    Message.Result = 1;
    return;
  }
  TBaseGrid::WMSetCursor(Message);
  if (Message.Result != 0) return;
  const TPoint p = ScreenToClient(CursorPos());
  int ACol = -1, ARow = -1;
  MouseToCell(p.X, p.Y, ACol, ARow);
  if (ACol >= 0 && ARow >= 0) GetCellCursor(RealColIndex(ACol), ARow, p.X, p.Y);
}
