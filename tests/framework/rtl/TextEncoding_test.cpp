#include "framework/rtl/TextEncoding.h"

#include <gtest/gtest.h>

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
