// The watch's drawing: face geometry, the cached static face (background,
// border, picture, marks, numbers, AM/PM box), the hands drawn over it on
// every paint, and the AM/PM box sliding to its new label.
#include <cmath>

#include "controls/dropdown/VevTimePickerDropDown.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Region.h"
#include "framework/rtl/Tick.h"
#include "grid/base/VevDropDownUtil.h"

namespace {
int R(double X) { return static_cast<int>(std::nearbyint(X)); }
constexpr double kDeg = 3.14159265358979323846 / 180;

struct Geometry {
  TRect face;
  int cx, cy, r, ro;
};

// A point at distance D from the centre, at the clock angle T (degrees,
// clockwise from 12 o'clock).
TPoint ClockPoint(const Geometry& G, double D, double T) {
  return TPoint(R(G.cx + D * std::sin(T * kDeg)), R(G.cy - D * std::cos(T * kDeg)));
}
// The same from 3 o'clock, for the marks.
TPoint MarkPoint(const Geometry& G, double D, double A) {
  return TPoint(R(G.cx + D * std::cos(A * kDeg)), R(G.cy + D * std::sin(A * kDeg)));
}
void Line(TCanvas* C, TPoint A, TPoint B) {
  C->MoveTo(A.X, A.Y);
  C->LineTo(B.X, B.Y);
}
}  // namespace

TRect TVevWatch::GetFaceRect() const {
  const int w = ClientWidth(), h = ClientHeight();
  int s;
  if (appearance_->Size() > 0) {
    s = appearance_->Size();
    if (h < s) s = h;
    if (w < s) s = w;
  } else {
    s = std::min(w, h) - 20;
  }
  const int l = (w - s) / 2, t = (h - s) / 2;
  return TRect(l, t, l + s, t + s);
}

TRect TVevWatch::GetAMPMRect() {
  if (!showAMPM_) return TRect(-1, -1, -1, -1);
  const TRect f = GetFaceRect();
  const int cx = f.Left + (f.Right - f.Left) / 2, cy = f.Top + (f.Bottom - f.Top) / 2;
  const int r = (f.Right - f.Left) / 2;
  TBitmap m;
  m.Canvas()->SetFont(appearance_->AMPMFont());
  const TSize s = m.Canvas()->TextExtent("AM");
  const int w = s.cx + 8;
  const int top = cy + R((r - s.cy) / 3.0);
  return TRect(cx - w / 2, top, cx - w / 2 + w, top + s.cy);
}

void TVevWatch::Paint() {
  const int w = ClientWidth(), h = ClientHeight();
  if (!cacheValid_ || cache_->Width() != w || cache_->Height() != h) {
    cache_->SetSize(w, h);
    TCanvas* c = cache_->Canvas();
    // What the window shows around the face stays: its own colour here.
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(TRect(0, 0, w, h));
    DrawFace(c, TRect(0, 0, w, h));
    DrawMarks(c);
    DrawNumbers(c);
    DrawAMPM(c);
    cacheValid_ = true;
  }
  PaintWatch(Canvas());
}

void TVevWatch::PaintWatch(TCanvas* Target) {
  Target->Draw(0, 0, cache_.get());
  DrawHands(Target);
}

