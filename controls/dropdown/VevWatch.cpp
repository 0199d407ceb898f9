// The analog watch: its settings and look, the time model, the mouse and
// keys that set it, and the animated hand moves.
#include <cmath>

#include "controls/dropdown/VevTimePickerDropDown.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/graphics/Graphics.h"

namespace {
int R(double X) { return static_cast<int>(std::nearbyint(X)); }
constexpr double kPi = 3.14159265358979323846;

void TimeParts(TDateTime T, int& H, int& M, int& S, int& MS) { DecodeTime(T, H, M, S, MS); }

TDateTime WithHourMinute(TDateTime T, int H, int M) {
  int h, m, s, ms;
  TimeParts(T, h, m, s, ms);
  return EncodeTime(H, M, s, ms);
}
}  // namespace

// ---- Settings ----

void TWatchSettings::SetAuto(bool Value) {
  if (auto_ == Value) return;
  auto_ = Value;
  Changed();
}
void TWatchSettings::SetSecond(bool Value) {
  if (second_ == Value) return;
  second_ = Value;
  Changed();
}
void TWatchSettings::SetTimeOffset(int Value) {
  if (timeOffset_ == Value) return;
  timeOffset_ = Value;
  Changed();
}
void TWatchSettings::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TWatchSettings*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  second_ = s->second_;
  timeOffset_ = s->timeOffset_;
  SetAuto(s->auto_);
}

// ---- Look ----

TWatchAppearance::TWatchAppearance()
    : hourFont_(std::make_unique<TFont>()),
      ampmFont_(std::make_unique<TFont>()),
      picture_(std::make_unique<TPicture>()) {
  hourFont_->OnChange = [this](TObject*) { Changed(); };
  ampmFont_->OnChange = [this](TObject*) { Changed(); };
  picture_->OnChange = [this](TObject*) { Changed(); };
  ResetDefaults();
}

TWatchAppearance::~TWatchAppearance() {
  hourFont_->OnChange = nullptr;
  ampmFont_->OnChange = nullptr;
  picture_->OnChange = nullptr;
}

void TWatchAppearance::ResetDefaults() {
  SetSize(0);
  SetHourPointer(0);
  SetMinutePointer(0);
  SetSecondPointer(0x0000FF);
  SetHourPointerShadow(clBtnShadow);
  SetMinutePointerShadow(clBtnShadow);
  SetHourPointerSize(4);
  SetMinutePointerSize(3);
  SetSecondPointerSize(1);
  SetPointerStyle(psLine);
  SetBackgroundColor(0xFFFFFF);
  SetBackgroundColorTo(clNone);
  SetBackgroundGradient(wgVertical);
  SetBorderColor(0);
  SetBorderWidth(4);
  SetShape(wsCircle);
  SetHourColor(0);
  SetMinuteColor(0x808080);
  SetHourMarkLength(0);
  SetMinuteMarkLength(0);
  SetHourMarkWidth(1);
  SetMinuteMarkWidth(1);
  SetHourMarkStyle(hmsLine);
  SetTickMarks(tmAll);
  ampmColor_ = 0xFFFFFF;
  ampmBorderColor_ = 0;
  SetAMPMFrame(apRect);
  SetCenterPointSize(4);
  SetCenterPointColor(0);
  SetCenterPointBorderColor(clNone);
  SetCenterPointOuterBorderColor(clNone);
  TFont h;
  h.SetName("Tahoma");
  h.SetSize(8);
  hourFont_->Assign(&h);
  TFont a;
  a.SetName("Tahoma");
  a.SetSize(10);
  ampmFont_->Assign(&a);
  if (picture_->Graphic() != nullptr) picture_->SetGraphic(nullptr);
}

void TWatchAppearance::SetHourFont(TFont* Value) {
  hourFont_->Assign(Value);
  Changed();
}
void TWatchAppearance::SetAMPMFont(TFont* Value) {
  ampmFont_->Assign(Value);
  Changed();
}
void TWatchAppearance::SetPicture(TPicture* Value) {
  picture_->Assign(Value);
  Changed();
}

