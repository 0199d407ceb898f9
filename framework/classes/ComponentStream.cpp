#include "framework/classes/ComponentStream.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "framework/rtl/CodePage.h"
#include "framework/rtl/StrUtils.h"
#include "framework/classes/StreamValueKinds.h"

namespace {

// Object prefix flags (0xF0 | flags), as older writers put before a class name.
constexpr uint8_t kFlagInherited = 1;
constexpr uint8_t kFlagChildPos = 2;
constexpr uint8_t kFlagInline = 4;

// Deeper nesting than this is taken for a damaged stream rather than risk
// running out of stack.
constexpr int kMaxDepth = 200;

constexpr char kSignature[4] = {'T', 'P', 'F', '0'};

// ---- writer ----------------------------------------------------------------

class Writer {
 public:
  explicit Writer(std::string& out) : out_(out) {}

  void Object(const TLayoutObject& o, int depth) {
    if (depth > kMaxDepth) throw EWriteError("Component tree nests too deeply to be streamed");
    uint8_t flags = (o.Inherited ? kFlagInherited : 0) | (o.Inline ? kFlagInline : 0);
    // A class name of 240 bytes or more would start with a byte the reader
    // takes for the flags prefix: an empty prefix keeps it a name.
    if (flags != 0 || o.ClassName.size() >= 0xF0) Byte(0xF0 | flags);
    Short(o.ClassName, "class name");
    Short(o.Name, "component name");
    Props(o.Props, depth);
    for (const auto& c : o.Children) Object(c, depth + 1);
    Byte(vaNull);
  }

 private:
  void Byte(uint8_t b) { out_ += static_cast<char>(b); }
  void Le(uint64_t v, int n) {
    for (int i = 0; i < n; ++i) Byte(static_cast<uint8_t>(v >> (8 * i)));
  }
  void Short(const std::string& s, const char* what) {
    if (s.size() > 255)
      throw EWriteError(std::string("The ") + what + " " + s.substr(0, 32) + "... is too long");
    Byte(static_cast<uint8_t>(s.size()));
    out_ += s;
  }
  void Props(const std::vector<TLayoutProperty>& props, int depth) {
    for (const auto& p : props) {
      if (p.Name.empty()) throw EWriteError("A property without a name cannot be streamed");
      Short(p.Name, "property name");
      Value(p.Value, depth);
    }
    Byte(vaNull);
  }
  void Int(int64_t v) {
    if (v >= -128 && v <= 127) {
      Byte(vaInt8);
      Le(static_cast<uint64_t>(v), 1);
    } else if (v >= -32768 && v <= 32767) {
      Byte(vaInt16);
      Le(static_cast<uint64_t>(v), 2);
    } else if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max()) {
      Byte(vaInt32);
      Le(static_cast<uint64_t>(v), 4);
    } else {
      Byte(vaInt64);
      Le(static_cast<uint64_t>(v), 8);
    }
  }
  void Text(const std::string& s) {
    bool ascii = true;
    for (char c : s)
      if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
    if (ascii) {
      if (s.size() <= 255) {
        Byte(vaString);
        Byte(static_cast<uint8_t>(s.size()));
      } else {
        Byte(vaLString);
        Le(Length32(s.size()), 4);
      }
      out_ += s;
      return;
    }
    // Text that is not valid UTF-8 keeps its bytes as they are; so does text
    // that is shorter as UTF-8 than as UTF-16.
    const bool valid = IsValidUtf8(s);
    const std::u16string units = valid ? Utf8ToUtf16(s) : std::u16string();
    if (!valid || s.size() < units.size() * 2) {
      Byte(vaUTF8String);
      Le(Length32(s.size()), 4);
      out_ += s;
      return;
    }
    Byte(vaWString);
    Le(Length32(units.size()), 4);
    for (char16_t u : units) Le(u, 2);
  }
  static uint32_t Length32(size_t n) {
    if (n > std::numeric_limits<uint32_t>::max()) throw EWriteError("Value too large to be streamed");
    return static_cast<uint32_t>(n);
  }
  void Value(const TLayoutValue& v, int depth) {
    if (depth > kMaxDepth) throw EWriteError("Values nest too deeply to be streamed");
    switch (v.Kind) {
      case TLayoutValueKind::Null:
        throw EWriteError("An empty value cannot be streamed");
      case TLayoutValueKind::List:
        Byte(vaList);
        for (const auto& e : v.List) Value(e, depth + 1);
        Byte(vaNull);
        break;
      case TLayoutValueKind::Integer:
        Int(v.Int);
        break;
      case TLayoutValueKind::Float:
        FloatValue(v);
        break;
      case TLayoutValueKind::String:
        Text(v.Str);
        break;
      case TLayoutValueKind::Ident:
        Byte(vaIdent);
        Short(v.Str, "identifier");
        break;
      case TLayoutValueKind::False:
        Byte(vaFalse);
        break;
      case TLayoutValueKind::True:
        Byte(vaTrue);
        break;
      case TLayoutValueKind::Binary:
        Byte(vaBinary);
        Le(Length32(v.Str.size()), 4);
        out_ += v.Str;
        break;
      case TLayoutValueKind::Set:
        Byte(vaSet);
        for (const auto& n : v.Names) {
          if (n.empty()) throw EWriteError("An empty set element cannot be streamed");
          Short(n, "set element");
        }
        Byte(0);
        break;
      case TLayoutValueKind::Collection:
        Byte(vaCollection);
        for (const auto& item : v.Items) {
          Byte(vaList);
          Props(item.Props, depth + 1);
        }
        Byte(vaNull);
        break;
      case TLayoutValueKind::Nil:
        Byte(vaNil);
        break;
    }
  }
  void FloatValue(const TLayoutValue& v) {
    switch (v.FloatType) {
      case TLayoutFloatType::Single: {
        float f = static_cast<float>(v.Float);
        uint32_t bits;
        std::memcpy(&bits, &f, 4);
        Byte(vaSingle);
        Le(bits, 4);
        return;
      }
      case TLayoutFloatType::Double:
      case TLayoutFloatType::Date: {
        uint64_t bits;
        std::memcpy(&bits, &v.Float, 8);
        Byte(v.FloatType == TLayoutFloatType::Date ? vaDate : vaDouble);
        Le(bits, 8);
        return;
      }
      case TLayoutFloatType::Currency: {
        Byte(vaCurrency);
        Le(static_cast<uint64_t>(std::llround(v.Float * 10000.0)), 8);
        return;
      }
      case TLayoutFloatType::Extended:
        break;
    }
    uint8_t ext[10];
    DoubleToExtended(v.Float, ext);
    Byte(vaExtended);
    out_.append(reinterpret_cast<const char*>(ext), 10);
  }

