#include "framework/controls/StdCtrls.h"

#include <algorithm>

#include "framework/controls/Clipbrd.h"
#include "framework/controls/Forms.h"
#include "framework/controls/GraphUtil.h"
#include "framework/graphics/Gdi.h"
#include "framework/rtl/StrUtils.h"

namespace {

bool IsWordChar(char32_t c) {
  return c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80;
}

std::u32string NormalizeBreaks(const std::u32string& s) {
  // A multi-line edit keeps CR LF pairs; lone CR or LF become pairs.
  std::u32string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c == '\r') {
      out += U"\r\n";
      if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += U"\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

// ---- TCustomLabel ----

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  controlStyle_ << csOpaque << csReplicatable;
  SetParentColor(true);
  SetBounds(0, 0, 65, 17);
  TControl::SetAutoSize(true);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (layout_ == Value) return;
  layout_ = Value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  if (Value)
    controlStyle_ >> csOpaque;
  else
    controlStyle_ << csOpaque;
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (showAccelChar_ == Value) return;
  showAccelChar_ = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetEllipsisPosition(TEllipsisPosition Value) {
  if (ellipsisPosition_ == Value) return;
  ellipsisPosition_ = Value;
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
  if (focusControl_ != nullptr) focusControl_->RemoveFreeNotification(this);
  focusControl_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TCustomLabel::SetAutoSize(bool Value) {
  TControl::SetAutoSize(Value);
  AdjustBounds();
}

void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && focusControl_ != nullptr &&
      static_cast<TComponent*>(focusControl_) == AComponent)
    focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::DoDrawText(TRect& Rect, unsigned Flags) {
  std::string text = GetLabelText();
  if ((Flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += ' ';
  if (!showAccelChar_) Flags |= DT_NOPREFIX;
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  if (!Enabled() && !(Flags & DT_CALCRECT))
    DrawDisabledText(c, text, Rect, Flags, clBtnShadow);
  else
    DrawText(c->Handle(), text, Rect, Flags);
}

void TCustomLabel::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  if (!Transparent()) {
    c->Brush()->SetColor(Color());
    c->Brush()->SetStyle(bsSolid);
    c->FillRect(r);
  }
  c->Brush()->SetStyle(bsClear);
  TAlignment a = alignment_;
  if (UseRightToLeftAlignment() && a != taCenter) a = a == taLeftJustify ? taRightJustify : taLeftJustify;
  unsigned flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0u) |
                   (a == taRightJustify ? DT_RIGHT
                    : a == taCenter     ? DT_CENTER
                                        : DT_LEFT);
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  if (!AutoSize()) {
    switch (ellipsisPosition_) {
      case epPathEllipsis:
        flags |= DT_PATH_ELLIPSIS;
        break;
      case epEndEllipsis:
        flags |= DT_END_ELLIPSIS;
        break;
      case epWordEllipsis:
        flags |= DT_WORD_ELLIPSIS;
        break;
      default:
        break;
    }
  }
  if (layout_ != tlTop) {
    TRect calc = r;
    DoDrawText(calc, flags | DT_CALCRECT);
    int h = calc.Height();
    if (layout_ == tlBottom)
      OffsetRect(r, 0, r.Height() - h);
    else
      OffsetRect(r, 0, (r.Height() - h) / 2);
  }
  DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds() {
  if (ComponentState().Contains(csReading) || ComponentState().Contains(csLoading) || !AutoSize()) return;
  TRect r = ClientRect();
  if (!wordWrap_) r.Right = r.Left + 100000;
  DoDrawText(r, DT_EXPANDTABS | DT_CALCRECT | (wordWrap_ ? DT_WORDBREAK : 0u));
  int x = Left();
  TAlignment a = alignment_;
  if (UseRightToLeftAlignment() && a != taCenter) a = a == taLeftJustify ? taRightJustify : taLeftJustify;
  if (a == taRightJustify) x += Width() - r.Right;
  SetBounds(x, Top(), r.Right, r.Bottom);
}

void TCustomLabel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
      Invalidate();
      AdjustBounds();
      return;
    case CM_FONTCHANGED:
      AdjustBounds();
      Invalidate();
      return;
    case CM_DIALOGCHAR:
      if (focusControl_ != nullptr && Enabled() && showAccelChar_ &&
          IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        Message.Result = 1;
      }
      return;
    default:
      break;
  }
  TGraphicControl::WndProc(Message);
}

// ---- TButton ----

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = TControlStyle{csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButton::SetDefault(bool Value) {
  default_ = Value;
  TCustomForm* form = GetParentForm(this);
  TWinControl* ac = form != nullptr ? form->ActiveControl() : nullptr;
  active_ = dynamic_cast<TButton*>(ac) != nullptr ? ac == this : default_;
  Invalidate();
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TCustomControl::Click();
}

void TButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGKEY:
      if (((Message.WParam == VK_RETURN && active_) || (Message.WParam == VK_ESCAPE && cancel_)) &&
          KeyDataToShiftState(Message.LParam).Empty() && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && CanFocus()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED: {
      auto* sender = reinterpret_cast<TWinControl*>(Message.LParam);
      bool before = active_;
      active_ = dynamic_cast<TButton*>(sender) != nullptr ? sender == this : default_;
      if (before != active_) Invalidate();
      break;
    }
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

void TButton::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_BUTTON | (active_ ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Focused() && CanFocus()) SetFocus();
      pressed_ = true;
      SetCapture(Handle());
      Invalidate();
      return;
    case WM_MOUSEMOVE:
      if (GetCapture() == Handle()) {
        bool in = PtInRect(ClientRect(), TPoint(Message.XPos(), Message.YPos()));
        if (in != pressed_) {
          pressed_ = in;
          Invalidate();
        }
      }
      return;
    case WM_LBUTTONUP: {
      bool wasCaptured = GetCapture() == Handle();
      bool in = PtInRect(ClientRect(), TPoint(Message.XPos(), Message.YPos()));
      if (wasCaptured) ReleaseCapture();
      bool click = pressed_ && in;
      pressed_ = false;
      Invalidate();
      if (click) Click();
      return;
    }
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
        Click();
      }
      return;
    case WM_KILLFOCUS:
      spaceDown_ = false;
      pressed_ = false;
      Invalidate();
      return;
    case WM_SETFOCUS:
      Invalidate();
      return;
    default:
      break;
  }
  TCustomControl::DefaultHandler(Message);
}

