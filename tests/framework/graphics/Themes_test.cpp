#include <gtest/gtest.h>

#include "framework/graphics/RecordingCanvas.h"
#include "framework/graphics/Themes.h"

namespace {
struct ThemeSwitch {
  explicit ThemeSwitch(bool on) { SetThemeActive(on); }
  ~ThemeSwitch() { SetThemeActive(true); }
};
}  // namespace

TEST(Themes, SwitchedOffCallersGetNoTheme) {
  ThemeSwitch off(false);
  EXPECT_FALSE(IsThemeActive());
  EXPECT_FALSE(IsAppThemed());
  EXPECT_EQ(OpenThemeData(0, "button"), nullptr);
  std::string color;
  EXPECT_TRUE(FAILED(GetCurrentThemeName(nullptr, &color, nullptr)));
  TRecordingCanvas c;
  EXPECT_EQ(
      DrawThemeBackground(nullptr, c.Handle(), BP_CHECKBOX, CBS_CHECKEDNORMAL, Rect(0, 0, 13, 13), nullptr),
      E_HANDLE);
  EXPECT_EQ(c.Recorder().Count("DrawThemeBackground"), 0);
}

TEST(Themes, EveryClassAndPartDrawsSomething) {
  ThemeSwitch on(true);
  std::string color;
  EXPECT_EQ(GetCurrentThemeName(nullptr, &color, nullptr), S_OK);
  EXPECT_EQ(color, "NormalColor");
  struct Case {
    const char* cls;
    int part, state;
  } cases[] = {
      {"button", BP_PUSHBUTTON, PBS_PRESSED},
      {"button", BP_CHECKBOX, CBS_MIXEDNORMAL},
      {"button", BP_RADIOBUTTON, RBS_CHECKEDHOT},
      {"combobox", CP_DROPDOWNBUTTON, CBXS_NORMAL},
      {"spin", SPNP_UP, UPS_NORMAL},
      {"spin", SPNP_DOWNHORZ, DNHZS_DISABLED},
      {"header", HP_HEADERITEM, HIS_HOT},
      {"Progress", PP_BAR, 1},
      {"Progress", PP_CHUNK, 1},
      {"edit", EP_EDITTEXT, ETS_NORMAL},
      {"scrollbar", SBP_ARROWBTN, ABS_DOWNNORMAL},
      {"toolbar", TP_BUTTON, TS_HOT},
      {"tab", TABP_TABITEM, TIS_SELECTED},
      {"treeview", TVP_GLYPH, GLPS_OPENED},
      {"window", WP_CAPTION, 1},
      {"listview", LVP_LISTITEM, LIS_SELECTED},
  };
  for (const auto& k : cases) {
    HTHEME t = OpenThemeData(0, k.cls);
    ASSERT_NE(t, nullptr) << k.cls;
    TRecordingCanvas c(40, 24);
    c.Brush()->SetColor(RGB(1, 2, 3));
    c.FillRect(Rect(0, 0, 40, 24));
    EXPECT_EQ(DrawThemeBackground(t, c.Handle(), k.part, k.state, Rect(0, 0, 40, 24), nullptr), S_OK);
    bool changed = false;
    for (int y = 0; y < 24 && !changed; ++y)
      for (int x = 0; x < 40 && !changed; ++x) changed = c.Pixels(x, y) != RGB(1, 2, 3);
    EXPECT_TRUE(changed) << k.cls << " part " << k.part;
    auto calls = c.Recorder().Calls("DrawThemeBackground");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Param1, k.part);
    EXPECT_EQ(calls[0].Param2, k.state);
    CloseThemeData(t);
  }
}

TEST(Themes, ClassListsSizesAndClipping) {
  ThemeSwitch on(true);
  HTHEME t = OpenThemeData(0, "NoSuchClass; Explorer::TreeView");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(ThemeClassName(t), "treeview");
  CloseThemeData(t);
  EXPECT_EQ(OpenThemeData(0, "NoSuchClass"), nullptr);

  HTHEME b = OpenThemeData(0, "button");
  TSize s;
  EXPECT_EQ(GetThemePartSize(b, nullptr, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, nullptr, TS_TRUE, &s), S_OK);
  EXPECT_EQ(s, TSize(13, 13));
  TColor text;
  EXPECT_EQ(GetThemeColor(b, BP_PUSHBUTTON, PBS_DISABLED, TMT_TEXTCOLOR, &text), S_OK);
  EXPECT_EQ(text, ColorToRGB(clGrayText));

  // Drawing stays inside the clip rectangle.
  TRecordingCanvas c(30, 30);
  c.Brush()->SetColor(RGB(1, 2, 3));
  c.FillRect(Rect(0, 0, 30, 30));
  TRect clip(0, 0, 10, 30);
  DrawThemeBackground(b, c.Handle(), BP_PUSHBUTTON, PBS_NORMAL, Rect(0, 0, 30, 30), &clip);
  for (int y = 0; y < 30; ++y) EXPECT_EQ(c.Pixels(20, y), RGB(1, 2, 3));
  EXPECT_EQ(c.ClipRegion(), nullptr) << "the clip of the call does not stay";
  CloseThemeData(b);
}
