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
