// Column stretch, scaling all columns or rows with the one a user sized,
// the end-of-sizing events and the sizing-border test.
#include <cmath>
#include <cstdlib>

#include "framework/controls/Forms.h"
#include "grid/model/DivUzev.h"

namespace {

bool Terminating() { return Application != nullptr && Application->Terminated(); }

}  // namespace

void TColumnSize::SetStretch(const bool& Value) {
  FStretch = Value;
  if (FOwner != nullptr && FOwner->Parent() != nullptr) FOwner->StretchColumn(FStretchColumn);
}

void TDedAdararAdoz::StretchColumn(int Index) {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying) || Terminating())
    return;
  if (Index == -1) Index = ColCount() - 1;
  if (Index >= ColCount()) throw EDivUzevError("Stretch column index out of range");
  if (ColCount() == 0 || !FColumnSize->Stretch() || FStretching || Index < 0) return;
  FStretching = true;
  FAllowReStretch = false;
  const int client = ClientWidth();
  if (ColCount() == 1) {
    SetColWidths(Index, client);
  } else {
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
      if (c != Index) others += ColWidths(c);
    if (others < client)
      SetColWidths(Index, client - others - 1);
    else if (LeftCol() == FixedCols())
      SetColWidths(Index, DefaultColWidth());
  }
  FStretching = false;
  FAllowReStretch = true;
  if (FFloatingFooter->Visible() && FFooterPanel != nullptr) FFooterPanel->SetAlign(alBottom);
}

void TDedAdararAdoz::SizeChanged(int OldColCount, int OldRowCount) {
  const bool active = Parent() != nullptr && !ComponentState().Contains(csLoading) &&
                      !ComponentState().Contains(csReading) && !Terminating();
  if (active && FColumnSize->Stretch()) StretchColumn(FColumnSize->StretchColumn());
  TBaseGrid::SizeChanged(OldColCount, OldRowCount);
  if (!active) return;
  UpdateFlatScrollBars();
  UpdateScrollBarAlways(false);
}

void TDedAdararAdoz::UpdateColSize(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TDedAdararAdoz::UpdateAutoColSize(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TDedAdararAdoz::ColWidthsChanged() {
  // A grid not placed has no client width to fill.
  if (FAllowReStretch && Parent() != nullptr) StretchColumn(FColumnSize->StretchColumn());
  if (FDesigning) HideScrollHint();
  TBaseGrid::ColWidthsChanged();
  if (FColSizedByUser && FSizingCol >= 0) {
    const int col = FSizingCol;
    FColSizedByUser = false;
    // The release that ended the drag sorts nothing.
    ColSizeFlg = true;
    if (FMouseActions->AllColumnSize() && FSizingColWidth > 0) {
      const double r = static_cast<double>(ColWidths(col)) / FSizingColWidth;
      for (int c = FixedCols(); c < ColCount(); ++c)
        if (c != col) SetColWidths(c, static_cast<int>(std::nearbyint(ColWidths(c) * r)));
    }
    if (OnEndColumnSize) OnEndColumnSize(this, col);
    int w = ColWidths(col);
    UpdateColSize(col, w);
    if (w != ColWidths(col)) SetColWidths(col, w);
    FSizingCol = -1;
    FSizingRow = -1;
  }
  FColSizedByUser = false;
  PlaceEditControl();
  if (FFooterPanel != nullptr && FFloatingFooter->Visible()) FFooterPanel->Invalidate();
  CellControlsUpdate(false);
  if (FColumnSize->Stretch() && FScrollProportional) UpdateVScrollProportional();
}

void TDedAdararAdoz::RowHeightsChanged() {
  if (FDesigning) HideScrollHint();
  TBaseGrid::RowHeightsChanged();
  if (FRowSizedByUser && FSizingRow >= 0) {
    const int row = FSizingRow;
    FRowSizedByUser = false;
    if (FMouseActions->AllRowSize() && FSizingRowHeight > 0) {
      const double r = static_cast<double>(RowHeights(row)) / FSizingRowHeight;
      for (int i = FixedRows(); i < RowCount(); ++i)
        if (i != row) SetRowHeights(i, static_cast<int>(std::nearbyint(RowHeights(i) * r)));
    }
    if (OnEndRowSize) OnEndRowSize(this, row);
    FSizingCol = -1;
    FSizingRow = -1;
  }
  FRowSizedByUser = false;
  PlaceEditControl();
  CellControlsUpdate(false);
}

// The framework runs the sizing drag; the grid notes which column or row it
// sizes and its size when the drag began.
void TDedAdararAdoz::SizingMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FLastSizingIndex = -1;
  TBaseGrid::MouseDown(Button, Shift, X, Y);
  if (GridState() == gsColSizing && FLastSizingIndex >= 0) {
    FSizingCol = FLastSizingIndex;
    FSizingColWidth = ColWidths(FSizingCol);
  } else if (GridState() == gsRowSizing && FLastSizingIndex >= 0) {
    FSizingRow = FLastSizingIndex;
    FSizingRowHeight = RowHeights(FSizingRow);
  }
}

void TDedAdararAdoz::SizingMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FColSizedByUser = GridState() == gsColSizing && FSizingCol >= 0;
  FRowSizedByUser = GridState() == gsRowSizing && FSizingRow >= 0;
  TBaseGrid::MouseUp(Button, Shift, X, Y);
  // A drag that left the size as it was changes nothing.
  FColSizedByUser = false;
  FRowSizedByUser = false;
}

bool TDedAdararAdoz::IsOnSizingBorder(int X, int Y) {
  int c = -1, r = -1;
  MouseToCell(X, Y, c, r);
  if (c < 0 || r < 0) return false;
  const TRect R = CellRect(c, r);
  bool result = false;
  if (r <= FixedRows() && Options().Contains(goColSizing))
    result = std::abs(X - R.Left) < 4 || std::abs(X - R.Right) < 4;
  if (c <= FixedCols() && Options().Contains(goRowSizing) &&
      (std::abs(Y - R.Top) <= 3 || std::abs(Y - R.Bottom) <= 3))
    return true;
  return result;
}
