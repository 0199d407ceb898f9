#include "framework/rtl/StrUtils.h"

#include <gtest/gtest.h>

#include <climits>

#include "framework/rtl/Locale.h"
#include "framework/rtl/SysUtils.h"

TEST(StrUtils, TrimRemovesBlanksAndControlCharactersOnly) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01\x1f "), "a b");
  EXPECT_EQ(TrimLeft("  a  "), "a  ");
  EXPECT_EQ(TrimRight("  a  "), "  a");
  EXPECT_EQ(Trim("\xC2\xA0x"), "\xC2\xA0x");  // a no-break space is a character
  EXPECT_EQ(Trim("   "), "");
}

TEST(StrUtils, PlainCaseMappingTouchesAsciiOnly) {
  EXPECT_EQ(UpperCase("abc.csv \xC3\xA9"), "ABC.CSV \xC3\xA9");
  EXPECT_EQ(LowerCase("ABC \xC3\x89"), "abc \xC3\x89");
  EXPECT_TRUE(SameText("Edit1", "EDIT1"));
  EXPECT_FALSE(SameText("\xC3\xA9", "\xC3\x89"));
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_GT(CompareText("abcd", "ABC"), 0);
  EXPECT_EQ(AnsiUpperCase("schlie\xC3\x9F"
                          "en \xC3\xA9t\xC3\xA9 \xD0\xB4"),
            "SCHLIE\xC3\x9F"
            "EN \xC3\x89T\xC3\x89 \xD0\x94");
  EXPECT_TRUE(AnsiSameText("\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89"));
  EXPECT_EQ(AnsiUpperCase("\xC5\x82\xC5\xBE\xC4\xB1"),
            "\xC5\x81\xC5\xBD"
            "I");  // l-stroke, z-caron, dotless i
  EXPECT_EQ(AnsiLowerCase("\xC5\x81\xC4\xB0\xC5\xB8"), "\xC5\x82i\xC3\xBF");
}

TEST(StrUtils, AnsiCompareStrPutsCaseAfterLetters) {
  EXPECT_LT(AnsiCompareStr("a", "B"), 0);
  EXPECT_LT(AnsiCompareStr("a", "A"), 0);
  EXPECT_LT(AnsiCompareStr("A", "b"), 0);
  EXPECT_EQ(AnsiCompareStr("x", "x"), 0);
}

TEST(StrUtils, IntegerReaderFollowsTheValRules) {
  struct Case {
    const char* text;
    bool ok;
    int value;
  } cases[] = {
      {"12", true, 12},
      {" 12", true, 12},
      {"12 ", false, 0},
      {"", false, 0},
      {"   ", false, 0},
      {"abc", false, 0},
      {"+5", true, 5},
      {"-7", true, -7},
      {"$1F", true, 31},
      {"0x1F", true, 31},
      {"0X1f", true, 31},
      {"x1F", true, 31},
      {"X1F", true, 31},
      {"-$1F", true, -31},
      {"$", false, 0},
      {"0x", false, 0},
      {"-", false, 0},
      {"2147483647", true, INT_MAX},
      {"2147483648", false, 0},
      {"-2147483648", true, INT_MIN},
      {"-2147483649", false, 0},
      {"$FFFFFFFF", true, -1},
      {"0x80000000", true, INT_MIN},
      {"$100000000", false, 0},
      {"0x000000001F", true, 31},
      {"1e3", false, 0},
      {"12.0", false, 0},
      {"$1G", false, 0},
  };
  for (const auto& c : cases) {
    int v = 0;
    EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.text;
    }
    EXPECT_EQ(StrToIntDef(c.text, -1), c.ok ? c.value : -1) << c.text;
  }
}

