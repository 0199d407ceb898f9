#include "controls/dropdown/VevDateTimePicker.h"

#include <cmath>

#include "framework/controls/StdCtrls.h"
#include "framework/graphics/Gdi.h"
#include "framework/rtl/DateUtils.h"

UINT PickerShiftFocusMessage() {
  // The grid registers the same name, so both share one identifier.
  static const UINT id = RegisterWindowMessage("DTPShiftFocus");
  return id;
}

namespace {
bool IsDigit(WPARAM C) { return C >= '0' && C <= '9'; }
TDateTime WithoutMSec(TDateTime V) {
  int y, mo, d, h, mi, s, ms;
  DecodeDateTime(V, y, mo, d, h, mi, s, ms);
  return EncodeDateTime(y, mo, d, h, mi, s, 0);
}
}  // namespace

// ---- The picker with AutoTab ----

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TDudDateTimePicker(AOwner) {
  SetDoubleBuffered(true);
  PickerShiftFocusMessage();
}

void TCustomDateTimePicker::RememberFields() {
  if (Kind() == dtkTime) DecodeTime(TDateTimePicker::DateTime(), hour_, minute_, second_, msec_);
}

bool TCustomDateTimePicker::TypedFieldComplete() const {
  if (typedField_ < 0 || typedField_ >= static_cast<int>(Fields().size())) return false;
  const TDTFieldKind k = Fields()[static_cast<size_t>(typedField_)].Kind;
  if (k == fkYear || typedDigits_ >= 2) return true;
  int y, mo, d, h, mi, s, ms;
  DecodeDateTime(TDateTimePicker::DateTime(), y, mo, d, h, mi, s, ms);
  switch (k) {
    case fkDay:
      return d * 10 > 31;
    case fkMonth:
    case fkMonthName:
      return mo * 10 > 12;
    case fkHour: {
      bool ampm = false;
      for (const TDTField& f : Fields()) ampm = ampm || f.Kind == fkAmPm;
      return (ampm ? h % 12 : h) * 10 > (ampm ? 12 : 23);
    }
    case fkMinute:
      return mi * 10 > 59;
    case fkSecond:
      return s * 10 > 59;
    default:
      return true;
  }
}

void TCustomDateTimePicker::PostRight() {
  if (HandleAllocated()) PostMessage(Handle(), WM_KEYDOWN, VK_RIGHT, 0);
}

void TCustomDateTimePicker::ShiftFocus() {
  if (Kind() != dtkTime) return;
  int h, m, s, ms;
  DecodeTime(TDateTimePicker::DateTime(), h, m, s, ms);
  if ((h != hour_ || m != minute_ || s != second_) && TypedFieldComplete()) PostRight();
}

void TCustomDateTimePicker::WndProc(TMessage& Message) {
  if (Message.Msg == PickerShiftFocusMessage() && Message.Msg != 0) {
    ShiftFocus();
    return;
  }
  if (Message.Msg == WM_CHAR && autoTab_ && IsDigit(Message.WParam)) {
    // The first digit of a day or an hour changes it already; the advance
    // waits until the field is whole, so "25" is a day and not 2 and 5.
    if (ActiveField() != typedField_) {
      typedField_ = ActiveField();
      typedDigits_ = 0;
    }
    ++typedDigits_;
    RememberFields();
    TDudDateTimePicker::WndProc(Message);
    if (HandleAllocated()) PostMessage(Handle(), PickerShiftFocusMessage(), 0, 0);
    return;
  }
  TDudDateTimePicker::WndProc(Message);
}

// ---- The labelled picker ----

TVevDateTimePicker::TVevDateTimePicker(TComponent* AOwner)
    : TCustomDateTimePicker(AOwner), labelFont_(std::make_unique<TFont>()) {
  SetBorderStyle(bsSingle);
  SetCtl3D(true);
  labelFont_->OnChange = [this](TObject*) {
    if (ComponentState().Contains(csDesigning)) SetParentFont(false);
    UpdateLabel();
  };
  SetKind(dkDateTime);
}

TVevDateTimePicker::~TVevDateTimePicker() {
  labelFont_->OnChange = nullptr;
  if (label_ != nullptr) {
    TLabel* l = label_;
    label_ = nullptr;
    l->SetParent(nullptr);
    delete l;
  }
}

void TVevDateTimePicker::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomDateTimePicker::Notification(AComponent, Operation);
  // The form may free the label (its child) before this control.
  if (Operation != opRemove) return;
  if (AComponent == label_) label_ = nullptr;
  if (AComponent == timePicker_) timePicker_ = nullptr;
}

void TVevDateTimePicker::CreateWnd() {
  TCustomDateTimePicker::CreateWnd();
  // The stored kind again, now that the picker has a window.
  const TVevDateTimeKind k = kind_;
  kind_ = k == dkDate ? dkTime : dkDate;
  SetKind(k);
}

