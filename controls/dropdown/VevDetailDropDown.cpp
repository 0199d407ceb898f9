#include "controls/dropdown/VevDetailDropDown.h"

#include <algorithm>

#include "framework/controls/ExtCtrls.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevDropDownUtil.h"

namespace {
int Len(const std::string& S) { return static_cast<int>(Utf8ToUtf32(S).size()); }
std::string Head(const std::string& S, int N) {
  const std::u32string u = Utf8ToUtf32(S);
  return Utf32ToUtf8(u.substr(0, static_cast<size_t>(std::clamp(N, 0, static_cast<int>(u.size())))));
}
std::string Tail(const std::string& S, int From, int Max) {
  const std::u32string u = Utf8ToUtf32(S);
  if (From >= static_cast<int>(u.size())) return "";
  return Utf32ToUtf8(u.substr(static_cast<size_t>(From), static_cast<size_t>(Max)));
}
}  // namespace

// ---- Items ----

TDetailItem::TDetailItem(TCollection* Collection)
    : TCollectionItem(Collection), image_(std::make_unique<TPicture>()) {}
TDetailItem::~TDetailItem() = default;

void TDetailItem::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  Changed(false);
}
void TDetailItem::SetImageIndex(int Value) {
  imageIndex_ = Value;
  Changed(false);
}
void TDetailItem::SetImage(TPicture* Value) { image_->Assign(Value); }
void TDetailItem::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TDetailItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(s->caption_);
  SetImageIndex(s->imageIndex_);
  image_->Assign(s->image_.get());
  enabled_ = s->enabled_;
  notes_ = s->notes_;
  tag_ = s->tag_;
  itemObject_ = s->itemObject_;
}

TDetailItems::TDetailItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TDetailItem>()) {}

int TDetailItems::IndexOf(const std::string& AValue) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Caption() == AValue) return i;
  return -1;
}

void TDetailItems::Update(TCollectionItem* Item) {
  TOwnedCollection::Update(Item);
  if (Item != nullptr && OnChange) OnChange(this);
}

// ---- The drop-down ----

TVevDetailDropDown::TVevDetailDropDown(TComponent* AOwner)
    : TVevUrizazEvuvUduz(AOwner),
      items_(std::make_unique<TDetailItems>(this)),
      itemAppearance_(std::make_unique<TItemAppearance>(this)),
      captionFont_(std::make_unique<TFont>()),
      notesFont_(std::make_unique<TFont>()) {
  items_->OnChange = [](TObject*) {};
  typeAheadTimer_ = new TTimer(this);
  typeAheadTimer_->SetEnabled(false);
  typeAheadTimer_->SetInterval(500);
  typeAheadTimer_->OnTimer = [this](TObject*) {
    typeAheadTimer_->SetEnabled(false);
    typeAhead_.clear();
  };
  captionFont_->Assign(Font());
  notesFont_->Assign(Font());
  SetAutoSize(false);
  SetEditorEnabled(true);
  SetDropDownEnabled(true);
}

TVevDetailDropDown::~TVevDetailDropDown() {
  if (typeAheadTimer_ != nullptr) typeAheadTimer_->SetEnabled(false);
}

void TVevDetailDropDown::SetCaptionFont(TFont* Value) { captionFont_->Assign(Value); }
void TVevDetailDropDown::SetNotesFont(TFont* Value) { notesFont_->Assign(Value); }

void TVevDetailDropDown::Internal(const std::function<void()>& F) {
  const bool was = internalSelect_;
  internalSelect_ = true;
  F();
  internalSelect_ = was;
}

void TVevDetailDropDown::SetItemIndex(int Value) {
  if (Value != itemIndex_ && Value >= 0 && Value < items_->Count()) {
    itemIndex_ = Value;
    SetText(items_->Items(Value)->Caption());
    SelectAll();
    Invalidate();
    if (selector_ != nullptr) selector_->Invalidate();
    if (OnSelect) OnSelect(this);
  } else if (Value == -1 && itemIndex_ != -1) {
    SetText("");
    itemIndex_ = -1;
  }
}

