// Drags that start in the grid while the mouse moves: cells or a column
// header dragged out to other windows, grids and programs, and the feedback
// of a row or column moved within the grid (the move events, the picture
// following the mouse, the arrow marks at the drop place, scrolling and the
// drag cursor).
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "framework/classes/Streams.h"
#include "framework/controls/Forms.h"
#include "grid/base/VevCtrls.h"
#include "grid/io/GridDrop.h"
#include "grid/model/DivUzev.h"
#include "grid/view/DivUzevHeaderDragButton.h"

namespace {

constexpr DWORD kCopyOrMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

}  // namespace

// ---------------------------------------------------------------------------
// A drag out of the grid

void TDedAdararAdoz::StartOleDrag(int ACol, int ARow) {
  FSelectionClick = false;
  const int rc = RealColIndex(ACol);
  TDragDropSettings* set = FDragDropSettings.get();
  const bool inHeader = ARow < FixedRows();
  bool allow = true;
  if (set->OleColumnsOnly())
    allow = inHeader;
  else if (OnOleDrag)
    // A copy: the handler may change the grid while it holds the text.
    OnOleDrag(this, ARow, rc, std::string(GetCellEx(rc, ARow)), allow);
  if (!allow) {
    if (GridState() == gsNormal) SetGridState(gsSelecting);
    return;
  }
  auto source = std::make_shared<TGridDropSource>(this);
  if (OnOleDragStart) OnOleDragStart(this, ARow, rc);
  DoStartBlockFocus();
  // The button that began the drag goes up inside the drag loop: what the
  // press began ends with it.
  struct TEnd {
    TDedAdararAdoz* G;
    ~TEnd() {
      G->FOleDragging = false;
      G->FMouseDown = G->FMouseKeepDown = G->FMouseDownMove = false;
      G->FMouseSelectMode = msNormal;
      G->FMouseSelectStart = -1;
      G->HideDropArrows();
      if (G->FMoveButton != nullptr) G->FMoveButton->SetVisible(false);
      G->FreeMoveForm();
    }
  } end{this};
  FOleDragging = true;
  if (FDropTarget) FDropTarget->ForgetLastDrop();
  DWORD effect = DROPEFFECT_NONE;
  const bool columnDrag = inHeader && set->OleColumnDragDrop();
  // The picture of what is dragged, where the drop source moves it.
  const TPoint cursor = CursorPos();
  if (set->ShowCells() && FMoveForm == nullptr) {
    MakeMoveForm(columnDrag ? TGridRect(ACol, 0, ACol, RowCount() - 1) : Selection());
    ShowFloating(FMoveForm, TPoint(cursor.X + 4, cursor.Y + 4));
  }
  if (columnDrag) {
    if (!set->ShowCells() && FMoveButton != nullptr) {
      SetMoveButtonCell(ACol, 0, ColWidths(ACol), RowHeights(0));
      ShowFloating(FMoveButton, TPoint(cursor.X, cursor.Y - FMoveButton->Height()));
    }
    const HRESULT r = BeginColumnDragDrop(source, rc, kCopyOrMove, effect);
    if (r != DRAGDROP_S_CANCEL && OnOleDragStop) OnOleDragStop(this, static_cast<int>(effect));
    return;
  }
  FDropSelection = Selection();
  std::unique_ptr<TMemoryStream> cells;
  if (AllowFmtClipboard()) {
    cells = std::make_unique<TMemoryStream>();
    const TGridRect s = FDropSelection;
    SaveRectToBinStream(TRect(s.Left, s.Top, s.Right, s.Bottom), cells.get());
  }
  // The drop may land in this grid and change it while the drag runs.
  const std::string cellText = GetCellEx(rc, ARow);
  const HRESULT r = BeginTextDragDrop(source, SelectedText(), cellText, effect, kCopyOrMove, cells.get());
  if (r == DRAGDROP_S_CANCEL) return;
  if (effect == DROPEFFECT_MOVE && !set->OleCopyAlways()) {
    // A drop into this grid may have landed on the cells it came from:
    // those hold the dropped data now and stay.
    TGridRect kept(0, 0, -1, -1);
    if (FDropTarget && FDropTarget->HasLastDrop()) kept = FDropTarget->LastDrop();
    const TGridRect from = FDropSelection;
    const bool disjunct = FMouseActions->DisjunctRowSelect();
    if (set->OleRemoveRows() && Options().Contains(goRowSelect)) {
      if (disjunct) {
        RemoveSelectedRows();
      } else {
        int top = from.Top, bottom = from.Bottom;
        // Dropped rows inside the block survive the removal.
        if (kept.Right >= kept.Left && kept.Top <= bottom && kept.Bottom >= top) {
          if (kept.Top <= top)
            top = kept.Bottom + 1;
          else
            bottom = kept.Top - 1;
        }
        if (bottom >= top) RemoveRows(top, bottom - top + 1);
      }
    } else {
      for (int row = from.Top; row <= from.Bottom; ++row) {
        if (disjunct && !RowSelect(row)) continue;
        for (int col = from.Left; col <= from.Right; ++col) {
          if (PointInGridRect(col, row, kept) && kept.Right >= kept.Left) continue;
          const int real = RealColIndex(col);
          ClearRect(real, row, real, row);
        }
      }
      RepaintRect(from);
    }
  }
  if (OnOleDragStop) OnOleDragStop(this, static_cast<int>(effect));
}

// ---------------------------------------------------------------------------
// The move handler's part

