#pragma once
// Actions: a command with its caption, hint, enabled, visible and checked
// state, image and OnExecute, kept in one place and shown by every control
// linked to it. A control holds an action link; the action tells its links
// of every change, and the control takes the action's state in its
// ActionChange step. An action list groups actions and gives them images.
#include <string>
#include <vector>

#include "framework/classes/Classes.h"
#include "framework/controls/Controls.h"

class TBasicActionLink;
class TImageList;

class TBasicAction : public TComponent {
 public:
  explicit TBasicAction(TComponent* AOwner);
  ~TBasicAction() override;

  // Runs OnExecute; false when there is none.
  virtual bool Execute();
  // The control whose link ran the action last.
  TComponent* ActionComponent() const { return actionComponent_; }
  void SetActionComponent(TComponent* Value) { actionComponent_ = Value; }

  // A link hears of every change until it is unregistered.
  void RegisterChanges(TBasicActionLink* Value);
  void UnRegisterChanges(TBasicActionLink* Value);
  int ClientCount() const { return static_cast<int>(clients_.size()); }

  TNotifyEvent OnExecute;
  TNotifyEvent OnChange;

 protected:
  // Tells OnChange and every registered link.
  virtual void Change();

 private:
  std::vector<TBasicActionLink*> clients_;
  TComponent* actionComponent_ = nullptr;
};

// The tie between a client (a control) and an action; the action may be
// freed first, which leaves the link without one.
class TBasicActionLink : public TObject {
 public:
  explicit TBasicActionLink(TObject* AClient) : client_(AClient) {}
  ~TBasicActionLink() override;

  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* Value);
  TObject* Client() const { return client_; }
  // Runs the action for AComponent; false without an action or when it
  // did not run.
  virtual bool Execute(TComponent* AComponent = nullptr);

  // Fired with the action as Sender when the action changes.
  TNotifyEvent OnChange;

 protected:
  virtual void Change();

 private:
  friend class TBasicAction;
  TObject* client_;
  TBasicAction* action_ = nullptr;
};

class TCustomActionList;

class TContainedAction : public TBasicAction {
 public:
  explicit TContainedAction(TComponent* AOwner) : TBasicAction(AOwner) {}
  ~TContainedAction() override;

  TCustomActionList* ActionList() const { return actionList_; }
  void SetActionList(TCustomActionList* Value);
  const std::string& Category() const { return category_; }
  void SetCategory(const std::string& Value) { category_ = Value; }
  // The position in its list, -1 without one.
  int Index() const;

 private:
  friend class TCustomActionList;
  TCustomActionList* actionList_ = nullptr;
  std::string category_;
};

class TCustomActionList : public TComponent {
 public:
  explicit TCustomActionList(TComponent* AOwner) : TComponent(AOwner) {}
  ~TCustomActionList() override;

  TImageList* Images() const { return images_; }
  void SetImages(TImageList* Value);
  int ActionCount() const { return static_cast<int>(actions_.size()); }
  TContainedAction* Actions(int Index) const;
  void AddAction(TContainedAction* Action);
  void RemoveAction(TContainedAction* Action);
  int IndexOf(const TContainedAction* Action) const;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  std::vector<TContainedAction*> actions_;
  TImageList* images_ = nullptr;
};

class TActionList : public TCustomActionList {
 public:
  using TCustomActionList::TCustomActionList;
};

class TCustomAction : public TContainedAction {
 public:
  explicit TCustomAction(TComponent* AOwner) : TContainedAction(AOwner) {}

  // Runs OnExecute only while enabled.
  bool Execute() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value);
  bool Checked() const { return checked_; }
  void SetChecked(bool Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value);
  bool Visible() const { return visible_; }
  void SetVisible(bool Value);

 private:
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  std::string hint_;
  int imageIndex_ = -1;
  bool visible_ = true;
};

class TAction : public TCustomAction {
 public:
  using TCustomAction::TCustomAction;
};

// The link of a control: runs the action with the control as its
// component, and tells the control of changes through OnChange.
class TControlActionLink : public TBasicActionLink {
 public:
  explicit TControlActionLink(TControl* AClient) : TBasicActionLink(AClient), control_(AClient) {}
  TControl* Control() const { return control_; }

 private:
  TControl* control_;
};

// A control's own part of an action change: caption, enabled, hint and
// visible from a TCustomAction Sender. With CheckDefaults (a stored layout
// being read) only values the control still has at their defaults change.
void ControlActionChange(TControl* Control, TObject* Sender, bool CheckDefaults);
