#include "framework/rtl/DateUtils.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <mutex>
#include <vector>

#include "framework/rtl/Locale.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"

namespace {
// Days since 1970-01-01 of a proleptic Gregorian date, and back.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t yy = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yy + (m <= 2));
}

// Whole days (towards zero) and milliseconds into the day.
void Split(TDateTime v, std::int64_t& days, std::int64_t& ms) {
  double whole = std::trunc(v);
  days = static_cast<std::int64_t>(whole);
  ms = std::llround(std::fabs(v - whole) * static_cast<double>(MSecsPerDay));
  if (ms >= MSecsPerDay) {
    ms -= MSecsPerDay;
    days += v < 0 ? -1 : 1;
  }
}

std::mutex& NowLock() {
  static std::mutex m;
  return m;
}
std::function<TDateTime()>& NowProvider() {
  static std::function<TDateTime()> p;
  return p;
}

TDateTime SystemNow() {
  auto now = std::chrono::system_clock::now();
  std::time_t t = std::chrono::system_clock::to_time_t(now);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm tm{};
  localtime_r(&t, &tm);
  return EncodeDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                        std::min(tm.tm_sec, 59), static_cast<int>(ms < 0 ? 0 : ms));
}

std::string Pad(int v, int width) {
  std::string s = std::to_string(v < 0 ? -v : v);
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
  return v < 0 ? "-" + s : s;
}

bool StartsNoCase(std::string_view s, std::size_t i, std::string_view word) {
  return s.size() - i >= word.size() && SameText(s.substr(i, word.size()), word);
}

// Whether an am/pm marker follows somewhere in the pattern (12-hour clock).
bool HasAmPm(std::string_view f, std::size_t from) {
  for (std::size_t i = from; i < f.size(); ++i) {
    char c = f[i];
    if (c == '\'' || c == '"') {
      std::size_t close = f.find(c, i + 1);
      if (close == std::string_view::npos) return false;
      i = close;
      continue;
    }
    if (StartsNoCase(f, i, "am/pm") || StartsNoCase(f, i, "a/p") || StartsNoCase(f, i, "ampm")) return true;
  }
  return false;
}

class TDateFormatter {
 public:
  TDateFormatter(TDateTime v, const TFormatSettings& fs) : fs_(fs) {
    std::int64_t days = 0, ms = 0;
    Split(v, days, ms);
    CivilFromDays(days - static_cast<std::int64_t>(UnixDateDelta), y_, m_, d_);
    h_ = static_cast<int>(ms / 3600000);
    n_ = static_cast<int>(ms / 60000 % 60);
    s_ = static_cast<int>(ms / 1000 % 60);
    z_ = static_cast<int>(ms % 1000);
    // 1 = Sunday; 1899-12-30 was a Saturday.
    dow_ = static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
  }

