#include "framework/controls/MonthCalendar.h"

#include <algorithm>
#include <cmath>

#include "framework/backend/Painter.h"  // completes the canvas's painter type
#include "framework/graphics/Gdi.h"
#include "framework/graphics/Themes.h"
#include "framework/rtl/Locale.h"

namespace {
constexpr int kMargin = 4;
constexpr int kRows = 6;

TDateTime WholeDay(TDateTime V) { return std::floor(V); }

// Moves by whole months; false when the result would leave the years 1 to 9999.
bool MonthsOn(TDateTime V, int Months, TDateTime& Out) {
  int y = 0, m = 0, d = 0;
  DecodeDate(V, y, m, d);
  long long total = static_cast<long long>(y) * 12 + (m - 1) + Months;
  if (total < 12 || total >= 10000LL * 12) return false;
  Out = IncMonth(V, Months);
  return true;
}

// The ISO week of a Thursday is its year's week it falls in.
int WeekOfThursday(TDateTime Thursday) {
  int y = 0, m = 0, d = 0;
  DecodeDate(Thursday, y, m, d);
  const int ordinal = static_cast<int>(WholeDay(Thursday) - EncodeDate(y, 1, 1));
  return ordinal / 7 + 1;
}

bool YearInRange(TDateTime V) {
  int y = 0, m = 0, d = 0;
  DecodeDate(V, y, m, d);
  return y >= 1 && y <= 9999;
}
}  // namespace

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TCustomControl(AOwner) {
  controlStyle_ = TControlStyle{csCaptureMouse, csDoubleClicks, csOpaque};
  SetColor(clWindow);
  SetTabStop(true);
  date_ = WholeDay(::Date());
  int y = 0, m = 0, d = 0;
  DecodeDate(date_, y, m, d);
  shownYear_ = y;
  shownMonth_ = m;
  const TSize size = MinRequiredSize();
  SetBounds(0, 0, size.cx, size.cy);
}

int TMonthCalendar::GridLeft() const { return kMargin + (weekNumbers_ ? CellWidth() : 0); }

TSize TMonthCalendar::MinRequiredSize() const {
  const int h = 2 + TitleHeight() + RowHeight() + 1 + kRows * RowHeight() + 2 + RowHeight() + kMargin;
  return TSize{GridLeft() + 7 * CellWidth() + kMargin, h};
}

int TMonthCalendar::CellWidth() const {
  auto* self = const_cast<TMonthCalendar*>(this);
  TCanvas* c = self->Canvas();
  c->Font()->Assign(Font());
  return std::max(c->TextWidth("00"), c->TextWidth("Wed")) + 8;
}

int TMonthCalendar::RowHeight() const {
  auto* self = const_cast<TMonthCalendar*>(this);
  TCanvas* c = self->Canvas();
  c->Font()->Assign(Font());
  int h = c->TextHeight("0");
  return (h > 0 ? h : 13) + 4;
}

bool TMonthCalendar::InRange(TDateTime Value) const {
  TDateTime d = WholeDay(Value);
  if (minDate_ != 0 && d < WholeDay(minDate_)) return false;
  if (maxDate_ != 0 && d > WholeDay(maxDate_)) return false;
  return true;
}

bool TMonthCalendar::SetDate(TDateTime Value) {
  if (!InRange(Value)) return false;
  date_ = WholeDay(Value);
  int y = 0, m = 0, d = 0;
  DecodeDate(date_, y, m, d);
  ShowMonth(y, m);
  Invalidate();
  return true;
}

void TMonthCalendar::SetMinDate(TDateTime Value) {
  minDate_ = Value;
  Invalidate();
}

void TMonthCalendar::SetMaxDate(TDateTime Value) {
  maxDate_ = Value;
  Invalidate();
}

void TMonthCalendar::SetShowToday(bool Value) {
  showToday_ = Value;
  Invalidate();
}

void TMonthCalendar::SetShowTodayCircle(bool Value) {
  showTodayCircle_ = Value;
  Invalidate();
}

void TMonthCalendar::SetWeekNumbers(bool Value) {
  if (weekNumbers_ == Value) return;
  weekNumbers_ = Value;
  const TSize size = MinRequiredSize();
  SetBounds(Left(), Top(), size.cx, size.cy);
  Invalidate();
}

