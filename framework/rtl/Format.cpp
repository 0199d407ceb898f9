#include "framework/rtl/Format.h"

#include <cstdio>
#include <limits>
#include <vector>

#include "framework/rtl/FloatText.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"

std::int64_t TFormatArg::AsInt64() const {
  if (value_.index() == 0) return std::get<std::int64_t>(value_);
  return static_cast<std::int64_t>(std::get<std::uint64_t>(value_));
}

std::uint64_t TFormatArg::AsUInt64() const {
  if (value_.index() == 1) return std::get<std::uint64_t>(value_);
  std::int64_t v = std::get<std::int64_t>(value_);
  // A negative value that fits 32 bits reads as its 32-bit pattern.
  if (v < 0 && v >= std::numeric_limits<std::int32_t>::min())
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
  return static_cast<std::uint64_t>(v);
}

std::string TFormatArg::ToText() const {
  switch (value_.index()) {
    case 0:
      return std::to_string(std::get<std::int64_t>(value_));
    case 1:
      return std::to_string(std::get<std::uint64_t>(value_));
    case 2:
      return FloatToStr(std::get<double>(value_));
    default:
      return std::get<std::string>(value_);
  }
}

namespace {
class TFormatter {
 public:
  TFormatter(std::string_view fmt, std::initializer_list<TFormatArg> args, const TFormatSettings& fs)
      : fmt_(fmt), args_(args.begin(), args.end()), fs_(fs) {}

  std::string Run() {
    std::string out;
    std::size_t i = 0;
    while (i < fmt_.size()) {
      char c = fmt_[i];
      if (c != '%') {
        out += c;
        ++i;
        continue;
      }
      ++i;
      if (i < fmt_.size() && fmt_[i] == '%') {
        out += '%';
        ++i;
        continue;
      }
      out += Spec(i);
    }
    return out;
  }

 private:
  [[noreturn]] void Fail() const {
    throw EConvertError("Format '" + std::string(fmt_) + "' invalid or incompatible with argument");
  }

  const TFormatArg& NextArg() {
    if (next_ >= args_.size()) Fail();
    return args_[next_++];
  }

  // Reads digits or "*"; -1 when there are none.
  int Number(std::size_t& i) {
    if (i < fmt_.size() && fmt_[i] == '*') {
      ++i;
      const TFormatArg& a = NextArg();
      if (!a.IsInteger()) Fail();
      std::int64_t v = a.AsInt64();
      return v < 0 ? 0 : static_cast<int>(std::min<std::int64_t>(v, 1 << 20));
    }
    int v = -1;
    while (i < fmt_.size() && fmt_[i] >= '0' && fmt_[i] <= '9') {
      v = (v < 0 ? 0 : v) * 10 + (fmt_[i] - '0');
      if (v > (1 << 20)) Fail();
      ++i;
    }
    return v;
  }

  std::string Spec(std::size_t& i) {
    // An argument index is digits followed by ':'; a "*" is never one.
    std::size_t start = i;
    if (i < fmt_.size() && fmt_[i] != '*') {
      int n = Number(i);
      if (n >= 0 && i < fmt_.size() && fmt_[i] == ':') {
        next_ = static_cast<std::size_t>(n);
        ++i;
      } else {
        i = start;
      }
    }
    bool left = false;
    if (i < fmt_.size() && fmt_[i] == '-') {
      left = true;
      ++i;
    }
    int width = Number(i);
    int prec = -1;
    if (i < fmt_.size() && fmt_[i] == '.') {
      ++i;
      prec = Number(i);
      if (prec < 0) prec = 0;
    }
    if (i >= fmt_.size()) Fail();
    char type = fmt_[i++];
    if (type >= 'A' && type <= 'Z') type = static_cast<char>(type + 32);
    std::string text = Convert(type, prec);
    int len = Utf8Length(text);
    if (width > len) {
      std::string pad(static_cast<std::size_t>(width - len), ' ');
      text = left ? text + pad : pad + text;
    }
    return text;
  }

  static std::string ZeroPad(std::string digits, int prec) {
    if (prec > static_cast<int>(digits.size()))
      digits.insert(0, static_cast<std::size_t>(prec) - digits.size(), '0');
    return digits;
  }

  std::string Convert(char type, int prec) {
    switch (type) {
      case 'd': {
        const TFormatArg& a = NextArg();
        if (!a.IsInteger()) Fail();
        std::int64_t v = a.AsInt64();
        std::uint64_t mag = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
        std::string digits = ZeroPad(std::to_string(mag), prec);
        return v < 0 ? "-" + digits : digits;
      }
      case 'u': {
        const TFormatArg& a = NextArg();
        if (!a.IsInteger()) Fail();
        return ZeroPad(std::to_string(a.AsUInt64()), prec);
      }
      case 'x': {
        const TFormatArg& a = NextArg();
        if (!a.IsInteger()) Fail();
        return IntToHexBits(a.AsUInt64(), prec < 0 ? 0 : prec);
      }
      case 'p': {
        const TFormatArg& a = NextArg();
        if (!a.IsInteger()) Fail();
        return IntToHexBits(a.AsUInt64(), 16);
      }
      case 's': {
        const TFormatArg& a = NextArg();
        if (!a.IsString()) Fail();
        if (prec >= 0) return Utf8Copy(a.AsString(), 0, prec);
        return a.AsString();
      }
      case 'e':
        return FloatOf(ffExponent, prec < 0 ? 15 : prec, 3);
      case 'f':
        return FloatOf(ffFixed, 18, prec < 0 ? 2 : prec);
      case 'g':
        return FloatOf(ffGeneral, prec < 0 ? 15 : prec, 3);
      case 'n':
        return FloatOf(ffNumber, 18, prec < 0 ? 2 : prec);
      case 'm':
        return FloatOf(ffCurrency, 18, prec < 0 ? fs_.CurrencyDecimals : prec);
      default:
        Fail();
    }
  }

  std::string FloatOf(TFloatFormat f, int precision, int digits) {
    const TFormatArg& a = NextArg();
    if (!a.IsFloat()) Fail();
    // The general form writes its exponent without padding.
    if (f == ffGeneral) digits = 0;
    return FormatFloatText(a.AsDouble(), f, precision, digits, fs_);
  }

  std::string_view fmt_;
  std::vector<TFormatArg> args_;
  const TFormatSettings& fs_;
  std::size_t next_ = 0;
};
}  // namespace

std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args) {
  return Format(Fmt, Args, FormatSettings());
}

std::string Format(std::string_view Fmt, std::initializer_list<TFormatArg> Args,
                   const TFormatSettings& Settings) {
  return TFormatter(Fmt, Args, Settings).Run();
}

std::string FormatLangText(std::string_view Text, std::initializer_list<TFormatArg> Args) {
  std::string out;
  auto arg = Args.begin();
  std::size_t i = 0;
  while (i < Text.size()) {
    if (Text[i] == '%' && i + 1 < Text.size() && (Text[i + 1] == 'd' || Text[i + 1] == 's') &&
        arg != Args.end()) {
      out += arg->ToText();
      ++arg;
      i += 2;
      continue;
    }
    out += Text[i++];
  }
  return out;
}
