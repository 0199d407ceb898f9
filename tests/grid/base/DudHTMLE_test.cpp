#include "grid/base/DudHTMLE.h"

#include <gtest/gtest.h>

#include <string>

TEST(DudHTMLE, MarkupToPlainText) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"one<br>two", "one\r\ntwo"},
      {"a<Hr>b<BR>c", "a\r\nb\r\nc"},
      {"<b>bold</b> and <font color=\"red\">red</font>", "bold and red"},
      {"x < y", "x < y"},  // no ">" after the "<": kept once
      {"<i>a</i> < b", "a < b"},
      {"a > b", "a > b"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(MarkupToPlainText(c.in), c.out) << c.in;
}

TEST(DudHTMLE, EscapeAndUnescapeRoundTrip) {
  const std::string texts[] = {
      "plain",
      "a & b < c > d \"e\"",
      "*amp;",
      "&quot;",
      "&amp;lt;",
      "&eacute;",
      "é è ë Ü Ç ø å © ® € « »",
      "&unknown; &",
      "&&&",
      "",
      "x &lt; &gt;",
      "Grüße 日本",
  };
  for (bool accents : {false, true}) {
    for (const std::string& t : texts) EXPECT_EQ(UnescapeHTML(EscapeHTML(t, accents), accents), t) << t;
  }
  EXPECT_EQ(EscapeHTML("a&b\"<>", false), "a&amp;b&quot;&lt;&gt;");
  EXPECT_EQ(EscapeHTML("*amp;", false), "*amp;");
  EXPECT_EQ(EscapeHTML("café €", true), "caf&eacute; &euro;");
  EXPECT_EQ(EscapeHTML("café", false), "café");
}

