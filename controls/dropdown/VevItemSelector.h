#pragma once
// The item selector: a scrollable panel of equally sized items, each a
// caption (markup) beside an image, a picture or a colour box, with a hot
// item under the mouse and a selected item drawn in a selection look. The
// host (TVevCustomItemSelector) holds the items, looks and events and
// scrolls; the inner panel (TCustomItemSelector) lays the items out, paints
// them and takes the mouse. The detail, image and colour picker drop-downs
// show it in their pop-ups.
#include <functional>
#include <memory>
#include <string>

#include "grid/base/VevDropDownAppearance.h"
#include "framework/classes/Collections.h"
#include "framework/controls/ScrollBars.h"
#include "grid/base/VevStyleIF.h"

class TImageList;
class TPicture;
class TVevCustomItemSelector;

enum TSelectorType { stImage, stColor };
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

// (Named apart from the combo box's item drawing event.)
using TSelectorDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* Canvas, const TRect& R, int Index)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

class TSelectorItem : public TCollectionItem {
 public:
  explicit TSelectorItem(TCollection* Collection);
  ~TSelectorItem() override;
  void Assign(TPersistent* Source) override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value) { enabled_ = Value; }
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  // The item's own picture; it takes precedence over ImageIndex.
  TPicture* Image() const { return image_.get(); }
  void SetImage(TPicture* Value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }
  // The item's place in the panel, set by the layout.
  const TRect& ItemRect() const { return rect_; }
  void SetItemRect(const TRect& R) { rect_ = R; }

 private:
  std::string caption_;
  int imageIndex_ = -1;
  bool enabled_ = true;
  TColor color_ = clNone;
  std::unique_ptr<TPicture> image_;
  TRect rect_;
  std::string hint_;
};

class TSelectorItems : public TOwnedCollection {
 public:
  explicit TSelectorItems(TPersistent* AOwner);
  TSelectorItem* Add() { return static_cast<TSelectorItem*>(TCollection::Add()); }
  TSelectorItem* Insert(int Index) { return static_cast<TSelectorItem*>(TCollection::Insert(Index)); }
  TSelectorItem* Items(int Index) const { return static_cast<TSelectorItem*>(TCollection::Items(Index)); }
  void SetItems(int Index, TSelectorItem* Value) { TCollection::SetItems(Index, Value); }
  // Fired when an item reports a change (adding or deleting does not).
  TNotifyEvent OnChange;

 protected:
  void Update(TCollectionItem* Item) override;
};

// The colours of hot and selected items.
class TItemAppearance : public TPersistent {
 public:
  explicit TItemAppearance(TPersistent* AOwner);
  ~TItemAppearance() override;
  void Assign(TPersistent* Source) override;

#define CF_ITEM_COLOR(Name, field)      \
  TColor Name() const { return field; } \
  void Set##Name(TColor Value) { field = Value; }
  CF_ITEM_COLOR(ColorMirrorHotTo, colorMirrorHotTo_)
  CF_ITEM_COLOR(BorderColor, borderColor_)
  CF_ITEM_COLOR(ColorMirrorHot, colorMirrorHot_)
  CF_ITEM_COLOR(ColorSelectedTo, colorSelectedTo_)
  CF_ITEM_COLOR(ColorSelected, colorSelected_)
  CF_ITEM_COLOR(EdgeColor, edgeColor_)
  CF_ITEM_COLOR(ColorHotTo, colorHotTo_)
  CF_ITEM_COLOR(BorderColorBottom, borderColorBottom_)
  CF_ITEM_COLOR(ColorHot, colorHot_)
  CF_ITEM_COLOR(BorderColorTop, borderColorTop_)
  CF_ITEM_COLOR(ColorMirrorSelectedTo, colorMirrorSelectedTo_)
  CF_ITEM_COLOR(ColorMirrorSelected, colorMirrorSelected_)
  CF_ITEM_COLOR(ColorSelectedText, colorSelectedText_)
  CF_ITEM_COLOR(ColorHotText, colorHotText_)
  CF_ITEM_COLOR(BorderColorHot, borderColorHot_)
  CF_ITEM_COLOR(BorderColorSelected, borderColorSelected_)
#undef CF_ITEM_COLOR
  // A change loads that selection look's colours (scCustom none).
  TSelectionColorStyle ColorStyle() const { return colorStyle_; }
  void SetColorStyle(TSelectionColorStyle Value);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value) { font_->Assign(Value); }

  // Never fired (the owner reads the colours when it paints).
  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() override { return owner_; }

 private:
  TPersistent* owner_;
  TColor colorMirrorHotTo_ = clNone, borderColor_ = clNone, colorMirrorHot_ = clNone,
         colorSelectedTo_ = clNone, colorSelected_ = clNone, edgeColor_ = clNone, colorHotTo_ = clNone,
         borderColorBottom_ = clNone, colorHot_ = clNone, borderColorTop_ = clNone,
         colorMirrorSelectedTo_ = clNone, colorMirrorSelected_ = clNone;
  TColor colorSelectedText_ = clBlack, colorHotText_ = clBlack;
  TSelectionColorStyle colorStyle_ = scCustom;
  std::unique_ptr<TFont> font_;
  TColor borderColorHot_ = clNone, borderColorSelected_ = clNone;
};

