#include "controls/button/LbButtons.h"

#include <algorithm>
#include <memory>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/graphics/Gdi.h"
#include "framework/os/Resources.h"
#include "framework/rtl/Math.h"
#include "framework/rtl/Tick.h"

namespace {

const TLbColorStyleColors kPresets[] = {
    // lcsCustom: never applied.
    {},
    {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, 0, false, bsModern},            // lcsGold
    {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, 0, false, bsModern},              // lcsChrome
    {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, 0, false, bsModern},              // lcsBlue
    {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, 0, false, bsModern},              // lcsRed
    {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, 0, true, bsNormal},          // lcsUltraFlat1
    {clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, 0, true, bsNormal},          // lcsUltraFlat2
    {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, 0, true, bsNormal},           // lcsUltraFlatXP
    {0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, 0, false, bsModern},              // lcsAqua
    {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, 0, false, bsNormal},             // lcsDefault
    {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, bsQuicken},  // lcsQuicken
};
constexpr int kPresetCount = static_cast<int>(sizeof(kPresets) / sizeof(kPresets[0]));

// The caption without its last character (a whole UTF-8 sequence).
void DropLastCharacter(std::string& s) {
  if (s.empty()) return;
  size_t i = s.size() - 1;
  while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;
  s.erase(i);
}

int Channel(double v) { return static_cast<int>(std::clamp<int64_t>(Round(v), 0, 255)); }

// The pop-up mark is the same picture for every button.
// Kept for the whole run: freeing it at exit could outlive the painters.
TBitmap* PopupArrow() {
  static TBitmap* arrow = [] {
    auto* b = new TBitmap();
    LoadLbButtonResource(b, "LBARROW");
    b->SetTransparent(true);
    return b;
  }();
  return arrow;
}

// Where caption and glyph go, and how wide the caption may be.
struct TPlacement {
  int TextLeft = 0;
  int TextTop = 0;
  int TextWidth = 0;
  int GlyphLeft = 0;
  int GlyphTop = 0;
};

// The text width available to the caption in every style but bsShape.
int AvailableTextWidth(int W, TLbButtonLayout Layout, int CellWidth) {
  if (Layout == TLbButtonLayout::blGlyphLeft || Layout == TLbButtonLayout::blGlyphRight) {
    int w = W - 8;
    if (CellWidth > 0) w -= CellWidth + 4;
    return std::max(0, w);
  }
  return std::max(0, W - 8);
}

TPlacement PlaceContents(int W, int H, int o, TAlignment Alignment, TLbButtonLayout Layout, bool WordWrap,
                         int TextHeight, int CaptionWidth, int CellWidth, int CellHeight, int Available) {
  TPlacement p;
  p.TextLeft = o + 4;
  p.TextWidth = Available;
  switch (Layout) {
    case TLbButtonLayout::blGlyphLeft:
    case TLbButtonLayout::blGlyphRight: {
      p.TextTop = (H - TextHeight) / 2 + o;
      p.GlyphTop = (H - CellHeight) / 2 + o;
      int c = CaptionWidth;
      if (Layout == TLbButtonLayout::blGlyphLeft) {
        if (CellWidth > 0) p.TextLeft += CellWidth + 4;
        p.GlyphLeft = o + 4;
        if (!WordWrap) {
          if (Alignment == taRightJustify)
            p.GlyphLeft = W - 4 - CellWidth - c + o;
          else if (Alignment == taCenter)
            p.GlyphLeft = (W - CellWidth) / 2 + o - c / 2;
        }
      } else {
        p.GlyphLeft = o + 4 + c;
        if (!WordWrap) {
          if (Alignment == taRightJustify)
            p.GlyphLeft = W - 4 + o - CellWidth;
          else if (Alignment == taCenter)
            p.GlyphLeft = (W - CellWidth) / 2 + o + c / 2;
        }
      }
      break;
    }
    case TLbButtonLayout::blGlyphTop:
    case TLbButtonLayout::blGlyphBottom: {
      int b = TextHeight + (CellHeight > 0 ? CellHeight + 4 : 0);
      if (Layout == TLbButtonLayout::blGlyphTop) {
        p.TextTop = (H - b) / 2 + CellHeight + o;
        p.GlyphTop = (H - b) / 2 + o;
      } else {
        p.TextTop = (H - b) / 2 + o;
        p.GlyphTop = (H - b) / 2 + TextHeight + o;
      }
      if (Alignment == taRightJustify)
        p.GlyphLeft = W - CellWidth - 4 + o;
      else if (Alignment == taCenter)
        p.GlyphLeft = (W - CellWidth) / 2 + o;
      else
        p.GlyphLeft = o + 4;
      break;
    }
  }
  return p;
}

void DrawFrame(TCanvas* C, int W, int H, TLbButtonStyle Style, TColor Face, TColor Light, TColor Shadow,
               bool Flat, bool Enabled, bool Hot, bool Pressed) {
  TPen* pen = C->Pen();
  bool framed = !Flat || (Enabled && (Hot || Pressed));
  switch (Style) {
    case bsNormal:
    case bsEncarta:
      if (!framed) break;
      pen->SetColor(Pressed ? Shadow : Light);
      C->MoveTo(0, H - 1);
      C->LineTo(0, 0);
      C->LineTo(W - 1, 0);
      pen->SetColor(Pressed ? Light : Shadow);
      C->LineTo(W - 1, H - 1);
      C->LineTo(0, H - 1);
      break;
    case bsOld:
      if (!framed) break;
      pen->SetColor(Shadow);
      if (Pressed) {
        C->MoveTo(1, H - 3);
        C->LineTo(1, 1);
        C->LineTo(W - 2, 1);
      } else {
        C->MoveTo(W - 2, 0);
        C->LineTo(W - 2, H - 2);
        C->LineTo(0, H - 2);
      }
      pen->SetColor(Pressed ? cl3DDkShadow : Light);
      C->MoveTo(0, H - 1);
      C->LineTo(0, 0);
      C->LineTo(W - 1, 0);
      pen->SetColor(Pressed ? Light : cl3DDkShadow);
      C->LineTo(W - 1, H - 1);
      C->LineTo(-1, H - 1);
      break;
    case bsModern:
      pen->SetColor(Pressed ? Shadow : Face);
      C->Rectangle(1, 1, W - 1, H - 1);
      pen->SetColor(Shadow);
      C->RoundRect(0, 0, W, H, 6, 6);
      break;
    case bsQuicken:
      pen->SetStyle(psClear);
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(Face);
      C->RoundRect(0, 1, W, H, 4, 4);
      C->Brush()->SetStyle(bsClear);
      pen->SetStyle(psSolid);
      pen->SetColor(Shadow);
      C->MoveTo(4, 0);
      C->LineTo(W - 5, 0);
      C->MoveTo(4, H - 1);
      C->LineTo(W - 5, H - 1);
      break;
    case bsShape:
      break;
  }
}

}  // namespace

