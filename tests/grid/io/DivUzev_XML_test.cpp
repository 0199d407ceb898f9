// The XML list of records: escapes read back once, fields by name, the
// declared encoding is the one written, header names, levels to rows, and
// the reader's errors. Every file written parses as XML.
#include <gtest/gtest.h>

#include <string>

#include "../../framework/os/TempFolder.h"
#include "GridFilesFixture.h"
#include "framework/classes/StringList.h"
#include "framework/xml/XmlDom.h"
#include "grid/model/DivUzev.h"

namespace {

void Plain(TDedAdararAdoz& G, int Cols, int Rows) {
  G.SetFixedCols(0);
  G.SetFixedRows(0);
  G.SetColCount(Cols);
  G.SetRowCount(Rows);
}

TEST(DivUzevXML, TextsComeBackAsWritten) {
  TTempFolder dir;
  std::vector<std::string> texts = gridfiles::Texts();
  // XML holds no control characters but TAB, CR and LF.
  texts.erase(std::remove(texts.begin(), texts.end(), "ctl \b\x01 marks"), texts.end());
  for (const std::string t : {"a & b", "$amp;", "&gt;", "<tag attr=\"v\">", "\"\""}) texts.push_back(t);
  for (const char* enc : {"ISO-8859-1", "UTF-8", "US-ASCII", "windows-1252"}) {
    TDedAdararAdoz src(nullptr), dst(nullptr);
    const int n = static_cast<int>(texts.size());
    Plain(src, 2, n);
    src.SetXMLEncoding(enc);
    src.SetQuoteEmptyCells(false);
    for (int i = 0; i < n; ++i) {
      src.SetCells(0, i, texts[static_cast<size_t>(i)]);
      src.SetCells(1, i, std::to_string(i));
    }
    src.SaveToXML(dir.File("t.xml"), "list", "row");
    const std::string bytes = dir.Read("t.xml");
    // Declared as written: one it cannot write is written as UTF-8.
    const std::string declared = std::string(enc) == "windows-1252" ? "UTF-8" : enc;
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"" + declared + "\" ?>\r\n<list>\r\n<row>\r\n", 0),
              0u);
    EXPECT_NE(bytes.find("<FIELD0>a &amp; b</FIELD0>"), std::string::npos);
    TXMLDocument doc;
    ASSERT_NO_THROW(doc.LoadFromFile(dir.File("t.xml"))) << enc;
    Plain(dst, 1, 1);
    dst.SetQuoteEmptyCells(false);
    dst.LoadFromXML(dir.File("t.xml"));
    ASSERT_EQ(dst.RowCount(), n) << enc;
    for (int i = 0; i < n; ++i) {
      EXPECT_EQ(dst.Cells(0, i), texts[static_cast<size_t>(i)]) << enc << " " << i;
      EXPECT_EQ(dst.Cells(1, i), std::to_string(i));
    }
  }
}

TEST(DivUzevXML, FieldsLeftOutReadBackIntoTheirColumns) {
  TTempFolder dir;
  TDedAdararAdoz src(nullptr), dst(nullptr);
  Plain(src, 3, 2);
  src.SetCells(0, 0, "a");
  src.SetCells(2, 0, "c");
  src.SetCells(1, 1, "only b");
  src.SaveToXML(dir.File("e.xml"), "list", "row", nullptr, false);
  Plain(dst, 1, 1);
  dst.LoadFromXML(dir.File("e.xml"));
  EXPECT_EQ(dst.Cells(0, 0) + "|" + dst.Cells(1, 0) + "|" + dst.Cells(2, 0), "a||c");
  EXPECT_EQ(dst.Cells(0, 1) + "|" + dst.Cells(1, 1), "|only b");
}

TEST(DivUzevXML, EmptyCellsQuotedAndFieldNamesGiven) {
  TTempFolder dir;
  TDedAdararAdoz src(nullptr);
  Plain(src, 2, 1);
  src.SetCells(1, 0, "v");
  TStringList names;
  names.Add("First Name");
  names.Add("value");
  src.SaveToXML(dir.File("n.xml"), "list", "row", &names, true);
  const std::string t = dir.Read("n.xml");
  EXPECT_NE(t.find("<First_Name>&quot;&quot;</First_Name>\r\n<value>v</value>"), std::string::npos) << t;

  // With a header row the names fill its empty cells, and a field goes to
  // the column whose header names it.
  TDedAdararAdoz dst(nullptr);
  dst.SetFixedCols(0);
  dst.SetFixedRows(1);
  dst.SetColCount(2);
  dst.SetRowCount(2);
  dst.SetSaveFixedCells(false);
  dst.SetSaveFixedRows(true);
  dst.LoadFromXML(dir.File("n.xml"), false, true);
  EXPECT_EQ(dst.Cells(0, 0), "First_Name");
  EXPECT_EQ(dst.Cells(1, 0), "value");
  EXPECT_EQ(dst.Cells(0, 1), "");
  EXPECT_EQ(dst.Cells(1, 1), "v");
}

// Each record with attributes starts its own row, so records never write
// over each other.
TEST(DivUzevXML, LevelsToRows) {
  TTempFolder dir;
  dir.Write("l.xml",
            "<list><rec id=\"1\" name=\"x\"><a>p</a><b>q</b></rec>"
            "<rec id=\"2\" name=\"y\"><a>r</a><b>s</b></rec></list>");
  TDedAdararAdoz g(nullptr);
  Plain(g, 1, 1);
  g.SetSaveFixedCells(false);
  g.LoadFromXML(dir.File("l.xml"), true, false);
  EXPECT_EQ(g.Cells(0, 0) + g.Cells(1, 0), "1x");
  EXPECT_EQ(g.Cells(1, 1) + g.Cells(2, 1), "pq");
  EXPECT_EQ(g.Cells(0, 2) + g.Cells(1, 2), "2y");
  EXPECT_EQ(g.Cells(1, 3) + g.Cells(2, 3), "rs");
}

TEST(DivUzevXML, ReaderErrors) {
  TTempFolder dir;
  TDedAdararAdoz g(nullptr);
  Plain(g, 2, 2);
  g.SetCells(0, 0, "kept");
  try {
    g.LoadFromXML(dir.File("none.xml"));
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "XML file not found");
  }
  dir.Write("bad.xml", "<list>\n<row>\n<FIELD0>x</FIELD1>\n</row></list>");
  try {
    g.LoadFromXML(dir.File("bad.xml"));
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message().rfind("XMLDOM Parsing error ", 0), 0u);
    EXPECT_NE(e.Message().find(" on line 3"), std::string::npos) << e.Message();
  }
  EXPECT_EQ(g.Cells(0, 0), "kept");
  EXPECT_THROW(g.SaveToXML(dir.File("no/such/x.xml"), "l", "r"), EDivUzevError);
}

}  // namespace
