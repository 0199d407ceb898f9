// Counts, fixed areas, the current cell and scrolling; moving rows and
// columns; hiding the selection; export ranges and the repaint helpers.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/WinApi.h"
#include "grid/model/DivUzev.h"

// ---------------------------------------------------------------------------
// Counts and fixed areas

void TDedAdararAdoz::SetRowCount(int Value) {
  if (TCustomGrid::RowCount() == FixedRows() && FFixedRowAlways && FSelectionHidden) UnHideSelection();
  const int old = RowCount();
  {
    TCountChange change(FCountChange);
    TBaseGrid::SetRowCount(Value);
  }
  if (FFixedRowAlways && RowCount() > FRequestedFixedRows && TCustomGrid::FixedRows() != FRequestedFixedRows)
    TBaseGrid::SetFixedRows(FRequestedFixedRows);
  FMaxRowCount = std::max(FMaxRowCount, Value);
  SetNormalRowCount(Value);

  if (FFooterPanel != nullptr && FFloatingFooter != nullptr && FFloatingFooter->Visible())
    FFooterPanel->Invalidate();
  UpdateVScrollProportional();
  UpdateHScrollProportional();
  UpdateScrollBarAlways(false);
  if (FScrollType == ssFlat || FScrollType == ssEncarta) UpdateFlatScrollBars();

  // The footer row stays the last row.
  if (FFloatingFooter != nullptr && FFloatingFooter->Visible() && RowCount() != old && old > 0) {
    CopyRow(old - 1, RowCount() - 1);
    EmptyRowSlots(old - 1);
    CalcAllFooters();
  }
}

void TDedAdararAdoz::SetColCount(int Value) {
  {
    TCountChange change(FCountChange);
    TBaseGrid::SetColCount(Value);
  }
  if (FFixedColAlways && ColCount() > FRequestedFixedCols && TCustomGrid::FixedCols() != FRequestedFixedCols)
    TBaseGrid::SetFixedCols(FRequestedFixedCols);
  FMaxColCount = std::max(FMaxColCount, Value);
  if (FFooterPanel != nullptr && FFloatingFooter != nullptr && FFloatingFooter->Visible())
    FFooterPanel->Invalidate();
  // The layout follows the new columns.
  SetBounds(Left(), Top(), Width(), Height());
  UpdateHScrollProportional();
  UpdateVScrollProportional();
  UpdateScrollBarAlways(false);
}

int TDedAdararAdoz::FixedRows() const {
  const int v = TCustomGrid::FixedRows();
  return v == 0 && FFixedRowAlways ? 1 : v;
}

void TDedAdararAdoz::SetFixedRows(int Value) {
  int applied = Value;
  if (FFixedRowAlways && Value >= RowCount()) applied = RowCount() - 1;
  TBaseGrid::SetFixedRows(applied);
  if (!ComponentState().Contains(csLoading) && FCountChange == 0) FRequestedFixedRows = Value;
}

int TDedAdararAdoz::FixedCols() const {
  const int v = TCustomGrid::FixedCols();
  return v == 0 && FFixedColAlways ? 1 : v;
}

void TDedAdararAdoz::SetFixedCols(int Value) {
  int applied = Value;
  if (FFixedColAlways && Value >= ColCount()) applied = ColCount() - 1;
  TBaseGrid::SetFixedCols(applied);
  if (!ComponentState().Contains(csLoading) && FCountChange == 0) FRequestedFixedCols = Value;
}

void TDedAdararAdoz::SetFixedRightCols(int Value) {
  FFixedRightCols = Value;
  InvalidateGrid();
}

void TDedAdararAdoz::SetFixedFooters(int Value) {
  FFixedFooters = Value;
  InvalidateGrid();
}

void TDedAdararAdoz::SetFixedColWidth(int Value) {
  if (ComponentState().Contains(csLoading) || Value == DefaultColWidth()) return;
  for (int c = 0; c < TCustomGrid::FixedCols(); ++c) SetColWidths(c, Value);
}

void TDedAdararAdoz::SetFixedRowHeight(int Value) {
  FFixedRowHeight = Value;
  if (ComponentState().Contains(csLoading)) return;
  if (Value == DefaultRowHeight()) {
    SetDefaultRowHeight(DefaultRowHeight());
    return;
  }
  for (int r = 0; r < TCustomGrid::FixedRows(); ++r) SetRowHeights(r, Value);
}

