// The calculator's key panel: the key items, their look, the fixed
// calculator key set and its arrangement, drawing, and the mouse.
#include <algorithm>

#include "controls/dropdown/ATXPVS.h"
#include "controls/dropdown/VevCalculatorDropdown.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "grid/base/VevDropDownUtil.h"

// ---- Key items ----

TButtonItem::TButtonItem(TCollection* Collection)
    : TCollectionItem(Collection), image_(std::make_unique<TPicture>()) {}

TButtonItem::~TButtonItem() = default;

void TButtonItem::SetImage(TPicture* Value) { image_->Assign(Value); }

void TButtonItem::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TButtonItem*>(Source);
  if (s == nullptr) {
    TCollectionItem::Assign(Source);
    return;
  }
  caption_ = s->caption_;
  captionColor_ = s->captionColor_;
  tag_ = s->tag_;
  imageIndex_ = s->imageIndex_;
  image_->Assign(s->image_.get());
  enabled_ = s->enabled_;
  name_ = s->name_;
}

TButtonItems::TButtonItems(TPersistent* AOwner) : TOwnedCollection(AOwner, ItemClass<TButtonItem>()) {}

// ---- Look ----

TButtonAppearance::TButtonAppearance() : font_(std::make_unique<TFont>()) {
  colorChecked_ = ShadeColor(0xF5F0E1, -10, -10, 0);
  colorCheckedTo_ = ShadeColor(0xF9D2B2, -10, -10, 0);
  colorDisabled_ = ShadeColor(0xFFFFFF, -5, -5, -5);
  colorDisabledTo_ = colorDisabled_;
  font_->SetSize(10);
  font_->SetStyle(TFontStyles{fsBold});
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::SetColor(TColor& Field, TColor Value) {
  if (Field == Value) return;
  Field = Value;
  if (OnChange) OnChange(this);
}

void TButtonAppearance::SetFont(TFont* Value) { font_->Assign(Value); }

void TButtonAppearance::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TButtonAppearance*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  SetColor(s->color_);
  SetColorTo(s->colorTo_);
  SetColorHot(s->colorHot_);
  SetColorHotTo(s->colorHotTo_);
  SetColorDown(s->colorDown_);
  SetColorDownTo(s->colorDownTo_);
  SetBorderColor(s->borderColor_);
  SetBorderColorHot(s->borderColorHot_);
  SetBorderColorDown(s->borderColorDown_);
  SetColorChecked(s->colorChecked_);
  SetColorCheckedTo(s->colorCheckedTo_);
  SetColorDisabled(s->colorDisabled_);
  SetColorDisabledTo(s->colorDisabledTo_);
  SetBorderColorChecked(s->borderColorChecked_);
  glowColorHot_ = s->glowColorHot_;
  glowColorDown_ = s->glowColorDown_;
  shineColor_ = s->shineColor_;
  font_->Assign(s->font_.get());
  SetTextColor(s->textColor_);
  SetSpecialTextColor(s->specialTextColor_);
}

// ---- Panel ----

namespace {
struct KeyDef {
  const char* caption;
  const char* name;
  int code;
  bool special;
  int row, col;  // col -1: the three keys of row 0
};
constexpr KeyDef kKeys[28] = {
    {"", "BTN_ON", 30, false, 0, 0},   {"Back", "BTN_BACK", 31, true, 0, -1},
    {"CE", "BTN_CE", 32, true, 0, -1}, {"C", "BTN_C", 16, true, 0, -1},
    {"MC", "BTN_MC", 33, true, 1, 0},  {"MR", "BTN_MR", 34, true, 2, 0},
    {"MS", "BTN_MS", 35, true, 3, 0},  {"M+", "BTN_M+", 36, true, 4, 0},
    {"0", "BTN_0", 0, false, 4, 1},    {"1", "BTN_1", 1, false, 3, 1},
    {"4", "BTN_4", 4, false, 2, 1},    {"7", "BTN_7", 7, false, 1, 1},
    {"8", "BTN_8", 8, false, 1, 2},    {"5", "BTN_5", 5, false, 2, 2},
    {"2", "BTN_2", 2, false, 3, 2},    {"+/-", "BTN_+/-", 14, false, 4, 2},
    {".", "BTN_.", 15, false, 4, 3},   {"3", "BTN_3", 3, false, 3, 3},
    {"6", "BTN_6", 6, false, 2, 3},    {"9", "BTN_9", 9, false, 1, 3},
    {"/", "BTN_/", 13, true, 1, 4},    {"*", "BTN_*", 12, true, 2, 4},
    {"-", "BTN_-", 11, true, 3, 4},    {"+", "BTN_+", 10, true, 4, 4},
    {"=", "BTN_=", 17, true, 4, 5},    {"1/x", "BTN_1/x", 38, false, 3, 5},
    {"%", "BTN_%", 18, false, 2, 5},   {"sqrt", "BTN_sqrt", 37, true, 1, 5},
};
// Column lefts as offsets from L: the memory column, the digit block and
// the operator block are 4 pixels apart; keys inside a block overlap by one.
int ColumnLeft(int L, int w, int col) {
  static constexpr int kExtra[6] = {0, 4, 3, 2, 6, 5};
  return L + col * w + kExtra[col];
}
}  // namespace

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner)
    : TCustomControl(AOwner),
      buttons_(std::make_unique<TButtonItems>(this)),
      buttonAppearance_(std::make_unique<TButtonAppearance>()) {
  SetDoubleBuffered(true);
  buttons_->OnChange = [this](TObject*) {
    if (!InDropDown()) Invalidate();
  };
  buttonAppearance_->OnChange = [this](TObject*) {
    if (!InDropDown()) Invalidate();
  };
}

