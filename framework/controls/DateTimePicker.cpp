#include "framework/controls/DateTimePicker.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/controls/Clipbrd.h"
#include "framework/controls/Forms.h"
#include "framework/controls/MonthCalendar.h"
#include "framework/controls/UpDown.h"
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Themes.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"

namespace {

constexpr int kCheckSize = 13;

// Date and time parts of a value.
struct TParts {
  int Year = 1899, Month = 12, Day = 30, Hour = 0, Min = 0, Sec = 0, MSec = 0;
};

TParts Split(TDateTime V) {
  TParts p;
  DecodeDateTime(V, p.Year, p.Month, p.Day, p.Hour, p.Min, p.Sec, p.MSec);
  return p;
}

// False when the parts make no date or time (31 April, 29 February 2023).
bool Compose(const TParts& p, TDateTime& Out) {
  TDateTime d = 0, t = 0;
  if (!TryEncodeDate(p.Year, p.Month, p.Day, d) || !TryEncodeTime(p.Hour, p.Min, p.Sec, p.MSec, t))
    return false;
  Out = d >= 0 ? d + t : d - t;
  return true;
}

int Wrap(int V, int Lo, int Hi) {
  int n = Hi - Lo + 1;
  return Lo + ((V - Lo) % n + n) % n;
}

std::string Pad2(int V, int Width) {
  std::string s = std::to_string(V);
  if (Width >= 2 && s.size() < 2) s.insert(0, "0");
  return s;
}

void AddLiteral(std::vector<TDTField>& Out, const std::string& S) {
  if (S.empty()) return;
  if (!Out.empty() && Out.back().Kind == fkLiteral) {
    Out.back().Literal += S;
    return;
  }
  TDTField f;
  f.Kind = fkLiteral;
  f.Literal = S;
  Out.push_back(f);
}

void AddField(std::vector<TDTField>& Out, TDTFieldKind Kind, int Width) {
  TDTField f;
  f.Kind = Kind;
  f.Width = Width;
  Out.push_back(f);
}

// The parts of a format of the platform's pattern letters.
void ParseFormat(const std::string& Fmt, const TFormatSettings& Fs, std::vector<TDTField>& Out, int Depth) {
  if (Depth > 3) return;
  size_t i = 0, n = Fmt.size();
  bool lastWasHour = false;
  auto run = [&](char c) {
    size_t j = i;
    while (j < n && std::tolower(static_cast<unsigned char>(Fmt[j])) == c) ++j;
    int count = static_cast<int>(j - i);
    i = j;
    return count;
  };
  while (i < n) {
    char ch = Fmt[i];
    char lc = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (ch == '"' || ch == '\'') {
      size_t e = Fmt.find(ch, i + 1);
      if (e == std::string::npos) e = n;
      AddLiteral(Out, Fmt.substr(i + 1, e - i - 1));
      i = e < n ? e + 1 : n;
      continue;
    }
    if (lc == 'a') {
      std::string rest = LowerCase(Fmt.substr(i));
      int width = 0;
      size_t len = 0;
      if (rest.rfind("am/pm", 0) == 0) {
        width = 2;
        len = 5;
      } else if (rest.rfind("a/p", 0) == 0) {
        width = 1;
        len = 3;
      } else if (rest.rfind("ampm", 0) == 0) {
        width = 3;
        len = 4;
      }
      if (width > 0) {
        AddField(Out, fkAmPm, width);
        i += len;
        continue;
      }
    }
    switch (lc) {
      case 'd': {
        int c = run('d');
        if (c <= 2)
          AddField(Out, fkDay, c);
        else if (c <= 4)
          AddField(Out, fkDayName, c);
        else
          ParseFormat(c == 5 ? Fs.ShortDateFormat : Fs.LongDateFormat, Fs, Out, Depth + 1);
        lastWasHour = false;
        continue;
      }
      case 'm': {
        int c = run('m');
        if (lastWasHour && c <= 2)
          AddField(Out, fkMinute, c);
        else if (c <= 2)
          AddField(Out, fkMonth, c);
        else
          AddField(Out, fkMonthName, std::min(c, 4));
        lastWasHour = false;
        continue;
      }
      case 'y': {
        int c = run('y');
        AddField(Out, fkYear, c <= 2 ? 2 : 4);
        lastWasHour = false;
        continue;
      }
      case 'h':
        AddField(Out, fkHour, std::min(run('h'), 2));
        lastWasHour = true;
        continue;
      case 'n':
        AddField(Out, fkMinute, std::min(run('n'), 2));
        lastWasHour = false;
        continue;
      case 's':
        AddField(Out, fkSecond, std::min(run('s'), 2));
        lastWasHour = false;
        continue;
      case 'z':
        run('z');
        continue;
      case 't': {
        int c = run('t');
        ParseFormat(c == 1 ? Fs.ShortTimeFormat : Fs.LongTimeFormat, Fs, Out, Depth + 1);
        lastWasHour = false;
        continue;
      }
      case 'c':
        ++i;
        ParseFormat(Fs.ShortDateFormat, Fs, Out, Depth + 1);
        AddLiteral(Out, " ");
        ParseFormat(Fs.LongTimeFormat, Fs, Out, Depth + 1);
        continue;
      case '/':
        AddLiteral(Out, std::string(1, Fs.DateSeparator));
        ++i;
        continue;
      case ':':
        AddLiteral(Out, std::string(1, Fs.TimeSeparator));
        ++i;
        continue;
      default:
        AddLiteral(Out, std::string(1, ch));
        ++i;
        continue;
    }
  }
}

}  // namespace

