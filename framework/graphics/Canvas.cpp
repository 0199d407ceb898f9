// TCanvas: the drawing surface. The canvas keeps the DC-like state (pen,
// brush, font, origin, clip, text colours) and hands plain values to its
// painter only when they changed since the painter last saw them.
#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/backend/Painter.h"
#include "framework/graphics/CanvasCall.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Region.h"

struct TCanvas::SavedState {
  std::unique_ptr<TPen> pen = std::make_unique<TPen>();
  std::unique_ptr<TBrush> brush = std::make_unique<TBrush>();
  std::unique_ptr<TFont> font = std::make_unique<TFont>();
  std::unique_ptr<TRegion> clip;
  TPoint windowOrg;
  TPoint viewportOrg;
  int mapMode = MM_TEXT;
  TPoint penPos;
  int bkMode;
  TColor bkColor;
  TColor textColor;
};

namespace {
// Without a device size a clip operation needs some "everything".
constexpr TRect kHugeRect{-32768, -32768, 32767, 32767};
}  // namespace

namespace {
// Logical units per inch of a mapping mode (0 for MM_TEXT: one a pixel).
double UnitsPerInch(int mode) {
  switch (mode) {
    case MM_LOMETRIC:
      return 254.0;
    case MM_HIMETRIC:
      return 2540.0;
    case MM_LOENGLISH:
      return 100.0;
    case MM_HIENGLISH:
      return 1000.0;
    case MM_TWIPS:
      return 1440.0;
    default:
      return 0;
  }
}

int RoundHalfAway(double v) { return static_cast<int>(v < 0 ? std::ceil(v - 0.5) : std::floor(v + 0.5)); }
}  // namespace

TCanvasCall TCanvasCallScope::Snapshot(const char* Op) const {
  TCanvasCall c;
  TCanvas* k = canvas_;
  c.Op = Op;
  c.PenColor = k->pen_->Color();
  c.PenWidth = k->pen_->Width();
  c.PenStyle = k->pen_->Style();
  c.PenMode = k->pen_->Mode();
  c.BrushColor = k->brush_->Color();
  c.BrushStyle = k->brush_->Style();
  c.FontName = k->font_->Name();
  c.FontSize = k->font_->Size();
  c.FontStyle = k->font_->Style();
  c.FontColor = k->font_->Color();
  c.FontOrientation = k->font_->Orientation();
  c.BkMode = k->bkMode_;
  c.TextColor = k->textColor_;
  c.Depth = k->callDepth_;
  return c;
}

TCanvas::TCanvas()
    : pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()), font_(std::make_unique<TFont>()) {
  pen_->OnChange = [this](TObject* s) { PenChanged(s); };
  brush_->OnChange = [this](TObject* s) { BrushChanged(s); };
  font_->OnChange = [this](TObject* s) { FontChanged(s); };
  textColor_ = font_->Color();
  bkColor_ = brush_->Color();
}

TCanvas::~TCanvas() = default;

void TCanvas::AttachPainter(std::unique_ptr<TPainter> Painter) {
  ownedPainter_ = std::move(Painter);
  painter_ = ownedPainter_.get();
  painterFromCreate_ = false;
  appliedTo_ = nullptr;
}

void TCanvas::AttachPainter(TPainter* Painter) {
  ownedPainter_.reset();
  painter_ = Painter;
  painterFromCreate_ = false;
  appliedTo_ = nullptr;
}

void TCanvas::DetachPainter() {
  ownedPainter_.reset();
  painter_ = nullptr;
  painterFromCreate_ = false;
  appliedTo_ = nullptr;
}

std::unique_ptr<TPainter> TCanvas::CreatePainter() { return nullptr; }

void TCanvas::FreeHandle() {
  if (painterFromCreate_) DetachPainter();
}

bool TCanvas::HandleAllocated() {
  if (!painter_) {
    auto p = CreatePainter();
    if (p) {
      ownedPainter_ = std::move(p);
      painter_ = ownedPainter_.get();
      painterFromCreate_ = true;
      appliedTo_ = nullptr;
    }
  }
  return painter_ != nullptr && painter_->CanDraw();
}

