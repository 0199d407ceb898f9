// The HTML export: classes by look, spans of merged cells, escaping and
// links, the XHTML frame and the file encodings, pictures as JPEG files;
// every page parses back as XML.
#include <gtest/gtest.h>

#include <string>

#include "../../framework/os/TempFolder.h"
#include "GridFilesFixture.h"
#include "framework/xml/XmlDom.h"
#include "grid/model/DivUzev.h"

namespace {

void Plain(TDedAdararAdoz& G, int Cols, int Rows) {
  G.SetFixedCols(0);
  G.SetFixedRows(0);
  G.SetColCount(Cols);
  G.SetRowCount(Rows);
}

int Count(const std::string& S, const std::string& What) {
  int n = 0;
  for (size_t p = S.find(What); p != std::string::npos; p = S.find(What, p + 1)) ++n;
  return n;
}

// The page parsed as XML (a page without the XHTML frame is a fragment).
void ParsesBack(const std::string& Html, bool XHTML) {
  TXMLDocument doc;
  EXPECT_NO_THROW(doc.LoadFromXML(XHTML ? Html : "<page>" + Html + "</page>")) << Html;
}

TEST(DivUzevHTML, ClassesSpansAndEmptyCells) {
  TDedAdararAdoz g(nullptr);
  Plain(g, 4, 3);
  g.SetCells(0, 0, "a");
  g.SetCells(1, 0, "b");
  g.GetCellProperties(2, 0)->SetFontStyle(TFontStyles{fsBold});
  g.SetCells(2, 0, "bold");
  g.MergeCells(0, 1, 3, 2);
  g.SetCells(0, 1, "merged");
  const std::string h = g.SaveToHTMLString("");
  EXPECT_NE(h.find("<TD class=\"c0\" nowrap=\"nowrap\">a</TD>"), std::string::npos) << h;
  EXPECT_NE(h.find("<TD class=\"c0\" nowrap=\"nowrap\">b</TD>"), std::string::npos);
  EXPECT_NE(h.find("<TD class=\"c1\""), std::string::npos);
  EXPECT_NE(h.find("font-weight: bold"), std::string::npos);
  EXPECT_NE(h.find(" COLSPAN=\"3\" ROWSPAN=\"2\""), std::string::npos);
  // 4 cells in row 0, the merged one and column 3 in row 1, column 3 in row 2.
  EXPECT_EQ(Count(h, "</TD>"), 4 + 2 + 1);
  EXPECT_EQ(Count(h, ">&#160;</TD>"), 3);
  EXPECT_EQ(h.find("<!DOCTYPE"), std::string::npos);
  EXPECT_EQ(h.find("</html>"), std::string::npos);
  ParsesBack(h, false);
}

TEST(DivUzevHTML, TextIsEscapedAndLinksAreQuoted) {
  struct TCase {
    std::string Cell;
    bool Full;
    std::string Content;
  };
  const std::vector<TCase> cases = {
      {"a < b & c", false, ">a &lt; b &amp; c</TD>"},
      {"http://x.org/?a=1&b=\"2\"", false,
       "<A href=\"http://x.org/?a=1&amp;b=&quot;2&quot;\">x.org/?a=1&amp;b=&quot;2&quot;</A>"},
      {"see http://x.org/p now", true, ">see <A href=\"http://x.org/p\">http://x.org/p</A> now</TD>"},
      {"mail mailto:me@x.org", false, ">mail <A href=\"mailto:me@x.org\">me@x.org</A></TD>"},
      {"two\r\nlines", false, ">two<br />lines</TD>"},
  };
  for (const TCase& c : cases) {
    TDedAdararAdoz g(nullptr);
    Plain(g, 1, 1);
    g.SetURLShow(true);
    g.SetURLFull(c.Full);
    g.SetCells(0, 0, c.Cell);
    const std::string h = g.SaveToHTMLString("");
    EXPECT_NE(h.find(c.Content), std::string::npos) << h;
    ParsesBack(h, false);
  }
}

TEST(DivUzevHTML, EveryKindOfCellGivesAWellFormedPage) {
  for (bool xhtml : {false, true}) {
    TDedAdararAdoz g(nullptr);
    gridfiles::FillEveryKind(g, false);
    g.SetCells(1, 7, "<b>bold</b> and <i>open");
    g.SetCells(2, 7, "<b>fine</b>");
    g.SetCells(3, 7, "x\x01y");
    g.HTMLSettings()->SetXHTML(xhtml);
    g.HTMLSettings()->SetSummary("a \"summary\" <here>");
    g.HTMLSettings()->ColWidths()->Add(40);
    g.SetSaveFixedRows(true);
    const std::string h = g.SaveToHTMLString("");
    if (xhtml) {
      EXPECT_EQ(h.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u);
      EXPECT_NE(h.find("</html>"), std::string::npos);
    }
    EXPECT_NE(h.find("<b>fine</b>"), std::string::npos) << "markup kept";
    EXPECT_NE(h.find("bold and open"), std::string::npos) << "broken markup as its text";
    ParsesBack(h, xhtml);
  }
}

TEST(DivUzevHTML, FilesDeclareWhatTheyAreWrittenIn) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 1, 1);
  g.SetCells(0, 0, "\xC3\x9C \xE6\x97\xA5");  // Ü 日
  g.HTMLSettings()->SetXHTML(true);
  g.SaveToHTML(dir.File("a.html"), false, false);
  const std::string ascii = dir.Read("a.html");
  EXPECT_TRUE(
      std::all_of(ascii.begin(), ascii.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
  EXPECT_NE(ascii.find("&#220; &#26085;"), std::string::npos);
  g.SaveToHTML(dir.File("u.html"), false, true);
  const std::string utf8 = dir.Read("u.html");
  EXPECT_EQ(utf8.rfind("\xEF\xBB\xBF<?xml", 0), 0u);
  EXPECT_NE(utf8.find("\xC3\x9C \xE6\x97\xA5"), std::string::npos);
  for (const char* name : {"a.html", "u.html"}) {
    TXMLDocument doc;
    EXPECT_NO_THROW(doc.LoadFromFile(dir.File(name))) << name;
  }
  // Appending keeps the page before it.
  dir.Write("b.html", "<p>before</p>\r\n");
  g.HTMLSettings()->SetXHTML(false);
  g.AppendToHTML(dir.File("b.html"));
  EXPECT_EQ(dir.Read("b.html").rfind("<p>before</p>\r\n<style", 0), 0u);
}

TEST(DivUzevHTML, PicturesAreJpegFilesBesideThePage) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 2, 1);
  g.SetCells(0, 0, "one");
  gridfiles::AddOwnedBitmap(g, 0, 0, clRed);
  gridfiles::AddOwnedBitmap(g, 1, 0, clBlue);
  g.SaveToHTML(dir.File("p.html"));
  const std::string h = dir.Read("p.html");
  for (const char* n : {"images/img1.jpg", "images/img2.jpg"}) {
    const std::string jpeg = dir.Read(n);
    ASSERT_GE(jpeg.size(), 2u) << n;
    EXPECT_EQ(jpeg.substr(0, 2), "\xFF\xD8");
    EXPECT_NE(h.find(std::string("/") + n + "\" alt=\"\" />"), std::string::npos) << h;
  }
  EXPECT_NE(h.find(">one<IMG src=\"file://"), std::string::npos);
  ParsesBack(h, false);
}

}  // namespace
