// Hidden columns and rows: the real and display numberings, taking rows out
// into the hidden-row store and bringing them back, and cells addressed by
// real column and real row.
#include <algorithm>
#include <vector>

#include "framework/classes/StringList.h"
#include "grid/base/DudHTMLE.h"
#include "grid/model/DivUzev.h"

// ---------------------------------------------------------------------------
// Column maps

bool TDedAdararAdoz::IsHiddenColumn(int ColIndex) const {
  return std::binary_search(FHiddenCols.begin(), FHiddenCols.end(), ColIndex);
}

int TDedAdararAdoz::DisplColIndexOf(int ACol) const {
  if (ACol < 0 || FHiddenCols.empty()) return ACol;
  const auto hiddenBefore =
      std::lower_bound(FHiddenCols.begin(), FHiddenCols.end(), ACol) - FHiddenCols.begin();
  return ACol - static_cast<int>(hiddenBefore);
}

int TDedAdararAdoz::DisplColIndex(int ACol) { return DisplColIndexOf(ACol); }

int TDedAdararAdoz::RealColIndex(int ACol) const {
  if (ACol < 0 || FHiddenCols.empty()) return ACol;
  // The (ACol + 1)-th column that is not hidden; past the last real column
  // every column counts as shown, so the map never folds back.
  int r = ACol;
  for (int h : FHiddenCols) {
    if (h > r) break;
    ++r;
  }
  return r;
}

// ---------------------------------------------------------------------------
// Hiding and showing columns

void TDedAdararAdoz::HideColumns(int FromCol, int ToCol) {
  HideInplaceEdit();
  for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
    if (IsHiddenColumn(c) || c >= TotalColCount() || ColCount() < 2) continue;
    const int d = DisplColIndexOf(c);
    if (static_cast<int>(FAllColWidths.size()) <= c)
      FAllColWidths.resize(static_cast<size_t>(c) + 1, DefaultColWidth());
    FAllColWidths[static_cast<size_t>(c)] = ColWidths(d);
    for (int i = d; i <= ColCount() - 2; ++i) SetColWidths(i, ColWidths(i + 1));
    FHiddenCols.insert(std::lower_bound(FHiddenCols.begin(), FHiddenCols.end(), c), c);
    if (Col() == ColCount() - 1 && Col() > 0) TCustomGrid::SetCol(Col() - 1);
    // The grid's own count setter, also under a column grid: its column
    // items stay one per real column.
    TDedAdararAdoz::SetColCount(ColCount() - 1);
  }
  InvalidateGrid();
}

void TDedAdararAdoz::UnHideColumns(int FromCol, int ToCol) {
  HideInplaceEdit();
  for (int c = std::max(FromCol, 0); c <= ToCol && !FHiddenCols.empty(); ++c) {
    auto it = std::lower_bound(FHiddenCols.begin(), FHiddenCols.end(), c);
    if (it == FHiddenCols.end() || *it != c) continue;
    FHiddenCols.erase(it);
    TDedAdararAdoz::SetColCount(ColCount() + 1);
    const int d = DisplColIndexOf(c);
    for (int i = ColCount() - 1; i > d; --i) SetColWidths(i, ColWidths(i - 1));
    SetColWidths(d, c < static_cast<int>(FAllColWidths.size()) ? FAllColWidths[static_cast<size_t>(c)]
                                                               : DefaultColWidth());
  }
  InvalidateGrid();
}

void TDedAdararAdoz::UnHideColumnsAll() {
  if (FHiddenCols.empty()) return;
  UnHideColumns(0, FHiddenCols.back());
}

int TDedAdararAdoz::AllColWidths(int ACol) const {
  if (IsHiddenColumn(ACol))
    return ACol < static_cast<int>(FAllColWidths.size()) ? FAllColWidths[static_cast<size_t>(ACol)]
                                                         : DefaultColWidth();
  return ColWidths(DisplColIndexOf(ACol));
}

void TDedAdararAdoz::SetAllColWidths(int ACol, int Value) {
  if (ACol < 0) return;
  if (static_cast<int>(FAllColWidths.size()) <= ACol)
    FAllColWidths.resize(static_cast<size_t>(ACol) + 1, DefaultColWidth());
  FAllColWidths[static_cast<size_t>(ACol)] = Value;
  if (!IsHiddenColumn(ACol)) {
    const int d = DisplColIndexOf(ACol);
    if (d < ColCount()) SetColWidths(d, Value);
  }
}

