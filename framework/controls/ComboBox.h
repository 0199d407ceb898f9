#pragma once
// The combo box: an edit field (csDropDown, csSimple) or a selection field
// (csDropDownList and the owner-drawn styles) with a list of items that
// drops down in a pop-up window of its own.
//
// The edit part is the framework's edit itself (the combo derives from
// TCustomEdit), so the EM_ messages, the caret, the selection, the clipboard
// keys, MaxLength and CharCase work on the field as in any edit.
//
// Notices, as on the platform, arrive through CN_COMMAND: CBN_DROPDOWN
// (OnDropDown), CBN_CLOSEUP (OnCloseUp), CBN_SELCHANGE (OnClick, then
// OnSelect, or OnChange when OnSelect is not assigned) and CBN_EDITCHANGE
// (OnChange). Setting ItemIndex or Text from code fires nothing.
//
// Items and text stay in step: in the list styles Text is the selected
// item's text (setting it selects the item of that text, letter case
// ignored, or none); in the edit styles choosing an item puts its text in
// the field, and the selection is the item whose text equals the field's
// (while the list is down, the first item that begins with it).
#include <functional>
#include <memory>
#include <string>

#include "framework/controls/ListBox.h"
#include "framework/controls/StdCtrls.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox;

// The list part: a pop-up window under the combo box while dropped down
// (csSimple: a child under the edit field, always shown).
class TComboDropList : public TCustomListBox {
 public:
  TComboDropList(TCustomComboBox* Combo);
  ~TComboDropList() override;
  TCustomComboBox* Combo() const { return combo_; }
  // Shows the pop-up at R (screen) and takes the mouse.
  void Popup(const TRect& R);
  void CloseWindow();
  // Gives up the window (before the list changes between pop-up and child).
  void ReleaseWindow() { DestroyHandle(); }
  void WndProc(TMessage& Message) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void DrawItem(int Index, TRect Rect, TOwnerDrawState State) override;
  void MeasureItem(int Index, int& Height) override;
  void ItemsChanged() override;
  void SelectionChangedByUser() override;

 private:
  TCustomComboBox* combo_;
  bool releasing_ = false;
};

class TCustomComboBox : public TCustomEdit {
 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle Value);
  TStrings* Items() { return list_->Items(); }
  const TStrings* Items() const { return list_->Items(); }
  void SetItems(TStrings* Value) { list_->Items()->Assign(Value); }
  // -1 for none; an index outside the items selects none.
  int ItemIndex() const { return list_->ItemIndex(); }
  void SetItemIndex(int Value);
  bool Sorted() const { return list_->Sorted(); }
  void SetSorted(bool Value) { list_->SetSorted(Value); }
  // Rows the dropped list shows before it scrolls.
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int Value) { dropDownCount_ = Value < 1 ? 1 : Value; }
  bool DroppedDown() const { return droppedDown_; }
  // Opening fires CBN_DROPDOWN; closing from code keeps the selection.
  void SetDroppedDown(bool Value);
  // The height of a list row (owner-drawn styles may set it).
  int ItemHeight() const { return list_->ItemHeight(); }
  void SetItemHeight(int Value);
  // The dropped list's width: at least the control's.
  int DroppedWidth() const { return droppedWidth_ > Width() ? droppedWidth_ : Width(); }
  void SetDroppedWidth(int Value);
  // Typing in the edit field completes the text from the first item that
  // begins with it; in the list styles typing selects such an item.
  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool Value) { autoComplete_ = Value; }
  // The canvas of the part being drawn (owner drawing).
  TCanvas* Canvas() { return drawCanvas_ != nullptr ? drawCanvas_ : EditCanvas(); }
  // Removes every item and the text.
  void Clear();
  TComboDropList* ListWindow() const { return list_.get(); }

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

 protected:
  friend class TComboDropList;
  // Notices (CN_COMMAND).
  virtual void DropDown();
  virtual void CloseUp();
  virtual void Select();
  void Change() override;
  // Owner drawing of a row of the list or of the selection field
  // (odComboBoxEdit in State).
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);
  void PaintEdit(TCanvas* C) override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Loaded() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void CNKeyDown(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void WMSize(TMessage& Message) override;

  bool IsListStyle() const { return style_ != csDropDown && style_ != csSimple; }
  // The height of the edit or selection field.
  int FieldHeight() const;
  TRect ButtonRect() const;
  // Opens and closes the list; Accept takes the highlighted row.
  void ShowDropList();
  void HideDropList(bool Accept);
  // The user chose item Index (keys, a click, the wheel): the field takes
  // its text and CBN_SELCHANGE follows when the selection changed.
  void UserSelectItem(int Index);
  // A click in the csSimple list.
  void ListItemClicked(int Index);
  void ItemsChanged();

 private:
  void Notify(UINT Code);
  void SyncTextToSelection();
  void SelectByText(const std::string& S);
  void UpdateFieldLayout();
  void EditChanged();
  int SelectionStep(WORD Key) const;

  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
  bool droppedDown_ = false;
  int dropStartIndex_ = -1;
  int loadedIndex_ = -1;  // an index read from a layout before the items
  int droppedWidth_ = 0;
  int fieldHeight_ = 0;  // 0: from the font
  bool autoComplete_ = true;
  bool typedChar_ = false;
  bool inEditChange_ = false;
  bool buttonDown_ = false;
  bool hot_ = false;
  TCanvas* drawCanvas_ = nullptr;
  std::u32string typed_;
  uint32_t lastTyped_ = 0;
  // Last: the list asks the combo box for its state while it is made.
  std::unique_ptr<TComboDropList> list_;
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
};
