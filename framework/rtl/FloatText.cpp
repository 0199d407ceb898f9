#include "framework/rtl/FloatText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "framework/rtl/Locale.h"

namespace {
// value = 0.d1d2d3... x 10^Exp; no digits means zero.
struct TDecimal {
  bool Negative = false;
  std::string Digits;
  int Exp = 0;
};

TDecimal ToDecimal(double v) {
  TDecimal d;
  d.Negative = std::signbit(v);
  if (v == 0) return d;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 16);
  std::string s(buf, res.ptr);
  std::size_t e = s.find('e');
  for (std::size_t i = 0; i < e; ++i)
    if (s[i] != '.') d.Digits += s[i];
  d.Exp = std::atoi(s.c_str() + e + 1) + 1;
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
  return d;
}

// Keeps N significant digits, rounding half away from zero.
void RoundDigits(TDecimal& d, int n) {
  if (d.Digits.empty()) return;
  if (n < 0) {
    d.Digits.clear();
    return;
  }
  if (static_cast<std::size_t>(n) >= d.Digits.size()) return;
  bool up = d.Digits[static_cast<std::size_t>(n)] >= '5';
  d.Digits.resize(static_cast<std::size_t>(n));
  if (up) {
    int i = n - 1;
    while (i >= 0 && d.Digits[static_cast<std::size_t>(i)] == '9') {
      d.Digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i >= 0) {
      ++d.Digits[static_cast<std::size_t>(i)];
    } else {
      d.Digits.insert(d.Digits.begin(), '1');
      ++d.Exp;
    }
  }
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
}

std::string ExponentText(int e, int minDigits, bool plusSign) {
  std::string digits = std::to_string(std::abs(e));
  if (static_cast<int>(digits.size()) < minDigits)
    digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
  if (e < 0) return "-" + digits;
  return plusSign ? "+" + digits : digits;
}

std::string GeneralText(TDecimal d, int prec, int expDigits, char sep) {
  RoundDigits(d, prec);
  if (d.Digits.empty()) return "0";
  std::string out = d.Negative ? "-" : "";
  if (d.Exp <= prec && d.Exp >= -3) {
    if (d.Exp <= 0) {
      out += '0';
      out += sep;
      out.append(static_cast<std::size_t>(-d.Exp), '0');
      out += d.Digits;
    } else {
      std::string intPart =
          d.Digits.substr(0, std::min<std::size_t>(d.Digits.size(), static_cast<std::size_t>(d.Exp)));
      intPart.append(static_cast<std::size_t>(d.Exp) - intPart.size(), '0');
      out += intPart;
      if (d.Digits.size() > static_cast<std::size_t>(d.Exp)) {
        out += sep;
        out += d.Digits.substr(static_cast<std::size_t>(d.Exp));
      }
    }
    return out;
  }
  out += d.Digits[0];
  if (d.Digits.size() > 1) {
    out += sep;
    out += d.Digits.substr(1);
  }
  out += 'E';
  out += ExponentText(d.Exp - 1, expDigits, false);
  return out;
}

std::string ExponentFormText(TDecimal d, int prec, int expDigits, char sep) {
  RoundDigits(d, prec);
  bool zero = d.Digits.empty();
  if (zero) d.Exp = 1;
  d.Digits.resize(static_cast<std::size_t>(prec), '0');
  std::string out = (d.Negative && !zero) ? "-" : "";
  out += d.Digits[0];
  if (prec > 1) {
    out += sep;
    out += d.Digits.substr(1);
  }
  out += 'E';
  out += ExponentText(d.Exp - 1, expDigits, true);
  return out;
}

std::string GroupThousands(const std::string& intPart, char thousandSep) {
  if (thousandSep == '\0') return intPart;
  std::string out;
  int n = static_cast<int>(intPart.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += thousandSep;
    out += intPart[static_cast<std::size_t>(i)];
  }
  return out;
}

// Digits decimals; false when the number is too large for the precision.
bool FixedParts(TDecimal d, int prec, int decimals, std::string& intPart, std::string& frac, bool& negative) {
  if (!d.Digits.empty() && d.Exp > prec) return false;
  RoundDigits(d, std::min(prec, d.Exp + decimals));
  negative = d.Negative && !d.Digits.empty();
  intPart.clear();
  frac.clear();
  if (d.Digits.empty() || d.Exp <= 0) {
    intPart = "0";
  } else {
    intPart = d.Digits.substr(0, std::min<std::size_t>(d.Digits.size(), static_cast<std::size_t>(d.Exp)));
    intPart.append(static_cast<std::size_t>(d.Exp) - intPart.size(), '0');
  }
  if (decimals > 0) {
    for (int i = 0; i < decimals; ++i) {
      int idx = d.Exp + i;  // index into Digits of decimal i
      char c = '0';
      if (!d.Digits.empty() && idx >= 0 && idx < static_cast<int>(d.Digits.size()))
        c = d.Digits[static_cast<std::size_t>(idx)];
      frac += c;
    }
  }
  return true;
}

std::string CurrencyText(const std::string& number, bool negative, const TFormatSettings& fs) {
  const std::string& c = fs.CurrencyString;
  if (!negative) {
    switch (fs.CurrencyFormat) {
      case 1:
        return number + c;
      case 2:
        return c + " " + number;
      case 3:
        return number + " " + c;
      default:
        return c + number;
    }
  }
  switch (fs.NegCurrFormat) {
    case 1:
      return "-" + c + number;
    case 2:
      return c + "-" + number;
    case 3:
      return c + number + "-";
    case 4:
      return "(" + number + c + ")";
    case 5:
      return "-" + number + c;
    case 6:
      return number + "-" + c;
    case 7:
      return number + c + "-";
    case 8:
      return "-" + number + " " + c;
    case 9:
      return "-" + c + " " + number;
    case 10:
      return number + " " + c + "-";
    case 11:
      return c + " " + number + "-";
    case 12:
      return c + " -" + number;
    case 13:
      return number + "- " + c;
    case 14:
      return "(" + c + " " + number + ")";
    case 15:
      return "(" + number + " " + c + ")";
    default:
      return "(" + c + number + ")";
  }
}
}  // namespace

std::string FormatFloatText(double Value, TFloatFormat Format, int Precision, int Digits,
                            const TFormatSettings& Settings) {
  if (std::isnan(Value)) return "NAN";
  if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
  Precision = std::clamp(Precision, 1, 18);
  const char sep = Settings.DecimalSeparator;
  TDecimal d = ToDecimal(Value);
  switch (Format) {
    case ffGeneral:
      return GeneralText(d, Precision, std::clamp(Digits, 0, 4), sep);
    case ffExponent:
      return ExponentFormText(d, Precision, std::clamp(Digits, 0, 4), sep);
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
      Digits = std::clamp(Digits, 0, 18);
      std::string intPart, frac;
      bool negative = false;
      if (!FixedParts(d, Precision, Digits, intPart, frac, negative))
        return GeneralText(d, Precision, 0, sep);
      if (Format != ffFixed) intPart = GroupThousands(intPart, Settings.ThousandSeparator);
      std::string number = intPart;
      if (!frac.empty()) number += sep + frac;
      if (Format == ffCurrency) return CurrencyText(number, negative, Settings);
      return negative ? "-" + number : number;
    }
  }
  return GeneralText(d, Precision, 0, sep);
}
