#pragma once
// The month calendar: one month as a grid of days under a title with
// previous and next buttons, and a "Today" line below. The date picker drops
// one down; forms may place one of their own.
//
// Keys move the selected date (arrows by a day or a week, Page Up and Page
// Down by a month, with Ctrl by a year, Home and End to the ends of the
// month); Return chooses it. A click on a day selects and chooses it, a
// click on a button turns the month, a click on the today line selects
// today. Dates outside [MinDate, MaxDate] (0 = no bound) cannot be
// selected: a move there is refused with a beep.
#include <functional>

#include "framework/controls/Controls.h"
#include "framework/rtl/DateUtils.h"

enum TCalendarHit { chNone, chPrevMonth, chNextMonth, chTitle, chDay, chToday };

class TMonthCalendar : public TCustomControl {
 public:
  explicit TMonthCalendar(TComponent* AOwner);

  // The selected date (whole days).
  TDateTime Date() const { return date_; }
  // Selects Value (its date part) and shows its month; false, with nothing
  // changed, when it lies outside the bounds.
  bool SetDate(TDateTime Value);
  TDateTime MinDate() const { return minDate_; }
  void SetMinDate(TDateTime Value);
  TDateTime MaxDate() const { return maxDate_; }
  void SetMaxDate(TDateTime Value);
  bool ShowToday() const { return showToday_; }
  void SetShowToday(bool Value);
  // Today's day framed in red, and the red box before the today line.
  bool ShowTodayCircle() const { return showTodayCircle_; }
  void SetShowTodayCircle(bool Value);
  // A column of ISO week numbers before the days; the calendar widens.
  bool WeekNumbers() const { return weekNumbers_; }
  void SetWeekNumbers(bool Value);
  // The smallest size that shows the whole month in the current font.
  TSize MinRequiredSize() const;
  // The month shown (1..12) and its year.
  int ShownMonth() const { return shownMonth_; }
  int ShownYear() const { return shownYear_; }
  // Shows another month without changing the selection.
  void ShowMonth(int Year, int Month);
  // True when Value is within the bounds.
  bool InRange(TDateTime Value) const;

  // What lies under a client point; Day receives the date of a day cell.
  TCalendarHit HitTest(const TPoint& P, TDateTime* Day = nullptr) const;
  // The cell of a date shown in the grid (empty when not shown).
  TRect DayRect(TDateTime Day) const;
  TRect PrevButtonRect() const;
  TRect NextButtonRect() const;
  TRect TodayRect() const;

  // The selection changed by the user.
  TNotifyEvent OnChange;
  // The user chose the selected date (a click on a day, Return).
  TNotifyEvent OnDateChosen;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // Moves the selection as the user does: refused (beep) outside the bounds.
  bool UserSelect(TDateTime Value);
  virtual void DateChosen();

 private:
  TDateTime FirstShownDay() const;
  int CellWidth() const;
  int RowHeight() const;
  int TitleHeight() const { return RowHeight() + 4; }
  TRect GridRect() const;
  int GridLeft() const;
  TDateTime date_ = 0;
  TDateTime minDate_ = 0;
  TDateTime maxDate_ = 0;
  bool showToday_ = true;
  bool showTodayCircle_ = true;
  bool weekNumbers_ = false;
  int shownMonth_ = 1;
  int shownYear_ = 2000;
};