  std::string& out_;
};

// ---- reader ----------------------------------------------------------------

class Reader {
 public:
  Reader(std::string_view data, size_t pos, const std::string& source)
      : d_(data), p_(pos), src_{source, true} {}

  size_t Pos() const { return p_; }

  TLayoutObject Record() {
    if (d_.size() < p_ || d_.size() - p_ < 4 || std::memcmp(d_.data() + p_, kSignature, 4) != 0)
      Fail(p_, "Invalid stream format (no TPF0 signature)");
    p_ += 4;
    return Object(0);
  }

 private:
  [[noreturn]] void Fail(size_t at, const std::string& reason) {
    throw ELayoutError(src_, static_cast<int64_t>(at), prop_, reason);
  }
  void Need(size_t n) {
    if (d_.size() - p_ < n) Fail(p_, "Stream read error (the data ends early)");
  }
  uint8_t Byte() {
    Need(1);
    return static_cast<uint8_t>(d_[p_++]);
  }
  uint8_t Peek() {
    Need(1);
    return static_cast<uint8_t>(d_[p_]);
  }
  uint64_t Le(int n) {
    Need(static_cast<size_t>(n));
    uint64_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<uint64_t>(static_cast<uint8_t>(d_[p_ + i])) << (8 * i);
    p_ += static_cast<size_t>(n);
    return v;
  }
  std::string Bytes(size_t n) {
    Need(n);
    std::string s(d_.substr(p_, n));
    p_ += n;
    return s;
  }
  std::string Short() {
    size_t n = Byte();
    return Bytes(n);
  }