  void Append(std::string_view f, std::string& out, int depth) {
    if (depth > 2) return;  // settings that name each other must not loop
    char last = ' ';
    std::size_t i = 0;
    while (i < f.size()) {
      char c = f[i];
      char up = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
      const bool letter = up >= 'A' && up <= 'Z';
      std::size_t run = 1;
      if (letter)
        while (i + run < f.size() && (f[i + run] == up || f[i + run] == up + 32)) ++run;
      if (letter) {
        if (up == 'M' && last == 'H') up = 'N';
        last = up;
      }
      switch (up) {
        case 'Y':
          out += run <= 2 ? Pad(y_ % 100, 2) : Pad(y_, 4);
          i += run;
          break;
        case 'M':
          if (run == 1)
            out += std::to_string(m_);
          else if (run == 2)
            out += Pad(m_, 2);
          else if (run == 3)
            out += fs_.ShortMonthNames[static_cast<std::size_t>(m_ - 1)];
          else
            out += fs_.LongMonthNames[static_cast<std::size_t>(m_ - 1)];
          i += run;
          break;
        case 'D':
          if (run == 1)
            out += std::to_string(d_);
          else if (run == 2)
            out += Pad(d_, 2);
          else if (run == 3)
            out += fs_.ShortDayNames[static_cast<std::size_t>(dow_ - 1)];
          else if (run == 4)
            out += fs_.LongDayNames[static_cast<std::size_t>(dow_ - 1)];
          else if (run == 5)
            Append(fs_.ShortDateFormat, out, depth + 1);
          else
            Append(fs_.LongDateFormat, out, depth + 1);
          i += run;
          break;
        case 'H': {
          int h = h_;
          if (HasAmPm(f, i + run)) {
            h %= 12;
            if (h == 0) h = 12;
          }
          out += run == 1 ? std::to_string(h) : Pad(h, 2);
          i += run;
          break;
        }
        case 'N':
          out += run == 1 ? std::to_string(n_) : Pad(n_, 2);
          i += run;
          break;
        case 'S':
          out += run == 1 ? std::to_string(s_) : Pad(s_, 2);
          i += run;
          break;
        case 'Z':
          out += run == 1 ? std::to_string(z_) : Pad(z_, 3);
          i += run;
          break;
        case 'T':
          Append(run == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat, out, depth + 1);
          i += run;
          break;
        case 'C':
          Append(fs_.ShortDateFormat, out, depth + 1);
          if (h_ != 0 || n_ != 0 || s_ != 0 || z_ != 0) {
            out += ' ';
            Append(fs_.LongTimeFormat, out, depth + 1);
          }
          i += 1;
          break;
        case 'A':
          if (StartsNoCase(f, i, "am/pm")) {
            out += h_ >= 12 ? f.substr(i + 3, 2) : f.substr(i, 2);
            i += 5;
          } else if (StartsNoCase(f, i, "a/p")) {
            out += h_ >= 12 ? f[i + 2] : f[i];
            i += 3;
          } else if (StartsNoCase(f, i, "ampm")) {
            out += h_ >= 12 ? fs_.TimePMString : fs_.TimeAMString;
            i += 4;
          } else {
            out += c;
            i += 1;
          }
          break;
        case '/':
          out += fs_.DateSeparator;
          i += 1;
          break;
        case ':':
          out += fs_.TimeSeparator;
          i += 1;
          break;
        case '\'':
        case '"': {
          std::size_t close = f.find(c, i + 1);
          if (close == std::string_view::npos) close = f.size();
          out += f.substr(i + 1, close - i - 1);
          i = close + 1;
          break;
        }
        default:
          out += c;
          i += 1;
      }
    }
  }

 private:
  const TFormatSettings& fs_;
  int y_ = 0, m_ = 0, d_ = 0, h_ = 0, n_ = 0, s_ = 0, z_ = 0, dow_ = 1;
};

// A small scanner over date and time text.
class TScanner {
 public:
  explicit TScanner(std::string_view s) : s_(s) {}
  void SkipBlanks() {
    while (i_ < s_.size() && s_[i_] == ' ') ++i_;
  }
  bool AtEnd() const { return i_ >= s_.size(); }
  bool Char(char c) {
    SkipBlanks();
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }
  // Digits; Count receives how many.
  bool Number(int& v, int& count) {
    SkipBlanks();
    v = 0;
    count = 0;
    while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') {
      if (v > 99999) return false;
      v = v * 10 + (s_[i_++] - '0');
      ++count;
    }
    return count > 0;
  }
  bool Word(std::string_view w) {
    SkipBlanks();
    if (!w.empty() && StartsNoCase(s_, i_, w)) {
      i_ += w.size();
      return true;
    }
    return false;
  }
  std::size_t Pos() const { return i_; }
  void SetPos(std::size_t p) { i_ = p; }

 private:
  std::string_view s_;
  std::size_t i_ = 0;
};

enum TDateOrder { doMDY, doDMY, doYMD };

TDateOrder OrderOf(const std::string& fmt) {
  for (char c : fmt) {
    char u = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
    if (u == 'M') return doMDY;
    if (u == 'D') return doDMY;
    if (u == 'Y') return doYMD;
  }
  return doMDY;
}

bool ScanDate(TScanner& sc, const TFormatSettings& fs, TDateTime& out) {
  int n1 = 0, n2 = 0, n3 = 0, c1 = 0, c2 = 0, c3 = 0;
  if (!sc.Number(n1, c1) || !sc.Char(fs.DateSeparator) || !sc.Number(n2, c2)) return false;
  bool three = false;
  std::size_t save = sc.Pos();
  if (sc.Char(fs.DateSeparator)) {
    if (!sc.Number(n3, c3)) return false;
    three = true;
  } else {
    sc.SetPos(save);
  }
  int cy = 0, cm = 0, cd = 0;
  DecodeDate(Date(), cy, cm, cd);
  int y = 0, m = 0, d = 0, yDigits = 4;
  TDateOrder order = OrderOf(fs.ShortDateFormat);
  if (!three) {
    y = cy;
    if (order == doDMY) {
      d = n1;
      m = n2;
    } else if (order == doYMD) {
      m = n1;
      d = n2;
    } else {
      m = n1;
      d = n2;
    }
  } else if (order == doMDY) {
    m = n1, d = n2, y = n3, yDigits = c3;
  } else if (order == doDMY) {
    d = n1, m = n2, y = n3, yDigits = c3;
  } else {
    y = n1, m = n2, d = n3, yDigits = c1;
  }
  if (three && yDigits <= 2) {
    // The hundred years starting TwoDigitYearCenturyWindow years before now.
    int base = cy - std::max(fs.TwoDigitYearCenturyWindow, 0);
    y += base / 100 * 100;
    if (fs.TwoDigitYearCenturyWindow > 0 && y < base) y += 100;
  }
  return TryEncodeDate(y, m, d, out);
}

