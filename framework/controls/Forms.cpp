#include "framework/controls/Forms.h"

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <map>

#include "framework/backend/Backend.h"
#include "framework/classes/Thread.h"
#include "framework/controls/DragDrop.h"
#include "framework/controls/Menus.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

// Counts focus changes, so a focus message that caused another change can
// tell that its own change is out of date.
int gFocusCount = 0;
// Errors raised while a window paints are shown once painting is over (a
// box inside a paint would paint again under it); the same error of the
// same window is shown once.
int gPaintDepth = 0;
HWND gPaintWnd = 0;
std::deque<std::exception_ptr> gPaintErrors;
std::map<HWND, std::string> gLastPaintError;
constexpr UINT kShowPaintError = WM_APP + 0x3F1;

std::string ErrorText(std::exception_ptr e) {
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& ex) {
    return ex.what();
  } catch (...) {
    return "Unknown error";
  }
}

// The character the keyboard layout gave for the key being handled.
char32_t gPendingChar = 0;
bool gPendingCharSet = false;

bool SendFocusMessage(HWND Wnd, UINT Msg) {
  int count = gFocusCount;
  SendMessage(Wnd, Msg, 0, 0);
  return gFocusCount == count;
}

// ---- The real interaction: dialogs of the backend and a modal loop ----
class TRealInteraction : public TInteractionHook {
 public:
  int MessageBox(const TMessageBoxParams& Params) override {
    IBackend* b = Backend();
    return b ? b->ShowMessageBox(Params) : mrCancel;
  }
  void RunModal(TCustomForm* Form) override {
    do {
      Application->HandleMessage();
      if (Application->Terminated())
        Form->SetModalResult(mrCancel);
      else if (Form->ModalResult() != mrNone)
        Form->CloseModal();
    } while (Form->ModalResult() == mrNone);
  }
  bool FileDialog(TFileDialogParams& Params) override {
    IBackend* b = Backend();
    return b ? b->ShowFileDialog(Params) : false;
  }
  int PopupMenu(const std::vector<TPopupMenuEntry>& Entries, const TPoint& ScreenPos) override {
    IBackend* b = Backend();
    return b ? b->ShowPopupMenu(Entries, ScreenPos) : -1;
  }
};

TRealInteraction gRealInteraction;
TInteractionHook* gHook = nullptr;

// ---- The backend reports to the control tree here ----
class TControlWindowEvents : public IWindowEvents {
 public:
  void PeerPaint(HWND Wnd, TPainter& Painter, const TRect& UpdateRect) override {
    TWinControl* w = FindControl(Wnd);
    if (w == nullptr) return;
    TCanvas dc;
    dc.AttachPainter(&Painter);
    struct PaintScope {
      HWND saved;
      explicit PaintScope(HWND w) : saved(gPaintWnd) {
        ++gPaintDepth;
        gPaintWnd = w;
      }
      ~PaintScope() {
        --gPaintDepth;
        gPaintWnd = saved;
      }
    } scope(Wnd);
    TRect ins = w->NonClientInsets();
    bool top = w->PeerIsClientArea();
    if (!top && (ins.Left || ins.Top || ins.Right || ins.Bottom))
      SendMessage(Wnd, WM_NCPAINT, reinterpret_cast<WPARAM>(&dc), 0);
    if (!IsWindow(Wnd)) return;
    if (!top) dc.SetWindowOrg(TPoint(-ins.Left, -ins.Top));
    TRect update = UpdateRect;
    if (!top) OffsetRect(update, -ins.Left, -ins.Top);
    TRect clip;
    if (!IntersectRect(clip, update, w->ClientRect())) {
      dc.DetachPainter();
      return;
    }
    dc.IntersectClipRect(clip);
    SendMessage(Wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(&dc));
    if (IsWindow(Wnd)) SendMessage(Wnd, WM_PAINT, reinterpret_cast<WPARAM>(&dc), 0);
    dc.DetachPainter();
  }
  void PeerKey(WORD VirtKey, int ScanCode, bool Extended, bool Down, bool AutoRepeat,
               char32_t Char) override {
    KeyInput(VirtKey, Down, Char, ScanCode, Extended, AutoRepeat);
  }
  void PeerMouse(HWND Wnd, TPeerMouseAction Action, TPeerButton Button, const TPoint& Point) override {
    MouseInput(Wnd, Action, Button, Point);
  }
  void PeerMouseWheel(HWND Wnd, int Delta, const TPoint& Point) override {
    MouseWheelInput(Wnd, Delta, Point);
  }
  void PeerMouseLeave(HWND Wnd) override { MouseLeaveInput(Wnd); }
  void PeerMovedOrResized(HWND Wnd, const TRect& ClientOnScreen) override {
    TWinControl* w = FindControl(Wnd);
    if (w == nullptr || !w->IsTopLevelWindow()) return;
    // The peer is the client area when the window system draws the frame,
    // else the whole window.
    TRect ins = w->PeerIsClientArea() ? w->NonClientInsets() : TRect(0, 0, 0, 0);
    TRect r(ClientOnScreen.Left - ins.Left, ClientOnScreen.Top - ins.Top, ClientOnScreen.Right + ins.Right,
            ClientOnScreen.Bottom + ins.Bottom);
    if (r == w->BoundsRect()) return;
    try {
      w->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    } catch (...) {
      Application->HandleException(w);
    }
  }
  void PeerCloseRequest(HWND Wnd) override { SendMessage(Wnd, WM_CLOSE, 0, 0); }
  void PeerPump() override {
    TMsg m;
    int budget = 1000;
    while (budget-- > 0 && PeekPostedMessage(m)) Application->ProcessMessage(m);
    DispatchDueTimers();
  }
  uint32_t PeerDrag(HWND Wnd, TPeerDragAction Action, const TPoint& Point, const IDragPayload* Payload,
                    uint32_t Effects, uint32_t KeyState) override {
    TWinControl* w = FindControl(Wnd);
    if (w == nullptr) return DROPEFFECT_NONE;
    TPoint screen = w->ClientToScreen(w->PeerToClient(Point));
    if (Action != pdaLeave) RecordCursorPos(screen);
    return DragInput(Wnd, Action, screen, Payload, Effects, KeyState);
  }
  void PeerActivated(HWND Wnd, bool Active) override {
    if (!Active) return;
    auto* f = dynamic_cast<TCustomForm*>(FindControl(Wnd));
    if (f == nullptr || !f->Showing()) return;
    if (f->AcceptsInput()) {
      if (GetActiveWindow() != Wnd) f->BringFormToFront();
      return;
    }
    // A click on a form waiting for a modal one comes back to the modal one,
    // as the user expects of a dialog.
    if (Screen != nullptr)
      for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* m = Screen->Forms(i);
        if (m->FormState().Contains(fsModal) && m->Showing() && m->AcceptsInput()) {
          m->BringFormToFront();
          break;
        }
      }
  }
};

TControlWindowEvents gWindowEvents;

