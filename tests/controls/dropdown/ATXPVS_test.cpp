// The drop-down controls' visual-styles binding: a library with a name
// missing counts as none, start-up goes on, and nothing stays bound.
#include "controls/dropdown/ATXPVS.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ATXPVSFixture : ::testing::Test {
  void TearDown() override {
    FreeDropDownUxTheme();
    SetDropDownUxThemeLibrary(OwnThemeLibraryProc);
    LoadDropDownUxTheme();
  }
};

TEST_F(ATXPVSFixture, TheStandInBindsAllEntriesAndASecondLoadChangesNothing) {
  FreeDropDownUxTheme();
  LoadDropDownUxTheme();
  ASSERT_TRUE(DropDownUxThemeLoaded());
  const TUxThemeEntries& t = DropDownUxTheme();
  EXPECT_NE(t.OpenThemeData, nullptr);
  EXPECT_NE(t.EnableTheming, nullptr);
  // A second load while loaded binds nothing anew, even from another library.
  SetDropDownUxThemeLibrary(nullptr);
  LoadDropDownUxTheme();
  EXPECT_TRUE(DropDownUxThemeLoaded());
  EXPECT_NE(DropDownUxTheme().DrawThemeBackground, nullptr);
}

TEST_F(ATXPVSFixture, AMissingLibraryOrEntryLeavesNothingBound) {
  for (const char* missing : {"", "OpenThemeData", "IsThemeActive", "EnableTheming"}) {
    FreeDropDownUxTheme();
    const std::string m = missing;
    if (m.empty())
      SetDropDownUxThemeLibrary(nullptr);
    else
      SetDropDownUxThemeLibrary([m](const std::string& Name) -> TThemeProc {
        return Name == m ? nullptr : OwnThemeLibraryProc(Name);
      });
    EXPECT_NO_THROW(LoadDropDownUxTheme()) << m;
    EXPECT_FALSE(DropDownUxThemeLoaded()) << m;
    EXPECT_FALSE(DropDownUxThemeActive()) << m;
    EXPECT_EQ(DropDownUxTheme().OpenThemeData, nullptr) << m;
    EXPECT_EQ(DropDownUxTheme().CloseThemeData, nullptr) << m;
  }
  // Shut-down without a library does nothing.
  EXPECT_NO_THROW(FreeDropDownUxTheme());
}

TEST_F(ATXPVSFixture, TheUnitStartsOnceAndShutsDownWithTheLast) {
  FreeDropDownUxTheme();
  InitializeATXPVSUnit();
  InitializeATXPVSUnit();
  EXPECT_TRUE(DropDownUxThemeLoaded());
  FinalizeATXPVSUnit();
  EXPECT_TRUE(DropDownUxThemeLoaded());
  FinalizeATXPVSUnit();
  EXPECT_FALSE(DropDownUxThemeLoaded());
}

}  // namespace
