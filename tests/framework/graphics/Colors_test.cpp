#include <gtest/gtest.h>

#include "framework/graphics/Graphics.h"

namespace {
struct SysColorsReset {
  ~SysColorsReset() { ResetSysColors(); }
};
}  // namespace

TEST(Colors, ChannelsAndEncoding) {
  TColor c = RGB(0x12, 0x34, 0x56);
  EXPECT_EQ(c, 0x563412);
  EXPECT_EQ(GetRValue(c), 0x12);
  EXPECT_EQ(GetGValue(c), 0x34);
  EXPECT_EQ(GetBValue(c), 0x56);
  EXPECT_EQ(clRed, RGB(255, 0, 0));
  EXPECT_EQ(clBlue, RGB(0, 0, 255));
  EXPECT_EQ(static_cast<uint32_t>(clBtnFace), 0xFF00000Fu);
  EXPECT_EQ(static_cast<uint32_t>(clInfoBk), 0xFF000018u);
  EXPECT_TRUE(IsSystemColor(clWindow));
  EXPECT_FALSE(IsSystemColor(clNone));
  EXPECT_FALSE(IsSystemColor(clWhite));
}

TEST(Colors, ColorToRGBResolvesSystemColoursFromTheOneTable) {
  SysColorsReset reset;
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
  EXPECT_EQ(ColorToRGB(clWindowText), RGB(0, 0, 0));
  // Plain colours and the "no colour" markers pass unchanged.
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(ColorToRGB(clDefault), clDefault);

  SetSysColor(COLOR_BTNFACE, RGB(1, 2, 3));
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(1, 2, 3));
  ResetSysColors();
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
  // An index outside the table is black, never a read past its end.
  EXPECT_EQ(ColorToRGB(TColorValue(0xFF0000FE)), clBlack);
}

TEST(Colors, NamesAndTextRoundTrip) {
  struct Case {
    TColor color;
    const char* text;
  } cases[] = {{clRed, "clRed"}, {clBtnFace, "clBtnFace"}, {clNone, "clNone"}, {0x123456, "$00123456"}};
  for (const auto& c : cases) {
    EXPECT_EQ(ColorToString(c.color), c.text);
    EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
  }
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
  EXPECT_EQ(StringToColor("16777215"), clWhite);
  EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
  EXPECT_THROW(StringToColor("$"), EConvertError);
  EXPECT_THROW(StringToColor(""), EConvertError);
}

TEST(Colors, FontSizeAndHeightFollowEachOther) {
  TFont f;
  EXPECT_EQ(f.Size(), 8);
  EXPECT_EQ(f.Height(), -11);
  int changes = 0;
  f.OnChange = [&](TObject*) { ++changes; };
  f.SetSize(24);
  EXPECT_EQ(f.Height(), -32);
  EXPECT_EQ(f.Size(), 24);
  f.SetSize(24);
  EXPECT_EQ(changes, 1) << "setting the same value fires no change";
  TFont g;
  g.Assign(&f);
  EXPECT_TRUE(g.IsEqual(f));
}