void TVevDateTimePicker::SetKind(TVevDateTimeKind Value) {
  if (kind_ == Value) return;
  kind_ = Value;
  TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
  if (Value == dkTime && !timeFormat_.empty()) SetFormat(timeFormat_);
  if (Value == dkDateTime) CreateTimePicker();
  LayoutTimePicker();
}

void TVevDateTimePicker::CreateTimePicker() {
  if (timePicker_ != nullptr || kind_ != dkDateTime) return;
  timePicker_ = new TCustomDateTimePicker(this);
  if (!(ComponentState().Contains(csLoading) && ComponentState().Contains(csDesigning)))
    timePicker_->SetParent(this);
  timePicker_->SetBounds(0, 0, 90, 17);
  timePicker_->SetVisible(false);
  timePicker_->SetEnabled(Enabled());
  timePicker_->SetKind(dtkTime);
  timePicker_->SetAutoTab(autoTab_);
  timePicker_->OnChange = [this](TObject*) {
    if (OnChange) OnChange(this);
    if (OnTimeChange) OnTimeChange(this);
  };
  timePicker_->OnClick = [this](TObject*) {
    if (OnClick) OnClick(this);
  };
  timePicker_->OnKeyDown = [this](TObject*, WORD& k, TShiftState s) { KeyDown(k, s); };
}

void TVevDateTimePicker::LayoutTimePicker() {
  if (timePicker_ == nullptr) return;
  if (kind_ != dkDateTime) {
    TCustomDateTimePicker* t = timePicker_;
    timePicker_ = nullptr;
    delete t;
    return;
  }
  timePicker_->SetParent(this);
  timePicker_->SetColor(Color());
  timePicker_->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
  timePicker_->SetVisible(true);
  timePicker_->SetTime(TDateTimePicker::Time());
  if (!timeFormat_.empty()) timePicker_->SetFormat(timeFormat_);
  timePicker_->SetFont(Font());
  TBitmap m;
  m.Canvas()->SetFont(Font());
  const int w = m.Canvas()->TextWidth(timePicker_->DisplayText()) + 31;
  // Themed, not metro: the button of the date part stays clear.
  const int b = 0;
  const int left = MetroStyle() ? Width() - w - b - 21 : Width() - w - b - 34;
  timePicker_->SetBounds(left, 1, w, Height() - b - 2);
}

TDateTime TVevDateTimePicker::DateTime() {
  if (timePicker_ != nullptr) TDateTimePicker::SetTime(timePicker_->Time());
  return TDateTimePicker::DateTime();
}

void TVevDateTimePicker::SetDateTime(TDateTime Value) {
  const TDateTime v = WithoutMSec(Value);
  TDateTimePicker::SetDateTime(v);
  if (kind_ == dkDateTime) CreateTimePicker();
  if (timePicker_ != nullptr) timePicker_->SetDateTime(v);
}

void TVevDateTimePicker::SetDate(TDateTime Value) {
  int h, m, s, ms;
  DecodeTime(Time(), h, m, s, ms);
  SetDateTime(DateOf(Value) + EncodeTime(h, m, s, 0));
}

TDateTime TVevDateTimePicker::Time() const {
  if (kind_ == dkDateTime && timePicker_ != nullptr) return timePicker_->Time();
  return TDateTimePicker::Time();
}

void TVevDateTimePicker::SetTime(TDateTime Value) {
  TDateTimePicker::SetTime(Value);
  LayoutTimePicker();
}

void TVevDateTimePicker::SetTimeFormat(const std::string& Value) {
  if (timePicker_ != nullptr) timePicker_->SetFormat(Value);
  if (kind_ == dkTime) SetFormat(Value);
  timeFormat_ = Value;
  LayoutTimePicker();
}

void TVevDateTimePicker::SetAutoTab(bool Value) {
  TCustomDateTimePicker::SetAutoTab(Value);
  if (timePicker_ != nullptr) timePicker_->SetAutoTab(Value);
}

void TVevDateTimePicker::RememberFields() {
  TCustomDateTimePicker::RememberFields();
  DecodeDate(TDateTimePicker::DateTime(), year_, month_, day_);
}

void TVevDateTimePicker::ShiftFocus() {
  if (kind_ == dkTime) {
    TCustomDateTimePicker::ShiftFocus();
    return;
  }
  int y, m, d;
  DecodeDate(TDateTimePicker::DateTime(), y, m, d);
  if (!TypedFieldComplete()) return;
  const bool dc = d != day_, mc = m != month_, yc = y != year_;
  auto toTime = [this] {
    if (timePicker_ != nullptr && timePicker_->CanFocus()) timePicker_->SetFocus();
  };
  const std::string& f = Format();
  if (!f.empty()) {
    const char c = f.back();
    if ((dc && (c == 'd' || c == 'D')) || (mc && (c == 'm' || c == 'M')) || (yc && (c == 'y' || c == 'Y')))
      toTime();
    else if (dc || mc || yc)
      PostRight();
  } else if (dc || mc) {
    PostRight();
  } else if (yc) {
    toTime();
  }
}