// Scan codes of the PC keyboard (set 1) for keys without one from the
// window system; the extended flag marks the keys of the navigation block.
int ScanCodeForKey(WORD vk, bool& extended) {
  extended = false;
  static const char* qwerty = "QWERTYUIOP";
  static const char* asdf = "ASDFGHJKL";
  static const char* zxcv = "ZXCVBNM";
  if (vk >= 'A' && vk <= 'Z') {
    for (int i = 0; qwerty[i]; ++i)
      if (qwerty[i] == vk) return 0x10 + i;
    for (int i = 0; asdf[i]; ++i)
      if (asdf[i] == vk) return 0x1E + i;
    for (int i = 0; zxcv[i]; ++i)
      if (zxcv[i] == vk) return 0x2C + i;
  }
  if (vk >= '1' && vk <= '9') return 0x02 + (vk - '1');
  if (vk == '0') return 0x0B;
  if (vk >= VK_F1 && vk <= VK_F10) return 0x3B + (vk - VK_F1);
  switch (vk) {
    case VK_ESCAPE:
      return 0x01;
    case VK_BACK:
      return 0x0E;
    case VK_TAB:
      return 0x0F;
    case VK_RETURN:
      return 0x1C;
    case VK_CONTROL:
    case VK_LCONTROL:
      return 0x1D;
    case VK_RCONTROL:
      extended = true;
      return 0x1D;
    case VK_SHIFT:
    case VK_LSHIFT:
      return 0x2A;
    case VK_RSHIFT:
      return 0x36;
    case VK_MENU:
    case VK_LMENU:
      return 0x38;
    case VK_RMENU:
      extended = true;
      return 0x38;
    case VK_SPACE:
      return 0x39;
    case VK_CAPITAL:
      return 0x3A;
    case VK_F11:
      return 0x57;
    case VK_F12:
      return 0x58;
    case VK_NUMPAD0:
      return 0x52;
    case VK_NUMPAD0 + 1:
      return 0x4F;
    case VK_NUMPAD0 + 2:
      return 0x50;
    case VK_NUMPAD0 + 3:
      return 0x51;
    case VK_NUMPAD0 + 4:
      return 0x4B;
    case VK_NUMPAD0 + 5:
      return 0x4C;
    case VK_NUMPAD0 + 6:
      return 0x4D;
    case VK_NUMPAD0 + 7:
      return 0x47;
    case VK_NUMPAD0 + 8:
      return 0x48;
    case VK_NUMPAD0 + 9:
      return 0x49;
    case VK_MULTIPLY:
      return 0x37;
    case VK_SUBTRACT:
      return 0x4A;
    case VK_ADD:
      return 0x4E;
    case VK_DECIMAL:
      return 0x53;
    case VK_DIVIDE:
      extended = true;
      return 0x35;
    case VK_UP:
      extended = true;
      return 0x48;
    case VK_DOWN:
      extended = true;
      return 0x50;
    case VK_LEFT:
      extended = true;
      return 0x4B;
    case VK_RIGHT:
      extended = true;
      return 0x4D;
    case VK_HOME:
      extended = true;
      return 0x47;
    case VK_END:
      extended = true;
      return 0x4F;
    case VK_PRIOR:
      extended = true;
      return 0x49;
    case VK_NEXT:
      extended = true;
      return 0x51;
    case VK_INSERT:
      extended = true;
      return 0x52;
    case VK_DELETE:
      extended = true;
      return 0x53;
    case VK_OEM_1:
      return 0x27;
    case VK_OEM_PLUS:
      return 0x0D;
    case VK_OEM_COMMA:
      return 0x33;
    case VK_OEM_MINUS:
      return 0x0C;
    case VK_OEM_PERIOD:
      return 0x34;
    case VK_OEM_2:
      return 0x35;
    case VK_OEM_3:
      return 0x29;
    case VK_OEM_4:
      return 0x1A;
    case VK_OEM_5:
      return 0x2B;
    case VK_OEM_6:
      return 0x1B;
    case VK_OEM_7:
      return 0x28;
    default:
      return 0;
  }
}

WORD MouseKeyFlags() {
  WORD k = 0;
  if (GetKeyState(VK_LBUTTON) < 0) k |= MK_LBUTTON;
  if (GetKeyState(VK_RBUTTON) < 0) k |= MK_RBUTTON;
  if (GetKeyState(VK_MBUTTON) < 0) k |= MK_MBUTTON;
  if (GetKeyState(VK_SHIFT) < 0) k |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) k |= MK_CONTROL;
  return k;
}

bool InputAllowed(TWinControl* w) {
  for (TControl* c = w; c != nullptr; c = c->Parent())
    if (!c->Enabled()) return false;
  TWinControl* top = w;
  while (top->Parent() != nullptr) top = top->Parent();
  auto* f = dynamic_cast<TCustomForm*>(top);
  return f == nullptr || f->AcceptsInput();
}

constexpr int kMaxMessagesPerPass = 100000;
constexpr uintptr_t kHintTimerId = 1;
enum { htNone, htShow, htHide };

}  // namespace

TInteractionHook* InteractionHook() { return gHook != nullptr ? gHook : &gRealInteraction; }

TInteractionHook* SetInteractionHook(TInteractionHook* Hook) {
  TInteractionHook* old = gHook;
  gHook = Hook;
  return old;
}

std::string GetShortHint(const std::string& Hint) {
  auto p = Hint.find('|');
  return p == std::string::npos ? Hint : Hint.substr(0, p);
}

std::string GetLongHint(const std::string& Hint) {
  auto p = Hint.find('|');
  return p == std::string::npos ? Hint : Hint.substr(p + 1);
}

// ---- Keyboard layout ----

