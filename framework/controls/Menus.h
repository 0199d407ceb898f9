#pragma once
// Pop-up menus: a list of items shown at a screen point. Which item the user
// picks comes from the interaction hook (a real menu in the program, the
// responder's answer in tests); the picked item's OnClick runs.
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Classes.h"
#include "framework/graphics/Types.h"

class TPopupMenu;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { caption_ = Value; }
  bool Checked() const { return checked_; }
  void SetChecked(bool Value) { checked_ = Value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value) { enabled_ = Value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool Value) { visible_ = Value; }
  // "-" is a separator line.
  bool IsLine() const { return caption_ == "-"; }
  virtual void Click();
  TNotifyEvent OnClick;

 private:
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
};

class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner) : TComponent(AOwner) {}
  ~TPopupMenu() override;
  // Adds an item owned by the menu.
  TMenuItem* Add(const std::string& Caption, TNotifyEvent OnClick = nullptr);
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int Index) const { return items_.at(static_cast<size_t>(Index)); }
  void Clear();
  // Fires OnPopup, shows the menu at the screen point and runs the picked
  // item's click.
  virtual void Popup(int X, int Y);
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* Value) { popupComponent_ = Value; }
  TPoint PopupPoint() const { return popupPoint_; }
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool Value) { autoPopup_ = Value; }
  TNotifyEvent OnPopup;

 private:
  std::vector<TMenuItem*> items_;
  TComponent* popupComponent_ = nullptr;
  TPoint popupPoint_;
  bool autoPopup_ = true;
};