  TLayoutObject Object(int depth) {
    if (depth > kMaxDepth) Fail(p_, "Components nest too deeply");
    TLayoutObject o;
    o.Pos = static_cast<int64_t>(p_);
    prop_.clear();
    uint8_t first = Peek();
    if ((first & 0xF0) == 0xF0) {
      ++p_;
      uint8_t flags = first & 0x0F;
      o.Inherited = (flags & kFlagInherited) != 0;
      o.Inline = (flags & kFlagInline) != 0;
      if ((flags & kFlagChildPos) != 0) {
        TLayoutValue pos = Value(depth);
        if (pos.Kind != TLayoutValueKind::Integer) Fail(p_, "Invalid stream format (child position)");
      }
    }
    size_t at = p_;
    o.ClassName = Short();
    if (o.ClassName.empty()) Fail(at, "Invalid stream format (empty class name)");
    o.Name = Short();
    o.Props = Props(depth);
    while (Peek() != vaNull) {
      o.Children.push_back(Object(depth + 1));
      prop_.clear();
    }
    ++p_;
    return o;
  }

  std::vector<TLayoutProperty> Props(int depth) {
    std::vector<TLayoutProperty> props;
    for (;;) {
      size_t at = p_;
      std::string name = Short();
      if (name.empty()) break;
      prop_ = name;
      TLayoutProperty p;
      p.Name = std::move(name);
      p.Pos = static_cast<int64_t>(at);
      p.Value = Value(depth);
      props.push_back(std::move(p));
    }
    prop_.clear();
    return props;
  }

  TLayoutValue Value(int depth) {
    if (depth > kMaxDepth) Fail(p_, "Values nest too deeply");
    size_t at = p_;
    uint8_t kind = Byte();
    TLayoutValue v;
    v.Pos = static_cast<int64_t>(at);
    switch (kind) {
      case vaList:
        v.Kind = TLayoutValueKind::List;
        while (Peek() != vaNull) v.List.push_back(Value(depth + 1));
        ++p_;
        break;
      case vaInt8:
        v = TLayoutValue::Integer(static_cast<int8_t>(Le(1)));
        break;
      case vaInt16:
        v = TLayoutValue::Integer(static_cast<int16_t>(Le(2)));
        break;
      case vaInt32:
        v = TLayoutValue::Integer(static_cast<int32_t>(Le(4)));
        break;
      case vaInt64:
        v = TLayoutValue::Integer(static_cast<int64_t>(Le(8)));
        break;
      case vaExtended: {
        Need(10);
        uint8_t ext[10];
        std::memcpy(ext, d_.data() + p_, 10);
        p_ += 10;
        v = TLayoutValue::FloatValue(ExtendedToDouble(ext));
        break;
      }
      case vaSingle: {
        uint32_t bits = static_cast<uint32_t>(Le(4));
        float f;
        std::memcpy(&f, &bits, 4);
        v = TLayoutValue::FloatValue(f);
        v.FloatType = TLayoutFloatType::Single;
        break;
      }
      case vaDouble:
      case vaDate: {
        uint64_t bits = Le(8);
        double f;
        std::memcpy(&f, &bits, 8);
        v = TLayoutValue::FloatValue(f);
        v.FloatType = kind == vaDate ? TLayoutFloatType::Date : TLayoutFloatType::Double;
        break;
      }
      case vaCurrency:
        v = TLayoutValue::FloatValue(static_cast<double>(static_cast<int64_t>(Le(8))) / 10000.0);
        v.FloatType = TLayoutFloatType::Currency;
        break;
      case vaString:
        v = TLayoutValue::String(Cp1252ToUtf8(Short()));
        break;
      case vaLString: {
        size_t n = static_cast<size_t>(Le(4));
        v = TLayoutValue::String(Cp1252ToUtf8(Bytes(n)));
        break;
      }
      case vaUTF8String: {
        size_t n = static_cast<size_t>(Le(4));
        v = TLayoutValue::String(Bytes(n));
        break;
      }
      case vaWString: {
        uint64_t units = Le(4);
        if (units > (d_.size() - p_) / 2) Fail(p_, "Stream read error (the data ends early)");
        v = TLayoutValue::String(Utf16(static_cast<size_t>(units)));
        break;
      }
      case vaIdent:
        v = TLayoutValue::Ident(Short());
        if (v.Str.empty()) Fail(at, "Invalid property value (empty identifier)");
        break;
      case vaFalse:
        v = TLayoutValue::Boolean(false);
        break;
      case vaTrue:
        v = TLayoutValue::Boolean(true);
        break;
      case vaBinary: {
        size_t n = static_cast<size_t>(Le(4));
        v = TLayoutValue::Binary(Bytes(n));
        break;
      }
      case vaSet:
        v.Kind = TLayoutValueKind::Set;
        for (;;) {
          std::string n = Short();
          if (n.empty()) break;
          v.Names.push_back(std::move(n));
        }
        break;
      case vaNil:
        v = TLayoutValue::NilValue();
        break;
      case vaCollection:
        v.Kind = TLayoutValueKind::Collection;
        for (;;) {
          uint8_t b = Peek();
          if (b == vaNull) {
            ++p_;
            break;
          }
          TLayoutItem item;
          item.Pos = static_cast<int64_t>(p_);
          // An item may carry its index first; the order is what counts.
          if (b == vaInt8 || b == vaInt16 || b == vaInt32) Value(depth + 1);
          if (Byte() != vaList) Fail(p_ - 1, "Invalid stream format (collection item expected)");
          std::string outer = prop_;
          item.Props = Props(depth + 1);
          prop_ = outer;
          v.Items.push_back(std::move(item));
        }
        break;
      default:
        Fail(at, "Invalid property value (unknown value kind " + std::to_string(kind) + ")");
    }
    v.Pos = static_cast<int64_t>(at);
    return v;
  }

