// After a column or row moved (by a drag in the headers or by code), the
// grid's own per-column and per-row state moves with it: the column order,
// hidden columns' flags and kept widths, the cells of hidden rows, the sort
// column and sort indexes, the current column, the floating footer and a
// synchronised grid.
#include <algorithm>

#include "grid/model/DivUzev.h"

namespace {

// Where an index ends up when the entry at From is taken out and put at To.
int MovedIndex(int I, int From, int To) {
  if (I == From) return To;
  if (From < To && I > From && I <= To) return I - 1;
  if (To < From && I >= To && I < From) return I + 1;
  return I;
}

// The sort column follows its column: moved with it, shifted by a move
// across it.
int SortColumnAfterMove(int Column, int RF, int RT) {
  if (Column == RF) return RT;
  if (RF < Column && Column < RT) return Column - 1;
  if (RT <= Column && Column < RF) return Column + 1;
  return Column;
}

template <typename T>
void ShiftEntry(std::vector<T>& V, int From, int To) {
  const int n = static_cast<int>(V.size());
  if (From < 0 || To < 0 || From >= n || To >= n || From == To) return;
  T v = V[static_cast<size_t>(From)];
  V.erase(V.begin() + From);
  V.insert(V.begin() + To, v);
}

}  // namespace

void TDedAdararAdoz::ColumnMovedHandling(int FromIndex, int ToIndex) {
  if (FromIndex == ToIndex) return;
  const bool saved = FInColumnMove;
  FInColumnMove = true;
  try {
    TCustomGrid::MoveColumn(FromIndex, ToIndex);
  } catch (...) {
    FInColumnMove = saved;
    throw;
  }
  FInColumnMove = saved;
}

void TDedAdararAdoz::ColumnMoved(int FromIndex, int ToIndex) {
  const int rf = RealColIndex(FromIndex);
  const int rt = RealColIndex(ToIndex);
  // The order list entry i is the first index of the column now at i.
  if (rf < FColumnOrder->Count() && rt < FColumnOrder->Count()) {
    const int v = FColumnOrder->Items(rf);
    FColumnOrder->Delete(rf);
    FColumnOrder->Insert(rt, v);
  }
  if (FEnhRowColMove) ColMoveFlg = true;
  if (!FHiddenCols.empty()) {
    // Hidden columns keep their places relative to the moved one, and
    // their kept widths go with them.
    for (int& h : FHiddenCols) h = MovedIndex(h, rf, rt);
    std::sort(FHiddenCols.begin(), FHiddenCols.end());
    ShiftEntry(FAllColWidths, rf, rt);
    // The cells move by real column.
    TBaseGrid::ColumnMoved(rf, rt);
  } else {
    TBaseGrid::ColumnMoved(FromIndex, ToIndex);
  }
  // Hidden rows keep their cells by real column.
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TStringList* items = FGridItems->Items(i)->Items();
    if (items != nullptr && std::max(rf, rt) < items->Count()) items->Move(rf, rt);
  }
  FSortSettings->SetColumn(SortColumnAfterMove(FSortSettings->Column(), rf, rt));
  if (FSortSettings->IndexShow()) {
    for (int i = 0; i < FSortIndexes->Count(); ++i) {
      const int e = FSortIndexes->Items(i);
      const int col = SortColumnAfterMove(e & 0xFFFF, rf, rt);
      FSortIndexes->SetItems(i, (e & ~0xFFFF) | (col & 0xFFFF));
    }
  }
  if (FFloatingFooter->Visible()) RepaintRow(RowCount() - 1);
  auto* other = dynamic_cast<TDedAdararAdoz*>(FSyncGrid->Grid());
  if (other != nullptr && other != this && FSyncGrid->MoveColumn() && !FSyncedMove &&
      std::max(FromIndex, ToIndex) < other->ColCount()) {
    other->FSyncedMove = true;
    struct TEnd {
      bool& F;
      ~TEnd() { F = false; }
    } end{other->FSyncedMove};
    other->MoveColumn(FromIndex, ToIndex);
  }
}

void TDedAdararAdoz::RowMovedHandling(int FromIndex, int ToIndex) {
  // Nothing moves onto the floating footer row.
  if (FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow &&
      ToIndex == RowCount() - 1)
    return;
  TCustomGrid::MoveRow(FromIndex, ToIndex);
}

void TDedAdararAdoz::RowMoved(int FromIndex, int ToIndex) {
  if (FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow &&
      ToIndex == RowCount() - 1) {
    // A drag onto the footer row: the cells stay, and the heights the
    // framework moved go back.
    const int v = RowHeights(ToIndex);
    if (FromIndex < ToIndex) {
      for (int r = ToIndex; r > FromIndex; --r) SetRowHeights(r, RowHeights(r - 1));
    } else {
      for (int r = ToIndex; r < FromIndex; ++r) SetRowHeights(r, RowHeights(r + 1));
    }
    SetRowHeights(FromIndex, v);
    return;
  }
  TMovedEvent moved = OnRowMoved;
  OnRowMoved = nullptr;
  try {
    TBaseGrid::RowMoved(FromIndex, ToIndex);
  } catch (...) {
    OnRowMoved = moved;
    throw;
  }
  OnRowMoved = moved;
  if (FEnhRowColMove) ColMoveFlg = true;
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
  auto* other = dynamic_cast<TDedAdararAdoz*>(FSyncGrid->Grid());
  if (other != nullptr && other != this && FSyncGrid->MoveRow() && !FSyncedMove &&
      std::max(FromIndex, ToIndex) < other->RowCount()) {
    other->FSyncedMove = true;
    struct TEnd {
      bool& F;
      ~TEnd() { F = false; }
    } end{other->FSyncedMove};
    other->MoveRow(FromIndex, ToIndex);
  }
}
