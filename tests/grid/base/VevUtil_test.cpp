#include "grid/base/VevUtil.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/classes/StringList.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Locale.h"

using namespace std::string_literals;

namespace {

std::string Wide(std::u16string_view units) {
  // The byte-pair form written by hand, each form character as UTF-8.
  std::string s = "|\\";
  auto put = [&](unsigned v) {
    if (v < 0x80) {
      s.push_back(static_cast<char>(v));
    } else {
      s.push_back(static_cast<char>(0xC0 | (v >> 6)));
      s.push_back(static_cast<char>(0x80 | (v & 0x3F)));
    }
  };
  for (char16_t u : units) {
    put(u >> 8);
    put(u & 0xFF);
  }
  return s;
}

}  // namespace

// ---------------------------------------------------------------------------
// Text kinds and the wide form

TEST(VevUtil, ClassifyCellTextDecidesByFirstMarkers) {
  struct Case {
    std::string text;
    bool markup;
    int kind;
  } cases[] = {
      {"", true, tkPlain},
      {"=", true, tkFormula},
      {"=A1+B2", false, tkFormula},
      {"|\\", true, tkWideText},
      {"{\\rtf1 x}", true, tkRichText},
      {"<b>bold", true, tkPlain},       // lower-case tag, no closing tag
      {"<b>bold</b>", true, tkMarkup},  // closing tag
      {"<B>x", true, tkMarkup},
      {"<I>x", true, tkMarkup},
      {"a <C", true, tkMarkup},
      {"<B>x</B>", false, tkPlain},  // markup switched off
      {"1 < 2", true, tkPlain},
      {"x<", true, tkPlain},
      {Wide(u"=1"), true, tkFormula},  // "=" with a zero high byte after it
      {Wide(u"="), true, tkWideText},
      {Wide(u"a=1"), true, tkWideText},
      {Wide(u"\u00E9=1"), true, tkWideText},
  };
  for (const Case& c : cases) EXPECT_EQ(ClassifyCellText(c.text, c.markup), c.kind) << c.text;
}

TEST(VevUtil, WideFormRoundTripsAnyText) {
  for (std::string text : {""s, "AB"s, "Grüße €"s, "日本語"s, "emoji 😀 here"s}) {
    const std::string encoded = EncodeWideCellText(text);
    EXPECT_EQ(ClassifyCellText(encoded, true), tkWideText) << text;
    EXPECT_EQ(DecodeWideCellText(encoded), text);
  }
  EXPECT_EQ(EncodeWideCellText("AB"), "|\\\0A\0B"s);
  EXPECT_EQ(EncodeWideCellText("é"), Wide(u"é"));
}

TEST(VevUtil, DecodeWideCellTextIgnoresOddTailAndPlainText) {
  EXPECT_EQ(DecodeWideCellText("|\\\0Ax"s), "A");
  EXPECT_EQ(DecodeWideCellText("abc"), "abc");
  EXPECT_EQ(DecodeWideCellText("|\\"), "");
  EXPECT_EQ(WidePos("b", "abc"), 1);
  EXPECT_EQ(WidePos("z", "abc"), -1);
}

// ---------------------------------------------------------------------------
// Cell-break encoding of the grid's own file format

TEST(VevUtil, CellBreakEncodingRoundTripsEveryText) {
  const std::string texts[] = {
      "plain",        "a\r\nb",         "a\rb",      "a\nb",      "a\tb\r\nc", "tab\tonly",
      "x\x01y\r\nz"s, "nul\0in"s,       "\x01T"s,    "\x01"s,     "\b",        "\r\n\r\n",
      "a\t\bb",       "mix\t\r\x01\0"s, "é\r\n€\t"s, "ends\x01"s, "\b\x01"s,   "\b\x01R"s,
      "\r",           "\b\x01\r\n"s,    "\r\n\x01"s, "",
  };
  for (const std::string& t : texts) {
    const std::string encoded = EncodeCellBreaks(t);
    EXPECT_EQ(encoded.find_first_of("\r\n"), std::string::npos) << "line break left in the stored form";
    EXPECT_EQ(DecodeCellBreaks(encoded, true), t);
  }
}

