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
  CellControlsUpdate(false);
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
  CellControlsUpdate(false);
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
  // Which rows of the range are out already, read once: the store's index
  // cache is rebuilt after every new entry.
  std::vector<uint8_t> out(static_cast<size_t>(ToRow - FromRow + 1), 0);
  int hidden = 0;
  for (int i = 0; i < FGridItems->Count(); ++i) {
    const int idx = FGridItems->Items(i)->Idx();
    if (idx < FromRow || idx > ToRow || out[static_cast<size_t>(idx - FromRow)]) continue;
    out[static_cast<size_t>(idx - FromRow)] = 1;
    ++hidden;
  }
  const int taken = ToRow - FromRow + 1 - hidden;
  // A grid keeps at least one row of its own.
  if (taken == 0 || taken >= RowCount()) return;

  const int d = DisplRowIndex(FromRow);
  int pos = Append ? FGridItems->Count() : FGridItems->InsertPosition(FromRow);
  int k = 0;
  for (int r = FromRow; r <= ToRow; ++r) {
    if (out[static_cast<size_t>(r - FromRow)]) continue;
    // Appending is cheap; an insertion moves the entries after it.
    TGridItem* item = Append || pos >= FGridItems->Count() ? FGridItems->Add() : FGridItems->Insert(pos);
    ++pos;
    SaveRowInto(item, d + k);
    item->SetIdx(r);
    item->SetLevel(0);
    ++k;
  }
  DeleteRowsInternal(d, taken, false);
}

void TDedAdararAdoz::CompactRowMarks(const std::vector<uint8_t>& Gone) {
  auto compactList = [&](TIntList* List) {
    if (List->Count() == 0) return;
    std::vector<int> keep;
    keep.reserve(static_cast<size_t>(List->Count()));
    for (int i = 0; i < List->Count(); ++i)
      if (i >= static_cast<int>(Gone.size()) || !Gone[static_cast<size_t>(i)]) keep.push_back(List->Items(i));
    List->Clear();
    for (int v : keep) List->Add(v);
  };
  compactList(FModifiedRows.get());
  compactList(FDisabledRows.get());
  // Row flags kept by real row stay where they are.
  if (FMouseActions->RowSelectPersistent() || FRowSelect.empty()) return;
  std::vector<uint8_t> keep;
  keep.reserve(FRowSelect.size());
  for (size_t i = 0; i < FRowSelect.size(); ++i)
    if (i >= Gone.size() || !Gone[i]) keep.push_back(FRowSelect[i]);
  FRowSelect.swap(keep);
  RebuildSelectedRowList();
}

void TDedAdararAdoz::HideRowList(TIntList* RowList) {
  if (RowList == nullptr || RowList->Count() == 0) return;
  // Filter levels are numbered from 1, so rows hidden by range (level 0)
  // never count as the first filter's. Entries keep real rows like every
  // other entry, so levels, ranges and nodes share one numbering.
  ++FFilterLevel;
  HideRowListAtLevel(RowList, FFilterLevel);
}

void TDedAdararAdoz::HideRowListAtLevel(TIntList* RowList, int level) {
  const int count = RowCount();
  std::vector<uint8_t> listed(static_cast<size_t>(count), 0);
  int n = 0;
  for (int i = 0; i < RowList->Count(); ++i) {
    const int r = RowList->Items(i);
    if (r < 0 || r >= count || listed[static_cast<size_t>(r)]) continue;
    listed[static_cast<size_t>(r)] = 1;
    ++n;
  }
  if (n == 0) return;
  HideMarkedRows(std::move(listed), level);
}

