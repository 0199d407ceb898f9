// TCustomGrid: counts, sizes, layout, scrolling, selection and painting.
#include "framework/grids/Grids.h"

#include <algorithm>

#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"
#include "framework/rtl/Math.h"

namespace {
constexpr int kScrollBarSize = 17;
// The scroll bars' position scale, whatever the row count.
constexpr int kScrollMax = 127;

[[noreturn]] void IndexError() { throw EInvalidGridOperation("Grid index out of range"); }
}  // namespace

TGridRect GridRect(TGridCoord Coord1, TGridCoord Coord2) {
  return TGridRect(std::min(Coord1.X, Coord2.X), std::min(Coord1.Y, Coord2.Y), std::max(Coord1.X, Coord2.X),
                   std::max(Coord1.Y, Coord2.Y));
}

bool PointInGridRect(int Col, int Row, const TGridRect& Rect) {
  TGridRect r = GridRect(Rect.TopLeft(), Rect.BottomRight());
  return Col >= r.Left && Col <= r.Right && Row >= r.Top && Row <= r.Bottom;
}

// ---- Axis layout ----

int TCustomGrid::TAxis::Extent(int i) const {
  if (Extents != nullptr && i >= 0 && i < static_cast<int>(Extents->size())) return (*Extents)[i];
  return Default;
}

int TCustomGrid::TAxis::FixedBoundary() const {
  int pos = 0;
  for (int i = 0; i < Fixed; ++i) pos += Extent(i) + Line;
  return pos;
}

int TCustomGrid::TAxis::CellStart(int i) const {
  if (i < 0 || i >= Count) return -1;
  int pos = 0;
  if (i < Fixed) {
    for (int j = 0; j < i; ++j) pos += Extent(j) + Line;
    return pos < Client ? pos : -1;
  }
  if (i < First) return -1;
  pos = FixedBoundary();
  for (int j = First; j < i; ++j) {
    pos += Extent(j) + Line;
    if (pos >= Client) return -1;
  }
  return pos < Client ? pos : -1;
}

int TCustomGrid::TAxis::LastVisible() const {
  int pos = FixedBoundary();
  int j = First;
  while (j < Count && pos < Client) {
    pos += Extent(j) + Line;
    ++j;
  }
  return j - 1;
}

int TCustomGrid::TAxis::LastFullVisible() const {
  int pos = FixedBoundary();
  int j = First;
  while (j < Count && pos + Extent(j) <= Client) {
    pos += Extent(j) + Line;
    ++j;
  }
  return j - 1;
}

int TCustomGrid::TAxis::CellAt(int Pos) const {
  if (Pos < 0 || Pos >= Client) return -1;
  int pos = 0;
  for (int i = 0; i < Fixed && i < Count; ++i) {
    pos += Extent(i) + Line;
    if (Pos < pos) return i;
  }
  for (int j = First; j < Count && pos < Client; ++j) {
    pos += Extent(j) + Line;
    if (Pos < pos) return j;
  }
  return -1;
}

int TCustomGrid::TAxis::MaxFirst() const {
  if (Count <= Fixed) return Fixed;
  int avail = Client - FixedBoundary();
  int i = Count - 1;
  int used = Extent(i);
  while (i > Fixed && used + Line + Extent(i - 1) <= avail) {
    used += Line + Extent(i - 1);
    --i;
  }
  return std::max(i, Fixed);
}

TCustomGrid::TAxis TCustomGrid::HorzAxis() const {
  TAxis a;
  a.Count = colCount_;
  a.Fixed = fixedCols_;
  a.First = topLeft_.X;
  a.Client = ClientWidth();
  a.Line = gridLineWidth_;
  a.Extents = &colWidths_;
  a.Default = defaultColWidth_;
  return a;
}

TCustomGrid::TAxis TCustomGrid::VertAxis() const {
  TAxis a;
  a.Count = rowCount_;
  a.Fixed = fixedRows_;
  a.First = topLeft_.Y;
  a.Client = ClientHeight();
  a.Line = gridLineWidth_;
  a.Extents = &rowHeights_;
  a.Default = defaultRowHeight_;
  return a;
}

int TCustomGrid::MirrorX(int X, int W) const { return UseRightToLeftAlignment() ? ClientWidth() - X - W : X; }

// ---- Construction ----

// Grids_Published.cpp: referenced here so the published tables come along.
void LinkGridsPublished();

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
  LinkGridsPublished();
  controlStyle_ = TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks, csNeedsBorderPaint};
  options_ = TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  colCount_ = 5;
  rowCount_ = 5;
  fixedCols_ = 1;
  fixedRows_ = 1;
  ResizeExtents(colWidths_, colCount_, defaultColWidth_);
  tabStops_.assign(static_cast<size_t>(colCount_), true);
  topLeft_ = {fixedCols_, fixedRows_};
  current_ = topLeft_;
  anchor_ = current_;
  SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() {
  // The editor is a child control, freed after this destructor: it must no
  // longer reach back into the grid.
  if (inplaceEdit_ != nullptr) inplaceEdit_->SetGrid(nullptr);
  inplaceEdit_ = nullptr;
}

void TCustomGrid::ResizeExtents(std::vector<int>& Extents, int Count, int Default) {
  Extents.resize(static_cast<size_t>(std::max(Count, 0)), Default);
}

// ---- Counts ----

void TCustomGrid::SetColCount(int Value) {
  if (Value < 1) Value = 1;
  if (Value == colCount_) return;
  if (Value <= fixedCols_) SetFixedCols(Value - 1);
  ChangeSize(Value, rowCount_);
}

void TCustomGrid::SetRowCount(int Value) {
  if (Value < 1) Value = 1;
  if (Value == rowCount_) return;
  if (Value <= fixedRows_) SetFixedRows(Value - 1);
  ChangeSize(colCount_, Value);
}

