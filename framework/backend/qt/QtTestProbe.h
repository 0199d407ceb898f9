#pragma once
// What the window system hands the Qt windows, and what they tell it, for
// tests of the backend's own translation; everything else is tested through
// window messages. Free of Qt headers, so tests can include it.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "framework/controls/Messages.h"

// Hands Wnd's window a press and a release of the key that types Utf8Char
// on the layout in use, as the window system gives them to Qt (the key code
// is the character's capital), with AltGr held around them when asked.
bool QtTypeKey(HWND Wnd, const std::string& Utf8Char, bool AltGr = false);
// Hands Wnd's window the text an input method commits (a dead key followed
// by a letter, a compose sequence, a word chosen in an IME).
bool QtCommitText(HWND Wnd, const std::string& Utf8Text);

struct TQtWindowFacts {
  // The window Wnd's window is kept above (0 when none).
  HWND TransientParent = 0;
  // A dialog to the window system.
  bool Dialog = false;
  // The sizes the window system lets the user give it (0: no limit).
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  // Shown on the screen; its opacity (255 opaque); it has a shape of its
  // own; it stays above other windows.
  bool Visible = false;
  int Alpha = 255;
  bool Shaped = false;
  bool StayOnTop = false;
};
// False when Wnd has no top-level Qt window.
bool QtWindowFacts(HWND Wnd, TQtWindowFacts& Facts);

// What Wnd's window answered another program's drag.
struct TQtDropAnswer {
  // The actions Qt was told at the move and at the drop (0: refused).
  uint32_t Over = 0;
  uint32_t Drop = 0;
};
// Hands Wnd's window what Qt hands a widget while another program drags
// MimeData (type, bytes) over Point (the window's own coordinates) with the
// Effects it allows: an enter, a move and a drop, with the left button (and
// Ctrl when asked) held.
bool QtDropOn(HWND Wnd, const std::vector<std::pair<std::string, std::string>>& MimeData, int X, int Y,
              uint32_t Effects, bool Ctrl, TQtDropAnswer& Answer);
