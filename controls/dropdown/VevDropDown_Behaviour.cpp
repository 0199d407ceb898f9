// The drop-down's behaviour: opening, placing, sizing and closing the
// pop-up, with its events in order, driven by the button, keys, the mouse,
// the wheel and the focus.
#include <algorithm>

#include "controls/dropdown/VevDropDown.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/Tick.h"

TPoint PlaceDropDown(TDropPosition Position, const TPoint& Anchor, int EditHeight, int PopupHeight,
                     int ScreenHeight) {
  const bool up = Position == dpUp || (Position == dpAuto && PopupHeight + Anchor.Y >= ScreenHeight);
  return TPoint(Anchor.X, up ? Anchor.Y - PopupHeight : Anchor.Y + EditHeight - 1);
}

int FitDropDownLeft(int Left, int PopupWidth, const TRect& WorkArea) {
  // Only the right edge is fitted, and only on a work area that does not
  // start left of the primary screen.
  if (WorkArea.Left < 0) return Left;
  if (Left + PopupWidth > WorkArea.Right && Left >= WorkArea.Left && Left < WorkArea.Right)
    return WorkArea.Right - PopupWidth;
  return Left;
}

// ---- Opening ----

void TVevUrizazEvuvUduz::BeforeDropDown() {
  if (OnBeforeDropDown) OnBeforeDropDown(this);
}

void TVevUrizazEvuvUduz::AfterDropDown(int& Height) { (void)Height; }

void TVevUrizazEvuvUduz::FocusDropDownControl() {
  if (focusControl_ != nullptr && focusControl_->TabStop() && focusControl_->CanFocus() &&
      !focusControl_->Focused())
    focusControl_->SetFocus();
}

void TVevUrizazEvuvUduz::DoShowDropDown() {
  AfterConstruction();
  if (Designing() || dropDownForm_ == nullptr || dropDownForm_->Visible() || !Enabled() || ReadOnly()) return;
  TDropDownForm* f = dropDownForm_;
  BeforeDropDown();
  if (dropDownForm_ != f || f->Visible()) return;
  f->SetShadow(dropDownShadow_);
  f->SetPopupControl(this);
  f->SetSizeable(dropDownSizeable_);
  f->InitializeAndUpdate();
  // The drop shadow is a style of the pop-up's own window here, so it never
  // changes another pop-up.
  HWND fh = f->Handle();
  uint32_t cls = GetClassLong(fh, GCL_STYLE);
  SetClassLong(fh, GCL_STYLE, f->Shadow() ? (cls | CS_DROPSHADOW) : (cls & ~CS_DROPSHADOW));
  f->SetBounds(Left(), Top(), f->Width(), f->Height());
  UpdateDropDownSize();
  AdaptDropDownControl();
  f->Constraints()->SetMinWidth(80);
  f->Constraints()->SetMinHeight(50);
  if (auto* w = dynamic_cast<TWinControl*>(control_)) {
    // Keys typed in the content reach the edit's handling.
    w->OnKeyDown = [this](TObject* s, WORD& k, TShiftState sh) { ControlKeyDown(s, k, sh); };
    w->OnKeyPress = [this](TObject* s, char32_t& k) { ControlKeyPress(s, k); };
    w->OnKeyUp = [this](TObject* s, WORD& k, TShiftState sh) { ControlKeyUp(s, k, sh); };
  }
  const TPoint anchor =
      Parent() != nullptr ? Parent()->ClientToScreen(TPoint(Left(), Top())) : ClientToScreen(TPoint(0, 0));
  const int popupHeight = f->Height();
  const TPoint place =
      PlaceDropDown(dropPosition_, anchor, Height(), popupHeight, GetSystemMetrics(SM_CYSCREEN));
  f->SetBounds(place.X, place.Y, f->Width(), f->Height());
  bool accept = true;
  if (OnDropDown) OnDropDown(this, accept);
  if (!accept || dropDownForm_ != f) return;
  TRect work(-1, -1, -1, -1);
  if (Screen != nullptr) work = Screen->MonitorWorkAreaFromPoint(anchor);
  const int left = FitDropDownLeft(f->Left(), f->Width(), work), top = f->Top();
  int w = userDropDownWidth_ != -1 ? userDropDownWidth_ : f->Width();
  int h = userDropDownHeight_ != -1 ? userDropDownHeight_ : f->Height();
  f->SetBounds(left, top, 0, 0);
  f->SetVisible(true);
  if (dropDownShadow_ && forceShadow_) {
    f->SetVisible(false);
    f->SetBounds(left, top, 1, 1);
    f->SetVisible(true);
  }
  AfterDropDown(h);
  droppedDown_ = true;
  f->Popup(TRect(left, top, left + w, top + h));
  FocusDropDownControl();
}