void TCustomGrid::SetFixedCols(int Value) {
  if (Value < 0) IndexError();
  if (Value >= colCount_) throw EInvalidGridOperation("Fixed column count must be less than column count");
  if (Value == fixedCols_) return;
  HideEditor();
  fixedCols_ = Value;
  // As the platform: the view and the current cell start over at the first
  // scrollable cell.
  topLeft_.X = fixedCols_;
  current_.X = fixedCols_;
  anchor_ = current_;
  if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
  UpdateScrollRange();
  InvalidateGrid();
}

void TCustomGrid::SetFixedRows(int Value) {
  if (Value < 0) IndexError();
  if (Value >= rowCount_) throw EInvalidGridOperation("Fixed row count must be less than row count");
  if (Value == fixedRows_) return;
  HideEditor();
  fixedRows_ = Value;
  topLeft_.Y = fixedRows_;
  current_.Y = fixedRows_;
  anchor_ = current_;
  if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
  UpdateScrollRange();
  InvalidateGrid();
}

void TCustomGrid::ChangeSize(int NewColCount, int NewRowCount) {
  int oldCols = colCount_, oldRows = rowCount_;
  // The editor's cell may go: write its text back while it still exists.
  if (inplaceCol_ >= NewColCount || inplaceRow_ >= NewRowCount) HideEditor();
  colCount_ = NewColCount;
  rowCount_ = NewRowCount;
  ResizeExtents(colWidths_, colCount_, defaultColWidth_);
  // Row heights are kept once one differs from the default (a million rows
  // of the default height need no list).
  if (!rowHeights_.empty()) ResizeExtents(rowHeights_, rowCount_, defaultRowHeight_);
  tabStops_.resize(static_cast<size_t>(colCount_), true);
  ClampCurrent();
  UpdateScrollRange();
  InvalidateGrid();
  SizeChanged(oldCols, oldRows);
}

void TCustomGrid::ClampCurrent() {
  auto clampCoord = [this](TGridCoord& c) {
    c.X = std::clamp(c.X, fixedCols_, std::max(fixedCols_, colCount_ - 1));
    c.Y = std::clamp(c.Y, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
  };
  clampCoord(current_);
  clampCoord(anchor_);
  if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
  TGridCoord maxTL = MaxTopLeft();
  topLeft_.X = std::clamp(topLeft_.X, fixedCols_, std::max(fixedCols_, maxTL.X));
  topLeft_.Y = std::clamp(topLeft_.Y, fixedRows_, std::max(fixedRows_, maxTL.Y));
}

void TCustomGrid::SizeChanged(int, int) {}

// ---- Sizes ----

int TCustomGrid::ColWidths(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(colWidths_.size())) return defaultColWidth_;
  return colWidths_[static_cast<size_t>(Index)];
}

void TCustomGrid::SetColWidths(int Index, int Value) {
  if (Index < 0 || Index >= colCount_) IndexError();
  if (Value < 0) Value = 0;
  if (colWidths_[static_cast<size_t>(Index)] == Value) return;
  colWidths_[static_cast<size_t>(Index)] = Value;
  ColWidthsChanged();
}

int TCustomGrid::RowHeights(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(rowHeights_.size())) return defaultRowHeight_;
  return rowHeights_[static_cast<size_t>(Index)];
}

int64_t TCustomGrid::RowHeightsSum(int From, int To) const {
  From = std::max(From, 0);
  if (To <= From) return 0;
  const int held = std::min(To, static_cast<int>(rowHeights_.size()));
  int64_t sum = 0;
  for (int i = From; i < held; ++i) sum += rowHeights_[static_cast<size_t>(i)];
  if (To > std::max(held, From)) sum += static_cast<int64_t>(To - std::max(held, From)) * defaultRowHeight_;
  return sum;
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  if (Index < 0 || Index >= rowCount_) IndexError();
  if (Value < 0) Value = 0;
  if (RowHeights(Index) == Value) return;
  if (rowHeights_.empty()) ResizeExtents(rowHeights_, rowCount_, defaultRowHeight_);
  rowHeights_[static_cast<size_t>(Index)] = Value;
  RowHeightsChanged();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
  if (Value < 0) Value = 0;
  defaultColWidth_ = Value;
  std::fill(colWidths_.begin(), colWidths_.end(), Value);
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  if (Value < 0) Value = 0;
  defaultRowHeight_ = Value;
  std::fill(rowHeights_.begin(), rowHeights_.end(), Value);
  RowHeightsChanged();
}

void TCustomGrid::ColWidthsChanged() {
  ClampCurrent();
  UpdateScrollRange();
  UpdateEdit();
  InvalidateGrid();
}

void TCustomGrid::RowHeightsChanged() {
  ClampCurrent();
  UpdateScrollRange();
  UpdateEdit();
  InvalidateGrid();
}

void TCustomGrid::SetGridLineWidth(int Value) {
  if (Value < 0) Value = 0;
  if (Value == gridLineWidth_) return;
  gridLineWidth_ = Value;
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
  if (Value == defaultDrawing_) return;
  defaultDrawing_ = Value;
  InvalidateGrid();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (Value == fixedColor_) return;
  fixedColor_ = Value;
  InvalidateGrid();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (Value == options_) return;
  bool wasRowSelect = options_.Contains(goRowSelect);
  options_ = Value;
  if (!options_.Contains(goEditing)) HideEditor();
  if (options_.Contains(goRowSelect)) {
    HideEditor();
    current_.X = fixedCols_;
    anchor_ = current_;
    anchor_.X = colCount_ - 1;
  } else if (wasRowSelect) {
    anchor_ = current_;
  }
  if (options_.Contains(goAlwaysShowEditor) && options_.Contains(goEditing)) {
    editorMode_ = true;
    UpdateEdit();
  }
  InvalidateGrid();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (Value == scrollBars_) return;
  scrollBars_ = Value;
  UpdateScrollRange();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (Value == borderStyle_) return;
  borderStyle_ = Value;
  RecreateWnd();
  UpdateScrollRange();
  Invalidate();
}

