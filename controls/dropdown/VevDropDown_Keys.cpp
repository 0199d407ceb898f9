// The edit key filter: typed characters by edit type, and the caret and
// deletion guards that keep the caret out of the prefix and suffix and
// numbers within their length limit.
#include <algorithm>

#include "controls/dropdown/VevDropDown.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevDropDownUtil.h"
#include "grid/base/VevUtil.h"

namespace {
bool CtrlHeld() {
  return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_LCONTROL) < 0 || GetKeyState(VK_RCONTROL) < 0;
}
bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }
bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsNumberType(TDropDownEditType T) { return T == etNumeric || T == etFloat || T == etMoney; }

// A separator may only be typed exactly three places from the nearest
// thousand separator (k is the caret's index in V).
bool SeparatorMisplaced(std::u32string V, int k, char32_t T) {
  if (V.find(T) == std::u32string::npos) return false;
  int m = static_cast<int>(V.size());
  while (true) {
    size_t at = V.find(T);
    if (at == std::u32string::npos) break;
    const int j = static_cast<int>(at) + 1;
    m = std::min(m, std::abs(j - k));
    if (std::abs(j - k) < 3) return true;
    if (k > j) k -= j;
    V.erase(0, static_cast<size_t>(j));
  }
  return m > 3;
}

// The decimals are full and the caret stands among them.
bool DecimalsFull(const std::u32string& V, int k, int Precision, char32_t D) {
  if (Precision <= 0) return false;
  size_t at = V.find(D);
  if (at == std::u32string::npos) return false;
  const int q = static_cast<int>(at) + 1, n = static_cast<int>(V.size());
  return k >= q && n - k <= Precision && n - q >= Precision;
}
}  // namespace

void TVevUrizazEvuvUduz::ToggleSign(int s, int p, bool setModified) {
  std::u32string v = Utf8ToUtf32(Text());
  const size_t minus = v.find(U'-');
  int caret;
  if (minus != std::u32string::npos) {
    v.erase(minus, 1);
    caret = s > 0 && s > p ? s - 1 : p;
  } else {
    v.insert(v.begin(), U'-');
    caret = s + 1;
  }
  // Prefix and suffix stay where they are.
  WriteRawText(prefix_ + Utf32ToUtf8(v) + suffix_);
  Perform(EM_SETSEL, caret, caret);
  if (setModified || minus == std::u32string::npos) SetIsModified(true);
}

