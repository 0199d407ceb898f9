// Rows as an XML list of records: <list><record><FIELD0>text</FIELD0>...
// </record>...</list>. The writer escapes with the standard entities (a
// line break as a character reference, so it reads back as written) and
// encodes in the encoding it declares; the reader takes the texts as the
// parser gives them (already unescaped) and places a field by its name, so
// records that leave out empty fields read back into the right columns.
#include <algorithm>
#include <cctype>
#include <vector>

#include "framework/classes/StringList.h"
#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"
#include "framework/rtl/CodePage.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/SysUtils.h"
#include "framework/xml/XmlDom.h"
#include "grid/io/GridExchange.h"
#include "grid/model/DivUzev.h"

namespace {

enum TXmlCharset { xcUtf8, xcLatin1, xcAscii };

// The encoding a name asks for; one this writer does not know is written
// and declared as UTF-8.
TXmlCharset CharsetOf(const std::string& Name, std::string& Declared) {
  const std::string u = UpperCase(Trim(Name));
  if (u == "ISO-8859-1" || u == "ISO8859-1" || u == "LATIN1" || u == "ISO_8859-1") {
    Declared = Name;
    return xcLatin1;
  }
  if (u == "US-ASCII" || u == "ASCII") {
    Declared = Name;
    return xcAscii;
  }
  Declared = u == "UTF-8" || u == "UTF8" ? Name : std::string("UTF-8");
  return xcUtf8;
}

bool XmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

// The text as element content. CR is a reference (a parser turns a raw one
// into LF); characters XML cannot hold at all are left out.
std::string EscapeXml(std::string_view T) {
  std::string out;
  out.reserve(T.size());
  for (char32_t c : Utf8ToUtf32(T)) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\r':
        out += "&#13;";
        break;
      default:
        if (XmlChar(c)) out += Utf32ToUtf8(std::u32string(1, c));
    }
  }
  return out;
}

// UTF-8 text in the charset; what it lacks as numeric references.
std::string Encode(std::string_view T, TXmlCharset C) {
  if (C == xcUtf8) return std::string(T);
  const char32_t limit = C == xcLatin1 ? 0xFF : 0x7F;
  std::string out;
  out.reserve(T.size());
  for (char32_t c : Utf8ToUtf32(T)) {
    if (c <= limit)
      out += static_cast<char>(c);
    else
      out += "&#" + std::to_string(static_cast<uint32_t>(c)) + ";";
  }
  return out;
}

bool NameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80) != 0; }
bool NameChar(char c) {
  return NameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.';
}

// A name as an element name: characters a name cannot hold become "_".
std::string ElementName(std::string Name) {
  if (Name.empty()) return "_";
  for (char& c : Name)
    if (!NameChar(c)) c = '_';
  if (!NameStart(Name[0])) Name.insert(0, "_");
  return Name;
}

// The number after "FIELD" in a field name, or -1.
int FieldIndex(const std::string& Name) {
  if (Name.size() <= 5 || Name.compare(0, 5, "FIELD") != 0) return -1;
  int v = 0;
  for (size_t i = 5; i < Name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(Name[i])) || v > 100000000) return -1;
    v = v * 10 + (Name[i] - '0');
  }
  return v;
}

}  // namespace

