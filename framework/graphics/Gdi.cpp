// DC routines over the canvas: 3-D edges, classic frame controls, regions,
// block transfers and the DC state calls.
#include "framework/graphics/Gdi.h"

#include <algorithm>
#include <cstdlib>

#include "framework/backend/Painter.h"
#include "framework/graphics/CanvasCall.h"

// ---------------------------------------------------------------------------
// 3-D edges
namespace {
struct EdgeColors {
  TColor lt = clNone, rb = clNone;
};

EdgeColors OuterColors(unsigned edge, unsigned flags) {
  EdgeColors c;
  if (flags & BF_MONO) return {clWindowFrame, clWindowFrame};
  if (flags & BF_FLAT) return {clBtnShadow, clBtnShadow};
  bool soft = flags & BF_SOFT;
  if (edge & BDR_RAISEDOUTER) c = {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
  if (edge & BDR_SUNKENOUTER) c = {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
  return c;
}

EdgeColors InnerColors(unsigned edge, unsigned flags) {
  EdgeColors c;
  if (flags & BF_MONO) return {clWindow, clWindow};
  if (flags & BF_FLAT) return {clBtnFace, clBtnFace};
  bool soft = flags & BF_SOFT;
  if (edge & BDR_RAISEDINNER) c = {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
  if (edge & BDR_SUNKENINNER) c = {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
  return c;
}

// One 1-pixel ring of R on the sides of flags; top and left stop one pixel
// short of the far corner, which belongs to the bottom and right lines.
void Ring(TCanvas* dc, const TRect& R, unsigned flags, const EdgeColors& c) {
  if (R.Right <= R.Left || R.Bottom <= R.Top) return;
  if (flags & BF_TOP) dc->FillSolidRect({R.Left, R.Top, R.Right - 1, R.Top + 1}, c.lt);
  if (flags & BF_LEFT) dc->FillSolidRect({R.Left, R.Top, R.Left + 1, R.Bottom - 1}, c.lt);
  if (flags & BF_RIGHT) dc->FillSolidRect({R.Right - 1, R.Top, R.Right, R.Bottom}, c.rb);
  if (flags & BF_BOTTOM) dc->FillSolidRect({R.Left, R.Bottom - 1, R.Right, R.Bottom}, c.rb);
}

void Shrink(TRect& R, unsigned flags) {
  if (flags & BF_LEFT) ++R.Left;
  if (flags & BF_TOP) ++R.Top;
  if (flags & BF_RIGHT) --R.Right;
  if (flags & BF_BOTTOM) --R.Bottom;
}
}  // namespace

bool DrawEdge(HDC DC, TRect& R, unsigned Edge, unsigned Flags) {
  if (!DC) return false;
  TCanvasCallScope s(DC, "DrawEdge", [&](TCanvasCall& c) {
    c.Rect = R;
    c.Param1 = static_cast<int>(Edge);
    c.Flags = Flags;
  });
  bool hasOuter = Edge & BDR_OUTER, hasInner = Edge & BDR_INNER;
  TRect inner = R;
  if (!(Flags & BF_DIAGONAL)) {
    // A lone inner edge sits on the border, as a lone outer one does.
    if (hasOuter) {
      Ring(DC, inner, Flags, OuterColors(Edge, Flags));
      Shrink(inner, Flags);
    }
    if (hasInner) {
      Ring(DC, inner, Flags, InnerColors(Edge, Flags));
      Shrink(inner, Flags);
    }
  } else {
    if (hasOuter) Shrink(inner, Flags);
    if (hasInner) Shrink(inner, Flags);
  }
  if (Flags & BF_MIDDLE) DC->FillSolidRect(inner, (Flags & BF_MONO) ? clWindow : clBtnFace);
  if (Flags & BF_ADJUST) R = inner;
  return true;
}

// ---------------------------------------------------------------------------
// Frame controls
namespace {
TRect SquareIn(const TRect& R) {
  int w = R.Width(), h = R.Height(), s = std::min(w, h);
  int l = R.Left + (w - s) / 2, t = R.Top + (h - s) / 2;
  return {l, t, l + s, t + s};
}

// A filled triangle pointing Dir ('u', 'd', 'l', 'r') centred at (cx, cy).
void Arrow(TCanvas* dc, int cx, int cy, int half, char dir, TColor color) {
  for (int i = 0; i <= half; ++i) {
    int len = 2 * (half - i) + 1;
    switch (dir) {
      case 'd':
        dc->FillSolidRect({cx - (half - i), cy - half / 2 + i, cx - (half - i) + len, cy - half / 2 + i + 1},
                          color);
        break;
      case 'u':
        dc->FillSolidRect({cx - (half - i), cy + half / 2 - i, cx - (half - i) + len, cy + half / 2 - i + 1},
                          color);
        break;
      case 'r':
        dc->FillSolidRect({cx - half / 2 + i, cy - (half - i), cx - half / 2 + i + 1, cy - (half - i) + len},
                          color);
        break;
      default:
        dc->FillSolidRect({cx + half / 2 - i, cy - (half - i), cx + half / 2 - i + 1, cy - (half - i) + len},
                          color);
        break;
    }
  }
}

void Checker(TCanvas* dc, const TRect& R) {
  for (int y = R.Top; y < R.Bottom; ++y)
    for (int x = R.Left; x < R.Right; ++x)
      if (((x + y) & 1) == 0) dc->FillSolidRect({x, y, x + 1, y + 1}, clBtnHighlight);
}

void ButtonFace(TCanvas* dc, TRect& R, unsigned state) {
  bool down = state & (DFCS_PUSHED | DFCS_CHECKED);
  unsigned flags = BF_RECT | BF_ADJUST;
  if (state & DFCS_FLAT)
    flags |= BF_FLAT;
  else if (state & DFCS_MONO)
    flags |= BF_MONO;
  else
    flags |= BF_SOFT;
  if (!(state & DFCS_TRANSPARENT)) flags |= BF_MIDDLE;
  DrawEdge(dc, R, down ? EDGE_SUNKEN : EDGE_RAISED, flags);
  if ((state & DFCS_CHECKED) && !(state & DFCS_PUSHED) && !(state & DFCS_TRANSPARENT)) Checker(dc, R);
}

void CheckMark(TCanvas* dc, const TRect& box, TColor color) {
  // The classic 7 x 7 tick, three pixels thick, scaled up for big boxes.
  int s = std::max(1, box.Width() / 9);
  int w = 7 * s;
  int x0 = box.Left + (box.Width() - w) / 2, y0 = box.Top + (box.Height() - w) / 2;
  static const int top[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int i = 0; i < 7; ++i)
    dc->FillSolidRect({x0 + i * s, y0 + top[i] * s, x0 + (i + 1) * s, y0 + (top[i] + 3) * s}, color);
}

void DrawCheckBox(TCanvas* dc, const TRect& R, unsigned state) {
  TRect box = SquareIn(R);
  unsigned flags = BF_RECT | BF_ADJUST;
  if (state & DFCS_FLAT)
    flags |= BF_FLAT;
  else if (state & DFCS_MONO)
    flags |= BF_MONO;
  DrawEdge(dc, box, EDGE_SUNKEN, flags);
  bool mixed = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
  TColor back = (state & (DFCS_INACTIVE | DFCS_PUSHED)) || mixed ? clBtnFace : clWindow;
  if (!(state & DFCS_TRANSPARENT)) dc->FillSolidRect(box, back);
  if (state & DFCS_CHECKED) {
    TColor mark = mixed ? clBtnShadow : ((state & DFCS_INACTIVE) ? clGrayText : clWindowText);
    CheckMark(dc, box, mark);
  }
}

void DrawRadio(TCanvas* dc, const TRect& R, unsigned state) {
  TRect box = SquareIn(R);
  int saved = dc->SaveDC();
  TBrush* b = dc->Brush();
  TPen* p = dc->Pen();
  p->SetStyle(psSolid);
  p->SetWidth(1);
  bool flat = state & (DFCS_FLAT | DFCS_MONO);
  TColor back = (state & (DFCS_INACTIVE | DFCS_PUSHED)) ? clBtnFace : clWindow;
  if (flat) {
    p->SetColor((state & DFCS_MONO) ? clWindowFrame : clBtnShadow);
    b->SetColor(back);
    dc->Ellipse(box);
  } else {
    // Outer ring: shadow top-left, highlight bottom-right; inner ring darker.
    b->SetColor(back);
    p->SetColor(clBtnHighlight);
    dc->Ellipse(box);
    p->SetColor(clBtnShadow);
    dc->Arc(box.Left, box.Top, box.Right, box.Bottom, box.Right, box.Top, box.Left, box.Bottom);
    TRect in = box;
    InflateRect(in, -1, -1);
    p->SetColor(cl3DLight);
    b->SetStyle(bsClear);
    dc->Ellipse(in);
    p->SetColor(cl3DDkShadow);
    dc->Arc(in.Left, in.Top, in.Right, in.Bottom, in.Right, in.Top, in.Left, in.Bottom);
  }
  if (state & DFCS_CHECKED) {
    int d = std::max(2, box.Width() / 3);
    TRect dot{box.Left + (box.Width() - d) / 2, box.Top + (box.Height() - d) / 2, 0, 0};
    dot.Right = dot.Left + d;
    dot.Bottom = dot.Top + d;
    TColor mark = (state & DFCS_INACTIVE) ? clGrayText : clWindowText;
    b->SetStyle(bsSolid);
    b->SetColor(mark);
    p->SetColor(mark);
    dc->Ellipse(dot);
  }
  dc->RestoreDC(saved);
}

void DrawScroll(TCanvas* dc, TRect& R, unsigned state) {
  unsigned kind = state & 0xFF;
  if (kind == DFCS_SCROLLSIZEGRIP) {
    if (!(state & DFCS_TRANSPARENT)) dc->FillSolidRect(R, clBtnFace);
    for (int k = 0; k < 3; ++k) {
      int off = 4 * k + 2;
      for (int i = 0; i < off; ++i) {
        int x = R.Right - 1 - i, y = R.Bottom - off + i;
        dc->FillSolidRect({x, y, x + 1, y + 1}, clBtnHighlight);
        dc->FillSolidRect({x - 1, y + 1, x, y + 2}, clBtnShadow);
      }
    }
    return;
  }
  TRect face = R;
  bool pushed = state & DFCS_PUSHED;
  if (pushed && !(state & DFCS_FLAT)) {
    // A pressed scroll button shows one flat frame.
    DrawEdge(dc, face, BDR_SUNKENOUTER, BF_RECT | BF_FLAT | BF_ADJUST | BF_MIDDLE);
  } else {
    ButtonFace(dc, face, state & ~DFCS_CHECKED);
  }
  int size = std::min(R.Width(), R.Height());
  int half = std::max(1, (size - 4) / 4);
  int cx = R.Left + R.Width() / 2 + (pushed ? 1 : 0), cy = R.Top + R.Height() / 2 + (pushed ? 1 : 0);
  char dir = kind == DFCS_SCROLLUP      ? 'u'
             : kind == DFCS_SCROLLLEFT  ? 'l'
             : kind == DFCS_SCROLLRIGHT ? 'r'
                                        : 'd';
  if (state & DFCS_INACTIVE) {
    Arrow(dc, cx + 1, cy + 1, half, dir, clBtnHighlight);
    Arrow(dc, cx, cy, half, dir, clBtnShadow);
  } else {
    Arrow(dc, cx, cy, half, dir, clBtnText);
  }
  if (state & DFCS_ADJUSTRECT) R = face;
}

void DrawCaption(TCanvas* dc, TRect& R, unsigned state) {
  TRect face = R;
  ButtonFace(dc, face, state);
  TColor c = (state & DFCS_INACTIVE) ? clGrayText : clBtnText;
  int s = std::max(2, std::min(face.Width(), face.Height()) / 2);
  int l = face.Left + (face.Width() - s) / 2, t = face.Top + (face.Height() - s) / 2;
  switch (state & 0xF) {
    case DFCS_CAPTIONCLOSE:
      for (int i = 0; i < s; ++i) {
        dc->FillSolidRect({l + i, t + i, l + i + 2, t + i + 1}, c);
        dc->FillSolidRect({l + s - 1 - i, t + i, l + s + 1 - i, t + i + 1}, c);
      }
      break;
    case DFCS_CAPTIONMIN:
      dc->FillSolidRect({l, t + s - 2, l + s, t + s}, c);
      break;
    default:
      dc->FillSolidRect({l, t, l + s, t + 2}, c);
      dc->FillSolidRect({l, t, l + 1, t + s}, c);
      dc->FillSolidRect({l + s - 1, t, l + s, t + s}, c);
      dc->FillSolidRect({l, t + s - 1, l + s, t + s}, c);
      break;
  }
  if (state & DFCS_ADJUSTRECT) R = face;
}

void DrawMenuMark(TCanvas* dc, const TRect& R, unsigned state) {
  TColor c = (state & DFCS_INACTIVE) ? clGrayText : clMenuText;
  switch (state & 0xF) {
    case DFCS_MENUARROW:
      Arrow(dc, R.Left + R.Width() / 2, R.Top + R.Height() / 2, std::max(1, R.Height() / 4), 'r', c);
      break;
    case DFCS_MENUCHECK:
      CheckMark(dc, R, c);
      break;
    default: {
      int d = std::max(2, R.Height() / 3);
      int l = R.Left + (R.Width() - d) / 2, t = R.Top + (R.Height() - d) / 2;
      dc->FillSolidRect({l, t, l + d, t + d}, c);
      break;
    }
  }
}
}  // namespace

bool DrawFrameControl(HDC DC, TRect& R, unsigned Type, unsigned State) {
  if (!DC) return false;
  TCanvasCallScope s(DC, "DrawFrameControl", [&](TCanvasCall& c) {
    c.Rect = R;
    c.Param1 = static_cast<int>(Type);
    c.Flags = State;
  });
  switch (Type) {
    case DFC_BUTTON:
      if (State & DFCS_BUTTONPUSH) {
        TRect face = R;
        ButtonFace(DC, face, State);
        if (State & DFCS_ADJUSTRECT) R = face;
      } else if (State & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
        DrawRadio(DC, R, State);
      } else {
        DrawCheckBox(DC, R, State);
      }
      return true;
    case DFC_SCROLL:
      DrawScroll(DC, R, State);
      return true;
    case DFC_CAPTION:
      DrawCaption(DC, R, State);
      return true;
    case DFC_MENU:
    case DFC_POPUPMENU:
      DrawMenuMark(DC, R, State);
      return true;
    default:
      return false;
  }
}

bool DrawFocusRect(HDC DC, const TRect& R) {
  if (!DC) return false;
  DC->DrawFocusRect(R);
  return true;
}

bool GradientFill(HDC DC, const TRect& R, TColor C1, TColor C2, unsigned Mode) {
  if (!DC || IsRectEmpty(R)) return false;
  TCanvasCallScope s(DC, "GradientFill", [&](TCanvasCall& c) {
    c.Rect = R;
    c.Param1 = C1;
    c.Param2 = C2;
    c.Flags = Mode;
  });
  TColor a = ColorToRGB(C1), b = ColorToRGB(C2);
  bool vertical = Mode == GRADIENT_FILL_RECT_V;
  int n = vertical ? R.Height() : R.Width();
  for (int i = 0; i < n; ++i) {
    auto ch = [&](int ca, int cb) { return n > 1 ? ca + (cb - ca) * i / (n - 1) : ca; };
    TColor c =
        RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)), ch(GetBValue(a), GetBValue(b)));
    if (vertical)
      DC->FillSolidRect({R.Left, R.Top + i, R.Right, R.Top + i + 1}, c);
    else
      DC->FillSolidRect({R.Left + i, R.Top, R.Left + i + 1, R.Bottom}, c);
  }
  return true;
}

// ---------------------------------------------------------------------------
// DC state
int SetBkMode(HDC DC, int Mode) { return DC ? DC->SetBkMode(Mode) : 0; }
int GetBkMode(HDC DC) { return DC ? DC->BkMode() : 0; }
TColor SetBkColor(HDC DC, TColor Color) { return DC ? DC->SetBkColor(Color) : clNone; }
TColor GetBkColor(HDC DC) { return DC ? DC->BkColor() : clNone; }
TColor SetTextColor(HDC DC, TColor Color) { return DC ? DC->SetTextColor(Color) : clNone; }
TColor GetTextColor(HDC DC) { return DC ? DC->TextColor() : clNone; }
int SaveDC(HDC DC) { return DC ? DC->SaveDC() : 0; }
bool RestoreDC(HDC DC, int SavedDC) { return DC && DC->RestoreDC(SavedDC); }

bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old) {
  if (!DC) return false;
  if (Old) *Old = DC->WindowOrg();
  DC->SetWindowOrg({X, Y});
  return true;
}
bool GetWindowOrgEx(HDC DC, TPoint* Org) {
  if (!DC) return false;
  if (Org) *Org = DC->WindowOrg();
  return true;
}
bool OffsetWindowOrgEx(HDC DC, int DX, int DY, TPoint* Old) {
  if (!DC) return false;
  TPoint o = DC->WindowOrg();
  if (Old) *Old = o;
  DC->SetWindowOrg({o.X + DX, o.Y + DY});
  return true;
}
bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old) {
  if (!DC) return false;
  if (Old) *Old = DC->ViewportOrg();
  DC->SetViewportOrg({X, Y});
  return true;
}
bool GetViewportOrgEx(HDC DC, TPoint* Org) {
  if (!DC) return false;
  if (Org) *Org = DC->ViewportOrg();
  return true;
}
bool OffsetViewportOrgEx(HDC DC, int DX, int DY, TPoint* Old) {
  if (!DC) return false;
  TPoint o = DC->ViewportOrg();
  if (Old) *Old = o;
  DC->SetViewportOrg({o.X + DX, o.Y + DY});
  return true;
}
int SetMapMode(HDC DC, int Mode) { return DC ? DC->SetMapMode(Mode) : 0; }
int GetMapMode(HDC DC) { return DC ? DC->MapMode() : 0; }
bool DPtoLP(HDC DC, TPoint* Points, int Count) {
  if (!DC || (!Points && Count > 0)) return false;
  for (int i = 0; i < Count; ++i) Points[i] = DC->DeviceToLogical(Points[i]);
  return true;
}
bool LPtoDP(HDC DC, TPoint* Points, int Count) {
  if (!DC || (!Points && Count > 0)) return false;
  for (int i = 0; i < Count; ++i) Points[i] = DC->LogicalToDevice(Points[i]);
  return true;
}
bool GetTextExtentPoint32(HDC DC, const std::string& Text, TSize& Size) {
  if (!DC) return false;
  Size = DC->TextExtent(Text);
  return true;
}
bool GetTextMetrics(HDC DC, TTextMetric& TM) {
  if (!DC) return false;
  TM = DC->TextMetrics();
  return true;
}

