#include "framework/classes/Classes.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>

#include "framework/rtl/StrUtils.h"

namespace {
bool SameTextAscii(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}
}  // namespace

const std::string& ClassNameOf(const std::type_info& Type) {
  // Demangling costs thousands of instructions and layouts ask for class
  // names of every control many times over: each type is demangled once.
  static std::mutex lock;
  static std::unordered_map<std::type_index, std::string> names;
  std::lock_guard<std::mutex> guard(lock);
  auto [it, added] = names.try_emplace(std::type_index(Type));
  if (added) {
    const char* mangled = Type.name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    // Drop a namespace prefix: the platform reports the bare class name.
    auto pos = name.rfind("::");
    it->second = pos == std::string::npos ? name : name.substr(pos + 2);
  }
  // Elements of an unordered_map stay where they are when it grows.
  return it->second;
}

std::string TObject::ClassName() const { return ClassNameOf(typeid(*this)); }

void TPersistent::Assign(TPersistent* Source) {
  if (Source != nullptr) {
    Source->AssignTo(this);
    return;
  }
  AssignTo(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) {
  std::string src = ClassName();
  std::string dst = Dest ? Dest->ClassName() : "nil";
  throw EConvertError("Cannot assign a " + src + " to a " + dst);
}

bool IsValidIdent(const std::string& Name) {
  if (Name.empty()) return false;
  auto alpha = [](unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (!alpha(Name[0])) return false;
  return std::all_of(Name.begin() + 1, Name.end(),
                     [&](unsigned char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

struct TComponent::TNameIndex {
  // Keys view the components' own names; an entry leaves before its name
  // changes or its component leaves.
  std::unordered_map<std::string_view, TComponent*, TTextHash, TTextEqual> ByName;
};

namespace {
// Owners with fewer components are searched directly.
constexpr size_t kIndexedFrom = 16;
}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  state_ << csDestroying;
  // Tell everyone holding a reference that this component goes away.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    auto& theirs = other->freeNotifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return components_[static_cast<size_t>(Index)];
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  auto& v = owner_->components_;
  auto it = std::find(v.begin(), v.end(), this);
  return it == v.end() ? -1 : static_cast<int>(it - v.begin());
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
  if (AName.empty()) return nullptr;
  if (names_ == nullptr && components_.size() >= kIndexedFrom) {
    auto* self = const_cast<TComponent*>(this);
    self->names_ = std::make_unique<TNameIndex>();
    for (TComponent* c : components_) self->IndexName(c);
  }
  if (names_ != nullptr) {
    auto it = names_->ByName.find(std::string_view(AName));
    return it == names_->ByName.end() ? nullptr : it->second;
  }
  for (TComponent* c : components_)
    if (SameTextAscii(c->name_, AName)) return c;
  return nullptr;
}

void TComponent::IndexName(TComponent* AComponent) {
  if (names_ != nullptr && !AComponent->name_.empty()) names_->ByName.emplace(AComponent->name_, AComponent);
}

void TComponent::UnindexName(TComponent* AComponent) {
  if (names_ == nullptr || AComponent->name_.empty()) return;
  auto it = names_->ByName.find(std::string_view(AComponent->name_));
  if (it != names_->ByName.end() && it->second == AComponent) names_->ByName.erase(it);
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName) {
  if (AComponent != nullptr && !NewName.empty() && !SameTextAscii(CurName, NewName)) {
    TComponent* existing = FindComponent(NewName);
    if (existing != nullptr && existing != AComponent)
      throw EComponentError("A component named " + NewName + " already exists");
  }
}

void TComponent::SetName(const std::string& NewName) {
  if (name_ == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError("''" + NewName + "'' is not a valid component name");
  if (owner_ != nullptr)
    owner_->ValidateRename(this, name_, NewName);
  else
    ValidateRename(nullptr, name_, NewName);
  if (owner_ != nullptr) owner_->UnindexName(this);
  name_ = NewName;
  if (owner_ != nullptr) owner_->IndexName(this);
}

void TComponent::Insert(TComponent* AComponent) {
  components_.push_back(AComponent);
  AComponent->owner_ = this;
  IndexName(AComponent);
}

void TComponent::Remove(TComponent* AComponent) {
  UnindexName(AComponent);
  AComponent->owner_ = nullptr;
  components_.erase(std::remove(components_.begin(), components_.end(), AComponent), components_.end());
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (AComponent->owner_ != nullptr) AComponent->owner_->RemoveComponent(AComponent);
  ValidateRename(AComponent, "", AComponent->name_);
  Insert(AComponent);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* c = components_.back();
    Remove(c);
    delete c;
  }
}

void TComponent::SetComponentStateFlag(TComponentStateItem flag, bool on) {
  if (on)
    state_ << flag;
  else
    state_ >> flag;
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (AComponent == nullptr || AComponent == this) return;
  auto add = [](std::vector<TComponent*>& v, TComponent* c) {
    if (std::find(v.begin(), v.end(), c) == v.end()) v.push_back(c);
  };
  add(freeNotifies_, AComponent);
  add(AComponent->freeNotifies_, this);
  state_ << csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (AComponent == nullptr) return;
  auto drop = [](std::vector<TComponent*>& v, TComponent* c) {
    v.erase(std::remove(v.begin(), v.end(), c), v.end());
  };
  drop(freeNotifies_, AComponent);
  drop(AComponent->freeNotifies_, this);
}

void TComponent::Loaded() { state_ >> csLoading; }

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  // An owner passes removal of a component on to the components it owns, so
  // that references held among siblings are dropped.
  if (Operation == opRemove && AComponent != nullptr)
    for (TComponent* c : components_)
      if (c != AComponent) c->Notification(AComponent, Operation);
}