TEST(VevUtil, CellBreakEncodingKeepsTheStoredFormOfMultiLineCells) {
  // Texts the stored format gives back are written in it.
  EXPECT_EQ(EncodeCellBreaks("a\r\nb"), "a\t\bb");
  EXPECT_EQ(EncodeCellBreaks("a\r\nb\0"s), "a\t\bb\x01"s);
  EXPECT_EQ(EncodeCellBreaks("no breaks"), "no breaks");
  EXPECT_EQ(EncodeCellBreaks("tab\tonly"), "tab\tonly");
  // Stored texts read as the stored format has them: changed only when they
  // hold a BS.
  struct Case {
    std::string Stored;
    std::string Read;
  } cases[] = {
      {"tab\tonly", "tab\tonly"},     {"\t", "\t"},
      {"a\x01b"s, "a\x01b"s},         {"nul\0kept"s, "nul\0kept"s},
      {"a\t\bb\x01z"s, "a\r\nb\0z"s}, {"x\ty\t\bz", "x\ry\r\nz"},
      {"\b\x01\t\b"s, "\n\0\r\n"s},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeCellBreaks(c.Stored, true), c.Read) << c.Stored;
  EXPECT_EQ(DecodeCellBreaks("one\t\btwo\t\bthree", false), "one");
  EXPECT_EQ(DecodeCellBreaks("single", false), "single");
}

TEST(VevUtil, CutFirstLine) {
  std::string s = "a\r\nb";
  EXPECT_EQ(CutFirstLine(s, true), "a");
  EXPECT_EQ(s, "b");
  s = "a\rb\r\nc";
  EXPECT_EQ(CutFirstLine(s, true), "a");
  EXPECT_EQ(s, "b\r\nc");
  s = "a\r\nb";
  EXPECT_EQ(CutFirstLine(s, false), "a");
  EXPECT_EQ(s, "");
  s = "whole";
  EXPECT_EQ(CutFirstLine(s, true), "whole");
  EXPECT_EQ(s, "");
}