void TButton::Paint() {
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  c->Brush()->SetColor(Color());
  c->Brush()->SetStyle(bsSolid);
  c->FillRect(r);
  if (active_) {
    c->Brush()->SetColor(clWindowFrame);
    c->FrameRect(r);
    InflateRect(r, -1, -1);
  }
  TRect face = r;
  unsigned state = DFCS_BUTTONPUSH | (pressed_ ? DFCS_PUSHED : 0u) | (Enabled() ? 0u : DFCS_INACTIVE);
  DrawFrameControl(c->Handle(), face, DFC_BUTTON, state);
  c->Font()->Assign(Font());
  c->Brush()->SetStyle(bsClear);
  TRect text = r;
  if (pressed_) OffsetRect(text, 1, 1);
  unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (!Enabled())
    DrawDisabledText(c, Caption(), text, flags, clBtnShadow);
  else
    DrawText(c->Handle(), Caption(), text, flags);
  if (Focused()) {
    TRect f = r;
    InflateRect(f, -4, -4);
    c->DrawFocusRect(f);
  }
}

// ---- TCustomEdit ----

TCustomEdit::TCustomEdit(TComponent* AOwner)
    : TWinControl(AOwner), measure_(std::make_unique<TControlCanvas>(this)) {
  controlStyle_ = TControlStyle{csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  SetBounds(0, 0, 121, 25);
  SetTabStop(true);
  SetParentColor(false);
  TControl::SetAutoSize(true);
  AdjustHeight();
}

TCustomEdit::~TCustomEdit() = default;

TControlCanvas* TCustomEdit::EditCanvas() {
  if (!canvas_) canvas_ = std::make_unique<TControlCanvas>(this);
  return canvas_.get();
}

bool TCustomEdit::IsMultiLine() const {
  if (HandleAllocated()) return (style_ & ES_MULTILINE) != 0;
  return (StyleParams().Style & ES_MULTILINE) != 0;
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (alignment_ == taCenter) Params.Style |= ES_CENTER;
  if (alignment_ == taRightJustify) Params.Style |= ES_RIGHT;
  if (readOnly_) Params.Style |= ES_READONLY;
  if (passwordChar_ != 0) Params.Style |= ES_PASSWORD;
  if (!hideSelection_) Params.Style |= ES_NOHIDESEL;
  if (charCase_ == ecUpperCase) Params.Style |= ES_UPPERCASE;
  if (charCase_ == ecLowerCase) Params.Style |= ES_LOWERCASE;
  ApplyBorderStyle(Params, borderStyle_);
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  EnsureCaretVisible();
}

void TCustomEdit::SetMaxLength(int Value) { maxLength_ = std::max(0, Value); }

void TCustomEdit::SetReadOnly(bool Value) {
  if (readOnly_ == Value) return;
  readOnly_ = Value;
  if (HandleAllocated()) style_ = Value ? (style_ | ES_READONLY) : (style_ & ~ES_READONLY);
  Invalidate();
}

void TCustomEdit::SetPasswordChar(char32_t Value) {
  if (passwordChar_ == Value) return;
  passwordChar_ = Value;
  Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (charCase_ == Value) return;
  charCase_ = Value;
  std::u32string s = text_;
  ApplyCase(s);
  if (s != text_) SetChars(s, true);
}

void TCustomEdit::SetHideSelection(bool Value) {
  hideSelection_ = Value;
  Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (borderStyle_ == Value) return;
  borderStyle_ = Value;
  RecreateWnd();
  AdjustHeight();
  Realign();
  Invalidate();
}

void TCustomEdit::SetAlignment(TAlignment Value) {
  if (alignment_ == Value) return;
  alignment_ = Value;
  RecreateWnd();
  Invalidate();
}

void TCustomEdit::SetAutoSize(bool Value) {
  TControl::SetAutoSize(Value);
  AdjustHeight();
}

void TCustomEdit::AdjustHeight() {
  if (!AutoSize() || IsMultiLine()) return;
  measure_->Font()->Assign(Font());
  int h = measure_->TextMetrics().tmHeight;
  int border = borderStyle_ == bsSingle ? (Ctl3D() ? 8 : 6) : 0;
  SetHeight(h + border);
}

void TCustomEdit::CMFontChanged(TMessage& Message) {
  TWinControl::CMFontChanged(Message);
  AdjustHeight();
  EnsureCaretVisible();
}

void TCustomEdit::WMSize(TMessage& Message) {
  TWinControl::WMSize(Message);
  EnsureCaretVisible();
}

void TCustomEdit::ApplyCase(std::u32string& S) const {
  if (charCase_ == ecUpperCase)
    for (char32_t& c : S) c = AnsiUpperChar(c);
  else if (charCase_ == ecLowerCase)
    for (char32_t& c : S) c = AnsiLowerChar(c);
}

std::u32string TCustomEdit::DisplayChars() const {
  if (passwordChar_ == 0) return text_;
  std::u32string s;
  for (char32_t c : text_) s += (c == '\r' || c == '\n') ? c : passwordChar_;
  return s;
}

int TCustomEdit::SelStart() const { return std::min(anchor_, caret_); }
int TCustomEdit::SelLength() const { return std::abs(caret_ - anchor_); }

void TCustomEdit::SetSelStart(int Value) { SetSelection(Value, Value); }

void TCustomEdit::SetSelLength(int Value) {
  int s = SelStart();
  SetSelection(s, s + std::max(0, Value));
}

std::string TCustomEdit::SelText() const {
  return Utf32ToUtf8(text_.substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength())));
}

