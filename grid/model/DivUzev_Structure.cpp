// Structure edits: removing, inserting and adding rows and columns,
// removing duplicates and selected rows, clearing, trimming and colouring
// blocks, merging and splitting, swapping, and two cell searches.
//
// Rows leave and enter the grid in one step of the framework grid (a
// row's cells move with it; nothing is copied cell by cell), so one row in
// the middle of a long table costs a move of the row list, not of its
// cells. Everything kept per row follows in the same step: hidden rows by
// real row, the modified, enabled and selected marks, cell controls and the
// rows the cell properties know themselves by.
#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"

namespace {

// Flag lists kept by row: a range taken out or opened up in one pass.
void EraseListRange(TIntList* List, int From, int Count) {
  if (From < 0 || From >= List->Count() || Count <= 0) return;
  Count = std::min(Count, List->Count() - From);
  if (Count == 1) {
    List->Delete(From);
    return;
  }
  std::vector<int> keep;
  keep.reserve(static_cast<size_t>(List->Count() - Count));
  for (int i = 0; i < List->Count(); ++i)
    if (i < From || i >= From + Count) keep.push_back(List->Items(i));
  List->Clear();
  for (int v : keep) List->Add(v);
}

void InsertListZeros(TIntList* List, int At, int Count) {
  if (At < 0 || At >= List->Count() || Count <= 0) return;
  if (Count == 1) {
    List->Insert(At, 0);
    return;
  }
  std::vector<int> all;
  all.reserve(static_cast<size_t>(List->Count() + Count));
  for (int i = 0; i < List->Count(); ++i) {
    if (i == At) all.insert(all.end(), static_cast<size_t>(Count), 0);
    all.push_back(List->Items(i));
  }
  List->Clear();
  for (int v : all) List->Add(v);
}

void EraseFlags(std::vector<uint8_t>& Flags, int From, int Count) {
  if (From < 0 || From >= static_cast<int>(Flags.size()) || Count <= 0) return;
  const int to = std::min(static_cast<int>(Flags.size()), From + Count);
  Flags.erase(Flags.begin() + From, Flags.begin() + to);
}

void InsertFlags(std::vector<uint8_t>& Flags, int At, int Count) {
  if (At < 0 || At >= static_cast<int>(Flags.size()) || Count <= 0) return;
  Flags.insert(Flags.begin() + At, static_cast<size_t>(Count), 0);
}

// Frees what a hidden row's saved cell holds (its properties and their
// graphic) and empties the entry.
void FreeSavedCell(TStringList* Cells, int Index) {
  auto* props = dynamic_cast<TCellProperties*>(Cells->Objects(Index));
  if (props != nullptr) {
    TObject* graphic = props->GraphicObject();
    if (graphic != nullptr && graphic->ClassName() == "TCellGraphic") delete graphic;
    delete props;
    Cells->SetObjects(Index, nullptr);
  }
}

// Runs of consecutive rows, removed from the bottom up.
template <class Remove>
void RemoveRowRuns(std::vector<int> Rows, Remove&& RemoveRun) {
  std::sort(Rows.begin(), Rows.end());
  Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
  int i = static_cast<int>(Rows.size()) - 1;
  while (i >= 0) {
    int j = i;
    while (j > 0 && Rows[static_cast<size_t>(j - 1)] == Rows[static_cast<size_t>(j)] - 1) --j;
    RemoveRun(Rows[static_cast<size_t>(j)], i - j + 1);
    i = j - 1;
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Bookkeeping shared by the row edits

void TDedAdararAdoz::RowCountChanged() {
  SetNormalRowCount(RowCount());
  // Fixed rows the framework let go while only they were left come back
  // with the first normal row: a header row never turns into data.
  if (RowCount() > FRequestedFixedRows && TCustomGrid::FixedRows() < FRequestedFixedRows)
    TBaseGrid::SetFixedRows(FRequestedFixedRows);
  if (FFooterPanel != nullptr && FFloatingFooter->Visible()) FFooterPanel->Invalidate();
  UpdateVScrollProportional();
  UpdateScrollBarAlways(false);
}

void TDedAdararAdoz::RefreshOwnerRows(int FromRow) {
  if (!HasCellProps()) return;
  const int cols = TotalColCount();
  for (int r = std::max(FromRow, 0); r < RowCount(); ++r)
    for (int c = 0; c < cols; ++c)
      if (TCellProperties* p = GetGridObject(c, r)) p->SetOwnerRow(r);
}

void TDedAdararAdoz::RebuildSelectedRowList() {
  if (FSelectedRows->Count() == 0 && FRowSelect.empty()) return;
  FSelectedRows->Clear();
  for (size_t i = static_cast<size_t>(std::max(FixedRows(), 0)); i < FRowSelect.size(); ++i)
    if (FRowSelect[i] != 0) FSelectedRows->Add(static_cast<int>(i));
}

void TDedAdararAdoz::RenumberHiddenForRemoval(int RowIndex, int RCount) {
  if (FGridItems->Count() == 0 || RCount <= 0) return;
  // A hidden row moves up by the number of removed shown rows above it,
  // all counted in real rows. The new numbers are worked out first, while
  // the row maps still describe the grid before the removal.
  std::vector<int> next(static_cast<size_t>(FGridItems->Count()));
  for (int i = 0; i < FGridItems->Count(); ++i) {
    const int idx = FGridItems->Items(i)->Idx();
    const int shownAbove = DisplRowIndex(idx);
    next[static_cast<size_t>(i)] = idx - std::clamp(shownAbove - RowIndex, 0, RCount);
  }
  for (int i = 0; i < FGridItems->Count(); ++i) FGridItems->Items(i)->SetIdx(next[static_cast<size_t>(i)]);
}

void TDedAdararAdoz::RenumberHiddenForInsertion(int FirstReal, int RCount) {
  if (RCount <= 0) return;
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TGridItem* item = FGridItems->Items(i);
    if (item->Idx() >= FirstReal) item->SetIdx(item->Idx() + RCount);
  }
}

// ---------------------------------------------------------------------------
// Taking rows out of the grid and putting rows in

void TDedAdararAdoz::DeleteRowsInternal(int ARow, int RCount, bool DropControls, bool Removed) {
  if (ARow < 0 || ARow >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - ARow);
  // A grid keeps a row of its own.
  if (RCount >= RowCount()) RCount = RowCount() - 1;
  if (RCount <= 0) return;

  if (DropControls) {
    for (int i = FControlList->Count() - 1; i >= 0; --i) {
      TControlItem* item = FControlList->GetControl(i);
      if (IsHiddenRow(item->Y())) continue;
      const int row = DisplRowIndex(item->Y());
      if (row >= ARow && row < ARow + RCount) {
        if (item->Control() != nullptr) item->Control()->SetVisible(false);
        FControlList->RemoveControl(i);
      }
    }
  }

  // What is kept by row follows the rows. Rows that leave the grid take
  // their real rows along: later real rows (hidden ones, controls, marks
  // kept by real row) move up; rows being hidden keep their real rows.
  const bool persistent = FMouseActions->RowSelectPersistent();
  const bool flagsChanged = !FRowSelect.empty();
  if (!persistent) EraseFlags(FRowSelect, ARow, RCount);
  if (Removed) {
    std::vector<int> reals;
    reals.reserve(static_cast<size_t>(RCount));
    for (int d = ARow; d < ARow + RCount; ++d) reals.push_back(RealRowIndex(d));
    auto goneAbove = [&](int Real) {
      return static_cast<int>(std::lower_bound(reals.begin(), reals.end(), Real) - reals.begin());
    };
    for (int i = 0; i < FControlList->Count(); ++i) {
      TControlItem* item = FControlList->GetControl(i);
      item->SetY(item->Y() - goneAbove(item->Y()));
    }
    if (persistent && !FRowSelect.empty()) {
      std::vector<uint8_t> kept;
      kept.reserve(FRowSelect.size());
      for (size_t i = 0; i < FRowSelect.size(); ++i)
        if (!std::binary_search(reals.begin(), reals.end(), static_cast<int>(i)))
          kept.push_back(FRowSelect[i]);
      FRowSelect.swap(kept);
    }
    RenumberHiddenForRemoval(ARow, RCount);
  }
  EraseListRange(FModifiedRows.get(), ARow, RCount);
  EraseListRange(FDisabledRows.get(), ARow, RCount);

  const int oldRow = Row();
  const int oldTop = TopRow();
  const int fixedRows = TCustomGrid::FixedRows();
  {
    TCountChange change(FCountChange);
    TBaseGrid::DeleteRowRange(ARow, RCount);
  }
  RowCountChanged();

  // The current row and the view stay where they were when they can; with
  // no normal row left there is nothing to select.
  const int lastNormal = RowCount() - FFixedFooters - 1;
  if (oldRow < RowCount() - FFixedFooters && oldRow >= fixedRows) {
    if (Row() != oldRow) TCustomGrid::FocusCell(Col(), oldRow, true);
    TCustomGrid::SetTopRow(std::min(oldTop, RowCount() - 1));
  } else if (lastNormal >= fixedRows) {
    TCustomGrid::FocusCell(Col(), lastNormal, true);
  } else {
    HideSelection();
  }
  FSelectionHidden = false;
  RefreshOwnerRows(ARow);
  if (flagsChanged) RebuildSelectedRowList();
  CellControlsUpdate(false);
}

void TDedAdararAdoz::InsertRowsInternal(int RowIndex, int RCount, bool UpdateCellControls, bool NewRows) {
  if (RCount <= 0) return;
  if (FSelectionHidden || Col() >= ColCount() || Row() >= RowCount()) UnHideSelection();
  RowIndex = std::clamp(RowIndex, 0, RowCount());
  // The floating footer stays the last row.
  if (FFloatingFooter->Visible() && RowIndex == RowCount() && RowCount() > 1) RowIndex = RowCount() - 1;
  const int firstReal = RealRowIndex(RowIndex);
  {
    TCountChange change(FCountChange);
    TBaseGrid::InsertRowRange(RowIndex, RCount);
  }
  FMaxRowCount = std::max(FMaxRowCount, RowCount());
  RowCountChanged();

  // New rows are not modified, enabled and not selected. The mark lists
  // stay aligned even while marking is off (rows shown again come back
  // with it off).
  InsertListZeros(FModifiedRows.get(), RowIndex, RCount);
  InsertListZeros(FDisabledRows.get(), RowIndex, RCount);
  const bool flagsChanged = !FRowSelect.empty();
  if (!FMouseActions->RowSelectPersistent())
    InsertFlags(FRowSelect, RowIndex, RCount);
  else if (NewRows)
    InsertFlags(FRowSelect, firstReal, RCount);
  if (flagsChanged) RebuildSelectedRowList();
  RefreshOwnerRows(RowIndex + RCount);

  if (UpdateCellControls && FControlList->Count() > 0) {
    for (int i = 0; i < FControlList->Count(); ++i) {
      TControlItem* item = FControlList->GetControl(i);
      if (item->Y() >= firstReal) item->SetY(item->Y() + RCount);
    }
    CellControlsUpdate(false);
  }
  if (!ComponentState().Contains(csDestroying))
    CellsChanged(TRect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

// ---------------------------------------------------------------------------
// Rows

void TDedAdararAdoz::RemoveRowsInternal(int ARow, int RCount) {
  if (ARow < 0 || ARow >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - ARow);
  FreeCellPropertiesRange(0, ARow, TotalColCount() - 1, ARow + RCount - 1);
  const int before = RowCount();
  DeleteRowsInternal(ARow, RCount, true, true);
  FMaxRowCount = std::max(RowCount(), FMaxRowCount - (before - RowCount()));
}

void TDedAdararAdoz::RemoveRows(int RowIndex, int RCount) {
  if (RCount <= 0) return;
  // Only the rows asked for that exist and are not fixed: header rows,
  // footer rows and the floating footer's row stay.
  int end = RowCount() - FFixedFooters;
  if (FFloatingFooter->Visible()) end = std::min(end, RowCount() - 1);
  const int first = std::max(RowIndex, FixedRows());
  const long long asked = static_cast<long long>(RowIndex) + RCount;
  const int last = static_cast<int>(std::min<long long>(asked, end));
  if (first >= last) return;
  RemoveRowsInternal(first, last - first);
  CellsChanged(TRect(0, first, ColCount() - 1, last));
  if (FSearchFooter->Visible() && FSearchPanel != nullptr) FSearchPanel->Invalidate();
}

void TDedAdararAdoz::RemoveRowsEx(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  // The callers keep the cells: only the slots are given up.
  for (int r = RowIndex; r < RowIndex + RCount; ++r) EmptyRowSlots(r);
  const int before = RowCount();
  DeleteRowsInternal(RowIndex, RCount, false, true);
  FMaxRowCount = std::max(RowCount(), FMaxRowCount - (before - RowCount()));
  CellsChanged(TRect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TDedAdararAdoz::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
  if (RCount <= 0) return;
  RowIndex = std::clamp(RowIndex, 0, RowCount());
  if (FFloatingFooter->Visible() && RowIndex == RowCount() && RowCount() > 1) RowIndex = RowCount() - 1;
  // Rows hidden before the shown row at RowIndex stay before the new rows.
  const int firstReal = RealRowIndex(RowIndex);
  InsertRowsInternal(RowIndex, RCount, UpdateCellControls, true);
  RenumberHiddenForInsertion(firstReal, RCount);
}

void TDedAdararAdoz::AddRow() {
  if (FFloatingFooter->Visible()) {
    InsertRows(RowCount() - 1, 1, true);
    if (FFloatingFooter->FooterStyle() == fsFixedLastRow) ClearRows(RowCount() - 2, 1);
  } else {
    InsertRows(RowCount(), 1, true);
    ClearRows(RowCount() - 1, 1);
  }
}

void TDedAdararAdoz::RemoveDuplicates(int ACol, bool DoCase) {
  const int col = RealColIndex(ACol);
  std::set<std::string> seen;
  std::vector<int> doubles;
  const int end = RowCount() - FFixedFooters;
  for (int r = FixedRows(); r < end; ++r) {
    const std::string text = GetCellEx(col, r);
    // Texts differing only in case are the same unless DoCase says not.
    if (!seen.insert(DoCase ? text : UpperCase(text)).second) doubles.push_back(r);
  }
  RemoveRowRuns(doubles, [this](int Row, int Count) { RemoveRowsInternal(Row, Count); });
  if (!doubles.empty()) CellsChanged(TRect(0, doubles.front(), ColCount() - 1, RowCount() - 1));
}

void TDedAdararAdoz::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked) {
  TGridUpdate lock(this);
  for (int r = RowCount() - 1; r >= FixedRows(); --r) {
    bool state = false;
    if (GetCheckBoxState(CheckBoxColumn, r, state) && state == RemoveChecked) RemoveRows(r, 1);
  }
}

void TDedAdararAdoz::RemoveSelectedRows() {
  std::vector<int> rows;
  const int last = RowCount() - FFixedFooters - 1;
  if (FMouseActions->DisjunctRowSelect()) {
    for (int r = FixedRows(); r <= last; ++r)
      if (RowSelect(RowFlagIndex(r))) rows.push_back(r);
    RemoveRowRuns(rows, [this](int Row, int Count) { RemoveRowsInternal(Row, Count); });
    ClearRowSelect();
  } else {
    const TGridRect s = Selection();
    const int top = std::max(std::min(s.Top, s.Bottom), FixedRows());
    const int bottom = std::min(std::max(s.Top, s.Bottom), last);
    if (top <= bottom) RemoveRowsInternal(top, bottom - top + 1);
    rows.push_back(top);
  }
  if (!rows.empty()) CellsChanged(TRect(0, rows.front(), ColCount() - 1, RowCount() - 1));
}

void TDedAdararAdoz::RemoveUnSelectedRows() {
  std::vector<int> rows;
  for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r)
    if (!RowSelect(RowFlagIndex(r))) rows.push_back(r);
  RemoveRowRuns(rows, [this](int Row, int Count) { RemoveRowsInternal(Row, Count); });
  if (FMouseActions->RowSelectPersistent())
    SelectRows(FixedRows(), RowCount() - FixedRows());
  else
    ClearRowSelect();
  if (!rows.empty()) CellsChanged(TRect(0, rows.front(), ColCount() - 1, RowCount() - 1));
}

void TDedAdararAdoz::HideSelectedRows() {
  for (int r = RowCount() - 1; r >= FixedRows(); --r) {
    if (r >= RowCount() || !RowSelect(RowFlagIndex(r))) continue;
    const int real = RealRowIndex(r);
    HideRows(real, real);
  }
}

void TDedAdararAdoz::HideUnSelectedRows() {
  int r = FixedRows();
  while (r < RowCount()) {
    if (RowSelect(RowFlagIndex(r))) {
      ++r;
      continue;
    }
    const int before = RowCount();
    const int real = RealRowIndex(r);
    HideRows(real, real);
    if (RowCount() == before) ++r;  // the grid's last row is never hidden
  }
}

// ---------------------------------------------------------------------------
// Columns

void TDedAdararAdoz::RemoveCols(int ColIndex, int CCount) {
  const int total = TotalColCount();
  if (ColIndex < 0 || ColIndex >= total || CCount <= 0) return;
  CCount = std::min(CCount, total - ColIndex);
  HideInplaceEdit();

  // The widths and hidden marks of every real column, before the change.
  std::vector<int> widths(static_cast<size_t>(total));
  std::vector<uint8_t> hidden(static_cast<size_t>(total));
  std::vector<int> removedShown;  // display indexes of the shown ones removed
  for (int c = 0; c < total; ++c) {
    widths[static_cast<size_t>(c)] = AllColWidths(c);
    hidden[static_cast<size_t>(c)] = IsHiddenColumn(c) ? 1 : 0;
    if (c >= ColIndex && c < ColIndex + CCount && !hidden[static_cast<size_t>(c)])
      removedShown.push_back(DisplColIndexOf(c));
  }

  ClearCols(ColIndex, CCount);
  // The columns to the right take their places, in the grid's rows and in
  // the rows kept hidden.
  const int rows = RowCount();
  for (int r = 0; r < rows; ++r) {
    for (int c = ColIndex; c < total; ++c) {
      const int from = c + CCount;
      if (from < total) {
        SetGridCell(c, r, GetGridCell(from, r));
        TCellProperties* p = GetGridObject(from, r);
        if (p != nullptr) p->SetOwnerCol(c);
        SetGridObject(c, r, p);
      } else {
        ClearCellEntry(c, r);
      }
    }
  }
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TStringList* cells = FGridItems->Items(i)->Items();
    for (int c = std::min(ColIndex + CCount, cells->Count()) - 1; c >= ColIndex; --c) {
      FreeSavedCell(cells, c);
      cells->Delete(c);
    }
  }

  widths.erase(widths.begin() + ColIndex, widths.begin() + ColIndex + CCount);
  hidden.erase(hidden.begin() + ColIndex, hidden.begin() + ColIndex + CCount);
  FHiddenCols.clear();
  FAllColWidths.assign(widths.begin(), widths.end());
  int shown = 0;
  for (size_t c = 0; c < hidden.size(); ++c) {
    if (hidden[c])
      FHiddenCols.push_back(static_cast<int>(c));
    else
      ++shown;
  }
  // A grid keeps a shown column.
  const int newCount = std::max(shown, 1);
  if (shown == 0 && !FHiddenCols.empty()) FHiddenCols.erase(FHiddenCols.begin());
  TDedAdararAdoz::SetColCount(newCount);
  for (int c = 0, d = 0; c < static_cast<int>(widths.size()) && d < newCount; ++c) {
    if (IsHiddenColumn(c)) continue;
    SetColWidths(d++, widths[static_cast<size_t>(c)]);
  }

  // Marks kept by display column, the column order and cell controls.
  for (auto it = removedShown.rbegin(); it != removedShown.rend(); ++it) {
    EraseFlags(FColSelect, *it, 1);
    if (*it < FColumnOrder->Count()) {
      const int initial = FColumnOrder->Items(*it);
      FColumnOrder->Delete(*it);
      for (int i = 0; i < FColumnOrder->Count(); ++i)
        if (FColumnOrder->Items(i) > initial) FColumnOrder->SetItems(i, FColumnOrder->Items(i) - 1);
    }
  }
  for (int i = FControlList->Count() - 1; i >= 0; --i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->X() >= ColIndex + CCount) {
      item->SetX(item->X() - CCount);
    } else if (item->X() >= ColIndex) {
      if (item->Control() != nullptr) item->Control()->SetVisible(false);
      FControlList->RemoveControl(i);
    }
  }
  if (FControlList->Count() > 0) CellControlsUpdate(false);
  InvalidateGrid();
  CellsChanged(TRect(ColIndex, 0, ColIndex + CCount, RowCount() - 1));
}

void TDedAdararAdoz::InsertCols(int ColIndex, int CCount) {
  if (ColIndex < 0 || CCount <= 0) return;
  const int total = TotalColCount();
  ColIndex = std::min(ColIndex, total);
  HideInplaceEdit();

  std::vector<int> widths(static_cast<size_t>(total));
  for (int c = 0; c < total; ++c) widths[static_cast<size_t>(c)] = AllColWidths(c);
  widths.insert(widths.begin() + ColIndex, static_cast<size_t>(CCount), DefaultColWidth());
  // The display position the new columns take.
  const int at = DisplColIndexOf(ColIndex);

  TDedAdararAdoz::SetColCount(ColCount() + CCount);
  const int rows = RowCount();
  for (int r = 0; r < rows; ++r) {
    for (int c = total - 1; c >= ColIndex; --c) {
      SetGridCell(c + CCount, r, GetGridCell(c, r));
      TCellProperties* p = GetGridObject(c, r);
      if (p != nullptr) p->SetOwnerCol(c + CCount);
      SetGridObject(c + CCount, r, p);
    }
    for (int c = ColIndex; c < ColIndex + CCount; ++c) ClearCellEntry(c, r);
  }
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TStringList* cells = FGridItems->Items(i)->Items();
    if (ColIndex > cells->Count()) continue;
    for (int k = 0; k < CCount; ++k) cells->InsertObject(ColIndex, "", nullptr);
  }
  for (int& h : FHiddenCols)
    if (h >= ColIndex) h += CCount;
  FAllColWidths.assign(widths.begin(), widths.end());
  for (int c = 0, d = 0; c < static_cast<int>(widths.size()) && d < ColCount(); ++c) {
    if (IsHiddenColumn(c)) continue;
    SetColWidths(d++, widths[static_cast<size_t>(c)]);
  }

