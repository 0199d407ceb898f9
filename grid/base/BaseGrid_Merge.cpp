// Merged cells and cell geometry of the cell store.
#include <algorithm>

#include "grid/base/BaseGrid.h"

namespace {
bool Spanned(const TCellProperties* p) {
  return p != nullptr && p->CellSpanX() != -1 && p->CellSpanY() != -1;
}

TRect Union(const TRect& a, const TRect& b) {
  return TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
               std::max(a.Bottom, b.Bottom));
}
}  // namespace

// ---------------------------------------------------------------------------
// Merging and splitting

void TBaseGrid::MergeCells(int ACol, int ARow, int SpanX, int SpanY) {
  ++FMergeCount;
  for (int i = ACol; i < ACol + SpanX; ++i) {
    for (int j = ARow; j < ARow + SpanY; ++j) {
      TCellProperties* p = GetCellProperties(i, j);
      bool base = i == ACol && j == ARow;
      p->SetIsBaseCell(base);
      p->SetCellSpanX(base ? SpanX - 1 : i - ACol);
      p->SetCellSpanY(base ? SpanY - 1 : j - ARow);
    }
  }
  for (int i = ACol; i < ACol + SpanX; ++i)
    for (int j = ARow; j < ARow + SpanY; ++j) RepaintCell(DisplColIndex(i), j);
}

void TBaseGrid::SplitCells(int ACol, int ARow) {
  int bc = ACol, br = ARow;
  BaseOf(GetCellProperties(ACol, ARow), bc, br);
  const TCellProperties* base = GetCellProperties(bc, br);
  int sx = base->CellSpanX(), sy = base->CellSpanY();
  for (int i = bc; i <= bc + sx; ++i) {
    for (int j = br; j <= br + sy; ++j) {
      TCellProperties* p = GetCellProperties(i, j);
      p->SetIsBaseCell(true);
      p->SetCellSpanX(-1);
      p->SetCellSpanY(-1);
    }
  }
  for (int i = bc; i <= bc + sx; ++i)
    for (int j = br; j <= br + sy; ++j) RepaintCell(DisplColIndex(i), j);
  --FMergeCount;
}

// ---------------------------------------------------------------------------
// Queries

