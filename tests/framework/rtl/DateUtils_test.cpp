#include "framework/rtl/DateUtils.h"

#include <gtest/gtest.h>

#include "framework/rtl/Locale.h"
#include "framework/rtl/SysUtils.h"

namespace {
struct NowScope {
  explicit NowScope(TDateTime t) {
    SetNowProvider([t] { return t; });
  }
  ~NowScope() { SetNowProvider(nullptr); }
};
}  // namespace

TEST(DateUtils, SerialNumbersCountDaysFrom1899) {
  struct Case {
    int y, m, d;
    double serial;
  } cases[] = {{1899, 12, 30, 0},    {1899, 12, 31, 1},  {1900, 1, 1, 2},    {2000, 1, 1, 36526},
               {2020, 2, 29, 43890}, {1899, 12, 29, -1}, {1, 1, 1, -693593}, {9999, 12, 31, 2958465}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(EncodeDate(c.y, c.m, c.d), c.serial) << c.y << "-" << c.m << "-" << c.d;
    int y = 0, m = 0, d = 0;
    DecodeDate(c.serial, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d);
  }
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 1, 7)), 1);  // a Sunday
  EXPECT_EQ(DayOfWeek(0), 7);                       // a Saturday
}

TEST(DateUtils, TimeOfDaySurvivesNegativeDatesAndRounding) {
  int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, z = 0;
  DecodeDateTime(-1.25, y, m, d, h, n, s, z);
  EXPECT_EQ(d, 29);
  EXPECT_EQ(h, 6);
  TDateTime t = EncodeDateTime(2021, 3, 4, 23, 59, 59, 999);
  DecodeDateTime(t, y, m, d, h, n, s, z);
  EXPECT_EQ(y * 10000 + m * 100 + d, 20210304);
  EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + z, 235959999);
  // Half a millisecond before midnight rounds into the next day.
  DecodeDateTime(EncodeDate(2021, 3, 4) + (86400000 - 0.4) / 86400000.0, y, m, d, h, n, s, z);
  EXPECT_EQ(d * 100 + h, 500);
}

TEST(DateUtils, ImpossibleValuesRaise) {
  EXPECT_THROW(EncodeDate(2021, 2, 29), EConvertError);
  EXPECT_THROW(EncodeDate(2021, 13, 1), EConvertError);
  EXPECT_THROW(EncodeDate(0, 1, 1), EConvertError);
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
  EXPECT_THROW(EncodeTime(1, 60, 0, 0), EConvertError);
  try {
    EncodeTime(0, 0, 0, 1000);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Invalid argument to time encode");
  }
  TDateTime v = 0;
  EXPECT_FALSE(TryEncodeDate(1900, 2, 29, v));
  EXPECT_TRUE(TryEncodeDate(2000, 2, 29, v));
}

TEST(DateUtils, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_EQ(DaysInAMonth(2023, 2), 28);
  EXPECT_EQ(DaysInAMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(EncodeDate(2024, 4, 10)), 30);
}

TEST(DateUtils, IncMonthClampsTheDayAndCrossesYears) {
  struct Case {
    int y, m, d, step, ey, em, ed;
  } cases[] = {{2020, 1, 31, 1, 2020, 2, 29},
               {2020, 12, 15, 1, 2021, 1, 15},
               {2021, 1, 15, -1, 2020, 12, 15},
               {2021, 3, 31, -13, 2020, 2, 29},
               {2020, 5, 5, 27, 2022, 8, 5}};
  for (const auto& c : cases) {
    TDateTime r = IncMonth(EncodeDate(c.y, c.m, c.d) + 0.5, c.step);
    EXPECT_DOUBLE_EQ(r, EncodeDate(c.ey, c.em, c.ed) + 0.5) << c.y << "-" << c.m << " + " << c.step;
  }
}

