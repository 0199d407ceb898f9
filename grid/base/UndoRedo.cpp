// Undo and redo of cell text changes, and the cell checker base.
#include "grid/base/UndoRedo.h"

#include "framework/rtl/SysUtils.h"

// UndoRedo_Published.cpp: referenced here so its tables come along.
void LinkUndoRedoPublished();

// ---------------------------------------------------------------------------
// TUndoRedoItem and the history

void TUndoRedoItem::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TUndoRedoItem*>(Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  FRow = src->FRow;
  FCol = src->FCol;
  FValue = src->FValue;
  FOrigValue = src->FOrigValue;
  FSequenceStart = src->FSequenceStart;
  FSequenceStop = src->FSequenceStop;
}

TUndoRedoItem* TUndoRedoCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return FItems[static_cast<std::size_t>(Index)].get();
}

TUndoRedoItem* TUndoRedoCollection::Add() {
  FItems.push_back(std::make_unique<TUndoRedoItem>());
  return FItems.back().get();
}

void TUndoRedoCollection::Delete(int Index) {
  Items(Index);  // range check
  FItems.erase(FItems.begin() + Index);
}

void TUndoRedoCollection::Truncate(int Index) {
  if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index, FItems.end());
}

// ---------------------------------------------------------------------------
// TDivUzevUndoRedo

TDivUzevUndoRedo::TDivUzevUndoRedo(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TUndoRedoCollection>()) {
  LinkUndoRedoPublished();
}

TDivUzevUndoRedo::~TDivUzevUndoRedo() = default;

void TDivUzevUndoRedo::SetGrid(TGridCellLink* Value) {
  FGrid = Value;
  // The grid's component is kept aside: the removal notice arrives while
  // the grid is half destroyed, when it can no longer be asked.
  FGridComponent = FGrid ? FGrid->LinkComponent() : nullptr;
  // Notices run both ways: the grid also learns when this component goes.
  // A previous grid keeps its notice, as it may still point here.
  if (FGridComponent) FGridComponent->FreeNotification(this);
}

void TDivUzevUndoRedo::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent != nullptr && AComponent == FGridComponent) {
    FGrid = nullptr;
    FGridComponent = nullptr;
  }
  TComponent::Notification(AComponent, Operation);
}

TUndoRedoItem* TDivUzevUndoRedo::Append() {
  // Whatever was undone can no longer be redone once something new happens.
  FItems->Truncate(FLevel);
  return FItems->Add();
}

void TDivUzevUndoRedo::TrimToMaxLevel() {
  if (FMaxLevel <= 0) return;
  while (FItems->Count() > FMaxLevel) {
    // Remove the oldest undo step: a single change, or a whole closed group.
    int last = 0;
    if (FItems->Items(0)->SequenceStart()) {
      for (int i = 1; i < FItems->Count() - 1; ++i) {
        if (FItems->Items(i)->SequenceStop()) {
          last = i;
          break;
        }
      }
    }
    for (int i = last; i >= 0; --i) FItems->Delete(i);
  }
}

void TDivUzevUndoRedo::RegisterChange(int ACol, int ARow, const std::string& OldValue,
                                      const std::string& NewValue) {
  TUndoRedoItem* item = Append();
  item->SetCol(ACol);
  item->SetRow(ARow);
  item->SetValue(NewValue);
  item->SetOrigValue(OldValue);
  TrimToMaxLevel();
  FLevel = FItems->Count();
}

void TDivUzevUndoRedo::StartSequence() {
  Append()->SetSequenceStart(true);
  FLevel = FItems->Count();
}

void TDivUzevUndoRedo::StopSequence() {
  Append()->SetSequenceStop(true);
  FLevel = FItems->Count();
}

void TDivUzevUndoRedo::Apply(const TUndoRedoItem& Item, bool Undoing) {
  // The handler may change the grid, or reset the history that holds Item:
  // what is applied is taken first.
  const int col = Item.Col(), row = Item.Row();
  const std::string text = Undoing ? Item.OrigValue() : Item.Value();
  const TDivUzevUndoRedoEvent& event = Undoing ? OnUndo : OnRedo;
  if (event) {
    const std::string current = FGrid->GetCellEx(col, row);
    event(this, FGridComponent, col, row, current, text);
  }
  FGrid->SetCellEx(col, row, text);
  FGrid->SetCurrentCell(FGrid->DisplColIndex(col), row);
}

bool TDivUzevUndoRedo::Applied(const TUndoRedoItem& Item, bool Undoing) {
  const int count = FItems->Count(), level = FLevel;
  Apply(Item, Undoing);
  // A handler that changed the history ends the step where it left it.
  return FItems->Count() == count && FLevel == level;
}

void TDivUzevUndoRedo::Undo() {
  if (!FGrid || FLevel <= 0 || FItems->Count() < FLevel) return;
  const TUndoRedoItem* item = FItems->Items(FLevel - 1);
  if (item->SequenceStop()) {
    --FLevel;
    while (FLevel > 0 && !FItems->Items(FLevel - 1)->SequenceStart()) {
      const TUndoRedoItem* change = FItems->Items(FLevel - 1);
      if (!change->IsMarker() && !Applied(*change, true)) break;
      --FLevel;
    }
    if (FLevel > 0) --FLevel;  // over the group's start marker
    FGrid->InvalidateGrid();
  } else if (item->SequenceStart()) {
    --FLevel;  // a group with nothing in it yet
  } else {
    const int col = item->Col(), row = item->Row();
    if (Applied(*item, true)) --FLevel;
    FGrid->RepaintCell(FGrid->DisplColIndex(col), row);
  }
}

void TDivUzevUndoRedo::Redo() {
  if (!FGrid || FLevel >= FItems->Count()) return;
  ++FLevel;
  const TUndoRedoItem* item = FItems->Items(FLevel - 1);
  if (item->SequenceStart()) {
    ++FLevel;
    // Up to the group's end marker, or to the end of a group still open.
    while (FLevel <= FItems->Count() && !FItems->Items(FLevel - 1)->SequenceStop()) {
      const TUndoRedoItem* change = FItems->Items(FLevel - 1);
      if (!change->IsMarker() && !Applied(*change, false)) return;
      ++FLevel;
    }
    if (FLevel > FItems->Count()) FLevel = FItems->Count();
    FGrid->InvalidateGrid();
  } else if (!item->IsMarker()) {
    Apply(*item, false);
  }
}

void TDivUzevUndoRedo::Reset() {
  FItems->Clear();
  FLevel = 0;
}

// ---------------------------------------------------------------------------
// TDedAdararAdozCheck

std::string TDedAdararAdozCheck::MarkError(int /*ACol*/, int /*ARow*/, const std::string& S) { return S; }

std::string TDedAdararAdozCheck::Correct(int /*ACol*/, int /*ARow*/, const std::string& S) { return S; }