TEST(StrUtils, ValReportsTheFailingPosition) {
  int v = 0;
  EXPECT_EQ(Val("12", v), 0);
  EXPECT_EQ(Val("12 ", v), 3);
  EXPECT_EQ(Val("1x", v), 2);
  EXPECT_EQ(Val("$", v), 2);
  double d = 0;
  EXPECT_EQ(Val("12.5", d), 0);
  EXPECT_DOUBLE_EQ(d, 12.5);
  EXPECT_EQ(Val("12.5 kg", d), 5);
  EXPECT_EQ(Val("1,5", d), 2);
  std::int64_t big = 0;
  EXPECT_EQ(Val("9223372036854775807", big), 0);
  EXPECT_EQ(big, INT64_MAX);
}

TEST(StrUtils, StrToIntRaisesWithThePlatformMessage) {
  EXPECT_EQ(StrToInt(" -42"), -42);
  try {
    StrToInt("abc");
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'abc' is not a valid integer value");
  }
}

TEST(StrUtils, IntToHexIsUpperCaseAndPadded) {
  EXPECT_EQ(IntToHex(255, 2), "FF");
  EXPECT_EQ(IntToHex(255, 8), "000000FF");
  EXPECT_EQ(IntToHex(0x1A2B, 2), "1A2B");
  EXPECT_EQ(IntToHex(0, 0), "0");
  EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
  EXPECT_EQ(IntToHex(std::int64_t{-1}, 4), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(std::uint8_t{0x0F}, 2), "0F");
}

TEST(StrUtils, FloatToStrUsesTheShortestGeneralForm) {
  struct Case {
    double v;
    const char* text;
  } cases[] = {
      {1.5, "1.5"},
      {100, "100"},
      {0.1, "0.1"},
      {-2.25, "-2.25"},
      {0.0, "0"},
      {-0.0, "0"},
      {1e20, "1E20"},
      {1.5e-7, "1.5E-7"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {1.0 / 3, "0.333333333333333"},
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.23456789012346E15"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStr(c.v, '.'), c.text) << c.v;
  EXPECT_EQ(FloatToStr(1.5, ','), "1,5");
}

TEST(StrUtils, FloatToStrFRoundsDecimalsHalfAwayFromZero) {
  TFormatSettings fs;
  EXPECT_EQ(FloatToStrF(0.125, ffFixed, 15, 2, fs), "0.13");
  EXPECT_EQ(FloatToStrF(2.675, ffFixed, 15, 2, fs), "2.67");  // stored as 2.67499...
  EXPECT_EQ(FloatToStrF(-0.001, ffFixed, 15, 2, fs), "0.00");
  EXPECT_EQ(FloatToStrF(9.999, ffFixed, 15, 2, fs), "10.00");
  EXPECT_EQ(FloatToStrF(0.004, ffFixed, 15, 2, fs), "0.00");
  EXPECT_EQ(FloatToStrF(0.005, ffFixed, 15, 2, fs), "0.01");
  EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 2, fs), "1,234,567.89");
  EXPECT_EQ(FloatToStrF(-1234.5, ffNumber, 15, 0, fs), "-1,235");
  EXPECT_EQ(FloatToStrF(1.0, ffExponent, 15, 3, fs), "1.00000000000000E+000");
  EXPECT_EQ(FloatToStrF(-12345.678, ffExponent, 4, 2, fs), "-1.235E+04");
  EXPECT_EQ(FloatToStrF(1234.5, ffCurrency, 15, 2, fs), "$1,234.50");
  EXPECT_EQ(FloatToStrF(-5, ffCurrency, 15, 2, fs), "($5.00)");
}

