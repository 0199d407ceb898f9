#pragma once
// The date/time picker of the grid's date and time cells: the framework's
// picker with an optional flat "metro" look (own border colours, a focus
// border, and a drop-down button drawn as the grid's combo box draws its
// own). Without the metro look it paints as the framework's picker, apart
// from an optional one-colour border when its 3-D look is off.
#include <string>

#include "framework/controls/DateTimePicker.h"

class TDudDateTimePicker : public TDateTimePicker {
 public:
  explicit TDudDateTimePicker(TComponent* AOwner);

  TBorderStyle BorderStyle() const { return borderStyle_; }
  virtual void SetBorderStyle(TBorderStyle Value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value);
  bool MetroStyle() const { return metroStyle_; }
  void SetMetroStyle(bool Value);
  TColor FocusBorderColor() const { return focusBorderColor_; }
  void SetFocusBorderColor(TColor Value) { focusBorderColor_ = Value; }
  bool FocusBorder() const { return focusBorder_; }
  void SetFocusBorder(bool Value) { focusBorder_ = Value; }
  bool DisabledBorder() const { return disabledBorder_; }
  void SetDisabledBorder(bool Value) { disabledBorder_ = Value; }
  int ButtonWidth() const { return buttonWidth_; }

  TColor ButtonColor() const { return buttonColor_; }
  void SetButtonColor(TColor Value) { buttonColor_ = Value; }
  TColor ButtonColorHot() const { return buttonColorHot_; }
  void SetButtonColorHot(TColor Value) { buttonColorHot_ = Value; }
  TColor ButtonColorDown() const { return buttonColorDown_; }
  void SetButtonColorDown(TColor Value) { buttonColorDown_ = Value; }
  TColor ButtonTextColor() const { return buttonTextColor_; }
  void SetButtonTextColor(TColor Value) { buttonTextColor_ = Value; }
  TColor ButtonTextColorHot() const { return buttonTextColorHot_; }
  void SetButtonTextColorHot(TColor Value) { buttonTextColorHot_ = Value; }
  TColor ButtonTextColorDown() const { return buttonTextColorDown_; }
  void SetButtonTextColorDown(TColor Value) { buttonTextColorDown_ = Value; }
  TColor ButtonBorderColor() const { return buttonBorderColor_; }
  void SetButtonBorderColor(TColor Value) { buttonBorderColor_ = Value; }

  bool ButtonHover() const { return buttonHover_; }
  bool MouseInControl() const { return mouseInControl_; }
  bool HasFocus() const { return hasFocus_; }

  // "1.0.0.0"; writing it changes nothing.
  std::string Version() const;
  void SetVersion(const std::string&) {}
  int GetVersionNr() const { return 0x01000000; }

  void WndProc(TMessage& Message) override;

 protected:
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void WMPaint(TMessage& Message) override;
  void WMNCPaint(TMessage& Message) override;

  bool MetroActive() const;
  bool ThemeActive() const;
  bool IsHot() const;
  // The metro drop-down button, client coordinates.
  void DrawDropButton(TCanvas* DC);
  // Border and button frame, window coordinates.
  void DrawBorders(TCanvas* WindowDC);

 private:
  TBorderStyle borderStyle_ = bsNone;
  TColor borderColor_ = clNone;
  bool isThemed_ = false;
  TColor buttonColorDown_ = clNone;
  TColor buttonBorderColor_ = clNone;
  TColor buttonTextColor_ = clNone;
  TColor buttonTextColorHot_ = clNone;
  TColor buttonColor_ = clNone;
  TColor buttonColorHot_ = clNone;
  TColor buttonTextColorDown_ = clNone;
  int buttonWidth_ = 19;
  bool buttonHover_ = false;
  bool mouseInControl_ = false;
  bool isWinXP_ = false;
  bool metroStyle_ = false;
  TColor focusBorderColor_ = clNone;
  bool disabledBorder_ = false;
  bool hasFocus_ = false;
  bool focusBorder_ = false;
};