char32_t CharFromKey(WORD VirtKey, bool Shift, bool Ctrl, bool Alt, bool CapsLock) {
  if (Ctrl && !Alt) {
    if (VirtKey >= 'A' && VirtKey <= 'Z') return VirtKey - 'A' + 1;
    switch (VirtKey) {
      case VK_RETURN:
        return 10;
      case VK_BACK:
        return 127;
      case VK_ESCAPE:
        return 27;
      case VK_OEM_4:
        return 27;
      case VK_OEM_5:
        return 28;
      case VK_OEM_6:
        return 29;
      case VK_SPACE:
        return ' ';
      default:
        return 0;
    }
  }
  switch (VirtKey) {
    case VK_RETURN:
      return 13;
    case VK_ESCAPE:
      return 27;
    case VK_BACK:
      return 8;
    case VK_TAB:
      return 9;
    case VK_SPACE:
      return ' ';
    case VK_MULTIPLY:
      return '*';
    case VK_ADD:
      return '+';
    case VK_SUBTRACT:
      return '-';
    case VK_DECIMAL:
      return '.';
    case VK_DIVIDE:
      return '/';
    default:
      break;
  }
  if (VirtKey >= 'A' && VirtKey <= 'Z') {
    bool upper = Shift != CapsLock;
    return upper ? VirtKey : VirtKey + 32;
  }
  if (VirtKey >= VK_NUMPAD0 && VirtKey <= VK_NUMPAD9) return '0' + (VirtKey - VK_NUMPAD0);
  if (VirtKey >= '0' && VirtKey <= '9') {
    static const char shifted[] = ")!@#$%^&*(";
    return Shift ? static_cast<char32_t>(shifted[VirtKey - '0']) : VirtKey;
  }
  struct Oem {
    WORD vk;
    char plain, shifted;
  };
  static const Oem oem[] = {{VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},
                            {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},
                            {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},
                            {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'}};
  for (const Oem& o : oem)
    if (o.vk == VirtKey) return static_cast<char32_t>(Shift ? o.shifted : o.plain);
  return 0;
}

// ---- Raw input ----

void KeyInput(WORD VirtKey, bool Down, char32_t Char, int ScanCode, bool Extended, bool AutoRepeat) {
  if (Application == nullptr) return;
  bool ext = Extended;
  bool tableExt = false;
  int scan = ScanCode >= 0 ? ScanCode : ScanCodeForKey(VirtKey, tableExt);
  if (ScanCode < 0) ext = ext || tableExt;
  // The key-state table keeps left and right modifiers apart; messages carry
  // the generic key.
  WORD specific = VirtKey, generic = VirtKey;
  switch (VirtKey) {
    case VK_SHIFT:
      specific = scan == 0x36 ? VK_RSHIFT : VK_LSHIFT;
      break;
    case VK_CONTROL:
      specific = ext ? VK_RCONTROL : VK_LCONTROL;
      break;
    case VK_MENU:
      specific = ext ? VK_RMENU : VK_LMENU;
      break;
    case VK_LSHIFT:
    case VK_RSHIFT:
      generic = VK_SHIFT;
      break;
    case VK_LCONTROL:
    case VK_RCONTROL:
      generic = VK_CONTROL;
      break;
    case VK_LMENU:
    case VK_RMENU:
      generic = VK_MENU;
      break;
    default:
      break;
  }
  bool wasDown = GetKeyState(specific) < 0;
  SetKeyDown(specific, Down);
  bool alt = GetKeyState(VK_MENU) < 0;
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  bool sys = (alt && !ctrl) || generic == VK_F10 || (generic == VK_MENU && !ctrl);
  UINT msg = Down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  LPARAM data = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
  if (ext) data |= KF_EXTENDED_BIT;
  if (alt) data |= KF_ALTDOWN_BIT;
  if (!Down || wasDown || AutoRepeat) data |= KF_REPEAT_BIT;
  if (!Down) data |= KF_UP_BIT;
  HWND target = GetFocus();
  if (target == 0) target = GetActiveWindow();
  if (target == 0) return;
  if (auto* w = FindControl(target); w != nullptr && !InputAllowed(w)) return;
  TMsg m{target, msg, generic, data};
  gPendingChar = Char;
  gPendingCharSet = true;
  Application->ProcessMessage(m);
  gPendingCharSet = false;
  gPendingChar = 0;
}

namespace {

// A window being moved or sized by the mouse (a press on what its hit test
// called caption or size grip), as the window system's own loop does it.
struct TSizeMove {
  HWND Wnd = 0;
  LRESULT Hit = HTNOWHERE;
  TPoint Start;
  TRect StartBounds;
};
TSizeMove gSizeMove;

bool SizeMoveStep(TPeerMouseAction Action, const TPoint& Screen) {
  if (gSizeMove.Wnd == 0) return false;
  TWinControl* w = FindControl(gSizeMove.Wnd);
  if (w == nullptr) {
    gSizeMove = TSizeMove();
    return false;
  }
  int dx = Screen.X - gSizeMove.Start.X, dy = Screen.Y - gSizeMove.Start.Y;
  TRect r = gSizeMove.StartBounds;
  if (gSizeMove.Hit == HTCAPTION) {
    OffsetRect(r, dx, dy);
  } else {
    r.Right += dx;
    r.Bottom += dy;
    SendMessage(gSizeMove.Wnd, WM_SIZING, 8 /* WMSZ_BOTTOMRIGHT */, reinterpret_cast<LPARAM>(&r));
  }
  if (IsWindow(gSizeMove.Wnd)) w->SetBounds(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0));
  if (Action == pmaUp) {
    HWND h = gSizeMove.Wnd;
    gSizeMove = TSizeMove();
    ReleaseCapture();
    SendMessage(h, WM_EXITSIZEMOVE, 0, 0);
  }
  return true;
}

// Starts moving (HTCAPTION) or sizing (HTBOTTOMRIGHT) the top-level window
// of W from the cursor's position, as a press on that part of its frame.
void StartSizeMove(TWinControl* W, LRESULT Hit) {
  TWinControl* top = W;
  while (top->Parent() != nullptr) top = top->Parent();
  if (!top->IsTopLevelWindow() || (Hit != HTCAPTION && Hit != HTBOTTOMRIGHT)) return;
  gSizeMove = TSizeMove{top->Handle(), Hit, CursorPos(), top->BoundsRect()};
  SetCapture(top->Handle());
  SendMessage(top->Handle(), WM_ENTERSIZEMOVE, 0, 0);
}

}  // namespace

void MouseInput(HWND Wnd, TPeerMouseAction Action, TPeerButton Button, const TPoint& Point) {
  if (Application == nullptr) return;
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr) return;
  TPoint client = w->PeerToClient(Point);
  TPoint screen = w->ClientToScreen(client);
  RecordCursorPos(screen);
  if (Button == pbLeft && Action == pmaUp) SetKeyDown(VK_LBUTTON, false);
  if (SizeMoveStep(Action, screen)) return;
  int vk = Button == pbLeft     ? VK_LBUTTON
           : Button == pbRight  ? VK_RBUTTON
           : Button == pbMiddle ? VK_MBUTTON
                                : 0;
  if (vk != 0 && Action != pmaMove) SetKeyDown(vk, Action != pmaUp);
  HWND target = Wnd;
  HWND cap = GetCapture();
  TWinControl* tw = w;
  if (cap != 0 && cap != Wnd) {
    TWinControl* c = FindControl(cap);
    if (c != nullptr) {
      target = cap;
      tw = c;
      client = c->ScreenToClient(screen);
    }
  }
  if (Action == pmaMove) {
    if (cap != 0 || InputAllowed(tw)) {
      TMsg m{target, WM_MOUSEMOVE, MouseKeyFlags(), MakeLParam(client.X, client.Y)};
      Application->ProcessMessage(m);
    }
    Application->UpdateMouseControl(screen);
    if (IsWindow(Wnd)) SendMessage(Wnd, WM_SETCURSOR, Wnd, MakeLParam(HTCLIENT, WM_MOUSEMOVE));
    return;
  }
  if (cap == 0 && !InputAllowed(tw)) return;
  UINT base = Button == pbRight ? WM_RBUTTONDOWN : Button == pbMiddle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
  UINT msg = Action == pmaDown ? base : Action == pmaUp ? base + 1 : base + 2;
  if (Action != pmaUp) {
    // A click activates the window it lands in, unless the window says no.
    TWinControl* top = tw;
    while (top->Parent() != nullptr) top = top->Parent();
    if (auto* f = dynamic_cast<TCustomForm*>(top); f != nullptr && GetActiveWindow() != f->Handle()) {
      LRESULT ma = SendMessage(target, WM_MOUSEACTIVATE, f->Handle(), MakeLParam(HTCLIENT, msg));
      if (ma == 4 /* MA_NOACTIVATEANDEAT */ || ma == 2 /* MA_ACTIVATEANDEAT */) {
        if (ma == 2) f->BringFormToFront();
        return;
      }
      if (ma != MA_NOACTIVATE) f->BringFormToFront();
    }
    if (Action == pmaDown && Button == pbLeft && cap == 0) {
      // The window's hit test may turn the press into moving or sizing it.
      LRESULT hit = SendMessage(target, WM_NCHITTEST, 0, MakeLParam(screen.X, screen.Y));
      if ((hit == HTCAPTION || hit == HTBOTTOMRIGHT) && top->IsTopLevelWindow()) {
        gSizeMove = TSizeMove{top->Handle(), hit, screen, top->BoundsRect()};
        SetCapture(target);
        SendMessage(top->Handle(), WM_ENTERSIZEMOVE, 0, 0);
        return;
      }
    }
  }
  TMsg m{target, msg, MouseKeyFlags(), MakeLParam(client.X, client.Y)};
  Application->ProcessMessage(m);
  Application->UpdateMouseControl(screen);
}

void MouseWheelInput(HWND Wnd, int Delta, const TPoint& Point) {
  if (Application == nullptr) return;
  TWinControl* w = FindControl(Wnd);
  if (w == nullptr) return;
  TPoint screen = w->ClientToScreen(w->PeerToClient(Point));
  RecordCursorPos(screen);
  HWND target = GetFocus();
  if (target == 0) target = Wnd;
  if (auto* tw = FindControl(target); tw == nullptr || !InputAllowed(tw)) return;
  TMsg m{target, WM_MOUSEWHEEL, MakeWParam(MouseKeyFlags(), Delta), MakeLParam(screen.X, screen.Y)};
  Application->ProcessMessage(m);
}

