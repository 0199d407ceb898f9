// Keys, wheel, cell selection and scrolling over merged areas.
#include <algorithm>

#include "framework/controls/Messages.h"
#include "grid/base/BaseGrid.h"

void TBaseGrid::MoveToBaseCell() {
  if (!HasCellProperties(Col(), Row())) return;
  TGridCoord b = BaseCell(Col(), Row());
  if (b.X == Col() && b.Y == Row()) return;
  if (b.X < 0 || b.Y < 0 || b.X >= ColCount() || b.Y >= RowCount()) return;
  FocusCell(b.X, b.Y, true);
}

// Arrow keys step over a merged area as over one cell: before the
// framework's single step the current cell is put on the area's edge in the
// direction of the key, and afterwards onto the base cell of where it went.
void TBaseGrid::KeyDown(WORD& Key, TShiftState Shift) {
  const bool inArea = HasCellProperties(Col(), Row());
  int bx = Col(), by = Row();
  const TCellProperties* base = nullptr;
  if (inArea) {
    FindBaseCell(Col(), Row(), bx, by);
    base = GetGridObject(bx, by);
  }
  switch (Key) {
    case VK_NEXT:
      // With the bottom in view, a page down stops on the last row above the
      // footer row instead of landing on it.
      if (RowCount() - 1 == VisibleRowCount() + TopRow() - FixedRows() && FHideLastRow && RowCount() > 1) {
        SetRow(RowCount() - 2);
        Key = 0;
      }
      break;
    case VK_LEFT:
      // From the area's left edge the framework's step leaves the area; it
      // never goes below the fixed columns.
      if (inArea && bx < Col() && Col() > FixedCols() && bx > 0) SetCol(std::max(bx, FixedCols()));
      break;
    case VK_UP:
      if (inArea && by < Row() && Row() > FixedRows() && by > 0) SetRow(std::max(by, FixedRows()));
      break;
    case VK_RIGHT:
      if (inArea && base != nullptr) {
        int e = bx + base->CellSpanX();
        if (e >= Col() && Col() < ColCount() - 1 && bx < ColCount() - 1 && e < ColCount()) SetCol(e);
      }
      break;
    case VK_DOWN:
      if (inArea && base != nullptr) {
        int e = by + base->CellSpanY();
        if (e >= Row() && Row() < RowCount() - 1 && by < RowCount() - 1 && e < RowCount()) SetRow(e);
      }
      break;
    default:
      break;
  }
  TObjStringGrid::KeyDown(Key, Shift);
  MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
  // Keep the current row clear of the footer row while scrolling down.
  if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow) SetTopRow(TopRow() + 1);
  MoveToBaseCell();
  return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
  MoveToBaseCell();
  return result;
}

bool TBaseGrid::SelectCell(int ACol, int ARow) {
  if (UseRightToLeftAlignment()) {
    bool result = TObjStringGrid::SelectCell(ACol, ARow);
    InvalidateGrid();
    return result;
  }
  RepaintCell(Col(), Row());
  bool result = TObjStringGrid::SelectCell(ACol, ARow);
  RepaintCell(ACol, ARow);
  return result;
}

void TBaseGrid::TopLeftChanged() {
  TObjStringGrid::TopLeftChanged();
  if (FixedCols() > 0) RepaintFixedColMerges();
  if (FixedRows() > 0) RepaintFixedRowMerges();
}

// Merged fixed cells reach into the scrolled part: they follow the scroll.
void TBaseGrid::RepaintFixedColMerges() {
  for (int c = 0; c < FixedCols(); ++c)
    for (int r = TopRow(); r <= TopRow() + VisibleRowCount(); ++r)
      if (IsMergedCell(c, r)) RepaintCell(c, r);
}

void TBaseGrid::RepaintFixedRowMerges() {
  for (int r = 0; r < FixedRows(); ++r)
    for (int c = LeftCol(); c <= LeftCol() + VisibleColCount(); ++c)
      if (IsMergedCell(c, r)) RepaintCell(c, r);
}