void TVevUrizazEvuvUduz::HandleChar(TMessage& Message) {
  if (!editorEnabled_) return;
  char32_t ch = static_cast<char32_t>(Message.WParam);
  const int p = PrefixLen();
  const int s = SelS(), l = SelL();
  std::u32string v = Utf8ToUtf32(Text());
  const int vlen = static_cast<int>(v.size());
  const int k = s - p;
  const char32_t D = static_cast<char32_t>(LocaleDecimalSeparator());
  const char32_t T = static_cast<char32_t>(LocaleThousandSeparator());
  const bool wholeSelected = l == vlen && vlen > 0;
  const bool ctrl = CtrlHeld();

  // Passes the character to the edit. Replacing the whole value reports one
  // change; the mark is set only for a character that goes in and is
  // dropped again when the text did not change.
  auto passOn = [&]() {
    Message.WParam = ch;
    const std::string before = RawText();
    if (wholeSelected) blockChange_ = true;
    TCustomMaskEdit::WndProc(Message);
    if (RawText() == before) blockChange_ = false;
  };
  auto finish = [&]() {
    if (Modified()) SetIsModified(true);
  };

  if (ctrl && ch == 13) {
    Message.Result = 1;
    return;
  }
  if (ch == 13) {
    char32_t key = 13;
    if (OnKeyPress) OnKeyPress(this, key);
    Message.WParam = 0;
    if (!defaultHandling_ && Parent() != nullptr) {
      PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_RETURN, 0);
      TCustomForm* form = GetParentForm(this);
      if (form != nullptr && form->KeyPreview())
        TCustomMaskEdit::WndProc(Message);
      else
        PostMessage(Parent()->Handle(), WM_KEYUP, VK_RETURN, 0);
    }
    return;
  }
  if (ch == 27 && !defaultHandling_ && Parent() != nullptr) {
    TCustomForm* form = GetParentForm(this);
    if (form != nullptr && form->KeyPreview()) {
      passOn();
      return;
    }
    PostMessage(Parent()->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessage(Parent()->Handle(), WM_KEYUP, VK_ESCAPE, 0);
  }
  if (ch == 27 && !canUndo_) {
    passOn();
    return;
  }
  if (ctrl && (ch == 3 || ch == 22 || ch == 24)) {
    passOn();
    return;
  }
  if (excelStyleDecimalSeparator_ && (ch == U'.' || ch == U',') && (Message.LParam & 0x400000) != 0) ch = D;
  if (ch == 8 && !prefix_.empty() && s <= p && l == 0) return;
  if (lengthLimit_ > 0) {
    const int i = IntegerPartEnd(Text());
    if (i > lengthLimit_ && l == 0 && s < DecimalSeparatorPos() && ch != 8 && ch != D && !AllowsMinus(ch))
      return;
  }
  if (ch == 8) {
    const bool hadValue = vlen > 0;
    const bool wasBlocked = blockChange_ || wholeSelected;
    passOn();
    // The swallowed notice of a deletion that emptied the value is given.
    if (hadValue && Text().empty() && wasBlocked && !blockChange_) Change();
    finish();
    return;
  }
  if (ctrl && ch == 10) return;
  if (ch == U'-' && IsNumberType(editType_) && !signed_) return;

  auto isControl = [](char32_t c) { return c == 8 || c == 9 || c == 13; };
  switch (editType_) {
    case etString:
    case etPassword:
      SetIsModified(true);
      passOn();
      break;
    case etAlphaNumeric:
      if (!(isControl(ch) || IsDigit(ch) || (ch >= U'A' && ch <= U'Z') || (ch >= U'a' && ch <= U'z'))) return;
      SetIsModified(true);
      passOn();
      break;
    case etValidChars:
      if (ch != 8 && Utf8ToUtf32(validChars_).find(ch) == std::u32string::npos) return;
      SetIsModified(true);
      passOn();
      break;
    case etHex:
      if (!(isControl(ch) || ch == U'-' || IsDigit(ch) || (ch >= U'A' && ch <= U'F') ||
            (ch >= U'a' && ch <= U'f')))
        return;
      SetIsModified(true);
      passOn();
      break;
    case etUppercase:
      ch = AnsiUpperChar(ch);
      passOn();
      break;
    case etLowerCase:
      ch = AnsiLowerChar(ch);
      passOn();
      break;
    case etMixedCase: {
      const int at = SelS();
      passOn();
      WriteRawText(prefix_ + CapitalizeWords(Text()) + suffix_);
      Perform(EM_SETSEL, at + 1, at + 1);
      break;
    }
    case etRange: {
      if (!(isControl(ch) || ch == U',' || ch == U'-' || ch == U';' || IsDigit(ch))) return;
      SetIsModified(true);
      if (IsRangeSeparator(ch)) {
        const std::u32string full = Utf8ToUtf32(RawText()) + U" ";
        if (s <= p) return;
        if (s - 1 >= 0 && s - 1 < static_cast<int>(full.size()) &&
            IsRangeSeparator(full[static_cast<size_t>(s - 1)]))
          return;
        if (s < static_cast<int>(full.size()) && IsRangeSeparator(full[static_cast<size_t>(s)])) return;
      }
      passOn();
      break;
    }
    case etNumeric:
      if (ch == U'-' && wholeSelected) {
        WriteRawText(prefix_ + "-" + suffix_);
        Perform(EM_SETSEL, p + 1, p + 1);
        return;
      }
      if (ch == U'-') {
        ToggleSign(s, p, false);
        return;
      }
      if (isControl(ch) || IsDigit(ch) || ctrl) passOn();
      break;
    case etFloat: {
      if (ch == U',' && D != U',' && T != U',') return;
      if (ch == U'.' && D != U'.' && T != U'.') return;
      if (!(isControl(ch) || ch == U',' || ch == U'-' || ch == U'.' || IsDigit(ch))) return;
      const std::u32string selected =
          v.substr(static_cast<size_t>(std::clamp(k, 0, vlen)), static_cast<size_t>(std::max(0, l)));
      if (ch == D && selected.find(D) == std::u32string::npos &&
          (v.find(D) != std::u32string::npos || precision_ == 0)) {
        // A second separator moves the caret into the decimals.
        if (precision_ > 0) SelectAfterDecimal();
        return;
      }
      if (ch == U',' && v.find(U',') != std::u32string::npos && selected.find(U',') == std::u32string::npos &&
          T != U',')
        return;
      if ((ch == D || ch == T) && SeparatorMisplaced(v, k, T)) return;
      if (DecimalsFull(v, k, precision_, D) && (IsDigit(ch) || ch == D) && l == 0) {
        const size_t at = v.find(D);
        if (IsDigit(ch) && k >= static_cast<int>(at) + 1 && k < vlen) {
          // A digit typed among full decimals replaces the next one.
          Perform(EM_SETSEL, s, s + 1);
        } else {
          return;
        }
      }
      if (s <= p && v.empty() && ch == D) {
        WriteRawText(prefix_ + "0" + Utf32ToUtf8(std::u32string(1, D)) + suffix_);
        Perform(EM_SETSEL, p + 2, p + 2);
        SetIsModified(true);
        return;
      }
      if (ch == U'-' && l == 0) {
        ToggleSign(s, p, true);
        return;
      }
      passOn();
      break;
    }
    case etMoney: {
      if (ch == D && (v.find(D) != std::u32string::npos || precision_ == 0)) {
        if (precision_ > 0) {
          if (wholeSelected) WriteText("0" + Utf32ToUtf8(std::u32string(1, D)) + "0");
          SelectAfterDecimal();
        }
        return;
      }
      if (!(isControl(ch) || ch == U'-' || IsDigit(ch) || ch == D)) return;
      if ((ch == D || ch == T) && SeparatorMisplaced(v, k, T)) return;
      if (DecimalsFull(v, k, precision_, D) && (IsDigit(ch) || ch == D) && l == 0) {
        const size_t at = v.find(D);
        if (IsDigit(ch) && k >= static_cast<int>(at) + 1 && k < vlen)
          Perform(EM_SETSEL, s, s + 1);
        else
          return;
      }
      if (s <= p && v.empty() && ch == D) {
        WriteRawText(prefix_ + "0" + Utf32ToUtf8(std::u32string(1, D)) + suffix_);
        Perform(EM_SETSEL, p + 2, p + 2);
        SetIsModified(true);
        return;
      }
      if (ch == U'-' && l == 0) {
        ToggleSign(s, p, true);
        return;
      }
      passOn();
      const std::string now = Text();
      if (!now.empty() && now != "-" && ch != D) {
        SetIsModified(Modified());
        FormatMoneyText();
      }
      break;
    }
  }
  finish();
}

