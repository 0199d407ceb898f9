// Cell-text kinds, the wide form, line-break and quote conversions, string,
// URL and colour helpers.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/rtl/CodePage.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevUtil.h"
#include "grid/base/VevUtil_Chars.h"

namespace {

bool Contains(std::string_view s, char c) { return s.find(c) != std::string_view::npos; }

// Replaces every occurrence of the single byte From by To.
std::string ReplaceByte(std::string_view s, char From, std::string_view To) {
  std::string out;
  out.reserve(s.size() + 8);
  for (char c : s) {
    if (c == From)
      out.append(To);
    else
      out.push_back(c);
  }
  return out;
}

// Every line break as To: a CR becomes To, an LF goes.
std::string ReplaceLineBreaks(std::string_view s, std::string_view To) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c == '\r')
      out.append(To);
    else if (c != '\n')
      out.push_back(c);
  }
  return out;
}

int ToPos(std::size_t p) { return p == std::string_view::npos ? -1 : static_cast<int>(p); }

// Byte length of the character starting at s[i].
std::size_t CharLength(std::string_view s, std::size_t i) {
  std::size_t j = i;
  NextChar(s, j);
  return j - i;
}

}  // namespace

// ---------------------------------------------------------------------------
// Text kinds and the wide form

int ClassifyCellText(std::string_view Text, bool MarkupEnabled) {
  const std::size_t n = Text.size();
  if (n == 0) return tkPlain;
  if (Text[0] == '=') return tkFormula;
  if (n >= 2 && Text[0] == '|' && Text[1] == '\\') {
    // A wide "=" followed by a wide character whose high byte is 0 is a
    // formula carried in the wide form.
    if (n > 2) {
      std::size_t i = 2;
      NextChar(Text, i);
      if (i + 1 < n && Text[i] == '=' && Text[i + 1] == '\0') return tkFormula;
    }
    return tkWideText;
  }
  if (n >= 2 && Text[0] == '{' && Text[1] == '\\') return tkRichText;
  if (!MarkupEnabled) return tkPlain;
  // "</", "<B", "<I" or "<C" anywhere.
  const char* p = Text.data();
  const char* end = p + n;
  while (p < end) {
    const void* hit = std::memchr(p, '<', static_cast<std::size_t>(end - p));
    if (!hit) break;
    p = static_cast<const char*>(hit) + 1;
    if (p < end && (*p == '/' || *p == 'B' || *p == 'I' || *p == 'C')) return tkMarkup;
  }
  return tkPlain;
}

std::string DecodeWideCellText(std::string_view Text) {
  if (Text.size() < 2 || Text[0] != '|' || Text[1] != '\\') return std::string(Text);
  std::u16string units;
  units.reserve(Text.size() / 2);
  std::size_t i = 2;
  while (i < Text.size()) {
    const char32_t hi = NextChar(Text, i);
    if (i >= Text.size()) break;  // an odd last character carries no unit
    const char32_t lo = NextChar(Text, i);
    units.push_back(static_cast<char16_t>(((hi << 8) + lo) & 0xFFFF));
  }
  return Utf16ToUtf8(units);
}

std::string EncodeWideCellText(std::string_view Text) {
  std::string out = "|\\";
  for (char16_t u : Utf8ToUtf16(Text)) {
    AppendUtf8(out, static_cast<char32_t>(u >> 8));
    AppendUtf8(out, static_cast<char32_t>(u & 0xFF));
  }
  return out;
}

int WidePos(std::string_view SubStr, std::string_view Text) { return Pos(SubStr, Text); }

