// The time picker drop-down: the time text under its mask, typed times,
// the arrow keys on the field under the caret, and the pop-up with the
// watch and the optional framework time picker.
#include "controls/dropdown/VevTimePickerDropDown.h"

#include <algorithm>

#include "framework/controls/DateTimePicker.h"
#include "framework/controls/ExtCtrls.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevUtil.h"

namespace {
std::string Two(int V) { return V < 10 ? "0" + std::to_string(V) : std::to_string(V); }
bool AltDown() { return GetKeyState(VK_MENU) < 0; }
bool IsFieldKey(WORD Key) { return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN; }
}  // namespace

TVevTimePickerDropDown::TVevTimePickerDropDown(TComponent* AOwner)
    : TVevUrizazEvuvUduz(AOwner),
      watchAppearance_(std::make_unique<TWatchAppearance>()),
      watchSettings_(std::make_unique<TWatchSettings>()) {
  watchAppearance_->OnChange = [](TObject*) {};
  // The clock face follows the base's look preset, which ran before it
  // existed.
  ApplyWatchComponentStyle(watchAppearance_.get(), GetComponentStyle());
  SetEditorEnabled(false);
  SetDropDownEnabled(true);
  internal_ = true;
  SetEditMask(MaskText());
  WriteRawText(TimeText(0));
  internal_ = false;
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
}

TVevTimePickerDropDown::~TVevTimePickerDropDown() = default;

void TVevTimePickerDropDown::AfterConstruction() {
  const bool first = !Constructed();
  TVevUrizazEvuvUduz::AfterConstruction();
  // The common first text is empty; this edit always shows a time.
  if (first) WriteTimeText(TimeText(time_));
}

std::string TVevTimePickerDropDown::TimeText(TDateTime T) const {
  int h, m, s, ms;
  DecodeTime(T, h, m, s, ms);
  const std::string sep(1, LocaleTimeSeparator());
  std::string t = Two(h) + sep + Two(m);
  if (showSeconds_) t += sep + Two(s);
  return t;
}

std::string TVevTimePickerDropDown::MaskText() const {
  const std::string sep(1, LocaleTimeSeparator());
  return showSeconds_ ? "!90" + sep + "00" + sep + "00;1; " : "!90" + sep + "00;1; ";
}

void TVevTimePickerDropDown::WriteTimeText(const std::string& S) {
  const bool was = internal_;
  internal_ = true;
  WriteRawText(S);
  internal_ = was;
}

void TVevTimePickerDropDown::SetTime(TDateTime Value) {
  if (Value == time_) return;
  time_ = Value;
  WriteTimeText(TimeText(Value));
  if (DroppedDown()) {
    if (watch_ != nullptr) watch_->SetTime(Value);
    if (showTimePicker_ && timePicker_ != nullptr) timePicker_->SetTime(Value);
  }
}

void TVevTimePickerDropDown::SetTimeHour(int Value) {
  int h, m, s, ms;
  DecodeTime(time_, h, m, s, ms);
  if (Value == h || Value < 0 || Value > 23) return;
  SetTime(EncodeTime(Value, m, s, ms));
  if (OnTimeChange) OnTimeChange(this);
}

void TVevTimePickerDropDown::SetTimeMinute(int Value) {
  int h, m, s, ms;
  DecodeTime(time_, h, m, s, ms);
  if (Value == m || Value < 0 || Value > 59) return;
  SetTime(EncodeTime(h, Value, s, ms));
  if (OnTimeChange) OnTimeChange(this);
}

void TVevTimePickerDropDown::SetTimeSecond(int Value) {
  int h, m, s, ms;
  DecodeTime(time_, h, m, s, ms);
  if (Value == s || Value < 0 || Value > 59) return;
  SetTime(EncodeTime(h, m, Value, ms));
  if (OnTimeChange) OnTimeChange(this);
}

void TVevTimePickerDropDown::SetShowSeconds(bool Value) {
  if (showSeconds_ == Value) return;
  showSeconds_ = Value;
  const TDateTime t = time_;
  internal_ = true;
  SetEditMask("");
  WriteRawText("");
  SetEditMask(MaskText());
  internal_ = false;
  time_ = t + 1;  // differs, so the text is written anew
  SetTime(t);
}

void TVevTimePickerDropDown::SetComponentStyle(TVyxStyle AStyle) {
  TVevUrizazEvuvUduz::SetComponentStyle(AStyle);
  if (watchAppearance_) ApplyWatchComponentStyle(watchAppearance_.get(), AStyle);
}

// ---- Typed text ----