// ---- The dropped calendar ----

// The month calendar as the picker's pop-up: a window of its own that never
// takes the focus; a press outside it closes it unchanged.
class TPickerCalendar : public TMonthCalendar {
 public:
  explicit TPickerCalendar(TDateTimePicker* Picker) : TMonthCalendar(nullptr), picker_(Picker) {
    // The pop-up keeps the mouse itself while it is open.
    controlStyle_ >> csCaptureMouse;
    SetVisible(false);
    SetTabStop(false);
    OnDateChosen = [this](TObject*) { picker_->HideCalendar(true); };
  }
  void Popup(const TRect& R) {
    SetBounds(R.Left, R.Top, R.Width(), R.Height());
    HandleNeeded();
    SetVisible(true);
    UpdateShowing();
    Invalidate();
    SetCapture(Handle());
  }
  void CloseWindow() {
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
    SetVisible(false);
  }
  void WndProc(TMessage& Message) override {
    if (picker_->DroppedDown()) {
      switch (Message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
          if (!PtInRect(ClientRect(), TPoint(Message.XPos(), Message.YPos()))) {
            picker_->HideCalendar(false);
            return;
          }
          break;
        case WM_CAPTURECHANGED:
          TMonthCalendar::WndProc(Message);
          if (static_cast<HWND>(Message.LParam) != Handle()) picker_->HideCalendar(false);
          return;
        default:
          break;
      }
    }
    TMonthCalendar::WndProc(Message);
  }

 protected:
  void CreateParams(TCreateParams& Params) override {
    TMonthCalendar::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    if (TCustomForm* f = GetParentForm(picker_); f != nullptr && f->HandleAllocated())
      Params.WndParent = f->Handle();
  }

 private:
  TDateTimePicker* picker_;
};

// ---- TDateTimePicker ----

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = TControlStyle{csCaptureMouse, csDoubleClicks, csOpaque};
  SetColor(clWindow);
  SetTabStop(true);
  TParts now = Split(::Now());
  now.MSec = 0;
  Compose(now, dateTime_);
  SetBounds(0, 0, 186, MinimumHeight());
  upDown_ = new TUpDown(this);
  upDown_->SetMin(0);
  upDown_->SetMax(0);
  upDown_->SetVisible(false);
  upDown_->SetParent(this);
  upDown_->OnClick = [this](TObject*, TUDBtnType B) {
    FinishTyping();
    StepField(B == btNext ? 1 : -1);
  };
  upDown_->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
    if (!Focused() && CanFocus()) SetFocus();
  };
  RebuildFields();
  UpdateUpDown();
}

TDateTimePicker::~TDateTimePicker() {
  if (droppedDown_) {
    droppedDown_ = false;
    static_cast<TPickerCalendar*>(calendar_.get())->CloseWindow();
  }
  calendar_.reset();
}

void TDateTimePicker::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  ApplyBorderStyle(Params, bsSingle);
}

void TDateTimePicker::Loaded() {
  TCustomControl::Loaded();
  RebuildFields();
  UpdateUpDown();
}

int TDateTimePicker::MinimumHeight() {
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  int h = c->TextHeight("0");
  return (h > 0 ? h : 13) + 8;
}

void TDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, std::max(AHeight, MinimumHeight()));
}

// ---- Value ----

bool TDateTimePicker::InRange(TDateTime Value) const {
  TDateTime d = std::floor(Value);
  if (minDate_ != 0 && d < std::floor(minDate_)) return false;
  if (maxDate_ != 0 && d > std::floor(maxDate_)) return false;
  return true;
}

