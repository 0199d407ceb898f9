// The column grid: construction and loading, counts and items in step,
// headers, column edits and moves, widths and scaling, column pop-ups,
// columns to and from streams and column positions in INI files.
#include "grid/model/VevCGrid.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/classes/ComponentFiler.h"
#include "framework/classes/IniFiles.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Menus.h"
#include "framework/rtl/Math.h"

void LinkVevCGridPublished();

// ---------------------------------------------------------------------------
// Construction

TRavUvurerEduz::TRavUvurerEduz(TComponent* AOwner) : TDedAdararAdoz(AOwner) {
  LinkVevCGridPublished();
  FFirstFont = std::make_unique<TFont>();
  FFirstFont->Assign(Font());
  FFirstColor = Color();
  FColumnCollection = CreateColumns();
  {
    TNoRecursiveUpdate quiet(FColumnCollection.get());
    SyncColumnItems();
  }
  FColMoving = false;
  FCellGraphic = std::make_unique<TCellGraphic>();
  FSaveCol = std::make_unique<TGridColumnItem>(nullptr);
}

TRavUvurerEduz::~TRavUvurerEduz() {
  // The items go before the grid they ask about.
  FColumnCollection.reset();
  FCellGraphic.reset();
  FSaveCol.reset();
}

std::unique_ptr<TGridColumnCollection> TRavUvurerEduz::CreateColumns() {
  return std::make_unique<TGridColumnCollection>(this);
}

void TRavUvurerEduz::SetColumns(TGridColumnCollection* Value) { FColumnCollection->Assign(Value); }

TGridColumnItem* TRavUvurerEduz::ColumnItem(int ACol) const {
  if (FColumnCollection == nullptr || ACol < 0 || ACol >= FColumnCollection->Count()) return nullptr;
  return FColumnCollection->GetItem(ACol);
}

TGridColumnItem* TRavUvurerEduz::GetColumnByName(const std::string& AValue) const {
  for (int i = 0; i < FColumnCollection->Count(); ++i)
    if (FColumnCollection->GetItem(i)->Name() == AValue) return FColumnCollection->GetItem(i);
  return nullptr;
}

void TRavUvurerEduz::Loaded() {
  TDedAdararAdoz::Loaded();
  AdoptLoadedLook();
  SyncColumnItems();
  FColumnCollection->SetOrganization();
}

void TRavUvurerEduz::AdoptLoadedLook() {
  const bool fontChanged = FFirstFont->Name() != Font()->Name() || FFirstFont->Size() != Font()->Size() ||
                           FFirstFont->Style() != Font()->Style() || FFirstFont->Color() != Font()->Color();
  auto sameAsFirst = [this](const TFont* F) {
    return F->Name() == FFirstFont->Name() && F->Size() == FFirstFont->Size() &&
           F->Style() == FFirstFont->Style() && F->Color() == FFirstFont->Color();
  };
  for (int i = 0; i < FColumnCollection->Count(); ++i) {
    TGridColumnItem* item = FColumnCollection->GetItem(i);
    if (fontChanged) {
      TNoRecursiveUpdate quiet(FColumnCollection.get());
      if (sameAsFirst(item->Font())) item->Font()->Assign(Font());
      if (sameAsFirst(item->HeaderFont())) item->HeaderFont()->Assign(Font());
      if (sameAsFirst(item->PrintFont())) item->PrintFont()->Assign(Font());
    }
    if (Color() != FFirstColor && item->FColor == FFirstColor) item->FColor = Color();
  }
  FFirstFont->Assign(Font());
  FFirstColor = Color();
}

// ---------------------------------------------------------------------------
// Counts and items in step

void TRavUvurerEduz::SetColCount(int Value) {
  TDedAdararAdoz::SetColCount(Value);
  if (FColumnCollection == nullptr) return;
  TNoRecursiveUpdate quiet(FColumnCollection.get());
  SyncColumnItems();
}