std::string RichTextToPlain(std::string_view Rtf) {
  std::string bytes;  // Windows-1252 runs are decoded at the end of each
  std::string out;
  auto flush = [&] {
    if (!bytes.empty()) out += Cp1252ToUtf8(bytes);
    bytes.clear();
  };
  std::vector<bool> skip{false};
  int skipChars = 0;  // the fallback characters after \uN
  size_t i = 0;
  while (i < Rtf.size()) {
    const char c = Rtf[i];
    if (c == '{') {
      skip.push_back(skip.back());
      ++i;
      continue;
    }
    if (c == '}') {
      if (skip.size() > 1) skip.pop_back();
      ++i;
      continue;
    }
    if (c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c != '\\') {
      if (skipChars > 0)
        --skipChars;
      else if (!skip.back())
        bytes += c;
      ++i;
      continue;
    }
    ++i;
    if (i >= Rtf.size()) break;
    const char n = Rtf[i];
    if (n == '\\' || n == '{' || n == '}') {
      if (!skip.back()) bytes += n;
      ++i;
      continue;
    }
    if (n == '*') {
      skip.back() = true;
      ++i;
      continue;
    }
    if (n == '\'') {
      if (i + 2 < Rtf.size()) {
        const std::string hex(Rtf.substr(i + 1, 2));
        char* end = nullptr;
        const long v = std::strtol(hex.c_str(), &end, 16);
        if (skipChars > 0)
          --skipChars;
        else if (!skip.back() && end == hex.c_str() + 2)
          bytes += static_cast<char>(v);
      }
      i += 3;
      continue;
    }
    if (!std::isalpha(static_cast<unsigned char>(n))) {
      ++i;
      continue;
    }
    size_t e = i;
    while (e < Rtf.size() && std::isalpha(static_cast<unsigned char>(Rtf[e]))) ++e;
    const std::string word(Rtf.substr(i, e - i));
    size_t d = e;
    if (d < Rtf.size() && (Rtf[d] == '-' || std::isdigit(static_cast<unsigned char>(Rtf[d])))) ++d;
    while (d < Rtf.size() && std::isdigit(static_cast<unsigned char>(Rtf[d]))) ++d;
    const std::string num(Rtf.substr(e, d - e));
    if (d < Rtf.size() && Rtf[d] == ' ') ++d;
    i = d;
    if (word == "fonttbl" || word == "colortbl" || word == "stylesheet" || word == "info" || word == "pict") {
      skip.back() = true;
    } else if (skip.back()) {
      continue;
    } else if (word == "par" || word == "line") {
      flush();
      out += "\r\n";
    } else if (word == "tab") {
      bytes += '\t';
    } else if (word == "u" && !num.empty()) {
      flush();
      long v = std::strtol(num.c_str(), nullptr, 10);
      if (v < 0) v += 65536;
      out += Utf32ToUtf8(std::u32string(1, static_cast<char32_t>(v)));
      skipChars = 1;
    }
  }
  flush();
  // The last paragraph mark ends the document, not a line of it.
  if (out.size() >= 2 && out.compare(out.size() - 2, 2, "\r\n") == 0) out.resize(out.size() - 2);
  return out;
}

// ---------------------------------------------------------------------------
// Line breaks and quotes

namespace {
// Texts the stored format cannot carry (see EncodeCellBreaks) are written
// behind this marker, with every control character of the encoding escaped
// as U+0001 and a letter. The marker holds a U+0008 and the text no U+0009,
// which no text of the stored format does that holds a line break.
constexpr std::string_view kEscapedMarker("\b\x01", 2);
constexpr char kEsc = '\x01';

char EscapeLetter(char c) {
  switch (c) {
    case '\r':
      return 'R';
    case '\n':
      return 'N';
    case '\t':
      return 'T';
    case '\b':
      return 'B';
    case kEsc:
      return 'E';
    case '\0':
      return '0';
    default:
      return 0;
  }
}

char Unescaped(char letter) {
  switch (letter) {
    case 'R':
      return '\r';
    case 'N':
      return '\n';
    case 'T':
      return '\t';
    case 'B':
      return '\b';
    case 'E':
      return kEsc;
    default:
      return '\0';
  }
}

// The stored format: only a text holding a CR is changed, CR to TAB, LF to
// BS and NUL to U+0001; only a text holding a BS is changed back.
std::string StoredForm(std::string_view Text) {
  std::string out(Text);
  if (out.find('\r') == std::string::npos) return out;
  for (char& c : out) {
    if (c == '\r')
      c = '\t';
    else if (c == '\n')
      c = '\b';
    else if (c == '\0')
      c = kEsc;
  }
  return out;
}

std::string FromStoredForm(std::string_view Text) {
  std::string out(Text);
  if (out.find('\b') == std::string::npos) return out;
  for (char& c : out) {
    if (c == '\t')
      c = '\r';
    else if (c == '\b')
      c = '\n';
    else if (c == kEsc)
      c = '\0';
  }
  return out;
}

// Whether the stored format gives Text back unchanged.
bool StoredFormKeeps(std::string_view Text) {
  bool cr = false, lf = false, other = false;
  for (char c : Text) {
    cr = cr || c == '\r';
    lf = lf || c == '\n';
    other = other || c == '\t' || c == '\b' || c == kEsc;
  }
  // Without a CR the text is stored as it is: an LF would split the line,
  // and a BS makes it read back changed. With one, a lone CR (no BS stored)
  // or a TAB, BS or U+0001 of its own (read back as line breaks or NUL)
  // would come back changed.
  return cr ? (lf && !other) : !lf && Text.find('\b') == std::string_view::npos;
}
}  // namespace