void TMonthCalendar::ShowMonth(int Year, int Month) {
  while (Month < 1) {
    Month += 12;
    --Year;
  }
  while (Month > 12) {
    Month -= 12;
    ++Year;
  }
  Year = std::clamp(Year, 1, 9999);
  if (Year == shownYear_ && Month == shownMonth_) return;
  shownYear_ = Year;
  shownMonth_ = Month;
  Invalidate();
}

TDateTime TMonthCalendar::FirstShownDay() const {
  TDateTime first = EncodeDate(shownYear_, shownMonth_, 1);
  int back = DayOfWeek(first) - 1;
  // A month starting on Sunday still shows a week of the month before.
  if (back == 0) back = 7;
  return first - back;
}

TRect TMonthCalendar::GridRect() const {
  int top = 2 + TitleHeight() + RowHeight() + 1;
  return TRect(GridLeft(), top, GridLeft() + 7 * CellWidth(), top + kRows * RowHeight());
}

TRect TMonthCalendar::PrevButtonRect() const {
  int th = TitleHeight();
  return TRect(kMargin, 2, kMargin + th, 2 + th);
}

TRect TMonthCalendar::NextButtonRect() const {
  int th = TitleHeight();
  int right = GridLeft() + 7 * CellWidth();
  return TRect(right - th, 2, right, 2 + th);
}

TRect TMonthCalendar::TodayRect() const {
  if (!showToday_) return TRect();
  TRect g = GridRect();
  return TRect(g.Left, g.Bottom + 2, g.Right, g.Bottom + 2 + RowHeight());
}

TRect TMonthCalendar::DayRect(TDateTime Day) const {
  int index = static_cast<int>(WholeDay(Day) - FirstShownDay());
  if (index < 0 || index >= 7 * kRows) return TRect();
  TRect g = GridRect();
  int cw = CellWidth(), rh = RowHeight();
  int x = g.Left + (index % 7) * cw, y = g.Top + (index / 7) * rh;
  return TRect(x, y, x + cw, y + rh);
}

TCalendarHit TMonthCalendar::HitTest(const TPoint& P, TDateTime* Day) const {
  if (PtInRect(PrevButtonRect(), P)) return chPrevMonth;
  if (PtInRect(NextButtonRect(), P)) return chNextMonth;
  if (P.Y >= 2 && P.Y < 2 + TitleHeight()) return chTitle;
  TRect g = GridRect();
  if (PtInRect(g, P)) {
    int index = (P.Y - g.Top) / RowHeight() * 7 + (P.X - g.Left) / CellWidth();
    if (Day != nullptr) *Day = FirstShownDay() + index;
    return chDay;
  }
  if (showToday_ && PtInRect(TodayRect(), P)) return chToday;
  return chNone;
}

bool TMonthCalendar::UserSelect(TDateTime Value) {
  if (!InRange(Value) || !YearInRange(Value)) {
    MessageBeep(0);
    return false;
  }
  TDateTime old = date_;
  SetDate(Value);
  if (date_ != old && OnChange) OnChange(this);
  return true;
}

void TMonthCalendar::DateChosen() {
  if (OnDateChosen) OnDateChosen(this);
}

void TMonthCalendar::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  int y = 0, m = 0, d = 0;
  DecodeDate(date_, y, m, d);
  switch (Key) {
    case VK_LEFT:
      UserSelect(date_ - 1);
      break;
    case VK_RIGHT:
      UserSelect(date_ + 1);
      break;
    case VK_UP:
      UserSelect(date_ - 7);
      break;
    case VK_DOWN:
      UserSelect(date_ + 7);
      break;
    case VK_PRIOR:
    case VK_NEXT: {
      int months = (Shift.Contains(ssCtrl) ? 12 : 1) * (Key == VK_PRIOR ? -1 : 1);
      TDateTime to = 0;
      if (MonthsOn(date_, months, to))
        UserSelect(to);
      else
        MessageBeep(0);
      break;
    }
    case VK_HOME:
      UserSelect(EncodeDate(y, m, 1));
      break;
    case VK_END:
      UserSelect(EncodeDate(y, m, DaysInAMonth(y, m)));
      break;
    case VK_RETURN:
      DateChosen();
      break;
    default:
      return;
  }
  Key = 0;
}

void TMonthCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (Parent() != nullptr && CanFocus() && !Focused()) SetFocus();
  TDateTime day = 0;
  switch (HitTest(TPoint(X, Y), &day)) {
    case chPrevMonth:
      ShowMonth(shownYear_, shownMonth_ - 1);
      break;
    case chNextMonth:
      ShowMonth(shownYear_, shownMonth_ + 1);
      break;
    case chDay:
      if (UserSelect(day)) DateChosen();
      break;
    case chToday:
      if (UserSelect(::Date())) DateChosen();
      break;
    default:
      break;
  }
}

