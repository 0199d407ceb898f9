#pragma once
// Free drawing routines the grid's cell painters share: gradient fills with
// a fixed band rule, cell backgrounds with optional mirrored halves and a
// border, colour arithmetic, the rounded selection face of the Vista,
// Windows 7 and Office 2007 selection styles, the combo, push and spin
// button faces drawn inside cells in four looks, transparent bitmaps, the
// red error underline, and the value graphics of cells: progress bars and
// pies, the multi-level progress bar, range indicators and cell shapes.
//
// They keep no state. Each sets the canvas brush, pen and font it needs and
// leaves them set. Rectangles have exclusive right and bottom edges.
// Colours are 0x00BBGGRR or system colours (resolved where a routine does
// arithmetic on them); clNone means "no colour" and a step drawn in it is
// left out. None of them raises: painting goes on whatever values a cell
// holds.
#include <string>

#include "framework/controls/Messages.h"
#include "framework/graphics/Graphics.h"
#include "grid/base/VevStyleIF.h"

class TWinControl;

// ---------------------------------------------------------------------------
// Gradients, backgrounds and colours

// At most Steps + 1 bands from From to To, the last exactly To; horizontal
// runs from the left edge to the right. A clNone end fills solid in the
// other colour; a rectangle with no height draws nothing.
void FillGradientRect(TCanvas* ACanvas, TColor From, TColor To, bool Horizontal, const TRect& R, int Steps);

// Fills R (when Fill and Color is set): solid, or a 128-step gradient from
// Color to ColorTo (vertical: top to bottom); with a Mirror colour R is cut
// in two halves (top and bottom when Vertical, else left and right), the
// first from Color to ColorTo and the second from Mirror to MirrorTo. Then
// a border in BorderColor unless clNone: the left and right edges only
// with SideLines, else a frame.
void DrawCellBackground(TCanvas* ACanvas, const TRect& R, TColor Color, bool Fill, bool SideLines,
                        TColor BorderColor, bool Vertical, TColor MirrorTo, TColor Mirror, TColor ColorTo);

// The colour at Position of the range Start..End from From to To (From
// when To is clNone; To from the range's end on when the range is empty).
TColor BlendColor(TColor From, TColor To, int Start, int Position, int End);
TColor HalfColor(TColor Color);
// Each channel c becomes c + c * Percent / 100, rounded, within 0..255.
TColor AdjustColorPercent(TColor Color, int Percent);
// Brush Color, then R filled.
void FillRectColor(TCanvas* ACanvas, const TRect& R, TColor Color);
// A filled triangle (X - 3, Y), (X + 3, Y), (X, Y + 3).
void DrawSmallDownArrow(TCanvas* ACanvas, int X, int Y, TColor Color);

// ---------------------------------------------------------------------------
// The rounded selection face

// Side kinds: which ends of the face are rounded.
enum TSelectionEnds {
  seBoth = 0,      // both ends rounded
  seLeftEnd = 1,   // rounded at the left, open to the right
  seRightEnd = 2,  // rounded at the right
  seMiddle = 3     // open at both ends
};

// The face covers R less its last column and its last two rows (the grid
// lines of a cell). Rounded ends get a border, inner lines in two colours
// (upper half, lower half) and corner pixels; the corners themselves show
// Background. The fill runs from FillFrom to FillTo in 16 steps (solid
// with FillTo clNone); with LowerFrom set the lower half has its own
// gradient LowerFrom to LowerTo. Lines and pixels in clNone are left out.
// Note the order of the last two: the lower half's end colour first.
void DrawStyledSelection(TCanvas* ACanvas, TColor FillFrom, TColor FillTo, int Side, const TRect& R,
                         TColor Background, TColor Corner, TColor Border, TColor InnerLower,
                         TColor InnerUpper, TColor LowerTo, TColor LowerFrom);

// ---------------------------------------------------------------------------
// Button faces inside cells

enum TButtonLook { blThemed = 0, blClassic = 1, blFlat = 2, blTones = 3 };
enum TButtonFaceState { bfNormal = 0, bfHot = 1, bfDown = 2, bfDisabled = 3 };

// The themed look needs the visual-styles binding with the theme on
// (UxThemeActive); without it these draw the classic look. Wnd is the
// window the theme is opened for (0 for none).
// The drop-down button at the right end of the cell rectangle R.
void DrawComboButton(TCanvas* ACanvas, HWND Wnd, const TRect& R, const TColorTones& Tones, int State,
                     int Look);
// A push-button face over R.
void DrawButtonFace(TCanvas* ACanvas, HWND Wnd, const TRect& R, const TColorTones& Tones, int State,
                    int Look);
// The up and down buttons at the right end of the cell rectangle R.
void DrawSpinButtons(TCanvas* ACanvas, HWND Wnd, const TRect& R, const TColorTones& Tones, int State,
                     int Look);

// ---------------------------------------------------------------------------
// Bitmaps and markers