void TRavUvurerEduz::SyncColumnItems() {
  const int want = ColCount() + NumHiddenColumns();
  while (FColumnCollection->Count() < want) FColumnCollection->Add();
  while (FColumnCollection->Count() > want) delete FColumnCollection->GetItem(FColumnCollection->Count() - 1);
  if (Designing())
    for (int i = 0; i < ColCount(); ++i) SetCellEx(i, FixedRows(), "Column " + std::to_string(i));
}

void TRavUvurerEduz::AfterCollectionChange() {
  if (IsLoading()) return;
  const int n = FColumnCollection->Count() - NumHiddenColumns();
  if (n != ColCount() && n > FixedCols()) SetColCount(n);
  UpdateColumnHeaders();
  Invalidate();
}

void TRavUvurerEduz::UpdateColumnHeaders() {
  if (FixedRows() == 0) return;
  TStringList* headers = ColumnHeaders();
  headers->BeginUpdate();
  try {
    headers->Clear();
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
      TGridColumnItem* item = FColumnCollection->GetItem(i);
      // A header typed into row 0 becomes the column's header.
      if (item->FColumnHeader.empty()) {
        const std::string cell = GetCellEx(i, 0);
        if (!cell.empty()) item->FColumnHeader = cell;
      }
      headers->Add(item->FColumnHeader);
    }
  } catch (...) {
    headers->EndUpdate();
    throw;
  }
  headers->EndUpdate();
}

void TRavUvurerEduz::SyncColumnHeaders() {
  TStringList* headers = ColumnHeaders();
  const int n = std::min(FColumnCollection->Count(), headers->Count());
  for (int i = 0; i < n; ++i) FColumnCollection->GetItem(i)->FColumnHeader = headers->Strings(i);
}

void TRavUvurerEduz::CalcAllFooters() {
  TDedAdararAdoz::CalcAllFooters();
  TNoRecursiveUpdate quiet(FColumnCollection.get());
  SyncColumnItems();
}

// ---------------------------------------------------------------------------
// Column edits, grouping and moves

void TRavUvurerEduz::InsertCols(int ColIndex, int CCount) {
  if (ColIndex < 0 || CCount <= 0) return;
  ColIndex = std::min(ColIndex, TotalColCount());
  TDedAdararAdoz::InsertCols(ColIndex, CCount);
  TNoRecursiveUpdate quiet(FColumnCollection.get());
  const int at = std::min(ColIndex, FColumnCollection->Count());
  for (int k = 0; k < CCount; ++k) FColumnCollection->Insert(at);
}

void TRavUvurerEduz::RemoveCols(int ColIndex, int CCount) {
  const int total = TotalColCount();
  if (ColIndex < 0 || ColIndex >= total || CCount <= 0) return;
  CCount = std::min(CCount, total - ColIndex);
  TDedAdararAdoz::RemoveCols(ColIndex, CCount);
  // Each removed item passes through the collection's change rule.
  for (int k = 0; k < CCount && ColIndex < FColumnCollection->Count(); ++k)
    FColumnCollection->Delete(ColIndex);
}

void TRavUvurerEduz::Group(int ColIndex) {
  if (TGridColumnItem* item = ColumnItem(ColIndex)) FSaveCol->Assign(item);
  TDedAdararAdoz::Group(ColIndex);
}

void TRavUvurerEduz::UnGroup() {
  const int grouped = GroupColumn();
  TDedAdararAdoz::UnGroup();
  if (grouped == -1) return;
  if (TGridColumnItem* item = ColumnItem(grouped)) item->Assign(FSaveCol.get());
}

void TRavUvurerEduz::ColumnMoved(int FromIndex, int ToIndex) {
  TNoRecursiveUpdate quiet(FColumnCollection.get());
  const int top = TopRow();
  const int realFrom = RealColIndex(FromIndex);
  const int realTo = RealColIndex(ToIndex);
  TDedAdararAdoz::ColumnMoved(FromIndex, ToIndex);
  // The item goes with its column, all its settings along.
  FColMoving = true;
  try {
    if (TGridColumnItem* item = ColumnItem(realFrom); item != nullptr && realTo < FColumnCollection->Count())
      item->SetIndex(realTo);
  } catch (...) {
    FColMoving = false;
    throw;
  }
  if (TopRow() != top) TCustomGrid::SetTopRow(top);
  FColMoving = false;
  if (OnAfterColumnMoved) OnAfterColumnMoved(this, realFrom, realTo);
}

