// The mouse moving over the grid, around the framework grid's own move
// handling: the hovered row, fixed cell and cell button, the scroll bar of a
// cell, whole rows and columns dragged out in the fixed cells, the sizing
// zones of the fixed cells, the selection resizer, the cursor for what a
// press would do, links and their enter and exit, stale hints, the sizing
// events and hint; and the mouse leaving the grid. Drags out of the grid and
// the feedback of row and column moves are the drag start's
// (DivUzev_DragStart.cpp).
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "framework/controls/Forms.h"
#include "framework/controls/ScrollBars.h"
#include "framework/controls/ToolTips.h"
#include "framework/controls/WinApi.h"
#include "framework/graphics/CursorPicture.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevUtil.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevHint.h"

namespace {

bool SameRect(const TGridRect& A, const TGridRect& B) { return A == B; }

// A 32 x 32 cursor: Shape drawn black with a white edge on a see-through
// ground.
void RegisterGridCursor(TCursor Id, const std::vector<TPoint>& Shape, TPoint HotSpot) {
  TBitmap bmp;
  BeginCursorPicture(&bmp)->Polygon(Shape);
  Screen->SetCursors(Id, &bmp, HotSpot);
}

}  // namespace

TCursor GridCursor(TCursor Id) {
  if (Screen == nullptr || Screen->HasCursor(Id)) return Id;
  switch (Id) {
    case crGridRowSelect:  // a fat arrow pointing right, at the row
      RegisterGridCursor(Id, {{4, 12}, {14, 12}, {14, 7}, {23, 16}, {14, 25}, {14, 20}, {4, 20}},
                         TPoint(23, 16));
      break;
    case crGridColSelect:  // a fat arrow pointing down, at the column
      RegisterGridCursor(Id, {{12, 4}, {20, 4}, {20, 14}, {25, 14}, {16, 23}, {7, 14}, {12, 14}},
                         TPoint(16, 23));
      break;
    case crGridSelectAll:  // a plus: the block grows or everything is taken
      RegisterGridCursor(Id,
                         {{14, 6},
                          {18, 6},
                          {18, 14},
                          {26, 14},
                          {26, 18},
                          {18, 18},
                          {18, 26},
                          {14, 26},
                          {14, 18},
                          {6, 18},
                          {6, 14},
                          {14, 14}},
                         TPoint(16, 16));
      break;
    case crGridCellSelector:  // a small square with a tail
      RegisterGridCursor(Id, {{4, 4}, {16, 4}, {16, 12}, {26, 22}, {22, 26}, {12, 16}, {4, 16}},
                         TPoint(4, 4));
      break;
    case 8000:  // panning, at rest: a four-pointed star
      RegisterGridCursor(Id, {{16, 2}, {20, 12}, {30, 16}, {20, 20}, {16, 30}, {12, 20}, {2, 16}, {12, 12}},
                         TPoint(16, 16));
      break;
    default:
      if (Id > 8000 && Id <= 8008) {
        // Panning one way: an arrow from the middle, turned by 45 degrees
        // per step (8001 down, 8002 left, 8003 right, 8004 up and the
        // diagonals up-right, up-left, down-right, down-left).
        static const double kTurn[] = {180, 270, 90, 0, 45, 315, 135, 225};
        const double a = kTurn[Id - 8001] * 3.14159265358979 / 180;
        const TPoint up[] = {{16, 2}, {25, 13}, {19, 13}, {19, 24}, {13, 24}, {13, 13}, {7, 13}};
        std::vector<TPoint> shape;
        for (const TPoint& p : up) {
          const double x = p.X - 16, y = p.Y - 16;
          shape.emplace_back(16 + static_cast<int>(std::lround(x * std::cos(a) - y * std::sin(a))),
                             16 + static_cast<int>(std::lround(x * std::sin(a) + y * std::cos(a))));
        }
        RegisterGridCursor(Id, shape, TPoint(16, 16));
      }
      break;
  }
  return Id;
}

