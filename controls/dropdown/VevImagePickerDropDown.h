#pragma once
// The image picker drop-down: the pop-up shows images in a grid of Columns
// columns, each with an optional caption and hint; the edit part takes no
// typing and shows the chosen image centred. The value is the item index;
// ImageIndex gives or selects the chosen item's image. Items can be loaded
// from the picture files of a folder or from the image list.
#include <memory>
#include <string>

#include "controls/dropdown/VevDropDown.h"
#include "controls/dropdown/VevItemSelector.h"
#include "framework/classes/Collections.h"

class TPicture;
class TTimer;
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R)>;

class TImageItem : public TCollectionItem {
 public:
  explicit TImageItem(TCollection* Collection);
  ~TImageItem() override;
  void Assign(TPersistent* Source) override;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value) { enabled_ = Value; }
  TPicture* Image() const { return image_.get(); }
  void SetImage(TPicture* Value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }

 private:
  std::string caption_;
  int imageIndex_ = -1;
  bool enabled_ = true;
  std::unique_ptr<TPicture> image_;
  std::string hint_;
};

class TImageItems : public TOwnedCollection {
 public:
  explicit TImageItems(TPersistent* AOwner);
  TImageItem* Add() { return static_cast<TImageItem*>(TCollection::Add()); }
  TImageItem* Insert(int Index) { return static_cast<TImageItem*>(TCollection::Insert(Index)); }
  TImageItem* Items(int Index) const { return static_cast<TImageItem*>(TCollection::Items(Index)); }
  void SetItems(int Index, TImageItem* Value) { Items(Index)->Assign(Value); }
  TNotifyEvent OnChange;

 protected:
  void Update(TCollectionItem* Item) override;
};

class TVevImagePickerDropDown : public TVevUrizazEvuvUduz {
 public:
  explicit TVevImagePickerDropDown(TComponent* AOwner);
  ~TVevImagePickerDropDown() override;

  int Columns() const { return columns_; }
  void SetColumns(int Value) { columns_ = Value; }
  TItemLayout Layout() const { return layout_; }
  void SetLayout(TItemLayout Value) { layout_ = Value; }
  TImageItems* Items() const { return items_.get(); }
  void SetItems(TImageItems* Value) { items_->Assign(Value); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int Value);
  int ImageIndex() const;
  void SetImageIndex(int Value);
  TItemAppearance* ItemAppearance() const { return itemAppearance_.get(); }
  void SetItemAppearance(TItemAppearance* Value) { itemAppearance_->Assign(Value); }
  TVevCustomItemSelector* Selector() const { return selector_; }

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  // Every entry matching the folder-and-mask path, in the file system's
  // order; a file that is no picture stays as an item with no picture.
  void AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption);
  void AddImagesFromImageList();

  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedImage;
  TSelectorDrawItemEvent OnDrawItem;

  void SetSelectionColorStyle(TSelectionColorStyle Style) override;
  void SetComponentStyle(TVyxStyle AStyle) override;
  void HideDropDownEx(bool Cancel) override;
  void WndProc(TMessage& Message) override;

 protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void UpdateDropDownSize() override;
  void DoWheelDown() override;
  void DoWheelUp() override;
  void PaintWindow(TCanvas* DC) override;

 private:
  void FillSelector();
  void SelectorItemSelect(TObject* Sender);
  void NavigationKey(WORD Key, bool ReturnUsed);
  void MoveSelector(int Index);
  void Internal(const std::function<void()>& F);
  void DrawChosenImage(TCanvas* C);

  TVevCustomItemSelector* selector_ = nullptr;
  int columns_ = 1;
  TItemLayout layout_ = ilCaptionRight;
  std::unique_ptr<TImageItems> items_;
  int itemIndex_ = -1;
  std::unique_ptr<TItemAppearance> itemAppearance_;
  bool internalSelect_ = false;
  TTimer* typeAheadTimer_ = nullptr;
  std::string typeAhead_;
  int indexAtDropDown_ = -1;
};
