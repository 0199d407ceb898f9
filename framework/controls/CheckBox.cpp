#include "framework/controls/CheckBox.h"

#include <algorithm>

#include "framework/controls/GraphUtil.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Themes.h"

namespace {
constexpr int kMarkSize = 13;
constexpr int kGap = 4;
}  // namespace

// ---- TButtonControl ----

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner) {
  // The click comes from the state change, not from the mouse release.
  controlStyle_ = TControlStyle{csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 97, 17);
  SetTabStop(true);
  SetParentColor(true);
}

void TButtonControl::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TButtonControl::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  Invalidate();
}

TRect TButtonControl::MarkRect() const {
  TRect r = ClientRect();
  int y = (r.Height() - kMarkSize) / 2;
  bool markRight = (alignment_ == taLeftJustify) != UseRightToLeftAlignment();
  int x = markRight ? r.Right - kMarkSize : 0;
  return TRect(x, y, x + kMarkSize, y + kMarkSize);
}

TRect TButtonControl::CaptionRect() const {
  TRect r = ClientRect();
  TRect m = MarkRect();
  if (m.Left == 0)
    r.Left = m.Right + kGap;
  else
    r.Right = m.Left - kGap;
  return r;
}

void TButtonControl::Paint() {
  TCanvas* c = Canvas();
  TRect client = ClientRect();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(client);
  DrawMark(c, MarkRect(), pressed_, hot_);
  c->Font()->Assign(Font());
  c->Brush()->SetStyle(bsClear);
  TRect text = CaptionRect();
  unsigned flags = wordWrap_ ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
  if (UseRightToLeftAlignment()) flags |= DT_RIGHT | DT_RTLREADING;
  std::string caption = Caption();
  // A wrapped caption is centred as a block.
  if (wordWrap_) {
    TRect calc = text;
    DrawText(c, caption, calc, flags | DT_CALCRECT);
    int h = calc.Height();
    OffsetRect(text, 0, std::max(0, (text.Height() - h) / 2));
    text.Bottom = text.Top + h;
  }
  if (!Enabled())
    DrawDisabledText(c, caption, text, flags, clGrayText);
  else
    DrawText(c, caption, text, flags);
  if (Focused() && !caption.empty()) {
    TRect f = text;
    DrawText(c, caption, f, flags | DT_CALCRECT);
    if (!wordWrap_) {
      int h = f.Height();
      f.Top = text.Top + (text.Height() - h) / 2;
      f.Bottom = f.Top + h;
    }
    if (UseRightToLeftAlignment()) OffsetRect(f, text.Right - f.Right, 0);
    InflateRect(f, 1, 1);
    IntersectRect(f, f, client);
    c->DrawFocusRect(f);
  }
}

void TButtonControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && CanFocus()) {
        SetFocus();
        Activate();
        Message.Result = 1;
        return;
      }
      break;
    case CM_MOUSEENTER:
      if (!hot_) {
        hot_ = true;
        Invalidate();
      }
      break;
    case CM_MOUSELEAVE:
      if (hot_) {
        hot_ = false;
        Invalidate();
      }
      break;
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

void TButtonControl::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_BUTTON;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Focused() && CanFocus()) SetFocus();
      mouseDown_ = true;
      pressed_ = true;
      SetCapture(Handle());
      Invalidate();
      return;
    case WM_MOUSEMOVE:
      if (mouseDown_) {
        bool in = PtInRect(ClientRect(), TPoint(Message.XPos(), Message.YPos()));
        if (in != pressed_) {
          pressed_ = in;
          Invalidate();
        }
      }
      return;
    case WM_LBUTTONUP: {
      if (!mouseDown_) return;
      mouseDown_ = false;
      bool click = pressed_ && PtInRect(ClientRect(), TPoint(Message.XPos(), Message.YPos()));
      pressed_ = false;
      if (GetCapture() == Handle()) ReleaseCapture();
      Invalidate();
      if (click) Activate();
      return;
    }
    case WM_CAPTURECHANGED:
      if (mouseDown_) {
        mouseDown_ = false;
        pressed_ = false;
        Invalidate();
      }
      return;
    case WM_KEYDOWN:
      if (Message.WParam == VK_SPACE && !spaceDown_) {
        spaceDown_ = true;
        pressed_ = true;
        Invalidate();
      }
      return;
    case WM_KEYUP:
      if (Message.WParam == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        pressed_ = false;
        Invalidate();
        Activate();
      }
      return;
    case WM_SETFOCUS:
      Invalidate();
      return;
    case WM_KILLFOCUS:
      spaceDown_ = false;
      if (!mouseDown_) pressed_ = false;
      Invalidate();
      return;
    default:
      break;
  }
  TCustomControl::DefaultHandler(Message);
}

// ---- TCustomCheckBox ----

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (state_ == Value) return;
  state_ = Value;
  Invalidate();
  if (!ClicksDisabled() && !Loading()) Click();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked:
      SetState(allowGrayed_ ? cbGrayed : cbChecked);
      break;
    case cbChecked:
      SetState(cbUnchecked);
      break;
    case cbGrayed:
      SetState(cbChecked);
      break;
  }
}

void TCustomCheckBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case BM_GETCHECK:
      Message.Result = state_ == cbChecked  ? BST_CHECKED
                       : state_ == cbGrayed ? BST_INDETERMINATE
                                            : BST_UNCHECKED;
      return;
    case BM_SETCHECK: {
      // The window's own state, as the platform's message: no click.
      TCheckBoxState s = Message.WParam == BST_CHECKED         ? cbChecked
                         : Message.WParam == BST_INDETERMINATE ? cbGrayed
                                                               : cbUnchecked;
      DisableClicks();
      SetState(s);
      EnableClicks();
      return;
    }
    case BM_CLICK:
      if (Enabled()) Toggle();
      return;
    default:
      break;
  }
  TButtonControl::WndProc(Message);
}

void TCustomCheckBox::DrawMark(TCanvas* C, const TRect& R, bool Pressed, bool Hot) {
  if (HTHEME th = OpenThemeData(0, "BUTTON")) {
    int base = state_ == cbChecked  ? CBS_CHECKEDNORMAL
               : state_ == cbGrayed ? CBS_MIXEDNORMAL
                                    : CBS_UNCHECKEDNORMAL;
    int offset = !Enabled() ? 3 : Pressed ? 2 : Hot ? 1 : 0;
    DrawThemeBackground(th, C, BP_CHECKBOX, base + offset, R, nullptr);
    CloseThemeData(th);
    return;
  }
  unsigned s = DFCS_BUTTONCHECK;
  if (state_ == cbChecked) s |= DFCS_CHECKED;
  if (state_ == cbGrayed) s |= DFCS_BUTTON3STATE | DFCS_CHECKED;
  if (Pressed) s |= DFCS_PUSHED;
  if (!Enabled()) s |= DFCS_INACTIVE;
  TRect r = R;
  DrawFrameControl(C, r, DFC_BUTTON, s);
}

// ---- TRadioButton ----

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::SetChecked(bool Value) {
  if (checked_ == Value) return;
  checked_ = Value;
  // Only the checked button of a group is a tab stop.
  SetTabStop(Value);
  Invalidate();
  if (Value) {
    TurnSiblingsOff();
    if (!ClicksDisabled() && !Loading()) Click();
  }
}

void TRadioButton::TurnSiblingsOff() {
  TWinControl* p = Parent();
  if (p == nullptr) return;
  for (int i = 0; i < p->ControlCount(); ++i)
    if (auto* r = dynamic_cast<TRadioButton*>(p->Controls(i)); r != nullptr && r != this)
      r->SetChecked(false);
}

void TRadioButton::KeyDown(WORD& Key, TShiftState Shift) {
  TButtonControl::KeyDown(Key, Shift);
  if (Key != VK_UP && Key != VK_DOWN && Key != VK_LEFT && Key != VK_RIGHT) return;
  TWinControl* p = Parent();
  if (p == nullptr) return;
  // The arrows move along the buttons of the group (its parent) in tab
  // order, checking the one they reach.
  std::vector<TRadioButton*> group;
  std::vector<TWinControl*> order;
  p->GetTabOrderList(order);
  for (TWinControl* w : order)
    if (auto* r = dynamic_cast<TRadioButton*>(w); r != nullptr && r->Parent() == p && r->CanFocus())
      group.push_back(r);
  auto it = std::find(group.begin(), group.end(), this);
  if (it == group.end() || group.size() < 2) return;
  size_t i = static_cast<size_t>(it - group.begin());
  bool forward = Key == VK_DOWN || Key == VK_RIGHT;
  size_t next = forward ? (i + 1) % group.size() : (i + group.size() - 1) % group.size();
  Key = 0;
  group[next]->SetFocus();
  group[next]->SetChecked(true);
}

void TRadioButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case BM_GETCHECK:
      Message.Result = checked_ ? BST_CHECKED : BST_UNCHECKED;
      return;
    case BM_SETCHECK:
      DisableClicks();
      SetChecked(Message.WParam == BST_CHECKED);
      EnableClicks();
      return;
    case BM_CLICK:
      if (Enabled()) SetChecked(true);
      return;
    default:
      break;
  }
  TButtonControl::WndProc(Message);
}

void TRadioButton::DefaultHandler(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    Message.Result = DLGC_BUTTON | DLGC_RADIOBUTTON | DLGC_WANTARROWS;
    return;
  }
  TButtonControl::DefaultHandler(Message);
}

void TRadioButton::DrawMark(TCanvas* C, const TRect& R, bool Pressed, bool Hot) {
  if (HTHEME th = OpenThemeData(0, "BUTTON")) {
    int base = checked_ ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
    int offset = !Enabled() ? 3 : Pressed ? 2 : Hot ? 1 : 0;
    DrawThemeBackground(th, C, BP_RADIOBUTTON, base + offset, R, nullptr);
    CloseThemeData(th);
    return;
  }
  unsigned s = DFCS_BUTTONRADIO;
  if (checked_) s |= DFCS_CHECKED;
  if (Pressed) s |= DFCS_PUSHED;
  if (!Enabled()) s |= DFCS_INACTIVE;
  TRect r = R;
  DrawFrameControl(C, r, DFC_BUTTON, s);
}
