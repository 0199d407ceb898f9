#include "grid/base/gridspin.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Clipbrd.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/graphics/Gdi.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/DudLook.h"

void LinkGridSpinPublished();

namespace {
constexpr UINT kFirstRepeatMs = 400;
constexpr UINT kRepeatMs = 100;

// The 0-based index of the Nth (0, 1) occurrence of Sep in S, -1 if none.
int NthSeparator(const std::u32string& S, char32_t Sep, int N) {
  for (size_t i = 0; i < S.size(); ++i)
    if (S[i] == Sep && N-- == 0) return static_cast<int>(i);
  return -1;
}

bool IsDigit(char32_t C) { return C >= '0' && C <= '9'; }

void LoadBuiltInGlyph(TBitmap* B, const char* Name) { B->LoadFromResourceName(Name); }
}  // namespace

// ---- TVevTimerSpeedButton ----

TVevTimerSpeedButton::TVevTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

TVevTimerSpeedButton::~TVevTimerSpeedButton() {
  if (repeatTimer_ != nullptr) repeatTimer_->SetEnabled(false);
}

void TVevTimerSpeedButton::SetButtonDirection(TButtonDirection Value) {
  buttonDirection_ = Value;
  Invalidate();
}

void TVevTimerSpeedButton::SetIsWinXP(bool Value) {
  isWinXP_ = Value;
  Invalidate();
}

void TVevTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseDown(Button, Shift, X, Y);
  if (timeBtnState_.Contains(tbAllowTimer)) {
    if (repeatTimer_ == nullptr) {
      repeatTimer_ = new TTimer(this);
      repeatTimer_->SetEnabled(false);
      repeatTimer_->OnTimer = [this](TObject* s) { TimerExpired(s); };
    }
    repeatTimer_->SetInterval(kFirstRepeatMs);
    repeatTimer_->SetEnabled(true);
  }
  if (Parent() != nullptr) Parent()->Invalidate();
}

void TVevTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (repeatTimer_ != nullptr) repeatTimer_->SetEnabled(false);
  if (Parent() != nullptr) Parent()->Invalidate();
}

void TVevTimerSpeedButton::TimerExpired(TObject*) {
  repeatTimer_->SetInterval(kRepeatMs);
  if (state_ == bsDown && MouseCapture()) {
    try {
      Click();
    } catch (...) {
      repeatTimer_->SetEnabled(false);
      throw;
    }
  }
}

void TVevTimerSpeedButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      TSpeedButton::WndProc(Message);
      if (Message.LParam == 0) {
        hasMouse_ = true;
        Invalidate();
      }
      return;
    case CM_MOUSELEAVE:
      TSpeedButton::WndProc(Message);
      if (Message.LParam == 0) {
        hasMouse_ = false;
        Invalidate();
      }
      return;
    default:
      break;
  }
  TSpeedButton::WndProc(Message);
}

