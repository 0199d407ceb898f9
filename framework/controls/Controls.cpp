#include "framework/controls/Controls.h"

#include <algorithm>
#include <cstring>

#include "framework/backend/Backend.h"
#include "framework/controls/ControlUtils.h"
#include "framework/controls/Forms.h"
#include "framework/controls/Menus.h"
#include "framework/graphics/Region.h"
#include "framework/rtl/StrUtils.h"

namespace {

TControl* gCaptureControl = nullptr;

int MulDivInt(int a, int b, int c) {
  if (c == 0) return 0;
  long long r = static_cast<long long>(a) * b;
  // Rounds half away from zero, as the platform's MulDiv.
  long long q = (r >= 0) == (c >= 0) ? (std::llabs(r) + std::llabs(c) / 2) / std::llabs(c)
                                     : -((std::llabs(r) + std::llabs(c) / 2) / std::llabs(c));
  return static_cast<int>(q);
}

char32_t UpperChar(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  return c;
}

}  // namespace

TMouse* Mouse = new TMouse();

// ---- Free helpers ----

TShiftState KeysToShiftState(WORD Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s << ssShift;
  if (Keys & MK_CONTROL) s << ssCtrl;
  if (Keys & MK_LBUTTON) s << ssLeft;
  if (Keys & MK_RBUTTON) s << ssRight;
  if (Keys & MK_MBUTTON) s << ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s << ssAlt;
  return s;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s << ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s << ssCtrl;
  if (KeyData & KF_ALTDOWN_BIT) s << ssAlt;
  return s;
}

TShiftState GetShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s << ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s << ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s << ssAlt;
  if (GetKeyState(VK_LBUTTON) < 0) s << ssLeft;
  if (GetKeyState(VK_RBUTTON) < 0) s << ssRight;
  if (GetKeyState(VK_MBUTTON) < 0) s << ssMiddle;
  return s;
}

char32_t GetHotkey(const std::string& Text) {
  size_t pos = 0;
  while (pos < Text.size()) {
    char32_t c = NextUtf8Char(Text, pos);
    if (c == '&' && pos < Text.size()) {
      char32_t n = NextUtf8Char(Text, pos);
      if (n != '&') return n;
    }
  }
  return 0;
}

bool IsAccel(char32_t Key, const std::string& Caption) {
  char32_t h = GetHotkey(Caption);
  return h != 0 && UpperChar(h) == UpperChar(Key);
}

std::string StripHotkey(const std::string& Text) {
  std::string out;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '&') {
      if (i + 1 < Text.size()) out += Text[++i];
      continue;
    }
    out += Text[i];
  }
  return out;
}

TWinControl* FindControl(HWND Handle) { return dynamic_cast<TWinControl*>(WindowOwner(Handle)); }

TControl* GetCaptureControl() {
  HWND cap = GetCapture();
  if (cap == 0) {
    gCaptureControl = nullptr;
    return nullptr;
  }
  if (gCaptureControl != nullptr && gCaptureControl->Parent() != nullptr &&
      gCaptureControl->Parent()->HandleAllocated() && gCaptureControl->Parent()->Handle() == cap)
    return gCaptureControl;
  return FindControl(cap);
}

void SetCaptureControl(TControl* Control) {
  ReleaseCapture();
  gCaptureControl = nullptr;
  if (Control == nullptr) return;
  if (auto* w = dynamic_cast<TWinControl*>(Control)) {
    SetCapture(w->Handle());
    return;
  }
  if (Control->Parent() == nullptr) return;
  gCaptureControl = Control;
  SetCapture(Control->Parent()->Handle());
}

TCustomForm* GetParentForm(TControl* Control, bool TopForm) {
  if (Control == nullptr) return nullptr;
  if (!TopForm) {
    for (TControl* c = Control; c != nullptr; c = c->Parent())
      if (auto* f = dynamic_cast<TCustomForm*>(c)) return f;
    return nullptr;
  }
  while (Control->Parent() != nullptr) Control = Control->Parent();
  return dynamic_cast<TCustomForm*>(Control);
}

TCustomForm* ValidParentForm(TControl* Control) {
  TCustomForm* f = GetParentForm(Control);
  if (f == nullptr) throw EInvalidOperation("Control '" + Control->Name() + "' has no parent window");
  return f;
}

bool InvalidateRect(HWND Wnd, const TRect* R, bool Erase) {
  TWinControl* c = FindControl(Wnd);
  if (c == nullptr) return false;
  c->InvalidateRect(R, Erase);
  return true;
}

// ---- TSizeConstraints ----

void TSizeConstraints::Assign(TPersistent* Source) {
  if (auto* s = dynamic_cast<TSizeConstraints*>(Source)) {
    minWidth_ = s->minWidth_;
    minHeight_ = s->minHeight_;
    maxWidth_ = s->maxWidth_;
    maxHeight_ = s->maxHeight_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}
void TSizeConstraints::SetMinWidth(int Value) {
  if (Value == minWidth_) return;
  minWidth_ = Value;
  if (maxWidth_ > 0 && maxWidth_ < minWidth_) maxWidth_ = minWidth_;
  Changed();
}
void TSizeConstraints::SetMinHeight(int Value) {
  if (Value == minHeight_) return;
  minHeight_ = Value;
  if (maxHeight_ > 0 && maxHeight_ < minHeight_) maxHeight_ = minHeight_;
  Changed();
}
void TSizeConstraints::SetMaxWidth(int Value) {
  if (Value == maxWidth_) return;
  maxWidth_ = Value;
  if (maxWidth_ > 0 && minWidth_ > maxWidth_) minWidth_ = maxWidth_;
  Changed();
}
void TSizeConstraints::SetMaxHeight(int Value) {
  if (Value == maxHeight_) return;
  maxHeight_ = Value;
  if (maxHeight_ > 0 && minHeight_ > maxHeight_) minHeight_ = maxHeight_;
  Changed();
}
void TSizeConstraints::Changed() {
  if (OnChange) OnChange(this);
}

// ---- TControlCanvas ----

void TControlCanvas::BeginDC(TCanvas* DC) {
  if (DC == nullptr) return;
  AttachPainter(DC->ActivePainter());
  SetWindowOrg(DC->WindowOrg());
  SelectClipRegion(DC->ClipRegion());
}

void TControlCanvas::EndDC() {
  SelectClipRegion(nullptr);
  SetWindowOrg(TPoint());
  DetachPainter();
}

void TControlCanvas::PaintThrough(TCanvas* DC, bool Locked, const std::function<void()>& Paint) {
  if (Locked) Lock();
  BeginDC(DC);
  auto end = [&] {
    EndDC();
    if (Locked) Unlock();
    DC->Refresh();
  };
  try {
    Paint();
  } catch (...) {
    end();
    throw;
  }
  end();
}

// ---- TMouse ----

TPoint TMouse::CursorPos() const { return ::CursorPos(); }
void TMouse::SetCursorPos(const TPoint& P) { ::SetCursorPos(P.X, P.Y); }
int TMouse::WheelScrollLines() const {
  IBackend* b = Backend();
  return b ? b->WheelScrollLines() : 3;
}

// ---- TControl ----

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), font_(std::make_unique<TFont>()) {
  controlStyle_ = TControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  font_->OnChange = [this](TObject* s) { FontChanged(s); };
  constraints_.OnChange = [this](TObject* s) { ConstraintsChanged(s); };
  WindowProc = [this](TMessage& m) { WndProc(m); };
}

TControl::~TControl() {
  SetComponentStateFlag(csDestroying, true);
  if (Application != nullptr) Application->ForgetControl(this);
  if (gCaptureControl == this) {
    gCaptureControl = nullptr;
    ReleaseCapture();
  }
  if (parent_ != nullptr) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
  if (parent_ == AParent) return;
  if (AParent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  for (TWinControl* p = AParent; p != nullptr; p = p->Parent())
    if (p == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (AParent != nullptr) AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  DoSetBounds(ALeft, ATop, AWidth, AHeight);
}

void TControl::DoSetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (AWidth < 0) AWidth = 0;
  if (AHeight < 0) AHeight = 0;
  if (!CanResize(AWidth, AHeight)) {
    AWidth = width_;
    AHeight = height_;
  }
  DoConstraints(AWidth, AHeight);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  bool sized = AWidth != width_ || AHeight != height_;
  Invalidate();  // the old place, for graphic controls
  UpdateBoundsRect(TRect(ALeft, ATop, ALeft + AWidth, ATop + AHeight));
  UpdateAnchorRules();
  Invalidate();
  if (sized) {
    if (auto* w = dynamic_cast<TWinControl*>(this))
      w->Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(w->ClientWidth(), w->ClientHeight()));
    else
      Resize();
  }
  RequestAlign();
}

void TControl::UpdateBoundsRect(const TRect& R) {
  left_ = R.Left;
  top_ = R.Top;
  width_ = R.Width();
  height_ = R.Height();
}

bool TControl::CanResize(int& NewWidth, int& NewHeight) {
  bool ok = true;
  if (OnCanResize) OnCanResize(this, NewWidth, NewHeight, ok);
  return ok;
}

bool TControl::CanAutoSize(int&, int&) { return false; }

