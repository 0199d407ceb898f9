#include <gtest/gtest.h>

#include <string>

#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Locale.h"
#include "grid/base/VevUtil.h"

namespace {

struct MatchCase {
  std::string condition;
  std::string value;
  bool caseSensitive;
  bool matches;
};

void ExpectMatches(std::initializer_list<MatchCase> cases) {
  for (const MatchCase& c : cases) {
    EXPECT_EQ(MatchFilterCondition(c.condition, c.value, c.caseSensitive), c.matches)
        << "condition '" << c.condition << "' value '" << c.value << "'";
  }
}

void UseDayMonthYear() {
  FormatSettings().ShortDateFormat = "d/m/yyyy";
  FormatSettings().DateSeparator = '/';
}

}  // namespace

TEST(VevUtil, FilterComparesNumbers) {
  TFormatSettingsScope scope;
  ExpectMatches({
      {">5&<10", "6", true, true},
      {">5&<10", "9.5", true, true},
      {">5&<10", "10", true, false},
      {">5&<10", "5", true, false},
      {">=10", "10", true, true},
      {"<=10", "10", true, true},
      {"<10", "9", true, true},
      {">9", "10", true, true},  // numerically, not as text
      {">1,000", "1,500", true, true},
      {"> 5", "7", true, true},  // blanks outside quotes carry no meaning
      {">5|<2", "1", true, true},
      {">5|<2", "3", true, false},
  });
}

TEST(VevUtil, FilterComparesDatesAndTexts) {
  TFormatSettingsScope scope;
  UseDayMonthYear();
  ExpectMatches({
      {">1/6/2020", "15/6/2020", true, true},
      {">1/6/2020", "1/5/2020", true, false},
      {"<\"1/6/2020 12:00\"", "1/6/2020 10:30", true, true},
      {">b", "c", true, true},
      {">b", "a", true, false},
      {">B", "c", false, true},
      {">=\"x y\"", "x z", true, true},
  });
}

TEST(VevUtil, FilterMatchesWildcards) {
  TFormatSettingsScope scope;
  ExpectMatches({
      {"a*", "abc", true, true},
      {"a*", "a", true, true},
      {"a*", "ba", true, false},
      {"*c", "abc", true, true},
      {"?b?", "abc", true, true},
      {"?b?", "ab", true, false},
      {"a**c", "abxc", true, true},
      {"*", "", true, true},
      {"", "", true, true},
      {"", "x", true, false},
      {"!a*", "xyz", true, true},
      {"!a*", "abc", true, false},
      {"ABC", "abc", false, true},
      {"ABC", "abc", true, false},
      {"ÄB*", "äbc", false, true},
      {"?", "é", true, true},  // one character, two bytes
      {"\"a b\"", "a b", true, true},
      {"=abc", "abc", true, true},
      {"*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", true, false},
  });
}

TEST(VevUtil, FilterCombinesTermsLeftToRight) {
  TFormatSettingsScope scope;
  ExpectMatches({
      {"x|y", "x", true, true},
      {"x|y", "y", true, true},
      {"x|y", "z", true, false},
      {"x;y", "y", true, true},
      {"x^y", "y", true, true},
      {"(a*|b*)&*z", "abz", true, true},
      {"(a*|b*)&*z", "bz", true, true},
      {"(a*|b*)&*z", "az1", true, false},
      {"(a*|b*)&*z", "cz", true, false},
      {"c*|(a*&*z)", "az", true, true},
      {"a*&*b|x", "x", true, true},  // no precedence: (a* and *b) or x
      {"\"a|b\"", "a|b", true, true},
      {"((a*))", "abc", true, true},
  });
}

TEST(VevUtil, FilterWithUnmatchedParenthesisEnds) {
  TFormatSettingsScope scope;
  // The open group runs to the end of the condition.
  ExpectMatches({
      {"(a*", "abc", true, true},
      {"(a*|b*", "bcd", true, true},
      {"(a*|b*", "cde", true, false},
      {"x|(", "x", true, true},
      {"(((", "", true, true},
      {"(", "q", true, false},
  });
  // Nesting evaluates at any sensible depth, and absurd depths neither hang
  // nor exhaust the stack.
  const std::string nested = std::string(50, '(') + "a*" + std::string(50, ')') + "|x";
  EXPECT_TRUE(MatchFilterCondition(nested, "abc", true));
  EXPECT_TRUE(MatchFilterCondition(nested, "x", true));
  EXPECT_FALSE(MatchFilterCondition(nested, "b", true));
  const std::string deep = std::string(100000, '(') + "a*";
  EXPECT_FALSE(MatchFilterCondition(deep, "b", true));
}

TEST(VevUtil, ParseLocaleDateTime) {
  TFormatSettingsScope scope;
  UseDayMonthYear();
  struct Case {
    std::string text;
    bool ok;
    TDateTime value;
  } cases[] = {
      {"2/1/2020 10:30", true, EncodeDate(2020, 1, 2) + EncodeTime(10, 30, 0, 0)},
      {" 2/1/2020 ", true, EncodeDate(2020, 1, 2)},
      {"2/1/20", true, EncodeDate(20, 1, 2)},  // the year as written
      {"2/1/2020 10:30:15", true, EncodeDate(2020, 1, 2) + EncodeTime(10, 30, 15, 0)},
      {"31/2/2020", false, 0},
      {"32/1/2020", false, 0},
      {"1/13/2020", false, 0},
      {"2/1", false, 0},
      {"x/1/2020", false, 0},
      {"2/1/2020 24:00", false, 0},
      {"2/1/2020 10:60", false, 0},
      {"2/1/2020 10:30:60", false, 0},
  };
  for (const Case& c : cases) {
    TDateTime v = -1;
    EXPECT_EQ(ParseLocaleDateTime(c.text, v), c.ok) << c.text;
    if (c.ok) {
      EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
  }
  // A time without separator fails, but the date is kept.
  TDateTime v = -1;
  EXPECT_FALSE(ParseLocaleDateTime("2/1/2020 1030", v));
  EXPECT_DOUBLE_EQ(v, EncodeDate(2020, 1, 2));

  FormatSettings().ShortDateFormat = "yyyy-mm-dd";
  FormatSettings().DateSeparator = '-';
  EXPECT_TRUE(ParseLocaleDateTime("2020-01-02", v));
  EXPECT_DOUBLE_EQ(v, EncodeDate(2020, 1, 2));
}

TEST(VevUtil, FilterTextHelpers) {
  TFormatSettingsScope scope;
  EXPECT_EQ(StripSpacesOutsideQuotes("a b \"c d\" e"), "ab\"c d\"e");
  int pos = 0;
  EXPECT_EQ(FindCharOutsideQuotes("&|", "\"a&b\"|c", pos), U'|');
  EXPECT_EQ(pos, 5);
  EXPECT_EQ(FindCharOutsideQuotes("&|", "\"a&b\"", pos), 0u);
  EXPECT_EQ(pos, -1);
  EXPECT_EQ(MatchingParenPos("(a(b)c)d"), 6);
  EXPECT_EQ(MatchingParenPos("(a(b"), -1);
  EXPECT_EQ(NormalizeNumberText("1,234.5"), "1234.5");
  FormatSettings().DecimalSeparator = ',';
  FormatSettings().ThousandSeparator = '.';
  EXPECT_EQ(NormalizeNumberText("1.234,5"), "1234.5");
  EXPECT_TRUE(MatchFilterCondition(">1.000,5", "1.500", true));
}
