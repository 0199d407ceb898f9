#include "framework/controls/Menus.h"

#include "framework/controls/Forms.h"

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

TPopupMenu::~TPopupMenu() { Clear(); }

TMenuItem* TPopupMenu::Add(const std::string& Caption, TNotifyEvent OnClick) {
  auto* item = new TMenuItem(nullptr);
  item->SetCaption(Caption);
  item->OnClick = std::move(OnClick);
  items_.push_back(item);
  return item;
}

void TPopupMenu::Clear() {
  for (TMenuItem* i : items_) delete i;
  items_.clear();
}

void TPopupMenu::Popup(int X, int Y) {
  popupPoint_ = TPoint(X, Y);
  if (OnPopup) OnPopup(this);
  std::vector<TPopupMenuEntry> entries;
  std::vector<TMenuItem*> shown;
  for (TMenuItem* i : items_) {
    if (!i->Visible()) continue;
    entries.push_back(TPopupMenuEntry{i->Caption(), i->Checked(), i->Enabled(), i->IsLine()});
    shown.push_back(i);
  }
  if (entries.empty()) return;
  int chosen = InteractionHook()->PopupMenu(entries, popupPoint_);
  if (chosen >= 0 && chosen < static_cast<int>(shown.size()) && shown[static_cast<size_t>(chosen)]->Enabled())
    shown[static_cast<size_t>(chosen)]->Click();
}
