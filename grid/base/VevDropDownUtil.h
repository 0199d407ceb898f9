#pragma once
// Drawing and text routines of the drop-down controls, kept with the grid
// foundation because the grid's painting and panels use them as well
// (controls links grid, not the other way round): band gradients, colour
// mixing and shading, backgrounds with a border, image-and-caption
// drawing, glyphs on a colour, one-line text measuring and fitting, number
// text classification and hexadecimal text, and painting the graphic
// child controls of a windowed control into a device context.
//
// Plain functions without state. Colours are 0x00BBGGRR or system colours
// (resolved before any channel arithmetic); clNone means no colour, and a
// step in no colour is left out. Texts are UTF-8; "characters" are code
// points.
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/controls/Controls.h"
#include "framework/graphics/Graphics.h"

class TImageList;

// Steps bands from FromColor to ToColor over R, left to right with
// Horizontal, else top to bottom; 0 steps count as 1. Each band is drawn
// one pixel wider than its share so neighbours overlap. A clNone end
// fills solid in the other colour.
void DrawGradient(TCanvas* ACanvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                  bool Horizontal);

// Percent of C1 with the rest of C2; C1 itself from 100 on, C2 itself from
// 0 down.
TColor MixColors(TColor C1, TColor C2, int Percent);

// Each channel changed by its delta in percent: a negative delta darkens
// by that share; a positive one leaves non-zero channels as they are and
// lifts a zero channel to the delta.
TColor ShadeColor(TColor Color, int DeltaRed, int DeltaGreen, int DeltaBlue);

// R filled (an 80-band gradient when ColorTo is set, vertical meaning top
// to bottom), then framed with a pen of BorderWidth in BorderColor.
void DrawBackgroundAndBorder(TCanvas* ACanvas, const TRect& R, TColor Color, TColor ColorTo,
                             TColor BorderColor, int BorderWidth, bool Vertical);

// The image at R's left (4 pixels in, vertically centred) and the caption
// in one line after it, ellipsed; without an image the caption is centred.
void DrawImageText(TCanvas* ACanvas, const TRect& R, const std::string& Caption, int ImageIndex,
                   TImageList* Images);

// The bitmap at R with its transparent colour (that of its top-left pixel)
// replaced by Color.
void DrawGlyphOnColor(TCanvas* ACanvas, TBitmap* Bitmap, TColor Color, const TRect& R);

// Width and height of a one-line text; (0, 0) for an empty one.
TSize MeasureText(TCanvas* ACanvas, const std::string& Text);

// Text when it fits Width; else its longest start (with "..." when
// Ellipsis) narrower than Width; Text itself when nothing is.
std::string FitTextToWidth(TCanvas* ACanvas, const std::string& Text, int Width, bool Ellipsis);

// The size of a markup text in R, measured by the markup engine; with Draw
// on, the engine also draws it. Links in blue, shadows in grey; Source is
// the window the text is drawn for (inline controls take their looks from
// it), Images the source of "IDX:" images. (0, 0) for an empty text.
TSize MeasureMarkup(TCanvas* ACanvas, const std::string& Text, const TRect& R, uintptr_t Source, bool Draw,
                    TImageList* Images);

// ",", "-" and ";".
bool IsRangeSeparator(char32_t Ch);

enum TNumberTextClass : int {
  nkInteger = 0,
  nkFloat = 1,
  nkNotANumber = 2,
  nkHex = 5,
};
// The number kind of a text as the drop-down edits see it, with the
// locale's thousand and decimal separators.
int ClassifyNumberText(std::string_view Text);
// The text without the locale's thousand separator.
std::string StripThousandSeparators(std::string_view Text);
// "0".."9", "A".."F", "a".."f" as 0..15; any other character 0.
int HexDigitValue(char32_t Ch);
// Up to eight hexadecimal digits (leading zeros aside) read as a 32-bit
// number, "FFFFFFFF" being -1; a text with any other character, a minus
// included, or with more digits is no number and reads 0.
int32_t HexTextToInt(std::string_view Text);
// Text itself when case-sensitive, else upper-cased.
std::string CaseForCompare(std::string_view Text, bool CaseSensitive);

// The windowed control with its child painting callable from outside.
class TWinCtrl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  // Paints the graphic child controls of Control, from First on, into DC.
  static void PaintCtrls(TWinControl* Control, HDC DC, TControl* First);
};
