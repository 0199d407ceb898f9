#include "framework/xml/XmlDom.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "../os/TempFolder.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/SysUtils.h"

namespace {
// A table file as the editors write it: root, rows, the format comment after
// the root at document level.
void BuildTable(TXMLDocument& doc) {
  doc.Clear();
  TXMLNode root = doc.AddChild("S7_Protocol");
  doc.AppendChild(doc.CreateComment("SW_VERSION = 1.003"));
  TXMLNode read = root.AddChild("S7_Protocol_Read");
  root.AddChild("S7_Protocol_Write");  // an empty section stays
  TXMLNode row = read.AddChild("row");
  row.SetAttribute("Enable", "Y");
  row.SetAttribute("Description", "a & b < c > d \"q\" 'a'");
  row.SetAttribute("Empty", "");
  row.SetAttribute("Ctl", "x\ty\nz\x01");
  row.SetAttribute("Unicode",
                   "Gr\xC3\xBC\xC3\x9F"
                   "e \xE2\x82\xAC");
  read.AddChild("row").SetAttribute("Enable", "N");
}
}  // namespace

TEST(XmlDom, TableFileRoundTripsWithTheCommentAfterTheRoot) {
  TTempFolder dir;
  TXMLDocument doc;
  BuildTable(doc);
  doc.SaveToFile(dir.File("S7_Protocol.xml"));
  const std::string bytes = dir.Read("S7_Protocol.xml");
  EXPECT_EQ(bytes.rfind("<S7_Protocol>", 0), 0u) << bytes;  // no declaration, no mark
  EXPECT_NE(bytes.find("<!--SW_VERSION = 1.003-->"), std::string::npos);
  EXPECT_GT(bytes.find("<!--"), bytes.find("</S7_Protocol>"));

  TXMLDocument back;
  back.LoadFromFile(dir.File("S7_Protocol.xml"));
  ASSERT_EQ(back.ChildCount(), 2);
  TXMLNode root = back.ChildNodes(0);
  EXPECT_EQ(root.NodeName(), "S7_Protocol");
  EXPECT_EQ(back.ChildNodes(1).NodeType(), ntComment);
  EXPECT_EQ(back.ChildNodes(1).NodeValue(), "SW_VERSION = 1.003");
  // Indentation written by the save is not read back as nodes.
  ASSERT_EQ(root.ChildCount(), 2);
  TXMLNode read = root.FindNode("S7_Protocol_Read");
  ASSERT_EQ(read.ChildCount(), 2);
  EXPECT_EQ(root.FindNode("S7_Protocol_Write").ChildCount(), 0);
  TXMLNode row = read.ChildNodes(0);
  EXPECT_EQ(row.Attributes("Description"), "a & b < c > d \"q\" 'a'");
  EXPECT_EQ(row.Attributes("Ctl"), "x\ty\nz\x01");
  EXPECT_EQ(row.Attributes("Unicode"),
            "Gr\xC3\xBC\xC3\x9F"
            "e \xE2\x82\xAC");
  EXPECT_EQ(row.AttributeCount(), 5);
  EXPECT_EQ(row.AttributeName(0), "Enable");
  EXPECT_EQ(read.ChildNodes(1).Attributes("Enable"), "N");
  EXPECT_EQ(back.SaveToXML(), doc.SaveToXML());
}

TEST(XmlDom, MissingAndEmptyAttributesDiffer) {
  TXMLDocument doc;
  doc.LoadFromXML("<t><row a=\"\" b=\"1\"/></t>");
  TXMLNode row = doc.DocumentElement().ChildNodes(0);
  EXPECT_TRUE(row.HasAttribute("a"));
  EXPECT_FALSE(row.HasAttribute("c"));
  EXPECT_EQ(row.AttributeValue("a"), std::optional<std::string>(""));
  EXPECT_EQ(row.AttributeValue("c"), std::nullopt);
  EXPECT_EQ(row.Attributes("a"), "");
  EXPECT_EQ(row.AttributeDef("c", "-1"), "-1");
  EXPECT_EQ(row.AttributeDef("a", "-1"), "");
  EXPECT_FALSE(row.HasAttribute("B"));  // names are case-sensitive
  try {
    row.Attributes("c");
    FAIL() << "no exception";
  } catch (const EXmlError& e) {
    EXPECT_NE(e.Message().find("\"c\""), std::string::npos);
  }
  row.SetAttribute("b", "2");
  row.SetAttribute("c", "3");
  EXPECT_EQ(row.XML(), "<row a=\"\" b=\"2\" c=\"3\"/>");
  row.RemoveAttribute("a");
  EXPECT_FALSE(row.HasAttribute("a"));
}