  std::string Utf16(size_t units) {
    std::u16string text;
    text.reserve(units);
    for (size_t i = 0; i < units; ++i) text += static_cast<char16_t>(Le(2));
    return Utf16ToUtf8(text);
  }

  std::string_view d_;
  size_t p_;
  TLayoutSource src_;
  std::string prop_;  // property being read, for errors
};

}  // namespace

void WriteLayoutRecord(std::string& Out, const TLayoutObject& Root) {
  std::string rec(kSignature, 4);
  Writer w(rec);
  w.Object(Root, 0);
  Out += rec;
}

TLayoutObject ReadLayoutRecord(std::string_view Data, size_t& Pos, const std::string& SourceName) {
  Reader r(Data, Pos, SourceName);
  TLayoutObject o = r.Record();
  Pos = r.Pos();
  return o;
}

bool IsLayoutRecord(std::string_view Data, size_t Pos) {
  return Data.size() >= Pos && Data.size() - Pos >= 4 && std::memcmp(Data.data() + Pos, kSignature, 4) == 0;
}

void DoubleToExtended(double Value, uint8_t Out[10]) {
  uint64_t bits;
  std::memcpy(&bits, &Value, 8);
  uint16_t sign = static_cast<uint16_t>((bits >> 63) << 15);
  int exp = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t frac = bits & ((uint64_t{1} << 52) - 1);
  uint16_t e;
  uint64_t m;
  if (exp == 0x7FF) {  // infinity or NaN
    e = 0x7FFF;
    m = (uint64_t{1} << 63) | (frac << 11);
  } else if (exp == 0) {
    if (frac == 0) {
      e = 0;
      m = 0;
    } else {
      // A subnormal double is a normal extended: shift its top bit into place.
      int shift = 0;
      while ((frac & (uint64_t{1} << 52)) == 0) {
        frac <<= 1;
        ++shift;
      }
      e = static_cast<uint16_t>(1 - 1023 + 16383 - shift);
      m = frac << 11;
    }
  } else {
    e = static_cast<uint16_t>(exp - 1023 + 16383);
    m = (uint64_t{1} << 63) | (frac << 11);
  }
  for (int i = 0; i < 8; ++i) Out[i] = static_cast<uint8_t>(m >> (8 * i));
  uint16_t se = sign | e;
  Out[8] = static_cast<uint8_t>(se);
  Out[9] = static_cast<uint8_t>(se >> 8);
}

double ExtendedToDouble(const uint8_t In[10]) {
  uint64_t m = 0;
  for (int i = 0; i < 8; ++i) m |= static_cast<uint64_t>(In[i]) << (8 * i);
  uint16_t se = static_cast<uint16_t>(In[8] | (In[9] << 8));
  bool neg = (se & 0x8000) != 0;
  int e = se & 0x7FFF;
  double r;
  if (e == 0x7FFF) {
    r = (m << 1) == 0 ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
  } else if (m == 0) {
    r = 0.0;
  } else {
    // m * 2^(e - 16383 - 63); ldexp rounds to the nearest double and handles
    // overflow and underflow.
    r = std::ldexp(static_cast<double>(m), e - 16383 - 63);
  }
  return neg ? -r : r;
}