void TCanvas::PenChanged(TObject*) { penDirty_ = true; }

void TCanvas::BrushChanged(TObject*) {
  brushDirty_ = true;
  // Selecting a brush sets the background the platform way.
  bkMode_ = brush_->Style() == bsClear ? TRANSPARENT : OPAQUE;
  bkColor_ = brush_->Color();
}

void TCanvas::FontChanged(TObject*) {
  fontDirty_ = true;
  textColor_ = font_->Color();
}

TPainter* TCanvas::ActivePainter() {
  HandleAllocated();
  TPainter* p = painter_ ? painter_ : MeasuringPainter();
  if (p != appliedTo_ || p->StateOwner != this) {
    appliedTo_ = p;
    p->StateOwner = this;
    penDirty_ = brushDirty_ = fontDirty_ = clipDirty_ = originDirty_ = true;
  }
  ApplyState(p);
  return p;
}

void TCanvas::ApplyState(TPainter* p) {
  if (penDirty_) {
    TPainterPen pp;
    pp.Color = ColorToRGB(pen_->Color());
    pp.Width = pen_->Width();
    pp.Style = pen_->Style();
    pp.Mode = pen_->Mode();
    p->SetPen(pp);
    penDirty_ = false;
  }
  if (brushDirty_) {
    TPainterBrush pb;
    pb.Color = ColorToRGB(brush_->Color());
    pb.Style = brush_->Style();
    if (brush_->Bitmap() && !brush_->Bitmap()->Empty()) pb.Pattern = &brush_->Bitmap()->PixelData();
    pb.Opaque = bkMode_ == OPAQUE;
    pb.BkColor = ColorToRGB(bkColor_);
    p->SetBrush(pb);
    brushDirty_ = false;
  }
  if (fontDirty_) {
    TPainterFont pf;
    pf.Name = font_->Name();
    pf.Height = font_->Height();
    pf.Style = font_->Style();
    pf.Pitch = font_->Pitch();
    pf.Orientation = font_->Orientation();
    p->SetFont(pf);
    fontDirty_ = false;
  }
  if (originDirty_) {
    double u = UnitsPerInch(mapMode_);
    double sx = u > 0 ? p->PixelsPerInch() / u : 1.0;
    p->SetMapping(windowOrg_, viewportOrg_, sx, u > 0 ? -sx : 1.0);
    originDirty_ = false;
  }
  if (clipDirty_) {
    ApplyClip(p);
    clipDirty_ = false;
  }
}

void TCanvas::ApplyClip(TPainter* p) { p->SetClip(clip_.get()); }

double TCanvas::ScaleX() {
  double u = UnitsPerInch(mapMode_);
  return u > 0 ? PixelsPerInch() / u : 1.0;
}

double TCanvas::ScaleY() {
  double u = UnitsPerInch(mapMode_);
  return u > 0 ? -PixelsPerInch() / u : 1.0;
}

TPoint TCanvas::LogicalToDevice(const TPoint& P) {
  if (mapMode_ == MM_TEXT) return {P.X - windowOrg_.X + viewportOrg_.X, P.Y - windowOrg_.Y + viewportOrg_.Y};
  return {RoundHalfAway((P.X - windowOrg_.X) * ScaleX()) + viewportOrg_.X,
          RoundHalfAway((P.Y - windowOrg_.Y) * ScaleY()) + viewportOrg_.Y};
}

TPoint TCanvas::DeviceToLogical(const TPoint& P) {
  if (mapMode_ == MM_TEXT) return {P.X - viewportOrg_.X + windowOrg_.X, P.Y - viewportOrg_.Y + windowOrg_.Y};
  return {RoundHalfAway((P.X - viewportOrg_.X) / ScaleX()) + windowOrg_.X,
          RoundHalfAway((P.Y - viewportOrg_.Y) / ScaleY()) + windowOrg_.Y};
}

