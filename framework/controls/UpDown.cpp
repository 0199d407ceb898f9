#include "framework/controls/UpDown.h"

#include <algorithm>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Themes.h"
#include "framework/rtl/StrUtils.h"

namespace {
constexpr uintptr_t kRepeatTimer = 1;
constexpr UINT kFirstDelayMs = 400;
constexpr UINT kRepeatMs = 100;

std::string WithThousands(int Value) {
  std::string digits = std::to_string(Value < 0 ? -static_cast<long long>(Value) : Value);
  std::string out;
  int n = static_cast<int>(digits.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += digits[static_cast<size_t>(i)];
  }
  return Value < 0 ? "-" + out : out;
}
}  // namespace

TCustomUpDown::TCustomUpDown(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = TControlStyle{csCaptureMouse, csDoubleClicks, csFixedWidth};
  SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), 25);
  SetTabStop(false);
}

TCustomUpDown::~TCustomUpDown() {
  if (associate_ != nullptr) associate_->RemoveFreeNotification(this);
  StopRepeat();
}

void TCustomUpDown::SetMin(int Value) {
  min_ = Value;
  if (position_ < std::min(min_, max_)) position_ = std::min(min_, max_);
  UpdateAssociate();
}

void TCustomUpDown::SetMax(int Value) {
  max_ = Value;
  if (position_ > std::max(min_, max_)) position_ = std::max(min_, max_);
  UpdateAssociate();
}

void TCustomUpDown::SetPosition(int Value) {
  position_ = std::clamp(Value, std::min(min_, max_), std::max(min_, max_));
  UpdateAssociate();
}

void TCustomUpDown::SetOrientation(TUDOrientation Value) {
  if (orientation_ == Value) return;
  orientation_ = Value;
  Invalidate();
}

void TCustomUpDown::SetThousands(bool Value) {
  thousands_ = Value;
  UpdateAssociate();
}

void TCustomUpDown::SetAlignButton(TUDAlignButton Value) {
  alignButton_ = Value;
  SetAssociate(associate_);
}

void TCustomUpDown::SetAssociate(TWinControl* Value) {
  if (associate_ != nullptr && associate_ != Value) associate_->RemoveFreeNotification(this);
  associate_ = Value;
  if (associate_ == nullptr) return;
  associate_->FreeNotification(this);
  // The buttons sit beside their control, as high as it is.
  int x = alignButton_ == udRight ? associate_->Left() + associate_->Width() : associate_->Left() - Width();
  SetBounds(x, associate_->Top(), Width(), associate_->Height());
  UpdateAssociate();
}

void TCustomUpDown::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == associate_) associate_ = nullptr;
}

void TCustomUpDown::UpdateAssociate() {
  if (associate_ == nullptr) return;
  associate_->SetText(thousands_ ? WithThousands(position_) : std::to_string(position_));
}

TUDBtnType TCustomUpDown::ButtonAt(const TPoint& P) const {
  if (orientation_ == udVertical) return P.Y < ClientHeight() / 2 ? btNext : btPrev;
  return P.X >= ClientWidth() / 2 ? btNext : btPrev;
}

TRect TCustomUpDown::ButtonRect(TUDBtnType Button) const {
  TRect c = ClientRect();
  if (orientation_ == udVertical) {
    int mid = c.Height() / 2;
    return Button == btNext ? TRect(0, 0, c.Right, mid) : TRect(0, mid, c.Right, c.Bottom);
  }
  int mid = c.Width() / 2;
  return Button == btNext ? TRect(mid, 0, c.Right, c.Bottom) : TRect(0, 0, mid, c.Bottom);
}

bool TCustomUpDown::CanChange(int NewValue, TUpDownDirection Direction) {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (OnChangingEx) OnChangingEx(this, allow, NewValue, Direction);
  return allow;
}

void TCustomUpDown::DoClick(TUDBtnType Button) {
  if (OnClick) OnClick(this, Button);
}