void TDedAdararAdoz::SetDefaultRowHeight(int Value) {
  TBaseGrid::SetDefaultRowHeight(Value);
  if (FDesigning) FFixedRowHeight = Value;
  if (FFloatingFooter != nullptr && FFloatingFooter->Visible() && FFooterPanel != nullptr)
    FFooterPanel->SetHeight(Value);
}

// ---------------------------------------------------------------------------
// The current cell

void TDedAdararAdoz::SetRow(int Value) {
  if (Col() < 0 || Col() > ColCount() - 1) TCustomGrid::FocusCell(FixedCols(), Value, true);
  TCustomGrid::SetRow(Value);
  if (Row() != FOldRowSel && OnRowChanged) {
    const int old = FOldRowSel;
    FOldRowSel = Row();
    OnRowChanged(this, old, Row());
  }
  if (FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(false);
  // Two grids kept in step with each other must not write each other's
  // row for ever.
  if (!FInRowWrite && FSyncGrid->SelectionRow()) {
    if (auto* other = dynamic_cast<TCustomGrid*>(FSyncGrid->Grid())) {
      FInRowWrite = true;
      try {
        if (auto* grid = dynamic_cast<TDedAdararAdoz*>(other))
          grid->SetRow(Row());
        else
          other->SetRow(Row());
      } catch (...) {
        FInRowWrite = false;
        throw;
      }
      FInRowWrite = false;
    }
  }
  if (Value == RowCount() - 1 && FSearchFooter->Visible()) ScrollLastRowClear();
}

void TDedAdararAdoz::SetCol(int Value) {
  TCustomGrid::SetCol(Value);
  if (!FInRowWrite && FSyncGrid->SelectionColumn()) {
    if (auto* other = dynamic_cast<TCustomGrid*>(FSyncGrid->Grid())) {
      FInRowWrite = true;
      try {
        if (auto* grid = dynamic_cast<TDedAdararAdoz*>(other))
          grid->SetCol(Col());
        else
          other->SetCol(Col());
      } catch (...) {
        FInRowWrite = false;
        throw;
      }
      FInRowWrite = false;
    }
  }
}

void TDedAdararAdoz::SetTopRow(int Value) {
  if (Value < FixedRows() || Value > RowCount() - 1) return;
  TCustomGrid::SetTopRow(Value);
}

void TDedAdararAdoz::GotoCell(int ACol, int ARow) {
  SetRow(ARow);
  SetCol(ACol);
}

void TDedAdararAdoz::FocusCell(int ACol, int ARow) { SetSelection(TGridRect(ACol, ARow, ACol, ARow)); }

void TDedAdararAdoz::EditCell(int ACol, int ARow) {
  if (CanFocus()) SetFocus();
  GotoCell(ACol, ARow);
  ShowInplaceEdit();
}

void TDedAdararAdoz::FocusCellMove(int ACol, int ARow) { TCustomGrid::FocusCell(ACol, ARow, true); }

// ---------------------------------------------------------------------------
// Scrolling into view

void TDedAdararAdoz::ScrollInView(int ColIndex, int RowIndex) {
  if (ColIndex >= ColCount() || RowIndex >= RowCount() || ColIndex < 0 || RowIndex < 0) return;
  const int shownCols = VisibleColCount();
  const int shownRows = VisibleRowCount();
  int a = LeftCol();
  int b = TopRow();
  if (ColIndex < LeftCol() || ColIndex >= LeftCol() + shownCols) {
    SetCol(ColIndex);
    a = std::max(ColIndex - shownCols / 2, FixedCols());
  }
  if (RowIndex < TopRow() || RowIndex >= TopRow() + shownRows) {
    SetRow(RowIndex);
    b = std::max(RowIndex - shownRows / 2, FixedRows());
  }
  a = std::min(a, ColCount() - shownCols + 1);
  if (FixedCols() + shownCols < ColCount()) SetLeftCol(a);
  b = std::min(b, RowCount() - shownRows + 1);
  if (FixedRows() + shownRows >= RowCount()) return;
  SetTopRow(b);

  if (FSearchFooter->Visible() && FSearchPanel != nullptr) {
    int h = Height() - FSearchPanel->Height();
    if (VisibleColCount() + FixedCols() < ColCount()) h -= GetSystemMetrics(SM_CYHSCROLL);
    // Scroll the row clear of the footer, but only while that can still
    // help: a grid too short for the row ends here too.
    while (CellRect(0, RowIndex).Bottom > h) {
      const int top = TopRow();
      if (top >= RowIndex) break;
      SetTopRow(top + 1);
      if (TopRow() == top) break;
    }
  }
}

bool TDedAdararAdoz::LastRowInView() {
  if (!FSearchFooter->Visible() || FSearchPanel == nullptr) return false;
  if (TopRow() + VisibleRowCount() < RowCount() - 1) return false;
  return CellRect(0, RowCount() - 1).Bottom < ClientHeight() - FSearchPanel->Height() + 2;
}

void TDedAdararAdoz::ScrollLastRowClear() {
  if (!FSearchFooter->Visible() || FSearchPanel == nullptr) return;
  const int panel = FSearchPanel->Height();
  if (ClientHeight() <= DefaultRowHeight() + panel) return;
  const int last = RowCount() - 1;
  while (CellRect(0, last).Bottom > ClientHeight() - panel + 2 && Row() <= last && TopRow() < RowCount()) {
    const int top = TopRow();
    SetTopRow(top + 1);
    if (TopRow() == top) break;
  }
}

// ---------------------------------------------------------------------------
// Moving columns and rows

void TDedAdararAdoz::MoveColumn(int FromIndex, int ToIndex) {
  if (FColumnOrder->Count() == 0) SetColumnOrder();
  ColumnMovedHandling(FromIndex, ToIndex);
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    const int x = item->X();
    if (ToIndex < FromIndex) {
      if (x >= ToIndex && x < FromIndex)
        item->SetX(x + 1);
      else if (x == FromIndex)
        item->SetX(ToIndex);
    } else {
      if (x > FromIndex && x <= ToIndex)
        item->SetX(x - 1);
      else if (x == FromIndex)
        item->SetX(ToIndex);
    }
  }
  CellControlsUpdate(false);
}

