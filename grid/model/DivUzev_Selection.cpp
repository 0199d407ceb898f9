// Row and column selection sets for disjunct selection, the list of
// selected rows, and the modified and disabled marks of rows.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "grid/model/DivUzev.h"

void TDedAdararAdoz::GrowFlags(std::vector<uint8_t>& Flags, int Count) {
  if (static_cast<int>(Flags.size()) < Count) Flags.resize(static_cast<size_t>(Count), 0);
}

int TDedAdararAdoz::RowFlagIndex(int DisplayRow) const {
  return FMouseActions->RowSelectPersistent() ? RealRowIndex(DisplayRow) : DisplayRow;
}

namespace {
// The display row of a row-flag index, -1 for a hidden row.
int FlagRowOnScreen(const TDedAdararAdoz* G, int Index) {
  if (!G->MouseActions()->RowSelectPersistent()) return Index;
  if (G->IsHiddenRow(Index)) return -1;
  return G->DisplRowIndex(Index);
}
}  // namespace

// ---------------------------------------------------------------------------
// Row flags

bool TDedAdararAdoz::RowSelect(int ARow) {
  // A negative row is never read, whatever the selection mode.
  if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && !FMouseActions->RowSelectPersistent()))
    throw EDivUzevError("Invalid row " + std::to_string(ARow) + " accessed");
  if (FMouseActions->DisjunctRowSelect())
    return ARow < static_cast<int>(FRowSelect.size()) && FRowSelect[static_cast<size_t>(ARow)] != 0;
  const TGridRect s = Selection();
  return ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

void TDedAdararAdoz::SetRowSelect(int ARow, bool Value) {
  if ((ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()) || ARow < 0)
    throw EDivUzevError("Invalid row accessed");
  const bool known = ARow < static_cast<int>(FRowSelect.size());
  const bool current = known && FRowSelect[static_cast<size_t>(ARow)] != 0;
  if ((!known || current != Value) && OnRowDisjunctSelect) {
    bool allow = true;
    OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow) return;
  }
  GrowFlags(FRowSelect, ARow + 1);
  uint8_t& flag = FRowSelect[static_cast<size_t>(ARow)];
  const int screenRow = FlagRowOnScreen(this, ARow);
  if (Value) {
    if (flag != 1 && screenRow >= 0) RepaintRow(screenRow);
    flag = 1;
    if (ARow >= FixedRows() && !FSelectedRows->HasValue(ARow)) FSelectedRows->Add(ARow);
  } else {
    if (flag != 0 && screenRow >= 0) RepaintRow(screenRow);
    flag = 0;
    FSelectedRows->DeleteValue(ARow);
  }
  if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

void TDedAdararAdoz::SelectRows(int RowIndex, int RCount) {
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (RCount > 0 && RowIndex >= 0) {
    if (!FMouseActions->DisjunctRowSelect()) {
      SetSelection(TGridRect(FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1));
    } else {
      for (int r = RowIndex; r < RowIndex + RCount; ++r)
        if (r < RowCount()) SetRowSelect(RowFlagIndex(r), true);
    }
    if (!FRowIndicator->Empty()) RepaintCol(0);
  }
  FSelectionPending = false;
}

void TDedAdararAdoz::UnSelectRows(int RowIndex, int RCount) {
  if (FMouseActions->DisjunctRowSelect() && RowIndex >= 0) {
    RCount = std::min(RCount, RowCount() - RowIndex);
    for (int r = RowIndex; r < RowIndex + RCount; ++r)
      if (r < RowCount()) SetRowSelect(RowFlagIndex(r), false);
  }
  FSelectionPending = false;
}

void TDedAdararAdoz::ClearRowSelect() {
  for (size_t i = 0; i < FRowSelect.size(); ++i) {
    if (FRowSelect[i] == 0) continue;
    const int screenRow = FlagRowOnScreen(this, static_cast<int>(i));
    if (screenRow >= 0) RepaintRow(screenRow);
    FRowSelect[i] = 0;
  }
  FSelectedRows->Clear();
}

void TDedAdararAdoz::SelectionToRowSelect(bool ClearOthers) {
  const TGridRect s = Selection();
  const int top = std::min(s.Top, s.Bottom);
  const int bottom = std::min(std::max(s.Top, s.Bottom), RowCount() - FFixedFooters - 1);
  // Without clearing, only the rows inside can change.
  const int from = ClearOthers ? FixedRows() : std::max(top, FixedRows());
  const int to = ClearOthers ? RowCount() - 1 : std::min(bottom, RowCount() - 1);
  for (int r = from; r <= to; ++r) {
    const bool inside = r >= top && r <= bottom;
    if (inside || ClearOthers) SetRowSelect(RowFlagIndex(r), inside);
  }
  if (NumHiddenRows() > 0) InvalidateGrid();
}

