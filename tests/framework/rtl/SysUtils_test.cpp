#include "framework/rtl/SysUtils.h"

#include <gtest/gtest.h>

TEST(SysUtils, AssertNamesFileAndLine) {
  EXPECT_NO_THROW(Assert(true));
  try {
    Assert(false, "Invalid parent");
    FAIL() << "no exception";
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message().rfind("Invalid parent (", 0), 0u);
    EXPECT_NE(e.Message().find("SysUtils_test.cpp, line "), std::string::npos);
  }
}