void TDedAdararAdoz::MoveRow(int FromIndex, int ToIndex) {
  RowMovedHandling(FromIndex, ToIndex);
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    const int y = item->Y();
    if (ToIndex < FromIndex) {
      if (y >= ToIndex && y < FromIndex)
        item->SetY(y + 1);
      else if (y == FromIndex)
        item->SetY(ToIndex);
    } else {
      if (y > FromIndex && y <= ToIndex)
        item->SetY(y - 1);
      else if (y == FromIndex)
        item->SetY(ToIndex);
    }
  }
  CellControlsUpdate(false);
}

void TDedAdararAdoz::MoveRows(int FromIndex, int ToIndex, int Count) {
  if (FromIndex == ToIndex || Count <= 0) return;
  if (FromIndex < 0 || FromIndex + Count > RowCount()) return;
  struct TSavedRow {
    std::vector<std::string> Texts;
    std::vector<TCellProperties*> Slots;
    int Height = 0;
  };
  const int cols = TotalColCount();
  std::vector<TSavedRow> saved(static_cast<size_t>(Count));
  for (int i = 0; i < Count; ++i) {
    TSavedRow& s = saved[static_cast<size_t>(i)];
    for (int c = 0; c < cols; ++c) {
      s.Texts.push_back(GetGridCell(c, FromIndex + i));
      s.Slots.push_back(GetGridObject(c, FromIndex + i));
    }
    s.Height = RowHeights(FromIndex + i);
    // The slots travel with the saved rows.
    for (int c = 0; c < cols; ++c) SetGridObject(c, FromIndex + i, nullptr);
  }
  if (FromIndex + Count < ToIndex) ToIndex -= Count;
  RemoveRowsEx(FromIndex, Count);
  ToIndex = std::clamp(ToIndex, 0, RowCount());
  InsertRows(ToIndex, Count, true);
  for (int i = 0; i < Count; ++i) {
    const TSavedRow& s = saved[static_cast<size_t>(i)];
    const int r = ToIndex + i;
    for (int c = 0; c < cols; ++c) {
      SetGridCell(c, r, s.Texts[static_cast<size_t>(c)]);
      TCellProperties* props = s.Slots[static_cast<size_t>(c)];
      if (props != nullptr) props->SetOwnerRow(r);
      SetGridObject(c, r, props);
    }
    SetRowHeights(r, s.Height);
  }
}

// ---------------------------------------------------------------------------
// Hiding the selection