void TVevUrizazEvuvUduz::UpdateDropDownSize() {
  if (dropDownForm_ == nullptr) return;
  int w = dropDownWidth_ > 0                           ? dropDownWidth_
          : control_ != nullptr && control_->Visible() ? control_->Width()
                                                       : Width();
  int h = dropDownHeight_;
  if (h <= 0) {
    h = 2 * dropDownBorderWidth_;
    if (dropDownHeader_->Visible()) h += dropDownHeader_->Height();
    if (dropDownFooter_->Visible()) h += dropDownFooter_->Height();
    if (control_ != nullptr && control_->Visible()) h += control_->Height();
  }
  dropDownForm_->SetBounds(dropDownForm_->Left(), dropDownForm_->Top(), w, h);
}

void TVevUrizazEvuvUduz::AdaptDropDownControl() {
  if (dropDownForm_ == nullptr || control_ == nullptr) return;
  control_->SetParent(dropDownForm_);
  control_->SetTop(dropDownHeader_->Visible() ? dropDownHeader_->Height() + 2 : dropDownBorderWidth_);
  control_->SetAlign(alClient);
}

// ---- Closing ----

void TVevUrizazEvuvUduz::HideDropDownEx(bool Cancel) {
  if (Designing() || dropDownForm_ == nullptr || !dropDownForm_->Visible()) return;
  if (OnBeforeDropUp) OnBeforeDropUp(this);
  if (dropDownForm_ == nullptr) return;
  userDropDownWidth_ = dropDownForm_->Width();
  userDropDownHeight_ = dropDownForm_->Height();
  // Its hide notice runs DoHideDropDown at once.
  dropDownForm_->SetVisible(false);
  if (Application != nullptr) Application->CancelHint();
  if (Cancel) WriteText(oldText_);
  if (OnDropUp) OnDropUp(this, Cancel);
}

void TVevUrizazEvuvUduz::DoHideDropDown(TObject*) {
  droppedDown_ = false;
  if (TabStop() && CanFocus() && !Focused() && !ComponentState().Contains(csDestroying)) SetFocus();
}

void TVevUrizazEvuvUduz::DropDownFormDestroyed(TObject*) {}
void TVevUrizazEvuvUduz::DropDownSizing(TObject*) {}

// ---- The button and clicks ----

void TVevUrizazEvuvUduz::OpenUnlessJustClosed() {
  if (dropDownForm_ == nullptr || dropDownForm_->Visible()) return;
  // A click that closed the pop-up (by taking the activation from it) must
  // not open it again at once.
  if (TickDiff(GetTickCount(), dropDownForm_->DeActivateTime()) <= 250) return;
  DoShowDropDown();
}

void TVevUrizazEvuvUduz::DropDownButtonClick(TObject*) { OpenUnlessJustClosed(); }

// ---- Keys ----

namespace {
bool AltHeld() { return GetKeyState(VK_MENU) < 0; }
bool CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }
}  // namespace

void TVevUrizazEvuvUduz::HandleKeyDown(TMessage& Message) {
  if (Designing()) {
    TCustomMaskEdit::WndProc(Message);
    return;
  }
  WORD key = static_cast<WORD>(Message.WParam);
  altToggled_ = false;
  auto toggle = [this] {
    if (droppedDown_)
      HideDropDownEx(false);
    else
      DoShowDropDown();
  };
  auto popupKeys = [&](WORD k) {
    if (k == VK_RETURN)
      HideDropDownEx(false);
    else if (k == VK_ESCAPE)
      HideDropDownEx(true);
    else if (k == VK_F4)
      toggle();
  };
  if (AltHeld() && (key == VK_UP || key == VK_DOWN)) {
    toggle();
    altToggled_ = true;
  }
  if (!editorEnabled_ && Enabled()) {
    if (!ReadOnly()) popupKeys(key);
    // Caret and editing keys mean nothing to an edit that cannot be typed in.
    if (key == VK_RETURN || key == VK_ESCAPE) TCustomMaskEdit::WndProc(Message);
    altToggled_ = false;
    return;
  }
  if (CtrlHeld() && (key == VK_TAB || key == VK_RETURN)) {
    TCustomMaskEdit::WndProc(Message);
    altToggled_ = false;
    return;
  }
  if (key == VK_RETURN && returnIsTab_) {
    key = VK_TAB;
    Message.WParam = VK_TAB;
    if (Visible() && HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (CaretGuards(Message)) {
    altToggled_ = false;
    return;
  }
  TCustomMaskEdit::WndProc(Message);
  key = static_cast<WORD>(Message.WParam);
  if (key == VK_DELETE && editType_ == etMoney) FormatMoneyText();
  if (!prefix_.empty() && SelS() < PrefixLen()) Perform(EM_SETSEL, PrefixLen(), PrefixLen());
  if (key != 0) popupKeys(key);
  altToggled_ = false;
}

void TVevUrizazEvuvUduz::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  // The system-key messages of Alt+Up and Alt+Down come this way only; a
  // key-down message already toggled the pop-up above, once.
  if (!altToggled_ && Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN) && !Designing()) {
    altToggled_ = true;
    if (droppedDown_)
      HideDropDownEx(false);
    else
      DoShowDropDown();
  }
}