void TCustomEdit::SetSelText(const std::string& Value) {
  std::u32string s = Utf8ToUtf32(Value);
  if (IsMultiLine()) s = NormalizeBreaks(s);
  SaveUndo(false);
  int start = SelStart();
  text_.replace(static_cast<size_t>(start), static_cast<size_t>(SelLength()), s);
  ++textVersion_;
  anchor_ = caret_ = start + static_cast<int>(s.size());
  NotifyChange();
}

void TCustomEdit::SelectAll() { SetSelection(0, TextLength()); }

void TCustomEdit::ClearSelection() {
  if (SelLength() == 0) return;
  ReplaceSelection(U"", false);
}

void TCustomEdit::Clear() { SetText(""); }

void TCustomEdit::CopyToClipboard() {
  // A password never leaves the edit.
  if (passwordChar_ != 0 || SelLength() == 0) return;
  Clipboard()->SetAsText(SelText());
}

void TCustomEdit::CutToClipboard() {
  if (passwordChar_ != 0 || readOnly_ || SelLength() == 0) return;
  Clipboard()->SetAsText(SelText());
  ReplaceSelection(U"", false);
}

void TCustomEdit::PasteFromClipboard() {
  if (readOnly_) return;
  std::u32string s = Utf8ToUtf32(Clipboard()->AsText());
  if (!IsMultiLine()) {
    // A single line takes the text up to the first line break.
    auto p = s.find_first_of(U"\r\n");
    if (p != std::u32string::npos) s.resize(p);
  }
  ReplaceSelection(s, false);
}

void TCustomEdit::Undo() {
  if (!hasUndo_ || readOnly_) return;
  std::u32string t = text_;
  int a = anchor_, c = caret_;
  text_ = undoText_;
  ++textVersion_;
  anchor_ = undoAnchor_;
  caret_ = undoCaret_;
  // Undo again redoes.
  undoText_ = t;
  undoAnchor_ = a;
  undoCaret_ = c;
  lastWasTyping_ = false;
  modified_ = true;
  NotifyChange();
}

void TCustomEdit::SaveUndo(bool Typing) {
  if (Typing && lastWasTyping_ && hasUndo_) return;
  undoText_ = text_;
  undoAnchor_ = anchor_;
  undoCaret_ = caret_;
  hasUndo_ = true;
  lastWasTyping_ = Typing;
}

bool TCustomEdit::ReplaceSelection(const std::u32string& S, bool Typing) {
  if (readOnly_) {
    MessageBeep(0);
    return false;
  }
  std::u32string ins = S;
  if (IsMultiLine()) ins = NormalizeBreaks(ins);
  ApplyCase(ins);
  int start = SelStart(), len = SelLength();
  if (maxLength_ > 0) {
    int room = std::max(0, maxLength_ - (TextLength() - len));
    if (static_cast<int>(ins.size()) > room) {
      MessageBeep(0);
      // A typed character that does not fit is refused; a paste keeps what fits.
      if (Typing) return false;
      ins.resize(static_cast<size_t>(room));
      // A CR LF pair is never split.
      if (!ins.empty() && ins.back() == '\r') ins.pop_back();
    }
  }
  if (ins.empty() && len == 0) return false;
  SaveUndo(Typing);
  text_.replace(static_cast<size_t>(start), static_cast<size_t>(len), ins);
  ++textVersion_;
  anchor_ = caret_ = start + static_cast<int>(ins.size());
  modified_ = true;
  preferredX_ = -1;
  NotifyChange();
  return true;
}

void TCustomEdit::SetChars(const std::u32string& S, bool Notify) {
  text_ = IsMultiLine() ? NormalizeBreaks(S) : S;
  ++textVersion_;
  anchor_ = caret_ = 0;
  scrollX_ = 0;
  topLine_ = 0;
  hasUndo_ = false;
  lastWasTyping_ = false;
  modified_ = false;
  if (Notify)
    NotifyChange();
  else
    Invalidate();
}

void TCustomEdit::EditChars(const std::u32string& S, int Anchor, int Caret) {
  if (S == text_) {
    SetSelection(Anchor, Caret);
    return;
  }
  SaveUndo(false);
  text_ = S;
  ++textVersion_;
  int n = TextLength();
  anchor_ = std::clamp(Anchor, 0, n);
  caret_ = std::clamp(Caret, 0, n);
  modified_ = true;
  preferredX_ = -1;
  NotifyChange();
}

void TCustomEdit::NotifyChange() {
  EnsureCaretVisible();
  Invalidate();
  Perform(CN_COMMAND, MakeWParam(0, EN_CHANGE), static_cast<LPARAM>(handle_));
  CheckSelection();
}

