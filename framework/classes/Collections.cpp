#include "framework/classes/Collections.h"

#include <algorithm>
#include <iterator>

TCollectionItem::TCollectionItem(TCollection* Collection) { SetCollection(Collection); }

TCollectionItem::~TCollectionItem() {
  if (collection_ != nullptr) collection_->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (collection_ == Value) return;
  if (collection_ != nullptr) collection_->RemoveItem(this);
  if (Value != nullptr) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (collection_ == nullptr) return -1;
  auto& v = collection_->items_;
  auto it = std::find(v.begin(), v.end(), this);
  return it == v.end() ? -1 : static_cast<int>(it - v.begin());
}

void TCollectionItem::SetIndex(int Value) {
  int cur = Index();
  if (cur < 0 || cur == Value) return;
  auto& v = collection_->items_;
  if (Value < 0 || Value >= static_cast<int>(v.size()))
    throw EListError("List index out of bounds (" + std::to_string(Value) + ")");
  v.erase(v.begin() + cur);
  v.insert(v.begin() + Value, this);
  Changed(true);
}

void TCollectionItem::Changed(bool AllItems) {
  if (collection_ != nullptr) collection_->ItemChanged(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() { return collection_; }

TCollection::TCollection(TItemFactory ItemFactory) : factory_(std::move(ItemFactory)) {}

TCollection::~TCollection() {
  // No change reports while going away.
  updateCount_ = 1;
  while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::Items(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return items_[static_cast<std::size_t>(Index)];
}

void TCollection::SetItems(int Index, TCollectionItem* Value) { Items(Index)->Assign(Value); }

TCollectionItem* TCollection::Add() {
  if (!factory_) throw EInvalidOperation("The collection has no item class");
  TCollectionItem* item = factory_(this);
  if (item->collection_ != this) item->SetCollection(this);
  return item;
}

TCollectionItem* TCollection::Insert(int Index) {
  if (Index < 0 || Index > Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(int Index) {
  TCollectionItem* item = Items(Index);
  Notify(item, cnDeleting);
  delete item;
}

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  try {
    while (!items_.empty()) delete items_.back();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* item : items_)
    if (item->id_ == ID) return item;
  return nullptr;
}

void TCollection::Exchange(int Index1, int Index2) {
  Items(Index1);  // both indexes must be valid
  Items(Index2);
  std::swap(items_[static_cast<std::size_t>(Index1)], items_[static_cast<std::size_t>(Index2)]);
  Changed();
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  if (updateCount_ == 0) return;
  --updateCount_;
  Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::ItemChanged(TCollectionItem* Item) {
  if (updateCount_ == 0) Update(Item);
}

void TCollection::InsertItem(TCollectionItem* Item) {
  items_.push_back(Item);
  Item->collection_ = this;
  Item->id_ = nextId_++;
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  Notify(Item, cnExtracting);
  // From the back: Clear and stores that drop their newest items stay linear.
  auto it = std::find(items_.rbegin(), items_.rend(), Item);
  if (it != items_.rend()) items_.erase(std::next(it).base());
  Item->collection_ = nullptr;
  Changed();
}

void TCollection::DeleteWhere(const std::function<bool(TCollectionItem*)>& Pred) {
  std::vector<TCollectionItem*> gone;
  auto keep = std::stable_partition(items_.begin(), items_.end(), [&](TCollectionItem* I) { return !Pred(I); });
  gone.assign(keep, items_.end());
  if (gone.empty()) return;
  items_.erase(keep, items_.end());
  for (TCollectionItem* item : gone) {
    Notify(item, cnDeleting);
    Notify(item, cnExtracting);
    item->collection_ = nullptr;
    delete item;
  }
  Changed();
}

void TCollection::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TCollection*>(Source);
  if (src == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (src == this) return;
  BeginUpdate();
  try {
    Clear();
    for (TCollectionItem* item : src->items_) Add()->Assign(item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}
