#include "framework/rtl/StrUtils.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "framework/rtl/FloatText.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/SysUtils.h"

namespace {
inline bool IsBlankOrControl(unsigned char c) { return c <= 0x20; }
inline char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
inline char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The integer reader shared by the 32- and 64-bit forms. Bits is the width;
// decimal values must fit the signed range, hexadecimal ones the unsigned.
int ValInteger(std::string_view S, int Bits, std::int64_t& Out) {
  const std::uint64_t hexMax =
      Bits == 64 ? std::numeric_limits<std::uint64_t>::max() : (std::uint64_t{1} << Bits) - 1;
  const std::uint64_t posMax = (std::uint64_t{1} << (Bits - 1)) - 1;
  std::size_t i = 0;
  const std::size_t n = S.size();
  auto fail = [&](std::size_t at) { return static_cast<int>(at + 1); };
  while (i < n && S[i] == ' ') ++i;
  bool neg = false;
  if (i < n && (S[i] == '-' || S[i] == '+')) {
    neg = S[i] == '-';
    ++i;
  }
  bool hex = false;
  if (i < n && (S[i] == '$' || S[i] == 'x' || S[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && S[i] == '0' && (S[i + 1] == 'x' || S[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return fail(i);
  std::uint64_t v = 0;
  if (hex) {
    for (; i < n; ++i) {
      int d = HexDigit(S[i]);
      if (d < 0) return fail(i);
      if (v > (hexMax >> 4)) return fail(i);
      v = (v << 4) | static_cast<unsigned>(d);
    }
    // A hexadecimal value is a bit pattern of the target width.
    std::uint64_t pattern = neg ? (~v + 1) & hexMax : v;
    if (Bits == 64) {
      Out = static_cast<std::int64_t>(pattern);
    } else {
      Out = static_cast<std::int32_t>(static_cast<std::uint32_t>(pattern));
    }
    return 0;
  }
  const std::uint64_t limit = neg ? posMax + 1 : posMax;
  for (; i < n; ++i) {
    char c = S[i];
    if (c < '0' || c > '9') return fail(i);
    unsigned d = static_cast<unsigned>(c - '0');
    if (v > (limit - d) / 10) return fail(i);
    v = v * 10 + d;
  }
  Out = neg ? static_cast<std::int64_t>(0 - v) : static_cast<std::int64_t>(v);
  return 0;
}

// Scans a number "[blanks][sign]digits[sep digits][e[sign]digits][blanks]"
// into a plain C-style text with '.'; returns the 0-based failing index or
// npos when the whole text is a number.
std::size_t ScanFloat(std::string_view S, char Sep, bool AllowTrailingBlanks, std::string& Plain) {
  std::size_t i = 0;
  const std::size_t n = S.size();
  while (i < n && S[i] == ' ') ++i;
  if (i < n && (S[i] == '+' || S[i] == '-')) {
    if (S[i] == '-') Plain += '-';
    ++i;
  }
  bool digits = false;
  while (i < n && S[i] >= '0' && S[i] <= '9') {
    Plain += S[i++];
    digits = true;
  }
  if (i < n && S[i] == Sep) {
    Plain += '.';
    ++i;
    while (i < n && S[i] >= '0' && S[i] <= '9') {
      Plain += S[i++];
      digits = true;
    }
  }
  if (!digits) return i;
  if (i < n && (S[i] == 'e' || S[i] == 'E')) {
    Plain += 'e';
    ++i;
    if (i < n && (S[i] == '+' || S[i] == '-')) Plain += S[i++];
    bool expDigits = false;
    while (i < n && S[i] >= '0' && S[i] <= '9') {
      Plain += S[i++];
      expDigits = true;
    }
    if (!expDigits) return i;
  }
  if (AllowTrailingBlanks)
    while (i < n && S[i] == ' ') ++i;
  return i == n ? std::string_view::npos : i;
}

bool PlainToDouble(const std::string& Plain, double& Value) {
  const char* first = Plain.data();
  const char* last = Plain.data() + Plain.size();
  double v = 0;
  auto res = std::from_chars(first, last, v);
  if (res.ec == std::errc::result_out_of_range) {
    // Too small rounds to zero; too large is no number.
    bool tiny = Plain.find("e-") != std::string::npos;
    if (!tiny) return false;
    v = 0;
  } else if (res.ec != std::errc() || res.ptr != last) {
    return false;
  }
  Value = v;
  return true;
}

std::string NotAnInteger(std::string_view S) {
  return "'" + std::string(S) + "' is not a valid integer value";
}

// Simple case pairs of the Latin, Greek and Cyrillic blocks.
char32_t UpperOf(char32_t c) {
  if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x130 || c == 0x131) return c == 0x131 ? 'I' : c;  // dotted and dotless i
    bool oddLower = (c <= 0x137) || (c >= 0x14A && c <= 0x177);
    bool evenLower = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddLower && (c & 1)) return c - 1;
    if (evenLower && !(c & 1)) return c - 1;
    return c;
  }
  if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 0x20;
  if (c == 0x3C2) return 0x3A3;
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  if (((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF)) && (c & 1)) return c - 1;
  return c;
}

char32_t LowerOf(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c == 0x178) return 0xFF;
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x130 || c == 0x131) return c == 0x130 ? 'i' : c;  // dotted and dotless i
    bool evenUpper = (c <= 0x137) || (c >= 0x14A && c <= 0x177);
    bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (evenUpper && !(c & 1)) return c + 1;
    if (oddUpper && (c & 1)) return c + 1;
    return c;
  }
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 0x20;
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 0x25;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 0x3F;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  if (((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF)) && !(c & 1)) return c + 1;
  return c;
}