void TDedAdararAdoz::HideMarkedRows(std::vector<uint8_t> Marked, int level) {
  const int count = static_cast<int>(Marked.size());
  int n = 0;
  for (uint8_t m : Marked) n += m != 0 ? 1 : 0;
  if (n == 0) return;
  // The level goes into the store as one block: its rows' texts stay
  // parked in the grid's storage, with no entry or string list per row.
  auto block = std::make_unique<TGridItemCollection::TRowBlock>();
  const int cols = TotalColCount();
  block->Level = level;
  block->Cols = cols;
  block->Rows = n;
  block->Height = DefaultRowHeight();
  const bool anyHidden = FGridItems->Count() > 0;
  const bool props = HasCellProps();
  // Real rows other than the display rows, heights of their own and cell
  // properties need a look at each row; without them the marks say it all.
  if (anyHidden || props || RowHeightsSet()) {
    if (anyHidden) block->Idx.reserve(static_cast<size_t>(n));
    size_t k = 0;
    for (int r = 0; r < count; ++r) {
      if (Marked[static_cast<size_t>(r)] == 0) continue;
      // Rows are visited in ascending order, so their real rows are too.
      if (anyHidden) block->Idx.push_back(RealRowIndex(r));
      const int h = RowHeights(r);
      if (k == 0) {
        block->Height = h;
      } else if (block->Heights.empty() && h != block->Height) {
        block->Heights.reserve(static_cast<size_t>(n));
        block->Heights.assign(k, block->Height);
      }
      if (!block->Heights.empty()) block->Heights.push_back(h);
      if (props && RowHasObjects(r)) {
        if (block->Objects.empty())
          block->Objects.resize(static_cast<size_t>(n) * static_cast<size_t>(cols), nullptr);
        for (int c = 0; c < cols; ++c) {
          block->Objects[k * static_cast<size_t>(cols) + static_cast<size_t>(c)] = GetGridObject(c, r);
          SetGridObject(c, r, nullptr);
        }
      }
      ++k;
    }
  }
  // The rows that stay close up towards the top, their objects with them;
  // heights and the marks kept by display row follow.
  block->Span = std::max(StoredRowCount(), count);
  block->Shown = count - n >= 1 ? count - n : -1;
  ParkRows(Marked);
  const int w = count - n;
  if (props || RowHeightsSet()) {
    int to = 0;
    for (int r = 0; r < count; ++r) {
      if (Marked[static_cast<size_t>(r)] != 0) continue;
      if (to != r) {
        if (props && RowHasObjects(to)) RefreshRowOwners(to);
        SetRowHeights(to, RowHeights(r));
      }
      ++to;
    }
  }
  CompactRowMarks(Marked);
  block->Marked = std::move(Marked);
  FGridItems->AddBlock(std::move(block));
  {
    TCountChange change(FCountChange);
    TCustomGrid::SetRowCount(std::max(w, 1));
  }
  RowCountChanged();
  CellControlsUpdate(false);
}

void TDedAdararAdoz::RefreshRowOwners(int ARow) {
  const int cols = TotalColCount();
  for (int c = 0; c < cols; ++c)
    if (TCellProperties* p = GetGridObject(c, ARow)) {
      p->SetOwnerCol(c);
      p->SetOwnerRow(ARow);
    }
}

// ---------------------------------------------------------------------------
// Showing rows

void TDedAdararAdoz::BringBackRows(std::vector<TGridItem*>& Entries) {
  std::stable_sort(Entries.begin(), Entries.end(),
                   [](const TGridItem* a, const TGridItem* b) { return a->Idx() < b->Idx(); });
  size_t runs = 0;
  for (size_t k = 0; k < Entries.size(); ++k)
    if (k == 0 || Entries[k]->Idx() != Entries[k - 1]->Idx() + 1) ++runs;
  // Many scattered rows (a filter level) go back in one pass over the grid.
  if (runs > 8) {
    MergeRowsBack(Entries);
  } else {
    BringBackRuns(Entries);
  }
  std::vector<TGridItem*> gone(Entries);
  std::sort(gone.begin(), gone.end());
  FGridItems->DeleteWhere([&](TCollectionItem* I) {
    return std::binary_search(gone.begin(), gone.end(), static_cast<TGridItem*>(I));
  });
  CellControlsUpdate(false);
}

void TDedAdararAdoz::MergeRowsBack(const std::vector<TGridItem*>& Entries) {
  // Where each entry lands: its real row less the hidden rows that stay
  // above it (entries before it in the list come back too).
  const size_t n = Entries.size();
  std::vector<int> target(n);
  for (size_t i = 0; i < n; ++i)
    target[i] = Entries[i]->Idx() - (FGridItems->CountBelow(Entries[i]->Idx()) - static_cast<int>(i));
  const int old = RowCount();
  const int total = old + static_cast<int>(n);
  {
    TCountChange change(FCountChange);
    TBaseGrid::InsertRowRange(old, static_cast<int>(n));
  }
  FMaxRowCount = std::max(FMaxRowCount, RowCount());
  // From the bottom up, every shown row moves down past the entries that
  // land above it.
  int e = static_cast<int>(n) - 1;
  int src = old - 1;
  for (int dst = total - 1; dst >= 0; --dst) {
    if (e >= 0 && target[static_cast<size_t>(e)] == dst) {
      RestoreRowFrom(Entries[static_cast<size_t>(e)], dst);
      --e;
    } else {
      if (src != dst && src >= 0) CopyRow(src, dst);
      --src;
    }
  }
  OpenRowMarks(target);
  RowCountChanged();
  CellsChanged(TRect(0, 0, ColCount() - 1, RowCount()));
}

