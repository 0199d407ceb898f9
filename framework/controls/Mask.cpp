#include "framework/controls/Mask.h"

#include <algorithm>

#include "framework/controls/Clipbrd.h"
#include "framework/controls/Forms.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"

namespace {

bool IsLetter(char32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  if (c < 0xC0) return false;
  if (c == 0xD7 || c == 0xF7) return false;
  // Outside Latin-1 every character of an alphabet counts; symbols and
  // punctuation blocks do not.
  if (c >= 0x2000 && c <= 0x2BFF) return false;
  if (c >= 0x3000 && c <= 0x303F) return false;
  return true;
}
bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }

}  // namespace

// ---- TEditMask ----

TEditMask::TEditMask(const std::string& Mask) {
  std::u32string m = Utf8ToUtf32(Mask);
  // The fields split at unescaped semicolons.
  std::vector<std::u32string> fields(1);
  for (size_t i = 0; i < m.size(); ++i) {
    if (m[i] == '\\' && i + 1 < m.size() && fields.size() == 1) {
      fields.back() += m[i];
      fields.back() += m[++i];
      continue;
    }
    if (m[i] == ';' && fields.size() < 3) {
      fields.emplace_back();
      continue;
    }
    fields.back() += m[i];
  }
  if (fields.size() > 1 && !fields[1].empty()) saveLiterals_ = fields[1][0] != '0';
  if (fields.size() > 2 && !fields[2].empty()) blank_ = fields[2][0];
  const std::u32string& f = fields[0];
  Case c = cNone;
  const TFormatSettings& fs = FormatSettings();
  for (size_t i = 0; i < f.size(); ++i) {
    char32_t ch = f[i];
    Position p;
    p.caseMode = c;
    switch (ch) {
      case '\\':
        if (i + 1 < f.size()) {
          p.literal = f[++i];
          positions_.push_back(p);
        }
        continue;
      case '>':
        if (i + 1 < f.size() && f[i + 1] == '<') {
          ++i;
          c = cNone;
        } else {
          c = cUpper;
        }
        continue;
      case '<':
        if (i + 1 < f.size() && f[i + 1] == '>') {
          ++i;
          c = cNone;
        } else {
          c = cLower;
        }
        continue;
      case '!':
        leadingBlanks_ = true;
        continue;
      case '0':
        p.kind = kDigit;
        break;
      case '9':
        p.kind = kDigitOpt;
        break;
      case '#':
        p.kind = kDigitSign;
        break;
      case 'L':
        p.kind = kLetter;
        break;
      case 'l':
        p.kind = kLetterOpt;
        break;
      case 'A':
        p.kind = kAlnum;
        break;
      case 'a':
        p.kind = kAlnumOpt;
        break;
      case 'C':
        p.kind = kAny;
        break;
      case 'c':
        p.kind = kAnyOpt;
        break;
      case ':':
        p.literal = static_cast<unsigned char>(fs.TimeSeparator);
        break;
      case '/':
        p.literal = static_cast<unsigned char>(fs.DateSeparator);
        break;
      case '_':
        p.literal = ' ';
        break;
      default:
        p.literal = ch;
        break;
    }
    positions_.push_back(p);
  }
}

bool TEditMask::IsLiteral(int Pos) const {
  return Pos >= 0 && Pos < Length() && positions_[static_cast<size_t>(Pos)].kind == kLiteral;
}

bool TEditMask::IsRequired(int Pos) const {
  if (Pos < 0 || Pos >= Length()) return false;
  Kind k = positions_[static_cast<size_t>(Pos)].kind;
  return k == kDigit || k == kLetter || k == kAlnum || k == kAny;
}

bool TEditMask::Accepts(int Pos, char32_t& Ch) const {
  if (Pos < 0 || Pos >= Length()) return false;
  const Position& p = positions_[static_cast<size_t>(Pos)];
  bool ok = false;
  switch (p.kind) {
    case kLiteral:
      return false;
    case kDigit:
    case kDigitOpt:
      ok = IsDigit(Ch);
      break;
    case kDigitSign:
      ok = IsDigit(Ch) || Ch == '+' || Ch == '-';
      break;
    case kLetter:
    case kLetterOpt:
      ok = IsLetter(Ch);
      break;
    case kAlnum:
    case kAlnumOpt:
      ok = IsLetter(Ch) || IsDigit(Ch);
      break;
    case kAny:
    case kAnyOpt:
      ok = Ch >= 32 && Ch != 127;
      break;
  }
  if (!ok) return false;
  if (p.caseMode == cUpper) Ch = AnsiUpperChar(Ch);
  if (p.caseMode == cLower) Ch = AnsiLowerChar(Ch);
  return true;
}

std::u32string TEditMask::EmptyEditText() const {
  std::u32string s;
  for (const Position& p : positions_) s += p.kind == kLiteral ? p.literal : blank_;
  return s;
}

