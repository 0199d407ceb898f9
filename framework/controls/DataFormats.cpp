#include "framework/controls/DataFormats.h"

#include <algorithm>
#include <cstdio>

#include "framework/rtl/CodePage.h"
#include "framework/rtl/StrUtils.h"

namespace {

const char* kText = "text/plain";
const char* kUriList = "text/uri-list";
const char* kMozUrl = "text/x-moz-url";
const char* kNetscapeUrl = "_NETSCAPE_URL";
const char* kUrlName = "UniformResourceLocator";

// The id of a registered name, 0 while nobody registered it.
unsigned RegisteredId(const std::string& Name) {
  for (unsigned id : RegisteredClipboardFormats())
    if (ClipboardFormatName(id) == Name) return id;
  return 0;
}

std::string CutAtZero(const std::vector<uint8_t>& Bytes) {
  std::string s(Bytes.begin(), Bytes.end());
  if (auto z = s.find('\0'); z != std::string::npos) s.resize(z);
  return s;
}

std::vector<uint8_t> WithZero(std::string_view S, std::size_t ZeroBytes = 1) {
  std::vector<uint8_t> b(S.begin(), S.end());
  b.insert(b.end(), ZeroBytes, 0);
  return b;
}

std::vector<uint8_t> Utf16Block(std::string_view Utf8) {
  std::vector<uint8_t> b;
  for (char16_t c : Utf8ToUtf16(Utf8)) {
    b.push_back(static_cast<uint8_t>(c & 0xFF));
    b.push_back(static_cast<uint8_t>(c >> 8));
  }
  b.push_back(0);
  b.push_back(0);
  return b;
}

// UTF-16 (little-endian) up to the first zero character or the end.
std::string Utf16BytesToUtf8(const uint8_t* Data, std::size_t Size) {
  std::u16string u;
  for (std::size_t i = 0; i + 1 < Size; i += 2) {
    char16_t c = static_cast<char16_t>(Data[i] | (Data[i + 1] << 8));
    if (c == 0) break;
    u.push_back(c);
  }
  return Utf16ToUtf8(u);
}

std::vector<std::string> UriLines(const std::string& UriList) {
  std::vector<std::string> out;
  for (std::string line : SplitString(UriList, '\n')) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    out.push_back(line);
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string PercentDecode(std::string_view S) {
  std::string out;
  for (std::size_t i = 0; i < S.size(); ++i) {
    if (S[i] == '%' && i + 2 < S.size()) {
      int hi = HexValue(S[i + 1]), lo = HexValue(S[i + 2]);
      if (hi >= 0 && lo >= 0) {
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
        continue;
      }
    }
    out += S[i];
  }
  return out;
}

// The local path of a file: URI ("" for any other URI, or a file on
// another host).
std::string PathOfFileUri(const std::string& Uri) {
  if (Uri.size() < 5 || LowerCase(Uri.substr(0, 5)) != "file:") return std::string();
  std::string rest = Uri.substr(5);
  if (rest.rfind("//", 0) == 0) {
    std::size_t slash = rest.find('/', 2);
    std::string host = rest.substr(2, slash == std::string::npos ? std::string::npos : slash - 2);
    if (!host.empty() && LowerCase(host) != "localhost") return std::string();
    rest = slash == std::string::npos ? std::string() : rest.substr(slash);
  }
  if (rest.empty() || rest[0] != '/') return std::string();
  return PercentDecode(rest);
}

bool IsFileUri(const std::string& Uri) { return Uri.size() >= 5 && LowerCase(Uri.substr(0, 5)) == "file:"; }

std::string FileUriOfPath(const std::string& Path) {
  return "file://" + PercentEncode(Path, "-._~/!$&'()*+,;=:@");
}

// The link of a "text/x-moz-url" (UTF-16: the address, a line break and the
// title) or "_NETSCAPE_URL" (the same in UTF-8).
std::string FirstLine(std::string S) {
  if (auto n = S.find_first_of("\r\n"); n != std::string::npos) S.resize(n);
  return S;
}

bool ReadLink(const TMimeReader& Read, std::string& Link) {
  std::vector<uint8_t> b;
  if (Read(kMozUrl, b)) {
    Link = FirstLine(Utf16BytesToUtf8(b.data(), b.size()));
    if (!Link.empty()) return true;
  }
  if (Read(kNetscapeUrl, b)) {
    Link = FirstLine(CutAtZero(b));
    if (!Link.empty()) return true;
  }
  if (Read(kUriList, b)) {
    std::vector<std::string> links = LinksOfUriList(CutAtZero(b));
    if (!links.empty()) {
      Link = links.front();
      return true;
    }
  }
  return false;
}

// "HTML Format" blocks: a header of byte offsets ("StartHTML:", ...) in
// front of UTF-8 markup. The desktop's "text/html" is the markup alone.
long HeaderValue(std::string_view Block, std::string_view Key) {
  std::size_t p = Block.find(Key);
  if (p == std::string_view::npos || p > 400) return -1;
  p += Key.size();
  long v = 0;
  bool any = false;
  while (p < Block.size() && Block[p] >= '0' && Block[p] <= '9' && v < 100000000) {
    v = v * 10 + (Block[p++] - '0');
    any = true;
  }
  return any ? v : -1;
}

std::string MarkupOfHtmlBlock(std::string_view Block) {
  const long start = HeaderValue(Block, "StartHTML:");
  long end = HeaderValue(Block, "EndHTML:");
  if (start < 0 || static_cast<std::size_t>(start) > Block.size()) {
    // No header: the markup as it is (a zero ends it).
    return std::string(Block.substr(0, Block.find('\0')));
  }
  if (end < start || static_cast<std::size_t>(end) > Block.size()) end = static_cast<long>(Block.size());
  std::string_view m = Block.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
  return std::string(m.substr(0, m.find('\0')));
}

// Markup as the desktop hands it: UTF-8, or UTF-16 with a byte-order mark.
std::string HtmlAsUtf8(const std::vector<uint8_t>& B) {
  if (B.size() >= 2 && B[0] == 0xFF && B[1] == 0xFE) return Utf16BytesToUtf8(B.data() + 2, B.size() - 2);
  if (B.size() >= 3 && B[0] == 0xEF && B[1] == 0xBB && B[2] == 0xBF)
    return CutAtZero({B.begin() + 3, B.end()});
  return CutAtZero(B);
}

std::vector<uint8_t> HtmlBlockOfMarkup(const std::string& Markup) {
  // The fragment is the body's content (the whole text without a body).
  std::string lower = LowerCase(Markup);
  std::size_t fragStart = 0, fragEnd = Markup.size();
  const std::size_t mark = Markup.find("<!--StartFragment-->");
  const std::size_t markEnd = Markup.find("<!--EndFragment-->");
  if (mark != std::string::npos && markEnd != std::string::npos && markEnd >= mark + 20) {
    fragStart = mark + 20;
    fragEnd = markEnd;
  } else if (std::size_t b = lower.find("<body"); b != std::string::npos) {
    std::size_t gt = lower.find('>', b);
    if (gt != std::string::npos) fragStart = gt + 1;
    std::size_t e = lower.find("</body", fragStart);
    if (e != std::string::npos) fragEnd = e;
  }
  auto line = [](const char* Label, std::size_t Value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%010zu", Value);
    return std::string(Label) + digits + "\r\n";
  };
  // Fixed-width numbers: the header's length does not depend on them.
  const std::size_t header = line("Version:0.9\r\nStartHTML:", 0).size() + line("EndHTML:", 0).size() +
                             line("StartFragment:", 0).size() + line("EndFragment:", 0).size();
  std::string out = line("Version:0.9\r\nStartHTML:", header);
  out += line("EndHTML:", header + Markup.size());
  out += line("StartFragment:", header + fragStart);
  out += line("EndFragment:", header + fragEnd);
  out += Markup;
  return std::vector<uint8_t>(out.begin(), out.end());
}

const char* kRtfMime = "text/rtf";
const char* kRtfAlias = "application/rtf";

void AddOnce(std::vector<unsigned>& Out, unsigned Format) {
  if (Format != 0 && std::find(Out.begin(), Out.end(), Format) == Out.end()) Out.push_back(Format);
}

}  // namespace

std::string FormatMime(unsigned Format) {
  switch (Format) {
    case CF_TEXT:
    case CF_UNICODETEXT:
    case CF_OEMTEXT:
      return kText;
    case CF_HDROP:
      return kUriList;
    case CF_DIB:
    case CF_BITMAP:
      return "image/bmp";
    default:
      break;
  }
  std::string name = ClipboardFormatName(Format);
  if (name == "HTML Format") return "text/html";
  if (name == "Rich Text Format") return "text/rtf";
  if (name == kUrlName) return kMozUrl;
  if (name.empty()) name = std::to_string(Format);
  std::string mime = "application/x-cf30406-";
  for (char c : name) mime += (c == ' ' || c == ';' || c == '"') ? '-' : c;
  return mime;
}

std::vector<std::string> FormatMimeAliases(unsigned Format) {
  if (ClipboardFormatName(Format) == "Rich Text Format") return {kRtfAlias};
  return {};
}

std::vector<unsigned> OfferedFormats(const std::vector<std::string>& Mimes, const TMimeReader& Read) {
  std::vector<unsigned> out;
  std::vector<unsigned> registered = RegisteredClipboardFormats();
  unsigned url = RegisteredId(kUrlName);
  for (const std::string& m : Mimes) {
    if (m == kText) {
      AddOnce(out, CF_TEXT);
      AddOnce(out, CF_UNICODETEXT);
    } else if (m == kUriList) {
      std::vector<uint8_t> b;
      std::string list = Read && Read(m, b) ? CutAtZero(b) : std::string();
      if (!FilesOfUriList(list).empty()) AddOnce(out, CF_HDROP);
      if (!LinksOfUriList(list).empty()) AddOnce(out, url);
    } else if (m == kMozUrl || m == kNetscapeUrl) {
      AddOnce(out, url);
    } else if (m == kRtfAlias) {
      AddOnce(out, RegisteredId("Rich Text Format"));
    } else {
      for (unsigned id : registered)
        if (FormatMime(id) == m) AddOnce(out, id);
    }
  }
  return out;
}

bool FormatBlock(unsigned Format, const TMimeReader& Read, std::vector<uint8_t>& Block) {
  if (!Read) return false;
  std::vector<uint8_t> b;
  switch (Format) {
    case CF_TEXT:
    case CF_OEMTEXT:
    case CF_UNICODETEXT: {
      if (!Read(kText, b)) return false;
      std::string text = CutAtZero(b);
      if (Format == CF_UNICODETEXT)
        Block = Utf16Block(text);
      else
        Block = WithZero(Format == CF_TEXT ? Utf8ToCp1252(text) : Utf8ToOem(text));
      return true;
    }
    case CF_HDROP: {
      if (!Read(kUriList, b)) return false;
      std::vector<std::string> files = FilesOfUriList(CutAtZero(b));
      if (files.empty()) return false;
      Block = MakeFileDropBlock(files);
      return true;
    }
    default:
      break;
  }
  std::string name = ClipboardFormatName(Format);
  if (name == kUrlName) {
    std::string link;
    if (!ReadLink(Read, link)) return false;
    Block = WithZero(Utf8ToCp1252(link));
    return true;
  }
  if (name == "Rich Text Format") {
    if (!Read(kRtfMime, b) && !Read(kRtfAlias, b)) return false;
    Block = WithZero(CutAtZero(b));
    return true;
  }
  if (!Read(FormatMime(Format), b)) return false;
  if (name == "HTML Format")
    Block = HtmlBlockOfMarkup(HtmlAsUtf8(b));
  else
    Block = std::move(b);
  return true;
}

void MimeOfBlock(unsigned Format, const std::vector<uint8_t>& Block, std::string& Mime,
                 std::vector<uint8_t>& Bytes) {
  Mime = FormatMime(Format);
  std::string name = ClipboardFormatName(Format);
  std::string text;
  switch (Format) {
    case CF_TEXT:
      text = Cp1252ToUtf8(CutAtZero(Block));
      break;
    case CF_OEMTEXT:
      text = OemToUtf8(CutAtZero(Block));
      break;
    case CF_UNICODETEXT:
      text = Utf16BytesToUtf8(Block.data(), Block.size());
      break;
    case CF_HDROP:
      text = UriListOfFiles(ReadFileDropBlock(Block.data(), Block.size()));
      break;
    default:
      if (name == kUrlName) {
        std::vector<uint8_t> u = Utf16Block(Cp1252ToUtf8(CutAtZero(Block)));
        u.resize(u.size() - 2);
        Bytes = std::move(u);
        return;
      }
      if (name == "Rich Text Format") {
        text = CutAtZero(Block);
        break;
      }
      if (name == "HTML Format") {
        text = MarkupOfHtmlBlock(std::string_view(reinterpret_cast<const char*>(Block.data()), Block.size()));
        break;
      }
      Bytes = Block;
      return;
  }
  Bytes.assign(text.begin(), text.end());
}

std::vector<uint8_t> MakeFileDropBlock(const std::vector<std::string>& Files) {
  std::vector<uint8_t> b(20, 0);
  b[0] = 20;  // the names start behind the header
  b[16] = 1;  // wide names
  for (const std::string& f : Files) {
    std::vector<uint8_t> name = Utf16Block(f);
    b.insert(b.end(), name.begin(), name.end());
  }
  b.push_back(0);
  b.push_back(0);
  return b;
}

std::vector<std::string> ReadFileDropBlock(const uint8_t* Data, std::size_t Size) {
  std::vector<std::string> out;
  if (Data == nullptr || Size < 20) return out;
  auto u32 = [&](std::size_t at) {
    return static_cast<uint32_t>(Data[at]) | (static_cast<uint32_t>(Data[at + 1]) << 8) |
           (static_cast<uint32_t>(Data[at + 2]) << 16) | (static_cast<uint32_t>(Data[at + 3]) << 24);
  };
  std::size_t pos = u32(0);
  bool wide = u32(16) != 0;
  if (pos < 20 || pos >= Size) return out;
  while (pos < Size) {
    if (wide) {
      std::size_t end = pos;
      while (end + 1 < Size && (Data[end] | Data[end + 1]) != 0) end += 2;
      if (end + 1 >= Size) break;  // no terminating zero inside the block
      if (end == pos) break;       // the empty name ends the list
      out.push_back(Utf16BytesToUtf8(Data + pos, end - pos));
      pos = end + 2;
    } else {
      std::size_t end = pos;
      while (end < Size && Data[end] != 0) ++end;
      if (end >= Size) break;
      if (end == pos) break;
      out.push_back(Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(Data + pos), end - pos)));
      pos = end + 1;
    }
  }
  return out;
}

std::vector<std::string> FilesOfUriList(const std::string& UriList) {
  std::vector<std::string> out;
  for (const std::string& uri : UriLines(UriList)) {
    std::string path = PathOfFileUri(uri);
    if (!path.empty()) out.push_back(path);
  }
  return out;
}

std::vector<std::string> LinksOfUriList(const std::string& UriList) {
  std::vector<std::string> out;
  for (const std::string& uri : UriLines(UriList))
    if (!IsFileUri(uri) && uri.find(':') != std::string::npos) out.push_back(uri);
  return out;
}

std::string UriListOfFiles(const std::vector<std::string>& Files) {
  std::string out;
  for (const std::string& f : Files) out += FileUriOfPath(f) + "\r\n";
  return out;
}
