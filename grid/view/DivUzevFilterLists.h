#pragma once
// The two lists of the grid's filter drop-down: a plain list to choose one
// value and a check list to tick several. Each reports through OnSelect;
// a click elsewhere (cancel mode) closes the list and leaves the filter.
#include <functional>

#include "framework/controls/CheckListBox.h"
#include "framework/controls/ListBox.h"

class TDedAdararAdoz;

using TDropSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;

class TDropList : public TListBox {
 public:
  explicit TDropList(TComponent* AOwner);
  TDropSelectEvent OnSelect;

 protected:
  void KeyPress(char32_t& Key) override;
  void DefaultHandler(TMessage& Message) override;
};

class TDropCheckList : public TCheckListBox {
 public:
  explicit TDropCheckList(TComponent* AOwner);
  TDropSelectEvent OnSelect;

 protected:
  // A mark turned by the user reports -1: the filter follows every change
  // while the list stays open.
  void ClickCheck(int Index) override;
  void DefaultHandler(TMessage& Message) override;
};