void TWatchAppearance::Assign(TPersistent* Source) {
  auto* s = dynamic_cast<TWatchAppearance*>(Source);
  if (s == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  size_ = s->size_;
  hourPointer_ = s->hourPointer_;
  minutePointer_ = s->minutePointer_;
  secondPointer_ = s->secondPointer_;
  hourPointerShadow_ = s->hourPointerShadow_;
  minutePointerShadow_ = s->minutePointerShadow_;
  hourPointerSize_ = s->hourPointerSize_;
  minutePointerSize_ = s->minutePointerSize_;
  secondPointerSize_ = s->secondPointerSize_;
  pointerStyle_ = s->pointerStyle_;
  backgroundColor_ = s->backgroundColor_;
  backgroundColorTo_ = s->backgroundColorTo_;
  backgroundGradient_ = s->backgroundGradient_;
  borderColor_ = s->borderColor_;
  borderWidth_ = s->borderWidth_;
  shape_ = s->shape_;
  hourColor_ = s->hourColor_;
  minuteColor_ = s->minuteColor_;
  hourMarkLength_ = s->hourMarkLength_;
  minuteMarkLength_ = s->minuteMarkLength_;
  hourMarkWidth_ = s->hourMarkWidth_;
  minuteMarkWidth_ = s->minuteMarkWidth_;
  hourMarkStyle_ = s->hourMarkStyle_;
  tickMarks_ = s->tickMarks_;
  ampmColor_ = s->ampmColor_;
  ampmBorderColor_ = s->ampmBorderColor_;
  ampmFrame_ = s->ampmFrame_;
  centerPointSize_ = s->centerPointSize_;
  centerPointColor_ = s->centerPointColor_;
  centerPointBorderColor_ = s->centerPointBorderColor_;
  centerPointOuterBorderColor_ = s->centerPointOuterBorderColor_;
  hourFont_->Assign(s->hourFont_.get());
  ampmFont_->Assign(s->ampmFont_.get());
  picture_->Assign(s->picture_.get());
  Changed();
}

// ---- The watch ----

TVevWatch::TVevWatch(TComponent* AOwner)
    : TCustomControl(AOwner),
      appearance_(std::make_unique<TWatchAppearance>()),
      settings_(std::make_unique<TWatchSettings>()),
      cache_(std::make_unique<TBitmap>()) {
  SetBounds(0, 0, 180, 180);
  appearance_->OnChange = [this](TObject*) {
    cacheValid_ = false;
    Invalidate();
  };
  settings_->OnChange = [this](TObject* s) { SettingsChanged(s); };
  clockTimer_ = new TTimer(this);
  clockTimer_->SetInterval(100);
  clockTimer_->SetEnabled(settings_->Auto());
  clockTimer_->OnTimer = [this](TObject*) { RedrawHands(); };
  animationTimer_ = new TTimer(this);
  animationTimer_->SetInterval(1);
  animationTimer_->SetEnabled(false);
  animationTimer_->OnTimer = [this](TObject*) { AnimationStep(); };
}

TVevWatch::~TVevWatch() {
  appearance_->OnChange = nullptr;
  settings_->OnChange = nullptr;
}

bool TVevWatch::Busy() const {
  return ComponentState().Contains(csLoading) || ComponentState().Contains(csDesigning);
}

bool TVevWatch::Animating() const { return animationTimer_->Enabled(); }

TDateTime TVevWatch::CurrentTime() const {
  if (settings_->Auto()) return Now() + settings_->TimeOffset() / 1440.0;
  return time_;
}

void TVevWatch::SetTime(TDateTime Value) {
  if (Value == time_) return;
  SetTimeValue(Value);
  RedrawHands();
}

void TVevWatch::SetTimeValue(TDateTime Value) {
  if (Value == time_) return;
  time_ = Value;
  // Setting the time moves the AM flag without the slide.
  int h, m, s, ms;
  TimeParts(Value, h, m, s, ms);
  const bool was = internalSet_;
  internalSet_ = true;
  SetAMFlag(h < 12);
  internalSet_ = was;
}

void TVevWatch::SetShowAMPM(bool Value) {
  if (showAMPM_ == Value) return;
  showAMPM_ = Value;
  cacheValid_ = false;
  Invalidate();
}

void TVevWatch::SetShowNumbers(bool Value) {
  if (showNumbers_ == Value) return;
  showNumbers_ = Value;
  cacheValid_ = false;
  Invalidate();
}

void TVevWatch::SettingsChanged(TObject*) {
  clockTimer_->SetEnabled(settings_->Auto());
  if (settings_->Auto()) {
    const TDateTime now = CurrentTime();
    internalSet_ = true;
    SetTime(now);
    int h, m, s, ms;
    TimeParts(now, h, m, s, ms);
    SetAMFlag(h < 12);
    internalSet_ = false;
  }
  cacheValid_ = false;
  Invalidate();
}

void TVevWatch::RedrawHands() { Invalidate(); }

void TVevWatch::Fire(bool AtTarget) {
  // Steps of an animation stay quiet until the target is reached; every
  // other change is reported at once.
  if (!animationStep_ || AtTarget)
    if (OnChange) OnChange(this);
}

void TVevWatch::SetHour(int Value) {
  int h, m, s, ms;
  TimeParts(CurrentTime(), h, m, s, ms);
  if (h == Value) return;
  if (Value < 0 || Value > 23) return;
  if (!animation_ || internalCall_ || Busy()) {
    internalSet_ = true;
    SetTimeValue(EncodeTime(Value, m, s, ms));
    internalSet_ = false;
    RedrawHands();
    Fire(Value == hourTarget_);
    return;
  }
  hourTarget_ = Value;
  hourAnimating_ = true;
  animationTimer_->SetEnabled(true);
}

void TVevWatch::SetMinute(int Value) {
  if (Value >= 60) throw Exception("Invalid time");
  int h, m, s, ms;
  TimeParts(CurrentTime(), h, m, s, ms);
  if (m == Value || Value < 0) return;
  if (animation_ && !internalCall_ && !Busy()) {
    minuteTarget_ = Value;
    hourAnimating_ = false;
    startMinute_ = m;
    animationTimer_->SetEnabled(true);
    return;
  }
  if (!animation_) startMinute_ = m;
  if (Value == 0 && startMinute_ > 30) {
    h = h == 23 ? 0 : h + 1;
    startMinute_ = 0;
  }
  internalSet_ = true;
  SetTimeValue(EncodeTime(h, Value, s, ms));
  internalSet_ = false;
  RedrawHands();
  Fire(Value == minuteTarget_);
}

void TVevWatch::AnimationStep() {
  if (!animation_ || Busy()) return;
  int h, m, s, ms;
  TimeParts(CurrentTime(), h, m, s, ms);
  const int f = animationFactor_ > 0 ? animationFactor_ : 1;
  internalCall_ = true;
  animationStep_ = true;
  if (hourAnimating_) {
    const int step = std::max(1, R(std::abs(hourTarget_ - h) / static_cast<double>(f)));
    if (h == hourTarget_) {
      SetHour(hourTarget_);
      animationTimer_->SetEnabled(false);
    } else {
      const int next = h < hourTarget_ ? std::min(h + step, hourTarget_) : std::max(h - step, hourTarget_);
      SetHour(next);
    }
  } else {
    const bool forward0 = minuteTarget_ == 0 && m > 30;
    const int step =
        std::max(1, R((forward0 ? std::abs(60 - m) : std::abs(minuteTarget_ - m)) / static_cast<double>(f)));
    if (m == minuteTarget_) {
      SetMinute(minuteTarget_);
      animationTimer_->SetEnabled(false);
    } else {
      int next;
      if (m < minuteTarget_ || forward0) {
        next = m + step;
        if (!forward0 && next > minuteTarget_) next = minuteTarget_;
        if (next > 59) next = 0;
      } else {
        next = std::max(m - step, minuteTarget_);
      }
      SetMinute(next);
    }
  }
  animationStep_ = false;
  internalCall_ = false;
}

int TVevWatch::MinuteAtPoint(int X, int Y) const {
  const TRect f = GetFaceRect();
  const int cx = f.Left + (f.Right - f.Left) / 2, cy = f.Top + (f.Bottom - f.Top) / 2;
  int dy = std::abs(cy - Y), dx = std::abs(cx - X);
  if (dy == 0) dy = 1;
  if (dx == 0) dx = 1;
  const int a = R(std::atan(static_cast<double>(dy) / dx) * 180 / kPi / 6);
  int r;
  if (X >= cx && Y >= cy)
    r = a + 15;
  else if (X <= cx && Y >= cy)
    r = 45 - a;
  else if (X <= cx && Y <= cy)
    r = a + 45;
  else
    r = 15 - a;
  return r < 0 || r > 59 ? 0 : r;
}

int TVevWatch::HourAtPoint(int X, int Y) const {
  int h = R(MinuteAtPoint(X, Y) / 5.0);
  if (h == 12) h = 0;
  if (h == 0) return am_ ? 0 : 12;
  return am_ ? h : h + 12;
}

void TVevWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (settings_->Auto()) return;
  const TRect f = GetFaceRect();
  const double cx = (f.Left + f.Right) / 2.0, cy = (f.Top + f.Bottom) / 2.0;
  const double rx = (f.Right - f.Left) / 2.0, ry = (f.Bottom - f.Top) / 2.0;
  const bool inside = rx > 0 && ry > 0 && std::pow((X - cx) / rx, 2) + std::pow((Y - cy) / ry, 2) <= 1.0;
  if (!inside) {
    SetMinute(MinuteAtPoint(X, Y));
    return;
  }
  const TRect b = GetAMPMRect();
  if (showAMPM_ && X >= b.Left && X < b.Right && Y >= b.Top && Y < b.Bottom) {
    if (animation_) SetAMFlag(!am_);
    int h, m, s, ms;
    TimeParts(CurrentTime(), h, m, s, ms);
    const int nh = h < 12 ? h + 12 : h - 12;
    hourTarget_ = nh;
    internalCall_ = true;
    SetHour(nh);
    internalCall_ = false;
    return;
  }
  SetHour(HourAtPoint(X, Y));
}