TRect TCanvas::LogicalToDevice(const TRect& R) {
  TPoint a = LogicalToDevice(R.TopLeft()), b = LogicalToDevice(R.BottomRight());
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

TRect TCanvas::DeviceToLogical(const TRect& R) {
  TPoint a = DeviceToLogical(R.TopLeft()), b = DeviceToLogical(R.BottomRight());
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

TSize TCanvas::DeviceSize() {
  HandleAllocated();
  return painter_ ? painter_->DeviceSize() : TSize();
}

int TCanvas::PixelsPerInch() { return ActivePainter()->PixelsPerInch(); }

TRect TCanvas::ClipRect() {
  TSize ds = DeviceSize();
  TRect dev = ds.cx > 0 && ds.cy > 0 ? TRect(0, 0, ds.cx, ds.cy) : kHugeRect;
  TRect box = dev;
  if (clip_) {
    if (!IntersectRect(box, clip_->Bounds(), dev)) box = TRect();
  }
  if (!IsRectEmpty(box)) box = DeviceToLogical(box);
  return box;
}

TColor TCanvas::Pixels(int X, int Y) {
  if (TBitmap* b = TargetBitmap()) {
    const TPixelData& pd = b->PixelData();
    TPoint d = LogicalToDevice(TPoint(X, Y));
    int dx = d.X, dy = d.Y;
    if (dx < 0 || dy < 0 || dx >= pd.Width || dy >= pd.Height) return clNone;
    return pd.GetPixel(dx, dy);
  }
  return ActivePainter()->GetPixel(X, Y);
}

void TCanvas::SetPixels(int X, int Y, TColor Value) {
  TCanvasCallScope s(this, "SetPixel", [&](TCanvasCall& c) {
    c.Points = {{X, Y}};
    c.Param1 = Value;
  });
  Changing();
  ActivePainter()->SetPixel(X, Y, ColorToRGB(Value));
  Changed();
}

// --- shapes
namespace {
TRect ArcBox(int X1, int Y1, int X2, int Y2) { return {X1, Y1, X2, Y2}; }
}  // namespace

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  TCanvasCallScope s(this, "Arc", [&](TCanvasCall& c) {
    c.Rect = ArcBox(X1, Y1, X2, Y2);
    c.Points = {{X3, Y3}, {X4, Y4}};
  });
  Changing();
  ActivePainter()->ArcShape(akArc, ArcBox(X1, Y1, X2, Y2), {X3, Y3}, {X4, Y4});
  Changed();
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  TCanvasCallScope s(this, "Chord", [&](TCanvasCall& c) {
    c.Rect = ArcBox(X1, Y1, X2, Y2);
    c.Points = {{X3, Y3}, {X4, Y4}};
  });
  Changing();
  ActivePainter()->ArcShape(akChord, ArcBox(X1, Y1, X2, Y2), {X3, Y3}, {X4, Y4});
  Changed();
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
  TCanvasCallScope s(this, "Pie", [&](TCanvasCall& c) {
    c.Rect = ArcBox(X1, Y1, X2, Y2);
    c.Points = {{X3, Y3}, {X4, Y4}};
  });
  Changing();
  ActivePainter()->ArcShape(akPie, ArcBox(X1, Y1, X2, Y2), {X3, Y3}, {X4, Y4});
  Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  TCanvasCallScope s(this, "Ellipse", [&](TCanvasCall& c) { c.Rect = {X1, Y1, X2, Y2}; });
  Changing();
  ActivePainter()->Ellipse({X1, Y1, X2, Y2});
  Changed();
}

void TCanvas::FillRect(const TRect& R) {
  TCanvasCallScope s(this, "FillRect", [&](TCanvasCall& c) { c.Rect = R; });
  Changing();
  ActivePainter()->FillRect(R);
  Changed();
}

void TCanvas::FrameRect(const TRect& R) {
  TCanvasCallScope s(this, "FrameRect", [&](TCanvasCall& c) { c.Rect = R; });
  if (IsRectEmpty(R)) return;
  Changing();
  // One pixel wide in the brush, as the platform's frame.
  TPainter* p = ActivePainter();
  p->FillRect({R.Left, R.Top, R.Right, R.Top + 1});
  if (R.Height() > 1) p->FillRect({R.Left, R.Bottom - 1, R.Right, R.Bottom});
  if (R.Height() > 2) {
    p->FillRect({R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1});
    if (R.Width() > 1) p->FillRect({R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1});
  }
  Changed();
}

void TCanvas::FillSolidRect(const TRect& R, TColor Color) {
  TCanvasCallScope s(this, "FillSolidRect", [&](TCanvasCall& c) {
    c.Rect = R;
    c.Param1 = Color;
  });
  if (IsRectEmpty(R)) return;
  Changing();
  TPainter* p = ActivePainter();
  TPainterBrush pb;
  pb.Color = ColorToRGB(Color);
  pb.Style = bsSolid;
  p->SetBrush(pb);
  p->FillRect(R);
  brushDirty_ = true;
  Changed();
}

void TCanvas::LineTo(int X, int Y) {
  TCanvasCallScope s(this, "LineTo", [&](TCanvasCall& c) { c.Points = {penPos_, {X, Y}}; });
  Changing();
  TPoint pts[2] = {penPos_, {X, Y}};
  ActivePainter()->Polyline(pts, 2);
  penPos_ = {X, Y};
  Changed();
}

void TCanvas::MoveTo(int X, int Y) { penPos_ = {X, Y}; }

void TCanvas::Polygon(const std::vector<TPoint>& Points) {
  Polygon(Points.data(), static_cast<int>(Points.size()));
}

void TCanvas::Polygon(const TPoint* Points, int Count) {
  TCanvasCallScope s(this, "Polygon", [&](TCanvasCall& c) { c.Points.assign(Points, Points + Count); });
  if (Count < 2) return;
  Changing();
  ActivePainter()->Polygon(Points, Count);
  Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& Points) {
  Polyline(Points.data(), static_cast<int>(Points.size()));
}

void TCanvas::Polyline(const TPoint* Points, int Count) {
  TCanvasCallScope s(this, "Polyline", [&](TCanvasCall& c) { c.Points.assign(Points, Points + Count); });
  if (Count < 2) return;
  Changing();
  ActivePainter()->Polyline(Points, Count);
  Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  TCanvasCallScope s(this, "Rectangle", [&](TCanvasCall& c) { c.Rect = {X1, Y1, X2, Y2}; });
  Changing();
  ActivePainter()->Rectangle({X1, Y1, X2, Y2});
  Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
  TCanvasCallScope s(this, "RoundRect", [&](TCanvasCall& c) {
    c.Rect = {X1, Y1, X2, Y2};
    c.Param1 = X3;
    c.Param2 = Y3;
  });
  Changing();
  ActivePainter()->RoundRect({X1, Y1, X2, Y2}, X3, Y3);
  Changed();
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle) {
  TCanvasCallScope s(this, "FloodFill", [&](TCanvasCall& c) {
    c.Points = {{X, Y}};
    c.Param1 = Color;
    c.Flags = FillStyle;
  });
  Changing();
  ActivePainter()->FloodFill(X, Y, ColorToRGB(Color), FillStyle);
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& R) {
  TCanvasCallScope s(this, "DrawFocusRect", [&](TCanvasCall& c) { c.Rect = R; });
  Changing();
  ActivePainter()->DrawFocusRect(R);
  Changed();
}

// --- pictures
void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
  TCanvasCallScope s(this, "Draw", [&](TCanvasCall& c) {
    c.Points = {{X, Y}};
    if (Graphic) {
      c.Param1 = Graphic->Width();
      c.Param2 = Graphic->Height();
      c.Rect = Bounds(X, Y, Graphic->Width(), Graphic->Height());
    }
  });
  if (!Graphic || Graphic->Empty()) return;
  Changing();
  Graphic->Draw(this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
  Changed();
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
  TCanvasCallScope s(this, "StretchDraw", [&](TCanvasCall& c) {
    c.Rect = R;
    if (Graphic) {
      c.Param1 = Graphic->Width();
      c.Param2 = Graphic->Height();
    }
  });
  if (!Graphic || Graphic->Empty()) return;
  Changing();
  Graphic->Draw(this, R);
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  TCanvasCallScope s(this, "CopyRect", [&](TCanvasCall& c) {
    c.Rect = Dest;
    c.Points = {Source.TopLeft(), Source.BottomRight()};
    c.Flags = static_cast<unsigned>(copyMode_);
  });
  if (!Canvas || IsRectEmpty(Dest)) return;
  TRect src = Canvas->LogicalToDevice(Source);
  TPixelData copy;
  const TPixelData* pixels = nullptr;
  TBitmap* sb = Canvas->TargetBitmap();
  if (sb && sb != TargetBitmap()) {
    pixels = &sb->PixelData();
  } else if (sb) {
    // Source and destination share pixels: copy first, as overlapping moves need.
    copy = sb->PixelData();
    pixels = &copy;
  } else if (Canvas->ActivePainter()->ReadPixels(src, copy)) {
    pixels = &copy;
    src = Rect(0, 0, copy.Width, copy.Height);
  }
  if (!pixels) return;
  Changing();
  ActivePainter()->DrawImage(Dest, *pixels, src, copyMode_, clNone, false);
  Changed();
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
  TCanvasCallScope s(this, "BrushCopy", [&](TCanvasCall& c) {
    c.Rect = Dest;
    c.Points = {Source.TopLeft(), Source.BottomRight()};
    c.Param1 = Color;
  });
  if (!Bitmap || Bitmap->Empty()) return;
  TPixelData tmp = Bitmap->PixelData();
  TColor key = ColorToRGB(Color) & 0xFFFFFF;
  TColor fill = ColorToRGB(brush_->Color()) & 0xFFFFFF;
  for (int y = 0; y < tmp.Height; ++y)
    for (int x = 0; x < tmp.Width; ++x)
      if (tmp.GetPixel(x, y) == key) tmp.SetPixel(x, y, fill);
  Changing();
  ActivePainter()->DrawImage(Dest, tmp, Source, cmSrcCopy, clNone, false);
  Changed();
}

// --- text
TSize TCanvas::TextExtent(const std::string& Text) {
  if (FixedTextMetricsOn()) {
    TPainterFont pf;
    pf.Height = font_->Height();
    pf.Style = font_->Style();
    return FixedTextExtent(pf, Text);
  }
  return ActivePainter()->TextExtent(Text);
}

TTextMetric TCanvas::TextMetrics() {
  if (FixedTextMetricsOn()) {
    TPainterFont pf;
    pf.Height = font_->Height();
    pf.Style = font_->Style();
    return FixedTextMetric(pf);
  }
  return ActivePainter()->TextMetrics();
}

void TCanvas::TextOut(int X, int Y, const std::string& Text) {
  TCanvasCallScope s(this, "TextOut", [&](TCanvasCall& c) {
    c.Points = {{X, Y}};
    c.Text = Text;
  });
  Changing();
  ActivePainter()->TextOut(X, Y, Text, ColorToRGB(textColor_), bkMode_ == OPAQUE, ColorToRGB(bkColor_),
                           nullptr);
  penPos_ = {X + TextWidth(Text), Y};
  Changed();
}

void TCanvas::TextOutClipped(int X, int Y, const std::string& Text, const TRect* Clip) {
  TCanvasCallScope s(this, "TextOut", [&](TCanvasCall& c) {
    c.Points = {{X, Y}};
    c.Text = Text;
    if (Clip) c.Rect = *Clip;
  });
  Changing();
  ActivePainter()->TextOut(X, Y, Text, ColorToRGB(textColor_), bkMode_ == OPAQUE, ColorToRGB(bkColor_), Clip);
  Changed();
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const std::string& Text) {
  TCanvasCallScope s(this, "TextRect", [&](TCanvasCall& c) {
    c.Rect = R;
    c.Points = {{X, Y}};
    c.Text = Text;
  });
  Changing();
  TPainter* p = ActivePainter();
  if (brush_->Style() != bsClear && !IsRectEmpty(R)) {
    TPainterBrush pb;
    pb.Color = ColorToRGB(brush_->Color());
    p->SetBrush(pb);
    p->FillRect(R);
    brushDirty_ = true;
  }
  p->TextOut(X, Y, Text, ColorToRGB(textColor_), false, 0, &R);
  Changed();
}

void TCanvas::Refresh() { penDirty_ = brushDirty_ = fontDirty_ = clipDirty_ = originDirty_ = true; }

// --- DC state
int TCanvas::SetBkMode(int Mode) {
  int old = bkMode_;
  if (Mode == TRANSPARENT || Mode == OPAQUE) {
    bkMode_ = Mode;
    brushDirty_ = true;
  }
  return old;
}

TColor TCanvas::SetBkColor(TColor Color) {
  TColor old = bkColor_;
  bkColor_ = Color;
  brushDirty_ = true;
  return old;
}

TColor TCanvas::SetTextColor(TColor Color) {
  TColor old = textColor_;
  textColor_ = Color;
  return old;
}

void TCanvas::SetWindowOrg(const TPoint& P) {
  windowOrg_ = P;
  originDirty_ = true;
}

void TCanvas::SetViewportOrg(const TPoint& P) {
  viewportOrg_ = P;
  originDirty_ = true;
}

int TCanvas::SetMapMode(int Mode) {
  if (Mode < MM_TEXT || Mode > MM_TWIPS) return 0;
  int old = mapMode_;
  mapMode_ = Mode;
  originDirty_ = true;
  return old;
}

int TCanvas::SaveDC() {
  SavedState st;
  st.pen->Assign(pen_.get());
  st.brush->Assign(brush_.get());
  st.font->Assign(font_.get());
  if (clip_) st.clip = std::make_unique<TRegion>(*clip_);
  st.windowOrg = windowOrg_;
  st.viewportOrg = viewportOrg_;
  st.mapMode = mapMode_;
  st.penPos = penPos_;
  st.bkMode = bkMode_;
  st.bkColor = bkColor_;
  st.textColor = textColor_;
  saved_.push_back(std::move(st));
  return static_cast<int>(saved_.size());
}

bool TCanvas::RestoreDC(int SavedDC) {
  int n = static_cast<int>(saved_.size());
  int index = SavedDC < 0 ? n + SavedDC : SavedDC - 1;
  if (index < 0 || index >= n) return false;
  SavedState st = std::move(saved_[index]);
  saved_.resize(index);
  pen_->Assign(st.pen.get());
  brush_->Assign(st.brush.get());
  font_->Assign(st.font.get());
  clip_ = std::move(st.clip);
  windowOrg_ = st.windowOrg;
  viewportOrg_ = st.viewportOrg;
  mapMode_ = st.mapMode;
  penPos_ = st.penPos;
  bkMode_ = st.bkMode;
  bkColor_ = st.bkColor;
  textColor_ = st.textColor;
  penDirty_ = brushDirty_ = fontDirty_ = clipDirty_ = originDirty_ = true;
  return true;
}

void TCanvas::SelectClipRegion(const TRegion* Region) {
  TCanvasCallScope s(this, "SelectClipRgn", [&](TCanvasCall& c) {
    if (Region) c.Rect = Region->Bounds();
  });
  if (Region)
    clip_ = std::make_unique<TRegion>(*Region);
  else
    clip_.reset();
  clipDirty_ = true;
}

int TCanvas::ExcludeClipRect(const TRect& R) {
  TCanvasCallScope s(this, "ExcludeClipRect", [&](TCanvasCall& c) { c.Rect = R; });
  TRegion base;
  if (clip_) {
    base = *clip_;
  } else {
    TSize ds = DeviceSize();
    base = TRegion(ds.cx > 0 && ds.cy > 0 ? TRect(0, 0, ds.cx, ds.cy) : kHugeRect);
  }
  clip_ = std::make_unique<TRegion>(TRegion::Combine(base, TRegion(LogicalToDevice(R)), RGN_DIFF));
  clipDirty_ = true;
  return clip_->Kind();
}

int TCanvas::IntersectClipRect(const TRect& R) {
  TCanvasCallScope s(this, "IntersectClipRect", [&](TCanvasCall& c) { c.Rect = R; });
  TRegion r(LogicalToDevice(R));
  clip_ = std::make_unique<TRegion>(clip_ ? TRegion::Combine(*clip_, r, RGN_AND) : r);
  clipDirty_ = true;
  return clip_->Kind();
}