bool GetColorStyleColors(TLbColorStyle Style, TLbColorStyleColors& Colors) {
  int i = static_cast<int>(Style) & 0x7F;
  if (i == lcsCustom || i >= kPresetCount) return false;
  Colors = kPresets[i];
  return true;
}

TColor MixHotTrackColor(TColor Face, TColor HotTrack, int Step) {
  TColor f = ColorToRGB(Face);
  TColor h = ColorToRGB(HotTrack);
  double w = Step / 8.0;
  auto mix = [w](int a, int b) { return Channel(a * (1 - w) + b * w); };
  return RGB(mix(GetRValue(f), GetRValue(h)), mix(GetGValue(f), GetGValue(h)),
             mix(GetBValue(f), GetBValue(h)));
}

void DrawBandGradient(TCanvas* Canvas, TColor StartColor, TColor EndColor, const TRect& R) {
  TColor from = ColorToRGB(StartColor);
  TColor to = ColorToRGB(EndColor);
  int h = R.Bottom - R.Top;
  int band = h / 31 + 1;
  double r = GetRValue(from), g = GetGValue(from), b = GetBValue(from);
  double dr = (GetRValue(to) - r) / 31, dg = (GetGValue(to) - g) / 31, db = (GetBValue(to) - b) / 31;
  TPenStyle oldPen = Canvas->Pen()->Style();
  Canvas->Pen()->SetStyle(psClear);
  Canvas->Brush()->SetStyle(bsSolid);
  for (int i = 0; i < 32; ++i) {
    Canvas->Brush()->SetColor(RGB(Channel(r), Channel(g), Channel(b)));
    int top = R.Top + i * h / 31;
    Canvas->FillRect(TRect(R.Left, top, R.Right, std::min(R.Bottom, top + band)));
    r += dr;
    g += dg;
    b += db;
  }
  Canvas->Pen()->SetStyle(oldPen);
}

void DrawGlyphCell(TCanvas* Canvas, TBitmap* Glyph, int Index, int CellWidth, int X, int Y) {
  if (Glyph == nullptr || Glyph->Empty() || CellWidth <= 0) return;
  int h = Glyph->Height();
  TBitmap cell(CellWidth, h);
  TRect from(Index * CellWidth, 0, Index * CellWidth + CellWidth, h);
  cell.Canvas()->CopyRect(TRect(0, 0, CellWidth, h), Glyph->Canvas(), from);
  cell.SetTransparentMode(tmAuto);
  cell.SetTransparent(true);
  Canvas->Draw(X, Y, &cell);
}

