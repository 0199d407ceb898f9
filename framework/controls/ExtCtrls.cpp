#include "framework/controls/ExtCtrls.h"

#include <algorithm>

#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"

// ---- TTimer ----

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  window_ = AllocateHWnd([this](TMessage& m) { WndProc(m); });
  UpdateTimer();
}

TTimer::~TTimer() {
  enabled_ = false;
  KillTimer(window_, 1);
  DeallocateHWnd(window_);
}

void TTimer::UpdateTimer() {
  KillTimer(window_, 1);
  // Runs whether or not OnTimer is set yet, so a handler assigned later
  // still gets the ticks.
  if (enabled_ && interval_ != 0) SetTimer(window_, 1, interval_);
}

void TTimer::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
  if (interval_ == Value) return;
  interval_ = Value;
  UpdateTimer();
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}

void TTimer::WndProc(TMessage& Message) {
  if (Message.Msg != WM_TIMER) return;
  try {
    Timer();
  } catch (...) {
    if (Application != nullptr) Application->HandleException(this);
  }
}

// ---- Frame3D ----

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
  Canvas->Pen()->SetWidth(1);
  Canvas->Pen()->SetStyle(psSolid);
  Rect.Bottom -= 1;
  Rect.Right -= 1;
  while (Width > 0) {
    --Width;
    Canvas->Pen()->SetColor(TopColor);
    TPoint top[] = {{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}};
    Canvas->Polyline(top, 3);
    Canvas->Pen()->SetColor(BottomColor);
    TPoint bottom[] = {{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}};
    Canvas->Polyline(bottom, 3);
    InflateRect(Rect, -1, -1);
  }
  Rect.Bottom += 1;
  Rect.Right += 1;
}

// ---- TCustomPanel ----

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                csOpaque,          csDoubleClicks, csReplicatable};
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  ApplyBorderStyle(Params, borderStyle_);
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  if (bevelInner_ == Value) return;
  bevelInner_ = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  if (bevelOuter_ == Value) return;
  bevelOuter_ = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value) {
  if (bevelWidth_ == Value) return;
  bevelWidth_ = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
  Realign();
  Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  alignment_ = Value;
  Invalidate();
}

void TCustomPanel::SetVerticalAlignment(TVerticalAlignment Value) {
  verticalAlignment_ = Value;
  Invalidate();
}

void TCustomPanel::SetShowCaption(bool Value) {
  showCaption_ = Value;
  Invalidate();
}

void TCustomPanel::AdjustClientRect(TRect& Rect) {
  TCustomControl::AdjustClientRect(Rect);
  int bevel = 0;
  if (bevelOuter_ != bvNone) bevel += bevelWidth_;
  if (bevelInner_ != bvNone) bevel += bevelWidth_;
  InflateRect(Rect, -bevel, -bevel);
}

void TCustomPanel::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(r);
  auto colors = [](TBevelCut cut, TColor& top, TColor& bottom) {
    top = cut == bvLowered ? clBtnShadow : clBtnHighlight;
    bottom = cut == bvLowered ? clBtnHighlight : clBtnShadow;
  };
  TColor top, bottom;
  if (bevelOuter_ != bvNone && bevelOuter_ != bvSpace) {
    colors(bevelOuter_, top, bottom);
    Frame3D(c, r, top, bottom, bevelWidth_);
  } else if (bevelOuter_ == bvSpace) {
    InflateRect(r, -bevelWidth_, -bevelWidth_);
  }
  InflateRect(r, -BorderWidth(), -BorderWidth());
  if (bevelInner_ != bvNone && bevelInner_ != bvSpace) {
    colors(bevelInner_, top, bottom);
    Frame3D(c, r, top, bottom, bevelWidth_);
  } else if (bevelInner_ == bvSpace) {
    InflateRect(r, -bevelWidth_, -bevelWidth_);
  }
  if (!showCaption_ || Caption().empty()) return;
  c->Font()->Assign(Font());
  c->Brush()->SetStyle(bsClear);
  unsigned flags = DT_EXPANDTABS | DT_SINGLELINE |
                   (alignment_ == taLeftJustify    ? DT_LEFT
                    : alignment_ == taRightJustify ? DT_RIGHT
                                                   : DT_CENTER) |
                   (verticalAlignment_ == taAlignTop      ? DT_TOP
                    : verticalAlignment_ == taAlignBottom ? DT_BOTTOM
                                                          : DT_VCENTER);
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  if (!Enabled()) c->Font()->SetColor(clGrayText);
  DrawText(c->Handle(), Caption(), r, flags);
}

void TCustomPanel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

// ---- TShape ----

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>()) {
  controlStyle_ << csReplicatable;
  SetBounds(0, 0, 65, 65);
  pen_->OnChange = [this](TObject*) { Invalidate(); };
  brush_->OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType Value) {
  if (shape_ == Value) return;
  shape_ = Value;
  Invalidate();
}

void TShape::Paint() {
  TCanvas* c = Canvas();
  c->Pen()->Assign(pen_.get());
  c->Brush()->Assign(brush_.get());
  int x = pen_->Width() / 2, y = x;
  int w = Width() - pen_->Width() + 1, h = Height() - pen_->Width() + 1;
  if (pen_->Width() == 0) {
    --w;
    --h;
  }
  int s = std::min(w, h);
  if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
    x += (w - s) / 2;
    y += (h - s) / 2;
    w = s;
    h = s;
  }
  switch (shape_) {
    case stRectangle:
    case stSquare:
      c->Rectangle(x, y, x + w, y + h);
      break;
    case stRoundRect:
    case stRoundSquare:
      c->RoundRect(x, y, x + w, y + h, s / 4, s / 4);
      break;
    case stEllipse:
    case stCircle:
      c->Ellipse(x, y, x + w, y + h);
      break;
  }
}