TEST(DudHTMLE, UnescapeDecodesEachEntityOnce) {
  EXPECT_EQ(UnescapeHTML("&Eacute;t&eacute;", true), "Été");
  EXPECT_EQ(UnescapeHTML("&Eacute;", false), "&Eacute;");
  EXPECT_EQ(UnescapeHTML("&amp;quot;", false), "&quot;");
  EXPECT_EQ(UnescapeHTML("&amp;eacute;", true), "&eacute;");
  EXPECT_EQ(UnescapeHTML("&lt;b&gt;", false), "<b>");
  EXPECT_EQ(UnescapeHTML("&EACUTE;", true), "&EACUTE;");  // entity names keep their case
  EXPECT_EQ(SpacesToNbsp("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
}

TEST(DudHTMLE, HilightInMarkup) {
  struct Case {
    std::string text, search;
    bool caseSensitive;
    std::string out;
  } cases[] = {
      {"aaa", "a", true, "<hi>a</hi><hi>a</hi><hi>a</hi>"},
      {"a<b>a</b>a", "a", true, "<hi>a</hi><b><hi>a</hi></b><hi>a</hi>"},
      {"x<b>y</b>z", "yz", true, "x<b><hi>y</b>z</hi>"},
      {"aab", "a", true, "<hi>a</hi><hi>a</hi>b"},
      {"Hello hello", "HELLO", false, "<hi>Hello</hi> <hi>hello</hi>"},
      {"Hello hello", "hello", true, "Hello <hi>hello</hi>"},
      {"1 < 2", "<", true, "1 <hi>&lt;</hi> 2"},
      {"none", "x", true, "none"},
      {"abc", "", true, "abc"},
      {"ééé", "é", true, "<hi>é</hi><hi>é</hi><hi>é</hi>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HilightInMarkup(c.text, c.search, "hi", c.caseSensitive), c.out) << c.text << " / " << c.search;
}

TEST(DudHTMLE, UnHilightGivesBackTheText) {
  for (std::string text : {"1 < 2 > 0", "aaa", "<b>bold</b> text"}) {
    const std::string marked = HilightInMarkup(text, text.substr(0, 1), "hi", true);
    EXPECT_EQ(UnHilightInMarkup(marked, "HI"), text) << marked;
  }
}

namespace {
const std::string kForm =
    "Name <CONTROL TYPE=\"EDIT\" ID=\"name\" VALUE=\"Bob\" WIDTH=\"80\">"
    " <control type=\"check\" id=\"ok\" value=\"TRUE\" width=\"15\">"
    " <CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"15\">"
    " <CONTROL TYPE=\"RADIO\" ID=\"r2\" VALUE=\"TRUE\" WIDTH=\"15\">"
    " <CONTROL TYPE=\"COMBO\" ID=\"city\" VALUE=\"Paris\" WIDTH=\"60\" HEIGHT=\"20\" PROP=\"a&amp;b\""
    " MAXLEN=\"12x\">";
}

TEST(DudHTMLE, ReadsControlTags) {
  EXPECT_TRUE(HasControlTag(kForm));
  EXPECT_TRUE(HasControlTag("<control"));
  EXPECT_FALSE(HasControlTag("<b>no controls</b>"));

  std::string value;
  EXPECT_TRUE(GetControlValue(kForm, "name", value));
  EXPECT_EQ(value, "Bob");
  EXPECT_TRUE(GetControlValue(kForm, "ok", value));
  EXPECT_EQ(value, "TRUE");
  EXPECT_FALSE(GetControlValue(kForm, "NAME", value));  // IDs compare exactly
  EXPECT_EQ(GetControlProp(kForm, "city"), "a&b");
  EXPECT_EQ(GetControlProp(kForm, "name"), "");
  EXPECT_EQ(GetControlMaxLen(kForm, "city"), 12);
  EXPECT_EQ(GetControlMaxLen(kForm, "name"), 0);
  EXPECT_EQ(GetControlMaxLen(kForm, "missing"), 0);

  EXPECT_EQ(NextEditControlID(kForm, ""), "name");
  EXPECT_EQ(NextEditControlID(kForm, "name"), "city");  // check and radio boxes are skipped
  EXPECT_EQ(NextEditControlID(kForm, "city"), "");
  EXPECT_EQ(NextEditControlID(kForm, "missing"), "");
}

TEST(DudHTMLE, ParseControlTagReadsWholeAttributeNames) {
  std::string type, id, maxLen, prop, height, width, value;
  // Values that hold other attribute names never stand in for them.
  ParseControlTag(
      "<CONTROL VALUE=\"ID=x WIDTH=9 TYPE=y\" PROP=\"MAXLEN=3\" TYPE=\"edit\" ID=\"e1\" WIDTH=\"50\">", type,
      id, maxLen, prop, height, width, value);
  EXPECT_EQ(type, "EDIT");
  EXPECT_EQ(id, "e1");
  EXPECT_EQ(width, "50");
  EXPECT_EQ(value, "ID=x WIDTH=9 TYPE=y");
  EXPECT_EQ(prop, "MAXLEN=3");
  EXPECT_EQ(maxLen, "");
  EXPECT_EQ(height, "");

  ParseControlTag("<CONTROL GRID=\"1\" ID=\"a\" HEIGHT=\"7\" VALUE=\"&lt;&eacute;&gt;\">", type, id, maxLen,
                  prop, height, width, value);
  EXPECT_EQ(id, "a");  // "GRID=" does not end in a match for "ID="
  EXPECT_EQ(height, "7");
  EXPECT_EQ(value, "<é>");
  EXPECT_EQ(type, "");
}

TEST(DudHTMLE, SetControlValueRewritesOneTag) {
  std::string text = kForm;
  EXPECT_TRUE(SetControlValue(text, "city", "Rome & \"<Milan>\""));
  std::string value;
  EXPECT_TRUE(GetControlValue(text, "city", value));
  EXPECT_EQ(value, "Rome & \"<Milan>\"");
  EXPECT_EQ(GetControlProp(text, "city"), "a&b");
  EXPECT_EQ(GetControlMaxLen(text, "city"), 12);
  EXPECT_NE(text.find("HEIGHT=\"20\""), std::string::npos);
  EXPECT_EQ(text.substr(0, 5), "Name ");

  // A value that looks like attributes cannot change the control.
  EXPECT_TRUE(SetControlValue(text, "name", "x\" ID=\"evil\" WIDTH=\"999"));
  EXPECT_TRUE(GetControlValue(text, "name", value));
  EXPECT_EQ(value, "x\" ID=\"evil\" WIDTH=\"999");
  EXPECT_FALSE(GetControlValue(text, "evil", value));
  EXPECT_NE(text.find("WIDTH=\"80\""), std::string::npos);

  const std::string before = text;
  EXPECT_FALSE(SetControlValue(text, "missing", "v"));
  EXPECT_EQ(text, before);
}

TEST(DudHTMLE, ClearRadioControls) {
  const std::string cleared = ClearRadioControls(kForm);
  std::string value;
  for (const char* id : {"r1", "r2"}) {
    EXPECT_TRUE(GetControlValue(cleared, id, value));
    EXPECT_EQ(value, "FALSE") << id;
  }
  EXPECT_TRUE(GetControlValue(cleared, "ok", value));
  EXPECT_EQ(value, "TRUE");
  EXPECT_TRUE(GetControlValue(cleared, "city", value));
  EXPECT_EQ(value, "Paris");
}