int TDedAdararAdoz::RowSelectCount() {
  if (FMouseActions->DisjunctRowSelect()) {
    const int n = std::min(RowCount() + NumHiddenRows(), static_cast<int>(FRowSelect.size()));
    return static_cast<int>(std::count(FRowSelect.begin(), FRowSelect.begin() + n, uint8_t{1}));
  }
  const TGridRect s = Selection();
  return std::abs(s.Bottom - s.Top) + 1;
}

// ---------------------------------------------------------------------------
// Column flags

bool TDedAdararAdoz::ColSelect(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) throw EDivUzevError("Invalid column accessed");
  return ACol < static_cast<int>(FColSelect.size()) && FColSelect[static_cast<size_t>(ACol)] != 0;
}

void TDedAdararAdoz::SetColSelect(int ACol, bool Value) {
  if (ACol < 0 || ACol >= ColCount()) throw EDivUzevError("Invalid column accessed");
  GrowFlags(FColSelect, ACol + 1);
  uint8_t& flag = FColSelect[static_cast<size_t>(ACol)];
  const uint8_t v = Value ? 1 : 0;
  if (flag == v) return;
  flag = v;
  RepaintCol(ACol);
}

void TDedAdararAdoz::SelectCols(int ColIndex, int CCount) {
  if (CCount <= 0 || ColIndex < 0) return;
  if (!FMouseActions->DisjunctColSelect()) {
    SetSelection(TGridRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1));
    return;
  }
  for (int c = ColIndex; c < ColIndex + CCount; ++c)
    if (c < ColCount()) SetColSelect(c, true);
}

void TDedAdararAdoz::UnSelectCols(int ColIndex, int CCount) {
  if (!FMouseActions->DisjunctColSelect() || ColIndex < 0) return;
  for (int c = ColIndex; c < ColIndex + CCount; ++c)
    if (c < ColCount()) SetColSelect(c, false);
}

void TDedAdararAdoz::ClearColSelect() {
  for (size_t i = 0; i < FColSelect.size(); ++i) {
    if (FColSelect[i] == 0) continue;
    if (static_cast<int>(i) < ColCount()) RepaintCol(static_cast<int>(i));
    FColSelect[i] = 0;
  }
}

void TDedAdararAdoz::SelectionToColSelect(bool ClearOthers) {
  const TGridRect s = Selection();
  const int left = std::min(s.Left, s.Right);
  const int right = std::max(s.Left, s.Right);
  for (int c = FixedCols(); c < ColCount(); ++c) {
    const bool inside = c >= left && c <= right;
    if (inside || ClearOthers) SetColSelect(c, inside);
  }
}

int TDedAdararAdoz::ColSelectCount() {
  if (FMouseActions->DisjunctColSelect())
    return static_cast<int>(std::count(FColSelect.begin(), FColSelect.end(), uint8_t{1}));
  const TGridRect s = Selection();
  return std::abs(s.Right - s.Left) + 1;
}

void TDedAdararAdoz::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
  SetRow(ToRow);
  SetCol(ToCol);
  SetSelection(TGridRect(FromCol, FromRow, ToCol, ToRow));
}

// ---------------------------------------------------------------------------
// Modified and disabled rows

bool TDedAdararAdoz::RowModified(int ARow) const {
  if (ARow < 0 || ARow >= FModifiedRows->Count()) return false;
  return FModifiedRows->Items(ARow) == 1;
}

void TDedAdararAdoz::SetRowModified(int ARow, bool Value) {
  if (ARow < 0) return;
  while (FModifiedRows->Count() <= ARow) FModifiedRows->Add(0);
  FModifiedRows->SetItems(ARow, Value ? 1 : 0);
  RepaintCell(0, ARow);
}

int TDedAdararAdoz::ModifiedRowCount() const {
  int n = 0;
  for (int i = 0; i < FModifiedRows->Count(); ++i)
    if (FModifiedRows->Items(i) == 1) ++n;
  return n;
}

bool TDedAdararAdoz::RowEnabled(int ARow) const {
  if (ARow < 0 || ARow >= FDisabledRows->Count()) return true;
  return FDisabledRows->Items(ARow) == 0;
}

void TDedAdararAdoz::SetRowEnabled(int ARow, bool Value) {
  if (ARow < 0) return;
  // The cursor leaves a row that is being disabled (enabling it keeps the
  // cursor where the user put it).
  if (ARow == Row() && !Value) {
    for (int r = FixedRows(); r < RowCount(); ++r) {
      if (r != ARow && RowEnabled(r)) {
        SetRow(r);
        break;
      }
    }
  }
  FUseEnabledRows = true;
  while (FDisabledRows->Count() <= ARow) FDisabledRows->Add(0);
  FDisabledRows->SetItems(ARow, Value ? 0 : 1);
  RepaintRow(ARow);
}