template <typename F>
std::string MapChars(std::string_view S, F f) {
  std::string out;
  out.reserve(S.size());
  std::size_t pos = 0;
  while (pos < S.size()) AppendUtf8(out, f(NextUtf8Char(S, pos)));
  return out;
}

int Sign(long long v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }
}  // namespace

std::string Trim(std::string_view S) { return std::string(TrimmedView(S)); }

std::string_view TrimmedView(std::string_view S) {
  while (!S.empty() && IsBlankOrControl(static_cast<unsigned char>(S.front()))) S.remove_prefix(1);
  while (!S.empty() && IsBlankOrControl(static_cast<unsigned char>(S.back()))) S.remove_suffix(1);
  return S;
}

std::string TrimLeft(std::string_view S) {
  std::size_t i = 0;
  while (i < S.size() && IsBlankOrControl(static_cast<unsigned char>(S[i]))) ++i;
  return std::string(S.substr(i));
}

std::string TrimRight(std::string_view S) {
  std::size_t n = S.size();
  while (n > 0 && IsBlankOrControl(static_cast<unsigned char>(S[n - 1]))) --n;
  return std::string(S.substr(0, n));
}

std::string UpperCase(std::string_view S) {
  std::string r(S);
  for (char& c : r) c = AsciiUpper(c);
  return r;
}

std::string LowerCase(std::string_view S) {
  std::string r(S);
  for (char& c : r) c = AsciiLower(c);
  return r;
}

