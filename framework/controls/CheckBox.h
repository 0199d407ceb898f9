#pragma once
// Check box and radio button, drawn by us (themed box when visual styles
// are on, the classic frame control otherwise).
//
// A check box fires OnClick whenever its state changes, from a click, the
// space bar, its accelerator or code that sets Checked or State, as on the
// platform. A radio button fires OnClick when it becomes checked; checking
// one unchecks the radio buttons that share its parent.
#include <string>

#include "framework/controls/Controls.h"
#include "framework/controls/StdMessages.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// What check boxes and radio buttons share: a box (or circle) beside the
// caption, pressed look while the mouse or space bar holds it, the hot look
// under the mouse, and the click that follows a release over the control.
class TButtonControl : public TCustomControl {
 public:
  explicit TButtonControl(TComponent* AOwner);
  // taRightJustify: the caption right of the box (the default);
  // taLeftJustify: the caption left of it.
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  void WndProc(TMessage& Message) override;

 protected:
  // The action of a click, a released space bar or the accelerator.
  virtual void Activate() = 0;
  // Draws the box (or circle) in R.
  virtual void DrawMark(TCanvas* C, const TRect& R, bool Pressed, bool Hot) = 0;
  // While set, state changes do not fire OnClick.
  bool ClicksDisabled() const { return clicksDisabled_ > 0; }
  void DisableClicks() { ++clicksDisabled_; }
  void EnableClicks() { --clicksDisabled_; }
  // A layout being read sets states without clicks.
  bool Loading() const {
    return ComponentState().Contains(csLoading) || ComponentState().Contains(csReading);
  }
  void Paint() override;
  void DefaultHandler(TMessage& Message) override;
  TRect MarkRect() const;
  TRect CaptionRect() const;

 private:
  TAlignment alignment_ = taRightJustify;
  bool wordWrap_ = false;
  bool pressed_ = false;
  bool mouseDown_ = false;
  bool spaceDown_ = false;
  bool hot_ = false;
  int clicksDisabled_ = 0;
};

class TCustomCheckBox : public TButtonControl {
 public:
  explicit TCustomCheckBox(TComponent* AOwner);
  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState Value);
  bool Checked() const { return state_ == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
  // A click cycles through the grayed state too.
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool Value) { allowGrayed_ = Value; }
  // Unchecked -> checked (or grayed) -> unchecked; grayed -> checked.
  virtual void Toggle();
  void WndProc(TMessage& Message) override;

 protected:
  void Activate() override { Toggle(); }
  void DrawMark(TCanvas* C, const TRect& R, bool Pressed, bool Hot) override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
};

class TCheckBox : public TCustomCheckBox {
 public:
  using TCustomCheckBox::TCustomCheckBox;
};

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* AOwner);
  bool Checked() const { return checked_; }
  // Checking takes the tab stop and unchecks the siblings.
  void SetChecked(bool Value);
  void WndProc(TMessage& Message) override;

 protected:
  void Activate() override { SetChecked(true); }
  void DrawMark(TCanvas* C, const TRect& R, bool Pressed, bool Hot) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DefaultHandler(TMessage& Message) override;

 private:
  void TurnSiblingsOff();
  bool checked_ = false;
};
