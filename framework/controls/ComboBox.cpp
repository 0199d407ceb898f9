#include "framework/controls/ComboBox.h"

#include <algorithm>
#include <cstring>
#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Controls_Published.h"

#include "framework/controls/Forms.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Themes.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/Tick.h"

namespace {
constexpr uint32_t kTypeAheadMs = 1000;
}  // namespace

// ---- TComboDropList ----

TComboDropList::TComboDropList(TCustomComboBox* Combo) : TCustomListBox(nullptr), combo_(Combo) {
  SetVisible(false);
  SetTabStop(false);
  SetBorderStyle(bsNone);
}

TComboDropList::~TComboDropList() = default;

void TComboDropList::CreateParams(TCreateParams& Params) {
  TCustomListBox::CreateParams(Params);
  if (Parent() == nullptr) {
    // A pop-up above everything that never takes the focus from the combo.
    Params.Style = WS_POPUP | WS_BORDER | (Params.Style & (WS_VSCROLL | WS_HSCROLL));
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    if (TCustomForm* f = GetParentForm(combo_); f != nullptr && f->HandleAllocated())
      Params.WndParent = f->Handle();
  } else {
    Params.ExStyle |= WS_EX_CLIENTEDGE;
  }
}

void TComboDropList::Popup(const TRect& R) {
  SetBounds(R.Left, R.Top, R.Width(), R.Height());
  HandleNeeded();
  SetVisible(true);
  UpdateShowing();
  MakeVisible(ItemIndex());
  Invalidate();
  SetCapture(Handle());
}

void TComboDropList::CloseWindow() {
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  SetVisible(false);
}

void TComboDropList::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  TCanvas* saved = combo_->drawCanvas_;
  combo_->drawCanvas_ = Canvas();
  try {
    combo_->DrawItem(Index, Rect, State);
  } catch (...) {
    combo_->drawCanvas_ = saved;
    throw;
  }
  combo_->drawCanvas_ = saved;
}

void TComboDropList::MeasureItem(int Index, int& Height) { combo_->MeasureItem(Index, Height); }

void TComboDropList::ItemsChanged() {
  TCustomListBox::ItemsChanged();
  combo_->ItemsChanged();
}

void TComboDropList::SelectionChangedByUser() {
  // In the always-shown list of csSimple a click chooses at once.
  if (Parent() != nullptr) combo_->ListItemClicked(ItemIndex());
}

void TComboDropList::WndProc(TMessage& Message) {
  bool mouse = Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST;
  if (Parent() == nullptr && combo_->DroppedDown() && (mouse || Message.Msg == WM_CAPTURECHANGED)) {
    TPoint p(Message.XPos(), Message.YPos());
    TRect client = mouse ? ClientRect() : TRect();
    bool onBar = mouse && PtInRect(VertBarRect(), p);
    switch (Message.Msg) {
      case WM_MOUSEMOVE:
        // The row under the mouse is highlighted, not yet chosen.
        if (!onBar && PtInRect(client, p) && GetCapture() == Handle()) {
          int i = ItemAtPos(p, true);
          if (i >= 0 && i != ItemIndex()) TCustomListBox::SetItemIndex(i);
          return;
        }
        break;
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (!onBar && !PtInRect(client, p)) {
          // A press anywhere else closes the list and keeps the old choice.
          combo_->HideDropList(false);
          return;
        }
        if (!onBar) {
          int i = ItemAtPos(p, true);
          if (i >= 0) TCustomListBox::SetItemIndex(i);
          return;
        }
        break;
      case WM_LBUTTONUP:
        if (!onBar && PtInRect(client, p) && GetCapture() == Handle()) {
          int i = ItemAtPos(p, true);
          if (i >= 0) {
            TCustomListBox::SetItemIndex(i);
            combo_->HideDropList(true);
          }
          return;
        }
        // The bar lets the capture go when it is done; the list takes it back.
        releasing_ = true;
        TCustomListBox::WndProc(Message);
        releasing_ = false;
        if (combo_->DroppedDown() && GetCapture() != Handle()) SetCapture(Handle());
        return;
      case WM_CAPTURECHANGED:
        TCustomListBox::WndProc(Message);
        // Losing the mouse to another window ends the list.
        if (!releasing_ && static_cast<HWND>(Message.LParam) != Handle()) combo_->HideDropList(false);
        return;
      default:
        break;
    }
  }
  TCustomListBox::WndProc(Message);
}

