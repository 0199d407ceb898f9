#pragma once
// The control editors of TDedAdararAdoz beside the text and combo editors:
// check box, spin edit, edit with button, unit edit, push button, the date
// and time pickers and the rich edit. The editor switch places, fills,
// shows and reads them; each one only decides what its keys, clicks and
// focus loss mean for the grid (write and validate, close, move on, fire
// the grid's events).
//
// Escape ends every one of them without writing: the cell keeps the text
// it had when the edit began.
#include <string>
#include <vector>

#include "framework/controls/CheckBox.h"
#include "framework/controls/ComCtrls.h"
#include "framework/controls/StdCtrls.h"
#include "grid/base/DUDEdit.h"
#include "grid/base/DudDateTimePicker.h"
#include "grid/base/gridspin.h"

class TDedAdararAdoz;

class TGridCheckBox : public TCheckBox {
 public:
  explicit TGridCheckBox(TComponent* AOwner);
  void ReCreate();
  TDedAdararAdoz* Grid() const { return FGrid; }
  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoExit() override;
  void CMWantSpecialKey(TMessage& Message) override;

 private:
  TDedAdararAdoz* FGrid = nullptr;
};

class TGridSpin : public TDudSpinEdit {
 public:
  explicit TGridSpin(TComponent* AOwner);
  void ReCreate();
  TDedAdararAdoz* Grid() const { return FGrid; }
  void WndProc(TMessage& Message) override;

 protected:
  void HandleUpClick(TObject* Sender) override;
  void HandleDownClick(TObject* Sender) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Change() override;
  void DoExit() override;
  void CMWantSpecialKey(TMessage& Message) override;

 private:
  void FireSpinClick(bool Up);
  TDedAdararAdoz* FGrid = nullptr;
};

class TGridEditBtn : public TDudEditBtn {
 public:
  explicit TGridEditBtn(TComponent* AOwner);
  void ReCreate();
  TDedAdararAdoz* Grid() const { return FGrid; }
  // A click on the button closes the editor after writing its answer.
  bool StopEditAfterClick() const { return FStopEditAfterClick; }
  void SetStopEditAfterClick(bool Value) { FStopEditAfterClick = Value; }
  void WndProc(TMessage& Message) override;

  // Completion allowed (not after Backspace or Delete).
  bool WorkMode = true;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Change() override;
  void DblClick() override;
  void DoExit() override;
  void CMWantSpecialKey(TMessage& Message) override;

 private:
  void ButtonClick(TObject* Sender);
  void Paste();
  void Complete();
  int FSelKeyDown = 0;
  TDedAdararAdoz* FGrid = nullptr;
  bool FStopEditAfterClick = false;
};

class TGridUnitEditBtn : public TDudUnitEditBtn {
 public:
  explicit TGridUnitEditBtn(TComponent* AOwner);
  void ReCreate();
  TDedAdararAdoz* Grid() const { return FGrid; }
  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoExit() override;
  void CMWantSpecialKey(TMessage& Message) override;

 private:
  void ButtonClick(TObject* Sender);
  TDedAdararAdoz* FGrid = nullptr;
};

class TGridButton : public TButton {
 public:
  explicit TGridButton(TComponent* AOwner);
  void ReCreate();
  TDedAdararAdoz* Grid() const { return FGrid; }
  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void DoExit() override;
  void CMWantSpecialKey(TMessage& Message) override;

 private:
  // The caption goes through the grid's ellipsis event into the cell.
  void WriteThrough();
  // Invisible, disabled, the edit over, the focus back to the grid.
  void HideButton();
  TDedAdararAdoz* FGrid = nullptr;
};

// The date or time picker of edDateEdit, edDateEditUpDown and edTimeEdit
// cells. A digit that completes a part moves on to the next part.
class TGridDatePicker : public TDudDateTimePicker {
 public:
  explicit TGridDatePicker(TComponent* AOwner);
  void ReCreate();
  TDedAdararAdoz* Grid() const { return FGrid; }
  bool Weeknumbers() const { return FWeekNumbers; }
  void SetWeeknumbers(bool Value) { FWeekNumbers = Value; }
  bool ShowToday() const { return FShowToday; }
  void SetShowToday(bool Value) { FShowToday = Value; }
  bool ShowTodayCircle() const { return FShowTodayCircle; }
  void SetShowTodayCircle(bool Value) { FShowTodayCircle = Value; }
  // The user changed the value since the editor opened.
  bool UserChanged() const { return FUserChanged; }
  void SetUserChanged(bool Value) { FUserChanged = Value; }
  void WndProc(TMessage& Message) override;

 protected:
  virtual void ShiftFocus();
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Change() override;
  void DropDown() override;
  void CloseUp() override;
  void DoExit() override;
  void WMNCPaint(TMessage& Message) override;
  void CMWantSpecialKey(TMessage& Message) override;

 private:
  uint16_t Fy = 0, Fm = 0, Fd = 0;
  uint16_t Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
  bool FOldDropped = false;
  bool FWeekNumbers = false;
  bool FShowToday = true;
  bool FShowTodayCircle = true;
  bool FUserChanged = false;
  TDedAdararAdoz* FGrid = nullptr;
};

// The picker of edDateTimeEdit cells: date and time in one control.
class TGridDateTimePicker : public TDudDateTimePicker {
 public:
  explicit TGridDateTimePicker(TComponent* AOwner);
  TDedAdararAdoz* Grid() const { return FGrid; }
  // Puts the date and time parts in the program's short formats.
  void UseDateAndTimeFormat();
  bool UserChanged() const { return FUserChanged; }
  void SetUserChanged(bool Value) { FUserChanged = Value; }

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Change() override;
  void DoExit() override;
  void CMWantSpecialKey(TMessage& Message) override;

 private:
  bool FUserChanged = false;
  TDedAdararAdoz* FGrid = nullptr;
};

// The rich edit of edRichEdit cells. The framework's rich edit keeps plain
// text: the raised and lowered characters are remembered by this control
// (and answered by IsSel...), not drawn.
class ZEveRozoDiva : public TCustomRichEdit {
 public:
  explicit ZEveRozoDiva(TComponent* AOwner);
  void ReCreate();
  TDedAdararAdoz* Grid() const { return FGrid; }

  void SelNormal() { SetSelOffset(0); }
  void SelSubscript() { SetSelOffset(-40); }
  void SelSuperscript() { SetSelOffset(40); }
  bool IsSelNormal() { return SelOffset() == 0; }
  bool IsSelSubscript() { return SelOffset() == -40; }
  bool IsSelSuperscript() { return SelOffset() == 40; }
  // Size requests are ignored while locked (the cell's text is loading).
  void Lock() { FLocked = true; }
  void Unlock() { FLocked = false; }
  bool Locked() const { return FLocked; }
  int ReqHeight() const { return FReqHeight; }
  int ReqWidth() const { return FReqWidth; }
  // The character offset (twips) of character Index; 0 beyond the text.
  int CharOffset(int Index) const;
  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void Change() override;

 private:
  void SetSelOffset(int Offset);
  int SelOffset();
  // The text asks for Height pixels (as typed).
  void RequestSize();
  TDedAdararAdoz* FGrid = nullptr;
  int FReqHeight = 0;
  int FReqWidth = 0;
  bool FLocked = false;
  // One offset per character of the text.
  std::vector<int> FOffsets;
  std::u32string FOffsetText;
};