std::u32string TEditMask::TextToEditText(const std::u32string& Text) const {
  std::u32string out = EmptyEditText();
  auto put = [&](int pos, char32_t ch) {
    if (ch == ' ' || ch == blank_) return;
    if (Accepts(pos, ch)) out[static_cast<size_t>(pos)] = ch;
  };
  if (saveLiterals_) {
    for (int i = 0; i < Length() && i < static_cast<int>(Text.size()); ++i)
      if (!IsLiteral(i)) put(i, Text[static_cast<size_t>(i)]);
    return out;
  }
  std::vector<int> editable;
  for (int i = 0; i < Length(); ++i)
    if (!IsLiteral(i)) editable.push_back(i);
  std::u32string t = Text;
  if (t.size() > editable.size()) t.resize(editable.size());
  size_t first = leadingBlanks_ ? editable.size() - t.size() : 0;
  for (size_t k = 0; k < t.size(); ++k) put(editable[first + k], t[k]);
  return out;
}

std::u32string TEditMask::EditTextToText(const std::u32string& EditText) const {
  std::u32string out;
  for (int i = 0; i < Length(); ++i) {
    char32_t ch = i < static_cast<int>(EditText.size()) ? EditText[static_cast<size_t>(i)] : blank_;
    if (IsLiteral(i)) {
      if (saveLiterals_) out += positions_[static_cast<size_t>(i)].literal;
      continue;
    }
    out += ch == blank_ ? U' ' : ch;
  }
  if (!saveLiterals_) {
    // Empty positions at the open end carry no value.
    if (leadingBlanks_) {
      size_t s = out.find_first_not_of(U' ');
      out = s == std::u32string::npos ? std::u32string() : out.substr(s);
    } else {
      size_t e = out.find_last_not_of(U' ');
      out = e == std::u32string::npos ? std::u32string() : out.substr(0, e + 1);
    }
  }
  return out;
}

int TEditMask::FirstIncomplete(const std::u32string& EditText) const {
  for (int i = 0; i < Length(); ++i) {
    if (!IsRequired(i)) continue;
    char32_t ch = i < static_cast<int>(EditText.size()) ? EditText[static_cast<size_t>(i)] : blank_;
    char32_t test = ch;
    if (ch == blank_ || ch == ' ' || !Accepts(i, test)) return i;
  }
  return -1;
}

int TEditMask::NextEditable(int Pos) const {
  int i = std::max(Pos, 0);
  while (i < Length() && IsLiteral(i)) ++i;
  return i;
}

int TEditMask::PrevEditable(int Pos) const {
  int i = std::min(Pos, Length()) - 1;
  while (i >= 0 && IsLiteral(i)) --i;
  return i;
}

// ---- TCustomMaskEdit ----

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const std::string& Value) {
  std::string value = GetText();
  editMask_ = Value;
  mask_ = TEditMask(Value);
  if (IsMasked()) {
    SetMaxLength(mask_.Length());
    SetChars(mask_.TextToEditText(Utf8ToUtf32(value)), true);
  } else {
    SetMaxLength(0);
    SetChars(Utf8ToUtf32(value), true);
  }
  oldValue_ = Chars();
}

std::string TCustomMaskEdit::EditText() const { return Utf32ToUtf8(Chars()); }

void TCustomMaskEdit::SetEditText(const std::string& Value) {
  std::u32string s = Utf8ToUtf32(Value);
  if (IsMasked()) {
    std::u32string e = mask_.EmptyEditText();
    for (int i = 0; i < mask_.Length() && i < static_cast<int>(s.size()); ++i) {
      char32_t ch = s[static_cast<size_t>(i)];
      if (!mask_.IsLiteral(i) && ch != mask_.Blank() && mask_.Accepts(i, ch)) e[static_cast<size_t>(i)] = ch;
    }
    s = e;
  }
  SetChars(s, true);
}

std::string TCustomMaskEdit::GetText() const {
  std::string shown = TCustomEdit::GetText();
  if (!IsMasked()) return shown;
  return Utf32ToUtf8(mask_.EditTextToText(Utf8ToUtf32(shown)));
}

void TCustomMaskEdit::SetTextValue(const std::string& Value) {
  if (!IsMasked()) {
    TCustomEdit::SetTextValue(Value);
    return;
  }
  std::string edit = Utf32ToUtf8(mask_.TextToEditText(Utf8ToUtf32(Value)));
  TCustomEdit::SetTextValue(edit);
}

void TCustomMaskEdit::Reset() {
  if (!IsMasked()) return;
  SetChars(oldValue_, true);
  SetModified(false);
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked() || !Modified()) return;
  int pos = mask_.FirstIncomplete(Chars());
  if (pos < 0) return;
  reEnter_ = true;
  if (CanFocus()) SetFocus();
  SetSelection(pos, pos);
  MessageBeep(0);
  throw EDBEditError("Invalid input value.  Use escape key to abandon changes");
}