void TDedAdararAdoz::SaveToXML(const std::string& FileName, const std::string& ListDescr,
                               const std::string& RecordDescr, TStrings* FieldDescr, bool ExportEmptyCells) {
  std::string declared;
  const TXmlCharset cs = CharsetOf(XMLEncoding(), declared);
  const gridio::TExportColumns cols = gridio::ExportColumns(this, true);
  const std::string list = ElementName(ListDescr), record = ElementName(RecordDescr);
  std::vector<std::string> names;
  for (int k = 0; k < cols.Count(); ++k)
    names.push_back(FieldDescr != nullptr && k < FieldDescr->Count() ? ElementName(FieldDescr->Strings(k))
                                                                     : "FIELD" + std::to_string(k));
  std::string out = "<?xml version=\"1.0\" encoding=\"" + EscapeXml(declared) + "\" ?>\r\n<" + list + ">\r\n";
  ExportNotification(esExportStart, SaveStartRow());
  gridio::TFileProgress progress(this);
  std::string t;
  for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
    ExportNotification(esExportNextRow, r);
    out += "<" + record + ">\r\n";
    for (int k = 0; k < cols.Count(); ++k) {
      const int rc = cols.Real[static_cast<size_t>(k)];
      if (!IsBaseCell(rc, r)) continue;
      t.clear();
      SaveCell(rc, r, t);
      if (t.empty() && !ExportEmptyCells) continue;
      const std::string& n = names[static_cast<size_t>(k)];
      out += "<" + n + ">" + (t.empty() && QuoteEmptyCells() ? std::string("&quot;&quot;") : EscapeXml(t)) +
             "</" + n + ">\r\n";
    }
    out += "</" + record + ">\r\n";
    progress.Report(r, SaveEndRow() - SaveStartRow());
  }
  out += "</" + list + ">\r\n";
  ExportNotification(esExportDone, -1);
  try {
    SafeWriteFile(FileName, Encode(out, cs));
  } catch (const Exception&) {
    throw EDivUzevError("Cannot Create file " + FileName);
  }
}

namespace {

// The texts under a node, joined.
std::string DescendantText(const TXMLNode& N) {
  std::string out;
  for (int k = 0; k < N.ChildCount(); ++k) {
    TXMLNode child = N.ChildNodes(k);
    const TXMLNodeType t = child.NodeType();
    if (t == ntText || t == ntCData)
      out += child.NodeValue();
    else if (t == ntElement)
      out += DescendantText(child);
  }
  return out;
}

// The reader's state over one load.
class TXmlLoad {
 public:
  TXmlLoad(TDedAdararAdoz* Grid, bool LevelToRow, bool LoadFieldDescr)
      : g_(Grid), levelToRow_(LevelToRow), fieldDescr_(LoadFieldDescr) {
    c0_ = g_->SaveStartCol();
    r0_ = (!g_->SaveFixedCells() && !g_->SaveFixedRows()) || LoadFieldDescr ? g_->FixedRows() : 0;
    maxCol_ = c0_;
    maxRow_ = r0_;
    header_ = g_->SaveFixedCells() || g_->SaveFixedRows();
  }

  void Run(const TXMLNode& Root) {
    int i = 0;
    for (int k = 0; k < Root.ChildCount(); ++k) {
      TXMLNode child = Root.ChildNodes(k);
      if (child.NodeType() != ntElement) continue;
      col_ = 0;
      level_ = 1;
      if (levelToRow_ && i == 0 && child.AttributeCount() == 0) o_ = -1;
      if (!levelToRow_) rowUsed_ = false;
      Read(child);
      if (!levelToRow_) ++o_;
      ++i;
    }
    g_->SetColCount(maxCol_ + 1);
    g_->SetRowCount(maxRow_ + 1);
  }

 private:
  // Grows the grid to hold the target cell; false when no grid can.
  bool Target(int& C, int& R) {
    C = c0_ + col_;
    R = r0_ + o_;
    if (C < 0 || R < 0 || C >= gridio::kMaxLoadCols || R >= gridio::kMaxLoadRows) return false;
    if (C >= g_->ColCount()) g_->SetColCount(C + 1);
    if (R >= g_->RowCount()) g_->SetRowCount(R + 1);
    return true;
  }

  void Put(std::string Text, const std::string& Name, bool NameToHeader) {
    int c, r;
    if (Target(c, r)) {
      if (NameToHeader && header_ && r > 0 && g_->GetGridCell(c, 0).empty()) {
        std::string n = Name;
        g_->LoadCell(c, 0, n);
      }
      g_->LoadCell(c, r, Text);
      rowUsed_ = true;
      maxCol_ = std::max(maxCol_, c);
      maxRow_ = std::max(maxRow_, r);
    }
    ++col_;
  }