void TVevWatch::DrawFace(TCanvas* C, const TRect& Client) {
  const TWatchAppearance* a = appearance_.get();
  const TRect f = GetFaceRect();
  const TRect area = a->Shape() == wsCircle ? f : Client;
  const TRect clip(f.Left - 1, f.Top - 1, f.Right + 2, f.Bottom + 2);
  const int saved = C->SaveDC();
  if (a->Shape() == wsCircle) {
    TRegion rg = TRegion::FromEllipse(clip);
    C->SelectClipRegion(&rg);
  } else if (a->Shape() == wsRoundRect) {
    TRegion rg = TRegion::FromRoundRect(clip, 20, 20);
    C->SelectClipRegion(&rg);
  }
  if (a->BackgroundColor() != clNone && a->BackgroundColorTo() != clNone) {
    DrawGradient(C, a->BackgroundColor(), a->BackgroundColorTo(), 80, area,
                 a->BackgroundGradient() == wgRadial);
  } else if (a->BackgroundColor() != clNone) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(a->BackgroundColor());
    C->FillRect(area);
  }
  if (a->BorderColor() != clNone && a->BorderWidth() > 0) {
    C->Pen()->SetColor(a->BorderColor());
    C->Pen()->SetWidth(a->BorderWidth());
    C->Brush()->SetStyle(bsClear);
    if (a->Shape() == wsCircle)
      C->Ellipse(f);
    else if (a->Shape() == wsRect)
      C->Rectangle(Client);
    else
      C->RoundRect(Client, 20, 20);
    C->Pen()->SetWidth(1);
  }
  C->RestoreDC(saved);
  if (a->Picture()->Graphic() != nullptr && !a->Picture()->Graphic()->Empty()) {
    TBitmap b;
    b.SetSize(Client.Right - Client.Left, Client.Bottom - Client.Top);
    b.Canvas()->CopyRect(TRect(0, 0, b.Width(), b.Height()), C, Client);
    b.Canvas()->Draw(0, 0, a->Picture()->Graphic());
    C->StretchDraw(Client, &b);
  }
}

void TVevWatch::DrawMarks(TCanvas* C) {
  const TWatchAppearance* a = appearance_.get();
  if (a->TickMarks() == tmNone) return;
  const TRect f = GetFaceRect();
  Geometry g{f, f.Left + (f.Right - f.Left) / 2, f.Top + (f.Bottom - f.Top) / 2, (f.Right - f.Left) / 2, 0};
  g.ro = g.r - a->BorderWidth() / 2;
  const double rh = a->HourMarkLength() > 0 ? g.ro - a->HourMarkLength() : 0.9 * g.ro;
  C->Pen()->SetColor(a->HourColor());
  C->Pen()->SetWidth(a->HourMarkWidth());
  for (int q = 0; q < 4; ++q) {
    const double ang = q * 90;
    TPoint p1 = MarkPoint(g, rh, ang), p2 = MarkPoint(g, g.ro, ang);
    if (a->HourMarkStyle() == hmsLine) {
      Line(C, p1, p2);
    } else if (q % 2 == 0) {  // 3 and 9 o'clock: above and below the axis
      Line(C, TPoint(p1.X, p1.Y - 2), TPoint(p2.X, p2.Y - 2));
      Line(C, TPoint(p1.X, p1.Y + 2), TPoint(p2.X, p2.Y + 2));
    } else {
      Line(C, TPoint(p1.X - 2, p1.Y), TPoint(p2.X - 2, p2.Y));
      Line(C, TPoint(p1.X + 2, p1.Y), TPoint(p2.X + 2, p2.Y));
    }
  }
  if (a->TickMarks() == tmAll || a->TickMarks() == tmHours)
    for (int i = 1; i <= 11; ++i)
      if (i % 3 != 0) Line(C, MarkPoint(g, rh, i * 30), MarkPoint(g, g.ro, i * 30));
  if (a->TickMarks() == tmAll) {
    const double rm = a->MinuteMarkLength() > 0 ? g.ro - a->MinuteMarkLength() : 0.95 * g.ro;
    C->Pen()->SetColor(a->MinuteColor());
    C->Pen()->SetWidth(a->MinuteMarkWidth());
    for (int i = 0; i < 60; ++i)
      if (i % 5 != 0) Line(C, MarkPoint(g, rm, i * 6), MarkPoint(g, g.ro, i * 6));
  }
  C->Pen()->SetWidth(1);
}

