#include "controls/dropdown/VevImagePickerDropDown.h"

#include <algorithm>

#include "framework/controls/ExtCtrls.h"
#include "framework/graphics/ImgList.h"
#include "framework/os/Files.h"

// ---- Items ----

TImageItem::TImageItem(TCollection* Collection)
    : TCollectionItem(Collection), image_(std::make_unique<TPicture>()) {}
TImageItem::~TImageItem() = default;

void TImageItem::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  Changed(false);
}
void TImageItem::SetImageIndex(int Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  Changed(false);
}
void TImageItem::SetImage(TPicture* Value) { image_->Assign(Value); }
void TImageItem::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TImageItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(s->caption_);
  SetImageIndex(s->imageIndex_);
  image_->Assign(s->image_.get());
  enabled_ = s->enabled_;
  hint_ = s->hint_;
}

TImageItems::TImageItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TImageItem>()) {}

void TImageItems::Update(TCollectionItem* Item) {
  TOwnedCollection::Update(Item);
  if (Item != nullptr && OnChange) OnChange(this);
}

// ---- The drop-down ----

TVevImagePickerDropDown::TVevImagePickerDropDown(TComponent* AOwner)
    : TVevUrizazEvuvUduz(AOwner),
      items_(std::make_unique<TImageItems>(this)),
      itemAppearance_(std::make_unique<TItemAppearance>(this)) {
  items_->OnChange = [](TObject*) {};
  typeAheadTimer_ = new TTimer(this);
  typeAheadTimer_->SetEnabled(false);
  typeAheadTimer_->SetInterval(500);
  typeAheadTimer_->OnTimer = [this](TObject*) {
    typeAheadTimer_->SetEnabled(false);
    typeAhead_.clear();
  };
  SetAutoSize(false);
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  SetCursor(crArrow);
}

TVevImagePickerDropDown::~TVevImagePickerDropDown() {
  if (typeAheadTimer_ != nullptr) typeAheadTimer_->SetEnabled(false);
}

void TVevImagePickerDropDown::Internal(const std::function<void()>& F) {
  const bool was = internalSelect_;
  internalSelect_ = true;
  F();
  internalSelect_ = was;
}

void TVevImagePickerDropDown::SetItemIndex(int Value) {
  if (Value == itemIndex_ || Value >= items_->Count()) return;
  itemIndex_ = Value;
  Invalidate();
  Change();
  if (OnSelect) OnSelect(this);
}

int TVevImagePickerDropDown::ImageIndex() const {
  if (itemIndex_ < 0) return -1;
  return items_->Items(itemIndex_)->ImageIndex();
}

void TVevImagePickerDropDown::SetImageIndex(int Value) {
  for (int i = 0; i < items_->Count(); ++i)
    if (items_->Items(i)->ImageIndex() == Value) {
      SetItemIndex(i);
      return;
    }
  SetItemIndex(-1);
}

void TVevImagePickerDropDown::SelectFirst() {
  if (items_->Count() > 0) SetItemIndex(0);
}
void TVevImagePickerDropDown::SelectLast() {
  if (items_->Count() > 0) SetItemIndex(items_->Count() - 1);
}
void TVevImagePickerDropDown::SelectNext() {
  if (itemIndex_ < 0) {
    if (items_->Count() > 0) SetItemIndex(0);
  } else if (itemIndex_ < items_->Count() - 1) {
    SetItemIndex(itemIndex_ + 1);
  }
}
void TVevImagePickerDropDown::SelectPrevious() {
  if (itemIndex_ < 0) {
    if (items_->Count() > 0) SetItemIndex(0);
  } else if (itemIndex_ > 0) {
    SetItemIndex(itemIndex_ - 1);
  }
}

void TVevImagePickerDropDown::AddImagesFromFolder(const std::string& AFolder, bool SetImageCaption) {
  const std::string folder = ExtractFilePath(AFolder);
  const std::string mask = ExtractFileName(AFolder);
  for (const TSearchRec& r : FindFiles(folder.empty() ? "." : folder, mask, ffAllEntries, true)) {
    TImageItem* it = items_->Add();
    try {
      it->Image()->LoadFromFile(folder + r.Name);
      if (SetImageCaption) it->SetCaption(r.Name);
    } catch (const std::exception&) {
      // Not a picture (or a folder): the item stays, with no picture.
      it->Image()->SetGraphic(nullptr);
    }
  }
}