int CompareText(std::string_view A, std::string_view B) {
  std::size_t n = std::min(A.size(), B.size());
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(AsciiUpper(A[i]));
    unsigned char y = static_cast<unsigned char>(AsciiUpper(B[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return Sign(static_cast<long long>(A.size()) - static_cast<long long>(B.size()));
}

bool SameText(std::string_view A, std::string_view B) {
  return A.size() == B.size() && CompareText(A, B) == 0;
}

std::size_t TTextHash::operator()(std::string_view S) const {
  std::size_t h = 14695981039346656037ull;
  for (unsigned char c : S) {
    if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 32);
    h = (h ^ c) * 1099511628211ull;
  }
  return h;
}

int CompareStr(std::string_view A, std::string_view B) {
  int c = A.compare(B);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

char32_t AnsiUpperChar(char32_t C) { return UpperOf(C); }
char32_t AnsiLowerChar(char32_t C) { return LowerOf(C); }
std::string AnsiUpperCase(std::string_view S) { return MapChars(S, UpperOf); }
std::string AnsiLowerCase(std::string_view S) { return MapChars(S, LowerOf); }

int AnsiCompareText(std::string_view A, std::string_view B) {
  std::size_t i = 0, j = 0;
  while (i < A.size() && j < B.size()) {
    char32_t x = UpperOf(NextUtf8Char(A, i));
    char32_t y = UpperOf(NextUtf8Char(B, j));
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < A.size()) return 1;
  if (j < B.size()) return -1;
  return 0;
}

int AnsiCompareStr(std::string_view A, std::string_view B) {
  int c = AnsiCompareText(A, B);
  if (c != 0) return c;
  // Case decides only between texts equal apart from case: lower case first.
  std::size_t i = 0, j = 0;
  while (i < A.size() && j < B.size()) {
    char32_t x = NextUtf8Char(A, i);
    char32_t y = NextUtf8Char(B, j);
    if (x == y) continue;
    bool xLower = UpperOf(x) != x;
    bool yLower = UpperOf(y) != y;
    if (xLower != yLower) return xLower ? -1 : 1;
    return x < y ? -1 : 1;
  }
  return CompareStr(A, B);
}

bool AnsiSameText(std::string_view A, std::string_view B) { return AnsiCompareText(A, B) == 0; }

std::string IntToHexBits(std::uint64_t Bits, int Digits) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string r;
  do {
    r.insert(r.begin(), kHex[Bits & 0xF]);
    Bits >>= 4;
  } while (Bits != 0);
  if (static_cast<int>(r.size()) < Digits) r.insert(0, static_cast<std::size_t>(Digits) - r.size(), '0');
  return r;
}

int Val(std::string_view S, std::int32_t& Value) {
  std::int64_t v = 0;
  int code = ValInteger(S, 32, v);
  if (code == 0) Value = static_cast<std::int32_t>(v);
  return code;
}

int Val(std::string_view S, std::int64_t& Value) {
  std::int64_t v = 0;
  int code = ValInteger(S, 64, v);
  if (code == 0) Value = v;
  return code;
}

int Val(std::string_view S, double& Value) {
  std::string plain;
  std::size_t bad = ScanFloat(S, '.', false, plain);
  if (bad != std::string_view::npos) return static_cast<int>(bad + 1);
  double v = 0;
  if (!PlainToDouble(plain, v)) return static_cast<int>(S.size() + 1);
  Value = v;
  return 0;
}

bool TryStrToInt(std::string_view S, std::int32_t& Value) { return Val(S, Value) == 0; }
bool TryStrToInt64(std::string_view S, std::int64_t& Value) { return Val(S, Value) == 0; }

std::int32_t StrToIntDef(std::string_view S, std::int32_t Default) {
  std::int32_t v = 0;
  return Val(S, v) == 0 ? v : Default;
}

std::int64_t StrToInt64Def(std::string_view S, std::int64_t Default) {
  std::int64_t v = 0;
  return Val(S, v) == 0 ? v : Default;
}

std::int32_t StrToInt(std::string_view S) {
  std::int32_t v = 0;
  if (Val(S, v) != 0) throw EConvertError(NotAnInteger(S));
  return v;
}

std::int64_t StrToInt64(std::string_view S) {
  std::int64_t v = 0;
  if (Val(S, v) != 0) throw EConvertError(NotAnInteger(S));
  return v;
}

std::string FloatToStr(double Value) { return FloatToStrF(Value, ffGeneral, 15, 0, FormatSettings()); }

std::string FloatToStr(double Value, char DecimalSeparator) {
  TFormatSettings fs = FormatSettings();
  fs.DecimalSeparator = DecimalSeparator;
  return FloatToStrF(Value, ffGeneral, 15, 0, fs);
}

std::string FloatToStr(double Value, const TFormatSettings& Settings) {
  return FloatToStrF(Value, ffGeneral, 15, 0, Settings);
}

std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits) {
  return FloatToStrF(Value, Format, Precision, Digits, FormatSettings());
}

std::string FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits,
                        const TFormatSettings& Settings) {
  return FormatFloatText(Value, Format, Precision, Digits, Settings);
}

