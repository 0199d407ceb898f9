// Tree nodes: node rows with their spans and levels, expanding and
// contracting, and child rows that keep spans, levels and sub-node counts
// consistent.
//
// A node's span counts real rows (its own row included), so a node keeps
// covering the same rows while a filter hides some of them. Contracting
// takes the node's rows out as rows hidden by range; expanding brings back
// only those, never rows a filter level holds.
#include <algorithm>
#include <climits>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/WinApi.h"
#include "grid/base/VevObj.h"
#include "grid/model/DivUzev.h"

namespace {

TCellGraphic* NodeOf(TCellGraphic* G) { return G != nullptr && G->CellType == ctNode ? G : nullptr; }

// Column 0's properties of a row that sits in the hidden-row store.
TCellProperties* HiddenProps(TDedAdararAdoz* G, int RealRow) {
  TStringList* cells = G->HiddenRowCells(RealRow);
  if (cells == nullptr || cells->Count() == 0) return nullptr;
  return dynamic_cast<TCellProperties*>(cells->Objects(0));
}

}  // namespace

// ---------------------------------------------------------------------------
// Queries

bool TDedAdararAdoz::IsNode(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }

bool TDedAdararAdoz::IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

void TDedAdararAdoz::SetSummaryRow(int ARow) {
  const int d = DisplRowIndex(ARow);
  if (d < 0 || d >= RowCount() || IsHiddenRow(ARow)) return;
  CreateCellGraphic(0, d)->CellType = ctSummary;
}

bool TDedAdararAdoz::GetNodeState(int ARow) {
  TCellGraphic* g = NodeOf(ARow >= 0 ? GetCellGraphic(0, ARow) : nullptr);
  return g != nullptr && g->CellBoolean;
}

void TDedAdararAdoz::SetNodeState(int ARow, bool Value) {
  if (!IsNode(ARow) || GetNodeState(ARow) == Value) return;
  if (Value)
    ContractNode(RealRowIndex(ARow));
  else
    ExpandNode(RealRowIndex(ARow));
}

int TDedAdararAdoz::GetNodeLevel(int ARow) {
  if (!IsNode(ARow)) return -1;
  return HasCellProperties(0, ARow) ? GetGridObject(0, ARow)->NodeLevel() : 0;
}

int TDedAdararAdoz::GetNodeSpan(int ARow) {
  TCellGraphic* g = NodeOf(ARow >= 0 ? GetCellGraphic(0, ARow) : nullptr);
  return g != nullptr ? g->CellIndex : -1;
}

void TDedAdararAdoz::SetNodeSpan(int ARow, int Span) {
  if (TCellGraphic* g = NodeOf(ARow >= 0 ? GetCellGraphic(0, ARow) : nullptr)) g->CellIndex = Span;
}

void TDedAdararAdoz::UpdateNodeSpan(int ARow, int Delta) {
  if (TCellGraphic* g = NodeOf(ARow >= 0 ? GetCellGraphic(0, ARow) : nullptr)) g->CellIndex += Delta;
}

int TDedAdararAdoz::GetSubNodeCount(int ARow) {
  TCellGraphic* g = NodeOf(ARow >= 0 ? GetCellGraphic(0, ARow) : nullptr);
  return g != nullptr ? g->CellErrFrom : 0;
}

void TDedAdararAdoz::UpdateSubNodeCount(int ARow, int Delta) {
  if (TCellGraphic* g = NodeOf(ARow >= 0 ? GetCellGraphic(0, ARow) : nullptr)) g->CellErrFrom += Delta;
}

// The real row after the last one the node at display row D covers.
int TDedAdararAdoz::NodeEndReal(int D) {
  const int real = RealRowIndex(D);
  const int span = GetNodeSpan(D);
  if (span > 0) return real + span;
  for (int r = D + 1; r < RowCount(); ++r)
    if (IsNode(r)) return RealRowIndex(r);
  return TotalRowCount();
}

