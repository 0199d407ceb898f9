#include "framework/rtl/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, Windows1252RoundTripsEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(CodePage, Windows1252MapsTheTypographicCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("\x80\x93\x94\xE9"), "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xC3\xA9");
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"), "\x80 \x93x\x94");
  // Characters the page lacks become the replacement.
  EXPECT_EQ(Utf8ToCp1252("\xD0\x94\xE4\xB8\xAD."), "??.");
  EXPECT_EQ(Utf8ToCp1252("\xD0\x94", '_'), "_");
}

TEST(CodePage, OemPagesDifferWhereTheyShould) {
  EXPECT_EQ(Utf8ToOem("\xC3\xA9"), "\x82");  // e-acute in 437
  EXPECT_EQ(OemToUtf8("\x82\xB0"), "\xC3\xA9\xE2\x96\x91");
  EXPECT_EQ(Utf8ToOem("\xC3\xB8", cpOem437), "?");  // o-slash: not in 437
  EXPECT_EQ(Utf8ToOem("\xC3\xB8", cpOem850), "\x9B");
  EXPECT_EQ(Utf8ToCodePage("a\xC3\xA9", cpAscii), "a?");
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToOem(OemToUtf8(all, cpOem850), cpOem850), all);
}