bool TCustomGrid::TabStops(int Index) const {
  if (Index < 0 || Index >= static_cast<int>(tabStops_.size())) return true;
  return tabStops_[static_cast<size_t>(Index)];
}

void TCustomGrid::SetTabStops(int Index, bool Value) {
  if (Index < 0 || Index >= colCount_) IndexError();
  tabStops_[static_cast<size_t>(Index)] = Value;
}

int TCustomGrid::FixedColsWidth() const { return HorzAxis().FixedBoundary(); }
int TCustomGrid::FixedRowsHeight() const { return VertAxis().FixedBoundary(); }

// ---- Geometry ----

int TCustomGrid::VisibleColCount() const {
  TAxis h = HorzAxis();
  return std::max(0, h.LastFullVisible() - h.First + 1);
}

int TCustomGrid::VisibleRowCount() const {
  TAxis v = VertAxis();
  return std::max(0, v.LastFullVisible() - v.First + 1);
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
  TAxis h = HorzAxis(), v = VertAxis();
  int x = h.CellStart(ACol);
  int y = v.CellStart(ARow);
  if (x < 0 || y < 0) return TRect();
  int w = h.Extent(ACol);
  return TRect(MirrorX(x, w), y, MirrorX(x, w) + w, y + v.Extent(ARow));
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
  TGridCoord c = MouseCoord(X, Y);
  ACol = c.X;
  ARow = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
  if (UseRightToLeftAlignment()) X = ClientWidth() - 1 - X;
  TGridCoord c(HorzAxis().CellAt(X), VertAxis().CellAt(Y));
  if (c.X < 0 || c.Y < 0) return TGridCoord(-1, -1);
  return c;
}

TGridCoord TCustomGrid::MaxTopLeft() const {
  return TGridCoord(HorzAxis().MaxFirst(), VertAxis().MaxFirst());
}

// ---- Scrolling ----

void TCustomGrid::SetLeftCol(int Value) {
  TGridCoord m = MaxTopLeft();
  Value = std::clamp(Value, fixedCols_, std::max(fixedCols_, m.X));
  if (Value != topLeft_.X) MoveTopLeft(Value, topLeft_.Y);
}

void TCustomGrid::SetTopRow(int Value) {
  TGridCoord m = MaxTopLeft();
  Value = std::clamp(Value, fixedRows_, std::max(fixedRows_, m.Y));
  if (Value != topLeft_.Y) MoveTopLeft(topLeft_.X, Value);
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
  if (ALeft == topLeft_.X && ATop == topLeft_.Y) return;
  TGridCoord old = topLeft_;
  topLeft_ = TGridCoord(ALeft, ATop);
  TopLeftMoved(old);
}

void TCustomGrid::TopLeftMoved(const TGridCoord&) {
  UpdateScrollPos();
  InvalidateGrid();
  // The editor rides along with its cell (or hides while it is out of view).
  if (inplaceEdit_ != nullptr && editorMode_ && inplaceCol_ >= 0 && inplaceRow_ >= 0) {
    TRect r = CellRect(inplaceCol_, inplaceRow_);
    if (IsRectEmpty(r)) {
      if (inplaceEdit_->Visible()) inplaceEdit_->SetBounds(0, 0, 0, 0);
    } else {
      inplaceEdit_->SetBounds(r.Left, r.Top, r.Width(), r.Height());
      inplaceEdit_->BoundsChanged();
    }
  }
  TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TCustomGrid::ClampInView(const TGridCoord& Coord) {
  TAxis h = HorzAxis(), v = VertAxis();
  TGridCoord tl = topLeft_;
  auto fit = [](const TAxis& a, int cell, int first) {
    if (cell < a.Fixed) return first;
    if (cell < first) return cell;
    TAxis t = a;
    t.First = first;
    if (cell <= t.LastFullVisible()) return first;
    // Bring the cell in as the last fully shown one.
    int avail = a.Client - a.FixedBoundary();
    int f = cell;
    int used = a.Extent(cell);
    while (f > a.Fixed && used + a.Line + a.Extent(f - 1) <= avail) {
      used += a.Line + a.Extent(f - 1);
      --f;
    }
    return f;
  };
  tl.X = fit(h, Coord.X, tl.X);
  tl.Y = fit(v, Coord.Y, tl.Y);
  TGridCoord m = MaxTopLeft();
  tl.X = std::clamp(tl.X, fixedCols_, std::max(fixedCols_, std::max(m.X, std::min(Coord.X, colCount_ - 1))));
  tl.Y = std::clamp(tl.Y, fixedRows_, std::max(fixedRows_, std::max(m.Y, std::min(Coord.Y, rowCount_ - 1))));
  MoveTopLeft(tl.X, tl.Y);
}

// ---- Current cell and selection ----

TGridRect TCustomGrid::Selection() const { return GridRect(current_, anchor_); }

void TCustomGrid::SetSelection(const TGridRect& Value) {
  TGridRect old = Selection();
  anchor_ = Value.TopLeft();
  current_ = Value.BottomRight();
  SelectionMoved(old);
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel) {
  if (!HandleAllocated()) return;
  InvalidateGridRect(OldSel);
  InvalidateGridRect(Selection());
}

void TCustomGrid::SetCol(int Value) {
  if (Value != current_.X) FocusCell(Value, current_.Y, true);
}

void TCustomGrid::SetRow(int Value) {
  if (Value != current_.Y) FocusCell(current_.X, Value, true);
}

bool TCustomGrid::SelectCell(int, int) { return true; }

bool TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
  if (ACol < 0 || ARow < 0 || ACol >= colCount_ || ARow >= rowCount_) IndexError();
  if (!SelectCell(ACol, ARow)) return false;
  if (!options_.Contains(goAlwaysShowEditor)) HideEditor();
  TGridRect oldSel = Selection();
  TGridCoord oldCur = current_;
  current_ = TGridCoord(ACol, ARow);
  if (MoveAnchor || !options_.Contains(goRangeSelect)) {
    anchor_ = current_;
    if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
  }
  if (options_.Contains(goRowSelect)) current_.X = fixedCols_;
  if (Show) ClampInView(current_);
  SelectionMoved(oldSel);
  InvalidateCell(oldCur.X, oldCur.Y);
  InvalidateCell(current_.X, current_.Y);
  return true;
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
  if (!MoveColRow(ACol, ARow, MoveAnchor, true)) return;
  UpdateEdit();
  Click();
}