void TVevWatch::HandleWatchKey(WORD Key) {
  if (settings_->Auto()) return;
  int h, m, s, ms;
  TimeParts(CurrentTime(), h, m, s, ms);
  auto internal = [this](auto F) {
    internalCall_ = true;
    F();
    internalCall_ = false;
  };
  switch (Key) {
    case 'A':
      if (h >= 12) SetHour(h - 12);
      break;
    case 'P':
      if (h < 12) SetHour(h + 12);
      break;
    case VK_PRIOR:
      if (h == 23)
        internal([&] { SetHour(0); });
      else
        SetHour(h + 1);
      break;
    case VK_NEXT:
      if (h == 0)
        internal([&] { SetHour(23); });
      else
        SetHour(h - 1);
      break;
    case VK_END:
      SetMinute(0);
      break;
    case VK_HOME:
      internal([&] { SetHour(12); });
      break;
    case VK_LEFT:
      if (m == 0) {
        internalSet_ = true;
        SetTime(WithHourMinute(time_, h == 0 ? 23 : h - 1, 59));
        internalSet_ = false;
        Fire(true);
      } else {
        SetMinute(m - 1);
      }
      break;
    case VK_RIGHT:
      SetMinute(m == 59 ? 0 : m + 1);
      break;
    default:
      break;
  }
}

