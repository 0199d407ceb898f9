// Number and date text: locale separators, character classes, number text
// kinds, number extraction, short dates for sorting and date fill steps.
#include <algorithm>
#include <cmath>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"
#include "grid/base/VevUtil.h"
#include "grid/base/VevUtil_Chars.h"

char LocaleTimeSeparator() { return FormatSettings().TimeSeparator; }
char LocaleDateSeparator() { return FormatSettings().DateSeparator; }
char LocaleThousandSeparator() { return FormatSettings().ThousandSeparator; }
char LocaleDecimalSeparator() { return FormatSettings().DecimalSeparator; }
std::string LocaleShortDateFormat() { return FormatSettings().ShortDateFormat; }

namespace {

bool NumberPart(char32_t c, char32_t thou, char32_t dec) {
  return IsUnicodeNumber(c) || c == thou || c == dec || c == 'e' || c == 'E';
}

}  // namespace

bool IsNumberChar(char32_t C) { return IsUnicodeNumber(C); }

bool IsDigitOrMinus(char32_t C) { return C == '-' || IsUnicodeNumber(C); }

bool IsNumberPartChar(char32_t C) {
  return NumberPart(C, static_cast<unsigned char>(LocaleThousandSeparator()),
                    static_cast<unsigned char>(LocaleDecimalSeparator()));
}

bool IsSignedNumberPartChar(char32_t C) { return C == '+' || C == '-' || IsNumberPartChar(C); }

bool IsExtractChar(char32_t C) {
  return C == '-' || C == '.' || C == 'e' || C == 'E' || C == '+' || IsUnicodeNumber(C);
}

int NumberTextKind(std::string_view Text) {
  if (Text.empty()) return ntNotANumber;
  const char32_t thou = static_cast<unsigned char>(LocaleThousandSeparator());
  const char32_t dec = static_cast<unsigned char>(LocaleDecimalSeparator());
  bool allDigits = true;
  bool separatorsOk = true;
  bool exponentSeen = false;
  bool exponentOk = true;
  int exponents = 0;
  int minuses = 0;
  int decimals = 0;
  int position = 0;
  int lastThousand = -1000;
  char32_t last = 0;
  std::size_t i = 0;
  while (i < Text.size()) {
    const char32_t c = NextChar(Text, i);
    ++position;
    last = c;
    const bool number = IsUnicodeNumber(c);
    if (c == '-') {
      ++minuses;
      if (position > 1) {
        allDigits = false;
        separatorsOk = false;
      }
    } else if (!number) {
      allDigits = false;
      if (c == thou) {
        // Thousand groups need at least three characters between separators.
        if (position - lastThousand <= 3) separatorsOk = false;
        lastThousand = position;
        exponentOk = false;
      } else if (c == dec) {
        ++decimals;
      } else {
        separatorsOk = false;
      }
    }
    if (c == 'e' || c == 'E') {
      exponentSeen = true;
      if (++exponents > 1 || position == 1) exponentOk = false;
    }
    if (!(number || c == thou || c == dec || c == 'e' || c == 'E' || c == '+' || c == '-'))
      exponentOk = false;
  }
  if (last == '+' || last == '-' || last == 'e' || last == 'E') exponentOk = false;

  int kind;
  if (allDigits) {
    kind = ntInteger;
  } else {
    kind = (separatorsOk && !exponentSeen) ? ntDecimal : ntNotANumber;
    if (exponentSeen && exponentOk) {
      kind = ntExponent;
      if (minuses == 2) minuses = 1;  // mantissa and exponent sign
    }
  }
  if (minuses > 1 || decimals > 1) kind = ntNotANumber;
  return kind;
}

