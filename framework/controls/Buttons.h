#pragma once
// The speed button: a window-less tool button with a glyph and a caption.
//
// It is up, down, disabled or "exclusive" (down as a member of a group).
// A press takes the mouse; the button shows down while the pointer stays
// over it and clicks when the button is released over it. Buttons that
// share a GroupIndex on one parent are exclusive: putting one down raises
// the other (AllowAllUp lets the last one go up too). Without a group a
// button never stays down.
//
// The glyph bitmap may hold NumGlyphs images side by side: up, disabled,
// down and exclusive. Its bottom-left pixel is the transparent colour. A
// disabled button without its own image shows a greyed copy of the first.
#include <memory>
#include <string>

#include "framework/controls/Controls.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
using TNumGlyphs = int;

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool Value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int Value);
  bool Down() const { return down_; }
  virtual void SetDown(bool Value);
  bool Flat() const { return flat_; }
  void SetFlat(bool Value);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* Value);
  TNumGlyphs NumGlyphs() const { return numGlyphs_; }
  // 1 to 4; other values are ignored.
  void SetNumGlyphs(TNumGlyphs Value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout Value);
  // Pixels from the edge to the glyph; -1 centres glyph and caption.
  int Margin() const { return margin_; }
  void SetMargin(int Value);
  // Pixels between glyph and caption; -1 spreads them evenly.
  int Spacing() const { return spacing_; }
  void SetSpacing(int Value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool Value);
  TButtonState State() const { return state_; }
  bool MouseInControl() const { return mouseInControl_; }

  void Click() override;
  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Loaded() override;

  // The state before painting, from Enabled and Down.
  void UpdateStateForPaint();
  // Tells the other buttons of the group on the parent.
  void UpdateExclusive();
  // Hover follows the control under the cursor.
  void UpdateTracking();
  // The glyph image for State (a greyed copy for a disabled button without
  // its own image); empty when there is no glyph.
  std::unique_ptr<TBitmap> GlyphImage(TButtonState State) const;
  // Draws the glyph and the caption as the platform button does.
  void DrawContent(TCanvas* C, const TRect& Client, const TPoint& Offset, TButtonState State);

  TButtonState state_ = bsUp;
  bool dragging_ = false;
  bool mouseInControl_ = false;

 private:
  void GlyphChanged(TObject*);
  std::unique_ptr<TBitmap> glyph_;
  bool allowAllUp_ = false;
  int groupIndex_ = 0;
  bool down_ = false;
  bool flat_ = false;
  TNumGlyphs numGlyphs_ = 1;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool transparent_ = true;
  bool showCaption_ = true;
};

// Where a button's glyph and caption go in Client: Layout puts the glyph
// beside or over the caption, Margin is the gap from the edge to the glyph
// (-1 centres both), Spacing the gap between them (-1 spreads them evenly);
// an empty caption or glyph needs no spacing. The caption is measured with
// C's font; DT_RTLREADING in BiDiFlags swaps left and right. Both results
// are moved by Offset.
void CalcButtonLayout(TCanvas* C, const TRect& Client, const TPoint& Offset, const std::string& Caption,
                      int GlyphW, int GlyphH, TButtonLayout Layout, int Margin, int Spacing,
                      unsigned BiDiFlags, TPoint& GlyphPos, TRect& TextBounds);

// Draws Bitmap at (X, Y) with its transparent colour (the bottom-left pixel
// unless one is set) left out.
void DrawTransparentBitmap(TCanvas* C, int X, int Y, TBitmap* Bitmap);
// A copy of Source in grey for a disabled look: the transparent colour stays,
// dark pixels become clBtnShadow, light ones clBtnHighlight are dropped.
std::unique_ptr<TBitmap> CreateDisabledGlyph(TBitmap* Source);