void TVevTimerSpeedButton::Paint() {
  auto* pair = dynamic_cast<TDudSpinButton*>(Parent());
  TCanvas* c = Canvas();
  TRect r = ClientRect();
  bool pressed = state_ == bsDown;
  if (pair != nullptr && pair->ButtonColor() != clNone) {
    TColor face = pressed     ? pair->ButtonColorDown()
                  : hasMouse_ ? pair->ButtonColorHot()
                              : pair->ButtonColor();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(face);
    c->Pen()->SetColor(face);
    c->Rectangle(r);
    c->Brush()->SetColor(clBlack);
    c->Pen()->SetColor(clBlack);
    TPoint p[3];
    switch (buttonDirection_) {
      case bdUp:
        p[0] = TPoint(4, 4), p[1] = TPoint(8, 4), p[2] = TPoint(6, 2);
        break;
      case bdDown:
        p[0] = TPoint(4, 2), p[1] = TPoint(8, 2), p[2] = TPoint(6, 4);
        break;
      case bdLeft:
        p[0] = TPoint(5, 5), p[1] = TPoint(3, 7), p[2] = TPoint(5, 9);
        break;
      case bdRight:
        p[0] = TPoint(3, 5), p[1] = TPoint(5, 7), p[2] = TPoint(3, 9);
        break;
    }
    c->Polygon(p, 3);
    return;
  }
  if (HTHEME th = isWinXP_ ? OpenThemeData(0, "spin") : nullptr) {
    int part = buttonDirection_ == bdUp      ? SPNP_UP
               : buttonDirection_ == bdDown  ? SPNP_DOWN
               : buttonDirection_ == bdRight ? SPNP_UPHORZ
                                             : SPNP_DOWNHORZ;
    int st = pressed ? UPS_PRESSED : hasMouse_ ? UPS_HOT : UPS_NORMAL;
    DrawThemeBackground(th, c, part, st, r, nullptr);
    CloseThemeData(th);
    return;
  }
  if (buttonDirection_ == bdLeft || buttonDirection_ == bdRight) {
    unsigned s = buttonDirection_ == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
    if (pressed) s |= DFCS_PUSHED;
    if (Flat()) s |= DFCS_FLAT;
    DrawFrameControl(c, r, DFC_SCROLL, s);
    return;
  }
  TSpeedButton::Paint();
}

// ---- TDudSpinButton ----

TDudSpinButton::TDudSpinButton(TComponent* AOwner) : TWinControl(AOwner) {
  controlStyle_ = controlStyle_ - TControlStyle{csAcceptsControls, csSetCaption};
  upButton_ = CreateButton();
  downButton_ = CreateButton();
  upButton_->SetButtonDirection(bdUp);
  downButton_->SetButtonDirection(bdDown);
  SetUpGlyph(nullptr);
  SetDownGlyph(nullptr);
  SetBounds(0, 0, 15, 25);
  focusedButton_ = upButton_;
}

TDudSpinButton::~TDudSpinButton() {
  if (focusControl_ != nullptr) focusControl_->RemoveFreeNotification(this);
}

TVevTimerSpeedButton* TDudSpinButton::CreateButton() {
  auto* b = new TVevTimerSpeedButton(this);
  b->OnClick = [this](TObject* s) { BtnClick(s); };
  b->OnMouseDown = [this](TObject* s, TMouseButton B, TShiftState Sh, int X, int Y) {
    BtnMouseDown(s, B, Sh, X, Y);
  };
  b->SetVisible(true);
  b->SetEnabled(true);
  b->SetTimeBtnState(TTimeBtnState{tbAllowTimer});
  b->SetParent(this);
  return b;
}

void TDudSpinButton::SetFocusControl(TWinControl* Value) {
  if (focusControl_ != nullptr && focusControl_ != Value) focusControl_->RemoveFreeNotification(this);
  focusControl_ = Value;
  if (Value != nullptr) Value->FreeNotification(this);
}

void TDudSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
}

void TDudSpinButton::SetDirection(TSpinDirection Value) {
  if (direction_ == Value) return;
  direction_ = Value;
  if (Value == spHorizontal) {
    upButton_->SetButtonDirection(bdRight);
    downButton_->SetButtonDirection(bdLeft);
    SetWidth(20);
  } else {
    upButton_->SetButtonDirection(bdUp);
    downButton_->SetButtonDirection(bdDown);
    SetWidth(15);
  }
  if (HandleAllocated()) RecreateWnd();
  int w = Width(), h = Height();
  AdjustSize(w, h);
}

TBitmap* TDudSpinButton::UpGlyph() const { return upButton_->Glyph(); }
TBitmap* TDudSpinButton::DownGlyph() const { return downButton_->Glyph(); }