bool TDedAdararAdoz::DragStartMove(int ACol, int ARow, int X, int Y, bool OnResizer) {
  const bool valid = ACol >= 0 && ARow >= 0;
  if (FSelectionClick && valid && GetAsyncKeyState(VK_LBUTTON) < 0 &&
      (std::abs(X - FClickPos.X) > 3 || std::abs(Y - FClickPos.Y) > 3) &&
      FDragDropSettings->OleDropSource() && GridState() != gsColSizing && !OnResizer) {
    // What was pressed is what is dragged.
    int pc = -1, pr = -1;
    MouseToCell(FClickPos.X, FClickPos.Y, pc, pr);
    if (pc < 0 || pr < 0) {
      pc = ACol;
      pr = ARow;
    }
    StartOleDrag(pc, pr);
    return true;
  }
  if (FDesigning) return false;
  const TGridState state = GridState();
  if (state == gsColSizing) ColSized = true;
  if (state == gsRowSizing) Rowsized = true;
  if (state == gsColMoving || state == gsRowMoving) {
    bool allow = true;
    if (state == gsColMoving && OnColumnMove) OnColumnMove(this, RealColIndex(std::max(Movecell, 0)), allow);
    if (state == gsRowMoving && OnRowMove) OnRowMove(this, Movecell, allow);
    if (!allow) {
      SetGridState(gsNormal);
      HideDropArrows();
      FMoveColInd = FMoveRowInd = -1;
      InvalidateGrid();
      return false;
    }
    EnhancedMoveFeedback(ACol, ARow, X, Y);
  }
  return false;
}

void TDedAdararAdoz::EnhancedMoveFeedback(int ACol, int ARow, int X, int Y) {
  const TGridState state = GridState();
  if (!FEnhRowColMove || RowCount() <= 1 || (X == FClickPos.X && Y == FClickPos.Y) || FSizingFixed ||
      FSizingFixedR)
    return;
  bool allow = true;
  DoStartBlockFocus();
  const bool showCells = FDragDropSettings->ShowCells();
  if (Movecell >= 0) {
    // Made on the first move: the moved cells' picture, and the header's
    // face with its text and size.
    const bool cols = state == gsColMoving;
    const int c = cols ? Movecell : 0, r = cols ? 0 : Movecell;
    if (showCells && FMoveForm == nullptr)
      MakeMoveForm(cols ? TGridRect(c, 0, c, RowCount() - 1) : TGridRect(0, r, ColCount() - 1, r));
    if (FMoveButton != nullptr && !FMoveButton->Visible()) {
      const TRect cell = CellRect(c, r);
      SetMoveButtonCell(c, r, cell.Right - cell.Left, cell.Bottom - cell.Top);
    }
    // Both follow the mouse where the press held the cell.
    if (FMoveForm != nullptr) ShowFloating(FMoveForm, ClientToScreen(TPoint(X - MoveOfsX, Y - MoveOfsY)));
  }
  if (state == gsColMoving) {
    const bool shown = ACol >= FixedCols() && ACol >= LeftCol() && ACol <= LeftCol() + VisibleColCount();
    if (shown) {
      const TRect r = CellRect(ACol, 0);
      // Past the moved column the drop goes after the target.
      const int x = ACol > Movecell ? r.Right : r.Left;
      ArwD()->SetBounds(x - 5, r.Top - 8, 11, 11);
      ArwU()->SetBounds(x - 5, r.Bottom, 11, 11);
    }
    ArwD()->SetVisible(shown);
    ArwU()->SetVisible(shown);
    FMoveColInd = ACol;
    if (OnColumnMoving && ACol >= 0) OnColumnMoving(this, RealColIndex(ACol), allow);
  } else {
    const bool footerRow = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow &&
                           ARow == RowCount() - 1;
    const bool shown = ARow >= FixedRows() && ARow >= TopRow() && ARow <= TopRow() + VisibleRowCount();
    if (shown && !footerRow) {
      const TRect r = CellRect(0, ARow);
      const int y = ARow > Movecell ? r.Bottom : r.Top;
      const TRect last = CellRect(std::min(ColCount() - 1, LeftCol() + VisibleColCount()), ARow);
      ArwL()->SetBounds(r.Left - 10, y - 5, 11, 11);
      ArwR()->SetBounds(std::max(last.Right, r.Right), y - 5, 11, 11);
    }
    ArwL()->SetVisible(shown && !footerRow);
    ArwR()->SetVisible(shown && !footerRow);
    FMoveRowInd = ARow;
    if (OnRowMoving && ARow >= 0) OnRowMoving(this, ARow, allow);
  }
  // Scrolling when the mouse leaves the normal cells.
  bool scrolled = false;
  if (X < FixedColsWidth() && LeftCol() > FixedCols()) {
    SetLeftCol(LeftCol() - 1);
    scrolled = true;
  } else if (X > Width() && LeftCol() + VisibleColCount() < ColCount()) {
    SetLeftCol(LeftCol() + 1);
    scrolled = true;
  }
  if (Y < FixedRowsHeight() && TopRow() > FixedRows()) {
    SetTopRow(TopRow() - 1);
    scrolled = true;
  } else if (Y > Height() && TopRow() + VisibleRowCount() < RowCount()) {
    SetTopRow(TopRow() + 1);
    scrolled = true;
  }
  if (scrolled) Repaint();
  if (!showCells && Movecell >= 0)
    ShowFloating(FMoveButton, ClientToScreen(TPoint(X - MoveOfsX, Y - MoveOfsY)));
  Screen->SetCursor(allow ? crDrag : crNoDrop);
}