TEST(VevUtil, LineBreakAndQuoteConversions) {
  using Fn = std::function<std::string(std::string_view)>;
  struct Case {
    const char* name;
    Fn fn;
    std::string in, out;
  } cases[] = {
      {"LineBreaksToBR", LineBreaksToBR, "a\r\nb", "a<br>\nb"},
      {"LineBreaksToBR", LineBreaksToBR, "a\nb", "a\nb"},
      {"EncodeLineBreaks", EncodeLineBreaks, "a\r\nb\rc", "a\\nb\\nc"},
      {"DecodeLineBreaks", DecodeLineBreaks, "a\\nb\\", "a\rb\\"},
      {"LineBreaksToTilde", LineBreaksToTilde, "a\r\nb\nc", "a~bc"},
      {"TildeToLineBreaks", TildeToLineBreaks, "a~b", "a\r\nb"},
      {"TildeToLineBreaks", TildeToLineBreaks, "^", ""},
      {"TildeToLineBreaks", TildeToLineBreaks, "^^", "^^"},
      {"QuoteMultiLineText", QuoteMultiLineText, "x", "\"x\""},
      {"QuoteMultiLineText", QuoteMultiLineText, "a\r\nb\rc", "\"a\vb\rc\""},
      {"VTToCRLF", VTToCRLF, "a\vb", "a\r\nb"},
      {"CRLFToLF", CRLFToLF, "a\r\nb\rc", "a\nb\rc"},
      {"StripCR", StripCR, "a\r\nb\r", "a\nb"},
      {"CRToLF", CRToLF, "a\r\nb", "a\n\nb"},
      {"DoubleQuoteChars", DoubleQuoteChars, "say \"hi\"", "say \"\"hi\"\""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.fn(c.in), c.out) << c.name << " of " << c.in;
  EXPECT_EQ(LineCount("a\rb\rc", true), 3);
  EXPECT_EQ(LineCount("a\rb\rc", false), 1);
}

TEST(VevUtil, DelimitedTextQuoteHelpers) {
  EXPECT_EQ(UndoubleChar('"', "a\"\"b\"\"\"c"), "a\"b\"\"c");
  EXPECT_EQ(UndoubleChar(U'€', "1€€2"), "1€2");
  EXPECT_EQ(UndoubleChar('"', "none"), "none");

  struct Case {
    std::string text;
    int end;
  } ends[] = {
      {"abc\",x", 3},     // odd run, then another character
      {"a\"\"b\",x", 4},  // an even run is forgotten
      {"abc\"", 3},       // a quote at the end counts whatever the run
      {"a\"\"", 2},       //
      {"abc", -1},        //
      {"é\",x", 2},       // byte position after a two-byte character
  };
  for (const Case& c : ends) {
    int pos = 99;
    EXPECT_EQ(FindQuoteEnd('"', c.text, pos), c.end) << c.text;
    EXPECT_EQ(pos, c.end);
  }
  EXPECT_EQ(CountQuoteEnds('"', "a\",b\",c\""), 3);
  EXPECT_EQ(CountQuoteEnds('"', "none"), 0);
  EXPECT_EQ(CountChar(';', "a;b;;c"), 3);
  EXPECT_EQ(CountChar(U'é', "éé-e"), 2);
}

TEST(VevUtil, FillStringKeepsTheCharacterCount) {
  std::string s = "pässwörd";
  FillString(s, '*');
  EXPECT_EQ(s, "********");
  s = "ab";
  FillString(s, U'●');
  EXPECT_EQ(s, "●●");
}

TEST(VevUtil, OemConversionRoundTrips) {
  std::string s = "Grüße";
  StrToOem(s);
  EXPECT_EQ(s.size(), 5u);  // one byte per character in the OEM page
  OemToStr(s);
  EXPECT_EQ(s, "Grüße");
}

// ---------------------------------------------------------------------------
// String helpers

TEST(VevUtil, PositionHelpers) {
  int pos = 42;
  EXPECT_EQ(PosAndStore("lo", "hello", pos), 3);
  EXPECT_EQ(pos, 3);
  EXPECT_EQ(PosAndStore("x", "hello", pos), -1);
  EXPECT_EQ(pos, -1);

  EXPECT_EQ(UpperPos("LL", "hello"), 2);
  EXPECT_EQ(UpperPos("ll", "hello"), -1);  // the needle is not upper-cased
  EXPECT_EQ(UpperPos("ÜB", "grüßen über"), 9);
  EXPECT_EQ(UpperPos("", "x"), -1);

  pos = 7;
  EXPECT_EQ(FirstCharPos('z', "abc", pos), -1);
  EXPECT_EQ(pos, 7);  // untouched when not found
  EXPECT_EQ(FirstCharPos('c', "abc", pos), 2);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(CharPos(U'€', "ab€"), 2);
}

TEST(VevUtil, SplitOffField) {
  std::string src = "one;two;three";
  EXPECT_EQ(SplitOffField(src, ";"), "one");
  EXPECT_EQ(src, "two;three");
  src = "a<>b";
  EXPECT_EQ(SplitOffField(src, "<>"), "a");
  EXPECT_EQ(src, ">b");  // only the delimiter's first character goes
  src = "nodelim";
  EXPECT_EQ(SplitOffField(src, ";"), "");
  EXPECT_EQ(src, "nodelim");
  src = "a€b";
  EXPECT_EQ(SplitOffField(src, "€"), "a");
  EXPECT_EQ(src, "b");
}

TEST(VevUtil, ConcatStrings) {
  TStringList list;
  EXPECT_EQ(ConcatStrings(list), "");
  list.Add("ab");
  list.Add("");
  list.Add("c d");
  EXPECT_EQ(ConcatStrings(list), "abc d");
}

TEST(VevUtil, LimitSizeAndGridRect) {
  struct Case {
    int value, min, max, result;
  } cases[] = {
      {15, 20, 10, 10}, {15, 0, 0, 15}, {5, 10, 20, 10}, {25, 10, 20, 20},
      {5, 0, 3, 3},     {5, 8, 8, 5},   {-5, 0, 10, -5}, {15, 10, 0, 15},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LimitSize(c.value, c.min, c.max), c.result) << c.value << " " << c.min << " " << c.max;

  const TRect r(1, 2, 3, 4);  // columns 1..3, rows 2..4 inclusive
  EXPECT_TRUE(CellInGridRect(r, 1, 2));
  EXPECT_TRUE(CellInGridRect(r, 3, 4));
  EXPECT_FALSE(CellInGridRect(r, 4, 3));
  EXPECT_FALSE(CellInGridRect(r, 2, 1));
  EXPECT_EQ(IntMax(3, -4), 3);
  EXPECT_EQ(IntMin(3, -4), -4);
}

TEST(VevUtil, CapitalizeWords) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"john o'neil-smith ii", "John O'Neil-Smith II"},
      {"mcdonald", "McDonald"},
      {"ronald mcdonald", "Ronald McDonald"},
      {"HENRY VIII", "Henry Viii"},  // only the last three positions keep numerals
      {"louis xiv iii", "Louis Xiv III"},
      {"pope john iv", "Pope John IV"},
      {"émile zola", "Émile Zola"},
      {"a.b,c d", "A.B,C D"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CapitalizeWords(c.in), c.out) << c.in;
}

