#pragma once
// The in-place editors of TDedAdararAdoz that this unit makes itself: the
// text editor of the text kinds (the framework grid's own editor, with
// filters per kind, a length limit, validation on the keys that leave the
// cell, completion and clipboard events), the combo editor of the drop-down
// list and drop-down edit cells, and the two small editors of fixed cells.
//
// Each editor hands what the user did to its grid: it never writes a cell
// itself except through the grid's edit-text write, the current-cell write
// or the fixed-cell editors' own end of edit.
#include <functional>
#include <string>

#include "framework/controls/ComboBox.h"
#include "framework/controls/StdCtrls.h"
#include "framework/grids/Grids.h"
#include "grid/base/BaseGrid.h"
#include "grid/base/DudCombo.h"

class TDedAdararAdoz;

// What a typed character does in the text of a number kind (edNumeric,
// edPositiveNumeric, edFloat, edPositiveFloat): 0 it goes in, 1 it is
// dropped, 2 it is dropped with a beep. Other kinds take every character.
int NumberCharVerdict(TEditorType Kind, char32_t Ch, const std::u32string& Text, int SelStart, int SelLen,
                      bool CtrlDown);
// Whether a whole text (a paste) is a value of its kind.
bool KindTextAccepted(TEditorType Kind, const std::string& Text, const std::string& ValidChars);

// The text editor: a masked multi-line edit over the current cell.
class ZIvoVorazirUded : public TInplaceEdit {
 public:
  explicit ZIvoVorazirUded(TComponent* AOwner);

  // The most characters the text takes (0 or less: no limit).
  int LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(int Value) { FLengthLimit = static_cast<int16_t>(Value); }
  // Right-aligned text; a change makes the window again.
  bool VAlign() const { return FValign; }
  void SetVAlign(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TDedAdararAdoz* GridControl() const { return FGrid; }
  // Completion of the typed text from the grid's lookup items.
  void DoChange();
  bool GotKey() const { return GotKey_; }
  // The editor has had the focus since it was shown.
  bool GotFocus() const { return FGotFocus; }

  void UpdateContents() override;
  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void BoundsChanged() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Change() override;

 private:
  void HandleChar(TMessage& Message);
  // Sizes the row with the grid's column-size synchronisation off, then
  // reports the row sized.
  void SizeRowWhileTyping(const std::function<void()>& Size);
  // Shift or Ctrl+Enter in a multi-line cell: room for the new line.
  void RoomForOneMoreLine();
  void HandlePaste();
  void HandleKeyDown(TMessage& Message);
  void HandleKillFocus(TMessage& Message);
  void HandleSetFocus(TMessage& Message);
  // The text after a refused value: the validated one, all of it selected
  // or the caret at the end, and the grid's old text put back.
  void Refused(const std::string& OldText, int CaretPos);
  // The text after an accepted value: the validated one.
  void ShowValidated(const std::string& Typed);
  // The key leaves the cell (arrows at the ends, the framework's rule).
  bool LeavesCell(WORD Key, TShiftState Shift);
  int CaretLine();
  int LineCount();

  int FSelKeyDown = 0;
  int FOldSelStart = 0;
  int16_t FLengthLimit = 0;
  bool FValign = false;
  bool FWordWrap = false;
  bool GotKey_ = false;
  bool FGotFocus = false;
  bool Workmode = true;
  TDedAdararAdoz* FGrid = nullptr;
  int FColE = -1;
  int FRowE = -1;
  bool FAltBack = false;
  // Enter was validated on its key-down; its character is then not
  // validated again, and after a refusal it is swallowed.
  bool FEnterValidated = false;
  bool FSwallowEnter = false;
};

// The combo editor of edComboList and edComboEdit cells.
class TGridCombo : public TDudComboBox {
  friend class TDedAdararAdoz;

 public:
  // AOwner is the grid the combo edits for.
  explicit TGridCombo(TComponent* AOwner);

  // Widens the dropped list to its longest item.
  void SizeDropDownWidth();
  // Completion of the typed text from the items or the grid's lookup items.
  void DoChange();
  bool WorkMode() const { return FWorkMode; }
  TDedAdararAdoz* Grid() const { return FGrid; }

  TNotifyEvent OnReturnKey;

  void WndProc(TMessage& Message) override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Change() override;
  void Select() override;
  void DoExit() override;
  void CMWantSpecialKey(TMessage& Message) override;

 private:
  // Writes the text into the current cell and validates it; false, with
  // the corrected text shown, when the validation refused it.
  bool WriteAndValidate(bool SelectOnRefuse);
  void FireComboEvents(int Index);
  // The user changed the edit's text: the combo events with the item index
  // (-1: no item) and once more with -1 and the display column.
  void FireEditChangeEvents();
  void AfterFocus();

  bool FWorkMode = true;
  TDedAdararAdoz* FGrid = nullptr;
  bool FInKeyPress = false;
  // A change of the text now is the user's (typing, pasting, cutting).
  bool FUserEdit = false;
};

// The fixed-cell editors: a plain edit and a combo box over a fixed cell.
// Their edit ends only through StopEdit (focus loss, or another fixed-cell
// edit starting); Return does not end it.
class TGridTransEdit : public TCustomEdit {
 public:
  explicit TGridTransEdit(TComponent* AOwner);
  // Validates the text and writes it into the cell; false when refused
  // (the editor then keeps the focus).
  bool StopEdit();

  int Row = -1;
  int Col = -1;
  TDedAdararAdoz* Grid = nullptr;

  void WndProc(TMessage& Message) override;

 protected:
  void DoExit() override;
  void KeyPress(char32_t& Key) override;
  void Change() override;
};

class TGridTransCombo : public TCustomComboBox {
 public:
  explicit TGridTransCombo(TComponent* AOwner);
  bool StopEdit();

  int Row = -1;
  int Col = -1;
  TDedAdararAdoz* Grid = nullptr;

  void WndProc(TMessage& Message) override;

 protected:
  void DoExit() override;
  void KeyPress(char32_t& Key) override;
  void Change() override;
};
