#pragma once
// Simulated user input for tests: keys and mouse clicks go through the same
// path as real input from the window system (key state, translation into
// characters, dialog keys, capture, enter and leave), and a clock that moves
// only when the test says so.
#include <cstdint>
#include <string>

#include "framework/controls/Forms.h"

namespace testinput {

// Handles what is pending: posted messages, due timers.
void Pump();

// A key press: modifiers of Shift go down first and up last; the
// messages are pumped after the key goes down and after it comes up.
void PressKey(WORD VirtKey, TShiftState Shift = {});
void KeyDown(WORD VirtKey);
void KeyUp(WORD VirtKey);
// Types the text character by character (any Unicode character).
void TypeText(const std::string& Utf8Text);

// Mouse input at a client point of Control (graphic controls too).
void MouseDown(TControl* Control, int X, int Y, TMouseButton Button = mbLeft);
void MouseUp(TControl* Control, int X, int Y, TMouseButton Button = mbLeft);
void MouseMove(TControl* Control, int X, int Y);
void Click(TControl* Control, int X, int Y, TMouseButton Button = mbLeft);
void DoubleClick(TControl* Control, int X, int Y);
void Wheel(TControl* Control, int Delta);

// Shows the form and handles what showing it caused.
void ShowForm(TCustomForm* Form);

// A borderless form at screen point (100, 100) for tests that move the
// pointer, made with the key state cleared. FreePointerForm takes the pointer
// off every control before freeing the form, so no hover outlives the test.
TForm* NewPointerForm(int Width = 300, int Height = 200);
void FreePointerForm(TForm* Form);

// Drives window timers and GetTickCount while alive.
class TTestClock {
 public:
  explicit TTestClock(uint64_t StartMs = 1000000);
  ~TTestClock();
  TTestClock(const TTestClock&) = delete;
  TTestClock& operator=(const TTestClock&) = delete;
  uint64_t Now() const { return now_; }
  // Moves the clock and handles what became due.
  void Advance(uint64_t Ms);

 private:
  uint64_t now_;
};

}  // namespace testinput
