// The pop-up's header and footer strips, their buttons and the checked list
// that keeps them.
#include <algorithm>

#include "controls/dropdown/VevDropDown.h"
#include "controls/dropdown/VevDropDownPopup.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/ImgList.h"
#include "grid/base/DudHTMLE.h"
#include "grid/base/VevDropDownUtil.h"

// ---- TDbgList ----

void TDbgList::AssignList(TList* ListA) {
  Clear();
  if (ListA == nullptr) return;
  for (int i = 0; i < ListA->Count(); ++i) Add(ListA->Items(i));
}

void* TDbgList::GetItemsEx(int Index) const {
  if (Index >= Count()) throw Exception("Index out of bounds in list read access");
  return Items(Index);
}

void TDbgList::SetItemsEx(int Index, void* Value) {
  if (Index >= Count()) throw Exception("Index out of bounds in list write access");
  SetItems(Index, Value);
}

// ---- TVevButton ----

namespace {
constexpr uintptr_t kHoverTimer = 1;
}

TVevButton::TVevButton(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks};
  SetBounds(0, 0, 22, 23);
  Font()->SetName("Tahoma");
  SetDoubleBuffered(true);
  SetShowHint(false);
}

TVevButton::~TVevButton() { StopHoverTimer(); }

void TVevButton::SetImages(TImageList* Value) {
  if (images_ == Value) return;
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (images_ != nullptr) images_->FreeNotification(this);
}

void TVevButton::SetVevDropDown(TVevUrizazEvuvUduz* Value) {
  if (vevDropDown_ == Value) return;
  if (vevDropDown_ != nullptr) vevDropDown_->RemoveFreeNotification(this);
  vevDropDown_ = Value;
  if (vevDropDown_ != nullptr) vevDropDown_->FreeNotification(this);
}

void TVevButton::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove || ComponentState().Contains(csDestroying)) return;
  if (AComponent == images_) images_ = nullptr;
  if (AComponent == vevDropDown_) vevDropDown_ = nullptr;
}

void TVevButton::Loaded() {
  TCustomControl::Loaded();
  if (storedDown_ != down_) SetDown(storedDown_);
}

void TVevButton::SetDown(bool Value) {
  if (ComponentState().Contains(csLoading)) {
    storedDown_ = Value;
    return;
  }
  if (groupIndex_ == 0 && style_ == tasButton) Value = false;
  if (style_ == tasCheck) {
    down_ = Value;
    state_ = Value ? absDown : absUp;
    Repaint();
    return;
  }
  if (Value == down_ || (down_ && !allowAllUp_)) return;
  down_ = Value;
  if (Value) {
    if (state_ == absUp) Invalidate();
    state_ = absExclusive;
  } else {
    state_ = absUp;
    Repaint();
  }
  if (Value && groupIndex_ != 0 && Parent() != nullptr) {
    TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_), reinterpret_cast<LPARAM>(this), 0};
    Parent()->Broadcast(m);
  }
}

void TVevButton::SizeToContent() {
  if (appearance_ == nullptr) return;
  Canvas()->Font()->Assign(appearance_->Font());
  TSize sz = MeasureText(Canvas(), Caption());
  int w = sz.cx, h = sz.cy;
  if (images_ != nullptr && imageIndex_ >= 0) {
    w = std::max(w, images_->Width());
    h = std::max(h, images_->Height());
  }
  SetBounds(Left(), Top(), w + 8, h + 4);
}

void TVevButton::Click() {
  if (TCustomForm* f = GetParentForm(this)) f->SetModalResult(modalResult_);
  const int mr = modalResult_;
  const bool cancelling = mr == mrCancel || mr == mrAbort || mr == mrIgnore || mr == mrNo || mr == mrNoToAll;
  const bool closes = mr == mrOk || mr == mrCancel || mr == mrAbort || mr == mrIgnore || mr == mrYes ||
                      mr == mrNo || mr == mrAll || mr == mrNoToAll || mr == mrYesToAll;
  if (vevDropDown_ != nullptr && closes) vevDropDown_->HideDropDownEx(cancelling);
  if (!keyboardClick_) TCustomControl::Click();
}