void TCustomGrid::MoveAnchor(const TGridCoord& NewAnchor) {
  if (!options_.Contains(goRangeSelect)) {
    MoveColRow(NewAnchor.X, NewAnchor.Y, true, true);
    return;
  }
  TGridRect old = Selection();
  anchor_ = NewAnchor;
  if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
  ClampInView(NewAnchor);
  SelectionMoved(old);
}

// ---- Moving and deleting rows and columns ----

void TCustomGrid::MoveExtent(std::vector<int>& Extents, int FromIndex, int ToIndex) {
  int n = static_cast<int>(Extents.size());
  if (FromIndex >= n || ToIndex >= n) return;
  int v = Extents[static_cast<size_t>(FromIndex)];
  Extents.erase(Extents.begin() + FromIndex);
  Extents.insert(Extents.begin() + ToIndex, v);
}

void TCustomGrid::MoveAdjust(int& CellPos, int FromIndex, int ToIndex) {
  if (CellPos == FromIndex)
    CellPos = ToIndex;
  else if (FromIndex < ToIndex && CellPos > FromIndex && CellPos <= ToIndex)
    --CellPos;
  else if (FromIndex > ToIndex && CellPos >= ToIndex && CellPos < FromIndex)
    ++CellPos;
}

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= colCount_ || ToIndex >= colCount_) IndexError();
  if (FromIndex == ToIndex) return;
  MoveExtent(colWidths_, FromIndex, ToIndex);
  {
    bool t = tabStops_[static_cast<size_t>(FromIndex)];
    tabStops_.erase(tabStops_.begin() + FromIndex);
    tabStops_.insert(tabStops_.begin() + ToIndex, t);
  }
  MoveAdjust(current_.X, FromIndex, ToIndex);
  MoveAdjust(anchor_.X, FromIndex, ToIndex);
  if (inplaceCol_ >= 0) MoveAdjust(inplaceCol_, FromIndex, ToIndex);
  InvalidateGrid();
  ColumnMoved(FromIndex, ToIndex);
  UpdateEdit();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || ToIndex < 0 || FromIndex >= rowCount_ || ToIndex >= rowCount_) IndexError();
  if (FromIndex == ToIndex) return;
  MoveExtent(rowHeights_, FromIndex, ToIndex);
  MoveAdjust(current_.Y, FromIndex, ToIndex);
  MoveAdjust(anchor_.Y, FromIndex, ToIndex);
  if (inplaceRow_ >= 0) MoveAdjust(inplaceRow_, FromIndex, ToIndex);
  InvalidateGrid();
  RowMoved(FromIndex, ToIndex);
  UpdateEdit();
}

void TCustomGrid::PermuteRows(int First, const std::vector<int>& Order) {
  const int n = static_cast<int>(Order.size());
  if (First < 0 || First + n > rowCount_) IndexError();
  std::vector<bool> seen(static_cast<size_t>(n), false);
  for (int from : Order) {
    if (from < First || from >= First + n || seen[static_cast<size_t>(from - First)]) IndexError();
    seen[static_cast<size_t>(from - First)] = true;
  }
  // Rows all of the default height have no heights to move.
  if (rowHeights_.empty()) {
    InvalidateGrid();
    return;
  }
  std::vector<int> heights(static_cast<size_t>(n));
  bool changed = false;
  for (int k = 0; k < n; ++k) {
    heights[static_cast<size_t>(k)] = rowHeights_[static_cast<size_t>(Order[static_cast<size_t>(k)])];
    changed = changed || heights[static_cast<size_t>(k)] != rowHeights_[static_cast<size_t>(First + k)];
  }
  std::copy(heights.begin(), heights.end(), rowHeights_.begin() + First);
  if (changed) RowHeightsChanged();
  InvalidateGrid();
}

void TCustomGrid::ExchangeRows(int ARow1, int ARow2) {
  if (ARow1 < 0 || ARow2 < 0 || ARow1 >= rowCount_ || ARow2 >= rowCount_) IndexError();
  if (ARow1 == ARow2 || rowHeights_.empty()) return;
  auto& h1 = rowHeights_[static_cast<size_t>(ARow1)];
  auto& h2 = rowHeights_[static_cast<size_t>(ARow2)];
  if (h1 != h2) {
    std::swap(h1, h2);
    RowHeightsChanged();
  }
}

void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}

void TCustomGrid::DeleteColumn(int ACol) {
  if (ACol < 0 || ACol >= colCount_) IndexError();
  HideEditor();
  if (colCount_ == 1) {
    InvalidateGrid();
    return;
  }
  colWidths_.erase(colWidths_.begin() + ACol);
  tabStops_.erase(tabStops_.begin() + ACol);
  if (current_.X > ACol) --current_.X;
  if (anchor_.X > ACol) --anchor_.X;
  if (colCount_ - 1 <= fixedCols_) SetFixedCols(colCount_ - 2);
  ChangeSize(colCount_ - 1, rowCount_);
}

void TCustomGrid::DeleteRow(int ARow) {
  if (ARow < 0 || ARow >= rowCount_) IndexError();
  HideEditor();
  if (rowCount_ == 1) {
    InvalidateGrid();
    return;
  }
  if (static_cast<size_t>(ARow) < rowHeights_.size()) rowHeights_.erase(rowHeights_.begin() + ARow);
  if (current_.Y > ARow) --current_.Y;
  if (anchor_.Y > ARow) --anchor_.Y;
  if (rowCount_ - 1 <= fixedRows_) SetFixedRows(rowCount_ - 2);
  ChangeSize(colCount_, rowCount_ - 1);
}

