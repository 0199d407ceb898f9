#pragma once
// Colours, pens, brushes, fonts, the canvas and the picture classes.
//
// A TCanvas draws through a TPainter (framework/backend/Painter.h): the paint
// path of a control attaches one over its window, a TBitmap's canvas makes
// one over the bitmap's own pixels, and a canvas without any still measures
// text (through a shared measuring painter) but draws nothing.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Classes.h"
#include "framework/graphics/Types.h"
#include "framework/rtl/Set.h"
#include "framework/rtl/SysUtils.h"

class TPainter;
class TRegion;
class TCanvas;
class TCanvasRecorder;
class TBitmap;
class TGraphic;
class TStream;

CF_DECLARE_EXCEPTION(EResNotFound, Exception)

// ---------------------------------------------------------------------------
// Colours: 0x00BBGGRR; 0xFF0000nn names system colour nn; clNone is "no colour".
using TColor = int32_t;

constexpr TColor TColorValue(uint32_t v) { return static_cast<TColor>(v); }

constexpr TColor clSystemColor = TColorValue(0xFF000000);

constexpr TColor clScrollBar = TColorValue(0xFF000000);
constexpr TColor clBackground = TColorValue(0xFF000001);
constexpr TColor clActiveCaption = TColorValue(0xFF000002);
constexpr TColor clInactiveCaption = TColorValue(0xFF000003);
constexpr TColor clMenu = TColorValue(0xFF000004);
constexpr TColor clWindow = TColorValue(0xFF000005);
constexpr TColor clWindowFrame = TColorValue(0xFF000006);
constexpr TColor clMenuText = TColorValue(0xFF000007);
constexpr TColor clWindowText = TColorValue(0xFF000008);
constexpr TColor clCaptionText = TColorValue(0xFF000009);
constexpr TColor clActiveBorder = TColorValue(0xFF00000A);
constexpr TColor clInactiveBorder = TColorValue(0xFF00000B);
constexpr TColor clAppWorkSpace = TColorValue(0xFF00000C);
constexpr TColor clHighlight = TColorValue(0xFF00000D);
constexpr TColor clHighlightText = TColorValue(0xFF00000E);
constexpr TColor clBtnFace = TColorValue(0xFF00000F);
constexpr TColor clBtnShadow = TColorValue(0xFF000010);
constexpr TColor clGrayText = TColorValue(0xFF000011);
constexpr TColor clBtnText = TColorValue(0xFF000012);
constexpr TColor clInactiveCaptionText = TColorValue(0xFF000013);
constexpr TColor clBtnHighlight = TColorValue(0xFF000014);
constexpr TColor cl3DDkShadow = TColorValue(0xFF000015);
constexpr TColor cl3DLight = TColorValue(0xFF000016);
constexpr TColor clInfoText = TColorValue(0xFF000017);
constexpr TColor clInfoBk = TColorValue(0xFF000018);
constexpr TColor clHotLight = TColorValue(0xFF00001A);
constexpr TColor clGradientActiveCaption = TColorValue(0xFF00001B);
constexpr TColor clGradientInactiveCaption = TColorValue(0xFF00001C);
constexpr TColor clMenuHighlight = TColorValue(0xFF00001D);
constexpr TColor clMenuBar = TColorValue(0xFF00001E);

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colour indexes (the low byte of a system colour).
enum : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_MENUHILIGHT = 29,
  COLOR_MENUBAR = 30,
  COLOR_3DFACE = COLOR_BTNFACE,
  COLOR_3DSHADOW = COLOR_BTNSHADOW,
  COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT,
  COLOR_3DHILIGHT = COLOR_BTNHIGHLIGHT,
  COLOR_BTNHILIGHT = COLOR_BTNHIGHLIGHT,
};

constexpr TColor RGB(int R, int G, int B) {
  return static_cast<TColor>((R & 0xFF) | ((G & 0xFF) << 8) | ((B & 0xFF) << 16));
}
constexpr int GetRValue(TColor C) { return C & 0xFF; }
constexpr int GetGValue(TColor C) { return (C >> 8) & 0xFF; }
constexpr int GetBValue(TColor C) { return (C >> 16) & 0xFF; }

