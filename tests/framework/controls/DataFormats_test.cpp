// The desktop's names and bytes of the platform's data formats: fixed MIME
// types, file lists both ways (damaged blocks read safely), links told from
// files, and the clipboard reading a format as a drag does.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "framework/controls/Clipbrd.h"
#include "framework/controls/DataFormats.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& S) { return std::vector<uint8_t>(S.begin(), S.end()); }

TMimeReader ReaderOf(std::map<std::string, std::string> Data) {
  return [Data](const std::string& Mime, std::vector<uint8_t>& B) {
    auto it = Data.find(Mime);
    if (it == Data.end()) return false;
    B = Bytes(it->second);
    return true;
  };
}

std::vector<std::string> Mimes(const std::map<std::string, std::string>& Data) {
  std::vector<std::string> out;
  for (const auto& [m, d] : Data) out.push_back(m);
  return out;
}

TEST(DataFormats, EveryCopyOfTheProgramUsesTheSameMimeTypes) {
  struct Case {
    unsigned format;
    const char* mime;
  };
  const Case cases[] = {
      {CF_TEXT, "text/plain"},
      {CF_UNICODETEXT, "text/plain"},
      {CF_HDROP, "text/uri-list"},
      {RegisterClipboardFormat("Rich Text Format"), "text/rtf"},
      {RegisterClipboardFormat("HTML Format"), "text/html"},
      {RegisterClipboardFormat("UniformResourceLocator"), "text/x-moz-url"},
      {RegisterClipboardFormat("TDedAdararAdoz Cells"), "application/x-cf30406-TDedAdararAdoz-Cells"},
      {RegisterClipboardFormat("Grid Column"), "application/x-cf30406-Grid-Column"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatMime(c.format), c.mime) << c.format;
  // And the way back: the type names the registered format.
  unsigned cells = RegisterClipboardFormat("TDedAdararAdoz Cells");
  std::vector<unsigned> found = OfferedFormats({"application/x-cf30406-TDedAdararAdoz-Cells"}, ReaderOf({}));
  EXPECT_EQ(found, std::vector<unsigned>{cells});
}

TEST(DataFormats, FileListsBothWays) {
  const std::vector<std::string> files{"/tmp/a b.csv", "/home/j\xC3\xBCrgen/100%#.xls", "/x"};
  std::string list = UriListOfFiles(files);
  EXPECT_EQ(list.substr(0, 23), "file:///tmp/a%20b.csv\r\n");
  EXPECT_EQ(FilesOfUriList(list), files);
  std::vector<uint8_t> block = MakeFileDropBlock(files);
  EXPECT_EQ(ReadFileDropBlock(block.data(), block.size()), files);
  // Comments, links, other hosts and "localhost" in a list.
  EXPECT_EQ(FilesOfUriList("# c\r\nhttp://h/x\r\nfile://other/y\r\nfile://localhost/z%41\nfile:/w"),
            (std::vector<std::string>{"/zA", "/w"}));
  EXPECT_EQ(LinksOfUriList("file:///a\r\nhttps://example.invalid/p?q=1\r\n"),
            std::vector<std::string>{"https://example.invalid/p?q=1"});
}

TEST(DataFormats, DamagedFileDropBlocksAreReadInsideTheBlock) {
  auto header = [](uint32_t offset, bool wide) {
    std::vector<uint8_t> b(20, 0);
    b[0] = static_cast<uint8_t>(offset);
    b[16] = wide ? 1 : 0;
    return b;
  };
  struct Case {
    const char* name;
    std::vector<uint8_t> block;
    std::vector<std::string> files;
  };
  std::vector<Case> cases;
  {
    auto b = header(20, false);
    for (char c : std::string("a.csv\0c\xE9.txt\0\0", 14)) b.push_back(static_cast<uint8_t>(c));
    cases.push_back({"ANSI names", b, {"a.csv", "c\xC3\xA9.txt"}});
  }
  {
    auto b = header(20, false);
    for (char c : std::string("a.csv\0unterminated", 18)) b.push_back(static_cast<uint8_t>(c));
    cases.push_back({"a name cut off by the end", b, {"a.csv"}});
  }
  {
    auto b = header(20, true);
    b.insert(b.end(), {'a', 0, 'b', 0, 'c'});
    cases.push_back({"a wide name cut off inside a character", b, {}});
  }
  cases.push_back({"offset past the end", header(200, true), {}});
  cases.push_back({"offset inside the header", header(4, true), {}});
  cases.push_back({"shorter than the header", std::vector<uint8_t>(12, 0), {}});
  for (const Case& c : cases) EXPECT_EQ(ReadFileDropBlock(c.block.data(), c.block.size()), c.files) << c.name;
}

TEST(DataFormats, LinksAreToldFromFiles) {
  unsigned url = RegisterClipboardFormat("UniformResourceLocator");
  struct Case {
    const char* name;
    std::map<std::string, std::string> data;
    std::vector<unsigned> formats;
    std::string link;  // the link block's text, "" when none
  };
  std::string mozUrl;
  for (char c : std::string("https://example.invalid/a\nTitle")) mozUrl += std::string{c, '\0'};
  const Case cases[] = {
      {"a file manager",
       {{"text/uri-list", "file:///tmp/a.csv\r\n"}, {"text/plain", "/tmp/a.csv"}},
       {CF_TEXT, CF_UNICODETEXT, CF_HDROP},
       ""},
      {"a browser's link",
       {{"text/uri-list", "https://example.invalid/a\r\n"}, {"text/x-moz-url", mozUrl}},
       {url},
       "https://example.invalid/a"},
      {"a link as a URI list alone",
       {{"text/uri-list", "https://example.invalid/b\r\n"}},
       {url},
       "https://example.invalid/b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(OfferedFormats(Mimes(c.data), ReaderOf(c.data)), c.formats);
    std::vector<uint8_t> block;
    EXPECT_EQ(FormatBlock(url, ReaderOf(c.data), block), !c.link.empty());
    if (!c.link.empty()) EXPECT_EQ(block, Bytes(c.link + std::string(1, '\0')));
  }
}

TEST(DataFormats, ClipboardReadsFileListsAsTheDropBlock) {
  TClipboard* c = Clipboard();
  std::vector<uint8_t> block = MakeFileDropBlock({"/tmp/x y.csv"});
  c->SetAsBytes(CF_HDROP, block);
  EXPECT_TRUE(c->HasFormat(CF_HDROP));
  EXPECT_EQ(c->GetAsBytes(CF_HDROP), block);
  std::vector<unsigned> formats = c->Formats();
  EXPECT_NE(std::find(formats.begin(), formats.end(), CF_HDROP), formats.end());
  c->Clear();
}

// "HTML Format" is the markup alone on the desktop; its header of byte
// offsets is made at the border and points at the fragment. Rich text reads
// under either of its MIME types.
TEST(DataFormats, HtmlBlocksAndRichTextAliases) {
  const unsigned html = RegisterClipboardFormat("HTML Format");
  const unsigned rtf = RegisterClipboardFormat("Rich Text Format");
  EXPECT_EQ(FormatMime(html), "text/html");
  const std::string page =
      "<html><body><!--StartFragment--><b>\xE2\x82\xAC</b><!--EndFragment--></body></html>";
  for (const std::string& desk : {page, std::string("\xEF\xBB\xBF") + page}) {
    std::vector<uint8_t> block;
    ASSERT_TRUE(FormatBlock(html, ReaderOf({{"text/html", desk}}), block));
    const std::string b(block.begin(), block.end());
    auto at = [&b](const std::string& Key) { return std::stoul(b.substr(b.find(Key) + Key.size(), 10)); };
    EXPECT_EQ(b.substr(at("StartHTML:"), at("EndHTML:") - at("StartHTML:")), page);
    EXPECT_EQ(b.substr(at("StartFragment:"), at("EndFragment:") - at("StartFragment:")),
              "<b>\xE2\x82\xAC</b>");
    std::string mime;
    std::vector<uint8_t> bytes;
    MimeOfBlock(html, block, mime, bytes);
    EXPECT_EQ(mime, "text/html");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), page);
  }
  std::vector<uint8_t> block;
  ASSERT_TRUE(FormatBlock(rtf, ReaderOf({{"application/rtf", "{\\rtf1 x}"}}), block));
  EXPECT_EQ(block, Bytes(std::string("{\\rtf1 x}") + '\0'));
  EXPECT_EQ(OfferedFormats({"application/rtf"}, nullptr), std::vector<unsigned>{rtf});
}

}  // namespace