void TDedAdararAdoz::HideSelection() {
  if (!FSelectionHidden) FSavedSelection = Selection();
  SetSelection(TGridRect(ColCount(), RowCount(), ColCount(), RowCount()));
  FSelectionHidden = true;
}

void TDedAdararAdoz::UnHideSelection() {
  FSelectionHidden = false;
  TGridRect s = FSavedSelection;
  if (s.Top < RowCount() && s.Left < ColCount()) {
    // What no longer fits is cut to the grid.
    s.Right = std::min(s.Right, ColCount() - 1);
    s.Bottom = std::min(s.Bottom, RowCount() - 1);
    SetSelection(s);
    return;
  }
  const int y = FFixedRowAlways && FixedRows() == RowCount() ? 0 : FixedRows();
  const int x = FFixedColAlways && FixedCols() == ColCount() ? 0 : FixedCols();
  SetSelection(TGridRect(x, y, x, y));
}

void TDedAdararAdoz::UpdateEditMode() { SelectCell(Col(), Row()); }

bool TDedAdararAdoz::IsIgnoredColumn(int ACol) const { return FIgnoreColumns->HasValue(ACol); }

// ---------------------------------------------------------------------------
// Export ranges

int TDedAdararAdoz::SaveStartCol() const { return FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols(); }

int TDedAdararAdoz::SaveEndCol() const {
  return FSaveFixedCells || FSaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

int TDedAdararAdoz::SaveColCount() const {
  return FSaveFixedCells || FSaveFixedCols ? ColCount() : ColCount() - FixedCols() - FFixedRightCols;
}

int TDedAdararAdoz::SaveStartRow() const { return FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows(); }

int TDedAdararAdoz::SaveEndRow() const {
  return FSaveFixedCells || FSaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

int TDedAdararAdoz::SaveRowCount() const {
  return FSaveFixedCells || FSaveFixedRows ? RowCount() : RowCount() - FixedRows() - FFixedFooters;
}

TGridRect TDedAdararAdoz::UsedCells() {
  TGridRect r;
  ReadUsedCells(r);
  return r;
}

void TDedAdararAdoz::ReadUsedCells(TGridRect& R) {
  bool any = false;
  R = TGridRect(0, 0, 0, 0);
  for (int row = 0; row < RowCount(); ++row) {
    for (int c = 0; c < ColCount(); ++c) {
      if (GetCellEx(c, row).empty()) continue;
      if (!any) {
        R = TGridRect(c, row, c, row);
        any = true;
      } else {
        R.Left = std::min(R.Left, c);
        R.Right = std::max(R.Right, c);
        R.Bottom = row;
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Repaint helpers (display columns and rows)

void TDedAdararAdoz::RepaintRow(int ARow) {
  if (!HandleAllocated() || ARow < 0 || ARow >= RowCount()) return;
  const int firstCol = TCustomGrid::FixedCols() > 0 ? 0 : LeftCol();
  TRect first = TCustomGrid::CellRect(firstCol, ARow);
  if (first.Bottom <= first.Top) return;
  const int lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
  TRect last = TCustomGrid::CellRect(lastCol, ARow);
  TRect r(std::min(first.Left, 0), first.Top, last.Right > last.Left ? last.Right : ClientWidth(),
          first.Bottom);
  InvalidateRect(&r, false);
}

void TDedAdararAdoz::RepaintCol(int ACol) {
  if (!HandleAllocated() || ACol < 0 || ACol >= ColCount()) return;
  const int firstRow = TCustomGrid::FixedRows() > 0 ? 0 : TopRow();
  TRect first = TCustomGrid::CellRect(ACol, firstRow);
  if (first.Right <= first.Left) return;
  const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
  TRect last = TCustomGrid::CellRect(ACol, lastRow);
  TRect r(first.Left, std::min(first.Top, 0), first.Right,
          last.Bottom > last.Top ? last.Bottom : ClientHeight());
  InvalidateRect(&r, false);
}

void TDedAdararAdoz::RepaintRect(const TGridRect& R) {
  if (!HandleAllocated()) return;
  if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0) return;
  TRect a = CellRect(R.Left, R.Top);
  TRect b = CellRect(std::min(R.Right, FixedCols() + VisibleColCount()), R.Bottom);
  if (a.Right <= a.Left || a.Bottom <= a.Top || b.Right <= b.Left || b.Bottom <= b.Top) {
    InvalidateGrid();
    return;
  }
  TRect u(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom));
  InvalidateRect(&u, true);
}
