// The item selector: items, their looks, layout, painting, hot and selected
// items, lookup and scrolling.
#include "controls/dropdown/VevItemSelector.h"

#include <algorithm>

#include "framework/controls/Forms.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevDraw.h"
#include "grid/base/VevDropDownUtil.h"

// ---- Items ----

TSelectorItem::TSelectorItem(TCollection* Collection)
    : TCollectionItem(Collection), image_(std::make_unique<TPicture>()) {}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::SetCaption(const std::string& Value) {
  if (caption_ == Value) return;
  caption_ = Value;
  Changed(false);
}

void TSelectorItem::SetImageIndex(int Value) {
  if (imageIndex_ == Value) return;
  imageIndex_ = Value;
  Changed(false);
}

void TSelectorItem::SetColor(TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  Changed(false);
}

void TSelectorItem::SetImage(TPicture* Value) { image_->Assign(Value); }

void TSelectorItem::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TSelectorItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  SetCaption(s->caption_);
  SetColor(s->color_);
  SetImageIndex(s->imageIndex_);
  image_->Assign(s->image_.get());
  enabled_ = s->enabled_;
  hint_ = s->hint_;
}

TSelectorItems::TSelectorItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TSelectorItem>()) {}

void TSelectorItems::Update(TCollectionItem* Item) {
  // Only an item's own report counts; adding and deleting do not tell.
  if (Item != nullptr && OnChange) OnChange(this);
}

// ---- Item looks ----

TItemAppearance::TItemAppearance(TPersistent* AOwner) : owner_(AOwner), font_(std::make_unique<TFont>()) {
  font_->SetName("Tahoma");
  SetColorStyle(scOffice2007);
}

