#include "framework/controls/Image.h"

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"
#include "framework/graphics/Gdi.h"
#include "framework/rtl/SysUtils.h"

// ---- TImage ----

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(std::make_unique<TPicture>()) {
  controlStyle_ << csReplicatable;
  picture_->OnChange = [this](TObject* s) { PictureChanged(s); };
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { picture_->OnChange = nullptr; }

TCanvas* TImage::Canvas() {
  TGraphic* g = picture_->Graphic();
  if (g != nullptr && dynamic_cast<TBitmap*>(g) == nullptr)
    throw EInvalidOperation("Can only modify an image if it contains a bitmap");
  TBitmap* b = picture_->Bitmap();
  if (b->Empty()) b->SetSize(Width(), Height());
  return b->Canvas();
}

void TImage::SetStretch(bool Value) {
  if (stretch_ == Value) return;
  stretch_ = Value;
  Invalidate();
}

void TImage::SetProportional(bool Value) {
  if (proportional_ == Value) return;
  proportional_ = Value;
  Invalidate();
}

void TImage::SetCenter(bool Value) {
  if (center_ == Value) return;
  center_ = Value;
  Invalidate();
}

void TImage::SetTransparent(bool Value) {
  if (transparent_ == Value) return;
  transparent_ = Value;
  PictureChanged(this);
}

void TImage::PictureChanged(TObject*) {
  if (drawing_) return;
  TGraphic* g = picture_->Graphic();
  if (g != nullptr && !g->Empty()) {
    // Setting the graphic's flag notifies again; that pass changes nothing.
    drawing_ = true;
    if (g->Transparent() != transparent_ && dynamic_cast<TIcon*>(g) == nullptr)
      g->SetTransparent(transparent_);
    drawing_ = false;
    if (AutoSize()) SetBounds(Left(), Top(), g->Width(), g->Height());
  }
  Invalidate();
}

bool TImage::CanAutoSize(int& NewWidth, int& NewHeight) {
  TGraphic* g = picture_->Graphic();
  if (g == nullptr || g->Empty()) return false;
  NewWidth = g->Width();
  NewHeight = g->Height();
  return true;
}

TRect TImage::DestRect() const {
  int w = picture_->Width(), h = picture_->Height();
  int cw = ClientWidth(), ch = ClientHeight();
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_ && w > 0 && h > 0) {
      // The longer side fits first; the other follows the ratio.
      double ratio = static_cast<double>(w) / h;
      if (w > h) {
        w = cw;
        h = static_cast<int>(cw / ratio);
        if (h > ch) {
          h = ch;
          w = static_cast<int>(ch * ratio);
        }
      } else {
        h = ch;
        w = static_cast<int>(ch * ratio);
        if (w > cw) {
          w = cw;
          h = static_cast<int>(cw / ratio);
        }
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  TRect r(0, 0, w, h);
  if (center_) OffsetRect(r, (cw - w) / 2, (ch - h) / 2);
  return r;
}

void TImage::Paint() {
  TCanvas* c = TGraphicControl::Canvas();
  TGraphic* g = picture_->Graphic();
  if (g == nullptr || g->Empty()) return;
  drawing_ = true;
  try {
    c->StretchDraw(DestRect(), g);
  } catch (...) {
    drawing_ = false;
    throw;
  }
  drawing_ = false;
}

// ---- TBevel ----

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_ << csReplicatable;
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
  if (shape_ == Value) return;
  shape_ = Value;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  Invalidate();
}

void TBevel::Paint() {
  TCanvas* c = TGraphicControl::Canvas();
  TColor dark = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
  TColor light = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
  int w = Width(), h = Height();
  c->Pen()->SetWidth(1);
  c->Pen()->SetStyle(psSolid);
  auto line = [c](TColor col, int x1, int y1, int x2, int y2) {
    c->Pen()->SetColor(col);
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
  };
  // The first colour draws the top and left edges.
  auto box = [&](TColor tl, TColor br, int l, int t, int r, int b) {
    line(tl, l, b - 1, l, t);
    line(tl, l, t, r - 1, t);
    line(br, r - 1, t, r - 1, b - 1);
    line(br, r - 1, b - 1, l - 1, b - 1);
  };
  switch (shape_) {
    case bsBox:
      box(dark, light, 0, 0, w, h);
      break;
    case bsFrame:
      box(dark, light, 0, 0, w - 1, h - 1);
      box(light, dark, 1, 1, w, h);
      break;
    case bsTopLine:
      line(dark, 0, 0, w, 0);
      line(light, 0, 1, w, 1);
      break;
    case bsBottomLine:
      line(dark, 0, h - 2, w, h - 2);
      line(light, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      line(dark, 0, 0, 0, h);
      line(light, 1, 0, 1, h);
      break;
    case bsRightLine:
      line(dark, w - 2, 0, w - 2, h);
      line(light, w - 1, 0, w - 1, h);
      break;
    case bsSpacer:
      break;
  }
}

// ---- Published tables ----

CF_ENUM_IDENTS(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)
CF_ENUM_IDENTS(TBevelStyle, bsLowered, bsRaised)

CF_PUBLISH(TImage, TGraphicControl) {
  using C = TImage;
  P.Bool("Center", &C::Center, &C::SetCenter).Default(false);
  P.Bool("IncrementalDisplay", &C::IncrementalDisplay, &C::SetIncrementalDisplay).Default(false);
  P.Object("Picture", [](C* c) { return c->Picture(); });
  P.Bool("Proportional", &C::Proportional, &C::SetProportional).Default(false);
  P.Bool("Stretch", &C::Stretch, &C::SetStretch).Default(false);
  P.Bool("Transparent", &C::Transparent, &C::SetTransparent).Default(false);
}

CF_PUBLISH(TBevel, TGraphicControl) {
  using C = TBevel;
  P.Enum("Shape", &C::Shape, &C::SetShape).Default(bsBox);
  P.Enum("Style", &C::Style, &C::SetStyle).Default(bsLowered);
}