int GetDeviceCaps(HDC DC, int Index) {
  if (!DC) return 0;
  switch (Index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
      return DC->PixelsPerInch();
    case HORZRES:
      return DC->DeviceSize().cx;
    case VERTRES:
      return DC->DeviceSize().cy;
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;
    default:
      return 0;
  }
}

// ---------------------------------------------------------------------------
// Text output and shapes
bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* R, const std::string& Text) {
  if (!DC) return false;
  TCanvasCallScope s(DC, "ExtTextOut", [&](TCanvasCall& c) {
    c.Points = {{X, Y}};
    if (R) c.Rect = *R;
    c.Text = Text;
    c.Flags = Options;
  });
  if ((Options & ETO_OPAQUE) && R) DC->FillSolidRect(*R, DC->BkColor());
  DC->TextOutClipped(X, Y, Text, (Options & ETO_CLIPPED) ? R : nullptr);
  return true;
}
bool TextOut(HDC DC, int X, int Y, const std::string& Text) { return ExtTextOut(DC, X, Y, 0, nullptr, Text); }

bool MoveToEx(HDC DC, int X, int Y, TPoint* Old) {
  if (!DC) return false;
  if (Old) *Old = DC->PenPos();
  DC->MoveTo(X, Y);
  return true;
}
bool LineTo(HDC DC, int X, int Y) {
  if (!DC) return false;
  DC->LineTo(X, Y);
  return true;
}
bool Rectangle(HDC DC, int Left, int Top, int Right, int Bottom) {
  if (!DC) return false;
  DC->Rectangle(Left, Top, Right, Bottom);
  return true;
}
bool Polygon(HDC DC, const TPoint* Points, int Count) {
  if (!DC) return false;
  DC->Polygon(Points, Count);
  return true;
}
bool Polyline(HDC DC, const TPoint* Points, int Count) {
  if (!DC) return false;
  DC->Polyline(Points, Count);
  return true;
}
TColor SetPixel(HDC DC, int X, int Y, TColor Color) {
  if (!DC) return clNone;
  DC->SetPixels(X, Y, Color);
  return ColorToRGB(Color);
}
TColor GetPixel(HDC DC, int X, int Y) { return DC ? DC->Pixels(X, Y) : clNone; }

