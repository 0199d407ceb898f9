// The calculator drop-down: the pad in the pop-up, the calculator's keys and
// the characters typed into the edit and the pop-up.
#include "controls/dropdown/VevCalculatorDropdown.h"

#include <cmath>

#include "framework/rtl/Format.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevDropDownUtil.h"
#include "grid/base/VevUtil.h"

namespace {
enum { opAdd = 0, opMultiply = 1, opSubtract = 2, opDivide = 3 };
int Len(const std::string& S) { return static_cast<int>(Utf8ToUtf32(S).size()); }
bool IsDigitChar(char32_t C) { return C >= U'0' && C <= U'9'; }
char GetThousandSeparator() { return LocaleThousandSeparator(); }
char GetDecimalSeparator() { return LocaleDecimalSeparator(); }
}  // namespace

TVevCalculatorDropdown::TVevCalculatorDropdown(TComponent* AOwner)
    : TVevUrizazEvuvUduz(AOwner), calcButtonAppearance_(std::make_unique<TButtonAppearance>()) {
  // The key looks follow the base's look preset, which ran before they
  // existed.
  CopyButtonLooks(GetComponentStyle());
  SetDropDownColor(clWhite);
  SetDropDownWidth(230);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  SetEditType(etFloat);
  SetPrecision(2);
}

TVevCalculatorDropdown::~TVevCalculatorDropdown() = default;

void TVevCalculatorDropdown::CreateDropDownForm() {
  TVevUrizazEvuvUduz::CreateDropDownForm();
  if (panel_ == nullptr) {
    panel_ = new TCustomButtonPanel(this);
    panel_->SetCalculatorDropDown(this);
    panel_->SetParent(DropDownForm());
    panel_->SetBounds(0, 0, DropDownWidth(), 150);
    panel_->CreateCalculatorButtons();
  }
  SetControl(panel_);
  panel_->OnButtonClick = [this](TObject* s, int i) { PanelButtonClick(s, i); };
}

void TVevCalculatorDropdown::BeforeDropDown() {
  TVevUrizazEvuvUduz::BeforeDropDown();
  textAtDropDown_ = Text();
  previousAtDropDown_ = previous_;
  operationAtDropDown_ = operation_;
  if (DropDownForm() != nullptr) DropDownForm()->SetCancelOnDeActivate(false);
  if (panel_ != nullptr) {
    panel_->SetButtonAppearance(calcButtonAppearance_.get());
    panel_->SetColor(DropDownColor());
    panel_->ArrangeButtons();
  }
  newNumber_ = true;
  divisor_ = 0;
  neverDropped_ = false;
}

void TVevCalculatorDropdown::HideDropDownEx(bool Cancel) {
  const bool wasOpen = DropDownForm() != nullptr && DropDownForm()->Visible();
  TVevUrizazEvuvUduz::HideDropDownEx(Cancel);
  // Every key writes the display, so a cancel goes back to the text from
  // before the opening, not to the last one written.
  // The pending operation goes back with it, so keys given in a cancelled
  // pop-up leave no trace in the next result.
  if (Cancel && wasOpen) {
    WriteText(textAtDropDown_);
    previous_ = previousAtDropDown_;
    operation_ = operationAtDropDown_;
  }
}

bool TVevCalculatorDropdown::PopupShowing() const {
  return !neverDropped_ && DropDownForm() != nullptr && DropDownForm()->Visible();
}

long double TVevCalculatorDropdown::DisplayNumber() const {
  const std::string d = StripThousandSeparators(Display());
  double v = 0;
  if (d == "Error" || !TryStrToFloat(d, v, GetDecimalSeparator())) return 0;
  return v;
}

double TVevCalculatorDropdown::Value() {
  if (Display().empty()) WriteText("0");
  return static_cast<double>(DisplayNumber());
}

void TVevCalculatorDropdown::SetValue(double V) { WriteText(Format("%g", {V})); }

void TVevCalculatorDropdown::SetShowThousandSeparator(bool Value) {
  if (showThousandSeparator_ == Value) return;
  showThousandSeparator_ = Value;
  SetEditType(Value ? etMoney : etFloat);
  SetFloatValue(GetFloatValue());
}

void TVevCalculatorDropdown::SetComponentStyle(TVyxStyle AStyle) {
  TVevUrizazEvuvUduz::SetComponentStyle(AStyle);
  CopyButtonLooks(AStyle);
}

