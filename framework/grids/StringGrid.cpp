// TCustomDrawGrid (events for the hooks) and TStringGrid (sparse cells).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "framework/grids/Grids.h"

namespace {
const std::string kEmpty;

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

void TStringGrid::IndexError() { throw EInvalidGridOperation("Grid index out of range"); }

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

TStringGrid::~TStringGrid() = default;

const std::string& TStringGrid::NoText() { return kEmpty; }

void TStringGrid::SetCellOutside(int ACol, int ARow, const std::string& Value) {
  // Writing nothing into a cell that holds nothing stores nothing.
  if (Value.empty()) return;
  const auto col = static_cast<size_t>(ACol), row = static_cast<size_t>(ARow);
  // Making room may move the texts: a value read from another cell is
  // copied first.
  const std::string* data = texts_.data();
  if (std::less_equal<const std::string*>()(data, &Value) &&
      std::less<const std::string*>()(&Value, data + texts_.size())) {
    const std::string copy = Value;
    MakeRoom(col, row);
    texts_[row * stride_ + col] = copy;
  } else {
    MakeRoom(col, row);
    texts_[row * stride_ + col] = Value;
  }
  CellTextChanged(ACol, ARow);
}

void TStringGrid::CellTextChanged(int ACol, int ARow) {
  InvalidateCell(ACol, ARow);
  // The editor over this cell shows the new text, unless it wrote it.
  if (updatingEdit_ == 0 && ACol == InplaceCol() && ARow == InplaceRow()) InvalidateEditor();
}

void TStringGrid::MakeRoom(size_t ACol, size_t ARow) {
  if (ACol >= stride_) Restride(std::max(ACol + 1, static_cast<size_t>(ColCount())));
  if (ARow >= rows_) GrowRows(ARow + 1);
}

void TStringGrid::Restride(size_t Stride) {
  const size_t held = HeldRows();
  if (held == 0) {
    stride_ = Stride;
    texts_.clear();
    return;
  }
  std::vector<std::string> wider;
  wider.reserve(texts_.capacity() / stride_ * Stride);
  wider.resize(texts_.size() / stride_ * Stride);
  for (size_t r = 0; r < held; ++r)
    std::move(texts_.begin() + static_cast<std::ptrdiff_t>(r * stride_),
              texts_.begin() + static_cast<std::ptrdiff_t>((r + 1) * stride_),
              wider.begin() + static_cast<std::ptrdiff_t>(r * Stride));
  texts_.swap(wider);
  stride_ = Stride;
}

void TStringGrid::GrowRows(size_t Rows) {
  if (parked_ > 0) {
    // The rows up to the parked ones are there; past them the parked rows
    // move down, with room to spare, so that a grid growing a row at a time
    // does not move them for each row.
    if (Rows > parkBase_) {
      const size_t more = std::max(Rows - parkBase_, parkBase_ / 2 + 16);
      texts_.insert(texts_.begin() + static_cast<std::ptrdiff_t>(parkBase_ * stride_), more * stride_,
                    std::string());
      parkBase_ += more;
    }
    rows_ = Rows;
    return;
  }
  const size_t need = Rows * stride_;
  if (need > texts_.capacity()) {
    // Room for every row the grid has at once (untouched room costs no
    // memory), and never less than twice the rows stored: a grid that grows
    // a row at a time (a reader appending rows) must not move every text
    // for each new row.
    const auto counted = static_cast<size_t>(RowCount());
    texts_.reserve(std::max({Rows, counted, 2 * rows_}) * stride_);
  }
  // Empty rows are made ahead, twice as many each time, within that room
  // (rows past rows_ always hold nothing).
  if (need > texts_.size())
    texts_.resize(std::min(texts_.capacity() / stride_ * stride_, std::max(need, 2 * texts_.size())));
  rows_ = Rows;
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
  const auto lo = static_cast<size_t>(std::min(FromIndex, ToIndex));
  const auto hi = static_cast<size_t>(std::max(FromIndex, ToIndex));
  if (rows_ > 0 && lo < stride_) {
    if (hi >= stride_) Restride(hi + 1);
    for (size_t r = 0; r < rows_; ++r) {
      auto first = texts_.begin() + static_cast<std::ptrdiff_t>(r * stride_);
      if (FromIndex < ToIndex)
        std::rotate(first + FromIndex, first + FromIndex + 1, first + ToIndex + 1);
      else
        std::rotate(first + ToIndex, first + FromIndex, first + FromIndex + 1);
    }
  }
  for (auto& line : objects_) MoveInLine(line, FromIndex, ToIndex);
  TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
  const auto lo = static_cast<size_t>(std::min(FromIndex, ToIndex));
  const auto hi = static_cast<size_t>(std::max(FromIndex, ToIndex));
  if (rows_ > lo) {
    if (rows_ <= hi) GrowRows(hi + 1);
    const auto s = static_cast<std::ptrdiff_t>(stride_);
    auto first = texts_.begin();
    if (FromIndex < ToIndex)
      std::rotate(first + FromIndex * s, first + (FromIndex + 1) * s, first + (ToIndex + 1) * s);
    else
      std::rotate(first + ToIndex * s, first + FromIndex * s, first + (FromIndex + 1) * s);
  }
  MoveInLine(objects_, FromIndex, ToIndex);
  TDrawGrid::RowMoved(FromIndex, ToIndex);
}

namespace {
// Position First + k takes what position Order[k] held. The cycles of the
// order are followed in place, one element held aside per cycle, so no
// second copy of the rows is built (a big table would fault in all of its
// pages again). A cycle's positions are listed first, so that the rows
// further along it can be fetched ahead (Prefetch) while the nearer ones
// move: a sorted big table is one long cycle through memory.
template <typename FMove, typename FPark, typename FUnpark, typename FPrefetch>
void PermuteInPlace(size_t First, const std::vector<int>& Order, FMove Move, FPark Park, FUnpark Unpark,
                    FPrefetch Prefetch) {
  constexpr size_t kAhead = 64;
  const size_t n = Order.size();
  std::vector<uint8_t> done(n, 0);
  std::vector<size_t> cycle;
  for (size_t k = 0; k < n; ++k) {
    if (done[k]) continue;
    done[k] = 1;
    size_t src = static_cast<size_t>(Order[k]) - First;
    if (src == k) continue;
    cycle.clear();
    cycle.push_back(k);
    while (src != k) {
      cycle.push_back(src);
      done[src] = 1;
      src = static_cast<size_t>(Order[src]) - First;
    }
    const size_t len = cycle.size();
    for (size_t i = 1; i < std::min(len, kAhead); ++i) Prefetch(First + cycle[i]);
    Park(First + k);
    for (size_t i = 1; i < len; ++i) {
      if (i + kAhead < len) Prefetch(First + cycle[i + kAhead]);
      Move(First + cycle[i], First + cycle[i - 1]);
    }
    Unpark(First + cycle[len - 1]);
  }
}
}  // namespace

void TStringGrid::PermuteRows(int First, const std::vector<int>& Order) {
  TDrawGrid::PermuteRows(First, Order);  // checks the order
  const size_t first = static_cast<size_t>(First);
  // Rows past the stored ones hold nothing to move.
  if (rows_ > first) {
    if (rows_ < first + Order.size()) GrowRows(first + Order.size());
    const size_t s = stride_;
    std::vector<std::string> parked(s);
    auto row = [this, s](size_t R) { return texts_.begin() + static_cast<std::ptrdiff_t>(R * s); };
    PermuteInPlace(
        first, Order, [&](size_t From, size_t To) { std::move(row(From), row(From) + s, row(To)); },
        [&](size_t R) { std::move(row(R), row(R) + s, parked.begin()); },
        [&](size_t R) { std::move(parked.begin(), parked.end(), row(R)); },
        [&](size_t R) {
          const char* p = reinterpret_cast<const char*>(&*row(R));
          const char* e = p + s * sizeof(std::string);
          for (; p < e; p += 64) __builtin_prefetch(p, 1);
          __builtin_prefetch(e - 1, 1);
        });
  }
  if (objects_.size() > first) {
    objects_.resize(std::max(objects_.size(), first + Order.size()));
    std::vector<TObject*> parked;
    PermuteInPlace(
        first, Order, [&](size_t From, size_t To) { objects_[To] = std::move(objects_[From]); },
        [&](size_t R) { parked = std::move(objects_[R]); },
        [&](size_t R) { objects_[R] = std::move(parked); }, [](size_t) {});
  }
}

void TStringGrid::MoveRowCells(int FromRow, int ToRow) {
  CheckIndex(0, FromRow);
  CheckIndex(0, ToRow);
  if (FromRow == ToRow) return;
  const auto from = static_cast<size_t>(FromRow), to = static_cast<size_t>(ToRow);
  if (from < rows_) {
    if (to >= rows_) GrowRows(to + 1);
    auto src = texts_.begin() + static_cast<std::ptrdiff_t>(from * stride_);
    auto dst = texts_.begin() + static_cast<std::ptrdiff_t>(to * stride_);
    for (size_t c = 0; c < stride_; ++c) {
      dst[static_cast<std::ptrdiff_t>(c)] = std::move(src[static_cast<std::ptrdiff_t>(c)]);
      src[static_cast<std::ptrdiff_t>(c)].clear();
    }
  } else if (to < rows_) {
    auto dst = texts_.begin() + static_cast<std::ptrdiff_t>(to * stride_);
    for (size_t c = 0; c < stride_; ++c) dst[static_cast<std::ptrdiff_t>(c)].clear();
  }
  if (from < objects_.size()) {
    if (to >= objects_.size()) objects_.resize(to + 1);
    objects_[to] = std::move(objects_[from]);
    objects_[from].clear();
  } else if (to < objects_.size()) {
    objects_[to].clear();
  }
}

void TStringGrid::ClearRowCells(int ARow) {
  CheckIndex(0, ARow);
  const auto row = static_cast<size_t>(ARow);
  if (row < rows_)
    for (size_t c = 0; c < stride_; ++c) texts_[row * stride_ + c].clear();
  if (row < objects_.size()) objects_[row].clear();
}

std::string TStringGrid::TakeCellText(int ACol, int ARow) {
  CheckIndex(ACol, ARow);
  const auto col = static_cast<size_t>(ACol), row = static_cast<size_t>(ARow);
  if (row >= rows_ || col >= stride_) return std::string();
  std::string s = std::move(texts_[row * stride_ + col]);
  texts_[row * stride_ + col].clear();
  return s;
}

void TStringGrid::PutCellText(int ACol, int ARow, std::string&& Value) {
  CheckIndex(ACol, ARow);
  const auto col = static_cast<size_t>(ACol), row = static_cast<size_t>(ARow);
  if (row >= rows_ || col >= stride_) {
    if (Value.empty()) return;
    MakeRoom(col, row);
  }
  texts_[row * stride_ + col] = std::move(Value);
}

void TStringGrid::SwapStoredRows(size_t A, size_t B) {
  auto a = texts_.begin() + static_cast<std::ptrdiff_t>(A * stride_);
  auto b = texts_.begin() + static_cast<std::ptrdiff_t>(B * stride_);
  for (size_t c = 0; c < stride_; ++c)
    a[static_cast<std::ptrdiff_t>(c)].swap(b[static_cast<std::ptrdiff_t>(c)]);
  const size_t lo = std::min(A, B), hi = std::max(A, B);
  if (hi < objects_.size()) {
    std::swap(objects_[A], objects_[B]);
  } else if (lo < objects_.size() && !objects_[lo].empty()) {
    objects_.resize(hi + 1);
    std::swap(objects_[A], objects_[B]);
  }
}

void TStringGrid::ParkRows(const std::vector<uint8_t>& Gone) {
  const size_t count = Gone.size();
  const auto n =
      static_cast<size_t>(std::count_if(Gone.begin(), Gone.end(), [](uint8_t g) { return g != 0; }));
  if (n == 0) return;
  if (rows_ < count) GrowRows(count);
  const size_t end = rows_;
  // One pass: the marked rows gather in a run behind the kept ones, and
  // each kept row swaps places with the first row of that run.
  size_t w = 0;
  for (size_t r = 0; r < end; ++r) {
    if (r < count && Gone[r] != 0) continue;
    if (w != r) SwapStoredRows(w, r);
    ++w;
  }
  if (parked_ > 0 && end < parkBase_) {
    // The rows parked before lie further down: these join them.
    auto at = [&](size_t r) { return texts_.begin() + static_cast<std::ptrdiff_t>(r * stride_); };
    std::rotate(at(w), at(end), at(parkBase_));
    parkBase_ -= n;
  } else {
    parkBase_ = w;
  }
  rows_ = w;
  parked_ += n;
}

bool TStringGrid::UnparkRows(const std::vector<uint8_t>& Gone) {
  const auto n =
      static_cast<size_t>(std::count_if(Gone.begin(), Gone.end(), [](uint8_t g) { return g != 0; }));
  if (n == 0 || n > parked_ || rows_ != parkBase_) return false;
  const size_t end = parkBase_ + n;
  for (size_t r = end; r < Gone.size(); ++r)
    if (Gone[r] != 0) return false;
  // The parking's swaps, undone in reverse order.
  size_t w = parkBase_;
  for (size_t r = end; r-- > 0;) {
    if (r < Gone.size() && Gone[r] != 0) continue;
    --w;
    if (w != r) SwapStoredRows(w, r);
  }
  rows_ = end;
  parked_ -= n;
  parkBase_ = parked_ > 0 ? end : 0;
  return true;
}

const std::string& TStringGrid::ParkedCell(int Index, int ACol) const {
  if (Index < 0 || ACol < 0 || static_cast<size_t>(Index) >= parked_ || static_cast<size_t>(ACol) >= stride_)
    return NoText();
  return texts_[(parkBase_ + static_cast<size_t>(Index)) * stride_ + static_cast<size_t>(ACol)];
}

std::string TStringGrid::TakeParkedCell(int Index, int ACol) {
  if (Index < 0 || ACol < 0 || static_cast<size_t>(Index) >= parked_ || static_cast<size_t>(ACol) >= stride_)
    return std::string();
  return std::move(texts_[(parkBase_ + static_cast<size_t>(Index)) * stride_ + static_cast<size_t>(ACol)]);
}

void TStringGrid::DropParkedRows() {
  for (size_t i = parkBase_ * stride_; i < (parkBase_ + parked_) * stride_ && i < texts_.size(); ++i)
    std::string().swap(texts_[i]);
  parked_ = 0;
  parkBase_ = 0;
}

void TStringGrid::ExchangeRows(int ARow1, int ARow2) {
  TDrawGrid::ExchangeRows(ARow1, ARow2);
  if (ARow1 == ARow2) return;
  const size_t lo = static_cast<size_t>(std::min(ARow1, ARow2));
  const size_t hi = static_cast<size_t>(std::max(ARow1, ARow2));
  if (rows_ > lo) {
    if (rows_ <= hi) GrowRows(hi + 1);
    auto row = [&](size_t r) { return texts_.begin() + static_cast<std::ptrdiff_t>(r * stride_); };
    std::swap_ranges(row(lo), row(lo) + static_cast<std::ptrdiff_t>(stride_), row(hi));
  }
  if (objects_.size() > lo) {
    if (objects_.size() <= hi) objects_.resize(hi + 1);
    std::swap(objects_[lo], objects_[hi]);
  }
}

void TStringGrid::DeleteColumn(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) IndexError();
  if (ColCount() > 1) {
    HideEditor();
    if (static_cast<size_t>(ACol) < stride_)
      for (size_t r = 0; r < rows_; ++r) {
        auto first = texts_.begin() + static_cast<std::ptrdiff_t>(r * stride_);
        auto last = first + static_cast<std::ptrdiff_t>(stride_);
        std::rotate(first + ACol, first + ACol + 1, last);
        (last - 1)->clear();
      }
    for (auto& line : objects_)
      if (static_cast<size_t>(ACol) < line.size()) line.erase(line.begin() + ACol);
  }
  TDrawGrid::DeleteColumn(ACol);
}

