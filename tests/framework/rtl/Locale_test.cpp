#include "framework/rtl/Locale.h"

#include <gtest/gtest.h>

namespace {
struct ProfileScope {
  ~ProfileScope() { SetIntlDecimalProfileValue(std::nullopt); }
};
}  // namespace

TEST(Locale, GlobalSettingsStartFixedNotFromTheHost) {
  TFormatSettings d = DefaultFormatSettings();
  EXPECT_EQ(d.DecimalSeparator, '.');
  EXPECT_EQ(d.ThousandSeparator, ',');
  EXPECT_EQ(d.ShortDateFormat, "m/d/yyyy");
  EXPECT_EQ(d.LongMonthNames[11], "December");
  {
    TFormatSettingsScope keep;
    FormatSettings().DecimalSeparator = ',';
    EXPECT_EQ(FormatSettings().DecimalSeparator, ',');
  }
  EXPECT_EQ(FormatSettings().DecimalSeparator, '.');
}

TEST(Locale, ProfileDecimalIsCommaUnlessCommaOrPoint) {
  ProfileScope restore;
  struct Case {
    const char* value;
    char sep;
  } cases[] = {{".", '.'}, {",", ','}, {"", ','}, {";", ','}, {" .", ','}, {".,", '.'}, {"\xD9\xAB", ','}};
  for (const auto& c : cases) {
    SetIntlDecimalProfileValue(std::string(c.value));
    EXPECT_EQ(IntlDecimalSeparator(), c.sep) << c.value;
  }
  SetIntlDecimalProfileValue(std::string("abcdef"));
  EXPECT_EQ(IntlDecimalProfileValue(), "abc");
}

TEST(Locale, HostSeparatorReachesTheGlobalSettings) {
  ProfileScope restore;
  TFormatSettingsScope keep;
  SetIntlDecimalProfileValue(std::string(","));
  ApplyHostDecimalSeparator();
  EXPECT_EQ(FormatSettings().DecimalSeparator, ',');
  EXPECT_EQ(FormatSettings().ThousandSeparator, '.');
}
