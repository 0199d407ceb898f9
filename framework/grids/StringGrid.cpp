// TCustomDrawGrid (events for the hooks) and TStringGrid (sparse cells).
#include <algorithm>

#include "framework/grids/Grids.h"

namespace {
const std::string kEmpty;

[[noreturn]] void IndexError() { throw EInvalidGridOperation("Grid index out of range"); }

// Moves element FromIndex of a stored line to ToIndex, growing the line when
// either end lies past what it stores.
template <typename T>
void MoveInLine(std::vector<T>& Line, int FromIndex, int ToIndex) {
  size_t need = static_cast<size_t>(std::max(FromIndex, ToIndex)) + 1;
  if (Line.size() <= static_cast<size_t>(std::min(FromIndex, ToIndex))) return;
  if (Line.size() < need) Line.resize(need);
  auto first = Line.begin();
  if (FromIndex < ToIndex)
    std::rotate(first + FromIndex, first + FromIndex + 1, first + ToIndex + 1);
  else
    std::rotate(first + ToIndex, first + FromIndex, first + FromIndex + 1);
}
}  // namespace

// ---- TCustomDrawGrid ----

TCustomDrawGrid::TCustomDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow) {
  bool can = true;
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

void TCustomDrawGrid::ColumnMoved(int FromIndex, int ToIndex) {
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomDrawGrid::RowMoved(int FromIndex, int ToIndex) {
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

std::string TCustomDrawGrid::GetEditMask(int ACol, int ARow) {
  std::string s;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, s);
  return s;
}

std::string TCustomDrawGrid::GetEditText(int ACol, int ARow) {
  std::string s;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, s);
  return s;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

// ---- TStringGrid ----

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

TStringGrid::~TStringGrid() = default;

void TStringGrid::CheckIndex(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) IndexError();
}

const std::string& TStringGrid::Cells(int ACol, int ARow) const {
  CheckIndex(ACol, ARow);
  if (static_cast<size_t>(ARow) >= texts_.size()) return kEmpty;
  const auto& line = texts_[static_cast<size_t>(ARow)];
  if (static_cast<size_t>(ACol) >= line.size()) return kEmpty;
  return line[static_cast<size_t>(ACol)];
}

void TStringGrid::SetCells(int ACol, int ARow, const std::string& Value) {
  CheckIndex(ACol, ARow);
  if (static_cast<size_t>(ARow) >= texts_.size()) {
    // Writing nothing into a cell that holds nothing stores nothing.
    if (Value.empty()) return;
    texts_.resize(static_cast<size_t>(ARow) + 1);
  }
  auto& line = texts_[static_cast<size_t>(ARow)];
  if (static_cast<size_t>(ACol) >= line.size()) {
    if (Value.empty()) return;
    line.resize(std::max(static_cast<size_t>(ACol) + 1, static_cast<size_t>(ColCount())));
  }
  if (line[static_cast<size_t>(ACol)] == Value) return;
  line[static_cast<size_t>(ACol)] = Value;
  InvalidateCell(ACol, ARow);
  // The editor over this cell shows the new text, unless it wrote it.
  if (updatingEdit_ == 0 && ACol == InplaceCol() && ARow == InplaceRow()) InvalidateEditor();
}

TObject* TStringGrid::Objects(int ACol, int ARow) const {
  CheckIndex(ACol, ARow);
  if (static_cast<size_t>(ARow) >= objects_.size()) return nullptr;
  const auto& line = objects_[static_cast<size_t>(ARow)];
  if (static_cast<size_t>(ACol) >= line.size()) return nullptr;
  return line[static_cast<size_t>(ACol)];
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) {
  CheckIndex(ACol, ARow);
  if (static_cast<size_t>(ARow) >= objects_.size()) {
    if (Value == nullptr) return;
    objects_.resize(static_cast<size_t>(ARow) + 1);
  }
  auto& line = objects_[static_cast<size_t>(ARow)];
  if (static_cast<size_t>(ACol) >= line.size()) {
    if (Value == nullptr) return;
    line.resize(std::max(static_cast<size_t>(ACol) + 1, static_cast<size_t>(ColCount())), nullptr);
  }
  line[static_cast<size_t>(ACol)] = Value;
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing()) {
    const std::string& s = Cells(ACol, ARow);
    if (!s.empty()) Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, s);
  }
  TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  for (auto& line : texts_) MoveInLine(line, FromIndex, ToIndex);
  for (auto& line : objects_) MoveInLine(line, FromIndex, ToIndex);
  TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
  MoveInLine(texts_, FromIndex, ToIndex);
  MoveInLine(objects_, FromIndex, ToIndex);
  TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::PermuteRows(int First, const std::vector<int>& Order) {
  TDrawGrid::PermuteRows(First, Order);  // checks the order
  const size_t first = static_cast<size_t>(First);
  auto permute = [&](auto& Lines) {
    // Rows past the stored ones hold nothing to move.
    if (Lines.size() <= first) return;
    Lines.resize(std::max(Lines.size(), first + Order.size()));
    std::remove_reference_t<decltype(Lines)> moved(Order.size());
    for (size_t k = 0; k < Order.size(); ++k) moved[k] = std::move(Lines[static_cast<size_t>(Order[k])]);
    std::move(moved.begin(), moved.end(), Lines.begin() + static_cast<std::ptrdiff_t>(first));
  };
  permute(texts_);
  permute(objects_);
}

void TStringGrid::ExchangeRows(int ARow1, int ARow2) {
  TDrawGrid::ExchangeRows(ARow1, ARow2);
  if (ARow1 == ARow2) return;
  auto exchange = [&](auto& Lines) {
    const size_t hi = static_cast<size_t>(std::max(ARow1, ARow2));
    if (Lines.size() <= static_cast<size_t>(std::min(ARow1, ARow2))) return;
    if (Lines.size() <= hi) Lines.resize(hi + 1);
    std::swap(Lines[static_cast<size_t>(ARow1)], Lines[static_cast<size_t>(ARow2)]);
  };
  exchange(texts_);
  exchange(objects_);
}