void TControl::DoConstraints(int& W, int& H) const {
  if (constraints_.MaxWidth() > 0 && W > constraints_.MaxWidth()) W = constraints_.MaxWidth();
  if (constraints_.MinWidth() > 0 && W < constraints_.MinWidth()) W = constraints_.MinWidth();
  if (constraints_.MaxHeight() > 0 && H > constraints_.MaxHeight()) H = constraints_.MaxHeight();
  if (constraints_.MinHeight() > 0 && H < constraints_.MinHeight()) H = constraints_.MinHeight();
}

void TControl::ConstraintsChanged(TObject*) { SetBounds(left_, top_, width_, height_); }

void TControl::AdjustSize() {
  int w = width_, h = height_;
  if (CanAutoSize(w, h)) SetBounds(left_, top_, w, h);
}

void TControl::SetAutoSize(bool Value) {
  if (autoSize_ == Value) return;
  autoSize_ = Value;
  if (Value) AdjustSize();
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::RequestAlign() {
  if (parent_ != nullptr) parent_->AlignControl(this);
}

void TControl::UpdateAnchorRules() {
  if (anchorMove_ || ComponentState().Contains(csLoading)) return;
  if (anchors_ == TAnchors{akLeft, akTop}) {
    originalParentSize_ = TPoint();
    return;
  }
  if (anchors_.Contains(akRight))
    anchorRules_.X = anchors_.Contains(akLeft) ? width_ : left_;
  else
    anchorRules_.X = left_ + width_ / 2;
  if (anchors_.Contains(akBottom))
    anchorRules_.Y = anchors_.Contains(akTop) ? height_ : top_;
  else
    anchorRules_.Y = top_ + height_ / 2;
  if (parent_ != nullptr) {
    TRect r = parent_->ClientRect();
    originalParentSize_ = TPoint(r.Right, r.Bottom);
  }
}

void TControl::SetAlign(TAlign Value) {
  if (align_ == Value) return;
  TAlign old = align_;
  align_ = Value;
  anchors_ = Value == alNone ? (old == alNone ? anchors_ : TAnchors{akLeft, akTop}) : anchors_;
  switch (Value) {
    case alTop:
      anchors_ = TAnchors{akLeft, akTop, akRight};
      break;
    case alBottom:
      anchors_ = TAnchors{akLeft, akRight, akBottom};
      break;
    case alLeft:
      anchors_ = TAnchors{akLeft, akTop, akBottom};
      break;
    case alRight:
      anchors_ = TAnchors{akRight, akTop, akBottom};
      break;
    case alClient:
      anchors_ = TAnchors{akLeft, akTop, akRight, akBottom};
      break;
    default:
      break;
  }
  RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
  if (anchors_ == Value) return;
  anchors_ = Value;
  UpdateAnchorRules();
}

TRect TControl::GetClientRect() const { return TRect(0, 0, width_, height_); }

TPoint TControl::GetClientOrigin() const {
  if (parent_ == nullptr) return TPoint(left_, top_);
  TPoint p = parent_->ClientOrigin();
  return TPoint(p.X + left_, p.Y + top_);
}

void TControl::SetClientSize(const TPoint& Value) {
  TRect c = ClientRect();
  SetBounds(left_, top_, width_ - c.Right + Value.X, height_ - c.Bottom + Value.Y);
}

TPoint TControl::ClientToScreen(const TPoint& P) const {
  TPoint o = ClientOrigin();
  return TPoint(P.X + o.X, P.Y + o.Y);
}

TPoint TControl::ScreenToClient(const TPoint& P) const {
  TPoint o = ClientOrigin();
  return TPoint(P.X - o.X, P.Y - o.Y);
}

TPoint TControl::ClientToParent(const TPoint& P, TWinControl* AParent) const {
  if (AParent == nullptr) AParent = parent_;
  if (AParent == nullptr) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  TPoint r = P;
  const TControl* c = this;
  while (c != nullptr && c != AParent) {
    r.X += c->left_;
    r.Y += c->top_;
    c = c->parent_;
  }
  if (c == nullptr) throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  return r;
}

TPoint TControl::ParentToClient(const TPoint& P, TWinControl* AParent) const {
  TPoint o = ClientToParent(TPoint(), AParent);
  return TPoint(P.X - o.X, P.Y - o.Y);
}

void TControl::SetVisible(bool Value) {
  if (visible_ == Value) return;
  VisibleChanging();
  visible_ = Value;
  Perform(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
  RequestAlign();
}

void TControl::Show() {
  if (parent_ != nullptr) {
    // Showing a control shows the parents it needs, except a form.
    if (!dynamic_cast<TCustomForm*>(parent_)) parent_->Show();
  }
  SetVisible(true);
}

void TControl::Hide() { SetVisible(false); }

bool TControl::IsShowing() const {
  if (!visible_) return false;
  if (auto* w = dynamic_cast<const TWinControl*>(this)) return w->Showing();
  return parent_ != nullptr && parent_->Showing();
}

void TControl::SetEnabled(bool Value) {
  if (enabled_ == Value) return;
  enabled_ = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::FontChanged(TObject*) {
  if (inFontChange_) return;
  parentFont_ = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
  if (parentFont_ == Value) return;
  parentFont_ = Value;
  if (Value && parent_ != nullptr) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
  if (color_ == Value) return;
  color_ = Value;
  parentColor_ = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (parentColor_ == Value) return;
  parentColor_ = Value;
  if (Value && parent_ != nullptr) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::SetText(const std::string& Value) {
  if (GetText() == Value) return;
  SetTextValue(Value);
}

void TControl::SetTextValue(const std::string& Value) {
  Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Value.c_str()));
  Perform(CM_TEXTCHANGED, 0, 0);
}

std::string TControl::GetText() const {
  auto* self = const_cast<TControl*>(this);
  LRESULT n = self->Perform(WM_GETTEXTLENGTH, 0, 0);
  if (n <= 0) return std::string();
  std::string buf(static_cast<size_t>(n) + 1, '\0');
  LRESULT got = self->Perform(WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()));
  buf.resize(static_cast<size_t>(std::max<LRESULT>(got, 0)));
  return buf;
}

int TControl::GetTextLen() const { return static_cast<int>(GetText().size()); }

namespace {
// Children that take their parent's ShowHint pass it on to theirs.
void TellChildrenShowHint(TControl* Control) {
  if (auto* w = dynamic_cast<TWinControl*>(Control))
    for (int i = 0; i < w->ControlCount(); ++i) w->Controls(i)->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}
}  // namespace

void TControl::SetShowHint(bool Value) {
  if (showHint_ == Value && !parentShowHint_) return;
  showHint_ = Value;
  parentShowHint_ = false;
  TellChildrenShowHint(this);
}

void TControl::SetParentShowHint(bool Value) {
  if (parentShowHint_ == Value) return;
  parentShowHint_ = Value;
  if (Value && parent_ != nullptr) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value) {
  if (cursor_ == Value) return;
  cursor_ = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
  if (biDiMode_ == Value) return;
  biDiMode_ = Value;
  parentBiDiMode_ = false;
  Perform(CM_BIDIMODECHANGED, 0, 0);
  if (auto* w = dynamic_cast<TWinControl*>(this))
    for (int i = 0; i < w->ControlCount(); ++i) w->Controls(i)->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
  Invalidate();
}

void TControl::SetParentBiDiMode(bool Value) {
  if (parentBiDiMode_ == Value) return;
  parentBiDiMode_ = Value;
  if (Value && parent_ != nullptr) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (popupMenu_ == Value) return;
  if (popupMenu_ != nullptr) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = Value;
  if (popupMenu_ != nullptr) popupMenu_->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && popupMenu_ != nullptr && static_cast<TComponent*>(popupMenu_) == AComponent)
    popupMenu_ = nullptr;
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
  if (MouseCapture() == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

void TControl::Invalidate() {
  if (parent_ != nullptr && visible_) {
    TRect r = BoundsRect();
    parent_->InvalidateRect(&r, true);
  }
}

void TControl::Update() {
  if (parent_ != nullptr) parent_->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (parent_ == nullptr) {
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->Peer()) w->Peer()->BringToFront();
    return;
  }
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.push_back(this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->Peer()) w->Peer()->BringToFront();
  Invalidate();
}

void TControl::SendToBack() {
  if (parent_ == nullptr) {
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->Peer()) w->Peer()->SendToBack();
    return;
  }
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.insert(list.begin(), this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->Peer()) w->Peer()->SendToBack();
  Invalidate();
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  if (WindowProc)
    WindowProc(m);
  else
    WndProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& Message) {
  UINT msg = Message.Msg;
  if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL && msg != WM_MOUSEHWHEEL) {
    if (!controlStyle_.Contains(csDoubleClicks) &&
        (msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK))
      Message.Msg = msg = msg - (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN);
    switch (msg) {
      case WM_MOUSEMOVE:
        if (Application) Application->HintMouseMessage(this, Message);
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        controlState_ << csLButtonDown;
        break;
      case WM_LBUTTONUP:
        controlState_ >> csLButtonDown;
        break;
      default:
        break;
    }
  }
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      WMLButtonDown(Message);
      break;
    case WM_LBUTTONDBLCLK:
      WMLButtonDblClk(Message);
      break;
    case WM_LBUTTONUP:
      WMLButtonUp(Message);
      break;
    case WM_RBUTTONDOWN:
      WMRButtonDown(Message);
      break;
    case WM_RBUTTONDBLCLK:
      WMRButtonDblClk(Message);
      break;
    case WM_RBUTTONUP:
      WMRButtonUp(Message);
      break;
    case WM_MBUTTONDOWN:
      WMMButtonDown(Message);
      break;
    case WM_MBUTTONDBLCLK:
      WMMButtonDblClk(Message);
      break;
    case WM_MBUTTONUP:
      WMMButtonUp(Message);
      break;
    case WM_MOUSEMOVE:
      WMMouseMove(Message);
      break;
    case WM_MOUSEWHEEL:
      WMMouseWheel(Message);
      break;
    case WM_CONTEXTMENU:
      WMContextMenu(Message);
      break;
    case WM_CANCELMODE:
      WMCancelMode(Message);
      break;
    case CM_MOUSEWHEEL:
      CMMouseWheel(Message);
      break;
    case CM_ENABLEDCHANGED:
      CMEnabledChanged(Message);
      break;
    case CM_VISIBLECHANGED:
      CMVisibleChanged(Message);
      break;
    case CM_FONTCHANGED:
      CMFontChanged(Message);
      break;
    case CM_COLORCHANGED:
      CMColorChanged(Message);
      break;
    case CM_PARENTFONTCHANGED:
      CMParentFontChanged(Message);
      break;
    case CM_PARENTCOLORCHANGED:
      CMParentColorChanged(Message);
      break;
    case CM_PARENTSHOWHINTCHANGED:
      CMParentShowHintChanged(Message);
      break;
    case CM_PARENTBIDIMODECHANGED:
      CMParentBiDiModeChanged(Message);
      break;
    case CM_TEXTCHANGED:
      CMTextChanged(Message);
      break;
    case CM_MOUSEENTER:
      CMMouseEnter(Message);
      break;
    case CM_MOUSELEAVE:
      CMMouseLeave(Message);
      break;
    case CM_HITTEST:
      CMHitTest(Message);
      break;
    case CM_HINTSHOW:
      CMHintShow(Message);
      break;
    case CM_CURSORCHANGED:
      CMCursorChanged(Message);
      break;
    default:
      DefaultHandler(Message);
      break;
  }
}

void TControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETTEXT: {
      const char* s = reinterpret_cast<const char*>(Message.LParam);
      text_ = s != nullptr ? s : "";
      Message.Result = 1;
      break;
    }
    case WM_GETTEXT: {
      size_t cap = static_cast<size_t>(Message.WParam);
      char* buf = reinterpret_cast<char*>(Message.LParam);
      if (buf == nullptr || cap == 0) {
        Message.Result = 0;
        break;
      }
      size_t n = std::min(cap - 1, text_.size());
      std::memcpy(buf, text_.data(), n);
      buf[n] = 0;
      Message.Result = static_cast<LRESULT>(n);
      break;
    }
    case WM_GETTEXTLENGTH:
      Message.Result = static_cast<LRESULT>(text_.size());
      break;
    default:
      break;
  }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::DoMouseDown(TMessage& Message, TMouseButton Button, TShiftState Shift) {
  if (controlStyle_.Contains(csNoStdEvents)) return;
  MouseDown(Button, KeysToShiftState(static_cast<WORD>(Message.WParam)) + Shift, Message.XPos(),
            Message.YPos());
}

void TControl::DoMouseUp(TMessage& Message, TMouseButton Button) {
  if (controlStyle_.Contains(csNoStdEvents)) return;
  MouseUp(Button, KeysToShiftState(static_cast<WORD>(Message.WParam)), Message.XPos(), Message.YPos());
}

void TControl::WMLButtonDown(TMessage& Message) {
  DefaultHandler(Message);
  if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (controlStyle_.Contains(csClickEvents)) controlState_ << csClicked;
  DoMouseDown(Message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TMessage& Message) {
  DefaultHandler(Message);
  if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (controlStyle_.Contains(csClickEvents)) DblClick();
  DoMouseDown(Message, mbLeft, {ssDouble});
}

void TControl::WMLButtonUp(TMessage& Message) {
  DefaultHandler(Message);
  if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (controlState_.Contains(csClicked)) {
    controlState_ >> csClicked;
    if (PtInRect(ClientRect(), TPoint(Message.XPos(), Message.YPos()))) Click();
  }
  DoMouseUp(Message, mbLeft);
}

void TControl::WMRButtonDown(TMessage& Message) {
  DefaultHandler(Message);
  DoMouseDown(Message, mbRight, {});
}
void TControl::WMRButtonDblClk(TMessage& Message) {
  DefaultHandler(Message);
  DoMouseDown(Message, mbRight, {ssDouble});
}
void TControl::WMRButtonUp(TMessage& Message) {
  DefaultHandler(Message);
  DoMouseUp(Message, mbRight);
  // The platform asks for a context menu after a right release.
  if (Message.Result == 0) {
    TPoint s = ClientToScreen(TPoint(Message.XPos(), Message.YPos()));
    Perform(WM_CONTEXTMENU, 0, MakeLParam(s.X, s.Y));
  }
}
void TControl::WMMButtonDown(TMessage& Message) {
  DefaultHandler(Message);
  DoMouseDown(Message, mbMiddle, {});
}
void TControl::WMMButtonDblClk(TMessage& Message) {
  DefaultHandler(Message);
  DoMouseDown(Message, mbMiddle, {ssDouble});
}
void TControl::WMMButtonUp(TMessage& Message) {
  DefaultHandler(Message);
  DoMouseUp(Message, mbMiddle);
}

void TControl::WMMouseMove(TMessage& Message) {
  DefaultHandler(Message);
  if (controlStyle_.Contains(csNoStdEvents)) return;
  MouseMove(KeysToShiftState(static_cast<WORD>(Message.WParam)), Message.XPos(), Message.YPos());
}

void TControl::WMContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  TPoint screen(Message.XPos(), Message.YPos());
  TPoint client = ScreenToClient(screen);
  bool handled = false;
  if (OnContextPopup) OnContextPopup(this, client, handled);
  if (handled) {
    Message.Result = 1;
    return;
  }
  if (popupMenu_ != nullptr) {
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(screen.X, screen.Y);
    Message.Result = 1;
    return;
  }
  if (parent_ != nullptr) Message.Result = parent_->Perform(WM_CONTEXTMENU, Message.WParam, Message.LParam);
}

void TControl::WMCancelMode(TMessage&) {
  if (MouseCapture()) {
    SetMouseCapture(false);
    if (controlState_.Contains(csLButtonDown)) Perform(WM_LBUTTONUP, 0, MakeLParam(-1, -1));
  }
}

void TControl::WMMouseWheel(TMessage& Message) {
  Message.Result = 0;
  MouseWheelHandler(Message);
  // Nobody took it: the window's own scrolling.
  if (Message.Result == 0) DefaultHandler(Message);
}

void TControl::MouseWheelHandler(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form != nullptr && static_cast<TControl*>(form) != this) {
    static_cast<TControl*>(form)->MouseWheelHandler(Message);
    return;
  }
  Message.Result = Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