void TVevImagePickerDropDown::AddImagesFromImageList() {
  if (Images() == nullptr) return;
  for (int i = 0; i < Images()->Count(); ++i) items_->Add()->SetImageIndex(i);
}

void TVevImagePickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Style) {
  TVevUrizazEvuvUduz::SetSelectionColorStyle(Style);
  if (selector_ != nullptr) selector_->ItemAppearance()->SetColorStyle(Style);
}

void TVevImagePickerDropDown::SetComponentStyle(TVyxStyle AStyle) {
  TVevUrizazEvuvUduz::SetComponentStyle(AStyle);
  if (itemAppearance_) SetItemAppearanceStyle(itemAppearance_.get(), AStyle);
}

// ---- Pop-up ----

void TVevImagePickerDropDown::CreateDropDownForm() {
  TVevUrizazEvuvUduz::CreateDropDownForm();
  if (selector_ == nullptr) {
    selector_ = new TVevCustomItemSelector(this);
    selector_->SetParent(DropDownForm());
    selector_->SetSelectorType(stImage);
    selector_->SetBounds(0, 0, selector_->Width(), 150);
  }
  selector_->SetColor(DropDownColor());
  selector_->UpdateSelectorPanel();
  SetControl(selector_);
}

void TVevImagePickerDropDown::FillSelector() {
  if (selector_ == nullptr) return;
  selector_->OnItemSelect = nullptr;
  selector_->SetColumns(columns_);
  selector_->SetImages(Images());
  selector_->SetItemLayout(layout_);
  selector_->SetColor(DropDownColor());
  selector_->SetItemAppearance(itemAppearance_.get());
  selector_->Items()->Clear();
  for (int i = 0; i < items_->Count(); ++i) {
    TSelectorItem* s = selector_->Items()->Add();
    s->SetCaption(items_->Items(i)->Caption());
    s->SetImage(items_->Items(i)->Image());
    s->SetImageIndex(items_->Items(i)->ImageIndex());
    s->SetHint(items_->Items(i)->Hint());
  }
  selector_->UpdateSelectorPanel();
  selector_->SetItemIndex(itemIndex_);
  selector_->OnItemSelect = [this](TObject* s) { SelectorItemSelect(s); };
  selector_->SetShowHint(ShowHint());
}

void TVevImagePickerDropDown::BeforeDropDown() {
  TVevUrizazEvuvUduz::BeforeDropDown();
  FillSelector();
  if (selector_ != nullptr) {
    if (OnDrawItem)
      selector_->OnDrawItem = [this](TObject*, TCanvas* C, const TRect& R, int I) {
        if (OnDrawItem) OnDrawItem(this, C, R, I);
      };
    else
      selector_->OnDrawItem = nullptr;
  }
  indexAtDropDown_ = itemIndex_;
}

void TVevImagePickerDropDown::UpdateDropDownSize() {
  if (selector_ == nullptr) {
    TVevUrizazEvuvUduz::UpdateDropDownSize();
    return;
  }
  selector_->SetAlign(alNone);
  TSize s;
  selector_->GetSelectorSize(s);
  if (DropDownWidth() < 1) selector_->SetWidth(s.cx);
  if (DropDownHeight() < 1) selector_->SetHeight(s.cy);
  TVevUrizazEvuvUduz::UpdateDropDownSize();
  if (selector_->VertScrollBar()->IsScrollBarVisible() && DropDownForm() != nullptr)
    DropDownForm()->SetWidth(DropDownForm()->Width() + GetSystemMetrics(SM_CXVSCROLL));
}

void TVevImagePickerDropDown::HideDropDownEx(bool Cancel) {
  TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
  if (Cancel) SetItemIndex(indexAtDropDown_);
}

void TVevImagePickerDropDown::SelectorItemSelect(TObject*) {
  SetItemIndex(selector_->ItemIndex());
  if (!internalSelect_) HideDropDownEx(false);
}

// ---- The chosen image in the edit part ----

void TVevImagePickerDropDown::DrawChosenImage(TCanvas* C) {
  const TRect e = GetEditRect();
  const TRect r = e.Right > e.Left ? e : TRect(1, 1, Width() - DropDownButtonWidth() - 2, Height() - 2);
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, C, r);
    return;
  }
  if (itemIndex_ < 0 || itemIndex_ >= items_->Count()) return;
  TImageItem* it = items_->Items(itemIndex_);
  const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
  if (it->Image()->Graphic() != nullptr && !it->Image()->Graphic()->Empty()) {
    C->Draw(cx - it->Image()->Width() / 2, cy - it->Image()->Height() / 2, it->Image()->Graphic());
  } else if (Images() != nullptr && it->ImageIndex() >= 0) {
    Images()->Draw(C, cx - Images()->Width() / 2, cy - Images()->Height() / 2, it->ImageIndex(), true);
  }
}