void TDedAdararAdoz::OpenRowMarks(const std::vector<int>& target) {
  const size_t n = target.size();
  const int total = RowCount();
  // The marks kept by display row open up where the rows come back.
  auto openList = [&](TIntList* List) {
    if (List->Count() == 0) return;
    std::vector<int> all;
    all.reserve(static_cast<size_t>(List->Count()) + n);
    size_t k = 0;
    int from = 0;
    for (int d = 0; d < total && (from < List->Count() || k < n); ++d) {
      if (k < n && target[k] == d) {
        all.push_back(0);
        ++k;
      } else if (from < List->Count()) {
        all.push_back(List->Items(from++));
      }
    }
    List->Clear();
    for (int v : all) List->Add(v);
  };
  openList(FModifiedRows.get());
  openList(FDisabledRows.get());
  if (!FMouseActions->RowSelectPersistent() && !FRowSelect.empty()) {
    std::vector<uint8_t> all;
    size_t k = 0, from = 0;
    for (int d = 0; d < total && (from < FRowSelect.size() || k < n); ++d) {
      if (k < n && target[k] == d) {
        all.push_back(0);
        ++k;
      } else if (from < FRowSelect.size()) {
        all.push_back(FRowSelect[from++]);
      }
    }
    FRowSelect.swap(all);
    RebuildSelectedRowList();
  }
}

bool TDedAdararAdoz::MergeBlockBack() {
  TGridItemCollection::TRowBlock* b = FGridItems->LastBlock();
  if (b == nullptr || b->Shown < 1 || RowCount() != b->Shown) return false;
  const std::vector<uint8_t>& marked = b->Marked;
  const size_t n = static_cast<size_t>(b->Count());
  // Each row lands at its real row less the hidden rows that stay above
  // it; the parking is undone only where that is where it was.
  if (FGridItems->Count() != b->Count() || !b->Idx.empty()) {
    const std::vector<int>& idx = b->RealRows();
    size_t i = 0;
    for (size_t d = 0; d < marked.size(); ++d) {
      if (marked[d] == 0) continue;
      if (idx[i] - (FGridItems->CountBelow(idx[i]) - static_cast<int>(i)) != static_cast<int>(d))
        return false;
      ++i;
    }
  }
  if (!UnparkRows(marked)) return false;
  std::unique_ptr<TGridItemCollection::TRowBlock> block = FGridItems->TakeLastBlock();
  const int old = RowCount();
  const int total = old + static_cast<int>(n);
  {
    TCountChange change(FCountChange);
    TCustomGrid::SetRowCount(total);
  }
  FMaxRowCount = std::max(FMaxRowCount, RowCount());
  const bool props = HasCellProps();
  const size_t cols = static_cast<size_t>(block->Cols);
  // The texts are back in place; from the bottom up, heights and objects
  // follow (nothing to do while every row has the default height and no
  // cell has properties).
  const bool walk = props || !block->Objects.empty() || RowHeightsSet() ||
                    block->Height != DefaultRowHeight() || !block->Heights.empty();
  auto isMarked = [&](int d) {
    return static_cast<size_t>(d) < marked.size() && marked[static_cast<size_t>(d)] != 0;
  };
  int e = static_cast<int>(n) - 1;
  int src = old - 1;
  for (int dst = total - 1; dst >= 0 && walk; --dst) {
    if (e >= 0 && isMarked(dst)) {
      const size_t k = static_cast<size_t>(e);
      if (!block->Objects.empty()) {
        for (size_t c = 0; c < cols; ++c) {
          TObject*& o = block->Objects[k * cols + c];
          if (o == nullptr) continue;
          auto* p = static_cast<TCellProperties*>(o);
          p->SetOwnerCol(static_cast<int>(c));
          p->SetOwnerRow(dst);
          SetGridObject(static_cast<int>(c), dst, p);
          o = nullptr;
        }
      }
      SetRowHeights(dst, block->Heights.empty() ? block->Height : block->Heights[k]);
      --e;
    } else {
      if (src != dst) {
        if (props && RowHasObjects(dst)) RefreshRowOwners(dst);
        SetRowHeights(dst, RowHeights(src));
      }
      --src;
    }
  }
  // The marks kept by display row open up where the rows come back.
  if (FModifiedRows->Count() > 0 || FDisabledRows->Count() > 0 ||
      (!FMouseActions->RowSelectPersistent() && !FRowSelect.empty())) {
    std::vector<int> rows;
    rows.reserve(n);
    for (size_t d = 0; d < marked.size(); ++d)
      if (marked[d] != 0) rows.push_back(static_cast<int>(d));
    OpenRowMarks(rows);
  }
  RowCountChanged();
  CellsChanged(TRect(0, 0, ColCount() - 1, RowCount()));
  CellControlsUpdate(false);
  return true;
}