// ---- TCustomComboBox ----

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TCustomEdit(AOwner), list_(std::make_unique<TComboDropList>(this)) {
  controlStyle_ = TControlStyle{csSetCaption, csDoubleClicks, csFixedHeight};
  TCustomEdit::SetAutoSize(false);
  SetBounds(Left(), Top(), 145, 0);
  UpdateFieldLayout();
}

TCustomComboBox::~TCustomComboBox() {
  if (droppedDown_) {
    droppedDown_ = false;
    list_->CloseWindow();
  }
  list_.reset();
}

int TCustomComboBox::FieldHeight() const {
  if (fieldHeight_ > 0) return fieldHeight_;
  if (style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable) return list_->ItemHeight();
  auto* self = const_cast<TCustomComboBox*>(this);
  TCanvas* c = self->EditCanvas();
  c->Font()->Assign(Font());
  int h = c->TextMetrics().tmHeight;
  return (h > 0 ? h : 13) + 2;
}

void TCustomComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // The control is as high as its field; the list drops below it.
  if (style_ != csSimple && list_) AHeight = FieldHeight() + 6;
  TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCustomComboBox::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}

void TCustomComboBox::CreateWnd() {
  TCustomEdit::CreateWnd();
  UpdateFieldLayout();
}

void TCustomComboBox::Loaded() {
  TCustomEdit::Loaded();
  if (loadedIndex_ >= 0) SetItemIndex(loadedIndex_);
  loadedIndex_ = -1;
}

TRect TCustomComboBox::ButtonRect() const {
  if (style_ == csSimple) return TRect();
  TRect c = ClientRect();
  return TRect(c.Right - ScrollBarSize(), 0, c.Right, c.Bottom);
}

void TCustomComboBox::UpdateFieldLayout() {
  if (!list_) return;
  TRect c = ClientRect();
  int line = FieldHeight() - 2;
  int fieldBottom = style_ == csSimple ? std::min(c.Bottom, FieldHeight() + 2) : c.Bottom;
  int right = style_ == csSimple ? c.Right : c.Right - ScrollBarSize();
  TRect fr(2, std::max(0, (fieldBottom - line) / 2), std::max(2, right - 1), 0);
  fr.Bottom = fr.Top + line;
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&fr));
  if (style_ == csSimple) {
    TRect lr(0, fieldBottom, c.Right, std::max(fieldBottom, c.Bottom));
    list_->SetBounds(lr.Left, lr.Top, lr.Width(), lr.Height());
  }
}

void TCustomComboBox::WMSize(TMessage& Message) {
  TCustomEdit::WMSize(Message);
  UpdateFieldLayout();
}

void TCustomComboBox::CMFontChanged(TMessage& Message) {
  TCustomEdit::CMFontChanged(Message);
  list_->Font()->Assign(Font());
  SetBounds(Left(), Top(), Width(), Height());
  UpdateFieldLayout();
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (style_ == Value) return;
  if (droppedDown_) HideDropList(false);
  bool wasSimple = style_ == csSimple;
  style_ = Value;
  list_->SetStyle(Value == csOwnerDrawFixed      ? lbOwnerDrawFixed
                  : Value == csOwnerDrawVariable ? lbOwnerDrawVariable
                                                 : lbStandard);
  if (wasSimple != (Value == csSimple)) {
    list_->ReleaseWindow();
    if (Value == csSimple) {
      list_->SetParent(this);
      list_->SetBorderStyle(bsSingle);
      list_->SetVisible(true);
    } else {
      list_->SetVisible(false);
      list_->SetParent(nullptr);
      list_->SetBorderStyle(bsNone);
    }
  }
  if (IsListStyle()) SyncTextToSelection();
  SetBounds(Left(), Top(), Width(), Height());
  UpdateFieldLayout();
  Invalidate();
}

void TCustomComboBox::SetItemHeight(int Value) {
  list_->SetItemHeight(Value);
  SetBounds(Left(), Top(), Width(), Height());
  UpdateFieldLayout();
}