// True for 0xFF0000nn values.
constexpr bool IsSystemColor(TColor C) { return (static_cast<uint32_t>(C) & 0xFF000000u) == 0xFF000000u; }
// A system colour's RGB value from the one system-colour table; every other
// value (clNone and clDefault included) is returned unchanged.
TColor ColorToRGB(TColor Color);
// The table's entry for index nn (black for an unknown index).
TColor GetSysColor(int Index);
// Replaces one entry (tests and the palette of the window backend).
void SetSysColor(int Index, TColor RGBValue);
// Puts every entry back to the built-in values.
void ResetSysColors();

// Colour names as stored layouts write them ("clBtnFace", "clRed"): name to
// value and back; a value without a name gives "$00BBGGRR".
bool IdentToColor(const std::string& Ident, TColor& Color);
bool ColorToIdent(TColor Color, std::string& Ident);
std::string ColorToString(TColor Color);
// "clRed", "$0000FF" or a decimal number; EConvertError otherwise.
TColor StringToColor(const std::string& S);

// ---------------------------------------------------------------------------
// Pens, brushes and fonts: settings objects with a change event.
class TGraphicsObject : public TPersistent {
 public:
  TNotifyEvent OnChange;

 protected:
  void Changed();
};

enum TPenStyle {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame,
  psUserStyle,
  psAlternate
};
enum TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};

class TPen : public TGraphicsObject {
 public:
  void Assign(TPersistent* Source) override;
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  int Width() const { return width_; }
  void SetWidth(int Value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle Value);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode Value);

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

class TBrush : public TGraphicsObject {
 public:
  void Assign(TPersistent* Source) override;
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle Value);
  // A pattern bitmap, not owned; while set it fills instead of the colour.
  TBitmap* Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap* Value);

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  TBitmap* bitmap_ = nullptr;
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle, 8>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;
constexpr TFontCharset OEM_CHARSET = 255;

// Size is in points, Height in pixels at PixelsPerInch; a negative Height is
// the character height (what Size sets), a positive one the cell height.
class TFont : public TGraphicsObject {
 public:
  TFont();
  void Assign(TPersistent* Source) override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& Value);
  int Size() const;
  void SetSize(int Value);
  int Height() const { return height_; }
  void SetHeight(int Value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset Value);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch Value);
  // Tenths of a degree, counter-clockwise; turns the text drawn with the font.
  int Orientation() const { return orientation_; }
  void SetOrientation(int Value);
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int Value);

  // Same name, height, style, colour, charset, pitch and orientation.
  bool IsEqual(const TFont& Other) const;

 private:
  std::string name_ = "Tahoma";
  int height_ = -11;
  TFontStyles style_;
  TColor color_ = clWindowText;
  TFontCharset charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
  int orientation_ = 0;
  int pixelsPerInch_ = 96;
};

// ---------------------------------------------------------------------------
// The canvas.
using HDC = TCanvas*;
using HRGN = TRegion*;