  InsertFlags(FColSelect, at, CCount);
  if (FColumnOrder->Count() > 0 && at <= FColumnOrder->Count()) {
    for (int i = 0; i < FColumnOrder->Count(); ++i)
      if (FColumnOrder->Items(i) >= at) FColumnOrder->SetItems(i, FColumnOrder->Items(i) + CCount);
    for (int k = CCount - 1; k >= 0; --k) FColumnOrder->Insert(at, at + k);
  }
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->X() >= ColIndex) item->SetX(item->X() + CCount);
  }
  if (FControlList->Count() > 0) CellControlsUpdate(false);
  InvalidateGrid();
  CellsChanged(TRect(ColIndex, 0, ColIndex + CCount, RowCount() - 1));
}

void TDedAdararAdoz::AddColumn() { InsertCols(TotalColCount(), 1); }

void TDedAdararAdoz::RemoveSelectedCols() {
  if (FMouseActions->DisjunctColSelect()) {
    for (int c = ColCount() - 1; c >= FixedCols(); --c)
      if (c < static_cast<int>(FColSelect.size()) && FColSelect[static_cast<size_t>(c)] != 0)
        RemoveCols(RealColIndex(c), 1);
    return;
  }
  const TGridRect s = Selection();
  const int left = std::max(std::min(s.Left, s.Right), FixedCols());
  const int right = std::min(std::max(s.Left, s.Right), ColCount() - 1);
  // Column by column, so columns hidden between them stay.
  for (int c = right; c >= left; --c) RemoveCols(RealColIndex(c), 1);
}