void TVevTimePickerDropDown::Change() {
  TVevUrizazEvuvUduz::Change();
  if (internal_) return;
  const char sep = LocaleTimeSeparator();
  std::string t = Trim(Text());
  if (t.size() != (showSeconds_ ? 8u : 5u)) return;
  const auto seps = std::count(t.begin(), t.end(), sep);
  if (seps != (showSeconds_ ? 2 : 1)) return;
  std::replace(t.begin(), t.end(), ' ', '0');
  std::vector<std::string> parts;
  size_t p = 0;
  for (;;) {
    const size_t e = t.find(sep, p);
    parts.push_back(Trim(t.substr(p, e == std::string::npos ? std::string::npos : e - p)));
    if (e == std::string::npos) break;
    p = e + 1;
  }
  int v[3] = {0, 0, 0};
  for (size_t i = 0; i < parts.size() && i < 3; ++i) {
    const std::string& part = parts[i];
    for (size_t k = 0; k < part.size() && k < 2; ++k)
      if (part[k] < '0' || part[k] > '9') return;
    int32_t n = 0;
    if (!part.empty() && !TryStrToInt(part, n)) return;
    v[i] = n;
  }
  // An hour above 23 or a minute or second above 59 is no time: the input
  // is ignored and Time stays.
  TDateTime encoded = 0;
  if (!TryEncodeTime(v[0], v[1], v[2], 0, encoded)) return;
  time_ = encoded;
  const std::string built = TimeText(encoded);
  if (built != Text() && v[1] == 0 && v[2] == 0) WriteTimeText(built);
}

// ---- Arrow keys ----

void TVevTimePickerDropDown::ArrowKey(WORD Key) {
  const std::string t = Text();
  const char sep = LocaleTimeSeparator();
  const int caret = SelStart() - static_cast<int>(Prefix().size());
  // Separator positions counted from 1, the caret from 0.
  const size_t fa = t.find(sep);
  int field = 1;
  if (fa == std::string::npos || caret < static_cast<int>(fa) + 1) {
    field = 0;
  } else {
    const int a = static_cast<int>(fa) + 1;
    const size_t fb = t.substr(fa + 1).find(sep);
    if (showSeconds_ && fb != std::string::npos && caret - a >= static_cast<int>(fb) + 1) field = 2;
  }
  int h, m, s, ms;
  DecodeTime(time_, h, m, s, ms);
  const int d = Key == VK_UP ? -1 : 1;
  const int pos = SelStart();
  if (field == 0)
    SetTimeHour((h + d + 24) % 24);
  else if (field == 1)
    SetTimeMinute((m + d + 60) % 60);
  else
    SetTimeSecond((s + d + 60) % 60);
  Perform(EM_SETSEL, pos, pos);
}

void TVevTimePickerDropDown::WndProc(TMessage& Message) {
  if (Message.Msg != WM_KEYDOWN) {
    TVevUrizazEvuvUduz::WndProc(Message);
    return;
  }
  const WORD key = static_cast<WORD>(Message.WParam);
  TVevUrizazEvuvUduz::WndProc(Message);
  if ((key == VK_UP || key == VK_DOWN) && !AltDown() && GetKeyState(VK_CONTROL) >= 0 && !ReadOnly())
    ArrowKey(key);
}

// ---- Pop-up ----

void TVevTimePickerDropDown::CreateDropDownForm() {
  TVevUrizazEvuvUduz::CreateDropDownForm();
  if (panel_ == nullptr) {
    panel_ = new TPanel(this);
    panel_->SetBevelOuter(bvNone);
    panel_->SetBevelInner(bvNone);
    panel_->SetBorderWidth(0);
    panel_->SetParent(DropDownForm());
    panel_->SetBounds(0, 0, panel_->Width(), 180);
  }
  if (watch_ == nullptr) {
    watch_ = new TVevWatch(this);
    watch_->SetParent(panel_);
    watch_->SetAlign(alClient);
  }
  SetControl(panel_);
}