void TCustomEdit::CheckSelection() {
  if (anchor_ == shownAnchor_ && caret_ == shownCaret_) return;
  shownAnchor_ = anchor_;
  shownCaret_ = caret_;
  SelectionChanged();
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::SetSelection(int Anchor, int Caret) {
  int n = TextLength();
  Anchor = std::clamp(Anchor, 0, n);
  Caret = std::clamp(Caret, 0, n);
  // Never between the CR and LF of a line break.
  if (Caret > 0 && Caret < n && text_[static_cast<size_t>(Caret) - 1] == '\r' &&
      text_[static_cast<size_t>(Caret)] == '\n')
    ++Caret;
  if (Anchor > 0 && Anchor < n && text_[static_cast<size_t>(Anchor) - 1] == '\r' &&
      text_[static_cast<size_t>(Anchor)] == '\n')
    ++Anchor;
  if (Anchor == anchor_ && Caret == caret_) return;
  anchor_ = Anchor;
  caret_ = Caret;
  lastWasTyping_ = false;
  EnsureCaretVisible();
  Invalidate();
  CheckSelection();
}

void TCustomEdit::MoveCaret(int NewCaret, bool Extend) {
  SetSelection(Extend ? anchor_ : NewCaret, NewCaret);
}

void TCustomEdit::HideCaret() {
  if (caretHidden_++ == 0) Invalidate();
}

void TCustomEdit::ShowCaret() {
  if (caretHidden_ == 0) return;
  if (--caretHidden_ == 0) Invalidate();
}

bool TCustomEdit::CaretShown() const { return caretHidden_ == 0 && Focused() && Enabled(); }

TPoint TCustomEdit::CaretPos() const {
  int line = 0, lineStart = 0;
  for (int i = 0; i < caret_; ++i)
    if (text_[static_cast<size_t>(i)] == '\n') {
      ++line;
      lineStart = i + 1;
    }
  return TPoint(caret_ - lineStart, line);
}

void TCustomEdit::SetCaretPos(const TPoint& Value) {
  int line = 0, i = 0, n = TextLength();
  while (i < n && line < Value.Y) {
    if (text_[static_cast<size_t>(i)] == '\n') ++line;
    ++i;
  }
  int end = i;
  while (end < n && text_[static_cast<size_t>(end)] != '\r' && text_[static_cast<size_t>(end)] != '\n') ++end;
  SetSelStart(std::min(i + std::max(0, Value.X), end));
}

int TCustomEdit::WordStart(int Index) const {
  int i = Index;
  while (i > 0 && !IsWordChar(text_[static_cast<size_t>(i) - 1])) --i;
  while (i > 0 && IsWordChar(text_[static_cast<size_t>(i) - 1])) --i;
  return i;
}

int TCustomEdit::WordEnd(int Index) const {
  int n = TextLength(), i = Index;
  while (i < n && IsWordChar(text_[static_cast<size_t>(i)])) ++i;
  while (i < n && !IsWordChar(text_[static_cast<size_t>(i)]) && text_[static_cast<size_t>(i)] != '\r') ++i;
  return i;
}

// Layout and measures.

TRect TCustomEdit::FormatRect() {
  if (hasFormatRect_) return formatRect_;
  TRect r = ClientRect();
  InflateRect(r, -1, -1);
  if (r.Right < r.Left) r.Right = r.Left;
  if (r.Bottom < r.Top) r.Bottom = r.Top;
  return r;
}

int TCustomEdit::LineHeight() {
  measure_->Font()->Assign(Font());
  int h = measure_->TextMetrics().tmHeight;
  return h > 0 ? h : 13;
}

const std::vector<TCustomEdit::VisualLine>& TCustomEdit::Layout() {
  int n = TextLength();
  bool multi = IsMultiLine();
  bool wrap = false;
  if (multi) {
    if (HandleAllocated()) {
      wrap = !(style_ & ES_AUTOHSCROLL);
    } else {
      wrap = !(StyleParams().Style & ES_AUTOHSCROLL);
    }
  }
  int width = FormatRect().Width();
  LayoutKey key{textVersion_,
                multi,
                wrap,
                width,
                passwordChar_,
                Font()->Name(),
                Font()->Height(),
                static_cast<unsigned>(Font()->Style().Mask())};
  if (layoutValid_ && key == layoutKey_) return layout_;
  layoutKey_ = key;
  layoutValid_ = true;
  layout_.clear();
  if (!multi) {
    layout_.push_back({0, n});
    return layout_;
  }
  std::u32string disp = DisplayChars();
  measure_->Font()->Assign(Font());
  auto widthOf = [&](int from, int to) {
    return measure_->TextWidth(
        Utf32ToUtf8(disp.substr(static_cast<size_t>(from), static_cast<size_t>(to - from))));
  };
  int start = 0;
  while (true) {
    int end = start;
    while (end < n && disp[static_cast<size_t>(end)] != '\r' && disp[static_cast<size_t>(end)] != '\n') ++end;
    if (!wrap || width <= 0) {
      layout_.push_back({start, end});
    } else {
      // Soft breaks after the last blank that fits, else inside the word.
      int s = start;
      while (true) {
        if (widthOf(s, end) <= width) {
          layout_.push_back({s, end});
          break;
        }
        // The longest part that fits (at least one character).
        int lo = s + 1, hi = end;
        while (lo < hi) {
          int mid = (lo + hi + 1) / 2;
          if (widthOf(s, mid) <= width)
            lo = mid;
          else
            hi = mid - 1;
        }
        int brk = lo;
        for (int k = lo; k > s; --k)
          if (disp[static_cast<size_t>(k) - 1] == ' ') {
            brk = k;
            break;
          }
        layout_.push_back({s, brk});
        s = brk;
      }
    }
    if (end >= n) break;
    start = end + ((end + 1 < n && disp[static_cast<size_t>(end)] == '\r' &&
                    disp[static_cast<size_t>(end) + 1] == '\n')
                       ? 2
                       : 1);
    if (start >= n) {
      layout_.push_back({n, n});
      break;
    }
  }
  return layout_;
}

int TCustomEdit::LineOfChar(const std::vector<VisualLine>& Lines, int Index) const {
  for (size_t i = 0; i < Lines.size(); ++i) {
    bool last = i + 1 == Lines.size();
    if (Index < Lines[i].End || (Index == Lines[i].End && (last || Lines[i + 1].Start > Index)))
      return static_cast<int>(i);
    if (!last && Index < Lines[i + 1].Start) return static_cast<int>(i);
  }
  return Lines.empty() ? 0 : static_cast<int>(Lines.size()) - 1;
}

int TCustomEdit::XOf(const VisualLine& L, int Index) {
  int i = std::clamp(Index, L.Start, L.End);
  // Nothing before the caret at the start of a line (an empty edit's case).
  if (i == L.Start) return 0;
  std::u32string disp = DisplayChars();
  measure_->Font()->Assign(Font());
  return measure_->TextWidth(
      Utf32ToUtf8(disp.substr(static_cast<size_t>(L.Start), static_cast<size_t>(i - L.Start))));
}

int TCustomEdit::IndexAtX(const VisualLine& L, int X) {
  if (X <= 0) return L.Start;
  int prev = 0;
  for (int i = L.Start + 1; i <= L.End; ++i) {
    int x = XOf(L, i);
    if (x >= X) return (X - prev < x - X) ? i - 1 : i;
    prev = x;
  }
  return L.End;
}

int TCustomEdit::CharFromPoint(const TPoint& P) {
  const auto& lines = Layout();
  TRect fr = FormatRect();
  int lh = LineHeight();
  int line = IsMultiLine() ? topLine_ + (P.Y - fr.Top) / std::max(lh, 1) : 0;
  if (P.Y < fr.Top && IsMultiLine()) line = topLine_ - 1;
  line = std::clamp(line, 0, static_cast<int>(lines.size()) - 1);
  const VisualLine& L = lines[static_cast<size_t>(line)];
  int offset = 0;
  if (!IsMultiLine() && alignment_ != taLeftJustify) {
    int w = XOf(L, L.End);
    if (w < fr.Width()) offset = alignment_ == taCenter ? (fr.Width() - w) / 2 : fr.Width() - w;
  }
  return IndexAtX(L, P.X - fr.Left + scrollX_ - offset);
}

TPoint TCustomEdit::PointFromChar(int Index) {
  const auto& lines = Layout();
  TRect fr = FormatRect();
  int line = LineOfChar(lines, Index);
  const VisualLine& L = lines[static_cast<size_t>(line)];
  int offset = 0;
  if (!IsMultiLine() && alignment_ != taLeftJustify) {
    int w = XOf(L, L.End);
    if (w < fr.Width()) offset = alignment_ == taCenter ? (fr.Width() - w) / 2 : fr.Width() - w;
  }
  return TPoint(fr.Left + XOf(L, Index) - scrollX_ + offset, fr.Top + (line - topLine_) * LineHeight());
}

void TCustomEdit::EnsureCaretVisible() {
  const auto& lines = Layout();
  if (lines.empty()) return;
  TRect fr = FormatRect();
  int line = LineOfChar(lines, caret_);
  const VisualLine& L = lines[static_cast<size_t>(line)];
  int x = XOf(L, caret_);
  int w = std::max(fr.Width(), 1);
  bool multi = IsMultiLine();
  bool autoH = !multi || (WindowStyle() & ES_AUTOHSCROLL) != 0;
  if (autoH) {
    if (x - scrollX_ > w - 1) scrollX_ = x - w + 1;
    if (x < scrollX_) scrollX_ = x;
    if (scrollX_ < 0) scrollX_ = 0;
  } else {
    scrollX_ = 0;
  }
  if (multi) {
    int visible = std::max(1, fr.Height() / LineHeight());
    if (line < topLine_) topLine_ = line;
    if (line >= topLine_ + visible) topLine_ = line - visible + 1;
    topLine_ = std::clamp(topLine_, 0, std::max(0, static_cast<int>(lines.size()) - 1));
    UpdateScrollBars();
  }
}

void TCustomEdit::UpdateScrollBars() {
  const auto& lines = Layout();
  TRect fr = FormatRect();
  int visible = std::max(1, fr.Height() / LineHeight());
  TScrollInfo si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = static_cast<int>(lines.size()) - 1;
  si.nPage = static_cast<UINT>(visible);
  si.nPos = topLine_;
  SetScrollInfo(SB_VERT, si, false);
}

void TCustomEdit::ScrollLines(int Delta) {
  const auto& lines = Layout();
  int visible = std::max(1, FormatRect().Height() / LineHeight());
  int maxTop = std::max(0, static_cast<int>(lines.size()) - visible);
  int t = std::clamp(topLine_ + Delta, 0, maxTop);
  if (t == topLine_) return;
  topLine_ = t;
  UpdateScrollBars();
  Invalidate();
}

// Keys that move the caret.
void TCustomEdit::KeyNavigate(WORD Key, TShiftState Shift) {
  bool extend = Shift.Contains(ssShift);
  bool ctrl = Shift.Contains(ssCtrl);
  bool multi = IsMultiLine();
  int n = TextLength();
  const auto& lines = Layout();
  int line = LineOfChar(lines, caret_);
  const VisualLine& L = lines[static_cast<size_t>(line)];
  auto vertical = [&](int delta) {
    if (!multi) return;
    int x = preferredX_ >= 0 ? preferredX_ : XOf(L, caret_);
    int target = std::clamp(line + delta, 0, static_cast<int>(lines.size()) - 1);
    int c = IndexAtX(lines[static_cast<size_t>(target)], x);
    MoveCaret(c, extend);
    preferredX_ = x;
  };
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
      if (Key == VK_UP && multi) {
        vertical(-1);
        return;
      }
      if (!extend && SelLength() > 0 && !ctrl) {
        MoveCaret(SelStart(), false);
        break;
      }
      if (ctrl) {
        MoveCaret(WordStart(caret_), extend);
      } else {
        int c = caret_ - 1;
        if (c > 0 && text_[static_cast<size_t>(c)] == '\n' && text_[static_cast<size_t>(c) - 1] == '\r') --c;
        MoveCaret(std::max(0, c), extend);
      }
      break;
    case VK_RIGHT:
    case VK_DOWN:
      if (Key == VK_DOWN && multi) {
        vertical(1);
        return;
      }
      if (!extend && SelLength() > 0 && !ctrl) {
        MoveCaret(SelStart() + SelLength(), false);
        break;
      }
      if (ctrl) {
        MoveCaret(WordEnd(caret_), extend);
      } else {
        int c = caret_ + 1;
        if (c < n && text_[static_cast<size_t>(c) - 1] == '\r' && text_[static_cast<size_t>(c)] == '\n') ++c;
        MoveCaret(std::min(n, c), extend);
      }
      break;
    case VK_HOME:
      MoveCaret(ctrl || !multi ? 0 : L.Start, extend);
      break;
    case VK_END:
      MoveCaret(ctrl || !multi ? n : L.End, extend);
      break;
    case VK_PRIOR:
    case VK_NEXT:
      if (multi) {
        int visible = std::max(1, FormatRect().Height() / LineHeight());
        vertical(Key == VK_PRIOR ? -visible : visible);
        return;
      }
      break;
    default:
      break;
  }
  preferredX_ = -1;
}

