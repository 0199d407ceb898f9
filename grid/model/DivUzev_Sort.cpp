// Sorting the grid's rows: the sort settings with their compact text form,
// the sorts by one column, by the sort index list and inside node groups,
// the cross-reference of unsorted positions that undoes a sort, and moving
// the rows with everything that belongs to them.
#include <algorithm>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "framework/graphics/Graphics.h"
#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"
#include "grid/model/DivUzev_SortRun.h"

// ---------------------------------------------------------------------------
// TSortSettings

TSortSettings::TSortSettings(TDedAdararAdoz* AOwner)
    : FOwner(AOwner),
      FUpGlyph(std::make_unique<TBitmap>()),
      FDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()),
      FIndexDownGlyph(std::make_unique<TBitmap>()) {}

TSortSettings::~TSortSettings() = default;

void TSortSettings::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TSortSettings*>(Source);
  if (s == nullptr) return;
  FAutoSortForGrouping = s->FAutoSortForGrouping;
  FAutoColumnMerge = s->FAutoColumnMerge;
  FColumn = s->FColumn;
  FShow = s->FShow;
  FIndexShow = s->FIndexShow;
  FIndexColor = s->FIndexColor;
  FFull = s->FFull;
  FSingleColumn = s->FSingleColumn;
  FIgnoreBlanks = s->FIgnoreBlanks;
  FBlankPos = s->FBlankPos;
  FAutoFormat = s->FAutoFormat;
  FDirection = s->FDirection;
  FUpGlyph->Assign(s->FUpGlyph.get());
  FDownGlyph->Assign(s->FDownGlyph.get());
  FIndexUpGlyph->Assign(s->FIndexUpGlyph.get());
  FIndexDownGlyph->Assign(s->FIndexDownGlyph.get());
  FIndexSortKey = s->FIndexSortKey;
  FInitSortDirection = s->FInitSortDirection;
  FFixedCols = s->FFixedCols;
  FNormalCellsOnly = s->FNormalCellsOnly;
  FRow = s->FRow;
  FUndoSort = s->FUndoSort;
  FHeaderColor = s->FHeaderColor;
  FHeaderColorTo = s->FHeaderColorTo;
  FHeaderMirrorColor = s->FHeaderMirrorColor;
  FHeaderMirrorColorTo = s->FHeaderMirrorColorTo;
}

void TSortSettings::SetShow(bool Value) {
  if (FShow == Value) return;
  FShow = Value;
  if (FOwner != nullptr) FOwner->InvalidateGrid();
}

void TSortSettings::SetRow(int Value) {
  // A stored layout may name the row before the grid has its fixed rows.
  const bool loading = FOwner == nullptr || FOwner->ComponentState().Contains(csLoading);
  if (!loading && Value >= FOwner->FixedRows())
    throw Exception("Sort row should be smaller than number of fixed rows");
  FRow = Value;
}

void TSortSettings::SetHeaderColorField(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (FOwner != nullptr && FOwner->FixedRows() > 0) FOwner->RepaintRow(FOwner->FixedRows() - 1);
}

void TSortSettings::SetHeaderColor(TColor Value) { SetHeaderColorField(FHeaderColor, Value); }
void TSortSettings::SetHeaderColorTo(TColor Value) { SetHeaderColorField(FHeaderColorTo, Value); }
void TSortSettings::SetHeaderMirrorColor(TColor Value) { SetHeaderColorField(FHeaderMirrorColor, Value); }
void TSortSettings::SetHeaderMirrorColorTo(TColor Value) { SetHeaderColorField(FHeaderMirrorColorTo, Value); }

void TSortSettings::SetUpGlyph(TBitmap* Value) { FUpGlyph->Assign(Value); }
void TSortSettings::SetDownGlyph(TBitmap* Value) { FDownGlyph->Assign(Value); }
void TSortSettings::SetIndexUpGlyph(TBitmap* Value) { FIndexUpGlyph->Assign(Value); }
void TSortSettings::SetIndexDownGlyph(TBitmap* Value) { FIndexDownGlyph->Assign(Value); }

std::string TSortSettings::SaveToString() const {
  if (FIndexShow) return "i;" + (FOwner != nullptr ? FOwner->SortIndexes()->SaveToString() : std::string());
  return (FDirection == sdDescending ? "d" : "u") + std::to_string(FColumn);
}

