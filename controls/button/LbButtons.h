#pragma once
// Drawing of the owner-drawn push button and its hover-fade thread.
//
// DrawLbButton paints one complete picture of a TLbButton (face, frame of
// the style, glyph cell, caption, pop-up mark) onto any canvas; the button
// paints it off-screen and copies it in one step. TLbButtonThread ticks every
// 30 ms on the GUI thread while a button fades out after the mouse left it.
//
// TLbButtonLayout is a scoped enumeration: its value names are the ones the
// platform gives the speed button's glyph layout, which the framework may
// declare too.
#include <cstdint>
#include <string>

#include "framework/classes/Thread.h"
#include "framework/controls/Controls.h"
#include "framework/graphics/Graphics.h"

enum TLbButtonStyle : uint8_t { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbColorStyle : uint8_t {
  lcsCustom,
  lcsGold,
  lcsChrome,
  lcsBlue,
  lcsRed,
  lcsUltraFlat1,
  lcsUltraFlat2,
  lcsUltraFlatXP,
  lcsAqua,
  lcsDefault,
  lcsQuicken
};
enum TLbButtonKind : uint8_t {
  bkCustom,
  bkOK,
  bkCancel,
  bkHelp,
  bkYes,
  bkNo,
  bkClose,
  bkAbort,
  bkRetry,
  bkIgnore,
  bkAll
};
enum class TLbButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The off-screen picture's transparent key colour.
constexpr TColor clLbTransparent = 0xFF00FF;

// The colours and looks a colour style stands for.
struct TLbColorStyleColors {
  TColor Color = clBtnFace;
  TColor LightColor = clWhite;
  TColor ShadowColor = clGray;
  TColor ColorWhenDown = clNone;
  TColor HotTrackColor = clNone;
  TColor FontColor = clBlack;
  bool Flat = false;
  TLbButtonStyle Style = bsNormal;
};

// The preset of Style (its value with the top bit masked off); false for
// lcsCustom and for values without a preset.
bool GetColorStyleColors(TLbColorStyle Style, TLbColorStyleColors& Colors);

// The face at hover level Step (0: Face, 8: HotTrack), channel by channel.
TColor MixHotTrackColor(TColor Face, TColor HotTrack, int Step);

// Fills R with 32 bands going from StartColor to EndColor, top to bottom.
void DrawBandGradient(TCanvas* Canvas, TColor StartColor, TColor EndColor, const TRect& R);

// Draws cell Index (CellWidth wide) of the glyph strip at (X, Y), its
// bottom-left pixel's colour left out.
void DrawGlyphCell(TCanvas* Canvas, TBitmap* Glyph, int Index, int CellWidth, int X, int Y);

// The whole picture of a button W x H. Hot: the mouse is over the button or
// it has the focus; Down: it is held down; NoFill skips the face fill;
// HotTrackStep is the hover level 0..8.
void DrawLbButton(TCanvas* Canvas, int W, int H, TAlignment Alignment, const std::string& Caption,
                  TLbButtonLayout Layout, TFont* Font, TColor ShadowColor, TColor LightColor,
                  TColor HotTrackColor, TColor ColorWhenDown, TColor Color, TLbButtonStyle Style,
                  bool HasPopupMenu, bool WordWrap, bool Flat, bool Enabled, bool NoFill, bool Hot, bool Down,
                  TBitmap* Glyph, int NumGlyphs, int HotTrackStep);

// Loads the button's bitmap resource Name ("LBOK", "LBARROW") into Bitmap;
// EResNotFound "Resource <Name> not found" when it is missing.
void LoadLbButtonResource(TBitmap* Bitmap, const std::string& Name);

// Ticks a button's hover fade: every 30 ms it runs the notify call on the
// GUI thread and waits for it. Created suspended, so a button whose fade
// never runs costs no operating-system thread.
class TLbButtonThread : public TThread {
 public:
  static constexpr int TickMs = 30;

  // Suspended and freed on termination until the owner says otherwise.
  TLbButtonThread(TNotifyEvent DoNotify, TObject* Button);
  TObject* Button() const { return FButton; }

 protected:
  void Execute() override;
  void DoEvent();

 private:
  TNotifyEvent FNotify;
  TObject* FButton;
};
