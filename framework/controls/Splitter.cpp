#include "framework/controls/Splitter.h"

#include <algorithm>
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"

#include "framework/graphics/Gdi.h"

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetAlign(alLeft);
  SetBounds(0, 0, 3, 100);
  SetCursor(crHSplit);
  SetParentColor(true);
}

void TSplitter::SetBeveled(bool Value) {
  if (beveled_ == Value) return;
  beveled_ = Value;
  Invalidate();
}

void TSplitter::RequestAlign() {
  TGraphicControl::RequestAlign();
  SetCursor(Horizontal() ? crVSplit : crHSplit);
}

TControl* TSplitter::ResizeControl() const {
  TWinControl* p = Parent();
  if (p == nullptr) return nullptr;
  for (int i = 0; i < p->ControlCount(); ++i) {
    TControl* c = p->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    bool beside = false;
    switch (Align()) {
      case alLeft:
        beside = c->Left() + c->Width() == Left();
        break;
      case alRight:
        beside = c->Left() == Left() + Width();
        break;
      case alTop:
        beside = c->Top() + c->Height() == Top();
        break;
      case alBottom:
        beside = c->Top() == Top() + Height();
        break;
      default:
        break;
    }
    if (beside) return c;
  }
  return nullptr;
}

int TSplitter::MaxSize(TControl* C) const {
  TWinControl* p = Parent();
  if (p == nullptr) return 0;
  bool h = Horizontal();
  int room = h ? p->ClientHeight() : p->ClientWidth();
  // Everything else aligned along the same axis keeps its room.
  for (int i = 0; i < p->ControlCount(); ++i) {
    TControl* c = p->Controls(i);
    if (c == C || !c->Visible()) continue;
    TAlign a = c->Align();
    if (h && (a == alTop || a == alBottom)) room -= c->Height();
    if (!h && (a == alLeft || a == alRight)) room -= c->Width();
  }
  return std::max(0, room - minSize_);
}

void TSplitter::ApplySize(int Delta) {
  if (control_ == nullptr) return;
  bool h = Horizontal();
  // Moving towards the control shrinks it.
  int sign = (Align() == alLeft || Align() == alTop) ? 1 : -1;
  int size = startSize_ + sign * Delta;
  int maxSize = MaxSize(control_);
  if (size > maxSize) size = maxSize;
  if (size < minSize_) size = autoSnap_ && size < minSize_ / 2 ? 0 : minSize_;
  bool accept = true;
  if (OnCanResize) OnCanResize(this, size, accept);
  if (!accept) return;
  int current = h ? control_->Height() : control_->Width();
  if (size == current) return;
  switch (Align()) {
    case alLeft:
      control_->SetWidth(size);
      break;
    case alTop:
      control_->SetHeight(size);
      break;
    case alRight:
      control_->SetBounds(control_->Left() + control_->Width() - size, control_->Top(), size,
                          control_->Height());
      break;
    case alBottom:
      control_->SetBounds(control_->Left(), control_->Top() + control_->Height() - size, control_->Width(),
                          size);
      break;
    default:
      break;
  }
}

void TSplitter::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      control_ = ResizeControl();
      if (control_ != nullptr) {
        dragging_ = true;
        downPos_ = ClientToScreen(TPoint(Message.XPos(), Message.YPos()));
        startSize_ = Horizontal() ? control_->Height() : control_->Width();
      }
      break;
    case WM_MOUSEMOVE:
      if (dragging_) {
        TPoint p = ClientToScreen(TPoint(Message.XPos(), Message.YPos()));
        ApplySize(Horizontal() ? p.Y - downPos_.Y : p.X - downPos_.X);
      }
      break;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        TGraphicControl::WndProc(Message);
        if (OnMoved) OnMoved(this);
        return;
      }
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(Message);
}

void TSplitter::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(r);
  if (beveled_) {
    if (Horizontal())
      InflateRect(r, 0, -1);
    else
      InflateRect(r, -1, 0);
    DrawEdge(c, r, BDR_RAISEDINNER, BF_RECT);
  }
}

// ---- Published tables ----

CF_ENUM_IDENTS(TResizeStyle, rsNone, rsLine, rsUpdate, rsPattern)

CF_PUBLISH(TSplitter, TGraphicControl) {
  using C = TSplitter;
  P.Enum("Align", &C::Align, &C::SetAlign).Default(alLeft);
  P.Integer("Cursor", &C::Cursor, &C::SetCursor).Idents("TCursor").Default(crHSplit);
  P.Bool("ParentColor", &C::ParentColor, &C::SetParentColor).Default(true);
  P.Bool("AutoSnap", &C::AutoSnap, &C::SetAutoSnap).Default(true);
  P.Bool("Beveled", &C::Beveled, &C::SetBeveled).Default(false);
  P.Integer("MinSize", &C::MinSize, &C::SetMinSize).Default(30);
  P.Enum("ResizeStyle", &C::ResizeStyle, &C::SetResizeStyle).Default(rsPattern);
  P.Event("OnCanResize", &C::OnCanResize);
  P.Event("OnMoved", &C::OnMoved);
}