bool TryStrToFloat(std::string_view S, double& Value) {
  return TryStrToFloat(S, Value, FormatSettings().DecimalSeparator);
}

bool TryStrToFloat(std::string_view S, double& Value, char DecimalSeparator) {
  std::string plain;
  if (ScanFloat(S, DecimalSeparator, true, plain) != std::string_view::npos) return false;
  return PlainToDouble(plain, Value);
}

bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings) {
  return TryStrToFloat(S, Value, Settings.DecimalSeparator);
}

double StrToFloat(std::string_view S) { return StrToFloat(S, FormatSettings().DecimalSeparator); }

double StrToFloat(std::string_view S, char DecimalSeparator) {
  double v = 0;
  if (!TryStrToFloat(S, v, DecimalSeparator))
    throw EConvertError("'" + std::string(S) + "' is not a valid floating point value");
  return v;
}

double StrToFloat(std::string_view S, const TFormatSettings& Settings) {
  return StrToFloat(S, Settings.DecimalSeparator);
}

double StrToFloatDef(std::string_view S, double Default) {
  double v = 0;
  return TryStrToFloat(S, v) ? v : Default;
}

std::string StringReplace(std::string_view S, std::string_view OldPattern, std::string_view NewPattern,
                          TReplaceFlags Flags) {
  if (OldPattern.empty()) return std::string(S);
  const bool ignoreCase = Flags.Contains(rfIgnoreCase);
  const bool all = Flags.Contains(rfReplaceAll);
  auto matchAt = [&](std::size_t i) {
    if (i + OldPattern.size() > S.size()) return false;
    for (std::size_t k = 0; k < OldPattern.size(); ++k) {
      char a = S[i + k], b = OldPattern[k];
      if (ignoreCase ? AsciiUpper(a) != AsciiUpper(b) : a != b) return false;
    }
    return true;
  };
  std::string out;
  out.reserve(S.size());
  std::size_t i = 0;
  bool replaced = false;
  while (i < S.size()) {
    if ((all || !replaced) && matchAt(i)) {
      out.append(NewPattern);
      i += OldPattern.size();
      replaced = true;
    } else {
      out += S[i++];
    }
  }
  return out;
}

int Pos(std::string_view Sub, std::string_view S) { return PosEx(Sub, S, 0); }

int PosEx(std::string_view Sub, std::string_view S, int Offset) {
  if (Sub.empty() || Offset < 0 || static_cast<std::size_t>(Offset) > S.size()) return -1;
  std::size_t p = S.find(Sub, static_cast<std::size_t>(Offset));
  return p == std::string_view::npos ? -1 : static_cast<int>(p);
}

namespace {
// Length of the well-formed sequence at Pos, its character in C; 0 when the
// bytes there are malformed, overlong, a surrogate or beyond U+10FFFF.
std::size_t DecodeUtf8At(std::string_view S, std::size_t Pos, char32_t& C) {
  const auto b0 = static_cast<unsigned char>(S[Pos]);
  if (b0 < 0x80) {
    C = b0;
    return 1;
  }
  std::size_t len = 0;
  char32_t c = 0;
  char32_t min = 0;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2;
    c = b0 & 0x1F;
    min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3;
    c = b0 & 0x0F;
    min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4;
    c = b0 & 0x07;
    min = 0x10000;
  } else {
    return 0;
  }
  if (Pos + len > S.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    auto b = static_cast<unsigned char>(S[Pos + k]);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  C = c;
  return len;
}
}  // namespace

