#include "framework/controls/ActnList.h"

#include <algorithm>

#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Published.h"
#include "framework/graphics/ImgList.h"

// ---- TBasicAction ----

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  // The links stay with their controls, now without an action.
  for (TBasicActionLink* l : clients_) l->action_ = nullptr;
  clients_.clear();
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value) {
  if (Value != nullptr && std::find(clients_.begin(), clients_.end(), Value) == clients_.end())
    clients_.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value) {
  clients_.erase(std::remove(clients_.begin(), clients_.end(), Value), clients_.end());
}

void TBasicAction::Change() {
  if (OnChange) OnChange(this);
  // A client may drop its link while it hears of the change.
  const std::vector<TBasicActionLink*> links = clients_;
  for (TBasicActionLink* l : links)
    if (std::find(clients_.begin(), clients_.end(), l) != clients_.end()) l->Change();
}

// ---- TBasicActionLink ----

TBasicActionLink::~TBasicActionLink() {
  if (action_ != nullptr) action_->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (Value == action_) return;
  if (action_ != nullptr) action_->UnRegisterChanges(this);
  action_ = Value;
  if (action_ != nullptr) action_->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent) {
  if (action_ == nullptr) return false;
  action_->SetActionComponent(AComponent);
  TBasicAction* a = action_;
  const bool ran = a->Execute();
  // The handler may have freed the action.
  if (action_ == a) a->SetActionComponent(nullptr);
  return ran;
}

void TBasicActionLink::Change() {
  if (OnChange) OnChange(action_);
}

// ---- TContainedAction ----

TContainedAction::~TContainedAction() {
  if (actionList_ != nullptr) actionList_->RemoveAction(this);
}

void TContainedAction::SetActionList(TCustomActionList* Value) {
  if (Value == actionList_) return;
  if (actionList_ != nullptr) actionList_->RemoveAction(this);
  if (Value != nullptr) Value->AddAction(this);
}

int TContainedAction::Index() const { return actionList_ != nullptr ? actionList_->IndexOf(this) : -1; }

// ---- TCustomActionList ----

TCustomActionList::~TCustomActionList() {
  for (TContainedAction* a : actions_) a->actionList_ = nullptr;
  actions_.clear();
  SetImages(nullptr);
}

void TCustomActionList::SetImages(TImageList* Value) {
  if (Value == images_) return;
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (images_ != nullptr) images_->FreeNotification(this);
}

TContainedAction* TCustomActionList::Actions(int Index) const {
  return Index >= 0 && Index < ActionCount() ? actions_[static_cast<size_t>(Index)] : nullptr;
}

void TCustomActionList::AddAction(TContainedAction* Action) {
  if (Action == nullptr || Action->actionList_ == this) return;
  if (Action->actionList_ != nullptr) Action->actionList_->RemoveAction(Action);
  actions_.push_back(Action);
  Action->actionList_ = this;
}

void TCustomActionList::RemoveAction(TContainedAction* Action) {
  if (Action == nullptr || Action->actionList_ != this) return;
  actions_.erase(std::remove(actions_.begin(), actions_.end(), Action), actions_.end());
  Action->actionList_ = nullptr;
}

int TCustomActionList::IndexOf(const TContainedAction* Action) const {
  auto it = std::find(actions_.begin(), actions_.end(), Action);
  return it == actions_.end() ? -1 : static_cast<int>(it - actions_.begin());
}

void TCustomActionList::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == images_) images_ = nullptr;
}

// ---- TCustomAction ----

bool TCustomAction::Execute() { return enabled_ && TContainedAction::Execute(); }

void TCustomAction::SetCaption(const std::string& Value) {
  if (Value == caption_) return;
  caption_ = Value;
  Change();
}

void TCustomAction::SetChecked(bool Value) {
  if (Value == checked_) return;
  checked_ = Value;
  Change();
}

void TCustomAction::SetEnabled(bool Value) {
  if (Value == enabled_) return;
  enabled_ = Value;
  Change();
}

void TCustomAction::SetHint(const std::string& Value) {
  if (Value == hint_) return;
  hint_ = Value;
  Change();
}

void TCustomAction::SetImageIndex(int Value) {
  if (Value == imageIndex_) return;
  imageIndex_ = Value;
  Change();
}

void TCustomAction::SetVisible(bool Value) {
  if (Value == visible_) return;
  visible_ = Value;
  Change();
}

// ---- Controls ----

void ControlActionChange(TControl* Control, TObject* Sender, bool CheckDefaults) {
  auto* a = dynamic_cast<TCustomAction*>(Sender);
  if (Control == nullptr || a == nullptr) return;
  if (!CheckDefaults || Control->Caption().empty()) Control->SetCaption(a->Caption());
  if (!CheckDefaults || Control->Enabled()) Control->SetEnabled(a->Enabled());
  if (!CheckDefaults || Control->Hint().empty()) Control->SetHint(a->Hint());
  if (!CheckDefaults || Control->Visible()) Control->SetVisible(a->Visible());
}

// ---- Stored layouts ----

CF_PUBLISH(TCustomActionList, TComponent) {
  using C = TCustomActionList;
  P.Component("Images", &C::Images, &C::SetImages);
}

CF_PUBLISH(TActionList, TCustomActionList) {}

CF_PUBLISH(TCustomAction, TComponent) {
  using C = TCustomAction;
  P.String("Caption", &C::Caption, &C::SetCaption);
  P.Bool("Checked", &C::Checked, &C::SetChecked).Default(false);
  P.Bool("Enabled", &C::Enabled, &C::SetEnabled).Default(true);
  P.String("Hint", &C::Hint, &C::SetHint);
  P.Integer("ImageIndex", &C::ImageIndex, &C::SetImageIndex).Default(-1);
  P.Bool("Visible", &C::Visible, &C::SetVisible).Default(true);
  P.Event(
      "OnExecute", [](C* c) -> const TNotifyEvent& { return c->OnExecute; },
      [](C* c, const TNotifyEvent& e) { c->OnExecute = e; });
}

CF_PUBLISH(TAction, TCustomAction) {}

void RegisterActionClasses() {
  static const bool done = [] {
    RegisterClass<TActionList>();
    RegisterClass<TAction>();
    return true;
  }();
  (void)done;
}