void TDedAdararAdoz::BringBackRuns(const std::vector<TGridItem*>& Entries) {
  // Runs of consecutive rows go back in one insertion each, at the place
  // the rows shown before them leave for them. Entries already restored
  // still sit in the store until the end, so they are taken off the count.
  size_t i = 0;
  while (i < Entries.size()) {
    size_t j = i + 1;
    while (j < Entries.size() && Entries[j]->Idx() == Entries[j - 1]->Idx() + 1) ++j;
    const int first = Entries[i]->Idx();
    const int target = first - (FGridItems->CountBelow(first) - static_cast<int>(i));
    const int n = static_cast<int>(j - i);
    InsertRowsInternal(target, n, false, false);
    for (size_t e = i; e < j; ++e) RestoreRowFrom(Entries[e], target + static_cast<int>(e - i));
    i = j;
  }
}

void TDedAdararAdoz::UnHideRows(int FromRow, int ToRow) {
  if (!IsHiddenRow(FromRow)) return;
  UnHideRowsOfLevel(FromRow, ToRow, -1);
}

void TDedAdararAdoz::UnHideRowsOfLevel(int FromRow, int ToRow, int Level) {
  TTrackingOff off(FShowModified.get());
  std::vector<TGridItem*> entries;
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TGridItem* item = FGridItems->Items(i);
    if (item->Idx() >= FromRow && item->Idx() <= ToRow && (Level < 0 || item->Level() == Level))
      entries.push_back(item);
  }
  if (entries.empty()) return;
  BringBackRows(entries);
}

void TDedAdararAdoz::UnHideRow(int RowIndex) {
  UnHideRows(RowIndex, RowIndex);
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->Y() == RowIndex && item->Control() != nullptr) item->Control()->SetVisible(true);
  }
}

void TDedAdararAdoz::UnHideRowsAll() {
  if (FGridItems->Count() == 0) return;
  TTrackingOff off(FShowModified.get());
  std::vector<TGridItem*> entries;
  for (int i = 0; i < FGridItems->Count(); ++i) entries.push_back(FGridItems->Items(i));
  BringBackRows(entries);
}

void TDedAdararAdoz::UnHideRowList() {
  if (FFilterLevel <= 0) return;
  const int level = FFilterLevel;
  if (Row() >= RowCount()) TCustomGrid::FocusCell(TCustomGrid::FixedCols(), TCustomGrid::FixedRows(), true);
  TTrackingOff off(FShowModified.get());
  // Rows inside a contracted node stay in the store with the node's rows.
  const std::vector<std::pair<int, int>> closed = ContractedNodeRanges();
  if (closed.empty() && FGridItems->LevelOnlyInLastBlock(level) && MergeBlockBack()) return;
  std::vector<TGridItem*> entries;
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TGridItem* item = FGridItems->Items(i);
    if (item->Level() != level) continue;
    const bool inside = std::any_of(closed.begin(), closed.end(), [&](const std::pair<int, int>& c) {
      return item->Idx() >= c.first && item->Idx() < c.second;
    });
    if (inside)
      item->SetLevel(0);
    else
      entries.push_back(item);
  }
  if (!entries.empty()) BringBackRows(entries);
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
