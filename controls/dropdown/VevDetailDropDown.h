#pragma once
// The detail drop-down: its pop-up lists items in one column, each row an
// image, a caption and notes (markup) under it. The edit shows the chosen
// caption and completes typed text from the captions; the keys move the
// choice and a type-ahead search jumps to an item by its first letters.
#include <memory>
#include <string>

#include "controls/dropdown/VevDropDown.h"
#include "controls/dropdown/VevItemSelector.h"
#include "framework/classes/Collections.h"

class TPicture;
class TTimer;
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R)>;

class TDetailItem : public TCollectionItem {
 public:
  explicit TDetailItem(TCollection* Collection);
  ~TDetailItem() override;
  void Assign(TPersistent* Source) override;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value) { enabled_ = Value; }
  TPicture* Image() const { return image_.get(); }
  void SetImage(TPicture* Value);
  const std::string& Notes() const { return notes_; }
  void SetNotes(const std::string& Value) { notes_ = Value; }
  TObject* ItemObject() const { return itemObject_; }
  void SetItemObject(TObject* Value) { itemObject_ = Value; }
  int Tag() const { return tag_; }
  void SetTag(int Value) { tag_ = Value; }

 private:
  std::string caption_;
  int imageIndex_ = -1;
  bool enabled_ = true;
  std::unique_ptr<TPicture> image_;
  std::string notes_;
  TObject* itemObject_ = nullptr;
  int tag_ = 0;
};

class TDetailItems : public TOwnedCollection {
 public:
  explicit TDetailItems(TPersistent* AOwner);
  TDetailItem* Add() { return static_cast<TDetailItem*>(TCollection::Add()); }
  TDetailItem* Insert(int Index) { return static_cast<TDetailItem*>(TCollection::Insert(Index)); }
  TDetailItem* Items(int Index) const { return static_cast<TDetailItem*>(TCollection::Items(Index)); }
  void SetItems(int Index, TDetailItem* Value) { Items(Index)->Assign(Value); }
  // The first item captioned exactly AValue (case counts), -1 for none.
  int IndexOf(const std::string& AValue) const;
  TNotifyEvent OnChange;

 protected:
  void Update(TCollectionItem* Item) override;
};

class TVevDetailDropDown : public TVevUrizazEvuvUduz {
 public:
  explicit TVevDetailDropDown(TComponent* AOwner);
  ~TVevDetailDropDown() override;

  TItemLayout Layout() const { return layout_; }
  void SetLayout(TItemLayout Value) { layout_ = Value; }
  TDetailItems* Items() const { return items_.get(); }
  void SetItems(TDetailItems* Value) { items_->Assign(Value); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int Value);
  TItemAppearance* ItemAppearance() const { return itemAppearance_.get(); }
  void SetItemAppearance(TItemAppearance* Value) { itemAppearance_->Assign(Value); }
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int Value) { itemHeight_ = Value; }
  TFont* CaptionFont() const { return captionFont_.get(); }
  void SetCaptionFont(TFont* Value);
  TFont* NotesFont() const { return notesFont_.get(); }
  void SetNotesFont(TFont* Value);
  bool MatchCase() const { return matchCase_; }
  void SetMatchCase(bool Value) { matchCase_ = Value; }
  bool MatchStart() const { return matchStart_; }
  void SetMatchStart(bool Value) { matchStart_ = Value; }
  TVevCustomItemSelector* Selector() const { return selector_; }

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();

  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedImage;

  void SetSelectionColorStyle(TSelectionColorStyle Style) override;
  void SetComponentStyle(TVyxStyle AStyle) override;
  void HideDropDownEx(bool Cancel) override;
  void DropDownSizing(TObject* Sender) override;
  void WndProc(TMessage& Message) override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void DoShowDropDown() override;
  void UpdateDropDownSize() override;
  void DoWheelDown() override;
  void DoWheelUp() override;
  void Change() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  void FillSelector();
  void SelectorItemSelect(TObject* Sender);
  void DrawRow(TCanvas* C, const TRect& R, int Index);
  void RowSize(TSize& Size);
  bool NavigationKey(WORD Key);
  void MoveSelector(int Index);
  void Internal(const std::function<void()>& F);

  TVevCustomItemSelector* selector_ = nullptr;
  TItemLayout layout_ = ilCaptionRight;
  std::unique_ptr<TDetailItems> items_;
  int itemIndex_ = -1;
  std::unique_ptr<TItemAppearance> itemAppearance_;
  bool internalSelect_ = false;
  TTimer* typeAheadTimer_ = nullptr;
  std::string typeAhead_;
  int indexAtDropDown_ = -1;
  int itemHeight_ = 22;
  std::unique_ptr<TFont> captionFont_;
  std::unique_ptr<TFont> notesFont_;
  bool completion_ = true;
  bool matchCase_ = false;
  bool matchStart_ = false;
};