void MouseLeaveInput(HWND) {
  if (Application == nullptr || GetCapture() != 0) return;
  Application->UpdateMouseControl(TPoint(-32000, -32000));
}

// ---- TCustomForm ----

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) { Init(); }

TCustomForm::TCustomForm(TComponent* AOwner, int) : TWinControl(AOwner) { Init(); }

void TCustomForm::Init() {
  formState_ << fsCreating;
  canvas_ = std::make_unique<TControlCanvas>(this);
  SetVisible(false);
  controlStyle_ =
      TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetParentFont(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 320, 240);
  if (Screen != nullptr) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  SetComponentStateFlag(csDestroying, true);
  if (OnDestroy) {
    try {
      OnDestroy(this);
    } catch (...) {
      if (Application) Application->HandleException(this);
    }
  }
  if (Screen != nullptr) Screen->RemoveForm(this);
  if (Application != nullptr && Application->MainForm() == this) Application->SetMainForm(nullptr);
  if (GetActiveWindow() != 0 && GetActiveWindow() == handle_) SetActiveWindowHandle(0);
  activeControl_ = nullptr;
  focusedControl_ = nullptr;
  // Children go while the form is still whole.
  while (ControlCount() > 0) {
    TControl* c = Controls(ControlCount() - 1);
    RemoveControl(c);
    delete c;
  }
  DestroyHandle();
}

void TCustomForm::AfterConstruction() {
  if (created_) return;
  created_ = true;
  formState_ >> fsCreating;
  if (OnCreate) OnCreate(this);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (borderStyle_ == Value) return;
  TRect before = NonClientInsets();
  TPoint client(ClientWidth(), ClientHeight());
  borderStyle_ = Value;
  (void)before;
  RecreateWnd();
  // The client area keeps its size; the frame around it changes.
  SetClientSize(client);
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (borderIcons_ == Value) return;
  borderIcons_ = Value;
  RecreateWnd();
}

void TCustomForm::SetWindowState(TWindowState Value) {
  windowState_ = Value;
  if (peer_) peer_->SetWindowState(Value == wsMinimized ? 1 : Value == wsMaximized ? 2 : 0);
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (formStyle_ == Value) return;
  formStyle_ = Value;
  if (peer_) peer_->SetStayOnTop(Value == fsStayOnTop);
}

void TCustomForm::SetAlphaBlend(bool Value) {
  alphaBlend_ = Value;
  if (peer_) peer_->SetOpacity(Value ? alphaBlendValue_ : 255);
}