void TVevCalculatorDropdown::CopyButtonLooks(TVyxStyle AStyle) {
  if (!calcButtonAppearance_) return;
  TVevButtonAppearance* s = ButtonAppearance();
  TButtonAppearance* a = calcButtonAppearance_.get();
  a->SetBorderColor(s->BorderColor());
  a->SetBorderColorHot(s->BorderColorHot());
  a->SetBorderColorDown(s->BorderColorDown());
  a->SetColor(s->Color());
  a->SetColorTo(s->ColorTo());
  a->SetColorDown(s->ColorDown());
  a->SetColorDownTo(s->ColorDownTo());
  a->SetColorHot(s->ColorHot());
  a->SetColorHotTo(s->ColorHotTo());
  a->SetColorDisabled(s->ColorDisabled());
  a->SetColorDisabledTo(s->ColorDisabledTo());
  a->SetColorChecked(s->ColorDisabledTo());
  a->SetColorCheckedTo(s->ColorHotTo());
  a->SetBorderColorChecked(s->BorderColorDisabled());
  if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
    a->SetGlowColorHot(s->ColorHot());
    a->SetGlowColorDown(s->ColorHot());
  } else {
    a->SetGlowColorDown(0xD5C244);
    a->SetGlowColorHot(s->ColorDownTo());
  }
}

// ---- The calculator ----

void TVevCalculatorDropdown::ApplyPending() {
  const std::string d = Display();
  if (d.empty() || d == "Error") WriteText("0");
  // A display that is no number counts as 0, as "Error" does.
  const long double x = DisplayNumber();
  switch (operation_) {
    case opAdd:
      previous_ += x;
      break;
    case opMultiply:
      previous_ *= x;
      break;
    case opSubtract:
      previous_ -= x;
      break;
    case opDivide:
      if (x == 0) {
        previous_ = 0;
        WriteText("Error");
        return;
      }
      previous_ /= x;
      break;
    default:
      previous_ = x;
  }
  if (!std::isfinite(static_cast<double>(previous_))) previous_ = 0;
  Show(previous_);
  newNumber_ = true;
}

void TVevCalculatorDropdown::DoOperator(int Op) {
  ApplyPending();
  operation_ = Op;
}

void TVevCalculatorDropdown::DoAdd() { DoOperator(opAdd); }
void TVevCalculatorDropdown::DoSubtract() { DoOperator(opSubtract); }
void TVevCalculatorDropdown::DoMultiply() { DoOperator(opMultiply); }
void TVevCalculatorDropdown::DoDivide() { DoOperator(opDivide); }

void TVevCalculatorDropdown::DoEquals() {
  ApplyPending();
  if (Display().empty()) WriteText("0");
  operation_ = -1;
  if (Display() != "Error") previous_ = DisplayNumber();
}

void TVevCalculatorDropdown::DoPercent() {
  const std::string d = Display();
  if (d.empty() || d == "Error") WriteText("0");
  const long double x = DisplayNumber();
  WriteText(Format("%g", {static_cast<double>(previous_ * x / 100)}));
}

void TVevCalculatorDropdown::Clear(bool ResetPrevious) {
  WriteText("0");
  if (ResetPrevious) previous_ = 0;
  operation_ = -1;
}

void TVevCalculatorDropdown::PanelButtonClick(TObject*, int Index) {
  if (panel_ == nullptr || Index < 0 || Index >= panel_->Buttons()->Count()) return;
  BeforeCalculatorKey();
  const int code = panel_->Buttons()->Items(Index)->Tag();
  if ((code >= 10 && code <= 14) || (code >= 16 && code <= 18)) divisor_ = 0;
  if ((code >= 0 && code <= 9) || code == 14 || code == 15) {
    if (MaxLength() > 0 && Len(Display()) == MaxLength()) return;
  }
  const char sep = GetDecimalSeparator();
  if (code >= 0 && code <= 9) {
    const long double v = DisplayNumber();
    if (newNumber_ || (v == 0 && divisor_ == 0)) {
      WriteText(std::to_string(code));
      newNumber_ = false;
    } else if (divisor_ == 0) {
      Show(v < 0 ? v * 10 - code : v * 10 + code);
    } else {
      Show(v < 0 ? v - static_cast<long double>(code) / divisor_
                 : v + static_cast<long double>(code) / divisor_);
      divisor_ *= 10;
    }
  } else {
    switch (code) {
      case 10:
        DoAdd();
        break;
      case 11:
        DoSubtract();
        break;
      case 12:
        DoMultiply();
        break;
      case 13:
        DoDivide();
        break;
      case 14: {
        std::string d = Display();
        if (d.find('-') != std::string::npos)
          d.erase(0, 1);
        else
          d.insert(0, "-");
        WriteText(d);
        break;
      }
      case 15:
        if (newNumber_) WriteText("0");
        if (Display().find(sep) == std::string::npos) WriteText(Display() + sep);
        divisor_ = 10;
        newNumber_ = false;
        break;
      case 16:
      case 30:
      case 32:
        Clear(true);
        break;
      case 17:
        DoEquals();
        break;
      case 18:
        DoPercent();
        break;
      case 31:
        if (operation_ == -1) {
          std::string t = FloatToStr(static_cast<double>(DisplayNumber()));
          if (!t.empty()) t.pop_back();
          WriteText(t);
        }
        break;
      case 33:
        memory_ = 0;
        break;
      case 34:
        Show(memory_);
        break;
      case 35:
        memory_ = DisplayNumber();
        break;
      case 36:
        memory_ += DisplayNumber();
        break;
      case 37: {
        const long double v = DisplayNumber();
        if (v >= 0)
          Show(std::sqrt(v));
        else
          WriteText("Error");
        break;
      }
      case 38: {
        const long double v = DisplayNumber();
        if (v != 0)
          Show(1 / v);
        else
          WriteText("Error");
        break;
      }
      default:
        break;
    }
  }
  SetIsModified(true);
}

