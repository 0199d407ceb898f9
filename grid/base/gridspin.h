#pragma once
// The spin edit: an edit with an up/down button pair holding an integer, a
// float, a date or a time. The buttons, the arrow keys and the page keys
// step the value (for dates and times the part under the caret).
//
// The value lives in the text and is read from it each time, with the
// program's number and date settings. Typing is filtered by kind (digits,
// a leading minus, the separators the kind uses). Pasted text goes in only
// when the text it makes is a whole value of the kind within the bounds.
// Leaving the edit with text that is no such value (an impossible date, a
// number outside the bounds) refuses it with a beep and puts back the text
// the edit had when it took the focus (or that code or a step last gave it):
// typed input is never written as another value. Values set by code are clamped to the bounds.
//
// The edit is single-line here (the platform made it multi-line only to
// set its text rectangle, which this framework's edit takes as it is).
#include <memory>
#include <string>

#include "framework/controls/Buttons.h"
#include "framework/controls/Mask.h"
#include "framework/rtl/DateUtils.h"

class TTimer;
class TDudSpinButton;

enum TDudSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TSpinDirection { spVertical, spHorizontal };
enum TEditAlign { eaLeft, eaRight, eaCenter };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateItem { tbFocusRect, tbAllowTimer };
using TTimeBtnState = TSet<TTimeBtnStateItem, 8>;

// A speed button that repeats its click while it is held down: first after
// 400 ms, then every 100 ms.
class TVevTimerSpeedButton : public TSpeedButton {
 public:
  explicit TVevTimerSpeedButton(TComponent* AOwner);
  ~TVevTimerSpeedButton() override;
  TTimeBtnState TimeBtnState() const { return timeBtnState_; }
  void SetTimeBtnState(TTimeBtnState Value) { timeBtnState_ = Value; }
  TButtonDirection ButtonDirection() const { return buttonDirection_; }
  void SetButtonDirection(TButtonDirection Value);
  bool IsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool Value);
  bool HasMouse() const { return hasMouse_; }
  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void TimerExpired(TObject* Sender);
  TTimer* repeatTimer_ = nullptr;  // owned, made on first use
  TTimeBtnState timeBtnState_;
  TButtonDirection buttonDirection_ = bdUp;
  bool isWinXP_ = false;
  bool hasMouse_ = false;
};

// The up/down button pair.
class TDudSpinButton : public TWinControl {
 public:
  explicit TDudSpinButton(TComponent* AOwner);
  ~TDudSpinButton() override;

  TVevTimerSpeedButton* UpButton() const { return upButton_; }
  TVevTimerSpeedButton* DownButton() const { return downButton_; }
  TVevTimerSpeedButton* FocusedButton() const { return focusedButton_; }
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* Value);
  TSpinDirection Direction() const { return direction_; }
  void SetDirection(TSpinDirection Value);
  TBitmap* UpGlyph() const;
  // nullptr loads the built-in arrow.
  void SetUpGlyph(TBitmap* Value);
  TBitmap* DownGlyph() const;
  void SetDownGlyph(TBitmap* Value);
  int UpNumGlyphs() const;
  void SetUpNumGlyphs(int Value);
  int DownNumGlyphs() const;
  void SetDownNumGlyphs(int Value);
  bool IsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool Value);

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

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

  void WndProc(TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  TVevTimerSpeedButton* CreateButton();
  void AdjustSize(int& W, int& H);
  void BtnClick(TObject* Sender);
  void BtnMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void SetFocusBtn(TVevTimerSpeedButton* Btn);
  TVevTimerSpeedButton* upButton_ = nullptr;
  TVevTimerSpeedButton* downButton_ = nullptr;
  TVevTimerSpeedButton* focusedButton_ = nullptr;
  TWinControl* focusControl_ = nullptr;
  TSpinDirection direction_ = spVertical;
  bool isWinXP_ = false;
  TColor buttonColorDown_ = clNone;
  TColor buttonBorderColor_ = clNone;
  TColor buttonTextColor_ = clNone;
  TColor buttonTextColorHot_ = clNone;
  TColor buttonColor_ = clNone;
  TColor buttonColorHot_ = clNone;
  TColor buttonTextColorDown_ = clNone;
};

class TDudSpinEdit : public TCustomMaskEdit {
 public:
  explicit TDudSpinEdit(TComponent* AOwner);
  ~TDudSpinEdit() override;

  TDudSpinButton* Button() const { return button_; }
  void SetIsWinXP(bool Value);

  bool ExcelStyleDecimalSeparator() const { return excelStyleDecimalSeparator_; }
  void SetExcelStyleDecimalSeparator(bool Value) { excelStyleDecimalSeparator_ = Value; }
  TSpinDirection Direction() const { return direction_; }
  void SetDirection(TSpinDirection Value);
  bool ReturnIsTab() const { return returnIsTab_; }
  void SetReturnIsTab(bool Value) { returnIsTab_ = Value; }
  int Precision() const { return precision_; }
  void SetPrecision(int Value);
  TDudSpinType SpinType() const { return spinType_; }
  void SetSpinType(TDudSpinType Value);