void TDedAdararAdoz::SetGridCursor(TCursor Value) {
  FCursorTaken = true;
  if (Cursor() == Value) return;
  // The grid's own cursor stays what the application set.
  Invokedchange = true;
  SetCursor(Value);
  Invokedchange = false;
}

// ---------------------------------------------------------------------------
// Hover effects

void TDedAdararAdoz::HoverMove(int ACol, int ARow, int X, int Y) {
  // The hovered row.
  if (HoverRow() && ARow != HoverRowIdx()) {
    const int old = HoverRowIdx();
    SetHoverRowIdx(ARow);
    RepaintRow(ARow);
    if (old >= 0 && old < RowCount()) RepaintRow(old);
  }
  const int rc = RealColIndex(ACol);
  // The scroll bar of a cell that has one sits at its right edge.
  if (TScrollBar* bar = FCellScrollBars[0]; bar != nullptr && bar->Parent() == this) {
    if (HasScrollBar(rc, ARow)) {
      SetScrollBarCell(rc, ARow);
      const TScrollProp prop = GetScrollProp(rc, ARow);
      if (prop.PageSize < prop.Range) {
        const TRect r = CellRect(ACol, ARow);
        const int lw = GridLineWidth();
        const int left = r.Right - 17 - lw, top = r.Top + lw;
        if (!(bar->Visible() && bar->Left() == left && bar->Top() == top)) {
          bar->SetBounds(left, top, 17, r.Height() - 2 * lw);
          bar->SetParams(std::max(0, GetScrollPosition(rc, ARow)), 0, prop.Range);
          bar->SetPageSize(prop.PageSize);
          bar->SetVisible(true);
        }
      }
    } else if (bar->Visible()) {
      bar->SetVisible(false);
    }
  }
  // The hovered fixed cell; a drop-down menu may have asked to keep it.
  if (FHoverFixedCells != hfNone && !FNoMouseLeave) {
    const TGridCoord old = FHoveredFixedCell;
    const TGridCoord now(ACol, ARow);
    if (!(old == now)) {
      FHoveredFixedCell = now;
      auto fixed = [this](TGridCoord C) {
        return C.X >= 0 && C.Y >= 0 && (C.X < FixedCols() || C.Y < FixedRows());
      };
      if (fixed(old)) RepaintCell(old.X, old.Y);
      if (fixed(now)) RepaintCell(now.X, now.Y);
    }
  }
  // The hot fixed cell of the list-view look.
  if (FLook == glListView && !(FHotFixedCell == TGridCoord(ACol, ARow))) {
    const TGridCoord old = FHotFixedCell;
    FHotFixedCell = TGridCoord(ACol, ARow);
    if (old.X >= 0 && old.Y >= 0 && (old.X < FixedCols() || old.Y < FixedRows())) RepaintCell(old.X, old.Y);
    if (ACol < FixedCols() || ARow < FixedRows()) RepaintCell(ACol, ARow);
  }
  // The cell button or expand button under the mouse.
  const TPoint p(X, Y);
  TGridCoord hot(-1, -1);
  if ((HasButton(rc, ARow) && PtInRect(GetCellButtonRect(ACol, ARow), p)) ||
      (HasExpand(rc, ARow) && PtInRect(GetExpandRect(ACol, ARow), p)))
    hot = TGridCoord(ACol, ARow);
  if (!(hot == FHotButtonCell)) {
    const TGridCoord old = FHotButtonCell;
    FHotButtonCell = hot;
    if (old.X >= 0) RepaintCell(old.X, old.Y);
    if (hot.X >= 0) RepaintCell(hot.X, hot.Y);
  }
}

// ---------------------------------------------------------------------------
// Fixed sizing zones and the selection resizer

