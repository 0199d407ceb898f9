// Column items and their collection.
#include <algorithm>
#include <string>

#include "framework/classes/StringList.h"
#include "framework/controls/Menus.h"
#include "grid/model/VevCGrid.h"

namespace {

// Copies without the change notice of the target (copying fields has no
// side effects).
template <class T>
void QuietAssign(T* Target, TPersistent* Source) {
  TNotifyEvent saved = std::move(Target->OnChange);
  Target->OnChange = nullptr;
  try {
    Target->Assign(Source);
  } catch (...) {
    Target->OnChange = std::move(saved);
    throw;
  }
  Target->OnChange = std::move(saved);
}

}  // namespace

// ---------------------------------------------------------------------------
// TGridColumnItem

TGridColumnItem::TGridColumnItem(TCollection* Collection)
    : TCollectionItem(nullptr),
      FFont(std::make_unique<TFont>()),
      FComboItems(std::make_unique<TStringList>()),
      FPrintFont(std::make_unique<TFont>()),
      FBorderPen(std::make_unique<TPen>()),
      FPrintBorderPen(std::make_unique<TPen>()),
      FFilter(std::make_unique<TStringList>()),
      FHeaderFont(std::make_unique<TFont>()) {
  FBorderPen->SetWidth(1);
  FBorderPen->SetColor(clSilver);
  FPrintBorderPen->SetWidth(1);
  FPrintBorderPen->SetColor(clBlack);
  if (Collection != nullptr) {
    auto* columns = dynamic_cast<TGridColumnCollection*>(Collection);
    if (TRavUvurerEduz* grid = columns != nullptr ? columns->Owner() : nullptr) {
      FFont->Assign(grid->Font());
      FPrintFont->Assign(grid->Font());
      FHeaderFont->Assign(grid->Font());
      FColor = grid->Color();
    }
    FFont->OnChange = [this](TObject*) { CollectionUpdate(); };
    FHeaderFont->OnChange = [this](TObject*) { CollectionUpdate(); };
    FBorderPen->OnChange = [this](TObject*) { CollectionUpdate(); };
    FFilter->OnChange = [this](TObject*) { Repaint(); };
  }
  // Joins the collection only now that every field holds its value: the
  // collection's change rule looks at the items.
  SetCollection(Collection);
}

TGridColumnItem::~TGridColumnItem() {
  // Leave the collection while the fields still exist.
  SetCollection(nullptr);
}

TRavUvurerEduz* TGridColumnItem::Grid() const {
  auto* columns = dynamic_cast<TGridColumnCollection*>(Collection());
  return columns != nullptr ? columns->Owner() : nullptr;
}

void TGridColumnItem::Repaint() {
  if (TRavUvurerEduz* grid = Grid()) grid->Invalidate();
}

void TGridColumnItem::CopyFields(const TGridColumnItem* Src, bool Visuals) {
  FAlignment = Src->FAlignment;
  FHeaderAlignment = Src->FHeaderAlignment;
  QuietAssign(FBorderPen.get(), Src->FBorderPen.get());
  FBorders = Src->FBorders;
  FCheckFalse = Src->FCheckFalse;
  FCheckTrue = Src->FCheckTrue;
  FEditLength = Src->FEditLength;
  FEditLink = Src->FEditLink;
  FEditMask = Src->FEditMask;
  FEditorType = Src->FEditorType;
  FFixed = Src->FFixed;
  FPassword = Src->FPassword;
  QuietAssign(FPrintBorderPen.get(), Src->FPrintBorderPen.get());
  FPrintBorders = Src->FPrintBorders;
  FPrintColor = Src->FPrintColor;
  QuietAssign(FPrintFont.get(), Src->FPrintFont.get());
  FReadOnly = Src->FReadOnly;
  FSortPrefix = Src->FSortPrefix;
  FSortStyle = Src->FSortStyle;
  FSortSuffix = Src->FSortSuffix;
  FSpinMax = Src->FSpinMax;
  FSpinMin = Src->FSpinMin;
  FSpinStep = Src->FSpinStep;
  FColumnPopup = Src->FColumnPopup;
  FWidth = Src->Width();
  FShowBands = Src->FShowBands;
  FMinSize = Src->FMinSize;
  FMaxSize = Src->FMaxSize;
  FAutoMinSize = Src->FAutoMinSize;
  FAutoMaxSize = Src->FAutoMaxSize;
  QuietAssign(FFilter.get(), Src->FFilter.get());
  FFilterCaseSensitive = Src->FFilterCaseSensitive;
  FDefIdx = Src->FDefIdx;
  FFloatFormat = Src->FFloatFormat;
  if (Visuals) {
    // The look of the grid, not of the column copied.
    if (TRavUvurerEduz* grid = Grid()) {
      FColor = grid->Color();
      QuietAssign(FFont.get(), grid->Font());
    }
    return;
  }
  FColor = Src->FColor;
  QuietAssign(FFont.get(), Src->FFont.get());
  QuietAssign(FHeaderFont.get(), Src->FHeaderFont.get());
  FColumnHeader = Src->FColumnHeader;
  FName = Src->FName;
  FTag = Src->FTag;
  QuietAssign(FComboItems.get(), Src->FComboItems.get());
  FDropDownCount = Src->FDropDownCount;
}