void TMonthCalendar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS;
      return;
    case WM_MOUSEWHEEL: {
      int delta = static_cast<int16_t>(Message.WParamHi());
      if (delta != 0) ShowMonth(shownYear_, shownMonth_ + (delta > 0 ? -1 : 1));
      Message.Result = 1;
      return;
    }
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      TCustomControl::WndProc(Message);
      Invalidate();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

void TMonthCalendar::Paint() {
  TCanvas* c = Canvas();
  const TFormatSettings& fs = FormatSettings();
  TRect client = ClientRect();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(client);
  c->Font()->Assign(Font());

  // Title with the month turning buttons.
  TRect title(kMargin, 2, GridLeft() + 7 * CellWidth(), 2 + TitleHeight());
  c->Brush()->SetColor(clActiveCaption);
  c->FillRect(title);
  for (bool prev : {true, false}) {
    TRect b = prev ? PrevButtonRect() : NextButtonRect();
    InflateRect(b, -2, -2);
    DrawFrameControl(c, b, DFC_SCROLL, (prev ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT) | DFCS_FLAT);
  }
  c->Font()->SetColor(clCaptionText);
  c->Font()->SetStyle(TFontStyles{fsBold});
  c->Brush()->SetStyle(bsClear);
  std::string caption =
      fs.LongMonthNames[static_cast<size_t>(shownMonth_ - 1)] + " " + std::to_string(shownYear_);
  DrawText(c, caption, title, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

  // Day names, Sunday first, and a line under them.
  c->Font()->Assign(Font());
  c->Font()->SetColor(clActiveCaption);
  TRect g = GridRect();
  int cw = CellWidth(), rh = RowHeight();
  for (int i = 0; i < 7; ++i) {
    TRect r(g.Left + i * cw, g.Top - rh - 1, g.Left + (i + 1) * cw, g.Top - 1);
    DrawText(c, fs.ShortDayNames[static_cast<size_t>(i)].substr(0, 2), r,
             DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  c->Pen()->SetColor(clGrayText);
  c->MoveTo(g.Left, g.Top - 1);
  c->LineTo(g.Right, g.Top - 1);

  // Week numbers, one per shown week, left of a line.
  if (weekNumbers_) {
    c->Font()->SetColor(clGrayText);
    for (int w = 0; w < kRows; ++w) {
      // The Thursday of the week (Sunday first) decides its ISO week.
      const TDateTime thursday = FirstShownDay() + w * 7 + 4;
      TRect r(kMargin, g.Top + w * rh, g.Left - 2, g.Top + (w + 1) * rh);
      DrawText(c, std::to_string(WeekOfThursday(thursday)), r,
               DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    c->MoveTo(g.Left - 1, g.Top);
    c->LineTo(g.Left - 1, g.Bottom);
  }

  // The days.
  TDateTime first = FirstShownDay();
  TDateTime today = WholeDay(::Date());
  for (int i = 0; i < 7 * kRows; ++i) {
    TDateTime day = first + i;
    int y = 0, m = 0, d = 0;
    DecodeDate(day, y, m, d);
    TRect r = DayRect(day);
    bool selected = day == date_;
    if (selected) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(clHighlight);
      c->FillRect(r);
    }
    c->Brush()->SetStyle(bsClear);
    TColor fc = Font()->Color();
    if (m != shownMonth_ || !InRange(day) || !Enabled()) fc = clGrayText;
    if (selected) fc = clHighlightText;
    c->Font()->SetColor(fc);
    TRect t = r;
    DrawText(c, std::to_string(d), t, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (day == today && showTodayCircle_) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(clRed);
      c->FrameRect(r);
    }
  }

  if (showToday_) {
    TRect t = TodayRect();
    TRect box(t.Left + 2, t.Top + 2, t.Left + 2 + rh - 4, t.Bottom - 2);
    if (showTodayCircle_) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(clRed);
      c->FrameRect(box);
      t.Left = box.Right + 4;
    } else {
      t.Left += 2;
    }
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(Font()->Color());
    c->Font()->SetStyle(TFontStyles{fsBold});
    DrawText(c, "Today: " + FormatDateTime(fs.ShortDateFormat, today), t,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (Focused()) {
    TRect f = client;
    InflateRect(f, -1, -1);
    c->DrawFocusRect(f);
  }
}