TItemAppearance::~TItemAppearance() = default;

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value) {
  if (colorStyle_ == Value) return;
  colorStyle_ = Value;
  struct TLook {
    TColor Hot, HotTo, MirrorHot, MirrorHotTo, Top, Bottom, Border, Edge, Sel, SelTo, MirrorSel, MirrorSelTo;
  };
  TLook l{};
  switch (Value) {
    case scOffice2007:
      l = {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
           0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
      break;
    case scWindowsVista:
      l = {0xFDF8F1, 0xFCEFD5, clNone,   clNone,   0xFDFBF6, 0xFDF5E7,
           0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone,   clNone};
      break;
    case scWindows7:
      l = {0xFCEBDC, 0xFCDBC1, clNone,   clNone,   0xFDF4EB, 0xFDEADB,
           0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone,   clNone};
      break;
    case scCustom:
      return;
  }
  colorHot_ = l.Hot, colorHotTo_ = l.HotTo, colorMirrorHot_ = l.MirrorHot, colorMirrorHotTo_ = l.MirrorHotTo;
  borderColorTop_ = l.Top, borderColorBottom_ = l.Bottom, borderColor_ = l.Border, edgeColor_ = l.Edge;
  colorSelected_ = l.Sel, colorSelectedTo_ = l.SelTo, colorMirrorSelected_ = l.MirrorSel;
  colorMirrorSelectedTo_ = l.MirrorSelTo;
}

void TItemAppearance::Assign(TPersistent* Source) {
  auto* a = dynamic_cast<TItemAppearance*>(Source);
  if (a == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (a == this) return;
  colorMirrorHotTo_ = a->colorMirrorHotTo_, borderColor_ = a->borderColor_,
  colorMirrorHot_ = a->colorMirrorHot_;
  colorSelectedTo_ = a->colorSelectedTo_, colorSelected_ = a->colorSelected_, edgeColor_ = a->edgeColor_;
  colorHotTo_ = a->colorHotTo_, borderColorBottom_ = a->borderColorBottom_, colorHot_ = a->colorHot_;
  borderColorTop_ = a->borderColorTop_, colorMirrorSelectedTo_ = a->colorMirrorSelectedTo_;
  colorMirrorSelected_ = a->colorMirrorSelected_;
  font_->Assign(a->font_.get());
  // A different look in the source overwrites the copied colours.
  SetColorStyle(a->colorStyle_);
  colorSelectedText_ = a->colorSelectedText_;
  colorHotText_ = a->colorHotText_;
  borderColorHot_ = a->borderColorHot_;
  borderColorSelected_ = a->borderColorSelected_;
}

void SetItemAppearanceStyle(TItemAppearance* A, TVyxStyle Style) {
  if (A == nullptr || Style == tsCustom) return;
  A->SetBorderColorHot(clNone);
  A->SetBorderColorSelected(clNone);
  A->SetColorSelectedText(clBlack);
  A->SetColorHotText(clBlack);
  auto set = [&](TColor Hot, TColor HotTo, TColor MHot, TColor MHotTo, TColor Border, TColor Sel,
                 TColor SelTo, TColor MSel, TColor MSelTo, TColor Top, TColor Bottom, TColor Edge,
                 TColor SelText) {
    A->SetColorHot(Hot);
    A->SetColorHotTo(HotTo);
    A->SetColorMirrorHot(MHot);
    A->SetColorMirrorHotTo(MHotTo);
    A->SetBorderColor(Border);
    A->SetColorSelected(Sel);
    A->SetColorSelectedTo(SelTo);
    A->SetColorMirrorSelected(MSel);
    A->SetColorMirrorSelectedTo(MSelTo);
    A->SetBorderColorTop(Top);
    A->SetBorderColorBottom(Bottom);
    A->SetEdgeColor(Edge);
    A->SetColorSelectedText(SelText);
  };
  switch (Style) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey:
      set(0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x42AEFE, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, clNone,
          clNone, clNone, clBlack);
      break;
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver:
      set(0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x42AEFE, 0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0xF4FEFF,
          0xCAF8FF, 0xC3D9DF, clBlack);
      break;
    case tsOffice2003Classic:
      set(0xD2BDB6, 0xD2BDB6, clNone, clNone, 0x808080, 0xB59285, 0xB59285, clNone, clNone, clNone, clNone,
          clNone, clBlack);
      break;
    case tsWindowsXP:
      set(0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clHighlight, clNone, clNone, clNone, clNone,
          clNone, clNone, clHighlightText);
      break;
    case tsWindowsVista:
      set(0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEDF9A, 0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFDFBF6,
          0xFDF5E7, 0xFCEDCB, clBlack);
      break;
    case tsWindows7:
      set(0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xCEA27D, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB,
          0xFDEADB, 0xE0C5AE, clBlack);
      break;
    case tsTerminal:
      set(0xC0C0C0, 0xC0C0C0, clNone, clNone, 0x808080, clHighlight, clNone, clNone, clNone, clNone, clNone,
          clNone, clHighlightText);
      break;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
      set(0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x308AC2, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF, clNone,
          clNone, clNone, clBlack);
      break;
    case tsCustom:
      break;
  }
}

// ---- The panel ----

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner) : TCustomControl(AOwner) {
  host_ = dynamic_cast<TVevCustomItemSelector*>(AOwner);
  if (host_ == nullptr) throw Exception("Invalid parent");
  SetParentColor(true);
}

TSelectorItems* TCustomItemSelector::ItemsOf() const { return host_->Items(); }

void TCustomItemSelector::GetItemArea(TRect& R) {
  R = ClientRect();
  InflateRect(R, -marginX_, -marginY_);
}

void TCustomItemSelector::GetItemSize(TSize& ASize) {
  if (host_->OnItemSize) {
    host_->OnItemSize(this, ASize);
    return;
  }
  const bool colors = host_->SelectorType() == stColor;
  int cw = colors ? host_->ColorBoxWidth() : 0, ch = colors ? host_->ColorBoxHeight() : 0;
  TCanvas* c = Canvas();
  c->Font()->Assign(host_->ItemAppearance()->Font());
  int tw = 0, th = 0;
  TSelectorItems* items = ItemsOf();
  for (int i = 0; i < items->Count(); ++i) {
    TSelectorItem* it = items->Items(i);
    if (!colors) {
      if (it->Image()->Width() > 0 && it->Image()->Height() > 0) {
        cw = std::max(cw, it->Image()->Width());
        ch = std::max(ch, it->Image()->Height());
      } else if (host_->Images() != nullptr && it->ImageIndex() >= 0) {
        cw = std::max(cw, host_->Images()->Width());
        ch = std::max(ch, host_->Images()->Height());
      }
    }
    const TSize t = MeasureMarkup(c, it->Caption(), TRect(0, 0, 1000, 500), 0, false, host_->Images());
    tw = std::max(tw, t.cx);
    th = std::max(th, t.cy);
  }
  if (tw > 0) tw += 4;
  const TItemLayout layout = host_->ItemLayout();
  if (layout == ilCaptionLeft || layout == ilCaptionRight) {
    ASize.cx = 2 * insetX_ + cw + (cw > 0 && tw > 0 ? gap_ : 0) + tw;
    ASize.cy = 2 * insetY_ + std::max(th, ch);
  } else {
    ASize.cx = 2 * insetX_ + std::max(tw, cw);
    ASize.cy = 2 * insetY_ + ch + (ch > 0 && th > 0 ? gap_ : 0) + th;
  }
}

