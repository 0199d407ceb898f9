#pragma once
// A drop-down that edits a multi-line text in a pop-up memo. The one-line
// edit shows that text: all of it when the edit can be typed into, else the
// first line, shortened to the edit's width. MemoText is the value; the
// memo is loaded from it at each opening and written back at each closing
// that is not cancelled.
#include <memory>

#include "controls/dropdown/VevDropDown.h"
#include "framework/controls/ScrollBars.h"

class TMemo;
class TPopupMenu;
class TStringList;
class TStrings;

class TVevMemoDropDown : public TVevUrizazEvuvUduz {
 public:
  explicit TVevMemoDropDown(TComponent* AOwner);
  ~TVevMemoDropDown() override;

  TStrings* MemoText() const;
  void SetMemoText(TStrings* Value);
  TMemo* Memo() const { return memo_; }
  TPopupMenu* MemoPopup() const { return memoPopup_; }
  void SetMemoPopup(TPopupMenu* Value) { memoPopup_ = Value; }
  TScrollStyle MemoScrollBars() const { return memoScrollBars_; }
  void SetMemoScrollBars(TScrollStyle Value) { memoScrollBars_ = Value; }
  bool MemoReadOnly() const { return memoReadOnly_; }
  void SetMemoReadOnly(bool Value);
  bool AutoDrop() const { return autoDrop_; }
  void SetAutoDrop(bool Value) { autoDrop_ = Value; }

  TNotifyEvent OnMemoChange;

  void HideDropDownEx(bool Cancel) override;
  void DoHideDropDown(TObject* Sender) override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void ControlKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) override;
  void ControlKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) override;
  void ControlKeyPress(TObject* Sender, char32_t& Key) override;
  void Change() override;
  void DoEnter() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void MemoTextChange(TObject* Sender);
  std::unique_ptr<TStringList> memoText_;
  TMemo* memo_ = nullptr;
  TPopupMenu* memoPopup_ = nullptr;
  TScrollStyle memoScrollBars_ = ssNone;
  bool memoReadOnly_ = false;
  bool internalUpdate_ = false;
  bool autoDrop_ = false;
};