void TStringGrid::DeleteRow(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) IndexError();
  if (RowCount() > 1) {
    HideEditor();
    if (static_cast<size_t>(ARow) < rows_) {
      auto first = texts_.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(ARow) * stride_);
      texts_.erase(first, first + static_cast<std::ptrdiff_t>(stride_));
      --rows_;
      if (parked_ > 0) --parkBase_;
    }
    if (static_cast<size_t>(ARow) < objects_.size()) objects_.erase(objects_.begin() + ARow);
  }
  TDrawGrid::DeleteRow(ARow);
}

void TStringGrid::DeleteRowRange(int ARow, int Count) {
  if (ARow < 0 || ARow >= RowCount()) IndexError();
  Count = std::min(Count, std::min(RowCount() - ARow, RowCount() - 1));
  if (Count > 0) {
    HideEditor();
    const auto row = static_cast<size_t>(ARow);
    if (row < rows_) {
      const size_t n = std::min(rows_ - row, static_cast<size_t>(Count));
      auto first = texts_.begin() + static_cast<std::ptrdiff_t>(row * stride_);
      texts_.erase(first, first + static_cast<std::ptrdiff_t>(n * stride_));
      rows_ -= n;
      if (parked_ > 0) parkBase_ -= n;
    }
    const size_t from = std::min(objects_.size(), row);
    const size_t to = std::min(objects_.size(), row + static_cast<size_t>(Count));
    objects_.erase(objects_.begin() + static_cast<std::ptrdiff_t>(from),
                   objects_.begin() + static_cast<std::ptrdiff_t>(to));
  }
  TDrawGrid::DeleteRowRange(ARow, Count);
}

void TStringGrid::InsertRowRange(int ARow, int Count) {
  if (ARow < 0 || ARow > RowCount()) IndexError();
  if (Count > 0) {
    const auto row = static_cast<size_t>(ARow);
    if (row < rows_) {
      texts_.insert(texts_.begin() + static_cast<std::ptrdiff_t>(row * stride_),
                    static_cast<size_t>(Count) * stride_, std::string());
      rows_ += static_cast<size_t>(Count);
      if (parked_ > 0) parkBase_ += static_cast<size_t>(Count);
    }
    if (row < objects_.size()) objects_.insert(objects_.begin() + ARow, static_cast<size_t>(Count), {});
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