void TVevImagePickerDropDown::PaintWindow(TCanvas* DC) {
  TVevUrizazEvuvUduz::PaintWindow(DC);
  const TRect ins = NonClientInsets();
  const int saved = DC->SaveDC();
  const TPoint org = DC->WindowOrg();
  DC->SetWindowOrg(TPoint(org.X + ins.Left, org.Y + ins.Top));
  DrawChosenImage(DC);
  DC->RestoreDC(saved);
}

// ---- Keys and wheel ----

void TVevImagePickerDropDown::MoveSelector(int Index) {
  if (selector_ == nullptr || Index < 0 || Index >= selector_->Items()->Count()) return;
  Internal([&] { selector_->SetItemIndex(Index); });
  selector_->ScrollItemInView(Index);
}

void TVevImagePickerDropDown::NavigationKey(WORD Key, bool ReturnUsed) {
  const bool open = DroppedDown() && selector_ != nullptr;
  switch (Key) {
    case VK_RETURN:
      if (!ReturnUsed && OnSelect) OnSelect(this);
      break;
    case VK_PRIOR:
    case VK_NEXT: {
      if (selector_ == nullptr) break;
      if (selector_->Items()->Count() != items_->Count()) FillSelector();
      const int v = std::max(1, selector_->GetVisibleItemCount());
      const int cur = selector_->ItemIndex();
      int i = Key == VK_PRIOR ? cur - v : cur + v;
      if (Key == VK_PRIOR && i < 1) i = 0;
      if (Key == VK_NEXT) i = std::min(i, selector_->Items()->Count() - 1);
      MoveSelector(i);
      break;
    }
    case VK_END:
      if (open)
        Internal([&] { selector_->SelectLast(); });
      else
        SelectLast();
      break;
    case VK_HOME:
      if (open)
        Internal([&] { selector_->SelectFirst(); });
      else
        SelectFirst();
      break;
    case VK_LEFT:
    case VK_RIGHT:
      if (open && !EditorEnabled())
        Internal([&] { Key == VK_LEFT ? selector_->SelectPrevious() : selector_->SelectNext(); });
      break;
    case VK_UP:
    case VK_DOWN:
      if (open) {
        const int cur = selector_->ItemIndex();
        const int i = cur < 0 ? 0 : cur + (Key == VK_UP ? -columns_ : columns_);
        MoveSelector(i);
      } else {
        Key == VK_UP ? SelectPrevious() : SelectNext();
      }
      break;
    default:
      if (GetKeyState(VK_CONTROL) < 0 || selector_ == nullptr) break;
      if ((Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9')) {
        typeAhead_ += static_cast<char>(Key);
        Internal([&] { selector_->LookupItem(typeAhead_); });
        if (!typeAheadTimer_->Enabled()) typeAheadTimer_->SetEnabled(true);
      }
      break;
  }
}

void TVevImagePickerDropDown::WndProc(TMessage& Message) {
  if (Message.Msg != WM_KEYDOWN) {
    TVevUrizazEvuvUduz::WndProc(Message);
    return;
  }
  const WORD key = static_cast<WORD>(Message.WParam);
  bool used = false;
  if (Enabled() && DroppedDown() && key == VK_RETURN && selector_ != nullptr && selector_->ItemHot() >= 0) {
    selector_->SetItemIndex(selector_->ItemHot());
    used = true;
  }
  if (!used) TVevUrizazEvuvUduz::WndProc(Message);
  if (Enabled() && GetKeyState(VK_MENU) >= 0) NavigationKey(key, used);
}

void TVevImagePickerDropDown::DoWheelDown() {
  TVevUrizazEvuvUduz::DoWheelDown();
  if (!Enabled() || ReadOnly() || selector_ == nullptr) return;
  if (DroppedDown())
    selector_->HotNext();
  else
    Internal([&] { selector_->SelectNext(); });
}

void TVevImagePickerDropDown::DoWheelUp() {
  TVevUrizazEvuvUduz::DoWheelUp();
  if (!Enabled() || ReadOnly() || selector_ == nullptr) return;
  if (DroppedDown())
    selector_->HotPrevious();
  else
    Internal([&] { selector_->SelectPrevious(); });
}