void TDedAdararAdoz::RemoveUnSelectedCols() {
  if (FMouseActions->DisjunctColSelect()) {
    for (int c = ColCount() - 1; c >= FixedCols(); --c)
      if (c >= static_cast<int>(FColSelect.size()) || FColSelect[static_cast<size_t>(c)] == 0)
        RemoveCols(RealColIndex(c), 1);
  } else {
    const TGridRect s = Selection();
    const int left = std::min(s.Left, s.Right);
    const int right = std::max(s.Left, s.Right);
    for (int c = ColCount() - 1; c > right; --c) RemoveCols(RealColIndex(c), 1);
    for (int c = std::min(left, ColCount()) - 1; c >= FixedCols(); --c) RemoveCols(RealColIndex(c), 1);
  }
  ClearColSelect();
}

// ---------------------------------------------------------------------------
// Clearing, trimming, colouring

void TDedAdararAdoz::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  const bool destroying = ComponentState().Contains(csDestroying);
  const int c1 = std::max(ACol1, 0), r1 = std::max(ARow1, 0);
  const int c2 = std::min(ACol2, TotalColCount() - 1), r2 = std::min(ARow2, RowCount() - 1);
  if (c1 <= c2 && r1 <= r2) {
    if (!FClearTextOnly) FreeCellPropertiesRange(c1, r1, c2, r2);
    if (!destroying) {
      for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c)
          if (!GetGridCell(c, r).empty()) SetCellEx(c, r, "");
    }
  }
  // Cleared all over (hidden columns included), the grid holds no
  // properties any more.
  if (!FClearTextOnly && ACol1 <= 0 && ARow1 <= 0 && ACol2 >= TotalColCount() - 1 && ARow2 >= RowCount() - 1)
    SetHasCellProps(false);
  if (!destroying) CellsChanged(TRect(ACol1, ARow1, ACol2, ARow2));
}

