// The default bodies of the grid operations that painting, editing,
// keyboard and mouse, footers, sorting, grouping, structure edits, import
// and export fill in. Grouped by topic: a topic that gets its own
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

std::string TDedAdararAdoz::ReadCurrentCell() {
  const TGridCoord b = BaseCell(RealCol(), Row());
  return GetGridCell(b.X, b.Y);
}

void TDedAdararAdoz::WriteCurrentCell(const std::string& Value) {
  const TGridCoord b = BaseCell(RealCol(), Row());
  SetCellEx(b.X, b.Y, Value);
}

std::string TDedAdararAdoz::GetCurrentCellText() {
  const TGridCoord b = BaseCell(RealCol(), Row());
  return GetCellEx(b.X, b.Y);
}

void TDedAdararAdoz::SetCurrentEditText(const std::string& Value) {
  const TGridCoord b = BaseCell(RealCol(), Row());
  SetEditText(b.X == RealCol() ? Col() : DisplColIndexOf(b.X), b.Y, Value);
}

void TDedAdararAdoz::RestoreEditCell() {}
bool TDedAdararAdoz::ToggleCheckBoxCell(int, int, bool) { return false; }
bool TDedAdararAdoz::ToggleRadioButtonCell(int, int, bool) { return false; }
std::string TDedAdararAdoz::GetFormattedCell(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
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
// Cell graphics

TPoint TDedAdararAdoz::GetCellGraphicSize(int, int) { return TPoint(0, 0); }
void TDedAdararAdoz::CalcGraphicSize(int, int, TPoint& Size, int) { Size = TPoint(0, 0); }
void TDedAdararAdoz::GetGraphicExtent(int, int, TPoint& Size, double, int, int) { Size = TPoint(0, 0); }
TObject* TDedAdararAdoz::GetGraphicImages() { return nullptr; }
int TDedAdararAdoz::GetExpandHeight(int, int ARow, bool) { return RowHeights(ARow); }

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

void TDedAdararAdoz::SetColumnOrder() {
  FColumnOrder->Clear();
  for (int c = 0; c < ColCount(); ++c) FColumnOrder->Add(c);
}

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

// ---------------------------------------------------------------------------
// Structure edits

void TDedAdararAdoz::RemoveRowsInternal(int ARow, int RCount) { DeleteRowsInternal(ARow, RCount, true); }

void TDedAdararAdoz::RemoveRowsEx(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  const int lastReal = RealRowIndex(RowIndex + RCount - 1);
  // The callers keep the cells: only the slots are given up.
  for (int r = RowIndex; r < RowIndex + RCount; ++r) EmptyRowSlots(r);
  DeleteRowsInternal(RowIndex, RCount, false);
  FMaxRowCount = std::max(RowCount(), FMaxRowCount - RCount);
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TGridItem* item = FGridItems->Items(i);
    if (item->Level() == 0 && item->Idx() > lastReal) item->SetIdx(item->Idx() - RCount);
  }
}

void TDedAdararAdoz::RemoveRows(int RowIndex, int RCount) {
  if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0) return;
  RCount = std::min(RCount, RowCount() - RowIndex);
  const int firstReal = RealRowIndex(RowIndex);
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TGridItem* item = FGridItems->Items(i);
    if (item->Level() == 0 && item->Idx() > firstReal) item->SetIdx(item->Idx() - RCount);
  }
  for (int i = 0; i < RCount; ++i) {
    if (FShowModified->Enabled() && RowIndex < FModifiedRows->Count()) FModifiedRows->Delete(RowIndex);
    if (FUseEnabledRows && RowIndex < FDisabledRows->Count()) FDisabledRows->Delete(RowIndex);
  }
  DeleteRowsInternal(RowIndex, RCount, true);
  FMaxRowCount = std::max(RowCount(), FMaxRowCount - RCount);
  CellsChanged(TRect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TDedAdararAdoz::InsertRows(int RowIndex, int RCount, bool UpdateCellControls) {
  if (RCount <= 0) return;
  RowIndex = std::clamp(RowIndex, 0, RowCount());
  const int firstReal = RealRowIndex(RowIndex);
  InsertRowsInternal(RowIndex, RCount, UpdateCellControls);
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TGridItem* item = FGridItems->Items(i);
    if (item->Level() == 0 && item->Idx() >= firstReal) item->SetIdx(item->Idx() + RCount);
  }
  CellsChanged(TRect(0, RowIndex, ColCount() - 1, RowIndex + RCount));
}

void TDedAdararAdoz::RemoveCols(int ColIndex, int CCount) {
  if (ColIndex < 0 || CCount <= 0) return;
  CCount = std::min(CCount, TotalColCount() - ColIndex);
  if (CCount <= 0) return;
  for (int i = 0; i < CCount && ColCount() > 1; ++i) TBaseGrid::DeleteColumn(DisplColIndexOf(ColIndex));
  CellsChanged(TRect(ColIndex, 0, ColIndex + CCount, RowCount() - 1));
}

void TDedAdararAdoz::InsertCols(int ColIndex, int CCount) {
  if (ColIndex < 0 || CCount <= 0) return;
  const int total = TotalColCount();
  ColIndex = std::min(ColIndex, total);
  TDedAdararAdoz::SetColCount(ColCount() + CCount);
  for (int r = 0; r < RowCount(); ++r) {
    for (int c = total - 1; c >= ColIndex; --c) {
      SetGridCell(c + CCount, r, GetGridCell(c, r));
      TCellProperties* props = GetGridObject(c, r);
      if (props != nullptr) props->SetOwnerCol(c + CCount);
      SetGridObject(c + CCount, r, props);
    }
    for (int c = ColIndex; c < ColIndex + CCount; ++c) {
      SetGridCell(c, r, "");
      SetGridObject(c, r, nullptr);
    }
  }
  for (int& h : FHiddenCols)
    if (h >= ColIndex) h += CCount;
  CellsChanged(TRect(ColIndex, 0, ColIndex + CCount, RowCount() - 1));
}

void TDedAdararAdoz::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  for (int r = ARow1; r <= ARow2; ++r) {
    for (int c = ACol1; c <= ACol2; ++c) {
      if (!FClearTextOnly && HasCellProperties(c, r)) FreeCellPropertiesRange(c, r, c, r);
      if (!ComponentState().Contains(csDestroying) && !GetGridCell(c, r).empty()) SetCellEx(c, r, "");
    }
  }
  if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1) SetHasCellProps(false);
  if (!ComponentState().Contains(csDestroying)) CellsChanged(TRect(ACol1, ARow1, ACol2, ARow2));
}

void TDedAdararAdoz::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2) {
  for (int r = ARow1; r <= ARow2; ++r)
    for (int c = ACol1; c <= ACol2; ++c) SetCellEx(c, r, Trim(GetCellEx(c, r)));
}