void TControl::CMMouseWheel(TMessage& Message) {
  int delta = static_cast<int16_t>(Message.WParamHi());
  TShiftState shift = KeysToShiftState(Message.WParamLo());
  TPoint pos(Message.XPos(), Message.YPos());
  Message.Result = 0;
  if (DoMouseWheel(shift, delta, pos))
    Message.Result = 1;
  else if (parent_ != nullptr)
    Message.Result = parent_->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  if (!handled) {
    if (WheelDelta < 0)
      handled = DoMouseWheelDown(Shift, MousePos);
    else if (WheelDelta > 0)
      handled = DoMouseWheelUp(Shift, MousePos);
  }
  return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMVisibleChanged(TMessage&) {
  // A graphic control shows or hides by its parent repainting the area.
  if (parent_ != nullptr) {
    TRect r = BoundsRect();
    parent_->InvalidateRect(&r, true);
  }
}

void TControl::CMFontChanged(TMessage&) {
  if (autoSize_) AdjustSize();
  Invalidate();
}

void TControl::CMColorChanged(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage& Message) {
  if (!parentFont_) return;
  TFont* src = Message.WParam != 0 ? reinterpret_cast<TFont*>(Message.LParam)
                                   : (parent_ != nullptr ? parent_->Font() : nullptr);
  if (src == nullptr) return;
  inFontChange_ = true;
  font_->Assign(src);
  inFontChange_ = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::CMParentColorChanged(TMessage& Message) {
  if (!parentColor_) return;
  TColor c = Message.WParam != 0 ? static_cast<TColor>(Message.LParam)
                                 : (parent_ != nullptr ? parent_->Color() : color_);
  if (c != color_) {
    color_ = c;
    Perform(CM_COLORCHANGED, 0, 0);
  }
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!parentShowHint_ || parent_ == nullptr) return;
  showHint_ = parent_->ShowHint();
  TellChildrenShowHint(this);
}

void TControl::CMParentBiDiModeChanged(TMessage&) {
  if (parentBiDiMode_ && parent_ != nullptr && biDiMode_ != parent_->BiDiMode()) {
    biDiMode_ = parent_->BiDiMode();
    Perform(CM_BIDIMODECHANGED, 0, 0);
    Invalidate();
  }
}

void TControl::CMMouseEnter(TMessage& Message) {
  if (parent_ != nullptr) parent_->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
  if (Message.LParam == 0 && OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage& Message) {
  if (parent_ != nullptr) parent_->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
  if (Message.LParam == 0 && OnMouseLeave) OnMouseLeave(this);
}

void TControl::CMCursorChanged(TMessage&) {
  // The new cursor shows at once when the mouse is over the control.
  if (Application != nullptr && Application->MouseControl() == this) {
    for (TControl* c = this; c != nullptr; c = c->Parent())
      if (auto* w = dynamic_cast<TWinControl*>(c)) {
        if (w->HandleAllocated()) w->Perform(WM_SETCURSOR, w->Handle(), MakeLParam(HTCLIENT, WM_MOUSEMOVE));
        break;
      }
  }
}

void TControl::ChangeScale(int M, int D) {
  if (M == D) return;
  SetBounds(MulDivInt(left_, M, D), MulDivInt(top_, M, D), MulDivInt(width_, M, D), MulDivInt(height_, M, D));
  if (!parentFont_) font_->SetSize(MulDivInt(font_->Size(), M, D));
}

void TControl::Loaded() {
  TComponent::Loaded();
  UpdateAnchorRules();
  if (autoSize_) AdjustSize();
}

void TControl::PaintForGrab(TCanvas*) {}

std::unique_ptr<TBitmap> TControl::GrabToBitmap() {
  auto* win = dynamic_cast<TWinControl*>(this);
  bool form = dynamic_cast<TCustomForm*>(this) != nullptr;
  TRect client = ClientRect();
  int w = form ? client.Right : width_;
  int h = form ? client.Bottom : height_;
  auto bmp = std::make_unique<TBitmap>(std::max(w, 0), std::max(h, 0));
  if (w <= 0 || h <= 0) return bmp;
  TCanvas* dc = bmp->Canvas();
  if (win != nullptr) {
    TRect ins = win->NonClientInsets();
    if (form)
      win->PaintTo(dc, -ins.Left, -ins.Top);
    else
      win->PaintTo(dc, 0, 0);
  } else {
    PaintForGrab(dc);
  }
  return bmp;
}

void TControl::GrabToPng(const std::string& FileName) { GrabToBitmap()->SaveToPngFile(FileName); }

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner), brush_(std::make_unique<TBrush>()) {
  brush_->SetColor(Color());
  brush_->OnChange = [this](TObject* s) { BrushChanged(s); };
}

TWinControl::~TWinControl() {
  SetComponentStateFlag(csDestroying, true);
  if (Parent() != nullptr) {
    if (TCustomForm* f = GetParentForm(this)) f->DefocusControl(this, true);
    Parent()->RemoveControl(this);
  }
  DestroyHandle();
  // Children go with their parent, whoever owns them.
  while (!controls_.empty()) {
    TControl* c = controls_.back();
    RemoveControl(c);
    delete c;
  }
}

void TWinControl::BrushChanged(TObject*) {}

TControl* TWinControl::Controls(int Index) const {
  if (Index < 0 || Index >= ControlCount())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return controls_[static_cast<size_t>(Index)];
}

void TWinControl::InsertControl(TControl* AControl) {
  if (AControl == nullptr) return;
  AControl->SetParentComponentDirect(this);
  InsertIntoLists(AControl);
  if (!AControl->ComponentState().Contains(csReading)) {
    AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
    AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
    AControl->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
      w->Perform(CM_PARENTCTL3DCHANGED, 0, 0);
      w->UpdateControlState();
    } else if (HandleAllocated()) {
      AControl->Invalidate();
    }
  }
  AControl->UpdateAnchorRules();
  AlignControl(AControl);
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (AControl == nullptr || AControl->Parent() != this) return;
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    if (TCustomForm* f = GetParentForm(this)) f->DefocusControl(w, true);
    w->DestroyHandle();
    w->showing_ = false;
  } else if (HandleAllocated()) {
    AControl->Invalidate();
  }
  if (Application != nullptr) Application->ForgetControl(AControl);
  if (gCaptureControl == AControl) SetCaptureControl(nullptr);
  RemoveFromLists(AControl);
  AControl->SetParentComponentDirect(nullptr);
  if (!ComponentState().Contains(csDestroying)) Realign();
}

void TWinControl::InsertIntoLists(TControl* AControl) {
  controls_.push_back(AControl);
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) tabList_.push_back(w);
}

void TWinControl::RemoveFromLists(TControl* AControl) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), AControl), controls_.end());
  // By address: a control being destroyed no longer knows it is windowed.
  tabList_.erase(std::remove_if(tabList_.begin(), tabList_.end(),
                                [AControl](TWinControl* w) { return static_cast<TControl*>(w) == AControl; }),
                 tabList_.end());
}

bool TWinControl::ContainsControl(TControl* Control) const {
  while (Control != nullptr && Control != this) Control = Control->Parent();
  return Control == this;
}