void TVevButton::Paint() {
  if (!Enabled()) {
    state_ = absDisabled;
    tracking_ = false;
  } else if (state_ == absDisabled) {
    state_ = down_ && groupIndex_ != 0 ? absExclusive : absUp;
  }
  if (style_ == tasCheck && down_) state_ = absDown;
  TCanvas* c = Canvas();
  // The strip's own painting behind the button, so the button looks
  // transparent.
  if (Parent() != nullptr) {
    int saved = c->SaveDC();
    const TPoint org = c->WindowOrg();
    c->IntersectClipRect(ClientRect());
    c->SetWindowOrg(TPoint(org.X + Left(), org.Y + Top()));
    Parent()->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(c), reinterpret_cast<LPARAM>(c));
    Parent()->Perform(WM_PAINT, reinterpret_cast<WPARAM>(c), 0);
    c->RestoreDC(saved);
  }
  DrawButton(c);
}

void TVevButton::DrawButton(TCanvas* C) {
  if (appearance_ == nullptr) return;
  const TVevButtonAppearance* a = appearance_;
  TColor face, to, border;
  if (!Enabled()) {
    face = a->ColorDisabled(), to = a->ColorDisabledTo(), border = a->BorderColorDisabled();
  } else if (pressed_ && mouseInside_) {
    face = to = a->ColorDown(), border = a->BorderColorDown();
  } else if (down_) {
    face = to = a->ColorChecked(), border = a->BorderColorChecked();
  } else if (mouseInside_ || Focused()) {
    face = to = a->ColorHot(), border = a->BorderColorHot();
  } else {
    face = a->Color(), to = a->ColorTo(), border = a->BorderColor();
  }
  DrawBackgroundAndBorder(C, ClientRect(), face, to, border, 1, a->Gradient() == gdVertical);
  C->Brush()->SetStyle(bsClear);
  C->Font()->Assign(a->Font());
  DrawImageText(C, ClientRect(), Caption(), imageIndex_, images_);
}

bool TVevButton::Inside(int X, int Y) const {
  return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TVevButton::StartHoverTimer() {
  if (hoverTimerOn_ || !HandleAllocated()) return;
  hoverTimerOn_ = SetTimer(Handle(), kHoverTimer, 1) != 0;
}

void TVevButton::StopHoverTimer() {
  if (!hoverTimerOn_) return;
  hoverTimerOn_ = false;
  if (HandleAllocated()) KillTimer(Handle(), kHoverTimer);
}

void TVevButton::HoverTick() {
  const TPoint p = ScreenToClient(CursorPos());
  if (!PtInRect(ClientRect(), p)) {
    // The pointer left without a leave notice (it moved fast onto another
    // window).
    StopHoverTimer();
    mouseInside_ = false;
    if (Enabled()) Invalidate();
  }
}

void TVevButton::UpdateTracking() {
  if (!Enabled()) return;
  const bool over = FindDragTarget(CursorPos(), true) == this;
  Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
}

void TVevButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled() || ComponentState().Contains(csDesigning)) return;
  pressed_ = true;
  if (!down_) {
    state_ = absDown;
    Invalidate();
  }
  if (style_ == tasCheck) {
    state_ = absDown;
    Repaint();
  }
  tracking_ = true;
}

void TVevButton::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (ComponentState().Contains(csDesigning)) return;
  if (tracking_) {
    TVevButtonState s = down_ ? absExclusive : absUp;
    if (Inside(X, Y)) s = down_ ? absExclusive : absDown;
    if (style_ == tasCheck && down_) s = absDown;
    if (s != state_) {
      state_ = s;
      Invalidate();
    }
  } else if (!mouseInside_) {
    UpdateTracking();
  }
}

void TVevButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (ComponentState().Contains(csDesigning)) return;
  pressed_ = false;
  Invalidate();
  if (tracking_) {
    tracking_ = false;
    const bool inside = Inside(X, Y);
    if (groupIndex_ != 0) {
      if (inside) {
        SetDown(!down_);
      } else if (down_) {
        state_ = absExclusive;
        Repaint();
      }
    } else {
      state_ = absUp;
      mouseInside_ = false;
      if (style_ == tasCheck) {
        down_ = !down_;
        state_ = absUp;
      }
      if (inside) Invalidate();
    }
  }
  (void)Button;
  if (!ComponentState().Contains(csDestroying)) UpdateTracking();
}

void TVevButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      TCustomControl::WndProc(Message);
      if (ComponentState().Contains(csDesigning)) return;
      mouseInside_ = true;
      if (Enabled()) Invalidate();
      StartHoverTimer();
      if (OnButtonEnter) OnButtonEnter(this);
      return;
    case CM_MOUSELEAVE:
      TCustomControl::WndProc(Message);
      if (ComponentState().Contains(csDesigning)) return;
      StopHoverTimer();
      mouseInside_ = false;
      if (Enabled()) Invalidate();
      if (OnButtonLeave) OnButtonLeave(this);
      return;
    case WM_TIMER:
      if (Message.WParam == kHoverTimer) {
        HoverTick();
        return;
      }
      break;
    case WM_KEYDOWN:
      if (Message.WParam == VK_RETURN || Message.WParam == VK_SPACE) {
        if (!down_) {
          state_ = absDown;
          Invalidate();
        }
        if (style_ == tasCheck) {
          state_ = absDown;
          Repaint();
        }
        keyboardClick_ = true;
        struct Reset {
          bool& b;
          ~Reset() { b = false; }
        } reset{keyboardClick_};
        Click();
      }
      break;
    case CM_DIALOGCHAR:
      if (Enabled() && IsAccel(static_cast<char32_t>(Message.WParam), Caption())) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_BUTTONPRESSED: {
      auto* sender = reinterpret_cast<TVevButton*>(Message.LParam);
      if (static_cast<int>(Message.WParam) != groupIndex_ || sender == this || sender == nullptr) return;
      if (sender->down_ && down_) {
        down_ = false;
        state_ = absUp;
        Invalidate();
      }
      allowAllUp_ = sender->allowAllUp_;
      return;
    }
    case CM_ENABLEDCHANGED:
    case CM_FOCUSCHANGED:
      TCustomControl::WndProc(Message);
      Invalidate();
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

// ---- Strips ----

TVevStrip::TVevStrip(TComponent* AOwner, bool Footer) : TCustomControl(AOwner), footer_(Footer) {
  controlStyle_ = TControlStyle{csAcceptsControls, csClickEvents, csDoubleClicks};
  if (Footer) controlStyle_ << csCaptureMouse;
  SetBorderWidth(0);
  SetDoubleBuffered(true);
}

TVevStrip::~TVevStrip() {
  SetComponentStateFlag(csDestroying, true);
  buttons_.Clear();
}

void TVevStrip::SetImages(TImageList* Value) {
  if (images_ == Value) return;
  if (images_ != nullptr) images_->RemoveFreeNotification(this);
  images_ = Value;
  if (images_ != nullptr) images_->FreeNotification(this);
}

void TVevStrip::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == images_) images_ = nullptr;
  if (AComponent == vevDropDown_) vevDropDown_ = nullptr;
  if (int i = buttons_.IndexOf(AComponent); i >= 0) buttons_.Delete(i);
}

void TVevStrip::SetVevDropDown(TVevUrizazEvuvUduz* Value) {
  if (vevDropDown_ != Value) {
    if (vevDropDown_ != nullptr) vevDropDown_->RemoveFreeNotification(this);
    vevDropDown_ = Value;
    if (vevDropDown_ != nullptr) vevDropDown_->FreeNotification(this);
  }
  if (Value == nullptr) {
    SetImages(nullptr);
    return;
  }
  SetImages(Value->Images());
  CopySettings();
}

