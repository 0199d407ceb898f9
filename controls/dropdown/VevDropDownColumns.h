#pragma once
// Columns and items of the drop-downs whose pop-up is a table: the grid
// drop-down and the multi-column drop-down. Each of the two has classes of
// its own under the same names (its own namespace); they share this code.
#include <cmath>
#include <memory>
#include <string>

#include "framework/classes/Collections.h"
#include "framework/classes/StringList.h"
#include "framework/controls/Controls.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/StrUtils.h"

enum TColumnType { ctText, ctImage };

template <int Unit>
class TDropDownColumnT : public TCollectionItem {
 public:
  explicit TDropDownColumnT(TCollection* Collection)
      : TCollectionItem(Collection), font_(std::make_unique<TFont>()) {}
  void Assign(TPersistent* Source) override {
    auto* s = dynamic_cast<TDropDownColumnT*>(Source);
    if (s == nullptr) {
      TCollectionItem::Assign(Source);
      return;
    }
    width_ = s->width_;
    color_ = s->color_;
    alignment_ = s->alignment_;
    ellipsis_ = s->ellipsis_;
    font_->Assign(s->font_.get());
    columnType_ = s->columnType_;
    header_ = s->header_;
    wordwrap_ = s->wordwrap_;
    autoSize_ = s->autoSize_;
  }
  int Width() const { return width_; }
  void SetWidth(int Value) { width_ = Value; }
  TColor Color() const { return color_; }
  void SetColor(TColor Value) { color_ = Value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value) { alignment_ = Value; }
  bool Ellipsis() const { return ellipsis_; }
  void SetEllipsis(bool Value) { ellipsis_ = Value; }
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* Value) { font_->Assign(Value); }
  TColumnType ColumnType() const { return columnType_; }
  void SetColumnType(TColumnType Value) { columnType_ = Value; }
  const std::string& Header() const { return header_; }
  void SetHeader(const std::string& Value) { header_ = Value; }
  bool Wordwrap() const { return wordwrap_; }
  void SetWordwrap(bool Value) { wordwrap_ = Value; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value) { autoSize_ = Value; }

 private:
  int width_ = 80;
  TColor color_ = 0xFFFFFF;
  TAlignment alignment_ = taLeftJustify;
  bool ellipsis_ = false;
  std::unique_ptr<TFont> font_;
  TColumnType columnType_ = ctText;
  std::string header_;
  bool wordwrap_ = false;
  bool autoSize_ = false;
};

template <int Unit>
class TDropDownColumnsT : public TOwnedCollection {
 public:
  using TItem = TDropDownColumnT<Unit>;
  explicit TDropDownColumnsT(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TItem>()) {}
  TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
  TItem* Insert(int Index) { return static_cast<TItem*>(TCollection::Insert(Index)); }
  TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }
  void SetItems(int Index, TItem* Value) { Items(Index)->Assign(Value); }
  TPersistent* Owner() { return GetOwner(); }
};

template <int Unit>
class TDropDownItemT : public TCollectionItem {
 public:
  explicit TDropDownItemT(TCollection* Collection)
      : TCollectionItem(Collection), text_(std::make_unique<TStringList>()) {}
  // The texts are copied by their own write.
  void Assign(TPersistent* Source) override {
    auto* s = dynamic_cast<TDropDownItemT*>(Source);
    if (s == nullptr) {
      TCollectionItem::Assign(Source);
      return;
    }
    imageIndex_ = s->imageIndex_;
  }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value) { imageIndex_ = Value; }
  TStringList* Text() const { return text_.get(); }
  void SetText(TStrings* Value) { text_->Assign(Value); }
  // Text number Index, empty when the item has fewer texts (or Index < 0).
  std::string TextAt(int Index) const {
    return Index >= 0 && Index < text_->Count() ? text_->Strings(Index) : std::string();
  }
  bool HasText(int Index) const { return Index >= 0 && Index < text_->Count(); }

 private:
  int imageIndex_ = -1;
  std::unique_ptr<TStringList> text_;
};

template <int Unit>
class TDropDownItemsT : public TOwnedCollection {
 public:
  using TItem = TDropDownItemT<Unit>;
  explicit TDropDownItemsT(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TItem>()) {}
  TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
  TItem* Insert(int Index) { return static_cast<TItem*>(TCollection::Insert(Index)); }
  TItem* Items(int Index) const { return static_cast<TItem*>(TCollection::Items(Index)); }
  void SetItems(int Index, TItem* Value) {
    Items(Index)->Assign(Value);
    Items(Index)->SetText(Value->Text());
  }
  // The texts come along: an item's own Assign leaves them, and a copied
  // list without its texts would be a list of empty rows.
  void Assign(TPersistent* Source) override {
    TOwnedCollection::Assign(Source);
    auto* s = dynamic_cast<TDropDownItemsT*>(Source);
    if (s == nullptr) return;
    for (int i = 0; i < Count() && i < s->Count(); ++i) Items(i)->SetText(s->Items(i)->Text());
  }
  // The first item whose text number Column equals Text exactly, else -1.
  int IndexInColumn(int Column, const std::string& Text) const {
    for (int i = 0; i < Count(); ++i)
      if (Items(i)->HasText(Column) && Items(i)->Text()->Strings(Column) == Text) return i;
    return -1;
  }
};

// Spreads Avail pixels over the pop-up's columns in the ratio of their set
// widths, carrying the rounding over so that together they fill it.
template <class TGrid, class TColumns>
void SpreadColumnWidths(TGrid* Grid, TColumns* Columns, double Avail) {
  double total = 1;
  for (int i = 0; i < Columns->Count(); ++i) total += Columns->Items(i)->Width();
  const double ratio = Avail / total;
  double rem = 0;
  for (int i = 0; i < Grid->ColCount() && i < Columns->Count(); ++i) {
    const double w = ratio * Columns->Items(i)->Width();
    const int n = static_cast<int>(std::nearbyint(w));
    rem += w - n;
    if (rem > 1) {
      Grid->SetColWidths(i, n + 1);
      rem -= 1;
    } else {
      Grid->SetColWidths(i, n);
    }
  }
}

// The first lookup item that begins with Key (already upper case unless
// MatchCase), or -1.
inline int FirstCompletion(TStringList* Items, const std::string& Key, bool MatchCase) {
  for (int i = 0; i < Items->Count(); ++i) {
    const std::string entry = Items->Strings(i);
    if ((MatchCase ? entry : AnsiUpperCase(entry)).starts_with(Key)) return i;
  }
  return -1;
}
