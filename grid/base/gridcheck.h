#pragma once
// The styled button of the grid's search footer: a window-less push button
// with a glyph and a caption that behaves like a tool-bar speed button (up,
// down, exclusive groups, check style, hover) and adds gradient faces with
// their own normal, hot, down and checked colours, rounded corners, a
// drop-down part, a grey shadow under the glyph on hover, seven built-in
// looks and a look that follows the system's colour scheme.
#include <memory>
#include <string>

#include "framework/controls/Buttons.h"

class TPopupMenu;

enum TDivUzevButtonStyle { tasButton, tasCheck };

// Fills Rect with Steps bands from From to To (top to bottom, or left to
// right when Horizontal) and frames it in Frame unless that is clNone.
void DrawButtonGradient(TCanvas* Canvas, TColor From, TColor To, bool Horizontal, TRect Rect, int Steps,
                        TColor Frame);

class TDivUzevButton : public TGraphicControl {
 public:
  explicit TDivUzevButton(TComponent* AOwner);
  ~TDivUzevButton() override;

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int Value);
  TBitmap* Glyph() const { return glyph_.get(); }
  // Copies the bitmap; an empty disabled glyph is made from it (grey).
  void SetGlyph(TBitmap* Value);
  TBitmap* GlyphHot() const { return glyphHot_.get(); }
  void SetGlyphHot(TBitmap* Value);
  TBitmap* GlyphDown() const { return glyphDown_.get(); }
  void SetGlyphDown(TBitmap* Value);
  TBitmap* GlyphDisabled() const { return glyphDisabled_.get(); }
  void SetGlyphDisabled(TBitmap* Value);
  TBitmap* GlyphShade() const { return glyphShade_.get(); }
  bool Down() const { return down_; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool Value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout Value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int Value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);
  int Margin() const { return margin_; }
  void SetMargin(int Value);
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  TColor ColorTo() const { return colorTo_; }
  void SetColorTo(TColor Value);
  TColor ColorHot() const { return colorHot_; }
  void SetColorHot(TColor Value) { colorHot_ = Value; }
  TColor ColorHotTo() const { return colorHotTo_; }
  void SetColorHotTo(TColor Value) { colorHotTo_ = Value; }
  TColor ColorDown() const { return colorDown_; }
  void SetColorDown(TColor Value) { colorDown_ = Value; }
  TColor ColorDownTo() const { return colorDownTo_; }
  void SetColorDownTo(TColor Value) { colorDownTo_ = Value; }
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor Value);
  TColor BorderDownColor() const { return borderDownColor_; }
  void SetBorderDownColor(TColor Value) { borderDownColor_ = Value; }
  TColor BorderHotColor() const { return borderHotColor_; }
  void SetBorderHotColor(TColor Value) { borderHotColor_ = Value; }
  bool Shaded() const { return shaded_; }
  void SetShaded(bool Value);
  TColor ColorChecked() const { return colorChecked_; }
  void SetColorChecked(TColor Value);
  TColor ColorCheckedTo() const { return colorCheckedTo_; }
  void SetColorCheckedTo(TColor Value);
  TDivUzevButtonStyle Style() const { return style_; }
  void SetStyle(TDivUzevButtonStyle Value);
  // The last look applied (0..6; others change nothing).
  int Look() const { return look_; }
  void SetLook(int Value);
  bool Rounded() const { return rounded_; }
  void SetRounded(bool Value);
  bool DropDownButton() const { return dropDownButton_; }
  void SetDropDownButton(bool Value);
  bool AutoThemeAdapt() const { return autoThemeAdapt_; }
  void SetAutoThemeAdapt(bool Value);
  bool AutoXPStyle() const { return autoXPStyle_; }
  void SetAutoXPStyle(bool Value) { autoXPStyle_ = Value; }
  TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
  void SetDropDownMenu(TPopupMenu* Value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool Value);

  TButtonState State() const { return state_; }
  bool MouseInControl() const { return mouseInControl_; }
  bool IsComCtl6() const { return isComCtl6_; }
  // The system colour scheme as a number: 1 blue, 2 olive, 3 silver, else 0.
  static int GetXPColorSchemeForButton();
  // Picks the look of the system colour scheme.
  void ThemeAdapt();

  // The drop-down part was pressed.
  TNotifyEvent OnDropDown;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  void UpdateStateForPaint();
  void UpdateExclusive();
  void UpdateTracking();
  void BuildShade();
  // The face and frame of a flat button, then the content rectangle.
  void PaintFlatFace(TCanvas* C, TRect& R, bool Hot);
  void DrawFace(TCanvas* C, const TRect& R, TColor From, TColor To, TColor Frame);
  void DrawContent(TCanvas* C, const TRect& R, const TPoint& Offset);

 private:
  void GlyphChanged(TObject*);
  bool isComCtl6_ = false;
  int groupIndex_ = 0;
  std::unique_ptr<TBitmap> glyph_;
  bool down_ = false;
  bool dragging_ = false;
  bool allowAllUp_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  int spacing_ = 4;
  bool transparent_ = true;
  int margin_ = -1;
  bool flat_ = true;
  bool mouseInControl_ = false;
  TColor colorTo_ = clNone;
  TColor colorHot_ = 0xCAC7C7;
  TColor colorHotTo_ = clNone;
  TColor colorDown_ = 0xD8D3D2;
  TColor colorDownTo_ = clNone;
  TColor borderColor_ = clNone;
  TColor borderDownColor_ = clNone;
  TColor borderHotColor_ = clNone;
  std::unique_ptr<TBitmap> glyphDisabled_;
  std::unique_ptr<TBitmap> glyphHot_;
  std::unique_ptr<TBitmap> glyphDown_;
  std::unique_ptr<TBitmap> glyphShade_;
  bool shaded_ = true;
  TColor colorChecked_ = 0x808080;
  TColor colorCheckedTo_ = clNone;
  TDivUzevButtonStyle style_ = tasButton;
  int look_ = 0;
  bool rounded_ = false;
  bool dropDownButton_ = false;
  bool autoThemeAdapt_ = false;
  bool autoXPStyle_ = false;
  TPopupMenu* dropDownMenu_ = nullptr;
  bool showCaption_ = true;
  TButtonState state_ = bsUp;
};