// Raster operation codes of CopyRect, BitBlt and friends.
using TCopyMode = int32_t;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmMergeCopy = 0x00C000CA;
constexpr TCopyMode cmMergePaint = 0x00BB0226;
constexpr TCopyMode cmNotSrcCopy = 0x00330008;
constexpr TCopyMode cmNotSrcErase = 0x001100A6;
constexpr TCopyMode cmPatCopy = 0x00F00021;
constexpr TCopyMode cmPatInvert = 0x005A0049;
constexpr TCopyMode cmPatPaint = 0x00FB0A09;
constexpr TCopyMode cmSrcAnd = 0x008800C6;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcErase = 0x00440328;
constexpr TCopyMode cmSrcInvert = 0x00660046;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;
constexpr TCopyMode cmWhiteness = 0x00FF0062;
constexpr TCopyMode BLACKNESS = cmBlackness;
constexpr TCopyMode DSTINVERT = cmDstInvert;
constexpr TCopyMode MERGECOPY = cmMergeCopy;
constexpr TCopyMode MERGEPAINT = cmMergePaint;
constexpr TCopyMode NOTSRCCOPY = cmNotSrcCopy;
constexpr TCopyMode NOTSRCERASE = cmNotSrcErase;
constexpr TCopyMode PATCOPY = cmPatCopy;
constexpr TCopyMode PATINVERT = cmPatInvert;
constexpr TCopyMode PATPAINT = cmPatPaint;
constexpr TCopyMode SRCAND = cmSrcAnd;
constexpr TCopyMode SRCCOPY = cmSrcCopy;
constexpr TCopyMode SRCERASE = cmSrcErase;
constexpr TCopyMode SRCINVERT = cmSrcInvert;
constexpr TCopyMode SRCPAINT = cmSrcPaint;
constexpr TCopyMode WHITENESS = cmWhiteness;

enum TFillStyle { fsSurface, fsBorder };

// Mapping modes: logical units of a pixel, 0.1 mm, 0.01 mm, 0.01 inch,
// 0.001 inch, 1/1440 inch; all but MM_TEXT have y growing upwards.
constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;
constexpr int MM_HIMETRIC = 3;
constexpr int MM_LOENGLISH = 4;
constexpr int MM_HIENGLISH = 5;
constexpr int MM_TWIPS = 6;

// Background mode of text and hatched brushes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Options of TextRect with a format (the DrawText flags by name).
enum TTextFormats {
  tfBottom,
  tfCalcRect,
  tfCenter,
  tfEditControl,
  tfEndEllipsis,
  tfPathEllipsis,
  tfExpandTabs,
  tfExternalLeading,
  tfLeft,
  tfModifyString,
  tfNoClip,
  tfNoPrefix,
  tfRight,
  tfRtlReading,
  tfSingleLine,
  tfTop,
  tfVerticalCenter,
  tfWordBreak,
  tfHidePrefix,
  tfNoFullWidthCharBreak,
  tfPrefixOnly,
  tfTabStop,
  tfWordEllipsis,
  tfComposited
};
using TTextFormat = TSet<TTextFormats, 32>;
// The DrawText flags a format stands for.
unsigned TextFormatToFlags(const TTextFormat& Format);

// Font measures in pixels, as the text metrics of the platform give them.
struct TTextMetric {
  int tmHeight = 0;
  int tmAscent = 0;
  int tmDescent = 0;
  int tmInternalLeading = 0;
  int tmExternalLeading = 0;
  int tmAveCharWidth = 0;
  int tmMaxCharWidth = 0;
  int tmWeight = 400;
  bool tmItalic = false;
  bool tmUnderlined = false;
  bool tmStruckOut = false;
  int tmPitchAndFamily = 0;
  TFontCharset tmCharSet = DEFAULT_CHARSET;
};