std::string EncodeCellBreaks(std::string_view Text) {
  if (StoredFormKeeps(Text)) return StoredForm(Text);
  std::string out(kEscapedMarker);
  out.reserve(Text.size() + 8);
  for (char c : Text) {
    if (const char letter = EscapeLetter(c)) {
      out.push_back(kEsc);
      out.push_back(letter);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::string DecodeCellBreaks(std::string_view Text, bool KeepAllLines) {
  std::string out;
  if (Text.substr(0, kEscapedMarker.size()) == kEscapedMarker && Text.find('\t') == std::string_view::npos) {
    out.reserve(Text.size());
    for (std::size_t i = kEscapedMarker.size(); i < Text.size(); ++i) {
      if (Text[i] == kEsc && i + 1 < Text.size())
        out.push_back(Unescaped(Text[++i]));
      else
        out.push_back(Text[i]);
    }
  } else {
    out = FromStoredForm(Text);
  }
  if (!KeepAllLines) return CutFirstLine(out, false);
  return out;
}

std::string CutFirstLine(std::string& Source, bool KeepRest) {
  const std::size_t p = Source.find('\r');
  if (p == std::string::npos) {
    std::string whole = std::move(Source);
    Source.clear();
    return whole;
  }
  std::string first = Source.substr(0, p);
  std::size_t rest = p + 1;
  if (rest < Source.size() && Source[rest] == '\n') ++rest;
  if (KeepRest)
    Source.erase(0, rest);
  else
    Source.clear();
  return first;
}

int LineCount(std::string_view Text, bool MultiLine) {
  if (!MultiLine) return 1;
  int n = 1;
  for (char c : Text) n += (c == '\r');
  return n;
}

std::string LineBreaksToBR(std::string_view Text) {
  if (!Contains(Text, '\r')) return std::string(Text);
  return ReplaceByte(Text, '\r', "<br>");
}

std::string EncodeLineBreaks(std::string_view Text) { return ReplaceLineBreaks(Text, "\\n"); }

std::string DecodeLineBreaks(std::string_view Text) {
  std::string out;
  out.reserve(Text.size());
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '\\' && i + 1 < Text.size() && Text[i + 1] == 'n') {
      out.push_back('\r');
      ++i;
    } else {
      out.push_back(Text[i]);
    }
  }
  return out;
}

std::string LineBreaksToTilde(std::string_view Text) { return ReplaceLineBreaks(Text, "~"); }

std::string TildeToLineBreaks(std::string_view Text) {
  if (Text == "^") return std::string();
  return ReplaceByte(Text, '~', "\r\n");
}

std::string QuoteMultiLineText(std::string_view Text) {
  std::string out = "\"";
  out.reserve(Text.size() + 2);
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') {
      out.push_back('\v');
      ++i;
    } else {
      out.push_back(Text[i]);
    }
  }
  out.push_back('"');
  return out;
}

std::string VTToCRLF(std::string_view Text) {
  if (!Contains(Text, '\v')) return std::string(Text);
  return ReplaceByte(Text, '\v', "\r\n");
}

std::string CRLFToLF(std::string_view Text) {
  std::string out;
  out.reserve(Text.size());
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') continue;
    out.push_back(Text[i]);
  }
  return out;
}

std::string StripCR(std::string_view Text) { return ReplaceByte(Text, '\r', ""); }

std::string CRToLF(std::string_view Text) { return ReplaceByte(Text, '\r', "\n"); }

std::string DoubleQuoteChars(std::string_view Text) { return ReplaceByte(Text, '"', "\"\""); }

std::string UndoubleChar(char32_t Ch, std::string_view Text) {
  const std::string c = Utf32ToUtf8(std::u32string(1, Ch));
  if (Text.find(c) == std::string_view::npos) return std::string(Text);
  std::string out;
  out.reserve(Text.size());
  std::size_t i = 0;
  while (i < Text.size()) {
    if (Text.compare(i, c.size(), c) == 0) {
      out.append(c);
      i += c.size();
      if (Text.compare(i, c.size(), c) == 0) i += c.size();
    } else {
      out.push_back(Text[i]);
      ++i;
    }
  }
  return out;
}

