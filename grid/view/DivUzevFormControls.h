#pragma once
// The editors of the form controls that markup cells hold (<CONTROL ...>
// tags): a masked edit box for EDIT, PASSWORD and MASK controls and a combo
// box for COMBO controls. The grid owns one of each, hidden until a control
// is edited; it places them over the control, gives them its value, and
// takes the value back into the cell when they are left.
//
// Enter ends the edit and gives the focus back to the grid; Tab ends it and
// moves on (to the next cell with Navigation.AdvanceAuto, else to the
// cell's next editable control).
#include "framework/controls/Mask.h"
#include "grid/base/DudCombo.h"

class TDedAdararAdoz;

class TControlEdit : public TCustomMaskEdit {
 public:
  // AOwner is the grid the box edits for.
  explicit TControlEdit(TComponent* AOwner);
  TDedAdararAdoz* Grid() const { return FGrid; }
  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;

 private:
  TDedAdararAdoz* FGrid = nullptr;
};

class TControlCombo : public TDudComboBox {
 public:
  explicit TControlCombo(TComponent* AOwner);
  TDedAdararAdoz* Grid() const { return FGrid; }

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void CMWantSpecialKey(TMessage& Message) override;

 private:
  TDedAdararAdoz* FGrid = nullptr;
};