// ---------------------------------------------------------------------------
// Widths, scaling, editor limits and masks

void TRavUvurerEduz::ColWidthsChanged() {
  TDedAdararAdoz::ColWidthsChanged();
  if (IsLoading() || ComponentState().Contains(csDestroying) || FColumnCollection == nullptr) return;
  for (int d = 0; d < ColCount(); ++d)
    if (TGridColumnItem* item = ColumnItem(RealColIndex(d))) item->FWidth = ColWidths(d);
}

void TRavUvurerEduz::ChangeScale(int M, int D) {
  TDedAdararAdoz::ChangeScale(M, D);
  if (Designing() || M == D || D == 0) return;
  TNoRecursiveUpdate quiet(FColumnCollection.get());
  const int n = std::min(ColCount(), FColumnCollection->Count());
  for (int i = 0; i < n; ++i) {
    TGridColumnItem* item = FColumnCollection->GetItem(i);
    item->Font()->SetSize(MulDiv(item->Font()->Size(), M, D));
    item->HeaderFont()->SetSize(MulDiv(item->HeaderFont()->Size(), M, D));
  }
}

int TRavUvurerEduz::GetEditLimit() {
  const int col = Col();
  if (col >= FixedCols() && col < FColumnCollection->Count())
    if (TGridColumnItem* item = ColumnItem(RealCol())) return item->EditLength();
  return TDedAdararAdoz::GetEditLimit();
}

std::string TRavUvurerEduz::GetEditMask(int ACol, int ARow) {
  std::string mask = TDedAdararAdoz::GetEditMask(ACol, ARow);
  if (!mask.empty()) return mask;
  if (ACol >= FixedCols() && ACol < FColumnCollection->Count())
    if (TGridColumnItem* item = ColumnItem(RealColIndex(ACol))) return item->EditMask();
  return mask;
}

// ---------------------------------------------------------------------------
// Column pop-up menus

void TRavUvurerEduz::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TDedAdararAdoz::MouseDown(Button, Shift, X, Y);
  int c = -1, r = -1;
  MouseToCell(X, Y, c, r);
  if (c < 0 || r < 0 || c >= FColumnCollection->Count()) return;
  const int real = RealColIndex(c);
  TGridColumnItem* item = ColumnItem(real);
  if (item == nullptr || item->ColumnPopup() == nullptr) return;
  const TColumnPopupType type = item->ColumnPopupType();
  const bool left = type == cpFixedCellsLClick || type == cpNormalCellsLClick || type == cpAllCellsLClick;
  const bool right = type == cpFixedCellsRClick || type == cpNormalCellsRClick || type == cpAllCellsRClick;
  if (!((Button == mbLeft && left) || (Button == mbRight && right))) return;
  TPopupMenu* menu = item->ColumnPopup();
  if (OnColumnPopup) OnColumnPopup(this, real, r, menu);
  const bool fixedRow = r < FixedRows();
  const bool fixedType = type == cpFixedCellsLClick || type == cpFixedCellsRClick;
  const bool normalType = type == cpNormalCellsLClick || type == cpNormalCellsRClick;
  const bool allType = type == cpAllCellsLClick || type == cpAllCellsRClick;
  if ((fixedRow && (fixedType || allType)) || (!fixedRow && (normalType || allType))) {
    const TRect rect = CellRect(c, r);
    const TPoint at = ClientToScreen(TPoint(rect.Left, rect.Bottom));
    menu->Popup(at.X, at.Y);
  }
}