class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;

  // --- the painter behind the canvas
  // Draws through Painter from now on; the canvas frees it.
  void AttachPainter(std::unique_ptr<TPainter> Painter);
  // Draws through Painter, which stays the caller's (the paint path of a
  // window); detach it before it goes away.
  void AttachPainter(TPainter* Painter);
  void DetachPainter();
  // True while a drawing painter is attached (or can be made on demand).
  bool HandleAllocated();
  // The canvas stands for the device context of routines written against one.
  HDC Handle() { return this; }

  TPen* Pen() { return pen_.get(); }
  void SetPen(TPen* Value) { pen_->Assign(Value); }
  TBrush* Brush() { return brush_.get(); }
  void SetBrush(TBrush* Value) { brush_->Assign(Value); }
  TFont* Font() { return font_.get(); }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  TPoint PenPos() const { return penPos_; }
  void SetPenPos(const TPoint& Value) { MoveTo(Value.X, Value.Y); }
  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode Value) { copyMode_ = Value; }
  // The clip box in logical coordinates (the whole device without a clip).
  TRect ClipRect();
  // clNone outside the device, or when the device cannot be read (a window).
  TColor Pixels(int X, int Y);
  void SetPixels(int X, int Y, TColor Value);

  // No threads draw here; kept for code written with them.
  void Lock() { ++lockCount_; }
  void Unlock() {
    if (lockCount_ > 0) --lockCount_;
  }
  bool TryLock() {
    Lock();
    return true;
  }
  int LockCount() const { return lockCount_; }

  // --- drawing
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
  // Copies Source of Bitmap to Dest, the pixels of Color replaced by the brush.
  void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
  void Draw(int X, int Y, TGraphic* Graphic);
  void DrawFocusRect(const TRect& R);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
  void FillRect(const TRect& R);
  void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);
  void FrameRect(const TRect& R);
  void LineTo(int X, int Y);
  void MoveTo(int X, int Y);
  void Polygon(const std::vector<TPoint>& Points);
  void Polygon(const TPoint* Points, int Count);
  void Polyline(const std::vector<TPoint>& Points);
  void Polyline(const TPoint* Points, int Count);
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
  void RoundRect(const TRect& R, int CX, int CY) { RoundRect(R.Left, R.Top, R.Right, R.Bottom, CX, CY); }
  void StretchDraw(const TRect& R, TGraphic* Graphic);
  TSize TextExtent(const std::string& Text);
  int TextHeight(const std::string& Text) { return TextExtent(Text).cy; }
  int TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
  // Text with its top-left corner at (X, Y); the pen moves to its end.
  void TextOut(int X, int Y, const std::string& Text);
  // Text at (X, Y), clipped to R, whose background the brush fills unless clear.
  void TextRect(const TRect& R, int X, int Y, const std::string& Text);
  // DrawText with the format's flags; tfCalcRect returns the measured R.
  void TextRect(TRect& R, std::string& Text, const TTextFormat& TextFormat = {});
  void Refresh();

  // --- device-context state for routines written against a DC
  int BkMode() const { return bkMode_; }
  int SetBkMode(int Mode);
  TColor BkColor() const { return bkColor_; }
  TColor SetBkColor(TColor Color);
  TColor TextColor() const { return textColor_; }
  TColor SetTextColor(TColor Color);
  // Logical point mapped to the viewport origin (the device's top-left
  // corner unless the viewport origin moved).
  TPoint WindowOrg() const { return windowOrg_; }
  void SetWindowOrg(const TPoint& P);
  // Device point the window origin maps to.
  TPoint ViewportOrg() const { return viewportOrg_; }
  void SetViewportOrg(const TPoint& P);
  int MapMode() const { return mapMode_; }
  // Answers the mode before; an unknown mode changes nothing and answers 0.
  int SetMapMode(int Mode);
  TPoint LogicalToDevice(const TPoint& P);
  TPoint DeviceToLogical(const TPoint& P);
  // Mapped and normalised (left <= right, top <= bottom).
  TRect LogicalToDevice(const TRect& R);
  TRect DeviceToLogical(const TRect& R);
  // Saves pen, brush, font, clip, origin and text state; RestoreDC(-1) pops
  // the last, RestoreDC(n) returns to the state of the n-th save.
  int SaveDC();
  bool RestoreDC(int SavedDC);
  // Clip in device coordinates (nullptr removes it); the region is copied.
  void SelectClipRegion(const TRegion* Region);
  // The current clip (device coordinates), nullptr without one.
  const TRegion* ClipRegion() const { return clip_.get(); }
  // Rectangles in logical coordinates; they answer the clip's kind.
  int ExcludeClipRect(const TRect& R);
  int IntersectClipRect(const TRect& R);
  int PixelsPerInch();
  TTextMetric TextMetrics();
  // Device size when known (a bitmap's size; a window's client size).
  TSize DeviceSize();

  // --- for the DC routines: draw without touching Pen, Brush or PenPos
  // A solid rectangle in Color (system colours resolved), the brush kept.
  void FillSolidRect(const TRect& R, TColor Color);
  // Text in the DC's text colour and background mode, optionally clipped.
  void TextOutClipped(int X, int Y, const std::string& Text, const TRect* Clip);

  // --- recording (tests of painting code)
  void SetRecorder(TCanvasRecorder* Recorder) { recorder_ = Recorder; }
  TCanvasRecorder* Recorder() const { return recorder_; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  // The painter the next call draws through, with the canvas state applied;
  // routines in framework/graphics use it, painting code does not need it.
  TPainter* ActivePainter();
  // The pixels behind the canvas, when it draws into memory (a bitmap).
  virtual TBitmap* TargetBitmap() { return nullptr; }

 protected:
  void Changing();
  void Changed();
  // Lets a canvas make its painter on demand (a bitmap's canvas).
  virtual std::unique_ptr<TPainter> CreatePainter();
  // Drops the painter made by CreatePainter (its target went away).
  void FreeHandle();

 private:
  friend class TCanvasCallScope;
  struct SavedState;
  void PenChanged(TObject*);
  void BrushChanged(TObject*);
  void FontChanged(TObject*);
  void ApplyState(TPainter* P);
  void ApplyClip(TPainter* P);
  double ScaleX();
  double ScaleY();

  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TFont> font_;
  TPoint penPos_;
  TCopyMode copyMode_ = cmSrcCopy;
  int lockCount_ = 0;
  std::unique_ptr<TPainter> ownedPainter_;
  TPainter* painter_ = nullptr;
  bool painterFromCreate_ = false;
  // What the painter last received; dirty parts are sent again before a call.
  bool penDirty_ = true, brushDirty_ = true, fontDirty_ = true, clipDirty_ = true, originDirty_ = true;
  TPainter* appliedTo_ = nullptr;
  int bkMode_ = OPAQUE;
  TColor bkColor_ = clWhite;
  TColor textColor_ = clBlack;
  TPoint windowOrg_;
  TPoint viewportOrg_;
  int mapMode_ = MM_TEXT;
  std::unique_ptr<TRegion> clip_;
  std::vector<SavedState> saved_;
  TCanvasRecorder* recorder_ = nullptr;
  int callDepth_ = 0;
};