void TCustomItemSelector::LayoutItems() {
  TSelectorItems* items = ItemsOf();
  if (items == nullptr || items->Count() == 0) {
    SetBounds(Left(), Top(), 100, 50);
    return;
  }
  itemHot_ = -1;
  TSize sz(0, 0);
  GetItemSize(sz);
  const int x0 = marginX_, y0 = marginY_;
  const int columns = std::max(1, host_->Columns());
  int x = x0, y = y0, maxX = x0, inRow = 0;
  for (int i = 0; i < items->Count(); ++i) {
    items->Items(i)->SetItemRect(TRect(x, y, x + sz.cx, y + sz.cy));
    maxX = std::max(maxX, x);
    if (++inRow < columns) {
      x += sz.cx;
    } else {
      inRow = 0;
      x = x0;
      if (i + 1 < items->Count()) y += sz.cy;
    }
  }
  SetBounds(Left(), Top(), maxX + sz.cx + x0, y + sz.cy + y0);
  Invalidate();
}

TRect TCustomItemSelector::GetItemRect(int Index) const {
  TSelectorItems* items = ItemsOf();
  if (Index < 0 || Index >= items->Count()) return TRect(-1, -1, -1, -1);
  return items->Items(Index)->ItemRect();
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const {
  TSelectorItems* items = ItemsOf();
  for (int i = 0; i < items->Count(); ++i) {
    const TRect& r = items->Items(i)->ItemRect();
    if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
  }
  return -1;
}

void TCustomItemSelector::RepaintItem(int Index) {
  const TRect r = GetItemRect(Index);
  if (r.Left < 0) return;
  InvalidateRect(&r, true);
}

void TCustomItemSelector::SetItemIndex(int Value) {
  TSelectorItems* items = ItemsOf();
  if (Value >= items->Count()) return;
  if (Value >= 0 && !items->Items(Value)->Enabled()) return;
  if (itemIndex_ >= 0) {
    const int old = itemIndex_;
    itemIndex_ = -1;
    RepaintItem(old);
  }
  itemIndex_ = Value;
  if (itemIndex_ >= 0) {
    RepaintItem(itemIndex_);
    if (OnItemSelect) OnItemSelect(this);
  }
}

void TCustomItemSelector::SetItemHot(int Value) {
  TSelectorItems* items = ItemsOf();
  if (Value == itemHot_ || Value >= items->Count()) return;
  if (Value >= 0 && !items->Items(Value)->Enabled()) return;
  if (itemHot_ >= 0) {
    const int old = itemHot_;
    itemHot_ = -1;
    RepaintItem(old);
  }
  itemHot_ = Value;
  if (itemHot_ >= 0) RepaintItem(itemHot_);
}

void TCustomItemSelector::SelectFirst() {
  if (ItemsOf()->Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast() {
  if (ItemsOf()->Count() > 0) SetItemIndex(ItemsOf()->Count() - 1);
}

void TCustomItemSelector::SelectNext() {
  const int n = ItemsOf()->Count();
  if (n == 0) return;
  if (itemIndex_ < 0)
    SetItemIndex(0);
  else if (itemIndex_ < n - 1)
    SetItemIndex(itemIndex_ + 1);
}

void TCustomItemSelector::SelectPrevious() {
  if (ItemsOf()->Count() == 0) return;
  if (itemIndex_ < 0)
    SetItemIndex(0);
  else if (itemIndex_ > 0)
    SetItemIndex(itemIndex_ - 1);
}

void TCustomItemSelector::HotNext() {
  const int n = ItemsOf()->Count();
  if (n == 0) return;
  if (itemHot_ < 0)
    SetItemHot(0);
  else if (itemHot_ < n - 1)
    SetItemHot(itemHot_ + 1);
}

void TCustomItemSelector::HotPrevious() {
  if (ItemsOf()->Count() == 0) return;
  if (itemHot_ < 0)
    SetItemHot(0);
  else if (itemHot_ > 0)
    SetItemHot(itemHot_ - 1);
}

bool TCustomItemSelector::LookupItem(const std::string& S) {
  TSelectorItems* items = ItemsOf();
  for (int i = 0; i < items->Count(); ++i) {
    const std::string plain = AnsiUpperCase(Trim(MarkupToPlainText(items->Items(i)->Caption())));
    if (plain.compare(0, S.size(), S) == 0 && plain.size() >= S.size()) {
      SetItemIndex(i);
      return true;
    }
  }
  return false;
}

void TCustomItemSelector::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  for (int i = 0; i < ItemsOf()->Count(); ++i) DrawItem(i, c);
}

void TCustomItemSelector::DrawItem(int Index, TCanvas* C) {
  TSelectorItems* items = ItemsOf();
  if (C == nullptr || Index < 0 || Index >= items->Count()) return;
  TSelectorItem* it = items->Items(Index);
  const TRect r = it->ItemRect();
  const TItemAppearance* a = host_->ItemAppearance();
  TColor border = a->BorderColor(), top = a->BorderColorTop(), bottom = a->BorderColorBottom(),
         edge = a->EdgeColor();
  TColor fill = clNone, fillTo = clNone, mirror = clNone, mirrorTo = clNone;
  const bool hot = Index == itemHot_, selected = Index == itemIndex_;
  if (hot) {
    fill = a->ColorHot(), fillTo = a->ColorHotTo(), mirror = a->ColorMirrorHot(),
    mirrorTo = a->ColorMirrorHotTo();
    if (a->BorderColorHot() != clNone) border = a->BorderColorHot(), top = bottom = edge = clNone;
  }
  if (selected) {
    fill = a->ColorSelected(), fillTo = a->ColorSelectedTo(), mirror = a->ColorMirrorSelected();
    mirrorTo = a->ColorMirrorSelectedTo();
    border = a->BorderColor(), top = a->BorderColorTop(), bottom = a->BorderColorBottom(),
    edge = a->EdgeColor();
    if (a->BorderColorSelected() != clNone) border = a->BorderColorSelected(), top = bottom = edge = clNone;
  }
  if (hot || selected) {
    if (top != clNone)
      DrawStyledSelection(C, fill, fillTo, seBoth, r, Color(), edge, border, bottom, top, mirrorTo, mirror);
    else
      DrawBackgroundAndBorder(C, r, fill, fillTo, border, 1, true);
  } else {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(r);
  }
  if (host_->OnDrawItem) {
    host_->OnDrawItem(this, C, r, Index);
    return;
  }
  const bool colors = host_->SelectorType() == stColor;
  TImageList* images = host_->Images();
  const bool picture = !colors && it->Image()->Width() > 0 && it->Image()->Height() > 0;
  const bool image = !colors && !picture && images != nullptr && it->ImageIndex() >= 0;
  int w = 0, h = 0;
  if (colors) {
    w = host_->ColorBoxWidth(), h = host_->ColorBoxHeight();
  } else if (picture) {
    w = it->Image()->Width(), h = it->Image()->Height();
  } else if (image) {
    w = images->Width(), h = images->Height();
  }
  TRect cr = r, pr = r;
  InflateRect(cr, -insetX_, -insetY_);
  InflateRect(pr, -insetX_, -insetY_);
  C->Font()->Assign(a->Font());
  if (hot) C->Font()->SetColor(a->ColorHotText());
  if (selected) C->Font()->SetColor(a->ColorSelectedText());
  auto drawContent = [&](int x, int y) {
    if (colors) {
      C->Pen()->SetStyle(psSolid);
      C->Pen()->SetColor(clBlack);
      C->Brush()->SetStyle(it->Color() != clNone ? bsSolid : bsClear);
      if (it->Color() != clNone) C->Brush()->SetColor(it->Color());
      C->Rectangle(x, y, x + w, y + h);
    } else if (picture) {
      C->Draw(x, y, it->Image()->Graphic());
    } else if (image) {
      images->Draw(C, x, y, it->ImageIndex(), it->Enabled());
    }
  };
  const bool hasContent = colors || picture || image;
  const std::string& caption = it->Caption();
  const HWND wnd = HandleAllocated() ? Handle() : 0;
  auto drawCaption = [&](const TRect& At) {
    C->Brush()->SetStyle(bsClear);
    MeasureMarkup(C, caption, At, wnd, true, images);
  };
  auto centre = [&](TRect& R, int ContentH) {
    if (ContentH < R.Height()) R.Top += (R.Height() - ContentH) / 2;
  };
  switch (host_->ItemLayout()) {
    case ilCaptionLeft:
      if (!caption.empty()) {
        cr.Right -= w;
        const TSize t = MeasureMarkup(C, caption, cr, wnd, false, images);
        centre(cr, t.cy);
        drawCaption(cr);
        pr.Left = cr.Left + t.cx + gap_;
      }
      if (hasContent) drawContent(pr.Left, colors ? pr.Top : pr.Top + std::max(0, (pr.Height() - h) / 2));
      break;
    case ilCaptionRight:
      if (hasContent) {
        drawContent(pr.Left, colors ? pr.Top : pr.Top + std::max(0, (pr.Height() - h) / 2));
        cr.Left = pr.Left + w + gap_;
      }
      if (!caption.empty()) {
        const TSize t = MeasureMarkup(C, caption, cr, wnd, false, images);
        centre(cr, t.cy);
        drawCaption(cr);
      }
      break;
    case ilCaptionTop:
      if (!caption.empty()) {
        cr.Bottom -= h;
        const TSize t = MeasureMarkup(C, caption, cr, wnd, false, images);
        drawCaption(cr);
        pr.Top = cr.Top + t.cy + gap_;
      } else {
        centre(pr, h);
      }
      if (hasContent) drawContent(pr.Left + std::max(0, (pr.Width() - w) / 2), pr.Top);
      break;
    case ilCaptionBottom:
      if (caption.empty()) centre(pr, h);
      if (hasContent) {
        drawContent(pr.Left + std::max(0, (pr.Width() - w) / 2), pr.Top);
        cr.Top = pr.Top + h + gap_;
      }
      if (!caption.empty()) drawCaption(cr);
      break;
  }
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int i = ItemAtPos(X, Y);
  if (i >= 0 && ItemsOf()->Items(i)->Enabled()) SetItemIndex(i);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const int i = ItemAtPos(X, Y);
  if (i < 0) {
    SetItemHot(-1);
    return;
  }
  if (i == itemHot_) return;
  TSelectorItem* it = ItemsOf()->Items(i);
  if (it->Enabled())
    SetItemHot(i);
  else
    SetItemHot(-1);
  SetHint(it->Hint());
  if (Application != nullptr) Application->CancelHint();
}

void TCustomItemSelector::WndProc(TMessage& Message) {
  TCustomControl::WndProc(Message);
  if (Message.Msg == CM_MOUSELEAVE) SetItemHot(-1);
}

// ---- The host ----

TVevCustomItemSelector::TVevCustomItemSelector(TComponent* AOwner)
    : TScrollingWinControl(AOwner),
      items_(std::make_unique<TSelectorItems>(this)),
      itemAppearance_(std::make_unique<TItemAppearance>(this)) {
  SetAutoScroll(true);
  SetAutoSize(false);
  panel_ = new TCustomItemSelector(this);
  panel_->SetParent(this);
  panel_->OnItemSelect = [this](TObject*) {
    if (OnItemSelect) OnItemSelect(this);
  };
  itemAppearance_->OnChange = [](TObject*) {};
  items_->OnChange = [this](TObject*) { UpdateSelectorPanel(); };
  UpdateSelectorPanel();
}

TVevCustomItemSelector::~TVevCustomItemSelector() {
  SetComponentStateFlag(csDestroying, true);
  delete panel_;
  panel_ = nullptr;
}

void TVevCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation) {
  TScrollingWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == panel_) panel_ = nullptr;
  if (AComponent == images_ && !ComponentState().Contains(csDestroying)) images_ = nullptr;
}