void TRavUvurerEduz::Notification(TComponent* AComponent, TOperation Operation) {
  TDedAdararAdoz::Notification(AComponent, Operation);
  if (Operation != opRemove || AComponent == nullptr || FColumnCollection == nullptr) return;
  for (int i = 0; i < FColumnCollection->Count(); ++i) {
    TGridColumnItem* item = FColumnCollection->GetItem(i);
    if (item->EditLink() == AComponent) item->SetEditLink(nullptr);
    if (item->ColumnPopup() == AComponent) item->SetColumnPopup(nullptr);
  }
}

// ---------------------------------------------------------------------------
// Version

uint32_t TRavUvurerEduz::GetVersionNr() const { return 50397953u; }

std::string TRavUvurerEduz::GetVersionString() const {
  const uint32_t v = GetVersionNr();
  return std::to_string((v >> 24) & 0xFF) + "." + std::to_string((v >> 16) & 0xFF) + "." +
         std::to_string((v >> 8) & 0xFF) + "." + std::to_string(v & 0xFF) + " Aug, 2012";
}

// ---------------------------------------------------------------------------
// Columns to and from streams

void TRavUvurerEduz::SaveColumnsToStream(TStream* Stream) {
  TRavUvurerEduzIO holder(this);
  holder.Items()->Assign(FColumnCollection.get());
  WriteComponent(Stream, &holder);
}

void TRavUvurerEduz::LoadColumnsFromStream(TStream* Stream) {
  {
    TNoRecursiveUpdate quiet(FColumnCollection.get());
    TRavUvurerEduzIO holder(this);
    ReadComponent(Stream, &holder);
    FColumnCollection->Assign(holder.Items());
  }
  Invalidate();
}

TRavUvurerEduzIO::TRavUvurerEduzIO(TComponent* AOwner)
    : TComponent(AOwner),
      FItems(std::make_unique<TGridColumnCollection>(dynamic_cast<TRavUvurerEduz*>(AOwner))) {
  // The holder's items never change the grid's columns.
  FItems->SetNoRecursiveUpdate(true);
}

TRavUvurerEduzIO::~TRavUvurerEduzIO() = default;

void TRavUvurerEduzIO::SetItems(TGridColumnCollection* Value) { FItems->Assign(Value); }

// ---------------------------------------------------------------------------
// Column positions in INI files

namespace {
std::string PositionKey(int Index) { return "CP" + std::to_string(Index); }
}  // namespace

void TRavUvurerEduz::SaveColumnPositions(const std::string& Key, const std::string& Section) {
  TMemIniFile ini(Key);
  for (int i = 0; i < FColumnCollection->Count(); ++i)
    ini.WriteInteger(Section, PositionKey(i), FColumnCollection->GetItem(i)->DefIdx());
  ini.UpdateFile();
}

void TRavUvurerEduz::LoadColumnPositions(const std::string& Key, const std::string& Section) {
  TMemIniFile ini(Key);
  const int n = FColumnCollection->Count();
  for (int j = 0; j < n; ++j)
    if (ini.ReadInteger(Section, PositionKey(j), -1) == -1) return;
  ResetColumnOrder();
  std::vector<int> remembered;
  remembered.reserve(static_cast<size_t>(n));
  for (int j = 0; j < n; ++j) {
    const int index = ini.ReadInteger(Section, PositionKey(j), 0);
    if (TGridColumnItem* item = ColumnItem(index)) item->SetDefIdx(j);
    remembered.push_back(index);
  }
  FColumnCollection->ResetOrganization();
  for (int k = 0; k < n && k < FColumnCollection->Count(); ++k)
    FColumnCollection->GetItem(k)->SetDefIdx(remembered[static_cast<size_t>(k)]);
}

void TRavUvurerEduz::SaveColPositions() {
  if (ColumnSize()->Location() == clIniFile)
    SaveColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
  else
    TDedAdararAdoz::SaveColPositions();
}

void TRavUvurerEduz::LoadColPositions() {
  if (ColumnSize()->Location() == clIniFile)
    LoadColumnPositions(ColumnSize()->Key(), ColumnSize()->Section());
  else
    TDedAdararAdoz::LoadColPositions();
}