void TVevStrip::AppearanceChanged(TObject*) {
  SetVisible(StripAppearance()->Visible());
  SetHeight(StripAppearance()->Height());
}

void TVevStrip::BuildButtons() {
  if (vevDropDown_ != nullptr) CreateButtons();
}

TRect TVevStrip::ButtonArea() {
  TRect r = ClientRect();
  r.Left += 2;
  r.Top += 2;
  if (footer_) {
    r.Right -= GripShown() ? 14 : 2;
    r.Bottom -= 2;
  } else {
    r.Right -= 2;
    r.Bottom -= 3;
  }
  return r;
}

void TVevStrip::ClearButtons() {
  for (int i = buttons_.Count() - 1; i >= 0; --i) {
    auto* b = static_cast<TVevButton*>(buttons_.Items(i));
    buttons_.Delete(i);
    delete b;
  }
  buttons_.Clear();
}

void TVevStrip::CreateButtons() {
  if (vevDropDown_ == nullptr) return;
  ClearButtons();
  const int h = ButtonArea().Height();
  for (int i = 0; i < ItemCount(); ++i) {
    const TItemValues item = ItemValues(i);
    auto* b = new TVevButton(this);
    b->SetParent(this);
    b->SetAppearance(vevDropDown_->ButtonAppearance());
    b->SetCaption(item.Caption);
    b->SetImages(images_);
    b->SetImageIndex(item.ImageIndex);
    b->SetEnabled(item.Enabled);
    if (footer_) {
      b->SetVevDropDown(vevDropDown_);
      b->SetModalResult(item.ModalResult);
    }
    b->SizeToContent();
    if (item.Width > 0) b->SetWidth(item.Width);
    if (item.Height > 0) b->SetHeight(std::min(item.Height, h));
    b->SetTag(i);
    b->OnClick = [this](TObject* Sender) {
      if (auto* vb = dynamic_cast<TVevButton*>(Sender)) ReportClick(static_cast<int>(vb->Tag()));
    };
    buttons_.Add(b);
  }
  ArrangeButtons();
}

void TVevStrip::ArrangeButtons() {
  if (buttons_.Count() == 0) return;
  const TRect a = ButtonArea();
  const bool right = StripAppearance()->ButtonAlignment() == baRight;
  int x = right ? a.Right : a.Left;
  for (int i = 0; i < buttons_.Count(); ++i) {
    auto* b = static_cast<TVevButton*>(buttons_.Items(i));
    const int top = std::max(a.Top, (a.Bottom - b->Height()) / 2);
    if (right) {
      x -= b->Width();
      b->SetBounds(x, top, b->Width(), b->Height());
    } else {
      b->SetBounds(x, top, b->Width(), b->Height());
      x += b->Width();
    }
  }
}

void TVevStrip::UpdateButtons() {
  if (vevDropDown_ == nullptr) return;
  for (int i = 0; i < buttons_.Count(); ++i) {
    auto* b = static_cast<TVevButton*>(buttons_.Items(i));
    b->SetAppearance(vevDropDown_->ButtonAppearance());
    b->SetImages(images_);
    if (i < ItemCount()) {
      const TItemValues item = ItemValues(i);
      b->SetCaption(item.Caption);
      b->SetImageIndex(item.ImageIndex);
      b->SetEnabled(item.Enabled);
    }
    b->SetAutoSize(true);
  }
  ArrangeButtons();
}

void TVevStrip::WndProc(TMessage& Message) {
  TCustomControl::WndProc(Message);
  if (Message.Msg == WM_SIZE) ArrangeButtons();
}

