// The search footer's find edit: Return and Ctrl+Return are reported, never
// typed into the text.
#pragma once

#include "framework/controls/StdCtrls.h"

class TRetEdit : public TEdit {
 public:
  explicit TRetEdit(TComponent* AOwner) : TEdit(AOwner) {}
  TNotifyEvent OnReturn;
  TNotifyEvent OnCtrlReturn;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
};