HBRUSH CreateSolidBrush(TColor Color) { return HBRUSH{Color}; }
HBRUSH GetSysColorBrush(int Index) { return HBRUSH{static_cast<TColor>(0xFF000000u | (Index & 0xFF))}; }
bool DeleteObject(HBRUSH) { return true; }

int FillRect(HDC DC, const TRect& R, HBRUSH Brush) {
  if (!DC || Brush.Color == clNone) return 0;
  DC->FillSolidRect(R, Brush.Color);
  return 1;
}

int FrameRect(HDC DC, const TRect& R, HBRUSH Brush) {
  if (!DC || Brush.Color == clNone || IsRectEmpty(R)) return 0;
  DC->FillSolidRect({R.Left, R.Top, R.Right, R.Top + 1}, Brush.Color);
  DC->FillSolidRect({R.Left, R.Bottom - 1, R.Right, R.Bottom}, Brush.Color);
  DC->FillSolidRect({R.Left, R.Top, R.Left + 1, R.Bottom}, Brush.Color);
  DC->FillSolidRect({R.Right - 1, R.Top, R.Right, R.Bottom}, Brush.Color);
  return 1;
}

bool InvertRect(HDC DC, const TRect& R) {
  return PatBlt(DC, R.Left, R.Top, R.Width(), R.Height(), DSTINVERT);
}

