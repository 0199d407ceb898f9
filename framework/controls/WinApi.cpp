#include "framework/controls/WinApi.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "framework/backend/Backend.h"

namespace {

struct WindowEntry {
  TObject* Owner = nullptr;
  TWndMethod Proc;
  IWindowPeer* Peer = nullptr;
};

struct TimerEntry {
  UINT Interval = 0;
  uint64_t Due = 0;
};

struct State {
  std::unordered_map<HWND, WindowEntry> windows;
  HWND nextHandle = 0x100;
  std::mutex queueLock;
  std::deque<TMsg> queue;
  std::map<std::pair<HWND, uintptr_t>, TimerEntry> timers;
  std::map<std::string, UINT> registered;
  UINT nextRegistered = 0xC000;
  std::function<void(std::exception_ptr)> exceptionHandler;
  std::function<void()> wakeUp;
  std::function<uint64_t()> clock;
  std::array<uint8_t, 256> keys{};  // bit 0x80 down, bit 0x01 toggled
  HWND focus = 0;
  HWND capture = 0;
  HWND active = 0;
  TPoint cursor;
  int beeps = 0;
  std::vector<std::pair<uintptr_t, THookProc>> hooks;
  uintptr_t nextHook = 1;
};

State& S() {
  static State* s = new State();  // lives for the whole run, also during static destruction
  return *s;
}

std::string UpperAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return s;
}

void Wake() {
  if (S().wakeUp) S().wakeUp();
}

uint64_t RealNow() {
  using namespace std::chrono;
  return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

bool KeyIsDown(int vk) { return vk >= 0 && vk < 256 && (S().keys[vk] & 0x80) != 0; }

}  // namespace

// ---- Handles ----

HWND RegisterWindowHandle(TObject* Owner, TWndMethod Proc) {
  HWND h = S().nextHandle++;
  S().windows[h] = WindowEntry{Owner, std::move(Proc), nullptr};
  return h;
}

void UnregisterWindowHandle(HWND Wnd) {
  auto& s = S();
  s.windows.erase(Wnd);
  for (auto it = s.timers.begin(); it != s.timers.end();) {
    if (it->first.first == Wnd)
      it = s.timers.erase(it);
    else
      ++it;
  }
  if (s.focus == Wnd) s.focus = 0;
  if (s.capture == Wnd) s.capture = 0;
  if (s.active == Wnd) s.active = 0;
}

void SetWindowPeer(HWND Wnd, IWindowPeer* Peer) {
  auto it = S().windows.find(Wnd);
  if (it != S().windows.end()) it->second.Peer = Peer;
}

IWindowPeer* WindowPeer(HWND Wnd) {
  auto it = S().windows.find(Wnd);
  return it == S().windows.end() ? nullptr : it->second.Peer;
}

TObject* WindowOwner(HWND Wnd) {
  auto it = S().windows.find(Wnd);
  return it == S().windows.end() ? nullptr : it->second.Owner;
}

bool IsWindow(HWND Wnd) { return Wnd != 0 && S().windows.count(Wnd) != 0; }

HWND AllocateHWnd(TWndMethod Method) { return RegisterWindowHandle(nullptr, std::move(Method)); }

void DeallocateHWnd(HWND Wnd) { UnregisterWindowHandle(Wnd); }

// ---- Messages ----

void SetDispatchExceptionHandler(std::function<void(std::exception_ptr)> Handler) {
  S().exceptionHandler = std::move(Handler);
}

void HandleDispatchException(std::exception_ptr E) {
  if (S().exceptionHandler) S().exceptionHandler(E);
}

LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto it = S().windows.find(Wnd);
  if (it == S().windows.end() || !it->second.Proc) return 0;
  // A copy: the window may be destroyed by its own handler.
  TWndMethod proc = it->second.Proc;
  TMessage m{Msg, WParam, LParam, 0};
  try {
    if (!S().hooks.empty()) {
      CWPSTRUCT cwp{LParam, WParam, Msg, Wnd};
      auto hooks = S().hooks;
      for (auto h = hooks.rbegin(); h != hooks.rend(); ++h)
        h->second(HC_ACTION, 0, reinterpret_cast<LPARAM>(&cwp));
    }
    proc(m);
  } catch (...) {
    HandleDispatchException(std::current_exception());
    return 0;
  }
  return m.Result;
}

bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  {
    std::lock_guard<std::mutex> lock(S().queueLock);
    S().queue.push_back(TMsg{Wnd, Msg, WParam, LParam});
  }
  Wake();
  return true;
}

void PostQuitMessage(int ExitCode) { PostMessage(0, WM_QUIT, static_cast<WPARAM>(ExitCode), 0); }

bool PeekPostedMessage(TMsg& Msg) {
  std::lock_guard<std::mutex> lock(S().queueLock);
  if (S().queue.empty()) return false;
  Msg = S().queue.front();
  S().queue.pop_front();
  return true;
}

int PostedMessageCount() {
  std::lock_guard<std::mutex> lock(S().queueLock);
  return static_cast<int>(S().queue.size());
}

LRESULT DispatchMessage(const TMsg& Msg) {
  return SendMessage(Msg.hwnd, Msg.message, Msg.wParam, Msg.lParam);
}

UINT RegisterWindowMessage(const std::string& Name) {
  if (Name.empty()) return 0;
  auto key = UpperAscii(Name);
  auto& reg = S().registered;
  auto it = reg.find(key);
  if (it != reg.end()) return it->second;
  UINT id = S().nextRegistered++;
  reg[key] = id;
  return id;
}

void SetMessageWakeUp(std::function<void()> WakeUp) { S().wakeUp = std::move(WakeUp); }

// ---- Timers ----

uint64_t MessageClockNow() { return S().clock ? S().clock() : RealNow(); }

void SetMessageClock(std::function<uint64_t()> Clock) {
  auto& s = S();
  uint64_t before = MessageClockNow();
  s.clock = std::move(Clock);
  uint64_t after = MessageClockNow();
  // Running timers keep their remaining time across the switch.
  for (auto& [key, t] : s.timers) {
    uint64_t remaining = t.Due > before ? t.Due - before : 0;
    t.Due = after + remaining;
  }
}

uintptr_t SetTimer(HWND Wnd, uintptr_t Id, UINT Elapse) {
  if (!IsWindow(Wnd)) return 0;
  // The platform raises a zero interval to its minimum.
  if (Elapse < 10) Elapse = 10;
  S().timers[{Wnd, Id}] = TimerEntry{Elapse, MessageClockNow() + Elapse};
  Wake();
  return Id == 0 ? 1 : Id;
}

bool KillTimer(HWND Wnd, uintptr_t Id) { return S().timers.erase({Wnd, Id}) != 0; }

bool DispatchDueTimers() {
  auto& s = S();
  uint64_t now = MessageClockNow();
  std::vector<std::pair<uint64_t, std::pair<HWND, uintptr_t>>> due;
  for (auto& [key, t] : s.timers)
    if (t.Due <= now) due.push_back({t.Due, key});
  std::sort(due.begin(), due.end());
  bool any = false;
  for (auto& [when, key] : due) {
    // An earlier handler may have killed or restarted this timer.
    auto it = s.timers.find(key);
    if (it == s.timers.end() || it->second.Due > now) continue;
    it->second.Due = now + it->second.Interval;
    any = true;
    SendMessage(key.first, WM_TIMER, key.second, 0);
  }
  return any;
}

int MillisecondsToNextTimer() {
  auto& s = S();
  if (s.timers.empty()) return -1;
  uint64_t now = MessageClockNow();
  uint64_t next = UINT64_MAX;
  for (auto& [key, t] : s.timers) next = std::min(next, t.Due);
  return next <= now ? 0 : static_cast<int>(std::min<uint64_t>(next - now, 0x7FFFFFFF));
}

// ---- Keyboard state ----