TGridCoord TBaseGrid::BaseCell(int ACol, int ARow) const {
  if (const TCellProperties* p = PropsAt(ACol, ARow)) BaseOf(p, ACol, ARow);
  return TGridCoord(ACol, ARow);
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const {
  const TCellProperties* p = PropsAt(ACol, ARow);
  return p == nullptr || p->IsBaseCell();
}

bool TBaseGrid::FindBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
  BaseCol = ACol;
  BaseRow = ARow;
  const TCellProperties* p = PropsAt(ACol, ARow);
  if (p == nullptr || p->IsBaseCell()) return true;
  BaseOf(p, BaseCol, BaseRow);
  return false;
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const {
  const TCellProperties* p = PropsAt(ACol, ARow);
  return p != nullptr && (p->CellSpanX() > 0 || p->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const {
  return IsMergedCell(ACol, ARow) && !PropsAt(ACol, ARow)->IsBaseCell();
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const {
  if (!HasCellProperties(ACol, ARow)) return false;
  TGridCoord b = BaseCell(ACol, ARow);
  const TCellProperties* base = GetGridObject(b.X, b.Y);
  return base != nullptr && base->CellSpanX() > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const {
  if (!HasCellProperties(ACol, ARow)) return false;
  TGridCoord b = BaseCell(ACol, ARow);
  const TCellProperties* base = GetGridObject(b.X, b.Y);
  return base != nullptr && base->CellSpanY() > 0;
}

TGridCoord TBaseGrid::CellSpan(int ACol, int ARow) const {
  const TCellProperties* p = PropsAt(ACol, ARow);
  if (!Spanned(p)) return TGridCoord(0, 0);
  TGridCoord b = BaseCell(ACol, ARow);
  const TCellProperties* base = GetGridObject(b.X, b.Y);
  if (base == nullptr) return TGridCoord(0, 0);
  return TGridCoord(base->CellSpanX(), base->CellSpanY());
}

TGridCoord TBaseGrid::CellExt(int ACol, int ARow) const {
  const TCellProperties* p = PropsAt(ACol, ARow);
  if (!Spanned(p)) return TGridCoord(0, 0);
  TGridCoord b = BaseCell(ACol, ARow);
  const TCellProperties* base = GetGridObject(b.X, b.Y);
  if (base == nullptr) return TGridCoord(0, 0);
  return TGridCoord(b.X + base->CellSpanX() - ACol, b.Y + base->CellSpanY() - ARow);
}

TGridRect TBaseGrid::FullCell(int ACol, int ARow) const {
  TGridCoord b = BaseCell(ACol, ARow);
  TGridCoord s = CellSpan(ACol, ARow);
  return TGridRect(b.X, b.Y, b.X + s.X, b.Y + s.Y);
}

int TBaseGrid::MinRowSpan(int ARow) const {
  int result = RowCount();
  for (int c = 0; c < ColCount(); ++c) {
    int sy = CellSpan(c, ARow).Y;
    if (sy > 0 && sy < result) result = sy;
  }
  return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const {
  int result = 0;
  for (int c = 0; c < ColCount(); ++c) result = std::max(result, CellSpan(c, ARow).Y);
  return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const {
  bool match = false;
  for (int c = 0; c < ColCount(); ++c) {
    if (CellSpan(c, ARow1).Y > 0 && CellSpan(c, ARow2).Y > 0) {
      match = true;
      if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
    }
  }
  return match;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const {
  bool match = false;
  for (int r = 0; r < RowCount(); ++r) {
    int s1 = CellSpan(ACol1, r).X, s2 = CellSpan(ACol2, r).X;
    if (s1 > 0 && s2 > 0) {
      match = true;
      if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
    } else if (s1 != s2) {
      return false;
    }
  }
  return match;
}

// ---------------------------------------------------------------------------
// Geometry

TRect TBaseGrid::CalcCellRect(int ACol, int ARow) const {
  // Offsets are summed from the first scrolled cell in view, which gives
  // the same position as summing from 0 and taking that cell's part away.
  TRect origin = TCustomGrid::CellRect(LeftCol(), TopRow());
  int x = 0, y = 0;
  if (ACol < FixedCols()) {
    for (int i = 0; i < ACol; ++i) x += ColWidths(i);
  } else {
    x = origin.Left;
    for (int i = LeftCol(); i < ACol; ++i) x += ColWidths(i);
    for (int i = ACol; i < LeftCol(); ++i) x -= ColWidths(i);
  }
  if (ARow < FixedRows()) {
    for (int i = 0; i < ARow; ++i) y += RowHeights(i);
  } else {
    y = origin.Top;
    y += static_cast<int>(RowHeightsSum(TopRow(), ARow) - RowHeightsSum(ARow, TopRow()));
  }
  return TRect(x, y, x + ColWidths(ACol), y + RowHeights(ARow));
}

TRect TBaseGrid::CellRect(int ACol, int ARow) const {
  const TCellProperties* p = PropsAt(ACol, ARow);
  if (Spanned(p)) {
    TGridCoord b = BaseCell(ACol, ARow);
    TGridCoord s = CellSpan(ACol, ARow);
    TRect first = CalcCellRect(b.X, b.Y);
    TRect last = CalcCellRect(b.X + s.X, b.Y + s.Y);
    // Hidden zero-width columns at either end still belong to the area.
    if (first.Right == first.Left) ++first.Right;
    if (last.Right == last.Left) --last.Left;
    return Union(first, last);
  }
  if (p != nullptr && p->Control() != nullptr) return CalcCellRect(ACol, ARow);
  TRect r = TCustomGrid::CellRect(ACol, ARow);
  r.Right = r.Left + ColWidths(ACol);
  r.Bottom = r.Top + RowHeights(ARow);
  return r;
}

TPoint TBaseGrid::CellSize(int ACol, int ARow) const {
  TRect r;
  if (Spanned(PropsAt(ACol, ARow))) {
    TGridCoord b = BaseCell(ACol, ARow);
    TGridCoord s = CellSpan(ACol, ARow);
    r = Union(CalcCellRect(b.X, b.Y), CalcCellRect(b.X + s.X, b.Y + s.Y));
  } else {
    r = CalcCellRect(ACol, ARow);
  }
  return TPoint(r.Right - r.Left, r.Bottom - r.Top);
}

int TBaseGrid::FixedColsWidth() const {
  int w = 0;
  for (int i = 0; i < FixedCols(); ++i) w += ColWidths(i);
  return w;
}

int TBaseGrid::FixedRowsHeight() const {
  int h = 0;
  for (int i = 0; i < FixedRows(); ++i) h += RowHeights(i);
  return h;
}
