#pragma once
// The object model under every component: TObject, TPersistent with Assign,
// and TComponent with its owner, owned components, name and removal notices.
//
// Ownership follows the platform: a component created with an owner is freed
// by that owner; freeing a component first removes it from its owner and
// tells every component that asked for a free notice.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "framework/rtl/Set.h"
#include "framework/rtl/SysUtils.h"

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  // The class name as the platform reports it ("TForm"); the default comes
  // from the C++ type, which carries the same name.
  virtual std::string ClassName() const;
};

// The C++ name of a type as ClassName reports it: demangled, without its
// namespaces.
const std::string& ClassNameOf(const std::type_info& Type);

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
 public:
  // Copies the source's state; a class that cannot take the source asks the
  // source to AssignTo it, and raises EConvertError when neither can.
  virtual void Assign(TPersistent* Source);

 protected:
  virtual void AssignTo(TPersistent* Dest);
  // The owner in the persistence tree (a sub-object's component), if any.
  virtual TPersistent* GetOwner() { return nullptr; }
};

enum TComponentStateItem {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance,
};
using TComponentState = TSet<TComponentStateItem>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Names must be unique among the owner's components (case-insensitive) and
  // be identifiers or empty; EComponentError otherwise.
  virtual void SetName(const std::string& NewName);
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t t) { tag_ = t; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int Index) const;
  int ComponentIndex() const;
  TComponent* FindComponent(const std::string& AName) const;

  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // Frees every owned component, last created first.
  void DestroyComponents();

  const TComponentState& ComponentState() const { return state_; }
  // Sets or clears csLoading/csReading/... (used by the layout readers).
  void SetComponentStateFlag(TComponentStateItem flag, bool on);

  // Asks for a removal notice when AComponent is freed (both ways).
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Runs after a stored layout has been applied to the component.
  virtual void Loaded();
  // Called by the layout reader before it reads this component's properties
  // and children, and once they are read and its class's AfterReading step
  // has run (or the read failed and is rolled back).
  virtual void BeginLoading() { SetComponentStateFlag(csLoading, true); }
  virtual void EndReading() {}

 protected:
  // Tells this component that AComponent was inserted into or removed from
  // its owner, or freed while this one held a reference to it.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  virtual void ValidateRename(TComponent* AComponent, const std::string& CurName,
                              const std::string& NewName);
  void SetOwnerDirect(TComponent* o) { owner_ = o; }
  TPersistent* GetOwner() override { return owner_; }

 private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void IndexName(TComponent* AComponent);
  void UnindexName(TComponent* AComponent);

  TComponent* owner_ = nullptr;
  std::string name_;
  intptr_t tag_ = 0;
  std::vector<TComponent*> components_;
  // The named components by name, made once an owner has many (a form's
  // layout names hundreds, and each new name is checked against the others).
  struct TNameIndex;
  std::unique_ptr<TNameIndex> names_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
};

// True when Name is a valid identifier (letter or underscore, then letters,
// digits or underscores), as component names must be.
bool IsValidIdent(const std::string& Name);