void TDedAdararAdoz::ClearRows(int RowIndex, int RCount) {
  if (RowCount() <= 0 || ColCount() <= 0 || RCount <= 0) return;
  ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TDedAdararAdoz::ClearCols(int ColIndex, int CCount) {
  if (RowCount() <= 0 || ColCount() <= 0 || CCount <= 0) return;
  ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TDedAdararAdoz::ClearNormalRows(int RowIndex, int RCount) {
  if (RowCount() <= 0 || ColCount() <= 0 || RCount <= 0) return;
  ClearRect(FixedCols(), RowIndex, TotalColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TDedAdararAdoz::ClearNormalCols(int ColIndex, int CCount) {
  if (RowCount() <= 0 || ColCount() <= 0 || CCount <= 0) return;
  ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TDedAdararAdoz::ClearNormalCells() {
  if (RowCount() <= 0 || ColCount() <= 0) return;
  ClearRect(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1);
}

void TDedAdararAdoz::ClearSelection() {
  if (FMouseActions->DisjunctRowSelect()) {
    for (int r = FixedRows(); r < RowCount(); ++r)
      if (RowSelect(RowFlagIndex(r))) ClearRows(r, 1);
  } else if (FMouseActions->DisjunctColSelect()) {
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (c < static_cast<int>(FColSelect.size()) && FColSelect[static_cast<size_t>(c)] != 0)
        ClearCols(RealColIndex(c), 1);
  } else {
    const TGridRect s = Selection();
    const int top = std::min(s.Top, s.Bottom), bottom = std::max(s.Top, s.Bottom);
    for (int c = std::min(s.Left, s.Right); c <= std::max(s.Left, s.Right) && c < ColCount(); ++c) {
      const int real = RealColIndex(c);
      ClearRect(real, top, real, bottom);
    }
  }
}

void TDedAdararAdoz::Clear() {
  ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
  if (NumHiddenColumns() > 0) InvalidateGrid();
}

void TDedAdararAdoz::ClearAll() {
  Clear();
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TStringList* cells = FGridItems->Items(i)->Items();
    for (int c = 0; c < cells->Count(); ++c) {
      FreeSavedCell(cells, c);
      cells->SetStrings(c, "");
    }
  }
}

void TDedAdararAdoz::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  const int c2 = std::min(ACol2, TotalColCount() - 1), r2 = std::min(ARow2, RowCount() - 1);
  for (int r = std::max(ARow1, 0); r <= r2; ++r)
    for (int c = std::max(ACol1, 0); c <= c2; ++c) {
      const std::string s = GetCellEx(c, r);
      const std::string t = Trim(s);
      if (t != s) SetCellEx(c, r, t);
    }
}

void TDedAdararAdoz::TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
void TDedAdararAdoz::TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
void TDedAdararAdoz::TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }

void TDedAdararAdoz::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor) {
  if (ARow2 < ARow1) return;
  for (int r = ARow1; r <= ARow2; ++r)
    for (int c = ACol1; c <= ACol2; ++c) SetColors(c, r, AColor);
}

// ---------------------------------------------------------------------------
// Merging and splitting

void TDedAdararAdoz::MergeColumnCells(int ColIndex, bool MainMerge) {
  const int end = RowCount() - FFixedFooters;
  auto merge = [&](int First, int Count) {
    if (Count < 2) return;
    for (int r = First; r < First + Count; ++r)
      if (IsMergedCell(ColIndex, r)) SplitCells(ColIndex, r);
    MergeCells(ColIndex, First, 1, Count);
  };
  int first = FixedRows();
  for (int r = first + 1; r <= end; ++r) {
    const bool joins = r < end && GetCellEx(ColIndex, r) == GetCellEx(ColIndex, r - 1) &&
                       (MainMerge || RowSpanIdentical(r - 1, r));
    if (joins) continue;
    merge(first, r - first);
    first = r;
  }
}

void TDedAdararAdoz::MergeRowCells(int RowIndex, bool MainMerge) {
  const int end = ColCount() - FFixedRightCols;
  auto merge = [&](int First, int Count) {
    if (Count < 2) return;
    for (int c = First; c < First + Count; ++c)
      if (IsMergedCell(c, RowIndex)) SplitCells(c, RowIndex);
    MergeCells(First, RowIndex, Count, 1);
  };
  int first = FixedCols();
  for (int c = first + 1; c <= end; ++c) {
    const bool joins = c < end && GetCellEx(c, RowIndex) == GetCellEx(c - 1, RowIndex) &&
                       (MainMerge || ColSpanIdentical(c - 1, c));
    if (joins) continue;
    merge(first, c - first);
    first = c;
  }
}

void TDedAdararAdoz::SplitColumnCells(int ColIndex) {
  int r = 0;
  while (r < RowCount() - FFixedFooters) {
    const TGridCoord span = CellSpan(ColIndex, r);
    if (span.Y > 0 && IsBaseCell(ColIndex, r)) {
      SplitCells(ColIndex, r);
      r += span.Y + 1;
    } else {
      ++r;
    }
  }
}

void TDedAdararAdoz::SplitRowCells(int RowIndex) {
  int c = 0;
  while (c < ColCount() - FFixedRightCols) {
    if (IsMergedCell(c, RowIndex) && IsBaseCell(c, RowIndex)) {
      const TGridCoord span = CellSpan(c, RowIndex);
      SplitCells(c, RowIndex);
      c += span.X + 1;
    } else {
      ++c;
    }
  }
}

void TDedAdararAdoz::SplitAllCells() {
  if (MergeCount() == 0 && !HasCellProps()) return;
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < TotalColCount(); ++c)
      if (IsMergedCell(c, r) && IsBaseCell(c, r)) SplitCells(c, r);
}