void TDedAdararAdoz::FixedSizingZones(int ACol, int ARow, int X, int Y) {
  const bool valid = ACol >= 0 && ARow >= 0 && !FDesigning;
  bool nearCol = false, nearRow = false;
  if (valid && FixedCols() > 0) {
    for (int c = 0; c < FixedCols() && !nearCol; ++c) nearCol = std::abs(X - CellRect(c, ARow).Right) < 3;
  }
  if (valid && FixedRows() > 0) {
    for (int r = 0; r < FixedRows() && !nearRow; ++r) nearRow = std::abs(Y - CellRect(ACol, r).Bottom) < 3;
  }
  FSizeFixed = nearCol && FMouseActions->SizeFixedCol();
  FSizeFixedR = nearRow && FMouseActions->SizeFixedRow();
  // A running sizing drag moves its line.
  if (FSizingFixed && X != FSizeFixedX) {
    if (FSizeFixedX >= 0) DrawColumnSizingLine(FSizeFixedX);
    FSizeFixedX = X;
    DrawColumnSizingLine(X);
  }
  if (FSizingFixedR && Y != FSizeFixedY) {
    if (FSizeFixedY >= 0) DrawRowSizingLine(FSizeFixedY);
    FSizeFixedY = Y;
    DrawRowSizingLine(Y);
  }
}

bool TDedAdararAdoz::OnSelectionResizer(int X, int Y) {
  if (!FSelectionResizer || !FSelectionRectangle) return false;
  const TGridRect s = Selection();
  const TRect r = CellRect(s.Right, s.Bottom);
  if (r.Right <= r.Left) return false;
  const int x0 = UseRightToLeftAlignment() ? r.Left : r.Right - 6;
  return X >= x0 && X < x0 + 6 && Y >= r.Bottom - 6 && Y < r.Bottom;
}

// ---------------------------------------------------------------------------
// What a press would do here, for the cursor

void TDedAdararAdoz::CursorModeAt(int ACol, int ARow, int X, int Y) {
  if (ACol < 0 || ARow < 0) return;
  TGridState sizing = gsNormal;
  int index = 0, pos = 0, ofs = 0;
  CalcSizingState(X, Y, sizing, index, pos, ofs);
  const bool inZone = FSizeFixed || FSizeFixedR || sizing != gsNormal;
  const bool fixedCol = ACol < FixedCols(), fixedRow = ARow < FixedRows();
  int lastRow = RowCount() - 1;
  if (FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow)
    lastRow = RowCount() - 2;
  // The node button of a tree row is pressed, not the row selected.
  const bool onNode = HasNodes() && ACol == 0 && IsNodeRow(ARow) && IsInNodeButton(ARow, X);
  if (fixedCol && fixedRow && FMouseActions->AllSelect()) {
    FMouseSelectMode = msAll;
    Invokedchange = true;
  } else if (fixedRow && !fixedCol && FMouseActions->ColSelect() && !inZone) {
    FMouseSelectMode = msColumn;
    Invokedchange = true;
  } else if (fixedCol && ARow >= FixedRows() && ARow <= lastRow && FMouseActions->RowSelect() && !inZone &&
             !onNode) {
    FMouseSelectMode = msRow;
    Invokedchange = true;
  }
}

// ---------------------------------------------------------------------------
// Links