// ---- Label ----

void TVevDateTimePicker::CreateLabel() {
  if (label_ != nullptr) return;
  label_ = new TLabel(this);
  label_->FreeNotification(this);
  label_->SetParent(Parent());
  label_->SetFocusControl(this);
  label_->Font()->Assign(labelFont_.get());
  label_->OnClick = [this](TObject*) {
    if (OnLabelClick) OnLabelClick(this);
  };
  label_->OnDblClick = [this](TObject*) {
    if (OnLabelDblClick) OnLabelDblClick(this);
  };
  label_->SetParentFont(ParentFont());
}

std::string TVevDateTimePicker::LabelCaption() const { return label_ != nullptr ? label_->Caption() : ""; }

void TVevDateTimePicker::SetLabelCaption(const std::string& Value) {
  CreateLabel();
  label_->SetCaption(Value);
  UpdateLabel();
}

void TVevDateTimePicker::SetLabelFont(TFont* Value) {
  if (!ParentFont()) labelFont_->Assign(Value);
  UpdateLabel();
}
void TVevDateTimePicker::SetLabelPosition(TLabelPosition Value) {
  labelPosition_ = Value;
  UpdateLabel();
}
void TVevDateTimePicker::SetLabelMargin(int Value) {
  labelMargin_ = Value;
  UpdateLabel();
}
void TVevDateTimePicker::SetLabelTransparent(bool Value) {
  labelTransparent_ = Value;
  UpdateLabel();
}
void TVevDateTimePicker::SetLabelAlwaysEnabled(bool Value) {
  labelAlwaysEnabled_ = Value;
  if (Value && label_ != nullptr) label_->SetEnabled(true);
  Invalidate();
}

void TVevDateTimePicker::UpdateLabel() {
  if (label_ == nullptr) return;
  label_->SetTransparent(labelTransparent_);
  const TFontStyles bold = label_->Font()->Style();
  label_->Font()->Assign(labelFollowsFont_ ? Font() : labelFont_.get());
  if (focusLabel_ && Focused()) label_->Font()->SetStyle(bold);
  TBitmap m;
  m.Canvas()->SetFont(label_->Font());
  const int tw = m.Canvas()->TextWidth(label_->Caption());
  const TPoint p =
      PlaceLabel(labelPosition_, BoundsRect(), label_->Width(), label_->Height(), tw, labelMargin_);
  label_->SetBounds(p.X, p.Y, label_->Width(), label_->Height());
  label_->SetVisible(Visible());
}

void TVevDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (label_ != nullptr && label_->Parent() != nullptr) UpdateLabel();
  LayoutTimePicker();
}

void TVevDateTimePicker::SetParent(TWinControl* AParent) {
  TCustomDateTimePicker::SetParent(AParent);
  if (label_ != nullptr) {
    label_->SetParent(AParent);
    UpdateLabel();
  }
}

void TVevDateTimePicker::Loaded() {
  TCustomDateTimePicker::Loaded();
  if (ComponentState().Contains(csDesigning)) return;
  CreateTimePicker();
  LayoutTimePicker();
  if (timePicker_ != nullptr && !Checked()) timePicker_->SetEnabled(false);
  if (label_ != nullptr && !labelAlwaysEnabled_) label_->SetEnabled(Enabled());
  if (label_ != nullptr && ParentFont()) label_->Font()->Assign(Font());
  labelFollowsFont_ = ParentFont();
}

void TVevDateTimePicker::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENTER:
    case CM_EXIT:
      TCustomDateTimePicker::WndProc(Message);
      if (focusLabel_ && label_ != nullptr && !ComponentState().Contains(csLoading)) {
        TFontStyles st = label_->Font()->Style();
        if (Message.Msg == CM_ENTER)
          st << fsBold;
        else
          st >> fsBold;
        label_->Font()->SetStyle(st);
      }
      return;
    case CM_ENABLEDCHANGED:
      TCustomDateTimePicker::WndProc(Message);
      if (timePicker_ != nullptr) timePicker_->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
      if (label_ != nullptr && !labelAlwaysEnabled_) label_->SetEnabled(Enabled());
      return;
    case CM_VISIBLECHANGED:
    case CM_SHOWINGCHANGED:
      TCustomDateTimePicker::WndProc(Message);
      if (label_ != nullptr) label_->SetVisible(Visible());
      return;
    case WM_PAINT:
      if (firstPaint_) {
        firstPaint_ = false;
        LayoutTimePicker();
      }
      break;
    default:
      break;
  }
  const bool wasChecked = Checked();
  TCustomDateTimePicker::WndProc(Message);
  // The time part follows the check box: no date, no time either.
  if (timePicker_ != nullptr && ShowCheckbox() && wasChecked != Checked())
    timePicker_->SetEnabled(Enabled() && Checked());
}
