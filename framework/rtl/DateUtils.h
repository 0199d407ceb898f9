#pragma once
// Dates and times as the platform keeps them: TDateTime is a double counting
// days since 30 December 1899; the fraction is the time of day. For dates
// before that day the whole part is negative and the fraction still counts
// forward from midnight (-1.25 is 29 December 1899, 06:00).
//
// Now() reads the local clock unless a test installs its own with
// SetNowProvider. Text conversions use FormatSettings() unless settings are
// given.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct TFormatSettings;

using TDateTime = double;

inline constexpr int HoursPerDay = 24;
inline constexpr int MinsPerDay = 24 * 60;
inline constexpr int SecsPerDay = 24 * 60 * 60;
inline constexpr std::int64_t MSecsPerDay = 24LL * 60 * 60 * 1000;
// 1 January 1970 as a TDateTime.
inline constexpr double UnixDateDelta = 25569.0;

bool IsLeapYear(int Year);
int DaysInAMonth(int Year, int Month);
int DaysInMonth(TDateTime Value);

// Raise EConvertError "Invalid argument to date encode" / "... time encode"
// on an impossible value (year 1..9999; hour 0..23, minute and second
// 0..59, millisecond 0..999).
TDateTime EncodeDate(int Year, int Month, int Day);
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Value);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Value);
TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec);

void DecodeDate(TDateTime Value, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime Value, int& Hour, int& Min, int& Sec, int& MSec);
void DecodeDateTime(TDateTime Value, int& Year, int& Month, int& Day, int& Hour, int& Min, int& Sec,
                    int& MSec);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime Value);

// The date part and the time part.
TDateTime DateOf(TDateTime Value);
TDateTime TimeOf(TDateTime Value);

// Moves by whole months; a day the target month lacks becomes its last day.
TDateTime IncMonth(TDateTime Value, int NumberOfMonths = 1);

TDateTime Now();
TDateTime Date();
TDateTime Time();
// Replaces the clock behind Now/Date/Time; an empty function restores it.
void SetNowProvider(std::function<TDateTime()> Provider);

// The platform's pattern letters: c, d, dd, ddd, dddd, ddddd, dddddd, m, mm,
// mmm, mmmm (minutes right after an h), yy, yyyy, h, hh, n, nn, s, ss, z,
// zzz, t, tt, am/pm, a/p, ampm, "/" (date separator), ":" (time separator),
// and quoted literals. Any other character is copied.
std::string FormatDateTime(std::string_view Format, TDateTime Value);
std::string FormatDateTime(std::string_view Format, TDateTime Value, const TFormatSettings& Settings);
std::string DateToStr(TDateTime Value);
std::string TimeToStr(TDateTime Value);
std::string DateTimeToStr(TDateTime Value);

// Read dates in the order of ShortDateFormat (m/d/y, d/m/y or y/m/d) with
// DateSeparator; a missing year is the current one, a two-digit year falls
// in the TwoDigitYearCenturyWindow. Times are h[:n[:s[.z]]] with an optional
// AM/PM. Raise EConvertError "'x' is not a valid date" / "time" /
// "date and time".
bool TryStrToDate(std::string_view S, TDateTime& Value);
bool TryStrToTime(std::string_view S, TDateTime& Value);
bool TryStrToDateTime(std::string_view S, TDateTime& Value);
bool TryStrToDate(std::string_view S, TDateTime& Value, const TFormatSettings& Settings);
bool TryStrToTime(std::string_view S, TDateTime& Value, const TFormatSettings& Settings);
bool TryStrToDateTime(std::string_view S, TDateTime& Value, const TFormatSettings& Settings);
TDateTime StrToDate(std::string_view S);
TDateTime StrToTime(std::string_view S);
TDateTime StrToDateTime(std::string_view S);
