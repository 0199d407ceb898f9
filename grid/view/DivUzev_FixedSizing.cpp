// Fixed columns and rows sized by dragging their borders anywhere in the
// fixed cells: the press that starts the drag, the release that applies the
// new width or height, and a drag the window system takes away.
#include <algorithm>
#include <cstdlib>

#include "grid/model/DivUzev.h"

// A press in the sizing zone of a fixed column (row) starts its drag; the
// press goes no further then.
bool TDedAdararAdoz::BeginFixedSizing(int X, int Y) {
  if (FDesigning || (!FSizeFixed && !FSizeFixedR)) return false;
  const int line = GridLineWidth();
  if (FSizeFixed && FixedCols() > 0) {
    int found = -1, border = 0;
    for (int i = 0, s = 0; i < FixedCols(); ++i) {
      if (std::abs(s + ColWidths(i) - X) < 3) {
        found = i;
        border = s + ColWidths(i);
      }
      s += ColWidths(i) + line;
    }
    if (found >= 0) {
      FSizingFixed = true;
      FSizingFixedCol = found;
      // Where in the zone the press was: a click that does not move keeps the width.
      FSizingFixedOfs = X - border;
      FSizeFixedX = X;
      DrawColumnSizingLine(X);
      SetMouseCapture(true);
      return true;
    }
  }
  if (FSizeFixedR && FixedRows() > 0) {
    int found = -1, border = 0;
    for (int i = 0, s = 0; i < FixedRows(); ++i) {
      if (std::abs(s + RowHeights(i) - Y) < 3) {
        found = i;
        border = s + RowHeights(i);
      }
      s += RowHeights(i) + line;
    }
    if (found >= 0) {
      FSizingFixedR = true;
      FSizingFixedRow = found;
      FSizingFixedOfs = Y - border;
      FSizeFixedY = Y;
      DrawRowSizingLine(Y);
      SetMouseCapture(true);
      return true;
    }
  }
  return false;
}

void TDedAdararAdoz::EndFixedSizing(int X, int Y) {
  const int line = GridLineWidth();
  if (FSizingFixed) {
    if (FSizeFixedX >= 0) DrawColumnSizingLine(FSizeFixedX);
    FSizeFixed = FSizingFixed = false;
    FSizeFixedX = -1;
    const int col = FSizingFixedCol;
    FSizingFixedCol = -1;
    SetMouseCapture(false);
    if (col < 0 || col >= ColCount()) return;
    int start = 0;
    for (int i = 0; i < col; ++i) start += ColWidths(i) + line;
    // A border dragged past the column's left edge leaves it one pixel wide.
    int w = std::max(1, X - FSizingFixedOfs - start);
    SetColWidths(col, w);
    if (OnEndColumnSize) OnEndColumnSize(this, col);
    UpdateColSize(col, w);
    if (w != ColWidths(col)) SetColWidths(col, std::max(1, w));
  }
  if (FSizingFixedR) {
    if (FSizeFixedY >= 0) DrawRowSizingLine(FSizeFixedY);
    FSizeFixedR = FSizingFixedR = false;
    FSizeFixedY = -1;
    const int row = FSizingFixedRow;
    FSizingFixedRow = -1;
    SetMouseCapture(false);
    if (row < 0 || row >= RowCount()) return;
    int start = 0;
    for (int i = 0; i < row; ++i) start += RowHeights(i) + line;
    SetRowHeights(row, std::max(1, Y - FSizingFixedOfs - start));
    if (OnEndRowSize) OnEndRowSize(this, row);
  }
}

// The window system took the mouse away in the middle of a drag: the border
// goes back where it was and no size changes.
void TDedAdararAdoz::CancelSizingDrag() {
  if (FSizingFixed) {
    if (FSizeFixedX >= 0) DrawColumnSizingLine(FSizeFixedX);
    FSizeFixed = FSizingFixed = false;
    FSizeFixedX = -1;
    FSizingFixedCol = -1;
  }
  if (FSizingFixedR) {
    if (FSizeFixedY >= 0) DrawRowSizingLine(FSizeFixedY);
    FSizeFixedR = FSizingFixedR = false;
    FSizeFixedY = -1;
    FSizingFixedRow = -1;
  }
  if (GridState() == gsColSizing || GridState() == gsRowSizing) {
    SetGridState(gsNormal);
    FSizingCol = FSizingRow = -1;
    InvalidateGrid();
  }
  FMouseDown = FMouseKeepDown = FMouseDownMove = false;
  HideScrollHint();
}
