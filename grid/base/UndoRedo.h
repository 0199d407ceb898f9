#pragma once
// Undo and redo of a grid's cell text changes, singly or in groups, and the
// base of the cell checkers a grid consults when an edit is validated.
//
// The history is a standard undo stack: a new change drops the changes that
// were undone before it, Reset leaves nothing to undo, and trimming to
// MaxLevel removes whole groups, so Level never leaves 0..Count.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Classes.h"
#include "grid/base/GridServices.h"

// One recorded change, or a group start or end marker (column and row -1).
class TUndoRedoItem : public TPersistent {
 public:
  int Row() const { return FRow; }
  void SetRow(int Value) { FRow = Value; }
  int Col() const { return FCol; }
  void SetCol(int Value) { FCol = Value; }
  const std::string& Value() const { return FValue; }  // the text after the change
  void SetValue(const std::string& V) { FValue = V; }
  const std::string& OrigValue() const { return FOrigValue; }  // the text before it
  void SetOrigValue(const std::string& V) { FOrigValue = V; }
  bool SequenceStart() const { return FSequenceStart; }
  void SetSequenceStart(bool V) { FSequenceStart = V; }
  bool SequenceStop() const { return FSequenceStop; }
  void SetSequenceStop(bool V) { FSequenceStop = V; }
  bool IsMarker() const { return FSequenceStart || FSequenceStop; }

  void Assign(TPersistent* Source) override;

 private:
  int FRow = -1;
  int FCol = -1;
  std::string FValue;
  std::string FOrigValue;
  bool FSequenceStart = false;
  bool FSequenceStop = false;
};

// The history, oldest first. Owns its items.
class TUndoRedoCollection : public TPersistent {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  // EListError on an index outside the history.
  TUndoRedoItem* Items(int Index) const;
  TUndoRedoItem* Add();
  void Delete(int Index);
  // Drops the items from Index to the end.
  void Truncate(int Index);
  void Clear() { FItems.clear(); }

 private:
  std::vector<std::unique_ptr<TUndoRedoItem>> FItems;
};

using TDivUzevUndoRedoEvent = std::function<void(TObject* Sender, TComponent* Grid, int Col, int Row,
                                                 const std::string& OrigValue, const std::string& NewValue)>;

class TDivUzevUndoRedo : public TComponent {
 public:
  explicit TDivUzevUndoRedo(TComponent* AOwner);
  ~TDivUzevUndoRedo() override;

  TUndoRedoCollection* Items() const { return FItems.get(); }
  TGridCellLink* Grid() const { return FGrid; }
  // Set by the grid when the component is assigned to its UndoRedo.
  void SetGrid(TGridCellLink* Value);
  // The number of history items in effect; the items from Level on were
  // undone and may be redone.
  int Level() const { return FLevel; }
  // History limit; 0 or less means none.
  int MaxLevel() const { return FMaxLevel; }
  void SetMaxLevel(int Value) { FMaxLevel = Value; }

  // Records one change of the cell (storage column and row).
  virtual void RegisterChange(int ACol, int ARow, const std::string& OldValue, const std::string& NewValue);
  // Bracket changes that undo and redo as one step.
  virtual void StartSequence();
  virtual void StopSequence();

  void Undo();
  void Redo();
  bool CanUndo() const { return FLevel > 0; }
  bool CanRedo() const { return FLevel < FItems->Count(); }
  // Forgets the whole history.
  void Reset();

  // Fired before each cell is written back, with the cell's current text
  // and the text about to be written.
  TDivUzevUndoRedoEvent OnUndo;
  TDivUzevUndoRedoEvent OnRedo;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TUndoRedoItem* Append();
  void TrimToMaxLevel();
  void Apply(const TUndoRedoItem& Item, bool Undoing);
  // Apply, false when its handler changed the history meanwhile.
  bool Applied(const TUndoRedoItem& Item, bool Undoing);

  std::unique_ptr<TUndoRedoCollection> FItems;
  TGridCellLink* FGrid = nullptr;
  TComponent* FGridComponent = nullptr;
  int FLevel = 0;
  int FMaxLevel = 0;
};

// Base of the grid's cell checkers: concrete checkers correct or mark cell
// texts; this one leaves every text as it is.
class TDedAdararAdozCheck : public TComponent {
 public:
  explicit TDedAdararAdozCheck(TComponent* AOwner) : TComponent(AOwner) {}

  virtual std::string MarkError(int ACol, int ARow, const std::string& S);
  virtual std::string Correct(int ACol, int ARow, const std::string& S);
  virtual void StartCheck() {}
  virtual void StopCheck() {}

  // Move the current cell to each cell while checking in bulk, and back.
  bool GotoCell() const { return FGotoCell; }
  void SetGotoCell(bool Value) { FGotoCell = Value; }
  // Correct, resp. mark, a cell text when an edit is validated.
  bool AutoCorrect() const { return FAutoCorrect; }
  void SetAutoCorrect(bool Value) { FAutoCorrect = Value; }
  bool AutoMarkError() const { return FAutoMarkError; }
  void SetAutoMarkError(bool Value) { FAutoMarkError = Value; }
  // Correct, resp. mark, while checking in bulk.
  bool UseCorrect() const { return FUseCorrect; }
  void SetUseCorrect(bool Value) { FUseCorrect = Value; }
  bool UseMarkError() const { return FUseMarkError; }
  void SetUseMarkError(bool Value) { FUseMarkError = Value; }

 private:
  bool FGotoCell = false;
  bool FAutoCorrect = false;
  bool FAutoMarkError = false;
  bool FUseCorrect = false;
  bool FUseMarkError = false;
};