void TSortSettings::LoadFromString(const std::string& Value) {
  if (Value.empty()) return;
  SetShow(true);
  if (Value.size() < 2) throw Exception("Invalid sort settings specifier");
  if (Value.find("i;") == std::string::npos) {
    FIndexShow = false;
    FDirection = Value.find('u') != std::string::npos ? sdAscending : sdDescending;
    int32_t column = 0;
    if (Val(Value.substr(1), column) == 0) {
      FColumn = column;
      if (FOwner != nullptr) FOwner->QSort();
    }
    return;
  }
  FIndexShow = true;
  const std::string rest = Value.substr(2);
  if (rest.empty() || FOwner == nullptr) return;
  FOwner->SortIndexes()->LoadFromString(rest);
  FOwner->QSortIndexed();
}

void TSortSettings::Remove() {
  FColumn = -1;
  if (FOwner == nullptr) return;
  FOwner->SortIndexes()->Clear();
  if (FOwner->FixedRows() > 0) FOwner->RepaintRow(FOwner->FixedRows() - 1);
}

void TSortSettings::ToggleDirection() { FDirection = FDirection == sdAscending ? sdDescending : sdAscending; }

// ---------------------------------------------------------------------------
// Comparisons of grid rows

int TDedAdararAdoz::CompareCells(int ACol, int Row1, bool Descending, int Row2) {
  TSortRun run(*this, std::vector<int>{Row1, Row2});
  return run.CompareCells(ACol, 0, Descending, 1);
}

int TDedAdararAdoz::CompareRows(int ACol, int Row1, int Row2) {
  TSortRun run(*this, std::vector<int>{Row1, Row2});
  return run.CompareRows(ACol, 0, 1);
}

int TDedAdararAdoz::CompareRowsIndexed(int Index, int Row1, int Row2) {
  TSortRun run(*this, std::vector<int>{Row1, Row2});
  return run.CompareRowsIndexed(Index, 0, 1);
}

// What ssImages and ssCheckBox compare until the cell graphics answer them.
int TDedAdararAdoz::SortImageIndex(int ACol, int ARow) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr) return -1;
  switch (g->CellType) {
    case ctImageList:
    case ctDataImage:
      return g->CellIndex;
    default:
      return -1;
  }
}

bool TDedAdararAdoz::SortCheckState(int ACol, int ARow) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (g == nullptr) return false;
  switch (g->CellType) {
    case ctDataCheckBox: {
      std::string checked = FCheckTrue;
      GetCheckTrue(ACol, ARow, checked);
      return GetCellEx(ACol, ARow) == checked;
    }
    case ctRowCheckBox:
      return ARow >= FixedRows() && RowSelect(RowFlagIndex(ARow));
    case ctTriStateCheckBox:
      return g->CellCheckBoxState == cbChecked;
    case ctCheckBox:
    case ctVirtCheckBox:
      return g->CellBoolean;
    default:
      return false;
  }
}

// ---------------------------------------------------------------------------
// Moving rows

namespace {

// Entry First + k of a per-row list takes what entry Order[k] held; entries
// past the list's end read as 0.
void PermuteIntList(TIntList* List, int First, const std::vector<int>& Order) {
  if (List->Count() <= First) return;
  // Without a listener nothing tells the notices apart: all at once.
  if (!List->OnChange) return List->PermuteItems(First, Order);
  const int n = static_cast<int>(Order.size());
  std::vector<int> moved(Order.size());
  for (int k = 0; k < n; ++k) {
    const int from = Order[static_cast<size_t>(k)];
    moved[static_cast<size_t>(k)] = from < List->Count() ? List->Items(from) : 0;
  }
  while (List->Count() < First + n) List->Add(0);
  for (int k = 0; k < n; ++k) List->SetItems(First + k, moved[static_cast<size_t>(k)]);
}

void SwapIntListItems(TIntList* List, int A, int B) {
  const int hi = std::max(A, B);
  if (List->Count() <= std::min(A, B)) return;
  while (List->Count() <= hi) List->Add(0);
  const int v = List->Items(A);
  List->SetItems(A, List->Items(B));
  List->SetItems(B, v);
}

}  // namespace

