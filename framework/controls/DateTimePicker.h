#pragma once
// The date/time picker: a date or a time shown in parts (day, month, year;
// hours, minutes, seconds, AM/PM) laid out by a format, with a drop-down
// month calendar (date kind, combo mode) or up-down buttons (time kind, or
// the up-down mode).
//
// The user edits one part at a time: Left and Right move between parts, a
// click picks one, Up and Down (and the wheel and the up-down buttons) step
// it round its range, Home and End take its first and last value, digits
// type it. A value that cannot exist (31 in a 30-day month, 29 February
// of a common year) or lies outside [MinDate, MaxDate] is refused with a
// beep and the date stays as it was; typing never writes another date in
// its place. Stepping a month or a year keeps the day within the new month.
// Paste takes a whole date (or time) in the short format, or is refused.
// F4 and Alt+Down drop the calendar; Return or a click there chooses,
// Escape, a click elsewhere or losing the focus closes it unchanged.
//
// OnChange fires for changes the user makes, not for values set by code.
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/Controls.h"
#include "framework/rtl/DateUtils.h"

class TMonthCalendar;
class TCustomUpDown;
class TDateTimePicker;

CF_DECLARE_EXCEPTION(EDateTimeError, Exception)

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };
enum TDTDateFormat { dfShort, dfLong };
enum TDTCalAlignment { dtaLeft, dtaRight };

// The parts of a picker's text.
enum TDTFieldKind {
  fkLiteral,
  fkDay,
  fkDayName,
  fkMonth,
  fkMonthName,
  fkYear,
  fkHour,
  fkMinute,
  fkSecond,
  fkAmPm
};

struct TDTField {
  TDTFieldKind Kind = fkLiteral;
  int Width = 0;        // pattern letters: d = 1, dd = 2, yyyy = 4, mmmm = 4...
  std::string Literal;  // the text of a literal part
};

class TDateTimePicker : public TCustomControl {
 public:
  explicit TDateTimePicker(TComponent* AOwner);
  ~TDateTimePicker() override;

  TDateTime DateTime() const { return dateTime_; }
  // EDateTimeError when Value lies outside [MinDate, MaxDate].
  void SetDateTime(TDateTime Value);
  TDateTime Date() const;
  void SetDate(TDateTime Value);
  TDateTime Time() const;
  void SetTime(TDateTime Value);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind Value);
  TDTDateMode DateMode() const { return dateMode_; }
  void SetDateMode(TDTDateMode Value);
  TDTDateFormat DateFormat() const { return dateFormat_; }
  void SetDateFormat(TDTDateFormat Value);
  // A format of the platform's pattern letters; empty: the kind's own
  // (short or long date, long time).
  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& Value);
  bool Checked() const { return checked_; }
  void SetChecked(bool Value);
  bool ShowCheckbox() const { return showCheckbox_; }
  void SetShowCheckbox(bool Value);
  // 0: no bound.
  TDateTime MinDate() const { return minDate_; }
  void SetMinDate(TDateTime Value);
  TDateTime MaxDate() const { return maxDate_; }
  void SetMaxDate(TDateTime Value);
  TDTCalAlignment CalAlignment() const { return calAlignment_; }
  void SetCalAlignment(TDTCalAlignment Value) { calAlignment_ = Value; }
  bool DroppedDown() const { return droppedDown_; }
  // Opens or closes (unchanged) the calendar.
  void SetDroppedDown(bool Value);

  // The parts of the text, the index of the part being edited and the text
  // the picker shows.
  const std::vector<TDTField>& Fields() const { return fields_; }
  int ActiveField() const { return active_; }
  void SetActiveField(int Index);
  std::string DisplayText() const;
  // The drop-down button (or up-down) area, client coordinates.
  TRect ButtonRect() const;
  TRect CheckboxRect() const;
  // The rectangle of part Index as drawn.
  TRect FieldRect(int Index);
  TMonthCalendar* Calendar() const { return calendar_.get(); }
  TCustomUpDown* UpDown() const { return upDown_; }
  // The picker is never lower than its text needs.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

  void WndProc(TMessage& Message) override;

 protected:
  friend class TPickerCalendar;
  void Paint() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CreateParams(TCreateParams& Params) override;
  void Loaded() override;
  virtual void Change();
  virtual void DropDown();
  virtual void CloseUp();
  // Draws the drop-down button in the classic or themed look.
  virtual void PaintButton(TCanvas* C);

  // Steps the active part by Delta (wrapping within its range); false when
  // refused.
  bool StepField(int Delta);
  // Puts the active part to its first (or last) value.
  bool EndField(bool Last);
  // A digit typed into the active part.
  void TypeDigit(int Digit);
  // Digits of the active part are being typed (the part is not complete).
  bool Typing() const { return !typed_.empty(); }
  // Takes Value from the user: refused (beep, false) when it lies outside the
  // bounds; OnChange when it differs.
  bool UserSetDateTime(TDateTime Value);
  // Parses a pasted text for the kind; false when it is no date (or time).
  bool PasteText(const std::string& Text);
  void ShowCalendar();
  void HideCalendar(bool Accept);

 private:
  void RebuildFields();
  void FinishTyping();
  bool IsEditable(int Index) const;
  int FieldValue(const TDTField& F) const;
  std::string FieldText(int Index) const;
  bool HasAmPm() const;
  void UpdateUpDown();
  bool InRange(TDateTime Value) const;
  int TextLeft() const;
  int MinimumHeight();

  TDateTime dateTime_ = 0;
  TDateTimeKind kind_ = dtkDate;
  TDTDateMode dateMode_ = dmComboBox;
  TDTDateFormat dateFormat_ = dfShort;
  std::string format_;
  bool checked_ = true;
  bool showCheckbox_ = false;
  TDateTime minDate_ = 0;
  TDateTime maxDate_ = 0;
  TDTCalAlignment calAlignment_ = dtaLeft;
  bool droppedDown_ = false;
  std::vector<TDTField> fields_;
  int active_ = -1;
  std::string typed_;
  // The value before the digits being typed, put back when they are refused.
  TDateTime typingStart_ = 0;
  std::unique_ptr<TMonthCalendar> calendar_;
  TCustomUpDown* upDown_ = nullptr;  // owned as a child component
  bool buttonDown_ = false;
};