// The bitmap at R's top-left corner at its own size; its top-left pixel's
// colour is transparent and shows Background.
void DrawTransparentBitmap(TCanvas* ACanvas, TBitmap* Bitmap, TColor Background, const TRect& R);
// The named bitmap resource drawn so; nothing when there is no such
// resource.
void DrawResourceGlyph(TCanvas* ACanvas, TColor Background, const TRect& R, const std::string& ResName);
// A red zigzag under ErrLen characters of Text from ErrPos (0-based), as the
// text stands at R's left edge in the canvas font. Owner is the window the
// text belongs to; measuring needs none of it here.
void DrawErrorMarker(TWinControl* Owner, TCanvas* ACanvas, const std::string& Text, int ErrLen, int ErrPos,
                     int LineHeight, const TRect& R);

// The window-layering calls: the platform function's result, true when the
// platform has no such function (as here).
struct BLENDFUNCTION {
  uint8_t BlendOp = 0;
  uint8_t BlendFlags = 0;
  uint8_t SourceConstantAlpha = 255;
  uint8_t AlphaFormat = 0;
};
bool CallUpdateLayeredWindow(HWND Wnd, HDC DestDC, const TPoint* DestPoint, const TSize* Size, HDC SrcDC,
                             const TPoint* SrcPoint, TColor Key, const BLENDFUNCTION* Blend, unsigned Flags);
bool CallSetLayeredWindowAttributes(HWND Wnd, TColor Key, uint8_t Alpha, unsigned Flags);

// ---------------------------------------------------------------------------
// Progress bars and range indicators

// The complete part as a percentage 0..100 of Value between Min and Max;
// 0 when the range is empty or reversed.
int ProgressPercent(double Value, double Min, double Max);

// A bar filled from the left by the value, with its text centred: each
// part shows its piece of the text in its own colours. With a format
// holding "d" or "u" the text is the format of the rounded value, with
// another format the format of the value, and the fill is the value's
// place between Min and Max; without a format the text is the rounded
// value and "%", and the value is the percentage. Upward is for a canvas
// whose y grows upwards. A border in BorderColor (unless clNone) and a
// frame in the canvas's brush colour go round it.
void DrawProgressBar(TCanvas* ACanvas, const TRect& R, TColor CompleteColor, TColor CompleteFontColor,
                     TColor UnCompleteColor, TColor UnCompleteFontColor, double Value, int MarginX,
                     int MarginY, double Min, double Max, const std::string& Format, TColor BorderColor,
                     bool Upward);

// A pie over R filled clockwise from 12 o'clock by Percent (0..100).
void DrawProgressPie(TCanvas* ACanvas, const TRect& R, TColor FillColor, bool Upward, double Percent);

// The looks of the multi-level progress bar, as the grid's progress
// appearance gives them.
struct TProgressAppearanceRec {
  TColor Level0Color = 0x00FF00;
  TColor Level0ColorTo = 0xE1FFE1;
  TColor Level1Color = 0x00FFFF;
  TColor Level1ColorTo = 0xCAFFFF;
  TColor Level2Color = 0x53A9FF;
  TColor Level2ColorTo = 0xA8D3FF;
  TColor Level3Color = 0x0000FF;
  TColor Level3ColorTo = 0xCACAFF;
  int Level1Perc = 70;
  int Level2Perc = 90;
  TColor BorderColor = 0x000000;
  bool ShowBorder = false;
  bool Stacked = false;
  bool ShowPercentage = true;
  TFont* Font = nullptr;  // the text's font; the canvas font when none
  TColor CompleteFontColor = 0xFF0000;
  bool CompletionSmooth = true;
  bool ShowGradient = true;
  int Steps = 11;
  TColor UnCompleteColor = clNone;  // clNone: the bar's inside is not filled
  bool Vertical = false;
};

// Percent is limited to 0..100.
void DrawXPProgress(TCanvas* ACanvas, const TRect& R, int Percent, const TProgressAppearanceRec& Appearance);

// Grows from the middle of R to the right (positive) or left (negative) by
// Value's share of Range; Value is limited to -Range..Range and nothing
// grows with Range 0 or below. With ShowValue the value is written in the
// middle.
void DrawRangeIndicator(TCanvas* ACanvas, const TRect& R, int Value, TColor PositiveColor,
                        TColor NegativeColor, bool ShowValue, int Range);

// ---------------------------------------------------------------------------
// Cell shapes

enum TCellShape {
  csRectangle,
  csCircle,
  csTriangleLeft,
  csTriangleRight,
  csTriangleUp,
  csTriangleDown,
  csDiamond,
  csLineVert,
  csLineHorz,
  csRoundRect,
  csEllips,
  csSquare,
  csRoundSquare,
  csStar,
  csArrowUp,
  csArrowDown,
  csArrowLeft,
  csArrowRight,
  csHalfStar
};

// The shape in the area (X, Y) .. (X + W, Y + H); circles and squares take
// the smaller side. An unknown shape draws nothing.
void DrawCellShape(TCanvas* ACanvas, int X, int Y, TColor PenColor, TColor BrushColor, int Shape, int H,
                   int W);