void TCustomGrid::DeleteRowRange(int ARow, int Count) {
  if (ARow < 0 || ARow >= rowCount_) IndexError();
  Count = std::min(Count, std::min(rowCount_ - ARow, rowCount_ - 1));
  if (Count <= 0) {
    InvalidateGrid();
    return;
  }
  HideEditor();
  if (!rowHeights_.empty()) rowHeights_.erase(rowHeights_.begin() + ARow, rowHeights_.begin() + ARow + Count);
  auto follow = [&](int& Y) {
    if (Y > ARow) Y = std::max(ARow, Y - Count);
  };
  follow(current_.Y);
  follow(anchor_.Y);
  if (rowCount_ - Count <= fixedRows_) SetFixedRows(rowCount_ - Count - 1);
  ChangeSize(colCount_, rowCount_ - Count);
}

void TCustomGrid::InsertRowRange(int ARow, int Count) {
  if (ARow < 0 || ARow > rowCount_) IndexError();
  if (Count <= 0) return;
  if (inplaceRow_ >= ARow) HideEditor();
  if (!rowHeights_.empty())
    rowHeights_.insert(rowHeights_.begin() + ARow, static_cast<size_t>(Count), defaultRowHeight_);
  ChangeSize(colCount_, rowCount_ + Count);
}

// ---- Invalidation ----

void TCustomGrid::InvalidateGrid() {
  if (HandleAllocated()) Invalidate();
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
  if (!HandleAllocated()) return;
  // Filling a big table writes mostly cells far out of view: turn those
  // away before any layout walk (with grid lines every cell takes a pixel).
  if (ARow >= fixedRows_ && (ARow < topLeft_.Y || (gridLineWidth_ > 0 && ARow > topLeft_.Y + ClientHeight())))
    return;
  if (ACol >= fixedCols_ && (ACol < topLeft_.X || (gridLineWidth_ > 0 && ACol > topLeft_.X + ClientWidth())))
    return;
  InvalidateGridRect(TGridRect(ACol, ARow, ACol, ARow));
}

void TCustomGrid::InvalidateCol(int ACol) {
  if (!HandleAllocated()) return;
  InvalidateGridRect(TGridRect(ACol, 0, ACol, rowCount_ - 1));
}

void TCustomGrid::InvalidateRow(int ARow) {
  if (!HandleAllocated()) return;
  InvalidateGridRect(TGridRect(0, ARow, colCount_ - 1, ARow));
}

void TCustomGrid::InvalidateGridRect(const TGridRect& ARect) {
  if (!HandleAllocated()) return;
  TGridRect g = GridRect(ARect.TopLeft(), ARect.BottomRight());
  TAxis h = HorzAxis(), v = VertAxis();
  // Only the part in view matters: clip each axis to the cells shown.
  auto span = [](const TAxis& a, int lo, int hi, int& from, int& to) {
    int last = a.LastVisible();
    lo = std::max(lo, 0);
    hi = std::min(hi, a.Count - 1);
    if (lo > hi) return false;
    int fixedHi = std::min(hi, a.Fixed - 1);
    int start = -1, end = -1;
    if (lo < a.Fixed) {
      start = a.CellStart(lo);
      end = a.CellStart(fixedHi);
      if (end >= 0) end += a.Extent(fixedHi) + a.Line;
    }
    int sLo = std::max(lo, a.First), sHi = std::min(hi, last);
    if (sLo <= sHi) {
      int s = a.CellStart(sLo);
      if (s >= 0) {
        int e = s;
        for (int i = sLo; i <= sHi; ++i) e += a.Extent(i) + a.Line;
        if (start < 0) start = s;
        end = e;
      }
    }
    if (start < 0 || end <= start) return false;
    from = start;
    to = std::min(end, a.Client);
    return true;
  };
  int x0, x1, y0, y1;
  if (!span(h, g.Left, g.Right, x0, x1) || !span(v, g.Top, g.Bottom, y0, y1)) return;
  TRect r(MirrorX(x0, x1 - x0), y0, MirrorX(x0, x1 - x0) + (x1 - x0), y1);
  InvalidateRect(&r, false);
}

// ---- Scroll bars ----

bool TCustomGrid::HasVertBar() const { return showVert_; }
bool TCustomGrid::HasHorzBar() const { return showHorz_; }

void TCustomGrid::UpdateScrollRange() {
  if (inScrollUpdate_) return;
  inScrollUpdate_ = true;
  struct Guard {
    bool& f;
    ~Guard() { f = false; }
  } guard{inScrollUpdate_};
  // Which bars are needed depends on the room the other one leaves.
  TCreateParams p;
  CreateParams(p);
  TRect frame = TWinControl::ComputeNonClientInsets(p);
  int baseW = std::max(0, Width() - frame.Left - frame.Right);
  int baseH = std::max(0, Height() - frame.Top - frame.Bottom);
  bool wantV = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
  bool wantH = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
  bool needV = false, needH = false;
  for (int pass = 0; pass < 2; ++pass) {
    TAxis h = HorzAxis(), v = VertAxis();
    h.Client = baseW - (needV ? kScrollBarSize : 0);
    v.Client = baseH - (needH ? kScrollBarSize : 0);
    needH = wantH && h.MaxFirst() > fixedCols_;
    needV = wantV && v.MaxFirst() > fixedRows_;
  }
  if (needV != showVert_ || needH != showHorz_) {
    showVert_ = needV;
    showHorz_ = needH;
    UpdateScrollBarInsets();
  }
  ShowScrollBar(SB_VERT, showVert_);
  ShowScrollBar(SB_HORZ, showHorz_);
  TScrollInfo si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  si.nMin = 0;
  si.nMax = kScrollMax;
  si.nPage = 0;
  SetScrollInfo(SB_VERT, si, false);
  SetScrollInfo(SB_HORZ, si, false);
  // A bigger view may leave the top-left past its largest useful value.
  TGridCoord m = MaxTopLeft();
  int nl = std::clamp(topLeft_.X, fixedCols_, std::max(fixedCols_, m.X));
  int nt = std::clamp(topLeft_.Y, fixedRows_, std::max(fixedRows_, m.Y));
  if (nl != topLeft_.X || nt != topLeft_.Y)
    MoveTopLeft(nl, nt);
  else
    UpdateScrollPos();
}