void TGridColumnItem::Assign(TPersistent* Source) {
  if (auto* src = dynamic_cast<TGridColumnItem*>(Source)) CopyFields(src, false);
}

void TGridColumnItem::AssignVisuals(TPersistent* Source) {
  if (auto* src = dynamic_cast<TGridColumnItem*>(Source)) CopyFields(src, true);
}

std::string TGridColumnItem::DisplayName() const {
  const std::string index = std::to_string(Index());
  if (!FName.empty()) return "Col " + index + ": " + FName;
  return "Column " + index;
}

// ---- Properties with side effects

int TGridColumnItem::Width() const {
  TRavUvurerEduz* grid = Grid();
  return grid != nullptr ? grid->AllColWidths(Index()) : 0;
}

void TGridColumnItem::SetWidth(int Value) {
  FWidth = Value;
  if (TRavUvurerEduz* grid = Grid()) grid->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Repaint();
}

void TGridColumnItem::SetHeader(const std::string& Value) {
  FColumnHeader = Value;
  TRavUvurerEduz* grid = Grid();
  if (grid == nullptr) return;
  if (grid->FixedRows() > 0 && !grid->FColMoving) {
    grid->SetCellEx(Index(), 0, Value);
    CollectionUpdate();
  }
  // The grid's header list holds every column's header, in item order.
  TStringList* headers = grid->ColumnHeaders();
  TGridColumnCollection* columns = grid->Columns();
  headers->BeginUpdate();
  try {
    headers->Clear();
    for (int i = 0; i < columns->Count(); ++i) headers->Add(columns->GetItem(i)->Header());
  } catch (...) {
    headers->EndUpdate();
    throw;
  }
  headers->EndUpdate();
}

void TGridColumnItem::SetFont(TFont* Value) {
  FFont->Assign(Value);
  CollectionUpdate();
}

void TGridColumnItem::SetColor(TColor Value) {
  FColor = Value;
  CollectionUpdate();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
  if (FEditorType == Value) return;
  const bool checkBoxes = FEditorType == edDataCheckBox || Value == edDataCheckBox;
  FEditorType = Value;
  // Only check boxes change what the cells show.
  if (checkBoxes) Repaint();
}

void TGridColumnItem::SetFixed(bool Value) {
  FFixed = Value;
  CollectionUpdate();
}

void TGridColumnItem::SetComboItems(TStrings* Value) { FComboItems->Assign(Value); }

void TGridColumnItem::SetPassword(bool Value) {
  FPassword = Value;
  CollectionUpdate();
}

void TGridColumnItem::SetPrintFont(TFont* Value) { QuietAssign(FPrintFont.get(), Value); }

void TGridColumnItem::SetBorders(TCellBorders Value) {
  FBorders = Value;
  CollectionUpdate();
}

void TGridColumnItem::SetBorderPen(TPen* Value) {
  QuietAssign(FBorderPen.get(), Value);
  CollectionUpdate();
}

void TGridColumnItem::SetPrintBorderPen(TPen* Value) { QuietAssign(FPrintBorderPen.get(), Value); }

void TGridColumnItem::SetShowBands(bool Value) {
  FShowBands = Value;
  CollectionUpdate();
}