TCustomButtonPanel::~TCustomButtonPanel() = default;

void TCustomButtonPanel::SetImages(TImageList* Value) {
  if (images_ == Value) return;
  images_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
  ArrangeButtons();
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value) {
  if (buttonPanelType_ == Value) return;
  buttonPanelType_ = Value;
  ArrangeButtons();
}

void TCustomButtonPanel::Loaded() {
  TCustomControl::Loaded();
  if (!InDropDown()) CreateCalculatorButtons();
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove || ComponentState().Contains(csDestroying)) return;
  if (AComponent == images_) images_ = nullptr;
  if (AComponent == edit_) edit_ = nullptr;
}

void TCustomButtonPanel::ClearButtons() { buttons_->Clear(); }

void TCustomButtonPanel::ResetButtons() {
  ClearButtons();
  CreateCalculatorButtons();
}

void TCustomButtonPanel::CreateCalculatorButtons() {
  if (buttons_->Count() == 0 && buttonPanelType_ == plCalculator) {
    for (const KeyDef& k : kKeys) {
      TButtonItem* b = buttons_->Add();
      b->SetCaption(k.caption);
      b->SetButtonName(k.name);
      b->SetTag(k.code);
      b->SetSpecial(k.special);
      b->SetCaptionColor(k.special ? 0x000080 : 0xFFFFFF);
    }
  }
  ArrangeButtons();
}

void TCustomButtonPanel::GetButtonsRect(TRect& R) {
  R = ClientRect();
  R.Left += marginX_;
  R.Top += marginY_;
  R.Right -= marginX_;
  R.Bottom -= marginY_;
}

void TCustomButtonPanel::ArrangeButtons() {
  if (buttons_->Count() == 0 || buttonPanelType_ != plCalculator) return;
  // Keys loaded or assigned in other numbers keep their places.
  if (buttons_->Count() < 28) return;
  TRect a;
  GetButtonsRect(a);
  constexpr int g = 4;
  const int w = (a.Right - a.Left - 2 * g) / 6;
  const int h = (a.Bottom - a.Top - g) / 5;
  auto rowTop = [&](int r) { return r == 0 ? a.Top : a.Top + r * h + 5 - r; };
  for (int i = 4; i < 28; ++i)
    buttons_->Items(i)->SetRect(ColumnLeft(a.Left, w, kKeys[i].col), rowTop(kKeys[i].row), w, h);
  buttons_->Items(0)->SetRect(a.Left, a.Top, w, h);
  const int e = a.Left + 6 * w + 5;
  const int x = a.Left + w + 4;
  const int t = (e - x - 2 * g) / 3;
  buttons_->Items(1)->SetRect(x, a.Top, t, h);
  buttons_->Items(2)->SetRect(x + t + 4, a.Top, t, h);
  buttons_->Items(3)->SetRect(x + 2 * t + 8, a.Top, e - (x + 2 * t + 8), h);
}