bool TDedAdararAdoz::LinkMove(int ACol, int ARow, int X, int Y) {
  const int rc = RealColIndex(ACol);
  const std::string t = GetGridCell(rc, ARow);
  const int kind = ClassifyCellText(t, FEnableHTML);
  bool took = false;
  auto leaveAnchor = [&]() {
    if (FAnchor.empty()) return;
    const std::string left = FAnchor;
    FAnchor.clear();
    if (OnAnchorExit) OnAnchorExit(this, ARow, rc, left);
  };
  auto hoverLink = [&](TGridCoord Cell, int Link) {
    if (FMouseCell == Cell && FHoveredLink == Link) return;
    const TGridCoord old = FMouseCell;
    FMouseCell = Cell;
    FHoveredLink = Link;
    if (old.X >= 0 && old.Y >= 0) RepaintCell(old.X, old.Y);
    if (Cell.X >= 0 && Cell.Y >= 0) RepaintCell(Cell.X, Cell.Y);
  };
  if (kind != 1) {
    if (URLShow() && (t.find("://") != std::string::npos || t.find("mailto:") != std::string::npos)) {
      SetGridCursor(crHandPoint);
      took = true;
    }
    if (FHoveredLink != -1) hoverLink(TGridCoord(-1, -1), -1);
    // Off every anchor now: the one left says so.
    leaveAnchor();
    return took;
  }
  TRect r = CellRect(ACol, ARow);
  r.Left += FXYOffset.X + 1;
  r.Top += FXYOffset.Y + 1;
  r.Right -= FXYOffset.X;
  if (HasCheckBox(rc, ARow)) r.Left += FControlLook->CheckSize();
  if (HasScrollBar(rc, ARow)) r.Right -= 17;
  const bool fixed = ACol < FixedCols() || ARow < FixedRows();
  Canvas()->Font()->Assign(fixed ? FFixedFont.get() : GetCellFont(rc, ARow));
  TMarkupParams mp;
  mp.XPos = X;
  mp.YPos = Y;
  mp.CheckHotSpot = true;
  mp.ImageList = FGridImages;
  mp.PictureContainer = FPictureContainer;
  TMarkupResult res;
  const bool onAnchor = DrawMarkup(Canvas(), t, r, mp, res) && res.ControlID.empty() && !res.Anchor.empty();
  if (FURLUnderlineOnHover)
    hoverLink(onAnchor ? TGridCoord(ACol, ARow) : TGridCoord(-1, -1), onAnchor ? res.MouseLink : -1);
  if (!onAnchor) {
    leaveAnchor();
    return false;
  }
  std::string hint = res.AnchorTitle;
  if (hint.empty() && OnAnchorHint) {
    hint = res.Anchor;
    OnAnchorHint(this, ARow, rc, hint);
  }
  if (res.Anchor != FAnchor && hint != FLastAnchorHint && !FLastAnchorHint.empty()) {
    FLastAnchorHint = hint;
    Application->CancelHint();
  }
  SetGridCursor(crHandPoint);
  if (res.Anchor != FAnchor) {
    leaveAnchor();
    FAnchor = res.Anchor;
    if (OnAnchorEnter) OnAnchorEnter(this, ARow, rc, FAnchor);
  }
  return true;
}

// ---------------------------------------------------------------------------
// Hints of another cell

void TDedAdararAdoz::CancelStaleHints(int ACol, int ARow) {
  TGridCoord here(-1, -1);
  if (ACol >= 0 && ARow >= 0) {
    const TGridCoord b = BaseCell(RealColIndex(ACol), ARow);
    here = TGridCoord(DisplColIndexOf(b.X), b.Y);
  }
  if (FLastHintPos.X >= 0 && !(FLastHintPos == here)) {
    Application->CancelHint();
    FLastHintPos = TGridCoord(-1, -1);
    // The pointer may rest after this one move: the new cell's hint waits
    // its pause from here rather than for the next move.
    if (ShowHint()) {
      const TPoint p = ScreenToClient(::CursorPos());
      TMessage move{WM_MOUSEMOVE, 0, MakeLParam(p.X, p.Y), 0};
      Application->HintMouseMessage(this, move);
    }
  }
  if (FLastBalloonPos.X >= 0 && !(FLastBalloonPos == here)) {
    // The balloon of another cell goes; the tip asks again for this one.
    if (FBalloon->Enable() && FBalloonTip != nullptr) FBalloonTip->Pop();
    FLastBalloonPos = TGridCoord(-1, -1);
  }
}