void TCustomForm::SetAlphaBlendValue(int Value) {
  alphaBlendValue_ = std::clamp(Value, 0, 255);
  if (peer_ && alphaBlend_) peer_->SetOpacity(alphaBlendValue_);
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (borderStyle_) {
    case bsNone:
      Params.Style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      Params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      Params.Style |= WS_POPUP | WS_CAPTION;
      Params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (borderStyle_ != bsNone) {
    if (borderIcons_.Contains(biSystemMenu)) Params.Style |= WS_SYSMENU;
    if (borderIcons_.Contains(biMinimize) && borderStyle_ != bsDialog) Params.Style |= WS_MINIMIZEBOX;
    if (borderIcons_.Contains(biMaximize) && borderStyle_ != bsDialog) Params.Style |= WS_MAXIMIZEBOX;
  }
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
  if (formStyle_ == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
  Params.WndParent = 0;
  if (Application != nullptr && Application->MainForm() != nullptr && Application->MainForm() != this &&
      Application->MainForm()->HandleAllocated())
    Params.WndParent = Application->MainForm()->Handle();
}

TRect TCustomForm::ComputeNonClientInsets(const TCreateParams&) const {
  // The window's frame in the metrics of the classic look; the window
  // system draws its own frame around the client area.
  constexpr int caption = 22, toolCaption = 18, fixed = 3, sizing = 4;
  switch (borderStyle_) {
    case bsNone:
      return TRect(0, 0, 0, 0);
    case bsSingle:
    case bsDialog:
      return TRect(fixed, fixed + caption, fixed, fixed);
    case bsSizeable:
      return TRect(sizing, sizing + caption, sizing, sizing);
    case bsToolWindow:
      return TRect(fixed, fixed + toolCaption, fixed, fixed);
    case bsSizeToolWin:
      return TRect(sizing, sizing + toolCaption, sizing, sizing);
  }
  return TRect();
}

void TCustomForm::FillPeerParams(const TCreateParams& Params, TPeerParams& Peer) {
  TWinControl::FillPeerParams(Params, Peer);
  Peer.Frameless = borderStyle_ == bsNone;
  Peer.Sizeable = borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin;
  Peer.ToolWindow = borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin;
  Peer.StayOnTop = formStyle_ == fsStayOnTop || (Params.ExStyle & WS_EX_TOPMOST) != 0;
  Peer.SystemMenu = borderIcons_.Contains(biSystemMenu);
  Peer.MinimizeBox = borderIcons_.Contains(biMinimize) && borderStyle_ != bsDialog;
  Peer.MaximizeBox = borderIcons_.Contains(biMaximize) && borderStyle_ != bsDialog;
  Peer.Owner = Params.WndParent;
}

bool TCustomForm::CanFocus() const { return Visible() && Enabled(); }

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (activeControl_ == Control) return;
  if (Control != nullptr && (Control == this || GetParentForm(Control) != this ||
                             (!ComponentState().Contains(csLoading) && !Control->CanFocus())))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = Control;
  if (!ComponentState().Contains(csLoading) && active_) SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* Control) {
  bool wasActive = active_;
  SetActiveControl(Control);
  if (!wasActive) SetFocus();
}

void TCustomForm::SetFocus() {
  if (active_) return;
  if (!Visible() || !Enabled()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
  SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
  TWinControl* target = activeControl_ != nullptr ? activeControl_ : this;
  HWND h = target->Handle();
  ::SetFocus(h);
  if (GetFocus() == h) SendMessage(h, CM_UIACTIVATE, 0, 0);
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  ++gFocusCount;
  if (Control != this) activeControl_ = Control;
  if (Screen != nullptr) {
    Screen->activeControl_ = Control;
    Screen->activeForm_ = this;
    Screen->MoveToFront(this);
  }
  if (Control->ControlState().Contains(csFocusing)) return false;
  Control->SetControlState(Control->ControlState() + TControlState{csFocusing});
  struct Unmark {
    TWinControl* c;
    ~Unmark() { c->SetControlState(c->ControlState() - TControlState{csFocusing}); }
  } unmark{Control};
  if (Screen != nullptr && Screen->focusedForm_ != this) {
    if (Screen->focusedForm_ != nullptr) {
      TCustomForm* old = Screen->focusedForm_;
      Screen->focusedForm_ = nullptr;
      if (old->HandleAllocated() && !SendFocusMessage(old->Handle(), CM_DEACTIVATE)) return false;
    }
    Screen->focusedForm_ = this;
    if (!SendFocusMessage(Handle(), CM_ACTIVATE)) return false;
  }
  if (focusedControl_ == nullptr) focusedControl_ = this;
  if (focusedControl_ != Control) {
    while (focusedControl_ != nullptr && !focusedControl_->ContainsControl(Control)) {
      TWinControl* leaving = focusedControl_;
      focusedControl_ = focusedControl_->Parent();
      if (leaving->HandleAllocated() && !SendFocusMessage(leaving->Handle(), CM_EXIT)) return false;
    }
    while (focusedControl_ != Control) {
      TWinControl* temp = Control;
      while (temp->Parent() != focusedControl_) temp = temp->Parent();
      focusedControl_ = temp;
      if (!SendFocusMessage(temp->Handle(), CM_ENTER)) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
  }
  return true;
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (ComponentState().Contains(csDestroying)) return;
  if (Removing && focusedControl_ != nullptr && Control->ContainsControl(focusedControl_))
    focusedControl_ = Control->Parent();
  if (activeControl_ != nullptr && Control->ContainsControl(activeControl_)) activeControl_ = nullptr;
  if (Screen != nullptr && Screen->activeControl_ != nullptr &&
      Control->ContainsControl(Screen->activeControl_))
    Screen->activeControl_ = nullptr;
  // Keys must not keep going to a window that is gone or hidden.
  HWND f = GetFocus();
  if (f != 0) {
    TWinControl* fc = FindControl(f);
    if (fc != nullptr && Control->ContainsControl(fc)) {
      if (HandleAllocated() && Control != this)
        ::SetFocus(handle_);
      else
        ::SetFocus(0);
    }
  }
}

void TCustomForm::SetActive(bool Value) {
  active_ = Value;
  if (Value) {
    if (activeControl_ == nullptr) {
      TWinControl* first = FindNextControl(nullptr, true, true, false);
      if (first != nullptr) activeControl_ = first;
    }
    SetWindowFocus();
  }
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::BringFormToFront() {
  if (!HandleAllocated()) return;
  if (peer_) {
    peer_->BringToFront();
    if (!(exStyle_ & WS_EX_NOACTIVATE)) peer_->Activate();
  }
  if (Screen != nullptr) Screen->MoveToFront(this);
  HWND old = GetActiveWindow();
  if (old == handle_) return;
  SetActiveWindowHandle(handle_);
  if (old != 0) SendMessage(old, WM_ACTIVATE, WA_INACTIVE, static_cast<LPARAM>(handle_));
  if (IsWindow(handle_)) SendMessage(handle_, WM_ACTIVATE, WA_ACTIVE, static_cast<LPARAM>(old));
}

void TCustomForm::PositionForShowing() {
  if (Screen == nullptr) return;
  TRect area;
  TCustomForm* centreOn = nullptr;
  switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
      area = Screen->WorkAreaRect();
      break;
    case poMainFormCenter:
      centreOn = Application != nullptr ? Application->MainForm() : nullptr;
      break;
    case poOwnerFormCenter:
      centreOn = dynamic_cast<TCustomForm*>(Owner());
      break;
    default:
      return;
  }
  if (position_ == poMainFormCenter || position_ == poOwnerFormCenter) {
    if (centreOn == nullptr || centreOn == this || !centreOn->Showing())
      area = Screen->WorkAreaRect();
    else
      area = centreOn->BoundsRect();
  }
  int l = area.Left + (area.Width() - Width()) / 2;
  int t = area.Top + (area.Height() - Height()) / 2;
  TRect work = Screen->WorkAreaRect();
  if (position_ != poScreenCenter && position_ != poDesktopCenter) {
    // Centred on a form, but kept on the screen.
    l = std::max(work.Left, std::min(l, work.Right - Width()));
    t = std::max(work.Top, std::min(t, work.Bottom - Height()));
  }
  SetBounds(l, t, Width(), Height());
}

void TCustomForm::UpdateShowing() { TWinControl::UpdateShowing(); }

namespace {
// The window a form about to show stays above: a modal form above the form
// it was opened from, any other form above the main form.
HWND OwnerForShowing(const TCustomForm* Form) {
  if (Form->FormState().Contains(fsModal)) {
    HWND active = GetActiveWindow();
    auto* f = dynamic_cast<TCustomForm*>(FindControl(active));
    if (f != nullptr && f != Form && f->Showing()) return active;
  }
  TCustomForm* main = Application != nullptr ? Application->MainForm() : nullptr;
  return main != nullptr && main != Form && main->HandleAllocated() ? main->Handle() : 0;
}
}  // namespace

HWND TCustomForm::ShowingOwner() { return OwnerForShowing(this); }

void TCustomForm::CMShowingChanged(TMessage& Message) {
  // A window made again for new looks is the same form still on screen.
  bool recreating = controlState_.Contains(csRecreating);
  if (Showing()) {
    formState_ << fsShowing;
    try {
      if (!recreating) {
        PositionForShowing();
        DoShow();
      }
    } catch (...) {
      formState_ >> fsShowing;
      throw;
    }
    formState_ >> fsShowing;
    UpdatePeerBounds();
    // A window made again keeps the owner it was shown with.
    if (!recreating || !IsWindow(ownerWnd_)) ownerWnd_ = ShowingOwner();
    if (peer_) peer_->SetOwner(ownerWnd_);
    TWinControl::CMShowingChanged(Message);
    if (Screen != nullptr) Screen->MoveToFront(this);
    if (!(exStyle_ & WS_EX_NOACTIVATE)) BringFormToFront();
  } else {
    bool wasActive = GetActiveWindow() == handle_;
    TWinControl::CMShowingChanged(Message);
    if (wasActive) {
      SetActiveWindowHandle(0);
      SendMessage(handle_, WM_ACTIVATE, WA_INACTIVE, 0);
      // The next shown form takes over, as the window system would do.
      if (Screen != nullptr)
        for (int i = 0; i < Screen->FormCount(); ++i) {
          TCustomForm* f = Screen->Forms(i);
          if (f != this && f->Showing() && f->AcceptsInput()) {
            f->BringFormToFront();
            break;
          }
        }
    }
    HWND fh = GetFocus();
    if (fh != 0) {
      TWinControl* fc = FindControl(fh);
      if (fc != nullptr && (fc == this || ContainsControl(fc))) ::SetFocus(0);
    }
    if (!recreating) DoHide();
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

bool TCustomForm::CloseQuery() {
  bool can = true;
  if (OnCloseQuery) OnCloseQuery(this, can);
  return can;
}

void TCustomForm::Close() {
  if (formState_.Contains(fsModal)) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application != nullptr && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      SetWindowState(wsMinimized);
      break;
    case caFree:
      Release();
      break;
    default:
      break;
  }
}

void TCustomForm::CloseModal() {
  try {
    TCloseAction action = caNone;
    if (CloseQuery()) {
      action = caHide;
      DoClose(action);
    }
    switch (action) {
      case caNone:
        modalResult_ = mrNone;
        break;
      case caFree:
        Release();
        break;
      default:
        break;
    }
  } catch (...) {
    modalResult_ = mrNone;
    if (Application) Application->HandleException(this);
  }
}

void TCustomForm::Release() { PostMessage(Handle(), CM_RELEASE, 0, 0); }

int TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || formState_.Contains(fsModal))
    throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND cap = GetCapture()) SendMessage(cap, WM_CANCELMODE, 0, 0);
  ReleaseCapture();
  if (Application) Application->ModalStarted();
  formState_ << fsModal;
  HWND activeBefore = GetActiveWindow();
  HWND focusBefore = GetFocus();
  TCustomForm* focusedFormBefore = Screen != nullptr ? Screen->focusedForm_ : nullptr;
  // A dialog opened from a modal one was set waiting by it; while it is the
  // modal one itself it takes input.
  const bool waitingBefore = modalDisabled_;
  if (waitingBefore) {
    modalDisabled_ = false;
    if (peer_) peer_->SetEnabled(Enabled());
  }
  // Every other form waits while this one is up.
  std::vector<TCustomForm*> disabled;
  if (Screen != nullptr)
    for (int i = 0; i < Screen->FormCount(); ++i) {
      TCustomForm* f = Screen->Forms(i);
      if (f != this && !f->modalDisabled_) {
        f->modalDisabled_ = true;
        if (f->peer_) f->peer_->SetEnabled(false);
        disabled.push_back(f);
      }
    }
  auto restore = [&]() {
    for (TCustomForm* f : disabled) {
      if (Screen == nullptr ||
          std::find(Screen->forms_.begin(), Screen->forms_.end(), f) == Screen->forms_.end())
        continue;
      f->modalDisabled_ = false;
      if (f->peer_) f->peer_->SetEnabled(f->Enabled());
    }
    if (waitingBefore) {
      modalDisabled_ = true;
      if (peer_) peer_->SetEnabled(false);
    }
    formState_ >> fsModal;
    if (Application) Application->ModalFinished();
  };
  int result = mrCancel;
  try {
    Show();
    modalResult_ = mrNone;
    InteractionHook()->RunModal(this);
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    result = modalResult_;
    Hide();
  } catch (...) {
    if (Visible()) Hide();
    restore();
    throw;
  }
  restore();
  // The window that was active before takes the focus back.
  if (activeBefore != 0 && IsWindow(activeBefore)) {
    if (auto* f = dynamic_cast<TCustomForm*>(FindControl(activeBefore)); f != nullptr && f->Showing()) {
      f->BringFormToFront();
      if (Screen != nullptr && focusedFormBefore == f && focusBefore != 0 && IsWindow(focusBefore) &&
          GetFocus() != focusBefore)
        ::SetFocus(focusBefore);
    }
  }
  return result;
}

void TCustomForm::PaintWindow(TCanvas* DC) {
  canvas_->PaintThrough(DC, false, [this] { Paint(); });
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomForm::MouseWheelHandler(TMessage& Message) {
  if (focusedControl_ != nullptr && focusedControl_ != this) {
    Message.Result = focusedControl_->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
    return;
  }
  Message.Result = Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

void TCustomForm::CMDialogKey(TMessage& Message) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (Message.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
          Message.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (activeControl_ != nullptr && activeControl_->Parent() != nullptr) {
          activeControl_->Parent()->SelectNext(
              activeControl_, Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN, false);
          Message.Result = 1;
        }
        return;
      default:
        break;
    }
  }
  TWinControl::CMDialogKey(Message);
}

void TCustomForm::WMSetText(TMessage& Message) {
  DefaultHandler(Message);
  if (peer_) peer_->SetCaption(TControl::GetText());
}

void TCustomForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE:
      SetActive(Message.WParamLo() != WA_INACTIVE);
      return;
    case WM_CLOSE:
      Close();
      return;
    case WM_NCLBUTTONDOWN:
      // A press on the size grip or the caption that a control hands on.
      StartSizeMove(this, static_cast<LRESULT>(Message.WParam));
      return;
    case CM_ACTIVATE:
      Activate();
      return;
    case CM_DEACTIVATE:
      Deactivate();
      return;
    default:
      break;
  }
  TWinControl::WndProc(Message);
}

