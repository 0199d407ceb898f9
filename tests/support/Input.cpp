#include "Input.h"

#include "framework/rtl/StrUtils.h"
#include "framework/rtl/Tick.h"

namespace testinput {

namespace {

// The window and the point in its peer's coordinates for a client point of
// Control.
HWND WindowPoint(TControl* Control, int X, int Y, TPoint& Out) {
  TPoint p(X, Y);
  TControl* c = Control;
  while (c != nullptr && dynamic_cast<TWinControl*>(c) == nullptr) {
    p = TPoint(p.X + c->Left(), p.Y + c->Top());
    c = c->Parent();
  }
  auto* w = static_cast<TWinControl*>(c);
  if (w == nullptr) return 0;
  HWND h = w->Handle();
  TPoint back = w->PeerToClient(TPoint(0, 0));
  Out = TPoint(p.X - back.X, p.Y - back.Y);
  return h;
}

TPeerButton PeerButtonOf(TMouseButton B) {
  return B == mbRight ? pbRight : B == mbMiddle ? pbMiddle : pbLeft;
}

}  // namespace

void Pump() { Application->ProcessMessages(); }

void KeyDown(WORD VirtKey) {
  KeyInput(VirtKey, true);
  Pump();
}

void KeyUp(WORD VirtKey) {
  KeyInput(VirtKey, false);
  Pump();
}

void PressKey(WORD VirtKey, TShiftState Shift) {
  if (Shift.Contains(ssCtrl)) KeyDown(VK_LCONTROL);
  if (Shift.Contains(ssShift)) KeyDown(VK_LSHIFT);
  if (Shift.Contains(ssAlt)) KeyDown(VK_LMENU);
  KeyDown(VirtKey);
  KeyUp(VirtKey);
  if (Shift.Contains(ssAlt)) KeyUp(VK_LMENU);
  if (Shift.Contains(ssShift)) KeyUp(VK_LSHIFT);
  if (Shift.Contains(ssCtrl)) KeyUp(VK_LCONTROL);
}

void TypeText(const std::string& Utf8Text) {
  for (char32_t ch : Utf8ToUtf32(Utf8Text)) {
    WORD vk = VK_PACKET;
    bool shift = false;
    if (ch >= 'a' && ch <= 'z') {
      vk = static_cast<WORD>(ch - 32);
    } else if (ch >= 'A' && ch <= 'Z') {
      vk = static_cast<WORD>(ch);
      shift = true;
    } else if (ch >= '0' && ch <= '9') {
      vk = static_cast<WORD>(ch);
    } else if (ch == ' ') {
      vk = VK_SPACE;
    }
    if (shift) KeyInput(VK_LSHIFT, true);
    KeyInput(vk, true, ch);
    Pump();
    KeyInput(vk, false);
    if (shift) KeyInput(VK_LSHIFT, false);
    Pump();
  }
}

void MouseDown(TControl* Control, int X, int Y, TMouseButton Button) {
  TPoint p;
  HWND h = WindowPoint(Control, X, Y, p);
  MouseInput(h, pmaMove, pbNone, p);
  MouseInput(h, pmaDown, PeerButtonOf(Button), p);
  Pump();
}

void MouseUp(TControl* Control, int X, int Y, TMouseButton Button) {
  TPoint p;
  HWND h = WindowPoint(Control, X, Y, p);
  MouseInput(h, pmaUp, PeerButtonOf(Button), p);
  Pump();
}

void MouseMove(TControl* Control, int X, int Y) {
  TPoint p;
  HWND h = WindowPoint(Control, X, Y, p);
  MouseInput(h, pmaMove, pbNone, p);
  Pump();
}

void Click(TControl* Control, int X, int Y, TMouseButton Button) {
  MouseDown(Control, X, Y, Button);
  MouseUp(Control, X, Y, Button);
}

void DoubleClick(TControl* Control, int X, int Y) {
  TPoint p;
  HWND h = WindowPoint(Control, X, Y, p);
  MouseInput(h, pmaDown, pbLeft, p);
  MouseInput(h, pmaUp, pbLeft, p);
  MouseInput(h, pmaDoubleClick, pbLeft, p);
  MouseInput(h, pmaUp, pbLeft, p);
  Pump();
}

void Wheel(TControl* Control, int Delta) {
  TPoint p;
  HWND h = WindowPoint(Control, 1, 1, p);
  MouseWheelInput(h, Delta, p);
  Pump();
}

void ShowForm(TCustomForm* Form) {
  Form->Show();
  Pump();
}

TForm* NewPointerForm(int Width, int Height) {
  ResetKeyboardState();
  auto* form = new TForm(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(100, 100, Width, Height);
  return form;
}

void FreePointerForm(TForm* Form) {
  MouseLeaveInput(Form->Handle());
  delete Form;
}

TTestClock::TTestClock(uint64_t StartMs) : now_(StartMs) {
  SetMessageClock([this] { return now_; });
  SetTickCountSource([this] { return static_cast<std::uint32_t>(now_); });
}

TTestClock::~TTestClock() {
  SetMessageClock(nullptr);
  SetTickCountSource(nullptr);
}

void TTestClock::Advance(uint64_t Ms) {
  now_ += Ms;
  Pump();
}

}  // namespace testinput
