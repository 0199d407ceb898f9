// The default bodies of the grid operations that painting, editing,
// keyboard and mouse, footers, sorting, grouping, import and export fill
// in. Grouped by topic: a topic that gets its own
// DivUzev_<Topic>.cpp moves its group there.
#include <algorithm>

#include "framework/rtl/StrUtils.h"
#include "grid/model/DivUzev.h"

// ---------------------------------------------------------------------------
// Footers and calculations

void TDedAdararAdoz::DoCalcFooter(int) {}
void TDedAdararAdoz::CalcFooter(int ACol) { DoCalcFooter(ACol); }

// ---------------------------------------------------------------------------
// Sorting

void TDedAdararAdoz::SortSwapRows(int, int) {}
void TDedAdararAdoz::QSort() {}
void TDedAdararAdoz::QSortIndexed() {}
void TDedAdararAdoz::QSortGroup() {}
void TDedAdararAdoz::QSortGroupIndexed() {}
void TDedAdararAdoz::QUnSort() {}

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

bool TDedAdararAdoz::RowMatchesFilter(int) { return true; }
void TDedAdararAdoz::FilterSelect(int) {}
void TDedAdararAdoz::FilterCheck() {}
void TDedAdararAdoz::SubGroup(int) {}
void TDedAdararAdoz::SubUnGroup(int) {}
void TDedAdararAdoz::Group(int) {}
void TDedAdararAdoz::UnGroup() {}
void TDedAdararAdoz::IncRowCount() { SetRowCount(RowCount() + 1); }

// ---------------------------------------------------------------------------
// Column sizes and order

void TDedAdararAdoz::UpdateColSize(int, int&) {}
void TDedAdararAdoz::UpdateAutoColSize(int, int&) {}
void TDedAdararAdoz::SyncColumnHeaders() {}
void TDedAdararAdoz::AutoSizeColumns(bool, int) {}

// The widest display text of the column (in the first rows and those up to
// the view on a large grid) plus the cell margins.
void TDedAdararAdoz::AutoSizeCol(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) return;
  const int rc = RealColIndex(ACol);
  constexpr int kRowsMeasured = 2000;
  const int last = std::min(RowCount(), std::max(TopRow(), kRowsMeasured) + VisibleRowCount() + 1);
  int w = 0;
  auto measure = [&](int r) { w = std::max(w, GetCellTextSize(rc, r, false, false).cx); };
  for (int r = 0; r < FixedRows(); ++r) measure(r);
  for (int r = std::max(FixedRows(), last - kRowsMeasured); r < last; ++r) measure(r);
  int width = w + 2 * FXYOffset.X + 4;
  UpdateAutoColSize(rc, width);
  if (width > 0) SetColWidths(ACol, width);
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
void TDedAdararAdoz::NotifySelectionListener(int, int) {}

void TDedAdararAdoz::MoveFocusWindow() {}

// ---------------------------------------------------------------------------
// Looks, scroll bars, hints and the design helper

void TDedAdararAdoz::PaintDesignHelper() {}
void TDedAdararAdoz::DesignHelperClick(int, int) {}
void TDedAdararAdoz::CellControlsUpdate(bool) {}
void TDedAdararAdoz::BalloonInit() {}
void TDedAdararAdoz::BalloonDone() {}
void TDedAdararAdoz::UpdateScrollBarAlways(bool) {}
void TDedAdararAdoz::UpdateHScrollProportional() {}
void TDedAdararAdoz::UpdateVScrollProportional() {}
void TDedAdararAdoz::UpdateFlatScrollBars() {}
void TDedAdararAdoz::InitFlatScrollBars() {}
void TDedAdararAdoz::CreateScrollControls() {}
void TDedAdararAdoz::FreeScrollControls() {}
void TDedAdararAdoz::RepaintBorder() {}
void TDedAdararAdoz::FollowOfficeTheme() {}

void TDedAdararAdoz::UpdateSearchPanel(TObject*) {
  if (FSearchPanel == nullptr) return;
  FSearchPanel->SetVisible(FSearchFooter->Visible());
  FSearchPanel->SetHeight(FSearchFooter->Visible() ? 32 : 0);
}

uint32_t TDedAdararAdoz::GetVersionNr() const { return 0x01000000u; }
std::string TDedAdararAdoz::GetVersionString() const { return Version(); }
