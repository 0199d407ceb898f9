#include <gtest/gtest.h>

#include <string>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Locale.h"
#include "grid/base/VevUtil.h"

namespace {

void UseGermanNumbers() {
  FormatSettings().DecimalSeparator = ',';
  FormatSettings().ThousandSeparator = '.';
}

}  // namespace

TEST(VevUtil, NumberTextKind) {
  TFormatSettingsScope scope;  // "," thousands, "." decimals
  struct Case {
    std::string text;
    int kind;
  } cases[] = {
      {"123", ntInteger},      {"-123", ntInteger},        {"-", ntInteger},
      {"١٢٣", ntInteger},      {"1,234.5", ntDecimal},     {"1,234,567", ntDecimal},
      {".5", ntDecimal},       {"1,23,456", ntNotANumber}, {"1.5e-3", ntExponent},
      {"-1.5e-3", ntExponent}, {"2E+10", ntExponent},      {"e5", ntNotANumber},
      {"5e", ntNotANumber},    {"1e5e3", ntNotANumber},    {"1,000e3", ntNotANumber},
      {"1.2.3", ntNotANumber}, {"12-3", ntNotANumber},     {"--1", ntNotANumber},
      {"", ntNotANumber},      {"12 kg", ntNotANumber},    {"-1e-5-", ntNotANumber},
  };
  for (const Case& c : cases) EXPECT_EQ(NumberTextKind(c.text), c.kind) << c.text;

  UseGermanNumbers();
  EXPECT_EQ(NumberTextKind("1.234,5"), ntDecimal);
  EXPECT_EQ(NumberTextKind("1,2,3"), ntNotANumber);
}

TEST(VevUtil, ExtractNumberText) {
  TFormatSettingsScope scope;
  struct Case {
    std::string text, number;
  } cases[] = {
      {"(1,234.50)", "-1234.50"},
      {"$ 12.5", "12.5"},
      {"-x5", "-5"},
      {"12.5 kg", "12.5"},
      {" (5)", "-5"},
      {"", ""},
      {"abc", ""},
      {"EUR 3", "E"},
      {"1e5", "1e5"},
      {"\t42\r\n", "42"},
      {"-1,000", "-1000"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtractNumberText(c.text), c.number) << c.text;

  UseGermanNumbers();
  EXPECT_EQ(ExtractNumberText("1.234,5 €"), "1234.5");
}

TEST(VevUtil, ParseShortDates) {
  EXPECT_EQ(ParseDateMDY("12/31/99"), EncodeDate(1999, 12, 31));
  EXPECT_EQ(ParseDateMDY("1-2-25"), EncodeDate(2025, 1, 2));
  EXPECT_EQ(ParseDateMDY("1.2.7"), EncodeDate(2007, 1, 2));
  EXPECT_EQ(ParseDateDMY("31.12.26"), EncodeDate(1926, 12, 31));
  EXPECT_EQ(ParseDateDMY("2/1/2020"), EncodeDate(3920, 1, 2));  // four-digit years land late, in order
  for (const char* bad : {"1/2", "", "abc", "a/b/c", "13/1/20", "2/30/20", "1/2/3/4"})
    EXPECT_EQ(ParseDateMDY(bad), 0) << bad;
  EXPECT_EQ(ParseDateDMY("31/4/20"), 0);  // an impossible date reads as 0, never raises
}

TEST(VevUtil, IncrementDateSteps) {
  struct Case {
    int years, months, days;
    double plain;
    TDateTime from, to;
  } cases[] = {
      {0, 1, 0, 0, EncodeDate(2020, 12, 15), EncodeDate(2021, 1, 15)},
      {0, -1, 0, 0, EncodeDate(2021, 1, 15), EncodeDate(2020, 12, 15)},
      {0, 25, 0, 0, EncodeDate(2020, 3, 10), EncodeDate(2022, 4, 10)},
      {0, -13, 0, 0, EncodeDate(2020, 3, 10), EncodeDate(2019, 2, 10)},
      {0, 1, 0, 0, EncodeDate(2021, 1, 31), EncodeDate(2021, 2, 28)},  // no 31 February
      {0, 1, 0, 0, EncodeDate(2020, 1, 31), EncodeDate(2020, 2, 29)},
      {1, 0, 0, 0, EncodeDate(2020, 2, 29), EncodeDate(2021, 2, 28)},
      {4, 0, 0, 0, EncodeDate(2020, 2, 29), EncodeDate(2024, 2, 29)},
      {0, 0, 3, 0, EncodeDate(2020, 12, 30), EncodeDate(2021, 1, 2)},
      {0, 0, 0, 7, EncodeDate(2020, 1, 1), EncodeDate(2020, 1, 8)},
      {1, 1, 0, 2, EncodeDate(2020, 1, 1), EncodeDate(2020, 1, 3)},  // mixed steps take the plain step
      {0, 0, 0, 0, EncodeDate(2020, 1, 1), EncodeDate(2020, 1, 1)},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(IncrementDate(c.years, c.months, c.days, c.plain, c.from), c.to)
        << c.years << "y " << c.months << "m " << c.days << "d from " << DateToStr(c.from);
  }
  // The time of day rides along with a calendar step.
  const TDateTime noon = EncodeDate(2021, 3, 31) + 0.5;
  EXPECT_DOUBLE_EQ(IncrementDate(0, 1, 0, 0, noon), EncodeDate(2021, 4, 30) + 0.5);
}

TEST(VevUtil, LooksLikeDate) {
  TFormatSettingsScope scope;
  EXPECT_TRUE(LooksLikeDate("1/2/3"));
  EXPECT_TRUE(LooksLikeDate("12/31/1999"));
  EXPECT_FALSE(LooksLikeDate("/1/2"));
  EXPECT_FALSE(LooksLikeDate("1//2"));
  EXPECT_FALSE(LooksLikeDate("1/2"));
  FormatSettings().DateSeparator = '.';
  EXPECT_TRUE(LooksLikeDate("1.2.3"));
  EXPECT_FALSE(LooksLikeDate("1/2/3"));
}

TEST(VevUtil, NumberCharacterClasses) {
  TFormatSettingsScope scope;
  EXPECT_TRUE(IsNumberChar('7'));
  EXPECT_TRUE(IsNumberChar(U'²'));
  EXPECT_TRUE(IsNumberChar(U'٣'));
  EXPECT_FALSE(IsNumberChar('a'));
  EXPECT_TRUE(IsDigitOrMinus('-'));
  EXPECT_FALSE(IsDigitOrMinus('+'));
  EXPECT_TRUE(IsNumberPartChar(','));
  EXPECT_TRUE(IsNumberPartChar('e'));
  EXPECT_FALSE(IsNumberPartChar('-'));
  EXPECT_TRUE(IsSignedNumberPartChar('+'));
  EXPECT_TRUE(IsExtractChar('.'));
  EXPECT_FALSE(IsExtractChar(','));
  UseGermanNumbers();
  EXPECT_TRUE(IsNumberPartChar('.'));
  EXPECT_FALSE(IsNumberPartChar(';'));
}
