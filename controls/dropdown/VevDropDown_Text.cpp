// The drop-down's value text: prefix + value + suffix in the edit, numbers
// formatted, converted and regrouped by edit type, the value on focus loss,
// the edit type and precision, and cut, copy and paste filtered by type.
//
// Every rewrite of the edit's text writes prefix + value + suffix, and the
// value is the raw text without the prefix and suffix only where they
// stand, so no rewrite ever eats a part of the value.
#include <cmath>

#include "controls/dropdown/VevDropDown.h"
#include "framework/controls/Clipbrd.h"
#include "framework/rtl/Format.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevDropDownUtil.h"
#include "grid/base/VevUtil.h"

namespace {
std::u32string U32(const std::string& S) { return Utf8ToUtf32(S); }
std::string U8(const std::u32string& S) { return Utf32ToUtf8(S); }
int Len(const std::string& S) { return static_cast<int>(Utf8ToUtf32(S).size()); }

bool StartsWith(const std::string& S, const std::string& P) {
  return S.size() >= P.size() && S.compare(0, P.size(), P) == 0;
}
bool EndsWith(const std::string& S, const std::string& X) {
  return S.size() >= X.size() && S.compare(S.size() - X.size(), X.size(), X) == 0;
}

bool IsNumberType(TDropDownEditType T) { return T == etNumeric || T == etFloat || T == etMoney; }
}  // namespace

// ---- Raw text and value ----

std::string TVevUrizazEvuvUduz::RawText() const { return TCustomMaskEdit::GetText(); }

void TVevUrizazEvuvUduz::WriteRawText(const std::string& Value) { TCustomMaskEdit::SetTextValue(Value); }

int TVevUrizazEvuvUduz::PrefixLen() const {
  return !prefix_.empty() && StartsWith(RawText(), prefix_) ? Len(prefix_) : 0;
}

std::string TVevUrizazEvuvUduz::GetText() const {
  std::string raw = RawText();
  if (!prefix_.empty() && StartsWith(raw, prefix_)) raw.erase(0, prefix_.size());
  if (!suffix_.empty() && EndsWith(raw, suffix_)) raw.erase(raw.size() - suffix_.size());
  return raw;
}

void TVevUrizazEvuvUduz::SetTextValue(const std::string& Value) { WriteText(Value); }

void TVevUrizazEvuvUduz::WriteText(const std::string& Value) {
  std::string v = Value;
  if (v.empty() &&
      (editType_ == etNumeric || editType_ == etFloat || editType_ == etMoney || editType_ == etHex))
    v = "0";
  if (precision_ > 0 && !v.empty() && v != "Error") {
    const std::string fmt = "%." + std::to_string(precision_) + (editType_ == etMoney ? "n" : "f");
    v = Format(fmt, {StrToFloatValue(v)});
  }
  if (editType_ == etHex) v = AnsiUpperCase(v);
  WriteRawText(prefix_ + v + suffix_);
  oldText_ = v;
  SetIsModified(false);
}

double TVevUrizazEvuvUduz::StrToFloatValue(const std::string& S) const {
  std::string t = S;
  if (t.find(LocaleThousandSeparator()) != std::string::npos) t = StripThousandSeparators(t);
  double d = 0;
  return TryStrToFloat(t, d, LocaleDecimalSeparator()) ? d : 0;
}

void TVevUrizazEvuvUduz::SetFloatValue(double X) {
  const std::string p = std::to_string(precision_);
  switch (editType_) {
    case etString:
    case etFloat:
      WriteText(Format(precision_ < 0 ? "%g" : "%." + p + "f", {X}));
      break;
    case etNumeric:
      WriteText(Format(precision_ < 0 ? "%g" : "%." + p + "n", {X}));
      break;
    case etMoney:
      WriteText(Format(precision_ < 0 ? "%g" : "%." + p + "f", {X}));
      FormatMoneyText();
      break;
    case etHex:
      WriteText(Format("%x", {static_cast<int64_t>(std::trunc(X))}));
      break;
    default:
      break;
  }
  SetIsModified(true);
}

void TVevUrizazEvuvUduz::SetIntValue(int N) {
  switch (editType_) {
    case etNumeric:
    case etFloat:
      WriteText(std::to_string(N));
      break;
    case etMoney:
      WriteText(std::to_string(N));
      FormatMoneyText();
      break;
    case etHex:
      WriteText(Format("%x", {static_cast<int64_t>(N)}));
      break;
    default:
      break;
  }
  SetIsModified(true);
}

double TVevUrizazEvuvUduz::GetFloatValue() {
  const std::string v = Text();
  switch (editType_) {
    case etString: {
      double d = 0;
      Val(v, d);
      return d;
    }
    case etNumeric:
    case etFloat:
      if (v.empty() || v == "Error" || v == "-") return 0;
      return StrToFloatValue(v);
    case etMoney: {
      if (v.empty()) return 0;
      std::string t = StripThousandSeparators(v);
      if (!t.empty() && t.back() == LocaleDecimalSeparator()) t.pop_back();
      if (t.empty() || t == "-") return 0;
      return StrToFloatValue(t);
    }
    case etHex:
      if (v.empty()) return 0;
      return HexTextToInt(v);
    default:
      return 0;
  }
}

