// The drawing routines of the drop-down controls.
#include <algorithm>

#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/Math.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevDropDownUtil.h"

namespace {
int Channel(TColor C, int Shift) { return (C >> Shift) & 0xFF; }
}  // namespace

void DrawGradient(TCanvas* ACanvas, TColor FromColor, TColor ToColor, int Steps, const TRect& Area,
                  bool Horizontal) {
  if (ACanvas == nullptr) return;
  // The count is a 16-bit number; none means one band.
  int steps = Steps & 0xFFFF;
  if (steps == 0) steps = 1;
  TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
  if (from == clNone || to == clNone) {
    const TColor solid = from == clNone ? to : from;
    if (solid == clNone) return;
    from = to = solid;
  }
  ACanvas->Pen()->SetStyle(psSolid);
  ACanvas->Pen()->SetWidth(1);
  ACanvas->Brush()->SetStyle(bsSolid);
  const double dr = static_cast<double>(Channel(to, 0) - Channel(from, 0)) / steps;
  const double dg = static_cast<double>(Channel(to, 8) - Channel(from, 8)) / steps;
  const double db = static_cast<double>(Channel(to, 16) - Channel(from, 16)) / steps;
  // The far edge only narrows the bands; the last one is not cut.
  const TRect& R = Area;
  const double w = Horizontal ? static_cast<double>(R.Right - 1 - R.Left) / steps
                              : static_cast<double>(R.Bottom - 1 - R.Top) / steps;
  const int bandWidth = static_cast<int>(Round(w)) + 1;
  for (int n = 0; n < steps; ++n) {
    const TColor c = RGB(Channel(from, 0) + static_cast<int>(Round(n * dr)),
                         Channel(from, 8) + static_cast<int>(Round(n * dg)),
                         Channel(from, 16) + static_cast<int>(Round(n * db)));
    ACanvas->Pen()->SetColor(c);
    ACanvas->Brush()->SetColor(c);
    const int o = static_cast<int>(Round(n * w));
    if (Horizontal) {
      ACanvas->Rectangle(R.Left + o, R.Top, R.Left + o + bandWidth, R.Bottom);
    } else {
      ACanvas->Rectangle(R.Left, R.Top + o, R.Right, R.Top + o + bandWidth);
    }
  }
}

TColor MixColors(TColor C1, TColor C2, int Percent) {
  if (Percent >= 100) return C1;
  if (Percent <= 0) return C2;
  const TColor a = ColorToRGB(C1), b = ColorToRGB(C2);
  const double x = Percent / 100.0;
  auto mix = [&](int Shift) {
    return static_cast<int>(Round(x * Channel(a, Shift) + (1 - x) * Channel(b, Shift)));
  };
  return RGB(mix(0), mix(8), mix(16));
}

TColor ShadeColor(TColor Color, int DeltaRed, int DeltaGreen, int DeltaBlue) {
  const TColor c = ColorToRGB(Color);
  auto shade = [](int Value, int Delta) {
    const std::int64_t v =
        Value != 0 ? Round(std::min(100, 100 + Delta) / 100.0 * Value) : std::max(0, Delta);
    return static_cast<int>(v & 0xFF);
  };
  return RGB(shade(Channel(c, 0), DeltaRed), shade(Channel(c, 8), DeltaGreen),
             shade(Channel(c, 16), DeltaBlue));
}

void DrawBackgroundAndBorder(TCanvas* ACanvas, const TRect& R, TColor Color, TColor ColorTo,
                             TColor BorderColor, int BorderWidth, bool Vertical) {
  if (ACanvas == nullptr) return;
  if (ColorTo != clNone) {
    DrawGradient(ACanvas, Color, ColorTo, 80, R, !Vertical);
  } else if (Color != clNone) {
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(Color);
    ACanvas->FillRect(R);
  }
  if (BorderColor != clNone && BorderWidth > 0) {
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Pen()->SetStyle(psSolid);
    ACanvas->Pen()->SetWidth(BorderWidth);
    ACanvas->Pen()->SetColor(BorderColor);
    ACanvas->Rectangle(R);
  }
}

void DrawImageText(TCanvas* ACanvas, const TRect& R, const std::string& Caption, int ImageIndex,
                   TImageList* Images) {
  if (ACanvas == nullptr) return;
  TRect textRect = R;
  bool withImage = false;
  if (ImageIndex >= 0 && Images != nullptr) {
    Images->Draw(ACanvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex);
    textRect.Left = R.Left + Images->Width() + 8;
    withImage = true;
  }
  if (Caption.empty()) return;
  unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  if (!withImage) flags |= DT_CENTER;
  DrawText(ACanvas->Handle(), Caption, textRect, flags);
}

void DrawGlyphOnColor(TCanvas* ACanvas, TBitmap* Bitmap, TColor Color, const TRect& R) {
  if (ACanvas == nullptr || Bitmap == nullptr || Bitmap->Empty()) return;
  TBitmap glyph(Bitmap->Width(), Bitmap->Height());
  TCanvas* g = glyph.Canvas();
  g->Brush()->SetStyle(bsSolid);
  g->Brush()->SetColor(Color);
  const TRect part(0, 0, R.Width(), R.Height());
  g->BrushCopy(part, Bitmap, part, Bitmap->PixelData().GetPixel(0, 0));
  ACanvas->CopyRect(R, g, part);
}

TSize MeasureMarkup(TCanvas* ACanvas, const std::string& Text, const TRect& R, uintptr_t Source, bool Draw,
                    TImageList* Images) {
  if (ACanvas == nullptr || Text.empty()) return TSize(0, 0);
  TMarkupParams p;
  p.ImageList = Images;
  p.LinkColor = 0xFF0000;
  p.ShadowColor = 0x808080;
  p.WindowHandle = Source;
  p.CheckHeight = !Draw;
  TMarkupResult res;
  DrawMarkup(ACanvas, Text, R, p, res);
  return TSize(res.XSize, res.YSize);
}

TSize MeasureText(TCanvas* ACanvas, const std::string& Text) {
  if (Text.empty()) return TSize(0, 0);
  TRect r(0, 0, 1000, 500);
  DrawText(ACanvas->Handle(), Text, r, DT_CALCRECT | DT_SINGLELINE);
  return TSize(r.Right, r.Bottom);
}

std::string FitTextToWidth(TCanvas* ACanvas, const std::string& Text, int Width, bool Ellipsis) {
  if (ACanvas->TextWidth(Text) <= Width) return Text;
  const std::u32string chars = Utf8ToUtf32(Text);
  for (size_t keep = chars.size(); keep-- > 0;) {
    std::string candidate = Utf32ToUtf8(chars.substr(0, keep));
    if (Ellipsis) candidate += "...";
    if (ACanvas->TextWidth(candidate) < Width) return candidate;
  }
  return Text;
}

void TWinCtrl::PaintCtrls(TWinControl* Control, HDC DC, TControl* First) {
  if (Control == nullptr) return;
  // A member of a class derived from TWinControl may name its protected
  // member; the call itself goes to the control given.
  void (TWinControl::*paint)(TCanvas*, TControl*) = &TWinCtrl::PaintControls;
  (Control->*paint)(DC, First);
}