void TVevDetailDropDown::SelectFirst() {
  if (items_->Count() > 0) SetItemIndex(0);
}
void TVevDetailDropDown::SelectLast() {
  if (items_->Count() > 0) SetItemIndex(items_->Count() - 1);
}
void TVevDetailDropDown::SelectNext() {
  if (itemIndex_ < 0)
    SetItemIndex(0);
  else if (itemIndex_ < items_->Count() - 1)
    SetItemIndex(itemIndex_ + 1);
}
void TVevDetailDropDown::SelectPrevious() {
  if (itemIndex_ < 0)
    SetItemIndex(0);
  else if (itemIndex_ > 0)
    SetItemIndex(itemIndex_ - 1);
}

void TVevDetailDropDown::SetSelectionColorStyle(TSelectionColorStyle Style) {
  TVevUrizazEvuvUduz::SetSelectionColorStyle(Style);
  if (selector_ != nullptr) selector_->ItemAppearance()->SetColorStyle(Style);
}

void TVevDetailDropDown::SetComponentStyle(TVyxStyle AStyle) {
  TVevUrizazEvuvUduz::SetComponentStyle(AStyle);
  if (itemAppearance_) SetItemAppearanceStyle(itemAppearance_.get(), AStyle);
}

// ---- Pop-up ----

void TVevDetailDropDown::CreateDropDownForm() {
  TVevUrizazEvuvUduz::CreateDropDownForm();
  if (selector_ == nullptr) {
    selector_ = new TVevCustomItemSelector(this);
    selector_->SetParent(DropDownForm());
    selector_->SetSelectorType(stImage);
    selector_->SetBounds(0, 0, selector_->Width(), 150);
    selector_->SetDoubleBuffered(true);
    selector_->OnDrawItem = [this](TObject*, TCanvas* C, const TRect& R, int I) { DrawRow(C, R, I); };
    selector_->OnItemSize = [this](TObject*, TSize& S) { RowSize(S); };
    selector_->OnResize = [this](TObject*) { selector_->UpdateSelectorPanel(); };
    selector_->UpdateSelectorPanel();
  }
  selector_->SetColor(DropDownColor());
  selector_->UpdateSelectorPanel();
  SetControl(selector_);
}

void TVevDetailDropDown::FillSelector() {
  if (selector_ == nullptr) return;
  selector_->OnItemSelect = nullptr;
  selector_->SetColumns(1);
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
  }
  selector_->UpdateSelectorPanel();
  selector_->SetItemIndex(itemIndex_);
  selector_->OnItemSelect = [this](TObject* s) { SelectorItemSelect(s); };
}

void TVevDetailDropDown::BeforeDropDown() {
  TVevUrizazEvuvUduz::BeforeDropDown();
  FillSelector();
  indexAtDropDown_ = itemIndex_;
}

void TVevDetailDropDown::DoShowDropDown() {
  TVevUrizazEvuvUduz::DoShowDropDown();
  if (selector_ != nullptr && DroppedDown() && selector_->CanFocus()) selector_->SetFocus();
}

void TVevDetailDropDown::UpdateDropDownSize() {
  if (selector_ != nullptr) {
    selector_->SetAlign(alNone);
    if (DropDownWidth() <= 0) selector_->SetWidth(Width());
    if (DropDownHeight() <= 0) selector_->SetHeight(100);
  }
  TVevUrizazEvuvUduz::UpdateDropDownSize();
}

void TVevDetailDropDown::DropDownSizing(TObject* Sender) {
  TVevUrizazEvuvUduz::DropDownSizing(Sender);
  if (selector_ != nullptr) selector_->UpdateSelectorPanel();
}

void TVevDetailDropDown::HideDropDownEx(bool Cancel) {
  TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
  if (Cancel && indexAtDropDown_ != -1) SetItemIndex(indexAtDropDown_);
}

void TVevDetailDropDown::SelectorItemSelect(TObject*) {
  const int i = selector_->ItemIndex();
  SetItemIndex(i);
  if (i >= 0 && i < items_->Count()) {
    SetText(items_->Items(i)->Caption());
    SelectAll();
  }
  if (!internalSelect_) HideDropDownEx(false);
}