void TCustomMaskEdit::CMEnter(TMessage& Message) {
  if (IsMasked()) {
    if (!reEnter_) oldValue_ = Chars();
    reEnter_ = false;
  }
  TCustomEdit::CMEnter(Message);
}

void TCustomMaskEdit::CMExit(TMessage& Message) {
  try {
    ValidateEdit();
  } catch (...) {
    if (CanFocus()) SetFocus();
    throw;
  }
  TCustomEdit::CMExit(Message);
}

void TCustomMaskEdit::BlankRange(int From, int To) {
  std::u32string s = Chars();
  for (int i = std::max(0, From); i < std::min(To, mask_.Length()); ++i)
    if (!mask_.IsLiteral(i)) s[static_cast<size_t>(i)] = mask_.Blank();
  EditChars(s, From, From);
}

void TCustomMaskEdit::TypeChar(char32_t Ch) {
  if (ReadOnly()) {
    MessageBeep(0);
    return;
  }
  int start = SelStart(), len = SelLength();
  std::u32string s = Chars();
  if (len > 0)
    for (int i = start; i < start + len && i < mask_.Length(); ++i)
      if (!mask_.IsLiteral(i)) s[static_cast<size_t>(i)] = mask_.Blank();
  int pos = mask_.NextEditable(start);
  if (pos >= mask_.Length()) {
    MessageBeep(0);
    return;
  }
  char32_t c = Ch;
  if (c == ' ' && !mask_.IsRequired(pos)) {
    c = mask_.Blank();
  } else if (!mask_.Accepts(pos, c)) {
    MessageBeep(0);
    return;
  }
  s[static_cast<size_t>(pos)] = c;
  int next = mask_.NextEditable(pos + 1);
  if (next > mask_.Length()) next = mask_.Length();
  EditChars(s, next, next);
}

void TCustomMaskEdit::PasteMasked() {
  std::u32string text = Utf8ToUtf32(Clipboard()->AsText());
  for (char32_t ch : text) {
    if (ch == '\r' || ch == '\n') break;
    int pos = mask_.NextEditable(SelStart());
    if (pos >= mask_.Length()) break;
    // Literals in the pasted text are stepped over where the mask has them.
    if (mask_.IsLiteral(SelStart()) && Chars()[static_cast<size_t>(SelStart())] == ch) {
      SetSelection(SelStart() + 1, SelStart() + 1);
      continue;
    }
    TypeChar(ch);
  }
}

void TCustomMaskEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TCustomEdit::KeyDown(Key, Shift);
  if (!IsMasked() || Key == 0) return;
  if (Key == VK_DELETE && !Shift.Contains(ssShift)) {
    if (ReadOnly()) return;
    int from = SelStart(), to = SelStart() + std::max(SelLength(), 1);
    if (SelLength() == 0) {
      int p = mask_.NextEditable(from);
      if (p >= mask_.Length()) {
        Key = 0;
        return;
      }
      from = SelStart();
      to = p + 1;
    }
    BlankRange(from, to);
    SetSelection(from, from);
    Key = 0;
  } else if (Key == VK_INSERT && Shift.Contains(ssShift)) {
    if (!ReadOnly()) PasteMasked();
    Key = 0;
  }
}

void TCustomMaskEdit::KeyPress(char32_t& Key) {
  TCustomEdit::KeyPress(Key);
  if (!IsMasked() || Key == 0) return;
  switch (Key) {
    case 3:  // Ctrl+C copies as any edit does
      return;
    case 22:
      if (!ReadOnly()) PasteMasked();
      Key = 0;
      return;
    case 24:
      if (!ReadOnly() && PasswordChar() == 0) {
        CopyToClipboard();
        BlankRange(SelStart(), SelStart() + SelLength());
      }
      Key = 0;
      return;
    case 27:
      Reset();
      SelectAll();
      Key = 0;
      return;
    case 8: {
      if (ReadOnly()) {
        Key = 0;
        return;
      }
      if (SelLength() > 0) {
        BlankRange(SelStart(), SelStart() + SelLength());
      } else {
        int p = mask_.PrevEditable(SelStart());
        if (p >= 0) BlankRange(p, p + 1);
      }
      Key = 0;
      return;
    }
    default:
      break;
  }
  if (Key < 32) {
    if (Key != 1 && Key != 26) Key = 0;
    return;
  }
  TypeChar(Key);
  Key = 0;
}

void TCustomMaskEdit::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY) {
    // Escape undoes a changed masked input before it cancels the dialog.
    if (Message.WParam == VK_ESCAPE && IsMasked() && Modified()) {
      Message.Result = 1;
      return;
    }
  }
  TCustomEdit::WndProc(Message);
}