void TCustomEdit::CMEnter(TMessage& Message) {
  if (autoSelect_ && !controlState_.Contains(csLButtonDown) && !IsMultiLine()) SelectAll();
  TWinControl::CMEnter(Message);
}

void TCustomEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND) {
    if (Message.WParamHi() == EN_CHANGE) Change();
    return;
  }
  TWinControl::WndProc(Message);
  // Keys and the mouse move the selection inside the default handling.
  CheckSelection();
}

void TCustomEdit::DefaultHandler(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETTEXT: {
      const char* s = reinterpret_cast<const char*>(Message.LParam);
      SetChars(Utf8ToUtf32(s != nullptr ? s : ""), true);
      Message.Result = 1;
      return;
    }
    case WM_GETTEXT: {
      std::string s = Utf32ToUtf8(text_);
      size_t cap = static_cast<size_t>(Message.WParam);
      char* buf = reinterpret_cast<char*>(Message.LParam);
      if (buf == nullptr || cap == 0) {
        Message.Result = 0;
        return;
      }
      // Whole characters only.
      size_t n = std::min(cap - 1, s.size());
      while (n > 0 && n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
      std::copy(s.begin(), s.begin() + static_cast<long>(n), buf);
      buf[n] = 0;
      Message.Result = static_cast<LRESULT>(n);
      return;
    }
    case WM_GETTEXTLENGTH:
      Message.Result = static_cast<LRESULT>(Utf32ToUtf8(text_).size());
      return;
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
      if (IsMultiLine()) Message.Result |= DLGC_WANTALLKEYS;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      selecting_ = false;
      // Each focus brings a caret of its own, shown until hidden.
      caretHidden_ = 0;
      Invalidate();
      return;
    case WM_CHAR: {
      char32_t ch = static_cast<char32_t>(Message.WParam);
      switch (ch) {
        case 1:
          SelectAll();
          return;
        case 3:
          CopyToClipboard();
          return;
        case 22:
          PasteFromClipboard();
          return;
        case 24:
          CutToClipboard();
          return;
        case 26:
          Undo();
          return;
        case 8:
          if (readOnly_) {
            MessageBeep(0);
            return;
          }
          if (SelLength() == 0) {
            if (caret_ == 0) return;
            int from = caret_ - 1;
            if (from > 0 && text_[static_cast<size_t>(from)] == '\n' &&
                text_[static_cast<size_t>(from) - 1] == '\r')
              --from;
            anchor_ = from;
          }
          ReplaceSelection(U"", true);
          return;
        case 13:
          if (IsMultiLine())
            ReplaceSelection(U"\r\n", true);
          else
            MessageBeep(0);
          return;
        case 9:
          if (IsMultiLine()) ReplaceSelection(U"\t", true);
          return;
        default:
          break;
      }
      if (ch < 32 || ch == 127) return;
      ReplaceSelection(std::u32string(1, ch), true);
      return;
    }
    case WM_KEYDOWN: {
      WORD key = static_cast<WORD>(Message.WParam);
      TShiftState shift = KeyDataToShiftState(Message.LParam);
      switch (key) {
        case VK_DELETE:
          if (shift.Contains(ssShift)) {
            CutToClipboard();
            return;
          }
          if (readOnly_) {
            MessageBeep(0);
            return;
          }
          if (SelLength() == 0) {
            if (caret_ >= TextLength()) return;
            int to = caret_ + 1;
            if (to < TextLength() && text_[static_cast<size_t>(to) - 1] == '\r' &&
                text_[static_cast<size_t>(to)] == '\n')
              ++to;
            anchor_ = caret_;
            caret_ = to;
          }
          ReplaceSelection(U"", false);
          return;
        case VK_INSERT:
          if (shift.Contains(ssCtrl))
            CopyToClipboard();
          else if (shift.Contains(ssShift))
            PasteFromClipboard();
          return;
        default:
          KeyNavigate(key, shift);
          return;
      }
    }
    case WM_LBUTTONDOWN: {
      if (!Focused() && CanFocus()) SetFocus();
      int pos = CharFromPoint(TPoint(Message.XPos(), Message.YPos()));
      bool extend = (Message.WParam & MK_SHIFT) != 0;
      SetSelection(extend ? anchor_ : pos, pos);
      selecting_ = true;
      SetCapture(Handle());
      return;
    }
    case WM_LBUTTONDBLCLK: {
      int pos = CharFromPoint(TPoint(Message.XPos(), Message.YPos()));
      int s = pos, e = pos;
      while (s > 0 && IsWordChar(text_[static_cast<size_t>(s) - 1])) --s;
      while (e < TextLength() && IsWordChar(text_[static_cast<size_t>(e)])) ++e;
      SetSelection(s, e);
      return;
    }
    case WM_MOUSEMOVE:
      if (selecting_) SetSelection(anchor_, CharFromPoint(TPoint(Message.XPos(), Message.YPos())));
      return;
    case WM_LBUTTONUP:
      if (selecting_) {
        selecting_ = false;
        if (HandleAllocated() && GetCapture() == handle_) ReleaseCapture();
      }
      return;
    case WM_MOUSEWHEEL:
      if (IsMultiLine()) {
        int delta = static_cast<int16_t>(Message.WParamHi());
        int lines = Mouse != nullptr ? Mouse->WheelScrollLines() : 3;
        if (lines < 0) lines = std::max(1, FormatRect().Height() / LineHeight());
        ScrollLines(-delta * lines / WHEEL_DELTA);
        Message.Result = 1;
      }
      return;
    case WM_VSCROLL:
      if (IsMultiLine()) {
        int visible = std::max(1, FormatRect().Height() / LineHeight());
        switch (Message.WParamLo()) {
          case SB_LINEUP:
            ScrollLines(-1);
            break;
          case SB_LINEDOWN:
            ScrollLines(1);
            break;
          case SB_PAGEUP:
            ScrollLines(-visible);
            break;
          case SB_PAGEDOWN:
            ScrollLines(visible);
            break;
          case SB_THUMBTRACK:
          case SB_THUMBPOSITION:
            ScrollLines(static_cast<int16_t>(Message.WParamHi()) - topLine_);
            break;
          case SB_TOP:
            ScrollLines(-topLine_);
            break;
          case SB_BOTTOM:
            ScrollLines(1 << 20);
            break;
          default:
            break;
        }
      }
      return;
    case WM_CUT:
      CutToClipboard();
      return;
    case WM_COPY:
      CopyToClipboard();
      return;
    case WM_PASTE:
      PasteFromClipboard();
      return;
    case WM_CLEAR:
      ClearSelection();
      return;
    case WM_UNDO:
    case EM_UNDO:
      Message.Result = hasUndo_ ? 1 : 0;
      Undo();
      return;
    case EM_CANUNDO:
      Message.Result = hasUndo_ ? 1 : 0;
      return;
    case EM_EMPTYUNDOBUFFER:
      hasUndo_ = false;
      return;
    case EM_GETSEL: {
      auto* pStart = reinterpret_cast<uint32_t*>(Message.WParam);
      auto* pEnd = reinterpret_cast<uint32_t*>(Message.LParam);
      if (pStart) *pStart = static_cast<uint32_t>(SelStart());
      if (pEnd) *pEnd = static_cast<uint32_t>(SelStart() + SelLength());
      Message.Result = MakeLParam(std::min(SelStart(), 0xFFFF), std::min(SelStart() + SelLength(), 0xFFFF));
      return;
    }
    case EM_SETSEL: {
      int s = static_cast<int>(static_cast<intptr_t>(Message.WParam));
      int e = static_cast<int>(Message.LParam);
      if (s == -1) {
        // Keeps the caret where it is, with no selection.
        SetSelection(caret_, caret_);
        return;
      }
      if (e < 0) e = TextLength();
      SetSelection(s, e);
      return;
    }
    case EM_REPLACESEL: {
      const char* s = reinterpret_cast<const char*>(Message.LParam);
      std::u32string ins = Utf8ToUtf32(s != nullptr ? s : "");
      if (IsMultiLine()) ins = NormalizeBreaks(ins);
      if (Message.WParam != 0) SaveUndo(false);
      int start = SelStart();
      text_.replace(static_cast<size_t>(start), static_cast<size_t>(SelLength()), ins);
      ++textVersion_;
      anchor_ = caret_ = start + static_cast<int>(ins.size());
      modified_ = true;
      NotifyChange();
      return;
    }
    case EM_LIMITTEXT:
      maxLength_ = static_cast<int>(Message.WParam);
      return;
    case EM_GETLIMITTEXT:
      Message.Result = maxLength_ > 0 ? maxLength_ : 0x7FFFFFFE;
      return;
    case EM_SETREADONLY:
      SetReadOnly(Message.WParam != 0);
      Message.Result = 1;
      return;
    case EM_GETMODIFY:
      Message.Result = modified_ ? 1 : 0;
      return;
    case EM_SETMODIFY:
      modified_ = Message.WParam != 0;
      return;
    case EM_SETPASSWORDCHAR:
      SetPasswordChar(static_cast<char32_t>(Message.WParam));
      return;
    case EM_GETPASSWORDCHAR:
      Message.Result = static_cast<LRESULT>(passwordChar_);
      return;
    case EM_GETRECT: {
      if (auto* r = reinterpret_cast<TRect*>(Message.LParam)) *r = FormatRect();
      return;
    }
    case EM_SETRECT:
    case EM_SETRECTNP: {
      auto* r = reinterpret_cast<const TRect*>(Message.LParam);
      if (r == nullptr) {
        hasFormatRect_ = false;
      } else {
        hasFormatRect_ = true;
        formatRect_ = *r;
      }
      EnsureCaretVisible();
      if (Message.Msg == EM_SETRECT) Invalidate();
      return;
    }
    case EM_POSFROMCHAR: {
      int idx = static_cast<int>(Message.WParam);
      if (idx < 0 || idx > TextLength()) {
        Message.Result = -1;
        return;
      }
      TPoint p = PointFromChar(idx);
      Message.Result = MakeLParam(p.X, p.Y);
      return;
    }
    case EM_CHARFROMPOS: {
      TPoint p(Message.XPos(), Message.YPos());
      int idx = CharFromPoint(p);
      const auto& lines = Layout();
      Message.Result = MakeLParam(idx, LineOfChar(lines, idx));
      return;
    }
    case EM_GETLINECOUNT:
      Message.Result = static_cast<LRESULT>(Layout().size());
      return;
    case EM_LINEINDEX: {
      const auto& lines = Layout();
      int l = static_cast<int>(static_cast<intptr_t>(Message.WParam));
      if (l == -1) l = LineOfChar(lines, caret_);
      Message.Result =
          l >= 0 && l < static_cast<int>(lines.size()) ? lines[static_cast<size_t>(l)].Start : -1;
      return;
    }
    case EM_LINELENGTH: {
      const auto& lines = Layout();
      int idx = static_cast<int>(static_cast<intptr_t>(Message.WParam));
      if (idx < 0) idx = caret_;
      const VisualLine& L = lines[static_cast<size_t>(LineOfChar(lines, idx))];
      Message.Result = L.End - L.Start;
      return;
    }
    case EM_LINEFROMCHAR: {
      const auto& lines = Layout();
      int idx = static_cast<int>(static_cast<intptr_t>(Message.WParam));
      if (idx < 0) idx = caret_;
      Message.Result = LineOfChar(lines, idx);
      return;
    }
    case EM_GETFIRSTVISIBLELINE:
      Message.Result = topLine_;
      return;
    case EM_SCROLLCARET:
      EnsureCaretVisible();
      return;
    default:
      break;
  }
  TWinControl::DefaultHandler(Message);
}