void TVevUrizazEvuvUduz::FormatMoneyText() {
  std::u32string v = U32(Text());
  if (v.empty()) return;
  const int l0 = static_cast<int>(v.size());
  const int s0 = SelS();
  std::u32string sign;
  if (v[0] == U'-') {
    sign = U"-";
    v.erase(0, 1);
  }
  const char32_t d = static_cast<char32_t>(LocaleDecimalSeparator());
  std::u32string fraction;
  if (size_t at = v.find(d); at != std::u32string::npos) fraction = v.substr(at, 255);
  const double n = std::trunc(std::fabs(GetFloatValue()));
  std::u32string whole = U32(Format(autoThousandSeparator_ ? "%n" : "%f", {n}));
  if (size_t at = whole.find(d); at != std::u32string::npos) whole.erase(at);
  const std::string value = U8(sign + whole + fraction);
  const std::string raw = prefix_ + value + suffix_;
  if (raw == RawText()) return;
  // The regrouping is no change of the user's.
  blockChange_ = true;
  WriteRawText(raw);
  const int caret = s0 + (Len(value) - l0);
  Perform(EM_SETSEL, caret, caret);
}

// ---- Selection helpers ----

void TVevUrizazEvuvUduz::SelectAll() {
  const int p = PrefixLen();
  Perform(EM_SETSEL, p, p + Len(Text()));
}

void TVevUrizazEvuvUduz::SelectBeforeDecimal() {
  const int p = PrefixLen();
  const std::u32string v = U32(Text());
  const size_t at = v.find(static_cast<char32_t>(LocaleDecimalSeparator()));
  const int pos = at == std::u32string::npos ? p : p + static_cast<int>(at);
  Perform(EM_SETSEL, pos, pos);
}

void TVevUrizazEvuvUduz::SelectAfterDecimal() {
  const int p = PrefixLen();
  const std::u32string v = U32(Text());
  const size_t at = v.find(static_cast<char32_t>(LocaleDecimalSeparator()));
  const int pos = at == std::u32string::npos ? p : p + static_cast<int>(at) + 1;
  Perform(EM_SETSEL, pos, pos);
}

int TVevUrizazEvuvUduz::DecimalSeparatorPos() {
  const int p = PrefixLen();
  const std::u32string v = U32(Text());
  const size_t at = v.find(static_cast<char32_t>(LocaleDecimalSeparator()));
  if (at == std::u32string::npos) return p + static_cast<int>(v.size()) + Len(suffix_) + 1;
  return p + static_cast<int>(at) + 1;
}

int TVevUrizazEvuvUduz::IntegerPartEnd(const std::string& V) {
  const std::u32string t = U32(StripThousandSeparators(V));
  const size_t at = t.find(static_cast<char32_t>(LocaleDecimalSeparator()));
  int end = at == std::u32string::npos ? static_cast<int>(t.size()) + 1 : static_cast<int>(at) + 1;
  if (signed_ && IsNumberType(editType_) && V.find('-') != std::string::npos) --end;
  return end;
}

bool TVevUrizazEvuvUduz::AllowsMinus(char32_t Ch) const {
  return signed_ && IsNumberType(editType_) && Ch == U'-';
}

void TVevUrizazEvuvUduz::SetIsModified(bool Flag) {
  if (Loading() || !editorEnabled_ || ReadOnly()) return;
  SetModified(Flag);
  isModified_ = Flag;
}

// ---- Edit type and precision ----

void TVevUrizazEvuvUduz::SetEditType(TDropDownEditType Value) {
  if (editType_ == Value) return;
  editType_ = Value;
  if (Value == etPassword) {
    SetPasswordChar(U'*');
    canUndo_ = false;
    if (HandleAllocated()) RecreateWnd();
  } else {
    SetPasswordChar(0);
  }
  const int kind = ClassifyNumberText(Text());
  switch (Value) {
    case etNumeric:
      if (kind != nkInteger) SetIntValue(0);
      break;
    case etFloat:
    case etMoney:
      if (kind != nkInteger && kind != nkFloat) SetFloatValue(0);
      break;
    case etHex:
      if (kind != nkInteger && kind != nkHex) SetIntValue(0);
      break;
    default:
      break;
  }
  if (Designing() && Value == etFloat && precision_ == 0) SetPrecision(2);
}

void TVevUrizazEvuvUduz::SetPrecision(int Value) {
  if (precision_ == Value) return;
  if (editType_ != etString && editType_ != etFloat && editType_ != etMoney) return;
  precision_ = static_cast<int16_t>(Value);
  const int kind = ClassifyNumberText(Text());
  if (kind != nkInteger && kind != nkFloat)
    SetFloatValue(0);
  else
    SetFloatValue(GetFloatValue());
}

// ---- Focus loss ----