void TVevWatch::SetAMFlag(bool Value) {
  if (am_ == Value) return;
  am_ = Value;
  if (animation_ && showAMPM_ && appearance_->AMPMColor() != clNone && !internalSet_) SlideAMPM(Value);
  cacheValid_ = false;
  Invalidate();
}

void TVevWatch::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = TabStop() ? 5 : 0;
      return;
    case WM_SIZE:
      cacheValid_ = false;
      break;
    case WM_MOUSEMOVE:
      if (!ComponentState().Contains(csDesigning)) {
        // The hand over the AM/PM box, which a click switches.
        const int x = static_cast<int16_t>(Message.LParam & 0xFFFF),
                  y = static_cast<int16_t>(Message.LParam >> 16);
        const TRect b = GetAMPMRect();
        SetCursor(x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom ? crHandPoint : crDefault);
      }
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

// ---- Look presets ----

void TVevWatch::SetStyle(TWatchStyle Value) {
  if (style_ == Value) return;
  style_ = Value;
  TWatchAppearance* a = appearance_.get();
  a->ResetDefaults();
  // Bold: 1 bold, 0 regular, -1 as it is.
  auto font = [](TFont& f, TFont* F, TColor C, const char* Name, int Size, int Bold) {
    f.Assign(F);
    if (C != clNone) f.SetColor(C);
    if (Name != nullptr) f.SetName(Name);
    if (Size > 0) f.SetSize(Size);
    if (Bold == 1) f.SetStyle(TFontStyles{fsBold});
    if (Bold == 0) f.SetStyle(TFontStyles{});
  };
  auto setHourFont = [&](TColor C, const char* N, int S, int B) {
    TFont f;
    font(f, a->HourFont(), C, N, S, B);
    a->SetHourFont(&f);
  };
  auto setAMPMFont = [&](TColor C, const char* N, int S, int B) {
    TFont f;
    font(f, a->AMPMFont(), C, N, S, B);
    a->SetAMPMFont(&f);
  };
  const int side = std::min(Width(), Height());
  switch (Value) {
    case wsClassic:
      setAMPMFont(clNone, "MS Sans Serif", 0, 0);
      setHourFont(clNone, "Comic Sans MS", 10, 1);
      a->SetHourMarkLength(8);
      a->SetHourPointer(0);
      a->SetHourPointerShadow(clBtnShadow);
      a->SetHourPointerSize(5);
      a->SetMinutePointerShadow(clBtnShadow);
      a->SetMinuteMarkLength(4);
      animation_ = true;
      animationFactor_ = 10;
      SetShowAMPM(true);
      SetShowNumbers(true);
      break;
    case wsTower:
      setAMPMFont(clNone, "MS Sans Serif", 0, 0);
      a->SetAMPMFrame(apRect);
      a->SetBorderWidth(1);
      a->SetBackgroundColor(0xB1F0FE);
      a->SetBackgroundColorTo(0x54C9E7);
      a->SetBackgroundGradient(wgDiagonalForward);
      a->SetCenterPointColor(0x002BD5);
      a->SetCenterPointSize(6);
      setHourFont(clWindowText, "Century", 0, 1);
      a->SetHourPointer(0);
      a->SetHourPointerShadow(clBtnShadow);
      a->SetHourPointerSize(5);
      a->SetMinutePointerShadow(clBtnShadow);
      a->SetSecondPointer(0x002BD5);
      a->SetShape(wsRect);
      a->SetPointerStyle(psPointer);
      a->SetBackgroundColorTo(0x5BCCE8);
      a->SetAMPMColor(a->BackgroundColor());
      SetShowNumbers(false);
      a->SetTickMarks(tmHours);
      break;
    case wsFluorescent:
      setAMPMFont(clWindowText, "MS Sans Serif", 10, 0);
      a->SetAMPMFrame(apRoundRect);
      a->SetBorderColor(0xFF3E3E);
      a->SetBackgroundColor(0);
      a->SetBackgroundColorTo(0);
      a->SetCenterPointColor(0xFF3E3E);
      a->SetCenterPointBorderColor(0);
      a->SetCenterPointOuterBorderColor(0);
      a->SetCenterPointSize(20);
      setHourFont(clWindowText, "MS Sans Serif", 8, 0);
      a->SetHourColor(0xFF3E3E);
      a->SetHourMarkLength(10);
      a->SetHourPointer(0xFF3E3E);
      a->SetHourPointerShadow(clBtnShadow);
      a->SetHourPointerSize(2);
      a->SetMinuteColor(0xFF3E3E);
      a->SetMinutePointer(0xFF3E3E);
      a->SetMinutePointerShadow(clBtnShadow);
      a->SetMinutePointerSize(2);
      a->SetShape(wsRoundRect);
      a->SetHourMarkWidth(2);
      a->SetHourMarkStyle(hmsQuartDblLine);
      a->SetTickMarks(tmHours);
      SetShowAMPM(false);
      SetShowNumbers(false);
      break;
    case wsEmerald:
      setAMPMFont(0xA00000, "MS Sans Serif", 0, 0);
      a->SetAMPMFrame(apRoundRect);
      a->SetBorderColor(0x3AE800);
      a->SetBackgroundColor(0x3AE800);
      a->SetBackgroundColorTo(0);
      a->SetBackgroundGradient(wgDiagonalForward);
      a->SetCenterPointBorderColor(0x40FF00);
      a->SetCenterPointColor(0x38E100);
      a->SetCenterPointSize(16);
      setHourFont(clWindowText, "MS Sans Serif", 0, 0);
      a->SetHourPointer(0x40FF00);
      a->SetHourPointerShadow(clBtnShadow);
      a->SetHourPointerSize(5);
      a->SetMinutePointer(0x40FF00);
      a->SetMinutePointerShadow(clBtnShadow);
      a->SetShape(wsRect);
      a->SetPointerStyle(psPointer);
      a->SetAMPMColor(clNone);
      setHourFont(a->BackgroundColor(), nullptr, 0, -1);
      a->SetCenterPointOuterBorderColor(0);
      a->SetHourMarkStyle(hmsQuartDblLine);
      a->SetHourColor(a->BackgroundColor());
      a->SetSecondPointer(0x00FFFF);
      a->SetTickMarks(tmHours);
      SetShowNumbers(false);
      SetShowAMPM(false);
      break;
    case wsBlueStar:
      setAMPMFont(0xA00000, "MS Sans Serif", 10, 0);
      a->SetAMPMBorderColor(clNone);
      a->SetAMPMFrame(apRoundRect);
      a->SetBorderColor(0xFFD5D5);
      a->SetBackgroundColor(0xFFD5D5);
      a->SetBackgroundColorTo(0xA00000);
      a->SetBackgroundGradient(wgRadial);
      setHourFont(clWindowText, "MS Sans Serif", 8, 0);
      a->SetHourPointer(0xA00000);
      a->SetHourPointerShadow(clBtnShadow);
      a->SetHourPointerSize(5);
      a->SetMinutePointer(0xA00000);
      a->SetMinutePointerShadow(clBtnShadow);
      a->SetShape(wsRoundRect);
      a->SetPointerStyle(psPointer);
      a->SetAMPMColor(clNone);
      setHourFont(a->BackgroundColor(), nullptr, 0, -1);
      SetShowAMPM(true);
      SetShowNumbers(true);
      break;
    case wsFuchsia:
      setAMPMFont(clWindowText, "MS Sans Serif", 10, 0);
      a->SetAMPMFrame(apRoundRect);
      a->SetBorderColor(0xFFD0FF);
      a->SetBackgroundColor(0);
      a->SetBackgroundColorTo(0);
      a->SetCenterPointBorderColor(0xDD68DD);
      a->SetCenterPointSize(20);
      setHourFont(clWindowText, "MS Sans Serif", 8, 0);
      a->SetHourColor(0xFFD0FF);
      a->SetHourMarkLength(10);
      a->SetHourPointer(0xFFD0FF);
      a->SetHourPointerShadow(clBtnShadow);
      a->SetHourPointerSize(2);
      a->SetMinuteColor(0xFFD0FF);
      a->SetMinutePointer(0xFFD0FF);
      a->SetMinutePointerShadow(clBtnShadow);
      a->SetMinutePointerSize(2);
      a->SetShape(wsRect);
      a->SetCenterPointOuterBorderColor(0);
      a->SetHourMarkWidth(2);
      a->SetHourMarkStyle(hmsQuartDblLine);
      a->SetSecondPointer(0xDD68DD);
      a->SetTickMarks(tmQuartHours);
      SetShowAMPM(false);
      SetShowNumbers(false);
      break;
    case wsBlack:
      setAMPMFont(clNone, "MS Sans Serif", 0, 0);
      a->SetBackgroundColor(0x202020);
      a->SetBackgroundColorTo(clNone);
      a->SetBorderColor(0);
      a->SetCenterPointBorderColor(0xFFFFFF);
      a->SetCenterPointOuterBorderColor(0xFFFFFF);
      a->SetCenterPointColor(0xFFFFFF);
      a->SetHourColor(0x585858);
      setHourFont(0xFFFFFF, "Century Gothic", 11, -1);
      a->SetHourPointer(0xFFFFFF);
      a->SetHourPointerShadow(clBtnShadow);
      a->SetHourPointerSize(5);
      a->SetMinuteColor(0x585858);
      a->SetMinutePointer(0xFFFFFF);
      a->SetMinutePointerShadow(clBtnShadow);
      a->SetMinuteMarkLength(4);
      SetShowAMPM(false);
      SetShowNumbers(true);
      break;
    case wsBlackWhite:
      a->SetBackgroundColor(0xFFFFFF);
      a->SetBackgroundColorTo(clNone);
      a->SetBorderColor(0);
      a->SetBorderWidth(8);
      a->SetCenterPointBorderColor(0);
      a->SetCenterPointOuterBorderColor(0);
      a->SetCenterPointColor(0);
      a->SetCenterPointSize(8);
      a->SetHourColor(0x585858);
      setHourFont(0, "Century Gothic", 14, 1);
      a->SetHourPointer(0);
      a->SetHourPointerShadow(clBtnShadow);
      a->SetHourPointerSize(5);
      a->SetMinutePointer(0);
      a->SetMinutePointerShadow(clBtnShadow);
      a->SetMinuteMarkLength(4);
      a->SetSecondPointer(0x000080);
      a->SetPointerStyle(psPointer);
      a->SetTickMarks(tmQuartHours);
      SetShowAMPM(false);
      SetShowNumbers(true);
      break;
    case wsGray:
      setAMPMFont(clNone, "MS Sans Serif", 10, -1);
      a->SetBackgroundColor(0xD1D1D1);
      a->SetBackgroundColorTo(0x6C6C6C);
      a->SetBackgroundGradient(wgRadial);
      a->SetBorderColor(0x454545);
      a->SetCenterPointBorderColor(0x454545);
      a->SetCenterPointColor(0);
      a->SetCenterPointOuterBorderColor(clNone);
      a->SetHourColor(0);
      setHourFont(clNone, "Comic Sans MS", 8, 0);
      a->SetHourPointer(0x4E4E4E);
      a->SetHourPointerShadow(clNone);
      a->SetHourPointerSize(1);
      a->SetMinuteColor(0x808080);
      a->SetMinutePointer(0x4E4E4E);
      a->SetMinutePointerShadow(clNone);
      a->SetMinutePointerSize(1);
      a->SetSecondPointer(0x0000FF);
      SetShowAMPM(true);
      SetShowNumbers(true);
      break;
    case wsSuperNova:
      a->SetBackgroundColorTo(0xD1D3D3);
      a->SetBorderColor(clNone);
      a->SetCenterPointOuterBorderColor(0);
      a->SetCenterPointSize(10);
      a->SetHourMarkLength(R(side / 4.5));
      a->SetHourPointer(0);
      a->SetHourPointerShadow(clBtnShadow);
      a->SetMinuteColor(0x808080);
      a->SetMinuteMarkLength(side / 3);
      a->SetMinutePointer(0);
      SetShowAMPM(false);
      SetShowNumbers(false);
      break;
    case wsSports:
    case wsSmooth: {
      const bool sports = Value == wsSports;
      a->SetBackgroundColor(sports ? 0 : 0xFFFFFF);
      a->SetBackgroundColorTo(sports ? clNone : 0xABB0B1);
      a->SetBorderColor(sports ? 0 : 0x585858);
      a->SetBorderWidth(1);
      a->SetCenterPointBorderColor(sports ? 0xFF0000 : 0);
      a->SetCenterPointOuterBorderColor(sports ? 0 : 0x4A4A4A);
      a->SetCenterPointColor(sports ? 0x191919 : 0xFFFFFF);
      a->SetCenterPointSize(sports ? R(side / 3.6) : 6);
      a->SetHourColor(0xABB0B1);
      setHourFont(0x797979, "Times New Roman", 9, -1);
      a->SetHourPointer(sports ? 0x0000FF : 0x4A4A4A);
      a->SetHourPointerShadow(sports ? clNone : 0xB2B2B2);
      a->SetHourPointerSize(2);
      a->SetMinuteColor(0x808080);
      a->SetMinutePointer(sports ? 0x00FFFF : 0x4A4A4A);
      a->SetMinutePointerSize(2);
      a->SetMinutePointerShadow(sports ? clNone : 0xB2B2B2);
      a->SetMinuteMarkLength(1);
      a->SetSecondPointer(sports ? 0x188BFE : 0x4A4A4A);
      a->SetTickMarks(tmQuartHours);
      SetShowAMPM(false);
      SetShowNumbers(true);
      break;
    }
  }
  cacheValid_ = false;
  Invalidate();
}

