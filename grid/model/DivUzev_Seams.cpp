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
void TDedAdararAdoz::CalcAllFooters() {}
void TDedAdararAdoz::CalcFooterCol(int) {}
void TDedAdararAdoz::CellsChanged(const TRect&) {}

// ---------------------------------------------------------------------------
// Sorting

void TDedAdararAdoz::DoClickSort(int) {}
void TDedAdararAdoz::SortSwapRows(int, int) {}
void TDedAdararAdoz::QSort() {}
void TDedAdararAdoz::QSortIndexed() {}
void TDedAdararAdoz::QSortGroup() {}
void TDedAdararAdoz::QSortGroupIndexed() {}
void TDedAdararAdoz::QUnSort() {}

// ---------------------------------------------------------------------------
// Editing

void TDedAdararAdoz::KeyEditHook() {}
void TDedAdararAdoz::WriteEditText(int ACol, int ARow, const std::string& Value) {
  SetCellEx(ACol, ARow, Value);
}
void TDedAdararAdoz::SelectAllHook(const TGridRect&) {}

void TDedAdararAdoz::TakeColumnEditorSettings(TStrings*, int DropDownCount, int, int, int, TComponent*) {
  FControlLook->SetDropDownCount(DropDownCount);
}
void TDedAdararAdoz::RestoreEditCell() {}
void TDedAdararAdoz::GetCellFloatFormat(int, int, std::string& AFloatFormat) { AFloatFormat = FFloatFormat; }
void TDedAdararAdoz::GetEditorProp(int, int, TObject*) {}
void TDedAdararAdoz::DoCheckBoxClick(int, int, bool) {}
void TDedAdararAdoz::GetFixedEdit(int, int, TEditorType&, TStrings*) {}
void TDedAdararAdoz::SelectionChanged(int, int, int, int) {}
void TDedAdararAdoz::EditCaretChanged() {}
void TDedAdararAdoz::DoEllipsClick(const std::string& Text, std::string& S) { S = Text; }
void TDedAdararAdoz::SaveOldCell(int, int) {}
bool TDedAdararAdoz::ValidateCell(const std::string&) { return true; }
bool TDedAdararAdoz::ValidateCellWide(const std::string&) { return true; }
void TDedAdararAdoz::InplaceKeyDown(WORD&, TShiftState) {}
void TDedAdararAdoz::InplaceWMKeyDown(WORD&, TShiftState) {}
void TDedAdararAdoz::CellChanging(int, int, bool&) {}
void TDedAdararAdoz::DisableEditing(TObject*) { SetOptions(Options() >> goEditing); }

void TDedAdararAdoz::ShowInplaceEdit() {
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  SetEditorMode(true);
}

void TDedAdararAdoz::HideInplaceEdit() {
  if (!EditorMode()) return;
  SetEditorMode(false);
}

// ---------------------------------------------------------------------------
// Rows, filter and grouping hooks

void TDedAdararAdoz::AutoInsertRow(int) {}
void TDedAdararAdoz::AutoDeleteRow(int) {}
void TDedAdararAdoz::DoFilterDone() {}
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
void TDedAdararAdoz::InitOrigColSizes() {}
void TDedAdararAdoz::SaveColSizes() {}
void TDedAdararAdoz::LoadColSizes() {}
void TDedAdararAdoz::AutoSizeColumns(bool, int) {}
void TDedAdararAdoz::SaveColPositions() {}
void TDedAdararAdoz::LoadColPositions() {}

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
std::string TDedAdararAdoz::GetCellText(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
void TDedAdararAdoz::SaveCell(int, int, std::string&) {}
void TDedAdararAdoz::LoadCell(int, int, std::string&) {}
bool TDedAdararAdoz::AllowFmtClipboard() { return FNavigation->AllowFmtClipboard(); }
void TDedAdararAdoz::SpecialClickHook(int, int) {}
bool TDedAdararAdoz::EditFormulaState() { return false; }
void TDedAdararAdoz::ExportNotification(int, int) {}
void TDedAdararAdoz::ImportNotification(int, int) {}
int TDedAdararAdoz::GetPrintPageNum() { return 0; }
void TDedAdararAdoz::SaveToStream(TStream*) {}
void TDedAdararAdoz::LoadFromStream(TStream*) {}

// ---------------------------------------------------------------------------
// Keyboard, mouse and focus

void TDedAdararAdoz::MouseWheelDone() {}
void TDedAdararAdoz::MouseSelectHook(const TGridRect&) {}
void TDedAdararAdoz::MouseActionsChanged(TObject*) {}
void TDedAdararAdoz::NavigationChanged(TObject*) {}
void TDedAdararAdoz::GetDesigning(TObject*, bool& IsDesigning) { IsDesigning = FDesigning; }
void TDedAdararAdoz::InvalidateGridSender(TObject*) { InvalidateGrid(); }
void TDedAdararAdoz::GotoFirstRow() {}
void TDedAdararAdoz::DoScrollCell(int, int) {}
bool TDedAdararAdoz::CanShowFixedDropDown(int, int) { return false; }
void TDedAdararAdoz::DoStartBlockFocus() {}
void TDedAdararAdoz::DoEndBlockFocus() {}
void TDedAdararAdoz::GridTimer() {}
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