void TDedAdararAdoz::ApplyRowOrder(int First, const std::vector<int>& Order, int SortCol) {
  const int n = static_cast<int>(Order.size());
  if (n == 0) return;
  // The cross-reference follows the rows in either mode.
  if (FSortRowXRef->Count() >= First + n) PermuteIntList(FSortRowXRef.get(), First, Order);

  if (SortCol >= 0) {
    // Only the sort column moves: its stored texts and object slots.
    std::vector<std::string> texts(Order.size());
    std::vector<TCellProperties*> slots(Order.size());
    for (int k = 0; k < n; ++k) {
      texts[static_cast<size_t>(k)] = GetGridCell(SortCol, Order[static_cast<size_t>(k)]);
      slots[static_cast<size_t>(k)] = GetGridObject(SortCol, Order[static_cast<size_t>(k)]);
    }
    for (int k = 0; k < n; ++k) {
      SetGridCell(SortCol, First + k, texts[static_cast<size_t>(k)]);
      TCellProperties* props = slots[static_cast<size_t>(k)];
      if (props != nullptr) props->SetOwnerRow(First + k);
      SetGridObject(SortCol, First + k, props);
    }
    InvalidateGrid();
    return;
  }

  // Where each moved row lands.
  std::vector<int> landing(Order.size());
  for (int k = 0; k < n; ++k) landing[static_cast<size_t>(Order[static_cast<size_t>(k)] - First)] = First + k;

  PermuteRows(First, Order);
  if (SlotsUsed()) {
    const int cols = TotalColCount();
    for (int r = First; r < First + n; ++r)
      for (int c = 0; c < cols; ++c)
        if (TCellProperties* props = GetGridObject(c, r)) props->SetOwnerRow(r);
  }

  PermuteIntList(FModifiedRows.get(), First, Order);
  PermuteIntList(FDisabledRows.get(), First, Order);

  if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort()) {
    // Flags are kept by display row, or by real row when persistent.
    std::vector<uint8_t> moved(Order.size());
    int top = 0;
    for (int k = 0; k < n; ++k) {
      const int from = RowFlagIndex(Order[static_cast<size_t>(k)]);
      moved[static_cast<size_t>(k)] =
          from < static_cast<int>(FRowSelect.size()) ? FRowSelect[static_cast<size_t>(from)] : 0;
      top = std::max(top, RowFlagIndex(First + k) + 1);
    }
    GrowFlags(FRowSelect, top);
    for (int k = 0; k < n; ++k)
      FRowSelect[static_cast<size_t>(RowFlagIndex(First + k))] = moved[static_cast<size_t>(k)];
    if (FSelectedRows->Count() > 0) {
      std::vector<int> to(FRowSelect.size(), -1);
      for (int k = 0; k < n; ++k)
        to[static_cast<size_t>(RowFlagIndex(Order[static_cast<size_t>(k)]))] = RowFlagIndex(First + k);
      for (int i = 0; i < FSelectedRows->Count(); ++i) {
        const int v = FSelectedRows->Items(i);
        if (v >= 0 && v < static_cast<int>(to.size()) && to[static_cast<size_t>(v)] >= 0)
          FSelectedRows->SetItems(i, to[static_cast<size_t>(v)]);
      }
    }
  }

  // Controls placed in cells stay with their rows (kept by real row).
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (IsHiddenRow(item->Y())) continue;
    const int row = DisplRowIndex(item->Y());
    if (row >= First && row < First + n) item->SetY(RealRowIndex(landing[static_cast<size_t>(row - First)]));
  }

  if (FSortRow >= First && FSortRow < First + n) FSortRow = landing[static_cast<size_t>(FSortRow - First)];
  if (FControlList->Count() > 0) CellControlsUpdate(false);
  InvalidateGrid();
}

