#pragma once
// TList, a list of untyped pointers, and TObjectList, a list of objects that
// by default owns (frees) them. Indexes are 0-based; a bad index raises
// EListError "List index out of bounds (n)".
#include <functional>
#include <vector>

#include "framework/classes/Classes.h"

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

class TList : public TObject {
 public:
  ~TList() override;

  int Count() const { return static_cast<int>(items_.size()); }
  // Growing fills with null pointers; shrinking deletes the surplus items.
  void SetCount(int NewCount);
  void* Items(int Index) const;
  void SetItems(int Index, void* Item);
  void* operator[](int Index) const { return Items(Index); }
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }

  int Add(void* Item);
  void Insert(int Index, void* Item);
  void Delete(int Index);
  // Removes the first occurrence; its former index or -1.
  int Remove(void* Item);
  // Takes the item out without the delete notice (an owning list does not
  // free it); the item or nullptr.
  void* Extract(void* Item);
  int IndexOf(void* Item) const;
  void Exchange(int Index1, int Index2);
  void Move(int CurIndex, int NewIndex);
  virtual void Clear();
  // Compare returns <0, 0 or >0; equal items keep their order.
  void Sort(const std::function<int(void*, void*)>& Compare);
  // Drops null pointers.
  void Pack();
  int Capacity() const { return static_cast<int>(items_.capacity()); }
  void SetCapacity(int NewCapacity);

 protected:
  // Told after an item was added and before one is deleted or extracted.
  virtual void Notify(void* Ptr, TListNotification Action);
  [[noreturn]] static void IndexError(int Index);
  void CheckIndex(int Index) const;
  // The items themselves, for a subclass that rearranges many at once
  // without a notice for each.
  std::vector<void*>& Slots() { return items_; }

 private:
  std::vector<void*> items_;
};

class TObjectList : public TList {
 public:
  explicit TObjectList(bool AOwnsObjects = true) : ownsObjects_(AOwnsObjects) {}
  ~TObjectList() override;

  TObject* Items(int Index) const { return static_cast<TObject*>(TList::Items(Index)); }
  void SetItems(int Index, TObject* AObject) { TList::SetItems(Index, AObject); }
  TObject* operator[](int Index) const { return Items(Index); }
  int Add(TObject* AObject) { return TList::Add(AObject); }
  void Insert(int Index, TObject* AObject) { TList::Insert(Index, AObject); }
  int Remove(TObject* AObject) { return TList::Remove(AObject); }
  TObject* Extract(TObject* AObject) { return static_cast<TObject*>(TList::Extract(AObject)); }
  int IndexOf(TObject* AObject) const { return TList::IndexOf(AObject); }
  bool OwnsObjects() const { return ownsObjects_; }
  void SetOwnsObjects(bool Value) { ownsObjects_ = Value; }

 protected:
  void Notify(void* Ptr, TListNotification Action) override;

 private:
  bool ownsObjects_;
};