void TVevWatch::DrawNumbers(TCanvas* C) {
  const TWatchAppearance* a = appearance_.get();
  if (!showNumbers_ || a->TickMarks() == tmNone || a->TickMarks() == tmHours) return;
  const TRect f = GetFaceRect();
  Geometry g{f, f.Left + (f.Right - f.Left) / 2, f.Top + (f.Bottom - f.Top) / 2, (f.Right - f.Left) / 2, 0};
  g.ro = g.r - a->BorderWidth() / 2;
  C->SetFont(a->HourFont());
  C->Brush()->SetStyle(bsClear);
  const int b = a->HourMarkLength() > 0 ? a->HourMarkLength() : R(g.ro - 0.9 * g.ro) + 2;
  const int rn = g.ro - 2 * b - 2;
  for (int i = 1; i <= 12; ++i) {
    if (a->TickMarks() == tmQuartHours && i % 3 != 0) continue;
    const std::string t = std::to_string(i);
    const TSize s = C->TextExtent(t);
    const int d = i == 10 ? R(0.2 * s.cy) : i == 11 ? R(0.15 * s.cy) : 0;
    const double rho = rn - d + b / 2;
    const int x = g.cx + R(rho * std::sin(i * 30 * kDeg)) + 1;
    const int y = g.cy - R(rho * std::cos(i * 30 * kDeg)) + 1;
    C->TextOut(x - s.cx / 2 - 1, y - s.cy / 2 - 1, t);
  }
}