void TDedAdararAdoz::SortSwapRows(int ARow1, int ARow2) {
  ++FSwaps;
  if (ARow1 < FSortRowXRef->Count() && ARow2 < FSortRowXRef->Count())
    SwapIntListItems(FSortRowXRef.get(), ARow1, ARow2);
  if (ARow1 == ARow2) return;
  if (FSortSettings->SingleColumn()) {
    // The stored texts: the shown ones would replace the values.
    const int c = FSortSettings->Column();
    if (c < 0) return;
    const std::string t1 = GetGridCell(c, ARow1);
    TCellProperties* p1 = GetGridObject(c, ARow1);
    TCellProperties* p2 = GetGridObject(c, ARow2);
    SetGridCell(c, ARow1, GetGridCell(c, ARow2));
    SetGridCell(c, ARow2, t1);
    if (p1 != nullptr) p1->SetOwnerRow(ARow2);
    if (p2 != nullptr) p2->SetOwnerRow(ARow1);
    SetGridObject(c, ARow1, p2);
    SetGridObject(c, ARow2, p1);
    return;
  }
  ExchangeRows(ARow1, ARow2);
  const int cols = TotalColCount();
  for (int c = 0; c < cols; ++c) {
    if (TCellProperties* p = GetGridObject(c, ARow1)) p->SetOwnerRow(ARow1);
    if (TCellProperties* p = GetGridObject(c, ARow2)) p->SetOwnerRow(ARow2);
  }
  SwapIntListItems(FModifiedRows.get(), ARow1, ARow2);
  SwapIntListItems(FDisabledRows.get(), ARow1, ARow2);
  if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort()) {
    const int f1 = RowFlagIndex(ARow1), f2 = RowFlagIndex(ARow2);
    GrowFlags(FRowSelect, std::max(f1, f2) + 1);
    std::swap(FRowSelect[static_cast<size_t>(f1)], FRowSelect[static_cast<size_t>(f2)]);
    for (int i = 0; i < FSelectedRows->Count(); ++i) {
      const int v = FSelectedRows->Items(i);
      if (v == f1)
        FSelectedRows->SetItems(i, f2);
      else if (v == f2)
        FSelectedRows->SetItems(i, f1);
    }
  }
  const int real1 = RealRowIndex(ARow1), real2 = RealRowIndex(ARow2);
  for (int i = 0; i < FControlList->Count(); ++i) {
    TControlItem* item = FControlList->GetControl(i);
    if (item->Y() == real1)
      item->SetY(real2);
    else if (item->Y() == real2)
      item->SetY(real1);
  }
  if (FSortRow == ARow1)
    FSortRow = ARow2;
  else if (FSortRow == ARow2)
    FSortRow = ARow1;
  InvalidateRow(ARow1);
  InvalidateRow(ARow2);
}

// ---------------------------------------------------------------------------
// The sorts

namespace {

// Column 0 of a grid that keeps its first fixed column while rows move.
class TFixedColumnKeeper {
 public:
  TFixedColumnKeeper(TDedAdararAdoz& Grid, bool Keep) : grid_(Grid) {
    if (!Keep) return;
    const int rows = grid_.RowCount();
    texts_.reserve(static_cast<size_t>(rows));
    for (int r = 0; r < rows; ++r) {
      texts_.push_back(grid_.GetGridCell(0, r));
      slots_.push_back(grid_.GetGridObject(0, r));
    }
  }
  void PutBack() {
    for (size_t r = 0; r < texts_.size(); ++r) {
      const int row = static_cast<int>(r);
      grid_.SetGridCell(0, row, texts_[r]);
      if (slots_[r] != nullptr) slots_[r]->SetOwnerRow(row);
      grid_.SetGridObject(0, row, slots_[r]);
    }
  }

 private:
  TDedAdararAdoz& grid_;
  std::vector<std::string> texts_;
  std::vector<TCellProperties*> slots_;
};

}  // namespace