char32_t NextUtf8Char(std::string_view S, std::size_t& Pos) {
  char32_t c = 0;
  const std::size_t len = DecodeUtf8At(S, Pos, c);
  if (len == 0) {
    ++Pos;
    return 0xFFFD;
  }
  Pos += len;
  return c;
}

bool IsValidUtf8(std::string_view S) {
  std::size_t pos = 0;
  char32_t c = 0;
  while (pos < S.size()) {
    const std::size_t len = DecodeUtf8At(S, pos, c);
    if (len == 0) return false;
    pos += len;
  }
  return true;
}

void AppendUtf8(std::string& Out, char32_t C) {
  if (C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF)) C = 0xFFFD;
  if (C < 0x80) {
    Out += static_cast<char>(C);
  } else if (C < 0x800) {
    Out += static_cast<char>(0xC0 | (C >> 6));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else if (C < 0x10000) {
    Out += static_cast<char>(0xE0 | (C >> 12));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (C >> 18));
    Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  }
}

int Utf8Length(std::string_view S) {
  int n = 0;
  std::size_t pos = 0;
  while (pos < S.size()) {
    NextUtf8Char(S, pos);
    ++n;
  }
  return n;
}

std::size_t Utf8Offset(std::string_view S, int Index) {
  std::size_t pos = 0;
  for (int i = 0; i < Index && pos < S.size(); ++i) NextUtf8Char(S, pos);
  return pos;
}

std::string Utf8Copy(std::string_view S, int Start, int Count) {
  if (Start < 0) {
    Count += Start;
    Start = 0;
  }
  if (Count <= 0) return {};
  std::size_t from = Utf8Offset(S, Start);
  std::size_t to = from;
  for (int i = 0; i < Count && to < S.size(); ++i) NextUtf8Char(S, to);
  return std::string(S.substr(from, to - from));
}

std::u32string Utf8ToUtf32(std::string_view S) {
  std::u32string out;
  out.reserve(S.size());
  std::size_t pos = 0;
  while (pos < S.size()) out += NextUtf8Char(S, pos);
  return out;
}

std::string Utf32ToUtf8(std::u32string_view S) {
  std::string out;
  out.reserve(S.size());
  for (char32_t c : S) AppendUtf8(out, c);
  return out;
}

std::u16string Utf8ToUtf16(std::string_view S) {
  std::u16string out;
  out.reserve(S.size());
  std::size_t pos = 0;
  while (pos < S.size()) {
    char32_t c = NextUtf8Char(S, pos);
    if (c >= 0x10000) {
      c -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (c >> 10));
      out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
      out += static_cast<char16_t>(c);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view S) {
  std::string out;
  out.reserve(S.size());
  for (std::size_t i = 0; i < S.size(); ++i) {
    char32_t c = S[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < S.size() && S[i + 1] >= 0xDC00 && S[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (S[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    AppendUtf8(out, c);
  }
  return out;
}

int Utf16Length(std::string_view S) {
  int n = 0;
  std::size_t pos = 0;
  while (pos < S.size()) n += NextUtf8Char(S, pos) >= 0x10000 ? 2 : 1;
  return n;
}

std::vector<std::string> SplitString(std::string_view S, char Delimiter) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    std::size_t p = S.find(Delimiter, start);
    if (p == std::string_view::npos) {
      parts.emplace_back(S.substr(start));
      return parts;
    }
    parts.emplace_back(S.substr(start, p - start));
    start = p + 1;
  }
}

std::string QuotedStr(std::string_view S, char Quote) {
  std::string r(1, Quote);
  for (char c : S) {
    r += c;
    if (c == Quote) r += c;
  }
  r += Quote;
  return r;
}

std::string PercentEncode(std::string_view S, std::string_view Plain) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(S.size());
  for (unsigned char c : S) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
        Plain.find(static_cast<char>(c)) != std::string_view::npos) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}