void TVevWatch::DrawAMPM(TCanvas* C) {
  if (!showAMPM_) return;
  const TWatchAppearance* a = appearance_.get();
  const TRect box = GetAMPMRect();
  if (a->AMPMColor() != clNone || a->AMPMBorderColor() != clNone) {
    C->Brush()->SetStyle(a->AMPMColor() == clNone ? bsClear : bsSolid);
    if (a->AMPMColor() != clNone) C->Brush()->SetColor(a->AMPMColor());
    C->Pen()->SetStyle(a->AMPMBorderColor() == clNone ? psClear : psSolid);
    C->Pen()->SetColor(a->AMPMBorderColor());
    if (a->AMPMFrame() == apRect)
      C->Rectangle(box);
    else
      C->RoundRect(box, 5, 5);
    C->Pen()->SetStyle(psSolid);
  }
  C->Brush()->SetStyle(bsClear);
  C->SetFont(a->AMPMFont());
  TRect r = box;
  DrawText(C, am_ ? "AM" : "PM", r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TVevWatch::DrawHands(TCanvas* C) {
  const TWatchAppearance* a = appearance_.get();
  const TRect f = GetFaceRect();
  Geometry g{f, f.Left + (f.Right - f.Left) / 2, f.Top + (f.Bottom - f.Top) / 2, (f.Right - f.Left) / 2, 0};
  int h, m, s, ms;
  DecodeTime(CurrentTime(), h, m, s, ms);
  if (settings_->Auto() && am_ != (h < 12)) {
    am_ = h < 12;  // no slide, and the cached box is rebuilt next time
    cacheValid_ = false;
  }
  h %= 12;
  const double th = h * 30 + m * 0.5, tm = m * 6, ts = s * 6;
  const double r = g.r;
  auto shifted = [](TPoint P, int Dx, int Dy) { return TPoint(P.X + Dx, P.Y + Dy); };
  if (a->PointerStyle() == psLine) {
    auto hand = [&](TColor Color, int Width, double T, double Tip, int Dx, int Dy) {
      C->Pen()->SetColor(Color);
      C->Pen()->SetWidth(Width);
      Line(C, shifted(ClockPoint(g, 0.1 * r, T + 180), Dx, Dy), shifted(ClockPoint(g, Tip * r, T), Dx, Dy));
    };
    if (a->HourPointerShadow() != clNone) hand(a->HourPointerShadow(), a->HourPointerSize(), th, 0.46, -1, 3);
    if (a->MinutePointerShadow() != clNone)
      hand(a->MinutePointerShadow(), a->MinutePointerSize(), tm, 0.65, 0, 3);
    hand(a->HourPointer(), a->HourPointerSize(), th, 0.5, 0, 0);
    hand(a->MinutePointer(), a->MinutePointerSize(), tm, 0.7, 0, 0);
  } else if (a->PointerStyle() == psPointer) {
    auto pointer = [&](TColor Color, double T, double Tip, int Dx, int Dy) {
      const TPoint pts[4] = {
          shifted(ClockPoint(g, 0.1 * r, T + 180), Dx, Dy), shifted(ClockPoint(g, 0.05 * r, T - 90), Dx, Dy),
          shifted(ClockPoint(g, Tip * r, T), Dx, Dy), shifted(ClockPoint(g, 0.05 * r, T + 90), Dx, Dy)};
      C->Pen()->SetWidth(1);
      C->Pen()->SetColor(Color);
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(Color);
      C->Polygon(pts, 4);
    };
    if (a->HourPointerShadow() != clNone) pointer(a->HourPointerShadow(), th, 0.5, 1, 3);
    pointer(a->HourPointer(), th, 0.5, 0, 0);
    if (a->MinutePointerShadow() != clNone) pointer(a->MinutePointerShadow(), tm, 0.7, 1, 3);
    pointer(a->MinutePointer(), tm, 0.7, 0, 0);
  }
  if ((a->PointerStyle() == psLine || a->PointerStyle() == psPointer) && settings_->Auto() &&
      settings_->Second()) {
    C->Pen()->SetColor(a->SecondPointer());
    C->Pen()->SetWidth(a->SecondPointerSize());
    Line(C, ClockPoint(g, 0.2 * r, ts + 180), ClockPoint(g, 0.9 * r, ts));
  }
  C->Pen()->SetWidth(1);
  const int c = a->CenterPointSize();
  if (c > 0) {
    const int x = R(g.cx - c / 2.0), y = R(g.cy - c / 2.0);
    if (a->CenterPointColor() != clNone) {
      C->Pen()->SetColor(a->CenterPointColor());
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(a->CenterPointColor());
      C->Ellipse(x, y, x + c, y + c);
    }
    int k = 0;
    if (a->CenterPointOuterBorderColor() != clNone) {
      k = R(0.2 * c);
      C->Brush()->SetStyle(bsClear);
      C->Pen()->SetColor(a->CenterPointOuterBorderColor());
      C->Pen()->SetWidth(std::max(1, k));
      C->Ellipse(x, y, x + c, y + c);
    }
    if (a->CenterPointBorderColor() != clNone) {
      const int ci = c - k;
      const int xi = R(g.cx - ci / 2.0), yi = R(g.cy - ci / 2.0);
      C->Brush()->SetStyle(bsClear);
      C->Pen()->SetColor(a->CenterPointBorderColor());
      C->Pen()->SetWidth(std::max(1, R(0.1 * c)));
      C->Ellipse(xi, yi, xi + ci, yi + ci);
    }
    C->Pen()->SetWidth(1);
  }
}

void TVevWatch::SlideAMPM(bool ToAM) {
  if (!HandleAllocated() || !Showing()) return;
  const TWatchAppearance* a = appearance_.get();
  TRect inner = GetAMPMRect();
  inner.Left += 1;
  inner.Top += 1;
  inner.Right -= 1;
  inner.Bottom -= 1;
  const int n = inner.Bottom - inner.Top, w = inner.Right - inner.Left;
  if (n <= 0 || w <= 0) return;
  TBitmap strip;
  strip.SetSize(w, 2 * n);
  TCanvas* sc = strip.Canvas();
  sc->Brush()->SetColor(a->AMPMColor());
  sc->Pen()->SetColor(a->AMPMColor());
  sc->Rectangle(0, 0, w, 2 * n);
  sc->SetFont(a->AMPMFont());
  sc->Brush()->SetStyle(bsClear);
  TRect top(0, 0, w, n), bottom(0, n, w, 2 * n);
  DrawText(sc, "AM", top, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  DrawText(sc, "PM", bottom, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  if (!cacheValid_) Repaint();
  int offset = ToAM ? n : 0;
  TBitmap frame;
  for (int i = 0; i < n; ++i) {
    frame.SetSize(ClientWidth(), ClientHeight());
    TCanvas* fc = frame.Canvas();
    fc->Draw(0, 0, cache_.get());
    fc->CopyRect(inner, sc, TRect(0, offset, w, offset + n));
    fc->Brush()->SetStyle(bsClear);
    fc->Pen()->SetColor(a->AMPMBorderColor());
    if (a->AMPMFrame() == apRect)
      fc->Rectangle(GetAMPMRect());
    else
      fc->RoundRect(GetAMPMRect(), 5, 5);
    DrawHands(fc);
    Canvas()->Draw(0, 0, &frame);
    offset += ToAM ? -1 : 1;
    Sleep(10);
  }
}