void TDedAdararAdoz::ChangeNodeLevels(int FromReal, int ToReal, int Delta) {
  for (int r = FromReal; r < ToReal && r < TotalRowCount(); ++r) {
    TCellProperties* p = nullptr;
    if (IsHiddenRow(r)) {
      p = HiddenProps(this, r);
    } else {
      const int d = DisplRowIndex(r);
      // A row without properties gets them only to go up a level.
      p = Delta > 0 ? GetCellProperties(0, d) : (HasCellProperties(0, d) ? GetGridObject(0, d) : nullptr);
    }
    if (p != nullptr) p->SetNodeLevel(std::max(0, p->NodeLevel() + Delta));
  }
}

// ---------------------------------------------------------------------------
// Adding and removing nodes

void TDedAdararAdoz::AddNode(int ARow, int Span) {
  if (ARow < 0 || ARow >= TotalRowCount() || IsHiddenRow(ARow)) return;
  const int d = DisplRowIndex(ARow);
  TCellGraphic* g = CreateCellGraphic(0, d);
  g->CellType = ctNode;
  g->CellBoolean = false;
  g->CellIndex = Span;
  g->CellErrFrom = 0;
  g->CellAngle = d;
  g->CellHAlign = haBeforeText;
  g->CellVAlign = vaCenter;
  g->CellVar = -1;
  ChangeNodeLevels(ARow, NodeEndReal(d), 1);
  if (FNodeCount == 0) RepaintCol(0);
  ++FNodeCount;
  if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TDedAdararAdoz::RemoveNode(int ARow) {
  if (IsHiddenRow(ARow)) return;
  const int d = DisplRowIndex(ARow);
  if (!IsNode(d)) return;
  ExpandNode(ARow);
  ChangeNodeLevels(ARow, NodeEndReal(d), -1);
  RemoveCellGraphic(0, d);
  FNodeCount = std::max(0, FNodeCount - 1);
}

void TDedAdararAdoz::RemoveAllNodes() {
  for (int d = 0; d < RowCount(); ++d)
    if (IsNode(d)) RemoveNode(RealRowIndex(d));
  FNodeCount = 0;
  InvalidateGrid();
}

// ---------------------------------------------------------------------------
// Expanding and contracting

void TDedAdararAdoz::ExpandNode(int ARow) {
  if (FCellNode->ExpandOne()) {
    for (int d = FixedRows(); d < RowCount(); ++d)
      if (IsNode(d) && !GetNodeState(d) && RealRowIndex(d) != ARow) ContractNode(RealRowIndex(d));
  }
  ExpandNodeOnly(ARow);
  CalcFooter(-1);
}

void TDedAdararAdoz::ExpandNodeOnly(int ARow) {
  if (ARow < 0 || IsHiddenRow(ARow)) return;
  const int d = DisplRowIndex(ARow);
  if (d >= RowCount() || !IsNode(d) || !GetNodeState(d)) return;
  GetCellGraphic(0, d)->CellBoolean = false;
  const int end = NodeEndReal(d);
  if (end <= ARow + 1) return;
  const int oldRow = Row(), oldTop = TopRow();
  {
    TGridUpdate hold(this);
    UnHideRowsOfLevel(ARow + 1, end - 1, 0);
    // Rows that come back under a filter meet its conditions too.
    if (FFilterLevel > 0 && FFilter->Count() > 0) {
      TIntList failing(-1, -1);
      for (int r = d + 1; r < RowCount() && RealRowIndex(r) < end; ++r) {
        if (FFilterNormalCellsOnly && (IsNode(r) || IsSummary(r))) continue;
        if (!RowMatchesFilter(r)) failing.Add(r);
      }
      if (failing.Count() > 0) HideRowListAtLevel(&failing, FFilterLevel);
    }
  }
  // The view stays where it was.
  if (oldRow < RowCount() && Row() != oldRow) TCustomGrid::FocusCell(Col(), oldRow, true);
  if (oldTop < RowCount()) TCustomGrid::SetTopRow(oldTop);
}

void TDedAdararAdoz::ContractNode(int ARow) {
  HideInplaceEdit();
  if (ARow < 0 || IsHiddenRow(ARow)) return;
  const int d = DisplRowIndex(ARow);
  if (d >= RowCount() || !IsNode(d) || GetNodeState(d)) return;
  GetCellGraphic(0, d)->CellBoolean = true;
  const int end = NodeEndReal(d);
  // Contracted sub-nodes inside keep their rows out; they go into this
  // node's block and come back with it, so they read expanded from now.
  for (int r = d + 1; r < RowCount() && RealRowIndex(r) < end; ++r)
    if (IsNode(r) && GetNodeState(r)) GetCellGraphic(0, r)->CellBoolean = false;
  if (end > ARow + 1) {
    TGridUpdate hold(this);
    TakeRowsOut(ARow + 1, end - 1, false);
  }
  CalcFooter(-1);
}

void TDedAdararAdoz::ExpandAll() {
  {
    TGridUpdate hold(this);
    // Top-down: a parent brings its children back before they are reached.
    for (int r = FixedRows(); r < TotalRowCount(); ++r) {
      if (IsHiddenRow(r)) continue;
      const int d = DisplRowIndex(r);
      if (IsNode(d) && GetNodeState(d)) ExpandNodeOnly(r);
    }
  }
  CalcFooter(-1);
}

void TDedAdararAdoz::ContractAll() {
  {
    TGridUpdate hold(this);
    ExpandAll();
    std::vector<std::pair<int, int>> blocks;
    int d = FixedRows();
    while (d < RowCount()) {
      if (!IsNode(d)) {
        ++d;
        continue;
      }
      GetCellGraphic(0, d)->CellBoolean = true;
      const int real = RealRowIndex(d);
      const int end = NodeEndReal(d);
      if (end > real + 1) blocks.emplace_back(real + 1, end - 1);
      d = std::max(d + 1, DisplRowIndex(end));
      if (end >= TotalRowCount()) break;
    }
    // Real rows do not move while rows are hidden, so the blocks stay valid.
    for (const auto& b : blocks) TakeRowsOut(b.first, b.second, false);
  }
  CellControlsUpdate(false);
  CalcFooter(-1);
}

std::vector<std::pair<int, int>> TDedAdararAdoz::ContractedNodeRanges() {
  std::vector<std::pair<int, int>> ranges;
  if (FNodeCount <= 0) return ranges;
  for (int d = 0; d < RowCount(); ++d)
    if (IsNode(d) && GetNodeState(d)) ranges.emplace_back(RealRowIndex(d) + 1, NodeEndReal(d));
  return ranges;
}

// ---------------------------------------------------------------------------
// Parents and tree lines

int TDedAdararAdoz::GetParentRow(int ARow) {
  if (FNodeCount <= 0 || ARow < 0 || ARow >= RowCount()) return -1;
  const bool node = IsNode(ARow);
  const int own = node ? GetNodeLevel(ARow) : INT_MAX;
  const int real = RealRowIndex(ARow);
  for (int d = ARow; d >= FixedRows(); --d) {
    if (!IsNode(d) || GetNodeLevel(d) >= own) continue;
    if (real < NodeEndReal(d)) return d;
  }
  return node ? ARow : -1;
}

int TDedAdararAdoz::GetNodeSpanType(int ARow) {
  if (IsNode(ARow)) return 0;
  const int next = ARow + 1;
  if (next >= RowCount() || IsNode(next)) return 1;
  const int parent = GetParentRow(ARow);
  if (parent < 0) return 1;
  return RealRowIndex(next) < NodeEndReal(parent) ? 2 : 1;
}

// ---------------------------------------------------------------------------
// Child rows

void TDedAdararAdoz::InsertNormalRow(int ARow) { InsertRows(DisplRowIndex(ARow), 1); }

void TDedAdararAdoz::RemoveNormalRow(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return;
  if (IsNode(ARow)) FNodeCount = std::max(0, FNodeCount - 1);
  RemoveRowsInternal(ARow, 1);
}

void TDedAdararAdoz::InsertChildRow(int ARow, int InsertAt) {
  if (ARow < 0 || IsHiddenRow(ARow)) return;
  const int d = DisplRowIndex(ARow);
  const int parent = GetParentRow(d);
  int level = -1;
  if (parent >= 0) {
    const int parentReal = RealRowIndex(parent);
    UpdateNodeSpan(parent, 1);
    UpdateSubNodeCount(parent, 1);
    ExpandNode(parentReal);
    const int p = DisplRowIndex(parentReal);
    level = GetNodeLevel(p);
    // Every enclosing node grows by the row too.
    int q = p;
    while (GetNodeLevel(q) > 1) {
      const int up = GetParentRow(q);
      if (up < 0 || up == q) break;
      if (GetNodeLevel(up) < GetNodeLevel(q)) {
        UpdateNodeSpan(up, 1);
        UpdateSubNodeCount(up, 1);
        ExpandNode(RealRowIndex(up));
      }
      q = DisplRowIndex(RealRowIndex(up));
    }
  }
  const int at = DisplRowIndex(ARow);
  int newRow;
  if (IsNode(at) && InsertAt == 0) {
    newRow = at + 1;
    InsertRows(newRow, 1);
    // The node row's contents move into the new row; the node row keeps
    // only its node.
    const int cols = TotalColCount();
    for (int c = 0; c < cols; ++c) {
      SetGridCell(c, newRow, GetGridCell(c, at));
      SetGridCell(c, at, "");
      if (c == 0) continue;
      TCellProperties* props = GetGridObject(c, at);
      if (props != nullptr) props->SetOwnerRow(newRow);
      SetGridObject(c, newRow, props);
      SetGridObject(c, at, nullptr);
    }
  } else {
    newRow = at + InsertAt;
    InsertRows(newRow, 1);
  }
  if (level >= 0 && newRow < RowCount()) GetCellProperties(0, newRow)->SetNodeLevel(level);
}

void TDedAdararAdoz::RemoveChildRow(int ARow) {
  if (ARow < 0 || IsHiddenRow(ARow)) return;
  const int d = DisplRowIndex(ARow);
  int p = GetParentRow(d);
  if (p >= 0 && p != d) {
    const int firstLevel = GetNodeLevel(p);
    if (GetNodeSpan(p) > 1) {
      UpdateNodeSpan(p, -1);
      UpdateSubNodeCount(p, -1);
    }
    while (true) {
      ExpandNode(RealRowIndex(p));
      if (GetNodeLevel(p) <= 1) break;
      const int up = GetParentRow(p);
      if (up < 0 || up == p || GetNodeLevel(up) >= firstLevel) break;
      if (GetNodeSpan(up) > 1) {
        UpdateNodeSpan(up, -1);
        UpdateSubNodeCount(up, -1);
      }
      p = up;
    }
  }
  const int now = DisplRowIndex(ARow);
  if (IsNode(now)) FNodeCount = std::max(0, FNodeCount - 1);
  RemoveRowsInternal(now, 1);
}

// ---------------------------------------------------------------------------
// Hit test of the node glyph

bool TDedAdararAdoz::IsInNodeButton(int ARow, int X) {
  if (!FMouseActions->PreciseNodeClick()) return true;
  const int level = HasCellProperties(0, ARow) ? GetGridObject(0, ARow)->NodeLevel() : 0;
  const int indent = FCellNode->NodeIndent();
  int b = 4, c = 4;
  switch (FCellNode->NodeType()) {
    case cnFlat:
    case cnXP:
      break;
    case cn3D:
      b = 6;
      c = 0;
      break;
    case cnGlyph: {
      TBitmap* glyph = FCellNode->ExpandGlyph();
      const bool empty = glyph == nullptr || glyph->Empty();
      b = empty ? 0 : glyph->Width() / 2;
      c = empty ? 0 : 2;
      break;
    }
    case cnLeaf:
      b = 8;
      c = 2;
      break;
  }
  if (BiDiMode() == bdRightToLeft) {
    const int v = VisibleRowCount() + FixedRows() < RowCount() ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int w = Width();
    return w - level * indent - b - 2 <= X + v && X + v < w - (level - 1) * indent;
  }
  return c + (level - 1) * indent < X && X < b + level * indent;
}