void TVevDetailDropDown::RowSize(TSize& Size) {
  Size.cy = itemHeight_;
  int w = DropDownWidth() > 0         ? DropDownWidth()
          : DropDownForm() != nullptr ? DropDownForm()->Width()
                                      : Width();
  if (selector_ != nullptr && selector_->VertScrollBar()->IsScrollBarVisible())
    w -= GetSystemMetrics(SM_CXVSCROLL);
  Size.cx = w - 2 * GetSystemMetrics(SM_CXBORDER) - 4;
}

void TVevDetailDropDown::DrawRow(TCanvas* C, const TRect& Rect, int Index) {
  TRect R = Rect;
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, C, R);
    return;
  }
  if (Index < 0 || Index >= items_->Count()) return;
  TDetailItem* it = items_->Items(Index);
  const bool picture = it->Image()->Graphic() != nullptr && !it->Image()->Graphic()->Empty();
  int iw = 0, ih = 0;
  if (picture) {
    iw = it->Image()->Width();
    ih = it->Image()->Height();
  } else if (Images() != nullptr && it->ImageIndex() >= 0) {
    iw = Images()->Width();
    ih = Images()->Height();
  }
  if (iw > 0) {
    const int x = !it->Caption().empty() ? R.Left + 2 : R.Left + (R.Right - R.Left - iw) / 2;
    const int y = R.Top + (R.Bottom - R.Top - ih) / 2;
    if (picture) {
      it->Image()->Graphic()->SetTransparent(true);
      C->Draw(x, y, it->Image()->Graphic());
    } else {
      Images()->Draw(C, x, y, it->ImageIndex(), true);
    }
    R.Left += iw + 4;
  }
  const bool hot = selector_ != nullptr && selector_->ItemHot() == Index;
  const bool selected = Index == itemIndex_;
  auto colour = [&](TFont* F) {
    C->Font()->Assign(F);
    if (selected)
      C->Font()->SetColor(itemAppearance_->ColorSelectedText());
    else if (hot)
      C->Font()->SetColor(itemAppearance_->ColorHotText());
  };
  colour(captionFont_.get());
  C->Brush()->SetStyle(bsClear);
  R.Left += 4;
  R.Right -= 4;
  R.Top += 2;
  TRect cr = R;
  DrawText(C, it->Caption(), cr, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (it->Notes().empty()) return;
  R.Top += C->TextHeight("gh");
  colour(notesFont_.get());
  MeasureMarkup(C, it->Notes(), R, 0, true, Images());
}

// ---- Completion ----

void TVevDetailDropDown::Change() {
  TVevUrizazEvuvUduz::Change();
  if (ComponentState().Contains(csDesigning) || !completion_) return;
  const std::string text = Text();
  SetIsModified(!text.empty());
  const int n = SelStart() - static_cast<int>(Utf8ToUtf32(Prefix()).size());
  const std::string typed = Head(text, n);
  // Nothing typed completes nothing (every caption begins with nothing).
  if (typed.empty()) return;
  const std::string key = matchCase_ ? typed : AnsiUpperCase(typed);
  const int kn = Len(key);
  for (int i = 0; i < items_->Count(); ++i) {
    const std::string cap = items_->Items(i)->Caption();
    const std::string c = matchCase_ ? cap : AnsiUpperCase(cap);
    if (Head(c, kn) != key || Len(c) < kn) continue;
    const std::string completed = Head(text, kn) + Tail(cap, kn, 255);
    itemIndex_ = i;
    completion_ = false;  // the write below is no typing
    WriteText(completed);
    completion_ = true;
    const int p = static_cast<int>(Utf8ToUtf32(Prefix()).size());
    Perform(EM_SETSEL, p + Len(completed), p + kn);
    return;
  }
  if (!typed.empty() && typed != text) {
    completion_ = false;
    WriteText(typed);
    completion_ = true;
    const int p = static_cast<int>(Utf8ToUtf32(Prefix()).size()) + Len(typed);
    Perform(EM_SETSEL, p, p);
  }
}

