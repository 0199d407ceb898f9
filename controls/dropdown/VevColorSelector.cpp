// The colour selector: boxes of colour in columns, the office palette, the
// box frames by place in a strip, keys and mouse.
#include <algorithm>

#include "controls/dropdown/VevColorPickerDropDown.h"
#include "framework/graphics/Graphics.h"

namespace {
constexpr uint32_t kOffice[6][10] = {
    {0xFFFFFF, 0x000000, 0xEEECE1, 0x1F497D, 0x4F81BD, 0xC0504D, 0x9BBB59, 0x8064A2, 0x4BACC6, 0xF79646},
    {0xF2F2F2, 0x7F7F7F, 0xDDD9C3, 0xC2CEDA, 0xDBE5F1, 0xF2DCDB, 0xEBF1DD, 0xE5E0EC, 0xDBEEF3, 0xFDEADA},
    {0xD8D8D8, 0x595959, 0xC4BD97, 0x8DB3E2, 0xB8CCE4, 0xE5B9B7, 0xD7E3BC, 0xCCC1D9, 0xB7DDE8, 0xFBD5B5},
    {0xBFBFBF, 0x3F3F3F, 0x938953, 0x548DD4, 0x95B3D7, 0xD99694, 0xC3D69B, 0xB2A2C7, 0x92CDDC, 0xFAC08F},
    {0xA5A5A5, 0x262626, 0x494429, 0x17365D, 0x366092, 0x953734, 0x76923C, 0x5F497A, 0x31859B, 0xE36C09},
    {0x7F7F7F, 0x0C0C0C, 0x1D1B10, 0x0F243E, 0x244061, 0x632423, 0x4F6128, 0x3F3151, 0x205867, 0x974806},
};
TColor Rgb(uint32_t V) { return static_cast<TColor>(((V >> 16) & 0xFF) | (V & 0xFF00) | ((V & 0xFF) << 16)); }
}  // namespace

void TColorBoxAppearance::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TColorBoxAppearance*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  BorderColor = s->BorderColor;
  OuterBorderColorHot = s->OuterBorderColorHot;
  InnerBorderColorHot = s->InnerBorderColorHot;
  OuterBorderColorSelected = s->OuterBorderColorSelected;
  InnerBorderColorSelected = s->InnerBorderColorSelected;
}

void TColorBoxItem::SetColor(TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  Changed(false);
}

void TColorBoxItem::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TColorBoxItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  color_ = s->color_;
  enabled_ = s->enabled_;
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner)
    : TVevCustomColorSelectorPanel(AOwner),
      appearance_(std::make_unique<TColorBoxAppearance>()),
      items_(std::make_unique<TColorBoxItems>(this)) {
  SetItemColorStyle(scOffice2007);
  SetParentColor(true);
}

TCustomColorSelector::~TCustomColorSelector() = default;

bool TCustomColorSelector::Usable(int Index) const {
  return Index >= 0 && Index < items_->Count() && items_->Items(Index)->Enabled();
}

void TCustomColorSelector::SetItemIndex(int Index) {
  if (Index >= items_->Count()) return;
  if (Index >= 0 && !items_->Items(Index)->Enabled()) return;
  if (itemIndex_ >= 0) {
    const int old = itemIndex_;
    itemIndex_ = -1;
    RepaintItem(old);
  }
  itemIndex_ = Index;
  if (Index >= 0) {
    selectedColor_ = items_->Items(Index)->Color();
    RepaintItem(Index);
    if (OnItemSelect) OnItemSelect(this);
  }
}

void TCustomColorSelector::SetItemHot(int Index) {
  if (Index == itemHot_) return;
  if (Index >= 0 && Index < items_->Count() && !items_->Items(Index)->Enabled()) return;
  if (itemHot_ >= 0) {
    const int old = itemHot_;
    itemHot_ = -1;
    RepaintItem(old);
  }
  itemHot_ = Index;
  if (Index >= 0) RepaintItem(Index);
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
  if (Value == selectedColor_) return;
  selectedColor_ = Value;
  if (Value == clNone) SetItemIndex(-1);
  for (int i = 0; i < items_->Count(); ++i)
    if (items_->Items(i)->Color() == Value) {
      SetItemIndex(i);
      return;
    }
  SetItemIndex(-1);
  selectedColor_ = Value;
}