void TCustomGrid::UpdateScrollPos() {
  TGridCoord m = MaxTopLeft();
  auto pos = [](int first, int fixed, int max) {
    if (max <= fixed) return 0;
    return MulDiv(first - fixed, kScrollMax, max - fixed);
  };
  TScrollInfo si;
  si.fMask = SIF_POS;
  si.nPos = pos(topLeft_.Y, fixedRows_, m.Y);
  SetScrollInfo(SB_VERT, si, showVert_);
  si.nPos = pos(topLeft_.X, fixedCols_, m.X);
  SetScrollInfo(SB_HORZ, si, showHorz_);
}

void TCustomGrid::UpdateScrollBarInsets() {
  if (!HandleAllocated()) return;
  TCreateParams p;
  CreateParams(p);
  ncInsets_ = ComputeNonClientInsets(p);
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* w = dynamic_cast<TWinControl*>(Controls(i)))
      w->SetBounds(w->Left(), w->Top(), w->Width(), w->Height());
  Realign();
  if (peer_) peer_->Invalidate(nullptr);
}

void TCustomGrid::ScrollMessage(int Bar, int Code, int Pos) {
  TGridCoord m = MaxTopLeft();
  bool vert = Bar == SB_VERT;
  int fixed = vert ? fixedRows_ : fixedCols_;
  int first = vert ? topLeft_.Y : topLeft_.X;
  int max = std::max(fixed, vert ? m.Y : m.X);
  int page = std::max(1, vert ? VisibleRowCount() : VisibleColCount());
  int target = first;
  switch (Code) {
    case SB_LINEUP:
      target = first - 1;
      break;
    case SB_LINEDOWN:
      target = first + 1;
      break;
    case SB_PAGEUP:
      target = first - page;
      break;
    case SB_PAGEDOWN:
      target = first + page;
      break;
    case SB_THUMBTRACK:
      if (!options_.Contains(goThumbTracking)) return;
      [[fallthrough]];
    case SB_THUMBPOSITION:
      target = max <= fixed ? fixed : MulDiv(Pos, max - fixed, kScrollMax) + fixed;
      break;
    case SB_TOP:
      target = fixed;
      break;
    case SB_BOTTOM:
      target = max;
      break;
    default:
      return;
  }
  target = std::clamp(target, fixed, max);
  if (vert)
    MoveTopLeft(topLeft_.X, target);
  else
    MoveTopLeft(target, topLeft_.Y);
}

void TCustomGrid::WMHScroll(TMessage& Message) {
  ScrollMessage(SB_HORZ, Message.WParamLo(), static_cast<int16_t>(Message.WParamHi()));
  Message.Result = 0;
}

void TCustomGrid::WMVScroll(TMessage& Message) {
  ScrollMessage(SB_VERT, Message.WParamLo(), static_cast<int16_t>(Message.WParamHi()));
  Message.Result = 0;
}

// ---- Window ----

void TCustomGrid::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  ApplyBorderStyle(Params, borderStyle_);
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) Params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) Params.Style |= WS_HSCROLL;
}

TRect TCustomGrid::ComputeNonClientInsets(const TCreateParams& Params) const {
  TRect r = TCustomControl::ComputeNonClientInsets(Params);
  if (showVert_) r.Right += kScrollBarSize;
  if (showHorz_) r.Bottom += kScrollBarSize;
  return r;
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollRange();
}

bool TCustomGrid::ScrollBarLayout(int Bar, TRect& Track, TRect& Button1, TRect& Button2, TRect& Thumb) const {
  bool vert = Bar == SB_VERT;
  if (vert ? !showVert_ : !showHorz_) return false;
  int cw = ClientWidth(), ch = ClientHeight();
  Track = vert ? TRect(cw, 0, cw + kScrollBarSize, ch) : TRect(0, ch, cw, ch + kScrollBarSize);
  int len = vert ? Track.Height() : Track.Width();
  int btn = std::min(kScrollBarSize, len / 2);
  Button1 = vert ? TRect(Track.Left, Track.Top, Track.Right, Track.Top + btn)
                 : TRect(Track.Left, Track.Top, Track.Left + btn, Track.Bottom);
  Button2 = vert ? TRect(Track.Left, Track.Bottom - btn, Track.Right, Track.Bottom)
                 : TRect(Track.Right - btn, Track.Top, Track.Right, Track.Bottom);
  TScrollInfo si;
  si.fMask = SIF_POS;
  GetScrollInfo(Bar, si);
  int pos = scrollDrag_ == Bar ? dragPos_ : si.nPos;
  int room = len - 3 * btn;
  int t = btn + (room > 0 ? MulDiv(pos, room, kScrollMax) : 0);
  Thumb = vert ? TRect(Track.Left, Track.Top + t, Track.Right, Track.Top + t + btn)
               : TRect(Track.Left + t, Track.Top, Track.Left + t + btn, Track.Bottom);
  return true;
}

void TCustomGrid::PaintNonClient(TCanvas* DC) {
  TCustomControl::PaintNonClient(DC);
  // The bars are laid out in client coordinates; the DC starts at the
  // window's corner.
  TRect frame = NonClientInsets();
  if (showVert_) frame.Right -= kScrollBarSize;
  if (showHorz_) frame.Bottom -= kScrollBarSize;
  int saved = DC->SaveDC();
  TPoint org = DC->WindowOrg();
  DC->SetWindowOrg(TPoint(org.X - frame.Left, org.Y - frame.Top));
  for (int bar : {SB_VERT, SB_HORZ}) {
    TRect track, b1, b2, thumb;
    if (!ScrollBarLayout(bar, track, b1, b2, thumb)) continue;
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(clScrollBar);
    DC->FillRect(track);
    for (TRect r : {b1, b2, thumb}) {
      DC->Brush()->SetColor(clBtnFace);
      DC->FillRect(r);
      DrawEdge(DC->Handle(), r, EDGE_RAISED, BF_RECT);
    }
  }
  if (showVert_ && showHorz_) {
    DC->Brush()->SetColor(clBtnFace);
    DC->FillRect(Bounds(ClientWidth(), ClientHeight(), kScrollBarSize, kScrollBarSize));
  }
  DC->RestoreDC(saved);
}

