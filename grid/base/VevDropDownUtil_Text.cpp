// The number and text routines of the drop-down controls.
#include <cstdint>

#include "framework/rtl/StrUtils.h"
#include "grid/base/VevDropDownUtil.h"
#include "grid/base/VevUtil.h"

bool IsRangeSeparator(char32_t Ch) { return Ch == U',' || Ch == U'-' || Ch == U';'; }

int ClassifyNumberText(std::string_view Text) {
  if (Text.empty()) return nkNotANumber;
  const char thousand = LocaleThousandSeparator(), decimal = LocaleDecimalSeparator();
  bool integral = true, floating = true, hex = true;
  int lastThousand = 0, minus = 0, decimals = 0;
  // Positions count from 1, as the spacing rule of the separators does.
  int pos = 0;
  for (char c : Text) {
    ++pos;
    const bool digit = c >= '0' && c <= '9';
    const bool hexLetter = (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    if (!digit && c != '-') integral = false;
    if (!digit && c != ',' && c != '-' && c != '.') floating = false;
    if (c == thousand) {
      if (pos == 1 || (lastThousand > 0 && pos - lastThousand < 3)) floating = false;
      lastThousand = pos;
    }
    if (!digit && !hexLetter && c != '-') hex = false;
    minus += c == '-';
    decimals += c == decimal;
  }
  int kind = nkNotANumber;
  if (hex && !integral) kind = nkHex;
  if (integral) {
    kind = nkInteger;
  } else if (floating) {
    kind = nkFloat;
  }
  if (minus > 1 || decimals > 1) kind = nkNotANumber;
  return kind;
}

std::string StripThousandSeparators(std::string_view Text) {
  const char thousand = LocaleThousandSeparator();
  std::string out;
  out.reserve(Text.size());
  for (char c : Text)
    if (c != thousand) out += c;
  return out;
}

int HexDigitValue(char32_t Ch) {
  if (Ch >= U'0' && Ch <= U'9') return static_cast<int>(Ch - U'0');
  if (Ch >= U'A' && Ch <= U'F') return static_cast<int>(Ch - U'A') + 10;
  if (Ch >= U'a' && Ch <= U'f') return static_cast<int>(Ch - U'a') + 10;
  return 0;
}

int32_t HexTextToInt(std::string_view Text) {
  // Only hex digits, at most 8 of them past leading zeros: anything else
  // (a minus, another character, a value beyond 32 bits) is no number and
  // reads 0 instead of a silently wrapped or sign-dropped value.
  uint32_t value = 0;
  int digits = 0;
  for (char c : Text) {
    const bool hex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
    if (!hex) return 0;
    if (digits == 0 && c == '0') continue;
    if (++digits > 8) return 0;
    value = value * 16 + static_cast<uint32_t>(HexDigitValue(static_cast<char32_t>(c)));
  }
  return static_cast<int32_t>(value);
}

std::string CaseForCompare(std::string_view Text, bool CaseSensitive) {
  return CaseSensitive ? std::string(Text) : AnsiUpperCase(Text);
}