  int Value();
  void SetValue(int AValue);
  double FloatValue();
  void SetFloatValue(double AValue);
  TDateTime DateValue();
  void SetDateValue(TDateTime AValue);
  TDateTime TimeValue();
  void SetTimeValue(TDateTime AValue);

  bool ShowSeconds() const { return showSeconds_; }
  void SetShowSeconds(bool Value) { showSeconds_ = Value; }
  bool SpinFlat() const { return spinFlat_; }
  void SetSpinFlat(bool Value);
  bool SpinTransparent() const { return spinTransparent_; }
  void SetSpinTransparent(bool Value);
  bool AllowEmptyValue() const { return allowEmptyValue_; }
  void SetAllowEmptyValue(bool Value) { allowEmptyValue_ = Value; }
  TEditAlign EditAlign() const { return editAlign_; }
  void SetEditAlign(TEditAlign Value);
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool Value) { editorEnabled_ = Value; }
  int Increment() const { return increment_; }
  void SetIncrement(int Value) { increment_ = Value; }
  double IncrementFloat() const { return incrementFloat_; }
  void SetIncrementFloat(double Value) { incrementFloat_ = Value; }
  double IncrementFloatPage() const { return incrementFloatPage_; }
  void SetIncrementFloatPage(double Value) { incrementFloatPage_ = Value; }
  int IncrementSeconds() const { return incrementSeconds_; }
  void SetIncrementSeconds(int Value) { incrementSeconds_ = Value; }
  int IncrementMinutes() const { return incrementMinutes_; }
  void SetIncrementMinutes(int Value) { incrementMinutes_ = Value; }
  int IncrementHours() const { return incrementHours_; }
  void SetIncrementHours(int Value) { incrementHours_ = Value; }
  int MinValue() const { return minValue_; }
  void SetMinValue(int Value) { minValue_ = Value; }
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int Value) { maxValue_ = Value; }
  double MinFloatValue() const { return minFloatValue_; }
  void SetMinFloatValue(double Value) { minFloatValue_ = Value; }
  double MaxFloatValue() const { return maxFloatValue_; }
  void SetMaxFloatValue(double Value) { maxFloatValue_ = Value; }
  TDateTime MinDateValue() const { return minDateValue_; }
  void SetMinDateValue(TDateTime Value) { minDateValue_ = Value; }
  TDateTime MaxDateValue() const { return maxDateValue_; }
  void SetMaxDateValue(TDateTime Value) { maxDateValue_ = Value; }

  // Steps the value (the part under the caret for dates and times); a
  // read-only edit beeps.
  virtual void StepUp(bool Page);
  virtual void StepDown(bool Page);
  // Whether a typed character is taken.
  virtual bool IsValidChar(char32_t Key);
  // True when the text is a whole value of the kind within the bounds.
  bool IsValidText(const std::string& S);

  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

 protected:
  void Loaded() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  virtual void HandleUpClick(TObject* Sender);
  virtual void HandleDownClick(TObject* Sender);
  void WMSize(TMessage& Message) override;
  void WMKeyDown(TMessage& Message) override;
  void CMEnter(TMessage& Message) override;
  void CMExit(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;

 private:
  void Step(int Sign, bool Page);
  void SetEditRect();
  int MinHeight();
  void ApplyTextKeepCaret(const std::string& S);
  std::string TimeText(TDateTime V) const;
  void PasteFiltered();

  int minValue_ = 0;
  int maxValue_ = 100;
  double minFloatValue_ = 0.0;
  double maxFloatValue_ = 100.0;
  TDateTime minDateValue_ = 0;
  TDateTime maxDateValue_ = 0;
  TDateTime dateValue_ = 0;
  TDateTime timeValue_ = 0;
  int increment_ = 1;
  double incrementFloat_ = 0.1;
  TDudSpinButton* button_ = nullptr;
  bool editorEnabled_ = true;
  TSpinDirection direction_ = spVertical;
  TDudSpinType spinType_ = sptNormal;
  int precision_ = 0;
  bool returnIsTab_ = false;
  bool isWinXP_ = false;
  bool excelStyleDecimalSeparator_ = false;
  bool usDates_ = false;
  bool showSeconds_ = true;
  int incrementSeconds_ = 1;
  int incrementMinutes_ = 1;
  int incrementHours_ = 1;
  TEditAlign editAlign_ = eaLeft;
  bool spinFlat_ = false;
  bool spinTransparent_ = false;
  bool allowEmptyValue_ = false;
  double incrementFloatPage_ = 1.0;
  // The text when the focus came or as code (or a step) last set it, put
  // back when the text left behind is refused.
  std::string acceptedText_;
};