// ---------------------------------------------------------------------------
// Pictures.
class TGraphic : public TPersistent {
 public:
  virtual bool Empty() const = 0;
  // A new, empty graphic of the same kind (what TPicture copies into).
  virtual std::unique_ptr<TGraphic> NewGraphic() const { return nullptr; }
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int Value);
  virtual void SetHeight(int Value);
  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool Value);
  bool Modified() const { return modified_; }
  void SetModified(bool Value) { modified_ = Value; }

  // Loads the file's bytes (EFOpenError when it cannot be read; the graphic's
  // own error when the bytes are not its format).
  virtual void LoadFromFile(const std::string& FileName);
  // Writes the graphic's file bytes through the safe writer; a failed write
  // raises and leaves an older file untouched.
  virtual void SaveToFile(const std::string& FileName);
  // From the stream's position: the graphic's bytes (a bitmap reads just its
  // own length, other kinds the rest of the stream).
  virtual void LoadFromStream(TStream* Stream);
  virtual void SaveToStream(TStream* Stream);
  // The graphic's file format as bytes.
  virtual void LoadFromBytes(const uint8_t* Data, size_t Size) = 0;
  virtual std::vector<uint8_t> SaveToBytes() = 0;

  TNotifyEvent OnChange;

 protected:
  friend class TCanvas;
  // Draws the whole picture into R (stretched when R differs from its size).
  virtual void Draw(TCanvas* ACanvas, const TRect& R) = 0;
  virtual void Changed();

 private:
  bool transparent_ = false;
  bool modified_ = false;
};

using TGraphicClass = std::function<std::unique_ptr<TGraphic>()>;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };

// The most pixels a picture read from bytes may declare (8192 x 8192): a few
// bytes can claim any size, and a picture is refused before its pixels are
// reserved when it claims more.
constexpr std::int64_t MaxPicturePixels = std::int64_t{1} << 26;

// Pixel memory of a bitmap: rows top-down, Stride bytes apart (a multiple of
// 4), each pixel B, G, R (24-bit) or B, G, R, A (32-bit).
struct TPixelData {
  int Width = 0;
  int Height = 0;
  int BytesPerPixel = 4;
  int Stride = 0;
  std::vector<uint8_t> Bits;
  // The fourth byte is meaningful alpha (straight, not premultiplied).
  bool HasAlpha = false;

  void Resize(int W, int H, int Bpp);
  uint8_t* Row(int Y) { return Bits.data() + static_cast<size_t>(Y) * Stride; }
  const uint8_t* Row(int Y) const { return Bits.data() + static_cast<size_t>(Y) * Stride; }
  // 0x00BBGGRR of a pixel; 0 outside.
  TColor GetPixel(int X, int Y) const;
  void SetPixel(int X, int Y, TColor C);
  // Alpha of a pixel (255 without alpha).
  int GetAlpha(int X, int Y) const;
};

class TBitmap : public TGraphic {
 public:
  TBitmap();
  TBitmap(int AWidth, int AHeight);
  ~TBitmap() override;
  void Assign(TPersistent* Source) override;

  bool Empty() const override { return pixels_.Width == 0 || pixels_.Height == 0; }
  std::unique_ptr<TGraphic> NewGraphic() const override { return std::make_unique<TBitmap>(); }
  int Width() const override { return pixels_.Width; }
  int Height() const override { return pixels_.Height; }
  void SetWidth(int Value) override { SetSize(Value, pixels_.Height); }
  void SetHeight(int Value) override { SetSize(pixels_.Width, Value); }
  // Keeps the pixels that still fit; new pixels are white.
  void SetSize(int AWidth, int AHeight);

  // pfDevice and pf32bit keep 4 bytes a pixel, the others 3 (formats below
  // 24 bits are kept at 24 bits).
  TPixelFormat PixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TPixelFormat Value);
  TAlphaFormat AlphaFormat() const { return alphaFormat_; }
  void SetAlphaFormat(TAlphaFormat Value);
  // Row Y of the pixel memory; EInvalidGraphic "Scan line index out of range".
  void* ScanLine(int Y);

  TCanvas* Canvas();
  // The bottom-left pixel in tmAuto mode, else the colour set.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor Value);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode Value);
  bool Monochrome() const { return false; }
  bool HandleAllocated() const { return !Empty(); }
  void Dormant() {}
  void FreeImage() {}

  void LoadFromBytes(const uint8_t* Data, size_t Size) override;
  // BMP with 24 or 32 bits a pixel.
  std::vector<uint8_t> SaveToBytes() override;
  // A bitmap resource by name ("GRDCHK01"); EResNotFound
  // "Resource NAME not found" when there is none.
  void LoadFromResourceName(const std::string& ResName);
  void LoadFromStream(TStream* Stream) override;
  // PNG (screenshots of forms).
  std::vector<uint8_t> SaveToPngBytes() const;
  void SaveToPngFile(const std::string& FileName) const;

  TPixelData& PixelData() { return pixels_; }
  const TPixelData& PixelData() const { return pixels_; }
  // Takes Data as the bitmap's pixels (24 or 32 bits) and fires OnChange.
  void SetPixelData(TPixelData Data);

 protected:
  void Draw(TCanvas* ACanvas, const TRect& R) override;
  void AssignTo(TPersistent* Dest) override;

 private:
  class TBitmapCanvas;
  void PixelsReplaced();
  TPixelData pixels_;
  TPixelFormat pixelFormat_ = pfDevice;
  TAlphaFormat alphaFormat_ = afIgnored;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
  std::unique_ptr<TBitmapCanvas> canvas_;
};

