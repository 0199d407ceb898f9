#pragma once
// What the grid's editor controls ask of the system before they draw: the
// version probes of the platform they were made for, answered once here
// (every probe holds on this platform: the common controls of version 6,
// a system of version 5.1 or later, Vista or later), whether a visual
// style is active, and whether a mouse button is down right now.
#include "framework/controls/Controls.h"
#include "framework/controls/WinApi.h"
#include "framework/graphics/Themes.h"

// The common-controls library is of version 6 or later.
inline bool DudCommonControls6() { return true; }
// The system is of version 5.1 or later.
inline bool DudWindowsXPOrLater() { return true; }
// The system is Vista or later.
inline bool DudVistaOrLater() { return true; }
// A visual style is in use now.
inline bool DudThemeActive() { return IsThemeActive(); }
// The left or the right mouse button is down at this moment.
inline bool DudMouseButtonDown() {
  return (GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0 || (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
}

// Sends the keyboard's paste and cut commands (Ctrl+V, Ctrl+X, Shift+Insert,
// Shift+Delete) to the edit as WM_PASTE and WM_CUT, so that one handler
// filters every way text comes in; true when Message was one of them.
inline bool DudRouteClipboardKeys(TControl* Edit, TMessage& Message) {
  if (Message.Msg == WM_CHAR && (Message.WParam == 22 || Message.WParam == 24)) {
    Edit->Perform(Message.WParam == 22 ? WM_PASTE : WM_CUT, 0, 0);
    return true;
  }
  if (Message.Msg == WM_KEYDOWN && (Message.WParam == VK_INSERT || Message.WParam == VK_DELETE)) {
    TShiftState shift = KeyDataToShiftState(Message.LParam);
    if (shift.Contains(ssShift) && !shift.Contains(ssCtrl)) {
      Edit->Perform(Message.WParam == VK_INSERT ? WM_PASTE : WM_CUT, 0, 0);
      return true;
    }
  }
  return false;
}