// ---- THintWindow ----

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetVisible(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
  controlStyle_ >> csCaptureMouse;
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  // The pointer passes through: a hint shown over the place it explains
  // (a grid's cell text) must not take the pointer away from that place.
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
  Params.WindowClassStyle |= CS_SAVEBITS;
  // Above the form whose control it explains.
  Params.WndParent = GetActiveWindow();
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint, void*) {
  TRect r(0, 0, MaxWidth, 0);
  Canvas()->Font()->Assign(Font());
  std::string text = AHint;
  Canvas()->TextRect(r, text, TTextFormat{tfCalcRect, tfLeft, tfWordBreak, tfNoPrefix});
  r.Right += 6;
  r.Bottom += 2;
  return r;
}

void THintWindow::ActivateHint(TRect Rect, const std::string& AHint) {
  ActivateHintData(Rect, AHint, nullptr);
}

void THintWindow::ActivateHintData(TRect Rect, const std::string& AHint, void*) {
  hintText_ = AHint;
  SetCaption(AHint);
  // Kept on the screen.
  if (Screen != nullptr) {
    TRect work = Screen->WorkAreaRect();
    if (Rect.Right > work.Right) OffsetRect(Rect, work.Right - Rect.Right, 0);
    if (Rect.Left < work.Left) OffsetRect(Rect, work.Left - Rect.Left, 0);
    if (Rect.Bottom > work.Bottom) OffsetRect(Rect, 0, work.Bottom - Rect.Bottom);
    if (Rect.Top < work.Top) OffsetRect(Rect, 0, work.Top - Rect.Top);
  }
  SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
  HandleNeeded();
  active_ = true;
  SetVisible(true);
  UpdateShowing();
  Invalidate();
}

void THintWindow::ReleaseHandle() {
  active_ = false;
  SetVisible(false);
  DestroyHandle();
}

void THintWindow::Paint() {
  TRect r = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->FillRect(r);
  if ((WindowStyle() & WS_BORDER) == 0) {
    // A kind without the window's own border still shows where the hint
    // ends, over any background.
    Canvas()->Brush()->SetColor(clWindowFrame);
    Canvas()->FrameRect(r);
  }
  Canvas()->Font()->Assign(Font());
  Canvas()->Brush()->SetStyle(bsClear);
  InflateRect(r, -2, -1);
  std::string text = hintText_;
  Canvas()->TextRect(r, text, TTextFormat{tfLeft, tfWordBreak, tfNoPrefix});
}

// ---- TApplication ----

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() {
  if (handle_ != 0) DeallocateHWnd(handle_);
}

HWND TApplication::Handle() {
  if (handle_ == 0) handle_ = AllocateHWnd([this](TMessage& m) { WndProc(m); });
  return handle_;
}

void TApplication::Initialize() {
  if (initialized_) return;
  initialized_ = true;
  IBackend* b = Backend();
  if (b != nullptr) b->SetEvents(&gWindowEvents);
  SetMessageWakeUp([] {
    if (IBackend* be = Backend()) be->WakeUp();
  });
  // Calls queued by worker threads wake the loop like posted messages.
  SetSynchronizeWakeUp([] {
    if (IBackend* be = Backend()) be->WakeUp();
  });
  SetDispatchExceptionHandler([this](std::exception_ptr e) {
    if (gPaintDepth > 0) {
      std::string text = ErrorText(e);
      auto& last = gLastPaintError[gPaintWnd];
      if (last == text) return;
      last = text;
      gPaintErrors.push_back(e);
      if (gPaintErrors.size() == 1) PostMessage(Handle(), kShowPaintError, 0, 0);
      return;
    }
    try {
      std::rethrow_exception(e);
    } catch (...) {
      HandleException(this);
    }
  });
  if (title_.empty()) {
    std::string exe = ExeName();
    auto slash = exe.find_last_of("/\\");
    std::string base = slash == std::string::npos ? exe : exe.substr(slash + 1);
    auto dot = base.rfind('.');
    title_ = dot == std::string::npos ? base : base.substr(0, dot);
  }
}

void TApplication::FormCreated(TCustomForm* Form) {
  if (mainForm_ == nullptr) mainForm_ = Form;
  Form->AfterConstruction();
}

std::string TApplication::ExeName() const {
  IBackend* b = Backend();
  return b ? b->ExecutablePath() : std::string();
}

bool TApplication::Active() const { return GetActiveWindow() != 0; }

void TApplication::Run() {
  Initialize();
  if (mainForm_ != nullptr && showMainForm_) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
  terminated_ = true;
  if (IBackend* b = Backend()) b->WakeUp();
}