void TDudSpinButton::SetUpGlyph(TBitmap* Value) {
  if (Value != nullptr) {
    upButton_->SetGlyph(Value);
    return;
  }
  LoadBuiltInGlyph(upButton_->Glyph(), "DudSpinUp");
  upButton_->SetNumGlyphs(1);
  upButton_->Invalidate();
}

void TDudSpinButton::SetDownGlyph(TBitmap* Value) {
  if (Value != nullptr) {
    downButton_->SetGlyph(Value);
    return;
  }
  LoadBuiltInGlyph(downButton_->Glyph(), "DudSpinDown");
  downButton_->SetNumGlyphs(1);
  downButton_->Invalidate();
}

int TDudSpinButton::UpNumGlyphs() const { return upButton_->NumGlyphs(); }
void TDudSpinButton::SetUpNumGlyphs(int Value) { upButton_->SetNumGlyphs(Value); }
int TDudSpinButton::DownNumGlyphs() const { return downButton_->NumGlyphs(); }
void TDudSpinButton::SetDownNumGlyphs(int Value) { downButton_->SetNumGlyphs(Value); }

void TDudSpinButton::SetIsWinXP(bool Value) {
  isWinXP_ = Value;
  upButton_->SetIsWinXP(Value);
  downButton_->SetIsWinXP(Value);
}

void TDudSpinButton::AdjustSize(int& W, int& H) {
  if (upButton_ == nullptr || ComponentState().Contains(csLoading)) return;
  if (direction_ == spVertical) {
    W = std::max(W, 15);
    int half = H / 2;
    upButton_->SetBounds(0, 0, W, half);
    int top = upButton_->Height() - 1;
    downButton_->SetBounds(0, top, W, H - top);
  } else {
    W = std::max(W, 20);
    int half = W / 2;
    downButton_->SetBounds(0, 0, half, H);
    upButton_->SetBounds(half + 1, 0, half, H);
  }
}

void TDudSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AdjustSize(AWidth, AHeight);
  TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TDudSpinButton::Loaded() {
  TWinControl::Loaded();
  int w = Width(), h = Height();
  AdjustSize(w, h);
  if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
}

void TDudSpinButton::BtnClick(TObject* Sender) {
  if (Sender == upButton_) {
    if (OnUpClick) OnUpClick(this);
  } else if (OnDownClick) {
    OnDownClick(this);
  }
}

void TDudSpinButton::BtnMouseDown(TObject* Sender, TMouseButton Button, TShiftState, int, int) {
  if (Button != mbLeft) return;
  SetFocusBtn(static_cast<TVevTimerSpeedButton*>(Sender));
  if (focusControl_ != nullptr && focusControl_->TabStop() && focusControl_->CanFocus() &&
      !focusControl_->Focused())
    focusControl_->SetFocus();
  else if (TabStop() && CanFocus() && !Focused())
    SetFocus();
}

void TDudSpinButton::SetFocusBtn(TVevTimerSpeedButton* Btn) {
  if (!TabStop() || Btn == nullptr || Btn == focusedButton_) {
    focusedButton_ = Btn != nullptr ? Btn : focusedButton_;
    return;
  }
  if (focusedButton_ != nullptr)
    focusedButton_->SetTimeBtnState(focusedButton_->TimeBtnState() - TTimeBtnState{tbFocusRect});
  focusedButton_ = Btn;
  if (Focused()) {
    focusedButton_->SetTimeBtnState(focusedButton_->TimeBtnState() + TTimeBtnState{tbFocusRect});
    focusedButton_->Invalidate();
  }
}

void TDudSpinButton::KeyDown(WORD& Key, TShiftState Shift) {
  TWinControl::KeyDown(Key, Shift);
  switch (Key) {
    case VK_UP:
      SetFocusBtn(upButton_);
      upButton_->Click();
      break;
    case VK_DOWN:
      SetFocusBtn(downButton_);
      downButton_->Click();
      break;
    case VK_SPACE:
      if (focusedButton_ != nullptr) focusedButton_->Click();
      break;
    default:
      break;
  }
}

void TDudSpinButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS;
      return;
    case WM_SIZE: {
      TWinControl::WndProc(Message);
      int w = Width(), h = Height();
      AdjustSize(w, h);
      return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TWinControl::WndProc(Message);
      if (focusedButton_ != nullptr) {
        TTimeBtnState s = focusedButton_->TimeBtnState();
        if (Message.Msg == WM_SETFOCUS)
          s << tbFocusRect;
        else
          s >> tbFocusRect;
        focusedButton_->SetTimeBtnState(s);
        focusedButton_->Invalidate();
      }
      return;
    default:
      break;
  }
  TWinControl::WndProc(Message);
}

// ---- TDudSpinEdit ----

TDudSpinEdit::TDudSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
  LinkGridSpinPublished();
  button_ = new TDudSpinButton(this);
  button_->SetBounds(0, 0, 15, 17);
  button_->SetVisible(true);
  button_->SetParent(this);
  button_->SetFocusControl(this);
  button_->OnUpClick = [this](TObject* s) { HandleUpClick(s); };
  button_->OnDownClick = [this](TObject* s) { HandleDownClick(s); };
  SetText("0");
  controlStyle_ >> csSetCaption;
}

TDudSpinEdit::~TDudSpinEdit() { button_ = nullptr; }

void TDudSpinEdit::SetIsWinXP(bool Value) {
  isWinXP_ = Value;
  if (button_ != nullptr) button_->SetIsWinXP(Value);
}

void TDudSpinEdit::SetDirection(TSpinDirection Value) {
  if (direction_ == Value) return;
  direction_ = Value;
  button_->SetDirection(Value);
  Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(ClientWidth(), ClientHeight()));
}

void TDudSpinEdit::SetPrecision(int Value) {
  precision_ = Value;
  if (spinType_ == sptFloat) SetFloatValue(FloatValue());
}

void TDudSpinEdit::SetSpinType(TDudSpinType Value) {
  spinType_ = Value;
  switch (Value) {
    case sptNormal:
      SetValue(this->Value());
      break;
    case sptFloat:
      SetFloatValue(FloatValue());
      break;
    case sptDate:
      SetDateValue(DateValue());
      break;
    case sptTime:
      SetTimeValue(TimeValue());
      break;
  }
}

void TDudSpinEdit::SetSpinFlat(bool Value) {
  spinFlat_ = Value;
  button_->UpButton()->SetFlat(Value);
  button_->DownButton()->SetFlat(Value);
}

void TDudSpinEdit::SetSpinTransparent(bool Value) {
  spinTransparent_ = Value;
  button_->UpButton()->SetTransparent(Value);
  button_->DownButton()->SetTransparent(Value);
  // Lays the control out again.
  SetWidth(Width() + 1);
  SetWidth(Width() - 1);
}

void TDudSpinEdit::SetEditAlign(TEditAlign Value) {
  editAlign_ = Value;
  SetAlignment(Value == eaRight ? taRightJustify : Value == eaCenter ? taCenter : taLeftJustify);
  if (HandleAllocated()) RecreateWnd();
}

// ---- Values ----

int TDudSpinEdit::Value() {
  std::string s = Trim(Text());
  if (s.empty()) return 0;
  int32_t v = 0;
  return TryStrToInt(s, v) ? v : minValue_;
}

