#include "framework/classes/LayoutText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>

#include "framework/rtl/StrUtils.h"

namespace {

constexpr int kMaxDepth = 200;
// Long strings are broken into pieces of this many characters, joined by '+'.
constexpr size_t kStringPiece = 64;
constexpr size_t kHexPerLine = 32;  // bytes of binary data per line

bool IsAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHex(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
int HexVal(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a') return c - 'a' + 10;
  return c - 'A' + 10;
}

bool Keyword(const std::string& s, const char* kw) {
  size_t n = 0;
  for (; kw[n] != 0; ++n)
    if (n >= s.size() || (s[n] | 0x20) != kw[n]) return false;
  return n == s.size();
}

// ---- lexer -------------------------------------------------------------------

enum class Tok { End, Ident, Integer, Float, String, Symbol };

struct Token {
  Tok Kind = Tok::End;
  std::string Text;  // identifier, string value
  int64_t Int = 0;
  double Float = 0;
  TLayoutFloatType FloatType = TLayoutFloatType::Extended;
  char Sym = 0;
  int64_t Line = 1;
};

class Lexer {
 public:
  Lexer(std::string_view text, const TLayoutSource& src) : t_(text), src_(src) {
    if (t_.size() >= 3 && t_.substr(0, 3) == "\xEF\xBB\xBF") p_ = 3;
    Next();
  }

  const Token& Cur() const { return cur_; }
  int64_t Line() const { return cur_.Line; }
  [[noreturn]] void Fail(int64_t line, const std::string& reason) const {
    throw ELayoutError(src_, line, property_ != nullptr ? *property_ : std::string(), reason);
  }
  // The property being read, named in errors (nullptr between properties).
  void SetProperty(const std::string* p) { property_ = p; }
  // The current token's text, handed over instead of copied.
  std::string TakeText() { return std::move(cur_.Text); }

  void Next() {
    SkipSpace();
    cur_.Kind = Tok::End;
    cur_.Text.clear();
    cur_.Int = 0;
    cur_.Float = 0;
    cur_.FloatType = TLayoutFloatType::Extended;
    cur_.Sym = 0;
    cur_.Line = line_;
    if (p_ >= t_.size()) return;
    char c = t_[p_];
    if (IsAlpha(c)) {
      size_t b = p_;
      while (p_ < t_.size() && (IsAlpha(t_[p_]) || IsDigit(t_[p_]))) ++p_;
      cur_.Kind = Tok::Ident;
      cur_.Text.assign(t_.substr(b, p_ - b));
    } else if (c == '\'' || c == '#') {
      String();
    } else if (IsDigit(c) || c == '$' ||
               (c == '-' && p_ + 1 < t_.size() && (IsDigit(t_[p_ + 1]) || t_[p_ + 1] == '$'))) {
      Number();
    } else if (std::string_view("=:[](),<>{}+.").find(c) != std::string_view::npos) {
      cur_.Kind = Tok::Symbol;
      cur_.Sym = c;
      ++p_;
    } else {
      Fail(line_, std::string("Invalid character ") + Describe(c));
    }
  }

  // Binary data after '{': hex digit pairs up to '}', blanks and line breaks
  // between them ignored. Leaves the token after '}' current.
  std::string Hex() {
    std::string out;
    int half = -1;
    for (;;) {
      if (p_ >= t_.size()) Fail(line_, "'}' expected");
      char c = t_[p_++];
      if (c == '}') break;
      if (c == '\n') {
        ++line_;
        continue;
      }
      if (c == ' ' || c == '\t' || c == '\r') continue;
      if (!IsHex(c)) Fail(line_, std::string("Invalid binary value ") + Describe(c));
      if (half < 0) {
        half = HexVal(c);
      } else {
        out += static_cast<char>(half * 16 + HexVal(c));
        half = -1;
      }
    }
    if (half >= 0) Fail(line_, "Invalid binary value (odd number of hex digits)");
    Next();
    return out;
  }

 private:
  static std::string Describe(char c) {
    auto b = static_cast<unsigned char>(c);
    if (b >= 32 && b < 127) return std::string("'") + c + "'";
    return "#" + std::to_string(b);
  }

  void SkipSpace() {
    while (p_ < t_.size()) {
      char c = t_[p_];
      if (c == '\n') {
        ++line_;
        ++p_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++p_;
      } else {
        break;
      }
    }
  }

  void String() {
    cur_.Kind = Tok::String;
    std::string& out = cur_.Text;
    uint32_t high = 0;  // pending high surrogate of a #nnn pair
    auto flushHigh = [&] {
      if (high != 0) AppendUtf8(out, 0xFFFD);
      high = 0;
    };
    while (p_ < t_.size() && (t_[p_] == '\'' || t_[p_] == '#')) {
      if (t_[p_] == '\'') {
        flushHigh();
        ++p_;
        for (;;) {
          if (p_ >= t_.size() || t_[p_] == '\n' || t_[p_] == '\r') Fail(line_, "Unterminated string");
          char c = t_[p_++];
          if (c == '\'') {
            if (p_ < t_.size() && t_[p_] == '\'') {
              out += '\'';
              ++p_;
              continue;
            }
            break;
          }
          out += c;
        }
      } else {
        ++p_;
        uint32_t code = 0;
        bool hex = p_ < t_.size() && t_[p_] == '$';
        if (hex) ++p_;
        size_t b = p_;
        while (p_ < t_.size() && (hex ? IsHex(t_[p_]) : IsDigit(t_[p_]))) {
          code = code * (hex ? 16 : 10) + static_cast<uint32_t>(HexVal(t_[p_]));
          if (code > 0xFFFF) Fail(line_, "Invalid character code");
          ++p_;
        }
        if (p_ == b) Fail(line_, "Invalid character code");
        if (code >= 0xD800 && code <= 0xDBFF) {
          flushHigh();
          high = code;
        } else if (code >= 0xDC00 && code <= 0xDFFF) {
          if (high != 0)
            AppendUtf8(out, 0x10000 + ((high - 0xD800) << 10) + (code - 0xDC00));
          else
            AppendUtf8(out, 0xFFFD);
          high = 0;
        } else {
          flushHigh();
          AppendUtf8(out, code);
        }
      }
    }
    flushHigh();
  }

  void Number() {
    size_t b = p_;
    bool neg = t_[p_] == '-';
    if (neg) ++p_;
    if (t_[p_] == '$') {
      ++p_;
      size_t h = p_;
      uint64_t v = 0;
      while (p_ < t_.size() && IsHex(t_[p_])) {
        if (p_ - h >= 16) Fail(line_, "Integer value out of range");
        v = v * 16 + static_cast<uint64_t>(HexVal(t_[p_++]));
      }
      if (p_ == h) Fail(line_, "Invalid number");
      cur_.Kind = Tok::Integer;
      // Hex gives the bit pattern; negation wraps like the platform's.
      cur_.Int = static_cast<int64_t>(neg ? ~v + 1 : v);
      return;
    }
    while (p_ < t_.size() && IsDigit(t_[p_])) ++p_;
    bool isFloat = false;
    if (p_ + 1 < t_.size() && t_[p_] == '.' && IsDigit(t_[p_ + 1])) {
      isFloat = true;
      ++p_;
      while (p_ < t_.size() && IsDigit(t_[p_])) ++p_;
    }
    if (p_ < t_.size() && (t_[p_] == 'e' || t_[p_] == 'E')) {
      size_t e = p_ + 1;
      if (e < t_.size() && (t_[e] == '+' || t_[e] == '-')) ++e;
      if (e < t_.size() && IsDigit(t_[e])) {
        isFloat = true;
        p_ = e;
        while (p_ < t_.size() && IsDigit(t_[p_])) ++p_;
      }
    }
    std::string text(t_.substr(b, p_ - b));
    if (!isFloat) {
      int64_t v = 0;
      auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
      if (ec != std::errc() || ptr != text.data() + text.size()) Fail(line_, "Integer value out of range");
      cur_.Kind = Tok::Integer;
      cur_.Int = v;
      return;
    }
    cur_.Kind = Tok::Float;
    cur_.Float = std::strtod(text.c_str(), nullptr);
    // Suffixes mark the binary float kind the value came from.
    if (p_ < t_.size() && !IsAlpha(p_ + 1 < t_.size() ? t_[p_ + 1] : ' ')) {
      switch (t_[p_]) {
        case 's':
        case 'S':
          cur_.FloatType = TLayoutFloatType::Single;
          ++p_;
          break;
        case 'c':
        case 'C':
          cur_.FloatType = TLayoutFloatType::Currency;
          ++p_;
          break;
        case 'd':
        case 'D':
          cur_.FloatType = TLayoutFloatType::Date;
          ++p_;
          break;
        default:
          break;
      }
    }
  }

  std::string_view t_;
  size_t p_ = 0;
  int64_t line_ = 1;
  Token cur_;
  TLayoutSource src_;
  const std::string* property_ = nullptr;
};

// ---- parser -------------------------------------------------------------------

class Parser {
 public:
  Parser(std::string_view text, const TLayoutSource& src) : lx_(text, src), scratch_(kMaxDepth + 1) {}

  TLayoutObject Document() {
    TLayoutObject o = Object(0);
    if (lx_.Cur().Kind != Tok::End) lx_.Fail(lx_.Line(), "End of file expected after the last 'end'");
    return o;
  }

 private:
  bool IsObjectKeyword() const {
    const Token& t = lx_.Cur();
    return t.Kind == Tok::Ident &&
           (Keyword(t.Text, "object") || Keyword(t.Text, "inherited") || Keyword(t.Text, "inline"));
  }
  bool IsWord(const char* kw) const { return lx_.Cur().Kind == Tok::Ident && Keyword(lx_.Cur().Text, kw); }
  bool IsSym(char c) const { return lx_.Cur().Kind == Tok::Symbol && lx_.Cur().Sym == c; }
  void ExpectSym(char c) {
    if (!IsSym(c)) lx_.Fail(lx_.Line(), std::string("'") + c + "' expected");
    lx_.Next();
  }
  std::string ExpectIdent(const char* what) {
    if (lx_.Cur().Kind != Tok::Ident) lx_.Fail(lx_.Line(), std::string(what) + " expected");
    std::string s = lx_.TakeText();
    lx_.Next();
    return s;
  }
  // A name that may have parts after dots, as "Font.Style".
  std::string DottedName(const char* what) {
    std::string name = ExpectIdent(what);
    while (IsSym('.')) {
      lx_.Next();
      name += "." + ExpectIdent(what);
    }
    return name;
  }
  // An optional "[n]" index, which nothing here needs.
  void SkipIndex() {
    if (!IsSym('[')) return;
    lx_.Next();
    if (lx_.Cur().Kind != Tok::Integer) lx_.Fail(lx_.Line(), "Integer expected");
    lx_.Next();
    ExpectSym(']');
  }

  TLayoutObject Object(int depth) {
    if (depth > kMaxDepth) lx_.Fail(lx_.Line(), "Objects nest too deeply");
    lx_.SetProperty(nullptr);
    TLayoutObject o;
    o.Pos = lx_.Line();
    if (!IsObjectKeyword()) lx_.Fail(lx_.Line(), "'object' expected");
    o.Inherited = Keyword(lx_.Cur().Text, "inherited");
    o.Inline = Keyword(lx_.Cur().Text, "inline");
    lx_.Next();
    std::string first = ExpectIdent("Class name");
    if (IsSym(':')) {
      lx_.Next();
      o.Name = first;
      o.ClassName = ExpectIdent("Class name");
    } else {
      o.ClassName = first;
    }
    SkipIndex();  // position of an inherited child: not needed here
    // Properties gather in a list kept per depth and move once into a list
    // of their exact size: no regrowing of big entries, object by object.
    std::vector<TLayoutProperty>& props = scratch_[static_cast<size_t>(depth)];
    props.clear();
    auto takeProps = [&] {
      if (props.empty() || !o.Props.empty()) return;
      o.Props.reserve(props.size());
      std::move(props.begin(), props.end(), std::back_inserter(o.Props));
      props.clear();
    };
    while (!IsWord("end")) {
      if (lx_.Cur().Kind == Tok::End) lx_.Fail(lx_.Line(), "'end' expected");
      if (IsObjectKeyword()) {
        takeProps();
        o.Children.push_back(Object(depth + 1));
        continue;
      }
      if (!o.Children.empty())
        lx_.Fail(lx_.Line(), "Properties come before the child objects; 'end' expected");
      props.push_back(Property(depth));
    }
    takeProps();
    lx_.Next();
    lx_.SetProperty(nullptr);
    return o;
  }

  TLayoutProperty Property(int depth) {
    TLayoutProperty p;
    p.Pos = lx_.Line();
    p.Name = DottedName("Property name");
    lx_.SetProperty(&p.Name);
    ExpectSym('=');
    p.Value = Value(depth + 1);
    lx_.SetProperty(nullptr);
    return p;
  }

  TLayoutValue Value(int depth) {
    if (depth > kMaxDepth) lx_.Fail(lx_.Line(), "Values nest too deeply");
    const Token& t = lx_.Cur();
    int64_t line = t.Line;
    TLayoutValue v;
    switch (t.Kind) {
      // Simple values are filled in place: a layout holds thousands.
      case Tok::Integer:
        v.Kind = TLayoutValueKind::Integer;
        v.Int = t.Int;
        lx_.Next();
        break;
      case Tok::Float:
        v.Kind = TLayoutValueKind::Float;
        v.Float = t.Float;
        v.FloatType = t.FloatType;
        lx_.Next();
        break;
      case Tok::String: {
        std::string s = lx_.TakeText();
        lx_.Next();
        while (IsSym('+')) {
          lx_.Next();
          if (lx_.Cur().Kind != Tok::String) lx_.Fail(lx_.Line(), "String expected after '+'");
          s += lx_.Cur().Text;
          lx_.Next();
        }
        v.Kind = TLayoutValueKind::String;
        v.Str = std::move(s);
        break;
      }
      case Tok::Ident: {
        std::string s = DottedName("Identifier");
        if (Keyword(s, "true")) {
          v.Kind = TLayoutValueKind::True;
        } else if (Keyword(s, "false")) {
          v.Kind = TLayoutValueKind::False;
        } else if (Keyword(s, "nil")) {
          v.Kind = TLayoutValueKind::Nil;
        } else {
          v.Kind = TLayoutValueKind::Ident;
          v.Str = std::move(s);
        }
        break;
      }
      case Tok::Symbol:
        switch (t.Sym) {
          case '[':
            v = SetValue();
            break;
          case '(':
            v = ListValue(depth);
            break;
          case '<':
            v = CollectionValue(depth);
            break;
          case '{':
            v = TLayoutValue::Binary(lx_.Hex());
            break;
          default:
            lx_.Fail(line, "Invalid property value");
        }
        break;
      case Tok::End:
        lx_.Fail(line, "Property value expected");
    }
    v.Pos = line;
    return v;
  }

  TLayoutValue SetValue() {
    lx_.Next();
    std::vector<std::string> names;
    if (!IsSym(']')) {
      for (;;) {
        names.push_back(ExpectIdent("Set element"));
        if (IsSym(']')) break;
        ExpectSym(',');
      }
    }
    lx_.Next();
    return TLayoutValue::SetOf(std::move(names));
  }

  TLayoutValue ListValue(int depth) {
    lx_.Next();
    std::vector<TLayoutValue> items;
    while (!IsSym(')')) {
      if (lx_.Cur().Kind == Tok::End) lx_.Fail(lx_.Line(), "')' expected");
      items.push_back(Value(depth + 1));
    }
    lx_.Next();
    return TLayoutValue::ListOf(std::move(items));
  }

  TLayoutValue CollectionValue(int depth) {
    lx_.Next();
    TLayoutValue v;
    v.Kind = TLayoutValueKind::Collection;
    while (!IsSym('>')) {
      if (!IsWord("item")) lx_.Fail(lx_.Line(), "'item' or '>' expected");
      TLayoutItem item;
      item.Pos = lx_.Line();
      lx_.Next();
      SkipIndex();
      while (!IsWord("end")) {
        if (lx_.Cur().Kind == Tok::End) lx_.Fail(lx_.Line(), "'end' expected");
        item.Props.push_back(Property(depth + 1));
      }
      lx_.Next();
      v.Items.push_back(std::move(item));
    }
    lx_.Next();
    return v;
  }

  Lexer lx_;
  // One list per nesting depth (never resized, so a list stays put while
  // the objects inside its object are read).
  std::vector<std::vector<TLayoutProperty>> scratch_;
};

// ---- writer -------------------------------------------------------------------

// Length of the UTF-8 sequence that starts with byte b (1 for stray bytes).
size_t Utf8Len(unsigned char b) {
  if (b >= 0xF0 && b < 0xF8) return 4;
  if (b >= 0xE0) return b < 0xF0 ? 3 : 1;
  if (b >= 0xC0) return 2;
  return 1;
}

// One piece of a string: printable runs quoted, control characters as #nnn.
std::string QuotePiece(std::string_view s) {
  std::string out;
  bool open = false;
  for (char c : s) {
    auto b = static_cast<unsigned char>(c);
    if (b < 32 || b == 127) {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(b);
    } else {
      if (!open) out += '\'';
      open = true;
      if (c == '\'') out += '\'';
      out += c;
    }
  }
  if (open) out += '\'';
  if (out.empty()) out = "''";
  return out;
}

std::string QuoteString(const std::string& s, const std::string& indent) {
  std::vector<std::string_view> pieces;
  size_t i = 0;
  while (i < s.size()) {
    size_t b = i;
    size_t chars = 0;
    while (i < s.size() && chars < kStringPiece) {
      size_t n = Utf8Len(static_cast<unsigned char>(s[i]));
      i = std::min(s.size(), i + n);
      ++chars;
    }
    pieces.push_back(std::string_view(s).substr(b, i - b));
  }
  if (pieces.empty()) return "''";
  if (pieces.size() == 1) return QuotePiece(pieces[0]);
  // A long string starts on a line of its own, one piece per line.
  std::string out;
  for (size_t k = 0; k < pieces.size(); ++k)
    out += (k ? " +\n" : "\n") + indent + "  " + QuotePiece(pieces[k]);
  return out;
}

std::string FormatFloat(const TLayoutValue& v) {
  double d = v.Float;
  if (std::isnan(d)) return "NAN";
  if (std::isinf(d)) return d > 0 ? "INF" : "NEGINF";
  char buf[64];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, d);
  std::string s(buf, ptr);
  if (s.find_first_of(".e") == std::string::npos) s += ".0";
  switch (v.FloatType) {
    case TLayoutFloatType::Single:
      s += 's';
      break;
    case TLayoutFloatType::Currency:
      s += 'c';
      break;
    case TLayoutFloatType::Date:
      s += 'd';
      break;
    default:
      break;
  }
  return s;
}

class TextWriter {
 public:
  std::string Take() { return std::move(out_); }

