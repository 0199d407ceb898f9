#pragma once
// The drop-down base control: a one-line edit with a button at its right
// edge that opens a pop-up (TDropDownForm) holding one content control,
// framed by optional header and footer strips. Every drop-down kind (track
// bar, memo, calculator, time picker, lists, colour and image pickers, grid
// drop-down) derives from TVevUrizazEvuvUduz and fills in its extension
// points: CreateDropDownForm makes the content, BeforeDropDown loads it
// from the value, UpdateDropDownSize sizes the pop-up, HideDropDownEx
// undoes a cancelled change and DoHideDropDown takes the chosen value.
//
// The edit part keeps a fixed Prefix and Suffix around the value, filters
// typed and pasted text by EditType, and formats numbers; Text is the value
// alone. It may have an attached label and draws its own border looks.
//
// Construction is two-phase: the constructor sets the fields and applies
// the look presets (so each kind's constructor can put its own defaults
// over them); the steps that call the kinds' extension points (the pop-up
// and its content, the button, the first text) run in AfterConstruction,
// once the kind is whole. NewDropDown<T> does both; a control made with new
// finishes when it is first given a parent, asked for its window or opened.
#include <functional>
#include <memory>
#include <string>

#include "controls/dropdown/VevDropDownPopup.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/Mask.h"
#include "grid/base/LabelPosition.h"
#include "grid/base/VevDropDownAppearance.h"
#include "grid/base/VevStyleIF.h"

class TLabel;
class TImageList;

enum TDropPosition { dpAuto, dpDown, dpUp };
enum TDropDownEditType {
  etString,
  etNumeric,
  etFloat,
  etUppercase,
  etMixedCase,
  etLowerCase,
  etPassword,
  etMoney,
  etRange,
  etHex,
  etAlphaNumeric,
  etValidChars
};
enum TButtonStyle { bsButton, bsDropDown };

using TDropDown = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
// (Named apart from the grid's clipboard event, which has no value.)
using TDropDownClipboardEvent = std::function<void(TObject* Sender, const std::string& value, bool& allow)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;

// The speed button inside the drop-down's button part: the arrow face or a
// push-button face.
class TVevDropDownSpeedButton : public TSpeedButton {
 public:
  explicit TVevDropDownSpeedButton(TComponent* AOwner);
  TButtonStyle ButtonStyle() const { return buttonStyle_; }
  void SetButtonStyle(TButtonStyle Value);
  bool Etched() const { return etched_; }
  void SetEtched(bool Value);
  bool Focused() const { return focused_; }
  void SetFocused(bool Value);
  bool Hot() const { return hot_; }
  // Draw released even while the state is down.
  void SetUp(bool Value) { up_ = Value; }
  // Pressed: down or exclusive, and not forced up.
  bool IsPressed() const;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void DrawDropDownFace(TCanvas* C);
  void DrawButtonFace(TCanvas* C);

 private:
  bool etched_ = false;
  bool focused_ = false;
  bool hot_ = false;
  bool up_ = false;
  bool isWinXP_ = true;
  TButtonStyle buttonStyle_ = bsDropDown;
};

class TVevUrizazEvuvUduz;

// The button part at the drop-down's right edge: a window holding the speed
// button, always FBWidth wide, and the colours the colour tones fill.
class TDropDownEditButton : public TWinControl {
 public:
  explicit TDropDownEditButton(TComponent* AOwner);
  ~TDropDownEditButton() override;

  TVevDropDownSpeedButton* SpeedButton() const { return button_; }
  TBitmap* Glyph() const;
  void SetGlyph(TBitmap* Value);
  std::string ButtonCaption() const;
  void SetButtonCaption(const std::string& Value);
  int NumGlyphs() const;
  void SetNumGlyphs(int Value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* Value);
  int BWidth() const { return bWidth_; }
  void SetBWidth(int Value) { bWidth_ = Value; }

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

  // The width is always FBWidth; the speed button fills the part.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The drop-down this part belongs to (its parent), nullptr when none.
  TVevUrizazEvuvUduz* DropDown() const;

  // OnClick fires on a left-button release on the speed button, wherever
  // the release happens.

  void WndProc(TMessage& Message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void ApplyWidthRule();
  TVevDropDownSpeedButton* button_ = nullptr;
  TWinControl* focusControl_ = nullptr;
  int bWidth_ = 16;
  TColor buttonColorDown_ = clNone;
  TColor buttonBorderColor_ = clNone;
  TColor buttonTextColor_ = clNone;
  TColor buttonTextColorHot_ = clNone;
  TColor buttonColor_ = clNone;
  TColor buttonColorHot_ = clNone;
  TColor buttonTextColorDown_ = clNone;
};

class TVevUrizazEvuvUduz : public TCustomMaskEdit, public IVyxStyle, public IVyxTones {
 public:
  explicit TVevUrizazEvuvUduz(TComponent* AOwner);
  ~TVevUrizazEvuvUduz() override;