bool ScanTime(TScanner& sc, const TFormatSettings& fs, TDateTime& out) {
  int pm = -1;  // -1 none, 0 am, 1 pm
  auto ampm = [&] {
    if (sc.Word(fs.TimeAMString) || sc.Word("AM"))
      pm = 0;
    else if (sc.Word(fs.TimePMString) || sc.Word("PM"))
      pm = 1;
  };
  ampm();
  int h = 0, n = 0, s = 0, z = 0, c = 0;
  if (!sc.Number(h, c)) return false;
  if (sc.Char(fs.TimeSeparator)) {
    if (!sc.Number(n, c)) return false;
    if (sc.Char(fs.TimeSeparator)) {
      if (!sc.Number(s, c)) return false;
      if (sc.Char(fs.DecimalSeparator)) {
        if (!sc.Number(z, c)) return false;
        while (c > 3) {
          z /= 10;
          --c;
        }
        while (c < 3) {
          z *= 10;
          ++c;
        }
      }
    }
  }
  if (pm < 0) ampm();
  if (pm >= 0) {
    if (h < 1 || h > 12) {
      if (!(h == 0 && pm == 0)) return false;
    }
    if (pm == 1 && h < 12) h += 12;
    if (pm == 0 && h == 12) h = 0;
  }
  return TryEncodeTime(h, n, s, z, out);
}
}  // namespace

bool IsLeapYear(int Year) { return (Year % 4 == 0) && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInAMonth(int Year, int Month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return Month == 2 && IsLeapYear(Year) ? 29 : kDays[Month - 1];
}

int DaysInMonth(TDateTime Value) {
  int y = 0, m = 0, d = 0;
  DecodeDate(Value, y, m, d);
  return DaysInAMonth(y, m);
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Value) {
  if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInAMonth(Year, Month))
    return false;
  Value = static_cast<double>(DaysFromCivil(Year, static_cast<unsigned>(Month), static_cast<unsigned>(Day))) +
          UnixDateDelta;
  return true;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Value) {
  if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999)
    return false;
  Value =
      static_cast<double>(((Hour * 60LL + Min) * 60 + Sec) * 1000 + MSec) / static_cast<double>(MSecsPerDay);
  return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  TDateTime v = 0;
  if (!TryEncodeDate(Year, Month, Day, v)) throw EConvertError("Invalid argument to date encode");
  return v;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
  TDateTime v = 0;
  if (!TryEncodeTime(Hour, Min, Sec, MSec, v)) throw EConvertError("Invalid argument to time encode");
  return v;
}

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec) {
  TDateTime d = EncodeDate(Year, Month, Day);
  TDateTime t = EncodeTime(Hour, Min, Sec, MSec);
  // Before the base day the fraction still counts forward from midnight.
  return d >= 0 ? d + t : d - t;
}

void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day) {
  std::int64_t days = 0, ms = 0;
  Split(Value, days, ms);
  CivilFromDays(days - static_cast<std::int64_t>(UnixDateDelta), Year, Month, Day);
}

void DecodeTime(TDateTime Value, int& Hour, int& Min, int& Sec, int& MSec) {
  std::int64_t days = 0, ms = 0;
  Split(Value, days, ms);
  Hour = static_cast<int>(ms / 3600000);
  Min = static_cast<int>(ms / 60000 % 60);
  Sec = static_cast<int>(ms / 1000 % 60);
  MSec = static_cast<int>(ms % 1000);
}

void DecodeDateTime(TDateTime Value, int& Year, int& Month, int& Day, int& Hour, int& Min, int& Sec,
                    int& MSec) {
  DecodeDate(Value, Year, Month, Day);
  DecodeTime(Value, Hour, Min, Sec, MSec);
}