void TVevTimePickerDropDown::BeforeDropDown() {
  TVevUrizazEvuvUduz::BeforeDropDown();
  TDropDownForm* f = DropDownForm();
  timeAtDropDown_ = time_;
  if (panel_ == nullptr || watch_ == nullptr || f == nullptr) return;
  panel_->SetBounds(panel_->Left(), panel_->Top(), 170, 170);
  f->SetWidth(f->Width() + 1);
  f->SetWidth(f->Width() - 1);
  f->SetCancelOnDeActivate(false);
  panel_->SetColor(DropDownColor());
  watch_->SetAppearance(watchAppearance_.get());
  watch_->SetSettings(watchSettings_.get());
  watch_->SetShowAMPM(showWatchAMPM_);
  watch_->SetShowNumbers(showWatchNumbers_);
  watch_->SetAnimation(animation_);
  watch_->SetAnimationFactor(animationFactor_);
  watch_->OnChange = nullptr;
  if (!watchSettings_->Auto()) watch_->SetTime(time_);
  watch_->OnChange = [this](TObject* s) { WatchChanged(s); };
  if (!showTimePicker_) {
    if (timePicker_ != nullptr) timePicker_->SetVisible(false);
    return;
  }
  if (timePicker_ == nullptr) {
    timePicker_ = new TDateTimePicker(this);
    timePicker_->SetParent(panel_);
    timePicker_->SetKind(dtkTime);
  }
  timePicker_->OnChange = nullptr;
  timePicker_->SetAlign(alBottom);
  timePicker_->SetVisible(true);
  timePicker_->SetTime(time_);
  timePicker_->BringToFront();
  timePicker_->OnChange = [this](TObject* s) { PickerChanged(s); };
  timePicker_->OnKeyDown = [this](TObject* s, WORD& k, TShiftState sh) { ControlKeyDown(s, k, sh); };
  timePicker_->OnKeyPress = [this](TObject* s, char32_t& k) { ControlKeyPress(s, k); };
  timePicker_->OnKeyUp = [this](TObject* s, WORD& k, TShiftState sh) { ControlKeyUp(s, k, sh); };
  timePicker_->SetFormat(showSeconds_ ? "HH:mm:ss" : "HH:mm");
  panel_->SetHeight(timePicker_->Height() + 170);
}

void TVevTimePickerDropDown::WatchChanged(TObject*) {
  if (timePicker_ != nullptr && showTimePicker_ && timePicker_->Time() != watch_->Time()) {
    timePicker_->SetTime(watch_->Time());
    if (OnTimeChange) OnTimeChange(this);
  }
  SetTime(watch_->Time());
}

void TVevTimePickerDropDown::PickerChanged(TObject*) {
  if (timePicker_ != nullptr && watch_ != nullptr && !watchSettings_->Auto())
    watch_->SetTime(timePicker_->Time());
}

void TVevTimePickerDropDown::HideDropDownEx(bool Cancel) {
  if (DropDownForm() == nullptr || !DropDownForm()->Visible()) {
    TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
    return;
  }
  const TDateTime before = timeAtDropDown_;
  // A cancelled closing must not take the face's time on the way.
  cancelling_ = Cancel;
  TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
  cancelling_ = false;
  if (Cancel) {
    // The common cancel rewrote the text; the time text comes back.
    time_ = before + 1;
    SetTime(before);
    if (watch_ != nullptr) watch_->SetTime(time_);
  } else if (watch_ != nullptr) {
    SetTime(watch_->Time());
  }
}

void TVevTimePickerDropDown::DoHideDropDown(TObject* Sender) {
  TVevUrizazEvuvUduz::DoHideDropDown(Sender);
  if (watch_ != nullptr && !cancelling_) SetTime(watch_->Time());
}

// ---- Keys typed in the pop-up ----

void TVevTimePickerDropDown::DropDownKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (!IsFieldKey(Key) || AltDown()) TVevUrizazEvuvUduz::DropDownKeyDown(Sender, Key, Shift);
  if (DropDownForm() != nullptr && DropDownForm()->Visible() && watch_ != nullptr)
    watch_->HandleWatchKey(Key);
}

void TVevTimePickerDropDown::DropDownKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (!IsFieldKey(Key) || AltDown()) TVevUrizazEvuvUduz::DropDownKeyUp(Sender, Key, Shift);
}

void TVevTimePickerDropDown::ControlKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (!IsFieldKey(Key) || AltDown()) TVevUrizazEvuvUduz::ControlKeyDown(Sender, Key, Shift);
}

void TVevTimePickerDropDown::ControlKeyUp(TObject* Sender, WORD& Key, TShiftState Shift) {
  if (!IsFieldKey(Key) || AltDown()) TVevUrizazEvuvUduz::ControlKeyUp(Sender, Key, Shift);
}

void TVevTimePickerDropDown::ControlKeyPress(TObject* Sender, char32_t& Key) {
  const bool field = Key == 33 || Key == 34 || Key == 38 || Key == 40;
  if (!field || AltDown()) TVevUrizazEvuvUduz::ControlKeyPress(Sender, Key);
}