void TDudSpinEdit::SetValue(int AValue) {
  if (minValue_ != maxValue_)
    AValue = std::clamp(AValue, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
  SetText(IntToStr(AValue));
  if (!editorEnabled_) SelectAll();
}

double TDudSpinEdit::FloatValue() {
  double v = 0;
  return TryStrToFloat(Trim(Text()), v, FormatSettings()) ? v : minFloatValue_;
}

void TDudSpinEdit::SetFloatValue(double AValue) {
  if (minFloatValue_ != maxFloatValue_) {
    if (AValue <= minFloatValue_)
      AValue = minFloatValue_;
    else if (AValue >= maxFloatValue_)
      AValue = maxFloatValue_;
  }
  SetText(precision_ > 0 ? FloatToStrF(AValue, ffFixed, 15, precision_) : FloatToStr(AValue));
}

TDateTime TDudSpinEdit::DateValue() {
  std::string s = Trim(Text());
  if (s.empty() || s == "0") return Now();
  TDateTime d = 0;
  return TryStrToDate(s, d) ? d : minDateValue_;
}

void TDudSpinEdit::ApplyTextKeepCaret(const std::string& S) {
  int caret = SelStart();
  SetText(S);
  SetSelStart(std::min(caret, TextLength()));
}

void TDudSpinEdit::SetDateValue(TDateTime AValue) {
  dateValue_ = AValue;
  if (ComponentState().Contains(csLoading)) return;
  if (minDateValue_ != maxDateValue_)
    AValue =
        std::clamp(AValue, std::min(minDateValue_, maxDateValue_), std::max(minDateValue_, maxDateValue_));
  ApplyTextKeepCaret(DateToStr(AValue));
}

TDateTime TDudSpinEdit::TimeValue() {
  TDateTime t = 0;
  return TryStrToTime(Trim(Text()), t) ? t : 0;
}

std::string TDudSpinEdit::TimeText(TDateTime V) const {
  return showSeconds_ ? FormatDateTime(FormatSettings().LongTimeFormat, V) : FormatDateTime("h:nn", V);
}

void TDudSpinEdit::SetTimeValue(TDateTime AValue) {
  timeValue_ = AValue;
  if (ComponentState().Contains(csLoading)) return;
  if (minDateValue_ != maxDateValue_)
    AValue =
        std::clamp(AValue, std::min(minDateValue_, maxDateValue_), std::max(minDateValue_, maxDateValue_));
  ApplyTextKeepCaret(TimeText(AValue));
}

bool TDudSpinEdit::IsValidText(const std::string& Text) {
  std::string s = Trim(Text);
  if (s.empty()) return true;
  const TFormatSettings& fs = FormatSettings();
  switch (spinType_) {
    case sptNormal: {
      int32_t v = 0;
      if (s.find_first_not_of("-0123456789") != std::string::npos || !TryStrToInt(s, v)) return false;
      return minValue_ == maxValue_ ||
             (v >= std::min(minValue_, maxValue_) && v <= std::max(minValue_, maxValue_));
    }
    case sptFloat: {
      double v = 0;
      if (!TryStrToFloat(s, v, fs) || !std::isfinite(v)) return false;
      if (precision_ > 0) {
        size_t p = s.find(fs.DecimalSeparator);
        if (p != std::string::npos && static_cast<int>(s.size() - p - 1) > precision_) return false;
      }
      return minFloatValue_ == maxFloatValue_ ||
             (v >= std::min(minFloatValue_, maxFloatValue_) && v <= std::max(minFloatValue_, maxFloatValue_));
    }
    case sptDate: {
      if (s == "0") return true;
      TDateTime d = 0;
      if (!TryStrToDate(s, d)) return false;
      return minDateValue_ == maxDateValue_ ||
             (d >= std::min(minDateValue_, maxDateValue_) && d <= std::max(minDateValue_, maxDateValue_));
    }
    case sptTime: {
      TDateTime t = 0;
      return TryStrToTime(s, t);
    }
  }
  return false;
}

// ---- Stepping ----

void TDudSpinEdit::StepUp(bool Page) { Step(1, Page); }
void TDudSpinEdit::StepDown(bool Page) { Step(-1, Page); }

void TDudSpinEdit::Step(int Sign, bool Page) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  const TFormatSettings& fs = FormatSettings();
  switch (spinType_) {
    case sptNormal: {
      long long v = static_cast<long long>(Value()) + static_cast<long long>(Sign) * increment_;
      SetValue(static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)));
      break;
    }
    case sptFloat:
      SetFloatValue(FloatValue() + Sign * (Page ? incrementFloatPage_ : incrementFloat_));
      break;
    case sptDate: {
      std::string fmt = UpperCase(fs.ShortDateFormat);
      size_t m = fmt.find('M'), d = fmt.find('D');
      usDates_ = m != std::string::npos && (d == std::string::npos || m < d);
      std::u32string text = Utf8ToUtf32(Text());
      int caret = SelStart();
      int first = NthSeparator(text, static_cast<char32_t>(fs.DateSeparator), 0);
      int second = NthSeparator(text, static_cast<char32_t>(fs.DateSeparator), 1);
      int field = (first < 0 || caret <= first) ? 0 : (second < 0 || caret <= second) ? 1 : 2;
      bool month = field == (usDates_ ? 0 : 1);
      TDateTime value = DateValue();
      int y = 0, mo = 0, dd = 0;
      DecodeDate(value, y, mo, dd);
      if (field == 2) {
        y += Sign;
        // 29 February steps to the 28th of a common year.
        dd = std::min(dd, y >= 1 && y <= 9999 ? DaysInAMonth(y, mo) : dd);
      } else if (month) {
        mo += Sign;
        if (mo < 1) mo = 12, --y;
        if (mo > 12) mo = 1, ++y;
        if (y >= 1 && y <= 9999) dd = std::min(dd, DaysInAMonth(y, mo));
      }
      TDateTime date = 0;
      if (field == 2 || month) {
        if (!TryEncodeDate(y, mo, dd, date)) {
          // No step leaves the years 1 to 9999.
          MessageBeep(0);
          return;
        }
        TDateTime time = TimeOf(value);
        value = date >= 0 ? date + time : date - time;
      } else {
        TDateTime next = value + Sign;
        int ny = 0, nm = 0, nd = 0;
        DecodeDate(next, ny, nm, nd);
        if (ny < 1 || ny > 9999) {
          MessageBeep(0);
          return;
        }
        value = next;
      }
      SetDateValue(value);
      break;
    }
    case sptTime: {
      std::u32string text = Utf8ToUtf32(Text());
      int caret = SelStart();
      char32_t sep = static_cast<char32_t>(fs.TimeSeparator);
      int first = NthSeparator(text, sep, 0), second = NthSeparator(text, sep, 1);
      long long step = 0;
      if (first < 0 || caret <= first)
        step = 3600LL * incrementHours_;
      else if (showSeconds_ && second >= 0 && caret > second)
        step = incrementSeconds_;
      else
        step = 60LL * incrementMinutes_;
      long long secs = std::llround(TimeOf(TimeValue()) * SecsPerDay) % SecsPerDay;
      // Both directions wrap round midnight.
      long long next = ((secs + Sign * step) % SecsPerDay + SecsPerDay) % SecsPerDay;
      SetTimeValue(static_cast<double>(next) / SecsPerDay);
      break;
    }
  }
}