// ---------------------------------------------------------------------------
// Block transfers
namespace {
bool UsesSource(TCopyMode rop) {
  unsigned code = (static_cast<unsigned>(rop) >> 16) & 0xFF;
  // The source matters when the result differs for S = 0 and S = 1.
  return ((code >> 2) & 0x33) != (code & 0x33);
}

// Source pixels of Src in device coordinates; a copy when they are Dest's own.
bool SourcePixels(HDC Dest, HDC Src, TRect& srcRect, TPixelData& copy, const TPixelData*& pixels) {
  srcRect = Src->LogicalToDevice(srcRect);
  TBitmap* sb = Src->TargetBitmap();
  if (sb && sb != Dest->TargetBitmap()) {
    pixels = &sb->PixelData();
    return true;
  }
  if (sb) {
    copy = sb->PixelData();
    pixels = &copy;
    return true;
  }
  if (Src->ActivePainter()->ReadPixels(srcRect, copy)) {
    srcRect = Rect(0, 0, copy.Width, copy.Height);
    pixels = &copy;
    return true;
  }
  return false;
}

bool Blit(const char* op, HDC Dest, const TRect& destRect, HDC Src, TRect srcRect, TCopyMode Rop,
          TColor key) {
  if (!Dest) return false;
  TCanvasCallScope s(Dest, op, [&](TCanvasCall& c) {
    c.Rect = destRect;
    c.Points = {srcRect.TopLeft(), srcRect.BottomRight()};
    c.Flags = static_cast<unsigned>(Rop);
    if (key != clNone) c.Param1 = key;
  });
  if (IsRectEmpty(destRect)) return true;
  TPixelData copy;
  const TPixelData* pixels = nullptr;
  if (Src && UsesSource(Rop)) {
    if (!SourcePixels(Dest, Src, srcRect, copy, pixels)) return false;
  } else {
    // Raster operations without a source still go through the image path.
    copy.Resize(1, 1, 4);
    pixels = &copy;
    srcRect = Rect(0, 0, 1, 1);
  }
  Dest->ActivePainter()->DrawImage(destRect, *pixels, srcRect, Rop, key, false);
  return true;
}
}  // namespace

bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, TCopyMode Rop) {
  return Blit("BitBlt", Dest, Bounds(X, Y, Width, Height), Src, Bounds(XSrc, YSrc, Width, Height), Rop,
              clNone);
}

bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int WidthSrc,
                int HeightSrc, TCopyMode Rop) {
  return Blit("StretchBlt", Dest, Bounds(X, Y, Width, Height), Src, Bounds(XSrc, YSrc, WidthSrc, HeightSrc),
              Rop, clNone);
}

bool PatBlt(HDC DC, int X, int Y, int Width, int Height, TCopyMode Rop) {
  return Blit("PatBlt", DC, Bounds(X, Y, Width, Height), nullptr, TRect(), Rop, clNone);
}

bool TransparentBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int WidthSrc,
                    int HeightSrc, TColor KeyColor) {
  if (!Src) return false;
  return Blit("TransparentBlt", Dest, Bounds(X, Y, Width, Height), Src,
              Bounds(XSrc, YSrc, WidthSrc, HeightSrc), cmSrcCopy, ColorToRGB(KeyColor) & 0xFFFFFF);
}

// ---------------------------------------------------------------------------
// Regions
HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom) {
  return new TRegion(
      TRect(std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)));
}
HRGN CreateRectRgnIndirect(const TRect& R) { return CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom); }
HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int CX, int CY) {
  return new TRegion(TRegion::FromRoundRect({Left, Top, Right, Bottom}, CX, CY));
}
HRGN CreateEllipticRgn(int Left, int Top, int Right, int Bottom) {
  return new TRegion(TRegion::FromEllipse({Left, Top, Right, Bottom}));
}
HRGN CreateEllipticRgnIndirect(const TRect& R) { return CreateEllipticRgn(R.Left, R.Top, R.Right, R.Bottom); }
HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode) {
  return new TRegion(TRegion::FromPolygon(Points, Count, FillMode));
}
bool DeleteObject(HRGN Region) {
  delete Region;
  return Region != nullptr;
}