  void Object(const TLayoutObject& o, const std::string& ind) {
    out_ += ind + (o.Inherited ? "inherited " : o.Inline ? "inline " : "object ");
    out_ += o.Name.empty() ? o.ClassName : o.Name + ": " + o.ClassName;
    out_ += '\n';
    for (const auto& p : o.Props) Property(p, ind + "  ");
    for (const auto& c : o.Children) Object(c, ind + "  ");
    out_ += ind + "end\n";
  }

 private:
  void Property(const TLayoutProperty& p, const std::string& ind) {
    out_ += ind + p.Name + " = ";
    Value(p.Value, ind);
    out_ += '\n';
  }

  void Value(const TLayoutValue& v, const std::string& ind) {
    switch (v.Kind) {
      case TLayoutValueKind::Null:
        throw EWriteError("An empty value cannot be written");
      case TLayoutValueKind::Integer:
        out_ += std::to_string(v.Int);
        break;
      case TLayoutValueKind::Float:
        out_ += FormatFloat(v);
        break;
      case TLayoutValueKind::String:
        out_ += QuoteString(v.Str, ind);
        break;
      case TLayoutValueKind::Ident:
        out_ += v.Str;
        break;
      case TLayoutValueKind::False:
        out_ += "False";
        break;
      case TLayoutValueKind::True:
        out_ += "True";
        break;
      case TLayoutValueKind::Nil:
        out_ += "nil";
        break;
      case TLayoutValueKind::Set: {
        out_ += '[';
        for (size_t i = 0; i < v.Names.size(); ++i) out_ += (i ? ", " : "") + v.Names[i];
        out_ += ']';
        break;
      }
      case TLayoutValueKind::Binary: {
        static const char* kHex = "0123456789ABCDEF";
        out_ += '{';
        for (size_t i = 0; i < v.Str.size(); ++i) {
          if (i % kHexPerLine == 0) out_ += "\n" + ind + "  ";
          auto b = static_cast<unsigned char>(v.Str[i]);
          out_ += kHex[b >> 4];
          out_ += kHex[b & 15];
        }
        out_ += '}';
        break;
      }
      case TLayoutValueKind::List: {
        out_ += '(';
        for (const auto& e : v.List) {
          out_ += "\n" + ind + "  ";
          Value(e, ind + "  ");
        }
        out_ += ')';
        break;
      }
      case TLayoutValueKind::Collection: {
        out_ += '<';
        for (size_t i = 0; i < v.Items.size(); ++i) {
          out_ += "\n" + ind + "  item\n";
          for (const auto& p : v.Items[i].Props) Property(p, ind + "    ");
          out_ += ind + "  end";
        }
        out_ += '>';
        break;
      }
    }
  }

  std::string out_;
};

}  // namespace

TLayoutObject ParseLayoutText(std::string_view Text, const std::string& FileName) {
  Parser p(Text, TLayoutSource{FileName, false});
  return p.Document();
}

std::string FormatLayoutText(const TLayoutObject& Root) {
  TextWriter w;
  w.Object(Root, "");
  return w.Take();
}