void TVevCustomItemSelector::SetSelectorType(TSelectorType Value) {
  if (selectorType_ == Value) return;
  selectorType_ = Value;
  UpdateSelectorPanel();
}

void TVevCustomItemSelector::SetColumns(int Value) {
  if (Value <= 0 || columns_ == Value) return;
  columns_ = Value;
  UpdateSelectorPanel();
}

void TVevCustomItemSelector::SetColorBoxWidth(int Value) {
  if (colorBoxWidth_ == Value) return;
  colorBoxWidth_ = Value;
  UpdateSelectorPanel();
}

void TVevCustomItemSelector::SetColorBoxHeight(int Value) {
  if (colorBoxHeight_ == Value) return;
  colorBoxHeight_ = Value;
  UpdateSelectorPanel();
}

void TVevCustomItemSelector::SetImages(TImageList* Value) {
  if (images_ == Value) return;
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (images_ != nullptr) images_->FreeNotification(this);
  UpdateSelectorPanel();
}

int TVevCustomItemSelector::ItemIndex() const { return panel_ != nullptr ? panel_->ItemIndex() : -1; }

void TVevCustomItemSelector::SetItemIndex(int Value) {
  if (panel_ == nullptr) return;
  panel_->SetItemIndex(Value);
  ScrollItemInView(ItemIndex());
}