  // The second construction phase (see the file comment); runs once.
  virtual void AfterConstruction();
  bool Constructed() const { return constructed_; }

  // ---- Pop-up
  void ShowDropDown() { DoShowDropDown(); }
  void HideDropDown(bool CancelChanges) { HideDropDownEx(CancelChanges); }
  bool DroppedDown() const { return droppedDown_; }
  TDropDownEditButton* Button() const { return button_; }
  TDropDownForm* DropDownForm() const { return dropDownForm_; }
  TControl* Control() const { return control_; }

  // ---- Value (prefix + value + suffix in the edit)
  // Writes the value through WriteText, always (also an unchanged value).
  void SetText(const std::string& Value) { WriteText(Value); }
  // The edit's own text, prefix and suffix included.
  std::string RawText() const;
  void WriteRawText(const std::string& Value);
  void SetFloatValue(double X);
  void SetIntValue(int N);
  double GetFloatValue();
  void SelectAll();
  void SelectBeforeDecimal();
  void SelectAfterDecimal();
  int DecimalSeparatorPos();
  int IntegerPartEnd(const std::string& V);
  bool AllowsMinus(char32_t Ch) const;
  void SetIsModified(bool Flag);
  bool GetIsModified() const { return isModified_; }
  const std::string& OldText() const { return oldText_; }

  // ---- Looks
  void SetComponentStyle(TVyxStyle AStyle) override;
  TVyxStyle GetComponentStyle() const { return vyxStyle_; }
  void SetColorTones(const TColorTones& ATones) override;
  virtual void SetSelectionColorStyle(TSelectionColorStyle Style);
  TSelectionColorStyle SelectionColorStyle() const { return selectionColorStyle_; }
  // A selected item of a drop-down list in the selection look.
  virtual void DrawSelection(TCanvas* ACanvas, const TRect& R, TColor CornerBack, int SideType);
  virtual void DrawGradientRect(TCanvas* ACanvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                                TGradientDirection Direction);

  void Assign(TPersistent* Source) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;