void TDateTimePicker::SetDateTime(TDateTime Value) {
  if (minDate_ != 0 && std::floor(Value) < std::floor(minDate_))
    throw EDateTimeError("Date is less than minimum of " + DateToStr(minDate_));
  if (maxDate_ != 0 && std::floor(Value) > std::floor(maxDate_))
    throw EDateTimeError("Date exceeds maximum of " + DateToStr(maxDate_));
  typed_.clear();
  dateTime_ = Value;
  if (droppedDown_) calendar_->SetDate(Value);
  Invalidate();
}

TDateTime TDateTimePicker::Date() const { return DateOf(dateTime_); }

void TDateTimePicker::SetDate(TDateTime Value) {
  TParts d = Split(Value), t = Split(dateTime_);
  d.Hour = t.Hour;
  d.Min = t.Min;
  d.Sec = t.Sec;
  d.MSec = t.MSec;
  TDateTime v = 0;
  if (Compose(d, v)) SetDateTime(v);
}

TDateTime TDateTimePicker::Time() const { return TimeOf(dateTime_); }

void TDateTimePicker::SetTime(TDateTime Value) {
  TParts d = Split(dateTime_), t = Split(Value);
  d.Hour = t.Hour;
  d.Min = t.Min;
  d.Sec = t.Sec;
  d.MSec = t.MSec;
  TDateTime v = 0;
  if (Compose(d, v)) SetDateTime(v);
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
  if (kind_ == Value) return;
  if (droppedDown_) HideCalendar(false);
  kind_ = Value;
  RebuildFields();
  UpdateUpDown();
  Invalidate();
}

void TDateTimePicker::SetDateMode(TDTDateMode Value) {
  if (dateMode_ == Value) return;
  if (droppedDown_) HideCalendar(false);
  dateMode_ = Value;
  UpdateUpDown();
  Invalidate();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat Value) {
  if (dateFormat_ == Value) return;
  dateFormat_ = Value;
  RebuildFields();
  Invalidate();
}

void TDateTimePicker::SetFormat(const std::string& Value) {
  if (format_ == Value) return;
  format_ = Value;
  RebuildFields();
  Invalidate();
}

void TDateTimePicker::SetChecked(bool Value) {
  if (checked_ == Value) return;
  checked_ = Value;
  Invalidate();
}

void TDateTimePicker::SetShowCheckbox(bool Value) {
  if (showCheckbox_ == Value) return;
  showCheckbox_ = Value;
  Invalidate();
}

void TDateTimePicker::SetMinDate(TDateTime Value) {
  minDate_ = Value;
  if (minDate_ != 0 && std::floor(dateTime_) < std::floor(minDate_)) {
    TParts p = Split(minDate_), t = Split(dateTime_);
    p.Hour = t.Hour, p.Min = t.Min, p.Sec = t.Sec, p.MSec = t.MSec;
    Compose(p, dateTime_);
  }
  Invalidate();
}

void TDateTimePicker::SetMaxDate(TDateTime Value) {
  maxDate_ = Value;
  if (maxDate_ != 0 && std::floor(dateTime_) > std::floor(maxDate_)) {
    TParts p = Split(maxDate_), t = Split(dateTime_);
    p.Hour = t.Hour, p.Min = t.Min, p.Sec = t.Sec, p.MSec = t.MSec;
    Compose(p, dateTime_);
  }
  Invalidate();
}

bool TDateTimePicker::UserSetDateTime(TDateTime Value) {
  int y = 0, m = 0, d = 0;
  DecodeDate(Value, y, m, d);
  if (!InRange(Value) || y < 1 || y > 9999) {
    MessageBeep(0);
    return false;
  }
  bool changed = Value != dateTime_ || !checked_;
  checked_ = true;
  dateTime_ = Value;
  Invalidate();
  if (changed) Change();
  return true;
}

void TDateTimePicker::Change() {
  if (OnChange) OnChange(this);
}

// ---- Parts ----

void TDateTimePicker::RebuildFields() {
  const TFormatSettings& fs = FormatSettings();
  std::string fmt = format_;
  if (fmt.empty())
    fmt = kind_ == dtkTime        ? fs.LongTimeFormat
          : dateFormat_ == dfLong ? fs.LongDateFormat
                                  : fs.ShortDateFormat;
  fields_.clear();
  ParseFormat(fmt, fs, fields_, 0);
  typed_.clear();
  if (active_ < 0 || active_ >= static_cast<int>(fields_.size()) || !IsEditable(active_)) {
    active_ = -1;
    for (int i = 0; i < static_cast<int>(fields_.size()); ++i)
      if (IsEditable(i)) {
        active_ = i;
        break;
      }
  }
}