int DayOfWeek(TDateTime Value) {
  std::int64_t days = 0, ms = 0;
  Split(Value, days, ms);
  return static_cast<int>(((days % 7) + 7 + 6) % 7) + 1;
}

TDateTime DateOf(TDateTime Value) { return std::trunc(Value); }
TDateTime TimeOf(TDateTime Value) { return std::fabs(Value - std::trunc(Value)); }

TDateTime IncMonth(TDateTime Value, int NumberOfMonths) {
  int y = 0, m = 0, d = 0;
  DecodeDate(Value, y, m, d);
  long long total = static_cast<long long>(y) * 12 + (m - 1) + NumberOfMonths;
  long long ny = total >= 0 ? total / 12 : (total - 11) / 12;
  int nm = static_cast<int>(total - ny * 12) + 1;
  int nd = std::min(d, DaysInAMonth(static_cast<int>(ny), nm));
  TDateTime date = EncodeDate(static_cast<int>(ny), nm, nd);
  TDateTime t = TimeOf(Value);
  return date >= 0 ? date + t : date - t;
}

TDateTime Now() {
  {
    std::lock_guard<std::mutex> lock(NowLock());
    if (NowProvider()) return NowProvider()();
  }
  return SystemNow();
}

TDateTime Date() { return DateOf(Now()); }
TDateTime Time() { return TimeOf(Now()); }

void SetNowProvider(std::function<TDateTime()> Provider) {
  std::lock_guard<std::mutex> lock(NowLock());
  NowProvider() = std::move(Provider);
}

std::string FormatDateTime(std::string_view Format, TDateTime Value) {
  return FormatDateTime(Format, Value, FormatSettings());
}

std::string FormatDateTime(std::string_view Format, TDateTime Value, const TFormatSettings& Settings) {
  std::string out;
  TDateFormatter f(Value, Settings);
  f.Append(Format.empty() ? std::string_view("c") : Format, out, 0);
  return out;
}

std::string DateToStr(TDateTime Value) { return FormatDateTime("ddddd", Value); }
std::string TimeToStr(TDateTime Value) { return FormatDateTime("tt", Value); }
std::string DateTimeToStr(TDateTime Value) { return FormatDateTime("c", Value); }

bool TryStrToDate(std::string_view S, TDateTime& Value, const TFormatSettings& Settings) {
  TScanner sc(S);
  TDateTime v = 0;
  if (!ScanDate(sc, Settings, v)) return false;
  sc.SkipBlanks();
  if (!sc.AtEnd()) return false;
  Value = v;
  return true;
}

bool TryStrToTime(std::string_view S, TDateTime& Value, const TFormatSettings& Settings) {
  TScanner sc(S);
  TDateTime v = 0;
  if (!ScanTime(sc, Settings, v)) return false;
  sc.SkipBlanks();
  if (!sc.AtEnd()) return false;
  Value = v;
  return true;
}

bool TryStrToDateTime(std::string_view S, TDateTime& Value, const TFormatSettings& Settings) {
  TScanner sc(S);
  TDateTime d = 0, t = 0;
  std::size_t start = sc.Pos();
  if (ScanDate(sc, Settings, d)) {
    sc.SkipBlanks();
    if (!sc.AtEnd() && !ScanTime(sc, Settings, t)) return false;
  } else {
    // A time alone is a time on the base day.
    sc.SetPos(start);
    if (!ScanTime(sc, Settings, t)) return false;
  }
  sc.SkipBlanks();
  if (!sc.AtEnd()) return false;
  Value = d >= 0 ? d + t : d - t;
  return true;
}

bool TryStrToDate(std::string_view S, TDateTime& Value) { return TryStrToDate(S, Value, FormatSettings()); }
bool TryStrToTime(std::string_view S, TDateTime& Value) { return TryStrToTime(S, Value, FormatSettings()); }
bool TryStrToDateTime(std::string_view S, TDateTime& Value) {
  return TryStrToDateTime(S, Value, FormatSettings());
}

TDateTime StrToDate(std::string_view S) {
  TDateTime v = 0;
  if (!TryStrToDate(S, v)) throw EConvertError("'" + std::string(S) + "' is not a valid date");
  return v;
}

TDateTime StrToTime(std::string_view S) {
  TDateTime v = 0;
  if (!TryStrToTime(S, v)) throw EConvertError("'" + std::string(S) + "' is not a valid time");
  return v;
}

TDateTime StrToDateTime(std::string_view S) {
  TDateTime v = 0;
  if (!TryStrToDateTime(S, v)) throw EConvertError("'" + std::string(S) + "' is not a valid date and time");
  return v;
}