// The reader goes on from the last attribute found, so it must still find
// names asked out of order, again, or missing, wrapping round the element.
TEST(XmlDom, AttributeReaderFindsNamesInAnyOrder) {
  TXMLDocument doc;
  doc.LoadFromXML("<t><row a=\"1\" b=\"\" c=\"3\" d=\"4\"/><row/></t>");
  TXMLAttributeReader row(doc.DocumentElement().ChildNodes(0));
  const std::pair<const char*, std::optional<std::string_view>> asks[] = {
      {"a", "1"},           {"b", ""},          {"d", "4"}, {"c", "3"},
      {"x", std::nullopt},  {"a", "1"},         {"d", "4"}, {"d", "4"},
      {"ab", std::nullopt}, {"", std::nullopt}, {"b", ""}};
  for (const auto& [name, value] : asks) EXPECT_EQ(row.Find(name), value) << name;
  TXMLAttributeReader empty(doc.DocumentElement().ChildNodes(1));
  EXPECT_EQ(empty.Find("a"), std::nullopt);
  EXPECT_THROW(TXMLAttributeReader{TXMLNode()}, EXmlError);
}

// A file is parsed where it was read: its texts must outlive edits, moves
// and copies into another document, and a second load.
TEST(XmlDom, LoadedTextsSurviveEditsCopiesAndReloads) {
  TTempFolder dir;
  dir.Write("t.xml", "<t><row a=\"one &amp; two\">text</row><row a=\"x\"/></t>");
  TXMLDocument doc, other;
  doc.LoadFromFile(dir.File("t.xml"));
  TXMLNode first = doc.DocumentElement().ChildNodes(0);
  first.SetAttribute("a", "a much longer value than before");
  doc.DocumentElement().ChildNodes(1).SetAttribute("a", "y");
  other.AddChild("copy").AppendChild(doc.DocumentElement().ChildNodes(1));
  doc.DocumentElement().AppendChild(first);
  EXPECT_EQ(doc.SaveToXML(), "<t><row a=\"y\"/><row a=\"a much longer value than before\">text</row></t>");
  doc.LoadFromFile(dir.File("t.xml"));
  EXPECT_EQ(other.SaveToXML(), "<copy><row a=\"y\"/></copy>");
  EXPECT_EQ(doc.DocumentElement().ChildNodes(0).Attributes("a"), "one & two");
}

TEST(XmlDom, MalformedFilesRaiseNamingFileAndLine) {
  TTempFolder dir;
  dir.Write("bad.xml", "<root>\n  <row a=\"1\">\n  </wrong>\n</root>");
  TXMLDocument doc;
  try {
    doc.LoadFromFile(dir.File("bad.xml"));
    FAIL() << "no exception";
  } catch (const EXmlError& e) {
    EXPECT_NE(e.Message().find(dir.File("bad.xml")), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find("line 3"), std::string::npos) << e.Message();
  }
  EXPECT_EQ(doc.ChildCount(), 0);
  for (const char* text : {"", "   ", "<!-- only a comment -->", "<a><b></a>", "<a x=1/>", "<a/><b/>"}) {
    dir.Write("bad.xml", text);
    EXPECT_THROW(doc.LoadFromFile(dir.File("bad.xml")), EXmlError) << text;
  }
  EXPECT_THROW(doc.LoadFromFile(dir.File("missing.xml")), EXmlError);
}

// The parser stops at a NUL character as at the end of the text: a file
// damaged there must not read as a complete document, in any encoding.
TEST(XmlDom, ANulCharacterIsDamageWhereverItStands) {
  TTempFolder dir;
  using namespace std::string_literals;
  const std::string good = "<Par_Gen><CAN_BAUDRATE>7</CAN_BAUDRATE></Par_Gen>";
  struct TCase {
    std::string Bytes;
    const char* Where;
  };
  // UTF-16 little-endian, with its byte-order mark.
  auto utf16 = [](const std::string& ascii) {
    std::string out = "\xFF\xFE"s;
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
  };
  const TCase cases[] = {
      {"<Par_Gen></Par_Gen\0garbage"s, "right after the root's end-tag name"},
      {"<Par_Gen></Par_Gen>\0<more/>"s, "after the root"},
      {"<Par_Gen><a/>\0</Par_Gen>"s, "inside the root"},
      {"<!-- SW_VERSION = 1.000 -->\0<Par_Gen/>"s, "before the root"},
      {utf16("<Par_Gen></Par_Gen") + "\0\0"s + utf16("x").substr(2), "in UTF-16"},
  };
  TXMLDocument doc;
  for (const TCase& c : cases) {
    dir.Write("cut.xml", c.Bytes);
    try {
      doc.LoadFromFile(dir.File("cut.xml"));
      ADD_FAILURE() << "read as complete: NUL " << c.Where;
    } catch (const EXmlError& e) {
      EXPECT_NE(e.Message().find("NUL character"), std::string::npos) << c.Where << ": " << e.Message();
      EXPECT_NE(e.Message().find(dir.File("cut.xml")), std::string::npos) << e.Message();
    }
    EXPECT_FALSE(doc.DocumentElement()) << c.Where;
    EXPECT_THROW(doc.LoadFromXML(c.Bytes), EXmlError) << c.Where;
  }
  // The same documents without the NUL read; UTF-16 text holds zero bytes
  // that are no NUL character.
  for (const std::string& bytes : {good, utf16(good)}) {
    dir.Write("good.xml", bytes);
    doc.LoadFromFile(dir.File("good.xml"));
    EXPECT_EQ(doc.DocumentElement().FindNode("CAN_BAUDRATE").Text(), "7");
  }
}