  // A field goes to the column its name gives: "FIELD" + n, or a header
  // cell holding the name.
  void PlaceByName(const std::string& Name) {
    if (levelToRow_) return;
    if (int n = FieldIndex(Name); n >= 0) {
      col_ = n;
      return;
    }
    if (!header_ || g_->RowCount() == 0) return;
    for (int c = c0_; c < g_->ColCount(); ++c)
      if (g_->GetGridCell(c, 0) == Name) {
        col_ = c - c0_;
        return;
      }
  }

  static int ElementChildren(const TXMLNode& N) {
    int n = 0;
    for (int k = 0; k < N.ChildCount(); ++k)
      if (N.ChildNodes(k).NodeType() == ntElement) ++n;
    return n;
  }

  void Read(const TXMLNode& Node) {
    // 1. Attributes.
    bool newRow = false;
    const int attrs = Node.AttributeCount();
    // A row that already holds cells of this load is not written over.
    if (levelToRow_ && attrs > 0 && rowUsed_) {
      ++o_;
      rowUsed_ = false;
    }
    for (int a = 0; a < attrs; ++a) Put(Node.AttributeValueAt(a), Node.AttributeName(a), true);
    if (levelToRow_ && attrs > 0) {
      ++o_;
      rowUsed_ = false;
      col_ = level_;
      newRow = true;
    }
    const int children = Node.ChildCount();
    const int elements = ElementChildren(Node);
    if (elements > 1 || (elements == 1 && !levelToRow_)) {
      // 2. Nested elements.
      if (levelToRow_ && !newRow) {
        ++o_;
        rowUsed_ = false;
        col_ = 0;
      }
      ++level_;
      for (int k = 0; k < children; ++k) {
        TXMLNode child = Node.ChildNodes(k);
        if (child.NodeType() == ntElement) Read(child);
      }
      return;
    }
    if (attrs > 0 && children == 0) return;
    // 3. and 4. A leaf: its text.
    PlaceByName(Node.NodeName());
    std::string text = DescendantText(Node);
    if (g_->QuoteEmptyCells() && text == "\"\"") text.clear();
    Put(std::move(text), Node.NodeName(), fieldDescr_);
  }

  TDedAdararAdoz* g_;
  bool levelToRow_, fieldDescr_, header_ = false, rowUsed_ = false;
  int c0_ = 0, r0_ = 0, maxCol_ = 0, maxRow_ = 0;
  int o_ = 0, col_ = 0, level_ = 1;
};

}  // namespace

void TDedAdararAdoz::LoadFromXML(const std::string& FileName, bool LevelToRow, bool LoadFieldDescr) {
  if (!FileExists(FileName)) throw Exception("XML file not found");
  TXMLDocument doc;
  try {
    doc.LoadFromFile(FileName);
  } catch (const Exception& e) {
    // The parser says where: "...: line L, column C: reason".
    const std::string m = e.Message();
    std::string line = "0";
    if (size_t p = m.find("line "); p != std::string::npos) {
      size_t q = p + 5;
      while (q < m.size() && std::isdigit(static_cast<unsigned char>(m[q]))) ++q;
      if (q > p + 5) line = m.substr(p + 5, q - p - 5);
    }
    std::string reason = m.substr(m.rfind(": ") == std::string::npos ? 0 : m.rfind(": ") + 2);
    throw Exception("XMLDOM Parsing error " + reason + " on line " + line);
  }
  TXMLNode root = doc.DocumentElement();
  if (root.IsNull()) throw Exception("XMLDOM Parsing error no document element on line 1");
  TXmlLoad load(this, LevelToRow, LoadFieldDescr);
  load.Run(root);
  CellsChanged(TRect(0, 0, ColCount(), RowCount()));
  CalcAllFooters();
}