void TDudSpinEdit::HandleUpClick(TObject*) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  StepUp(false);
}

void TDudSpinEdit::HandleDownClick(TObject*) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  StepDown(false);
}

// ---- Typing ----

bool TDudSpinEdit::IsValidChar(char32_t Key) {
  const TFormatSettings& fs = FormatSettings();
  if (Key == 8) return editorEnabled_;
  auto is = [](char32_t k, char c) { return k == static_cast<char32_t>(static_cast<unsigned char>(c)); };
  bool result = is(Key, fs.DecimalSeparator) || is(Key, fs.ThousandSeparator) || is(Key, fs.TimeSeparator) ||
                is(Key, fs.DateSeparator) || IsDigit(Key) || Key == '-';
  if (!result) result = Key < 32 && Key != 13;
  auto sharedSeparator = [&](char32_t k) {
    return is(k, fs.DecimalSeparator) || is(k, fs.ThousandSeparator) || k == '-' || k == '+';
  };
  if (is(Key, fs.TimeSeparator) && spinType_ != sptTime)
    result = sharedSeparator(Key) ? result && (spinType_ == sptNormal || spinType_ == sptFloat) : false;
  if (is(Key, fs.DateSeparator) && spinType_ != sptDate)
    result = sharedSeparator(Key) ? result && (spinType_ == sptNormal || spinType_ == sptFloat) : false;
  std::u32string text = Utf8ToUtf32(Text());
  if (Key == '-') {
    size_t minus = text.find(U'-');
    if (minus == std::u32string::npos) {
      result = result && SelStart() == 0;
    } else {
      bool selected =
          static_cast<int>(minus) >= SelStart() && static_cast<int>(minus) < SelStart() + SelLength();
      result = result && SelStart() == 0 && selected;
    }
  }
  switch (spinType_) {
    case sptNormal:
      result = result && (IsDigit(Key) || Key == '-');
      break;
    case sptFloat:
      if (Key != 27 && Key != 13) {
        char32_t dec = static_cast<char32_t>(static_cast<unsigned char>(fs.DecimalSeparator));
        if (is(Key, fs.ThousandSeparator) && !is(Key, fs.DecimalSeparator)) result = false;
        size_t sep = text.find(dec);
        if (Key == dec && sep != std::u32string::npos) {
          bool inSel =
              static_cast<int>(sep) >= SelStart() && static_cast<int>(sep) < SelStart() + SelLength();
          if (!inSel) result = false;
        }
        if (precision_ > 0 && sep != std::u32string::npos && SelLength() == 0 &&
            SelStart() > static_cast<int>(sep) && TextLength() >= static_cast<int>(sep) + 1 + precision_)
          result = false;
      }
      break;
    case sptTime:
      if (is(Key, fs.TimeSeparator)) {
        int count = static_cast<int>(std::count(
            text.begin(), text.end(), static_cast<char32_t>(static_cast<unsigned char>(fs.TimeSeparator))));
        if (count >= 2) result = false;
      }
      break;
    default:
      break;
  }
  if (!editorEnabled_ && Key >= 32) result = false;
  return result;
}