// An icon: 32-bit pixels with alpha; always drawn transparently.
class TIcon : public TGraphic {
 public:
  TIcon();
  void Assign(TPersistent* Source) override;
  bool Empty() const override { return pixels_.Width == 0 || pixels_.Height == 0; }
  std::unique_ptr<TGraphic> NewGraphic() const override { return std::make_unique<TIcon>(); }
  int Width() const override { return pixels_.Width; }
  int Height() const override { return pixels_.Height; }
  bool Transparent() const override { return true; }
  void LoadFromBytes(const uint8_t* Data, size_t Size) override;
  // ICO bytes: the bytes loaded, or a 32-bit icon of the pixels.
  std::vector<uint8_t> SaveToBytes() override;
  const TPixelData& PixelData() const { return pixels_; }
  // Takes the pixels of a bitmap (its transparent colour, when it has one,
  // turns into full transparency).
  void AssignBitmap(const TBitmap& Source);

 protected:
  void Draw(TCanvas* ACanvas, const TRect& R) override;
  void AssignTo(TPersistent* Dest) override;

 private:
  TPixelData pixels_;
  std::vector<uint8_t> data_;
};

// Pictures in formats read by the backend's image readers (PNG, GIF first
// frame): the file bytes are kept, the pixels decoded once.
class TEncodedImage : public TGraphic {
 public:
  void Assign(TPersistent* Source) override;
  bool Empty() const override { return pixels_.Width == 0 || pixels_.Height == 0; }
  int Width() const override { return pixels_.Width; }
  int Height() const override { return pixels_.Height; }
  void LoadFromBytes(const uint8_t* Data, size_t Size) override;
  std::vector<uint8_t> SaveToBytes() override { return data_; }
  const TPixelData& PixelData() const { return pixels_; }

 protected:
  explicit TEncodedImage(const char* Format) : format_(Format) {}
  void Draw(TCanvas* ACanvas, const TRect& R) override;
  void AssignTo(TPersistent* Dest) override;
  TPixelData pixels_;
  std::vector<uint8_t> data_;
  const char* format_;
};

class TPngImage : public TEncodedImage {
 public:
  TPngImage() : TEncodedImage("PNG") {}
  std::unique_ptr<TGraphic> NewGraphic() const override { return std::make_unique<TPngImage>(); }
  void Assign(TPersistent* Source) override;
};

class TGIFImage : public TEncodedImage {
 public:
  TGIFImage() : TEncodedImage("GIF") {}
  std::unique_ptr<TGraphic> NewGraphic() const override { return std::make_unique<TGIFImage>(); }
};

// Holds one graphic of any registered kind; LoadFromFile picks the kind by
// the file's extension, or by its first bytes when the extension is unknown.
class TPicture : public TPersistent {
 public:
  TPicture();
  ~TPicture() override;
  void Assign(TPersistent* Source) override;

  TGraphic* Graphic() const { return graphic_.get(); }
  // Keeps a copy of Value (nullptr empties the picture).
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap; any other graphic is replaced by an empty one.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value) { SetGraphic(Value); }
  TIcon* Icon();
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // EInvalidGraphic "Unknown picture file extension (.ext)" when neither the
  // extension nor the content is known.
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName);
  // By the bytes' signature; EInvalidGraphic when unknown.
  void LoadFromBytes(const uint8_t* Data, size_t Size);
  void LoadFromStream(TStream* Stream);
  void SaveToStream(TStream* Stream);

  // Adds a kind of graphic for an extension ("png"), as the platform does.
  static void RegisterFileFormat(const std::string& Extension, const std::string& Description,
                                 TGraphicClass Factory);

  TNotifyEvent OnChange;

 protected:
  void AssignTo(TPersistent* Dest) override;

 private:
  void Changed(TObject*);
  void Take(std::unique_ptr<TGraphic> G);
  std::unique_ptr<TGraphic> graphic_;
};

// The picture kind of a file's first bytes ("BMP", "JPEG", "PNG", "GIF",
// "ICO"), empty when unknown.
std::string SniffPictureFormat(const uint8_t* Data, size_t Size);
