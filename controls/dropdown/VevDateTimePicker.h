#pragma once
// The labelled date and time picker. TCustomDateTimePicker is the grid's
// flat and metro looks of the framework picker plus automatic advance to
// the next field after a typed digit (AutoTab). TVevDateTimePicker adds an
// attached caption label, the combined date-and-time kind (a second,
// time-only picker inside the right end of the control) and the label's
// bold look while the control has the focus.
#include <functional>
#include <memory>
#include <string>

#include "grid/base/DudDateTimePicker.h"
#include "grid/base/LabelPosition.h"

class TLabel;

// The message a picker posts to itself to advance after a typed digit
// ("DTPShiftFocus", registered on first use).
UINT PickerShiftFocusMessage();

class TCustomDateTimePicker : public TDudDateTimePicker {
 public:
  explicit TCustomDateTimePicker(TComponent* AOwner);
  bool AutoTab() const { return autoTab_; }
  virtual void SetAutoTab(bool Value) { autoTab_ = Value; }
  void WndProc(TMessage& Message) override;

 protected:
  // Takes the fields before a typed digit changes them.
  virtual void RememberFields();
  // Moves on when the digit completed a field.
  virtual void ShiftFocus();
  void PostRight();
  // The digits typed so far fill the field being typed: two digits, or one
  // that no second digit could follow; a year counts once it changes.
  bool TypedFieldComplete() const;

  bool autoTab_ = false;
  int typedField_ = -1;
  int typedDigits_ = 0;
  int hour_ = 0, minute_ = 0, second_ = 0, msec_ = 0;
};

enum TVevDateTimeKind { dkDate, dkTime, dkDateTime };

class TVevDateTimePicker : public TCustomDateTimePicker {
 public:
  explicit TVevDateTimePicker(TComponent* AOwner);
  ~TVevDateTimePicker() override;

  TVevDateTimeKind Kind() const { return kind_; }
  void SetKind(TVevDateTimeKind Value);
  const std::string& TimeFormat() const { return timeFormat_; }
  void SetTimeFormat(const std::string& Value);
  TDateTime DateTime();
  void SetDateTime(TDateTime Value);
  TDateTime Date() const { return TDateTimePicker::Date(); }
  void SetDate(TDateTime Value);
  TDateTime Time() const;
  void SetTime(TDateTime Value);
  void SetAutoTab(bool Value) override;
  TCustomDateTimePicker* TimePicker() const { return timePicker_; }

  TLabel* PickerLabel() const { return label_; }
  std::string LabelCaption() const;
  void SetLabelCaption(const std::string& Value);
  TFont* LabelFont() const { return labelFont_.get(); }
  void SetLabelFont(TFont* Value);
  TLabelPosition LabelPosition() const { return labelPosition_; }
  void SetLabelPosition(TLabelPosition Value);
  int LabelMargin() const { return labelMargin_; }
  void SetLabelMargin(int Value);
  bool LabelTransparent() const { return labelTransparent_; }
  void SetLabelTransparent(bool Value);
  bool FocusLabel() const { return focusLabel_; }
  void SetFocusLabel(bool Value) { focusLabel_ = Value; }
  bool LabelAlwaysEnabled() const { return labelAlwaysEnabled_; }
  void SetLabelAlwaysEnabled(bool Value);
  // "1.2.0.0"; writing it changes nothing.
  std::string Version() const { return "1.2.0.0"; }
  void SetVersion(const std::string&) {}

  TNotifyEvent OnTimeChange;
  TNotifyEvent OnLabelClick;
  TNotifyEvent OnLabelDblClick;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;
  void WndProc(TMessage& Message) override;
  // Places the companion time picker (or frees it when the kind has none).
  void LayoutTimePicker();
  void UpdateLabel();

 protected:
  void CreateWnd() override;
  void Loaded() override;
  void RememberFields() override;
  void ShiftFocus() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CreateTimePicker();
  void CreateLabel();

  TVevDateTimeKind kind_ = dkDate;
  std::string timeFormat_;
  int year_ = 0, month_ = 0, day_ = 0;
  TLabel* label_ = nullptr;
  std::unique_ptr<TFont> labelFont_;
  TLabelPosition labelPosition_ = lpLeftTop;
  int labelMargin_ = 4;
  bool labelTransparent_ = false;
  bool focusLabel_ = false;
  bool labelAlwaysEnabled_ = false;
  bool labelFollowsFont_ = false;
  bool firstPaint_ = true;
  TCustomDateTimePicker* timePicker_ = nullptr;
};