// The item colours of a look preset (tsCustom changes nothing).
void SetItemAppearanceStyle(TItemAppearance* Appearance, TVyxStyle Style);

// The inner panel. Its owner must be a TVevCustomItemSelector.
class TCustomItemSelector : public TCustomControl {
 public:
  // EInvalidOperation-like Exception "Invalid parent" for another owner.
  explicit TCustomItemSelector(TComponent* AOwner);

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int Value);
  int ItemHot() const { return itemHot_; }
  void SetItemHot(int Value);
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  // Selects the first item whose plain caption, trimmed and upper-cased,
  // begins with S; false when none does.
  bool LookupItem(const std::string& S);
  int ItemAtPos(int X, int Y) const;
  // (-1, -1, -1, -1) for an index out of range.
  TRect GetItemRect(int Index) const;
  TVevCustomItemSelector* VevItemSelector() const { return host_; }

  virtual void DrawItem(int Index, TCanvas* ACanvas);
  virtual void GetItemArea(TRect& R);
  virtual void GetItemSize(TSize& ASize);
  virtual void RepaintItem(int Index);
  virtual void LayoutItems();

  TNotifyEvent OnItemSelect;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;

 private:
  TSelectorItems* ItemsOf() const;
  int itemIndex_ = -1;
  int itemHot_ = -1;
  int marginX_ = 2, marginY_ = 2;
  int insetX_ = 4, insetY_ = 4;
  int gap_ = 4;
  TVevCustomItemSelector* host_ = nullptr;
};

class TVevCustomItemSelector : public TScrollingWinControl {
 public:
  explicit TVevCustomItemSelector(TComponent* AOwner);
  ~TVevCustomItemSelector() override;

  TCustomItemSelector* Panel() const { return panel_; }
  TSelectorItems* Items() const { return items_.get(); }
  void SetItems(TSelectorItems* Value) { items_->Assign(Value); }
  TSelectorType SelectorType() const { return selectorType_; }
  void SetSelectorType(TSelectorType Value);
  TItemLayout ItemLayout() const { return itemLayout_; }
  void SetItemLayout(TItemLayout Value) { itemLayout_ = Value; }
  int Columns() const { return columns_; }
  void SetColumns(int Value);
  int ColorBoxWidth() const { return colorBoxWidth_; }
  void SetColorBoxWidth(int Value);
  int ColorBoxHeight() const { return colorBoxHeight_; }
  void SetColorBoxHeight(int Value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* Value);
  TItemAppearance* ItemAppearance() const { return itemAppearance_.get(); }
  void SetItemAppearance(TItemAppearance* Value) { itemAppearance_->Assign(Value); }

  int ItemIndex() const;
  void SetItemIndex(int Value);
  int ItemHot() const;
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  bool LookupItem(const std::string& S);
  void UpdateSelectorPanel();
  void GetSelectorSize(TSize& Size) const;
  int GetVisibleItemCount() const;
  void ScrollItemInView(int Index);

  TNotifyEvent OnItemSelect;
  TSelectorDrawItemEvent OnDrawItem;
  TItemSizeEvent OnItemSize;

  void WndProc(TMessage& Message) override;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TCustomItemSelector* panel_ = nullptr;
  std::unique_ptr<TSelectorItems> items_;
  TSelectorType selectorType_ = stImage;
  TItemLayout itemLayout_ = ilCaptionRight;
  int columns_ = 1;
  int colorBoxWidth_ = 14;
  int colorBoxHeight_ = 14;
  TImageList* images_ = nullptr;
  std::unique_ptr<TItemAppearance> itemAppearance_;
};