int FindQuoteEnd(char32_t Quote, std::string_view Text, int& Pos) {
  int run = 0;
  std::size_t lastQuote = 0;
  std::size_t i = 0;
  while (i < Text.size()) {
    const std::size_t start = i;
    const char32_t c = NextChar(Text, i);
    if (c == Quote) {
      ++run;
      lastQuote = start;
      if (i >= Text.size()) return Pos = static_cast<int>(start);
    } else {
      if (run % 2 == 1) return Pos = static_cast<int>(lastQuote);
      run = 0;
    }
  }
  return Pos = -1;
}

int CountQuoteEnds(char32_t Quote, std::string_view Text) {
  int n = 0;
  int p = 0;
  while (FindQuoteEnd(Quote, Text, p) >= 0) {
    ++n;
    Text.remove_prefix(static_cast<std::size_t>(p) + CharLength(Text, static_cast<std::size_t>(p)));
  }
  return n;
}

int CountChar(char32_t Ch, std::string_view Text) {
  int n = 0;
  std::size_t i = 0;
  while (i < Text.size()) n += (NextChar(Text, i) == Ch);
  return n;
}

void StrToOem(std::string& Text) { Text = Utf8ToOem(Text); }

void OemToStr(std::string& Text) { Text = OemToUtf8(Text); }

void FillString(std::string& Text, char32_t Ch) {
  const int n = Utf8Length(Text);
  std::string c;
  AppendUtf8(c, Ch);
  std::string out;
  out.reserve(c.size() * static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) out.append(c);
  Text = std::move(out);
}

// ---------------------------------------------------------------------------
// String helpers

int PosAndStore(std::string_view SubStr, std::string_view Text, int& Position) {
  Position = Pos(SubStr, Text);
  return Position;
}

int UpperPos(std::string_view SubStr, std::string_view Text) {
  if (SubStr.empty()) return -1;
  std::size_t start = 0;
  while (start < Text.size()) {
    std::size_t t = start;
    std::size_t s = 0;
    bool match = true;
    while (s < SubStr.size()) {
      if (t >= Text.size() || UpperChar(NextChar(Text, t)) != NextChar(SubStr, s)) {
        match = false;
        break;
      }
    }
    if (match) return static_cast<int>(start);
    NextChar(Text, start);
  }
  return -1;
}

int FirstCharPos(char32_t Ch, std::string_view Text, int& Position) {
  const int p = CharPos(Ch, Text);
  if (p >= 0) Position = p;
  return p;
}

int CharPos(char32_t Ch, std::string_view Text) {
  if (Ch < 0x80) return ToPos(Text.find(static_cast<char>(Ch)));
  std::string c;
  AppendUtf8(c, Ch);
  return ToPos(Text.find(c));
}

std::string SplitOffField(std::string& Source, std::string_view Delimiter) {
  if (Delimiter.empty()) return std::string();
  const std::size_t p = Source.find(Delimiter);
  if (p == std::string::npos) return std::string();
  std::string field = Source.substr(0, p);
  Source.erase(0, p + CharLength(Delimiter, 0));
  return field;
}

std::string ConcatStrings(const TStrings& List) {
  std::string out;
  for (int i = 0; i < List.Count(); ++i) out.append(List.Strings(i));
  return out;
}

int LimitSize(int Value, int Min, int Max) {
  if (Min == Max) return Value;
  if (Min > 0 && Min > Value) Value = Min;
  if (Max > 0 && Max < Value) Value = Max;
  return Value;
}

std::string CapitalizeWords(std::string_view Text) {
  std::u32string s = Utf8ToUtf32(Text);
  const std::size_t n = s.size();
  bool capitalizeNext = true;
  std::size_t firstMcEnd = 0;  // 1-based end of the first " Mc", 0 while none
  for (std::size_t i = 0; i < n; ++i) {
    const char32_t c = s[i];
    if (c == ' ' || c == '\'' || c == ',' || c == '-' || c == '.') {
      capitalizeNext = true;
    } else if (capitalizeNext) {
      s[i] = AnsiUpperChar(c);
      capitalizeNext = false;
    } else {
      s[i] = AnsiLowerChar(c);
    }
    const std::size_t pos = i + 1;
    if (firstMcEnd == 0 && pos >= 3 && s[i - 2] == ' ' && s[i - 1] == 'M' && s[i] == 'c') firstMcEnd = pos;
    if (pos == 2 && s[0] == 'M' && s[1] == 'c') {
      capitalizeNext = true;
    } else if (firstMcEnd == pos && pos > 2) {
      capitalizeNext = true;
    } else if (pos + 2 >= n) {
      // Final roman numerals ("II", "III", "IV") keep their capitals.
      const bool spaceI = pos >= 2 && s[i - 1] == ' ' && s[i] == 'I';
      const bool spaceII = pos >= 3 && s[i - 2] == ' ' && s[i - 1] == 'I' && s[i] == 'I';
      if (spaceI || spaceII) capitalizeNext = true;
    }
  }
  return Utf32ToUtf8(s);
}