int TVevCustomItemSelector::ItemHot() const { return panel_ != nullptr ? panel_->ItemHot() : -1; }

#define CF_FORWARD_SELECT(Name, Which)  \
  void TVevCustomItemSelector::Name() { \
    if (panel_ == nullptr) return;      \
    panel_->Name();                     \
    ScrollItemInView(Which());          \
  }
CF_FORWARD_SELECT(SelectFirst, ItemIndex)
CF_FORWARD_SELECT(SelectLast, ItemIndex)
CF_FORWARD_SELECT(SelectNext, ItemIndex)
CF_FORWARD_SELECT(SelectPrevious, ItemIndex)
CF_FORWARD_SELECT(HotNext, ItemHot)
CF_FORWARD_SELECT(HotPrevious, ItemHot)
#undef CF_FORWARD_SELECT

bool TVevCustomItemSelector::LookupItem(const std::string& S) {
  return panel_ != nullptr && panel_->LookupItem(S);
}

void TVevCustomItemSelector::UpdateSelectorPanel() {
  if (panel_ != nullptr) panel_->LayoutItems();
}

void TVevCustomItemSelector::GetSelectorSize(TSize& Size) const {
  if (panel_ == nullptr) {
    Size = TSize(100, 50);
    return;
  }
  Size = TSize(panel_->Width(), panel_->Height());
}