void TVevStrip::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  if (OnDrawBackGround) {
    OnDrawBackGround(this, c, r);
    return;
  }
  const TStripAppearance* a = StripAppearance();
  if (a->ColorTo() != clNone) {
    DrawGradient(c, a->Color(), a->ColorTo(), 80, r, a->GradientDirection() == gdHorizontal);
  } else if (a->Color() != clNone) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(a->Color());
    c->FillRect(r);
  }
  const int bw = a->BorderWidth();
  if (a->BorderColor() != clNone && bw > 0) {
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(bw);
    c->Pen()->SetColor(a->BorderColor());
    // The edge that faces the content; the outer ones too when the pop-up
    // draws no border of its own.
    const int inner = footer_ ? r.Top : r.Bottom - 1;
    c->MoveTo(r.Left, inner);
    c->LineTo(r.Right, inner);
    const bool outer = vevDropDown_ == nullptr || vevDropDown_->DropDownBorderWidth() <= 0 ||
                       vevDropDown_->DropDownBorderColor() == clNone;
    if (outer) {
      const int edge = footer_ ? r.Bottom - 1 : r.Top;
      c->MoveTo(r.Left, edge);
      c->LineTo(r.Right, edge);
      c->MoveTo(r.Left, r.Top);
      c->LineTo(r.Left, r.Bottom);
      c->MoveTo(r.Right - 1, r.Top);
      c->LineTo(r.Right - 1, r.Bottom);
    }
    c->Pen()->SetWidth(1);
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(MixColors(a->BorderColor(), clWhite, 20));
    TRect o = r;
    if (footer_)
      o.Top += bw;
    else
      o.Bottom -= bw;
    c->Rectangle(o);
  }
  TRect t = r;
  InflateRect(t, -bw, -bw);
  if (a->ImageIndex() >= 0 && images_ != nullptr) {
    images_->Draw(c, t.Left + 4, t.Top + (t.Height() - images_->Height()) / 2, a->ImageIndex());
    t.Left += images_->Width() + 8;
  }
  std::string caption = a->Caption();
  if (OnGetText) OnGetText(this, caption);
  if (!caption.empty()) {
    if (buttons_.Count() > 0)
      t.Right = static_cast<TVevButton*>(buttons_.Items(buttons_.Count() - 1))->Left() - 2;
    c->Font()->Assign(a->Font());
    c->Brush()->SetStyle(bsClear);
    TMarkupParams mp;
    mp.ImageList = images_;
    mp.CheckHeight = true;
    TMarkupResult mr;
    DrawMarkup(c, caption, t, mp, mr);
    if (mr.YSize < t.Height()) t.Top += (t.Height() - mr.YSize) / 2;
    mp.CheckHeight = false;
    DrawMarkup(c, caption, t, mp, mr);
  }
  if (GripShown()) {
    const TRect g(r.Right - bw - 16, 1, r.Right - bw - 1, r.Bottom);
    const int L = g.Left, B = g.Bottom;
    const int dots[6][2] = {{4, 3}, {8, 3}, {12, 3}, {12, 7}, {12, 11}, {8, 7}};
    c->Pen()->SetStyle(psClear);
    c->Brush()->SetStyle(bsSolid);
    for (const auto& d : dots) {
      c->Brush()->SetColor(clWhite);
      const int dx = d[0] + 1, dy = d[1] - 1;
      c->FillRect(TRect(L + dx, B - dy - 2, L + dx + 2, B - dy));
    }
    for (const auto& d : dots) {
      c->Brush()->SetColor(a->BorderColor() != clNone ? a->BorderColor() : clBtnShadow);
      c->FillRect(TRect(L + d[0], B - d[1] - 2, L + d[0] + 2, B - d[1]));
    }
    c->Pen()->SetStyle(psSolid);
  }
}

// ---- Header ----

TVevHeader::TVevHeader(TComponent* AOwner)
    : TVevStrip(AOwner, false), appearance_(std::make_unique<THeaderAppearance>(this)) {
  appearance_->OnChange = [this](TObject* s) { AppearanceChanged(s); };
  appearance_->OnButtonListChange = [](TObject*) {};
}

TVevHeader::~TVevHeader() { ClearButtons(); }