void TCustomButtonPanel::GetButtonSize(int& W, int& H) {
  TCanvas* c = Canvas();
  c->SetFont(Font());
  int cw = 0, ch = 0, iw = 0, ih = 0;
  for (int i = 0; i < buttons_->Count(); ++i) {
    TButtonItem* b = buttons_->Items(i);
    const TSize s = MeasureText(c, b->Caption());
    cw = std::max(cw, s.cx);
    ch = std::max(ch, s.cy);
    if (b->Image()->Graphic() != nullptr && !b->Image()->Graphic()->Empty()) {
      iw = std::max(iw, b->Image()->Width());
      ih = std::max(ih, b->Image()->Height());
    } else if (images_ != nullptr && b->ImageIndex() >= 0) {
      iw = std::max(iw, images_->Width());
      ih = std::max(ih, images_->Height());
    }
  }
  const bool both = iw > 0 && cw > 0;
  if (buttonLayout_ == ilCaptionLeft || buttonLayout_ == ilCaptionRight) {
    W = 2 * buttonMarginX_ + (iw > 0 ? iw : 0) + (both ? captionGap_ : 0) + (cw > 0 ? cw : 0);
    H = std::max(ih, ch) + 2 * buttonMarginY_;
  } else {
    W = std::max(iw, cw) + 2 * buttonMarginX_;
    H = 2 * buttonMarginY_ + (ih > 0 ? ih : 0) + (both ? captionGap_ : 0) + (ch >= 1 ? ch : 0);
  }
}

void TCustomButtonPanel::InvalidateButton(int Index) {
  if (Index < 0 || Index >= buttons_->Count() || !HandleAllocated()) return;
  TRect r = buttons_->Items(Index)->GetRect();
  r.Left -= 8;
  r.Top -= 8;
  r.Right += 8;
  r.Bottom += 8;
  InvalidateRect(&r, true);
}

void TCustomButtonPanel::ButtonClick(int Index) {
  if (OnButtonClick) OnButtonClick(this, Index);
}

void TCustomButtonPanel::DrawFace(int Index, TCanvas* C, const TRect& R) {
  const int state = !Enabled() ? 4 : Index == downButton_ ? 3 : Index == hotButton_ ? 2 : 1;
  if (DropDownUxThemeActive()) {
    const TUxThemeEntries& t = DropDownUxTheme();
    HTHEME theme = t.OpenThemeData(HandleAllocated() ? Handle() : 0, "button");
    if (theme != nullptr) {
      t.DrawThemeBackground(theme, C, 1, state, R, nullptr);
      t.CloseThemeData(theme);
      return;
    }
  }
  // Without visual styles the look's own colours draw the face.
  const TButtonAppearance* a = buttonAppearance_.get();
  TColor from = a->Color(), to = a->ColorTo(), border = a->BorderColor();
  if (state == 4) {
    from = a->ColorDisabled();
    to = a->ColorDisabledTo();
  } else if (state == 3) {
    from = a->ColorDown();
    to = a->ColorDownTo();
    border = a->BorderColorDown();
  } else if (state == 2) {
    from = a->ColorHot();
    to = a->ColorHotTo();
    border = a->BorderColorHot();
  }
  DrawGradient(C, from, to, 16, R, false);
  C->Brush()->SetStyle(bsClear);
  C->Pen()->SetColor(border);
  C->Rectangle(R);
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas* ACanvas) {
  if (Index < 0 || Index >= buttons_->Count() || ACanvas == nullptr) return;
  TButtonItem* b = buttons_->Items(Index);
  TRect r = b->GetRect();
  if (r.Left < 0 || r.Right < 0) return;
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->FillRect(r);
  DrawFace(Index, ACanvas, r);
  // The image: the key's own picture, else one of the image list.
  int iw = 0, ih = 0;
  const bool picture = b->Image()->Graphic() != nullptr && !b->Image()->Graphic()->Empty();
  if (picture) {
    iw = b->Image()->Width();
    ih = b->Image()->Height();
  } else if (images_ != nullptr && b->ImageIndex() >= 0) {
    iw = images_->Width();
    ih = images_->Height();
  }
  auto drawImage = [&](int x, int y) {
    if (picture)
      ACanvas->Draw(x, y, b->Image()->Graphic());
    else if (iw > 0)
      images_->Draw(ACanvas, x, y, b->ImageIndex(), b->Enabled());
  };
  TRect c(r.Left + buttonMarginX_, r.Top + buttonMarginY_, r.Right - buttonMarginX_,
          r.Bottom - buttonMarginY_);
  ACanvas->Font()->Assign(buttonAppearance_->Font());
  ACanvas->Font()->SetColor(b->Special() ? buttonAppearance_->SpecialTextColor()
                                         : buttonAppearance_->TextColor());
  ACanvas->Brush()->SetStyle(bsClear);
  unsigned flags = DT_SINGLELINE | DT_VCENTER | (iw == 0 ? DT_CENTER : 0);
  const std::string& cap = b->Caption();
  switch (buttonLayout_) {
    case ilCaptionLeft: {
      int x = c.Left;
      if (!cap.empty()) {
        c.Right -= iw;
        DrawText(ACanvas, cap, c, flags);
        x = c.Left + MeasureText(ACanvas, cap).cx + captionGap_;
      }
      drawImage(x, c.Top + (c.Bottom - c.Top - ih) / 2);
      break;
    }
    case ilCaptionRight:
      if (iw > 0) {
        drawImage(c.Left, c.Top + (c.Bottom - c.Top - ih) / 2);
        c.Left += iw + captionGap_;
      }
      if (!cap.empty()) DrawText(ACanvas, cap, c, flags);
      break;
    case ilCaptionTop: {
      int y = c.Top + (c.Bottom - c.Top - ih) / 2;
      if (!cap.empty()) {
        c.Bottom -= ih;
        DrawText(ACanvas, cap, c, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        y = c.Top + MeasureText(ACanvas, cap).cy + captionGap_;
      }
      drawImage(c.Left, y);
      break;
    }
    case ilCaptionBottom: {
      const int y = cap.empty() ? c.Top + (c.Bottom - c.Top - ih) / 2 : c.Top;
      drawImage(c.Left, y);
      c.Top = y + ih + captionGap_;
      if (!cap.empty()) DrawText(ACanvas, cap, c, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
      break;
    }
  }
}

void TCustomButtonPanel::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  if (!InDropDown()) {
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clBlack);
    c->Rectangle(ClientRect());
  }
  // The hot key last, so that its edges lie over its neighbours'.
  for (int i = 0; i < buttons_->Count(); ++i) {
    if (i == hotButton_) continue;
    c->Brush()->SetColor(Color());
    DrawButton(i, c);
  }
  c->Brush()->SetColor(Color());
  if (hotButton_ >= 0) DrawButton(hotButton_, c);
}

