#pragma once
// The combo box of the grid's drop-down cells: a flat look of its own,
// optional border, focus and button colours, a drop-down button that lights
// up under the mouse, and an optional caption label beside it.
//
// With every colour unset, not flat and enabled, the framework's combo box
// paints the whole control. Otherwise this control paints the face and its
// own button, lets the framework draw the text beside it, and draws its
// borders last, in window coordinates (the outer rings fall in the window's
// border, the rest in the client area).
//
// The colour a focus colour replaces is the colour the control had before
// it took the focus, for a control made in code as for one loaded from a
// layout: every colour change made while the focus colour is not shown
// becomes the colour restored on leaving.
#include <memory>
#include <string>

#include "framework/controls/ComboBox.h"
#include "grid/base/LabelPosition.h"

class TLabel;


class TDudCustomCombo : public TCustomComboBox {
 public:
  explicit TDudCustomCombo(TComponent* AOwner);
  ~TDudCustomCombo() override;

  bool AutoFocus() const { return autoFocus_; }
  void SetAutoFocus(bool Value) { autoFocus_ = Value; }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value);
  // 14 to 32 pixels; other values are ignored.
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int Value);
  bool DisabledBorder() const { return disabledBorder_; }
  void SetDisabledBorder(bool Value) { disabledBorder_ = Value; }
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  TColor FlatLineColor() const { return flatLineColor_; }
  void SetFlatLineColor(TColor Value);
  bool FlatParentColor() const { return flatParentColor_; }
  void SetFlatParentColor(bool Value);
  bool Etched() const { return etched_; }
  void SetEtched(bool Value);
  bool FocusBorder() const { return focusBorder_; }
  void SetFocusBorder(bool Value) { focusBorder_ = Value; }
  TColor FocusBorderColor() const { return focusBorderColor_; }
  void SetFocusBorderColor(TColor Value) { focusBorderColor_ = Value; }
  TColor FocusColor() const { return focusColor_; }
  void SetFocusColor(TColor Value) { focusColor_ = Value; }
  bool FocusLabel() const { return focusLabel_; }
  void SetFocusLabel(bool Value) { focusLabel_ = Value; }
  int DropWidth() const { return dropWidth_; }
  void SetDropWidth(int Value);
  std::string LabelCaption() const;
  void SetLabelCaption(const std::string& Value);
  TLabelPosition LabelPosition() const { return labelPosition_; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return labelMargin_; }
  void SetLabelMargin(int Value);
  bool LabelTransparent() const { return labelTransparent_; }
  void SetLabelTransparent(bool Value);
  bool LabelAlwaysEnabled() const { return labelAlwaysEnabled_; }
  void SetLabelAlwaysEnabled(bool Value);
  TFont* LabelFont() const { return labelFont_.get(); }
  void SetLabelFont(TFont* Value);
  // While a layout is read the colour is also remembered as the loaded one.
  void SetColor(TColor Value);
  void SetEnabled(bool Value) override;
  void SetParent(TWinControl* AParent) override;

  // The attached label, nullptr until a caption is first set.
  TLabel* ComboLabel() const { return label_; }
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
  // The owner says visual styles are in use (repaint on hover, no flat
  // button frame) and whether the framework draws the whole control.
  bool IsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool Value) { isWinXP_ = Value; }
  bool IsVista() const { return isVista_; }
  void SetIsVista(bool Value) { isVista_ = Value; }
  // State as the drawing code reads it.
  bool MouseInControl() const { return mouseInControl_; }
  bool ButtonHover() const { return buttonHover_; }
  bool HasFocus() const { return hasFocus_; }
  // The colour restored when the focus leaves.
  TColor NormalColor() const { return normalColor_; }

  // Makes the current colour the one restored after the focus leaves.
  void Init();
  // Selects the item equal to AString, letter case ignored; no match
  // changes nothing.
  void SelectItem(const std::string& AString);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // True when this control draws itself (the framework draws the rest).
  bool OwnPainting();

  TNotifyEvent OnDropUp;

  void WndProc(TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void WMPaint(TMessage& Message) override;
  void WMNCPaint(TMessage& Message) override;

  // Visual styles are drawn now.
  bool DoVisualStyles() const;
  // The drop-down button, in client coordinates; it then keeps the text out
  // of the button strip.
  void DrawButton(TCanvas* DC);
  // The window border and the button frame, in window coordinates.
  void DrawBorders(TCanvas* WindowDC);
  void DrawBorder(TCanvas* WindowDC);
  void DrawButtonFrame(TCanvas* WindowDC);
  bool ShowFocusBorder() const;
  bool IsHot() const;
  // Asks for the borders to be drawn again (they are drawn while painting).
  void RedrawBorders();

 private:
  void UpdateLabel();
  void CreateLabel();
  void LabelFontChanged(TObject* Sender);
  void SetLabelBold(bool Bold);
  // Shows or hides the focus colour without taking it as the normal one.
  void ApplyFocusColor(TColor Value);

  bool autoFocus_ = false;
  bool flat_ = false;
  bool etched_ = false;
  TColor oldColor_ = clWindow;
  TColor loadedColor_ = clWindow;
  bool oldParentColor_ = false;
  int buttonWidth_ = 19;
  bool focusBorder_ = false;
  bool mouseInControl_ = false;
  int dropWidth_ = 0;
  bool isWinXP_ = false;
  bool isThemed_ = false;
  bool buttonHover_ = false;
  bool labelAlwaysEnabled_ = false;
  bool labelTransparent_ = false;
  int labelMargin_ = 4;
  std::unique_ptr<TFont> labelFont_;
  TLabelPosition labelPosition_ = lpLeftTop;
  TLabel* label_ = nullptr;
  TColor flatLineColor_ = clNone;
  bool flatParentColor_ = true;
  TColor focusColor_ = clNone;
  TColor focusBorderColor_ = clNone;
  TColor borderColor_ = clNone;
  bool disabledBorder_ = true;
  TColor normalColor_ = clWindow;
  bool hasFocus_ = false;
  bool focusLabel_ = false;
  TColor buttonColorDown_ = clNone;
  TColor buttonBorderColor_ = clNone;
  TColor buttonTextColor_ = clNone;
  TColor buttonTextColorHot_ = clNone;
  TColor buttonColor_ = clNone;
  TColor buttonColorHot_ = clNone;
  TColor buttonTextColorDown_ = clNone;
  bool isVista_ = false;
  bool applyingFocusColor_ = false;
};

class TDudComboBox : public TDudCustomCombo {
 public:
  using TDudCustomCombo::TDudCustomCombo;
};