TEST(XmlDom, FirstNodeIsWhateverComesFirst) {
  TXMLDocument doc;
  doc.LoadFromXML(
      "<?xml version=\"1.0\"?>\n<!-- note "
      "-->\n<Conf_Settings><lastlang><language>German</language></lastlang></Conf_Settings>");
  ASSERT_EQ(doc.ChildCount(), 3);
  EXPECT_EQ(doc.ChildNodes(0).NodeType(), ntDeclaration);
  EXPECT_EQ(doc.ChildNodes(1).NodeType(), ntComment);
  EXPECT_EQ(doc.DocumentElement().NodeName(), "Conf_Settings");
  // Looking up the settings below the first node fails as one chain.
  TXMLNode first = doc.ChildNodes(0);
  EXPECT_TRUE(first.FindNode("lastlang").IsNull());
  EXPECT_THROW(first.FindNode("lastlang").FindNode("language").Text(), EXmlError);
  EXPECT_EQ(doc.DocumentElement().FindNode("lastlang").FindNode("language").Text(), "German");
  // A document that holds a declaration keeps it on save; others get none.
  EXPECT_EQ(doc.SaveToXML().rfind("<?xml version=\"1.0\"?>", 0), 0u);
  EXPECT_THROW(doc.ChildNodes(3), EListError);
}

TEST(XmlDom, ElementTextAndItsLimits) {
  TXMLDocument doc;
  doc.LoadFromXML("<r>\n  <a> keep  spaces </a>\n  <b><c/></b>\n  <e></e>\n  <w>   </w>\n</r>");
  TXMLNode r = doc.DocumentElement();
  EXPECT_EQ(r.ChildCount(), 4);
  EXPECT_EQ(r.FindNode("a").Text(), " keep  spaces ");
  EXPECT_EQ(r.FindNode("e").Text(), "");
  EXPECT_EQ(r.FindNode("w").Text(), "");  // whitespace-only text is dropped
  EXPECT_THROW(r.FindNode("b").Text(), EXmlError);
  EXPECT_THROW(r.FindNode("b").SetText("x"), EXmlError);
  r.FindNode("a").SetText("1");
  r.FindNode("e").SetText("a<b&c");
  EXPECT_EQ(r.FindNode("a").XML(), "<a>1</a>");
  EXPECT_EQ(r.FindNode("e").XML(), "<e>a&lt;b&amp;c</e>");
  r.FindNode("a").SetText("");
  EXPECT_EQ(r.FindNode("a").ChildCount(), 0);
  EXPECT_TRUE(r.FindNode("A").IsNull());
}

TEST(XmlDom, BuildingFollowsTheDocumentRules) {
  TXMLDocument doc;
  doc.SetActive(true);
  TXMLNode root = doc.AddChild("Conf_Settings");
  EXPECT_THROW(doc.AddChild("Second"), EXmlError);
  EXPECT_THROW(root.AddChild("bad name"), EXmlError);
  EXPECT_THROW(root.AddChild("1x"), EXmlError);
  EXPECT_THROW(root.SetAttribute("a b", "x"), EXmlError);
  root.AddChild("lastproj").AddChild("projectname").SetText("");
  doc.AppendComment("a -- b -");
  // Nothing between the nodes: no indentation, no line breaks.
  EXPECT_EQ(doc.SaveToXML(),
            "<Conf_Settings><lastproj><projectname/></lastproj></Conf_Settings><!--a - - b - -->");
  TXMLDocument reread;
  reread.LoadFromXML(doc.SaveToXML());
  EXPECT_EQ(reread.ChildCount(), 2);
  TXMLNode moved = root.AddChild("x");
  root.FindNode("lastproj").AppendChild(moved);
  EXPECT_EQ(root.ChildCount(), 1);
  EXPECT_THROW(moved.AppendChild(root), EXmlError);
  root.RemoveChild(root.FindNode("lastproj"));
  EXPECT_EQ(root.ChildCount(), 0);
  doc.Clear();
  EXPECT_EQ(doc.ChildCount(), 0);
  EXPECT_TRUE(doc.DocumentElement().IsNull());
  doc.AddChild("New");
  doc.SetActive(false);
  EXPECT_EQ(doc.ChildCount(), 0);
}

TEST(XmlDom, FailedSaveKeepsTheOldFile) {
  TTempFolder dir;
  dir.Write("ParGen.xml", "<ParGen/>");
  TXMLDocument doc;
  BuildTable(doc);
  TSafeWriteHookScope full([](TSafeWriteStage s, const std::string&) { return s == swsFlush ? EIO : 0; });
  EXPECT_THROW(doc.SaveToFile(dir.File("ParGen.xml")), EFCreateError);
  EXPECT_EQ(dir.Read("ParGen.xml"), "<ParGen/>");
}