void TDedAdararAdoz::MergeCols(int ColIndex1, int ColIndex2, const std::string& Separator) {
  if (ColIndex1 == ColIndex2) return;
  for (int r = FixedRows(); r < RowCount(); ++r)
    SetCellEx(ColIndex1, r, Trim(GetCellEx(ColIndex1, r)) + Separator + GetCellEx(ColIndex2, r));
  RemoveCols(ColIndex2, 1);
}

// ---------------------------------------------------------------------------
// Swapping

void TDedAdararAdoz::SwapColumns(int ACol1, int ACol2) {
  const int total = TotalColCount();
  if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= total || ACol2 >= total) return;
  HideInplaceEdit();
  for (int r = 0; r < RowCount(); ++r) {
    const std::string t = GetGridCell(ACol1, r);
    SetGridCell(ACol1, r, GetGridCell(ACol2, r));
    SetGridCell(ACol2, r, t);
    TCellProperties* p1 = GetGridObject(ACol1, r);
    TCellProperties* p2 = GetGridObject(ACol2, r);
    if (p1 != nullptr) p1->SetOwnerCol(ACol2);
    if (p2 != nullptr) p2->SetOwnerCol(ACol1);
    SetGridObject(ACol1, r, p2);
    SetGridObject(ACol2, r, p1);
  }
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TStringList* cells = FGridItems->Items(i)->Items();
    const int need = std::max(ACol1, ACol2) + 1;
    while (cells->Count() < need) cells->Add("");
    cells->Exchange(ACol1, ACol2);
  }
  const int w1 = AllColWidths(ACol1), w2 = AllColWidths(ACol2);
  SetAllColWidths(ACol1, w2);
  SetAllColWidths(ACol2, w1);
  const int d1 = DisplColIndexOf(ACol1), d2 = DisplColIndexOf(ACol2);
  if (FSortSettings->Column() == d1)
    FSortSettings->SetColumn(d2);
  else if (FSortSettings->Column() == d2)
    FSortSettings->SetColumn(d1);
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->X() == ACol1)
      item->SetX(ACol2);
    else if (item->X() == ACol2)
      item->SetX(ACol1);
  }
  if (FControlList->Count() > 0) CellControlsUpdate(false);
  InvalidateGrid();
}