bool TCustomGrid::ScrollBarMouse(TMessage& Message) {
  TPoint p(Message.XPos(), Message.YPos());
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      for (int bar : {SB_VERT, SB_HORZ}) {
        TRect track, b1, b2, thumb;
        if (!ScrollBarLayout(bar, track, b1, b2, thumb) || !PtInRect(track, p)) continue;
        UINT msg = bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL;
        bool vert = bar == SB_VERT;
        if (PtInRect(thumb, p)) {
          TScrollInfo si;
          si.fMask = SIF_POS;
          GetScrollInfo(bar, si);
          scrollDrag_ = bar;
          dragPos_ = si.nPos;
          dragOffset_ = vert ? p.Y - thumb.Top : p.X - thumb.Left;
          ::SetCapture(Handle());
        } else if (PtInRect(b1, p)) {
          Perform(msg, SB_LINEUP, 0);
        } else if (PtInRect(b2, p)) {
          Perform(msg, SB_LINEDOWN, 0);
        } else {
          bool before = vert ? p.Y < thumb.Top : p.X < thumb.Left;
          Perform(msg, before ? SB_PAGEUP : SB_PAGEDOWN, 0);
        }
        return true;
      }
      return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: {
      if (scrollDrag_ < 0) return false;
      int bar = scrollDrag_;
      bool vert = bar == SB_VERT;
      TRect track, b1, b2, thumb;
      if (ScrollBarLayout(bar, track, b1, b2, thumb)) {
        int btn = vert ? b1.Height() : b1.Width();
        int room = (vert ? track.Height() : track.Width()) - 3 * btn;
        int at = (vert ? p.Y - track.Top : p.X - track.Left) - dragOffset_ - btn;
        dragPos_ = room > 0 ? std::clamp(MulDiv(at, kScrollMax, room), 0, kScrollMax) : 0;
      }
      UINT msg = vert ? WM_VSCROLL : WM_HSCROLL;
      if (Message.Msg == WM_MOUSEMOVE) {
        Perform(msg, MakeWParam(SB_THUMBTRACK, dragPos_), 0);
      } else {
        scrollDrag_ = -1;
        ReleaseCapture();
        Perform(msg, MakeWParam(SB_THUMBPOSITION, dragPos_), 0);
        Perform(msg, SB_ENDSCROLL, 0);
      }
      if (peer_) peer_->Invalidate(nullptr);
      return true;
    }
    default:
      return false;
  }
}

void TCustomGrid::WMEraseBkgnd(TMessage& Message) {
  // Every pixel of the client area comes from the paint pass.
  Message.Result = 1;
}

void TCustomGrid::WMSize(TMessage& Message) {
  TCustomControl::WMSize(Message);
  UpdateScrollRange();
  if (inplaceEdit_ != nullptr && editorMode_) UpdateEdit();
}

void TCustomGrid::CMFontChanged(TMessage& Message) {
  TCustomControl::CMFontChanged(Message);
  if (inplaceEdit_ != nullptr) inplaceEdit_->SetFont(Font());
  InvalidateGrid();
}

void TCustomGrid::CMShowingChanged(TMessage& Message) {
  TCustomControl::CMShowingChanged(Message);
  if (Showing()) UpdateScrollRange();
}

void TCustomGrid::ChangeScale(int M, int D) {
  TCustomControl::ChangeScale(M, D);
  if (M == D || D == 0) return;
  defaultColWidth_ = MulDiv(defaultColWidth_, M, D);
  defaultRowHeight_ = MulDiv(defaultRowHeight_, M, D);
  for (int& w : colWidths_) w = MulDiv(w, M, D);
  for (int& h : rowHeights_) h = MulDiv(h, M, D);
  ColWidthsChanged();
}

void TCustomGrid::Loaded() {
  TCustomControl::Loaded();
  UpdateScrollRange();
  if (options_.Contains(goAlwaysShowEditor) && options_.Contains(goEditing)) {
    editorMode_ = true;
    UpdateEdit();
  }
}

void TCustomGrid::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL:
      WMHScroll(Message);
      return;
    case WM_VSCROLL:
      WMVScroll(Message);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
      // The scroll bars live outside the client area: their clicks and
      // drags are ours, not the cells'.
      if ((showVert_ || showHorz_) && ScrollBarMouse(Message)) return;
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

// ---- Painting ----

bool TCustomGrid::IsActiveControl() {
  if (!HandleAllocated()) return false;
  HWND f = GetFocus();
  if (f != 0 && f == handle_) return true;
  if (inplaceEdit_ != nullptr && inplaceEdit_->HandleAllocated() && f == inplaceEdit_->Handle()) return true;
  TCustomForm* form = GetParentForm(this);
  return form != nullptr && !form->Active() && form->ActiveControl() == this;
}

void TCustomGrid::Paint() {
  TCanvas* c = Canvas();
  TRect clip = c->ClipRect();
  TRect client = ClientRect();
  TRect r;
  if (!IntersectRect(r, clip, client)) r = client;
  PaintCells(c, r);
}

void TCustomGrid::PaintGrid(TCanvas* ACanvas) {
  auto* cc = static_cast<TControlCanvas*>(Canvas());
  cc->Lock();
  cc->BeginDC(ACanvas);
  // A recording target records what the cells draw too.
  TCanvasRecorder* oldRecorder = cc->Recorder();
  cc->SetRecorder(ACanvas->Recorder());
  struct Restore {
    TControlCanvas* c;
    TCanvasRecorder* r;
    ~Restore() {
      c->SetRecorder(r);
      c->EndDC();
      c->Unlock();
    }
  } restore{cc, oldRecorder};
  PaintCells(cc, ClientRect());
}

