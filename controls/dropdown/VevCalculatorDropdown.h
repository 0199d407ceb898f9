#pragma once
// The calculator drop-down and its key panel. TCustomButtonPanel shows a
// collection of push-button keys, tracks the hot and the pressed key and
// reports a click by the key's index; with plCalculator it holds the fixed
// 28-key calculator set in a grid of five rows and six columns.
// TVevCalculatorDropdown drives one immediate-execution calculator (each
// operator first completes the pending one) from the keys of the pad,
// characters typed in the pop-up and operators typed into the closed edit;
// the result stays in the edit, and Value reads it as a number.
//
// A display that is no number (say "-" left by Back) counts as 0 like
// "Error": no key ever raises.
#include <functional>
#include <memory>
#include <string>

#include "controls/dropdown/VevDropDown.h"
#include "controls/dropdown/VevItemSelector.h"
#include "framework/classes/Collections.h"

class TImageList;
class TPicture;
class TCustomButtonPanel;
class TVevCalculatorDropdown;

enum TButtonPanelType { plCalculator, plCustom };
using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

class TButtonItem : public TCollectionItem {
 public:
  explicit TButtonItem(TCollection* Collection);
  ~TButtonItem() override;
  void Assign(TPersistent* Source) override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { caption_ = Value; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value) { enabled_ = Value; }
  TPicture* Image() const { return image_.get(); }
  void SetImage(TPicture* Value);
  int Tag() const { return tag_; }
  void SetTag(int Value) { tag_ = Value; }
  const std::string& ButtonName() const { return name_; }
  void SetButtonName(const std::string& Value) { name_ = Value; }
  TColor CaptionColor() const { return captionColor_; }
  void SetCaptionColor(TColor Value) { captionColor_ = Value; }
  bool Special() const { return special_; }
  void SetSpecial(bool Value) { special_ = Value; }
  // (left, top, left + width, top + height); set by the panel.
  TRect GetRect() const { return TRect(left_, top_, left_ + width_, top_ + height_); }
  void SetRect(int L, int T, int W, int H) {
    left_ = L;
    top_ = T;
    width_ = W;
    height_ = H;
  }

 private:
  std::string caption_;
  int imageIndex_ = -1;
  bool enabled_ = true;
  std::unique_ptr<TPicture> image_;
  int tag_ = 0;
  int height_ = -1, left_ = -1, width_ = -1, top_ = -1;
  std::string name_;
  TColor captionColor_ = clWhite;
  bool special_ = false;
};

class TButtonItems : public TOwnedCollection {
 public:
  explicit TButtonItems(TPersistent* AOwner);
  TButtonItem* Add() { return static_cast<TButtonItem*>(TCollection::Add()); }
  TButtonItem* Insert(int Index) { return static_cast<TButtonItem*>(TCollection::Insert(Index)); }
  TButtonItem* Items(int Index) const { return static_cast<TButtonItem*>(TCollection::Items(Index)); }
  void SetItems(int Index, TButtonItem* Value) { Items(Index)->Assign(Value); }
  TNotifyEvent OnChange;
};

class TButtonAppearance : public TPersistent {
 public:
  TButtonAppearance();
  ~TButtonAppearance() override;
  void Assign(TPersistent* Source) override;

#define CF_CALC_COLOR(Name, field)      \
  TColor Name() const { return field; } \
  void Set##Name(TColor Value) { SetColor(field, Value); }
  CF_CALC_COLOR(Color, color_)
  CF_CALC_COLOR(ColorTo, colorTo_)
  CF_CALC_COLOR(ColorHot, colorHot_)
  CF_CALC_COLOR(ColorHotTo, colorHotTo_)
  CF_CALC_COLOR(ColorDown, colorDown_)
  CF_CALC_COLOR(ColorDownTo, colorDownTo_)
  CF_CALC_COLOR(BorderColor, borderColor_)
  CF_CALC_COLOR(BorderColorHot, borderColorHot_)
  CF_CALC_COLOR(BorderColorDown, borderColorDown_)
  CF_CALC_COLOR(TextColor, textColor_)
  CF_CALC_COLOR(SpecialTextColor, specialTextColor_)
  CF_CALC_COLOR(ColorChecked, colorChecked_)
  CF_CALC_COLOR(ColorCheckedTo, colorCheckedTo_)
  CF_CALC_COLOR(ColorDisabled, colorDisabled_)
  CF_CALC_COLOR(ColorDisabledTo, colorDisabledTo_)
  CF_CALC_COLOR(BorderColorChecked, borderColorChecked_)
#undef CF_CALC_COLOR
  TColor ShineColor() const { return shineColor_; }
  void SetShineColor(TColor Value) { shineColor_ = Value; }
  TColor GlowColorHot() const { return glowColorHot_; }
  void SetGlowColorHot(TColor Value) { glowColorHot_ = Value; }
  TColor GlowColorDown() const { return glowColorDown_; }
  void SetGlowColorDown(TColor Value) { glowColorDown_ = Value; }
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value);

  TNotifyEvent OnChange;

 private:
  void SetColor(TColor& Field, TColor Value);
  TColor color_ = 0x9A915F, colorTo_ = 0xB0A170;
  TColor colorHot_ = 0x9F6F1C, colorHotTo_ = 0xD5C244;
  TColor colorDown_ = 0x4B2F08, colorDownTo_ = 0xADB514;
  TColor glowColorHot_ = 0xD5C244, glowColorDown_ = 0xD5C244;
  TColor shineColor_ = 0xFFFFFF;
  TColor borderColor_ = 0, borderColorHot_ = 0, borderColorDown_ = 0;
  TColor textColor_ = 0, specialTextColor_ = 0x000080;
  TColor colorChecked_, colorCheckedTo_, colorDisabled_, colorDisabledTo_;
  TColor borderColorChecked_ = 0xFF0000;
  std::unique_ptr<TFont> font_;
};