THeaderButtons* TVevHeader::Buttons() const {
  return vevDropDown_ != nullptr ? vevDropDown_->DropDownHeader()->Buttons() : nullptr;
}

void TVevHeader::CopySettings() { appearance_->Assign(vevDropDown_->DropDownHeader()); }

int TVevHeader::ItemCount() const { return Buttons() != nullptr ? Buttons()->Count() : 0; }

TVevStrip::TItemValues TVevHeader::ItemValues(int Index) const {
  THeaderButton* b = Buttons()->Items(Index);
  return TItemValues{b->Caption(), b->ImageIndex(), b->Enabled(), b->Width(), b->Height(), mrNone};
}

void TVevHeader::ReportClick(int ButtonIndex) {
  if (vevDropDown_ != nullptr && vevDropDown_->OnDropDownHeaderButtonClick)
    vevDropDown_->OnDropDownHeaderButtonClick(vevDropDown_, ButtonIndex);
}

// ---- Footer ----

TVevFooter::TVevFooter(TComponent* AOwner)
    : TVevStrip(AOwner, true), appearance_(std::make_unique<TFooterAppearance>(this)) {
  appearance_->OnChange = [this](TObject* s) { AppearanceChanged(s); };
  appearance_->OnButtonListChange = [](TObject*) {};
}

TVevFooter::~TVevFooter() { ClearButtons(); }

TFooterButtons* TVevFooter::Buttons() const {
  return vevDropDown_ != nullptr ? vevDropDown_->DropDownFooter()->Buttons() : nullptr;
}

void TVevFooter::CopySettings() { appearance_->Assign(vevDropDown_->DropDownFooter()); }

int TVevFooter::ItemCount() const { return Buttons() != nullptr ? Buttons()->Count() : 0; }

TVevStrip::TItemValues TVevFooter::ItemValues(int Index) const {
  TFooterButton* b = Buttons()->Items(Index);
  return TItemValues{b->Caption(), b->ImageIndex(), b->Enabled(), b->Width(), b->Height(), b->ModalResult()};
}

void TVevFooter::ReportClick(int ButtonIndex) {
  if (vevDropDown_ != nullptr && vevDropDown_->OnDropDownFooterButtonClick)
    vevDropDown_->OnDropDownFooterButtonClick(vevDropDown_, ButtonIndex);
}

bool TVevFooter::GripShown() const {
  return appearance_->SizeGrip() && vevDropDown_ != nullptr && vevDropDown_->DropDownSizeable();
}

bool TVevFooter::InGripZone(int X, int Y) const { return X > Width() - 12 && Y > Height() - 15; }

void TVevFooter::RestoreCursor() {
  if (Screen != nullptr && Screen->Cursor() != savedCursor_) Screen->SetCursor(savedCursor_);
}

void TVevFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TVevStrip::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && GripShown() && Parent() != nullptr && InGripZone(X, Y)) {
    ReleaseCapture();
    // The pop-up sizes itself from its bottom-right corner.
    SendMessage(Parent()->Handle(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(HTBOTTOMRIGHT), 0);
  }
}

void TVevFooter::MouseMove(TShiftState Shift, int X, int Y) {
  TVevStrip::MouseMove(Shift, X, Y);
  if (Screen == nullptr) return;
  if (GripShown() && Parent() != nullptr && InGripZone(X, Y)) {
    if (Screen->Cursor() != crSizeNWSE) Screen->SetCursor(crSizeNWSE);
  } else {
    RestoreCursor();
  }
}

void TVevFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TVevStrip::MouseUp(Button, Shift, X, Y);
  RestoreCursor();
}

void TVevFooter::WndProc(TMessage& Message) {
  if (Message.Msg == CM_MOUSEENTER) {
    if (Screen != nullptr && Screen->Cursor() != crSizeNWSE) savedCursor_ = Screen->Cursor();
    TVevStrip::WndProc(Message);
    return;
  }
  TVevStrip::WndProc(Message);
  if (Message.Msg == CM_MOUSELEAVE) RestoreCursor();
}