void TCustomColorSelector::SetColumns(int Value) {
  if (columns_ == Value) return;
  columns_ = Value;
  LayoutItems();
}
void TCustomColorSelector::SetColumnGap(int Value) {
  if (columnGap_ == Value) return;
  columnGap_ = Value;
  LayoutItems();
}
void TCustomColorSelector::SetColorBoxWidth(int Value) {
  if (colorBoxWidth_ == Value) return;
  colorBoxWidth_ = Value;
  LayoutItems();
}
void TCustomColorSelector::SetColorBoxHeight(int Value) {
  if (colorBoxHeight_ == Value) return;
  colorBoxHeight_ = Value;
  LayoutItems();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value) {
  if (itemColorStyle_ == Value) return;
  itemColorStyle_ = Value;
  if (Value == scCustom) return;
  TColorBoxAppearance d;
  appearance_->Assign(&d);
}

void TCustomColorSelector::GetItemArea(TRect& R) {
  R = ClientRect();
  R.Left += offSetX_;
  R.Right -= offSetX_;
  R.Top += offSetY_;
  R.Bottom -= offSetY_;
}

void TCustomColorSelector::GetItemSize(TSize& Size) { Size = TSize(colorBoxWidth_, colorBoxHeight_); }

TRect TCustomColorSelector::GetItemRect(int Index) const {
  if (Index < 0 || Index >= items_->Count()) return TRect(-1, -1, -1, -1);
  return items_->Items(Index)->ItemRect();
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const {
  for (int i = 0; i < items_->Count(); ++i) {
    const TRect r = items_->Items(i)->ItemRect();
    if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
  }
  return -1;
}

void TCustomColorSelector::LayoutItems() {
  if (items_->Count() == 0) {
    SetBounds(Left(), Top(), 100, 50);
    return;
  }
  itemHot_ = -1;
  TSize s;
  GetItemSize(s);
  TRect area;
  GetItemArea(area);
  int x = area.Left, y = area.Top, widest = 0, column = 0;
  bool gapAfterRow = false;
  const int n = items_->Count();
  for (int i = 0; i < n; ++i) {
    TColorBoxItem* it = items_->Items(i);
    it->SetItemRect(TRect(x, y, x + s.cx, y + s.cy));
    ++column;
    if (i == n - 1) break;
    if (it->ColorBoxPos() == ipStandAlone) gapAfterRow = true;
    if (column < columns_) {
      x += s.cx + columnGap_;
    } else {
      widest = std::max(widest, x);
      x = area.Left;
      y += s.cy + (gapAfterRow ? columnGap_ : 0);
      gapAfterRow = false;
      column = 0;
    }
  }
  SetBounds(Left(), Top(), std::max(x, widest) + s.cx + area.Left + 1, y + s.cy + area.Top);
}

void TCustomColorSelector::RepaintItem(int Index) {
  if (Index < 0 || Index >= items_->Count()) return;
  const TRect r = items_->Items(Index)->ItemRect();
  InvalidateRect(&r, true);
}

void TCustomColorSelector::DrawItem(int Index, TCanvas* C) {
  if (Index < 0 || Index >= items_->Count()) return;
  TColorBoxItem* it = items_->Items(Index);
  TRect r = it->ItemRect();
  if (r == TRect(-1, -1, -1, -1)) return;
  TColor outer = appearance_->BorderColor, inner = clNone;
  bool framed = false;
  if (Index == itemHot_) {
    outer = appearance_->OuterBorderColorHot;
    inner = appearance_->InnerBorderColorHot;
    framed = true;
  }
  if (Index == itemIndex_) {
    outer = appearance_->OuterBorderColorSelected;
    inner = appearance_->InnerBorderColorSelected;
    framed = true;
  }
  if (it->Color() != clNone) {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(it->Color());
    C->Pen()->SetColor(it->Color());
    C->Rectangle(r);
  }
  if (framed) {
    C->Brush()->SetStyle(bsClear);
    if (outer != clNone) {
      C->Pen()->SetColor(outer);
      C->Rectangle(r);
      r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
    if (inner != clNone) {
      C->Pen()->SetColor(inner);
      C->Rectangle(r);
    }
    return;
  }
  // A strip's boxes share their edges: sides by the place in the strip.
  C->Pen()->SetColor(appearance_->BorderColor);
  const int L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1;
  auto line = [C](int X1, int Y1, int X2, int Y2) {
    C->MoveTo(X1, Y1);
    C->LineTo(X2, Y2);
  };
  switch (it->ColorBoxPos()) {
    case ipStandAlone:
      C->Brush()->SetStyle(bsClear);
      C->Rectangle(r);
      break;
    case ipTop:
      line(L, B + 1, L, T);
      line(L, T, R, T);
      line(R, T, R, B + 1);
      break;
    case ipMiddle:
      line(L, T, L, B + 1);
      line(R, T, R, B + 1);
      break;
    case ipBottom:
      line(L, T, L, B);
      line(L, B, R, B);
      line(R, T, R, B + 1);
      break;
  }
}

void TCustomColorSelector::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  for (int i = 0; i < items_->Count(); ++i) DrawItem(i, c);
}

void TCustomColorSelector::SelectFirst() {
  if (items_->Count() > 0) SetItemIndex(0);
}
void TCustomColorSelector::SelectLast() {
  if (items_->Count() > 0) SetItemIndex(items_->Count() - 1);
}
void TCustomColorSelector::SelectNext() {
  if (itemIndex_ + 1 < items_->Count()) SetItemIndex(itemIndex_ + 1);
}
void TCustomColorSelector::SelectPrevious() {
  if (itemIndex_ - 1 >= 0) SetItemIndex(itemIndex_ - 1);
}
void TCustomColorSelector::HotNext() {
  if (itemHot_ + 1 < items_->Count()) SetItemHot(itemHot_ + 1);
}
void TCustomColorSelector::HotPrevious() {
  if (itemHot_ - 1 >= 0) SetItemHot(itemHot_ - 1);
}

void TCustomColorSelector::FillOfficeColors() {
  items_->Clear();
  for (int row = 0; row < 6; ++row)
    for (int col = 0; col < 10; ++col) {
      TColorBoxItem* it = items_->Add();
      it->SetColor(Rgb(kOffice[row][col]));
      it->SetColorBoxPos(row == 0 ? ipStandAlone : row == 1 ? ipTop : row == 5 ? ipBottom : ipMiddle);
    }
}

void TCustomColorSelector::HandleKey(WORD Key, bool EditEnabled, bool Open) {
  if (!Enabled() || Key < VK_PRIOR || Key > VK_DOWN) return;
  switch (Key) {
    case VK_PRIOR:
    case VK_HOME:
      SelectFirst();
      break;
    case VK_NEXT:
    case VK_END:
      SelectLast();
      break;
    case VK_LEFT:
      if (!(EditEnabled && !Open)) SelectPrevious();
      break;
    case VK_RIGHT:
      if (!(EditEnabled && !Open)) SelectNext();
      break;
    case VK_UP:
      if (Open) {
        const int i = itemIndex_ < 0 ? 0 : itemIndex_ - columns_;
        if (i >= 0 && i < items_->Count()) SetItemIndex(i);
      } else {
        SelectPrevious();
      }
      break;
    case VK_DOWN:
      if (Open) {
        const int i = itemIndex_ < 0 ? 0 : itemIndex_ + columns_;
        if (i >= 0 && i < items_->Count()) SetItemIndex(i);
      } else {
        SelectNext();
      }
      break;
    default:
      break;
  }
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TVevCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
  const int i = ItemAtPos(X, Y);
  if (Usable(i)) SetItemIndex(i);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y) {
  TVevCustomColorSelectorPanel::MouseMove(Shift, X, Y);
  const int i = ItemAtPos(X, Y);
  SetItemHot(Usable(i) ? i : -1);
}

void TCustomColorSelector::WndProc(TMessage& Message) {
  TVevCustomColorSelectorPanel::WndProc(Message);
  if (Message.Msg == CM_MOUSELEAVE) SetItemHot(-1);
}