// ---------------------------------------------------------------------------
// Sizing events and the sizing hint

void TDedAdararAdoz::SizingFeedback(int X, int Y) {
  const TGridState state = GridState();
  const bool colSizing = state == gsColSizing && FSizingCol >= 0;
  const bool rowSizing = state == gsRowSizing && FSizingRow >= 0;
  int size = 0;
  TGridCoord at(0, 0);
  std::string text;
  if (colSizing) {
    size = FSizingColWidth + (UseRightToLeftAlignment() ? FClickPos.X - X : X - FClickPos.X);
    if (OnColumnSizing) OnColumnSizing(this, FSizingCol, size);
    text = "cw=<b>" + std::to_string(size) + "</b>";
    at = TGridCoord(FSizingCol, 0);
  } else if (FSizingFixed) {
    if (OnColumnSizing) OnColumnSizing(this, 0, FSizeFixedX);
    text = "cw=<b>" + std::to_string(FSizeFixedX) + "</b>";
  } else if (rowSizing) {
    size = FSizingRowHeight + Y - FClickPos.Y;
    if (OnRowSizing) OnRowSizing(this, FSizingRow, size);
    text = "rh=<b>" + std::to_string(size) + "</b>";
    at = TGridCoord(0, FSizingRow);
  } else if (FSizingFixedR) {
    if (OnRowSizing) OnRowSizing(this, 0, FSizeFixedY);
    text = "rh=<b>" + std::to_string(FSizeFixedY) + "</b>";
  }
  if (text.empty() || !(FDesigning || HintShowSizing())) {
    if (text.empty() && FScrollHintShown && GridState() == gsNormal) HideScrollHint();
    return;
  }
  if (FScrollHintWnd == nullptr) FScrollHintWnd = new THTMLHintWindow(this);
  FScrollHintWnd->SetColor(FHintColor);
  const TRect cell = CellRect(at.X, at.Y);
  const TPoint origin = ClientToScreen(TPoint(cell.Left, cell.Top));
  const TRect m = FScrollHintWnd->CalcHintRect(200, text, nullptr);
  FScrollHintWnd->ActivateHint(TRect(origin.X, origin.Y, origin.X + m.Width(), origin.Y + m.Height()), text);
  FScrollHintShown = true;
}

// ---------------------------------------------------------------------------
// The move handler

