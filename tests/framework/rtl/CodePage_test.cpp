#include "framework/rtl/CodePage.h"

#include <gtest/gtest.h>

#include "framework/rtl/TextEncoding.h"

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

TEST(TextEncoding, ByteOrderMarkDecidesTheDecoding) {
  struct Case {
    std::string bytes;
    TTextEncoding enc;
    std::string text;
  } cases[] = {
      {"\xEF\xBB\xBF"
       "a\xC3\xA9",
       teUtf8, "a\xC3\xA9"},
      {std::string("\xFF\xFE"
                   "a\0\xE9\0",
                   6),
       teUtf16LE, "a\xC3\xA9"},
      {std::string("\xFE\xFF\0a\0\xE9", 6), teUtf16BE, "a\xC3\xA9"},
      {"a\xE9", teAnsi, "a\xC3\xA9"},
      {"a\xC3\xA9", teAnsi, "a\xC3\x83\xC2\xA9"},  // unmarked UTF-8 reads as ANSI
      {std::string("\xFF\xFE"
                   "=\xD8\x00\xDE",
                   6),
       teUtf16LE, "\xF0\x9F\x98\x80"},
      {std::string("\xFF\xFE"
                   "a\0b",
                   5),
       teUtf16LE, "a"},  // odd last byte dropped
      {"", teAnsi, ""},
  };
  for (const auto& c : cases) {
    TTextEncoding got = teAnsi;
    EXPECT_EQ(DecodeText(c.bytes, &got), c.text);
    EXPECT_EQ(got, c.enc);
  }
}

TEST(TextEncoding, EncodingWritesMarksOnlyForUnicode) {
  EXPECT_EQ(EncodeText("\xC3\xA9", teAnsi), "\xE9");
  EXPECT_EQ(EncodeText("\xC3\xA9", teUtf8), "\xEF\xBB\xBF\xC3\xA9");
  EXPECT_EQ(EncodeText("a", teUtf16LE), std::string("\xFF\xFE"
                                                    "a\0",
                                                    4));
  EXPECT_EQ(EncodeText("a", teUtf16LE, false), std::string("a\0", 2));
  EXPECT_EQ(EncodeText("a", teUtf16BE), std::string("\xFE\xFF\0a", 4));
}