void TStringGrid::DeleteColumn(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) IndexError();
  if (ColCount() > 1) {
    HideEditor();
    for (auto& line : texts_)
      if (static_cast<size_t>(ACol) < line.size()) line.erase(line.begin() + ACol);
    for (auto& line : objects_)
      if (static_cast<size_t>(ACol) < line.size()) line.erase(line.begin() + ACol);
  }
  TDrawGrid::DeleteColumn(ACol);
}

void TStringGrid::DeleteRow(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) IndexError();
  if (RowCount() > 1) {
    HideEditor();
    if (static_cast<size_t>(ARow) < texts_.size()) texts_.erase(texts_.begin() + ARow);
    if (static_cast<size_t>(ARow) < objects_.size()) objects_.erase(objects_.begin() + ARow);
  }
  TDrawGrid::DeleteRow(ARow);
}

void TStringGrid::DeleteRowRange(int ARow, int Count) {
  if (ARow < 0 || ARow >= RowCount()) IndexError();
  Count = std::min(Count, std::min(RowCount() - ARow, RowCount() - 1));
  if (Count > 0) {
    HideEditor();
    auto cut = [&](auto& Lines) {
      const size_t from = std::min(Lines.size(), static_cast<size_t>(ARow));
      const size_t to = std::min(Lines.size(), static_cast<size_t>(ARow) + static_cast<size_t>(Count));
      Lines.erase(Lines.begin() + static_cast<std::ptrdiff_t>(from),
                  Lines.begin() + static_cast<std::ptrdiff_t>(to));
    };
    cut(texts_);
    cut(objects_);
  }
  TDrawGrid::DeleteRowRange(ARow, Count);
}

void TStringGrid::InsertRowRange(int ARow, int Count) {
  if (ARow < 0 || ARow > RowCount()) IndexError();
  if (Count > 0) {
    auto open = [&](auto& Lines) {
      if (static_cast<size_t>(ARow) < Lines.size())
        Lines.insert(Lines.begin() + ARow, static_cast<size_t>(Count), {});
    };
    open(texts_);
    open(objects_);
  }
  TDrawGrid::InsertRowRange(ARow, Count);
}

std::string TStringGrid::GetEditText(int ACol, int ARow) {
  std::string s = Cells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, s);
  return s;
}

void TStringGrid::SetEditText(int ACol, int ARow, const std::string& Value) {
  ++updatingEdit_;
  struct Done {
    int& n;
    ~Done() { --n; }
  } done{updatingEdit_};
  SetCells(ACol, ARow, Value);
  TDrawGrid::SetEditText(ACol, ARow, Value);
}

TStrings* TStringGrid::LineList(bool IsColumn, int Index) {
  if (Index < 0) IndexError();
  for (auto& l : lists_)
    if (l->IsColumn() == IsColumn && l->Index() == Index) return l.get();
  lists_.push_back(std::make_unique<TStringGridStrings>(this, IsColumn, Index));
  return lists_.back().get();
}

TStrings* TStringGrid::Cols(int Index) { return LineList(true, Index); }
TStrings* TStringGrid::Rows(int Index) { return LineList(false, Index); }

void TStringGrid::SetCols(int Index, TStrings* Value) { Cols(Index)->Assign(Value); }
void TStringGrid::SetRows(int Index, TStrings* Value) { Rows(Index)->Assign(Value); }

// ---- TStringGridStrings ----

TStringGridStrings::TStringGridStrings(TStringGrid* Grid, bool IsColumn, int Index)
    : grid_(Grid), isColumn_(IsColumn), index_(Index) {}

int TStringGridStrings::Count() const { return isColumn_ ? grid_->RowCount() : grid_->ColCount(); }

std::string TStringGridStrings::Strings(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
  return isColumn_ ? grid_->Cells(index_, Index) : grid_->Cells(Index, index_);
}

void TStringGridStrings::SetStrings(int Index, const std::string& S) {
  if (Index < 0 || Index >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
  if (isColumn_)
    grid_->SetCells(index_, Index, S);
  else
    grid_->SetCells(Index, index_, S);
}

TObject* TStringGridStrings::Objects(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
  return isColumn_ ? grid_->Objects(index_, Index) : grid_->Objects(Index, index_);
}

void TStringGridStrings::SetObjects(int Index, TObject* AObject) {
  if (Index < 0 || Index >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
  if (isColumn_)
    grid_->SetObjects(index_, Index, AObject);
  else
    grid_->SetObjects(Index, index_, AObject);
}

int TStringGridStrings::Add(const std::string& S) { return AddObject(S, nullptr); }

int TStringGridStrings::AddObject(const std::string& S, TObject* AObject) {
  // A line of a grid has a fixed length: adding fills its first empty cell.
  for (int i = 0; i < Count(); ++i) {
    if (Strings(i).empty() && Objects(i) == nullptr) {
      SetStrings(i, S);
      SetObjects(i, AObject);
      return i;
    }
  }
  return -1;
}

void TStringGridStrings::InsertObject(int, const std::string&, TObject*) {
  throw EInvalidGridOperation("Cannot insert or delete rows from grid");
}

void TStringGridStrings::Delete(int) {
  throw EInvalidGridOperation("Cannot insert or delete rows from grid");
}

void TStringGridStrings::Clear() {
  for (int i = 0; i < Count(); ++i) {
    SetStrings(i, "");
    SetObjects(i, nullptr);
  }
}