void TApplication::ProcessMessages() {
  if (IBackend* b = Backend()) b->ProcessEvents();
  int budget = kMaxMessagesPerPass;
  auto drain = [&] {
    TMsg m;
    while (budget > 0 && PeekPostedMessage(m)) {
      --budget;
      ProcessMessage(m);
    }
  };
  drain();
  try {
    CheckSynchronize(0);
  } catch (...) {
    HandleException(this);
  }
  DispatchDueTimers();
  drain();
}

void TApplication::ProcessPaintMessages() {
  if (IBackend* b = Backend()) b->ProcessEventsWithoutInput();
}

void TApplication::HandleMessage() {
  if (PostedMessageCount() == 0 && MillisecondsToNextTimer() != 0) {
    if (OnIdle) OnIdle(this);
    if (IBackend* b = Backend()) {
      if (PostedMessageCount() == 0 && !terminated_) b->WaitForEvents(MillisecondsToNextTimer());
    }
  }
  ProcessMessages();
}

bool TApplication::ProcessMessage(TMsg& Msg) {
  try {
    bool handled = false;
    if (OnMessage) OnMessage(Msg, handled);
    if (handled) return true;
    if (Msg.message == WM_QUIT) {
      Terminate();
      return true;
    }
    if (Msg.message == CM_RELEASE) {
      // Freed here, outside its own window procedure.
      if (TWinControl* c = FindControl(Msg.hwnd)) delete c;
      return true;
    }
    if (IsHintMsg(Msg)) return true;
    if (IsKeyMsg(Msg)) return true;
    TranslateKey(Msg);
    if (Msg.hwnd != 0) DispatchMessage(Msg);
  } catch (...) {
    HandleException(this);
  }
  return true;
}

bool TApplication::IsHintMsg(TMsg& Msg) {
  if (hintWindow_ != nullptr && hintWindow_->Active()) {
    switch (Msg.message) {
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_ACTIVATE:
      case WM_MOUSEWHEEL:
        CancelHint();
        break;
      default:
        break;
    }
  } else if (Msg.message == WM_LBUTTONDOWN || Msg.message == WM_RBUTTONDOWN || Msg.message == WM_KEYDOWN) {
    StopHintTimer();
  }
  return false;
}