void TDedAdararAdoz::SwapRows(int ARow1, int ARow2) {
  if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount()) return;
  HideInplaceEdit();
  const int cols = TotalColCount();
  for (int c = 0; c < cols; ++c) {
    const std::string t = GetGridCell(c, ARow1);
    SetGridCell(c, ARow1, GetGridCell(c, ARow2));
    SetGridCell(c, ARow2, t);
    TCellProperties* p1 = GetGridObject(c, ARow1);
    TCellProperties* p2 = GetGridObject(c, ARow2);
    if (p1 != nullptr) p1->SetOwnerRow(ARow2);
    if (p2 != nullptr) p2->SetOwnerRow(ARow1);
    SetGridObject(c, ARow1, p2);
    SetGridObject(c, ARow2, p1);
  }
  const int h1 = RowHeights(ARow1), h2 = RowHeights(ARow2);
  SetRowHeights(ARow1, h2);
  SetRowHeights(ARow2, h1);
  // The marks of the two rows change places with them.
  auto swapList = [&](TIntList* List) {
    const int need = std::max(ARow1, ARow2) + 1;
    if (List->Count() == 0) return;
    while (List->Count() < need) List->Add(0);
    const int v = List->Items(ARow1);
    List->SetItems(ARow1, List->Items(ARow2));
    List->SetItems(ARow2, v);
  };
  swapList(FModifiedRows.get());
  swapList(FDisabledRows.get());
  const int f1 = RowFlagIndex(ARow1), f2 = RowFlagIndex(ARow2);
  if (!FRowSelect.empty()) {
    GrowFlags(FRowSelect, std::max(f1, f2) + 1);
    std::swap(FRowSelect[static_cast<size_t>(f1)], FRowSelect[static_cast<size_t>(f2)]);
    RebuildSelectedRowList();
  }
  const int real1 = RealRowIndex(ARow1), real2 = RealRowIndex(ARow2);
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->Y() == real1)
      item->SetY(real2);
    else if (item->Y() == real2)
      item->SetY(real1);
  }
  if (FControlList->Count() > 0) CellControlsUpdate(false);
  InvalidateGrid();
}

// ---------------------------------------------------------------------------
// Cell searches

bool TDedAdararAdoz::IsWideCell(int ACol, int ARow) { return GetCellEx(ACol, ARow).rfind("|\\", 0) == 0; }

bool TDedAdararAdoz::IsCell(const std::string& SubStr, int& ACol, int& ARow) {
  for (int r = 0; r < RowCount(); ++r)
    for (int c = 0; c < ColCount(); ++c)
      if (GetGridCell(c, r) == SubStr) {
        ACol = c;
        ARow = r;
        return true;
      }
  return false;
}