int TVevCustomItemSelector::GetVisibleItemCount() const {
  if (panel_ == nullptr || items_->Count() == 0) return 0;
  const int ih = items_->Items(0)->ItemRect().Height();
  // An item size of no height (only a size handler can make one) shows
  // nothing countable.
  if (ih <= 0) return 0;
  int h = Height();
  if (HorzScrollBar()->IsScrollBarVisible()) h -= 20;
  return h / ih * columns_;
}

void TVevCustomItemSelector::ScrollItemInView(int Index) {
  if (panel_ == nullptr || Index < 0 || Index >= items_->Count()) return;
  TControlScrollBar* bar = VertScrollBar();
  if (!bar->IsScrollBarVisible()) return;
  TRect r = panel_->GetItemRect(Index);
  r.Top -= bar->Margin();
  r.Bottom += bar->Margin();
  // To the host's client coordinates.
  OffsetRect(r, panel_->Left(), panel_->Top());
  const int ch = ClientHeight();
  if (r.Top < 0) {
    bar->SetPosition(bar->Position() + r.Top);
  } else if (r.Bottom > ch) {
    if (r.Height() > ch)
      bar->SetPosition(bar->Position() + r.Top);
    else
      bar->SetPosition(bar->Position() + (r.Bottom - ch));
  }
}

void TVevCustomItemSelector::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
      return;
    case WM_VSCROLL:
      TScrollingWinControl::WndProc(Message);
      if (Message.WParamLo() == SB_THUMBTRACK)
        VertScrollBar()->SetPosition(static_cast<int16_t>(Message.WParamHi()));
      return;
    default:
      break;
  }
  TScrollingWinControl::WndProc(Message);
}
