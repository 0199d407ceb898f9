#pragma once
// The list box: items (strings with objects), single or multiple
// selection, scrolling by its frame bar, keyboard and mouse selection,
// typing to find, owner drawing, and the LB_ messages. The combo box's
// drop-down list is a list box of its own kind (ComboBox.h).
//
// OnClick fires when the user changes the selection (click, keys), not when
// code sets ItemIndex, as on the platform.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/controls/ScrollBars.h"
#include "framework/rtl/Set.h"

enum TOwnerDrawStateItem {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect,
  odReserved1,
  odReserved2,
  odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem, 16>;
using TDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

class TCustomListBox;

// The items of a list box. Add keeps a sorted list in order; Insert puts
// the item where asked.
class TListBoxStrings : public TStrings {
 public:
  explicit TListBoxStrings(TCustomListBox* ListBox) : listBox_(ListBox) {}
  int Count() const override;
  std::string Strings(int Index) const override;
  void SetStrings(int Index, const std::string& S) override;
  using TStrings::SetStrings;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  int Add(const std::string& S) override;
  int AddObject(const std::string& S, TObject* AObject) override;
  void InsertObject(int Index, const std::string& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  void Move(int CurIndex, int NewIndex) override;
  // Case-insensitive whole-item search.
  int IndexOf(const std::string& S) const override;

 protected:
  void SetUpdateState(bool Updating) override;

 private:
  TCustomListBox* listBox_;
};

// Finds the first item after Start (wrapping round; -1 searches from the
// first) whose text begins with Text, or equals it when Exact; letter case
// is ignored. -1 when none.
int FindListItem(const TStrings* Items, int Start, const std::string& Text, bool Exact);

class TCustomListBox : public TScrollBarsWindow {
 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* Items() { return items_.get(); }
  const TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* Value) { items_->Assign(Value); }
  int Count() const { return static_cast<int>(data_.size()); }
  // -1 for none; an index outside the items selects none. With MultiSelect
  // it is the focused item, and setting it selects that item alone.
  int ItemIndex() const;
  void SetItemIndex(int Value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool Value);
  // With MultiSelect: a click selects one item, Ctrl and Shift add to it;
  // without ExtendedSelect a click toggles the item.
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool Value) { extendedSelect_ = Value; }
  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  int SelCount() const;
  void SelectAll();
  void ClearSelection();
  bool Sorted() const { return sorted_; }
  void SetSorted(bool Value);
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int Value);
  // The width the items may need: wider than the view, it brings a
  // horizontal bar that scrolls them (0: no horizontal scrolling).
  int ScrollWidth() const { return scrollWidth_; }
  void SetScrollWidth(int Value);
  // How far the items are scrolled to the left, in pixels.
  int ScrollLeft() const { return scrollLeft_; }
  void SetScrollLeft(int Value);
  // The height of a row: the font's for lbStandard, the stored one for
  // owner drawing.
  int ItemHeight() const;
  void SetItemHeight(int Value);
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle Value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  // The canvas owner drawing paints on.
  using TCustomControl::Canvas;

  // The item under a client point; -1 outside the items unless Existing is
  // false, which answers the index the point would have.
  int ItemAtPos(const TPoint& Pos, bool Existing) const;
  TRect ItemRect(int Index) const;
  // The number of whole rows the client area shows.
  int VisibleRows() const;
  void Clear() { items_->Clear(); }
  // Scrolls so that Index is in view.
  void MakeVisible(int Index);

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  void WndProc(TMessage& Message) override;

 protected:
  friend class TListBoxStrings;
  struct TItem {
    std::string S;
    TObject* Object = nullptr;
    bool Selected = false;
    int Height = 0;
    // The check state, for list kinds that show one.
    uint8_t State = 0;
  };

  // Draws one row; the default fills it and writes the text. Owner-drawn
  // styles call OnDrawItem when it is assigned.
  virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
  virtual void MeasureItem(int Index, int& Height);
  // The items changed (added, removed, renamed or cleared).
  virtual void ItemsChanged();
  // The user changed the selection.
  virtual void SelectionChangedByUser();
  void CreateParams(TCreateParams& Params) override;
  void Loaded() override;
  void Paint() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DefaultHandler(TMessage& Message) override;
  void WMSize(TMessage& Message) override;
  // Moves the focus item to Index as a key or click would, selecting by
  // the shift state; fires the user notice when the selection changed.
  void UserSelect(int Index, TShiftState Shift, bool ByMouse);
  // Typing to find: the typed prefix grows while keys follow each other
  // within a second.
  int FindTyped(char32_t Key);
  void UpdateScrollRange();
  int RowHeight(int Index) const;
  std::vector<TItem>& Data() { return data_; }
  const std::vector<TItem>& Data() const { return data_; }
  int InsertItem(int Index, const std::string& S, TObject* AObject);
  void DeleteItem(int Index);
  int SortedPlace(const std::string& S) const;

 private:
  std::vector<TItem> data_;
  std::unique_ptr<TListBoxStrings> items_;
  int itemIndex_ = -1;    // single selection: the selected item; multiple: the focus item
  int loadedIndex_ = -1;  // an index read from a layout before the items
  int anchor_ = -1;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool sorted_ = false;
  int topIndex_ = 0;
  int scrollWidth_ = 0;
  // Showing a bar resizes the view, which asks for the range again.
  bool updatingRange_ = false;
  int scrollLeft_ = 0;
  int itemHeight_ = 16;
  TListBoxStyle style_ = lbStandard;
  TBorderStyle borderStyle_ = bsSingle;
  int updateCount_ = 0;
  bool mouseSelecting_ = false;
  std::u32string typed_;
  uint32_t lastTyped_ = 0;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
};