// ---------------------------------------------------------------------------
// URL and colour helpers

bool IsURL(std::string_view Text) {
  return Text.find("://") != std::string_view::npos || Text.find("mailto:") != std::string_view::npos;
}

void StripURLProtocol(std::string& Text) {
  std::size_t p = Text.find("://");
  if (p != std::string::npos) {
    Text.erase(0, p + 3);
    return;
  }
  p = Text.find("mailto:");
  if (p != std::string::npos) Text.erase(0, p + 7);
}

bool ParseRCCellRef(std::string_view Text, TPoint& Cell) {
  const std::string up = UpperCase(Text);
  if (Utf8Length(up) < 4 || up[0] != 'R') return false;
  const std::string_view rest = std::string_view(up).substr(1);
  const std::size_t c = rest.find('C');
  if (c == std::string_view::npos) return false;
  int32_t row = 0, col = 0;
  if (!TryStrToInt(rest.substr(0, c), row) || !TryStrToInt(rest.substr(c + 1), col)) return false;
  Cell.X = col;
  Cell.Y = row;
  return true;
}

namespace {
bool IsURLChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '%' || c == '(' ||
         c == ')' || c == '-' || c == '.' || c == '/' || c == ':' || c == '@' || c == '\\' || c == '_' ||
         c == '{' || c == '}';
}
}  // namespace

bool AutoLinkURL(std::string_view Text, std::string_view UpperPrefix, std::string& Linked) {
  if (UpperPrefix.empty() || UpperCase(Text).find(UpperPrefix) == std::string::npos) return false;
  std::string esc;
  esc.reserve(Text.size() + 16);
  for (char c : Text) {
    if (c == '<')
      esc.append("&lt;");
    else if (c == '>')
      esc.append("&gt;");
    else
      esc.push_back(c);
  }
  const std::size_t start = UpperCase(esc).find(UpperPrefix);
  std::size_t end = start;
  while (end < esc.size() && IsURLChar(esc[end])) ++end;
  const std::string_view url = std::string_view(esc).substr(start, end - start);
  std::string out;
  out.reserve(esc.size() + 2 * url.size() + 16);
  out.append(esc, 0, start);
  out.append("<a href=\"").append(url).append("\">").append(url).append("</a>");
  out.append(esc, end, std::string::npos);
  Linked = std::move(out);
  return true;
}

std::string ColorToHTMLHex(TColor Color) {
  static const char kHex[] = "0123456789ABCDEF";
  const uint32_t v = static_cast<uint32_t>(Color);
  const uint8_t rgb[3] = {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>((v >> 8) & 0xFF),
                          static_cast<uint8_t>((v >> 16) & 0xFF)};
  std::string out;
  for (uint8_t b : rgb) {
    out.push_back(kHex[b >> 4]);
    out.push_back(kHex[b & 0x0F]);
  }
  return out;
}

void MakeClipboardHTML(std::string& Fragment) {
  static constexpr std::string_view kPrologue =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
      "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head>"
      "<body><!--StartFragment-->";
  static constexpr std::string_view kClosing = "<!--EndFragment--></body></html>";
  // Five header lines of fixed length: 13 + 20 + 18 + 24 + 22 bytes.
  constexpr std::size_t kHeader = 97;
  const std::size_t startFragment = kHeader + kPrologue.size();
  const std::size_t endFragment = startFragment + Fragment.size();
  const std::size_t endHTML = endFragment + kClosing.size();
  auto line = [](std::string_view label, std::size_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08zu", value);
    return std::string(label) + digits + "\r\n";
  };
  std::string out = "Version:1.0\r\n";
  out += line("StartHTML:", kHeader);
  out += line("EndHTML:", endHTML);
  out += line("StartFragment:", startFragment);
  out += line("EndFragment:", endFragment);
  out.append(kPrologue).append(Fragment).append(kClosing);
  Fragment = std::move(out);
}