void TVevUrizazEvuvUduz::HandleKillFocus(TMessage& Message) {
  if (!Loading()) {
    const bool empty = Text().empty();
    if (precision_ > 0 && (editType_ == etFloat || editType_ == etMoney) &&
        (!empty || !allowNumericNullValue_)) {
      const bool modified = Modified();
      SetFloatValue(GetFloatValue());
      SetIsModified(modified);
    } else if (editType_ == etNumeric && empty && !allowNumericNullValue_) {
      WriteText("0");
    } else if ((editType_ == etFloat || editType_ == etMoney) && empty && !allowNumericNullValue_) {
      SetFloatValue(0);
    }
  }
  TCustomMaskEdit::WndProc(Message);
  if (!editorEnabled_) Invalidate();
  RedrawBorders();
}

// ---- Clipboard ----

namespace {
// The selected part of the value (s and l in raw characters).
std::string SelectedValue(const std::string& Value, int s, int l, int p) {
  const std::u32string v = Utf8ToUtf32(Value);
  int from = std::max(0, s - p);
  if (from > static_cast<int>(v.size())) return std::string();
  return Utf32ToUtf8(v.substr(static_cast<size_t>(from), static_cast<size_t>(std::max(0, l))));
}
}  // namespace

void TVevUrizazEvuvUduz::HandleCut(TMessage& Message) {
  if (!editorEnabled_ || ReadOnly()) return;
  bool allow = true;
  blockCopy_ = true;
  if (OnClipboardCut) OnClipboardCut(this, SelectedValue(Text(), SelS(), SelL(), PrefixLen()), allow);
  if (allow) TCustomMaskEdit::WndProc(Message);
  blockCopy_ = false;
}

void TVevUrizazEvuvUduz::HandleCopy(TMessage& Message) {
  bool allow = true;
  if (OnClipboardCopy && !blockCopy_)
    OnClipboardCopy(this, SelectedValue(Text(), SelS(), SelL(), PrefixLen()), allow);
  blockCopy_ = false;
  if (allow) TCustomMaskEdit::WndProc(Message);
}

void TVevUrizazEvuvUduz::HandlePaste(TMessage&) {
  if (ReadOnly() || !Clipboard()->HasFormat(CF_TEXT)) return;
  const std::u32string pasted = U32(Clipboard()->AsText());
  const int p = PrefixLen();
  const int s = SelS(), l = SelL();
  std::u32string v = U32(Text());
  const int at = std::clamp(s - p, 0, static_cast<int>(v.size()));
  const int cut = std::clamp(l, 0, static_cast<int>(v.size()) - at);
  const int oldLen = static_cast<int>(v.size());
  v.replace(static_cast<size_t>(at), static_cast<size_t>(cut), pasted);
  const std::string n = U8(v);
  const int plen = static_cast<int>(pasted.size());
  const int selStart = l > 0 ? s : s + plen;
  const int selLen = l > 0 ? plen : 0;
  bool allow = true;
  if (OnClipboardPaste) OnClipboardPaste(this, n, allow);
  if (!allow) return;
  if (MaxLength() > 0 && MaxLength() < plen + oldLen - l) return;
  const char d = LocaleDecimalSeparator();
  switch (editType_) {
    case etString:
    case etPassword:
      WriteText(n);
      break;
    case etNumeric:
      if (ClassifyNumberText(n) == nkInteger && (signed_ || n.find('-') == std::string::npos)) {
        WriteText(n);
        SetIsModified(true);
      }
      break;
    case etFloat:
    case etMoney: {
      const int kind = ClassifyNumberText(n);
      const bool refused = (kind != nkInteger && kind != nkFloat) ||
                           (precision_ == 0 && U8(pasted).find(d) != std::string::npos);
      if (!refused && (signed_ || n.find('-') == std::string::npos)) {
        WriteText(n);
        SetFloatValue(GetFloatValue());
        SetIsModified(true);
      }
      break;
    }
    case etUppercase:
      WriteText(AnsiUpperCase(n));
      break;
    case etLowerCase:
      WriteText(AnsiLowerCase(n));
      break;
    case etMixedCase:
      WriteText(CapitalizeWords(n));
      break;
    case etAlphaNumeric: {
      bool ok = true;
      for (char32_t c : v)
        ok = ok && ((c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z'));
      if (ok) {
        WriteText(n);
        SetIsModified(true);
      }
      break;
    }
    case etValidChars: {
      const std::u32string valid = U32(validChars_);
      bool ok = true;
      for (char32_t c : v) ok = ok && valid.find(c) != std::u32string::npos;
      if (ok) {
        WriteText(n);
        SetIsModified(true);
      }
      break;
    }
    case etRange:
    case etHex:
      break;
  }
  if (editType_ == etMoney && Len(Text()) > 3)
    SelectAll();
  else
    Perform(EM_SETSEL, selStart, selStart + selLen);
  if (editType_ == etString || editType_ == etUppercase || editType_ == etMixedCase ||
      editType_ == etLowerCase || editType_ == etPassword)
    SetIsModified(true);
}