void TVevUrizazEvuvUduz::KeyPress(char32_t& Key) {
  TCustomMaskEdit::KeyPress(Key);
  if (Key == 13) Key = 0;
}

void TVevUrizazEvuvUduz::HandleWantSpecialKey(TMessage& Message) {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr) return;
  WORD key = static_cast<WORD>(Message.WParam);
  if (!form->KeyPreview()) {
    if (key == VK_ESCAPE && canUndo_) {
      SelectAll();
      SetIsModified(false);
      if (defaultHandling_ && Parent() != nullptr) {
        PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessage(Parent()->Handle(), WM_KEYUP, VK_ESCAPE, 0);
      }
      Message.WParam = 0;
      Message.Result = 0;
      key = 0;
    } else if (key == VK_RETURN && defaultHandling_ && Parent() != nullptr && Parent()->Focused()) {
      PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_RETURN, 0);
      PostMessage(Parent()->Handle(), WM_KEYUP, VK_RETURN, 0);
    }
  }
  TCustomMaskEdit::WndProc(Message);
  if (key == VK_ESCAPE && droppedDown_) Message.Result = 1;
}

// Keys typed in the pop-up and its content go to the edit's handling.
void TVevUrizazEvuvUduz::DropDownKeyPress(TObject*, char32_t& Key) {
  if (HandleAllocated()) SendMessage(Handle(), WM_CHAR, static_cast<WPARAM>(Key), 0);
}

void TVevUrizazEvuvUduz::DropDownKeyDown(TObject*, WORD& Key, TShiftState) {
  if (HandleAllocated()) SendMessage(Handle(), WM_KEYDOWN, Key, 0);
}

void TVevUrizazEvuvUduz::DropDownKeyUp(TObject*, WORD& Key, TShiftState) {
  if (HandleAllocated()) SendMessage(Handle(), WM_KEYUP, Key, 0);
}

void TVevUrizazEvuvUduz::ControlKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  DropDownKeyDown(Sender, Key, Shift);
}

void TVevUrizazEvuvUduz::ControlKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) {
  DropDownKeyUp(Sender, Key, Shift);
}

void TVevUrizazEvuvUduz::ControlKeyPress(TObject* Sender, char32_t& Key) { DropDownKeyPress(Sender, Key); }

// ---- Wheel ----

void TVevUrizazEvuvUduz::DoWheelDown() {}
void TVevUrizazEvuvUduz::DoWheelUp() {}

bool TVevUrizazEvuvUduz::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool r = TCustomMaskEdit::DoMouseWheelDown(Shift, MousePos);
  DoWheelDown();
  return r;
}

bool TVevUrizazEvuvUduz::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool r = TCustomMaskEdit::DoMouseWheelUp(Shift, MousePos);
  DoWheelUp();
  return r;
}

void TVevUrizazEvuvUduz::DropDownMouseWheelDown(TObject*, TShiftState, TPoint, bool&) { DoWheelDown(); }
void TVevUrizazEvuvUduz::DropDownMouseWheelUp(TObject*, TShiftState, TPoint, bool&) { DoWheelUp(); }

// ---- Mouse ----

void TVevUrizazEvuvUduz::HandleLButtonDown(TMessage& Message) {
  if (!editorEnabled_) {
    TCustomMaskEdit::WndProc(Message);
    OpenUnlessJustClosed();
    return;
  }
  if (SelL() > 0 && Focused()) {
    LRESULT r = Perform(EM_CHARFROMPOS, 0, Message.LParam);
    int ch = static_cast<int>(r & 0xFFFF);
    if (ch >= SelS() && ch <= SelS() + SelL()) {
      // A click into the selection keeps it until the release decides.
      buttonDown_ = true;
      return;
    }
  }
  TCustomMaskEdit::WndProc(Message);
}