void TDedAdararAdoz::SortNormalRows(bool Indexed) {
  const int first = FixedRows();
  const int last = RowCount() - FFixedFooters - 1;
  const int oldTop = TopRow();
  const int oldRow = Row();
  const bool moveRow = FNavigation->MoveRowOnSort();
  if (!Indexed) FSortDir = FSortSettings->Direction() == sdDescending ? -1 : 1;
  FSortRow = oldRow;
  const int single = FSortSettings->SingleColumn() ? FSortSettings->Column() : -1;

  if (last > first) {
    // The order is decided without touching the grid: a comparison event
    // that raises leaves every row where it was.
    TSortRun run(*this, first, last - first + 1);
    const std::vector<int> order =
        Indexed ? run.SortIndexed(single) : run.SortOnColumn(FSortSettings->Column(), single);
    TFixedColumnKeeper column0(*this, FSortSettings->NormalCellsOnly() && FixedCols() > 0 && single < 0);
    ApplyRowOrder(first, order, single);
    column0.PutBack();
  }

  if (Indexed || !FMouseActions->DisjunctRowSelect()) {
    if (moveRow) {
      FOldRowSel = -1;
      SetRow(std::clamp(FSortRow, 0, RowCount() - 1));
    } else {
      SetRow(oldRow);
    }
  }
  if (!Indexed && !moveRow && OnRowChanged) OnRowChanged(this, oldRow, Row());
  if (FNavigation->KeepScrollOnSort()) SetTopRow(oldTop);
  InvalidateGrid();
  if (FFooterPanel != nullptr && FFloatingFooter->Visible()) FFooterPanel->Invalidate();
  if (!Indexed && FSearchPanel != nullptr && FSearchFooter->Visible()) FSearchPanel->Invalidate();
}

void TDedAdararAdoz::QSort() {
  if (FSortSettings->Column() < 0) return;
  if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
  FSortIndexes->Clear();
  SortNormalRows(false);
}

void TDedAdararAdoz::QSortIndexed() {
  if (FSortIndexes->Count() == 0) throw EDivUzevError("No indexes specified for indexed sort");
  if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
  SortNormalRows(true);
}

void TDedAdararAdoz::Sort(int Column, TSortDirection Direction) {
  FSortSettings->SetColumn(Column);
  FSortSettings->SetDirection(Direction);
  QSort();
}

void TDedAdararAdoz::SortByColumn(int Col) {
  FSortSettings->SetColumn(Col);
  if (RowCount() > 1) QSort();
}

void TDedAdararAdoz::QuickSort(int Col, int Left, int Right) {
  Left = std::max(Left, 0);
  Right = std::min(Right, RowCount() - 1);
  if (Col < 0 || Right <= Left) return;
  FSortDir = FSortSettings->Direction() == sdDescending ? -1 : 1;
  const int single = FSortSettings->SingleColumn() ? FSortSettings->Column() : -1;
  TSortRun run(*this, Left, Right - Left + 1);
  ApplyRowOrder(Left, run.SortOnColumn(Col, single), single);
}

void TDedAdararAdoz::QuickSortIndexed(int Left, int Right) {
  Left = std::max(Left, 0);
  Right = std::min(Right, RowCount() - 1);
  if (Right <= Left) return;
  const int single = FSortSettings->SingleColumn() ? FSortSettings->Column() : -1;
  TSortRun run(*this, Left, Right - Left + 1);
  ApplyRowOrder(Left, run.SortIndexed(single), single);
}

bool TDedAdararAdoz::SortLine(int Col, int ARow1, int ARow2) {
  const int last = TotalColCount() - 1;
  for (;;) {
    const int r = CompareCells(Col, ARow1, FSortSettings->Direction() == sdDescending, ARow2);
    if (r == FSortDir) {
      SortSwapRows(ARow1, ARow2);
      return true;
    }
    if (r != 0 || Col >= last) return false;
    ++Col;
  }
}

// ---------------------------------------------------------------------------
// Sorting inside node groups

namespace {

bool IsGroupNode(TDedAdararAdoz& G, int ARow) { return G.GetCellType(0, ARow) == ctNode; }

int NodeLevelOf(TDedAdararAdoz& G, int ARow) {
  return G.HasCellProperties(0, ARow) ? G.GetGridObject(0, ARow)->NodeLevel() : 0;
}

// Rows the node covers with its own; 0 or less in the graphic means up to
// the next node row.
int NodeSpan(TDedAdararAdoz& G, int ARow, int Last) {
  const TCellGraphic* g = G.GetCellGraphic(0, ARow);
  if (g != nullptr && g->CellIndex > 0) return g->CellIndex;
  int r = ARow + 1;
  while (r <= Last && !IsGroupNode(G, r)) ++r;
  return r - ARow;
}

bool NodeExpanded(TDedAdararAdoz& G, int ARow) {
  const TCellGraphic* g = G.GetCellGraphic(0, ARow);
  return g != nullptr && !g->CellBoolean;
}

}  // namespace