bool TDateTimePicker::IsEditable(int Index) const {
  return Index >= 0 && Index < static_cast<int>(fields_.size()) &&
         fields_[static_cast<size_t>(Index)].Kind != fkLiteral;
}

bool TDateTimePicker::HasAmPm() const {
  return std::any_of(fields_.begin(), fields_.end(), [](const TDTField& f) { return f.Kind == fkAmPm; });
}

void TDateTimePicker::SetActiveField(int Index) {
  if (!IsEditable(Index) || Index == active_) return;
  FinishTyping();
  active_ = Index;
  Invalidate();
}

int TDateTimePicker::FieldValue(const TDTField& F) const {
  TParts p = Split(dateTime_);
  switch (F.Kind) {
    case fkDay:
      return p.Day;
    case fkMonth:
    case fkMonthName:
      return p.Month;
    case fkYear:
      return p.Year;
    case fkHour:
      if (HasAmPm()) return p.Hour % 12 == 0 ? 12 : p.Hour % 12;
      return p.Hour;
    case fkMinute:
      return p.Min;
    case fkSecond:
      return p.Sec;
    default:
      return 0;
  }
}

std::string TDateTimePicker::FieldText(int Index) const {
  const TDTField& f = fields_[static_cast<size_t>(Index)];
  if (Index == active_ && !typed_.empty()) return typed_;
  const TFormatSettings& fs = FormatSettings();
  TParts p = Split(dateTime_);
  switch (f.Kind) {
    case fkLiteral:
      return f.Literal;
    case fkDayName: {
      int dow = DayOfWeek(dateTime_) - 1;
      return f.Width == 3 ? fs.ShortDayNames[static_cast<size_t>(dow)]
                          : fs.LongDayNames[static_cast<size_t>(dow)];
    }
    case fkMonthName:
      return f.Width == 3 ? fs.ShortMonthNames[static_cast<size_t>(p.Month - 1)]
                          : fs.LongMonthNames[static_cast<size_t>(p.Month - 1)];
    case fkYear:
      if (f.Width == 2) return Pad2(p.Year % 100, 2);
      return std::string(p.Year < 1000 ? (p.Year < 100 ? (p.Year < 10 ? "000" : "00") : "0") : "") +
             std::to_string(p.Year);
    case fkAmPm: {
      bool am = p.Hour < 12;
      if (f.Width == 3) return am ? fs.TimeAMString : fs.TimePMString;
      return f.Width == 1 ? (am ? "a" : "p") : (am ? "am" : "pm");
    }
    default:
      return Pad2(FieldValue(f), f.Width);
  }
}

std::string TDateTimePicker::DisplayText() const {
  std::string s;
  for (int i = 0; i < static_cast<int>(fields_.size()); ++i) s += FieldText(i);
  return s;
}

// ---- Editing the parts ----

bool TDateTimePicker::StepField(int Delta) {
  if (!IsEditable(active_)) return false;
  const TDTField& f = fields_[static_cast<size_t>(active_)];
  TParts p = Split(dateTime_);
  TDateTime v = dateTime_;
  switch (f.Kind) {
    case fkDay:
      p.Day = Wrap(p.Day + Delta, 1, DaysInAMonth(p.Year, p.Month));
      break;
    case fkDayName:
      return UserSetDateTime(dateTime_ + Delta);
    case fkMonth:
    case fkMonthName:
      p.Month = Wrap(p.Month + Delta, 1, 12);
      p.Day = std::min(p.Day, DaysInAMonth(p.Year, p.Month));
      break;
    case fkYear:
      p.Year += Delta;
      if (p.Year < 1 || p.Year > 9999) {
        MessageBeep(0);
        return false;
      }
      // 29 February steps to the 28th of a common year.
      p.Day = std::min(p.Day, DaysInAMonth(p.Year, p.Month));
      break;
    case fkHour:
      p.Hour = Wrap(p.Hour + Delta, 0, 23);
      break;
    case fkMinute:
      p.Min = Wrap(p.Min + Delta, 0, 59);
      break;
    case fkSecond:
      p.Sec = Wrap(p.Sec + Delta, 0, 59);
      break;
    case fkAmPm:
      p.Hour = (p.Hour + 12) % 24;
      break;
    default:
      return false;
  }
  if (!Compose(p, v)) {
    MessageBeep(0);
    return false;
  }
  return UserSetDateTime(v);
}