void TVevUrizazEvuvUduz::HandleLButtonUp(TMessage& Message) {
  if (!editorEnabled_ || ReadOnly()) DrawFocusBorder();
  if (buttonDown_) {
    LRESULT r = Perform(EM_CHARFROMPOS, 0, Message.LParam);
    int ch = static_cast<int>(r & 0xFFFF);
    Perform(EM_SETSEL, ch, ch);
  }
  buttonDown_ = false;
  TCustomMaskEdit::WndProc(Message);
  const int p = PrefixLen();
  if (!prefix_.empty() && SelS() < p) {
    SelectAll();
  }
  if (!suffix_.empty()) {
    // The value's length alone, as the guards of the keys compare.
    const int vlen = static_cast<int>(Utf8ToUtf32(Text()).size());
    const int s = SelS(), l = SelL();
    if (s > vlen)
      Perform(EM_SETSEL, vlen, vlen);
    else if (s + l > vlen)
      Perform(EM_SETSEL, s, vlen);
  }
}

// ---- Focus ----

void TVevUrizazEvuvUduz::HandleSetFocus(TMessage& Message) {
  if (Loading()) return;
  TCustomMaskEdit::WndProc(Message);
  if (editorEnabled_) {
    if (AutoSelect())
      SelectAll();
    else if (editType_ == etFloat || editType_ == etMoney)
      SelectBeforeDecimal();
  } else {
    // Nothing can be typed: the focus look shows instead of a caret.
    HideCaret();
    Invalidate();
  }
}

// ---- The window procedure ----

void TVevUrizazEvuvUduz::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
      HandleKeyDown(Message);
      return;
    case WM_SYSKEYDOWN:
      altToggled_ = false;
      TCustomMaskEdit::WndProc(Message);
      altToggled_ = false;
      return;
    case WM_CHAR:
      HandleChar(Message);
      return;
    case WM_CUT:
      HandleCut(Message);
      return;
    case WM_COPY:
      HandleCopy(Message);
      return;
    case WM_PASTE:
      HandlePaste(Message);
      return;
    case WM_SETFOCUS:
      HandleSetFocus(Message);
      return;
    case WM_KILLFOCUS:
      HandleKillFocus(Message);
      return;
    case WM_LBUTTONDOWN:
      HandleLButtonDown(Message);
      return;
    case WM_LBUTTONUP:
      HandleLButtonUp(Message);
      return;
    case WM_GETDLGCODE:
      DefaultHandler(Message);
      return;
    case CN_COMMAND:
      if (Message.WParamHi() == EN_CHANGE && blockChange_) {
        // The change of a whole-value replacement is reported once.
        blockChange_ = false;
        return;
      }
      break;
    case CM_WANTSPECIALKEY:
      HandleWantSpecialKey(Message);
      return;
    case CM_ENTER:
      TCustomMaskEdit::WndProc(Message);
      if (AutoSelect() && !controlState_.Contains(csLButtonDown) && editorEnabled_) SelectAll();
      SetEditRect();
      RedrawBorders();
      return;
    case CM_EXIT:
      TCustomMaskEdit::WndProc(Message);
      RedrawBorders();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TCustomMaskEdit::WndProc(Message);
      if (Enabled()) {
        mouseInControl_ = Message.Msg == CM_MOUSEENTER;
        RedrawBorders();
      }
      return;
    case CM_ENABLEDCHANGED:
      TCustomMaskEdit::WndProc(Message);
      if (button_ != nullptr) button_->SetEnabled(Enabled());
      if (label_ != nullptr && !labelAlwaysEnabled_) label_->SetEnabled(Enabled());
      Invalidate();
      return;
    case CM_VISIBLECHANGED:
      TCustomMaskEdit::WndProc(Message);
      if (label_ != nullptr && !label_->Caption().empty()) label_->SetVisible(Visible());
      return;
    case CM_FONTCHANGED:
      TCustomMaskEdit::WndProc(Message);
      if (HandleAllocated()) SetEditRect();
      return;
    case CM_PARENTFONTCHANGED:
      TCustomMaskEdit::WndProc(Message);
      if (ParentFont()) {
        labelFont_->Assign(Font());
        UpdateLabel();
      }
      return;
    case EM_SETREADONLY:
      TCustomMaskEdit::WndProc(Message);
      if (button_ != nullptr) button_->Invalidate();
      return;
    case WM_SIZE:
      TCustomMaskEdit::WndProc(Message);
      ResizeControl();
      return;
    default:
      break;
  }
  TCustomMaskEdit::WndProc(Message);
}