void TDedAdararAdoz::SortGroups(bool Indexed) {
  if (FSortRowXRef->Count() != RowCount()) InitSortXRef();
  const int first = FixedRows();
  const int last = RowCount() - FFixedFooters - 1;
  const int oldTop = TopRow();
  const int oldRow = Row();
  if (!Indexed) FSortDir = FSortSettings->Direction() == sdDescending ? -1 : 1;
  FSortRow = oldRow;
  const int single = FSortSettings->SingleColumn() ? FSortSettings->Column() : -1;

  int deepest = -1;
  for (int r = first; r <= last; ++r)
    if (IsGroupNode(*this, r)) deepest = std::max(deepest, NodeLevelOf(*this, r));

  TFixedColumnKeeper column0(*this, FSortSettings->NormalCellsOnly() && FixedCols() > 0 && single < 0);
  for (int n = first; n <= last && deepest >= 0; ++n) {
    if (!IsGroupNode(*this, n) || NodeLevelOf(*this, n) != deepest || !NodeExpanded(*this, n)) continue;
    const int span = NodeSpan(*this, n, last);
    if (span <= 2) continue;
    const int from = n + 1;
    const int to = std::min(n + span - 1, last);
    if (to <= from) continue;
    TSortRun run(*this, from, to - from + 1);
    ApplyRowOrder(from, Indexed ? run.SortIndexed(single) : run.SortOnColumn(FSortSettings->Column(), single),
                  single);
  }
  column0.PutBack();

  SetRow(std::clamp(FNavigation->MoveRowOnSort() ? FSortRow : oldRow, 0, RowCount() - 1));
  if (FNavigation->KeepScrollOnSort()) SetTopRow(oldTop);
  InvalidateGrid();
}

void TDedAdararAdoz::QSortGroup() {
  if (FSortSettings->Column() < 0) return;
  SortGroups(false);
}

void TDedAdararAdoz::QSortGroupIndexed() {
  if (FSortIndexes->Count() == 0) throw EDivUzevError("No indexes specified for indexed sort");
  SortGroups(true);
}

// ---------------------------------------------------------------------------
// Undoing sorts

void TDedAdararAdoz::InitSortXRef() {
  FSortRowXRef->Clear();
  for (int r = 0; r < RowCount(); ++r) FSortRowXRef->Add(r);
}

void TDedAdararAdoz::QUnSort() {
  // Rows added or removed since the first sort: that order cannot come back.
  if (FSortRowXRef->Count() != RowCount()) return;
  const int n = FSortRowXRef->Count();
  FUnSortRowXRef->Clear();
  for (int i = 0; i < n; ++i) FUnSortRowXRef->Add(FSortRowXRef->Items(i));
  // Position p takes the row whose unsorted index is the p-th smallest.
  std::vector<int> order(static_cast<size_t>(n));
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [this](int a, int b) { return FUnSortRowXRef->Items(a) < FUnSortRowXRef->Items(b); });
  TFixedColumnKeeper column0(*this, FSortSettings->NormalCellsOnly() && FixedCols() > 0);
  const bool single = FSortSettings->SingleColumn();
  ApplyRowOrder(0, order, single ? FSortSettings->Column() : -1);
  column0.PutBack();
  InitSortXRef();
  FUnSortRowXRef->Clear();
  for (int i = 0; i < n; ++i) FUnSortRowXRef->Add(i);
}

int TDedAdararAdoz::SortedRowIndex(int ARow) {
  const int v = ARow >= 0 && ARow < FSortRowXRef->Count() ? FSortRowXRef->Items(ARow) : ARow;
  return RealRowIndex(v);
}

int TDedAdararAdoz::UnSortedRowIndex(int ARow) {
  if (FSortRowXRef->Count() == 0) return ARow;
  const int i = FSortRowXRef->IndexOf(ARow);
  return i >= 0 ? i : FSortRowXRef->Count();
}

std::string TDedAdararAdoz::GetUnSortedCell(int ACol, int ARow) {
  const int pos = ARow >= FSortRowXRef->Count() ? ARow : UnSortedRowIndex(ARow);
  return GetCellEx(ACol, pos);
}

void TDedAdararAdoz::SetUnSortedCell(int ACol, int ARow, const std::string& Value) {
  const int pos = ARow >= FSortRowXRef->Count() ? ARow : UnSortedRowIndex(ARow);
  SetCellEx(ACol, pos, Value);
}