void TCustomComboBox::SetDroppedWidth(int Value) { droppedWidth_ = std::max(Value, 0); }

void TCustomComboBox::Clear() {
  list_->Items()->Clear();
  SetChars(U"", false);
}

void TCustomComboBox::Notify(UINT Code) {
  Perform(CN_COMMAND, MakeWParam(0, static_cast<int>(Code)), static_cast<LPARAM>(handle_));
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::Select() {
  if (OnSelect)
    OnSelect(this);
  else
    Change();
}

void TCustomComboBox::Change() { TCustomEdit::Change(); }

void TCustomComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State) {
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  TCanvas* c = Canvas();
  c->FillRect(Rect);
  if (Index < 0 || Index >= Items()->Count()) return;
  TRect r = Rect;
  r.Left += 2;
  c->Brush()->SetStyle(bsClear);
  DrawText(c, Items()->Strings(Index), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TCustomComboBox::MeasureItem(int Index, int& Height) {
  if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

// ---- Selection and text ----

void TCustomComboBox::SyncTextToSelection() {
  int i = ItemIndex();
  std::string s = i >= 0 ? Items()->Strings(i) : std::string();
  if (Utf8ToUtf32(s) != Chars()) SetChars(Utf8ToUtf32(s), false);
  Invalidate();
}

void TCustomComboBox::SelectByText(const std::string& S) {
  list_->SetItemIndex(FindListItem(Items(), -1, S, true));
}

void TCustomComboBox::SetItemIndex(int Value) {
  // A layout may give the index before the items; it waits for them.
  if (ComponentState().Contains(csLoading) && Value >= Items()->Count()) {
    loadedIndex_ = Value;
    return;
  }
  list_->SetItemIndex(Value);
  typed_.clear();
  // The field shows the chosen item, or nothing when none is chosen.
  SyncTextToSelection();
  if (!IsListStyle() && ItemIndex() >= 0 && Focused()) SelectAll();
}

void TCustomComboBox::ItemsChanged() {
  typed_.clear();
  if (IsListStyle()) {
    SyncTextToSelection();
  } else {
    Invalidate();
  }
}

void TCustomComboBox::UserSelectItem(int Index) {
  if (Items()->Count() == 0) return;
  Index = std::clamp(Index, 0, Items()->Count() - 1);
  if (Index == ItemIndex() && Utf8ToUtf32(Items()->Strings(Index)) == Chars()) return;
  list_->SetItemIndex(Index);
  SyncTextToSelection();
  if (!IsListStyle()) SelectAll();
  Notify(CBN_SELCHANGE);
}

void TCustomComboBox::ListItemClicked(int Index) {
  if (Index < 0) return;
  SetChars(Utf8ToUtf32(Items()->Strings(Index)), false);
  SelectAll();
  Notify(CBN_SELCHANGE);
}

void TCustomComboBox::EditChanged() {
  std::string text = Text();
  if (droppedDown_) {
    // The list follows the typing: the first row that begins with it.
    int i = text.empty() ? -1 : FindListItem(Items(), -1, text, false);
    list_->SetItemIndex(i);
  } else {
    SelectByText(text);
  }
  if (typedChar_ && autoComplete_ && style_ == csDropDown && SelLength() == 0 && SelStart() == TextLength() &&
      !text.empty()) {
    int i = FindListItem(Items(), -1, text, false);
    if (i >= 0) {
      std::u32string item = Utf8ToUtf32(Items()->Strings(i));
      int typed = TextLength();
      if (static_cast<int>(item.size()) > typed) {
        inEditChange_ = true;
        try {
          ReplaceSelection(item.substr(static_cast<size_t>(typed)), false);
        } catch (...) {
          inEditChange_ = false;
          throw;
        }
        inEditChange_ = false;
        SetSelection(typed, TextLength());
      }
      list_->SetItemIndex(i);
    }
  }
  typedChar_ = false;
  Notify(CBN_EDITCHANGE);
}

// ---- Dropping down ----

void TCustomComboBox::SetDroppedDown(bool Value) {
  if (Value)
    ShowDropList();
  else
    HideDropList(true);
}

void TCustomComboBox::ShowDropList() {
  if (droppedDown_ || style_ == csSimple || !Enabled()) return;
  Notify(CBN_DROPDOWN);
  if (!IsShowing()) return;
  int n = Items()->Count();
  int rows = std::clamp(n, 1, dropDownCount_);
  int h = 0;
  for (int i = 0; i < rows; ++i)
    h += i < n ? static_cast<int>(list_->Perform(LB_GETITEMHEIGHT, static_cast<WPARAM>(i), 0))
               : list_->ItemHeight();
  h += 2;
  TRect ins = NonClientInsets();
  TPoint org = ClientToScreen(TPoint(-ins.Left, -ins.Top));
  TRect r = Bounds(org.X, org.Y + Height(), DroppedWidth(), h);
  if (Screen != nullptr) {
    TRect work = Screen->MonitorWorkAreaFromPoint(org);
    if (r.Bottom > work.Bottom && org.Y - h >= work.Top) r = Bounds(org.X, org.Y - h, r.Width(), h);
    if (r.Right > work.Right && r.Width() <= work.Width()) OffsetRect(r, work.Right - r.Right, 0);
  }
  list_->Font()->Assign(Font());
  list_->SetColor(Color());
  dropStartIndex_ = ItemIndex();
  droppedDown_ = true;
  list_->Popup(r);
  Invalidate();
}

void TCustomComboBox::HideDropList(bool Accept) {
  if (!droppedDown_) return;
  droppedDown_ = false;
  int chosen = list_->ItemIndex();
  list_->SetItemIndex(dropStartIndex_);
  list_->CloseWindow();
  buttonDown_ = false;
  Invalidate();
  if (Accept && chosen >= 0 && chosen != dropStartIndex_)
    UserSelectItem(chosen);
  else if (!IsListStyle())
    SelectByText(Text());
  Notify(CBN_CLOSEUP);
}

// ---- Keys ----

int TCustomComboBox::SelectionStep(WORD Key) const {
  int n = Items()->Count();
  int cur = droppedDown_ ? list_->ItemIndex() : ItemIndex();
  int page = std::max(1, std::min(dropDownCount_, n) - 1);
  switch (Key) {
    case VK_UP:
      return cur < 0 ? 0 : std::max(cur - 1, 0);
    case VK_DOWN:
      return cur < 0 ? 0 : std::min(cur + 1, n - 1);
    case VK_PRIOR:
      return std::max(cur - page, 0);
    case VK_NEXT:
      return std::min(std::max(cur, 0) + page, n - 1);
    case VK_HOME:
      return 0;
    case VK_END:
      return n - 1;
    default:
      return cur;
  }
}

void TCustomComboBox::KeyDown(WORD& Key, TShiftState Shift) {
  typedChar_ = false;
  TCustomEdit::KeyDown(Key, Shift);
  if (Key == 0) return;
  bool alt = Shift.Contains(ssAlt);
  if (style_ != csSimple && (Key == VK_F4 || (alt && (Key == VK_DOWN || Key == VK_UP)))) {
    if (droppedDown_)
      HideDropList(true);
    else
      ShowDropList();
    Key = 0;
    return;
  }
  if (droppedDown_) {
    switch (Key) {
      case VK_RETURN:
        HideDropList(true);
        Key = 0;
        return;
      case VK_ESCAPE:
        HideDropList(false);
        Key = 0;
        return;
      case VK_UP:
      case VK_DOWN:
      case VK_PRIOR:
      case VK_NEXT:
        if (Items()->Count() > 0) list_->SetItemIndex(SelectionStep(Key));
        Key = 0;
        return;
      case VK_HOME:
      case VK_END:
        if (IsListStyle()) {
          if (Items()->Count() > 0) list_->SetItemIndex(SelectionStep(Key));
          Key = 0;
        }
        return;
      default:
        return;
    }
  }
  switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
      if (Items()->Count() > 0) UserSelectItem(SelectionStep(Key));
      Key = 0;
      return;
    case VK_HOME:
    case VK_END:
      // In an edit field they move the caret.
      if (IsListStyle()) {
        if (Items()->Count() > 0) UserSelectItem(SelectionStep(Key));
        Key = 0;
      }
      return;
    default:
      return;
  }
}

void TCustomComboBox::CNKeyDown(TMessage& Message) {
  // Tab leaves a dropped list with the highlighted row chosen.
  if (droppedDown_ && Message.WParam == VK_TAB) HideDropList(true);
  TCustomEdit::CNKeyDown(Message);
}

void TCustomComboBox::KeyPress(char32_t& Key) {
  TCustomEdit::KeyPress(Key);
  if (Key == 0) return;
  if (!IsListStyle()) {
    typedChar_ = Key >= 32 && Key != 127;
    return;
  }
  if (Key < 32 || Key == 127) return;
  // Typing selects the first item that begins with what was typed.
  uint32_t now = GetTickCount();
  if (now - lastTyped_ > kTypeAheadMs) typed_.clear();
  lastTyped_ = now;
  typed_ += Key;
  int cur = droppedDown_ ? list_->ItemIndex() : ItemIndex();
  int found = FindListItem(Items(), typed_.size() > 1 ? cur - 1 : cur, Utf32ToUtf8(typed_), false);
  if (found < 0 && typed_.size() > 1) {
    typed_ = std::u32string(1, Key);
    found = FindListItem(Items(), cur, Utf32ToUtf8(typed_), false);
  }
  if (found >= 0) {
    if (droppedDown_)
      list_->SetItemIndex(found);
    else
      UserSelectItem(found);
  }
  Key = 0;
}

// ---- Messages ----

void TCustomComboBox::WndProc(TMessage& Message) {
  auto text = [&](LPARAM L) { return std::string(L != 0 ? reinterpret_cast<const char*>(L) : ""); };
  int idx = static_cast<int>(static_cast<intptr_t>(Message.WParam));
  switch (Message.Msg) {
    case CN_COMMAND:
      switch (Message.WParamHi()) {
        case EN_CHANGE:
          if (!inEditChange_) EditChanged();
          return;
        case CBN_DROPDOWN:
          DropDown();
          return;
        case CBN_CLOSEUP:
          CloseUp();
          return;
        case CBN_SELCHANGE:
          Click();
          Select();
          return;
        case CBN_EDITCHANGE:
          Change();
          return;
        case CBN_DBLCLK:
          DblClick();
          return;
        default:
          return;
      }
    case WM_KILLFOCUS:
      if (droppedDown_) HideDropList(false);
      typed_.clear();
      break;
    case WM_SETFOCUS:
    case CM_VISIBLECHANGED:
      // A search by typing belongs to one visit of the field: a grid's
      // editor moved to the next cell starts afresh, however soon.
      typed_.clear();
      break;
    case CM_ENABLEDCHANGED:
      if (!Enabled() && droppedDown_) HideDropList(false);
      break;
    case CM_MOUSEENTER:
      hot_ = true;
      Invalidate();
      break;
    case CM_MOUSELEAVE:
      hot_ = false;
      Invalidate();
      break;
    case CB_SHOWDROPDOWN:
      SetDroppedDown(Message.WParam != 0);
      Message.Result = 1;
      return;
    case CB_GETDROPPEDSTATE:
      Message.Result = droppedDown_ ? 1 : 0;
      return;
    case CB_FINDSTRING:
      Message.Result = FindListItem(Items(), idx, text(Message.LParam), false);
      return;
    case CB_FINDSTRINGEXACT:
      Message.Result = FindListItem(Items(), idx, text(Message.LParam), true);
      return;
    case CB_SELECTSTRING: {
      int f = FindListItem(Items(), idx, text(Message.LParam), false);
      if (f >= 0) SetItemIndex(f);
      Message.Result = f;
      return;
    }
    case CB_SETCURSEL:
      SetItemIndex(idx);
      Message.Result = (idx >= 0 && idx < Items()->Count()) ? idx : -1;
      return;
    case CB_GETCURSEL:
      Message.Result = ItemIndex();
      return;
    case CB_GETEDITSEL: {
      int s = SelStart(), e = SelStart() + SelLength();
      if (auto* p = reinterpret_cast<uint32_t*>(Message.WParam)) *p = static_cast<uint32_t>(s);
      if (auto* p = reinterpret_cast<uint32_t*>(Message.LParam)) *p = static_cast<uint32_t>(e);
      Message.Result = MakeLParam(std::min(s, 0xFFFF), std::min(e, 0xFFFF));
      return;
    }
    case CB_SETEDITSEL: {
      if (IsListStyle()) {
        Message.Result = -1;
        return;
      }
      int s = static_cast<int16_t>(Message.LParamLo()), e = static_cast<int16_t>(Message.LParamHi());
      if (s < 0) {
        SetSelection(Caret(), Caret());
      } else {
        SetSelection(s, e < 0 ? TextLength() : e);
      }
      Message.Result = 1;
      return;
    }
    case CB_LIMITTEXT:
      SetMaxLength(static_cast<int>(Message.WParam));
      Message.Result = 1;
      return;
    case CB_ADDSTRING:
      Message.Result = Items()->Add(text(Message.LParam));
      return;
    case CB_INSERTSTRING:
      Message.Result = list_->Perform(LB_INSERTSTRING, Message.WParam, Message.LParam);
      return;
    case CB_DELETESTRING:
      Message.Result = list_->Perform(LB_DELETESTRING, Message.WParam, 0);
      return;
    case CB_RESETCONTENT:
      Items()->Clear();
      return;
    case CB_GETCOUNT:
      Message.Result = Items()->Count();
      return;
    case CB_GETLBTEXT:
      Message.Result = list_->Perform(LB_GETTEXT, Message.WParam, Message.LParam);
      return;
    case CB_GETLBTEXTLEN:
      Message.Result = list_->Perform(LB_GETTEXTLEN, Message.WParam, 0);
      return;
    case CB_GETITEMDATA:
      Message.Result = list_->Perform(LB_GETITEMDATA, Message.WParam, 0);
      return;
    case CB_SETITEMDATA:
      Message.Result = list_->Perform(LB_SETITEMDATA, Message.WParam, Message.LParam);
      return;
    case CB_GETTOPINDEX:
      Message.Result = list_->TopIndex();
      return;
    case CB_SETTOPINDEX:
      list_->SetTopIndex(idx);
      return;
    case CB_SETITEMHEIGHT:
      if (idx == -1) {
        fieldHeight_ = std::max(0, static_cast<int>(Message.LParam));
        SetBounds(Left(), Top(), Width(), Height());
        UpdateFieldLayout();
      } else {
        list_->Perform(LB_SETITEMHEIGHT, Message.WParam, Message.LParam);
      }
      return;
    case CB_GETITEMHEIGHT:
      Message.Result = idx == -1 ? FieldHeight() : list_->ItemHeight();
      return;
    case CB_SETDROPPEDWIDTH:
      SetDroppedWidth(idx);
      Message.Result = DroppedWidth();
      return;
    case CB_GETDROPPEDWIDTH:
      Message.Result = DroppedWidth();
      return;
    case CB_GETDROPPEDCONTROLRECT:
      if (auto* r = reinterpret_cast<TRect*>(Message.LParam)) {
        if (droppedDown_) {
          *r = list_->BoundsRect();
        } else {
          TRect ins = NonClientInsets();
          TPoint o = ClientToScreen(TPoint(-ins.Left, -ins.Top));
          *r = Bounds(o.X, o.Y, DroppedWidth(), Height());
        }
      }
      Message.Result = 1;
      return;
    default:
      break;
  }
  TCustomEdit::WndProc(Message);
}

void TCustomComboBox::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETTEXT: {
      std::string s = Message.LParam != 0 ? reinterpret_cast<const char*>(Message.LParam) : "";
      if (IsListStyle()) {
        SelectByText(s);
        SyncTextToSelection();
      } else {
        SetChars(Utf8ToUtf32(s), false);
        SelectByText(s);
      }
      Message.Result = 1;
      return;
    }
    case WM_GETDLGCODE:
      TCustomEdit::DefaultHandler(Message);
      // While the list is down Return and Escape belong to it.
      if (droppedDown_) Message.Result |= DLGC_WANTALLKEYS;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      TPoint p(Message.XPos(), Message.YPos());
      bool onButton = PtInRect(ButtonRect(), p);
      if (IsListStyle() || onButton) {
        if (!Focused() && CanFocus()) SetFocus();
        if (!Focused()) return;
        buttonDown_ = true;
        if (droppedDown_)
          HideDropList(true);
        else
          ShowDropList();
        if (Message.Msg == WM_LBUTTONDBLCLK && IsListStyle()) Notify(CBN_DBLCLK);
        return;
      }
      break;
    }
    case WM_LBUTTONUP:
      if (buttonDown_) {
        buttonDown_ = false;
        Invalidate();
        return;
      }
      break;
    case WM_MOUSEWHEEL: {
      int delta = static_cast<int16_t>(Message.WParamHi());
      if (droppedDown_) {
        Message.Result = list_->Perform(WM_MOUSEWHEEL, Message.WParam, Message.LParam);
        return;
      }
      if (Items()->Count() > 0 && delta != 0) UserSelectItem(SelectionStep(delta > 0 ? VK_UP : VK_DOWN));
      Message.Result = 1;
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomEdit::DefaultHandler(Message);
      Invalidate();
      return;
    default:
      break;
  }
  if (IsListStyle()) {
    // The selection field is not an edit: no typing, caret moves or
    // clipboard changes.
    switch (Message.Msg) {
      case WM_CHAR:
      case WM_KEYDOWN:
      case WM_PASTE:
      case WM_CUT:
      case WM_CLEAR:
      case WM_UNDO:
      case EM_UNDO:
      case EM_REPLACESEL:
      case WM_MOUSEMOVE:
      case WM_LBUTTONUP:
        return;
      default:
        break;
    }
  }
  TCustomEdit::DefaultHandler(Message);
}