bool TDateTimePicker::EndField(bool Last) {
  if (!IsEditable(active_)) return false;
  const TDTField& f = fields_[static_cast<size_t>(active_)];
  TParts p = Split(dateTime_);
  switch (f.Kind) {
    case fkDay:
      p.Day = Last ? DaysInAMonth(p.Year, p.Month) : 1;
      break;
    case fkMonth:
    case fkMonthName:
      p.Month = Last ? 12 : 1;
      p.Day = std::min(p.Day, DaysInAMonth(p.Year, p.Month));
      break;
    case fkHour:
      p.Hour = Last ? 23 : 0;
      break;
    case fkMinute:
      p.Min = Last ? 59 : 0;
      break;
    case fkSecond:
      p.Sec = Last ? 59 : 0;
      break;
    case fkAmPm:
      p.Hour = Last ? (p.Hour % 12) + 12 : p.Hour % 12;
      break;
    default:
      return false;
  }
  TDateTime v = 0;
  if (!Compose(p, v)) return false;
  return UserSetDateTime(v);
}

namespace {
int TypingMax(TDTFieldKind Kind, bool AmPm) {
  switch (Kind) {
    case fkDay:
      return 31;
    case fkMonth:
    case fkMonthName:
      return 12;
    case fkYear:
      return 9999;
    case fkHour:
      return AmPm ? 12 : 23;
    default:
      return 59;
  }
}

int TwoDigitYear(int YY) {
  int window = FormatSettings().TwoDigitYearCenturyWindow;
  int now = 0, m = 0, d = 0;
  DecodeDate(::Date(), now, m, d);
  if (window <= 0) return now / 100 * 100 + YY;
  int pivot = now - window;
  int y = pivot / 100 * 100 + YY;
  if (y < pivot) y += 100;
  return y;
}
}  // namespace

void TDateTimePicker::TypeDigit(int Digit) {
  if (!IsEditable(active_)) return;
  const TDTField& f = fields_[static_cast<size_t>(active_)];
  bool numeric = f.Kind == fkDay || f.Kind == fkMonth || f.Kind == fkMonthName || f.Kind == fkYear ||
                 f.Kind == fkHour || f.Kind == fkMinute || f.Kind == fkSecond;
  if (!numeric) {
    MessageBeep(0);
    return;
  }
  bool ampm = HasAmPm();
  int maxVal = TypingMax(f.Kind, ampm);
  int maxDigits = f.Kind == fkYear ? f.Width : 2;
  std::string buf = typed_ + static_cast<char>('0' + Digit);
  if (static_cast<int>(buf.size()) > maxDigits || std::stoi(buf) > maxVal) buf = std::string(1, '0' + Digit);
  if (typed_.empty()) typingStart_ = dateTime_;
  typed_ = buf;
  int v = std::stoi(buf);
  bool complete = static_cast<int>(buf.size()) >= maxDigits || v * 10 > maxVal;
  if (f.Kind == fkYear && !complete) {
    Invalidate();
    return;
  }
  int minVal =
      (f.Kind == fkDay || f.Kind == fkMonth || f.Kind == fkMonthName || (f.Kind == fkHour && ampm)) ? 1 : 0;
  if (v < minVal) {
    Invalidate();
    return;
  }
  TParts p = Split(dateTime_);
  switch (f.Kind) {
    case fkDay:
      p.Day = v;
      break;
    case fkMonth:
    case fkMonthName:
      p.Month = v;
      break;
    case fkYear:
      p.Year = f.Width == 2 ? TwoDigitYear(v) : v;
      break;
    case fkHour:
      p.Hour = ampm ? (v % 12) + (p.Hour >= 12 ? 12 : 0) : v;
      break;
    case fkMinute:
      p.Min = v;
      break;
    case fkSecond:
      p.Sec = v;
      break;
    default:
      break;
  }
  TDateTime next = 0;
  if (!Compose(p, next) || !InRange(next)) {
    // The date the user typed does not exist: refuse it and put back the
    // value from before the typing.
    MessageBeep(0);
    typed_.clear();
    if (typingStart_ != dateTime_) UserSetDateTime(typingStart_);
    Invalidate();
    return;
  }
  if (complete) typed_.clear();
  UserSetDateTime(next);
  Invalidate();
}

void TDateTimePicker::FinishTyping() {
  if (typed_.empty()) return;
  std::string buf = typed_;
  typed_.clear();
  if (!IsEditable(active_) || fields_[static_cast<size_t>(active_)].Kind != fkYear) {
    Invalidate();
    return;
  }
  // A year left half typed: one or two digits name a year of the century
  // window, three are no year.
  if (buf.size() > 2) {
    MessageBeep(0);
    Invalidate();
    return;
  }
  TParts p = Split(dateTime_);
  p.Year = TwoDigitYear(std::stoi(buf));
  TDateTime v = 0;
  if (!Compose(p, v)) {
    MessageBeep(0);
    Invalidate();
    return;
  }
  UserSetDateTime(v);
}