int16_t GetKeyState(int VirtKey) {
  auto& k = S().keys;
  if (VirtKey < 0 || VirtKey > 255) return 0;
  bool down = KeyIsDown(VirtKey);
  if (VirtKey == VK_SHIFT) down = down || KeyIsDown(VK_LSHIFT) || KeyIsDown(VK_RSHIFT);
  if (VirtKey == VK_CONTROL) down = down || KeyIsDown(VK_LCONTROL) || KeyIsDown(VK_RCONTROL);
  if (VirtKey == VK_MENU) down = down || KeyIsDown(VK_LMENU) || KeyIsDown(VK_RMENU);
  int16_t r = down ? static_cast<int16_t>(0x8000) : 0;
  if (k[VirtKey] & 0x01) r |= 1;
  return r;
}

int16_t GetAsyncKeyState(int VirtKey) { return static_cast<int16_t>(GetKeyState(VirtKey) & 0x8000); }

void SetKeyDown(int VirtKey, bool Down) {
  if (VirtKey < 0 || VirtKey > 255) return;
  auto& k = S().keys[VirtKey];
  if (Down && !(k & 0x80)) k ^= 0x01;  // each press toggles
  k = static_cast<uint8_t>(Down ? (k | 0x80) : (k & ~0x80));
}

void ResetKeyboardState() { S().keys.fill(0); }

// ---- Focus and capture ----

HWND GetFocus() { return S().focus; }

HWND SetFocus(HWND Wnd) {
  auto& s = S();
  HWND old = s.focus;
  if (Wnd != 0 && !IsWindow(Wnd)) return 0;
  if (Wnd == old) return old;
  s.focus = Wnd;
  if (old != 0) SendMessage(old, WM_KILLFOCUS, Wnd, 0);
  // The kill-focus handler may have moved the focus elsewhere already.
  if (Wnd != 0 && s.focus == Wnd) {
    if (IWindowPeer* p = WindowPeer(Wnd)) p->SetFocus();
    SendMessage(Wnd, WM_SETFOCUS, old, 0);
  }
  return old;
}

HWND GetCapture() { return S().capture; }

HWND SetCapture(HWND Wnd) {
  auto& s = S();
  HWND old = s.capture;
  if (Wnd != 0 && !IsWindow(Wnd)) return old;
  if (old == Wnd) return old;
  s.capture = Wnd;
  if (IWindowPeer* p = WindowPeer(old)) p->SetCapture(false);
  if (IWindowPeer* p = WindowPeer(Wnd)) p->SetCapture(true);
  if (old != 0) SendMessage(old, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(Wnd));
  return old;
}

bool ReleaseCapture() {
  SetCapture(0);
  return true;
}

HWND GetActiveWindow() { return S().active; }
void SetActiveWindowHandle(HWND Wnd) { S().active = Wnd; }

// ---- Cursor and sound ----

bool GetCursorPos(TPoint& Point) {
  Point = S().cursor;
  return true;
}

TPoint CursorPos() { return S().cursor; }

bool SetCursorPos(int X, int Y) {
  S().cursor = TPoint(X, Y);
  return true;
}

void RecordCursorPos(const TPoint& P) { S().cursor = P; }

void MessageBeep(UINT) {
  ++S().beeps;
  if (IBackend* b = Backend()) b->Beep();
}

int MessageBeepCount() { return S().beeps; }

// ---- Hooks ----

uintptr_t SetWindowsHookEx(int IdHook, THookProc Proc) {
  if (IdHook != WH_CALLWNDPROC || !Proc) return 0;
  uintptr_t id = S().nextHook++;
  S().hooks.push_back({id, std::move(Proc)});
  return id;
}

bool UnhookWindowsHookEx(uintptr_t Hook) {
  auto& h = S().hooks;
  auto it = std::find_if(h.begin(), h.end(), [&](const auto& e) { return e.first == Hook; });
  if (it == h.end()) return false;
  h.erase(it);
  return true;
}

LRESULT CallNextHookEx(uintptr_t, int, WPARAM, LPARAM) { return 0; }