// ---------------------------------------------------------------------------
// Row maps

bool TDedAdararAdoz::IsHiddenRow(int RowIndex) const { return FGridItems->HasIdx(RowIndex); }

int TDedAdararAdoz::NumHiddenRows() const { return FGridItems->Count(); }

int TDedAdararAdoz::RealRowIndex(int ARow) const {
  if (ARow < 0 || FGridItems->Count() == 0) return ARow;
  // The smallest real row with ARow + 1 shown rows up to it; the shown rows
  // up to r are r + 1 less the hidden ones, which never decreases in r.
  int lo = ARow, hi = ARow + FGridItems->DistinctCount();
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (mid + 1 - FGridItems->DistinctAtOrBelow(mid) >= ARow + 1)
      hi = mid;
    else
      lo = mid + 1;
  }
  return lo;
}

int TDedAdararAdoz::DisplRowIndex(int ARow) const {
  if (FGridItems->Count() == 0) return ARow;
  return ARow - FGridItems->CountBelow(ARow);
}

TStringList* TDedAdararAdoz::HiddenRowCells(int ARow) const {
  TGridItem* item = FGridItems->FindIdx(ARow);
  return item != nullptr ? item->Items() : nullptr;
}

// ---------------------------------------------------------------------------
// Moving whole rows. Rows carry the cells of every real column, hidden ones
// included, with their object slots; slots move, they are never copied.

void TDedAdararAdoz::SaveRowInto(TGridItem* Item, int DisplayRow) {
  TStringList* cells = Item->Items();
  cells->Clear();
  const int cols = TotalColCount();
  for (int c = 0; c < cols; ++c) cells->AddObject(GetGridCell(c, DisplayRow), GetGridObject(c, DisplayRow));
  Item->SetHeight(RowHeights(DisplayRow));
  EmptyRowSlots(DisplayRow);
}

void TDedAdararAdoz::RestoreRowFrom(TGridItem* Item, int DisplayRow) {
  TStringList* cells = Item->Items();
  const int cols = std::max(TotalColCount(), cells->Count());
  for (int c = 0; c < cols; ++c) {
    if (c < cells->Count()) {
      SetGridCell(c, DisplayRow, cells->Strings(c));
      auto* props = static_cast<TCellProperties*>(cells->Objects(c));
      if (props != nullptr) {
        props->SetOwnerCol(c);
        props->SetOwnerRow(DisplayRow);
      }
      SetGridObject(c, DisplayRow, props);
      // The grid holds the properties again, not the entry.
      cells->SetObjects(c, nullptr);
    } else {
      SetGridCell(c, DisplayRow, "");
      SetGridObject(c, DisplayRow, nullptr);
    }
  }
  SetRowHeights(DisplayRow, Item->Height());
}

void TDedAdararAdoz::CopyRow(int FromRow, int ToRow) {
  const int cols = TotalColCount();
  for (int c = 0; c < cols; ++c) {
    SetGridCell(c, ToRow, GetGridCell(c, FromRow));
    TCellProperties* props = GetGridObject(c, FromRow);
    if (props != nullptr) props->SetOwnerRow(ToRow);
    SetGridObject(c, ToRow, props);
  }
  SetRowHeights(ToRow, RowHeights(FromRow));
}

void TDedAdararAdoz::EmptyRowSlots(int ARow) {
  const int cols = TotalColCount();
  for (int c = 0; c < cols; ++c) {
    SetGridObject(c, ARow, nullptr);
    if (!GetGridCell(c, ARow).empty()) SetGridCell(c, ARow, "");
  }
}

// ---------------------------------------------------------------------------
// Hiding rows

namespace {
// Restores the modified-row tracking when it goes out of scope.
class TTrackingOff {
 public:
  explicit TTrackingOff(TShowModified* S) : s_(S), was_(S->Enabled()) { s_->SetEnabled(false); }
  ~TTrackingOff() { s_->SetEnabled(was_); }
  TTrackingOff(const TTrackingOff&) = delete;
  TTrackingOff& operator=(const TTrackingOff&) = delete;