bool TDateTimePicker::PasteText(const std::string& Text) {
  std::string s = Trim(Text);
  TDateTime v = 0;
  TParts cur = Split(dateTime_);
  if (kind_ == dtkDate) {
    if (!TryStrToDate(s, v)) return false;
    TParts p = Split(v);
    p.Hour = cur.Hour, p.Min = cur.Min, p.Sec = cur.Sec, p.MSec = cur.MSec;
    if (!Compose(p, v)) return false;
  } else {
    if (!TryStrToTime(s, v)) return false;
    TParts p = Split(v);
    cur.Hour = p.Hour, cur.Min = p.Min, cur.Sec = p.Sec, cur.MSec = 0;
    if (!Compose(cur, v)) return false;
  }
  return UserSetDateTime(v);
}

// ---- Calendar ----

void TDateTimePicker::SetDroppedDown(bool Value) {
  if (Value)
    ShowCalendar();
  else
    HideCalendar(false);
}

void TDateTimePicker::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TDateTimePicker::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TDateTimePicker::ShowCalendar() {
  if (droppedDown_ || kind_ != dtkDate || dateMode_ != dmComboBox || !Enabled()) return;
  FinishTyping();
  // The calendar exists, in the picker's font, before OnDropDown, so that a
  // handler can set up its looks and size.
  if (!calendar_) calendar_ = std::make_unique<TPickerCalendar>(this);
  calendar_->Font()->Assign(Font());
  DropDown();
  if (!IsShowing() || !calendar_) return;
  calendar_->SetMinDate(minDate_);
  calendar_->SetMaxDate(maxDate_);
  calendar_->SetDate(dateTime_);
  TRect ins = NonClientInsets();
  TPoint org = ClientToScreen(TPoint(-ins.Left, -ins.Top));
  int w = calendar_->Width(), h = calendar_->Height();
  int x = calAlignment_ == dtaRight ? org.X + Width() - w : org.X;
  TRect r = Bounds(x, org.Y + Height(), w, h);
  if (Screen != nullptr) {
    TRect work = Screen->MonitorWorkAreaFromPoint(org);
    if (r.Bottom > work.Bottom && org.Y - h >= work.Top) r = Bounds(x, org.Y - h, w, h);
    if (r.Right > work.Right && w <= work.Width()) OffsetRect(r, work.Right - r.Right, 0);
    if (r.Left < work.Left) OffsetRect(r, work.Left - r.Left, 0);
  }
  droppedDown_ = true;
  static_cast<TPickerCalendar*>(calendar_.get())->Popup(r);
  Invalidate();
}

void TDateTimePicker::HideCalendar(bool Accept) {
  if (!droppedDown_) return;
  droppedDown_ = false;
  buttonDown_ = false;
  TDateTime chosen = calendar_->Date();
  static_cast<TPickerCalendar*>(calendar_.get())->CloseWindow();
  Invalidate();
  if (Accept) {
    TParts p = Split(chosen), t = Split(dateTime_);
    p.Hour = t.Hour, p.Min = t.Min, p.Sec = t.Sec, p.MSec = t.MSec;
    TDateTime v = 0;
    if (Compose(p, v)) UserSetDateTime(v);
  }
  CloseUp();
}

// ---- Geometry ----

TRect TDateTimePicker::ButtonRect() const {
  TRect c = ClientRect();
  return TRect(c.Right - GetSystemMetrics(SM_CXVSCROLL), 0, c.Right, c.Bottom);
}

TRect TDateTimePicker::CheckboxRect() const {
  if (!showCheckbox_) return TRect();
  TRect c = ClientRect();
  int y = (c.Height() - kCheckSize) / 2;
  return TRect(2, y, 2 + kCheckSize, y + kCheckSize);
}

int TDateTimePicker::TextLeft() const { return showCheckbox_ ? 2 + kCheckSize + 4 : 2; }

TRect TDateTimePicker::FieldRect(int Index) {
  TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  int x = TextLeft();
  TRect client = ClientRect();
  int h = c->TextHeight("0");
  int top = (client.Height() - h) / 2;
  for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
    int w = c->TextWidth(FieldText(i));
    if (i == Index) return TRect(x, top, x + w, top + h);
    x += w;
  }
  return TRect();
}