void TCustomGrid::PaintCells(TCanvas* ACanvas, const TRect& Clip) {
  TAxis h = HorzAxis(), v = VertAxis();
  int lastCol = h.LastVisible(), lastRow = v.LastVisible();
  bool focused = IsActiveControl();
  TGridRect sel = Selection();
  int line = gridLineWidth_;
  // Rows and columns in view: the fixed ones, then the scrolled ones.
  auto cells = [](const TAxis& a, int last) {
    std::vector<std::pair<int, int>> out;  // index, start
    int pos = 0;
    for (int i = 0; i < a.Fixed && i < a.Count && pos < a.Client; ++i) {
      out.emplace_back(i, pos);
      pos += a.Extent(i) + a.Line;
    }
    for (int j = a.First; j <= last && pos < a.Client; ++j) {
      out.emplace_back(j, pos);
      pos += a.Extent(j) + a.Line;
    }
    return out;
  };
  auto cols = cells(h, lastCol);
  auto rows = cells(v, lastRow);
  int extentX = cols.empty() ? 0 : cols.back().second + h.Extent(cols.back().first) + line;
  int extentY = rows.empty() ? 0 : rows.back().second + v.Extent(rows.back().first) + line;

  for (const auto& [row, y] : rows) {
    int rh = v.Extent(row);
    if (y >= Clip.Bottom || y + rh + line <= Clip.Top) continue;
    for (const auto& [col, x] : cols) {
      int cw = h.Extent(col);
      TRect where(MirrorX(x, cw), y, MirrorX(x, cw) + cw, y + rh);
      TRect withLine(std::min(where.Left, MirrorX(x, cw + line)), y,
                     std::max(where.Right, MirrorX(x, cw + line) + cw + line), y + rh + line);
      TRect dummy;
      if (!IntersectRect(dummy, withLine, Clip)) continue;
      TGridDrawState state;
      bool fixed = col < fixedCols_ || row < fixedRows_;
      if (fixed) {
        state << gdFixed;
      } else {
        if (focused && col == current_.X && row == current_.Y) state << gdFocused;
        if (PointInGridRect(col, row, sel)) state << gdSelected;
      }
      if (defaultDrawing_) {
        TColor bg = Color();
        ACanvas->Font()->Assign(Font());
        if (fixed) {
          bg = fixedColor_;
        } else if (state.Contains(gdSelected) &&
                   (!state.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) ||
                    options_.Contains(goRowSelect))) {
          bg = clHighlight;
          ACanvas->Font()->SetColor(clHighlightText);
        }
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(bg);
        ACanvas->FillRect(where);
      }
      DrawCell(col, row, where, state);
      if (defaultDrawing_ && fixed && Ctl3D() && line > 0) {
        TRect e = where;
        DrawEdge(ACanvas->Handle(), e, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
        DrawEdge(ACanvas->Handle(), e, BDR_RAISEDINNER, BF_TOPLEFT);
      }
      if (defaultDrawing_ && state.Contains(gdFocused) && !options_.Contains(goRowSelect) &&
          !(editorMode_ && inplaceEdit_ != nullptr && inplaceEdit_->Visible())) {
        ACanvas->Brush()->SetColor(Color());
        ACanvas->DrawFocusRect(where);
      }
    }
  }
  if (line > 0) {
    int fixedX = h.FixedBoundary(), fixedY = v.FixedBoundary();
    ACanvas->Pen()->SetStyle(psSolid);
    ACanvas->Pen()->SetWidth(1);
    ACanvas->Brush()->SetStyle(bsSolid);
    auto vline = [&](int x, int top, int bottom, TColor c) {
      ACanvas->Brush()->SetColor(c);
      ACanvas->FillRect(TRect(MirrorX(x, line), top, MirrorX(x, line) + line, bottom));
    };
    auto hline = [&](int y, int left, int right, TColor c) {
      ACanvas->Brush()->SetColor(c);
      int l = MirrorX(left, right - left);
      ACanvas->FillRect(TRect(l, y, l + right - left, y + line));
    };
    for (const auto& [col, x] : cols) {
      int lx = x + h.Extent(col);
      bool fixedCol = col < fixedCols_;
      // Across the fixed rows every column line is a fixed line.
      if (options_.Contains(goFixedVertLine)) vline(lx, 0, std::min(fixedY, extentY), clBlack);
      if (fixedCol ? options_.Contains(goFixedVertLine) : options_.Contains(goVertLine))
        vline(lx, fixedY, extentY, fixedCol ? clBlack : clSilver);
    }
    for (const auto& [row, y] : rows) {
      int ly = y + v.Extent(row);
      bool fixedRow = row < fixedRows_;
      if (options_.Contains(goFixedHorzLine)) hline(ly, 0, std::min(fixedX, extentX), clBlack);
      if (fixedRow ? options_.Contains(goFixedHorzLine) : options_.Contains(goHorzLine))
        hline(ly, fixedX, extentX, fixedRow ? clBlack : clSilver);
    }
  }
  // What lies beyond the last cell shows the grid's colour.
  int cw = ClientWidth(), ch = ClientHeight();
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Brush()->SetColor(Color());
  if (extentX < cw)
    ACanvas->FillRect(
        TRect(MirrorX(extentX, cw - extentX), 0, MirrorX(extentX, cw - extentX) + cw - extentX, ch));
  if (extentY < ch)
    ACanvas->FillRect(TRect(MirrorX(0, std::min(extentX, cw)), extentY,
                            MirrorX(0, std::min(extentX, cw)) + std::min(extentX, cw), ch));
}

void TCustomGrid::DrawSizingLine() {
  if (HandleAllocated()) Invalidate();
}

void TCustomGrid::DrawMove() {
  if (HandleAllocated()) Invalidate();
}
