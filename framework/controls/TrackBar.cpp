#include "framework/controls/TrackBar.h"

#include <algorithm>

#include "framework/controls/StdMessages.h"

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::SetMin(int Value) {
  if (Value == min_) return;
  min_ = Value;
  if (max_ < min_) max_ = min_;
  SetPosition(position_);
  Invalidate();
}

void TTrackBar::SetMax(int Value) {
  if (Value == max_) return;
  max_ = Value;
  if (min_ > max_) min_ = max_;
  SetPosition(position_);
  Invalidate();
}

void TTrackBar::SetPosition(int Value) {
  const int v = std::clamp(Value, min_, max_);
  if (v == position_) return;
  position_ = v;
  Invalidate();
  if (OnChange) OnChange(this);
}

void TTrackBar::SetFrequency(int Value) {
  if (Value == frequency_) return;
  frequency_ = Value;
  Invalidate();
}

int TTrackBar::XOf(int Pos) const {
  if (max_ <= min_) return ChannelLeft();
  return ChannelLeft() + static_cast<int>(static_cast<long long>(Pos - min_) *
                                          (ChannelRight() - ChannelLeft()) / (max_ - min_));
}

int TTrackBar::PositionAt(int X) const {
  const int span = ChannelRight() - ChannelLeft();
  if (span <= 0 || max_ <= min_) return min_;
  const int x = std::clamp(X, ChannelLeft(), ChannelRight()) - ChannelLeft();
  return min_ + static_cast<int>((static_cast<long long>(x) * (max_ - min_) + span / 2) / span);
}

TRect TTrackBar::ThumbRect() const {
  const int x = XOf(position_);
  return TRect(x - 5, 6, x + 6, 26);
}

void TTrackBar::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  // Channel.
  c->Pen()->SetColor(clBtnShadow);
  c->Brush()->SetColor(clWhite);
  c->Rectangle(ChannelLeft() - 4, 13, ChannelRight() + 5, 18);
  // Ticks below the channel.
  c->Pen()->SetColor(clBlack);
  const int step = std::max(1, frequency_);
  for (long long p = min_; p <= max_; p += step) {
    const int x = XOf(static_cast<int>(p));
    c->MoveTo(x, 30);
    c->LineTo(x, 34);
  }
  // Thumb.
  const TRect t = ThumbRect();
  c->Brush()->SetColor(Focused() ? clHighlight : clBtnFace);
  c->Pen()->SetColor(clBtnShadow);
  c->Rectangle(t);
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (CanFocus() && !Focused()) SetFocus();
  const TRect t = ThumbRect();
  if (X >= t.Left && X < t.Right) {
    dragging_ = true;
    return;
  }
  const int page = std::max(1, pageSize_);
  SetPosition(X < t.Left ? position_ - page : position_ + page);
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (dragging_) SetPosition(PositionAt(X));
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  dragging_ = false;
}

void TTrackBar::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
      SetPosition(position_ - 1);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      SetPosition(position_ + 1);
      break;
    case VK_PRIOR:
      SetPosition(position_ - std::max(1, pageSize_));
      break;
    case VK_NEXT:
      SetPosition(position_ + std::max(1, pageSize_));
      break;
    case VK_HOME:
      SetPosition(min_);
      break;
    case VK_END:
      SetPosition(max_);
      break;
    default:
      return;
  }
}

void TTrackBar::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_WANTARROWS;
    return;
  }
  if (Message.Msg == WM_SETFOCUS || Message.Msg == WM_KILLFOCUS) Invalidate();
  TCustomControl::WndProc(Message);
}