class TCustomButtonPanel : public TCustomControl {
 public:
  explicit TCustomButtonPanel(TComponent* AOwner);
  ~TCustomButtonPanel() override;

  TButtonItems* Buttons() const { return buttons_.get(); }
  void SetButtons(TButtonItems* Value) { buttons_->Assign(Value); }
  TItemLayout ButtonLayout() const { return buttonLayout_; }
  void SetButtonLayout(TItemLayout Value) { buttonLayout_ = Value; }
  TSelectionColorStyle ItemColorStyle() const { return itemColorStyle_; }
  void SetItemColorStyle(TSelectionColorStyle Value) { itemColorStyle_ = Value; }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* Value);
  TWinControl* Edit() const { return edit_; }
  void SetEdit(TWinControl* Value) { edit_ = Value; }
  TButtonPanelType ButtonPanelType() const { return buttonPanelType_; }
  void SetButtonPanelType(TButtonPanelType Value);
  TButtonAppearance* ButtonAppearance() const { return buttonAppearance_.get(); }
  void SetButtonAppearance(TButtonAppearance* Value) { buttonAppearance_->Assign(Value); }
  TVevCalculatorDropdown* CalculatorDropDown() const { return dropDown_; }
  void SetCalculatorDropDown(TVevCalculatorDropdown* Value) { dropDown_ = Value; }
  int HotButton() const { return hotButton_; }
  int DownButton() const { return downButton_; }
  void SetHotButton(int Index);
  void SetDownButton(int Index);
  // The first key whose rectangle holds the point (right and bottom edges
  // outside), -1 for none.
  int ButtonAtPoint(int X, int Y) const;

  virtual void DrawButton(int Index, TCanvas* ACanvas);
  virtual void GetButtonsRect(TRect& R);
  virtual void GetButtonSize(int& W, int& H);
  virtual void ClearButtons();
  virtual void ResetButtons();
  virtual void CreateCalculatorButtons();
  // Places the keys; a calculator panel without its 28 keys is left as it
  // is (a resize must never raise).
  virtual void ArrangeButtons();
  virtual void InvalidateButton(int Index);
  virtual void ButtonClick(int Index);

  TCalculatorButtonClickEvent OnButtonClick;

  void WndProc(TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  bool InDropDown() const { return dropDown_ != nullptr; }
  void DrawFace(int Index, TCanvas* C, const TRect& R);
  std::unique_ptr<TButtonItems> buttons_;
  TItemLayout buttonLayout_ = ilCaptionRight;
  TSelectionColorStyle itemColorStyle_ = scOffice2007;
  int hotButton_ = -1;
  int downButton_ = -1;
  int marginX_ = 8, marginY_ = 8;
  int buttonMarginX_ = 4, buttonMarginY_ = 4;
  TImageList* images_ = nullptr;
  int captionGap_ = 0;
  TWinControl* edit_ = nullptr;
  TButtonPanelType buttonPanelType_ = plCalculator;
  std::unique_ptr<TButtonAppearance> buttonAppearance_;
  TVevCalculatorDropdown* dropDown_ = nullptr;
};

class TVevCalculatorDropdown : public TVevUrizazEvuvUduz {
 public:
  explicit TVevCalculatorDropdown(TComponent* AOwner);
  ~TVevCalculatorDropdown() override;

  double Value();
  void SetValue(double V);
  TButtonAppearance* CalcButtonAppearance() const { return calcButtonAppearance_.get(); }
  void SetCalcButtonAppearance(TButtonAppearance* Value) { calcButtonAppearance_->Assign(Value); }
  bool ShowThousandSeparator() const { return showThousandSeparator_; }
  void SetShowThousandSeparator(bool Value);
  TCustomButtonPanel* ButtonPanel() const { return panel_; }
  void CalcResult() { DoEquals(); }
  double Memory() const { return static_cast<double>(memory_); }

  void SetComponentStyle(TVyxStyle AStyle) override;
  void DropDownKeyPress(TObject* Sender, char32_t& Key) override;
  void DropDownKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) override;
  void WndProc(TMessage& Message) override;
  void HideDropDownEx(bool Cancel) override;
  // A click on the key Index of the pad.
  void PanelButtonClick(TObject* Sender, int Index);

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void KeyPress(char32_t& Key) override;
  // Run first by every pad click and pop-up key press.
  virtual void BeforeCalculatorKey() {}

 private:
  // The key looks taken from the drop-down's button looks for AStyle.
  void CopyButtonLooks(TVyxStyle AStyle);
  std::string Display() const { return Text(); }
  // The display as a number; a text that is no number counts as 0.
  long double DisplayNumber() const;
  void Show(long double V) { SetFloatValue(static_cast<double>(V)); }
  void ApplyPending();
  void DoEquals();
  void DoPercent();
  // Applies the pending operation, then makes Op the pending one.
  void DoOperator(int Op);
  void DoAdd();
  void DoSubtract();
  void DoMultiply();
  void DoDivide();
  void Clear(bool ResetPrevious);
  void PopupKeyPress(char32_t Key);
  bool EditOperatorKey(char32_t Key);
  bool PopupShowing() const;

  TCustomButtonPanel* panel_ = nullptr;
  int divisor_ = 0;
  bool newNumber_ = false;
  long double previous_ = 0;
  int operation_ = -1;
  bool neverDropped_ = true;
  std::unique_ptr<TButtonAppearance> calcButtonAppearance_;
  long double memory_ = 0;
  bool showThousandSeparator_ = false;
  std::string textAtDropDown_;
  long double previousAtDropDown_ = 0;
  int operationAtDropDown_ = -1;
};