  // ---- Properties
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value);
  TColor FocusBorderColor() const { return focusBorderColor_; }
  void SetFocusBorderColor(TColor Value) { focusBorderColor_ = Value; }
  TColor SelectionColor() const { return selectionColor_; }
  void SetSelectionColor(TColor Value) { selectionColor_ = Value; }
  TColor SelectionColorTo() const { return selectionColorTo_; }
  void SetSelectionColorTo(TColor Value) { selectionColorTo_ = Value; }
  TColor DropDownColor() const { return dropDownColor_; }
  void SetDropDownColor(TColor Value) { dropDownColor_ = Value; }
  TColor DropDownColorTo() const { return dropDownColorTo_; }
  void SetDropDownColorTo(TColor Value) { dropDownColorTo_ = Value; }
  TColor DropDownBorderColor() const { return dropDownBorderColor_; }
  void SetDropDownBorderColor(TColor Value) { dropDownBorderColor_ = Value; }
  int DropDownBorderWidth() const { return dropDownBorderWidth_; }
  void SetDropDownBorderWidth(int Value) { dropDownBorderWidth_ = Value; }
  TGradientDirection DropDownGradient() const { return dropDownGradient_; }
  void SetDropDownGradient(TGradientDirection Value) { dropDownGradient_ = Value; }
  bool DropDownEnabled() const { return dropDownEnabled_; }
  void SetDropDownEnabled(bool Value) { dropDownEnabled_ = Value; }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* Value);
  bool LabelAlwaysEnabled() const { return labelAlwaysEnabled_; }
  void SetLabelAlwaysEnabled(bool Value) { labelAlwaysEnabled_ = Value; }
  bool DisabledBorder() const { return disabledBorder_; }
  void SetDisabledBorder(bool Value);
  int DropDownWidth() const { return dropDownWidth_; }
  void SetDropDownWidth(int Value);
  int DropDownHeight() const { return dropDownHeight_; }
  void SetDropDownHeight(int Value);
  // The size the pop-up had when it last closed (-1: none).
  int UserDropDownWidth() const { return userDropDownWidth_; }
  int UserDropDownHeight() const { return userDropDownHeight_; }
  void ResetUserDropDownSize() { userDropDownWidth_ = userDropDownHeight_ = -1; }
  int DropDownButtonWidth() const { return buttonWidth_; }
  void SetDropDownButtonWidth(int Value);
  const std::string& DropDownButtonHint() const { return buttonHint_; }
  void SetDropDownButtonHint(const std::string& Value);
  TBitmap* DropDownButtonGlyph() const;
  void SetDropDownButtonGlyph(TBitmap* Value);
  THeaderAppearance* DropDownHeader() const { return dropDownHeader_.get(); }
  void SetDropDownHeader(THeaderAppearance* Value) { dropDownHeader_->Assign(Value); }
  TFooterAppearance* DropDownFooter() const { return dropDownFooter_.get(); }
  void SetDropDownFooter(TFooterAppearance* Value) { dropDownFooter_->Assign(Value); }
  TVevButtonAppearance* ButtonAppearance() const { return buttonAppearance_.get(); }
  void SetButtonAppearance(TVevButtonAppearance* Value) { buttonAppearance_->Assign(Value); }
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool Value);
  std::string LabelCaption() const;
  void SetLabelCaption(const std::string& Value);
  TFont* LabelFont() const { return labelFont_.get(); }
  void SetLabelFont(TFont* Value);
  int LabelMargin() const { return labelMargin_; }
  void SetLabelMargin(int Value);
  TLabelPosition LabelPosition() const { return labelPosition_; }
  void SetLabelPosition(TLabelPosition Value);
  bool LabelTransparent() const { return labelTransparent_; }
  void SetLabelTransparent(bool Value);
  TLabel* EditLabel() const { return label_; }
  std::string Version() const;
  void SetVersion(const std::string&) {}
  TDropDownEditType EditType() const { return editType_; }
  void SetEditType(TDropDownEditType Value);
  int Precision() const { return precision_; }
  void SetPrecision(int Value);
  TDropPosition DropPosition() const { return dropPosition_; }
  void SetDropPosition(TDropPosition Value) { dropPosition_ = Value; }
  bool DropDownShadow() const { return dropDownShadow_; }
  void SetDropDownShadow(bool Value) { dropDownShadow_ = Value; }
  bool DropDownSizeable() const { return dropDownSizeable_; }
  void SetDropDownSizeable(bool Value) { dropDownSizeable_ = Value; }
  const std::string& Prefix() const { return prefix_; }
  void SetPrefix(const std::string& Value) { prefix_ = Value; }
  const std::string& Suffix() const { return suffix_; }
  void SetSuffix(const std::string& Value) { suffix_ = Value; }
  bool Signed() const { return signed_; }
  void SetSigned(bool Value) { signed_ = Value; }
  int LengthLimit() const { return lengthLimit_; }
  void SetLengthLimit(int Value) { lengthLimit_ = static_cast<int16_t>(Value); }
  const std::string& ValidChars() const { return validChars_; }
  void SetValidChars(const std::string& Value) { validChars_ = Value; }
  bool ReturnIsTab() const { return returnIsTab_; }
  void SetReturnIsTab(bool Value) { returnIsTab_ = Value; }
  bool AllowNumericNullValue() const { return allowNumericNullValue_; }
  void SetAllowNumericNullValue(bool Value) { allowNumericNullValue_ = Value; }
  bool DefaultHandling() const { return defaultHandling_; }
  void SetDefaultHandling(bool Value) { defaultHandling_ = Value; }
  bool CanUndo() const { return canUndo_; }
  void SetCanUndo(bool Value) { canUndo_ = Value; }
  bool ExcelStyleDecimalSeparator() const { return excelStyleDecimalSeparator_; }
  void SetExcelStyleDecimalSeparator(bool Value) { excelStyleDecimalSeparator_ = Value; }
  bool AutoThousandSeparator() const { return autoThousandSeparator_; }
  void SetAutoThousandSeparator(bool Value) { autoThousandSeparator_ = Value; }
  bool ForceShadow() const { return forceShadow_; }
  void SetForceShadow(bool Value) { forceShadow_ = Value; }
  bool FocusDraw() const { return focusDraw_; }
  void SetFocusDraw(bool Value) { focusDraw_ = Value; }
  bool Flat() const { return flat_; }
  bool Etched() const { return etched_; }
  bool IsWinXP() const { return isWinXP_; }
  bool IsThemed() const { return isThemed_; }
  bool MouseInControl() const { return mouseInControl_; }
  const TRect& EditRect() const { return editRect_; }
  // The edit's text rectangle as the edit has it now.
  TRect GetEditRect();
  // Designing: no pop-up exists and nothing opens (tests set it).
  void SetDesigning(bool Value) { SetComponentStateFlag(csDesigning, Value); }

  // Stored with every layout: "SelectionColorStyle" and "VyxStyle".
  int StoredSelectionColorStyle() const { return static_cast<int>(selectionColorStyle_); }
  void SetStoredSelectionColorStyle(int Value) {
    selectionColorStyle_ = static_cast<TSelectionColorStyle>(Value);
  }
  int StoredVyxStyle() const { return static_cast<int>(vyxStyle_); }
  void SetStoredVyxStyle(int Value) { vyxStyle_ = static_cast<TVyxStyle>(Value); }

  // ---- Events
  TDropDown OnDropDown;
  TDropUp OnDropUp;
  TNotifyEvent OnBeforeDropDown;
  TNotifyEvent OnBeforeDropUp;
  TDropDownClipboardEvent OnClipboardCopy;
  TDropDownClipboardEvent OnClipboardPaste;
  TDropDownClipboardEvent OnClipboardCut;
  TDropDownButtonItemClick OnDropDownFooterButtonClick;
  TDropDownButtonItemClick OnDropDownHeaderButtonClick;
  TDrawBackGroundEvent OnDrawHeader;
  TDrawBackGroundEvent OnDrawFooter;
  TGetTextEvent OnGetFooterText;
  TGetTextEvent OnGetHeaderText;
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;

  void WndProc(TMessage& Message) override;

  // ---- Extension points (public so that the pop-up, its strips and
  // buttons reach them, as the unit's classes do)
  virtual void HideDropDownEx(bool Cancel);
  virtual void DoHideDropDown(TObject* Sender);
  virtual void DropDownKeyPress(TObject* Sender, char32_t& Key);
  virtual void DropDownKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  virtual void DropDownKeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
  virtual void DropDownMouseWheelDown(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled);
  virtual void DropDownMouseWheelUp(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled);
  virtual void DropDownFormDestroyed(TObject* Sender);
  virtual void DropDownSizing(TObject* Sender);

 protected:
  virtual void DoLabelClick(TObject* Sender);
  virtual void DoLabelDblClick(TObject* Sender);
  virtual uint32_t GetVersionNr() const;
  virtual void CreateDropDownForm();
  virtual void CreateDropDownButton();
  virtual void UpdateDropDownButton();
  virtual void BeforeDropDown();
  virtual void AfterDropDown(int& Height);
  virtual void FocusDropDownControl();
  virtual void DoShowDropDown();
  virtual void AdaptDropDownControl();
  virtual void UpdateDropDownSize();
  virtual void ControlKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  virtual void ControlKeyUp(TObject* Sender, WORD& Key, TShiftState Shift);
  virtual void ControlKeyPress(TObject* Sender, char32_t& Key);
  virtual void DoWheelDown();
  virtual void DoWheelUp();
  virtual void DrawFocusBorder();
  virtual void SetEditRect();
  virtual void ResizeControl();
  // The Text setter (see the file comment of the value text).
  virtual void WriteText(const std::string& Value);
  // Makes Control the pop-up's content.
  void SetControl(TControl* AControl);
  void SetFocusControlOfPopup(TWinControl* Value) { focusControl_ = Value; }
  TWinControl* PopupFocusControl() const { return focusControl_; }

  // The drop-down's own button click (opens unless just closed).
  void DropDownButtonClick(TObject* Sender);
  // Opens unless the pop-up is visible or closed at most 250 ms ago.
  void OpenUnlessJustClosed();
  int GetMinHeight();
  void UpdateLabel();
  void RedrawBorders();
  void DrawBorder(TCanvas* WindowDC);
  bool GetButtonFocused() const;
  bool IsHot() const;
  void HeaderChanged(TObject* Sender);
  void FooterChanged(TObject* Sender);

  // Framework hooks.
  std::string GetText() const override;
  void SetTextValue(const std::string& Value) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoMouseWheelDownUp(bool Down);
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void PaintWindow(TCanvas* DC) override;
  void PaintNonClient(TCanvas* DC) override;

  // Message handlers of the parts (each file holds its share).
  void HandleKeyDown(TMessage& Message);
  void HandleChar(TMessage& Message);
  bool CaretGuards(TMessage& Message);
  void FilterByEditType(TMessage& Message, char32_t Ch);
  void ToggleSign(int s, int p, bool setModified);
  void HandleCut(TMessage& Message);
  void HandleCopy(TMessage& Message);
  void HandlePaste(TMessage& Message);
  void HandleKillFocus(TMessage& Message);
  void HandleSetFocus(TMessage& Message);
  void HandleLButtonDown(TMessage& Message);
  void HandleLButtonUp(TMessage& Message);
  void HandleWantSpecialKey(TMessage& Message);
  void FormatMoneyText();
  double StrToFloatValue(const std::string& S) const;
  // s and l of the edit, in characters of the raw text.
  int SelS() const { return SelStart(); }
  int SelL() const { return SelLength(); }
  int PrefixLen() const;

 private:
  void CreateLabel();
  void LabelFontChanged(TObject* Sender);
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Loading() const { return ComponentState().Contains(csLoading); }

  bool constructed_ = false;
  TLabel* label_ = nullptr;
  bool parentFnt_ = false;
  int dropDownWidth_ = 0;
  int dropDownHeight_ = 0;
  int userDropDownWidth_ = -1;
  int userDropDownHeight_ = -1;
  bool editorEnabled_ = true;
  TDropPosition dropPosition_ = dpAuto;
  bool flat_ = false;
  TImageList* images_ = nullptr;
  bool dropDownShadow_ = true;
  int dropDownBorderWidth_ = 1;
  std::string buttonHint_;
  TColor dropDownColorTo_ = clNone;
  TColor dropDownColor_ = clWhite;
  TColor dropDownBorderColor_ = clBlack;
  int buttonWidth_ = 17;
  bool mouseInControl_ = false;
  bool etched_ = false;
  TWinControl* focusControl_ = nullptr;
  std::unique_ptr<THeaderAppearance> dropDownHeader_;
  std::unique_ptr<TVevButtonAppearance> buttonAppearance_;
  std::unique_ptr<TFooterAppearance> dropDownFooter_;
  TControl* control_ = nullptr;
  TGradientDirection dropDownGradient_ = gdHorizontal;
  bool dropDownSizeable_ = true;
  TColor selectionColor_ = 0xD7FFFD;
  TColor selectionColorTo_ = 0x58D4FC;
  TSelectionColorStyle selectionColorStyle_ = scOffice2007;
  TDropDownEditType editType_ = etString;
  int16_t lengthLimit_ = 0;
  int16_t precision_ = 0;
  std::string prefix_;
  std::string suffix_;
  bool signed_ = false;
  bool returnIsTab_ = false;
  bool isWinXP_ = true;
  bool isThemed_ = true;
  bool blockChange_ = false;
  bool allowNumericNullValue_ = false;
  bool defaultHandling_ = true;
  bool canUndo_ = true;
  bool excelStyleDecimalSeparator_ = false;
  std::string validChars_;
  bool blockCopy_ = false;
  bool buttonDown_ = false;
  bool autoThousandSeparator_ = true;
  bool isModified_ = false;
  TRect editRect_;
  bool dropDownEnabled_ = false;
  bool droppedDown_ = false;
  bool focusDraw_ = true;
  bool forceShadow_ = false;
  TVyxStyle vyxStyle_ = tsOffice2007Luna;
  int labelMargin_ = 0;
  TLabelPosition labelPosition_ = lpLeftTop;
  bool labelAlwaysEnabled_ = false;
  bool labelTransparent_ = false;
  std::unique_ptr<TFont> labelFont_;
  TColor borderColor_ = clNone;
  TColor focusBorderColor_ = clNone;
  bool disabledBorder_ = true;
  TDropDownForm* dropDownForm_ = nullptr;
  TDropDownEditButton* button_ = nullptr;
  std::string oldText_;
  // The Alt+Up/Down of the message being handled toggled the pop-up already.
  bool altToggled_ = false;
  bool inResize_ = false;
};

// A drop-down kind made and finished in one step.
template <class T>
T* NewDropDown(TComponent* AOwner) {
  T* d = new T(AOwner);
  d->AfterConstruction();
  return d;
}

// Where a pop-up of PopupHeight opens for an edit at the screen point
// Anchor: below it (overlapping its last pixel row), or above it for dpUp
// and for dpAuto when it would reach the screen's height.
TPoint PlaceDropDown(TDropPosition Position, const TPoint& Anchor, int EditHeight, int PopupHeight,
                     int ScreenHeight);
// The pop-up's left edge moved in so that its right edge stays in the work
// area, when its left edge lies in it (and the area does not start at a
// negative left); other edges are left as they are.
int FitDropDownLeft(int Left, int PopupWidth, const TRect& WorkArea);

// The version parts of a packed 32-bit version, most significant first,
// joined by ".".
std::string VersionText(uint32_t Version);