void TDedAdararAdoz::MouseMove(TShiftState Shift, int X, int Y) {
  // A press-drag leaves the editing that range select and edit switched on.
  if (FMouseDownMove && FMouseActions->RangeSelectAndEdit() && Options().Contains(goEditing) && !FEditMode)
    SetOptions(Options() >> goEditing);
  const TGridRect s0 = Selection();
  if (GridState() == gsSelecting && FSelectionRectangle) FSizeSelection = s0;
  int ACol = -1, ARow = -1;
  MouseToCell(X, Y, ACol, ARow);
  const bool valid = ACol >= 0 && ARow >= 0;
  FCursorTaken = false;
  if (valid && !FDesigning) HoverMove(ACol, ARow, X, Y);

  // Whole rows or columns dragged out from the fixed cells.
  if (FMouseSelectStart >= 0 && FMouseActions->RowSelect() && FMouseSelectMode == msRow) {
    if (ARow >= FixedRows() && ARow <= RowCount() - FFixedFooters && ARow < RowCount()) {
      const TGridRect s(FixedCols(), FMouseSelectStart, ColCount() - 1, std::max(FixedRows(), ARow));
      SetSelection(s);
      if (FSelectionRectangle && !SameRect(Selection(), FSizeSelection)) {
        RepaintRect(Selection());
        FSizeSelection = Selection();
      }
    }
    if (Y > Height() - 4 && TopRow() + VisibleRowCount() < RowCount())
      SetTopRow(TopRow() + 1);
    else if (FixedRows() > 0 && Y < RowHeights(0) && TopRow() > FixedRows())
      SetTopRow(TopRow() - 1);
  }
  if (FMouseSelectStart >= 0 && FMouseActions->ColSelect() && FMouseSelectMode == msColumn && ACol >= 0) {
    const TGridRect s(FMouseSelectStart, FixedRows(), std::max(FixedCols(), ACol), RowCount() - 1);
    SetSelection(s);
    if (FSelectionRectangle && !SameRect(Selection(), FSizeSelection)) {
      RepaintRect(Selection());
      FSizeSelection = Selection();
    }
  }

  FixedSizingZones(ACol, ARow, X, Y);
  const bool onResizer = OnSelectionResizer(X, Y);

  // Drags out of the grid and row and column moves.
  if (DragStartMove(ACol, ARow, X, Y, onResizer)) return;

  // The cursor shows what a press would do; a header drag keeps its mode.
  if (FMouseSelectStart < 0 || FMouseSelectMode == msNormal) {
    FMouseSelectMode = onResizer ? msResize : msNormal;
    if (!FDesigning) CursorModeAt(ACol, ARow, X, Y);
  }
  if (FMouseSelectMode == msResize) SetGridCursor(GridCursor(crGridSelectAll));
  if (valid && !FDesigning && !FWheelPan) LinkMove(ACol, ARow, X, Y);
  if (!FCursorTaken && !FWheelPan && Cursor() != FOldCursor) {
    Invokedchange = true;
    SetCursor(FOldCursor);
    Invokedchange = false;
  }

  CancelStaleHints(ACol, ARow);

  if (GridState() == gsSelecting && FSelectionRectangle) {
    const TGridRect s = Selection();
    if (!SameRect(s, FMoveSelection)) {
      InvalidateSelectionCorners(s);
      FMoveSelection = s;
    }
  }

  const int left = LeftCol();
  const bool rowSelecting = GridState() == gsSelecting && Options().Contains(goRowSelect);
  TBaseGrid::MouseMove(Shift, X, Y);
  if (FNavigation->KeepHorizScroll() && rowSelecting && GridState() != gsColMoving) SetLeftCol(left);

  SizingFeedback(X, Y);

  if (FEnhRowColMove && (GridState() == gsColMoving || GridState() == gsRowMoving)) Update();
  const TGridRect s = Selection();
  if (!SameRect(s, s0)) SelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
}

void TDedAdararAdoz::CMMouseLeave(TMessage& Message) {
  TBaseGrid::CMMouseLeave(Message);
  // A child control the mouse went to reports its own leaving.
  if (Message.LParam != 0) return;
  FMouseSelectMode = msNormal;
  FSizeFixed = FSizeFixedR = false;
  if (FHoverFixedCells != hfNone && !FNoMouseLeave) ResetFixedCellHighlight();
  if (FLook == glListView && FHotFixedCell.X >= 0 && FHotFixedCell.Y >= 0) {
    const TGridCoord old = FHotFixedCell;
    FHotFixedCell = TGridCoord(-1, -1);
    if (old.X < FixedCols() || old.Y < FixedRows()) RepaintCell(old.X, old.Y);
  }
  if (HoverRow() && HoverRowIdx() >= 0) {
    const int old = HoverRowIdx();
    SetHoverRowIdx(-1);
    if (old < RowCount()) RepaintRow(old);
  }
  if (FHotButtonCell.X >= 0) {
    const TGridCoord old = FHotButtonCell;
    FHotButtonCell = TGridCoord(-1, -1);
    RepaintCell(old.X, old.Y);
  }
  if (!FAnchor.empty()) {
    const std::string left = FAnchor;
    FAnchor.clear();
    if (OnAnchorExit) OnAnchorExit(this, -1, -1, left);
  }
  if (Cursor() != FOldCursor) {
    Invokedchange = true;
    SetCursor(FOldCursor);
    Invokedchange = false;
  }
}