TControl* TWinControl::ControlAtPos(const TPoint& P, bool AllowDisabled, bool AllowWinControls,
                                    bool AllLevels) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    bool win = dynamic_cast<TWinControl*>(c) != nullptr;
    if (win && !AllowWinControls) continue;
    if (!c->Visible() || (!AllowDisabled && !c->Enabled())) continue;
    TPoint local(P.X - c->Left(), P.Y - c->Top());
    if (!PtInRect(TRect(0, 0, c->Width(), c->Height()), local)) continue;
    if (c->Perform(CM_HITTEST, 0, MakeLParam(local.X, local.Y)) == 0) continue;
    if (AllLevels && win) {
      auto* w = static_cast<TWinControl*>(c);
      TRect ins = w->NonClientInsets();
      TControl* inner =
          w->ControlAtPos(TPoint(local.X - ins.Left, local.Y - ins.Top), AllowDisabled, true, true);
      if (inner != nullptr) return inner;
    }
    return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  // A copy: handlers may add or remove controls.
  std::vector<TControl*> list = controls_;
  for (TControl* c : list) {
    if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
    c->WindowProc ? c->WindowProc(Message) : c->WndProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::DisableAlign() { ++alignLevel_; }

void TWinControl::EnableAlign() {
  if (alignLevel_ > 0) --alignLevel_;
  if (alignLevel_ == 0 && controlState_.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::BeginLoading() {
  TControl::BeginLoading();
  if (alignHeldForReading_) return;
  alignHeldForReading_ = true;
  DisableAlign();
}

void TWinControl::EndReading() {
  TControl::EndReading();
  if (!alignHeldForReading_) return;
  alignHeldForReading_ = false;
  EnableAlign();
}

void TWinControl::AlignControl(TControl* AControl) {
  if (ComponentState().Contains(csDestroying)) return;
  if (alignLevel_ != 0) {
    controlState_ << csAlignmentNeeded;
    return;
  }
  // Aligning can change the client area under the children (a scroll bar
  // comes or goes); such a change asks for another pass, so the children
  // end up fitting the final area. A few passes settle any layout.
  for (int pass = 0; pass < 4; ++pass) {
    DisableAlign();
    controlState_ << csAligning;
    controlState_ >> csAlignmentNeeded;
    try {
      TRect r = GetClientRect();
      AlignControls(pass == 0 ? AControl : nullptr, r);
    } catch (...) {
      controlState_ >> csAligning;
      controlState_ >> csAlignmentNeeded;
      --alignLevel_;
      throw;
    }
    controlState_ >> csAligning;
    --alignLevel_;
    if (!controlState_.Contains(csAlignmentNeeded)) break;
  }
  controlState_ >> csAlignmentNeeded;
}

void TWinControl::AdjustClientRect(TRect& Rect) { InflateRect(Rect, -borderWidth_, -borderWidth_); }

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  AdjustClientRect(Rect);
  // Most windows hold only unaligned controls that keep their place, and
  // each of their moves asks for a pass: with nothing to place, it ends here.
  bool anyToPlace = false;
  for (TControl* c : controls_)
    if (c->Align() != alNone ? c->Visible()
                             : c->originalParentSize_.X != 0 && c->originalParentSize_.Y != 0) {
      anyToPlace = true;
      break;
    }
  if (!anyToPlace) return;
  auto anchorAlign = [](TAlign a) -> TAnchors {
    switch (a) {
      case alTop:
        return TAnchors{akLeft, akTop, akRight};
      case alBottom:
        return TAnchors{akLeft, akRight, akBottom};
      case alLeft:
        return TAnchors{akLeft, akTop, akBottom};
      case alRight:
        return TAnchors{akRight, akTop, akBottom};
      case alClient:
        return TAnchors{akLeft, akTop, akRight, akBottom};
      default:
        return TAnchors{akLeft, akTop};
    }
  };
  auto insertBefore = [](TControl* c1, TControl* c2, TAlign a) {
    switch (a) {
      case alTop:
        return c1->Top() < c2->Top();
      case alBottom:
        return c1->Top() + c1->Height() >= c2->Top() + c2->Height();
      case alLeft:
        return c1->Left() < c2->Left();
      case alRight:
        return c1->Left() + c1->Width() >= c2->Left() + c2->Width();
      default:
        return false;
    }
  };
  // The client size anchored children follow, asked once per pass (it
  // costs a look at the window styles) and again only if our size changed.
  TPoint clientSize;
  TPoint clientSizeFor(-1, -1);
  auto parentSize = [&] {
    if (clientSizeFor != TPoint(Width(), Height())) {
      TRect pc = GetClientRect();
      clientSize = TPoint(pc.Right, pc.Bottom);
      clientSizeFor = TPoint(Width(), Height());
    }
    return clientSize;
  };
  auto doPosition = [&](TControl* c, TAlign a) {
    if (a == alNone || c->Anchors() != anchorAlign(a)) {
      if (c->originalParentSize_.X != 0 && c->originalParentSize_.Y != 0) {
        int nl = c->Left(), nt = c->Top(), nw = c->Width(), nh = c->Height();
        TPoint ps = parentSize();
        TAnchors an = c->Anchors();
        if (an.Contains(akRight)) {
          if (an.Contains(akLeft))
            nw = ps.X - (c->originalParentSize_.X - c->anchorRules_.X);
          else
            nl = ps.X - (c->originalParentSize_.X - c->anchorRules_.X);
        } else if (!an.Contains(akLeft)) {
          nl = MulDivInt(c->anchorRules_.X, ps.X, c->originalParentSize_.X) - nw / 2;
        }
        if (an.Contains(akBottom)) {
          if (an.Contains(akTop))
            nh = ps.Y - (c->originalParentSize_.Y - c->anchorRules_.Y);
          else
            nt = ps.Y - (c->originalParentSize_.Y - c->anchorRules_.Y);
        } else if (!an.Contains(akTop)) {
          nt = MulDivInt(c->anchorRules_.Y, ps.Y, c->originalParentSize_.Y) - nh / 2;
        }
        c->anchorMove_ = true;
        try {
          c->SetBounds(nl, nt, nw, nh);
        } catch (...) {
          c->anchorMove_ = false;
          throw;
        }
        c->anchorMove_ = false;
      }
      if (a == alNone) return;
    }
    int nw = Rect.Right - Rect.Left;
    if (nw < 0 || a == alLeft || a == alRight || a == alCustom) nw = c->Width();
    int nh = Rect.Bottom - Rect.Top;
    if (nh < 0 || a == alTop || a == alBottom || a == alCustom) nh = c->Height();
    int nl = Rect.Left, nt = Rect.Top;
    switch (a) {
      case alTop:
        Rect.Top += nh;
        break;
      case alBottom:
        Rect.Bottom -= nh;
        nt = Rect.Bottom;
        break;
      case alLeft:
        Rect.Left += nw;
        break;
      case alRight:
        Rect.Right -= nw;
        nl = Rect.Right;
        break;
      default:
        break;
    }
    c->anchorMove_ = true;
    try {
      c->SetBounds(nl, nt, nw, nh);
    } catch (...) {
      c->anchorMove_ = false;
      throw;
    }
    c->anchorMove_ = false;
    // The control may not have taken the size it was given.
    if (c->Width() != nw || c->Height() != nh) {
      switch (a) {
        case alTop:
          Rect.Top -= nh - c->Height();
          break;
        case alBottom:
          Rect.Bottom += nh - c->Height();
          break;
        case alLeft:
          Rect.Left -= nw - c->Width();
          break;
        case alRight:
          Rect.Right += nw - c->Width();
          break;
        case alClient:
          Rect.Right += c->Width() - nw;
          Rect.Bottom += c->Height() - nh;
          break;
        default:
          break;
      }
    }
  };
  std::vector<TControl*> list;
  auto doAlign = [&](TAlign a) {
    list.clear();
    if (AControl != nullptr && AControl->Parent() == this && (a == alNone || AControl->Visible()) &&
        AControl->Align() == a)
      list.push_back(AControl);
    // Only the sides order their controls; the others keep the z-order, and
    // an unaligned control moves only when its anchors follow our size.
    const bool ordered = a == alTop || a == alBottom || a == alLeft || a == alRight;
    for (TControl* c : controls_) {
      if (c->Align() != a || (a != alNone && !c->Visible()) || c == AControl) continue;
      if (!ordered) {
        if (a != alNone || (c->originalParentSize_.X != 0 && c->originalParentSize_.Y != 0))
          list.push_back(c);
        continue;
      }
      size_t j = 0;
      while (j < list.size() && !insertBefore(c, list[j], a)) ++j;
      list.insert(list.begin() + static_cast<long>(j), c);
    }
    for (TControl* c : list) doPosition(c, a);
  };
  doAlign(alTop);
  doAlign(alBottom);
  doAlign(alLeft);
  doAlign(alRight);
  doAlign(alClient);
  doAlign(alCustom);
  doAlign(alNone);
}

void TWinControl::SetBorderWidth(int Value) {
  if (borderWidth_ == Value) return;
  borderWidth_ = Value;
  Realign();
  Invalidate();
}

int TWinControl::TabOrder() const {
  if (Parent() == nullptr) return -1;
  auto& l = Parent()->tabList_;
  auto it = std::find(l.begin(), l.end(), this);
  return it == l.end() ? -1 : static_cast<int>(it - l.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (Parent() == nullptr) return;
  auto& l = Parent()->tabList_;
  auto it = std::find(l.begin(), l.end(), this);
  if (it == l.end()) return;
  l.erase(it);
  if (Value < 0) Value = 0;
  if (Value > static_cast<int>(l.size())) Value = static_cast<int>(l.size());
  l.insert(l.begin() + Value, this);
}

void TWinControl::SetTabStop(bool Value) {
  if (tabStop_ == Value) return;
  tabStop_ = Value;
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
  for (TWinControl* c : tabList_) {
    List.push_back(c);
    c->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  return FindNextInCycle(list, CurControl, GoForward, [&](TWinControl* c) {
    return c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this);
  });
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop);
  if (next != nullptr) next->SetFocus();
}

bool TWinControl::CanFocus() const {
  TCustomForm* form = GetParentForm(const_cast<TWinControl*>(this));
  if (form == nullptr) return false;
  for (const TWinControl* c = this; c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ != 0 && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) {
    form->FocusControl(this);
    return;
  }
  if (topLevel_ || Parent() == nullptr) {
    ::SetFocus(Handle());
    return;
  }
  ValidParentForm(this);
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::HandleNeeded() {
  if (handle_ != 0) return;
  if (Parent() != nullptr) Parent()->HandleNeeded();
  CreateHandle();
}

void TWinControl::CreateHandle() {
  if (handle_ != 0) return;
  CreateWnd();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params = TCreateParams();
  if (!stylesOnly_) Params.Caption = Text();
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Parent() == nullptr) Params.Style = WS_POPUP;
  if (controlStyle_.Contains(csAcceptsControls)) Params.Style |= WS_CLIPCHILDREN;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  if (tabStop_) Params.Style |= WS_TABSTOP;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  Params.WndParent = Parent() != nullptr && Parent()->HandleAllocated() ? Parent()->handle_ : 0;
  Params.WindowClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  if (!stylesOnly_) Params.WinClassName = ClassName();
}

TCreateParams TWinControl::StyleParams() const {
  auto* self = const_cast<TWinControl*>(this);
  TCreateParams p;
  const bool outer = stylesOnly_;
  self->stylesOnly_ = true;
  try {
    self->CreateParams(p);
  } catch (...) {
    self->stylesOnly_ = outer;
    throw;
  }
  self->stylesOnly_ = outer;
  return p;
}

void TWinControl::ApplyBorderStyle(TCreateParams& Params, TBorderStyle Style) const {
  if (Style != bsSingle) return;
  if (Ctl3D())
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  else
    Params.Style |= WS_BORDER;
}

TRect TWinControl::ComputeNonClientInsets(const TCreateParams& Params) const {
  int b = 0;
  if (Params.ExStyle & WS_EX_CLIENTEDGE) b += 2;
  if (Params.ExStyle & WS_EX_STATICEDGE) b += 1;
  if (Params.Style & WS_BORDER) b += 1;
  if (Params.Style & WS_THICKFRAME)
    b += 3;
  else if (Params.Style & WS_DLGFRAME)
    b += 2;
  return TRect(b, b, b, b);
}

TRect TWinControl::NonClientInsets() const {
  if (handle_ != 0) return ncInsets_;
  return ComputeNonClientInsets(StyleParams());
}

TPoint TWinControl::PeerToClient(const TPoint& P) const {
  if (peerIsClient_) return P;
  TRect ins = NonClientInsets();
  return TPoint(P.X - ins.Left, P.Y - ins.Top);
}

void TWinControl::FillPeerParams(const TCreateParams& Params, TPeerParams& Peer) {
  Peer.Caption = Params.Caption;
  Peer.Enabled = !(Params.Style & WS_DISABLED);
  Peer.StayOnTop = (Params.ExStyle & WS_EX_TOPMOST) != 0;
  Peer.ToolWindow = (Params.ExStyle & WS_EX_TOOLWINDOW) != 0;
  Peer.NoActivate = (Params.ExStyle & WS_EX_NOACTIVATE) != 0;
  Peer.TransparentForInput = (Params.ExStyle & WS_EX_TRANSPARENT) != 0;
  Peer.Frameless = true;
  Peer.Sizeable = (Params.Style & WS_THICKFRAME) != 0;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  style_ = params.Style;
  exStyle_ = params.ExStyle;
  classStyle_ = params.WindowClassStyle;
  topLevel_ = Parent() == nullptr;
  ncInsets_ = ComputeNonClientInsets(params);
  handle_ = RegisterWindowHandle(this, [this](TMessage& m) {
    if (WindowProc)
      WindowProc(m);
    else
      WndProc(m);
  });
  TPeerParams pp;
  pp.Handle = handle_;
  pp.Parent = topLevel_ ? 0 : Parent()->handle_;
  pp.Owner = topLevel_ ? params.WndParent : 0;
  FillPeerParams(params, pp);
  peerIsClient_ = topLevel_ && !pp.Frameless;
  pp.Bounds = PeerBounds();
  pp.Visible = topLevel_ ? false : Visible();
  if (IBackend* b = Backend()) {
    peer_ = b->CreatePeer(pp);
    SetWindowPeer(handle_, peer_.get());
    // A top-level window learns its size limits too.
    if (topLevel_) UpdatePeerBounds();
  }
  showing_ = false;
  Perform(WM_CREATE, 0, 0);
}

void TWinControl::DestroyHandle() {
  if (handle_ == 0) return;
  controlState_ << csDestroyingHandle;
  for (TWinControl* c : tabList_) c->DestroyHandle();
  DestroyWnd();
  controlState_ >> csDestroyingHandle;
}

void TWinControl::DestroyWnd() {
  if (handle_ == 0) return;
  HWND h = handle_;
  Perform(WM_DESTROY, 0, 0);
  if (gCaptureControl != nullptr && gCaptureControl->Parent() == this) gCaptureControl = nullptr;
  UnregisterWindowHandle(h);
  peer_.reset();
  handle_ = 0;
  showing_ = false;
}

void TWinControl::RecreateWnd() {
  if (handle_ == 0) return;
  controlState_ << csRecreating;
  bool hadFocus = Focused();
  DestroyHandle();
  // Back on screen as it was (a hidden window just gets its handle).
  UpdateShowing();
  HandleNeeded();
  if (hadFocus && GetFocus() != handle_) ::SetFocus(handle_);
  controlState_ >> csRecreating;
}

void TWinControl::UpdateControlState() {
  if (ComponentState().Contains(csDestroying)) return;
  UpdateShowing();
}

void TWinControl::UpdateShowing() {
  // A window without a parent is on screen only as a form or once its
  // handle was made on purpose (pop-ups, hint windows).
  bool should =
      Visible() && (Parent() != nullptr ? Parent()->Showing()
                                        : (handle_ != 0 || dynamic_cast<TCustomForm*>(this) != nullptr));
  if (should && handle_ == 0) CreateHandle();
  bool changed = should != showing_;
  showing_ = should;
  if (should)
    for (TWinControl* c : std::vector<TWinControl*>(tabList_)) c->UpdateShowing();
  if (peer_ && !topLevel_) peer_->SetVisible(Visible());
  if (changed) Perform(CM_SHOWINGCHANGED, 0, 0);
  if (!should)
    for (TWinControl* c : std::vector<TWinControl*>(tabList_)) c->UpdateShowing();
}

void TWinControl::CMShowingChanged(TMessage&) {
  if (peer_ && topLevel_) peer_->SetVisible(showing_);
}

TRect TWinControl::PeerBounds() const {
  if (peerIsClient_) {
    // The window system draws this window's frame: the peer is the client area.
    TRect r(Left() + ncInsets_.Left, Top() + ncInsets_.Top, Left() + Width() - ncInsets_.Right,
            Top() + Height() - ncInsets_.Bottom);
    r.Right = std::max(r.Right, r.Left);
    r.Bottom = std::max(r.Bottom, r.Top);
    return r;
  }
  // Any other peer covers the whole control, frame included; a child sits in
  // its parent's peer, which holds the parent's frame unless that is drawn by
  // the window system.
  TRect pins = Parent() == nullptr || Parent()->peerIsClient_ ? TRect(0, 0, 0, 0) : Parent()->ncInsets_;
  return TRect(Left() + pins.Left, Top() + pins.Top, Left() + pins.Left + Width(),
               Top() + pins.Top + Height());
}

void TWinControl::UpdatePeerBounds() {
  if (!peer_) return;
  if (topLevel_ && (style_ & WS_THICKFRAME)) {
    // The user sizes the window within its constraints.
    TRect ins = peerIsClient_ ? ncInsets_ : TRect(0, 0, 0, 0);
    auto limit = [](int Size, int Frame) { return Size > 0 ? std::max(Size - Frame, 1) : 0; };
    const TSizeConstraints* c = Constraints();
    peer_->SetSizeLimits(
        limit(c->MinWidth(), ins.Left + ins.Right), limit(c->MinHeight(), ins.Top + ins.Bottom),
        limit(c->MaxWidth(), ins.Left + ins.Right), limit(c->MaxHeight(), ins.Top + ins.Bottom));
  }
  if (topLevel_ || Parent() != nullptr) peer_->SetBounds(PeerBounds());
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TRect before = BoundsRect();
  TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  UpdatePeerBounds();
  if (handle_ != 0 && BoundsRect() != before) {
    // Window hooks and handlers learn of the move as from the window system.
    WINDOWPOS wp{handle_, 0, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE};
    SendMessage(handle_, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  }
}

uint32_t TWinControl::WindowStyle() const {
  if (handle_ != 0) return style_;
  return StyleParams().Style;
}

uint32_t TWinControl::WindowExStyle() const {
  if (handle_ != 0) return exStyle_;
  return StyleParams().ExStyle;
}

void TWinControl::SetWindowStyles(uint32_t Style, uint32_t ExStyle) {
  HandleNeeded();
  uint32_t oldEx = exStyle_;
  style_ = Style;
  exStyle_ = ExStyle;
  TCreateParams p;
  p.Style = Style;
  p.ExStyle = ExStyle;
  ncInsets_ = ComputeNonClientInsets(p);
  if (peer_ && ((oldEx ^ ExStyle) & WS_EX_TOPMOST)) peer_->SetStayOnTop((ExStyle & WS_EX_TOPMOST) != 0);
  Perform(WM_STYLECHANGED, 0, 0);
  Realign();
  Invalidate();
}

TRect TWinControl::GetClientRect() const {
  TRect ins = NonClientInsets();
  int w = Width() - ins.Left - ins.Right;
  int h = Height() - ins.Top - ins.Bottom;
  return TRect(0, 0, std::max(w, 0), std::max(h, 0));
}

TPoint TWinControl::GetClientOrigin() const {
  TRect ins = NonClientInsets();
  if (Parent() == nullptr) {
    if (peer_) {
      TPoint o = peer_->ScreenOrigin();
      return peerIsClient_ ? o : TPoint(o.X + ins.Left, o.Y + ins.Top);
    }
    return TPoint(Left() + ins.Left, Top() + ins.Top);
  }
  TPoint p = Parent()->ClientOrigin();
  return TPoint(p.X + Left() + ins.Left, p.Y + Top() + ins.Top);
}

void TWinControl::SetClientSize(const TPoint& Value) {
  TRect ins = NonClientInsets();
  SetBounds(Left(), Top(), Value.X + ins.Left + ins.Right, Value.Y + ins.Top + ins.Bottom);
}

void TWinControl::Invalidate() { InvalidateRect(nullptr, true); }

void TWinControl::InvalidateRect(const TRect* R, bool) {
  if (!peer_) return;
  if (R == nullptr) {
    peer_->Invalidate(nullptr);
    return;
  }
  TRect w = *R;
  if (!peerIsClient_) OffsetRect(w, ncInsets_.Left, ncInsets_.Top);
  peer_->Invalidate(&w);
}

void TWinControl::Update() {
  if (peer_) peer_->Update();
}

void TWinControl::ScrollBy(int DeltaX, int DeltaY) {
  DisableAlign();
  for (TControl* c : controls_) c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
  EnableAlign();
  Invalidate();
}

int TWinControl::SetScrollInfo(int Bar, const TScrollInfo& Info, bool Redraw) {
  TScrollBarState& s = Bar == SB_VERT ? vertBar_ : horzBar_;
  if (Info.fMask & SIF_RANGE) {
    s.Info.nMin = Info.nMin;
    s.Info.nMax = Info.nMax;
  }
  if (Info.fMask & SIF_PAGE) s.Info.nPage = Info.nPage;
  if (Info.fMask & SIF_POS) s.Info.nPos = Info.nPos;
  if (Info.fMask & SIF_TRACKPOS) s.Info.nTrackPos = Info.nTrackPos;
  // The position stays inside the range less the page.
  int maxPos = s.Info.nMax - std::max(0, static_cast<int>(s.Info.nPage) - 1);
  if (s.Info.nPos > maxPos) s.Info.nPos = maxPos;
  if (s.Info.nPos < s.Info.nMin) s.Info.nPos = s.Info.nMin;
  if (Redraw) Invalidate();
  return s.Info.nPos;
}

bool TWinControl::GetScrollInfo(int Bar, TScrollInfo& Info) const {
  const TScrollBarState& s = Bar == SB_VERT ? vertBar_ : horzBar_;
  UINT mask = Info.fMask;
  if (mask & SIF_RANGE) {
    Info.nMin = s.Info.nMin;
    Info.nMax = s.Info.nMax;
  }
  if (mask & SIF_PAGE) Info.nPage = s.Info.nPage;
  if (mask & SIF_POS) Info.nPos = s.Info.nPos;
  if (mask & SIF_TRACKPOS) Info.nTrackPos = s.Info.nTrackPos;
  return true;
}

bool TWinControl::ShowScrollBar(int Bar, bool Show) {
  if (Bar == SB_HORZ || Bar == SB_BOTH) horzBar_.Visible = Show;
  if (Bar == SB_VERT || Bar == SB_BOTH) vertBar_.Visible = Show;
  return true;
}

bool TWinControl::EnableScrollBar(int Bar, bool Enable) {
  if (Bar == SB_HORZ || Bar == SB_BOTH) horzBar_.Enabled = Enable;
  if (Bar == SB_VERT || Bar == SB_BOTH) vertBar_.Enabled = Enable;
  return true;
}

void TWinControl::SetCtl3D(bool Value) {
  if (ctl3D_ == Value) return;
  ctl3D_ = Value;
  parentCtl3D_ = false;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool Value) {
  if (parentCtl3D_ == Value) return;
  parentCtl3D_ = Value;
  if (Value && Parent() != nullptr) {
    ctl3D_ = Parent()->Ctl3D();
    Perform(CM_CTL3DCHANGED, 0, 0);
  }
}

TWinControl* TWinControl::FindTopLevel() {
  TWinControl* c = this;
  while (c->Parent() != nullptr) c = c->Parent();
  return c;
}

// Painting.

void TWinControl::PaintWindow(TCanvas* DC) {
  TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
  DefaultHandler(m);
}

void TWinControl::PaintControls(TCanvas* DC, TControl* First) {
  if (DC == nullptr) return;
  auto it = controls_.begin();
  if (First != nullptr) {
    auto f = std::find(controls_.begin(), controls_.end(), First);
    if (f != controls_.end()) it = f;
  }
  std::vector<TControl*> list(it, controls_.end());
  for (TControl* c : list) {
    if (dynamic_cast<TWinControl*>(c) != nullptr || !c->Visible()) continue;
    int saved = DC->SaveDC();
    TPoint org = DC->WindowOrg();
    DC->SetWindowOrg(TPoint(org.X - c->Left(), org.Y - c->Top()));
    DC->IntersectClipRect(TRect(0, 0, c->Width(), c->Height()));
    if (controlState_.Contains(csPaintCopy)) c->controlState_ << csPaintCopy;
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    c->controlState_ >> csPaintCopy;
    DC->RestoreDC(saved);
  }
}

void TWinControl::PaintHandler(TMessage& Message) {
  auto* DC = reinterpret_cast<TCanvas*>(Message.WParam);
  if (DC == nullptr) return;
  int saved = DC->SaveDC();
  for (TControl* c : controls_) {
    if (dynamic_cast<TWinControl*>(c) != nullptr) continue;
    if (c->Visible() && c->controlStyle_.Contains(csOpaque)) DC->ExcludeClipRect(c->BoundsRect());
  }
  PaintWindow(DC);
  DC->RestoreDC(saved);
  PaintControls(DC, nullptr);
}

void TWinControl::WMPaint(TMessage& Message) {
  if (Message.WParam == 0) {
    // Painting is driven by the window: ask it to paint now.
    Update();
    return;
  }
  PaintHandler(Message);
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  auto* DC = reinterpret_cast<TCanvas*>(Message.WParam);
  if (DC == nullptr) return;
  DC->Brush()->SetColor(Color());
  DC->Brush()->SetStyle(bsSolid);
  DC->FillRect(GetClientRect());
  Message.Result = 1;
}

void TWinControl::PaintNonClient(TCanvas* DC) {
  TRect r(0, 0, Width(), Height());
  // The styles from the parameters also for a window not made yet (a grab).
  uint32_t style = WindowStyle(), exStyle = WindowExStyle();
  if (exStyle & WS_EX_CLIENTEDGE) {
    // Sunken edge: shadow top-left, highlight bottom-right, dark inner line.
    DC->Pen()->SetStyle(psSolid);
    DC->Pen()->SetWidth(1);
    DC->Pen()->SetColor(clBtnShadow);
    DC->MoveTo(r.Left, r.Bottom - 1);
    DC->LineTo(r.Left, r.Top);
    DC->LineTo(r.Right - 1, r.Top);
    DC->Pen()->SetColor(clBtnHighlight);
    DC->LineTo(r.Right - 1, r.Bottom - 1);
    DC->LineTo(r.Left - 1, r.Bottom - 1);
    DC->Pen()->SetColor(cl3DDkShadow);
    DC->MoveTo(r.Left + 1, r.Bottom - 2);
    DC->LineTo(r.Left + 1, r.Top + 1);
    DC->LineTo(r.Right - 2, r.Top + 1);
    DC->Pen()->SetColor(cl3DLight);
    DC->LineTo(r.Right - 2, r.Bottom - 2);
    DC->LineTo(r.Left, r.Bottom - 2);
    InflateRect(r, -2, -2);
  }
  if (style & WS_BORDER) {
    DC->Brush()->SetColor(clWindowFrame);
    DC->Brush()->SetStyle(bsSolid);
    DC->FrameRect(r);
  }
}

void TWinControl::WMNCPaint(TMessage& Message) {
  auto* DC = reinterpret_cast<TCanvas*>(Message.WParam);
  if (DC == nullptr) return;
  PaintNonClient(DC);
}

void TWinControl::PaintTo(TCanvas* DC, int X, int Y) {
  if (DC == nullptr) return;
  int saved = DC->SaveDC();
  TPoint org = DC->WindowOrg();
  DC->SetWindowOrg(TPoint(org.X - X, org.Y - Y));
  DC->IntersectClipRect(TRect(0, 0, Width(), Height()));
  TRect ins = NonClientInsets();
  if (ins.Left || ins.Top || ins.Right || ins.Bottom) Perform(WM_NCPAINT, reinterpret_cast<WPARAM>(DC), 0);
  TPoint org2 = DC->WindowOrg();
  DC->SetWindowOrg(TPoint(org2.X - ins.Left, org2.Y - ins.Top));
  TRect client = GetClientRect();
  DC->IntersectClipRect(client);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  for (TControl* c : std::vector<TControl*>(controls_)) {
    auto* w = dynamic_cast<TWinControl*>(c);
    if (w == nullptr || !w->Visible()) continue;
    w->PaintTo(DC, w->Left(), w->Top());
  }
  DC->RestoreDC(saved);
}

void TWinControl::PaintForGrab(TCanvas* DC) { PaintTo(DC, 0, 0); }

// Keys.

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

namespace {
// A form that previews keys sees them first; a handler that clears the key has
// taken it.
template <typename TKey, typename FHandler>
bool DispatchKey(TWinControl* Control, TMessage& Message, bool (TWinControl::*Dispatch)(TMessage&),
                 FHandler Handler) {
  TCustomForm* form = GetParentForm(Control);
  if (form != nullptr && static_cast<TWinControl*>(form) != Control && form->KeyPreview() &&
      (static_cast<TWinControl*>(form)->*Dispatch)(Message))
    return true;
  if (Control->ControlStyle().Contains(csNoStdEvents)) return false;
  TKey key = static_cast<TKey>(Message.WParam);
  Handler(key);
  Message.WParam = key;
  return key == 0;
}
}  // namespace

bool TWinControl::DoKeyDown(TMessage& Message) {
  return DispatchKey<WORD>(this, Message, &TWinControl::DoKeyDown,
                           [&](WORD& Key) { KeyDown(Key, KeyDataToShiftState(Message.LParam)); });
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  return DispatchKey<WORD>(this, Message, &TWinControl::DoKeyUp,
                           [&](WORD& Key) { KeyUp(Key, KeyDataToShiftState(Message.LParam)); });
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  return DispatchKey<char32_t>(this, Message, &TWinControl::DoKeyPress,
                               [&](char32_t& Key) { KeyPress(Key); });
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::WMKeyDown(TMessage& Message) {
  if (!DoKeyDown(Message)) DefaultHandler(Message);
}
void TWinControl::WMSysKeyDown(TMessage& Message) {
  if (!DoKeyDown(Message)) DefaultHandler(Message);
}
void TWinControl::WMKeyUp(TMessage& Message) {
  if (!DoKeyUp(Message)) DefaultHandler(Message);
}
void TWinControl::WMSysKeyUp(TMessage& Message) {
  if (!DoKeyUp(Message)) DefaultHandler(Message);
}
void TWinControl::WMChar(TMessage& Message) {
  if (!DoKeyPress(Message)) DefaultHandler(Message);
}
void TWinControl::WMSysChar(TMessage& Message) { DefaultHandler(Message); }

void TWinControl::CNKeyDown(TMessage& Message) {
  Message.Result = 1;
  if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
  LRESULT mask = 0;
  switch (Message.WParam) {
    case VK_TAB:
      mask = DLGC_WANTTAB;
      break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      mask = DLGC_WANTARROWS;
      break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
      mask = DLGC_WANTALLKEYS;
      break;
    default:
      break;
  }
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, Message.WParam, 0) == 0 &&
      (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

void TWinControl::CNKeyUp(TMessage& Message) { Message.Result = 0; }

void TWinControl::CNChar(TMessage& Message) {
  Message.Result = 1;
  if ((Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

void TWinControl::CNSysKeyDown(TMessage& Message) { Message.Result = 0; }

void TWinControl::CNSysChar(TMessage& Message) {
  Message.Result = 0;
  if (Message.WParam == VK_SPACE) return;
  if (TCustomForm* form = GetParentForm(this))
    Message.Result = form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam);
}

void TWinControl::CMChildKey(TMessage& Message) {
  if (Parent() != nullptr) Message.Result = Parent()->Perform(CM_CHILDKEY, Message.WParam, Message.LParam);
}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }
void TWinControl::CMDialogKey(TMessage& Message) { Broadcast(Message); }
void TWinControl::CMDialogChar(TMessage& Message) { Broadcast(Message); }
void TWinControl::CMFocusChanged(TMessage& Message) { Broadcast(Message); }

void TWinControl::CMVisibleChanged(TMessage&) {
  if (!Visible() && Parent() != nullptr) {
    if (TCustomForm* f = GetParentForm(this)) f->DefocusControl(this, false);
  }
  UpdateControlState();
}

void TWinControl::CMEnabledChanged(TMessage& Message) {
  (void)Message;
  if (!Enabled() && Parent() != nullptr) {
    if (TCustomForm* f = GetParentForm(this)) f->DefocusControl(this, false);
  }
  if (peer_) peer_->SetEnabled(Enabled());
  Invalidate();
}

void TWinControl::CMColorChanged(TMessage& Message) {
  TControl::CMColorChanged(Message);
  brush_->SetColor(Color());
  for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TWinControl::CMFontChanged(TMessage& Message) {
  TControl::CMFontChanged(Message);
  for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TWinControl::WMSetFocus(TMessage& Message) { DefaultHandler(Message); }
void TWinControl::WMKillFocus(TMessage& Message) { DefaultHandler(Message); }

void TWinControl::WMSize(TMessage& Message) {
  (void)Message;
  Realign();
  if (!ComponentState().Contains(csLoading)) Resize();
}

void TWinControl::WMSetText(TMessage& Message) {
  DefaultHandler(Message);
  if (peer_ && topLevel_) peer_->SetCaption(TControl::GetText());
}

void TWinControl::WMGetText(TMessage& Message) { DefaultHandler(Message); }
void TWinControl::WMGetTextLength(TMessage& Message) { DefaultHandler(Message); }

void TWinControl::WMSetCursor(TMessage& Message) {
  if (peer_ == nullptr) return;
  TCursor cur = crDefault;
  if (Screen != nullptr && Screen->Cursor() != crDefault) {
    cur = Screen->Cursor();
  } else {
    TPoint p = ScreenToClient(CursorPos());
    TControl* c = ControlAtPos(p, false);
    if (c != nullptr && c->Cursor() != crDefault)
      cur = c->Cursor();
    else
      cur = Cursor();
  }
  peer_->SetCursor(cur == crDefault ? crArrow : cur);
  Message.Result = 1;
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
  TControl* control = nullptr;
  if (handle_ != 0 && GetCapture() == handle_) {
    TControl* cap = GetCaptureControl();
    if (cap != nullptr && cap->Parent() == this && cap != this) control = cap;
  } else {
    control = ControlAtPos(TPoint(Message.XPos(), Message.YPos()), false);
  }
  if (control == nullptr) return false;
  TPoint p(Message.XPos() - control->Left(), Message.YPos() - control->Top());
  Message.Result = control->Perform(Message.Msg, Message.WParam, MakeLParam(p.X, p.Y));
  return true;
}

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: {
      TCustomForm* form = GetParentForm(this);
      if (form != nullptr && !form->SetFocusedControl(this)) return;
      break;
    }
    case WM_KILLFOCUS:
      if (controlState_.Contains(csFocusing)) return;
      break;
    case WM_CANCELMODE: {
      TControl* cap = GetCaptureControl();
      if (handle_ != 0 && GetCapture() == handle_ && cap != nullptr && cap->Parent() == this)
        cap->Perform(WM_CANCELMODE, 0, 0);
      break;
    }
    default:
      if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL &&
          Message.Msg != WM_MOUSEHWHEEL) {
        if (IsControlMouseMsg(Message)) return;
      }
      break;
  }
  switch (Message.Msg) {
    case WM_PAINT:
      WMPaint(Message);
      return;
    case WM_ERASEBKGND:
      WMEraseBkgnd(Message);
      return;
    case WM_NCPAINT:
      WMNCPaint(Message);
      return;
    case WM_SETFOCUS:
      WMSetFocus(Message);
      return;
    case WM_KILLFOCUS:
      WMKillFocus(Message);
      return;
    case WM_KEYDOWN:
      WMKeyDown(Message);
      return;
    case WM_SYSKEYDOWN:
      WMSysKeyDown(Message);
      return;
    case WM_KEYUP:
      WMKeyUp(Message);
      return;
    case WM_SYSKEYUP:
      WMSysKeyUp(Message);
      return;
    case WM_CHAR:
      WMChar(Message);
      return;
    case WM_SYSCHAR:
      WMSysChar(Message);
      return;
    case WM_SIZE:
      WMSize(Message);
      return;
    case WM_GETDLGCODE:
      WMGetDlgCode(Message);
      return;
    case WM_SETTEXT:
      WMSetText(Message);
      return;
    case WM_GETTEXT:
      WMGetText(Message);
      return;
    case WM_GETTEXTLENGTH:
      WMGetTextLength(Message);
      return;
    case WM_SETCURSOR:
      WMSetCursor(Message);
      return;
    case WM_TIMER:
      WMTimer(Message);
      return;
    case CN_KEYDOWN:
      CNKeyDown(Message);
      return;
    case CN_KEYUP:
      CNKeyUp(Message);
      return;
    case CN_CHAR:
      CNChar(Message);
      return;
    case CN_SYSKEYDOWN:
      CNSysKeyDown(Message);
      return;
    case CN_SYSCHAR:
      CNSysChar(Message);
      return;
    case CM_ENTER:
      CMEnter(Message);
      return;
    case CM_EXIT:
      CMExit(Message);
      return;
    case CM_DIALOGKEY:
      CMDialogKey(Message);
      return;
    case CM_DIALOGCHAR:
      CMDialogChar(Message);
      return;
    case CM_FOCUSCHANGED:
      CMFocusChanged(Message);
      return;
    case CM_SHOWINGCHANGED:
      CMShowingChanged(Message);
      return;
    case CM_WANTSPECIALKEY:
      CMWantSpecialKey(Message);
      return;
    case CM_CHILDKEY:
      CMChildKey(Message);
      return;
    default:
      break;
  }
  TControl::WndProc(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CLOSE:
      // A plain window without a form's handling closes by going away.
      break;
    case WM_MOUSEWHEEL:
      break;
    case WM_NCHITTEST: {
      TPoint p = ScreenToClient(TPoint(Message.XPos(), Message.YPos()));
      Message.Result = PtInRect(GetClientRect(), p) ? HTCLIENT : HTNOWHERE;
      break;
    }
    case WM_MOUSEACTIVATE:
      Message.Result = MA_ACTIVATE;
      break;
    default:
      TControl::DefaultHandler(Message);
      break;
  }
}

// ---- TCustomControl ----

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

TCustomControl::~TCustomControl() = default;

TControlCanvas* TCustomControl::PaintCanvas() {
  if (!canvas_) canvas_ = std::make_unique<TControlCanvas>(this);
  return canvas_.get();
}

void TCustomControl::PaintWindow(TCanvas* DC) {
  PaintCanvas()->PaintThrough(DC, true, [this] { Paint(); });
}

// ---- TGraphicControl ----

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

TGraphicControl::~TGraphicControl() = default;

TControlCanvas* TGraphicControl::PaintCanvas() {
  if (!canvas_) canvas_ = std::make_unique<TControlCanvas>(this);
  return canvas_.get();
}

void TGraphicControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_PAINT) {
    auto* DC = reinterpret_cast<TCanvas*>(Message.WParam);
    if (DC == nullptr) return;
    PaintCanvas()->PaintThrough(DC, true, [this] { Paint(); });
    return;
  }
  TControl::WndProc(Message);
}

void TGraphicControl::PaintForGrab(TCanvas* DC) { Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0); }

// ---- Finding controls on screen ----

namespace {
TControl* FindAt(TWinControl* w, const TPoint& screen, bool allowDisabled) {
  TPoint p = w->ScreenToClient(screen);
  TControl* c = w->ControlAtPos(p, allowDisabled, true, true);
  return c != nullptr ? c : w;
}
}  // namespace

TControl* FindDragTarget(const TPoint& P, bool AllowDisabled) {
  if (Screen == nullptr) return nullptr;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* f = Screen->Forms(i);
    if (!f->Showing() || (f->WindowExStyle() & WS_EX_TRANSPARENT) != 0) continue;
    TPoint o = f->ClientOrigin();
    TRect client = f->ClientRect();
    OffsetRect(client, o.X, o.Y);
    if (!PtInRect(client, P)) continue;
    return FindAt(f, P, AllowDisabled);
  }
  return nullptr;
}

TWinControl* FindVCLWindow(const TPoint& P) {
  TControl* c = FindDragTarget(P, false);
  while (c != nullptr && dynamic_cast<TWinControl*>(c) == nullptr) c = c->Parent();
  return static_cast<TWinControl*>(c);
}
