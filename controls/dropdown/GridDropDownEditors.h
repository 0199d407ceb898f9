#pragma once
// The drop-down controls as in-place editors of TDedAdararAdoz, one class
// per drop-down editor kind. They share one behaviour (TGridDropDownEditor)
// and differ in the keys they claim and validate. The grid reaches them
// through the provider RegisterGridDropDownEditors installs.
#include <string>

#include "controls/dropdown/VevCalculatorDropdown.h"
#include "controls/dropdown/VevColorPickerDropDown.h"
#include "controls/dropdown/VevCustomGridDropDown.h"
#include "controls/dropdown/VevDetailDropDown.h"
#include "controls/dropdown/VevImagePickerDropDown.h"
#include "controls/dropdown/VevMemoDropDown.h"
#include "controls/dropdown/VevMultiColumnDropDown.h"
#include "controls/dropdown/VevTimePickerDropDown.h"
#include "controls/dropdown/VevTrackBarDropDown.h"
#include "grid/model/DivUzev.h"

template <class Base>
class TGridDropDownEditor : public Base {
 public:
  // The owner must be the grid the editor serves.
  explicit TGridDropDownEditor(TComponent* AOwner)
      : Base(AOwner), FGrid(dynamic_cast<TDedAdararAdoz*>(AOwner)) {}
  TDedAdararAdoz* OwnerGrid() const { return FGrid; }
  // Puts a cell's text in as a value (no completion, no change report).
  void LoadCellText(const std::string& Value);

  // Cleared on every key-down.
  bool Forced = false;
  // Off after Backspace or Delete.
  bool WorkMode = true;

  void WndProc(TMessage& Message) override;

 protected:
  virtual bool ClaimsEnterAndEscape() const { return false; }
  virtual bool IsSpecialKey(WORD Key) const;
  virtual bool IsValidatedKey(WORD Key) const { return Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN; }
  virtual void BeforeValidate(WORD) {}
  // The editors with free typing put the caret under the click that opened
  // them.
  virtual bool CaretUnderMouseOnFocus() const { return false; }
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Change() override;
  void DoExit() override;

  TDedAdararAdoz* FGrid = nullptr;

 private:
  void CaretToClick();
  bool loading_ = false;
};

class TGridTrackbarDropDown : public TGridDropDownEditor<TVevTrackBarDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;

 protected:
  bool ClaimsEnterAndEscape() const override { return true; }
  bool CaretUnderMouseOnFocus() const override { return true; }
};

class TGridMemoDropDown : public TGridDropDownEditor<TVevMemoDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;

 protected:
  bool CaretUnderMouseOnFocus() const override { return true; }
};

class TGridCalculatorDropDown : public TGridDropDownEditor<TVevCalculatorDropdown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;

 protected:
  // Enter first completes the pending calculation.
  void BeforeValidate(WORD Key) override {
    if (Key == VK_RETURN) CalcResult();
  }
  bool CaretUnderMouseOnFocus() const override { return true; }
};

class TGridTimepickerDropDown : public TGridDropDownEditor<TVevTimePickerDropDown> {
 public:
  explicit TGridTimepickerDropDown(TComponent* AOwner) : TGridDropDownEditor(AOwner) { SetFocusDraw(false); }
};

class TGridGridDropDown : public TGridDropDownEditor<TVevMultiColumnDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridDivUzevDropDown : public TGridDropDownEditor<TCustomDivUzevDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
  // The drop-down's own pop-up grid.
  TDedAdararAdoz* Grid() const { return GetGrid(); }
};

class TGridDetailPickerDropDown : public TGridDropDownEditor<TVevDetailDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
};

class TGridColorDropDown : public TGridDropDownEditor<TVevColorPickerDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;

 protected:
  bool ClaimsEnterAndEscape() const override { return true; }
  bool IsSpecialKey(WORD Key) const override;
  bool IsValidatedKey(WORD Key) const override { return Key == VK_RETURN; }
};

class TGridImageDropDown : public TGridDropDownEditor<TVevImagePickerDropDown> {
 public:
  using TGridDropDownEditor::TGridDropDownEditor;
};

// Installs the grid's provider of these editors (once is enough).
void RegisterGridDropDownEditors();

// The grid's editor of each kind, made on first use (nullptr without a
// grid or after the grid let its editors go).
TGridTrackbarDropDown* TrackbarDropDown(TDedAdararAdoz* Grid);
TGridMemoDropDown* MemoDropDown(TDedAdararAdoz* Grid);
TGridCalculatorDropDown* CalculatorDropDown(TDedAdararAdoz* Grid);
TGridTimepickerDropDown* TimePickerDropDown(TDedAdararAdoz* Grid);
TGridDetailPickerDropDown* DetailPickerDropDown(TDedAdararAdoz* Grid);
TGridGridDropDown* GridDropDown(TDedAdararAdoz* Grid);
TGridColorDropDown* ColorPickerDropDown(TDedAdararAdoz* Grid);
TGridImageDropDown* ImagePickerDropDown(TDedAdararAdoz* Grid);
TGridDivUzevDropDown* DivUzevDropDown(TDedAdararAdoz* Grid);