void TCustomEdit::PaintWindow(TCanvas* DC) {
  TControlCanvas* c = EditCanvas();
  c->PaintThrough(DC, false, [this, c] { PaintEdit(c); });
}

void TCustomEdit::PaintEdit(TCanvas* C) {
  TRect client = ClientRect();
  TColor back = Enabled() ? Color() : clBtnFace;
  C->Brush()->SetColor(back);
  C->Brush()->SetStyle(bsSolid);
  C->FillRect(client);
  C->Font()->Assign(Font());
  if (!Enabled()) C->Font()->SetColor(clGrayText);
  TRect fr = FormatRect();
  int saved = C->SaveDC();
  C->IntersectClipRect(fr);
  const auto& lines = Layout();
  int lh = LineHeight();
  std::u32string disp = DisplayChars();
  bool showSel = SelLength() > 0 && (Focused() || !hideSelection_);
  int selS = SelStart(), selE = SelStart() + SelLength();
  bool multi = IsMultiLine();
  for (int i = topLine_; i < static_cast<int>(lines.size()); ++i) {
    int y = fr.Top + (i - topLine_) * lh;
    if (y >= fr.Bottom) break;
    const VisualLine& L = lines[static_cast<size_t>(i)];
    std::string text =
        Utf32ToUtf8(disp.substr(static_cast<size_t>(L.Start), static_cast<size_t>(L.End - L.Start)));
    int offset = 0;
    if (!multi && alignment_ != taLeftJustify) {
      int w = C->TextWidth(text);
      if (w < fr.Width()) offset = alignment_ == taCenter ? (fr.Width() - w) / 2 : fr.Width() - w;
    }
    int x0 = fr.Left - scrollX_ + offset;
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    C->TextOut(x0, y, text);
    if (showSel && selE > L.Start && selS <= L.End) {
      int a = std::max(selS, L.Start), b = std::min(selE, L.End);
      int xa = x0 + XOf(L, a), xb = x0 + XOf(L, b);
      // A selected line break shows as a little block.
      if (selE > L.End && multi && i + 1 < static_cast<int>(lines.size())) xb += C->TextWidth(" ");
      TRect sr(xa, y, xb, y + lh);
      C->Brush()->SetStyle(bsSolid);
      C->Brush()->SetColor(clHighlight);
      C->FillRect(sr);
      C->Font()->SetColor(clHighlightText);
      C->Brush()->SetStyle(bsClear);
      C->TextOut(xa, y, Utf32ToUtf8(disp.substr(static_cast<size_t>(a), static_cast<size_t>(b - a))));
      C->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
    }
  }
  if (CaretShown()) {
    TPoint p = PointFromChar(caret_);
    C->Pen()->SetColor(Font()->Color());
    C->Pen()->SetWidth(1);
    C->Pen()->SetStyle(psSolid);
    C->MoveTo(p.X, p.Y);
    C->LineTo(p.X, p.Y + lh);
  }
  C->RestoreDC(saved);
}

