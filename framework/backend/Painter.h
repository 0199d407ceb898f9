#pragma once
// The narrow painter behind TCanvas, with the font measures and the image
// coding services of the backend. Drawing calls take logical coordinates:
// the painter maps them to the device by SetMapping. Clip
// regions and ReadPixels are in device coordinates. Colours reaching a
// painter are plain RGB (system colours resolved).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/Graphics.h"

class TRegion;

struct TPainterPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
};

struct TPainterBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  // Pattern pixels (a brush bitmap), tiled from the device origin.
  const TPixelData* Pattern = nullptr;
  // Hatch background: filled with BkColor when Opaque.
  bool Opaque = true;
  TColor BkColor = clWhite;
};

struct TPainterFont {
  std::string Name = "Tahoma";
  // Pixels: negative = character height, positive = cell height.
  int Height = -11;
  TFontStyles Style;
  TFontPitch Pitch = fpDefault;
  // Tenths of a degree, counter-clockwise.
  int Orientation = 0;
};

// One themed element: a class of the visual styles ("button"), a part and a
// state with the platform's numbers.
struct TThemeElement {
  std::string ClassName;
  int Part = 0;
  int State = 0;
};

enum TArcKind { akArc, akChord, akPie };

class TPainter {
 public:
  virtual ~TPainter() = default;

  // The canvas whose pen, brush, font, clip and origin the painter holds;
  // a canvas sharing the painter with another sends its state again.
  const void* StateOwner = nullptr;

  // False for a painter that only measures (drawing calls do nothing).
  virtual bool CanDraw() const = 0;
  virtual int PixelsPerInch() const { return 96; }
  // The device size (0 x 0 when unknown).
  virtual TSize DeviceSize() const { return {}; }

  virtual void SetPen(const TPainterPen& Pen) = 0;
  virtual void SetBrush(const TPainterBrush& Brush) = 0;
  virtual void SetFont(const TPainterFont& Font) = 0;
  // Clip in device coordinates; nullptr removes it.
  virtual void SetClip(const TRegion* Region) = 0;
  // device = (logical - WindowOrg) x scale + ViewportOrg; a negative
  // ScaleY (the metric mapping modes) makes y grow upwards. Text stays
  // upright whatever the scale.
  virtual void SetMapping(const TPoint& WindowOrg, const TPoint& ViewportOrg, double ScaleX,
                          double ScaleY) = 0;

  // Shapes follow the platform: right and bottom edges are exclusive, a
  // line leaves out its last pixel, the pen outlines and the brush fills.
  virtual void FillRect(const TRect& R) = 0;
  virtual void Rectangle(const TRect& R) = 0;
  virtual void RoundRect(const TRect& R, int CX, int CY) = 0;
  virtual void Ellipse(const TRect& R) = 0;
  virtual void ArcShape(TArcKind Kind, const TRect& R, const TPoint& Start, const TPoint& End) = 0;
  virtual void Polygon(const TPoint* Points, int Count) = 0;
  virtual void Polyline(const TPoint* Points, int Count) = 0;
  virtual void SetPixel(int X, int Y, TColor Color) = 0;
  // clNone when the device cannot be read.
  virtual TColor GetPixel(int X, int Y) = 0;
  virtual bool FloodFill(int X, int Y, TColor Color, TFillStyle Style) = 0;
  // The dotted focus frame, drawn by inverting (twice removes it).
  virtual void DrawFocusRect(const TRect& R) = 0;

  // Text with its cell's top-left corner at (X, Y), turned by the font's
  // orientation; an opaque background is filled with BkColor. Clip, when
  // given, limits the text (and the background) to that rectangle.
  virtual void TextOut(int X, int Y, const std::string& Text, TColor Color, bool Opaque, TColor BkColor,
                       const TRect* Clip) = 0;
  virtual TSize TextExtent(const std::string& Text) = 0;
  virtual TTextMetric TextMetrics() = 0;

  // SrcRect of Src into Dest (stretched when the sizes differ) with a raster
  // operation; KeyColor (when not clNone) marks pixels left out; Blend uses
  // the source's alpha.
  virtual void DrawImage(const TRect& Dest, const TPixelData& Src, const TRect& SrcRect, TCopyMode Rop,
                         TColor KeyColor, bool Blend) = 0;
  // Copies device pixels of R (device coordinates); false when unreadable.
  virtual bool ReadPixels(const TRect& R, TPixelData& Out) = 0;
  // A themed element in the look of the platform's visual styles.
  virtual void DrawThemeElement(const TThemeElement& Element, const TRect& R) = 0;
};

// A painter over a bitmap's pixel memory (24 or 32 bits a pixel). The memory
// must outlive the painter and keep its place.
std::unique_ptr<TPainter> CreateBitmapPainter(TPixelData& Pixels);
// The shared painter that measures text for canvases without a device.
TPainter* MeasuringPainter();

// Fixed text measures for tests that must not depend on installed fonts:
// every character is (h + 1) / 2 pixels wide and a line h + h / 4 + 1 high,
// h being the character height of the font.
void SetFixedTextMetrics(bool On);
bool FixedTextMetricsOn();
TSize FixedTextExtent(const TPainterFont& Font, const std::string& Text);
TTextMetric FixedTextMetric(const TPainterFont& Font);

// Image coding by the backend's readers: PNG, GIF (first frame), ICO, BMP,
// JPEG. Out gets 32-bit pixels (HasAlpha when the image has transparency).
// False when the bytes cannot be read.
bool DecodeImage(const uint8_t* Data, size_t Size, TPixelData& Out);
// Encodes pixels as Format ("PNG", "BMP"); empty on failure.
std::vector<uint8_t> EncodeImage(const TPixelData& Pixels, const std::string& Format);
