// The default bodies of the grid operations that painting, editing,
// keyboard and mouse, footers, sorting, grouping, import and export fill
// in. Grouped by topic: a topic that gets its own
// DivUzev_<Topic>.cpp moves its group there.
#include <algorithm>

#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"

// ---------------------------------------------------------------------------
// Editing

void TDedAdararAdoz::KeyEditHook() {}
void TDedAdararAdoz::SelectAllHook(const TGridRect&) {}

void TDedAdararAdoz::GetCellFloatFormat(int, int, std::string& AFloatFormat) { AFloatFormat = FFloatFormat; }
void TDedAdararAdoz::InplaceKeyDown(WORD&, TShiftState) {}
void TDedAdararAdoz::InplaceWMKeyDown(WORD&, TShiftState) {}
void TDedAdararAdoz::DisableEditing(TObject*) { SetOptions(Options() >> goEditing); }

// ---------------------------------------------------------------------------
// ---------------------------------------------------------------------------
// Rows, filter and grouping hooks

void TDedAdararAdoz::IncRowCount() { SetRowCount(RowCount() + 1); }

// ---------------------------------------------------------------------------
// Column sizes and order

void TDedAdararAdoz::UpdateColSize(int, int&) {}
void TDedAdararAdoz::UpdateAutoColSize(int, int&) {}
void TDedAdararAdoz::SyncColumnHeaders() {}

void TDedAdararAdoz::ColumnMovedHandling(int FromIndex, int ToIndex) {
  TCustomGrid::MoveColumn(FromIndex, ToIndex);
  // The order list follows its columns.
  if (FromIndex < FColumnOrder->Count() && ToIndex < FColumnOrder->Count()) {
    const int v = FColumnOrder->Items(FromIndex);
    FColumnOrder->Delete(FromIndex);
    FColumnOrder->Insert(ToIndex, v);
  }
}

void TDedAdararAdoz::RowMovedHandling(int FromIndex, int ToIndex) {
  TCustomGrid::MoveRow(FromIndex, ToIndex);
}

// ---------------------------------------------------------------------------
// Clipboard, import and export

void TDedAdararAdoz::PasteInCell(int ACol, int ARow, const std::string& Value) {
  SetCellEx(ACol, ARow, Value);
}
void TDedAdararAdoz::PasteBegin() {}
void TDedAdararAdoz::PasteDone() {}
void TDedAdararAdoz::MarkPastedRows(const TGridRect&) {}
bool TDedAdararAdoz::AllowFmtClipboard() { return FNavigation->AllowFmtClipboard(); }
void TDedAdararAdoz::SpecialClickHook(int, int) {}
bool TDedAdararAdoz::EditFormulaState() { return false; }

// ---------------------------------------------------------------------------
// Keyboard, mouse and focus

void TDedAdararAdoz::MouseWheelDone() {}
void TDedAdararAdoz::MouseSelectHook(const TGridRect&) {}
void TDedAdararAdoz::MouseActionsChanged(TObject*) {}
void TDedAdararAdoz::NavigationChanged(TObject*) {}
void TDedAdararAdoz::GetDesigning(TObject*, bool& IsDesigning) { IsDesigning = FDesigning; }
void TDedAdararAdoz::InvalidateGridSender(TObject*) { InvalidateGrid(); }
void TDedAdararAdoz::GotoFirstRow() {}
void TDedAdararAdoz::NotifySelectionListener(int, int) {}

// Tab and Enter after an edit, until the cell advance of the keyboard
// handling: Tab goes to the next (previous) cell of the row, wrapping into
// the next (previous) row; Enter moves as AdvanceDirection says.
bool TDedAdararAdoz::TabAdvance(bool Backward) {
  WORD key = VK_TAB;
  const TShiftState shift = Backward ? TShiftState{ssShift} : TShiftState{};
  if (OnKeyDown) OnKeyDown(this, key, shift);
  if (key != VK_TAB) return false;
  int c = Col(), r = Row();
  if (Backward) {
    if (--c < FixedCols()) {
      c = ColCount() - 1;
      if (--r < FixedRows()) r = RowCount() - 1;
    }
  } else if (++c >= ColCount()) {
    c = FixedCols();
    if (++r >= RowCount()) r = FixedRows();
  }
  FocusCellMove(c, r);
  return true;
}

void TDedAdararAdoz::EnterAdvance(int ACol, int ARow, bool Always) {
  if (!Always && !FNavigation->AdvanceOnEnter()) return;
  int c = ACol, r = ARow;
  if (FNavigation->AdvanceDirection() == adLeftRight || FNavigation->AdvanceDirection() == adLeftRightInRow) {
    if (++c >= ColCount()) {
      if (FNavigation->AdvanceDirection() == adLeftRightInRow) return;
      c = FixedCols();
      if (++r >= RowCount()) return;
    }
  } else if (++r >= RowCount()) {
    return;
  }
  FocusCellMove(c, r);
}
void TDedAdararAdoz::MoveFocusWindow() {}

// ---------------------------------------------------------------------------
// Looks, scroll bars, hints and the design helper

void TDedAdararAdoz::PaintDesignHelper() {}
void TDedAdararAdoz::DesignHelperClick(int, int) {}
void TDedAdararAdoz::CellControlsUpdate(bool) {}
void TDedAdararAdoz::BalloonInit() {}
void TDedAdararAdoz::BalloonDone() {}
void TDedAdararAdoz::RepaintBorder() {}

uint32_t TDedAdararAdoz::GetVersionNr() const { return 0x01000000u; }
std::string TDedAdararAdoz::GetVersionString() const { return Version(); }