void TDudSpinEdit::KeyPress(char32_t& Key) {
  TCustomMaskEdit::KeyPress(Key);
  if (Key == 0) return;
  // The clipboard commands are no text: paste and cut are filtered there.
  if (Key == 1 || Key == 3 || Key == 22 || Key == 24 || Key == 26) return;
  if (!IsValidChar(Key)) {
    if (Key >= 32) MessageBeep(0);
    Key = 0;
  }
}

void TDudSpinEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomMaskEdit::KeyDown(Key, Shift);
  if (Key == VK_RETURN && returnIsTab_) {
    Key = VK_TAB;
    if (HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_TAB, 0);
  }
  if (Key == VK_DELETE && !editorEnabled_) Key = 0;
}

void TDudSpinEdit::WMKeyDown(TMessage& Message) {
  switch (Message.WParam) {
    case VK_PRIOR:
      StepUp(true);
      return;
    case VK_NEXT:
      StepDown(true);
      return;
    case VK_UP:
      StepUp(false);
      return;
    case VK_DOWN:
      StepDown(false);
      return;
    default:
      TCustomMaskEdit::WMKeyDown(Message);
      return;
  }
}

void TDudSpinEdit::PasteFiltered() {
  std::u32string clip = Utf8ToUtf32(Clipboard()->AsText());
  auto br = clip.find_first_of(U"\r\n");
  if (br != std::u32string::npos) clip.resize(br);
  std::u32string text = Utf8ToUtf32(Text());
  std::u32string result = text;
  result.replace(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength()), clip);
  if (clip.empty() || Trim(Utf32ToUtf8(result)).empty() || !IsValidText(Utf32ToUtf8(result)) ||
      (MaxLength() > 0 && static_cast<int>(result.size()) > MaxLength())) {
    MessageBeep(0);
    return;
  }
  ReplaceSelection(clip, false);
}