TEST(StrUtils, StrToFloatTakesTheGivenSeparatorOnly) {
  struct Case {
    const char* text;
    char sep;
    bool ok;
    double value;
  } cases[] = {
      {"1.5", '.', true, 1.5},    {"1,5", ',', true, 1.5},  {"1.5", ',', false, 0}, {"1,5", '.', false, 0},
      {" 2.5 ", '.', true, 2.5},  {"-.5", '.', true, -0.5}, {"5.", '.', true, 5},   {"+1e3", '.', true, 1000},
      {"1E-2", '.', true, 0.01},  {"1e", '.', false, 0},    {"", '.', false, 0},    {".", '.', false, 0},
      {"1,000.5", '.', false, 0}, {"abc", '.', false, 0},   {"1 2", '.', false, 0},
  };
  for (const auto& c : cases) {
    double v = -99;
    EXPECT_EQ(TryStrToFloat(c.text, v, c.sep), c.ok) << c.text << " " << c.sep;
    if (c.ok) {
      EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
  }
  try {
    StrToFloat("x1", '.');
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'x1' is not a valid floating point value");
  }
}

TEST(StrUtils, StrToFloatFollowsTheGlobalSettings) {
  TFormatSettingsScope keep;
  FormatSettings().DecimalSeparator = ',';
  EXPECT_DOUBLE_EQ(StrToFloat("3,25"), 3.25);
  EXPECT_EQ(FloatToStr(3.25), "3,25");
  EXPECT_DOUBLE_EQ(StrToFloatDef("3.25", -1), -1);
}

TEST(StrUtils, StringReplaceHonoursItsFlags) {
  EXPECT_EQ(StringReplace("a,b,c", ",", ".", {}), "a.b,c");
  EXPECT_EQ(StringReplace("a,b,c", ",", ".", {rfReplaceAll}), "a.b.c");
  EXPECT_EQ(StringReplace("xAx ax", "a", "-", {rfReplaceAll}), "xAx -x");
  EXPECT_EQ(StringReplace("xAx ax", "a", "-", {rfReplaceAll, rfIgnoreCase}), "x-x -x");
  EXPECT_EQ(StringReplace("aaa", "aa", "b", {rfReplaceAll}), "ba");
  EXPECT_EQ(StringReplace("abc", "", "x", {rfReplaceAll}), "abc");
}

TEST(StrUtils, PosIsZeroBasedAndMinusOneWhenMissing) {
  EXPECT_EQ(Pos("b", "abcb"), 1);
  EXPECT_EQ(PosEx("b", "abcb", 2), 3);
  EXPECT_EQ(Pos("x", "abc"), -1);
  EXPECT_EQ(Pos("", "abc"), -1);
  EXPECT_EQ(PosEx("a", "abc", 9), -1);
}

TEST(StrUtils, Utf8HelpersCountCharacters) {
  const std::string s = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // a, e-acute, euro, emoji
  EXPECT_EQ(Utf8Length(s), 4);
  EXPECT_EQ(Utf16Length(s), 5);
  EXPECT_EQ(Utf8Copy(s, 1, 2), "\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(Utf8Copy(s, 3, 10), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8Copy(s, 9, 1), "");
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(s)), s);
  EXPECT_EQ(Utf8ToUtf16(s).size(), 5u);
  // Malformed input never breaks the helpers: a stray byte is one character.
  EXPECT_EQ(Utf8Length("a\xFF"
                       "b"),
            3);
  EXPECT_EQ(Utf32ToUtf8(Utf8ToUtf32("\xC3")), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

TEST(StrUtils, IsValidUtf8RejectsMalformedSequences) {
  struct Case {
    const char* Name;
    std::string Text;
    bool Valid;
  };
  const Case cases[] = {
      {"empty", "", true},
      {"ascii and four-byte", "a\xC3\xA9\xF0\x9F\x98\x80", true},
      {"replacement character itself", "\xEF\xBF\xBD", true},
      {"stray continuation", "a\x80", false},
      {"cut short", "\xE2\x82", false},
      {"overlong slash", "\xC0\xAF", false},
      {"surrogate", "\xED\xA0\x80", false},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", false},
      {"not a lead byte", "\xFF", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidUtf8(c.Text), c.Valid) << c.Name;
}

TEST(StrUtils, SplitAndQuote) {
  EXPECT_EQ(SplitString("a,,b", ','), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitString("", ','), (std::vector<std::string>{""}));
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
}
