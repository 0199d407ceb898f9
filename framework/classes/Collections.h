#pragma once
// TCollection and TCollectionItem: an owned, ordered list of items of one
// class, with change notification.
//
// An item created with a collection adds itself to it; freeing an item
// removes it. Every change calls the collection's Update(Item) (Item null
// for a change that concerns all items) unless an update block is open;
// EndUpdate of the outermost block reports one change of all items.
//
//   class TGridColumnItem : public TCollectionItem { ... };
//   TCollection cols(TCollection::ItemClass<TGridColumnItem>());
//   auto* c = static_cast<TGridColumnItem*>(cols.Add());
#include <functional>
#include <string>
#include <vector>

#include "framework/classes/Classes.h"

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }
  // Moves the item into another collection (or out of any, with nullptr).
  void SetCollection(TCollection* Value);
  int Index() const;
  void SetIndex(int Value);
  // A number unique within the collection, never reused.
  int ID() const { return id_; }
  virtual std::string DisplayName() const { return ClassName(); }
  virtual void SetDisplayName(const std::string&) { Changed(false); }

 protected:
  // Reports a change of this item (or of all items) to the collection.
  void Changed(bool AllItems);
  TPersistent* GetOwner() override;

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

class TCollection : public TPersistent {
 public:
  using TItemFactory = std::function<TCollectionItem*(TCollection*)>;
  template <class T>
  static TItemFactory ItemClass() {
    return [](TCollection* c) -> TCollectionItem* { return new T(c); };
  }

  explicit TCollection(TItemFactory ItemFactory);
  ~TCollection() override;

  int Count() const { return static_cast<int>(items_.size()); }
  // Raises EListError "List index out of bounds (n)" for a bad index.
  TCollectionItem* Items(int Index) const;
  // Assigns Value to the item at Index.
  void SetItems(int Index, TCollectionItem* Value);
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  // Deletes every item Pred picks, in one pass however many there are.
  void DeleteWhere(const std::function<bool(TCollectionItem*)>& Pred);
  TCollectionItem* FindItemID(int ID) const;
  void Exchange(int Index1, int Index2);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Copies the items of another collection (each new item Assign-ed from its
  // source); other sources are refused as TPersistent refuses them.
  void Assign(TPersistent* Source) override;
  const TItemFactory& ItemFactory() const { return factory_; }

 protected:
  // A change of Item, or of all items when Item is null.
  virtual void Update(TCollectionItem* /*Item*/) {}
  virtual void Notify(TCollectionItem* /*Item*/, TCollectionNotification /*Action*/) {}
  // Reports a change of all items unless an update block is open.
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void ItemChanged(TCollectionItem* Item);

  TItemFactory factory_;
  std::vector<TCollectionItem*> items_;
  int updateCount_ = 0;
  int nextId_ = 0;
};

// A collection whose owner in the persistence tree is given (the grid that
// holds its columns, for example).
class TOwnedCollection : public TCollection {
 public:
  TOwnedCollection(TPersistent* AOwner, TItemFactory ItemFactory)
      : TCollection(std::move(ItemFactory)), owner_(AOwner) {}

 protected:
  TPersistent* GetOwner() override { return owner_; }

 private:
  TPersistent* owner_;
};
