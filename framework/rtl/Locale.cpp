#include "framework/rtl/Locale.h"

#include <langinfo.h>
#include <locale.h>

#include <mutex>

namespace {
std::optional<std::string>& ProfileOverride() {
  static std::optional<std::string> value;
  return value;
}

// The host's decimal point from the environment's locale, without touching
// the process-wide C locale.
std::string HostDecimalPoint() {
  static std::once_flag once;
  static std::string point;
  std::call_once(once, [] {
    point = ".";
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return;
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    if (radix != nullptr && *radix != '\0') point = radix;
    freelocale(loc);
  });
  return point;
}
}  // namespace

TFormatSettings DefaultFormatSettings() { return TFormatSettings{}; }

TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

std::string IntlDecimalProfileValue() {
  std::string v = ProfileOverride() ? *ProfileOverride() : HostDecimalPoint();
  // The profile read fills a buffer of four characters, one of them the end mark.
  if (v.size() > 3) v.resize(3);
  return v;
}

void SetIntlDecimalProfileValue(std::optional<std::string> Value) { ProfileOverride() = std::move(Value); }

char IntlDecimalSeparator() {
  std::string v = IntlDecimalProfileValue();
  if (!v.empty() && (v[0] == ',' || v[0] == '.')) return v[0];
  return ',';
}

void ApplyHostDecimalSeparator() {
  char sep = IntlDecimalSeparator();
  FormatSettings().DecimalSeparator = sep;
  FormatSettings().ThousandSeparator = sep == ',' ? '.' : ',';
}