void ApplyWatchComponentStyle(TWatchAppearance* A, TVyxStyle AStyle) {
  A->SetCenterPointOuterBorderColor(0);
  TFont f;
  f.Assign(A->HourFont());
  f.SetColor(0);
  A->SetHourFont(&f);
  f.Assign(A->AMPMFont());
  f.SetColor(0);
  A->SetAMPMFont(&f);
  struct Row {
    TVyxStyle style;
    TColor ampmBorder, ampm, back, backTo, border, cpBorder, cp, hands, shadows, second;
  };
  static const Row rows[] = {
      {tsOffice2003Blue, 0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759,
       0xFFFFFF, 0xFFFFFF},
      {tsOffice2003Silver, 0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5,
       0xFFFFFF, 0xFFFFFF},
      {tsOffice2003Olive, 0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF,
       0xFFFFFF, 0xFFFFFF},
      {tsOffice2003Classic, 0x962D00, 0x808080, 0xF2F2F2, 0xF2F2F2, 0x808080, 0x808080, 0x808080, 0x808080,
       0xFFFFFF, 0x808080},
      {tsOffice2007Luna, 0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708,
       0xFFFFFF, 0x723708},
      {tsOffice2007Obsidian, 0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0,
       0xFFFFFF, 0xF2F1F0},
      {tsWindowsXP, 0, clBtnFace, clBtnFace, clBtnFace, 0, 0, 0, 0, 0xFFFFFF, 0},
      {tsWhidbey, 0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898, 0xFFFFFF,
       0x7E9898},
      {tsOffice2007Silver, 0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F,
       0xFFFFFF, 0x74706F},
      {tsWindowsVista, 0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A,
       0xFFFFFF, 0xFEDF9A},
      {tsWindows7, 0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFFFFFF,
       0xFBD6B8},
      {tsTerminal, 0x808080, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, 0x808080, 0x808080,
       0xFFFFFF, 0x808080},
      {tsOffice2010Blue, 0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F,
       0xFFFFFF, 0xC7B29F},
      {tsOffice2010Silver, 0xD2CDC8, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8,
       0xC0C0C0, 0xD2CDC8},
      {tsOffice2010Black, 0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D,
       0xFFFFFF, 0x6D6D6D},
  };
  for (const Row& r : rows) {
    if (r.style != AStyle) continue;
    A->SetAMPMBorderColor(r.ampmBorder);
    A->SetAMPMColor(r.ampm);
    if (AStyle == tsOffice2007Obsidian) {
      f.Assign(A->AMPMFont());
      f.SetColor(0xF2F1F0);
      A->SetAMPMFont(&f);
    }
    A->SetBackgroundColor(r.back);
    A->SetBackgroundColorTo(r.backTo);
    A->SetBorderColor(r.border);
    A->SetCenterPointBorderColor(r.cpBorder);
    A->SetCenterPointColor(r.cp);
    A->SetHourColor(r.hands);
    A->SetMinuteColor(r.hands);
    A->SetHourPointerShadow(r.shadows);
    A->SetHourPointer(r.hands);
    A->SetMinutePointerShadow(r.shadows);
    A->SetMinutePointer(r.hands);
    A->SetSecondPointer(r.second);
    if (AStyle == tsOffice2007Obsidian) {
      f.Assign(A->HourFont());
      f.SetColor(0xF2F1F0);
      A->SetHourFont(&f);
    }
  }
}

void TVevWatch::SetComponentStyle(TVyxStyle AStyle) { ApplyWatchComponentStyle(appearance_.get(), AStyle); }