void TGridColumnItem::SetFilter(TStrings* Value) { FFilter->Assign(Value); }

void TGridColumnItem::SetFloatFormat(const std::string& Value) {
  FFloatFormat = Value;
  Repaint();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
  FHeaderAlignment = Value;
  Repaint();
}

void TGridColumnItem::SetHeaderFont(TFont* Value) {
  QuietAssign(FHeaderFont.get(), Value);
  Repaint();
}

// ---- The column's cells

std::string TGridColumnItem::Rows(int ARow) const {
  TRavUvurerEduz* grid = Grid();
  return grid != nullptr ? grid->GetCellEx(Index(), ARow) : std::string();
}

void TGridColumnItem::SetRows(int ARow, const std::string& Value) {
  if (TRavUvurerEduz* grid = Grid()) grid->SetCellEx(Index(), ARow, Value);
}

int TGridColumnItem::Ints(int ARow) const {
  TRavUvurerEduz* grid = Grid();
  return grid != nullptr ? grid->Ints(Index(), ARow) : 0;
}

void TGridColumnItem::SetInts(int ARow, int Value) {
  if (TRavUvurerEduz* grid = Grid()) grid->SetInts(Index(), ARow, Value);
}

double TGridColumnItem::Floats(int ARow) const {
  TRavUvurerEduz* grid = Grid();
  return grid != nullptr ? grid->Floats(Index(), ARow) : 0.0;
}

void TGridColumnItem::SetFloats(int ARow, double Value) {
  if (TRavUvurerEduz* grid = Grid()) grid->SetFloats(Index(), ARow, Value);
}

TDateTime TGridColumnItem::Dates(int ARow) const {
  TRavUvurerEduz* grid = Grid();
  return grid != nullptr ? grid->Dates(Index(), ARow) : TDateTime();
}

void TGridColumnItem::SetDates(int ARow, TDateTime Value) {
  if (TRavUvurerEduz* grid = Grid()) grid->SetDates(Index(), ARow, Value);
}

TDateTime TGridColumnItem::Times(int ARow) const {
  TRavUvurerEduz* grid = Grid();
  return grid != nullptr ? grid->Times(Index(), ARow) : TDateTime();
}

void TGridColumnItem::SetTimes(int ARow, TDateTime Value) {
  if (TRavUvurerEduz* grid = Grid()) grid->SetTimes(Index(), ARow, Value);
}

// ---------------------------------------------------------------------------
// TGridColumnCollection

TGridColumnCollection::TGridColumnCollection(TRavUvurerEduz* AOwner)
    : TCollection(GetItemClass()), FOwner(AOwner) {}

TPersistent* TGridColumnCollection::GetOwner() { return FOwner; }

TGridColumnItem* TGridColumnCollection::Add() {
  auto* item = static_cast<TGridColumnItem*>(TCollection::Add());
  if (Count() > 1) item->AssignVisuals(GetItem(Count() - 2));
  return item;
}

void TGridColumnCollection::Update(TCollectionItem*) {
  if (FOwner == nullptr || FOwner->Columns() != this) return;
  if (UpdateCount() > 0 || FNoRecursiveUpdate) return;
  FOwner->AfterCollectionChange();
}

void TGridColumnCollection::SetOrganization() {
  if (FOwner != nullptr) {
    FNoRecursiveUpdate = true;
    try {
      FOwner->SyncColumnItems();
    } catch (...) {
      FNoRecursiveUpdate = false;
      throw;
    }
  }
  FNoRecursiveUpdate = false;
  for (int i = 0; i < Count(); ++i) GetItem(i)->SetDefIdx(i);
}

void TGridColumnCollection::ResetOrganization() {
  if (FOwner == nullptr) return;
  // Every move takes one column to its remembered place for good, so the
  // passes end; the bound only guards against orders that are not one.
  for (int pass = 0; pass <= Count(); ++pass) {
    bool moved = false;
    for (int i = 0; i < Count(); ++i) {
      const int target = GetItem(i)->DefIdx();
      if (target < i && target >= 0 && i < FOwner->ColCount()) {
        FOwner->MoveColumn(i, target);
        moved = true;
      }
    }
    if (!moved) break;
  }
}