 private:
  TShowModified* s_;
  bool was_;
};
}  // namespace

void TDedAdararAdoz::HideRows(int FromRow, int ToRow) { TakeRowsOut(FromRow, ToRow, false); }

void TDedAdararAdoz::HideRowsEx(int FromRow, int ToRow) {
  if (IsHiddenRow(FromRow)) return;
  TakeRowsOut(FromRow, ToRow, true);
}

void TDedAdararAdoz::TakeRowsOut(int FromRow, int ToRow, bool Append) {
  FromRow = std::max(FromRow, 0);
  ToRow = std::min(ToRow, TotalRowCount() - 1);
  if (FromRow > ToRow) return;
  int hidden = 0;
  for (int r = FromRow; r <= ToRow; ++r)
    if (IsHiddenRow(r)) ++hidden;
  const int taken = ToRow - FromRow + 1 - hidden;
  // A grid keeps at least one row of its own.
  if (taken == 0 || taken >= RowCount()) return;

  const int d = DisplRowIndex(FromRow);
  int k = 0;
  for (int r = FromRow; r <= ToRow; ++r) {
    if (IsHiddenRow(r)) continue;
    TGridItem* item = Append ? FGridItems->Add() : FGridItems->Insert(FGridItems->InsertPosition(r));
    SaveRowInto(item, d + k);
    item->SetIdx(r);
    item->SetLevel(0);
    ++k;
  }
  DeleteRowsInternal(d, taken, false);
}

void TDedAdararAdoz::HideRowList(TIntList* RowList) {
  if (RowList == nullptr || RowList->Count() == 0) return;
  // Filter levels are numbered from 1, so rows hidden by range (level 0)
  // never count as the first filter's.
  const int level = FFilterLevel + 1;
  std::vector<uint8_t> listed(static_cast<size_t>(RowCount()), 0);
  for (int i = 0; i < RowList->Count(); ++i) {
    const int r = RowList->Items(i);
    if (r < 0 || r >= RowCount() || listed[static_cast<size_t>(r)]) continue;
    listed[static_cast<size_t>(r)] = 1;
    TGridItem* item = FGridItems->Add();
    SaveRowInto(item, r);
    item->SetIdx(r);
    item->SetLevel(level);
  }
  ++FFilterLevel;
  // Compact the rows that stay towards the top.
  int w = 0;
  const int count = RowCount();
  for (int r = 0; r < count; ++r) {
    if (listed[static_cast<size_t>(r)]) continue;
    if (w != r) CopyRow(r, w);
    ++w;
  }
  for (int r = w; r < count; ++r) EmptyRowSlots(r);
  {
    TCountChange change(FCountChange);
    TCustomGrid::SetRowCount(std::max(w, 1));
  }
  CellControlsUpdate(false);
}

// ---------------------------------------------------------------------------
// Showing rows

void TDedAdararAdoz::UnHideRows(int FromRow, int ToRow) {
  TTrackingOff off(FShowModified.get());
  if (!IsHiddenRow(FromRow)) return;
  std::vector<TGridItem*> entries;
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TGridItem* item = FGridItems->Items(i);
    if (item->Idx() >= FromRow && item->Idx() <= ToRow) entries.push_back(item);
  }
  std::stable_sort(entries.begin(), entries.end(),
                   [](const TGridItem* a, const TGridItem* b) { return a->Idx() < b->Idx(); });
  // Runs of consecutive rows go back in one insertion each, at the place
  // the rows shown before them leave for them.
  size_t i = 0;
  while (i < entries.size()) {
    size_t j = i + 1;
    while (j < entries.size() && entries[j]->Idx() == entries[j - 1]->Idx() + 1) ++j;
    const int first = entries[i]->Idx();
    const int target = first - FGridItems->CountBelow(first);
    const int n = static_cast<int>(j - i);
    InsertRowsInternal(target, n, false, false);
    for (size_t e = i; e < j; ++e) {
      RestoreRowFrom(entries[e], target + static_cast<int>(e - i));
      delete entries[e];
    }
    i = j;
  }
  CellControlsUpdate(false);
}