TEST(DateUtils, FormatDateTimeKnowsThePatternLetters) {
  TFormatSettings fs;
  const TDateTime t = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45);
  struct Case {
    const char* pattern;
    const char* text;
  } cases[] = {
      {"dd/mm/yyyy", "05/03/2024"},
      {"d/m/yy", "5/3/24"},
      {"hh:nn", "14:07"},
      {"h:mm", "14:07"},  // m right after h means minutes
      {"hh:nn:ss.zzz", "14:07:09.045"},
      {"h:nn am/pm", "2:07 pm"},
      {"h:nn AM/PM", "2:07 PM"},
      {"hh a/p", "02 p"},
      {"h ampm", "2 PM"},
      {"ddd dddd mmm mmmm", "Tue Tuesday Mar March"},
      {"ddddd", "3/5/2024"},
      {"dddddd", "Tuesday, March 5, 2024"},
      {"t", "2:07 PM"},
      {"tt", "2:07:09 PM"},
      {"c", "3/5/2024 2:07:09 PM"},
      {"'at' h \"o'clock\"", "at 14 o'clock"},
      {"yyyy-mm-dd", "2024-03-05"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDateTime(c.pattern, t, fs), c.text) << c.pattern;
  EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 3, 5), fs), "3/5/2024");
  EXPECT_EQ(FormatDateTime("h:nn am/pm", EncodeTime(0, 30, 0, 0), fs), "12:30 am");
  fs.DateSeparator = '.';
  fs.TimeSeparator = '-';
  EXPECT_EQ(FormatDateTime("dd/mm hh:nn", t, fs), "05.03 14-07");
}

TEST(DateUtils, NowComesFromTheInstalledClock) {
  NowScope fixed(EncodeDateTime(2022, 6, 1, 8, 30, 0, 0));
  EXPECT_DOUBLE_EQ(Date(), EncodeDate(2022, 6, 1));
  EXPECT_NEAR(Time(), EncodeTime(8, 30, 0, 0), 1e-9);
}

TEST(DateUtils, TextReadsInTheOrderOfTheShortDateFormat) {
  NowScope fixed(EncodeDate(2024, 6, 1));
  TFormatSettings us;
  TFormatSettings eu;
  eu.ShortDateFormat = "dd/mm/yyyy";
  eu.DateSeparator = '.';
  TDateTime v = 0;
  EXPECT_TRUE(TryStrToDate("12/31/1999", v, us));
  EXPECT_DOUBLE_EQ(v, EncodeDate(1999, 12, 31));
  EXPECT_TRUE(TryStrToDate("31.12.1999", v, eu));
  EXPECT_DOUBLE_EQ(v, EncodeDate(1999, 12, 31));
  EXPECT_TRUE(TryStrToDate("3/4", v, us));
  EXPECT_DOUBLE_EQ(v, EncodeDate(2024, 3, 4));
  EXPECT_TRUE(TryStrToDate("1/2/24", v, us));
  EXPECT_DOUBLE_EQ(v, EncodeDate(2024, 1, 2));
  EXPECT_TRUE(TryStrToDate("1/2/80", v, us));  // within 50 years before now
  EXPECT_DOUBLE_EQ(v, EncodeDate(2080 - 100, 1, 2));
  EXPECT_FALSE(TryStrToDate("2/30/2024", v, us));
  EXPECT_FALSE(TryStrToDate("12/31/1999x", v, us));
  EXPECT_FALSE(TryStrToDate("", v, us));
  EXPECT_TRUE(TryStrToTime("2:05 PM", v, us));
  EXPECT_NEAR(v, EncodeTime(14, 5, 0, 0), 1e-9);
  EXPECT_TRUE(TryStrToTime("12:00:01.5 am", v, us));
  EXPECT_NEAR(v, EncodeTime(0, 0, 1, 500), 1e-9);
  EXPECT_FALSE(TryStrToTime("13:00 PM", v, us));
  EXPECT_FALSE(TryStrToTime("25:00", v, us));
  EXPECT_TRUE(TryStrToDateTime("12/31/1999 23:59", v, us));
  EXPECT_NEAR(v, EncodeDate(1999, 12, 31) + EncodeTime(23, 59, 0, 0), 1e-9);
  try {
    StrToDate("soon");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'soon' is not a valid date");
  }
}
