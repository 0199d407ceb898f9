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

void TDedAdararAdoz::SyncColumnHeaders() {}

// ---------------------------------------------------------------------------
// Clipboard, import and export

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
void TDedAdararAdoz::NotifySelectionListener(int ACol, int ARow) {
  if (FSelListener != nullptr) FSelListener->CellSelected(ACol, ARow);
}

// ---------------------------------------------------------------------------
// Looks, scroll bars, hints and the design helper