void TDedAdararAdoz::UnHideRow(int RowIndex) {
  UnHideRows(RowIndex, RowIndex);
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->Y() == RowIndex && item->Control() != nullptr) item->Control()->SetVisible(true);
  }
}

void TDedAdararAdoz::UnHideRowsAll() {
  while (FGridItems->Count() > 0) {
    const int before = FGridItems->Count();
    const int first = FGridItems->Items(0)->Idx();
    int last = first;
    for (int i = 1; i < FGridItems->Count() && FGridItems->Items(i)->Idx() == last + 1; ++i) ++last;
    UnHideRows(first, last);
    if (FGridItems->Count() == before) break;  // nothing came back: never loop
  }
}

void TDedAdararAdoz::UnHideRowList() {
  if (FFilterLevel <= 0) return;
  const int level = FFilterLevel;
  std::vector<TGridItem*> entries;
  for (int i = 0; i < FGridItems->Count(); ++i)
    if (FGridItems->Items(i)->Level() == level) entries.push_back(FGridItems->Items(i));
  std::stable_sort(entries.begin(), entries.end(),
                   [](const TGridItem* a, const TGridItem* b) { return a->Idx() < b->Idx(); });
  const int n = static_cast<int>(entries.size());
  if (Row() >= RowCount()) TCustomGrid::FocusCell(TCustomGrid::FixedCols(), TCustomGrid::FixedRows(), true);
  // The floating footer keeps the last row.
  const int k = FFloatingFooter->Visible() ? 2 : 1;
  int src = RowCount() - k;
  {
    TCountChange change(FCountChange);
    TCustomGrid::SetRowCount(RowCount() + n);
  }
  int dst = RowCount() - k;
  if (k == 2) CopyRow(src + 1, dst + 1);
  int e = n - 1;
  for (; dst >= 0; --dst) {
    if (e >= 0 && entries[static_cast<size_t>(e)]->Idx() == dst) {
      RestoreRowFrom(entries[static_cast<size_t>(e)], dst);
      --e;
    } else if (src >= 0 && src < dst) {
      CopyRow(src, dst);
      --src;
    } else {
      --src;
    }
  }
  for (TGridItem* item : entries) delete item;
  CellControlsUpdate(false);
}

// ---------------------------------------------------------------------------
// Cells by real column and real row

std::string TDedAdararAdoz::GetCellsEx(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return std::string();
  if (TGridItem* item = FGridItems->Count() > 0 ? FGridItems->FindIdx(ARow) : nullptr) {
    TStringList* cells = item->Items();
    std::string s = ACol < cells->Count() ? cells->Strings(ACol) : std::string();
    GetDisplText(ACol, ARow, s);
    return s;
  }
  return GetCellEx(ACol, DisplRowIndex(ARow));
}

void TDedAdararAdoz::SetCellsEx(int ACol, int ARow, const std::string& Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = FGridItems->Count() > 0 ? FGridItems->FindIdx(ARow) : nullptr) {
    TStringList* cells = item->Items();
    while (cells->Count() <= ACol) cells->Add("");
    cells->SetStrings(ACol, Value);
    return;
  }
  SetCellEx(ACol, DisplRowIndex(ARow), Value);
}

std::string TDedAdararAdoz::GetGridCellsEx(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return std::string();
  if (TGridItem* item = FGridItems->Count() > 0 ? FGridItems->FindIdx(ARow) : nullptr) {
    TStringList* cells = item->Items();
    return ACol < cells->Count() ? cells->Strings(ACol) : std::string();
  }
  return GetGridCell(ACol, DisplRowIndex(ARow));
}

void TDedAdararAdoz::SetGridCellsEx(int ACol, int ARow, const std::string& Value) {
  if (ACol < 0 || ARow < 0) return;
  if (TGridItem* item = FGridItems->Count() > 0 ? FGridItems->FindIdx(ARow) : nullptr) {
    TStringList* cells = item->Items();
    if (ACol < cells->Count()) cells->SetStrings(ACol, Value);
    return;
  }
  SetGridCell(ACol, DisplRowIndex(ARow), Value);
}

std::string TDedAdararAdoz::GetStrippedCell(int ACol, int ARow) {
  std::string s = GetCellEx(ACol, ARow);
  if (s.find('<') == std::string::npos) return s;
  return MarkupToPlainText(s);
}