void TDateTimePicker::UpdateUpDown() {
  if (upDown_ == nullptr) return;
  bool show = kind_ == dtkTime || dateMode_ == dmUpDown;
  TRect b = ButtonRect();
  upDown_->SetBounds(b.Left, b.Top, b.Width(), b.Height());
  upDown_->SetVisible(show);
}

// ---- Input ----

void TDateTimePicker::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  bool alt = Shift.Contains(ssAlt);
  bool combo = kind_ == dtkDate && dateMode_ == dmComboBox;
  if (droppedDown_) {
    switch (Key) {
      case VK_RETURN:
      case VK_F4:
        HideCalendar(true);
        break;
      case VK_ESCAPE:
        HideCalendar(false);
        break;
      case VK_UP:
      case VK_DOWN:
        if (alt) {
          HideCalendar(true);
          break;
        }
        [[fallthrough]];
      case VK_LEFT:
      case VK_RIGHT:
      case VK_PRIOR:
      case VK_NEXT:
      case VK_HOME:
      case VK_END:
        calendar_->Perform(WM_KEYDOWN, Key, 0);
        break;
      default:
        return;
    }
    Key = 0;
    return;
  }
  switch (Key) {
    case VK_F4:
      if (!combo || alt) return;
      ShowCalendar();
      break;
    case VK_DOWN:
    case VK_UP:
      FinishTyping();
      if (alt && combo) {
        ShowCalendar();
        break;
      }
      StepField(Key == VK_UP ? 1 : -1);
      break;
    case VK_LEFT:
    case VK_RIGHT: {
      FinishTyping();
      int step = Key == VK_RIGHT ? 1 : -1;
      for (int i = active_ + step; i >= 0 && i < static_cast<int>(fields_.size()); i += step)
        if (IsEditable(i)) {
          active_ = i;
          break;
        }
      Invalidate();
      break;
    }
    case VK_HOME:
    case VK_END:
      FinishTyping();
      EndField(Key == VK_END);
      break;
    default:
      return;
  }
  Key = 0;
}

void TDateTimePicker::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == 0) return;
  char32_t k = Key;
  Key = 0;
  if (k == 22) {
    Perform(WM_PASTE, 0, 0);
    return;
  }
  if (k == 3) {
    Perform(WM_COPY, 0, 0);
    return;
  }
  if (k == 8) {
    if (typed_.empty()) {
      MessageBeep(0);
    } else {
      typed_.pop_back();
      Invalidate();
    }
    return;
  }
  if (k == ' ' && showCheckbox_) {
    checked_ = !checked_;
    Invalidate();
    Change();
    return;
  }
  if (k < 32 || k == 127) return;
  if (k >= '0' && k <= '9') {
    TypeDigit(static_cast<int>(k - '0'));
    return;
  }
  if (IsEditable(active_) && fields_[static_cast<size_t>(active_)].Kind == fkAmPm) {
    const TFormatSettings& fs = FormatSettings();
    char32_t low = k < 128 ? static_cast<char32_t>(std::tolower(static_cast<int>(k))) : k;
    auto first = [](const std::string& s) {
      return s.empty() ? U'\0' : static_cast<char32_t>(std::tolower(static_cast<unsigned char>(s[0])));
    };
    TParts p = Split(dateTime_);
    if (low == first(fs.TimeAMString) || low == 'a') {
      p.Hour %= 12;
    } else if (low == first(fs.TimePMString) || low == 'p') {
      p.Hour = p.Hour % 12 + 12;
    } else {
      MessageBeep(0);
      return;
    }
    TDateTime v = 0;
    if (Compose(p, v)) UserSetDateTime(v);
    return;
  }
  // Letters and signs are no part of a date.
  MessageBeep(0);
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!Focused() && CanFocus()) SetFocus();
  TPoint p(X, Y);
  if (showCheckbox_ && PtInRect(CheckboxRect(), p)) {
    checked_ = !checked_;
    Invalidate();
    Change();
    return;
  }
  if (kind_ == dtkDate && dateMode_ == dmComboBox && PtInRect(ButtonRect(), p)) {
    if (droppedDown_) {
      HideCalendar(false);
    } else {
      buttonDown_ = true;
      ShowCalendar();
    }
    return;
  }
  // The part under the pointer, or the next one after a separator.
  for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
    TRect r = FieldRect(i);
    if (X < r.Right || i + 1 == static_cast<int>(fields_.size())) {
      int j = i;
      while (j < static_cast<int>(fields_.size()) && !IsEditable(j)) ++j;
      if (j >= static_cast<int>(fields_.size())) {
        j = i;
        while (j >= 0 && !IsEditable(j)) --j;
      }
      SetActiveField(j);
      break;
    }
  }
}

