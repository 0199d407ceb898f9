#pragma once
// The window system under the controls: window handles, sending and posting
// messages, registered messages, window timers, the keyboard state, focus,
// mouse capture and the cursor position.
//
// Handles are plain numbers that are never reused, so a message posted to a
// window that is gone is dropped instead of reaching a stranger. Time for the
// timers comes from one clock that tests may replace (SetMessageClock), so a
// test fires due timers by moving that clock and calling
// Application->ProcessMessages(), without sleeping.
#include <cstdint>
#include <functional>
#include <string>

#include "framework/controls/Messages.h"
#include "framework/graphics/Types.h"

class TObject;
class IWindowPeer;

using TWndMethod = std::function<void(TMessage&)>;

// A message as the loop retrieves it.
struct TMsg {
  HWND hwnd = 0;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// ---- Handles ----
// Registers a window: its procedure, the object behind it (a control) and,
// once it has one, its backend peer.
HWND RegisterWindowHandle(TObject* Owner, TWndMethod Proc);
void UnregisterWindowHandle(HWND Wnd);
void SetWindowPeer(HWND Wnd, IWindowPeer* Peer);
IWindowPeer* WindowPeer(HWND Wnd);
TObject* WindowOwner(HWND Wnd);
bool IsWindow(HWND Wnd);
// A window with only a procedure (timer and notifier windows).
HWND AllocateHWnd(TWndMethod Method);
void DeallocateHWnd(HWND Wnd);

// ---- Messages ----
// Calls the window's procedure now; 0 when the window does not exist. An
// exception escaping the procedure goes to the application's handler.
LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// Queues the message behind those already posted; delivered by the message
// loop (Application->ProcessMessages). False when the window does not exist.
// Safe to call from any thread. Wnd 0 posts a message to the loop itself.
bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
// Ends the message loop (the application terminates).
void PostQuitMessage(int ExitCode);
// Takes the oldest posted message; false when there is none.
bool PeekPostedMessage(TMsg& Msg);
int PostedMessageCount();
// Runs the window's procedure for a retrieved message (exceptions go to the
// application's handler, as for SendMessage).
LRESULT DispatchMessage(const TMsg& Msg);
// Same name, same number, from 0xC000 up; names compare case-insensitively.
UINT RegisterWindowMessage(const std::string& Name);
// The handler for exceptions escaping a window procedure (the application
// installs its own; without one they are swallowed).
void SetDispatchExceptionHandler(std::function<void(std::exception_ptr)> Handler);
void HandleDispatchException(std::exception_ptr E);
// Called (from any thread) when a message is posted or a timer set, so a
// waiting loop wakes up.
void SetMessageWakeUp(std::function<void()> WakeUp);

// ---- Timers ----
// Starts or restarts timer Id of the window: WM_TIMER (WParam = Id) every
// Elapse milliseconds. Returns Id (never 0 for a valid window), 0 on failure.
uintptr_t SetTimer(HWND Wnd, uintptr_t Id, UINT Elapse);
bool KillTimer(HWND Wnd, uintptr_t Id);
// Sends WM_TIMER for every timer that is due, once each, and schedules its
// next tick one interval later; answers whether any fired.
bool DispatchDueTimers();
// Milliseconds until the next timer is due (0 when one is due, -1 with none).
int MillisecondsToNextTimer();
// The time the timers follow, in milliseconds.
uint64_t MessageClockNow();
// Replaces the clock (nullptr: back to real time).
void SetMessageClock(std::function<uint64_t()> Clock);

// ---- Keyboard state ----
// High bit (negative) while the key is down, low bit toggled by presses
// (Caps Lock). VK_SHIFT, VK_CONTROL and VK_MENU are down while either their
// left or their right key is; the left and right keys are told apart.
int16_t GetKeyState(int VirtKey);
int16_t GetAsyncKeyState(int VirtKey);
// The input layer records key and button transitions here.
void SetKeyDown(int VirtKey, bool Down);
// Releases every key and button (tests start from a clean keyboard).
void ResetKeyboardState();

// ---- Focus and capture ----
HWND GetFocus();
// Moves the focus: WM_KILLFOCUS to the old window (WParam = the new one),
// then WM_SETFOCUS to the new one (WParam = the old). Returns the old one.
HWND SetFocus(HWND Wnd);
HWND GetCapture();
// Mouse input goes to Wnd until released; the window losing the capture
// gets WM_CAPTURECHANGED (LParam = the new one).
HWND SetCapture(HWND Wnd);
bool ReleaseCapture();
// The active top-level window (the one keys go to when nothing has focus).
HWND GetActiveWindow();
void SetActiveWindowHandle(HWND Wnd);

// ---- Cursor and sound ----
bool GetCursorPos(TPoint& Point);
TPoint CursorPos();
// Moves the cursor (the pointer on screen too, where the backend can).
bool SetCursorPos(int X, int Y);
// The input layer records the pointer position here.
void RecordCursorPos(const TPoint& P);
void MessageBeep(UINT Type);
int MessageBeepCount();

// ---- Window functions over the control tree ----
struct WINDOWPOS {
  HWND hwnd = 0;
  HWND hwndInsertAfter = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  UINT flags = 0;
};
constexpr UINT WM_STYLECHANGED = 0x007D;
constexpr HWND HWND_TOP = 0;
constexpr HWND HWND_BOTTOM = 1;
constexpr HWND HWND_TOPMOST = static_cast<HWND>(-1);
constexpr HWND HWND_NOTOPMOST = static_cast<HWND>(-2);
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_FRAMECHANGED = 0x0020;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_SHOWNA = 8;
constexpr int SW_RESTORE = 9;

// The parent window, or for a top-level window its owner (0 when none).
HWND GetParent(HWND Wnd);
bool IsWindowVisible(HWND Wnd);
bool IsWindowEnabled(HWND Wnd);
bool EnableWindow(HWND Wnd, bool Enable);
// Screen coordinates of the whole window, client coordinates of its client
// area.
bool GetWindowRect(HWND Wnd, TRect* Rect);
bool GetClientRect(HWND Wnd, TRect* Rect);
bool ClientToScreen(HWND Wnd, TPoint* Point);
bool ScreenToClient(HWND Wnd, TPoint* Point);
// The deepest window of ours under the screen point (0 when none).
HWND WindowFromPoint(const TPoint& Point);
// GWL_STYLE and GWL_EXSTYLE of the window; setting sends WM_STYLECHANGED.
intptr_t GetWindowLong(HWND Wnd, int Index);
intptr_t SetWindowLong(HWND Wnd, int Index, intptr_t Value);
// GCL_STYLE (kept per window).
uint32_t GetClassLong(HWND Wnd, int Index);
uint32_t SetClassLong(HWND Wnd, int Index, uint32_t Value);
// Moves, sizes, stacks (HWND_TOPMOST...), shows or hides a window; a
// top-level form is activated unless SWP_NOACTIVATE.
bool SetWindowPos(HWND Wnd, HWND InsertAfter, int X, int Y, int CX, int CY, UINT Flags);
bool ShowWindow(HWND Wnd, int CmdShow);

// ---- System metrics and parameters, in the classic look's numbers ----
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_MOUSEWHEELPRESENT = 75;
int GetSystemMetrics(int Index);
constexpr UINT SPI_GETWORKAREA = 0x0030;
constexpr UINT SPI_GETWHEELSCROLLLINES = 0x0068;
// SPI_GETWORKAREA fills a TRect, SPI_GETWHEELSCROLLLINES a UINT.
bool SystemParametersInfo(UINT Action, UINT Param, void* PvParam, UINT WinIni);
// The double-click time in milliseconds.
UINT GetDoubleClickTime();

// ---- Hooks on sent messages ----
constexpr int WH_CALLWNDPROC = 4;
constexpr int HC_ACTION = 0;
struct CWPSTRUCT {
  LPARAM lParam = 0;
  WPARAM wParam = 0;
  UINT message = 0;
  HWND hwnd = 0;
};
using THookProc = std::function<LRESULT(int Code, WPARAM WParam, LPARAM LParam)>;
// Every hook sees every message sent to a window (LParam points at a
// CWPSTRUCT) before the window does; CallNextHookEx has nothing to do.
uintptr_t SetWindowsHookEx(int IdHook, THookProc Proc);
bool UnhookWindowsHookEx(uintptr_t Hook);
LRESULT CallNextHookEx(uintptr_t Hook, int Code, WPARAM WParam, LPARAM LParam);