std::string ExtractNumberText(std::string_view Text) {
  if (Text.empty()) return std::string();
  const std::string trimmed = Trim(Text);
  std::string_view t = trimmed;
  const char32_t thou = static_cast<unsigned char>(LocaleThousandSeparator());
  const char32_t dec = static_cast<unsigned char>(LocaleDecimalSeparator());
  bool negative = t.size() >= 2 && t.front() == '(' && t.back() == ')';
  // Skip leading characters that cannot start a number ("$ ", "(", a sign).
  while (!t.empty()) {
    std::size_t i = 0;
    const char32_t c = NextChar(t, i);
    if (i >= t.size() || NumberPart(c, thou, dec)) break;
    if (c == '-') negative = true;
    t.remove_prefix(i);
  }
  std::string out;
  std::size_t i = 0;
  while (i < t.size()) {
    const std::size_t start = i;
    const char32_t c = NextChar(t, i);
    if (c == thou) continue;
    if (c == dec)
      out.push_back('.');
    else if (IsExtractChar(c))
      out.append(t.substr(start, i - start));
    else
      break;
  }
  if (negative) out.insert(out.begin(), '-');
  return out;
}

namespace {

TDateTime ParseShortDate(std::string_view Text, bool DayFirst) {
  char sep = 0;
  for (char candidate : {'/', '.', '-'}) {
    if (Text.find(candidate) != std::string_view::npos) {
      sep = candidate;
      break;
    }
  }
  if (!sep) return 0;
  const std::size_t p1 = Text.find(sep);
  const std::string_view first = Text.substr(0, p1);
  const std::string_view rest = Text.substr(p1 + 1);
  const std::size_t p2 = rest.find(sep);
  if (p2 == std::string_view::npos) return 0;
  int32_t a = 0, b = 0, year = 0;
  if (!TryStrToInt(first, a) || !TryStrToInt(rest.substr(0, p2), b) ||
      !TryStrToInt(rest.substr(p2 + 1), year))
    return 0;
  // Two-digit years up to 25 are this century; a four-digit year lands 1900
  // years late but keeps its order among four-digit years.
  year += year <= 25 ? 2000 : 1900;
  TDateTime value = 0;
  const int month = DayFirst ? b : a;
  const int day = DayFirst ? a : b;
  if (!TryEncodeDate(year, month, day, value)) return 0;
  return value;
}

}  // namespace

TDateTime ParseDateMDY(std::string_view Text) { return ParseShortDate(Text, false); }

TDateTime ParseDateDMY(std::string_view Text) { return ParseShortDate(Text, true); }

TDateTime IncrementDate(int16_t YearStep, int16_t MonthStep, int16_t DayStep, double PlainStep,
                        TDateTime Date) {
  if (DayStep != 0 && YearStep == 0 && MonthStep == 0) return Date + DayStep;
  int year = 0, month = 0, day = 0;
  if (YearStep != 0 && MonthStep == 0 && DayStep == 0) {
    DecodeDate(Date, year, month, day);
    year += YearStep;
  } else if (MonthStep != 0 && YearStep == 0 && DayStep == 0) {
    DecodeDate(Date, year, month, day);
    const int months = year * 12 + (month - 1) + MonthStep;
    year = months >= 0 ? months / 12 : -((-months + 11) / 12);
    month = months - year * 12 + 1;
  } else {
    return Date + PlainStep;
  }
  // A fill never fails on a month without that day: it takes the month's
  // last day instead (31 January + 1 month is 28 or 29 February).
  year = std::clamp(year, 1, 9999);
  day = std::min(day, DaysInAMonth(year, month));
  const TDateTime date = EncodeDate(year, month, day);
  const double time = std::fabs(Date - std::trunc(Date));
  return date >= 0 ? date + time : date - time;
}

bool LooksLikeDate(std::string_view Text) {
  const char sep = LocaleDateSeparator();
  const std::size_t p1 = Text.find(sep);
  if (p1 == std::string_view::npos || p1 == 0) return false;
  const std::size_t p2 = Text.substr(p1 + 1).find(sep);
  return p2 != std::string_view::npos && p2 > 0;
}