void TCustomButtonPanel::SetHotButton(int Index) {
  if (Index == hotButton_) return;
  if (Index >= 0 && Index < buttons_->Count() && !buttons_->Items(Index)->Enabled()) return;
  if (hotButton_ >= 0) {
    const int old = hotButton_;
    hotButton_ = -1;
    InvalidateButton(old);
  }
  hotButton_ = Index;
  if (Index >= 0) InvalidateButton(Index);
}

void TCustomButtonPanel::SetDownButton(int Index) {
  if (Index == downButton_) return;
  if (Index >= 0 && Index < buttons_->Count() && !buttons_->Items(Index)->Enabled()) return;
  if (downButton_ >= 0) {
    const int old = downButton_;
    downButton_ = -1;
    InvalidateButton(old);
  }
  downButton_ = Index;
  if (Index >= 0) InvalidateButton(Index);
}

int TCustomButtonPanel::ButtonAtPoint(int X, int Y) const {
  for (int i = 0; i < buttons_->Count(); ++i) {
    const TRect r = buttons_->Items(i)->GetRect();
    if (X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom) return i;
  }
  return -1;
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int i = ButtonAtPoint(X, Y);
  if (i >= 0 && buttons_->Items(i)->Enabled()) SetDownButton(i);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const int i = ButtonAtPoint(X, Y);
  if (i < 0) {
    if (hotButton_ >= 0) SetHotButton(-1);
  } else if (i != hotButton_) {
    SetHotButton(buttons_->Items(i)->Enabled() ? i : -1);
  }
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (downButton_ < 0) return;
  const int pressed = downButton_;
  const bool counts = ButtonAtPoint(X, Y) == pressed;
  SetDownButton(-1);
  if (counts) ButtonClick(pressed);
}

void TCustomButtonPanel::WndProc(TMessage& Message) {
  TCustomControl::WndProc(Message);
  if (Message.Msg == WM_SIZE) ArrangeButtons();
  if (Message.Msg == CM_MOUSELEAVE) SetHotButton(-1);
}
