#pragma once
// The edit with a push button at its right end, and the unit edit that adds
// a unit (chosen from a pop-up list) between the text and the button.
//
// F4 or a click on the button fires OnClickBtn. With EditorEnabled off the
// text cannot be typed, pasted or cut (Delete still deletes). Pasted text
// keeps its first line without control characters. As for the spin edit,
// the edit is single-line: its text rectangle leaves room for the button
// without the platform's multi-line style.
#include <functional>
#include <memory>
#include <string>

#include "framework/controls/Buttons.h"
#include "framework/controls/Mask.h"

class TDudEditButton;

// The push button inside the edit's button window: flat, themed or in the
// owner's custom colours.
class TVevSpeedButton : public TSpeedButton {
 public:
  explicit TVevSpeedButton(TComponent* AOwner);
  bool IsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool Value);
  // This button's own flat flag (not the speed button's).
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  bool Hot() const { return hot_; }
  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;

 private:
  bool isWinXP_ = false;
  bool flat_ = false;
  bool hot_ = false;
};

// The small window that holds the edit's button.
class TDudEditButton : public TWinControl {
 public:
  explicit TDudEditButton(TComponent* AOwner);
  ~TDudEditButton() override;

  TVevSpeedButton* Button() const { return button_; }
  TBitmap* Glyph() const { return button_->Glyph(); }
  void SetGlyph(TBitmap* Value) { button_->SetGlyph(Value); }
  int NumGlyphs() const { return button_->NumGlyphs(); }
  void SetNumGlyphs(int Value) { button_->SetNumGlyphs(Value); }
  std::string ButtonCaption() const { return button_->Caption(); }
  void SetButtonCaption(const std::string& Value) { button_->SetCaption(Value); }
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* Value);

  TColor ButtonColor() const { return buttonColor_; }
  void SetButtonColor(TColor Value);
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
  void WndProc(TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void LayoutButton();
  void ButtonMouseUp(TMouseButton Button, int X, int Y);
  TVevSpeedButton* button_ = nullptr;
  TWinControl* focusControl_ = nullptr;
  bool flat_ = false;
  TColor buttonColorDown_ = clNone;
  TColor buttonBorderColor_ = clNone;
  TColor buttonTextColor_ = clNone;
  TColor buttonTextColorHot_ = clNone;
  TColor buttonColor_ = clNone;
  TColor buttonColorHot_ = clNone;
  TColor buttonTextColorDown_ = clNone;
};

class TDudEditBtn : public TCustomMaskEdit {
 public:
  explicit TDudEditBtn(TComponent* AOwner);
  ~TDudEditBtn() override;

  TDudEditButton* Button() const { return button_; }
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int Value);
  std::string ButtonCaption() const { return button_->ButtonCaption(); }
  void SetButtonCaption(const std::string& Value) { button_->SetButtonCaption(Value); }
  TBitmap* Glyph() const { return button_->Glyph(); }
  void SetGlyph(TBitmap* Value) { button_->SetGlyph(Value); }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool Value) { editorEnabled_ = Value; }
  bool IsWinXP() const { return isWinXP_; }
  void SetIsWinXP(bool Value);
  bool RightAlign() const { return rightAlign_; }
  void SetRightAlign(bool Value);

  // The button was clicked or F4 was pressed.
  TNotifyEvent OnClickBtn;

  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  virtual void DoClickBtn(TObject* Sender);
  void WMSize(TMessage& Message) override;
  void CMEnter(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  // Sets the text rectangle left of the button (and of the unit).
  void SetEditRect();
  int UnitSize() const { return unitSize_; }
  void SetUnitSize(int Value) { unitSize_ = Value; }

 private:
  void PasteLine();
  int unitSize_ = 0;
  bool rightAlign_ = false;
  TDudEditButton* button_ = nullptr;  // owned as a child component
  bool editorEnabled_ = true;
  int buttonWidth_ = 18;
  bool isWinXP_ = false;
};

using TUnitChangeEvent = std::function<void(TObject* Sender, const std::string& NewUnit)>;

class TDudUnitEditBtn : public TDudEditBtn {
 public:
  explicit TDudUnitEditBtn(TComponent* AOwner);
  ~TDudUnitEditBtn() override;

  TStrings* Units() const { return units_.get(); }
  // Copies a list (nullptr changes nothing).
  void SetUnits(TStrings* Value);
  const std::string& UnitID() const { return unitID_; }
  void SetUnitID(const std::string& Value);
  int UnitSpace() const { return UnitSize(); }
  void SetUnitSpace(int Value);
  // The text followed by the unit; written, the first unit of the list that
  // ends the value (at its first occurrence) splits it into text and unit.
  std::string TextAndUnit() const;
  void SetTextAndUnit(const std::string& Value);
  // The unit area, client coordinates.
  TRect UnitRect() const;

  TUnitChangeEvent OnUnitChanged;

  void WndProc(TMessage& Message) override;

 protected:
  void DoClickBtn(TObject* Sender) override;
  void WMPaint(TMessage& Message) override;

 private:
  std::string unitID_;
  std::unique_ptr<TStringList> units_;
};