// ---- TMemoStrings ----

std::vector<std::string> TMemoStrings::Split() const {
  std::vector<std::string> out;
  std::string t = memo_->Text();
  if (t.empty()) return out;
  size_t s = 0;
  while (true) {
    size_t p = t.find("\r\n", s);
    if (p == std::string::npos) {
      out.push_back(t.substr(s));
      break;
    }
    out.push_back(t.substr(s, p - s));
    s = p + 2;
  }
  // A final empty line is the end of the last one, not a line of its own.
  if (!out.empty() && out.back().empty()) out.pop_back();
  return out;
}

void TMemoStrings::Join(const std::vector<std::string>& Lines) {
  std::string t;
  for (size_t i = 0; i < Lines.size(); ++i) {
    if (i) t += "\r\n";
    t += Lines[i];
  }
  memo_->SetChars(Utf8ToUtf32(t), true);
}

int TMemoStrings::Count() const { return static_cast<int>(Split().size()); }

std::string TMemoStrings::Strings(int Index) const {
  auto l = Split();
  if (Index < 0 || Index >= static_cast<int>(l.size())) IndexError(Index);
  return l[static_cast<size_t>(Index)];
}

void TMemoStrings::SetStrings(int Index, const std::string& S) {
  auto l = Split();
  if (Index < 0 || Index >= static_cast<int>(l.size())) IndexError(Index);
  l[static_cast<size_t>(Index)] = S;
  Join(l);
}

