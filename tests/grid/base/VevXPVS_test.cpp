// The visual-styles binding: all 45 entries or none, never a stop.
#include "grid/base/VevXPVS.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "framework/graphics/RecordingCanvas.h"

namespace {
// Puts the program's own library back, loaded, whatever a test did.
struct TLibraryScope {
  TLibraryScope() { FreeUxTheme(); }
  ~TLibraryScope() {
    FreeUxTheme();
    SetUxThemeLibrary(OwnThemeLibraryProc);
    SetThemeActive(true);
    LoadUxTheme();
  }
};

// The table's entries as plain pointers, to see which are bound.
int BoundEntries() {
  static_assert(sizeof(TUxThemeEntries) == 45 * sizeof(TThemeProc));
  std::array<TThemeProc, 45> procs;
  std::memcpy(procs.data(), &UxTheme(), sizeof(TUxThemeEntries));
  int n = 0;
  for (TThemeProc p : procs) n += p != nullptr;
  return n;
}

TThemeLibrary Without(const std::string& Missing) {
  return [Missing](const std::string& Name) -> TThemeProc {
    return Name == Missing ? nullptr : OwnThemeLibraryProc(Name);
  };
}
}  // namespace

TEST(VevXPVS, BindsEveryEntryOrNoneAndNeverStopsStartUp) {
  struct Case {
    const char* what;
    TThemeLibrary library;
    bool loaded;
  } cases[] = {
      {"our themed drawing", OwnThemeLibraryProc, true},
      {"no library", TThemeLibrary(), false},
      {"first name missing", Without("OpenThemeData"), false},
      {"a middle name missing", Without("GetThemeFont"), false},
      {"last name missing", Without("EnableTheming"), false},
  };
  for (const Case& c : cases) {
    TLibraryScope scope;
    SetUxThemeLibrary(c.library);
    EXPECT_NO_THROW(LoadUxTheme()) << c.what;
    EXPECT_EQ(UxThemeLoaded(), c.loaded) << c.what;
    EXPECT_EQ(BoundEntries(), c.loaded ? 45 : 0) << c.what;
    EXPECT_EQ(UxThemeActive(), c.loaded) << c.what;
  }
}

TEST(VevXPVS, LoadsOnceAndFreesOnlyWhatWasLoaded) {
  TLibraryScope scope;
  FreeUxTheme();  // nothing loaded: nothing happens
  EXPECT_FALSE(UxThemeLoaded());
  LoadUxTheme();
  ASSERT_TRUE(UxThemeLoaded());
  int asked = 0;
  SetUxThemeLibrary([&asked](const std::string& Name) {
    ++asked;
    return OwnThemeLibraryProc(Name);
  });
  LoadUxTheme();
  EXPECT_EQ(asked, 0);
  FreeUxTheme();
  EXPECT_FALSE(UxThemeLoaded());
  EXPECT_EQ(BoundEntries(), 0);
  LoadUxTheme();
  EXPECT_EQ(asked, 45);
}

TEST(VevXPVS, BoundEntriesDrawThroughOurThemesAndFollowTheSwitch) {
  TLibraryScope scope;
  LoadUxTheme();
  const TUxThemeEntries& ux = UxTheme();
  HTHEME theme = ux.OpenThemeData(0, "button");
  ASSERT_NE(theme, nullptr);
  TRecordingCanvas canvas(20, 20);
  EXPECT_EQ(ux.DrawThemeBackground(theme, canvas.Handle(), BP_CHECKBOX, CBS_CHECKEDNORMAL, Rect(2, 2, 15, 15),
                                   nullptr),
            S_OK);
  TRect extent;
  EXPECT_EQ(ux.GetThemeBackgroundExtent(theme, canvas.Handle(), BP_PUSHBUTTON, PBS_NORMAL, Rect(3, 3, 17, 17),
                                        &extent),
            S_OK);
  EXPECT_EQ(extent, Rect(0, 0, 20, 20));
  int metric = 0;
  EXPECT_TRUE(FAILED(ux.GetThemeMetric(theme, canvas.Handle(), BP_PUSHBUTTON, PBS_NORMAL, 0, &metric)));
  ux.CloseThemeData(theme);
  auto calls = canvas.Recorder().Calls("DrawThemeBackground");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].ClassName, "button");
  EXPECT_EQ(calls[0].Param2, CBS_CHECKEDNORMAL);

  EXPECT_TRUE(UxThemeActive());
  EXPECT_EQ(ux.EnableTheming(false), S_OK);
  EXPECT_FALSE(UxThemeActive());
  EXPECT_EQ(ux.OpenThemeData(0, "button"), nullptr);
  EXPECT_EQ(ux.GetThemeAppProperties(), 0u);
}
