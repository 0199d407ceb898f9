// Column order: for every column position, the column that was there
// before the user moved columns; look-ups both ways, the way back to the
// first order, and a column found by its header text. And the one setting
// of the drag-and-drop options that acts at once.
#include <algorithm>

#include "grid/base/griddd.h"
#include "grid/model/DivUzev.h"

void TDragDropSettings::SetOleDropRTF(bool Value) {
  SetAcceptRTFDrops(Value);
  FOleDropRTF = Value;
}

void TDedAdararAdoz::SetColumnOrder() {
  FColumnOrder->Clear();
  for (int c = 0; c < ColCount(); ++c) FColumnOrder->Add(c);
}

void TDedAdararAdoz::ResetColumnOrder() {
  UnHideColumnsAll();
  if (FColumnOrder->Count() == 0) {
    SetColumnOrder();
    return;
  }
  // Each move puts one column where it first was; a column never moves
  // back, so the passes end.
  const int n = std::min(ColCount(), FColumnOrder->Count());
  for (int pass = 0; pass <= n; ++pass) {
    bool moved = false;
    for (int i = 0; i < std::min(ColCount(), FColumnOrder->Count()); ++i) {
      const int first = FColumnOrder->Items(i);
      if (first < i && first >= 0) {
        MoveColumn(i, first);
        moved = true;
      }
    }
    if (!moved) break;
  }
}

int TDedAdararAdoz::ColumnPosition(int ACol) {
  int position = ACol;
  if (FColumnOrder->Count() > 0) {
    const int at = FColumnOrder->IndexOf(ACol);
    if (at >= 0) position = at;
  }
  if (FGroupColumn != -1 && FGroupColumn <= ACol) --position;
  return position;
}

int TDedAdararAdoz::ColumnAtPosition(int ACol) {
  if (FColumnOrder->Count() == 0) SetColumnOrder();
  if (ACol < 0 || ACol >= FColumnOrder->Count()) return ACol;
  int first = FColumnOrder->Items(ACol);
  if (FGroupColumn != -1 && FGroupColumn <= first) ++first;
  return first;
}

int TDedAdararAdoz::ColumnByHeader(const std::string& AValue) {
  for (int c = 0; c < TotalColCount(); ++c)
    if (GetCellsEx(c, 0) == AValue) return c;
  return -1;
}