// ---- Layout ----

void TDudSpinEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}

void TDudSpinEdit::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  SetEditRect();
}

void TDudSpinEdit::SetEditRect() {
  if (!HandleAllocated() || button_ == nullptr) return;
  int inset = BorderStyle() == bsNone ? 3 : 0;
  TRect r(inset, inset, ClientWidth() - button_->Width() - inset - 2, ClientHeight() + 1);
  Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

int TDudSpinEdit::MinHeight() {
  TCanvas* c = EditCanvas();
  c->Font()->Assign(Font());
  int fh = c->TextMetrics().tmHeight;
  TFont system;
  c->Font()->Assign(&system);
  int sh = c->TextMetrics().tmHeight;
  c->Font()->Assign(Font());
  int h = fh + std::min(fh, sh) / 4 + 2;
  if (BorderStyle() == bsSingle) h += GetSystemMetrics(SM_CYBORDER) * 4;
  return h;
}

void TDudSpinEdit::WMSize(TMessage& Message) {
  TCustomMaskEdit::WMSize(Message);
  if (button_ == nullptr) return;
  int minH = MinHeight();
  if (Height() < minH) {
    SetHeight(minH);
    return;
  }
  bool noBorder = BorderStyle() == bsNone;
  if (Ctl3D())
    button_->SetBounds(Width() - button_->Width() - 5 + (noBorder ? 4 : 0), 0, button_->Width(),
                       Height() - 5 + (noBorder ? 4 : 0));
  else
    button_->SetBounds(Width() - button_->Width(), 1, button_->Width(), Height() - 3);
  SetEditRect();
}

// ---- Focus ----

void TDudSpinEdit::CMEnter(TMessage& Message) {
  acceptedText_ = Text();
  bool byClick = controlState_.Contains(csLButtonDown);
  if (AutoSelect() && !(byClick && editorEnabled_)) SelectAll();
  TWinControl::CMEnter(Message);
}

void TDudSpinEdit::CMExit(TMessage& Message) {
  // Text that is no value of the kind, or lies outside the bounds, is
  // refused: the text from before the edit comes back.
  if (!IsValidText(Text())) {
    MessageBeep(0);
    SetText(acceptedText_);
  }
  TCustomMaskEdit::CMExit(Message);
}

void TDudSpinEdit::Loaded() {
  TCustomMaskEdit::Loaded();
  if (spinType_ == sptDate) SetText(DateToStr(dateValue_));
  if (spinType_ == sptTime) SetText(TimeText(timeValue_));
  SetSpinType(spinType_);
}

void TDudSpinEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CHAR:
      // The keypad's point types the decimal separator, as a spreadsheet.
      if (excelStyleDecimalSeparator_ && Message.WParam == '.' && (Message.LParam & (1 << 22)) != 0)
        Message.WParam = static_cast<WPARAM>(static_cast<unsigned char>(FormatSettings().DecimalSeparator));
      break;
    case WM_PASTE:
      if (editorEnabled_ && !ReadOnly()) PasteFiltered();
      return;
    case WM_CUT:
      if (!editorEnabled_ || ReadOnly()) return;
      break;
    case WM_SETTEXT:
      TCustomMaskEdit::WndProc(Message);
      acceptedText_ = Text();
      return;
    case CM_WANTSPECIALKEY:
      if (Message.WParam == VK_RETURN && returnIsTab_) {
        Message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TCustomMaskEdit::WndProc(Message);
}

void TDudSpinEdit::DefaultHandler(TMessage& Message) {
  if (DudRouteClipboardKeys(this, Message)) return;
  TCustomMaskEdit::DefaultHandler(Message);
}