int CombineRgn(HRGN Dest, HRGN Src1, HRGN Src2, int Mode) {
  if (!Dest || !Src1) return RGN_ERROR;
  if (Mode == RGN_COPY) {
    *Dest = *Src1;
  } else {
    if (!Src2) return RGN_ERROR;
    *Dest = TRegion::Combine(*Src1, *Src2, Mode);
  }
  return Dest->Kind();
}
int OffsetRgn(HRGN Region, int DX, int DY) {
  if (!Region) return RGN_ERROR;
  Region->Offset(DX, DY);
  return Region->Kind();
}
int GetRgnBox(HRGN Region, TRect* R) {
  if (!Region) return RGN_ERROR;
  if (R) *R = Region->Bounds();
  return Region->Kind();
}
bool PtInRegion(HRGN Region, int X, int Y) { return Region && Region->Contains(X, Y); }
bool RectInRegion(HRGN Region, const TRect& R) { return Region && Region->Intersects(R); }
bool EqualRgn(HRGN A, HRGN B) { return A && B && *A == *B; }

bool FillRgn(HDC DC, HRGN Region, HBRUSH Brush) {
  if (!DC || !Region) return false;
  for (const TRect& r : Region->Rects()) DC->FillSolidRect(DC->DeviceToLogical(r), Brush.Color);
  return true;
}