void TCustomUpDown::Step(TUDBtnType Button) {
  int lo = std::min(min_, max_), hi = std::max(min_, max_);
  long long next = static_cast<long long>(position_) + (Button == btNext ? increment_ : -increment_);
  if (next > hi) next = wrap_ ? lo : hi;
  if (next < lo) next = wrap_ ? hi : lo;
  int value = static_cast<int>(next);
  if (value != position_ && !CanChange(value, Button == btNext ? updUp : updDown)) return;
  position_ = value;
  UpdateAssociate();
  DoClick(Button);
}

void TCustomUpDown::StopRepeat() {
  if (repeating_ && HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
  repeating_ = false;
}

void TCustomUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (associate_ != nullptr && associate_->CanFocus() && !associate_->Focused()) associate_->SetFocus();
  pressed_ = ButtonAt(TPoint(X, Y));
  Invalidate();
  Step(static_cast<TUDBtnType>(pressed_));
  if (HandleAllocated() && pressed_ >= 0) {
    SetTimer(Handle(), kRepeatTimer, kFirstDelayMs);
    repeating_ = true;
  }
}

void TCustomUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  StopRepeat();
  pressed_ = -1;
  Invalidate();
}

void TCustomUpDown::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (!arrowKeys_) return;
  if (Key == VK_UP || Key == VK_RIGHT) {
    Step(btNext);
    Key = 0;
  } else if (Key == VK_DOWN || Key == VK_LEFT) {
    Step(btPrev);
    Key = 0;
  }
}

void TCustomUpDown::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_TIMER:
      if (Message.WParam == kRepeatTimer) {
        if (pressed_ < 0 || GetCapture() != Handle()) {
          StopRepeat();
          return;
        }
        SetTimer(Handle(), kRepeatTimer, kRepeatMs);
        // Repeats only while the pointer stays over the pressed button.
        TPoint p = ScreenToClient(CursorPos());
        if (PtInRect(ButtonRect(static_cast<TUDBtnType>(pressed_)), p))
          Step(static_cast<TUDBtnType>(pressed_));
        return;
      }
      break;
    case WM_CAPTURECHANGED:
      TCustomControl::WndProc(Message);
      if (static_cast<HWND>(Message.LParam) != (HandleAllocated() ? Handle() : 0)) {
        StopRepeat();
        if (pressed_ >= 0) {
          pressed_ = -1;
          Invalidate();
        }
      }
      return;
    case WM_GETDLGCODE:
      Message.Result = arrowKeys_ ? DLGC_WANTARROWS : 0;
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TCustomControl::WndProc(Message);
      if (Message.LParam == 0) {
        hot_ = Message.Msg == CM_MOUSEENTER;
        Invalidate();
      }
      return;
    case CM_ENABLEDCHANGED:
      TCustomControl::WndProc(Message);
      Invalidate();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

void TCustomUpDown::Paint() {
  TCanvas* c = Canvas();
  for (TUDBtnType b : {btNext, btPrev}) {
    TRect r = ButtonRect(b);
    bool down = pressed_ == static_cast<int>(b);
    if (HTHEME th = OpenThemeData(0, "spin")) {
      int part = orientation_ == udVertical ? (b == btNext ? SPNP_UP : SPNP_DOWN)
                                            : (b == btNext ? SPNP_UPHORZ : SPNP_DOWNHORZ);
      int state = !Enabled() ? UPS_DISABLED : down ? UPS_PRESSED : hot_ ? UPS_HOT : UPS_NORMAL;
      DrawThemeBackground(th, c, part, state, r, nullptr);
      CloseThemeData(th);
      continue;
    }
    unsigned kind = orientation_ == udVertical ? (b == btNext ? DFCS_SCROLLUP : DFCS_SCROLLDOWN)
                                               : (b == btNext ? DFCS_SCROLLRIGHT : DFCS_SCROLLLEFT);
    if (down) kind |= DFCS_PUSHED;
    if (!Enabled()) kind |= DFCS_INACTIVE;
    DrawFrameControl(c, r, DFC_SCROLL, kind);
  }
}