bool TVevUrizazEvuvUduz::CaretGuards(TMessage& Message) {
  if (!editorEnabled_) return false;
  const WORD key = static_cast<WORD>(Message.WParam);
  const int p = PrefixLen();
  const int s = SelS(), l = SelL(), e = s + l;
  const std::u32string v = Utf8ToUtf32(Text());
  const int vlen = static_cast<int>(v.size());
  // The end of the value in the edit's text: the guards keep the caret off
  // the suffix wherever the value ends.
  const int valueEnd = p + vlen;
  const bool shift = ShiftHeld();
  if (key == VK_RIGHT && !suffix_.empty() && e >= valueEnd) return true;
  if (key == VK_DELETE && !suffix_.empty()) {
    if (e >= valueEnd && l == 0) return true;
    SetIsModified(true);
  }
  if (key == VK_LEFT && !prefix_.empty() && p >= e) return true;
  if (key == VK_END && !suffix_.empty()) {
    if (shift)
      Perform(EM_SETSEL, s, valueEnd);
    else
      Perform(EM_SETSEL, valueEnd, valueEnd);
    return true;
  }
  if (key == VK_HOME && !prefix_.empty()) {
    if (shift)
      Perform(EM_SETSEL, valueEnd, p);
    else
      Perform(EM_SETSEL, p, p);
    return true;
  }
  if (key == VK_BACK && !prefix_.empty()) {
    if (s <= p) return true;
    SetIsModified(true);
  }
  if (key == VK_DELETE && s >= p) {
    std::u32string pred = v;
    const int at = std::clamp(s - p, 0, vlen);
    const int n = l > 0 ? l : 1;
    if (at < vlen) pred.erase(static_cast<size_t>(at), static_cast<size_t>(std::min(n, vlen - at)));
    if (lengthLimit_ > 0 && IntegerPartEnd(Utf32ToUtf8(pred)) - 1 > lengthLimit_) return true;
    SetIsModified(true);
  }
  return false;
}