// ---- Keys ----

bool TVevCalculatorDropdown::EditOperatorKey(char32_t Key) {
  if (PopupShowing()) return false;
  switch (Key) {
    case 13:
    case U'=':
      DoEquals();
      return true;
    case U'%':
      DoPercent();
      return true;
    case U'*':
      DoMultiply();
      return true;
    case U'+':
      DoAdd();
      return true;
    case U'-':
      DoSubtract();
      return true;
    case U'/':
      DoDivide();
      return true;
    case U'C':
    case U'c':
      WriteText("0");
      newNumber_ = true;
      operation_ = -1;
      return true;
    default:
      return false;
  }
}

void TVevCalculatorDropdown::KeyPress(char32_t& Key) {
  const char32_t sep = static_cast<unsigned char>(GetDecimalSeparator());
  if (!(IsDigitChar(Key) || Key == sep || Key == 8 || Key == U'-')) {
    Key = 0;
    return;
  }
  const std::string d = Display();
  const int p = static_cast<int>(Utf8ToUtf32(Prefix()).size());
  if (IsDigitChar(Key) && (d == "0" || newNumber_)) {
    WriteText(std::string(1, static_cast<char>(Key)));
    Perform(EM_SETSEL, p + 1, p + 1);
    Key = 0;
    newNumber_ = false;
    return;
  }
  if (Key == 8 && Len(d) == 1) {
    WriteText("0");
    Perform(EM_SETSEL, p + 1, p + 1);
    Key = 0;
    return;
  }
  if (Key == static_cast<unsigned char>(GetThousandSeparator())) {
    Key = 0;
    return;
  }
  if (Key == sep && d.find(GetDecimalSeparator()) != std::string::npos) {
    Key = 0;
    return;
  }
  TVevUrizazEvuvUduz::KeyPress(Key);
}

void TVevCalculatorDropdown::DropDownKeyPress(TObject* Sender, char32_t& Key) {
  TVevUrizazEvuvUduz::DropDownKeyPress(Sender, Key);
  PopupKeyPress(Key);
}

void TVevCalculatorDropdown::PopupKeyPress(char32_t Key) {
  BeforeCalculatorKey();
  const char sep = GetDecimalSeparator();
  if (Key == static_cast<unsigned char>(sep) && Display().find(sep) == std::string::npos)
    WriteText(Display() + sep);
  if (IsDigitChar(Key) && MaxLength() > 0 && Len(Display()) == MaxLength()) return;
  switch (Key) {
    case U'-':
      DoSubtract();
      break;
    case 13:
      DoEquals();
      HideDropDownEx(false);
      break;
    case 27:
      HideDropDownEx(true);
      break;
    case U'%':
      DoPercent();
      break;
    case U'*':
      DoMultiply();
      break;
    case U'+':
      DoAdd();
      break;
    case U'/':
      DoDivide();
      break;
    case U'=':
      DoEquals();
      break;
    case U'C':
    case U'c':
      WriteText("0");
      previous_ = 0;
      newNumber_ = true;
      operation_ = -1;
      break;
    default:
      if (IsDigitChar(Key) && (Display() == "0" || newNumber_)) newNumber_ = false;
      break;
  }
}

void TVevCalculatorDropdown::DropDownKeyDown(TObject* Sender, WORD& Key, TShiftState Shift) {
  TVevUrizazEvuvUduz::DropDownKeyDown(Sender, Key, Shift);
  if (Key == VK_TAB || Key == VK_F4) {
    HideDropDownEx(false);
  } else if (Key == VK_BACK) {
    std::string d = Display();
    if (!d.empty()) d.pop_back();
    if (d.empty() || d == "Error") d = "0";
    WriteText(d);
  }
}

void TVevCalculatorDropdown::WndProc(TMessage& Message) {
  // Operators typed into the closed edit drive the calculator; the edit's
  // number filter would drop them before they reach the key handling.
  if (Message.Msg == WM_CHAR && !ReadOnly() && EditOperatorKey(static_cast<char32_t>(Message.WParam))) {
    if (Message.WParam == 13) TVevUrizazEvuvUduz::WndProc(Message);
    return;
  }
  if (Message.Msg == WM_KEYDOWN) {
    const WORD key = static_cast<WORD>(Message.WParam);
    TVevUrizazEvuvUduz::WndProc(Message);
    if (key == VK_DELETE && (Display().empty() || Display() == "Error")) WriteText("0");
    return;
  }
  if (Message.Msg == CM_ENTER && AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
  TVevUrizazEvuvUduz::WndProc(Message);
}