bool TApplication::IsKeyMsg(TMsg& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  HWND wnd = GetCapture();
  if (wnd == 0) wnd = Msg.hwnd;
  if (FindControl(wnd) == nullptr) return false;
  return SendMessage(wnd, CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

void TApplication::TranslateKey(const TMsg& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) return;
  WORD vk = static_cast<WORD>(Msg.wParam);
  bool shift = GetKeyState(VK_SHIFT) < 0;
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  bool alt = GetKeyState(VK_MENU) < 0;
  bool caps = (GetKeyState(VK_CAPITAL) & 1) != 0;
  char32_t ch = 0;
  if (ctrl && !alt)
    ch = CharFromKey(vk, shift, ctrl, alt, caps);
  else if (gPendingCharSet && gPendingChar != 0 && gPendingChar >= 0x20 && gPendingChar != 0x7F)
    ch = gPendingChar;
  else
    ch = CharFromKey(vk, shift, false, false, caps);
  gPendingCharSet = false;
  if (ch == 0) return;
  PostMessage(Msg.hwnd, Msg.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR, ch, Msg.lParam);
}

void TApplication::HandleException(TObject* Sender) {
  std::exception_ptr e = std::current_exception();
  if (!e) return;
  if (handlingException_) return;
  handlingException_ = true;
  struct Reset {
    bool& f;
    ~Reset() { f = false; }
  } reset{handlingException_};
  try {
    std::rethrow_exception(e);
  } catch (const EAbort&) {
    // Silent by design.
  } catch (const std::exception& ex) {
    if (OnException)
      OnException(Sender, ex);
    else
      ShowException(ex);
  } catch (...) {
    Exception unknown("Unknown error");
    if (OnException)
      OnException(Sender, unknown);
    else
      ShowException(unknown);
  }
}

void TApplication::ShowException(const std::exception& E) {
  std::string msg = E.what();
  if (!msg.empty() && msg.back() > '.') msg += '.';
  MessageBox(msg, title_, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, UINT Flags) {
  TMessageBoxParams p;
  p.Caption = Caption;
  p.Text = Text;
  switch (Flags & 0xF0) {
    case MB_ICONHAND:
      p.Icon = diError;
      break;
    case MB_ICONQUESTION:
      p.Icon = diQuestion;
      break;
    case MB_ICONEXCLAMATION:
      p.Icon = diWarning;
      break;
    case MB_ICONASTERISK:
      p.Icon = diInformation;
      break;
    default:
      p.Icon = diNone;
      break;
  }
  switch (Flags & 0x0F) {
    case MB_OKCANCEL:
      p.Buttons = {mrOk, mrCancel};
      break;
    case MB_ABORTRETRYIGNORE:
      p.Buttons = {mrAbort, mrRetry, mrIgnore};
      break;
    case MB_YESNOCANCEL:
      p.Buttons = {mrYes, mrNo, mrCancel};
      break;
    case MB_YESNO:
      p.Buttons = {mrYes, mrNo};
      break;
    case MB_RETRYCANCEL:
      p.Buttons = {mrRetry, mrCancel};
      break;
    default:
      p.Buttons = {mrOk};
      break;
  }
  size_t def = (Flags & 0xF00) >> 8;
  p.DefaultButton = def < p.Buttons.size() ? p.Buttons[def] : p.Buttons.front();
  CancelHint();
  return InteractionHook()->MessageBox(p);
}

void TApplication::SetShowHint(bool Value) {
  showHint_ = Value;
  if (!Value) CancelHint();
}

void TApplication::WndProc(TMessage& Message) {
  if (Message.Msg == WM_TIMER && Message.WParam == kHintTimerId) {
    HintTimerExpired();
    return;
  }
  if (Message.Msg == kShowPaintError) {
    while (!gPaintErrors.empty()) {
      std::exception_ptr e = gPaintErrors.front();
      gPaintErrors.pop_front();
      try {
        std::rethrow_exception(e);
      } catch (...) {
        HandleException(this);
      }
    }
  }
}

void TApplication::StartHintTimer(int Delay, int Kind) {
  hintTimerKind_ = Kind;
  SetTimer(Handle(), kHintTimerId, static_cast<UINT>(std::max(Delay, 1)));
}

void TApplication::StopHintTimer() {
  hintTimerKind_ = htNone;
  if (handle_ != 0) KillTimer(handle_, kHintTimerId);
}

void TApplication::HintTimerExpired() {
  int kind = hintTimerKind_;
  StopHintTimer();
  if (kind == htShow)
    ActivateHint(CursorPos());
  else if (kind == htHide) {
    HideHint();
    hintTimedOut_ = true;
  }
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message) {
  if (!showHint_ || Control == nullptr) return;
  TPoint screen = Control->ClientToScreen(TPoint(Message.XPos(), Message.YPos()));
  TControl* target = FindDragTarget(screen, true);
  TControl* hc = target;
  while (hc != nullptr && !hc->ShowHint()) hc = hc->Parent();
  if (hc == nullptr || (hc->Hint().empty() && !hc->HintsByPlace())) {
    CancelHint();
    return;
  }
  TPoint local = hc->ScreenToClient(screen);
  if (hc != hintControl_ || !PtInRect(hintCursorRect_, local)) {
    bool wasActive = hintActive_;
    HideHint();
    hintControl_ = hc;
    hintCursorRect_ = hc->ClientRect();
    hintTimedOut_ = false;
    StartHintTimer(wasActive ? hintShortPause_ : hintPause_, htShow);
  } else if (hintTimedOut_ && !hintActive_) {
    // The hint went by its time while the pointer stayed: moving on over
    // the same place brings it back after the pause.
    hintTimedOut_ = false;
    StartHintTimer(hintPause_, htShow);
  }
}

void TApplication::ActivateHint(const TPoint& CursorPos) {
  if (hintControl_ == nullptr) return;
  THintInfo info;
  info.HintControl = hintControl_;
  info.HintPos = TPoint(CursorPos.X, CursorPos.Y + 20);
  info.HintMaxWidth = Screen != nullptr ? Screen->Width() : 800;
  info.HintColor = hintColor_;
  info.CursorRect = hintControl_->ClientRect();
  info.CursorPos = hintControl_->ScreenToClient(CursorPos);
  info.HideTimeout = hintHidePause_;
  info.HintStr = GetShortHint(hintControl_->Hint());
  bool canShow = hintControl_->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
  if (canShow && OnShowHint) OnShowHint(info.HintStr, canShow, info);
  hint_ = GetLongHint(hintControl_->Hint());
  if (OnHint) OnHint(this);
  if (!canShow || info.HintStr.empty()) {
    HideHint();
    return;
  }
  if (hintWindow_ == nullptr) {
    hintWindow_ = HintWindowClass ? HintWindowClass(this) : new THintWindow(this);
    hintWindow_->FreeNotification(this);
  }
  hintWindow_->SetColor(info.HintColor);
  TRect r = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  OffsetRect(r, info.HintPos.X, info.HintPos.Y);
  hintWindow_->ActivateHintData(r, info.HintStr, info.HintData);
  hintActive_ = true;
  hintCursorRect_ = info.CursorRect;
  if (info.HideTimeout > 0) StartHintTimer(info.HideTimeout, htHide);
}

void TApplication::HideHint() {
  if (hintWindow_ != nullptr && hintWindow_->Active()) hintWindow_->ReleaseHandle();
  hintActive_ = false;
}

void TApplication::CancelHint() {
  hintTimedOut_ = false;
  StopHintTimer();
  HideHint();
  hintControl_ = nullptr;
}

void TApplication::UpdateMouseControl(const TPoint& ScreenPos) {
  TControl* target = FindDragTarget(ScreenPos, true);
  TControl* capture = GetCaptureControl();
  if (target == mouseControl_) return;
  if (hintControl_ != nullptr) {
    bool inside = false;
    for (TControl* c = target; c != nullptr && !inside; c = c->Parent()) inside = c == hintControl_;
    if (!inside) {
      // The pointer left the control of the hint, perhaps for a window that
      // takes no mouse input: coming back starts the pause afresh.
      hintCursorRect_ = TRect();
      if (hintTimerKind_ == htShow) StopHintTimer();
    }
  }
  try {
    if ((mouseControl_ != nullptr && capture == nullptr) || (capture != nullptr && mouseControl_ == capture))
      mouseControl_->Perform(CM_MOUSELEAVE, 0, 0);
    mouseControl_ = target;
    if ((mouseControl_ != nullptr && capture == nullptr) || (capture != nullptr && mouseControl_ == capture))
      mouseControl_->Perform(CM_MOUSEENTER, 0, 0);
  } catch (...) {
    HandleException(this);
  }
}

void TApplication::ForgetControl(TControl* Control) {
  if (mouseControl_ == Control) mouseControl_ = nullptr;
  if (hintControl_ == Control) {
    StopHintTimer();
    hintControl_ = nullptr;
  }
  if (Screen != nullptr && static_cast<TControl*>(Screen->activeControl_) == Control)
    Screen->activeControl_ = nullptr;
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && static_cast<TComponent*>(hintWindow_) == AComponent) hintWindow_ = nullptr;
  if (Operation == opRemove && static_cast<TComponent*>(mainForm_) == AComponent) mainForm_ = nullptr;
}

// ---- TScreen ----

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

void TScreen::SetCursor(TCursor Value) {
  cursor_ = Value;
  if (Application != nullptr && Application->MouseControl() != nullptr) {
    for (TControl* c = Application->MouseControl(); c != nullptr; c = c->Parent())
      if (auto* w = dynamic_cast<TWinControl*>(c)) {
        if (w->HandleAllocated()) w->Perform(WM_SETCURSOR, w->Handle(), MakeLParam(HTCLIENT, WM_MOUSEMOVE));
        break;
      }
  }
}

int TScreen::Width() const { return DesktopRect().Width(); }
int TScreen::Height() const { return DesktopRect().Height(); }

TRect TScreen::DesktopRect() const {
  IBackend* b = Backend();
  return b ? b->ScreenRect() : TRect(0, 0, 1024, 768);
}

TRect TScreen::WorkAreaRect() const {
  IBackend* b = Backend();
  return b ? b->WorkArea(TPoint()) : TRect(0, 0, 1024, 768);
}

TRect TScreen::MonitorWorkAreaFromPoint(const TPoint& P) const {
  IBackend* b = Backend();
  return b ? b->WorkArea(P) : TRect(0, 0, 1024, 768);
}

int TScreen::PixelsPerInch() const {
  IBackend* b = Backend();
  return b ? b->PixelsPerInch() : 96;
}

const std::vector<std::string>& TScreen::Fonts() {
  if (fonts_.empty())
    if (IBackend* b = Backend()) fonts_ = b->FontNames();
  return fonts_;
}

void TScreen::SetCursors(TCursor Index, TBitmap* Image, const TPoint& HotSpot) {
  if (Image == nullptr || Image->Empty()) return;
  TPixelData px = Image->PixelData();
  if (Image->Transparent() || Image->TransparentMode() == tmFixed) {
    // The key colour becomes see-through.
    TColor key = Image->TransparentColor() & 0xFFFFFF;
    TPixelData out;
    out.Resize(px.Width, px.Height, 4);
    out.HasAlpha = true;
    for (int y = 0; y < px.Height; ++y)
      for (int x = 0; x < px.Width; ++x) {
        TColor c = px.GetPixel(x, y);
        out.SetPixel(x, y, c);
        out.Row(y)[x * 4 + 3] = static_cast<uint8_t>((c & 0xFFFFFF) == key ? 0 : 255);
      }
    px = std::move(out);
  }
  if (IBackend* b = Backend()) b->RegisterCursor(Index, px, HotSpot);
  if (!HasCursor(Index)) customCursors_.push_back(Index);
}

bool TScreen::HasCursor(TCursor Index) const {
  if (Index <= 0 && Index >= crSizeAll) return true;
  return std::find(customCursors_.begin(), customCursors_.end(), Index) != customCursors_.end();
}

void TScreen::AddForm(TCustomForm* Form) { forms_.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), Form), forms_.end());
  if (activeForm_ == Form) activeForm_ = nullptr;
  if (focusedForm_ == Form) focusedForm_ = nullptr;
  if (activeControl_ != nullptr && Form->ContainsControl(activeControl_)) activeControl_ = nullptr;
}

void TScreen::MoveToFront(TCustomForm* Form) {
  auto it = std::find(forms_.begin(), forms_.end(), Form);
  if (it == forms_.end()) return;
  forms_.erase(it);
  forms_.insert(forms_.begin(), Form);
}

// The global objects exist from start-up on, like the platform's.
namespace {
struct GlobalObjects {
  GlobalObjects() {
    Application = new TApplication(nullptr);
    Screen = new TScreen(nullptr);
  }
};
GlobalObjects gGlobals;
}  // namespace