void TMemoStrings::InsertObject(int Index, const std::string& S, TObject*) {
  auto l = Split();
  if (Index < 0 || Index > static_cast<int>(l.size())) IndexError(Index);
  l.insert(l.begin() + Index, S);
  Join(l);
}

void TMemoStrings::Delete(int Index) {
  auto l = Split();
  if (Index < 0 || Index >= static_cast<int>(l.size())) IndexError(Index);
  l.erase(l.begin() + Index);
  Join(l);
}

void TMemoStrings::Clear() { memo_->SetChars(U"", true); }

void TMemoStrings::SetText(const std::string& Value) {
  std::u32string t = Utf8ToUtf32(Value);
  memo_->SetChars(t, true);
}

// ---- TCustomMemo ----

TCustomMemo::TCustomMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), lines_(std::make_unique<TMemoStrings>(this)) {
  SetBounds(Left(), Top(), 185, 89);
  SetAutoSize(false);
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style = (Params.Style & ~ES_AUTOHSCROLL) | ES_MULTILINE | ES_AUTOVSCROLL;
  if (!wordWrap_) Params.Style |= ES_AUTOHSCROLL;
  if (wantReturns_) Params.Style |= ES_WANTRETURN;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) Params.Style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) Params.Style |= WS_HSCROLL;
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (wordWrap_ == Value) return;
  wordWrap_ = Value;
  RecreateWnd();
  Invalidate();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (scrollBars_ == Value) return;
  scrollBars_ = Value;
  ShowScrollBar(SB_VERT, Value == ssVertical || Value == ssBoth);
  ShowScrollBar(SB_HORZ, Value == ssHorizontal || Value == ssBoth);
  RecreateWnd();
}

void TCustomMemo::KeyPress(char32_t& Key) {
  TCustomEdit::KeyPress(Key);
  if (Key == '\r' && !wantReturns_) Key = 0;
}

void TCustomMemo::WndProc(TMessage& Message) {
  if (Message.Msg == WM_GETDLGCODE) {
    TCustomEdit::WndProc(Message);
    if (wantTabs_)
      Message.Result |= DLGC_WANTTAB;
    else
      Message.Result &= ~DLGC_WANTTAB;
    if (!wantReturns_) Message.Result &= ~DLGC_WANTALLKEYS;
    return;
  }
  TCustomEdit::WndProc(Message);
}
