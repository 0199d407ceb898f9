#pragma once
// The check-list box: a list box whose rows carry a check box in front of
// their text. A click on the box, or Space on the focused row, turns the
// mark; either fires OnClickCheck. Code setting Checked or State fires
// nothing.
#include "framework/controls/CheckBox.h"
#include "framework/controls/ListBox.h"

class TCheckListBox : public TCustomListBox {
 public:
  explicit TCheckListBox(TComponent* AOwner);

  bool Checked(int Index) const { return State(Index) == cbChecked; }
  void SetChecked(int Index, bool Value) { SetState(Index, Value ? cbChecked : cbUnchecked); }
  TCheckBoxState State(int Index) const;
  void SetState(int Index, TCheckBoxState Value);
  // A click turns unchecked into checked, checked into grayed (with
  // AllowGrayed) or unchecked, grayed into unchecked.
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool Value) { allowGrayed_ = Value; }
  // Width of the box column at the left of every row.
  static constexpr int CheckWidth = 16;
  // Whether the client point lies on the check box of its row.
  bool InCheckBox(const TPoint& Pos) const;

  TNotifyEvent OnClickCheck;

 protected:
  // The user turned the mark of an item; fires OnClickCheck.
  virtual void ClickCheck(int Index);
  void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;
  void KeyPress(char32_t& Key) override;
  void DefaultHandler(TMessage& Message) override;

 private:
  void ToggleByUser(int Index);
  bool allowGrayed_ = false;
};
