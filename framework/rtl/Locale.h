#pragma once
// Number, date and time conventions of the program, held in one object.
//
// The global FormatSettings() starts from fixed English (United States)
// values, never from the host locale, so results do not depend on the
// machine; tests change it freely (TFormatSettingsScope restores it). The
// program itself installs the host's decimal separator at start-up with
// ApplyHostDecimalSeparator(), so that number conversions and the profile
// value [Intl] sDecimal agree.
//
// Date and time patterns use the platform's letters: d, m (month), y, h, n
// (minutes), s, z, am/pm, a/p, ampm; see FormatDateTime in DateUtils.h.
#include <array>
#include <optional>
#include <string>

struct TFormatSettings {
  char DecimalSeparator = '.';
  char ThousandSeparator = ',';
  char DateSeparator = '/';
  char TimeSeparator = ':';
  char ListSeparator = ',';
  std::string ShortDateFormat = "m/d/yyyy";
  std::string LongDateFormat = "dddd, mmmm d, yyyy";
  std::string ShortTimeFormat = "h:nn AMPM";
  std::string LongTimeFormat = "h:nn:ss AMPM";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::string CurrencyString = "$";
  // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
  int CurrencyFormat = 0;
  // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-",
  // 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)".
  int NegCurrFormat = 0;
  int CurrencyDecimals = 2;
  // Two-digit years read from text fall within this many years before now;
  // 0 takes them in the current century.
  int TwoDigitYearCenturyWindow = 50;
  std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
  // Index 0 is Sunday, as the platform's DayOfWeek (1 = Sunday) minus one.
  std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
};

// The program's settings, read at each conversion.
TFormatSettings& FormatSettings();
// The fixed values FormatSettings() starts with.
TFormatSettings DefaultFormatSettings();

// Saves the global settings and restores them when it goes out of scope.
class TFormatSettingsScope {
 public:
  TFormatSettingsScope() : saved_(FormatSettings()) {}
  ~TFormatSettingsScope() { FormatSettings() = saved_; }
  TFormatSettingsScope(const TFormatSettingsScope&) = delete;
  TFormatSettingsScope& operator=(const TFormatSettingsScope&) = delete;

 private:
  TFormatSettings saved_;
};

// The profile value [Intl] sDecimal. There is no such profile here: the value
// defaults to the host locale's decimal point and can be set (tests do).
// As the profile buffer holds four characters, at most three are returned.
std::string IntlDecimalProfileValue();
void SetIntlDecimalProfileValue(std::optional<std::string> Value);
// The separator the profile value stands for: its first character when that
// is ',' or '.', else ',' (also when the value is empty).
char IntlDecimalSeparator();
// Sets FormatSettings().DecimalSeparator from IntlDecimalSeparator() and the
// thousand separator to the other of ',' and '.'.
void ApplyHostDecimalSeparator();