// ---- Painting ----

void TCustomComboBox::PaintEdit(TCanvas* C) {
  TRect client = ClientRect();
  TRect button = ButtonRect();
  if (!IsListStyle()) {
    TCustomEdit::PaintEdit(C);
  } else {
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    C->FillRect(client);
    TRect field(client.Left + 1, client.Top + 1, button.Left - 1, client.Bottom - 1);
    bool focusLook = Focused() && !droppedDown_;
    C->Font()->Assign(Font());
    C->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
    if (focusLook) {
      C->Brush()->SetColor(clHighlight);
      C->Font()->SetColor(clHighlightText);
    } else if (!Enabled()) {
      C->Font()->SetColor(clGrayText);
    }
    TOwnerDrawState state{odComboBoxEdit};
    if (focusLook) state << odSelected << odFocused;
    if (!Enabled()) state << odDisabled;
    int saved = C->SaveDC();
    C->IntersectClipRect(field);
    if (style_ == csDropDownList) {
      C->FillRect(field);
      TRect t = field;
      t.Left += 2;
      C->Brush()->SetStyle(bsClear);
      DrawText(C, Text(), t, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    } else {
      TCanvas* saved2 = drawCanvas_;
      drawCanvas_ = C;
      try {
        DrawItem(ItemIndex(), field, state);
      } catch (...) {
        drawCanvas_ = saved2;
        C->RestoreDC(saved);
        throw;
      }
      drawCanvas_ = saved2;
    }
    C->RestoreDC(saved);
    if (focusLook) C->DrawFocusRect(field);
  }
  if (IsRectEmpty(button)) return;
  bool pressed = droppedDown_ || buttonDown_;
  if (HTHEME th = OpenThemeData(0, "COMBOBOX")) {
    int state = !Enabled() ? CBXS_DISABLED : pressed ? CBXS_PRESSED : hot_ ? CBXS_HOT : CBXS_NORMAL;
    DrawThemeBackground(th, C, CP_DROPDOWNBUTTON, state, button, nullptr);
    CloseThemeData(th);
    return;
  }
  DrawFrameControl(
      C, button, DFC_SCROLL,
      DFCS_SCROLLCOMBOBOX | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0u) | (Enabled() ? 0u : DFCS_INACTIVE));
}

// ---- Published table ----

// The drop-down list belongs to its combo box; layouts never create it.
CF_PUBLISH(TComboDropList, TCustomListBox) { P.NotCreatable(); }
