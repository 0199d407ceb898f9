#include "framework/rtl/Format.h"

#include <gtest/gtest.h>

#include "framework/rtl/Locale.h"
#include "framework/rtl/SysUtils.h"

TEST(Format, FormatsEachTypeAsThePlatformDoes) {
  EXPECT_EQ(Format("%d", {42}), "42");
  EXPECT_EQ(Format("%.8d", {42}), "00000042");
  EXPECT_EQ(Format("%.3d", {-5}), "-005");
  EXPECT_EQ(Format("%5d|%-5d|", {7, 7}), "    7|7    |");
  EXPECT_EQ(Format("%u", {-1}), "4294967295");
  EXPECT_EQ(Format("%x %.4x", {255, 10}), "FF 000A");
  EXPECT_EQ(Format("%s and %s", {"a", std::string("b")}), "a and b");
  EXPECT_EQ(Format("%.2s", {"abc"}), "ab");
  EXPECT_EQ(Format("%6s|", {"\xC3\xA9t\xC3\xA9"}), "   \xC3\xA9t\xC3\xA9|");  // width counts characters
  EXPECT_EQ(Format("%f", {1.5}), "1.50");
  EXPECT_EQ(Format("%.2f", {2.375}), "2.38");
  EXPECT_EQ(Format("%.2f", {1.005}), "1.00");  // stored as 1.00499...
  EXPECT_EQ(Format("%.0f", {2.5}), "3");
  EXPECT_EQ(Format("%g", {0.5}), "0.5");
  EXPECT_EQ(Format("%g", {1e20}), "1E20");
  EXPECT_EQ(Format("%e", {1.0}), "1.00000000000000E+000");
  EXPECT_EQ(Format("%.3e", {12345.0}), "1.23E+004");
  EXPECT_EQ(Format("%n", {1234567.5}), "1,234,567.50");
  EXPECT_EQ(Format("%.0n", {1234.0}), "1,234");
  EXPECT_EQ(Format("%m", {3.5}), "$3.50");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b");
  EXPECT_EQ(Format("%*d", {4, 1}), "   1");
  EXPECT_EQ(Format("%s%.8d", {"StartHTML:", 97}), "StartHTML:00000097");
  EXPECT_EQ(Format("Red: %d,  Green: %d,  Blue: %d", {1, 2, 3}), "Red: 1,  Green: 2,  Blue: 3");
}

TEST(Format, NumbersFollowTheSettings) {
  TFormatSettings fs;
  fs.DecimalSeparator = ',';
  fs.ThousandSeparator = '.';
  EXPECT_EQ(Format("%.2f", {1.5}, fs), "1,50");
  EXPECT_EQ(Format("%n", {1234.5}, fs), "1.234,50");
  TFormatSettingsScope keep;
  FormatSettings().DecimalSeparator = ',';
  EXPECT_EQ(Format("%.1f", {0.25}), "0,3");
}

TEST(Format, BadArgumentsRaiseInsteadOfMisbehaving) {
  // Missing arguments, wrong types and malformed specifiers.
  EXPECT_THROW(Format("%d", {}), EConvertError);
  EXPECT_THROW(Format("%d", {"text"}), EConvertError);
  EXPECT_THROW(Format("%s", {5}), EConvertError);
  EXPECT_THROW(Format("%d %d", {1}), EConvertError);
  EXPECT_THROW(Format("%", {1}), EConvertError);
  EXPECT_THROW(Format("%5", {1}), EConvertError);
  EXPECT_THROW(Format("%y", {1}), EConvertError);
  EXPECT_THROW(Format("%f", {1}), EConvertError);
  EXPECT_THROW(Format("%3:d", {1}), EConvertError);
  try {
    Format("Row %d of %d", {1});
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Format 'Row %d of %d' invalid or incompatible with argument");
  }
}

TEST(Format, LanguageTextsNeverRaise) {
  EXPECT_EQ(FormatLangText("Position between %d and %d", {0, 1499}), "Position between 0 and 1499");
  EXPECT_EQ(FormatLangText("Only %d here", {1, 2, 3}), "Only 1 here");
  EXPECT_EQ(FormatLangText("%d and %d and %d", {7}), "7 and %d and %d");
  EXPECT_EQ(FormatLangText("no token %x %", {7}), "no token %x %");
  EXPECT_EQ(FormatLangText("%s=%d", {"a", 1}), "a=1");
}