void DrawLbButton(TCanvas* Canvas, int W, int H, TAlignment Alignment, const std::string& Caption,
                  TLbButtonLayout Layout, TFont* Font, TColor ShadowColor, TColor LightColor,
                  TColor HotTrackColor, TColor ColorWhenDown, TColor Color, TLbButtonStyle Style,
                  bool HasPopupMenu, bool WordWrap, bool Flat, bool Enabled, bool NoFill, bool Hot, bool Down,
                  TBitmap* Glyph, int NumGlyphs, int HotTrackStep) {
  TCanvas* C = Canvas;
  const bool pressed = Down && Enabled;
  const int o = pressed && Style != bsEncarta ? 1 : 0;

  TColor face = Color;
  if (Enabled && HotTrackColor != clNone) face = MixHotTrackColor(Color, HotTrackColor, HotTrackStep);
  if (pressed && ColorWhenDown != clNone) face = ColorWhenDown;

  if (!NoFill) {
    switch (Style) {
      case bsShape:
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(clLbTransparent);
        C->Rectangle(-1, -1, W + 1, H + 1);
        break;
      case bsNormal:
      case bsEncarta:
      case bsOld:
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(face);
        C->Rectangle(-1, -1, W + 1, H + 1);
        break;
      case bsModern:
        DrawBandGradient(C, LightColor, face, TRect(2, 2, W - 2, H / 4 + o));
        DrawBandGradient(C, face, LightColor, TRect(2, H / 4 + o, W - 2, H - 1));
        break;
      case bsQuicken:
        break;
    }
  }

  C->Brush()->SetStyle(bsClear);
  C->Pen()->SetStyle(psSolid);
  DrawFrame(C, W, H, Style, face, LightColor, ShadowColor, Flat, Enabled, Hot, pressed);

  if (Font != nullptr) C->SetFont(Font);
  if (Style == bsEncarta && pressed) C->Font()->SetStyle(C->Font()->Style() << fsBold);

  // Glyph cell by state; a strip without that cell shows its first one.
  int cellW = NumGlyphs > 0 && Glyph != nullptr ? Glyph->Width() / NumGlyphs : 0;
  int cellH = Glyph != nullptr ? Glyph->Height() : 0;
  int index = 0;
  if (!Enabled) {
    index = 1;
  } else {
    if (Hot && NumGlyphs > 3) index = 3;
    if (pressed && NumGlyphs > 2) index = 2;
  }
  if (index >= NumGlyphs) index = 0;

  unsigned format = DT_WORDBREAK;
  if (Alignment == taRightJustify)
    format |= DT_RIGHT;
  else if (Alignment == taCenter)
    format |= DT_CENTER;

  const int available = Style == bsShape ? std::max(0, W - 8) : AvailableTextWidth(W, Layout, cellW);
  std::string caption = Caption;
  if (!WordWrap)
    while (!caption.empty() && C->TextWidth(caption) > available) DropLastCharacter(caption);
  TRect calc(0, 0, available, 0);
  DrawText(C, caption, calc, format | DT_CALCRECT);
  const int textHeight = calc.Bottom - calc.Top;

  if (Style == bsShape) {
    if (cellW > 0) DrawGlyphCell(C, Glyph, index, cellW, (W - cellW) / 2, (H - cellH) / 2);
    TRect r(o, (H - textHeight) / 2 + o, W, H);
    DrawText(C, caption, r, DT_WORDBREAK | DT_CENTER);
  } else {
    int captionWidth = caption.empty() ? 0 : C->TextWidth(caption) + 4;
    TPlacement p = PlaceContents(W, H, o, Alignment, Layout, WordWrap, textHeight, captionWidth, cellW, cellH,
                                 available);
    if (!Enabled) C->Font()->SetColor(clGray);
    TRect r(p.TextLeft, p.TextTop, p.TextLeft + p.TextWidth, p.TextTop + textHeight);
    DrawText(C, caption, r, format);
    if (cellW > 0) DrawGlyphCell(C, Glyph, index, cellW, p.GlyphLeft, p.GlyphTop);
  }

  if (HasPopupMenu) C->Draw(W - 11, H / 2 - 1, PopupArrow());
}

void LoadLbButtonResource(TBitmap* Bitmap, const std::string& Name) {
  const std::string_view* res = FindEmbeddedResource("pictures/lbbutton/" + Name + ".bmp");
  if (res == nullptr) throw EResNotFound("Resource " + Name + " not found");
  Bitmap->LoadFromBytes(reinterpret_cast<const uint8_t*>(res->data()), res->size());
}

// ---- TLbButtonThread ----

TLbButtonThread::TLbButtonThread(TNotifyEvent DoNotify, TObject* Button)
    : FNotify(std::move(DoNotify)), FButton(Button) {
  SetFreeOnTerminate(true);
}

void TLbButtonThread::Execute() {
  while (!Terminated()) {
    ::Sleep(TickMs);
    Synchronize([this] { DoEvent(); });
  }
}

void TLbButtonThread::DoEvent() {
  if (FNotify) FNotify(this);
}