// ---------------------------------------------------------------------------
// URL and colour helpers

TEST(VevUtil, UrlHelpers) {
  EXPECT_TRUE(IsURL("http://x"));
  EXPECT_TRUE(IsURL("write mailto:a@b"));
  EXPECT_FALSE(IsURL("MAILTO:a@b"));
  EXPECT_FALSE(IsURL("www.x.com"));

  struct Case {
    std::string in, out;
  } strips[] = {{"http://host/p", "host/p"},
                {"mailto:a@b", "a@b"},
                {"x://a mailto:b", "a mailto:b"},
                {"plain", "plain"}};
  for (const Case& c : strips) {
    std::string s = c.in;
    StripURLProtocol(s);
    EXPECT_EQ(s, c.out);
  }
}

TEST(VevUtil, ParseRCCellRef) {
  struct Case {
    std::string text;
    bool ok;
    int col, row;
  } cases[] = {
      {"r12c3", true, 3, 12}, {"R1C1", true, 1, 1},  {"R1C", false, 0, 0},  {"R12", false, 0, 0},
      {"R1X2", false, 0, 0},  {"X1C2", false, 0, 0}, {"RxC2", false, 0, 0}, {"R1C2z", false, 0, 0},
  };
  for (const Case& c : cases) {
    TPoint p(-1, -1);
    EXPECT_EQ(ParseRCCellRef(c.text, p), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(p, TPoint(c.col, c.row)) << c.text;
    }
  }
}

TEST(VevUtil, AutoLinkURL) {
  std::string out = "untouched";
  EXPECT_FALSE(AutoLinkURL("no link here", "HTTP://", out));
  EXPECT_EQ(out, "untouched");

  ASSERT_TRUE(AutoLinkURL("see http://x.org/a?b=1 now", "HTTP://", out));
  EXPECT_EQ(out, "see <a href=\"http://x.org/a\">http://x.org/a</a>?b=1 now");

  ASSERT_TRUE(AutoLinkURL("<Www.Site.com>", "WWW.", out));
  EXPECT_EQ(out, "&lt;<a href=\"Www.Site.com\">Www.Site.com</a>&gt;");

  ASSERT_TRUE(AutoLinkURL("mail MAILTO:me@x.com&you", "MAILTO:", out));
  EXPECT_EQ(out, "mail <a href=\"MAILTO:me@x.com\">MAILTO:me@x.com</a>&you");
}

TEST(VevUtil, ColorToHTMLHex) {
  EXPECT_EQ(ColorToHTMLHex(0x00FF8000), "0080FF");
  EXPECT_EQ(ColorToHTMLHex(0x000000FF), "FF0000");
  EXPECT_EQ(ColorToHTMLHex(0), "000000");
  EXPECT_EQ(ColorToHTMLHex(0x00ABCDEF), "EFCDAB");
}

TEST(VevUtil, MakeClipboardHTMLOffsetsPointAtTheParts) {
  for (std::string fragment : {"<b>x</b>"s, "Grüße €"s, ""s}) {
    std::string s = fragment;
    MakeClipboardHTML(s);
    auto field = [&](const std::string& label) {
      const std::size_t p = s.find(label);
      EXPECT_NE(p, std::string::npos) << label;
      EXPECT_EQ(s.substr(p + label.size() + 8, 2), "\r\n");
      return std::stoul(s.substr(p + label.size(), 8));
    };
    const std::size_t startHTML = field("StartHTML:"), endHTML = field("EndHTML:");
    const std::size_t startFragment = field("StartFragment:"), endFragment = field("EndFragment:");
    EXPECT_EQ(startHTML, 97u);
    EXPECT_EQ(s.compare(startHTML, 9, "<!DOCTYPE"), 0);
    EXPECT_EQ(s.substr(startFragment, endFragment - startFragment), fragment);
    EXPECT_EQ(s.substr(startFragment - 20, 20), "<!--StartFragment-->");
    EXPECT_EQ(endHTML, s.size());
    EXPECT_NE(s.find("charset=utf-8"), std::string::npos);
    EXPECT_EQ(s.rfind("</html>"), s.size() - 7);
  }
}