int SelectClipRgn(HDC DC, HRGN Region) {
  if (!DC) return RGN_ERROR;
  DC->SelectClipRegion(Region);
  return Region ? Region->Kind() : SIMPLEREGION;
}

int ExtSelectClipRgn(HDC DC, HRGN Region, int Mode) {
  if (!DC) return RGN_ERROR;
  if (Mode == RGN_COPY || !Region) return SelectClipRgn(DC, Mode == RGN_COPY ? Region : nullptr);
  TRegion base;
  if (const TRegion* c = DC->ClipRegion()) {
    base = *c;
  } else {
    TSize ds = DC->DeviceSize();
    base = TRegion(ds.cx > 0 && ds.cy > 0 ? TRect(0, 0, ds.cx, ds.cy) : TRect(-32768, -32768, 32767, 32767));
  }
  TRegion r = TRegion::Combine(base, *Region, Mode);
  DC->SelectClipRegion(&r);
  return r.Kind();
}

int GetClipRgn(HDC DC, HRGN Region) {
  if (!DC || !Region) return -1;
  const TRegion* c = DC->ClipRegion();
  if (!c) return 0;
  *Region = *c;
  return 1;
}

int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom) {
  return DC ? DC->ExcludeClipRect({Left, Top, Right, Bottom}) : RGN_ERROR;
}
int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom) {
  return DC ? DC->IntersectClipRect({Left, Top, Right, Bottom}) : RGN_ERROR;
}
int GetClipBox(HDC DC, TRect* R) {
  if (!DC) return RGN_ERROR;
  TRect b = DC->ClipRect();
  if (R) *R = b;
  if (IsRectEmpty(b)) return NULLREGION;
  const TRegion* c = DC->ClipRegion();
  return c ? c->Kind() : SIMPLEREGION;
}