void TVevDetailDropDown::KeyDown(WORD& Key, TShiftState Shift) {
  if (items_->Count() == 0) {
    TVevUrizazEvuvUduz::KeyDown(Key, Shift);
    return;
  }
  const WORD k = Key;
  if (k == VK_BACK || k == VK_ESCAPE || k == VK_DELETE) {
    completion_ = false;
  } else if (k == VK_RETURN) {
    const int i = items_->IndexOf(Text());
    if (i >= 0) {
      SetText(items_->Items(i)->Caption());
      SetItemIndex(i);
      Change();
    }
  } else {
    completion_ = true;
  }
  TVevUrizazEvuvUduz::KeyDown(Key, Shift);
  if (k == VK_ESCAPE) {
    const int i = items_->IndexOf(Text());
    if (i >= 0) SetItemIndex(i);
  }
}

// ---- Navigation ----

void TVevDetailDropDown::MoveSelector(int Index) {
  if (selector_ == nullptr || Index < 0 || Index >= selector_->Items()->Count()) return;
  Internal([&] { selector_->SetItemIndex(Index); });
  selector_->ScrollItemInView(Index);
}

bool TVevDetailDropDown::NavigationKey(WORD Key) {
  const bool open = DroppedDown() && selector_ != nullptr;
  switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
      if (selector_ == nullptr) return false;
      if (selector_->Items()->Count() != items_->Count()) FillSelector();
      const int v = std::max(1, selector_->GetVisibleItemCount());
      const int cur = selector_->ItemIndex();
      int i = Key == VK_PRIOR ? cur - v : cur + v;
      if (Key == VK_PRIOR && i < 1) i = 0;
      if (Key == VK_NEXT) i = std::min(i, selector_->Items()->Count() - 1);
      MoveSelector(i);
      return open;
    }
    case VK_END:
      if (open)
        Internal([&] { selector_->SelectLast(); });
      else if (!EditorEnabled())
        SelectLast();
      return false;
    case VK_HOME:
      if (open)
        Internal([&] { selector_->SelectFirst(); });
      else if (!EditorEnabled())
        SelectFirst();
      return false;
    case VK_LEFT:
    case VK_RIGHT:
      if (open && !EditorEnabled())
        Internal([&] { Key == VK_LEFT ? selector_->SelectPrevious() : selector_->SelectNext(); });
      return open;
    case VK_UP:
    case VK_DOWN:
      if (open) {
        const int cur = selector_->ItemIndex();
        const int i = cur < 0 ? 0 : cur + (Key == VK_UP ? -1 : 1);
        MoveSelector(i);
      } else {
        Key == VK_UP ? SelectPrevious() : SelectNext();
      }
      return open;
    default:
      // An edit that takes typing completes from the captions instead; the
      // two would fight over the text.
      if (GetKeyState(VK_CONTROL) < 0 || selector_ == nullptr || EditorEnabled()) return false;
      if ((Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9')) {
        typeAhead_ += static_cast<char>(Key);
        Internal([&] { selector_->LookupItem(typeAhead_); });
        if (!typeAheadTimer_->Enabled()) typeAheadTimer_->SetEnabled(true);
      }
      return false;
  }
}

void TVevDetailDropDown::WndProc(TMessage& Message) {
  if (Message.Msg == WM_KEYDOWN && Enabled() && GetKeyState(VK_MENU) >= 0 && items_->Count() > 0) {
    // While open, the paging and arrow keys are the list's alone.
    if (NavigationKey(static_cast<WORD>(Message.WParam))) {
      Message.WParam = 0;
      Message.Result = 0;
      return;
    }
  }
  TVevUrizazEvuvUduz::WndProc(Message);
}

void TVevDetailDropDown::DoWheelDown() {
  TVevUrizazEvuvUduz::DoWheelDown();
  if (!DroppedDown() || selector_ == nullptr) {
    SelectNext();
    return;
  }
  const int cur = selector_->ItemIndex();
  MoveSelector(cur < 0 ? 0 : cur + 1);
  Invalidate();
}

void TVevDetailDropDown::DoWheelUp() {
  TVevUrizazEvuvUduz::DoWheelUp();
  if (!DroppedDown() || selector_ == nullptr) {
    SelectPrevious();
    return;
  }
  const int cur = selector_->ItemIndex();
  MoveSelector(cur < 0 ? 0 : cur - 1);
  Invalidate();
}