void TDateTimePicker::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      if (droppedDown_) Message.Result |= DLGC_WANTALLKEYS;
      return;
    case WM_PASTE:
      if (!PasteText(Clipboard()->AsText())) MessageBeep(0);
      return;
    case WM_COPY:
    case WM_CUT:
      Clipboard()->SetAsText(DisplayText());
      return;
    case WM_MOUSEWHEEL: {
      int delta = static_cast<int16_t>(Message.WParamHi());
      if (droppedDown_) {
        calendar_->Perform(WM_MOUSEWHEEL, Message.WParam, Message.LParam);
      } else if (delta != 0 && Enabled()) {
        FinishTyping();
        StepField(delta > 0 ? 1 : -1);
      }
      Message.Result = 1;
      return;
    }
    case WM_LBUTTONUP:
      TCustomControl::WndProc(Message);
      if (buttonDown_) {
        buttonDown_ = false;
        Invalidate();
      }
      return;
    case WM_SETFOCUS:
      TCustomControl::WndProc(Message);
      Invalidate();
      return;
    case WM_KILLFOCUS:
      TCustomControl::WndProc(Message);
      FinishTyping();
      if (droppedDown_) HideCalendar(false);
      Invalidate();
      return;
    case CM_ENABLEDCHANGED:
      TCustomControl::WndProc(Message);
      if (!Enabled() && droppedDown_) HideCalendar(false);
      if (upDown_ != nullptr) upDown_->SetEnabled(Enabled());
      Invalidate();
      return;
    case CM_FONTCHANGED:
      TCustomControl::WndProc(Message);
      SetBounds(Left(), Top(), Width(), Height());
      Invalidate();
      return;
    case WM_SIZE:
      TCustomControl::WndProc(Message);
      UpdateUpDown();
      return;
    case CM_CTL3DCHANGED:
      TCustomControl::WndProc(Message);
      // The border follows the 3-D look.
      if (HandleAllocated()) RecreateWnd();
      Invalidate();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

// ---- Painting ----

void TDateTimePicker::PaintButton(TCanvas* C) {
  TRect b = ButtonRect();
  bool pressed = droppedDown_ || buttonDown_;
  if (HTHEME th = OpenThemeData(0, "combobox")) {
    int state = !Enabled() ? CBXS_DISABLED : pressed ? CBXS_PRESSED : CBXS_NORMAL;
    DrawThemeBackground(th, C, CP_DROPDOWNBUTTON, state, b, nullptr);
    CloseThemeData(th);
    return;
  }
  DrawFrameControl(
      C, b, DFC_SCROLL,
      DFCS_SCROLLCOMBOBOX | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0u) | (Enabled() ? 0u : DFCS_INACTIVE));
}

void TDateTimePicker::Paint() {
  TCanvas* c = Canvas();
  TRect client = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  c->FillRect(client);
  if (showCheckbox_) {
    TRect cb = CheckboxRect();
    if (HTHEME th = OpenThemeData(0, "button")) {
      int s = checked_ ? (Enabled() ? CBS_CHECKEDNORMAL : CBS_CHECKEDDISABLED)
                       : (Enabled() ? CBS_UNCHECKEDNORMAL : CBS_UNCHECKEDDISABLED);
      DrawThemeBackground(th, c, BP_CHECKBOX, s, cb, nullptr);
      CloseThemeData(th);
    } else {
      DrawFrameControl(c, cb, DFC_BUTTON,
                       DFCS_BUTTONCHECK | (checked_ ? DFCS_CHECKED : 0u) | (Enabled() ? 0u : DFCS_INACTIVE));
    }
  }
  bool combo = kind_ == dtkDate && dateMode_ == dmComboBox;
  int saved = c->SaveDC();
  c->ExcludeClipRect(ButtonRect());
  c->Font()->Assign(Font());
  c->Brush()->SetStyle(bsClear);
  TColor text = Enabled() && checked_ ? Font()->Color() : clGrayText;
  for (int i = 0; i < static_cast<int>(fields_.size()); ++i) {
    TRect r = FieldRect(i);
    bool active = i == active_ && Focused() && !droppedDown_;
    if (active) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(clHighlight);
      c->FillRect(r);
      c->Brush()->SetStyle(bsClear);
      c->Font()->SetColor(clHighlightText);
    } else {
      c->Font()->SetColor(text);
    }
    c->TextOut(r.Left, r.Top, FieldText(i));
  }
  c->RestoreDC(saved);
  if (combo) PaintButton(c);
}
